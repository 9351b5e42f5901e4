// Full paint passes of the numerical sample pages on a 1280x960 surface:
// elimination, factorisation, Romberg, roots and the initial-value pages.
#include "bench_support.h"

#include <benchmark/benchmark.h>

namespace {

void NumericPagePass(benchmark::State& state, const char* topic) {
    auto view = OpenSamplePage(topic, -1, 1280, 960);
    if (!view) return state.SkipWithError("no run directory");
    TimeFullPasses(state, *view);
}

} // namespace

BENCHMARK_CAPTURE(NumericPagePass, gauss_201, "201")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(NumericPagePass, lu_203, "203")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(NumericPagePass, root_313, "313")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(NumericPagePass, ode_general_331, "331")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(NumericPagePass, ode_system_333, "333")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(NumericPagePass, euler_334, "334")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(NumericPagePass, runge_kutta_335, "335")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(NumericPagePass, adams_363, "363")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(NumericPagePass, romberg_367, "367")->Unit(benchmark::kMillisecond);

// The general-solution page after "通解": 66 curves in both directions.
static void NumericGeneralSolutionPass(benchmark::State& state) {
    auto view = OpenSamplePage("331", -1, 1280, 960);
    if (!view) return state.SkipWithError("no run directory");
    view->m_dDemoParam = 0;
    TimeFullPasses(state, *view);
}
BENCHMARK(NumericGeneralSolutionPass)->Unit(benchmark::kMillisecond);

// The QR page at its opening step and far into the iteration.
BENCHMARK_CAPTURE(NumericPagePass, qr_213, "213")->Unit(benchmark::kMillisecond);
static void NumericQrLateStepPass(benchmark::State& state) {
    auto view = OpenSamplePage("213", -1, 1280, 960);
    if (!view) return state.SkipWithError("no run directory");
    view->m_nDemoStep = 100000;
    view->m_bLoadScriptSettings = FALSE; // as after a precision button
    view->m_nPrecisionDigits = 2;
    TimeFullPasses(state, *view);
}
BENCHMARK(NumericQrLateStepPass)->Unit(benchmark::kMillisecond);

// The iterative pages: descent over its colour map, power and Jacobi
// rotations, the iterative solvers.
BENCHMARK_CAPTURE(NumericPagePass, descent_200, "200")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(NumericPagePass, power_jacobi_204, "204")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(NumericPagePass, iterative_205, "205")->Unit(benchmark::kMillisecond);

// The descent page's first pass after an input change at 1920x1080: the
// colour map computed afresh, not painted from the kept one; the quadratic
// form as the page opens, and the two equations' residual (0).
static void NumericDescentFirstPass1920(benchmark::State& state) {
    auto view = OpenSamplePage("200", -1, 1920, 1080);
    if (!view) return state.SkipWithError("no run directory");
    if (state.range(0) == 0) {
        view->m_nPendingFuncUpper = 0;
        view->m_bSelectionPending = TRUE;
        view->Invalidate();
        view->RenderPending();
    }
    for (auto _ : state) {
        state.PauseTiming();
        view->m_levelMapMemo.key.clear();
        view->Invalidate();
        state.ResumeTiming();
        view->RenderPending();
    }
}
BENCHMARK(NumericDescentFirstPass1920)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
