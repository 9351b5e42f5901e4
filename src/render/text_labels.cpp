// Labelled strings and numbers in figures: a string at a world point, a
// number with a given count of decimals, a label followed by its value (and
// a unit), a value in a box, and the same at a projected 3-D point.
#include "render/boxed_label_spread.h"
#include "render/math/label_place.h"
#include "render/number_text.h"
#include "render/text_typeset.h"
#include "view/print_colours.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

using namespace typeset;

namespace {

// Background of the value labels: they stand on a grey box so that they read
// over curves and fills.
constexpr COLORREF kValueBackground = RGB(100, 100, 100);
// On paper in the print colours the values are dark: a light box.
constexpr COLORREF kPrintValueBackground = RGB(225, 225, 225);
constexpr int kMaxDecimals = 6;

// The value labels' paint: on paper in the print colours, dark text on a
// light box.
TextPaint ValuePaint(const CPemroView& v, CDC* pDC, COLORREF colour, bool opaque = true) {
    const int mode = opaque ? OPAQUE : TRANSPARENT;
    if (pDC->IsPrinting() && !v.m_bPrintOriginalColors)
        return TextPaint(pDC, PrintableColour(colour), mode, kPrintValueBackground);
    return TextPaint(pDC, colour, mode, kValueBackground);
}

bool SamePiece(const CPemroView::HeldValuePiece& a, const CPemroView::HeldValuePiece& b) {
    return a.cell == b.cell && a.x == b.x && a.y == b.y && a.follows == b.follows && a.dc == b.dc &&
           a.colour == b.colour && a.ground == b.ground && a.mode == b.mode && a.clip == b.clip &&
           a.text == b.text && SameFont(a.font, b.font);
}

// A figure drawn as many scenes (a pencil's strips) holds the same labels
// again in each. Both copies of a label would be written in the same
// flush (their cells are one), the later over the earlier exactly: the
// earlier copy goes when the later one is complete, so the held labels stay
// as many as the figure shows.
void DropEarlierCopyOfLastLabel(std::vector<CPemroView::HeldValuePiece>& held) {
    const size_t n = held.size();
    if (n == 0) return;
    size_t last = n - 1;
    while (last > 0 && held[last].follows) --last;
    const size_t length = n - last;
    for (size_t start = 0; start + length <= last; ++start) {
        if (held[start].follows && start > 0) continue;
        // A whole label: the piece after it starts another.
        if (start + length < n && held[start + length].follows) continue;
        bool same = true;
        for (size_t i = 0; i < length && same; ++i)
            same = SamePiece(held[start + i], held[last + i]);
        if (!same) continue;
        held.erase(held.begin() + std::ptrdiff_t(start),
                   held.begin() + std::ptrdiff_t(start + length));
        return;
    }
}

// One piece of a value label in the paint already set: held back while the
// figure draws (with `hold`), else written. `follows`: the piece belongs
// with the one before it (a label's value and unit), and the two are
// written together.
void PutValuePiece(CPemroView& v, CDC* pDC, int x, int y, const char* gbk, int count,
                   bool follows = false, bool hold = true) {
    if (!v.m_bHoldValueLabels || !hold) {
        v.PutTypesetText(pDC, x, y, gbk, count);
        return;
    }
    if (!follows) DropEarlierCopyOfLastLabel(v.m_aHeldValuePieces);
    std::string text(gbk, size_t(std::max(count, 0)));
    const CSize size = pDC->GetTextExtent(text);
    v.m_aHeldValuePieces.push_back(
        {pDC, x, y, std::move(text), pDC->GetCurrentFont(), pDC->GetTextColor(), pDC->GetBkColor(),
         pDC->GetBkMode(), pDC->GetClipRect(), CRect(x, y, x + size.cx, y + size.cy), follows});
}

// A number in the value font on its box; with `follows`, held with the
// label before it.
void WriteNumber(CPemroView& v, CDC* pDC, int x, int y, int decimals, double value, COLORREF colour,
                 bool follows) {
    const LOGFONT numberFont = v.NumberFont();
    v.m_lfCurrent.lfHeight = numberFont.lfHeight;
    v.m_lfCurrent.lfWidth = numberFont.lfWidth;
    if (pDC && decimals >= 0 && v.IsFigureBandVisible()) {
        CFontSelect font(pDC, v.m_lfCurrent);
        const TextPaint paint = ValuePaint(v, pDC, colour);
        const CString text = FormatDecimals(decimals, value);
        PutValuePiece(v, pDC, x, y, text.data(), int(text.size()), follows);
    }
    v.m_lfCurrent.lfHeight = v.m_nCharHeight;
    v.m_lfCurrent.lfWidth = v.m_nCharWidth;
}

// The label of a number, in the plain string font and without a box (as
// DrawString writes it), held with its number.
void WriteNumberLabel(CPemroView& v, CDC* pDC, int x, int y, const CString& label,
                      COLORREF colour) {
    const LOGFONT font = v.PlainStringFont(FALSE, v.m_nLabelZoom);
    if (v.IsFigureBandVisible()) {
        CFontSelect select(pDC, font);
        const TextPaint paint(pDC, colour);
        PutValuePiece(v, pDC, x, y, label.data(), int(label.size()));
    }
    v.m_lfCurrent.lfHeight = v.m_nFontStep + v.m_nCharHeight;
    v.m_lfCurrent.lfWidth = v.m_nFontStep / 2 + v.m_nCharWidth;
}

} // namespace

