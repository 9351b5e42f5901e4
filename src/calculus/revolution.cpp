// Solids of revolution built from washers or shells, and surfaces of
// revolution built from rings and cone bands ("Revolve"), drawn obliquely
// up to the picked point with the exact and approximate volume or area.
#include "calculus/button_column.h"
#include "view/view.h"

#include "calculus/math/revolution_sums.h"
#include "platform/real_steps.h"
#include "platform/text_codec.h"
#include "render/shaded_stacks.h"
#include "script/script_args.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

enum View { kStack = 0, kWhole = 1, kSum = 2, kElement = 3 };

constexpr double kMinElement = 0.001;
constexpr double kMaxElement = 1.0;
// Drawing positions and elements of one picture at most.
constexpr long kMaxPositions = 20000;
constexpr long kMaxElements = 2000;
// Parametric start search: samples of t in [0, 12).
constexpr double kStartStep = 0.001;
constexpr double kStartEnd = 12.0;

// The rims and rings of the oblique picture, in radians.
constexpr double kHalfFrom = 1.3, kHalfTo = 4.7;
constexpr double kEdgeFrom = 1.5, kEdgeTo = 4.7;
constexpr double kRimTo = 3.14;
constexpr double kRingTo = 6.3;

struct RevolveButton {
    const char* label;
    int dx, dy;  // from (left, top) of the plot
    double view; // the view it chooses
};
constexpr RevolveButton kSolidViews[] = {
    {u8"旋转体", 20, 2, kWhole},
    {u8"体积近似和", 80, 2, kSum},
    {u8"体积元素", 180, 2, kElement},
};
constexpr RevolveButton kSurfaceViews[] = {
    {u8"旋转曲面", 20, 2, kWhole},
    {u8"面积近似和", 90, 2, kSum},
    {u8"面积元素", 190, 2, kElement},
};

// The elements a picture is built from: the partition of [a, b] from a, the
// last element cut short at b, or the one element at the picked point u,
// kept inside [a, b].
struct Elements {
    double b, dx, s0;
    long count;
    bool single;
    double End(long i) const {
        return single ? std::min(s0 + dx, b) : calculus::ElementEnd(s0, b, dx, i);
    }
};

Elements RevolveElements(double a, double b, double u, double dx, bool single) {
    if (!single) return {b, dx, a, calculus::ElementCount(a, b, dx, kMaxElements), false};
    const double s = std::isfinite(u) ? std::clamp(u, a, std::max(a, b - dx)) : a;
    return {b, dx, s, b > a ? 1 : 0, true};
}

} // namespace

void CPemroView::FindParamStartT(double target) {
    m_dFoundX = 0;
    if (m_nPlotMode != 1) return;
    m_dBreakF0 = target;
    const int k = m_nFuncF;
    double best = std::fabs(EvalParamX(0, k) - target);
    for (long i = 0; i * kStartStep < kStartEnd; ++i) {
        const double x = EvalParamX(i * kStartStep, k);
        const double t = (i + 1) * kStartStep;
        if (std::fabs(x - target) < best) {
            m_dFoundX = t;
            best = std::fabs(x - target);
        }
    }
}

double CPemroView::RevolveLower(double x) {
    return m_nPlotMode == 0 ? EvalCatalogueB(x, m_nFuncLower) : m_dDemoParam;
}

void CPemroView::DrawRevolve(CDC* pDC, int kind, int axis) {
    if (m_dStepH < kMinElement) m_dStepH = kMinElement;
    const double a = m_dIntervalA, b = m_dIntervalB;
    const double dx = (b - a) * m_dStepH;
    double p = m_dXSpan / m_nPlotWidth;
    if (p > dx) p = dx / 2;
    FindParamStartT(a);
    if (kind == 2) m_nFuncUpper = m_nFuncF;
    m_nRegionType = ScriptIntPlus(m_nPlotOrientation, 1);
    // An empty interval or a frame without width gives no element to draw.
    const bool drawable =
        dx > 0 && std::isfinite(dx) && p > 0 && std::isfinite(p) && IsGraphRedrawnWhole();
    if (drawable) DrawRevolveCurves(pDC, kind, a, b, p);
    const double u = m_nPlotOrientation == 0 ? m_dCursorX : m_dCursorY;
    if (drawable && HitTestGraphRegion(0)) {
        if (kind == 1 && axis == m_nPlotOrientation)
            DrawWashers(pDC, a, b, u, dx, p);
        else if (kind == 1)
            DrawShells(pDC, a, b, u, dx, p);
        else if (kind == 2)
            DrawSurfaceBands(pDC, a, b, u, dx, p);
    }
    RevolveButtons(pDC, kind, axis);
}

