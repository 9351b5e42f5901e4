// The first-order equation pages pressed button by button: y′ = y from
// (0, 1), the value table's y_n checked against the methods' own steps; and
// the system x′ = y, y′ = −x of page 333 from (1, 0), over t and in the
// phase plane. Then equations of our own started off the origin with steps
// other than 1, where a value of x, t or h standing for another shows:
// y′ = x − y, a system with an elliptic orbit and the damped oscillator.
#include "press_table.h"

namespace {

// y′ = x − y: the first form's coefficients a..f, x − y = d x + e y.
constexpr const char* kXMinusY =
    "700DATA2(0,0,0,0,1,-1,0,)\n"
    "700DiffEquation1(0.4,3,44,10,0,0,0,-1,3,-2.5,6,-0.7,2.6,1,1,0.5,2,-1,0.3)\n";

// Sources: python3, y_n = g(h)^n with g = 1 + h (Euler), 1 + h + h²/2
// (Heun), 1 + h + h²/2 + h³/6 + h⁴/24 (RK4); Adams-Bashforth 4 (and its
// Moulton corrector) from y_4 on, after four RK4 steps. "y =#k" is the k-th forward row, y_(k−1).
PRESS_TABLE(OdePresses, EveryButtonOfTheOdePages) {
    Run({
        {"334", "", "y =#2", "1.2000", "py: Euler h 0.2, 1.2"},
        {"334", "", "y =#10", "5.1598", "py: Euler h 0.2, 1.2^9"},
        {"334", "", "x =#2;;x =_#2;;y =_#10", "0.200;;1;;9", "hand: x_1 = h; y_9"},
        {"334", "步长增", "y =#3", "1.9600", "py: Euler h 0.4, 1.4²"},
        {"334", "步长增", "y =#3", "3.2400", "py: Euler h 0.8, 1.8²"},
        {"334", "步长增", "y =#2", "2.6000", "py: Euler h 1.6"},
        {"334", "步长增", "y =#2", "2.6000", "hand: 3.2 is past the x span 2.8"},
        {"334", "步长减", "x =#2", "0.800", "hand: h 0.8"},
        {"334", "步长减", "y =#5", "3.8416", "py: Euler h 0.4, 1.4^4"},
        {"334", "步长减", "y =#4", "1.7280", "py: Euler h 0.2, 1.2³"},
        {"334", "改进Euler", "y =#3", "1.4884", "py: Heun h 0.2"},
        {"334", "", "y =#10", "5.9874", "py: Heun h 0.2"},
        {"334", "", "?改进欧拉折线法", "", "the method's name"},
        {"334", "RK法", "y =#2", "1.2214", "py: RK4 h 0.2"},
        {"334", "", "y =#10", "6.0495", "py: RK4 h 0.2"},
        {"334", "Adams预_校", "?阿达姆斯预_校法", "", "the method's name"},
        {"334", "Adams", "?阿达姆斯法", "", "the method's name"},
        {"334", "Euler法", "y =#2", "1.2000", "py: Euler h 0.2"},
        {"334", "无数值", "!y =", "", "the table hidden"},
        {"334", "有数值", "y =#3", "1.4400", "py: Euler h 0.2, 1.2²"},
        {"335", "", "y =#2", "1.1052", "py: RK4 h 0.1"},
        {"335", "", "y =#10", "2.4596", "py: RK4 h 0.1"},
        {"335", "步长增", "y =#3", "1.4918", "py: RK4 h 0.2"},
        {"335", "步长增", "y =#2", "1.4917", "py: RK4 h 0.4"},
        {"335", "步长增", "y =#2", "2.2224", "py: RK4 h 0.8"},
        {"335", "步长减*2", "y =#2", "1.2214", "py: RK4 h 0.2"},
        {"335", "步长减", "y =#2", "1.1052", "py: RK4 h 0.1"},
        {"335", "步长减", "y =#2", "1.0513", "py: RK4 h 0.05"},
        {"335", "", "?0.0500", "", "hand: h = 0.1 / 2"},
        {"335", "open", "?0.1000", "", "the script's h"},
        {"335", "", "y =#12", "0.9048", "py: RK4 h −0.1, the first backward row after y_0"},
        {"335", "Euler法", "y =#2", "1.1000", "py: Euler h 0.1"},
        {"335", "", "y =#10", "2.3579", "py: Euler h 0.1, 1.1^9"},
        {"335", "", "?欧拉折线法", "", "the method's name"},
        {"335", "改进Euler", "y =#4", "1.3492", "py: Heun h 0.1, 1.105³"},
        {"335", "", "y =#10", "2.4562", "py: Heun h 0.1, 1.105^9"},
        {"335", "", "?改进欧拉折线法", "", "the method's name"},
        {"335", "步长增", "?0.2000", "", "hand: h = 0.1 × 2"},
        {"335", "", "y =#3", "1.4884", "py: Heun h 0.2, 1.22²"},
        {"335", "步长减", "y =#3", "1.2210", "py: Heun h 0.1, 1.105²"},
        {"335", "RK法", "y =#3", "1.2214", "py: RK4 h 0.1"},
        {"335", "", "?龙格库塔法", "", "the method's name"},
        {"335", "无数值", "!y =", "", "the table hidden"},
        {"335", "有切线|@0.8,-1", "rgb@1.9,-1", "255,128,0",
         "hand: the field's lines fill the plot"},
        {"335", "无切线", "rgb@1.9,-1", "!255,128,0", "hand: the field gone"},
        {"335", "有数值", "x =#3", "0.200", "hand: x_2 = 2h"},
        {"335", "open|Adams", "y =#8", "2.0137", "py: AB4 h 0.1 after four RK4 steps"},
        {"335", "步长增", "y =#7", "3.3195", "py: AB4 h 0.2"},
        {"335", "Adams预_校", "y =#7", "3.3201", "py: AB-M4 h 0.2"},
        {"335", "步长减", "y =#8", "2.0138", "py: AB-M4 h 0.1"},
        {"334", "有切线|@0.8,-1", "rgb@-0.06,-1.122", "255,128,0",
         "hand: the slope from (−0.16, −1.02), cells 1.2h apart, at its middle"},
        {"334", "无切线", "rgb@-0.06,-1.122", "!255,128,0", "hand: the field gone"},
        {"334", "无数值", "ink@1.7,4.7298", "0.5,-1",
         "py: Euler's chord (1.6, 1.2^8)–(1.8, 1.2^9)"},
        {"334", "", "ink@1.7,5.4739", "0.5,-1", "py: e^1.7, the exact curve"},
        {"334", "", "bare@1.7,5.1", "0.5,-1", "py: between the two"},
        {"334", "", "ink@0.9,2.2810", "0.5,-1", "py: the chord (0.8, 1.2^4)–(1, 1.2^5)"},
        {"331", "特解", "=t;;rgb@-1.16,1.4;;rgb@-1.28,1.4", "1;;250,255,0;;!250,255,0",
         "hand: the one curve; 导数's swatch in y′'s colour from x min + 0.2 of 4 at y max − 0.15 "
         "of 4, nothing of it left of −1.2"},
        {"331", "", "ink@1.5,0.9463", "-1.5,1.5", "py: y = x − 1 + 2e^−x at 1.5"},
        {"331", "", "ink@1.5,0.5537", "-1.5,1.5", "py: y′ = 1 − 2e^−x at 1.5"},
        {"331", "", "bare@-1,-1.6321", "-1.5,1.5", "py: the curve from (−2, −2) not drawn"},
        {"331", "通解", "=t", "0", "hand: the family"},
        {"331", "", "ink@-1,-1.6321", "1.9,-1.9", "py: y = x − 1 + e^(−x−2) at −1"},
        {"363", "", "y =#8", "2.0138", "py: AB-M4 h 0.1 (AB4 gives 2.0137)"},
        {"363", "", "y =#4", "1.3499", "py: RK4 start h 0.1"},
        {"363", "Adams", "y =#8", "2.0137", "py: AB4 h 0.1"},
        {"363", "步长增", "y =#8", "4.0542", "py: AB4 h 0.2"},
        {"363", "", "y =#6", "2.7181", "py: AB4 h 0.2 (RK4 gives 2.7183)"},
        {"363", "Adams预_校", "y =#8", "4.0552", "py: AB-M4 h 0.2 (RK4 gives 4.0551)"},
        {"363", "步长减", "y =#2", "1.1052", "py: RK4 start h 0.1"},
        {"363", "Euler法", "y =#8", "1.9487", "py: Euler h 0.1, 1.1^7"},
        {"363", "改进Euler", "y =#8", "2.0116", "py: Heun h 0.1, 1.105^7"},
        {"363", "RK法", "y =#10", "2.4596", "py: RK4 h 0.1"},
        {"363", "", "?龙格库塔法", "", "the method's name"},
        {"363", "无数值", "!y =", "", "the table hidden"},
        {"363", "有数值", "y =#3", "1.2214", "py: RK4 h 0.1"},
        {"363", "有切线|@0.8,-1", "rgb@0.25,-1", "255,128,0",
         "hand: the field's lines fill the plot"},
        {"363", "无切线", "rgb@0.25,-1", "!255,128,0", "hand: the field gone"},
        {"333", "", "ink@3.1416,-1", "5,-1.8", "hand: x = cos t at π"},
        {"333", "", "ink@4.7124,1", "5,-1.8", "hand: y = −sin t at 3π/2"},
        {"333", "相平面", "ink@0.7071,0.7071", "-1.5,-1.5", "hand: the unit circle"},
        {"333", "", "ink@-0.7071,-0.7071", "-1.5,-1.5", "hand: the unit circle"},
        {"333", "", "bare@1.5,1.5", "-1.5,-1.5", "hand: off the circle"},
        {"333", "取消", "ink@3.1416,-1", "5,-1.8", "hand: x = cos t at π"},
        {"333", "", "bare@2,0.5", "5,-1.8", "hand: cos 2 and −sin 2 are negative"},
        {"333", "", "rgb@0.5,-0.4794", "250,255,0", "py: the second curve −sin t at 0.5"},
        {"333", "", "rgb@2.8,-0.335", "250,255,0", "py: −sin 2.8, where it climbs"},
        {"333", "", "rgb@2.8,0.335;;rgb@0,-1", "!250,255,0;;!0,255,255",
         "py: not sin t; hand: the start dot at (0, x0 = 1), none at (0, −1), where only the "
         "axis passes (x = cos t is 1, y = −sin t is 0 at t = 0)"},
        {"333", "", "rgb@6.5,-0.2151", "250,255,0", "py: −sin 6.5"},
        {"333", "", "rgb@9,-0.4121", "250,255,0", "py: −sin 9"},
        {"333", "@33142|g(x,y)", "?g(x,y):;;d=;;e=", ";;-1.0;;0.0",
         "hand: g's DATA2 row 1, g = −x: d −1, e 0 (f's row has e 1)"},
    });
}

// Sources: python3, page 334: y′ = y from (0, 1), the chords of each method
// up to the first x at or past 2: Euler h 0.2 ends (1.8, 1.2⁹)–(2, 1.2¹⁰),
// middle 5.6758; h 0.4: (1.6, 1.4⁴)–(2, 1.4⁵), middle 4.6099; h 0.8:
// (0.8, 1.8), (1.6, 3.24); RK4 h 0.8: g = 2.2224, the chord
// (0.8, g)–(1.6, g²) with its middle 3.5807, e^1.2 = 3.3201 under it.
PRESS_TABLE(OdePresses, TheChordsEndWhereTheStepsTakeThem) {
    Run({
        {"334", "无数值", "ink@1.9,5.6758", "1.5,7", "py: Euler h 0.2, the last chord"},
        {"334", "", "bare@2.1,6.7", "1.5,7", "py: no chord past x = 2"},
        {"334", "", "bare@2.1,6.8109", "1.5,7", "py: no eleventh chord to (2.2, 1.2^11)"},
        {"334", "步长增", "ink@1.8,4.6099", "1.5,7", "py: Euler h 0.4, the last chord"},
        {"334", "", "bare@1.9,5.6758", "1.5,7", "py: the chord of h 0.2 gone"},
        {"334", "步长增", "ink@1.2,2.52", "1.5,7", "py: Euler h 0.8, (0.8, 1.8)–(1.6, 3.24)"},
        {"334", "", "bare@1.2,2.85", "1.5,7", "py: above it, under e^1.2"},
        {"334", "", "ink@2.0,4.536", "1.5,7", "py: Euler h 0.8, (1.6, 3.24)–(2.4, 5.832)"},
        {"334", "RK法", "ink@1.2,3.5807", "1.5,7", "py: RK4 h 0.8, its second chord"},
        {"334", "", "bare@1.2,4.0", "1.5,7", "py: above it"},
        {"334", "", "bare@1.2,2.52", "1.5,7", "py: Euler's chord gone"},
    });
}

// y′ = x − y from (0.5, 2) on [−0.7, 2.6], h 0.3: each method's rows forward
// and backward, the step halved and doubled past its bounds (at most the x
// span 4). Sources: python3, each method's steps in plain floats; Adams
// from y_5 on, after four RK4 steps.
PRESS_TABLE(OdePresses, AnEquationInXFromAStartOffTheOrigin) {
    RunScript(
        kXMinusY,
        {
            {"900", "", "x =#2", "0.800", "hand: 0.5 + 0.3"},
            {"900", "", "y =#2", "1.5500", "py: 2 + 0.3 (0.5 − 2)"},
            {"900", "", "x =#7", "2.300", "hand: the last x before b"},
            {"900", "", "y =#7", "1.5941", "py: Euler at 2.3"},
            {"900", "", "x =#8", "0.500", "hand: the backward column from x0"},
            {"900", "", "y =#9", "2.4500", "py: 2 − 0.3 (0.5 − 2)"},
            {"900", "", "y =#11", "4.0925", "py: Euler back at −0.4"},
            {"900", "", "x =#12", "(none)", "hand: −0.7 is a"},
            {"900", "", "步长h=;;at@1.4,-1.65", "0.3000;;步长h=",
             "hand: the script's h; no row on the caption's line (rows 0..6 forward, "
             "0..3 back, the line row 9), so at x min + 0.6 · 4, y min + 0.1 (the step) "
             "· 8.5"},
            {"900", "@33690", "at@1.4,-0.8", "步长h=",
             "hand: the step doubled to 0.2, y min + 0.2 · 8.5; the nearest row, 6, 1.7 above"},
            {"900", "@33691", "at@1.4,-1.65", "步长h=", "hand: the step halved back to 0.1"},
            {"900", "步长增", "y =#2", "1.1000", "py: h 0.6 at 1.1"},
            {"900", "", "y =#4", "1.4600", "py: h 0.6 at 2.3"},
            {"900", "", "y =#6", "2.9000", "py: h 0.6 back at −0.1"},
            {"900", "步长增", "y =#2", "0.2000", "py: h 1.2 at 1.7"},
            {"900", "", "x =#3", "0.500", "hand: 2.9 is past b, the backward column"},
            {"900", "", "x =#4", "(none)", "hand: −0.7 is a"},
            {"900", "步长增", "x =#2", "0.500", "hand: h 2.4, x0 alone each way"},
            {"900", "", "步长h=", "2.4000", "hand: 1.2 × 2"},
            {"900", "步长增", "步长h=", "2.4000", "hand: 4.8 is past the span 4"},
            {"900", "步长减", "步长h=", "1.2000", "hand: 2.4 / 2"},
            {"900", "步长减", "y =#3", "1.1000", "py: h 0.6 at 1.7"},
            {"900", "步长减", "y =#4", "1.2575", "py: h 0.3 at 1.4"},
            {"900", "步长减", "y =#3", "1.6062", "py: h 0.15 at 0.8"},
            {"900", "", "?0.1500", "", "hand: 0.3 / 2"},
            {"900", "步长减", "y =#10", "1.4144", "py: h 0.075 at 1.175, the tenth row"},
            {"900", "", "y =#19", "3.3587", "py: h 0.075 back at −0.1, the ninth row"},
            {"900", "步长增*2|改进Euler", "y =#3", "1.4876", "py: Heun h 0.3 at 1.1"},
            {"900", "", "y =#9", "2.5625", "py: Heun back at 0.2"},
            {"900", "步长增", "y =#2", "1.5500", "py: Heun h 0.6 at 1.1"},
            {"900", "", "y =#6", "3.3500", "py: Heun h 0.6 back at −0.1"},
            {"900", "步长减|RK法", "y =#9", "2.1268", "py: RK4 at 2.9, 1.5 h past b"},
            {"900", "", "x =#9", "2.900", "hand: the ninth row"},
            {"900", "", "y =#15", "9.2033", "py: RK4 back at −1"},
            {"900", "Adams", "y =#6", "1.5588", "py: AB4 at 2 (RK4 1.5579)"},
            {"900", "", "y =#15", "9.1983", "py: AB4 back at −1"},
            {"900", "Adams预_校", "y =#6", "1.5577", "py: AB-M4 at 2"},
            {"900", "", "y =#15", "9.2034", "py: AB-M4 back at −1"},
            {"900", "Adams|步长减", "y =#6", "1.4310", "py: AB4 h 0.15 at 1.25"},
            {"900", "", "y =#19", "6.5996", "py: AB4 h 0.15 back at −0.7"},
            {"900", "Euler法", "y =#2", "1.7750", "py: Euler h 0.15 at 0.65"},
            {"900", "步长增|有切线|@0.8,-1", "rgb@-0.13,1.505", "255,128,0",
             "py: h 0.3, the field's cell at (−0.28, 1.82), slope −2.1, its middle"},
            {"900", "", "rgb@-0.13,2.135", "!255,128,0", "py: not the slope y − x"},
            {"900", "无切线", "rgb@-0.13,1.505", "!255,128,0", "hand: the field gone"},
            {"900", "有数值|步长减*9", "y =#2", "1.9991", "py: h 0.3/512, 2 − 1.5 h"},
            {"900", "步长减", "y =#2", "1.9991", "hand: 0.3/1024 is below the span/10⁴"},
        });
}

// The same equation's drawing: the chords of Euler's polygon (whose end
// points are the table's rows) and the polygon of y′ = x − y along them,
// as h doubles. Sources: python3, the middles of the chords.
PRESS_TABLE(OdePresses, TheChordsOfAnEquationInX) {
    RunScript(
        kXMinusY,
        {
            {"900", "无数值", "ink@0.95,1.4375", "1.8,4.5", "py: (0.8, 1.55)–(1.1, 1.325)"},
            {"900", "", "ink@2.45,1.7", "1.8,4.5", "py: the last chord, to (2.6, 1.8059)"},
            {"900", "", "bare@2.75,1.925", "1.8,4.5", "py: no chord past b"},
            {"900", "", "bare@0.95,1.2", "1.8,4.5", "py: below the chord"},
            {"900", "", "ink@-0.25,3.6088", "1.8,4.5", "py: back (−0.1, 3.125)–(−0.4, 4.0925)"},
            {"900", "", "ink@-0.55,4.7664", "1.8,4.5", "py: the last chord back, to a"},
            {"900", "", "ink@0.95,-0.4875", "1.8,4.5", "py: y′ from −0.75 to −0.225"},
            {"900", "", "ink@2.45,0.75", "1.8,4.5", "py: y′ from 0.7059 to 0.7941"},
            {"900", "", "ink@0.35,-1.875", "1.8,4.5", "py: y′ back from −1.5 to −2.25"},
            {"900", "", "bare@0.35,-1.6", "1.8,4.5", "py: above it"},
            {"900", "", "rgb@0.95,1.4375", "0,255,255", "hand: the chords in the curve's cyan"},
            {"900", "", "rgb@0.95,-0.4875", "250,255,0", "hand: y′ in the derivative's yellow"},
            {"900", "", "rgb@0.95,-0.4875", "!0,255,255", "hand: not in cyan"},
            {"900", "步长增", "ink@1.4,1.1", "1.8,4.5", "py: h 0.6, (1.1, 1.1)–(1.7, 1.1)"},
            {"900", "", "bare@1.25,1.2913", "1.8,4.5", "py: the chord of h 0.3 gone"},
            {"900", "", "ink@2.6,1.712", "1.8,4.5", "py: h 0.6, the chord to (2.9, 1.964)"},
            {"900", "", "ink@1.4,0.3", "1.8,4.5", "py: y′ from 0 to 0.6"},
            {"900", "步长增", "ink@2.3,1.1", "1.8,4.5", "py: h 1.2, (1.7, 0.2)–(2.9, 2)"},
            {"900", "", "ink@-0.1,2.9", "1.8,4.5", "py: h 1.2 back, to (−0.7, 3.8)"},
            {"900", "", "bare@1.4,1.6", "1.8,4.5", "py: nothing of h 0.6 left"},
        });
    // The field as arrows (the form 2 after the equation's 1): each runs
    // from its cell (x, y) to (x + h, y + h(x − y)).
    RunScript("700DATA2(0,0,0,0,1,-1,0,)\n"
              "700DiffEquation1(0.4,3,44,10,0,0,0,-1,3,-2.5,6,-0.7,2.6,1,2,0.5,2,-1,0.3)\n",
              {{"900", "有切线|@0.8,-1", "head@-0.28,1.82>0.02,1.19", "255,128,0",
                "py: h 0.3, cells 0.36 apart from (−1, −2.5): (−0.28, 1.82), slope −2.1, "
                "its head at (0.02, 1.19)"}});
}

// x′ = y, y′ = −4x from t0 = 1, (x, y) = (1, 0.5), on [−1.5, 7]: with s =
// t − 1, x = cos 2s + 0.25 sin 2s, y = 0.5 cos 2s − 2 sin 2s, y in the
// derivative's yellow; in the phase plane the ellipse x² + y²/4 = 1.0625,
// which x and y swapped would not draw. Sources: python3 math.
PRESS_TABLE(OdePresses, ASystemFromAStartOffTheOrigin) {
    RunScript("700DATA2(0,0,0,0,0,1,0,)\n700DATA2(1,0,0,0,-4,0,0,)\n"
              "700DiffEquations(0.4,3,34,10,0,0,-1,-2,8,-2.5,2.5,-1.5,7,1,1,1,1,0.5)\n",
              {
                  {"900", "", "ink@1.7854,0.25;;at@5,2.45;;at@6,2.45", "-1,-2.3;;x;;y",
                   "py: x at 1 + π/4; the legend's names 0.3 and 0.2 of 10 from the right"},
                  {"900", "", "rgb@1.7854,-2", "250,255,0", "py: y at 1 + π/4"},
                  {"900", "", "rgb@1.7854,0.25", "!250,255,0", "py: x is not in y's colour"},
                  {"900", "", "bare@1.7854,-1", "-1,-2.3", "py: between x and y there"},
                  {"900", "", "ink@2.5708,-1", "-1,-2.3", "py: x at 1 + π/2"},
                  {"900", "", "rgb@2.5708,-0.5", "250,255,0", "py: y at 1 + π/2"},
                  {"900", "", "ink@0.2146,-0.25", "-1,-2.3", "py: x at 1 − π/4, backward"},
                  {"900", "", "rgb@0.2146,2", "250,255,0", "py: y at 1 − π/4"},
                  {"900", "", "ink@4,0.8903", "-1,-2.3", "py: x at 4"},
                  {"900", "", "rgb@4,1.0389", "250,255,0", "py: y at 4"},
                  {"900", "", "bare@-1.8,0.9334", "-1,-2.3", "py: x at −1.8, before a"},
                  {"900", "", "bare@7.5,1.0125", "-1,-2.3", "py: x at 7.5, past b"},
                  {"900", "相平面", "ink@0.25,-2", "2.2,2.2", "py: (x, y) at 1 + π/4"},
                  {"900", "", "ink@-1,-0.5", "2.2,2.2", "py: at 1 + π/2"},
                  {"900", "", "ink@-0.25,2", "2.2,2.2", "py: at 1 − π/4"},
                  {"900", "", "ink@1.0308,0", "2.2,2.2", "py: the widest x"},
                  {"900", "", "bare@-2,0.25", "2.2,2.2", "py: (y, x) at 1 + π/4, off the ellipse"},
                  {"900", "", "bare@0.5,1", "2.2,2.2", "py: the start (1, 0.5) swapped, inside"},
                  {"900", "", "bare@0.7,0.7", "2.2,2.2", "py: inside the ellipse"},
                  {"900", "取消", "ink@2.5708,-1", "-1,-2.3", "py: x at 1 + π/2 again"},
              });
}

// y″ + p y′ + q y = 0 from t0 = 1, (y, y′) = (1.5, −0.5), on [−0.5, 5.5],
// p 0.4 and q 2 stepped by 0.1: y = e^(−ps/2) (A cos ωs + B sin ωs), s = t −
// 1, ω = √(q − p²/4), A = 1.5, B = (−0.5 + 0.75 p)/ω; y′ in yellow.
// Sources: python3 math.
PRESS_TABLE(OdePresses, TheDampedOscillatorsCoefficients) {
    RunScript("700DATA1(0,0,0,0,0,0,0,0.4,2,)\n"
              "700DiffEquations(0.4,3,34,10,0,0,-1,-1,6,-2,3,-0.5,5.5,0,0,1,1.5,-0.5)\n",
              {
                  {"900", "", "p=;;rgb@4.39,2.75;;rgb@3.69,2.75;;%p=;;%q=",
                   "0.4000;;250,255,0;;0,255,255;;255,128,0;;255,128,0",
                   "hand: the script's p; legend swatches at x max − 0.23 and − 0.33 of 7"},
                  {"900", "", "q=;;rgb@4.1,2.75;;rgb@3.45,2.75", "2.0000;;!250,255,0;;!0,255,255",
                   "hand: the script's q; between the swatches, 4.25 − 0.15, and left of the "
                   "first, 3.55 − 0.1"},
                  {"900", "", "ink@3,-0.9795", "5.5,-1.5", "py: y(3)"},
                  {"900", "", "rgb@3,-0.1493", "250,255,0", "py: y′(3)"},
                  {"900", "", "ink@0,0.4833", "5.5,-1.5", "py: y(0), backward"},
                  {"900", "", "rgb@0,2.3894", "250,255,0", "py: y′(0)"},
                  {"900", "", "bare@2.5,-0.9", "5.5,-1.5",
                   "py: between y(2.5) −0.6524 and y′(2.5) −1.1376"},
                  {"900", "p增大", "p=", "0.5000", "hand: 0.4 + 0.1"},
                  {"900", "p增大", "p=", "0.6000", "hand: 0.5 + 0.1"},
                  {"900", "p增大", "p=", "0.7000", "hand: 0.6 + 0.1"},
                  {"900", "", "ink@3,-0.6822", "5.5,-1.5", "py: y(3), p 0.7"},
                  {"900", "", "bare@3,-0.9795", "5.5,-1.5", "py: y(3) of p 0.4 gone"},
                  {"900", "", "q=", "2.0000", "hand: q stays"},
                  {"900", "p减小", "p=", "0.6000", "hand: 0.7 − 0.1"},
                  {"900", "p减小", "ink@3,-0.8713", "5.5,-1.5", "py: y(3), p 0.5"},
                  {"900", "p减小", "p=", "0.4000", "hand: back to 0.4"},
                  {"900", "q增大", "q=", "2.1000", "hand: 2 + 0.1"},
                  {"900", "q增大", "q=", "2.2000", "hand: 2.1 + 0.1"},
                  {"900", "q增大", "q=", "2.3000", "hand: 2.2 + 0.1"},
                  {"900", "", "ink@4,-0.094", "5.5,-1.5", "py: y(4), q 2.3"},
                  {"900", "", "bare@4,-0.3353", "5.5,-1.5", "py: y(4) of q 2 gone"},
                  {"900", "q减小*2", "q=", "2.1000", "hand: 2.3 − 0.2"},
                  {"900", "q减小", "q=", "2.0000", "hand: back to 2"},
                  {"900", "", "ink@4,-0.3353", "5.5,-1.5", "py: y(4), q 2"},
                  {"900", "相平面", "ink@-0.9795,-0.1493", "2.5,-1.8", "py: (y, y′) at 3"},
                  {"900", "", "ink@0.5632,0.4133", "2.5,-1.8", "py: (y, y′) at 5"},
                  {"900", "", "rgb@0.6088,-0.2174;;rgb@-0.2174,0.6088", "250,255,0;;!250,255,0",
                   "py: the end dot at (y, y′)(5.5) = (0.6088, −0.2174), its rim in y′'s colour "
                   "about it; not at (y′, y)"},
                  {"900", "取消", "ink@3,-0.9795", "5.5,-1.5", "py: y(3) again"},
              });
}

} // namespace
