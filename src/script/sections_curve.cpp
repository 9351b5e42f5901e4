// Command sections of the curve commands: the projection switches, the page's
// function graph, single catalogue curves, the increment piece of a curve,
// the d'Alembert wave, the coefficient button row and the classical curves.
#include "calculus/button_column.h"
#include "catalog/catalog_params.h"
#include "platform/real_steps.h"
#include "platform/text_codec.h"
#include "script/script_args.h"
#include "view/view.h"

#include <cmath>

namespace {

// First argument column: right after the keyword and its "(".
constexpr int kFirstArgProjDomain = 11;
constexpr int kFirstArgCurve = 6;
constexpr int kFirstArgcurve = 6;
constexpr int kFirstArgcurveDert = 10;
constexpr int kFirstArgDAlembert = 10;
constexpr int kFirstArgNormalCurve = 12;
constexpr int kFirstArgToolbarData = 11; // read from the "(" on, where the scripts put it

// The increment piece: an x0 this far outside the range (in spans) is the
// cursor's.
constexpr double kDertMargin = 0.2;
constexpr double kDertUp = 1.25;
constexpr double kDertDown = 0.8;

// d'Alembert: samples across the range and the quadrature of the integral
// term, five Gauss-Legendre nodes on each of 200 panels.
constexpr int kWaveSamples = 1000;
constexpr int kWavePanels = 200;
constexpr int kMaxPiecePanels = 8;
constexpr double kGaussNodes[5] = {-0.9061798459386640, -0.5384693101056831, 0.0,
                                   0.5384693101056831, 0.9061798459386640};
constexpr double kGaussWeights[5] = {0.2369268850561891, 0.4786286704993665, 0.5688888888888889,
                                     0.4786286704993665, 0.2369268850561891};

// The plot mode, function index and construction of each classical curve.
struct ClassicalCurve {
    int plotMode;
    int func;
};
constexpr ClassicalCurve kClassicalCurves[14] = {
    {0, 0},  {1, 1}, {1, 15}, {2, 8},  {2, 8},  {0, 3},  {0, 4},
    {2, 14}, {1, 3}, {1, 5},  {1, 19}, {1, 20}, {1, 21}, {1, 15},
};
constexpr int kClassicalFirst = 1;
constexpr int kClassicalLast = 13;

// ∫ w(s) ds over [a, b] by the composite five-point Gauss-Legendre rule.
template <class W> double GaussIntegral(double a, double b, int panels, W w) {
    const double h = (b - a) / panels;
    double sum = 0;
    for (int p = 0; p < panels; ++p) {
        const double mid = a + (p + 0.5) * h;
        for (int i = 0; i < 5; ++i) sum += kGaussWeights[i] * w(mid + 0.5 * h * kGaussNodes[i]);
    }
    return 0.5 * h * sum;
}

// Panels of one running piece dx wide: no wider than those of the whole
// interval [x − at, x + at], a few at most.
int WavePiecePanels(double dx, double spread) {
    const double whole = 2 * std::fabs(spread) / kWavePanels;
    if (!(whole > 0)) return 1;
    const double n = std::ceil(dx / whole);
    return n < kMaxPiecePanels ? (n > 1 ? int(n) : 1) : kMaxPiecePanels;
}

} // namespace

void CPemroView::CmdProjDomain(CDC*) {
    // The base is the figure's own in every pass (each pass starts from the
    // default rectangle); the switches are taken only on the paints of a
    // freshly selected topic, so the user's later changes to them survive.
    m_adRegionRect[0] = ReadScriptNumber(kFirstArgProjDomain);
    for (int i = 1; i < 4; ++i) m_adRegionRect[i] = ReadScriptNumber(m_nParsePos);
    if (!m_bLoadScriptSettings) return;
    if (IsArgListOpen()) m_bProjectXoy = ScriptInt(ReadScriptNumber(m_nParsePos));
    if (IsArgListOpen()) m_bProjectBase = ScriptInt(ReadScriptNumber(m_nParsePos));
    if (IsArgListOpen()) m_nProjectionDisplay = ScriptInt(ReadScriptNumber(m_nParsePos));
}

