#pragma once

// The byte layouts of the pointer-list file and of the person-number list file (`.b1`), shared by
// their readers and by the database builder. All integers are little-endian.

#include <cstddef>
#include <cstdint>

#include "storage/little_endian.h"

namespace tessla::blob_format {

// --- Pointer list (`Tsppeklista`) ---------------------------------------------------------------
// A 16-byte header, then the entries, 32-bit each; entry i (1-based) at kPointerListHeaderSize + 4(i − 1).
inline constexpr std::size_t kPointerListHeaderSize = 16;
// Bytes 0-1: the writer's mode (0, 1, 2); ignored when read, the reader's own mode applies.
inline constexpr std::size_t kPointerListModeOffset = 0;
// Bytes 2-5: reserved, 0.
// Bytes 6-9: the number of entries.
inline constexpr std::size_t kPointerListCountOffset = 6;
// Bytes 10-13: the writer's capacity; not used when read.
inline constexpr std::size_t kPointerListCapacityOffset = 10;
// Bytes 14-15: reserved, 0.
inline constexpr std::size_t kPointerListEntrySize = 4;
// The entry of a record pointer list that points to no record.
inline constexpr std::uint32_t kNoEntry = 0xFFFFFFFF;

// --- Person-number list file (`.b1`, `Tspenkelblobfil`) -----------------------------------------
// A 16-byte header, then the lists, each at the offset its word-list row gives.
inline constexpr std::size_t kSimpleBlobHeaderSize = 16;
// Bytes 0-1: reserved, 0.
// Bytes 2-5: the number of lists stored.
inline constexpr std::size_t kSimpleBlobListCountOffset = 2;
// Bytes 6-7: the header size, kSimpleBlobHeaderSize.
inline constexpr std::size_t kSimpleBlobHeaderSizeOffset = 6;
// Bytes 8-15: reserved, 0.

// A list of m ≥ 1 persons: the first person number (32-bit), then, when m ≥ 2, chunks holding
// m − 1 codes in all. A chunk is a 16-bit length that counts its own two bytes, then the codes;
// a code never spans two chunks, and a chunk of length 2 holds none. Each code gives the next
// person number from the one before:
inline constexpr std::size_t kFirstNumberSize = 4;
inline constexpr std::size_t kChunkLengthSize = 2;
// 1 … 254, one byte: previous + code.
inline constexpr std::uint8_t kCodeAddLong = 0;    // then 16-bit d: previous + d (3 bytes in all)
inline constexpr std::uint8_t kCodeReplace = 255;  // then 32-bit n: n (5 bytes in all)
inline constexpr std::size_t kCodeAddLongSize = 3;
inline constexpr std::size_t kCodeReplaceSize = 5;

// The most code bytes a chunk may carry: the size of the decode buffer that readers share. Writers
// keep the whole chunk, length word included, within this limit.
inline constexpr std::size_t kChunkLimit = 64100;

}  // namespace tessla::blob_format
