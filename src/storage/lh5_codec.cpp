// Method "LH5": the -lh5- format. A payload is a sequence of blocks; each block sends its code count
// (16 bits), the code-length code, the literal/length code lengths (run-length coded with the code-length
// code), the distance-class code lengths, and then its codes. Literal/length codes 0-255 are bytes, 256-509
// copy 3-256 bytes from up to 8192 bytes back; the distance is sent as its class (bit width) and the bits
// below the top one.

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <optional>
#include <vector>

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

// Input bytes per block: large blocks spread the cost of the code tables, and a block of literals only
// must stay within the 65535 codes the count field allows.
constexpr std::size_t kBlockBytes = 48 * 1024;
// Search effort: earlier positions followed per search.
constexpr unsigned kMaxChain = 16;
// A match this long is taken as it is, without weighing the ways through the bytes it covers.
constexpr unsigned kNiceMatch = 64;
// Copies up to this long are weighed at every length; a longer match only at its full length.
constexpr unsigned kWeighedLength = 32;
// The price in bits of a symbol the code of the previous block did not have.
constexpr std::uint32_t kUnusedSymbolPrice = 14;

unsigned distanceClass(unsigned distance) {
    return static_cast<unsigned>(std::bit_width(distance));
}

// A literal (symbol below 256) or a copy (symbol = length + kLengthBias, distance = offset - 1).
struct Token {
    std::uint16_t symbol;
    std::uint16_t distance;
};

// The Huffman code lengths of one block's tokens.
struct BlockCode {
    explicit BlockCode(std::span<const Token> tokens) {
        for (Token token : tokens) {
            ++literalFrequencies[token.symbol];
            if (token.symbol >= 256) ++distanceFrequencies[distanceClass(token.distance)];
        }
        literalsUsed = limitedCodeLengths(literalFrequencies, kMaxCodeLength, literalLengths);
        distancesUsed = limitedCodeLengths(distanceFrequencies, kMaxCodeLength, distanceLengths);
    }

    std::array<std::uint32_t, kLiteralLengthSymbols> literalFrequencies{};
    std::array<std::uint32_t, kDistanceClasses> distanceFrequencies{};
    std::array<std::uint8_t, kLiteralLengthSymbols> literalLengths{};
    std::array<std::uint8_t, kDistanceClasses> distanceLengths{};
    int literalsUsed;
    int distancesUsed;
};

// What each token would cost in bits under a block code.
class Prices {
  public:
    explicit Prices(const BlockCode& code) {
        fill(symbol_, code.literalLengths, code.literalsUsed);
        fill(distanceClass_, code.distanceLengths, code.distancesUsed);
    }
    std::uint32_t literal(std::uint8_t byte) const { return symbol_[byte]; }
    std::uint32_t length(unsigned length) const { return symbol_[length + kLengthBias]; }
    std::uint32_t offset(unsigned offset) const {
        unsigned cls = distanceClass(offset - 1);
        return distanceClass_[cls] + (cls > 1 ? cls - 1 : 0);
    }

  private:
    template <std::size_t N>
    static void fill(std::array<std::uint32_t, N>& prices, const std::array<std::uint8_t, N>& lengths,
                     int used) {
        for (std::size_t s = 0; s < N; ++s)
            prices[s] = lengths[s] > 0 ? lengths[s] : used < 2 ? 1 : kUnusedSymbolPrice;
    }

    std::array<std::uint32_t, kLiteralLengthSymbols> symbol_;
    std::array<std::uint32_t, kDistanceClasses> distanceClass_;
};

// Writes blocks: the code count, the three code tables and the codes.
class BlockWriter {
  public:
    explicit BlockWriter(std::size_t budget) : writer_(budget) {}

    void send(std::span<const Token> tokens, const BlockCode& code);
    Bytes finish() { return writer_.finish(); }

  private:
    void sendLiteralLengths(std::span<const std::uint8_t> lengths);
    void sendSmallLengths(std::span<const std::uint8_t> lengths, int countBits, unsigned special);
    template <std::size_t N>
    bool sendSingle(const std::array<std::uint32_t, N>& frequencies, int used, int countBits);

    BitWriter writer_;
};

