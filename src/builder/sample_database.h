#pragma once

// The sample database a newcomer can have on the first run: a synthetic census generated into a
// CSV file beside the target, built into a database there, the CSV removed. Stopping it, or any
// failure, leaves nothing behind, not even the folders it made on the way to the target.

#include <cstdint>
#include <stop_token>
#include <string>

#include "builder/census_generator.h"
#include "builder/database_builder.h"

namespace tessla {

inline constexpr std::uint64_t kSamplePersons = 200'000;

struct SampleOptions {
    std::string directory;  // the database folder to make; an older database there is replaced
    std::uint64_t persons = kSamplePersons;
    std::uint64_t seed = kDefaultGeneratorSeed;
    std::string skinDir;  // the painted skin pictures; empty: none
    std::stop_token stop;
    BuildSteps steps;  // generating takes the first part of `done`, building the rest
};

// Generates and builds the sample; throws BuildCancelled when stopped, BuildError (or the
// generator's and builder's other exceptions) when it fails.
void buildSampleDatabase(const SampleOptions& options);

// The painted skin pictures for a program in `programDirectory` (ending with "/"): the installed
// ones in ../share/tessla/skin/, else those of the build tree beside it (../skin/); empty when
// neither has a manifest.
std::string skinDirectoryFor(const std::string& programDirectory);

}  // namespace tessla