void CPemroView::CmdCurve(CDC* pDC) {
    ReadPlotSetup(kFirstArgCurve);
    if (!m_bFigureVisible) return;
    const int m = IsArgListOpen() ? ScriptInt(ReadScriptNumber(m_nParsePos)) : 1;
    // m = 1 paints the figure's background; any other m draws over the page.
    DrawCurve(pDC, m == 1 ? 0 : 1, 0, m_dIntervalA, m_dIntervalB, m_astrCommandLabel[0],
              m_astrCommandLabel[1]);
}

void CPemroView::Cmdcurve(CDC* pDC) {
    if (!m_bPlaneCmdsEnabled || !m_bFigureVisible) return;
    const int index = ScriptInt(ReadScriptNumber(kFirstArgcurve));
    const int kind = ScriptInt(ReadScriptNumber(m_nParsePos));
    double t0 = ReadScriptNumber(m_nParsePos);
    double t1 = ReadScriptNumber(m_nParsePos);
    ReadScriptColors(TRUE, FALSE);
    if (!(t0 >= m_dIntervalA && t1 <= m_dIntervalB)) {
        // An end outside the range runs to the dragged cursor; drawn in the
        // fill colour when the cursor lies on the other side.
        if (t0 < m_dXMin) t0 = m_dCursorX;
        if (t1 > m_dXMax) t1 = m_dCursorX;
        if (t0 > t1) {
            const double t = t0;
            t0 = t1;
            t1 = t;
            m_crPen = m_crDefaultFill;
        }
    }
    // Equal ends give nothing to draw.
    if (!(t0 < t1)) return;
    PlotCurveByKind(pDC, index, kind, t0, t1, m_crPen);
}

void CPemroView::CmdcurveDert(CDC* pDC) {
    if (!m_bPlaneCmdsEnabled || !m_bFigureVisible) return;
    double x0 = ReadScriptNumber(kFirstArgcurveDert);
    const int index = ScriptInt(ReadScriptNumber(m_nParsePos));
    const int buttons = ScriptInt(ReadScriptNumber(m_nParsePos));
    ReadScriptColors(TRUE, FALSE);
    if (x0 < m_dXMin - kDertMargin * m_dXSpan || x0 > m_dXMax + kDertMargin * m_dXSpan)
        x0 = m_dCursorX;
    const double x1 = x0 + m_dStepH * m_dXSpan;
    if (x0 < x1) PlotCurveByKind(pDC, index, 0, x0, x1, m_crPen);
    if (buttons != 1) return;
    // The buttons straddle the frame's right edge; the frame widens to hold them.
    calculus::FrameMarginForColumn(*this, pDC, m_nFigureRight - 20, {u8"△x增", u8"△x减"});
    if (TextButtonInPlot(pDC, m_nFigureRight - 20, m_nFigureTop + 4, 36, 20, Gbk(u8"△x增"),
                         m_crCurveSetting))
        m_dStepH *= kDertUp;
    if (TextButtonInPlot(pDC, m_nFigureRight - 20, m_nFigureTop + 26, 36, 20, Gbk(u8"△x减"),
                         m_crCurveSetting))
        m_dStepH *= kDertDown;
}