void CPemroView::DrawRevolveCurves(CDC* pDC, int kind, double a, double b, double p) {
    const COLORREF c = m_crCurveSetting;
    // Capped as a double: a pixel step far below the interval overflows a long.
    const long n = long(std::min(std::ceil((b - a) / p), double(kMaxPositions)));
    if (kind == 1) {
        for (long i = 0; i < n; ++i) {
            const double x = a + i * p;
            DrawLineWorld(pDC, x, EvalCurveY(x, m_nFuncUpper), x, RevolveLower(x), c);
        }
        // The bounds as the strips above meet them, a parametric upper curve
        // and a constant lower bound alike.
        double fp = EvalCurveY(a, m_nFuncUpper), gp = RevolveLower(a);
        for (long i = 0; i < n; ++i) {
            const double x = a + i * p;
            const double f1 = EvalCurveY(x + p, m_nFuncUpper);
            const double g1 = RevolveLower(x + p);
            DrawLineWorld(pDC, x, fp, x + p, f1, c);
            DrawLineWorld(pDC, x, gp, x + p, g1, c);
            fp = f1, gp = g1;
        }
        return;
    }
    double yp = EvalF(a, m_nFuncF);
    for (long i = 0; i < n; ++i) {
        const double x = a + i * p, y1 = EvalCurveY(x + p, m_nFuncUpper);
        DrawLineWorld(pDC, x, yp, x + p, y1, c);
        yp = y1;
    }
}

void CPemroView::DrawWashers(CDC* pDC, double a, double b, double u, double dx, double p) {
    const double c = m_dDemoParam;
    const bool outside = m_nDemoOption == 1, whole = m_dDemoVariant == kWhole;
    if (c != 0) DrawLineWorld(pDC, m_dXMin, c, m_dXMax, c, m_crFirstDerivative);
    const auto f = [&](double x) { return EvalCurveY(x, m_nFuncUpper); };
    const auto lower = [&](double x) {
        return m_nPlotMode == 0 ? EvalCatalogueB(x, m_nFuncLower) : c;
    };
    const Elements el = RevolveElements(a, b, u, dx, m_dDemoVariant == kElement);
    double F0 = f(el.s0), G0 = lower(el.s0);
    const auto radii = [c](double F, double G, double* rmin, double* rmax) {
        *rmin = std::min(std::fabs(G - c), std::fabs(F - c));
        *rmax = std::max(std::fabs(G - c), std::fabs(F - c));
    };
    double x = el.s0, tLast = 0;
    bool drawn = false;
    for (long i = 0; i < el.count; ++i) {
        const double x0 = el.s0 + i * dx, x1 = el.End(i);
        if (!el.single && !calculus::ElementStartsBy(x1, u, dx)) break;
        x = x1;
        // A washer of the sum is a cylinder of the radii at its left end.
        if (!whole) F0 = f(x0), G0 = lower(x0);
        double rmin, rmax, F1 = F0, G1 = G0;
        radii(F0, G0, &rmin, &rmax);
        for (long j = 0; j < kMaxPositions; ++j) {
            const double t = x0 + j * p;
            if (!(t < x1)) break;
            F1 = f(t);
            G1 = lower(x0);
            if (whole) radii(F1, G1, &rmin, &rmax);
            DrawShadedArcWorld(pDC, t, c, rmin / 8, rmin, kHalfFrom, kHalfTo, m_crCurveSetting);
            if (outside)
                DrawShadedArcWorld(pDC, t, c, rmax / 8, rmax, kHalfFrom, kHalfTo, m_crFrontSide);
            tLast = t;
            drawn = true;
        }
        if (outside) DrawEllipseWorld(pDC, x1, c, rmax / 8, rmax, m_crDefaultPen, m_crDefaultFill);
        DrawEllipseWorld(pDC, x1, c, rmin / 8, rmin, m_crDefaultFill, m_crDefaultPen);
        radii(F0, G0, &rmin, &rmax);
        const double r = outside ? rmax : rmin;
        DrawShadedArcWorld(pDC, x0, c, r / 8, r, kEdgeFrom, kEdgeTo, m_crFirstDerivative);
        F0 = F1, G0 = G1;
    }
    if (c != 0) DrawLineWorld(pDC, x, c, m_dXMax, c, m_crFirstDerivative);
    // The axis the solid turns about goes on past the last slice; its name
    // stands where the axis first put it.
    if (drawn) {
        AxisNamesHeld names(this);
        if (m_nPlotOrientation == 0)
            DrawArrowWorld(pDC, tLast, 0, m_dXMax, 0, 1, "", "x", m_crAxes);
        else
            // Its name right of the tip, inside the plot: above it stand the
            // range boxes.
            DrawArrowWorld(pDC, 0, tLast, 0, m_dYMax, 1, "", "y", m_crAxes);
    }
    const double vx = m_dXMin + 0.55 * m_dXSpan;
    DrawLabelValue(pDC, vx, m_dYMin + 0.2 * m_dYSpan, Gbk(u8"旋转体体积:"), 3,
                   Integrate(a, b, 200, 6, 0), m_crCurveSetting);
    if (m_dDemoVariant == kSum)
        DrawLabelValue(pDC, vx, m_dYMin + 0.1 * m_dYSpan, Gbk(u8"体积近似值:"), 3,
                       calculus::WasherSum(f, lower, c, a, b, dx, kMaxElements), m_crCurveSetting);
}

