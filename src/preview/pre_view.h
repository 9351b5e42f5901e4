// The program's print preview: the printed pages of a view, one, two, three
// or ten to a screen, in three zoom states, with paging and a go-to-page
// box. The pages are the printer's page images, drawn through the view's
// printing hooks, so the preview shows exactly what prints.
#pragma once

#include "platform/scroll_view.h"
#include "preview/preview_layout.h"

#include <functional>
#include <memory>
#include <string>

class CPreviewPages;

// Command ids of the preview's bar.
constexpr UINT ID_PREVIEW_CLOSE = 58112;
constexpr UINT ID_PREVIEW_NUMPAGE = 58113;
constexpr UINT ID_PREVIEW_NEXT = 58114;
constexpr UINT ID_PREVIEW_PREV = 58115;
constexpr UINT ID_PREVIEW_PRINT = 58116;
constexpr UINT ID_PREVIEW_ZOOMIN = 58117;
constexpr UINT ID_PREVIEW_ZOOMOUT = 58118;
constexpr UINT ID_PREVIEW_TENPAGE = 58119;
constexpr UINT ID_PREVIEW_FIND = 58120;
constexpr UINT ID_PREVIEW_THREEPAGE = 1005;
constexpr UINT IDC_PREVIEW_PAGE_NUMBER = 1002;

// The sheet the pages print on, in printer dots.
struct CPreviewPaper {
    CSize printerPPI{600, 600};
    CSize paper{4960, 7016}; // the whole sheet
    CPoint printOffset;      // top-left of the printable area on the sheet
    CSize printable{4960, 7016};
};

class CPreView : public CScrollView {
public:
    struct PageLayout {
        CRect rcScreen;     // page outline on the screen, pixels
        CSize sizePage;     // the sheet in screen pixels
        CSize sizeScale;    // current ratio; cx 0: lay the slot out again
        CSize sizeFitScale; // the ratio that fits the sheet into its box
    };

    CPreView();
    ~CPreView() override;

    // Starts the preview of `view`'s print on `paper`, with page images of
    // `imageSize` pixels, `pagesPerScreen` pages (0 as 1) shown first.
    // False when the view's print could not be prepared.
    BOOL SetPrintView(CScrollView* view, const CPreviewPaper& paper, const CSize& imageSize,
                      UINT pagesPerScreen);

    // The area as if no scroll bars were shown, and the width of a vertical
    // bar; the host tells both before the client is resized.
    void OnSize(int cx, int cy, int scrollBarWidth);
    void SetScreenPPI(CSize ppi) { m_sizeScreenPPI = ppi; }

    // --- Commands ---------------------------------------------------------
    BOOL OnCommand(UINT nID) override;
    BOOL OnUpdateCommand(CCmdUI* pCmdUI) override;
    // The text of the button that switches between one and two pages.
    const char* NumPageText() const;
    void OnNumPageChange();
    void OnNextPage() { SetCurrentPage(m_nCurrentPage + 1, TRUE); }
    void OnPrevPage() { SetCurrentPage(m_nCurrentPage - 1, TRUE); }
    void OnThreePage() { SetPageCount(3); }
    void OnTenPage() { SetPageCount(10); }
    void OnZoomIn();
    void OnZoomOut();
    // The go-to-page box: the page named by `text`, one page per screen.
    void OnFindPage(const std::string& text);

    // --- Mouse and scrolling ------------------------------------------------
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    // Whether the magnifier shows at `point`.
    bool ShowsZoomCursor(CPoint point) const;
    // The zoomed-out page bar: shown, its range and position.
    bool PageBarWanted() const;
    void OnVScroll(UINT code, UINT thumb);

    // --- Painting -----------------------------------------------------------
    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr) override;
    void OnDraw(CDC* pDC) override;

    void SetCurrentPage(UINT page, BOOL clear);
    void SetZoomState(UINT state, UINT slot, CPoint point);
    // Where the status text goes (UTF-8).
    void SetStatusSink(std::function<void(const std::string&)> sink) {
        m_statusSink = std::move(sink);
    }
    // Where the remembered page count of later previews is kept.
    void SetPageCountStore(UINT* store) { m_pAppPreviewPages = store; }

    UINT FirstPage() const;
    UINT LastPage() const;

    CScrollView* m_pPrintView = nullptr;
    PageLayout m_aPageLayout[kPreviewMaxPages];
    UINT m_nOverviewPages = 1;
    UINT m_nZoomState = ZOOM_OUT;
    const UINT m_nMaxPages = kPreviewMaxPages;
    UINT m_nCurrentPage = 1;
    UINT m_nPages = 1;
    int m_nSecondPageOffset = 0;
    int m_nSecondRowOffset = 0;
    CSize m_sizePrinterPPI;
    std::unique_ptr<CPrintInfo> m_pPreviewPrintInfo;
    std::string m_strStatus; // the status text last written

protected:
    virtual CSize CalcScaleRatio(CSize screenSize, CSize actualSize);
    virtual void PositionPage(UINT slot);
    virtual void OnDisplayPageNumber(UINT page, UINT count);

private:
    CSize CalcPageDisplaySize();
    void SetScaledSize(UINT slot);
    void DoZoom(UINT slot, CPoint point);
    void SetPageCount(UINT pages);
    UINT FindPageRect(CPoint* point) const;
    CPoint ViewportOrigin() const;
    void DrawPage(CDC* pDC, UINT slot, UINT page);

    CPreviewPaper m_paper;
    CSize m_sizeScreenPPI{96, 96};
    CSize m_sizeArea; // client as if no scroll bars were shown
    int m_nScrollBarWidth = 0;
    std::unique_ptr<CPreviewPages> m_pPages;
    std::function<void(const std::string&)> m_statusSink;
    UINT* m_pAppPreviewPages = nullptr;
};
