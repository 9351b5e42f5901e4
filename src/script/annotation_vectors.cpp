// Points, arrows and discs in the current figure: "Dots", "Vector2",
// "Vector3", "DotVector", "BoundaryVector", "FreeVector2", "FreeVector3",
// "TangentVector" and "InnerPoint".
#include "calculus/button_column.h"
#include "view/view.h"

#include "platform/real_steps.h"
#include "platform/text_codec.h"
#include "script/script_args.h"

#include <cmath>

namespace {

constexpr int kArgDots = 5;            // Dots(
constexpr int kArgVector = 8;          // Vector2( Vector3(
constexpr int kArgDotVector = 10;      // DotVector(
constexpr int kArgBoundaryVector = 15; // BoundaryVector(
constexpr int kArgFreeVector = 12;     // FreeVector2( FreeVector3(
constexpr int kArgTangentVector = 14;  // TangentVector(
constexpr int kArgInnerPoint = 11;     // InnerPoint(

constexpr int kDotVectorRadius = 3;
constexpr double kMaxDiscRadius = 0.5; // InnerPoint disc, of the span: it spans the plot

// Reads up to n groups of `size` numbers and hands each to `fn`. Once the
// list has closed, a further group reads as zeros; one such group is
// handed on, as every later one would only repeat it.
template <class Fn> void ForEachGroup(CPemroView& v, int n, int size, Fn fn) {
    double g[6] = {};
    for (int i = 0; i < n; ++i) {
        const bool last = !v.IsArgListOpen();
        for (int j = 0; j < size; ++j) g[j] = v.ReadScriptNumber(v.m_nParsePos);
        fn(g);
        if (last) break;
    }
}

// BoundaryVector: the boundary point on a ray is found from the diagonal
// inward, to 0.0001. Stepping 0.0001 at a time is slow; a coarse walk finds the
// first step inside, and the 0.0001 steps (or, over a huge range, halving)
// finish between it and the step before.
constexpr double kRayFineStep = 0.0001;
constexpr int kRayCoarseSteps = 1000;
constexpr long long kRayFineStepCap = 4000;
constexpr int kRayHalvings = 64;
// Arrow spacing and length in angle, and a bound on the arrows of one call:
// arrows start at least 0.2 rad apart, so more than two full turns of them
// would only retrace the boundary.
constexpr double kBoundaryArrowAngle = 0.2;
constexpr double kBoundaryMinSweep = 0.1;
constexpr int kBoundaryArrowCap = 64;

// TangentVector's forward difference.
constexpr double kTangentStep = 0.00001;

// FreeVector2: keeps the direction to the fixed point finite when the
// cursor stands on it.
constexpr double kDirectionFloor = 0.0001;

// InnerPoint: scan step (of the x span) and a bound on its steps.
constexpr double kInnerScanStep = 0.001;
constexpr int kInnerScanCap = 20000;

} // namespace

void CPemroView::CmdDots(CDC* pDC) {
    if (!IsAnnotationOn()) return;
    const int r = ScriptInt(ReadScriptNumber(kArgDots));
    const int n = ScriptInt(ReadScriptNumber(m_nParsePos));
    ReadScriptColors(TRUE, FALSE);
    ForEachGroup(*this, n, 2,
                 [&](const double* g) { DrawDotWorld(pDC, g[0], g[1], r, r, m_crPen, m_crPen); });
}

void CPemroView::CmdVector2(CDC* pDC) {
    if (!IsAnnotationOn()) return;
    const int n = ScriptInt(ReadScriptNumber(kArgVector));
    ReadScriptColors(TRUE, FALSE);
    ForEachGroup(*this, n, 4, [&](const double* g) {
        DrawArrowWorld(pDC, g[0], g[1], g[2], g[3], 0, "", "", m_crPen);
    });
}

void CPemroView::CmdVector3(CDC* pDC) {
    if (!IsAnnotationOn()) return;
    const int n = ScriptInt(ReadScriptNumber(kArgVector));
    ReadScriptColors(TRUE, FALSE);
    ForEachGroup(*this, n, 6, [&](const double* g) {
        DrawArrow3D(pDC, g[0], g[1], g[2], g[3], g[4], g[5], 0, "", "", m_crPen);
    });
}

