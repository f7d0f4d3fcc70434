#include "view/print_jobs.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "base/cp1252.h"
#include "base/string_utils.h"
#include "storage/sorter.h"

namespace tessla {

namespace {

bool english(Language language) {
    return language == Language::English;
}

std::string cp1252(std::string_view utf8) {
    return utf8ToCp1252(Utf8View(utf8)).value_or(std::string(utf8));
}

// A whole number, or nothing for a text that is not one.
std::optional<std::int32_t> number(std::string_view text) {
    text = trimBlanks(text);
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// 52310 as "52 310" (Swedish) or "52,310" (English).
std::string grouped(std::int32_t value, Language language) {
    return groupedDigits(value, english(language) ? ',' : ' ');
}

// The record number of row `row` of the person list, or 0 when the row cannot be read.
std::int32_t recordOfRow(TSPstruktlista& list, std::int32_t row) {
    list.lasrad(row);
    return list.currentRow() == row ? static_cast<std::int32_t>(list.ord1()) : 0;
}

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

std::string printKindText(PrintKind kind, std::int32_t maximum, std::int32_t members, Language language) {
    const std::string n = std::to_string(maximum);
    switch (kind) {
        case PrintKind::records:
            return english(language) ? "Records (max." + n + ")" : "Hela poster (max " + n + ")";
        case PrintKind::table:
            return english(language) ? "Table (max." + n + " rows)" : "Tabell (max " + n + " rader)";
        case PrintKind::roll:
            return english(language) ? "Table, household examination roll (max. " + n + " rows)"
                                     : "Tabell, ordnad som en husförhörslängd (max " + n + " rader)";
        case PrintKind::household:
            return english(language) ? "Table, current household, " + std::to_string(members) + " rows"
                                     : "Tabell över visat hushåll, " + std::to_string(members) + " rader";
    }
    return {};
}

std::array<std::string, 4> sortOrderNames(Language language) {
    if (english(language)) return {"Name", "Year of birth", "Place of birth", "Place of residence"};
    return {"Namn", "Födelseår", "Födelseort", "Boendeort"};
}

PrintKeys printKeys(PrintKind kind, int firstIndex, int secondIndex) {
    PrintKeys keys{firstIndex + 1, secondIndex + 1};
    if (kind == PrintKind::roll) keys = {kHouseholdOrderKey, 1};
    if (keys.second == keys.first) keys.second = 0;
    return keys;
}

PrintRange printRange(std::string_view from, std::string_view to) {
    return {number(from).value_or(0), number(to).value_or(kRangeEverything)};
}

std::int32_t printMaximum(std::int32_t count, std::int32_t printLimit) {
    return std::min(count, printLimit);
}

std::string sortText(PrintKeys keys, Language language) {
    static constexpr const char* kFirst[2][5] = {
        {"ordnad efter namn", "ordnad efter födelseår", "ordnad efter födelseförsamling",
         "ordnad efter boendeförsamling/plats", "ordnad som en husförhörslängd"},
        {"sorted by name", "sorted by year of birth", "sorted by place of birth",
         "sorted by place of residence", "household examination roll"}};
    static constexpr const char* kSecond[2][4] = {
        {" + namn", " + födelseår", " + födelseförsamling", " + boendeförsamling/plats"},
        {" + name", " + year of birth", " + place of birth", " + place of residence"}};
    const int lang = english(language) ? 1 : 0;
    if (keys.first < 1 || keys.first > 5) return {};
    std::string text = kFirst[lang][keys.first - 1];
    // The English roll says nothing of its second key.
    const bool second =
        keys.second >= 1 && keys.second <= 4 && !(lang == 1 && keys.first == kHouseholdOrderKey);
    if (second) text += kSecond[lang][keys.second - 1];
    return text;
}

std::string printSortText(const Tenperson& person, PrintKeys keys, char separator, Language language) {
    std::string text = personSortKey(person, keys.first, language);
    if (keys.first == kHouseholdOrderKey) text = person.HEMLEN + separator + person.HEMFO + separator + text;
    if (keys.second != 0) text += separator + personSortKey(person, keys.second, language);
    if (text.size() > 255) text.resize(255);
    return text;
}

std::string printDateText(PrintDate date, Language language) {
    char text[16];
    if (english(language)) {
        std::snprintf(text, sizeof text, "%02d/%02d/%04d", date.month, date.day, date.year);
    } else {
        std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    }
    return text;
}

std::string printCredit(Language language) {
    return english(language) ? "Tessla · Stamma and Arkivo" : "Tessla · Stamma och Arkivo";
}

std::string collectedNote(std::int32_t collected, std::int32_t available, Language language) {
    if (available <= collected) return {};
    if (english(language))
        return "the first " + grouped(collected, language) + " of " + grouped(available, language) +
               " in list order";
    return "de första " + grouped(collected, language) + " av " + grouped(available, language) +
           " i listans ordning";
}

std::string printOutcomeText(const PrintOutcome& outcome, Language language) {
    const bool inEnglish = english(language);
    if (outcome.cancelled) return inEnglish ? "Printing cancelled" : "Utskriften avbröts";
    const bool one = outcome.pages == 1;
    std::string text = grouped(outcome.pages, language);
    if (inEnglish) {
        text += one ? " page printed" : " pages printed";
        return text + (outcome.file.empty() ? " on " + outcome.printer : " to " + outcome.file);
    }
    text += one ? " sida utskriven" : " sidor utskrivna";
    return text + (outcome.file.empty() ? " på " + outcome.printer : " till " + outcome.file);
}

std::string printSubtitle(std::string_view lead, std::string_view note, PrintDate date, Language language) {
    std::string text(lead);
    if (!note.empty()) text += cp1252(note) + ", ";
    return text + printDateText(date, language) + ".   " + cp1252(printCredit(language));
}

std::string recordsLead(Language language) {
    return english(language) ? "Records, " : "Poster, ";
}

std::string tableLead(PrintKeys keys, Language language) {
    return cp1252((english(language) ? "Table, " : "Tabell, ") + sortText(keys, language) + ", ");
}

std::string singleRecordLead(Language language) {
    return english(language) ? "Single record, " : "Enstaka post, ";
}

std::string householdLead(std::string_view name, std::string_view year, Language language) {
    std::string text = cp1252(english(language) ? "Household of " : "Hushåll för ") + std::string(name);
    if (!year.empty()) text += std::string(english(language) ? ", b. " : ", f. ") + std::string(year);
    return text + ". ";
}

std::string printedRecord(const Tenperson& person, Language language) {
    return (english(language) ? "[1]Record: " : "[1]Post ") + person.POSTID + "\r\r" +
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

CollectedPersons readResult(Database& db, std::int32_t most, const PrintStep& step) {
    CollectedPersons out;
    TSPstruktlista& list = db.tessllista();
    const Tspsmalurval& chosen = list.vald();
    out.available = chosen.antal();
    most = std::clamp(most, 0, kMostCollected);
    out.entries.reserve(static_cast<std::size_t>(std::min(out.available, most)));
    for (std::int32_t row = 0; out.collected < most && chosen.nasta(row);) {
        if (!step()) {
            out.cancelled = true;
            out.entries.clear();
            return out;
        }
        ++out.collected;
        const std::int32_t record = recordOfRow(list, row);
        out.entries.emplace_back(record > 0 ? loadPerson(db.tessl(), record) : Tenperson{});
    }
    return out;
}

void sortCollected(CollectedPersons& persons, PrintKeys keys, char separator, Language language) {
    Tspsortera sorter;
    sorter.SetCapacity(static_cast<std::int32_t>(persons.entries.size()));
    for (std::size_t i = 0; i < persons.entries.size(); ++i) {
        const std::optional<Tenperson>& person = persons.entries[i];
        sorter.Add(printSortText(person ? *person : Tenperson{}, keys, separator, language),
                   static_cast<std::int32_t>(i));
    }
    sorter.Sort();
    std::vector<std::optional<Tenperson>> sorted;
    sorted.reserve(persons.entries.size());
    for (int i = 1; i <= sorter.count(); ++i)
        sorted.push_back(std::move(persons.entries[static_cast<std::size_t>(sorter.entry(i).value)]));
    persons.entries = std::move(sorted);
}

CollectedPersons collectResult(Database& db, PrintKeys keys, char separator, Language language,
                               const PrintStep& step, const std::function<void()>& sorting) {
    CollectedPersons out = readResult(db, kMostCollected, step);
    if (out.cancelled) return out;
    if (sorting) sorting();
    sortCollected(out, keys, separator, language);
    return out;
}

CollectedPersons collectHousehold(Database& db, const HouseholdList& household, const PrintStep& step) {
    CollectedPersons out;
    for (std::int32_t row = 1; row <= household.size(); ++row) {
        if (household.isSeparator(row)) {
            out.entries.emplace_back();
            continue;
        }
        if (out.collected >= kMostCollected) break;
        if (!step()) {
            out.cancelled = true;
            return out;
        }
        ++out.collected;
        const std::int32_t record = household.householdRecordNumber(row);
        out.entries.emplace_back(loadPerson(db.tessl(), record > 0 ? record : 1));
    }
    out.available = out.collected;
    return out;
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
