#include "skin/scroll_bar.h"

#include <algorithm>

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygonF>
#include <QTimer>

#include "skin/control_palette.h"

namespace tessla {

namespace {

constexpr int kFirstRepeatMs = 500;
constexpr int kRepeatMs = 20;
// Half the drawn diamond's extent along and across the track.
constexpr double kDiamondAlong = 6.5;
constexpr double kDiamondAcross = 7.5;
// Half the base and the height of an arrow's triangle.
constexpr double kTriangleHalfBase = 5.5;
constexpr double kTriangleHeight = 6.0;

QColor arrowIdle() {
    return {78, 70, 62};
}

}  // namespace

Tspecscr::Tspecscr(QWidget* parent) : QWidget(parent) {}

void Tspecscr::setMin(std::int32_t value) {
    if (value == min_ || value < 0 || value >= max_) return;
    min_ = value;
    update();
    if (position_ < min_) applyPosition(min_);
}

void Tspecscr::setMax(std::int32_t value) {
    if (value == max_ || value < min_) return;
    max_ = value;
    update();
    if (position_ > max_) applyPosition(max_);
}

void Tspecscr::setPosition(std::int32_t value) {
    if (value == position_ || value < min_ || value > max_) return;
    applyPosition(value);
}

void Tspecscr::setSmallch(std::int32_t value) {
    if (value == smallch_ || value < 1) return;
    smallch_ = value;
    update();
}

void Tspecscr::setLargech(std::int32_t value) {
    if (value == largech_ || value < 1) return;
    largech_ = value;
    update();
}

void Tspecscr::setKind(Qt::Orientation kind) {
    kind_ = kind;
    updateGeometry();
    update();
}

QSize Tspecscr::sizeHint() const {
    const int across = kArrowLength;
    const int alongLength = 4 * kArrowLength;
    return kind_ == Qt::Vertical ? QSize(across, alongLength) : QSize(alongLength, across);
}

ScrollGeometry Tspecscr::geometry() const {
    return ScrollGeometry(length(), min_, max_);
}

int Tspecscr::length() const {
    return kind_ == Qt::Vertical ? height() : width();
}

int Tspecscr::breadth() const {
    return kind_ == Qt::Vertical ? width() : height();
}

int Tspecscr::along(QPoint point) const {
    return kind_ == Qt::Vertical ? point.y() : point.x();
}

QRect Tspecscr::span(int alongStart, int alongSize, int acrossStart, int acrossSize) const {
    return kind_ == Qt::Vertical ? QRect(acrossStart, alongStart, acrossSize, alongSize)
                                 : QRect(alongStart, acrossStart, alongSize, acrossSize);
}

QPointF Tspecscr::pointAt(double alongCoordinate, double acrossCoordinate) const {
    return kind_ == Qt::Vertical ? QPointF(acrossCoordinate, alongCoordinate)
                                 : QPointF(alongCoordinate, acrossCoordinate);
}

QRect Tspecscr::arrowRect(Arrow arrow) const {
    const int start = arrow == Arrow::first ? 0 : length() - kArrowLength;
    return span(start, kArrowLength, 0, breadth());
}

QRect Tspecscr::trackRect() const {
    return span(kArrowLength, std::max(0, length() - 2 * kArrowLength), 0, breadth());
}

double Tspecscr::drawnThumbCentre(int t) const {
    // Kept clear of the arrows where the track is long enough.
    const double first = kArrowLength + kDiamondAlong;
    const double last = length() - kArrowLength - kDiamondAlong;
    const double centre = t + 0.5;
    return first <= last ? std::clamp(centre, first, last) : centre;
}

bool Tspecscr::onThumb(QPoint point) const {
    const int t = geometry().thumbCoordinate(position_);
    const int centre = breadth() / 2;
    const QRect hit =
        span(t - kThumbHitAlong, 2 * kThumbHitAlong + 1, centre - kThumbHitAcross, 2 * kThumbHitAcross + 1);
    // What is seen of the thumb can be grabbed too.
    const int drawn = static_cast<int>(drawnThumbCentre(t));
    const int reach = static_cast<int>(kDiamondAlong);
    const QRect seen = span(drawn - reach, 2 * reach + 1, centre - kThumbHitAcross, 2 * kThumbHitAcross + 1);
    return hit.contains(point) || seen.contains(point);
}

Tspecscr::Arrow Tspecscr::arrowAt(QPoint point) const {
    if (arrowRect(Arrow::first).contains(point)) return Arrow::first;
    if (arrowRect(Arrow::second).contains(point)) return Arrow::second;
    return Arrow::none;
}

void Tspecscr::applyPosition(std::int32_t value) {
    const bool wasBusy = busy_;
    busy_ = true;
    position_ = value;
    const int t = geometry().thumbCoordinate(value);
    if (t != lastThumb_) {
        update();
        lastThumb_ = t;
    }
    announcePosition();
    emit OnNyPosition();
    busy_ = wasBusy;
}

void Tspecscr::announcePosition() {
    if (!QAccessible::isActive()) return;
    QAccessibleValueChangeEvent event(this, position_);
    QAccessible::updateAccessibility(&event);
}

void Tspecscr::step(Arrow arrow) {
    if (arrow == Arrow::first && position_ > min_) {
        applyPosition(static_cast<std::int32_t>(std::max<long long>(min_, 0LL + position_ - smallch_)));
    } else if (arrow == Arrow::second && position_ < max_) {
        applyPosition(static_cast<std::int32_t>(std::min<long long>(max_, 0LL + position_ + smallch_)));
    }
}

void Tspecscr::releaseArrow() {
    if (repeatTimer_ != nullptr) repeatTimer_->stop();
    if (pressedArrow_ == Arrow::none) return;
    update(arrowRect(pressedArrow_));
    pressedArrow_ = Arrow::none;
}

void Tspecscr::repeatTick() {
    repeatTimer_->setInterval(kRepeatMs);
    if (!busy_) step(pressedArrow_);
}

void Tspecscr::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const QPoint point = event->position().toPoint();
    const Arrow arrow = arrowAt(point);
    releaseArrow();
    dragging_ = false;
    pressedOnTrack_ = false;
    if (onThumb(point)) {
        dragging_ = true;
    } else if (arrow != Arrow::none) {
        if (repeatTimer_ == nullptr) {
            repeatTimer_ = new QTimer(this);
            repeatTimer_->setObjectName(QStringLiteral("autoRepeat"));
            connect(repeatTimer_, &QTimer::timeout, this, &Tspecscr::repeatTick);
        }
        pressedArrow_ = arrow;
        repeatTimer_->start(kFirstRepeatMs);
        update(arrowRect(arrow));
    } else {
        pressedOnTrack_ = trackRect().contains(point);
    }
}

