#pragma once

// What a person is told of a database build in progress: the stage, named in few words, and the
// time left as estimated from the part done so far.

#include <optional>
#include <string>

#include "builder/build_step.h"
#include "census/person.h"

namespace tessla {

// The seconds left when `done` (0 … 1) of the work took `elapsedSeconds`; none before a second
// has passed and a hundredth is done, when the rate says too little.
std::optional<long long> secondsLeft(double done, double elapsedSeconds);

// The stage in `language`, UTF-8 ("Sorterar personerna …").
const char* buildStageText(BuildStage stage, Language language);

// The two lines of a build's progress in `language`, UTF-8: the stage, then the time left (or that
// it is being worked out).
std::string buildProgressText(BuildStage stage, double done, double elapsedSeconds, Language language);

}  // namespace tessla
