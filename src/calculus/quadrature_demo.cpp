// The trapezoid, Simpson and Gauss sub-demonstrations of the integral pages,
// each drawn as the figure its rule integrates exactly, and the labelled
// quadrature values of "PRNCalculus".
#include "calculus/button_column.h"
#include "view/view.h"

#include "calculus/dot_trail.h"
#include "calculus/math/integrals.h"
#include "platform/text_codec.h"
#include "render/text_typeset.h"

#include <algorithm>
#include <cmath>
#include <iterator>

using calculus::DotTrail;

namespace {

constexpr int kOutlineLimit = 513;
// The trapezoids keep their outlines a little longer than the other sums.
constexpr int kTrapezoidOutlineLimit = 523;
constexpr int kGaussStripLimit = 512;
// Rows of the node table, a tenth of the y span apart from the top: the
// seventh is the last whose subscripts keep clear of the line of the
// integral values (at 0.12 of the span from the bottom).
constexpr int kNodeTableRows = 7;
// Samples of F for the place of the Gauss node table.
constexpr int kClearanceSamples = 200;
// Dots of one Simpson parabola at most.
constexpr long kMaxParabolaDots = 20000;

bool Inside(double y, double lo, double hi) {
    return lo < y && y < hi;
}

struct RuleLabel {
    int kind, variant; // variant -1: any
    int method, flag;
    const char* label;
};
// Kinds 6 and 7 give any non-zero variant the approximate sum; they are
// looked up with variant 0 or 1.
constexpr RuleLabel kRuleLabels[] = {
    {1, -1, 1, 0, u8"矩形公式:"},      {2, -1, 2, 0, u8"高斯公式:"},
    {3, 0, 3, 0, u8"矩形左端点公式:"}, {3, 1, 3, 1, u8"矩形中点公式:"},
    {3, 2, 3, 2, u8"矩形右端点公式:"}, {4, -1, 4, 0, u8"梯形公式:"},
    {5, -1, 5, 0, u8"辛普生公式:"},    {6, 0, 6, 0, u8"体积:"},
    {6, 1, 6, 1, u8"体积近似值:"},     {7, 0, 7, 0, u8"面积:"},
    {7, 1, 7, 1, u8"面积近似值:"},
};

} // namespace

// The caption of a rule: the simple name for one subinterval.
static void RuleCaption(CPemroView& v, CDC* pDC, int n, const char* simple, const char* composite) {
    const int x =
        calculus::ColumnInFigure(v, v.m_nPlotRight - 2 * v.m_nBaseCharHeight, {simple, composite});
    v.TextButton(pDC, x, v.m_nPlotTop - 24, Gbk(n == 1 ? simple : composite));
}

double CPemroView::DrawTrapezoidDemo(CDC* pDC, double a, double b, int n) {
    RuleCaption(*this, pDC, n, u8"梯形公式", u8"复化梯形公式");
    if (!(b > a) || n < 1) return 0;
    const int k = m_nFuncF;
    const double h = (b - a) / n;
    double S = 0, F0 = EvalF(a, k);
    for (int i = 0; i < n; ++i) {
        const double x = a + i * h, F1 = EvalF(x + h, k);
        S += (F0 + F1) * h / 2;
        if (Inside(F0, m_dYMin, m_dYMax) && n < kTrapezoidOutlineLimit) {
            DrawLineWorld(pDC, x, 0, x, F0, m_crSection);
            DrawLineWorld(pDC, x, F0, x + h, F1, m_crSection);
            DrawLineWorld(pDC, x + h, 0, x + h, F1, m_crSection);
        }
        F0 = F1;
    }
    if (n >= kOutlineLimit) ShadeAreaUnderF(pDC, a, b, m_crFirstDerivative);
    return S;
}

double CPemroView::DrawSimpsonDemo(CDC* pDC, double a, double b, int n) {
    RuleCaption(*this, pDC, n, u8"辛普生公式", u8"复化辛普生公式");
    if (!(b > a) || n < 1) return 0;
    const int k = m_nFuncF;
    const double h = (b - a) / n, du = m_dDiffStep;
    const bool dotted = du > 0 && std::isfinite(du);
    DotTrail parabola;
    double S = 0, F0 = EvalF(a, k);
    for (int i = 0; i < n; ++i) {
        const double x = a + i * h, F1 = EvalF(x + h, k), Fm = EvalF(x + h / 2, k);
        S += (F0 + 4 * Fm + F1) * h / 6;
        if (n < kOutlineLimit) {
            // At most kMaxParabolaDots dots: a tiny step is widened.
            const double step = dotted ? std::max(du, h / kMaxParabolaDots) : 0;
            for (long j = 0; dotted && j < kMaxParabolaDots; ++j) {
                const double u = x + j * step;
                if (!(u < x + h)) break;
                const double P = calculus::SimpsonParabola(x, h, F0, Fm, F1, u);
                if (Inside(P, m_dYMin, m_dYMax)) parabola.Dot(*this, pDC, u, P, m_crSection);
            }
            DrawLineWorld(pDC, x, 0, x, F0, m_crSecondDerivative);
            DrawLineWorld(pDC, x + h, 0, x + h, F1, m_crSecondDerivative);
        }
        F0 = F1;
    }
    if (n >= kOutlineLimit) ShadeAreaUnderF(pDC, a, b, m_crSection);
    return S;
}

