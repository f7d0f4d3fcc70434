#include "widgets/scroll_link.h"

#include <QTest>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "skin/scroll_bar.h"
#include "widgets/table_grid.h"
#include "widgets/text_view.h"

namespace tessla {
namespace {

constexpr int kRowHeight = 16;

// A shown window with a grid ten rows high and its linked scroll bar beside it.
struct LinkedGrid {
    explicit LinkedGrid(std::int32_t rows) {
        window.resize(300, 400);
        grid = new TSPtab(&window);
        grid->setDefaultRowHeight(kRowHeight);
        grid->setGeometry(0, 0, 160, 10 * kRowHeight);
        grid->setRowCount(rows);
        bar = new Tspecscr(&window);
        bar->setGeometry(160, 0, 20, 10 * kRowHeight);
        bar->hide();
        linkScrollBar(*bar, *grid);
        window.show();
    }

    // Whether the bar is shown, its range and position, and the grid's top row, as one value.
    struct State {
        bool shown;
        std::int32_t min, max, position, top;
        bool operator==(const State&) const = default;
    };
    State state() const {
        return {!bar->isHidden(), bar->min(), bar->max(), bar->position(), grid->topRow()};
    }
    // The state of a bar shown over 1 … max at the grid's top row + 1.
    State shownAt(std::int32_t max, std::int32_t top) const { return {true, 1, max, top + 1, top}; }

    QWidget window;
    TSPtab* grid = nullptr;
    Tspecscr* bar = nullptr;
};

void PrintTo(const LinkedGrid::State& s, std::ostream* os) {
    *os << (s.shown ? "shown " : "hidden ") << s.min << "…" << s.max << " at " << s.position << ", top "
        << s.top;
}

TEST(ScrollLinkTest, RowsThatFitHideTheBarAndMoreRowsShowItOverTheRowsThatDoNot) {
    const struct {
        std::int32_t rows;
        std::int32_t max;  // 0: hidden
    } cases[] = {{0, 0}, {5, 0}, {10, 0}, {11, 2}, {100, 91}, {7, 0}, {1000000, 999991}};
    LinkedGrid linked(0);
    for (const auto& c : cases) {
        linked.grid->setRowCount(c.rows);
        EXPECT_EQ(!linked.bar->isHidden(), c.max != 0) << c.rows << " rows";
        if (c.max != 0) {
            EXPECT_EQ(linked.state(), linked.shownAt(c.max, 0)) << c.rows << " rows";
        }
    }
}

TEST(ScrollLinkTest, TheLinkFitsTheBarAtOnceToTheGridWhereverTheBarWas) {
    const struct {
        std::int32_t rows, top;
        std::int32_t barWas;  // the position of the bar over 1 … 100 before the link
        bool shown;
    } cases[] = {{4, 0, 1, false}, {20, 3, 50, true}, {500, 300, 7, true}};
    for (const auto& c : cases) {
        QWidget window;
        TSPtab grid(&window);
        grid.setDefaultRowHeight(kRowHeight);
        grid.resize(160, 10 * kRowHeight);
        grid.setRowCount(c.rows);
        grid.setTopRow(c.top);
        Tspecscr bar(&window);
        bar.setPosition(c.barWas);
        bar.hide();
        linkScrollBar(bar, grid);
        EXPECT_EQ(!bar.isHidden(), c.shown) << c.rows << " rows";
        EXPECT_EQ(grid.topRow(), c.top) << c.rows << " rows";
        if (c.shown) {
            EXPECT_EQ(bar.max(), c.rows - 9) << c.rows << " rows";
            EXPECT_EQ(bar.position(), c.top + 1) << c.rows << " rows";
        }
    }
}

TEST(ScrollLinkTest, MovingEitherSideMovesTheOther) {
    LinkedGrid linked(100);
    linked.bar->setPosition(31);
    EXPECT_EQ(linked.state(), linked.shownAt(91, 30)) << "the bar moved";
    linked.grid->setTopRow(50);
    EXPECT_EQ(linked.state(), linked.shownAt(91, 50)) << "the grid moved";
    linked.grid->setCurrentRow(99);
    EXPECT_EQ(linked.state(), linked.shownAt(91, 90)) << "the grid scrolled to its current row";
    QTest::keyClick(linked.grid, Qt::Key_Home);
    EXPECT_EQ(linked.state(), linked.shownAt(91, 0)) << "the grid went home by key";
}

TEST(ScrollLinkTest, ChangingTheRowCountRefitsTheBarAndKeepsTheGridsTopRow) {
    LinkedGrid linked(100);
    linked.grid->setTopRow(80);
    const struct {
        std::int32_t rows;
        LinkedGrid::State expected;
    } steps[] = {
        {50, linked.shownAt(41, 40)},  // the top row comes back within the rows
        {60, linked.shownAt(51, 40)},  // more rows keep the top row
        {8, {false, 1, 51, 1, 0}},     // all rows fit: hidden, still following the grid
        {30, linked.shownAt(21, 0)},   // shown again over the new rows
    };
    for (const auto& step : steps) {
        linked.grid->setRowCount(step.rows);
        EXPECT_EQ(linked.state(), step.expected) << step.rows << " rows";
    }
}

TEST(ScrollLinkTest, ANewRowHeightOrGridHeightRefitsTheBar) {
    LinkedGrid linked(30);
    linked.grid->setTopRow(20);
    const struct {
        int rowHeight, gridHeight;
        LinkedGrid::State expected;
    } steps[] = {
        {2 * kRowHeight, 10 * kRowHeight, linked.shownAt(26, 20)},  // 5 rows in view
        {2 * kRowHeight, 30 * kRowHeight, linked.shownAt(16, 15)},  // 15 rows in view
        {kRowHeight, 30 * kRowHeight, {false, 1, 16, 1, 0}},        // every row in view
        {kRowHeight, 20 * kRowHeight, linked.shownAt(11, 0)},       // 20 rows in view
    };
    for (const auto& step : steps) {
        linked.grid->setDefaultRowHeight(step.rowHeight);
        linked.grid->resize(160, step.gridHeight);
        EXPECT_EQ(linked.state(), step.expected) << step.rowHeight << " × " << step.gridHeight;
    }
}

TEST(ScrollLinkTest, TheLinkEndsWithTheBar) {
    LinkedGrid linked(100);
    const auto links = linked.grid->children().size();
    delete linked.bar;
    EXPECT_EQ(linked.grid->children().size(), links - 1);
    linked.grid->setRowCount(200);
    linked.grid->setTopRow(150);
    EXPECT_EQ(linked.grid->topRow(), 150);
}

// A text of `lines` short lines, one paragraph each.
std::string linesOfText(int lines) {
    std::string text;
    for (int n = 1; n <= lines; ++n) text += "Rad " + std::to_string(n) + "\r";
    return text;
}

// A shown window with a text view 100 pixels high and its linked scroll bar beside it.
struct LinkedText {
    LinkedText() {
        window.resize(300, 200);
        text = new TSPdyntex(&window);
        text->setGeometry(0, 0, 200, 100);
        bar = new Tspecscr(&window);
        bar->setGeometry(200, 0, 19, 100);
        linkScrollBar(*bar, *text);
        window.show();
    }

