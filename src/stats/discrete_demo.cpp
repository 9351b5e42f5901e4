// The discrete distributions page: 0-1 and binomial, Poisson and
// hypergeometric probabilities as dots over k = 0, 1, 2, ..., with their
// expectation and variance and buttons for each parameter.
#include "calculus/button_column.h"
#include "platform/text_codec.h"
#include "stats/math/discrete.h"
#include "view/view.h"

#include <climits>
#include <cmath>

namespace {

constexpr int kDotRadius = 3;
// Counts the buttons reach: every paint draws one dot per outcome, and the
// ranges of the figure follow the counts.
constexpr int kMaxCount = 1000;
constexpr double kMinLambda = 0.01;
constexpr double kPoissonMinXMax = 5;
constexpr double kPoissonXMaxFloor = 6;

struct Texts {
    CString mean = Gbk(u8"期望");
    CString variance = Gbk(u8"方差");
    CString nUp = Gbk(u8"n增"), nDown = Gbk(u8"n减");
    CString pUp = Gbk(u8"p增"), pDown = Gbk(u8"p减");
    CString lambdaUp = Gbk(u8"λ增"), lambdaDown = Gbk(u8"λ减");
    CString bigNUp = Gbk(u8"N增"), bigNDown = Gbk(u8"N减");
    CString mUp = Gbk(u8"M增"), mDown = Gbk(u8"M减");
    CString bernoulli = Gbk(u8"0-1分布");
    CString binomial = Gbk(u8"二项分布");
    CString poisson = Gbk(u8"普哇松分布");
    CString hypergeometric = Gbk(u8"超几何分布");
    CString p = Gbk(u8"p="), lambda = Gbk(u8"λ="), n = Gbk(u8"n="), bigN = Gbk(u8"N="),
            m = Gbk(u8"M=");
    CString binomialMean = Gbk(u8"期望=np="), binomialVariance = Gbk(u8"方差=npq=");
    CString poissonMean = Gbk(u8"期望=λ="), poissonVariance = Gbk(u8"方差=λ=");
    CString hyperMean = Gbk(u8"期望=nM/N=");
    CString hyperVariance = Gbk(u8"方差=nm(N-n)(N-M)/((N-1)N^2)=  ");
};

const Texts& T() {
    static const Texts texts;
    return texts;
}

int ClampCount(int v, int lo) {
    return v < lo ? lo : (v > kMaxCount ? kMaxCount : v);
}

// A count button's step; a script's count may stand at either end of the
// int range until the clamps below take it in.
int StepCount(int v, int d) {
    const long long moved = static_cast<long long>(v) + d;
    return moved > INT_MAX ? INT_MAX : moved < INT_MIN ? INT_MIN : static_cast<int>(moved);
}

} // namespace

void CPemroView::DrawDisDistribution(CDC* pDC, int kind) {
    SaveRestoreDisplaySettings(m_bLoadScriptSettings);
    const int x = m_nPlotRight - 10;
    // The column straddles the plot's right edge; the frame widens to hold it.
    calculus::FrameMarginForColumn(
        *this, pDC, x, {u8"期望", u8"方差", u8"n增", u8"p增", u8"λ增", u8"N增", u8"M增"});
    if (TextButton(pDC, x, m_nPlotTop, T().mean)) {
        m_bSavedShowMean = 1;
        m_bLoadScriptSettings = 0;
    }
    if (TextButton(pDC, x, m_nPlotTop + 22, T().variance)) {
        m_bSavedShowVariance = 1;
        m_bLoadScriptSettings = 0;
    }
    if (!IsStatsFigurePass()) return;
    // The integer step of the count buttons.
    const double tenSteps = 10 * m_dParamStep;
    const int step = !(tenSteps > 1) ? 1 : tenSteps > kMaxCount ? kMaxCount : int(tenSteps);
    switch (kind) {
    case 0:
        DrawDiscreteBinomial(pDC, step);
        break;
    case 1:
        DrawDiscretePoisson(pDC);
        break;
    case 2:
        DrawDiscreteHypergeometric(pDC, step);
        break;
    default:
        break;
    }
}

