#pragma once

// The layout of a packed block, shared by the codec and the database writer.
//
// A packed block is either raw (the plain bytes themselves, no header) or headed: the 21-byte header below
// followed by one method's payload, which runs to the end of the block; the block's framing in its file
// says where it ends. A block of at most kHeaderSize bytes is always raw. All integers are little-endian.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "storage/little_endian.h"

namespace tessla::packed_block {

inline constexpr std::size_t kHeaderSize = 21;

// Bytes 0-4: the magic, "KROX" and 0x1A, which tells a headed block from a raw one.
inline constexpr std::size_t kMagicOffset = 0;
inline constexpr std::array<std::uint8_t, 5> kMagic = {'K', 'R', 'O', 'X', 0x1A};

// Bytes 5-7: the method id, three ASCII letters without terminator, compared exactly.
inline constexpr std::size_t kMethodOffset = 5;
inline constexpr std::size_t kMethodIdSize = 3;

// Bytes 8-11: the number of plain bytes, unsigned 32-bit.
inline constexpr std::size_t kPlainSizeOffset = 8;

// Byte 12: the archive type; 0 is a single packed stream, anything else a multi-part archive, refused.
inline constexpr std::size_t kArchiveTypeOffset = 12;
inline constexpr std::uint8_t kSingleStream = 0;

// Bytes 13-16: the sum of all plain bytes, unsigned 32-bit, wrapping. 0 with method "NON" means unchecked.
inline constexpr std::size_t kChecksumOffset = 13;

// Bytes 17-20: the lock field, signed 32-bit, written as 0; a block with a value above 0 is refused.
inline constexpr std::size_t kLockOffset = 17;

// The method ids, indexed by method number.
inline constexpr std::array<std::array<char, kMethodIdSize>, 5> kMethodIds = {{
    {'N', 'O', 'N'},
    {'R', 'L', 'E'},
    {'L', 'Z', 'H'},
    {'C', 'U', 'S'},
    {'L', 'H', '5'},
}};

// The 32-bit field at `offset` of a header (one of the offsets above).
inline std::uint32_t getFixed32(std::span<const std::uint8_t, kHeaderSize> header, std::size_t offset) {
    return tessla::getFixed32(header.data() + offset);
}

inline void putFixed32(std::span<std::uint8_t, kHeaderSize> header, std::size_t offset, std::uint32_t value) {
    tessla::putFixed32(header.data() + offset, value);
}

}  // namespace tessla::packed_block
