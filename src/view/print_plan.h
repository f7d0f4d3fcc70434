#pragma once

// What the print window decides, as a plan the window carries out: which of its controls a kind
// of print enables, what its kind list and note say, when a job must ask for a PDF file, and for
// a job: what it collects and how it sorts, how far its progress goes, what its subtitle leads
// with, which routine prints it and on which orientation of paper. The window keeps the printer,
// the painter, the file dialog and the progress bar.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "base/calendar_date.h"
#include "census/household.h"
#include "census/person.h"
#include "database/database.h"
#include "view/print_choices.h"
#include "view/print_collection.h"
#include "view/print_pages.h"

namespace tessla {

// The print window's controls as they stand when a job starts.
struct PrintChoices {
    int kind = 0;                       // the kind list's index; none chosen (below 0) reads as 0
    int firstSort = 0, secondSort = 1;  // the sort lists' indexes
    std::string from, to;               // the range fields (UTF-8)
};

// What else a job goes on: the persons of the result list and the print limit.
struct PrintSituation {
    std::int32_t results = 0;
    std::int32_t printLimit = 0;
};

// The controls the kind at `kindIndex` of the kind list enables: the sort lists with their
// labels for a table, the range fields for every kind but the household's.
struct PrintControls {
    bool sortLists = false;
    bool range = false;
};
PrintControls printControls(int kindIndex);

// The kind list's items (UTF-8), naming the print maximum and the household's entries.
std::array<std::string, kPrintKinds.size()> printKindTexts(PrintSituation situation,
                                                           std::int32_t householdSize, Language language);
// The note under the kind list of a result larger than a job collects (UTF-8), "Utskriften tar
// de första 10 000 av 52 310 i listans ordning."; empty when a job takes the whole result.
std::string printWindowNote(std::int32_t results, Language language);

// Whether a job asks for a PDF file before it prints: not on a system printer, and no file
// chosen but the one the last job asked for. A file chosen in the set-up dialog serves every job;
// one asked for serves one job, so that the next does not overwrite it unasked. Files are UTF-8.
bool asksForFile(bool systemPrinter, std::string_view chosenFile, std::string_view askedFile);
// The file that question suggests: the one chosen, else "tessla.pdf".
std::string suggestedPrintFile(std::string_view chosenFile);

// How a job's persons go on paper: the record the main window shows alone, whole records, a
// table, or a table with a dashed line between households.
enum class PrintRoutine { singleRecord, records, table, roll };

// One job, fixed when it starts.
struct PrintPlan {
    PrintRoutine routine = PrintRoutine::records;
    PrintKind kind = PrintKind::records;  // what is collected: the result list or the household
    PrintKeys keys;
    PrintRange range;
    std::optional<Tenperson> single;   // the single record's own copy
    char separator = '\\';             // between the sort keys of a person's sort text
    std::int32_t progressMaximum = 1;  // the progress bar's end
    bool showsProgress = true;         // the progress bar, the status and the cancel hint
    std::string lead;                  // the subtitle's start (Windows-1252)

    // Tables print across the paper, under a heading row; records print down it.
    bool printsTable() const { return routine == PrintRoutine::table || routine == PrintRoutine::roll; }
    bool landscape() const { return printsTable(); }
};

// The plan of a job of the kind chosen: the household kind prints the household list shown in
// the main window (its current row, or its first, names it), every other kind the result list.
PrintPlan planPrint(const PrintChoices& choices, PrintSituation situation, const HouseholdList& household,
                    Language language);
// The plan of printing `person` alone.
PrintPlan planSingleRecord(const Tenperson& person, PrintSituation situation, Language language);

// The plan's persons: the single record, the household list in its order, or the first persons
// of the result list sorted by the plan's keys. `step` runs before each person read; `sorting`
// once the reading is done and the sort begins.
CollectedPersons collectPlanned(Database& db, const PrintPlan& plan, const HouseholdList& household,
                                Language language, const PrintStep& step,
                                const std::function<void()>& sorting);

// The heading of the job's pages: the page word and the subtitle, with the note of a result
// larger than the job collected and the date of printing.
PageHeading printHeading(const PrintPlan& plan, const CollectedPersons& persons, CalendarDate date,
                         Language language);

// Prints the collected persons by the plan's routine: the single record at once, the others
// position by position of the plan's range, `printing` first with the position (false cancels).
// Returns false when cancelled.
bool printPlanned(PrintPages& pages, const PrintPlan& plan, const CollectedPersons& persons,
                  Language language, const std::function<bool(std::int32_t)>& printing);

}  // namespace tessla
