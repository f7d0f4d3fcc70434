#pragma once

// The census that the search tests share, built once per test program, and helpers to run a
// search and read its result as display names.
//
// Five households: a farmer's family in Alunda (three children), a soldier's family in Ovanåker
// (the mother born in Norway), a farmhand's family in Eda, a maid alone in another Alunda
// village, and three lodgers in Ovanåker, two of them without birth data. Last names and birth
// parishes come in pairs that differ by an accent (Eklund/Éklund, Eda/Éda, with Ekshärad between
// them in the lists' order) or by Ö against O (Öst/Ost, Östergötland). In the occupation list the
// row "Soldat" carries the row word -1.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "base/cp1252.h"
#include "census_fixture.h"
#include "search/criteria.h"
#include "storage/word_list_format.h"
#include "test_text.h"

namespace tessla::test {

struct Home {
    const char *county, *parish, *village, *number;
};
struct Birth {
    const char *place, *parish, *county, *land;
};

inline CensusRow censusPerson(const Home& home, const char* role, const char* firstNames,
                              const char* lastName, const char* year, const Birth& birth,
                              const char* occupation = "") {
    return {{"HEMLEN", home.county},
            {"HEMFO", home.parish},
            {"HEMBY", home.village},
            {"HUSHNR", home.number},
            {"FAMNR", "1"},
            {"FAMSTKOD", role},
            {"FNAMN", firstNames},
            {"ENAMN", lastName},
            {"YRKE", occupation},
            {"FODAR", year},
            {"FOFORS", birth.place},
            {"FOFORS1890", birth.parish},
            {"FOLEN1890", birth.county},
            {"FOLAND1890", birth.land}};
}

inline std::vector<CensusRow> searchCensusRows() {
    const Home alunda1{"Uppsala län", "Alunda (Uppsala län);Uppland", "Norrby", "1"};
    const Home alunda2{"Uppsala län", "Alunda (Uppsala län);Uppland", "Söderby", "2"};
    const Home ovanaker1{"Gävleborgs län", "Ovanåker (Gävleborgs län);Hälsingland", "Edsbyn", "1"};
    const Home ovanaker2{"Gävleborgs län", "Ovanåker (Gävleborgs län);Hälsingland", "Edsbyn", "2"};
    const Home eda1{"Värmlands län", "Eda (Värmlands län);Värmland", "Koppom", "1"};
    const Birth alunda{"Alunda", "Alunda (Uppsala län)", "Uppsala län", "Uppland"};
    const Birth eda{"Eda", "Eda (Värmlands län)", "Värmlands län", "Värmland"};
    const Birth eksharad{"Ekshärad", "Ekshärad (Värmlands län)", "Värmlands län", "Värmland"};
    const Birth edaAccent{"Éda", "Éda (Värmlands län)", "Värmlands län", "Värmland"};
    const Birth ovanaker{"Ovanåker", "Ovanåker (Gävleborgs län)", "Gävleborgs län", "Hälsingland"};
    const Birth ostraNy{"Östra Ny", "Östra Ny (Östergötlands län)", "Östergötlands län", "Östergötland"};
    const Birth vastraNy{"Västra Ny", "Västra Ny (Östergötlands län)", "Östergötlands län", "Östergötland"};
    const Birth norway{"Kristiania", "", "", "[Norge]"};
    const Birth unknown{"", "", "", ""};
    return {
        censusPerson(alunda1, "F", "Per Olof", "Andersson", "1850", alunda, "Bonde"),
        censusPerson(alunda1, "M", "Anna Maria", "Persson", "1852", eda),
        censusPerson(alunda1, "B", "Anna", "Andersson", "1880", alunda),
        censusPerson(alunda1, "B", "Erik", "Andersson", "1882", alunda),
        censusPerson(alunda1, "B", "Stina", "Andersson", "1885", alunda),
        censusPerson(ovanaker1, "F", "Per", "Éklund", "1848", edaAccent, "Soldat"),
        censusPerson(ovanaker1, "M", "Maria", "Ek", "1855", norway),
        censusPerson(ovanaker1, "B", "Olof", "Éklund", "1881", ovanaker),
        censusPerson(ovanaker1, "B", "Maria", "Éklund", "1883", ovanaker),
        censusPerson(eda1, "F", "Olof", "Eklund", "1860", ostraNy, "Dräng"),
        censusPerson(eda1, "M", "Stina", "Andersén", "1862", eda),
        censusPerson(eda1, "B", "Per", "Eklund", "1886", eda),
        censusPerson(alunda2, "E", "Karin", "Anderberg", "1879", vastraNy, "Piga"),
        censusPerson(ovanaker2, "E", "Johan", "Persson", "1880", eksharad),
        censusPerson(ovanaker2, "E", "Anna", "Öst", "1890", unknown),
        censusPerson(ovanaker2, "E", "Nils", "Ost", "1884", unknown),
    };
}

// Sets the first row word of the row `text` of `list` to -1 in its file, then reopens the list.
inline void markRowUnusable(TSPstruktlista& list, const std::string& text) {
    namespace fmt = word_list_format;
    const std::int32_t row = list.sokexakt(text);
    ASSERT_GE(row, 1) << text;
    const WordListProperties& p = list.properties();
    const std::string path = p.filkat + p.filnamn + "." + p.filext;
    const auto rowLength = static_cast<std::size_t>(p.radmaxlen) + fmt::kRowOverhead;
    list.stang();
    std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
    file.seekp(static_cast<std::streamoff>(fmt::kHeaderSize + (row - 1) * rowLength + fmt::kWord1Offset));
    file.write("\xFF\xFF\xFF\xFF", 4);
    file.close();
    list.oppna();
    list.lasrad(row);
    ASSERT_EQ(list.ord1(), 0xFFFFFFFFu);
}

inline CensusFixture& searchCensus() {
    struct SearchCensus : CensusFixture {
        SearchCensus() : CensusFixture(searchCensusRows()) { markRowUnusable(db().tessls(3), "Soldat"); }
    };
    static SearchCensus census;
    return census;
}

// The display names (UTF-8) of the persons in the person list's result.
inline std::vector<std::string> resultNames(Database& db) {
    TSPstruktlista& persons = db.tessllista();
    std::vector<std::string> names;
    for (std::int32_t n = 0; persons.vald().nasta(n);) {
        persons.lasrad(n);
        names.push_back(cp1252ToUtf8(persons.text().substr(0, persons.text().find('\xFF'))).str());
    }
    return names;
}

// One criterion of a search and the persons it finds.
template <typename Options>
struct SearchCase {
    Criterion Options::*field;
    const char* text;  // UTF-8
    std::vector<std::string> names;
    PlaceKind kind = PlaceKind::Parish;
};

// Runs each case alone through `search` on `db` and checks the result and its count.
template <typename Options, typename Search>
void expectSearchesIn(Database& db, const std::vector<SearchCase<Options>>& cases, Search search) {
    for (const SearchCase<Options>& c : cases) {
        Options options;
        options.*c.field = {w(c.text), false, c.kind};
        const std::optional<std::int32_t> count = search(db, options, nullptr);
        EXPECT_THAT(resultNames(db), ::testing::UnorderedElementsAreArray(c.names)) << c.text;
        EXPECT_EQ(count, static_cast<std::int32_t>(c.names.size())) << c.text;
    }
}

// The same on the shared census.
template <typename Options, typename Search>
void expectSearches(const std::vector<SearchCase<Options>>& cases, Search search) {
    expectSearchesIn(searchCensus().db(), cases, search);
}

}  // namespace tessla::test
