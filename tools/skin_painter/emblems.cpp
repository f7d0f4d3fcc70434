#include "emblems.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

#include "skin_look.h"

namespace tessla::skin {
namespace {

QPen inkPen(qreal width, const QColor& colour = controlPalette::ink()) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A sheet of paper with a folded upper right corner.
void paintSheet(QPainter& painter, const QRectF& sheet) {
    const qreal fold = sheet.width() * 0.3;
    QPainterPath path;
    path.moveTo(sheet.topLeft());
    path.lineTo(sheet.right() - fold, sheet.top());
    path.lineTo(sheet.right(), sheet.top() + fold);
    path.lineTo(sheet.bottomRight());
    path.lineTo(sheet.bottomLeft());
    path.closeSubpath();
    painter.setPen(inkPen(1.3));
    painter.setBrush(QColor(255, 252, 244));
    painter.drawPath(path);
    painter.drawLine(QPointF(sheet.right() - fold, sheet.top()),
                     QPointF(sheet.right() - fold, sheet.top() + fold));
    painter.drawLine(QPointF(sheet.right() - fold, sheet.top() + fold),
                     QPointF(sheet.right(), sheet.top() + fold));
}

void paintTextLines(QPainter& painter, const QRectF& area, int count, bool bullets) {
    painter.setPen(inkPen(1.3, controlPalette::sepia()));
    const qreal step = area.height() / count;
    for (int i = 0; i < count; ++i) {
        const qreal y = area.top() + step * (i + 0.5);
        qreal left = area.left();
        if (bullets) {
            painter.setBrush(controlPalette::red());
            painter.setPen(Qt::NoPen);
            painter.drawEllipse(QPointF(left + 1, y), 1.3, 1.3);
            painter.setPen(inkPen(1.3, controlPalette::sepia()));
            left += 3;
        }
        const qreal right = area.right() - (i % 2 == 1 ? area.width() * 0.25 : 0);
        painter.drawLine(QPointF(left, y), QPointF(right, y));
    }
}

void paintHouse(QPainter& painter, const QRectF& area) {
    QPainterPath house;
    const qreal roof = area.top() + area.height() * 0.45;
    house.moveTo(area.left(), roof);
    house.lineTo(area.center().x(), area.top());
    house.lineTo(area.right(), roof);
    house.moveTo(area.left() + 1, roof);
    house.lineTo(area.left() + 1, area.bottom());
    house.lineTo(area.right() - 1, area.bottom());
    house.lineTo(area.right() - 1, roof);
    painter.setPen(inkPen(1.2, controlPalette::red()));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(house);
    painter.drawLine(QPointF(area.center().x(), area.bottom()),
                     QPointF(area.center().x(), area.bottom() - area.height() * 0.3));
}

// A figure of head and shoulders.
void paintBust(QPainter& painter, const QRectF& area) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(controlPalette::ink());
    const qreal head = area.width() * 0.36;
    painter.drawEllipse(QRectF(area.center().x() - head / 2, area.top(), head, head));
    QPainterPath shoulders;
    const QRectF body(area.left(), area.top() + head * 1.1, area.width(), area.height() * 1.1);
    shoulders.moveTo(body.left(), area.bottom());
    shoulders.arcTo(body, 180, -180);
    shoulders.closeSubpath();
    painter.save();
    painter.setClipRect(area);
    painter.drawPath(shoulders);
    painter.restore();
}

// The centred text `text` in letter-spaced bold serif ink, as on a seal, at the largest size up to
// `maxPixels` that fits the width of `area`.
void paintWordmark(QPainter& painter, const QRectF& area, const QString& text, int maxPixels) {
    QFont font;
    for (int pixels = maxPixels; pixels >= 8; --pixels) {
        font = serifFont(pixels, true);
        font.setLetterSpacing(QFont::AbsoluteSpacing, pixels * 0.08);
        if (QFontMetricsF(font).horizontalAdvance(text) <= area.width() - 2) break;
    }
    painter.setFont(font);
    painter.setPen(controlPalette::ink());
    painter.drawText(area, Qt::AlignCenter, text);
}

// The value of a smooth pattern that repeats every `width` × `height` pixels, between -1 and 1.
double mottling(double x, double y, double width, double height) {
    struct Wave {
        int fx, fy;
        double phase, weight;
    };
    static constexpr Wave waves[] = {
        {1, 1, 0.3, 0.35}, {2, -1, 1.7, 0.25}, {3, 2, 4.1, 0.2}, {-2, 3, 2.6, 0.12}, {5, 4, 0.9, 0.08}};
    const double tau = 2 * std::numbers::pi;
    double value = 0;
    for (const Wave& wave : waves) {
        value += wave.weight * std::sin(tau * (wave.fx * x / width + wave.fy * y / height) + wave.phase);
    }
    return value;
}

}  // namespace

