#include "preview/preview_frame.h"

#include "platform/print.h"
#include "platform/vector_state.h"
#include "preview/pre_view.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// Pages per screen of the last preview, for the next one.
UINT g_nPreviewPages = 1;

// The bar's controls, in dialog units (a quarter of the average character
// width across, an eighth of the character height down).
struct BarControl {
    UINT id; // 0: the label, IDC_PREVIEW_PAGE_NUMBER: the box
    const char* text;
    int x, y, cx, cy;
};
const BarControl kBar[] = {
    {ID_PREVIEW_PRINT, "Print", 0, 0, 43, 16},
    {ID_PREVIEW_NEXT, "Next Page", 44, 0, 43, 16},
    {ID_PREVIEW_PREV, "Prev Page", 88, 0, 43, 16},
    {ID_PREVIEW_NUMPAGE, "One Page", 132, 0, 43, 16},
    {ID_PREVIEW_THREEPAGE, "Three Page", 176, 0, 43, 16},
    {ID_PREVIEW_TENPAGE, "Ten page", 220, 0, 43, 16},
    {ID_PREVIEW_ZOOMIN, "Zoom In", 264, 0, 43, 16},
    {ID_PREVIEW_ZOOMOUT, "Zoom out", 308, 0, 43, 16},
    {ID_PREVIEW_CLOSE, "Close", 352, 0, 43, 16},
    {0, "Page Number:", 3, 22, 49, 8},
    {IDC_PREVIEW_PAGE_NUMBER, "", 53, 19, 40, 14},
    {ID_PREVIEW_FIND, "Find", 97, 19, 43, 16},
};
constexpr int kBarWidth = 398, kBarHeight = 36;

// A magnifier: a ring with a handle.
QCursor MakeZoomCursor() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    {
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Qt::white, 4));
        p.drawEllipse(QPointF(12, 12), 8, 8);
        p.drawLine(QPointF(18, 18), QPointF(28, 28));
        p.setPen(QPen(Qt::black, 2));
        p.drawEllipse(QPointF(12, 12), 8, 8);
        p.drawLine(QPointF(18, 18), QPointF(28, 28));
    }
    ClearUpperVectorState();
    return QCursor(pixmap, 12, 12);
}

} // namespace

// --- The pages ---------------------------------------------------------------------

CPreviewWidget::CPreviewWidget(std::unique_ptr<CPreView> view, QWidget* parent)
    : QAbstractScrollArea(parent), m_pView(std::move(view)), m_zoomCursor(MakeZoomCursor()) {
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setMouseTracking(true);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pView->SetScreenPPI(CSize(logicalDpiX(), logicalDpiY()));
    m_pView->SetHost(this);
    connect(verticalScrollBar(), &QAbstractSlider::actionTriggered, this,
            &CPreviewWidget::OnPageBarAction);
}

CPreviewWidget::~CPreviewWidget() {
    m_pView->SetHost(nullptr);
}

void CPreviewWidget::ScheduleRender() {
    if (m_bRenderQueued) return;
    m_bRenderQueued = true;
    QMetaObject::invokeMethod(
        this, [this] { RenderNow(); }, Qt::QueuedConnection);
}

void CPreviewWidget::RenderNow() {
    m_bRenderQueued = false;
    if (m_pView->InPass()) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_pView->RenderPending();
    QApplication::restoreOverrideCursor();
    viewport()->update();
    emit rendered();
}

void CPreviewWidget::RefreshScreen() {
    viewport()->update();
}

void CPreviewWidget::PresentAndWait(int) {
    viewport()->repaint();
}

void CPreviewWidget::ScrollSizesChanged() {
    UpdateScrollBars();
}

