#pragma once

// The first run without a database, without pixels: where it builds and writes, the sample
// database built on a worker thread of its own (the folder checked, the sample built, the user's
// configuration file written) and watched by polling, a database folder the user already has
// checked and named in that file, and what the user is told when either comes to nothing. A
// cancelled or failed build leaves no files and writes nothing; only a choice carried out writes
// the user's file, which the caller then opens.

#include <chrono>
#include <cstdint>
#include <mutex>
#include <stop_token>
#include <string>
#include <thread>

#include "base/configuration.h"
#include "base/utf8.h"
#include "builder/build_step.h"
#include "builder/sample_database.h"
#include "census/person.h"

namespace tessla {

struct FirstRunPlaces {
    std::string userFile;         // the user's own configuration file
    std::string sampleDirectory;  // where the sample database is built
    std::string skinDirectory;    // the painted skin pictures the sample gets; empty: none
    std::uint64_t samplePersons = kSamplePersons;

    // The places for the running program: the user's file of `places`, the sample under
    // $XDG_DATA_HOME/tessla/, the skin beside the program.
    static FirstRunPlaces fromEnvironment(const ConfigurationPlaces& places);
};

// How a first-run choice ended.
struct FirstRunOutcome {
    enum class Result {
        Done,                    // the user's file names the database: open it
        Cancelled,               // nothing left, nothing written
        FolderTooLong,           // refused before anything was done
        NoDatabase,              // the chosen folder holds no database that opens
        BuildFailed,             // the sample could not be built; nothing left
        ConfigurationUnwritten,  // the user's file could not be written
    };
    Result result = Result::Done;
    std::string folder;  // the database folder concerned
    std::string detail;  // what went wrong, in the failing part's own words (English)
};

// The message for an outcome other than Done or Cancelled in `language`; empty for those two.
Utf8 firstRunMessage(const FirstRunOutcome& outcome, Language language);

// Names the database in `directory` in the user's file after checking that its folders fit and
// that it opens as a database; nothing is written when it is refused.
FirstRunOutcome useDatabaseFolder(const FirstRunPlaces& places, const std::string& directory);

// The sample database built and named in the user's file on a worker thread of its own, started
// at construction. A caller polls progress() until it is finished, may cancel() meanwhile, and
// then reads outcome(). A sample folder too long is refused at once, without a thread. Destroying
// a run that is not finished cancels it and waits for its thread.
class SampleRun {
  public:
    struct Progress {
        BuildStage stage = BuildStage::Generating;
        double done = 0;            // the part of the whole work done, 0 … 1
        double elapsedSeconds = 0;  // since the run started
        bool finished = false;
    };

    // `observe`, when given, is told of each step on the worker thread (before the step is shown
    // to progress()); a test stops a run at a step of its choice through it.
    explicit SampleRun(const FirstRunPlaces& places, BuildSteps observe = {});
    SampleRun(const SampleRun&) = delete;
    SampleRun& operator=(const SampleRun&) = delete;

    Progress progress() const;
    // Asks the build to stop; it ends as Cancelled unless it was already past its last step.
    void cancel() { worker_.request_stop(); }
    // How the run ended; only meaningful once progress() says finished.
    FirstRunOutcome outcome() const;

  private:
    FirstRunOutcome run(const FirstRunPlaces& places, const BuildSteps& observe, std::stop_token stop);
    void finish(FirstRunOutcome outcome);

    const std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
    mutable std::mutex mutex_;  // guards step_, finished_ and outcome_
    BuildStep step_;
    bool finished_ = false;
    FirstRunOutcome outcome_;
    std::jthread worker_;  // last: started once the rest is made, stopped and joined before it goes
};

}  // namespace tessla
