#pragma once

// The binary search that the record text bases and the word lists share: find the first of the
// entries 1 … count whose key compares equal to the searched key, in a file sorted by key.

#include <cstdint>
#include <string_view>

#include "storage/search_memo.h"

namespace tessla {

// The longest key a search uses; longer keys are cut.
inline constexpr std::size_t kSearchKeyMax = 255;

// `compareAt(n)` compares the searched key with the key of entry n: > 0 when the searched key is
// greater, 0 when it matches, < 0 otherwise. `memo` (may be null) narrows the starting bracket
// and learns `key` with the position found. Returns the first matching entry, or -1.
template <class CompareAt>
std::int32_t searchSorted(std::int32_t count, std::string_view key, Tsphash* memo, CompareAt compareAt) {
    if (count < 1) return -1;
    std::int32_t lo = 1;
    std::int32_t hi = count;
    if (memo != nullptr) {
        const Tsphash::Bracket bracket = memo->Range(key);
        if (bracket.low >= 1 && bracket.low <= count) lo = bracket.low;
        if (bracket.high >= lo && bracket.high <= count) hi = bracket.high;
    }
    while (hi - lo >= 2) {
        const std::int32_t mid = lo + (hi - lo) / 2;
        if (compareAt(mid) > 0) {
            lo = mid;
        } else {
            hi = mid;
        }
    }
    std::int32_t found = -1;
    if (compareAt(lo) == 0) {
        found = lo;
    } else if (compareAt(hi) == 0) {
        found = hi;
    }
    if (found > 0 && memo != nullptr) memo->Add(key, found);
    return found;
}

}  // namespace tessla
