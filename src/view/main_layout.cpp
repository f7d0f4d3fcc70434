#include "view/main_layout.h"

#include <algorithm>

namespace tessla {

namespace {

// A list's frame at (8, top), its grid inside it at (2, 2) and its scroll bar beside it.
void placeList(int half, int top, int rows, int rowHeight, LayoutRect& frame, LayoutRect& grid,
               LayoutRect& scroll) {
    frame = {8, top, half - 30, rowHeight * rows + 10};
    grid = {frame.x + 2, frame.y + 2, frame.width - 9, rowHeight * rows};
    scroll = {half - 20, top, 19, frame.height};
}

// The first column takes what the others leave, at least nothing.
template <std::size_t N>
std::array<int, N> columnsFilling(int width, std::array<int, N> columns) {
    int rest = width;
    for (std::size_t i = 1; i < N; ++i) rest -= columns[i];
    columns[0] = std::max(0, rest);
    return columns;
}

}  // namespace

TableMetrics tableMetrics(int halfWidth) {
    return halfWidth < 300 ? TableMetrics{9, 15} : TableMetrics{11, 16};
}

ListRows listRows(int clientHeight, int tableTop, int rowHeight) {
    const int available = std::max(0, clientHeight - tableTop - 60 - 16);
    const int rows = available / rowHeight;
    const int result = 2 * rows / 3;
    return {std::max(1, result - 2), std::max(1, rows - result)};
}

MainLayout mainLayout(int width, int height) {
    MainLayout layout;
    layout.half = width / 2;
    layout.metrics = tableMetrics(layout.half);
    const int h = layout.metrics.rowHeight;
    layout.rows = listRows(height, kTableTop, h);
    placeList(layout.half, kTableTop, layout.rows.result, h, layout.resultFrame, layout.resultGrid,
              layout.resultScroll);
    placeList(layout.half, layout.resultFrame.bottom() + 2 * h, layout.rows.household, h,
              layout.householdFrame, layout.householdGrid, layout.householdScroll);

    // The record frame reaches from the top of the strip above the lists to the household frame's
    // bottom; the text leaves a strip at the top for the record number and the record's buttons.
    const int recordTop = kTableTop - 30;
    layout.recordFrame = {layout.half + 6, recordTop, width - layout.half - 12,
                          layout.householdFrame.bottom() - recordTop};
    layout.recordText = {layout.half + 12, recordTop + 26, layout.recordFrame.width - 35,
                         layout.recordFrame.height - 32};
    layout.recordScroll = {layout.recordText.right() + 4, layout.recordText.y, 19, layout.recordText.height};

    // The year and role columns are as wide as their widest texts ("1870", "Mother") need in the
    // grid's serif font, so that neither is ever cut.
    const bool large = layout.metrics.fontSize == 11;
    const int year = large ? 40 : 32;
    const int role = large ? 56 : 46;
    layout.resultColumns = columnsFilling<2>(layout.resultGrid.width, {0, year});
    layout.householdColumns = columnsFilling<3>(layout.householdGrid.width, {0, year, role});
    return layout;
}

}  // namespace tessla