void CPemroView::DrawShells(CDC* pDC, double a, double b, double u, double dx, double p) {
    const double c = m_dDemoParam;
    const bool whole = m_dDemoVariant == kWhole;
    const auto f = [&](double x) { return EvalCurveY(x, m_nFuncUpper); };
    // Shells run from the end farther from the axis; direction -1 walks
    // down from b when the axis lies at or left of a.
    const bool fromB = c <= a;
    const double dir = fromB ? -1 : 1, start = fromB ? b : a;
    // Elements narrower than a pixel step their positions by half an
    // element. Their rims still stand a pixel apart up a shell, and the
    // elements themselves are drawn a pixel apart (the picked one always):
    // a thousand of them drew a million rims, each pixel's a dozen times.
    const double xPixel = m_dXSpan / m_nPlotWidth, yPixel = m_dYSpan / m_nPlotHeight;
    const double rimStep = p < xPixel && p < yPixel ? yPixel : p;
    const double pixel = std::min(xPixel, yPixel);
    // The shells first, each with its values at its last drawing position.
    struct Shell {
        double x, far, F0, G0, F, G, R;
        bool picked;
    };
    std::vector<Shell> shells;
    double lastDrawn = NAN;
    double F0 = f(start), G0 = RevolveLower(start);
    // The shells cover [a, b], the last one cut short at the far end.
    const long count = calculus::ElementCount(a, b, dx, kMaxElements);
    for (long i = 0; i < count; ++i) {
        const double x = start + dir * i * dx;
        const double far =
            fromB ? std::max(b - (i + 1) * dx, a) : calculus::ElementEnd(a, b, dx, i);
        const bool picked = std::fabs(x - u) <= dx / 2;
        const bool drawn = !(dx < pixel) || picked || !(std::fabs(x - lastDrawn) < pixel);
        if (drawn) lastDrawn = x;
        double F = F0, G = G0, F1 = F0, G1 = G0, R = std::fabs(x - c);
        for (long j = 0; j < kMaxPositions; ++j) {
            const double t = x + dir * j * p;
            if (fromB ? !(t > far) : !(t < far)) break;
            F1 = f(t);
            G1 = RevolveLower(t);
            if (whole) F = F1, G = G1;
            R = std::fabs(t - c);
        }
        if (drawn) shells.push_back({x, far, F0, G0, F, G, R, picked});
        F0 = F1, G0 = G1;
    }
    // The rims up each shell paint over those of the shells before it: what
    // each leaves showing is worked out once for all.
    std::vector<render::ShadedStack> rims;
    for (const Shell& s : shells) {
        const double lo = std::min(s.F, s.G), hi = std::max(s.F, s.G);
        rims.push_back({c, lo, hi, rimStep, s.R, s.R / 8, kMaxPositions});
    }
    const auto plan = render::PlanShadedStacks(*this, rims, 0, kRimTo);
    for (size_t i = 0; i < shells.size(); ++i) {
        const Shell& s = shells[i];
        const COLORREF rim = s.picked ? m_crFirstDerivative : m_crFrontSide;
        const COLORREF side = s.picked ? m_crSecondDerivative : m_crFirstDerivative;
        double F = s.F0, G = s.G0;
        for (long j = 0; j < kMaxPositions; ++j) {
            const double t = s.x + dir * j * p;
            if (fromB ? !(t > s.far) : !(t < s.far)) break;
            // The shell's lower end lies on the region's lower boundary at
            // its own radius, as the filled region shows.
            if (whole) F = f(t), G = RevolveLower(t);
            const double R = std::fabs(t - c);
            const double lo = std::min(F, G), hi = std::max(F, G);
            DrawShadedArcWorld(pDC, c, lo, R, R / 8, 0, kRimTo, rim);
            DrawLineWorld(pDC, t, F, t, G, side);
            DrawLineWorld(pDC, 2 * c - t, F, 2 * c - t, G, side);
            DrawShadedArcWorld(pDC, c, hi, R, R / 8, 0, kRimTo, rim);
        }
        DrawLineWorld(pDC, s.x, s.F0, s.x, s.G0, m_crSecondDerivative);
        DrawLineWorld(pDC, 2 * c - s.x, s.F0, 2 * c - s.x, s.G0, m_crSecondDerivative);
        render::DrawShadedStack(*this, pDC, *plan, rims, i, 0, kRimTo, m_crDefaultPen);
    }
    if (c > a) DrawLineWorld(pDC, c, a, c, b, m_crCurveSetting);
}

