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

}  // namespace
}  // namespace tessla
