#include "widgets/table_grid.h"
#include "support/test_pictures.h"

#include <QAccessible>
#include <QDir>
#include <QImage>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "skin/control_palette.h"
#include "skin/figure_set.h"
#include "skin/tiler.h"
#include "storage/picture_files.h"
#include "support/screenshots.h"

namespace tessla {
namespace {

constexpr int kRowHeight = 16;

// A shown grid of `rows` rows, ten of them visible, in `widths.size()` columns.
std::unique_ptr<TSPtab> makeGrid(std::int32_t rows, const std::vector<int>& widths = {160}) {
    auto grid = std::make_unique<TSPtab>();
    grid->setColumnCount(static_cast<int>(widths.size()));
    int total = 0;
    for (std::size_t c = 0; c < widths.size(); ++c) {
        grid->setColumnWidth(static_cast<int>(c), widths[c]);
        total += widths[c];
    }
    grid->setDefaultRowHeight(kRowHeight);
    grid->resize(total, 10 * kRowHeight);
    grid->setRowCount(rows);
    grid->show();
    return grid;
}

QImage render(TSPtab& grid) {
    return grid.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QRect cellRect(const TSPtab& grid, std::int32_t row, int column) {
    int x = 0;
    for (int c = 0; c < column; ++c) x += grid.columnWidth(c);
    return {x, (row - grid.topRow()) * grid.defaultRowHeight(), grid.columnWidth(column),
            grid.defaultRowHeight()};
}

int distance(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
}

// The pixel of `rect` that differs most from the rectangle's first pixel (its background): the
// colour of the text's fully covered pixels.
QRgb inkColour(const QImage& image, const QRect& rect) {
    const QRgb background = image.pixel(rect.topLeft());
    QRgb ink = background;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (distance(image.pixel(x, y), background) > distance(ink, background)) ink = image.pixel(x, y);
    return ink;
}

// The columns of `rect` that hold a pixel unlike the rectangle's background; empty when none.
std::pair<int, int> inkSpan(const QImage& image, const QRect& rect) {
    const QRgb background = image.pixel(rect.topLeft());
    int left = rect.right() + 1, right = rect.left() - 1;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (distance(image.pixel(x, y), background) > 60) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    return {left, right};
}

void expectColour(QRgb actual, QRgb expected, const std::string& what) {
    EXPECT_LE(distance(actual, expected), 12)
        << what << ": got " << qRed(actual) << "," << qGreen(actual) << "," << qBlue(actual);
}

void sendMouse(QWidget& widget, QEvent::Type type, QPoint point, Qt::MouseButton button,
               Qt::MouseButtons held) {
    QMouseEvent event(type, QPointF(point), QPointF(widget.mapToGlobal(point)), button, held, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

TEST(TableGridTest, WithoutProvidersEveryCellShowsItsRowNumberInBlack) {
    auto plain = makeGrid(30, {60, 60});
    auto numbered = makeGrid(30, {60, 60});
    numbered->setCellTextProvider([](std::int32_t row, int) { return std::to_string(row); });
    numbered->setCellStyleProvider([](std::int32_t, int) { return 0u; });
    for (TSPtab* grid : {plain.get(), numbered.get()}) {
        grid->setTopRow(12);
        grid->setCurrentRow(13);
    }
    const QImage image = render(*plain);
    EXPECT_EQ(image, render(*numbered));
    expectColour(inkColour(image, cellRect(*plain, 14, 1)), qRgb(0, 0, 0), "row 15");
}

TEST(TableGridTest, TextAfterABarIsHiddenOutsideTheTreeModes) {
    struct Case {
        TSPtabmode mode;
        bool keyHidden;
    };
    for (const Case& c : {Case{TSPtabmode::tmStandard, true}, Case{TSPtabmode::tmValdIkon, true},
                          Case{TSPtabmode::tmStrukt, false}, Case{TSPtabmode::tmStruktvald, false}}) {
        auto withKey = makeGrid(3, {200});
        auto nameOnly = makeGrid(3, {200});
        withKey->setCellTextProvider([](std::int32_t, int) { return std::string("Ekstr\xF6m, Elin|4711"); });
        nameOnly->setCellTextProvider([](std::int32_t, int) { return std::string("Ekstr\xF6m, Elin"); });
        withKey->setTabmode(c.mode);
        nameOnly->setTabmode(c.mode);
        EXPECT_EQ(render(*withKey) == render(*nameOnly), c.keyHidden) << static_cast<int>(c.mode);
    }
}

TEST(TableGridTest, ATextStartingWithATabIsRightAligned) {
    struct Case {
        std::string text;
        bool right;
    };
    for (const Case& c : {Case{"1867", false}, Case{"\t1867", true}}) {
        auto grid = makeGrid(3, {140, 10});
        grid->setCellTextProvider(
            [&](std::int32_t, int column) { return column == 1 ? c.text : std::string(); });
        grid->setCurrentRow(2);
        const QRect cell = cellRect(*grid, 0, 0);
        const auto [left, right] = inkSpan(render(*grid), cell);
        ASSERT_LE(left, right) << "no text";
        if (c.right) {
            EXPECT_GE(right, cell.right() - 6);
            EXPECT_GT(left, cell.left() + 60);
        } else {
            EXPECT_LE(left, cell.left() + 6);
            EXPECT_LT(right, cell.left() + 60);
        }
    }
}

TEST(TableGridTest, HouseholdRowsAreDrawnInTheirStyleColoursAndTheSelectedRowWhiteOnTheHighlight) {
    auto grid = makeGrid(4, {200, 50, 60});
    grid->setFontPointSize(20);
    grid->setDefaultRowHeight(32);
    grid->setCellTextProvider([](std::int32_t row, int column) {
        return row == 2 ? std::string("----------") : std::string(column == 1 ? "1861" : "Lindgren, Per");
    });
    // The current person's row carries style 3, the others 0.
    grid->setCellStyleProvider([](std::int32_t row, int) { return row == 4 ? 3u : 0u; });
    grid->setCurrentRow(0);
    const QImage image = render(*grid);
    struct Case {
        std::int32_t row;
        QRgb ink;
    };
    for (const Case& c : {Case{0, qRgb(255, 255, 255)}, Case{1, qRgb(0, 0, 0)}, Case{3, qRgb(96, 32, 0)}}) {
        for (int column = 0; column < 3; ++column) {
            const QRect cell = cellRect(*grid, c.row, column);
            expectColour(inkColour(image, cell), c.ink,
                         "row " + std::to_string(c.row) + " column " + std::to_string(column));
        }
    }
    EXPECT_GT(
        distance(image.pixel(cellRect(*grid, 0, 0).topLeft()), image.pixel(cellRect(*grid, 1, 0).topLeft())),
        150)
        << "the highlight stands out from the paper";
}

TEST(TableGridTest, AMarkedRowTakesItsAlternativeColourInTheModesThatMarkByColour) {
    struct Case {
        TSPtabmode mode;
        bool selected;
        QRgb ink;
    };
    const QRgb alternative = qRgb(0, 96, 32), normal = qRgb(128, 0, 0), white = qRgb(255, 255, 255);
    for (const Case& c :
         {Case{TSPtabmode::tmStandard, false, alternative}, Case{TSPtabmode::tmStandard, true, alternative},
          Case{TSPtabmode::tmVald, true, alternative}, Case{TSPtabmode::tmStruktvald, false, alternative},
          Case{TSPtabmode::tmStrukt, false, normal}, Case{TSPtabmode::tmStrukt, true, white},
          Case{TSPtabmode::tmValdIkon, false, normal}, Case{TSPtabmode::tmStruktValdIkon, true, white}}) {
        auto grid = makeGrid(3, {200});
        grid->setFontPointSize(20);
        grid->setDefaultRowHeight(32);
        grid->setTabmode(c.mode);
        grid->setCellTextProvider([](std::int32_t, int) { return std::string("Marked"); });
        // Normal colour 1, alternative colour 2, marked.
        grid->setCellStyleProvider([](std::int32_t, int) { return 0x01000021u; });
        grid->setCurrentRow(c.selected ? 1 : 0);
        expectColour(inkColour(render(*grid), cellRect(*grid, 1, 0)), c.ink,
                     "mode " + std::to_string(static_cast<int>(c.mode)) + (c.selected ? " selected" : ""));
    }
}

TEST(TableGridTest, ADisabledGridAsksForNoTextAndDrawsNone) {
    auto grid = makeGrid(20);
    auto empty = makeGrid(20);
    int asked = 0;
    grid->setCellTextProvider([&](std::int32_t, int) {
        ++asked;
        return std::string("Text");
    });
    empty->setCellTextProvider([](std::int32_t, int) { return std::string(); });
    grid->setEnabled(false);
    empty->setEnabled(false);
    EXPECT_EQ(render(*grid), render(*empty));
    EXPECT_EQ(asked, 0);
}

TEST(TableGridTest, OnlyTheRowsInViewAreAskedForTheirCells) {
    auto grid = makeGrid(5'000'000, {100, 40});
    std::set<std::int32_t> asked;
    grid->setCellTextProvider([&](std::int32_t row, int) {
        asked.insert(row);
        return std::string("x");
    });
    grid->setTopRow(2'500'000);
    render(*grid);
    ASSERT_FALSE(asked.empty());
    EXPECT_EQ(*asked.begin(), 2'500'001);
    EXPECT_EQ(*asked.rbegin(), 2'500'010);
}

TEST(TableGridTest, KeysMoveTheCurrentRowAndTheTopRowTogether) {
    struct Case {
        std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>> keys;
        std::int32_t current, top;
    };
    const auto down = std::pair{Qt::Key_Down, Qt::KeyboardModifiers()};
    const auto up = std::pair{Qt::Key_Up, Qt::KeyboardModifiers()};
    const auto pageDown = std::pair{Qt::Key_PageDown, Qt::KeyboardModifiers()};
    const auto pageUp = std::pair{Qt::Key_PageUp, Qt::KeyboardModifiers()};
    const auto home = std::pair{Qt::Key_Home, Qt::KeyboardModifiers()};
    const auto end = std::pair{Qt::Key_End, Qt::KeyboardModifiers()};
    const auto ctrlHome = std::pair{Qt::Key_Home, Qt::KeyboardModifiers(Qt::ControlModifier)};
    const auto ctrlEnd = std::pair{Qt::Key_End, Qt::KeyboardModifiers(Qt::ControlModifier)};
    const std::vector<Case> cases = {
        {{down}, 1, 0},
        {std::vector(10, down), 10, 1},
        {{up}, 0, 0},
        {{pageDown}, 10, 10},
        {{down, pageDown}, 11, 10},
        {{pageDown, pageUp}, 0, 0},
        {std::vector(12, pageDown), 99, 90},
        {{end}, 99, 90},
        {{ctrlEnd}, 99, 90},
        {{end, down}, 99, 90},
        {{end, pageUp}, 89, 80},
        {{end, up}, 98, 90},
        {{end, home}, 0, 0},
        {{end, ctrlHome}, 0, 0},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        auto grid = makeGrid(100);
        QSignalSpy currentSpy(grid.get(), &TSPtab::currentRowChanged);
        QSignalSpy topSpy(grid.get(), &TSPtab::topRowChanged);
        for (const auto& [key, modifiers] : cases[i].keys) QTest::keyClick(grid.get(), key, modifiers);
        EXPECT_EQ(grid->currentRow(), cases[i].current) << "case " << i;
        EXPECT_EQ(grid->topRow(), cases[i].top) << "case " << i;
        // An owner following the signals ends where the grid does.
        const auto last = [](const QSignalSpy& spy, std::int32_t none) {
            return spy.isEmpty() ? none : spy.last().at(0).value<std::int32_t>();
        };
        EXPECT_EQ(last(currentSpy, 0), cases[i].current) << "case " << i;
        EXPECT_EQ(last(topSpy, 0), cases[i].top) << "case " << i;
    }
}

TEST(TableGridTest, RowsThatMayNotBeSelectedArePassedOver) {
    auto grid = makeGrid(6);
    // Rows 3 and 6 (counted from 1) separate families.
    grid->setRowSelectableProvider([](std::int32_t row) { return row != 3 && row != 6; });
    grid->setCurrentRow(1);
    QTest::keyClick(grid.get(), Qt::Key_Down);
    EXPECT_EQ(grid->currentRow(), 3);
    QTest::keyClick(grid.get(), Qt::Key_Up);
    EXPECT_EQ(grid->currentRow(), 1);
    QTest::keyClick(grid.get(), Qt::Key_End);
    EXPECT_EQ(grid->currentRow(), 4);
    QTest::mouseClick(grid.get(), Qt::LeftButton, {}, cellRect(*grid, 2, 0).center());
    EXPECT_EQ(grid->currentRow(), 4);
    grid->setCurrentRow(5);
    EXPECT_EQ(grid->currentRow(), 4);
    QTest::mouseClick(grid.get(), Qt::LeftButton, {}, cellRect(*grid, 0, 0).center());
    EXPECT_EQ(grid->currentRow(), 0);
}

TEST(TableGridTest, AGridWithoutRowsSelectsNothing) {
    auto grid = makeGrid(0);
    int asked = 0;
    grid->setCellTextProvider([&](std::int32_t, int) {
        ++asked;
        return std::string("x");
    });
    QSignalSpy vald(grid.get(), &TSPtab::OnVald);
    grid->setTabvaelj(TSPtabvaelj::tvHdrag);
    EXPECT_EQ(grid->currentRow(), -1);
    grid->setCurrentRow(0);
    QTest::keyClick(grid.get(), Qt::Key_Down);
    QTest::keyClick(grid.get(), Qt::Key_End);
    QTest::mouseClick(grid.get(), Qt::LeftButton, {}, QPoint(10, 5));
    QTest::mouseClick(grid.get(), Qt::RightButton, {}, QPoint(10, 5));
    render(*grid);
    EXPECT_EQ(grid->currentRow(), -1);
    EXPECT_EQ(vald.count(), 0);
    EXPECT_EQ(asked, 0);

    grid->setRowCount(5);
    EXPECT_EQ(grid->currentRow(), 0);
    grid->setCurrentRow(3);
    grid->setRowCount(0);
    EXPECT_EQ(grid->currentRow(), -1);
}

TEST(TableGridTest, AssistiveClientsReadTheCellsAsDrawnWithTheCurrentRowSelected) {
    auto grid = makeGrid(4, {120, 40});
    // Provider texts, rows and columns counted from 1; row 3 separates families.
    const std::vector<std::vector<std::string>> texts = {
        {"Nilsson, Olof|17", "\t1860"}, {"Persdotter, Kajsa", "\t1862"}, {"", ""}, {"\212berg, Per", "x|y"}};
    grid->setCellTextProvider([&texts](std::int32_t row, int column) {
        return texts[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(column - 1)];
    });
    grid->setRowSelectableProvider([](std::int32_t row) { return row != 3; });
    const QString drawn[4][2] = {{QStringLiteral("Nilsson, Olof"), QStringLiteral("1860")},
                                 {QStringLiteral("Persdotter, Kajsa"), QStringLiteral("1862")},
                                 {QString(), QString()},
                                 {QStringLiteral("Šberg, Per"), QStringLiteral("x")}};

    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(grid.get());
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->role(), QAccessible::Table);
    QAccessibleTableInterface* table = face->tableInterface();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rowCount(), 4);
    EXPECT_EQ(table->columnCount(), 2);
    EXPECT_EQ(face->childCount(), 8);
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 2; ++column) {
            QAccessibleInterface* cell = table->cellAt(row, column);
            ASSERT_NE(cell, nullptr);
            EXPECT_EQ(cell->text(QAccessible::Name), drawn[row][column]) << row << "," << column;
            EXPECT_EQ(cell->role(), row == 2 ? QAccessible::Separator : QAccessible::Cell);
            EXPECT_EQ(face->child(row * 2 + column), cell);
            EXPECT_EQ(face->indexOfChild(cell), row * 2 + column);
            EXPECT_EQ(cell->parent(), face);
            EXPECT_EQ(cell->rect(), QRect(grid->mapToGlobal(cellRect(*grid, row, column).topLeft()),
                                          cellRect(*grid, row, column).size()));
        }
    }
    EXPECT_EQ(table->cellAt(4, 0), nullptr);

