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

void ElidedLabel::elide() {
    const int room = contentsRect().width() - 2 * margin();
    const QString shown = QFontMetrics(font()).elidedText(fullText_, Qt::ElideRight, room);
    setText(shown);
    setToolTip(shown == fullText_ ? QString() : fullText_);
}

}  // namespace tessla
