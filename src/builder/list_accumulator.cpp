#include "builder/list_accumulator.h"

#include <algorithm>

#include "base/cp1252.h"
#include "builder/census_input.h"
#include "storage/collation.h"

namespace tessla {
namespace {

constexpr auto kOrder = CollationOrder::AccentRankOrder;
constexpr std::string_view kPlaceMark = "&B, ";

std::string withoutAmpersand(std::string_view value) {
    std::string text(value);
    std::replace(text.begin(), text.end(), '&', '+');
    return text;
}

bool isPlaceRow(std::string_view text) {
    return text.find('&') != std::string_view::npos;
}

// True when `longer` is `value` followed by a byte below "&" (blank, "!", quote, "#", "$", "%").
bool extendsBelowAmpersand(std::string_view value, std::string_view longer) {
    return longer.size() > value.size() && CollCompareN(value, longer, value.size(), kOrder) == 0 &&
           static_cast<unsigned char>(longer[value.size()]) < '&';
}

}  // namespace

void ListAccumulator::add(std::string_view value, std::uint32_t record) {
    auto found = index_.find(value);
    if (found == index_.end()) {
        found = index_.emplace(std::string(value), static_cast<std::uint32_t>(values_.size())).first;
        values_.push_back({std::string(value), {}});
    }
    std::vector<std::uint32_t>& records = values_[found->second].records;
    if (records.empty() || records.back() != record) records.push_back(record);
}

void ListAccumulator::addPlace(std::string_view value, std::string_view place, std::uint32_t record) {
    const std::string first = withoutAmpersand(value);
    add(first, record);
    if (!place.empty()) add(first + std::string(kPlaceMark) + withoutAmpersand(place), record);
}

std::vector<ListAccumulator::Row> ListAccumulator::finish(std::span<const std::int32_t> personOf, bool tree) {
    index_ = {};
    std::sort(values_.begin(), values_.end(), [](const Value& a, const Value& b) {
        return CollCompareTie(a.text, b.text, static_cast<std::int32_t>(a.records.front()),
                              static_cast<std::int32_t>(b.records.front()), kOrder) < 0;
    });
    std::vector<Row> rows;
    std::uint32_t lastFirstLevel = 0;
    std::uint32_t previousRecord = 0;  // the lowest record of the previous row
    for (Value& value : values_) {
        if (!rows.empty() && CollCompare(rows.back().text, value.text, kOrder) == 0) {
            for (const std::uint32_t record : value.records)
                rows.back().persons.push_back(personOf[record - 1]);
        } else {
            const bool firstLevel = tree && !isPlaceRow(value.text);
            if (firstLevel && !rows.empty() && rows.back().firstLevel &&
                extendsBelowAmpersand(rows.back().text, value.text)) {
                throw CensusInputError(
                    "rows " + std::to_string(previousRecord) + " and " +
                    std::to_string(value.records.front()) + " of the census: the values \"" +
                    cp1252ToUtf8(rows.back().text).str() + "\" and \"" + cp1252ToUtf8(value.text).str() +
                    "\" cannot both be places of a list: the second would sort between the "
                    "first and its places");
            }
            previousRecord = value.records.front();
            if (firstLevel) lastFirstLevel = static_cast<std::uint32_t>(rows.size() + 1);
            rows.push_back({std::move(value.text), {}, firstLevel, tree && !firstLevel ? lastFirstLevel : 0});
            rows.back().persons.reserve(value.records.size());
            for (const std::uint32_t record : value.records)
                rows.back().persons.push_back(personOf[record - 1]);
        }
        value.records = {};
    }
    values_ = {};
    for (Row& row : rows) {
        std::sort(row.persons.begin(), row.persons.end());
        row.persons.erase(std::unique(row.persons.begin(), row.persons.end()), row.persons.end());
    }
    return rows;
}

}  // namespace tessla
