// Full paint passes of sample pages on a 1280x960 in-memory surface.
#include "bench_support.h"

#include <benchmark/benchmark.h>

namespace {

void PagePass(benchmark::State& state, const char* topic, int family) {
    auto view = OpenSamplePage(topic, family, 1280, 960);
    if (!view) return state.SkipWithError("no run directory");
    TimeFullPasses(state, *view);
}

} // namespace

BENCHMARK_CAPTURE(PagePass, welcome_232, "232", -1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PagePass, conventions_230, "230", -1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PagePass, answers_214, "214", -1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PagePass, exercises_gs003, "003", 0)->Unit(benchmark::kMillisecond);
