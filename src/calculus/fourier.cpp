// "Fourier": the partial sum of the Fourier series of the current function,
// extended with the period (and the odd or even symmetry) the page chose,
// with buttons for the number of terms, the kind of expansion and the list
// of the first coefficients (the graph's own buttons change the period).
#include "calculus/button_column.h"
#include "view/view.h"

#include "calculus/math/fourier.h"
#include "platform/text_codec.h"

#include <algorithm>
#include <cmath>

using calculus::kFourierMaxTerms;
using calculus::kFourierTableSize;

namespace {

// Points of the partial sum across the window.
constexpr int kSumSamples = 10000;
// Rows of the coefficient list, a tenth of the height apart: the seventh
// row ends above the count of terms at 0.22 of the height.
constexpr int kListedTerms = 6;
constexpr double kListRowStep = 0.1;
// A row with its subscript, in character heights.
constexpr double kRowLines = 1.2;
// The row of the term buttons, laid out for an 800-pixel-wide page after
// the graph's period buttons.
constexpr int kNominalWidth = 800;
constexpr int kPeriodDownDx = 90;
constexpr int kTermsUpDx = 170;
constexpr int kTermsDownDx = 230;
constexpr int kRowGap = 2;

// A value that rounds to zero at the decimals shown is written as 0, not -0.
double Shown(double v) {
    return std::fabs(v) < 0.5e-4 ? 0.0 : v;
}

} // namespace

double CPemroView::FourierCoefficient(double k, int kind) const {
    const int f = m_nFuncF;
    return calculus::FourierIntegral([this, f](double x) { return EvalF(x, f); }, m_dFuncFPeriod, k,
                                     kind);
}

void CPemroView::DrawFourier(CDC* pDC) {
    if (m_nDemoStep < 0) m_nDemoStep = 0;
    if (m_nDemoStep > kFourierMaxTerms) m_nDemoStep = kFourierMaxTerms;
    const int n = m_nDemoStep;
    DrawLabelNumber(pDC, 0, m_dXMin + 0.2 * m_dXSpan, m_dYMin + 0.22 * m_dYSpan,
                    Gbk(u8"展开项数: "), 0, n, 5);

    const double T = m_dFuncFPeriod;
    const int f = m_nFuncF;
    double a[kFourierTableSize], b[kFourierTableSize];
    calculus::FourierCoefficients([this, f](double x) { return EvalF(x, f); }, T, n, a, b);

    m_dDiffStep = m_dXSpan / kSumSamples;
    const double step = m_dDiffStep;
    if (step > 0 && std::isfinite(step) && IsFigureBandVisible()) {
        static thread_local double sums[kSumSamples];
        calculus::FourierPartialSums(a, b, n, T, m_dXMin, step, kSumSamples, sums);
        double px = m_dXMin, py = sums[0];
        for (int i = 1; i < kSumSamples; ++i) {
            const double x = m_dXMin + step * i;
            if (!(x < m_dXMax)) break;
            DrawLineWorld(pDC, px, py, x, sums[i], m_crFirstDerivative);
            px = x;
            py = sums[i];
        }
    }

    if (m_nPlotOption2 == 1) {
        const COLORREF c = m_crCurveSetting;
        const double xa = m_dXMin + 0.05 * m_dXSpan, xb = m_dXMin + 0.45 * m_dXSpan;
        // From the bottom row up: each row's subscripts hang below its
        // line, and are written after the row below so its boxes keep them.
        // Rows at least a line and a subscript apart, and only those that end
        // above the count of terms.
        const int labelHeight = std::abs(m_nCharHeight + m_nFontStep);
        const double line =
            m_nPlotHeight > 0 ? kRowLines * labelHeight * m_dYSpan / m_nPlotHeight : 0;
        const double pitch = std::max(kListRowStep * m_dYSpan, line);
        int rows = std::min(n, kListedTerms);
        while (rows > 0 && m_dYMax - pitch * (rows + 1) - line < m_dYMin + 0.22 * m_dYSpan) --rows;
        for (int k = rows; k >= 1; --k) {
            const double y = m_dYMax - pitch * (k + 1);
            DrawLabelValuePair(pDC, xa, y, "a =", 4, Shown(a[k]), "", 0, k, 1.2, -0.5, c);
            DrawLabelValuePair(pDC, xb, y, "b =", 4, Shown(b[k]), "", 0, k, 1.2, -0.5, c);
        }
        DrawLabelValuePair(pDC, xa, m_dYMax - pitch, "a /2=", 4, Shown(a[0]), "", 0, 0, 1.2, -0.5,
                           c);
    }
    FourierButtons(pDC);
}

// The buttons act after the drawing: their effect shows in the next pass
// (the list switch through the saved copies). The period buttons are the
// graph's own: with the periodic extension on, the graph draws "周期增加" and
// "周期减少" at the places of this row, and a second pair there would scale
// the period twice per click.
void CPemroView::FourierButtons(CDC* pDC) {
    const int top = m_nPlotTop, left = m_nPlotLeft;
    // The row spreads with the page as the graph's does; a button that would
    // cover the one before starts after it.
    const int width = m_nClipRight - m_nClipLeft;
    const double scale = width > kNominalWidth ? double(width) / kNominalWidth : 1.0;
    int next = left + ToPixel(kPeriodDownDx * scale) + ButtonWidth(Gbk(u8"周期减少")) + kRowGap;
    const auto rowButton = [&](int dx, const char* label) {
        const CString text = Gbk(label);
        const int nominal = left + ToPixel(dx * scale);
        const int x = nominal > next ? nominal : next;
        next = x + ButtonWidth(text) + kRowGap;
        return TextButton(pDC, x, top + 4, text);
    };
    if (rowButton(kTermsUpDx, u8"n增加") && m_nDemoStep < kFourierMaxTerms) ++m_nDemoStep;
    if (rowButton(kTermsDownDx, u8"n减少") && m_nDemoStep > 0) --m_nDemoStep;

    const int x = calculus::ColumnInFigure(
        *this, m_nPlotRight - m_nBaseCharHeight,
        {u8"正弦展开", u8"余弦展开", u8"一般展开", u8"显示系数", u8"取消显示"});
    // A chosen expansion holds over the script's, as a chosen period does.
    const char* const kinds[3] = {u8"正弦展开", u8"余弦展开", u8"一般展开"};
    for (int k = 0; k < 3; ++k)
        if (TextButton(pDC, x, top + 24 * k, Gbk(kinds[k]))) {
            m_nFuncFSymmetry = k;
            m_bLoadScriptSettings = 0;
        }
    if (TextButton(pDC, x, top + 72, Gbk(u8"显示系数"))) {
        m_nPendingPlotOption2 = 1;
        m_bLoadScriptSettings = 0;
    }
    if (TextButton(pDC, x, top + 96, Gbk(u8"取消显示"))) {
        m_nPendingPlotOption2 = 0;
        m_bLoadScriptSettings = 0;
    }
}
