#include "view/window_placement.h"

namespace tessla {

namespace {

WindowPoint centredIn(const LayoutRect& area, int width, int height) {
    return {area.x + (area.width - width) / 2, area.y + (area.height - height) / 2};
}

}  // namespace

WindowPoint modalPlacement(const LayoutRect& owner, int width, int height, const LayoutRect& screen) {
    const bool fits = width <= owner.width && height <= owner.height;
    return centredIn(fits ? owner : screen, width, height);
}

}  // namespace tessla