void CPreviewWidget::UpdateScrollBars() {
    if (m_bUpdatingBars) return;
    m_bUpdatingBars = true;
    CPreView* v = m_pView.get();
    const QSize area = maximumViewportSize();
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    QScrollBar* vbar = verticalScrollBar();
    QScrollBar* hbar = horizontalScrollBar();
    bool needH = false, needV = false;
    if (v->m_nZoomState == ZOOM_OUT) {
        // Zoomed out the bar goes through the pages, one a step.
        needV = v->PageBarWanted();
        vbar->setTracking(false);
        vbar->setRange(int(v->FirstPage()), int(v->LastPage()));
        vbar->setPageStep(1);
        vbar->setSingleStep(1);
        vbar->setValue(int(v->m_nCurrentPage));
    } else {
        const CSize total = v->GetTotalSize();
        needH = total.cx > area.width();
        needV = total.cy > area.height() || (needH && total.cy > area.height() - bar);
        needH = needH || (needV && total.cx > area.width() - bar);
        CRect client;
        v->GetClientRect(&client);
        const CPoint pos = v->GetScrollPosition();
        vbar->setTracking(true);
        hbar->setRange(0, std::max(0, total.cx - client.Width()));
        hbar->setPageStep(std::max(1, client.Width()));
        hbar->setSingleStep(std::max(1, client.Width() / 10));
        hbar->setValue(pos.x);
        vbar->setRange(0, std::max(0, total.cy - client.Height()));
        vbar->setPageStep(std::max(1, client.Height()));
        vbar->setSingleStep(std::max(1, client.Height() / 10));
        vbar->setValue(pos.y);
    }
    setHorizontalScrollBarPolicy(needH ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(needV ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    m_bUpdatingBars = false;
}

void CPreviewWidget::OnPageBarAction(int action) {
    CPreView* v = m_pView.get();
    if (m_bUpdatingBars || v->m_nZoomState != ZOOM_OUT) return;
    UINT code = SB_THUMBTRACK;
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub:
        code = SB_LINEUP;
        break;
    case QAbstractSlider::SliderSingleStepAdd:
        code = SB_LINEDOWN;
        break;
    case QAbstractSlider::SliderPageStepSub:
        code = SB_PAGEUP;
        break;
    case QAbstractSlider::SliderPageStepAdd:
        code = SB_PAGEDOWN;
        break;
    case QAbstractSlider::SliderToMinimum:
        code = SB_TOP;
        break;
    case QAbstractSlider::SliderToMaximum:
        code = SB_BOTTOM;
        break;
    default:
        return;
    }
    v->OnVScroll(code, 0);
    // The bar shows the page the move went to, not its own step.
    verticalScrollBar()->setSliderPosition(int(v->m_nCurrentPage));
}

void CPreviewWidget::scrollContentsBy(int, int) {
    if (m_bUpdatingBars) return;
    CPreView* v = m_pView.get();
    if (v->m_nZoomState == ZOOM_OUT) {
        const UINT page = UINT(std::max(0, verticalScrollBar()->value()));
        if (page != v->m_nCurrentPage) v->OnVScroll(SB_THUMBPOSITION, page);
        return;
    }
    v->ScrollToPosition(CPoint(horizontalScrollBar()->value(), verticalScrollBar()->value()));
}

void CPreviewWidget::paintEvent(QPaintEvent*) {
    const CUpperVectorStateScope cleanVectors;
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), Qt::gray);
    const QImage& image = m_pView->BackingImage();
    if (!image.isNull()) painter.drawImage(0, 0, image);
}

void CPreviewWidget::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    const QSize area = maximumViewportSize();
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    m_pView->OnSize(area.width(), area.height(), bar);
    const QSize size = viewport()->size();
    m_pView->ResizeClient(size.width(), size.height());
    UpdateScrollBars();
}

void CPreviewWidget::mousePressEvent(QMouseEvent* event) {
    if (m_pView->InPass() || event->button() != Qt::LeftButton) return;
    const QPoint p = event->position().toPoint();
    m_pView->OnLButtonDown(MK_LBUTTON, CPoint(p.x(), p.y()));
    UpdateScrollBars();
}

void CPreviewWidget::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    const bool zoom = !m_pView->InPass() && m_pView->ShowsZoomCursor(CPoint(p.x(), p.y()));
    viewport()->setCursor(zoom ? m_zoomCursor : QCursor(Qt::ArrowCursor));
}

// --- The window ------------------------------------------------------------------------

