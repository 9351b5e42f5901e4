// Stand-ins for routines of other subsystems that the annotation commands
// call and that are not built yet. Each owner replaces its stand-in (and
// moves the declaration out of annotation_members.h) when it builds the
// routine; the callers stay as they are.
#include "view/view.h"

#include <cmath>

namespace {

// Ticks at quarter steps of each range.
constexpr int kTicksPerAxis = 4;
constexpr int kTickCap = 8;
// Stand-in meshes: lines per direction and pieces per line.
constexpr int kMeshMin = 5;
constexpr int kMeshMax = 16;
constexpr int kMeshPieces = 40;

// Each channel four parts toward white.
COLORREF Lighten(COLORREF c) {
    return RGB((4 * GetRValue(c) + 255) / 5, (4 * GetGValue(c) + 255) / 5,
               (4 * GetBValue(c) + 255) / 5);
}

// Tick marks at quarter steps on the x and y edges of the floor and the
// z edge, with their values when asked.
void DrawStandInTicks(CPemroView& v, CDC* pDC, bool values) {
    const double dx = 0.04 * v.m_dXSpan, dy = 0.04 * v.m_dYSpan;
    const auto tick = [&](double x1, double y1, double z1, double x2, double y2, double u) {
        v.DrawLine3D(pDC, x1, y1, z1, x2, y2, z1, v.m_crAxes);
        if (values) v.DrawLabelValue3D(pDC, x1, y1, z1, "", 2, u, v.m_crGround);
    };
    const auto each = [](double min, double max, auto fn) {
        const double step = (max - min) / kTicksPerAxis;
        if (!(step > 0)) return;
        int n = 0;
        for (double u = min; u <= max && n < kTickCap; u += step, ++n) fn(u);
    };
    each(v.m_dXMin, v.m_dXMax,
         [&](double u) { tick(u, v.m_dYMax, v.m_dZMin, u, v.m_dYMax - dy, u); });
    each(v.m_dYMin, v.m_dYMax,
         [&](double u) { tick(v.m_dXMax, u, v.m_dZMin, v.m_dXMax - dx, u, u); });
    each(v.m_dZMin, v.m_dZMax,
         [&](double u) { tick(v.m_dXMax, v.m_dYMin, u, v.m_dXMax - dx, v.m_dYMin, u); });
}

// The two surfaces as plain wire meshes over [x1, x2] x [y1, y2].
void DrawStandInMeshes(CPemroView& v, CDC* pDC, double x1, double x2, double y1, double y2) {
    if (!(x2 > x1) || !(y2 > y1)) return;
    const auto divisions = [](int n) {
        return n < kMeshMin ? kMeshMin : n > kMeshMax ? kMeshMax : n;
    };
    const int nx = divisions(v.m_nMeshDivX), ny = divisions(v.m_nMeshDivY);
    for (int upper = 1; upper >= 0; --upper) {
        const auto z = [&](double x, double y) {
            return upper ? v.EvalSurfaceF(x, y, v.m_nSurfaceUpper)
                         : v.EvalSurfaceG(x, y, v.m_nSurfaceLower);
        };
        const COLORREF colour = upper ? v.m_crUpperMesh : v.m_crLowerMesh;
        const auto strand = [&](double ax, double ay, double bx, double by) {
            double px = ax, py = ay, pz = z(ax, ay);
            for (int k = 1; k <= kMeshPieces; ++k) {
                const double t = double(k) / kMeshPieces;
                const double qx = ax + t * (bx - ax), qy = ay + t * (by - ay), qz = z(qx, qy);
                v.DrawLine3D(pDC, px, py, pz, qx, qy, qz, colour);
                px = qx, py = qy, pz = qz;
            }
        };
        for (int i = 0; i <= nx; ++i) {
            const double x = x1 + (x2 - x1) * i / nx;
            strand(x, y1, x, y2);
        }
        for (int j = 0; j <= ny; ++j) {
            const double y = y1 + (y2 - y1) * j / ny;
            strand(x1, y, x2, y);
        }
    }
}

} // namespace

