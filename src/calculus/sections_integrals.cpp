// Command sections of the integral pages: the integral concepts and
// quadrature rules ("Calculus1", "calculus1", "PRNCalculus"), the regions of
// double integrals ("Domainxy", "Domainr") and solids and surfaces of
// revolution ("Revolve").
#include "calculus/button_column.h"
#include "calculus/label_in_plot.h"
#include "view/view.h"

#include "platform/text_codec.h"
#include "render/text_typeset.h"
#include "script/script_args.h"
#include "solid/math/scene_math.h"

#include <algorithm>
#include <cmath>

namespace {

// First argument column of each keyword.
constexpr int kFirstArgCalculus1 = 10;
constexpr int kFirstArgcalculus1 = 10;
constexpr int kFirstArgPRNCalculus = 12;
constexpr int kFirstArgDomainxy = 9;
constexpr int kFirstArgDomainr = 8;
constexpr int kFirstArgRevolve = 8;

// The region buttons of "Domainxy": label, offset below the figure top,
// whether it needs the strip detail and which direction, and its effect.
struct RegionButton {
    const char* label;
    int dy;
    int stripDirection; // 0: always shown
    int orientation;    // the direction chosen, or 0
    double factor;      // the strip width factor, or 0
};
constexpr RegionButton kRegionButtons[] = {
    {u8"x_型", 50, 0, 1, 0},   {u8"y_型", 74, 0, 2, 0},   {u8"dx增", 2, 1, 0, 1.25},
    {u8"dx减", 26, 1, 0, 0.8}, {u8"dy增", 2, 2, 0, 1.25}, {u8"dy减", 26, 2, 0, 0.8},
};
// Strip widths the buttons reach, as fractions of the span: a strip wider
// than a fifth of the plot is no longer an element of the region.
constexpr double kMinStripWidth = 0.001;
constexpr double kMaxStripWidth = 0.2;

// The seven rule buttons of "Calculus1" (sub-demonstrations 0..6).
constexpr const char* kCalculus1Buttons[7] = {
    u8"不定积分", u8"定积分",     u8"变限积分", u8"矩形公式",
    u8"梯形公式", u8"辛普生公式", u8"高斯公式",
};

// One value of "calculus1": kind, region type 2 or not, method, label.
struct IntegralValue {
    int kind;
    int method;
    const char* label;      // region types 0 and 1
    const char* labelRight; // region type 2
};
constexpr IntegralValue kIntegralValues[] = {
    {0, 1, u8"积分值: ", u8"积分值: "},
    {1, 7, u8"(上)曲线弧长: ", u8"右曲线弧长: "},
    {2, 8, u8"下曲线弧长: ", u8"左曲线弧长: "},
};

} // namespace

// A pass that repaints only part of the figure leaves the graph as it was:
// drawing the demonstration again over it would mix two pictures.
BOOL CPemroView::IsGraphRedrawnWhole() const {
    return HitTestGraphRegion(1) && IsGraphRedrawn();
}

