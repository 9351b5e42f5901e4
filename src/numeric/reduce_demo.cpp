// Reduction of a matrix by elementary row operations with partial pivoting:
// to upper triangular form, to reduced row echelon form, to the inverse by
// reducing [A | I], or to triangular form with the determinant.
#include "calculus/button_column.h"
#include "numeric/math/elimination.h"
#include "platform/text_codec.h"
#include "view/view.h"

#include <algorithm>

namespace {

struct ModeTitle {
    const char* button;
    const char* title;
    int width;
};
constexpr ModeTitle kModes[] = {
    {u8"上三角", u8"A化为上三角", 78},
    {u8"行最简", u8"A化为行最简形", 88},
    {u8"求A逆", u8"求A逆", 78},
};
constexpr int kDeterminantMode = 3;

} // namespace

void CPemroView::DrawMatrixtransform(CDC* pDC, int mode, int m, int n) {
    const int rows = std::clamp(m, 0, numeric::kDemoRows);
    const int cols = std::clamp(n, 0, numeric::kDemoRows);
    DrawKeepDecimalsSelector(pDC, rows, cols, 1);
    DrawPrecisionSelector(pDC, m_nPlotLeft - 5 * m_nBaseCharHeight / 4, m_nPlotTop);

    numeric::ReduceInput in;
    in.a = m_adMatrixA;
    in.mode = mode;
    in.m = m, in.n = n;
    in.step = m_nDemoStep;
    in.precision = m_nPrecisionDigits;
    numeric::ReduceResult r;
    numeric::RunReduce(in, &r);
    m_nDemoStep = r.step;

    // The rows shown: those the forward phase kept.
    const double dx = m_dXSpan / (r.n + 1), dy = m_dYSpan / (r.m + 1);
    for (int i = 0; i < r.m; ++i)
        for (int j = 0; j < r.n; ++j) {
            const bool lit = i == r.highlight && j >= r.highlightFrom;
            DrawLabelValue(pDC, m_dXMin + j * dx, m_dYMax - i * dy, "", m_nDecimals, r.a[i][j],
                           lit ? m_crFirstDerivative : m_crCurveSetting);
        }

    const double readY = m_dYMax - r.m * dy;
    if (m_nPlotMode >= 0 && m_nPlotMode <= 2) {
        for (int i = 0; i < r.m; ++i) {
            const int c = r.pivotCol[i];
            if (c < r.n && r.a[i][c] != 0)
                DrawLabelValue(pDC, m_dXMin + i * dx, readY, Gbk(u8"ξ"), 0, c + 1,
                               m_crCurveSetting);
        }
    } else if (m_nPlotMode == kDeterminantMode && r.hasDeterminant) {
        DrawLabelValue(pDC, m_dXMin + 0.5 * m_dXSpan, readY, Gbk(u8"行列式:"), 6, r.determinant,
                       m_crCurveSetting);
    }

    // The column and the title straddle the plot's right edge; the frame
    // widens to hold them, the same in every pass.
    {
        const int R = m_nPlotRight, ch = m_nBaseCharHeight;
        calculus::FrameMarginForButtons(*this, pDC,
                                        {{R - 2 * ch, u8"A化为上三角"},
                                         {R - 2 * ch, u8"A化为行最简形"},
                                         {R - 20, u8"下一步"},
                                         {R - 20, u8"上一步"},
                                         {R - 20, u8"开  始"},
                                         {R - 20, u8"上三角"},
                                         {R - 20, u8"行最简"},
                                         {R - 20, u8"求A逆"}});
    }
    DrawStepButtons(pDC, 0);
    const bool transform = mode >= 0 && mode <= 2;
    if (transform)
        for (int k = 0; k < 3; ++k) DrawMethodButton(pDC, 3 + k, kModes[k].button, k);
    DrawDecimalsSelector(pDC, m_nPlotLeft, m_nPlotTop - 23, 6);
    if (transform)
        TextButtonInPlot(pDC, m_nPlotRight - 2 * m_nBaseCharHeight, m_nPlotTop - 23,
                         kModes[mode].width, 20, Gbk(kModes[mode].title), m_crFirstDerivative);
}
