// Placement of figures and pictures below the current text line, and the
// visibility of text lines in this pass.
#include "view/view.h"

#include <algorithm>
#include <cstdint>

namespace {

struct BandRows {
    bool ok;
    int top, bottom;
};

// top = next line + (1.3 + spacing)·topLines·H/1.3, bottom = top +
// (1 + spacing)·heightLines·H, each product truncated.
BandRows PlaceRows(const CPemroView* v, double topLines, double heightLines) {
    const int H = v->m_nBaseCharHeight + v->m_nFontStep;
    const double dTop = (1.3 + v->m_dLineSpacing) * topLines * H / 1.3;
    const double dHeight = (1.0 + v->m_dLineSpacing) * heightLines * H;
    if (!IsDrawable(dTop) || !IsDrawable(dHeight)) return {false, 0, 0};
    const int top = PagePos(std::int64_t(v->m_nNextLineY) + ToPixel(dTop));
    return {true, top, PagePos(std::int64_t(top) + ToPixel(dHeight))};
}

// How far a figure draws below its box: its frame and the x axis's
// numbers, two lines at most.
int PrintedFrameBelowBox(const CPemroView* v) {
    return 2 * (v->m_nBaseCharHeight + v->m_nFontStep);
}

// A figure shows on a screen it lies inside, down to the last pixel: its
// bottom may lie in the last eighteenth, below the written band. A printed
// sheet keeps that band for its page number, clear of the figure's frame.
int FigureContentEnd(const CPemroView* v, int bottom, int boxHeight) {
    if (v->m_bPrintMode) return PagePos(std::int64_t(bottom) + 1 + PrintedFrameBelowBox(v));
    return PagePos(std::int64_t(bottom) + 1 - std::max(0, boxHeight) / 18);
}

bool FitsPixel(std::int64_t v) {
    return v > -kPixelLimit && v < kPixelLimit;
}

} // namespace

CPoint CPemroView::ClickPagePoint() const {
    if (!m_bPrintMode) return ScreenClickPoint();
    if (m_bClickSpent && m_nTextRevealMode < 0) return CPoint(-kPageLimit, -kPageLimit);
    return m_ptPrintedClick;
}

CPoint CPemroView::ScreenClickPoint() const {
    if (m_bClickSpent && m_nTextRevealMode < 0) return CPoint(-kPageLimit, -kPageLimit);
    const bool anchored = m_nClickOriginSerial == m_nClickSerial;
    const int left = anchored ? m_ptClickOrigin.x : m_nClipLeft;
    const int top = anchored ? m_ptClickOrigin.y : m_nClipTop;
    return CPoint(PagePos(std::int64_t(left) + m_ptClick.x),
                  PagePos(std::int64_t(top) + m_ptClick.y));
}

void CPemroView::AnchorClick(BOOL always) {
    if (!always && m_nClickOriginSerial == m_nClickSerial) return;
    m_ptClickOrigin = CPoint(m_nClipLeft, m_nClipTop);
    m_nClickOriginSerial = m_nClickSerial;
    m_bClickSpent = FALSE;
}

BOOL CPemroView::IsGraphBandVisibleAfter(int n) const {
    return m_nRecordIndex > n && m_nGraphTop - m_nClipTop >= 1 && m_nGraphBottom < m_nClipBottom;
}

// Asked by every text writer before it writes a line at page y.
BOOL CPemroView::IsTextLineVisible(int y) {
    if (y >= kPageLimit) return FALSE; // the page is cut at the bound
    if (m_bPrintMode)
        return m_nClipTop - 10 < y && y < m_nClipBottom - (m_nClipBottom - m_nClipTop) / 18;
    const int H = m_nBaseCharHeight + m_nFontStep;
    if (m_nTextRevealMode > 0 && m_nRecordIndex > m_nRevealedCount) return FALSE;
    // Down to the click: the line position itself is read, in every pass.
    if (m_nTextRevealMode == 0 && !(y < ClickPagePoint().y + H / 3)) return FALSE;
    // The first pass over a newly opened file only lays the page out.
    if (!(y < m_nClipBottom) || m_strLastDataPath != m_strDataPath) return FALSE;
    m_nRevealedTextBottom = m_nNextLineY;
    return TRUE;
}

