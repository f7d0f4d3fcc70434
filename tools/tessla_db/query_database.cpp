#include "query_database.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "base/cp1252.h"
#include "database/database_check.h"
#include "options.h"
#include "storage/whole_file.h"

namespace tessla::tool {

void StderrSink::message(std::string_view text) {
    std::fprintf(stderr, "tessla-db: %s\n", cp1252ToUtf8(text).str().c_str());
}

std::unique_ptr<QueryDatabase> openQueryDatabase(const std::string& iniPath) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(iniPath, error))
        throw UnusableDatabase("no configuration file " + iniPath);
    auto query = std::make_unique<QueryDatabase>();
    query->config = readConfigurationFile(iniPath);
    if (const auto problem = openCheckedDatabase(query->db, query->config)) {
        throw UnusableDatabase(describeDatabaseProblem(*problem));
    }
    return query;
}

std::string databaseText(Utf8View utf8, std::string_view option) {
    Cp1252Error error;
    if (auto text = utf8ToCp1252(utf8, &error)) return *text;
    throw UsageError(std::string(option) + ": " + error.message());
}

Language languageOption(const Options& options) {
    const std::string language = options.value("--lang").value_or("sv");
    if (language != "sv" && language != "en")
        throw UsageError("--lang is sv or en, not \"" + language + "\"");
    return language == "en" ? Language::English : Language::Swedish;
}

Tenperson recordOption(const Options& options, Database& db) {
    const std::int64_t record = options.number("--record", INT32_MIN, INT32_MAX, 0);
    options.required("--record");
    if (record < 1 || record > db.tessl().count()) {
        throw UnusableDatabase("record " + std::to_string(record) + " is not in the database (1 to " +
                               std::to_string(db.tessl().count()) + ")");
    }
    return loadPerson(db.tessl(), static_cast<std::int32_t>(record));
}

void writeExport(const Options& options, std::string_view content) {
    const std::optional<std::string> path = options.value("--out");
    if (!path) {
        std::fwrite(content.data(), 1, content.size(), stdout);
        return;
    }
    if (const auto failure = writeFileWhole(*path, content))
        throw UnusableDatabase("cannot write " + *path + ": " + *failure);
}

void printText(std::string_view text) {
    std::string utf8 = cp1252ToUtf8(text).str();
    std::replace(utf8.begin(), utf8.end(), '\r', '\n');
    std::fwrite(utf8.data(), 1, utf8.size(), stdout);
}

}  // namespace tessla::tool
