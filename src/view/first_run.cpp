#include "view/first_run.h"

#include <cstdlib>
#include <exception>
#include <optional>
#include <utility>

#include "base/language.h"
#include "builder/build_error.h"
#include "database/database.h"
#include "database/database_check.h"

namespace tessla {
namespace {

FirstRunOutcome refusedAsTooLong(const std::string& directory) {
    return {FirstRunOutcome::Result::FolderTooLong, directory, {}};
}

// Names `directory` in the user's file.
FirstRunOutcome writeUserFile(const FirstRunPlaces& places, const std::string& directory) {
    std::string error = writeUserConfiguration(places.userFile, directory);
    if (error.empty()) return {FirstRunOutcome::Result::Done, directory, {}};
    return {FirstRunOutcome::Result::ConfigurationUnwritten, directory, std::move(error)};
}

}  // namespace

FirstRunPlaces FirstRunPlaces::fromEnvironment(const ConfigurationPlaces& places) {
    FirstRunPlaces first;
    first.userFile = userConfigurationPath(places);
    first.sampleDirectory = sampleDatabaseDirectory(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
    first.skinDirectory = skinDirectoryFor(places.programDirectory);
    return first;
}

Utf8 firstRunMessage(const FirstRunOutcome& outcome, Language language) {
    const std::string& folder = outcome.folder;
    const std::string& detail = outcome.detail;
    switch (outcome.result) {
        case FirstRunOutcome::Result::Done:
        case FirstRunOutcome::Result::Cancelled:
            break;
        case FirstRunOutcome::Result::FolderTooLong: {
            const std::string most = std::to_string(kComponentDirectoryMax);
            return Utf8(
                inLanguage(language,
                           "Mappens sökväg är för lång: sökvägarna till databasens mappar cd/ och hd/ får ha "
                           "högst " +
                               most + " tecken.\n\n" + folder,
                           "The folder's path is too long: the paths of the database's folders cd/ and hd/ "
                           "may have at most " +
                               most + " characters.\n\n" + folder));
        }
        case FirstRunOutcome::Result::NoDatabase:
            return Utf8(inLanguage(
                language, "Mappen " + folder + " innehåller ingen databas som Tessla kan öppna.\n\n" + detail,
                "The folder " + folder + " holds no database that Tessla can open.\n\n" + detail));
        case FirstRunOutcome::Result::BuildFailed:
            return Utf8(inLanguage(language, "Exempeldatabasen kunde inte byggas.\n\n" + detail,
                                   "The sample database could not be built.\n\n" + detail));
        case FirstRunOutcome::Result::ConfigurationUnwritten:
            return Utf8(inLanguage(language, "Inställningsfilen kan inte skrivas.\n\n" + detail,
                                   "The configuration file cannot be written.\n\n" + detail));
    }
    return {};
}

FirstRunOutcome useDatabaseFolder(const FirstRunPlaces& places, const std::string& directory) {
    if (!databaseDirectoryFits(directory)) return refusedAsTooLong(directory);
    Configuration config;
    config.cdbasen = cdDirectoryOf(directory);
    config.hdbasen = hdDirectoryOf(directory);
    // Checked before anything is written: the files must all be there and open as a database.
    Database probe(nullptr);
    const std::optional<DatabaseProblem> problem = openCheckedDatabase(probe, config);
    probe.close();
    if (problem) return {FirstRunOutcome::Result::NoDatabase, directory, describeDatabaseProblem(*problem)};
    return writeUserFile(places, directory);
}

SampleRun::SampleRun(const FirstRunPlaces& places, BuildSteps observe) {
    if (!databaseDirectoryFits(places.sampleDirectory)) {
        finish(refusedAsTooLong(places.sampleDirectory));
        return;
    }
    worker_ = std::jthread([this, places, observe = std::move(observe)](std::stop_token stop) {
        finish(run(places, observe, std::move(stop)));
    });
}

FirstRunOutcome SampleRun::run(const FirstRunPlaces& places, const BuildSteps& observe,
                               std::stop_token stop) {
    SampleOptions options;
    options.directory = places.sampleDirectory;
    options.persons = places.samplePersons;
    options.skinDir = places.skinDirectory;
    options.stop = std::move(stop);
    options.steps = [this, &observe](const BuildStep& step) {
        if (observe) observe(step);
        const std::lock_guard lock(mutex_);
        step_ = step;
    };
    try {
        buildSampleDatabase(options);
    } catch (const BuildCancelled&) {
        return {FirstRunOutcome::Result::Cancelled, places.sampleDirectory, {}};
    } catch (const std::exception& failure) {
        return {FirstRunOutcome::Result::BuildFailed, places.sampleDirectory, failure.what()};
    }
    return writeUserFile(places, places.sampleDirectory);
}

void SampleRun::finish(FirstRunOutcome outcome) {
    const std::lock_guard lock(mutex_);
    outcome_ = std::move(outcome);
    finished_ = true;
}

SampleRun::Progress SampleRun::progress() const {
    const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    const std::lock_guard lock(mutex_);
    return {step_.stage, step_.done, elapsed, finished_};
}

FirstRunOutcome SampleRun::outcome() const {
    const std::lock_guard lock(mutex_);
    return outcome_;
}

}  // namespace tessla
