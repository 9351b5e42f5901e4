// The solid with cutting planes: the part behind a vertical plane x = c or
// y = c, the section, the part in front as a mesh, the buttons that move the
// plane a twentieth of the span per click, and the choice of plane (the
// horizontal plane z = c is cut by the scene itself).
#include "view/view.h"

#include "platform/text_codec.h"

namespace {

constexpr double kPlaneBackX = 0.0001;         // absolute
constexpr double kPlaneBackYFraction = 0.0001; // of the y span

// Holds the four surface styles at the mesh while the part in front of the
// plane is drawn.
class MeshStylesScope {
public:
    explicit MeshStylesScope(CPemroView* v)
        : m_v(v), m_saved{v->m_nUpperSurfaceStyle, v->m_nLowerSurfaceStyle,
                          v->m_nPendingUpperSurfaceStyle, v->m_nPendingLowerSurfaceStyle} {
        v->m_nUpperSurfaceStyle = v->m_nLowerSurfaceStyle = 0;
        v->m_nPendingUpperSurfaceStyle = v->m_nPendingLowerSurfaceStyle = 0;
    }
    ~MeshStylesScope() {
        m_v->m_nUpperSurfaceStyle = m_saved[0], m_v->m_nLowerSurfaceStyle = m_saved[1];
        m_v->m_nPendingUpperSurfaceStyle = m_saved[2],
        m_v->m_nPendingLowerSurfaceStyle = m_saved[3];
    }
    MeshStylesScope(const MeshStylesScope&) = delete;
    MeshStylesScope& operator=(const MeshStylesScope&) = delete;

private:
    CPemroView* m_v;
    int m_saved[4];
};

// The planes the buttons move stay this fraction of the span inside the
// box: at its wall a cut no longer divides the solid, and beyond it the
// scene has nothing to draw.
constexpr double kPlaneInset = 0.001;

double KeepInsideBox(double c, double lo, double hi) {
    const double inset = kPlaneInset * (hi - lo);
    if (!(c >= lo + inset)) return lo + inset; // also NaN
    return c > hi - inset ? hi - inset : c;
}

// The cutting plane lies strictly inside the box: x = m_dDirM for a cut
// along x, y = m_dDirN for one along y. The other plane's place is not the
// cut's: a y range stepped past it must not take the x cut's figure away.
bool PlaneInside(const CPemroView& v, int plane) {
    if (plane == 1) return v.m_dXMin < v.m_dDirM && v.m_dDirM < v.m_dXMax;
    return v.m_dYMin < v.m_dDirN && v.m_dDirN < v.m_dYMax;
}

} // namespace

void CPemroView::DrawSolid(CDC* pDC, double x1, double x2, double y1, double y2) {
    const int lineStyle = m_nLineStyle;
    m_nLineStyle = 1;
    const int upperStyle = m_nUpperSurfaceStyle, lowerStyle = m_nLowerSurfaceStyle;
    const BOOL visible = IsFigureBandVisible();
    if (visible) {
        if (m_bZoom) m_bBeforeFigure = 0;
        if (m_nSectionPlane == 1) DrawSolidCutX(pDC, x1, x2, y1, y2);
        if (m_nSectionPlane == 2) DrawSolidCutY(pDC, x1, x2, y1, y2);
        if (m_nSectionPlane != 1 && m_nSectionPlane != 2)
            DrawSurfaceScene(pDC, 0, 0, 0, x1, x2, y1, y2, "x", "y", "z");
    }
    DrawSolidPlaneButtons(pDC);
    m_nUpperSurfaceStyle = upperStyle, m_nLowerSurfaceStyle = lowerStyle;
    if (visible) {
        const int h = m_nBaseCharHeight, T = m_nFigureTop;
        DrawSurfaceFunctionPanel(pDC, m_nFigureLeft - 2 * h, m_nFigureRight + 2 * h + 10,
                                 T - 6 * h - 4, T - h, Gbk(u8"上曲面"), Gbk(u8"下曲面"));
    }
    m_nLineStyle = lineStyle;
}

