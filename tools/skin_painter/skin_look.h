#pragma once

// The look every skin picture shares: paper and ink colours, the serif caption font, the button
// plate in its normal and pressed state, and captions fitted into a plate.

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QRectF>
#include <QString>

#include "skin/control_palette.h"

namespace tessla::skin {

enum class Face { normal, pressed };

// The caption font: "Times New Roman" (Liberation Serif where fontconfig maps it), in pixels.
QFont serifFont(qreal pixelSize, bool bold);

// A button plate filling `rect`: an ink border, a paper gradient lit from above and, pressed, a
// darker sunken fill with a shadow along the top and left edges. `engraved` adds a fine inner rule.
void paintPlate(QPainter& painter, const QRectF& rect, Face face, qreal radius, bool engraved);

// Where a button's content goes: pressed content moves one pixel right and down.
QRectF contentRect(const QRectF& plate, Face face, qreal margin);

// `caption` in bold serif ink, centred in `box`, at the largest size from `maxPixels` down to
// `minPixels` at which it fits on one line or, split at a blank, on two; at `minPixels` on two
// lines when nothing larger fits.
void paintCaption(QPainter& painter, const QRectF& box, const QString& caption, int maxPixels, int minPixels);

}  // namespace tessla::skin