CPreviewFrame::CPreviewFrame(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("打印预览"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto* bar = new QWidget(this);
    const QFontMetrics fm(bar->font());
    const double ux = fm.averageCharWidth() / 4.0, uy = fm.height() / 8.0;
    auto px = [](double units, double scale) { return int(units * scale + 0.5); };
    bar->setFixedHeight(px(kBarHeight, uy) + 4);
    bar->setMinimumWidth(px(kBarWidth, ux) + 4);
    for (const BarControl& c : kBar) {
        QWidget* w = nullptr;
        if (c.id == 0) {
            w = new QLabel(QString::fromUtf8(c.text), bar);
        } else if (c.id == IDC_PREVIEW_PAGE_NUMBER) {
            m_pPageEdit = new QLineEdit(bar);
            connect(m_pPageEdit, &QLineEdit::returnPressed, this,
                    [this] { OnCommand(ID_PREVIEW_FIND); });
            w = m_pPageEdit;
        } else {
            auto* button = new QPushButton(QString::fromUtf8(c.text), bar);
            button->setAutoDefault(false);
            const UINT id = c.id;
            connect(button, &QPushButton::clicked, this, [this, id] { OnCommand(id); });
            m_buttons.emplace_back(id, button);
            w = button;
        }
        w->setGeometry(2 + px(c.x, ux), 2 + px(c.y, uy), px(c.cx, ux), px(c.cy, uy));
    }
    layout->addWidget(bar);

    m_pPages = new CPreviewWidget(std::make_unique<CPreView>(), this);
    layout->addWidget(m_pPages, 1);
    m_pStatus = new QLabel(this);
    m_pStatus->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(m_pStatus);
    View()->SetStatusSink(
        [this](const std::string& text) { m_pStatus->setText(QString::fromStdString(text)); });
    View()->SetPageCountStore(&g_nPreviewPages);
    connect(m_pPages, &CPreviewWidget::rendered, this, &CPreviewFrame::UpdateButtons);
    // The keyboard starts on Print, the bar's first button.
    m_buttons.front().second->setFocus();
}

CPreView* CPreviewFrame::View() const {
    return m_pPages->View();
}

bool CPreviewFrame::SetPrintView(CScrollView* view, QPrinter* printer) {
    CPreviewPaper paper;
    const int dpi = std::max(1, printer->resolution());
    const QRect sheet = printer->paperRect(QPrinter::DevicePixel).toRect();
    const QRect page = printer->pageRect(QPrinter::DevicePixel).toRect();
    paper.printerPPI = CSize(dpi, dpi);
    paper.paper = CSize(std::max(1, sheet.width()), std::max(1, sheet.height()));
    paper.printOffset = CPoint(page.left() - sheet.left(), page.top() - sheet.top());
    paper.printable = CSize(std::max(1, page.width()), std::max(1, page.height()));
    const QSize image = PrintImageSize(printer);
    if (!View()->SetPrintView(view, paper, CSize(image.width(), image.height()), g_nPreviewPages))
        return false;
    UpdateButtons();
    return true;
}

void CPreviewFrame::OnCommand(UINT id) {
    CPreView* v = View();
    if (v->InPass()) return;
    switch (id) {
    case ID_PREVIEW_PRINT:
        m_bPrint = true;
        accept();
        return;
    case ID_PREVIEW_CLOSE:
        reject();
        return;
    case ID_PREVIEW_FIND:
        v->OnFindPage(m_pPageEdit->text().toStdString());
        break;
    default:
        v->OnCommand(id);
        break;
    }
    UpdateButtons();
}

void CPreviewFrame::UpdateButtons() {
    CPreView* v = View();
    for (auto& [id, button] : m_buttons) {
        CCmdUI ui;
        ui.m_nID = id;
        if (v->OnUpdateCommand(&ui)) button->setEnabled(ui.m_bEnabled);
        if (id == ID_PREVIEW_NUMPAGE) button->setText(QString::fromUtf8(v->NumPageText()));
    }
}

bool RunPrintPreview(CScrollView* view, QPrinter* printer, QWidget* parent) {
    if (!view || !printer || view->InPass()) return false;
    CPreviewFrame frame(parent);
    if (!frame.SetPrintView(view, printer)) return false;
    // The preview takes the place of the main window while it is open.
    if (QWidget* top = parent ? parent->window() : nullptr)
        frame.setGeometry(top->geometry());
    else
        frame.resize(1000, 760);
    frame.exec();
    return frame.PrintRequested();
}
