#pragma once

// How a button caption (Windows-1252 bytes) is cut into lines: characters are added while the line
// fits; a carriage return ends the line; a character that would overflow cuts the line after its
// last separator (`brytpunkt`), or before that character when the line has none, and the blanks
// after a cut are skipped. Qt-free: the caller measures.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tessla {

// The width of a piece of text, in the caller's units.
using TextMeasure = std::function<int(std::string_view)>;

// The lines of `caption` no wider than `width`, without the blanks at their ends. A character
// wider than `width` on its own still gets a line of its own, so the cutting always ends.
std::vector<std::string> wrapCaption(std::string_view caption, int width, const TextMeasure& measure);

// The distance between caption lines for a font of `fontSize` points: round(fontSize × 1.5),
// halves to even.
int captionLineHeight(double fontSize);

}  // namespace tessla
