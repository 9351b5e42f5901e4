// "Sequence" and "Sequence2": a real sequence Xn = F(Xn-1) or Xn = F(n)
// plotted against n, as bars, as a table, on the Xn axis and with the ε-N
// band, its limit searched; the bifurcation planes of a recursion whose
// coefficient runs along the axis. The colour planes of the complex
// iterations live in complex_iteration.cpp.
#include "calculus/button_column.h"
#include "view/view.h"

#include "calculus/math/sequences.h"
#include "catalog/math/graph_axes.h"
#include "platform/real_steps.h"
#include "platform/text_codec.h"
#include "render/boxed_label_spread.h"
#include "script/script_args.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int kFirstArgSequence = 9;
constexpr int kFirstArgSequence2 = 10;
// Terms drawn along n at most, and bifurcation columns at most per pixel.
constexpr long kMaxPlottedTerms = 100000;
constexpr int kBifurcationSettle = 200;
constexpr int kBifurcationShown = 200;
constexpr long kMaxBifurcationColumns = 20000;
// The number-line searches.
constexpr double kLineTolerance = 5e-6;
constexpr long kMaxLineSteps = 10000;
constexpr double kLineGrowth = 1.1;
constexpr double kLineGrowthShown = 1.11;
constexpr double kLineEnd = 1e8;
constexpr int kTableTerms = 24;
// Decimals of the Xn axis's numbers.
constexpr int kAxisDecimals = 2;
constexpr int kLineTerms = 40;
constexpr int kDotRadius = 3;

bool Strictly(double a, double x, double b) {
    return a < x && x < b;
}

// The left edge of the column of the reading and plane buttons.
int SequencePlaneColumn(const CPemroView& v) {
    const int cw = v.m_nFontStep / 2 + v.m_nBaseCharWidth;
    return calculus::ColumnInFigure(
        v, v.m_nPlotRight - 4 * cw + 20,
        {u8"改变系数", "Xn=f(n)", "Xn=f(Xn-1)", u8"n_Xn面", u8"a_Xn面", u8"b_Xn面", u8"c_Xn面"});
}

// The ε of the ε-N band, a fraction of the x span: up to the whole span
// (every term then lies in the band) and down to a band whose ends lie
// within a pixel of the limit on any screen; its read-out (6 decimals)
// never shows 0.
constexpr double kMaxBandEpsilon = 1.0;
constexpr double kMinBandEpsilon = 1e-4;
constexpr double kMinShownEpsilon = 1e-6;

// The left edge of the "ε增加" "ε减少" row, inside the figure.
int EpsilonButtonsX(const CPemroView& v) {
    const int right = v.m_nPlotRight;
    return right - 110 -
           calculus::RowShiftIntoFigure(v, {{right - 110, u8"ε增加"}, {right - 55, u8"ε减少"}});
}

// The nominal x of the boxed "数列极限:" (boxed labels scale their x from
// the plot's left edge): 11 lines left of the plot's right edge, and in
// the ε-N band's figure further left where its value would run under the
// ε buttons (large fonts).
int LimitLabelX(CPemroView& v, CDC* pDC, int mode, double A) {
    const int nominal = v.m_nPlotRight - 11 * v.m_nBaseCharHeight;
    if (mode != 7 || !pDC) return nominal;
    const int S = v.m_nFontStep, cw = v.m_nBaseCharWidth + S / 2;
    const int scale = S / 2 + 2 + v.m_nBaseCharWidth;
    const auto drawn = [&](int x) { return v.m_nPlotLeft + scale * (x - v.m_nPlotLeft) / 18; };
    const int width = int(Gbk(u8"数列极限:").size()) * cw + v.NumberExtent(pDC, 3, A).cx;
    const int room = EpsilonButtonsX(v) - CPemroView::kButtonRowGap - width;
    if (drawn(nominal) <= room) return nominal;
    return std::max(v.m_nPlotLeft,
                    v.m_nPlotLeft + (room - v.m_nPlotLeft) * 18 / std::max(1, scale));
}

} // namespace

