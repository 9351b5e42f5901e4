// What the page benchmarks share: a sample page opened in a view of a given
// size, drawn once (its first passes lay it out), ready for timed passes.
#pragma once

#include "view/view.h"

#include <memory>
#include <unistd.h>

// Null when the run directory with the sample course is missing.
inline std::unique_ptr<CPemroView> OpenSamplePage(const char* topic, int family, int width,
                                                  int height) {
    if (::chdir(PEMRO_RUN_DIR) != 0) return nullptr;
    auto view = std::make_unique<CPemroView>();
    view->ResetTopic(family);
    view->m_strTopicCode = topic;
    view->ResizeClient(width, height);
    view->RenderPending();
    return view;
}

// One full pass per iteration.
template <class State> void TimeFullPasses(State& state, CPemroView& view) {
    for (auto _ : state) {
        view.Invalidate();
        view.RenderPending();
    }
}
