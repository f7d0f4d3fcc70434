// Print jobs from the print window into PDF files, offscreen, on a generated census database with
// every person in the result: a table of 10 000 rows sorted by name and year of birth, and 1 000
// whole records. Each job reads the 10 000 first persons of the list, sorts them and prints;
// the counters give the job's seconds, its pages and pages per second. The database is the one
// whose tessla.ini TESSLA_BENCH_INI names.

#include <benchmark/benchmark.h>

#include "gui_bench_main.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>

#include "program/program.h"
#include "skin/picture_button.h"
#include "windows/help_window.h"
#include "windows/print_window.h"

namespace tessla {
namespace {

using Clock = std::chrono::steady_clock;

int pdfPages(const QString& path) {
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {path});
    info.waitForFinished(60000);
    const auto match = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
                           .match(QString::fromUtf8(info.readAllStandardOutput()));
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

void printJob(benchmark::State& state, int kind, const char* to) {
    Program program;
    program.openDatabase(std::getenv("TESSLA_BENCH_INI"));
    program.database().tessllista().vald().fyllalla();
    program.database().tessllista().byggvy();
    Ttextform help(program);
    Tskriv_form window(program, help);
    const QString path = QDir::tempPath() + QStringLiteral("/tessla_print_bench.pdf");
    window.printer().setOutputFormat(QPrinter::PdfFormat);
    window.printer().setOutputFileName(path);
    window.printer().setPageSize(QPageSize(QPageSize::A4));
    window.show();
    window.findChild<QComboBox*>(QStringLiteral("skrivtypcb"))->setCurrentIndex(kind);
    window.setRange(QStringLiteral("1"), QString::fromLatin1(to));
    auto* start = window.findChild<TSPknapp*>(QStringLiteral("startknapp"));
    double seconds = 0;
    for (auto _ : state) {
        const auto begin = Clock::now();
        start->click();
        seconds = std::chrono::duration<double>(Clock::now() - begin).count();
        state.SetIterationTime(seconds);
    }
    const int pages = pdfPages(path);
    state.counters["seconds"] = seconds;
    state.counters["pages"] = pages;
    state.counters["pages_per_second"] = seconds > 0 ? pages / seconds : 0;
    QFile::remove(path);
}

void BM_Table10000Rows(benchmark::State& state) {
    printJob(state, 1, "10000");
}
void BM_Records1000(benchmark::State& state) {
    printJob(state, 0, "1000");
}
BENCHMARK(BM_Table10000Rows)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Records1000)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessla

int main(int argc, char** argv) {
    return tessla::runDatabaseGuiBenchmarks(argc, argv);
}
