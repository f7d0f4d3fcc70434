#include "view/print_plan.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "census_fixture.h"
#include "test_paper.h"
#include "test_text.h"

namespace tessla {
namespace {

using test::w;

TEST(PrintPlan, EachKindEnablesTheControlsItUses) {
    struct Case {
        int kind;
        bool sortLists, range;
    };
    const Case cases[] = {
        {-1, false, true},  // none chosen yet
        {0, false, true},   // records
        {1, true, true},    // table
        {2, false, true},   // roll: its own order
        {3, false, false},  // household: its own order, all of it
    };
    for (const Case& c : cases) {
        const PrintControls controls = printControls(c.kind);
        EXPECT_EQ(controls.sortLists, c.sortLists) << c.kind;
        EXPECT_EQ(controls.range, c.range) << c.kind;
    }
}

TEST(PrintPlan, TheKindListAndItsNoteNameTheMaximumAndWhatAJobTakes) {
    const auto swedish = printKindTexts({9, 5}, 2, Language::Swedish);
    EXPECT_EQ(swedish[0], "Hela poster (max 5)");
    EXPECT_EQ(swedish[2], "Tabell, ordnad som en husförhörslängd (max 5 rader)");
    EXPECT_EQ(swedish[3], "Tabell över visat hushåll, 2 rader");
    EXPECT_EQ(printKindTexts({3, 5}, 0, Language::English)[1], "Table (max.3 rows)");

    struct Case {
        std::int32_t results;
        Language language;
        const char* note;
    };
    const Case cases[] = {
        {800, Language::Swedish, ""},
        {10000, Language::English, ""},
        {10001, Language::Swedish, "Utskriften tar de första 10 000 av 10 001 i listans ordning."},
        {52310, Language::English, "The print takes the first 10,000 of 52,310 in list order."},
    };
    for (const Case& c : cases) EXPECT_EQ(printWindowNote(c.results, c.language), c.note) << c.results;
}

TEST(PrintPlan, AJobAsksForAFileWithoutAPrinterOrAFileOfItsOwn) {
    struct Case {
        bool systemPrinter;
        const char* chosen;
        const char* asked;
        bool asks;
    };
    const Case cases[] = {
        {true, "", "", false},                          // a system printer
        {false, "", "", true},                          // no file at all
        {false, "/a/set.pdf", "", false},               // chosen in the set-up dialog: every job
        {false, "/a/asked.pdf", "/a/asked.pdf", true},  // asked for by the last job: one job
        {false, "/a/set.pdf", "/a/asked.pdf", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(asksForFile(c.systemPrinter, c.chosen, c.asked), c.asks) << c.chosen << " " << c.asked;
    EXPECT_EQ(suggestedPrintFile(""), "tessla.pdf");
    EXPECT_EQ(suggestedPrintFile("/hem/lista.pdf"), "/hem/lista.pdf");
}

TEST(PrintPlan, TheResultKindsCollectSortAndPrintByTheirChoices) {
    const HouseholdList none;
    struct Case {
        PrintChoices choices;
        PrintSituation situation;
        Language language;
        PrintRoutine routine;
        int first, second;
        char separator;
        std::int32_t from, to, progress;
        const char* lead;  // UTF-8
    };
    const Case cases[] = {
        {{0, 2, 1, "", ""},
         {9, 5},
         Language::Swedish,
         PrintRoutine::records,
         3,
         2,
         '\\',
         0,
         kRangeEverything,
         5,
         "Poster, "},
        {{-1, 0, 1, "", ""},
         {9, 50},
         Language::English,
         PrintRoutine::records,
         1,
         2,
         '\\',
         0,
         kRangeEverything,
         9,
         "Records, "},
        {{1, 0, 0, "2", "4"},
         {9, 5},
         Language::Swedish,
         PrintRoutine::table,
         1,
         0,
         '/',
         2,
         4,
         3,
         "Tabell, ordnad efter namn, "},
        {{1, 1, 3, " 5", "x"},
         {20000, 5},
         Language::English,
         PrintRoutine::table,
         2,
         4,
         '/',
         5,
         kRangeEverything,
         kMostCollected,
         "Table, sorted by year of birth + place of residence, "},
        {{2, 3, 2, "7", "3"},
         {9, 5},
         Language::Swedish,
         PrintRoutine::roll,
         kHouseholdOrderKey,
         1,
         '/',
         7,
         3,
         1,
         "Tabell, ordnad som en husförhörslängd + namn, "},
        {{2, 0, 0, "", ""},
         {0, 5},
         Language::English,
         PrintRoutine::roll,
         kHouseholdOrderKey,
         1,
         '/',
         0,
         kRangeEverything,
         1,
         "Table, household examination roll, "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lead);
        const PrintPlan plan = planPrint(c.choices, c.situation, none, c.language);
        EXPECT_EQ(plan.routine, c.routine);
        EXPECT_EQ(plan.keys.first, c.first);
        EXPECT_EQ(plan.keys.second, c.second);
        EXPECT_EQ(plan.separator, c.separator);
        EXPECT_EQ(plan.range.from, c.from);
        EXPECT_EQ(plan.range.to, c.to);
        EXPECT_EQ(plan.progressMaximum, c.progress);
        EXPECT_EQ(plan.lead, w(c.lead));
        EXPECT_TRUE(plan.showsProgress);
        EXPECT_FALSE(plan.single.has_value());
        EXPECT_EQ(plan.landscape(), c.routine != PrintRoutine::records);
        EXPECT_EQ(plan.printsTable(), c.routine != PrintRoutine::records);
    }
}

TEST(PrintPlan, TheSingleRecordPrintsDownThePaperWithoutProgressOrSteps) {
    Tenperson person;
    person.POSTID = "A-3";
    const PrintPlan plan = planSingleRecord(person, {9, 5}, Language::English);
    EXPECT_EQ(plan.routine, PrintRoutine::singleRecord);
    EXPECT_FALSE(plan.showsProgress);
    EXPECT_FALSE(plan.landscape());
    EXPECT_FALSE(plan.printsTable());
    EXPECT_EQ(plan.lead, "Single record, ");
    ASSERT_TRUE(plan.single.has_value());
    person.POSTID = "changed";
    EXPECT_EQ(plan.single->POSTID, "A-3") << "the plan keeps its own copy";

    test::TestPaper paper;
    PrintPages pages(paper, {794, 1123, 96, 96}, {});
    pages.header();
    int steps = 0;
    EXPECT_TRUE(printPlanned(pages, plan, {}, Language::English, [&](std::int32_t) { return ++steps > 0; }));
    EXPECT_EQ(steps, 0);
    EXPECT_TRUE(pages.printedSinceHeader());
}

TEST(PrintPlan, TheHeadingSaysThePageWordTheLeadTheNoteAndTheDate) {
    PrintPlan plan;
    plan.lead = w("Tabell, ordnad efter namn, ");
    CollectedPersons persons;
    persons.collected = 10000;
    persons.available = 10001;
    const PageHeading swedish = printHeading(plan, persons, {2026, 3, 9}, Language::Swedish);
    EXPECT_EQ(swedish.title, "Tessla");
    EXPECT_EQ(swedish.pageWord, "Sida ");
    EXPECT_EQ(swedish.subtitle, w("Tabell, ordnad efter namn, de första 10 000 av 10 001 i listans ordning, "
                                  "2026-03-09.   Tessla · Stamma och Arkivo"));
    plan.lead = "Records, ";
    persons.available = 10000;
    const PageHeading english = printHeading(plan, persons, {2026, 3, 9}, Language::English);
    EXPECT_EQ(english.pageWord, "Page ");
    EXPECT_EQ(english.subtitle, w("Records, 03/09/2026.   Tessla · Stamma and Arkivo"));
}

test::CensusRow member(const char* id, const char* last, const char* first, const char* year,
                       const char* role) {
    return {{"POSTID", id},      {"ENAMN", last}, {"FNAMN", first}, {"FODAR", year},   {"HEMLEN", "Uppsala"},
            {"HEMFO", "Alunda"}, {"HUSHNR", "7"}, {"FAMNR", "1"},   {"FAMSTKOD", role}};
}

// The household kind collects the household list the main window shows, named by its current
// row (or its first), in its order; the result kinds collect the result list.
TEST(PrintPlan, TheHouseholdKindCollectsTheShownHouseholdNamedByItsCurrentRow) {
    test::CensusFixture census({member("H-1", "Lind", "Sven", "1811", "F"),
                                member("H-2", "Lind", "Anna", "", "M"),
                                member("H-3", "Berg", "Per", "1850", "E")});
    census.showAllPersons();
    HouseholdList household;
    const Tenperson sven = loadPerson(census.db().tessl(), 1);
    household.buildHousehold(census.db(), householdKey(sven));
    ASSERT_GE(household.size(), 3);

    struct Case {
        std::int32_t currentRecord;  // 0: no current row
        Language language;
        const char* lead;
    };
    const Case cases[] = {
        {0, Language::Swedish, "Hushåll för Lind, Sven, f. 1811. "},  // the father heads the list
        {2, Language::English, "Household of Lind, Anna. "},
        {3, Language::Swedish, "Hushåll för Berg, Per, f. 1850. "},
    };
    for (const Case& c : cases) {
        household.setCurrentRow(c.currentRecord == 0 ? -1 : household.findHouseholdRow(c.currentRecord));
        const PrintPlan plan = planPrint({3, 1, 2, "2", "2"}, {1, 5}, household, c.language);
        EXPECT_EQ(plan.lead, w(c.lead));
        EXPECT_EQ(plan.routine, PrintRoutine::table);
        EXPECT_EQ(plan.range.from, 0) << "the range fields do not limit the household";
        EXPECT_EQ(plan.range.to, kRangeEverything);
        EXPECT_EQ(plan.progressMaximum, household.size());
    }
    const PrintPlan plan = planPrint({3, 0, 1, "", ""}, {1, 5}, household, Language::Swedish);
    const CollectedPersons members =
        collectPlanned(census.db(), plan, household, Language::Swedish, [] { return true; }, {});
    EXPECT_EQ(members.entries.size(), static_cast<std::size_t>(household.size()));
    EXPECT_EQ(members.collected, 3);

    const PrintPlan table = planPrint({1, 1, 0, "", ""}, {3, 5}, household, Language::Swedish);
    bool sorted = false;
    const CollectedPersons result = collectPlanned(
        census.db(), table, household, Language::Swedish, [] { return true; }, [&] { sorted = true; });
    EXPECT_TRUE(sorted);
    ASSERT_EQ(result.entries.size(), 3U);
    EXPECT_EQ(result.entries[0]->POSTID, "H-2") << "by year of birth, none first";
    EXPECT_EQ(result.entries[1]->POSTID, "H-1");
    EXPECT_EQ(result.entries[2]->POSTID, "H-3");
}

}  // namespace
}  // namespace tessla