void CPemroView::CmdSequence(CDC* pDC) {
    // "Sequence2" starts with this keyword; its own section draws it.
    if (std::strncmp(m_szCommandLine, "Sequence2", 9) == 0) return;
    const int keptOption1 = m_nPlotOption1;
    ReadPlotSetup(kFirstArgSequence);
    if (!m_bFigureVisible) return;
    m_nDemoOption = m_nPlotMode;
    m_nDemoOption2 = m_nFuncLower;
    if (m_nPlotMode == 1) m_nPlotOption1 = keptOption1;
    if (m_nPlotOption2 == 6) m_nSequenceMode = 1;
    if (m_nPlotOption2 == 7) m_nSequenceMode = 0;
    m_nPlotMode = 0;
    DrawSequence(pDC, m_nPlotOption2);
}

void CPemroView::CmdSequence2(CDC* pDC) {
    ReadPlotSetup3D(kFirstArgSequence2);
    if (!m_bFigureVisible) return;
    m_nRegionType = 1;
    DrawSequence(pDC, 8);
}

double CPemroView::SequenceTerm(double x) const {
    return EvalF(x, m_nFuncF);
}

void CPemroView::DrawSequence(CDC* pDC, int mode) {
    if (!IsFigureBandVisible()) return;
    switch (mode) {
    case 0:
    case 1:
        DrawSequencePlane(pDC, mode);
        break;
    case 2:
        DrawComplexIteration(pDC);
        break;
    case 3:
        DrawSequenceBars(pDC);
        break;
    case 4:
        DrawSequenceTable(pDC);
        break;
    case 5:
        DrawSequenceOnAxis(pDC);
        break;
    case 6:
    case 7:
        DrawSequenceLimitOnAxis(pDC, mode);
        break;
    case 8:
        DrawPlaneIteration(pDC);
        break;
    default:
        break;
    }
}

// The header modes 0, 1 and 2 share: n raised to b, the frame, ε capped at
// 1 and its label, and M.
void CPemroView::SequenceHeader(CDC* pDC) {
    SplitRGB(m_crFrontSide);
    SplitRGB(m_crBackSide);
    if (double(m_nDemoStep) < m_dIntervalB) m_nDemoStep = ScriptInt(m_dIntervalB);
    DrawFunctionGraph(pDC, 0, 0, 0.0, 0.0001, "x", "y");
    if (!(m_dEpsilon <= 1.0)) m_dEpsilon = 1.0;
    const double x = m_dXMin + 0.3 * m_dXSpan;
    if (m_dEpsilon <= 1e-6)
        DrawLabelNumber(pDC, 0, x, m_dYMin + 0.2 * m_dYSpan, Gbk(u8"10^6ε="), 6,
                        m_dEpsilon * 1000000, m_crCurveSetting);
    else
        DrawLabelNumber(pDC, 0, x, m_dYMin + 0.2 * m_dYSpan, Gbk(u8"ε="), 6, m_dEpsilon,
                        m_crCurveSetting);
    DrawLabelNumber(pDC, 0, x, m_dYMin + m_dParamStep * m_dYSpan, "M=", 0, m_dEscapeBound,
                    m_crCurveSetting);
}

// --- Modes 0 and 1: the (n, Xn) plane and the bifurcation planes ------------------------

