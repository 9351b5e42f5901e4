// Full passes of the surface and solid sample pages at the usual window
// size: the surface with its traces, the solid with cutting planes, the
// double integral, the partial derivatives and the mean value theorem.
#include "bench_support.h"

#include <benchmark/benchmark.h>

namespace {

void SolidPagePass(benchmark::State& state, const char* topic) {
    auto view = OpenSamplePage(topic, -1, 1280, 960);
    if (!view) return state.SkipWithError("no run directory");
    TimeFullPasses(state, *view);
}

} // namespace

BENCHMARK_CAPTURE(SolidPagePass, surface_364, "364")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SolidPagePass, solid_cut_603, "603")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SolidPagePass, double_integral_321, "321")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SolidPagePass, partials_345, "345")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SolidPagePass, mean_value_337, "337")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SolidPagePass, planes_355, "355")->Unit(benchmark::kMillisecond);
