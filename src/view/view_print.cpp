// The view's window side: scroll sizes and the printing hooks.
#include "view/view.h"

#include <cstdio>

void CPemroView::OnInitialUpdate() {
    const int h = m_nBaseCharHeight + m_nFontStep + m_nFormulaFontStep;
    m_sizeScrollTotal.cx = 30 * h;
    m_sizeScrollTotal.cy = m_nTextY >= 1000 ? PagePos(std::int64_t(m_nTextY) + 800) : 1000;
    SetScrollSizes(MM_TEXT, m_sizeScrollTotal, sizeDefault, sizeDefault);
    m_nTextY = m_nInitialPageLines * h;
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
    // The page height is the last screen paint's clip box; before any paint
    // it may be empty, and a print still has at least one page.
    const int clipHeight = m_nClipBottom - m_nClipTop;
    int pages = clipHeight > 0 ? m_sizeScrollTotal.cy / clipHeight : 1;
    if (pages < 1) pages = 1;
    pInfo->SetMaxPage(UINT(pages));
    return DoPreparePrinting(pInfo);
}

void CPemroView::OnBeginPrinting(CDC*, CPrintInfo*) {
    m_bShowSelectionBox = 0;
    if (!m_bPrintOriginalColors) {
        m_crGround = RGB(255, 255, 255);
        m_acrPalette[7] = RGB(0, 0, 0);
        m_crBackground = RGB(255, 255, 255);
        m_nBackgroundMode = 0;
    }
}

void CPemroView::OnPrint(CDC* pDC, CPrintInfo* pInfo) {
    m_bPrintMode = 1;
    m_nPrintPage = int(pInfo->m_nCurPage);
    // Each printed page advances by 17/18 of a screen box so pages overlap.
    m_nPrintOffsetY = (m_nPrintPage - 1) * 17 * (m_nClipBottom - m_nClipTop) / 18;
    m_nTextY = 30;
    OnDraw(pDC);

    char label[32];
    std::snprintf(label, sizeof label, "- %d -", m_nPrintPage);
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
    if (!m_bPrintOriginalColors) {
        m_bShowSelectionBox = 1;
        m_crGround = RGB(0, 64, 128);
        m_acrPalette[7] = m_crBodyText;
        m_crBackground = RGB(50, 70, 120);
        m_nBackgroundMode = 1;
    }
}
