// The classical curves pressed button by button: the ellipse of page 502
// with its foci on the y axis once b passes a, and a point P chosen by a
// click, joined to both foci.
#include "press_table.h"

namespace {

// Sources: python3, a = 1, b = 1 + 5 × 0.1: c = √(b² − a²) = 1.1180, foci
// (0, ±c); P = (−2, −1.5): |PF1| + |PF2| = 3.2946 + 2.0361 = 5.33; the
// segments' midpoints (−1, −0.191) and (−1, −1.309); (2.5, −1.7) is bare.
PRESS_TABLE(CurvePresses, TheEllipseJoinsItsPointToBothFoci) {
    Run({
        {"502", "b增*5", "=n", "1.5", "hand: 1 + 5 × 0.1"},
        {"502", "", "=m", "1", "hand: a keeps the topic's 1"},
        {"502", "@-2,-1.5", "P到两角点距离和:", "5.33", "py: 3.2946 + 2.0361"},
        {"502", "", "ink@-1,-0.191", "2.5,-1.7", "py: the middle of PF1"},
        {"502", "", "ink@-1,-1.309", "2.5,-1.7", "py: the middle of PF2"},
    });
}

} // namespace
