#pragma once

// The options of a subcommand: "--name value" pairs and "--flag" switches, checked against the
// names the subcommand knows.

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>

#include "commands.h"

namespace tessla::tool {

// Bad usage: the message says what is wrong; the subcommand adds its usage line.
class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class Options {
  public:
    // Throws UsageError for an unknown name, a value missing, or a name given twice.
    Options(const Arguments& arguments, std::set<std::string_view> valued, std::set<std::string_view> flags);

    std::optional<std::string> value(std::string_view name) const;
    // The value; UsageError when it is missing.
    std::string required(std::string_view name) const;
    // The value as a whole number in min … max, `fallback` when missing; UsageError otherwise.
    std::int64_t number(std::string_view name, std::int64_t min, std::int64_t max,
                        std::int64_t fallback) const;
    bool flag(std::string_view name) const { return flags_.contains(std::string(name)); }
    bool has(std::string_view name) const { return values_.contains(std::string(name)) || flag(name); }

  private:
    std::map<std::string, std::string, std::less<>> values_;
    std::set<std::string, std::less<>> flags_;
};

// Runs a subcommand body, turning UsageError into exit status 1 and any other failure into 2,
// each with one line "tessla-db <command>: <message>" on stderr (usage errors add `usage`).
int runCommand(std::string_view command, std::string_view usage, const std::function<int()>& body);

}  // namespace tessla::tool
