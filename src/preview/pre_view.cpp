#include "preview/pre_view.h"

#include "platform/print.h"
#include "platform/system.h"
#include "preview/preview_pages.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr COLORREF kWorkspaceColour = RGB(128, 128, 128);
constexpr COLORREF kFrameColour = RGB(0, 0, 0);
constexpr COLORREF kShadowColour = RGB(64, 64, 64);

// Page descriptions of the status line: one page, a run of pages.
constexpr const char* kOnePageText = "第 %u 页";
constexpr const char* kPagesText = "第 %u-%u 页";

struct CommandEntry {
    UINT id;
    void (CPreView::*handler)();
};
const CommandEntry kCommands[] = {
    {ID_PREVIEW_NUMPAGE, &CPreView::OnNumPageChange},
    {ID_PREVIEW_NEXT, &CPreView::OnNextPage},
    {ID_PREVIEW_PREV, &CPreView::OnPrevPage},
    {ID_PREVIEW_THREEPAGE, &CPreView::OnThreePage},
    {ID_PREVIEW_TENPAGE, &CPreView::OnTenPage},
    {ID_PREVIEW_ZOOMIN, &CPreView::OnZoomIn},
    {ID_PREVIEW_ZOOMOUT, &CPreView::OnZoomOut},
};

} // namespace

CPreView::CPreView() = default;

CPreView::~CPreView() = default;

BOOL CPreView::SetPrintView(CScrollView* view, const CPreviewPaper& paper, const CSize& imageSize,
                            UINT pagesPerScreen) {
    m_pPrintView = view;
    m_paper = paper;
    m_sizePrinterPPI = CSize(std::max(1, paper.printerPPI.cx), std::max(1, paper.printerPPI.cy));
    m_pPreviewPrintInfo = std::make_unique<CPrintInfo>();
    m_pPreviewPrintInfo->m_bPreview = TRUE;
    if (!view || view->InPass() ||
        !PreparePrintInfo(view, m_pPreviewPrintInfo.get(), QSize(imageSize.cx, imageSize.cy))) {
        m_pPrintView = nullptr;
        return FALSE;
    }
    m_pPages = std::make_unique<CPreviewPages>(view, m_pPreviewPrintInfo.get(),
                                               QSize(imageSize.cx, imageSize.cy));
    m_nPages = std::clamp(pagesPerScreen, 1u, m_nMaxPages);
    m_nOverviewPages = m_nPages;
    SetScrollSizes(MM_TEXT, CSize(1, 1));
    SetCurrentPage(m_pPreviewPrintInfo->m_nCurPage, TRUE);
    return TRUE;
}

UINT CPreView::FirstPage() const {
    return m_pPreviewPrintInfo ? m_pPreviewPrintInfo->m_nMinPage : 1;
}

UINT CPreView::LastPage() const {
    return m_pPreviewPrintInfo ? m_pPreviewPrintInfo->m_nMaxPage : 1;
}

void CPreView::OnSize(int cx, int cy, int scrollBarWidth) {
    m_sizeArea = CSize(std::max(0, cx), std::max(0, cy));
    m_nScrollBarWidth = std::max(0, scrollBarWidth);
    if (m_nZoomState == ZOOM_OUT) {
        for (PageLayout& l : m_aPageLayout) l.sizeScale.cx = 0;
    } else {
        SetScrollSizes(MM_TEXT, GetTotalSize(), m_sizeArea,
                       CSize(m_sizeArea.cx / 10, m_sizeArea.cy / 10));
    }
    Invalidate();
}

// --- Layout ---------------------------------------------------------------------

CSize CPreView::CalcPageDisplaySize() {
    const UINT first = FirstPage(), last = LastPage();
    const bool pageBar = m_nZoomState == ZOOM_OUT && last != kOpenEndedPage && last != first;
    const CPageDisplay d =
        ::CalcPageDisplaySize(m_sizeArea, m_nPages, pageBar ? m_nScrollBarWidth : 0);
    m_nSecondPageOffset = d.secondPageOffset;
    m_nSecondRowOffset = d.secondRowOffset;
    return d.box;
}

CSize CPreView::CalcScaleRatio(CSize screenSize, CSize actualSize) {
    return ::CalcScaleRatio(screenSize, actualSize);
}

