// "Series1": the Taylor polynomial of order n of the current explicit
// function, at 0 (Maclaurin) or at the cursor point, over its graph, with the
// buttons that raise and lower n.
#include "calculus/button_column.h"
#include "view/view.h"

#include "calculus/math/taylor.h"
#include "platform/text_codec.h"

#include <cmath>

using calculus::kMaxClosedFormOrder;
using calculus::kMaxDifferenceOrder;
using calculus::kTaylorTableSize;

namespace {

constexpr COLORREF kNoticeGrey = RGB(150, 150, 150);
// Catalogue forms with closed-form Maclaurin coefficients.
constexpr int kFormPower = 0;       // (ax^2+bx+c)^α
constexpr int kFormExponential = 1; // α^(ax^2+bx+c)
constexpr int kFormLogarithm = 2;   // ln(ax^2+bx+c)/lnα
constexpr int kFormSine = 3;
constexpr int kFormCosine = 4;
constexpr int kFormRational = 42; // (ax^2+bx+c)/(dx^2+ex+f)
constexpr int kFormExpQuotient = 46;
// Samples of the polynomial across the window: 0.0001 of the x span apart.
constexpr int kPolynomialSamples = 10000;

} // namespace

int CPemroView::TaylorCoefficients(int where, double x0, int n, double* C) {
    const int k = m_nFuncF;
    const auto F = [this, k](double x) { return EvalF(x, k); };
    double* cf = m_adCoefF;
    // The forms with a linear inner polynomial are expanded as such: the
    // closed forms hold for a = 0 (forms 0 and 1 make it so; form 2 keeps its
    // a and is differenced unless a is 0).
    const bool closed = where != 1 && (k == kFormPower || k == kFormExponential ||
                                       (k == kFormLogarithm && cf[0] == 0) || k == kFormSine ||
                                       k == kFormCosine || k == kFormRational);
    if (!closed) {
        if (n > kMaxDifferenceOrder) n = kMaxDifferenceOrder;
        calculus::DifferenceCoefficients(F, x0, n, C);
        return n;
    }
    if (n > kMaxClosedFormOrder) n = kMaxClosedFormOrder;
    switch (k) {
    case kFormPower: {
        cf[0] = 0;
        const double alpha = m_dAlphaF;
        calculus::PowerCoefficients(
            alpha, cf[1],
            [&](double lowered) {
                m_dAlphaF = lowered;
                return F(x0);
            },
            n, C);
        m_dAlphaF = alpha;
        break;
    }
    case kFormExponential:
        cf[0] = 0;
        calculus::ExponentialCoefficients(m_dAlphaF, cf[1], F(x0), n, C);
        break;
    case kFormLogarithm:
        calculus::LogarithmCoefficients(m_dAlphaF, cf[1], cf[2], x0, F(x0), n, C);
        break;
    case kFormSine:
    case kFormCosine:
        calculus::SineCosineCoefficients(k == kFormCosine, x0, n, C);
        break;
    default: // kFormRational: 1/(e·x + f)
        cf[0] = cf[1] = cf[3] = 0;
        cf[2] = 1;
        calculus::ReciprocalCoefficients(cf[4], cf[5], x0, F(x0), n, C);
        break;
    }
    return n;
}

void CPemroView::DrawSeries1(CDC* pDC, int where) {
    const COLORREF c = m_crCurveSetting;
    const int row = m_nPlotTop + 4;
    // A wide font moves "n减少" right of "n增加" (the row flow of the buttons).
    const int x =
        m_nPlotRight - calculus::RowShiftIntoFigure(*this, {{m_nPlotRight - 110, u8"n增加"},
                                                            {m_nPlotRight - 56, u8"n减少"}});
    if (TextButtonInPlot(pDC, x - 110, row, 50, 20, Gbk(u8"n增加"), c)) ++m_nDemoStep;
    if (TextButtonInPlot(pDC, x - 56, row, 50, 20, Gbk(u8"n减少"), c)) --m_nDemoStep;
    if (m_nDemoStep < 0) m_nDemoStep = 0;
    if (m_nPlotMode != 0)
        DrawFramedLabel(pDC, m_nPlotRight - 110, m_nPlotBottom - 24, 104, 20, Gbk(u8"对显函数有效"),
                        c, kNoticeGrey, kNoticeGrey);
    const int k = m_nFuncF;
    if (HitTestGraphRegion(0) && k > kFormCosine && k != kFormExpQuotient &&
        m_nDemoStep > kMaxDifferenceOrder)
        m_nDemoStep = kMaxDifferenceOrder;
    // The order the coefficient tables can serve; held there so that the
    // buttons cannot run it away.
    const double x0 = where == 1 ? m_dCursorX : 0.0;
    double C[kTaylorTableSize] = {};
    const bool bandVisible = HitTestGraphRegion(1);
    if (bandVisible)
        m_nDemoStep = TaylorCoefficients(where, x0, m_nDemoStep, C);
    else if (m_nDemoStep > kMaxClosedFormOrder)
        m_nDemoStep = kMaxClosedFormOrder;
    const int n = m_nDemoStep;

    DrawLabelNumber(pDC, 0, m_dXMin + m_dParamStep * m_dXSpan, m_dYMin + 0.12 * m_dYSpan,
                    Gbk(u8"级数项数n="), 0, n, 5);
    DrawStringWorld(pDC, m_dXMin + 0.2 * m_dXSpan, m_dYMin + 0.22 * m_dYSpan,
                    Gbk(where == 1 ? u8"泰勒公式n<7" : u8"麦克劳林公式"), c);

    const double f0 = EvalF(x0, k);
    if (bandVisible) {
        if (n == 1) {
            DrawLineWorld(pDC, x0, 0, x0, f0, m_crFirstDerivative);
            DrawStringWorldInPlot(pDC, x0, 0, "x0", m_crFirstDerivative);
        }
        const double step = m_dXSpan / kPolynomialSamples;
        if (step > 0 && std::isfinite(step)) {
            for (int i = 0; i <= kPolynomialSamples; ++i) {
                const double x = m_dXMin + step * i;
                const double p = calculus::TaylorValue(C, n, x0, x);
                if (m_dYMin < p && p < m_dYMax)
                    DrawLineWorld(pDC, x, p, x, p, m_crSecondDerivative);
            }
        }
    }
    if (where == 1) DrawLineWorld(pDC, x0, f0, x0, 0, m_crSecondDerivative);
}
