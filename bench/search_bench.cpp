// The fixed mix of searches on a generated census database, timed in-process with the database
// open, as the program runs them: each search once per repetition, so the median and the
// maximum over the repetitions are the median and the worst latency. The database is the one whose tessla.ini
// TESSLA_BENCH_INI names (bench/search_compare makes it). Each benchmark reports the persons found as
// "found".
// last_name_variant ("~" words) and last_name_variant_prefix compare a spelling-variant search with a
// prefix search of the same name. A database built before key lists existed has none, and its
// variant searches walk the list; TESSLA_BENCH_WRITE_KEY_LISTS=1 writes them first, as
// `tessla-db build` would (into the database's directory).

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/configuration.h"
#include "base/cp1252.h"
#include "database/database.h"
#include "search/child_search.h"
#include "search/person_search.h"
#include "search/spelling_key.h"
#include "search/spelling_key_file.h"
#include "search/word_matcher.h"

namespace tessla {
namespace {

// The key lists of the database's name lists, written from their rows.
void writeKeyLists(Database& db) {
    for (int number = 1; number <= 41; ++number) {
        if (nameVariantsOf(number) != NameVariants::Spelling) continue;
        TSPstruktlista& list = db.tessls(number);
        std::vector<std::string> texts;
        for (std::int32_t n = 1; n <= list.rowCount(); ++n) {
            list.lasrad(n);
            texts.emplace_back(list.text());
        }
        const std::vector<std::string_view> views(texts.begin(), texts.end());
        const WordListProperties& p = list.properties();
        if (!writeSpellingKeyFile(spellingKeyFilePath(p.filkat, p.filnamn), views, kSpellingKeyVersion)) {
            std::fprintf(stderr, "cannot write the key list of list %d\n", number);
            std::exit(1);
        }
    }
}

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
        const char* write = std::getenv("TESSLA_BENCH_WRITE_KEY_LISTS");
        if (write != nullptr && std::string(write) == "1") writeKeyLists(*opened);
        return opened;
    }();
    return *db;
}

Criterion text(const char* utf8) {
    return {utf8ToCp1252(Utf8View(utf8)).value(), false, PlaceKind::Parish};
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
    {"last_name_variant", person([](PersonSearch& s) { s.lastName = text("~Karlsson"); })},
    {"last_name_variant_prefix", person([](PersonSearch& s) { s.lastName = text("Karlsson"); })},
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
