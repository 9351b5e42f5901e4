// "LeastSquareMethod": fits y = a + bx, y = a·e^(bx) or y = a + bx + cx² to
// a built-in data set or the user's own points, by the normal equations or
// by hand with coefficient buttons, and shows the sum of squared residuals.
#include "calculus/button_column.h"
#include "view/view.h"

#include "calculus/math/least_squares.h"
#include "platform/text_codec.h"

#include <cmath>

namespace {

constexpr int kFirstArgLeastSquareMethod = 18;
constexpr int kMaxPoints = 24;
constexpr int kMinOwnPoints = 2;
// The catalogue forms that evaluate the models: a·x² + b·x + c and
// c·e^(a·x² + b·x).
constexpr int kFormQuadratic = 39;
constexpr int kFormExponential = 71;
constexpr double kFitVariant = 3.0;
constexpr double kHandVariant = 2.0;
constexpr double kLargestResidual = 1000000;
constexpr COLORREF kValueColour = 5; // a palette number

struct DataSet {
    int n;
    double x0, dx; // abscissas x0, x0 + dx, ...
    double y[10];
    double xMax, yMax;
};
constexpr DataSet kDataSets[] = {
    {10, 100, 10, {45, 51, 54, 61, 66, 70, 74, 78, 85, 89}, 200, 100},
    {10, 1, 1, {4, 7, 16, 25, 30, 38, 42, 45, 47, 49}, 12, 50},
    {8, 3, 3, {57.6, 41.9, 31.0, 22.7, 16.6, 12.2, 8.9, 6.5}, 40, 60},
};

const char* const kCaptions[] = {u8"拟合曲线:y=a+bx", u8"拟合曲线:y=ae^(bx)",
                                 u8"拟合曲线:y=a+bx+cx^2"};

} // namespace

void CPemroView::CmdLeastSquareMethod(CDC* pDC) {
    ReadPlotSetup(kFirstArgLeastSquareMethod);
    if (m_bFigureVisible) DrawLeastSquareMethod(pDC, m_nPlotOption1, m_nPlotOption2);
}

// The points of this pass into the data arrays; returns their count.
int CPemroView::LeastSquarePoints(int count) {
    if (count >= kMinOwnPoints) return count > kMaxPoints ? kMaxPoints : count;
    if (m_nDemoOption == 4) {
        if (m_nLsqPointCount < kMinOwnPoints) m_nLsqPointCount = kMinOwnPoints;
        if (m_nLsqPointCount > kMaxPoints) m_nLsqPointCount = kMaxPoints;
        return m_nLsqPointCount;
    }
    if (m_nDemoOption > 3 || m_nDemoOption == 0) m_nDemoOption = 1;
    m_dXMin = 0, m_dYMin = 0, m_nPlotMode = 0;
    if (m_nDemoOption < 0) return 8;
    const DataSet& set = kDataSets[m_nDemoOption - 1];
    for (int i = 0; i < set.n; ++i) {
        m_adDataX[i] = set.x0 + set.dx * i;
        m_adDataY[i] = set.y[i];
    }
    m_dXMax = set.xMax, m_dYMax = set.yMax;
    return set.n;
}

