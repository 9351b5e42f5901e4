// The derivative pages pressed button by button: on 306 the increment
// against the differential of sin x at x0 = 0.8 as |Δx| and its sign change;
// the chord below keeps its own relative increment h, its end B drawn where
// the chord's length 4h puts it (x0 the cursor's 0, split t = 0.3).
#include "press_table.h"

namespace {

// Sources: python3, Δx = ±4h (the x span 4), d = (sin(x0 + 1e-5) − sin x0)
// · 1e5, (Δy − dΔx)/Δx to four decimals; h from 0.1 by ×1.25 and ×0.8.
PRESS_TABLE(DerivativePresses, TheIncrementAgainstTheDifferentialOfPage306) {
    Run({
        {"306/2400", "", "(△y-dy)/△x=", "-0.1600", "py: h 0.1, △x 0.4"},
        {"306/2400", "", "rgb@0,0;;rgb@0.0193,0", "255,255,0;;!255,255,0",
         "hand: (x0, sin x0) filled in the fill colour, 4 px right only its pen's ring"},
        {"306/2400", "", "?=△y", "", "hand: the increment on the y axis is named △y"},
        {"306/2400", "", "?=△x", "", "hand: and the one on the x axis △x"},
        {"306/2400", "\\|△x\\|减", "=h", "0.08", "hand: 0.1 × 0.8"},
        {"306/2400", "", "(△y-dy)/△x=", "-0.1256", "py: △x 0.32"},
        {"306/2400", "\\|△x\\|减", "(△y-dy)/△x=", "-0.0989", "py: △x 0.256"},
        {"306/2400", "", "=h", "0.064", "hand: 0.1 × 0.8²"},
        {"306/2400", "\\|△x\\|减", "=h", "0.0512", "hand: 0.1 × 0.8³"},
        {"306/2400", "", "(△y-dy)/△x=", "-0.0781", "py: △x 0.2048"},
        {"306/2400", "△x负", "(△y-dy)/△x=", "0.0683", "py: △x −0.2048"},
        {"306/2400", "\\|△x\\|增", "(△y-dy)/△x=", "0.0837", "py: △x −0.256"},
        {"306/2400", "\\|△x\\|增*2", "(△y-dy)/△x=", "0.1231", "py: △x −0.4"},
        {"306/2400", "\\|△x\\|增", "(△y-dy)/△x=", "0.1470", "py: △x −0.5"},
        {"306/2400", "", "=h", "0.125", "hand: 0.1 × 1.25"},
        {"306/2400", "△x正", "(△y-dy)/△x=", "-0.2043", "py: △x 0.5"},
        {"306/2400", "\\|△x\\|增", "(△y-dy)/△x=", "-0.2614", "py: △x 0.625"},
        {"306/2400", "弦长减", "(△y-dy)/△x=", "-0.2614", "hand: the chord's h is its own"},
        {"306/2400", "", "=h", "0.08", "hand: the chord's 0.1 × 0.8"},
        {"306/2400", "", "rgb@0.224,0.2221;;rgb@0.2433,0.2221", "255,255,0;;!255,255,0",
         "py: B = (0.7L, sin 0.7L), L 0.32, filled; 4 px right only its pen's ring"},
        {"306/2400", "", "rgb@0.28,0.2764", "!255,255,0", "py: B has left h 0.1's place"},
        {"306/2400", "", "rgb@-0.096,-0.0959;;rgb@-0.0767,-0.0959", "255,255,0;;!255,255,0",
         "py: A = (−0.3L, sin(−0.3L)), filled; 4 px right only its pen's ring"},
        {"306/2400", "", "rgb@0.064,0.0631", "255,120,120", "py: the chord AB, halfway"},
        {"306/2400", "", "rgb@-0.1527,-0.1522", "!255,120,120", "py: not past A"},
        {"306/2400", "", "rgb@0.2807,0.2785", "!255,120,120", "py: nor past B"},
        {"306/2400", "", "rgb@0,0.1267", "!255,120,120",
         "py: the split point 0.3 of the way from A, on the chord at y = −0.0005, not 0.3 from B"},
        {"306/2400", "", "rgb@0.4,0.4;;rgb@0.5,0.5;;rgb@0.7,0.7",
         "120,200,255;;120,200,255;;!120,200,255",
         "py: the tangent vector at the cursor's 0, slope 1, length 0.8, to (0.5657, 0.5657), in "
         "the script's colour"},
        {"306/2400", "弦长减*2", "rgb@0.1434,0.1429", "255,255,0", "py: L 0.2048"},
        {"306/2400", "弦长增", "rgb@0.1792,0.1782", "255,255,0", "py: L 0.256"},
        {"306/2400", "", "=h", "0.064", "hand: 0.0512 × 1.25"},
        {"306/2400", "\\|△x\\|减", "(△y-dy)/△x=", "-0.2043", "py: 0.15625 × 0.8, △x 0.5"},
        {"306/2400", "△x正", "(△y-dy)/△x=", "-0.2043", "hand: the sign stays +"},
    });
}

// Sources: python3, page 306's sin x at x0 = 0.8 (M at sin 0.8 = 0.7174):
// with h 0.1, Δx = 0.4, N = (1.2, sin 1.2 = 0.9320) and the differential's
// end yd = sin 0.8 + 0.4 cos 0.8 = 0.9961; after the sign change and two
// ×1.25, Δx = −0.625, N = (0.175, 0.1741), yd = 0.2819. The drops are in
// (0, 255, 255), dy and its tangent piece in (250, 255, 0), Δy in
// (255, 128, 0), the Δx segment in (0, 150, 255).
PRESS_TABLE(DerivativePresses, TheLinesOfTheIncrementOfPage306) {
    Run({
        {"306", "", "rgb@0.8,0.05", "0,255,255", "hand: M's drop near the axis"},
        {"306", "", "rgb@0.8,0.3587", "0,255,255", "py: M's drop halfway, sin 0.8 / 2"},
        {"306", "", "rgb@0.8,0.68", "0,255,255", "py: M's drop near M"},
        {"306", "", "rgb@0.8,0.8", "!0,255,255", "py: the drop ends at M"},
        {"306", "", "rgb@0.8,-0.1", "!0,255,255", "hand: and at the axis"},
        {"306", "", "rgb@1.2,0.4", "0,255,255", "hand: N's drop"},
        {"306", "", "rgb@1.2,0.964", "250,255,0", "py: dy's segment between N and yd = 0.9961"},
        {"306", "", "rgb@1.2,1.04", "!250,255,0", "py: dy ends at yd"},
        {"306", "", "%△x负;;%N;;%M;;%Q;;%△x;;%△y;;%(△y-dy)/△x=",
         "250,255,0;;250,255,0;;250,255,0;;0,150,255;;255,128,0;;250,255,0;;0,255,255",
         "hand: the pieces after the buttons: N, M, Q in the first derivative's slot, △x in the "
         "fill's, △y in the pen's, dy; the quotient in the curve slot"},
        {"306", "",
         "at@1.2,0.932;;at@1.2,0.7174;;at@0.6,0.7174;;at@0.8,0;;at@0,0.932;;at@-0.1,1.41",
         "N;;Q;;M;;△x;;△y;;(△y-dy)/△x=",
         "py: N at (1.2, sin 1.2), Q under it at M's height sin 0.8, M 0.05 of the x span left "
         "of x0; △x at x0 on the axis, △y on the y axis at N's height; the quotient a tenth of "
         "the spans in from the top left corner (−0.5, 1.6)"},
        {"307", "", "rgb@-1.5,3.75", "250,255,0", "py: F'(−1.5) = 3·2.25 − 3 of x³ − 3x + 1"},
        {"307", "", "rgb@0.5,-2.25", "250,255,0", "py: F'(0.5) = 3·0.25 − 3"},
        {"307", "", "rgb@1.8,6.72", "250,255,0", "py: F'(1.8) = 3·3.24 − 3"},
        {"307", "", "rgb@-0.9,-0.57", "250,255,0", "py: F'(−0.9) = 3·0.81 − 3"},
        {"307", "", "rgb@0.5,-0.375", "!250,255,0", "py: F itself there, not F'"},
        {"307", "", "rgb@1,6", "255,100,100", "hand: F''(1) = 6x = 6 in its own colour"},
        {"307", "", "rgb@-1,-6", "255,100,100", "hand: F''(−1) = −6"},
        {"307", "", "rgb@0,0.5", "255,100,100", "hand: F'' = 6x changes sign at 0, up to F(0) = 1"},
        {"307", "", "rgb@-1,2", "250,255,0", "hand: F' changes sign at −1, up to F(−1) = 3"},
        {"307", "", "rgb@1,-0.5", "250,255,0", "hand: and at 1, down to F(1) = −1"},
        {"307", "", "%一阶导数", "255,100,100", "hand: the legend's second line, F''s colour"},
        {"307", "", "%→#4;;rgb@-2,-1;;rgb@2,3;;rgb@-1,3.6;;rgb@1,-1.6;;rgb@0,1.6",
         "250,255,0;;0,255,255;;0,255,255;;!250,255,0;;!250,255,0;;!255,100,100",
         "hand: the legend's first line after the range arrows in F''s colour; F(−2) = −1, F(2) = "
         "3 in the curve slot; the drops stop at F(−1) = 3, F(1) = −1, F(0) = 1"},
        {"306", "", "rgb@1.15,0.9612", "250,255,0", "py: the tangent piece at 1.15"},
        {"306", "", "rgb@1.15,0.9052", "!250,255,0", "py: the chord MN at 1.15"},
        {"306", "", "rgb@1.0,0.7174;;rgb@1.15,0.7174", "250,255,0;;250,255,0",
         "py: MQ at M's height, halfway and on to near Q (x1 1.2)"},
        {"306", "", "rgb@0.4,0.7174", "255,128,0", "py: Δy's line from M to the y axis"},
        {"306", "", "rgb@0.6,0.932", "255,128,0", "py: Δy's line at N's height"},
        {"306", "", "rgb@0.6,0.9961", "!255,128,0", "py: not at yd's"},
        {"306", "", "rgb@0,0.8247", "255,128,0", "py: Δy on the y axis, halfway"},
        {"306", "", "rgb@0,1.05", "!255,128,0", "py: Δy ends at sin 1.2"},
        {"306", "△x负|\\|△x\\|增*2", "rgb@0.175,0.1", "0,255,255", "py: N's drop, sin 0.175"},
        {"306", "", "rgb@0.175,0.30", "250,255,0", "py: dy down to yd = 0.2819"},
        {"306", "", "rgb@0.175,0.235", "!250,255,0", "py: between yd and N"},
        {"306", "", "rgb@0.175,0.235", "!0,255,255", "py: N's drop ends at N"},
        {"306", "", "rgb@0.3,0.369", "250,255,0", "py: the tangent piece at 0.3"},
        {"306", "", "rgb@0.5,0", "0,150,255", "hand: Δx from 0.175 to 0.8"},
        {"306", "", "rgb@1.0,0", "!0,150,255", "hand: Δx ends at x0"},
        {"306", "", "rgb@0,0.25", "255,128,0", "py: Δy on the y axis, 0.1741 to 0.7174"},
        {"306", "", "rgb@0,0.1", "!255,128,0", "py: below N's height"},
        {"306", "", "at@0.175,0.1741;;at@0.175,0.7174;;at@0.175,0", "N;;Q;;△x",
         "py: Δx < 0: N at (0.175, sin 0.175), Q above it at M's height, △x at x0 + Δx"},
    });
}

// Sources: python3, the walk along sin x from 1.2 in steps of 1e-4 until
// the arc is 4h long: its end xe; the tangent there, sin xe + cos xe (x − xe),
// at x = 3.3, right of the curve; the tangent's colour (255, 200, 0), the
// arc's (0, 255, 0).
PRESS_TABLE(DerivativePresses, TheArcBetweenTwoTangentsOfPage369) {
    Run({
        {"369", "△x增", "rgb@3.3,0.7989", "255,200,0", "py: h 0.125, xe 1.6916"},
        {"369", "", "rgb@1.3,0.9636;;rgb@0,0.4972", "0,255,0;;255,200,0",
         "py: the arc on sin x, sin 1.3; the tangent at 1.2 meets x = 0 at sin 1.2 − 1.2 cos 1.2"},
        {"369", "", "rgb@1.45,0.9927", "0,255,0", "py: sin 1.45"},
        {"369", "", "rgb@1.6,0.9996", "0,255,0", "py: sin 1.6, past the top"},
        {"369", "", "rgb@1.9,0.9463", "!0,255,0", "py: the arc ends at xe 1.6916"},
        {"369", "", "rgb@3.3,0.9637", "!255,200,0", "py: h 0.1's xe 1.5919"},
        {"369", "△x增", "rgb@3.3,0.6119", "255,200,0", "py: h 0.15625, xe 1.8146"},
        {"369", "△x减*3", "rgb@3.3,1.1033", "255,200,0", "py: h 0.08, xe 1.512"},
        {"369", "", "=h", "0.08", "hand: 0.15625 × 0.8³"},
        {"369", "△x减", "rgb@3.3,1.219", "255,200,0", "py: h 0.064, xe 1.4482"},
        {"369", "", "rgb@3.3,1.1033", "!255,200,0", "py: h 0.08's tangent is gone"},
        {"369", "△x增", "rgb@3.3,1.1033", "255,200,0", "py: h 0.08 again"},
        {"369", "△x减*60", "=h", "0.000001",
         "hand: 0.1 × 0.8^52 falls below the floor 1e-6 and stays there"},
        {"369/2000", "^1,0.6", "rgb@2.5,1.95", "250,255,0",
         "py: the tangent at M (1, 0.6), slope 0.9"},
        {"369/2000", "", "rgb@-0.5,-0.75", "250,255,0", "py: it runs on to the plot's foot"},
        {"369/2000", "", "rgb@0,1.7111", "250,255,0", "py: the normal, slope −1/0.9"},
        {"369/2000", "", "rgb@2,-0.5111", "250,255,0", "py: the normal below M"},
        {"369/2000", "", "rgb@1.7998,1.5874", "255,255,255",
         "py: the circle about D (−1.715, 3.6167) of radius 4.0585, at −30°"},
        {"369/2000", "", "rgb@0.3143,0.1019", "255,255,255", "py: and at −60°"},
        {"369/2000", "", "rgb@-1.715,3.6167", "255,100,100", "py: the centre D"},
        {"369/2000", "", "rgb@-0.545,1.8167", "255,220,0", "py: the evolute at x = 0"},
        {"369/2000", "", "rgb@1,0.6", "255,100,100", "hand: M's dot"},
        {"369/2000", "^-1.5,0.225", "rgb@0,-0.675", "250,255,0",
         "py: the tangent at M (−1.5, 0.225), slope −0.6"},
        {"369/2000", "", "rgb@-2.5,0.825", "250,255,0", "py: it to the left"},
        {"369/2000", "", "rgb@-1,1.0583", "250,255,0", "py: the normal, slope 1/0.6"},
        {"369/2000", "", "rgb@1.1817,0.2024", "255,255,255",
         "py: the circle about D (−0.14, 2.4917) of radius 2.6434, at −60°"},
        {"369/2000", "", "rgb@-0.14,2.4917", "255,100,100", "py: the centre D"},
        {"369/2000", "", "rgb@2.5,1.95", "!250,255,0", "py: M's old tangent gone"},
    });
}

// Sources: hand. Page 369's evolute figure alone (its text names D too):
// the centre of curvature of M = (1, 0.6) lies in the plot and is named;
// at first M = (0, 0), the dots at D and M read beside the lines crossing
// them.
PRESS_TABLE(DerivativePresses, TheCentreOfCurvatureIsNamed) {
    RunScript("700DATA1(0,0.3,0.3,0,0,0,0,)\n"
              "700Curve(0.4,3,44,13,39,-1,0,-3,3,-1,4,-3,3)\n"
              "700Curvature(1,0,255,255,255,255,220,0)\n",
              {
                  {"2101", "", "rgb@-0.545,1.8167;;rgb@-0.5667,1.7978", "255,100,100;;!250,255,0",
                   "py: M (0, 0), slope 0.3, y'' 0.6: D (−0.545, 1.8167); 3 px left and 2 "
                   "down (138 and 106 px a unit) the window holds the dot's inner pixels "
                   "and none of the normal through it"},
                  {"2101", "^1,0.6",
                   "?=D;;rgb@1,0.6;;rgb@1.0109,0.608;;at@-1.715,3.6167;;at@1,0.6;;%=D;;%=M",
                   ";;255,100,100;;!250,255,0;;D;;M;;0,255,255;;0,255,255",
                   "py: D (−1.715, 3.6167) in the plot; M's dot, its inner pixels read 1 px "
                   "right and up, clear of the tangent and the normal; D named at itself, M "
                   "right of itself, both in the curve's colour"},
              });
}

// Sources: python3, page 308: M = (1, sin 1), N = M + 4h along x (h from
// 0.1, ÷1.2 and ×1.2 a press), the secant y = sin 1 + s (x − 1) with s the
// slope of MN, at x = 2.5; the tangent (h·1e-4) at x = 2; (0.2, 1.3) is a
// bare place of the plot.
PRESS_TABLE(DerivativePresses, TheSecantTurningIntoTheTangentOfPage308) {
    Run({
        {"308", "", "ink@2.5,1.3814", "0.2,1.3", "py: h 0.1, N at 1.4"},
        {"308", "",
         "%N离开M;;%M#6;;rgb@2.5,1.3814;;rgb@-0.3,0.3735;;at@1,0.8415;;at@1.4,0.98545;;"
         "rgb@1.412,0.9713",
         "250,255,0;;250,255,0;;250,255,0;;250,255,0;;M;;N;;250,255,0",
         "py: M and N (past the prose's five M) and the secant both ways in the first "
         "derivative's slot; M named at (1, sin 1), N at (1.4, sin 1.4); N's dot read 2 px "
         "right of and 3 px under N (167 and 212 px a unit), clear of the secant"},
        {"308", "N趋于M", "ink@2.5,1.4286", "0.2,1.3", "py: h 0.1/1.2"},
        {"308", "", "rgb@1.3333,0.9719;;rgb@1.3333,0.8415", "250,255,0;;!250,255,0",
         "py: N at 1 + 4 × 0.1/1.2 on sin x, not at sin 1"},
        {"308", "", "bare@2.5,1.3814", "0.2,1.3", "py: h 0.1's secant is gone"},
        {"308", "N趋于M", "ink@2.5,1.4674", "0.2,1.3", "py: h 0.1/1.2²"},
        {"308", "N离开M*3", "ink@2.5,1.324", "0.2,1.3", "py: h 0.1 × 1.2"},
        {"308", "", "=h", "0.12", "hand: 0.1 × 1.2"},
        {"308", "N离开M", "ink@2.5,1.2543", "0.2,1.3", "py: h 0.144, N at 1.576"},
        {"308", "切线", "ink@2,1.3818", "0.2,1.3", "py: the tangent, slope cos 1"},
        {"308", "", "rgb@2,1.3818;;rgb@0,0.3012", "250,255,0;;250,255,0",
         "py: the tangent both ways, sin 1 ∓ cos 1"},
        {"308", "", "bare@2.5,1.2543", "0.2,1.3", "hand: the secant gives way"},
        {"308", "", "!N趋于M", "", "hand: no N to move"},
        {"308", "割线", "ink@2.5,1.2543", "0.2,1.3", "py: h 0.144 kept"},
    });
}

// Sources: hand, page 309: N moves along the space curve by h (from 0.1,
// ÷1.2 and ×1.2 a press), at most 0.5 along x ("参数x", t = 0) and 0.2 along
// the parameter ("参数t", t = 1); the tangent has no N to move.
PRESS_TABLE(DerivativePresses, TheSpaceSecantOfPage309) {
    Run({
        {"309", "趋于M", "=h", "0.0833333333", "hand: 0.1 / 1.2"},
        {"309", "趋于M*2", "=h", "0.0578703704", "hand: 0.1 / 1.2³"},
        {"309", "离开M*4", "=h", "0.12", "hand: 0.1 × 1.2"},
        {"309", "参数t", "=t", "1", "hand: along the parameter"},
        {"309", "离开M*3", "=h", "0.2", "hand: 0.12 × 1.2³ = 0.207, held at 0.2"},
        {"309", "参数x", "=t", "0", "hand: along x"},
        {"309", "离开M*2", "=h", "0.288", "hand: 0.2 × 1.2², below 0.5"},
        {"309", "切线", "!趋于M", "", "hand: no N to move"},
        {"309", "割线", "?离开M", "", "hand: N again"},
        {"309", "离开M*4", "=h", "0.5", "hand: 0.288 × 1.2⁴ = 0.597, held at 0.5"},
    });
}

// Sources: hand, page 327: the direction's angle φ from 0 by ±0.314 a
// press, without bound.
PRESS_TABLE(DerivativePresses, TheDirectionOfPage327) {
    Run({
        {"327", "φ增", "=φ", "0.314", "hand: 0 + 0.314"},
        {"327", "φ增*2", "=φ", "0.942", "hand: 3 × 0.314"},
        {"327", "φ减", "=φ", "0.628", "hand: 0.942 − 0.314"},
        {"327", "φ减*4", "=φ", "-0.628", "hand: 0.628 − 4 × 0.314"},
        // The second figure: xy/(x² + y²) along the ray at θ tends to
        // sin θ cos θ; θ from 0.5 by ±0.1 a press.
        {"327/2400", "θ增*3", "方向极限:", "0.4998", "py: θ 0.8, sin 1.6 / 2"},
        {"327/2400", "θ减*5", "方向极限:;;at3@-1,-0.8,0.9",
         "0.2823;;方向极限:", "py: θ 0.3; written at (x min, y min + 0.1·Dy, z max − 0.05·Dz)"},
        {"327/2400", "θ减*4", "方向极限:", "-0.0993", "py: θ −0.1"},
        {"327/2400", "",
         "%方向极限:;;rgb3@0.4975,-0.0499,-0.0993;;rgb3@0.4975,-0.0499,-1;;"
         "rgb3@-0.2985,0.03,-1",
         "0,255,255;;255,255,0;;255,128,0;;!255,128,0",
         "py: the limit in the curve slot; the path at r 0.5 on the surface in the script's pen, "
         "its shadow in its fill, which stops at (0, 0)"},
    });
}

// Sources: python3, page 327: z = xy at (0.5, 0.3), z0 = 0.15, fx = 0.3,
// fy = 0.5; φ = −0.628 (cos 0.8092, sin −0.5875): the direction on the floor
// z = −2.6 and the tangent, rising fx cos φ + fy sin φ = −0.051 over it,
// in the page's (255, 0, 255).
PRESS_TABLE(DerivativePresses, TheDirectionAndItsTangent) {
    Run({
        {"327", "φ减*2", "rgb3@0.9046,0.0062,-2.6", "255,0,255", "py: the direction, halfway"},
        {"327", "", "rgb3@0.2062,0.7046,-2.6", "!255,0,255", "py: cos and sin swapped"},
        {"327", "", "rgb3@1.0664,-0.1113,0.1143", "255,0,255", "py: the tangent, 0.7 along"},
        {"327", "", "rgb3@1.0664,-0.1113,0.3098", "!255,0,255", "py: fx and fy swapped"},
        {"327", "",
         "rgb3@0.9046,0.3,-2.6;;rgb3@0.5,0.0062,-2.6;;rgb3@0.9046,0.3,0.2714;;rgb3@1.3092,0.0062,-"
         "2.6;;"
         "rgb3@-0.1474,0.77,-0.1135;;rgb3@-0.1474,0.77,-2.6;;rgb3@1.552,-0.4638,-2.6;;"
         "rgb3@1.552,-0.4638,0.0837",
         "0,150,255;;0,150,255;;0,150,255;;0,150,255;;0,255,255;;250,255,0;;!255,0,255;;!255,0,255",
         "py: the parts cos φ, sin φ on the floor, fx cos φ at P0, the floor's closing side in the "
         "fill's slot; the section at t −0.8 on z = xy in the curve slot, its trace on the floor; "
         "both pen arrows end at t 1"},
        {"327", "", "rgb3@0.5,0.0062,0.0031;;rgb3@0.5,0.0062,0.2714", "0,150,255;;!0,150,255",
         "py: the y component at P0 halfway, rising fy sin φ / 2, not fx cos φ / 2"},
        {"327", "", "rgb3@1.1474,0.3,-0.0850;;rgb3@1.1474,0.3,0.1092", "!0,150,255;;!0,150,255",
         "py: the x component 0.8 along rises 0.8 fx cos φ, not 0.8 fy sin φ nor 0.8 (fx cos φ + "
         "fy sin φ)"},
        {"327", "", "head3@0.5,0.3,0.15>1.3092,-0.2875,0.099", "255,0,255",
         "py: the tangent from P0 to (x0 + cos φ, y0 + sin φ, z0 − 0.051)"},
    });
}

} // namespace
