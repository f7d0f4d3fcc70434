#pragma once

// What the main window's two lists and its record share: how a list grid is made and placed, and
// where the small buttons above a frame stand.

#include <initializer_list>

#include "view/main_layout.h"

class QWidget;

namespace tessla {

class TSPtab;

// The small buttons above a frame stand this far above its top, this far apart.
inline constexpr int kAboveFrame = 26;
inline constexpr int kButtonGap = 3;

// A grid of `columns` columns named `name` in `frame`: whole rows selected, an indent of 14
// pixels a level, the wheel left to the window.
TSPtab* makeListGrid(QWidget& frame, const char* name, int columns);
// Places `grid` at `area` inside its frame with the layout's font, row height and `widths`.
void placeListGrid(TSPtab& grid, const MainLayout& layout, const LayoutRect& area,
                   std::initializer_list<int> widths);

}  // namespace tessla
