#include "platform/frame_presenter.h"

#include "platform/scroll_view.h"

CFramePresenter::CFramePresenter(CScrollView* view, long frames, bool live)
    : m_pView(view), m_bLive(live && view != nullptr), m_nFrames(frames < 1 ? 1 : frames),
      m_nStride((m_nFrames + kMaxShownFrames - 1) / kMaxShownFrames),
      m_start(std::chrono::steady_clock::now()) {}

bool CFramePresenter::Draws(long i) const {
    if (!m_bLive) return i >= m_nFrames - 1;
    return i % m_nStride == 0 || i >= m_nFrames - 1;
}

bool CFramePresenter::Present() {
    if (!m_bLive) return true;
    const auto elapsed = std::chrono::steady_clock::now() - m_start;
    const long ms = long(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
    if (ms + kFrameMs > kBudgetMs) return false;
    ++m_nPresented;
    m_pView->ShowAndWait(kFrameMs);
    return true;
}