void CPemroView::DrawSurfaceBands(CDC* pDC, double a, double b, double u, double dx, double p) {
    const double c = m_dDemoParam;
    const COLORREF edge = m_crFirstDerivative;
    if (c != 0) DrawLineWorld(pDC, m_dXMin, c, m_dXMax, c, edge);
    const Elements el = RevolveElements(a, b, u, dx, m_dDemoVariant == kElement);
    const double s0 = el.s0;
    const int k = m_nFuncF;
    const auto y = [&](double x) { return EvalCurveY(x, k); };
    // The value at the last drawing position from a that does not pass s0.
    const double steps = std::floor((s0 - a) / p);
    double y0 = y(a + (steps > 0 && steps < kMaxPositions * 100.0 ? steps : 0) * p);
    double x = s0, tLast = 0;
    bool drawn = false;
    for (long i = 0; i < el.count; ++i) {
        const double x1 = el.End(i);
        x = s0 + i * dx;
        if (!el.single && !calculus::ElementStartsBy(x1, u, dx)) break;
        const long last = std::max(0L, steps::Count(x, x1, p, kMaxPositions, false) - 1);
        // A band is the frustum between the curve's points at its two ends.
        const double y1 = m_dDemoVariant == kWhole ? 0 : y(x1);
        for (long j = 0; j <= last; ++j) {
            const double t = x + j * p;
            const double yl = m_dDemoVariant == kWhole ? y(t) : y0 + (y1 - y0) * (t - x) / (x1 - x);
            const double R = std::fabs(yl - c);
            DrawShadedArcWorld(pDC, t, c, R / 8, R, 0, kRingTo, m_crFrontSide);
            tLast = t;
            drawn = true;
        }
        const double R0 = std::fabs(y0 - c);
        DrawShadedArcWorld(pDC, x, c, R0 / 8, R0, kEdgeFrom, kEdgeTo, edge);
        y0 = m_dDemoVariant == kWhole ? y(x + last * p) : y1;
    }
    if (drawn) {
        const double R = std::fabs(y0 - c);
        DrawShadedArcWorld(pDC, tLast, c, R / 8, R, 0, kRingTo, edge);
        if (c != 0) DrawLineWorld(pDC, tLast, c, m_dXMax, c, edge);
        AxisNamesHeld names(this);
        if (m_nPlotOrientation == 0)
            DrawArrowWorld(pDC, tLast, 0, m_dXMax, 0, 1, "", "x", m_crAxes);
        else
            // Its name right of the tip, inside the plot: above it stand the
            // range boxes.
            DrawArrowWorld(pDC, 0, tLast, 0, m_dYMax, 1, "", "y", m_crAxes);
    }
    const double vx = m_dXMin + 0.55 * m_dXSpan;
    DrawLabelValue(pDC, vx, m_dYMin + 0.2 * m_dYSpan, Gbk(u8"旋转体侧面积:"), 3,
                   Integrate(a, b, 200, 9, 0), m_crCurveSetting);
    if (m_dDemoVariant == kSum)
        DrawLabelValue(pDC, vx, m_dYMin + 0.1 * m_dYSpan, Gbk(u8"侧面积近似值:"), 3,
                       calculus::BandSum(y, c, a, b, dx, kMaxElements), m_crCurveSetting);
}

