// Full paint passes of the graph sample pages on a 1280x960 in-memory
// surface: the explicit graph (page 233) and the implicit curve (page 231),
// whose trace runs while the stored click lies in its figure.
#include "view/view.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <unistd.h>

namespace {

void GraphApp() {
    static int argc = 1;
    static char name[] = "pemro_bench";
    static char* argv[] = {name, nullptr};
    if (QCoreApplication::instance()) return;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    new QGuiApplication(argc, argv);
}

// The page drawn once, then one pass per iteration. A click inside the
// figure (not a new press: no button acts) keeps the implicit trace on.
void GraphPagePass(benchmark::State& state, const char* topic, bool clickInFigure) {
    GraphApp();
    if (::chdir(PEMRO_RUN_DIR) != 0) {
        state.SkipWithError("no run directory");
        return;
    }
    auto view = std::make_unique<CPemroView>();
    view->ResetTopic(-1);
    view->m_strTopicCode = topic;
    view->ResizeClient(1280, 960);
    view->RenderPending();
    if (clickInFigure) {
        view->m_ptClick = CPoint((view->m_nPlotLeft + view->m_nPlotRight) / 2 - view->m_nClipLeft,
                                 (view->m_nPlotTop + view->m_nPlotBottom) / 2 - view->m_nClipTop);
        view->Invalidate();
        view->RenderPending();
    }
    for (auto _ : state) {
        view->Invalidate();
        view->RenderPending();
    }
}

} // namespace

BENCHMARK_CAPTURE(GraphPagePass, explicit_233, "233", false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(GraphPagePass, implicit_231, "231", true)->Unit(benchmark::kMillisecond);
