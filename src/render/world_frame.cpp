// The world frame of the current figure: the band test, world-to-pixel
// mapping, colours and the graph-region test of the stored click.
#include "view/view.h"

#include "solid/math/scene_math.h"

#include <cmath>
#include <cstdint>

// px = left + trunc((x - xmin) / xspan * width): the offset from the plot
// edge is truncated, so points left of the plot round toward it.
BOOL CPemroView::MapWorldOffset(double x, double y, int* px, int* py) const {
    const double dx = (x - m_dXMin) / m_dXSpan * m_nPlotWidth;
    const double dy = (y - m_dYMin) / m_dYSpan * m_nPlotHeight;
    if (!IsDrawable(dx) || !IsDrawable(dy)) return FALSE;
    *px = m_nPlotLeft + ToPixel(dx);
    *py = m_nPlotBottom - ToPixel(dy);
    return TRUE;
}

COLORREF CPemroView::MakeRGB(double r, double g, double b) {
    return COLORREF(solid::PackRGB(r, g, b));
}

void CPemroView::SplitRGB(COLORREF colour) {
    m_anSplitRgb[0] = GetRValue(colour);
    m_anSplitRgb[1] = GetGValue(colour);
    m_anSplitRgb[2] = GetBValue(colour);
}

// The graph region is a place on the page, not a button: it reads the stored
// click in every pass (partial repaints redraw a figure when the click lies
// in it). Code that acts on the click must also ask IsClickPass().
BOOL CPemroView::HitTestGraphRegion(int kind) const {
    const CPoint click = ClickPagePoint();
    const int cx = click.x, cy = click.y;
    const int c = m_nBaseCharHeight;
    switch (kind) {
    case 0:
        return NoteClickMet(m_nGraphLeft - c < cx && cx < m_nGraphRight + 2 * c &&
                            m_nGraphTop - 2 * c < cy && cy < m_nGraphBottom + 2 * c &&
                            IsFigureBandVisible());
    case 1:
        if (m_bPrintMode)
            return m_nGraphTop > m_nClipTop - 30 && m_nGraphBottom < m_nClipBottom + 30;
        return m_nClipTop < m_nGraphTop && m_nGraphBottom < m_nClipBottom;
    case 2:
    case 3: {
        const int mid = (m_nPlotLeft + m_nPlotRight) / 2;
        const int right = kind == 3 ? m_nPlotRight + 2 * c : m_nPlotRight;
        const bool leftPart =
            m_nPlotLeft - c < cx && cx < mid && m_nPlotTop - c < cy && cy < m_nPlotBottom;
        const bool rightPart = mid < cx && cx < right && m_nPlotTop < cy && cy < m_nPlotBottom;
        return NoteClickMet((leftPart || rightPart) && IsFigureBandVisible());
    }
    default:
        return FALSE;
    }
}

// A failed comparison (NaN) gives b for the larger and a for the smaller.
double CPemroView::Max2(double a, double b) {
    return a > b ? a : b;
}

double CPemroView::Min2(double a, double b) {
    return a > b ? b : a;
}

double CPemroView::ClampToZRange(double z) const {
    if (z < m_dZMin) return m_dZMin;
    if (z > m_dZMax) return m_dZMax;
    return z;
}
