// Partial derivatives of the upper surface at the cursor point (the solid
// cut by x = x0 and y = y0, the section curves and the tangent lines of the
// tangent plane), the normal of a surface, and the mean value theorem for
// double integrals.
#include "view/view.h"

#include "platform/real_steps.h"
#include "platform/text_codec.h"
#include "solid/math/scene_math.h"

#include <cmath>
#include <cstdlib>

namespace {

constexpr double kCurveFraction = 0.001;
constexpr int kMaxCurvePoints = 2000;
// Cells of the mean-value integrals.
constexpr int kMeanCells = 60;
constexpr int kQuadricForm = 1;

} // namespace

void CPemroView::DrawDerivative2(CDC* pDC) {
    // 1. The whole domain, the floor as the lower surface.
    m_nRegionType = 0;
    m_bProjectXoy = 0;
    m_bProjectBase = 1;
    m_nSurfaceLower = kQuadricForm;
    for (int i = 0; i < 6; ++i) m_adCoefSurfG[i] = 0;
    // 2. The frame.
    DrawSurfaceScene(pDC, 0, 0, 2, 0, 0, 0, 0, "x", "y", "z");
    // 3. The point, strictly inside the box.
    if (!IsFigureBandVisible() || !IsSceneUsable()) return;
    if (!m_bFullRepaint && !IsClickOnSceneControls()) return;
    const double x0 = m_dCursorX, y0 = m_dCursorY;
    if (!HitTestGraphRegion(1) || !(m_dXMin < x0 && x0 < m_dXMax) ||
        !(m_dYMin < y0 && y0 < m_dYMax))
        return;
    // 4. Four quadrants back to front with the sections between them.
    const auto quadrant = [&](double xa, double xb, double ya, double yb) {
        DrawSurfaceScene(pDC, 1, 0, 0, xa, xb, ya, yb, "x", "y", "z");
    };
    quadrant(m_dXMin, x0, m_dYMin, y0);
    m_nSectionPlane = 2;
    DrawSolidSlice(pDC, m_dXMin, x0, x0, y0, m_crCurveSetting, TRUE, m_crSection);
    quadrant(m_dXMin, x0, y0, m_dYMax);
    m_nSectionPlane = 1;
    DrawSolidSlice(pDC, m_dYMin, m_dYMax, x0, y0, m_crCurveSetting, TRUE, m_crCurveSetting);
    quadrant(x0, m_dXMax, m_dYMin, y0);
    m_nSectionPlane = 2;
    DrawSolidSlice(pDC, x0, m_dXMax, x0, y0, m_crCurveSetting, TRUE, m_crSection);
    quadrant(x0, m_dXMax, y0, m_dYMax);
    // 5. The tangent plane becomes the lower surface.
    const auto f = [&](double x, double y) { return EvalSurfaceF(x, y, m_nSurfaceUpper); };
    const solid::TangentPlane t = solid::TangentPlaneAt(f, x0, y0);
    m_adCoefSurfG[0] = m_adCoefSurfG[1] = m_adCoefSurfG[2] = 0;
    m_adCoefSurfG[3] = t.d, m_adCoefSurfG[4] = t.e, m_adCoefSurfG[5] = t.f;
    // 6. and 7. Section curves and tangent lines in the two planes.
    const auto dot = [&](double x, double y, double z, COLORREF colour) {
        DrawLine3D(pDC, x, y, z, x, y, z, colour);
    };
    steps::ForEach(m_dXMin, m_dXMax, kCurveFraction * m_dXSpan, kMaxCurvePoints, false,
                   [&](double x) {
                       dot(x, y0, f(x, y0), m_crCurveSetting);
                       dot(x, y0, EvalSurfaceG(x, y0, kQuadricForm), m_crDefaultPen);
                   });
    steps::ForEach(m_dYMin, m_dYMax, kCurveFraction * m_dYSpan, kMaxCurvePoints, false,
                   [&](double y) {
                       dot(x0, y, f(x0, y), m_crCurveSetting);
                       dot(x0, y, EvalSurfaceG(x0, y, kQuadricForm), m_crDefaultPen);
                   });
}

void CPemroView::DrawSurfaceNormal(CDC* pDC, double length, int mode, double x, double y,
                                   int surfaceIndex, CString label1, CString label2,
                                   COLORREF colour) {
    const auto s = [&](double px, double py) {
        return mode >= 1 ? EvalSurfaceF(px, py, surfaceIndex) : EvalSurfaceG(px, py, surfaceIndex);
    };
    const solid::TangentPlane t = solid::TangentPlaneAt(s, x, y);
    const double N = std::sqrt(t.fx * t.fx + t.fy * t.fy + 1);
    const double xe = x - length * t.fx / N, ye = y - length * t.fy / N;
    if (mode >= -1 && mode <= 2)
        DrawArrow3D(pDC, x, y, t.z0, xe, ye, t.z0 + length / N, 2, label1, label2, colour);
    else if (mode == 3)
        DrawArrow3D(pDC, x, y, t.z0, xe, ye, EvalSurfaceF(xe, ye, surfaceIndex), 2, label1, label2,
                    colour);
    if (mode != 0 && mode != 1) DrawArrow3D(pDC, x, y, m_dZMin, xe, ye, m_dZMin, 2, "", "", colour);
}

void CPemroView::DrawMeanCalculus2(CDC* pDC) {
    if (!IsFigureBandVisible()) return;
    const double x1 = m_dXMin, x2 = m_dXMax, y1 = m_dYMin, y2 = m_dYMax;
    const double area =
        ComputeRegionIntegral(kMeanCells, kMeanCells, x1, x2, y1, y2, 1, 1, solid::kRegionArea);
    m_dDemoParam = area;
    if (area != 0) {
        for (int i = 0; i < 5; ++i) m_adCoefSurfG[i] = 0;
        m_nSurfaceLower = kQuadricForm;
        m_adCoefSurfG[5] =
            ComputeRegionIntegral(kMeanCells, kMeanCells, x1, x2, y1, y2, m_nSurfaceUpper,
                                  kQuadricForm, solid::kRegionIntegral) /
            area;
    }
    m_nSideSurfaces = 2;
    m_bDrawInverted = 1;
    DrawSurfaceScene(pDC, 0, 0, 0, x1, x2, y1, y2, "x", "y", "z");
    // The caption stands on the box's front corner, clear of the x tick
    // numbers that hang below it.
    double cx = m_dXMax, cy = m_dYMin;
    TurnPoint3D(&cx, &cy);
    int sx = 0, sy = 0;
    if (IsFigureBandVisible() && ProjectPoint3D(cx, cy, m_dZMin, &sx, &sy)) {
        const int height = std::abs(PlainStringFont(FALSE, m_nLabelZoom).lfHeight);
        DrawString(pDC, sx, sy - height - 2, Gbk(u8"重积分中值定理"), m_crCurveSetting);
    }
    const double integral =
        ComputeRegionIntegral(kMeanCells, kMeanCells, x1, x2, y1, y2, m_nSurfaceUpper, kQuadricForm,
                              solid::kRegionIntegral);
    // Where the surface dips below the floor the integral is signed: it is
    // not read as a volume then.
    DrawLabelValue3D(pDC, m_dXMin, m_dYMin + m_dYSpan / 50, m_dZMax - m_dZSpan / 50,
                     Gbk(integral < 0 ? u8"二重积分: " : u8"体积: "), 3, integral,
                     m_crCurveSetting);
}
