// The two kernels of the statistics pages: the distribution function or
// quantile of the selected density, and the density drawn across the
// figure with a region filled beneath it.
#include "catalog/catalog_params.h"
#include "stats/math/distributions.h"
#include "view/view.h"

#include <cmath>

namespace {

constexpr double kNotADensity = -100.0;
// The filled density is sampled this often per pixel column, at most
// kMaxDensitySteps times across the figure: the vertical lines then cover
// the region solid without a pass spending its time on invisible detail.
constexpr int kDensityStepsPerPixel = 2;
constexpr int kMaxDensitySteps = 10000;
constexpr int kMinDensitySteps = 100;

} // namespace

double CPemroView::EvalDensity(double x, int k) const {
    // Catalogue A's own entry, without the periodic extension and the
    // combination of the function menu.
    const catalog::ExplicitCoefs cf =
        catalog::CoefsOf(m_adCoefF, m_adCoefFExtra[0], m_adCoefFExtra[1], m_adCoefFExtra[2],
                         m_dAlphaF, m_dBetaF, m_dBreakF0, m_dBreakF1);
    return catalog::EvalExplicit(catalog::ExplicitCatalogue::A, x, k, cf, catalog::Extension(),
                                 catalog::DensitiesOf(*this));
}

double CPemroView::EvalDensityTransformed(double x, int k, double s, double m, int mode) const {
    if (mode == 0) return s == 0 ? 0.0 : EvalDensity((x - m) / s, k) / s;
    if (mode == 1) return x <= 0 ? 0.0 : EvalDensity(s / x, k) * s / (x * x);
    return 0.0;
}

BOOL CPemroView::IsStatsFigurePass() const {
    return m_bFullRepaint || HitTestGraphRegion(2) || IsClickOnGraphControls();
}

BOOL CPemroView::IsStatsFigureShown() const {
    if (m_bPrintMode)
        return m_nClickedFigureRecord >= 0 && m_nRecordIndex == m_nClickedFigureRecord;
    return HitTestGraphRegion(0);
}

double CPemroView::StatsX(double a) const {
    return m_dXMin + a * m_dXSpan;
}

double CPemroView::StatsY(double b) const {
    return m_dYMax - b * m_dYSpan;
}

double CPemroView::ComputeCdfOrQuantile(int mode, double x) {
    if ((mode != 0 && mode != 1) || !stats::IsDensityEntry(m_nFuncF)) return kNotADensity;
    stats::DensityParams dp;
    dp.a = m_adCoefF[0];
    dp.b = m_adCoefF[1];
    dp.lambda = m_dLambda;
    dp.mu = m_dMu;
    dp.sigma = m_dSigma;
    dp.n = m_nCountN;
    dp.m = m_nCountM;
    dp.gammaAlpha = m_dGammaAlpha;
    dp.gammaBeta = m_dGammaBeta;
    return mode == 0 ? stats::Cdf(m_nFuncF, x, dp) : stats::Quantile(m_nFuncF, x, dp);
}

void CPemroView::SelectPivotDensity(int entry, int df1, int df2) {
    m_nFuncF = entry;
    if (entry == stats::kNormal) {
        m_dMu = 0;
        m_dSigma = 1;
    } else {
        m_nCountN = df1;
        m_nCountM = df2;
    }
}

void CPemroView::DrawDensityWithRegion(CDC* pDC, int k, double x1, double x2, COLORREF colour,
                                       double s, double m, int mode) {
    if (!IsStatsFigurePass()) return;
    int steps = kDensityStepsPerPixel * m_nPlotWidth;
    if (steps > kMaxDensitySteps) steps = kMaxDensitySteps;
    if (steps < kMinDensitySteps) steps = kMinDensitySteps;
    const double d = m_dXSpan / steps;
    if (!(d > 0) || !std::isfinite(d) || !std::isfinite(m_dXMin)) return;

    // Nothing shows right of the figure, so no phase walks past it. The
    // steps are counted before the walk and each abscissa is taken from its
    // index: far from 0 a step below half an ulp would not move x.
    const double end = m_dXMax + d;
    const double regionStart = std::isnan(x1) ? m_dXMin : (x1 < end ? x1 : end);
    const double regionEnd = std::isnan(x2) ? regionStart : (x2 < end ? x2 : end);
    const int last = steps + 1;
    int i = 0;
    double x = m_dXMin;
    double px = x, py = EvalDensityTransformed(x, k, s, m, mode);
    auto step = [&](bool fill) {
        const double y = EvalDensityTransformed(x, k, s, m, mode);
        // Drawn downward: a one-pixel stroke, and the columns lie closer
        // than a pixel, so the region is covered solid.
        if (fill) DrawLineWorld(pDC, x, y, x, 0, m_crDefaultPen);
        DrawLineWorld(pDC, px, py, x, y, colour);
        px = x, py = y;
        x = m_dXMin + ++i * d;
    };
    do step(false);
    while (x < regionStart && i < last);
    do step(true);
    while (x < regionEnd && i < last);
    do step(false);
    while (x < m_dXMax && i < last);
}
