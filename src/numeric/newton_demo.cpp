// Newton interpolation forward or backward through the nodes, with its
// table of divided differences and the successive Newton polynomials at the
// cursor's abscissa.
#include "numeric/fit_curves.h"
#include "numeric/math/interpolation.h"
#include "platform/text_codec.h"
#include "view/view.h"

#include <algorithm>
#include <iterator>

namespace {

using fit_view::DrawSampledCurve;
using fit_view::kMaxNodeIndex;
using fit_view::kMaxTableLines;
using numeric::kInterpNodes;

constexpr int kRowStep = 24;
enum NewtonDisplay { kShowTable = 1, kShowApproximations = 2, kShowNeither = 3 };

struct PendingButton {
    const char* label;
    int* field;
    int value;
};

} // namespace

void CPemroView::DrawNewton(CDC* pDC, int m, int n) {
    const int direction = m_nPlotMode;
    m_nPlotMode = 0;
    n = PrepareInterpolationNodes(pDC, m, n, m_crFirstDerivative, 2, m_crSecondDerivative,
                                  m_crSecondDerivative);
    m_nPlotMode = direction;

    double t[kInterpNodes], u[kInterpNodes];
    for (int i = 0; i <= n; ++i) {
        const int k = direction == 0 ? i : n - i;
        t[i] = m_adDataX[k], u[i] = m_adDataY[k];
    }
    double D[kInterpNodes][kInterpNodes];
    numeric::DividedDifferences(t, u, n, D);

    const double row = m_dYSpan / (n + 2), column = m_dXSpan / (n + 2);
    if (m_nFuncLower == kShowTable) {
        const int last = std::min(n, kMaxTableLines - 1);
        for (int r = 0; r <= last; ++r) {
            const double y = m_dYMin + (n + 1 - r) * row;
            DrawLabelValue(pDC, m_dXMin, y, "", m_nDecimals, t[r], m_crCurveSetting);
            DrawLabelValue(pDC, m_dXMin + column, y, "", m_nDecimals, u[r], m_crCurveSetting);
        }
        for (int j = 1; j <= last; ++j)
            for (int i = 0; i <= last - j; ++i)
                DrawLabelValue(pDC, m_dXMin + (j + 1) * column, m_dYMin + (n + 1 - (i + j)) * row,
                               "", m_nDecimals, D[i][j], m_crCurveSetting);
    } else if (m_nFuncLower == kShowApproximations) {
        m_bShowMouseCoords = TRUE;
        DrawStringWorld(pDC, m_dXMin + 0.4 * m_dXSpan, m_dYMin + 0.1 * m_dYSpan,
                        Gbk(u8"在x轴上选一点"), m_crCurveSetting);
        const double x = m_dCursorX;
        double p = 1, s = 0;
        for (int k = 0; k <= n; ++k) {
            s += p * D[0][k];
            p *= x - t[k];
            DrawLabelValue(pDC, m_dXMin + 0.05 * m_dXSpan, m_dYMin + (n + 1 - k) * row, "",
                           m_nDecimals, s, m_crCurveSetting);
        }
    }
    DrawSampledCurve(
        *this, pDC, m_dXMin, m_dXMax, false,
        [&](double x) { return numeric::EvalNewtonForm(t, D, n, x); }, m_crCurveSetting);

    const int R = m_nPlotRight - 20, T = m_nPlotTop;
    DrawCountButtons(pDC, R, T, 1, kMaxNodeIndex);
    const PendingButton pending[] = {
        {u8"前插值", &m_nPendingPlotMode, 0},
        {u8"后插值", &m_nPendingPlotMode, 1},
        {u8"显示均差", &m_nPendingFuncLower, kShowTable},
        {u8"显示插值", &m_nPendingFuncLower, kShowApproximations},
        {u8"取消", &m_nPendingFuncLower, kShowNeither},
    };
    for (int i = 0; i < int(std::size(pending)); ++i) {
        if (TextButtonInPlot(pDC, R, T + kRowStep * (2 + i), 40, 20, Gbk(pending[i].label),
                             m_crCurveSetting)) {
            *pending[i].field = pending[i].value;
            m_bSelectionPending = TRUE;
            if (pending[i].value == kShowNeither) m_bShowMouseCoords = FALSE;
        }
    }
    TextButtonInPlot(pDC, m_nPlotRight - 40, T - 23, 60, 20,
                     Gbk(direction == 0 ? u8"牛顿前插值" : u8"牛顿后插值"), m_crFirstDerivative);
    DrawInterpolationSourceButtons(pDC);
    if (m_nFuncLower == kShowTable || m_nFuncLower == kShowApproximations)
        DrawDecimalsSelector(pDC, m_nPlotLeft, DecimalsRowY(), 6);
    DrawLabelValue(pDC, m_dXMin + 0.6 * m_dXSpan, m_dYMax, "n=", 0, n, m_crCurveSetting);
}