void CPemroView::CmdDotVector(CDC* pDC) {
    if (!IsAnnotationOn()) return;
    const int n = ScriptInt(ReadScriptNumber(kArgDotVector));
    ReadScriptColors(TRUE, FALSE);
    ForEachGroup(*this, n, 4, [&](const double* g) {
        DrawDotWorld(pDC, g[0], g[1], kDotVectorRadius, kDotVectorRadius, m_crPen, m_crPen);
        DrawArrowWorld(pDC, g[0], g[1], g[2], g[3], 0, "", "", m_crPen);
    });
}

void CPemroView::CmdBoundaryVector(CDC* pDC) {
    if (!IsAnnotationOn()) return;
    const int mode = ScriptInt(ReadScriptNumber(kArgBoundaryVector));
    int n = ScriptInt(ReadScriptNumber(m_nParsePos));
    const int kind = ScriptInt(ReadScriptNumber(m_nParsePos));
    m_nFuncUpper = m_nFuncRight = m_nFuncF = ScriptInt(ReadScriptNumber(m_nParsePos));
    m_nFuncLower = m_nFuncLeft = ScriptInt(ReadScriptNumber(m_nParsePos));
    m_nRegionType = ScriptInt(ReadScriptNumber(m_nParsePos));
    m_bFigure3D = 1;
    if (mode == 0) {
        const double r[4] = {m_dIntervalA, m_dIntervalB, m_dYMin, m_dYMax};
        const double s[4] = {m_dXMin, m_dXMax, m_dIntervalA, m_dIntervalB};
        for (int i = 0; i < 4; ++i) m_adRegionRect[i] = m_nPlotMode == 2 ? s[i] : r[i];
    }
    const double x0 = ReadScriptNumber(m_nParsePos);
    const double y0 = ReadScriptNumber(m_nParsePos);
    const double t0 = ReadScriptNumber(m_nParsePos);
    double t1 = ReadScriptNumber(m_nParsePos);
    ReadScriptColors(TRUE, FALSE);
    if (std::fabs(t1 - t0) < kBoundaryMinSweep) t1 = t0 + kBoundaryMinSweep;
    if (n < 1) n = 1;
    if (!(EvalRegionFunction(x0, y0, m_nFuncF) > 0)) return;

    const double sweep = std::fabs(t1 - t0), step = (t1 - t0) / n;
    double t = t0;
    for (int i = 0; i < kBoundaryArrowCap; ++i) {
        DrawBoundaryArrow(pDC, mode, kind, t,
                          t1 > t0 ? t + kBoundaryArrowAngle : t - kBoundaryArrowAngle, x0, y0);
        t += (t1 > t0 ? kBoundaryArrowAngle : -kBoundaryArrowAngle) + step;
        if (!(std::fabs(t - t0) < sweep)) break;
    }
}

// One arrow from the boundary point at angle ta to the one at tb, in the
// plane (mode 0) or in space on the floor and/or on the upper surface.
void CPemroView::DrawBoundaryArrow(CDC* pDC, int mode, int kind, double ta, double tb, double x0,
                                   double y0) {
    double x1, y1, x2, y2;
    BoundaryPointOnRay(x0, y0, ta, &x1, &y1);
    BoundaryPointOnRay(x0, y0, tb, &x2, &y2);
    if (mode == 0) {
        DrawArrowWorld(pDC, x1, y1, x2, y2, 0, "", "", m_crPen);
        return;
    }
    if (kind == 0 || kind == 2)
        DrawArrow3D(pDC, x1, y1, m_dZMin, x2, y2, m_dZMin, 0, "", "", m_crPen);
    if (kind == 1 || kind == 2)
        DrawArrow3D(pDC, x1, y1, EvalSurfaceF(x1, y1, m_nSurfaceUpper), x2, y2,
                    EvalSurfaceF(x2, y2, m_nSurfaceUpper), 0, "", "", m_crPen);
}

