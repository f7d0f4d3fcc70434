#include "storage/match_finder.h"

#include <bit>
#include <cstring>

namespace tessla::codec {

namespace {

constexpr int kHashBits = 15;

std::uint64_t load64(const std::uint8_t* p) {
    std::uint64_t word;
    std::memcpy(&word, p, 8);
    return word;
}

}  // namespace

MatchFinder::MatchFinder(std::span<const std::uint8_t> data, unsigned window, unsigned maxMatch,
                         unsigned maxChain, unsigned niceLength)
    : data_(data),
      window_(window),
      maxMatch_(maxMatch),
      maxChain_(maxChain),
      niceLength_(niceLength),
      head_(std::size_t{1} << kHashBits, -1),
      prev_(std::bit_ceil(std::size_t{window} * 2), -1) {}

unsigned MatchFinder::hashAt(std::size_t position) const {
    const std::uint8_t* p = data_.data() + position;
    std::uint32_t key = std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16;
    return (key * 2654435761u) >> (32 - kHashBits);
}

void MatchFinder::insert(std::size_t position) {
    if (position + kMinMatch > data_.size()) return;
    unsigned hash = hashAt(position);
    prev_[position & (prev_.size() - 1)] = head_[hash];
    head_[hash] = static_cast<std::int64_t>(position);
}

unsigned MatchFinder::matchLength(const std::uint8_t* a, const std::uint8_t* b, unsigned limit) const {
    unsigned length = 0;
    while (length + 8 <= limit) {
        std::uint64_t diff = load64(a + length) ^ load64(b + length);
        if (diff != 0) return length + (std::countr_zero(diff) >> 3);
        length += 8;
    }
    while (length < limit && a[length] == b[length]) ++length;
    return length;
}

void MatchFinder::findAll(std::size_t position, std::size_t limit, std::vector<Match>& out) const {
    if (limit > maxMatch_) limit = maxMatch_;
    if (limit < kMinMatch || position + kMinMatch > data_.size()) return;
    const std::uint8_t* here = data_.data() + position;
    unsigned longest = kMinMatch - 1;  // a candidate must beat this
    std::int64_t candidate = head_[hashAt(position)];
    for (unsigned chain = maxChain_; chain > 0 && candidate >= 0; --chain) {
        std::size_t offset = position - static_cast<std::size_t>(candidate);
        if (offset > window_) break;
        const std::uint8_t* there = data_.data() + candidate;
        if (there[longest] == here[longest]) {
            unsigned length = matchLength(there, here, static_cast<unsigned>(limit));
            if (length > longest) {
                longest = length;
                out.push_back({length, static_cast<unsigned>(offset)});
                if (length == limit || length >= niceLength_) break;
            }
        }
        candidate = prev_[static_cast<std::size_t>(candidate) & (prev_.size() - 1)];
    }
}

}  // namespace tessla::codec
