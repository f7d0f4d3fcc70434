#include "skin/scroll_bar.h"

#include <functional>
#include <memory>
#include <string>

#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "skin/rounding.h"
#include "skin/scroll_geometry.h"

namespace tessla {
namespace {

// A bar with the default positions 1 … 100 whose track is 198 pixels long, so two pixels make one
// step; shown, so that it receives mouse events.
std::unique_ptr<Tspecscr> makeBar(Qt::Orientation kind = Qt::Vertical) {
    auto bar = std::make_unique<Tspecscr>();
    bar->setKind(kind);
    bar->resize(kind == Qt::Vertical ? QSize(20, 238) : QSize(238, 20));
    bar->show();
    return bar;
}

// The point `along` pixels from the bar's start, on its centre line.
QPoint at(const Tspecscr& bar, int along) {
    return bar.kind() == Qt::Vertical ? QPoint(10, along) : QPoint(along, 10);
}

constexpr int kUpArrow = 10;
constexpr int kDownArrow = 228;

// Fires the auto-repeat timer once, as its interval running out would.
void tick(Tspecscr& bar) {
    auto* timer = bar.findChild<QTimer*>(QStringLiteral("autoRepeat"));
    ASSERT_NE(timer, nullptr);
    QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection);
}

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
    const struct {
        double value;
        long long rounded;
    } cases[] = {{2.5, 2}, {3.5, 4}, {0.5, 0}, {-0.5, 0}, {-1.5, -2}, {2.49, 2}, {2.51, 3}, {7.0, 7}};
    for (const auto& c : cases) EXPECT_EQ(roundHalfEven(c.value), c.rounded) << c.value;
}

TEST(ScrollGeometry, ThumbAndPointerArithmetic) {
    const struct {
        const char* name;
        int length;
        std::int32_t min, max;
        std::int32_t position;
        int thumb;
        int pointer;
        std::int32_t pointed;
    } cases[] = {
        {"two pixels a step", 238, 1, 100, 31, 80, 80, 31},
        {"first position at the track's top", 238, 1, 100, 1, 20, 21, 1},  // half a step rounds to even 0
        {"a step and a half rounds to two", 238, 1, 100, 2, 22, 23, 3},
        {"the track's last pixel: 98.5 steps round to 98", 238, 1, 100, 100, 218, 217, 99},
        {"the track's end gives max", 238, 1, 100, 100, 218, 218, 100},
        {"before the track counts as its top", 238, 1, 100, 1, 20, 5, 1},
        {"past the track is max", 238, 1, 100, 1, 20, 230, 100},
        {"thumb rounds halves to even", 45, 0, 2, 1, 22, 24, 2},
        {"min = max stays at the top", 238, 7, 7, 7, 20, 120, 7},
        {"a bar shorter than its arrows keeps a one-pixel track", 30, 1, 10, 10, 21, 20, 1},
    };
    for (const auto& c : cases) {
        const ScrollGeometry geometry(c.length, c.min, c.max);
        EXPECT_GT(geometry.pixelsPerStep(), 0.0) << c.name;
        EXPECT_EQ(geometry.thumbCoordinate(c.position), c.thumb) << c.name;
        EXPECT_EQ(geometry.positionAt(c.pointer), c.pointed) << c.name;
    }
}

TEST(ScrollBar, ArrowClickStepsOnRelease) {
    const struct {
        const char* name;
        int arrow;
        std::int32_t start, smallch;
        std::int32_t after;
    } cases[] = {
        {"down arrow", kDownArrow, 1, 3, 4},
        {"up arrow", kUpArrow, 50, 3, 47},
        {"down arrow stops at max", kDownArrow, 99, 5, 100},
        {"up arrow stops at min", kUpArrow, 3, 5, 1},
        {"up arrow at min does nothing", kUpArrow, 1, 1, 1},
        {"down arrow at max does nothing", kDownArrow, 100, 1, 100},
    };
    for (const auto& c : cases) {
        auto bar = makeBar();
        bar->setPosition(c.start);
        bar->setSmallch(c.smallch);
        QSignalSpy events(bar.get(), &Tspecscr::OnNyPosition);
        QTest::mousePress(bar.get(), Qt::LeftButton, {}, at(*bar, c.arrow));
        EXPECT_EQ(bar->position(), c.start) << c.name << ": nothing moves on press";
        QTest::mouseRelease(bar.get(), Qt::LeftButton, {}, at(*bar, c.arrow));
        EXPECT_EQ(bar->position(), c.after) << c.name;
        EXPECT_EQ(events.count(), c.after == c.start ? 0 : 1) << c.name;
    }
}

