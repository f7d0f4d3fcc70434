#include "base/string_utils.h"

#include <algorithm>

namespace tessla {

std::string_view trimBlanks(std::string_view s) {
    const auto isBlank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

std::string groupedDigits(std::int64_t value, char separator) {
    const std::string digits = std::to_string(value < 0 ? -value : value);
    std::string out = value < 0 ? "-" : "";
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += separator;
        out += digits[i];
    }
    return out;
}

std::string lowerAscii(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

std::string zeroPadded(std::string_view s, std::size_t width) {
    return std::string(width > s.size() ? width - s.size() : 0, '0') + std::string(s);
}

std::string blanka(int n) {
    return n <= 0 ? std::string() : std::string(static_cast<std::size_t>(n), ' ');
}

std::string trimhoger(std::string_view s) {
    const auto last = s.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string() : std::string(s.substr(0, last + 1));
}

std::string trimvanster(std::string_view s) {
    const auto first = s.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string() : std::string(s.substr(first));
}

int brytpunkt(std::string_view s, int mode) {
    if (mode == 1) {
        const auto last = s.rfind('\\');
        return last == std::string_view::npos ? 0 : static_cast<int>(last);
    }
    const auto last = s.find_last_of(" ,-./:;\\");
    return static_cast<int>(last == std::string_view::npos ? s.size() : last + 1);
}

std::string nastaord(std::string_view skiljetecken, std::string& s) {
    const auto wordStart = std::min(s.find_first_not_of(skiljetecken), s.size());
    const auto wordEnd = std::min(s.find_first_of(skiljetecken, wordStart), s.size());
    const auto restStart = std::min(s.find_first_not_of(skiljetecken, wordEnd), s.size());
    std::string word = s.substr(wordStart, wordEnd - wordStart);
    s.erase(0, restStart);
    return word;
}

}  // namespace tessla
