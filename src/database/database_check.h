#pragma once

// Opening a configured database only when it can be used: every file it reads must exist before
// opening (the components would otherwise create empty files in a wrong directory), and the
// person list and the person records must agree afterwards.

#include <cstdint>
#include <optional>
#include <string>

#include "base/configuration.h"
#include "database/database.h"

namespace tessla {

struct DatabaseProblem {
    enum class Kind { MissingFile, PersonsMismatch };
    Kind kind = Kind::MissingFile;
    // MissingFile: the file and the component it belongs to.
    std::string path;
    std::string component;
    // PersonsMismatch: the rows of the person list and the records of the person record base
    // (0 for a component that did not open).
    std::int32_t listed = 0;
    std::int32_t records = 0;
};

// The first file of the database of `config` that does not exist, or nothing.
std::optional<DatabaseProblem> missingDatabaseFile(const Configuration& config);

// Checks the files, opens `db` from `config` and checks that the person list and the person
// records are open, not empty and of equal counts. A missing file leaves `db` unopened and no
// file created; a mismatch closes `db` again. Nothing means the database is open and usable.
std::optional<DatabaseProblem> openCheckedDatabase(Database& db, const Configuration& config);

// One line saying what is wrong, in English.
std::string describeDatabaseProblem(const DatabaseProblem& problem);

}  // namespace tessla
