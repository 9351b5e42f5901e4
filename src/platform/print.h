// Printing and the interim print preview: every page is drawn by the view
// through the raster CDC on an image at the printer's resolution (capped),
// and the image is handed to the printer, PDF included.
#pragma once

class CScrollView;
class QPrinter;
class QWidget;

// Runs the view's printing hooks for the pages of the print. With showDialog
// the print dialog picks the printer and the page range first. False when
// the user cancelled or the printer could not be opened.
bool PrintView(CScrollView* view, QPrinter* printer, bool showDialog, QWidget* parent);
// Shows the pages as they will print in Qt's preview dialog (modal), on
// `printer`'s settings when given.
void PrintPreviewDialog(CScrollView* view, QWidget* parent, QPrinter* printer = nullptr);
// The resolution pages are drawn at for a printer of `printerDpi` dots per
// inch: that resolution, but at most kMaxPrintDpi.
constexpr int kMaxPrintDpi = 300;
int PrintRenderDpi(int printerDpi);