void CPemroView::DrawSequencePlane(CDC* pDC, int mode) {
    if (m_nDemoOption2 != 0 && m_nDemoOption2 != 1) m_nDemoOption2 = 0;
    SequenceHeader(pDC);
    const bool inGraph = HitTestGraphRegion(0);
    if (inGraph && m_dDemoVariant >= 1.0 && m_dDemoVariant <= 4.0 &&
        m_dDemoVariant == std::floor(m_dDemoVariant))
        ScanComplexPlane(pDC, ScriptInt(m_dDemoVariant), FALSE);
    static const char* const kFirstAxis[] = {"n", "a", "b", "c"};
    const int plane = m_nPlotOption1;
    if (plane == 0) {
        m_dIntervalA = 0;
        m_nDemoStep = ScriptInt(m_dXMax);
    }
    if (plane >= 0 && plane <= 3) DrawFunctionGraph(pDC, 0, 0, 0.0, 0.001, kFirstAxis[plane], "Xn");
    if (inGraph) {
        if (plane == 0)
            DrawSequenceTerms(pDC);
        else if (plane >= 1 && plane <= 6)
            DrawBifurcation(pDC, plane);
    }
    const bool recursion = m_nDemoOption2 == 0;
    // A row above ε and M, clear of their values and of the count at the
    // plot's floor.
    if (!(m_dYMin <= m_dY0 && m_dY0 <= m_dYMax) && recursion && plane == 0)
        DrawStringWorld(pDC, m_dXMin + m_dXSpan / 2, m_dYMin + 0.3 * m_dYSpan,
                        Gbk(u8"在Xn轴上选一点"), m_crCurveSetting);
    SequencePlaneButtons(pDC, mode);
    if (m_bShowFuncName == 1) {
        SetFFormulaText(m_nFuncF);
        DrawString(pDC, m_nPlotLeft + 2 * m_nBaseCharHeight, m_nPlotTop, m_pszFormulaF,
                   m_crCurveSetting);
    }
    if (plane == 0) {
        // The step count stands on the plot's floor: its box's foot, which a
        // large or zoomed font lowers, ends above the n axis's numbers.
        const int foot = std::max(m_nBaseCharHeight / 8 + NumberFont().lfHeight,
                                  PlainStringFont(FALSE, m_nLabelZoom).lfHeight) +
                         1;
        const int zoomRise =
            m_nLabelZoom > 0 ? std::abs(PlainStringFont(FALSE, m_nLabelZoom).lfHeight) +
                                   m_nBaseCharHeight / 8 + 4
                             : 0;
        // The writer spreads its x by the font: in a large or zoomed window
        // the count stops at the plot's right edge instead of running out of
        // the frame.
        const int cw = m_nBaseCharWidth + m_nFontStep / 2;
        const int width = int(3 + std::to_string(m_nDemoStep).size()) * cw;
        const int x = render::UnspreadLabelX(
            *this, std::min<std::int64_t>(
                       render::SpreadLabelX(*this, (m_nPlotLeft + m_nPlotRight) / 2 - 10),
                       m_nPlotRight - width));
        DrawLabelNumberBoxed(pDC, x, m_nPlotBottom - std::max({20, foot, zoomRise}), "n=", 0,
                             m_nDemoStep, m_crCurveSetting);
    }
}

// The terms against n with dots on the n axis, then the limit search.
void CPemroView::DrawSequenceTerms(CDC* pDC) {
    const bool recursion = m_nDemoOption2 == 0;
    double s = m_dYMin <= m_dY0 && m_dY0 <= m_dYMax ? m_dY0 : m_dCursorY;
    calculus::SequenceLimit limit;
    const auto F = [this](double x) { return SequenceTerm(x); };
    if (recursion) {
        if (Strictly(m_dYMin, s, m_dYMax)) {
            const long iCount = steps::Count(m_dXMin, m_dXMax, 1, kMaxPlottedTerms, true);
            for (long i = 0; i < iCount; ++i) {
                const double x = m_dXMin + double(i);
                DrawDotWorld(pDC, x, s, kDotRadius, kDotRadius, m_crFirstDerivative,
                             m_crFirstDerivative);
                DrawDotWorld(pDC, x, 0, kDotRadius, kDotRadius, m_crCurveSetting, m_crCurveSetting);
                s = F(s);
            }
        }
        limit = calculus::RecursionLimit(F, s);
    } else {
        double last = s;
        const long iCount = steps::Count(m_dXMin, m_dXMax, 1, kMaxPlottedTerms, true);
        for (long i = 0; i < iCount; ++i) {
            const double x = m_dXMin + double(i);
            last = F(x);
            DrawDotWorld(pDC, x, last, kDotRadius, kDotRadius, m_crFirstDerivative,
                         m_crFirstDerivative);
            DrawDotWorld(pDC, x, 0, kDotRadius, kDotRadius, m_crCurveSetting, m_crCurveSetting);
        }
        limit = calculus::ExplicitLimit(F, m_dXMax, last);
    }
    const double x = m_dXMin + 0.04 * m_dXSpan;
    if (limit.found)
        DrawLabelValue(pDC, x, m_dYMax - 0.1 * m_dYSpan, Gbk(u8"极限: "), 3, limit.value,
                       m_crFirstDerivative);
    else
        DrawStringWorld(pDC, x, m_dYMax - 0.05 * m_dYSpan, Gbk(u8"极限不存在"),
                        m_crFirstDerivative);
    // The title names the reading shown, ending left of the button column.
    const CString title = recursion ? "Xn=f(Xn-1)" : "Xn=f(n)";
    double titleX = m_dXMin + 0.7 * m_dXSpan;
    int titleW = 0;
    {
        CFontSelect font(pDC, PlainStringFont(FALSE, m_nLabelZoom));
        titleW = int(pDC->GetTextExtent(title).cx);
    }
    const int room = SequencePlaneColumn(*this) - 8 - titleW;
    if (m_nPlotWidth > 0 && LimitPx(titleX) > room)
        titleX = m_dXMin + double(room - m_nPlotLeft) * m_dXSpan / m_nPlotWidth;
    DrawStringWorld(pDC, titleX, m_dYMax - 0.05 * m_dYSpan, title, m_crFirstDerivative);
}