void CPemroView::RevolveButtons(CDC* pDC, int kind, int axis) {
    const int T = m_nPlotTop, L = m_nPlotLeft;
    const double c = m_dDemoParam;
    const int R = m_nPlotRight - 10;
    // The column's margin, the same in every mode of the figure.
    calculus::FrameMarginForColumn(*this, pDC, R,
                                   {u8"dx增", u8"dx减", u8"dy增", u8"dy减", u8"x型", u8"y型",
                                    u8"显示内部", u8"显示外部", u8"绕x轴", u8"绕y轴", u8"绕y=Yo",
                                    u8"绕x=Xo"});
    if (TextButton(pDC, R, T + 48, Gbk(u8"x型"))) {
        m_nPendingPlotOrientation = 0;
        m_bSelectionPending = 1;
    }
    if (TextButton(pDC, R, T + 72, Gbk(u8"y型"))) {
        m_nPendingPlotOrientation = 1;
        m_bSelectionPending = 1;
    }
    if (kind == 1) {
        if (axis == m_nPlotOrientation) {
            if (TextButton(pDC, R, T + 144, Gbk(u8"显示内部"))) m_nDemoOption = 0;
            if (TextButton(pDC, R, T + 168, Gbk(u8"显示外部"))) m_nDemoOption = 1;
        }
        // The axis reaches the figure through the pending selection, which
        // the next set-up commits over the script's choice.
        const char* about[2] = {c == 0 ? u8"绕x轴" : u8"绕y=Yo", c == 0 ? u8"绕y轴" : u8"绕x=Xo"};
        for (int i = 0; i < 2; ++i)
            if (TextButton(pDC, R, T + 96 + 24 * i, Gbk(about[i]))) {
                m_nPendingPlotOption2 = i;
                m_bSelectionPending = 1;
                m_bLoadScriptSettings = 0;
            }
    }
    const bool alongY = m_nPlotOrientation == 1;
    if (TextButton(pDC, R, T, Gbk(alongY ? u8"dy增" : u8"dx增")))
        m_dStepH = std::min(m_dStepH * 1.25, kMaxElement);
    if (TextButton(pDC, R, T + 24, Gbk(alongY ? u8"dy减" : u8"dx减")))
        m_dStepH = std::max(m_dStepH * 0.8, kMinElement);
    if (kind == 1 || kind == 2)
        for (const RevolveButton& v : kind == 1 ? kSolidViews : kSurfaceViews)
            if (TextButton(pDC, L + v.dx, T + v.dy, Gbk(v.label))) m_dDemoVariant = v.view;
    DrawStringWorld(pDC, m_dXMin + 0.1 * m_dXSpan, m_dYMin + 0.1 * m_dYSpan, Gbk(u8"选曲线上一点"),
                    m_crCurveSetting);
}
