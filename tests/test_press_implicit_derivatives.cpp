// The implicit curve traced with its derivative curves, on a script of the
// test's own: a tilted, shifted ellipse whose extremes lie off the axes, so
// that the lines dropped from them to the x axis show where they stand.
#include "press_table.h"

namespace {

// Sources: python3 (mpmath). x² + xy + y² + x/2 − 3 = 0 over x in [−4, 4],
// y in [−3, 3.5], traced once clicked: y = (−x ± √(12 − 2x − 3x²))/2. The
// slope vanishes where y = −2x − 1/2: at x = (−2 ± √37)/6, the upper
// branch's top (−1.3471, 2.1943) and the lower's bottom (0.6805, −1.8609),
// each with its line from the x axis in (250, 255, 0). The slopes, in
// (250, 255, 0): −0.8904 and −0.1096 at x 0.5, 0.2559 on the lower branch
// at 1; the second derivatives in (255, 100, 100): ∓0.5071 at x −1.
PRESS_TABLE(ImplicitDerivativePresses, TheLinesDroppedFromTheExtremes) {
    RunScript("700DATA1(0,1,1,1,0.5,0,-3,)\n"
              "700Derivative1(0.3,3,40,12,8,2,2,-4,4,-3,3.5,-4,4)\n",
              {
                  {"231", "", "rgb@-1.3471,1.5", "!250,255,0", "hand: nothing before a click"},
                  {"231", "@2.5,3", "rgb@-1.3471,2.1943", "0,255,255", "py: the top"},
                  {"231", "", "rgb@-1.3471,1.5", "250,255,0", "py: the line below the top"},
                  {"231", "", "rgb@-1.3471,0.3", "250,255,0", "py: down to the axis"},
                  {"231", "", "rgb@-1.3471,-1.6", "!250,255,0", "py: not below the axis"},
                  {"231", "", "rgb@-1.3471,2.8", "!250,255,0", "py: nor above the top"},
                  {"231", "", "rgb@0.6805,-0.5", "250,255,0", "py: the line above the bottom"},
                  {"231", "", "rgb@0.6805,-1.5", "250,255,0", "py: down to the bottom"},
                  {"231", "", "rgb@0.6805,1.5", "!250,255,0", "py: not above the axis"},
                  {"231", "", "rgb@0.6805,-2.4", "!250,255,0", "py: nor below the bottom"},
                  {"231", "", "rgb@0.5,-0.8904", "250,255,0", "py: the upper slope at 0.5"},
                  {"231", "", "rgb@0.5,-0.1096", "250,255,0", "py: the lower slope"},
                  {"231", "", "rgb@1,0.2559", "250,255,0", "py: the lower slope at 1"},
                  {"231", "", "rgb@-1,-0.5071", "255,100,100", "py: the upper y″ at −1"},
                  {"231", "", "rgb@-1,0.5071", "255,100,100", "py: the lower y″"},
                  {"231", "", "rgb@-2.5,1.5", "!250,255,0", "py: no slope there"},
                  {"231", "", "rgb@2.08,3.34;;rgb@2.08,2.84", "250,255,0;;255,100,100",
                   "hand: the legends 一阶导数 and 二阶导数 at the plot's top right"},
              });
}

// Sources: hand. A conic's two branches bear second derivatives of opposite
// sign at each x, which hides a sign; the parabola 0.3x² + 0.5x − y − 1 = 0
// has one branch: y′ = 0.6x + 0.5 in (250, 255, 0), zero at x = −5/6 where
// y = −1.2083, y″ = 0.6 in (255, 100, 100).
PRESS_TABLE(ImplicitDerivativePresses, TheSecondDerivativeOfAParabola) {
    RunScript("700DATA1(0,0.3,0,0,0.5,-1,-1,)\n"
              "700Derivative1(0.3,3,40,12,8,2,2,-4,3,-2.5,3,-4,3)\n",
              {
                  {"231", "@2.5,-2", "rgb@2,1.2", "0,255,255", "hand: the curve at x = 2"},
                  {"231", "", "rgb@1.5,0.6", "255,100,100", "hand: y″ = 0.6"},
                  {"231", "", "rgb@-3,0.6", "255,100,100", "hand: at x = −3 as well"},
                  {"231", "", "rgb@1.5,-0.6", "!255,100,100", "hand: not −0.6"},
                  {"231", "", "rgb@1.5,1.4", "250,255,0", "hand: y′ at 1.5"},
                  {"231", "", "rgb@-2,-0.7", "250,255,0", "hand: y′ at −2"},
                  {"231", "", "rgb@-0.8333,-0.6", "250,255,0", "hand: the line from the bottom"},
                  {"231", "", "rgb@-0.8333,0.6", "!250,255,0", "hand: not above the axis"},
              });
}

} // namespace
