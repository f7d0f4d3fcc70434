#pragma once

// The mouse wheel of a window that scrolls one list wherever the pointer is in it: over the window
// itself and over each control it watches (a wheel event a control leaves alone would otherwise go
// no further on its own). It moves the list's scroll bar, whose link moves the list: ten rows a
// notch, what makes no whole row kept for the next turn (view/scroll_rows.h), and nothing while
// the bar is hidden. The wheel events it watches go no further.

#include <QObject>

#include "view/scroll_rows.h"

class QWidget;

namespace tessla {

class Tspecscr;

class WheelScroll : public QObject {
  public:
    // Scrolls by `bar`, which owns the scroller: it ends with the bar.
    explicit WheelScroll(Tspecscr& bar);

    // The wheel over `widget` scrolls the list.
    void watch(QWidget& widget);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    Tspecscr& bar_;
    WheelRows rows_;
};

}  // namespace tessla
