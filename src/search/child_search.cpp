#include "search/child_search.h"

namespace tessla {

namespace {

using Field = CriterionField<ChildSearch>;
constexpr Comparison kAccent = Comparison::AccentOrder;
constexpr Comparison kFold = Comparison::Fold;

// In the order the search applies them; place lists by kind: county, parish, province, country.
constexpr std::array<Field, 15> kCriteria = {{
    {&ChildSearch::childFirstNames, singleList(Match::FirstNames, kFold, 6)},
    {&ChildSearch::fatherFirstNames, singleList(Match::FirstNames, kFold, 23)},
    {&ChildSearch::motherFirstNames, singleList(Match::FirstNames, kFold, 31)},
    {&ChildSearch::fatherLastName, singleList(Match::Words, kAccent, 22)},
    {&ChildSearch::motherLastName, singleList(Match::Words, kAccent, 30)},
    {&ChildSearch::childYear, yearList(7)},
    {&ChildSearch::fatherYear, yearList(24)},
    {&ChildSearch::motherYear, yearList(32)},
    {&ChildSearch::fatherOccupation, singleList(Match::Words, kAccent, 29)},
    {&ChildSearch::motherOccupation, singleList(Match::Words, kAccent, 37)},
    {&ChildSearch::childResidence, {Match::Words, kFold, {11, 12, 13, 0}}},
    {&ChildSearch::childBirthPlace, {Match::Words, kFold, {9, 8, 10, 21}}},
    {&ChildSearch::fatherBirthPlace, {Match::Words, kFold, {26, 25, 27, 28}}},
    {&ChildSearch::motherBirthPlace, {Match::Words, kFold, {34, 33, 35, 36}}},
    {&ChildSearch::siblingFirstNames, singleList(Match::FirstNames, kFold, 38)},
}};

}  // namespace

std::optional<std::int32_t> dobarnsokning(Database& db, const ChildSearch& search, PersonListWindow* window) {
    return runSearch(db, search, kCriteria, window);
}

}  // namespace tessla
