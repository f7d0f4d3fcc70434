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

class Tsphash : public KeyedEntryList {
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

    // Inserts a copy of `key` with `value`, unless the memo is full or an equal key (under the
    // memo's order) is present; then nothing changes. Sorts afterwards when keep-sorted is set.
    void Add(std::string_view key, std::int32_t value);

    // The first entry whose key equals `key`, or {0, 0}.
    Found Find(std::string_view key) const;

    // `low` is the value of the entry just before the first entry not below `key`, `high` the
    // value of the entry just after the last entry not above it; each is 0 when the memo gives
    // no such entry. Correct whether or not the entries are sorted.
    Bracket Range(std::string_view key) const;

    void setKeepSorted(bool keep) { keepSorted_ = keep; }

  private:
    bool keepSorted_ = false;
};

}  // namespace tessla
