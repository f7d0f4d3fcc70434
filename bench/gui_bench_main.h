#pragma once

// The main of a benchmark of the desktop program's windows and controls: the application object
// on the offscreen platform (unless another platform is asked for), then the benchmarks that
// `registerBenchmarks` registers.

#include <benchmark/benchmark.h>

#include <QApplication>

namespace tessla {

inline int runGuiBenchmarks(int argc, char** argv, void (*registerBenchmarks)()) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (registerBenchmarks != nullptr) registerBenchmarks();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace tessla