void CPemroView::DrawDiscreteBinomial(CDC* pDC, int step) {
    const int x = m_nPlotRight - 10;
    const int liveN = ClampCount(m_nCountN, 1);
    // Each hit changes a saved copy; the script's values stop ruling.
    const auto hit = [&](int dy, const CString& label) {
        if (!TextButton(pDC, x, m_nPlotTop + dy, label)) return false;
        m_bLoadScriptSettings = 0;
        return true;
    };
    if (hit(44, T().nUp)) m_nSavedCountN = StepCount(m_nSavedCountN, step);
    if (hit(66, T().nDown)) m_nSavedCountN = StepCount(m_nSavedCountN, -step);
    if (hit(88, T().pUp)) m_dSavedProbP += m_dParamStep;
    if (hit(110, T().pDown)) m_dSavedProbP -= m_dParamStep;
    if (!(m_dSavedProbP >= 0)) m_dSavedProbP = 0;
    if (m_dSavedProbP > 1) m_dSavedProbP = 1;
    m_nSavedCountN = ClampCount(m_nSavedCountN, 1);
    // The range follows the count this paint started with; a changed count
    // shows its range at the next pass.
    const bool square = liveN == 1;
    m_adSavedWorldRange[0] = square ? -0.2 : -1;
    m_adSavedWorldRange[1] = square ? 1.4 : liveN + 1.0;
    m_adSavedWorldRange[2] = -0.2;
    m_adSavedWorldRange[3] = square ? 1.4 : 0.8;
    SaveRestoreDisplaySettings(0);

    const int n = m_nCountN;
    const double p = m_dProbP;
    DrawString(pDC, m_nPlotLeft + m_nPlotWidth / 3, m_nPlotTop + m_nPlotHeight / 4,
               n == 1 ? T().bernoulli : T().binomial, m_crCurveSetting);
    DrawFunctionGraph(pDC, 1, 0, 1.0, 1.0, CString("n"), CString("p"));
    for (int k = 0; k <= n; ++k)
        DrawDotWorld(pDC, k, stats::BinomialProbability(n, p, k), kDotRadius, kDotRadius,
                     m_crDefaultPen, m_crDefaultPen);
    const double y = m_dYMin + 0.1 * m_dYSpan;
    DrawLabelValue(pDC, m_dXMin + 0.25 * m_dXSpan, y, T().p, 3, p, m_crCurveSetting);
    DrawLabelValue(pDC, m_dXMin + 0.6 * m_dXSpan, y, T().n, 0, n, m_crCurveSetting);
    if (m_bShowMean) {
        DrawLabelValue(pDC, StatsX(0.3), m_dYMax, T().binomialMean, 2, n * p, m_crCurveSetting);
        DrawDotWorld(pDC, n * p, 0, kDotRadius, kDotRadius, m_crCurveSetting, m_crFirstDerivative);
    }
    if (m_bShowVariance)
        DrawLabelValue(pDC, StatsX(0.3), StatsY(0.1), T().binomialVariance, 2, n * p * (1 - p),
                       m_crCurveSetting);
}

void CPemroView::DrawDiscretePoisson(CDC* pDC) {
    const int x = m_nPlotRight - 10;
    if (TextButton(pDC, x, m_nPlotTop + 44, T().lambdaUp)) {
        m_dSavedLambda += m_dParamStep;
        m_bLoadScriptSettings = 0;
    }
    if (TextButton(pDC, x, m_nPlotTop + 66, T().lambdaDown)) {
        m_dSavedLambda -= m_dParamStep;
        m_bLoadScriptSettings = 0;
    }
    double& xMax = m_adSavedWorldRange[1];
    if (!(xMax >= kPoissonMinXMax)) xMax = kPoissonXMaxFloor;
    if (xMax > kMaxCount + 1) xMax = kMaxCount + 1;
    if (!(m_dSavedLambda >= kMinLambda)) m_dSavedLambda = kMinLambda;
    m_adSavedWorldRange[0] = -1;
    m_nSavedCountN = int(xMax) - 1;
    m_adSavedWorldRange[2] = -0.2;
    m_adSavedWorldRange[3] = 0.8;
    SaveRestoreDisplaySettings(0);

    const double lambda = m_dLambda;
    DrawString(pDC, m_nPlotLeft + m_nPlotWidth / 3, m_nPlotTop + m_nPlotHeight / 4, T().poisson,
               m_crCurveSetting);
    DrawFunctionGraph(pDC, 1, 0, 1.0, 1.0, CString("n"), CString("p"));
    for (int k = 0; k <= m_nCountN; ++k)
        DrawDotWorld(pDC, k, stats::PoissonProbability(lambda, k), kDotRadius, kDotRadius,
                     m_crDefaultPen, m_crDefaultPen);
    DrawLabelValue(pDC, StatsX(0.25), m_dYMin + 0.1 * m_dYSpan, T().lambda, 3, lambda,
                   m_crCurveSetting);
    if (m_bShowMean) {
        DrawLabelValue(pDC, StatsX(0.3), m_dYMax, T().poissonMean, 2, lambda, m_crCurveSetting);
        DrawDotWorld(pDC, lambda, 0, kDotRadius, kDotRadius, m_crCurveSetting, m_crFirstDerivative);
    }
    if (m_bShowVariance)
        DrawLabelValue(pDC, StatsX(0.3), StatsY(0.1), T().poissonVariance, 2, lambda,
                       m_crCurveSetting);
}

