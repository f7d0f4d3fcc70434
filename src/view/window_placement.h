#pragma once

// Where a modal window goes when it opens over its owner.

#include "view/layout_rect.h"

namespace tessla {

struct WindowPoint {
    int x = 0, y = 0;
    friend bool operator==(const WindowPoint&, const WindowPoint&) = default;
};

// The top-left corner of a window of `width` × `height` (its frame) opening over `owner` (the
// owner's frame): centred over the owner when it fits inside it, else centred on `screen` (the
// screen's available area). Centring halves toward zero.
WindowPoint modalPlacement(const LayoutRect& owner, int width, int height, const LayoutRect& screen);

}  // namespace tessla
