// Full paint passes of the plane demonstration pages (sequences, colour
// planes, least squares, polygons, tangent, vessels, vibration and the ball
// before a click starts an animation) on a 1280x960 in-memory surface, and
// the colour planes scanned after a click in the plot at 800x600 and at
// 1586x927.
#include "bench_support.h"

#include <benchmark/benchmark.h>

namespace {

void PlaneDemoPagePass(benchmark::State& state, const char* topic) {
    auto view = OpenSamplePage(topic, -1, 1280, 960);
    if (!view) return state.SkipWithError("no run directory");
    TimeFullPasses(state, *view);
}

// A pass with the stored click in the middle of the plot: the scan runs in
// every such pass (as the page's own iteration settings set it).
void ColourPlaneScanPass(benchmark::State& state, const char* topic, int width, int height) {
    auto view = OpenSamplePage(topic, -1, width, height);
    if (!view) return state.SkipWithError("no run directory");
    view->m_dEpsilon = 1e-7;
    view->m_nDemoStep = 1000;
    view->m_dEscapeBound = 1e6;
    view->m_ptClick = CPoint((view->m_nPlotLeft + view->m_nPlotRight) / 2,
                             (view->m_nPlotTop + view->m_nPlotBottom) / 2);
    TimeFullPasses(state, *view);
}

} // namespace

BENCHMARK_CAPTURE(PlaneDemoPagePass, tangent_308, "308")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PlaneDemoPagePass, least_squares_314, "314")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PlaneDemoPagePass, recursion_336, "336")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PlaneDemoPagePass, pumping_347, "347")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PlaneDemoPagePass, pressure_349, "349")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PlaneDemoPagePass, bars_350, "350")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PlaneDemoPagePass, complex_351, "351")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PlaneDemoPagePass, plane_map_353, "353")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PlaneDemoPagePass, draining_366, "366")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PlaneDemoPagePass, polygons_368, "368")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PlaneDemoPagePass, ball_vibration_381, "381")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ColourPlaneScanPass, complex_351_800x600, "351", 800, 600)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ColourPlaneScanPass, plane_map_353_800x600, "353", 800, 600)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ColourPlaneScanPass, complex_351_1586x927, "351", 1586, 927)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ColourPlaneScanPass, plane_map_353_1586x927, "353", 1586, 927)
    ->Unit(benchmark::kMillisecond);

namespace {

// The state after a click in the plot of a colour plane: the page's own ε
// and M, n as given (0: the page's own); `fresh` drops the kept scans before
// each timed pass, as when the inputs have just changed (the pass that
// answers a click), otherwise a pass repaints the same plane.
void ColourPlaneState(benchmark::State& state, const char* topic, int n, bool fresh) {
    auto view = OpenSamplePage(topic, -1, 1280, 960);
    if (!view) return state.SkipWithError("no run directory");
    view->m_ptClick = CPoint((view->m_nPlotLeft + view->m_nPlotRight) / 2,
                             (view->m_nPlotTop + view->m_nPlotBottom) / 2);
    if (n > 0) view->m_nDemoStep = n;
    view->Invalidate();
    view->RenderPending();
    if (n > 0 && view->m_nDemoStep != n) return state.SkipWithError("the page changed n");
    long passes = 0;
    for (auto _ : state) {
        if (fresh)
            for (auto& m : view->m_aScanMemo) m.known = false;
        view->Invalidate();
        passes += view->RenderPending();
    }
    if (state.iterations() > 0) state.counters["passes"] = double(passes) / state.iterations();
    state.counters["n"] = view->m_nDemoStep;
}
void ColourPlaneAfterClick(benchmark::State& state, const char* topic, int n) {
    ColourPlaneState(state, topic, n, false);
}
void ColourPlaneFirstScan(benchmark::State& state, const char* topic, int n) {
    ColourPlaneState(state, topic, n, true);
}

} // namespace

BENCHMARK_CAPTURE(ColourPlaneFirstScan, complex_351_n200, "351", 200)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ColourPlaneFirstScan, complex_351_n400, "351", 400)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ColourPlaneFirstScan, plane_map_353, "353", 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ColourPlaneAfterClick, complex_351_n200, "351", 200)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ColourPlaneAfterClick, complex_351_n400, "351", 400)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ColourPlaneAfterClick, plane_map_353, "353", 0)->Unit(benchmark::kMillisecond);
