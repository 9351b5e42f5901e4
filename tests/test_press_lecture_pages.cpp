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
        {"356", "", "m=;;at3@2,2,2.7", "0.400;;P0", "the script, and P0 named at (2, 2, 2.7)"},
        {"356", "", "rgb3@2.12,1.91,2.9", "180,255,74", "py: P0 + 0.3·(0.4, −0.3, 1)"},
        {"356", "", "rgb3@1.744,2.192,1.96", "148,255,106", "py: halfway to the foot"},
        {"356", "", "rgb3@1.36,2.48,1.0", "!115,255,139", "py: past the foot (1.488, 2.384, 1.32)"},
        {"356", "", "rgb3@1.488,2.384,1.32;;rgb3@2,2,2.6;;rgb3@2,2.6,2;;rgb3@2,2,2.6",
         "255,128,0;;255,128,0;;!255,128,0;;0,150,255",
         "py: the foot's dot, on the plane; the script: P0's dot at (2, 2, 2.6), none where y and "
         "z swap, filled in the fill colour"},
        {"356", "", "at3@0,0,3;;at3@0,0.9,3;;at3@0,1.8,3",
         "m=;;n=;;p=", "hand: the direction numbers at y = 0, 0.3 and 0.6 of the span 3, top left"},
        {"356", "", "%m=", "255,128,0", "hand: the direction numbers in the pen colour"},
        {"356", "n增", "%n=", "255,128,0", "hand"},
        {"356", "", "%p=", "255,128,0", "hand"},
        {"356", "m增*2", "m=", "0.600", "hand: 0.4 + 0.2"},
        {"356", "", "%m=;;%n=;;%p=;;rgb3@1.616,2.288,1.64",
         "255,128,0;;255,128,0;;255,128,0;;0,150,255",
         "hand: m_crDefaultPen, after the presses too; py: with (0.6, −0.2, 1) the line leaves "
         "the perpendicular to the foot, drawn in the fill, here at 3/4 of it"},
        {"358", "", "at3@1.8,2.85,1.2;;%P0", "L2;;255,255,0",
         "the script: L2's name at (1.8, 2.85, 1.2), in its yellow after P0"},
        {"358", "@33759", "p=", "0.000", "the script: L1 lies in z = 1.2"},
        {"358", "", "m=", "0.500", "the script"},
        {"358", "", "rgb3@1.5,1.2,1.2", "127,255,127", "py: P0 + (0.5, 1, 0)"},
        {"358", "", "rgb3@1.8,1.0,1.2", "255,255,0", "hand: L2 along y at x = 1.8"},
        {"358", "p增*2", "p=", "0.200", "hand: 0 + 0.2"},
        {"358", "", "rgb3@1.5,1.2,1.4", "127,255,127", "py: P0 + (0.5, 1, 0.2), off the plane"},
        {"360", "",
         "rgb3@2.46,2.28,2.3;;rgb3@1.8,1.4,1.2;;rgb3@1.4,1.8,1.2;;at3@1,2,1.3;;at3@2.28,2.04,2.1;;"
         "rgb3@1.4279,1.7372,1.2465",
         "209,255,45;;255,128,0;;!255,128,0;;M;;P0;;0,150,255",
         "py: L at P0 + 0.3·(0.6, 0.8, 1), coloured by x; the foot F = P0 − 0.8·(0.6, 0.8, 1) = "
         "(1.8, 1.4, 1.2) dotted in the pen, none with its x and y swapped; the script: M and P0 "
         "named at (1, 2, 1.3) and (2.28, 2.04, 2.1); the parallelogram on P0M and the unit s = "
         "(0.6, 0.8, 1)/√2 "
         "filled at its centre (P0 + M − s)/2"},
        {"361", "", "rgb3@0.8421,0.7632,2.1053;;at3@1,1,2.6;;at3@2,1.5,1.3", "255,128,0;;P0;;M",
         "py: the foot P0 − (0.6/1.52)·(0.4, 0.6, 1) dotted in the pen; the script: P0 and M named "
         "at (1, 1, 2.6) and (2, 1.5, 1.3)"},
        {"361", "", "=π1a", "-0.4", "hand: −m/p of (0.4, 0.6, 1)"},
        {"361", "", "rgb3@1.12,1.18,2.8", "95,255,159", "py: P0 + 0.3·(0.4, 0.6, 1)"},
        {"361", "m增", "m=", "0.500", "hand: 0.4 + 0.1"},
        {"361", "", "=π1a", "-0.5", "hand: the plane through M turns with the lines"},
        {"361", "m减*2", "m=", "0.300", "hand: 0.5 − 0.2"},
        {"361", "n增*3", "n=", "0.900", "hand: 0.6 + 0.3"},
        {"361", "n减", "n=", "0.800", "hand: 0.9 − 0.1"},
        {"361", "p增*3", "p=", "1.300", "hand: 1 + 0.3"},
        {"361", "p减*2", "p=", "1.100", "hand: 1.3 − 0.2"},
        {"361", "增加", "=Meshx", "75", "hand: 50 × 3/2"},
        {"361", "减少#2*3", "=Meshy", "14", "hand: 50 → 33 → 22 → 14"},
        {"361", "减少|增加#2", "=Meshy", "21", "hand: 14 × 3/2"},
        {"361", "打开投影", "?关闭投影", "", "hand: the switch turns"},
        {"361", "关闭投影", "?打开投影", "", "hand: and back"},
        {"356", "m减*3", "m=", "0.100", "hand: opened anew, 0.4 − 0.3"},
        {"356", "n增*2", "n=", "-0.100", "hand: −0.3 + 0.2"},
        {"356", "n减", "n=", "-0.200", "hand: −0.1 − 0.1"},
        {"356", "p增*3", "p=", "1.300", "hand: 1 + 0.3"},
        {"356", "p减", "p=", "1.200", "hand: 1.3 − 0.1"},
        {"356", "增加*2", "=Meshx", "112", "hand: 50 → 75 → 112"},
        {"356", "减少", "=Meshx", "74", "hand: 112 × 2/3"},
        {"356", "增加#2|减少#2*2", "=Meshy", "33", "hand: 50 → 75 → 50 → 33"},
        {"356", "打开投影", "?关闭投影", "", "hand: the switch turns"},
        {"356", "关闭投影", "?打开投影", "", "hand: and back"},
        {"358", "m减*3", "m=", "0.200", "hand: 0.5 − 0.3"},
        {"358", "m增", "m=", "0.300", "hand: 0.2 + 0.1"},
        {"358", "n减*3", "n=", "0.700", "hand: 1 − 0.3"},
        {"358", "n增", "n=", "0.800", "hand: 0.7 + 0.1"},
        {"358", "p减*3", "p=", "-0.300", "hand: opened anew, 0 − 0.3"},
        {"358", "@33759|a*3", "=π1a", "0.3", "hand: the plane's a from 0, 0.1 a press"},
        {"358", "a#2", "=π1a", "0.2", "hand: 0.3 − 0.1"},
        {"358", "b*2", "b=", "0.2", "hand: the plane's b from 0, 0.1 a press"},
        {"358", "b#2", "b=", "0.1", "hand: 0.2 − 0.1"},
        {"358", "c", "c=", "1.3", "hand: the plane z = 1.2 raised by 0.1"},
        {"358", "c#2*3", "c=", "1.0", "hand: 1.3 − 0.3"},
        {"358", "增加", "=Meshx", "75", "hand: 50 × 3/2"},
        {"358", "减少#2", "=Meshy", "33", "hand: 50 × 2/3"},
        {"358", "结束", "!结束", "", "hand: the panel closed"},
        {"358", "减少*2", "=Meshx", "33", "hand: 75 → 50 → 33"},
        {"358", "增加#2", "=Meshy", "49", "hand: 33 × 3/2"},
        {"358", "打开投影", "?关闭投影", "", "hand: the switch turns"},
        {"358", "关闭投影", "?打开投影", "", "hand: and back"},
    });
    // 356's plane z = −0.4x + 0.3y + 1.2 with a point marker above (1, 1):
    // its drop ends on the plane at z = 1.1, nothing below.
    RunScript("700DATA2(0,-0.4,0.3,1.2,-0.4,0.3,1.2,)\n"
              "700PLANE(0.8,6,36,10,1,0,0,0,3,0,3,0,3,0,0)\n"
              "700Line3(1,1,2.5,-1000,-1000,-1000,255,0,0)\n",
              {
                  {"2101", "", "rgb3@1,1,1.8;;rgb3@1,1,0.5", "255,0,0;;!255,0,0",
                   "hand: halfway down to −0.4 + 0.3 + 1.2 = 1.1; 0.6 under the foot"},
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
        {"332", "相平面", "rgb@-1.4780,-2.1814", "0,255,255", "py: (y, y′) at 10"},
        {"332", "取消", "rgb@10,-1.4780", "0,255,255", "py: y(10) again"},
        {"332", "q增大*2", "q=", "1.2000", "hand: 1 + 2 × 0.1"},
        {"332", "q减小", "q=", "1.1000", "hand: 1.2 − 0.1"},
        {"332", "p增大*3", "p=", "0.6000", "hand: 0.3 + 3 × 0.1"},
        {"332", "p减小", "p=", "0.5000", "hand: 0.6 − 0.1"},
        {"346", "", "rgb@3,-1.4093", "0,255,255", "py: x(3) of x'' − (1 − x²)x' + x = 0"},
        {"346", "", "rgb@20,-0.8380", "250,255,0", "py: x'(20)"},
        {"346", "相平面", "rgb@1.4241,-0.8380", "0,255,255", "py: (x, x') at 20"},
        {"346", "取消", "rgb@3,-1.4093", "0,255,255", "py: x(3) again"},
        {"371", "@0,1", "rgb@0,-0.3679", "250,255,0", "hand: y' = −1/e at (0, 1)"},
        {"371", "", "rgb@2,-0.1410", "250,255,0", "py: y(2) = 0.5190, y' = −y/(e^y + 2)"},
        {"371", "", "rgb@1,0.7015", "0,255,255", "py: e^y + y = e"},
        {"372", "", "rgb@1.2284,1.5", "0,255,255", "py: t = 2π/3"},
        {"372", "", "rgb@1.2284,0.5774", "250,255,0", "py: sin t/(1 − cos t)"},
        {"372", "", "rgb@1.2284,-0.4444", "255,100,100", "py: −1/(1 − cos t)²"},
        {"372", "", "rgb@0.1812,1.7321", "250,255,0", "py: t = π/3, slope √3"},
        {"372", "", "rgb@3.1416,-0.25", "255,100,100", "hand: −1/4 at the top"},
        {"372", "", "rgb@3.1416,1.5", "250,255,0", "hand: dy/dx turns at t = π, upright to y = 2"},
        {"380", "", "rgb@1.2071,1.2071", "0,255,255", "py: r = 1 + cos θ at π/4"},
        {"380", "", "rgb@1.2071,-0.4142", "250,255,0",
         "py: (r' sin θ + r cos θ)/(r' cos θ − r sin θ)"},
    });
}

} // namespace
