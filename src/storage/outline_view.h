#pragma once

// The visible rows of a word list: the `synl` selection, the outline state of lists whose rows
// form a tree (`expanderad`: rows whose children are shown; `lov`: rows that are no row's
// parent), and the position index that reaches the k-th visible row of millions quickly.
//
// A tree list stores its rows in outline order: every row is followed by all its
// descendants, so the children of row p are the rows after p whose parent is p, up to the
// first row whose parent is below p. The parent table comes from the list's file and is not
// trusted: a parent that does not precede its row is treated as no parent-child link, and
// every walk is linear (no recursion), so a damaged table cannot overflow the stack.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "storage/selection.h"

namespace tessla {

class OutlineView {
  public:
    static constexpr int kIndexEntries = 100;

    // Sizes `synl` to `rows`, empty. `parents` (entry n − 1 = parent of row n, 0 for a
    // top-level row; one entry per row) makes the view a tree and must outlive the view's use;
    // any other size leaves the list flat. A tree also gets `expanderad`, holding every row, and
    // `lov`, holding the rows that are no row's parent.
    void reset(std::int32_t rows, std::span<const std::uint32_t> parents);
    // Frees the selections' storage.
    void release();
    // The list's `vald` selection, or null when the list has none; must outlive the view's use. A
    // flat list shows exactly its chosen rows; a tree shows its rows whatever is chosen, since
    // there `vald` holds the rows the user picked, not a filter.
    void setChosen(const Tspsmalurval* vald) { vald_ = vald; }

    bool isTree() const { return !parents_.empty(); }

    // `byggvy`: rebuilds `synl` from scratch (a tree shows its first level and the children of
    // every shown, expanded row; a flat list copies `vald`), then recounts and starts a new
    // position index. The index is filled as positions are asked for: showing the top of a result
    // of millions needs only its first entry, and going to its end fills the rest in one walk.
    void byggvy();
    // `expandera(r)`, `komprimera(r)`: show or hide the descendants of r reached through
    // expanded rows, and mark r expanded or collapsed. Neither recounts, and the position index
    // stays the one of the last `byggvy`. Rows changed through `synl()` need a `byggvy` before
    // positions are asked for.
    void expandera(std::int32_t r);
    void komprimera(std::int32_t r);

    // The last row of r's subtree (r itself when it has no children or the list is flat; r = 0:
    // the last row): the row before the first row after r whose parent is below r.
    std::int32_t subtreeEnd(std::int32_t r) const;

    // The row at visible position k (1-based), or nothing when k is outside 1 … visible count or
    // the walk runs out of visible rows.
    std::optional<std::int32_t> visibleRow(std::int32_t k) const;
    // `synligplats(r)`: the 1-based visible position of r, or -1 when r is not visible or the
    // view is empty.
    std::int32_t synligplats(std::int32_t r) const;

    std::int32_t visibleCount() const { return visibleCount_; }
    std::int32_t step() const { return step_; }
    // The whole position index: the visible rows at positions 1, 1 + step, 1 + 2·step, …
    const std::vector<std::int32_t>& positionIndex() const;

    Tspsmalurval& synl() { return synl_; }
    Tspsmalurval& expanderad() { return expanderad_; }
    Tspsmalurval& lov() { return lov_; }
    const Tspsmalurval& synl() const { return synl_; }

  private:
    // The parent of row q (1-based), or 0 when its entry is 0 or does not precede q.
    std::int32_t parentOf(std::int32_t q) const;
    // Walks the rows of r's subtree (r = 0: the whole tree) that are reached from r through
    // rows for which `descend` holds, calling `visit` on each in outline order.
    template <class Visit, class Descend>
    void walkReached(std::int32_t r, Visit visit, Descend descend);
    // Fills the position index up to entry `entry` (0-based), as far as there are visible rows.
    void indexThrough(std::size_t entry) const;

    std::int32_t rows_ = 0;
    std::span<const std::uint32_t> parents_;
    const Tspsmalurval* vald_ = nullptr;
    Tspsmalurval synl_, expanderad_, lov_;
    std::int32_t visibleCount_ = 0;
    std::int32_t step_ = 1;
    // The first entries of the position index; filled up to the end when `indexed_`.
    mutable std::vector<std::int32_t> index_;
    mutable bool indexed_ = true;
};

}  // namespace tessla
