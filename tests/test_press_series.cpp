// The Maclaurin page 316 pressed button by button: the order read-out and
// the partial sums of sin x drawn where they fall.
#include "press_table.h"

namespace {

using press_table::Row;

class SeriesPresses : public press_table::PressTable {};

// Sources: python3, P_n(x) = Σ (−1)^k x^(2k+1) / (2k+1)! over 2k + 1 ≤ n,
// at x = 1.5 and 3; (−6.5, 1.8) is a bare place of the figure.
TEST_F(SeriesPresses, EveryButtonOfPage316) {
    Run({
        {"316", "n减少*15", "级数项数n=", "0", "hand: held at 0"},
        {"316", "n增加", "ink@1.5,1.5", "-6.5,1.8", "py: P1(1.5) = 1.5"},
        {"316", "n增加*2", "ink@3,-1.5", "-6.5,1.8", "py: P3(3) = −1.5"},
        {"316", "", "bare@1.5,1.5", "-6.5,1.8", "py: P3(1.5) = 0.9375"},
        {"316", "", "级数项数n=", "3", "hand: 0 + 3"},
        {"316", "n增加*2", "ink@3,0.525", "-6.5,1.8", "py: P5(3) = 0.525"},
        {"316", "", "bare@3,-1.5", "-6.5,1.8", "py: P5 no longer −1.5 at 3"},
        {"316", "n增加*2", "ink@3,0.0911", "-6.5,1.8", "py: P7(3) = 0.0911"},
        {"316", "", "级数项数n=", "7", "hand: 5 + 2"},
        {"316", "n减少", "ink@3,0.525", "-6.5,1.8", "py: P6 = P5"},
        {"316", "n减少*2", "ink@3,-1.5", "-6.5,1.8", "py: P4 = P3"},
        {"316", "", "级数项数n=", "4", "hand: 7 − 3"},
        {"316", "n减少*3", "ink@1.5,1.5", "-6.5,1.8", "py: P1(1.5) = 1.5"},
        {"316", "", "bare@3,-1.5", "-6.5,1.8", "py: P1(3) = 3, above the plot"},
    });
}

} // namespace
