// The quadrature pages pressed button by button: the Riemann sums of x² on
// [0, 1] (323) with n doubled and halved and the sample point moved, and the
// trapezoid (324) and Simpson (325) sums of sin x on [0, π] with their
// tables of f(x_i).
#include "press_table.h"

namespace {

// Sources: python3, S = h Σ (x_i + c h)² over x_i = i h (n a power of two,
// so the strips end on 1 exactly); trapezoid Σ (F0 + F1) h / 2 and Simpson
// Σ (F0 + 4Fm + F1) h / 6 with h = π / n, six decimals; n starts at 1
// and the sample point at the middle.
PRESS_TABLE(QuadraturePresses, TheSumsFollowNAndTheSamplePoint) {
    Run({
        {"323", "", "积分近似值:;;at@0.99,0.22;;at@-0.2,-0.032;;at@0.5,-0.032",
         "0.250000;;n=;;积分值:;;积分近似值:",
         "py: n 1, c 0.5: 0.5²; hand: x −0.2..1.2, y −0.2..1.2: n at 0.85 and 0.3 of the "
         "spans, the two values at x min and the middle, 0.12 of the y span up"},
        {"323", "", "?取中点;;%=取中点", ";;250,255,0", "hand: the caption of c 0.5, in yellow"},
        {"323", "n增加", "积分近似值:", "0.312500", "py: n 2, (0.25² + 0.75²)/2"},
        {"323", "", "n=", "2", "hand: 1 × 2"},
        {"323", "n增加", "积分近似值:", "0.328125", "py: n 4, 84/256"},
        {"323", "n增加", "积分近似值:", "0.332031", "py: n 8, 680/2048"},
        {"323", "", "n=", "8", "hand: 1 × 2³"},
        {"323", "n减少", "积分近似值:", "0.328125", "py: n 4"},
        {"323", "左端点", "积分近似值:", "0.218750", "py: n 4, c 0: 14/64"},
        {"323", "", "?取左端点", "", "hand: the caption of c 0"},
        {"323", "", "!取中点", "", "hand: c 0 is no middle"},
        {"323", "右端点", "积分近似值:", "0.468750", "py: n 4, c 1: 30/64"},
        {"323", "", "?取右端点", "", "hand: the caption of c 1"},
        {"323", "n减少", "积分近似值:", "0.625000", "py: n 2, c 1: (0.25 + 1)/2"},
        {"323", "取右端点", "积分近似值:", "0.625000", "hand: the caption is no button"},
        {"323", "中点", "积分近似值:", "0.312500", "py: n 2, c 0.5"},
        {"323", "n减少", "n=", "1", "hand: 2 / 2"},
        {"323", "", "积分近似值:", "0.250000", "py: n 1, c 0.5"},
        {"323", "", "积分值:", "0.333333", "hand: 1/3"},
        {"324", "", "积分近似值:", "0.000000", "py: n 1, (sin 0 + sin π)/2 · h"},
        {"324", "", "积分值:", "2.000000", "py: 1 − cos π"},
        {"324", "n增加", "积分近似值:;;rgb@0.7854,0.5;;rgb@0,0.5",
         "1.570796;;199,125,60;;!199,125,60",
         "py: trapezoids, n 2; hand: the top from (0, 0) to (π/2, 1), no side at 0"},
        {"324", "n增加*2", "积分近似值:", "1.974232", "py: trapezoids, n 8"},
        {"324", "", "n=", "8", "hand: 1 × 2³"},
        {"324", "", "!f    =", "", "hand: the table is off"},
        {"324", "显示数据", "f    =#4", "0.923880", "py: sin(3 h), h = π/8"},
        {"324", "", "f    =#9", "0.000000", "py: sin π"},
        {"324", "n增加", "f    =#17;;at@0.9,1.5;;f    =_#9", "0.000000;;f    =;;1.571",
         "py: n 16, the last row; hand: the ninth row heads the second column at x min + "
         "0.4·Dx (−1.5 + 2.4), y max; its x is 8π/16"},
        {"324", "", "积分近似值:", "1.993570", "py: trapezoids, n 16"},
        {"324", "n增加", "!f    =", "", "hand: no table past n 16"},
        {"324", "n减少*3", "f    =#2;;rgb@0.7854,0.85", "0.707107;;!199,125,60",
         "py: n 4, sin(π/4); the side at π/4 ends at sin(π/4)"},
        {"324", "", "积分近似值:", "1.896119", "py: trapezoids, n 4"},
        {"324", "不显示数据", "!f    =", "", "hand: the table is off again"},
        {"324", "n减少", "积分近似值:", "1.570796", "py: trapezoids, n 2"},
        {"324", "复化梯形公式", "积分近似值:", "1.570796", "hand: the caption answers no press"},
        {"324", "n减少|梯形公式", "积分近似值:", "0.000000",
         "py: n 1, the caption answers no press"},
        {"325", "", "积分近似值:;;rgb@0.7854,0.75", "2.094395;;199,125,60",
         "py: Simpson, n 1; hand: the parabola through (0, 0), (π/2, 1), (π, 0) at π/4"},
        {"325", "n增加", "积分近似值:;;rgb@1.5708,0.5", "2.004560;;255,100,100",
         "py: Simpson, n 2; hand: the middle side in the second-derivative slot"},
        {"325", "n增加*2", "积分近似值:", "2.000017", "py: Simpson, n 8"},
        {"325", "n减少", "积分近似值:", "2.000269", "py: Simpson, n 4"},
        {"325", "显示数据", "f    =#4", "0.707107", "py: sin(3 h), h = π/4"},
        {"325", "", "?复化辛普生公式", "", "hand: n above 1"},
        {"325", "n减少*2", "积分近似值:", "2.094395", "py: Simpson, n 1"},
        {"325", "", "?辛普生公式", "", "hand: n 1"},
        {"325", "", "f    =#2", "0.000000", "py: n 1, sin π"},
        {"325", "不显示数据", "!f    =", "", "hand: the table is off"},
        {"325", "n减少", "积分近似值:", "2.094395", "hand: n 0 is raised to 1"},
        {"325", "", "n=", "1", "hand: n 0 is raised to 1"},
        {"325", "辛普生公式", "积分近似值:", "2.094395", "hand: the caption answers no press"},
        {"325", "n增加|复化辛普生公式", "积分近似值:", "2.004560", "py: Simpson, n 2"},
        {"457", "不显示数据", "!w[ ]=", "", "hand: the table hidden"},
        {"457", "显示数据", "w[ ]=#2", "0.888889", "hand: 8/9, the middle of three nodes"},
        {"457/4000", "3节点", "w[ ]=#1;;at@0.9,3.1;;at@0.9,2.7;;at@-1.5,2.3",
         "0.555556;;w[ ]=;;w[ ]=;;f    =",
         "py: Gauss–Legendre, 3 nodes, 5/9; hand: the table's rows a tenth of Dy apart from "
         "y max, the weights at x min + 0.4·Dx"},
        {"457/4000", "", "w[ ]=#2", "0.888889", "py: 8/9 at the middle node"},
        {"457/4000", "", "w[ ]=#3", "0.555556", "py: 5/9"},
        {"457/4000", "", "rgb@0.8727,0.6", "199,125,60", "py: π/2 − (8/9)(π/4), middle's left"},
        {"457/4000", "", "rgb@2.2689,0.6", "199,125,60", "py: π/2 + (8/9)(π/4), its right"},
        {"457/4000", "", "rgb@1.2,0.6", "!199,125,60", "py: inside the mark"},
        {"457/4000", "", "rgb@0.7904,0.2", "199,125,60", "py: first mark's right, 0.3541 + 0.4363"},
        {"457/4000", "", "rgb@0.6,0.2", "!199,125,60", "py: inside the first mark"},
        {"457/4000", "2节点", "积分近似值:", "1.935820", "py: two nodes on [0, π], n 1"},
        {"457/4000", "", "rgb@1.4493,0.3", "199,125,60", "py: first mark's right, 0.6639 + π/4"},
        {"457/4000", "", "rgb@1,0.6162", "199,125,60", "py: its top, sin 0.6639"},
        {"457/4000", "", "rgb@0.7904,0.2", "!199,125,60", "py: three nodes' edge gone"},
        {"457/4000", "n增加", "积分近似值:", "1.996945", "py: n 2"},
        {"457/4000", "", "rgb@0.7246,0.2", "199,125,60", "py: first mark's right, 0.3319 + π/8"},
        {"457/4000", "", "rgb@1.4493,0.3", "!199,125,60", "py: inside the second, 0.8461..1.6315"},
        {"457/4000", "复化高斯公式", "积分近似值:", "1.996945",
         "hand: the caption answers no press"},
        {"457/4000", "n增加", "积分近似值:", "1.999820", "py: n 4"},
        {"457/4000", "n减少*2", "积分近似值:", "1.935820", "py: n 1"},
        {"457/4000", "高斯公式", "积分近似值:", "1.935820", "hand: the caption answers no press"},
        {"457/4000", "4节点", "积分近似值:", "1.999984", "py"},
        {"457/4000", "5节点", "积分近似值:", "2.000000", "py: 2.00000011"},
        {"457/4000", "6节点", "w[ ]=#1", "0.171324", "hand: the outer weight of six"},
        {"323", "取中点", "积分近似值:", "0.250000", "hand: the caption is no button"},
        {"323", "取中点*2", "n=", "1", "hand: n stays"},
        {"323", "n增加|左端点", "积分近似值:", "0.125000", "py: n 2, c 0: 0.5²/2"},
        {"323", "取左端点*3", "积分近似值:", "0.125000", "hand: the caption is no button"},
        {"323", "", "?取左端点", "", "hand: c 0 kept"},
        {"323", "n增加*9", "积分近似值:;;rgb@0.5,0.1;;rgb@0.5,0.1",
         "0.332845;;250,255,0;;!199,125,60",
         "py: n 1024, c 0; hand: past 512 strips the area under x² is shaded in the first "
         "derivative's slot, no strip outlined"},
    });
}

// Sources: python3, page 320: strips of width w = (1 + sin 10.34x)·2/n
// (at least 4/n where a tenth of it is wider), the last one ending at
// π, each as high as sin s at s = x + (1 + sin 15x)·w/4; the sum of
// the rectangles drawn, six decimals. Page 319: cos x from the cursor 0,
// the increment strip Dx = 6.5h wide (h from 0.1, doubled and halved) is
// filled, its top drawn at F(0) in (0, 255, 255); (3.5, 1.5) is a bare
// place of the plot.
PRESS_TABLE(QuadraturePresses, TheIrregularSumAndTheIncrementOfPages319And320) {
    Run({
        {"320", "", "积分近似值:", "1.995270", "py: n 1, two strips"},
        {"320", "n增加", "积分近似值:", "1.926932", "py: n 2, four strips"},
        {"320", "n增加", "积分近似值:", "2.116390", "py: n 4"},
        {"320", "n增加", "积分近似值:", "1.942482", "py: n 8"},
        {"320", "", "n=", "8", "hand: 1 × 2³"},
        {"320", "n减少", "积分近似值:", "2.116390", "py: n 4"},
        {"320", "n减少*2", "积分近似值:", "1.995270", "py: n 1"},
        {"319", "",
         "bare@0.5,0.3;;rgb@-0.5,0.5181;;rgb@-0.5,0.8776;;rgb@1.85,2.75;;rgb@1.9331,2.75;;"
         "rgb@2.0263,2.75;;at@-2.5175,-1.2222;;head@0,-1.5>0,2.5",
         "3.5,1.5;;255,100,100;;250,255,0;;!0,64,128;;!0,64,128;;0,64,128;;-1.5;;0,255,0",
         "hand: no increment before its button; py: Φ(−0.5) = sin(−0.5) − sin(−1.5) in the "
         "second derivative's slot, cos(−0.5) up to the cursor in the first's; the third "
         "arrow box two glyphs wide (px 416 to 479), the fourth from 12 nominal (×1.67) past "
         "the third's nominal end 210, pushed by as much as the glyphs widen the third (px "
         "499, x 2.01); the lowest y number, 25 px high, lifted to end 4 px below the plot "
         "(its top at px 634, x −2.52 y −1.19); the y axis's head at the plot's top"},
        {"319", "增量与微分", "ink@0.5,0.3;;rgb@0.5,0.3;;%=f(x)dx;;rgb@0.5688,0.4379",
         "3.5,1.5;;250,255,0;;0,255,255;;0,255,255",
         "hand: Dx 0.65, cos 0.5 = 0.88; the increment in the first derivative's slot, f(x)dx "
         "in the curve's; py: its arrow from (0.2·6.5, 0.7 cos 0.65) to (Dx/2, cos 0.65 / 2), "
         "a quarter of the way back from the head"},
        {"319", "", "bare@0.8,0.3", "3.5,1.5", "hand: past Dx 0.65"},
        {"319", "", "rgb@0.55,1", "0,255,255", "hand: the strip's top at cos 0 = 1"},
        {"319", "", "rgb@0.8,1", "!0,255,255", "hand: it ends at Dx 0.65"},
        {"319", "dx增加", "ink@1,0.3", "3.5,1.5", "py: Dx 1.3, cos 1 = 0.54"},
        {"319", "", "bare@1,0.7", "3.5,1.5", "py: above cos 1"},
        {"319", "", "rgb@1.2,1", "0,255,255", "hand: the top runs on to 1.3"},
        {"319", "", "=h", "0.2", "hand: 0.1 × 2"},
        {"319", "dx增加", "ink@1.4,0.1", "3.5,1.5", "py: Dx 2.6, cos 1.4 = 0.17"},
        {"319", "dx减少*3", "=h", "0.05", "hand: 0.4 / 2³"},
        {"319", "", "bare@0.5,0.3", "3.5,1.5", "hand: Dx 0.325"},
        {"319", "", "ink@0.2,0.3", "3.5,1.5", "py: cos 0.2 = 0.98, inside Dx"},
        {"319", "变上限函数", "bare@0.2,0.3", "3.5,1.5", "hand: no increment in this mode"},
        {"319", "", "!dx增加", "", "hand: its buttons go with it"},
        // 319's antiderivatives of cos x from the cursor (1, 0.5), dots in
        // (250, 255, 0): one through the cursor, or the family with C from
        // −5.5 by 0.4. 320's region x² ≤ y ≤ x: the limits at the cursor
        // (0.6, 0.45) in (255, 100, 100), up the column from x² to x or
        // along the row from y to √y.
        {"319/2400", "原函数|^1,0.5", "rgb@3,-0.2004;;rgb@0.5,0.5;;rgb@1,0.25",
         "250,255,0;;255,100,100;;255,100,100",
         "py: sin 3 − sin 1 + 0.5; the cursor's level to the y axis, and down to the x axis"},
        {"319/2400", "", "rgb@-1,-1.1829", "250,255,0", "py: sin(−1) − sin 1 + 0.5"},
        {"319/2400", "", "rgb@3,0.5996", "!250,255,0", "py: one curve only"},
        {"319/2400", "不定积分", "rgb@3,0.5996", "250,255,0", "py: sin 3 − sin 1 + 1.3"},
        {"319/2400", "", "rgb@3,0.1996", "250,255,0", "py: sin 3 − sin 1 + 0.9"},
        {"319/2400", "", "rgb@3,0.3996", "!250,255,0", "py: between two of the family"},
        {"319/2400", "原函数|^1,0.5", "rgb@3,0.5996", "!250,255,0", "py: the family is gone"},
        {"319/2400", "", "rgb@3,-0.2004", "250,255,0", "py: the one through the cursor"},
        // The boundary's direction: in (255, 128, 0), 0.05 of the span 1.4
        // down along y = x from two thirds.
        {"320/2400", "", "head@0.6667,0.6667>0.5967,0.5967;;rgb@0.3963,0.1444;;rgb@0.5,0.28",
         "255,128,0;;255,128,0;;255,128,0",
         "py: s = 2/3, d = 0.07: (s, s) to (s − d, s − d); along y = x² from s = 1/3 the other "
         "way, its head at (0.4033, 0.1627) in the fill's colour shows where it reaches past "
         "the edge onto the ground: 3 px left of and 5 px under the head (449 and 257 px a "
         "unit); the fill in the pen's slot down to x² 0.25 at 0.5, past halfway 0.375"},
        {"320/2400", "x_型|^0.6,0.45",
         "rgb@0.6,0.5;;at@0.6,0;;rgb@0.6595,0.719;;%=y=x;;rgb@0.6,0;;rgb@0.6,0.005;;"
         "rgb@0.635,0.3017;;rgb@0.565,0.3017;;rgb@0.591,0.6",
         "255,100,100;;x;;250,255,0;;250,255,0;;!250,255,0;;255,100,100;;250,255,0;;!250,255,0;;"
         "255,100,100",
         "hand: x² 0.36 to x 0.6, x on the axis; the arrow from (0.67, 0.74); the dot on the "
         "axis filled as drawn; the lower arrow from (0.6 + 1.4/20, 0.36 − 1.4/12) to "
         "(0.6, 0.36), its middle, not mirrored left of x; the upper limit's dot at x 0.6, "
         "seen 4 px (449 a unit) left of the column"},
        {"320/2400", "", "?y的下限", "", "hand"},
        {"320/2400", "", "rgb@0.55,0.45", "!255,100,100", "hand: no row yet"},
        {"320/2400", "y_型", "rgb@0.55,0.45;;at@0.67082,0.45;;rgb@-0.0066,0.45",
         "255,100,100;;x的上限;;255,100,100",
         "py: y 0.45 to √0.45 0.6708; the upper name at its end; the dot on the y axis, three "
         "pixels of 451 a unit left of it"},
        {"320/2400", "", "rgb@0.6,0.55", "!255,100,100", "hand: the column is gone"},
        {"320/2400", "", "?x的上限", "", "hand"},
        {"320/2400", "", "!y的下限", "", "hand"},
        {"320/2400", "x_型", "rgb@0.6,0.55", "255,100,100", "hand: the column again"},
        {"320/2400", "", "!x的上限", "", "hand"},
        {"320/2400", "^0.6,0.45", "rgb@0.6,0.12", "!255,100,100",
         "hand: the limits from x² 0.36 up"},
        // The strip: 0.1 of the span 1.4 wide, from x 0.5 to 0.64, x² 0.25 up to x 0.5.
        {"320/3400", "x_型#2|^0.5,0.4", "rgb@0.6,0.5;;at@0.45333,0", "255,100,100;;x",
         "hand: its top at y = x; x a thirtieth of the span 1.4 left of 0.5"},
        {"320/3400", "", "rgb@0.64,0.3;;rgb@0.64,0.12;;%=x+dx",
         "255,100,100;;255,100,100;;255,100,100",
         "hand: its right side, down to the axis from x² 0.25"},
        {"320/3400", "y_型#2|dy增", "=h;;at@0,0.4;;rgb@0.3,0.575;;rgb@0.3,0.4;;rgb@0.3,0.225",
         "0.125;;y;;255,100,100;;255,100,100;;!255,100,100",
         "hand: the strip's 0.1 × 1.25; y named on the axis at the cursor's 0.4; the lines "
         "from x = y 0.4 to the axis at y and y + 0.175, none at y − 0.175"},
        // The polar region sin θ ≤ r ≤ θ unpicked: the arrows to its two
        // curves at the middle angle 0.9, the one to r = sin θ from a fifth
        // of the x span 2.2 left and a tenth of the y span 2 below its end.
        {"320/4400", "", "rgb@0.48692,0.61360;;rgb@0.44292,0.59360;;rgb@0.48692,0.70499",
         "250,255,0;;250,255,0;;!250,255,0",
         "py: sin 0.9 (cos 0.9, sin 0.9) = (0.48692, 0.61360), and a tenth of the way back; "
         "not at 0.9 sin 0.9 up"},
        // Then picked at angle 1: the ray in the first derivative's slot up
        // to sin 1.
        {"320/4400", "θ-型|^0.48627,0.75733", "rgb@0.11366,0.17702;;rgb@0.49708,0.77415",
         "250,255,0;;255,100,100",
         "py: r sin 1 / 4 at angle 1; the upper limit's stroke past sin 1 at r 0.92, short of 1"},
        {"320/4400", "r-型", "rgb@0.50445,0.67999;;rgb@0.9677,0.5601", "250,255,0;;250,255,0",
         "py: sin r ≤ θ ≤ r, the arrow to θ = r at the middle radius 0.9, (0.55945, 0.70499), "
         "from a tenth of the x span 2.2 left and a twentieth of the y span 2 below, a quarter "
         "of the way back from its head; the arrow to θ = sin r at (0.63771, 0.63508) from a "
         "fifth of the x span right and a twentieth of the y span below, three quarters of "
         "the way to its tail, past the lower limit's name at the picked radius 0.9"},
        // Picked at radius ρ = 1.00326 (the click's pixel): the limits
        // sin ρ = 0.84323 and ρ, each end's dot and the arc between in
        // (255, 100, 100).
        {"320/4400", "^0.6058,0.7956", "rgb@0.6777,0.7437;;rgb@0.6052,0.8002",
         "255,100,100;;255,100,100",
         "py: the lower limit's dot at (0.66722, 0.74923), read 3 px right and 1 px under it "
         "(285 and 180 px a unit) off the arc; the arc at the middle angle"},
    });
}

// Sources: hand, page 370: the rod is F = ax² + bx + c with the script's
// (a, b, c) = (0, 0, 1) over [−1.5, 1.5], along x (y = 1) or, after
// "x=f(y)", along y (x = 1, shown where y lies in the plot's [−0.5, 2]);
// (−1.8, 0.3) is a bare place of the plot. A click picks u on the rod: the
// line from the point mass (0.8, 0.3) to the element in (250, 255, 0), the
// arrow over its first 0.4 in the axes' (0, 255, 0), the element 0.02 of
// the span either side of u.
PRESS_TABLE(QuadraturePresses, TheRodOfPage370AlongEitherAxis) {
    Run({
        {"370", "", "ink@-1,1", "-1.8,0.3", "hand: the rod y = 1"},
        {"370", "", "bare@1,0.5", "-1.8,0.3", "hand: no rod along y yet"},
        {"370", "x=f(y)", "ink@1,0.5", "-1.8,0.3", "hand: the rod x = 1"},
        {"370", "", "bare@-1,1", "-1.8,0.3", "hand: the rod along x is gone"},
        {"370", "y=f(x)", "ink@-1,1", "-1.8,0.3", "hand: back along x"},
        {"370", "", "bare@1,0.5", "-1.8,0.3", "hand: the rod along y is gone"},
        {"370", "^-1,1", "rgb@-0.46,0.79", "250,255,0",
         "hand: dF's line from (0.8, 0.3) to (−1, 1)"},
        {"370", "", "rgb@0.44,0.44", "0,255,0", "hand: its arrow over 0.4 of the line"},
        {"370", "", "rgb@-1.06,1;;rgb@-0.87,1", "250,255,0;;!250,255,0",
         "hand: the element, u ± 0.08, not to u + 0.13"},
        {"370", "", "rgb@-0.5,1;;at@0.851,0.3;;%=dF", "0,255,255;;dF;;0,255,0",
         "hand: the rod beside it; dF 8 pixels right of the mass, in the axes' colour"},
        {"370", "x=f(y)|^1,0.5", "rgb@0.94,0.44", "250,255,0",
         "hand: the line to (1, 0.5) on x = 1"},
        {"370", "", "rgb@1,0.53", "250,255,0", "hand: the element, u ± 0.05"},
    });
}

// Sources: python3, page 326: y = √x and y = 1 on [1, 4] about the x axis;
// the volume 4.5π; the approximate sum is that of the washers drawn, dx =
// 3h wide (h from 0.1 by ×1.25 and ×0.8) from 1 on, the last one cut at 4:
// π Σ (x_i − 1)(x_(i+1) − x_i).
PRESS_TABLE(QuadraturePresses, TheWashersOfPage326) {
    Run({
        {"326", "体积近似和", "旋转体体积:;;at@2.25,-1.5;;at@0,-2",
         "14.137;;旋转体体积:;;选曲线上一点",
         "py: 4.5π; hand: x −0.5..4.5, y −2.5..2.5: the volume at 0.55 of the x span, 0.2 of "
         "the y span up; the prompt at 0.1 of both"},
        {"326", "", "体积近似值:;;at@2.25,-2", "12.723;;体积近似值:",
         "py: dx 0.3, 10 washers; hand: under the volume, 0.1 of the y span up"},
        {"326", "dx增", "体积近似值:", "12.370", "py: dx 0.375, 8 washers"},
        {"326", "dx减*2", "体积近似值:", "13.029", "py: dx 0.24, 13 washers"},
        {"326", "dx减", "体积近似值:", "13.246", "py: dx 0.192, 16 washers"},
        {"326", "", "=h", "0.064", "hand: 0.1 × 1.25 × 0.8³"},
        {"326", "体积元素", "!体积近似值:", "", "hand: one element, no sum"},
        {"326", "旋转体", "旋转体体积:", "14.137", "py: the volume stays"},
        {"326", "", "!体积近似值:", "", "hand: the whole solid, no sum"},
    });
}

// Sources: python3, page 326 again: the washers of the sum up to the point
// picked at x = 3, each from its left end x0 as wide as dx and reaching
// √x0 below the axis outside (above it the region is filled, right of 2.2
// the read-outs stand); (0.5, −1.5) a bare place of the plot: dx 0.3 up to
// [2.5, 2.8] (its end face a √2.5/8 wide ellipse), [1.6, 1.9] of radius
// 1.2649, [1.9, 2.2] of 1.3784; dx 0.192 up to [2.728, 2.92] of 1.6517,
// [1.576, 1.768] of 1.2554, [1.768, 1.96] of 1.3297.
PRESS_TABLE(QuadraturePresses, TheWashersStandOnTheirLeftEnds) {
    Run({
        // The inner washers' rims shaded from the curve's slot, their left
        // edges from the first derivative's, over (0, 100, 100): at height
        // 0.28 of radius 1 the weight is 0.8535, 0.12 left of the centre.
        {"326", "^3,1.2", "rgb@1.93,0.28;;rgb@1.78,0.28;;rgb@2.8,0.3",
         "0,232,232;;213,232,14;;255,128,0",
         "py: θ = π − asin 0.28, w = 0.5 − cos(θ − 0.5)/4 + sin(θ − 0.5)/4; the edge at x0 1.9; "
         "the last end face [2.5, 2.8] filled within radius 1 in the pen's slot"},
        {"326", "体积近似和|^3,1.2|显示外部", "ink@1.75,-1.2;;rgb@2.8,-1.3;;rgb@1.5982,0.3542",
         "0.5,-1.5;;0,150,255;;0,100,232",
         "py: within √1.6; the last end face filled between radii 1 and √2.5; the outer rim of "
         "[1.6, 1.9] at 1.75, sin θ 0.28 of √1.6, in the front side's slot at w 0.8535"},
        {"326", "", "bare@1.75,-1.34", "0.5,-1.5", "py: past √1.6, within √1.9"},
        {"326", "", "ink@2.05,-1.33", "0.5,-1.5", "py: within √1.9"},
        {"326", "", "bare@2.05,-1.46", "0.5,-1.5", "py: past √1.9, within √2.2"},
        {"326", "", "bare@3.15,-1", "0.5,-1.5", "py: no washer past x1 = 2.8"},
        {"326", "dx减*2", "ink@1.672,-1.2", "0.5,-1.5", "py: dx 0.192, within √1.576"},
        {"326", "", "bare@1.672,-1.32", "0.5,-1.5", "py: past it, within √1.768"},
        {"326", "", "ink@1.864,-1.29", "0.5,-1.5", "py: within √1.768"},
        {"326", "", "bare@1.864,-1.41", "0.5,-1.5", "py: past it"},
        {"326", "", "ink@2.824,-1.6", "0.5,-1.5", "py: the last washer, within √2.728"},
        {"326", "", "bare@3.2,-1", "0.5,-1.5", "py: no washer past x1 = 2.92"},
    });
}

// Sources: python3, page 328: y = cos x on [−1.5, 1.5] about the x axis;
// the area 2π ∫ √(1 + u²) du over u = ±sin 1.5; the approximate sum is that
// of the frustums drawn, dx = 3h wide (h from 0.1 by ×1.25 and ×0.8), the
// last one cut at 1.5: π Σ (|y0| + |y1|) · |(dx, y1 − y0)|.
PRESS_TABLE(QuadraturePresses, TheFrustumsOfPage328) {
    Run({
        {"328", "面积近似和", "旋转体侧面积:;;at@0.2,-0.9", "14.379;;旋转体侧面积:",
         "py: the closed form; hand: x −2..2, y −1.5..1.5: at 0.55 of the x span, 0.2 of the y "
         "span up"},
        {"328", "", "侧面积近似值:;;at@0.2,-1.2", "14.271;;侧面积近似值:",
         "py: dx 0.3, 10 frustums; hand: under the area, 0.1 of the y span up"},
        {"328", "dx增", "侧面积近似值:", "14.210", "py: dx 0.375, 8 frustums"},
        {"328", "dx减*2", "侧面积近似值:", "14.310", "py: dx 0.24, 13 frustums"},
        {"328", "dx减", "侧面积近似值:", "14.335", "py: dx 0.192, 16 frustums"},
        {"328", "面积元素", "!侧面积近似值:", "", "hand: one frustum, no sum"},
        {"328", "旋转曲面", "旋转体侧面积:", "14.379", "py: the area stays"},
        {"328", "", "!侧面积近似值:", "", "hand: the whole surface, no sum"},
    });
}

// Sources: hand, page 366: the vessel (the mode 0) and the level against
// time (1), the vessel's layer dh named only in the first.
PRESS_TABLE(QuadraturePresses, TheTwoViewsOfPage366) {
    Run({
        {"366", "水位时间曲线", "=t", "1", "hand: the level against time"},
        {"366", "", "!dh", "", "hand: no layer of the vessel"},
        {"366", "水流问题", "=t", "0", "hand: the vessel again"},
        {"366", "", "?dh", "", "hand: its layer dh"},
    });
}

// Sources: python3. Page 323: x² on [0, 1], each strip outlined in
// (199, 125, 60) as high as f at its sample point: n 4 from the middle
// 0.015625, 0.140625, 0.390625, 0.765625; from the left 0, 0.0625, 0.25,
// 0.5625; from the right 0.0625, 0.25, 0.5625, 1. Page 324: sin x on
// [0, π], n 4: the chords through (i h, sin i h), h = 0.7854, the one
// over [h, 2h] at its middle (1.1781, 0.8536), the curve 0.9239 above it.
// Page 325, n 2: the parabola through (0, 0), (0.7854, 0.7071),
// (1.5708, 1) at 0.3927: 0.4053, at 1.1781: 0.9053, the node lines in
// (255, 100, 100).
PRESS_TABLE(QuadraturePresses, TheStripsStandWhereTheSumsTakeThem) {
    Run({
        {"323", "n增加*2", "rgb@0.875,0.765625", "199,125,60", "py: the last strip's top"},
        {"323", "", "rgb@0.875,0.84", "!199,125,60", "py: above it"},
        {"323", "", "rgb@1,0.4", "199,125,60", "hand: its right side at x = 1"},
        {"323", "", "rgb@1.03,0.4", "!199,125,60", "hand: past b"},
        {"323", "", "rgb@0.625,0.390625", "199,125,60", "py: the third top, 0.625²"},
        {"323", "", "rgb@0.5,0.3", "199,125,60", "py: the third's left side"},
        {"323", "", "rgb@0.5,0.45", "!199,125,60", "py: above both tops at 0.5"},
        {"323", "左端点", "rgb@0.875,0.5625", "199,125,60", "py: 0.75²"},
        {"323", "", "rgb@0.875,0.765625", "!199,125,60", "py: the middle's top gone"},
        {"323", "", "rgb@0.625,0.25", "199,125,60", "py: 0.5²"},
        {"323", "右端点", "rgb@0.875,1", "199,125,60", "py: 1²"},
        {"323", "", "rgb@1,0.9", "199,125,60", "hand: the right side up to 1"},
        {"323", "", "rgb@0.125,0.0625", "199,125,60", "py: 0.25²"},
        {"323", "", "rgb@0.125,0.015", "!199,125,60", "py: no middle's top"},
        {"323", "n减少", "rgb@0.75,1", "199,125,60", "py: n 2, 1²"},
        {"323", "", "rgb@0.25,0.25", "199,125,60", "py: 0.5²"},
        {"323", "", "rgb@0.5,0.6", "199,125,60", "hand: the second's left side"},
        {"323", "", "rgb@0.875,0.5625", "!199,125,60", "hand: inside the second"},
        {"324", "n增加*2", "rgb@1.1781,0.8536", "199,125,60", "py: the chord's middle"},
        {"324", "", "rgb@1.1781,0.78", "!199,125,60", "py: under it"},
        {"324", "", "rgb@0.7854,0.35", "199,125,60", "py: the side at h"},
        {"324", "", "rgb@1.5708,0.5", "199,125,60", "py: the side at 2h"},
        {"324", "", "rgb@1.2,0.4", "!199,125,60", "hand: inside a trapezoid"},
        {"324", "", "rgb@3.3,0.1", "!199,125,60", "hand: past b"},
        {"324", "n减少", "rgb@0.7854,0.5", "199,125,60", "py: n 2, the chord's middle"},
        {"324", "", "rgb@0.7854,0.7071", "!199,125,60", "py: no vertex at h"},
        {"324", "", "rgb@2.3562,0.5", "199,125,60", "py: the second chord's middle"},
        {"325", "n增加", "rgb@1.5708,0.5", "255,100,100", "py: the node line at π/2"},
        {"325", "", "rgb@0.7854,0.35", "!255,100,100", "hand: no node at π/4"},
        {"325", "", "rgb@1.1781,0.9053", "199,125,60", "py: the parabola at 3π/8"},
        {"325", "", "rgb@0.3927,0.4053", "199,125,60", "py: at π/8"},
        {"325", "", "rgb@0.3927,0.3", "!199,125,60", "py: under it"},
    });
}

// Sources: python3, page 320: the strips of the irregular sum (see above)
// outlined in (199, 125, 60). n 1: [0, 2] at sin 0.5 = 0.4794, [2, 3.1416]
// at sin 2.0034 = 0.9079. n 2: [0, 1] 0.2474, [1, 1.2073] 0.8845,
// [1.2073, 2.1245] 0.9586, [2.1245, 3.1416] 0.6066. n 4: [0, 0.5] 0.1247,
// [0.5, 1.5] 0.833, [1.5, 2.0983] 1.0, [2.0983, 2.7434] 0.7659,
// [2.7434, 3.1416] 0.3231.
PRESS_TABLE(QuadraturePresses, TheIrregularStripsOfPage320) {
    Run({
        {"320", "", "rgb@1,0.4794", "199,125,60", "py: the first top"},
        {"320", "", "rgb@1,0.56", "!199,125,60", "py: above it"},
        {"320", "", "rgb@2,0.7", "199,125,60", "py: the second's left side"},
        {"320", "", "rgb@2,0.97", "!199,125,60", "py: above it"},
        {"320", "", "rgb@2.57,0.9079", "199,125,60", "py: the second top"},
        {"320", "", "rgb@3.1416,0.5", "199,125,60", "hand: the right side at b"},
        {"320", "", "rgb@3.3,0.5", "!199,125,60", "hand: past b"},
        {"320", "n增加", "rgb@0.5,0.2474", "199,125,60", "py: n 2, the first top"},
        {"320", "", "rgb@0.5,0.4794", "!199,125,60", "py: n 1's top gone"},
        {"320", "", "rgb@1.1036,0.8845", "199,125,60", "py: the narrow second"},
        {"320", "", "rgb@1.6659,0.9586", "199,125,60", "py: the third"},
        {"320", "", "rgb@2.633,0.6066", "199,125,60", "py: the last"},
        {"320", "", "rgb@2.633,0.7", "!199,125,60", "py: above it"},
        {"320", "n增加", "rgb@0.25,0.1247", "199,125,60", "py: n 4, the first top"},
        {"320", "", "rgb@1,0.833", "199,125,60", "py: the second"},
        {"320", "", "rgb@1.7991,1", "199,125,60", "py: the third"},
        {"320", "", "rgb@2.4209,0.7659", "199,125,60", "py: the fourth"},
        {"320", "", "rgb@2.9425,0.3231", "199,125,60", "py: the last"},
        {"320", "", "rgb@2.9425,0.45", "!199,125,60", "py: above it"},
    });
}

// Sources: python3, page 328: y = cos x, the bands of the sum up to the
// point picked at x = 0.5, each a frustum from cos x0 to cos x1, its
// rings (x0 + t) reaching cos x0 + (cos x1 − cos x0) t/dx below the axis;
// (1.5, −0.3) a bare place. dx 0.3: [−0.9, −0.6] reaches 0.7914 at −0.65,
// the last band [0, 0.3]; dx 0.46875: [−0.5625, −0.09375] reaches 0.9617
// at −0.2, the last band [−0.09375, 0.375].
PRESS_TABLE(QuadraturePresses, TheBandsAreFrustums) {
    Run({
        {"328", "面积近似和|^0.5,0.5",
         "ink@-0.65,-0.76;;rgb@-0.8368,0.2026;;rgb@-0.9746,0.174;;rgb@0.4081,-0.2686",
         "1.5,-0.3;;0,100,232;;213,232,14;;36,122,85",
         "py: within 0.7914; over (0, 100, 100) with w = 0.5 − cos(θ − 0.5)/4 + sin(θ − 0.5)/4: "
         "the ring at −0.75 (R 0.7235, w 0.8535 at sin θ 0.28) in the front side's slot, the "
         "edge at x0 −0.9 (R cos 0.9) in the first derivative's, the last ring at 0.2935 (R cos "
         "0.3, w 0.1464 at θ −0.285) in the first derivative's"},
        {"328", "", "bare@-0.65,-0.9", "1.5,-0.3", "py: past it"},
        {"328", "", "bare@0.45,-0.5", "1.5,-0.3", "py: the last band ends at 0.3"},
        {"328", "dx增*2", "ink@0.45,-0.5", "1.5,-0.3", "py: now at 0.375"},
        {"328", "", "ink@-0.2,-0.92", "1.5,-0.3", "py: within 0.9617"},
        {"328", "", "bare@-0.2,-1.03", "1.5,-0.3", "py: past it"},
    });
}

// Sources: hand. A script's region read-out: the part of the plot where the
// lower surface x² + y² stands under the upper z = 4, the disc of radius 2
// inside [−3, 3] × [−2, 3], area 4π = 12.5664, written at the point the
// script gives.
PRESS_TABLE(QuadraturePresses, TheRegionsAreaStandsWhereTheScriptPutsIt) {
    RunScript("700DATA2(0,0,0,0,0,0,4,)\n"
              "700DATA2(1,1,0,1,0,0,0,)\n"
              "700Curve(0.4,3,34,10,21,-1,0,-3,3,-2,3,-3,3)\n"
              "700calculus1(3,0,0,1,-2.5,2.5)\n",
              {
                  {"905", "", "区域的面积: ;;at@-2.5,2.5",
                   "12.5664;;区域的面积: ", "hand: 4π, at (−2.5, 2.5)"},
              });
}

} // namespace
