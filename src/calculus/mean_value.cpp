// Intervals of the real line ("Region") and the mean value theorems:
// Rolle's and Lagrange's ("MeanDifferential") and the one for integrals
// ("MeanCalculus1"), each finding every mean point ξ on [a, b] by a scan.
#include "calculus/button_column.h"
#include "view/view.h"

#include "calculus/math/mean_value.h"
#include "platform/text_codec.h"

#include <cmath>

using calculus::CentralSlope;
using calculus::kMaxMeanPoints;
using calculus::ScanMeanPoints;

namespace {

constexpr COLORREF kNoticeGrey = RGB(150, 150, 150);
constexpr int kDotRadius = 3;
// The bracket over an interval and the end strokes, in world units.
constexpr double kBracketInset = 0.1;
constexpr double kBracketHeight = 0.5;
constexpr double kStrokeFoot = 0.1;

// Mean points: the slope tolerance (fraction of the y span), Rolle's jump
// after a point (fraction of the x span).
constexpr double kSlopeTolerance = 0.0001;
constexpr double kRolleJump = 0.05;
// Integral mean value: Simpson panel width, strip width, scan step and the
// level tolerance, as fractions of the spans.
constexpr double kSimpsonPanel = 0.005;
constexpr double kStripWidth = 0.02;
constexpr double kLevelScanStep = 0.001;
constexpr double kLevelTolerance = 0.002;
constexpr long kMaxStrips = 100000;

enum Variant { kRolle = 0, kLagrange = 1, kIntegral = 2 };

// Where "ξk" stands: it hangs below the x axis, and where the axis runs too
// near the plot's foot for it, it stands that much higher, clear of the x
// tick numbers.
double MeanLabelY(const CPemroView& v) {
    // The letter and its subscript four pixels and five more lower.
    const int height = v.m_nFontStep + v.m_nCharHeight + 9;
    if (!(v.m_dYSpan > 0) || v.m_nPlotHeight <= 0) return 0;
    const double above = (0 - v.m_dYMin) / v.m_dYSpan * v.m_nPlotHeight;
    if (!(above < height)) return 0;
    return v.m_dYMin + height * v.m_dYSpan / v.m_nPlotHeight;
}

// The world x of "ξk" at the point x: pulled left where it would run past
// the plot's right edge (a point close to it after a range step).
double MeanLabelX(CPemroView& v, CDC* pDC, double x, int k) {
    // A point off the plot is not named (NaN is not drawn).
    if (!(v.m_dXMin <= x && x <= v.m_dXMax)) return std::nan("");
    if (!pDC || !(v.m_dXSpan > 0) || v.m_nPlotWidth <= 0) return x;
    const int cell = v.m_nBaseCharWidth + v.m_nFontStep / 2;
    const int width = cell * 2 * (v.m_nLabelZoom + 2) / 3 + v.NumberExtent(pDC, 0, k).cx + 2;
    const double last = v.m_dXMax - width * v.m_dXSpan / v.m_nPlotWidth;
    return std::max(v.m_dXMin, std::min(x, last));
}

} // namespace

void CPemroView::DrawRegion(CDC* pDC, double a, double b, int leftEnd, int rightEnd,
                            CString leftLabel, CString rightLabel, int axisOnly) {
    if (!IsFigureBandVisible()) return;
    const COLORREF axes = m_crAxes, bracket = m_crCurveSetting;
    const COLORREF leftFill = leftEnd == 0 ? m_crGround : axes;
    const COLORREF rightFill = rightEnd == 0 ? m_crGround : axes;
    DrawFunctionGraph(pDC, 1, 3, 0.0, 0.0, "", "");
    if (axisOnly != 0) {
        // The number line's ground is its figure's frame: the axis's name
        // stands in it, past the arrow's head.
        FillRectGradientPx(pDC, m_nPlotLeft - 20, m_nPlotTop - 10, m_nPlotRight + 20,
                           m_nPlotBottom + 15, m_crGround, m_crGround);
        // Its name waits for the rest of the figure and keeps inside it.
        AxisNamesHeld names(this);
        DrawArrowWorld(pDC, m_dXMin, 0, m_dXMax, 0, 1, "", "x", axes);
    }
    DrawDotWorld(pDC, 0, 0, kDotRadius, kDotRadius, axes, axes);
    DrawStringWorld(pDC, 0, 0, "o", axes);
    DrawLineWorld(pDC, a + kBracketInset, kBracketHeight, b - kBracketInset, kBracketHeight,
                  bracket);
    if (leftEnd < 2) {
        DrawLineWorld(pDC, a, kStrokeFoot, a + kBracketInset, kBracketHeight, bracket);
        DrawDotWorld(pDC, a, 0, kDotRadius, kDotRadius, axes, leftFill);
        DrawStringWorld(pDC, a - m_dXSpan / 20, 0, leftLabel, axes);
    }
    if (rightEnd < 2) {
        DrawDotWorld(pDC, b, 0, kDotRadius, kDotRadius, axes, rightFill);
        DrawStringWorld(pDC, b, 0, rightLabel, axes);
        DrawLineWorld(pDC, b, kStrokeFoot, b - kBracketInset, kBracketHeight, bracket);
    }
}

