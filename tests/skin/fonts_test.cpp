#include "skin/fonts.h"

#include <QFontInfo>

#include <gtest/gtest.h>

namespace tessla {
namespace {

TEST(SerifFont, IsTimesNewRomanAtThePointSizeAndFallsBackToASerif) {
    for (const int points : {8, 11, 20}) {
        const QFont font = serifFont(points);
        EXPECT_EQ(font.family(), "Times New Roman") << points;
        EXPECT_EQ(font.pointSize(), points);
        EXPECT_EQ(font.styleHint(), QFont::Serif) << points;
        EXPECT_EQ(QFontInfo(font).pointSize(), points) << "the face found has the size asked for";
    }
}

}  // namespace
}  // namespace tessla
