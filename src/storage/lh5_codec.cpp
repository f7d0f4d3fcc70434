// Method "LH5": the -lh5- format. A payload is a sequence of blocks; each block sends its code count
// (16 bits), the code-length code, the literal/length code lengths (run-length coded with the code-length
// code), the distance-class code lengths, and then its codes. Literal/length codes 0-255 are bytes, 256-509
// copy 3-256 bytes from up to 8192 bytes back; the distance is sent as its class (bit width) and the bits
// below the top one.

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

#include "storage/bit_io.h"
#include "storage/codec_methods.h"
#include "storage/huffman.h"
#include "storage/match_finder.h"

namespace tessla::codec {

namespace {

constexpr unsigned kWindow = 8192;
constexpr unsigned kMaxMatch = 256;
constexpr unsigned kLiteralLengthSymbols = 510;  // NC: 256 bytes, then lengths 3 to 256
constexpr unsigned kLengthBias = 253;            // symbol = length + kLengthBias
constexpr unsigned kDistanceClasses = 14;        // NP: distance 0, then bit widths 1 to 13
constexpr unsigned kCodeLengthSymbols = 19;      // NT
constexpr int kCountBits = 9;                    // CBIT: literal/length count and single code
constexpr int kDistanceCountBits = 4;            // PBIT
constexpr int kCodeLengthCountBits = 5;          // TBIT
constexpr unsigned kCodeLengthSpecial = 3;       // after this many code-length lengths, 2 bits of zeros
constexpr std::uint8_t kFill = ' ';              // the window's content before the first byte

// Code-length code symbols for the literal/length lengths: 0 is one unused symbol, 1 is 3-18 unused
// (4 more bits), 2 is 20-531 unused (9 more bits), n >= 3 is a length of n - 2.
constexpr unsigned kShortRunMin = 3, kShortRunBits = 4;
constexpr unsigned kLongRunMin = 20, kLongRunBits = 9;

// ---------------------------------------------------------------------------------------------- decoding

class Lh5Decoder {
  public:
    explicit Lh5Decoder(std::span<const std::uint8_t> payload) : reader_(payload) {}

    std::size_t run(std::uint8_t* out, std::uint32_t plainSize);

  private:
    void readBlockHead();
    template <class Table>
    void readSmallLengths(unsigned symbols, int countBits, unsigned special, Table& table);
    void readLiteralLengths();
    unsigned readCodeLength();
    void copy(std::uint8_t* out, std::size_t position, std::size_t offset, unsigned length);

