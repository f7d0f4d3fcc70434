#pragma once

// Keeps a grid and its scroll bar in step: bar position p shows grid top row p − 1, whichever of
// the two moves. The bar runs over the positions 1 … scrollMaximum of the grid's rows and the rows
// that fit, and is hidden while every row fits; it is fitted again whenever the grid's row count,
// row height or size changes. From the link on, the link alone shows and hides the bar.
//
// A text view and its scroll bar are kept in step the same way, by pixels: bar position p shows the
// text from y = p − 1, and keys that scroll the text move the bar. The bar runs over 1 … the text's
// height − the view's height + 1 and is hidden while the whole text fits; whenever the text is
// laid out anew (a new text, a new size) the bar is fitted again and the text shown from its top.

namespace tessla {

class Tspecscr;
class TSPdyntex;
class TSPtab;

// Links `bar` to `grid` and fits the bar at once. The link belongs to the grid and ends when
// either of the two is destroyed.
void linkScrollBar(Tspecscr& bar, TSPtab& grid);
// Links `bar` to `text` and fits the bar at once. The link belongs to the text view and ends when
// either of the two is destroyed.
void linkScrollBar(Tspecscr& bar, TSPdyntex& text);

}  // namespace tessla
