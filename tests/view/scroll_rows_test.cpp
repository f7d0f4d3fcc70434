#include "view/scroll_rows.h"

#include <gtest/gtest.h>

#include <vector>

namespace tessla {
namespace {

TEST(ScrollRowsTest, ARowIsShownCentredOnlyWhenOffScreen) {
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

TEST(ScrollRowsTest, ScrollMaximumIsZeroWhenAllRowsFit) {
    EXPECT_EQ(scrollMaximum(0, 10), 0);
    EXPECT_EQ(scrollMaximum(10, 10), 0);
    EXPECT_EQ(scrollMaximum(11, 10), 2);
    EXPECT_EQ(scrollMaximum(1000000, 16), 999985);
}

TEST(ScrollRowsTest, WheelMovesTenRowsPerNotchAndKeepsRemainders) {
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
