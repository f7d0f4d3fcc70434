#include "widgets/text_view.h"

#include <algorithm>
#include <utility>

#include <QAccessible>
#include <QKeyEvent>
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
    focusedLink_ = hasFocus() && keyboardLinks_ && linkCount() > 0 ? 0 : -1;
    layOut();
    update();
    announceText(before);
    emit laidOut();
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
    emit laidOut();
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
    drawFocusedLink(painter);
    if (visaruta_) {
        painter.setPen(Qt::black);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void TSPdyntex::drawFocusedLink(QPainter& painter) {
    if (!hasFocus() || focusedLink_ < 0) return;
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    for (const Tkodtextp& run : kodtxt_.runs()) {
        if (!run.link || run.linkIndex != focusedLink_) continue;
        const int top = run.rect.top - kodtxt_.verticalOffset();
        painter.drawRect(QRect(run.rect.left - 2, top, run.rect.right - run.rect.left + 3,
                               run.rect.bottom - run.rect.top - 1));
    }
}

// ---- the keyboard ------------------------------------------------------------------------------------

void TSPdyntex::setKeyboardLinks(bool on) {
    keyboardLinks_ = on;
    setFocusPolicy(on ? Qt::StrongFocus : Qt::NoFocus);
}

void TSPdyntex::focusLink(int index) {
    focusedLink_ = index;
    for (const Tkodtextp& run : kodtxt_.runs()) {
        if (!run.link || run.linkIndex != index) continue;
        const int offset = kodtxt_.verticalOffset();
        if (run.rect.top < offset) scrollByKeys(run.rect.top);
        if (run.rect.bottom > offset + height()) scrollByKeys(run.rect.bottom - height());
        break;
    }
    update();
}

void TSPdyntex::scrollByKeys(int offset) {
    const int kept = std::clamp(offset, 0, std::max(0, contentHeight() - height()));
    if (kept == kodtxt_.verticalOffset()) return;
    setVerticalOffset(kept);
    emit scrolledByKeys(kept);
}

void TSPdyntex::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    if (keyboardLinks_ && linkCount() > 0)
        focusLink(event->reason() == Qt::BacktabFocusReason ? linkCount() - 1 : 0);
}

void TSPdyntex::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    focusedLink_ = -1;
    update();
}

bool TSPdyntex::focusNextPrevChild(bool next) {
    const int step = next ? 1 : -1;
    if (keyboardLinks_ && hasFocus() && focusedLink_ + step >= 0 && focusedLink_ + step < linkCount()) {
        focusLink(focusedLink_ + step);
        return true;
    }
    return QWidget::focusNextPrevChild(next);
}

void TSPdyntex::keyPressEvent(QKeyEvent* event) {
    if (!keyboardLinks_) {
        QWidget::keyPressEvent(event);
        return;
    }
    const int line = fontMetrics().height();
    const int offset = kodtxt_.verticalOffset();
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            if (focusedLink_ < 0) break;
            followLink(focusedLink_);
            return;
        case Qt::Key_Up:
            scrollByKeys(offset - line);
            return;
        case Qt::Key_Down:
            scrollByKeys(offset + line);
            return;
        case Qt::Key_PageUp:
            scrollByKeys(offset - std::max(line, height() - line));
            return;
        case Qt::Key_PageDown:
            scrollByKeys(offset + std::max(line, height() - line));
            return;
        case Qt::Key_Home:
            scrollByKeys(0);
            return;
        case Qt::Key_End:
            scrollByKeys(contentHeight());
            return;
        default:
            break;
    }
    QWidget::keyPressEvent(event);
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
