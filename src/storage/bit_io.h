#pragma once

// Most-significant-bit-first bit streams for the "LZH" and "LH5" payloads.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>

#include "storage/codec.h"
#include "storage/codec_methods.h"

namespace tessla::codec {

// Reads bits from a payload in memory. Past the end it supplies zero bits, but once a caller has consumed
// any of them the stream was cut short, and the next refill (or checkComplete) throws ECorruptBlock.
class BitReader {
  public:
    explicit BitReader(std::span<const std::uint8_t> payload)
        : next_(payload.data()), end_(payload.data() + payload.size()) {
        refill();
    }

    // Makes at least 56 bits available to peek and consume.
    void refill() {
        if (end_ - next_ >= 8) {
            std::uint64_t word;
            std::memcpy(&word, next_, 8);
            if constexpr (std::endian::native == std::endian::little) word = __builtin_bswap64(word);
            buffer_ |= word >> count_;
            next_ += (63 - count_) >> 3;
            count_ |= 56;
        } else {
            refillTail();
        }
    }

    // The next n bits (1 to 32) without consuming them.
    std::uint32_t peek(int n) const { return static_cast<std::uint32_t>(buffer_ >> (64 - n)); }
    // Consumes n bits; at most what the last refill made available.
    void consume(int n) {
        buffer_ <<= n;
        count_ -= n;
    }
    // The next n bits (0 to 16), consumed; needs no refill beforehand.
    std::uint32_t bits(int n) {
        refill();
        return take(n);
    }
    // As bits(), within what the last refill made available.
    std::uint32_t take(int n) {
        if (n == 0) return 0;
        std::uint32_t value = peek(n);
        consume(n);
        return value;
    }
    // The number of bits available to peek and consume.
    int available() const { return count_; }
    // The whole 64-bit look-ahead, next bit first.
    std::uint64_t window() const { return buffer_; }

    // Throws ECorruptBlock if bits past the end of the payload have been consumed.
    void checkComplete() const {
        if (paddingBits_ > count_) throwTruncated();
    }

  private:
    void refillTail() {
        checkComplete();
        buffer_ &= count_ == 0 ? 0 : ~std::uint64_t{0} << (64 - count_);
        while (count_ <= 56) {
            std::uint64_t byte = 0;
            if (next_ < end_) {
                byte = *next_++;
            } else {
                paddingBits_ += 8;
            }
            buffer_ |= byte << (56 - count_);
            count_ += 8;
        }
    }

    [[noreturn]] static void throwTruncated() {
        throw ECorruptBlock("Compressed data ends before the plain size is reached");
    }

    const std::uint8_t* next_;
    const std::uint8_t* end_;
    std::uint64_t buffer_ = 0;  // next bit at the top; below count_ only copies of bytes still ahead
    int count_ = 0;
    int paddingBits_ = 0;  // zero bits supplied past the end; only grows at the tail, so it stays small
};

// Collects a payload and keeps to its output budget.
class BitWriter {
  public:
    explicit BitWriter(std::size_t budget) : budget_(budget) {}

    // Writes the low n bits (0 to 32) of value, most significant first.
    void put(std::uint32_t value, int n) {
        if (n == 0) return;
        buffer_ = buffer_ << n | (value & (~std::uint64_t{0} >> (64 - n)));
        count_ += n;
        while (count_ >= 8) {
            count_ -= 8;
            putByte(static_cast<std::uint8_t>(buffer_ >> count_));
        }
    }

    // Pads the last byte with zero bits and hands the payload over.
    Bytes finish() {
        if (count_ > 0) put(0, 8 - count_);
        return std::move(bytes_);
    }

    std::size_t size() const { return bytes_.size(); }

  private:
    void putByte(std::uint8_t byte) {
        if (bytes_.size() >= budget_) throw EUnableToCompress();
        bytes_.push_back(byte);
    }

    std::size_t budget_;
    Bytes bytes_;
    std::uint64_t buffer_ = 0;
    int count_ = 0;
};

}  // namespace tessla::codec
