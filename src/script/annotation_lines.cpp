// Straight lines in the current figure: "Line2" (a plane segment), "LINE2"
// (a plane line at an adjustable angle), "Line3" (a space segment, or a drop
// onto a surface), "LINE3" (a space line with adjustable direction numbers,
// optionally against a plane) and "Line_Point" (the distance from a point to
// a space line).
#include "view/view.h"

#include "catalog/math/surfaces.h"
#include "platform/text_codec.h"
#include "script/math/annotation_geometry.h"
#include "script/script_args.h"

#include <algorithm>
#include <cmath>

using annotation::PlaneZ;
using annotation::Point3;

namespace {

constexpr int kArgLine2 = 6;      // Line2( LINE2( Line3( LINE3(
constexpr int kArgLinePoint = 11; // Line_Point(

// LINE2: the angle of a vertical direction, and the trace step.
constexpr double kVerticalAngle = 1.57;
constexpr double kLine2Step = 0.001;
constexpr long long kLine2StepCap = 1000000000;

// LINE3/Line_Point: trace step of the line parameter, and a bound on the
// steps of one direction (a tiny direction would otherwise step for ever).
constexpr double kTraceStep = 0.001;
constexpr int kTraceStepCap = 200000;

constexpr int kDotRadius = 3;

// Buttons of the direction numbers, in their column from the top.
struct DirectionButton {
    const char* label;
    double CPemroView::*field;
    double sign;
};
const DirectionButton kDirectionButtons[] = {
    {u8"m增", &CPemroView::m_dDirM, 1}, {u8"m减", &CPemroView::m_dDirM, -1},
    {u8"n增", &CPemroView::m_dDirN, 1}, {u8"n减", &CPemroView::m_dDirN, -1},
    {u8"p增", &CPemroView::m_dDirP, 1}, {u8"p减", &CPemroView::m_dDirP, -1},
};
constexpr int kButtonRowStep = 24;

PlaneZ FirstPlane(const CPemroView& v) {
    return {v.m_adCoefSurfF[0], v.m_adCoefSurfF[1], v.m_adCoefSurfF[2]};
}

// The second plane lives in elements 3..5 of the upper coefficients (the
// surface panel edits it there); the lower surface's plane form reads its
// own elements 3..5, so they are given the same values.
void SetSecondPlane(CPemroView* v, const PlaneZ& plane) {
    v->m_adCoefSurfF[3] = v->m_adCoefSurfG[3] = plane.a;
    v->m_adCoefSurfF[4] = v->m_adCoefSurfG[4] = plane.b;
    v->m_adCoefSurfF[5] = v->m_adCoefSurfG[5] = plane.c;
}

} // namespace

void CPemroView::CmdLine2(CDC* pDC) {
    if (!IsAnnotationOn()) return;
    double x1 = ReadScriptNumber(kArgLine2);
    double y1 = ReadScriptNumber(m_nParsePos);
    double x2 = ReadScriptNumber(m_nParsePos);
    double y2 = ReadScriptNumber(m_nParsePos);
    ReadScriptColors(TRUE, FALSE);
    PlanePointOrCursor(&x1, &y1);
    PlanePointOrCursor(&x2, &y2);
    DrawLineWorld(pDC, x1, y1, x2, y2, m_crPen);
}

void CPemroView::CmdLINE2(CDC* pDC) {
    if (!IsAnnotationOn()) return;
    const double x0 = ReadScriptNumber(kArgLine2);
    const double y0 = ReadScriptNumber(m_nParsePos);
    const double u = ReadScriptNumber(m_nParsePos);
    const double v = ReadScriptNumber(m_nParsePos);
    ReadScriptColors(TRUE, FALSE);
    if (m_bLoadScriptSettings && !m_bLine2AngleHeld)
        m_dRotationAngle = u == 0 ? kVerticalAngle : std::acos(u / std::sqrt(u * u + v * v));

    // Inside the figure however wide a large font makes the buttons.
    const CString up = Gbk(u8"θ增"), down = Gbk(u8"θ减");
    const int x = std::min(m_nFigureRight - 40, m_nFigureRight - 3 - ButtonWidth(up));
    if (TextButtonInPlot(pDC, x, m_nFigureTop + 2, 60, 20, up, m_crCurveSetting))
        m_dRotationAngle += m_dParamStep, m_bLine2AngleHeld = TRUE;
    if (TextButtonInPlot(pDC, x, m_nFigureTop + 26, 60, 20, down, m_crCurveSetting))
        m_dRotationAngle -= m_dParamStep, m_bLine2AngleHeld = TRUE;

    TraceLine2(pDC, x0, y0, 1);
    TraceLine2(pDC, x0, y0, -1);
    DrawLabelValue(pDC, m_dXMin, m_dYMax, "p=", 3, std::cos(m_dRotationAngle), m_crDefaultPen);
    DrawLabelValue(pDC, m_dXMin + 0.3 * m_dXSpan, m_dYMax, "q=", 3, std::sin(m_dRotationAngle),
                   m_crDefaultPen);
}