void paintCopyIcon(QPainter& painter, const QRectF& box, SheetContent content) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QSizeF sheet(box.width() * 0.62, box.height() * 0.78);
    paintSheet(painter, QRectF(box.topLeft(), sheet));
    const QRectF front(box.bottomRight() - QPointF(sheet.width(), sheet.height()), sheet);
    paintSheet(painter, front);
    const QRectF inside = front.adjusted(2, sheet.height() * 0.34, -2.2, -2);
    if (content == SheetContent::household) {
        paintHouse(painter, inside.adjusted(0.5, -1.5, -0.5, 0));
    } else {
        paintTextLines(painter, inside, 3, content == SheetContent::list);
    }
    painter.restore();
}

namespace {

// Two parents joined, a line down to a bar, and two children below it.
void paintFamilyTree(QPainter& painter, const QRectF& area) {
    const qreal r = std::max<qreal>(1.3, area.width() * 0.12);
    const QPointF father(area.left() + r, area.top() + r), mother(area.right() - r, area.top() + r);
    const QPointF first(area.left() + area.width() * 0.25, area.bottom() - r);
    const QPointF second(area.right() - area.width() * 0.25, area.bottom() - r);
    const qreal bar = area.top() + area.height() * 0.55;
    painter.setPen(inkPen(1.1, controlPalette::sepia()));
    painter.drawLine(father, mother);
    painter.drawLine(QPointF(area.center().x(), father.y()), QPointF(area.center().x(), bar));
    painter.drawLine(QPointF(first.x(), bar), QPointF(second.x(), bar));
    painter.drawLine(QPointF(first.x(), bar), first);
    painter.drawLine(QPointF(second.x(), bar), second);
    painter.setPen(Qt::NoPen);
    painter.setBrush(controlPalette::red());
    for (const QPointF& at : {father, mother, first, second}) painter.drawEllipse(at, r, r);
}

void paintGrid(QPainter& painter, const QRectF& area) {
    painter.setPen(inkPen(1.0, controlPalette::sepia()));
    painter.setBrush(Qt::NoBrush);
    for (int row = 0; row <= 3; ++row) {
        const qreal y = area.top() + area.height() * row / 3;
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
    }
    for (const qreal x : {area.left(), area.left() + area.width() * 0.45, area.right()})
        painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
    painter.setPen(inkPen(1.6, controlPalette::red()));
    painter.drawLine(QPointF(area.left() + 0.8, area.top() + 0.8),
                     QPointF(area.right() - 0.8, area.top() + 0.8));
}

void paintQuotation(QPainter& painter, const QRectF& area) {
    QFont font = serifFont(static_cast<int>(area.height() * 1.1), true);
    painter.setFont(font);
    painter.setPen(controlPalette::red());
    const QRectF marks(area.left(), area.top() - area.height() * 0.15, area.width(), area.height() * 0.8);
    painter.drawText(marks, Qt::AlignLeft | Qt::AlignTop, QString::fromUtf8("\u201D"));
    paintTextLines(painter,
                   QRectF(area.left(), area.top() + area.height() * 0.5, area.width(), area.height() * 0.5),
                   2, false);
}

}  // namespace

void paintExportIcon(QPainter& painter, const QRectF& box, ExportContent content) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF sheet(box.center().x() - box.width() * 0.4, box.top(), box.width() * 0.8, box.height());
    paintSheet(painter, sheet);
    const QRectF inside = sheet.adjusted(2.2, sheet.height() * 0.3, -2.2, -2.2);
    switch (content) {
        case ExportContent::familyTree:
            paintFamilyTree(painter, inside);
            break;
        case ExportContent::table:
            paintGrid(painter, inside);
            break;
        case ExportContent::citation:
            paintQuotation(painter, inside.adjusted(0, -sheet.height() * 0.14, 0, 0));
            break;
    }
    painter.restore();
}

