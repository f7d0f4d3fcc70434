#pragma once

// What each word list of the database holds, person by person: the row texts a person (or a
// child, through its family) contributes to lists 1 … 41, and the person's row in the master
// list. Values are Windows-1252 bytes, trimmed of bytes 0–32 at both ends (the household key
// excepted); empty values make no row.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "builder/census_input.h"

namespace tessla {

// Where the values go. Record numbers are 1-based rows of the census.
class ListValueSink {
  public:
    virtual ~ListValueSink() = default;
    // `record` belongs to the row `value` of list `list`.
    virtual void add(int list, std::string_view value, std::uint32_t record) = 0;
    // `record` belongs to the first-level row `value` of tree list `list` and, when `place` is
    // not empty, to its second-level row for `place`.
    virtual void addPlace(int list, std::string_view value, std::string_view place, std::uint32_t record) = 0;
};

// The list that holds the occupations (`YRKE`) before the common ones are chosen from them.
inline constexpr int kAllOccupations = 42;
// Common occupations are held by at least this many persons.
inline constexpr std::size_t kCommonOccupationMin = 10;

// The role letter: the last character of the trimmed, upper-cased `FAMSTKOD`, or '-' when empty.
char roleLetter(const CensusRow& person);

// The household key `HEMLEN;HEMFO;HUSHNR`, as stored.
std::string householdKey(const CensusRow& person);

// The person's row text in the master list: display name, 0xFF, year of birth, 0xFF, family
// group key, 0xFF, role letter.
std::string masterRowText(const CensusRow& person);

// Sends the values of every person of one household (its rows in census order, the first with
// record number `firstRecord`) to `sink`, children's lists included.
void addHouseholdValues(std::span<const CensusRow> household, std::uint32_t firstRecord, ListValueSink& sink);

}  // namespace tessla
