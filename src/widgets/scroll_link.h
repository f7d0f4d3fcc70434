#pragma once

// Keeps a grid and its scroll bar in step: bar position p shows grid top row p − 1, whichever of
// the two moves. The bar runs over the positions 1 … scrollMaximum of the grid's rows and the rows
// that fit, and is hidden while every row fits; it is fitted again whenever the grid's row count,
// row height or size changes. From the link on, the link alone shows and hides the bar.

namespace tessla {

class Tspecscr;
class TSPtab;

// Links `bar` to `grid` and fits the bar at once. The link belongs to the grid and ends when
// either of the two is destroyed.
void linkScrollBar(Tspecscr& bar, TSPtab& grid);

}  // namespace tessla
