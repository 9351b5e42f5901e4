// Best approximation of the current function in the mean-square sense by
// Legendre, Chebyshev or power bases, and the orthogonal polynomials alone.
#include "numeric/fit_curves.h"
#include "numeric/math/approximation.h"
#include "numeric/math/linear_solvers.h"
#include "platform/text_codec.h"
#include "render/text_typeset.h"
#include "view/view.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

using fit_view::DrawSampledCurve;

constexpr int kRowStep = 24;
// The button column stands this far left of the plot's right edge; a
// coefficient keeps this many pixels more from it (the frame and a gap).
constexpr int kButtonInset = 20;
constexpr int kButtonClearance = 5;
// Columns that need the plot's width start this far from its left edge.
constexpr int kEdgeGap = 3;
constexpr int kRhs = numeric::kRhs;
// Orthogonal kinds reach degree 99; the power basis solves its Gram
// system by elimination, order 10 at most.
constexpr int kMaxOrthoDegree = 99;
constexpr int kMaxPowerDegree = numeric::kSmallSystemMax - 1;
// Power subsets of the general polynomial (m_nDemoOption).
constexpr int kEvenSubset = 1, kOddSubset = 2;

constexpr const char* kKindButtons[] = {u8"勒让德", u8"切比雪夫1", u8"切比雪夫2"};
constexpr const char* kApproxTitles[] = {u8"勒让德逼近", u8"切比雪夫1逼近", u8"切比雪夫2逼近"};

// The basis functions first..last on [a, b], each a polyline in its
// palette colour; every point's values come from one recurrence.
void DrawBasisCurves(CPemroView& v, CDC* pDC, int first, int last, int k, double a, double b,
                     int interval) {
    const double step = fit_view::kCurveStepOfSpan * v.m_dXSpan;
    if (!(step > 0) || !std::isfinite(step) || !std::isfinite(a)) return;
    double previous[numeric::kMaxOrthoIndex + 1], current[numeric::kMaxOrthoIndex + 1];
    numeric::EvalOrthoBasisValuesOnInterval(a, last, k, a, b, interval, previous);
    double px = a;
    for (int i = 1; i < fit_view::kMaxCurvePoints; ++i) {
        const double x = a + i * step;
        if (!(x < b)) break;
        numeric::EvalOrthoBasisValuesOnInterval(x, last, k, a, b, interval, current);
        for (int j = first; j <= last; ++j)
            v.DrawLineWorld(pDC, px, previous[j], x, current[j],
                            v.m_acrPalette[j % CPemroView::kPaletteSize]);
        std::copy_n(current, last + 1, previous);
        px = x;
    }
}

// Where the coefficients a_j and b_j, j = 0..n, stand: a row each down the
// plot, the a column at 0.05 and the b column at 0.45 of its width. Where
// the rows, each with its index half a line below, would run into one
// another or into the "n=" line under them, each column wraps into as many
// columns side by side as the rows need, as wide as its widest entry.
class CoefficientList {
public:
    CoefficientList(const CPemroView& v, CDC* pDC, int n, double widest) : m_v(v) {
        const int Eb = v.m_nFontStep + v.m_nBaseCharHeight,
                  wb = v.m_nFontStep / 2 + v.m_nBaseCharWidth;
        const int big = (v.m_nLabelZoom + 2) * Eb / 3, small = (v.m_nLabelZoom + 2) * Eb / 4;
        const int row = std::max(big, v.m_nBaseCharHeight / 2 + small) + 1;
        const int H = std::max(1, v.m_nPlotHeight);
        m_pitch = double(H) / (n + 2);
        m_top = m_pitch / 2;
        m_rows = n + 1;
        const int bottom = 9 * H / 10 - 2; // the "n=" line's top
        if (m_pitch >= row && m_top + n * m_pitch + row <= bottom) return;
        m_wrapped = true;
        m_pitch = row;
        m_rows = std::max(1, int((bottom - m_top - row) / row) + 1);
        int number = 0, cell = 0;
        if (pDC) {
            LOGFONT font = v.m_lfCurrent;
            font.lfHeight = big;
            font.lfWidth = cell = (v.m_nLabelZoom + 2) * wb / 3;
            const CFontSelect select(pDC, font);
            number = pDC->GetTextExtent(typeset::FormatDecimals(4, -widest)).cx;
        }
        // "a =", a gap, the value and a quarter cell to the next. The last
        // column ends clear of the buttons right of the plot (their frame and
        // a gap); where the columns do not fit from the usual left, they start
        // at the plot's edge, and the columns that fit at all are shown:
        // entries squeezed closer would be written over one another.
        int columns = (n + m_rows) / m_rows;
        const int trail = cell / 4;
        const int natural = 4 * cell + number + trail;
        const double right = v.m_nPlotWidth - kButtonInset - kButtonClearance;
        if (natural <= 0) {
            m_entry = (right - m_left[0]) / std::max(1, 2 * columns);
        } else {
            if (m_left[0] + 2 * columns * natural - trail > right) m_left[0] = kEdgeGap;
            const int fit = std::max(1, int((right - m_left[0] + trail) / (2 * natural)));
            if (columns > fit) columns = fit, m_shown = fit * m_rows;
            m_entry = natural;
        }
        m_left[1] = std::min(std::max(m_left[1], m_left[0] + columns * m_entry),
                             right + trail - columns * m_entry);
    }
    // Whether entry j is written (those past the columns that fit are not).
    bool Shows(int j) const { return j < m_shown; }
    double X(int list, int j) const {
        if (!m_wrapped) return m_v.m_dXMin + (list ? 0.45 : 0.05) * m_v.m_dXSpan;
        const double px = m_left[list] + (j / m_rows) * m_entry;
        return m_v.m_dXMin + (px + 0.5) * m_v.m_dXSpan / std::max(1, m_v.m_nPlotWidth);
    }
    double Y(int j) const {
        if (!m_wrapped) return m_v.m_dYMax - (j + 0.5) * m_v.m_dYSpan / (m_rows + 1);
        const double top = m_top + (j % m_rows) * m_pitch;
        return m_v.m_dYMax - top * m_v.m_dYSpan / std::max(1, m_v.m_nPlotHeight);
    }

private:
    const CPemroView& m_v;
    double m_pitch = 1, m_top = 0;
    int m_rows = 1;
    double m_entry = 0;
    int m_shown = std::numeric_limits<int>::max();
    bool m_wrapped = false;
    double m_left[2] = {0.05 * m_v.m_nPlotWidth, 0.45 * m_v.m_nPlotWidth};
};

} // namespace

