// "Vibration": a mass on a coil spring, u″ + p·u′ + q·u = f(t), animated
// frame after frame within one pass from the displacement the click set.
#include "calculus/button_column.h"
#include "view/view.h"

#include "catalog/catalog_params.h"

#include "platform/frame_presenter.h"
#include "platform/text_codec.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <iterator>

namespace {

constexpr int kFirstArgVibration = 10;
// The run: frames every half time unit, each after 5000 steps of 0.0001.
constexpr double kFrameTime = 0.5;
constexpr double kStepTime = 0.0001;
constexpr double kShortestRun = 10.0;
// "t增大" doubles the run up to this length (160 frames).
constexpr double kLongestRun = 80.0;
// The spring: a helix seen from the side, traced in steps of 0.02.
constexpr double kSpringFrom = 0.25;
constexpr double kSpringTo = 98.8;
constexpr double kSpringStep = 0.02;
constexpr COLORREF kValueColour = 5; // a palette number
static_assert(CPemroView::VibrationRun::kFrames == int(kLongestRun / kFrameTime),
              "a kept run holds the longest run's frames");

} // namespace

// Every input of the run: the start, p and q, and all that f(t) reads.
CPemroView::VibrationRun& CPemroView::VibrationRunFor(double u0) {
    double key[VibrationRun::kKeySize] = {};
    int n = 0;
    const auto put = [&](double x) { key[n++] = x; };
    put(u0), put(m_dOdeP), put(m_dOdeQ);
    put(m_nCombineMode), put(m_nFuncUpper), put(m_nFuncLower);
    const catalog::ExplicitCoefs coefs[2] = {
        catalog::CoefsOf(m_adCoefF, m_adCoefFExtra[0], m_adCoefFExtra[1], m_adCoefFExtra[2],
                         m_dAlphaF, m_dBetaF, m_dBreakF0, m_dBreakF1),
        catalog::CoefsB(*this)};
    for (const catalog::ExplicitCoefs& c : coefs)
        for (double x : {c.a, c.b, c.c, c.d, c.e, c.f, c.g, c.h, c.i, c.alpha, c.beta, c.x0, c.x1})
            put(x);
    const catalog::Extension ext = catalog::ExtensionOf(*this);
    put(ext.periodic), put(ext.period), put(ext.symmetry);
    const catalog::Densities d = catalog::DensitiesOf(*this);
    for (double x : {d.lambda, d.mu, d.sigma, d.invSqrt2Pi, double(d.n), double(d.m), d.gammaAlpha,
                     d.gammaBeta})
        put(x);
    for (VibrationRun& run : m_aVibrationRuns)
        if (run.known > 0 && std::memcmp(run.key, key, sizeof key) == 0) return run;
    VibrationRun& run = m_aVibrationRuns[m_nNextVibrationRun];
    m_nNextVibrationRun = (m_nNextVibrationRun + 1) % int(std::size(m_aVibrationRuns));
    std::memcpy(run.key, key, sizeof key);
    run.u[0] = u0;
    run.v[0] = 0;
    run.known = 1;
    return run;
}

// The run's frame starts up to `frame`, from the last one known: frames
// every half time unit, each after 5000 classical Runge-Kutta steps of
// 0.0001 on u' = v, v' = -p·v - q·u + f(t). A measured hot loop: f's
// parameters are gathered once, its value at the middle of a step serves
// both middle slopes, and an f that is 0 everywhere is not evaluated.
void CPemroView::ExtendVibrationRun(VibrationRun* run, int frame) {
    const catalog::ViewFunctionF f(*this, m_nFuncUpper);
    const bool combined = m_nCombineMode >= 1 && m_nCombineMode <= 4;
    const bool forced =
        combined ||
        !catalog::VanishesEverywhere(catalog::ExplicitCatalogue::A, m_nFuncUpper,
                                     catalog::CoefsOf(m_adCoefF, m_adCoefFExtra[0],
                                                      m_adCoefFExtra[1], m_adCoefFExtra[2],
                                                      m_dAlphaF, m_dBetaF, m_dBreakF0, m_dBreakF1));
    const double p = m_dOdeP, q = m_dOdeQ, h = kStepTime;
    const long steps = long(kFrameTime / kStepTime + 0.5);
    for (int i = run->known; i <= frame && i < VibrationRun::kFrames; ++i) {
        const double t = (i - 1) * kFrameTime;
        double u = run->u[i - 1], v = run->v[i - 1];
        for (long j = 0; j < steps; ++j) {
            const double x = t + j * h;
            const double f0 = forced ? f(x) : 0.0, f1 = forced ? f(x + h / 2) : 0.0,
                         f2 = forced ? f(x + h) : 0.0;
            const double k1u = v, k1v = -p * v - q * u + f0;
            const double u2 = u + h * k1u / 2, v2 = v + h * k1v / 2;
            const double k2v = -p * v2 - q * u2 + f1;
            const double u3 = u + h * v2 / 2, v3 = v + h * k2v / 2;
            const double k3v = -p * v3 - q * u3 + f1;
            const double u4 = u + h * v3, v4 = v + h * k3v;
            const double k4v = -p * v4 - q * u4 + f2;
            u = u + h * (k1u + 2 * v2 + 2 * v3 + v4) / 6;
            v = v + h * (k1v + 2 * k2v + 2 * k3v + k4v) / 6;
        }
        run->u[i] = u;
        run->v[i] = v;
        run->known = i + 1;
    }
}

void CPemroView::CmdVibration(CDC* pDC) {
    ReadPlotSetup(kFirstArgVibration);
    if (m_bFigureVisible) DrawVibration(pDC);
}

