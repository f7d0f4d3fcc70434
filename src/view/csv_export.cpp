#include "view/csv_export.h"

#include "base/cp1252.h"
#include "base/string_utils.h"
#include "view/print_subtitle.h"
#include "view/printed_persons.h"

namespace tessla {

namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string joinedRow(const std::array<std::string, kTableColumns>& cells, std::string_view last) {
    std::string row;
    for (const std::string& cell : cells) row += csvField(cp1252ToUtf8(trimBlanks(cell)).str()) + ",";
    return row + csvField(cp1252ToUtf8(trimBlanks(last)).str()) + std::string(kCrLf);
}

// The first characters with which a spreadsheet starts a formula, or which it drops before
// looking for one.
bool startsAsFormula(std::string_view text) {
    return !text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos;
}

}  // namespace

std::string csvField(std::string_view utf8) {
    std::string text = startsAsFormula(utf8) ? "'" : "";
    text += utf8;
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string field = "\"";
    for (const char c : text) {
        field += c;
        if (c == '"') field += '"';
    }
    return field + "\"";
}

std::string csvHeader(Language language) {
    return joinedRow(tableHeadings(language), "POSTID");
}

std::string csvRow(const Tenperson& person, Language language) {
    return joinedRow(tableCells(person, language), person.POSTID);
}

std::string csvFile(const CollectedPersons& persons, Language language) {
    std::string text = std::string(kByteOrderMark) + csvHeader(language);
    for (const std::optional<Tenperson>& person : persons.entries)
        if (person) text += csvRow(*person, language);
    return text;
}

CsvExport exportResult(Database& db, std::int32_t limit, std::optional<PrintKeys> keys, Language language,
                       const PrintStep& step) {
    CollectedPersons persons = readResult(db, limit, step);
    CsvExport out{{}, persons.collected, persons.available, persons.cancelled};
    if (persons.cancelled) return out;
    if (keys) sortCollected(persons, *keys, '/', language);
    out.text = csvFile(persons, language);
    return out;
}

std::string exportLimitNotice(std::int32_t limit, std::int32_t available, Language language) {
    const std::string note = collectedNote(limit, available, language);
    if (note.empty()) return {};
    return inLanguage(language, "Listan är längre än exportgränsen. Filen får " + note + ".",
                      "The list is longer than the export limit. The file gets " + note + ".");
}

}  // namespace tessla
