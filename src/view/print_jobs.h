#pragma once

// What the print window prints, without pixels: the texts of its kinds and sort orders, the keys
// and range a job runs with, the persons it collects from the result list (or the household) and
// the order it prints them in, the subtitle of its pages, and the printing of records and tables
// through the page engine. A job reads persons into its own copies and never changes the
// program's current person.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "census/household.h"
#include "census/person.h"
#include "database/database.h"
#include "view/print_pages.h"

namespace tessla {

enum class PrintKind { records = 0, table = 1, roll = 2, household = 3 };

// A job reads and prints at most this many persons.
inline constexpr std::int32_t kMostCollected = 10000;
// The end of a range field that is not a number: everything.
inline constexpr std::int32_t kRangeEverything = 5300000;
// The sort key of the household examination roll.
inline constexpr int kHouseholdOrderKey = 5;

// The item of kind `kind` in the kind list (UTF-8): `maximum` is the print maximum, `members`
// the household's entries.
std::string printKindText(PrintKind kind, std::int32_t maximum, std::int32_t members, Language language);
// The four sort orders of both sort lists (UTF-8).
std::array<std::string, 4> sortOrderNames(Language language);

// The sort keys of a job from the two sort lists' indexes: 1 … 4 from the lists, 5 and 1 for the
// roll; the second is 0 when it equals the first.
struct PrintKeys {
    int first = 1, second = 0;
};
PrintKeys printKeys(PrintKind kind, int firstIndex, int secondIndex);
// The positions of the sorted order a job prints: a field that is not a number gives 0 and
// `kRangeEverything`.
struct PrintRange {
    std::int32_t from = 0, to = kRangeEverything;
};
PrintRange printRange(std::string_view from, std::string_view to);
// The print maximum: the smaller of the count and the print limit.
std::int32_t printMaximum(std::int32_t count, std::int32_t printLimit);

// The sort text of a table's subtitle (UTF-8), "ordnad efter namn + födelseår".
std::string sortText(PrintKeys keys, Language language);
// A person's sort text: key one, then the separator and key two when there is one, cut to 255
// characters. The roll's key starts with the county and the parish, because household numbers
// start again in every parish.
std::string printSortText(const Tenperson& person, PrintKeys keys, char separator, Language language);

struct PrintDate {
    int year = 0, month = 0, day = 0;
};
// The date of printing: "2026-12-11" in Swedish, "12/11/2026" in English.
std::string printDateText(PrintDate date, Language language);
// The credit line ending every subtitle (UTF-8).
std::string printCredit(Language language);
// The note of a result larger than a job collects (UTF-8), empty when it is not:
// "de första 10 000 av 52 310 i listans ordning".
std::string collectedNote(std::int32_t collected, std::int32_t available, Language language);
// The subtitle (Windows-1252): `lead` (Windows-1252, "Poster, " or "Tabell, ordnad efter
// namn, "), the note when there is one, the date and the credit.
std::string printSubtitle(std::string_view lead, std::string_view note, PrintDate date, Language language);
// The leads of the subtitle (Windows-1252).
std::string recordsLead(Language language);
std::string tableLead(PrintKeys keys, Language language);
std::string singleRecordLead(Language language);
// "Hushåll för " / "Household of " + the name (+ ", f. " / ", b. " + the year when there is
// one) + ". "; name and year in Windows-1252.
std::string householdLead(std::string_view name, std::string_view year, Language language);

// How a job ended, for the line the print window keeps once the job is done.
struct PrintOutcome {
    bool cancelled = false;
    int pages = 0;
    // The PDF file printed to (UTF-8), empty on a printer.
    std::string file;
    // The printer's name (UTF-8) when not printing to a file.
    std::string printer;

    static PrintOutcome cancelledJob() { return {true, 0, {}, {}}; }
};
// That line (UTF-8): "17 sidor utskrivna till /hem/tessla.pdf" / "17 pages printed to …", "… på
// Skrivaren" / "… on Printer" for a printer, "Utskriften avbröts" / "Printing cancelled".
std::string printOutcomeText(const PrintOutcome& outcome, Language language);

// A record as printed: "[1]Post " / "[1]Record: " + POSTID, two line breaks, the person text.
std::string printedRecord(const Tenperson& person, Language language);
// The six headings and cells of a person's table row.
std::array<std::string, kTableColumns> tableHeadings(Language language);
std::array<std::string, kTableColumns> tableCells(const Tenperson& person, Language language);

// The persons of a job, in the order they print. An entry with no person is a separator (the
// household table's families).
struct CollectedPersons {
    std::vector<std::optional<Tenperson>> entries;
    std::int32_t available = 0;  // the persons the result (or the household) holds
    std::int32_t collected = 0;  // the persons read
    bool cancelled = false;
};

// Called before each person read or printed; false cancels the job.
using PrintStep = std::function<bool()>;

// Reads the first `most` (at most kMostCollected) persons of the result list's selection in list
// order, walking its set rows only; a row that cannot be read gives a person with every field empty.
// A cancelled reading keeps no person.
CollectedPersons readResult(Database& db, std::int32_t most, const PrintStep& step);
// Sorts the persons by their sort text (ascending; equal texts keep their order).
void sortCollected(CollectedPersons& persons, PrintKeys keys, char separator, Language language);
// Reads the first kMostCollected persons of the result list as readResult does, then sorts them
// as sortCollected does.
// `sorting`, when given, runs once the reading is done and the sort begins.
CollectedPersons collectResult(Database& db, PrintKeys keys, char separator, Language language,
                               const PrintStep& step, const std::function<void()>& sorting = {});
// The household list in its order: its members (a record number that cannot be read reads as 1)
// and its separators.
CollectedPersons collectHousehold(Database& db, const HouseholdList& household, const PrintStep& step);

// Prints the positions `range` of the collected persons (at most kMostCollected): as records,
// or as table rows with the roll's dashed line between two households. `printing` runs before
// each position printed with the position; false cancels. Returns false when cancelled.
bool printRecords(PrintPages& pages, const CollectedPersons& persons, PrintRange range, Language language,
                  const std::function<bool(std::int32_t)>& printing);
bool printTable(PrintPages& pages, const CollectedPersons& persons, PrintRange range, bool roll,
                Language language, const std::function<bool(std::int32_t)>& printing);

}  // namespace tessla
