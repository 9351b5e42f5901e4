// Full passes of the figure annotation sample pages: the plane figures
// (BoxLine, BoundaryVector, InnerPoint, …) and the space figures.
#include "view/view.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <unistd.h>

namespace {

void AnnotationPagePass(benchmark::State& state, const char* topic, int height) {
    if (::chdir(PEMRO_RUN_DIR) != 0) {
        state.SkipWithError("no run directory");
        return;
    }
    auto view = std::make_unique<CPemroView>();
    view->ResetTopic(-1);
    view->m_strTopicCode = topic;
    view->ResizeClient(1280, height);
    view->RenderPending();
    for (auto _ : state) {
        view->Invalidate();
        view->RenderPending();
    }
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
