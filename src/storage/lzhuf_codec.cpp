// Method "LZH": LZSS over a 4096-byte window, matches of 3 to 60 bytes. Literals and lengths share one
// adaptive Huffman code (a tree both sides update after every symbol); a distance goes out as a fixed
// code for its upper 6 bits followed by its lower 6 bits.

#include <array>
#include <cstdint>
#include <vector>

#include "storage/bit_io.h"
#include "storage/codec_methods.h"
#include "storage/match_finder.h"

namespace tessla::codec {

namespace {

constexpr unsigned kWindow = 4096;
constexpr unsigned kMaxMatch = 60;
constexpr unsigned kLengthBias = 253;  // symbol = length + kLengthBias
constexpr int kSymbols = 256 + kMaxMatch - 2;
constexpr int kNodes = 2 * kSymbols - 1;
constexpr int kRoot = kNodes - 1;
constexpr std::uint32_t kMaxFrequency = 0x8000;
constexpr unsigned kMaxChain = 256;
// Before the first byte the window holds spaces, except its 60 oldest bytes, which are zero.
constexpr unsigned kZeroFill = kMaxMatch;

// The fixed code of a distance's upper 6 bits: canonical, lengths 3 to 8 bits by increasing value.
struct DistanceCode {
    std::array<std::uint8_t, 64> length{};
    std::array<std::uint8_t, 64> code{};    // left-aligned in 8 bits
    std::array<std::uint8_t, 256> upper{};  // by the next 8 bits: the upper 6 bits they start with
    constexpr DistanceCode() {
        unsigned next = 0;
        for (unsigned upperBits = 0; upperBits < 64; ++upperBits) {
            unsigned bits = upperBits < 1    ? 3
                            : upperBits < 4  ? 4
                            : upperBits < 12 ? 5
                            : upperBits < 24 ? 6
                            : upperBits < 48 ? 7
                                             : 8;
            length[upperBits] = static_cast<std::uint8_t>(bits);
            code[upperBits] = static_cast<std::uint8_t>(next);
            for (unsigned k = 0; k < 1u << (8 - bits); ++k)
                upper[next + k] = static_cast<std::uint8_t>(upperBits);
            next += 1u << (8 - bits);
        }
    }
};
constexpr DistanceCode kDistanceCode;

// The adaptive code tree. Nodes are kept in order of frequency; a node's children are child_[n] and
// child_[n] + 1, and a leaf's child link is its symbol + kNodes.
class AdaptiveTree {
  public:
    AdaptiveTree() {
        for (int s = 0; s < kSymbols; ++s) {
            frequency_[s] = 1;
            child_[s] = static_cast<std::int16_t>(s + kNodes);
            parent_[s + kNodes] = static_cast<std::int16_t>(s);
        }
        for (int node = kSymbols, pair = 0; node < kNodes; ++node, pair += 2) {
            frequency_[node] = frequency_[pair] + frequency_[pair + 1];
            child_[node] = static_cast<std::int16_t>(pair);
            parent_[pair] = parent_[pair + 1] = static_cast<std::int16_t>(node);
        }
        frequency_[kNodes] = 0xFFFF;
        parent_[kRoot] = 0;
    }

    unsigned decode(BitReader& reader) {
        int node = child_[kRoot];
        while (node < kNodes) {
            if (reader.available() == 0) reader.refill();
            node = child_[node + reader.take(1)];
        }
        unsigned symbol = static_cast<unsigned>(node - kNodes);
        update(symbol);
        return symbol;
    }

    void encode(unsigned symbol, BitWriter& writer) {
        std::uint64_t path = 0;
        int length = 0;
        for (int node = parent_[symbol + kNodes]; node != kRoot; node = parent_[node], ++length) {
            path |= std::uint64_t(node - child_[parent_[node]]) << length;
        }
        for (int rest = length; rest > 0; rest -= 32) {
            int n = rest > 32 ? 32 : rest;
            writer.put(static_cast<std::uint32_t>(path >> (rest - n)), n);
        }
        update(symbol);
    }

