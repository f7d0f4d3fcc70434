// The first run's steps without a window: the sample built on its worker thread and named in the
// user's file, cancelled or failing at each step with nothing written; a chosen database folder
// checked and named; and what the user is told of each outcome.

#include "view/first_run.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "../storage/temp_dir.h"

namespace tessla {
namespace {

namespace fs = std::filesystem;
using Result = FirstRunOutcome::Result;

// Enough persons for the generator to report steps of its own.
constexpr std::uint64_t kPersons = 2000;

class FirstRunSteps : public ::testing::Test {
  protected:
    FirstRunSteps() {
        places_.userFile = dir_.path() + "config/tessla/tessla.ini";
        places_.sampleDirectory = dir_.path() + "data/tessla/sample/";
        places_.samplePersons = kPersons;
    }

    // Every file under the temporary directory, relative to it.
    std::vector<std::string> files() const {
        std::vector<std::string> found;
        for (const auto& entry : fs::recursive_directory_iterator(dir_.path())) {
            if (entry.is_regular_file()) found.push_back(fs::relative(entry.path(), dir_.path()).string());
        }
        return found;
    }

    static FirstRunOutcome waitFor(const SampleRun& run) {
        while (!run.progress().finished) std::this_thread::sleep_for(std::chrono::milliseconds(5));
        return run.outcome();
    }

    // A regular file where a folder is wanted.
    std::string blocker() const {
        std::ofstream(dir_.path() + "blocker") << "x";
        return dir_.path() + "blocker/";
    }

