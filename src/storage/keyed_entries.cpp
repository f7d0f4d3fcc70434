#include "storage/keyed_entries.h"

#include <utility>

namespace tessla {
namespace {

// Quicksort with the middle entry as pivot and a two-sided partition. It recurses into the
// smaller part and loops on the larger, so the stack stays shallow on any input.
void quicksort(std::vector<KeyedEntry>& e, std::ptrdiff_t lo, std::ptrdiff_t hi, CollationOrder order) {
    while (lo < hi) {
        const KeyedEntry pivot = e[(lo + hi) / 2];
        std::ptrdiff_t i = lo;
        std::ptrdiff_t j = hi;
        do {
            while (CollCompareTie(e[i].key, pivot.key, e[i].value, pivot.value, order) < 0) ++i;
            while (CollCompareTie(pivot.key, e[j].key, pivot.value, e[j].value, order) < 0) --j;
            if (i <= j) {
                std::swap(e[i], e[j]);
                ++i;
                --j;
            }
        } while (i <= j);
        if (j - lo < hi - i) {
            quicksort(e, lo, j, order);
            lo = i;
        } else {
            quicksort(e, i, hi, order);
            hi = j;
        }
    }
}

}  // namespace

void KeyedEntryList::SetCapacity(int n) {
    capacity_ = n < 0 ? 0 : n;
    entries_.clear();
    entries_.shrink_to_fit();
    entries_.reserve(static_cast<std::size_t>(capacity_));
}

void sortKeyedEntries(std::vector<KeyedEntry>& entries, CollationOrder order) {
    if (entries.size() < 2) return;
    quicksort(entries, 0, static_cast<std::ptrdiff_t>(entries.size()) - 1, order);
}

}  // namespace tessla
