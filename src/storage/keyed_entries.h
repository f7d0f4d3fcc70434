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

}  // namespace tessla
