#include "platform/frame_presenter.h"

#include "platform/scroll_view.h"

#include <ctime>

namespace {

long ThreadCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return long(t.tv_sec) * 1000 + long(t.tv_nsec / 1000000);
}

} // namespace

CFramePresenter::CFramePresenter(CScrollView* view, long frames, bool live)
    : m_pView(view), m_bLive(live && view != nullptr), m_nFrames(frames < 1 ? 1 : frames),
      m_nStride((m_nFrames + kMaxShownFrames - 1) / kMaxShownFrames),
      m_nStartCpuMs(ThreadCpuMs()) {}

bool CFramePresenter::Draws(long i) const {
    if (!m_bLive) return i >= m_nFrames - 1;
    return i % m_nStride == 0 || i >= m_nFrames - 1;
}

bool CFramePresenter::Present() {
    if (!m_bLive) return true;
    const long ms = ThreadCpuMs() - m_nStartCpuMs + long(m_nPresented) * kFrameMs;
    if (ms + kFrameMs > kBudgetMs) return false;
    ++m_nPresented;
    m_pView->ShowAndWait(kFrameMs);
    return true;
}