void Tspecscr::mouseMoveEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    if (dragging_) {
        const std::int32_t value = geometry().positionAt(along(point));
        if (value != position_) applyPosition(value);
    } else if (pressedArrow_ != Arrow::none && arrowAt(point) != pressedArrow_) {
        releaseArrow();
    }
}

void Tspecscr::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const QPoint point = event->position().toPoint();
    const bool jump = pressedOnTrack_ && trackRect().contains(point);
    pressedOnTrack_ = false;
    if (dragging_) {
        dragging_ = false;
    } else if (pressedArrow_ != Arrow::none) {
        const Arrow arrow = pressedArrow_;
        releaseArrow();
        step(arrow);
    } else if (jump) {
        const std::int32_t value = geometry().positionAt(along(point));
        if (value != position_) applyPosition(value);
    }
}

void Tspecscr::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), controlPalette::paper());
    paintTrack(painter);
    paintArrow(painter, Arrow::first);
    paintArrow(painter, Arrow::second);
    lastThumb_ = geometry().thumbCoordinate(position_);
    paintThumb(painter, lastThumb_);
    painter.setPen(controlPalette::rule());
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void Tspecscr::paintTrack(QPainter& painter) const {
    // A groove along the middle: a shaded line with a lit one beside it.
    const double centre = breadth() / 2.0;
    const double start = kArrowLength + 2.0;
    const double end = length() - kArrowLength - 2.0;
    painter.setPen(QPen(controlPalette::rule(), 1.0));
    painter.drawLine(pointAt(start, centre - 0.5), pointAt(end, centre - 0.5));
    painter.setPen(QPen(controlPalette::paperLight(), 1.0));
    painter.drawLine(pointAt(start, centre + 0.5), pointAt(end, centre + 0.5));
}

void Tspecscr::paintArrow(QPainter& painter, Arrow arrow) const {
    const QRect box = arrowRect(arrow);
    const bool pressed = arrow == pressedArrow_;
    painter.fillRect(box, pressed ? controlPalette::rule() : controlPalette::paperShade());
    painter.setRenderHint(QPainter::Antialiasing, true);
    const double centre = breadth() / 2.0;
    const double middle = arrow == Arrow::first ? kArrowLength / 2.0 : length() - kArrowLength / 2.0;
    // The tip points away from the track.
    const double direction = arrow == Arrow::first ? -1.0 : 1.0;
    const double tip = middle + direction * kTriangleHeight / 2.0;
    const double base = middle - direction * kTriangleHeight / 2.0;
    const QPolygonF triangle{pointAt(tip, centre), pointAt(base, centre - kTriangleHalfBase),
                             pointAt(base, centre + kTriangleHalfBase)};
    painter.setPen(Qt::NoPen);
    painter.setBrush(pressed ? controlPalette::red() : arrowIdle());
    painter.drawPolygon(triangle);
    painter.setRenderHint(QPainter::Antialiasing, false);
}

void Tspecscr::paintThumb(QPainter& painter, int t) const {
    const double centre = breadth() / 2.0;
    const double at = drawnThumbCentre(t);
    const QPointF middle = pointAt(at, centre);
    const QPointF before = pointAt(at - kDiamondAlong, centre);
    const QPointF after = pointAt(at + kDiamondAlong, centre);
    const QPointF left = pointAt(at, centre - kDiamondAcross);
    const QPointF right = pointAt(at, centre + kDiamondAcross);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    // Lit from the top left: the two triangles facing it light, the two away from it dark.
    const struct {
        QPointF a, b;
        QColor colour;
    } faces[] = {{before, left, QColor(214, 196, 160)},
                 {before, right, QColor(168, 142, 104)},
                 {after, left, QColor(128, 102, 70)},
                 {after, right, controlPalette::sepia()}};
    for (const auto& face : faces) {
        painter.setBrush(face.colour);
        painter.drawPolygon(QPolygonF{middle, face.a, face.b});
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(controlPalette::ink(), 1.0));
    painter.drawPolygon(QPolygonF{before, right, after, left});
    painter.setRenderHint(QPainter::Antialiasing, false);
}

}  // namespace tessla
