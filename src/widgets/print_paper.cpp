#include "widgets/print_paper.h"

#include <QPen>

namespace tessla {

QtPrintSurface::QtPrintSurface(QPagedPaintDevice& device, QPainter& painter)
    : device_(device), painter_(painter), canvas_(device) {
    canvas_.setPainter(&painter_);
}

void QtPrintSurface::startPage() {
    device_.newPage();
}

void QtPrintSurface::drawLine(int x1, int x2, int y, int penWidth) {
    QPen pen(Qt::black);
    pen.setWidth(penWidth);
    painter_.setPen(pen);
    painter_.drawLine(x1, y, x2, y);
}

PaperGeometry QtPrintSurface::geometry(QPaintDevice& device) {
    return {device.width(), device.height(), device.logicalDpiX(), device.logicalDpiY()};
}

}  // namespace tessla
