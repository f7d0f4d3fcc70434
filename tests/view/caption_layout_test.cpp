#include "view/caption_layout.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace tessla {
namespace {

using Lines = std::vector<std::string>;

TEST(CaptionLayout, WrapsAtSeparatorsAndCarriageReturns) {
    // Every character one unit wide.
    const TextMeasure measure = [](std::string_view s) { return static_cast<int>(s.size()); };
    const struct {
        const char* caption;
        int width;
        Lines lines;
    } cases[] = {
        {"Tre ord hit", 6, {"Tre", "ord", "hit"}},
        {"Nedre Ullerud", 10, {"Nedre", "Ullerud"}},
        {"Nedre Ullerud", 13, {"Nedre Ullerud"}},
        {"Stor-Ullerud", 8, {"Stor-", "Ullerud"}},
        {"Abcdefgh", 3, {"Abc", "def", "gh"}},
        {"ab cd:efgh", 7, {"ab cd:", "efgh"}},
        {"a    b", 2, {"a", "b"}},
        {"ab\rcd", 100, {"ab", "cd"}},
        {"ab\r\rcd\r", 100, {"ab", "", "cd"}},
        {"ab", 0, {"a", "b"}},
        {"", 10, {}},
    };
    for (const auto& c : cases) EXPECT_EQ(wrapCaption(c.caption, c.width, measure), c.lines) << c.caption;
}

TEST(CaptionLayout, LineHeightIsOneAndAHalfFontSizesRoundedHalfToEven) {
    const struct {
        double size;
        int height;
    } cases[] = {{10, 15}, {9, 14}, {11, 16}, {8.25, 12}, {12, 18}};
    for (const auto& c : cases) EXPECT_EQ(captionLineHeight(c.size), c.height) << c.size;
}

}  // namespace
}  // namespace tessla
