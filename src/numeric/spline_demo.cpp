// Cubic spline interpolation in the moment form with second or first
// derivatives given at the ends: the spline, the tridiagonal system and its
// factors, the cubic of every interval and the spline's integral.
#include "numeric/fit_curves.h"
#include "numeric/math/linear_solvers.h"
#include "numeric/math/splines.h"
#include "platform/text_codec.h"
#include "view/view.h"

#include <algorithm>

namespace {

using fit_view::kCurveStepOfSpan;
using fit_view::kMaxCurvePoints;
using fit_view::kMaxNodeIndex;

constexpr int kRowStep = 24;
constexpr int kRhs = numeric::kRhs;
enum SplineDisplay { kShowSystem = 1, kShowFactors = 2, kShowCubics = 3, kShowIntegral = 4 };

} // namespace

void CPemroView::DrawSplines(CDC* pDC, int m, int n) {
    n = PrepareInterpolationNodes(pDC, m, n, m_crFirstDerivative, 2, m_crSecondDerivative,
                                  m_crSecondDerivative);
    const int c = m_nFuncLower;
    const double* x = m_adDataX;
    const double* y = m_adDataY;
    const double alpha = m_adCoefF[0], beta = m_adCoefF[1];
    double d[kDataSize] = {};
    const int order = numeric::SolveSplineMoments(x, y, n, c, alpha, beta, m_adMatrixA, m_adMatrixL,
                                                  m_adMatrixU, d, m_adSolution);
    // Without an end condition the moments would be another figure's
    // numbers: no spline then.
    const bool solved =
        c == numeric::kSplineSecondDerivatives || c == numeric::kSplineFirstDerivatives;
    double M[kDataSize];
    std::copy_n(m_adSolution, n + 1, M);

    if (solved) {
        const double step = kCurveStepOfSpan * m_dXSpan;
        int segment = 0;
        auto S = [&](double t) {
            segment = numeric::SplineSegmentOf(x, n, t, segment);
            const int i = segment;
            return numeric::EvalSplineSegment(t, x[i + 1] - x[i], x[i], x[i + 1], y[i], y[i + 1],
                                              M[i], M[i + 1]);
        };
        if (step > 0 && std::isfinite(step)) {
            double px = m_dXMin, py = S(px);
            for (int k = 1; k < kMaxCurvePoints; ++k) {
                const double t = m_dXMin + k * step;
                if (!(t < m_dXMax)) break;
                const double v = S(t);
                DrawLineWorld(pDC, px, py, t, v, m_crCurveSetting);
                px = t, py = v;
            }
        }
    }

    const int s = c == numeric::kSplineSecondDerivatives ? n - 2 : n;
    double col = m_dXSpan / (n + 2);
    double row = m_dYSpan / (n + 3);
    bool small = false;
    auto cell = [&](int r, int cl, double value, COLORREF colour) {
        if (small)
            DrawLabelValueSmall(pDC, m_dXMin + cl * col, m_dYMax - r * row, "", 3, value, colour);
        else
            DrawLabelValue(pDC, m_dXMin + cl * col, m_dYMax - r * row, "", 3, value, colour);
    };
    const int display = m_nDemoOption2;
    if (order > 0 && (display == kShowSystem || display == kShowFactors)) {
        const int last = std::min(s, fit_view::kMaxTableLines - 1);
        int rhsColumn = display == kShowSystem ? s + 1 : n + 1;
        if (m_nPlotWidth > 0 && m_dXSpan > 0) {
            // Columns the widest number and a character apart, all of them
            // left of the button column; the right-hand side moves next to
            // the matrix when its own column would reach under the buttons.
            int widest = 0;
            const auto measure = [&](double v) {
                widest = std::max(widest, int(NumberExtent(pDC, 3, v).cx));
            };
            for (int i = 0; i <= last; ++i) {
                for (int j = 0; j <= last; ++j)
                    measure(display == kShowSystem ? m_adMatrixA[i][j]
                            : j >= i               ? m_adMatrixU[i][j]
                                                   : m_adMatrixL[i][j]);
                measure(d[i]);
                measure(M[c == numeric::kSplineSecondDerivatives ? i + 1 : i]);
            }
            const double perPixel = m_dXSpan / m_nPlotWidth;
            const int gap = m_nBaseCharWidth;
            const int span = m_nPlotRight - 20 - m_nPlotLeft - 2 * gap;
            // A table too wide for its numbers at the label size takes the
            // smaller labels (three quarters of the size).
            if ((last + 1) * (widest + gap) > span - widest) {
                small = true;
                widest = widest * 3 / 4;
            }
            const double room = (span - widest) * perPixel;
            col = std::max(col, (widest + gap) * perPixel);
            if (rhsColumn * col > room) rhsColumn = last + 1;
            if (rhsColumn * col > room && room > 0) col = room / rhsColumn;
            // The unknowns' row stays two lines above the read-outs at the
            // bottom.
            if (m_nPlotHeight > 0) {
                const double lines = 2.0 * m_nBaseCharHeight * m_dYSpan / m_nPlotHeight;
                const double rows = (0.85 * m_dYSpan - lines) / (last + 2);
                if (rows > 0) row = std::min(row, rows);
            }
        }
        for (int i = 0; i <= last; ++i) {
            for (int j = 0; j <= last; ++j) {
                if (display == kShowSystem)
                    cell(i + 1, j, m_adMatrixA[i][j], m_crCurveSetting);
                else if (j >= i)
                    cell(i + 1, j, m_adMatrixU[i][j], m_crSecondDerivative);
                else
                    cell(i + 1, j, m_adMatrixL[i][j], m_crCurveSetting);
            }
            cell(i + 1, rhsColumn, d[i], m_crFirstDerivative);
            const int k = c == numeric::kSplineSecondDerivatives ? i + 1 : i;
            cell(s + 2, i, M[k], m_crSecondDerivative);
        }
    } else if (solved && display == kShowCubics) {
        DrawStringWorld(pDC, m_dXMin, m_dYMax - m_dYSpan / (n + 2), "ax^3+bx^2+cx+d:a,b,c,d",
                        m_crCurveSetting);
        for (int i = 0; i < n; ++i) {
            const double h = x[i + 1] - x[i];
            for (int j = 0; j < 4; ++j) {
                const double t = x[i] + j * h / 4;
                m_adMatrixA[j][0] = 1, m_adMatrixA[j][1] = t, m_adMatrixA[j][2] = t * t;
                m_adMatrixA[j][3] = t * t * t;
                m_adMatrixA[j][kRhs] = numeric::EvalSplineSegment(t, h, x[i], x[i + 1], y[i],
                                                                  y[i + 1], M[i], M[i + 1]);
            }
            SolveSmallSystem(4);
            const double* k = m_adSolution;
            const double py = m_dYMax - (i + 2) * row;
            DrawLabelValue(pDC, m_dXMin, py, "", 3, k[3], m_crCurveSetting);
            DrawLabelValue(pDC, m_dXMin + 0.24 * m_dXSpan, py, "", 3, k[2], m_crCurveSetting);
            DrawLabelValue(pDC, m_dXMin + 0.48 * m_dXSpan, py, "", 3, k[1], m_crCurveSetting);
            DrawLabelValue(pDC, m_dXMin + 0.72 * m_dXSpan, py, "", 3, k[0], m_crCurveSetting);
        }
    }
    for (int i = 0; i <= n; ++i)
        DrawDotWorld(pDC, x[i], y[i], 2, 2, m_crSecondDerivative, m_crSecondDerivative);

    const int R = m_nPlotRight - 20, L = m_nPlotLeft, T = m_nPlotTop;
    if (TextButtonInPlot(pDC, R, T, 40, 20, Gbk(u8"已知y″"), m_crCurveSetting))
        m_nPendingFuncLower = 1, m_bSelectionPending = TRUE;
    if (TextButtonInPlot(pDC, R, T + kRowStep, 40, 20, Gbk(u8"已知y′"), m_crCurveSetting))
        m_nPendingFuncLower = 2, m_bSelectionPending = TRUE;
    if (solved) {
        const bool second = c == numeric::kSplineSecondDerivatives;
        const char* labels[] = {
            second ? u8"y″0增加" : u8"y′0增加", second ? u8"y″0减少" : u8"y′0减少",
            second ? u8"y″n增加" : u8"y′n增加", second ? u8"y″n减少" : u8"y′n减少"};
        for (int i = 0; i < 4; ++i) {
            if (TextButtonInPlot(pDC, R, T + kRowStep * (2 + i), 40, 20, Gbk(labels[i]),
                                 m_crCurveSetting)) {
                m_adSavedCoefF[i / 2] += i % 2 == 0 ? m_dParamStep : -m_dParamStep;
                m_bLoadScriptSettings = FALSE;
            }
        }
    }
    constexpr const char* displays[] = {u8"显示Ax=b", u8"显示LUx=b", u8"显示多项式", u8"样条积分值",
                                        u8"取消"};
    constexpr int displayValue[] = {kShowSystem, kShowFactors, kShowCubics, kShowIntegral, 0};
    for (int i = 0; i < 5; ++i)
        if (TextButtonInPlot(pDC, R, T + kRowStep * (6 + i), 40, 20, Gbk(displays[i]),
                             m_crCurveSetting))
            m_nDemoOption2 = displayValue[i];
    TextButtonInPlot(pDC, m_nPlotRight - 2 * m_nBaseCharHeight, T - 23, 60, 20,
                     Gbk(u8"三次样条插值"), m_crFirstDerivative);
    DrawInterpolationSourceButtons(pDC);
    // The count buttons stand in the data-source row here.
    if (TextButtonInPlot(pDC, L + 200, T, 40, 20, Gbk(u8"n增加"), m_crCurveSetting) &&
        m_nSavedCountN < kMaxNodeIndex)
        ++m_nSavedCountN, m_bLoadScriptSettings = FALSE;
    if (TextButtonInPlot(pDC, L + 240, T, 40, 20, Gbk(u8"n减少"), m_crCurveSetting) &&
        m_nSavedCountN > 1)
        --m_nSavedCountN, m_bLoadScriptSettings = FALSE;
    DrawLabelValue(pDC, m_dXMin + 0.1 * m_dXSpan, m_dYMin + 0.15 * m_dYSpan, "n=", 0, n,
                   m_crCurveSetting);
    if (solved && m_nDemoOption2 == kShowIntegral)
        DrawLabelValue(
            pDC, m_dXMin + 0.25 * m_dXSpan, m_dYMax - 0.1 * m_dYSpan, Gbk(u8"样条积分值:"), 6,
            numeric::IntegrateSpline(x, y, M, n, m_dIntervalA, m_dIntervalB), m_crCurveSetting);
    if (solved) {
        const bool second = c == numeric::kSplineSecondDerivatives;
        const double py = m_dYMin + 0.15 * m_dYSpan;
        DrawLabelValue(pDC, m_dXMin + 0.35 * m_dXSpan, py, Gbk(second ? u8"y″0=" : u8"y′0="), 3,
                       alpha, m_crCurveSetting);
        DrawLabelValue(pDC, m_dXMin + 0.7 * m_dXSpan, py, Gbk(second ? u8"y″n=" : u8"y′n="), 3,
                       beta, m_crCurveSetting);
    }
}
