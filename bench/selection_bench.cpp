// Selections over 6 000 000 persons: combining, counting and walking, beside a plain memcpy of
// the same bytes as the yardstick.

#include <benchmark/benchmark.h>

#include <cstring>
#include <random>
#include <vector>

#include "storage/selection.h"

namespace tessla {
namespace {

constexpr std::int32_t kPersons = 6000000;

// A selection with about one row in `every` set.
Tspsmalurval randomSelection(std::int32_t every, unsigned seed) {
    Tspsmalurval s;
    s.setCapacity(kPersons);
    s.setUsedSize(kPersons);
    s.allokera();
    std::mt19937 random(seed);
    for (std::int32_t n = 1; n <= kPersons; ++n) {
        if (random() % static_cast<unsigned>(every) == 0) s.satt(n, true);
    }
    return s;
}

void setBytes(benchmark::State& state, std::int64_t bytesPerIteration) {
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * bytesPerIteration);
}

void BM_Memcpy(benchmark::State& state) {
    std::vector<char> from(kPersons / 8, 1), to(kPersons / 8);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), from.size());
        benchmark::ClobberMemory();
    }
    setBytes(state, kPersons / 8);
}
BENCHMARK(BM_Memcpy);

// Combines a selection with one row in `every` set into another, with a third of its rows set.
void BM_Combine(benchmark::State& state, void (Tspsmalurval::*combine)(const Tspsmalurval&),
                std::int32_t every) {
    Tspsmalurval a = randomSelection(every, 1);
    const Tspsmalurval b = randomSelection(3, 2);
    for (auto _ : state) {
        (a.*combine)(b);
        benchmark::ClobberMemory();
    }
    setBytes(state, a.byteSize());
}
BENCHMARK_CAPTURE(BM_Combine, och, &Tspsmalurval::och, 2);
BENCHMARK_CAPTURE(BM_Combine, eller, &Tspsmalurval::eller, 50);

void BM_Antal(benchmark::State& state) {
    const Tspsmalurval a = randomSelection(3, 1);
    for (auto _ : state) benchmark::DoNotOptimize(a.antal());
    setBytes(state, a.byteSize());
}
BENCHMARK(BM_Antal);

// Walks every set row; Arg = one row in every N set (1 = dense, 100000 = sparse).
void BM_Nasta(benchmark::State& state) {
    const Tspsmalurval a = randomSelection(static_cast<std::int32_t>(state.range(0)), 3);
    std::int64_t rows = 0;
    for (auto _ : state) {
        for (std::int32_t r = 0; a.nasta(r);) ++rows;
    }
    state.counters["rows_per_second"] =
        benchmark::Counter(static_cast<double>(rows), benchmark::Counter::kIsRate);
    setBytes(state, a.byteSize());
}
BENCHMARK(BM_Nasta)->Arg(1)->Arg(20)->Arg(100000);

}  // namespace
}  // namespace tessla

BENCHMARK_MAIN();
