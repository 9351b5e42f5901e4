// The continuous distributions page: a density with the area beneath it and
// its distribution function in two colours split at the cursor, or, in the
// quantile view, the upper quantile u and α read off at the cursor; with
// expectation, variance and parameter buttons for each density.
#include "calculus/button_column.h"
#include "render/text_typeset.h"
#include "stats/math/distributions.h"
#include "stats/stats_labels.h"

#include <algorithm>
#include <cmath>

namespace {

// The walk across the figure: 0.001 apart, or two steps per pixel column
// where that is wider, so a pass stays short on any range.
constexpr double kWalkStep = 0.001;
constexpr int kWalkStepsPerPixel = 2;
constexpr int kMaxWalkSteps = 20000;
// Degrees of freedom the buttons reach: Γ of half of them stays finite.
constexpr int kMaxDegrees = 300;
// A parameter that must stay positive falls back to this.
constexpr double kPositiveFloor = 0.1;
constexpr double kUniformMinWidth = 0.01; // of the x span

struct Texts {
    CString density = Gbk(u8"密度函数"), cdf = Gbk(u8"分布函数");
    CString quantile = Gbk(u8"分位数");
    CString mean = Gbk(u8"期望"), variance = Gbk(u8"方差");
    CString given = Gbk(u8"已知:"), u = Gbk(u8"u"), alpha = Gbk(u8"α");
    CString titles[7] = {Gbk(u8"均匀分布"), Gbk(u8"指数分布"), Gbk(u8"正态分布"), Gbk(u8"t 分布"),
                         Gbk(u8"卡方分布"), Gbk(u8"F 分布"),   Gbk(u8"Γ分布")};
    CString alphaIs = Gbk(u8"α="), uIs = Gbk(u8"u    ="), oneMinusAlpha = Gbk(u8"1-α=");
    CString infinity = Gbk(u8"∞");
};

const Texts& T() {
    static const Texts texts;
    return texts;
}

// The four parameter buttons of each density, top to bottom (empty: none).
struct ParamButtons {
    const char* labels[4];
};
constexpr ParamButtons kParamButtons[7] = {
    {{u8"a增", u8"a减", u8"b增", u8"b减"}}, {{u8"λ增", u8"λ减", nullptr, nullptr}},
    {{u8"μ增", u8"μ减", u8"σ增", u8"σ减"}}, {{u8"n增", u8"n减", nullptr, nullptr}},
    {{u8"n增", u8"n减", nullptr, nullptr}}, {{u8"n增", u8"n减", u8"m增", u8"m减"}},
    {{u8"α增", u8"α减", u8"β增", u8"β减"}},
};

// Expectation and variance read-outs with their formulas, and the
// parameters written below the curve.
struct Readout {
    CString label;
    int decimals;
    double value;
};
struct ParamReadout {
    CString label;
    double at; // fraction of the x span
    int decimals;
    double value;
};

int ClampDegrees(int n, int lo) {
    return n < lo ? lo : (n > kMaxDegrees ? kMaxDegrees : n);
}

void KeepPositive(double* v) {
    if (!(*v > 0)) *v = kPositiveFloor;
}

// The expectation and variance of density k with their formulas, and its
// parameters.
void ConReadouts(const CPemroView& v, int k, Readout* meanOut, Readout* varianceOut,
                 ParamReadout* params, int* countOut) {
    const double inf = HUGE_VAL;
    const double a = v.m_adCoefF[0], b = v.m_adCoefF[1], lambda = v.m_dLambda, mu = v.m_dMu,
                 sigma = v.m_dSigma, ga = v.m_dGammaAlpha, gb = v.m_dGammaBeta;
    const int n = v.m_nCountN, m = v.m_nCountM;
    Readout& mean = *meanOut;
    Readout& variance = *varianceOut;
    int& paramCount = *countOut;
    switch (k) {
    case stats::kUniform:
        mean = {Gbk(u8"期望=(a+b)/2="), 2, (a + b) * 0.5};
        variance = {Gbk(u8"方差=(b-a)^2/12="), 2, (b - a) * (b - a) / 12};
        params[paramCount++] = {Gbk(u8"a="), 0.25, 2, a};
        params[paramCount++] = {Gbk(u8"b="), 0.65, 2, b};
        break;
    case stats::kExponential:
        mean = {Gbk(u8"期望=1/λ="), 2, 1 / lambda};
        variance = {Gbk(u8"方差=1/λ^2="), 2, 1 / (lambda * lambda)};
        params[paramCount++] = {Gbk(u8"λ="), 0.3, 2, lambda};
        break;
    case stats::kNormal:
        mean = {Gbk(u8"期望=μ="), 2, mu};
        variance = {Gbk(u8"方差=σ^2="), 2, sigma * sigma};
        params[paramCount++] = {Gbk(u8"μ="), 0.25, 2, mu};
        params[paramCount++] = {Gbk(u8"σ="), 0.65, 2, sigma};
        break;
    case stats::kStudentT:
        mean = {Gbk(u8"期望="), 2, 0};
        variance = {Gbk(u8"方差=n/(n-2)="), 2, n > 2 ? n / (n - 2.0) : inf};
        params[paramCount++] = {Gbk(u8"n="), 0.3, 0, double(n)};
        break;
    case stats::kChiSquare:
        mean = {Gbk(u8"期望=n="), 0, double(n)};
        variance = {Gbk(u8"方差=2n="), 2, 2.0 * n};
        params[paramCount++] = {Gbk(u8"n="), 0.3, 0, double(n)};
        break;
    case stats::kFisherF: {
        // n is the numerator's degrees of freedom, m the denominator's.
        const double e = m > 2 ? m / (m - 2.0) : inf;
        mean = {Gbk(u8"期望=m/(m-2)="), 2, e};
        variance = {Gbk(u8"方差=2m^2(n+m-2)/n/(m-2)^2/(m-4)="), 2,
                    m > 4 ? 2 * e * e * (n + m - 2.0) / n / (m - 4.0) : inf};
        params[paramCount++] = {Gbk(u8"n="), 0.25, 0, double(n)};
        params[paramCount++] = {Gbk(u8"m="), 0.65, 0, double(m)};
        break;
    }
    case stats::kGamma:
        // The density starts at the shift λ.
        mean = {Gbk(u8"期望=λ+α/β="), 2, lambda + ga / gb};
        variance = {Gbk(u8"方差=α/β^2="), 2, ga / gb / gb};
        params[paramCount++] = {Gbk(u8"α="), 0.25, 2, ga};
        params[paramCount++] = {Gbk(u8"λ="), 0.45, 2, lambda};
        params[paramCount++] = {Gbk(u8"β="), 0.65, 2, gb};
        break;
    default:
        break;
    }
}

// The width of a value read-out ("label value ") in the value labels' font,
// as DrawLabelValue writes it.
int ReadoutWidth(const CPemroView& v, CDC* pDC, const CString& label, int decimals, double value) {
    LOGFONT font = v.m_lfCurrent;
    font.lfHeight = (v.m_nLabelZoom + 2) * (v.m_nFontStep + v.m_nBaseCharHeight) / 3;
    font.lfWidth = (v.m_nLabelZoom + 2) * (v.m_nFontStep / 2 + v.m_nBaseCharWidth) / 3;
    CFontSelect select(pDC, font);
    const CString number = std::isfinite(value) ? typeset::FormatDecimals(decimals, value) : "";
    return pDC->GetTextExtent(label + " " + number + " ").cx;
}

} // namespace

