// Full paint passes of sample pages on a 1280x960 in-memory surface.
#include "view/view.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <unistd.h>

namespace {

void App() {
    static int argc = 1;
    static char name[] = "pemro_bench";
    static char* argv[] = {name, nullptr};
    if (QCoreApplication::instance()) return;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    new QGuiApplication(argc, argv);
}

void PagePass(benchmark::State& state, const char* topic, int family) {
    App();
    if (::chdir(PEMRO_RUN_DIR) != 0) {
        state.SkipWithError("no run directory");
        return;
    }
    auto view = std::make_unique<CPemroView>();
    view->ResetTopic(family);
    view->m_strTopicCode = topic;
    view->ResizeClient(1280, 960);
    view->RenderPending(); // first passes: layout and the second pass
    for (auto _ : state) {
        view->Invalidate();
        view->RenderPending();
    }
}

} // namespace

BENCHMARK_CAPTURE(PagePass, welcome_232, "232", -1)->Unit(benchmark::kMillisecond);
