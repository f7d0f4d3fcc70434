#pragma once

#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>

#include "builder/census_generator.h"
#include "builder/database_builder.h"

namespace tessla::test {

// Generates the census of `persons` persons with the default seed into `dir` + "census.csv", builds
// its database in `dir` + "db/" with the skin, and returns the census's CSV text.
inline std::string buildSampleDatabase(const std::string& dir, std::uint64_t persons) {
    std::ostringstream csv;
    generateCensus(persons, kDefaultGeneratorSeed, csv);
    std::ofstream(dir + "census.csv", std::ios::binary) << csv.str();
    BuildOptions options;
    options.csvPath = dir + "census.csv";
    options.outDir = dir + "db";
    options.skinDir = TESSLA_SKIN_DIR;
    buildDatabase(options, nullptr, nullptr);
    return csv.str();
}

}  // namespace tessla::test