void CPemroView::DrawConDistribution(CDC* pDC, int mode) {
    // The legend is written after the walk, over the area's fill that a range
    // stepped down to the density's peak brings up to it; its place is taken
    // first, so that the walk's read-outs keep off it.
    const int legendX = m_nPlotLeft + m_nPlotWidth / 10;
    const int legendY[2] = {m_nPlotTop + m_nPlotHeight / 40, m_nPlotTop + m_nPlotHeight / 9};
    const CString* const legend[2] = {&T().density, &T().cdf};
    if (pDC && IsFigureBandVisible()) {
        const CFontSelect font(pDC, PlainStringFont(FALSE, m_nLabelZoom));
        for (int i = 0; i < 2; ++i) {
            const CSize size = pDC->GetTextExtent(*legend[i]);
            NoteFigureBox(
                CRect(legendX, legendY[i], legendX + int(size.cx), legendY[i] + int(size.cy)));
        }
    }
    DrawConDistributionButtons(pDC);
    if (IsStatsFigureShown()) {
        SaveRestoreDisplaySettings(0);
        DrawConDistributionWalk(pDC, mode);
        DrawConDistributionReadouts(pDC);
    }
    DrawLineWorld(pDC, StatsX(0.05), StatsY(0.05), StatsX(0.1), StatsY(0.05), m_crCurveSetting);
    DrawString(pDC, legendX, legendY[0], *legend[0], m_crCurveSetting);
    DrawLineWorld(pDC, StatsX(0.05), StatsY(0.15), StatsX(0.075), StatsY(0.15), m_crDefaultFill);
    DrawLineWorld(pDC, StatsX(0.075), StatsY(0.15), StatsX(0.1), StatsY(0.15), m_crFirstDerivative);
    DrawString(pDC, legendX, legendY[1], *legend[1], m_crCurveSetting);
    if (stats::IsDensityEntry(m_nFuncF))
        DrawString(pDC, m_nPlotLeft + m_nPlotWidth / 3, m_nPlotTop + m_nPlotHeight / 6,
                   T().titles[m_nFuncF - stats::kUniform], m_crCurveSetting);
}