void CPemroView::DrawCountButtons(CDC* pDC, int x, int y, int lo, int hi) {
    if (TextButtonInPlot(pDC, x, y, 40, 20, Gbk(u8"n增加"), m_crCurveSetting) &&
        m_nSavedCountN < hi)
        ++m_nSavedCountN, m_bLoadScriptSettings = FALSE;
    if (TextButtonInPlot(pDC, x, y + kRowStep, 40, 20, Gbk(u8"n减少"), m_crCurveSetting) &&
        m_nSavedCountN > lo)
        --m_nSavedCountN, m_bLoadScriptSettings = FALSE;
}

void CPemroView::DrawApproximation(CDC* pDC, int n, int k) {
    const double a = m_dIntervalA, b = m_dIntervalB;
    const bool powers = k >= numeric::kPowerBasis;
    const int subset =
        m_nDemoOption == kEvenSubset || m_nDemoOption == kOddSubset ? m_nDemoOption : 0;
    const int interval = m_nDemoOption2;
    n = std::clamp(n, 0, powers ? kMaxPowerDegree : kMaxOrthoDegree);
    // Index of the j-th basis function: p_j = step·j + offset.
    const int step = powers && subset != 0 ? 2 : 1;
    const int offset = powers && subset == kOddSubset ? 1 : 0;
    auto f = [this](double x) { return EvalF(x, m_nFuncF); };

    double c[numeric::kMaxOrthoIndex + 1] = {};
    double mean = 0;
    // Every mapping divides by b - a: an empty interval shows no polynomial.
    const bool usable = b != a && std::isfinite(a) && std::isfinite(b);
    if (usable) {
        double integral[numeric::kMaxOrthoIndex + 1];
        numeric::ComputeOrthoCoefficients(f, a, b, step * n + offset, k, interval, integral);
        if (!powers) {
            for (int j = 0; j <= n; ++j) {
                m_adMatrixA[j][kRhs] = 2 * integral[j] / (b - a);
                c[j] = m_adMatrixA[j][kRhs] / numeric::GetOrthoNormSquared(j, k, interval);
            }
        } else {
            const int q = subset == kOddSubset ? 1 : 0;
            for (int r = 0; r <= n; ++r) {
                for (int s = 0; s <= n; ++s) {
                    if (subset == 0)
                        m_adMatrixA[r][s] = interval == numeric::kSymmetricPowers && (r + s) % 2
                                                ? 0.0
                                                : 1.0 / (r + s + 1);
                    else
                        m_adMatrixA[r][s] = 1.0 / (2 * r + 2 * s + 2 * q + 1);
                }
                m_adMatrixA[r][kRhs] = integral[step * r + offset] / (b - a);
            }
            SolveSmallSystem(n + 1);
            std::copy_n(m_adSolution, n + 1, c);
        }
        auto p = [&](double x) {
            return numeric::EvalOrthoSeries(x, c, n, step, offset, k, a, b, interval);
        };
        DrawSampledCurve(*this, pDC, a, b, false, p, m_crFirstDerivative);
        if (m_nFuncLower == 1)
            mean = numeric::OrthoMeanError(f, c, n, step, offset, k, a, b, interval);
    }

    const int R = m_nPlotRight - kButtonInset, T = m_nPlotTop;
    DrawCountButtons(pDC, R, T, 0, powers ? kMaxPowerDegree : kMaxOrthoDegree);
    for (int i = 0; i < 4; ++i) {
        const char* label = i < 3 ? kKindButtons[i] : u8"一般多项式";
        if (TextButtonInPlot(pDC, R, T + kRowStep * (2 + i), 40, 20, Gbk(label), m_crCurveSetting))
            m_nSavedCountM = i, m_bLoadScriptSettings = FALSE;
    }
    constexpr const char* selectorLabels[] = {u8"显示逼近系数", u8"取消", u8"显示特殊函数"};
    for (int i = 0; i < (powers ? 2 : 3); ++i) {
        if (TextButtonInPlot(pDC, R, T + kRowStep * (6 + i), 40, 20, Gbk(selectorLabels[i]),
                             m_crCurveSetting))
            m_nPendingFuncLower = i == 0 ? 1 : i == 1 ? 0 : 2, m_bSelectionPending = TRUE;
    }
    DrawLabelValue(pDC, m_dXMin + 0.1 * m_dXSpan, m_dYMin + 0.1 * m_dYSpan, "n=", 0, n,
                   m_crCurveSetting);
    if (powers) {
        const int ch = m_nBaseCharHeight, L = m_nPlotLeft;
        struct Option {
            const char* label;
            int x;
            int* field;
            int value;
        };
        const Option options[] = {
            {u8"连续次幂", L, &m_nDemoOption, 0},
            {u8"偶次幂", L + (14 * ch) / 5, &m_nDemoOption, kEvenSubset},
            {u8"奇次幂", L + 5 * ch, &m_nDemoOption, kOddSubset},
            {u8"标[0,1]", L + 7 * ch, &m_nDemoOption2, 1},
            {u8"标[-1,1]", L + 9 * ch, &m_nDemoOption2, numeric::kSymmetricPowers},
        };
        for (const Option& o : options)
            if (TextButtonInPlot(pDC, o.x, T, 40, 20, Gbk(o.label), m_crCurveSetting))
                *o.field = o.value;
    }

    if (usable && m_nFuncLower == 1) {
        double widest = 0;
        for (int j = 0; j <= n; ++j)
            widest = std::max({widest, std::fabs(c[j]), std::fabs(m_adMatrixA[j][kRhs])});
        const CoefficientList list(*this, pDC, n, widest);
        for (int j = 0; j <= n && list.Shows(j); ++j) {
            DrawLabelValuePair(pDC, list.X(0, j), list.Y(j), "a =", 4, c[j], "", 0, j, 1.2, -0.5,
                               m_crCurveSetting);
            DrawLabelValuePair(pDC, list.X(1, j), list.Y(j), "b =", 4, m_adMatrixA[j][kRhs], "", 0,
                               j, 1.2, -0.5, m_crCurveSetting);
        }
        DrawLabelValue(pDC, m_dXMin + 0.3 * m_dXSpan, m_dYMin + 0.1 * m_dYSpan, Gbk(u8"平均误差:"),
                       6, mean, m_crCurveSetting);
    }
    if (usable && m_nFuncLower == 2) DrawBasisCurves(*this, pDC, 1, n, k, a, b, interval);

    const char* title = nullptr;
    if (k >= 0 && k < 3) title = kApproxTitles[k];
    if (k == numeric::kPowerBasis)
        title = subset == 0             ? u8"连续次幂逼近"
                : subset == kEvenSubset ? u8"2n幂逼近"
                                        : u8"2n+1幂逼近";
    if (title)
        TextButtonInPlot(pDC, m_nPlotRight - 2 * m_nBaseCharHeight, m_nPlotTop - 24, 40, 20,
                         Gbk(title), m_crCurveSetting);
}

