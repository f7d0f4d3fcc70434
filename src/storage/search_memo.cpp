#include "storage/search_memo.h"

#include <string>

namespace tessla {

void Tsphash::Add(std::string_view key, std::int32_t value) {
    if (count() >= capacity_ || Find(key).position != 0) return;
    entries_.push_back({std::string(key), value});
    if (keepSorted_) Sort();
}

Tsphash::Found Tsphash::Find(std::string_view key) const {
    for (int i = 1; i <= count(); ++i) {
        if (CollCompare(key, entry(i).key, order_) == 0) return {i, entry(i).value};
    }
    return {0, 0};
}

Tsphash::Bracket Tsphash::Range(std::string_view key) const {
    Bracket bracket{0, 0};
    for (int i = 1; i <= count(); ++i) {
        if (CollCompare(key, entry(i).key, order_) <= 0) {
            if (i > 1) bracket.low = entry(i - 1).value;
            break;
        }
    }
    for (int j = count(); j >= 1; --j) {
        if (CollCompare(key, entry(j).key, order_) >= 0) {
            if (j < count()) bracket.high = entry(j + 1).value;
            break;
        }
    }
    return bracket;
}

}  // namespace tessla
