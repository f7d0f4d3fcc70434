#pragma once

// The person search: up to six criteria, each typed as a pattern (see `sokord`) or taken from
// the rows picked in its word list, intersected into the result.

#include <cstdint>
#include <optional>

#include "database/database.h"
#include "search/criteria.h"

namespace tessla {

struct PersonSearch {
    Criterion lastName;    // accent order
    Criterion firstNames;  // "Anna Maria;Stina": Anna and Maria, or Stina; accents folded
    Criterion occupation;  // occupation or title; accent order
    Criterion year;        // "1880" or "1880-1885"; never from a list
    Criterion birthPlace;  // by kind: county, parish (default), province, country; accents folded
    Criterion residence;   // by kind: county, parish and places (default), province; accents folded
};

// `dosokning`: puts the persons who meet every filled criterion into the person list's `vald`
// selection, rebuilds its visible rows and empties `window` (null: none). Returns the number of
// persons found, or nothing when no criterion is filled (the result is then empty).
std::optional<std::int32_t> dosokning(Database& db, const PersonSearch& search, PersonListWindow* window);

}  // namespace tessla
