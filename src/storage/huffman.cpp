#include "storage/huffman.h"

#include <algorithm>
#include <array>
#include <vector>

namespace tessla::codec {

namespace {

// One entry of a package-merge list: a leaf (symbol >= 0) or a package of the two items at child and
// child + 1 of the list one level down.
struct Item {
    std::uint64_t weight;
    int symbol;
    int child;
};

}  // namespace

int limitedCodeLengths(std::span<const std::uint32_t> frequencies, int maxLength,
                       std::span<std::uint8_t> lengths) {
    std::fill(lengths.begin(), lengths.end(), 0);
    std::vector<Item> leaves;
    for (std::size_t s = 0; s < frequencies.size(); ++s) {
        if (frequencies[s] > 0) leaves.push_back({frequencies[s], static_cast<int>(s), -1});
    }
    int used = static_cast<int>(leaves.size());
    if (used < 2) return used;
    std::stable_sort(leaves.begin(), leaves.end(),
                     [](const Item& a, const Item& b) { return a.weight < b.weight; });

    // Package-merge: level l lists the leaves merged with the pairs of level l - 1; the first 2n - 2 items
    // of the last level give each symbol its length as the number of times it is chosen.
    std::vector<std::vector<Item>> levels{leaves};
    for (int level = 1; level < maxLength; ++level) {
        const std::vector<Item>& below = levels.back();
        std::vector<Item> packages;
        for (std::size_t i = 0; i + 1 < below.size(); i += 2) {
            packages.push_back({below[i].weight + below[i + 1].weight, -1, static_cast<int>(i)});
        }
        std::vector<Item> merged(leaves.size() + packages.size());
        std::merge(leaves.begin(), leaves.end(), packages.begin(), packages.end(), merged.begin(),
                   [](const Item& a, const Item& b) { return a.weight < b.weight; });
        levels.push_back(std::move(merged));
    }
    std::size_t chosen = 2 * leaves.size() - 2;
    for (auto level = levels.rbegin(); level != levels.rend(); ++level) {
        std::size_t packages = 0;
        for (std::size_t i = 0; i < chosen; ++i) {
            const Item& item = (*level)[i];
            if (item.symbol >= 0) {
                ++lengths[item.symbol];
            } else {
                ++packages;
            }
        }
        chosen = 2 * packages;
    }
    return used;
}

void canonicalCodes(std::span<const std::uint8_t> lengths, std::span<std::uint16_t> codes) {
    std::array<unsigned, kMaxCodeLength + 2> next{};
    for (std::uint8_t length : lengths) ++next[length];
    unsigned code = 0;
    for (int length = 1; length <= kMaxCodeLength; ++length) {
        unsigned count = next[length];
        next[length] = code;
        code = (code + count) << 1;
    }
    for (std::size_t s = 0; s < lengths.size(); ++s) {
        if (lengths[s] > 0) codes[s] = static_cast<std::uint16_t>(next[lengths[s]]++);
    }
}

template <int TableBits, int MaxSymbols>
void DecodeTable<TableBits, MaxSymbols>::single(unsigned symbol) {
    if (symbol >= MaxSymbols) throw ELZHBadDecodeTable();
    symbols_ = MaxSymbols;
    std::fill(std::begin(table_), std::end(table_), static_cast<std::uint16_t>(symbol));
}

template <int TableBits, int MaxSymbols>
void DecodeTable<TableBits, MaxSymbols>::build(std::span<const std::uint8_t> lengths) {
    std::array<std::uint32_t, kMaxCodeLength + 1> count{};
    for (std::uint8_t length : lengths) {
        if (length > kMaxCodeLength) throw ELZHBadDecodeTable();
        ++count[length];
    }
    // The codes must fill the 16-bit code space exactly (or not at all).
    std::uint32_t space = 0;
    for (int length = 1; length <= kMaxCodeLength; ++length)
        space += count[length] << (kMaxCodeLength - length);
    if (space == 0) return single(0);
    if (space != 1u << kMaxCodeLength) throw ELZHBadDecodeTable();

    symbols_ = static_cast<unsigned>(lengths.size());
    std::array<std::uint32_t, kMaxCodeLength + 1> start{};
    for (int length = 1, code = 0; length <= kMaxCodeLength; ++length) {
        start[length] = code;
        code += count[length] << (kMaxCodeLength - length);
    }
    std::fill(std::begin(table_), std::end(table_), kUnset);
    std::uint16_t nextNode = static_cast<std::uint16_t>(symbols_);
    for (unsigned symbol = 0; symbol < symbols_; ++symbol) {
        int length = lengths[symbol];
        if (length == 0) continue;
        std::uint32_t code = start[length];
        start[length] += 1u << (kMaxCodeLength - length);
        std::uint32_t index = code >> (kMaxCodeLength - TableBits);
        if (length <= TableBits) {
            std::uint16_t entry = static_cast<std::uint16_t>(symbol | length << kLengthShift);
            std::fill_n(table_ + index, 1u << (TableBits - length), entry);
            continue;
        }
        // Past the table's bits the code descends one tree node per bit; the last link holds the symbol.
        std::uint16_t* link = &table_[index];
        for (int bit = kMaxCodeLength - 1 - TableBits; bit >= kMaxCodeLength - length; --bit) {
            if (*link == kUnset) {
                *link = nextNode;
                left_[nextNode] = right_[nextNode] = kUnset;
                ++nextNode;
            }
            link = (code >> bit & 1) ? &right_[*link] : &left_[*link];
        }
        *link = static_cast<std::uint16_t>(symbol);
    }
}

template <int TableBits, int MaxSymbols>
unsigned DecodeTable<TableBits, MaxSymbols>::walk(BitReader& reader, unsigned node) const {
    std::uint32_t code = reader.peek(kMaxCodeLength);
    int bit = kMaxCodeLength - 1 - TableBits;
    while (node >= symbols_) {
        node = (code >> bit & 1) ? right_[node] : left_[node];
        --bit;
    }
    reader.consume(kMaxCodeLength - 1 - bit);
    return node;
}

template class DecodeTable<12, 510>;
template class DecodeTable<8, 19>;
template class DecodeTable<8, 14>;

}  // namespace tessla::codec
