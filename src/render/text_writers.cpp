// The text writers: each binds a text style to the three typesetting passes;
// beside them the angled text, the plain wide line and the glyph bitmaps.
#include "render/text_typeset.h"

#include <cstring>

using namespace typeset;

namespace {

// Which passes a writer runs, in which styles: pass 1 once or twice (-1:
// not again), then passes 2 and 3; x is moved by dx; pass 2 of the small
// styles sits a tenth of a character higher.
struct WriterPlan {
    int pass1, pass1Again, pass2, pass3;
    int dx;
    bool raisePass2;
};
constexpr WriterPlan kStyle0{0, 4, 0, 0, 0, false};
constexpr WriterPlan kStyle1{1, 5, 1, 1, 0, true};
constexpr WriterPlan kStyle2{2, 6, 2, 2, 0, false};
constexpr WriterPlan kStyle3{3, -1, 3, 3, 0, false};
constexpr WriterPlan kStyle7{7, -1, 7, 7, 0, false};
constexpr WriterPlan kStyle9{9, -1, 9, 9, 0, false};
constexpr WriterPlan kStyle11{11, -1, 11, 11, -1, false};
constexpr WriterPlan kStyle12{12, -1, 12, 12, 1, false};
constexpr WriterPlan kStyle13{13, 10, 13, 13, 0, true};
constexpr WriterPlan kStyle14{14, 15, 14, 14, 0, false};

} // namespace

// Runs the passes of one writer when the current text line is visible.
static void RunWriter(CPemroView& v, CDC* pDC, const WriterPlan& plan, int x, int y,
                      const char* text, int colour) {
    if (!pDC || !text || !v.IsTextLineVisible(v.m_nTextY - v.m_nPrintOffsetY)) return;
    const int yc = y - v.m_nPrintOffsetY;
    const int xc = x + plan.dx;
    v.DrawScriptLinePass1(pDC, plan.pass1, xc, yc, text, colour);
    if (plan.pass1Again >= 0) v.DrawScriptLinePass1(pDC, plan.pass1Again, xc, yc, text, colour);
    v.DrawScriptLinePass2(pDC, plan.pass2, xc, plan.raisePass2 ? yc - v.m_nCharHeight / 10 : yc,
                          text, colour);
    v.DrawScriptLinePass3(pDC, plan.pass3, xc, yc, text, colour);
}

void CPemroView::DrawTextStyle0(CDC* pDC, int x, int y, const char* text, int colour) {
    RunWriter(*this, pDC, kStyle0, x, y, text, colour);
}
void CPemroView::DrawTextStyle1(CDC* pDC, int x, int y, const char* text, int colour) {
    RunWriter(*this, pDC, kStyle1, x, y, text, colour);
}
void CPemroView::DrawTextStyle2(CDC* pDC, int x, int y, const char* text, int colour) {
    RunWriter(*this, pDC, kStyle2, x, y, text, colour);
}
void CPemroView::DrawTextStyle7(CDC* pDC, int x, int y, const char* text, int colour) {
    RunWriter(*this, pDC, kStyle7, x, y, text, colour);
}
void CPemroView::DrawTextStyle9(CDC* pDC, int x, int y, const char* text, int colour) {
    RunWriter(*this, pDC, kStyle9, x, y, text, colour);
}
void CPemroView::DrawTextStyle11(CDC* pDC, int x, int y, const char* text, int colour) {
    RunWriter(*this, pDC, kStyle11, x, y, text, colour);
}
void CPemroView::DrawTextStyle12(CDC* pDC, int x, int y, const char* text, int colour) {
    RunWriter(*this, pDC, kStyle12, x, y, text, colour);
}
void CPemroView::DrawTextStyle13(CDC* pDC, int x, int y, const char* text, int colour) {
    RunWriter(*this, pDC, kStyle13, x, y, text, colour);
}
void CPemroView::DrawTextStyle14(CDC* pDC, int x, int y, const char* text, int colour) {
    RunWriter(*this, pDC, kStyle14, x, y, text, colour);
}