void CPemroView::DrawConDistributionButtons(CDC* pDC) {
    const int right = m_nPlotRight, top = m_nPlotTop;
    // The column straddles the plot's right edge; the frame widens to hold it.
    calculus::FrameMarginForButtons(*this, pDC,
                                    {{right - 22, u8"分位数"},
                                     {right - 10, u8"期望"},
                                     {right - 10, u8"方差"},
                                     {right - 10, u8"α增"},
                                     {right - 10, u8"μ增"}});
    if (TextButtonInPlot(pDC, right - 22, top - 22, 42, 20, T().quantile, m_crCurveSetting)) {
        m_bSavedQuantileMode = 1;
        m_bLoadScriptSettings = 0;
    }
    if (TextButton(pDC, right - 10, top, T().mean)) {
        m_bSavedShowMean = 1;
        m_bLoadScriptSettings = 0;
    }
    if (TextButton(pDC, right - 10, top + 22, T().variance)) {
        m_bSavedShowVariance = 1;
        m_bLoadScriptSettings = 0;
    }
    if (m_bSavedQuantileMode) {
        // Side by side left of "分位数", whatever the font makes their widths.
        // The row's own gap apart, so that none is pushed onto the next.
        const int alphaX = right - 22 - ButtonWidth(T().alpha) - kButtonRowGap;
        const int uX = alphaX - ButtonWidth(T().u) - kButtonRowGap;
        TextButton(pDC, uX - ButtonWidth(T().given) - kButtonRowGap, top - 22,
                   T().given); // a caption
        if (TextButton(pDC, uX, top - 22, T().u)) m_nDemoOption = 1;
        if (TextButton(pDC, alphaX, top - 22, T().alpha)) m_nDemoOption = 2;
    }

    const int k = m_nFuncF;
    if (!stats::IsDensityEntry(k)) return;
    bool hit[4] = {};
    for (int i = 0; i < 4; ++i) {
        const char* label = kParamButtons[k - stats::kUniform].labels[i];
        if (label && TextButton(pDC, right - 10, top + 44 + 22 * i, Gbk(label))) {
            hit[i] = true;
            m_bLoadScriptSettings = 0;
        }
    }
    const double step = m_dParamStep;
    // The first button of a pair raises, the second lowers.
    // Steps of 0.1 that come down to 0 leave a residue (5 − 50 · 0.1 is
    // 1e-15): that is 0, so that the clamps below see it.
    const auto change = [&](double* v, int i) {
        if (!hit[i] && !hit[i + 1]) return;
        *v += (hit[i] ? step : 0) - (hit[i + 1] ? step : 0);
        if (std::fabs(*v) < 1e-9 * std::fabs(step)) *v = 0;
    };
    const auto count = [&](int* v, int i) { *v += (hit[i] ? 1 : 0) - (hit[i + 1] ? 1 : 0); };
    switch (k) {
    case stats::kUniform:
        change(&m_adSavedCoefF[0], 0);
        change(&m_adSavedCoefF[1], 2);
        if (!(m_adSavedCoefF[1] > m_adSavedCoefF[0]))
            m_adSavedCoefF[1] = m_adSavedCoefF[0] + kUniformMinWidth * m_dXSpan;
        break;
    case stats::kExponential:
        change(&m_dSavedLambda, 0);
        KeepPositive(&m_dSavedLambda);
        break;
    case stats::kNormal:
        change(&m_dSavedMu, 0);
        change(&m_dSavedSigma, 2);
        KeepPositive(&m_dSavedSigma);
        break;
    case stats::kStudentT:
    case stats::kChiSquare:
        count(&m_nSavedCountN, 0);
        m_nSavedCountN = ClampDegrees(m_nSavedCountN, 2);
        break;
    case stats::kFisherF:
        count(&m_nSavedCountN, 0);
        count(&m_nSavedCountM, 2);
        m_nSavedCountN = ClampDegrees(m_nSavedCountN, 5);
        m_nSavedCountM = ClampDegrees(m_nSavedCountM, 1);
        break;
    case stats::kGamma:
        change(&m_dSavedGammaAlpha, 0);
        change(&m_dSavedGammaBeta, 2);
        KeepPositive(&m_dSavedGammaAlpha);
        KeepPositive(&m_dSavedGammaBeta);
        break;
    default:
        break;
    }
}