namespace {

bool Meet(const CRect& a, const CRect& b) {
    const CRect i = a.Intersect(b);
    return i.Width() > 0 && i.Height() > 0;
}

} // namespace

void CPemroView::WriteHeldValuePieces(const std::vector<HeldValuePiece>& pieces) {
    // The pieces still waiting stay out of the way: they come later.
    std::vector<HeldValuePiece> waiting;
    waiting.swap(m_aHeldValuePieces);
    const bool wasFigureText = m_bWritingFigureText;
    m_bWritingFigureText = true;
    for (const HeldValuePiece& p : pieces) {
        CDC* dc = p.dc;
        const CRect clip = dc->GetClipRect();
        dc->SetClipRect(p.clip);
        {
            CFontSelect font(dc, p.font);
            const TextPaint paint(dc, p.colour, p.mode, p.ground);
            PutTypesetText(dc, p.x, p.y, p.text.data(), int(p.text.size()));
        }
        dc->SetClipRect(clip);
    }
    m_aHeldValuePieces.swap(waiting);
    m_bWritingFigureText = wasFigureText;
}

void CPemroView::WriteHeldValueLabels() {
    // Taken out first: a piece written here is never held again.
    std::vector<HeldValuePiece> held;
    held.swap(m_aHeldValuePieces);
    WriteHeldValuePieces(held);
}

void CPemroView::FlushValueLabels() {
    WriteHeldValueLabels();
    PlaceHeldAxisNames();
}

void CPemroView::CoverValueLabels(const CRect& box) {
    std::vector<HeldValuePiece>& held = m_aHeldValuePieces;
    std::vector<HeldValuePiece> kept;
    bool dropped = false;
    for (HeldValuePiece& piece : held) {
        // A piece the box covers only in part would show a torn edge: it goes
        // too.
        if (Meet(piece.cell, box)) {
            dropped = true;
            continue;
        }
        // The piece before it is gone: it starts a label of its own.
        if (dropped) piece.follows = false;
        dropped = false;
        kept.push_back(piece);
    }
    held.swap(kept);
    FlushValueLabelsUnder(box);
}

void CPemroView::FlushValueLabelsUnder(const CRect& box) {
    // The pieces the box meets are written now, each with the rest of its
    // label and with the earlier pieces it covers, so overlapping pieces
    // keep their order; the others wait on.
    const std::vector<HeldValuePiece>& held = m_aHeldValuePieces;
    const size_t n = held.size();
    std::vector<bool> now(n, false);
    bool any = false;
    for (size_t i = 0; i < n; ++i) {
        now[i] = Meet(held[i].cell, box);
        any = any || now[i];
    }
    if (!any) return;
    for (bool grew = true; grew;) {
        grew = false;
        for (size_t j = n; j-- > 0;) {
            if (now[j]) continue;
            bool write = (j + 1 < n && held[j + 1].follows && now[j + 1]) ||
                         (j > 0 && held[j].follows && now[j - 1]);
            for (size_t k = j + 1; k < n && !write; ++k)
                write = now[k] && Meet(held[j].cell, held[k].cell);
            if (write) now[j] = grew = true;
        }
    }
    std::vector<HeldValuePiece> written, kept;
    for (size_t i = 0; i < n; ++i) (now[i] ? written : kept).push_back(held[i]);
    m_aHeldValuePieces.swap(kept);
    WriteHeldValuePieces(written);
}

