#pragma once

// The selection `Tspsmalurval`: a set of row numbers 1 … used size held as a bit array, the unit
// that every search combines. The bit of row n is bit (n − 1) mod 32 of 32-bit word
// (n − 1) div 32, least significant first. Operations work a machine word at a time.
//
// Row numbers outside 1 … capacity, and every operation on a selection without bits, do
// nothing (tests give false).
//
// A copy of a selection of the same size (`kopiera`, or copying the object) shares its bits until
// either of them changes, when the one that changes takes bits of its own: the person list's
// visible rows are a copy of its result, and copying millions of bits after every search would
// cost more than the search.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "storage/force_inline.h"

namespace tessla {

class Tspsmalurval {
  public:
    Tspsmalurval() = default;
    Tspsmalurval(const Tspsmalurval&) = default;
    Tspsmalurval& operator=(const Tspsmalurval&) = default;
    // A selection moved from keeps its sizes but no bits, no rows and no span.
    Tspsmalurval(Tspsmalurval&& other) noexcept { *this = std::move(other); }
    Tspsmalurval& operator=(Tspsmalurval&& other) noexcept {
        if (this != &other) {
            bits_ = std::move(other.bits_);
            lo_ = std::exchange(other.lo_, 0);
            hi_ = std::exchange(other.hi_, 0);
            count_ = std::exchange(other.count_, 0);
            byteSize_ = std::exchange(other.byteSize_, 0);
            capacity_ = other.capacity_;
            usedSize_ = other.usedSize_;
        }
        return *this;
    }

    // The owner sets the capacity and the used size (normally equal: the row count of the list
    // or the number of persons), then allocates.
    void setCapacity(std::int32_t capacity) { capacity_ = capacity < 0 ? 0 : capacity; }
    void setUsedSize(std::int32_t usedSize) { usedSize_ = usedSize < 0 ? 0 : usedSize; }
    std::int32_t capacity() const { return capacity_; }
    std::int32_t usedSize() const { return usedSize_; }
    // Bytes allocated: ((capacity − 1) div 32 + 1) × 4; 0 before `allokera` and after `frigor`.
    std::int32_t byteSize() const { return byteSize_; }
    bool allocated() const { return !words().empty(); }

    // The number of set rows, kept by every operation as it changes bits, so that a search or a
    // view never needs a separate counting pass (`antal` counts the bits afresh).
    std::int32_t count() const { return count_; }

    // Frees any old bits and allocates byte-size bytes, all clear; count 0.
    void allokera();
    // Frees the bits; byte size 0.
    void frigor();

    bool testa(std::int32_t n) const { return holds(n) && (words()[wordOf(n)] >> bitOf(n)) & 1; }
    // Sets (v true) or clears row n, keeping the count. Inline: marking a search's persons calls
    // it once per person.
    void satt(std::int32_t n, bool v) {
        if (!holds(n)) return;
        const std::uint64_t mask = std::uint64_t{1} << bitOf(n);
        if (((words()[wordOf(n)] & mask) != 0) == v) return;
        std::uint64_t& word = ownWords()[wordOf(n)];
        word ^= mask;
        count_ += v ? 1 : -1;
        if (v) touch(wordOf(n));
    }
    // Sets the rows that `each` yields, as decoding a person-number list does: each(marker) calls
    // marker(n) to set row n and marker(first, count) to set rows first … first + count − 1, and
    // returns the marker (taken and given back by value, so that its fields can stay in
    // registers); rows outside 1 … marker.limit, the used size, are skipped. The rows newly set
    // are counted, and the span of words in use is widened once at the end rather than per row.
    template <typename Each>
    void markRows(Each each) {
        Words& own = ownWords();
        // The marker's own fields are 32-bit: fields of the words' type could alias them, and the
        // compiler would keep them in memory instead of registers.
        struct Marker {
            std::uint64_t* words;
            std::uint32_t limit;  // rows: the used size, as far as the capacity and the bits reach
            std::uint32_t added = 0;
            // The span of words written: rows mostly come in ascending order, so only the word
            // last written is kept for each row, and the span is widened where the rows go back
            // (and at the first row).
            std::uint32_t last = UINT32_MAX;
            std::uint32_t lo = UINT32_MAX;
            std::uint32_t hi = 0;

            TESSLA_INLINE void operator()(std::int32_t n) {
                const std::uint32_t bit = static_cast<std::uint32_t>(n) - 1;
                if (bit >= limit) return;
                std::uint64_t& word = words[bit / 64];
                const std::uint64_t mask = std::uint64_t{1} << (bit % 64);
                added += (word & mask) == 0 ? 1 : 0;
                word |= mask;
                reach(bit / 64, bit / 64);
            }
            TESSLA_INLINE void operator()(std::int32_t first, std::int32_t count) {
                const std::uint32_t from = static_cast<std::uint32_t>(first) - 1;
                if (count < 1 || from >= limit) return;
                const std::uint32_t to =  // past the last
                    static_cast<std::uint32_t>(std::min<std::uint64_t>(std::uint64_t{from} + count, limit));
                added += setRun(words, from, to);
                reach(from / 64, (to - 1) / 64);
            }
            // Words `first` … `lastWord` were written after `last`.
            TESSLA_INLINE void reach(std::uint32_t first, std::uint32_t lastWord) {
                if (first < last) [[unlikely]] {
                    lo = std::min(lo, first);
                    if (last != UINT32_MAX) hi = std::max(hi, last + 1);
                }
                last = lastWord;
            }
        };
        const auto limit =
            std::min<std::size_t>({static_cast<std::size_t>(std::max(std::min(capacity_, usedSize_), 0)),
                                   own.size() * 64, UINT32_MAX});
        const Marker marked = each(Marker{own.data(), static_cast<std::uint32_t>(limit)});
        count_ += static_cast<std::int32_t>(marked.added);
        if (marked.last != UINT32_MAX) {
            touch(marked.lo);
            touch(std::max(marked.hi, marked.last + 1) - 1);
        }
    }
    // r := the smallest set row above r (start with r = 0); false when there is none, or when r is
    // below 0 or at or above the capacity.
    bool nasta(std::int32_t& r) const;
    // The number of set bits in the whole array.
    std::int32_t antal() const;
    // The set rows at positions 0, step, 2·step, … among the set rows in ascending order (step at
    // least 1), appended to `rows` until it holds `most` of them or the rows run out. `rows` holds
    // the first of them already (possibly none), so an index can be built a part at a time: the
    // walk goes on from its last row. Whole words are skipped by their counts.
    void rowsAtPositions(std::int32_t step, std::size_t most, std::vector<std::int32_t>& rows) const;
    // The number of set rows in 1 … n.
    std::int32_t countUpTo(std::int32_t n) const;
    // Sets rows 1 … used size; count := used size. Other bits are left as they are.
    void fyllalla();
    // Clears every bit; count 0.
    void tomma();
    // This := this AND other, over this selection's size; rows that `other` does not have are
    // cleared. The count becomes the number of rows left.
    void och(const Tspsmalurval& other);
    // This := this OR other, over rows 1 … used size.
    void eller(const Tspsmalurval& other);
    // Copies rows 1 … other's used size (as far as this selection reaches); the count becomes the
    // number of rows set afterwards.
    void kopiera(const Tspsmalurval& other);
    // As `kopiera`, but when both selections have the same size the rows are taken over by
    // exchanging the bits, and `other` is left with this selection's old rows: a scratch selection
    // whose hits become a result is not copied word by word.
    void takeRows(Tspsmalurval& other);

