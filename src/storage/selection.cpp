#include "storage/selection.h"

#include <algorithm>
#include <bit>

namespace tessla {
namespace {

constexpr std::uint64_t kAllSet = ~std::uint64_t{0};

}  // namespace

void Tspsmalurval::allokera() {
    byteSize_ = ((capacity_ - 1) / 32 + 1) * 4;
    bits_ = std::make_shared<Words>((static_cast<std::size_t>(byteSize_) + 7) / 8, 0);
    count_ = 0;
    setSpan(0, 0);
}

void Tspsmalurval::frigor() {
    bits_.reset();
    byteSize_ = 0;
    count_ = 0;
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
        Words& words = ownWords();
        std::fill(words.begin() + static_cast<std::ptrdiff_t>(from),
                  words.begin() + static_cast<std::ptrdiff_t>(to), 0);
    }
}

std::size_t Tspsmalurval::usedWords() const {
    return std::min(wordsFor(usedSize_), words().size());
}

std::uint64_t Tspsmalurval::usedMask(std::size_t word) const {
    if (word + 1 < wordsFor(usedSize_)) return kAllSet;
    return lowBits(static_cast<unsigned>(usedSize_ - 1) % 64 + 1);
}

bool Tspsmalurval::nasta(std::int32_t& r) const {
    const Words& words = this->words();
    if (r < 0 || r >= capacity_ || words.empty()) return false;
    const auto from = static_cast<std::uint32_t>(r);  // bit index of row r + 1
    const std::size_t end = std::min(usedWords(), hi_);
    std::size_t w = from / 64;
    std::uint64_t word = kAllSet << (from % 64);
    if (w < lo_) {
        w = lo_;
        word = kAllSet;
    }
    if (w >= end) return false;
    word &= words[w];
    while (word == 0) {
        if (++w >= end) return false;
        word = words[w];
    }
    r = static_cast<std::int32_t>(w * 64 + static_cast<std::size_t>(std::countr_zero(word)) + 1);
    return true;
}

std::int32_t Tspsmalurval::antal() const {
    const Words& words = this->words();
    std::int64_t total = 0;
    for (std::size_t w = lo_; w < hi_; ++w) total += std::popcount(words[w]);
    return static_cast<std::int32_t>(total);
}