void CPemroView::EndValueLabels() {
    m_bAxisNameOpen = false;
    FlushValueLabels();
    EndFigureBoxes();
    m_bHoldValueLabels = false;
}

namespace typeset {

// "%.0lf" ... "%.6lf" for 0..6 decimals, "%lf" for more; nothing for a
// negative count.
CString FormatDecimals(int decimals, double value) {
    if (decimals < 0) return CString();
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals > kMaxDecimals ? 6 : decimals, value);
    DropSignOfZero(buffer);
    return CString(buffer);
}

} // namespace typeset

// World point to page pixel through the plot rectangle, the whole sum
// truncated; false when the point cannot become a pixel.
static bool MapLabelPoint(const CPemroView& v, double x, double y, int* px, int* py) {
    const double fx = v.m_nPlotLeft + (x - v.m_dXMin) * v.m_nPlotWidth / v.m_dXSpan;
    const double fy = v.m_nPlotBottom - (y - v.m_dYMin) * v.m_nPlotHeight / v.m_dYSpan;
    if (!IsDrawable(fx) || !IsDrawable(fy)) return false;
    *px = ToPixel(fx);
    *py = ToPixel(fy);
    return true;
}

// The band-test mapping: offsets from the plot edges truncated.
static bool MapBandPoint(const CPemroView& v, double x, double y, int* px, int* py) {
    const double ox = (x - v.m_dXMin) / v.m_dXSpan * (v.m_nPlotRight - v.m_nPlotLeft);
    const double oy = (y - v.m_dYMin) / v.m_dYSpan * (v.m_nPlotBottom - v.m_nPlotTop);
    if (!IsDrawable(ox) || !IsDrawable(oy)) return false;
    *px = v.m_nPlotLeft + ToPixel(ox);
    *py = v.m_nPlotBottom - ToPixel(oy);
    return true;
}

void CPemroView::DrawStringWorld(CDC* pDC, double x, double y, const CString& text,
                                 COLORREF colour) {
    const Metrics m(*this);
    int px = 0, py = 0;
    if (pDC && IsFigureBandVisible() && MapBandPoint(*this, x, y, &px, &py)) {
        const CPoint at = ClearOfFigureText(pDC, px + 2, py, text);
        DrawString(pDC, at.x, at.y, text, colour);
    }
    m_lfCurrent.lfHeight = m.E;
    m_lfCurrent.lfWidth = m.w0;
}

void CPemroView::DrawStringWorldInPlot(CDC* pDC, double x, double y, const CString& text,
                                       COLORREF colour) {
    const Metrics m(*this);
    int px = 0, py = 0;
    if (pDC && IsFigureBandVisible() && MapBandPoint(*this, x, y, &px, &py)) {
        // A point at the plot's edge keeps its label inside, off the tick
        // numbers and the frame.
        CSize size;
        {
            const CFontSelect font(pDC, PlainStringFont(FALSE, m_nLabelZoom));
            size = pDC->GetTextExtent(text);
        }
        px = std::max(m_nPlotLeft, std::min(px + 2, m_nPlotRight - int(size.cx)));
        py = std::max(m_nPlotTop, std::min(py, m_nPlotBottom - int(size.cy)));
        const CRect plot(m_nPlotLeft, m_nPlotTop, m_nPlotRight, m_nPlotBottom);
        const CPoint at = ClearOfFigureText(pDC, px, py, text, plot);
        DrawString(pDC, at.x, at.y, text, colour);
    }
    m_lfCurrent.lfHeight = m.E;
    m_lfCurrent.lfWidth = m.w0;
}

void CPemroView::DrawLabelIntegerWorld(CDC* pDC, double x, double y, const CString& label, int dx,
                                       int dy, double value, COLORREF colour) {
    const Metrics m(*this);
    int px = 0, py = 0;
    if (pDC && IsFigureBandVisible() && MapBandPoint(*this, x, y, &px, &py)) {
        DrawString(pDC, px, py, label, colour);
        // The index follows the label however wide a large font makes it.
        int labelWidth = 0;
        {
            CFontSelect font(pDC, PlainStringFont(FALSE, m_nLabelZoom));
            labelWidth = int(pDC->GetTextExtent(label).cx);
        }
        DrawStringHalf(pDC, px + std::max(dx, labelWidth), py + dy, FormatDecimals(0, value),
                       colour);
    }
    m_lfCurrent.lfHeight = m.E;
    m_lfCurrent.lfWidth = m.w0;
}

