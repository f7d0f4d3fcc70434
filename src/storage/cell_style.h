#pragma once

// The style word of a table cell: how the grid draws a cell's text, as one 32-bit word that the
// grid's owners hand it (picker rows, household rows) and that a word list keeps as a row's second
// word (the builder writes bold there). Every reader and writer of the word goes through here.
//
//   bits 0–3    the text colour, an index into the grid's sixteen colours
//   bits 4–7    the colour of a marked row's text, where the grid marks rows by colour
//   bit 8       italic
//   bit 9       bold
//   bit 10      underline
//   bits 16–23  the indent level of the first column
//   bits 24–31  the mark: any bit set marks the row
//
// Bits 11–15 mean nothing and are dropped.

#include <cstdint>

namespace tessla {

struct CellStyle {
    int colour = 0;        // 0 … 15
    int markedColour = 0;  // 0 … 15
    bool italic = false;
    bool bold = false;
    bool underline = false;
    int indent = 0;  // 0 … 255
    bool marked = false;

    // The style a word holds; any word is a style.
    static constexpr CellStyle of(std::uint32_t word) {
        return {static_cast<int>(word & 0xF),
                static_cast<int>((word >> 4) & 0xF),
                (word & (1u << 8)) != 0,
                (word & (1u << 9)) != 0,
                (word & (1u << 10)) != 0,
                static_cast<int>((word >> 16) & 0xFF),
                (word >> 24) != 0};
    }

    // The word of this style; each field is cut to its bits.
    constexpr std::uint32_t word() const {
        return (static_cast<std::uint32_t>(colour) & 0xF) |
               (static_cast<std::uint32_t>(markedColour) & 0xF) << 4 | (italic ? 1u << 8 : 0) |
               (bold ? 1u << 9 : 0) | (underline ? 1u << 10 : 0) |
               (static_cast<std::uint32_t>(indent) & 0xFF) << 16 | (marked ? 1u << 24 : 0);
    }

    // The font variant of the style, 0 … kFontVariants − 1: italic 1, bold 2, underline 4.
    static constexpr int kFontVariants = 8;
    constexpr int fontVariant() const { return (italic ? 1 : 0) | (bold ? 2 : 0) | (underline ? 4 : 0); }
    // The plain style of font variant `variant`.
    static constexpr CellStyle ofFontVariant(int variant) {
        return {.italic = (variant & 1) != 0, .bold = (variant & 2) != 0, .underline = (variant & 4) != 0};
    }
};

}  // namespace tessla
