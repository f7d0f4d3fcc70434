#pragma once

// What a person is told of a database build in progress: the stage, named in few words, and the
// time left as estimated from the part done so far.

#include <optional>
#include <string_view>

namespace tessla {

enum class BuildStage { Generating, Reading, Sorting, Writing, Finishing };

// The stage of a build step by its text ("generating the census", "sorting 200000 persons",
// "writing tessls12", "writing the help texts", ...).
BuildStage buildStageOf(std::string_view what);

// The seconds left when `done` (0 … 1) of the work took `elapsedSeconds`; none before a second
// has passed and a hundredth is done, when the rate says too little.
std::optional<long long> secondsLeft(double done, double elapsedSeconds);

}  // namespace tessla
