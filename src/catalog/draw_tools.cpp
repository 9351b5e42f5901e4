// The user's drawing tools: the toolbar commands that choose a tool, the
// clicks that place a shape's points, and the store of finished shapes drawn
// again at every paint of a figure that offers the tools.
#include "view/view.h"

#include <cmath>

namespace {

enum Tool {
    kNone = 0,
    kLine = 1,
    kParabolaUpDown = 2,
    kParabolaLeftRight = 3,
    kDot = 4,
    kEllipse = 5,
    kEllipseArrows = 6,
    kVector = 7,
    kPointVector = 8,
};

constexpr int kDotRadius = 3;
constexpr int kPlane = 0; // DrawParabola in the plane ...
constexpr int kSolid = 1; // ... or on the floor of the box
// Direction arrows of the ellipse: start angles and the angle each covers.
constexpr double kArrowStarts[3] = {1.02, 3.09, 5.16};
constexpr double kArrowSweep = 0.5;
// The filled ellipse on the floor of a box, point by point.
constexpr double kFillStep = 0.01;
constexpr double kFullTurn = 6.4;
constexpr long kMaxFillRings = 200; // rings of the fill, whatever the radii

// A placed point of an unfinished shape: a dot-sized segment in the border
// colour, in the plane or on the floor of the box.
void MarkToolPoint(CPemroView* v, CDC* pDC, BOOL b3D, double x, double y) {
    if (b3D)
        v->DrawLine3D(pDC, x, y, v->m_dZMin, x, y, v->m_dZMin, v->m_crDefaultPen);
    else
        v->DrawLineWorld(pDC, x, y, x, y, v->m_crDefaultPen);
}

bool IsTwoPointTool(int tool) {
    return tool == kLine || tool == kEllipse || tool == kEllipseArrows || tool == kVector ||
           tool == kPointVector;
}

} // namespace

// --- Toolbar commands: none repaints; the next paint uses the choice ----------

void CPemroView::OnToolLine() {
    m_nDrawTool = kLine;
    m_bToolFirstPoint = 0;
    m_bDrawToolsOff = 0;
}

void CPemroView::OnToolParabolaUpDown() {
    m_nDrawTool = kParabolaUpDown;
    m_nToolClickPhase = 0;
    m_bDrawToolsOff = 0;
}

void CPemroView::OnToolParabolaLeftRight() {
    m_nDrawTool = kParabolaLeftRight;
    m_nToolClickPhase = 0;
    m_bDrawToolsOff = 0;
}

void CPemroView::OnToolDot() {
    m_nDrawTool = kDot;
    m_bDrawToolsOff = 0;
}

void CPemroView::OnToolEllipse() {
    m_nDrawTool = kEllipse;
    m_bDrawToolsOff = 0;
}

void CPemroView::OnToolEllipseRight() {
    m_nDrawTool = kEllipseArrows;
    m_bDrawToolsOff = 0;
}

void CPemroView::OnToolVector() {
    m_nDrawTool = kVector;
    m_bToolFirstPoint = 0;
    m_bDrawToolsOff = 0;
}

void CPemroView::OnToolPointVector() {
    m_nDrawTool = kPointVector;
    m_bToolFirstPoint = 0;
    m_bDrawToolsOff = 0;
}

// "关闭画线": erases every stored shape.
void CPemroView::OnToolOff() {
    m_nDrawTool = kNone;
    m_nUserShapeCount = 0;
    m_bToolFirstPoint = 0;
    m_nToolClickPhase = 0;
}

// "关闭画图输入": clicks add nothing; the shapes stay.
void CPemroView::OnToolInputOff() {
    m_bDrawToolsOff = 1;
}

void CPemroView::OnToolBorderColour() {
    ChooseColour(20);
}

void CPemroView::OnToolInteriorColour() {
    ChooseColour(21);
}

// --- Clicks -------------------------------------------------------------------------

