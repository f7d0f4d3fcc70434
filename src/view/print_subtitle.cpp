#include "view/print_subtitle.h"

#include "base/cp1252.h"
#include "base/string_utils.h"

namespace tessla {

namespace {

std::string cp1252(std::string_view utf8) {
    return utf8ToCp1252(Utf8View(utf8)).value_or(std::string(utf8));
}

}  // namespace

std::string groupedNumber(std::int64_t value, Language language) {
    return groupedDigits(value, inLanguage(language, ' ', ','));
}

std::string printCredit(Language language) {
    return inLanguage(language, "Tessla · Stamma och Arkivo", "Tessla · Stamma and Arkivo");
}

std::string collectedNote(std::int32_t collected, std::int32_t available, Language language) {
    if (available <= collected) return {};
    const std::string first = groupedNumber(collected, language), all = groupedNumber(available, language);
    return inLanguage(language, "de första " + first + " av " + all + " i listans ordning",
                      "the first " + first + " of " + all + " in list order");
}

std::string printSubtitle(std::string_view lead, std::string_view note, CalendarDate date,
                          Language language) {
    std::string text(lead);
    if (!note.empty()) text += cp1252(note) + ", ";
    return text + dateText(date, language) + ".   " + cp1252(printCredit(language));
}

std::string recordsLead(Language language) {
    return inLanguage(language, "Poster, ", "Records, ");
}

std::string tableLead(PrintKeys keys, Language language) {
    return cp1252(inLanguage(language, "Tabell, ", "Table, ") + sortText(keys, language) + ", ");
}

std::string singleRecordLead(Language language) {
    return inLanguage(language, "Enstaka post, ", "Single record, ");
}

std::string householdLead(std::string_view name, std::string_view year, Language language) {
    std::string text = cp1252(inLanguage(language, "Hushåll för ", "Household of ")) + std::string(name);
    if (!year.empty()) text += inLanguage(language, ", f. ", ", b. ") + std::string(year);
    return text + ". ";
}

}  // namespace tessla
