// The interval-estimation page: a confidence interval of level 1 - α for a
// mean, a variance, a difference of means or a ratio of variances, drawn as
// the estimator's density with the interval filled, with the quantiles and
// bounds written as small formulas.
#include "calculus/button_column.h"
#include "stats/math/distributions.h"
#include "stats/math/inference.h"
#include "stats/stats_labels.h"

#include <algorithm>
#include <cmath>

using stats_page::Label;
using stats_page::Small;
using stats_page::SmallIn;

namespace {

constexpr double kMinAlpha = 0.0001;
constexpr double kMaxAlpha = 0.25;
constexpr int kDotRadius = 3;
// The share of the plot's height the data dots rise through, from its foot.
constexpr double kDataDotBand = 0.7;

} // namespace

void CPemroView::DrawRegionEstimate(CDC* pDC, int kind) {
    const int x = m_nPlotRight - 20, top = m_nPlotTop;
    // The column straddles the plot's right edge; the frame widens to hold it.
    calculus::FrameMarginForColumn(
        *this, pDC, x, {u8"σ已知", u8"σ未知", u8"μ已知", u8"μ未知", u8"α增加", u8"α减少"});
    const auto button = [&](int dy, const char* utf8) {
        if (!TextButtonInPlot(pDC, x, top + dy, 44, 20, Gbk(utf8), m_crCurveSetting)) return false;
        m_bLoadScriptSettings = 0;
        return true;
    };
    if (kind == 0) {
        if (button(0, u8"σ已知")) m_bSavedShowVariance = 1;
        if (button(24, u8"σ未知")) m_bSavedShowVariance = 0;
    } else if (kind == 1) {
        if (button(0, u8"μ已知")) m_bSavedShowMean = 1;
        if (button(24, u8"μ未知")) m_bSavedShowMean = 0;
    }
    if (button(48, u8"α增加")) m_dSavedSignificance += m_dParamStep;
    if (button(72, u8"α减少")) m_dSavedSignificance -= m_dParamStep;
    if (!(m_dSavedSignificance >= kMinAlpha)) m_dSavedSignificance = kMinAlpha;
    if (m_dSavedSignificance > kMaxAlpha) m_dSavedSignificance = kMaxAlpha;
    SaveRestoreDisplaySettings(0);
    if (!IsStatsFigureShown()) return;

    // The density fields are borrowed for the pivots and given back.
    const double mu = m_dMu, sigma = m_dSigma;
    const int entryN = m_nCountN, entryM = m_nCountM;
    int n = m_nCountN, m = m_nCountM;
    stats::ClampSampleCounts(&n, &m, kDataSize);
    if (m == 0)
        DrawIntervalOneSample(pDC, kind, n, mu, sigma);
    else
        DrawIntervalTwoSamples(pDC, kind, n, m, mu, sigma);
    m_dMu = mu, m_dSigma = sigma;
    m_nCountN = entryN, m_nCountM = entryM;
}

