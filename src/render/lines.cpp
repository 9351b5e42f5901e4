// Pixel and world lines of the current figure.
#include "view/view.h"

#include "render/pixel_line.h"
#include "render/world_polyline.h"

#include <algorithm>
#include <utility>

namespace {

// One stroke in a new solid pen, the previous pen restored afterwards.
void StrokePx(CDC* pDC, int width, int x1, int y1, int x2, int y2, COLORREF colour) {
    CPenSelect pen(pDC, CPen(PS_SOLID, width, colour));
    pDC->MoveTo(x1, y1);
    pDC->LineTo(x2, y2);
}

bool AllDrawable(double x1, double y1, double x2, double y2) {
    return IsDrawable(x1) && IsDrawable(y1) && IsDrawable(x2) && IsDrawable(y2);
}

} // namespace

void CPemroView::DrawLinePx(CDC* pDC, int width, double x1, double y1, double x2, double y2,
                            COLORREF colour) {
    if (!IsFigureBandVisible()) return;
    int px1, py1, px2, py2;
    if (!ToDrawablePixel(x1, &px1) || !ToDrawablePixel(y1, &py1) || !ToDrawablePixel(x2, &px2) ||
        !ToDrawablePixel(y2, &py2))
        return;
    StrokePx(pDC, render::PixelLineWidth(width, x1, y1, x2, y2), px1, py1, px2, py2, colour);
}

void CPemroView::DrawLinePxB(CDC* pDC, int width, double x1, double y1, double x2, double y2,
                             COLORREF colour) {
    DrawLinePx(pDC, width, x1, y1, x2, y2, colour);
}

// The styled line: drawn only while a 3-D layout draws its plane inset.
void CPemroView::DrawLinePxIfEnabled(CDC* pDC, int width, double x1, double y1, double x2,
                                     double y2, COLORREF colour) {
    if (m_nLineStyle != 1) return;
    DrawLinePx(pDC, width, x1, y1, x2, y2, colour);
}

void CPemroView::DrawLineWorldMode(CDC* pDC, double x1, double y1, double x2, double y2,
                                   COLORREF colour, int mode) {
    if (mode == 2) {
        std::swap(x1, y1);
        std::swap(x2, y2);
    }
    if (!IsFigureBandVisible()) return;
    // A segment with an end outside the world range is dropped whole.
    const auto inRange = [this](double x, double y) {
        return m_dXMin <= x && x <= m_dXMax && m_dYMin <= y && y <= m_dYMax;
    };
    if (!inRange(x1, y1) || !inRange(x2, y2)) return;
    int px1, py1, px2, py2;
    if (!MapWorldWhole(x1, y1, &px1, &py1) || !MapWorldWhole(x2, y2, &px2, &py2)) return;
    // What DrawLinePx would do: the band is still visible and mapped pixels
    // are always drawable, so only the width is left to decide.
    StrokePx(pDC, render::PixelLineWidth(m_nPixelSize, px1, py1, px2, py2), px1, py1, px2, py2,
             colour);
}

void CPemroView::DrawLineWorld(CDC* pDC, double x1, double y1, double x2, double y2,
                               COLORREF colour) {
    DrawLineWorldMode(pDC, x1, y1, x2, y2, colour, m_nRegionType);
}

// The line through (x0, y0) with the slope, as far as it lies in the world
// range: DrawLineWorld drops a segment with an end outside the range, so a
// line taken from the left edge to the right one would vanish wherever it
// leaves through the top or the bottom.
void CPemroView::DrawLineAcrossWorld(CDC* pDC, double x0, double y0, double slope,
                                     COLORREF colour) {
    const auto at = [&](double x) { return y0 + (x - x0) * slope; };
    // The exchanged axes of region type 2 keep the edge-to-edge line.
    if (m_nRegionType == 2 || slope == 0)
        return DrawLineWorld(pDC, m_dXMin, at(m_dXMin), m_dXMax, at(m_dXMax), colour);
    // A hair inside, so that the ends' y stays within the range when rounded.
    const double inset = 1e-9 * (m_dYMax - m_dYMin);
    const double a = x0 + (m_dYMin + inset - y0) / slope, b = x0 + (m_dYMax - inset - y0) / slope;
    const double lo = std::max(m_dXMin, std::min(a, b)), hi = std::min(m_dXMax, std::max(a, b));
    if (lo <= hi) DrawLineWorld(pDC, lo, at(lo), hi, at(hi), colour);
}

