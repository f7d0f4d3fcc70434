// Painting the table grid as the main window's result list of a large window: 5 000 000 rows,
// name and year columns, 60 rows in view. Each step moves through the list by keyboard and paints
// the grid into a picture at 1x or 2x. The cell provider formats its texts from a few names, so
// the grid's own cost is measured, not the person list's. Runs on Qt's offscreen platform unless
// QT_QPA_PLATFORM names another.

#include <benchmark/benchmark.h>

#include "gui_bench_main.h"

#include <array>
#include <string>

#include <QKeyEvent>
#include <QPixmap>

#include "widgets/table_grid.h"

namespace tessla {
namespace {

constexpr std::int32_t kRows = 5'000'000;
constexpr int kVisibleRows = 60;
constexpr int kRowHeight = 16;

std::string cell(std::int32_t row, int column) {
    static const std::array<const char*, 4> names = {"Andersson, Anna Maria", "Bj\xF6rk, Gustaf Adolf",
                                                     "Ekstr\xF6m, Hedvig Charlotta", "(Ingen namnuppgift)"};
    return column == 2 ? std::to_string(1800 + row % 91) : names[static_cast<std::size_t>(row % 4)];
}

// `key` pressed once per step, then the grid painted at `scale`.
void paintAfterKey(benchmark::State& state, Qt::Key key, int scale) {
    TSPtab grid;
    grid.setColumnCount(2);
    grid.setColumnWidth(0, 600);
    grid.setColumnWidth(1, 40);
    grid.setDefaultRowHeight(kRowHeight);
    grid.resize(640, kVisibleRows * kRowHeight);
    grid.setRowCount(kRows);
    grid.setCellTextProvider(cell);
    grid.setCellStyleProvider([](std::int32_t, int) { return 0u; });
    QPixmap pixmap(grid.size() * scale);
    pixmap.setDevicePixelRatio(scale);
    for (auto _ : state) {
        if (grid.currentRow() == kRows - 1) grid.setCurrentRow(0);
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(&grid, &press);
        grid.render(&pixmap);
    }
    state.counters["paints/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

void registerAll() {
    for (const int scale : {1, 2}) {
        const std::string suffix = "/" + std::to_string(scale) + "x";
        benchmark::RegisterBenchmark(("PageDown" + suffix).c_str(), paintAfterKey, Qt::Key_PageDown, scale)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("ArrowDown" + suffix).c_str(), paintAfterKey, Qt::Key_Down, scale)
            ->Unit(benchmark::kMicrosecond);
    }
}

}  // namespace
}  // namespace tessla

int main(int argc, char** argv) {
    return tessla::runGuiBenchmarks(argc, argv, tessla::registerAll);
}
