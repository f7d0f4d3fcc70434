#pragma once

// What the query commands share: opening the database a tessla.ini names without ever creating
// a file, reporting its messages on stderr, and converting between the UTF-8 of the terminal
// and the Windows-1252 of the database.

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

#include "app/configuration.h"
#include "app/database.h"
#include "storage/message_sink.h"

namespace tessla::tool {

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
std::string databaseText(std::string_view utf8, std::string_view option);

}  // namespace tessla::tool
