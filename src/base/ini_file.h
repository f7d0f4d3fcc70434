#pragma once

// A small reader of INI files: "[section]" headers and "key=value" lines. Section and key
// names compare without regard to ASCII case; names and values are trimmed of blanks; lines
// starting with ";" or "#" are comments. When a key occurs twice in a section the first one
// counts. Values are bytes, passed on as written.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace tessla {

class IniFile {
  public:
    // Reads `path`; false (and no values) when the file cannot be read.
    bool load(const std::string& path);
    // Reads INI text held in memory.
    void parse(std::string_view text);

    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    std::string readString(std::string_view section, std::string_view key, std::string_view fallback) const;
    // The value as a signed 32-bit decimal number; `fallback` when the key is missing, empty,
    // not a number or out of range.
    std::int32_t readInteger(std::string_view section, std::string_view key, std::int32_t fallback) const;

  private:
    // "section\nkey", both lower-cased.
    std::map<std::string, std::string> values_;
};

}  // namespace tessla
