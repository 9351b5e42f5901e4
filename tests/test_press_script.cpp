// The script pages pressed button by button: the period of a periodically
// extended function and the direction numbers of a line with its plane.
#include "press_table.h"

namespace {

// Sources: python3. Page 211: y = ch x extended with the period P from the
// script's 2, ×1.25 or ×0.8 a press; x is brought into [−P/2, P/2) (u = x
// + 100P, less P·⌊u/P + 1/2⌋), so at x = 2: ch 0.5 = 1.1276 for P = 2.5,
// ch 1.125 = 1.7024 for 3.125, ch 0.4 = 1.0811 for 1.6; (5.5, 1.9) lies
// above the curve for all three; its third figure mirrors y = sh x in
// y = x: M = (x0, sh x0) dropped to both axes, (sh x0, x0) too (sh 1.5 =
// 2.1293, sh(−1) = −1.1752), the plot 125 pixels a unit across, 60 up, so
// each point read is ten pixels or more from the curves and y = x. Page 360: (m, n, p) = (0.6, 0.8,
// 1) from its script, 0.1 a press, three decimals; the plane through M = (1, 2, 1.2) normal to them
// is the one plane the figure shows.
PRESS_TABLE(ScriptPresses, PeriodAndDirectionButtons) {
    Run({
        {"211", "周期增加", "ink@2,1.1276", "5.5,1.9", "py: P = 2.5, ch 0.5"},
        {"211", "", "bare@2,1", "5.5,1.9", "hand: the script's minimum at x = 2 has moved"},
        {"211", "周期增加", "ink@2,1.7024", "5.5,1.9", "py: P = 3.125, ch 1.125"},
        {"211", "", "bare@2,1.1276", "5.5,1.9", "py: below the curve, clear of the period lines"},
        {"211", "周期减少*3", "ink@2,1.0811", "5.5,1.9", "py: P = 1.6, ch 0.4"},
        {"211", "", "bare@2,1.7024", "5.5,1.9", "py: above the curve"},
        {"211", "周期增加", "ink@2,1", "5.5,1.9", "hand: P = 1.6 × 1.25 = 2, x = 2 folds to 0"},
        {"211", "", "bare@2,1.0811", "5.5,1.9", "py: the curve of P = 1.6 has gone"},
        {"211", "^1,0.5", "ink@-3,0.5;;rgb@-3,0.5;;rgb@3,0.5", "5.5,1.9;;255,128,0;;255,128,0",
         "hand: P = 2, a mark at 1 − 2·2 left of P and 1 + 2 right, in the pen"},
        {"211", "", "bare@-4,0.5", "5.5,1.9", "hand: the marks of the cursor at 0 gone"},
        {"211", "", "ink@5,0.5", "5.5,1.9", "hand: and 1 + 2·2 right of P"},
        {"211", "", "ink@3,0.5", "5.5,1.9", "hand: the first mark right of P"},
        {"211", "", "bare@4,0.5", "5.5,1.9", "hand: none between, ch 0 = 1 above"},
        {"211", "", "bare@5,1.75", "5.5,1.9", "py: the mark ends at ch(−1) = 1.5431"},
        {"211/1400", "", "rgb@-2.5,1", "250,255,0",
         "hand: x0 = 0 at opening, the level y = F(0) = 1 in the first-derivative colour"},
        {"211/1400", "^-1,2", "ink@-1.1772,1.5;;bare@-1.1382,1.5", "-2.5,4.5;;-2.5,4.5",
         "py: x0 = −1, the level F(−1) = 3 grazes the maximum; scanned from −3 in steps of "
         "0.0001·6, the first x with |F − 3| under 0.01·(6 + 4) = 0.1 is −1.1772 (3 − 3d² − d³ "
         "= 2.9 at d = 0.1772), its line from the level down to the axis; none at −1.1382, "
         "where |F − 3| first falls under 0.06"},
        {"211/2400", "^1.5,1", "ink@0.3,2.1293", "-2.5,2.5",
         "py: y = sh x, x0 = 1.5: the level y0 = sh 1.5 from the y axis"},
        {"211/2400", "", "ink@2.1293,0.75;;rgb@2.1293,0.75;;rgb@0.3,2.1293;;rgb@-2,-2",
         "-2.5,2.5;;255,128,0;;0,150,255;;250,255,0",
         "py: the mirror's drop at x = y0 in the pen, M's level in the fill; y = x"},
        {"211/2400", "", "bare@2.1293,-0.6", "-2.5,2.5", "py: it ends on the x axis"},
        {"211/2400", "", "ink@1.5,0.6", "-2.5,2.5", "hand: M's drop at x0, below sh⁻¹ 1.5"},
        {"211/2400", "", "ink@0.5,1.5;;rgb@0.5,1.5;;rgb@1.5,0.6;;rgb@1.9,1.5",
         "-2.5,2.5;;255,128,0;;0,150,255;;255,128,0",
         "hand: the mirror's level y = x0 in the pen, M's drop in the fill; py: the level runs "
         "on past x0 to y0 = sh 1.5 = 2.1293"},
        {"211/2400", "", "bare@-0.5,1.5", "-2.5,2.5", "hand: it starts on the y axis"},
        {"211/2400", "", "bare@1.9,2.1293", "-2.5,2.5", "py: the level y0 ends at x0"},
        {"211/2400", "^-1,0", "ink@-1.1752,-0.5", "-2.5,2.5", "py: x0 = −1, drop at y0 = sh(−1)"},
        {"211/2400", "", "bare@-1.1752,0.5", "-2.5,2.5", "py: up to the axis only"},
        {"211/2400", "", "ink@-0.5,-1", "-2.5,2.5", "hand: the mirror's level runs left"},
        {"211/2400", "", "bare@0.5,-1", "-2.5,2.5", "hand: not right of the y axis"},
        {"211/2400", "", "ink@-1,-0.6", "-2.5,2.5", "py: M's drop at x0 = −1"},
        {"360", "", "m=", "0.600", "the script"},
        {"360", "m增*3", "m=", "0.900", "hand: 0.6 + 0.3"},
        {"360", "m减", "m=", "0.800", "hand: 0.9 − 0.1"},
        {"360", "n减*3", "n=", "0.500", "hand: 0.8 − 0.3"},
        {"360", "n增", "n=", "0.600", "hand: 0.5 + 0.1"},
        {"360", "p增*3", "p=", "1.300", "hand: 1 + 0.3"},
        {"360", "p减", "p=", "1.200", "hand: 1.3 − 0.1"},
        {"360", "", "m=", "0.800", "hand: m keeps its value"},
        {"360", "", "%m=;;%n=;;%p=;;%#19;;%#24;;rgb3@0,0,2.8",
         "255,128,0;;255,128,0;;255,128,0;;255,128,0;;0,64,128;;0,255,0",
         "hand: m, n, p and the arrow's s in the pen, a tick value in the ground, the z axis"},
        {"360", "open", "rgb3@2.58,2.44,2.5", "219,255,35",
         "py: P0 + 0.5·(0.6, 0.8, 1), coloured by x"},
        {"360", "", "rgb3@2.1,1.8,1.7", "178,255,76", "py: P0 + -0.3·(0.6, 0.8, 1), coloured by x"},
        {"360", "", "rgb3@1.62,1.16,0.9", "!137,255,117",
         "py: none past the foot F = P0 − 0.8000·d on the plane through M"},
        {"360", "", "rgb3@1.4279,1.7372,1.2464", "0,150,255",
         "py: the parallelogram P0, P0 − e, M − e, M, e = d/|d|, at its centre"},
        {"360", "", "rgb3@1.2157,1.4543,0.8929", "255,128,0",
         "py: its side from P0 − e to M − e, halfway"},
        {"360", "", "rgb3@1.2794,1.5392,0.999", "0,150,255", "py: the fill just inside that side"},
        {"360", "", "rgb3@1.1309,1.3412,0.7515", "!0,150,255", "py: none past it"},
        {"360", "", "rgb3@0.7879,1.7172,0.8464;;head3@1.8557,1.4743,1.2929>0.5757,1.4343,0.4929",
         "255,128,0;;255,128,0",
         "py: the side from M to M − e, halfway; heads at M − e from both sides, one at P0 − e"},
        {"360", "", "rgb3@2.0679,1.7572,1.6464;;rgb3@1.24,1.82,1.2", "255,128,0;;0,255,255",
         "py: the side from P0 to P0 − e; F to M 0.7 of the way, over the parallelogram's fill"},
        {"360", "", "rgb3@1.64,2.02,1.6", "255,128,0", "py: the arrow from P0 to M, halfway"},
        {"360", "", "rgb3@1.768,1.424,1.2", "0,255,255", "py: F = (1.8, 1.4, 1.2) to M, near F"},
        {"360", "", "rgb3@2.04,1.72,1.6", "!0,255,255", "py: none from F to P0"},
        {"360", "m增*3", "rgb3@2.73,2.44,2.5", "232,255,22",
         "py: P0 + 0.5·(0.9, 0.8, 1), coloured by x"},
        {"360", "", "rgb3@2.01,1.8,1.7", "170,255,84",
         "py: P0 + -0.3·(0.9, 0.8, 1), coloured by x"},
        {"360", "", "rgb3@1.2812,1.1522,0.8902", "!108,255,146",
         "py: none past the foot F = P0 − 0.8098·d on the plane through M"},
        {"360", "", "rgb3@2.58,2.44,2.5", "!219,255,35", "py: the line of the last direction gone"},
        {"360", "", "rgb3@1.3525,1.7644,1.2806", "0,150,255",
         "py: the parallelogram P0, P0 − e, M − e, M, e = d/|d|, at its centre"},
        {"360", "", "rgb3@1.065,1.5089,0.9611", "255,128,0",
         "py: its side from P0 − e to M − e, halfway"},
        {"360", "", "rgb3@1.1513,1.5856,1.057", "0,150,255", "py: the fill just inside that side"},
        {"360", "", "rgb3@1.5292,1.4165,1.1906", "0,255,255", "py: F = P0 − 0.8098·d to M, near F"},
        {"360", "", "rgb3@1.9156,1.7161,1.5951", "!0,255,255", "py: none from F to P0"},
        {"360", "", "rgb3@0.95,1.4067,0.8333", "!0,150,255", "py: none past it"},
        {"360", "n减*3", "rgb3@2.73,2.29,2.5", "232,255,22",
         "py: P0 + 0.5·(0.9, 0.5, 1), coloured by x"},
        {"360", "", "rgb3@2.01,1.89,1.7", "170,255,84",
         "py: P0 + -0.3·(0.9, 0.5, 1), coloured by x"},
        {"360", "", "rgb3@1.1484,1.4114,0.7427", "!97,255,157",
         "py: none past the foot F = P0 − 0.9573·d on the plane through M"},
        {"360", "", "rgb3@2.73,2.44,2.5", "!232,255,22", "py: the line of the last direction gone"},
        {"360", "", "rgb3@1.3265,1.8458,1.2516", "0,150,255",
         "py: the parallelogram P0, P0 − e, M − e, M, e = d/|d|, at its centre"},
        {"360", "", "rgb3@1.0129,1.6716,0.9033", "255,128,0",
         "py: its side from P0 − e to M − e, halfway"},
        {"360", "", "rgb3@1.107,1.7239,1.0078", "0,150,255", "py: the fill just inside that side"},
        {"360", "", "rgb3@0.8875,1.602,0.7639", "!0,150,255", "py: none past it"},
        {"360", "p增*3", "rgb3@2.73,2.29,2.65", "232,255,22",
         "py: P0 + 0.5·(0.9, 0.5, 1.3), coloured by x"},
        {"360", "", "rgb3@2.01,1.89,1.61", "170,255,84",
         "py: P0 + -0.3·(0.9, 0.5, 1.3), coloured by x"},
        {"360", "", "rgb3@1.2861,1.4878,0.5643", "!109,255,145",
         "py: none past the foot F = P0 − 0.8044·d on the plane through M"},
        {"360", "", "rgb3@2.73,2.29,2.5", "!232,255,22", "py: the line of the last direction gone"},
        {"360", "", "rgb3@1.3686,1.8692,1.208", "0,150,255",
         "py: the parallelogram P0, P0 − e, M − e, M, e = d/|d|, at its centre"},
        {"360", "", "rgb3@1.0973,1.7185,0.8161", "255,128,0",
         "py: its side from P0 − e to M − e, halfway"},
        {"360", "", "rgb3@1.1787,1.7637,0.9337", "0,150,255", "py: the fill just inside that side"},
        {"360", "", "rgb3@0.9887,1.6582,0.6593;;rgb3@1.1112,1.9276,1.1509", "!0,150,255;;0,255,255",
         "py: none past it; F = P0 − 0.8044·d = (1.5561, 1.6378, 0.9543) to M 0.8 of the way, "
         "rising to M's 1.2"},
        {"360", "open", "ink3@0,1.5,2.2", "0,0.5,0.3",
         "hand: the plane through M normal to (0.6, 0.8, 1), z = 3.4 − 0.6x − 0.8y, at x = 0"},
        {"360", "m减*10", "bare3@0,1.5,2.2", "0,0.5,0.3", "hand: gone at m = −0.4"},
    });
}

// Sources: python3, u(x, t) = [φ(x + at) + φ(x − at)] / 2 with φ = 1/(1 +
// x²) and no initial velocity, from the script's a = 1, t = 0, 0.1 a press:
// at x = 2, 0.3 for at = 1, 0.2462 for 0.7, 0.2813 for 0.91, 0.2289 for
// 0.56; φ(2) = 0.2. Page 329: sin x on [0, 2π], level tangents at π/2
// and 3π/2 reaching 0.1 of the span 7.5 either way. The wave page lies among the course's own
// pages, beside the sample pages. Page 2101: the mesh of its plane, 50 divisions a side, ×1.5 or
// ×2/3 a press in whole divisions. Page 2100: the arc of the unit circle
// from 0 to π (RGB(255, 160, 0)) and the ellipse about (−2, 1.6) of radii
// 0.55 and 0.45 (pen RGB(255, 220, 0)); page 2101: its yellow and white
// space lines, its vectors, box, polygon and arc where its script puts
// them, the disc and the free vector from (1, 2.5, 2.5) toward the floor
// point (1.2, 1.7, 0) picked, 0.8 of the way, the rest a line; the arc
// (0, 1.2 cos t, 1.2 sin t) for t from 0 to 1.59, from the y axis up to
// the z axis and a step past it; the floor's
// boundary arrows round [0.5, 2.5] × [0.5, 1.5] seen from (1.5, 1); page 214:
// the supplement's fold button and the choice question of kind 4 (A to D,
// B right).
PRESS_TABLE(ScriptPresses, WaveAndMeshButtons) {
    Run({
        {"..\\gsdata\\gs020", "t增*10", "ink@2,0.3", "-8,1", "py: at = 1"},
        {"..\\gsdata\\gs020", "", "bare@2,0.2", "-8,1", "py: the start φ(2) has moved"},
        {"..\\gsdata\\gs020", "t减*3", "ink@2,0.2462", "-8,1", "py: at = 0.7"},
        {"..\\gsdata\\gs020", "", "bare@2,0.3", "-8,1", "py: at = 1 no longer"},
        {"..\\gsdata\\gs020", "a增*3", "ink@2,0.2813", "-8,1", "py: a = 1.3, at = 0.91"},
        {"..\\gsdata\\gs020", "a减*5", "ink@2,0.2289", "-8,1", "py: a = 0.8, at = 0.56"},
        {"329", "罗尔", "rgb@1.5708,0.5", "250,255,0", "hand: the ordinate at π/2, halfway"},
        {"329", "", "rgb@2.1,1", "250,255,0", "hand: the level tangent reaches π/2 + 0.75"},
        {"329", "", "rgb@4.7124,-0.5", "250,255,0", "hand: the ordinate at 3π/2, halfway"},
        {"329", "", "rgb@3,0", "!255,100,100", "hand: no chord for Rolle"},
        {"329", "拉氏", "rgb@3,0", "255,100,100", "hand: the chord from (0, 0) to (2π, 0)"},
        {"329", "", "rgb@4.1,-1", "250,255,0", "hand: the tangent at 3π/2, 0.61 short of its end"},
        {"329", "罗尔*2", "rgb@3,0", "!255,100,100", "hand: Rolle again"},
        {"2101", "增加", "=Meshx", "75", "hand: 50 × 1.5"},
        {"2101", "减少*3", "=Meshx", "22", "hand: 75 → 50 → 33 → 22"},
        {"2101", "增加#2*2", "=Meshy", "112", "hand: 50 → 75 → 112"},
        {"2101", "减少#2", "=Meshy", "74", "hand: 112 × 2/3 = 74.7"},
        {"2101", "打开投影", "?关闭投影", "", "hand: the switch names what it does next"},
        {"2101", "关闭投影", "?打开投影", "", "hand: and back"},
        {"2100", "", "rgb@-0.99,0.1411", "255,160,0",
         "py: the arc (cos 3, sin 3), short of its end π"},
        {"2100", "", "rgb@-0.7071,-0.7071", "!255,160,0", "hand: none past π"},
        {"2100", "", "rgb@-1.45,1.6", "255,220,0", "hand: the ellipse's right end, −2 + 0.55"},
        {"2100", "", "rgb@-2,2.05", "255,220,0", "hand: its top, 1.6 + 0.45"},
        {"2100", "", "rgb@-2,2.15", "!255,220,0", "hand: where the radii swapped would put it"},
        {"2100", "", "rgb@-1.55,1.6", "!255,220,0", "hand: inside, 0.1 short of the right end"},
        {"2101", "", "rgb3@0.5,0.5,1.9", "255,255,0", "hand: the line from (0.5, 0.5, 0) to z = 2"},
        {"2101", "", "rgb3@0.5,0.5,2.4", "!255,255,0", "hand: none past its end"},
        {"2101", "", "rgb3@0,2.5,2.1", "250,250,250",
         "hand: the middle of (0, 2.8, 1.6) to (0, 2.2, 2.6)"},
        {"2101", "", "rgb3@0,1.9,2.1", "250,250,250",
         "hand: the middle of (0, 2.2, 2.6) to (0, 1.6, 1.6)"},
        {"2101", "", "rgb3@0.75,0,0;;%B^2-AC=", "255,90,90;;255,128,0",
         "hand: the vector (1.5, 0, 0) from O, halfway; the test value in the default pen"},
        {"2101", "", "rgb3@0,0.75,0", "255,90,90", "hand: the vector (0, 1.5, 0), halfway"},
        {"2101", "", "rgb3@2.2,1.8,0.8", "0,230,255", "hand: the box's top edge, halfway"},
        {"2101", "", "rgb3@2.6,2.6,0.4", "0,230,255", "hand: its upright edge at (2.6, 2.6)"},
        {"2101", "", "rgb3@2.5,0.8,0", "140,80,0", "hand: the polygon's fill"},
        {"2101", "", "rgb3@2.5,0.3,0;;rgb3@2.2,0.8,0", "255,160,0;;255,160,0",
         "hand: its edge y = 0.3, and the closing edge x = 2.2"},
        {"2101", "", "rgb3@2.5,1.1014,0", "255,255,0",
         "py: the first boundary arrow on the floor, (2.5, 1) to (2.5, 1 + tan 0.2), halfway"},
        {"2101", "", "rgb3@1.8514,1.75,0", "!255,255,0", "py: not toward (1 + tan 0.2, 2.5)"},
        {"2101", "^1.2,1.7,0", "rgb3@0,0.8485,0.8485", "255,255,255", "py: the arc at 45°"},
        {"2101", "", "rgb3@1.2,1.7,0", "255,0,0", "hand: the disc under the mouse"},
        {"2101", "", "rgb3@1.08,2.18,1.5", "255,120,255", "hand: 0.8 of the way, halfway"},
        {"2101", "", "rgb3@1.18,1.78,0.25", "0,150,255", "hand: the line past the arrow"},
        {"2101", "", "rgb3@0,1.1761,0.2384", "255,255,255", "py: the arc at t 0.2, from y"},
        {"2101", "", "rgb3@0,0.2384,1.1761", "255,255,255", "py: at t 1.3708, toward z"},
        {"2101", "", "rgb3@0,-0.2139,1.1808", "!255,255,255", "py: t 1.75, past its end 1.59"},
        {"2101", "", "rgb3@0,-0.8485,0.8485", "!255,255,255", "py: not from z toward −y"},
        {"2101", "", "rgb3@0,1.9,1.6", "250,250,250", "hand: the triangle's base, a quarter"},
        {"2100", "", "at@-2,4", "A", "the script: A named at (−2, 4)"},
        {"214/2400", "", "?=查看解答;;!关闭解答;;%=选择答案;;%=查看解答",
         ";;;;250,255,0;;0,255,255", "hand: the fifth question's answer closed at first"},
        {"214/2400", "B#3", "D#3;;%=对;;%=选择答案", "对;;250,255,0;;250,255,0",
         "hand: flags 0, 1, 0, 0: B (after two Bs of the prose) right; verdict and label in "
         "slot 5"},
        {"214/2400", " 补 充 | 证 明 |源程序", "?关闭补充;;?关闭证明;;?关闭源程序", ";;;;",
         "hand: each opened block's own caption"},
        {"214/2400", "", "!E", "", "hand: kind 4 offers A to D only"},
    });
}

} // namespace
