#include "storage/outline_view.h"

#include <gtest/gtest.h>

#include <vector>

namespace tessla {
namespace {

std::vector<std::int32_t> visibleRows(const OutlineView& view) {
    std::vector<std::int32_t> rows;
    for (std::int32_t r = 0; view.synl().nasta(r);) rows.push_back(r);
    return rows;
}

Tspsmalurval selectionOf(std::int32_t rows, const std::vector<std::int32_t>& set) {
    Tspsmalurval s;
    s.setCapacity(rows);
    s.setUsedSize(rows);
    s.allokera();
    for (const auto r : set) s.satt(r, true);
    return s;
}

// 1 Amerika
// 2   Amerika&B, Boston          3 and 4 are Boston's places
// 3     …&B, Dorchester
// 4     …&B, Roxbury
// 5   Amerika&B, Chicago
// 6 Norge
// 7   Norge&B, Kristiania
const std::vector<std::uint32_t> kTree = {0, 1, 2, 2, 1, 0, 6};

TEST(OutlineViewTest, StartsWithEveryRowExpandedAndMarksLeaves) {
    OutlineView view;
    view.reset(7, kTree);
    ASSERT_TRUE(view.isTree());
    view.byggvy();
    EXPECT_EQ(view.visibleCount(), 7);
    EXPECT_EQ(visibleRows(view), (std::vector<std::int32_t>{1, 2, 3, 4, 5, 6, 7}));
    std::vector<std::int32_t> leaves;
    for (std::int32_t r = 0; view.lov().nasta(r);) leaves.push_back(r);
    EXPECT_EQ(leaves, (std::vector<std::int32_t>{3, 4, 5, 7}));
}

TEST(OutlineViewTest, CollapsesAndExpandsRecursively) {
    OutlineView view;
    view.reset(7, kTree);
    view.byggvy();

    view.komprimera(1);
    EXPECT_EQ(visibleRows(view), (std::vector<std::int32_t>{1, 6, 7}));
    EXPECT_FALSE(view.expanderad().testa(1));
    EXPECT_TRUE(view.expanderad().testa(2));
    EXPECT_EQ(view.visibleCount(), 7);  // not recounted until byggvy

    view.expandera(1);
    EXPECT_EQ(visibleRows(view), (std::vector<std::int32_t>{1, 2, 3, 4, 5, 6, 7}));

    // Collapsed at start-up: only the first level shows; expanding shows one level.
    view.expanderad().tomma();
    view.byggvy();
    EXPECT_EQ(visibleRows(view), (std::vector<std::int32_t>{1, 6}));
    view.expandera(1);
    EXPECT_EQ(visibleRows(view), (std::vector<std::int32_t>{1, 2, 5, 6}));
    view.byggvy();
    EXPECT_EQ(view.visibleCount(), 4);
    EXPECT_EQ(view.synligplats(5), 3);
    EXPECT_EQ(view.synligplats(3), -1);
}

TEST(OutlineViewTest, ChosenRowsDoNotFilterTheTree) {
    // In a tree `vald` holds the user's picks: an unpicked parish and unpicked places still show.
    OutlineView view;
    view.reset(7, kTree);
    const Tspsmalurval vald = selectionOf(7, {3, 6});
    view.setChosen(&vald);
    view.expanderad().tomma();
    view.byggvy();
    EXPECT_EQ(visibleRows(view), (std::vector<std::int32_t>{1, 6}));

    view.expandera(1);
    view.expanderad().satt(2, true);
    view.expandera(2);
    view.byggvy();
    EXPECT_EQ(visibleRows(view), (std::vector<std::int32_t>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(view.synligplats(4), 4);

    view.komprimera(1);
    view.byggvy();
    EXPECT_EQ(visibleRows(view), (std::vector<std::int32_t>{1, 6}));
    EXPECT_EQ(view.synligplats(3), -1);
}

TEST(OutlineViewTest, FlatListCopiesChosenAndIndexesPositions) {
    OutlineView view;
    view.reset(300, {});
    EXPECT_FALSE(view.isTree());
    std::vector<std::int32_t> odd;
    for (std::int32_t r = 1; r <= 201; r += 2) odd.push_back(r);
    const Tspsmalurval vald = selectionOf(300, odd);
    view.setChosen(&vald);
    view.byggvy();

    ASSERT_EQ(view.visibleCount(), 101);
    EXPECT_EQ(view.step(), 2);
    // The index is filled as far as positions are asked for.
    EXPECT_EQ(view.visibleRow(1), 1);
    EXPECT_EQ(view.visibleRow(50), 99);
    EXPECT_EQ(view.visibleRow(101), 201);
    EXPECT_EQ(view.visibleRow(4), 7);
    EXPECT_EQ(view.positionIndex().size(), 51u);
    EXPECT_FALSE(view.visibleRow(102).has_value());
    EXPECT_FALSE(view.visibleRow(0).has_value());
    EXPECT_EQ(view.synligplats(201), 101);
    EXPECT_EQ(view.synligplats(2), -1);

    for (const std::int32_t visible : {1, 100}) {
        std::vector<std::int32_t> rows(static_cast<std::size_t>(visible));
        for (std::int32_t i = 0; i < visible; ++i) rows[static_cast<std::size_t>(i)] = i + 1;
        const Tspsmalurval some = selectionOf(300, rows);
        view.setChosen(&some);
        view.byggvy();
        EXPECT_EQ(view.step(), 1);
        EXPECT_EQ(view.positionIndex().size(), static_cast<std::size_t>(visible));
        EXPECT_EQ(view.visibleRow(visible), visible);
    }

    view.setChosen(nullptr);
    view.byggvy();
    EXPECT_EQ(view.visibleCount(), 0);
    EXPECT_FALSE(view.visibleRow(1).has_value());
    EXPECT_EQ(view.synligplats(1), -1);
}

TEST(OutlineViewTest, DamagedParentTablesStayBounded) {
    // A chain 100 000 rows deep, and parents that point at or past their own row.
    std::vector<std::uint32_t> chain(100000);
    for (std::size_t i = 0; i < chain.size(); ++i) chain[i] = static_cast<std::uint32_t>(i);
    OutlineView view;
    view.reset(100000, chain);
    view.byggvy();
    EXPECT_EQ(view.visibleCount(), 100000);
    view.komprimera(1);
    EXPECT_EQ(visibleRows(view), (std::vector<std::int32_t>{1}));

    const std::vector<std::uint32_t> broken = {0, 2, 0xFFFFFFFF, 7, 0};
    view.reset(5, broken);
    view.byggvy();
    EXPECT_EQ(view.visibleCount(), 5);  // bad links count as top-level rows
    view.expandera(9);
    view.komprimera(-1);
    EXPECT_EQ(view.visibleCount(), 5);

    view.reset(4, broken);  // a table of the wrong size leaves the list flat
    EXPECT_FALSE(view.isTree());
}

}  // namespace
}  // namespace tessla
