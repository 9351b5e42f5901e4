#include "platform/scroll_view.h"

#include "platform/system.h"
#include "platform/vector_state.h"

#include <QImage>
#include <QPainter>

#include <algorithm>

// MFC's value: 0 means "derive from the total size".
const CSize sizeDefault(0, 0);

namespace {

// Passes one RenderPending call may run. A page that invalidates itself in
// every pass would otherwise keep the program in one call for ever; the rest
// is scheduled for the next turn of the event loop.
constexpr int kMaxPassesPerCall = 4;
// Processor time after which one call runs no further pass: the next turn of
// the event loop runs it, after the input that waited.
constexpr std::chrono::milliseconds kCallTimeShare(250);
// Largest client area we keep an image for (bounds memory on odd resizes).
constexpr int kMaxClientExtent = 16384;

// Sets a flag for the lifetime of the object, also on an early return.
class CPassScope {
public:
    explicit CPassScope(bool* flag) : m_pFlag(flag) { *m_pFlag = true; }
    ~CPassScope() { *m_pFlag = false; }
    CPassScope(const CPassScope&) = delete;
    CPassScope& operator=(const CPassScope&) = delete;

private:
    bool* m_pFlag;
};

int ClampInt(int v, int lo, int hi) {
    return v < lo ? lo : (v > hi ? hi : v);
}

} // namespace

CScrollView::CScrollView() : m_pImage(std::make_unique<QImage>()) {}

CScrollView::~CScrollView() = default;

void CScrollView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo) {
    // On screen the page moves under the window; a printed page starts at 0.
    if (pInfo == nullptr && !pDC->IsPrinting()) pDC->SetViewportOrg(-m_ptScroll.x, -m_ptScroll.y);
}

void CScrollView::Invalidate(BOOL bErase) {
    InvalidateRect(nullptr, bErase);
}

void CScrollView::InvalidateRect(const CRect* clientRect, BOOL) {
    CRect client;
    GetClientRect(&client);
    const CRect r = clientRect ? clientRect->Intersect(client) : client;
    if (r.IsRectEmpty()) return;
    m_rcDirty = m_rcDirty.Union(r);
    if (m_pHost) m_pHost->ScheduleRender();
}

void CScrollView::UpdateWindow() {
    if (!m_bInPass) RenderPending();
}

void CScrollView::RequestContinuation(const CRect& clientRect) {
    CRect client;
    GetClientRect(&client);
    m_rcContinue = clientRect.Intersect(client);
    if (m_pHost && !m_rcContinue.IsRectEmpty()) m_pHost->ScheduleRender();
}

int CScrollView::RenderPending() {
    if (m_bInPass) return 0; // the running pass picks the new area up itself
    int passes = 0;
    m_tRenderCallStart = ThreadCpuTime();
    while (HasPendingPaint() && passes < kMaxPassesPerCall) {
        // Only a window has an event loop to come back from.
        if (m_pHost && passes > 0 && ThreadCpuTime() - m_tRenderCallStart > kCallTimeShare) break;
        CRect client;
        GetClientRect(&client);
        // A continuation runs only as the first pass of a call, and only
        // when nothing was invalidated since: a new invalidation repaints
        // its area from the start of the page.
        const bool continuation = m_rcDirty.IsRectEmpty();
        if (continuation && passes > 0) break;
        const CRect clip =
            (continuation ? m_rcContinue : m_rcDirty.Union(m_rcContinue)).Intersect(client);
        m_rcDirty = m_rcContinue = CRect(); // what the pass invalidates is collected anew
        if (clip.IsRectEmpty()) break;
        {
            m_bContinuationPass = continuation;
            // Qt's own painting since the last pass may have left the
            // vector state dirty; the pass is where the arithmetic is.
            ClearUpperVectorState();
            CPassScope scope(&m_bInPass);
            CDC dc(m_pImage.get());
            dc.SetClipRect(clip);
            OnPrepareDC(&dc, nullptr);
            OnDraw(&dc);
            m_bContinuationPass = false;
        }
        ++passes;
        // A resize that arrived during the pass (from a dialog's event loop)
        // could not replace the image under the pass; apply it now.
        if (m_bResizePending) {
            m_bResizePending = false;
            ResizeClient(m_sizePendingResize.cx, m_sizePendingResize.cy);
        }
    }
    if (m_pHost) {
        if (HasPendingPaint()) m_pHost->ScheduleRender();
        if (passes > 0) m_pHost->RefreshScreen();
    }
    if (passes > 0) OnPassEnded();
    return passes;
}

