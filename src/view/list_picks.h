#pragma once

// The search list picker's rules without pixels: what the search windows ask it to show, the top
// and current row it keeps per word list between showings, the one-line summary of a list's
// picked rows, the cell texts and styles of its table, where quick find lands, and clearing a
// list's picks. The picked rows themselves live in each word list's `vald` selection.

#include <array>
#include <cstdint>
#include <string>

#include "database/database.h"

namespace tessla {

// The word lists the picker can show: `tessls<k>`, k in 1 … kPickerLists.
inline constexpr int kPickerLists = 40;
// Rows the picker's table shows at a time.
inline constexpr std::int32_t kPickerVisibleRows = 18;

// What a search window asks the picker to show. Texts are UTF-8, Swedish first.
struct PickerRequest {
    int list = 0;  // `tessls<list>`; outside 1 … kPickerLists: an empty picker
    std::array<const char*, 2> title{"", ""};
    std::array<const char*, 2> extraHint{"", ""};  // a second line under the title; often empty
    bool tree = false;  // the tree of a list with a parent table (else one table row per list row)
    const char* helpId = "";  // the help topic of the picker's help button
};

// The top row and current row of the picker's table per list, kept between showings; 0 at start.
class PickerPositions {
  public:
    struct Rows {
        std::int32_t top = 0;
        std::int32_t current = 0;
    };
    // The rows of `list`; {0, 0} for a list outside 1 … kPickerLists.
    Rows of(int list) const;
    void save(int list, Rows rows);

  private:
    std::array<Rows, kPickerLists + 1> rows_{};
};

// `sammanfatta`: the texts of the rows picked in `list`'s `vald`, in list order, each cut before
// its first "&" and joined by ";"; it stops after the row that takes it beyond 200 characters.
// Windows-1252.
std::string sammanfatta(TSPstruktlista& list);

// Clears list `list` of `db` for a new start: its picks emptied, its opened rows closed and its
// visible rows rebuilt (a list with a parent table), and its picker rows back to the first row.
// Nothing for a list outside 1 … kPickerLists or one that is not open.
void clearPicks(Database& db, PickerPositions& positions, int list);

}  // namespace tessla
