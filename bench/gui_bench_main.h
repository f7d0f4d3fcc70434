#pragma once

// The main of a benchmark of the desktop program's windows and controls: the application object
// on the offscreen platform (unless another platform is asked for), then the benchmarks that
// `registerBenchmarks` registers.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

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

// The main of a benchmark that times windows on a generated database, the one whose tessla.ini
// TESSLA_BENCH_INI names; always on the offscreen platform.
inline int runDatabaseGuiBenchmarks(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (std::getenv("TESSLA_BENCH_INI") == nullptr) {
        std::fprintf(stderr, "set TESSLA_BENCH_INI to the tessla.ini of a generated database\n");
        return 1;
    }
    return runGuiBenchmarks(argc, argv, nullptr);
}

}  // namespace tessla
