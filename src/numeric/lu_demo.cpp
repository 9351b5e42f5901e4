// Triangular factorisation step by step, one element per step, then the
// two triangular solves; or iterative improvement, one iteration per step.
#include "calculus/button_column.h"
#include "numeric/math/rounding.h"
#include "numeric/math/triangular.h"
#include "platform/text_codec.h"
#include "view/view.h"

#include <algorithm>

namespace {

constexpr const char* kMethodButtons[] = {u8"LU分解", u8"平方根", u8"改 进", u8"追赶法",
                                          u8"迭代改善法"};
constexpr const char* kMethodTitles[] = {u8"LU分解法", u8"平方根", u8"改进平方根", u8"追赶法",
                                         u8"迭代改善法"};
constexpr int kMethodCount = 5;

} // namespace

void CPemroView::DrawLU(CDC* pDC, int n, int /*method*/) {
    using numeric::kLuMaxOrder;
    n = std::min(n, kLuMaxOrder);
    const int order = std::max(n, 0);
    // Iterative improvement is offered only with rounded arithmetic.
    if (m_nPrecisionDigits > 5 && m_nPlotMode == numeric::kRefinement)
        m_nPlotMode = m_nPendingPlotMode = 0;
    LoadLinearSystem(order, order);
    m_dXMin = m_dYMin = -1.2;
    m_dXMax = m_dYMax = 1.2;
    DrawFunctionGraph(pDC, 0, 3, 1.0, 1.0, "", "");
    if (!m_bFullRepaint && !IsClickOnGraphControls()) return;
    DrawKeepDecimalsSelector(pDC, order, order, 1);
    DrawPrecisionSelector(pDC, m_nPlotLeft - (5 * m_nBaseCharHeight) / 4, m_nPlotTop);
    m_nDemoStep = std::max(m_nDemoStep, 0);

    numeric::LuInput in;
    in.a = m_adMatrixA;
    in.n = order;
    in.method = m_nPlotMode;
    in.step = m_nDemoStep;
    in.precision = m_nPrecisionDigits;
    numeric::LuResult r;
    numeric::RunTriangular(in, &r);

    // The factors as the step leaves them (A where nothing is computed yet).
    for (int i = 0; i < order; ++i) {
        std::copy_n(r.l[i], order, m_adMatrixL[i]);
        std::copy_n(r.u[i], order, m_adMatrixU[i]);
    }
    std::fill_n(m_adSolution, order, 0.0);

    const double dx = m_dXSpan / (order + 1), dy = m_dYSpan / (order + 3);
    auto cellX = [&](int j) { return m_dXMin + j * dx; };
    auto rowY = [&](int i) { return m_dYMax - i * dy; };
    auto cell = [&](int i, int j, const CString& label, double v, COLORREF c) {
        DrawLabelValue(pDC, cellX(j), rowY(i), label, m_nDecimals, v, c);
    };
    // A vector row: "X=[" x0 "   " x1 ... "   ]".
    auto vectorRow = [&](int row, const char* first, const double* v, COLORREF c) {
        for (int j = 0; j < order; ++j) cell(row, j, j == 0 ? first : "   ", v[j], c);
        DrawStringWorld(pDC, cellX(order), rowY(row), "   ]", c);
    };

    if (m_nDemoStep == 0) {
        for (int i = 0; i < order; ++i)
            for (int j = 0; j <= order; ++j) cell(i, j, "", r.m[i][j], m_crCurveSetting);
    } else {
        if (r.notSymmetric)
            DrawMatrixMessage(pDC, r.method == 1 ? u8"不满足平方根法" : u8"不满足改进平方根法");
        if (r.notTridiagonal) DrawMatrixMessage(pDC, u8"不满足三对角矩阵");
        const COLORREF diagonal = r.method <= 1 ? m_crCurveSetting : m_crDefaultPen;
        for (int i = 0; i < order; ++i) {
            for (int j = 0; j < order; ++j) {
                COLORREF c = j > i ? m_crCurveSetting : j < i ? m_crFirstDerivative : diagonal;
                if (i == r.hiRow && j == r.hiCol) c = m_crSecondDerivative;
                cell(i, j, "", j >= i ? r.u[i][j] : r.l[i][j], c);
            }
            cell(i, order, "", r.m[i][order], m_crCurveSetting);
        }
        if (r.solved) {
            std::copy_n(r.x, order, m_adSolution);
            vectorRow(order + 1, "Y=[", r.y, m_crFirstDerivative);
            vectorRow(order + 2, "X=[", r.x, m_crCurveSetting);
        }
        if (r.iterations >= 2) {
            const int k = r.iterations - 1;
            const double* rows[3] = {r.refineX, r.refineR, r.refineD};
            const char* labels[3] = {"x =[", "r =[", "d =["};
            const COLORREF colours[3] = {m_crFirstDerivative, m_crFirstDerivative,
                                         m_crCurveSetting};
            for (int t = 0; t < 3; ++t) {
                const int row = order + t;
                if (order > 0)
                    DrawLabelValuePair(pDC, cellX(0), rowY(row), labels[t], m_nDecimals, rows[t][0],
                                       "", 0, k, 1.0, -0.3, colours[t]);
                for (int j = 1; j < order; ++j) cell(row, j, "   ", rows[t][j], colours[t]);
                DrawStringWorld(pDC, cellX(order), rowY(row), "   ]", colours[t]);
            }
        }
        if (r.failed || r.brokenBand) DrawMatrixMessage(pDC, u8"无法三角分解");
    }

    // The column and the title straddle the plot's right edge; the frame
    // widens to hold them, the same in every pass.
    {
        const int R = m_nPlotRight, ch = m_nBaseCharHeight;
        calculus::FrameMarginForButtons(*this, pDC,
                                        {{R - 20, u8"下一步"},
                                         {R - 20, u8"上一步"},
                                         {R - 20, u8"开  始"},
                                         {R - 20, u8"LU分解"},
                                         {R - 20, u8"平方根"},
                                         {R - 20, u8"改 进"},
                                         {R - 20, u8"追赶法"},
                                         {R - 20, u8"迭代改善法"},
                                         {R - 2 * ch, u8"LU分解法"},
                                         {R - 2 * ch, u8"改进平方根"},
                                         {R - 2 * ch, u8"迭代改善法"}});
    }
    DrawStepButtons(pDC, 0);
    const int methods = m_nPrecisionDigits <= 5 ? kMethodCount : kMethodCount - 1;
    for (int k = 0; k < methods; ++k) DrawMethodButton(pDC, 3 + k, kMethodButtons[k], k);
    DrawDecimalsSelector(pDC, m_nPlotLeft, m_nPlotTop - 23, 6);
    if (m_nPlotMode >= 0 && m_nPlotMode < kMethodCount)
        TextButtonInPlot(pDC, m_nPlotRight - 2 * m_nBaseCharHeight, m_nPlotTop - 23, 48, 20,
                         Gbk(kMethodTitles[m_nPlotMode]), m_crFirstDerivative);
}