    EXPECT_EQ(table->selectedRows(), QList<int>{0});
    EXPECT_TRUE(table->cellAt(0, 1)->state().selected);
    grid->setCurrentRow(1);
    EXPECT_EQ(table->selectedRows(), QList<int>{1});
    EXPECT_FALSE(table->cellAt(0, 1)->state().selected);
    EXPECT_TRUE(table->selectRow(3));
    EXPECT_EQ(grid->currentRow(), 3);
    EXPECT_FALSE(table->selectRow(2)) << "a separator row cannot be selected";
    EXPECT_EQ(grid->currentRow(), 3);

    grid->setTabmode(TSPtabmode::tmStrukt);
    EXPECT_EQ(table->cellAt(0, 0)->text(QAccessible::Name), QStringLiteral("Nilsson, Olof|17"))
        << "the tree modes show the whole text";
    QAccessibleInterface* last = table->cellAt(3, 0);
    grid->setRowCount(3);
    EXPECT_FALSE(last->isValid()) << "a cell of a row that is gone is no longer valid";
}

TEST(TableGridTest, ChangesOfTheRowCountAndRowHeightAreReportedOnce) {
    auto grid = makeGrid(10);
    QSignalSpy counts(grid.get(), &TSPtab::rowCountChanged);
    QSignalSpy heights(grid.get(), &TSPtab::rowHeightChanged);
    for (const std::int32_t rows : {10, 100, 100, -5, 0, 3}) grid->setRowCount(rows);
    for (const int height : {kRowHeight, 20, 20, 0, 1}) grid->setDefaultRowHeight(height);
    std::vector<int> reported;
    for (const auto& signal : counts) reported.push_back(signal.at(0).toInt());
    EXPECT_EQ(reported, (std::vector<int>{100, 0, 3})) << "a count below 0 is 0";
    reported.clear();
    for (const auto& signal : heights) reported.push_back(signal.at(0).toInt());
    EXPECT_EQ(reported, (std::vector<int>{20, 1})) << "a height below 1 is 1";
}

TEST(TableGridTest, ALeftClickSelectsTheRowUnderThePointer) {
    auto grid = makeGrid(30, {100, 40});
    grid->setTopRow(5);
    QTest::mouseClick(grid.get(), Qt::LeftButton, {}, cellRect(*grid, 8, 1).center());
    EXPECT_EQ(grid->currentRow(), 8);
    auto shortGrid = makeGrid(3);
    QTest::mouseClick(shortGrid.get(), Qt::LeftButton, {}, QPoint(10, 5 * kRowHeight));
    EXPECT_EQ(shortGrid->currentRow(), 0) << "a click below the last row";
}

TEST(TableGridTest, TheRightButtonGestureReportsEachNewCellItPasses) {
    struct Case {
        const char* name;
        TSPtabvaelj gesture;
        std::vector<QPoint> moves;  // after pressing at (20, 4)
        std::vector<std::int32_t> rows;
    };
    std::vector<QPoint> fiveRows;
    for (int y = 4; y < 5 * kRowHeight; y += 3) fiveRows.push_back({20, y});
    const std::vector<Case> cases = {
        {"five rows", TSPtabvaelj::tvHdrag, fiveRows, {0, 1, 2, 3, 4}},
        {"gesture off", TSPtabvaelj::tvOff, fiveRows, {}},
        {"leaving ends it", TSPtabvaelj::tvHdrag, {{20, 20}, {20, -3}, {20, 40}, {20, 70}}, {0, 1}},
        {"leaving to the side", TSPtabvaelj::tvHdrag, {{170, 20}, {20, 40}}, {0}},
    };
    for (const Case& c : cases) {
        auto grid = makeGrid(20);
        grid->setTabvaelj(c.gesture);
        std::vector<std::int32_t> reached;
        QObject::connect(grid.get(), &TSPtab::OnVald, [&](std::int32_t row, int column, bool press) {
            EXPECT_EQ(column, 0);
            EXPECT_EQ(grid->gestureRow(), row);
            EXPECT_EQ(press, reached.empty()) << c.name;  // only the first cell is the press
            reached.push_back(row);
        });
        sendMouse(*grid, QEvent::MouseButtonPress, {20, 4}, Qt::RightButton, Qt::RightButton);
        for (const QPoint& p : c.moves) sendMouse(*grid, QEvent::MouseMove, p, Qt::NoButton, Qt::RightButton);
        EXPECT_EQ(reached, c.rows) << c.name;
        sendMouse(*grid, QEvent::MouseButtonRelease, c.moves.back(), Qt::RightButton, Qt::NoButton);
        EXPECT_EQ(grid->gestureRow(), -1) << c.name;
        EXPECT_EQ(grid->gestureColumn(), -1) << c.name;
    }
}

TEST(TableGridTest, DoubleClicksReportTheRowAndARightDoubleClickIsASecondPress) {
    auto grid = makeGrid(20);
    grid->setTabvaelj(TSPtabvaelj::tvHdrag);
    QSignalSpy doubled(grid.get(), &TSPtab::OnDubbelklick);
    QSignalSpy vald(grid.get(), &TSPtab::OnVald);
    const QPoint third(20, 2 * kRowHeight + 4);
    QTest::mouseDClick(grid.get(), Qt::LeftButton, {}, third);
    ASSERT_EQ(doubled.count(), 1);
    EXPECT_EQ(doubled.at(0).at(0).toInt(), 2);
    EXPECT_EQ(grid->currentRow(), 2);
    QTest::mouseDClick(grid.get(), Qt::LeftButton, {}, QPoint(20, 30 * kRowHeight));  // below the rows
    EXPECT_EQ(doubled.count(), 1);

    // Two quick right clicks on one row come as press, release, press, double click, release: two
    // presses, each a gesture of its own.
    for (const QEvent::Type type :
         {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonPress,
          QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
        const bool down = type != QEvent::MouseButtonRelease;
        sendMouse(*grid, type, third, Qt::RightButton, down ? Qt::RightButton : Qt::NoButton);
    }
    EXPECT_EQ(doubled.count(), 1);
    ASSERT_EQ(vald.count(), 2);
    for (const QList<QVariant>& press : vald) {
        EXPECT_EQ(press.at(0).toInt(), 2);
        EXPECT_TRUE(press.at(2).toBool());
    }
}

TEST(TableGridTest, TheWheelScrollsTheGridOnlyWhenItHandlesTheWheel) {
    struct Case {
        bool mushjul;
        std::vector<int> deltas;
        std::int32_t top;
    };
    const int lines = QApplication::wheelScrollLines();
    for (const Case& c : {Case{true, {-120}, 20 + lines}, Case{true, {120, 120}, 20 - 2 * lines},
                          Case{true, {-30, -30, -30}, 20}, Case{true, {-30, -30, -30, -30}, 20 + lines},
                          Case{false, {-120}, 20}}) {
        auto grid = makeGrid(100);
        grid->setTopRow(20);
        grid->setMushjul(c.mushjul);
        for (int delta : c.deltas) {
            QWheelEvent event(QPointF(10, 10), QPointF(grid->mapToGlobal(QPoint(10, 10))), QPoint(),
                              QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(grid.get(), &event);
            EXPECT_EQ(event.isAccepted(), c.mushjul);
        }
        EXPECT_EQ(grid->topRow(), c.top);
        EXPECT_EQ(grid->currentRow(), 0);
    }
}

// Pictures for icons and backgrounds, stored at twice their logical size as the skin stores them.
test::PictureToWrite picture(std::string name, QSize logical,
                             const std::function<QRgb(int x, int y)>& colour) {
    return {{std::move(name), "", 1, "", "", 0, 0}, test::png2x(logical, colour), std::nullopt};
}

constexpr QRgb kRed = qRgb(255, 0, 0), kBlue = qRgb(0, 0, 255);

// The columns of `rect` holding pixels of exactly `colour`; empty when none.
std::pair<int, int> colourSpan(const QImage& image, const QRect& rect, QRgb colour) {
    int left = rect.right() + 1, right = rect.left() - 1;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (image.pixel(x, y) == colour) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    return {left, right};
}

TEST(TableGridTest, IconsComeFromTheFigureSetByModeMarkAndNodeKind) {
    test::PictureFiles files({picture("boll", {8, 8}, [](int, int) { return kRed; }),
                              picture("nod", {8, 8}, [](int, int) { return kBlue; })});
    TSPfigurer figurer(files.base(), 10);
    struct Case {
        TSPtabmode mode;
        std::uint32_t style;
        int kind;
        QRgb icon;  // black: none
        bool textAfterIcon;
    };
    const std::uint32_t marked = 0x01000000, indented = 0x00020000;
    const QRgb none = qRgb(0, 0, 0);
    for (const Case& c :
         {Case{TSPtabmode::tmValdIkon, marked | indented, 0, kRed, true},
          Case{TSPtabmode::tmValdIkon, indented, 0, none, false},
          Case{TSPtabmode::tmStruktValdIkon, marked | indented, 1, kRed, true},
          Case{TSPtabmode::tmStandard, marked, 0, none, false}, Case{TSPtabmode::tmStrukt, 0, 1, kBlue, true},
          Case{TSPtabmode::tmStruktvald, marked, 2, none, false},
          Case{TSPtabmode::tmStrukt, 0, 7, none, false}}) {
        const std::string what = "mode " + std::to_string(static_cast<int>(c.mode)) + " style " +
                                 std::to_string(c.style) + " kind " + std::to_string(c.kind);
        auto grid = makeGrid(3, {200, 60});
        grid->setFigurer(&figurer);
        grid->setTabmode(c.mode);
        grid->setValdfigur("boll");
        grid->setFigurB("nod");
        grid->setFigurC("missing");
        grid->setEttindrag(15);
        grid->setCellTextProvider([](std::int32_t, int) { return std::string("Ort"); });
        grid->setCellStyleProvider([&](std::int32_t, int) { return c.style; });
        grid->setNodeKindProvider([&](std::int32_t, int) { return c.kind; });
        grid->setCurrentRow(2);
        const QImage image = render(*grid);
        const QRect cell = cellRect(*grid, 0, 0);
        for (QRgb colour : {kRed, kBlue}) {
            const auto [left, right] = colourSpan(image, cell, colour);
            EXPECT_EQ(left <= right, colour == c.icon) << what << ": icon " << std::hex << colour;
            const auto [left2, right2] = colourSpan(image, cellRect(*grid, 0, 1), colour);
            EXPECT_GT(left2, right2) << what << ": an icon outside the first column";
        }
        if (c.icon == none) continue;
        const auto [iconLeft, iconRight] = colourSpan(image, cell, c.icon);
        EXPECT_EQ(iconRight - iconLeft + 1, 8) << what;
        const auto [textLeft, textRight] =
            inkSpan(image, cell.adjusted(iconRight + 1 - cell.left(), 0, 0, 0));
        EXPECT_GT(textLeft, iconRight + 1) << what << ": the text stands clear of the icon";
    }
}

TEST(TableGridTest, TheBackgroundIsThePictureBehindTheGridOrElsePlainPaperAndTheSelectionStaysOnTop) {
    // Each logical pixel of the picture tells its own position.
    test::PictureFiles files({picture("papper", {300, 200}, [](int x, int y) { return qRgb(x, y, 128); })});
    TSPtiler tiler(files.base(), 2, TSPtilemode::tmUtsnitt);
    QWidget parent;
    parent.resize(300, 200);
    TSPtab grid(&parent);
    grid.setGeometry(30, 20, 160, 10 * kRowHeight);
    grid.setDefaultRowHeight(kRowHeight);
    grid.setColumnWidth(0, 160);
    grid.setRowCount(4);
    grid.setCellTextProvider([](std::int32_t, int) { return std::string(); });
    grid.setCurrentRow(1);
    const QColor highlight = render(grid).pixel(5, kRowHeight + 5);
    for (const char* missing : {"", "saknas"}) {
        grid.setBackground(&tiler, missing);
        EXPECT_EQ(render(grid).pixel(5, 5), controlPalette::plainPaper().rgb())
            << "picture \"" << missing << '"';
    }
    grid.setBackground(&tiler, "papper");
    const QImage image = render(grid);
    for (const QPoint p : {QPoint(5, 5), QPoint(150, 3 * kRowHeight + 2), QPoint(70, 9 * kRowHeight)})
        EXPECT_EQ(image.pixel(p), qRgb(30 + p.x(), 20 + p.y(), 128)) << p.x() << "," << p.y();
    EXPECT_EQ(image.pixel(5, kRowHeight + 5), highlight.rgb());
}

// The result list and a household as the main window shows them, drawn at 1x and 2x for the eye.
TEST(TableGridTest, Screenshots) {
    const std::vector<std::pair<std::string, std::string>> persons = {
        {"Andersson, Anna Maria", "1867"},
        {"Andersson, Carl Johan", "1859"},
        {"Bergstr\xF6m, Elin", "1881"},
        {"Bj\xF6rk, Gustaf Adolf", "1842"},
        {"Ekstr\xF6m, Hedvig Charlotta Eleonora Wilhelmina Augusta Ulrika Lovisa", "1875"},
        {"Eriksson, Per", ""},
        {"(Ingen namnuppgift)", "1890"},
        {"Gustafsson, Johanna", "1838"},
        {"H\xE5kansson, Lars Petter", "1864"},
        {"Jansson, Ingrid", "1886"},
        {"Karlsson, Nils", "1871"},
        {"L\xF6"
         "fgren, Sofia",
         "1855"},
        {"Magnusson, Axel", "1879"},
        {"Nilsson, Britta Stina", "1849"},
    };
    struct Member {
        std::string name, year, role;
        bool separator;
    };
    const std::vector<Member> household = {
        {"Lindqvist, Johan", "1844", "Far", false},
        {"Lindqvist, Kajsa", "1848", "Mor", false},
        {"Lindqvist, Erik", "1872", "Barn", false},
        {"Lindqvist, Hilda", "1876", "Barn", false},
        {"----------", " ", " ", true},
        {"Holm, Anders", "1869", "Far", false},
        {"Holm, Emma", "1870", "Mor", false},
        {"Holm, Oskar", "1889", "Barn", false},
        {"----------", " ", " ", true},
        {"Str\xF6m, Greta", "1821", "Ensam", false},
    };
    QWidget window;
    window.resize(420, 470);
    window.setStyleSheet("background: rgb(226, 218, 198)");
    TSPtab results(&window);
    results.setGeometry(10, 10, 400, 14 * kRowHeight);
    results.setColumnCount(2);
    results.setColumnWidth(0, 360);
    results.setColumnWidth(1, 40);
    results.setDefaultRowHeight(kRowHeight);
    results.setRowCount(static_cast<std::int32_t>(persons.size()));
    results.setCellTextProvider([&](std::int32_t row, int column) {
        const auto& p = persons[static_cast<std::size_t>(row - 1)];
        return column == 1 ? p.first : p.second;
    });
    results.setCellStyleProvider([](std::int32_t, int) { return 0u; });
    results.setCurrentRow(3);
    TSPtab members(&window);
    members.setGeometry(10, 260, 400, 10 * kRowHeight);
    members.setColumnCount(3);
    members.setColumnWidth(0, 320);
    members.setColumnWidth(1, 35);
    members.setColumnWidth(2, 45);
    members.setDefaultRowHeight(kRowHeight);
    members.setRowCount(static_cast<std::int32_t>(household.size()));
    members.setCellTextProvider([&](std::int32_t row, int column) {
        const Member& m = household[static_cast<std::size_t>(row - 1)];
        return column == 1 ? m.name : column == 2 ? m.year : m.role;
    });
    members.setRowSelectableProvider(
        [&](std::int32_t row) { return !household[static_cast<std::size_t>(row - 1)].separator; });
    members.setCellStyleProvider([](std::int32_t row, int) { return row == 7 ? 3u : 0u; });
    members.setCurrentRow(2);
    window.show();
    QApplication::setActiveWindow(&window);
    results.setFocus();
    ASSERT_TRUE(results.hasFocus());

    const QString dir = QStringLiteral(TESSLA_BINARY_DIR "/screenshots/grid");
    ASSERT_TRUE(QDir().mkpath(dir));
    test::saveShots(window, dir, QStringLiteral("lists"));
}

}  // namespace
}  // namespace tessla
