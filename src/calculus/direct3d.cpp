// The directional limit of a surface at a point (the curve of the surface
// above a ray or a segment that ends there) and the directional derivative
// (the section in direction φ with the tangent built from the two partial
// derivatives). Both draw into the scene an earlier command set up.
#include "view/view.h"

#include "calculus/math/directional.h"
#include "platform/text_codec.h"
#include "script/script_args.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kArgDirectDerive = 10;
constexpr int kArgDirectLimit = 12;
constexpr double kPhiStep = 0.314;
constexpr double kDiffStep = 1e-5;
// The section of the directional derivative: t from 1 down to -1.
constexpr double kSectionStep = 0.001;
constexpr int kSectionSteps = 2000;
constexpr double kTwoPi = 6.283185307179586;

// A fine walk projects run after run of its segments onto the same pair of
// pixel ends; each pair is drawn once (drawing it again would change no
// pixel with a copying pen).
class SegmentRun {
public:
    SegmentRun(CPemroView& view, CDC* pDC, COLORREF colour)
        : m_view(view), m_pDC(pDC), m_colour(colour), m_bMerge(pDC->GetROP2() == R2_COPYPEN) {}

    void Segment(double x1, double y1, double z1, double x2, double y2, double z2) {
        CPoint a, b;
        if (!m_view.ProjectSegment3D(x1, y1, z1, x2, y2, z2, &a, &b)) return;
        if (m_bMerge && m_bHave && a == m_a && b == m_b) return;
        m_view.DrawLinePxB(m_pDC, m_view.m_nPixelSize, a.x, a.y, b.x, b.y, m_colour);
        m_a = a, m_b = b, m_bHave = true;
    }

private:
    CPemroView& m_view;
    CDC* m_pDC;
    COLORREF m_colour;
    bool m_bMerge;
    bool m_bHave = false;
    CPoint m_a, m_b;
};

} // namespace

void CPemroView::CmdDirectLimit(CDC* pDC) {
    if (!m_bPlaneCmdsEnabled || !m_bFigureVisible) return;
    const int nUseCursor = ScriptInt(ReadScriptNumber(kArgDirectLimit));
    double v[4];
    for (double& x : v) x = ReadScriptNumber(m_nParsePos);
    ReadScriptColors(TRUE, TRUE);
    if (m_bFullRepaint || HitTestGraphRegion(0))
        DrawDirectLimit(pDC, nUseCursor, v[0], v[1], v[2], v[3], m_crPen, m_crFill);
}

void CPemroView::DrawDirectLimit(CDC* pDC, int nUseCursor, double a, double b, double px, double py,
                                 COLORREF crPath, COLORREF crFloor) {
    if (!IsFigureBandVisible() || !IsSceneUsable()) return;
    if (!m_bFullRepaint && !HitTestGraphRegion(0)) return;
    const calculus::PlaneBox box{m_dXMin, m_dXMax, m_dYMin, m_dYMax};
    calculus::LimitPath path;
    if (!calculus::InPlaneBox(box, px, py)) {
        DirectLimitButtons(pDC);
        path = calculus::RayLimitPath(a, b, m_dDemoParam, box);
    } else {
        if (nUseCursor != 0) px = m_dCursorX, py = m_dCursorY;
        path = calculus::SegmentLimitPath(a, b, px, py);
    }
    TraceLimitPath(pDC, a, b, path.dx, path.dy, path.count, crPath);
    const double lx = a + path.count * path.dx, ly = b + path.count * path.dy;
    DrawLine3D(pDC, lx, ly, m_dZMin, a, b, m_dZMin, crFloor);
    const double k = calculus::kLimitFraction;
    const double value = EvalSurfaceF(a + k * (lx - a), b + k * (ly - b), m_nSurfaceUpper);
    const double x = m_dXMin, y = m_dYMin + 0.1 * m_dYSpan, z = m_dZMax - 0.05 * m_dZSpan;
    if (std::isfinite(value))
        DrawLabelValue3D(pDC, x, y, z, Gbk(u8"方向极限:"), 4, value, m_crCurveSetting);
    else
        DrawLabelValue3D(pDC, x, y, z, Gbk(u8"方向极限:无定义"), -1, 0, m_crCurveSetting);
}

void CPemroView::DirectLimitButtons(CDC* pDC) {
    const int right = m_nFigureRight, top = m_nFigureTop;
    const CString up = Gbk(u8"θ增");
    // Kept clear of "θ减" when the font makes the buttons wider.
    const int upX = std::min(right - 70, right - 30 - ButtonWidth(up) - 4);
    BOOL turned = FALSE;
    if (TextButtonInPlot(pDC, upX, top, 30, 18, up, m_crCurveSetting))
        m_dDemoParam += m_dParamStep, turned = TRUE;
    if (TextButtonInPlot(pDC, right - 30, top, 30, 18, Gbk(u8"θ减"), m_crCurveSetting))
        m_dDemoParam -= m_dParamStep, turned = TRUE;
    // θ and θ + 2π give the same ray; kept within a turn, no run of clicks
    // can carry it out of range.
    if (turned) m_dDemoParam = std::fmod(m_dDemoParam, kTwoPi);
}