void CPemroView::BoundaryPointOnRay(double x0, double y0, double t, double* px, double* py) {
    const double c = std::cos(t), s = std::sin(t);
    const double r0 = std::sqrt(m_dXSpan * m_dXSpan + m_dYSpan * m_dYSpan);
    const auto inside = [&](double r) {
        return EvalRegionFunction(x0 + r * c, y0 + r * s, m_nFuncF) >= 0;
    };
    const auto done = [&](double r) {
        *px = x0 + r * c;
        *py = y0 + r * s;
    };
    if (!std::isfinite(r0) || inside(r0)) return done(r0);
    // Coarse walk: r = r0·(1 − j/N); j = N is the centre, which is inside.
    int j = 1;
    while (j < kRayCoarseSteps && !inside(r0 * (1 - double(j) / kRayCoarseSteps))) ++j;
    const double rOut = r0 * (1 - double(j - 1) / kRayCoarseSteps);
    const double rIn = r0 * (1 - double(j) / kRayCoarseSteps);
    // The first fine step r0 − i·h inside, i from the step before rOut.
    const double iStart = std::floor((r0 - rOut) / kRayFineStep);
    if ((rOut - rIn) / kRayFineStep < double(kRayFineStepCap)) {
        for (long long i = (long long)iStart; i <= (long long)iStart + kRayFineStepCap; ++i) {
            const double r = r0 - double(i) * kRayFineStep;
            if (r <= rIn || inside(r)) return done(r > rIn ? r : rIn);
        }
        return done(rIn);
    }
    double lo = rIn, hi = rOut; // lo inside, hi outside
    for (int k = 0; k < kRayHalvings; ++k) {
        const double mid = (lo + hi) / 2;
        (inside(mid) ? lo : hi) = mid;
    }
    done(lo);
}

void CPemroView::CmdFreeVector2(CDC* pDC) {
    if (!m_bFigureVisible) return;
    const double ax = ReadScriptNumber(kArgFreeVector);
    const double ay = ReadScriptNumber(m_nParsePos);
    const double length = ReadScriptNumber(m_nParsePos);
    const double px = ReadScriptNumber(m_nParsePos);
    const double py = ReadScriptNumber(m_nParsePos);
    const int showSum = ScriptInt(ReadScriptNumber(m_nParsePos));
    ReadScriptColors(TRUE, FALSE);
    m_adCommandPoint3D[0] = ax;
    m_adCommandPoint3D[1] = ay;
    m_nPlotOption1 = showSum;
    if (!m_bPlaneCmdsEnabled) return;

    const double cx = m_dCursorX, cy = m_dCursorY;
    DrawArrowWorld(pDC, cx, cy, cx + ax, cy + ay, 0, "", "", m_crPen);
    if (!(length > 0)) return;
    const double d = std::sqrt((px - cx) * (px - cx) + (py - cy) * (py - cy) + kDirectionFloor);
    const double bx = length * (px - cx) / d, by = length * (py - cy) / d;
    DrawArrowWorld(pDC, cx, cy, cx + bx, cy + by, 0, "", "", m_crPen);
    if (showSum != 0) DrawArrowWorld(pDC, cx, cy, cx + bx + ax, cy + by + ay, 0, "", "", m_crPen);
}

// Shown once the user has clicked into the figure: the vector from a space
// point toward the point of the floor under the mouse.
void CPemroView::CmdFreeVector3(CDC* pDC) {
    if (!IsAnnotationOn()) return;
    const double x0 = ReadScriptNumber(kArgFreeVector);
    const double y0 = ReadScriptNumber(m_nParsePos);
    const double z0 = ReadScriptNumber(m_nParsePos);
    const double scale = ReadScriptNumber(m_nParsePos);
    ReadScriptColors(TRUE, FALSE);
    if (!HitTestGraphRegion(0)) return;
    const double bx = m_adMousePoint3D[0], by = m_adMousePoint3D[1], bz = m_dZMin;
    DrawLine3D(pDC, x0, y0, z0, bx, by, bz, m_crDefaultFill);
    DrawArrow3D(pDC, x0, y0, z0, x0 + scale * (bx - x0), y0 + scale * (by - y0),
                z0 + scale * (bz - z0), 0, "", "", m_crPen);
}

