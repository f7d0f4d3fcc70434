#pragma once

// The chart of the statistics window: paints the layout of view/statistics_chart.h in the skin's
// colours and serif font at the widget's size, shows a bar's value and count while the pointer is
// over it, and saves the picture as PNG or SVG. The wheel and the keys are not its own: they go on
// to the window.

#include <QImage>
#include <QString>
#include <QWidget>

#include "view/statistics_chart.h"

class QPainter;

namespace tessla {

class ChartView : public QWidget {
    Q_OBJECT

  public:
    explicit ChartView(QWidget* parent = nullptr);

    // What to show; the layout follows at the widget's size.
    void setData(ChartData data);
    const ChartData& data() const { return data_; }
    // The layout as painted at the widget's present size.
    const ChartLayout& chartLayout() const { return layout_; }

    // The bar under the pointer, -1 when none.
    int hoveredBar() const { return hovered_; }
    // The hint shown for a point of the widget: the bar's value and count, empty off the bars.
    QString hintAt(QPoint point) const;

    // The picture at the widget's size, `ratio` device pixels to a logical pixel.
    QImage picture(qreal ratio) const;
    // Saves the picture as SVG when `path` ends in ".svg", else as PNG at the screen's pixel
    // ratio. Returns whether the file was written.
    bool save(const QString& path) const;

    // The sizes of the chart's fonts, as the layout wants them for `data`.
    static ChartMetrics metricsFor(const ChartData& data);
    // Draws `layout` with `hovered` bar marked (-1: none); the painter's device is the chart's size.
    static void paint(QPainter& painter, const ChartLayout& layout, int hovered);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    void relayout();
    void hover(int bar);
    // The hint of bar `bar` of the layout: its value and count.
    QString hintOf(int bar) const;
    bool saveSvg(const QString& path) const;

    ChartData data_;
    ChartLayout layout_;
    int hovered_ = -1;
};

}  // namespace tessla