void CPemroView::DrawSolidCutX(CDC* pDC, double x1, double x2, double y1, double y2) {
    // A range stepped past the plane brings it back in before it is drawn.
    m_dDirM = KeepInsideBox(m_dDirM, m_dXMin, m_dXMax);
    if (PlaneInside(*this, 1)) {
        // The frame may switch the inset off; the section's projection stays.
        const int display = m_nProjectionDisplay;
        DrawSurfaceScene(pDC, 0, 0, 0, x1, x1, y1, y1, "x", "y", "z");
        if (display == 2) {
            m_nProjectionDisplay = 2;
            m_adPlaneRange[0] = m_dYMin, m_adPlaneRange[1] = m_dYMax;
            m_adPlaneRange[2] = m_dZMin, m_adPlaneRange[3] = m_dZMax;
            m_adPlaneSpan[0] = m_dYMax - m_dYMin, m_adPlaneSpan[1] = m_dZMax - m_dZMin;
            DrawInsetAxes(pDC, 0, "y", "z");
        }
        DrawSurfaceScene(pDC, 1, 0, 0, x1, m_dDirM, y1, y2, "x", "y", "z");
        DrawSolidSlice(pDC, y1, y2, m_dDirM - kPlaneBackX, m_dDirN, m_crSecondDerivative, TRUE,
                       m_crSection);
        MeshStylesScope mesh(this);
        DrawSurfaceScene(pDC, 1, 0, 1, m_dDirM, x2, y1, y2, "x", "y", "z");
    }
    // Larger x lies nearer the viewer.
    const int R = m_nFigureRight + 2, T = m_nFigureTop;
    if (TextButton(pDC, R, T + 10, Gbk(u8"前移"))) m_dDirM += m_dXSpan / 20;
    if (TextButton(pDC, R, T + 34, Gbk(u8"后移"))) m_dDirM -= m_dXSpan / 20;
    m_dDirM = KeepInsideBox(m_dDirM, m_dXMin, m_dXMax);
}

void CPemroView::DrawSolidCutY(CDC* pDC, double x1, double x2, double y1, double y2) {
    m_dDirN = KeepInsideBox(m_dDirN, m_dYMin, m_dYMax);
    if (PlaneInside(*this, 2)) {
        // The frame may switch the inset off; the section's projection stays.
        const int display = m_nProjectionDisplay;
        DrawSurfaceScene(pDC, 0, 0, 0, x1, x1, y1, y1, "x", "y", "z");
        if (display == 2) {
            m_nProjectionDisplay = 2;
            m_adPlaneRange[0] = m_dXMin, m_adPlaneRange[1] = m_dXMax;
            m_adPlaneRange[2] = m_dZMin, m_adPlaneRange[3] = m_dZMax;
            m_adPlaneSpan[0] = m_dXMax - m_dXMin, m_adPlaneSpan[1] = m_dZMax - m_dZMin;
            DrawInsetAxes(pDC, 0, "x", "z");
        }
        DrawSurfaceScene(pDC, 1, 0, 0, x1, x2, y1, m_dDirN, "x", "y", "z");
        DrawSolidSlice(pDC, x1, x2, m_dDirM, m_dDirN - kPlaneBackYFraction * m_dYSpan,
                       m_crSecondDerivative, TRUE, m_crSection);
        MeshStylesScope mesh(this);
        DrawSurfaceScene(pDC, 1, 1, 1, x1, x2, m_dDirN, y2, "x", "y", "z");
    }
    const int R = m_nFigureRight + 2, T = m_nFigureTop;
    if (TextButton(pDC, R, T + 10, Gbk(u8"左移"))) m_dDirN -= m_dYSpan / 20;
    if (TextButton(pDC, R, T + 34, Gbk(u8"右移"))) m_dDirN += m_dYSpan / 20;
    m_dDirN = KeepInsideBox(m_dDirN, m_dYMin, m_dYMax);
}

void CPemroView::DrawSolidPlaneButtons(CDC* pDC) {
    if (m_nSubDemo == 24 && m_nDemoOption2 >= 0) return;
    const bool named = m_nSubDemo == 25;
    const int R = m_nFigureRight + 2, T = m_nFigureTop;
    // The column stands below the rows of a cut's two moves, drawn or not:
    // a large font stacks them lower, and a choice that brings them must not
    // bring another button under the pointer.
    const int y = ButtonRowBelow(T + 58, ButtonRowBelow(T + 34, T + 10)) - 58;
    if (TextButton(pDC, R, y + 58, Gbk(named ? u8"x=c" : u8"按x型"))) {
        m_nSectionPlane = 1;
        m_dDirM = (m_dXMin + m_dXMax) / 2;
        m_bCutZc = 0;
    }
    if (TextButton(pDC, R, y + 82, Gbk(named ? u8"y=c" : u8"按y型"))) {
        m_nSectionPlane = 2;
        m_dDirN = (m_dYMin + m_dYMax) / 2;
        m_bCutZc = 0;
    }
    if (TextButton(pDC, R, y + 106, Gbk(named ? u8"z=c" : u8"按z型"))) {
        m_bCutZc = 1;
        m_nSectionPlane = 0;
        m_dDirP = (m_dZMin + m_dZMax) / 2;
    }
    if (TextButton(pDC, R, y + 130, Gbk(u8"取消"))) m_bCutZc = 0, m_nSectionPlane = 0;
}
