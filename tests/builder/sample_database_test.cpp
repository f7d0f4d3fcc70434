#include "builder/sample_database.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "../storage/temp_dir.h"
#include "base/configuration.h"
#include "database/database.h"
#include "database/database_check.h"

namespace tessla {
namespace {

namespace fs = std::filesystem;

// Enough persons for the sort to report steps of its own.
constexpr std::uint64_t kPersons = 6000;

std::vector<std::string> filesUnder(const std::string& directory) {
    std::vector<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(directory))
        files.push_back(entry.path().string());
    return files;
}

TEST(SampleDatabase, BuildsAnOpeningDatabaseReportingStepsInOrderAndLeavesNoCsv) {
    const test::TempDir dir;
    std::vector<BuildStep> steps;
    SampleOptions options;
    options.directory = dir.path() + "data/tessla/sample/";
    options.persons = kPersons;
    options.steps = [&](const BuildStep& step) { steps.push_back(step); };
    buildSampleDatabase(options);

    Database db(nullptr);
    EXPECT_EQ(openCheckedDatabase(db, readConfiguration(options.directory)), std::nullopt);
    EXPECT_EQ(db.tessl().count(), static_cast<std::int32_t>(kPersons));
    std::vector<std::string> top;
    for (const auto& entry : fs::directory_iterator(dir.path() + "data/tessla"))
        top.push_back(entry.path().filename());
    EXPECT_EQ(top, std::vector<std::string>{"sample"});

    ASSERT_FALSE(steps.empty());
    for (std::size_t i = 1; i < steps.size(); ++i)
        ASSERT_LE(steps[i - 1].done, steps[i].done) << steps[i].what;
    EXPECT_EQ(steps.back().done, 1.0);
    for (const char* stage :
         {"generating", "reading", "sorting", "writing the master list", "writing tessls1"}) {
        const auto count = std::count_if(steps.begin(), steps.end(),
                                         [&](const BuildStep& step) { return step.what.starts_with(stage); });
        EXPECT_GT(count, 0) << stage;
    }
}

// Stopped in each stage, the sample leaves nothing: not the folders on the way, not the CSV, not
// the half-built database.
TEST(SampleDatabase, StoppedInAnyStageLeavesNothing) {
    for (const char* stage : {"generating", "reading", "sorting", "writing the master list",
                              "writing tessls20", "writing the pictures", "finishing"}) {
        const test::TempDir dir;
        std::stop_source stop;
        SampleOptions options;
        options.directory = dir.path() + "data/tessla/sample";
        options.persons = kPersons;
        options.stop = stop.get_token();
        options.steps = [&](const BuildStep& step) {
            if (step.what.starts_with(stage)) stop.request_stop();
        };
        EXPECT_THROW(buildSampleDatabase(options), BuildCancelled) << stage;
        EXPECT_EQ(filesUnder(dir.path()), std::vector<std::string>{}) << stage;
    }
}

TEST(SampleDatabase, SkinIsTheInstalledOneElseTheBuildTreesOne) {
    const test::TempDir dir;
    const std::string program = dir.path() + "bin/";
    fs::create_directories(program);
    EXPECT_EQ(skinDirectoryFor(program), "");
    fs::create_directories(dir.path() + "skin");
    std::ofstream(dir.path() + "skin/manifest.txt") << "\n";
    EXPECT_EQ(skinDirectoryFor(program), dir.path() + "skin/");
    fs::create_directories(dir.path() + "share/tessla/skin");
    std::ofstream(dir.path() + "share/tessla/skin/manifest.txt") << "\n";
    EXPECT_EQ(skinDirectoryFor(program), dir.path() + "share/tessla/skin/");
}

}  // namespace
}  // namespace tessla
