#include "skin_look.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>
#include <QStringList>
#include <algorithm>

namespace tessla::skin {
namespace {

// The two halves of `caption` split at the blank that balances them best; the caption whole
// when it has no blank.
QStringList twoLines(const QString& caption, const QFontMetricsF& metrics) {
    QStringList best{caption};
    qreal bestWidth = metrics.horizontalAdvance(caption);
    for (qsizetype at = caption.indexOf(' '); at >= 0; at = caption.indexOf(' ', at + 1)) {
        const QStringList lines{caption.left(at), caption.mid(at + 1)};
        const qreal width =
            std::max(metrics.horizontalAdvance(lines[0]), metrics.horizontalAdvance(lines[1]));
        if (width < bestWidth) {
            best = lines;
            bestWidth = width;
        }
    }
    return best;
}

// The distance between the lines of a caption: a single line takes the font's height, wrapped
// lines stand closer, so that two fit into a button at a size that stays readable.
qreal lineHeight(const QFont& font, qsizetype lines) {
    return lines == 1 ? QFontMetricsF(font).height() : font.pixelSize() * 1.05;
}

bool fits(const QStringList& lines, const QFont& font, const QSizeF& box) {
    const QFontMetricsF metrics(font);
    qreal width = 0;
    for (const QString& line : lines) width = std::max(width, metrics.horizontalAdvance(line));
    // A single line may let its descent reach into the margin; wrapped lines keep clear of the edges.
    const qreal room = lines.size() == 1 ? box.height() + metrics.descent() : box.height() - 2;
    return width <= box.width() && lineHeight(font, lines.size()) * lines.size() <= room;
}

}  // namespace

QFont serifFont(qreal pixelSize, bool bold) {
    QFont font("Times New Roman");
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(qRound(pixelSize));
    font.setBold(bold);
    return font;
}

void paintPlate(QPainter& painter, const QRectF& rect, Face face, qreal radius, bool engraved) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF outline = rect.adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient fill(outline.topLeft(), outline.bottomLeft());
    if (face == Face::normal) {
        fill.setColorAt(0, QColor(253, 249, 239));
        fill.setColorAt(1, QColor(232, 221, 196));
    } else {
        fill.setColorAt(0, QColor(214, 199, 168));
        fill.setColorAt(1, QColor(232, 222, 200));
    }
    painter.setPen(QPen(controlPalette::sepia(), 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(outline, radius, radius);
    if (face == Face::pressed) {
        // The shadow inside the upper and left edges of a sunken plate.
        QPainterPath shadow;
        const QRectF inner = outline.adjusted(1, 1, -1, -1);
        shadow.moveTo(inner.bottomLeft() + QPointF(0, -radius));
        shadow.lineTo(inner.topLeft() + QPointF(0, radius));
        shadow.quadTo(inner.topLeft(), inner.topLeft() + QPointF(radius, 0));
        shadow.lineTo(inner.topRight() + QPointF(-radius, 0));
        painter.setPen(QPen(QColor(150, 128, 96), 1.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(shadow);
    } else {
        // The light along the upper edge of a raised plate.
        painter.setPen(QPen(QColor(255, 253, 247), 1));
        const QRectF inner = outline.adjusted(1, 1, -1, -1);
        painter.drawLine(inner.topLeft() + QPointF(radius, 0), inner.topRight() + QPointF(-radius, 0));
    }
    if (engraved) {
        painter.setPen(QPen(controlPalette::rule(), 0.5));
        painter.setBrush(Qt::NoBrush);
        const qreal inset = 3;
        painter.drawRoundedRect(outline.adjusted(inset, inset, -inset, -inset),
                                std::max<qreal>(radius - 2, 1), std::max<qreal>(radius - 2, 1));
    }
    painter.restore();
}

QRectF contentRect(const QRectF& plate, Face face, qreal margin) {
    const QRectF box = plate.adjusted(margin, margin, -margin, -margin);
    return face == Face::pressed ? box.translated(1, 1) : box;
}

void paintCaption(QPainter& painter, const QRectF& box, const QString& caption, int maxPixels,
                  int minPixels) {
    QFont font = serifFont(minPixels, true);
    QStringList lines = twoLines(caption, QFontMetricsF(font));
    for (int pixels = maxPixels; pixels >= minPixels; --pixels) {
        const QFont candidate = serifFont(pixels, true);
        if (fits({caption}, candidate, box.size())) {
            font = candidate;
            lines = QStringList{caption};
            break;
        }
        if (const QStringList split = twoLines(caption, QFontMetricsF(candidate));
            fits(split, candidate, box.size())) {
            font = candidate;
            lines = split;
            break;
        }
    }
    painter.save();
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font);
    painter.setPen(controlPalette::ink());
    const qreal height = lineHeight(font, lines.size());
    qreal y = box.center().y() - height * lines.size() / 2;
    for (const QString& line : lines) {
        painter.drawText(QRectF(box.left(), y, box.width(), height), Qt::AlignCenter, line);
        y += height;
    }
    painter.restore();
}

}  // namespace tessla::skin
