#pragma once

// A synthetic census of Sweden about 1890, written as the census CSV that the database builder reads:
// UTF-8, the 27 person fields by name in a header row, RFC 4180 quoting, the rows of a household together.
// The persons are spread over the parishes as the 1890 population was, parish by parish, each parish's
// households numbered from 1. A seed always gives the same bytes. Households are made and written one at a
// time, so memory does not grow with the number of persons.

#include <array>
#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tessla {

inline constexpr std::uint64_t kMaxGeneratedPersons = 6'000'000;
inline constexpr std::uint64_t kDefaultGeneratorSeed = 1890;

// The 27 columns in the order the generator writes them.
inline constexpr std::array<std::string_view, 27> kCensusColumns = {
    "POSTID",     "HEMLEN",  "HEMFO", "HEMBY",    "HUSHNR", "FAMST",  "FAMNR",  "FAMSTKOD",   "FNAMN",
    "ENAMN",      "TITEL",   "YRKE",  "YRKESKOD", "LYTE",   "FODAR",  "FOFORS", "FOFORS1890", "FOLEN1890",
    "FOLAND1890", "SCB1989", "GENUS", "CIVST",    "TRO",    "NATION", "FRANV",  "STRUKEN",    "ÖVRIGT"};

class CensusGenerator {
  public:
    // `persons` from 1 to kMaxGeneratedPersons; throws std::invalid_argument otherwise.
    CensusGenerator(std::uint64_t persons, std::uint64_t seed);
    ~CensusGenerator();

    // The header row, CRLF-free: fields separated by ",", the line ended by "\n".
    static void writeHeader(std::ostream& out);
    // Writes the rows of the next household; false when all persons have been written.
    bool writeNextHousehold(std::ostream& out);

    std::uint64_t personsWritten() const;
    std::uint64_t personsTotal() const;

  private:
    class Impl;
    std::unique_ptr<Impl> impl_;
};

// Header and all households of `persons` persons.
void generateCensus(std::uint64_t persons, std::uint64_t seed, std::ostream& out);

}  // namespace tessla