// The trace draws (x0, y0)–P for P stepping out from the start until it
// leaves the open range; every segment lies on the longest one, so only the
// last one inside and the first one outside are drawn.
void CPemroView::TraceLine2(CDC* pDC, double x0, double y0, double sign) {
    const double c = sign * std::cos(m_dRotationAngle), s = sign * std::sin(m_dRotationAngle);
    const auto inside = [&](double t) {
        const double x = x0 + t * c, y = y0 + t * s;
        return m_dXMin < x && x < m_dXMax && m_dYMin < y && y < m_dYMax;
    };
    double lx, hx, ly, hy;
    annotation::SlabInterval(x0, c, m_dXMin, m_dXMax, &lx, &hx);
    annotation::SlabInterval(y0, s, m_dYMin, m_dYMax, &ly, &hy);
    const long long k =
        annotation::FirstStepOutside(inside, hx < hy ? hx : hy, kLine2Step, kLine2StepCap);
    for (long long j = k > 0 ? k - 1 : k; j <= k; ++j) {
        const double t = double(j) * kLine2Step;
        DrawLineWorld(pDC, x0, y0, x0 + t * c, y0 + t * s, m_crPen);
    }
}

void CPemroView::CmdLine3(CDC* pDC) {
    if (!IsAnnotationOn()) return;
    double x1 = ReadScriptNumber(kArgLine2);
    double y1 = ReadScriptNumber(m_nParsePos);
    const double z1 = ReadScriptNumber(m_nParsePos);
    const double x2 = ReadScriptNumber(m_nParsePos);
    const double y2 = ReadScriptNumber(m_nParsePos);
    const double z2 = ReadScriptNumber(m_nParsePos);
    ReadScriptColors(TRUE, FALSE);
    if (x1 < m_dXMin || x1 > m_dXMax) x1 = m_adMousePoint3D[0];
    if (y1 < m_dYMin || y1 > m_dYMax) y1 = m_adMousePoint3D[1];

    // A second point (c, c, c) with c outside the x range drops the first
    // point onto the lower (c below) or upper (c above) surface.
    const bool marker = x2 == y2 && y2 == z2 && (x2 < m_dXMin || x2 > m_dXMax);
    if (!marker) {
        DrawLine3D(pDC, x1, y1, z1, x2, y2, z2, m_crPen);
        return;
    }
    if (m_bCutZc == 1 || m_nSectionPlane != 0) return;
    const double z = x2 < m_dXMin ? EvalSurfaceG(x1, y1, m_nSurfaceLower)
                                  : EvalSurfaceF(x1, y1, m_nSurfaceUpper);
    if (EvalRegionFunction(x1, y1, m_nFuncF) > 0) DrawLine3D(pDC, x1, y1, z1, x1, y1, z, m_crPen);
}

void CPemroView::DirectionButtons(CDC* pDC) {
    const int x = m_nFigureRight - 10;
    int y = m_nFigureTop + 2;
    for (const DirectionButton& b : kDirectionButtons) {
        if (TextButtonInPlot(pDC, x, y, 60, 20, Gbk(b.label), m_crCurveSetting)) {
            this->*b.field += b.sign * m_dParamStep;
            m_bLoadScriptSettings = 0;
        }
        y += kButtonRowStep;
    }
    DrawLabelValue3D(pDC, m_dXMin, m_dYMin, m_dZMax, "m=", 3, m_dDirM, m_crDefaultPen);
    DrawLabelValue3D(pDC, m_dXMin, m_dYMin + 0.3 * m_dYSpan, m_dZMax, "n=", 3, m_dDirN,
                     m_crDefaultPen);
    DrawLabelValue3D(pDC, m_dXMin, m_dYMin + 0.6 * m_dYSpan, m_dZMax, "p=", 3, m_dDirP,
                     m_crDefaultPen);
}

