#include "storage/outline_view.h"

#include <algorithm>

namespace tessla {
namespace {

void sizeSelection(Tspsmalurval& s, std::int32_t rows) {
    s.setCapacity(rows);
    s.setUsedSize(rows);
    s.allokera();
}

}  // namespace

void OutlineView::reset(std::int32_t rows, std::span<const std::uint32_t> parents) {
    rows_ = rows < 0 ? 0 : rows;
    parents_ = parents.size() == static_cast<std::size_t>(rows_) ? parents : std::span<const std::uint32_t>();
    sizeSelection(synl_, rows_);
    visibleCount_ = 0;
    step_ = 1;
    index_.clear();
    indexed_ = true;
    if (!isTree()) {
        expanderad_.frigor();
        lov_.frigor();
        return;
    }
    sizeSelection(expanderad_, rows_);
    sizeSelection(lov_, rows_);
    expanderad_.fyllalla();
    lov_.fyllalla();
    for (std::int32_t n = 1; n <= rows_; ++n) lov_.satt(parentOf(n), false);
}

void OutlineView::release() {
    synl_.frigor();
    expanderad_.frigor();
    lov_.frigor();
    index_.clear();
    indexed_ = true;
    visibleCount_ = 0;
}

std::int32_t OutlineView::parentOf(std::int32_t q) const {
    const std::uint32_t parent = parents_[static_cast<std::size_t>(q - 1)];
    return parent < static_cast<std::uint32_t>(q) ? static_cast<std::int32_t>(parent) : 0;
}

std::int32_t OutlineView::subtreeEnd(std::int32_t r) const {
    if (r == 0) return rows_;
    if (!isTree() || r < 0 || r > rows_) return r;
    std::int32_t q = r + 1;
    while (q <= rows_ && parentOf(q) >= r) ++q;
    return q - 1;
}

template <class Visit, class Descend>
void OutlineView::walkReached(std::int32_t r, Visit visit, Descend descend) {
    if (r < 0 || r > rows_) return;
    const std::int32_t end = subtreeEnd(r);
    // opened[q − r]: q was reached and its children are to be walked too.
    std::vector<bool> opened(static_cast<std::size_t>(end - r + 1), false);
    opened[0] = true;
    for (std::int32_t q = r + 1; q <= end; ++q) {
        const std::int32_t parent = parentOf(q);
        if (parent < r || !opened[static_cast<std::size_t>(parent - r)]) continue;
        visit(q);
        opened[static_cast<std::size_t>(q - r)] = descend(q);
    }
}

void OutlineView::byggvy() {
    // A flat list's copy of `vald` overwrites every word in use; anything else starts empty.
    const bool copiesEveryRow = !isTree() && vald_ != nullptr && vald_->usedSize() >= synl_.usedSize();
    if (!copiesEveryRow) synl_.tomma();
    if (isTree()) {
        walkReached(
            0, [this](std::int32_t q) { synl_.satt(q, true); },
            [this](std::int32_t q) { return expanderad_.testa(q); });
    } else if (vald_ != nullptr) {
        synl_.kopiera(*vald_);
    }
    visibleCount_ = synl_.count();
    step_ = visibleCount_ > kIndexEntries ? (visibleCount_ - 1) / kIndexEntries + 1 : 1;
    index_.clear();
    indexed_ = visibleCount_ == 0;
}

void OutlineView::expandera(std::int32_t r) {
    if (!isTree()) return;
    indexThrough(kIndexEntries - 1);  // the index stays the one of the last byggvy
    walkReached(
        r, [this](std::int32_t q) { synl_.satt(q, true); },
        [this](std::int32_t q) { return expanderad_.testa(q); });
    expanderad_.satt(r, true);
}

void OutlineView::komprimera(std::int32_t r) {
    if (!isTree()) return;
    indexThrough(kIndexEntries - 1);  // the index stays the one of the last byggvy
    walkReached(
        r, [this](std::int32_t q) { synl_.satt(q, false); },
        [this](std::int32_t q) { return expanderad_.testa(q); });
    expanderad_.satt(r, false);
}

void OutlineView::indexThrough(std::size_t entry) const {
    if (indexed_ || entry < index_.size()) return;
    const auto entries = static_cast<std::size_t>(std::min(kIndexEntries, (visibleCount_ - 1) / step_ + 1));
    const std::size_t want = std::min(entry + 1, entries);
    synl_.rowsAtPositions(step_, want, index_);
    // Fewer rows than counted can only mean a damaged count; the index then ends where they do.
    indexed_ = index_.size() >= entries || index_.size() < want;
}

const std::vector<std::int32_t>& OutlineView::positionIndex() const {
    indexThrough(kIndexEntries - 1);
    return index_;
}

std::optional<std::int32_t> OutlineView::visibleRow(std::int32_t k) const {
    if (k < 1 || k > visibleCount_) return std::nullopt;
    const std::size_t entry = static_cast<std::size_t>((k - 1) / step_);
    indexThrough(entry);
    if (entry >= index_.size()) return std::nullopt;
    std::int32_t r = index_[entry];
    for (std::int32_t skip = (k - 1) % step_; skip > 0; --skip) {
        if (!synl_.nasta(r)) return std::nullopt;
    }
    return r;
}

std::int32_t OutlineView::synligplats(std::int32_t r) const {
    if (visibleCount_ == 0 || !synl_.testa(r)) return -1;
    return synl_.countUpTo(r);
}

}  // namespace tessla
