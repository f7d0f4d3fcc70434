#include "storage/selection.h"

#include <algorithm>
#include <bit>

namespace tessla {
namespace {

constexpr std::uint64_t kAllSet = ~std::uint64_t{0};

// Bits 0 … bits-1 of a word; bits in 1 … 64.
constexpr std::uint64_t lowBits(unsigned bits) {
    return bits >= 64 ? kAllSet : (std::uint64_t{1} << bits) - 1;
}

}  // namespace

void Tspsmalurval::allokera() {
    byteSize_ = ((capacity_ - 1) / 32 + 1) * 4;
    words_.assign((static_cast<std::size_t>(byteSize_) + 7) / 8, 0);
    count_ = 0;
    setSpan(0, 0);
}

void Tspsmalurval::frigor() {
    words_.clear();
    words_.shrink_to_fit();
    byteSize_ = 0;
    setSpan(0, 0);
}

void Tspsmalurval::setSpan(std::size_t lo, std::size_t hi) {
    lo_ = lo < hi ? lo : 0;
    hi_ = lo < hi ? hi : 0;
}

void Tspsmalurval::clearSpanPart(std::size_t from, std::size_t to) {
    from = std::max(from, lo_);
    to = std::min(to, hi_);
    if (from < to) {
        std::fill(words_.begin() + static_cast<std::ptrdiff_t>(from),
                  words_.begin() + static_cast<std::ptrdiff_t>(to), 0);
    }
}

std::size_t Tspsmalurval::usedWords() const {
    return std::min(wordsFor(usedSize_), words_.size());
}

std::uint64_t Tspsmalurval::usedMask(std::size_t word) const {
    if (word + 1 < wordsFor(usedSize_)) return kAllSet;
    return lowBits(static_cast<unsigned>(usedSize_ - 1) % 64 + 1);
}

bool Tspsmalurval::nasta(std::int32_t& r) const {
    if (r < 0 || r >= capacity_ || words_.empty()) return false;
    const auto from = static_cast<std::uint32_t>(r);  // bit index of row r + 1
    const std::size_t end = std::min(usedWords(), hi_);
    std::size_t w = from / 64;
    std::uint64_t word = kAllSet << (from % 64);
    if (w < lo_) {
        w = lo_;
        word = kAllSet;
    }
    if (w >= end) return false;
    word &= words_[w];
    while (word == 0) {
        if (++w >= end) return false;
        word = words_[w];
    }
    r = static_cast<std::int32_t>(w * 64 + static_cast<std::size_t>(std::countr_zero(word)) + 1);
    return true;
}

std::int32_t Tspsmalurval::antal() const {
    std::int64_t total = 0;
    for (std::size_t w = lo_; w < hi_; ++w) total += std::popcount(words_[w]);
    return static_cast<std::int32_t>(total);
}

void Tspsmalurval::rowsAtPositions(std::int32_t step, std::size_t most,
                                   std::vector<std::int32_t>& rows) const {
    constexpr std::size_t kBlock = 8;
    if (step < 1 || rows.size() >= most || words_.empty()) return;
    std::int64_t seen = 0;  // set rows in the words before w, counted from the first row wanted
    std::int64_t next = 0;  // position of the next row wanted
    std::size_t w = lo_;
    if (!rows.empty()) {
        // Go on from the last row given, at position 0: the rows before it in its word are not counted.
        const auto bit = static_cast<std::size_t>(static_cast<std::uint32_t>(rows.back() - 1));
        w = std::max(w, bit / 64);
        if (w == bit / 64) seen = -std::popcount(words_[w] & lowBits(static_cast<unsigned>(bit % 64) + 1)) + 1;
        next = step;
    }
    const std::size_t end = std::min(usedWords(), hi_);
    while (w < end && rows.size() < most) {
        // Blocks of words whose rows all lie before the next position wanted are passed whole.
        if (w + kBlock <= end) {
            int block = 0;
            for (std::size_t i = 0; i < kBlock; ++i) block += std::popcount(words_[w + i]);
            if (seen + block <= next) {
                seen += block;
                w += kBlock;
                continue;
            }
        }
        const std::uint64_t word = words_[w];
        const int set = std::popcount(word);
        for (std::int64_t skip = next - seen; skip < set && rows.size() < most; skip = next - seen) {
            std::uint64_t rest = word;
            for (std::int64_t i = 0; i < skip; ++i) rest &= rest - 1;
            rows.push_back(
                static_cast<std::int32_t>(w * 64 + static_cast<std::size_t>(std::countr_zero(rest)) + 1));
            next += step;
        }
        seen += set;
        ++w;
    }
}

std::int32_t Tspsmalurval::countUpTo(std::int32_t n) const {
    if (n < 1 || words_.empty()) return 0;
    const auto bits = std::min(static_cast<std::size_t>(n), words_.size() * 64);
    std::int64_t total = 0;
    for (std::size_t i = lo_; i < std::min(bits / 64, hi_); ++i) total += std::popcount(words_[i]);
    if (bits % 64 != 0) total += std::popcount(words_[bits / 64] & lowBits(static_cast<unsigned>(bits % 64)));
    return static_cast<std::int32_t>(total);
}

void Tspsmalurval::fyllalla() {
    if (words_.empty()) return;
    const std::int32_t rows = std::min(usedSize_, capacity_);
    const std::size_t full = static_cast<std::size_t>(rows) / 64;
    std::fill(words_.begin(), words_.begin() + static_cast<std::ptrdiff_t>(full), kAllSet);
    std::int64_t beyond = 0;  // rows above the used size that were set before
    if (rows % 64 != 0) {
        words_[full] |= lowBits(static_cast<unsigned>(rows % 64));
        beyond += std::popcount(words_[full]) - rows % 64;
    }
    for (std::size_t i = wordsFor(rows); i < hi_; ++i) beyond += std::popcount(words_[i]);
    count_ = rows + static_cast<std::int32_t>(beyond);
    const std::size_t filled = wordsFor(rows);
    if (filled > 0) setSpan(0, std::max(hi_, filled));
}

void Tspsmalurval::tomma() {
    clearSpanPart(lo_, hi_);
    setSpan(0, 0);
    count_ = 0;
}

void Tspsmalurval::och(const Tspsmalurval& other) {
    // Only the words both spans share can keep set rows.
    const std::size_t lo = std::max(lo_, other.lo_);
    const std::size_t hi = std::min({hi_, other.hi_, other.words_.size()});
    clearSpanPart(lo_, std::min(lo, hi_));
    clearSpanPart(std::max(hi, lo_), hi_);
    std::int64_t total = 0;
    for (std::size_t i = lo; i < hi; ++i) {
        words_[i] &= other.words_[i];
        total += std::popcount(words_[i]);
    }
    setSpan(lo, hi);
    count_ = static_cast<std::int32_t>(total);
}

void Tspsmalurval::eller(const Tspsmalurval& other) {
    const std::size_t end = std::min({usedWords(), other.words_.size(), other.hi_});
    if (other.lo_ >= end) return;
    std::int64_t added = 0;
    for (std::size_t i = other.lo_; i < end; ++i) {
        const std::uint64_t incoming = other.words_[i] & usedMask(i);
        added += std::popcount(incoming & ~words_[i]);
        words_[i] |= incoming;
    }
    count_ += static_cast<std::int32_t>(added);
    setSpan(lo_ == hi_ ? other.lo_ : std::min(lo_, other.lo_), std::max(hi_, end));
}

void Tspsmalurval::kopiera(const Tspsmalurval& other) {
    // Words 0 … end − 1 become other's; the rest keep what they hold.
    const std::size_t end = std::min(other.usedWords(), words_.size());
    const std::size_t lo = std::min(other.lo_, end);
    const std::size_t hi = std::min(other.hi_, end);
    const std::size_t keptLo = std::max(lo_, end);  // the part of the old span beyond end
    const std::size_t keptHi = hi_;
    clearSpanPart(0, lo);
    clearSpanPart(hi, end);
    std::int64_t total = 0;
    if (hi == other.hi_) {
        // All of other's rows come over, so its count is theirs.
        std::copy(other.words_.begin() + static_cast<std::ptrdiff_t>(lo),
                  other.words_.begin() + static_cast<std::ptrdiff_t>(hi),
                  words_.begin() + static_cast<std::ptrdiff_t>(lo));
        total = other.count_;
    } else {
        for (std::size_t i = lo; i < hi; ++i) {
            words_[i] = other.words_[i];
            total += std::popcount(words_[i]);
        }
    }
    for (std::size_t i = keptLo; i < keptHi; ++i) total += std::popcount(words_[i]);
    if (lo < hi && keptLo < keptHi) {
        setSpan(lo, keptHi);
    } else if (lo < hi) {
        setSpan(lo, hi);
    } else {
        setSpan(keptLo, keptHi);
    }
    count_ = static_cast<std::int32_t>(total);
}

void Tspsmalurval::takeRows(Tspsmalurval& other) {
    if (capacity_ != other.capacity_ || usedSize_ != other.usedSize_ || words_.size() != other.words_.size()) {
        kopiera(other);
        return;
    }
    std::swap(words_, other.words_);
    std::swap(lo_, other.lo_);
    std::swap(hi_, other.hi_);
    std::swap(count_, other.count_);
}

}  // namespace tessla
