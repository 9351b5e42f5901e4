#include "render/math/label_place.h"

#include <algorithm>
#include <cstdlib>

namespace labels {

namespace {

bool Free(const CRect& box, const std::vector<CRect>& taken, const CRect& frame) {
    if (box.left < frame.left || box.right > frame.right || box.top < frame.top ||
        box.bottom > frame.bottom)
        return false;
    for (const CRect& t : taken)
        if (box.left < t.right && t.left < box.right && box.top < t.bottom && t.top < box.bottom)
            return false;
    return true;
}

} // namespace

CPoint NearestFreeShift(const CRect& box, const std::vector<CRect>& taken, const CRect& frame,
                        int step, int reach) {
    if (box.IsRectEmpty() || Free(box, taken, frame) || step <= 0 || reach < step) return {};
    const int n = reach / step;
    std::vector<CPoint> shifts;
    shifts.reserve(size_t(2 * n + 1) * size_t(2 * n + 1));
    for (int j = -n; j <= n; ++j)
        for (int i = -n; i <= n; ++i)
            if (i || j) shifts.push_back(CPoint(i * step, j * step));
    // Nearest first; of two as near, the one above, then the one left.
    std::stable_sort(shifts.begin(), shifts.end(), [](const CPoint& a, const CPoint& b) {
        return a.x * a.x + a.y * a.y < b.x * b.x + b.y * b.y;
    });
    for (const CPoint& d : shifts) {
        CRect moved = box;
        moved.OffsetRect(d.x, d.y);
        if (Free(moved, taken, frame)) return d;
    }
    return {};
}

} // namespace labels
