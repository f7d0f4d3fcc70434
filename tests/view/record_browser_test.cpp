#include "view/record_browser.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "household_census.h"
#include "test_text.h"

namespace tessla {
namespace {

using test::w;

// The POSTID of every person of the census by the name the result list shows.
std::map<std::string, std::string> postidsByName() {
    std::map<std::string, std::string> postids = {
        {w("Lind, Karl Johan"), "A-1"}, {w("Lind f. Berg, Anna Maria"), "A-2"},
        {w("Lind, Erik"), "A-3"},       {w("Lind, Stina"), "A-4"},
        {w("Lind, Per"), "A-5"},        {w("Lind, Kajsa"), "A-6"},
        {w("Persdotter, Maja"), "A-7"}, {w("Nilsson, Olof"), "A-8"},
        {w("Öberg, Lars"), "C-1"},
    };
    for (int k = 1; k <= 150; ++k) {
        char name[32];
        std::snprintf(name, sizeof name, "Nr %03d, Anders", k);
        postids[name] = "B-" + std::to_string(k);
    }
    return postids;
}

class RecordBrowserTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { census_ = new test::CensusFixture(test::householdCensusRows()); }
    static void TearDownTestSuite() {
        delete census_;
        census_ = nullptr;
    }

    TSPstruktlista& master() { return census_->db().tessllista(); }

    // A search that chooses every person whose display name begins with one of `names` (UTF-8),
    // everyone when none are given, as the search window does it.
    BrowserChanges search(std::vector<std::string_view> names) {
        browser_.searchStarting();
        Tspsmalurval& chosen = master().vald();
        chosen.tomma();
        if (names.empty()) chosen.fyllalla();
        for (const std::string_view name : names) {
            const std::string key = w(name);
            for (std::int32_t row = master().sokprefix(key); row > 0 && row <= master().rowCount(); ++row) {
                master().lasrad(row);
                if (master().text().rfind(key, 0) != 0) break;
                chosen.satt(row, true);
            }
        }
        master().byggvy();
        return browser_.searchAccepted();
    }
    // The name result row `row` shows, and the POSTID of the person of that name.
    std::string rowName(std::int32_t row) {
        return browser_.results().window().personListCell(listRow(row), 1);
    }
    std::string postidOf(const std::string& name) { return postids_.at(name); }
    // The grid row of the result list that shows `name` (UTF-8).
    std::int32_t rowNamed(std::string_view name) {
        for (std::int32_t row = 0; row < browser_.resultCount(); ++row)
            if (rowName(row) == w(name)) return row;
        return -1;
    }
    // The record that shows is the one of the person named `name`: its POSTID and its text.
    void expectShows(const std::string& name) {
        const std::string postid = postidOf(name);
        EXPECT_EQ(browser_.recordLabel(), postid) << name;
        const std::string text = browser_.recordText(Language::Swedish);
        const std::size_t comma = name.find(", ");
        for (const std::string& part : {name.substr(0, comma), name.substr(comma + 2)})
            EXPECT_NE(text.find(part), std::string::npos) << name << " shows " << text;
    }
    void expectShowsNothing() {
        EXPECT_EQ(browser_.shownRecord(), 0);
        EXPECT_TRUE(browser_.recordText(Language::Swedish).empty());
        EXPECT_TRUE(browser_.recordLabel().empty());
    }

