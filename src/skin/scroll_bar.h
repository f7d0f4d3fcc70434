#pragma once

// The scroll bar `Tspecscr` every list and text of the program scrolls with: an arrow at each end,
// a track between them and a small diamond thumb. The owner keeps its view in step through
// OnNyPosition, raised after every change of position, whether the user or the program made it.
// Arrow steps and track jumps happen when the button is released over the place it was pressed;
// holding an arrow repeats its step, first after 500 ms, then every 20 ms.

#include <cstdint>

#include <QWidget>

#include "view/scroll_geometry.h"

class QTimer;

namespace tessla {

class Tspecscr : public QWidget {
    Q_OBJECT

  public:
    // Vertical, positions 1 … 100 at 1, arrow step 1, page step 10.
    explicit Tspecscr(QWidget* parent = nullptr);

    // Each setter ignores a value equal to the current one or outside its rule.
    // min: 0 or more and below max. A position below the new min moves up to it (OnNyPosition).
    void setMin(std::int32_t value);
    // max: at least min. A position above the new max moves down to it (OnNyPosition).
    void setMax(std::int32_t value);
    // position: within min … max; raises OnNyPosition.
    void setPosition(std::int32_t value);
    // smallch (the arrows' step) and largech (kept for the owner, used by nothing here): 1 or more.
    void setSmallch(std::int32_t value);
    void setLargech(std::int32_t value);
    void setKind(Qt::Orientation kind);

    std::int32_t min() const { return min_; }
    std::int32_t max() const { return max_; }
    std::int32_t position() const { return position_; }
    std::int32_t smallch() const { return smallch_; }
    std::int32_t largech() const { return largech_; }
    Qt::Orientation kind() const { return kind_; }

    QSize sizeHint() const override;

  signals:
    void OnNyPosition();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    enum class Arrow { none, first, second };

    ScrollGeometry geometry() const;
    // The bar's length along the track and its width across it.
    int length() const;
    int breadth() const;
    // A point's coordinate along the track.
    int along(QPoint point) const;
    // The widget rectangle that spans `alongStart` … + `alongSize` along the track and
    // `acrossStart` … + `acrossSize` across it, and the point at (along, across).
    QRect span(int alongStart, int alongSize, int acrossStart, int acrossSize) const;
    QPointF pointAt(double alongCoordinate, double acrossCoordinate) const;
    QRect arrowRect(Arrow arrow) const;
    QRect trackRect() const;
    // Where the thumb at coordinate t is drawn along the track.
    double drawnThumbCentre(int t) const;
    // True when `point` is on the thumb: within its hit rectangle or on its drawing.
    bool onThumb(QPoint point) const;
    Arrow arrowAt(QPoint point) const;

    // Sets the position, repaints the thumb when it moved and raises OnNyPosition; the busy flag
    // holds meanwhile.
    void applyPosition(std::int32_t value);
    // Tells an assistive client the new position.
    void announcePosition();
    // One step of the pressed arrow, unless the position is already at that end.
    void step(Arrow arrow);
    void releaseArrow();
    void repeatTick();

    void paintArrow(QPainter& painter, Arrow arrow) const;
    void paintTrack(QPainter& painter) const;
    void paintThumb(QPainter& painter, int t) const;

    std::int32_t min_ = 1;
    std::int32_t max_ = 100;
    std::int32_t position_ = 1;
    std::int32_t smallch_ = 1;
    std::int32_t largech_ = 10;
    Qt::Orientation kind_ = Qt::Vertical;

    Arrow pressedArrow_ = Arrow::none;
    bool dragging_ = false;
    bool pressedOnTrack_ = false;
    bool busy_ = false;
    int lastThumb_ = -1;  // the thumb coordinate last painted
    // The auto-repeat timer, made on the first arrow press; a child named "autoRepeat".
    QTimer* repeatTimer_ = nullptr;
};

}  // namespace tessla
