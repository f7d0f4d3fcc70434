#pragma once

// The (key, value) entries that the search memo and the sorter hold, and the one sort they share.

#include <cstdint>
#include <string>
#include <vector>

#include "storage/collation.h"

namespace tessla {

struct KeyedEntry {
    std::string key;  // an owned copy of the caller's key
    std::int32_t value;
};

// Sorts by key under `order`, equal keys by ascending value (CollCompareTie), so the result
// does not depend on the input order when the values are distinct.
void sortKeyedEntries(std::vector<KeyedEntry>& entries, CollationOrder order);

// The array of entries the search memo and the sorter keep: a capacity, the entries in use
// (1-based), and the collation order they are compared in.
class KeyedEntryList {
  public:
    // Drops every entry and makes room for `n` (n < 0 counts as 0).
    void SetCapacity(int n);
    // Orders the entries by key, equal keys by ascending value.
    void Sort() { sortKeyedEntries(entries_, order_); }

    void setOrder(CollationOrder order) { order_ = order; }
    CollationOrder order() const { return order_; }
    int capacity() const { return capacity_; }
    int count() const { return static_cast<int>(entries_.size()); }
    // Entry `i`, 1-based; requires 1 <= i <= count().
    const KeyedEntry& entry(int i) const { return entries_[static_cast<std::size_t>(i - 1)]; }

  protected:
    KeyedEntryList() { SetCapacity(50); }

    std::vector<KeyedEntry> entries_;
    int capacity_ = 0;
    CollationOrder order_ = CollationOrder::SwedishOrder;
};

}  // namespace tessla