    static test::CensusFixture* census_;
    std::map<std::string, std::string> postids_ = postidsByName();
    HouseholdList household_;
    Tenperson currentPerson_;
    RecordBrowser browser_{census_->db(), household_, currentPerson_};
};

test::CensusFixture* RecordBrowserTest::census_ = nullptr;

TEST_F(RecordBrowserTest, TheShownRecordIsThePersonTheSelectedRowNames) {
    const BrowserChanges changes = search({"Lind", "Persdotter", "Nilsson", "Öberg", "Nr 00"});
    EXPECT_TRUE(changes.results && changes.record);
    ASSERT_EQ(browser_.resultCount(), 18);
    // The first row shows at once; every other once the selection rests.
    EXPECT_EQ(browser_.selectedRow(), 0);
    expectShows(rowName(0));
    for (std::int32_t row = 0; row < browser_.resultCount(); ++row) {
        browser_.selectRow(row);
        browser_.rest();
        expectShows(rowName(row));
        EXPECT_EQ(currentPerson_.POSTID, postidOf(rowName(row)));
    }
}

TEST_F(RecordBrowserTest, TheHouseholdIsBuiltOnlyWhenTheSelectionRests) {
    search({});
    browser_.rest();
    const int builds = browser_.householdBuilds();
    for (std::int32_t row = 1; row <= 100; ++row) browser_.selectRow(row);
    EXPECT_TRUE(browser_.restPending());
    EXPECT_EQ(browser_.householdBuilds(), builds);
    const BrowserChanges changes = browser_.rest();
    EXPECT_TRUE(changes.household);
    EXPECT_EQ(browser_.householdBuilds(), builds + 1);
    EXPECT_FALSE(browser_.restPending());
    EXPECT_FALSE(browser_.rest().household) << "nothing changed since";
    expectShows(rowName(100));
}

TEST_F(RecordBrowserTest, AHouseholdRowShowsItsMemberAndTheCaptionNamesTheSelectedPerson) {
    search({"Persdotter", "Nilsson"});
    browser_.selectRow(rowNamed("Nilsson, Olof"));
    browser_.rest();
    // Four families and three separators; Olof is the last.
    ASSERT_EQ(household_.size(), 11);
    EXPECT_EQ(browser_.householdRow(), 10);
    EXPECT_EQ(browser_.householdCaption(Language::Swedish), w("Hushåll för Nilsson, Olof, f. 1860"));
    EXPECT_EQ(browser_.householdCaption(Language::English), w("Household: Nilsson, Olof, b. 1860"));
    for (std::int32_t row = 0; row < household_.size(); ++row) {
        const BrowserChanges changes = browser_.selectHouseholdRow(row);
        if (household_.isSeparator(listRow(row))) {
            EXPECT_FALSE(changes.record) << row;
            continue;
        }
        expectShows(household_.householdCell(listRow(row), 1, Language::Swedish));
    }
    // Another member shown changes neither the caption nor the selected person.
    EXPECT_EQ(browser_.householdCaption(Language::Swedish), w("Hushåll för Nilsson, Olof, f. 1860"));
    EXPECT_EQ(rowName(browser_.selectedRow()), w("Nilsson, Olof"));
}

TEST_F(RecordBrowserTest, DeselectKeepsTheNextPersonElseThePrevious) {
    const struct {
        std::vector<std::string_view> chosen;
        std::string_view deselected;
        std::string_view kept;  // empty: the list becomes empty
    } cases[] = {
        {{"Nr 001"}, "Nr 001, Anders", ""},
        {{"Nr 001", "Nr 002"}, "Nr 002, Anders", "Nr 001, Anders"},
        {{"Nr 001", "Nr 002", "Nr 003", "Nr 004"}, "Nr 004, Anders", "Nr 003, Anders"},
        {{"Nr 001", "Nr 002", "Nr 003", "Nr 004"}, "Nr 002, Anders", "Nr 003, Anders"},
    };
    for (const auto& c : cases) {
        search(c.chosen);
        browser_.selectRow(rowNamed(c.deselected));
        browser_.rest();
        const BrowserChanges changes = browser_.deselect();
        EXPECT_TRUE(changes.results && changes.record) << c.deselected;
        EXPECT_EQ(browser_.resultCount(), static_cast<std::int32_t>(c.chosen.size()) - 1) << c.deselected;
        EXPECT_EQ(rowNamed(c.deselected), -1);
        if (c.kept.empty()) {
            EXPECT_EQ(browser_.selectedRow(), -1);
            expectShowsNothing();
        } else {
            EXPECT_EQ(rowName(browser_.selectedRow()), w(c.kept)) << c.deselected;
            expectShows(w(c.kept));
        }
    }
}

TEST_F(RecordBrowserTest, ANewResultKeepsThePersonStillChosenElseTheFirstRow) {
    search({"Nr 001", "Nr 002", "Nr 003"});
    browser_.selectRow(2);
    search({"Nr 002", "Nr 003", "Nr 004"});
    EXPECT_EQ(browser_.selectedRow(), 1);
    expectShows(w("Nr 003, Anders"));
    search({"Nr 005", "Nr 006"});
    EXPECT_EQ(browser_.selectedRow(), 0);
    expectShows(w("Nr 005, Anders"));
}

TEST_F(RecordBrowserTest, ClearingOrFindingNothingEmptiesTheRecordAndTheHousehold) {
    for (const bool clear : {true, false}) {
        search({"Lind, Karl"});
        browser_.rest();
        ASSERT_GT(household_.size(), 0);
        if (clear) {
            browser_.clear();
        } else {
            search({"Ingen sådan"});
        }
        EXPECT_EQ(browser_.resultCount(), 0);
        expectShowsNothing();
        EXPECT_TRUE(browser_.restPending());
        browser_.rest();
        EXPECT_EQ(household_.size(), 0);
        EXPECT_TRUE(browser_.householdCaption(Language::Swedish).empty());
    }
}

TEST_F(RecordBrowserTest, ARecordOutsideThePersonRecordsShowsNothing) {
    search({"Nilsson"});
    const std::int32_t count = census_->db().tessl().count();
    for (const std::int32_t record : {count + 1, 0, -1}) {
        browser_.showRecord(8);
        ASSERT_FALSE(browser_.recordText(Language::Swedish).empty());
        browser_.showRecord(record);
        expectShowsNothing();
    }
}

TEST_F(RecordBrowserTest, ASelectionChangedDuringTheBuildIsTakenUpAtTheNextRest) {
    search({"Nilsson", "Nr 001"});
    browser_.rest();
    browser_.selectRow(rowNamed("Nr 001, Anders"));
    bool changed = false;
    browser_.rest([&] {
        if (changed) return;
        changed = true;
        browser_.selectRow(rowNamed("Nilsson, Olof"));
    });
    EXPECT_EQ(household_.size(), 1) << "the household of the person selected when the build began";
    EXPECT_TRUE(browser_.restPending());
    browser_.rest();
    EXPECT_EQ(household_.size(), 11);
    expectShows(w("Nilsson, Olof"));
}

// Without a readable household index the selected person's own record shows.
TEST(RecordBrowserDamaged, WithoutAHouseholdIndexTheSelectedPersonsRecordShows) {
    test::CensusFixture census(
        std::vector<test::CensusRow>{{{"POSTID", "P1"}, {"ENAMN", "Ek"}, {"HUSHNR", "1"}},
                                     {{"POSTID", "P2"}, {"ENAMN", "Al"}, {"HUSHNR", "2"}}});
    const Configuration config = readConfigurationFile(census.iniPath());
    census.db().close();
    std::ofstream(config.hdbasen + "tessls5.i", std::ios::trunc);  // there, but cannot be read
    census.db().open(config);
    HouseholdList household;
    Tenperson person;
    RecordBrowser browser(census.db(), household, person);
    census.showAllPersons();
    browser.refresh();
    browser.rest();
    EXPECT_EQ(browser.recordLabel(), "P2");  // Al, the first row
    browser.selectRow(1);
    browser.rest();
    EXPECT_EQ(household.size(), 0);
    EXPECT_EQ(browser.recordLabel(), "P1");
    EXPECT_EQ(census.messages().messages, std::vector<std::string>{"4"});
}

}  // namespace
}  // namespace tessla