// A figure is shown whole or not at all: it is visible only when its box
// lies wholly inside the area being painted.
void CPemroView::LayoutGraphWindow(double topLines, int leftColumn, int widthColumns,
                                   double heightLines) {
    // The figure before is done; from here on the record draws its own
    // figure, in that figure's state. A record whose commands both draw
    // into one box (a plain frame, then its own figure) is one figure: its
    // axes are named once, clear of everything both wrote.
    const bool sameRecord = m_bNoteFigureBoxes && m_nFigureBoxesRecord == m_nRecordIndex;
    const auto endBefore = [this] {
        FlushValueLabels();
        EndFigureBoxes();
    };
    if (!sameRecord) endBefore();
    // A printed page shows its slice of the page: figures move up with the
    // text.
    BandRows rows = PlaceRows(this, topLines, heightLines);
    // The page is cut at its bound: a figure whose frame reaches it (two
    // lines below its box at most) is not shown.
    const bool pastCut =
        rows.ok && std::int64_t(rows.bottom) + PrintedFrameBelowBox(this) >= kPageLimit;
    // A figure wholly above or below the painted box draws nothing there,
    // nor one past the page's bound: its own fields are not put back for it.
    if (rows.ok && (rows.bottom - m_nPrintOffsetY < m_nClipTop ||
                    rows.top - m_nPrintOffsetY > m_nClipBottom || pastCut))
        PassFigureStateBy();
    else
        EnterFigureState();
    if (rows.ok) {
        NoteScreenFigure(rows.top, rows.bottom, true);
        m_nContentEnd = std::max(m_nContentEnd,
                                 FigureContentEnd(this, rows.bottom, m_nClipBottom - m_nClipTop));
        if (m_bRecordPrintFigures && m_nPrintFigureCount < kMaxPrintFigures) {
            m_anPrintFigureTop[m_nPrintFigureCount] = rows.top;
            m_anPrintFigureBottom[m_nPrintFigureCount++] =
                PagePos(std::int64_t(rows.bottom) + PrintedFrameBelowBox(this));
        }
    }
    rows.top -= m_nPrintOffsetY;
    rows.bottom -= m_nPrintOffsetY;
    m_nFrameDrawn = kNoFrame;
    EndKeptFigureRecord(); // the figure before is done
    m_bFigureSkipped =
        SkipFigureThisPass(rows.ok && rows.top > m_nClipTop && rows.bottom < m_nClipBottom);
    const int ordinal = m_nPassFigure - 1;
    m_ptPrintedClick = CPoint(-kPageLimit, -kPageLimit);
    if ((m_nTextRevealMode > 0 && m_nRecordIndex > m_nRevealedCount + 1) ||
        m_nTextRevealMode < -1) {
        m_bFigureVisible = 0;
        if (sameRecord) endBefore();
        return;
    }
    const std::int64_t W = m_nBaseCharWidth + m_nFontStep / 2;
    const std::int64_t left = std::int64_t(leftColumn) * W;
    // At most twice the painted width: the page does not scroll sideways, so
    // no more of it is ever seen, and the figures sample by the pixel: a
    // width of thousands of columns made every pass take seconds.
    const std::int64_t widest = 2 * std::max(0, m_nClipRight - m_nClipLeft);
    const std::int64_t right = left + std::min(std::int64_t(widthColumns) * W, widest);
    // On paper the sheet's last eighteenth is the page number's, and the
    // figure's frame and the x axis's numbers under its box stay above it.
    const int floor = m_bPrintMode ? m_nClipBottom - (m_nClipBottom - m_nClipTop) / 18 -
                                         PrintedFrameBelowBox(this)
                                   : m_nClipBottom;
    // Zoomed, the first figure in view fills the window: a figure after it
    // would fill the window again over it. Each pass walks the page from its
    // start, so a continuation pass finds the same first figure.
    const bool inView = rows.ok && !pastCut && FitsPixel(left) && FitsPixel(right) &&
                        rows.top > m_nClipTop && rows.bottom < floor;
    const bool underZoom = m_bZoom && m_bZoomTaken;
    if (m_bZoom && inView) m_bZoomTaken = TRUE;
    if (rows.ok && FitsPixel(left) && FitsPixel(right))
        PlaceClickInFigure(ordinal, CRect(int(left), rows.top, int(right), rows.bottom),
                           inView && !underZoom);
    if (!inView || underZoom) {
        m_bFigureVisible = 0;
        if (sameRecord) endBefore();
        if (m_pTextSink && rows.ok && FitsPixel(left) && FitsPixel(right))
            m_pTextSink->OnFigurePlaced(CRect(int(left), rows.top, int(right), rows.bottom), false);
        return;
    }
    m_nFigureLeft = m_nGraphLeft = int(left);
    m_nFigureRight = m_nGraphRight = int(right);
    m_nFigureTop = m_nGraphTop = rows.top;
    m_nFigureBottom = m_nGraphBottom = rows.bottom;
    m_bFigureVisible = m_bFigureSkipped ? 0 : 1;
    m_nPlacedButtons = 0;
    const CRect box(int(left), rows.top, int(right), rows.bottom);
    if (sameRecord && (!m_bFigureVisible || box != m_rcFigureBoxesBox)) endBefore();
    if (m_bFigureVisible && !(sameRecord && box == m_rcFigureBoxesBox)) {
        BeginFigureBoxes(box);
        m_nFigureBoxesRecord = m_nRecordIndex;
        m_rcFigureBoxesBox = box;
    }
    if (m_pTextSink)
        m_pTextSink->OnFigurePlaced(CRect(int(left), rows.top, int(right), rows.bottom),
                                    !m_bFigureSkipped);
}

