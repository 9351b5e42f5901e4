// Full passes of the figure annotation sample pages: the plane figures
// (BoxLine, BoundaryVector, InnerPoint, …) and the space figures.
#include "bench_support.h"

#include <benchmark/benchmark.h>

namespace {

void AnnotationPagePass(benchmark::State& state, const char* topic, int height) {
    auto view = OpenSamplePage(topic, -1, 1280, height);
    if (!view) return state.SkipWithError("no run directory");
    TimeFullPasses(state, *view);
}

} // namespace

// The whole plane page (four figures) in one tall window.
BENCHMARK_CAPTURE(AnnotationPagePass, plane_figures_2100, "2100", 6000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(AnnotationPagePass, space_figures_2101, "2101", 960)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(AnnotationPagePass, curvature_369, "369", 2000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(AnnotationPagePass, line_and_plane_357, "357", 960)
    ->Unit(benchmark::kMillisecond);