  private:
    void update(unsigned symbol) {
        if (frequency_[kRoot] == kMaxFrequency) rebuild();
        // From the leaf up to the root (the only node whose parent is 0), keeping nodes in frequency order.
        int node = parent_[symbol + kNodes];
        do {
            std::uint32_t f = ++frequency_[node];
            if (f <= frequency_[node + 1]) continue;
            int last = node + 1;
            while (f > frequency_[last + 1]) ++last;
            frequency_[node] = frequency_[last];
            frequency_[last] = static_cast<std::uint16_t>(f);
            int a = child_[node], b = child_[last];
            adopt(last, a);
            adopt(node, b);
            node = last;
        } while ((node = parent_[node]) != 0);
    }

    // Makes subtree the child link of node.
    void adopt(int node, int subtree) {
        child_[node] = static_cast<std::int16_t>(subtree);
        parent_[subtree] = static_cast<std::int16_t>(node);
        if (subtree < kNodes) parent_[subtree + 1] = static_cast<std::int16_t>(node);
    }

    // Halves the frequencies and rebuilds the tree from the leaves.
    void rebuild() {
        int leaves = 0;
        for (int node = 0; node < kNodes; ++node) {
            if (child_[node] < kNodes) continue;
            frequency_[leaves] = static_cast<std::uint16_t>((frequency_[node] + 1) / 2);
            child_[leaves] = child_[node];
            ++leaves;
        }
        for (int node = kSymbols, pair = 0; node < kNodes; ++node, pair += 2) {
            std::uint16_t f = static_cast<std::uint16_t>(frequency_[pair] + frequency_[pair + 1]);
            int at = node;
            while (f < frequency_[at - 1]) --at;
            for (int k = node; k > at; --k) {
                frequency_[k] = frequency_[k - 1];
                child_[k] = child_[k - 1];
            }
            frequency_[at] = f;
            child_[at] = static_cast<std::int16_t>(pair);
        }
        for (int node = 0; node < kNodes; ++node) adopt(node, child_[node]);
    }

    std::array<std::uint16_t, kNodes + 1> frequency_{};
    std::array<std::int16_t, kNodes + kSymbols> parent_{};
    std::array<std::int16_t, kNodes> child_{};
};

std::uint8_t windowFill(std::ptrdiff_t before) {
    return before > static_cast<std::ptrdiff_t>(kWindow - kZeroFill) ? 0 : ' ';
}

}  // namespace

std::size_t decodeLzh(std::span<const std::uint8_t> payload, std::uint8_t* out, std::uint32_t plainSize) {
    BitReader reader(payload);
    AdaptiveTree tree;
    std::size_t position = 0;
    while (position < plainSize) {
        unsigned symbol = tree.decode(reader);
        if (symbol < 256) {
            out[position++] = static_cast<std::uint8_t>(symbol);
            continue;
        }
        reader.refill();
        unsigned next8 = reader.take(8);
        unsigned upper = kDistanceCode.upper[next8];
        unsigned low =
            (next8 << (kDistanceCode.length[upper] - 2) | reader.take(kDistanceCode.length[upper] - 2)) & 63;
        std::size_t offset = (upper << 6 | low) + 1;
        for (unsigned k = symbol - kLengthBias; k > 0; --k, ++position) {
            out[position] = position >= offset ? out[position - offset]
                                               : windowFill(static_cast<std::ptrdiff_t>(offset - position));
        }
    }
    reader.checkComplete();
    return position;
}

Bytes encodeLzh(std::span<const std::uint8_t> plain, std::size_t budget) {
    BitWriter writer(budget);
    AdaptiveTree tree;
    MatchFinder finder(plain, kWindow, kMaxMatch, kMaxChain, kMaxMatch);
    std::vector<Match> matches;
    for (std::size_t position = 0; position < plain.size();) {
        matches.clear();
        finder.findAll(position, plain.size() - position, matches);
        if (matches.empty()) {
            tree.encode(plain[position], writer);
            finder.insert(position++);
            continue;
        }
        Match match = matches.back();
        tree.encode(match.length + kLengthBias, writer);
        unsigned distance = match.offset - 1;
        unsigned upper = distance >> 6;
        writer.put(kDistanceCode.code[upper] >> (8 - kDistanceCode.length[upper]),
                   kDistanceCode.length[upper]);
        writer.put(distance & 63, 6);
        for (std::size_t end = position + match.length; position < end;) finder.insert(position++);
    }
    return writer.finish();
}

}  // namespace tessla::codec
