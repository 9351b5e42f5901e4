// Full paint passes of the integral sample pages on a 1280x960 in-memory
// surface, at the top and scrolled down to the later figures; the
// revolution pages also with their solid or surface drawn to a picked point.
#include "bench_support.h"

#include <benchmark/benchmark.h>

namespace {

void IntegralPagePass(benchmark::State& state, const char* topic) {
    auto view = OpenSamplePage(topic, -1, 1280, 960);
    if (!view) return state.SkipWithError("no run directory");
    TimeFullPasses(state, *view);
}

// The screen scrolled down to a later figure of the page.
void IntegralScrolledPass(benchmark::State& state, const char* topic, int y) {
    auto view = OpenSamplePage(topic, -1, 1280, 960);
    if (!view) return state.SkipWithError("no run directory");
    view->ScrollToPosition(CPoint(0, y));
    view->RenderPending();
    TimeFullPasses(state, *view);
}

// The first figure with its elements up to x (the view chosen by `view`).
void RevolvedPass(benchmark::State& state, const char* topic, double x, double view) {
    auto v = OpenSamplePage(topic, -1, 1280, 960);
    if (!v) return state.SkipWithError("no run directory");
    v->m_dCursorX = x;
    v->m_dDemoVariant = view;
    v->m_ptClick =
        CPoint((v->m_nPlotLeft + v->m_nPlotRight) / 2, (v->m_nPlotTop + v->m_nPlotBottom) / 2);
    ++v->m_nClickSerial;
    TimeFullPasses(state, *v);
}

// The antiderivative family (20 constants) across the whole x range.
void AntiderivativeFamilyPass(benchmark::State& state) {
    auto view = OpenSamplePage("319", -1, 1280, 960);
    if (!view) return state.SkipWithError("no run directory");
    view->ScrollToPosition(CPoint(0, 900));
    view->m_dDemoParam = 0;
    view->RenderPending();
    TimeFullPasses(state, *view);
}

} // namespace

BENCHMARK_CAPTURE(IntegralPagePass, antiderivative_319, "319")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(IntegralPagePass, definite_320, "320")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(IntegralPagePass, rectangles_323, "323")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(IntegralPagePass, trapezoid_324, "324")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(IntegralPagePass, simpson_325, "325")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(IntegralPagePass, solid_326, "326")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(IntegralPagePass, surface_328, "328")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(IntegralPagePass, gauss_457, "457")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(IntegralScrolledPass, family_319, "319", 900)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(IntegralScrolledPass, x_region_320, "320", 1000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(IntegralScrolledPass, strip_320, "320", 1900)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(IntegralScrolledPass, polar_320, "320", 2800)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(IntegralScrolledPass, rule_table_323, "323", 900)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(IntegralScrolledPass, shells_326, "326", 900)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RevolvedPass, washers_326, "326", 3.5, 1.0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RevolvedPass, washer_sum_326, "326", 3.5, 2.0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RevolvedPass, surface_328, "328", 1.2, 1.0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RevolvedPass, bands_328, "328", 1.2, 2.0)->Unit(benchmark::kMillisecond);
BENCHMARK(AntiderivativeFamilyPass)->Unit(benchmark::kMillisecond);
