#include "base/string_utils.h"

#include <gtest/gtest.h>

namespace tessla {
namespace {

TEST(StringUtilsTest, BlankaAndTrimming) {
    EXPECT_EQ(blanka(0), "");
    EXPECT_EQ(blanka(-3), "");
    EXPECT_EQ(blanka(3), "   ");
    EXPECT_EQ(blanka(255).size(), 255u);

    EXPECT_EQ(trimhoger("     "), "");
    EXPECT_EQ(trimhoger("Anna  "), "Anna");
    EXPECT_EQ(trimhoger("  Anna Maria "), "  Anna Maria");
    EXPECT_EQ(trimvanster("   "), "");
    EXPECT_EQ(trimvanster("  Anna Maria "), "Anna Maria ");
    EXPECT_EQ(trimhoger(std::string(300, ' ')), "");  // longer than a short string
    EXPECT_EQ(trimvanster(std::string(300, ' ') + "x"), "x");
    EXPECT_EQ(trimhoger("Anna\t"), "Anna\t");  // only spaces are trimmed
}

TEST(StringUtilsTest, Brytpunkt) {
    EXPECT_EQ(brytpunkt("Nedre Ullerud", 0), 6);
    EXPECT_EQ(brytpunkt("Nedre Ullerud", 2), 6);
    EXPECT_EQ(brytpunkt("Stockholm", 0), 9);
    EXPECT_EQ(brytpunkt("Ny-Stad:Norr", 0), 8);
    EXPECT_EQ(brytpunkt("abc\\def", 1), 3);
    EXPECT_EQ(brytpunkt("a\\b\\c", 1), 3);
    EXPECT_EQ(brytpunkt("Nedre Ullerud", 1), 0);
    EXPECT_EQ(brytpunkt("", 0), 0);
}

TEST(StringUtilsTest, NastaordTakesOneWordAndItsSeparators) {
    std::string s = ";; Anna; Berta";
    EXPECT_EQ(nastaord("; ", s), "Anna");
    EXPECT_EQ(s, "Berta");
    EXPECT_EQ(nastaord("; ", s), "Berta");
    EXPECT_EQ(s, "");

    std::string separatorsOnly = " ;; ";
    EXPECT_EQ(nastaord("; ", separatorsOnly), "");
    EXPECT_EQ(separatorsOnly, "");

    std::string noSeparators = "Karl";
    EXPECT_EQ(nastaord("", noSeparators), "Karl");
    EXPECT_EQ(noSeparators, "");
}

}  // namespace
}  // namespace tessla
