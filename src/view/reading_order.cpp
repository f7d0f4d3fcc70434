#include "view/reading_order.h"

#include <algorithm>
#include <numeric>

namespace tessla {

std::vector<std::size_t> readingOrder(std::span<const LayoutRect> rects) {
    std::vector<std::size_t> order(rects.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return rects[a].y < rects[b].y || (rects[a].y == rects[b].y && rects[a].x < rects[b].x);
    });
    // Lines: runs of the order by top whose middles fall within the height of the run's first.
    std::vector<int> line(rects.size(), 0);
    int current = -1, lineBottom = 0;
    for (const std::size_t i : order) {
        if (current < 0 || rects[i].y + rects[i].height / 2 >= lineBottom) {
            ++current;
            lineBottom = rects[i].bottom();
        }
        line[i] = current;
    }
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return line[a] < line[b] || (line[a] == line[b] && rects[a].x < rects[b].x);
    });
    return order;
}

}  // namespace tessla
