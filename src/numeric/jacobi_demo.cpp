// Jacobi's rotation method for a symmetric matrix: two steps a rotation,
// the matrix with its pivot and rotation, then the rotated matrix.
#include "calculus/button_column.h"
#include "numeric/math/jacobi.h"
#include "platform/text_codec.h"
#include "view/view.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kJacobiEpsilonGrow = 1.25;
constexpr double kJacobiEpsilonShrink = 0.8;
constexpr double kSmallestJacobiEpsilon = 1e-6;

} // namespace

void CPemroView::DrawJacobiMethod(CDC* pDC, int n) {
    n = std::clamp(n, numeric::kJacobiMinOrder, numeric::kJacobiMaxOrder);
    DrawKeepDecimalsSelector(pDC, n, n, 0);
    DrawPrecisionSelector(pDC, m_nPlotLeft - (5 * m_nBaseCharHeight) / 4, m_nPlotTop);
    if (m_dEpsilon <= 0) m_dEpsilon = kSmallestJacobiEpsilon;
    m_nDemoStep = std::max(m_nDemoStep, 1);

    numeric::JacobiInput in;
    in.a = m_adMatrixA;
    in.n = n;
    in.epsilon = m_dEpsilon;
    in.step = m_nDemoStep;
    in.precision = m_nPrecisionDigits;
    numeric::JacobiResult r;
    numeric::RunJacobi(in, &r);

    const double rowH = m_dYSpan / (2 * n + 1), colW = m_dXSpan / (n + 1);
    auto value = [&](int row, int col, double v, COLORREF c) {
        DrawLabelValue(pDC, m_dXMin + col * colW, m_dYMax - row * rowH, "", m_nDecimals, v, c);
    };
    const bool before = !r.after && !r.final;
    const bool marked = r.p != r.q;
    for (int i = 0; i < n; ++i)
        for (int k = 0; k < n; ++k) {
            COLORREF c = m_crCurveSetting;
            if (i == k)
                c = m_crFirstDerivative;
            else if (!before && marked && (i == r.p || i == r.q || k == r.p || k == r.q))
                c = m_crSecondDerivative;
            value(i, k, r.a[i][k], c);
        }
    if (before) value(r.p, r.q, r.a[r.p][r.q], m_crSecondDerivative);
    const COLORREF pivotColumns = before ? m_crSecondDerivative : m_crFirstDerivative;
    for (int i = 0; i < n; ++i)
        for (int k = 0; k < n; ++k) {
            const bool pq = marked && (k == r.p || k == r.q) && (before || r.rotations > 0);
            value(n + 1 + i, k, r.j[i][k], pq ? pivotColumns : m_crCurveSetting);
        }
    // The index stands clear of the letter at every font size.
    int indexDx = 8;
    if (pDC) {
        const CFontSelect font(pDC, PlainStringFont(FALSE, m_nLabelZoom));
        indexDx = std::max(indexDx, int(pDC->GetTextExtent("V").cx) + 2);
    }
    DrawLabelIntegerWorld(pDC, m_dXMin + 0.1 * m_dXSpan, m_dYMax - n * rowH, "V", indexDx, 4,
                          (m_nDemoStep - 1) / 2, m_crCurveSetting);
    if (r.rotations > 0)
        DrawRelatedDataPanel(pDC, "", -1, nullptr, "", -1, nullptr, u8"特征向量(行)", &r.v[0][0], n,
                             n, "", -1, nullptr, "", -1, nullptr);

    // The column and the title straddle the plot's right edge; the frame
    // widens to hold them, the same in every pass.
    calculus::FrameMarginForButtons(*this, pDC,
                                    {{m_nPlotRight - 60, u8"Jacob方法"},
                                     {m_nPlotRight - 20, u8"下一步"},
                                     {m_nPlotRight - 20, u8"上一步"},
                                     {m_nPlotRight - 20, u8"开  始"},
                                     {m_nPlotRight - 20, u8"ε增加"},
                                     {m_nPlotRight - 20, u8"ε减少"}});
    DrawStepButtons(pDC, 1);
    const int x = m_nPlotRight - 20;
    if (TextButtonInPlot(pDC, x, m_nPlotTop + 24 * 3, 48, 20, Gbk(u8"ε增加"), m_crCurveSetting))
        m_dEpsilon *= kJacobiEpsilonGrow, m_bLoadScriptSettings = FALSE;
    if (TextButtonInPlot(pDC, x, m_nPlotTop + 24 * 4, 48, 20, Gbk(u8"ε减少"), m_crCurveSetting))
        m_dEpsilon *= kJacobiEpsilonShrink, m_bLoadScriptSettings = FALSE;
    // ε is a tolerance: shown to its first significant digit whatever
    // decimals the table is set to, so it never reads 0.
    const int epsilonDecimals =
        m_dEpsilon > 0
            ? std::max(m_nDecimals, std::min(int(std::ceil(-std::log10(m_dEpsilon))), 10))
            : m_nDecimals;
    DrawLabelValue(pDC, m_dXMin + 0.7 * m_dXSpan, m_dYMin + 0.1 * m_dYSpan, Gbk(u8"ε="),
                   epsilonDecimals, m_dEpsilon, m_crCurveSetting);
    TextButtonInPlot(pDC, m_nPlotRight - 60, m_nPlotTop - 23, 80, 20, Gbk(u8"Jacob方法"),
                     m_crFirstDerivative);
    DrawDecimalsSelector(pDC, m_nPlotLeft, m_nPlotTop - 23, 6);
}
