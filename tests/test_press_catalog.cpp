// The catalogue pages pressed button by button: the coefficient columns of
// the implicit, explicit and parametric curves (a step of 0.1 a press, two
// decimals shown) and the buttons of the classical curves, with the curve
// checked where the new coefficients put it and the old ones would not.
#include "press_table.h"

namespace {

// Sources: hand, the scripts' coefficients ± 0.1 a press; python3, points of
// the curves the last coefficients give. Page 231: a x² + b xy + c y² + d x
// + e y + f = 0 from (1, 0.5, 1, 0, 0, −4), traced from a click near it.
// Page 233: y = a x² + b x + c from (0.5, 0, −3). Page 513: x = c cos(a t +
// b), y = f sin(d t + e) from (1, 0, 2, 2, 0, 1.5).
PRESS_TABLE(CatalogPresses, ImplicitCoefficientColumn) {
    Run({
        {"231", "a增*3", "a=", "1.30", "hand: 1 + 3 × 0.1"},
        {"231", "a减", "a=", "1.20", "hand: 1.3 − 0.1"},
        {"231", "b增*3", "b=", "0.80", "hand: 0.5 + 0.3"},
        {"231", "b减*2", "b=", "0.60", "hand: 0.8 − 0.2"},
        {"231", "c增*3", "c=", "1.30", "hand: 1 + 0.3"},
        {"231", "c减", "c=", "1.20", "hand: 1.3 − 0.1"},
        {"231", "d增*3", "d=", "0.30", "hand: 0 + 0.3"},
        {"231", "d减*2", "d=", "0.10", "hand: 0.3 − 0.2"},
        {"231", "e减*3", "e=", "-0.30", "hand: 0 − 0.3"},
        {"231", "e增", "e=", "-0.20", "hand: −0.3 + 0.1"},
        {"231", "f增*3", "f=", "-3.70", "hand: −4 + 0.3"},
        {"231", "f减", "f=", "-3.80", "hand: −3.7 − 0.1"},
        {"231", "", "a=", "1.20", "hand: a keeps its value"},
        {"231", "@1,1.3", "ink@1,-1.6196", "-3.5,-2.5",
         "py: 1.2y² + 0.4y − 2.5 = 0 at x = 1, the lower root"},
        {"231", "", "ink@-1.5,1.5771", "-3.5,-2.5", "py: 1.2y² − 1.1y − 1.25 = 0 at x = −1.5"},
        {"231", "", "bare@1,1.5", "-3.5,-2.5",
         "py: the first curve's point; the new one is at 1.286"},
        {"231", "a减*3", "a=", "0.90", "hand: 1.2 − 0.3"},
        {"231", "c减*3", "c=", "0.90", "hand: 1.2 − 0.3"},
        {"231", "e增*3", "e=", "0.10", "hand: −0.2 + 0.3"},
        {"231", "f减*3", "f=", "-4.10", "hand: −3.8 − 0.3"},
    });
}

PRESS_TABLE(CatalogPresses, ExplicitAndParametricCoefficientColumns) {
    Run({
        {"233", "a增*3", "a=", "0.80", "hand: 0.5 + 0.3"},
        {"233", "a减", "a=", "0.70", "hand: 0.8 − 0.1"},
        {"233", "b减*3", "b=", "-0.30", "hand: 0 − 0.3"},
        {"233", "b增", "b=", "-0.20", "hand: −0.3 + 0.1"},
        {"233", "c增*3", "c=", "-2.70", "hand: −3 + 0.3"},
        {"233", "c减", "c=", "-2.80", "hand: −2.7 − 0.1"},
        {"233", "", "ink@2,-0.4", "-4.5,-4.5", "hand: 0.7 × 4 − 0.4 − 2.8"},
        {"233", "", "ink@-1.5,-0.925", "-4.5,-4.5", "hand: 1.575 + 0.3 − 2.8"},
        {"233", "", "bare@2,-1", "-4.5,-4.5", "hand: the script's curve at x = 2"},
        {"233", "a减*3", "a=", "0.40", "hand: 0.7 − 0.3"},
        {"233", "b增*3", "b=", "0.10", "hand: −0.2 + 0.3"},
        {"233", "c减*3", "c=", "-3.10", "hand: −2.8 − 0.3"},
        {"513", "a增*3", "a=", "1.30", "hand: 1 + 0.3"},
        {"513", "a减*2", "a=", "1.10", "hand: 1.3 − 0.2"},
        {"513", "b增*3", "b=", "0.30", "hand: 0 + 0.3"},
        {"513", "b减", "b=", "0.20", "hand: 0.3 − 0.1"},
        {"513", "c减*3", "c=", "1.70", "hand: 2 − 0.3"},
        {"513", "c增", "c=", "1.80", "hand: 1.7 + 0.1"},
        {"513", "d增*3", "d=", "2.30", "hand: 2 + 0.3"},
        {"513", "d减", "d=", "2.20", "hand: 2.3 − 0.1"},
        {"513", "e增*3", "e=", "0.30", "hand: 0 + 0.3"},
        {"513", "e减", "e=", "0.20", "hand: 0.3 − 0.1"},
        {"513", "f减*3", "f=", "1.20", "hand: 1.5 − 0.3"},
        {"513", "f增", "f=", "1.30", "hand: 1.2 + 0.1"},
        {"513", "", "ink@0.4815,0.8781", "2.3,-1.8", "py: t = 1: 1.8 cos 1.3, 1.3 sin 2.4"},
        {"513", "", "ink@-1.3273,-1.2918", "2.3,-1.8", "py: t = 2: 1.8 cos 2.4, 1.3 sin 4.6"},
        {"513", "", "ink@-0.2019,0.5358", "2.3,-1.8", "py: t = 4: 1.8 cos 4.6, 1.3 sin 9"},
        {"513", "", "bare@-0.8323,-1.1352", "2.3,-1.8", "py: the script's curve at t = 2"},
        {"513", "b减*3", "b=", "-0.10", "hand: 0.2 − 0.3"},
        {"513", "c增*3", "c=", "2.10", "hand: 1.8 + 0.3"},
        {"513", "d减*3", "d=", "1.90", "hand: 2.2 − 0.3"},
        {"513", "e减*3", "e=", "-0.10", "hand: 0.2 − 0.3"},
        {"513", "f增*3", "f=", "1.60", "hand: 1.3 + 0.3"},
    });
}

// Sources: python3. Page 503: x²/a² − y²/b² = ±1 from a = b = 1, c = √(a² +
// b²) = 1.6279 at a = 1.2, b = 1.1: past a focus on its axis |PF1| − |PF2|
// = 2c, on the other axis 0; the box x = ±a for |y| ≤ b. Page
// 504: y = a x² + b x + c from (1, 1, 0), at (1.2, 0.8, 0.2) the focus
// (−b/2a, 1/4a + c − b²/4a) = (−0.3333, 0.275), the directrix 0.275 − 1/2.4
// = −0.1417; sideways the same with x and y swapped; at (0.9, 1.1, −0.1)
// the focus (−0.6111, −0.1583), the directrix −0.7139, P = (1, 1.9). Page 507: foci ±√c,
// P = (−0.3, 0.1): |PF1|·|PF2| = 1.1216 at c = 1.2, 0.8222 at c = 0.9.
// Page 510: the circle of radius 1/2 about (±1/2, 0), x in [−3, 1] or
// [−1, 3]; P = (1.5, 1) joined to O, the part from O to kP in the pen.
// Page 514: the axes of x in [−1, 1.5] and y in [−0.9, 0.9], the y axis
// (RGB(0, 255, 0)) at x = 0 the plot's height.
PRESS_TABLE(CatalogPresses, ClassicalCurves) {
    Run({
        {"503", "a增*3", "=m", "1.3", "hand: 1 + 3 × 0.1"},
        {"503", "a减", "=m", "1.2", "hand: 1.3 − 0.1"},
        {"503", "b增*3", "=n", "1.3", "hand: 1 + 0.3"},
        {"503", "b减*2", "=n", "1.1", "hand: 1.3 − 0.2"},
        {"503", "", "ink@1.2,0.5", "-3.5,-2", "hand: the box's side x = a"},
        {"503", "", "bare@1,0.5", "-3.5,-2", "hand: the side at the script's a"},
        {"503", "@3.5,0", "P到两角点距离差:", "3.26", "py: past the focus on x, 2c = 3.2558"},
        {"503", "实轴y", "P到两角点距离差:", "0.00", "hand: P on the x axis, the foci on y"},
        {"503", "@0,2.5", "P到两角点距离差:", "3.26", "py: past the focus on y, 2c"},
        {"503", "实轴x", "P到两角点距离差:", "0.00", "hand: P on the y axis, the foci on x"},
        {"504", "a增*3", "=m", "1.3", "hand: 1 + 0.3"},
        {"504", "a减", "=m", "1.2", "hand: 1.3 − 0.1"},
        {"504", "b减*3", "=n", "0.7", "hand: 1 − 0.3"},
        {"504", "b增", "=n", "0.8", "hand: 0.7 + 0.1"},
        {"504", "c增*3", "=p", "0.3", "hand: 0 + 0.3"},
        {"504", "c减", "=p", "0.2", "hand: 0.3 − 0.1"},
        {"504", "", "ink@-3.5,-0.1417", "3.5,-2.5", "py: the directrix"},
        {"504", "", "ink@-0.3333,-2.5", "3.5,-2.5", "py: the axis x = −b/2a"},
        {"504", "左右", "ink@-0.1417,-2.5", "3.5,-2.5", "py: the directrix x = −0.1417"},
        {"504", "", "ink@-3.5,-0.3333", "3.5,-2.5", "py: the axis y = −0.3333"},
        {"504", "", "bare@-3.5,-0.1417", "3.5,-2.5", "hand: no level directrix now"},
        {"504", "上下", "ink@-3.5,-0.1417", "3.5,-2.5", "py: the directrix again"},
        {"504", "a减*3", "=m", "0.9", "hand: 1.2 − 0.3"},
        {"504", "b增*3", "=n", "1.1", "hand: 0.8 + 0.3"},
        {"504", "c减*3", "=p", "-0.1", "hand: 0.2 − 0.3"},
        {"504", "@1,1.9", "ink@0.1944,0.8708", "3.5,-2.5", "py: the middle of P to F"},
        {"504", "", "ink@1,0.5931", "3.5,-2.5", "py: halfway down to the directrix"},
        {"504", "", "ink@-3.5,-0.7139", "3.5,-2.5", "py: the directrix y = −0.7139"},
        {"504", "左右|@1.9,1", "ink@0.8708,0.1944", "3.5,-2.5", "py: P to F, sideways, halfway"},
        {"504", "", "ink@0.5931,1", "3.5,-2.5", "py: halfway across to the directrix x = −0.7139"},
        {"507", "c增*3", "=m", "1.3", "hand: 1 + 0.3"},
        {"507", "c减", "=m", "1.2", "hand: 1.3 − 0.1"},
        {"507", "@-0.3,0.1", "P到F1和F2距离乘积:", "1.12", "py: 1.1216"},
        {"507", "c减*3", "P到F1和F2距离乘积:", "0.82", "py: 0.8222 at c = 0.9"},
        {"507", "", "rgb@0.9487,0", "0,150,255", "py: F1 at (√0.9, 0)"},
        {"507", "", "rgb@-0.9487,0", "0,150,255", "py: F2 at (−√0.9, 0)"},
        {"507", "", "rgb@0.3244,0.05", "255,128,0", "py: the middle of P to F1"},
        {"507", "", "rgb@-0.6244,0.05", "255,128,0", "py: the middle of P to F2"},
        {"510", "顶点(-2a,0)", "?-3.0", "", "hand: x from −3"},
        {"510", "", "ink@-0.5,0.5", "0.9,-1.4", "hand: the circle's top at x = −1/2"},
        {"510", "", "bare@0.5,0.5", "0.9,-1.4", "hand: none right of the origin"},
        {"510", "顶点(2a,0)", "!-3.0", "", "hand: x from −1 again"},
        {"510", "", "ink@0.5,0.5", "-0.9,-1.4", "hand: the circle's top at x = 1/2"},
        {"510", "", "rgb@2.08,-0.08", "255,128,0", "hand: the label 2a at (2a, 0), a = 1"},
        {"510", "@1.5,1", "rgb@0.334,0.2227", "255,128,0",
         "py: O to kP, k = 1 − 1/|P| = 0.4453, halfway"},
        {"510", "", "rgb@1.1,0.7333", "0,150,255", "py: from kP on to P"},
        {"514", "", "?1.5", "", "hand: x in [−1, 1.5], one decimal"},
        {"514", "", "!1.50", "", "hand: not the y axis's two"},
        {"514", "", "!-1.00", "", "hand"},
        {"514", "", "?-0.90", "", "hand: y in [−0.9, 0.9], two decimals"},
        {"514", "", "rgb@0,-0.88", "0,255,0", "hand: the y axis from the plot's foot"},
        {"514", "", "rgb@0,0.85", "0,255,0", "hand: up to its head"},
    });
}

// Sources: python3, the constructions where the parameters put them; pen
// RGB(255,128,0), fill RGB(0,150,255). Page 502: a = 1.5, b = 0.7, foci
// (±1.3266, 0), P = (1.5 cos 1, 0.7 sin 1) = (0.8105, 0.589). Page 503:
// a = 1, b = 0.5, P = (√5, 1), foci ±√1.25 = ±1.118, the asymptotes y =
// ±b x/(a + 0.01). Page 505: P at x = 2: the circle point (cos 2 − 2, sin
// 2) = (−2.4161, 0.9093); page 506 the same with (−sin 2 − 2, cos 2) =
// (−2.9093, −0.4161). Page 501: the marks of a point, its radius and its
// tangent from (x + y, y − x). Page 508: P at x = 3: the rolling circle about
// (3, 1). Page 509: P at x = 0.4: C = (0.4, √(0.5625 − 0.16)) = (0.4,
// 0.6344), θ = atan(Cy/0.4) = 1.0077.
PRESS_TABLE(CatalogPresses, ClassicalConstructions) {
    Run({
        {"502", "a增*8|a减*3|b减*3|@0.8105,0.589", "ink@1.0686,0.2945", "-2.5,-1.5",
         "py: the middle of P to F1"},
        {"502", "", "ink@-0.2581,0.2945", "-2.5,-1.5", "py: the middle of P to F2"},
        {"502", "", "rgb@1.3266,0", "0,150,255", "py: F1's dot"},
        {"502", "", "rgb@-1.3266,0", "0,150,255", "py: F2's dot"},
        {"502", "", "ink@-0.6242,0.6365", "-2.5,-1.5", "py: the ellipse at t = 2"},
        {"502", "", "bare@0.7071,0.7071", "-2.5,-1.5", "py: the script's circle, 0.09 above"},
        {"503", "b减*5|@2.2361,1", "rgb@3.9,1.9307", "0,150,255", "py: an asymptote near x max"},
        {"503", "", "rgb@-3.9,1.9307", "0,150,255", "py: the other near x min"},
        {"503", "", "rgb@1.9,-0.9406", "0,150,255", "py: the other, halfway down"},
        {"503", "", "rgb@1,0.4", "255,128,0", "hand: the box's side x = a"},
        {"503", "", "rgb@-0.5,0.5", "255,128,0", "hand: the box's top y = b"},
        {"503", "", "ink@1.677,0.5", "-3.5,-2.5", "py: the middle of P to F1"},
        {"503", "", "ink@0.559,0.5", "-3.5,-2.5", "py: the middle of P to F2"},
        {"503", "", "rgb@-1.118,0", "0,150,255", "py: F2's dot"},
        {"503", "实轴y", "rgb@0,-1.118", "0,150,255", "py: the foci on y"},
        {"501", "@0.5,0.866", "rgb@0.25,0.433", "255,128,0", "hand: the radius to P, halfway"},
        {"501", "", "rgb@0.933,0.616", "0,150,255",
         "hand: the tangent from (x + y, y − x), halfway"},
        {"501", "@-0.8,0.6", "rgb@-0.4,0.3", "255,128,0", "hand: the second point's radius"},
        {"501", "", "rgb@-0.5,1", "0,150,255", "hand: the second point's tangent"},
        {"501", "", "rgb@0.25,0.433", "255,128,0", "hand: the first point's marks stay"},
        {"505", "@2,1.5", "rgb@-2.2081,0.4546", "255,128,0", "py: the middle of the radius"},
        {"505", "", "rgb@-0.2081,0.9093", "255,128,0", "py: the middle of the level line"},
        {"505", "", "rgb@2,0.4546", "255,128,0", "py: the middle of the ordinate"},
        {"505", "", "rgb@1,0.8415", "0,150,255", "py: traced up to t = 2"},
        {"505", "", "rgb@3,0.1411", "!0,150,255", "py: not traced past t = 2"},
        {"505", "", "rgb@-1.8379,0.2524", "0,150,255", "py: the angle arc at 1"},
        {"505", "", "rgb@-2.2403,0.1795", "!0,150,255", "py: the angle arc stops at 2"},
        {"506", "@2,1.5", "rgb@-2.4546,-0.2081", "255,128,0", "py: the middle of the radius"},
        {"506", "", "rgb@-0.4546,-0.4161", "255,128,0", "py: the middle of the level line"},
        {"506", "", "rgb@2,-0.2081", "255,128,0", "py: the middle of the ordinate"},
        {"506", "", "rgb@-2,0.5", "255,128,0", "hand: (−2, 1) down to the centre"},
        {"506", "", "rgb@-2.2403,0.1795", "0,150,255", "py: the angle arc at 2.5"},
        {"506", "", "rgb@-2.1961,-0.227", "!0,150,255", "py: the arc stops at 3.57"},
        {"508", "@3,2.5", "rgb@3.7071,1.7071", "255,128,0", "py: the rolling circle at 45°"},
        {"508", "", "rgb@3,0.5", "0,150,255", "hand: from the centre down to the axis"},
        {"508", "", "rgb@2.9294,1.495", "0,150,255", "py: the middle of the spoke"},
        {"508", "", "rgb@0.5025,0.9293", "0,150,255", "py: the trace at t = 1.5, over the curve"},
        {"508", "@2,0", "rgb@2,0.06", "0,150,255", "hand: P on the axis, the drop reaches y = 0"},
        {"508", "", "rgb@1.5454,1.2081", "0,150,255", "py: the spoke's middle at t = 2"},
        {"509", "@0.4,0.9", "rgb@0.2,0.3172", "255,128,0", "py: the middle of C to O"},
        {"509", "", "rgb@0.4,0.8844", "255,128,0", "py: the rolling circle's top"},
        {"509", "", "rgb@0.2759,0.6196", "0,150,255", "py: the middle of C to the tracer"},
        {"509", "", "rgb@0.6759,0.1102", "0,150,255", "py: the trace at u = 0.5, over the curve"},
    });
}

} // namespace
