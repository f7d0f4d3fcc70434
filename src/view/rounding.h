#pragma once

// Rounding to the nearest integer with halves going to the even neighbour, as the controls'
// pixel arithmetic does it (2.5 gives 2, 3.5 gives 4). Independent of the floating-point
// environment's rounding mode.

#include <cmath>

namespace tessla {

inline long long roundHalfEven(double value) {
    const double below = std::floor(value);
    const double fraction = value - below;
    const auto lower = static_cast<long long>(below);
    if (fraction < 0.5) return lower;
    if (fraction > 0.5) return lower + 1;
    return lower % 2 == 0 ? lower : lower + 1;
}

}  // namespace tessla
