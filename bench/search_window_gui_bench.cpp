// A search from the person search window on a generated census database, offscreen: from the
// main window's Ctrl+B, through a last name typed and Enter in the search window, to the first
// person's record shown and painted in the main window. The same search is timed in the core alone
// in the same run, so that the window's own share ("window_ms" = whole − core) is read apart from
// the search's. The database is the one whose tessla.ini TESSLA_BENCH_INI names; the last names
// searched are TESSLA_BENCH_NAMES (";" between them, default "Andersson;Berg;Lind").

#include <benchmark/benchmark.h>

#include "gui_bench_main.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

#include "base/cp1252.h"
#include "program/program.h"
#include "search/person_search.h"
#include "widgets/text_view.h"
#include "windows/help_window.h"
#include "windows/list_picker_window.h"
#include "windows/main_window.h"
#include "windows/search_window.h"

namespace tessla {
namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

std::vector<std::string> benchNames() {
    const char* given = std::getenv("TESSLA_BENCH_NAMES");
    const std::string names = given != nullptr ? given : "Andersson;Berg;Lind";
    std::vector<std::string> out;
    std::size_t start = 0;
    while (start <= names.size()) {
        const std::size_t end = std::min(names.find(';', start), names.size());
        if (end > start) out.push_back(names.substr(start, end - start));
        start = end + 1;
    }
    return out;
}

struct Session {
    Program program;
    std::unique_ptr<Tmain_form> window;
    std::unique_ptr<Ttextform> help;
    std::unique_ptr<Tsoktabform> picker;
    std::unique_ptr<Tsok_form> search;

    Session() {
        program.openDatabase(std::getenv("TESSLA_BENCH_INI"));
        window = std::make_unique<Tmain_form>(program);
        help = std::make_unique<Ttextform>(program, window.get());
        picker = std::make_unique<Tsoktabform>(program, *help, window.get());
        search = std::make_unique<Tsok_form>(program, *picker, *help, window.get());
        window->setHelp(*help);
        window->setPersonSearch(*search);
        window->show();
        window->setWindowState(Qt::WindowNoState);
        window->resize(1600, 1000);
        QCoreApplication::processEvents();
    }

    // Ctrl+B's work with `name` typed into the last-name field and Enter pressed once the window
    // shows, up to the first record painted. The window shows only after a household build that
    // Ctrl+B finds pending, which lets timers run, so the typing waits until it is visible.
    void searchFromTheWindow(const std::string& name) {
        auto* typing = new QTimer(search.get());
        QObject::connect(typing, &QTimer::timeout, search.get(), [this, name, typing] {
            if (!search->isVisible()) return;
            typing->stop();
            typing->deleteLater();
            auto* field = search->findChild<QLineEdit*>(QStringLiteral("enedit"));
            field->setText(QString::fromStdString(name));
            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            QCoreApplication::sendEvent(field, &enter);
        });
        typing->start(0);
        window->dosoek();
        window->findChild<TSPdyntex*>(QStringLiteral("texten"))->repaint();
    }
};

void BM_SearchFromTheWindowToTheFirstRecord(benchmark::State& state) {
    Session session;
    const std::vector<std::string> names = benchNames();
    std::vector<double> whole, core;
    std::int32_t found = 0, shown = 0;
    for (auto _ : state) {
        for (const std::string& name : names) {
            // The core alone, on the same criterion, right before the window's run.
            PersonSearch criteria;
            criteria.lastName.text = utf8ToCp1252(Utf8View(name)).value_or(name);
            auto start = Clock::now();
            found = dosokning(session.program.database(), criteria, nullptr).value_or(0);
            core.push_back(msSince(start));

            start = Clock::now();
            session.searchFromTheWindow(name);
            whole.push_back(msSince(start));
            shown = session.window->browser().resultCount();
        }
    }
    std::vector<double> window;
    for (std::size_t i = 0; i < whole.size(); ++i) window.push_back(whole[i] - core[i]);
    std::sort(window.begin(), window.end());
    std::sort(whole.begin(), whole.end());
    std::sort(core.begin(), core.end());
    state.counters["core_median_ms"] = core[core.size() / 2];
    state.counters["whole_median_ms"] = whole[whole.size() / 2];
    state.counters["window_median_ms"] = window[window.size() / 2];
    state.counters["window_worst_ms"] = window.back();
    // The last name's persons as the core counts them and as the main window's list shows them.
    state.counters["last_found"] = found;
    state.counters["last_shown"] = shown;
}
BENCHMARK(BM_SearchFromTheWindowToTheFirstRecord)->Iterations(5)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessla

int main(int argc, char** argv) {
    return tessla::runDatabaseGuiBenchmarks(argc, argv);
}
