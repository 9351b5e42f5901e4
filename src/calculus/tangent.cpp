// "tangentline2": the tangent at a chosen point of the current plane curve
// (explicit, parametric or implicit), drawn into the figure of the page.
#include "view/view.h"

#include "catalog/math/explicit_catalogue.h"
#include "platform/real_steps.h"
#include "platform/text_codec.h"
#include "script/script_args.h"

#include <cmath>

namespace {

constexpr int kFirstArgtangentline2 = 12;
// The tangent line: difference step and margins (of the spans), the walk
// to its ends and the parameter scan of a parametric curve.
constexpr double kTangentDelta = 0.00001;
constexpr double kTangentMargin = 0.002;
constexpr double kTangentWalkStep = 0.001;
constexpr int kTangentWalkCap = 2000;
constexpr double kTangentParamScan = 0.0001;
constexpr double kTangentParamStep = 0.0001;
constexpr int kTangentScanCap = 200000;

} // namespace

void CPemroView::Cmdtangentline2(CDC* pDC) {
    if (!m_bPlaneCmdsEnabled || !m_bFigureVisible) return;
    const double x0 = ReadScriptNumber(kFirstArgtangentline2);
    if (m_bLoadScriptSettings) m_dX0 = x0;
    const int n1 = ScriptInt(ReadScriptNumber(m_nParsePos));
    const int n2 = ScriptInt(ReadScriptNumber(m_nParsePos));
    const int n3 = ScriptInt(ReadScriptNumber(m_nParsePos));
    ReadScriptColors(TRUE, FALSE);
    DrawTangentLine2Lower(pDC, n1, n2, n3, m_crPen);
}

// The tangent of the current plane curve at M = (m_dX0, y0), with its dot,
// optional drops to the axes, the end labels "P", "Q" and the equation; it
// draws into the figure an earlier command placed ("Curvature" uses it too).
void CPemroView::DrawTangentLine2Lower(CDC* pDC, int nDropToXAxis, int nDropToYAxis, int nLabels,
                                       COLORREF colour) {
    const double delta = kTangentDelta * m_dXSpan;
    SaveRestoreDisplaySettings(m_bLoadScriptSettings);
    if (m_dX0 < m_dXMin || m_dX0 > m_dXMax) {
        m_dX0 = m_dCursorX;
        if (m_nPlotMode > 0)
            DrawString(pDC, m_nPlotRight - m_nPlotWidth / 3, m_nPlotBottom - 20,
                       Gbk(u8"曲线上选一点"), m_crCurveSetting);
    }
    // A press on the figure's own buttons redraws the figure's plot, and the
    // tangent with it.
    if (!m_bFullRepaint && !HitTestGraphRegion(2) && !IsClickOnGraphControls()) return;
    double x0 = m_dX0, y0 = 0, s = 0;
    if (!TangentPointAndSlope(pDC, delta, &x0, &y0, &s)) return;

    const double my = kTangentMargin * m_dYSpan, mx = kTangentMargin * m_dXSpan;
    const auto line = [&](double x) { return y0 + s * (x - x0); };
    const auto walk = [&](double dir) {
        double x = x0;
        for (int i = 0; i < kTangentWalkCap; ++i) {
            const double y = line(x);
            const bool goesOn = m_dYMin + my < y && y < m_dYMax - my &&
                                (dir < 0 ? x > m_dXMin + mx : x < m_dXMax - mx);
            if (!goesOn) break;
            x += dir * kTangentWalkStep * m_dXSpan;
        }
        return x;
    };
    const double xl = walk(-1), xr = walk(1);
    // The equation waits to be written over the figure: the end labels
    // keep clear of it.
    if (nLabels == 2 || nLabels == 3) {
        const double c = y0 - s * x0;
        const double ex = m_dXMin, ey = m_dYMax - 0.1 * m_dYSpan;
        // The intercept's label starts with blanks that would cover the
        // slope if drawn after it.
        DrawLabelValue(pDC, ex, ey, c < 0 ? "          x  " : "          x+  ", 3, c, colour);
        DrawLabelValue(pDC, ex, ey, "y= ", 3, s, colour);
    }
    DrawLineWorld(pDC, xl, line(xl), x0, y0, colour);
    // A point a range step has moved to the plot's edge leaves no segment
    // to walk: its ends, and their labels, would stand on one another.
    const bool apart = xl != xr;
    if (apart && (nLabels == 1 || nLabels == 3))
        DrawStringWorldInPlot(pDC, xl, line(xl), "P", colour);
    if (apart && nLabels != 0) DrawStringWorldInPlot(pDC, xr, line(xr), "Q", colour);
    DrawLineWorld(pDC, x0, y0, xr, line(xr), colour);
    DrawDotWorld(pDC, x0, y0, 3, 3, m_crFirstDerivative, colour);
    if (nDropToXAxis == 1) DrawLineWorld(pDC, x0, y0, x0, 0, colour);
    if (nDropToYAxis == 1) DrawLineWorld(pDC, x0, y0, 0, y0, colour);
}

// M and the slope there by the curve kind; FALSE when there is none (an
// implicit curve without a root at x0, or an unknown kind).
BOOL CPemroView::TangentPointAndSlope(CDC* pDC, double delta, double* x0, double* y0, double* s) {
    const int k = m_nFuncF;
    switch (m_nPlotMode) {
    case 0:
        *y0 = EvalCurveY(*x0, k);
        *s = (EvalCurveY(*x0 + delta, k) - *y0) / delta;
        return TRUE;
    case 1: {
        // The parameter whose point has the nearest abscissa.
        const double step = kTangentParamScan * m_dXSpan;
        double best = m_dXSpan * m_dXSpan, tBest = 0;
        if (step > 0 && std::isfinite(step)) {
            const long nCount =
                steps::Count(m_dIntervalA, m_dIntervalB, step, kTangentScanCap, false);
            for (long n = 0; n < nCount; ++n) {
                const double t = m_dIntervalA + double(n) * step;
                const double d = EvalParamX(t, k) - *x0;
                if (d * d < best) best = d * d, tBest = t;
            }
        }
        *y0 = EvalParamY(tBest, k);
        *x0 = m_dX0 = EvalParamX(tBest, k);
        const double dx = EvalParamX(tBest + kTangentParamStep, k) - *x0;
        *s = (EvalParamY(tBest + kTangentParamStep, k) - *y0) / dx;
        return dx != 0;
    }
    case 2:
        m_nRegionType = 3;
        *y0 = m_dBreakF1 = SolveImplicitY(*x0, m_dCursorY, k);
        if (*y0 == catalog::kNoValue) {
            DrawString(pDC, m_nPlotRight - 8 * (m_nFontStep + m_nBaseCharHeight), m_nPlotTop,
                       Gbk(u8"重选点"), m_crCurveSetting);
            return FALSE;
        }
        *s = (SolveImplicitY(*x0 + delta, *y0, k) - *y0) / delta;
        m_nRegionType = 0;
        return TRUE;
    default:
        return FALSE;
    }
}
