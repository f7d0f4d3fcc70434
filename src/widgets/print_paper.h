#pragma once

// The page engine's paper on a Qt paged device (a printer, or a printer writing a PDF file): one
// text canvas for the whole job, so that every font is measured once, new sheets and the
// header's rules.

#include <QPagedPaintDevice>
#include <QPainter>

#include "view/print_pages.h"
#include "widgets/qt_canvas.h"

namespace tessla {

class QtPrintSurface final : public PrintSurface {
  public:
    // `painter` must be active on `device` for as long as the surface is used.
    QtPrintSurface(QPagedPaintDevice& device, QPainter& painter);

    TextCanvas& canvas() override { return canvas_; }
    void startPage() override;
    void drawLine(int x1, int x2, int y, int penWidth) override;

    // The whole sheet of `device` in its pixels, with its resolution (full-page mode).
    static PaperGeometry geometry(QPaintDevice& device);

  private:
    QPagedPaintDevice& device_;
    QPainter& painter_;
    QtTextCanvas canvas_;
};

}  // namespace tessla