void CPemroView::CmdTangentVector(CDC* pDC) {
    if (!IsAnnotationOn()) return;
    double x0 = ReadScriptNumber(kArgTangentVector);
    const double length = ReadScriptNumber(m_nParsePos);
    ReadScriptColors(TRUE, FALSE);
    if (x0 < m_dXMin || x0 > m_dXMax) x0 = m_dCursorX;
    const double y0 = EvalF(x0, m_nFuncF);
    const double s = (EvalF(x0 + kTangentStep, m_nFuncF) - y0) / kTangentStep;
    const double d = std::sqrt(1 + s * s);
    DrawArrowWorld(pDC, x0, y0, x0 + length / d, y0 + length * s / d, 0, "", "", m_crPen);
}

void CPemroView::CmdInnerPoint(CDC* pDC) {
    if (!IsAnnotationOn()) return;
    const int mode = ScriptInt(ReadScriptNumber(kArgInnerPoint));
    double r = ReadScriptNumber(m_nParsePos);
    ReadScriptColors(TRUE, TRUE);
    if (mode == 0) {
        const int x = m_nFigureRight - 40;
        // The buttons straddle the frame's right edge; the frame widens to hold them.
        calculus::FrameMarginForColumn(*this, pDC, x, {u8"半径增", u8"半径减", u8"取消"});
        if (TextButtonInPlot(pDC, x, m_nFigureTop + 2, 60, 20, Gbk(u8"半径增"), m_crCurveSetting)) {
            ScaleStepH(1.25);
            m_nDemoOption = 1;
        }
        if (TextButtonInPlot(pDC, x, m_nFigureTop + 26, 60, 20, Gbk(u8"半径减"),
                             m_crCurveSetting)) {
            ScaleStepH(0.8);
            m_nDemoOption = 1;
        }
        if (TextButtonInPlot(pDC, x, m_nFigureTop + 50, 60, 20, Gbk(u8"取消"), m_crCurveSetting))
            m_nDemoOption = 0;
    }
    if (m_nDemoOption == 1) r = m_dStepH;
    // A disc wider than the figure is no neighbourhood of the point.
    if (m_nDemoOption == 1 && m_dStepH > kMaxDiscRadius) r = m_dStepH = kMaxDiscRadius;
    if (mode == 1) r = InnerPointRadius(r);
    if (!IsFigureBandVisible()) return;
    // Within the plot, whatever the radius and the point.
    const CRect saved = pDC->GetClipRect();
    pDC->SetClipRect(FigureFillBox(pDC));
    DrawEllipseWorld(pDC, m_dCursorX, m_dCursorY, r * m_dXSpan, r * m_dYSpan, m_crPen, m_crFill);
    pDC->SetClipRect(saved);
}

// The largest relative radius up to r at which the disc about the cursor
// stays clear of the curves f (upper) and g (lower) and the walls x = a, b.
double CPemroView::InnerPointRadius(double r) {
    const double cx = m_dCursorX, cy = m_dCursorY;
    m_dArcStartAngle = cx - r * m_dXSpan;
    m_dArcEndAngle = cx + r * m_dXSpan;
    const double h = kInnerScanStep * m_dXSpan;
    const auto distance = [&](double x, double y) {
        const double u = (cx - x) / m_dXSpan, v = (y - cy) / m_dYSpan;
        return std::sqrt(u * u + v * v);
    };
    if (h > 0 && std::isfinite(h)) {
        const long kCount = steps::Count(m_dArcStartAngle, m_dArcEndAngle, h, kInnerScanCap, false);
        for (long k = 0; k < kCount; ++k) {
            const double x = m_dArcStartAngle + double(k) * h;
            const double df = distance(x, EvalF(x, m_nFuncUpper));
            const double dg = distance(x, EvalCatalogueB(x, m_nFuncLower));
            if (df < r) r = df;
            if (dg < r) r = dg;
        }
    }
    const double wa = std::fabs(cx - m_dIntervalA) / m_dXSpan;
    const double wb = std::fabs(m_dIntervalB - cx) / m_dXSpan;
    if (wa < r) r = wa;
    if (wb < r) r = wb;
    return r;
}
