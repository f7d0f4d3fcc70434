#pragma once

// The chart of the statistics window, without pixels of a font: what the chart shows for the rows
// counted (the birth years as a histogram in year order, any other property as its largest values
// in horizontal bars) and where each bar, tick and text lies for a given size. The painter measures
// its font and draws what the layout says; everything here is arithmetic.
//
// Texts are UTF-8; the values of the rows (Windows-1252) are converted on the way in.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "search/statistics.h"

namespace tessla {

// The values the chart of another property than the birth year shows as bars.
inline constexpr std::size_t kChartTopValues = 25;

// A rectangle in logical pixels, fractional so that narrow bins keep their share of the width.
struct ChartBox {
    double x = 0, y = 0, width = 0, height = 0;
    double right() const { return x + width; }
    double bottom() const { return y + height; }
    bool contains(double px, double py) const { return px >= x && px < right() && py >= y && py < bottom(); }
};

// A count axis from 0 to `top` in steps of 1, 2 or 5 times a power of ten.
struct CountAxis {
    std::int64_t top = 1;
    std::int64_t step = 1;
    friend bool operator==(const CountAxis&, const CountAxis&) = default;
};
// The axis for counts up to `largest` with at most `maxSteps` steps (at least 1): the smallest
// round step that reaches `largest` in that many, and the top at the first step at or above it.
CountAxis countAxis(std::int64_t largest, int maxSteps);

// The year of a value that is four digits, else nothing.
std::optional<int> fourDigitYear(std::string_view text);

// The birth years in year order: one count per year from `first` to `last`, 0 for a year without
// persons (a gap), and the values that are not four digits, left out of the picture.
struct YearBins {
    int first = 0;
    std::vector<std::int32_t> counts;
    std::int32_t leftOutValues = 0;
    std::int64_t leftOutPersons = 0;
    int last() const { return first + static_cast<int>(counts.size()) - 1; }
};
YearBins yearBins(std::span<const StatisticsRow> rows);

// The `limit` largest values, by count and equal counts in the order of their text, and the rest.
struct TopValues {
    std::vector<StatisticsRow> bars;
    std::int32_t restValues = 0;
    std::int64_t restPersons = 0;
};
TopValues topValues(std::span<const StatisticsRow> rows, std::size_t limit = kChartTopValues);

enum class ChartKind : std::uint8_t { Years, TopValues };

// What the chart of a counted result shows, before any size is known.
struct ChartData {
    ChartKind kind = ChartKind::Years;
    std::string title;
    // Years: a bar per year with persons, the gaps as zeros; top values: a bar per value.
    YearBins years;
    TopValues top;
    // The line under the chart, empty when nothing is left out.
    std::string note;
    // The file name a saved picture is offered under, without its suffix.
    std::string fileName;
};
// `propertyLabel` (UTF-8) names the property in the title.
ChartData chartData(const Statistics& statistics, StatisticsProperty property,
                    std::string_view propertyLabel);

// The sizes of text the painter's fonts give, in logical pixels.
struct ChartMetrics {
    double lineHeight = 16;      // a line of the labels
    double titleHeight = 20;     // the title's line
    double digitWidth = 7;       // one digit of the labels
    double valueLabelWidth = 0;  // the widest value label of the top values
};

// A bar and what it stands for; `label` is the value as shown (a year or a value's text).
struct ChartBar {
    ChartBox box;
    std::string label;
    std::int32_t count = 0;
};
// A tick of an axis at `position` (x for years and for the counts of the top values, y for the
// counts of the years); `label` empty for a tick without text.
struct ChartTick {
    double position = 0;
    std::string label;
};

struct ChartLayout {
    ChartKind kind = ChartKind::Years;
    double width = 0, height = 0;
    ChartBox titleBox;
    ChartBox plot;  // the bars' area, the axes along its left and bottom
    std::vector<ChartBar> bars;
    std::vector<ChartTick> countTicks;
    std::vector<ChartTick> yearTicks;
    // The top values: where each bar's value label stands, left of the plot, and the size of the
    // labels against a line of the metrics (below 1 where the rows are closer than a line).
    std::vector<ChartBox> valueLabels;
    double labelScale = 1;
    ChartBox noteBox;  // empty when there is no note
    std::string title;
    std::string note;
    std::string emptyText;  // shown in the plot when there are no bars
};

// The layout of `data` in a chart of `width` × `height` logical pixels.
ChartLayout layoutChart(const ChartData& data, double width, double height, const ChartMetrics& metrics);

// The bar under a point, -1 when none; a thin bar of the years answers across its whole bin.
int chartBarAt(const ChartLayout& layout, double x, double y);
// The hint of a bar: its value and count ("1845: 3 personer").
std::string chartBarHint(const ChartBar& bar);
// A count with a space between groups of three digits ("5 000 000").
std::string groupedCount(std::int64_t count);

}  // namespace tessla
