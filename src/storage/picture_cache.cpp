#include "storage/picture_cache.h"

#include <charconv>

namespace tessla {

std::optional<int> CacheRanks::find(std::string_view name) const {
    const auto at = std::lower_bound(names_.begin(), names_.end(), name);
    if (at == names_.end() || *at != name) return std::nullopt;
    return static_cast<int>(at - names_.begin());
}

void CacheRanks::touch(int index) {
    const int used = rank(index);
    for (int& other : ranks_) {
        if (other < used) ++other;
    }
    ranks_[static_cast<std::size_t>(index)] = 1;
}

std::optional<int> CacheRanks::evictIfFull() {
    if (size() < capacity_) return std::nullopt;
    const auto index = std::max_element(ranks_.begin(), ranks_.end()) - ranks_.begin();
    names_.erase(names_.begin() + index);
    ranks_.erase(ranks_.begin() + index);
    return static_cast<int>(index);
}

int CacheRanks::insert(std::string_view name) {
    for (int& other : ranks_) ++other;
    const auto at = std::lower_bound(names_.begin(), names_.end(), name);
    const auto index = at - names_.begin();
    names_.emplace(at, name);
    ranks_.insert(ranks_.begin() + index, 1);
    return static_cast<int>(index);
}

namespace {

// The number after the "C" of a placement code, or nothing when the code is not "C" and a number.
std::optional<int> placementNumber(std::string_view placement) {
    if (placement.size() < 2 || placement.front() != 'C') return std::nullopt;
    int number = 0;
    const char* end = placement.data() + placement.size();
    const auto [stop, error] = std::from_chars(placement.data() + 1, end, number);
    if (error != std::errc() || stop != end) return std::nullopt;
    return number;
}

}  // namespace

FigurePosition placeFigure(std::string_view placement, int left, int top, int width, int height,
                           int pictureWidth, int pictureHeight) {
    const int centre = left + (width - pictureWidth) / 2;
    const int right = left + width - pictureWidth;
    const int bottom = top + height - pictureHeight;
    switch (placementNumber(placement).value_or(0)) {
        case 2:
            return {centre, top};
        case 3:
            return {right, top};
        case 5:
            return {right, bottom};
        case 6:
            return {centre, bottom};
        case 7:
            return {left, bottom};
        default:
            return {left, top};
    }
}

}  // namespace tessla
