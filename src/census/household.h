#pragma once

// The household of a person: its members read from the household index `tessls5` and the person
// list, grouped into families and ordered family by family (members with an unknown role,
// father, mother, children, persons alone; each by year of birth, then name), with a separator
// entry closing every family but the last.
//
// An entry is the family group key, 0xFF, the role digit, 0xFF, the year of birth, 0xFF, the
// name, "þ" (0xFE) and the record number; a separator is the group key it closes, 0xFF, "4",
// 0xFF, "zzzz", 0xFF, "----------", "þ", "0". Rows are counted from 1.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "census/person.h"
#include "database/database.h"

namespace tessla {

class HouseholdList {
  public:
    // Rebuilds the list from the index entry that the household key begins (see `householdKey`),
    // using the database's `sokur2` for the members; no such entry leaves the list empty. Member
    // rows the person list cannot read are left out. `between`, when given, runs before each
    // member is read, so that a user interface stays responsive.
    void buildHousehold(Database& db, std::string_view key, const std::function<void()>& between = {});
    // Empties the list and forgets the current row.
    void clearHousehold();

    std::int32_t size() const { return static_cast<std::int32_t>(entries_.size()); }
    // The entry text of `row`; empty outside 1 … size.
    const std::string& entry(std::int32_t row) const;
    bool isSeparator(std::int32_t row) const;

    // Column 1 name, 2 year of birth, 3 role word; a separator shows "----------", " ", " ".
    // Empty outside the list and for other columns.
    std::string householdCell(std::int32_t row, int column, Language language) const;
    // The style word of `row` (storage/cell_style.h): the current row's text in colour 3, every
    // other row plain.
    std::uint32_t householdCellStyle(std::int32_t row) const;
    // The first member row of record `record` (compared as whole numbers), or -1.
    std::int32_t findHouseholdRow(std::int32_t record) const;
    // The record number of `row`; 0 for a separator, a row outside the list or a number that
    // cannot be read.
    std::int32_t householdRecordNumber(std::int32_t row) const;

    // The row of the selected person, or -1.
    std::int32_t currentRow() const { return currentRow_; }
    void setCurrentRow(std::int32_t row) { currentRow_ = row; }

  private:
    struct Entry {
        std::string text;
        bool separator = false;
    };

    void sortEntries();
    void addSeparators();

    std::vector<Entry> entries_;
    std::int32_t currentRow_ = -1;
};

// The role word of a household role digit: 1 father, 2 mother, 3 child, 4 alone ("Ensam", empty
// in English); empty for any other digit.
std::string householdRoleWord(char digit, Language language);

// The caption above the household: "Hushåll för " / "Household: " + the name of the person-list
// row text, then ", f. " / ", b. " + its year of birth when that is not empty.
std::string householdCaption(std::string_view personListRow, Language language);

// The longest line of a clipboard copy (the household here, the result list's rows in the view);
// a longer line is cut.
inline constexpr std::size_t kCopyLineLength = 255;

// The household as copied to the clipboard and printed by the command-line tool: one line per
// entry, "name TAB year TAB role word" for a member and "----------" for a separator, each cut
// to 255 characters and given without line end.
std::vector<std::string> householdCopyLines(const HouseholdList& household, Language language);
// The copy lines, each ended by carriage return and line feed.
std::string householdCopyText(const HouseholdList& household, Language language);

}  // namespace tessla