void CPemroView::DrawIntervalOneSample(CDC* pDC, int kind, int n, double mu, double sigma) {
    const double alpha = m_dSignificance;
    const stats::IntervalEstimate r = stats::EstimateInterval(
        kind, m_bShowVariance, m_bShowMean, m_adDataX, n, m_adDataY, 0, mu, sigma, alpha);
    if (r.pivot.entry) {
        SelectPivotDensity(r.pivot.entry, r.pivot.df1, r.pivot.df2);
        DrawDensityWithRegion(pDC, m_nFuncF, r.lower, r.upper, m_crCurveSetting, r.scale,
                              r.location, r.mode);
    }
    CPemroView& v = *this;
    if (kind == 0) {
        if (r.pivot.entry == stats::kStudentT) {
            Label(v, pDC, StatsX(0.25), StatsY(0), u8"t    (", 0, n - 1);
            Small(v, pDC, StatsX(0.25), StatsY(0.05), u8"  ", 3, alpha / 2);
            Label(v, pDC, StatsX(0.25), StatsY(0), u8"        )=", 3, r.q2,
                  stats_page::Cells(u8"t    (", 0, n - 1));
            // S itself; the interval's half-width is t·S/√n.
            Label(v, pDC, StatsX(0.65), StatsY(0), u8"S=", 3, r.spread * std::sqrt(double(n)));
        } else if (r.pivot.entry == stats::kNormal) {
            Label(v, pDC, StatsX(0.25), StatsY(0), u8"u     =", 3, r.q2);
            Small(v, pDC, StatsX(0.25), StatsY(0.05), u8"  ", 3, alpha / 2);
            Label(v, pDC, StatsX(0.65), StatsY(0), u8"σ=", 3, sigma);
        }
        const double xbar = stats::Mean(m_adDataX, n);
        // Half a step up: a dot on the plot's foot would not be drawn, and
        // the first datum would be lost. The dots keep to the lower part of
        // the plot: the read-outs above would hide the last of them.
        const double rise = kDataDotBand * m_dYSpan / n;
        for (int i = 0; i < n; ++i)
            DrawDotWorld(pDC, m_adDataX[i], m_dYMin + (i + 0.5) * rise, kDotRadius, kDotRadius,
                         m_crDefaultFill, m_crDefaultFill);
        DrawLineWorld(pDC, xbar, m_dYMin, xbar, m_dYMax, m_crCurveSetting);
        // The bar over x after its label, whose box would hide it.
        Label(v, pDC, StatsX(0.67), StatsY(0.1), u8"x=", 3, xbar);
        Small(v, pDC, StatsX(0.67), StatsY(0.07), "-", -1, 0);
        if (r.pivot.entry) {
            Label(v, pDC, StatsX(0.25), StatsY(0.1), u8"μ =", 3, r.lower);
            Small(v, pDC, StatsX(0.25), StatsY(0.15), u8"   ", 0, 1);
            Label(v, pDC, StatsX(0.25), StatsY(0.2), u8"μ =", 3, r.upper);
            Small(v, pDC, StatsX(0.25), StatsY(0.25), u8"   ", 0, 2);
        }
    } else if (kind == 1) {
        const int df = r.pivot.df1;
        // Each square after its letter, so that the letter's box leaves it whole.
        Label(v, pDC, StatsX(0.15), StatsY(0.01), u8"χ    (", 0, df);
        Small(v, pDC, StatsX(0.15), StatsY(0), u8"   ", 0, 2);
        const int closing = stats_page::Cells(u8"χ    (", 0, df);
        // Upper-α indices, as t and u are written: Q(α/2) is χ²₁₋α/₂.
        Label(v, pDC, StatsX(0.15), StatsY(0.01), u8"         )=", 3, r.q1, closing);
        Small(v, pDC, StatsX(0.15), StatsY(0.06), u8"   ", 3, 1 - alpha / 2);
        Label(v, pDC, StatsX(0.55), StatsY(0.01), u8"χ    (", 0, df);
        Small(v, pDC, StatsX(0.55), StatsY(0), u8"   ", 0, 2);
        // Closed as the lower quantile is: a second χ at the same point would
        // cover the degrees of freedom with its box.
        Label(v, pDC, StatsX(0.55), StatsY(0.01), u8"         )=", 3, r.q2, closing);
        Small(v, pDC, StatsX(0.55), StatsY(0.06), u8"   ", 3, alpha / 2);
        Label(v, pDC, StatsX(0.67), StatsY(0.1), u8"S =", 3, r.spread / (n - 1));
        SmallIn(v, pDC, StatsX(0.67), u8"S =", StatsX(0.67), StatsY(0.1), u8"  ", 0, 2);
        // The bounds of σ², σ₁² and σ₂².
        Label(v, pDC, StatsX(0.25), StatsY(0.1), u8"σ =", 3, r.lower);
        SmallIn(v, pDC, StatsX(0.25), u8"σ =", StatsX(0.25), StatsY(0.1), u8"   ", 0, 2);
        Small(v, pDC, StatsX(0.25), StatsY(0.15), u8"   ", 0, 1);
        Label(v, pDC, StatsX(0.25), StatsY(0.2), u8"σ =", 3, r.upper);
        SmallIn(v, pDC, StatsX(0.25), u8"σ =", StatsX(0.25), StatsY(0.2), u8"   ", 0, 2);
        Small(v, pDC, StatsX(0.25), StatsY(0.25), u8"   ", 0, 2);
    }
    Label(v, pDC, StatsX(0.67), StatsY(0.2), u8"n=", 0, n);
}

