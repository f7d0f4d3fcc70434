#include "view/statistics_chart.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>

#include "base/cp1252.h"
#include "base/string_utils.h"

namespace tessla {

namespace {

constexpr double kMargin = 8;
constexpr double kGap = 6;
// A bar of the years is never wider than this many lines of text, so a single year stays a bar.
constexpr double kWidestYearBar = 3;
// The labelled decades: the first of these steps whose labels do not crowd.
constexpr std::array<int, 7> kYearLabelSteps = {10, 20, 50, 100, 200, 500, 1000};

std::string persons(std::int64_t count) {
    return groupedCount(count) + (count == 1 ? " person" : " personer");
}

// The UTF-8 label as a file name: lower case, å ä ö as a and o, other letters and digits kept,
// anything else a hyphen.
std::string fileNameOf(std::string_view label) {
    const std::string cp1252 = utf8ToCp1252(Utf8View(label)).value_or(std::string(label));
    std::string name = "statistik-";
    for (const char c : cp1252) {
        const auto byte = static_cast<unsigned char>(c);
        char out = '-';
        if (byte == 0xE5 || byte == 0xE4 || byte == 0xC5 || byte == 0xC4)
            out = 'a';
        else if (byte == 0xF6 || byte == 0xD6)
            out = 'o';
        else if (std::isalnum(byte) && byte < 0x80)
            out = static_cast<char>(std::tolower(byte));
        if (out != '-' || name.back() != '-') name += out;
    }
    if (name.back() == '-') name.pop_back();
    return name;
}

std::string yearsNote(const YearBins& years) {
    if (years.leftOutValues == 0) return {};
    return "Utanf\xC3\xB6r diagrammet: " + persons(years.leftOutPersons) +
           " med f\xC3\xB6"
           "delse\xC3\xA5r som inte \xC3\xA4r fyra siffror";
}

std::string topNote(const TopValues& top) {
    if (top.restValues == 0) return {};
    return "\xC3\x96vriga " + groupedCount(top.restValues) +
           (top.restValues == 1 ? " v\xC3\xA4rde: " : " v\xC3\xA4rden: ") + persons(top.restPersons);
}

// The width of a count's label.
double countWidth(std::int64_t count, const ChartMetrics& metrics) {
    return static_cast<double>(groupedCount(count).size()) * metrics.digitWidth;
}

// The title at the top, the note at the bottom; returns the space left between them.
ChartBox frameTexts(ChartLayout& layout, const ChartData& data, const ChartMetrics& metrics) {
    const double inner = std::max(0.0, layout.width - 2 * kMargin);
    layout.title = data.title;
    layout.titleBox = {kMargin, kMargin, inner, metrics.titleHeight};
    double bottom = layout.height - kMargin;
    if (!data.note.empty()) {
        layout.note = data.note;
        layout.noteBox = {kMargin, bottom - metrics.lineHeight, inner, metrics.lineHeight};
        bottom = layout.noteBox.y - kGap;
    }
    const double top = layout.titleBox.bottom() + kGap;
    return {kMargin, top, inner, std::max(0.0, bottom - top)};
}

// The step between labelled decades for bins `binWidth` wide.
int yearLabelStep(double binWidth, const ChartMetrics& metrics) {
    const double room = 4 * metrics.digitWidth + kGap;
    for (const int step : kYearLabelSteps) {
        if (step * binWidth >= room) return step;
    }
    return kYearLabelSteps.back();
}

void layoutYears(ChartLayout& layout, const YearBins& years, ChartBox area, const ChartMetrics& metrics) {
    if (years.counts.empty()) return;
    const std::int32_t largest = *std::ranges::max_element(years.counts);
    const double yearLabels = metrics.lineHeight + 4;
    const double plotHeight = std::max(1.0, area.height - yearLabels - metrics.lineHeight / 2);
    const CountAxis axis =
        countAxis(largest, std::max(1, static_cast<int>(plotHeight / (3 * metrics.lineHeight))));
    const double left = area.x + countWidth(axis.top, metrics) + kGap;
    // Half a year label's room on the right, so that the last label is not cut.
    const double right = area.right() - 2 * metrics.digitWidth;
    layout.plot = {left, area.y + metrics.lineHeight / 2, std::max(1.0, right - left), plotHeight};
    const ChartBox& plot = layout.plot;

    for (std::int64_t value = 0; value <= axis.top; value += axis.step) {
        const double y =
            plot.bottom() - static_cast<double>(value) / static_cast<double>(axis.top) * plot.height;
        layout.countTicks.push_back({y, groupedCount(value)});
    }

    const double bin = plot.width / static_cast<double>(years.counts.size());
    const double gap = bin >= 4 ? 1 : 0;
    // At least a pixel wide, so that a year among many still shows.
    const double barWidth = std::max(1.0, std::min(bin - gap, kWidestYearBar * metrics.lineHeight));
    for (std::size_t i = 0; i < years.counts.size(); ++i) {
        const std::int32_t count = years.counts[i];
        if (count == 0) continue;
        const double height = std::max(1.0, count / static_cast<double>(axis.top) * plot.height);
        const double x = plot.x + static_cast<double>(i) * bin + (bin - barWidth) / 2;
        layout.bars.push_back({{x, plot.bottom() - height, barWidth, height},
                               std::to_string(years.first + static_cast<int>(i)),
                               count});
    }

    const auto xOf = [&](int year) { return plot.x + (year - years.first + 0.5) * bin; };
    const int step = yearLabelStep(bin, metrics);
    const int firstDecade = (years.first + 9) / 10 * 10;
    for (int decade = firstDecade; decade <= years.last(); decade += 10) {
        layout.yearTicks.push_back(
            {xOf(decade), decade % step == 0 ? std::to_string(decade) : std::string()});
    }
    // A range within one decade names its own years.
    if (layout.yearTicks.empty()) {
        layout.yearTicks.push_back({xOf(years.first), std::to_string(years.first)});
        if (years.last() != years.first &&
            (years.last() - years.first) * bin >= 4 * metrics.digitWidth + kGap)
            layout.yearTicks.push_back({xOf(years.last()), std::to_string(years.last())});
    }
}

void layoutTop(ChartLayout& layout, const TopValues& top, ChartBox area, const ChartMetrics& metrics) {
    if (top.bars.empty()) return;
    const double rows = static_cast<double>(top.bars.size());
    const double pitch = std::min(metrics.lineHeight * 1.4, area.height / rows);
    layout.labelScale = std::min(1.0, pitch / metrics.lineHeight);
    const double labels = std::min(metrics.valueLabelWidth, area.width * 0.4);
    const double largest = top.bars.front().count;
    const double left = area.x + labels + kGap;
    const double right = area.right() - countWidth(top.bars.front().count, metrics) - kGap;
    layout.plot = {left, area.y, std::max(1.0, right - left), pitch * rows};
    const double barHeight = std::max(1.0, std::round(pitch * 0.72));
    for (std::size_t i = 0; i < top.bars.size(); ++i) {
        const StatisticsRow& row = top.bars[i];
        const double y = area.y + static_cast<double>(i) * pitch;
        const double length = std::max(1.0, row.count / largest * layout.plot.width);
        layout.bars.push_back({{left, y + (pitch - barHeight) / 2, length, barHeight},
                               cp1252ToUtf8(row.text).str(),
                               row.count});
        layout.valueLabels.push_back({area.x, y, labels, pitch});
    }
}

}  // namespace

CountAxis countAxis(std::int64_t largest, int maxSteps) {
    largest = std::max<std::int64_t>(largest, 1);
    maxSteps = std::max(maxSteps, 1);
    for (std::int64_t power = 1;; power *= 10) {
        for (const std::int64_t factor : {1, 2, 5}) {
            const std::int64_t step = factor * power;
            const std::int64_t steps = (largest + step - 1) / step;
            if (steps <= maxSteps) return {steps * step, step};
        }
    }
}

std::optional<int> fourDigitYear(std::string_view text) {
    if (text.size() != 4 || !std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    return std::stoi(std::string(text));
}

YearBins yearBins(std::span<const StatisticsRow> rows) {
    YearBins bins;
    int first = 10000, last = -1;
    for (const StatisticsRow& row : rows) {
        if (const auto year = fourDigitYear(row.text)) {
            first = std::min(first, *year);
            last = std::max(last, *year);
        } else {
            ++bins.leftOutValues;
            bins.leftOutPersons += row.count;
        }
    }
    if (last < 0) return bins;
    bins.first = first;
    bins.counts.assign(static_cast<std::size_t>(last - first + 1), 0);
    for (const StatisticsRow& row : rows) {
        if (const auto year = fourDigitYear(row.text))
            bins.counts[static_cast<std::size_t>(*year - first)] += row.count;
    }
    return bins;
}

TopValues topValues(std::span<const StatisticsRow> rows, std::size_t limit) {
    TopValues top;
    top.bars.resize(std::min(limit, rows.size()));
    std::ranges::partial_sort_copy(rows, top.bars, countBefore);
    top.restValues = static_cast<std::int32_t>(rows.size() - top.bars.size());
    for (const StatisticsRow& row : rows) top.restPersons += row.count;
    for (const StatisticsRow& row : top.bars) top.restPersons -= row.count;
    return top;
}

ChartData chartData(const Statistics& statistics, StatisticsProperty property,
                    std::string_view propertyLabel) {
    ChartData data;
    data.title = std::string(propertyLabel) + " f\xC3\xB6r " + persons(statistics.persons);
    data.fileName = fileNameOf(propertyLabel);
    if (property == StatisticsProperty::Year) {
        data.kind = ChartKind::Years;
        data.years = yearBins(statistics.rows);
        data.note = yearsNote(data.years);
    } else {
        data.kind = ChartKind::TopValues;
        data.top = topValues(statistics.rows);
        data.note = topNote(data.top);
    }
    return data;
}

ChartLayout layoutChart(const ChartData& data, double width, double height, const ChartMetrics& metrics) {
    ChartLayout layout;
    layout.kind = data.kind;
    layout.width = width;
    layout.height = height;
    const ChartBox area = frameTexts(layout, data, metrics);
    if (data.kind == ChartKind::Years)
        layoutYears(layout, data.years, area, metrics);
    else
        layoutTop(layout, data.top, area, metrics);
    if (layout.bars.empty()) {
        layout.plot = area;
        layout.emptyText = "Inga v\xC3\xA4rden att visa";
    }
    return layout;
}

int chartBarAt(const ChartLayout& layout, double x, double y) {
    if (!layout.plot.contains(x, y)) return -1;
    for (std::size_t i = 0; i < layout.bars.size(); ++i) {
        const ChartBox& box = layout.bars[i].box;
        // Years answer across the plot's height, top values across their row.
        const bool across = layout.kind == ChartKind::Years
                                ? x >= box.x - 0.5 && x < box.right() + 0.5
                                : y >= box.y - 2 && y < box.bottom() + 2 && x < box.right() + 2;
        if (across) return static_cast<int>(i);
    }
    return -1;
}

std::string chartBarHint(const ChartBar& bar) {
    return bar.label + ": " + persons(bar.count);
}

std::string groupedCount(std::int64_t count) {
    return groupedDigits(count, ' ');
}

}  // namespace tessla
