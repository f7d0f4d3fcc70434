#include "storage/sorter.h"

#include <string>

namespace tessla {

void Tspsortera::Add(std::string_view key, std::int32_t value) {
    if (count() == capacity_) {
        capacity_ = capacity_ < 16 ? 32 : capacity_ * 2;
        entries_.reserve(static_cast<std::size_t>(capacity_));
    }
    entries_.emplace_back(KeyedEntry{std::string(key), value});
}

}  // namespace tessla
