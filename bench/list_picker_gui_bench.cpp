// The search list picker on a generated census database, offscreen: opening it on the largest word
// list it can show (from filling the window to its first paint done), opening the tree of
// residence parishes, and one quick-find keystroke (a letter typed, the table moved and repainted).
// The database is the one whose tessla.ini TESSLA_BENCH_INI names. Keystroke times are reported as
// their median and worst ("median_ms", "worst_ms").

#include <benchmark/benchmark.h>

#include "gui_bench_main.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>

#include "program/program.h"
#include "widgets/table_grid.h"
#include "windows/help_window.h"
#include "windows/list_picker_window.h"

namespace tessla {
namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct Session {
    Program program;
    QWidget owner;
    std::unique_ptr<Ttextform> help;
    std::unique_ptr<Tsoktabform> picker;

    Session() {
        program.openDatabase(std::getenv("TESSLA_BENCH_INI"));
        owner.resize(900, 700);
        owner.show();
        help = std::make_unique<Ttextform>(program);
        picker = std::make_unique<Tsoktabform>(program, *help);
        QCoreApplication::processEvents();
    }
    TSPtab& grid() { return *picker->findChild<TSPtab*>(QStringLiteral("soktab")); }
    QLineEdit& quickFind() { return *picker->findChild<QLineEdit*>(QStringLiteral("snabbsokedit")); }

    // The list with the most rows of those that keep picks (the lists a search window offers).
    int largestList() {
        int largest = 0;
        std::int32_t rows = -1;
        for (int k = 1; k <= kPickerLists; ++k) {
            const TSPstruktlista* list = pickerList(program.database(), k);
            if (list != nullptr && list->properties().finnsurval && list->rowCount() > rows) {
                largest = k;
                rows = list->rowCount();
            }
        }
        return largest;
    }
    // Fills the picker for `request`, shows it and paints the whole window once.
    void open(const PickerRequest& request) {
        picker->prepare(request, owner);
        picker->show();
        QImage image(picker->size(), QImage::Format_ARGB32_Premultiplied);
        picker->render(&image);
    }
    void close() {
        picker->hide();
        picker->finish();
    }
};

void reportSteps(benchmark::State& state, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    state.counters["median_ms"] = ms[ms.size() / 2];
    state.counters["worst_ms"] = ms.back();
    state.counters["steps"] = static_cast<double>(ms.size());
}

void timeOpening(benchmark::State& state, Session& session, const PickerRequest& request) {
    for (auto _ : state) {
        const auto start = Clock::now();
        session.open(request);
        state.SetIterationTime(msSince(start) / 1000.0);
        session.close();
        QCoreApplication::processEvents();
    }
    session.open(request);
    state.counters["rows"] = session.grid().rowCount();
    session.close();
}

// The largest list, flat: from `prepare` to the first paint done.
void BM_OpenLargestList(benchmark::State& state) {
    Session session;
    const int list = session.largestList();
    timeOpening(state, session, {list, {"Lista", "List"}, {"", ""}, false, "HJ004"});
    state.counters["list"] = list;
}
BENCHMARK(BM_OpenLargestList)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

// The tree of residence parishes and their places, collapsed.
void BM_OpenParishTree(benchmark::State& state) {
    Session session;
    timeOpening(state, session,
                {15, {"Boendeort, församling", "Parish of residence"}, {"", ""}, true, "HJ008"});
}
BENCHMARK(BM_OpenParishTree)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

// One keystroke in quick find on the largest list: a letter typed into the emptied field, the
// look-up, the table moved to the row found and repainted. Letters A … Z, 20 rounds.
void BM_QuickFindKeystroke(benchmark::State& state) {
    Session session;
    session.open({session.largestList(), {"Lista", "List"}, {"", ""}, false, "HJ004"});
    QLineEdit& field = session.quickFind();
    field.setFocus();
    std::vector<double> ms;
    for (auto _ : state) {
        for (int round = 0; round < 20; ++round) {
            for (char letter = 'A'; letter <= 'Z'; ++letter) {
                field.clear();
                QCoreApplication::processEvents();
                const QString text(QChar::fromLatin1(letter));
                QKeyEvent press(QEvent::KeyPress, Qt::Key_A + (letter - 'A'), Qt::ShiftModifier, text);
                const auto start = Clock::now();
                QCoreApplication::sendEvent(&field, &press);
                session.grid().repaint();
                ms.push_back(msSince(start));
            }
        }
    }
    reportSteps(state, ms);
    session.close();
}
BENCHMARK(BM_QuickFindKeystroke)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessla

int main(int argc, char** argv) {
    return tessla::runDatabaseGuiBenchmarks(argc, argv);
}
