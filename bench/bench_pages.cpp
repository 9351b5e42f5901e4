// Full paint passes of sample pages on a 1280x960 in-memory surface.
#include "view/view.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <unistd.h>

namespace {

void PagePass(benchmark::State& state, const char* topic, int family) {
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
BENCHMARK_CAPTURE(PagePass, conventions_230, "230", -1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PagePass, answers_214, "214", -1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PagePass, exercises_gs003, "003", 0)->Unit(benchmark::kMillisecond);
