#include "storage/collation.h"

#include <algorithm>

namespace tessla {
namespace {

// One letter position of the collation: its lower-case and upper-case bytes and its rank in
// SwedishOrder. Its rank in AccentRankOrder is 191 + its 1-based position in this table.
struct LetterPosition {
    std::uint8_t lower;
    std::uint8_t upper;
    std::uint8_t swedish;
};

constexpr LetterPosition kLetters[] = {
    {0x61, 0x41, 'A'},
    {0xE1, 0xC1, 'A'},
    {0xE0, 0xC0, 'A'},
    {0xE2, 0xC2, 'A'},
    {0xE3, 0xC3, 'A'},
    {0x62, 0x42, 'B'},
    {0x63, 0x43, 'C'},
    {0xE7, 0xC7, 'C'},
    {0x64, 0x44, 'D'},
    {0xF0, 0xD0, 'D'},
    {0x65, 0x45, 'E'},
    {0xE9, 0xC9, 'E'},
    {0xE8, 0xC8, 'E'},
    {0xEA, 0xCA, 'E'},
    {0xEB, 0xCB, 'E'},
    {0x66, 0x46, 'F'},
    {0x67, 0x47, 'G'},
    {0x68, 0x48, 'H'},
    {0x69, 0x49, 'I'},
    {0xEF, 0xCF, 'I'},
    {0xED, 0xCD, 'I'},
    {0xEC, 0xCC, 'I'},
    {0xEE, 0xCE, 'I'},
    {0x6A, 0x4A, 'J'},
    {0x6B, 0x4B, 'K'},
    {0x6C, 0x4C, 'L'},
    {0x6D, 0x4D, 'M'},
    {0x6E, 0x4E, 'N'},
    {0xF1, 0xD1, 'N'},
    {0x6F, 0x4F, 'O'},
    {0xF3, 0xD3, 'O'},
    {0xF2, 0xD2, 'O'},
    {0xF4, 0xD4, 'O'},
    {0x70, 0x50, 'P'},
    {0x71, 0x51, 'Q'},
    {0x72, 0x52, 'R'},
    {0x73, 0x53, 'S'},
    {0x9A, 0x8A, 'S'},
    {0xDF, 0xDF, 'S'},
    {0x74, 0x54, 'T'},
    {0xDE, 0xFE, 'T'},
    {0x75, 0x55, 'U'},
    {0xFA, 0xDA, 'U'},
    {0xF9, 0xD9, 'U'},
    {0xFB, 0xDB, 'U'},
    {0x76, 0x56, 'V'},
    {0x77, 0x57, 'W'},
    {0x78, 0x58, 'X'},
    {0x79, 0x59, 'Y'},
    {0xFD, 0xDD, 'Y'},
    {0xFF, 0x9F, 'Y'},
    {0xFC, 0xDC, 'Y'},
    {0x7A, 0x5A, 'Z'},
    {0x9E, 0x8E, 'Z'},
    // å before ä before ö: Å takes the rank of the byte Ä, Ä and Æ that of Å.
    {0xE5, 0xC5, 0xC4},
    {0xE4, 0xC4, 0xC5},
    {0xE6, 0xC6, 0xC5},
    {0xF6, 0xD6, 0xD6},
    {0xF8, 0xD8, 0xD6},
    {0x9C, 0x8C, 0xD6},
    {0xF7, 0xF7, 0xFF},
};
static_assert(std::size(kLetters) == 61);

constexpr CollationMap buildMap(CollationOrder order) {
    CollationMap map{};
    for (int b = 0; b < 256; ++b) map[b] = static_cast<std::uint8_t>(b);
    for (std::size_t p = 0; p < std::size(kLetters); ++p) {
        const auto rank =
            order == CollationOrder::SwedishOrder ? kLetters[p].swedish : static_cast<std::uint8_t>(192 + p);
        map[kLetters[p].lower] = rank;
        map[kLetters[p].upper] = rank;
    }
    return map;
}

constexpr CollationMap kSwedishMap = buildMap(CollationOrder::SwedishOrder);
constexpr CollationMap kAccentRankMap = buildMap(CollationOrder::AccentRankOrder);

inline std::uint8_t rankAt(const CollationMap& map, std::string_view s, std::size_t k) {
    return k < s.size() ? map[static_cast<std::uint8_t>(s[k])] : 0;
}

inline int sign(std::uint8_t x, std::uint8_t y) {
    return x > y ? 1 : -1;
}

// Compares ranks pairwise; `limit` is the number of equal ranks after which the strings count
// as equal. The loop runs over the bytes both strings have, then settles the first byte past
// the shorter one, whose rank is 0 (the end of the string).
int compareRanks(const CollationMap& map, std::string_view a, std::string_view b, std::size_t limit) {
    const std::size_t common = std::min({a.size(), b.size(), limit});
    const auto* pa = reinterpret_cast<const std::uint8_t*>(a.data());
    const auto* pb = reinterpret_cast<const std::uint8_t*>(b.data());
    for (std::size_t k = 0; k < common; ++k) {
        const std::uint8_t x = map[pa[k]];
        const std::uint8_t y = map[pb[k]];
        if (x != y) return sign(x, y);
        if (x == 0) return 0;
    }
    if (common == limit) return 0;
    const std::uint8_t x = rankAt(map, a, common);
    const std::uint8_t y = rankAt(map, b, common);
    return x == y ? 0 : sign(x, y);
}

}  // namespace

const CollationMap& collationMap(CollationOrder order) {
    return order == CollationOrder::SwedishOrder ? kSwedishMap : kAccentRankMap;
}

int CollCompare(std::string_view a, std::string_view b, CollationOrder order) {
    return compareRanks(collationMap(order), a, b, std::max(a.size(), b.size()) + 1);
}

int CollCompareN(std::string_view a, std::string_view b, std::size_t n, CollationOrder order) {
    return compareRanks(collationMap(order), a, b, n);
}

int CollCompareTie(std::string_view a, std::string_view b, std::int32_t ia, std::int32_t ib,
                   CollationOrder order) {
    const int r = CollCompare(a, b, order);
    if (r != 0) return r;
    return ia < ib ? -1 : 1;
}

int CollContains(std::string_view pattern, std::string_view text) {
    const CollationMap& map = kSwedishMap;
    for (std::size_t start = 0;; ++start) {
        for (std::size_t k = 0;; ++k) {
            const std::uint8_t p = rankAt(map, pattern, k);
            if (p == 0) return static_cast<int>(start + 1);
            const std::uint8_t t = rankAt(map, text, start + k);
            if (t == 0) return 0;
            if (p != t) break;
        }
    }
}

}  // namespace tessla
