// The button column the step-by-step matrix demonstrations share.
#include "platform/text_codec.h"
#include "view/view.h"

namespace {

constexpr int kButtonW = 48;
constexpr int kButtonH = 20;
constexpr int kRowStep = 24;

} // namespace

void CPemroView::DrawStepButtons(CDC* pDC, int restart) {
    const int x = m_nPlotRight - 20;
    if (TextButtonInPlot(pDC, x, m_nPlotTop, kButtonW, kButtonH, Gbk(u8"下一步"), m_crCurveSetting))
        ++m_nDemoStep;
    if (TextButtonInPlot(pDC, x, m_nPlotTop + kRowStep, kButtonW, kButtonH, Gbk(u8"上一步"),
                         m_crCurveSetting))
        --m_nDemoStep;
    if (TextButtonInPlot(pDC, x, m_nPlotTop + 2 * kRowStep, kButtonW, kButtonH, Gbk(u8"开  始"),
                         m_crCurveSetting))
        m_nDemoStep = restart;
}

void CPemroView::DrawMethodButton(CDC* pDC, int row, const char* utf8Label, int method) {
    if (TextButtonInPlot(pDC, m_nPlotRight - 20, m_nPlotTop + kRowStep * row, kButtonW, kButtonH,
                         Gbk(utf8Label), m_crCurveSetting)) {
        m_nPendingPlotMode = method;
        m_bSelectionPending = TRUE;
        m_nDemoStep = 0;
    }
}

void CPemroView::DrawMatrixMessage(CDC* pDC, const char* utf8Text) {
    DrawStringWorld(pDC, m_dXMin + 0.2 * m_dXSpan, m_dYMin + 0.2 * m_dYSpan, Gbk(utf8Text),
                    m_crCurveSetting);
}