// The bifurcation diagram: coefficient `plane` (1..6 = a..f) runs along x.
void CPemroView::DrawBifurcation(CDC* pDC, int plane) {
    const double step = m_nPlotWidth > 0 ? m_dXSpan / m_nPlotWidth : 0;
    if (!(step > 0) || !std::isfinite(step)) return;
    double& coef = m_adCoefF[plane - 1];
    const bool recursion = m_nDemoOption2 == 0;
    const long colCount =
        steps::Count(m_dIntervalA, m_dIntervalB, step, kMaxBifurcationColumns, false);
    for (long col = 0; col < colCount; ++col) {
        const double a = m_dIntervalA + double(col) * step;
        double X = m_adMousePoint[1];
        if (!Strictly(m_dYMin, X, m_dYMax)) continue;
        coef = a;
        if (recursion) {
            for (int i = 0; i < kBifurcationSettle; ++i) X = SequenceTerm(X);
            for (int i = 0; i < kBifurcationShown; ++i) {
                X = SequenceTerm(X);
                if (!(m_dYMin <= X && X <= m_dYMax)) break;
                DrawLineWorld(pDC, a, X, a, X, m_crCurveSetting);
            }
        } else {
            for (int m = kBifurcationSettle; m < kBifurcationSettle + kBifurcationShown; ++m) {
                X = SequenceTerm(m);
                DrawLineWorld(pDC, a, X, a, X, m_crCurveSetting);
            }
        }
    }
}

void CPemroView::SequencePlaneButtons(CDC* pDC, int mode) {
    const int h = m_nBaseCharHeight;
    const int T = m_nPlotTop, x = SequencePlaneColumn(*this);
    if (FunctionHasCoefficients(m_nFuncF) && TextButton(pDC, x, T - h / 2 - 9, Gbk(u8"改变系数"))) {
        m_nCurveCoefEdit = 1;
        m_bLoadScriptSettings = 0;
    }
    SequenceReadingButtons(pDC, x, T, x, T + 24);
    if (mode != 1) return;
    if (TextButton(pDC, x, T + 48, Gbk(u8"n_Xn面"))) {
        m_nPlotOption1 = m_nPendingPlotOption1 = 0;
        if (m_dSavedIntervalB < 100) m_dSavedIntervalB = 100;
        m_dIntervalB = 100;
    }
    if (!FunctionHasCoefficients(m_nFuncF)) return;
    static const char* const kPlanes[] = {"a_Xn面", "b_Xn面", "c_Xn面"};
    for (int i = 0; i < 3; ++i)
        if (TextButton(pDC, x, T + 72 + 24 * i, Gbk(kPlanes[i]))) {
            m_nPendingPlotOption1 = i + 1;
            m_adSavedWorldRange[1] = 2.0;
            m_dSavedIntervalB = 2.0;
            m_bLoadScriptSettings = 0;
        }
}

// "Xn=f(n)" and "Xn=f(Xn-1)": the reading from the next pass on.
void CPemroView::SequenceReadingButtons(CDC* pDC, int x1, int y1, int x2, int y2) {
    if (TextButton(pDC, x1, y1, "Xn=f(n)")) {
        m_nPendingFuncLower = 1;
        m_bSelectionPending = 1;
    }
    if (TextButton(pDC, x2, y2, "Xn=f(Xn-1)")) {
        m_nPendingFuncLower = 0;
        m_bSelectionPending = 1;
    }
}

// --- Mode 3: the terms as bars -----------------------------------------------------

