#pragma once

// A census database built from a few CSV rows and opened, for tests of the census model and the
// searches. Each row names only the fields it sets; the others are empty. Values are UTF-8, as
// in the census CSV.

#include <fstream>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "base/configuration.h"
#include "builder/database_builder.h"
#include "database/database.h"
#include "storage/message_sink.h"
#include "storage/temp_dir.h"

namespace tessla::test {

using CensusRow = std::vector<std::pair<std::string, std::string>>;

inline const std::vector<std::string>& censusFieldNames() {
    static const std::vector<std::string> names = {
        "POSTID",     "HEMLEN",  "HEMFO", "HEMBY",    "HUSHNR", "FAMST",  "FAMNR",  "FAMSTKOD",   "FNAMN",
        "ENAMN",      "TITEL",   "YRKE",  "YRKESKOD", "LYTE",   "FODAR",  "FOFORS", "FOFORS1890", "FOLEN1890",
        "FOLAND1890", "SCB1989", "GENUS", "CIVST",    "TRO",    "NATION", "FRANV",  "STRUKEN",    "ÖVRIGT"};
    return names;
}

// The census CSV of `rows`, every value quoted.
inline std::string censusCsv(const std::vector<CensusRow>& rows) {
    const auto quoted = [](const std::string& value) {
        std::string out = "\"";
        for (char c : value) out += c == '"' ? std::string("\"\"") : std::string(1, c);
        return out + "\"";
    };
    std::string csv;
    for (const std::string& name : censusFieldNames()) csv += (csv.empty() ? "" : ",") + name;
    csv += "\n";
    for (const CensusRow& row : rows) {
        std::string line;
        for (std::size_t i = 0; i < censusFieldNames().size(); ++i) {
            std::string value;
            for (const auto& [name, v] : row)
                if (name == censusFieldNames()[i]) value = v;
            line += (i == 0 ? "" : ",") + quoted(value);
        }
        csv += line + "\n";
    }
    return csv;
}

// Builds the database of `rows` with the painted skin in a temporary directory and opens it; row
// k is record k; the help texts are the program's own, or those of the directory `helpTexts`. The
// build throws when the rows are not a usable census.
class CensusFixture {
  public:
    explicit CensusFixture(const std::vector<CensusRow>& rows, const std::string& helpTexts = {}) {
        std::ofstream(dir_.path() + "census.csv", std::ios::binary) << censusCsv(rows);
        BuildOptions options;
        options.csvPath = dir_.path() + "census.csv";
        options.outDir = dir_.path() + "db";
        options.skinDir = TESSLA_SKIN_DIR;
        options.helpTextsDir = helpTexts;
        buildDatabase(options, nullptr, nullptr);
        db_.open(readConfiguration(dir_.path() + "db/"));
    }

    Database& db() { return db_; }
    // The configuration file of the built database.
    std::string iniPath() const { return dir_.path() + "db/tessla.ini"; }
    RecordingMessageSink& messages() { return messages_; }
    // Shows every person in the master list, as a search that finds everyone does.
    void showAllPersons() {
        db_.tessllista().vald().fyllalla();
        db_.tessllista().byggvy();
    }

  private:
    TempDir dir_;
    RecordingMessageSink messages_;
    Database db_{&messages_};
};

}  // namespace tessla::test
