#include "view/print_choices.h"
#include "view/print_collection.h"
#include "view/print_outcome.h"
#include "view/print_subtitle.h"
#include "view/printed_persons.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "census_fixture.h"
#include "test_paper.h"
#include "test_text.h"

namespace tessla {
namespace {

using test::TestPaper;
using test::w;

constexpr PaperGeometry kA4Landscape{1123, 794, 96, 96};

TEST(PrintTexts, KindsSayTheMaximumAndTheHouseholdRows) {
    struct Case {
        PrintKind kind;
        Language language;
        const char* text;
    };
    const Case cases[] = {
        {PrintKind::records, Language::Swedish, "Hela poster (max 500)"},
        {PrintKind::records, Language::English, "Records (max.500)"},
        {PrintKind::table, Language::Swedish, "Tabell (max 500 rader)"},
        {PrintKind::table, Language::English, "Table (max.500 rows)"},
        {PrintKind::roll, Language::Swedish, "Tabell, ordnad som en husförhörslängd (max 500 rader)"},
        {PrintKind::roll, Language::English, "Table, household examination roll (max. 500 rows)"},
        {PrintKind::household, Language::Swedish, "Tabell över visat hushåll, 7 rader"},
        {PrintKind::household, Language::English, "Table, current household, 7 rows"},
    };
    const std::int32_t maximum = printMaximum(800, 500);
    EXPECT_EQ(printMaximum(300, 500), 300);
    for (const Case& c : cases) EXPECT_EQ(printKindText(c.kind, maximum, 7, c.language), c.text);
}

TEST(PrintTexts, SortTextsKeysAndRange) {
    struct Case {
        PrintKind kind;
        int first, second;
        Language language;
        const char* text;
    };
    const Case cases[] = {
        {PrintKind::table, 0, 0, Language::Swedish, "ordnad efter namn"},
        {PrintKind::table, 1, 3, Language::Swedish, "ordnad efter födelseår + boendeförsamling/plats"},
        {PrintKind::table, 2, 0, Language::English, "sorted by place of birth + name"},
        {PrintKind::roll, 3, 2, Language::Swedish, "ordnad som en husförhörslängd + namn"},
        {PrintKind::roll, 3, 2, Language::English, "household examination roll"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(sortText(printKeys(c.kind, c.first, c.second), c.language), c.text) << c.text;
    EXPECT_EQ(printKeys(PrintKind::table, 1, 1).second, 0);
    EXPECT_EQ(printKeys(PrintKind::roll, 0, 0).first, kHouseholdOrderKey);
    EXPECT_EQ(printRange("5", " 7").from, 5);
    EXPECT_EQ(printRange("5", " 7").to, 7);
    EXPECT_EQ(printRange("", "x7").from, 0);
    EXPECT_EQ(printRange("", "x7").to, kRangeEverything);
}

// The line the print window keeps once a job is done: how many pages went where, or that the
// job was cancelled.
TEST(PrintTexts, TheOutcomeLineSaysHowManyPagesWentWhere) {
    struct Case {
        PrintOutcome outcome;
        Language language;
        const char* line;  // UTF-8
    };
    const Case cases[] = {
        {{false, 17, "/hem/anna/tessla.pdf", ""},
         Language::Swedish,
         "17 sidor utskrivna till /hem/anna/tessla.pdf"},
        {{false, 17, "/home/anna/tessla.pdf", ""},
         Language::English,
         "17 pages printed to /home/anna/tessla.pdf"},
        {{false, 1, "/tmp/a.pdf", ""}, Language::Swedish, "1 sida utskriven till /tmp/a.pdf"},
        {{false, 1, "/tmp/a.pdf", ""}, Language::English, "1 page printed to /tmp/a.pdf"},
        {{false, 1204, "", "Kontorets skrivare"},
         Language::Swedish,
         "1 204 sidor utskrivna på Kontorets skrivare"},
        {{false, 1204, "", "Office"}, Language::English, "1,204 pages printed on Office"},
        {PrintOutcome::cancelledJob(), Language::Swedish, "Utskriften avbröts"},
        {PrintOutcome::cancelledJob(), Language::English, "Printing cancelled"},
    };
    for (const Case& c : cases) EXPECT_EQ(printOutcomeText(c.outcome, c.language), c.line);
}

TEST(PrintTexts, SubtitlesInBothDateFormatsWithTheCreditAndTheCollectedNote) {
    const CalendarDate date{2026, 3, 9};
    EXPECT_EQ(printSubtitle(recordsLead(Language::Swedish), "", date, Language::Swedish),
              w("Poster, 2026-03-09.   Tessla · Stamma och Arkivo"));
    EXPECT_EQ(printSubtitle(tableLead({1, 0}, Language::English),
                            collectedNote(10000, 52310, Language::English), date, Language::English),
              w("Table, sorted by name, the first 10,000 of 52,310 in list order, 03/09/2026.   "
                "Tessla · Stamma and Arkivo"));
    EXPECT_EQ(collectedNote(10000, 52310, Language::Swedish), "de första 10 000 av 52 310 i listans ordning");
    EXPECT_EQ(collectedNote(800, 800, Language::Swedish), "");
    EXPECT_EQ(householdLead("Lind, Per", "1850", Language::English), "Household of Lind, Per, b. 1850. ");
    EXPECT_EQ(householdLead("Lind, Per", "", Language::Swedish), w("Hushåll för Lind, Per. "));
}

test::CensusRow person(const std::string& id, const std::string& last, const std::string& year,
                       const std::string& parish, const std::string& household) {
    return {{"POSTID", id},        {"ENAMN", last},         {"FNAMN", "Per"},
            {"FODAR", year},       {"HEMLEN", "Gävleborg"}, {"HEMFO", parish},
            {"HUSHNR", household}, {"FAMNR", "1"},          {"FAMSTKOD", "F"}};
}

class PrintJobsTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        std::vector<test::CensusRow> rows;
        // Nine persons in three households; households 1 of Alfta and of Bollnäs share a number.
        const char* parishes[] = {"Alfta", "Bollnäs", "Alfta"};
        const char* numbers[] = {"1", "1", "2"};
        for (int k = 1; k <= 9; ++k)
            rows.push_back(person(
                "P" + std::to_string(k), "Namn" + std::string(1, static_cast<char>('J' - k)),
                std::to_string(1800 + 10 * ((k * 7) % 9)), parishes[(k - 1) / 3], numbers[(k - 1) / 3]));
        census_ = new test::CensusFixture(rows);
    }
    static void TearDownTestSuite() {
        delete census_;
        census_ = nullptr;
    }
    void SetUp() override { census_->showAllPersons(); }

    static std::vector<std::string> ids(const CollectedPersons& persons) {
        std::vector<std::string> out;
        for (const auto& entry : persons.entries) out.push_back(entry ? entry->POSTID : "--");
        return out;
    }

    static test::CensusFixture* census_;
};
test::CensusFixture* PrintJobsTest::census_ = nullptr;

const PrintStep kGoOn = [] { return true; };

TEST_F(PrintJobsTest, CollectsTheSelectionInListOrderAndSortsByTheKeys) {
    Tspsmalurval& chosen = census_->db().tessllista().vald();
    // Only four of the nine are chosen; the job reads those four, walking the set rows.
    chosen.tomma();
    int steps = 0;
    for (std::int32_t row : {2, 4, 6, 8}) chosen.satt(row, true);
    const PrintStep count = [&] { return ++steps > 0; };
    const CollectedPersons byName = collectResult(census_->db(), {1, 0}, '/', Language::Swedish, count);
    EXPECT_EQ(steps, 4);
    EXPECT_EQ(byName.available, 4);
    EXPECT_EQ(byName.collected, 4);
    ASSERT_EQ(byName.entries.size(), 4U);
    for (std::size_t i = 1; i < byName.entries.size(); ++i)
        EXPECT_LT(byName.entries[i - 1]->ENAMN, byName.entries[i]->ENAMN);
    census_->showAllPersons();
    const CollectedPersons byYear = collectResult(census_->db(), {2, 1}, '/', Language::Swedish, kGoOn);
    ASSERT_EQ(byYear.entries.size(), 9U);
    for (std::size_t i = 1; i < byYear.entries.size(); ++i)
        EXPECT_LE(byYear.entries[i - 1]->FODAR, byYear.entries[i]->FODAR);
}

TEST_F(PrintJobsTest, ACancelledCollectionStopsAtOnce) {
    int steps = 0;
    const CollectedPersons persons =
        collectResult(census_->db(), {1, 0}, '/', Language::Swedish, [&] { return ++steps < 3; });
    EXPECT_TRUE(persons.cancelled);
    EXPECT_EQ(steps, 3);
    EXPECT_TRUE(persons.entries.empty());
}

TEST_F(PrintJobsTest, ARangePrintsThoseOfTheSortedOrder) {
    const CollectedPersons persons = collectResult(census_->db(), {1, 0}, '/', Language::Swedish, kGoOn);
    TestPaper paper;
    PrintPages pages(paper, kA4Landscape, {});
    pages.header();
    std::vector<std::int32_t> positions;
    EXPECT_TRUE(printTable(pages, persons, {5, 7}, false, Language::Swedish, [&](std::int32_t position) {
        positions.push_back(position);
        return true;
    }));
    EXPECT_EQ(positions, (std::vector<std::int32_t>{5, 6, 7}));
    std::vector<std::string> names;
    for (const auto& text : paper.canvas_.texts)
        if (text.text.rfind("Namn", 0) == 0) names.push_back(text.text);
    EXPECT_EQ(names, (std::vector<std::string>{"NamnE, Per", "NamnF, Per", "NamnG, Per"}));
}

TEST_F(PrintJobsTest, TheRollSeparatesEveryHouseholdAlsoOfEqualNumbersInTwoParishes) {
    const CollectedPersons persons =
        collectResult(census_->db(), printKeys(PrintKind::roll, 0, 0), '/', Language::Swedish, kGoOn);
    std::vector<std::string> parishes;
    for (const auto& entry : persons.entries) parishes.push_back(entry->HEMFO + " " + entry->HUSHNR);
    EXPECT_EQ(parishes,
              (std::vector<std::string>{"Alfta 1", "Alfta 1", "Alfta 1", "Alfta 2", "Alfta 2", "Alfta 2",
                                        w("Bollnäs 1"), w("Bollnäs 1"), w("Bollnäs 1")}));
    TestPaper paper;
    PrintPages pages(paper, kA4Landscape, {});
    pages.header();
    std::vector<std::int32_t> separatorsBefore;
    std::int32_t at = 0;
    const auto dashes = [&] {
        return std::count_if(paper.canvas_.texts.begin(), paper.canvas_.texts.end(),
                             [](const auto& text) { return text.text == kDashedSeparator; });
    };
    EXPECT_TRUE(printTable(pages, persons, {}, true, Language::Swedish, [&](std::int32_t position) {
        if (dashes() > static_cast<long>(separatorsBefore.size())) separatorsBefore.push_back(at);
        at = position;
        return true;
    }));
    EXPECT_EQ(dashes(), 2);
    EXPECT_EQ(separatorsBefore, (std::vector<std::int32_t>{4, 7}));
}

TEST_F(PrintJobsTest, TheHouseholdKeepsItsOrderAndSeparators) {
    HouseholdList household;
    const Tenperson first = loadPerson(census_->db().tessl(), 1);
    household.buildHousehold(census_->db(), householdKey(first));
    ASSERT_GT(household.size(), 0);
    const CollectedPersons persons = collectHousehold(census_->db(), household, kGoOn);
    ASSERT_EQ(static_cast<std::int32_t>(persons.entries.size()), household.size());
    for (std::int32_t row = 1; row <= household.size(); ++row) {
        const auto& entry = persons.entries[static_cast<std::size_t>(row - 1)];
        EXPECT_EQ(!entry.has_value(), household.isSeparator(row));
        if (entry) EXPECT_EQ(entry->HUSHNR, "1");
    }
}

TEST(PrintJobs, RecordsPrintTheirLeadAndText) {
    Tenperson person;
    person.POSTID = "A-17";
    person.ENAMN = "Lind";
    EXPECT_EQ(printedRecord(person, Language::English).rfind("[1]Record: A-17\r\r", 0), 0U);
    EXPECT_EQ(printedRecord(person, Language::Swedish).rfind("[1]Post A-17\r\r", 0), 0U);
    CollectedPersons persons;
    persons.entries.assign(3, person);
    TestPaper paper;
    PrintPages pages(paper, {794, 1123, 96, 96}, {});
    pages.header();
    int printed = 0;
    EXPECT_FALSE(
        printRecords(pages, persons, {}, Language::Swedish, [&](std::int32_t) { return ++printed < 2; }));
    EXPECT_EQ(printed, 2) << "a cancel request stops before the next record";
}

}  // namespace
}  // namespace tessla