TEST(ScrollBar, PressMovedOffAndReleasedMovesNothing) {
    const struct {
        const char* name;
        int press, release;
    } cases[] = {
        {"off the down arrow onto the track", kDownArrow, 160},
        {"off the up arrow onto the track", kUpArrow, 160},
        {"from the track onto an arrow", 160, kDownArrow},
    };
    for (const auto& c : cases) {
        auto bar = makeBar();
        bar->setPosition(50);  // the thumb at 118, away from the pointer
        QSignalSpy events(bar.get(), &Tspecscr::OnNyPosition);
        QTest::mousePress(bar.get(), Qt::LeftButton, {}, at(*bar, c.press));
        QTest::mouseMove(bar.get(), at(*bar, c.release));
        QTest::mouseRelease(bar.get(), Qt::LeftButton, {}, at(*bar, c.release));
        EXPECT_EQ(bar->position(), 50) << c.name;
        EXPECT_EQ(events.count(), 0) << c.name;
    }
}

TEST(ScrollBar, HeldArrowRepeatsAfterHalfASecondThenFast) {
    auto bar = makeBar();
    QTest::mousePress(bar.get(), Qt::LeftButton, {}, at(*bar, kDownArrow));
    auto* timer = bar->findChild<QTimer*>(QStringLiteral("autoRepeat"));
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 500);
    tick(*bar);
    EXPECT_EQ(bar->position(), 2);
    EXPECT_EQ(timer->interval(), 20);
    tick(*bar);
    EXPECT_EQ(bar->position(), 3);
    QTest::mouseRelease(bar.get(), Qt::LeftButton, {}, at(*bar, kDownArrow));
    EXPECT_EQ(bar->position(), 4) << "one more step on release";
    EXPECT_FALSE(timer->isActive());
}

TEST(ScrollBar, RepeatDoesNotStepWhileAChangeIsBeingApplied) {
    auto bar = makeBar();
    QTest::mousePress(bar.get(), Qt::LeftButton, {}, at(*bar, kDownArrow));
    // The owner's handler takes so long that the timer fires inside it.
    int handled = 0;
    QObject::connect(bar.get(), &Tspecscr::OnNyPosition, [&] {
        if (++handled == 1) tick(*bar);
    });
    tick(*bar);
    EXPECT_EQ(bar->position(), 2);
    EXPECT_EQ(handled, 1);
}

TEST(ScrollBar, TrackClickJumpsToThePointInBothOrientations) {
    for (const Qt::Orientation kind : {Qt::Vertical, Qt::Horizontal}) {
        auto bar = makeBar(kind);
        QSignalSpy events(bar.get(), &Tspecscr::OnNyPosition);
        QTest::mousePress(bar.get(), Qt::LeftButton, {}, at(*bar, 80));
        EXPECT_EQ(bar->position(), 1) << "nothing moves on press";
        QTest::mouseRelease(bar.get(), Qt::LeftButton, {}, at(*bar, 80));
        EXPECT_EQ(bar->position(), 31) << kind;
        EXPECT_EQ(events.count(), 1) << kind;
    }
}

