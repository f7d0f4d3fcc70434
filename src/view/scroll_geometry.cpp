#include "view/scroll_geometry.h"

#include <algorithm>

#include "view/rounding.h"

namespace tessla {

ScrollGeometry::ScrollGeometry(int length, std::int32_t min, std::int32_t max)
    : length_(length), min_(min), max_(max) {}

int ScrollGeometry::trackLength() const {
    return std::max(1, length_ - 2 * kArrowLength);
}

double ScrollGeometry::pixelsPerStep() const {
    if (min_ == max_) return 1.0;
    return static_cast<double>(trackLength()) / (static_cast<double>(max_) - static_cast<double>(min_));
}

int ScrollGeometry::thumbCoordinate(std::int32_t position) const {
    const double offset = (static_cast<double>(position) - static_cast<double>(min_)) * pixelsPerStep();
    return static_cast<int>(roundHalfEven(offset)) + kArrowLength;
}

std::int32_t ScrollGeometry::positionAt(int coordinate) const {
    if (coordinate >= trackEnd()) return max_;
    const int offset = std::max(0, coordinate - kArrowLength);
    const long long steps = roundHalfEven(offset / pixelsPerStep());
    return static_cast<std::int32_t>(std::clamp<long long>(static_cast<long long>(min_) + steps, min_, max_));
}

}  // namespace tessla
