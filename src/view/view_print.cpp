// The view's window side: scroll sizes and the printing hooks.
#include "view/print_colours.h"
#include "view/view.h"
#include "view/view_tables.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>

namespace {

using V = CPemroView;

// Line colours of the figures that print darkened, after the colour table.
constexpr COLORREF V::*kPrintedLineColours[] = {
    &V::m_crAxes,
    &V::m_crCurve,
    &V::m_crCurveSetting,
    &V::m_crFirstDerivative,
    &V::m_crSecondDerivative,
    &V::m_crUpperMesh,
    &V::m_crLowerMesh,
    &V::m_crSection,
    &V::m_crDefaultPen,
    &V::m_crIndexed,
};
constexpr int kPrintedLineColourCount =
    int(sizeof kPrintedLineColours / sizeof *kPrintedLineColours);
static_assert(V::kPaletteSize + kPrintedLineColourCount <=
                  int(sizeof V::m_acrScreenColours / sizeof *V::m_acrScreenColours),
              "the screen colours must fit their store");

// Sheets of `pageHeight` that show a page whose content ends at `contentEnd`.
// Each sheet starts 17/18 of a sheet below the one before (as OnPrint slices
// them) and writes no text in its last eighteenth, so the sheets' written
// bands follow on without a gap. At least one, also before any paint; a
// print never runs for ever, whatever length the page reports.
int PrintedPageCount(int contentEnd, int pageHeight) {
    if (pageHeight <= 0) return 1;
    const std::int64_t step = std::max<std::int64_t>(1, 17 * std::int64_t(pageHeight) / 18);
    const std::int64_t band = pageHeight - pageHeight / 18;
    int pages = 1;
    while (pages < V::kMaxPrintSheets && (pages - 1) * step + band < contentEnd) ++pages;
    return pages;
}

// The rows the sheets of `pageHeight` start at, for a page whose content
// ends at `contentEnd` (as PrintedPageCount counts) with the figure bands
// given. Each sheet starts 17/18 of a sheet below the one before, or higher:
// a little above a figure that the sheet before cut at the band of its page
// number, so that the figure prints whole on the next sheet, clear of the
// number (one taller than the written band cannot). The written bands of the sheets follow on
// without a gap. Returns the count.
int PlanPrintedSheets(int contentEnd, int pageHeight, const int* figureTop, const int* figureBottom,
                      int figures, int* sheetTop, int maxSheets) {
    if (pageHeight <= 0 || maxSheets <= 0) return 0;
    const std::int64_t H = pageHeight;
    const std::int64_t step = std::max<std::int64_t>(1, 17 * H / 18), band = H - H / 18;
    std::int64_t top = 0;
    int count = 0;
    while (count < maxSheets) {
        sheetTop[count++] = int(top);
        if (top + band >= contentEnd) break;
        std::int64_t next = top + step;
        for (int i = 0; i < figures; ++i) {
            const std::int64_t t = figureTop[i], b = figureBottom[i];
            // A figure shows above the page number's band.
            const bool cut = t > top && t < top + H && b >= top + band;
            // Some room above the figure for the labels over its frame.
            const std::int64_t room = std::min(H / 18, band - 2 - (b - t));
            if (cut && room >= 1 && t - room > top) next = std::min(next, t - room);
        }
        if (next > INT_MAX) break;
        top = next;
    }
    return count;
}

// Where the content of the page ends on the paper of `info`: the first sheet
// is laid out as the print lays it out, on a scratch sheet, which measures
// the whole page. The screen's own measure when no sheet can be had.
int PrintedContentEnd(CPemroView* view, CPrintInfo* info) {
    CBitmap sheet;
    if (view->InPass() || !sheet.CreateBitmap(info->m_rectDraw.Width(), info->m_rectDraw.Height()))
        return view->m_nContentEnd;
    const UINT page = info->m_nCurPage;
    info->m_nCurPage = 1;
    view->SetInPass(true);
    view->m_nPrintFigureCount = 0;
    view->m_bRecordPrintFigures = TRUE;
    {
        CDC dc(&sheet);
        dc.SetPrinting(TRUE);
        view->OnBeginPrinting(&dc, info);
        view->OnPrepareDC(&dc, info);
        view->OnPrint(&dc, info);
    }
    view->m_bRecordPrintFigures = FALSE;
    const int end = view->m_nContentEnd;
    {
        CDC dc(&sheet);
        dc.SetPrinting(TRUE);
        view->OnEndPrinting(&dc, info);
    }
    view->SetInPass(false);
    info->m_nCurPage = page;
    return end;
}

} // namespace

