// Which controls keep the mouse wheel and which leave it to the window around them: a wheel event
// a control does not accept goes on to its parent, where the window scrolls its list.

#include <QApplication>
#include <QSpontaneKeyEvent>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <functional>

#include "skin/picture_button.h"
#include "skin/scroll_bar.h"
#include "widgets/table_grid.h"
#include "widgets/text_view.h"

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
void turnWheelOver(QWidget& control) {
    const QPointF at(10, 10);
    QWheelEvent event(at, control.mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
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

}  // namespace
}  // namespace tessla
