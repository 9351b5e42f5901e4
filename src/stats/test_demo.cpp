// The hypothesis-test page: u, t, χ² and F tests on one or two samples, with
// the statistic's density under the null hypothesis, the acceptance region
// filled, the critical values, the statistic marked and the verdict.
#include "calculus/button_column.h"
#include "stats/math/distributions.h"
#include "stats/math/inference.h"
#include "stats/stats_labels.h"

#include <algorithm>
#include <cmath>

using stats_page::Beside;
using stats_page::Label;
using stats_page::Pair;

namespace {

constexpr double kMaxAlpha = 0.5;
// Steps summed in floating point miss 0 by rounding (0.5 less five steps of
// 0.1 leaves 2.8e-17): α that small counts as 0, whose quantiles are none.
constexpr double kAlphaZero = 1e-12;

} // namespace

void CPemroView::DrawAssumeVerify(CDC* pDC, int kind) {
    const int x = m_nPlotRight - 20, top = m_nPlotTop;
    // The column straddles the plot's right edge; the frame widens to hold it.
    calculus::FrameMarginForColumn(*this, pDC, x,
                                   {u8"u检验", u8"t检验", u8"χ 检验", u8"F检验", u8"α增加",
                                    u8"α减少", u8"双侧", u8"左侧", u8"右侧"});
    const auto button = [&](int dy, const char* utf8) {
        if (!TextButtonInPlot(pDC, x, top + dy, 44, 20, Gbk(utf8), m_crCurveSetting)) return false;
        m_bLoadScriptSettings = 0;
        return true;
    };
    if (kind == 0) {
        if (button(0, u8"u检验")) m_bSavedShowVariance = 1;
        if (button(24, u8"t检验")) m_bSavedShowVariance = 0;
    } else if (kind == 1) {
        // The χ² test: the label leaves a blank after χ for its square.
        if (button(0, u8"χ 检验")) m_bSavedShowMean = 1;
        if (button(24, u8"F检验")) m_bSavedShowMean = 0;
        int squareX = x + 1;
        if (pDC) {
            CFontSelect font(pDC, PlainStringFont(TRUE, 0));
            squareX += pDC->GetTextExtent(Gbk(u8"χ")).cx;
        }
        DrawStringHalf(pDC, squareX, m_nPlotTop, CString("2"), m_crCurveSetting);
    }
    if (button(48, u8"α增加")) {
        m_dSavedSignificance += m_dParamStep;
        if (m_dSavedSignificance > kMaxAlpha) m_dSavedSignificance = kMaxAlpha;
    }
    if (button(72, u8"α减少")) {
        m_dSavedSignificance -= m_dParamStep;
        if (m_dSavedSignificance <= kAlphaZero) m_dSavedSignificance = m_dParamStep;
    }
    if (button(96, u8"双侧")) m_bSavedQuantileMode = stats::kTwoSided;
    if (button(120, u8"左侧")) m_bSavedQuantileMode = stats::kLeftOpen;
    if (button(144, u8"右侧")) m_bSavedQuantileMode = stats::kRightOpen;
    SaveRestoreDisplaySettings(0);

    int n = m_nCountN, m = m_nCountM;
    stats::ClampSampleCounts(&n, &m, kDataSize);
    if (IsStatsFigurePass()) {
        const double mu = m_dMu, sigma = m_dSigma;
        DrawTestReadouts(pDC, kind, n, m, m_dSignificance, m_bQuantileMode);
        m_dMu = mu, m_dSigma = sigma;
    }
    m_nCountN = n, m_nCountM = m;
}