    BitReader reader_;
    std::uint32_t codesLeft_ = 0;
    DecodeTable<12, kLiteralLengthSymbols> literals_;
    DecodeTable<8, kCodeLengthSymbols> codeLengths_;
    DecodeTable<8, kDistanceClasses> distances_;
};

void Lh5Decoder::readBlockHead() {
    std::uint32_t count = reader_.bits(16);
    codesLeft_ = count == 0 ? 0x10000 : count;  // a count of 0 stands for 65536
    readSmallLengths(kCodeLengthSymbols, kCodeLengthCountBits, kCodeLengthSpecial, codeLengths_);
    readLiteralLengths();
    readSmallLengths(kDistanceClasses, kDistanceCountBits, 0, distances_);
}

// A length of the small alphabets: 3 bits, where 7 continues with one more for every further 1 bit and
// ends with a 0 bit. special (if not 0) is the index after which 2 bits give a count of unused symbols.
template <class Table>
void Lh5Decoder::readSmallLengths(unsigned symbols, int countBits, unsigned special, Table& table) {
    unsigned count = reader_.bits(countBits);
    if (count == 0) return table.single(reader_.bits(countBits));
    if (count > symbols) throw ELZHBadDecodeTable();
    std::array<std::uint8_t, kCodeLengthSymbols> lengths{};
    for (unsigned i = 0; i < count;) {
        reader_.refill();
        unsigned length = reader_.peek(3);
        if (length == 7) {
            int ones = std::countl_one(reader_.window() << 3);
            length += std::min(ones, 13);  // the longest run a 16-bit look-ahead can show
            if (length > kMaxCodeLength) throw ELZHBadDecodeTable();
            reader_.consume(length - 3);
        } else {
            reader_.consume(3);
        }
        lengths[i++] = static_cast<std::uint8_t>(length);
        if (i == special) {
            i += reader_.bits(2);
            if (i > symbols) throw ELZHBadDecodeTable();
        }
    }
    table.build(std::span(lengths).first(symbols));
}

void Lh5Decoder::readLiteralLengths() {
    unsigned count = reader_.bits(kCountBits);
    if (count == 0) return literals_.single(reader_.bits(kCountBits));
    if (count > kLiteralLengthSymbols) throw ELZHBadDecodeTable();
    std::array<std::uint8_t, kLiteralLengthSymbols> lengths{};
    for (unsigned i = 0; i < count;) {
        reader_.refill();
        unsigned symbol = codeLengths_.decode(reader_);
        if (symbol >= 3) {
            lengths[i++] = static_cast<std::uint8_t>(symbol - 2);
            continue;
        }
        unsigned run = symbol == 0   ? 1
                       : symbol == 1 ? kShortRunMin + reader_.bits(kShortRunBits)
                                     : kLongRunMin + reader_.bits(kLongRunBits);
        i += run;
        if (i > kLiteralLengthSymbols) throw ELZHBadDecodeTable();
    }
    literals_.build(lengths);
}

// Copies length bytes from offset back. Bytes before the first one written are the window's fill.
inline void Lh5Decoder::copy(std::uint8_t* out, std::size_t position, std::size_t offset, unsigned length) {
    std::uint8_t* to = out + position;
    if (offset > position) [[unlikely]] {
        for (unsigned k = 0; k < length; ++k, ++position) {
            to[k] = position >= offset ? out[position - offset] : kFill;
        }
        return;
    }
    const std::uint8_t* from = to - offset;
    if (offset >= 8) {
        for (unsigned k = 0; k < length; k += 8) std::memcpy(to + k, from + k, 8);
    } else if (offset == 1) {
        std::memset(to, *from, length);
    } else {
        for (unsigned k = 0; k < length; ++k) to[k] = from[k];
    }
}

std::size_t Lh5Decoder::run(std::uint8_t* out, std::uint32_t plainSize) {
    std::size_t position = 0;
    while (position < plainSize) {
        if (codesLeft_ == 0) readBlockHead();
        --codesLeft_;
        reader_.refill();
        unsigned symbol = literals_.decode(reader_);
        if (symbol < 256) {
            out[position++] = static_cast<std::uint8_t>(symbol);
            continue;
        }
        unsigned length = symbol - kLengthBias;
        unsigned distanceClass = distances_.decode(reader_);
        std::size_t distance =
            distanceClass == 0 ? 0
                               : (std::size_t{1} << (distanceClass - 1)) + reader_.take(distanceClass - 1);
        copy(out, position, distance + 1, length);
        position += length;
    }
    reader_.checkComplete();
    return position;
}

// ---------------------------------------------------------------------------------------------- encoding

// Codes per block: large blocks spread the cost of the code tables; the count field allows 65535.
constexpr std::size_t kBlockCodes = 16384;
// Search effort: earlier positions followed per search.
constexpr unsigned kMaxChain = 512;

unsigned distanceClass(unsigned distance) {
    return static_cast<unsigned>(std::bit_width(distance));
}

class Lh5Encoder {
  public:
    explicit Lh5Encoder(std::size_t budget) : writer_(budget) {}

    void literal(std::uint8_t byte) { push(byte, 0); }
    void match(Match m) {
        push(static_cast<std::uint16_t>(m.length + kLengthBias), static_cast<std::uint16_t>(m.offset - 1));
    }
    Bytes finish() {
        if (!symbols_.empty()) sendBlock();
        return writer_.finish();
    }

  private:
    void push(std::uint16_t symbol, std::uint16_t distance) {
        symbols_.push_back(symbol);
        distances_.push_back(distance);
        if (symbols_.size() == kBlockCodes) sendBlock();
    }