void paintDeselectIcon(QPainter& painter, const QRectF& box) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    paintBust(painter, QRectF(box.left(), box.top(), box.width() * 0.72, box.height() * 0.9));
    const qreal r = box.width() * 0.26;
    const QPointF centre(box.right() - r, box.bottom() - r);
    painter.setPen(QPen(QColor(255, 252, 244), 1.2));
    painter.setBrush(controlPalette::red());
    painter.drawEllipse(centre, r, r);
    painter.setPen(inkPen(1.8, QColor(255, 252, 244)));
    painter.drawLine(centre - QPointF(r * 0.55, 0), centre + QPointF(r * 0.55, 0));
    painter.restore();
}

void paintPrinterIcon(QPainter& painter, const QRectF& box) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal w = box.width(), h = box.height();
    painter.setPen(inkPen(1.2));
    painter.setBrush(QColor(255, 252, 244));
    painter.drawRect(QRectF(box.left() + w * 0.22, box.top(), w * 0.56, h * 0.4));  // paper going in
    painter.setBrush(controlPalette::sepia());
    painter.drawRoundedRect(QRectF(box.left(), box.top() + h * 0.32, w, h * 0.42), 1.5, 1.5);
    painter.setBrush(QColor(255, 252, 244));
    const QRectF out(box.left() + w * 0.18, box.top() + h * 0.58, w * 0.64, h * 0.42);
    painter.drawRect(out);  // the printed page
    paintTextLines(painter, out.adjusted(2, 2.5, -2, -1.5), 2, false);
    painter.restore();
}

void paintCloseIcon(QPainter& painter, const QRectF& box) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(inkPen(2.2));
    const QRectF cross =
        box.adjusted(box.width() * 0.18, box.height() * 0.18, -box.width() * 0.18, -box.height() * 0.18);
    painter.drawLine(cross.topLeft(), cross.bottomRight());
    painter.drawLine(cross.topRight(), cross.bottomLeft());
    painter.restore();
}

void paintListIcon(QPainter& painter, const QRectF& box) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal step = box.height() / 3;
    for (int i = 0; i < 3; ++i) {
        const qreal y = box.top() + step * (i + 0.5);
        painter.setPen(Qt::NoPen);
        painter.setBrush(controlPalette::red());
        painter.drawEllipse(QPointF(box.left() + 1.6, y), 1.6, 1.6);
        painter.setPen(inkPen(1.6));
        painter.drawLine(QPointF(box.left() + 5, y), QPointF(box.right(), y));
    }
    painter.restore();
}

void paintArrowIcon(QPainter& painter, const QRectF& box) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(inkPen(2.4));
    const qreal y = box.center().y();
    painter.drawLine(QPointF(box.left(), y), QPointF(box.right() - 1, y));
    painter.drawLine(QPointF(box.right() - 1, y), QPointF(box.right() - box.width() * 0.4, box.top()));
    painter.drawLine(QPointF(box.right() - 1, y), QPointF(box.right() - box.width() * 0.4, box.bottom()));
    painter.restore();
}

void paintSwedishFlag(QPainter& painter, const QRectF& box) {
    // Proportions 5:2:9 across and 4:2:4 down.
    const qreal u = box.width() / 16, v = box.height() / 10;
    painter.fillRect(box, QColor(0, 106, 167));
    const QColor yellow(254, 204, 2);
    painter.fillRect(QRectF(box.left() + 5 * u, box.top(), 2 * u, box.height()), yellow);
    painter.fillRect(QRectF(box.left(), box.top() + 4 * v, box.width(), 2 * v), yellow);
}

void paintBritishFlag(QPainter& painter, const QRectF& box) {
    painter.save();
    painter.setClipRect(box);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(box, QColor(1, 33, 105));
    const qreal u = box.height() / 30;
    const QColor red(200, 16, 46);
    const auto diagonals = [&](const QColor& colour, qreal width) {
        painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(box.topLeft(), box.bottomRight());
        painter.drawLine(box.topRight(), box.bottomLeft());
    };
    diagonals(Qt::white, 6 * u);
    diagonals(red, 2 * u);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const auto cross = [&](const QColor& colour, qreal width) {
        painter.fillRect(QRectF(box.center().x() - width / 2, box.top(), width, box.height()), colour);
        painter.fillRect(QRectF(box.left(), box.center().y() - width / 2, box.width(), width), colour);
    };
    cross(Qt::white, 10 * u);
    cross(red, 6 * u);
    painter.restore();
}

