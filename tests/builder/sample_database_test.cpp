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
    for (const char* what :
         {"generating", "reading", "sorting", "writing the master list", "writing tessls1"}) {
        const auto count = std::count_if(steps.begin(), steps.end(),
                                         [&](const BuildStep& step) { return step.what.starts_with(what); });
        EXPECT_GT(count, 0) << what;
    }
    // The stages come in their order, each of them, and say what the steps' texts say.
    std::vector<BuildStage> stages;
    for (const BuildStep& step : steps)
        if (stages.empty() || stages.back() != step.stage) stages.push_back(step.stage);
    EXPECT_EQ(stages,
              (std::vector<BuildStage>{BuildStage::Generating, BuildStage::Reading, BuildStage::Sorting,
                                       BuildStage::Writing, BuildStage::Finishing}));
    const struct {
        const char* what;
        BuildStage stage;
    } named[] = {
        {"generating the census", BuildStage::Generating}, {"reading the census", BuildStage::Reading},
        {"sorting 6000 persons", BuildStage::Sorting},     {"writing the master list", BuildStage::Writing},
        {"writing tessls41", BuildStage::Writing},         {"writing the help texts", BuildStage::Finishing},
        {"writing the pictures", BuildStage::Finishing},   {"finishing", BuildStage::Finishing},
    };
    for (const auto& n : named) {
        const auto step =
            std::find_if(steps.begin(), steps.end(), [&](const BuildStep& s) { return s.what == n.what; });
        ASSERT_NE(step, steps.end()) << n.what;
        EXPECT_EQ(step->stage, n.stage) << n.what;
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
