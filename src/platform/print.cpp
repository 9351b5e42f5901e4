#include "platform/print.h"

#include "platform/dc.h"
#include "platform/scroll_view.h"
#include "platform/vector_state.h"

#include <QImage>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

// A print never runs for ever, whatever page count the view reports.
constexpr UINT kMaxPrintPages = 999;

// Marks the view as inside a pass for the lifetime of the object.
class CPrintPassScope {
public:
    explicit CPrintPassScope(CScrollView* view) : m_pView(view) { m_pView->SetInPass(true); }
    ~CPrintPassScope() { m_pView->SetInPass(false); }
    CPrintPassScope(const CPrintPassScope&) = delete;
    CPrintPassScope& operator=(const CPrintPassScope&) = delete;

private:
    CScrollView* m_pView;
};

// Runs the printing hooks for pages [from, to] and hands each page image to
// `printer`. The caller has run OnPreparePrinting.
bool PrintPages(CScrollView* view, QPrinter* printer, CPrintInfo* info, UINT from, UINT to,
                const PrintProgress& progress) {
    const UINT total = to - from + 1;
    if (progress && !progress(0, total)) return false;
    QPainter painter;
    if (!painter.begin(printer)) return false;
    // Scaled smoothly, a one-pixel line stays visible in a reduced preview.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF target(QPointF(0, 0), printer->pageRect(QPrinter::DevicePixel).size());
    const QSize size = PrintImageSize(printer);
    bool first = true;
    const bool drawn = DrawPrintPages(view, info, from, to, size, [&](const QImage& page) {
        if (!first) printer->newPage();
        first = false;
        painter.drawImage(target, page);
        return !progress || progress(info->m_nCurPage - from + 1, total);
    });
    return painter.end() && drawn;
}

} // namespace

bool PreparePrintInfo(CScrollView* view, CPrintInfo* info, const QSize& size) {
    info->m_rectDraw = CRect(0, 0, size.width(), size.height());
    if (!view->OnPreparePrinting(info)) return false;
    ClampPrintRange(info);
    return true;
}

void ClampPrintRange(CPrintInfo* info) {
    info->m_nMinPage = std::max(1u, info->m_nMinPage);
    info->m_nMaxPage =
        std::clamp(info->m_nMaxPage, info->m_nMinPage, info->m_nMinPage + kMaxPrintPages - 1);
}

QSize PrintImageSize(QPrinter* printer) {
    const QSizeF page = printer->pageRect(QPrinter::DevicePixel).size();
    const int printerDpi = std::max(1, printer->resolution());
    const double scale = double(PrintRenderDpi(printerDpi)) / printerDpi;
    return QSize(std::max(1, int(std::lround(page.width() * scale))),
                 std::max(1, int(std::lround(page.height() * scale))));
}

bool DrawPrintPages(CScrollView* view, CPrintInfo* info, UINT from, UINT to, const QSize& size,
                    const std::function<bool(const QImage&)>& sink) {
    if (!view || !info || size.isEmpty()) return false;
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull()) return false; // out of memory

    CPrintPassScope pass(view);
    image.fill(Qt::white);
    ClearUpperVectorState();
    {
        CDC dc(&image);
        dc.SetPrinting(TRUE);
        view->OnBeginPrinting(&dc, info);
    }
    bool complete = true;
    for (UINT page = from; page <= to; ++page) {
        image.fill(Qt::white);
        ClearUpperVectorState();
        {
            CDC dc(&image);
            dc.SetPrinting(TRUE);
            info->m_nCurPage = page;
            info->m_rectDraw = CRect(0, 0, size.width(), size.height());
            view->OnPrepareDC(&dc, info);
            view->OnPrint(&dc, info);
        }
        if (!sink(image)) {
            complete = false;
            break;
        }
    }
    {
        CDC dc(&image);
        dc.SetPrinting(TRUE);
        view->OnEndPrinting(&dc, info);
    }
    return complete;
}

int PrintRenderDpi(int printerDpi) {
    return std::clamp(printerDpi, 1, kMaxPrintDpi);
}

bool PrintView(CScrollView* view, QPrinter* printer, bool showDialog, QWidget* parent,
               const PrintProgress& progress) {
    if (!view || !printer || view->InPass()) return false;
    CPrintInfo info;
    QSize size = PrintImageSize(printer);
    if (!PreparePrintInfo(view, &info, size)) return false;
    UINT from = info.m_nMinPage, to = info.m_nMaxPage;
    if (showDialog) {
        QPrintDialog dialog(printer, parent);
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
        dialog.setMinMax(int(info.m_nMinPage), int(info.m_nMaxPage));
        if (dialog.exec() != QDialog::Accepted) return false;
        // Another paper holds another number of pages.
        if (PrintImageSize(printer) != size) {
            size = PrintImageSize(printer);
            if (!PreparePrintInfo(view, &info, size)) return false;
            from = info.m_nMinPage, to = info.m_nMaxPage;
        }
        if (printer->printRange() == QPrinter::PageRange && printer->fromPage() > 0) {
            from = std::clamp(UINT(printer->fromPage()), info.m_nMinPage, info.m_nMaxPage);
            to = std::clamp(UINT(std::max(printer->toPage(), printer->fromPage())), from,
                            info.m_nMaxPage);
        }
    }
    return PrintPages(view, printer, &info, from, to, progress);
}
