// Jacobi, Gauss-Seidel and relaxation iterations for A x = b, one iteration
// per step, as a thinned table of iterates.
#include "calculus/button_column.h"
#include "numeric/math/iterative.h"
#include "platform/text_codec.h"
#include "view/view.h"

#include <algorithm>
#include <memory>

namespace {

constexpr const char* kSolverButtons[] = {"Jacobi", "Seidel", u8"松弛法"};
constexpr double kSolverEpsilonFactor = 1.25;
constexpr double kSolverEpsilonShrink = 0.8;

bool OmegaInRange(double w) {
    return w >= 0 && w <= 2;
}

} // namespace

void CPemroView::DrawJacobiSeidel(CDC* pDC, int n, int count) {
    n = std::clamp(n, 0, numeric::kIterMaxOrder);
    if (!OmegaInRange(m_adCoefF[0])) m_adCoefF[0] = 1.0;
    double omega = m_adCoefF[0];
    // The script's factor is used as given; kept as the working value, it is
    // also what the ω buttons start from.
    if (count > 0 && count >= n) omega = m_adCoefF[0] = m_adShapeX1[n];
    DrawKeepDecimalsSelector(pDC, n, n, 1);
    DrawPrecisionSelector(pDC, m_nPlotLeft - (5 * m_nBaseCharHeight) / 4, m_nPlotTop);
    m_nDemoStep = std::max(m_nDemoStep, 1);

    numeric::IterativeInput in;
    in.a = m_adMatrixA;
    in.n = n;
    in.method = m_nPlotMode;
    in.omega = omega;
    in.x0 = count > 0 ? m_adShapeX1 : nullptr;
    in.step = m_nDemoStep;
    in.epsilon = m_dEpsilon;
    in.precision = m_nPrecisionDigits;
    auto r = std::make_unique<numeric::IterativeResult>();
    numeric::RunIterative(in, r.get());
    // Steps past convergence add nothing: the step stays at the converged
    // iteration, so the table, its thinning and "n=" show that iteration.
    if (r->converged && m_nDemoStep > r->done + 1) {
        m_nDemoStep = in.step = r->done + 1;
        numeric::RunIterative(in, r.get());
    }
    const int s = m_nDemoStep;

    const double dx = m_dXSpan / (n + 1);
    auto colX = [&](int j) { return m_dXMin + j * dx; };
    if (s == 1) {
        for (int i = 0; i < n; ++i)
            for (int j = 0; j <= n; ++j)
                DrawLabelValue(pDC, colX(j), m_dYMax - i, "", m_nDecimals, r->m[i][j],
                               m_crCurveSetting);
        for (int j = 0; j < n; ++j) {
            DrawLabelValue(pDC, colX(j), m_dYMin + 0.3 * m_dYSpan, "x", 0, j + 1, m_crCurveSetting);
            DrawLabelValue(pDC, colX(j), m_dYMin + 0.2 * m_dYSpan, "", m_nDecimals, r->x0[j],
                           m_crCurveSetting);
        }
    } else {
        for (int j = 0; j < n; ++j)
            DrawLabelValue(pDC, colX(j), m_dYMax, "x", 0, j + 1, m_crCurveSetting);
        DrawStringWorld(pDC, colX(n), m_dYMax, Gbk(u8"迭代次数"), m_crCurveSetting);
        for (int k = 0; k < r->rowCount; ++k) {
            const double y = m_dYMax - (k + 1) * 0.1 * m_dYSpan;
            for (int j = 0; j < n; ++j)
                DrawLabelValue(pDC, colX(j), y, "", m_nDecimals, r->rows[k].x[j], m_crCurveSetting);
            DrawLabelValue(pDC, colX(n), y, "  ", 0, r->rows[k].number, m_crCurveSetting);
        }
        if (r->zeroPivot >= 0)
            DrawLabelValue(pDC, m_dXMin, m_dYMin + 0.5 * m_dYSpan, Gbk(u8"迭代失败i="), 0,
                           r->zeroPivot + 1, m_crCurveSetting);
        else if (r->diverged)
            DrawMatrixMessage(pDC, u8"迭代出界");
        m_crCurve = m_crCurveSetting;
        if (r->lastReached)
            DrawRelatedDataPanel(pDC, "x", s - 1, r->xNew, "", -1, r->xNew, "A", &r->m[0][0], n, n,
                                 "x", s - 2, r->xOld, "", -1, r->xOld);
    }
    DrawLabelValue(pDC, m_dXMin, m_dYMin + 0.1 * m_dYSpan, "n=", 0, s - 1, m_crCurveSetting);
    DrawLabelValue(pDC, m_dXMin + 0.2 * m_dXSpan, m_dYMin + 0.1 * m_dYSpan, Gbk(u8"误差限ε= "), 6,
                   m_dEpsilon, m_crCurveSetting);

    // The column and the title straddle the plot's right edge; the frame
    // widens to hold them, the same in every pass.
    {
        const int R = m_nPlotRight, ch = m_nBaseCharHeight;
        calculus::FrameMarginForButtons(*this, pDC,
                                        {{R - 20, u8"下一步"},
                                         {R - 20, u8"上一步"},
                                         {R - 20, u8"开  始"},
                                         {R - 20, "Jacobi"},
                                         {R - 20, "Seidel"},
                                         {R - 20, u8"松弛法"},
                                         {R - 20, u8"ε增加"},
                                         {R - 20, u8"ε减少"},
                                         {R - 20, u8"ω增加"},
                                         {R - 20, u8"ω减少"},
                                         {R - 2 * ch, u8"G-S迭代"},
                                         {R - (5 * ch) / 3, u8"松弛法"},
                                         {R - 2 * ch, u8"Jacobi迭代"}});
    }
    DrawStepButtons(pDC, 1);
    for (int k = 0; k < 3; ++k) DrawMethodButton(pDC, 3 + k, kSolverButtons[k], k);
    const int x = m_nPlotRight - 20;
    auto button = [&](int row, const char* label) {
        return TextButtonInPlot(pDC, x, m_nPlotTop + 24 * row, 48, 20, Gbk(label),
                                m_crCurveSetting);
    };
    if (button(6, u8"ε增加")) m_dEpsilon *= kSolverEpsilonFactor;
    if (button(7, u8"ε减少")) m_dEpsilon *= kSolverEpsilonShrink;
    if (r->method == numeric::kRelaxation) {
        if (button(8, u8"ω增加")) {
            m_adSavedCoefF[0] += m_dParamStep;
            m_bLoadScriptSettings = FALSE;
        }
        if (button(9, u8"ω减少")) {
            m_adSavedCoefF[0] -= m_dParamStep;
            m_bLoadScriptSettings = FALSE;
        }
    }
    if (!OmegaInRange(m_adSavedCoefF[0])) m_adSavedCoefF[0] = 1.0;

    // A method number outside the three runs and is titled as Jacobi.
    const int h = m_nBaseCharHeight;
    switch (r->method) {
    case numeric::kGaussSeidel:
        TextButtonInPlot(pDC, m_nPlotRight - 2 * h, m_nPlotTop - 23, 120, 20, Gbk(u8"G-S迭代"),
                         m_crFirstDerivative);
        break;
    case numeric::kRelaxation:
        TextButtonInPlot(pDC, m_nPlotRight - (5 * h) / 3, m_nPlotTop - 23, 60, 20, Gbk(u8"松弛法"),
                         m_crFirstDerivative);
        DrawLabelValue(pDC, m_dXMax - 0.3 * m_dXSpan, m_dYMin + 0.1 * m_dYSpan, Gbk(u8"ω="), 3,
                       omega, m_crCurveSetting);
        break;
    default:
        TextButtonInPlot(pDC, m_nPlotRight - 2 * h, m_nPlotTop - 23, 80, 20, Gbk(u8"Jacobi迭代"),
                         m_crFirstDerivative);
    }
    DrawDecimalsSelector(pDC, m_nPlotLeft, m_nPlotTop - 23, 6);
}