void CPemroView::CmdCalculus1(CDC* pDC) {
    ReadPlotSetup(kFirstArgCalculus1);
    if (!m_bFigureVisible) return;
    // The mode argument picks the sub-demonstration here; read as a plot
    // mode, 4 (the trapezoids) would turn the figure into x = f(y).
    m_nPlotMode = 0;
    m_nRegionType = 0;
    const double a = m_dIntervalA, b = m_dIntervalB;
    DrawFunctionGraph(pDC, 0, 0, a, a + 0.001 * (m_dXMax - m_dXMin), m_astrCommandLabel[0],
                      m_astrCommandLabel[1]);
    if (m_nScriptPlotMode >= 0 && m_nScriptPlotMode <= 6) {
        m_nDemoOption = m_nScriptPlotMode;
    } else {
        int widest = 0;
        for (const char* label : kCalculus1Buttons)
            widest = std::max(widest, ButtonWidth(Gbk(label)));
        const int x = m_nFigureRight - 20;
        calculus::FrameMarginForColumn(*this, pDC, x, widest);
        for (int i = 0; i < 7; ++i)
            if (TextButtonInPlot(pDC, x, m_nFigureTop + 24 * i, 60, 20, Gbk(kCalculus1Buttons[i]),
                                 m_crCurveSetting))
                m_nDemoOption = i;
    }
    m_nSubDemo = m_nDemoOption;
    if (m_bLoadScriptSettings && m_nSubDemo == 6 && IsArgListOpen())
        m_nDemoOption2 = ScriptInt(ReadScriptNumber(m_nParsePos));
    if (IsGraphRedrawnWhole()) DrawCalculus1(pDC, 0);
    DrawFunctionGraph(pDC, 1, 0, m_nSubDemo == 2 ? m_dCursorX : a, b, m_astrCommandLabel[0],
                      m_astrCommandLabel[1]);
}

void CPemroView::Cmdcalculus1(CDC* pDC) {
    if (!m_bPlaneCmdsEnabled || !m_bFigureVisible) return;
    const int kind = ScriptInt(ReadScriptNumber(kFirstArgcalculus1));
    m_nRegionType = ScriptInt(ReadScriptNumber(m_nParsePos));
    m_dIntervalA = ReadScriptNumber(m_nParsePos);
    m_dIntervalB = ReadScriptNumber(m_nParsePos);
    const double x = ReadScriptNumber(m_nParsePos), y = ReadScriptNumber(m_nParsePos);
    ReadScriptColors(TRUE, FALSE);
    if (!m_bFigureVisible) return;
    if (kind == 3) {
        if (m_nFuncF == 0) m_nFuncF = 1;
        const double area = ComputeRegionIntegral(100, 100, m_dXMin, m_dXMax, m_dYMin, m_dYMax, 1,
                                                  1, solid::kRegionArea);
        DrawLabelValue(pDC, x, y, Gbk(u8"区域的面积: "), 4, area, m_crPen);
        return;
    }
    for (const IntegralValue& v : kIntegralValues) {
        if (v.kind != kind) continue;
        if (kind > 0 && m_nRegionType == 3) return;
        const double value =
            Integrate(m_dIntervalA, m_dIntervalB, 4000, v.method, kind == 0 ? 2 : 0);
        const CString label = Gbk(m_nRegionType == 2 ? v.labelRight : v.label);
        double at = x, row = y;
        const size_t cells = label.size() + 1 + typeset::FormatDecimals(4, value).size();
        if (calculus::KeepLabelInPlot(*this, cells, &at, y)) {
            calculus::KeepLabelOffFigureText(*this, cells, &at, &row);
            DrawLabelValue(pDC, at, row, label, 4, value, m_crPen);
        }
        return;
    }
}

void CPemroView::CmdPRNCalculus(CDC* pDC) {
    if (!m_bPlaneCmdsEnabled || !m_bFigureVisible) return;
    const int k = ScriptInt(ReadScriptNumber(kFirstArgPRNCalculus));
    if (!m_bSelectionPending) m_nFuncF = k;
    m_nFuncLower = ScriptInt(ReadScriptNumber(m_nParsePos));
    const double x = ReadScriptNumber(m_nParsePos), y = ReadScriptNumber(m_nParsePos);
    const int method = ScriptInt(ReadScriptNumber(m_nParsePos));
    const int p6 = ScriptInt(ReadScriptNumber(m_nParsePos));
    const int p7 = ScriptInt(ReadScriptNumber(m_nParsePos));
    const double A = ReadScriptNumber(m_nParsePos), B = ReadScriptNumber(m_nParsePos);
    const double C = ReadScriptNumber(m_nParsePos);
    const int n = ScriptInt(ReadScriptNumber(m_nParsePos));
    ReadScriptColors(TRUE, FALSE);
    m_dDemoParam = C;
    if (m_bLoadScriptSettings) m_dParamA = A, m_dParamB = B, m_dParamC = C;
    // Kinds 8 and above are the water-pressure and work problems, numbered
    // from 1 there.
    if (method < 8)
        DrawPRNCalculus(pDC, x, y, method, p6, p7, m_dParamA, m_dParamB, n, m_crPen);
    else
        DrawWaterPressureWork(pDC, x, y, method - 7, m_dParamA, m_dParamB, m_dParamC, n, m_crPen);
}