void CPemroView::DrawDiscreteHypergeometric(CDC* pDC, int step) {
    const int x = m_nPlotRight - 10;
    const auto hit = [&](int dy, const CString& label) {
        if (!TextButton(pDC, x, m_nPlotTop + dy, label)) return false;
        m_bLoadScriptSettings = 0;
        return true;
    };
    if (hit(44, T().nUp)) m_nSavedCountN = StepCount(m_nSavedCountN, step);
    if (hit(66, T().nDown)) m_nSavedCountN = StepCount(m_nSavedCountN, -step);
    if (hit(88, T().bigNUp)) m_nSavedPopulationN = StepCount(m_nSavedPopulationN, step);
    if (hit(110, T().bigNDown)) m_nSavedPopulationN = StepCount(m_nSavedPopulationN, -step);
    if (hit(132, T().mUp)) m_nSavedMarkedM = StepCount(m_nSavedMarkedM, step);
    if (hit(152, T().mDown)) m_nSavedMarkedM = StepCount(m_nSavedMarkedM, -step);
    // The range is taken before the clamps.
    m_nSavedCountN = ClampCount(m_nSavedCountN, -kMaxCount);
    m_adSavedWorldRange[0] = -1;
    m_adSavedWorldRange[1] = m_nSavedCountN + 1.0;
    m_adSavedWorldRange[2] = -0.2;
    m_adSavedWorldRange[3] = 0.8;
    m_nSavedPopulationN = ClampCount(m_nSavedPopulationN, 1);
    if (m_nSavedMarkedM > m_nSavedPopulationN) m_nSavedMarkedM = m_nSavedPopulationN;
    if (m_nSavedMarkedM < 1) m_nSavedMarkedM = 1;
    if (m_nSavedCountN > m_nSavedMarkedM) m_nSavedCountN = m_nSavedMarkedM;
    if (m_nSavedCountN < 1) m_nSavedCountN = 1;
    SaveRestoreDisplaySettings(0);

    const int n = m_nCountN, bigN = m_nPopulationN, marked = m_nMarkedM;
    DrawString(pDC, m_nPlotLeft + m_nPlotWidth / 3, m_nPlotTop + m_nPlotHeight / 4,
               T().hypergeometric, m_crCurveSetting);
    DrawFunctionGraph(pDC, 1, 0, 1.0, 1.0, CString("n"), CString("p"));
    const int last = n < marked ? n : marked;
    for (int k = 0; k <= last; ++k)
        DrawDotWorld(pDC, k, stats::HypergeometricProbability(bigN, marked, n, k), kDotRadius,
                     kDotRadius, m_crDefaultPen, m_crDefaultPen);
    const double y = m_dYMin + 0.1 * m_dYSpan;
    DrawLabelValue(pDC, StatsX(0.15), y, T().n, 0, n, m_crCurveSetting);
    DrawLabelValue(pDC, StatsX(0.4), y, T().bigN, 0, bigN, m_crCurveSetting);
    DrawLabelValue(pDC, StatsX(0.65), y, T().m, 0, marked, m_crCurveSetting);
    if (m_bShowMean) {
        const double mean = double(n) * marked / bigN;
        DrawLabelValue(pDC, StatsX(0.3), m_dYMax, T().hyperMean, 2, mean, m_crCurveSetting);
        DrawDotWorld(pDC, mean, 0, kDotRadius, kDotRadius, m_crCurveSetting, m_crFirstDerivative);
    }
    if (m_bShowVariance) {
        // One item in the population: the draw is certain.
        const double variance = bigN > 1 ? double(n) * marked * (bigN - n) * (bigN - marked) /
                                               (bigN - 1.0) / bigN / bigN
                                         : 0.0;
        DrawLabelValue(pDC, StatsX(0.3), StatsY(0.1), T().hyperVariance, 2, variance,
                       m_crCurveSetting);
    }
}
