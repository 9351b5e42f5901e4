// Where a label moves when its place is taken: the nearest free place in
// steps, inside its frame (worked by hand on small boxes).
#include "render/math/label_place.h"

#include <gtest/gtest.h>

namespace {

struct ShiftCase {
    const char* what;
    CRect box;
    std::vector<CRect> taken;
    CRect frame;
    int step, reach;
    CPoint want;
};

TEST(NearestFreeShift, MovesOnlyAsFarAsTheTakenPlacesMakeIt) {
    const CRect frame(0, 0, 100, 100);
    const CRect box(40, 40, 50, 50);
    const ShiftCase cases[] = {
        {"its own place free", box, {CRect(60, 40, 70, 50)}, frame, 2, 20, {0, 0}},
        // A caption over the lower half: two steps up clear it, nearer than
        // any way sideways (six steps) or down (four).
        {"up past a caption", box, {CRect(30, 45, 52, 60)}, frame, 2, 20, {0, -6}},
        // Covered from its middle rightwards, top to bottom: left until its
        // right edge clears the caption's left (9 pixels), in 2-pixel steps.
        {"left of a tall caption", box, {CRect(41, 0, 100, 100)}, frame, 2, 20, {-10, 0}},
        // Two as near (a bar through its middle): the one above comes first.
        {"above before below", box, {CRect(38, 44, 52, 46)}, frame, 2, 20, {0, -6}},
        // Free 8 to the right, but the frame ends at 50: up, 12.
        {"kept in its frame", box, {CRect(30, 38, 48, 60)}, CRect(30, 20, 50, 80), 2, 20, {0, -12}},
        {"the same without the frame", box, {CRect(30, 38, 48, 60)}, frame, 2, 20, {8, 0}},
        // Nothing free within reach: it stays.
        {"nowhere to go", box, {CRect(0, 0, 100, 100)}, frame, 2, 20, {0, 0}},
        {"no step", box, {CRect(40, 40, 50, 50)}, frame, 0, 20, {0, 0}},
    };
    for (const ShiftCase& c : cases) {
        SCOPED_TRACE(c.what);
        const CPoint d = labels::NearestFreeShift(c.box, c.taken, c.frame, c.step, c.reach);
        EXPECT_EQ(d.x, c.want.x);
        EXPECT_EQ(d.y, c.want.y);
    }
}

} // namespace
