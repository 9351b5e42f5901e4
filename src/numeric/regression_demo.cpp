// Least-squares fits of two-parameter models (through a straight line in
// transformed coordinates) and of polynomials in all, odd or even powers,
// with the normal equations, the coefficients and the mean squared residual.
#include "calculus/button_column.h"
#include "numeric/fit_curves.h"
#include "numeric/math/linear_solvers.h"
#include "numeric/math/regression.h"
#include "platform/text_codec.h"
#include "render/text_typeset.h"
#include "view/view.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <vector>

namespace {

using fit_view::DrawSampledCurve;

constexpr int kRowStep = 24;
constexpr int kRhs = numeric::kRhs;

struct ModelRow {
    const char* button;
    const char* title;
};
// Models 0..6; every other type is the straight line of the last row.
constexpr ModelRow kModels[] = {
    {u8"y=ax^b", u8"回归方程:y=ax^b"},
    {u8"y=ae^(bx)", u8"回归方程:y=ae^(bx)"},
    {u8"y=a+blnx", u8"回归方程:y=a+blnx"},
    {u8"y=ae^(b/x)", u8"回归方程:y=ae^(b/x)"},
    {u8"y=1/(a+blnx)", u8"回归方程:y=1/(a+blnx)"},
    {u8"y=1/(a+bx)", u8"回归方程:y=1/(a+bx)"},
    {u8"y=a+bx", u8"回归方程:y=a+bx"},
};
constexpr int kModelCount = int(std::size(kModels));

constexpr const char* kBasisTitles[] = {u8"m次多项式回归", u8"2m+1奇次多项式回归",
                                        u8"2m偶次多项式回归"};
constexpr const char* kBasisButtons[] = {u8"连续次幂", u8"奇次幂", u8"偶次幂"};

} // namespace

double CPemroView::EvalRegressionModel(double x, int t) const {
    return numeric::EvalRegressionModel(x, t, m_adCoefF[0], m_adCoefF[1]);
}

int CPemroView::PrepareFitData(CDC* pDC, int n) {
    const bool generated = m_nPlotMode == 0;
    n = std::clamp(n, 1, generated ? kDataSize - 1 : kDataSize);
    if (generated) {
        const double a = m_dIntervalA, b = m_dIntervalB;
        for (int i = 0; i <= n; ++i) {
            m_adDataX[i] = a + (b - a) * i / n;
            m_adDataY[i] = EvalF(m_adDataX[i], m_nFuncF);
        }
    }
    for (int i = 0; i < n; ++i)
        DrawDotWorld(pDC, m_adDataX[i], m_adDataY[i], 3, 3, m_crFirstDerivative,
                     m_crSecondDerivative);
    return n;
}

