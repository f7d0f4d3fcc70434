#pragma once

// The two collation orders of the database and the comparisons built on them.
//
// Each order maps every byte (Windows-1252) to a rank before bytes are compared as unsigned
// numbers. `SwedishOrder` folds case and accents and puts Å, Ä, Ö after Z; it is the
// dictionary order of the record text bases and of lists that fold accents.
// `AccentRankOrder` folds case only: every accented letter ranks just after its base
// letter, so all letters sort after digits and punctuation. Byte 0 maps to 0 in both
// orders and ends a string; the end of a string_view counts as a 0 byte.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tessla {

enum class CollationOrder : std::uint8_t { SwedishOrder, AccentRankOrder };

using CollationMap = std::array<std::uint8_t, 256>;

// The rank of every byte in `order`; built once, read-only afterwards.
const CollationMap& collationMap(CollationOrder order);

// -1, 0 or +1: `a` against `b` under `order`, up to the first 0 byte.
int CollCompare(std::string_view a, std::string_view b, CollationOrder order = CollationOrder::SwedishOrder);

// As CollCompare over at most `n` equal ranks; n = 0 gives 0. With n equal to the length of
// `a`, every `b` that begins with `a` compares equal (prefix search).
int CollCompareN(std::string_view a, std::string_view b, std::size_t n,
                 CollationOrder order = CollationOrder::SwedishOrder);

// As CollCompare, but equal strings are ordered by `ia` and `ib` (signed): -1 when ia < ib,
// +1 otherwise. Never 0, so an entry compared with itself gives +1.
int CollCompareTie(std::string_view a, std::string_view b, std::int32_t ia, std::int32_t ib,
                   CollationOrder order = CollationOrder::SwedishOrder);

// 0 when `pattern` does not occur in `text` under SwedishOrder, otherwise the 1-based position
// of its first occurrence. An empty pattern occurs in every text (at position 1).
int CollContains(std::string_view pattern, std::string_view text);

}  // namespace tessla
