// Where a label moves when its own place is taken: the nearest free place
// around it, inside its frame.
#pragma once

#include "platform/types.h"

#include <vector>

namespace labels {

// The shift of `box` to the nearest place (in steps of `step` pixels each
// way, at most `reach` away) that meets none of `taken` and lies inside
// `frame`; no shift when its own place is free, or when no place within
// reach is.
CPoint NearestFreeShift(const CRect& box, const std::vector<CRect>& taken, const CRect& frame,
                        int step, int reach);

} // namespace labels
