#pragma once

// The byte layout of a word list's row file (`.i`), shared by its reader and the database
// builder. All integers are little-endian.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "storage/cell_style.h"

namespace tessla::word_list_format {

// --- Header -----------------------------------------------------------------------------------
inline constexpr std::size_t kHeaderSize = 22;
// Bytes 0-1: reserved, 0.
// Bytes 2-5: the number of rows.
inline constexpr std::size_t kRowCountOffset = 2;
// Bytes 6-9: the capacity in rows (`maxrader`).
inline constexpr std::size_t kCapacityOffset = 6;
// Bytes 10-13: the header size H; plain rows start at H.
inline constexpr std::size_t kHeaderSizeOffset = 10;
// Bytes 14-17: the row length L (`radmaxlen` + 8).
inline constexpr std::size_t kRowLengthOffset = 14;
// Bytes 18-21: reserved, 0.

// --- Rows ---------------------------------------------------------------------------------------
// Plain lists: row n (1-based) at H + (n − 1)·L. Packed lists: blocks of R rows, row n at
// ((n − 1) mod R)·L in block (n − 1) div R.
// A row: row word 1 (32-bit), row word 2 (32-bit), the text ending in a 0 byte, then directly
// after the 0 (unaligned) the person-list position and person count (32-bit each) when the list
// has person lists, and the statistics value (32-bit) when it has a statistics column; the rest
// is padding.
inline constexpr std::size_t kWord1Offset = 0;
inline constexpr std::size_t kWord2Offset = 4;
inline constexpr std::size_t kTextOffset = 8;
inline constexpr std::size_t kRowOverhead = 8;  // L = radmaxlen + kRowOverhead
// A text of length t fits a row of radmaxlen when t + 9 <= radmaxlen (room for the 0 byte and
// the person-list fields).
inline constexpr std::size_t kTextRoom = 9;

// Row word 2 of a first-level row of a tree list: a cell style word, bold (512), as the picker shows
// the row.
inline constexpr std::uint32_t kBoldRow = CellStyle{.bold = true}.word();
static_assert(kBoldRow == 512);

// --- Row texts the database builder and the census model share -------------------------------
// A master-list row: display name, year of birth, family group key and role letter, separated by
// this byte.
inline constexpr char kMasterRowSeparator = '\xFF';

// The household index row of a person: `HEMLEN;HEMFO;HUSHNR`, as stored.
inline std::string householdIndexKey(std::string_view hemlen, std::string_view hemfo,
                                     std::string_view hushnr) {
    std::string key(hemlen);
    key += ';';
    key += hemfo;
    key += ';';
    key += hushnr;
    return key;
}

// Bounds a reader accepts in a header; anything outside marks the file as damaged.
inline constexpr std::uint32_t kRowLengthMax = 1 << 16;

}  // namespace tessla::word_list_format
