// The integral pages ("Calculus1"): antiderivatives, the definite integral
// as a limit of sums, the variable upper limit and Riemann sums, with the
// frame that all seven sub-demonstrations share (n buttons, data table,
// "积分值:" and "积分近似值:").
#include "calculus/button_column.h"
#include "view/view.h"

#include "calculus/dot_trail.h"
#include "calculus/label_in_plot.h"
#include "calculus/math/integrals.h"
#include "platform/real_steps.h"
#include "platform/text_codec.h"

#include <algorithm>
#include <cmath>
#include <vector>

using calculus::DotTrail;

namespace {

enum SubDemo {
    kAntiderivative = 0,
    kDefinite = 1,
    kUpperLimit = 2,
    kRiemann = 3,
    kTrapezoid = 4,
    kSimpson = 5,
    kGauss = 6
};

constexpr COLORREF kNoticeGrey = RGB(100, 100, 100);
constexpr COLORREF kAreaColour = RGB(0, 120, 120);
// Fine step of the running integrals as a fraction of [a, b].
constexpr double kFineStep = 0.0001;
// Steps of one running integral at most: a wide x range over a short
// interval takes a coarser step instead of an unbounded walk.
constexpr long kMaxFineSteps = 100000;
// Antiderivative family: constants drawn at most per step.
constexpr int kMaxConstants = 200;
// Sums with more subintervals than this shade the area instead.
constexpr int kOutlineLimit = 513;
// Shading: one vertical every 1/700 of the x span.
constexpr double kShadeStep = 1.0 / 700;
constexpr long kMaxIrregularStrips = 100000;
// The table of f(x_i) serves n up to this.
constexpr int kTableLimit = 16;
// Increment width: fraction of the x span between these bounds.
constexpr double kMinStepH = 1e-4;
constexpr double kMaxStepH = 1.0;

// Digits a read-out shows at most: a large integral gives up decimals
// rather than run past its field.
constexpr int kMaxShownDigits = 12;

int DecimalsFitting(int decimals, double value) {
    const double magnitude = std::fabs(value);
    const int whole =
        magnitude >= 1 && std::isfinite(magnitude) ? int(std::floor(std::log10(magnitude))) + 1 : 1;
    return std::clamp(kMaxShownDigits - whole, 0, decimals);
}

bool Inside(double y, double lo, double hi) {
    return lo < y && y < hi;
}

} // namespace

void CPemroView::DrawCalculus1(CDC* pDC, int) {
    const int sub = m_nSubDemo, CH = m_nBaseCharHeight;
    const double a = m_dIntervalA, b = m_dIntervalB;
    const bool counted = sub == kDefinite || (sub >= kRiemann && sub <= kGauss);
    // The row at the plot's top steps over the y axis's name.
    const auto rowX = [&](int x, const char* label) {
        return ButtonClearOfYAxisName(x, Gbk(label));
    };
    if (counted) {
        if (TextButton(pDC, rowX(m_nPlotLeft, u8"n增加"), m_nPlotTop, Gbk(u8"n增加")))
            m_nDemoStep = calculus::DoubledSubintervals(m_nDemoStep);
        if (TextButton(pDC, rowX(m_nPlotLeft + 3 * CH / 2, u8"n减少"), m_nPlotTop, Gbk(u8"n减少")))
            m_nDemoStep = calculus::HalvedSubintervals(m_nDemoStep);
        // No sum divides [a, b] into no pieces, and none grows past the cap.
        m_nDemoStep = std::clamp(m_nDemoStep, 1, calculus::kMaxDemoSubintervals);
    }
    if (sub >= kTrapezoid && sub <= kGauss) {
        // The switch: 0 each rule's own default (the Gauss nodes listed, the
        // values f(x_i) not), 1 shown, 2 hidden.
        const bool shown = sub == kGauss ? m_nValueTableShown != 2 : m_nValueTableShown == 1;
        const char* label = shown ? u8"不显示数据" : u8"显示数据";
        if (TextButton(pDC, rowX(m_nPlotLeft + 3 * CH, label), m_nPlotTop, Gbk(label)))
            m_nValueTableShown = shown ? 2 : 1;
    }
    const int n = m_nDemoStep;
    double S = 0;
    switch (sub) {
    case kAntiderivative:
        DrawAntiderivatives(pDC);
        break;
    case kDefinite:
        S = DrawIrregularSum(pDC, a, b, n);
        break;
    case kUpperLimit:
        DrawUpperLimitFunction(pDC, a, b);
        break;
    case kRiemann:
        S = DrawRiemannSums(pDC, a, b, n);
        break;
    case kTrapezoid:
        S = DrawTrapezoidDemo(pDC, a, b, n);
        break;
    case kSimpson:
        S = DrawSimpsonDemo(pDC, a, b, n);
        break;
    case kGauss:
        S = DrawGaussDemo(pDC, a, b, n);
        break;
    default:
        break;
    }
    if (n <= kTableLimit && m_nValueTableShown == 1 && (sub == kTrapezoid || sub == kSimpson))
        DrawValueTable(pDC, a, b, n);
    if (counted) {
        const COLORREF c = m_crCurveSetting;
        DrawLabelValue(pDC, m_dXMin + 0.85 * m_dXSpan, m_dYMin + 0.3 * m_dYSpan, "n=", 0, n, c);
        const double y = m_dYMin + 0.12 * m_dYSpan;
        const double I = ReferenceIntegral(a, b);
        DrawLabelValue(pDC, m_dXMin, y, Gbk(u8"积分值:"), DecimalsFitting(6, I), I, c);
        DrawLabelValue(pDC, m_dXMin + 0.5 * m_dXSpan, y, Gbk(u8"积分近似值:"),
                       DecimalsFitting(6, S), S, c);
    }
    if (m_nPlotMode != 0)
        TextButtonInPlot(pDC, m_nFigureRight - 90, m_nFigureBottom - 30, 90, 20,
                         Gbk(u8"对显函数有效"), kNoticeGrey);
}