    test::TempDir dir_;
    FirstRunPlaces places_;
};

TEST_F(FirstRunSteps, TheSampleIsBuiltAndNamedInTheUsersFileWhileItsStagesComeInOrder) {
    std::vector<BuildStage> stages;
    SampleRun run(places_, [&](const BuildStep& step) {
        if (stages.empty() || stages.back() != step.stage) stages.push_back(step.stage);
    });
    const FirstRunOutcome outcome = waitFor(run);
    EXPECT_EQ(outcome.result, Result::Done) << outcome.detail;
    EXPECT_EQ(outcome.folder, places_.sampleDirectory);
    EXPECT_EQ(stages,
              (std::vector<BuildStage>{BuildStage::Generating, BuildStage::Reading, BuildStage::Sorting,
                                       BuildStage::Writing, BuildStage::Finishing}));
    const SampleRun::Progress last = run.progress();
    EXPECT_EQ(last.stage, BuildStage::Finishing);
    EXPECT_EQ(last.done, 1.0);
    EXPECT_GT(last.elapsedSeconds, 0.0);
    const Configuration config = readConfigurationFile(places_.userFile);
    EXPECT_EQ(config.cdbasen, places_.sampleDirectory + "cd/");
    EXPECT_EQ(config.hdbasen, places_.sampleDirectory + "hd/");
    EXPECT_TRUE(fs::exists(places_.sampleDirectory + "tessla.ini"));
}

// Cancelled in any stage, by its caller or by being destroyed, the run leaves nothing and writes
// nothing.
TEST_F(FirstRunSteps, CancelledInAnyStageLeavesNothingAndWritesNothing) {
    for (const BuildStage stage : {BuildStage::Generating, BuildStage::Reading, BuildStage::Sorting,
                                   BuildStage::Writing, BuildStage::Finishing}) {
        std::atomic<SampleRun*> running = nullptr;
        SampleRun run(places_, [&](const BuildStep& step) {
            if (step.stage != stage) return;
            while (running == nullptr) std::this_thread::yield();  // the run is being made
            running.load()->cancel();
        });
        running = &run;
        const FirstRunOutcome outcome = waitFor(run);
        EXPECT_EQ(outcome.result, Result::Cancelled) << static_cast<int>(stage);
        EXPECT_TRUE(firstRunMessage(outcome, Language::Swedish).empty());
        EXPECT_EQ(files(), std::vector<std::string>{}) << static_cast<int>(stage);
    }
    { const SampleRun abandoned(places_); }
    EXPECT_EQ(files(), std::vector<std::string>{});
    EXPECT_FALSE(fs::exists(dir_.path() + "data"));
}

// Each step that fails ends the run there: a sample folder too long is refused before anything
// is done, a build that fails leaves nothing and writes nothing, and a user's file that cannot be
// written is said to be so (the sample built stays).
TEST_F(FirstRunSteps, EachFailingStepEndsTheRunWithItsOutcome) {
    places_.sampleDirectory = "/" + std::string(kComponentDirectoryMax, 's') + "/";
    const SampleRun tooLong(places_);
    EXPECT_TRUE(tooLong.progress().finished);
    EXPECT_EQ(tooLong.outcome().result, Result::FolderTooLong);
    EXPECT_EQ(tooLong.outcome().folder, places_.sampleDirectory);

    places_.sampleDirectory = blocker() + "sample/";
    const SampleRun unbuildable(places_);
    FirstRunOutcome outcome = waitFor(unbuildable);
    EXPECT_EQ(outcome.result, Result::BuildFailed);
    EXPECT_NE(outcome.detail.find("cannot create"), std::string::npos) << outcome.detail;
    EXPECT_EQ(files(), std::vector<std::string>{"blocker"});

    places_.sampleDirectory = dir_.path() + "data/tessla/sample/";
    places_.userFile = blocker() + "tessla.ini";
    const SampleRun unwritable(places_);
    outcome = waitFor(unwritable);
    EXPECT_EQ(outcome.result, Result::ConfigurationUnwritten);
    EXPECT_NE(outcome.detail, "");
    EXPECT_TRUE(fs::exists(places_.sampleDirectory + "tessla.ini"));
}

TEST_F(FirstRunSteps, AChosenFolderIsNamedInTheUsersFileOnlyWhenItHoldsADatabaseThatFits) {
    const std::string database = dir_.path() + "census/db";
    {
        places_.sampleDirectory = database + "/";
        const SampleRun sample(places_);
        ASSERT_EQ(waitFor(sample).result, Result::Done);
        fs::remove(places_.userFile);
    }
    fs::create_directories(dir_.path() + "empty");
    const auto before = files();
    const struct {
        std::string folder;
        Result result;
    } refused[] = {
        {"/" + std::string(kComponentDirectoryMax - 4, 'x'), Result::FolderTooLong},
        {dir_.path() + "empty", Result::NoDatabase},
    };
    for (const auto& c : refused) {
        const FirstRunOutcome outcome = useDatabaseFolder(places_, c.folder);
        EXPECT_EQ(outcome.result, c.result) << c.folder;
        EXPECT_EQ(outcome.folder, c.folder);
        EXPECT_EQ(files(), before) << c.folder;
    }
    EXPECT_NE(useDatabaseFolder(places_, dir_.path() + "empty").detail, "");

    EXPECT_EQ(useDatabaseFolder(places_, database).result, Result::Done);
    EXPECT_EQ(readConfigurationFile(places_.userFile).hdbasen, database + "/hd/");
    places_.userFile = blocker() + "tessla.ini";
    EXPECT_EQ(useDatabaseFolder(places_, database).result, Result::ConfigurationUnwritten);
}

TEST(FirstRunMessage, EachOutcomeThatCameToNothingIsToldInBothLanguages) {
    const std::string most = std::to_string(kComponentDirectoryMax);
    const struct {
        FirstRunOutcome outcome;
        std::string swedish;
        std::string english;
    } cases[] = {
        {{Result::Done, "/srv/db", ""}, "", ""},
        {{Result::Cancelled, "/srv/db", ""}, "", ""},
        {{Result::FolderTooLong, "/srv/db", ""},
         "Mappens sökväg är för lång: sökvägarna till databasens mappar cd/ och hd/ får ha högst " + most +
             " tecken.\n\n/srv/db",
         "The folder's path is too long: the paths of the database's folders cd/ and hd/ may have at most " +
             most + " characters.\n\n/srv/db"},
        {{Result::NoDatabase, "/srv/db", "file /srv/db/cd/tessl.x is missing"},
         "Mappen /srv/db innehåller ingen databas som Tessla kan öppna.\n\nfile /srv/db/cd/tessl.x is "
         "missing",
         "The folder /srv/db holds no database that Tessla can open.\n\nfile /srv/db/cd/tessl.x is missing"},
        {{Result::BuildFailed, "/srv/db", "cannot create /srv"},
         "Exempeldatabasen kunde inte byggas.\n\ncannot create /srv",
         "The sample database could not be built.\n\ncannot create /srv"},
        {{Result::ConfigurationUnwritten, "/srv/db", "cannot write /home/u/.config/tessla/tessla.ini"},
         "Inställningsfilen kan inte skrivas.\n\ncannot write /home/u/.config/tessla/tessla.ini",
         "The configuration file cannot be written.\n\ncannot write /home/u/.config/tessla/tessla.ini"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(firstRunMessage(c.outcome, Language::Swedish).str(), c.swedish);
        EXPECT_EQ(firstRunMessage(c.outcome, Language::English).str(), c.english);
    }
}

}  // namespace
}  // namespace tessla
