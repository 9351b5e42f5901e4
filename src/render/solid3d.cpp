// The oblique projection of the world box: x recedes down and to the left,
// y runs to the right, z upward; an optional turn about the vertical axis
// through the centre of the domain.
#include "view/view.h"

#include "render/oblique_projection.h"

#include <cmath>

namespace {

// Moves end 1 along the segment to the level z = level (end 2 fixed). The
// product comes before the division: a factor taken first can move a
// clipped end by one pixel.
void MoveEndToLevel(double* x1, double* y1, double* z1, double x2, double y2, double z2,
                    double level) {
    *x1 = x2 + (*x1 - x2) * (level - z2) / (*z1 - z2);
    *y1 = y2 + (*y1 - y2) * (level - z2) / (*z1 - z2);
    *z1 = level;
}

constexpr double kArc3DStep = 0.005;
constexpr double kArc3DEnd = 1.59;

} // namespace

void CPemroView::TurnPoint3D(double* x, double* y) const {
    const double a = m_dRotationAngle;
    if (a == 0) return;
    double c, s;
    TurnCosSin(a, &c, &s);
    TurnAbout((m_dXMin + m_dXMax) / 2, (m_dYMin + m_dYMax) / 2, c, s, x, y);
}

void CPemroView::ArrangeAxes3D(double* x, double* y, double* z) const {
    const double ox = *x, oy = *y, oz = *z;
    if (m_nAxisArrangement == 2)
        *x = oy, *y = oz, *z = ox;
    else if (m_nAxisArrangement == 3)
        *x = oz, *y = ox, *z = oy;
}

BOOL CPemroView::ProjectPoint3D(double x, double y, double z, int* sx, int* sy) const {
    return ObliqueProjection(*this).Project(x, y, z, sx, sy) ? TRUE : FALSE;
}

// A space segment clipped to the z range (never to the plot rectangle).
void CPemroView::DrawLine3D(CDC* pDC, double x1, double y1, double z1, double x2, double y2,
                            double z2, COLORREF colour) {
    if (!IsFigureBandVisible()) return;
    CPoint a, b;
    if (ProjectSegment3D(x1, y1, z1, x2, y2, z2, &a, &b))
        DrawLinePxB(pDC, m_nPixelSize, a.x, a.y, b.x, b.y, colour);
}

BOOL CPemroView::ProjectSegment3D(double x1, double y1, double z1, double x2, double y2, double z2,
                                  CPoint* a, CPoint* b) const {
    const ObliqueProjection projection(*this);
    projection.Place(&x1, &y1, &z1);
    projection.Place(&x2, &y2, &z2);
    if ((z1 > m_dZMax && z2 > m_dZMax) || (z1 < m_dZMin && z2 < m_dZMin)) return FALSE;
    if (z1 > m_dZMax) MoveEndToLevel(&x1, &y1, &z1, x2, y2, z2, m_dZMax);
    if (z2 > m_dZMax) MoveEndToLevel(&x2, &y2, &z2, x1, y1, z1, m_dZMax);
    if (z1 < m_dZMin) MoveEndToLevel(&x1, &y1, &z1, x2, y2, z2, m_dZMin);
    if (z2 < m_dZMin) MoveEndToLevel(&x2, &y2, &z2, x1, y1, z1, m_dZMin);
    int sx1, sy1, sx2, sy2;
    if (!projection.Project(x1, y1, z1, &sx1, &sy1) || !projection.Project(x2, y2, z2, &sx2, &sy2))
        return FALSE;
    *a = CPoint(sx1, sy1);
    *b = CPoint(sx2, sy2);
    return TRUE;
}

void CPemroView::DrawArrow3D(CDC* pDC, double x1, double y1, double z1, double x2, double y2,
                             double z2, int placement, const CString& label1, const CString& label2,
                             COLORREF colour) {
    TurnPoint3D(&x1, &y1);
    TurnPoint3D(&x2, &y2);
    ArrangeAxes3D(&x1, &y1, &z1);
    ArrangeAxes3D(&x2, &y2, &z2);
    int sx1, sy1, sx2, sy2;
    if (!ProjectPoint3D(x1, y1, z1, &sx1, &sy1) || !ProjectPoint3D(x2, y2, z2, &sx2, &sy2)) return;
    DrawArrowPxB(pDC, sx1, sy1, sx2, sy2, placement, label1, label2, colour);
}

// Dots, balls and flood fills are turned but keep the axis arrangement.
void CPemroView::DrawDotProjected(CDC* pDC, double x, double y, double z, int rx, int ry,
                                  COLORREF pen, COLORREF brush) {
    TurnPoint3D(&x, &y);
    int sx, sy;
    if (!ProjectPoint3D(x, y, z, &sx, &sy)) return;
    DrawDotPx(pDC, sx, sy, rx, ry, pen, brush);
}

void CPemroView::DrawBallProjected(CDC* pDC, double x, double y, double z, int rx, int ry,
                                   double angle, COLORREF pen, COLORREF brush) {
    TurnPoint3D(&x, &y);
    int sx, sy;
    if (!ProjectPoint3D(x, y, z, &sx, &sy)) return;
    DrawDotPx(pDC, sx, sy, rx, ry, pen, brush);
    DrawBallDiameter(pDC, sx, sy, rx, ry, angle, pen);
}

void CPemroView::FloodFillWorld3D(CDC* pDC, double x, double y, double z, COLORREF border,
                                  COLORREF fill) {
    TurnPoint3D(&x, &y);
    int sx, sy;
    if (!ProjectPoint3D(x, y, z, &sx, &sy)) return;
    FloodFillPx(pDC, sx, sy, border, fill);
}

// The quarter arc C + cos t·U + sin t·V, t by repeated steps of 0.005 up to
// just past a quarter turn.
void CPemroView::DrawArc3D(CDC* pDC, double cx, double cy, double cz, double ux, double uy,
                           double uz, double vx, double vy, double vz, COLORREF colour) {
    if (!IsFigureBandVisible()) return;
    double px = cx + ux, py = cy + uy, pz = cz + uz;
    for (double t = kArc3DStep; t < kArc3DEnd; t += kArc3DStep) {
        const double c = std::cos(t), s = std::sin(t);
        const double nx = cx + c * ux + s * vx, ny = cy + c * uy + s * vy,
                     nz = cz + c * uz + s * vz;
        DrawLine3D(pDC, px, py, pz, nx, ny, nz, colour);
        px = nx, py = ny, pz = nz;
    }
}