void CPemroView::CmdLINE3(CDC* pDC) {
    if (!IsAnnotationOn()) return;
    const double x0 = ReadScriptNumber(kArgLine2);
    const double y0 = ReadScriptNumber(m_nParsePos);
    const double z0 = ReadScriptNumber(m_nParsePos);
    const double m = ReadScriptNumber(m_nParsePos);
    const double n = ReadScriptNumber(m_nParsePos);
    const double p = ReadScriptNumber(m_nParsePos);
    const int mode = ScriptInt(ReadScriptNumber(m_nParsePos));
    ReadScriptColors(TRUE, FALSE); // read to keep the line's layout; not drawn with
    // Opened with its coefficient panel, the plane of the figure has stopped
    // reloads already: the line still takes its direction on that pass.
    if (m_bLoadScriptSettings || m_bFigureTookScript) {
        m_dDirM = m, m_dDirN = n, m_dDirP = p;
        if (m_nSurfaceCoefEdit == 1) KeepEditedSettings();
    }
    DirectionButtons(pDC);
    if (mode == 1) DrawLine3Plane(pDC, x0, y0, z0);
    DrawDotProjected(pDC, x0, y0, z0, kDotRadius, kDotRadius, m_crDefaultPen, m_crDefaultFill);
    TraceSpaceLine(pDC, x0, y0, z0, 1, mode);
    TraceSpaceLine(pDC, x0, y0, z0, -1, mode);
}

// LINE3 mode 1: the plane π, the plane through the line perpendicular to it,
// and the perpendicular from P0 to π.
void CPemroView::DrawLine3Plane(CDC* pDC, double x0, double y0, double z0) {
    m_nSurfaceUpper = m_nSurfaceLower = catalog::kPlaneSurfaceForm;
    m_bDrawInverted = 1;
    DrawPlanePanel(pDC, Gbk(u8"平面："), "");
    const PlaneZ first = FirstPlane(*this);
    const Point3 p0{x0, y0, z0};
    PlaneZ second = first;
    annotation::ProjectingPlane(first, p0, m_dDirM, m_dDirN, m_dDirP, &second);
    SetSecondPlane(this, second);
    DrawSurfaceScene(pDC, 1, 1, 0, m_dXMin, m_dXMax, m_dYMin, m_dYMax, "", "", "");
    const Point3 f = annotation::FootOnPlane(first, p0);
    DrawLine3D(pDC, f.x, f.y, f.z, x0, y0, z0, m_crDefaultFill);
    DrawDotProjected(pDC, f.x, f.y, f.z, kDotRadius, kDotRadius, m_crDefaultPen, m_crDefaultFill);
}

// One direction of the line P0 + s·(m, n, p) in short steps, coloured by x,
// until it leaves the open world box or (modes 1 and 2) passes below the
// surfaces; any other mode stops after the first step.
void CPemroView::TraceSpaceLine(CDC* pDC, double x0, double y0, double z0, double sign, int mode) {
    const double m = sign * m_dDirM, n = sign * m_dDirN, p = sign * m_dDirP;
    // A direction of zero (or not a number) makes the point stand still.
    const bool moves = (m != 0 || n != 0 || p != 0) && std::isfinite(m + n + p);
    const auto goesOn = [&](double x, double y, double z) {
        if (!moves) return false;
        if (!(m_dXMin < x && x < m_dXMax && m_dYMin < y && y < m_dYMax && m_dZMin < z &&
              z < m_dZMax))
            return false;
        switch (mode) {
        case 0:
            return true;
        case 1:
            return EvalSurfaceF(x, y, m_nSurfaceUpper) < z;
        case 2:
            return EvalSurfaceF(x, y, m_nSurfaceUpper) < z &&
                   EvalSurfaceG(x, y, m_nSurfaceUpper) < z;
        default:
            return false;
        }
    };
    double qx = x0, qy = y0, qz = z0, s = 0;
    for (int step = 0; step < kTraceStepCap; ++step) {
        const double px = x0 + s * m, py = y0 + s * n, pz = z0 + s * p;
        s += kTraceStep;
        const double r = 255 * (px - m_dXMin) / m_dXSpan;
        DrawLine3D(pDC, qx, qy, qz, px, py, pz, MakeRGB(r, 255, 255 - r));
        qx = px, qy = py, qz = pz;
        if (!goesOn(px, py, pz)) break;
    }
}