void CPemroView::OnInitialUpdate() {
    FitScrollToText(m_nTextY);
    m_nTextY = m_nInitialPageLines * (m_nBaseCharHeight + m_nFontStep + m_nFormulaFontStep);
}

BOOL CPemroView::FitScrollToText(int textEnd, BOOL bGrowOnly) {
    // A page cut at the bound ends below the line that says so.
    const int length = textEnd >= kPageLimit ? PageCutEnd()
                       : textEnd >= 1000     ? PagePos(std::int64_t(textEnd) + 800)
                                             : 1000;
    if (bGrowOnly && length <= m_sizeScrollTotal.cy) return FALSE;
    m_sizeScrollTotal.cx = 30 * (m_nBaseCharHeight + m_nFontStep + m_nFormulaFontStep);
    m_sizeScrollTotal.cy = length;
    SetScrollSizes(MM_TEXT, m_sizeScrollTotal, sizeDefault, sizeDefault);
    return TRUE;
}

void CPemroView::OnAdjustView() {
    OnInitialUpdate();
}

void CPemroView::OnPrintPrepareOk() {
    m_bPrintMode = 1;
}

void CPemroView::OnPrintPrepareCancel() {
    m_bPrintMode = 0;
}

BOOL CPemroView::OnPreparePrinting(CPrintInfo* pInfo) {
    // The sheets a print needs follow where the page's content ends, laid
    // out on the paper when the printer's page is known, else on the screen.
    const CRect& paper = pInfo->m_rectDraw;
    m_nPrintSheetHeight = 0;
    int pages = PrintedPageCount(m_nContentEnd, m_nClipBottom - m_nClipTop);
    if (!paper.IsRectEmpty()) {
        m_nPrintFigureCount = 0;
        const int end = PrintedContentEnd(this, pInfo);
        pages = PlanPrintedSheets(end, paper.Height(), m_anPrintFigureTop, m_anPrintFigureBottom,
                                  m_nPrintFigureCount, m_anPrintSheetTop, kMaxPrintSheets);
        m_nPrintSheetCount = pages;
        m_nPrintSheetHeight = paper.Height();
    }
    pInfo->SetMaxPage(UINT(std::max(1, pages)));
    return DoPreparePrinting(pInfo);
}

void CPemroView::OnBeginPrinting(CDC*, CPrintInfo*) {
    SaveScreenLook();
    // The print passes lay the page out on paper; the next print counts its
    // pages from the screen again.
    m_rcScreenClip = CRect(m_nClipLeft, m_nClipTop, m_nClipRight, m_nClipBottom);
    m_nScreenContentEnd = m_nContentEnd;
    m_bShowSelectionBox = 0;
    if (!m_bPrintOriginalColors) {
        // Text and lines meant for a dark screen would vanish on white paper.
        COLORREF* saved = m_acrScreenColours;
        for (COLORREF& c : m_acrPalette) {
            *saved++ = c;
            c = PrintableColour(c);
        }
        for (COLORREF V::*field : kPrintedLineColours) {
            *saved++ = this->*field;
            this->*field = PrintableColour(this->*field);
        }
        m_crGround = RGB(255, 255, 255);
        m_acrPalette[7] = RGB(0, 0, 0);
        m_crBackground = RGB(255, 255, 255);
        m_nBackgroundMode = 0;
    }
}

