#include "view/print_choices.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "base/string_utils.h"

namespace tessla {

namespace {

// A whole number, or nothing for a text that is not one.
std::optional<std::int32_t> number(std::string_view text) {
    text = trimBlanks(text);
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

}  // namespace

std::string printKindText(PrintKind kind, std::int32_t maximum, std::int32_t members, Language language) {
    const std::string n = std::to_string(maximum);
    switch (kind) {
        case PrintKind::records:
            return inLanguage(language, "Hela poster (max " + n + ")", "Records (max." + n + ")");
        case PrintKind::table:
            return inLanguage(language, "Tabell (max " + n + " rader)", "Table (max." + n + " rows)");
        case PrintKind::roll:
            return inLanguage(language, "Tabell, ordnad som en husförhörslängd (max " + n + " rader)",
                              "Table, household examination roll (max. " + n + " rows)");
        case PrintKind::household:
            return inLanguage(language, "Tabell över visat hushåll, " + std::to_string(members) + " rader",
                              "Table, current household, " + std::to_string(members) + " rows");
    }
    return {};
}

std::array<std::string, 4> sortOrderNames(Language language) {
    return inLanguage(
        language, std::array<std::string, 4>{"Namn", "Födelseår", "Födelseort", "Boendeort"},
        std::array<std::string, 4>{"Name", "Year of birth", "Place of birth", "Place of residence"});
}

PrintKeys printKeys(PrintKind kind, int firstIndex, int secondIndex) {
    PrintKeys keys{firstIndex + 1, secondIndex + 1};
    if (kind == PrintKind::roll) keys = {kHouseholdOrderKey, 1};
    if (keys.second == keys.first) keys.second = 0;
    return keys;
}

std::string sortText(PrintKeys keys, Language language) {
    static constexpr Bilingual<const char*> kFirst[] = {
        {"ordnad efter namn", "sorted by name"},
        {"ordnad efter födelseår", "sorted by year of birth"},
        {"ordnad efter födelseförsamling", "sorted by place of birth"},
        {"ordnad efter boendeförsamling/plats", "sorted by place of residence"},
        {"ordnad som en husförhörslängd", "household examination roll"}};
    static constexpr Bilingual<const char*> kSecond[] = {
        {" + namn", " + name"},
        {" + födelseår", " + year of birth"},
        {" + födelseförsamling", " + place of birth"},
        {" + boendeförsamling/plats", " + place of residence"}};
    if (keys.first < 1 || keys.first > 5) return {};
    std::string text = inLanguage(language, kFirst[keys.first - 1]);
    // The English roll says nothing of its second key.
    const bool second =
        keys.second >= 1 && keys.second <= 4 && inLanguage(language, true, keys.first != kHouseholdOrderKey);
    if (second) text += inLanguage(language, kSecond[keys.second - 1]);
    return text;
}

PrintRange printRange(std::string_view from, std::string_view to) {
    return {number(from).value_or(0), number(to).value_or(kRangeEverything)};
}

std::int32_t printMaximum(std::int32_t count, std::int32_t printLimit) {
    return std::min(count, printLimit);
}

}  // namespace tessla