void CPemroView::CmdLine_Point(CDC* pDC) {
    if (!IsAnnotationOn()) return;
    const double x0 = ReadScriptNumber(kArgLinePoint);
    const double y0 = ReadScriptNumber(m_nParsePos);
    const double z0 = ReadScriptNumber(m_nParsePos);
    const double m = ReadScriptNumber(m_nParsePos);
    const double n = ReadScriptNumber(m_nParsePos);
    const double p = ReadScriptNumber(m_nParsePos);
    const Point3 pm{ReadScriptNumber(m_nParsePos), ReadScriptNumber(m_nParsePos),
                    ReadScriptNumber(m_nParsePos)};
    m_dBreakF0 = pm.x, m_dBreakF1 = pm.y, m_dZ0 = pm.z;
    if (m_bLoadScriptSettings) m_dDirM = m, m_dDirN = n, m_dDirP = p;
    DirectionButtons(pDC);
    m_nSurfaceUpper = m_nSurfaceLower = catalog::kPlaneSurfaceForm;
    m_bDrawInverted = 1;

    // The plane through M perpendicular to the line (none while p = 0).
    PlaneZ plane;
    if (annotation::PerpendicularPlane(pm, m_dDirM, m_dDirN, m_dDirP, &plane)) {
        m_adCoefSurfF[0] = plane.a, m_adCoefSurfF[1] = plane.b, m_adCoefSurfF[2] = plane.c;
        // The page's own scene before this draws the saved plane on the next
        // pass: without it, the plane the page opened with stays beside this one.
        std::copy_n(m_adCoefSurfF, 3, m_adSavedCoefSurfF);
        SetSecondPlane(this, plane);
        DrawSurfaceScene(pDC, 1, 1, 0, m_dXMin, m_dXMax, m_dYMin, m_dYMax, "", "", "");
    }
    TraceSpaceLine(pDC, x0, y0, z0, 1, 1);
    TraceSpaceLine(pDC, x0, y0, z0, -1, 1);

    // The parallelogram P0, P0 − e, M − e, M on the unit vector e of the
    // line, filled first: the perpendicular from M, its foot and the points
    // stand inside it and are drawn over it.
    const double len = std::sqrt(m_dDirM * m_dDirM + m_dDirN * m_dDirN + m_dDirP * m_dDirP);
    if (len > 0 && std::isfinite(len)) {
        const double ex = m_dDirM / len, ey = m_dDirN / len, ez = m_dDirP / len;
        const double px[4] = {x0, x0 - ex, pm.x - ex, pm.x}, py[4] = {y0, y0 - ey, pm.y - ey, pm.y},
                     pz[4] = {z0, z0 - ez, pm.z - ez, pm.z};
        FillPolygon3D(pDC, px, py, pz, 4, m_crDefaultFill);
        DrawArrow3D(pDC, x0, y0, z0, x0 - ex, y0 - ey, z0 - ez, 0, "", "s", m_crDefaultPen);
        DrawArrow3D(pDC, x0 - ex, y0 - ey, z0 - ez, pm.x - ex, pm.y - ey, pm.z - ez, 0, "", "",
                    m_crDefaultPen);
        DrawArrow3D(pDC, pm.x, pm.y, pm.z, pm.x - ex, pm.y - ey, pm.z - ez, 0, "", "",
                    m_crDefaultPen);
    }
    DrawArrow3D(pDC, x0, y0, z0, pm.x, pm.y, pm.z, 1, "", "", m_crDefaultPen);

    const Point3 f = annotation::FootOnPlane(FirstPlane(*this), {x0, y0, z0});
    DrawLine3D(pDC, f.x, f.y, f.z, pm.x, pm.y, pm.z, m_crCurveSetting);
    for (const Point3& d : {f, pm, Point3{x0, y0, z0}})
        DrawDotProjected(pDC, d.x, d.y, d.z, kDotRadius, kDotRadius, m_crDefaultPen,
                         m_crDefaultFill);
}
