#include "base/ini_file.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <sstream>

#include "base/string_utils.h"

namespace tessla {
namespace {

// `s` without spaces, tabs and carriage returns at either end.
std::string_view trimSpaces(std::string_view s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    const auto last = s.find_last_not_of(" \t\r");
    return s.substr(first, last - first + 1);
}

std::string slot(std::string_view section, std::string_view key) {
    return lowerAscii(trimSpaces(section)) + '\n' + lowerAscii(trimSpaces(key));
}

}  // namespace

bool IniFile::load(const std::string& path) {
    values_.clear();
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream text;
    text << in.rdbuf();
    parse(text.str());
    return true;
}

void IniFile::parse(std::string_view text) {
    std::string section;
    while (!text.empty()) {
        const auto end = std::min(text.find('\n'), text.size());
        const std::string_view line = trimSpaces(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
        if (line.empty() || line.front() == ';' || line.front() == '#') continue;
        if (line.front() == '[') {
            section = line.substr(1, line.find(']') - 1);
            continue;
        }
        const auto equals = line.find('=');
        if (equals == std::string_view::npos) continue;
        values_.emplace(slot(section, line.substr(0, equals)), trimSpaces(line.substr(equals + 1)));
    }
}

std::optional<std::string> IniFile::value(std::string_view section, std::string_view key) const {
    const auto found = values_.find(slot(section, key));
    if (found == values_.end()) return std::nullopt;
    return found->second;
}

std::string IniFile::readString(std::string_view section, std::string_view key,
                                std::string_view fallback) const {
    return value(section, key).value_or(std::string(fallback));
}

std::int32_t IniFile::readInteger(std::string_view section, std::string_view key,
                                  std::int32_t fallback) const {
    const auto text = value(section, key);
    if (!text || text->empty()) return fallback;
    const char* first = text->data();
    const char* last = first + text->size();
    if (*first == '+') ++first;
    std::int32_t number = 0;
    const auto [end, error] = std::from_chars(first, last, number);
    return error == std::errc() && end == last ? number : fallback;
}

}  // namespace tessla
