#include "widgets/wheel_scroll.h"

#include <algorithm>

#include <QWheelEvent>

#include "skin/scroll_bar.h"

namespace tessla {

WheelScroll::WheelScroll(Tspecscr& bar) : QObject(&bar), bar_(bar) {}

void WheelScroll::watch(QWidget& widget) {
    widget.installEventFilter(this);
}

bool WheelScroll::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Wheel) return QObject::eventFilter(watched, event);
    event->accept();
    if (!bar_.isVisible()) return true;
    const std::int32_t rows = rows_.add(static_cast<QWheelEvent*>(event)->angleDelta().y());
    if (rows != 0) bar_.setPosition(std::clamp(bar_.position() - rows, bar_.min(), bar_.max()));
    return true;
}

}  // namespace tessla
