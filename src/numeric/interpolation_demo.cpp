// Interpolation through n + 1 nodes sampled from the function or typed:
// Lagrange's polynomial with its basis polynomials, and the piecewise-
// linear interpolant with its hat functions, each with the value at a
// chosen abscissa.
#include "numeric/fit_curves.h"
#include "numeric/math/interpolation.h"
#include "platform/text_codec.h"
#include "render/number_text.h"
#include "view/view.h"

#include <algorithm>
#include <cstdio>

namespace {

using fit_view::DrawSampledCurve;
using fit_view::kMaxBasisCurves;
using fit_view::kMaxNodeIndex;

constexpr int kRowStep = 24;
enum InterpDisplay { kShowBasis = 1, kShowValue = 2 };

} // namespace

int CPemroView::PrepareInterpolationNodes(CDC* pDC, int m, int n, COLORREF curve, int dotRadius,
                                          COLORREF dotPen, COLORREF dotFill) {
    n = std::clamp(n, 1, kMaxNodeIndex);
    if (m == 0) {
        const double a = m_dIntervalA, b = m_dIntervalB;
        for (int i = 0; i <= n; ++i) {
            m_adDataX[i] = a + ((b - a) * i) / n;
            m_adDataY[i] = EvalCurveY(m_adDataX[i], m_nFuncF);
        }
        PlotCurveByKind(pDC, m_nFuncF, 0, m_dXMin, m_dXMax, curve);
    }
    for (int i = 0; i <= n; ++i)
        DrawDotWorld(pDC, m_adDataX[i], m_adDataY[i], dotRadius, dotRadius, dotPen, dotFill);
    return n;
}

void CPemroView::DrawInterpolationSourceButtons(CDC* pDC) {
    const int L = m_nPlotLeft, T = m_nPlotTop;
    TextButtonInPlot(pDC, L, T, 60, 20, Gbk(u8"数据类型:"), m_crCurveSetting);
    if (TextButtonInPlot(pDC, L + 70, T, 60, 20, Gbk(u8"函数产生"), m_crCurveSetting))
        m_nSavedCountM = 0, m_bLoadScriptSettings = FALSE;
    // The page's own settings and data come back at the next pass.
    if (TextButtonInPlot(pDC, L + 135, T, 60, 20, Gbk(u8"外部输入"), m_crCurveSetting))
        m_nSavedCountM = 1, m_bLoadScriptSettings = TRUE;
}

double CPemroView::ChosenAbscissa(CDC* pDC) {
    if (m_dIntervalA <= m_dX0 && m_dX0 <= m_dIntervalB) return m_dX0;
    DrawStringWorld(pDC, m_dXMin + 0.4 * m_dXSpan, m_dYMin + 0.1 * m_dYSpan, Gbk(u8"在x轴上选一点"),
                    m_crCurveSetting);
    return m_dCursorX;
}

namespace {

// The option buttons of both interpolation figures, in their column.
void DrawInterpOptionButtons(CPemroView& v, CDC* pDC, const char* basisLabel, const char* title) {
    const int R = v.m_nPlotRight - 20, T = v.m_nPlotTop;
    v.DrawCountButtons(pDC, R, T, 1, kMaxNodeIndex);
    const char* labels[] = {basisLabel, u8"显示插值", u8"取消"};
    constexpr int option[] = {kShowBasis, kShowValue, 0};
    for (int i = 0; i < 3; ++i)
        if (v.TextButtonInPlot(pDC, R, T + kRowStep * (2 + i), 40, 20, Gbk(labels[i]),
                               v.m_crCurveSetting))
            v.m_nDemoOption = option[i];
    v.TextButtonInPlot(pDC, v.m_nPlotRight - 60, T - 23, 80, 20, Gbk(title), v.m_crFirstDerivative);
    v.DrawInterpolationSourceButtons(pDC);
}

// "f(x*)= y*" as one label: written as two labels, the second one's
// blanks would paint over the abscissa on the opaque label ground.
void DrawValueReadout(CPemroView& v, CDC* pDC, double x, double y) {
    char label[64];
    std::snprintf(label, sizeof label, "f(%.2f)=", x);
    DropSignOfZero(label);
    v.DrawLabelValue(pDC, v.m_dXMin + 0.01 * v.m_dXSpan, v.m_dYMax - 0.15 * v.m_dYSpan, label, 4, y,
                     v.m_crCurveSetting);
}

} // namespace

void CPemroView::DrawLargange(CDC* pDC, int m, int n) {
    m_nPlotMode = 0;
    n = PrepareInterpolationNodes(pDC, m, n, m_crFirstDerivative, 3, m_crFirstDerivative,
                                  m_crSecondDerivative);
    const double* x = m_adDataX;
    const double* y = m_adDataY;
    if (m_nDemoOption == kShowBasis && n < kMaxBasisCurves) {
        for (int k = 0; k <= n; ++k)
            DrawSampledCurve(
                *this, pDC, m_dXMin, m_dXMax, true,
                [&](double t) { return numeric::EvalLagrangeBasis(x, n, k, t); }, m_acrPalette[k]);
    }
    DrawSampledCurve(
        *this, pDC, m_dXMin, m_dXMax, true,
        [&](double t) { return numeric::EvalLagrangeInterpolant(x, y, n, t); }, m_crCurveSetting);
    DrawInterpOptionButtons(*this, pDC, u8"显示Li", u8"拉格朗日插值");
    DrawLabelValue(pDC, m_dXMin + 0.6 * m_dXSpan, m_dYMax - 0.1 * m_dYSpan, "n=", 0, m_nCountN,
                   m_crCurveSetting);
    if (m_nDemoOption == kShowValue) {
        const double t = ChosenAbscissa(pDC);
        DrawValueReadout(*this, pDC, t, numeric::EvalLagrangeInterpolant(x, y, n, t));
    }
}

void CPemroView::DrawLineInterpolate(CDC* pDC, int m, int n) {
    m_nPlotMode = 0;
    n = PrepareInterpolationNodes(pDC, m, n, m_crCurveSetting, 3, m_crFirstDerivative,
                                  m_crSecondDerivative);
    const double* x = m_adDataX;
    const double* y = m_adDataY;
    for (int i = 0; i < n; ++i)
        DrawLineWorld(pDC, x[i], y[i], x[i + 1], y[i + 1], m_crFirstDerivative);
    if (m_nDemoOption == kShowBasis && n < kMaxBasisCurves) {
        DrawLineWorld(pDC, x[0], 1, x[1], 0, m_acrPalette[0]);
        for (int i = 1; i <= n - 1; ++i) {
            DrawLineWorld(pDC, x[i - 1], 0, x[i], 1, m_acrPalette[i]);
            DrawLineWorld(pDC, x[i], 1, x[i + 1], 0, m_acrPalette[i]);
        }
        DrawLineWorld(pDC, x[n - 1], 0, x[n], 1, m_acrPalette[n]);
    }
    if (m_nDemoOption == kShowValue) {
        const double t = ChosenAbscissa(pDC);
        double value = 0;
        if (numeric::EvalPiecewiseLinear(x, y, n, t, &value)) {
            DrawValueReadout(*this, pDC, t, value);
            DrawDotWorld(pDC, t, value, 3, 3, m_crCurveSetting, m_crCurveSetting);
        }
    }
    DrawInterpOptionButtons(*this, pDC, u8"显示Ii", u8"线性插值");
    DrawLabelValue(pDC, m_dXMin + 0.6 * m_dXSpan, m_dYMax - 0.1 * m_dYSpan, "n=", 0, m_nCountN,
                   m_crCurveSetting);
}