void CPreView::PositionPage(UINT slot) {
    PageLayout& l = m_aPageLayout[slot];
    l.sizePage = CSize(MulDiv(m_paper.paper.cx, m_sizeScreenPPI.cx, m_sizePrinterPPI.cx),
                       MulDiv(m_paper.paper.cy, m_sizeScreenPPI.cy, m_sizePrinterPPI.cy));
    l.sizeFitScale = CalcScaleRatio(CalcPageDisplaySize(), l.sizePage);
    SetScaledSize(slot);
}

void CPreView::SetScaledSize(UINT slot) {
    PageLayout& l = m_aPageLayout[slot];
    CSize r = ZoomScaleRatio(m_nZoomState, l.sizeFitScale);
    if (r.cx <= 0 || r.cy <= 0) r = CSize(1, 1);
    l.sizeScale = r;
    l.rcScreen = ScaledPageRect(l.sizePage, r);
    if (m_nZoomState == ZOOM_OUT) {
        CPageDisplay d;
        d.box = CalcPageDisplaySize();
        d.secondPageOffset = m_nSecondPageOffset;
        d.secondRowOffset = m_nSecondRowOffset;
        l.rcScreen = PlaceOverviewPage(l.rcScreen, d, slot);
    } else {
        SetScrollSizes(MM_TEXT, CSize(l.rcScreen.Width() + 16, l.rcScreen.Height() + 16),
                       m_sizeArea, CSize(m_sizeArea.cx / 10, m_sizeArea.cy / 10));
    }
}

// --- Pages and zoom ---------------------------------------------------------------

void CPreView::SetCurrentPage(UINT page, BOOL clear) {
    m_nCurrentPage = std::clamp(page, FirstPage(), LastPage());
    if (clear)
        for (PageLayout& l : m_aPageLayout) l.sizeScale.cx = 0;
    Invalidate();
    if (GetHost()) GetHost()->ScrollSizesChanged();
}

void CPreView::SetPageCount(UINT pages) {
    if (m_pAppPreviewPages) *m_pAppPreviewPages = pages;
    m_nPages = m_nOverviewPages = pages;
    SetCurrentPage(m_nCurrentPage, TRUE);
}

void CPreView::OnNumPageChange() {
    SetPageCount(m_nPages == 3 || m_nPages == 10 ? 1 : 3 - std::min(m_nPages, 2u));
}

void CPreView::OnZoomIn() {
    if (m_nZoomState != ZOOM_IN) SetZoomState(m_nZoomState + 1, 0, CPoint());
}

void CPreView::OnZoomOut() {
    if (m_nZoomState != ZOOM_OUT) SetZoomState(m_nZoomState - 1, 0, CPoint());
}

void CPreView::OnFindPage(const std::string& text) {
    UINT page = 0;
    if (!ParsePageNumber(text, LastPage(), &page)) {
        AfxMessageBox("Page Parameter Error!");
        return;
    }
    SetPageCount(1);
    SetCurrentPage(page, TRUE);
}

void CPreView::SetZoomState(UINT state, UINT slot, CPoint point) {
    if (state == m_nZoomState || state > ZOOM_IN) return;
    slot = std::min(slot, m_nMaxPages - 1);
    // A slot not yet shown is laid out as it would show.
    if (m_aPageLayout[slot].sizeScale.cx == 0) PositionPage(slot);
    m_nZoomState = state;
    DoZoom(slot, point);
}

void CPreView::DoZoom(UINT slot, CPoint point) {
    if (m_nZoomState == ZOOM_OUT) {
        m_nPages = m_nOverviewPages;
        SetScrollSizes(MM_TEXT, CSize(1, 1));
        SetCurrentPage(m_nCurrentPage, TRUE);
        return;
    }
    m_nPages = 1;
    PageLayout& zoomed = m_aPageLayout[0];
    zoomed.sizeFitScale = m_aPageLayout[slot].sizeFitScale;
    zoomed.sizePage = m_aPageLayout[slot].sizePage;
    SetCurrentPage(m_nCurrentPage + slot, FALSE);
    SetScaledSize(0);
    // The clicked point of the sheet comes to the middle of the window, at
    // the scale it now shows at.
    const CSize& r = zoomed.sizeScale;
    point = CPoint(MulDiv(point.x, r.cx, r.cy) + zoomed.rcScreen.left,
                   MulDiv(point.y, r.cx, r.cy) + zoomed.rcScreen.top);
    CRect client;
    GetClientRect(&client);
    ScrollToPosition(CPoint(point.x - client.Width() / 2, point.y - client.Height() / 2));
    Invalidate();
}

