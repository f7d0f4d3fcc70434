#pragma once

// The child search: children found by their own data and by that of their father, mother and a
// sibling. The database holds a word list per parent's and sibling's field whose rows lead to the
// children concerned, so every criterion intersects children only.

#include <cstdint>
#include <optional>

#include "database/database.h"
#include "search/criteria.h"

namespace tessla {

// Comparisons as in the person search: last names and occupations in accent order, first names
// and places with accents folded. Place kinds: county, parish (default), province, country; the
// child's residence has no country (parish means parish and places).
struct ChildSearch {
    Criterion childFirstNames, childYear, childResidence, childBirthPlace;
    Criterion fatherFirstNames, fatherLastName, fatherYear, fatherOccupation, fatherBirthPlace;
    Criterion motherFirstNames, motherLastName, motherYear, motherOccupation, motherBirthPlace;
    Criterion siblingFirstNames;
};

// `dobarnsokning`: as `dosokning` with the child search's fifteen criteria.
std::optional<std::int32_t> dobarnsokning(Database& db, const ChildSearch& search, PersonListWindow* window);

}  // namespace tessla
