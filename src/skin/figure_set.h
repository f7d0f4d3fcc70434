#pragma once

// The figure set `TSPfigurer`: a cache of small pictures (icons, button faces, ornaments) from a
// picture base, drawn transparently at a point or placed inside a rectangle by the picture's
// placement code.

#include <optional>
#include <string>
#include <string_view>

#include <QImage>
#include <QRect>
#include <QSize>

#include "storage/picture_base.h"
#include "storage/picture_cache.h"

class QPainter;

namespace tessla {

// Characters kept of a figure's placement code.
inline constexpr std::size_t kFigurePlacementMax = 5;

// A loaded figure and its placement code.
struct TSPenfigur {
    QImage picture;
    std::string placement;
};

class TSPfigurer {
  public:
    // The base must outlive the figure set. It keeps at most `maxfigurer` pictures (at least one).
    TSPfigurer(TSPbildbas& bildbas, int maxfigurer);
    // Takes its pictures from `bildbas` from now on, which must outlive the cache, and drops those
    // it holds; null: from no base, every fetch finds nothing.
    void setBildbas(TSPbildbas* bildbas);

    // The index of the picture called `name`, loading it on first use; -1 when the base has no such
    // picture. The index holds until the next fetch.
    int hamtafigur(std::string_view name);
    // The figure's size in logical pixels; nothing for a bad index.
    std::optional<QSize> figurstorlek(int index) const;
    // Draws the figure transparently with its top-left corner at (x, y); nothing for a bad index.
    void ritafigur(int index, QPainter& painter, int x, int y) const;
    // Draws the figure inside `rect`, placed by its placement code, when that place is visible.
    void ritafigurplacerad(int index, QPainter& painter, const QRect& rect) const;

    // The figure at `index`, or null for a bad index.
    const TSPenfigur* figur(int index) const { return figures_.at(index); }
    const CacheRanks& ranks() const { return figures_.ranks(); }

  private:
    TSPbildbas* bildbas_;
    PictureCache<TSPenfigur> figures_;
};

}  // namespace tessla
