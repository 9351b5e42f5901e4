// The pen width a pixel line is drawn with.
#pragma once

#include "platform/types.h"

#include <algorithm>

namespace render {

// The asked width (0 for one pixel), raised to 2 for a single point, a
// horizontal stroke drawn leftward over more than 3 pixels and a vertical
// stroke drawn upward over 3 or more pixels.
template <class T> int PixelLineWidth(int width, T x1, T y1, T x2, T y2) {
    int w = width > 0 ? width : 0;
    const bool point = x1 == x2 && y1 == y2;
    const bool leftward = y1 == y2 && x1 - x2 > 3;
    const bool upward = x1 == x2 && y1 - y2 >= 3;
    if ((point || leftward || upward) && w < 2) w = 2;
    return w;
}

// The box a stroke of that width fills instead of a line: a two-pixel pen
// along an axis covers the rectangle one pixel wider up and left, both ends
// included. False for any other stroke.
inline bool PixelStrokeBox(int width, CPoint a, CPoint b, CRect* box) {
    if (width != 2 || (a.x != b.x && a.y != b.y)) return false;
    *box = CRect(std::min(a.x, b.x) - 1, std::min(a.y, b.y) - 1, std::max(a.x, b.x) + 1,
                 std::max(a.y, b.y) + 1);
    return true;
}

} // namespace render
