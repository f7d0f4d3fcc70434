#include "skin/tiler.h"

#include <QPainter>

#include "skin/picture_loader.h"

namespace tessla {

TSPtiler::TSPtiler(TSPbildbas& bildbas, int maxtiles, TSPtilemode mode)
    : bildbas_(&bildbas), mode_(mode), tiles_(maxtiles) {}

int TSPtiler::hamtatile(std::string_view name) {
    if (bildbas_ == nullptr) return -1;
    return tiles_.fetch(*bildbas_, name,
                        [](TSPbildbas& base, std::string_view wanted) -> std::optional<TSPentile> {
                            std::optional<LoadedPicture> loaded = laddabild(base, wanted);
                            if (!loaded) return std::nullopt;
                            return TSPentile{std::move(loaded->image), std::move(loaded->region)};
                        });
}

void TSPtiler::ritatile(int index, QPainter& painter, int sourceX, int sourceY, int width, int height,
                        int targetX, int targetY) const {
    const TSPentile* entry = tiles_.at(index);
    if (entry == nullptr) return;
    const QPoint source = mode_ == TSPtilemode::tmHel00 ? QPoint(0, 0) : QPoint(sourceX, sourceY);
    paint(painter, *entry, source, QRect(targetX, targetY, width, height), std::nullopt);
}

void TSPtiler::ritatileregion(int index, QPainter& painter, int sourceX, int sourceY, int width, int height,
                              int targetX, int targetY) const {
    const TSPentile* entry = tiles_.at(index);
    if (entry == nullptr) return;
    const QPoint source(sourceX, sourceY);
    const QRect target(targetX, targetY, width, height);
    std::optional<QRegion> clip;
    if (entry->region) clip = entry->region->translated(target.topLeft() - source);
    paint(painter, *entry, source, target, clip);
}

bool TSPtiler::paintPiece(QPainter& painter, std::string_view name, QPoint source, const QRect& target) {
    const int index = hamtatile(name);
    if (index < 0) return false;
    ritatile(index, painter, source.x(), source.y(), target.width(), target.height(), target.x(), target.y());
    return true;
}

void TSPtiler::paint(QPainter& painter, const TSPentile& tile, QPoint source, const QRect& target,
                     const std::optional<QRegion>& clip) {
    if (target.isEmpty()) return;
    // Source rectangles of a drawn image are in its device pixels.
    const qreal ratio = tile.bitmap.devicePixelRatio();
    const QRectF from(source.x() * ratio, source.y() * ratio, target.width() * ratio,
                      target.height() * ratio);
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    if (clip) painter.setClipRegion(*clip, Qt::IntersectClip);
    painter.drawImage(QRectF(target), tile.bitmap, from);
    painter.restore();
}

void TSPtiler::setBildbas(TSPbildbas* bildbas) {
    bildbas_ = bildbas;
    tiles_.clear();
}

}  // namespace tessla
