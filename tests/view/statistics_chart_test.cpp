#include "view/statistics_chart.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessla {
namespace {

using Rows = std::vector<StatisticsRow>;

constexpr ChartMetrics kMetrics{.lineHeight = 14, .titleHeight = 18, .digitWidth = 7, .valueLabelWidth = 120};

Statistics statisticsOf(Rows rows, std::int32_t persons) {
    Statistics statistics;
    statistics.rows = std::move(rows);
    statistics.persons = persons;
    for (const StatisticsRow& row : statistics.rows) statistics.counted += row.count;
    return statistics;
}

std::vector<std::string> labelsOf(const std::vector<ChartTick>& ticks) {
    std::vector<std::string> labels;
    for (const ChartTick& tick : ticks) labels.push_back(tick.label);
    return labels;
}

TEST(StatisticsChartTest, TheCountAxisEndsAtTheFirstRoundStepAtOrAboveTheLargestCount) {
    struct Case {
        std::int64_t largest;
        int maxSteps;
        CountAxis axis;
    };
    const Case cases[] = {
        {0, 5, {1, 1}},        // nobody: still an axis
        {1, 5, {1, 1}},        // one person
        {7, 5, {8, 2}},        // 2, 4, 6, 8
        {12, 4, {15, 5}},      // 5, 10, 15
        {100, 1, {100, 100}},  // one step
        {5'000'000, 5, {5'000'000, 1'000'000}},
        {5'000'001, 5, {6'000'000, 2'000'000}},
        {5'000'000, 0, {5'000'000, 5'000'000}},  // no room still gives one step
    };
    for (const Case& c : cases) {
        EXPECT_EQ(countAxis(c.largest, c.maxSteps), c.axis) << c.largest << " in " << c.maxSteps;
    }
}

TEST(StatisticsChartTest, YearsAreBinnedInYearOrderWithGapsAndOtherValuesLeftOut) {
    struct Case {
        const char* name;
        Rows rows;
        int first;
        std::vector<std::int32_t> counts;
        std::int32_t leftOutValues;
        std::int64_t leftOutPersons;
    };
    const Case cases[] = {
        {"a single year", {{"1845", 3}}, 1845, {3}, 0, 0},
        {"by count, gaps between", {{"1842", 5}, {"1839", 2}, {"1840", 2}}, 1839, {2, 2, 0, 5}, 0, 0},
        {"not four digits",
         {{"184", 1}, {"1850", 4}, {"18x0", 2}, {"18500", 7}, {"1851", 1}},
         1850,
         {4, 1},
         3,
         10},
        {"nothing but odd values", {{"okänt", 2}}, 0, {}, 1, 2},
    };
    for (const Case& c : cases) {
        const YearBins bins = yearBins(c.rows);
        EXPECT_EQ(bins.counts, c.counts) << c.name;
        if (!c.counts.empty()) {
            EXPECT_EQ(bins.first, c.first) << c.name;
        }
        EXPECT_EQ(bins.leftOutValues, c.leftOutValues) << c.name;
        EXPECT_EQ(bins.leftOutPersons, c.leftOutPersons) << c.name;
    }

    // A century between two years: every year between is a gap.
    const YearBins century = yearBins(Rows{{"1890", 1}, {"1790", 2}});
    ASSERT_EQ(century.counts.size(), 101u);
    EXPECT_EQ(century.counts.front(), 2);
    EXPECT_EQ(century.counts.back(), 1);
    EXPECT_EQ(std::count(century.counts.begin(), century.counts.end(), 0), 99);
}

TEST(StatisticsChartTest, TheTopValuesAreTheLargestCountsWithEqualCountsByTextAndTheRestSummed) {
    Rows rows;
    for (int i = 0; i < 30; ++i) rows.push_back({"v" + std::to_string(100 + i), 100 - i});
    // Equal counts at the cut: the 25th place goes to the first by text.
    rows.push_back({"b", 76});
    rows.push_back({"a", 76});
    const TopValues top = topValues(rows);
    ASSERT_EQ(top.bars.size(), 25u);
    EXPECT_EQ(top.bars.front().text, "v100");
    EXPECT_EQ(top.bars[23].text, "v123");
    EXPECT_EQ(top.bars[24].text, "a") << "equal counts by text";
    EXPECT_EQ(top.restValues, 7);
    EXPECT_EQ(top.restPersons, 76 + 76 + 75 + 74 + 73 + 72 + 71) << "v124 and b, then v125 … v129";

    const TopValues few = topValues(Rows{{"smed", 1}, {"bonde", 5}});
    ASSERT_EQ(few.bars.size(), 2u);
    EXPECT_EQ(few.bars.front().text, "bonde");
    EXPECT_EQ(few.restValues, 0);
    EXPECT_EQ(few.restPersons, 0);
}

TEST(StatisticsChartTest, TheTitleTheNoteAndTheFileNameNameThePropertyAndThePersons) {
    const ChartData years =
        chartData(statisticsOf({{"1845", 2}, {"18?5", 1}}, 1'000'000), StatisticsProperty::Year,
                  "F\xC3\xB6"
                  "delse\xC3\xA5r");
    EXPECT_EQ(years.kind, ChartKind::Years);
    EXPECT_EQ(years.title,
              "F\xC3\xB6"
              "delse\xC3\xA5r f\xC3\xB6r 1 000 000 personer");
    EXPECT_EQ(years.note,
              "Utanf\xC3\xB6r diagrammet: 1 person med f\xC3\xB6"
              "delse\xC3\xA5r som inte \xC3\xA4r fyra siffror");
    EXPECT_EQ(years.fileName, "statistik-fodelsear");

    Rows many;
    for (int i = 0; i < 27; ++i) many.push_back({"yrke" + std::to_string(i), 2});
    const ChartData top = chartData(statisticsOf(many, 60), StatisticsProperty::Occupation, "Vanliga yrken");
    EXPECT_EQ(top.kind, ChartKind::TopValues);
    EXPECT_EQ(top.title, "Vanliga yrken f\xC3\xB6r 60 personer");
    EXPECT_EQ(top.note, "\xC3\x96vriga 2 v\xC3\xA4rden: 4 personer");
    EXPECT_EQ(top.fileName, "statistik-vanliga-yrken");

    EXPECT_EQ(chartData(statisticsOf({{"1845", 1}}, 1), StatisticsProperty::Year, "x").note, "")
        << "nothing left out";
}

TEST(StatisticsChartTest, YearBarsStandOnTheAxisInTheirBinsAndReachTheirCounts) {
    struct Case {
        const char* name;
        Rows rows;
        double width, height;
    };
    const Case cases[] = {
        {"one person", {{"1845", 1}}, 400, 300},
        {"counts of 1 and 5 000 000", {{"1850", 5'000'000}, {"1851", 1}}, 400, 300},
        {"a gap of a century", {{"1790", 3}, {"1890", 3}}, 460, 340},
        {"equal counts", {{"1840", 4}, {"1841", 4}, {"1842", 4}}, 800, 600},
    };
    for (const Case& c : cases) {
        const ChartData data = chartData(statisticsOf(c.rows, 10), StatisticsProperty::Year, "F");
        const ChartLayout layout = layoutChart(data, c.width, c.height, kMetrics);
        ASSERT_EQ(layout.bars.size(), c.rows.size()) << c.name;
        const double bin = layout.plot.width / static_cast<double>(data.years.counts.size());
        for (const ChartBar& bar : layout.bars) {
            const int index = std::stoi(bar.label) - data.years.first;
            EXPECT_DOUBLE_EQ(bar.box.bottom(), layout.plot.bottom()) << c.name;
            EXPECT_GE(bar.box.x, layout.plot.x + index * bin) << c.name << " " << bar.label;
            EXPECT_LE(bar.box.right(), layout.plot.x + (index + 1) * bin) << c.name << " " << bar.label;
            EXPECT_GE(bar.box.height, 1.0) << c.name << ": the smallest count stays visible";
            EXPECT_GE(bar.box.y, layout.plot.y) << c.name;
        }
        // The count axis: round labels from 0, its top at the plot's top, the largest bar no higher.
        ASSERT_GE(layout.countTicks.size(), 2u) << c.name;
        EXPECT_EQ(layout.countTicks.front().label, "0") << c.name;
        EXPECT_DOUBLE_EQ(layout.countTicks.front().position, layout.plot.bottom()) << c.name;
        EXPECT_DOUBLE_EQ(layout.countTicks.back().position, layout.plot.y) << c.name;
        // Everything inside the chart.
        EXPECT_GE(layout.plot.x, 0) << c.name;
        EXPECT_LE(layout.plot.right(), c.width) << c.name;
        EXPECT_LE(layout.plot.bottom(), c.height) << c.name;
    }

    // Heights in proportion on the round axis: 5 000 000 fills the axis, equal counts are equal.
    const ChartLayout big = layoutChart(
        chartData(statisticsOf({{"1850", 5'000'000}, {"1851", 1}}, 5'000'001), StatisticsProperty::Year, "F"),
        400, 300, kMetrics);
    EXPECT_EQ(big.countTicks.back().label, "5 000 000");
    EXPECT_DOUBLE_EQ(big.bars[0].box.y, big.plot.y);
    EXPECT_DOUBLE_EQ(big.bars[1].box.height, 1.0);
    const ChartLayout equal =
        layoutChart(chartData(statisticsOf({{"1840", 4}, {"1841", 4}}, 8), StatisticsProperty::Year, "F"),
                    400, 300, kMetrics);
    EXPECT_DOUBLE_EQ(equal.bars[0].box.height, equal.bars[1].box.height);
    EXPECT_DOUBLE_EQ(equal.bars[0].box.y, equal.plot.y) << "4 on an axis to 4";
}

// A thousand years in 400 pixels: every bar still a pixel wide, inside the plot, a label each
// hundred years.
TEST(StatisticsChartTest, ManyYearsInLittleRoomStillShowEveryBar) {
    const ChartLayout layout = layoutChart(
        chartData(statisticsOf({{"0890", 2}, {"1500", 1}, {"1890", 3}}, 6), StatisticsProperty::Year, "F"),
        400, 300, kMetrics);
    ASSERT_EQ(layout.bars.size(), 3u);
    for (const ChartBar& bar : layout.bars) {
        EXPECT_DOUBLE_EQ(bar.box.width, 1.0) << bar.label;
        EXPECT_GE(bar.box.x, layout.plot.x - 0.5) << bar.label;
        EXPECT_LE(bar.box.right(), layout.plot.right() + 0.5) << bar.label;
    }
    EXPECT_EQ(layout.yearTicks.size(), 101u);  // 890 … 1890
    EXPECT_EQ(layout.yearTicks[11].label, "1000");
    EXPECT_EQ(layout.yearTicks[10].label, "");
}

TEST(StatisticsChartTest, DecadeTicksAreLabelledAsOftenAsTheWidthAllows) {
    struct Case {
        const char* name;
        Rows rows;
        double width;
        std::vector<std::string> labels;
    };
    const Case cases[] = {
        {"a single year names itself", {{"1845", 1}}, 400, {"1845"}},
        {"within a decade: its first and last year", {{"1841", 1}, {"1848", 1}}, 400, {"1841", "1848"}},
        {"a few decades, every one labelled",
         {{"1838", 1}, {"1871", 1}},
         400,
         {"1840", "1850", "1860", "1870"}},
        {"a century: every twentieth year",
         {{"1790", 1}, {"1890", 1}},
         300,
         {"", "1800", "", "1820", "", "1840", "", "1860", "", "1880", ""}},
        {"a century in little room: every fiftieth",
         {{"1790", 1}, {"1890", 1}},
         200,
         {"", "1800", "", "", "", "", "1850", "", "", "", ""}},
    };
    for (const Case& c : cases) {
        const ChartLayout layout = layoutChart(
            chartData(statisticsOf(c.rows, 2), StatisticsProperty::Year, "F"), c.width, 300, kMetrics);
        EXPECT_EQ(labelsOf(layout.yearTicks), c.labels) << c.name;
    }
    // The ticks stand in the middle of their years' bins: 1800 is the eleventh of 101 years.
    const ChartLayout century =
        layoutChart(chartData(statisticsOf({{"1790", 1}, {"1890", 1}}, 2), StatisticsProperty::Year, "F"),
                    300, 300, kMetrics);
    EXPECT_DOUBLE_EQ(century.yearTicks[1].position, century.plot.x + 10.5 * century.plot.width / 101);
}

TEST(StatisticsChartTest, TopValueBarsAreRowsInCountOrderScaledToTheLargest) {
    Rows rows;
    for (int i = 0; i < 40; ++i) rows.push_back({"v" + std::to_string(i), i < 2 ? 5'000'000 : 40 - i});
    for (const auto& [width, height] :
         {std::pair{480.0, 360.0}, std::pair{960.0, 720.0}, std::pair{300.0, 120.0}}) {
        const ChartLayout layout = layoutChart(
            chartData(statisticsOf(rows, 1), StatisticsProperty::Occupation, "Y"), width, height, kMetrics);
        ASSERT_EQ(layout.bars.size(), 25u);
        ASSERT_EQ(layout.valueLabels.size(), 25u);
        EXPECT_DOUBLE_EQ(layout.bars[0].box.width, layout.plot.width);
        EXPECT_DOUBLE_EQ(layout.bars[1].box.width, layout.plot.width) << "equal counts, equal bars";
        EXPECT_DOUBLE_EQ(layout.bars[2].box.width, 1.0) << "38 of 5 000 000 still shows";
        for (std::size_t i = 1; i < layout.bars.size(); ++i) {
            EXPECT_GE(layout.bars[i].box.y, layout.bars[i - 1].box.bottom()) << "rows apart at " << width;
        }
        EXPECT_LE(layout.bars.back().box.bottom(), layout.noteBox.y) << "the note under the bars";
        EXPECT_LE(layout.noteBox.bottom(), height);
        EXPECT_LE(layout.valueLabels[0].right(), layout.plot.x);
        // The labels fit their rows: a line where there is room, smaller where the rows are closer.
        EXPECT_DOUBLE_EQ(layout.labelScale,
                         std::min(1.0, layout.valueLabels[0].height / kMetrics.lineHeight));
        EXPECT_EQ(layout.labelScale < 1, height < 25 * kMetrics.lineHeight + 100) << height;
        EXPECT_EQ(layout.note, "\xC3\x96vriga 15 v\xC3\xA4rden: " + groupedCount(15 * 16 / 2) + " personer");
    }
}

TEST(StatisticsChartTest, APointFindsTheBarUnderItAndNothingInAGapOrWithoutBars) {
    const ChartLayout years =
        layoutChart(chartData(statisticsOf({{"1840", 4}, {"1842", 2}}, 6), StatisticsProperty::Year, "F"),
                    400, 300, kMetrics);
    ASSERT_EQ(years.bars.size(), 2u);
    const ChartBox& second = years.bars[1].box;
    EXPECT_EQ(chartBarAt(years, second.x + second.width / 2, years.plot.y + 2), 1)
        << "above a short bar, in its bin";
    const double gapX = years.plot.x + years.plot.width / 2;  // 1841
    EXPECT_EQ(chartBarAt(years, gapX, years.plot.bottom() - 1), -1);
    EXPECT_EQ(chartBarAt(years, 1, 1), -1);
    EXPECT_EQ(chartBarHint(years.bars[0]), "1840: 4 personer");

    const ChartLayout top = layoutChart(
        chartData(statisticsOf({{"smed", 1}, {"bonde", 9}}, 10), StatisticsProperty::Occupation, "Y"), 400,
        300, kMetrics);
    const ChartBox& smed = top.bars[1].box;
    EXPECT_EQ(chartBarAt(top, smed.x + 0.5, smed.y + smed.height / 2), 1);
    EXPECT_EQ(chartBarAt(top, top.plot.right() - 1, smed.y + smed.height / 2), -1) << "past a short bar";
    EXPECT_EQ(chartBarHint(top.bars[1]), "smed: 1 person");

    const ChartLayout empty =
        layoutChart(chartData(statisticsOf({}, 0), StatisticsProperty::Year, "F"), 400, 300, kMetrics);
    EXPECT_TRUE(empty.bars.empty());
    EXPECT_FALSE(empty.emptyText.empty());
    EXPECT_EQ(chartBarAt(empty, 200, 150), -1);
}

TEST(StatisticsChartTest, CountsAreGroupedByThousands) {
    const std::pair<std::int64_t, const char*> cases[] = {
        {0, "0"}, {1, "1"}, {999, "999"}, {1000, "1 000"}, {5'000'000, "5 000 000"}, {-12345, "-12 345"}};
    for (const auto& [count, text] : cases) EXPECT_EQ(groupedCount(count), text);
}

}  // namespace
}  // namespace tessla
