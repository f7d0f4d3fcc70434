// Word lists: reading consecutive rows of a packed list (each block expanded once) and binary
// search in a 200 000-row list.

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "storage/word_list.h"
#include "storage/word_list_writer.h"

namespace tessla {
namespace {

constexpr std::int32_t kRows = 200000;

// A list of kRows distinct, sorted texts written once into a temporary directory.
class BenchList {
  public:
    explicit BenchList(bool packed) {
        dir_ = std::filesystem::temp_directory_path() /
               ("tessla-bench-" + std::to_string(::getpid()) + (packed ? "-packed" : "-plain"));
        std::filesystem::create_directories(dir_);
        properties_.filkat = properties_.LZHfilkat = properties_.rllfilkat = dir_.string() + "/";
        properties_.filnamn = properties_.LZHfilnamn = "list";
        properties_.radmaxlen = 60;
        properties_.maxrader = kRows;
        properties_.LZH = packed;
        properties_.LZHraderperblock = 200;
        properties_.finnsBLOB = true;
        WordListWriter writer(codec_, buffer_);
        writer.create(properties_);
        for (std::int32_t n = 1; n <= kRows; ++n) {
            const std::int32_t person = n;
            writer.append(textOf(n), static_cast<std::uint32_t>(n), 0, {&person, 1});
        }
        writer.close();
        list_ = std::make_unique<TSPstruktlista>(codec_, nullptr, buffer_, "list");
        list_->properties() = properties_;
        list_->properties().RO = true;
        list_->oppna();
    }
    ~BenchList() {
        list_.reset();
        std::filesystem::remove_all(dir_);
    }

    // "Andersson 000042, Anna": shared prefixes, as surnames and names in the master list.
    static std::string textOf(std::int32_t n) {
        char text[48];
        std::snprintf(text, sizeof text, "Andersson %06d, Anna Maria%c1885", n, '\xFF');
        return text;
    }

    TSPstruktlista& list() { return *list_; }

  private:
    std::filesystem::path dir_;
    TCompress codec_;
    PersonListDecodeBuffer buffer_;
    WordListProperties properties_;
    std::unique_ptr<TSPstruktlista> list_;
};

void BM_ConsecutiveRowsPackedList(benchmark::State& state) {
    BenchList bench(true);
    std::int32_t n = 0;
    for (auto _ : state) {
        n = n % kRows + 1;
        bench.list().lasrad(n);
        benchmark::DoNotOptimize(bench.list().ord1());
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}
BENCHMARK(BM_ConsecutiveRowsPackedList);

void BM_ExactSearch(benchmark::State& state, bool packed) {
    BenchList bench(packed);
    std::mt19937 random(1890);
    std::uniform_int_distribution<std::int32_t> row(1, kRows);
    std::int64_t found = 0;
    for (auto _ : state) found += bench.list().sokexakt(BenchList::textOf(row(random))) > 0;
    if (found != static_cast<std::int64_t>(state.iterations())) state.SkipWithError("a row was not found");
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}
BENCHMARK_CAPTURE(BM_ExactSearch, plain, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ExactSearch, packed, true)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tessla

BENCHMARK_MAIN();
