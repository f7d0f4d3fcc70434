#include "view/scroll_rows.h"

namespace tessla {

std::int32_t centredTopRow(std::int32_t top, std::int32_t visible, std::int32_t rows, std::int32_t row) {
    if (row >= top && row < top + visible) return top;
    std::int32_t centred = row - visible / 2;
    if (centred > rows - visible) centred = rows - visible;
    return std::max(0, centred);
}

std::int32_t scrollMaximum(std::int32_t rows, std::int32_t visible) {
    return rows > visible ? rows - visible + 1 : 0;
}

std::int32_t WheelRows::add(std::int32_t delta) {
    const std::int64_t total = std::int64_t{remainder_} + delta;
    const std::int64_t steps = total / deltaPerStep_;
    remainder_ = static_cast<std::int32_t>(total - steps * deltaPerStep_);
    return static_cast<std::int32_t>(steps * rowsPerStep_);
}

}  // namespace tessla