void CPemroView::DrawTextStyle3Scaled(CDC* pDC, int x, int y, double widthScale, double heightScale,
                                      const char* text, int colour) {
    if (!pDC || !text || !IsTextLineVisible(m_nTextY - m_nPrintOffsetY)) return;
    m_dTitleWidthScale = widthScale;
    m_dTitleHeightScale = heightScale;
    RunWriter(*this, pDC, kStyle3, x, y, text, colour);
}

void CPemroView::DrawTextRotated(CDC* pDC, int x, int y, const char* text, int colour,
                                 int escapementDegrees, int orientationDegrees) {
    if (!pDC || !text || !IsTextLineVisible(m_nTextY - m_nPrintOffsetY)) return;
    const int escapement = m_lfCurrent.lfEscapement;
    const int orientation = m_lfCurrent.lfOrientation;
    m_lfCurrent.lfEscapement = 10 * escapementDegrees;
    m_lfCurrent.lfOrientation = 10 * orientationDegrees;
    DrawTextStyle0(pDC, x, y, text, colour);
    m_lfCurrent.lfEscapement = escapement;
    m_lfCurrent.lfOrientation = orientation;
}

void CPemroView::DrawTextAtAngle(CDC* pDC, int angleCode, int x, int y, const char* text,
                                 int colour) {
    if (!pDC || !text || !IsTextLineVisible(m_nTextY - m_nPrintOffsetY)) return;
    const Metrics m(*this);
    const int escapement = m_lfCurrent.lfEscapement;
    const int yc = y - m_nPrintOffsetY;
    if (angleCode <= 4) {
        m_lfCurrent.lfHeight = m.E;
        m_lfCurrent.lfWidth = m.w0;
    } else {
        m_lfCurrent.lfHeight = ToPixel((m.E * 3 / 5) * m_dLetterSize);
        m_lfCurrent.lfWidth = ToPixel((m.C / 3) * m_dLetterSize);
    }
    // Codes 0..4 and 5..9: 45, 90, 135, 180 and 225 degrees.
    if (angleCode >= 0 && angleCode <= 9) m_lfCurrent.lfEscapement = 450 * (angleCode % 5 + 1);
    {
        CFontSelect font(pDC, m_lfCurrent);
        TextPaint paint(pDC, TextPaletteColour(colour));
        m_lfCurrent.lfWidth = m.w0;
        // Each character stands at its column of the unturned line.
        LineWalk walk(text, x, m.w0, 0, m.C, 0, 0);
        for (int i = 0; i < walk.End();) {
            const int n = walk.CharBytes(i);
            if (n > 0) PutTypesetText(pDC, walk.Plain(i), yc, walk.Ptr(i), n);
            i += n == 2 ? 2 : 1;
        }
    }
    m_lfCurrent.lfEscapement = escapement;
    m_lfCurrent.lfHeight = m_nCharHeight;
    m_lfCurrent.lfWidth = m_nCharWidth;
}

void CPemroView::DrawPlainTextLine(CDC* pDC, int x, int y, double widthScale, double heightScale,
                                   const char* text, int colour) {
    if (!pDC || !text || !IsTextLineVisible(m_nTextY - m_nPrintOffsetY)) return;
    const Metrics m(*this);
    const int yc = y - m_nPrintOffsetY;
    m_lfCurrent.lfWidth = ToPixel(m.w0 * widthScale);
    m_lfCurrent.lfHeight = ToPixel(m.E * heightScale);
    {
        CFontSelect font(pDC, m_lfCurrent);
        TextPaint paint(pDC, NonChineseTextColour(colour));
        m_lfCurrent.lfWidth = m.w0;
        LineWalk walk(text, x, m.w0, 0, m.C, 0, 0);
        for (int i = 0; i < walk.End();) {
            const int n = walk.CharBytes(i);
            const unsigned char c = walk.At(i);
            if (n == 2) {
                const int px = walk.At(i - 1) == '&' ? walk.Frac(i, 5, -2, 5) : walk.Plain(i);
                PutTypesetText(pDC, px, yc, walk.Ptr(i), 2);
            } else if (n == 1 && c != '&' && c != ' ') {
                PutTypesetText(pDC, walk.Plain(i), yc, walk.Ptr(i), 1);
            }
            i += n == 2 ? 2 : 1;
        }
    }
    m_lfCurrent.lfHeight = m_nCharHeight;
    m_lfCurrent.lfWidth = m_nCharWidth;
}

