#pragma once

// The sorter `Tspsortera`: the printing and export code adds one entry per record (key = the
// text of the chosen sort columns, value = the record's index in the caller's list), sorts,
// and reads the entries back in order. Entries are 1-based (1 … count).

#include <cstdint>
#include <string_view>
#include <vector>

#include "storage/keyed_entries.h"

namespace tessla {

class Tspsortera : public KeyedEntryList {
  public:
    // Appends a copy of `key` with `value`; equal keys may occur any number of times. A full
    // sorter grows rather than drop the entry.
    void Add(std::string_view key, std::int32_t value);
};

}  // namespace tessla