UINT CPreView::FindPageRect(CPoint* point) const {
    const CPoint org = ViewportOrigin();
    const CPoint p(point->x - org.x, point->y - org.y);
    for (UINT i = 0; i < m_nPages && m_nCurrentPage + i <= LastPage(); ++i) {
        const PageLayout& l = m_aPageLayout[i];
        if (l.sizeScale.cx == 0 || !l.rcScreen.PtInRect(p)) continue;
        *point = CPoint(MulDiv(p.x - l.rcScreen.left, l.sizeScale.cy, l.sizeScale.cx),
                        MulDiv(p.y - l.rcScreen.top, l.sizeScale.cy, l.sizeScale.cx));
        return i;
    }
    return m_nMaxPages;
}

void CPreView::OnLButtonDown(UINT, CPoint point) {
    const UINT slot = FindPageRect(&point);
    if (slot < m_nMaxPages) SetZoomState((m_nZoomState + 1) % 3, slot, point);
}

bool CPreView::ShowsZoomCursor(CPoint point) const {
    return m_nZoomState != ZOOM_IN && FindPageRect(&point) < m_nMaxPages;
}

bool CPreView::PageBarWanted() const {
    const UINT first = FirstPage(), last = LastPage();
    return m_nZoomState == ZOOM_OUT && last < 0x8000 && last > first;
}

void CPreView::OnVScroll(UINT code, UINT thumb) {
    if (m_nZoomState != ZOOM_OUT) return;
    const UINT page = PageAfterScroll(code, thumb, m_nCurrentPage, FirstPage(), LastPage());
    if (code != SB_THUMBTRACK) SetCurrentPage(page, TRUE);
}

// --- Commands -----------------------------------------------------------------------

BOOL CPreView::OnCommand(UINT nID) {
    for (const CommandEntry& c : kCommands) {
        if (c.id != nID) continue;
        (this->*c.handler)();
        return TRUE;
    }
    return FALSE;
}

BOOL CPreView::OnUpdateCommand(CCmdUI* pCmdUI) {
    const UINT last = LastPage();
    const bool out = m_nZoomState == ZOOM_OUT;
    switch (pCmdUI->m_nID) {
    case ID_PREVIEW_NUMPAGE:
        pCmdUI->Enable(out && m_nMaxPages != 1 && (last > 1 || m_nPages > 1));
        return TRUE;
    case ID_PREVIEW_NEXT:
        pCmdUI->Enable(m_nCurrentPage + m_nPages - 1 < last);
        return TRUE;
    case ID_PREVIEW_PREV:
        pCmdUI->Enable(FirstPage() < m_nCurrentPage);
        return TRUE;
    case ID_PREVIEW_ZOOMIN:
        pCmdUI->Enable(m_nZoomState != ZOOM_IN);
        return TRUE;
    case ID_PREVIEW_ZOOMOUT:
        pCmdUI->Enable(m_nZoomState != ZOOM_OUT);
        return TRUE;
    case ID_PREVIEW_THREEPAGE:
        pCmdUI->Enable(out && (last >= 3 || m_nPages == 3));
        return TRUE;
    case ID_PREVIEW_TENPAGE:
        pCmdUI->Enable(out && (last >= 10 || m_nPages == 10));
        return TRUE;
    default:
        return FALSE;
    }
}

const char* CPreView::NumPageText() const {
    const UINT count = m_nZoomState == ZOOM_OUT ? m_nPages : m_nOverviewPages;
    return count == 1 ? "Two Page" : "One Page";
}

// --- Painting ------------------------------------------------------------------------

CPoint CPreView::ViewportOrigin() const {
    if (m_nZoomState == ZOOM_OUT) return CPoint();
    // A zoomed page smaller than the window stands in its middle.
    CRect client;
    GetClientRect(&client);
    const CSize total = GetTotalSize();
    const CPoint scroll = GetScrollPosition();
    return CPoint(total.cx < client.Width() ? (client.Width() - total.cx) / 2 : -scroll.x,
                  total.cy < client.Height() ? (client.Height() - total.cy) / 2 : -scroll.y);
}

