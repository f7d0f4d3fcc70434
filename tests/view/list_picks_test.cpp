#include "view/list_picks.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "base/cp1252.h"
#include "census_fixture.h"

namespace tessla {
namespace {

// Residence parishes with their villages: list 15 is a tree of
//   1 Alunda   2 Norrby   3 Söderby   4 Eda   5 Koppom   6 Ovanåker   7 Edsbyn
// and the last names (list 1) a flat list of Andersson, Ek, Persson.
std::vector<test::CensusRow> parishRows() {
    const auto person = [](const char* parish, const char* village, const char* last) {
        return test::CensusRow{{"HEMLEN", "Uppsala län"}, {"HEMFO", parish}, {"HEMBY", village},
                               {"HUSHNR", "1"},           {"FNAMN", "Anna"}, {"ENAMN", last}};
    };
    return {person("Alunda;Uppland", "Norrby", "Andersson"), person("Alunda;Uppland", "Söderby", "Persson"),
            person("Alunda;Uppland", "Söderby", "Andersson"), person("Eda;Värmland", "Koppom", "Ek"),
            person("Ovanåker;Hälsingland", "Edsbyn", "Ek")};
}

constexpr int kParishes = 15;
constexpr int kLastNames = 1;

class ListPicksTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { census_ = new test::CensusFixture(parishRows()); }
    static void TearDownTestSuite() {
        delete census_;
        census_ = nullptr;
    }
    void SetUp() override {
        for (const int list : {kParishes, kLastNames}) clearPicks(db(), positions_, list);
    }

    static Database& db() { return census_->db(); }
    static TSPstruktlista& parishes() { return db().tessls(kParishes); }
    static std::vector<std::string> texts(PickerTable& table) {
        std::vector<std::string> shown;
        for (std::int32_t row = 1; row <= table.rows(); ++row)
            shown.push_back(cp1252ToUtf8(table.cellText(row, 1)).str());
        return shown;
    }

