#pragma once

// The census the clipboard copies are tested on: the household census (records 1 to 160) and
// three persons more, each living alone: record 161 without a name, born "omkring år 1850 eller
// 1851"; 162 "Långnamn" + 292 × "a", "Per", a display name of 305 characters; 163 "Mång" with
// 200 lines of remarks, over 7 000 bytes.

#include <cstdint>
#include <string>
#include <vector>

#include "household_census.h"

namespace tessla::test {

inline constexpr std::int32_t kNamelessRecord = 161, kLongNameRecord = 162, kLongRemarksRecord = 163;

// The text of remark line `line` of record 163 (UTF-8).
inline std::string longRemark(int line) {
    return "Anteckning " + std::to_string(line) + " om gården och dess folk";
}

inline std::vector<CensusRow> clipboardCensusRows() {
    std::vector<CensusRow> rows = householdCensusRows();
    rows.push_back({{"POSTID", "E-1"}, {"HUSHNR", "401"}, {"FODAR", "omkring år 1850 eller 1851"}});
    rows.push_back({{"POSTID", "E-2"},
                    {"HUSHNR", "402"},
                    {"FNAMN", "Per"},
                    {"ENAMN", "Långnamn" + std::string(292, 'a')},
                    {"FODAR", "1850"}});
    std::string remarks;
    for (int line = 1; line <= 200; ++line) remarks += longRemark(line) + "\n";
    rows.push_back({{"POSTID", "E-3"}, {"HUSHNR", "403"}, {"ENAMN", "Mång"}, {"ÖVRIGT", remarks}});
    return rows;
}

}  // namespace tessla::test
