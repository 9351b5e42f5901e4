// Command sections of the fitting, approximation and interpolation
// commands: each reads its plot set-up, draws the figure's frame and hands
// the page to its demonstration when the pass repaints the whole page or
// the stored click lies on the figure.
#include "calculus/button_column.h"
#include "script/script_args.h"
#include "view/view.h"

namespace {

// First argument column: right after the keyword and its "(".
constexpr int kFirstArgRegression = 12; // "Regression1", "Regressionm"
constexpr int kFirstArgApproximation = 14;
constexpr int kFirstArgCurvespecialfunc = 17;
constexpr int kFirstArgLineInterpolate = 16;
constexpr int kFirstArgLargange = 9;
constexpr int kFirstArgNewton = 7;
constexpr int kFirstArgSplines = 8;

// The frame and axes of a figure whose own curve is a mere point.
constexpr double kPointRange = 0.0001;

// The fitting figures stand their button column and title across the
// plot's right edge; the frame widens alike on all of them to hold the
// widest, the same in every pass.
void FitColumnMargin(CPemroView& v, CDC* pDC) {
    using calculus::TitleRightOfRangeBoxes;
    const int R = v.m_nPlotRight, ch = v.m_nBaseCharHeight;
    calculus::FrameMarginForButtons(
        v, pDC,
        {{R - 20, u8"显示多项式系数"},
         {R - 20, u8"y=1/(a+blnx)"},
         {R - 20, u8"y=ae^(b/x)"},
         {R - 20, u8"y″0增加"},
         {R - 20, u8"样条积分值"},
         {R - 20, u8"显示特殊函数"},
         {R - 20, u8"显示逼近系数"},
         {TitleRightOfRangeBoxes(v, R - 140), u8"回归方程:y=1/(a+blnx)"},
         {TitleRightOfRangeBoxes(v, R - 120), u8"2m+1奇次多项式回归"},
         {R - 2 * ch, u8"切比雪夫2逼近"},
         {R - 2 * ch, u8"三次样条插值"},
         {R - 60, u8"拉格朗日插值"},
         {R - 40, u8"牛顿前插值"}});
}

} // namespace

BOOL CPemroView::IsFitFigureDrawn() const {
    return m_bFullRepaint || IsClickOnGraphControls();
}

void CPemroView::DrawFitAxesOnly(CDC* pDC) {
    DrawFunctionGraph(pDC, 0, 0, m_dXMin, m_dXMin + kPointRange, "x", "y");
    if (IsFitFigureDrawn()) FitColumnMargin(*this, pDC);
}

void CPemroView::CmdRegression1(CDC* pDC) {
    ReadPlotSetup(kFirstArgRegression);
    if (!m_bFigureVisible) return;
    DrawFitAxesOnly(pDC);
    if (IsFitFigureDrawn()) DrawRegression1(pDC, m_nCountN);
}

void CPemroView::CmdRegressionm(CDC* pDC) {
    ReadPlotSetup(kFirstArgRegression);
    if (!m_bFigureVisible) return;
    if (IsArgListOpen()) m_nRegressionM = ScriptInt(ReadScriptNumber(m_nParsePos));
    DrawFitAxesOnly(pDC);
    if (IsFitFigureDrawn()) DrawRegressionm(pDC, m_nCountN, m_nCountM);
}

void CPemroView::CmdApproximation(CDC* pDC) {
    ReadPlotSetup(kFirstArgApproximation);
    if (!m_bFigureVisible) return;
    m_nPlotOption1 = m_nPlotOption2 = 0;
    DrawFunctionGraph(pDC, 0, 0, m_dIntervalA, m_dIntervalB, "x", "y");
    if (IsFitFigureDrawn()) FitColumnMargin(*this, pDC);
    if (IsFitFigureDrawn()) DrawApproximation(pDC, m_nCountN, m_nCountM);
}

void CPemroView::CmdCurvespecialfunc(CDC* pDC) {
    ReadPlotSetup(kFirstArgCurvespecialfunc);
    if (!m_bFigureVisible) return;
    m_nPlotOption1 = m_nPlotOption2 = 0;
    DrawFunctionGraph(pDC, 0, 0, m_dIntervalA, m_dIntervalA + kPointRange, "x", "y");
    if (IsFitFigureDrawn()) FitColumnMargin(*this, pDC);
    if (IsFitFigureDrawn()) DrawCurvespecialfunc(pDC, m_nCountN, m_nCountM);
}

void CPemroView::CmdLineInterpolate(CDC* pDC) {
    ReadPlotSetup(kFirstArgLineInterpolate);
    if (!m_bFigureVisible) return;
    DrawFitAxesOnly(pDC);
    if (IsFitFigureDrawn()) DrawLineInterpolate(pDC, m_nCountM, m_nCountN);
}

void CPemroView::CmdLargange(CDC* pDC) {
    ReadPlotSetup(kFirstArgLargange);
    if (!m_bFigureVisible) return;
    DrawFitAxesOnly(pDC);
    if (IsFitFigureDrawn()) DrawLargange(pDC, m_nCountM, m_nCountN);
}

void CPemroView::CmdNewton(CDC* pDC) {
    ReadPlotSetup(kFirstArgNewton);
    if (!m_bFigureVisible) return;
    m_bDecimalsRowOver = TRUE;
    DrawFitAxesOnly(pDC);
    if (IsFitFigureDrawn()) DrawNewton(pDC, m_nCountM, m_nCountN);
    m_bDecimalsRowOver = FALSE;
}

void CPemroView::CmdSplines(CDC* pDC) {
    ReadPlotSetup(kFirstArgSplines);
    if (!m_bFigureVisible) return;
    if (m_bLoadScriptSettings) m_adCoefF[0] = m_dX0, m_adCoefF[1] = m_dY0;
    DrawFitAxesOnly(pDC);
    if (IsFitFigureDrawn()) DrawSplines(pDC, m_nCountM, m_nCountN);
}
