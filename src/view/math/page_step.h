// Where a page step of the window stops: a whole window further, unless
// that leaves a figure cut by the window's edge.
#pragma once

#include <vector>

namespace paging {

// The rows a figure covers on the page, its labels and frame included:
// [top, bottom).
struct Band {
    int top, bottom;
};

// The window's new top after a page step from `from` (direction +1 down, -1
// up) in a window `height` rows high that may stand between 0 and `maxTop`.
// The step goes a whole window as long as that cuts no figure that fits in
// the window; otherwise it stops short where no such figure is cut (a figure
// at the window's top or bottom edge, or the window just clear of it),
// never further than a whole window, so the new window meets the old one.
// Where no such place exists the whole step is taken, except at the end
// of the page when the window already shows everything down to
// `contentEnd` and stands clear of every figure: then it stays.
int PageStepTop(int from, int direction, int height, int maxTop, int contentEnd,
                const std::vector<Band>& figures);

} // namespace paging
