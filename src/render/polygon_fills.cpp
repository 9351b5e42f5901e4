// Filled shapes of the figures: a shape is filled by its own outline (a
// polygon fill), cut to the z range in space and to the figure's box on
// the page, so a fill never runs out through a gap in an outline. The
// flood fills that remain (a script's own seed) stop at the same box.
#include "render/oblique_projection.h"
#include "view/view.h"

#include <vector>

namespace {

// A polygon of a script has at most this many corners; cutting it at the
// two z planes adds at most two more.
constexpr int kMaxCorners = 256;

struct Corner {
    double x, y, z;
};

// The part of the polygon on the side of z = level where side·(z − level)
// ≥ 0 (Sutherland–Hodgman against one plane).
std::vector<Corner> CutAtLevel(const std::vector<Corner>& in, double level, double side) {
    std::vector<Corner> out;
    const size_t n = in.size();
    for (size_t i = 0; i < n; ++i) {
        const Corner& a = in[i];
        const Corner& b = in[(i + 1) % n];
        const double da = side * (a.z - level), db = side * (b.z - level);
        if (da >= 0) out.push_back(a);
        if ((da >= 0) != (db >= 0)) {
            const double t = da / (da - db);
            out.push_back({a.x + t * (b.x - a.x), a.y + t * (b.y - a.y), level});
        }
    }
    return out;
}

} // namespace

CRect CPemroView::FigureFillBox(CDC* pDC) const {
    const CPoint org = pDC->GetViewportOrg();
    const CRect box = m_bFigure3D
                          ? CRect(m_nFigureLeft, m_nFigureTop, m_nFigureRight, m_nFigureBottom)
                          : CRect(m_nPlotLeft, m_nPlotTop, m_nPlotRight, m_nPlotBottom);
    return CRect(box.left + org.x, box.top + org.y, box.right + org.x, box.bottom + org.y)
        .Intersect(pDC->GetClipRect());
}

bool CPemroView::IsFillPass() const {
    return IsFigureBandVisible() && (IsFigureRedrawn() || HitTestGraphRegion(2));
}

void CPemroView::FillPolygonPx(CDC* pDC, const CPoint* pts, int n, COLORREF fill) {
    if (n < 3 || !IsFillPass()) return;
    const CRect saved = pDC->GetClipRect();
    pDC->SetClipRect(FigureFillBox(pDC));
    {
        CBrushSelect brush(pDC, CBrush(fill));
        CPenSelect pen(pDC, CPen(PS_NULL, 0, fill));
        pDC->Polygon(pts, n);
    }
    pDC->SetClipRect(saved);
}

void CPemroView::FillPolygonWorld(CDC* pDC, const double* x, const double* y, int n,
                                  COLORREF fill) {
    if (n < 3 || n > kMaxCorners) return;
    std::vector<CPoint> pts(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i)
        if (!MapWorldOffset(x[i], y[i], &pts[size_t(i)].x, &pts[size_t(i)].y)) return;
    FillPolygonPx(pDC, pts.data(), n, fill);
}

void CPemroView::FillPolygon3D(CDC* pDC, const double* x, const double* y, const double* z, int n,
                               COLORREF fill) {
    if (n < 3 || n > kMaxCorners) return;
    const ObliqueProjection projection(*this);
    std::vector<Corner> corners;
    for (int i = 0; i < n; ++i) {
        Corner c{x[i], y[i], z[i]};
        projection.Place(&c.x, &c.y, &c.z);
        corners.push_back(c);
    }
    // What lies outside the z range is not drawn, as its edges are not.
    corners = CutAtLevel(CutAtLevel(corners, m_dZMin, 1), m_dZMax, -1);
    if (corners.size() < 3) return;
    std::vector<CPoint> pts(corners.size());
    for (size_t i = 0; i < corners.size(); ++i)
        if (!projection.Project(corners[i].x, corners[i].y, corners[i].z, &pts[i].x, &pts[i].y))
            return;
    FillPolygonPx(pDC, pts.data(), int(pts.size()), fill);
}
