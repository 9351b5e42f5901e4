// Traces of a surface (or of the solid between two surfaces) on the
// coordinate planes and on planes parallel to them, with the part of the
// surface behind a parallel plane and the trace on a horizontal plane.
#include "view/view.h"

#include "catalog/surface_pass.h"

#include "platform/real_steps.h"
#include "platform/text_codec.h"
#include "solid/math/scene_math.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <type_traits>
#include <vector>

namespace {

// The coordinate-plane traces take one point per thousandth of a world
// unit; a huge box is cut at this many points a row.
constexpr double kTraceStep = 0.001;
constexpr int kMaxTracePoints = 100000;
constexpr double kFineFraction = 0.001;
constexpr int kFineCap = 1000;
// A parallel plane the buttons move stays this fraction of the span inside
// the box: beyond it the plane and its trace would be drawn off the box.
constexpr double kPlaneInset = 0.001;

double KeepInsideBox(double c, double lo, double hi) {
    const double inset = kPlaneInset * (hi - lo);
    if (!(c >= lo + inset)) return lo + inset; // also NaN
    return c > hi - inset ? hi - inset : c;
}

// The grid points of the trace on z = c that lie near the plane, as the
// surfaces' columns give them: a pure function of the surfaces' forms and
// coefficients, the plane and the grid. A repaint with all of them the same
// (every pass but the one a move or a new surface starts) takes them from
// here instead of a million evaluations.
struct TraceGrid {
    catalog::SurfaceCoefs coefs;
    int up, low, mode;
    double c, d, x0, stepX, y0, stepY;
    long nx, ny;
    bool operator==(const TraceGrid& o) const {
        static_assert(std::is_trivially_copyable<catalog::SurfaceCoefs>::value, "");
        return std::memcmp(&coefs, &o.coefs, sizeof coefs) == 0 && up == o.up && low == o.low &&
               mode == o.mode && c == o.c && d == o.d && x0 == o.x0 && stepX == o.stepX &&
               y0 == o.y0 && stepY == o.stepY && nx == o.nx && ny == o.ny;
    }
};
struct NearPoint {
    long i, j;
    double f, g;
};
struct TraceMemo {
    TraceGrid grid;
    std::vector<NearPoint> near;
};

} // namespace

void CPemroView::DrawSurf(CDC* pDC) {
    if (!IsFigureBandVisible()) return;
    // The projection belongs to the whole scene, not to the traces: the frame
    // alone (no region, which would turn it off) keeps the lecturer's choice.
    // A trace shows the script's projection none; one opened over it stays.
    const int projection =
        m_dDemoVariant == 0.0 || !m_bLoadScriptSettings ? m_nProjectionDisplay : 0;
    m_nProjectionDisplay = projection;
    DrawSurfaceScene(pDC, 0, 0, 2, 0, 0, 0, 0, "x", "y", "z");
    m_nProjectionDisplay = projection;
    // The whole surface may rise over the trace buttons inside the box's
    // top: they are drawn over it (a click on them asks for another pass).
    if (m_dDemoVariant == 0.0 && IsSceneUsable()) {
        DrawSurfaceScene(pDC, 1, 0, 0, m_dXMin, m_dXMax, m_dYMin, m_dYMax, "x", "y", "z");
        DrawSurfButtons(pDC);
        return;
    }
    DrawSurfButtons(pDC);
    if (!IsSceneUsable()) return;
    if (m_dDemoVariant == 1.0)
        DrawCoordinatePlaneTraces(pDC);
    else if (m_dDemoVariant > 1.0)
        DrawParallelPlaneTrace(pDC);
}