namespace {

// The world y of row k of the `rows` equal steps down the plot that the
// polynomial coefficients are listed in (1 = the first under the plot's
// top); where the first would meet the data-type buttons on the plot's top,
// the rows go down below them and close up to end inside the plot.
double CoefficientRowY(const CPemroView& v, int k, int rows) {
    const int H = std::max(1, v.m_nPlotHeight);
    const int row = (v.m_nLabelZoom + 2) * (v.m_nFontStep + v.m_nBaseCharHeight) / 3;
    const int below = v.m_nPlotTop + v.ButtonHeight() + 3;
    if (v.m_nPlotTop + H / rows >= below) return v.m_dYMin + (rows - k) * v.m_dYSpan / rows;
    const int pitch =
        std::max(0, std::min(H / rows, (v.m_nPlotBottom - row - below) / std::max(1, rows - 2)));
    // Half a pixel down: the label's point is truncated to its pixel.
    return v.m_dYMax - (below + (k - 1) * pitch - v.m_nPlotTop + 0.5) * v.m_dYSpan / H;
}

// A coefficient that rounds to zero shows no sign.
double Shown(double c) {
    return std::fabs(c) < 5e-7 ? 0.0 : c;
}

// Where the Q line (slot 0) and the coefficients a_0..a_m (slots 1..m+1)
// stand. While each row keeps a text line's height they share the plot's
// height as CoefficientRowY spaces them; at high degrees they go a line
// apart below the data-type buttons instead, in columns side by side, each
// as wide as its widest entry, in the small labels where the label size
// leaves too few columns. Slots past the columns that fit left of the
// button column are not shown.
class CoefficientSlots {
public:
    CoefficientSlots(CPemroView& v, CDC* pDC, const double c[], int m, double q) : m_v(v), m_m(m) {
        const int H = std::max(1, v.m_nPlotHeight), rows = m + 3;
        m_top = v.m_nPlotTop + v.ButtonHeight() + 3;
        const int line = (v.m_nLabelZoom + 2) * (v.m_nFontStep + v.m_nBaseCharHeight) / 3 + 1;
        const int even = v.m_nPlotTop + H / rows >= m_top
                             ? H / rows
                             : std::min(H / rows, (v.m_nPlotBottom - line - m_top) / (rows - 2));
        m_wrapped = even < line;
        if (!m_wrapped || !pDC) return;
        for (int divisor : {3, 4}) {
            LOGFONT font = v.m_lfCurrent;
            font.lfHeight = (v.m_nLabelZoom + 2) * (v.m_nFontStep + v.m_nBaseCharHeight) / divisor;
            font.lfWidth =
                (v.m_nLabelZoom + 2) * (v.m_nFontStep / 2 + v.m_nBaseCharWidth) / divisor;
            const CFontSelect select(pDC, font);
            int value = pDC->GetTextExtent(typeset::FormatDecimals(6, q)).cx;
            for (int j = 0; j <= m; ++j)
                value = std::max<int>(
                    value, pDC->GetTextExtent(typeset::FormatDecimals(6, Shown(c[j]))).cx);
            const int index = pDC->GetTextExtent(typeset::FormatDecimals(0, m)).cx;
            m_small = divisor == 4;
            m_line = font.lfHeight + 1;
            m_perColumn = std::max(1, (v.m_nPlotBottom - m_top) / m_line);
            // "a", the index and a cell between them and the value.
            m_offset = 3 * font.lfWidth + index;
            m_width = m_offset + value + font.lfWidth;
            const int room = v.m_nPlotRight - 22 - v.m_nPlotLeft;
            m_columns = std::max(1, (room + font.lfWidth) / std::max(1, m_width));
            if (m_columns * m_perColumn >= m + 2) break;
        }
    }
    bool Shows(int slot) const { return !m_wrapped || slot < m_columns * m_perColumn; }
    bool Small() const { return m_small; }
    double LabelX(int slot) const {
        return m_wrapped ? X(slot, 0) : m_v.m_dXMin + (slot ? 0.0 : 0.05) * m_v.m_dXSpan;
    }
    double ValueX(int slot) const {
        return m_wrapped ? X(slot, m_offset) : m_v.m_dXMin + 0.15 * m_v.m_dXSpan;
    }
    double Y(int slot) const {
        if (!m_wrapped) return CoefficientRowY(m_v, slot + 1, m_m + 3);
        const int py = m_top + (slot % m_perColumn) * m_line;
        return m_v.m_dYMax -
               (py - m_v.m_nPlotTop + 0.5) * m_v.m_dYSpan / std::max(1, m_v.m_nPlotHeight);
    }

private:
    double X(int slot, int dx) const {
        const int px = (slot / m_perColumn) * m_width + dx;
        return m_v.m_dXMin + (px + 0.5) * m_v.m_dXSpan / std::max(1, m_v.m_nPlotWidth);
    }
    const CPemroView& m_v;
    int m_m, m_line = 1, m_top = 0, m_perColumn = 1, m_offset = 0, m_width = 0, m_columns = 1;
    bool m_wrapped = false, m_small = false;
};

// Where the columns of the normal equations stand: at equal steps across
// the plot while each column's widest entry ends before the next column and
// the right-hand side before the button column; else packed, the room left
// over shared out between them, in the small labels where the normal ones
// do not fit. Columns that fit in neither are left out, the right-hand
// side (the last) kept.
struct EquationColumns {
    std::vector<int> index; // matrix columns shown, kRhs last
    std::vector<double> x;  // the world x of each
    bool small = false;
};

EquationColumns LayOutEquationColumns(CPemroView& v, CDC* pDC, int m, int last) {
    EquationColumns out;
    for (int c = 0; c <= last; ++c) out.index.push_back(c);
    out.index.push_back(kRhs);
    const auto even = [&](size_t i) {
        const int c = out.index[i] == kRhs ? m + 1 : out.index[i];
        return v.m_dXMin + c * v.m_dXSpan / (m + 2);
    };
    for (size_t i = 0; i < out.index.size(); ++i) out.x.push_back(even(i));
    const int W = v.m_nPlotWidth;
    if (!pDC || W <= 0 || !(v.m_dXSpan > 0)) return out;
    const auto toPixel = [&](double x) {
        return v.m_nPlotLeft + int((x - v.m_dXMin) * W / v.m_dXSpan);
    };
    const auto toWorld = [&](int px) {
        return v.m_dXMin + (px - v.m_nPlotLeft + 0.5) * v.m_dXSpan / W;
    };
    const int limit = v.m_nPlotRight - 24; // the button column's frame, and a gap
    for (int divisor : {3, 4}) {
        LOGFONT font = v.m_lfCurrent;
        font.lfHeight = (v.m_nLabelZoom + 2) * (v.m_nFontStep + v.m_nBaseCharHeight) / divisor;
        font.lfWidth = (v.m_nLabelZoom + 2) * (v.m_nFontStep / 2 + v.m_nBaseCharWidth) / divisor;
        const CFontSelect select(pDC, font);
        // The normal labels write a blank cell before the number.
        const int lead = divisor == 3 ? font.lfWidth : 0, gap = std::max(1, font.lfWidth);
        std::vector<int> width;
        for (int c : out.index) {
            int w = 0;
            for (int r = 0; r <= last; ++r)
                w = std::max<int>(
                    w, pDC->GetTextExtent(typeset::FormatDecimals(2, v.m_adMatrixA[r][c])).cx);
            width.push_back(lead + w);
        }
        const size_t n = width.size();
        if (divisor == 3) {
            bool fits = toPixel(out.x[n - 1]) + width[n - 1] <= limit;
            for (size_t i = 0; i + 1 < n; ++i)
                fits = fits && toPixel(out.x[i]) + width[i] + gap <= toPixel(out.x[i + 1]);
            if (fits) return out;
        }
        int total = 0;
        for (int w : width) total += w;
        const int room = limit - v.m_nPlotLeft;
        // The columns left out from the right of the coefficients, in the
        // small labels only.
        size_t dropped = 0;
        if (divisor == 4)
            while (n - dropped > 2 && total + int(n - dropped - 1) * gap > room)
                total -= width[n - 2 - dropped], ++dropped;
        const size_t kept = n - dropped;
        if (total + int(kept - 1) * gap > room && divisor == 3) continue;
        if (dropped) {
            out.index.erase(out.index.end() - 1 - dropped, out.index.end() - 1);
            width.erase(width.end() - 1 - dropped, width.end() - 1);
        }
        const int share = kept > 1 ? std::max(gap, (room - total) / int(kept - 1)) : gap;
        out.x.clear();
        int px = v.m_nPlotLeft;
        for (size_t i = 0; i < kept; ++i) {
            out.x.push_back(toWorld(px));
            px += width[i] + share;
        }
        out.small = divisor == 4;
        return out;
    }
    return out;
}

} // namespace

