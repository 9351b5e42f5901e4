// Planes, boxes, chords and the saddle test: "PLANE" (two planes in the 3-D
// scene with their formula panel), "Cube" (an axis-parallel box), "BoxLine"
// (the chord of a rectangle through a point, with its length) and "B^2_AC"
// (the second-derivative test value at a point of a surface).
#include "view/view.h"

#include "catalog/math/surfaces.h"
#include "platform/text_codec.h"
#include "script/math/annotation_geometry.h"
#include "script/script_args.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kArgPlane = 6;   // PLANE(
constexpr int kArgCube = 5;    // Cube(
constexpr int kArgBoxLine = 8; // BoxLine(
constexpr int kArgSaddle = 7;  // B^2_AC(

constexpr int kCubeAllEdges = 3;
constexpr double kSaddleStep = 0.0001;

} // namespace

// The two-variable panel of the function graph, above the figure.
void CPemroView::DrawPlanePanel(CDC* pDC, const CString& upper, const CString& lower) {
    const int h = m_nBaseCharHeight;
    DrawSurfaceFunctionPanel(pDC, m_nFigureLeft - 2 * h, m_nFigureRight + 2 * h,
                             m_nFigureTop - 6 * h - 4, m_nFigureTop - h, upper, lower);
}

void CPemroView::CmdPLANE(CDC* pDC) {
    ReadPlotSetup3D(kArgPlane);
    if (!m_bFigureVisible) return;
    // Set when the page's own values are read: at its opening and after 恢复.
    const bool fresh = m_bLoadScriptSettings;
    if (fresh) m_nProjectionDisplay = 0;
    const int mode = m_nSurfaceUpper;
    m_nSurfaceUpper = m_nSurfaceLower = catalog::kPlaneSurfaceForm;
    m_bProjectBase = 0;
    m_bProjectXoy = 0;
    // A lecturer's choice of π2 stays over repaints until π1, 恢复 or a new
    // page; modes 0 and 1 have π1 alone.
    const bool second = mode >= 2 && !fresh && m_nPanelSurfaceSel == 1;
    m_nPanelSurfaceSel = second ? 1 : 0;
    m_bDrawInverted = 1;
    m_bFigureTookScript = m_bLoadScriptSettings;
    if (m_nSurfaceCoefEdit == 1) KeepEditedSettings();
    // π2 is d, e, f of the upper coefficients: a copy of π1 in modes 0 and 1.
    // The lower surface's plane form reads its own d, e, f: they follow, and
    // lead while π2 is chosen, as its panel edits them. Both copies, the
    // working and the saved, keep in step, so either panel opens on the
    // planes drawn; π2's panel shows π1's a, b, c.
    for (int i = 0; i < 3; ++i) {
        if (mode < 2) m_adCoefSurfF[3 + i] = m_adCoefSurfF[i];
        if (second)
            m_adCoefSurfF[3 + i] = m_adCoefSurfG[3 + i];
        else
            m_adCoefSurfG[3 + i] = m_adCoefSurfF[3 + i];
        m_adCoefSurfG[i] = m_adCoefSurfF[i];
        if (mode < 2) continue;
        m_adSavedCoefSurfF[3 + i] = m_adSavedCoefSurfG[3 + i] = m_adCoefSurfF[3 + i];
        m_adSavedCoefSurfG[i] = m_adCoefSurfF[i];
    }
    DrawSurfaceScene(pDC, 0, 0, 0, m_dXMin, m_dXMax, m_dYMin, m_dYMax, "x", "y", "z");
    // 恢复 pressed in the scene: π1 is chosen again.
    if (m_bLoadScriptSettings) m_nPanelSurfaceSel = 0;
    // In modes 0 and 1 π2 is a copy of π1: one plane, whose a, b, c alone are
    // the lecturer's; its panel is the one LINE3 draws over it.
    if (!IsFigureBandVisible()) return;
    if (mode < 2)
        DrawPlanePanel(pDC, Gbk(u8"平面："), "");
    else
        DrawPlanePanel(pDC, Gbk(u8"π1"), Gbk(u8"π2:"));
}

