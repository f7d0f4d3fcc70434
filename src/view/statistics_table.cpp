#include "view/statistics_table.h"

#include <algorithm>

namespace tessla {

namespace {

constexpr StatisticsPropertyItem kPropertyItems[] = {
    {"Födelseår", StatisticsProperty::Year},
    {"Vanliga yrken", StatisticsProperty::Occupation},
    {"Födelseförsamling", StatisticsProperty::BirthParish},
    {"Födelselän", StatisticsProperty::BirthCounty},
    {"Boendeförsamling", StatisticsProperty::ResidenceParish},
    {"Boendelän", StatisticsProperty::ResidenceCounty},
};

constexpr StatisticsSortItem kSortItems[] = {
    {"Ord", StatisticsSort::Value},
    {"Antal", StatisticsSort::Count},
};

}  // namespace

std::span<const StatisticsPropertyItem> statisticsPropertyItems() {
    return kPropertyItems;
}

const char* statisticsPropertyLabel(StatisticsProperty property) {
    for (const StatisticsPropertyItem& item : kPropertyItems) {
        if (item.property == property) return item.label;
    }
    return "";
}

std::span<const StatisticsSortItem> statisticsSortItems() {
    return kSortItems;
}

void StatisticsTable::reset() {
    property_ = StatisticsProperty::Year;
    sort_ = StatisticsSort::Value;
    statistics_ = {};
    largest_ = 0;
    outOfDate_ = true;
}

bool StatisticsTable::show() {
    if (!outOfDate_) return false;
    count();
    return true;
}

bool StatisticsTable::choose(StatisticsProperty property) {
    if (property == property_) return false;
    property_ = property;
    count();
    return true;
}

bool StatisticsTable::sortBy(StatisticsSort sort) {
    if (sort == sort_) return false;
    sort_ = sort;
    count();
    return true;
}

std::string StatisticsTable::cell(std::int32_t row, int column) const {
    if (row < 1 || row > rowCount()) return {};
    const StatisticsRow& r = statistics_.rows[static_cast<std::size_t>(row - 1)];
    if (column == 1) return " " + r.text;
    if (column == 2) return "\t" + std::to_string(r.count) + " ";
    return {};
}

int StatisticsTable::barLength(std::int32_t row, int room) const {
    if (row < 1 || row > rowCount() || largest_ <= 0) return 0;
    const std::int32_t count = statistics_.rows[static_cast<std::size_t>(row - 1)].count;
    if (count <= 0) return 0;
    return std::max(1, static_cast<int>(count / static_cast<double>(largest_) * room + 0.5));
}

void StatisticsTable::count() {
    statistics_ = buildStatistics(db_, db_.tessllista().vald(), property_, sort_);
    largest_ = 0;
    for (const StatisticsRow& row : statistics_.rows) largest_ = std::max(largest_, row.count);
    outOfDate_ = false;
}

}  // namespace tessla