LOGFONT CPemroView::NumberFont() const {
    const Metrics m(*this);
    const int zoom = m_nLabelZoom + 2;
    LOGFONT font = m_lfCurrent;
    font.lfHeight = ToPixel(0.6 * m.E) * zoom / 2;
    font.lfWidth = ToPixel(0.6 * m.w0) * zoom / 2;
    return font;
}

CSize CPemroView::NumberExtent(CDC* pDC, int decimals, double value) const {
    if (!pDC || decimals < 0) return CSize(0, 0);
    CFontSelect font(pDC, NumberFont());
    return pDC->GetTextExtent(FormatDecimals(decimals, value));
}

void CPemroView::DrawNumber(CDC* pDC, int x, int y, int decimals, double value, COLORREF colour) {
    WriteNumber(*this, pDC, x, y, decimals, value, colour, false);
}

void CPemroView::DrawLabelNumber(CDC* pDC, int dy, double x, double y, const CString& label,
                                 int decimals, double value, COLORREF colour) {
    if (pDC && IsFigureBandVisible()) {
        // Colours below 10 are palette numbers.
        const COLORREF cr = colour < 10 ? m_acrPalette[colour] : colour;
        const double ox = (x - m_dXMin) * (m_nPlotRight - m_nPlotLeft) / (m_dXMax - m_dXMin);
        const double oy = (y - m_dYMin) * (m_nPlotBottom - m_nPlotTop) / (m_dYMax - m_dYMin);
        if (IsDrawable(ox) && IsDrawable(oy)) {
            const int px = m_nPlotLeft + ToPixel(ox), py = m_nPlotBottom - ToPixel(oy);
            const int n = int(label.size());
            WriteNumberLabel(*this, pDC, px, py, label, cr);
            // The label's cells widen with the size step: the number stays
            // right of them.
            const int cell = m_nBaseCharWidth + m_nFontStep / 2;
            WriteNumber(*this, pDC, px + cell * n * (m_nLabelZoom + 2) / 3, py + 4 + dy, decimals,
                        value, cr, true);
        }
    }
    m_lfCurrent.lfHeight = m_nCharHeight;
    m_lfCurrent.lfWidth = m_nCharWidth;
}

// Where a boxed read-out would cover a read-out of its figure written
// before it (a long value reaching into its place), it goes right past it.
static int RightOfHeldValueLabels(const CPemroView& v, CRect box, int gap) {
    for (size_t i = 0; i < v.m_aHeldValuePieces.size(); ++i) {
        const CRect& other = v.m_aHeldValuePieces[i].cell;
        if (Meet(box, other) && other.right > box.left) {
            box.OffsetRect(other.right + gap - box.left, 0);
            i = size_t(-1); // again from the first, at the new place
        }
    }
    return box.left;
}

void CPemroView::DrawLabelNumberBoxed(CDC* pDC, int x, int y, const CString& label, int decimals,
                                      double value, COLORREF colour) {
    const int S = m_nFontStep, BW = m_nBaseCharWidth;
    x = int(render::SpreadLabelX(*this, x));
    if (pDC && IsFigureBandVisible()) {
        const COLORREF cr = colour < 10 ? m_acrPalette[colour] : colour;
        const double magnitude = std::fabs(value);
        const int digits = magnitude > 10 ? ToPixel(std::log10(magnitude)) : 0;
        const int cw = BW + S / 2;
        const int n = int(label.size());
        const int cells = n + (decimals > 0 ? decimals : 0) + digits;
        x = RightOfHeldValueLabels(*this, CRect(x, y, x + cells * cw, y + 20), cw / 2);
        FillRectPx(pDC, x, y, x + cells * cw, y + 20, m_crGround);
        WriteNumberLabel(*this, pDC, x, y, label, cr);
        WriteNumber(*this, pDC, x + n * cw, y + m_nBaseCharHeight / 8, decimals, value, cr, true);
    }
    m_lfCurrent.lfHeight = m_nCharHeight;
    m_lfCurrent.lfWidth = m_nCharWidth;
}

namespace {

// How a labelled value lays out after its label.
enum class ValueLayout { Gap, NoGap, Offset3D };

} // namespace