BOOL CPemroView::ToolClickPoint(BOOL b3D, double* x, double* y) const {
    // A click adds a point once: in the pass that answers it, never again
    // on a repaint.
    if (!IsClickPass()) return FALSE;
    if (!b3D) return StoredClickWorldPoint(x, y) && IsInsideWorldRange(*x, *y);
    // The base of the oblique box, as the mouse handler maps it.
    const CPoint click = ClickPagePoint();
    const int px = click.x, py = click.y;
    if (!NoteClickMet(m_nFigureLeft < px && px < m_nFigureRight &&
                      m_nFigureBottom - m_nProjScaleX < py && py < m_nFigureBottom) ||
        m_nProjScaleX == 0 || m_nProjScaleY == 0 || !(m_dXSpan != 0))
        return FALSE;
    *x = m_dXMax - double(m_nFigureBottom - py) * m_dXSpan / m_nProjScaleX;
    *y = ((*x - m_dXMin) * m_dObliqueFactor * m_nProjScaleX / m_dXSpan + (px - m_nProjOriginX)) *
             m_dYSpan / m_nProjScaleY +
         m_dYMin;
    return std::isfinite(*x) && std::isfinite(*y) && IsInsideWorldRange(*x, *y);
}

void CPemroView::TakeToolClick(CDC* pDC, double x, double y) {
    // A full store refuses further shapes; it is never written past its end.
    if (m_nUserShapeCount < 0 || m_nUserShapeCount >= kUserShapeCount) return;
    const int i = m_nUserShapeCount;
    const auto mark = [&](double u, double v) { MarkToolPoint(this, pDC, m_bFigure3D, u, v); };
    const auto complete = [&](int tool) {
        m_anUserShapeTool[i] = tool;
        m_acrUserShapeLine[i] = m_crDefaultPen;
        if (tool == kEllipse || tool == kEllipseArrows) m_acrUserShapeFill[i] = m_crDefaultFill;
        ++m_nUserShapeCount;
    };
    const int tool = m_nDrawTool;
    if (IsTwoPointTool(tool)) {
        if (m_bToolFirstPoint) {
            m_adShapeX2[i] = x;
            m_adShapeY2[i] = y;
            complete(tool);
            m_bToolFirstPoint = 0;
        } else {
            m_adShapeX1[i] = x;
            m_adShapeY1[i] = y;
            mark(x, y);
            m_bToolFirstPoint = 1;
        }
    } else if (tool == kParabolaUpDown || tool == kParabolaLeftRight) {
        switch (m_nToolClickPhase) {
        case 0:
            m_adShapeX1[i] = x;
            m_adShapeY1[i] = y;
            mark(x, y);
            m_nToolClickPhase = 1;
            break;
        case 1:
            m_adShapeX2[i] = x;
            m_adShapeY2[i] = y;
            mark(x, y);
            m_nToolClickPhase = 2;
            break;
        default:
            m_adShapeX3[i] = x;
            m_adShapeY3[i] = y;
            complete(tool);
            m_nToolClickPhase = 0;
            break;
        }
    } else if (tool == kDot) {
        m_adShapeX1[i] = x;
        m_adShapeY1[i] = y;
        complete(tool);
    }
}

void CPemroView::DrawUserShapes(CDC* pDC, BOOL b3D) {
    if (!IsFigureBandVisible()) return;
    m_bFigure3D = b3D;
    double x = 0, y = 0;
    if (!m_bDrawToolsOff && m_nDrawTool >= kLine && m_nDrawTool <= kPointVector &&
        ToolClickPoint(b3D, &x, &y))
        TakeToolClick(pDC, x, y);
    RenderUserShapes(pDC, b3D);
}

// --- Drawing the store ------------------------------------------------------------

void CPemroView::RenderUserShapes(CDC* pDC, BOOL b3D) {
    if (!IsFigureBandVisible()) return;
    // Drawn whenever the figure under them was drawn again.
    if (!m_bFullRepaint && !(b3D ? HitTestGraphRegion(2) : IsClickOnGraphControls())) return;
    m_bFigure3D = b3D;
    int count = m_nUserShapeCount;
    if (count > kUserShapeCount) count = kUserShapeCount;
    for (int i = 0; i < count; ++i) RenderUserShape(pDC, i, b3D);

    // The points of the shape under construction stay marked until it is
    // finished.
    if (count < 0 || count >= kUserShapeCount) return;
    const auto mark = [&](double u, double v) { MarkToolPoint(this, pDC, b3D, u, v); };
    if (IsTwoPointTool(m_nDrawTool) && m_bToolFirstPoint)
        mark(m_adShapeX1[count], m_adShapeY1[count]);
    if (m_nDrawTool == kParabolaUpDown || m_nDrawTool == kParabolaLeftRight) {
        if (m_nToolClickPhase >= 1) mark(m_adShapeX1[count], m_adShapeY1[count]);
        if (m_nToolClickPhase >= 2) mark(m_adShapeX2[count], m_adShapeY2[count]);
    }
}