void CPemroView::CmdDAlembert(CDC* pDC) {
    ReadPlotSetup(kFirstArgDAlembert);
    if (m_bLoadScriptSettings) m_dTimeT = 0;
    DrawFunctionGraph(pDC, 0, 0, 0.0, 0.0, "x", "u");
    if (!m_bZoom) {
        // The speed a is the set-up's interval start: its saved copy changes
        // with it, or the next set-up would put the script's value back.
        const int x = m_nPlotRight, y = m_nPlotTop;
        // The column stands right of the plot; the frame widens to hold it.
        calculus::FrameMarginForColumn(*this, pDC, x, {u8"t增", u8"t减", u8"a增", u8"a减"});
        const double step = m_dParamStep;
        double dt = 0, da = 0;
        if (TextButton(pDC, x, y, Gbk(u8"t增"))) dt = step;
        if (TextButton(pDC, x, y + 24, Gbk(u8"t减"))) dt = -step;
        if (TextButton(pDC, x, y + 48, Gbk(u8"a增"))) da = step;
        if (TextButton(pDC, x, y + 72, Gbk(u8"a减"))) da = -step;
        if (dt != 0 || da != 0) {
            m_dTimeT += dt;
            m_dIntervalA += da;
            m_dSavedIntervalA = m_dIntervalA;
            m_bLoadScriptSettings = 0;
        }
    }
    // A wave speed of 0 or below would divide by zero.
    if (!(m_dIntervalA > 0)) m_dSavedIntervalA = m_dIntervalA = 1.0;
    if (!IsFigureBandVisible() || !(m_dXSpan > 0) || !std::isfinite(m_dXSpan) || IsClickAnswered())
        return;

    // u(x, t) = [φ(x + at) + φ(x − at)] / 2 + ∫ ψ(s) ds / (2a) over
    // [x − at, x + at]: φ is f(x), the initial velocity ψ is g(x). The
    // integral is kept running: moving x by dx adds the piece ahead of
    // x + at and takes off the piece ahead of x − at.
    const double a = m_dIntervalA, t = m_dTimeT, spread = a * t;
    const int phi = m_nFuncUpper, psi = m_nFuncLower;
    // ψ's coefficients are gathered once: it is evaluated thousands of times.
    const catalog::ExplicitCoefs cf = catalog::CoefsB(*this);
    const catalog::Extension ext = catalog::ExtensionOf(*this);
    const catalog::Densities dn = catalog::DensitiesOf(*this);
    const auto w = [&](double s) {
        return catalog::EvalExplicit(catalog::ExplicitCatalogue::B, s, psi, cf, ext, dn);
    };
    // A zero ψ (the plucked string) adds nothing to integrate.
    const bool moving =
        spread != 0 && !catalog::VanishesEverywhere(catalog::ExplicitCatalogue::B, psi, cf);
    const double dx = m_dXSpan / kWaveSamples;
    const int piecePanels = WavePiecePanels(dx, spread);
    double x = m_dXMin;
    double integral = moving ? GaussIntegral(x - spread, x + spread, kWavePanels, w) : 0.0;
    const auto u = [&](double at) {
        return 0.5 * (EvalF(at + spread, phi) + EvalF(at - spread, phi)) + integral / (2 * a);
    };
    double value = u(x);
    const long samples = steps::Count(m_dXMin, m_dXMax, dx, kWaveSamples, false);
    for (long i = 0; i < samples; ++i) {
        x = m_dXMin + double(i) * dx;
        const double next = x + dx;
        if (moving)
            integral += GaussIntegral(x + spread, next + spread, piecePanels, w) -
                        GaussIntegral(x - spread, next - spread, piecePanels, w);
        const double nextValue = u(next);
        DrawLineWorld(pDC, x, value, next, nextValue, m_crDefaultPen);
        value = nextValue;
    }
}

void CPemroView::CmdToolbarData(CDC* pDC) {
    if (!m_bPlaneCmdsEnabled || !m_bFigureVisible) return;
    DrawToolbarData(pDC, ScriptInt(ReadScriptNumber(kFirstArgToolbarData)));
}

void CPemroView::CmdNormalCurve(CDC* pDC) {
    ReadPlotSetup(kFirstArgNormalCurve);
    if (!m_bFigureVisible) return;
    const int k = m_nFuncUpper;
    if (k >= kClassicalFirst && k <= kClassicalLast) {
        m_nPlotMode = kClassicalCurves[k].plotMode;
        m_nFuncF = kClassicalCurves[k].func;
        m_nClassicalCurve = k;
    }
    DrawFunctionGraph(pDC, 0, 0, m_dIntervalA, m_dIntervalB, "x", "y");
    m_nClassicalCurve = -1;
}
