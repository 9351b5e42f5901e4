// Gaussian elimination step by step: plain, with column pivoting, and
// Gauss-Jordan with the inverse; least squares through the normal
// equations when there are more equations than unknowns.
#include "calculus/button_column.h"
#include "numeric/math/elimination.h"
#include "platform/text_codec.h"
#include "view/view.h"

#include <algorithm>

namespace {

constexpr int kMaxUnknowns = 20;
constexpr int kMaxEquations = 10;
constexpr const char* kVariantNames[] = {u8"高  斯", u8"列主元", u8"并求A逆"};

} // namespace

void CPemroView::DrawGauss(CDC* pDC, int n, int m) {
    const int rows = std::clamp(m, 0, kMaxEquations);
    const int cols = std::clamp(n, 0, kMaxUnknowns);
    LoadLinearSystem(rows, cols);
    m_dXMin = 0, m_dXMax = cols;
    m_dYMin = 0, m_dYMax = rows + 4;
    // The column and the title straddle the plot's right edge (see below).
    const int titleInset = 2 * m_nBaseCharHeight;
    calculus::KeepReachInWindow(*this, calculus::ReachPastPlot(*this, {{20, u8"下一步"},
                                                                       {20, u8"上一步"},
                                                                       {20, u8"开  始"},
                                                                       {20, u8"高  斯"},
                                                                       {20, u8"列主元"},
                                                                       {20, u8"并求A逆"},
                                                                       {titleInset, u8"高  斯"},
                                                                       {titleInset, u8"列主元"},
                                                                       {titleInset, u8"并求A逆"}}));
    DrawFunctionGraph(pDC, 0, 3, 1.0, 1.0, "", "");
    // The frame was just repainted: so is the demonstration, whenever the
    // click lies on any of its controls, not only in the plot.
    if (!m_bFullRepaint && !IsClickOnGraphControls()) return;
    DrawKeepDecimalsSelector(pDC, rows, cols, 1);
    DrawPrecisionSelector(pDC, m_nPlotLeft - 5 * m_nBaseCharHeight / 4, m_nPlotTop);

    numeric::GaussInput in;
    in.a = m_adMatrixA;
    in.n = n, in.m = m;
    in.variant = m_nPlotMode;
    in.step = m_nDemoStep;
    in.precision = m_nPrecisionDigits;
    numeric::GaussResult r;
    numeric::RunGauss(in, &r);
    m_nDemoStep = r.step;

    std::fill_n(m_adSolution, r.n, 0.0);
    const int last = r.n + r.q;
    const double dx = m_dXSpan / (last + 1), dy = m_dYSpan / (r.n + 3);
    auto cellX = [&](int j) { return m_dXMin + j * dx; };
    auto rowY = [&](int i) { return m_dYMax - i * dy; };
    for (int i = 0; i < r.m; ++i)
        for (int j = 0; j <= last; ++j)
            DrawLabelValue(pDC, cellX(j), rowY(i), "", m_nDecimals, r.a[i][j],
                           i == r.highlight ? m_crFirstDerivative : m_crCurveSetting);

    if (r.noSolution) {
        DrawStringWorld(pDC, m_dXMin + 0.5 * m_dXSpan, m_dYMin + m_dYSpan / (r.m + 1),
                        Gbk(u8"无解"), m_crCurveSetting);
    } else {
        if (r.solved) {
            std::copy_n(r.x, r.n, m_adSolution);
            for (int j = 0; j < r.n; ++j)
                DrawLabelValue(pDC, cellX(j), rowY(r.m + 1), "", m_nDecimals, r.x[j],
                               m_crCurveSetting);
            if (m_nPlotMode != 2)
                DrawStringWorld(pDC, cellX(r.n), rowY(r.m + 1), Gbk(u8"特解"), m_crCurveSetting);
        }
        if (r.hasResidual)
            DrawLabelValue(pDC, cellX(r.n), rowY(r.m), "Q=", m_nDecimals, r.residual,
                           m_crCurveSetting);
        for (int t = 1; t <= r.basisCount; ++t) {
            std::copy_n(r.basis[t - 1], r.n, m_adSolution);
            for (int j = 0; j < r.n; ++j)
                DrawLabelValue(pDC, cellX(j), rowY(r.m + 1 + t), "", m_nDecimals, r.basis[t - 1][j],
                               m_crCurveSetting);
            DrawLabelValue(pDC, cellX(r.n), rowY(r.m + 1 + t), Gbk(u8"ζ"), 0, t, m_crCurveSetting);
        }
        for (int j = 0; j < r.n; ++j)
            DrawLabelValue(pDC, cellX(j), rowY(r.m), "x", 0, j + 1, m_crCurveSetting);
    }
    // A zero pivot stops the elimination; the buttons stay so the user can
    // step back or choose pivoting.
    if (r.pivotFailed) DrawMatrixMessage(pDC, u8"无法三角分解");

    // The column and the title straddle the plot's right edge; the frame
    // widens to hold them, the same in every pass.
    {
        const int R = m_nPlotRight, ch = m_nBaseCharHeight;
        calculus::FrameMarginForButtons(*this, pDC,
                                        {{R - 20, u8"下一步"},
                                         {R - 20, u8"上一步"},
                                         {R - 20, u8"开  始"},
                                         {R - 20, u8"高  斯"},
                                         {R - 20, u8"列主元"},
                                         {R - 20, u8"并求A逆"},
                                         {R - 2 * ch, u8"高  斯"},
                                         {R - 2 * ch, u8"列主元"},
                                         {R - 2 * ch, u8"并求A逆"}});
    }
    DrawStepButtons(pDC, r.overdetermined ? -2 : 0);
    for (int v = 0; v < 3; ++v) DrawMethodButton(pDC, 3 + v, kVariantNames[v], v);
    DrawDecimalsSelector(pDC, m_nPlotLeft, m_nPlotTop - 23, 6);
    if (m_nPlotMode >= 0 && m_nPlotMode <= 2)
        TextButtonInPlot(pDC, m_nPlotRight - 2 * m_nBaseCharHeight, m_nPlotTop - 23, 48, 20,
                         Gbk(kVariantNames[m_nPlotMode]), m_crFirstDerivative);
}
