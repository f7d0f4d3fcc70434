#include "search/statistics.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "base/cp1252.h"
#include "search/person_search.h"
#include "search_census.h"

namespace tessla {
namespace {

using test::searchCensus;
using enum StatisticsProperty;
using enum StatisticsSort;

struct Row {
    std::string text;  // UTF-8
    std::int32_t count;
    bool operator==(const Row&) const = default;
};

void PrintTo(const Row& row, std::ostream* os) {
    *os << row.text << " " << row.count;
}

struct StatisticsCase {
    const char* years;  // the search that makes the result; empty: every person
    StatisticsProperty property;
    StatisticsSort sort;
    std::vector<Row> rows;
    const char* summary;  // UTF-8
};

TEST(Statistics, RowsInBothOrdersAndTheSummary) {
    const std::vector<Row> parishesByText = {
        {"Alunda (Uppsala län)", 4},         {"Eda (Värmlands län)", 3},
        {"Éda (Värmlands län)", 1},          {"Ekshärad (Värmlands län)", 1},
        {"Ovanåker (Gävleborgs län)", 2},    {"Västra Ny (Östergötlands län)", 1},
        {"Östra Ny (Östergötlands län)", 1},
    };
    const std::vector<Row> parishesByCount = {
        {"Alunda (Uppsala län)", 4},         {"Eda (Värmlands län)", 3},
        {"Ovanåker (Gävleborgs län)", 2},    {"Éda (Värmlands län)", 1},
        {"Ekshärad (Värmlands län)", 1},     {"Västra Ny (Östergötlands län)", 1},
        {"Östra Ny (Östergötlands län)", 1},
    };
    const StatisticsCase cases[] = {
        // Three persons have no birth parish: two lodgers and the mother born in Norway. By text,
        // Éda comes before Ekshärad (accents folded), though after it in the list.
        {"", BirthParish, Value, parishesByText, "7 rader, baserat på 16 poster (3 saknar uppgift)"},
        {"", BirthParish, Count, parishesByCount, "7 rader, baserat på 16 poster (3 saknar uppgift)"},
        // The villages of the residence parishes ("&B" rows) are no rows of their own.
        {"1880-1885",
         ResidenceParish,
         Value,
         {{"Alunda (Uppsala län)", 3}, {"Ovanåker (Gävleborgs län)", 4}},
         "2 rader, baserat på 7 poster (0 saknar uppgift)"},
        {"1880-1885",
         ResidenceParish,
         Count,
         {{"Ovanåker (Gävleborgs län)", 4}, {"Alunda (Uppsala län)", 3}},
         "2 rader, baserat på 7 poster (0 saknar uppgift)"},
        {"1884-1886",
         Year,
         Count,
         {{"1884", 1}, {"1885", 1}, {"1886", 1}},
         "3 rader, baserat på 3 poster (0 saknar uppgift)"},
        {"1879-1880",
         BirthCounty,
         Count,
         {{"Uppsala län", 1}, {"Värmlands län", 1}, {"Östergötlands län", 1}},
         "3 rader, baserat på 3 poster (0 saknar uppgift)"},
        {"1850-1860",
         ResidenceCounty,
         Value,
         {{"Gävleborgs län", 1}, {"Uppsala län", 2}, {"Värmlands län", 1}},
         "3 rader, baserat på 4 poster (0 saknar uppgift)"},
        // No occupation is common (held by ten persons) in so small a census.
        {"", Occupation, Count, {}, "0 rader, baserat på 16 poster (16 saknar uppgift)"},
        {"1700", Year, Value, {}, "0 rader, baserat på 0 poster (0 saknar uppgift)"},
    };
    Database& db = searchCensus().db();
    for (const StatisticsCase& c : cases) {
        PersonSearch search;
        search.year.text = c.years;
        if (!dosokning(db, search, nullptr)) searchCensus().showAllPersons();
        const Statistics statistics = buildStatistics(db, db.tessllista().vald(), c.property, c.sort);
        std::vector<Row> rows;
        for (const StatisticsRow& row : statistics.rows)
            rows.push_back({cp1252ToUtf8(row.text).str(), row.count});
        EXPECT_EQ(rows, c.rows) << c.years;
        EXPECT_EQ(cp1252ToUtf8(statisticsSummary(statistics)).str(), c.summary) << c.years;
    }
}

}  // namespace
}  // namespace tessla