    static test::CensusFixture* census_;
    PickerPositions positions_;
};

test::CensusFixture* ListPicksTest::census_ = nullptr;

TEST(ListPicksRulesTest, CellTextsStylesAndCountLabel) {
    struct Case {
        const char* row;
        const char* shown;
    };
    for (const Case& c : {Case{"Eda&B, Koppom", "    Koppom"}, Case{"Norge&A Oslo", "Oslo"},
                          Case{"Andersson", "Andersson"}, Case{"Eda&B", "    "}, Case{"Kort&A", ""}}) {
        EXPECT_EQ(pickerEntryText(c.row), c.shown) << c.row;
    }
    EXPECT_EQ(pickerCountText(0), "\t1");  // the position holds the single person
    EXPECT_EQ(pickerCountText(1234), "\t1234");

    EXPECT_EQ(pickerCellStyle(0x93, false, false), 0x10093u);
    EXPECT_EQ(pickerCellStyle(0x93, true, false), 0x01010093u);
    EXPECT_EQ(pickerCellStyle(0x93, true, true), 0x01010193u);
    EXPECT_EQ(pickerCellStyle(0x20000, false, true), 0x30100u);  // the row's own bits stay

    EXPECT_EQ(pickerCountLabel(Language::Swedish, 3, 200000), "Valda: 3 av 200000");
    EXPECT_EQ(pickerCountLabel(Language::English, 0, 7), "Selected: 0 of 7");
}

TEST(ListPicksRulesTest, QuickFindCentresAHiddenRowWithinTheList) {
    struct Case {
        PickerPositions::Rows now;
        std::int32_t found, rows;
        PickerPositions::Rows want;
    };
    for (const Case& c : {
             Case{{0, 0}, 5, 100, {0, 5}},    // shown: only the current row moves
             Case{{0, 3}, 17, 100, {0, 17}},  // the last row shown
             Case{{0, 0}, 18, 100, {9, 18}},  // the first row below
             Case{{0, 0}, 50, 100, {41, 50}},
             Case{{40, 45}, 3, 100, {0, 3}},   // above: clamped to the first row
             Case{{0, 0}, 99, 100, {82, 99}},  // near the end: the last 18 rows
             Case{{0, 0}, 9, 10, {0, 9}},      // every row fits
             Case{{5, 5}, 2, 12, {0, 2}},
         }) {
        EXPECT_EQ(quickFindRows(c.now, c.found, c.rows), c.want) << c.found << " of " << c.rows;
    }
}

TEST(ListPicksRulesTest, SpaceAloneTogglesAndShiftWithAnArrowCarriesTheStateOn) {
    using Key = PickerKeyPress::Key;
    using enum PickerKeyMarking;
    const struct {
        PickerKeyPress press;
        PickerKeyMarking marking;
    } cases[] = {
        {{Key::space, false, false}, toggle},
        {{Key::space, true, false}, none},  // Shift+Space is the table's
        {{Key::space, false, true}, none},  // so is Ctrl+Space
        {{Key::up, true, false}, extendUp},
        {{Key::down, true, false}, extendDown},
        {{Key::up, false, false}, none},  // a plain arrow only moves
        {{Key::down, false, false}, none},
        {{Key::down, true, true}, none},  // Ctrl+Shift+Down, or Shift with the keypad's arrow
        {{Key::other, true, false}, none},
        {{Key::other, false, false}, none},
    };
    for (const auto& c : cases)
        EXPECT_EQ(pickerKeyMarking(c.press), c.marking)
            << static_cast<int>(c.press.key) << " shift " << c.press.shift << " other "
            << c.press.otherModifiers;
}

TEST(ListPicksOpeningTest, ATreeListOpensCollapsedWithEveryFirstLevelRowShown) {
    // The opened rows are emptied after the lists open; the visible rows follow that.
    test::CensusFixture census(parishRows());
    TSPstruktlista& list = census.db().tessls(kParishes);
    EXPECT_EQ(list.expanderad().antal(), 0);
    EXPECT_EQ(list.visibleCount(), 3);
    EXPECT_EQ(list.synligplats(4), 2);
    EXPECT_EQ(list.synligplats(5), -1);
}

TEST_F(ListPicksTest, TreeShowsEveryParishWhateverIsPickedAndOpensAndClosesThem) {
    PickerTable table(&parishes(), true);
    ASSERT_TRUE(table.tree());
    EXPECT_EQ(table.listRows(), 7);
    // At the first opening every parish shows, picked or not.
    EXPECT_EQ(texts(table), (std::vector<std::string>{"Alunda", "Eda", "Ovanåker"}));
    table.setPicked(1, true);  // Eda
    EXPECT_EQ(table.rows(), 3);

    EXPECT_FALSE(table.toggleOpen(3));  // outside the table
    ASSERT_TRUE(table.toggleOpen(0));
    EXPECT_EQ(texts(table),
              (std::vector<std::string>{"Alunda", "    Norrby", "    Söderby", "Eda", "Ovanåker"}));
    EXPECT_EQ(table.cellText(3, 2), "\t2");
    EXPECT_EQ(table.listRow(4), 6);
    EXPECT_FALSE(table.toggleOpen(1));  // a place opens nothing
    // Places are italic; every row is indented one level; the picked parish carries the mark.
    EXPECT_EQ(table.cellStyle(2) & 0x01010100u, 0x10100u);
    EXPECT_EQ(table.cellStyle(1) & 0x01010100u, 0x10000u);
    EXPECT_EQ(table.cellStyle(4) & 0x01010100u, 0x01010000u);
    EXPECT_TRUE(table.picked(3));

    ASSERT_TRUE(table.toggleOpen(0));
    EXPECT_EQ(texts(table), (std::vector<std::string>{"Alunda", "Eda", "Ovanåker"}));
}

TEST_F(ListPicksTest, QuickFindInATreeLandsOnTheVisibleParentOfAHiddenPlace) {
    PickerTable table(&parishes(), true);
    EXPECT_EQ(table.find("Ovan"), 2);
    EXPECT_EQ(table.find("Eda&B, Kop"), 1);  // Koppom, inside the closed Eda
    ASSERT_TRUE(table.toggleOpen(1));
    EXPECT_EQ(table.find("Eda&B, Kop"), 2);
    EXPECT_EQ(table.find("Zz"), std::nullopt);
    EXPECT_EQ(PickerTable(nullptr, true).find("A"), std::nullopt);
}

TEST_F(ListPicksTest, AListWithoutParentTableIsFlatEvenWhenATreeIsAsked) {
    PickerTable names(&db().tessls(kLastNames), true);
    EXPECT_FALSE(names.tree());
    EXPECT_EQ(texts(names), (std::vector<std::string>{"Andersson", "Ek", "Persson"}));
    EXPECT_EQ(names.cellText(1, 2), "\t2");
    EXPECT_EQ(names.tableRowOf(3), 2);
    EXPECT_EQ(names.find("P"), 2);

    EXPECT_FALSE(names.toggleOpen(0));  // double clicks open nothing in a flat table

    PickerTable flatTree(&parishes(), false);
    EXPECT_FALSE(flatTree.toggleOpen(0));
    EXPECT_EQ(flatTree.rows(), 7);
    EXPECT_EQ(cp1252ToUtf8(flatTree.cellText(3, 1)).str(), "    Söderby");
    EXPECT_EQ(flatTree.cellStyle(3) & 0x100u, 0u);  // italic places belong to the tree

    PickerTable none(nullptr, true);
    EXPECT_EQ(none.rows(), 0);
    EXPECT_EQ(none.pickedCount(), 0);
    EXPECT_EQ(none.listRow(0), -1);
    none.setPicked(0, true);  // nothing to mark, and no crash
}

TEST(ListPicksParentTableTest, ATreeListWhoseParentTableIsMissingIsShownFlat) {
    test::CensusFixture census(parishRows());
    TSPstruktlista& list = census.db().tessls(kParishes);
    const WordListProperties& p = list.properties();
    ASSERT_TRUE(std::filesystem::remove(p.styrfilkat + p.filnamn + ".is"));
    list.stang();
    ASSERT_TRUE(list.oppna());
    EXPECT_FALSE(list.outline().isTree());
    PickerTable table(&list, true);
    EXPECT_FALSE(table.tree());
    EXPECT_EQ(table.rows(), 7);
    EXPECT_EQ(cp1252ToUtf8(table.cellText(2, 1)).str(), "    Norrby");
    EXPECT_EQ(table.find("Eda&B"), 4);
}

TEST_F(ListPicksTest, APressTogglesAndEveryRowReachedTakesItsState) {
    PickerTable names(&db().tessls(kLastNames), false);
    PickerMarking marking;
    marking.press(names, 0);
    marking.reach(names, 1);
    marking.reach(names, 2);
    EXPECT_EQ(names.pickedCount(), 3);
    marking.press(names, 1);  // unmarks Ek, and a drag from it unmarks
    marking.reach(names, 0);
    EXPECT_EQ(names.pickedCount(), 1);
    EXPECT_TRUE(names.picked(2));

    PickerMarking::extend(names, 2, 1);  // Shift+Up from a marked row marks the row above
    EXPECT_TRUE(names.picked(1));
    PickerMarking::extend(names, 0, 1);  // and from an unmarked row unmarks it
    EXPECT_FALSE(names.picked(1));
}

TEST_F(ListPicksTest, SummaryFollowsListOrderAndCutsPlacesBeforeTheirMarker) {
    TSPstruktlista& names = db().tessls(kLastNames);
    for (const std::int32_t row : {3, 1}) names.vald().satt(row, true);
    EXPECT_EQ(sammanfatta(names), "Andersson;Persson");
    EXPECT_EQ(sammanfatta(db().tessls(kParishes)), "");

    // Söderby shows as its parish's name; the parish itself too.
    for (const std::int32_t row : {3, 4}) parishes().vald().satt(row, true);
    EXPECT_EQ(cp1252ToUtf8(sammanfatta(parishes())).str(), "Alunda;Eda");
}

TEST(ListPicksSummaryTest, StopsAfterTheEntryThatPassesTwoHundredCharacters) {
    std::vector<test::CensusRow> rows;
    for (char c = 'A'; c <= 'J'; ++c)
        rows.push_back({{"ENAMN", std::string(1, c) + std::string(29, 'x')}, {"FNAMN", "Per"}});
    test::CensusFixture census(rows);
    TSPstruktlista& names = census.db().tessls(kLastNames);
    names.vald().fyllalla();
    // 30 characters each and a separator: 185 after six, 216 after seven.
    const std::string summary = sammanfatta(names);
    EXPECT_EQ(summary.size(), 216u);
    EXPECT_EQ(summary.substr(summary.size() - 30, 1), "G");
}

TEST_F(ListPicksTest, ClearingEmptiesPicksClosesOpenedRowsAndForgetsTheRows) {
    PickerTable table(&parishes(), true);
    table.toggleOpen(0);
    table.toggleOpen(3);
    table.setPicked(1, true);
    positions_.save(kParishes, {2, 4});
    positions_.save(kLastNames, {1, 2});
    ASSERT_EQ(table.rows(), 6);

    clearPicks(db(), positions_, kParishes);
    EXPECT_EQ(table.pickedCount(), 0);
    EXPECT_EQ(texts(table), (std::vector<std::string>{"Alunda", "Eda", "Ovanåker"}));
    EXPECT_EQ(positions_.of(kParishes), PickerPositions::Rows{});
    EXPECT_EQ(positions_.of(kLastNames), (PickerPositions::Rows{1, 2}));

    // Lists the picker cannot show are left alone.
    for (const int list : {0, 41, -3}) {
        clearPicks(db(), positions_, list);
        EXPECT_EQ(pickerList(db(), list), nullptr) << list;
        EXPECT_EQ(positions_.of(list), PickerPositions::Rows{}) << list;
    }
    EXPECT_EQ(pickerList(db(), kParishes), &parishes());
    Database closed(nullptr);
    EXPECT_EQ(pickerList(closed, kParishes), nullptr);
    clearPicks(closed, positions_, kParishes);
}

}  // namespace
}  // namespace tessla
