// Gradient and world rectangles, and flood fills from a pixel or world point.
#include "view/view.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>

// A horizontal gradient, one fill per pixel column: the first column is
// exactly `from`, the last one step short of `to`.
void CPemroView::FillRectGradientPx(CDC* pDC, int left, int top, int right, int bottom,
                                    COLORREF from, COLORREF to) {
    if (IsFigureBandVisible()) {
        NoteFigureFrame(CRect(left, top, right, bottom));
        if (m_pTextSink) m_pTextSink->OnFigureFrame(CRect(left, top, right, bottom));
    }
    PaintGradient(pDC, left, top, right, bottom, from, to);
}

// The gradient alone, in the DC's clip.
void CPemroView::PaintGradient(CDC* pDC, int left, int top, int right, int bottom, COLORREF from,
                               COLORREF to) {
    SplitRGB(from);
    const std::int64_t c0[3] = {m_anSplitRgb[0], m_anSplitRgb[1], m_anSplitRgb[2]};
    SplitRGB(to);
    const std::int64_t c1[3] = {m_anSplitRgb[0], m_anSplitRgb[1], m_anSplitRgb[2]};
    if (!IsFigureBandVisible()) return;
    if (from == to) {
        pDC->FillSolidRect(CRect(left, top, right, bottom), from);
        return;
    }
    const std::int64_t w = std::int64_t(right) - left;
    // Columns outside the clip box are not seen; skipping them keeps a huge
    // rectangle cheap.
    CRect clip;
    pDC->GetClipBox(&clip);
    const int first = std::max(left, clip.left);
    const int last = std::min(right, clip.right);
    if (first >= last) return;
    // The row of column colours, stretched down the rectangle: the same
    // pixels as a fill per column, written row by row.
    CBitmap row;
    if (!row.CreateBitmap(last - first, 1)) return;
    CDC rowDC(&row);
    for (int i = first; i < last; ++i) {
        int c[3];
        for (int k = 0; k < 3; ++k)
            c[k] = int(((right - std::int64_t(i)) * c0[k] + (i - std::int64_t(left)) * c1[k]) / w &
                       255);
        rowDC.SetPixel(i - first, 0, RGB(c[0], c[1], c[2]));
    }
    const long long height = std::min<long long>(std::llabs((long long)bottom - top), INT_MAX);
    pDC->StretchBlt(first, std::min(top, bottom), last - first, int(height), &rowDC, 0, 0,
                    last - first, 1, SRCCOPY);
}

void CPemroView::FillRectWorld(CDC* pDC, double xLeft, double xRight, double yBottom, double yTop,
                               COLORREF colour) {
    int left, top, right, bottom;
    if (!MapWorldOffset(xLeft, yTop, &left, &top) ||
        !MapWorldOffset(xRight, yBottom, &right, &bottom))
        return;
    FillRectPx(pDC, left, top, right, bottom, colour);
}

void CPemroView::FillRectGradientWorld(CDC* pDC, double xLeft, double xRight, double yBottom,
                                       double yTop, COLORREF from, COLORREF to) {
    int left, top, right, bottom;
    if (!MapWorldOffset(xLeft, yTop, &left, &top) ||
        !MapWorldOffset(xRight, yBottom, &right, &bottom))
        return;
    // A mark in the plot's coordinates shows only inside the plot: a range
    // moved past it must not paint it over the buttons and the axis numbers.
    // Its colours stay those of the whole rectangle.
    const CRect saved = pDC->GetClipRect();
    pDC->SetClipRect(FigureFillBox(pDC));
    PaintGradient(pDC, left, top, right, bottom, from, to);
    pDC->SetClipRect(saved);
}

// Fills up to the border colour. On a partial repaint (background not
// repainted) it runs only when the stored click lies in the graph, which is
// when the figure under it is drawn again.
// Whatever gap the border has, the fill stops at the figure's box.
void CPemroView::FloodFillPx(CDC* pDC, int x, int y, COLORREF border, COLORREF fill) {
    CBrushSelect brush(pDC, CBrush(fill));
    if (!IsFillPass()) return;
    const CRect saved = pDC->GetClipRect();
    pDC->SetClipRect(FigureFillBox(pDC));
    pDC->ExtFloodFill(x, y, border, FLOODFILLBORDER);
    pDC->SetClipRect(saved);
}

void CPemroView::FloodFillWorld(CDC* pDC, double x, double y, COLORREF border, COLORREF fill) {
    int px, py;
    if (!MapWorldOffset(x, y, &px, &py)) return;
    FloodFillPx(pDC, px, py, border, fill);
}