double CPemroView::ReferenceIntegral(double a, double b) {
    // Integrate keeps its results by every input of the function, so the
    // 100,000 Gauss panels are paid only when one of them changes.
    return Integrate(a, b, 10000, 2, 0);
}

void CPemroView::DrawValueTable(CDC* pDC, double a, double b, int n) {
    if (n < 1) return;
    const double h = (b - a) / n;
    for (int i = 0; i <= n; ++i) {
        const double xi = a + i * h;
        const double x = i < 8 ? m_dXMin : m_dXMin + 0.4 * m_dXSpan;
        const double y =
            i < 8 ? m_dYMax - 0.1 * (i + 1) * m_dYSpan : m_dYMax - 0.1 * (i - 8) * m_dYSpan;
        DrawLabelValuePair(pDC, x, y, calculus::SubscriptLabel("f", 3, xi, "="), 6,
                           EvalF(xi, m_nFuncF), "", 3, xi, 1.2, -0.3, m_crCurveSetting);
    }
}

void CPemroView::ShadeAreaUnderF(CDC* pDC, double a, double b, COLORREF colour) {
    const double step = kShadeStep * m_dXSpan;
    if (!(step > 0) || !std::isfinite(step) || !(b > a)) return;
    const long count = long(std::min((b - a) / step, double(kMaxIrregularStrips)));
    for (long i = 0; i <= count; ++i) {
        const double x = a + i * step;
        if (!(x < b)) break;
        DrawLineWorld(pDC, x, 0, x, EvalF(x, m_nFuncF), colour);
    }
}

