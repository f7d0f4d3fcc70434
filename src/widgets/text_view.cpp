#include "widgets/text_view.h"

#include <algorithm>
#include <utility>

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>

#include "skin/qt_text.h"
#include "skin/tiler.h"

namespace tessla {

namespace {

QPoint pointOf(const QMouseEvent* event) {
    return event->position().toPoint();
}

}  // namespace

TSPdyntex::TSPdyntex(QWidget* parent) : QWidget(parent), canvas_(*this) {
    setMouseTracking(true);
    layOut();
}

void TSPdyntex::layOut() {
    kodtxt_.setRect({0, 0, width() - 1, height() - 1});
    kodtxt_.layout(canvas_);
}

void TSPdyntex::setText(std::string_view cp1252) {
    const QString before = QAccessible::isActive() ? plainText() : QString();
    kodtxt_.setText(cp1252);
    ++textGeneration_;
    layOut();
    update();
    announceText(before);
}

QString TSPdyntex::linkText(int index) const {
    std::string words;
    for (const Tkodtextp& run : kodtxt_.runs()) {
        if (!run.link || run.linkIndex != index || run.text.empty()) continue;
        if (!words.empty()) words += ' ';
        words += run.text;
    }
    return toQString(words).simplified();
}

void TSPdyntex::followLink(int index) {
    if (index < 0 || index >= linkCount()) return;
    clickedLink_ = kodtxt_.links()[static_cast<std::size_t>(index)].target;
    emit OnClick();
}

QString TSPdyntex::plainText() const {
    return toQString(kodtxt_.plainText());
}

void TSPdyntex::announceText(const QString& before) {
    if (!QAccessible::isActive()) return;
    QAccessibleTextUpdateEvent event(this, 0, before, plainText());
    QAccessible::updateAccessibility(&event);
}

void TSPdyntex::relayout() {
    const int offset = kodtxt_.verticalOffset();
    layOut();
    kodtxt_.setVerticalOffset(std::clamp(offset, 0, std::max(0, contentHeight() - height())));
    update();
}

void TSPdyntex::setVerticalOffset(int pixels) {
    kodtxt_.setVerticalOffset(pixels);
    update();
}

void TSPdyntex::setBackground(TSPtiler* tiler, std::string tilekod) {
    tiler_ = tiler;
    tilekod_ = std::move(tilekod);
    update();
}

void TSPdyntex::setVisaruta(bool visaruta) {
    visaruta_ = visaruta;
    update();
}

void TSPdyntex::setVertmode(int mode) {
    kodtxt_.setVertmode(mode);
    update();
}

void TSPdyntex::drawText(QPainter& painter) {
    canvas_.setPainter(&painter);
    kodtxt_.draw(canvas_);
    canvas_.setPainter(nullptr);
}

void TSPdyntex::paintEvent(QPaintEvent*) {
    if (kodtxt_.text().empty()) return;
    QPainter painter(this);
    // A missing picture paints nothing, and the parent's background shows.
    if (tiler_ != nullptr && !tilekod_.empty()) tiler_->paintPiece(painter, tilekod_, pos(), rect());
    drawText(painter);
    if (visaruta_) {
        painter.setPen(Qt::black);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void TSPdyntex::resizeEvent(QResizeEvent*) {
    relayout();
}

void TSPdyntex::mouseMoveEvent(QMouseEvent* event) {
    const QPoint point = pointOf(event);
    if (kodtxt_.linkAt(point.x(), point.y()).empty()) {
        unsetCursor();
    } else {
        setCursor(Qt::PointingHandCursor);
    }
}

void TSPdyntex::mousePressEvent(QMouseEvent* event) {
    const QPoint point = pointOf(event);
    clickedLink_ = kodtxt_.linkAt(point.x(), point.y());
}

void TSPdyntex::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(pointOf(event))) emit OnClick();
}

}  // namespace tessla
