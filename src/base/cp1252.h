#pragma once

// Conversion between the Windows-1252 bytes that the whole core works in and the UTF-8 of the
// program's edges (census CSV, command line, clipboard, widgets). A character Windows-1252
// cannot hold is reported, never replaced.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "base/utf8.h"

namespace tessla {

// Every byte has a character: the five bytes Windows-1252 leaves unassigned (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) become the control characters of the same number, so that
// utf8ToCp1252(cp1252ToUtf8(b)) gives back b for any bytes b.
Utf8 cp1252ToUtf8(std::string_view bytes);

// Why a UTF-8 text could not be converted.
struct Cp1252Error {
    std::size_t offset = 0;      // byte offset in the UTF-8 text
    char32_t codePoint = 0;      // the character that has no Windows-1252 byte
    bool malformedUtf8 = false;  // the text is not valid UTF-8 at `offset`

    // "character U+0142 at byte 17 cannot be written in Windows-1252" or
    // "invalid UTF-8 at byte 17".
    std::string message() const;
};

// The Windows-1252 bytes of `utf8`, or nothing (with `error` filled when given) when the text
// is not valid UTF-8 or holds a character outside Windows-1252.
std::optional<std::string> utf8ToCp1252(Utf8View utf8, Cp1252Error* error = nullptr);

}  // namespace tessla
