// What the page benchmarks share: a sample page opened in a view of a given
// size, drawn once (its first passes lay it out), ready for timed passes; and
// the catalogue loop every plot runs.
#pragma once

#include "view/view.h"

#include <memory>
#include <unistd.h>

// Null when the run directory with the sample course is missing.
inline std::unique_ptr<CPemroView> OpenSamplePage(const char* topic, int family, int width,
                                                  int height, int level = 0, int variant = 0) {
    if (::chdir(PEMRO_RUN_DIR) != 0) return nullptr;
    auto view = std::make_unique<CPemroView>();
    view->ResetTopic(family);
    view->m_nDataLevel = level;
    view->m_nDataVariant = variant;
    view->m_strTopicCode = topic;
    view->ResizeClient(width, height);
    view->RenderPending();
    return view;
}

// One full repaint per iteration; "passes" counts the passes it took (a page
// may ask for one more).
template <class State> void TimeFullPasses(State& state, CPemroView& view) {
    long passes = 0;
    for (auto _ : state) {
        view.Invalidate();
        passes += view.RenderPending();
    }
    if (state.iterations() > 0) state.counters["passes"] = double(passes) / state.iterations();
}

// A view whose catalogue slots hold a few nonzero coefficients.
inline std::unique_ptr<CPemroView> CatalogueView() {
    auto view = std::make_unique<CPemroView>();
    CPemroView& v = *view;
    v.m_nCombineMode = 0, v.m_bFuncFPeriodic = 0, v.m_nFuncFSymmetry = 2;
    const double coef[6] = {1.5, -0.5, 2.0, 0.7, 1.2, -0.3};
    for (int i = 0; i < 6; ++i) v.m_adCoefF[i] = coef[i], v.m_adCoefG[i] = coef[i];
    v.m_dAlphaF = 1.7, v.m_dBetaF = 0.6;
    v.m_dParamStep = 0.1;
    return view;
}

// The loop of a plot: one million evaluations of form k over [-5, 5].
constexpr int kCataloguePoints = 1000000;
inline double EvalFLoop(const CPemroView& view, int k) {
    double sum = 0;
    for (int i = 0; i < kCataloguePoints; ++i)
        sum += view.EvalF(-5.0 + i * (10.0 / kCataloguePoints), k);
    return sum;
}

// Registers one benchmark per topic script of the run directory.
void RegisterSamplePageBenchmarks();
// Registers the states after clicks and the costs of clicks.
void RegisterAfterClickBenchmarks();
