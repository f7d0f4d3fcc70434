#pragma once

// Collected persons on the page engine: a record as printed, a person's table row with its
// headings, and the printing of a range of the collected persons as records or as table rows.

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "census/person.h"
#include "view/print_choices.h"
#include "view/print_collection.h"
#include "view/print_pages.h"

namespace tessla {

// A record as printed: "[1]Post " / "[1]Record: " + POSTID, two line breaks, the person text.
std::string printedRecord(const Tenperson& person, Language language);
// The six headings and cells of a person's table row.
std::array<std::string, kTableColumns> tableHeadings(Language language);
std::array<std::string, kTableColumns> tableCells(const Tenperson& person, Language language);

// Prints the positions `range` of the collected persons (at most kMostCollected): as records,
// or as table rows with the roll's dashed line between two households. `printing` runs before
// each position printed with the position; false cancels. Returns false when cancelled.
bool printRecords(PrintPages& pages, const CollectedPersons& persons, PrintRange range, Language language,
                  const std::function<bool(std::int32_t)>& printing);
bool printTable(PrintPages& pages, const CollectedPersons& persons, PrintRange range, bool roll,
                Language language, const std::function<bool(std::int32_t)>& printing);

}  // namespace tessla
