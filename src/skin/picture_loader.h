#pragma once

// Pictures from a picture base into Qt: the stored PNG bytes decoded into a premultiplied ARGB
// image whose device pixel ratio comes from the PNG's physical resolution (skin pictures are drawn
// at twice their logical size), and the outline region of kinds 10 and 11 as a QRegion.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include <QImage>
#include <QRegion>

#include "storage/picture_base.h"
#include "storage/picture_region.h"

namespace tessla {

// The resolution that counts as a device pixel ratio of 1: 96 dots per inch in dots per metre.
inline constexpr double kDotsPerMetreAtRatioOne = 3780.0;
// The largest ratio a picture gets: a damaged resolution must not shrink a background to a few
// pixels that a control would then paint thousands of times over.
inline constexpr double kLargestPictureRatio = 4.0;

// The image in `png`, premultiplied ARGB with a device pixel ratio of its dots per metre / 3780,
// rounded and within 1 … kLargestPictureRatio; nothing when the bytes are not a readable image.
std::optional<QImage> decodePicture(std::span<const std::uint8_t> png);

// The region covered by `rects`.
QRegion toRegion(std::span<const RegionRect> rects);

struct LoadedPicture {
    QImage image;
    std::optional<QRegion> region;  // kinds 10 and 11 with sound region data
    std::string placement;
};

// The picture called `name` of the open base `base` (the name looked up exactly); nothing when it is
// not there or its image is damaged.
std::optional<LoadedPicture> laddabild(TSPbildbas& base, std::string_view name);

}  // namespace tessla
