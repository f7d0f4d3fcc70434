#include "view/build_progress.h"

#include <cmath>

namespace tessla {

BuildStage buildStageOf(std::string_view what) {
    if (what.starts_with("generating")) return BuildStage::Generating;
    if (what.starts_with("reading")) return BuildStage::Reading;
    if (what.starts_with("sorting")) return BuildStage::Sorting;
    // The master list and the word lists; the help texts and pictures are the last touches.
    if (what.starts_with("writing") && !what.starts_with("writing the help") &&
        !what.starts_with("writing the pictures")) {
        return BuildStage::Writing;
    }
    return BuildStage::Finishing;
}

std::optional<long long> secondsLeft(double done, double elapsedSeconds) {
    if (!(done >= 0.01) || elapsedSeconds < 1.0) return std::nullopt;
    if (done >= 1.0) return 0;
    return std::llround(elapsedSeconds * (1.0 - done) / done);
}

}  // namespace tessla
