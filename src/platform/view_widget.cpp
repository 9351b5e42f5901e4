#include "platform/view_widget.h"

#include "platform/vector_state.h"

#include <QEventLoop>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>

namespace {

// Longest pause one animation step may ask for.
constexpr int kMaxWaitMs = 10000;
// Scroll steps when the view leaves them to us: a page is the window (a
// tenth of the total skipped rows of a long page and crept on a short
// one), a line a hundredth of the total.
constexpr int kMinLineStep = 1;

UINT MouseFlags(const QMouseEvent* event) {
    UINT flags = 0;
    const Qt::MouseButtons buttons = event->buttons();
    if (buttons & Qt::LeftButton) flags |= MK_LBUTTON;
    if (buttons & Qt::RightButton) flags |= MK_RBUTTON;
    const Qt::KeyboardModifiers mods = event->modifiers();
    if (mods & Qt::ShiftModifier) flags |= MK_SHIFT;
    if (mods & Qt::ControlModifier) flags |= MK_CONTROL;
    return flags;
}

CPoint ClientPoint(const QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    return CPoint(p.x(), p.y());
}

} // namespace

CViewWidget::CViewWidget(std::unique_ptr<CScrollView> view, QWidget* parent)
    : QAbstractScrollArea(parent), m_pView(std::move(view)) {
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setMouseTracking(true); // the view reads the mouse position
    viewport()->setCursor(Qt::ArrowCursor);
    setFrameShape(QFrame::NoFrame);
    m_pView->SetHost(this);
    UpdateScrollBars();
    // A page step, by key or on the bar, stops where the view says, so that
    // it leaves no figure cut by the window's edge.
    connect(verticalScrollBar(), &QAbstractSlider::actionTriggered, this, [this](int action) {
        if (action != QAbstractSlider::SliderPageStepAdd &&
            action != QAbstractSlider::SliderPageStepSub)
            return;
        // The view knows its figures from its last pass: with the key held,
        // steps come faster than the passes they queue, and a step taken on
        // the picture before the last one stopped anywhere, often where the
        // window cut every figure and showed none.
        if (m_pView->HasPendingPaint() && !m_pView->InPass()) RenderNow();
        QScrollBar* bar = verticalScrollBar();
        const int direction = action == QAbstractSlider::SliderPageStepAdd ? 1 : -1;
        const int top = m_pView->PageStepTop(bar->value(), direction);
        bar->setSliderPosition(std::clamp(top, bar->minimum(), bar->maximum()));
    });
}

CViewWidget::~CViewWidget() {
    if (m_bCaptured) viewport()->releaseMouse();
    m_pView->SetHost(nullptr);
}

QSize CViewWidget::sizeHint() const {
    return QSize(800, 600);
}

void CViewWidget::ScheduleRender() {
    if (m_bRenderQueued) return;
    m_bRenderQueued = true;
    // Queued on the event loop, so a pass never runs inside the caller (a
    // paint event, a mouse handler or another pass).
    QMetaObject::invokeMethod(
        this, [this] { RenderNow(); }, Qt::QueuedConnection);
}

void CViewWidget::RenderNow() {
    m_bRenderQueued = false;
    // During a pass (a dialog or an animation pause runs the event loop) the
    // running pass renders what was invalidated once it returns.
    if (m_pView->InPass()) return;
    m_pView->RenderPending();
    viewport()->update();
}

void CViewWidget::RefreshScreen() {
    viewport()->update();
}

void CViewWidget::ScrollSizesChanged() {
    UpdateScrollBars();
}