namespace tessla {
namespace {

// A result of 10 001 persons: a job reads the first 10 000 in list order and only then sorts, so
// the last person of the list is left out although it would sort first.
TEST(PrintJobsCap, TheFirst10000InListOrderThenSorted) {
    std::vector<test::CensusRow> rows;
    for (int k = 1; k <= kMostCollected + 1; ++k) {
        char last[16];
        std::snprintf(last, sizeof last, "Nr %05d", k);
        rows.push_back({{"POSTID", std::to_string(k)},
                        {"ENAMN", last},
                        {"FODAR", k == kMostCollected + 1 ? "1700" : std::to_string(1800 + k % 97)},
                        {"HUSHNR", std::to_string(k)}});
    }
    test::CensusFixture census(rows);
    census.showAllPersons();
    const CollectedPersons persons =
        collectResult(census.db(), {2, 1}, '/', Language::Swedish, [] { return true; });
    EXPECT_EQ(persons.available, kMostCollected + 1);
    EXPECT_EQ(persons.collected, kMostCollected);
    ASSERT_EQ(persons.entries.size(), static_cast<std::size_t>(kMostCollected));
    EXPECT_EQ(persons.entries.front()->FODAR, "1800");
    for (const auto& entry : persons.entries) ASSERT_NE(entry->POSTID, std::to_string(kMostCollected + 1));
    EXPECT_EQ(collectedNote(persons.collected, persons.available, Language::Swedish),
              "de första 10 000 av 10 001 i listans ordning");
}

}  // namespace
}  // namespace tessla
