#pragma once

// A picture's outline region as plain rectangles, read from the region data a picture base keeps
// after the image of a kind-10 or kind-11 picture, and the read of a whole stored picture (record,
// image bytes and region) by name.
//
// Region data: a 32-byte header (header size 32, type 1, rectangle count, size of the rectangle
// data, bounding rectangle), then the rectangles, each left, top, right, bottom; all little-endian
// 32-bit signed. Rectangles exclude their right and bottom edges.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "storage/picture_base.h"

namespace tessla {

struct RegionRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    friend bool operator==(const RegionRect&, const RegionRect&) = default;
};

// The rectangles of region data `data`; nothing when the data are damaged: a header other than the
// one above, a count or size the data do not hold, a turned-over bounding rectangle or one wider or taller
// than a 32-bit number, or a rectangle that is turned over or reaches outside the bounds.
std::optional<std::vector<RegionRect>> parseRegion(std::span<const std::uint8_t> data);

// The layout parseRegion reads, for writers of region data.
std::vector<std::uint8_t> encodeRegion(std::span<const RegionRect> rects);

// A picture as a picture base holds it.
struct StoredPicture {
    TSPbildpost post;
    std::vector<std::uint8_t> image;
    // Kinds 10 and 11 with sound region data only.
    std::optional<std::vector<RegionRect>> region;
};

// The picture called `name` (exact name) of the open base `base`; nothing when it is not found or
// its image cannot be read. Damaged region data leave the picture without a region.
std::optional<StoredPicture> readStoredPicture(TSPbildbas& base, std::string_view name);

}  // namespace tessla