void CPemroView::DrawSequenceBars(CDC* pDC) {
    DrawFunctionGraph(pDC, 0, 0, 0.0, 0.0, "x", "y");
    const int L = m_nPlotLeft, T = m_nPlotTop;
    if (m_nFuncLower != 0 && m_nFuncLower != 1) {
        if (TextButton(pDC, L + 20, T + 2, "Xn=f(Xn-1)")) m_nDemoOption2 = 0;
        if (TextButton(pDC, L + 150, T + 2, "Xn=f(n)")) m_nDemoOption2 = 1;
    }
    const bool explicitReading = m_nDemoOption2 == 1;
    double s = m_dCursorY;
    if (explicitReading) {
        if (m_dDemoParam != 0.0 && m_dDemoParam != 0.5 && m_dDemoParam != 1.0) m_dDemoParam = 0.0;
    } else {
        DrawStringWorld(pDC, m_dXMin + m_dXSpan / 2, m_dYMin + m_dParamStep * m_dYSpan,
                        Gbk(u8"在Xn轴上选一点"), m_crCurveSetting);
    }
    const double d = m_dDemoParam;
    const long iCount = steps::Count(0, m_dXMax, 1, kMaxPlottedTerms, false);
    for (long i = 0; i < iCount; ++i) {
        const double n = double(i);
        double y;
        if (explicitReading) {
            y = SequenceTerm(n + d);
        } else {
            y = SequenceTerm(s);
            s = y;
        }
        // The bar cut to the plot, which a range step may have moved it past.
        const double l = std::max(n, m_dXMin), r = std::min(n + 1, m_dXMax);
        const double lo = std::max(std::min(y, 0.0), m_dYMin);
        const double hi = std::min(std::max(y, 0.0), m_dYMax);
        if (l < r && lo < hi) FillRectWorld(pDC, l, r, lo, hi, m_crDefaultFill);
        DrawLineWorld(pDC, n, y, n, 0, m_crDefaultPen);
        DrawLineWorld(pDC, n + 1, y, n + 1, 0, m_crDefaultPen);
        DrawLineWorld(pDC, n, y, n + 1, y, m_crDefaultPen);
    }
    if (!explicitReading) return;
    PlotCurve(pDC, m_dIntervalA, m_dIntervalB, m_crCurveSetting);
    // The buttons stand inside the plot, so they come after the bars, which
    // would cover them; a click here asks for the pass that shows its bars.
    const int x = calculus::ColumnInFigure(*this, m_nPlotRight - m_nBaseCharHeight,
                                           {u8"左端点", u8"中点", u8"右端点"});
    if (TextButton(pDC, x, T, Gbk(u8"左端点"))) m_dDemoParam = 0.0;
    if (TextButton(pDC, x, T + 24, Gbk(u8"中点"))) m_dDemoParam = 0.5;
    if (TextButton(pDC, x, T + 48, Gbk(u8"右端点"))) m_dDemoParam = 1.0;
}

// --- Mode 4: a table of 24 terms -----------------------------------------------------

void CPemroView::DrawSequenceTable(CDC* pDC) {
    DrawFunctionGraph(pDC, 0, 3, 0.0, 0.0, "", "");
    const int mid = (m_nFigureLeft + m_nFigureRight) / 2;
    if (TextButton(pDC, mid - 60, m_nFigureTop, Gbk(u8"n增加")) && m_dDirM < 1e6)
        m_dDirM += kTableTerms;
    if (TextButton(pDC, mid + 20, m_nFigureTop, Gbk(u8"n减少"))) m_dDirM -= kTableTerms;
    if (!(m_dDirM >= 0)) m_dDirM = kTableTerms;
    m_dDirP = 1.0;
    m_nFuncF = m_nFuncUpper;
    const double M = m_dDirM;
    const int width = m_nFigureRight - m_nFigureLeft, h = m_nBaseCharHeight;
    const auto column = [&](int c) { return m_nFigureLeft + 40 + int(double(width) * c / 8); };
    const auto row = [&](int r) { return m_nFigureTop + 30 + int(1.2 * r * h); };
    if (m_nDemoOption2 == 1) {
        for (int r = 0; r < 3; ++r)
            for (int c = 1; c <= 8; ++c)
                DrawNumber(pDC, column(c), row(r), 3, EvalF(8 * r + c + M - 24, m_nFuncUpper),
                           m_crCurveSetting);
    } else {
        // X0 = 1.111; the page of M shows X(m+1) .. X(m+24).
        const long m = M >= 24 ? long(M) - 24 : 0;
        double X = 1.111;
        for (long k = 0; k < m; ++k) X = SequenceTerm(X);
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 8; ++c) {
                X = SequenceTerm(X);
                DrawNumber(pDC, column(c), row(r), 3, X, m_crCurveSetting);
            }
    }
    DrawLabelIntegerWorld(pDC, m_dXMax - m_dXSpan / 8, m_dYMax, "n=", 20, 0, M, m_crAxes);
}

// --- Mode 5: the terms on the Xn axis ----------------------------------------------------

