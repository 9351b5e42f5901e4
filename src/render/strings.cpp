// Plain strings at a pixel point, and solid and framed boxes.
#include "view/view.h"

#include <algorithm>

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

namespace {

// Pixels between a half-width letter or digit and a full-width character in
// a caption: the Ming face's letters fill their cells, so "m增" would touch.
constexpr BYTE kCaptionGap = 1;
// The caption's left inset in its box, and the least room kept on each side.
constexpr int kCaptionInset = 2;
constexpr int kCaptionMinInset = 1;

// Both one-byte and two-byte characters: the device context decides where
// a gap goes.
bool IsMixedWidth(const CString& text) {
    bool one = false, two = false;
    for (const char c : text) ((unsigned char)c < 0x80 ? one : two) = true;
    return one && two;
}

} // namespace

CPoint CPemroView::DrawButtonCaption(CDC* pDC, int x, int y, int w, const CString& text,
                                     COLORREF colour, LOGFONT* font) {
    if (font) *font = PlainStringFont(TRUE, 0);
    if (!IsMixedWidth(text)) {
        DrawStringSmall(pDC, x + kCaptionInset, y + 1, text, colour);
        return CPoint(x + kCaptionInset, y + 1);
    }
    // The gaps take the inset's spare pixel; a caption that still does not
    // fit is written smaller, height and width alike, never pressed
    // together.
    const LOGFONT small = PlainStringFont(TRUE, 0);
    LOGFONT lf = small;
    lf.lfHalfFullGap = kCaptionGap;
    int inset = kCaptionInset;
    {
        CFontSelect probe(pDC, lf);
        int room = w - pDC->GetTextExtent(text).cx;
        if (room < 2 * kCaptionInset - 1) inset = kCaptionMinInset;
        while (room < 2 * kCaptionMinInset && lf.lfWidth > 1) {
            --lf.lfWidth;
            lf.lfHeight = std::max(1, small.lfHeight * lf.lfWidth / small.lfWidth);
            pDC->SelectObject(lf);
            room = w - pDC->GetTextExtent(text).cx;
        }
    }
    if (font) *font = lf;
    if (IsFigureBandVisible()) {
        CFontSelect select(pDC, lf);
        const int oldMode = pDC->SetBkMode(TRANSPARENT);
        const COLORREF oldColour = pDC->SetTextColor(colour);
        PutTypesetText(pDC, x + inset, y + 1, text.data(), int(text.size()));
        pDC->SetTextColor(oldColour);
        pDC->SetBkMode(oldMode);
    }
    // The working font is left at the text size, as DrawStringSmall leaves it.
    m_lfCurrent.lfHeight = m_nFontStep + m_nCharHeight;
    m_lfCurrent.lfWidth = m_nFontStep / 2 + m_nCharWidth;
    return CPoint(x + inset, y + 1);
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
