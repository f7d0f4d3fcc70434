#include "view/export_files.h"

#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "base/cp1252.h"
#include "base/string_utils.h"
#include "view/gedcom.h"

namespace tessla {

namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool english(Language language) {
    return language == Language::English;
}

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

std::string systemReason(int error) {
    return std::strerror(error);
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
    if (english(language)) return "The list is longer than the export limit. The file gets " + note + ".";
    return "Listan är längre än exportgränsen. Filen får " + note + ".";
}

std::string sourceCitation(const Tenperson& person, Language language, std::string_view version,
                           std::optional<CalendarDate> databaseDate) {
    const std::optional<std::string> edition =
        utf8ToCp1252(Utf8View(programEdition(language, version, databaseDate)));
    return censusTitle(language) + ", " + censusPage(person, language) + " (" + edition.value_or("Tessla") +
           ")";
}

std::string suggestedFileName(const Tenperson& person, std::string_view fallback,
                              std::string_view extension) {
    std::string name;
    for (const std::string_view part : {trimBlanks(person.ENAMN), trimBlanks(person.FNAMN)}) {
        if (part.empty()) continue;
        if (!name.empty()) name += ' ';
        name += part;
    }
    std::string safe;
    for (const char c : cp1252ToUtf8(name).str()) {
        if (static_cast<unsigned char>(c) < 32 ||
            std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos)
            continue;
        safe += c;
    }
    while (!safe.empty() && (safe.front() == '.' || safe.front() == ' ')) safe.erase(0, 1);
    if (safe.empty()) safe = fallback;
    return safe + "." + std::string(extension);
}

std::optional<std::string> writeFileWhole(const std::string& path, std::string_view content) {
    std::string temporary = path + ".XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0) return systemReason(errno);
    int error = 0;
    for (std::size_t done = 0; done < content.size() && error == 0;) {
        const ssize_t n = ::write(fd, content.data() + done, content.size() - done);
        if (n < 0 && errno != EINTR) error = errno;
        if (n > 0) done += static_cast<std::size_t>(n);
    }
    if (error == 0 && ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    // mkstemp makes the file for its owner alone; an export is an ordinary file.
    if (error == 0) {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        if (::chmod(temporary.c_str(), 0666 & ~mask) != 0) error = errno;
    }
    if (error == 0 && std::rename(temporary.c_str(), path.c_str()) != 0) error = errno;
    if (error != 0) {
        std::remove(temporary.c_str());
        return systemReason(error);
    }
    return std::nullopt;
}

}  // namespace tessla
