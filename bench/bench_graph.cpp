// Full paint passes of the graph sample pages on a 1280x960 in-memory
// surface: the explicit graph (page 233) and the implicit curve (page 231),
// whose trace runs while the stored click lies in its figure.
#include "bench_support.h"

#include <benchmark/benchmark.h>

namespace {

// A click inside the figure (not a new press: no button acts) keeps the
// implicit trace on.
void GraphPagePass(benchmark::State& state, const char* topic, bool clickInFigure) {
    auto view = OpenSamplePage(topic, -1, 1280, 960);
    if (!view) return state.SkipWithError("no run directory");
    if (clickInFigure) {
        view->m_ptClick = CPoint((view->m_nPlotLeft + view->m_nPlotRight) / 2 - view->m_nClipLeft,
                                 (view->m_nPlotTop + view->m_nPlotBottom) / 2 - view->m_nClipTop);
        view->Invalidate();
        view->RenderPending();
    }
    TimeFullPasses(state, *view);
}

} // namespace

BENCHMARK_CAPTURE(GraphPagePass, explicit_233, "233", false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(GraphPagePass, implicit_231, "231", true)->Unit(benchmark::kMillisecond);
