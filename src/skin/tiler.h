#pragma once

// The tiler `TSPtiler`: a cache of whole background pictures from a picture base, painted piecewise
// so that each panel, text view or grid cell shows the piece of a large picture that lies behind it.

#include <optional>
#include <string_view>

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRegion>

#include "storage/picture_base.h"
#include "storage/picture_cache.h"

class QPainter;

namespace tessla {

// How a tiler chooses the piece it paints: tmHel00 always paints from the picture's top-left corner,
// whatever source point it is given; the other modes paint from the source point.
enum class TSPtilemode { tmUtsnitt, tmHel, tmTile, tmHel00 };

// A loaded background picture and, for pictures of kinds 10 and 11, its outline region (logical
// pixels of the picture).
struct TSPentile {
    QImage bitmap;
    std::optional<QRegion> region;
};

class TSPtiler {
  public:
    // The base must outlive the tiler. It keeps at most `maxtiles` pictures (at least one).
    TSPtiler(TSPbildbas& bildbas, int maxtiles, TSPtilemode mode);
    // Takes its pictures from `bildbas` from now on, which must outlive the cache, and drops those
    // it holds; null: from no base, every fetch finds nothing.
    void setBildbas(TSPbildbas* bildbas);

    // The index of the picture called `name`, loading it on first use; -1 when the base has no such
    // picture. The index holds until the next fetch.
    int hamtatile(std::string_view name);
    // Paints the width x height piece of the tile that starts at the source point at the target point,
    // replacing what is there. Nothing for a bad index.
    void ritatile(int index, QPainter& painter, int sourceX, int sourceY, int width, int height, int targetX,
                  int targetY) const;
    // As ritatile, but always from the source point and through the tile's region when it has one.
    void ritatileregion(int index, QPainter& painter, int sourceX, int sourceY, int width, int height,
                        int targetX, int targetY) const;

    // The screen point from which controls without a fixed tile offset measure their position.
    QPoint origin() const { return origin_; }
    void setOrigin(QPoint origin) { origin_ = origin; }

    // Fetches `name` and paints the rectangle `target` (in the painter's coordinates) with the piece of
    // the picture that starts at `source`; false when the picture is missing. The common call of
    // every control that paints the background behind itself.
    bool paintPiece(QPainter& painter, std::string_view name, QPoint source, const QRect& target);

    TSPtilemode tilemode() const { return mode_; }
    // The tile at `index`, or null for a bad index.
    const TSPentile* tile(int index) const { return tiles_.at(index); }
    const CacheRanks& ranks() const { return tiles_.ranks(); }

  private:
    // Paints the piece starting at `source` of `tile` at `target`, clipped to `clip` when given.
    static void paint(QPainter& painter, const TSPentile& tile, QPoint source, const QRect& target,
                      const std::optional<QRegion>& clip);

    TSPbildbas* bildbas_;
    TSPtilemode mode_;
    PictureCache<TSPentile> tiles_;
    QPoint origin_;
};

}  // namespace tessla
