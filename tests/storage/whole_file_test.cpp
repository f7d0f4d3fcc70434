#include "storage/whole_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <sys/stat.h>

#include "storage/temp_dir.h"

namespace tessla {
namespace {

std::string contentOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::size_t entriesIn(const std::string& directory) {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(directory), {}));
}

TEST(WriteFileWhole, WritesReplacesAndLeavesNothingWhenItFails) {
    const mode_t umask_ = ::umask(022);
    ::umask(umask_);
    test::TempDir dir;
    const std::string path = dir.path() + "hush.ged";
    EXPECT_EQ(writeFileWhole(path, "first"), std::nullopt);
    EXPECT_EQ(writeFileWhole(path, "second"), std::nullopt);
    EXPECT_EQ(contentOf(path), "second");
    EXPECT_EQ(entriesIn(dir.path()), 1u) << "no temporary file is left";
    EXPECT_EQ(std::filesystem::status(path).permissions(),
              static_cast<std::filesystem::perms>(0666 & ~umask_))
        << "an ordinary file, not one for its owner alone";

    // A folder that does not exist, and a name that is a folder: a reason, and nothing left.
    const std::optional<std::string> missing = writeFileWhole(dir.path() + "no/such.csv", "x");
    ASSERT_TRUE(missing.has_value());
    EXPECT_NE(missing->find("No such file"), std::string::npos) << *missing;
    std::filesystem::create_directory(dir.path() + "folder");
    EXPECT_TRUE(writeFileWhole(dir.path() + "folder", "x").has_value());
    EXPECT_EQ(entriesIn(dir.path()), 2u);
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() + "folder"));
}

}  // namespace
}  // namespace tessla