// Writes label, value and unit at a pixel point in the label font of
// lfHeight/lfWidth already set, on the grey background.
static void WriteLabelValue(CPemroView& v, CDC* pDC, int px, int py, const CString& label,
                            int decimals, double value, const CString* unit, ValueLayout layout,
                            int offset3D, COLORREF colour, bool opaque = true) {
    CFontSelect font(pDC, v.m_lfCurrent);
    const TextPaint paint = ValuePaint(v, pDC, colour, opaque);
    const int cell = v.m_lfCurrent.lfWidth;
    const int n = int(label.size());
    PutValuePiece(v, pDC, px, py, label.data(), n, false, opaque);
    px += layout == ValueLayout::Gap     ? cell * (n + 1)
          : layout == ValueLayout::NoGap ? cell * n
                                         : offset3D;
    if (decimals >= 0) {
        const CString number = FormatDecimals(decimals, value);
        PutValuePiece(v, pDC, px, py, number.data(), int(number.size()), true, opaque);
        px += cell * (int(number.size()) + 1);
    }
    if (unit) PutValuePiece(v, pDC, px, py, unit->data(), int(unit->size()), true, opaque);
}

// Where a read-out at `box` goes to stand clear of the figure's text and
// buttons and of the read-outs still waiting: a step of a quarter of its
// height at a time, out to three heights, inside the plot.
static CPoint ClearOfTextShift(const CPemroView& v, const CRect& box) {
    std::vector<CRect> taken = v.m_aFigureBoxes;
    for (const CPemroView::HeldValuePiece& p : v.m_aHeldValuePieces) taken.push_back(p.cell);
    const CRect plot(v.m_nPlotLeft, v.m_nPlotTop, v.m_nPlotRight, v.m_nPlotBottom);
    const int h = std::max(1, box.Height());
    return labels::NearestFreeShift(box, taken, plot, std::max(2, h / 4), 3 * h);
}

// The world-point labelled values: the label font is (zoom + 2)/divisor of
// the base cell while it writes, then the base cell again. With
// `clearOfText` the value also keeps off the figure's text and the read-outs
// waiting to be written, moved to the nearest free place inside the plot.
static void WriteWorldLabelValue(CPemroView& v, CDC* pDC, double x, double y, int divisor,
                                 const CString& label, int decimals, double value,
                                 const CString* unit, ValueLayout layout, COLORREF colour,
                                 bool opaque = true, bool clearOfText = false) {
    if (!pDC || !v.m_bFigureVisible) return;
    const int Eb = v.m_nFontStep + v.m_nBaseCharHeight;
    const int wb = v.m_nFontStep / 2 + v.m_nBaseCharWidth;
    v.m_lfCurrent.lfHeight = (v.m_nLabelZoom + 2) * Eb / divisor;
    v.m_lfCurrent.lfWidth = (v.m_nLabelZoom + 2) * wb / divisor;
    int px = 0, py = 0;
    if (MapLabelPoint(v, x, y, &px, &py)) {
        // A label that starts in its figure's frame ends in it too: a row
        // of values under the axis or a chord's length near the right edge
        // is pulled back from the frame's edge rather than written over it.
        const CRect& frame = v.m_rcFigureFrame;
        if (v.m_bNoteFigureBoxes && frame.PtInRect(CPoint(px, py))) {
            CSize size;
            {
                CFontSelect font(pDC, v.m_lfCurrent);
                const int cell = v.m_lfCurrent.lfWidth, n = int(label.size());
                size.cx = layout == ValueLayout::Gap ? cell * (n + 1) : cell * n;
                size.cy = pDC->GetTextExtent(label).cy;
                if (decimals >= 0) {
                    const CString digits = FormatDecimals(decimals, value);
                    const CSize number = pDC->GetTextExtent(digits);
                    size.cx += unit ? cell * (int(digits.size()) + 1) : number.cx;
                    size.cy = std::max<int>(size.cy, number.cy);
                }
                if (unit) size.cx += pDC->GetTextExtent(*unit).cx;
            }
            px -= std::min(std::max(0, px + int(size.cx) - frame.right), px - frame.left);
            py -= std::min(std::max(0, py + int(size.cy) - frame.bottom), py - frame.top);
            if (clearOfText) {
                const CPoint d =
                    ClearOfTextShift(v, CRect(px, py, px + int(size.cx), py + int(size.cy)));
                px += d.x, py += d.y;
            }
        }
        WriteLabelValue(v, pDC, px, py, label, decimals, value, unit, layout, 0, colour, opaque);
    }
    v.m_lfCurrent.lfHeight = v.m_nBaseCharHeight;
    v.m_lfCurrent.lfWidth = v.m_nBaseCharWidth;
}

