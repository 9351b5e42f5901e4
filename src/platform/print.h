// Printing and the pages of the print preview: every page is drawn by the view
// through the raster CDC on an image at the printer's resolution (capped),
// and the image is handed to the printer, PDF included.
#pragma once

#include "platform/types.h"

#include <QImage>

#include <functional>

class CScrollView;
struct CPrintInfo;
class QPrinter;
class QWidget;

// Draws pages [from, to] through the view's printing hooks (OnBeginPrinting,
// OnPrepareDC and OnPrint per page, OnEndPrinting), each on a white image of
// `size` pixels, and hands every page to `sink`, which returns false to stop.
// The caller has run
// OnPreparePrinting. False when nothing could be drawn or the sink stopped.
bool DrawPrintPages(CScrollView* view, CPrintInfo* info, UINT from, UINT to, const QSize& size,
                    const std::function<bool(const QImage&)>& sink);

// Told before each sheet is drawn and once after the last: sheets done and
// sheets in all. Returns false to stop the print there (a cancel button).
using PrintProgress = std::function<bool(UINT done, UINT total)>;

// Runs the view's printing hooks for the pages of the print. With showDialog
// the print dialog picks the printer and the page range first. False when
// the user cancelled (also through `progress`) or the printer could not be
// opened.
bool PrintView(CScrollView* view, QPrinter* printer, bool showDialog, QWidget* parent,
               const PrintProgress& progress = {});
// Runs the view's OnPreparePrinting for pages drawn on images of `size`
// (the view counts the pages that size needs) and clamps the range.
bool PreparePrintInfo(CScrollView* view, CPrintInfo* info, const QSize& size);
// Keeps the page range the view reports within what a print draws.
void ClampPrintRange(CPrintInfo* info);
// The size of the page images of a print on `printer`.
QSize PrintImageSize(QPrinter* printer);
// The resolution pages are drawn at for a printer of `printerDpi` dots per
// inch: that resolution, but at most kMaxPrintDpi. The pages were made for
// screens: at about 150 dpi a sheet is as many pixels wide as a screen, so
// one-pixel lines and the figures' pixel offsets print as they show.
constexpr int kMaxPrintDpi = 150;
int PrintRenderDpi(int printerDpi);
