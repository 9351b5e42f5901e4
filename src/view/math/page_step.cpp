#include "view/math/page_step.h"

#include <algorithm>
#include <cstdint>

namespace paging {

namespace {

// A figure that fits in the window meets it without lying inside it.
bool CutsAFigure(std::int64_t top, int height, const std::vector<Band>& figures) {
    const std::int64_t bottom = top + height;
    for (const Band& f : figures) {
        if (f.bottom - f.top > height) continue; // cut wherever it stands
        const bool meets = f.top < bottom && f.bottom > top;
        if (meets && (f.top < top || f.bottom > bottom)) return true;
    }
    return false;
}

} // namespace

int PageStepTop(int from, int direction, int height, int maxTop, int contentEnd,
                const std::vector<Band>& figures) {
    if (height <= 0 || maxTop <= 0) return std::clamp(from, 0, std::max(0, maxTop));
    const std::int64_t step = direction < 0 ? -std::int64_t(height) : height;
    const std::int64_t whole = std::clamp<std::int64_t>(from + step, 0, maxTop);
    if (whole == from || !CutsAFigure(whole, height, figures)) return int(whole);
    // Between the old top (excluded) and the whole step (included).
    const auto between = [&](std::int64_t t) {
        return direction < 0 ? whole <= t && t < from : from < t && t <= whole;
    };
    std::int64_t best = from;
    for (const Band& f : figures) {
        if (f.bottom - f.top > height) continue;
        const std::int64_t places[4] = {f.top, std::int64_t(f.bottom) - height,
                                        std::int64_t(f.top) - height, f.bottom};
        for (std::int64_t t : places) {
            if (!between(t) || CutsAFigure(t, height, figures)) continue;
            // The place nearest the whole step goes furthest.
            if (best == from || (direction < 0 ? t < best : t > best)) best = t;
        }
    }
    if (best != from) return int(best);
    // At the page's end, a window clear of figures that shows the rest
    // stays rather than cut a figure by the last few rows.
    const bool atEnd =
        direction > 0 && whole == maxTop && std::int64_t(from) + height >= contentEnd;
    if (atEnd && !CutsAFigure(from, height, figures)) return from;
    return int(whole);
}

} // namespace paging
