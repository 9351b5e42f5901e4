// Pages of the line-and-plane, equation and derivative menus pressed as a
// lecturer presses them: the perpendicular from a point to a plane, two lines
// in a common plane, two parallel lines, Duffing's equation, a forced
// oscillation and the derivatives of an implicit, a parametric and a polar
// function.
#include "press_table.h"

namespace {

// Sources: python3. A line of LINE3 is coloured by x over the span 3:
// (255x/3, 255, 255 − 255x/3), each part cut to a whole number.
PRESS_TABLE(LecturePresses, TheLineAndPlanePages) {
    Run({
        {"356", "", "m=", "0.400", "the script"},
        {"356", "", "rgb3@2.12,1.91,2.9", "180,255,74", "py: P0 + 0.3·(0.4, −0.3, 1)"},
        {"356", "", "rgb3@1.744,2.192,1.96", "148,255,106", "py: halfway to the foot"},
        {"356", "", "rgb3@1.36,2.48,1.0", "!115,255,139", "py: past the foot (1.488, 2.384, 1.32)"},
        {"356", "m增*2", "m=", "0.600", "hand: 0.4 + 0.2"},
        {"358", "@33759", "p=", "0.000", "the script: L1 lies in z = 1.2"},
        {"358", "", "m=", "0.500", "the script"},
        {"358", "", "rgb3@1.5,1.2,1.2", "127,255,127", "py: P0 + (0.5, 1, 0)"},
        {"358", "", "rgb3@1.8,1.0,1.2", "255,255,0", "hand: L2 along y at x = 1.8"},
        {"358", "p增*2", "p=", "0.200", "hand: 0 + 0.2"},
        {"358", "", "rgb3@1.5,1.2,1.4", "127,255,127", "py: P0 + (0.5, 1, 0.2), off the plane"},
        {"361", "", "=π1a", "-0.4", "hand: −m/p of (0.4, 0.6, 1)"},
        {"361", "", "rgb3@1.12,1.18,2.8", "95,255,159", "py: P0 + 0.3·(0.4, 0.6, 1)"},
        {"361", "m增", "m=", "0.500", "hand: 0.4 + 0.1"},
        {"361", "", "=π1a", "-0.5", "hand: the plane through M turns with the lines"},
    });
}

// Sources: python3, RK4 with h = 0.01 of y'' = −0.25y' − y − y³ + 0.6 cos 1.2x,
// y(0) = 1, y'(0) = 0: y(2) = −0.3428, y'(2) = −0.8087, y(5) = 0.4490,
// y'(5) = 1.0015, y(12) = 0.3457, y'(12) = −1.2605; of y'' + 0.3y' + y = cos x,
// y(0) = y'(0) = 0: y(10) = −1.4780, y'(20) = 1.2804; of van der Pol's
// x'' − (1 − x²)x' + x = 0, x(0) = 0.5, x'(0) = 0: x(3) = −1.4093,
// x(20) = 1.4241, x'(20) = −0.8380. Curve (0, 255, 255), first derivative
// (250, 255, 0), second (255, 100, 100).
PRESS_TABLE(LecturePresses, TheEquationAndDerivativePages) {
    Run({
        {"362", "", "rgb@2,-0.8087", "250,255,0", "py: y'(2)"},
        {"362", "", "rgb@5,0.4490", "0,255,255", "py: y(5)"},
        {"362", "", "rgb@12,0.3457", "0,255,255", "py: y(12)"},
        {"362", "相平面", "rgb@0.4490,1.0015", "0,255,255", "py: (y, y') at 5"},
        {"362", "取消", "rgb@12,-1.2605", "250,255,0", "py: y'(12)"},
        {"332", "", "rgb@10,-1.4780", "0,255,255", "py: y(10) of y'' + 0.3y' + y = cos x"},
        {"332", "", "rgb@20,1.2804", "250,255,0", "py: y'(20)"},
        {"332", "", "p=", "0.3000", "the script"},
        {"332", "q增大*2", "q=", "1.2000", "hand: 1 + 2 × 0.1"},
        {"346", "", "rgb@3,-1.4093", "0,255,255", "py: x(3) of x'' − (1 − x²)x' + x = 0"},
        {"346", "", "rgb@20,-0.8380", "250,255,0", "py: x'(20)"},
        {"346", "相平面", "rgb@1.4241,-0.8380", "0,255,255", "py: (x, x') at 20"},
        {"371", "@0,1", "rgb@0,-0.3679", "250,255,0", "hand: y' = −1/e at (0, 1)"},
        {"371", "", "rgb@2,-0.1410", "250,255,0", "py: y(2) = 0.5190, y' = −y/(e^y + 2)"},
        {"371", "", "rgb@1,0.7015", "0,255,255", "py: e^y + y = e"},
        {"372", "", "rgb@1.2284,1.5", "0,255,255", "py: t = 2π/3"},
        {"372", "", "rgb@1.2284,0.5774", "250,255,0", "py: sin t/(1 − cos t)"},
        {"372", "", "rgb@1.2284,-0.4444", "255,100,100", "py: −1/(1 − cos t)²"},
        {"372", "", "rgb@0.1812,1.7321", "250,255,0", "py: t = π/3, slope √3"},
        {"372", "", "rgb@3.1416,-0.25", "255,100,100", "hand: −1/4 at the top"},
        {"380", "", "rgb@1.2071,1.2071", "0,255,255", "py: r = 1 + cos θ at π/4"},
        {"380", "", "rgb@1.2071,-0.4142", "250,255,0",
         "py: (r' sin θ + r cos θ)/(r' cos θ − r sin θ)"},
    });
}

} // namespace