void CPemroView::DrawFitSelectorButtons(CDC* pDC, int top) {
    constexpr const char* labels[] = {u8"显示方程组", u8"显示多项式系数", u8"取消"};
    constexpr int selector[] = {1, 2, 0};
    for (int i = 0; i < 3; ++i) {
        if (TextButtonInPlot(pDC, m_nPlotRight - 20, top + kRowStep * i, 40, 20, Gbk(labels[i]),
                             m_crCurveSetting)) {
            m_nPendingFuncLower = selector[i];
            m_bSelectionPending = TRUE;
        }
    }
    const int L = m_nPlotLeft, T = m_nPlotTop;
    TextButtonInPlot(pDC, L, T, 60, 20, Gbk(u8"数据类型:"), m_crCurveSetting);
    if (TextButtonInPlot(pDC, L + 70, T, 60, 20, Gbk(u8"函数产生"), m_crCurveSetting))
        m_nPendingPlotMode = 0, m_bSelectionPending = TRUE;
    if (TextButtonInPlot(pDC, L + 135, T, 60, 20, Gbk(u8"外部输入"), m_crCurveSetting))
        m_nPendingPlotMode = 1, m_bSelectionPending = TRUE;
}

void CPemroView::DrawRegression1(CDC* pDC, int n) {
    const int t = m_nCountM;
    n = PrepareFitData(pDC, n);

    double eq[2][3];
    numeric::RegressionNormalEquations(m_adDataX, m_adDataY, n, t, eq);
    for (int r = 0; r < 2; ++r) {
        m_adMatrixA[r][0] = eq[r][0];
        m_adMatrixA[r][1] = eq[r][1];
        m_adMatrixA[r][kRhs] = eq[r][2];
    }
    SolveSmallSystem(2);
    m_adCoefF[0] = numeric::RegressionA(m_adSolution[0], t);
    m_adCoefF[1] = m_adSolution[1];

    DrawSampledCurve(
        *this, pDC, m_dIntervalA, m_dIntervalB, false,
        [&](double x) { return EvalRegressionModel(x, t); }, m_crCurveSetting);
    const double q =
        numeric::RegressionResidual(m_adDataX, m_adDataY, n, t, m_adCoefF[0], m_adCoefF[1]);

    if (m_nFuncLower == 1) {
        for (int r = 0; r < 2; ++r) {
            const double y = m_dYMin + (2 - r) * m_dYSpan / 3;
            DrawLabelValue(pDC, m_dXMin, y, "", 2, m_adMatrixA[r][0], m_crCurveSetting);
            DrawLabelValue(pDC, m_dXMin + m_dXSpan / 3, y, "", 2, m_adMatrixA[r][1],
                           m_crCurveSetting);
            DrawLabelValue(pDC, m_dXMin + 2 * m_dXSpan / 3, y, "", 2, m_adMatrixA[r][kRhs],
                           m_crFirstDerivative);
        }
    } else if (m_nFuncLower == 2) {
        const double x = m_dXMin + 0.05 * m_dXSpan;
        DrawLabelValue(pDC, x, m_dYMax - 0.15 * m_dYSpan, "a=", 6, m_adCoefF[0], m_crCurveSetting);
        DrawLabelValue(pDC, x, m_dYMax - 0.3 * m_dYSpan, "b=", 6, m_adCoefF[1], m_crCurveSetting);
        DrawLabelValue(pDC, x, m_dYMax - 0.45 * m_dYSpan, "Q=", 6, q, m_crCurveSetting);
    }

    for (int i = 0; i < kModelCount; ++i) {
        if (TextButtonInPlot(pDC, m_nPlotRight - 20, m_nPlotTop + kRowStep * i, 70, 20,
                             Gbk(kModels[i].button), m_crCurveSetting)) {
            m_nSavedCountM = i;
            m_bLoadScriptSettings = FALSE;
        }
    }
    DrawFitSelectorButtons(pDC, m_nPlotTop + kRowStep * kModelCount);
    const int shown = t >= 0 && t < kModelCount ? t : kModelCount - 1;
    TextButtonInPlot(pDC, calculus::TitleRightOfRangeBoxes(*this, m_nPlotRight - 140),
                     m_nPlotTop - 23, 130, 20, Gbk(kModels[shown].title), m_crFirstDerivative);
}

