// The spline figure with unequal end moments: a moment given at one end
// bends the curve near that end only, so a swap of the two shows.
#include "press_table.h"

namespace {

// sin x through 7 equidistant nodes on [0, 4.7124]; y″0 raised to 3 by thirty
// presses of 0.1, then y″n raised to 3 and y″0 lowered back. Sources:
// python3 with mpmath, the moment system solved directly.
PRESS_TABLE(SplineEndPresses, TheEndMomentsBendTheirOwnEnd) {
    RunScript("700Disconnection(-1,2,0,0)\n"
              "700Splines(0.4,3,34,10,3,1,0,-0.5,6.2,-1.5,1.5,0,4.7124,6,0)\n"
              "700Disconnection(-1,2,9,0)\n",
              {
                  {"465", "", "ink@0.3927,0.3822", "1.2,-0.6", "py: S(h/2), natural"},
                  {"465", "", "ink@2.7489,0.3844", "1.2,-0.6", "py: S(3.5h)"},
                  {"465", "", "bare@0.3927,0.2975", "1.2,-0.6", "py: S(h/2) were y″0 = 3"},
                  {"465", "", "bare@4.3197,-0.9778", "1.2,-0.6", "py: S(5.5h) were y″n = 3"},
                  {"465", "y″0增加*30", "y″0=", "3.000", "hand: thirty presses of 0.1"},
                  {"465", "", "y″n=", "0.000", "hand: the other end stays"},
                  {"465", "", "ink@0.3927,0.2975", "1.2,-0.6", "py: S(h/2), y″0 = 3"},
                  {"465", "", "ink@4.3197,-0.8931", "1.2,-0.6", "py: S(5.5h), y″0 = 3 (−0.8930)"},
                  {"465", "", "bare@4.3197,-0.9778", "1.2,-0.6", "py: not y″n = 3"},
                  {"465", "y″n增加*30|y″0减少*30", "y″n=", "3.000", "hand: thirty presses"},
                  {"465", "", "y″0=", "0.000", "hand: back to 0"},
                  {"465", "", "ink@4.3197,-0.9778", "1.2,-0.6", "py: S(5.5h), y″n = 3"},
                  {"465", "", "ink@0.3927,0.3822", "1.2,-0.6", "py: S(h/2), y″n = 3"},
              });
}

} // namespace