// A table with fewer than two symbols in use goes out as a count of 0 and the single symbol.
template <std::size_t N>
bool BlockWriter::sendSingle(const std::array<std::uint32_t, N>& frequencies, int used, int countBits) {
    if (used >= 2) return false;
    auto it = std::find_if(frequencies.begin(), frequencies.end(), [](std::uint32_t f) { return f > 0; });
    writer_.put(0, countBits);
    writer_.put(it == frequencies.end() ? 0 : static_cast<unsigned>(it - frequencies.begin()), countBits);
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

void BlockWriter::sendSmallLengths(std::span<const std::uint8_t> lengths, int countBits, unsigned special) {
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

void BlockWriter::sendLiteralLengths(std::span<const std::uint8_t> lengths) {
    std::size_t count = lengths.size();
    while (count > 0 && lengths[count - 1] == 0) --count;
    std::span<const std::uint8_t> sent = lengths.first(count);

    std::array<std::uint32_t, kCodeLengthSymbols> frequencies{};
    forEachCodeLengthSymbol(sent, [&](unsigned symbol, unsigned, int) { ++frequencies[symbol]; });
    std::array<std::uint8_t, kCodeLengthSymbols> codeLengths{};
    std::array<std::uint16_t, kCodeLengthSymbols> codes{};
    int used = limitedCodeLengths(frequencies, kMaxCodeLength, codeLengths);
    if (!sendSingle(frequencies, used, kCodeLengthCountBits)) {
        sendSmallLengths(codeLengths, kCodeLengthCountBits, kCodeLengthSpecial);
        canonicalCodes(codeLengths, codes);
    }
    writer_.put(static_cast<unsigned>(count), kCountBits);
    forEachCodeLengthSymbol(sent, [&](unsigned symbol, unsigned extra, int width) {
        writer_.put(codes[symbol], codeLengths[symbol]);
        writer_.put(extra, width);
    });
}

void BlockWriter::send(std::span<const Token> tokens, const BlockCode& code) {
    std::array<std::uint16_t, kLiteralLengthSymbols> literalCodes{};
    std::array<std::uint16_t, kDistanceClasses> distanceCodes{};
    canonicalCodes(code.literalLengths, literalCodes);
    canonicalCodes(code.distanceLengths, distanceCodes);

    writer_.put(static_cast<unsigned>(tokens.size()), 16);
    if (code.literalsUsed < 2) {
        writer_.put(0, kCodeLengthCountBits);  // the code-length code, unused
        writer_.put(0, kCodeLengthCountBits);
        sendSingle(code.literalFrequencies, code.literalsUsed, kCountBits);
    } else {
        sendLiteralLengths(code.literalLengths);
    }
    if (!sendSingle(code.distanceFrequencies, code.distancesUsed, kDistanceCountBits)) {
        sendSmallLengths(code.distanceLengths, kDistanceCountBits, 0);
    }
    for (Token token : tokens) {
        writer_.put(literalCodes[token.symbol], code.literalLengths[token.symbol]);
        if (token.symbol < 256) continue;
        unsigned cls = distanceClass(token.distance);
        writer_.put(distanceCodes[cls], code.distanceLengths[cls]);
        if (cls > 1) writer_.put(token.distance, cls - 1);
    }
}

// Chooses the tokens of each block by price: the cheapest way through the block's bytes, given the
// matches found at every position and the code of the block before (for the first block, of a lazy
// parse of it).
class Parser {
  public:
    explicit Parser(std::span<const std::uint8_t> plain)
        : plain_(plain), finder_(plain, kWindow, kMaxMatch, kMaxChain, kNiceMatch) {}

    // Finds the matches of the block [begin, end); positions must come in order.
    void collect(std::size_t begin, std::size_t end);
    // The tokens of the block.
    std::vector<Token> lazy() const;
    std::vector<Token> cheapest(const Prices& prices) const;

  private:
    std::span<const Match> matchesAt(std::size_t i) const {
        return std::span(matches_).subspan(first_[i], first_[i + 1] - first_[i]);
    }

    std::span<const std::uint8_t> plain_;
    MatchFinder finder_;
    std::size_t begin_ = 0, end_ = 0;
    std::vector<Match> matches_;        // of every position of the block, shortest first
    std::vector<std::uint32_t> first_;  // per position: its first entry in matches_
};

void Parser::collect(std::size_t begin, std::size_t end) {
    begin_ = begin;
    end_ = end;
    matches_.clear();
    first_.assign(1, 0);
    for (std::size_t position = begin; position < end;) {
        std::size_t found = matches_.size();
        finder_.findAll(position, end - position, matches_);
        finder_.insert(position++);
        first_.push_back(static_cast<std::uint32_t>(matches_.size()));
        if (matches_.size() == found || matches_.back().length < kNiceMatch) continue;
        // The positions a long match covers get no matches of their own.
        for (std::size_t covered = position - 1 + matches_.back().length; position < covered;) {
            finder_.insert(position++);
            first_.push_back(static_cast<std::uint32_t>(matches_.size()));
        }
    }
}

// One-step lazy matching: a match is taken only when the match at the next position is not longer.
std::vector<Token> Parser::lazy() const {
    std::vector<Token> tokens;
    std::size_t size = end_ - begin_;
    auto longest = [&](std::size_t i) {
        return i < size && !matchesAt(i).empty() ? matchesAt(i).back() : Match{};
    };
    for (std::size_t i = 0; i < size;) {
        Match here = longest(i);
        if (here.length >= MatchFinder::kMinMatch && longest(i + 1).length <= here.length) {
            tokens.push_back({static_cast<std::uint16_t>(here.length + kLengthBias),
                              static_cast<std::uint16_t>(here.offset - 1)});
            i += here.length;
        } else {
            tokens.push_back({plain_[begin_ + i], 0});
            ++i;
        }
    }
    return tokens;
}

std::vector<Token> Parser::cheapest(const Prices& prices) const {
    struct Step {
        std::uint32_t cost = UINT32_MAX;
        std::uint16_t length = 0;  // of the token that ends here; 1 for a literal
        std::uint16_t offset = 0;
    };
    std::size_t size = end_ - begin_;
    std::vector<Step> steps(size + 1);
    steps[0].cost = 0;
    for (std::size_t i = 0; i < size; ++i) {
        std::uint32_t here = steps[i].cost;
        std::uint32_t literal = here + prices.literal(plain_[begin_ + i]);
        if (literal < steps[i + 1].cost) steps[i + 1] = {literal, 1, 0};
        unsigned shorter = MatchFinder::kMinMatch - 1;
        for (Match match : matchesAt(i)) {
            std::uint32_t offsetCost = here + prices.offset(match.offset);
            for (unsigned length = shorter + 1; length <= match.length;
                 length = length < kWeighedLength ? length + 1 : std::max(length + 1, match.length)) {
                std::uint32_t cost = offsetCost + prices.length(length);
                if (cost < steps[i + length].cost) {
                    steps[i + length] = {cost, static_cast<std::uint16_t>(length),
                                         static_cast<std::uint16_t>(match.offset)};
                }
            }
            shorter = match.length;
        }
    }
    std::vector<Token> tokens;
    for (std::size_t i = size; i > 0; i -= steps[i].length) {
        const Step& step = steps[i];
        tokens.push_back(step.length == 1 ? Token{plain_[begin_ + i - 1], 0}
                                          : Token{static_cast<std::uint16_t>(step.length + kLengthBias),
                                                  static_cast<std::uint16_t>(step.offset - 1)});
    }
    std::reverse(tokens.begin(), tokens.end());
    return tokens;
}

}  // namespace

std::size_t decodeLh5(std::span<const std::uint8_t> payload, std::uint8_t* out, std::uint32_t plainSize) {
    return Lh5Decoder(payload).run(out, plainSize);
}

// Each block is priced by the code of the block before. The first block has none: it is priced by the
// code of a lazy parse, and then again by the code of that first cheapest parse, which is closer to its
// own; most packed blocks are first blocks.
Bytes encodeLh5(std::span<const std::uint8_t> plain, std::size_t budget) {
    BlockWriter writer(budget);
    Parser parser(plain);
    std::optional<BlockCode> previous;
    for (std::size_t begin = 0; begin < plain.size(); begin += kBlockBytes) {
        parser.collect(begin, std::min(plain.size(), begin + kBlockBytes));
        bool first = !previous;
        if (first) previous.emplace(parser.lazy());
        std::vector<Token> tokens = parser.cheapest(Prices(*previous));
        if (first) tokens = parser.cheapest(Prices(BlockCode(tokens)));
        previous.emplace(tokens);
        writer.send(tokens, *previous);
    }
    return writer.finish();
}

}  // namespace tessla::codec
