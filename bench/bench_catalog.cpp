// The catalogue evaluators in the loop every plot runs: EvalF over one
// million points for a few forms, and the quadrature over the current
// function.
#include "bench_support.h"

#include <benchmark/benchmark.h>

namespace {

// One million evaluations of form k over [-5, 5].
void EvalFMillion(benchmark::State& state) {
    const auto view = CatalogueView();
    const int k = int(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(EvalFLoop(*view, k));
    state.SetItemsProcessed(state.iterations() * kCataloguePoints);
}

void EvalFMillionPeriodicCombined(benchmark::State& state) {
    const auto view = CatalogueView();
    view->m_bFuncFPeriodic = 1, view->m_dFuncFPeriod = 3.14159, view->m_nFuncFSymmetry = 0;
    view->m_nCombineMode = 3, view->m_nFuncUpper = 32, view->m_nFuncLower = 39;
    for (auto _ : state) benchmark::DoNotOptimize(EvalFLoop(*view, 0));
    state.SetItemsProcessed(state.iterations() * kCataloguePoints);
}

// A caller's n = 10000 with the default step: 100,000 Gauss pieces.
void IntegrateGauss(benchmark::State& state) {
    const auto view = CatalogueView();
    view->m_nFuncF = 32;
    for (auto _ : state) benchmark::DoNotOptimize(view->Integrate(0, 3, 10000, 2, 0));
}

} // namespace

// 21: x², 32: a sin(bx+c) + d cos(ex+f), 53: powers of two quadratics,
// 78: the t density (Γ three times).
BENCHMARK(EvalFMillion)->Arg(21)->Arg(32)->Arg(53)->Arg(78)->Unit(benchmark::kMillisecond);
BENCHMARK(EvalFMillionPeriodicCombined)->Unit(benchmark::kMillisecond);
BENCHMARK(IntegrateGauss)->Unit(benchmark::kMillisecond);
