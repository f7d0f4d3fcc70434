#include "view/main_layout.h"

#include <gtest/gtest.h>

namespace tessla {
namespace {

TEST(MainLayoutTest, TableMetricsSwitchBelowAHalfWidthOf300) {
    const struct {
        int half, fontSize, rowHeight;
    } cases[] = {{299, 9, 15}, {300, 11, 16}, {395, 11, 16}, {100, 9, 15}};
    for (const auto& c : cases) {
        EXPECT_EQ(tableMetrics(c.half).fontSize, c.fontSize) << c.half;
        EXPECT_EQ(tableMetrics(c.half).rowHeight, c.rowHeight) << c.half;
    }
}

TEST(MainLayoutTest, RowsSplitTwoToOneAndNeverFallBelowOne) {
    const struct {
        int height, top, rowHeight, result, household;
    } cases[] = {
        {590, 64, 16, 16, 10},   // 450 px: 28 rows, 18 less two and 10
        {591, 64, 16, 16, 10},   // the pixel left over makes no row
        {1000, 64, 16, 33, 18},  // 860 px: 53 rows, 35 less two and 18
        {200, 64, 15, 1, 2},     // 60 px: 4 rows, 2 less two would be 0
        {100, 64, 16, 1, 1},     // no room at all
    };
    for (const auto& c : cases) {
        const ListRows rows = listRows(c.height, c.top, c.rowHeight);
        EXPECT_EQ(rows.result, c.result) << c.height;
        EXPECT_EQ(rows.household, c.household) << c.height;
    }
}

TEST(MainLayoutTest, ListsFillTheLeftHalfAndTheRecordTheRight) {
    const MainLayout layout = mainLayout(790, 590);
    EXPECT_EQ(layout.half, 395);
    EXPECT_EQ(layout.resultFrame, (LayoutRect{8, kTableTop, 365, 16 * 16 + 10}));
    EXPECT_EQ(layout.resultGrid, (LayoutRect{10, kTableTop + 2, 356, 16 * 16}));
    EXPECT_EQ(layout.resultScroll, (LayoutRect{375, kTableTop, 19, 266}));
    EXPECT_EQ(layout.householdFrame.y, layout.resultFrame.bottom() + 32);
    EXPECT_EQ(layout.householdFrame.height, 10 * 16 + 10);
    EXPECT_EQ(layout.recordFrame.x, 401);
    EXPECT_EQ(layout.recordFrame.right(), 790 - 6);
    EXPECT_EQ(layout.recordFrame.bottom(), layout.householdFrame.bottom());
    EXPECT_EQ(layout.recordText.x, 407);
    EXPECT_EQ(layout.recordText.width, layout.recordFrame.width - 35);
    EXPECT_EQ(layout.recordText.height, layout.recordFrame.height - 32);
    EXPECT_EQ(layout.recordScroll.x, layout.recordText.right() + 4);
    // Room for the buttons below the lists.
    EXPECT_LE(layout.householdFrame.bottom(), 590 - 56);
}

TEST(MainLayoutTest, ColumnsGiveTheNameWhatTheOthersLeave) {
    const MainLayout large = mainLayout(790, 590);
    EXPECT_EQ(large.resultColumns, (std::array<int, 2>{356 - 40, 40}));
    EXPECT_EQ(large.householdColumns, (std::array<int, 3>{356 - 96, 40, 56}));
    const MainLayout small = mainLayout(590, 590);
    ASSERT_EQ(small.metrics.fontSize, 9);
    const int grid = small.resultGrid.width;
    EXPECT_EQ(small.resultColumns, (std::array<int, 2>{grid - 32, 32}));
    EXPECT_EQ(small.householdColumns, (std::array<int, 3>{grid - 78, 32, 46}));
    // A grid narrower than its fixed columns leaves the name nothing rather than a negative width.
    EXPECT_EQ(mainLayout(100, 590).householdColumns[0], 0);
}

}  // namespace
}  // namespace tessla
