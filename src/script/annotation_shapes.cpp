// Conic pieces, arcs, discs and fills in the current figure: "Parabola",
// "Floodfill2", "Floodfill3", "Arc2", "Arc3", "Ellipse2" and "Ellipse3".
#include "view/view.h"

#include "script/script_args.h"

#include <cmath>

namespace {

constexpr int kArgArc = 5;        // Arc2( Arc3(
constexpr int kArgShape = 9;      // Parabola( Ellipse2( Ellipse3(
constexpr int kArgFloodfill = 11; // Floodfill2( Floodfill3(

// Ellipse2 orientation arrows: start angle, spacing, end, and the angle
// each arrow spans (its sign gives the sense).
constexpr double kArrowStart = 0.3;
constexpr double kArrowSpacing = 0.79;
constexpr double kArrowEnd = 6.0;
constexpr double kArrowSpan = 0.3;

} // namespace

void CPemroView::CmdParabola(CDC* pDC) {
    if (!IsAnnotationOn()) return;
    const int form = ScriptInt(ReadScriptNumber(kArgShape));
    const int space = ScriptInt(ReadScriptNumber(m_nParsePos));
    double v[6];
    for (double& d : v) d = ReadScriptNumber(m_nParsePos);
    DrawParabola(pDC, form, space, v[0], v[1], v[2], v[3], v[4], v[5], m_crDefaultPen);
}

namespace {

// How many sides of the logical box `box` have a pixel that differs from the
// copy of the box taken before.
int SidesChanged(const CDC& dc, const CDC& before, const CRect& box) {
    const auto changed = [&](int x, int y) {
        return dc.GetPixel(x, y) != before.GetPixel(x - box.left, y - box.top);
    };
    bool top = false, bottom = false, left = false, right = false;
    for (int x = box.left; x < box.right; ++x) {
        top = top || changed(x, box.top);
        bottom = bottom || changed(x, box.bottom - 1);
    }
    for (int y = box.top; y < box.bottom; ++y) {
        left = left || changed(box.left, y);
        right = right || changed(box.right - 1, y);
    }
    return int(top) + int(bottom) + int(left) + int(right);
}

// The figure's fill box in the device context's own coordinates.
CRect DcBox(CDC* pDC, const CRect& device) {
    const CPoint org = pDC->GetViewportOrg();
    return CRect(device.left - org.x, device.top - org.y, device.right - org.x,
                 device.bottom - org.y);
}

// A copy of the box taken before a fill, so that a fill that runs to every
// side can be taken back.
bool KeepBox(CDC* pDC, const CRect& box, CBitmap* before) {
    if (box.IsRectEmpty() || !before->CreateBitmap(box.Width(), box.Height())) return false;
    CDC(before).BitBlt(0, 0, box.Width(), box.Height(), pDC, box.left, box.top, SRCCOPY);
    return true;
}

} // namespace

// A plane shape whose corner a range step moved out of the range takes the
// cursor point there, so its outline may no longer hold the seed: a fill
// that then runs over the whole plot (all four sides) would cover the
// figure's curves and buttons, and is taken back.
void CPemroView::CmdFloodfill2(CDC* pDC) {
    if (!IsAnnotationOn()) return;
    const double x = ReadScriptNumber(kArgFloodfill);
    const double y = ReadScriptNumber(m_nParsePos);
    ReadScriptColors(TRUE, TRUE);
    if (!pDC) return;
    const CRect box = DcBox(pDC, FigureFillBox(pDC));
    CBitmap before;
    const bool kept = KeepBox(pDC, box, &before);
    FloodFillWorld(pDC, x, y, m_crPen, m_crFill);
    if (!kept) return;
    CDC copy(&before);
    if (SidesChanged(*pDC, copy, box) == 4)
        pDC->BitBlt(box.left, box.top, box.Width(), box.Height(), &copy, 0, 0, SRCCOPY);
}