double CPemroView::DrawGaussDemo(CDC* pDC, double a, double b, int n) {
    // The node buttons go on with the row at the plot's top, whose last
    // button may have stepped right over the y axis's name; the caption
    // stands in another row, so that row's end is taken first.
    const int rowEnd =
        m_bRowValid && m_nRowY == m_nPlotTop ? m_nRowRight + kButtonRowGap : m_nPlotLeft;
    RuleCaption(*this, pDC, n, u8"高斯公式", u8"复化高斯公式");
    const int m = m_nDemoOption2;
    double S = 0;
    if (m >= 1 && m <= 5 && b > a && n >= 1) {
        const int k = m_nFuncF;
        const double h = (b - a) / n, half = h / 2;
        // The node t stands in the label's spaces: a longer number (a sign,
        // two digits) gets one more, the same in every row.
        const size_t digits =
            std::max(typeset::FormatDecimals(3, a).size(), typeset::FormatDecimals(3, b).size());
        const CString fLabel = "f" + std::string(std::max<size_t>(4, digits - 1), ' ') + "=";
        // The node table shows unless its switch hid it, and only its rows
        // that stay above the curve and the strips under it.
        const bool table = m_nValueTableShown != 2;
        const int clearBottom = table ? GaussTableClearance(a, b) : 0;
        int row = 0;
        for (int s = 0; s < n; ++s) {
            const double x = a + s * h;
            for (int i = 0; i <= m; ++i) {
                const double w = calculus::GaussWeight(i, m);
                const double t = x + (1 + calculus::GaussNode(i, m)) * half;
                const double y = EvalF(t, k);
                S += y * w;
                const double rowY = m_dYMax - 0.1 * ++row * m_dYSpan;
                int px = 0, py = 0;
                const bool clear = MapWorldOffset(m_dXMin, rowY, &px, &py) &&
                                   py + 3 * m_nBaseCharHeight / 2 < clearBottom;
                if (table && row <= kNodeTableRows && clear) {
                    DrawLabelValuePair(pDC, m_dXMin, rowY, fLabel, 6, y, "", 3, t, 1.2, -0.3,
                                       m_crCurveSetting);
                    DrawLabelValuePair(pDC, m_dXMin + 0.4 * m_dXSpan, rowY, "w[ ]=", 6, w, "", 0, i,
                                       (0.5 * m_nLabelZoom + 1) * 1.5, -0.2, m_crCurveSetting);
                }
                if (n < kGaussStripLimit) {
                    const double l = t - w * half / 2, r = l + w * half;
                    DrawLineWorld(pDC, l, 0, l, y, m_crSection);
                    DrawLineWorld(pDC, r, 0, r, y, m_crSection);
                    DrawLineWorld(pDC, r, y, l, y, m_crSection);
                }
            }
        }
        S *= half;
    }
    const int CH = m_nBaseCharHeight;
    const int xs[5] = {7 * CH, 17 * CH / 2, 10 * CH, 23 * CH / 2, 13 * CH};
    const char* labels[5] = {u8"2节点", u8"3节点", u8"4节点", u8"5节点", u8"6节点"};
    const int shift = std::max(0, rowEnd - (m_nPlotLeft + xs[0]));
    for (int j = 0; j < 5; ++j)
        if (TextButton(pDC, m_nPlotLeft + xs[j] + shift, m_nPlotTop, Gbk(labels[j]))) {
            m_nDemoOption2 = j + 1;
            m_bLoadScriptSettings = 0;
        }
    return S;
}

// The pixel row above which the node table keeps clear of the curve: the
// highest point of F, over [a, b] where the table's columns stand, less a
// small gap.
int CPemroView::GaussTableClearance(double a, double b) {
    const double right = m_dXMin + 0.75 * m_dXSpan;
    const double from = std::max(a, m_dXMin), to = std::min(b, right);
    double top = -HUGE_VAL;
    for (int i = 0; i <= kClearanceSamples && from <= to; ++i) {
        const double y = EvalF(from + (to - from) * i / kClearanceSamples, m_nFuncF);
        if (std::isfinite(y)) top = std::max(top, y);
    }
    int px = 0, py = m_nPlotBottom;
    if (!(top > -HUGE_VAL) || !MapWorldOffset(m_dXMin, std::min(top, m_dYMax), &px, &py))
        return m_nPlotBottom;
    return py - 2;
}

void CPemroView::DrawPRNCalculus(CDC* pDC, double x, double y, int kind, int mode, int variant,
                                 double a, double b, int n, COLORREF colour) {
    if (mode == 1 && (b < m_dXMin || b > m_dXMax)) b = m_dCursorX;
    if (mode == 2 && (b < m_dYMin || b > m_dYMax)) b = m_dCursorY;
    if ((kind == 6 || kind == 7) && variant != 0) variant = 1;
    // The read-out stands at its point of the window: a range moved past
    // it takes it away rather than onto the buttons or the tick numbers.
    if (!(x >= m_dXMin && x <= m_dXMax && y >= m_dYMin && y <= m_dYMax)) return;
    for (const RuleLabel& r : kRuleLabels) {
        if (r.kind != kind || (r.variant >= 0 && r.variant != variant)) continue;
        DrawLabelValue(pDC, x, y, Gbk(r.label), 4, Integrate(a, b, n, r.method, r.flag), colour);
        return;
    }
}