void CPemroView::DrawSurfButtons(CDC* pDC) {
    const int L = m_nFigureLeft, R = m_nFigureRight + 2, T = m_nFigureTop;
    const CString caption = Gbk(u8"截痕:"), planes = Gbk(u8"坐标面"),
                  parallel = Gbk(u8"平行坐标面");
    // At their places, or a label apart where a large font widens them: the
    // row starts right of the mesh density pair, which stands at the same height.
    const int ch = m_nBaseCharHeight;
    const CString more = Gbk(u8"增加"), fewer = Gbk(u8"减少");
    const int xMore = L - ch / 2 - 10;
    const int xFewer = std::max(L - ch / 2 + 30, xMore + ButtonWidth(more) + 4);
    // The caption keeps a gap from the density pair, so it is not read as
    // a third button of it.
    const int xCaption = std::max(L + 100, xFewer + ButtonWidth(fewer) + 4 + ch / 3);
    const int xPlanes = std::max(xCaption + 50, xCaption + ButtonWidth(caption) + 4);
    const int xParallel = std::max(xCaption + 110, xPlanes + ButtonWidth(planes) + 4);
    TextButton(pDC, xCaption, T + 2, caption); // a caption
    // A trace starts without the projection; its toggle may open it again.
    if (TextButton(pDC, xPlanes, T + 2, planes))
        m_dDemoVariant = 1.0, m_bCutZc = 0, m_nProjectionDisplay = 0;
    if (TextButton(pDC, xParallel, T + 2, parallel)) m_dDemoVariant = 2.0, m_nProjectionDisplay = 0;
    if (m_dDemoVariant != 2.0) return;
    const auto choose = [&](int plane, BOOL cut, int mode) {
        m_nSectionPlane = plane, m_bCutZc = cut, m_nSurfaceEvalMode = mode;
    };
    // The moves above the plane buttons, drawn first so that the plane
    // buttons stand clear of them at large fonts.
    const int plane = m_nSectionPlane;
    if (plane == 1) {
        if (TextButton(pDC, R, T, Gbk(u8"前移"))) m_dDirM += m_dXSpan / 20;
        if (TextButton(pDC, R, T + 24, Gbk(u8"后移"))) m_dDirM -= m_dXSpan / 20;
    } else if (plane == 2) {
        if (TextButton(pDC, R, T, Gbk(u8"左移"))) m_dDirN -= m_dYSpan / 20;
        if (TextButton(pDC, R, T + 24, Gbk(u8"右移"))) m_dDirN += m_dYSpan / 20;
    }
    if (plane == 1) m_dDirM = KeepInsideBox(m_dDirM, m_dXMin, m_dXMax);
    if (plane == 2) m_dDirN = KeepInsideBox(m_dDirN, m_dYMin, m_dYMax);
    // The plane buttons stand below the moves' rows whether the moves show
    // or not: choosing a plane brings no button under the pointer.
    const int y = ButtonRowBelow(T + 48, ButtonRowBelow(T + 24, T)) - 48;
    // A plane chosen comes into the box (a script may have left it out).
    if (TextButton(pDC, R, y + 48, "x=c"))
        choose(1, 0, 0), m_dDirM = KeepInsideBox(m_dDirM, m_dXMin, m_dXMax);
    if (TextButton(pDC, R, y + 72, "y=c"))
        choose(2, 0, 0), m_dDirN = KeepInsideBox(m_dDirN, m_dYMin, m_dYMax);
    if (TextButton(pDC, R, y + 96, "z=c")) choose(0, 1, 1);
    if (TextButton(pDC, R, y + 120, Gbk(u8"取消"))) choose(0, 0, 0), m_dDemoVariant = 0.0;
}

