#pragma once

// What a person is told of a database build in progress: the stage, named in few words, and the
// time left as estimated from the part done so far.

#include <optional>

#include "base/utf8.h"
#include "builder/build_step.h"
#include "census/person.h"

namespace tessla {

// The seconds left when `done` (0 … 1) of the work took `elapsedSeconds`; none before a second
// has passed and a hundredth is done, when the rate says too little.
std::optional<long long> secondsLeft(double done, double elapsedSeconds);

// The two lines of a build's progress in `language`: the stage in few words ("Sorterar personerna
// …"), then the time left (or that it is being worked out).
Utf8 buildProgressText(BuildStage stage, double done, double elapsedSeconds, Language language);

}  // namespace tessla