// Shown once the user has clicked into the figure (the click stays stored,
// so the fill is drawn on every later pass). A fill whose outline a range
// step has moved off its seed runs to every side of the box; it then fills
// only the ground the seed lies on, so the figure's lines and texts stay.
void CPemroView::CmdFloodfill3(CDC* pDC) {
    if (!IsAnnotationOn() || !HitTestGraphRegion(0)) return;
    double x = ReadScriptNumber(kArgFloodfill);
    double y = ReadScriptNumber(m_nParsePos);
    const double z = ReadScriptNumber(m_nParsePos);
    ReadScriptColors(TRUE, TRUE);
    if (!pDC) return;
    TurnPoint3D(&x, &y);
    int sx, sy;
    if (!ProjectPoint3D(x, y, z, &sx, &sy)) return;
    const CRect box = DcBox(pDC, FigureFillBox(pDC));
    CBitmap before;
    const bool kept = KeepBox(pDC, box, &before);
    FloodFillPx(pDC, sx, sy, m_crPen, m_crFill);
    if (!kept) return;
    CDC copy(&before);
    if (SidesChanged(*pDC, copy, box) < 4 || !box.PtInRect(CPoint(sx, sy))) return;
    pDC->BitBlt(box.left, box.top, box.Width(), box.Height(), &copy, 0, 0, SRCCOPY);
    FloodFillPx(pDC, sx, sy, copy.GetPixel(sx - box.left, sy - box.top), m_crFill,
                FLOODFILLSURFACE);
}

void CPemroView::CmdArc2(CDC* pDC) {
    if (!IsAnnotationOn()) return;
    double v[4];
    for (int i = 0; i < 4; ++i) v[i] = ReadScriptNumber(i == 0 ? kArgArc : m_nParsePos);
    m_dArcStartAngle = ReadScriptNumber(m_nParsePos);
    m_dArcEndAngle = ReadScriptNumber(m_nParsePos);
    ReadScriptColors(TRUE, FALSE);
    DrawArcWorld(pDC, v[0], v[1], v[2], v[3], m_dArcStartAngle, m_dArcEndAngle, m_crPen);
}

void CPemroView::CmdArc3(CDC* pDC) {
    if (!IsAnnotationOn() || !HitTestGraphRegion(0)) return;
    double c[3], v[3];
    for (int i = 0; i < 3; ++i) c[i] = ReadScriptNumber(i == 0 ? kArgArc : m_nParsePos);
    for (double& u : m_adCommandPoint3D) u = ReadScriptNumber(m_nParsePos);
    for (double& d : v) d = ReadScriptNumber(m_nParsePos);
    ReadScriptColors(TRUE, FALSE);
    const double* u = m_adCommandPoint3D;
    DrawArc3D(pDC, c[0], c[1], c[2], u[0], u[1], u[2], v[0], v[1], v[2], m_crPen);
}

void CPemroView::CmdEllipse2(CDC* pDC) {
    if (!IsAnnotationOn()) return;
    double cx = ReadScriptNumber(kArgShape);
    double cy = ReadScriptNumber(m_nParsePos);
    const double rx = ReadScriptNumber(m_nParsePos);
    const double ry = ReadScriptNumber(m_nParsePos);
    PlanePointOrCursor(&cx, &cy);
    m_nOdeMethodFamily = ScriptInt(ReadScriptNumber(m_nParsePos));
    ReadScriptColors(TRUE, TRUE);
    DrawEllipseWorld(pDC, cx, cy, rx, ry, m_crPen, m_crFill);

    if (m_nOdeMethodFamily != 1 && m_nOdeMethodFamily != -1) return;
    const double d = m_nOdeMethodFamily * kArrowSpan;
    for (double t = kArrowStart; t < kArrowEnd; t += kArrowSpacing)
        DrawArrowWorld(pDC, cx + rx * std::cos(t), cy + ry * std::sin(t), cx + rx * std::cos(t + d),
                       cy + ry * std::sin(t + d), 1, "", "", m_crDefaultPen);
}

void CPemroView::CmdEllipse3(CDC* pDC) {
    if (!IsAnnotationOn()) return;
    double x = ReadScriptNumber(kArgShape);
    double y = ReadScriptNumber(m_nParsePos);
    double z = ReadScriptNumber(m_nParsePos);
    const int rx = ScriptInt(ReadScriptNumber(m_nParsePos));
    const int ry = ScriptInt(ReadScriptNumber(m_nParsePos));
    ReadScriptColors(TRUE, TRUE);
    // Out of range: the disc lies on the floor of the box under the mouse.
    if (!(m_dXMin < x && x < m_dXMax && m_dYMin < y && y < m_dYMax)) {
        x = m_adMousePoint3D[0];
        y = m_adMousePoint3D[1];
        z = m_dZMin;
    }
    DrawDotProjected(pDC, x, y, z, rx, ry, m_crPen, m_crFill);
}
