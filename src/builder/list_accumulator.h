#pragma once

// Collects the rows of one word list while the census is read, then turns them into the rows
// the list stores: sorted in the list's order, values equal under that order merged (keeping
// the spelling of the lowest record), persons as ascending person numbers.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tessla {

class ListAccumulator {
  public:
    struct Row {
        std::string text;
        std::vector<std::int32_t> persons;  // ascending, no duplicates
        bool firstLevel;                    // a tree list's first-level row
        std::uint32_t parent;               // a second-level row's parent row, else 0
    };

    // `record` (1-based) belongs to the row `value`. Records must come in ascending order.
    void add(std::string_view value, std::uint32_t record);
    // A tree list's first-level row `value` and, when `place` is not empty, its second-level row
    // (text: value + "&B, " + place). "&" in either is written "+".
    void addPlace(std::string_view value, std::string_view place, std::uint32_t record);

    // The rows in stored order, persons given by `personOf[record − 1]`; the values are freed.
    // For a tree list, throws CensusInputError when a first-level value is extended by another
    // with a byte below "&", which would separate a row from its places.
    std::vector<Row> finish(std::span<const std::int32_t> personOf, bool tree);

    // The row holding `value` exactly as added so far, or null.
    bool contains(std::string_view value) const { return index_.find(value) != index_.end(); }

  private:
    struct Value {
        std::string text;
        std::vector<std::uint32_t> records;  // ascending
    };
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>()(s); }
    };

    std::unordered_map<std::string, std::uint32_t, Hash, std::equal_to<>> index_;
    std::vector<Value> values_;
};

}  // namespace tessla