void CPemroView::DrawLeastSquareMethod(CDC* pDC, int model, int count) {
    if (model > 0) m_nDemoOption2 = model;
    if (!IsFigureBandVisible() || !IsGraphRedrawn()) return;
    const int N = LeastSquarePoints(count);
    if (m_dDemoVariant == kFitVariant) {
        const calculus::LeastSquaresFit fit =
            calculus::FitLeastSquares(m_adDataX, m_adDataY, N, m_nDemoOption2);
        // Too few distinct abscissas: the coefficients stay as they were.
        if (fit.ok) {
            m_adCoefSurfF[0] = m_nDemoOption2 == calculus::kModelQuadratic ? fit.c : 0.0;
            m_adCoefSurfF[1] = fit.b;
            m_adCoefSurfF[2] = fit.a;
        }
    }
    DrawFunctionGraph(pDC, 0, 0, 0.0, 0.001, "x", "y");
    LeastSquareButtons(pDC, model, count, N);

    for (int i = 0; i < 3; ++i) m_adCoefF[i] = m_adCoefSurfF[i];
    if (m_nDemoOption2 == calculus::kModelExponential) {
        m_nFuncLower = kFormExponential;
        m_adCoefF[2] = std::exp(m_adCoefSurfF[2]);
    } else {
        m_nFuncLower = kFormQuadratic;
    }
    double M = 0;
    for (int i = 0; i < N; ++i) {
        const double d = EvalF(m_adDataX[i], m_nFuncLower) - m_adDataY[i];
        M += d * d;
    }

    const double y = m_dYMin + 0.1 * m_dYSpan;
    DrawLabelNumber(pDC, 0, m_dXMin, y, "a=", 2, m_adCoefSurfF[2], kValueColour);
    DrawLabelNumber(pDC, 0, m_dXMin + 0.2 * m_dXSpan, y, "b=", 3, m_adCoefSurfF[1], kValueColour);
    if (m_nDemoOption2 == calculus::kModelQuadratic)
        DrawLabelNumber(pDC, 0, m_dXMin + 0.4 * m_dXSpan, y, "c=", 3, m_adCoefSurfF[0],
                        kValueColour);
    if (std::fabs(M) < kLargestResidual)
        DrawLabelNumber(pDC, 0, m_dXMin + 0.6 * m_dXSpan, y, "M=", 3, M, kValueColour);
    if (m_nDemoOption2 >= 1 && m_nDemoOption2 <= 3)
        DrawStringWorld(pDC, m_dXMin, m_dYMin + 0.2 * m_dYSpan, Gbk(kCaptions[m_nDemoOption2 - 1]),
                        m_crCurveSetting);
    PlotCurveByKind(pDC, m_nFuncLower, 0, m_dXMin, m_dXMax, m_crCurveSetting);
    for (int i = 0; i < N; ++i)
        DrawDotWorld(pDC, m_adDataX[i], m_adDataY[i], 3, 3, m_crSecondDerivative,
                     m_crSecondDerivative);
}

void CPemroView::LeastSquareButtons(CDC* pDC, int model, int count, int N) {
    const int L = m_nPlotLeft, T = m_nPlotTop;
    const int R = m_nPlotRight;
    // The data column's margin, in every choice alike.
    calculus::FrameMarginForColumn(
        *this, pDC, R - 20, {u8"自选", u8"数据1", u8"数据2", u8"数据3", u8"n增加", u8"n减少"});
    if (count < kMinOwnPoints) {
        if (TextButton(pDC, R - 20, T, Gbk(u8"自选"))) m_nDemoOption = 4;
        if (TextButton(pDC, R - 20, T + 24, Gbk(u8"数据1"))) m_nDemoOption = 1;
        if (TextButton(pDC, R - 20, T + 48, Gbk(u8"数据2"))) m_nDemoOption = 2;
        if (TextButton(pDC, R - 20, T + 72, Gbk(u8"数据3"))) m_nDemoOption = 3;
        if (m_nDemoOption == 4) {
            if (TextButton(pDC, R - 20, T + 96, Gbk(u8"n增加"))) ++m_nLsqPointCount;
            if (TextButton(pDC, R - 20, T + 120, Gbk(u8"n减少"))) --m_nLsqPointCount;
            DrawLabelValue(pDC, m_dXMax - 0.3 * m_dXSpan, m_dYMin + 0.4 * m_dYSpan, "n=", 0, N,
                           m_crCurveSetting);
        }
    }
    if (model < 1) {
        TextButton(pDC, L + 20, T, Gbk(u8"拟合曲线:"));
        if (TextButton(pDC, L + 110, T, "y=a+bx")) m_nDemoOption2 = 1;
        if (TextButton(pDC, L + 180, T, "y=ae^(bx)")) m_nDemoOption2 = 2;
        if (TextButton(pDC, L + 270, T, "y=a+bx+cx^2")) m_nDemoOption2 = 3;
    }
    if (TextButton(pDC, L + 20, T + 44, Gbk(u8"最小二乘法"))) m_dDemoVariant = kFitVariant;
    if (TextButton(pDC, L + 20, model >= 1 ? T + 21 : T + 22, Gbk(u8"找拟合曲线")))
        m_dDemoVariant = kHandVariant;
    if (m_dDemoVariant != kHandVariant) return;
    const double ratio = m_dYSpan / m_dXSpan;
    struct Step {
        const char* label;
        int dx, index;
        double step;
    };
    const Step steps[] = {
        {u8"a增", 115, 2, 0.2},   {u8"a减", 150, 2, -0.2},  {u8"b增", 185, 1, 0.05},
        {u8"b减", 220, 1, -0.05}, {u8"c增", 255, 0, 0.004}, {u8"c减", 290, 0, -0.004},
    };
    for (const Step& s : steps) {
        if (s.index == 0 && m_nDemoOption2 != calculus::kModelQuadratic) continue;
        if (TextButton(pDC, L + s.dx, T + 22, Gbk(s.label)))
            m_adCoefSurfF[s.index] += s.step * ratio;
    }
}
