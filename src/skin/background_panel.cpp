#include "skin/background_panel.h"

#include <QPaintEvent>
#include <QPainter>

#include "skin/control_palette.h"
#include "skin/tiler.h"

namespace tessla {

void BackgroundPanel::setBackground(TSPtiler* tiler, std::string_view name) {
    tiler_ = tiler;
    name_ = name;
    update();
}

void BackgroundPanel::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), controlPalette::plainPaper());
    if (tiler_ == nullptr) return;
    const int index = tiler_->hamtatile(name_);
    const TSPentile* tile = tiler_->tile(index);
    if (tile == nullptr || tile->bitmap.isNull()) return;
    const QSize size = tile->bitmap.deviceIndependentSize().toSize();
    if (size.isEmpty()) return;
    for (int row = 0; row * size.height() < height(); ++row) {
        for (int column = 0; column * size.width() < width(); ++column) {
            const QRect piece(QPoint(column * size.width(), row * size.height()), size);
            if (!piece.intersects(event->rect())) continue;
            painter.save();
            painter.translate(column % 2 == 0 ? piece.left() : piece.right() + 1,
                              row % 2 == 0 ? piece.top() : piece.bottom() + 1);
            painter.scale(column % 2 == 0 ? 1 : -1, row % 2 == 0 ? 1 : -1);
            tiler_->ritatile(index, painter, 0, 0, size.width(), size.height(), 0, 0);
            painter.restore();
        }
    }
}

void SunkenFrame::paintEvent(QPaintEvent* event) {
    BackgroundPanel::paintEvent(event);
    QPainter painter(this);
    const QRect r = rect().adjusted(0, 0, -1, -1);
    painter.setPen(QColor(120, 104, 80));
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(QColor(255, 255, 250));
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
}

}  // namespace tessla