void CViewWidget::UpdateScrollBars() {
    m_bUpdatingBars = true;
    CRect client;
    m_pView->GetClientRect(&client);
    const CSize total = m_pView->GetTotalSize();
    const CSize page = m_pView->GetPageSize();
    const CSize line = m_pView->GetLineSize();
    const CPoint pos = m_pView->GetScrollPosition();
    struct Axis {
        QScrollBar* bar;
        int total, client, page, line, pos;
    };
    const Axis axes[] = {
        {horizontalScrollBar(), total.cx, client.Width(), page.cx, line.cx, pos.x},
        {verticalScrollBar(), total.cy, client.Height(), page.cy, line.cy, pos.y},
    };
    for (const Axis& a : axes) {
        const int pageStep = a.page > 0 ? a.page : std::max(a.client, kMinLineStep);
        const int lineStep = a.line > 0 ? a.line : std::max(a.total / 100, kMinLineStep);
        a.bar->setRange(0, std::max(0, a.total - a.client));
        a.bar->setPageStep(std::max(pageStep, kMinLineStep));
        a.bar->setSingleStep(lineStep);
        a.bar->setValue(a.pos);
    }
    m_bUpdatingBars = false;
}

void CViewWidget::scrollContentsBy(int, int) {
    if (m_bUpdatingBars) return;
    m_pView->ScrollToPosition(CPoint(horizontalScrollBar()->value(), verticalScrollBar()->value()));
}

void CViewWidget::paintEvent(QPaintEvent*) {
    // Only the image is shown here; passes run from the event loop.
    const CUpperVectorStateScope cleanVectors; // after the painter has finished
    QPainter painter(viewport());
    const QImage& image = m_pView->BackingImage();
    painter.fillRect(viewport()->rect(), Qt::black);
    if (!image.isNull()) painter.drawImage(0, 0, image);
}

void CViewWidget::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    const QSize size = viewport()->size();
    m_pView->ResizeClient(size.width(), size.height());
    UpdateScrollBars();
}

void CViewWidget::mousePressEvent(QMouseEvent* event) {
    if (m_pView->InPass()) return;
    if (event->button() == Qt::LeftButton)
        m_pView->OnLButtonDown(MouseFlags(event), ClientPoint(event));
    else if (event->button() == Qt::RightButton)
        m_pView->OnRButtonDown(MouseFlags(event), ClientPoint(event));
}

void CViewWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (m_pView->InPass()) return;
    if (event->button() == Qt::LeftButton)
        m_pView->OnLButtonUp(MouseFlags(event), ClientPoint(event));
}

void CViewWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a quick pair arrives as a double click only. A
    // page gives double clicks no meaning of their own, so it is one more
    // press: two quick clicks on a button step it twice.
    mousePressEvent(event);
}

void CViewWidget::mouseMoveEvent(QMouseEvent* event) {
    if (m_pView->InPass()) return;
    m_pView->OnMouseMove(MouseFlags(event), ClientPoint(event));
}

void CViewWidget::keyPressEvent(QKeyEvent* event) {
    // Home and End go to the page's top and its end, as in a reader; the
    // scroll area itself leaves them to a focused scroll bar.
    const int key = event->key();
    if (key == Qt::Key_Home || key == Qt::Key_End) {
        verticalScrollBar()->triggerAction(key == Qt::Key_Home ? QAbstractSlider::SliderToMinimum
                                                               : QAbstractSlider::SliderToMaximum);
        event->accept();
        return;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

void CViewWidget::hideEvent(QHideEvent* event) {
    SetMouseCapture(false); // a hidden window must not keep the mouse
    QAbstractScrollArea::hideEvent(event);
}

void CViewWidget::SetMouseCapture(bool on) {
    if (on == m_bCaptured) return;
    if (on && !viewport()->isVisible()) return;
    m_bCaptured = on;
    // The view captures on a left press and shows the cross while the button
    // is down; the window's arrow comes back with the release.
    if (on) {
        viewport()->grabMouse(Qt::CrossCursor);
    } else {
        viewport()->releaseMouse();
    }
}

void CViewWidget::SetTitle(const std::string& utf8) {
    if (m_titleHandler) m_titleHandler(QString::fromStdString(utf8));
}

void CViewWidget::PresentAndWait(int ms) {
    viewport()->repaint(); // shows the image as the pass has drawn it so far
    ms = std::clamp(ms, 0, kMaxWaitMs);
    if (ms == 0) return;
    // Timers, paints and the window system go on; input waits until the
    // pass ends, and a render request meets the in-pass guard.
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}
