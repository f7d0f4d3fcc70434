#pragma once

// The rows of the person list `tessllista` as the result list shows them. A row's text is
// display name, 0xFF, year of birth, 0xFF, family group key, 0xFF, role letter; its first row
// word is the person's record number in `tessl`.

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>

#include "storage/word_list.h"

namespace tessla {

// The 0xFF clean-up of a person-list row text: every 0xFF but the last three becomes "y", so a
// name holding that byte still splits into its four parts.
std::string cleanRowSeparators(std::string_view text);

// Part `index` of a cleaned row text: 0 the name, 1 the year of birth, 2 the family group key,
// 3 the role letter and whatever follows it; empty when the text has fewer separators.
std::string_view personListRowPart(std::string_view text, int index);

// A row of the person list as read: its cleaned text, whole, and its record number.
struct PersonListRow {
    std::string text;
    std::int32_t record = -1;
};
// Visible row `row` (1-based) of the list in its present filtering. A row that cannot be read
// gives an empty text and record -1, never the text of whatever row the list read last.
PersonListRow readPersonListRow(TSPstruktlista& list, std::int32_t row);

// A window of the last consecutive visible rows read from the person list (at least 50, and at
// least as many as a grid shows at once), so that a result list scrolled row by row, or painted
// again, reads each packed row once. Rows are the 1-based visible positions of
// the list in its present filtering; whoever changes that filtering (a search, opening the
// database) must call `clear`.
class PersonListWindow {
  public:
    static constexpr std::size_t kCapacity = 50;
    static constexpr std::size_t kMaxRowLength = 119;

    // The list must outlive the window.
    explicit PersonListWindow(TSPstruktlista& list) : list_(list) {}

    // Column 1: the name, or "(Ingen namnuppgift)" when it is empty (in both languages);
    // column 2: the year of birth, at most 11 characters; any other column: the empty text. A
    // row that cannot be read counts as an empty row text, never as the text of another row.
    std::string personListCell(std::int32_t row, int column);
    // The record number of the row, or -1 when it cannot be read.
    std::int32_t recordNumber(std::int32_t row);
    // The row's cleaned text, cut to 119 characters; empty when it cannot be read.
    const std::string& rowText(std::int32_t row);

    // Keeps at least `rows` rows (and never fewer than kCapacity), so that a grid showing that
    // many rows finds all of them here when it paints again.
    void setCapacity(std::size_t rows);
    std::size_t capacity() const { return capacity_; }

    void clear();
    std::size_t size() const { return rows_.size(); }
    // The position of the window's first row; meaningless when it is empty.
    std::int32_t firstRow() const { return first_; }

  private:
    const PersonListRow& fetch(std::int32_t row);
    PersonListRow readRow(std::int32_t row);

    TSPstruktlista& list_;
    std::deque<PersonListRow> rows_;
    std::int32_t first_ = 0;
    std::size_t capacity_ = kCapacity;
};

}  // namespace tessla
