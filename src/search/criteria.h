#pragma once

// The criterion engine that the person search and the child search share: each filled criterion
// is matched against its word list and intersected into the result, the `vald` selection of the
// person list `tessllista`. Searches combine selections only.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "database/database.h"
#include "search/word_matcher.h"

namespace tessla {

class PersonListWindow;

// Which of a place criterion's lists it searches.
enum class PlaceKind : std::uint8_t { County, Parish, Province, Country };

// One field of a search window.
struct Criterion {
    // Windows-1252. A text that is blank after trimming leaves the criterion unused. In list mode
    // it is the summary of the picked rows that the field shows.
    std::string text;
    // List mode: the criterion is the rows picked in its list's `vald` selection, not the text.
    bool fromList = false;
    // Place criteria only. A residence has no country kind: with Country it is not used, as when
    // none of its kind buttons is down.
    PlaceKind kind = PlaceKind::Parish;
};

// How a criterion matches.
enum class Match : std::uint8_t {
    FirstNames,  // ";" between alternatives, each a set of blank-separated names that must all occur
    Words,       // ";" between alternatives
    Year,        // a year or a range "from-to" on a year list
};

struct CriterionRule {
    Match match;
    Comparison comparison;
    std::array<int, 4> lists;  // the word list `tessls<k>` by PlaceKind; 0: none
};

// The rule of a criterion with a single list.
constexpr CriterionRule singleList(Match match, Comparison comparison, int list) {
    return {match, comparison, {list, list, list, list}};
}

// The rule of a year criterion; years compare byte-wise, whatever the comparison says.
constexpr CriterionRule yearList(int list) {
    return singleList(Match::Year, Comparison::AccentOrder, list);
}

struct AppliedCriterion {
    const Criterion* criterion;
    CriterionRule rule;
};

// Runs a search: with no criterion filled, the result is emptied and nothing is returned.
// Otherwise the result starts with every person and each filled criterion, in order, intersects
// its hits into it; the count of the result is returned. Either way the person list's visible
// rows are rebuilt from the result and `window` (null: the caller keeps none) is emptied.
std::optional<std::int32_t> runSearch(Database& db, std::span<const AppliedCriterion> criteria,
                                      PersonListWindow* window);

// A search's criteria as a table: each field of the options struct with its rule.
template <typename Options>
struct CriterionField {
    Criterion Options::*field;
    CriterionRule rule;
};

template <typename Options, std::size_t N>
std::optional<std::int32_t> runSearch(Database& db, const Options& options,
                                      const std::array<CriterionField<Options>, N>& fields,
                                      PersonListWindow* window) {
    std::array<AppliedCriterion, N> applied;
    for (std::size_t i = 0; i < N; ++i) applied[i] = {&(options.*fields[i].field), fields[i].rule};
    return runSearch(db, applied, window);
}

}  // namespace tessla
