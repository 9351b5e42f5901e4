// The catalogue loop in a fresh state and right after an annotation page was
// drawn, side by side: nothing a page's drawing leaves behind (the vector
// state Qt's fills leave, for one) may slow the arithmetic of what follows.
// The two are timed in turn within each iteration, so a busy machine slows
// both alike; fresh_ms and after_page_ms should agree within a few per cent.
#include "bench_support.h"

#include "platform/vector_state.h"

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

// Form 32, a sin(bx+c) + d cos(ex+f): scalar SSE code and libm.
double TimedCatalogueLoop(const CPemroView& catalogue) {
    const auto start = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(EvalFLoop(catalogue, 32));
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void CatalogueLoopFreshAndAfterPage(benchmark::State& state) {
    const auto catalogue = CatalogueView();
    std::unique_ptr<CPemroView> page; // stays open while the loop runs
    double fresh = 0, afterPage = 0;
    int inUse = 0;
    for (auto _ : state) {
        ClearUpperVectorState(); // the state before any drawing
        const double f = TimedCatalogueLoop(*catalogue);
        // Opened anew each time: a new window's image, then its passes.
        page.reset();
        page = OpenSamplePage("2100", -1, 1280, 960);
        if (!page) return state.SkipWithError("no run directory");
        page->Invalidate();
        page->RenderPending();
        inUse += UpperVectorStateInUse() == 1;
        const double a = TimedCatalogueLoop(*catalogue);
        fresh += f, afterPage += a;
        state.SetIterationTime(f + a);
    }
    const double n = double(state.iterations());
    state.counters["fresh_ms"] = 1e3 * fresh / n;
    state.counters["after_page_ms"] = 1e3 * afterPage / n;
    state.counters["after/fresh"] = fresh > 0 ? afterPage / fresh : 0;
    // How often the page left the upper halves in use; -1: unknown here.
    state.counters["upper_in_use"] = UpperVectorStateInUse() < 0 ? -1.0 : inUse / n;
}

} // namespace

BENCHMARK(CatalogueLoopFreshAndAfterPage)->UseManualTime()->Unit(benchmark::kMillisecond);
