#pragma once

// The byte layout of a record text base's text file (`.b`), shared by its reader (`Tspblobfil`,
// `TSPregtext`) and the database builder's writer. The pointer file and the block directory are
// pointer lists (storage/blob_format.h); packed blocks are framed as storage/packed_blocks.h says.
// All integers are little-endian.

#include <cstddef>
#include <cstdint>

namespace tessla::text_base_format {

// --- File header ---------------------------------------------------------------------------------
inline constexpr std::size_t kHeaderSize = 16;
// Bytes 0-1: the file kind; kept as found and written back, never interpreted.
inline constexpr std::size_t kFileKindOffset = 0;
// The kind the database builder writes.
inline constexpr std::uint16_t kBuilderFileKind = 1;
// Bytes 2-5: the number of records.
inline constexpr std::size_t kRecordCountOffset = 2;
// Bytes 6-9: the header size, kHeaderSize.
inline constexpr std::size_t kHeaderSizeOffset = 6;
// Bytes 10-15: reserved, 0.
// Then, plain: the record areas, each where its pointer-file entry says; block-packed: the packed
// blocks, each where its block-directory entry says.

// --- Record area ---------------------------------------------------------------------------------
// A 12-byte record header, then the record's L data bytes. In block-packed mode the areas of
// records b·P + 1 … b·P + P stand one after another in expanded block b, and a record's pointer is
// the offset of its area inside that block.
inline constexpr std::size_t kRecordHeaderSize = 12;
// Word 1: not interpreted by the reader; the builder writes the record number.
inline constexpr std::size_t kRecordNumberOffset = 0;
// Word 2: L, the number of data bytes.
inline constexpr std::size_t kRecordLengthOffset = 4;
// Word 3: the record's tag, not interpreted; written as 0.
inline constexpr std::size_t kRecordTagOffset = 8;

// --- Record data ---------------------------------------------------------------------------------
// The fields in label order, each a lead byte and its payload. The lead byte is not interpreted; the
// builder writes the label's type digit. The payload by the label's first character:
inline constexpr char kTextLabel = '1';      // a NUL-terminated string
inline constexpr char kIntegerLabel = '2';   // 4 bytes, signed
inline constexpr char kShortLabel = '3';     // 2 bytes, signed
inline constexpr char kIntegerLabel4 = '4';  // 4 bytes, signed, kept with the '2' fields
inline constexpr char kLongTextLabel = '5';  // a NUL-terminated string
// Labels with any other first character have no field in the data.
inline constexpr std::size_t kLeadByteSize = 1;

}  // namespace tessla::text_base_format
