#include "view/print_plan.h"

#include <algorithm>
#include <climits>

#include "view/print_subtitle.h"
#include "view/printed_persons.h"

namespace tessla {

namespace {

std::int32_t clampToInt(long long value) {
    return static_cast<std::int32_t>(std::clamp<long long>(value, 0, INT32_MAX));
}

PrintRoutine routineOf(PrintKind kind) {
    switch (kind) {
        case PrintKind::records:
            return PrintRoutine::records;
        case PrintKind::roll:
            return PrintRoutine::roll;
        case PrintKind::table:
        case PrintKind::household:
            break;
    }
    return PrintRoutine::table;
}

// The progress bar runs over the persons a job reads: those of its range, of the result (or the
// household), and of what it collects at most; a whole-record job at most its print maximum.
std::int32_t progressMaximum(const PrintPlan& plan, std::int32_t members, std::int32_t printLimit) {
    const std::int32_t most =
        plan.kind == PrintKind::records ? printMaximum(members, printLimit) : kMostCollected;
    return std::max(1, std::min({clampToInt(1LL + plan.range.to - plan.range.from), members, most}));
}

}  // namespace

PrintControls printControls(int kindIndex) {
    return {kindIndex == static_cast<int>(PrintKind::table),
            kindIndex != static_cast<int>(PrintKind::household)};
}

std::array<std::string, kPrintKinds.size()> printKindTexts(PrintSituation situation,
                                                           std::int32_t householdSize, Language language) {
    const std::int32_t maximum = printMaximum(situation.results, situation.printLimit);
    std::array<std::string, kPrintKinds.size()> texts;
    for (std::size_t k = 0; k < kPrintKinds.size(); ++k)
        texts[k] = printKindText(kPrintKinds[k], maximum, householdSize, language);
    return texts;
}

std::string printWindowNote(std::int32_t results, Language language) {
    const std::string note = collectedNote(std::min(results, kMostCollected), results, language);
    if (note.empty()) return {};
    return inLanguage(language, "Utskriften tar ", "The print takes ") + note + ".";
}

bool asksForFile(bool systemPrinter, std::string_view chosenFile, std::string_view askedFile) {
    return !systemPrinter && (chosenFile.empty() || chosenFile == askedFile);
}

std::string suggestedPrintFile(std::string_view chosenFile) {
    return chosenFile.empty() ? "tessla.pdf" : std::string(chosenFile);
}

PrintPlan planPrint(const PrintChoices& choices, PrintSituation situation, const HouseholdList& household,
                    Language language) {
    PrintPlan plan;
    plan.kind = static_cast<PrintKind>(std::clamp(choices.kind, 0, static_cast<int>(PrintKind::household)));
    plan.routine = routineOf(plan.kind);
    plan.keys = printKeys(plan.kind, choices.firstSort, choices.secondSort);
    if (plan.kind == PrintKind::household) {
        const std::int32_t row = std::max(household.currentRow(), 1);
        plan.lead = householdLead(household.householdCell(row, 1, language),
                                  household.householdCell(row, 2, language), language);
        plan.progressMaximum = progressMaximum(plan, household.size(), situation.printLimit);
        return plan;
    }
    plan.range = printRange(choices.from, choices.to);
    plan.separator = plan.kind == PrintKind::records ? '\\' : '/';
    plan.lead = plan.kind == PrintKind::records ? recordsLead(language) : tableLead(plan.keys, language);
    plan.progressMaximum = progressMaximum(plan, situation.results, situation.printLimit);
    return plan;
}

PrintPlan planSingleRecord(const Tenperson& person, PrintSituation situation, Language language) {
    PrintPlan plan;
    plan.routine = PrintRoutine::singleRecord;
    plan.single = person;
    plan.showsProgress = false;
    plan.lead = singleRecordLead(language);
    plan.progressMaximum = progressMaximum(plan, situation.results, situation.printLimit);
    return plan;
}

CollectedPersons collectPlanned(Database& db, const PrintPlan& plan, const HouseholdList& household,
                                Language language, const PrintStep& step,
                                const std::function<void()>& sorting) {
    if (plan.single) {
        CollectedPersons persons;
        persons.entries.emplace_back(*plan.single);
        return persons;
    }
    if (plan.kind == PrintKind::household) return collectHousehold(db, household, step);
    return collectResult(db, plan.keys, plan.separator, language, step, sorting);
}

PageHeading printHeading(const PrintPlan& plan, const CollectedPersons& persons, CalendarDate date,
                         Language language) {
    const std::string note = collectedNote(persons.collected, persons.available, language);
    return {"Tessla", inLanguage(language, "Sida ", "Page "), printSubtitle(plan.lead, note, date, language)};
}

bool printPlanned(PrintPages& pages, const PrintPlan& plan, const CollectedPersons& persons,
                  Language language, const std::function<bool(std::int32_t)>& printing) {
    switch (plan.routine) {
        case PrintRoutine::singleRecord:
            if (plan.single) pages.record(printedRecord(*plan.single, language));
            return true;
        case PrintRoutine::records:
            return printRecords(pages, persons, plan.range, language, printing);
        case PrintRoutine::table:
        case PrintRoutine::roll:
            break;
    }
    return printTable(pages, persons, plan.range, plan.routine == PrintRoutine::roll, language, printing);
}

}  // namespace tessla