    void sendBlock();
    void sendLiteralLengths(std::span<const std::uint8_t> lengths);
    void sendSmallLengths(std::span<const std::uint8_t> lengths, int countBits, unsigned special);
    void sendCode(std::span<const std::uint8_t> lengths, std::span<const std::uint16_t> codes,
                  unsigned symbol) {
        writer_.put(codes[symbol], lengths[symbol]);
    }

    BitWriter writer_;
    std::vector<std::uint16_t> symbols_;
    std::vector<std::uint16_t> distances_;
};

// A table with fewer than two symbols in use goes out as a count of 0 and the single symbol.
template <std::size_t N>
bool sendSingle(BitWriter& writer, const std::array<std::uint32_t, N>& frequencies, int used, int countBits) {
    if (used >= 2) return false;
    auto it = std::find_if(frequencies.begin(), frequencies.end(), [](std::uint32_t f) { return f > 0; });
    writer.put(0, countBits);
    writer.put(it == frequencies.end() ? 0 : static_cast<unsigned>(it - frequencies.begin()), countBits);
    return true;
}

// Walks the literal/length lengths as code-length symbols: visit(symbol, extra bits, extra width).
template <class Visit>
void forEachCodeLengthSymbol(std::span<const std::uint8_t> lengths, Visit visit) {
    for (std::size_t i = 0; i < lengths.size();) {
        if (lengths[i] != 0) {
            visit(lengths[i++] + 2u, 0u, 0);
            continue;
        }
        std::size_t run = 1;
        while (i + run < lengths.size() && lengths[i + run] == 0) ++run;
        i += run;
        while (run > 0) {
            std::size_t part = std::min<std::size_t>(run, kLongRunMin + (1u << kLongRunBits) - 1);
            if (part <= 2) {
                for (std::size_t k = 0; k < part; ++k) visit(0u, 0u, 0);
            } else if (part < kShortRunMin + (1u << kShortRunBits)) {
                visit(1u, static_cast<unsigned>(part - kShortRunMin), kShortRunBits);
            } else if (part == kLongRunMin - 1) {
                visit(0u, 0u, 0);
                visit(1u, static_cast<unsigned>(part - 1 - kShortRunMin), kShortRunBits);
            } else {
                visit(2u, static_cast<unsigned>(part - kLongRunMin), kLongRunBits);
            }
            run -= part;
        }
    }
}

void Lh5Encoder::sendSmallLengths(std::span<const std::uint8_t> lengths, int countBits, unsigned special) {
    std::size_t count = lengths.size();
    while (count > 0 && lengths[count - 1] == 0) --count;
    writer_.put(static_cast<unsigned>(count), countBits);
    for (std::size_t i = 0; i < count;) {
        unsigned length = lengths[i++];
        if (length < 7) {
            writer_.put(length, 3);
        } else {
            writer_.put(0xFFFFu, length - 4);  // 7 as 111, then one 1 bit per step past 7
            writer_.put(0, 1);
        }
        if (i == special) {
            unsigned zeros = 0;
            while (zeros < 3 && i + zeros < lengths.size() && lengths[i + zeros] == 0) ++zeros;
            writer_.put(zeros, 2);
            i += zeros;
        }
    }
}

void Lh5Encoder::sendLiteralLengths(std::span<const std::uint8_t> lengths) {
    std::size_t count = lengths.size();
    while (count > 0 && lengths[count - 1] == 0) --count;
    std::span<const std::uint8_t> sent = lengths.first(count);

    std::array<std::uint32_t, kCodeLengthSymbols> frequencies{};
    forEachCodeLengthSymbol(sent, [&](unsigned symbol, unsigned, int) { ++frequencies[symbol]; });
    std::array<std::uint8_t, kCodeLengthSymbols> codeLengths{};
    std::array<std::uint16_t, kCodeLengthSymbols> codes{};
    int used = limitedCodeLengths(frequencies, kMaxCodeLength, codeLengths);
    if (!sendSingle(writer_, frequencies, used, kCodeLengthCountBits)) {
        sendSmallLengths(codeLengths, kCodeLengthCountBits, kCodeLengthSpecial);
        canonicalCodes(codeLengths, codes);
    }
    writer_.put(static_cast<unsigned>(count), kCountBits);
    forEachCodeLengthSymbol(sent, [&](unsigned symbol, unsigned extra, int width) {
        sendCode(codeLengths, codes, symbol);
        writer_.put(extra, width);
    });
}

void Lh5Encoder::sendBlock() {
    std::array<std::uint32_t, kLiteralLengthSymbols> literalFrequencies{};
    std::array<std::uint32_t, kDistanceClasses> distanceFrequencies{};
    for (std::size_t i = 0; i < symbols_.size(); ++i) {
        ++literalFrequencies[symbols_[i]];
        if (symbols_[i] >= 256) ++distanceFrequencies[distanceClass(distances_[i])];
    }
    std::array<std::uint8_t, kLiteralLengthSymbols> literalLengths{};
    std::array<std::uint16_t, kLiteralLengthSymbols> literalCodes{};
    std::array<std::uint8_t, kDistanceClasses> distanceLengths{};
    std::array<std::uint16_t, kDistanceClasses> distanceCodes{};
    int literalsUsed = limitedCodeLengths(literalFrequencies, kMaxCodeLength, literalLengths);
    int distancesUsed = limitedCodeLengths(distanceFrequencies, kMaxCodeLength, distanceLengths);
    canonicalCodes(literalLengths, literalCodes);
    canonicalCodes(distanceLengths, distanceCodes);

    writer_.put(static_cast<unsigned>(symbols_.size()), 16);
    if (literalsUsed < 2) {
        writer_.put(0, kCodeLengthCountBits);  // the code-length code, unused
        writer_.put(0, kCodeLengthCountBits);
        sendSingle(writer_, literalFrequencies, literalsUsed, kCountBits);
    } else {
        sendLiteralLengths(literalLengths);
    }
    if (!sendSingle(writer_, distanceFrequencies, distancesUsed, kDistanceCountBits)) {
        sendSmallLengths(distanceLengths, kDistanceCountBits, 0);
    }
    for (std::size_t i = 0; i < symbols_.size(); ++i) {
        sendCode(literalLengths, literalCodes, symbols_[i]);
        if (symbols_[i] < 256) continue;
        unsigned distance = distances_[i];
        unsigned cls = distanceClass(distance);
        sendCode(distanceLengths, distanceCodes, cls);
        if (cls > 1) writer_.put(distance, cls - 1);
    }
    symbols_.clear();
    distances_.clear();
}

}  // namespace

std::size_t decodeLh5(std::span<const std::uint8_t> payload, std::uint8_t* out, std::uint32_t plainSize) {
    return Lh5Decoder(payload).run(out, plainSize);
}

// One-step lazy matching: a match is sent only when the match at the next position is not longer;
// otherwise its first byte goes out as a literal and the longer match is considered in turn.
Bytes encodeLh5(std::span<const std::uint8_t> plain, std::size_t budget) {
    Lh5Encoder encoder(budget);
    MatchFinder finder(plain, kWindow, kMaxMatch, kMaxChain);
    Match pending;
    bool hasPending = false;
    for (std::size_t position = 0; position < plain.size();) {
        Match here = finder.find(position, hasPending ? pending.length + 1 : MatchFinder::kMinMatch);
        finder.insert(position);
        if (hasPending) {
            if (pending.length >= MatchFinder::kMinMatch && here.length == 0) {
                std::size_t end = position - 1 + pending.length;
                for (std::size_t p = position + 1; p < end; ++p) finder.insert(p);
                encoder.match(pending);
                position = end;
                hasPending = false;
                continue;
            }
            encoder.literal(plain[position - 1]);
        }
        pending = here;
        hasPending = true;
        ++position;
    }
    if (hasPending) {
        if (pending.length >= MatchFinder::kMinMatch) {
            encoder.match(pending);
        } else {
            encoder.literal(plain.back());
        }
    }
    return encoder.finish();
}

}  // namespace tessla::codec
