#include "storage/file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "storage/temp_dir.h"

namespace tessla {
namespace {

using test::TempDir;
using Bytes = std::vector<std::uint8_t>;

// What readAt gives at offset for count bytes, or "failed".
std::string readString(const File& file, std::uint64_t offset, std::size_t count) {
    std::string out(count, '\0');
    const std::optional<std::size_t> n = file.readAt(offset, out.data(), count);
    if (!n) return "failed";
    out.resize(*n);
    return out;
}

// A read-only file is read from its mapping; reads that reach past the end are cut where the file
// ends, and bytes added after opening are still read (from the file, past the mapping).
TEST(FileTest, ReadOnlyReadsStopAtTheEndAndSeeGrowth) {
    TempDir dir;
    const std::string path = dir.path() + "rows";
    test::writeBytes(path, Bytes{'a', 'b', 'c', 'd', 'e'});
    std::optional<File> opened = File::open(path, File::Access::ReadOnly);
    ASSERT_TRUE(opened);
    File file = std::move(*opened);  // the mapping moves with the file
    EXPECT_EQ(readString(file, 1, 3), "bcd");
    EXPECT_EQ(readString(file, 3, 10), "de");
    EXPECT_EQ(readString(file, 5, 1), "");
    EXPECT_EQ(readString(file, 9, 1), "");

    const auto inPlace = file.view(1, 4);
    ASSERT_TRUE(inPlace);
    EXPECT_EQ(std::string(inPlace->begin(), inPlace->end()), "bcde");
    EXPECT_FALSE(file.view(2, 4));

    std::optional<File> writer = File::open(path, File::Access::ReadWrite);
    ASSERT_TRUE(writer);
    EXPECT_FALSE(writer->view(0, 1));  // only read-only files are mapped
    ASSERT_TRUE(writer->writeAt(5, "fgh", 3));
    EXPECT_EQ(readString(file, 3, 10), "defgh");
    EXPECT_EQ(readString(file, 6, 2), "gh");

    EXPECT_TRUE(file.close());
    EXPECT_EQ(readString(file, 0, 1), "failed");
}

TEST(FileTest, EmptyReadOnlyFileReadsNothing) {
    TempDir dir;
    const std::string path = dir.path() + "empty";
    test::writeBytes(path, {});
    std::optional<File> file = File::open(path, File::Access::ReadOnly);
    ASSERT_TRUE(file);
    EXPECT_EQ(readString(*file, 0, 4), "");
    char byte = 0;
    EXPECT_FALSE(file->readExactAt(0, &byte, 1));
}

}  // namespace
}  // namespace tessla
