// Which controls keep the mouse wheel and which leave it to the window around them: a wheel event
// a control does not accept goes on to its parent, where the window scrolls its list.

#include <QApplication>
#include <QSpontaneKeyEvent>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <functional>
#include <string_view>
#include <vector>

#include "skin/picture_button.h"
#include "skin/scroll_bar.h"
#include "widgets/table_grid.h"
#include "widgets/text_view.h"
#include "widgets/wheel_scroll.h"

namespace tessla {
namespace {

// A window that counts the wheel events that reach it.
class WheelWindow : public QWidget {
  public:
    int wheels = 0;

  protected:
    void wheelEvent(QWheelEvent* event) override {
        ++wheels;
        event->accept();
    }
};

// Turns the wheel one notch over `control` as the window system does, so that an event the control
// leaves unaccepted goes on to its parents.
void turnWheelOver(QWidget& control, int delta = -120) {
    const QPointF at(10, 10);
    QWheelEvent event(at, control.mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&event);
    // Straight to notify: sendEvent would mark the event as the program's own, which stays put.
    qApp->notify(&control, &event);
}

TEST(WheelTest, OnlyAGridThatScrollsItselfKeepsTheWheelFromTheWindow) {
    const struct {
        const char* name;
        std::function<QWidget*(QWidget* window)> make;
        bool reachesWindow;
    } controls[] = {
        {"grid with mushjul",
         [](QWidget* window) {
             auto* grid = new TSPtab(window);
             grid->setRowCount(100);
             return grid;
         },
         false},
        {"grid without mushjul",
         [](QWidget* window) {
             auto* grid = new TSPtab(window);
             grid->setRowCount(100);
             grid->setMushjul(false);
             return grid;
         },
         true},
        {"text view",
         [](QWidget* window) {
             auto* view = new TSPdyntex(window);
             view->setText("text");
             return view;
         },
         true},
        {"scroll bar", [](QWidget* window) { return new Tspecscr(window); }, true},
        {"picture button",
         [](QWidget* window) {
             auto* button = new TSPknapp(window);
             button->setButtext("S\xF6k");
             return button;
         },
         true},
    };
    for (const auto& c : controls) {
        WheelWindow window;
        window.resize(300, 300);
        QWidget* control = c.make(&window);
        control->setGeometry(20, 20, 160, 160);
        window.show();
        turnWheelOver(*control);
        EXPECT_EQ(window.wheels, c.reachesWindow ? 1 : 0) << c.name;
    }
}

// A window whose wheel scrolls its list by the list's bar, over the window and one watched
// control; another control stays unwatched.
struct WheelScrolled {
    WheelScrolled() {
        window.resize(300, 300);
        bar = new Tspecscr(&window);
        bar->setGeometry(280, 0, 19, 300);
        bar->setMax(100);
        bar->setPosition(50);
        watched = new TSPknapp(&window);
        watched->setGeometry(20, 20, 100, 30);
        other = new TSPknapp(&window);
        other->setGeometry(20, 100, 100, 30);
        auto* wheel = new WheelScroll(*bar);
        wheel->watch(window);
        wheel->watch(*watched);
        window.show();
    }

    WheelWindow window;
    Tspecscr* bar = nullptr;
    TSPknapp* watched = nullptr;
    TSPknapp* other = nullptr;
};

TEST(WheelScrollTest, TenRowsANotchOverTheWindowOrAWatchedControlKeptWithinTheBar) {
    const struct {
        const char* over;
        std::vector<int> deltas;
        std::int32_t position;  // from 50
    } cases[] = {
        {"watched", {-120}, 60},
        {"window", {120}, 40},
        {"other", {-120}, 60},             // goes on to the window
        {"watched", {-30, -30, -30}, 57},  // what makes no whole row waits for the next turn
        {"watched", {-5, -5}, 50},
        {"watched", {-1200}, 100},  // not past the bar's end
        {"window", {1200}, 1},
    };
    for (const auto& c : cases) {
        WheelScrolled scrolled;
        QWidget* over = std::string_view(c.over) == "watched" ? static_cast<QWidget*>(scrolled.watched)
                        : std::string_view(c.over) == "other" ? static_cast<QWidget*>(scrolled.other)
                                                              : &scrolled.window;
        for (const int delta : c.deltas) turnWheelOver(*over, delta);
        EXPECT_EQ(scrolled.bar->position(), c.position) << c.over << " " << c.deltas.size();
        EXPECT_EQ(scrolled.window.wheels, 0) << "the window's own handler sees none of it";
    }
}

TEST(WheelScrollTest, AHiddenBarScrollsNothingAndKeepsNoRemainder) {
    WheelScrolled scrolled;
    scrolled.bar->hide();
    turnWheelOver(*scrolled.watched, -60);
    EXPECT_EQ(scrolled.bar->position(), 50);
    EXPECT_EQ(scrolled.window.wheels, 0);
    scrolled.bar->show();
    turnWheelOver(*scrolled.watched, -60);
    EXPECT_EQ(scrolled.bar->position(), 55) << "the turn while hidden counted for nothing";
}

}  // namespace
}  // namespace tessla
