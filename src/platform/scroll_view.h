// The scrolling view base: owns the window's backing image and runs the
// paint passes of the view as the program asks for them.
//
// Paint policy: OnDraw runs only after Invalidate/InvalidateRect/UpdateWindow,
// a resize or a scroll. Invalidations are collected into one rectangle and
// rendered from the event loop (never inside a Qt paint event, never
// re-entrantly); the window is then refreshed from the image. What a pass
// does not repaint keeps what the last pass drew there.
#pragma once

#include "platform/dc.h"

#include <chrono>
#include <memory>

class QImage;

constexpr int MM_TEXT = 1;
extern const CSize sizeDefault;

// Left/right mouse flags passed to the mouse handlers.
constexpr UINT MK_LBUTTON = 0x0001;
constexpr UINT MK_RBUTTON = 0x0002;
constexpr UINT MK_SHIFT = 0x0004;
constexpr UINT MK_CONTROL = 0x0008;

// What a page is printed on and which page is being printed.
struct CPrintInfo {
    UINT m_nCurPage = 1;
    UINT m_nMinPage = 1;
    UINT m_nMaxPage = 1;
    BOOL m_bPreview = FALSE;
    CRect m_rectDraw;
    void SetMaxPage(UINT n) { m_nMaxPage = n; }
    UINT GetMaxPage() const { return m_nMaxPage; }
    void SetMinPage(UINT n) { m_nMinPage = n; }
    UINT GetMinPage() const { return m_nMinPage; }
};

// The window side of a view: a Qt widget in the program, nothing in tests.
class CViewHost {
public:
    virtual ~CViewHost() = default;
    virtual void ScheduleRender() = 0;       // run pending passes soon
    virtual void ScrollSizesChanged() = 0;   // total size or position changed
    virtual void PresentAndWait(int ms) = 0; // show the image now, then wait
    virtual void SetMouseCapture(bool on) = 0;
    virtual void SetTitle(const std::string& utf8) = 0;
    virtual void RefreshScreen() {} // copy the image to the screen soon
};

// The state a menu item or toolbar button shows for a command.
struct CCmdUI {
    UINT m_nID = 0;
    BOOL m_bEnabled = TRUE;
    int m_nCheck = 0; // 0 unchecked, 1 checked
    void Enable(BOOL on = TRUE) { m_bEnabled = on; }
    void SetCheck(int check = 1) { m_nCheck = check; }
};

class CScrollView {
public:
    CScrollView();
    virtual ~CScrollView();
    CScrollView(const CScrollView&) = delete;
    CScrollView& operator=(const CScrollView&) = delete;

