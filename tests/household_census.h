#pragma once

// The census the main window and its record browser are tested on. Record numbers follow the
// rows: records 1 to 8 are the farm's household, 9 is Lars Öberg with forty lines of remarks,
// 10 to 159 the persons "Nr 001" to "Nr 150", 160 a person with a
// very long name.

#include <cstdio>
#include <string>
#include <vector>

#include "census_fixture.h"

namespace tessla::test {

// A household of four families on one farm, a person with long remarks, and 150 persons living
// alone, so that the result list is longer than any window shows.
inline std::vector<CensusRow> householdCensusRows() {
    const auto person = [](std::string postid, std::string hushnr, std::string famnr, std::string role,
                           std::string first, std::string last, std::string year, std::string occupation) {
        return CensusRow{
            {"POSTID", postid},   {"HEMLEN", "Uppsala län"}, {"HEMFO", "Alunda (Uppsala län);Uppland"},
            {"HUSHNR", hushnr},   {"FAMNR", famnr},          {"FAMSTKOD", role},
            {"FNAMN", first},     {"ENAMN", last},           {"FODAR", year},
            {"YRKE", occupation}, {"FOFORS", "Alunda"}};
    };
    std::vector<CensusRow> rows = {
        person("A-1", "7", "1", "F", "Karl Johan", "Lind", "1842", "Torpare"),
        person("A-2", "7", "1", "M", "Anna Maria", "Lind f. Berg", "1845", ""),
        person("A-3", "7", "1", "B", "Erik", "Lind", "1870", ""),
        person("A-4", "7", "1", "B", "Stina", "Lind", "1873", ""),
        person("A-5", "7", "2", "F", "Per", "Lind", "1815", "Undantagsman"),
        person("A-6", "7", "2", "M", "Kajsa", "Lind", "1818", ""),
        person("A-7", "7", "3", "E", "Maja", "Persdotter", "1858", "Piga"),
        person("A-8", "7", "4", "E", "Olof", "Nilsson", "1860", "Dräng"),
    };
    std::string remarks;
    for (int line = 1; line <= 40; ++line) remarks += "Anteckning " + std::to_string(line) + "\n";
    rows.push_back(
        {{"POSTID", "C-1"}, {"HUSHNR", "99"}, {"FNAMN", "Lars"}, {"ENAMN", "Öberg"}, {"ÖVRIGT", remarks}});
    for (int k = 1; k <= 150; ++k) {
        char last[16];
        std::snprintf(last, sizeof last, "Nr %03d", k);
        rows.push_back(person("B-" + std::to_string(k), std::to_string(100 + k), "1", "E", "Anders", last,
                              std::to_string(1800 + k % 90), ""));
    }
    // A name too long for any caption to show whole in a small window.
    rows.push_back(person("D-1", "300", "1", "E", "Carl Gustaf Adolf Fredrik Wilhelm",
                          "Långnamnsson-Stjernhielm af Östergötlands Norra Härad", "1850", "Possessionat"));
    return rows;
}

}  // namespace tessla::test