void Tspsmalurval::rowsAtPositions(std::int32_t step, std::size_t most,
                                   std::vector<std::int32_t>& rows) const {
    constexpr std::size_t kBlock = 8;
    const Words& words = this->words();
    if (step < 1 || rows.size() >= most || words.empty()) return;
    std::int64_t seen = 0;  // set rows in the words before w, counted from the first row wanted
    std::int64_t next = 0;  // position of the next row wanted
    std::size_t w = lo_;
    const std::size_t end = std::min(usedWords(), hi_);
    if (!rows.empty()) {
        // Go on from the last row given, at position 0: the rows before it in its word are not counted.
        const auto bit = static_cast<std::size_t>(static_cast<std::uint32_t>(rows.back() - 1));
        w = std::max(w, bit / 64);
        if (w == bit / 64 && w < end) {
            seen = -std::popcount(words[w] & lowBits(static_cast<unsigned>(bit % 64) + 1)) + 1;
        }
        next = step;
    }
    while (w < end && rows.size() < most) {
        // Blocks of words whose rows all lie before the next position wanted are passed whole.
        if (w + kBlock <= end) {
            int block = 0;
            for (std::size_t i = 0; i < kBlock; ++i) block += std::popcount(words[w + i]);
            if (seen + block <= next) {
                seen += block;
                w += kBlock;
                continue;
            }
        }
        const std::uint64_t word = words[w];
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
    const Words& words = this->words();
    if (n < 1 || words.empty()) return 0;
    const auto bits = std::min(static_cast<std::size_t>(n), words.size() * 64);
    std::int64_t total = 0;
    for (std::size_t i = lo_; i < std::min(bits / 64, hi_); ++i) total += std::popcount(words[i]);
    if (bits % 64 != 0) total += std::popcount(words[bits / 64] & lowBits(static_cast<unsigned>(bits % 64)));
    return static_cast<std::int32_t>(total);
}

void Tspsmalurval::fyllalla() {
    if (!allocated()) return;
    Words& words = ownWords();
    const std::int32_t rows = std::min(usedSize_, capacity_);
    const std::size_t full = static_cast<std::size_t>(rows) / 64;
    std::fill(words.begin(), words.begin() + static_cast<std::ptrdiff_t>(full), kAllSet);
    std::int64_t beyond = 0;  // rows above the used size that were set before
    if (rows % 64 != 0) {
        words[full] |= lowBits(static_cast<unsigned>(rows % 64));
        beyond += std::popcount(words[full]) - rows % 64;
    }
    for (std::size_t i = wordsFor(rows); i < hi_; ++i) beyond += std::popcount(words[i]);
    count_ = rows + static_cast<std::int32_t>(beyond);
    const std::size_t filled = wordsFor(rows);
    if (filled > 0) setSpan(0, std::max(hi_, filled));
}

void Tspsmalurval::tomma() {
    // Bits shared with a copy are left to it; this selection takes fresh ones.
    if (bits_.use_count() > 1) {
        bits_ = std::make_shared<Words>(bits_->size(), 0);
    } else {
        clearSpanPart(lo_, hi_);
    }
    setSpan(0, 0);
    count_ = 0;
}

void Tspsmalurval::och(const Tspsmalurval& other) {
    // Only the words both spans share can keep set rows.
    const std::size_t lo = std::max(lo_, other.lo_);
    const std::size_t hi = std::min({hi_, other.hi_, other.words().size()});
    clearSpanPart(lo_, std::min(lo, hi_));
    clearSpanPart(std::max(hi, lo_), hi_);
    std::int64_t total = 0;
    if (lo < hi) {
        Words& words = ownWords();
        const Words& theirs = other.words();
        for (std::size_t i = lo; i < hi; ++i) {
            words[i] &= theirs[i];
            total += std::popcount(words[i]);
        }
    }
    setSpan(lo, hi);
    count_ = static_cast<std::int32_t>(total);
}

void Tspsmalurval::eller(const Tspsmalurval& other) {
    const Words& theirs = other.words();
    const std::size_t end = std::min({usedWords(), theirs.size(), other.hi_});
    if (other.lo_ >= end) return;
    Words& words = ownWords();
    std::int64_t added = 0;
    for (std::size_t i = other.lo_; i < end; ++i) {
        const std::uint64_t incoming = theirs[i] & usedMask(i);
        added += std::popcount(incoming & ~words[i]);
        words[i] |= incoming;
    }
    count_ += static_cast<std::int32_t>(added);
    setSpan(lo_ == hi_ ? other.lo_ : std::min(lo_, other.lo_), std::max(hi_, end));
}

void Tspsmalurval::kopiera(const Tspsmalurval& other) {
    if (this == &other) return;
    if (sameShape(other)) {
        // The copy shares other's bits until either of them changes.
        bits_ = other.bits_;
        lo_ = other.lo_;
        hi_ = other.hi_;
        count_ = other.count_;
        return;
    }
    // Words 0 … end − 1 become other's; the rest keep what they hold.
    const std::size_t end = std::min(other.usedWords(), words().size());
    const std::size_t lo = std::min(other.lo_, end);
    const std::size_t hi = std::min(other.hi_, end);
    const std::size_t keptLo = std::max(lo_, end);  // the part of the old span beyond end
    const std::size_t keptHi = hi_;
    clearSpanPart(0, lo);
    clearSpanPart(hi, end);
    std::int64_t total = 0;
    const Words& theirs = other.words();
    Words& words = ownWords();
    if (hi == other.hi_) {
        // All of other's rows come over, so its count is theirs.
        std::copy(theirs.begin() + static_cast<std::ptrdiff_t>(lo),
                  theirs.begin() + static_cast<std::ptrdiff_t>(hi),
                  words.begin() + static_cast<std::ptrdiff_t>(lo));
        total = other.count_;
    } else {
        for (std::size_t i = lo; i < hi; ++i) {
            words[i] = theirs[i];
            total += std::popcount(words[i]);
        }
    }
    for (std::size_t i = keptLo; i < keptHi; ++i) total += std::popcount(words[i]);
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
    if (!sameShape(other)) {
        kopiera(other);
        return;
    }
    std::swap(bits_, other.bits_);
    std::swap(lo_, other.lo_);
    std::swap(hi_, other.hi_);
    std::swap(count_, other.count_);
}

std::uint32_t Tspsmalurval::setRun(std::uint64_t* words, std::uint32_t from, std::uint32_t to) {
    std::uint32_t added = 0;
    for (std::uint32_t w = from / 64; w <= (to - 1) / 64; ++w) {
        const std::uint32_t begin = std::max(from, w * 64) - w * 64;
        const std::uint32_t end = std::min(to, w * 64 + 64) - w * 64;
        const std::uint64_t bits = lowBits(end) & ~lowBits(begin);
        added += static_cast<std::uint32_t>(std::popcount(bits & ~words[w]));
        words[w] |= bits;
    }
    return added;
}

bool Tspsmalurval::sameShape(const Tspsmalurval& other) const {
    return capacity_ == other.capacity_ && usedSize_ == other.usedSize_ && capacity_ == usedSize_ &&
           words().size() == other.words().size();
}

Tspsmalurval::Words& Tspsmalurval::ownWords() {
    if (!bits_) {
        bits_ = std::make_shared<Words>();
    } else if (bits_.use_count() > 1) {
        bits_ = std::make_shared<Words>(*bits_);
    }
    return *bits_;
}

}  // namespace tessla