void CScrollView::SetScrollSizes(int, CSize total, const CSize& page, const CSize& line) {
    m_sizeTotal = CSize(std::max(0, total.cx), std::max(0, total.cy));
    m_sizePage = CSize(std::max(0, page.cx), std::max(0, page.cy));
    m_sizeLine = CSize(std::max(0, line.cx), std::max(0, line.cy));
    const CPoint old = m_ptScroll;
    ScrollToPosition(m_ptScroll); // clamps to the new total
    if (m_pHost && m_ptScroll == old) m_pHost->ScrollSizesChanged();
}

void CScrollView::ScrollToPosition(CPoint pt) {
    const int maxX = std::max(0, m_sizeTotal.cx - m_sizeClient.cx);
    const int maxY = std::max(0, m_sizeTotal.cy - m_sizeClient.cy);
    const CPoint clamped(ClampInt(pt.x, 0, maxX), ClampInt(pt.y, 0, maxY));
    if (clamped == m_ptScroll) return;
    m_ptScroll = clamped;
    // The whole client shows another part of the page: one full pass.
    Invalidate();
    if (m_pHost) m_pHost->ScrollSizesChanged();
}

void CScrollView::GetClientRect(CRect* rect) const {
    *rect = CRect(0, 0, m_sizeClient.cx, m_sizeClient.cy);
}

void CScrollView::SetCapture() {
    if (m_pHost) m_pHost->SetMouseCapture(true);
}

void CScrollView::ReleaseCapture() {
    if (m_pHost) m_pHost->SetMouseCapture(false);
}

void CScrollView::ShowAndWait(int ms) {
    BeforeShow();
    if (m_pHost) m_pHost->PresentAndWait(ms);
    ClearUpperVectorState(); // the screen was painted by Qt; the pass goes on
}

void CScrollView::ResizeClient(int cx, int cy) {
    cx = ClampInt(cx, 0, kMaxClientExtent);
    cy = ClampInt(cy, 0, kMaxClientExtent);
    if (m_bInPass) {
        // The running pass draws on the current image; replace it afterwards.
        m_sizePendingResize = CSize(cx, cy);
        m_bResizePending = true;
        return;
    }
    if (CSize(cx, cy) != m_sizeClient) {
        const CUpperVectorStateScope cleanVectors; // QImage::fill is Qt's AVX2 fill
        auto image = std::make_unique<QImage>();
        if (cx > 0 && cy > 0) {
            *image = QImage(cx, cy, QImage::Format_RGB32);
            image->fill(Qt::black);
            if (!m_pImage->isNull()) {
                QPainter painter(image.get());
                painter.setCompositionMode(QPainter::CompositionMode_Source);
                painter.drawImage(0, 0, *m_pImage);
            }
        }
        m_pImage = std::move(image);
        m_sizeClient = CSize(cx, cy);
        m_rcDirty = m_rcDirty.Intersect(CRect(0, 0, cx, cy));
        m_rcContinue = m_rcContinue.Intersect(CRect(0, 0, cx, cy));
    }
    // The largest scroll position depends on the client size.
    const CPoint old = m_ptScroll;
    ScrollToPosition(m_ptScroll);
    if (m_pHost && m_ptScroll == old) m_pHost->ScrollSizesChanged();
    Invalidate();
}

const QImage& CScrollView::BackingImage() const {
    return *m_pImage;
}

QImage& CScrollView::BackingImageRef() {
    return *m_pImage;
}

CClientDC::CClientDC(CScrollView* view) : CDC(&view->BackingImageRef()), m_pView(view) {}

CClientDC::~CClientDC() {
    if (CViewHost* host = m_pView->GetHost()) host->RefreshScreen();
}
