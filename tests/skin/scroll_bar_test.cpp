#include "skin/scroll_bar.h"

#include <functional>
#include <memory>
#include <string>

#include <QAccessible>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

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

TEST(ScrollBar, AssistiveClientsReadAndSetThePositionAsTheValue) {
    const auto bar = makeBar();
    bar->setMin(0);
    bar->setMax(40);
    bar->setPosition(12);
    bar->setSmallch(3);
    QSignalSpy moved(bar.get(), &Tspecscr::OnNyPosition);
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(bar.get());
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->role(), QAccessible::ScrollBar);
    QAccessibleValueInterface* value = face->valueInterface();
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->minimumValue().toInt(), 0);
    EXPECT_EQ(value->maximumValue().toInt(), 40);
    EXPECT_EQ(value->currentValue().toInt(), 12);
    EXPECT_EQ(value->minimumStepSize().toInt(), 3);

    value->setCurrentValue(30);
    EXPECT_EQ(bar->position(), 30);
    EXPECT_EQ(moved.count(), 1);
    value->setCurrentValue(41);
    EXPECT_EQ(bar->position(), 30) << "a value beyond max is refused, as the program's would be";
    EXPECT_EQ(moved.count(), 1);
}

}  // namespace
}  // namespace tessla
