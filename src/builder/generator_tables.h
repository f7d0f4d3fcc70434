#pragma once

// The facts behind the synthetic census, parsed once from the tables of data/generator that are compiled
// into the program. Every text is UTF-8 and representable in Windows-1252 (checked when parsed).

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "builder/generator_random.h"

namespace tessla {

enum class Sex { man = 0, woman = 1 };
enum class Setting { land = 0, town = 1 };

struct County {
    int code = 0;
    std::string name;  // "Jämtlands län"
    std::uint64_t population = 0;
};

struct Parish {
    std::string name;
    int county = 0;
    std::string province;
    std::string code;  // old parish code, six digits
    bool town = false;
};

struct Occupation {
    std::string name;  // empty: none
    std::string code;  // empty: none
};

struct Country {
    std::string name;
    std::string nationality;
    WeightedList<std::string> places;  // birth places as the roll writes them
};

struct GeneratorTables {
    std::map<int, County> counties;
    std::vector<Parish> parishes;  // by county, then code
    // Cumulative population by age 0..100 for each sex.
    std::array<std::array<std::uint64_t, 101>, 2> cumulativeAge{};
    std::array<WeightedList<std::string>, 2> firstNames;
    std::map<std::string, WeightedList<std::string>> surnames;  // by kind: "p", "f", "s" or a country
    // By setting and group ("head", "wife", "maid", ...).
    std::map<std::string, WeightedList<Occupation>> occupations[2];
    WeightedList<Country> countries;
    std::map<std::string, WeightedList<std::string>> places;  // by kind: "stem", "ending", ...
    std::map<std::string, WeightedList<std::string>> marks;   // by kind: "faith", "remark", ...

    const County& county(int code) const { return counties.at(code); }
};

// Parsed on first use; throws std::logic_error when a compiled-in table is missing or malformed.
const GeneratorTables& generatorTables();

}  // namespace tessla
