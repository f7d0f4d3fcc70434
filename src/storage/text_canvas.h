#pragma once

// The surface the coded-text engine lays out and draws on: fonts chosen by face, size and style
// bits, text widths and font heights for the layout, text and horizontal rules for drawing. The
// desktop program draws on screen and paper through one Qt adapter; tests measure with a
// fixed-width fake. Coordinates are device pixels of the surface.

#include <cstdint>
#include <optional>
#include <string_view>

namespace tessla {

struct Rgb {
    std::uint8_t red = 0, green = 0, blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Font style bits.
inline constexpr int kFontBold = 1;
inline constexpr int kFontItalic = 2;
inline constexpr int kFontUnderline = 4;

struct TextFont {
    std::string_view name;  // a face name of static storage
    int size = 0;           // points
    int style = 0;          // kFont* bits
    friend bool operator==(const TextFont&, const TextFont&) = default;
};

// Pens of horizontal rules.
inline constexpr int kRuleDotted = 1;  // dotted, 1 pixel
inline constexpr int kRuleThin = 2;    // solid, 1 pixel
inline constexpr int kRuleThick = 3;   // solid, 2 pixels

class TextCanvas {
  public:
    virtual ~TextCanvas() = default;
    // Chooses the font that the calls below measure and draw with.
    virtual void setFont(const TextFont& font) = 0;
    // The width of `text` (Windows-1252) in the current font.
    virtual int textWidth(std::string_view text) = 0;
    // The em height of the current font: its point size × the surface's dots per inch / 72,
    // rounded.
    virtual int fontHeight() = 0;
    // Draws `text` in the current font with the top of its character cell at y, over a box of
    // the text's width and the cell's height filled with `background` when one is given.
    virtual void drawText(int x, int y, std::string_view text, Rgb color, std::optional<Rgb> background) = 0;
    // A horizontal line from x1 to x2 at y with the pen `rule` (kRuleDotted, kRuleThin,
    // kRuleThick).
    virtual void drawRule(int x1, int x2, int y, int rule, Rgb color) = 0;
};

}  // namespace tessla
