// Command sections of the one-variable calculus pages: intervals, periodic
// extensions, inverse functions, limits, the derivative graph, the mean value
// theorems, Taylor polynomials and Fourier series.
#include "calculus/button_column.h"
#include "view/view.h"

#include "platform/real_steps.h"
#include "platform/text_codec.h"
#include "script/script_args.h"

#include <cmath>
#include <cstring>
#include <iterator>

namespace {

// First argument column of each keyword.
constexpr int kFirstArgRegion = 7;
constexpr int kFirstArgPeriod = 7;
constexpr int kFirstArgInverse = 8;
constexpr int kFirstArginverse = 8;
constexpr int kFirstArgLimit = 6;
constexpr int kFirstArgDerivative1 = 12;
constexpr int kFirstArgMeanDifferential = 17;
constexpr int kFirstArgMeanCalculus1 = 13;
constexpr int kFirstArgSeries1 = 8;
constexpr int kFirstArgFourier = 8;

// Period marks in each direction at most (a tiny period would otherwise
// draw without end).
constexpr int kMaxPeriodMarks = 2000;
// Horizontal-line test: scan step and the jump after a crossing, as
// fractions of the x span; the level tolerance as a fraction of the y span.
constexpr double kLevelScanStep = 0.0001;
constexpr double kLevelJump = 0.1;
constexpr double kLevelTolerance = 0.01;
constexpr long kMaxLevelScanSteps = 200000;

// The limit kinds: the three mode fields each kind sets (-2: unchanged).
struct LimitKind {
    int infinity;
    int side;
    int sequenceMode;
};
constexpr int kUnchanged = -2;
constexpr LimitKind kLimitKinds[] = {
    {0, 0, 0}, {0, 1, 0}, {0, 2, 0}, {1, 0, 0}, {2, 0, 0}, {3, 0, 0},           {0, 0, 1},
    {0, 1, 1}, {0, 2, 1}, {1, 0, 1}, {2, 0, 1}, {3, 0, 1}, {kUnchanged, 3, -1},
};
// The buttons of a page that lets the user choose the kind.
struct LimitButton {
    const char* label;
    int dy;
    int kind;
};
constexpr LimitButton kLimitButtons[] = {
    {"x0", 24, 6},  {"x0-0", 48, 7},   {"x0+0", 72, 8},
    {u8"∞", 96, 9}, {u8"+∞", 120, 10}, {u8"-∞", 144, 11},
};
constexpr int kFirstAnimatedKind = 6;

} // namespace

// The graph redraws itself on these passes; a demonstration drawn only on a
// click inside the plot would vanish under a click on a button beside it.
BOOL CPemroView::IsGraphRedrawn() const {
    return m_bFullRepaint || HitTestGraphRegion(2) || IsClickOnGraphControls() ||
           (HitTestGraphRegion(1) && m_bZoom);
}

void CPemroView::CmdRegion(CDC* pDC) {
    ReadPlotSetup(kFirstArgRegion);
    if (!m_bFigureVisible) return;
    const int axisOnly = ScriptInt(ReadScriptNumber(m_nParsePos));
    // An interval-estimate line runs this section too (its keyword begins
    // with this one); its own figure fills the same box over the number
    // line, which would leave only a second "恢复" under the estimate's.
    if (std::strncmp(m_szCommandLine, "RegionEstimate", 14) == 0) return;
    DrawRegion(pDC, m_dIntervalA, m_dIntervalB, m_nPlotOption1, m_nPlotOption2,
               m_astrCommandLabel[0], m_astrCommandLabel[1], axisOnly);
}

