#pragma once

// The outline region of a picture: the logical pixels whose device pixels are at least half
// opaque on average, as rectangles banded row by row.

#include <QImage>
#include <vector>

#include "storage/picture_region.h"

namespace tessla::skin {

// `image` is premultiplied ARGB whose device pixel ratio is a whole number; the rectangles are in
// its logical pixels, sorted by top and then by left, rows of equal runs joined into one band.
std::vector<RegionRect> regionFromAlpha(const QImage& image);

}  // namespace tessla::skin