// The 3-D scene frame, reduced to what the annotation commands need: the
// projection of the world box into the graph box, a plain stage (ground,
// back wall, floor, the box, ticks and axis arrows) and the two surfaces as
// wire meshes. No shading, panels or buttons yet.
void CPemroView::DrawSurfaceScene(CDC* pDC, int nOverlay, int nLabelMode, int nSurfaceMode,
                                  double dXFrom, double dXTo, double dYFrom, double dYTo,
                                  CString strXLabel, CString strYLabel, CString strZLabel) {
    m_bFigure3D = 1;
    m_dXSpan = m_dXMax - m_dXMin;
    m_dYSpan = m_dYMax - m_dYMin;
    m_dZSpan = m_dZMax - m_dZMin;
    const double angle = m_dRotationAngle;
    m_dRotationAngle = 0;
    const int L = m_nFigureLeft = m_nGraphLeft, T = m_nFigureTop = m_nGraphTop;
    const int R = m_nFigureRight = m_nGraphRight, B = m_nFigureBottom = m_nGraphBottom;
    const int X0 = m_nProjOriginX = L + (R - L) / 3;
    const int Y0 = m_nProjOriginY = B - (B - T) / 4;
    const int Sx = m_nProjScaleX = (B - T) / 4;
    const int Sy = m_nProjScaleY = 2 * (R - L) / 3;
    m_nProjScaleZ = 3 * (B - T) / 4;
    m_anFigureBox3D[0] = L, m_anFigureBox3D[1] = R, m_anFigureBox3D[2] = T, m_anFigureBox3D[3] = B;
    m_nPlotLeft = m_nInsetLeft = X0 + Sy / 2;
    m_nPlotRight = m_nInsetRight = X0 + Sy;
    m_nPlotTop = m_nInsetTop = Y0 - m_nProjScaleZ;
    m_nPlotBottom = m_nInsetBottom = Y0 - 2 * m_nProjScaleZ / 3;
    m_nPlotWidth = m_nInsetWidth = m_nInsetRight - m_nInsetLeft;
    m_nPlotHeight = m_nInsetHeight = m_nInsetBottom - m_nInsetTop;

    if (IsFigureBandVisible() && (m_bFullRepaint || HitTestGraphRegion(0)) && Sx > 0) {
        m_dObliqueFactor = 0.4 * Sy / Sx;
        const int arrangement = m_nAxisArrangement;
        m_nAxisArrangement = 1;
        if (HitTestGraphRegion(1) && nOverlay != 1) {
            const int ch = m_nBaseCharHeight;
            FillRectGradientPx(pDC, L - 7 * ch / 4, T - ch, R + 2 * ch, B + 2 * ch, m_crLeftFrame,
                               m_crRightFrame);
            FillRectPx(pDC, X0, T, R, Y0, Lighten(m_crGround));
            const double k = m_dObliqueFactor;
            for (int v = Y0; v < B; ++v) {
                const int d = int((v - Y0) * k);
                DrawLinePxB(pDC, 0, X0 - d, v, R - d, v, m_crGround);
            }
            DrawCube(pDC, 1, m_dXMin, m_dYMin, m_dZMin, m_dXMax, m_dYMax, m_dZMax,
                     m_crCurveSetting);
        }
        DrawStandInTicks(*this, pDC, nLabelMode == 0);
        m_nAxisArrangement = arrangement;
        m_dRotationAngle = angle;
        if (nSurfaceMode < 2 && HitTestGraphRegion(1))
            DrawStandInMeshes(*this, pDC, dXFrom, dXTo, dYFrom, dYTo);
        if (nSurfaceMode == 0 || nSurfaceMode == 2) {
            DrawArrow3D(pDC, 0, 0, 0, 0, 0, m_dZMax, 1, "O", strZLabel, m_crAxes);
            DrawArrow3D(pDC, 0, 0, 0, 0, m_dYMax, 0, 2, "", strYLabel, m_crAxes);
            DrawArrow3D(pDC, 0, 0, 0, m_dXMax, 0, 0, 1, "", strXLabel, m_crAxes);
        }
    }
    m_dRotationAngle = angle;
}
