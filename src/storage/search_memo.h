#pragma once

// The search memo `Tsphash`: a short list of (key, position) pairs remembering where earlier
// binary searches in a sorted index file ended, so the next search starts from a narrower
// bracket. It is scanned linearly and meant for a few dozen entries; despite its name it does
// no hashing. Positions are 1-based (1 … count).

#include <cstdint>
#include <string_view>
#include <vector>

#include "storage/keyed_entries.h"

namespace tessla {

class Tsphash {
  public:
    struct Found {
        int position;  // 1-based, 0 when the key is not present
        std::int32_t value;
    };
    // Positions in the owner's index bracketing a key; 0 means "no bound on this side".
    struct Bracket {
        std::int32_t low;
        std::int32_t high;
    };

    Tsphash() { SetCapacity(50); }

    // Drops every entry and makes room for `n` entries (n < 0 counts as 0).
    void SetCapacity(int n);

    // Inserts a copy of `key` with `value`, unless the memo is full or an equal key (under the
    // memo's order) is present; then nothing changes. Sorts afterwards when keep-sorted is set.
    void Add(std::string_view key, std::int32_t value);

    // The first entry whose key equals `key`, or {0, 0}.
    Found Find(std::string_view key) const;

    // `low` is the value of the entry just before the first entry not below `key`, `high` the
    // value of the entry just after the last entry not above it; each is 0 when the memo gives
    // no such entry. Correct whether or not the entries are sorted.
    Bracket Range(std::string_view key) const;

    void Sort() { sortKeyedEntries(entries_, order_); }

    void setKeepSorted(bool keep) { keepSorted_ = keep; }
    void setOrder(CollationOrder order) { order_ = order; }
    CollationOrder order() const { return order_; }

    int capacity() const { return capacity_; }
    int count() const { return static_cast<int>(entries_.size()); }
    // Entry `i`, 1-based; requires 1 <= i <= count().
    const KeyedEntry& entry(int i) const { return entries_[static_cast<std::size_t>(i - 1)]; }

  private:
    std::vector<KeyedEntry> entries_;
    int capacity_ = 0;
    bool keepSorted_ = false;
    CollationOrder order_ = CollationOrder::SwedishOrder;
};

}  // namespace tessla