void CPemroView::DrawConDistributionWalk(CDC* pDC, int mode) {
    if (mode != 0 && mode != 1) return;
    const int k = m_nFuncF;
    double h = kWalkStep;
    if (m_nPlotWidth > 0 && m_dXSpan / (kWalkStepsPerPixel * m_nPlotWidth) > h)
        h = m_dXSpan / (kWalkStepsPerPixel * m_nPlotWidth);
    if (m_dXSpan / kMaxWalkSteps > h) h = m_dXSpan / kMaxWalkSteps;
    if (!(h > 0) || !std::isfinite(h) || !std::isfinite(m_dXMin)) return;

    // The split: the cursor's abscissa, or in the quantile view with α
    // given the exact quantile of the cursor's height 1 - α.
    const bool alphaGiven = mode == 1 && m_nDemoOption == 2;
    double split = m_dCursorX;
    if (alphaGiven) split = ComputeCdfOrQuantile(1, m_dCursorY);
    if (!(split <= m_dXMax)) split = m_dXMax; // also NaN and +inf
    const auto inside = [&](double y) { return m_dYMin < y && y < m_dYMax; };
    // Counted from the range before the walk starts, each abscissa taken from
    // its index: far from 0 a step below half an ulp would not move t.
    const int steps = stats::GridSteps(m_dXSpan, h, kMaxWalkSteps + 1);
    if (steps == 0) return;
    int step = 0;
    double t = m_dXMin;
    // One step at t: the density point, and with `pen` the vertical line
    // under it; the distribution-function point in `fill`. The points are
    // two pixels wide, so every other step draws them.
    const auto draw = [&](bool lines, COLORREF pen, COLORREF fill) {
        const double f = EvalDensity(t, k);
        const bool points = step++ % 2 == 0;
        if (inside(f)) {
            if (lines) DrawLineWorld(pDC, t, f, t, 0, pen); // downward: one pixel wide
            if (points) DrawLineWorld(pDC, t, f, t, f, m_crCurveSetting);
        }
        if (points) {
            const double s = ComputeCdfOrQuantile(0, t);
            if (inside(s)) DrawLineWorld(pDC, t, s, t, s, fill);
        }
        t = m_dXMin + step * h;
    };
    do draw(true, m_crDefaultPen, m_crDefaultFill);
    while (t < split && step < steps);

    const bool lines = mode == 0;
    do draw(lines, m_crSecondDerivative, m_crFirstDerivative);
    while (t < m_dXMax && step < steps);
    // After the whole walk: the subscript is written at once and brings the
    // label it sits in with it, which the rest of the curve would cross.
    if (mode == 1 && stats::IsDensityEntry(k)) {
        double mass = alphaGiven && split < m_dXMax ? m_dCursorY : ComputeCdfOrQuantile(0, split);
        if (!std::isfinite(mass)) mass = 0;
        DrawLabelValue(pDC, StatsX(0.7), m_dYMax, T().alphaIs, 3, 1 - mass, m_crCurveSetting);
        const double row = QuantileRow(pDC);
        // A split far from 0 is a long number: the read-out moves left so as
        // to end before the button column rather than run under it.
        double at = 0.7;
        if (m_nPlotWidth > 0) {
            const int wide = ReadoutWidth(*this, pDC, T().uIs, 3, split);
            const int room = m_nPlotRight - 10 - kButtonRowGap - m_nPlotLeft - wide;
            at = std::clamp(double(room) / m_nPlotWidth, 0.0, 0.7);
        }
        DrawLabelValue(pDC, StatsX(at), StatsY(row), T().uIs, 3, split, m_crCurveSetting);
        stats_page::Small(*this, pDC, StatsX(at), StatsY(row + 0.03), u8"  ", 3, 1 - mass);
        // Left of the split, inside the plot where the split nears its left
        // edge; a low mass on a tall y range brings it up to the legend.
        DrawLabelValueSmallClear(pDC, std::max(split - 0.1 * m_dXSpan, m_dXMin),
                                 mass / 2 + 0.05 * m_dYSpan, T().oneMinusAlpha, 3, mass,
                                 m_crCurveSetting);
    }
}

