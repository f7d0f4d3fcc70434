#pragma once

// The synthetic census's own random numbers: xoshiro256** seeded through splitmix64, with integer-only
// sampling, so that a seed gives the same census on every platform and library version.

#include <algorithm>
#include <cstdint>
#include <vector>

namespace tessla {

class GeneratorRandom {
  public:
    explicit GeneratorRandom(std::uint64_t seed);

    std::uint64_t next();
    // Uniform in [0, n); n > 0. Rejection keeps it exact.
    std::uint64_t below(std::uint64_t n);
    // Uniform in [low, high].
    int between(int low, int high) {
        return low + static_cast<int>(below(static_cast<std::uint64_t>(high - low) + 1));
    }
    bool chance(std::uint32_t perMillion) { return below(1'000'000) < perMillion; }

  private:
    std::uint64_t state_[4];
};

// Items drawn with integer weights.
template <class T>
class WeightedList {
  public:
    void add(T item, std::uint64_t weight) {
        if (weight == 0) return;
        items_.push_back(std::move(item));
        cumulative_.push_back(total() + weight);
    }
    bool empty() const { return items_.empty(); }
    std::uint64_t total() const { return cumulative_.empty() ? 0 : cumulative_.back(); }
    const std::vector<T>& items() const { return items_; }
    // Requires a non-empty list.
    const T& pick(GeneratorRandom& random) const {
        const std::uint64_t r = random.below(total());
        return items_[std::upper_bound(cumulative_.begin(), cumulative_.end(), r) - cumulative_.begin()];
    }

  private:
    std::vector<T> items_;
    std::vector<std::uint64_t> cumulative_;
};

}  // namespace tessla