void CPemroView::DrawCurvespecialfunc(CDC* pDC, int n, int k) {
    const double a = m_dIntervalA, b = m_dIntervalB;
    n = std::clamp(n, 0, kMaxOrthoDegree);
    if (b != a) DrawBasisCurves(*this, pDC, m_nFuncLower == 0 ? n : 0, n, k, a, b, m_nDemoOption2);
    const int R = m_nPlotRight - 20, T = m_nPlotTop;
    DrawCountButtons(pDC, R, T, 0, kMaxOrthoDegree);
    for (int i = 0; i < 3; ++i)
        if (TextButtonInPlot(pDC, R, T + kRowStep * (2 + i), 40, 20, Gbk(kKindButtons[i]),
                             m_crCurveSetting))
            m_nSavedCountM = i, m_bLoadScriptSettings = FALSE;
    if (TextButtonInPlot(pDC, R, T + kRowStep * 5, 40, 20, Gbk(u8"显示全部"), m_crCurveSetting))
        m_nPendingFuncLower = 1, m_bSelectionPending = TRUE;
    if (TextButtonInPlot(pDC, R, T + kRowStep * 6, 40, 20, Gbk(u8"单个显示"), m_crCurveSetting))
        m_nPendingFuncLower = 0, m_bSelectionPending = TRUE;
    DrawLabelValue(pDC, m_dXMin + 0.1 * m_dXSpan, m_dYMin + 0.1 * m_dYSpan, "n=", 0, n,
                   m_crCurveSetting);
    if (k >= 0 && k < 3)
        TextButtonInPlot(pDC, m_nPlotRight - 2 * m_nBaseCharHeight, m_nPlotTop - 24, 40, 20,
                         Gbk(kKindButtons[k]), m_crCurveSetting);
}