double CPemroView::LabelValueRowHeight(CDC* pDC) {
    if (!pDC || m_nPlotHeight <= 0 || !(m_dYSpan > 0)) return 0;
    LOGFONT font = m_lfCurrent;
    font.lfHeight = (m_nLabelZoom + 2) * (m_nFontStep + m_nBaseCharHeight) / 3;
    font.lfWidth = (m_nLabelZoom + 2) * (m_nFontStep / 2 + m_nBaseCharWidth) / 3;
    CFontSelect select(pDC, font);
    return pDC->GetTextExtent("0").cy * m_dYSpan / m_nPlotHeight;
}

void CPemroView::DrawLabelValue(CDC* pDC, double x, double y, const CString& label, int decimals,
                                double value, COLORREF colour) {
    WriteWorldLabelValue(*this, pDC, x, y, 3, label, decimals, value, nullptr, ValueLayout::Gap,
                         colour);
}

void CPemroView::DrawLabelValueUnit(CDC* pDC, double x, double y, const CString& label,
                                    int decimals, double value, const CString& unit,
                                    COLORREF colour) {
    WriteWorldLabelValue(*this, pDC, x, y, 3, label, decimals, value, &unit, ValueLayout::Gap,
                         colour);
}

void CPemroView::DrawLabelValueSmall(CDC* pDC, double x, double y, const CString& label,
                                     int decimals, double value, COLORREF colour) {
    WriteWorldLabelValue(*this, pDC, x, y, 4, label, decimals, value, nullptr, ValueLayout::NoGap,
                         colour);
}

void CPemroView::DrawLabelValueSmallClear(CDC* pDC, double x, double y, const CString& label,
                                          int decimals, double value, COLORREF colour) {
    WriteWorldLabelValue(*this, pDC, x, y, 4, label, decimals, value, nullptr, ValueLayout::NoGap,
                         colour, true, true);
}

void CPemroView::DrawLabelAccent(CDC* pDC, double x, double y, const CString& label, int decimals,
                                 double value, COLORREF colour) {
    WriteWorldLabelValue(*this, pDC, x, y, 4, label, decimals, value, nullptr, ValueLayout::NoGap,
                         colour, false);
}

// Where a label's subscript, written at px2 inside the spaces of the label
// at px1 ("f    =", "x =", "a /2="), meets that label: the left of the
// label's next sign after the spaces, the right of the letter before them,
// and the subscript's width as WriteLabelValue lays it out (the label's
// cells, then the number). False when the label has no such spaces.
struct SubscriptRoom {
    int signLeft = 0, letterRight = 0, width2 = 0;
};

static bool MeasureSubscriptRoom(CPemroView& v, CDC* pDC, const CString& label1, int px1,
                                 const CString& label2, int decimals2, double value2,
                                 SubscriptRoom* room) {
    const size_t space = label1.find(' ');
    const size_t next = space == std::string::npos ? space : label1.find_first_not_of(' ', space);
    if (space == std::string::npos || space == 0 || next == std::string::npos) return false;
    const int Eb = v.m_nFontStep + v.m_nBaseCharHeight;
    const int wb = v.m_nFontStep / 2 + v.m_nBaseCharWidth;
    LOGFONT font = v.m_lfCurrent;
    font.lfHeight = (v.m_nLabelZoom + 2) * Eb / 3;
    font.lfWidth = (v.m_nLabelZoom + 2) * wb / 3;
    {
        CFontSelect select(pDC, font);
        room->signLeft = px1 + pDC->GetTextExtent(label1.substr(0, next)).cx;
        room->letterRight = px1 + pDC->GetTextExtent(label1.substr(0, space)).cx;
    }
    font.lfHeight = (v.m_nLabelZoom + 2) * Eb / 4;
    font.lfWidth = (v.m_nLabelZoom + 2) * wb / 4;
    CFontSelect select(pDC, font);
    room->width2 = font.lfWidth * int(label2.size()) +
                   (decimals2 >= 0 ? pDC->GetTextExtent(FormatDecimals(decimals2, value2)).cx : 0);
    return true;
}

