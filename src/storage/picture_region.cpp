#include "storage/picture_region.h"

#include <algorithm>
#include <limits>

#include "storage/little_endian.h"

namespace tessla {

namespace {

constexpr std::uint32_t kHeaderSize = 32;
constexpr std::uint32_t kRectangleType = 1;
constexpr std::size_t kRectSize = 16;

std::int32_t int32At(std::span<const std::uint8_t> data, std::size_t offset) {
    return static_cast<std::int32_t>(getFixed32(data.data() + offset));
}

RegionRect rectAt(std::span<const std::uint8_t> data, std::size_t offset) {
    return {int32At(data, offset), int32At(data, offset + 4), int32At(data, offset + 8),
            int32At(data, offset + 12)};
}

bool turnedOver(const RegionRect& r) {
    return r.right < r.left || r.bottom < r.top;
}

// Whether the width and height of `r` are 32-bit numbers, so that every rectangle inside it can be
// measured as right - left and bottom - top.
bool measurable(const RegionRect& r) {
    constexpr std::int64_t kLargest = std::numeric_limits<std::int32_t>::max();
    return std::int64_t{r.right} - r.left <= kLargest && std::int64_t{r.bottom} - r.top <= kLargest;
}

bool inside(const RegionRect& r, const RegionRect& bounds) {
    return r.left >= bounds.left && r.top >= bounds.top && r.right <= bounds.right &&
           r.bottom <= bounds.bottom;
}

void appendRect(std::vector<std::uint8_t>& bytes, const RegionRect& r) {
    for (const std::int32_t value : {r.left, r.top, r.right, r.bottom})
        appendFixed32(bytes, static_cast<std::uint32_t>(value));
}

}  // namespace

std::optional<std::vector<RegionRect>> parseRegion(std::span<const std::uint8_t> data) {
    if (data.size() < kHeaderSize) return std::nullopt;
    const std::uint32_t headerSize = getFixed32(data.data());
    const std::uint32_t type = getFixed32(data.data() + 4);
    const std::uint32_t count = getFixed32(data.data() + 8);
    const std::uint32_t rectsSize = getFixed32(data.data() + 12);
    const RegionRect bounds = rectAt(data, 16);
    const std::size_t room = data.size() - kHeaderSize;
    // The size of the rectangle data may be given as 0; when given it must cover the rectangles.
    if (headerSize != kHeaderSize || type != kRectangleType || count > room / kRectSize || rectsSize > room ||
        (rectsSize != 0 && rectsSize < count * kRectSize) || turnedOver(bounds) || !measurable(bounds)) {
        return std::nullopt;
    }
    std::vector<RegionRect> rects;
    rects.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const RegionRect r = rectAt(data, kHeaderSize + i * kRectSize);
        if (turnedOver(r) || !inside(r, bounds)) return std::nullopt;
        rects.push_back(r);
    }
    return rects;
}

std::vector<std::uint8_t> encodeRegion(std::span<const RegionRect> rects) {
    RegionRect bounds;
    if (!rects.empty()) bounds = rects.front();
    for (const RegionRect& r : rects) {
        bounds = {std::min(bounds.left, r.left), std::min(bounds.top, r.top), std::max(bounds.right, r.right),
                  std::max(bounds.bottom, r.bottom)};
    }
    std::vector<std::uint8_t> bytes;
    appendFixed32(bytes, kHeaderSize);
    appendFixed32(bytes, kRectangleType);
    appendFixed32(bytes, static_cast<std::uint32_t>(rects.size()));
    appendFixed32(bytes, static_cast<std::uint32_t>(rects.size() * kRectSize));
    appendRect(bytes, bounds);
    for (const RegionRect& r : rects) appendRect(bytes, r);
    return bytes;
}

std::optional<StoredPicture> readStoredPicture(TSPbildbas& base, std::string_view name) {
    const std::int32_t number = base.sokbild(name, 0);
    if (number < 1 || !base.lasbildpost(number)) return std::nullopt;
    std::optional<std::vector<std::uint8_t>> image = base.lasbild();
    if (!image) return std::nullopt;
    const std::optional<PictureRegion> region = base.lasregion();
    return StoredPicture{base.bildpost(), std::move(*image),
                         region ? parseRegion(region->data) : std::nullopt};
}

}  // namespace tessla
