#include "widgets/elided_label.h"

#include <QEvent>
#include <QFontMetrics>

namespace tessla {

ElidedLabel::ElidedLabel(QWidget* parent) : QLabel(parent) {
    // The cut is measured on the characters themselves, never on markup.
    setTextFormat(Qt::PlainText);
}

void ElidedLabel::setFullText(const QString& text) {
    fullText_ = text;
    // A screen reader reads the whole text, however much of it shows.
    setAccessibleName(text);
    elide();
    updateGeometry();
}

QSize ElidedLabel::sizeHint() const {
    const QSize shown = QLabel::sizeHint();
    const QFontMetrics metrics(font());
    const int hidden = metrics.horizontalAdvance(fullText_) - metrics.horizontalAdvance(text());
    return {shown.width() + hidden, shown.height()};
}

QSize ElidedLabel::minimumSizeHint() const {
    return {0, QLabel::minimumSizeHint().height()};
}

void ElidedLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    elide();
}

void ElidedLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange) elide();
}

QString ElidedLabel::cutToFit(int room) const {
    const QFontMetrics metrics(font());
    QString shown = metrics.elidedText(fullText_, Qt::ElideRight, room);
    // The cut is measured in fractions of a pixel, so its whole pixels may pass the room by one:
    // then it is cut shorter.
    for (int less = room - 1; less >= 0 && metrics.horizontalAdvance(shown) > room; --less)
        shown = metrics.elidedText(fullText_, Qt::ElideRight, less);
    return shown;
}

void ElidedLabel::elide() {
    const QString shown = cutToFit(contentsRect().width() - 2 * margin());
    setText(shown);
    setToolTip(shown == fullText_ ? QString() : fullText_);
}

}  // namespace tessla
