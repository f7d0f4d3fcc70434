#include "builder/generator_random.h"

namespace tessla {

namespace {

std::uint64_t splitMix(std::uint64_t& x) {
    std::uint64_t z = (x += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

std::uint64_t rotateLeft(std::uint64_t x, int k) {
    return (x << k) | (x >> (64 - k));
}

}  // namespace

GeneratorRandom::GeneratorRandom(std::uint64_t seed) {
    for (std::uint64_t& word : state_) word = splitMix(seed);
}

std::uint64_t GeneratorRandom::next() {
    const std::uint64_t result = rotateLeft(state_[1] * 5, 7) * 9;
    const std::uint64_t t = state_[1] << 17;
    state_[2] ^= state_[0];
    state_[3] ^= state_[1];
    state_[1] ^= state_[2];
    state_[0] ^= state_[3];
    state_[2] ^= t;
    state_[3] = rotateLeft(state_[3], 45);
    return result;
}

std::uint64_t GeneratorRandom::below(std::uint64_t n) {
    // Values under 2^64 mod n would make the low residues more likely.
    const std::uint64_t threshold = (0 - n) % n;
    for (;;) {
        const std::uint64_t x = next();
        if (x >= threshold) return x % n;
    }
}

}  // namespace tessla
