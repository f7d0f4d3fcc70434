#include "database/database_check.h"

#include <filesystem>

namespace tessla {

std::optional<DatabaseProblem> missingDatabaseFile(const Configuration& config) {
    std::error_code error;
    for (const DatabaseFile& file : databaseFiles(config.cdbasen, config.hdbasen)) {
        if (!std::filesystem::exists(file.path, error)) {
            return DatabaseProblem{DatabaseProblem::Kind::MissingFile, file.path, file.component};
        }
    }
    return std::nullopt;
}

std::optional<DatabaseProblem> openCheckedDatabase(Database& db, const Configuration& config) {
    if (auto missing = missingDatabaseFile(config)) return missing;
    db.open(config);
    TSPstruktlista& master = db.tessllista();
    TSPregtext& records = db.tessl();
    const std::int32_t listed = master.isOpen() ? master.rowCount() : 0;
    const std::int32_t count = records.isOpen() ? records.count() : 0;
    if (listed > 0 && listed == count) return std::nullopt;
    db.close();
    DatabaseProblem problem;
    problem.kind = DatabaseProblem::Kind::PersonsMismatch;
    problem.listed = listed;
    problem.records = count;
    return problem;
}

std::string describeDatabaseProblem(const DatabaseProblem& problem) {
    if (problem.kind == DatabaseProblem::Kind::MissingFile) {
        return "the database is incomplete: " + problem.path + " (" + problem.component + ") is missing";
    }
    return "the person list and the person records cannot be used together (" +
           std::to_string(problem.listed) + " persons listed, " + std::to_string(problem.records) +
           " records)";
}

}  // namespace tessla