// A line in the plane inset of a 3-D layout, in the inset's own world range.
void CPemroView::DrawLineWorldIfEnabled(CDC* pDC, double x1, double y1, double x2, double y2,
                                        COLORREF colour) {
    if (!IsFigureBandVisible()) return;
    const double* r = m_adPlaneRange;
    const auto inRange = [r](double x, double y) {
        return r[0] <= x && x <= r[1] && r[2] <= y && y <= r[3];
    };
    if (!inRange(x1, y1) || !inRange(x2, y2)) return;
    const auto mapX = [this, r](double x) {
        return m_nInsetLeft + (x - r[0]) / m_adPlaneSpan[0] * m_nInsetWidth;
    };
    const auto mapY = [this, r](double y) {
        return m_nInsetBottom - (y - r[2]) / m_adPlaneSpan[1] * m_nInsetHeight;
    };
    const double fx1 = mapX(x1), fy1 = mapY(y1), fx2 = mapX(x2), fy2 = mapY(y2);
    if (!AllDrawable(fx1, fy1, fx2, fy2)) return;
    DrawLinePxIfEnabled(pDC, m_nPixelSize, ToPixel(fx1), ToPixel(fy1), ToPixel(fx2), ToPixel(fy2),
                        colour);
}

namespace render {

WorldPolyline::WorldPolyline(const CPemroView& view, CDC* dc, COLORREF colour)
    : m_pDC(dc), m_colour(colour), m_nPixelSize(view.m_nPixelSize),
      m_visible(view.IsFigureBandVisible()), m_swap(view.m_nRegionType == 2), m_xMin(view.m_dXMin),
      m_xMax(view.m_dXMax), m_yMin(view.m_dYMin), m_yMax(view.m_dYMax), m_xSpan(view.m_dXSpan),
      m_ySpan(view.m_dYSpan), m_left(view.m_nPlotLeft), m_bottom(view.m_nPlotBottom),
      m_width(view.m_nPlotWidth), m_height(view.m_nPlotHeight) {}

inline WorldPolyline::Point WorldPolyline::Map(double x, double y) const {
    if (m_swap) std::swap(x, y);
    Point p;
    if (!(m_xMin <= x && x <= m_xMax && m_yMin <= y && y <= m_yMax)) return p;
    const double fx = m_left + (x - m_xMin) / m_xSpan * m_width;
    const double fy = m_bottom - (y - m_yMin) / m_ySpan * m_height;
    p.drawn = ToDrawablePixel(fx, &p.px) && ToDrawablePixel(fy, &p.py);
    return p;
}

void WorldPolyline::MoveTo(double x, double y) {
    m_prev = Map(x, y);
}

void WorldPolyline::LineTo(double x, double y) {
    const Point a = m_prev, b = Map(x, y);
    m_prev = b;
    if (!m_visible || !a.drawn || !b.drawn) return;
    const bool dot = a.px == b.px && a.py == b.py;
    // The same dot again with nothing drawn since, in the copy operation:
    // the pixels are already set (the stroke's pen position is the dot).
    if (dot && m_haveDot && a.px == m_dotX && a.py == m_dotY &&
        m_dotSerial == dcdetail::g_nDrawSerial && m_pDC->GetROP2() == R2_COPYPEN &&
        DrawingCachesEnabled())
        return;
    StrokePx(m_pDC, PixelLineWidth(m_nPixelSize, a.px, a.py, b.px, b.py), a.px, a.py, b.px, b.py,
             m_colour);
    m_haveDot = dot;
    m_dotX = b.px, m_dotY = b.py;
    m_dotSerial = dcdetail::g_nDrawSerial;
}

} // namespace render