// Lower halves first, then the floor, then the upper halves.
void CPemroView::DrawCoordinatePlaneTraces(CDC* pDC) {
    const auto f = [&](double x, double y) { return EvalSurfaceF(x, y, m_nSurfaceUpper); };
    const auto g = [&](double x, double y) { return EvalSurfaceG(x, y, m_nSurfaceLower); };
    const auto row = [&](double from, double to, auto fn) {
        steps::ForEach(from, to, kTraceStep, kMaxTracePoints, false, fn);
    };
    const auto dot = [&](double x, double y, double z, COLORREF colour) {
        DrawLine3D(pDC, x, y, z, x, y, z, colour);
    };
    const COLORREF onX = m_crFirstDerivative, onY = m_crCurveSetting;
    row(m_dYMin, m_dYMax, [&](double y) {
        const double fv = f(0, y), gv = g(0, y);
        if (fv >= gv) dot(0, y, gv, onX);
    });
    DrawCube(pDC, 1, 0, m_dYMin, m_dZMin, 0, m_dYMax, 0, onX);
    row(m_dXMin, m_dXMax, [&](double x) {
        const double fv = f(x, 0), gv = g(x, 0);
        if (fv >= gv) dot(x, 0, gv, onY);
    });
    DrawCube(pDC, 1, m_dXMin, 0, m_dZMin, m_dXMax, 0, 0, onY);
    m_dDirP = 0.005 * m_dZSpan;
    DrawTraceOnPlaneZ(pDC, m_crSecondDerivative);
    DrawCube(pDC, 1, m_dXMin, m_dYMin, 0, m_dXMax, m_dYMax, 0, m_crSecondDerivative);
    row(m_dXMin, m_dXMax, [&](double x) {
        const double fv = f(x, 0), gv = g(x, 0);
        if (fv >= gv) dot(x, 0, fv, onY);
    });
    DrawCube(pDC, 1, m_dXMin, 0, m_dZMax, m_dXMax, 0, 0, onY);
    row(m_dYMin, m_dYMax, [&](double y) {
        const double fv = f(0, y), gv = g(0, y);
        if (fv >= gv) dot(0, y, fv, onX);
    });
    DrawCube(pDC, 1, 0, m_dYMin, m_dZMax, 0, m_dYMax, 0, onX);
}

void CPemroView::DrawParallelPlaneTrace(CDC* pDC) {
    const bool straight = m_dRotationAngle == 0;
    const COLORREF pen = m_crDefaultPen;
    if (m_nSectionPlane == 1) {
        const double c = m_dDirM;
        DrawSurfaceScene(pDC, 1, 0, 0, m_dXMin, c, m_dYMin, m_dYMax, "x", "y", "z");
        if (!straight) return;
        DrawCube(pDC, 1, c, m_dYMin, m_dZMin, c, m_dYMax, m_dZMax, pen);
        DrawLine3D(pDC, c, 0, m_dZMin, c, 0, m_dZMax, pen);
        DrawLine3D(pDC, c, m_dYMin, 0, c, m_dYMax, 0, pen);
        AxisNamesHeld names(this);
        DrawArrow3D(pDC, c, 0, 0, m_dXMax, 0, 0, 0, "", "x", m_crAxes);
    } else if (m_nSectionPlane == 2) {
        const double c = m_dDirN;
        DrawSurfaceScene(pDC, 1, 0, 0, m_dXMin, m_dXMax, m_dYMin, c, "x", "y", "z");
        if (!straight) return;
        DrawCube(pDC, 1, m_dXMin, c, m_dZMin, m_dXMax, c, m_dZMax, pen);
        DrawLine3D(pDC, 0, c, m_dZMin, 0, c, m_dZMax, pen);
        DrawLine3D(pDC, m_dXMin, c, 0, m_dXMax, c, 0, pen);
        DrawArrow3D(pDC, 0, c, 0, 0, m_dYMax, 0, 0, "", "", m_crAxes);
    } else if (m_nSectionPlane == 0 && m_bCutZc == 1) {
        const double c = m_dDirP;
        DrawSurfaceScene(pDC, 1, 0, 0, m_dXMin, m_dXMax, m_dYMin, m_dYMax, "x", "y", "z");
        DrawTraceOnPlaneZ(pDC, m_crCurveSetting);
        if (!straight) return;
        DrawCube(pDC, 1, m_dXMin, m_dYMin, c, m_dXMax, m_dYMax, c, pen);
        DrawLine3D(pDC, m_dXMin, 0, c, m_dXMax, 0, c, pen);
        DrawLine3D(pDC, 0, m_dYMin, c, 0, m_dYMax, c, pen);
        DrawArrow3D(pDC, 0, 0, c, 0, 0, m_dZMax, 0, "", "", m_crAxes);
    }
}