void CPemroView::DrawIntervalTwoSamples(CDC* pDC, int kind, int n, int m, double mu, double sigma) {
    const double alpha = m_dSignificance;
    const stats::IntervalEstimate r = stats::EstimateInterval(
        kind, m_bShowVariance, m_bShowMean, m_adDataX, n, m_adDataY, m, mu, sigma, alpha);
    if (!r.pivot.entry) return;
    SelectPivotDensity(r.pivot.entry, r.pivot.df1, r.pivot.df2);
    DrawDensityWithRegion(pDC, m_nFuncF, r.lower, r.upper, m_crCurveSetting, r.scale, r.location,
                          r.mode);
    CPemroView& v = *this;
    if (kind == 0) {
        if (r.pivot.entry == stats::kStudentT) {
            Label(v, pDC, StatsX(0.35), StatsY(0), u8"t    (", 0, n + m - 2);
            Small(v, pDC, StatsX(0.35), StatsY(0.04), u8"  ", 3, alpha / 2);
            Label(v, pDC, StatsX(0.35), StatsY(0), u8"        )=", 3, r.q2,
                  stats_page::Cells(u8"t    (", 0, n + m - 2));
        } else {
            Label(v, pDC, StatsX(0.35), StatsY(0), u8"u     =", 3, r.q2);
            Small(v, pDC, StatsX(0.35), StatsY(0.04), u8"  ", 3, alpha / 2);
            Label(v, pDC, StatsX(0.65), StatsY(0), u8"σ=", 3, r.spread);
        }
        Label(v, pDC, StatsX(0.35), StatsY(0.1), u8"μ -μ :[", 3, r.lower);
        Small(v, pDC, StatsX(0.35), StatsY(0.14), u8"   ", 0, 1);
        Small(v, pDC, StatsX(0.35), StatsY(0.14), u8"         ", 0, 2);
        Label(v, pDC, StatsX(0.35), StatsY(0.1), u8"                 ", 3, r.upper,
              stats_page::Cells(u8"μ -μ :[", 3, r.lower));
        DrawStringWorld(pDC, StatsX(0.35), StatsY(0.1), Gbk(u8"                       ]"),
                        m_crCurveSetting);
    } else {
        const auto quantile = [&](double a, double sub, double value) {
            Label(v, pDC, StatsX(a), StatsY(0), u8"F    (", 0, n - 1);
            Small(v, pDC, StatsX(a), StatsY(0.04), u8"  ", 3, sub);
            const int comma = std::max(9, stats_page::Cells(u8"F    (", 0, n - 1));
            Label(v, pDC, StatsX(a), StatsY(0), u8"         ,", 0, m - 1, comma);
            Label(v, pDC, StatsX(a), StatsY(0), u8"            )=", 3, value,
                  comma + stats_page::Cells(u8",", 0, m - 1));
        };
        // Upper-α indices, as t and u are written: Q(α/2) is F₁₋α/₂.
        quantile(0.15, 1 - alpha / 2, r.q1);
        quantile(0.55, alpha / 2, r.q2);
        Label(v, pDC, StatsX(0.35), StatsY(0.1), u8"σ /σ :[", 3, r.lower);
        Small(v, pDC, StatsX(0.35), StatsY(0.08), u8"   ", 0, 2);
        Small(v, pDC, StatsX(0.35), StatsY(0.08), u8"         ", 0, 2);
        Small(v, pDC, StatsX(0.35), StatsY(0.14), u8"   ", 0, 1);
        Small(v, pDC, StatsX(0.35), StatsY(0.14), u8"         ", 0, 2);
        Label(v, pDC, StatsX(0.35), StatsY(0.1), u8"              ,", 3, r.upper,
              stats_page::Cells(u8"σ /σ :[", 3, r.lower));
        DrawStringWorld(pDC, StatsX(0.35), StatsY(0.1), Gbk(u8"                     ]"),
                        m_crCurveSetting);
    }
}
