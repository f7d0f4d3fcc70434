#pragma once

// The order in which a reader meets the controls of a window: line by line from the top, and
// within a line from the left. The keyboard's Tab key follows it, so that moving through a window
// without a mouse goes where the eye goes.

#include <cstddef>
#include <span>
#include <vector>

#include "view/layout_rect.h"

namespace tessla {

// The indices of `rects` in reading order. A rectangle belongs to the line of the rectangles
// before it (taken from the top) when its vertical middle lies within that line's height, so
// that a field, its buttons and its label of another height share one line.
std::vector<std::size_t> readingOrder(std::span<const LayoutRect> rects);

}  // namespace tessla