    QWidget window;
    TSPdyntex* text = nullptr;
    Tspecscr* bar = nullptr;
};

TEST(TextScrollLinkTest, ATextHigherThanTheViewShowsTheBarOverTheHiddenPixelsFromTheTop) {
    LinkedText linked;
    EXPECT_TRUE(linked.bar->isHidden()) << "no text yet";
    for (const int lines : {2, 40, 3, 60}) {
        linked.text->setText(linesOfText(lines));
        const int hidden = linked.text->contentHeight() - linked.text->height();
        EXPECT_EQ(!linked.bar->isHidden(), hidden > 0) << lines << " lines";
        if (hidden > 0) {
            EXPECT_EQ(linked.bar->min(), 1) << lines << " lines";
            EXPECT_EQ(linked.bar->max(), hidden + 1) << lines << " lines";
            EXPECT_EQ(linked.bar->position(), 1) << lines << " lines";
        }
        EXPECT_EQ(linked.text->verticalOffset(), 0) << lines << " lines";
    }
}

TEST(TextScrollLinkTest, TheBarScrollsTheTextByPixelsAndANewSizeFitsItAgainFromTheTop) {
    LinkedText linked;
    linked.text->setText(linesOfText(40));
    ASSERT_FALSE(linked.bar->isHidden());
    linked.bar->setPosition(31);
    EXPECT_EQ(linked.text->verticalOffset(), 30);
    linked.text->resize(200, 150);
    EXPECT_EQ(linked.bar->max(), linked.text->contentHeight() - 150 + 1);
    EXPECT_EQ(linked.bar->position(), 1);
    EXPECT_EQ(linked.text->verticalOffset(), 0);
    linked.text->resize(200, linked.text->contentHeight());
    EXPECT_TRUE(linked.bar->isHidden()) << "the whole text fits";
}

TEST(TextScrollLinkTest, KeysThatScrollTheTextMoveTheBar) {
    LinkedText linked;
    linked.text->setKeyboardLinks(true);
    linked.text->setText(linesOfText(40));
    linked.text->setFocus();
    QTest::keyClick(linked.text, Qt::Key_End);
    EXPECT_GT(linked.text->verticalOffset(), 0);
    EXPECT_EQ(linked.bar->position(), linked.text->verticalOffset() + 1);
    EXPECT_EQ(linked.bar->position(), linked.bar->max());
}

TEST(TextScrollLinkTest, TheLinkEndsWithTheBar) {
    LinkedText linked;
    delete linked.bar;
    linked.text->setText(linesOfText(40));  // nothing left to fit
    EXPECT_EQ(linked.text->verticalOffset(), 0);
}

}  // namespace
}  // namespace tessla
