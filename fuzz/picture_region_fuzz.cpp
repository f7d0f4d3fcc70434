// Any bytes as a picture's outline region: parsing must stay inside the data and either refuse
// them or give rectangles that are not turned over, lie inside the region's bounds and can be
// measured; written again and parsed again they come back the same.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>
#include <vector>

#include "storage/picture_region.h"

namespace {

using namespace tessla;

void check(bool condition) {
    if (!condition) std::abort();
}

bool sound(const RegionRect& r) {
    constexpr std::int64_t kLargest = std::numeric_limits<std::int32_t>::max();
    return r.left <= r.right && r.top <= r.bottom && std::int64_t{r.right} - r.left <= kLargest &&
           std::int64_t{r.bottom} - r.top <= kLargest;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::optional<std::vector<RegionRect>> rects = parseRegion({data, size});
    if (!rects) return 0;
    for (const RegionRect& r : *rects) check(sound(r));
    const std::vector<std::uint8_t> again = encodeRegion(*rects);
    check(again.size() <= size);  // the data held the header and every rectangle
    check(parseRegion(again) == rects);
    return 0;
}
