// The pass budget: whatever a page holds, a screen pass ends soon after its
// share of processor time, so input waits at most about a second; the
// figures it did not reach are drawn by continuation passes run from the
// event loop, each starting where the last one stopped.
#include "view/view.h"

#include "platform/system.h"

#include <climits>

namespace {

// Less than half the second a pass may take: the figure under way when the budget
// runs out still finishes, and the rest of the page is still laid out.
// Instrumented builds run many times slower; their budget stretches alike.
#ifdef PEMRO_SANITIZED
constexpr std::chrono::milliseconds kDefaultPassBudget(400 * 15);
#else
constexpr std::chrono::milliseconds kDefaultPassBudget(400);
#endif

std::chrono::milliseconds g_passBudget = kDefaultPassBudget;

} // namespace

void CPemroView::SetPassBudget(std::chrono::milliseconds budget) {
    g_passBudget = budget;
}

std::chrono::milliseconds CPemroView::PassBudget() {
    return g_passBudget;
}

void CPemroView::BeginPassBudget(CDC* pDC) {
    if (!IsContinuationPass()) {
        m_nResumeFigure = 0;
        m_bResumeClickPass = FALSE;
        m_bResumeInFigure = FALSE;
    }
    m_bStopInFigure = FALSE;
    m_nPassFigure = 0;
    m_nPassScenes = 0;
    m_nStopFigure = -1;
    m_bFigureSkipped = FALSE;
    m_bPassBudgeted = !m_bPrintMode && !pDC->IsPrinting() && !m_bAnsweringClick;
    // The passes of one render call share the budget; a pass run on its own
    // starts its own.
    m_tPassBudgetStart = InPass() ? RenderCallStart() : ThreadCpuTime();
    CRect clip;
    pDC->GetClipBox(&clip);
    const CPoint scroll = GetScrollPosition();
    m_rcPassClient = CRect(clip.left - scroll.x, clip.top - scroll.y, clip.right - scroll.x,
                           clip.bottom - scroll.y);
}

BOOL CPemroView::SkipFigureThisPass(BOOL bOnScreen) {
    const int index = m_nPassFigure;
    if (m_nPassFigure < INT_MAX) ++m_nPassFigure;
    if (index < m_nResumeFigure) return TRUE; // an earlier pass drew it
    if (m_nStopFigure >= 0) return TRUE;
    if (!bOnScreen) return FALSE;
    if (!m_bPassBudgeted || index == m_nResumeFigure) return FALSE;
    if (ThreadCpuTime() - m_tPassBudgetStart <= g_passBudget) return FALSE;
    m_nStopFigure = index;
    return TRUE;
}

std::chrono::nanoseconds CPemroView::PassBudgetLeft() const {
    if (!m_bPassBudgeted) return std::chrono::nanoseconds::max();
    return g_passBudget - (ThreadCpuTime() - m_tPassBudgetStart);
}

void CPemroView::StopPassInFigure() {
    if (m_nStopFigure >= 0 || m_nPassFigure < 1) return;
    m_nStopFigure = m_nPassFigure - 1;
    m_bStopInFigure = TRUE;
}

void CPemroView::EndPassBudget() {
    m_bFigureSkipped = FALSE;
    if (m_nStopFigure < 0) return;
    m_nResumeFigure = m_nStopFigure;
    m_bResumeInFigure = m_bStopInFigure;
    m_bResumeClickPass = m_bClickPass;
    RequestContinuation(m_rcPassClient);
}