void CPemroView::CmdDomainxy(CDC* pDC) {
    ReadPlotSetup(kFirstArgDomainxy);
    if (!m_bFigureVisible) return;
    m_nRegionType = ScriptIntPlus(m_nPlotMode, 1);
    m_nOdeMethodFamily = m_nPlotOption1;
    const int arrows = m_nPlotOption2;
    if (IsArgListOpen()) {
        const int direction = ScriptInt(ReadScriptNumber(m_nParsePos));
        if (!m_bSelectionPending) m_nPlotOrientation = direction;
    }
    ReadScriptColors(TRUE, FALSE);
    const double a = m_dIntervalA, b = m_dIntervalB;
    DrawFunctionGraph(pDC, 0, 0, a, a + 0.001, "x", "y");
    if (!IsGraphRedrawnWhole()) return;
    int widest = 0;
    for (const RegionButton& r : kRegionButtons)
        widest = std::max(widest, ButtonWidth(Gbk(r.label)));
    const int column = m_nFigureRight - 10;
    calculus::FrameMarginForColumn(*this, pDC, column, widest);
    // A width set elsewhere (the parameter dialog) is drawn within the same range.
    if (m_nPlotOption1 > 2) m_dStepH = std::clamp(m_dStepH, kMinStripWidth, kMaxStripWidth);
    for (const RegionButton& r : kRegionButtons) {
        if (r.stripDirection != 0 &&
            (m_nPlotOption1 <= 2 || m_nPlotOrientation != r.stripDirection))
            continue;
        if (!TextButtonInPlot(pDC, column, m_nFigureTop + r.dy, 30, 20, Gbk(r.label),
                              m_crCurveSetting))
            continue;
        if (r.orientation != 0) {
            m_nPendingPlotOrientation = r.orientation;
            m_bSelectionPending = 1;
        } else {
            m_dStepH = std::clamp(m_dStepH * r.factor, kMinStripWidth, kMaxStripWidth);
        }
    }
    DrawDomainxy(pDC, a, b, m_astrCommandLabel[0], m_astrCommandLabel[1], m_astrCommandLabel[2],
                 m_astrCommandLabel[3], m_crPen);
    if (arrows == 0) return;
    const double t[2] = {a + (b - a) / 3, a + 2 * (b - a) / 3};
    for (double s : t) {
        if (m_nRegionType == 1) {
            const double d = 0.05 * m_dXSpan;
            const auto f = [&](double x) { return EvalF(x, m_nFuncUpper); };
            const auto g = [&](double x) { return EvalCatalogueB(x, m_nFuncLower); };
            DrawArrowWorld(pDC, s, f(s), s - d, f(s - d), 0, "", "", m_crDefaultPen);
            DrawArrowWorld(pDC, s, g(s), s + d, g(s + d), 0, "", "", m_crDefaultPen);
        } else if (m_nRegionType == 2) {
            const double d = 0.05 * m_dYSpan;
            const auto g = [&](double y) { return EvalCatalogueB(y, m_nFuncLeft); };
            const auto f = [&](double y) { return EvalF(y, m_nFuncRight); };
            DrawArrowWorld(pDC, g(s), s, g(s - d), s - d, 0, "", "", m_crDefaultPen);
            DrawArrowWorld(pDC, f(s), s, f(s + d), s + d, 0, "", "", m_crDefaultPen);
        }
    }
}

