#pragma once

// Builds a whole census database from a census CSV: the person records, the master list, the
// 41 word lists with their person lists and parent tables, the help texts, the two picture
// bases and `tessla.ini`, placed in `cd/` and `hd/` as the catalogue says. The database is built
// in a temporary directory beside the target and renamed at the end, so a failed build leaves
// nothing behind.

#include <cstddef>
#include <functional>
#include <stop_token>
#include <string>

#include "builder/build_error.h"
#include "builder/build_step.h"
#include "builder/census_input.h"

namespace tessla {

struct BuildOptions {
    std::string csvPath;
    std::string outDir;
    bool force = false;                    // replace an existing, non-empty target
    std::string helpTextsDir;              // empty: the help texts built into the program
    std::string skinDir;                   // empty: empty picture bases
    std::size_t personsMax = kPersonsMax;  // the most persons a database holds
    std::stop_token stop;                  // asked between steps; BuildCancelled when stopped
    BuildSteps steps;                      // told often (while reading, sorting and writing)
};

struct BuildReport {
    std::size_t persons = 0;
    std::size_t warnings = 0;
};

// Messages for the user while building: progress lines and warnings about replaced characters.
using BuildMessages = std::function<void(const std::string&)>;

// Builds the database; throws CensusInputError (the census is unusable, with line and field) or
// BuildError. Either way nothing is left at the target or beside it.
BuildReport buildDatabase(const BuildOptions& options, const BuildMessages& progress,
                          const BuildMessages& warn);

}  // namespace tessla
