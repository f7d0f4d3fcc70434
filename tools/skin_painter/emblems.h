#pragma once

// The drawings inside the skin pictures: the icons of the small buttons, the language flags, the
// publisher logos, the table mark and the paper of the backgrounds. Each draws into `box` in
// logical pixels.

#include <QImage>
#include <QPainter>
#include <QRectF>

namespace tessla::skin {

// What the front sheet of a copy icon shows.
enum class SheetContent { record, list, household };

void paintCopyIcon(QPainter& painter, const QRectF& box, SheetContent content);
// What a single sheet of an export icon shows: a family tree (the household's GEDCOM file), a
// table's grid (the list's CSV file), or quotation marks over lines (the citation copy).
enum class ExportContent { familyTree, table, citation };

void paintExportIcon(QPainter& painter, const QRectF& box, ExportContent content);
void paintDeselectIcon(QPainter& painter, const QRectF& box);
void paintPrinterIcon(QPainter& painter, const QRectF& box);
void paintCloseIcon(QPainter& painter, const QRectF& box);
void paintListIcon(QPainter& painter, const QRectF& box);
void paintArrowIcon(QPainter& painter, const QRectF& box);

void paintSwedishFlag(QPainter& painter, const QRectF& box);
void paintBritishFlag(QPainter& painter, const QRectF& box);

void paintStammaLogo(QPainter& painter, const QRectF& box);
void paintArkivoLogo(QPainter& painter, const QRectF& box);

// A small red ball with a soft light on its upper left.
void paintBall(QPainter& painter, const QRectF& box);

// Paper of colour `base` with a faint, smooth mottling that repeats seamlessly with the picture's
// size, so a background tiled side by side shows no seam.
void paintPaper(QImage& image, const QColor& base);

}  // namespace tessla::skin