// How far left the subscript must go to end before the label's sign (the
// faces' own widths can leave less room than the cells; a small window's
// narrow label font can put the nominal offset on the sign itself), going no
// further left than the end of the letter before the spaces.
static int SubscriptPull(const SubscriptRoom& r, int px2) {
    if (px2 >= r.signLeft + r.width2 || px2 + r.width2 <= r.signLeft) return 0;
    const int pull = px2 + r.width2 - r.signLeft;
    return px2 - pull >= r.letterRight ? pull : 0;
}

// How far right it must go to start after the letter (a large label zoom
// widens the letter past the nominal offset), as long as it then still ends
// before the sign.
static int SubscriptPush(const SubscriptRoom& r, int px2) {
    const int push = r.letterRight + 1 - px2;
    return push > 0 && r.letterRight + 1 + r.width2 <= r.signLeft ? push : 0;
}

double CPemroView::LabelAccentPull(CDC* pDC, double x, const CString& label1, double x2,
                                   const CString& label2, int decimals2, double value2) {
    int px = 0, px2 = 0, py = 0;
    if (!pDC || !m_bFigureVisible || m_nPlotWidth <= 0 ||
        !MapLabelPoint(*this, x, m_dYMin, &px, &py) ||
        !MapLabelPoint(*this, x2, m_dYMin, &px2, &py))
        return 0;
    SubscriptRoom room;
    if (!MeasureSubscriptRoom(*this, pDC, label1, px, label2, decimals2, value2, &room)) return 0;
    const int pull = SubscriptPull(room, px2);
    return pull > 0 ? (pull + 1) * m_dXSpan / m_nPlotWidth : 0;
}

void CPemroView::DrawLabelValuePair(CDC* pDC, double x, double y, const CString& label1,
                                    int decimals1, double value1, const CString& label2,
                                    int decimals2, double value2, double dx, double dy,
                                    COLORREF colour) {
    DrawLabelValue(pDC, x, y, label1, decimals1, value1, colour);
    // dx character widths right and dy lines up, in world units.
    double x2 = x + dx * m_nBaseCharWidth * m_dXSpan / m_nPlotWidth;
    const double y2 = y + dy * m_nBaseCharHeight * m_dYSpan / m_nPlotHeight;
    int px = 0, py = 0, px2 = 0;
    SubscriptRoom room;
    if (pDC && m_bFigureVisible && MapLabelPoint(*this, x, y, &px, &py) &&
        MapLabelPoint(*this, x2, y2, &px2, &py) &&
        MeasureSubscriptRoom(*this, pDC, label1, px, label2, decimals2, value2, &room)) {
        // Measured once: pulled left to clear the sign, else pushed right
        // to clear the letter.
        const int pull = SubscriptPull(room, px2), push = SubscriptPush(room, px2);
        if (pull > 0)
            x2 -= (pull + 1) * m_dXSpan / m_nPlotWidth;
        else if (push > 0)
            x2 += (push + 1) * m_dXSpan / m_nPlotWidth;
    }
    DrawLabelValueSmall(pDC, x2, y2, label2, decimals2, value2, colour);
}

// A labelled read-out of a 3-D figure written where another read-out of the
// figure already stands goes down below it.
int CPemroView::BelowHeldValueLabels(CDC* pDC, int px, int py, const CString& label, int offset,
                                     int decimals, double value) {
    if (!m_bHoldValueLabels) return py;
    CSize size;
    {
        CFontSelect font(pDC, m_lfCurrent);
        const CSize number = pDC->GetTextExtent(FormatDecimals(decimals, value));
        size = CSize(std::max<int>(pDC->GetTextExtent(label).cx, offset + number.cx),
                     std::max<int>(pDC->GetTextExtent(label).cy, number.cy));
    }
    for (size_t i = 0; i < m_aHeldValuePieces.size(); ++i) {
        const CRect box(px, py, px + size.cx, py + size.cy);
        const CRect& other = m_aHeldValuePieces[i].cell;
        if (!box.Intersect(other).IsRectEmpty() && other.bottom > py) {
            py = other.bottom;
            i = size_t(-1); // again from the first, at the new height
        }
    }
    return py;
}