void CPemroView::DrawRegressionm(CDC* pDC, int n, int m) {
    const int k = m_nDemoOption2;
    n = PrepareFitData(pDC, n);
    // A basis of more functions than the points can tell apart leaves the
    // normal equations singular: the degree stops below that.
    const int top = std::max(0, numeric::SolvableRegressionDegree(m_adDataX, n, k));
    m = std::clamp(m, 0, top);

    double s[2 * numeric::kMaxRegressionDegree + 1], t[numeric::kMaxRegressionDegree + 1];
    numeric::PolynomialPowerSums(m_adDataX, m_adDataY, n, m, k, s, t);
    for (int r = 0; r <= m; ++r) {
        for (int c = 0; c <= m; ++c) m_adMatrixA[r][c] = s[r + c];
        m_adMatrixA[r][kRhs] = t[r];
    }
    if (m_nFuncLower == 1) {
        const int last = std::min(m, fit_view::kMaxTableLines - 1);
        const EquationColumns columns = LayOutEquationColumns(*this, pDC, m, last);
        for (int r = 0; r <= last; ++r) {
            const double y = m_dYMin + (m + 1 - r) * m_dYSpan / (m + 2);
            for (size_t i = 0; i < columns.index.size(); ++i) {
                const int c = columns.index[i];
                const COLORREF colour = c == kRhs ? m_crFirstDerivative : m_crCurveSetting;
                if (columns.small)
                    DrawLabelValueSmall(pDC, columns.x[i], y, "", 2, m_adMatrixA[r][c], colour);
                else
                    DrawLabelValue(pDC, columns.x[i], y, "", 2, m_adMatrixA[r][c], colour);
            }
        }
    }
    // Solved from the points' values of an orthogonal basis, not from the
    // normal equations, which are far too ill-conditioned near the top
    // degree; the curve and Q come from that basis too, the power
    // coefficients (which cancel wildly at high degree) are only shown.
    const numeric::PolynomialFit fit = numeric::FitPolynomial(m_adDataX, m_adDataY, n, m, k);
    numeric::PolynomialFitPowers(fit, m_adSolution);
    const double* c = m_adSolution;
    DrawSampledCurve(*this, pDC, m_dIntervalA, m_dIntervalB, false, fit, m_crCurveSetting);

    if (m_nFuncLower == 2) {
        double q = 0;
        for (int i = 0; i < n; ++i) {
            const double r = fit(m_adDataX[i]) - m_adDataY[i];
            q += r * r;
        }
        q /= n;
        const CoefficientSlots slots(*this, pDC, c, m, q);
        const auto label = [&](int slot, double x, const char* text, int decimals, double value) {
            if (!slots.Shows(slot)) return;
            if (slots.Small())
                DrawLabelValueSmall(pDC, x, slots.Y(slot), text, decimals, value, m_crCurveSetting);
            else
                DrawLabelValue(pDC, x, slots.Y(slot), text, decimals, value, m_crCurveSetting);
        };
        label(0, slots.LabelX(0), "Q=", 6, q);
        // A coefficient shows only the decimals its error leaves right;
        // one not right to its units is rounded to the tens or beyond.
        double error[numeric::kMaxRegressionDegree + 1];
        numeric::PolynomialFitPowersError(fit, error);
        for (int j = 0; j <= m; ++j) {
            label(j + 1, slots.LabelX(j + 1), "a", 0, j);
            const int decimals = numeric::VouchedDecimals(error[j], 6);
            const double unit = decimals < 0 ? std::pow(10.0, -decimals) : 1;
            const double value = decimals < 0 ? std::round(c[j] / unit) * unit : Shown(c[j]);
            label(j + 1, slots.ValueX(j + 1), "", std::max(decimals, 0), value);
        }
    }

    const bool odd = k == numeric::kOddPowers, even = k == numeric::kEvenPowers;
    TextButtonInPlot(
        pDC, calculus::TitleRightOfRangeBoxes(*this, m_nPlotRight - (odd || even ? 120 : 100)),
        m_nPlotTop - 23, 130, 20,
        Gbk(kBasisTitles[odd    ? 1
                         : even ? 2
                                : 0]),
        m_crFirstDerivative);
    DrawLabelValue(pDC, m_dXMin + 0.6 * m_dXSpan, m_dYMax, "m=", 0, m, m_crCurveSetting);

    // The degree buttons stop where the fit can still be solved.
    const int R = m_nPlotRight - 20, T = m_nPlotTop;
    if (TextButtonInPlot(pDC, R, T, 40, 20, Gbk(u8"m增加"), m_crCurveSetting) &&
        m_nSavedCountM < top)
        ++m_nSavedCountM, m_bLoadScriptSettings = FALSE;
    if (TextButtonInPlot(pDC, R, T + kRowStep, 40, 20, Gbk(u8"m减少"), m_crCurveSetting) && m > 0)
        m_nSavedCountM = m - 1, m_bLoadScriptSettings = FALSE;
    const bool fixedBasis = m_nRegressionM >= 0 && m_nRegressionM <= 2;
    int d = 72;
    if (!fixedBasis) {
        d = 0;
        for (int i = 0; i < 3; ++i)
            if (TextButtonInPlot(pDC, R, T + kRowStep * (2 + i), 40, 20, Gbk(kBasisButtons[i]),
                                 m_crCurveSetting))
                m_nDemoOption2 = i;
        if (m_nDemoOption2 < 0 || m_nDemoOption2 > 2) m_nDemoOption2 = 0;
    }
    DrawFitSelectorButtons(pDC, T + 5 * kRowStep - d);
    // The script's basis governs from the next pass on.
    if (fixedBasis) m_nDemoOption2 = m_nRegressionM;
}
