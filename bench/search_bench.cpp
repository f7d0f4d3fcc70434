// The fixed mix of searches on a generated census database, timed in-process with the database
// open, as the program runs them: each search once per repetition, so the median and the
// maximum over the repetitions are the median and the worst latency. The database is the one whose tessla.ini
// TESSLA_BENCH_INI names (bench/search_compare makes it). Each benchmark reports the persons found as
// "found".

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>

#include "base/configuration.h"
#include "base/cp1252.h"
#include "database/database.h"
#include "search/child_search.h"
#include "search/person_search.h"

namespace tessla {
namespace {

Database& database() {
    static std::unique_ptr<Database> db = [] {
        const char* ini = std::getenv("TESSLA_BENCH_INI");
        if (ini == nullptr) {
            std::fprintf(
                stderr, "set TESSLA_BENCH_INI to the tessla.ini of a database (bench/search_compare does)\n");
            std::exit(1);
        }
        auto opened = std::make_unique<Database>(nullptr);
        opened->open(readConfigurationFile(ini));
        return opened;
    }();
    return *db;
}

Criterion text(const char* utf8) {
    return {utf8ToCp1252(utf8).value(), false, PlaceKind::Parish};
}

struct Query {
    const char* name;
    std::function<std::optional<std::int32_t>(Database&)> run;
};

// A person search whose criteria `fill` sets.
std::function<std::optional<std::int32_t>(Database&)> person(void (*fill)(PersonSearch&)) {
    PersonSearch search{};
    fill(search);
    return [search](Database& db) { return dosokning(db, search, nullptr); };
}

const Query kQueries[] = {
    {"last_name_prefix", person([](PersonSearch& s) { s.lastName = text("Anders"); })},
    {"last_name_exact", person([](PersonSearch& s) { s.lastName = text("\"Berg\""); })},
    {"last_name_ending", person([](PersonSearch& s) { s.lastName = text("*qvist"); })},
    {"last_name_containing", person([](PersonSearch& s) { s.lastName = text("*ström*"); })},
    {"two_first_names", person([](PersonSearch& s) { s.firstNames = text("Anna Maria"); })},
    {"year_range", person([](PersonSearch& s) { s.year = text("1850-1860"); })},
    {"residence_parish", person([](PersonSearch& s) { s.residence = text("Ed"); })},
    {"three_criteria", person([](PersonSearch& s) {
         s.lastName = text("Johansson");
         s.firstNames = text("Karl");
         s.year = text("1850-1870");
     })},
    {"child_by_father_occupation",
     [](Database& db) {
         ChildSearch search{};
         search.fatherOccupation = text("Torpare");
         return dobarnsokning(db, search, nullptr);
     }},
};

void runQuery(benchmark::State& state, const Query& query) {
    Database& db = database();
    std::int32_t found = 0;
    for (auto _ : state) found = query.run(db).value_or(-1);
    state.counters["found"] = found;
}

const bool kRegistered = [] {
    for (const Query& query : kQueries) {
        benchmark::RegisterBenchmark(query.name, runQuery, query)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(1)
            ->Repetitions(21)
            ->ComputeStatistics(
                "max", [](const std::vector<double>& v) { return *std::max_element(v.begin(), v.end()); })
            ->ReportAggregatesOnly(true);
    }
    return true;
}();

}  // namespace
}  // namespace tessla

BENCHMARK_MAIN();