// A figure drawn as several scenes writes its read-outs in each scene: the
// same label with the same value at the same point is one read-out.
static bool HoldsLabelValue(const CPemroView& v, int px, int py, const CString& label,
                            const CString& number) {
    const std::vector<CPemroView::HeldValuePiece>& held = v.m_aHeldValuePieces;
    for (size_t i = 0; i + 1 < held.size(); ++i)
        if (held[i].x == px && held[i].y == py && !held[i].follows && held[i].text == label &&
            held[i + 1].follows && held[i + 1].text == number)
            return true;
    return false;
}

void CPemroView::DrawLabelValue3D(CDC* pDC, double x, double y, double z, const CString& label,
                                  int decimals, double value, COLORREF colour) {
    if (!pDC || !m_bFigureVisible) return;
    const int Eb = m_nFontStep + m_nBaseCharHeight, wb = m_nFontStep / 2 + m_nBaseCharWidth;
    m_lfCurrent.lfHeight = (m_nLabelZoom + 3) * Eb / 5;
    m_lfCurrent.lfWidth = (m_nLabelZoom + 3) * wb / 5;
    // The oblique projection without the turn.
    ArrangeAxes3D(&x, &y, &z);
    int px = 0, py = 0;
    if (ProjectPoint3D(x, y, z, &px, &py)) {
        const int n = int(label.size());
        // The value follows its label's cells in the label's own size (the
        // label zoom), or the label's ink where the face is wider.
        int offset = (m_nLabelZoom + 3) * n * wb / 5;
        if (n > 0) {
            const CFontSelect font(pDC, m_lfCurrent);
            offset = std::max<int>(offset, pDC->GetTextExtent(label).cx);
        }
        // A point above the box (a range shrunk under it) has its value
        // written at the box's top, clear of the range arrows over it.
        py = std::max(py, m_nFigureTop);
        // The projection inset holds the plot's top right: a value that
        // would stand on it is written just under it.
        if (m_nProjectionDisplay == 1 && m_nInsetRight > m_nInsetLeft) {
            const CFontSelect font(pDC, m_lfCurrent);
            const CSize name = pDC->GetTextExtent(label);
            const CSize number = pDC->GetTextExtent(FormatDecimals(decimals, value));
            const CRect box(px, py, px + std::max<int>(name.cx, offset + number.cx),
                            py + std::max<int>(name.cy, number.cy));
            const CRect inset(m_nInsetLeft, m_nInsetTop, m_nInsetRight, m_nInsetBottom);
            if (!box.Intersect(inset).IsRectEmpty()) py = m_nInsetBottom + 2;
        }
        const bool again = n > 0 && m_bHoldValueLabels &&
                           HoldsLabelValue(*this, px, py, label, FormatDecimals(decimals, value));
        if (n > 0 && !again) py = BelowHeldValueLabels(pDC, px, py, label, offset, decimals, value);
        if (!again)
            WriteLabelValue(*this, pDC, px, py, label, decimals, value, nullptr,
                            ValueLayout::Offset3D, offset, colour);
    }
    m_lfCurrent.lfHeight = m_nBaseCharHeight;
    m_lfCurrent.lfWidth = m_nBaseCharWidth;
}

void CPemroView::DrawRadiusLabels(CDC* pDC, int left, int top, int right, int bottom) {
    m_nPlotWidth = right - left;
    m_nPlotHeight = bottom - top;
    if (!pDC || !IsFigureBandVisible()) return;
    const int w = m_nPlotWidth, h = m_nPlotHeight;
    const COLORREF c = m_crAxes;
    const int pen = m_nPixelSize;
    DrawLinePx(pDC, pen, left, top + 3, right, top + 3, c);
    DrawLinePx(pDC, pen, left, bottom - 3, right, bottom - 3, c);
    FillRectPx(pDC, left + w / 3, top, left + 2 * w / 3, top + 6, c);
    DrawLinePx(pDC, pen, right, top + 3, right, bottom - 3, c);
    FillRectPx(pDC, right - 3, top + h / 3, right + 3, bottom - h / 3, c);
    DrawString(pDC, left + w / 2, top + 6, "r", c);
    DrawString(pDC, right - (m_nBaseCharHeight + 6 + m_nFontStep) / 2, top + h / 3, "R", c);
    DrawDotPx(pDC, left, top + 3, 3, 3, c, c);
    DrawDotPx(pDC, left, bottom - 3, 3, 3, c, c);
}
