#pragma once

// `TSPprinttex`: a coded text laid out and drawn on any painter (printer, PDF writer, image) at
// the resolution of the painter's device, inside a rectangle given in that device's pixels. It
// keeps one canvas, whose measured fonts serve every layout until the resolution changes.

#include <optional>
#include <string_view>

#include <QRect>

#include "storage/coded_text.h"
#include "widgets/qt_canvas.h"

class QPainter;

namespace tessla {

class TSPprinttex {
  public:
    // When set, an empty new text leaves the text before it in place.
    void setKeepOnEmpty(bool keep) { keepOnEmpty_ = keep; }
    void setVertmode(int mode) { kodtxt_.setVertmode(mode); }

    // Copies the text (Windows-1252) and lays it out for `target` on `painter`'s device: at the
    // origin with the rectangle's width, then placed at the rectangle, so that drawing lands there.
    void setTextAndLayout(QPainter& painter, const QRect& target, std::string_view cp1252);
    // Draws the laid-out text on `painter`, which must draw on the device it was laid out for.
    void draw(QPainter& painter);

    int contentHeight() const { return kodtxt_.totalHeight(); }
    // The layout, for drawing a part of it (offset, rectangle) or reading its lines.
    TSPkodtxt& kodtxt() { return kodtxt_; }

  private:
    TSPkodtxt kodtxt_;
    std::optional<QtTextCanvas> canvas_;
    bool keepOnEmpty_ = false;
};

}  // namespace tessla