void CPemroView::CmdPeriod(CDC* pDC) {
    ReadPlotSetup(kFirstArgPeriod);
    if (!m_bFigureVisible) return;
    const int keptSymmetry = m_nFuncFSymmetry;
    m_bFuncFPeriodic = 1;
    m_nFuncFSymmetry = m_nFuncLower;
    DrawFunctionGraph(pDC, 0, 0, m_dXMin, m_dXMax, m_astrCommandLabel[0], m_astrCommandLabel[1]);
    const double P = m_dFuncFPeriod;
    // Marks need a period that moves them: none for a zero, negative or
    // non-finite period.
    if (m_dIntervalB == 1.0 && P > 0 && std::isfinite(P) && std::isfinite(m_dCursorX)) {
        const int k = m_nFuncF;
        for (int i = 0; i < kMaxPeriodMarks; ++i) {
            const double x = m_dCursorX + P * i;
            if (!(x < m_dXMax)) break;
            DrawLineWorld(pDC, x, EvalF(x, k), x, 0, m_crDefaultPen);
        }
        for (int i = 0; i < kMaxPeriodMarks; ++i) {
            const double x = m_dCursorX - P * i;
            if (!(x > m_dXMin)) break;
            DrawLineWorld(pDC, x, EvalF(x, k), x, 0, m_crDefaultPen);
        }
    }
    m_bFuncFPeriodic = 0;
    m_nFuncFSymmetry = keptSymmetry;
}

void CPemroView::CmdInverse(CDC* pDC) {
    ReadPlotSetup(kFirstArgInverse);
    if (!m_bFigureVisible) return;
    const double a = m_dIntervalA, b = m_dIntervalB;
    DrawFunctionGraph(pDC, 0, 0, a, b, m_astrCommandLabel[0], m_astrCommandLabel[1]);
    if (!IsGraphRedrawn()) return;
    const int mode = m_nFuncLower;
    if (mode == 0) {
        // The horizontal-line test at the level of the cursor's value.
        m_nFuncF = m_nFuncUpper;
        const int k = m_nFuncF;
        const double y0 = m_dCursorY = EvalF(m_dCursorX, k);
        DrawLineWorld(pDC, m_dXMin, y0, m_dXMax, y0, m_crFirstDerivative);
        const double step = kLevelScanStep * m_dXSpan, tol = kLevelTolerance * (m_dYMax - m_dYMin);
        const double jump = kLevelJump * (m_dXMax - m_dXMin);
        if (!(step > 0) || !std::isfinite(step)) return;
        // x = a + i·step + (jumps so far)·jump, counted before the first.
        const long n = steps::Count(a, b, step, kMaxLevelScanSteps, false);
        long jumps = 0;
        for (long i = 0; i < n; ++i) {
            const double x = a + double(i) * step + double(jumps) * jump;
            if (!(x < b)) break;
            if (std::fabs(EvalF(x, k) - y0) < tol) {
                DrawLineWorld(pDC, x, y0, x, 0, m_crDefaultPen);
                ++jumps;
            }
        }
        return;
    }
    m_bPlotInverse = 1;
    PlotCurve(pDC, a, b, m_crSecondDerivative);
    m_bPlotInverse = 0;
    DrawLineWorld(pDC, m_dXMin, m_dYMin, m_dXMax, m_dYMax, m_crFirstDerivative);
    if (mode != 1) return;
    const double x0 = m_dCursorX, y0 = EvalF(x0, m_nFuncUpper);
    DrawLineWorld(pDC, x0, y0, x0, 0, m_crDefaultFill);
    DrawLineWorld(pDC, 0, y0, x0, y0, m_crDefaultFill);
    DrawLineWorld(pDC, y0, x0, y0, 0, m_crDefaultPen);
    DrawLineWorld(pDC, 0, x0, y0, x0, m_crDefaultPen);
}

void CPemroView::Cmdinverse(CDC* pDC) {
    if (!m_bPlaneCmdsEnabled || !m_bFigureVisible) return;
    m_nFuncF = ScriptInt(ReadScriptNumber(kFirstArginverse));
    m_nPlotMode = ScriptInt(ReadScriptNumber(m_nParsePos));
    const double a = ReadScriptNumber(m_nParsePos);
    const double b = ReadScriptNumber(m_nParsePos);
    if (!IsGraphRedrawn() && !HitTestGraphRegion(0)) return;
    m_bPlotInverse = 1;
    PlotCurve(pDC, a, b, m_crSecondDerivative);
    m_bPlotInverse = 0;
    PlotCurve(pDC, a, b, m_crCurveSetting);
}