void CPemroView::TraceLimitPath(CDC* pDC, double a, double b, double dx, double dy, long count,
                                COLORREF colour) {
    // Measured hot loop: up to kMaxRaySteps surface values per pass. A
    // sample without a finite value breaks the curve.
    SegmentRun run(*this, pDC, colour);
    double px = 0, py = 0, pz = NAN;
    for (long k = 1; k <= count; ++k) {
        const double x = a + k * dx, y = b + k * dy;
        const double z = EvalSurfaceF(x, y, m_nSurfaceUpper);
        if (std::isfinite(z) && std::isfinite(pz)) run.Segment(px, py, pz, x, y, z);
        px = x, py = y, pz = z;
    }
}

void CPemroView::CmdDirectDerive(CDC* pDC) {
    if (!m_bPlaneCmdsEnabled || !m_bFigureVisible) return;
    const double x0 = ReadScriptNumber(kArgDirectDerive);
    const double y0 = ReadScriptNumber(m_nParsePos);
    const double phi = ReadScriptNumber(m_nParsePos);
    ReadScriptColors(TRUE, FALSE);
    DrawDirectDerive(pDC, x0, y0, phi, m_crPen);
}

void CPemroView::DrawDirectDerive(CDC* pDC, double x0, double y0, double phi, COLORREF pen) {
    if (!IsFigureBandVisible() || !IsSceneUsable()) return;
    // Drawn with the scene, which a click on its panel above draws again.
    if (!IsFigureRedrawn()) return;
    if (!(m_dXMin <= x0 && x0 <= m_dXMax)) x0 = m_dCursorX, y0 = m_dCursorY;
    if (phi >= 0) {
        m_dDemoVariant = phi;
    } else {
        // Buttons sized to a large font would overlap 24 pixels apart, and a
        // click on both would undo itself.
        const int down = std::max(24, 2 + ButtonHeight() + 2);
        if (TextButton(pDC, m_nFigureRight, m_nFigureTop + 2, Gbk(u8"φ增")))
            m_dDemoVariant += kPhiStep;
        if (TextButton(pDC, m_nFigureRight, m_nFigureTop + down, Gbk(u8"φ减")))
            m_dDemoVariant -= kPhiStep;
    }
    if (!HitTestGraphRegion(1)) return;
    phi = m_dDemoVariant;
    if (!std::isfinite(phi) || !std::isfinite(x0) || !std::isfinite(y0)) return;
    const double c = std::cos(phi), s = std::sin(phi);
    DrawDirectionSection(pDC, x0, y0, c, s);
    const auto f = [&](double x, double y) { return EvalSurfaceF(x, y, m_nSurfaceUpper); };
    const double z0 = f(x0, y0);
    const calculus::DirectionalSlope d = calculus::DirectionalSlopeAt(
        z0, f(x0 + kDiffStep, y0), f(x0, y0 + kDiffStep), kDiffStep, phi);
    const double x1 = x0 + c, y1 = y0 + s, zb = m_dZMin;
    const COLORREF part = m_crDefaultFill;
    // The lines that close the parallelograms go first: at φ = 0 (or π/2)
    // one of them lies on the direction or the tangent, which stay in the
    // pen's colour on top.
    DrawArrow3D(pDC, x0, y0, zb, x1, y0, zb, 0, "", "", part);
    DrawArrow3D(pDC, x0, y0, zb, x0, y1, zb, 0, "", "", part);
    DrawLine3D(pDC, x1, y1, zb, x1, y0, zb, part);
    DrawLine3D(pDC, x1, y1, zb, x0, y1, zb, part);
    DrawArrow3D(pDC, x0, y0, zb, x1, y1, zb, 0, "", "", pen);
    // No tangent where the surface has no finite value or slope.
    if (!std::isfinite(z0) || !std::isfinite(d.Rise())) return;
    const double za = z0 + d.riseX, zc = z0 + d.riseY, zt = z0 + d.Rise();
    DrawArrow3D(pDC, x0, y0, z0, x1, y0, za, 0, "", "", part);
    DrawArrow3D(pDC, x0, y0, z0, x0, y1, zc, 0, "", "", part);
    DrawLine3D(pDC, x1, y1, zt, x1, y0, za, part);
    DrawLine3D(pDC, x1, y1, zt, x0, y1, zc, part);
    DrawArrow3D(pDC, x0, y0, z0, x1, y1, zt, 0, "", "", pen);
}

void CPemroView::DrawDirectionSection(CDC* pDC, double x0, double y0, double c, double s) {
    SegmentRun surface(*this, pDC, m_crCurveSetting);
    SegmentRun floor(*this, pDC, m_crFirstDerivative);
    const auto strictlyInside = [&](double x, double y) {
        return m_dXMin < x && x < m_dXMax && m_dYMin < y && y < m_dYMax;
    };
    double px = x0 + c, py = y0 + s;
    double pz = EvalSurfaceF(px, py, m_nSurfaceUpper);
    for (int i = 1; i < kSectionSteps; ++i) {
        const double t = 1.0 - i * kSectionStep;
        const double x = x0 + t * c, y = y0 + t * s;
        const double z = EvalSurfaceF(x, y, m_nSurfaceUpper);
        if (strictlyInside(x, y)) {
            if (std::isfinite(z) && std::isfinite(pz)) surface.Segment(px, py, pz, x, y, z);
            floor.Segment(px, py, m_dZMin, x, y, m_dZMin);
        }
        px = x, py = y, pz = z;
    }
}
