// The vessel pages pressed as a lecturer presses them: the height picked by
// a click on the pumping page with its layer and levels, the wall drawn
// from the interval's start, and the draining vessel with its level curve
// and the time it empties in.
#include "press_table.h"

namespace {

// Sources: python3. Page 347: F(h) = 3.1416 h² + 0.3, the wall at 1.8 ±
// √(F/3.1416) (the axis at 0.6 of [0, 3]) from a up to C = 1.4, cyan
// (0, 255, 255); the picked h kept within [A, B − 1.8/20] = [0, 0.91];
// the rim at B (a tenth as tall as wide) and the levels A and B yellow,
// the level C and the wall's rim there cyan;
// the rings 0.0072 apart from a, the level under the layer at the first
// ring not below h and the surface 0.09 higher (13 rings), both yellow
// (250, 255, 0) from the left edge to the wall. The interval arrows move a
// by a tenth of b − a (b = 1): 0.271 after three presses up, 0.0297 after
// three down. The x range's arrows move its start by a tenth of the
// range, the vessel's axis with it: 0.3, then 0.03 and −0.267.
PRESS_TABLE(VesselPresses, ThePumpingPicturesLevelsAndWall) {
    Run({
        {"347", "^2,0.5", "rgb@0.8,0.504", "250,255,0", "py: h 0.5, the layer's foot, 70 rings"},
        {"347", "", "rgb@1.8,1.1047", "250,255,0", "py: the rim at B, r(B) 1.0467, far side"},
        {"347", "", "rgb@1.8,0.8953", "250,255,0", "py: its near side"},
        {"347", "", "rgb@1.8,1.5434", "0,255,255", "py: the wall's rim at C, r(C) 1.4337"},
        {"347", "", "rgb@0.5,1", "250,255,0", "py: the level B up to the wall at 0.7533"},
        {"347", "", "rgb@0.2,1.4", "0,255,255", "py: the level C up to the wall at 0.3663"},
        {"347", "", "rgb@0.8,0.5936;;at@1.65,0.6296;;%=A(h)", "250,255,0;;A(h);;250,255,0",
         "py: the surface, 13 rings higher, A(h) 0.02 of the span above it"},
        {"347", "", "rgb@0.8,0.55", "!250,255,0", "py: none between them"},
        {"347", "", "rgb@1.17,0.504", "250,255,0", "py: the line runs on to the wall at 1.2088"},
        {"347", "", "rgb@1.3,0.504", "!250,255,0", "py: not inside the vessel"},
        {"347", "", "rgb@2.6112,0.75", "0,255,255", "py: the wall's right side at 0.75"},
        {"347", "", "rgb@0.9888,0.75", "0,255,255", "py: its left side"},
        {"347", "", "rgb@2.5,0.75", "!0,255,255", "py: inside the wall, above the water"},
        {"347", "", "rgb@2.72,0.75", "!0,255,255", "py: outside it"},
        {"347", "", "rgb@0.4638,1.3", "0,255,255", "py: the wall near its top C"},
        {"347", "^2,0.3", "rgb@0.8,0.3024", "250,255,0", "py: h 0.3, 42 rings"},
        {"347", "", "rgb@0.8,0.504", "!250,255,0", "py: the last layer's line gone"},
        {"347", "^2,1.2", "rgb@0.5,0.9144", "250,255,0", "py: h kept at 0.91, 127 rings"},
        {"347", "", "rgb@0.5,1.2", "!250,255,0", "py: not at the click"},
        {"347", "^2,0.5", "rgb@2.1681,0.2", "0,255,255", "py: the wall at 0.2 while a = 0"},
        {"347", "→#3*3", "rgb@2.1681,0.2", "!0,255,255", "py: a 0.271, nothing below it"},
        {"347", "", "rgb@2.3912,0.504", "0,255,255", "py: the wall and rings above a"},
        {"347", "←#3*3", "rgb@2.1681,0.2", "0,255,255", "py: a 0.0297 again below 0.2"},
        {"347", "→#1", "rgb@2.7312,0.75", "0,255,255", "py: x from 0.3, the axis at 1.92"},
        {"347", "", "rgb@2.6112,0.75", "!0,255,255", "py: the wall's last place"},
        {"347", "←#1*2", "rgb@2.5044,0.75", "0,255,255", "py: x from −0.267, the axis 1.6932"},
        {"347", "", "rgb@0.8820,0.75", "0,255,255", "py: its left side"},
    });
}

// Sources: python3 (mpmath). Page 366: F(h) = 0.8 h + 0.6, the hole's area
// A = 0.005, the level H = 2.5; the vessel about 0.9 with its wall at 0.9 ±
// √(F/3.1416), the hole's stroke 0.1596 wide at the bottom, the water to
// 0.6 H in rings 0.0136 apart with the level 0.17 under its top. The level
// h(t) from dh/dt = −0.62 A √(19.6 h) / (F(h) + 0.001): h(50) = 2.0730,
// h(100) = 1.6245, h(150) = 1.1524, h(200) = 0.6610, h(250) = 0.1955; empty
// after 292.09 s, 0.081 h. The interval arrows move the time axis's end
// by a tenth of its length: 400 → 532.4 after three, 282.94 after six
// more down, 311.23 one up.
PRESS_TABLE(VesselPresses, TheDrainingVesselAndItsLevelCurve) {
    Run({
        {"366", "", "rgb@1.7368,2", "0,255,255", "py: the wall at 2"},
        {"366", "", "rgb@1.85,2", "!0,255,255", "py: outside it"},
        {"366", "", "rgb@1.6,2", "!0,255,255", "py: inside, above the water"},
        {"366", "", "rgb@1.7956,2.4", "0,255,255", "py: the wall at 2.4"},
        {"366", "", "rgb@0.9,-0.2", "0,255,255", "py: the hole's stroke"},
        {"366", "", "rgb@1.05,-0.2", "!0,255,255", "py: right of the hole"},
        {"366", "", "rgb@0.75,-0.2", "!0,255,255", "py: left of the hole"},
        {"366", "", "rgb@0.9,-0.0437;;rgb@0.9,-0.0874", "0,162,162;;!0,162,162",
         "py: the lowest ring's front rim, a tenth of r(0) = √(0.6/π) = 0.437 tall, lowest at "
         "0.9, −0.0437, at 3π/2 shaded w = 0.5 − cos(t − 0.5)/4 + sin(t − 0.5)/4 = 0.4005 of "
         "(0, 255, 255) over (0, 100, 100); none of it twice as far down"},
        {"366", "", "rgb@-1,1.3328", "250,255,0", "py: the layer's foot, 98 rings"},
        {"366", "", "rgb@-1,1.5068;;at@-1.5,1.7788;;at@-1.5,1.3328", "250,255,0;;h;;dh",
         "py: the surface, 13 rings higher; h at the left edge 0.08 · 3.4 above it, dh at the "
         "layer's foot"},
        {"366", "", "rgb@-1,1.42", "!250,255,0", "py: none between"},
        {"366", "水位时间曲线", "水流尽时间(h):;;at@80,2.66", "0.081;;水流尽时间(h):",
         "py: 292.09 s; written at x min + 0.2·Dx (t over [0, 400]), y max − 0.1·Dy"},
        {"366", "", "rgb@50,2.073", "0,255,255", "py: h(50)"},
        {"366", "", "rgb@150,1.1524;;rgb@100,-0.0092", "0,255,255;;250,255,0",
         "py: h(150); the rate dh/dt at t = 100 (h 1.6245), −0.0092, in (250, 255, 0)"},
        {"366", "", "rgb@250,0.1955", "0,255,255", "py: h(250)"},
        {"366", "", "rgb@100,1.8", "!0,255,255", "py: above h(100) = 1.6245"},
        {"366", "", "rgb@350,0.5", "!0,255,255", "py: empty by then"},
        {"366", "→#4*3", "水流尽时间(h):;;at@106.48,2.66",
         "0.081;;水流尽时间(h):", "py: the time axis to 532.4, the time's place with it"},
        {"366", "", "rgb@250,0.1955", "0,255,255", "py: h(250) where it was"},
        {"366", "←#4*6", "!水流尽时间(h):", "", "py: the axis ends at 282.94, still water"},
        {"366", "", "rgb@250,0.1955", "0,255,255", "py: h(250)"},
        {"366", "→#4", "水流尽时间(h):", "0.081", "py: the axis to 311.23 holds the end"},
        {"366", "水流问题", "rgb@1.7368,2", "0,255,255", "py: the vessel again"},
        {"366", "", "!水流尽时间(h):", "", "hand: no time on the vessel"},
    });
}

// Sources: hand. Page 348: the body F(y) = 0.8 between a = 0.2 and b =
// 0.8, a cylinder of radius √(0.8/3.1416) = 0.5046 about 1.8, in water up
// to C = 1.2; a click lifts its top to h ≥ b, its rings (their front
// halves, 0.05 below each) cyan under C − 0.12, yellow in the layer up to
// C, red (255, 100, 100) above; the lines of the layer's foot and of the
// top yellow from the left edge. Page 349: the plate between x = 1.5 and
// 1.5 + (0.5 y + 0.5), from a = 0.2 up to the surface c = 0.5; the strip
// of height 0.07 · 2.2 = 0.154 from the picked h in red, the rest yellow;
// h above the plate falls to 0.5 − 0.22 = 0.28. The interval arrows move a
// by a tenth of the saved 1.6 − a: 0.34, then 0.214, 0.0754, −0.0771.
PRESS_TABLE(VesselPresses, TheLiftedBodyAndThePlateStrip) {
    Run({
        {"348", "^2,1.6", "ink@1.8,1.5", "0.5,2", "hand: top 1.6, its rings out of the water"},
        {"348", "", "bare@1.8,1.75", "0.5,2", "hand: nothing above the top's surface"},
        {"348", "", "rgb@0.5,1.08", "250,255,0", "hand: the layer's foot C − 0.12"},
        {"348", "", "rgb@0.5,1.6", "250,255,0", "hand: the top's line"},
        {"348", "^2,1.4", "rgb@0.5,1.4", "250,255,0", "hand: the top's line at 1.4"},
        {"348", "", "rgb@0.5,1.6", "!250,255,0", "hand: the last top gone"},
        {"348", "", "ink@1.8,1.3", "0.5,2", "hand: the ring at 1.35"},
        {"348", "", "bare@1.8,1.6", "0.5,2", "hand: none above the top"},
        {"348", "^2,0.5", "rgb@0.5,0.8", "250,255,0", "hand: h kept at b, the top at 0.8"},
        {"348", "", "rgb@0.5,1.08", "!250,255,0", "hand: no layer while under water"},
        {"348", "", "rgb@0.5,1.4", "!250,255,0", "hand: the top's line at 1.4 gone"},
        {"349", "^2,1", "rgb@1.7,0.35", "255,100,100", "hand: h 0.28, the strip to 0.434"},
        {"349", "", "rgb@1.7,0.25;;rgb@2.125,0.25;;rgb@1.5,0.25",
         "250,255,0;;0,255,255;;0,255,255",
         "hand: the plate below the strip; its right side x = 2 + 0.5y and its left x = 1.5 in "
         "the curve's slot"},
        {"349", "", "rgb@1.7,0.47", "250,255,0", "hand: above it"},
        {"349", "", "rgb@2.12,0.35", "255,100,100", "hand: the strip reaches 2 + 0.5 · 0.35"},
        {"349", "", "rgb@2.25,0.35", "!255,100,100", "hand: and no further"},
        {"349", "", "rgb@1.42,0.35", "!255,100,100", "hand: nor left of x = 1.5"},
        {"349", "", "rgb@1.7,0.6", "!250,255,0", "hand: nothing above the surface"},
        {"349", "", "rgb@0.8,0.28", "255,100,100", "hand: the strip's foot from the left edge"},
        {"349", "→#3", "rgb@1.7,0.25", "!250,255,0", "hand: a 0.34, nothing below it"},
        {"349", "", "rgb@1.7,0.38", "255,100,100", "hand: the strip from a"},
        {"349", "←#3*3", "rgb@1.7,-0.05", "250,255,0", "hand: a −0.0771"},
        {"349", "", "rgb@1.7,-0.12", "!250,255,0", "hand: nothing below a"},
    });
}

// Sources: hand. The work and pressure read-outs of a script: the cross-
// section F(s) = s² over [0, 1], the level c = 2, five Gauss points a
// panel (exact for these cubics). Lifting the water takes ∫ s²(2 − s) ds
// = 2/3 − 1/4 = 5/12; a body of specific gravity G lifted from the water
// 2 · G · ∫ s² ds − 5/12 (G 1.5 at first, × 1.25 a press); the plate
// between x² and nothing bears 5/12 as well. Each label at the point the
// script gives, the second row of a pair 0.1 of the y span (1.4) lower.
PRESS_TABLE(VesselPresses, TheWorkAndPressureReadOuts) {
    RunScript("700Curve(0.3,3,34,9,21,-1,0,-0.2,1.2,-0.2,1.2,0,1)\n"
              "700PRNCalculus(21,0,0.1,1.1,8,0,0,0,1,2,100)\n"
              "700PRNCalculus(21,0,0.1,0.9,9,0,0,0,1,2,100)\n"
              "700PRNCalculus(21,-1,0.1,0.5,10,0,0,0,1,2,100)\n"
              "700PRNCalculus(21,0,0.1,0.3,11,0,0,0.5,1,2,100)\n",
              {
                  {"905", "", "吸水做功:;;at@0.1,1.1", "0.4167;;吸水做功:", "hand: 5/12"},
                  {"905", "", "水中取物做功:;;物体比重:;;at@0.1,0.9;;at@0.1,0.76",
                   "0.5833;;1.5000;;水中取物做功:;;物体比重:", "hand: 2 · 1.5/3 − 5/12 = 7/12"},
                  {"905", "比重增", "水中取物做功:;;物体比重:", "0.8333;;1.8750",
                   "hand: G 1.875, 2 · 1.875/3 − 5/12 = 5/6"},
                  {"905", "比重减", "物体比重:;;水中取物做功:", "1.5000;;0.5833",
                   "hand: G 1.875 × 0.8 = 1.5, 7/12 again"},
                  {"905", "", "水压力:;;at@0.1,0.5", "0.4167;;水压力:", "hand: 5/12"},
                  {"905", "", "at@0.1,0.3;;at@0.1,0.16", "x方向:;;y方向:",
                   "hand: the two components at the script's point and 0.1 · 1.4 under it"},
              });
}

} // namespace
