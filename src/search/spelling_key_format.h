#pragma once

// The byte layout of a name list's key list (`.skey`), shared by its reader, its writer and the
// fuzz target. All integers are little-endian.

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tessla::spelling_key_format {

// --- Header -----------------------------------------------------------------------------------
inline constexpr std::size_t kHeaderSize = 20;
// Bytes 0-3: the magic, "TSKY".
inline constexpr std::size_t kMagicOffset = 0;
inline constexpr std::string_view kMagic = "TSKY";
// Bytes 4-7: the stamp of the key rules the keys were made under (kSpellingKeyVersion).
inline constexpr std::size_t kStampOffset = 4;
// Bytes 8-11: the row count of the list the file belongs to.
inline constexpr std::size_t kRowCountOffset = 8;
// Bytes 12-15: the key width W, 1 … kWidestKey.
inline constexpr std::size_t kKeyWidthOffset = 12;
// Bytes 16-19: the entry count, at most the row count.
inline constexpr std::size_t kEntryCountOffset = 16;

// Longer keys than this are no names; a header that claims them is damaged.
inline constexpr std::uint32_t kWidestKey = 1024;

// --- Entries ------------------------------------------------------------------------------------
// From kHeaderSize on, sorted by key, each W + kRowNumberSize bytes: the key padded with zero bytes
// to W, then the row number (1 … row count). Rows whose key is empty have no entry; the rows of one
// key ascend, each once. The file ends with the last entry.
inline constexpr std::size_t kRowNumberSize = 4;

// Where entry i (0-based) of keys `width` wide starts; with i the entry count, the size of the file.
constexpr std::uint64_t entryOffset(std::uint32_t width, std::uint32_t i) {
    return kHeaderSize + std::uint64_t{i} * (std::uint64_t{width} + kRowNumberSize);
}

}  // namespace tessla::spelling_key_format