void CPemroView::DrawAntiderivatives(CDC* pDC) {
    // The pair moves left together as far as the last one needs.
    const int dx = calculus::RowShiftIntoFigure(
        *this, {{m_nPlotRight - 160, u8"不定积分"}, {m_nPlotRight - 65, u8"原函数"}});
    if (TextButton(pDC, m_nPlotRight - 160 - dx, m_nPlotTop + 4, Gbk(u8"不定积分")))
        m_dDemoParam = 0;
    if (TextButton(pDC, m_nPlotRight - 65 - dx, m_nPlotTop + 4, Gbk(u8"原函数"))) m_dDemoParam = 1;
    const double a = m_dIntervalA, b = m_dIntervalB;
    // The step is a fraction of [a, b]: an empty or reversed interval has none.
    double d = (b - a) * kFineStep;
    if (!(d > 0) || !std::isfinite(d) || !std::isfinite(m_dCursorX)) return;
    d = std::max(d, m_dXSpan / kMaxFineSteps);
    const int k = m_nFuncF;
    const double cStep = m_dParamStep * m_dYSpan;
    const bool family = m_dDemoParam == 0, single = m_dDemoParam == 1;
    const bool familyDrawn = family && cStep > 0 && std::isfinite(cStep);
    std::vector<DotTrail> trails(kMaxConstants + 1);
    // The running constant of the family lives in m_dCursorY.
    const auto dots = [&](double x, double S) {
        if (familyDrawn) {
            int i = 0;
            for (m_dCursorY = m_dYMin - m_dYSpan; m_dCursorY < m_dYMax && i < kMaxConstants;
                 m_dCursorY += cStep, ++i) {
                const double y = S + m_dCursorY;
                if (Inside(y, m_dYMin, m_dYMax))
                    trails[i].Dot(*this, pDC, x, y, m_crFirstDerivative);
            }
        } else if (single) {
            const double y = S + m_dCursorY;
            if (Inside(y, m_dYMin, m_dYMax)) trails[0].Dot(*this, pDC, x, y, m_crFirstDerivative);
        }
    };
    if (family || single) {
        const double x0 = m_dCursorX;
        double S = 0, F0 = EvalF(x0, k);
        const long right = steps::Count(x0, m_dXMax, d, kMaxFineSteps, false);
        for (long i = 0; i < right; ++i) {
            const double x = x0 + double(i) * d;
            const double F1 = EvalF(x + d, k);
            S += d * (F0 + 4 * EvalF(x + d / 2, k) + F1) / 6;
            dots(x, S);
            F0 = F1;
        }
        for (auto& t : trails) t = DotTrail();
        S = 0, F0 = EvalF(x0, k);
        const long left = steps::CountDown(x0, m_dXMin, d, kMaxFineSteps, false);
        for (long i = 0; i < left; ++i) {
            const double x = x0 - double(i) * d;
            const double F1 = EvalF(x - d, k);
            S -= d * (F0 + 4 * EvalF(x - d / 2, k) + F1) / 6;
            dots(x, S);
            F0 = F1;
        }
    }
    DrawDotWorld(pDC, m_dCursorX, m_dCursorY, 3, 3, m_crCurveSetting, m_crSecondDerivative);
    if (single) {
        DrawLineWorld(pDC, m_dCursorX, m_dCursorY, m_dCursorX, 0, m_crSecondDerivative);
        DrawLineWorld(pDC, m_dCursorX, m_dCursorY, 0, m_dCursorY, m_crSecondDerivative);
    }
}

double CPemroView::DrawIrregularSum(CDC* pDC, double a, double b, int n) {
    const int k = m_nFuncF;
    const double unit = m_dXSpan / n;
    if (!(unit > 0) || !std::isfinite(unit)) return 0;
    double S = 0, x = a;
    for (long i = 0; x < b && i < kMaxIrregularStrips; ++i) {
        double w = 0.5 * (1 + std::sin(10.34 * x)) * unit;
        if (m_dParamStep * unit > w || !(w > 0)) w = unit;
        // The strips partition [a, b]: the last one ends at b.
        w = std::min(w, b - x);
        const double s = x + 0.25 * (1 + std::sin(15 * x)) * w;
        const double Fs = EvalF(s, k);
        S += w * Fs;
        if (n < kOutlineLimit) {
            // A strip taller than the plot is cut at its edge.
            const double top = std::clamp(Fs, m_dYMin, m_dYMax);
            const double foot = std::clamp(0.0, m_dYMin, m_dYMax);
            DrawLineWorld(pDC, x, foot, x, top, m_crSection);
            DrawLineWorld(pDC, x + w, foot, x + w, top, m_crSection);
            if (Inside(Fs, m_dYMin, m_dYMax)) DrawLineWorld(pDC, x, top, x + w, top, m_crSection);
        }
        // A strip too narrow to move x (far from the origin) ends the sum.
        if (!(x + w > x)) break;
        x += w;
    }
    if (n >= kOutlineLimit) ShadeAreaUnderF(pDC, a, b, m_crSection);
    return S;
}

