#include "view/result_list.h"

#include <algorithm>

namespace tessla {

void ResultList::refresh() {
    master_.byggvy();
    window_.clear();
}

std::int32_t ResultList::entryAt(std::int32_t row) const {
    return master_.outline().visibleRow(row + 1).value_or(-1);
}

std::int32_t ResultList::rowOf(std::int32_t entry) const {
    const std::int32_t position = master_.synligplats(entry);
    return position < 1 ? -1 : position - 1;
}

void ResultList::remove(std::int32_t entry) {
    master_.vald().satt(entry, false);
}

void ResultList::clear() {
    master_.vald().tomma();
}

std::int32_t centredTopRow(std::int32_t top, std::int32_t visible, std::int32_t rows, std::int32_t row) {
    if (row >= top && row < top + visible) return top;
    std::int32_t centred = row - visible / 2;
    if (centred > rows - visible) centred = rows - visible;
    return std::max(0, centred);
}

std::int32_t rowKeptAfterDeselect(std::int32_t row, std::int32_t rows) {
    if (row < rows - 1) return row + 1;
    return rows >= 3 ? row - 1 : -1;
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
