// Full paint passes of the fitting, approximation and interpolation pages on
// a 1280x960 surface: each screen of the pages as a reader scrolls, and the
// largest counts the buttons reach.
#include "bench_support.h"
#include "numeric/math/approximation.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

constexpr int kWidth = 1280, kHeight = 960;

// Scroll positions that show one figure of a page whole.
constexpr int kRegressionLine = 1100;
constexpr int kSpecialPolynomials = 1100, kLagrange = 2250, kPiecewiseLinear = 3200, kNewton = 4200,
              kSplines = 5300;

// The page scrolled down to `y`.
void FitPageScreen(benchmark::State& state, const char* topic, int y) {
    auto view = OpenSamplePage(topic, -1, kWidth, kHeight);
    if (!view) return state.SkipWithError("no run directory");
    view->ScrollToPosition(CPoint(0, y));
    view->RenderPending();
    TimeFullPasses(state, *view);
}

// A screen with the saved counts set to n and m (the script's values no
// longer loaded), and the display options given.
void FitPageLargest(benchmark::State& state, const char* topic, int y, int n, int m, int option,
                    int option2) {
    auto view = OpenSamplePage(topic, -1, kWidth, kHeight);
    if (!view) return state.SkipWithError("no run directory");
    view->ScrollToPosition(CPoint(0, y));
    view->m_bLoadScriptSettings = FALSE;
    view->m_nSavedCountN = n;
    if (m >= 0) view->m_nSavedCountM = m;
    view->m_nDemoOption = option;
    view->m_nDemoOption2 = option2;
    view->RenderPending();
    TimeFullPasses(state, *view);
}

} // namespace

BENCHMARK_CAPTURE(FitPageScreen, regression_464, "464", 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FitPageScreen, regression_line_464, "464", kRegressionLine)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FitPageScreen, approximation_465, "465", 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FitPageScreen, polynomials_465, "465", kSpecialPolynomials)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FitPageScreen, lagrange_465, "465", kLagrange)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FitPageScreen, linear_465, "465", kPiecewiseLinear)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FitPageScreen, newton_465, "465", kNewton)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FitPageScreen, splines_465, "465", kSplines)->Unit(benchmark::kMillisecond);

// The largest counts: Legendre degree 99 with the coefficients and the mean
// error shown; degree 49 through 99 points; all 100 orthogonal polynomials;
// 100 Lagrange nodes; Newton's table and the spline system of 100 nodes.
BENCHMARK_CAPTURE(FitPageLargest, approximation_n99, "465", 0, 99, -1, 0, 0)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FitPageLargest, regression_m49, "464", 0, 99, 49, 0, 0)
    ->Unit(benchmark::kMillisecond);
// The normal equations of degree 49 (selector 1).
static void FitRegressionEquationsM49(benchmark::State& state) {
    auto view = OpenSamplePage("464", -1, kWidth, kHeight);
    if (!view) return state.SkipWithError("no run directory");
    view->m_bLoadScriptSettings = FALSE;
    view->m_nSavedCountM = 49;
    view->m_nPendingFuncLower = 1;
    view->m_bSelectionPending = TRUE;
    view->RenderPending();
    TimeFullPasses(state, *view);
}
BENCHMARK(FitRegressionEquationsM49)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FitPageLargest, polynomials_n99, "465", kSpecialPolynomials, 99, -1, 0, 0)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FitPageLargest, lagrange_n99, "465", kLagrange, 99, -1, 2, 0)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FitPageLargest, newton_n99, "465", kNewton, 99, -1, 0, 0)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FitPageLargest, splines_n99_system, "465", kSplines, 99, -1, 0, 1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FitPageLargest, splines_n99_integral, "465", kSplines, 99, -1, 0, 4)
    ->Unit(benchmark::kMillisecond);

// The inner products of √x on [0, 4] with Legendre degrees 0..99: one
// composite Gauss–Legendre pass per coefficient, against the one sweep the
// approximation page uses (the same nodes and sums).
static void FitOrthoOneByOne(benchmark::State& state) {
    auto f = [](double x) { return std::sqrt(x); };
    double out[100];
    for (auto _ : state) {
        for (int j = 0; j < 100; ++j) out[j] = numeric::ComputeOrthoCoefficient(f, 0, 4, j, 0, 0);
        benchmark::DoNotOptimize(out);
    }
}
BENCHMARK(FitOrthoOneByOne)->Unit(benchmark::kMillisecond);

static void FitOrthoOneSweep(benchmark::State& state) {
    auto f = [](double x) { return std::sqrt(x); };
    double out[100];
    for (auto _ : state) {
        numeric::ComputeOrthoCoefficients(f, 0, 4, 99, 0, 0, out);
        benchmark::DoNotOptimize(out);
    }
}
BENCHMARK(FitOrthoOneSweep)->Unit(benchmark::kMillisecond);