// The frame with the Xn axis, the origin and the ticks (modes 5 to 7).
void CPemroView::DrawSequenceAxis(CDC* pDC) {
    DrawFunctionGraph(pDC, 0, 3, 0.0, 0.0, "", "");
    DrawArrowWorld(pDC, m_dXMin, 0, m_dXMax, 0, 0, "Xn", "", m_crAxes);
    if (Strictly(m_dXMin, 0, m_dXMax)) {
        DrawStringWorld(pDC, 0, 0, "o", m_crAxes);
        DrawDotWorld(pDC, 0, 0, kDotRadius, kDotRadius, m_crAxes, m_crAxes);
    }
    const double step = m_dXSpan / 4;
    if (!(step > 0) || !std::isfinite(step)) return;
    // Each number is its tick's value: more decimals where they fit between
    // the ticks, else the tick moves to the value two decimals write.
    const int room = m_nPlotWidth / 4 - m_nBaseCharWidth;
    const catalog::TickLabelFits fits = [&](double v, int d) {
        return NumberExtent(pDC, d, v).cx <= room;
    };
    double last = NAN;
    for (int i = 0; i < catalog::kAxisTickCount; ++i) {
        catalog::AxisTickLabel t{};
        if (!catalog::LabelledTick(m_dXMin, m_dXMax, i, kAxisDecimals, fits, &t) || t.value == last)
            continue;
        last = t.value;
        const int px = ToPixel(m_nPlotLeft + (t.value - m_dXMin) / m_dXSpan * m_nPlotWidth);
        if (Strictly(m_dXMin, t.value, m_dXMax))
            DrawLinePx(pDC, -1, px, m_nPlotBottom, px, m_nPlotBottom - 4, m_crAxes);
        // 20 pixels left of its tick, but inside the frame's right edge.
        const int left = std::min(px - 20, calculus::FrameRight(*this) -
                                               NumberExtent(pDC, t.decimals, t.value).cx);
        DrawNumber(pDC, left, m_nPlotBottom + 4, t.decimals, t.value, m_crAxes);
    }
}

void CPemroView::DrawSequenceOnAxis(CDC* pDC) {
    DrawSequenceAxis(pDC);
    if (TextButton(pDC, m_nFigureLeft + 40, m_nFigureTop, Gbk(u8"n增加")) && m_dDirM < 1e6)
        m_dDirM += kLineTerms;
    if (TextButton(pDC, m_nFigureLeft + 100, m_nFigureTop, Gbk(u8"n减少"))) m_dDirM -= kLineTerms;
    if (!(m_dDirM > 0)) m_dDirM = kLineTerms;
    m_dDirP = 1.0;
    DrawLabelIntegerWorld(pDC, m_dXMax - m_dXSpan / 8, m_dYMax, "n=", 20, 5, m_dDirM, m_crAxes);
    const bool recursion = m_nDemoOption2 != 1;
    double x = m_dCursorX;
    if (recursion)
        DrawStringWorld(pDC, m_dXMin + m_dXSpan / 2, m_dYMax, Gbk(u8"在Xn轴上选一点"),
                        m_crCurveSetting);
    const long M = long(m_dDirM);
    for (long k = 1; k <= M - 1; ++k) {
        x = recursion ? SequenceTerm(x) : SequenceTerm(double(k));
        if (Strictly(m_dXMin, x, m_dXMax))
            DrawDotWorld(pDC, x, 0, kDotRadius, kDotRadius, m_crFirstDerivative,
                         m_crFirstDerivative);
    }
}

// --- Modes 6 and 7: the limit on the Xn axis and the ε-N band ------------------------------