  private:
    using Words = std::vector<std::uint64_t>;

    // Bits 0 … bits − 1 of a word; bits in 0 … 64.
    static constexpr std::uint64_t lowBits(std::size_t bits) {
        return bits >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << bits) - 1;
    }
    // Sets bits from … to − 1 of `words` a word at a time and returns how many were clear. Out of
    // line: the marking loop that calls it keeps its values in registers.
    static std::uint32_t setRun(std::uint64_t* words, std::uint32_t from, std::uint32_t to);
    // Row n lies within the capacity and the bits allocated.
    bool holds(std::int32_t n) const { return n >= 1 && n <= capacity_ && wordOf(n) < words().size(); }
    // The bits, for reading; inline, since testing a row goes through it once per person.
    const Words& words() const { return bits_ ? *bits_ : kNoWords; }
    // The bits, for changing: copied first when they are shared.
    Words& ownWords();
    // Same capacity, used size and number of words, and no rows beyond the used size: the bits of
    // one can serve as the other's.
    bool sameShape(const Tspsmalurval& other) const;
    static std::size_t wordOf(std::int32_t n) { return static_cast<std::uint32_t>(n - 1) / 64; }
    static unsigned bitOf(std::int32_t n) { return static_cast<std::uint32_t>(n - 1) % 64; }
    // Number of 64-bit words covering rows 1 … rows.
    static std::size_t wordsFor(std::int32_t rows) { return (static_cast<std::size_t>(rows) + 63) / 64; }
    // The words of rows 1 … used size, as far as the array reaches.
    std::size_t usedWords() const;
    // The bits of `word` that hold rows 1 … used size.
    std::uint64_t usedMask(std::size_t word) const;
    // Widens the span of words that may hold set rows to word w.
    void touch(std::size_t w) {
        if (lo_ == hi_) {
            lo_ = w;
            hi_ = w + 1;
        } else {
            lo_ = std::min(lo_, w);
            hi_ = std::max(hi_, w + 1);
        }
    }
    // Sets the span to [lo, hi), or to nothing when it is empty.
    void setSpan(std::size_t lo, std::size_t hi);
    // Clears the words of the span that lie in [from, to).
    void clearSpanPart(std::size_t from, std::size_t to);

    // Little-endian words: the same bits as the 32-bit word layout; null when freed.
    std::shared_ptr<Words> bits_;
    static inline const Words kNoWords;
    // The span of words that may hold set rows: every word outside [lo_, hi_) is zero. Searches
    // that find persons of one name touch few words, and the operations work on the span only.
    std::size_t lo_ = 0;
    std::size_t hi_ = 0;
    std::int32_t capacity_ = 0;
    std::int32_t usedSize_ = 0;
    std::int32_t byteSize_ = 0;
    std::int32_t count_ = 0;
};

}  // namespace tessla
