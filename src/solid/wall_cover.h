// The rows the next column of the double-integral lesson surely paints, for
// the cells of the column before to be left out there.
#pragma once

#include "view/view.h"

#include <vector>

// For each pixel column from `left`, the rows from top to bottom that the
// next column surely paints (none where top > bottom).
struct CPemroView::WallCover {
    int left = 0;
    std::vector<int> top, bottom;
    int Top(int px) const { return In(px) ? top[size_t(px - left)] : 1; }
    int Bottom(int px) const { return In(px) ? bottom[size_t(px - left)] : 0; }
    bool In(int px) const { return px >= left && px - left < int(top.size()); }
};

// The cover of the next column at x (prisms: of the Riemann sum, else of
// the Gauss sum's walls), kept from the last passes while the surfaces,
// the region, the z range and the projection stay as they were.
CPemroView::WallCover KeptWallCover(CPemroView& v, bool prisms, double x, double cx, double cy,
                                    const std::vector<double>& rows);
