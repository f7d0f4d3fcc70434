#include "search/person_search.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "census/person_list_rows.h"
#include "search_census.h"

namespace tessla {
namespace {

using test::resultNames;
using test::searchCensus;
using test::w;
using Case = test::SearchCase<PersonSearch>;
using enum PlaceKind;

const std::vector<std::string> kAnderssons = {"Andersson, Anna", "Andersson, Erik", "Andersson, Per Olof",
                                              "Andersson, Stina"};
const std::vector<std::string> kEklunds = {"Eklund, Olof", "Eklund, Per"};
const std::vector<std::string> kAccentEklunds = {"Éklund, Maria", "Éklund, Olof", "Éklund, Per"};
// Born in Eda and in Éda.
const std::vector<std::string> kBornInEda = {"Persson, Anna Maria", "Andersén, Stina", "Eklund, Per"};
const std::vector<std::string> kBornInEdas = {"Persson, Anna Maria", "Andersén, Stina", "Eklund, Per",
                                              "Éklund, Per"};
const std::vector<std::string> kEveryone = {
    "Anderberg, Karin",    "Andersén, Stina",     "Andersson, Anna", "Andersson, Erik",
    "Andersson, Per Olof", "Andersson, Stina",    "Ek, Maria",       "Eklund, Olof",
    "Eklund, Per",         "Éklund, Maria",       "Éklund, Olof",    "Éklund, Per",
    "Ost, Nils",           "Persson, Anna Maria", "Persson, Johan",  "Öst, Anna"};

std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

void expectPersonSearches(const std::vector<Case>& cases) {
    test::expectSearches(cases, dosokning);
}

// Last names compare in accent order: É and Ö are not E and O.
TEST(PersonSearch, LastNamePatternsKeepAccents) {
    const auto last = &PersonSearch::lastName;
    expectPersonSearches({
        {last, "Andersson", kAnderssons},
        {last, "anders", kAnderssons + std::vector<std::string>{"Andersén, Stina"}},
        {last, "Ek", {"Ek, Maria", "Eklund, Olof", "Eklund, Per"}},
        {last, "ék", kAccentEklunds},
        {last, "\"ek\"", {"Ek, Maria"}},
        {last, "\"Anders\"", {}},
        {last, "\"Ek", {}},
        {last, "*son", kAnderssons + std::vector<std::string>{"Persson, Anna Maria", "Persson, Johan"}},
        {last, "*sen", {}},
        {last, "*sén", {"Andersén, Stina"}},
        {last, "*ers*",
         kAnderssons + std::vector<std::string>{"Andersén, Stina", "Persson, Anna Maria", "Persson, Johan"}},
        {last, "And*son", kAnderssons},
        {last, "É*d", kAccentEklunds},
        {last, "Öst*", {"Öst, Anna"}},
        {last, "Persson;Ek",
         kEklunds + std::vector<std::string>{"Ek, Maria", "Persson, Anna Maria", "Persson, Johan"}},
    });
}

// A containing search always folds accents, but Ö is a letter of its own, not an accented O.
TEST(PersonSearch, ContainingFoldsAccentsButNotTheSwedishLetters) {
    const auto last = &PersonSearch::lastName;
    const auto born = &PersonSearch::birthPlace;
    expectPersonSearches({
        {last, "*klu*", kEklunds + kAccentEklunds},
        {last, "*ost*", {"Ost, Nils"}},
        {born, "*éda*", kBornInEdas},
        {born, "*ostra*", {}},
        {born, "*östra*", {"Eklund, Olof"}},
        {born, "*oster*", {}, County},
        {born, "*öster*", {"Eklund, Olof", "Anderberg, Karin"}, County},
    });
}

// An alternative that is blank after trimming adds nothing instead of matching every row.
TEST(PersonSearch, BlankAlternativesAddNothing) {
    expectPersonSearches({
        {&PersonSearch::lastName, "Persson; ", {"Persson, Anna Maria", "Persson, Johan"}},
        {&PersonSearch::lastName, " ;  Öst ;;", {"Öst, Anna"}},
        {&PersonSearch::firstNames, "Anna; ", {"Andersson, Anna", "Persson, Anna Maria", "Öst, Anna"}},
        {&PersonSearch::firstNames, "Stina;\t;", {"Andersson, Stina", "Andersén, Stina"}},
    });
}

// Blanks separate names that must all occur, ";" alternatives; accents and case folded.
TEST(PersonSearch, FirstNames) {
    const auto first = &PersonSearch::firstNames;
    expectPersonSearches({
        {first, "Anna Maria", {"Persson, Anna Maria"}},
        {first, " maria   ANNA ", {"Persson, Anna Maria"}},
        {first, "Anna Karin", {}},
        {first,
         "Anna;Maria",
         {"Persson, Anna Maria", "Andersson, Anna", "Öst, Anna", "Ek, Maria", "Éklund, Maria"}},
        {first, "Anna Maria;Stina", {"Persson, Anna Maria", "Andersson, Stina", "Andersén, Stina"}},
        {first, "Per Olof", {"Andersson, Per Olof"}},
        {first, "Ol*f Per", {"Andersson, Per Olof"}},
    });
}

TEST(PersonSearch, YearsAndRanges) {
    const auto year = &PersonSearch::year;
    expectPersonSearches({
        {year, "1880", {"Andersson, Anna", "Persson, Johan"}},
        {year,
         "1880-1885",
         {"Andersson, Anna", "Persson, Johan", "Éklund, Olof", "Andersson, Erik", "Éklund, Maria",
          "Ost, Nils", "Andersson, Stina"}},
        {year, "1885-1880", {"Andersson, Stina"}},
        {year, "188", {}},
        {year, " 1884 - 1885 ", {"Ost, Nils", "Andersson, Stina"}},
        {year, "1890-", {"Öst, Anna"}},
    });
}

// Places fold accents, but only after the list's own search (which keeps them) has found the
// first row: the walk from Eda stops at Ekshärad, before Éda; one from E passes on to Éda.
TEST(PersonSearch, PlacePatternsFoldAccents) {
    const auto born = &PersonSearch::birthPlace;
    const auto home = &PersonSearch::residence;
    expectPersonSearches({
        {born, "eda", kBornInEda},
        {born, "éda", {"Éklund, Per"}},
        {born, "\"eda (värmlands län)\"", kBornInEda},
        {born, "*(östergötlands län)", {"Eklund, Olof", "Anderberg, Karin"}},
        {born, "E*län)", kBornInEdas + std::vector<std::string>{"Persson, Johan"}},
        {born, "värm", kBornInEdas + std::vector<std::string>{"Persson, Johan"}, County},
        {born, "Östergötland", {"Eklund, Olof", "Anderberg, Karin"}, Province},
        {born, "norge", {"Ek, Maria"}, Country},
        {home, "alunda", kAnderssons + std::vector<std::string>{"Persson, Anna Maria", "Anderberg, Karin"}},
        {home, "*söderby", {"Anderberg, Karin"}},
        {home, "värmlands län", kEklunds + std::vector<std::string>{"Andersén, Stina"}, County},
        {home, "Värmland", kEklunds + std::vector<std::string>{"Andersén, Stina"}, Province},
        {home, "Värmland", kEveryone, Country},
    });
}

// A first-level place that matches stands for its places: the walk passes over them and goes on
// to the next place that matches; a place matches on its own when its parish does not.
TEST(PersonSearch, ThePlacesOfAMatchingParishArePassedOver) {
    const auto home = &PersonSearch::residence;
    const std::vector<std::string> inEda = {"Eklund, Olof", "Andersén, Stina", "Eklund, Per"};
    const std::vector<std::string> inEdsbyn = {"Éklund, Per",    "Ek, Maria", "Éklund, Olof", "Éklund, Maria",
                                               "Persson, Johan", "Öst, Anna", "Ost, Nils"};
    expectPersonSearches({
        {home, "*län)", kEveryone},
        {home, "eda (värmlands län)", inEda},
        {home, "ovanåker (gävleborgs län)&b", inEdsbyn},
        {home, "a*;o*",
         kAnderssons + std::vector<std::string>{"Persson, Anna Maria", "Anderberg, Karin"} + inEdsbyn},
    });
}

// The row word -1 keeps a row out of list mode only; typed, it is found.
TEST(PersonSearch, OccupationOfARowWithRowWordMinusOne) {
    expectPersonSearches({{&PersonSearch::occupation, "Soldat", {"Éklund, Per"}}});
}

TEST(PersonSearch, CriteriaIntersect) {
    Database& db = searchCensus().db();
    PersonSearch search;
    search.lastName.text = "Andersson;Persson";
    search.year.text = "1880-1882";
    search.residence.text = w("Ovanåker");
    EXPECT_EQ(dosokning(db, search, nullptr), 1);
    EXPECT_THAT(resultNames(db), ::testing::ElementsAre("Persson, Johan"));
}

TEST(PersonSearch, WithoutCriteriaTheResultIsEmpty) {
    Database& db = searchCensus().db();
    PersonSearch search;
    search.lastName.text = " \t ";
    EXPECT_EQ(dosokning(db, search, nullptr), std::nullopt);
    EXPECT_EQ(db.tessllista().vald().antal(), 0);
    EXPECT_EQ(db.tessllista().visibleCount(), 0);
}

TEST(PersonSearch, TheResultBecomesTheVisibleRowsAndEmptiesTheWindow) {
    Database& db = searchCensus().db();
    PersonListWindow window(db.tessllista());
    searchCensus().showAllPersons();
    window.personListCell(1, 1);
    ASSERT_EQ(window.size(), 1u);
    PersonSearch search;
    search.firstNames.text = "Stina";
    EXPECT_EQ(dosokning(db, search, &window), 2);
    EXPECT_EQ(window.size(), 0u);
    EXPECT_EQ(db.tessllista().visibleCount(), 2);
    EXPECT_EQ(window.personListCell(2, 1), w("Andersson, Stina"));
}

}  // namespace
}  // namespace tessla
