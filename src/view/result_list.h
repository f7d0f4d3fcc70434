#pragma once

// The result list of the main window: the persons chosen in the person list `tessllista` (its
// `vald` selection), viewed in list order, with the rules the window follows when it shows, scrolls
// and changes the list. Rows here are 0-based positions in the list; entries are person numbers
// (rows of `tessllista`).

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

// The row whose entry stays selected when row `row` of `rows` is deselected: the next row, or at
// the end the previous one while at least two remain; -1 when the list becomes empty or holds a
// single row (which is then the first).
std::int32_t rowKeptAfterDeselect(std::int32_t row, std::int32_t rows);

}  // namespace tessla