TEST(ScrollBar, DraggingTheThumbFollowsThePointer) {
    for (const Qt::Orientation kind : {Qt::Vertical, Qt::Horizontal}) {
        auto bar = makeBar(kind);
        QSignalSpy events(bar.get(), &Tspecscr::OnNyPosition);
        // The thumb of position 1 sits at 20, half over the arrow; it is drawn clear of the arrow,
        // and where it is seen it can be grabbed.
        QTest::mousePress(bar.get(), Qt::LeftButton, {}, at(*bar, 30));
        QTest::mouseMove(bar.get(), at(*bar, 80));
        EXPECT_EQ(bar->position(), 31) << kind;
        QTest::mouseMove(bar.get(), at(*bar, 235));
        EXPECT_EQ(bar->position(), 100) << kind;
        QTest::mouseRelease(bar.get(), Qt::LeftButton, {}, at(*bar, 235));
        EXPECT_EQ(bar->position(), 100) << kind;
        EXPECT_EQ(events.count(), 2) << kind;
    }
}

TEST(ScrollBar, DragsOverASinglePositionGiveThatPosition) {
    auto bar = makeBar();
    bar->setMax(1);
    ASSERT_EQ(bar->max(), 1);
    QSignalSpy events(bar.get(), &Tspecscr::OnNyPosition);
    QTest::mousePress(bar.get(), Qt::LeftButton, {}, at(*bar, 20));
    for (const int along : {30, 120, 217, 237, 0}) {
        QTest::mouseMove(bar.get(), at(*bar, along));
        EXPECT_EQ(bar->position(), 1) << along;
    }
    QTest::mouseRelease(bar.get(), Qt::LeftButton, {}, at(*bar, 0));
    EXPECT_EQ(events.count(), 0);
}

TEST(ScrollBar, RefusedSettingsChangeNothingAndRaiseNoEvent) {
    const struct {
        const char* name;
        std::function<void(Tspecscr&)> set;
    } cases[] = {
        {"position below min", [](Tspecscr& b) { b.setPosition(0); }},
        {"position above max", [](Tspecscr& b) { b.setPosition(101); }},
        {"position unchanged", [](Tspecscr& b) { b.setPosition(1); }},
        {"max below min", [](Tspecscr& b) { b.setMax(0); }},
        {"max unchanged", [](Tspecscr& b) { b.setMax(100); }},
        {"min at max", [](Tspecscr& b) { b.setMin(100); }},
        {"min negative", [](Tspecscr& b) { b.setMin(-1); }},
        {"smallch zero", [](Tspecscr& b) { b.setSmallch(0); }},
        {"largech zero", [](Tspecscr& b) { b.setLargech(0); }},
    };
    for (const auto& c : cases) {
        auto bar = makeBar();
        QSignalSpy events(bar.get(), &Tspecscr::OnNyPosition);
        c.set(*bar);
        EXPECT_EQ(events.count(), 0) << c.name;
        EXPECT_EQ(std::tuple(bar->min(), bar->max(), bar->position(), bar->smallch(), bar->largech()),
                  std::tuple(1, 100, 1, 1, 10))
            << c.name;
    }
}

TEST(ScrollBar, NarrowingTheRangeBringsThePositionIntoIt) {
    const struct {
        const char* name;
        std::function<void(Tspecscr&)> set;
        std::int32_t position;
        int events;
    } cases[] = {
        {"max lowered below the position", [](Tspecscr& b) { b.setMax(50); }, 50, 1},
        {"max lowered to above the position", [](Tspecscr& b) { b.setMax(90); }, 80, 0},
        {"min raised above the position", [](Tspecscr& b) { b.setMin(90); }, 90, 1},
        {"accepted position", [](Tspecscr& b) { b.setPosition(60); }, 60, 1},
    };
    for (const auto& c : cases) {
        auto bar = makeBar();
        bar->setPosition(80);
        QSignalSpy events(bar.get(), &Tspecscr::OnNyPosition);
        c.set(*bar);
        EXPECT_EQ(bar->position(), c.position) << c.name;
        EXPECT_EQ(events.count(), c.events) << c.name;
    }
}

}  // namespace
}  // namespace tessla
