// The spring figure pressed on a script of the test's own whose x and y
// ranges differ (the page's own square range hides a swap of the spans): the
// displacement axis, the coil and the mass where the run leaves them.
#include "press_table.h"

namespace {

// Sources: python3 (mpmath). x in [−2.5, 3.5], y in [−2, 2.5], the page
// step k 0.1: the axis in (255, 100, 100) at x = −2.5 + 0.6 = −1.9 (−2.05
// with the spans swapped) from 2.455 down to −2, the rest dot at y 0.25.
// A click at y 1.25 starts at u0 = −1; u(t) = u0 e^(−pt/2)(cos ωt +
// p/(2ω) sin ωt), ω = √(q − p²/4), the last frame at T − 0.5. The spring
// hangs from 2.5, its end at ye = 2.5 − 0.05(0.2u + 0.45)·98.83 + 0.1 sin
// 98.83; the coil 0.6067 wide (0.455 with the spans swapped), outermost at
// s = 16π − atan 0.15; the mass in (0, 255, 255) over x in [−0.1, 1.1]
// from ye − 0.18 down to ye − 0.63, hung on a rod from the dot (255, 100,
// 100) at (0, ye).
PRESS_TABLE(SpringPresses, TheAxisCoilAndMassOnUnequalSpans) {
    RunScript(
        "700DATA1(0,0,0,0,0,0,0,0.1,2)\n700Vibration(0.3,3,40,12,39,-1,0,-2.5,3.5,-2,2.5,0,1)\n",
        {
            {"381", "", "rgb@-1.9,1.8", "255,100,100", "hand: the axis at x = XMin + k·XSpan"},
            {"381", "", "rgb@-1.9,-1.85", "255,100,100", "hand: down to YMin"},
            {"381", "", "rgb@-2.05,1", "!255,100,100", "hand: not at XMin + k·YSpan"},
            {"381", "", "rgb@-1.9,0.25;;rgb@-1.9,0.25", "0,255,255;;!255,100,100",
             "hand: the rest dot at the middle, filled over the axis"},
            {"381", "", "rgb@0.9,0.35", "!0,255,255", "hand: no mass before a click"},
            {"381", "", "p=;;at@-1.3,-0.65",
             "0.100000;;p=", "hand: the script's p, at 0.2 of the x span, 0.3 of the y span up"},
            {"381", "^1.5,1.25", "rgb@0.9,0.3745", "0,255,255",
             "py: T 10, u(9.5) −0.4223, ye 0.5945"},
            {"381", "", "rgb@0.9,0.4745", "!0,255,255", "py: above the mass's top"},
            {"381", "", "rgb@0,0.5945", "255,100,100", "py: the dot at the spring's end"},
            {"381", "", "rgb@0,0.4745;;at@0.2,0.1895;;%=M", "0,255,255;;M;;255,128,0",
             "py: the rod from it to the mass; M at ye − 0.09·YSpan, in the pen"},
            {"381", "", "rgb@0.9,0.0045", "0,255,255", "py: the mass's bottom"},
            {"381", "", "rgb@0.9,-0.0955", "!0,255,255", "py: below it"},
            {"381", "", "rgb@0.59,1.5707", "0,255,255", "py: the coil's right edge, turn 8"},
            {"381", "", "rgb@0.75,1.5707", "!0,255,255", "py: nothing beyond it"},
            {"381", "", "rgb@-1.9,1.8", "255,100,100", "hand: the axis stays"},
            {"381", "t增大", "rgb@0.9,-0.3158", "0,255,255", "py: T 20, u(19.5) 0.2762"},
            {"381", "", "rgb@0.9,-0.2158", "!0,255,255", "py: above the mass's top"},
            {"381", "", "rgb@0.9,0.3745", "!0,255,255", "py: the T 10 mass gone"},
            {"381", "", "rgb@0.59,1.2206", "0,255,255", "py: the coil stretched, turn 8"},
            {"381", "p增大*2", "p=", "0.300000", "hand: 0.1 + 2 · 0.1"},
            {"381", "", "rgb@0.9,-0.0735", "0,255,255", "py: u(19.5) 0.031, ye 0.1465"},
            {"381", "", "rgb@0.9,0.0265", "!0,255,255", "py: above the mass's top"},
            {"381", "", "rgb@0.9,-0.5435", "!0,255,255", "py: below its bottom"},
            {"381", "q减小*3", "q=;;at@-1.3,-1.325",
             "1.700000;;q=", "hand: 2 − 3 · 0.1, at 0.2 of the x span, 0.15 of the y span up"},
            {"381", "", "rgb@0.9,0.0106", "0,255,255", "py: u(19.5) −0.054, ye 0.2306"},
            {"381", "", "rgb@0.9,0.1106", "!0,255,255", "py: above the mass's top"},
            {"381", "t减小", "rgb@0.9,0.1796", "0,255,255", "py: T 10, u(9.5) −0.2251"},
            {"381", "", "rgb@0.9,0.2796", "!0,255,255", "py: above the mass's top"},
            {"381", "", "rgb@0.9,-0.2904", "!0,255,255", "py: below its bottom"},
        });
}

} // namespace