void CPreView::OnPrepareDC(CDC* pDC, CPrintInfo*) {
    const CPoint org = ViewportOrigin();
    pDC->SetViewportOrg(org.x, org.y);
}

void CPreView::OnDraw(CDC* pDC) {
    CRect clip;
    pDC->GetClipBox(&clip);
    pDC->FillSolidRect(clip, kWorkspaceColour);
    if (!m_pPrintView || !m_pPages) return;
    const UINT last = LastPage();
    const UINT lastShown = std::min(last, m_nCurrentPage + m_nPages - 1);
    m_pPages->Keep(m_nCurrentPage, lastShown);
    m_pPages->Render(m_nCurrentPage, lastShown);
    for (UINT i = 0; i < m_nPages; ++i) {
        const UINT page = m_nCurrentPage + i;
        if (m_aPageLayout[i].sizeScale.cx == 0) PositionPage(i);
        const CRect& rc = m_aPageLayout[i].rcScreen;
        {
            const CDCSelect<CPen> frame(pDC, CPen(PS_SOLID, 2, kFrameColour));
            const CDCSelect<CBrush> hollow(pDC, CBrush::Null());
            pDC->Rectangle(rc);
        }
        {
            const CDCSelect<CPen> shadow(pDC, CPen(PS_SOLID, 3, kShadowColour));
            pDC->MoveTo(rc.right + 1, rc.top + 3);
            pDC->LineTo(rc.right + 1, rc.bottom + 1);
            pDC->MoveTo(rc.left + 3, rc.bottom + 1);
            pDC->LineTo(rc.right + 1, rc.bottom + 1);
        }
        pDC->FillSolidRect(CRect(rc.left + 1, rc.top + 1, rc.right - 2, rc.bottom - 2),
                           RGB(255, 255, 255));
        if (page > last) {
            if (i == 0 && m_nCurrentPage > 1) SetCurrentPage(m_nCurrentPage - 1, TRUE);
            break;
        }
        OnDisplayPageNumber(m_nCurrentPage, i + 1);
        DrawPage(pDC, i, page);
    }
}

void CPreView::DrawPage(CDC* pDC, UINT slot, UINT page) {
    const PageLayout& l = m_aPageLayout[slot];
    const CSize& r = l.sizeScale;
    auto toScreenX = [&](int dots) {
        return MulDiv(MulDiv(dots, m_sizeScreenPPI.cx, m_sizePrinterPPI.cx), r.cx, r.cy);
    };
    auto toScreenY = [&](int dots) {
        return MulDiv(MulDiv(dots, m_sizeScreenPPI.cy, m_sizePrinterPPI.cy), r.cx, r.cy);
    };
    const int left = l.rcScreen.left + 1 + toScreenX(m_paper.printOffset.x);
    const int top = l.rcScreen.top + 1 + toScreenY(m_paper.printOffset.y);
    const CRect target(left, top, left + toScreenX(m_paper.printable.cx),
                       top + toScreenY(m_paper.printable.cy));
    const QImage* image = m_pPages->Scaled(page, QSize(target.Width(), target.Height()));
    if (!image) return;
    // Only the inside of the outline shows the page.
    const CPoint org = pDC->GetViewportOrg();
    const CRect oldClip = pDC->GetClipRect();
    CRect inside(l.rcScreen.left + 1, l.rcScreen.top + 1, l.rcScreen.right - 2,
                 l.rcScreen.bottom - 2);
    inside.OffsetRect(org.x, org.y);
    pDC->SetClipRect(inside.Intersect(oldClip));
    pDC->DrawImage(target, *image);
    pDC->SetClipRect(oldClip);
}

void CPreView::OnDisplayPageNumber(UINT page, UINT count) {
    char text[80];
    if (count == 1)
        std::snprintf(text, sizeof text, kOnePageText, page);
    else
        std::snprintf(text, sizeof text, kPagesText, page, page + count - 1);
    m_strStatus = text;
    if (m_statusSink) m_statusSink(m_strStatus);
}
