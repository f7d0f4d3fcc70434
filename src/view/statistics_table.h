#pragma once

// What the statistics window shows, without pixels: the items of its two combos, the rows counted
// for the chosen property and sort order with their cell texts, and when the rows are counted
// again. The rows are kept between showings and counted again only when they may have changed:
// when the window shows after the result changed, when another property is chosen and when the
// sort order really changes.

#include <cstdint>
#include <span>
#include <string>

#include "database/database.h"
#include "search/statistics.h"

namespace tessla {

struct StatisticsPropertyItem {
    const char* label;  // UTF-8
    StatisticsProperty property;
};
struct StatisticsSortItem {
    const char* label;  // UTF-8
    StatisticsSort sort;
};

// "Räkna:" and its items, in combo order: "Födelseår" first.
inline constexpr const char* kCountLabel = "Räkna:";
std::span<const StatisticsPropertyItem> statisticsPropertyItems();
// The label of `property` among the items.
const char* statisticsPropertyLabel(StatisticsProperty property);
// "Sortera på:" and its items: "Ord" (by value) first, then "Antal".
inline constexpr const char* kSortLabel = "Sortera på:";
std::span<const StatisticsSortItem> statisticsSortItems();

// "Visa:" and its items: the table first, then the chart.
inline constexpr const char* kViewLabel = "Visa:";
inline constexpr const char* kViewItems[] = {"Tabell", "Diagram"};

// The rows the table shows whole: with 23 rows or more the scroll bar shows, running to rows − 21.
inline constexpr std::int32_t kStatisticsVisibleRows = 22;

class StatisticsTable {
  public:
    // The database must outlive the table; the result is its person list's `vald` selection.
    explicit StatisticsTable(Database& db) : db_(db) {}

    // The state of a newly opened database: "Födelseår", by value, no rows, out of date.
    void reset();
    // The result changed: the rows are counted again at the next showing.
    void markOutOfDate() { outOfDate_ = true; }
    bool outOfDate() const { return outOfDate_; }

    // The window shows: counts the rows again when they are out of date. Returns whether it did.
    bool show();
    // Another item of a combo was chosen: counts again when the choice changed. Returns whether
    // it did.
    bool choose(StatisticsProperty property);
    bool sortBy(StatisticsSort sort);

    StatisticsProperty property() const { return property_; }
    StatisticsSort sort() const { return sort_; }
    const Statistics& statistics() const { return statistics_; }
    std::int32_t rowCount() const { return static_cast<std::int32_t>(statistics_.rows.size()); }

    // The text of a cell (Windows-1252), row and column from 1: column 1 " " + the value, column
    // 2 a tab (right-aligned) + the count + " ". Empty outside the rows.
    std::string cell(std::int32_t row, int column) const;
    // The length of the bar behind a row (row from 1) in a column with `room` pixels for bars:
    // the row's share of the largest count of `room`, rounded, and at least 1 for a row with
    // persons; 0 outside the rows and for a row without persons.
    int barLength(std::int32_t row, int room) const;
    // The largest count of the rows, 0 without rows.
    std::int32_t largestCount() const { return largest_; }
    // The line under the table.
    std::string summary() const { return statisticsSummary(statistics_); }

  private:
    void count();

    Database& db_;
    StatisticsProperty property_ = StatisticsProperty::Year;
    StatisticsSort sort_ = StatisticsSort::Value;
    Statistics statistics_;
    std::int32_t largest_ = 0;
    bool outOfDate_ = true;
};

}  // namespace tessla