    // --- Overridables -----------------------------------------------------
    virtual void OnDraw(CDC* pDC) = 0;
    // Sets the viewport origin to the scroll position (screen only).
    virtual void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr);
    virtual void OnInitialUpdate() {}
    virtual void OnLButtonDown(UINT, CPoint) {}
    virtual void OnLButtonUp(UINT, CPoint) {}
    virtual void OnRButtonDown(UINT, CPoint) {}
    virtual void OnMouseMove(UINT, CPoint) {}
    virtual BOOL OnPreparePrinting(CPrintInfo* pInfo) { return DoPreparePrinting(pInfo); }
    virtual void OnBeginPrinting(CDC*, CPrintInfo*) {}
    virtual void OnPrint(CDC* pDC, CPrintInfo*) { OnDraw(pDC); }
    virtual void OnEndPrinting(CDC*, CPrintInfo*) {}
    // Menu and toolbar commands routed by id from the frame; FALSE when the
    // view does not handle the id.
    virtual BOOL OnCommand(UINT /*nID*/) { return FALSE; }
    // Fills in the state of a command; FALSE when the view does not handle
    // it (the frame then shows it disabled).
    virtual BOOL OnUpdateCommand(CCmdUI* /*pCmdUI*/) { return FALSE; }
    // Runs after the screen passes of a render, outside them: the place for
    // what a pass asked for but must not do itself (a modal dialog).
    virtual void OnPassEnded() {}

    // --- Services for the view ------------------------------------------------
    void Invalidate(BOOL bErase = TRUE);
    void InvalidateRect(const CRect* clientRect, BOOL bErase = TRUE);
    void UpdateWindow(); // renders pending passes now (unless inside a pass)
    // Forgets what was invalidated so far in the running pass: the pass
    // draws its whole area again itself.
    void DropInvalidations() { m_rcDirty = CRect(); }
    // Asked by a pass that stopped at its time budget: one more pass over
    // the client rectangle picks up where it stopped, from the next turn of
    // the event loop, so input is answered in between. Anything invalidated
    // before it runs makes it an ordinary pass again.
    void RequestContinuation(const CRect& clientRect);
    // The running pass continues one that stopped at its budget: what that
    // one drew is still on the image.
    bool IsContinuationPass() const { return m_bContinuationPass; }
    // The processor time at which the running RenderPending call began: the
    // passes of one call share one budget.
    std::chrono::nanoseconds RenderCallStart() const { return m_tRenderCallStart; }
    void SetScrollSizes(int mapMode, CSize total, const CSize& page = sizeDefault,
                        const CSize& line = sizeDefault);
    CSize GetTotalSize() const { return m_sizeTotal; }
    CSize GetPageSize() const { return m_sizePage; } // scroll steps, 0: default
    CSize GetLineSize() const { return m_sizeLine; }
    CPoint GetScrollPosition() const { return m_ptScroll; }
    // Where a vertical page step from the top `from` goes (direction +1
    // down, -1 up): a whole window, unless the view knows better.
    virtual int PageStepTop(int from, int direction) const {
        return direction < 0 ? from - m_sizeClient.cy : from + m_sizeClient.cy;
    }
    void ScrollToPosition(CPoint pt);
    void GetClientRect(CRect* rect) const;
    void SetCapture();
    void ReleaseCapture();
    // Shows the backing image on screen and waits (animations inside a pass).
    void ShowAndWait(int ms);
    // What the pass still holds back is drawn before a frame shows.
    virtual void BeforeShow() {}
    // The print dialog is shown by the print driver before the hooks run.
    BOOL DoPreparePrinting(CPrintInfo*) { return TRUE; }

    // --- Used by the window host and by headless tools ------------------------
    void SetHost(CViewHost* host) { m_pHost = host; }
    CViewHost* GetHost() const { return m_pHost; }
    // Resizes the client area and its image; the whole area is invalidated.
    void ResizeClient(int cx, int cy);
    // Runs the passes collected so far; returns how many ran.
    int RenderPending();
    // A pass that stopped at its budget left the rest of its area.
    bool HasContinuation() const { return !m_rcContinue.IsRectEmpty(); }
    bool HasPendingPaint() const { return !m_rcDirty.IsRectEmpty() || !m_rcContinue.IsRectEmpty(); }
    bool InPass() const { return m_bInPass; }
    // Marks a pass that runs outside RenderPending (printing), so no screen
    // pass starts inside it from a dialog's event loop.
    void SetInPass(bool inPass) { m_bInPass = inPass; }
    const QImage& BackingImage() const;
    QImage& BackingImageRef();

private:
    std::unique_ptr<QImage> m_pImage;
    CViewHost* m_pHost = nullptr;
    CSize m_sizeClient;
    CSize m_sizeTotal;
    CSize m_sizePage;
    CSize m_sizeLine;
    CSize m_sizePendingResize; // a resize that arrived during a pass
    bool m_bResizePending = false;
    CPoint m_ptScroll;
    CRect m_rcDirty;    // client coordinates
    CRect m_rcContinue; // a stopped pass's rest, client coordinates
    bool m_bContinuationPass = false;
    std::chrono::nanoseconds m_tRenderCallStart{0};
    bool m_bInPass = false;
};

// A device context on the view's backing image without the paint clip, in
// client coordinates; the window is refreshed from the image afterwards.
class CClientDC : public CDC {
public:
    explicit CClientDC(CScrollView* view);
    ~CClientDC() override;

private:
    CScrollView* m_pView;
};
