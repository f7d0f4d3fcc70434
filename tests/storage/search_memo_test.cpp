#include "storage/search_memo.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "storage/sorter.h"
#include "test_text.h"

namespace tessla {
namespace {

using test::w;

TEST(TsphashTest, AddKeepsTheFirstValueOfAnEqualKeyAndStopsWhenFull) {
    Tsphash memo;
    EXPECT_EQ(memo.capacity(), 50);
    memo.SetCapacity(3);
    memo.Add("Berg", 10);
    memo.Add("BERG", 99);  // equal under the order: ignored
    memo.Add(w("Åberg"), 30);
    memo.Add("Ek", 20);
    memo.Add("Zorn", 40);  // full: ignored
    ASSERT_EQ(memo.count(), 3);
    EXPECT_EQ(memo.Find("berg").position, 1);
    EXPECT_EQ(memo.Find("berg").value, 10);
    EXPECT_EQ(memo.Find("Zorn").position, 0);
    EXPECT_EQ(memo.Find("Zorn").value, 0);

    memo.SetCapacity(5);
    EXPECT_EQ(memo.count(), 0);
    EXPECT_EQ(memo.Find("Berg").position, 0);
}

TEST(TsphashTest, EqualityFollowsTheMemosOrder) {
    Tsphash memo;
    memo.Add("Eva", 1);
    memo.Add(w("Éva"), 2);  // equal in SwedishOrder
    EXPECT_EQ(memo.count(), 1);

    Tsphash accents;
    accents.setOrder(CollationOrder::AccentRankOrder);
    accents.Add("Eva", 1);
    accents.Add(w("Éva"), 2);
    EXPECT_EQ(accents.count(), 2);
}

TEST(TsphashTest, RangeBracketsTheKeyWithNeighbourPositions) {
    Tsphash memo;
    EXPECT_EQ(memo.Range("Anna").low, 0);
    EXPECT_EQ(memo.Range("Anna").high, 0);

    // Seeded as an owner does: keys at n/4, n/2, 3n/4 of a 400-row index.
    memo.Add("Eriksson", 100);
    memo.Add("Larsson", 200);
    memo.Add("Pettersson", 300);

    struct Case {
        const char* key;
        std::int32_t low, high;
    } cases[] = {
        {"Andersson", 0, 0},   // below every key: neither bound
        {"Eriksson", 0, 200},  // equal to the first key
        {"Johansson", 100, 200}, {"Larsson", 100, 300}, {"Nilsson", 200, 300},
        {"Pettersson", 200, 0},  {"Svensson", 0, 0},  // above every key: neither bound
    };
    for (const auto& c : cases) {
        const auto bracket = memo.Range(c.key);
        EXPECT_EQ(bracket.low, c.low) << c.key;
        EXPECT_EQ(bracket.high, c.high) << c.key;
    }
}

TEST(TsphashTest, KeepSortedSortsAfterEveryAdd) {
    Tsphash memo;
    memo.setKeepSorted(true);
    memo.Add("Svensson", 300);
    memo.Add("Andersson", 10);
    memo.Add("Larsson", 200);
    ASSERT_EQ(memo.count(), 3);
    EXPECT_EQ(memo.entry(1).key, "Andersson");
    EXPECT_EQ(memo.entry(2).key, "Larsson");
    EXPECT_EQ(memo.entry(3).key, "Svensson");
    EXPECT_EQ(memo.Range("Nilsson").low, 200);
    EXPECT_EQ(memo.Range("Nilsson").high, 300);
}

TEST(TspsorteraTest, EqualKeysComeOutInValueOrderWhateverTheInputOrder) {
    Tspsortera sorter;
    sorter.SetCapacity(2);  // grows past its capacity rather than drop entries
    sorter.Add("Berg", 7);
    sorter.Add("BERG", 3);
    sorter.Add(w("Åberg"), 1);
    sorter.Add("berg", 5);
    sorter.Add("Abel", 9);
    sorter.Sort();
    ASSERT_EQ(sorter.count(), 5);
    const std::int32_t expected[] = {9, 3, 5, 7, 1};
    for (int i = 1; i <= 5; ++i) EXPECT_EQ(sorter.entry(i).value, expected[i - 1]) << i;
    EXPECT_EQ(sorter.entry(1).key, "Abel");
}

TEST(TspsorteraTest, SortsLargeInputsLikeAStableSortOnKeyThenValue) {
    // Many equal keys, already sorted and reversed runs: the cases a quicksort gets wrong.
    Tspsortera sorter;
    sorter.SetCapacity(10);
    const std::string names[] = {"Andersson", w("Öberg"), "Karlsson", "karlsson", "Ek"};
    std::vector<KeyedEntry> expected;
    for (int i = 0; i < 5000; ++i) {
        const std::string key = i < 2000 ? names[i % 5] : std::to_string(5000 - i);
        sorter.Add(key, 5000 - i);
        expected.push_back({key, 5000 - i});
    }
    sorter.Sort();
    std::sort(expected.begin(), expected.end(), [](const KeyedEntry& a, const KeyedEntry& b) {
        return CollCompareTie(a.key, b.key, a.value, b.value) < 0;
    });
    ASSERT_EQ(sorter.count(), 5000);
    for (int i = 1; i <= 5000; ++i) {
        ASSERT_EQ(sorter.entry(i).value, expected[static_cast<std::size_t>(i - 1)].value) << i;
    }
}

}  // namespace
}  // namespace tessla