void CPemroView::DrawSequenceLimitOnAxis(CDC* pDC, int mode) {
    DrawSequenceAxis(pDC);
    const bool recursion = m_nDemoOption2 != 1;
    const bool showTerms = m_nSequenceMode == 1;
    const auto dot = [&](double w, COLORREF c) {
        DrawDotWorld(pDC, w, 0, kDotRadius, kDotRadius, c, c);
    };
    double A = 0, w = 0;
    if (recursion) {
        if (m_dX0 <= m_dXMin || m_dX0 >= m_dXMax)
            DrawStringWorld(pDC, m_dXMin + m_dXSpan / 4, m_dYMin + 0.3 * m_dYSpan,
                            Gbk(u8"在Xn轴上选一点"), m_crCurveSetting);
        double u = m_dCursorX;
        for (long k = 1; k < kMaxLineSteps;) {
            A = SequenceTerm(u);
            ++k;
            if (std::fabs(A - u) < kLineTolerance) break;
            u = A;
        }
        u = (A + m_dCursorX) / 2;
        int gap = 10;
        for (long k = 1; k < kMaxLineSteps;) {
            w = SequenceTerm(u);
            ++k;
            if (Strictly(m_dXMin, w, m_dXMax) && showTerms && k / 4 < gap) {
                dot(w, m_crFirstDerivative);
                gap = 0;
            }
            ++gap;
            if (std::fabs(w - u) < kLineTolerance) break;
            u = w;
        }
    } else {
        // The terms of Xn = F(n) stand at whole n only.
        calculus::ForWholeIndexes(kLineGrowth, kLineEnd, [&](double n) { A = SequenceTerm(n); });
        int gap = 10;
        calculus::ForWholeIndexes(kLineGrowthShown, kLineEnd, [&](double n) {
            w = SequenceTerm(n);
            if (Strictly(m_dXMin, w, m_dXMax) && showTerms && n / 4 < gap) {
                dot(w, m_crFirstDerivative);
                gap = 0;
            }
            ++gap;
        });
    }
    const int h = m_nBaseCharHeight;
    if (!(std::fabs(A - w) < 1e-5)) {
        DrawString(pDC, m_nPlotRight - 10 * (m_nFontStep + h), m_nPlotTop, Gbk(u8"数列极限不存在"),
                   m_crFirstDerivative);
    } else {
        DrawLabelNumberBoxed(pDC, LimitLabelX(*this, pDC, mode, A), m_nPlotTop + 2,
                             Gbk(u8"数列极限:"), 3, A, m_crFirstDerivative);
        if (mode == 7) DrawEpsilonNBand(pDC, A, recursion);
    }
    SequenceAxisControls(pDC);
}