void CPemroView::OnPrint(CDC* pDC, CPrintInfo* pInfo) {
    m_bPrintMode = 1;
    m_nPrintPage = int(pInfo->m_nCurPage);
    // Each printed page advances by 17/18 of a printed page so pages overlap;
    // the page's own height, so that a print starting after page 1 slices
    // the page as a print from page 1 does.
    CRect page;
    pDC->GetClipBox(&page);
    m_nPrintOffsetY = (m_nPrintPage - 1) * 17 * page.Height() / 18;
    // A print prepared for sheets of this height starts each where planned.
    if (m_nPrintSheetHeight == page.Height() && m_nPrintPage >= 1 &&
        m_nPrintPage <= m_nPrintSheetCount)
        m_nPrintOffsetY = m_anPrintSheetTop[m_nPrintPage - 1];
    m_nTextY = 30;
    OnDraw(pDC);

    char label[32];
    std::snprintf(label, sizeof label, "- %d -", m_nPrintPage);
    // The number is the sheet's own, not the last figure's text.
    if (m_pTextSink) m_pTextSink->OnRecordBegins(false);
    // The page number goes on every page, also where no figure is near
    // (DrawString alone would skip it there).
    const BOOL figureVisible = m_bFigureVisible;
    const int graphTop = m_nGraphTop, graphBottom = m_nGraphBottom;
    m_bFigureVisible = TRUE;
    m_nGraphTop = m_nGraphBottom = (m_nClipTop + m_nClipBottom) / 2;
    DrawString(pDC, (5 * m_nClipLeft + 4 * m_nClipRight) / 9,
               m_nClipBottom - (m_nClipBottom - m_nClipTop) / 21, label, m_acrPalette[7]);
    m_bFigureVisible = figureVisible;
    m_nGraphTop = graphTop;
    m_nGraphBottom = graphBottom;
}

void CPemroView::OnEndPrinting(CDC*, CPrintInfo*) {
    m_bPrintMode = 0;
    m_nPrintOffsetY = 0;
    m_nClipLeft = m_rcScreenClip.left;
    m_nClipTop = m_rcScreenClip.top;
    m_nClipRight = m_rcScreenClip.right;
    m_nClipBottom = m_rcScreenClip.bottom;
    m_nContentEnd = m_nScreenContentEnd;
    if (!m_bPrintOriginalColors) {
        const COLORREF* saved = m_acrScreenColours;
        for (COLORREF& c : m_acrPalette) c = *saved++;
        for (COLORREF V::*field : kPrintedLineColours) this->*field = *saved++;
    }
    // The screen looks as before the print, whatever display mode was set.
    RestoreScreenLook();
    // The window still shows the last screen pass: paint it in the colours
    // and layout now in force.
    Invalidate();
}

void CPemroView::SaveScreenLook() {
    ScreenLook& look = m_screenLookBeforePrint;
    for (int i = 0; i < kColourSlotCount; ++i) look.colourSlots[i] = this->*kColourSlots[i].field;
    std::copy_n(m_acrPalette, kPaletteSize, look.palette);
    look.backgroundMode = m_nBackgroundMode;
    look.showSelectionBox = m_bShowSelectionBox;
    look.currentFont = m_lfCurrent;
    std::copy_n(m_alfTextFont, kTextFontCount, look.textFonts);
    look.saved = true;
}

void CPemroView::RestoreScreenLook() {
    ScreenLook& look = m_screenLookBeforePrint;
    if (!look.saved) return;
    look.saved = false;
    for (int i = 0; i < kColourSlotCount; ++i) this->*kColourSlots[i].field = look.colourSlots[i];
    std::copy_n(look.palette, kPaletteSize, m_acrPalette);
    m_nBackgroundMode = look.backgroundMode;
    m_bShowSelectionBox = look.showSelectionBox;
    m_lfCurrent = look.currentFont;
    std::copy_n(look.textFonts, kTextFontCount, m_alfTextFont);
}

int CPemroView::PageStepTop(int from, int direction) const {
    CRect client;
    GetClientRect(&client);
    const int maxTop = std::max(0, GetTotalSize().cy - client.Height());
    // Figures known for another scroll position may have moved since.
    static const std::vector<paging::Band> none;
    const auto& figures = m_nScreenFiguresTop == from ? m_aScreenFigureBands : none;
    // The last text line reaches a line below where it starts.
    const int end = int(std::min<std::int64_t>(
        std::int64_t(m_nContentEnd) + m_nBaseCharHeight + m_nFontStep, PageCutEnd()));
    return paging::PageStepTop(from, direction, client.Height(), maxTop, end, figures);
}
