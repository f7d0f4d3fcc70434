#pragma once

// Finds earlier occurrences of the bytes at a position, for the LZSS encoders ("LZH" and "LH5"), through
// hash chains over the last window bytes.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace tessla::codec {

struct Match {
    unsigned length = 0;  // 0: none
    unsigned offset = 0;  // how far back the match starts, 1 to the window size
};

class MatchFinder {
  public:
    static constexpr unsigned kMinMatch = 3;

    // data must outlive the finder. Matches are at most maxMatch long and start at most window bytes back;
    // each search follows at most maxChain earlier positions and ends at a match of niceLength.
    MatchFinder(std::span<const std::uint8_t> data, unsigned window, unsigned maxMatch, unsigned maxChain,
                unsigned niceLength);

    // Appends to out the matches at position of at most limit bytes, shortest first, each longer than the
    // one before and the nearest of its length. Only positions inserted so far are candidates.
    void findAll(std::size_t position, std::size_t limit, std::vector<Match>& out) const;
    // Makes position a candidate for later searches; positions must be inserted in increasing order.
    void insert(std::size_t position);

  private:
    unsigned hashAt(std::size_t position) const;
    unsigned matchLength(const std::uint8_t* a, const std::uint8_t* b, unsigned limit) const;

    std::span<const std::uint8_t> data_;
    unsigned window_;
    unsigned maxMatch_;
    unsigned maxChain_;
    unsigned niceLength_;
    std::vector<std::int64_t> head_;  // latest position per hash, or -1
    std::vector<std::int64_t> prev_;  // previous position of the same hash, per position modulo its size
};

}  // namespace tessla::codec
