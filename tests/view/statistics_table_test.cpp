#include "view/statistics_table.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "census_fixture.h"
#include "search/statistics.h"
#include "test_text.h"
#include "view/scroll_rows.h"

namespace tessla {
namespace {

using test::CensusFixture;
using test::CensusRow;

using test::w;
using Rows = std::vector<std::pair<std::string, std::int32_t>>;

// Eight persons born in four years, one without a year.
std::vector<CensusRow> yearCensus() {
    std::vector<CensusRow> rows;
    int n = 0;
    for (const char* year : {"1842", "1830", "1845", "1830", "1850", "1842", "1830", "1845", ""}) {
        rows.push_back(
            {{"POSTID", "P-" + std::to_string(++n)}, {"FNAMN", "Anna"}, {"ENAMN", "Lind"}, {"FODAR", year}});
    }
    return rows;
}

class StatisticsTableTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { census_ = new CensusFixture(yearCensus()); }
    static void TearDownTestSuite() { delete census_; }
    void SetUp() override { census_->showAllPersons(); }

    Rows rows() const {
        Rows out;
        for (const StatisticsRow& r : table_.statistics().rows) out.emplace_back(r.text, r.count);
        return out;
    }

    static CensusFixture* census_;
    StatisticsTable table_{census_->db()};
};

CensusFixture* StatisticsTableTest::census_ = nullptr;

TEST(StatisticsItemsTest, TheCombosOfferTheSixPropertiesAndTheTwoOrders) {
    const std::vector<std::pair<std::string, StatisticsProperty>> properties = {
        {"Födelseår", StatisticsProperty::Year},
        {"Vanliga yrken", StatisticsProperty::Occupation},
        {"Födelseförsamling", StatisticsProperty::BirthParish},
        {"Födelselän", StatisticsProperty::BirthCounty},
        {"Boendeförsamling", StatisticsProperty::ResidenceParish},
        {"Boendelän", StatisticsProperty::ResidenceCounty},
    };
    std::vector<std::pair<std::string, StatisticsProperty>> shown;
    for (const StatisticsPropertyItem& item : statisticsPropertyItems())
        shown.emplace_back(item.label, item.property);
    EXPECT_EQ(shown, properties);
    ASSERT_EQ(statisticsSortItems().size(), 2u);
    EXPECT_STREQ(statisticsSortItems()[0].label, "Ord");
    EXPECT_EQ(statisticsSortItems()[0].sort, StatisticsSort::Value);
    EXPECT_STREQ(statisticsSortItems()[1].label, "Antal");
    EXPECT_EQ(statisticsSortItems()[1].sort, StatisticsSort::Count);
}

TEST(StatisticsItemsTest, TheScrollBarShowsFromTwentyThreeRowsAndRunsToRowsLessTwentyOne) {
    for (const auto& [rows, maximum] : std::vector<std::pair<std::int32_t, std::int32_t>>{
             {0, 0}, {1, 0}, {22, 0}, {23, 2}, {24, 3}, {500, 479}}) {
        EXPECT_EQ(scrollMaximum(rows, kStatisticsVisibleRows), maximum) << rows << " rows";
    }
}

TEST_F(StatisticsTableTest, CountsByValueAndByCountWithTheirCells) {
    EXPECT_TRUE(table_.outOfDate());
    EXPECT_TRUE(table_.show());
    EXPECT_EQ(rows(), (Rows{{"1830", 3}, {"1842", 2}, {"1845", 2}, {"1850", 1}}));
    EXPECT_EQ(table_.cell(1, 1), " 1830");
    EXPECT_EQ(table_.cell(1, 2), "\t3 ");
    EXPECT_EQ(table_.cell(4, 2), "\t1 ");
    EXPECT_EQ(table_.cell(0, 1), "");
    EXPECT_EQ(table_.cell(5, 1), "");
    EXPECT_EQ(table_.summary(), w("4 rader, baserat på 9 poster (1 saknar uppgift)"));

    EXPECT_TRUE(table_.sortBy(StatisticsSort::Count));
    EXPECT_EQ(rows(), (Rows{{"1830", 3}, {"1842", 2}, {"1845", 2}, {"1850", 1}}))
        << "equal counts in the order of their text";
    EXPECT_FALSE(table_.sortBy(StatisticsSort::Count)) << "the same order again counts nothing";
    EXPECT_TRUE(table_.sortBy(StatisticsSort::Value));
    EXPECT_EQ(rows().size(), 4u);
}

TEST_F(StatisticsTableTest, EachRowsBarIsItsShareOfTheLargestCountInBothOrders) {
    ASSERT_TRUE(table_.show());
    const struct {
        int room;
        std::vector<int> lengths;  // rows 0 … 5: outside, the four rows, outside
    } cases[] = {
        {300, {0, 300, 200, 200, 100, 0}},
        {10, {0, 10, 7, 7, 3, 0}},  // rounded
        {1, {0, 1, 1, 1, 1, 0}},    // every row with persons shows a bar
    };
    for (const StatisticsSort sort : {StatisticsSort::Value, StatisticsSort::Count}) {
        table_.sortBy(sort);
        // Rows 1 … 4 are 1830 (3), 1842 (2), 1845 (2), 1850 (1) in both orders here.
        for (const auto& c : cases) {
            std::vector<int> lengths;
            for (std::int32_t row = 0; row <= table_.rowCount() + 1; ++row)
                lengths.push_back(table_.barLength(row, c.room));
            EXPECT_EQ(lengths, c.lengths) << c.room << " pixels";
        }
    }
    table_.choose(StatisticsProperty::ResidenceParish);
    EXPECT_EQ(table_.barLength(1, 300), 0) << "no rows, no bars";
    EXPECT_STREQ(statisticsPropertyLabel(StatisticsProperty::BirthCounty), "Födelselän");
}

TEST_F(StatisticsTableTest, CountsAgainOnlyWhenTheResultOrTheChoiceChanged) {
    ASSERT_TRUE(table_.show());
    EXPECT_FALSE(table_.show()) << "a second showing keeps the rows";

    // A deselection changes the result: the rows must not count the removed person.
    const Rows before = rows();
    Tspsmalurval& result = census_->db().tessllista().vald();
    result.satt(1, false);
    table_.markOutOfDate();
    EXPECT_TRUE(table_.show());
    EXPECT_NE(rows(), before);
    const Statistics fresh =
        buildStatistics(census_->db(), result, StatisticsProperty::Year, StatisticsSort::Value);
    ASSERT_EQ(rows().size(), fresh.rows.size());
    for (std::size_t i = 0; i < fresh.rows.size(); ++i) {
        EXPECT_EQ(rows()[i], std::make_pair(fresh.rows[i].text, fresh.rows[i].count));
    }
    EXPECT_TRUE(table_.summary().starts_with(w("4 rader, baserat på 8 poster"))) << table_.summary();

    EXPECT_FALSE(table_.choose(StatisticsProperty::Year));
    EXPECT_TRUE(table_.choose(StatisticsProperty::ResidenceParish));
    EXPECT_EQ(table_.rowCount(), 0) << "no residence parishes in this census";
    EXPECT_EQ(table_.summary(), w("0 rader, baserat på 8 poster (8 saknar uppgift)"));
}

TEST_F(StatisticsTableTest, ResetGoesBackToTheFirstItemsWithoutRows) {
    ASSERT_TRUE(table_.show());
    table_.choose(StatisticsProperty::Occupation);
    table_.sortBy(StatisticsSort::Count);
    table_.reset();
    EXPECT_EQ(table_.property(), StatisticsProperty::Year);
    EXPECT_EQ(table_.sort(), StatisticsSort::Value);
    EXPECT_EQ(table_.rowCount(), 0);
    EXPECT_TRUE(table_.outOfDate());
}

}  // namespace
}  // namespace tessla
