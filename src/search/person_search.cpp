#include "search/person_search.h"

namespace tessla {

namespace {

using Field = CriterionField<PersonSearch>;
constexpr Comparison kAccent = Comparison::AccentOrder;
constexpr Comparison kFold = Comparison::Fold;

// In the order the search applies them; place lists by kind: county, parish, province, country.
constexpr std::array<Field, 6> kCriteria = {{
    {&PersonSearch::firstNames, singleList(Match::FirstNames, kFold, 2)},
    {&PersonSearch::lastName, singleList(Match::Words, kAccent, 1)},
    {&PersonSearch::year, yearList(4)},
    {&PersonSearch::occupation, singleList(Match::Words, kAccent, 3)},
    {&PersonSearch::residence, {Match::Words, kFold, {14, 15, 16, 0}}},
    {&PersonSearch::birthPlace, {Match::Words, kFold, {17, 18, 19, 20}}},
}};

}  // namespace

std::optional<std::int32_t> dosokning(Database& db, const PersonSearch& search, PersonListWindow* window) {
    return runSearch(db, search, kCriteria, window);
}

}  // namespace tessla
