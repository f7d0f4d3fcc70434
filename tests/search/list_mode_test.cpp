// List mode: a criterion made of the rows picked in its word list.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "search/child_search.h"
#include "search/person_search.h"
#include "search_census.h"

namespace tessla {
namespace {

using test::resultNames;
using test::searchCensus;
using test::w;
using enum PlaceKind;

template <typename Options>
struct PickCase {
    Criterion Options::*field;
    int list;                        // where the rows are picked
    std::vector<const char*> picks;  // row texts, UTF-8
    std::vector<std::string> names;
    PlaceKind kind = Parish;
};

// Picks the rows of each case in its list, searches with the field in list mode (showing a
// summary, as the window does) and drops the picks again.
template <typename Options, typename Search>
void expectPicks(const std::vector<PickCase<Options>>& cases, Search search) {
    Database& db = searchCensus().db();
    for (const PickCase<Options>& c : cases) {
        Tspsmalurval& picked = db.tessls(c.list).vald();
        for (const char* text : c.picks) {
            const std::int32_t row = db.tessls(c.list).sokexakt(w(text));
            ASSERT_GE(row, 1) << text;
            picked.satt(row, true);
        }
        Options options;
        options.*c.field = {"(picked rows)", true, c.kind};
        const std::optional<std::int32_t> count = search(db, options, nullptr);
        EXPECT_THAT(resultNames(db), ::testing::UnorderedElementsAreArray(c.names)) << c.list;
        EXPECT_EQ(count, static_cast<std::int32_t>(c.names.size())) << c.list;
        picked.tomma();
    }
}

TEST(ListMode, PersonSearchUsesThePickedRows) {
    expectPicks<PersonSearch>(
        {
            {&PersonSearch::lastName, 1, {"Ek", "Öst"}, {"Ek, Maria", "Öst, Anna"}},
            {&PersonSearch::firstNames,
             2,
             {"Anna", "Stina"},
             {"Persson, Anna Maria", "Andersson, Anna", "Öst, Anna", "Andersson, Stina", "Andersén, Stina"}},
            {&PersonSearch::residence,
             15,
             {"Alunda (Uppsala län)"},
             {"Andersson, Anna", "Andersson, Erik", "Andersson, Per Olof", "Andersson, Stina",
              "Persson, Anna Maria", "Anderberg, Karin"}},
            // Second-level picks: a village of a parish, a place of a country.
            {&PersonSearch::residence, 15, {"Alunda (Uppsala län)&B, Söderby"}, {"Anderberg, Karin"}},
            {&PersonSearch::birthPlace, 20, {"Norge&B, Kristiania"}, {"Ek, Maria"}, Country},
            // "Soldat" carries the row word -1.
            {&PersonSearch::occupation, 3, {"Bonde", "Soldat"}, {"Andersson, Per Olof"}},
            {&PersonSearch::occupation, 3, {}, {}},
            // The kind chooses the list, and the picks of another list are not used.
            {&PersonSearch::birthPlace, 18, {"Eda (Värmlands län)"}, {}, County},
        },
        dosokning);
}

TEST(ListMode, ChildSearchUsesThePickedRows) {
    expectPicks<ChildSearch>(
        {
            {&ChildSearch::fatherOccupation, 29, {"Soldat"}, {"Éklund, Olof", "Éklund, Maria"}},
            {&ChildSearch::childResidence,
             12,
             {"Ovanåker (Gävleborgs län)&B, Edsbyn"},
             {"Éklund, Olof", "Éklund, Maria"}},
            {&ChildSearch::siblingFirstNames, 38, {"Erik"}, {"Andersson, Anna", "Andersson, Stina"}},
        },
        dobarnsokning);
}

}  // namespace
}  // namespace tessla
