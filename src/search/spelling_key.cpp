#include "search/spelling_key.h"

#include <algorithm>
#include <array>
#include <utility>

namespace tessla {

namespace {

// Windows-1252 capitals outside A-Z.
constexpr char kEAcute = '\xC9', kEGrave = '\xC8', kECircumflex = '\xCA', kUUmlaut = '\xDC';
constexpr char kAe = '\xC6', kAUmlaut = '\xC4', kOSlash = '\xD8', kOUmlaut = '\xD6';

char upper(char c) {
    const auto u = static_cast<unsigned char>(c);
    if (u >= 'a' && u <= 'z') return static_cast<char>(u - 0x20);
    if (u >= 0xE0 && u <= 0xFE && u != 0xF7) return static_cast<char>(u - 0x20);
    if (u == 0x9A || u == 0x9C || u == 0x9E) return static_cast<char>(u - 0x10);  // š œ ž
    if (u == 0xFF) return '\x9F';                                                 // ÿ
    return c;
}

// Upper-case letters only (the text is upper-cased first).
bool isLetter(char c) {
    const auto u = static_cast<unsigned char>(c);
    return (u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDF && u != 0xD7) || u == 0x8A || u == 0x8C ||
           u == 0x8E || u == 0x9F;
}

bool isVowel(char c) {
    constexpr std::string_view kVowels =
        "AEIOUY\xC0\xC1\xC2\xC3\xC4\xC5\xC6\xC8\xC9\xCA\xCB\xCC\xCD\xCE\xCF\xD2\xD3\xD4\xD5\xD6\xD8\xD9\xDA"
        "\xDB"
        "\xDC\xDD\x8C\x9F";
    return kVowels.find(c) != std::string_view::npos;
}

// The front vowels before which C, K and SK soften.
bool isFrontVowel(char c) {
    return c == 'E' || c == 'I' || c == 'Y' || c == kOUmlaut;
}

bool isConsonant(char c) {
    return isLetter(c) && !isVowel(c);
}

char at(const std::string& s, std::size_t i) {
    return i < s.size() ? s[i] : '\0';
}

// -DR and -D:R, the rolls' abbreviations of -dotter.
void expandDotter(std::string& s) {
    for (const std::string_view abbreviation : {"D:R", "DR"}) {
        if (s.ends_with(abbreviation)) {
            s.replace(s.size() - abbreviation.size(), abbreviation.size(), "DOTTER");
            return;
        }
    }
}

// Single letters to their common form; anything that is not a letter is dropped.
void mapLetters(std::string& s) {
    std::string out;
    for (const char c : s) {
        if (!isLetter(c)) continue;
        switch (c) {
            case kEAcute:
            case kEGrave:
            case kECircumflex:
            case kAe:
            case kAUmlaut:
                out += 'E';
                break;
            case kUUmlaut:
                out += 'Y';
                break;
            case kOSlash:
                out += kOUmlaut;
                break;
            case 'W':
                out += 'V';
                break;
            case 'Z':
                out += 'S';
                break;
            case 'Q':
                out += 'K';
                break;
            case 'X':
                out += "KS";
                break;
            default:
                out += c;
        }
    }
    s = std::move(out);
}

void replaceAll(std::string& s, std::string_view from, std::string_view to) {
    for (std::size_t i = s.find(from); i != std::string::npos; i = s.find(from, i + to.size()))
        s.replace(i, from.size(), to);
}

// Letter groups that are written differently but sound alike.
void mapGroups(std::string& s) {
    for (const std::string_view group : {"SCH", "SKJ", "STJ"}) replaceAll(s, group, "SJ");
    replaceAll(s, "PH", "F");
    replaceAll(s, "TH", "T");
    if (s.starts_with("CH") && isVowel(at(s, 2))) s.replace(0, 2, "SJ");
    replaceAll(s, "CH", "K");
    for (std::size_t i = s.find("SK"); i != std::string::npos; i = s.find("SK", i + 1))
        if (isFrontVowel(at(s, i + 2))) s[i + 1] = 'J';
    for (std::size_t i = 0; i < s.size(); ++i)
        if (s[i] == 'C') s[i] = isFrontVowel(at(s, i + 1)) ? 'S' : 'K';
    replaceAll(s, "CK", "K");
}

// The beginnings whose first letter is not heard.
void mapBeginning(std::string& s) {
    for (const std::string_view silent : {"HJ", "DJ", "GJ", "LJ"}) {
        if (s.starts_with(silent)) {
            s.erase(0, 1);
            return;
        }
    }
    if (s.starts_with("HV"))
        s.erase(0, 1);
    else if (s.starts_with("KJ") || s.starts_with("TJ"))
        s.replace(0, 2, "TJ");
    else if (s.starts_with('K') && isFrontVowel(at(s, 1)))
        s.replace(0, 1, "TJ");
}

void dropSilentH(std::string& s) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i)
        if (s[i] != 'H' || i == 0) out += s[i];
    s = std::move(out);
}

void collapseDoubles(std::string& s) {
    s.erase(std::unique(s.begin(), s.end()), s.end());
}

// FV and F before a consonant or at the end are said as V.
void mapF(std::string& s) {
    replaceAll(s, "FV", "V");
    for (std::size_t i = 0; i < s.size(); ++i)
        if (s[i] == 'F' && (i + 1 == s.size() || isConsonant(s[i + 1]))) s[i] = 'V';
}

// Contracted patronymics that no rule joins, as pairs of keys. Each short form is frequent beside
// its full form in the surname table of the census generator (data/generator/surnames.tsv, counts
// from the Stockholm tax register of 1880): Ersson 216 and Erson 36 beside Eriksson 2073,
// Olsson 1546 beside Olofsson 137. The daughters' names are contracted alike (Ersdotter,
// Olsdotter). Pehrsson and Persson need no pair: the rules give both PERSON.
constexpr std::array<std::pair<std::string_view, std::string_view>, 4> kJoinedKeys = {{
    {"ERSON", "ERIKSON"},
    {"OLSON", "OLOVSON"},
    {"ERSDOTER", "ERIKSDOTER"},
    {"OLSDOTER", "OLOVSDOTER"},
}};

}  // namespace

std::string spellingKey(std::string_view name) {
    std::string s;
    for (const char c : name) s += upper(c);
    expandDotter(s);
    mapLetters(s);
    mapGroups(s);
    mapBeginning(s);
    dropSilentH(s);
    replaceAll(s, "DT", "T");
    collapseDoubles(s);
    mapF(s);
    collapseDoubles(s);
    return s;
}

std::vector<std::string> spellingKeyFamily(std::string_view key) {
    std::vector<std::string> family{std::string(key)};
    for (const auto& [a, b] : kJoinedKeys) {
        if (key == a) family.emplace_back(b);
        if (key == b) family.emplace_back(a);
    }
    return family;
}

bool spellingKeysJoined(std::string_view a, std::string_view b) {
    const std::vector<std::string> family = spellingKeyFamily(a);
    return std::ranges::find(family, b) != family.end();
}

}  // namespace tessla
