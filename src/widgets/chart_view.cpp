#include "widgets/chart_view.h"

#include <algorithm>

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgGenerator>
#include <QToolTip>
#include <QWheelEvent>

#include "base/cp1252.h"
#include "skin/control_palette.h"
#include "skin/fonts.h"

namespace tessla {

namespace pal = controlPalette;

namespace {

constexpr int kLabelPoints = 10;
constexpr int kTitlePoints = 12;
constexpr double kTickLength = 4;

QFont labelFont() {
    return serifFont(kLabelPoints);
}

QFont titleFont() {
    QFont font = serifFont(kTitlePoints);
    font.setBold(true);
    return font;
}

QFont noteFont() {
    QFont font = labelFont();
    font.setItalic(true);
    return font;
}

QRectF rectOf(const ChartBox& box) {
    return {box.x, box.y, box.width, box.height};
}

QString text(const std::string& utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// The bars: the sepia of the skin's ink drawings; the one under the pointer in its red.
QColor barColour(bool hovered) {
    return hovered ? pal::red() : pal::sepia();
}

void paintYearAxes(QPainter& painter, const ChartLayout& layout) {
    const QRectF plot = rectOf(layout.plot);
    const QFontMetricsF metrics(painter.font());
    for (const ChartTick& tick : layout.countTicks) {
        painter.setPen(QPen(pal::rule(), 0));
        painter.drawLine(QPointF(plot.left(), tick.position), QPointF(plot.right(), tick.position));
        painter.setPen(pal::sepia());
        const QRectF label(0, tick.position - metrics.height() / 2, plot.left() - 5, metrics.height());
        painter.drawText(label, Qt::AlignRight | Qt::AlignVCenter, text(tick.label));
    }
    painter.setPen(QPen(pal::sepia(), 0));
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    for (const ChartTick& tick : layout.yearTicks) {
        const double length = tick.label.empty() ? kTickLength : kTickLength + 2;
        painter.drawLine(QPointF(tick.position, plot.bottom()),
                         QPointF(tick.position, plot.bottom() + length));
        if (tick.label.empty()) continue;
        const QString label = text(tick.label);
        const double width = metrics.horizontalAdvance(label);
        painter.drawText(
            QPointF(tick.position - width / 2, plot.bottom() + kTickLength + 2 + metrics.ascent()), label);
    }
}

void paintValueLabels(QPainter& painter, const ChartLayout& layout) {
    QFont font = labelFont();
    font.setPointSizeF(font.pointSizeF() * layout.labelScale);
    painter.setFont(font);
    const QFontMetricsF metrics(font);
    for (std::size_t i = 0; i < layout.bars.size(); ++i) {
        const ChartBar& bar = layout.bars[i];
        const QRectF box = rectOf(layout.valueLabels[i]);
        painter.setPen(pal::ink());
        painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter,
                         metrics.elidedText(text(bar.label), Qt::ElideRight, box.width()));
        painter.setPen(pal::sepia());
        const QRectF count(bar.box.right() + 4, box.top(), layout.width - bar.box.right(), box.height());
        painter.drawText(count, Qt::AlignLeft | Qt::AlignVCenter, text(groupedCount(bar.count)));
    }
    painter.setPen(QPen(pal::sepia(), 0));
    const QRectF plot = rectOf(layout.plot);
    painter.drawLine(plot.topLeft(), plot.bottomLeft());
}

}  // namespace

ChartView::ChartView(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ChartView::setData(ChartData data) {
    data_ = std::move(data);
    setAccessibleDescription(text(data_.note.empty() ? data_.title : data_.title + ". " + data_.note));
    hovered_ = -1;
    relayout();
}

void ChartView::relayout() {
    layout_ = layoutChart(data_, width(), height(), metricsFor(data_));
    hovered_ = std::min(hovered_, static_cast<int>(layout_.bars.size()) - 1);
    update();
}

ChartMetrics ChartView::metricsFor(const ChartData& data) {
    const QFontMetricsF labels(labelFont());
    ChartMetrics metrics;
    metrics.lineHeight = labels.height();
    metrics.titleHeight = QFontMetricsF(titleFont()).height();
    metrics.digitWidth = labels.horizontalAdvance(QLatin1Char('0'));
    for (const StatisticsRow& row : data.top.bars) {
        const QString label = text(cp1252ToUtf8(row.text).str());
        metrics.valueLabelWidth = std::max(metrics.valueLabelWidth, labels.horizontalAdvance(label) + 2);
    }
    return metrics;
}

void ChartView::paint(QPainter& painter, const ChartLayout& layout, int hovered) {
    painter.fillRect(QRectF(0, 0, layout.width, layout.height), pal::plainPaper());
    painter.setFont(titleFont());
    painter.setPen(pal::ink());
    painter.drawText(rectOf(layout.titleBox), Qt::AlignLeft | Qt::AlignVCenter, text(layout.title));

    painter.setFont(labelFont());
    if (layout.bars.empty()) {
        painter.setPen(pal::sepia());
        painter.drawText(rectOf(layout.plot), Qt::AlignCenter, text(layout.emptyText));
    } else if (layout.kind == ChartKind::Years) {
        paintYearAxes(painter, layout);
    } else {
        paintValueLabels(painter, layout);
    }
    // One filled rectangle per bar and nothing else in the bars' colour, so that a saved SVG has
    // one element per bar.
    painter.setPen(Qt::NoPen);
    for (std::size_t i = 0; i < layout.bars.size(); ++i) {
        painter.setBrush(barColour(static_cast<int>(i) == hovered));
        painter.drawRect(rectOf(layout.bars[i].box));
    }
    if (!layout.note.empty()) {
        painter.setFont(noteFont());
        painter.setPen(pal::sepia());
        painter.drawText(rectOf(layout.noteBox), Qt::AlignLeft | Qt::AlignVCenter, text(layout.note));
    }
}

void ChartView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paint(painter, layout_, hovered_);
}

void ChartView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    relayout();
}

QString ChartView::hintAt(QPoint point) const {
    const int bar = chartBarAt(layout_, point.x(), point.y());
    return bar < 0 ? QString() : hintOf(bar);
}

QString ChartView::hintOf(int bar) const {
    return text(chartBarHint(layout_.bars[static_cast<std::size_t>(bar)]));
}

void ChartView::hover(int bar) {
    if (bar == hovered_) return;
    hovered_ = bar;
    update();
}

void ChartView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    const int bar = chartBarAt(layout_, point.x(), point.y());
    hover(bar);
    if (bar < 0)
        QToolTip::hideText();
    else
        QToolTip::showText(event->globalPosition().toPoint(), hintOf(bar), this);
}

void ChartView::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    hover(-1);
}

void ChartView::wheelEvent(QWheelEvent* event) {
    event->ignore();
}

QImage ChartView::picture(qreal ratio) const {
    QImage image(size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    paint(painter, layout_, -1);
    return image;
}

bool ChartView::save(const QString& path) const {
    if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) return saveSvg(path);
    return picture(devicePixelRatioF()).save(path, "PNG");
}

bool ChartView::saveSvg(const QString& path) const {
    QSvgGenerator generator;
    generator.setFileName(path);
    generator.setSize(size());
    generator.setViewBox(rect());
    generator.setResolution(logicalDpiY());
    generator.setTitle(text(layout_.title));
    QPainter painter;
    if (!painter.begin(&generator)) return false;
    paint(painter, layout_, -1);
    return painter.end();
}

}  // namespace tessla
