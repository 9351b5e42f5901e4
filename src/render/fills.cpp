// Gradient and world rectangles, and flood fills from a pixel or world point.
#include "view/view.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <utility>
#include <vector>

namespace {
// A button's frame stands this many pixels round its box.
constexpr int kButtonFrame = 2;
} // namespace

// A horizontal gradient, one fill per pixel column: the first column is
// exactly `from`, the last one step short of `to`.
void CPemroView::FillRectGradientPx(CDC* pDC, int left, int top, int right, int bottom,
                                    COLORREF from, COLORREF to) {
    if (IsFigureBandVisible()) {
        NoteFigureFrame(CRect(left, top, right, bottom));
        if (!pDC->IsPrinting()) ForgetShownButtonsIn(CRect(left, top, right, bottom));
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
// Whatever gap the border has, the fill stops at the figure's box, and the
// buttons already drawn in the box stay readable: the fill goes round them.
void CPemroView::FloodFillPx(CDC* pDC, int x, int y, COLORREF colour, COLORREF fill,
                             UINT fillType) {
    CBrushSelect brush(pDC, CBrush(fill));
    if (!IsFillPass()) return;
    const CRect saved = pDC->GetClipRect();
    const CRect device = FigureFillBox(pDC);
    const CPoint org = pDC->GetViewportOrg();
    const CRect box(device.left - org.x, device.top - org.y, device.right - org.x,
                    device.bottom - org.y);
    // Paper shows no buttons: the screen's are not kept there.
    std::vector<std::pair<CRect, std::unique_ptr<CBitmap>>> kept;
    for (int i = m_nShownButtonsOfPass; i < m_nShownButtons && !m_bPrintMode && !box.IsRectEmpty();
         ++i) {
        const CRect& b = m_arcShownButtons[i];
        const CRect framed(b.left - kButtonFrame, b.top - kButtonFrame, b.right + kButtonFrame,
                           b.bottom + kButtonFrame);
        const CRect at = framed.Intersect(box);
        if (at.IsRectEmpty()) continue;
        auto bits = std::make_unique<CBitmap>();
        if (!bits->CreateBitmap(at.Width(), at.Height())) continue;
        CDC(bits.get()).BitBlt(0, 0, at.Width(), at.Height(), pDC, at.left, at.top, SRCCOPY);
        kept.emplace_back(at, std::move(bits));
    }
    pDC->SetClipRect(device);
    pDC->ExtFloodFill(x, y, colour, fillType);
    pDC->SetClipRect(saved);
    for (const auto& [at, bits] : kept) {
        CDC copy(bits.get());
        pDC->BitBlt(at.left, at.top, at.Width(), at.Height(), &copy, 0, 0, SRCCOPY);
    }
}

void CPemroView::FloodFillWorld(CDC* pDC, double x, double y, COLORREF border, COLORREF fill) {
    int px, py;
    if (!MapWorldOffset(x, y, &px, &py)) return;
    FloodFillPx(pDC, px, py, border, fill);
}
