#pragma once

// The arithmetic of the main window's layout, from the size of its client area: the grids' font
// and row height, the rows of the result list and the household list (the 2:1 split), the
// frames of both lists and of the record, and the grids' column widths. Rectangles are in the
// window's logical pixels.

#include <array>
#include <cstdint>

#include "view/layout_rect.h"

namespace tessla {

struct TableMetrics {
    int fontSize = 11;
    int rowHeight = 16;
};

// Font size 9 and row height 15 when half the client width is below 300, else 11 and 16.
TableMetrics tableMetrics(int halfWidth);

struct ListRows {
    int result = 1;     // R
    int household = 1;  // K
};

// The rows of the two lists: of the height left below the result frame's top, less 76 pixels for
// the buttons below, a third goes to the household, the rest less two rows (the gap that holds
// the household header) to the result list. Each list keeps at least one row, however small the
// window.
ListRows listRows(int clientHeight, int tableTop, int rowHeight);

// The top of the result list's frame: below the title and the buttons above the lists.
inline constexpr int kTableTop = 64;

struct MainLayout {
    TableMetrics metrics;
    ListRows rows;
    int half = 0;
    LayoutRect resultFrame, resultGrid, resultScroll;
    LayoutRect householdFrame, householdGrid, householdScroll;
    LayoutRect recordFrame, recordText, recordScroll;
    std::array<int, 2> resultColumns{};     // name, year of birth
    std::array<int, 3> householdColumns{};  // name, year of birth, role
};

// The layout of a client area of `width` × `height`.
MainLayout mainLayout(int width, int height);

}  // namespace tessla
