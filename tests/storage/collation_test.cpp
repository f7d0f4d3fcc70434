#include "storage/collation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_text.h"

namespace tessla {
namespace {

using test::w;
constexpr auto kSwedish = CollationOrder::SwedishOrder;
constexpr auto kAccentRank = CollationOrder::AccentRankOrder;

struct CompareCase {
    const char* a;  // UTF-8, converted to Windows-1252
    const char* b;
    CollationOrder order;
    int expected;
};

class CollCompareTest : public ::testing::TestWithParam<CompareCase> {};

TEST_P(CollCompareTest, ComparesBothWays) {
    const auto& c = GetParam();
    EXPECT_EQ(CollCompare(w(c.a), w(c.b), c.order), c.expected) << c.a << " vs " << c.b;
    EXPECT_EQ(CollCompare(w(c.b), w(c.a), c.order), -c.expected) << c.b << " vs " << c.a;
}

INSTANTIATE_TEST_SUITE_P(
    Orders, CollCompareTest,
    ::testing::Values(
        // Swedish letters after Z, in the order Å, Ä, Ö.
        CompareCase{"Åsa", "Zorn", kSwedish, 1}, CompareCase{"Åsa", "Ärlig", kSwedish, -1},
        CompareCase{"Ärlig", "Öberg", kSwedish, -1}, CompareCase{"Æra", "Ära", kSwedish, 0},
        CompareCase{"Øberg", "Öberg", kSwedish, 0},
        // Accents and case fold away in SwedishOrder; ü ranks as Y.
        CompareCase{"éclair", "ECLAIR", kSwedish, 0}, CompareCase{"Müller", "Myller", kSwedish, 0},
        CompareCase{"Müller", "Mylla", kSwedish, 1}, CompareCase{"Müller", "Mz", kSwedish, -1},
        CompareCase{"Þór", "Tor", kSwedish, 0}, CompareCase{"Åsa", "ÅSA", kSwedish, 0},
        // AccentRankOrder: case folds, accented letters follow their base letter.
        CompareCase{"Eva", "Éva", kAccentRank, -1}, CompareCase{"Éva", "Fa", kAccentRank, -1},
        CompareCase{"eva", "EVA", kAccentRank, 0}, CompareCase{"Åsa", "Zorn", kAccentRank, 1},
        CompareCase{"Åsa", "Ärlig", kAccentRank, -1}, CompareCase{"Æsop", "Ärlig", kAccentRank, 1},
        CompareCase{"Müller", "Myller", kAccentRank, 1}, CompareCase{"Müller", "Mz", kAccentRank, -1},
        // Unlisted bytes keep their own value: blanks and digits before letters, and in
        // SwedishOrder "[" … "`" and "{" … DEL between Z and Å; ÿ after y in AccentRankOrder.
        CompareCase{"Anna Maria", "Annaa", kSwedish, -1}, CompareCase{"1890", "A", kSwedish, -1},
        CompareCase{"1890", "A", kAccentRank, -1}, CompareCase{"[", "Z", kSwedish, 1},
        CompareCase{"[", "Å", kSwedish, -1}, CompareCase{"~", "Å", kSwedish, -1},
        CompareCase{"Ek, Anna Maria", "Ek, Annaÿ", kAccentRank, -1}, CompareCase{"ÿ", "z", kAccentRank, -1},
        CompareCase{"", "", kSwedish, 0}, CompareCase{"", "a", kSwedish, -1},
        CompareCase{"Ander", "Andersson", kAccentRank, -1}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(CollationTest, BytesNotInTheTableMapToThemselves) {
    for (const auto order : {kSwedish, kAccentRank}) {
        const auto& map = collationMap(order);
        EXPECT_EQ(map[0], 0);
        EXPECT_EQ(map[' '], ' ');
        EXPECT_EQ(map['9'], '9');
        EXPECT_EQ(map[0x80], 0x80);  // the euro sign
        EXPECT_EQ(map[0xD7], 0xD7);  // the multiplication sign
    }
    EXPECT_EQ(collationMap(kAccentRank)['a'], 0xC0);
    EXPECT_EQ(collationMap(kAccentRank)[0xF7], 0xFC);
    EXPECT_EQ(collationMap(kSwedish)[0xF7], 0xFF);
}

TEST(CollationTest, EmbeddedZeroEndsTheComparison) {
    const std::string a("Anna\0Berta", 10);
    EXPECT_EQ(CollCompare(a, "anna"), 0);
    EXPECT_EQ(CollCompare("anna", a), 0);
}

TEST(CollationTest, CollCompareNComparesAtMostNRanks) {
    EXPECT_EQ(CollCompareN("Ander", "Andersson", 5, kAccentRank), 0);
    EXPECT_EQ(CollCompareN("ander", "Andersson", 5, kSwedish), 0);
    EXPECT_EQ(CollCompareN("Ander", "Andersson", 6, kSwedish), -1);
    EXPECT_EQ(CollCompareN("Zorn", "Abel", 0, kSwedish), 0);
    EXPECT_EQ(CollCompareN("", "Abel", 0, kAccentRank), 0);
    EXPECT_EQ(CollCompareN("Abd", "Abel", 2, kSwedish), 0);
    EXPECT_EQ(CollCompareN("Abd", "Abel", 3, kSwedish), -1);
    // A key longer than the word: the word's end ranks 0 and decides.
    EXPECT_EQ(CollCompareN("Anders", "Ander", 6, kSwedish), 1);
    // Both ending within n are equal.
    EXPECT_EQ(CollCompareN(w("ÖST"), w("öst"), 10, kSwedish), 0);
    // "ostra" is a prefix of "Östra" only when accents fold.
    EXPECT_EQ(CollCompareN("ostra", w("Östra"), 5, kSwedish), -1);
    EXPECT_EQ(CollCompareN("ostra", w("Ostra"), 5, kAccentRank), 0);
    EXPECT_NE(CollCompareN("ostra", w("Östra"), 5, kAccentRank), 0);
}

TEST(CollationTest, CollCompareTieNeverGivesZero) {
    EXPECT_EQ(CollCompareTie("Anna", "ANNA", 3, 7), -1);
    EXPECT_EQ(CollCompareTie("Anna", "ANNA", 7, 3), 1);
    EXPECT_EQ(CollCompareTie("Anna", "Anna", 5, 5), 1);
    EXPECT_EQ(CollCompareTie("Anna", "Berta", 9, 1), -1);
    EXPECT_EQ(CollCompareTie("Anna", "anna", -1, 0), -1);  // signed comparison
}

TEST(CollationTest, CollContainsFindsFoldedOccurrences) {
    EXPECT_NE(CollContains("ber", w("Öberg")), 0);
    EXPECT_EQ(CollContains("ber", w("Öb")), 0);
    EXPECT_EQ(CollContains("ber", w("Öberg")), 2);
    EXPECT_EQ(CollContains(w("ÖSTRA"), w("Västra östra Ny")), 8);
    EXPECT_EQ(CollContains("OSTRA", w("Västra östra Ny")), 0);
    EXPECT_NE(CollContains("", ""), 0);
    EXPECT_NE(CollContains("", "Anna"), 0);
    EXPECT_EQ(CollContains("a", ""), 0);
    EXPECT_EQ(CollContains("ss", "Andersson"), 6);
    EXPECT_EQ(CollContains("sonn", "Andersson"), 0);
}

}  // namespace
}  // namespace tessla
