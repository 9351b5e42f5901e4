// Texts and boxes in the oblique 3-D projection: "Text3", "Textz" and
// "Cube" write and draw through these, as the 3-D demonstrations do.
#include "view/view.h"

#include <algorithm>

namespace {

// Corners of a box by bits: 1 takes x2, 2 takes y2, 4 takes z2.
struct Edge {
    int from, to;
};
// The six edges of the outline in this projection, the three at the back
// corner (x1, y1, z1) and the three at the front corner (x2, y2, z2).
constexpr Edge kOutlineEdges[] = {{4, 6}, {2, 6}, {4, 5}, {1, 5}, {1, 3}, {2, 3}};
constexpr Edge kBackEdges[] = {{0, 4}, {0, 2}, {0, 1}};
constexpr Edge kFrontEdges[] = {{5, 7}, {3, 7}, {6, 7}};

} // namespace

bool CPemroView::ProjectText3D(double x, double y, double z, int* sx, int* sy) {
    if (!IsFigureBandVisible()) return false;
    TurnPoint3D(&x, &y);
    return ProjectPoint3D(x, y, z, sx, sy);
}

void CPemroView::DrawText3D(CDC* pDC, double x, double y, double z, CString text, COLORREF colour) {
    int sx, sy;
    if (ProjectText3D(x, y, z, &sx, &sy)) DrawString(pDC, sx, sy, text, colour);
}

// Boxes are never turned with the scene: the rotation is off while drawing.
void CPemroView::DrawCube(CDC* pDC, int style, double x1, double y1, double z1, double x2,
                          double y2, double z2, COLORREF colour, const CRect* keep) {
    if (!IsFigureBandVisible()) return;
    const double angle = m_dRotationAngle;
    m_dRotationAngle = 0;
    const auto draw = [&](const Edge& e) {
        const auto px = [&](int c) { return c & 1 ? x2 : x1; };
        const auto py = [&](int c) { return c & 2 ? y2 : y1; };
        const auto pz = [&](int c) { return c & 4 ? z2 : z1; };
        if (!keep)
            return DrawLine3D(pDC, px(e.from), py(e.from), pz(e.from), px(e.to), py(e.to), pz(e.to),
                              colour);
        // Pens up to two pixels wide reach a pixel left of and above the ends.
        CPoint a, b;
        if (!ProjectSegment3D(px(e.from), py(e.from), pz(e.from), px(e.to), py(e.to), pz(e.to), &a,
                              &b) ||
            std::max(a.x, b.x) < keep->left || std::min(a.x, b.x) - 1 >= keep->right ||
            std::max(a.y, b.y) < keep->top || std::min(a.y, b.y) - 1 >= keep->bottom)
            return;
        DrawLinePxB(pDC, m_nPixelSize, a.x, a.y, b.x, b.y, colour);
    };
    for (const Edge& e : kOutlineEdges) draw(e);
    if (style == 1 || style >= 3)
        for (const Edge& e : kBackEdges) draw(e);
    if (style >= 2)
        for (const Edge& e : kFrontEdges) draw(e);
    m_dRotationAngle = angle;
}
