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
}

void Tspsmalurval::frigor() {
    words_.clear();
    words_.shrink_to_fit();
    byteSize_ = 0;
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
    const std::size_t end = usedWords();
    std::size_t w = from / 64;
    if (w >= end) return false;
    std::uint64_t word = words_[w] & (kAllSet << (from % 64));
    while (word == 0) {
        if (++w >= end) return false;
        word = words_[w];
    }
    r = static_cast<std::int32_t>(w * 64 + static_cast<std::size_t>(std::countr_zero(word)) + 1);
    return true;
}

std::int32_t Tspsmalurval::antal() const {
    std::int64_t total = 0;
    for (const std::uint64_t word : words_) total += std::popcount(word);
    return static_cast<std::int32_t>(total);
}

std::vector<std::int32_t> Tspsmalurval::rowsAtPositions(std::int32_t step, std::size_t most) const {
    constexpr std::size_t kBlock = 8;
    std::vector<std::int32_t> rows;
    if (step < 1) return rows;
    std::int64_t seen = 0;  // set rows in the words before w
    std::int64_t next = 0;  // position of the next row wanted
    const std::size_t end = usedWords();
    for (std::size_t w = 0; w < end && rows.size() < most;) {
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
    return rows;
}

std::int32_t Tspsmalurval::countUpTo(std::int32_t n) const {
    if (n < 1 || words_.empty()) return 0;
    const auto bits = std::min(static_cast<std::size_t>(n), words_.size() * 64);
    std::int64_t total = 0;
    for (std::size_t i = 0; i < bits / 64; ++i) total += std::popcount(words_[i]);
    if (bits % 64 != 0) total += std::popcount(words_[bits / 64] & lowBits(static_cast<unsigned>(bits % 64)));
    return static_cast<std::int32_t>(total);
}

void Tspsmalurval::fyllalla() {
    if (words_.empty()) return;
    const std::int32_t rows = std::min(usedSize_, capacity_);
    const std::size_t full = static_cast<std::size_t>(rows) / 64;
    std::fill(words_.begin(), words_.begin() + static_cast<std::ptrdiff_t>(full), kAllSet);
    if (rows % 64 != 0) words_[full] |= lowBits(static_cast<unsigned>(rows % 64));
    count_ = rows;
}

void Tspsmalurval::tomma() {
    std::fill(words_.begin(), words_.end(), 0);
    count_ = 0;
}

void Tspsmalurval::och(const Tspsmalurval& other) {
    const std::size_t shared = std::min(words_.size(), other.words_.size());
    for (std::size_t i = 0; i < shared; ++i) words_[i] &= other.words_[i];
    std::fill(words_.begin() + static_cast<std::ptrdiff_t>(shared), words_.end(), 0);
}

void Tspsmalurval::eller(const Tspsmalurval& other) {
    const std::size_t end = std::min(usedWords(), other.words_.size());
    for (std::size_t i = 0; i < end; ++i) words_[i] |= other.words_[i] & usedMask(i);
}

void Tspsmalurval::kopiera(const Tspsmalurval& other) {
    const std::size_t end = std::min(other.usedWords(), words_.size());
    std::copy_n(other.words_.begin(), end, words_.begin());
    count_ = other.count_;
}

}  // namespace tessla
