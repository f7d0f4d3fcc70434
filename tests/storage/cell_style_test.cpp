#include "storage/cell_style.h"

#include <gtest/gtest.h>

namespace tessla {
namespace {

TEST(CellStyleTest, EachFieldHasItsBitsAndAWordReadsBackAsWritten) {
    const struct {
        CellStyle style;
        std::uint32_t word;
    } cases[] = {
        {{}, 0},
        {{.colour = 3}, 0x3},
        {{.colour = 0, .markedColour = 9}, 144},  // the grid's default
        {{.italic = true}, 0x100},
        {{.bold = true}, 512},  // a tree list's first-level row, as the builder writes it
        {{.underline = true}, 0x400},
        {{.indent = 1}, 0x10000},
        {{.indent = 255}, 0xFF0000},
        {{.marked = true}, 0x1000000},
        {{15, 15, true, true, true, 255, true}, 0x01FF07FF},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.style.word(), c.word) << std::hex << c.word;
        EXPECT_EQ(CellStyle::of(c.word).word(), c.word) << std::hex << c.word;
    }
}

TEST(CellStyleTest, AnyWordIsAStyleAndFieldsAreCutToTheirBits) {
    const CellStyle all = CellStyle::of(0xFFFFFFFF);
    EXPECT_EQ(all.colour, 15);
    EXPECT_EQ(all.markedColour, 15);
    EXPECT_TRUE(all.italic && all.bold && all.underline && all.marked);
    EXPECT_EQ(all.indent, 255);
    EXPECT_EQ(all.word(), 0x01FF07FFu) << "bits 11-15 mean nothing; any mark bit is the mark";
    EXPECT_TRUE(CellStyle::of(0x80000000).marked);
    EXPECT_EQ((CellStyle{.colour = 17, .indent = 257}.word()), 0x10001u);
}

TEST(CellStyleTest, FontVariantsNameItalicBoldAndUnderline) {
    for (int variant = 0; variant < CellStyle::kFontVariants; ++variant)
        EXPECT_EQ(CellStyle::ofFontVariant(variant).fontVariant(), variant);
    EXPECT_EQ((CellStyle{.bold = true, .indent = 3}.fontVariant()), 2);
    EXPECT_EQ(CellStyle::of(0x500).fontVariant(), 5);
}

}  // namespace
}  // namespace tessla
