#include "widgets/scroll_link.h"

#include <cstdint>

#include <QObject>

#include "skin/scroll_bar.h"
#include "view/scroll_rows.h"
#include "widgets/table_grid.h"
#include "widgets/text_view.h"

namespace tessla {

namespace {

class ScrollLink : public QObject {
  public:
    ScrollLink(Tspecscr& bar, TSPtab& grid) : QObject(&grid), bar_(bar), grid_(grid) {
        connect(&bar, &Tspecscr::OnNyPosition, this, &ScrollLink::followBar);
        connect(&grid, &TSPtab::topRowChanged, this, [this](std::int32_t top) { bar_.setPosition(top + 1); });
        connect(&grid, &TSPtab::rowCountChanged, this, &ScrollLink::fit);
        connect(&grid, &TSPtab::rowHeightChanged, this, &ScrollLink::fit);
        connect(&grid, &TSPtab::OnNySize, this, &ScrollLink::fit);
        // The grid's connections end with the link, which the grid owns; the bar may go first.
        connect(&bar, &QObject::destroyed, this, [this] { delete this; });
        fit();
    }

  private:
    void followBar() {
        if (!fitting_) grid_.setTopRow(bar_.position() - 1);
    }

    void fit() {
        const std::int32_t maximum = scrollMaximum(grid_.rowCount(), grid_.visibleRowCount());
        if (maximum == 0) {
            bar_.hide();
            return;
        }
        // A new range may move the bar on its way; the grid's top row stays where it is.
        fitting_ = true;
        bar_.setMin(1);
        bar_.setMax(maximum);
        bar_.setPosition(grid_.topRow() + 1);
        fitting_ = false;
        bar_.show();
    }

    Tspecscr& bar_;
    TSPtab& grid_;
    bool fitting_ = false;
};

class TextScrollLink : public QObject {
  public:
    TextScrollLink(Tspecscr& bar, TSPdyntex& text) : QObject(&text), bar_(bar), text_(text) {
        connect(&bar, &Tspecscr::OnNyPosition, this,
                [this] { text_.setVerticalOffset(bar_.position() - 1); });
        connect(&text, &TSPdyntex::scrolledByKeys, this,
                [this](int offset) { bar_.setPosition(offset + 1); });
        connect(&text, &TSPdyntex::laidOut, this, &TextScrollLink::fit);
        // The text view's connections end with the link, which it owns; the bar may go first.
        connect(&bar, &QObject::destroyed, this, [this] { delete this; });
        fit();
    }

  private:
    void fit() {
        const int content = text_.contentHeight();
        const int view = text_.height();
        if (content <= view) {
            bar_.hide();
            return;
        }
        bar_.setMin(1);
        bar_.setMax(content - view + 1);
        bar_.setPosition(1);
        bar_.show();
    }

    Tspecscr& bar_;
    TSPdyntex& text_;
};

}  // namespace

void linkScrollBar(Tspecscr& bar, TSPtab& grid) {
    new ScrollLink(bar, grid);
}

void linkScrollBar(Tspecscr& bar, TSPdyntex& text) {
    new TextScrollLink(bar, text);
}

}  // namespace tessla
