#include "storage/selection.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace tessla {
namespace {

Tspsmalurval selectionOf(std::int32_t capacity, std::int32_t usedSize, std::vector<std::int32_t> rows = {}) {
    Tspsmalurval s;
    s.setCapacity(capacity);
    s.setUsedSize(usedSize);
    s.allokera();
    for (const auto row : rows) s.satt(row, true);
    return s;
}

std::vector<std::int32_t> rowsOf(const Tspsmalurval& s) {
    std::vector<std::int32_t> rows;
    for (std::int32_t r = 0; s.nasta(r);) rows.push_back(r);
    return rows;
}

TEST(TspsmalurvalTest, SizesAndTheCountOfSatt) {
    Tspsmalurval s = selectionOf(6000000, 6000000);
    EXPECT_EQ(s.byteSize(), 750000);
    EXPECT_EQ(selectionOf(33, 33).byteSize(), 8);
    EXPECT_EQ(selectionOf(32, 32).byteSize(), 4);

    s.satt(7, true);
    s.satt(7, true);
    s.satt(8, false);
    EXPECT_EQ(s.count(), 1);
    s.satt(7, false);
    EXPECT_EQ(s.count(), 0);
    for (const std::int32_t outside : {0, -1, 6000001}) {
        s.satt(outside, true);
        EXPECT_FALSE(s.testa(outside));
    }
    EXPECT_EQ(s.count(), 0);
    EXPECT_EQ(s.antal(), 0);
}

TEST(TspsmalurvalTest, NastaWalksTheSetRows) {
    const Tspsmalurval empty = selectionOf(100, 100);
    std::int32_t r = 0;
    EXPECT_FALSE(empty.nasta(r));

    const Tspsmalurval first = selectionOf(100, 100, {1});
    r = 0;
    ASSERT_TRUE(first.nasta(r));
    EXPECT_EQ(r, 1);
    EXPECT_FALSE(first.nasta(r));

    EXPECT_EQ(rowsOf(selectionOf(200, 200, {1, 32, 33, 64, 65, 128, 200})),
              (std::vector<std::int32_t>{1, 32, 33, 64, 65, 128, 200}));

    // Starting points outside 0 … capacity − 1 give false at once.
    const Tspsmalurval s = selectionOf(64, 64, {5, 64});
    for (const std::int32_t start : {-1, 64, 65}) {
        r = start;
        EXPECT_FALSE(s.nasta(r)) << start;
        EXPECT_EQ(r, start);
    }
    // Only the words of the used size are scanned.
    EXPECT_TRUE(rowsOf(selectionOf(128, 64, {100})).empty());

    Tspsmalurval unallocated;
    r = 0;
    EXPECT_FALSE(unallocated.nasta(r));
}

TEST(TspsmalurvalTest, FyllallaSetsExactlyTheUsedRows) {
    for (const std::int32_t used : {1, 31, 32, 33, 64, 65, 1000}) {
        Tspsmalurval s = selectionOf(used + 40, used);
        s.fyllalla();
        EXPECT_EQ(s.count(), used);
        EXPECT_EQ(s.antal(), used);
        EXPECT_TRUE(s.testa(used));
        EXPECT_FALSE(s.testa(used + 1));
        s.tomma();
        EXPECT_EQ(s.antal(), 0);
        EXPECT_EQ(s.count(), 0);
    }
}

TEST(TspsmalurvalTest, CombiningKeepsTheCount) {
    Tspsmalurval result = selectionOf(100, 100);
    result.fyllalla();
    result.och(selectionOf(100, 100, {3, 50, 99}));
    EXPECT_EQ(result.count(), 3);
    EXPECT_EQ(rowsOf(result), (std::vector<std::int32_t>{3, 50, 99}));

    result.eller(selectionOf(100, 100, {1, 50}));
    EXPECT_EQ(result.count(), 4);  // 50 was set already
    EXPECT_EQ(result.antal(), 4);

    // A smaller other clears what it does not reach; eller stops at the used size.
    Tspsmalurval wide = selectionOf(300, 300);
    wide.fyllalla();
    wide.och(selectionOf(70, 70, {2, 70}));
    EXPECT_EQ(rowsOf(wide), (std::vector<std::int32_t>{2, 70}));
    Tspsmalurval narrow = selectionOf(128, 40);
    Tspsmalurval full = selectionOf(128, 128);
    full.fyllalla();
    narrow.eller(full);
    EXPECT_EQ(narrow.antal(), 40);
    EXPECT_EQ(narrow.count(), 40);

    Tspsmalurval copy = selectionOf(100, 100, {7});
    copy.kopiera(result);
    EXPECT_EQ(rowsOf(copy), rowsOf(result));
    EXPECT_EQ(copy.count(), 4);
}

TEST(TspsmalurvalTest, AgreesWithABitVectorModel) {
    std::mt19937 random(7);
    for (const std::int32_t size : {1, 63, 64, 65, 4096, 100003}) {
        std::vector<bool> ma(size + 1), mb(size + 1);
        Tspsmalurval a = selectionOf(size, size), b = selectionOf(size, size);
        const auto density = static_cast<std::int32_t>(random() % 40 + 1);
        for (std::int32_t n = 1; n <= size; ++n) {
            if (random() % 100 < static_cast<unsigned>(density)) {
                ma[n] = true;
                a.satt(n, true);
            }
            if (random() % 2 == 0) {
                mb[n] = true;
                b.satt(n, true);
            }
        }
        Tspsmalurval both = selectionOf(size, size), either = selectionOf(size, size);
        both.kopiera(a);
        both.och(b);
        either.kopiera(a);
        either.eller(b);
        std::vector<std::int32_t> expectBoth, expectEither;
        for (std::int32_t n = 1; n <= size; ++n) {
            if (ma[n] && mb[n]) expectBoth.push_back(n);
            if (ma[n] || mb[n]) expectEither.push_back(n);
        }
        EXPECT_EQ(rowsOf(both), expectBoth) << size;
        EXPECT_EQ(rowsOf(either), expectEither) << size;
        EXPECT_EQ(both.antal(), static_cast<std::int32_t>(expectBoth.size()));
        EXPECT_EQ(either.antal(), static_cast<std::int32_t>(expectEither.size()));
        for (const std::int32_t step : {1, 7, 199}) {
            std::vector<std::int32_t> expectIndex;
            for (std::size_t i = 0; i < expectBoth.size() && expectIndex.size() < 100; i += step) {
                expectIndex.push_back(expectBoth[i]);
            }
            std::vector<std::int32_t> index;
            both.rowsAtPositions(step, 100, index);
            EXPECT_EQ(index, expectIndex) << size << " step " << step;
        }
    }
}

// A copy shares the bits of its source until either changes: whichever side is changed, by any
// operation, the other keeps its rows and its count.
TEST(TspsmalurvalTest, CopiesKeepTheirRowsWhenEitherSideChanges) {
    const std::vector<std::int32_t> rows = {3, 50, 200};
    const Tspsmalurval other = selectionOf(300, 300, {50, 60});
    const std::vector<std::pair<const char*, std::function<void(Tspsmalurval&)>>> changes = {
        {"satt", [](Tspsmalurval& s) { s.satt(7, true); }},
        {"satt false", [](Tspsmalurval& s) { s.satt(3, false); }},
        {"markRows",
         [](Tspsmalurval& s) {
             s.markRows([](auto marker) {
                 marker(9);
                 marker(20, 70);
                 return marker;
             });
         }},
        {"tomma", [](Tspsmalurval& s) { s.tomma(); }},
        {"fyllalla", [](Tspsmalurval& s) { s.fyllalla(); }},
        {"och", [&](Tspsmalurval& s) { s.och(other); }},
        {"eller", [&](Tspsmalurval& s) { s.eller(other); }},
        {"kopiera a narrower one", [](Tspsmalurval& s) { s.kopiera(selectionOf(100, 100, {1})); }},
    };
    for (const auto& [name, change] : changes) {
        for (const bool changeSource : {true, false}) {
            SCOPED_TRACE(std::string(name) + (changeSource ? " on the source" : " on the copy"));
            Tspsmalurval source = selectionOf(300, 300, rows);
            Tspsmalurval copy = selectionOf(300, 300, {1, 2});
            copy.kopiera(source);
            change(changeSource ? source : copy);
            const Tspsmalurval& kept = changeSource ? copy : source;
            EXPECT_EQ(rowsOf(kept), rows);
            EXPECT_EQ(kept.count(), 3);
        }
    }
    // Taking rows over leaves a copy of the taken selection alone too.
    Tspsmalurval scratch = selectionOf(300, 300, rows);
    Tspsmalurval shown = selectionOf(300, 300);
    shown.kopiera(scratch);
    Tspsmalurval result = selectionOf(300, 300, {5});
    result.takeRows(scratch);
    scratch.tomma();
    EXPECT_EQ(rowsOf(result), rows);
    EXPECT_EQ(rowsOf(shown), rows);
}

TEST(TspsmalurvalTest, MovedFromAndWiderThanUsed) {
    Tspsmalurval source = selectionOf(300, 300, {3, 200});
    const Tspsmalurval moved = std::move(source);
    EXPECT_EQ(rowsOf(moved), (std::vector<std::int32_t>{3, 200}));
    // What is left has no bits and no rows, and every operation on it does nothing.
    source.tomma();
    source.satt(5, true);
    EXPECT_FALSE(source.allocated());
    EXPECT_EQ(source.antal(), 0);
    EXPECT_EQ(source.count(), 0);
    Tspsmalurval other = selectionOf(300, 300, {9});
    other.kopiera(source);
    EXPECT_EQ(rowsOf(other), (std::vector<std::int32_t>{9}));

    // Rows above the used size stay when a selection of the same sizes is copied in.
    Tspsmalurval wide = selectionOf(1000, 500);
    wide.satt(800, true);
    wide.kopiera(selectionOf(1000, 500, {7}));
    EXPECT_TRUE(wide.testa(7));
    EXPECT_TRUE(wide.testa(800));
}

// Operations only look at the words that may hold set rows; a random run of every operation
// that changes bits must keep the selection equal to a plain model, and a copy taken now and then
// (sharing the bits) equal to the model of its time.
TEST(TspsmalurvalTest, RandomOperationsAgreeWithABitVectorModel) {
    std::mt19937 random(1890);
    constexpr std::int32_t kRows = 5000;
    using Model = std::vector<bool>;
    const auto check = [&random](const Tspsmalurval& s, const Model& m, int step) {
        std::vector<std::int32_t> expected;
        for (std::int32_t n = 1; n <= kRows; ++n) {
            if (m[static_cast<std::size_t>(n)]) expected.push_back(n);
        }
        ASSERT_EQ(rowsOf(s), expected) << "step " << step;
        ASSERT_EQ(s.antal(), static_cast<std::int32_t>(expected.size())) << "step " << step;
        ASSERT_EQ(s.count(), s.antal()) << "step " << step;
        const std::int32_t cut = static_cast<std::int32_t>(random() % (kRows + 1));
        ASSERT_EQ(s.countUpTo(cut),
                  std::count_if(expected.begin(), expected.end(), [&](auto n) { return n <= cut; }));
        std::vector<std::int32_t> index;
        for (std::size_t i = 0; i < expected.size() && index.size() < 100; i += 13)
            index.push_back(expected[i]);
        // Built in two parts, the second going on from the last row of the first.
        std::vector<std::int32_t> built;
        const auto firstPart = static_cast<std::size_t>(random() % 6);
        s.rowsAtPositions(13, firstPart, built);
        ASSERT_EQ(built.size(), std::min(firstPart, index.size())) << "step " << step;
        s.rowsAtPositions(13, 100, built);
        ASSERT_EQ(built, index) << "step " << step;
    };
    // A narrow or wide random selection and its model.
    const auto randomPair = [&](Tspsmalurval& s, Model& m) {
        s = selectionOf(kRows, kRows);
        m.assign(kRows + 1, false);
        const auto from = static_cast<std::int32_t>(random() % kRows) + 1;
        const auto width = static_cast<std::int32_t>(random() % 2 ? 200 : kRows);
        for (std::int32_t n = from; n <= std::min(kRows, from + width); ++n) {
            if (random() % 3 == 0) {
                s.satt(n, true);
                m[static_cast<std::size_t>(n)] = true;
            }
        }
    };
    Tspsmalurval s = selectionOf(kRows, kRows);
    Model m(kRows + 1, false);
    Tspsmalurval copy = selectionOf(kRows, kRows);
    Model copied(kRows + 1, false);
    for (int step = 0; step < 600; ++step) {
        Tspsmalurval other;
        Model o;
        randomPair(other, o);
        const auto n = static_cast<std::int32_t>(random() % kRows) + 1;
        switch (random() % 9) {
            case 0:
                s.satt(n, true);
                m[static_cast<std::size_t>(n)] = true;
                break;
            case 1:
                s.satt(n, false);
                m[static_cast<std::size_t>(n)] = false;
                break;
            case 2:
                s.tomma();
                m.assign(kRows + 1, false);
                break;
            case 3:
                if (random() % 4 == 0) {
                    s.fyllalla();
                    m.assign(kRows + 1, true);
                    m[0] = false;
                }
                break;
            case 4:
                s.och(other);
                for (std::size_t i = 0; i < m.size(); ++i) m[i] = m[i] && o[i];
                break;
            case 5:
                s.eller(other);
                for (std::size_t i = 0; i < m.size(); ++i) m[i] = m[i] || o[i];
                break;
            case 6:
                if (random() % 2 == 0) {
                    s.kopiera(other);
                } else {
                    s.takeRows(other);
                }
                m = o;
                break;
            case 7:
                // Single rows and runs, mostly ascending, now and then going back.
                s.markRows([&](auto marker) {
                    for (std::int32_t row = n; row <= kRows;
                         row += static_cast<std::int32_t>(random() % 300)) {
                        const auto count =
                            static_cast<std::int32_t>(random() % 3 == 0 ? random() % 140 + 1 : 1);
                        if (count == 1) {
                            marker(row);
                        } else {
                            marker(row, count);
                        }
                        for (std::int32_t k = row; k < row + count && k <= kRows; ++k)
                            m[static_cast<std::size_t>(k)] = true;
                        if (random() % 10 == 0) row = static_cast<std::int32_t>(random() % kRows) + 1;
                    }
                    return marker;
                });
                break;
            case 8:
                copy.kopiera(s);
                copied = m;
                break;
        }
        check(s, m, step);
        check(copy, copied, step);
    }
}

}  // namespace
}  // namespace tessla
