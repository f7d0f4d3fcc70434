#include "view/scroll_geometry.h"

#include <cstdint>

#include <gtest/gtest.h>

#include "view/rounding.h"

namespace tessla {
namespace {

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
    const struct {
        double value;
        long long rounded;
    } cases[] = {{2.5, 2}, {3.5, 4}, {0.5, 0}, {-0.5, 0}, {-1.5, -2}, {2.49, 2}, {2.51, 3}, {7.0, 7}};
    for (const auto& c : cases) EXPECT_EQ(roundHalfEven(c.value), c.rounded) << c.value;
}

TEST(ScrollGeometry, ThumbAndPointerArithmetic) {
    const struct {
        const char* name;
        int length;
        std::int32_t min, max;
        std::int32_t position;
        int thumb;
        int pointer;
        std::int32_t pointed;
    } cases[] = {
        {"two pixels a step", 238, 1, 100, 31, 80, 80, 31},
        {"first position at the track's top", 238, 1, 100, 1, 20, 21, 1},  // half a step rounds to even 0
        {"a step and a half rounds to two", 238, 1, 100, 2, 22, 23, 3},
        {"the track's last pixel: 98.5 steps round to 98", 238, 1, 100, 100, 218, 217, 99},
        {"the track's end gives max", 238, 1, 100, 100, 218, 218, 100},
        {"before the track counts as its top", 238, 1, 100, 1, 20, 5, 1},
        {"past the track is max", 238, 1, 100, 1, 20, 230, 100},
        {"thumb rounds halves to even", 45, 0, 2, 1, 22, 24, 2},
        {"min = max stays at the top", 238, 7, 7, 7, 20, 120, 7},
        {"a bar shorter than its arrows keeps a one-pixel track", 30, 1, 10, 10, 21, 20, 1},
    };
    for (const auto& c : cases) {
        const ScrollGeometry geometry(c.length, c.min, c.max);
        EXPECT_GT(geometry.pixelsPerStep(), 0.0) << c.name;
        EXPECT_EQ(geometry.thumbCoordinate(c.position), c.thumb) << c.name;
        EXPECT_EQ(geometry.positionAt(c.pointer), c.pointed) << c.name;
    }
}

}  // namespace
}  // namespace tessla
