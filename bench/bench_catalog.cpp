// The catalogue evaluators in the loop every plot runs: EvalF over one
// million points for a few forms, and the quadrature over the current
// function.
#include "view/view.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

std::unique_ptr<CPemroView> CatalogueView() {
    auto view = std::make_unique<CPemroView>();
    CPemroView& v = *view;
    v.m_nCombineMode = 0, v.m_bFuncFPeriodic = 0, v.m_nFuncFSymmetry = 2;
    const double coef[6] = {1.5, -0.5, 2.0, 0.7, 1.2, -0.3};
    for (int i = 0; i < 6; ++i) v.m_adCoefF[i] = coef[i], v.m_adCoefG[i] = coef[i];
    v.m_dAlphaF = 1.7, v.m_dBetaF = 0.6;
    v.m_dParamStep = 0.1;
    return view;
}

// One million evaluations of form k over [-5, 5].
void EvalFMillion(benchmark::State& state) {
    const auto view = CatalogueView();
    const int k = int(state.range(0));
    constexpr int kPoints = 1000000;
    for (auto _ : state) {
        double sum = 0;
        for (int i = 0; i < kPoints; ++i) sum += view->EvalF(-5.0 + i * (10.0 / kPoints), k);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kPoints);
}

void EvalFMillionPeriodicCombined(benchmark::State& state) {
    const auto view = CatalogueView();
    view->m_bFuncFPeriodic = 1, view->m_dFuncFPeriod = 3.14159, view->m_nFuncFSymmetry = 0;
    view->m_nCombineMode = 3, view->m_nFuncUpper = 32, view->m_nFuncLower = 39;
    constexpr int kPoints = 1000000;
    for (auto _ : state) {
        double sum = 0;
        for (int i = 0; i < kPoints; ++i) sum += view->EvalF(-5.0 + i * (10.0 / kPoints), 0);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kPoints);
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
