#pragma once

// The statistics of a search result: for one property, every value that occurs among the persons
// of the result with the number of those persons, and the summary line under the table.

#include <cstdint>
#include <string>
#include <vector>

#include "database/database.h"
#include "storage/selection.h"

namespace tessla {

enum class StatisticsProperty : std::uint8_t {
    Year,             // "Födelseår"
    Occupation,       // "Vanliga yrken": the common occupations
    BirthParish,      // "Födelseförsamling"
    BirthCounty,      // "Födelselän"
    ResidenceParish,  // "Boendeförsamling"
    ResidenceCounty,  // "Boendelän"
};

enum class StatisticsSort : std::uint8_t {
    Value,  // "Ord": by text
    Count,  // "Antal": higher counts first, equal counts by text
};

struct StatisticsRow {
    std::string text;  // Windows-1252
    std::int32_t count;
};

struct Statistics {
    std::vector<StatisticsRow> rows;
    std::int32_t persons = 0;  // the persons of the result
    std::int32_t counted = 0;  // the sum of the rows' counts
};

// The rows of `property` over the persons set in `result` (a selection over the person list,
// normally its `vald`): one row per value of the property's word list that a person of the result
// holds, second-level rows ("&B", places within a parish) left out. Texts compare in SwedishOrder
// and, when equal there, byte by byte. A property whose list is not open gives no rows.
Statistics buildStatistics(Database& db, const Tspsmalurval& result, StatisticsProperty property,
                           StatisticsSort sort);

// The order of the rows by count: higher counts first, equal counts by text.
bool countBefore(const StatisticsRow& a, const StatisticsRow& b);

// The line under the table: "<rows> rader, baserat på <persons> poster (<missing> saknar uppgift)",
// Windows-1252.
std::string statisticsSummary(const Statistics& statistics);

}  // namespace tessla
