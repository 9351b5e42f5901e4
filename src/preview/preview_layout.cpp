#include "preview/preview_layout.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>

int MulDiv(int number, int numerator, int denominator) {
    if (denominator == 0) return 0;
    long long p = (long long)number * numerator;
    long long d = denominator;
    if (d < 0) p = -p, d = -d;
    const long long q = p >= 0 ? (p + d / 2) / d : -((-p + d / 2) / d);
    return int(std::clamp<long long>(q, INT_MIN, INT_MAX));
}

CPageDisplay CalcPageDisplaySize(CSize client, UINT pages, int scrollBarWidth) {
    pages = std::clamp(pages, 1u, kPreviewMaxPages);
    const long long w = (long long)client.cx - std::max(0, scrollBarWidth);
    const long long h = client.cy;
    const long long columns = pages > 6 ? kPreviewColumns : pages;
    // A window narrower than the margins still gets boxes of one pixel,
    // never a width that wraps round.
    CPageDisplay d;
    d.secondPageOffset = int(std::max(0LL, (w - kPreviewMargin) / columns));
    d.box.cx = int(std::max(1LL, (w - kPreviewMargin * (long long)(pages + 1)) / columns));
    if (pages == kPreviewMaxPages) {
        d.secondRowOffset = int(std::max(0LL, (h - kPreviewMargin) / 2));
        d.box.cy = int(std::max(1LL, (h - 3 * kPreviewMargin) / 2));
    } else {
        d.box.cy = int(std::max(1LL, h - 2 * kPreviewMargin));
    }
    return d;
}

CSize CalcScaleRatio(CSize screen, CSize page) {
    page.cx = std::max(1, page.cx), page.cy = std::max(1, page.cy);
    if (MulDiv(page.cx, screen.cy, page.cy) > screen.cx) return CSize(screen.cx, page.cx);
    return CSize(screen.cy, page.cy);
}

CSize ZoomScaleRatio(UINT zoomState, CSize f) {
    const bool paperLarger = f.cx < f.cy;
    switch (zoomState) {
    case ZOOM_MIDDLE:
        return paperLarger ? CSize((f.cx + f.cy) / 2, f.cy) : CSize((3 * f.cx - f.cy) / 2, f.cy);
    case ZOOM_IN:
        return paperLarger ? CSize(1, 1) : CSize(2 * f.cx - f.cy, f.cy);
    default:
        return f;
    }
}

CRect ScaledPageRect(CSize sizePage, CSize ratio) {
    const int cx = MulDiv(sizePage.cx, ratio.cx, ratio.cy);
    const int cy = MulDiv(sizePage.cy, ratio.cx, ratio.cy);
    return CRect(kPreviewMargin, kPreviewMargin, cx + 11, cy + 11);
}

CRect PlaceOverviewPage(const CRect& rc, const CPageDisplay& d, UINT slot) {
    CRect r = rc;
    r.OffsetRect((d.box.cx - r.Width()) / 2 - 1, (d.box.cy - r.Height()) / 2 - 1);
    r.OffsetRect(d.secondPageOffset * int(slot % kPreviewColumns),
                 slot >= kPreviewColumns ? d.secondRowOffset : 0);
    return r;
}

UINT PageAfterScroll(UINT code, UINT thumb, UINT current, UINT first, UINT last) {
    // Signed, so a move back from near the start stops at the first page.
    const long long pageStep = ((long long)last - first + 9) / 10;
    long long target = current;
    switch (code) {
    case SB_LINEUP:
        target = (long long)current - 1;
        break;
    case SB_LINEDOWN:
        target = (long long)current + 1;
        break;
    case SB_PAGEUP:
        target = (long long)current - pageStep;
        break;
    case SB_PAGEDOWN:
        target = (long long)current + pageStep;
        break;
    case SB_TOP:
        target = first;
        break;
    case SB_BOTTOM:
        target = last;
        break;
    case SB_THUMBPOSITION:
        target = thumb;
        break;
    default:
        break; // the thumb's tracking moves nothing
    }
    return UINT(std::clamp<long long>(target, first, last));
}

bool ParsePageNumber(const std::string& text, UINT last, UINT* page) {
    errno = 0;
    const long value = std::strtol(text.c_str(), nullptr, 10);
    if (errno == ERANGE || value < 1 || (unsigned long)value > last) return false;
    *page = UINT(value);
    return true;
}
