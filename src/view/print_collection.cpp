#include "view/print_collection.h"

#include <algorithm>

#include "storage/sorter.h"

namespace tessla {

namespace {

// The record number of row `row` of the person list, or 0 when the row cannot be read.
std::int32_t recordOfRow(TSPstruktlista& list, std::int32_t row) {
    list.lasrad(row);
    return list.currentRow() == row ? static_cast<std::int32_t>(list.ord1()) : 0;
}

}  // namespace

std::string printSortText(const Tenperson& person, PrintKeys keys, char separator, Language language) {
    std::string text = personSortKey(person, keys.first, language);
    if (keys.first == kHouseholdOrderKey) text = person.HEMLEN + separator + person.HEMFO + separator + text;
    if (keys.second != 0) text += separator + personSortKey(person, keys.second, language);
    if (text.size() > 255) text.resize(255);
    return text;
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

}  // namespace tessla
