// The catalogue loop in a fresh state and right after an annotation page was
// drawn, side by side: nothing a page's drawing leaves behind (the vector
// state Qt's fills leave, for one) may slow the arithmetic of what follows.
// The two figures should agree within a few per cent.
#include "bench_support.h"

#include "platform/vector_state.h"

#include <benchmark/benchmark.h>

namespace {

enum Before { kFresh, kAnnotationPage };

// Form 32, a sin(bx+c) + d cos(ex+f): scalar SSE code and libm.
void CatalogueLoop(benchmark::State& state, Before before) {
    const auto catalogue = CatalogueView();
    std::unique_ptr<CPemroView> page;
    if (before == kAnnotationPage) {
        page = OpenSamplePage("2100", -1, 1280, 960);
        if (!page) return state.SkipWithError("no run directory");
    }
    int dirty = 0;
    for (auto _ : state) {
        state.PauseTiming();
        if (page) {
            page->Invalidate();
            page->RenderPending();
            dirty += UpperVectorStateInUse() == 1;
        } else {
            ClearUpperVectorState(); // the state before any drawing
        }
        state.ResumeTiming();
        benchmark::DoNotOptimize(EvalFLoop(*catalogue, 32));
    }
    // How often the page left the upper halves in use; -1: unknown here.
    if (page)
        state.counters["upper_in_use"] =
            UpperVectorStateInUse() < 0 ? -1.0 : double(dirty) / double(state.iterations());
}

} // namespace

BENCHMARK_CAPTURE(CatalogueLoop, fresh, kFresh)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(CatalogueLoop, after_annotation_page, kAnnotationPage)
    ->Unit(benchmark::kMillisecond);