// Drawn whenever its figure is drawn again.
void CPemroView::CmdCube(CDC* pDC) {
    if (!IsAnnotationOn()) return;
    double v[6];
    for (int i = 0; i < 6; ++i) v[i] = ReadScriptNumber(i == 0 ? kArgCube : m_nParsePos);
    ReadScriptColors(TRUE, FALSE);
    if (IsFigureRedrawn())
        DrawCube(pDC, kCubeAllEdges, v[0], v[1], v[2], v[3], v[4], v[5], m_crPen);
}

void CPemroView::CmdBoxLine(CDC* pDC) {
    if (!IsAnnotationOn()) return;
    const int kind = ScriptInt(ReadScriptNumber(kArgBoxLine));
    double v[8];
    for (double& d : v) d = ReadScriptNumber(m_nParsePos);
    ReadScriptColors(TRUE, TRUE);
    const annotation::Box2 box{v[0], v[1], v[2], v[3]};
    const double ax = v[4], ay = v[5];
    double px = v[6], py = v[7];
    if (!(m_dXMin <= px && px <= m_dXMax && m_dYMin <= py && py <= m_dYMax))
        px = m_dCursorX, py = m_dCursorY;
    if (!(m_dXMin < px && px < m_dXMax && m_dYMin < py && py < m_dYMax)) return;

    if (kind == 1) {
        DrawLineWorld(pDC, box.x1, box.y1, box.x1, box.y2, m_crFill);
        DrawLineWorld(pDC, box.x1, box.y1, box.x2, box.y1, m_crFill);
        DrawLineWorld(pDC, box.x2, box.y2, box.x1, box.y2, m_crFill);
        DrawLineWorld(pDC, box.x2, box.y2, box.x2, box.y1, m_crFill);
    }
    double q1x, q1y, q2x, q2y;
    annotation::BoxChord(box, m_dXSpan, m_dYSpan, ax, ay, px, py, &q1x, &q1y, &q2x, &q2y);
    DrawLineWorld(pDC, q1x, q1y, q2x, q2y, m_crPen);
    const double length = std::sqrt((q1x - q2x) * (q1x - q2x) + (q1y - q2y) * (q1y - q2y));
    DrawLabelValue(pDC, box.x1 + 0.3 * (box.x2 - box.x1), box.y2 - 0.1 * (box.y2 - box.y1),
                   Gbk(u8"长度:"), 4, length, m_crFill);
}

void CPemroView::CmdB2_AC(CDC* pDC) {
    if (!IsAnnotationOn()) return;
    double x0 = ReadScriptNumber(kArgSaddle);
    double y0 = ReadScriptNumber(m_nParsePos);
    double lx = ReadScriptNumber(m_nParsePos);
    double ly = ReadScriptNumber(m_nParsePos);
    double lz = ReadScriptNumber(m_nParsePos);
    // Ranges moved off the read-out's place bring it to the box's nearest
    // corner rather than out among the buttons over the frame.
    const auto into = [](double u, double lo, double hi) {
        return lo < hi ? std::min(std::max(u, lo), hi) : u;
    };
    lx = into(lx, m_dXMin, m_dXMax), ly = into(ly, m_dYMin, m_dYMax);
    lz = into(lz, m_dZMin, m_dZMax);
    if (!(m_dXMin <= x0 && x0 <= m_dXMax && m_dYMin <= y0 && y0 <= m_dYMax))
        x0 = m_dCursorX, y0 = m_dCursorY;
    if (!(m_dXMin < x0 && x0 < m_dXMax && m_dYMin < y0 && y0 < m_dYMax)) return;
    const double value = annotation::SaddleValue(
        [this](double x, double y) { return EvalSurfaceF(x, y, m_nSurfaceUpper); }, x0, y0,
        kSaddleStep);
    DrawLabelValue3D(pDC, lx, ly, lz, "B^2-AC=", 4, value, m_crDefaultPen);
}
