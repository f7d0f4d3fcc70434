#include "base/cp1252.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <type_traits>

namespace tessla {
namespace {

TEST(Cp1252Test, EveryByteRoundTrips) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    const auto back = utf8ToCp1252(cp1252ToUtf8(all));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, all);
}

TEST(Cp1252Test, ConvertsSwedishAndTheHighPunctuation) {
    EXPECT_EQ(utf8ToCp1252("Åsa Öberg ÿ").value(),
              "\xC5sa \xD6"
              "berg \xFF");
    EXPECT_EQ(utf8ToCp1252("€ – Š œ").value(), "\x80 \x96 \x8A \x9C");
    EXPECT_EQ(cp1252ToUtf8("\xC4ngeby \x80").str(), "Ängeby €");
}

TEST(Cp1252Test, ReportsWhatItCannotConvert) {
    struct Case {
        std::string utf8;
        std::size_t offset;
        char32_t codePoint;
        bool malformed;
    } cases[] = {
        {"Wa\xC5\x82\xC4\x99sa", 2, 0x142, false},  // ł
        {"ok \xF0\x9F\x98\x80", 3, 0x1F600, false},
        {"\xE2\x82", 0, 0, true},          // cut short
        {"ab\xC0\xAF", 2, 0, true},        // overlong
        {"\xED\xA0\x80", 0, 0, true},      // surrogate
        {"x\x80", 1, 0, true},             // stray continuation byte
        {"\xF5\x80\x80\x80", 0, 0, true},  // beyond U+10FFFF
    };
    for (const auto& c : cases) {
        Cp1252Error error;
        EXPECT_FALSE(utf8ToCp1252(Utf8View(c.utf8), &error).has_value()) << c.offset;
        EXPECT_EQ(error.offset, c.offset);
        EXPECT_EQ(error.codePoint, c.codePoint);
        EXPECT_EQ(error.malformedUtf8, c.malformed);
    }
    Cp1252Error error;
    utf8ToCp1252("Wa\xC5\x82", &error);
    EXPECT_EQ(error.message(), "character U+0142 at byte 2 cannot be written in Windows-1252");
}

// A UTF-8 text and a Windows-1252 one cannot stand in for each other: the converted text is no
// std::string, and a std::string is taken as UTF-8 only when it is said to be.
TEST(Cp1252Test, Utf8AndWindows1252AreTypesApart) {
    static_assert(!std::is_convertible_v<Utf8, std::string>);
    static_assert(!std::is_convertible_v<Utf8, std::string_view>);
    static_assert(!std::is_convertible_v<std::string, Utf8>);
    static_assert(!std::is_convertible_v<std::string, Utf8View>);
    static_assert(!std::is_convertible_v<std::string_view, Utf8View>);
    static_assert(std::is_convertible_v<Utf8, Utf8View>);
    static_assert(std::is_convertible_v<const char(&)[4], Utf8View>);  // a literal of our UTF-8 sources
    const Utf8 text = cp1252ToUtf8("\xE5r");
    EXPECT_EQ(utf8ToCp1252(text), "\xE5r");
    EXPECT_EQ(Utf8View(std::string_view("\xC3\xA5r")).view(), text.str());
    std::string looped;  // the text of a temporary outlives it
    for (const char c : cp1252ToUtf8("\xC4ngeby").str()) looped += c;
    EXPECT_EQ(looped, "Ängeby");
}

}  // namespace
}  // namespace tessla
