#pragma once

// A rectangle of a window's layout in logical pixels; right and bottom are one past the last pixel.

namespace tessla {

struct LayoutRect {
    int x = 0, y = 0, width = 0, height = 0;
    int right() const { return x + width; }
    int bottom() const { return y + height; }
    friend bool operator==(const LayoutRect&, const LayoutRect&) = default;
};

}  // namespace tessla
