// The statistics window's birth-year chart on a generated census database, offscreen, for a result
// of 1 000 000 persons (every fifth person, or all of a smaller database): the statistics' own
// counting of the birth years, and beside it what the chart adds, from the counted rows to the
// chart built, laid out and painted in the window. The database is the one whose tessla.ini
// TESSLA_BENCH_INI names. Times are reported as their median and worst ("median_ms", "worst_ms").

#include <benchmark/benchmark.h>

#include "gui_bench_main.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <vector>

#include <QApplication>
#include <QComboBox>

#include "program/program.h"
#include "search/statistics.h"
#include "view/statistics_table.h"
#include "widgets/chart_view.h"
#include "windows/help_window.h"
#include "windows/statistics_window.h"

namespace tessla {
namespace {

using Clock = std::chrono::steady_clock;
constexpr std::int32_t kResultPersons = 1'000'000;

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct Session {
    Program program;
    std::unique_ptr<Ttextform> help;
    std::unique_ptr<Tstatform> window;

    Session() {
        program.openDatabase(std::getenv("TESSLA_BENCH_INI"));
        TSPstruktlista& master = program.database().tessllista();
        Tspsmalurval& result = master.vald();
        result.tomma();
        const std::int32_t persons = master.rowCount();
        const std::int32_t step = std::max(1, persons / kResultPersons);
        for (std::int32_t n = 1, taken = 0; n <= persons && taken < kResultPersons; n += step, ++taken)
            result.satt(n, true);
        master.byggvy();
        help = std::make_unique<Ttextform>(program);
        window = std::make_unique<Tstatform>(program, *help);
        window->findChild<QComboBox*>(QStringLiteral("visacb"))->setCurrentIndex(1);
        window->show();
        QCoreApplication::processEvents();
    }
    ChartView& chart() { return *window->findChild<ChartView*>(QStringLiteral("diagram")); }
};

// Times `work` once per iteration and reports the median and the worst of the times.
template <typename Work>
void timeEach(benchmark::State& state, const Session& s, Work work) {
    std::vector<double> ms;
    for (auto _ : state) {
        const auto start = Clock::now();
        work();
        const double took = msSince(start);
        ms.push_back(took);
        state.SetIterationTime(took / 1000);
    }
    std::ranges::sort(ms);
    state.counters["median_ms"] = ms[ms.size() / 2];
    state.counters["worst_ms"] = ms.back();
    state.counters["result_persons"] = s.window->table().statistics().persons;
}

void BM_CountBirthYears(benchmark::State& state) {
    Session s;
    timeEach(state, s, [&] {
        const Statistics statistics =
            buildStatistics(s.program.database(), s.program.database().tessllista().vald(),
                            StatisticsProperty::Year, StatisticsSort::Value);
        benchmark::DoNotOptimize(statistics.rows.data());
    });
}
BENCHMARK(BM_CountBirthYears)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);

void setBirthYearChart(Session& s) {
    const Statistics& statistics = s.window->table().statistics();
    s.chart().setData(
        chartData(statistics, StatisticsProperty::Year, statisticsPropertyLabel(StatisticsProperty::Year)));
}

// From the counted rows to the chart on the screen: the years binned, laid out at the chart's size
// and painted.
void BM_BirthYearChartBuildAndPaint(benchmark::State& state) {
    Session s;
    timeEach(state, s, [&] {
        setBirthYearChart(s);
        s.chart().repaint();
    });
    state.counters["bars"] = static_cast<double>(s.chart().chartLayout().bars.size());
}
BENCHMARK(BM_BirthYearChartBuildAndPaint)->UseManualTime()->Iterations(50)->Unit(benchmark::kMillisecond);

// The same at twice the pixels, as the picture saved on a screen of pixel ratio 2.
void BM_BirthYearChartPictureAtRatio2(benchmark::State& state) {
    Session s;
    timeEach(state, s, [&] {
        setBirthYearChart(s);
        const QImage picture = s.chart().picture(2);
        benchmark::DoNotOptimize(picture.constBits());
    });
}
BENCHMARK(BM_BirthYearChartPictureAtRatio2)->UseManualTime()->Iterations(50)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessla

int main(int argc, char** argv) {
    return tessla::runDatabaseGuiBenchmarks(argc, argv);
}
