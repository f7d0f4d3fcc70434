#include "view/printed_persons.h"

#include <algorithm>
#include <optional>

namespace tessla {

namespace {

// Runs `print` for each position of the range, as the step lets it.
bool eachPosition(const CollectedPersons& persons, PrintRange range,
                  const std::function<bool(std::int32_t)>& printing,
                  const std::function<void(const std::optional<Tenperson>&)>& print) {
    const auto count = static_cast<std::int32_t>(persons.entries.size());
    const std::int32_t last = std::min({range.to, count, kMostCollected});
    for (std::int32_t position = std::max(range.from, 1); position <= last; ++position) {
        if (!printing(position)) return false;
        print(persons.entries[static_cast<std::size_t>(position - 1)]);
    }
    return true;
}

}  // namespace

std::string printedRecord(const Tenperson& person, Language language) {
    return inLanguage(language, "[1]Post ", "[1]Record: ") + person.POSTID + "\r\r" +
           buildPersonText(person, language);
}

std::array<std::string, kTableColumns> tableHeadings(Language language) {
    std::array<std::string, kTableColumns> headings;
    for (int k = 0; k < kTableColumns; ++k) headings[k] = personColumnHeader(k + 1, language);
    return headings;
}

std::array<std::string, kTableColumns> tableCells(const Tenperson& person, Language language) {
    std::array<std::string, kTableColumns> cells;
    for (int k = 0; k < kTableColumns; ++k) cells[k] = personColumnText(person, k + 1, language);
    return cells;
}

bool printRecords(PrintPages& pages, const CollectedPersons& persons, PrintRange range, Language language,
                  const std::function<bool(std::int32_t)>& printing) {
    return eachPosition(persons, range, printing, [&](const std::optional<Tenperson>& person) {
        if (person) pages.record(printedRecord(*person, language));
    });
}

bool printTable(PrintPages& pages, const CollectedPersons& persons, PrintRange range, bool roll,
                Language language, const std::function<bool(std::int32_t)>& printing) {
    std::optional<std::string> household;  // the whole household key of the person printed before
    return eachPosition(persons, range, printing, [&](const std::optional<Tenperson>& person) {
        if (!person) {
            pages.dashedSeparator();
            return;
        }
        const std::string key = householdKey(*person);
        if (roll && household && *household != key && !household->empty()) pages.dashedSeparator();
        if (!person->HUSHNR.empty()) {
            household = key;
        } else {
            household = std::string();
        }
        pages.tableRow(tableCells(*person, language));
    });
}

}  // namespace tessla