void CPemroView::PlaceClickInFigure(int ordinal, const CRect& box, bool inView) {
    ClickInFigure& f = m_clickInFigure;
    if (m_bPrintMode) {
        if (!inView || f.serial != m_nClickSerial || f.ordinal != ordinal || f.width <= 0 ||
            f.height <= 0)
            return;
        m_ptPrintedClick = CPoint(PagePos(box.left + std::int64_t(f.dx) * box.Width() / f.width),
                                  PagePos(box.top + std::int64_t(f.dy) * box.Height() / f.height));
        return;
    }
    if (!inView) return;
    // Near the box: the reach of the figures' own click tests.
    const CPoint click = ScreenClickPoint();
    const int c = 2 * std::max(0, m_nBaseCharHeight);
    const bool near = std::int64_t(box.left) - c < click.x &&
                      click.x < std::int64_t(box.right) + c &&
                      std::int64_t(box.top) - c < click.y && click.y < std::int64_t(box.bottom) + c;
    const bool same = f.serial == m_nClickSerial;
    if (!near) {
        // The layout changed under the click: it is in this figure no more.
        if (same && f.ordinal == ordinal) f.ordinal = -1;
        return;
    }
    const bool inside = box.PtInRect(click);
    // A click near two figures belongs to the one it lies in.
    if (same && f.ordinal >= 0 && f.ordinal != ordinal && f.inside && !inside) return;
    f = {m_nClickSerial,    ordinal,     inside,      click.x - box.left,
         click.y - box.top, box.Width(), box.Height()};
}

// The picture box of "LoadBmp" and "Answer", placed like a figure but with
// no visibility decision. A box that cannot be placed is left empty.
void CPemroView::LayoutPictureRect(double topLines, double leftColumns, double widthColumns,
                                   double heightLines) {
    const BandRows rows = PlaceRows(this, topLines, heightLines);
    const int W = m_nBaseCharWidth + m_nFontStep / 2;
    const double dLeft = W * leftColumns, dWidth = W * widthColumns;
    if (!rows.ok || !IsDrawable(dLeft) || !IsDrawable(dWidth)) {
        m_nPictureLeft = m_nPictureRight = m_nPictureTop = m_nPictureBottom = 0;
        return;
    }
    m_nPictureLeft = ToPixel(dLeft);
    m_nPictureRight = m_nPictureLeft + ToPixel(dWidth);
    m_nPictureTop = rows.top;
    m_nPictureBottom = rows.bottom;
    NoteScreenFigure(rows.top, rows.bottom, false);
    m_nContentEnd =
        std::max(m_nContentEnd, FigureContentEnd(this, rows.bottom, m_nClipBottom - m_nClipTop));
}

// A figure's axis numbers and frame reach up to a line above its box and two
// below it; a picture stays in its box. A page step looks a window either way:
// only figures that near are kept, so that on a page of a thousand figures
// the bound is not spent on those above the window.
void CPemroView::NoteScreenFigure(int top, int bottom, bool framed) {
    m_nLastNotedBand = -1;
    if (!m_bNoteScreenFigures || m_aNotedFigureBands.size() >= size_t(kMaxPrintFigures)) return;
    const int H = m_nBaseCharHeight + m_nFontStep;
    const int above = framed ? H : 0, below = framed ? 2 * H : 0;
    const paging::Band band{PagePos(std::int64_t(top) - above),
                            PagePos(std::int64_t(bottom) + below)};
    const std::int64_t window = std::int64_t(m_nClipBottom) - m_nClipTop;
    if (band.bottom < m_nClipTop - window || band.top > m_nClipBottom + window) return;
    m_nLastNotedBand = int(m_aNotedFigureBands.size());
    m_aNotedFigureBands.push_back(band);
}

void CPemroView::NoteDrawnFigureTop() {
    const int i = m_nDrawnFigureBand;
    m_nDrawnFigureBand = -1;
    if (!m_bNoteScreenFigures || !m_bNoteFigureBoxes || i < 0 ||
        size_t(i) >= m_aNotedFigureBands.size())
        return;
    int top = m_rcFigureFrame.top;
    for (const CRect& b : m_aFigureBoxes) top = std::min(top, b.top);
    m_aNotedFigureBands[size_t(i)].top = std::min(m_aNotedFigureBands[size_t(i)].top, top);
}

void CPemroView::KeepScreenFigures() {
    NoteDrawnFigureTop();
    if (!m_bNoteScreenFigures) return;
    m_bNoteScreenFigures = false;
    m_aScreenFigureBands.swap(m_aNotedFigureBands);
    m_nScreenFiguresTop = m_nClipTop;
}
