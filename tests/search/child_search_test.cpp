#include "search/child_search.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "search_census.h"

namespace tessla {
namespace {

using test::resultNames;
using test::searchCensus;
using Case = test::SearchCase<ChildSearch>;
using enum PlaceKind;

// The children of the three families.
const std::vector<std::string> kAlundaChildren = {"Andersson, Anna", "Andersson, Erik", "Andersson, Stina"};
const std::vector<std::string> kOvanakerChildren = {"Éklund, Olof", "Éklund, Maria"};
const std::vector<std::string> kEdaChildren = {"Eklund, Per"};

std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(ChildSearch, ThroughFatherMotherAndSiblingLists) {
    test::expectSearches<ChildSearch>(
        {
            {&ChildSearch::fatherOccupation, "Bonde", kAlundaChildren},
            {&ChildSearch::fatherOccupation, "Soldat", kOvanakerChildren},
            {&ChildSearch::fatherFirstNames, "Per Olof", kAlundaChildren},
            {&ChildSearch::fatherFirstNames, "Per;Olof", kAlundaChildren + kOvanakerChildren + kEdaChildren},
            {&ChildSearch::fatherLastName, "ek", kEdaChildren},
            {&ChildSearch::fatherYear, "1848-1850", kAlundaChildren + kOvanakerChildren},
            {&ChildSearch::fatherBirthPlace, "éda", kOvanakerChildren},
            // The list's own search keeps accents: without an Eda among the fathers' parishes a
            // folded beginning finds no first row.
            {&ChildSearch::fatherBirthPlace, "eda", {}},
            {&ChildSearch::fatherBirthPlace, "*ny (ÖSTERGÖTLANDS LÄN)", kEdaChildren},
            {&ChildSearch::motherFirstNames, "Anna Maria", kAlundaChildren},
            {&ChildSearch::motherLastName, "Ek", kOvanakerChildren},
            {&ChildSearch::motherLastName, "*sén", kEdaChildren},
            {&ChildSearch::motherYear, "1862", kEdaChildren},
            {&ChildSearch::motherBirthPlace, "norge", kOvanakerChildren, Country},
            {&ChildSearch::motherBirthPlace, "värmland", kAlundaChildren + kEdaChildren, Province},
            {&ChildSearch::motherOccupation, "Piga", {}},
            {&ChildSearch::siblingFirstNames, "Stina", {"Andersson, Anna", "Andersson, Erik"}},
            {&ChildSearch::siblingFirstNames,
             "Maria;Anna",
             {"Éklund, Olof", "Andersson, Erik", "Andersson, Stina"}},
        },
        dobarnsokning);
}

TEST(ChildSearch, ByTheChildsOwnData) {
    test::expectSearches<ChildSearch>(
        {
            {&ChildSearch::childFirstNames, "Maria", {"Éklund, Maria"}},
            {&ChildSearch::childFirstNames, "Maria; ", {"Éklund, Maria"}},
            {&ChildSearch::childYear,
             "1882-1890",
             {"Andersson, Erik", "Éklund, Maria", "Andersson, Stina", "Eklund, Per"}},
            {&ChildSearch::childResidence, "ovanåker", kOvanakerChildren},
            {&ChildSearch::childResidence, "*koppom", kEdaChildren},
            {&ChildSearch::childResidence, "värmlands län", kEdaChildren, County},
            {&ChildSearch::childBirthPlace, "eda", kEdaChildren},
            {&ChildSearch::childBirthPlace, "Hälsingland", kOvanakerChildren, Province},
            {&ChildSearch::childBirthPlace, "Sverige", kAlundaChildren + kOvanakerChildren + kEdaChildren,
             Country},
        },
        dobarnsokning);
}

TEST(ChildSearch, SiblingAndYearNarrowToOneChild) {
    Database& db = searchCensus().db();
    ChildSearch search;
    search.siblingFirstNames.text = "Stina";
    search.childYear.text = "1880";
    EXPECT_EQ(dobarnsokning(db, search, nullptr), 1);
    EXPECT_THAT(resultNames(db), ::testing::ElementsAre("Andersson, Anna"));
}

TEST(ChildSearch, WithoutCriteriaTheResultIsEmpty) {
    Database& db = searchCensus().db();
    searchCensus().showAllPersons();
    EXPECT_EQ(dobarnsokning(db, ChildSearch{}, nullptr), std::nullopt);
    EXPECT_EQ(db.tessllista().visibleCount(), 0);
}

}  // namespace
}  // namespace tessla
