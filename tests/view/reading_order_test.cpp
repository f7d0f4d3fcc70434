#include "view/reading_order.h"

#include <gtest/gtest.h>

#include <vector>

namespace tessla {
namespace {

TEST(ReadingOrder, LineByLineFromTheTopAndWithinALineFromTheLeft) {
    const struct {
        const char* what;
        std::vector<LayoutRect> rects;
        std::vector<std::size_t> order;
    } cases[] = {
        {"nothing", {}, {}},
        {"a column", {{10, 50, 100, 20}, {10, 0, 100, 20}, {10, 25, 100, 20}}, {1, 2, 0}},
        // A field with its buttons (a little higher, a little lower) and a button far right.
        {"a field's line",
         {{400, 2, 24, 24}, {120, 4, 200, 20}, {330, 3, 26, 22}, {120, 30, 200, 20}, {360, 3, 26, 22}},
         {1, 2, 4, 0, 3}},
        // A tall list starts a line of its own height: what stands beside it comes after it, what
        // lies below it on the next line.
        {"a list and what is beside and below it",
         {{10, 10, 300, 400}, {320, 200, 20, 20}, {10, 420, 80, 30}, {320, 5, 20, 20}},
         {3, 0, 1, 2}},
        {"equal tops", {{50, 0, 10, 10}, {0, 0, 10, 10}}, {1, 0}},
    };
    for (const auto& c : cases) EXPECT_EQ(readingOrder(c.rects), c.order) << c.what;
}

}  // namespace
}  // namespace tessla