void CPemroView::DrawUpperLimitFunction(CDC* pDC, double a, double b) {
    if (TextButton(pDC, m_nPlotLeft + 10, m_nPlotTop + 4, Gbk(u8"变上限函数"))) m_nDemoOption2 = 1;
    if (TextButton(pDC, m_nPlotLeft + 110, m_nPlotTop + 4, Gbk(u8"增量与微分"))) m_nDemoOption2 = 2;
    const double cx = m_dCursorX;
    const bool cursorInside = m_dXMin < cx && cx < m_dXMax;
    const bool differential = m_nDemoOption2 == 2;
    // The column's margin, drawn in every reading alike.
    const int column = m_nPlotRight - 20;
    calculus::FrameMarginForColumn(*this, pDC, column, {u8"dx增加", u8"dx减少"});
    if (cursorInside && differential) {
        if (TextButton(pDC, column, m_nPlotTop, Gbk(u8"dx增加")))
            m_dStepH = std::min(m_dStepH * 2, kMaxStepH);
        if (TextButton(pDC, column, m_nPlotTop + 24, Gbk(u8"dx减少")))
            m_dStepH = std::max(m_dStepH / 2, kMinStepH);
    }
    PlotCurveG(pDC, m_dXMin, m_dXMax, m_crFirstDerivative);
    double d = (b - a) * kFineStep;
    if (!(d > 0) || !std::isfinite(d) || !std::isfinite(cx)) return;
    d = std::max(d, m_dXSpan / kMaxFineSteps);
    const int k = m_nFuncF;
    DotTrail curve, phi;
    int lastColumn = INT_MIN;
    double x = a, S = 0, F0 = EvalF(x, k);
    // One step of the running integral with the picture at x.
    const auto step = [&](COLORREF area, COLORREF dot) {
        const double F1 = EvalF(x + d, k);
        S += d * (F0 + 4 * EvalF(x + d / 2, k) + F1) / 6;
        if (Inside(F0, m_dYMin, m_dYMax)) {
            int px, py;
            // One vertical per pixel column is enough for the shaded area.
            if (MapWorldWhole(x, 0, &px, &py) && px != lastColumn) {
                lastColumn = px;
                DrawLineWorld(pDC, x, 0, x, F0, area);
            }
            curve.Dot(*this, pDC, x, F0, dot);
        }
        if (Inside(S, m_dYMin, m_dYMax)) phi.Dot(*this, pDC, x, S, m_crSecondDerivative);
        x += d;
        F0 = F1;
    };
    // Steps a + i·d, counted before the first (at least one).
    const long toCursor = std::max(1L, steps::Count(a, cx, d, kMaxFineSteps, false));
    long i = 0;
    for (; i < toCursor; ++i) {
        x = a + double(i) * d;
        step(kAreaColour, m_crFirstDerivative);
    }
    const double Dx = m_dStepH * m_dXSpan;
    if (differential && cx < m_dXMax - Dx && Dx > 0) {
        lastColumn = INT_MIN;
        const long toEnd = steps::Count(a, cx + Dx, d, toCursor + kMaxFineSteps, false);
        for (; i < toEnd; ++i) {
            x = a + double(i) * d;
            step(m_crFirstDerivative, m_crSecondDerivative);
        }
        const double top = EvalF(x - Dx, k);
        DrawLineWorld(pDC, x - Dx, top, x, top, m_crCurveSetting);
    }
    if (cursorInside && differential)
        DrawArrowWorld(pDC, cx + 0.2 * m_dXSpan, 0.7 * F0, cx + Dx / 2, F0 / 2, 0, "f(x)dx", "",
                       m_crCurveSetting);
}

double CPemroView::DrawRiemannSums(CDC* pDC, double a, double b, int n) {
    const int CH = m_nBaseCharHeight;
    const struct {
        int x;
        const char* label;
        double place;
    } kinds[] = {{3 * CH, u8"左端点", 0}, {5 * CH, u8"中点", 0.5}, {13 * CH / 2, u8"右端点", 1}};
    for (const auto& kind : kinds) {
        const CString label = Gbk(kind.label);
        if (TextButton(pDC, ButtonClearOfYAxisName(m_nPlotLeft + kind.x, label), m_nPlotTop, label))
            m_dDemoParam = kind.place;
    }
    if (!(m_dDemoParam >= 0 && m_dDemoParam <= 1)) m_dDemoParam = 0.5;
    const double c = m_dDemoParam, h = (b - a) / n;
    const int k = m_nFuncF;
    // Strips by index: x += h would add a strip whenever rounding leaves the
    // last start just short of b.
    double S = 0;
    for (int i = 0; i < n && b > a; ++i) {
        const double x = a + i * h, y = EvalF(x + c * h, k);
        S += y * h;
        if (Inside(y, m_dYMin, m_dYMax) && n < kOutlineLimit) {
            DrawLineWorld(pDC, x, 0, x, y, m_crSection);
            DrawLineWorld(pDC, x + h, 0, x + h, y, m_crSection);
            DrawLineWorld(pDC, x, y, x + h, y, m_crSection);
        }
    }
    if (n >= kOutlineLimit) ShadeAreaUnderF(pDC, a, b, m_crFirstDerivative);
    const char* caption = c <= 0.2 ? u8"取左端点" : c >= 0.7 ? u8"取右端点" : u8"取中点";
    const int x = calculus::ColumnInFigure(*this, m_nPlotRight - 60,
                                           {u8"取左端点", u8"取右端点", u8"取中点"});
    TextButtonInPlot(pDC, x, m_nPlotTop - 22, 60, 20, Gbk(caption), m_crFirstDerivative);
    return S;
}