void CPemroView::DrawMeanDifferential(CDC* pDC, int mode) {
    // The notice sits in the plot's bottom right corner at its real size:
    // given at the real button height, it is not moved down from the top.
    if (m_nPlotMode != 0) {
        const CString notice = Gbk(u8"对显函数有效");
        DrawFramedLabel(pDC, m_nPlotRight - 6 - ButtonWidth(notice),
                        m_nPlotBottom - 4 - ButtonHeight(), 144, ButtonHeight(), notice,
                        m_crCurveSetting, kNoticeGrey, kNoticeGrey);
    }
    const char* title = u8"积分中值定理";
    if (mode == 0) {
        const int x = calculus::ColumnInFigure(*this, m_nPlotRight - 16, {u8"罗尔", u8"拉氏"});
        if (TextButton(pDC, x, m_nPlotTop + 2, Gbk(u8"罗尔"))) m_dDemoVariant = kRolle;
        if (TextButton(pDC, x, m_nPlotTop + 24, Gbk(u8"拉氏"))) m_dDemoVariant = kLagrange;
        title = m_dDemoVariant == kRolle      ? u8"罗  尔  定  理"
                : m_dDemoVariant == kLagrange ? u8"拉格朗日中值定理"
                                              : "";
    } else {
        m_dDemoVariant = kIntegral;
    }
    if (*title) {
        // At the plot's top left, right of the y axis's name where it would
        // cover it.
        const CString text = Gbk(title);
        const LOGFONT font = PlainStringFont(FALSE, m_nLabelZoom);
        CSize size(0, 0);
        if (pDC) {
            CFontSelect select(pDC, font);
            size = pDC->GetTextExtent(text);
        }
        const int x = ClearOfYAxisName(m_nPlotLeft + 2, m_nPlotTop, size.cx, size.cy);
        DrawString(pDC, x, m_nPlotTop, text, m_crCurveSetting);
    }

    const double d = m_dParamStep * m_dXSpan, h = m_dDiffStep;
    const int k = m_nFuncF;
    const auto F = [this, k](double x) { return EvalF(x, k); };
    double points[kMaxMeanPoints];
    int count = 0, label = 1;
    const int variant = int(m_dDemoVariant);
    if (variant == kRolle) {
        const double a = m_dIntervalA, b = m_dIntervalB, tol = kSlopeTolerance * m_dYSpan;
        count = ScanMeanPoints(
            a, b, h, kRolleJump * m_dXSpan,
            [&](double x) { return std::fabs(CentralSlope(F, x, h)) < tol; }, points,
            kMaxMeanPoints);
        for (int i = 0; i < count; ++i) MarkMeanPoint(pDC, points[i], 0, d, &label);
    } else if (variant == kLagrange) {
        if (m_dIntervalA == m_dIntervalB) {
            m_dIntervalA = m_dXMin;
            m_dIntervalB = m_dXMax;
        }
        const double a = m_dIntervalA, b = m_dIntervalB, tol = kSlopeTolerance * m_dYSpan;
        const double s = (F(b) - F(a)) / (b - a);
        DrawLineWorld(pDC, a, F(a), b, F(b), m_crSecondDerivative);
        count = ScanMeanPoints(
            a, b, h, d, [&](double x) { return std::fabs(CentralSlope(F, x, h) - s) < tol; },
            points, kMaxMeanPoints);
        for (int i = 0; i < count; ++i) MarkMeanPoint(pDC, points[i], s, d, &label);
    } else if (variant == kIntegral) {
        DrawIntegralMeanValue(pDC, m_dIntervalA, m_dIntervalB, d);
    }
}

// The ordinate, a tangent piece of the given slope, two dots and "ξk".
void CPemroView::MarkMeanPoint(CDC* pDC, double x, double slope, double d, int* k) {
    const double y = EvalF(x, m_nFuncF);
    const COLORREF c = m_crFirstDerivative;
    DrawLineWorld(pDC, x, 0, x, y, c);
    DrawLineWorld(pDC, x - d, y - slope * d, x + d, y + slope * d, c);
    DrawDotWorld(pDC, x, y, kDotRadius, kDotRadius, c, c);
    DrawDotWorld(pDC, x, 0, kDotRadius, kDotRadius, c, c);
    DrawLabelNumber(pDC, 5, MeanLabelX(*this, pDC, x, *k), MeanLabelY(*this), Gbk(u8"ξ"), 0, *k, 5);
    ++*k;
}

void CPemroView::DrawIntegralMeanValue(CDC* pDC, double a, double b, double d) {
    if (!(a < b)) return;
    const int k = m_nFuncF;
    const auto F = [this, k](double x) { return EvalF(x, k); };
    const double mu = calculus::SimpsonMean(F, a, b, kSimpsonPanel * m_dXSpan);

    const double w2 = kStripWidth * m_dXSpan;
    if (w2 > 0 && std::isfinite(w2)) {
        double x = a;
        for (long i = 0; x < b && i < kMaxStrips; x = a + w2 * double(++i)) {
            DrawLineWorld(pDC, x, 0, x, mu, m_crFirstDerivative);
            DrawLineWorld(pDC, x + w2 / 2, 0, x + w2 / 2, F(x + w2 / 2), m_crCurveSetting);
        }
    }
    DrawLineWorld(pDC, m_dXMin, mu, m_dXMax, mu, m_crFirstDerivative);

    const double tol = kLevelTolerance * m_dYSpan;
    double points[kMaxMeanPoints];
    const int count = ScanMeanPoints(
        a, b, kLevelScanStep * m_dXSpan, d, [&](double x) { return std::fabs(F(x) - mu) < tol; },
        points, kMaxMeanPoints);
    for (int i = 0; i < count; ++i) {
        DrawLineWorld(pDC, points[i], 0, points[i], mu, m_crSecondDerivative);
        DrawLabelNumber(pDC, 5, MeanLabelX(*this, pDC, points[i], i + 1), MeanLabelY(*this),
                        Gbk(u8"ξ"), 0, i + 1, 5);
    }
}
