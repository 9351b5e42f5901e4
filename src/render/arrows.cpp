// Arrows in pixels and in world coordinates, with labels at both ends.
#include "view/view.h"

#include <cmath>
#include <cstdlib>

namespace {

using LineFn = void (CPemroView::*)(CDC*, int, double, double, double, double, COLORREF);

// A stroke of the vertical head: from (ax, ay·d) to (bx, by·d) relative to
// the head point, d = -1 for an arrow pointing down the screen.
struct HeadStroke {
    int ax, ay, bx, by;
};

// Base, two sides, then three inner strokes that fill the triangle.
constexpr HeadStroke kHeadOutline[3] = {{-2, 3, 2, 3}, {-2, 3, 0, 0}, {2, 3, 0, 0}};
constexpr HeadStroke kHeadFill[3] = {{-1, 2, 1, 1}, {-1, 2, 0, 0}, {1, 2, 0, 0}};
// The styled and "B" arrows fill the head one pixel row nearer its point.
constexpr HeadStroke kHeadFillNear[3] = {{-1, 1, 1, 1}, {-1, 1, 0, 0}, {1, 1, 0, 0}};

// Label offsets by placement code 0..3: dx = -kx·h + dx0, dy = -ky·h + dy0,
// h the height of the working font.
struct LabelOffset {
    int kx, dx0, ky, dy0;
};
constexpr LabelOffset kLabelOffsets[4] = {{1, 0, 0, 0}, {0, 8, 0, 0}, {1, 0, 1, 0}, {1, 0, 0, 6}};

void DrawArrowWith(CPemroView* v, LineFn line, const HeadStroke* fill, CDC* pDC, int x1, int y1,
                   int x2, int y2, int placement, const CString& label1, const CString& label2,
                   COLORREF colour) {
    if (!v->IsFigureBandVisible()) return;
    (v->*line)(pDC, -1, x1, y1, x2, y2, colour);
    const double hx = x2, hy = y2;
    if (x1 != x2) {
        const double k = -(double(y2) - y1) / (double(x2) - x1);
        const double a = x1 < x2 ? 4.0 : -4.0;
        const double b = 2.0;
        const double s = 1.0 / std::sqrt(k * k + 1.0);
        const double px = std::trunc(hx + (k * b - a) * s), py = std::trunc(hy + (a * k + b) * s);
        const double qx = std::trunc(hx + (-k * b - a) * s), qy = std::trunc(hy + (a * k - b) * s);
        (v->*line)(pDC, -1, px, py, hx, hy, colour);
        (v->*line)(pDC, -1, qx, qy, hx, hy, colour);
        (v->*line)(pDC, -1, px, py, qx, qy, colour);
    } else {
        const double d = y1 < y2 ? -1.0 : 1.0;
        for (const HeadStroke* set : {kHeadOutline, fill})
            for (int i = 0; i < 3; ++i)
                (v->*line)(pDC, -1, hx + set[i].ax, hy + set[i].ay * d, hx + set[i].bx,
                           hy + set[i].by * d, colour);
    }
    // Codes other than 0..3 are not used; they put the labels as code 1.
    const LabelOffset& o = kLabelOffsets[placement >= 0 && placement <= 3 ? placement : 1];
    const int h = std::abs(v->m_lfCurrent.lfHeight);
    const double dx = -o.kx * h + o.dx0;
    const double dy = -o.ky * h + o.dy0;
    // Empty labels go through DrawString too: it leaves the working font at
    // the text size, which later text relies on.
    const auto label = [&](double x, double y, const CString& text) {
        const bool name = v->m_bHoldAxisNames && !text.empty();
        if (name) v->BeginAxisName(CPoint(ToPixel(x), ToPixel(y)));
        // An axis name is placed when the figure is done; another label
        // keeps clear of the figure's text now.
        CPoint at(ToPixel(x + dx), ToPixel(y + dy));
        if (!name && !text.empty()) at = v->ClearOfFigureText(pDC, at.x, at.y, text);
        v->DrawString(pDC, at.x, at.y, text, colour);
        if (name) v->EndAxisName();
    };
    label(x1, y1, label1);
    label(x2, y2, label2);
}

} // namespace

void CPemroView::DrawArrowPx(CDC* pDC, int x1, int y1, int x2, int y2, int placement,
                             const CString& label1, const CString& label2, COLORREF colour) {
    DrawArrowWith(this, &CPemroView::DrawLinePx, kHeadFill, pDC, x1, y1, x2, y2, placement, label1,
                  label2, colour);
}

void CPemroView::DrawArrowPxIfEnabled(CDC* pDC, int x1, int y1, int x2, int y2, int placement,
                                      const CString& label1, const CString& label2,
                                      COLORREF colour) {
    DrawArrowWith(this, &CPemroView::DrawLinePxIfEnabled, kHeadFillNear, pDC, x1, y1, x2, y2,
                  placement, label1, label2, colour);
}

void CPemroView::DrawArrowPxB(CDC* pDC, int x1, int y1, int x2, int y2, int placement,
                              const CString& label1, const CString& label2, COLORREF colour) {
    DrawArrowWith(this, &CPemroView::DrawLinePxB, kHeadFillNear, pDC, x1, y1, x2, y2, placement,
                  label1, label2, colour);
}

void CPemroView::DrawArrowWorld(CDC* pDC, double x1, double y1, double x2, double y2, int placement,
                                const CString& label1, const CString& label2, COLORREF colour) {
    // The frame is refreshed from the ranges first; the new spans stay.
    m_dXSpan = m_dXMax - m_dXMin;
    m_dYSpan = m_dYMax - m_dYMin;
    m_nPlotWidth = m_nPlotRight - m_nPlotLeft;
    m_nPlotHeight = m_nPlotBottom - m_nPlotTop;
    const auto offset = [](double v, double min, int pixels, double span) {
        return (v - min) * pixels / span;
    };
    const double ox1 = offset(x1, m_dXMin, m_nPlotWidth, m_dXSpan);
    const double oy1 = offset(y1, m_dYMin, m_nPlotHeight, m_dYSpan);
    const double ox2 = offset(x2, m_dXMin, m_nPlotWidth, m_dXSpan);
    const double oy2 = offset(y2, m_dYMin, m_nPlotHeight, m_dYSpan);
    if (!IsDrawable(ox1) || !IsDrawable(oy1) || !IsDrawable(ox2) || !IsDrawable(oy2)) return;
    DrawArrowPx(pDC, m_nPlotLeft + ToPixel(ox1), m_nPlotBottom - ToPixel(oy1),
                m_nPlotLeft + ToPixel(ox2), m_nPlotBottom - ToPixel(oy2), placement, label1, label2,
                colour);
}