void CPemroView::DrawEpsilonNBand(CDC* pDC, double A, bool recursion) {
    // ε stays where its band means something (see kMinBandEpsilon).
    m_dEpsilon = std::clamp(m_dEpsilon, kMinBandEpsilon, kMaxBandEpsilon);
    const double e = m_dEpsilon * m_dXSpan;
    const auto dot = [&](double x, COLORREF c) {
        DrawDotWorld(pDC, x, 0, kDotRadius, kDotRadius, c, c);
    };
    double N = 0;
    if (recursion) {
        double u = Strictly(m_dXMin, m_dX0, m_dXMax) ? m_dX0 : m_dCursorX;
        for (long k = 1; k < kMaxLineSteps; ++k) {
            const double next = SequenceTerm(u);
            if (Strictly(m_dXMin, u, m_dXMax)) {
                if (std::fabs(A - u) >= e) {
                    dot(u, m_crSecondDerivative);
                    N = double(k);
                } else {
                    dot(u, m_crFirstDerivative);
                }
                if (std::fabs(A - u) < 1e-5) break;
            }
            u = next;
        }
    } else {
        // Every term: one dot a pixel column and colour, those outside the
        // band drawn last so that they show.
        const int columns = std::max(0, m_nPlotWidth) + 1;
        std::vector<double> in(size_t(columns), NAN), out(size_t(columns), NAN);
        const auto F = [this](double n) { return SequenceTerm(n); };
        N = calculus::LastTermOutside(F, A, e, [&](double, double x, bool outside) {
            if (!Strictly(m_dXMin, x, m_dXMax)) return;
            const double at = (x - m_dXMin) / m_dXSpan * m_nPlotWidth;
            double& slot = (outside ? out : in)[size_t(std::clamp(ToPixel(at), 0, columns - 1))];
            if (std::isnan(slot)) slot = x;
        });
        for (double x : in)
            if (!std::isnan(x)) dot(x, m_crFirstDerivative);
        for (double x : out)
            if (!std::isnan(x)) dot(x, m_crSecondDerivative);
    }
    const int h = m_nBaseCharHeight, S = m_nFontStep;
    // The boxes stand on the limit's row unless the ε box would wipe the
    // limit (a narrow window): then a line lower. Boxed labels scale their
    // x from the plot's left edge, as below.
    const int cw = m_nBaseCharWidth + S / 2;
    const auto boxedX = [&](int x) {
        return m_nPlotLeft + (S / 2 + 2 + m_nBaseCharWidth) * (x - m_nPlotLeft) / 18;
    };
    // Both stand a number of lines right of the plot's left edge, which
    // grows with the font already: the writer must not spread them again.
    const int epsilonX = render::UnspreadLabelX(*this, m_nPlotLeft + 6 * (h + S));
    const int countX = render::UnspreadLabelX(*this, m_nPlotLeft + h + S);
    const CString epsilon = Gbk(u8"ε=");
    const double magnitude = std::fabs(e);
    const int digits = magnitude > 10 ? int(std::log10(magnitude)) + 1 : 0;
    const int epsilonRight = boxedX(epsilonX) + (int(epsilon.size()) + 6 + digits) * cw;
    const int y = epsilonRight + cw < boxedX(LimitLabelX(*this, pDC, 7, A))
                      ? m_nPlotTop + 2
                      : m_nPlotTop + 2 + h + S;
    DrawLabelNumberBoxed(pDC, epsilonX, y, epsilon, 6, e, m_crCurveSetting);
    DrawLabelNumberBoxed(pDC, countX, y, "N=", 0, N, m_crCurveSetting);
    // The band about the limit, its ends' names outside it; an end beyond
    // the range (a wide band) is not marked.
    for (const double end : {A - e, A + e})
        if (m_dXMin <= end && end <= m_dXMax)
            DrawDotWorld(pDC, end, 0, kDotRadius, kDotRadius, m_crCurveSetting, m_crGround);
    const double pixel = m_dXSpan / std::max(1, m_nPlotWidth);
    const CString minus = Gbk(u8"A-ε"), plus = Gbk(u8"A+ε");
    const double minusAt = A - e - (PlainExtent(pDC, minus).cx + kDotRadius + 4) * pixel;
    const double plusAt = A + e + kDotRadius * pixel;
    if (m_dXMin <= minusAt) DrawStringWorld(pDC, minusAt, 0, minus, m_crCurveSetting);
    if (plusAt + (PlainExtent(pDC, plus).cx + 4) * pixel <= m_dXMax)
        DrawStringWorld(pDC, plusAt, 0, plus, m_crCurveSetting);
    const int x = EpsilonButtonsX(*this);
    // A step that would leave the range does nothing.
    if (TextButton(pDC, x, m_nPlotTop + 4, Gbk(u8"ε增加")) && 2 * m_dEpsilon <= kMaxBandEpsilon)
        m_dEpsilon *= 2;
    if (TextButton(pDC, x + 55, m_nPlotTop + 4, Gbk(u8"ε减少")) &&
        m_dEpsilon / 2 >= kMinBandEpsilon && m_dEpsilon / 2 * m_dXSpan >= kMinShownEpsilon)
        m_dEpsilon /= 2;
    DrawDotWorld(pDC, A, 0, kDotRadius, kDotRadius, m_crCurveSetting, m_crCurveSetting);
}

void CPemroView::SequenceAxisControls(CDC* pDC) {
    const int h = m_nBaseCharHeight, L = m_nPlotLeft, T = m_nPlotTop;
    m_dSavedIntervalA = m_dXMin;
    m_dSavedIntervalB = m_dXMax;
    // The row stays inside the frame, which reaches a line above the plot.
    const int rowY = calculus::RowYNotAbove(*this, T - h, T - h + 1);
    // The graph's frame offers its own "恢复" wherever it has a function.
    if (m_nFuncF < 0 && (!m_bLoadScriptSettings || m_bSelectionPending) &&
        TextButton(pDC, L + 6, rowY, Gbk(u8"恢复"))) {
        m_bLoadScriptSettings = 1;
        m_bSelectionPending = 0;
    }
    const int x =
        m_nPlotRight - calculus::RowShiftIntoFigure(*this, {{m_nPlotRight - 6 * h, "Xn=f(n)"},
                                                            {m_nPlotRight - 3 * h, "Xn=f(Xn-1)"}});
    SequenceReadingButtons(pDC, x - 6 * h, rowY, x - 3 * h, rowY);
    DrawRangeArrows2D(pDC, 0, 0, 1, 0, L + 3 * h, T - 9 * h / 10, L + 29 * h / 6, T - h / 9);
    DrawRangeArrows2D(pDC, 0, 0, 0, 1, L + 6 * h, T - 9 * h / 10, L + 47 * h / 6, T - h / 9);
    m_adSavedWorldRange[0] = m_dSavedIntervalA;
    m_adSavedWorldRange[1] = m_dSavedIntervalB;
}