void CPemroView::CmdLimit(CDC* pDC) {
    ReadPlotSetup(kFirstArgLimit);
    if (!m_bFigureVisible) return;
    const int g = m_nFuncLower;
    if (g >= 0) m_nDemoOption = g;
    // Chosen by the buttons: a kind left from before (a fresh page) becomes
    // the first animated one before anything is drawn.
    else if (m_nDemoOption < kFirstAnimatedKind)
        m_nDemoOption = kFirstAnimatedKind;
    if (m_nDemoOption >= 0 && m_nDemoOption < int(std::size(kLimitKinds))) {
        const LimitKind& kind = kLimitKinds[m_nDemoOption];
        if (kind.infinity != kUnchanged) m_nLimitInfinity = kind.infinity;
        m_nLimitSide = kind.side;
        m_nSequenceMode = kind.sequenceMode;
    }
    const double a = m_dIntervalA, b = m_dIntervalB;
    DrawFunctionGraph(pDC, 0, 0, a, b, m_astrCommandLabel[0], m_astrCommandLabel[1]);
    if (m_nSequenceMode >= 0 && IsGraphRedrawn()) DrawLimit(pDC, a, b);
    if (g >= 0) return;
    // The kind chosen here applies from the next pass on.
    int widest = 0;
    for (const LimitButton& button : kLimitButtons)
        widest = std::max(widest, ButtonWidth(Gbk(button.label)));
    const int x = m_nFigureRight - 10;
    calculus::FrameMarginForColumn(*this, pDC, x, widest);
    for (const LimitButton& button : kLimitButtons)
        if (TextButtonInPlot(pDC, x, m_nFigureTop + button.dy, 36, 20, Gbk(button.label),
                             m_crCurveSetting))
            m_nDemoOption = button.kind;
}

void CPemroView::CmdDerivative1(CDC* pDC) {
    ReadPlotSetup(kFirstArgDerivative1);
    if (!m_bFigureVisible) return;
    m_nDerivativeArg = m_nFuncLower;
    DrawFunctionGraph(pDC, 0, 0, m_dIntervalA, m_dIntervalB, m_astrCommandLabel[0],
                      m_astrCommandLabel[1]);
}

void CPemroView::CmdMeanDifferential(CDC* pDC) {
    ReadPlotSetup(kFirstArgMeanDifferential);
    if (!m_bFigureVisible) return;
    DrawFunctionGraph(pDC, 0, 0, m_dIntervalA, m_dIntervalB, m_astrCommandLabel[0],
                      m_astrCommandLabel[1]);
    DrawMeanDifferential(pDC, 0);
}

void CPemroView::CmdMeanCalculus1(CDC* pDC) {
    ReadPlotSetup(kFirstArgMeanCalculus1);
    if (!m_bFigureVisible) return;
    DrawFunctionGraph(pDC, 0, 0, m_dIntervalA, m_dIntervalB, m_astrCommandLabel[0],
                      m_astrCommandLabel[1]);
    DrawMeanDifferential(pDC, 1);
}

void CPemroView::CmdSeries1(CDC* pDC) {
    ReadPlotSetup(kFirstArgSeries1);
    if (!m_bFigureVisible) return;
    m_nPlotMode = 0;
    DrawFunctionGraph(pDC, 0, 0, m_dIntervalA, m_dIntervalB, m_astrCommandLabel[0],
                      m_astrCommandLabel[1]);
    DrawSeries1(pDC, m_nFuncLower);
}

void CPemroView::CmdFourier(CDC* pDC) {
    m_bFuncFPeriodic = 1;
    ReadPlotSetup(kFirstArgFourier);
    if (m_bFigureVisible) {
        // The script's symmetry until a button of the figure chose another.
        if (m_nFuncLower >= 0 && m_bLoadScriptSettings) m_nFuncFSymmetry = m_nFuncLower;
        DrawFunctionGraph(pDC, 0, 0, m_dXMin, m_dXMax, m_astrCommandLabel[0],
                          m_astrCommandLabel[1]);
        if (IsGraphRedrawn()) DrawFourier(pDC);
    }
    m_bFuncFPeriodic = 0;
}
