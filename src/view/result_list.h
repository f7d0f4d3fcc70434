#pragma once

// The result list of the main window: the persons chosen in the person list `tessllista` (its
// `vald` selection), viewed in list order, with the rules the window follows when it shows, scrolls
// and changes the list. Rows here are 0-based positions in the list; entries are person numbers
// (rows of `tessllista`).

#include <algorithm>
#include <cstdint>

#include "census/person_list_rows.h"
#include "storage/word_list.h"

namespace tessla {

class ResultList {
  public:
    // The list must outlive the result list.
    explicit ResultList(TSPstruktlista& master) : master_(master), window_(master) {}

    // Rebuilds the visible rows from the selection and empties the row window; after every change
    // of the selection.
    void refresh();
    // The number of persons shown.
    std::int32_t size() const { return master_.visibleCount(); }
    // The entry of `row`, or -1 outside the list.
    std::int32_t entryAt(std::int32_t row) const;
    // The row of `entry`, or -1 when it is not shown.
    std::int32_t rowOf(std::int32_t entry) const;
    // Takes `entry` out of the selection (the shown rows change at the next `refresh`).
    void remove(std::int32_t entry);
    // Empties the selection (the shown rows change at the next `refresh`).
    void clear();

    // The rows' cells and record numbers, 1-based as the grid's providers ask for them.
    PersonListWindow& window() { return window_; }

  private:
    TSPstruktlista& master_;
    PersonListWindow window_;
};

// The top row that shows `row` of a grid of `rows` rows with `visible` rows on screen and `top`
// at the top: unchanged when the row is on screen, else the row centred, kept within the list.
std::int32_t centredTopRow(std::int32_t top, std::int32_t visible, std::int32_t rows, std::int32_t row);

// The row whose entry stays selected when row `row` of `rows` is deselected: the next row, or at
// the end the previous one while at least two remain; -1 when the list becomes empty or holds a
// single row (which is then the first).
std::int32_t rowKeptAfterDeselect(std::int32_t row, std::int32_t rows);

// The scroll bar maximum of a grid of `rows` rows of which `visible` fit: rows − visible + 1, or
// 0 when all fit and the bar is hidden.
std::int32_t scrollMaximum(std::int32_t rows, std::int32_t visible);

// Turns wheel deltas into rows: `rowsPerStep` rows for every `deltaPerStep` of delta (a notch of
// the wheel is 120), and what makes no whole step is kept for the next delta (touchpads send small
// deltas). The result list moves one row per twelfth of a notch, ten per notch.
class WheelRows {
  public:
    explicit WheelRows(std::int32_t deltaPerStep = 12, std::int32_t rowsPerStep = 1)
        : deltaPerStep_(std::max(1, deltaPerStep)), rowsPerStep_(rowsPerStep) {}

    // The rows to move for `delta` (positive: towards the top, as the wheel turns away).
    std::int32_t add(std::int32_t delta);
    void reset() { remainder_ = 0; }

  private:
    std::int32_t deltaPerStep_;
    std::int32_t rowsPerStep_;
    std::int32_t remainder_ = 0;
};

}  // namespace tessla
