// The lines the calculus figures draw, read where each one ends and runs:
// the increment construction of 306, the tangent's drops on 308, the strips
// of the quadrature rules (323, 324, 325); each by its colour at a world
// point worked out apart, or by ink against a bare place of the plot.
#include "press_table.h"

namespace {

// Sources: python3, page 306's first figure: F = sin x, M at x0 = 0.8, N at
// x1 = x0 + Δx (Δx = ±4h, h from 0.1 by ×1.25), y0 = sin x0 = 0.7174,
// y1 = sin x1; dy = cos x0 · Δx ends at yd. The drops from M and N are cyan
// (0, 255, 255), Δx on the axis blue (0, 150, 255), the Δy lines orange
// (255, 128, 0), the differential yellow (250, 255, 0). "△x正" changes
// nothing at first: it makes the first figure the one read.
PRESS_TABLE(CalculusDrawingPresses, TheIncrementAndDifferentialOfPage306) {
    Run({
        {"306/2400", "△x正", "rgb@1.2,0.45", "0,255,255", "py: N's drop at x1 1.2"},
        {"306/2400", "", "rgb@0.8,0.3", "0,255,255", "hand: M's drop at x0 0.8"},
        {"306/2400", "", "rgb@1,0", "0,150,255", "hand: Δx from 0.8 to 1.2 on the axis"},
        {"306/2400", "", "rgb@1.4,0", "!0,150,255", "hand: Δx ends at 1.2"},
        {"306/2400", "", "rgb@0.6,0.932", "255,128,0", "py: y1 = sin 1.2, from 0 to x1"},
        {"306/2400", "", "rgb@1.05,0.932", "255,128,0", "py: y1's line runs past x0 to x1"},
        {"306/2400", "", "rgb@1.45,0.932", "!255,128,0", "py: y1's line ends at x1"},
        {"306/2400", "", "rgb@0.4,0.7174", "255,128,0", "py: y0 = sin 0.8, from 0 to x0"},
        {"306/2400", "", "rgb@0,0.82", "255,128,0", "py: Δy on the y axis, 0.7174 to 0.932"},
        {"306/2400", "", "rgb@0,0.5", "!255,128,0", "py: below y0"},
        {"306/2400", "", "rgb@1,0.8567", "250,255,0", "py: dy's slope line at its middle"},
        {"306/2400", "", "rgb@1,0.7174", "250,255,0", "py: dx from x0 to x1 at y0"},
        {"306/2400", "", "rgb@1.2,0.97", "250,255,0", "py: dy at x1, y0 to yd 0.996"},
        {"306/2400", "△x负", "rgb@0.6,0", "0,150,255", "hand: Δx from 0.4 to 0.8"},
        {"306/2400", "", "rgb@1,0", "!0,150,255", "hand: no Δx right of x0"},
        {"306/2400", "", "rgb@0.87,0", "!0,150,255", "hand: Δx ends at x0"},
        {"306/2400", "", "rgb@0.4,0.2", "0,255,255", "py: N's drop at x1 0.4"},
        {"306/2400", "", "rgb@0.2,0.3894", "255,128,0", "py: y1 = sin 0.4, from 0 to x1"},
        {"306/2400", "", "rgb@0.6,0.3894", "!255,128,0", "py: y1's line ends at x1 0.4"},
        {"306/2400", "", "rgb@0.6,0.578", "250,255,0", "py: dy's slope line, yd 0.4387"},
        {"306/2400", "\\|△x\\|增", "rgb@0.3,0.15", "0,255,255", "py: Δx −0.5, N's drop at 0.3"},
        {"306/2400", "", "rgb@0.15,0.2955", "255,128,0", "py: y1 = sin 0.3"},
        {"306/2400", "", "rgb@0.4,0.2", "!0,255,255", "py: the drop has left 0.4"},
    });
}

// Sources: python3, page 308's second figure: F = 0.5x² − 1 (DATA1), the
// tangent at x0 = 1, M = (1, −0.5), slope 1: y = x − 1.5, orange
// (255, 120, 0), with M dropped to both axes.
PRESS_TABLE(CalculusDrawingPresses, TheTangentAndItsDropsOfPage308) {
    Run({
        {"308/2600", "", "rgb@1,-0.1", "255,120,0", "hand: M's drop reaches the x axis"},
        {"308/2600", "", "rgb@1,0.3", "!255,120,0", "hand: the drop ends on the axis"},
        {"308/2600", "", "rgb@0.5,-0.5", "255,120,0", "hand: M's drop to the y axis"},
        {"308/2600", "", "rgb@-0.5,-0.5", "!255,120,0", "hand: it ends on the y axis"},
        {"308/2600", "", "rgb@2.5,1", "255,120,0", "hand: the tangent right of M"},
        {"308/2600", "", "rgb@0.25,-1.25", "255,120,0", "hand: the tangent left of M"},
        {"308/2600", "", "y= ;;          x  ", "1.000;;-1.500", "hand: F'(1) = 1, c = −0.5 − 1"},
        {"308/2600", "", "%#4;;%P;;%y= ;;rgb@1,-0.5", "255,120,0;;255,120,0;;255,120,0;;250,255,0",
         "hand: P (after the axes' empty labels of both figures), Q and the slope in the script's "
         "pen; M ringed in the first derivative's slot"},
    });
}

// Sources: python3, the strips' outlines in (199, 125, 60). Page 323: x² on
// [0, 1], n strips as high as F at x + c h; page 324: sin x on
// [0, π], the trapezoids' tops from (x, F0) to (x + h, F1); page 325:
// Simpson's verticals at the nodes in (255, 100, 100). "n增加" first makes
// the first figure of 323 the one read.
PRESS_TABLE(CalculusDrawingPresses, TheStripsOfTheQuadratureRules) {
    Run({
        {"323", "n增加", "rgb@0.6,0.5625", "199,125,60", "py: n 2, c 0.5: 0.75² over [0.5, 1]"},
        {"323", "", "rgb@0.1,0.0625", "199,125,60", "py: 0.25² over [0, 0.5]"},
        {"323", "", "rgb@1,0.3", "199,125,60", "py: the right side at 1, up to 0.5625"},
        {"323", "", "rgb@1,0.75", "!199,125,60", "py: above 0.5625"},
        {"323", "", "rgb@0.95,0.5625", "199,125,60", "py: the top runs on to x = 1"},
        {"323", "左端点", "rgb@0.75,0.25", "199,125,60", "py: c 0: 0.5² over [0.5, 1]"},
        {"323", "", "rgb@0.95,0.25", "199,125,60", "py: c 0: the top near its right end"},
        {"323", "", "rgb@0.9,0.5625", "!199,125,60", "py: the middle's top is gone"},
        {"323", "右端点", "rgb@0.25,0.25", "199,125,60", "py: c 1: 0.5² over [0, 0.5]"},
        {"323", "", "rgb@0.6,1", "199,125,60", "py: c 1: 1² over [0.5, 1]"},
        {"324", "n增加", "rgb@0.7854,0.5", "199,125,60", "py: n 2, (0, 0) to (1.5708, 1)"},
        {"324", "", "rgb@2.3562,0.5", "199,125,60", "py: (1.5708, 1) to (π, 0)"},
        {"324", "", "rgb@2.3562,1", "!199,125,60", "py: no top at F0's height"},
        {"324", "", "rgb@2,0.7268", "199,125,60", "py: the top at x = 2"},
        {"324", "", "rgb@1.5708,0.5", "199,125,60", "py: the side at 1.5708"},
        {"324", "n增加", "rgb@1.1781,0.8536", "199,125,60", "py: n 4, the top over [π/4, π/2]"},
        {"324", "", "rgb@2,0.7268", "!199,125,60", "py: n 2's top is gone"},
        {"324", "n减少*2", "rgb@2.3562,0.5", "!199,125,60", "hand: n 1, one flat trapezoid"},
        {"324", "n增加*2", "rgb@2.3562,0.69", "199,125,60", "py: n 4, the edge at 3π/4 to 0.7071"},
        {"324", "", "rgb@2.3562,0.78", "!199,125,60", "py: not up to sin(π/2) = 1"},
        {"325", "n增加", "rgb@1.5708,0.5", "255,100,100", "py: n 2, the node at 1.5708"},
        {"325", "", "rgb@0.7854,0.3", "!255,100,100", "py: no node at 0.7854"},
        {"325", "n增加", "rgb@0.7854,0.3", "255,100,100", "py: n 4, F = 0.7071 there"},
        {"325", "", "rgb@0.7854,0.8", "!255,100,100", "py: above 0.7071"},
        {"325", "", "rgb@2.3562,0.69", "255,100,100", "py: the edge at 3π/4 to 0.7071"},
        {"325", "", "rgb@2.3562,0.78", "!255,100,100", "py: not up to sin(π/2) = 1"},
    });
}

// Sources: hand, page 329: F = sin x on [0, 2π], its mean points ξ at π/2
// and 3π/2 (F' = 0, the chord's slope too), each dropped to the axis with a
// tangent piece 0.1 of the x span (7.5) to either side, in yellow
// (250, 255, 0); Lagrange's chord in (255, 100, 100) along the axis.
PRESS_TABLE(CalculusDrawingPresses, TheMeanPointsOfPage329) {
    Run({
        {"329", "罗尔", "rgb@1.5708,0.5;;rgb@1.5708,1.05;;rgb@2.3208,1.05",
         "250,255,0;;250,255,0;;!250,255,0",
         "hand: ξ1 = π/2 dropped; its dot on the curve rises 3 pixels (69 a unit) over the "
         "level piece, whose end π/2 + 0.75 has none"},
        {"329", "", "rgb@2.2,1", "250,255,0", "hand: the piece y = 1 to π/2 + 0.75"},
        {"329", "", "rgb@2.6,1", "!250,255,0", "hand: past π/2 + 0.75"},
        {"329", "", "rgb@4.7124,-0.5;;rgb@4.7604,0", "250,255,0;;250,255,0",
         "hand: ξ2 = 3π/2 dropped, its dot on the axis 3 pixels wide of it"},
        {"329", "", "rgb@4,-1", "250,255,0", "hand: the piece y = −1 from 3π/2 − 0.75"},
        {"329", "", "rgb@2.5,0", "!255,100,100", "hand: no chord for Rolle"},
        {"329", "",
         "%ξ#5;;%ξ#6;;%拉氏;;rgb@1.5708,0;;rgb@4.7124,-1;;rgb@0.7,0.6442;;rgb@1.5708,1.15",
         "255,255,0;;255,255,0;;0,255,255;;!0,150,255;;!0,150,255;;0,255,255;;!250,255,0",
         "hand: ξk (past the prose's four) in palette 5, the title in the curve slot, the dots "
         "filled as drawn, sin 0.7 in the curve slot; the ordinate stops at 1"},
        {"329", "拉氏", "rgb@2.5,0", "255,100,100", "hand: the chord (0, 0) to (2π, 0)"},
        {"329", "", "rgb@1.5708,0.5", "250,255,0", "hand: the chord's slope 0 at π/2"},
        {"329", "", "%ξ#6;;%拉氏;;rgb@4.7124,0;;rgb@6.6,0;;rgb@-0.3,0",
         "255,255,0;;0,255,255;;!0,150,255;;!255,100,100;;!255,100,100",
         "hand: ξ2, the title; the chord ends at 0 and 2π"},
        // The last figure: the interval [1, +∞) as Region draws it, a = 1
        // closed, b = 5.5 an infinite end.
        {"329/2600", "", "rgb@3,0.5;;rgb@1.05,0.3;;rgb@0.8,0.5;;rgb@5.45,0.3",
         "0,255,255;;0,255,255;;!0,255,255;;!0,255,255",
         "hand: the bracket from a + 0.1 and a's stroke in the curve slot; no stroke at the "
         "infinite end"},
        // The open interval (1, 4) the last figure in sight: a written a
        // twentieth of the span (7) left of its dot, b at its own.
        {"329/1600", "", "at@4,0;;at@0.65,0;;rgb@3.95,0.3;;rgb@4.05,0.3",
         "b;;a;;0,255,255;;!0,255,255",
         "hand: b at 4, a at 1 − 7/20; b's stroke from (4, 0.1) in to the bracket's end "
         "(3.9, 0.5), halfway at (3.95, 0.3), none outside b"},
    });
}

// Sources: python3, page 338: the partial sum of x extended oddly with
// period 2π, S_n = Σ 2(−1)^(k+1) sin(kx)/k, drawn in (250, 255, 0).
PRESS_TABLE(CalculusDrawingPresses, TheFourierSumOfPage338) {
    Run({
        {"338", "", "rgb@1.5708,2", "250,255,0", "py: S1(π/2) = 2"},
        {"338", "", "rgb@4,-1.5136", "250,255,0", "py: S1(4) = 2 sin 4"},
        {"338", "", "rgb@-8,-1.9787", "250,255,0", "py: S1 at the left end, 2 sin(−8)"},
        {"338", "", "rgb@-8,-1", "!250,255,0", "py: no rise from 0 at the left end"},
        {"338", "", "rgb@-6,-1.9787", "!250,255,0", "py: S1(−6) = 0.5588, nothing at −1.98"},
        {"338", "n增加*2", "rgb@-1.5708,-1.3333", "250,255,0", "py: S3(−π/2) = −2 + 2/3"},
        {"338", "", "rgb@-1.5708,-2", "!250,255,0", "py: S1 is gone"},
        {"338", "", "rgb@4,-2.8607", "250,255,0", "py: S3(4)"},
        {"338", "n减少*2", "rgb@4,-1.5136", "250,255,0", "py: S1 again"},
    });
}

// Sources: hand, ε from 0.1 and δ from 1 by ×1.25 and ×0.8 on the first
// figures of pages 301 and 302.
PRESS_TABLE(CalculusDrawingPresses, TheStepsAtInfinityOfPages301And302) {
    Run({
        {"301", "ε增加", "=ε", "0.125", "hand: 0.1 × 1.25"},
        {"301", "δ再小*2", "=δ", "0.64", "hand: 1 × 0.8²"},
        {"302", "δ再大*2", "=δ", "1.5625", "hand: 1 × 1.25²"},
        {"302", "ε减少*2", "=ε", "0.064", "hand: 0.1 × 0.8²"},
    });
}

// Sources: python3, page 330: F = 6 + (x − 1)(x − 4)(1 + 0.5 sin 2x) on
// [0.5, 4.5], its mean μ = 5.3534 (midpoint rule, 200000 pieces) drawn
// across the plot in yellow, and the points ξ = 1.1678 and 3.8480 where
// F = μ dropped from μ in (255, 100, 100); strips 0.1 wide from a (0.02 of
// the x span 5), each with its midline up to F in (0, 255, 255).
PRESS_TABLE(CalculusDrawingPresses, TheIntegralMeanOfPage330) {
    Run({
        {"330", "", "rgb@0.2,5.3534", "250,255,0", "py: μ left of a"},
        {"330", "", "rgb@0.2,5.9", "!250,255,0", "py: above μ"},
        {"330", "", "rgb@1.1678,2.5;;rgb@0.6,3;;rgb@0.6,5.1", "255,100,100;;250,255,0;;250,255,0",
         "py: ξ1 dropped; the strip's side at 0.6 up to μ, past 5.1 (7 px under μ)"},
        {"330", "", "rgb@3.848,2.5", "255,100,100", "py: ξ2 dropped"},
        {"330", "", "rgb@3.848,6.3", "!255,100,100", "py: ξ2's line ends at μ"},
        {"330", "", "rgb@0.55,8.14", "0,255,255", "py: midline of [0.5, 0.6] to F(0.55) 8.2443"},
        {"330", "", "rgb@0.55,8.54", "!0,255,255", "py: not up to F(0.5) = 8.4863"},
    });
}

// Sources: python3, page 350: bars of Xn = (1 + 1/n)^n over [n, n + 1],
// as high as the term at n + d (d 0, 0.5, 1: left end, middle, right end),
// outlined in (255, 128, 0) and filled in (0, 150, 255); the curve starts at
// 0.5, so the first bar's top stands alone.
PRESS_TABLE(CalculusDrawingPresses, TheBarsOfPage350) {
    Run({
        {"350", "中点", "rgb@0.25,1.7321", "255,128,0", "py: X(0.5) = √3"},
        {"350", "", "rgb@0.25,1;;rgb@0,1", "0,150,255;;255,128,0",
         "py: the first bar filled, its left side at n = 0 up to √3"},
        {"350", "", "rgb@0.75,1.8879;;rgb@0.3,1.5526;;rgb@5.25,2.4977",
         "0,255,255;;!0,255,255;;0,255,255",
         "py: the curve in its slot over the bars, X(0.75) and X(5.25); it starts at 0.5, not at "
         "0.3"},
        {"350", "右端点", "rgb@0.25,2", "255,128,0", "py: X(1) = 2"},
        {"350", "", "rgb@0.25,1.7321", "!255,128,0", "py: √3 is gone"},
        {"350", "左端点", "rgb@0.5,1", "!0,150,255", "py: X(0) is 0, no first bar"},
        {"350", "", "rgb@1.5,2", "255,128,0", "py: the second bar X(1) = 2"},
        {"350", "", "rgb@2.5,2.25", "255,128,0", "py: the third bar X(2) = 2.25"},
    });
    // Falling terms 3 − 0.2n read at the middles: each bar's right side
    // stands above the next bar's top.
    RunScript("700DATA1(0,0,-0.2,3,0,0,0,)\n"
              "700Sequence(0.3,3,34,9,39,1,0,0,12,0,3.2,0.5,12,0,3)\n",
              {
                  {"350", "中点", "rgb@3,2.4;;rgb@1,2.8;;rgb@3.5,2.4",
                   "255,128,0;;255,128,0;;!255,128,0",
                   "hand: bar 2 as high as 3 − 0.2 · 2.5 = 2.5 over bar 3's 2.3, bar 0's 2.9 over "
                   "bar 1's 2.7; nothing above bar 3's top"},
              });
}

// Sources: hand, pages 326 and 328: the element width h from 0.1 by ×1.25
// and ×0.8 along y after "y型"; about the other axis the solid is cut in
// shells, which write no volume.
PRESS_TABLE(CalculusDrawingPresses, TheAxesAndDirectionsOfPages326And328) {
    Run({
        {"326", "绕y轴", "!旋转体体积:", "", "hand: shells, no value"},
        {"326", "绕x轴", "旋转体体积:", "14.137", "py: washers again, 4.5π"},
        {"326", "y型", "?dy增", "", "hand: the strips run along y"},
        {"326", "dy增", "=h", "0.125", "hand: 0.1 × 1.25"},
        {"326", "dy减*3", "=h", "0.064", "hand: 0.125 × 0.8³"},
        {"326", "x型", "?dx增", "", "hand: along x again"},
        // The second figure, the same region turned about the y axis; both
        // figures stay drawn, the second's buttons "#2" where the first has
        // the same.
        // Shells 0.3 wide down from 4; the one picked at 3 (its start 3.1
        // within 0.15) has its sides in the second derivative's slot, the
        // others in the first's.
        {"326/2400", "^3,1.7321", "rgb@2.95,1.4;;rgb@2.65,1.4", "255,100,100;;250,255,0",
         "hand: [2.8, 3.1] from 1 up to √3.1, [2.5, 2.8] to √2.8"},
        {"326/2400", "x型#2|dx减#2*3", "=h", "0.0512", "hand: 0.1 × 0.8³"},
        {"326/2400", "dx增#2", "=h", "0.064", "hand: 0.0512 × 1.25"},
        {"326/2400", "y型#2", "?dy增", "", "hand: the strips run along y"},
        {"326/2400", "dy增*3", "=h", "0.125", "hand: 0.064 × 1.25³"},
        {"326/2400", "dy减", "=h", "0.1", "hand: 0.125 × 0.8"},
        {"326/2400", "x型#2", "!dy增", "", "hand: along x again"},
        {"326/2400", "", "!旋转体体积:", "", "hand: shells, no value"},
        {"326/2400", "绕x轴#2", "旋转体体积:", "14.137", "py: washers about x, 4.5π"},
        {"326/2400", "绕y轴#2", "!旋转体体积:", "", "hand: shells again"},
        {"326/2400", "体积元素#2|绕x轴#2", "!体积近似值:", "", "hand: one element, no sum"},
        {"326/2400", "体积近似和#2", "体积近似值:", "12.723", "py: dx 0.3, 10 washers"},
        {"326/2400", "显示外部#2|显示内部#2", "体积近似值:", "12.723", "hand: the sum stays"},
        {"326/2400", "旋转体#2", "!体积近似值:", "", "hand: the whole solid, no sum"},
        // Each figure keeps its own element width.
        {"326/2400", "dx增*2", "=h", "0.15625", "hand: the first figure's 0.1 × 1.25²"},
        {"326/2400", "dx减#2", "=h", "0.08", "hand: the second's own 0.1 × 0.8"},
        {"326/2400", "dx增", "=h", "0.1953125", "hand: the first's 0.15625 × 1.25"},
        {"328", "y型", "!dx增", "", "hand: the strips run along y"},
        {"328", "dy减", "=h", "0.08", "hand: 0.1 × 0.8"},
        {"328", "dy增*2", "=h", "0.125", "hand: 0.08 × 1.25²"},
        {"328", "x型", "!dy增", "", "hand: along x again"},
    });
    // y = x over y = 0 on [1, 3]: washers about y = −1 (the y range made
    // [−6, 4] about it), the axis line left of a in (250, 255, 0); shells
    // about x = 5 (the x range to 2c − a = 9), the segment at x = 5 from 1 to
    // 3 in (0, 255, 255).
    RunScript("700Revolve(0.3,3,34,9,20,90,0,-0.5,3.5,-4,4,1,3,1,0,0,-1)\n",
              {
                  {"915", "@2,0.5", "rgb@-0.3,-1", "250,255,0", "hand: the axis y = −1"},
              });
    RunScript("700Revolve(0.3,3,34,9,20,90,0,-0.5,3.5,-4,4,1,3,1,1,0,5)\n",
              {
                  {"915", "@2,0.5", "rgb@5,2", "0,255,255", "hand: the segment at x = 5"},
                  // Shells 0.1 · 2 wide from 1; the one picked at 2.05
                  // [2, 2.2] and every shell's start mirrored at 10 − x.
                  {"915", "^2.05,2.05", "rgb@7.9,1;;rgb@7.4,1;;rgb@7.7,1",
                   "255,100,100;;255,100,100;;!255,100,100",
                   "hand: the picked shell's sides over [7.8, 8]; the start 2.6 at 7.4; none "
                   "inside the unpicked [7.6, 7.8]"},
              });
}

// Sources: python3, page 314: the normal equations of set 1 give
// y = −2.7394 + 0.48303x, drawn in (0, 255, 255) with the points in
// (255, 100, 100); "b增" adds 0.05 · 100/200 to b; set 3 fitted through
// ln y: y = 78.570 e^(−0.103686x).
PRESS_TABLE(CalculusDrawingPresses, TheFittedCurvesOfPage314) {
    Run({
        {"314", "y=a+bx|最小二乘法", "rgb@155,72.13", "0,255,255", "py: a + 155b"},
        {"314", "", "rgb@60,26.242", "0,255,255", "py: a + 60b"},
        {"314", "", "rgb@155,82", "!0,255,255", "py: above the line"},
        {"314", "", "rgb@100,45", "255,100,100", "hand: set 1's first point"},
        {"314", "", "rgb@190,89", "255,100,100", "hand: set 1's last point"},
        {"314", "找拟合曲线|b增", "rgb@155,76.005", "0,255,255", "py: b + 0.025 at 155"},
        {"314", "", "rgb@155,72.13", "!0,255,255", "py: the fit's line is gone"},
        {"314", "数据3|y=ae^(bx)|最小二乘法", "rgb@10,27.858", "0,255,255", "py: x = 10"},
        {"314", "", "rgb@16.5,14.199", "0,255,255", "py: 78.570 e^(−1.71082)"},
        {"314", "", "rgb@3,57.6", "255,100,100", "hand: set 3's first point"},
    });
}

// Sources: hand, the scene controls of the calculus pages drawn in space:
// the mesh count from 50 by ×1.5 and ×2/3 in whole numbers, and on 311 the
// cutting height z = c from 0 by a twentieth of the z span 5.
PRESS_TABLE(CalculusDrawingPresses, TheSceneControlsOfTheSpacePages) {
    Run({
        {"309", "增加", "=Meshx", "75", "hand: 50 × 1.5"},
        {"309", "减少*2", "=Meshx", "33", "hand: 75 → 50 → 33"},
        {"311", "上移", "z= ", "0.250", "hand: 0 + 5/20"},
        {"311", "上移*2", "z= ", "0.750", "hand: 3 × 0.25"},
        {"311", "下移*4", "z= ", "-0.250", "hand: 0.75 − 4 × 0.25"},
        {"311", "增加", "=Meshx", "75", "hand: 50 × 1.5"},
        {"311", "减少#2*2", "=Meshy", "22", "hand: 50 → 33 → 22"},
        {"311", "增加#2", "=Meshy", "33", "hand: 22 × 3/2"},
        {"311", "关闭投影", "at3@-1.5,0.6,2",
         "z= ", "hand: the inset closed, c's value at x min, y max − 0.3 · 3, z max − 0.1 · 5"},
        {"318", "减少", "=Meshx", "33", "hand: 50 × 2/3"},
        {"318", "增加*2", "=Meshx", "73", "hand: 33 → 49 → 73"},
        {"327", "增加", "=Meshx", "75", "hand: 50 × 1.5"},
        {"327", "减少", "=Meshx", "50", "hand: 75 × 2/3"},
        {"327", "减少#2", "=Meshy", "33", "hand: 50 × 2/3"},
        {"327", "增加#2*2", "=Meshy", "73", "hand: 33 → 49 → 73"},
        {"327/2400", "增加#3", "=Meshx", "75", "hand: the second figure's, 50 × 3/2"},
        // Once it is clicked the first figure is not drawn again.
        {"327/2400", "减少*2", "=Meshx", "33", "hand: 75 → 50 → 33"},
        {"327/2400", "增加#2", "=Meshy", "75", "hand: 50 × 3/2"},
        {"327/2400", "减少#2*2", "=Meshy", "33", "hand: 75 → 50 → 33"},
        // Once clicked the second figure is the only one drawn.
        {"327/2400", "关闭投影", "?打开投影", "", "hand: the second figure's inset goes"},
        {"327/2400", "打开投影", "?关闭投影", "", "hand: and shows again"},
        {"373", "减少", "=Meshx", "33", "hand: 50 × 2/3"},
        {"373", "增加", "=Meshx", "49", "hand: 33 × 1.5 = 49.5"},
        {"382", "增加", "=Meshx", "75", "hand: 50 × 1.5"},
        {"382", "减少*2", "=Meshx", "33", "hand: 75 → 50 → 33"},
    });
}

// Sources: hand, page 351: Zn = A(Zn-1 + B)Zn-1 + C, the presets' A, B, C
// ("z0平面" all three; the A, B and C planes keep their own coefficient
// and set the other two), each part stepped by 0.1 ("ReA" in the upper
// row adds, "ReA#2" in the lower subtracts); one decimal. The list reads
// "A=", "+i", "B=", "+i", "C=", "+i"; n from the script's 200, doubled and
// halved (never below 200); ε from 0.1 by ×10 and ×0.1, M from 1e8 by ×2
// and ×0.5.
PRESS_TABLE(CalculusDrawingPresses, TheCoefficientsOfPage351) {
    Run({
        {"351", "z0平面", "A=", "0.4", "hand: the preset A = 0.4 + 0.3i"},
        {"351", "", "+i", "0.3", "hand: Im A"},
        {"351", "", "B=", "-0.4", "hand: B = −0.4 + 0.4i"},
        {"351", "", "+i#3", "0.8", "hand: Im C of C = 1 + 0.8i"},
        {"351", "ReA", "A=", "0.5", "hand: 0.4 + 0.1"},
        {"351", "ImA*2", "+i", "0.5", "hand: 0.3 + 0.2"},
        {"351", "ReB#2", "B=", "-0.5", "hand: −0.4 − 0.1"},
        {"351", "ImB#2*3", "+i#2", "0.1", "hand: 0.4 − 0.3"},
        {"351", "ReC", "C=", "1.1", "hand: 1 + 0.1"},
        {"351", "ImC#2", "+i#3", "0.7", "hand: 0.8 − 0.1"},
        {"351", "A平面", "B=", "0.0", "hand: B = 0"},
        {"351", "", "C=", "1.0", "hand: C = 1"},
        {"351", "", "A=", "0.5", "hand: A is the plane's own"},
        {"351", "B平面", "A=", "-0.6", "hand: A = −0.6"},
        {"351", "", "+i#3", "0.9", "hand: C = 0.8 + 0.9i"},
        {"351", "C平面", "+i", "0.6", "hand: A = 0.8 + 0.6i"},
        {"351", "", "B=", "0.3", "hand: B = 0.3 + 0.7i"},
        {"351", "n", "n=", "400", "hand: 200 × 2"},
        {"351", "n#2*3", "n=", "200", "hand: 400 / 2, then held at the script's 200"},
        {"351", "M", "M=", "200000000", "hand: 1e8 × 2"},
        {"351", "M#2*3", "M=", "25000000", "hand: 2e8 / 2³"},
        {"351", "ε", "=ε", "1", "hand: 0.1 × 10"},
        {"351", "ε#2*2", "=ε", "0.01", "hand: 1 × 0.1²"},
    });
}

// Sources: python3, page 315: the Taylor polynomials of cos x at the
// cursor's x0 = 0, drawn in (255, 100, 100) with x0's line up to cos 0:
// P1 = 1, P2 = P3 = 1 − x²/2, P4 = P2 + x⁴/24, read at x = 2, where
// cos 2 = −0.416 lies apart.
PRESS_TABLE(CalculusDrawingPresses, TheTaylorPolynomialOfPage315) {
    Run({
        {"315", "", "?=泰勒公式n<7;;!麦克劳林公式;;%=泰勒公式n<7;;%级数项数n=;;at@0,0;;%=x0",
         ";;;;0,255,255;;255,255,0;;x0;;250,255,0",
         "hand: about the picked x0, the title in the curve slot, n in palette 5; x0 named on the "
         "axis in yellow while n is 1"},
        {"315", "", "rgb@2,1;;at@-4.2,-1.12", "255,100,100;;泰勒公式n<7",
         "hand: P1 = 1; x −7..7, y −2..2: the title at 0.2 of the x span, 0.22 of the y span up"},
        {"315", "", "rgb@0,0.5", "255,100,100", "hand: x0's line up to cos 0 = 1"},
        {"315", "n增加", "rgb@2,-1", "255,100,100", "hand: P2(2) = 1 − 2"},
        {"315", "", "rgb@2,1", "!255,100,100", "hand: P1 is gone"},
        {"315", "n增加*2", "rgb@2,-0.3333", "255,100,100", "py: P4(2) = −1 + 16/24"},
        {"315", "", "rgb@2,-1", "!255,100,100", "hand: P2 is gone"},
        {"315", "n减少*2", "rgb@2,-1", "255,100,100", "hand: P2 again"},
    });
}

// Sources: python3, page 320: the irregular strips of sin x on [0, π]
// (x span 4): each w = 0.5 (1 + sin 10.34x) · 4/n wide (at least 0.4/n),
// the last cut at π, as high as sin s at s = x + 0.25 (1 + sin 15x) w;
// n 1: [0, 2] at 0.4794, [2, 3.1416] at 0.9079; n 2: [0, 1] at 0.2474,
// [1, 1.2073] at 0.8845, [1.2073, 2.1245] at 0.9586, [2.1245, 3.1416] at
// 0.6066; outlined in (199, 125, 60).
PRESS_TABLE(CalculusDrawingPresses, TheIrregularStripsOfPage320) {
    Run({
        {"320", "n增加|n减少", "rgb@1,0.4794", "199,125,60", "py: n 1, the first top"},
        {"320", "", "rgb@2.6,0.9079", "199,125,60", "py: the second top"},
        {"320", "", "rgb@2,0.7", "199,125,60", "py: the side at 2, up to 0.9079"},
        {"320", "", "rgb@1,0.7", "!199,125,60", "py: no side at 1"},
        {"320", "", "rgb@1.9,0.4794", "199,125,60", "py: the first top runs on to 2"},
        {"320", "", "rgb@3.3,0.9079", "!199,125,60", "py: the second top ends at π"},
        {"320", "n增加", "rgb@0.5,0.2474", "199,125,60", "py: n 2, the first top"},
        {"320", "", "rgb@1.6,0.9586", "199,125,60", "py: the third top"},
        {"320", "", "rgb@2.8,0.6066", "199,125,60", "py: the last top"},
        {"320", "", "rgb@1,0.7", "199,125,60", "py: the side at 1, up to 0.8845"},
        {"320", "", "rgb@1.5,0.4794", "!199,125,60", "py: n 1's top is gone"},
    });
}

// Sources: python3, page 368: the regular N-gons inscribed in the unit
// circle from N = 6, doubled and halved (never below 6), drawn up to 48
// sides; the area (N/2) sin(2π/N) to six decimals; the midpoint of the
// first side of the 6-gon (0.7499, 0.4330) and of the 12-gon (0.9330,
// 0.2500), the corners at t = i · 6.2839/N; (1.8, −1) is a bare place.
// Below, Xn = 1 + (−1)^n/n on the Xn axis, outside the band 1 ± ε·2.4
// (ε 0.1, then 0.05) in (255, 100, 100), inside in (250, 255, 0); N the
// last term outside.
PRESS_TABLE(CalculusDrawingPresses, ThePolygonsOfPage368) {
    Run({
        {"368", "",
         "外截圆半径r= ;;%外截圆半径r= ;;%面积/r^2近似值:  "
         ";;at@-0.84,0.72;;at@-0.84,0.36;;at@-1.26,0;;"
         "at@-1.26,-0.36",
         "1;;255,255,0;;255,255,0;;正N边形N= ;;外截圆半径r= ;;面积的近似值: ;;面积/r^2近似值:  ",
         "hand: r = a = 1, whole; the labels in palette slot 5, at x 0.3, 0.3, 0.2, 0.2 and y "
         "0.8, 0.65, 0.5, 0.35 of the ranges"},
        {"368", "n增加", "正N边形N= ", "12", "hand: 6 × 2"},
        {"368", "", "面积的近似值: ", "3.000000", "py: 6 sin(π/6)"},
        {"368", "", "ink@0.933,0.25;;rgb@0.933,0.25", "1.8,-1;;255,255,0",
         "py: the 12-gon's first side, in palette slot 5"},
        {"368", "", "ink@0.7499,0.433;;rgb@0.7499,0.433", "1.8,-1;;25,250,0",
         "py: the 6-gon's first side, in palette slot 4"},
        {"368", "n增加*3", "面积的近似值: ", "3.139350", "py: N 96, 48 sin(π/48)"},
        {"368", "", "面积/r^2近似值:  ", "3.139350", "py: r 1"},
        {"368", "n减少", "正N边形N= ", "48", "hand: 96 / 2"},
        {"368", "n减少*3", "正N边形N= ", "6", "hand: 48 / 2³"},
        {"368", "", "bare@0.933,0.25", "1.8,-1", "py: the 12-gon is gone"},
        {"368", "n减少", "面积的近似值: ", "2.598076", "py: N held at 6, 3 sin(π/3)"},
        {"368/2600", "", "rgb@0.6667,0", "255,100,100", "py: X3 = 2/3 outside 1 ± 0.24"},
        {"368/2600", "", "rgb@1.5,0", "255,100,100", "py: X2 = 1.5 outside"},
        {"368/2600", "", "rgb@1.1667,0", "250,255,0", "py: X6 = 7/6 inside"},
        {"368/2600", "", "rgb@0.3,0", "!255,100,100", "hand: no term between 0 and 0.5"},
        {"368/2600", "", "rgb@1,0;;at@1.24,0;;rgb@1,0", "0,255,255;;A+ε;;!0,64,128",
         "hand: the limit 1 marked, a full dot with no ground inside; A+ε 3 px past the band's "
         "end 1.24"},
        {"368/2600", "", "N=;;rgb@0.7485,0", "4;;0,255,255",
         "hand: 1/n ≥ 0.24 up to n 4; the band's end 1 − 0.24 marked, its rim 3 px left "
         "(2.4/628 a pixel)"},
        {"368/2600", "", "rgb@1.25,0", "255,100,100", "hand: X4 = 1.25 outside"},
        {"368/2600", "", "rgb@0.8,0", "250,255,0", "hand: X5 = 0.8 inside"},
        {"368/2600", "", "数列极限:", "1.000", "hand: 1 ± 1/n tends to 1"},
        {"368/2600", "ε减少", "rgb@1.1667,0", "255,100,100", "py: 1/6 > 0.12"},
        {"368/2600", "", "rgb@1.1,0", "250,255,0", "py: X10 = 1.1 inside"},
        {"368/2600", "", "N=", "8", "hand: 1/8 > 0.12 > 1/9"},
        {"368/2600", "", "rgb@1.125,0", "255,100,100", "hand: X8 outside"},
        {"368/2600", "", "rgb@0.8889,0", "250,255,0", "hand: X9 = 8/9 inside"},
        {"368/2600", "ε增加", "N=", "4", "hand: ε 0.1 again, 1/n ≥ 0.24 up to n 4"},
        {"368/2600", "Xn=f(n)", "N=", "4", "hand: the kind already shown"},
        {"368/2600", "Xn=f(Xn-1)", "?在Xn轴上选一点", "", "hand: X0 not yet picked on the axis"},
        {"368/2600", "Xn=f(n)", "!在Xn轴上选一点", "", "hand: the terms need no X0"},
    });
    // A circle of radius 2: the area r² times that of the unit circle's hexagon.
    RunScript("700DATA1(0,2,2,0,0,0,0,)\n"
              "700Ploygon(0.3,3,34,9,1,-1,1,-2.5,2.5,-2.5,2.5,0,6.3)\n",
              {
                  {"368", "", "外截圆半径r= ;;面积的近似值: ;;面积/r^2近似值:  ",
                   "2;;10.392305;;2.598076", "hand: r = a = 2, 4 · 3 sin(π/3) = 6√3, 3√3/2"},
              });
}

} // namespace
