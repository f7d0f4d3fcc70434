#pragma once

// The row arithmetic of a scrolled list, whatever the list shows: the scroll bar's range over its
// rows, the top row that brings a row into view, and the rows a turn of the mouse wheel makes.
// Rows count from 0.

#include <algorithm>
#include <cstdint>

namespace tessla {

// The top row that shows `row` of a grid of `rows` rows with `visible` rows on screen and `top`
// at the top: unchanged when the row is on screen, else the row centred, kept within the list.
std::int32_t centredTopRow(std::int32_t top, std::int32_t visible, std::int32_t rows, std::int32_t row);

// The scroll bar maximum of a grid of `rows` rows of which `visible` fit: rows − visible + 1, or
// 0 when all fit and the bar is hidden.
std::int32_t scrollMaximum(std::int32_t rows, std::int32_t visible);

// Turns wheel deltas into rows: `rowsPerStep` rows for every `deltaPerStep` of delta (a notch of
// the wheel is 120), and what makes no whole step is kept for the next delta (touchpads send small
// deltas). The lists of the windows move one row per twelfth of a notch, ten per notch.
class WheelRows {
  public:
    explicit WheelRows(std::int32_t deltaPerStep = 12, std::int32_t rowsPerStep = 1)
        : deltaPerStep_(std::max(1, deltaPerStep)), rowsPerStep_(rowsPerStep) {}

    // The rows to move for `delta` (positive: towards the top, as the wheel turns away).
    std::int32_t add(std::int32_t delta);

  private:
    std::int32_t deltaPerStep_;
    std::int32_t rowsPerStep_;
    std::int32_t remainder_ = 0;
};

}  // namespace tessla
