#pragma once

// The search list picker's rules without pixels: what the search windows ask it to show, the top
// and current row it keeps per word list between showings, the one-line summary of a list's
// picked rows, the cell texts and styles of its table, where quick find lands, and clearing a
// list's picks. The picked rows themselves live in each word list's `vald` selection.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "census/person.h"
#include "database/database.h"

namespace tessla {

// The word lists the picker can show: `tessls<k>`, k in 1 … kPickerLists.
inline constexpr int kPickerLists = 40;
// Rows the picker's table shows at a time.
inline constexpr std::int32_t kPickerVisibleRows = 18;

// What a search window asks the picker to show. Texts are UTF-8, Swedish first.
struct PickerRequest {
    int list = 0;  // `tessls<list>`; outside 1 … kPickerLists: an empty picker
    Bilingual<const char*> title{"", ""};
    Bilingual<const char*> extraHint{"", ""};  // a second line under the title; often empty
    bool tree = false;        // the tree of a list with a parent table (else one table row per list row)
    const char* helpId = "";  // the help topic of the picker's help button
};

// The top row and current row of the picker's table per list, kept between showings; 0 at start.
class PickerPositions {
  public:
    struct Rows {
        std::int32_t top = 0;
        std::int32_t current = 0;
        friend bool operator==(const Rows&, const Rows&) = default;
    };
    // The rows of `list`; {0, 0} for a list outside 1 … kPickerLists.
    Rows of(int list) const;
    void save(int list, Rows rows);

  private:
    std::array<Rows, kPickerLists + 1> rows_{};
};

// The word list numbered `list` (`listtabell`) when it is open and `list` is in 1 … kPickerLists;
// else null.
TSPstruktlista* pickerList(Database& db, int list);

// The text of a list row in the picker's first column: a place ("&B") loses everything up to two
// characters after its marker and is indented by four blanks; a first-level entry ("&A") loses
// everything up to one character after its marker; any other text shows whole. Windows-1252.
std::string pickerEntryText(std::string_view rowText);
// The second column: a tab (the grid right-aligns it) and the number of persons of the row, 1
// for a row that holds its single person directly (count 0).
std::string pickerCountText(std::int32_t personCount);
// The style word of a row (storage/cell_style.h): its second row word's style with indent level
// 1 added, marked when picked, and italic for a place (second level) of a tree.
std::uint32_t pickerCellStyle(std::uint32_t ord2, bool picked, bool treePlace);
// The count label: "Valda: n av m" / "Selected: n of m"; UTF-8.
std::string pickerCountLabel(Language language, std::int32_t picked, std::int32_t rows);

// The picker's table over one word list: flat (table row k is list row k + 1) or, for a list
// whose rows form a tree, its visible rows (the first level and the places of opened rows).
// Table rows count from 0. The rows are read only when asked for, one at a time.
class PickerTable {
  public:
    // `list` may be null (an empty table); it must outlive the table. `tree` is honoured only
    // for a list whose parent table was loaded; any other list is shown flat.
    PickerTable(TSPstruktlista* list, bool tree);

    bool available() const { return list_ != nullptr; }
    bool tree() const { return tree_; }
    // Rows of the table, and of the whole list.
    std::int32_t rows() const;
    std::int32_t listRows() const;
    std::int32_t pickedCount() const;

    // The list row of `tableRow`, -1 outside the table.
    std::int32_t listRow(std::int32_t tableRow) const;
    // The table row that shows list row `row`: in a tree a place of a closed row shows as that
    // row; -1 when none.
    std::int32_t tableRowOf(std::int32_t row) const;

    // The grid's providers (rows and columns from 1): the texts of both columns and the style.
    std::string cellText(std::int32_t row, int column);
    std::uint32_t cellStyle(std::int32_t row);

    bool picked(std::int32_t tableRow) const;
    void setPicked(std::int32_t tableRow, bool on);
    // In a tree: opens a closed first-level row or closes an open one, and recomputes the
    // visible rows. False (nothing changed) for a place, a flat table or a row outside it.
    bool toggleOpen(std::int32_t tableRow);
    // Quick find: the table row of the first entry that begins with `prefix`, or nothing.
    std::optional<std::int32_t> find(std::string_view prefix);

  private:
    // Makes list row `row` current, reading it only when another row is current.
    void read(std::int32_t row);

    TSPstruktlista* list_;
    bool tree_;
};

// Marking with the right button and the keyboard: a press toggles the row pressed and every row
// then reached (by dragging, or by Shift+Up/Down) gets the state the pressed row got.
class PickerMarking {
  public:
    void press(PickerTable& table, std::int32_t row);
    void reach(PickerTable& table, std::int32_t row);
    // Shift+Up/Down: row `to` gets the state of row `from`, the row left.
    static void extend(PickerTable& table, std::int32_t from, std::int32_t to);

  private:
    bool state_ = true;
};

// A key pressed on the picker's table, as far as marking asks: which key, whether Shift was held
// and whether any other modifier was (Ctrl, Alt, Meta, or the keypad's).
struct PickerKeyPress {
    enum class Key { space, up, down, other } key = Key::other;
    bool shift = false;
    bool otherModifiers = false;
};

// What a key does to the marks: Space alone toggles the current row as a right press does;
// Shift+Up and Shift+Down move the current row and give the row reached the state of the row left
// (`PickerMarking::extend`). Every other key is the table's own.
enum class PickerKeyMarking { none, toggle, extendUp, extendDown };
PickerKeyMarking pickerKeyMarking(PickerKeyPress press);

// Where quick find takes the table when it found table row `found`: the same top row when the
// row is already shown, else `found` − 9 kept within 0 … rows − 18; the row becomes current.
PickerPositions::Rows quickFindRows(PickerPositions::Rows now, std::int32_t found, std::int32_t rows);

// `sammanfatta`: the texts of the rows picked in `list`'s `vald`, in list order, each cut before
// its first "&" and joined by ";"; it stops after the row that takes it beyond 200 characters.
// Windows-1252.
std::string sammanfatta(TSPstruktlista& list);

// Clears list `list` of `db` for a new start: its picks emptied, its opened rows closed and its
// visible rows rebuilt (a list with a parent table), and its picker rows back to the first row.
// Nothing for a list outside 1 … kPickerLists or one that is not open.
void clearPicks(Database& db, PickerPositions& positions, int list);

}  // namespace tessla