void CPemroView::CmdDomainr(CDC* pDC) {
    ReadPlotSetup3D(kFirstArgDomainr);
    if (!m_bFigureVisible) return;
    m_nOdeMethodFamily = m_nSurfaceUpper;
    m_dIntervalA = m_dZMin;
    m_dIntervalB = m_dZMax;
    ReadScriptColors(TRUE, FALSE);
    DrawFunctionGraph(pDC, 0, 0, 0.0, 0.001, "x(r)", "y");
    if (!IsGraphRedrawnWhole()) return;
    if (m_nRegionType <= 0) {
        const int x = calculus::ColumnInFigure(*this, m_nFigureRight - 40, {u8"θ-型", u8"r-型"});
        if (TextButtonInPlot(pDC, x, m_nFigureTop, 40, 20, Gbk(u8"θ-型"), m_crCurveSetting))
            m_nDemoOption = 1, m_dDemoParam = 8.0;
        if (TextButtonInPlot(pDC, x, m_nFigureTop + 22, 40, 20, Gbk(u8"r-型"), m_crCurveSetting))
            m_nDemoOption = 2, m_dDemoParam = 8.0;
        if (m_nDemoOption != 1 && m_nDemoOption != 2) m_nDemoOption = 1;
        m_nRegionType = m_nDemoOption;
    }
    // A second pair of label lines names the curves of the r-type region.
    const bool own = m_nRegionType == 2 && m_astrCommandLabel[2] != " ";
    DrawDomainr(pDC, m_dIntervalA, m_dIntervalB, m_astrCommandLabel[own ? 2 : 0],
                m_astrCommandLabel[own ? 3 : 1]);
}

void CPemroView::CmdRevolve(CDC* pDC) {
    ReadPlotSetup(kFirstArgRevolve);
    if (!m_bFigureVisible) return;
    if (m_nDemoOption != 0 && m_nDemoOption != 1) m_nDemoOption = 1;
    double& c = m_dDemoParam;
    if (!m_bSelectionPending) {
        if (IsArgListOpen()) {
            const int k = ScriptInt(ReadScriptNumber(m_nParsePos));
            if (k == 0 || k == 1) m_nPlotOrientation = k;
        }
        if (m_bLoadScriptSettings) c = IsArgListOpen() ? ReadScriptNumber(m_nParsePos) : 0.0;
    }
    const int o1 = m_nPlotOption1, o2 = m_nPlotOption2, d = m_nPlotOrientation;
    const double a = m_dIntervalA, b = m_dIntervalB;
    // Shells need the axis off the interval: it moves to the nearer side.
    if (o2 != d && o1 == 1 && a < c && c < b)
        c = std::fabs(c - a) < std::fabs(c - b) ? a - 0.001 * (b - a) : b + 0.001 * (b - a);
    if (m_bLoadScriptSettings) {
        if (o2 == d || o1 == 2) {
            // The range across the axis becomes symmetric about it.
            double& lo = o2 == 0 ? m_dYMin : m_dXMin;
            double& hi = o2 == 0 ? m_dYMax : m_dXMax;
            if (std::fabs(hi - c) > std::fabs(lo - c))
                lo = 2 * c - hi;
            else
                hi = 2 * c - lo;
        } else if (o1 == 1) {
            // The range along the variable holds the mirror image of [a, b].
            double& lo = o2 == 1 ? m_dXMin : m_dYMin;
            double& hi = o2 == 1 ? m_dXMax : m_dYMax;
            if (c <= a)
                lo = 2 * c - b;
            else if (c >= b)
                hi = 2 * c - a;
        }
        m_dXSpan = m_dXMax - m_dXMin;
        m_dYSpan = m_dYMax - m_dYMin;
    }
    DrawFunctionGraph(pDC, 0, 0, 0.0, 0.001, m_astrCommandLabel[0], m_astrCommandLabel[1]);
    DrawRevolve(pDC, o1, o2);
}
