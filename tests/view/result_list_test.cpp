#include "view/result_list.h"

#include <gtest/gtest.h>

#include "census_fixture.h"

namespace tessla {
namespace {

TEST(ResultListTest, RowsAndEntriesFollowTheSelection) {
    std::vector<test::CensusRow> rows;
    for (const char* name : {"Berg", "Ask", "Dahl", "Ek"}) rows.push_back({{"ENAMN", name}});
    test::CensusFixture census(rows);
    TSPstruktlista& master = census.db().tessllista();
    ResultList list(master);
    list.refresh();
    EXPECT_EQ(list.size(), 0);
    EXPECT_EQ(list.entryAt(0), -1);

    // Entries are rows of the sorted person list: Ask 1, Berg 2, Dahl 3, Ek 4.
    for (const int entry : {2, 3, 4}) master.vald().satt(entry, true);
    list.refresh();
    ASSERT_EQ(list.size(), 3);
    EXPECT_EQ(list.entryAt(0), 2);
    EXPECT_EQ(list.entryAt(2), 4);
    EXPECT_EQ(list.entryAt(3), -1);
    EXPECT_EQ(list.rowOf(3), 1);
    EXPECT_EQ(list.rowOf(1), -1);
    EXPECT_EQ(list.window().personListCell(2, 1), "Dahl");
    EXPECT_EQ(list.window().recordNumber(1), 1);  // Berg is record 1

    list.remove(3);
    list.refresh();
    EXPECT_EQ(list.size(), 2);
    EXPECT_EQ(list.rowOf(4), 1);
    EXPECT_EQ(list.window().personListCell(2, 1), "Ek");

    list.clear();
    list.refresh();
    EXPECT_EQ(list.size(), 0);
}

TEST(ResultListTest, TheRowWindowHoldsEveryRowAGridShows) {
    std::vector<test::CensusRow> rows;
    for (int k = 1; k <= 80; ++k) rows.push_back({{"ENAMN", "Person " + std::to_string(100 + k)}});
    test::CensusFixture census(rows);
    census.showAllPersons();
    ResultList list(census.db().tessllista());
    PersonListWindow& window = list.window();
    const auto readRows = [&](int count) {
        for (int row = 1; row <= count; ++row) window.personListCell(row, 1);
    };
    readRows(60);
    EXPECT_EQ(window.size(), PersonListWindow::kCapacity);  // the first ten are gone
    EXPECT_EQ(window.firstRow(), 11);

    window.setCapacity(60);
    window.clear();
    readRows(60);
    readRows(60);  // painted again: every row is still there
    EXPECT_EQ(window.size(), 60u);
    EXPECT_EQ(window.firstRow(), 1);
    EXPECT_EQ(window.personListCell(60, 1), "Person 160");

    window.setCapacity(10);  // never below the least
    EXPECT_EQ(window.capacity(), PersonListWindow::kCapacity);
    EXPECT_EQ(window.size(), PersonListWindow::kCapacity);
}

TEST(ResultListTest, ARowIsShownCentredOnlyWhenOffScreen) {
    const struct {
        int top, visible, rows, row, newTop;
    } cases[] = {
        {0, 10, 100, 9, 0},     // on screen
        {0, 10, 100, 10, 5},    // just below
        {50, 10, 100, 3, 0},    // centring would go above the top
        {0, 10, 100, 98, 90},   // centring would run past the end
        {0, 10, 5, 4, 0},       // fewer rows than fit
        {40, 10, 100, 40, 40},  // the top row itself
    };
    for (const auto& c : cases) {
        EXPECT_EQ(centredTopRow(c.top, c.visible, c.rows, c.row), c.newTop) << c.top << " " << c.row;
    }
}

TEST(ResultListTest, DeselectKeepsTheNextRowElseThePreviousOfThreeOrMore) {
    const struct {
        int row, rows, kept;
    } cases[] = {
        {0, 1, -1},             // the only person: the list becomes empty
        {1, 2, -1},             // last of two: the remaining first row
        {0, 2, 1},  {4, 5, 3},  // last of many: the row above
        {2, 5, 3},              // a middle row: the one that followed
    };
    for (const auto& c : cases)
        EXPECT_EQ(rowKeptAfterDeselect(c.row, c.rows), c.kept) << c.row << " " << c.rows;
}

TEST(ResultListTest, ScrollMaximumIsZeroWhenAllRowsFit) {
    EXPECT_EQ(scrollMaximum(0, 10), 0);
    EXPECT_EQ(scrollMaximum(10, 10), 0);
    EXPECT_EQ(scrollMaximum(11, 10), 2);
    EXPECT_EQ(scrollMaximum(1000000, 16), 999985);
}

TEST(ResultListTest, WheelMovesTenRowsPerNotchAndKeepsRemainders) {
    const struct {
        std::vector<int> deltas;
        std::vector<int> rows;
    } cases[] = {
        {{120}, {10}},
        {{-120, -240}, {-10, -20}},
        {{30, 30, 30, 30}, {2, 3, 2, 3}},
        {{5, 5, 5, -15}, {0, 0, 1, -1}},
    };
    for (const auto& c : cases) {
        WheelRows wheel;
        std::vector<int> moved;
        for (const int delta : c.deltas) moved.push_back(wheel.add(delta));
        EXPECT_EQ(moved, c.rows);
    }
    // Three rows a whole notch.
    WheelRows notches(120, 3);
    std::vector<int> moved;
    for (const int delta : {-30, -30, -30, -30, 240, 100}) moved.push_back(notches.add(delta));
    EXPECT_EQ(moved, (std::vector<int>{0, 0, 0, -3, 6, 0}));
}

}  // namespace
}  // namespace tessla
