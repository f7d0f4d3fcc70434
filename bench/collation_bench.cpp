// Cost of the collated comparison per byte, and of sorting census-like names with the sorter
// beside std::sort using the same comparison.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "base/cp1252.h"
#include "storage/collation.h"
#include "storage/sorter.h"

namespace tessla {
namespace {

std::string cp(const char* utf8) {
    return utf8ToCp1252(Utf8View(utf8)).value();
}

// "Surname, First names" with a Zipf-like spread of patronymic surnames, as in the result list.
std::vector<std::string> censusNames(std::size_t count) {
    const std::vector<std::string> surnames = {
        "Andersson", "Johansson",   "Karlsson",   "Nilsson",    "Eriksson",      "Larsson",   "Olsson",
        "Persson",   "Svensson",    "Gustafsson", "Pettersson", "Jonsson",       "Jansson",   "Carlsson",
        "Hansson",   "Bengtsson",   "Lindberg",   "Jakobsson",  cp("Öberg"),     cp("Åberg"), cp("Ström"),
        "Lundqvist", cp("Sjöberg"), "Wallin",     cp("Müller"), cp("Bäckström"), "Holm",      cp("Sandén")};
    const std::vector<std::string> firstNames = {
        "Anna",   "Maria",   "Johan",     "Karl",     "Erik", "Kristina", "Lars", "Per",   "Johanna", "Carl",
        "Gustaf", "Augusta", cp("Märta"), "Elisabet", "Olof", "Nils",     "Emma", "Hilda", "Axel"};
    std::mt19937 random(1890);
    std::vector<double> weights;
    for (std::size_t i = 0; i < surnames.size(); ++i) weights.push_back(1.0 / static_cast<double>(i + 1));
    std::discrete_distribution<std::size_t> surname(weights.begin(), weights.end());
    std::uniform_int_distribution<std::size_t> first(0, firstNames.size() - 1);
    std::vector<std::string> names;
    names.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        std::string name = surnames[surname(random)] + ", " + firstNames[first(random)];
        if (random() % 2) name += " " + firstNames[first(random)];
        names.push_back(std::move(name));
    }
    return names;
}

void BM_CollCompare(benchmark::State& state, CollationOrder order) {
    // Equal-ranked strings differing in case and accents only, so the loop runs to the end.
    const std::size_t length = static_cast<std::size_t>(state.range(0));
    std::string a, b;
    const std::string letters = cp("abcdefghijklmnopqrstuvwxyzåäö");
    const std::string upper = cp("ABCDEFGHIJKLMNOPQRSTUVWXYZÅÄÖ");
    for (std::size_t i = 0; i < length; ++i) {
        a += letters[i % letters.size()];
        b += upper[i % upper.size()];
    }
    for (auto _ : state) benchmark::DoNotOptimize(CollCompare(a, b, order));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * length));
    state.counters["ns_per_byte"] =
        benchmark::Counter(static_cast<double>(state.iterations() * length),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK_CAPTURE(BM_CollCompare, SwedishOrder, CollationOrder::SwedishOrder)->Arg(8)->Arg(64)->Arg(1024);
BENCHMARK_CAPTURE(BM_CollCompare, AccentRankOrder, CollationOrder::AccentRankOrder)
    ->Arg(8)
    ->Arg(64)
    ->Arg(1024);

constexpr std::size_t kNames = 100000;

void BM_TspsorteraSort(benchmark::State& state) {
    const auto names = censusNames(kNames);
    for (auto _ : state) {
        state.PauseTiming();
        Tspsortera sorter;
        sorter.SetCapacity(static_cast<int>(names.size()) + 1000);
        for (std::size_t i = 0; i < names.size(); ++i) sorter.Add(names[i], static_cast<std::int32_t>(i));
        state.ResumeTiming();
        sorter.Sort();
        benchmark::DoNotOptimize(sorter.entry(1).value);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kNames));
}
BENCHMARK(BM_TspsorteraSort)->Unit(benchmark::kMillisecond);

void BM_StdSortSameComparison(benchmark::State& state) {
    const auto names = censusNames(kNames);
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<KeyedEntry> entries;
        entries.reserve(names.size());
        for (std::size_t i = 0; i < names.size(); ++i)
            entries.push_back({names[i], static_cast<std::int32_t>(i)});
        state.ResumeTiming();
        std::sort(entries.begin(), entries.end(), [](const KeyedEntry& a, const KeyedEntry& b) {
            return CollCompareTie(a.key, b.key, a.value, b.value) < 0;
        });
        benchmark::DoNotOptimize(entries.front().value);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kNames));
}
BENCHMARK(BM_StdSortSameComparison)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessla

BENCHMARK_MAIN();
