#pragma once

// What the query commands share: opening the database a tessla.ini names without ever creating
// a file, reporting its messages on stderr, and converting between the UTF-8 of the terminal
// and the Windows-1252 of the database.

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

#include "base/configuration.h"
#include "base/utf8.h"
#include "census/person.h"
#include "database/database.h"
#include "storage/message_sink.h"

namespace tessla::tool {

class Options;

// The database cannot be used (exit status 2): the message says why.
class UnusableDatabase : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Writes the components' messages to stderr, one line each.
class StderrSink final : public MessageSink {
  public:
    void message(std::string_view text) override;
};

struct QueryDatabase {
    Configuration config;
    StderrSink sink;
    Database db{&sink};
};

// Opens the database of the configuration file `iniPath`. Throws UnusableDatabase when the file
// is missing, a file of the database is missing (opening would create it), or the master list and
// the person records are closed, empty or of differing counts.
std::unique_ptr<QueryDatabase> openQueryDatabase(const std::string& iniPath);

// A command-line value in the database's Windows-1252; UsageError when it cannot be written so.
std::string databaseText(Utf8View utf8, std::string_view option);

// The --lang option: sv (default) or en.
Language languageOption(const Options& options);

// The person of --record: its number must lie within the person records (UnusableDatabase
// otherwise, exit status 2).
Tenperson recordOption(const Options& options, Database& db);

// Writes an export file (UTF-8 bytes as they stand) to the file of --out, whole or not at all
// (UnusableDatabase naming the file and the reason otherwise), or to stdout without --out.
void writeExport(const Options& options, std::string_view content);

// Writes Windows-1252 text to stdout as UTF-8, each carriage return as a newline.
void printText(std::string_view text);

}  // namespace tessla::tool
