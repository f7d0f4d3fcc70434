#pragma once

// Small string helpers shared by the coded-text reader and the button controls. Strings are
// Windows-1252 bytes.

#include <cstdint>
#include <string>
#include <string_view>

namespace tessla {

// `s` without the bytes 0 … 32 at either end: the trimming census values get everywhere.
std::string_view trimBlanks(std::string_view s);

// `value` with `separator` between groups of three digits: 52310 as "52 310" or "52,310".
std::string groupedDigits(std::int64_t value, char separator);

// `s` with the letters A … Z lowered; every other byte stays as it is.
std::string lowerAscii(std::string_view s);

// `s` left-padded with "0" to `width` characters; a longer `s` stays whole.
std::string zeroPadded(std::string_view s, std::size_t width);

// A string of `n` spaces; n <= 0 gives the empty string.
std::string blanka(int n);

// `s` without its trailing (resp. leading) spaces; spaces only give the empty string.
std::string trimhoger(std::string_view s);
std::string trimvanster(std::string_view s);

// mode 1: the number of characters in front of the last backslash, 0 when there is none.
// Any other mode: the 1-based position of the last separator (space , - . / : ; or backslash),
// or the length of `s` when it has none. The buttons break a caption there.
int brytpunkt(std::string_view s, int mode);

// Removes from the front of `s` the characters that occur in `skiljetecken`, moves the following
// run of other characters out of `s` into the result, then removes the separators after it.
std::string nastaord(std::string_view skiljetecken, std::string& s);

}  // namespace tessla
