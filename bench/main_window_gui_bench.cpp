// The main window on a generated census database, offscreen: the time from the window's creation
// to the first shown record (and from the process start), the paint of the result grid after each
// Page Down, a step of a held arrow key, and rebuilding the result list after a search of 1 000 000
// persons. The database is the one whose tessla.ini TESSLA_BENCH_INI names. Step and paint times
// are reported as their median and worst over all steps ("median_ms", "worst_ms").

#include <benchmark/benchmark.h>

#include "gui_bench_main.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QTimer>

#include "program/program.h"
#include "widgets/table_grid.h"
#include "windows/main_window.h"
#include "windows/search_window.h"

namespace tessla {
namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Seconds since this process started, from the kernel's start time of the process.
double secondsSinceProcessStart() {
    std::ifstream stat("/proc/self/stat");
    std::string field;
    for (int i = 0; i < 22 && stat >> field; ++i) {
    }
    std::ifstream uptimeFile("/proc/uptime");
    double uptime = 0;
    uptimeFile >> uptime;
    return uptime - std::stod(field) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

// Answers OK after choosing the first `count` persons (every person for -1); later searches find
// the same persons again, so that their time is the main window's alone.
class ChoosingSearch : public SearchWindow {
  public:
    ChoosingSearch(Program& program, std::int32_t count) : program_(program), count_(count) {}
    void rensa() override {}
    int exec() override {
        changedResult_ = true;
        if (chosen_) return QDialog::Accepted;
        TSPstruktlista& master = program_.database().tessllista();
        master.vald().tomma();
        const std::int32_t last = count_ < 0 ? master.rowCount() : std::min(count_, master.rowCount());
        for (std::int32_t entry = 1; entry <= last; ++entry) master.vald().satt(entry, true);
        master.byggvy();
        chosen_ = true;
        return QDialog::Accepted;
    }

  private:
    Program& program_;
    std::int32_t count_;
    bool chosen_ = false;
};

struct Session {
    Program program;
    std::unique_ptr<Tmain_form> window;
    std::unique_ptr<ChoosingSearch> search;

    explicit Session(std::int32_t chosen) {
        program.openDatabase(std::getenv("TESSLA_BENCH_INI"));
        window = std::make_unique<Tmain_form>(program);
        search = std::make_unique<ChoosingSearch>(program, chosen);
        window->setPersonSearch(*search);
        window->show();
        window->setWindowState(Qt::WindowNoState);
        window->resize(1600, 1000);
        QCoreApplication::processEvents();
    }
    TSPtab& grid() { return *window->findChild<TSPtab*>(QStringLiteral("persontab")); }
};

void reportSteps(benchmark::State& state, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    state.counters["median_ms"] = ms[ms.size() / 2];
    state.counters["worst_ms"] = ms.back();
    state.counters["steps"] = static_cast<double>(ms.size());
}

void pressKey(QWidget& target, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(), true);
    QCoreApplication::sendEvent(&target, &press);
}

// From opening the database to the main window's first shown record: the window made and shown,
// a search of every person and the record of the first.
void BM_FirstRecord(benchmark::State& state) {
    static const double fromProcessStart = secondsSinceProcessStart();
    for (auto _ : state) {
        const auto start = Clock::now();
        Session session(-1);
        session.window->dosoek();
        if (session.window->browser().shownRecord() < 1) state.SkipWithError("no record shown");
        state.SetIterationTime(msSince(start) / 1000.0);
    }
    state.counters["process_start_to_here_s"] = fromProcessStart;
}
BENCHMARK(BM_FirstRecord)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

// The result grid's paint after each of 1 000 Page Downs.
void BM_GridPaintAfterPageDown(benchmark::State& state) {
    Session session(-1);
    session.window->dosoek();
    TSPtab& grid = session.grid();
    std::vector<double> ms;
    for (auto _ : state) {
        for (int page = 0; page < 1000; ++page) {
            pressKey(grid, Qt::Key_PageDown);
            const auto start = Clock::now();
            grid.repaint();
            ms.push_back(msSince(start));
        }
    }
    reportSteps(state, ms);
}
BENCHMARK(BM_GridPaintAfterPageDown)->Iterations(1)->Unit(benchmark::kMillisecond);

// One step of a held arrow key over 10 000 rows: the key, the events it leaves (as between two
// auto-repeats) and the grid's paint.
void BM_HeldArrowStep(benchmark::State& state) {
    Session session(-1);
    session.window->dosoek();
    TSPtab& grid = session.grid();
    std::vector<double> ms;
    for (auto _ : state) {
        for (int step = 0; step < 10000; ++step) {
            const auto start = Clock::now();
            pressKey(grid, Qt::Key_Down);
            QCoreApplication::processEvents();
            grid.repaint();
            ms.push_back(msSince(start));
        }
    }
    reportSteps(state, ms);
    state.counters["households_built"] = session.window->browser().householdBuilds();
}
BENCHMARK(BM_HeldArrowStep)->Iterations(1)->Unit(benchmark::kMillisecond);

// A search of 1 000 000 persons taken over by the main window (RefreshResultList, which finds the
// person selected before in the middle of the new result and shows the row centred).
void BM_RefreshResultListMillion(benchmark::State& state) {
    Session session(1000000);
    session.window->dosoek();
    session.grid().setCurrentRow(500000);
    for (auto _ : state) {
        const auto start = Clock::now();
        session.window->dosoek();
        state.SetIterationTime(msSince(start) / 1000.0);
    }
    state.counters["rows"] = session.grid().rowCount();
    state.counters["current_row"] = session.grid().currentRow();
}
BENCHMARK(BM_RefreshResultListMillion)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessla

int main(int argc, char** argv) {
    return tessla::runDatabaseGuiBenchmarks(argc, argv);
}
