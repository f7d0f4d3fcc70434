#include "search/statistics.h"

#include <algorithm>

#include "storage/collation.h"

namespace tessla {

namespace {

// The word list of each property, as a slot of `listtabell`.
int listSlot(StatisticsProperty property) {
    switch (property) {
        case StatisticsProperty::Year:
            return 4;
        case StatisticsProperty::Occupation:
            return 40;
        case StatisticsProperty::BirthParish:
            return 18;
        case StatisticsProperty::BirthCounty:
            return 17;
        case StatisticsProperty::ResidenceParish:
            return 15;
        case StatisticsProperty::ResidenceCounty:
            return 14;
    }
    return 0;
}

// Second-level rows of a tree list carry this marker.
constexpr std::string_view kSecondLevel = "&B";

bool textBefore(const std::string& a, const std::string& b) {
    const int order = CollCompare(a, b, CollationOrder::SwedishOrder);
    return order != 0 ? order < 0 : a < b;
}

}  // namespace

bool countBefore(const StatisticsRow& a, const StatisticsRow& b) {
    return a.count != b.count ? a.count > b.count : textBefore(a.text, b.text);
}

Statistics buildStatistics(Database& db, const Tspsmalurval& result, StatisticsProperty property,
                           StatisticsSort sort) {
    Statistics statistics;
    statistics.persons = result.antal();
    TSPstruktlista* list = db.listtabell(listSlot(property));
    if (list == nullptr || !list->isOpen()) return statistics;
    for (std::int32_t n = 1; n <= list->rowCount(); ++n) {
        list->lasrad(n);
        if (list->currentRow() != n || list->text().find(kSecondLevel) != std::string::npos) continue;
        const std::int32_t count = list->rakna(result).hits;
        if (count == 0) continue;
        statistics.rows.push_back({list->text(), count});
        statistics.counted += count;
    }
    const auto byText = [](const StatisticsRow& a, const StatisticsRow& b) {
        return textBefore(a.text, b.text);
    };
    if (sort == StatisticsSort::Count)
        std::ranges::sort(statistics.rows, countBefore);
    else
        std::ranges::sort(statistics.rows, byText);
    return statistics;
}

std::string statisticsSummary(const Statistics& statistics) {
    return std::to_string(statistics.rows.size()) + " rader, baserat p\xE5 " +
           std::to_string(statistics.persons) + " poster (" +
           std::to_string(statistics.persons - statistics.counted) + " saknar uppgift)";
}

}  // namespace tessla
