// The arithmetic of the print preview: page boxes, scale ratios and zoom
// steps, paging and the go-to-page box, as plain functions on sizes.
#pragma once

#include "platform/types.h"

#include <string>

enum : UINT { ZOOM_OUT = 0, ZOOM_MIDDLE = 1, ZOOM_IN = 2 };

constexpr int kPreviewMargin = 8;       // around and between page boxes
constexpr UINT kPreviewColumns = 5;     // page columns at most
constexpr UINT kPreviewMaxPages = 10;   // page slots on one screen
constexpr UINT kOpenEndedPage = 0xFFFF; // a last page that means "not known"

// number * numerator / denominator rounded to the nearest, in 64 bits and
// saturated to int; 0 for a zero denominator.
int MulDiv(int number, int numerator, int denominator);

// The page box of a layout and the distances of the next column and row.
struct CPageDisplay {
    CSize box;
    int secondPageOffset = 0;
    int secondRowOffset = 0;
};
// `client` is the area as if no scroll bars were shown; `scrollBarWidth` is
// taken off when the vertical page bar is shown beside the pages.
CPageDisplay CalcPageDisplaySize(CSize client, UINT pages, int scrollBarWidth);
// The ratio (numerator in cx, denominator in cy) that fits `page` into
// `screen`.
CSize CalcScaleRatio(CSize screen, CSize page);
// The ratio of a zoom state, from the fitting ratio.
CSize ZoomScaleRatio(UINT zoomState, CSize fit);
// The outline of a page of `sizePage` at `ratio`, before it is placed.
CRect ScaledPageRect(CSize sizePage, CSize ratio);
// The outline moved into page slot `slot` of the zoomed-out layout.
CRect PlaceOverviewPage(const CRect& rc, const CPageDisplay& display, UINT slot);

// Scroll-bar codes of the vertical page bar.
enum : UINT {
    SB_LINEUP = 0,
    SB_LINEDOWN = 1,
    SB_PAGEUP = 2,
    SB_PAGEDOWN = 3,
    SB_THUMBPOSITION = 4,
    SB_THUMBTRACK = 5,
    SB_TOP = 6,
    SB_BOTTOM = 7,
};
// The page a move of the zoomed-out page bar goes to, within [first, last];
// `current` when the move does not change the page.
UINT PageAfterScroll(UINT code, UINT thumb, UINT current, UINT first, UINT last);

// The go-to-page text read as the C library reads a number (leading blanks,
// a sign, leading digits); true with *page when it names a page in
// [1, last].
bool ParsePageNumber(const std::string& text, UINT last, UINT* page);
