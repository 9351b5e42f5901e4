// Full paint passes of the calculus sample pages on a 1280x960 in-memory
// surface, the Fourier page also with 500 terms.
#include "bench_support.h"

#include <benchmark/benchmark.h>

namespace {

void CalculusPagePass(benchmark::State& state, const char* topic) {
    auto view = OpenSamplePage(topic, -1, 1280, 960);
    if (!view) return state.SkipWithError("no run directory");
    TimeFullPasses(state, *view);
}

void FourierPass500Terms(benchmark::State& state) {
    auto view = OpenSamplePage("338", -1, 1280, 960);
    if (!view) return state.SkipWithError("no run directory");
    view->m_nDemoStep = 500;
    TimeFullPasses(state, *view);
}

} // namespace

BENCHMARK_CAPTURE(CalculusPagePass, limit_303, "303")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(CalculusPagePass, left_limit_304, "304")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(CalculusPagePass, right_limit_305, "305")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(CalculusPagePass, infinity_300, "300")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(CalculusPagePass, plus_infinity_301, "301")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(CalculusPagePass, minus_infinity_302, "302")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(CalculusPagePass, limit_buttons_352, "352")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(CalculusPagePass, second_derivative_307, "307")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(CalculusPagePass, taylor_315, "315")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(CalculusPagePass, maclaurin_316, "316")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(CalculusPagePass, mean_value_329, "329")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(CalculusPagePass, integral_mean_330, "330")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(CalculusPagePass, fourier_338, "338")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(CalculusPagePass, sine_cosine_339, "339")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(CalculusPagePass, constructions_211, "211")->Unit(benchmark::kMillisecond);
BENCHMARK(FourierPass500Terms)->Unit(benchmark::kMillisecond);
