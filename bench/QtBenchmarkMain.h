#pragma once
// The main of a benchmark program that shows windows: a QApplication on the offscreen platform
// (unless another is chosen), then every benchmark of the program.
#include <QApplication>
#include <benchmark/benchmark.h>

namespace quorl::bench {

inline int RunWindowBenchmarks(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace quorl::bench