void CPemroView::DrawTestReadouts(CDC* pDC, int kind, int n, int m, double alpha, int side) {
    CPemroView& v = *this;
    const double xbar = stats::Mean(m_adDataX, n);
    if (m == 0) {
        Pair(v, pDC, StatsX(0.7), StatsY(0.1), u8"x=", 3, xbar, u8"―", -1, 0, 0, 0.1);
        Label(v, pDC, StatsX(0.7), StatsY(0.2), u8"n=", 0, n);
    } else {
        Pair(v, pDC, StatsX(0.7), StatsY(0), u8"x=", 3, xbar, u8"―", -1, 0, 0, 0.1);
        Pair(v, pDC, StatsX(0.7), StatsY(0.1), u8"y=", 3, stats::Mean(m_adDataY, m), u8"―", -1, 0,
             0, 0.1);
        Label(v, pDC, StatsX(0.7), StatsY(0.2), u8"n=", 0, n);
        Label(v, pDC, StatsX(0.83), StatsY(0.2), u8"m=", 0, m);
    }
    if (side != stats::kLeftOpen && side != stats::kRightOpen) side = stats::kTwoSided;
    const double sigma = m_dSigma;
    const stats::TestOutcome t = stats::RunTest(kind, m_bShowVariance, m_bShowMean, m_adDataX, n,
                                                m_adDataY, m, m_dMu, sigma, alpha, side);
    if (!t.pivot.entry) return;
    SelectPivotDensity(t.pivot.entry, t.pivot.df1, t.pivot.df2);
    if (!t.valid) return;

    // The open side of a region ends at the figure's edge (0 for χ² and F).
    const bool positive = t.pivot.entry == stats::kChiSquare || t.pivot.entry == stats::kFisherF;
    const double lo = std::isfinite(t.lo) ? t.lo : (positive ? 0.0 : m_dXMin);
    const double hi = std::isfinite(t.hi) ? t.hi : m_dXMax;
    DrawDensityWithRegion(pDC, m_nFuncF, lo, hi, m_crCurveSetting, 1, 0, 0);
    const double T = t.statistic;
    if (std::isfinite(T)) DrawLineWorld(pDC, T, 0, T, EvalDensity(T, m_nFuncF), m_crCurveSetting);

    // Where the statistic is written: at T, or at 0 when it is rejected
    // (u, t, F), always inside the figure.
    // On the x axis, or at the plot's foot when a range step moved the axis
    // below it (not over the axis's numbers).
    const double foot =
        std::min(std::max(0.0, m_dYMin + LabelValueRowHeight(pDC)), std::max(0.0, m_dYMax));
    const auto at = [&](bool always) {
        double x = always || t.accepted ? T : 0.0;
        const double right = m_dXMax - 0.15 * m_dXSpan;
        if (!(x <= right)) x = right;
        if (!(x >= m_dXMin)) x = m_dXMin;
        return x;
    };
    const double a = side == stats::kTwoSided ? alpha / 2 : alpha;
    const bool two = side == stats::kTwoSided, left = side == stats::kLeftOpen;
    if (kind == 0) {
        const bool u = t.pivot.entry == stats::kNormal;
        const double q = t.q;
        if (m == 0) {
            if (two) {
                Label(v, pDC, StatsX(0.15), StatsY(0.1), u ? u8"接受域u:下限 " : u8"接受域t:下限 ",
                      3, -q);
                Label(v, pDC, StatsX(0.15), StatsY(0.2), u8"        上限 ", 3, q);
            } else if (left) {
                Label(v, pDC, StatsX(0.15), StatsY(0.1), u ? u8"接受域:-∞<u< " : u8"接受域:-∞<t< ",
                      3, q);
            } else {
                Label(v, pDC, StatsX(0.15), StatsY(0.1), u8"接受域: ", 3, -q);
                Label(v, pDC, StatsX(0.15), StatsY(0.1),
                      u ? u8"              <u<+∞" : u8"              <t<+∞", -1, 0,
                      stats_page::Cells(u8"接受域: ", 3, -q));
            }
            if (u) {
                Pair(v, pDC, StatsX(0.15), StatsY(0), u8"u    = ", 3, q, "", 3, a, 1.5, -0.5);
                Label(v, pDC, StatsX(0.65), StatsY(0), u8"σ=", 3, sigma);
                Label(v, pDC, at(false), foot, u8"u=", 3, T);
            } else {
                Pair(v, pDC, StatsX(0.15), StatsY(0), u8"t   ( ", 0, n - 1, "", 3, a, 1.5, -0.5);
                Label(v, pDC, StatsX(0.15), StatsY(0), u8"        )= ", 3, q,
                      stats_page::Cells(u8"t   ( ", 0, n - 1));
                Label(v, pDC, at(false), foot, u8"t= ", 3, T);
            }
        } else {
            if (two) {
                Label(v, pDC, StatsX(0.15), StatsY(0.1), u8"接受域:", 3, -q);
                Label(v, pDC, StatsX(0.15), StatsY(0.1),
                      u ? u8"             <u<" : u8"             <t<", 3, q,
                      stats_page::Cells(u8"接受域:", 3, -q));
            } else if (left) {
                Label(v, pDC, StatsX(0.15), StatsY(0.1), u ? u8"接受域: -∞<u<" : u8"接受域: -∞<t<",
                      3, q);
            } else {
                Label(v, pDC, StatsX(0.15), StatsY(0.1), u8"接受域:", 3, -q);
                Label(v, pDC, StatsX(0.15), StatsY(0.1),
                      u ? u8"              <u<+∞" : u8"              <t<+∞", -1, 0,
                      stats_page::Cells(u8"接受域:", 3, -q));
            }
            if (u) {
                Pair(v, pDC, StatsX(0.35), StatsY(0), u8"u     =", 3, q, "", 3, a, 1.5, -0.5);
                Label(v, pDC, StatsX(0.65), StatsY(0), u8"σ=", 3, t.e);
                Label(v, pDC, at(true), foot, u8"u=", 3, T);
            } else {
                Pair(v, pDC, StatsX(0.15), StatsY(0), u8"t   (", 0, n + m - 2, "", 3, a, 1.5, -0.5);
                Label(v, pDC, StatsX(0.15), StatsY(0), u8"        )=", 3, q,
                      stats_page::Cells(u8"t   (", 0, n + m - 2));
                Label(v, pDC, at(true), foot, u8"t=", 3, T);
            }
        }
    } else if (m == 0) {
        const int df = t.pivot.df1;
        const int closing = stats_page::Cells(u8"χ   ( ", 0, df);
        if (two) {
            Pair(v, pDC, StatsX(0.12), StatsY(0.01), u8"χ   ( ", 0, df, "", 0, 2, 2, 0);
            // Upper-α indices throughout, as u and t are written.
            Pair(v, pDC, StatsX(0.12), StatsY(0.01), u8"         )= ", 3, t.c1, "", 3,
                 1 - alpha / 2, 2, -0.5, closing);
            Pair(v, pDC, StatsX(0.53), StatsY(0.01), u8"χ   ( ", 0, df, "", 0, 2, 2.5, 0);
            Pair(v, pDC, StatsX(0.53), StatsY(0.01), u8"         )= ", 3, t.c2, "", 3, alpha / 2, 2,
                 -0.5, closing);
            Label(v, pDC, StatsX(0.12), StatsY(0.11), u8"接受域:上限 ", 3, t.c2);
            Label(v, pDC, StatsX(0.12), StatsY(0.21), u8"       下限 ", 3, t.c1);
        } else if (left) {
            Pair(v, pDC, StatsX(0.12), StatsY(0.01), u8"χ   ( ", 0, df, "", 0, 2, 2.5, 0);
            Pair(v, pDC, StatsX(0.12), StatsY(0.01), u8"         )= ", 3, t.c2, "", 3, alpha, 2,
                 -0.5, closing);
            Pair(v, pDC, StatsX(0.12), StatsY(0.11), u8"接受域:0<χ< ", 3, t.c2, "", 0, 2, 11, 0);
        } else {
            Pair(v, pDC, StatsX(0.12), StatsY(0.01), u8"χ   ( ", 0, df, "", 0, 2, 2, 0);
            Pair(v, pDC, StatsX(0.12), StatsY(0.01), u8"         )= ", 3, t.c1, "", 3, 1 - alpha, 2,
                 -0.5, closing);
            Label(v, pDC, StatsX(0.12), StatsY(0.11), u8"接受域: ", 3, t.c1);
            Pair(v, pDC, StatsX(0.45), StatsY(0.11), u8"<χ<+∞", -1, 0, "", 0, 2, 2.5, 0);
        }
        Pair(v, pDC, at(true), foot, u8"χ=", 3, T, "", 0, 2, 1.5, 0);
    } else {
        // Each S written once with both its square and its index: the label
        // written again for the index would cover the square with its box.
        Pair(v, pDC, StatsX(0.7), StatsY(0.3), u8"S =", 3, t.s1, u8"2", -1, 0, 1, 0.1);
        Beside(v, pDC, StatsX(0.7), StatsY(0.3), u8"S =", u8"1", -1, 0, 1, -0.5);
        Pair(v, pDC, StatsX(0.7), StatsY(0.4), u8"S =", 3, t.s2, u8"2", -1, 0, 1, 0.1);
        Beside(v, pDC, StatsX(0.7), StatsY(0.4), u8"S =", u8"2", -1, 0, 1, -0.5);
        // F(n - 1, m - 1) with its subscript, then "= value".
        const auto fQuantile = [&](double b, double sub, double value) {
            Pair(v, pDC, StatsX(0.15), StatsY(b), u8"F    (", 0, n - 1, "", 3, sub, 1.5, -0.5);
            const int comma = std::max(9, stats_page::Cells(u8"F    (", 0, n - 1));
            Label(v, pDC, StatsX(0.15), StatsY(b), u8"         ,", 0, m - 1, comma);
            Label(v, pDC, StatsX(0.15), StatsY(b), u8"            )=", 3, value,
                  comma + stats_page::Cells(u8",", 0, m - 1));
        };
        if (two) {
            fQuantile(0, 1 - alpha / 2, t.c1);
            fQuantile(0.1, alpha / 2, t.c2);
            Label(v, pDC, StatsX(0.15), StatsY(0.2), u8"接受域:", 3, t.c1);
            Label(v, pDC, StatsX(0.15), StatsY(0.2), u8"             <F<", 3, t.c2,
                  stats_page::Cells(u8"接受域:", 3, t.c1));
        } else if (left) {
            fQuantile(0, alpha, t.c2);
            Label(v, pDC, StatsX(0.15), StatsY(0.2), u8"接受域:0<F<", 3, t.c2);
        } else {
            fQuantile(0, 1 - alpha, t.c1);
            Label(v, pDC, StatsX(0.15), StatsY(0.2), u8"接受域:", 3, t.c1);
            Label(v, pDC, StatsX(0.15), StatsY(0.2), u8"                <F<+∞", -1, 0,
                  stats_page::Cells(u8"接受域:", 3, t.c1));
        }
        Label(v, pDC, at(false), foot, u8"F=", 3, T);
    }
    DrawStringWorld(pDC, StatsX(0.3), StatsY(0.5), Gbk(t.accepted ? u8"接受假设" : u8"拒绝假设"),
                    m_crCurveSetting);
}
