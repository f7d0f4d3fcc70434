#pragma once

// The byte layout of a picture base, shared by `TSPbildbas` and the database builder's writer.
// The record file (`.b`) is a text file (storage/text_base_format.h) holding one record per
// picture, read with a 1000-byte record buffer; the pointer file (`.p`) locates the records; the
// name index (`.bi`) is a word-list row file (storage/word_list_format.h) whose row text is a
// picture's name and row word 1 its record number, sorted in the row file's order. All integers
// are little-endian.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "storage/collation.h"

namespace tessla::picture_base_format {

// The record buffer: the longest picture record.
inline constexpr std::int32_t kRecordBufferSize = 1000;

// A picture record's fields as text-base labels (type digit first): the name, a second string, the
// kind, a placement code, a fifth string and two integers.
inline constexpr std::string_view kPictureLabels[] = {"1NAME",  "1TEXT2", "2KIND", "1PLACE",
                                                      "1TEXT5", "2A",     "2B"};
// A map record's fields: seven strings, the kind and four integers.
inline constexpr std::string_view kMapLabels[] = {"1", "1",     "1", "1", "1", "1",
                                                  "1", "2KIND", "2", "2", "2", "2"};
// Characters kept of a name and of a placement code.
inline constexpr std::size_t kNameMax = 20;
inline constexpr std::size_t kPlacementMax = 10;

// Directly after a record's data: the image block, a 4-byte length L and L bytes of image data
// (PNG as the builder writes it).
inline constexpr std::size_t kImageLengthSize = 4;
// Pictures of these kinds carry an outline region after the image data: a 4-byte value, a 4-byte
// length R and R bytes of region data (a region header and its rectangles).
inline constexpr std::int32_t kRegionKindA = 10;
inline constexpr std::int32_t kRegionKindB = 11;

// Whether a picture of `kind` carries an outline region after its image.
inline constexpr bool hasRegion(std::int32_t kind) {
    return kind == kRegionKindA || kind == kRegionKindB;
}
inline constexpr std::size_t kRegionValueSize = 4;
inline constexpr std::size_t kRegionLengthSize = 4;

// The name index's rows are created with room for a name of kNameMax characters.
inline constexpr std::int32_t kIndexRadmaxlen = 32;
// The order of the name index's rows, as in every word list.
inline constexpr CollationOrder kIndexOrder = CollationOrder::AccentRankOrder;
// The capacity of the name index's search memo.
inline constexpr std::int32_t kIndexHash = 50;

}  // namespace tessla::picture_base_format
