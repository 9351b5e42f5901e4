// Benchmark entry: an application object on the offscreen platform (fonts
// and images need one), then the registered benchmarks.
#include "bench_support.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    RegisterSamplePageBenchmarks(); // reads the run directory
    RegisterAfterClickBenchmarks();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
