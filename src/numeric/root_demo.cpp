// Root finding step by step: bisection, Newton (simple or multiple root),
// secant, fixed-point iteration and Steffensen's acceleration, drawn over
// the graph of the function with an optional table of the iterates.
#include "calculus/button_column.h"
#include "catalog/catalog_params.h"
#include "platform/text_codec.h"
#include "view/view.h"

#include <algorithm>
#include <cmath>

namespace {

// Central-difference steps relative to max(1, |x|): near the cube and the
// fourth root of the rounding unit, where truncation and rounding balance.
constexpr double kSlopeStep = 1e-5;
constexpr double kCurvatureStep = 1e-4;
constexpr double kEpsilonUp = 2.0;
constexpr double kEpsilonDown = 0.5;
// Steps of one paint at most, whatever n.
constexpr int kMaxRootSteps = 100000;
// The parameter scan that seeds a parametric curve's solve.
constexpr double kParamScanEnd = 12.0;
constexpr double kParamScanStep = 0.001;
constexpr int kLineYEqualsX = 20; // catalogue form y = x
constexpr int kTablePalette = 6;  // palette colour of the bisection and secant rows
constexpr int kTableRows = 9;

enum RootMethod { kBisection = 0, kNewton, kSecant, kFixedPoint, kSteffensen };

constexpr const char* kMethodButtons[] = {u8"牛顿法", u8"二分法", u8"弦截法", u8"不动点",
                                          u8"斯蒂芬森"};
constexpr int kMethodOfButton[] = {kNewton, kBisection, kSecant, kFixedPoint, kSteffensen};

// f'(x) and f''(x) of the function the page solves: from the form where the
// catalogue states them, otherwise by central differences.
void RootSlopes(CPemroView& v, double x, double* d1, double* d2) {
    const bool plain = v.m_nPlotMode == 0 && !(v.m_nCombineMode >= 1 && v.m_nCombineMode <= 4);
    if (plain) {
        const catalog::ExplicitCoefs cf = catalog::CoefsOf(
            v.m_adCoefF, v.m_adCoefFExtra[0], v.m_adCoefFExtra[1], v.m_adCoefFExtra[2], v.m_dAlphaF,
            v.m_dBetaF, v.m_dBreakF0, v.m_dBreakF1);
        if (catalog::ExplicitPolynomialSlopes(catalog::ExplicitCatalogue::A, x, v.m_nFuncF, cf,
                                              catalog::ExtensionOf(v), d1, d2))
            return;
    }
    const double scale = std::max(1.0, std::fabs(x));
    const double h = kSlopeStep * scale, H = kCurvatureStep * scale;
    *d1 = (v.EvalRootFunction(x + h) - v.EvalRootFunction(x - h)) / (2 * h);
    *d2 = (v.EvalRootFunction(x + H) - 2 * v.EvalRootFunction(x) + v.EvalRootFunction(x - H)) /
          (H * H);
}

} // namespace

double CPemroView::EvalRootFunction(double x) {
    if (m_nPlotMode == 1) {
        // Start the parameter solve from the t whose x(t) lies nearest x.
        double best = 0, bestDistance = HUGE_VAL;
        for (int i = 0; i * kParamScanStep < kParamScanEnd; ++i) {
            const double t = i * kParamScanStep;
            const double d = std::fabs(EvalParamX(t, m_nFuncF) - x);
            if (d < bestDistance) bestDistance = d, best = t;
        }
        m_dFoundX = best;
    }
    return EvalCurveY(x, m_nFuncF);
}

void CPemroView::DrawRootMessage(CDC* pDC, const char* utf8Text) {
    // Left of the ε buttons' column, which a large font widens towards it.
    const CString text = Gbk(utf8Text);
    const int x = std::min(m_nPlotRight - 150, m_nPlotRight - m_nBaseCharHeight -
                                                   ButtonWidth(text) - 2 * kButtonRowGap - 4);
    DrawFramedLabel(pDC, x, m_nPlotTop + 30, 144, 20, text, m_crSection, RGB(150, 150, 150),
                    RGB(150, 150, 150));
}

