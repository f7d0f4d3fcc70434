#include "skin/qt_text.h"

#include <gtest/gtest.h>

namespace tessla {
namespace {

TEST(QtText, Windows1252BytesRoundTripThroughQString) {
    // 0x80 is the euro sign and 0x96 an en dash in Windows-1252, not control characters as in Latin-1.
    const std::string bytes = "\x80 \x96 \xE5\xE4\xF6 \xC5\xC4\xD6";
    const QString text = toQString(bytes);
    EXPECT_EQ(text, QString::fromUtf8("€ – åäö ÅÄÖ"));
    EXPECT_EQ(toCp1252(text), bytes);
    EXPECT_FALSE(toCp1252(QString::fromUtf8("Łódź")).has_value());
}

}  // namespace
}  // namespace tessla