void CPemroView::RenderUserShape(CDC* pDC, int i, BOOL b3D) {
    const double x1 = m_adShapeX1[i], y1 = m_adShapeY1[i];
    const double x2 = m_adShapeX2[i], y2 = m_adShapeY2[i];
    const double x3 = m_adShapeX3[i], y3 = m_adShapeY3[i];
    const COLORREF line = m_acrUserShapeLine[i], fill = m_acrUserShapeFill[i];
    const double rx = std::fabs(x1 - x2), ry = std::fabs(y1 - y2);
    const double z = m_dZMin;
    const CString none;
    const int tool = m_anUserShapeTool[i];

    const auto arrow = [&](double ax, double ay, double bx, double by, COLORREF colour) {
        if (b3D)
            DrawArrow3D(pDC, ax, ay, z, bx, by, z, 0, none, none, colour);
        else
            DrawArrowWorld(pDC, ax, ay, bx, by, 0, none, none, colour);
    };
    const auto dot = [&]() {
        if (b3D)
            DrawDotProjected(pDC, x1, y1, z, kDotRadius, kDotRadius, line, line);
        else
            DrawDotWorld(pDC, x1, y1, kDotRadius, kDotRadius, line, line);
    };
    const auto ellipse = [&]() {
        if (!b3D) {
            DrawEllipseWorld(pDC, x1, y1, rx, ry, line, fill);
            return;
        }
        // On the floor the area is filled point by point, ring by ring, in
        // the current interior colour.
        const COLORREF colour = m_crDefaultFill;
        double ringStep = kFillStep / (rx + ry + kFillStep);
        if (!(ringStep > 0) || !std::isfinite(ringStep)) return;
        if (1.0 / ringStep > double(kMaxFillRings)) ringStep = 1.0 / kMaxFillRings;
        long rings = 0;
        for (double s = 0; s < 1 && rings <= kMaxFillRings; s += ringStep, ++rings)
            for (double t = 0; t < kFullTurn; t += kFillStep / (s + 0.0001)) {
                const double px = x1 + s * rx * std::cos(t), py = y1 - s * ry * std::sin(t);
                DrawLine3D(pDC, px, py, z, px, py, z, colour);
            }
        for (double t = 0; t < kFullTurn; t += kFillStep) {
            const double px = x1 + rx * std::cos(t), py = y1 - ry * std::sin(t);
            DrawLine3D(pDC, px, py, z, px, py, z, colour);
        }
    };

    switch (tool) {
    case kLine:
        if (b3D)
            DrawLine3D(pDC, x1, y1, z, x2, y2, z, line);
        else
            DrawLineWorld(pDC, x1, y1, x2, y2, line);
        break;
    case kParabolaUpDown:
    case kParabolaLeftRight:
        DrawParabola(pDC, tool == kParabolaUpDown ? 0 : 1, b3D ? kSolid : kPlane, x1, y1, x3, y3,
                     x2, y2, line);
        break;
    case kDot:
        dot();
        break;
    case kEllipse:
        ellipse();
        break;
    case kEllipseArrows:
        ellipse();
        for (double s : kArrowStarts)
            arrow(x1 + rx * std::cos(s), y1 + ry * std::sin(s), x1 + rx * std::cos(s + kArrowSweep),
                  y1 + ry * std::sin(s + kArrowSweep), m_crCurveSetting);
        break;
    case kVector:
        arrow(x1, y1, x2, y2, line);
        break;
    case kPointVector:
        dot();
        arrow(x1, y1, x2, y2, line);
        break;
    default:
        break;
    }
}