void CPemroView::DrawRoot(CDC* pDC, int method) {
    const int R = m_nPlotRight, T = m_nPlotTop, ch = m_nBaseCharHeight;
    const COLORREF btn = m_crCurveSetting;
    // The column straddles the plot's right edge; the frame widens to hold
    // its widest button, the same in every pass.
    calculus::FrameMarginForColumn(*this, pDC, R - ch,
                                   {u8"ε增加", u8"ε减少", u8"牛顿法", u8"二分法", u8"弦截法",
                                    u8"不动点", u8"斯蒂芬森", u8"不显示数据", u8"按重根"});
    if (TextButtonInPlot(pDC, R - 5 * ch, T + 4, 50, 20, Gbk(u8"n增加"), btn)) ++m_nDemoStep;
    if (TextButtonInPlot(pDC, R - 3 * ch, T + 4, 50, 20, Gbk(u8"n减少"), btn)) --m_nDemoStep;
    if (TextButtonInPlot(pDC, R - 2 * ch, T - 24, 80, 20, Gbk(u8"从头开始"), btn)) m_nDemoStep = 0;
    // The user's ε stands from now on: a script that gives ε would otherwise
    // put it back at every paint.
    if (TextButtonInPlot(pDC, R - ch, T, 80, 20, Gbk(u8"ε增加"), btn))
        m_dEpsilon *= kEpsilonUp, m_bLoadScriptSettings = FALSE;
    if (TextButtonInPlot(pDC, R - ch, T + 24, 80, 20, Gbk(u8"ε减少"), btn))
        m_dEpsilon *= kEpsilonDown, m_bLoadScriptSettings = FALSE;
    for (int i = 0; i < 5; ++i) {
        if (TextButtonInPlot(pDC, R - ch, T + 48 + 24 * i, 80, 20, Gbk(kMethodButtons[i]), btn)) {
            m_nPendingFuncLower = kMethodOfButton[i];
            m_bSelectionPending = TRUE;
        }
    }
    const bool table = m_nDemoOption == 1;
    if (TextButtonInPlot(pDC, R - ch, T + 168, 80, 20, Gbk(table ? u8"不显示数据" : u8"显示数据"),
                         btn))
        m_nDemoOption = table ? 0 : 1;
    if (method == kNewton) {
        if (TextButtonInPlot(pDC, R - ch, T + 192, 80, 20, Gbk(u8"按重根"), btn))
            m_nDemoOption2 = 1;
        if (TextButtonInPlot(pDC, R - ch, T + 216, 80, 20, Gbk(u8"按单根"), btn))
            m_nDemoOption2 = 0;
    }
    if (m_dEpsilon < 0) m_dEpsilon = 0.001;
    if (m_nDemoStep < 0) m_nDemoStep = 0;
    const double eps = m_dEpsilon;
    const int n = m_nDemoStep;

    const double xs = m_dXSpan, ys = m_dYSpan;
    static const char* const kTitles[] = {u8"二分法", nullptr, u8"弦截法", u8"不动点",
                                          u8"斯蒂芬森"};
    if (method >= kBisection && method <= kSteffensen) {
        const char* title = method != kNewton     ? kTitles[method]
                            : m_nDemoOption2 == 1 ? u8"牛顿迭代法按重根"
                                                  : u8"牛顿迭代法按单根";
        DrawStringWorld(pDC, m_dXMin + 0.2 * xs, m_dYMin + 0.22 * ys, Gbk(title), btn);
    }
    DrawLabelNumber(pDC, 0, m_dXMin + 0.6 * xs, m_dYMax - 0.9 * ys, Gbk(u8"ε="), 6, eps,
                    kTablePalette);
    DrawLabelValue(pDC, m_dXMin, m_dYMin + 0.1 * ys, "n=", 0, n, btn);
    if (method < kBisection || method > kSteffensen) return;

    // Table rows at steps 0, s, 2s, ... (at most nine).
    const int stride = n / kTableRows + 1;
    int due = 0, row = 0;
    auto rowDue = [&](int k) {
        if (!table || k < due) return false;
        due += stride;
        return true;
    };
    auto rowY = [&] { return m_dYMax - row * ys / 10; };
    auto stepLabel = [&](int k, COLORREF colour) {
        DrawLabelValue(pDC, m_dXMin + 0.05 * xs, rowY(), "n=", 0, k, colour);
    };
    auto argRow = [&](int k, double x, double fx) {
        stepLabel(k, m_acrPalette[kTablePalette]);
        DrawLabelNumber(pDC, 0, m_dXMin + 0.15 * xs, rowY(), "f(", 6, x, kTablePalette);
        DrawLabelNumber(pDC, 0, m_dXMin + 0.4 * xs, rowY(), ")=", 6, fx, kTablePalette);
        ++row;
    };
    auto mark = [&](double x, double y) {
        DrawDotWorld(pDC, x, y, 2, 2, m_crSecondDerivative, m_crSecondDerivative);
    };
    auto iterateRow = [&](int k, double x, double next) {
        DrawLabelValuePair(pDC, m_dXMin + 0.1 * xs, rowY(), "x =", 6, x, "", 0, k, 1.0, -0.3, btn);
        DrawLabelValuePair(pDC, m_dXMin + 0.5 * xs, rowY(), "x =", 6, next, "", 0, k + 1, 1.0, -0.3,
                           btn);
        ++row;
    };
    const COLORREF line = m_crFirstDerivative;

    if (method == kBisection) {
        double a = m_dIntervalA, b = m_dIntervalB;
        if (EvalRootFunction(a) * EvalRootFunction(b) > 0) {
            DrawRootMessage(pDC, u8"二分法无效");
            return;
        }
        for (int k = 0; k < kMaxRootSteps;) {
            const double fa = EvalRootFunction(a), fb = EvalRootFunction(b);
            const double m = (a + b) / 2, fm = EvalRootFunction(m);
            if (fa * fm > 0) a = m;
            if (fm * fb > 0) b = m;
            DrawLineWorld(pDC, m, 0, m, fm, line);
            mark(m, fm), mark(m, 0);
            if (rowDue(k)) argRow(k, m, fm);
            ++k;
            if (fm * fb == 0 || !(b - a > eps && k <= n)) break;
        }
        return;
    }

    if (method == kNewton) {
        double x = m_dCursorX;
        for (int k = 0; k < kMaxRootSteps;) {
            double d = 0, s = 0;
            RootSlopes(*this, x, &d, &s);
            // Last: the parametric solve leaves its parameter for x's value.
            const double fk = EvalRootFunction(x);
            double next = x;
            if (m_nDemoOption2 == 1) {
                const double D = d * d - fk * s;
                if (D != 0) next = x - d * fk / D;
            } else if (d != 0) {
                next = x - fk / d;
            }
            const double fn = EvalRootFunction(next);
            if (d == 0 || next < m_dXMin || next > m_dXMax) {
                DrawRootMessage(pDC, u8"迭代出界");
            } else {
                DrawLineWorld(pDC, next, 0, next, fn, line);
                DrawLineWorld(pDC, x, fk, next, 0, line);
                mark(next, fn), mark(next, 0);
            }
            if (rowDue(k)) {
                stepLabel(k, btn);
                DrawLabelValuePair(pDC, m_dXMin + 0.2 * xs, rowY(), "f        =", 6, fn, "", 6,
                                   next, 1.0, -0.3, btn);
                ++row;
            }
            ++k;
            const double distance = std::fabs(next - x);
            x = next;
            if (!(distance > eps && k <= n)) break;
        }
        return;
    }

    if (method == kSecant) {
        double x0 = m_dCursorX, x1 = x0 + 0.05 * xs;
        double f0 = EvalRootFunction(x0);
        for (int k = 0; k < kMaxRootSteps;) {
            const double f1 = EvalRootFunction(x1);
            const double x2 = f1 != f0 ? x1 - (x1 - x0) * f1 / (f1 - f0) : x1 + 0.01 * xs;
            const double f2 = EvalRootFunction(x2);
            if (x0 < m_dXMin || x0 > m_dXMax) {
                DrawRootMessage(pDC, u8"迭代出界");
            } else {
                DrawLineWorld(pDC, x1, 0, x1, f1, line);
                DrawLineWorld(pDC, x2, f2, x1, f1, line);
                mark(x2, f2), mark(x1, 0);
            }
            if (rowDue(k)) argRow(k, x2, f2);
            ++k;
            const double distance = std::fabs(x2 - x1);
            x0 = x1, f0 = f1, x1 = x2;
            if (!(distance > eps && k <= n)) break;
        }
        return;
    }

    // Fixed point and Steffensen: x = φ(x) against the line y = x.
    PlotCurveByKind(pDC, kLineYEqualsX, 0, m_dIntervalA, m_dIntervalB, line);
    double x = m_dCursorX;
    for (int k = 0; k < kMaxRootSteps;) {
        const double y = EvalRootFunction(x);
        double next = y;
        if (method == kSteffensen) {
            const double z = EvalRootFunction(y);
            const double D = z - 2 * y + x;
            next = D != 0 ? x - (y - x) * (y - x) / D : x;
        }
        if (y < m_dYMin || y > m_dYMax || y < m_dIntervalA || y > m_dIntervalB) {
            DrawRootMessage(pDC, u8"迭代出界");
        } else {
            DrawLineWorld(pDC, x, 0, x, y, line);
            mark(x, y), mark(x, 0);
        }
        if (rowDue(k)) iterateRow(k, x, next);
        ++k;
        const double distance = std::fabs(next - x);
        x = next;
        if (!(distance > eps && k <= n)) break;
    }
}