// The band of the plane z = c over which a surface lies within a thousandth
// of the z span below c.
void CPemroView::DrawTraceOnPlaneZ(CDC* pDC, COLORREF colour) {
    if (!IsSceneUsable()) return;
    const double c = m_dDirP, d = kFineFraction * m_dZSpan;
    const double stepX = kFineFraction * m_dXSpan, stepY = kFineFraction * m_dYSpan;
    const long nx = steps::Count(m_dXMin, m_dXMax, stepX, kFineCap + 2, false);
    const long ny = steps::Count(m_dYMin, m_dYMax, stepY, kFineCap + 2, false);
    // A million points: the surfaces' coefficients are read once for all,
    // and in the catalogue mode (cut at z = c in mode 1, as EvalSurfaceF and
    // EvalSurfaceG cut them) each surface's column is computed at once.
    std::vector<double> ys(size_t(std::max(ny, 0L))), fs(ys.size()), gs(ys.size());
    for (long j = 0; j < ny; ++j) ys[size_t(j)] = m_dYMin + double(j) * stepY;
    SurfacePass pass(*this);
    const SurfacePass::Region region(*this, m_nFuncF);
    const int up = m_nSurfaceUpper, low = m_nSurfaceLower, mode = m_nSurfaceEvalMode;
    const bool columns = pass.active && (mode == 0 || mode == 1) && catalog::IsOwnSurfaceForm(up) &&
                         catalog::IsOwnSurfaceForm(low);
    const auto column = [&](double x, int k, bool lower, std::vector<double>* out) {
        catalog::EvalSurfaceFormColumn(x, ys.data(), int(ys.size()), k, lower, pass.coefs,
                                       out->data());
        if (mode == 1)
            for (double& v : *out) v = c < v ? c : v;
    };
    const auto onF = [c, d](double f) { return (0 < c - f) & (c - f < d); };
    const auto onG = [c, d](double g) { return (0 < c - g) & (c - g <= d); };
    const auto dots = [&](double x, double y, double f, double g) {
        if (onF(f)) DrawLine3D(pDC, x, y, c, x, y, c, colour);
        if (onG(g)) DrawLine3D(pDC, x, y, c, x, y, c, colour);
    };
    if (columns) {
        // The columns' values come without the view, so the region is asked
        // only at the few points near the plane, not at a million.
        const TraceGrid grid{pass.coefs, up,    low,     mode,  c,  d,
                             m_dXMin,    stepX, m_dYMin, stepY, nx, ny};
        thread_local TraceMemo memo;
        thread_local bool held = false;
        if (!held || !(memo.grid == grid)) {
            held = false;
            memo.grid = grid;
            memo.near.clear();
            for (long i = 0; i < nx; ++i) {
                column(m_dXMin + double(i) * stepX, up, false, &fs);
                column(m_dXMin + double(i) * stepX, low, true, &gs);
                for (size_t j = 0; j < ys.size(); ++j)
                    if ((gs[j] <= fs[j]) & (onF(fs[j]) | onG(gs[j])))
                        memo.near.push_back({i, long(j), fs[j], gs[j]});
            }
            held = true;
        }
        for (const NearPoint& p : memo.near) {
            const double x = m_dXMin + double(p.i) * stepX, y = ys[size_t(p.j)];
            if (region(x, y) >= 0) dots(x, y, p.f, p.g);
        }
        return;
    }
    for (long i = 0; i < nx; ++i) {
        const double x = m_dXMin + double(i) * stepX;
        for (long j = 0; j < ny; ++j) {
            const double y = ys[size_t(j)];
            if (!(EvalRegionFunction(x, y, m_nFuncF) >= 0)) continue;
            const double f = EvalSurfaceF(x, y, up);
            const double g = EvalSurfaceG(x, y, low);
            if (g <= f) dots(x, y, f, g);
        }
    }
}
