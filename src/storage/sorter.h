#pragma once

// The sorter `Tspsortera`: the printing and export code adds one entry per record (key = the
// text of the chosen sort columns, value = the record's index in the caller's list), sorts,
// and reads the entries back in order. Entries are 1-based (1 … count).

#include <cstdint>
#include <string_view>
#include <vector>

#include "storage/keyed_entries.h"

namespace tessla {

class Tspsortera {
  public:
    Tspsortera() { SetCapacity(50); }

    // Drops every entry and reserves room for `n` (n < 0 counts as 0).
    void SetCapacity(int n);

    // Appends a copy of `key` with `value`; equal keys may occur any number of times. A full
    // sorter grows rather than drop the entry.
    void Add(std::string_view key, std::int32_t value);

    // Orders the entries by key, equal keys by ascending value.
    void Sort() { sortKeyedEntries(entries_, order_); }

    void setOrder(CollationOrder order) { order_ = order; }

    int capacity() const { return capacity_; }
    int count() const { return static_cast<int>(entries_.size()); }
    // Entry `i`, 1-based; requires 1 <= i <= count().
    const KeyedEntry& entry(int i) const { return entries_[static_cast<std::size_t>(i - 1)]; }

  private:
    std::vector<KeyedEntry> entries_;
    int capacity_ = 0;
    CollationOrder order_ = CollationOrder::SwedishOrder;
};

}  // namespace tessla