double CPemroView::QuantileRow(CDC* pDC) {
    constexpr double kRow = 0.1, kRowBelow = 0.2;
    if (!m_bShowVariance || !pDC || m_nPlotWidth <= 0 || !stats::IsDensityEntry(m_nFuncF))
        return kRow;
    Readout mean, variance;
    ParamReadout params[3];
    int count = 0;
    ConReadouts(*this, m_nFuncF, &mean, &variance, params, &count);
    // The variance's line, as it is written.
    const int wide = ReadoutWidth(*this, pDC, variance.label, variance.decimals, variance.value);
    return m_nPlotWidth * 3 / 10 + wide < m_nPlotWidth * 7 / 10 ? kRow : kRowBelow;
}

void CPemroView::DrawConDistributionReadouts(CDC* pDC) {
    const int k = m_nFuncF;
    if (!stats::IsDensityEntry(k)) return;
    Readout mean, variance;
    ParamReadout params[3];
    int paramCount = 0;
    ConReadouts(*this, k, &mean, &variance, params, &paramCount);
    const auto write = [&](double y, const Readout& r) {
        if (std::isfinite(r.value))
            DrawLabelValue(pDC, StatsX(0.3), y, r.label, r.decimals, r.value, m_crCurveSetting);
        else
            DrawLabelValue(pDC, StatsX(0.3), y, r.label + T().infinity, -1, 0, m_crCurveSetting);
    };
    if (m_bShowMean) {
        write(m_dYMax, mean);
        if (std::isfinite(mean.value))
            DrawLineWorld(pDC, mean.value, 0, mean.value, EvalDensity(mean.value, k),
                          m_crCurveSetting);
    }
    if (m_bShowVariance) write(StatsY(0.1), variance);
    for (int i = 0; i < paramCount; ++i)
        DrawLabelValue(pDC, StatsX(params[i].at), m_dYMin + 0.1 * m_dYSpan, params[i].label,
                       params[i].decimals, params[i].value, m_crCurveSetting);
}