void CPemroView::DrawVibration(CDC* pDC) {
    m_nSurfaceUpper = 0;
    m_nSurfaceLower = 0;
    if (!(m_dDemoParam >= kShortestRun)) m_dDemoParam = kShortestRun;
    if (!IsFigureBandVisible()) return;
    const double k = m_dParamStep, XSpan = m_dXSpan, YSpan = m_dYSpan;
    const double xa = m_dXMin + k * XSpan, ym = m_dYMin + 0.5 * YSpan;
    DrawFunctionGraph(pDC, 0, 3, 0.0, 0.0, "", "");
    DrawArrowWorld(pDC, xa, m_dYMax - 0.01 * YSpan, xa, m_dYMin, 0, "o", "x", m_crSecondDerivative);
    DrawDotWorld(pDC, xa, ym, 3, 3, m_crCurveSetting, m_crCurveSetting);
    // The buttons act before the run, so a click on one shows its effect in
    // the run it starts.
    VibrationButtons(pDC);

    if (HitTestGraphRegion(0)) {
        double u = ym - m_dCursorY;
        if (!(std::fabs(u) < 0.5 * YSpan)) u = 0;
        // As long as the buttons allow: a run set elsewhere may be any number.
        const double T = std::min(m_dDemoParam, kLongestRun);
        const int frames = int(std::ceil(T / kFrameTime));
        CFramePresenter presenter(this, frames, IsClickPass() && !m_bPrintMode);
        VibrationRun& run = VibrationRunFor(u);
        for (int i = 0; i < frames; ++i) {
            if (presenter.Draws(i)) {
                ExtendVibrationRun(&run, i);
                DrawVibrationFrame(pDC, run.u[i]);
                if (!presenter.Present()) break;
            }
        }
    }
    DrawLabelNumber(pDC, 0, m_dXMin + 0.2 * XSpan, m_dYMin + 0.3 * YSpan, "p=", 6, m_dOdeP,
                    kValueColour);
    DrawLabelNumber(pDC, 0, m_dXMin + 0.2 * XSpan, m_dYMin + 0.15 * YSpan, "q=", 6, m_dOdeQ,
                    kValueColour);
}

// One frame: the middle of the plot cleared, the spring stretched by the
// displacement u, the rod and the mass at its end.
void CPemroView::DrawVibrationFrame(CDC* pDC, double u) {
    const double k = m_dParamStep, XSpan = m_dXSpan, YSpan = m_dYSpan;
    const double scale = m_dVibrationScale = 0.2 * u + k * YSpan;
    FillRectPx(pDC, ToPixel(m_nPlotLeft + 0.15 * m_nPlotWidth), m_nPlotTop,
               ToPixel(m_nPlotRight - 0.15 * m_nPlotWidth), m_nPlotBottom, m_crGround);
    const auto P = [&](double s, double* x, double* y) {
        *x = k * XSpan * std::cos(s) - 0.02 * YSpan * std::sin(s);
        *y = m_dYMax - 0.05 * scale * s + 0.02 * YSpan * std::sin(s);
    };
    double s = kSpringFrom;
    for (; s < kSpringTo; s += kSpringStep) {
        double x1, y1, x2, y2;
        P(s, &x1, &y1);
        P(s + kSpringStep, &x2, &y2);
        DrawLineWorld(pDC, x1, y1, x2, y2, m_crCurveSetting);
    }
    const double ye = m_dYMax - 0.05 * scale * (s + kSpringStep) + 0.1 * std::sin(s + kSpringStep);
    DrawLineWorld(pDC, 0, ye, 0, ye - 0.04 * YSpan, m_crCurveSetting);
    DrawDotWorld(pDC, 0, ye, 3, 3, m_crSecondDerivative, m_crSecondDerivative);
    FillRectWorld(pDC, m_dXMin + 0.4 * XSpan, m_dXMin + 0.6 * XSpan, ye - 0.14 * YSpan,
                  ye - 0.04 * YSpan, m_crCurveSetting);
    DrawStringWorld(pDC, m_dXMin + 0.45 * XSpan, ye - 0.09 * YSpan, "M", m_crDefaultPen);
}

void CPemroView::VibrationButtons(CDC* pDC) {
    const int T = m_nPlotTop;
    const int x = m_nPlotRight;
    calculus::FrameMarginForColumn(
        *this, pDC, x, {u8"t增大", u8"t减小", u8"p增大", u8"p减小", u8"q增大", u8"q减小"});
    const double k = m_dParamStep;
    if (TextButton(pDC, x, T, Gbk(u8"t增大")))
        m_dDemoParam = m_dDemoParam * 2 > kLongestRun ? kLongestRun : m_dDemoParam * 2;
    if (TextButton(pDC, x, T + 24, Gbk(u8"t减小"))) m_dDemoParam *= 0.5;
    if (!(m_dDemoParam >= kShortestRun)) m_dDemoParam = kShortestRun;
    struct Step {
        const char* label;
        int dy;
        double CPemroView::*saved;
        double CPemroView::*active;
        double sign;
    };
    const Step steps[] = {
        {u8"p增大", 48, &CPemroView::m_dSavedOdeP, &CPemroView::m_dOdeP, 1},
        {u8"p减小", 70, &CPemroView::m_dSavedOdeP, &CPemroView::m_dOdeP, -1},
        {u8"q增大", 94, &CPemroView::m_dSavedOdeQ, &CPemroView::m_dOdeQ, 1},
        {u8"q减小", 118, &CPemroView::m_dSavedOdeQ, &CPemroView::m_dOdeQ, -1},
    };
    for (const Step& s : steps)
        if (TextButton(pDC, x, T + s.dy, Gbk(s.label))) {
            this->*s.saved += s.sign * k;
            this->*s.active = this->*s.saved;
            m_bLoadScriptSettings = 0;
        }
}