void CPemroView::DrawGlyphBitmap(CDC* pDC, int glyph, int x, int y, COLORREF colour) {
    if (!pDC || !IsTextLineVisible(m_nTextY - m_nPrintOffsetY)) return;
    PaintGlyphCell(pDC, glyph, x, y - m_nPrintOffsetY, colour);
}

void CPemroView::PaintGlyphCell(CDC* pDC, int glyph, int x, int y, COLORREF colour) {
    if (glyph < 0 || glyph >= kGlyphCount) return;
    const Metrics m(*this);
    const int height = m.E, width = m.w0;
    if (height <= 0 || width <= 0) return;
    // Sampled twice per pixel in each direction.
    for (int v = 0; v < 2 * height; ++v) {
        const double dy = v * 0.5;
        const int row = int(dy * kGlyphSize / height);
        for (int u = 0; u < 2 * width; ++u) {
            const double dx = u * 0.5;
            if (m_anGlyph[glyph][row][int(dx * kGlyphSize / width)])
                pDC->SetPixel(x + int(dx), y + int(dy), colour);
        }
    }
}

COLORREF CPemroView::TextPaletteColour(int colour) const {
    return m_acrPalette[(colour >= 0 && colour < kPaletteSize) ? colour : 7];
}

COLORREF CPemroView::NonChineseTextColour(int colour) const {
    const COLORREF own = TextPaletteColour(colour);
    const COLORREF expression = m_acrPalette[3];
    if (m_nNonChineseColorMode == 0) return own;
    if (m_nNonChineseColorMode == 2) return expression;
    return RGB((GetRValue(own) + GetRValue(expression)) / 2,
               (GetGValue(own) + GetGValue(expression)) / 2,
               (GetBValue(own) + GetBValue(expression)) / 2);
}

void CPemroView::PutTypesetText(CDC* pDC, int x, int y, const char* gbk, int count) {
    if (!m_aHeldValuePieces.empty() || m_bAxisNameOpen || m_bNoteFigureBoxes) {
        std::string text(gbk, size_t(std::max(count, 0)));
        const CSize size = pDC->GetTextExtent(text);
        const CRect cell(x, y, x + size.cx, y + size.cy);
        if (m_bAxisNameOpen) {
            // A name is placed by its ink: it is written without a box.
            CRect ink = pDC->GetTextInk(text);
            ink.OffsetRect(x, y);
            m_aHeldAxisNames.back().pieces.push_back(
                {pDC, x, y, std::move(text), pDC->GetCurrentFont(), pDC->GetTextColor(),
                 pDC->GetBkColor(), pDC->GetBkMode(), HeldNameClip(pDC),
                 ink.IsRectEmpty() ? cell : ink, false});
            return;
        }
        if (IsOutsideFigureFrame(pDC, text, cell)) return;
        // Value labels held back stay under later text written over them.
        if (!m_aHeldValuePieces.empty()) FlushValueLabelsUnder(cell);
        NoteFigureBox(cell);
    }
    if (m_pTextSink)
        m_pTextSink->OnTextPiece(x, y, gbk, count, pDC->GetCurrentFont(), pDC->GetTextColor(),
                                 pDC->GetBkMode() == OPAQUE);
    pDC->TextOut(x, y, gbk, count);
}
