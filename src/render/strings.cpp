// Plain strings at a pixel point, and solid and framed boxes.
#include "view/view.h"

namespace {

// Font sizes of the plain strings from the text height E, the character
// width w0 and the label zoom Z.
enum class StringSize { Zoomed, Small, Half };

void StringFontSize(StringSize size, int E, int w0, int Z, int* height, int* width) {
    switch (size) {
    case StringSize::Zoomed:
        *height = (Z + 2) * E / 3;
        *width = (Z + 2) * w0 / 3;
        break;
    case StringSize::Small:
        *height = 3 * E / 5;
        *width = w0 / 2;
        break;
    case StringSize::Half:
        *height = E / 2;
        *width = w0 / 2;
        break;
    }
}

// Sets the working font to the string's size (even when nothing is drawn),
// writes the text when the figure band is on screen, and leaves the working
// font at the text size E x w0.
void DrawPlainString(CPemroView* v, StringSize size, CDC* pDC, int x, int y, const CString& text,
                     COLORREF colour) {
    const int E = v->m_nFontStep + v->m_nCharHeight;
    const int w0 = v->m_nFontStep / 2 + v->m_nCharWidth;
    StringFontSize(size, E, w0, v->m_nLabelZoom, &v->m_lfCurrent.lfHeight, &v->m_lfCurrent.lfWidth);
    if (v->IsFigureBandVisible()) {
        CFontSelect font(pDC, v->m_lfCurrent);
        const int oldMode = pDC->SetBkMode(TRANSPARENT);
        const COLORREF oldColour = pDC->SetTextColor(colour);
        v->PutTypesetText(pDC, x, y, text.data(), int(text.size()));
        pDC->SetTextColor(oldColour);
        pDC->SetBkMode(oldMode);
    }
    v->m_lfCurrent.lfHeight = E;
    v->m_lfCurrent.lfWidth = w0;
}

} // namespace

LOGFONT CPemroView::PlainStringFont(BOOL bSmall, int nZoom) const {
    LOGFONT lf = m_lfCurrent;
    StringFontSize(bSmall ? StringSize::Small : StringSize::Zoomed, m_nFontStep + m_nCharHeight,
                   m_nFontStep / 2 + m_nCharWidth, nZoom, &lf.lfHeight, &lf.lfWidth);
    return lf;
}

void CPemroView::DrawString(CDC* pDC, int x, int y, const CString& text, COLORREF colour) {
    DrawPlainString(this, StringSize::Zoomed, pDC, x, y, text, colour);
}

void CPemroView::DrawStringSmall(CDC* pDC, int x, int y, const CString& text, COLORREF colour) {
    DrawPlainString(this, StringSize::Small, pDC, x, y, text, colour);
}

void CPemroView::DrawStringHalf(CDC* pDC, int x, int y, const CString& text, COLORREF colour) {
    DrawPlainString(this, StringSize::Half, pDC, x, y, text, colour);
}

void CPemroView::FillRectPx(CDC* pDC, int left, int top, int right, int bottom, COLORREF colour) {
    if (!IsFigureBandVisible()) return;
    pDC->FillSolidRect(CRect(left, top, right, bottom), colour);
}

// A box with a 2-pixel frame in the colour around the ground colour, drawn
// whatever the figure band (the answer-area buttons use it).
void CPemroView::FillRectPxAlways(CDC* pDC, int left, int top, int right, int bottom,
                                  COLORREF colour) {
    pDC->FillSolidRect(CRect(left, top, right, bottom), colour);
    pDC->FillSolidRect(CRect(left + 2, top + 2, right - 2, bottom - 2), m_crGround);
}