void paintStammaLogo(QPainter& painter, const QRectF& box) {
    // A family tree: a trunk that branches twice, each branch ending in a red fruit.
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF tree(box.left(), box.top() + 2, box.width(), box.height() * 0.6);
    const QPointF root(tree.center().x(), tree.bottom());
    const QPointF fork(tree.center().x(), tree.top() + tree.height() * 0.55);
    painter.setPen(inkPen(2.2, controlPalette::green()));
    painter.drawLine(root, fork);
    const qreal spread = tree.height() * 0.55;
    const QPointF ends[] = {
        fork + QPointF(-spread * 1.3, -spread * 0.45), fork + QPointF(-spread * 0.5, -spread * 0.9),
        fork + QPointF(spread * 0.5, -spread * 0.9), fork + QPointF(spread * 1.3, -spread * 0.45)};
    painter.setPen(inkPen(1.5, controlPalette::green()));
    for (const QPointF& end : ends) painter.drawLine(fork, end);
    painter.setPen(QPen(controlPalette::ink(), 0.8));
    painter.setBrush(controlPalette::red());
    for (const QPointF& end : ends) painter.drawEllipse(end, 2.4, 2.4);
    painter.restore();
    paintWordmark(painter,
                  QRectF(box.left(), box.top() + box.height() * 0.62, box.width(), box.height() * 0.38),
                  "STAMMA", 12);
}

void paintArkivoLogo(QPainter& painter, const QRectF& box) {
    // Three bound volumes on a shelf, the middle one red.
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal h = box.height() * 0.52, w = h * 0.42;
    const qreal left = box.center().x() - w * 1.6, bottom = box.top() + 3 + h;
    const QColor colours[] = {controlPalette::blue(), controlPalette::red(), controlPalette::green()};
    for (int i = 0; i < 3; ++i) {
        const qreal height = i == 1 ? h : h * 0.86;
        const QRectF spine(left + i * w * 1.1, bottom - height, w, height);
        painter.setPen(QPen(controlPalette::ink(), 0.8));
        painter.setBrush(colours[i]);
        painter.drawRoundedRect(spine, 0.8, 0.8);
        painter.setPen(QPen(QColor(226, 196, 120), 0.9));  // gilt bands
        painter.drawLine(QPointF(spine.left() + 1, spine.top() + 2.5),
                         QPointF(spine.right() - 1, spine.top() + 2.5));
        painter.drawLine(QPointF(spine.left() + 1, spine.bottom() - 2.5),
                         QPointF(spine.right() - 1, spine.bottom() - 2.5));
    }
    painter.setPen(inkPen(1.4));
    painter.drawLine(QPointF(left - 3, bottom + 0.7), QPointF(left + w * 3.3 + 3, bottom + 0.7));
    painter.restore();
    paintWordmark(painter,
                  QRectF(box.left(), box.top() + box.height() * 0.62, box.width(), box.height() * 0.38),
                  "ARKIVO", 12);
}

void paintBall(QPainter& painter, const QRectF& box) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF ball = box.adjusted(1, 1, -1, -1);
    QRadialGradient shade(ball.center(), ball.width() / 2,
                          ball.topLeft() + QPointF(ball.width() * 0.35, ball.height() * 0.3));
    shade.setColorAt(0, QColor(214, 120, 100));
    shade.setColorAt(0.6, controlPalette::red());
    shade.setColorAt(1, QColor(92, 26, 18));
    painter.setPen(Qt::NoPen);
    painter.setBrush(shade);
    painter.drawEllipse(ball);
    painter.restore();
}

void paintPaper(QImage& image, const QColor& base) {
    const double width = image.width(), height = image.height();
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int shift = static_cast<int>(std::lround(3 * mottling(x, y, width, height)));
            line[x] = qRgb(base.red() + shift, base.green() + shift, base.blue() + shift);
        }
    }
}

}  // namespace tessla::skin
