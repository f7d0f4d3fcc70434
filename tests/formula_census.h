#pragma once

// A census whose texts a spreadsheet would take as formulas, for the tests of the CSV exports: a
// last name that is a link formula, an occupation, first names and a year of birth that begin
// with "@", "+" and "-", and a plain person beside them; and the rows a CSV export of all three
// must read back as, each such cell with one apostrophe in front.

#include <algorithm>
#include <string>
#include <vector>

#include "census_fixture.h"

namespace tessla::test {

inline std::vector<CensusRow> formulaCensusRows() {
    return {{{"POSTID", "F-1"},
             {"HUSHNR", "1"},
             {"ENAMN", "=HYPERLINK(\"http://x.invalid\",\"Klicka\")"},
             {"FNAMN", "Karl"},
             {"YRKE", "@SUM(1)"},
             {"FODAR", "1850"}},
            {{"POSTID", "F-2"}, {"HUSHNR", "1"}, {"FNAMN", "+Anna"}, {"FODAR", "-"}},
            {{"POSTID", "F-3"}, {"HUSHNR", "2"}, {"ENAMN", "Berg"}, {"FNAMN", "Anna"}, {"YRKE", "Piga"}}};
}

// The persons' rows in POSTID order: name, born, place of birth, occupation, family status,
// residence and POSTID.
inline std::vector<std::vector<std::string>> formulaCensusCsvRows() {
    return {{"'=HYPERLINK(\"http://x.invalid\",\"Klicka\"), Karl", "1850", "", "'@SUM(1)", "", "", "F-1"},
            {"'+Anna", "'-", "", "", "", "", "F-2"},
            {"Berg, Anna", "", "", "Piga", "", "", "F-3"}};
}

// `rows` after the header, in POSTID order.
inline std::vector<std::vector<std::string>> personRowsByPostid(std::vector<std::vector<std::string>> rows) {
    if (!rows.empty()) rows.erase(rows.begin());
    std::sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) { return a.back() < b.back(); });
    return rows;
}

}  // namespace tessla::test
