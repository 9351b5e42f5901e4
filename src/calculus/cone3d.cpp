// "CircularCone": a right circular cone in the 3-D scene, drawn as a fan of
// generators shaded by height, its base circle, one marked generator and the
// extended axis, once the figure has been clicked.
#include "view/view.h"

#include "calculus/math/cone.h"
#include "script/script_args.h"

#include <cmath>

namespace {

constexpr int kArgCircularCone = 13;
constexpr double kPi = 3.14159265358979323846;
// Generators per half turn: one every 0.01 of θ.
constexpr int kHalfTurnSteps = 314;
constexpr double kMarkedTheta = 2.0;

calculus::Rgb Channels(COLORREF c) {
    return {GetRValue(c), GetGValue(c), GetBValue(c)};
}

} // namespace

void CPemroView::CmdCircularCone(CDC* pDC) {
    ReadPlotSetup3D(kArgCircularCone);
    double v[7];
    for (double& x : v) x = ReadScriptNumber(m_nParsePos);
    ReadScriptColors(TRUE, TRUE);
    if (m_bFigureVisible)
        DrawCircularCone(pDC, v[0], v[1], v[2], v[3], v[4], v[5], v[6], m_crPen, m_crFill);
}

void CPemroView::DrawCircularCone(CDC* pDC, double a1, double a2, double a3, double b1, double b2,
                                  double b3, double r, COLORREF pen, COLORREF fill) {
    m_nProjectionDisplay = 0;
    SplitRGB(fill);
    SplitRGB(pen);
    DrawSurfaceScene(pDC, 0, 0, 0, 0, 0, 0, 0, "x ", "y ", "z ");
    if (!IsFigureBandVisible() || !HitTestGraphRegion(0) || !IsSceneUsable()) return;
    calculus::ConeBase base;
    if (!MakeConeBase({a1, a2, a3}, {b1, b2, b3}, r, &base)) return;

    const calculus::Rgb p = Channels(pen), f = Channels(fill);
    const auto generator = [&](const calculus::Point3& P, COLORREF colour) {
        DrawLine3D(pDC, a1, a2, a3, P.x, P.y, P.z, colour);
    };
    const auto shade = [&](const calculus::Point3& P) {
        const calculus::Rgb c = calculus::HeightShade(p, f, P.z, m_dZMin, m_dZSpan);
        return RGB(c.r, c.g, c.b);
    };
    // Half a turn from `from`: the generators, then the arc of the base.
    const auto half = [&](double from) {
        const auto at = [&](int i) {
            return calculus::ConeBasePoint(base, from + kPi * i / kHalfTurnSteps);
        };
        for (int i = 0; i <= kHalfTurnSteps; ++i) {
            const calculus::Point3 P = at(i);
            generator(P, shade(P));
        }
        calculus::Point3 prev = at(0);
        for (int i = 1; i <= kHalfTurnSteps; ++i) {
            const calculus::Point3 P = at(i);
            DrawLine3D(pDC, prev.x, prev.y, prev.z, P.x, P.y, P.z, m_crFirstDerivative);
            prev = P;
        }
    };
    // The back half first, then the marked generator and the axis, then the
    // front half over them.
    half(kPi / 2);
    generator(calculus::ConeBasePoint(base, kMarkedTheta), m_crCurveSetting);
    const double dx = b1 - a1, dy = b2 - a2, dz = b3 - a3;
    DrawLine3D(pDC, a1 - 0.5 * dx, a2 - 0.5 * dy, a3 - 0.5 * dz, a1 + 1.5 * dx, a2 + 1.5 * dy,
               a3 + 1.5 * dz, m_crCurveSetting);
    half(3 * kPi / 2);
}
