#pragma once

// Static Huffman codes as the "LH5" method uses them: canonical codes given by their lengths (at most 16
// bits), assigned shortest first and, within a length, in symbol order.

#include <cstddef>
#include <cstdint>
#include <span>

#include "storage/bit_io.h"

namespace tessla::codec {

inline constexpr int kMaxCodeLength = 16;

// Fills lengths with optimal code lengths of at most maxLength bits for the symbol frequencies; unused
// symbols get 0. Returns the number of used symbols; when that is below 2 every length is 0 and the caller
// sends a single code instead.
int limitedCodeLengths(std::span<const std::uint32_t> frequencies, int maxLength,
                       std::span<std::uint8_t> lengths);

// Fills codes with the canonical code of every symbol of nonzero length.
void canonicalCodes(std::span<const std::uint8_t> lengths, std::span<std::uint16_t> codes);

// A decode table for up to MaxSymbols symbols: the top TableBits bits of the look-ahead index an entry that
// holds a symbol and its code length; codes longer than TableBits continue in a small binary tree.
template <int TableBits, int MaxSymbols>
class DecodeTable {
  public:
    // Builds the table for lengths (one per symbol; 0 for none). A set of lengths that is not a complete
    // prefix code throws ELZHBadDecodeTable; all lengths 0 decode every code as symbol 0 of length 0.
    void build(std::span<const std::uint8_t> lengths);
    // Every code is symbol, of length 0; throws ELZHBadDecodeTable if symbol is out of range.
    void single(unsigned symbol);

    // Decodes one symbol; needs 16 bits available in the reader.
    unsigned decode(BitReader& reader) const {
        std::uint16_t entry = table_[reader.peek(TableBits)];
        unsigned symbol = entry & kSymbolMask;
        if (symbol < symbols_) [[likely]] {
            reader.consume(entry >> kLengthShift);
            return symbol;
        }
        return walk(reader, symbol);
    }

  private:
    static constexpr unsigned kSymbolMask = 0x7FF;
    static constexpr int kLengthShift = 11;
    static constexpr std::uint16_t kUnset = 0xFFFF;
    static_assert(2 * MaxSymbols <= kSymbolMask);

    unsigned walk(BitReader& reader, unsigned node) const;

    unsigned symbols_ = 1;
    std::uint16_t table_[1 << TableBits] = {};
    std::uint16_t left_[2 * MaxSymbols] = {};
    std::uint16_t right_[2 * MaxSymbols] = {};
};

}  // namespace tessla::codec
