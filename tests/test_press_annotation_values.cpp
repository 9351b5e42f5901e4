// The chord of a box and the saddle test's value on scripts of the test's
// own: a box, a point and a direction without a pattern on a figure whose
// spans differ, and a surface that is not a quadric at a point off the
// diagonal (the page's own test stands on a plane, where B² − AC is 0
// everywhere, at (1.5, 1.5)); an ellipse's arrows and the series circuit's
// switch, each alone; the name that follows the cursor a step on and a row of
// dots, each on a figure whose spans differ.
#include "press_table.h"

namespace {

// Sources: python3 (mpmath). The figure's x in [−3, 3], y in [−2, 3]; the
// box [−1.2, 2.3] × [−0.5, 1.9] shrunk by 0.006 and 0.005, the line from
// A (0.4, 0.2) through P (1.5, 1.1) stepped by 0.0001 of A P: out at t =
// 1.7219 (x 2.2941) and −0.7723 (y −0.4951), the chord 3.54492 long
// (3.54464 with the margins' spans swapped, 3.96170 from (0.2, 0.4), 2.71466
// through (1.1, 1.5)), in the pen's (255, 120, 120); the box in (120, 255,
// 120).
PRESS_TABLE(AnnotationValuePresses, TheChordOfAnUnevenBox) {
    RunScript("700Curve(0.4,3,44,13,3,-1,0,-3,3,-2,3,-3,3)\n"
              "700BoxLine(1,-1.2,-0.5,2.3,1.9,0.4,0.2,1.5,1.1,255,120,120,120,255,120)\n",
              {
                  {"2100", "", "长度:;;%长度:;;at@-0.15,1.66", "3.5449;;120,255,120;;长度:",
                   "py: the chord through A and P, in the fill colour at x1 + 0.3 × 3.5, "
                   "y2 − 0.1 × 2.4"},
                  {"2100", "", "rgb@1.72,1.28", "255,120,120", "py: A + 1.2 (P − A)"},
                  {"2100", "", "rgb@-0.15,-0.25", "255,120,120", "py: A − 0.5 (P − A)"},
                  {"2100", "", "rgb@-0.45,0.05", "!255,120,120", "py: the chord from (0.2, 0.4)"},
                  {"2100", "", "rgb@-1.2,1", "120,255,120", "hand: the box's left side"},
                  {"2100", "", "rgb@2.3,0", "120,255,120", "hand: its right side"},
                  {"2100", "", "rgb@0.5,-0.5", "120,255,120", "hand: its foot"},
                  {"2100", "", "rgb@0.5,1.9", "120,255,120", "hand: its top"},
                  {"2100", "", "rgb@0.5,2.3", "!120,255,120", "hand: not at x2's height"},
              });
    // P left to the click, the box not drawn.
    RunScript("700Curve(0.4,3,44,13,3,-1,0,-3,3,-2,3,-3,3)\n"
              "700BoxLine(0,-1.2,-0.5,2.3,1.9,0.4,0.2,1000,1000,255,120,120,120,255,120)\n",
              {
                  {"2100", "^1.5,1.1", "rgb@1.72,1.28", "255,120,120", "py: A + 1.2 (P − A)"},
                  {"2100", "", "rgb@-0.15,-0.25", "255,120,120", "py: A − 0.5 (P − A)"},
                  {"2100", "", "rgb@1.24,1.76", "!255,120,120", "py: not through (1.1, 1.5)"},
                  {"2100", "", "rgb@-1.2,1", "!120,255,120", "hand: no box"},
              });
}

// Sources: python3. The ellipse about (0, 0.5) with rx = 2, ry = 1 (the
// page's own radii differ by a few pixels): its first arrow runs from the
// point at t = 0.3 to t = 0.6, in (255, 128, 0). The series circuit on
// [0, 10]²: the open switch's arm from (4, 1.5) down to the contact (3, 1),
// in (0, 255, 255). The vector figure of page 2100 (x in [−1, 7], y in
// [−2, 2], F = sin x): the cursor moved to x = 2, Δx = 0.1 of the x span,
// the name at (2.8, sin 2.8 = 0.334988), not at (2.4, 0.675463). Its last
// plane figure's dots: x from −3 by 6/12, on sin x, rims in the pen (255,
// 255, 0) around the fill (200, 200, 0); at x = 1 the dot at 0.841471.
PRESS_TABLE(AnnotationValuePresses, TheArrowsOfAWideEllipseAndTheOpenSwitch) {
    RunScript(
        "700Curve(0.4,3,44,13,3,-1,0,-3,3,-2,3,-3,3)\n"
        "700Ellipse2(0,0.5,2,1,1,255,220,0,60,60,170)\n",
        {
            {"2100", "", "rgb@1.7807,0.9301", "255,128,0", "py: the first arrow, halfway"},
            {"2100", "", "rgb@1.6507,1.0646", "255,128,0", "py: its head, on the ellipse"},
            {"2100", "", "rgb@1.6507,1.6293", "!255,128,0", "py: not at y = 0.5 + rx sin 0.6"},
            {"2100", "", "rgb@-1.7645,0.0536;;rgb@-1.9729,0.4324", "255,128,0;;!255,128,0",
             "py: the fifth arrow, t = 0.3 + 4 × 0.79 = 3.46 to 3.76, halfway; none from 3.06 "
             "to 3.36 (a step of 0.69)"},
        });
    RunScript("700Electric(0.5,6,36,10,1,1,0,0,10,0,10,0,10,1,1)\n",
              {
                  {"2100", "", "rgb@3.5,1.25;;at@7,2.5;;at@1.5,5;;at@5,8.5;;at@8.5,5.5",
                   "0,255,255;;C;;L;;R;;～E",
                   "hand: the arm, halfway; the names at 0.7, 0.15, 0.5, 0.85 of the width"},
                  {"2100", "", "rgb@3.7,1.35;;rgb@6.8,0.6", "0,255,255;;0,255,255",
                   "hand: the arm near its pivot; the second plate at x 6.8 down to 0.5"},
                  {"2100", "", "rgb@4,1.35", "!0,255,255", "hand: not upright under the pivot"},
                  {"2100", "", "rgb@3.5,1", "!0,255,255", "hand: the gap between the contacts"},
                  {"2100", "", "rgb@3.95,1", "0,255,255",
                   "hand: the contact dot, radius 3, left of the wire's end at 4"},
                  {"2100", "",
                   "rgb@1.5,6;;rgb@0.5,5.8634;;rgb@1,1.5;;rgb@5.9,9.4;;rgb@6.3,9.4;;rgb@9.25,4."
                   "134;;rgb@9,6.3;;rgb@4.3,1",
                   "0,255,255;;0,255,255;;0,255,255;;0,255,255;;!0,255,255;;0,255,255;;0,255,"
                   "255;;0,255,255",
                   "hand: the coil x = 1 + 0.5 cos t, y = 6 − 2t/46 − 0.2 sin t at t = 0 and π; "
                   "its lead down from 3.8 to 1; the resistor over x 4 to 6, y 8.5 to 9.5; the "
                   "source's ellipse about (9, 5), radii 0.5 and 1, at −60°; its lead up from 6; "
                   "the bottom wire from 6.8 left to 4"},
              });
    RunScript("700Curve(0.4,3,44,13,3,-1,0,-1,7,-2,2,-1,7)\n"
              "701Text2(0,0,255,255,255)\nQ\n701TextDert(1000,1000,1,255,200,200)\nP+△x\n",
              {
                  {"2100", "^2,0.5", "at@2.8,0.335;;%Q", "P+△x;;255,200,200",
                   "py: x0 + 0.1 × 8, sin 2.8; the script: the name in its pen"},
                  {"2100", "△x增", "at@3,0.1411", "P+△x", "py: Δx 0.125 × 8, sin 3"},
                  {"2100", "△x减*2", "at@2.64,0.4808", "P+△x", "py: Δx 0.08 × 8, sin 2.64"},
              });
    // sin x over x in [−3, 3], y in [−1, 1]: at the cursor's x = −π/2 the
    // point lies on the plot's bottom, its name lifted by the label font's
    // height, 2/3 of the text's 42 pixels (a thirtieth of the layout's
    // width), and 2 more: 30 of the plot's 528 pixels for the y span of 2,
    // to y = −1 + 0.1136 (the x span's 6 would lift it three times as far).
    RunScript("700Curve(0.4,3,44,13,3,-1,0,-3,3,-1,1,-3,3)\n701Text2(1000,1000,255,255,255)\nP\n",
              {
                  {"2100", "^-1.5708,0", "at@-1.5708,-0.8864", "P",
                   "hand: the name 30 pixels over the bottom"},
              });
    RunScript("700Curve(0.4,3,44,13,3,-1,0,-3,3,-2,3,-3,3)\n"
              "700dots(3,0,3,12,-3,3,255,255,0,200,200,0)\n",
              {
                  {"2100", "", "rgb@1,0.8415", "255,255,0", "py: the dot at (1, sin 1), its rim"},
                  {"2100", "", "rgb@1,0.8415", "200,200,0", "hand: filled inside"},
              });
    // The same dots of radius 8: the box two pixels about a centre holds the
    // fill alone, the rim stands 8 pixels (0.058 of x) out.
    RunScript(
        "700Curve(0.4,3,44,13,3,-1,0,-3,3,-2,3,-3,3)\n"
        "700dots(3,0,8,12,-3,3,255,255,0,200,200,0)\n",
        {
            {"2100", "", "rgb@1,0.8415;;rgb@1,0.8415;;rgb@1.058,0.8415",
             "200,200,0;;!255,255,0;;255,255,0", "hand: the fill at (1, sin 1), its rim aside"},
        });
    // The ellipse's arrows turning the other way: the first from t = 0.3 back
    // to 0, (1.9107, 0.7955) to (2, 0.5).
    RunScript("700Curve(0.4,3,44,13,3,-1,0,-3,3,-2,3,-3,3)\n"
              "700Ellipse2(0,0.5,2,1,-1,255,220,0,60,60,170)\n",
              {
                  {"2100", "", "rgb@1.9553,0.6478;;head@1.9107,0.7955>2,0.5",
                   "255,128,0;;255,128,0", "py: the first arrow halfway; its head at t = 0"},
              });
    // An arc whose centre, radii and angles all differ (the page's own is the
    // upper half of the unit circle about O).
    RunScript("700Curve(0.4,3,44,13,3,-1,0,-3,3,-2,3,-3,3)\n"
              "700Arc2(0.5,-0.3,1.5,0.8,0.4,2.5,255,160,0)\n",
              {
                  {"2100", "", "rgb@0.6061,0.498;;rgb@-0.1939,1.298;;rgb@0.5566,1.1962",
                   "255,160,0;;!255,160,0;;!255,160,0",
                   "py: t = 1.5 on it; not about (−0.3, 0.5), nor with the radii swapped"},
                  {"2100", "", "rgb@-0.6061,0.2404;;rgb@-0.8865,0.0053", "255,160,0;;!255,160,0",
                   "py: t = 2.4 drawn, t = 2.75 past its end"},
              });
    // The value row read from the right of the range [0, 6]: cos 6 first.
    RunScript("700Curve(0.4,3,44,13,3,-1,0,0,6,-2,3,0,6)\n700Print(4,6,-1.7,200,200,255)\n",
              {
                  {"2100", "", "?=0.96017;;%0.96017;;at@1,-1.7", ";;200,200,255;;",
                   "py: cos(6 − 0), then cos 5 in the pen colour; hand: its empty label at "
                   "x = 1 on the script's row y = −1.7"},
              });
}

// Sources: python3 (mpmath). z = e^(0.2x² − 0.1y²) cos(0.5x + 0.8y + 0.3)
// at (0.7, −0.4), its second differences of step 0.0001, the mixed one
// forward: B² − AC = 0.353599 (0.353577 from the derivatives); at (−0.4,
// 0.7) it would be 0.147160.
PRESS_TABLE(AnnotationValuePresses, TheSaddleTestOffTheDiagonal) {
    RunScript("700DATA2(0,0.2,0,-0.1,0.5,0.8,0.3,)\n"
              "700Surf(0.8,6,36,10,1,0,0,-1,2,-2,2,-2.5,3.5,9,-1,0,0,0,0,1)\n"
              "700B^2_AC(0.7,-0.4,1.5,-1.5,3)\n",
              {
                  {"2101", "", "B^2-AC=", "0.3536", "py: at (0.7, −0.4)"},
                  {"2101", "", "at3@1.5,-1.5,3", "B^2-AC=",
                   "the script: written at (1.5, −1.5, 3), y −1.5 inside y −2..2 but not x −1..2"},
              });
}

// Sources: hand. The box [0.2, 1.6] × [−1.2, 0.8] × [0.5, 2.5] in (0, 230,
// 255) in the scene of the surface above (the page's own box is square in
// x and y, which hides a swap of them): its edges halfway along each axis;
// none where the box with x and y swapped would stand.
PRESS_TABLE(AnnotationValuePresses, TheEdgesOfAnUnevenBox) {
    RunScript("700DATA2(0,0.2,0,-0.1,0.5,0.8,0.3,)\n"
              "700Surf(0.8,6,36,10,1,0,0,-1,2,-2,2,-2.5,3.5,9,-1,0,0,0,0,1)\n"
              "700Cube(0.2,-1.2,0.5,1.6,0.8,2.5,0,230,255)\n",
              {
                  {"2101", "", "rgb3@0.9,-1.2,0.5", "0,230,255", "hand: along x at y1, z1"},
                  {"2101", "", "rgb3@0.9,0.8,2.5", "0,230,255", "hand: along x at y2, z2"},
                  {"2101", "", "rgb3@1.6,-0.2,2.5", "0,230,255", "hand: along y at x2, z2"},
                  {"2101", "", "rgb3@0.2,-0.2,0.5", "0,230,255", "hand: along y at x1, z1"},
                  {"2101", "", "rgb3@0.2,0.8,1.5", "0,230,255", "hand: along z at x1, y2"},
                  {"2101", "", "rgb3@1.6,-1.2,1.5", "0,230,255", "hand: along z at x2, y1"},
                  {"2101", "", "rgb3@-0.2,0.2,0.5", "!0,230,255", "hand: the swapped box's edge"},
                  {"2101", "", "rgb3@0.8,1.6,1.5", "!0,230,255", "hand: and its upright"},
              });
    // A parabola on the floor through two points of one abscissa: no
    // parabola, two segments from (0.5, 0.5) and (1.5, 2.5) to (1.5, 1.5).
    RunScript("700PLANE(0.7,5,29,10,1,0,0,0,3,0,3,0,3,2,0)\n"
              "700Parabola(0,1,0.5,0.5,1.5,1.5,1.5,2.5)\n",
              {
                  {"2101", "", "ink3@1,1,0;;ink3@1.5,2,0;;bare3@1,0.5,0",
                   "2.5,0.5,0;;2.5,0.5,0;;2.5,0.5,0",
                   "hand: the first segment halfway, the second, nothing level with (0.5, 0.5)"},
              });
    // A four-cornered polygon on the floor, no two of its triangles alike:
    // (0.8, 2) lies in the one of the first, third and fourth corners.
    RunScript("700PLANE(0.7,5,29,10,1,0,0,0,3,0,3,0,3,2,0)\n"
              "700Polygon3(4,0.5,0.5,0,2,0.5,0,2,1.5,0,0.5,2.5,0,255,160,0,140,80,0)\n",
              {
                  {"2101", "", "rgb3@0.8,2,0;;rgb3@1.7,0.8,0;;rgb3@1.25,2,0",
                   "140,80,0;;140,80,0;;255,160,0",
                   "hand: filled in the last corner's triangle and the first's; the edge from "
                   "(2, 1.5) to (0.5, 2.5) halfway in the pen"},
              });
    // The boundary arrows lifted onto π1 z = 0.5x + 1.5y over [0.5, 2.5] ×
    // [0.5, 1.5] in a box of x in [0, 3], y in [0, 2], seen from (1.5, 1):
    // the first from the ray at 0 to the ray at 0.2, (2.5, 1, 2.75) to (2.5,
    // 1 + tan 0.2, 3.0541), each end at its own height.
    RunScript("700DATA2(0,0.5,1.5,0,0,0,1,)\n700PLANE(0.7,5,29,10,1,0,0,0,3,0,2,0,5,0,0)\n"
              "700ProjDomain(0.5,2.5,0.5,1.5)\n"
              "700BoundaryVector(1,10,1,1,1,0,1.5,1,0,6.28,255,60,200)\n",
              {
                  {"2101", "", "rgb3@2.5,1.1014,2.902;;head3@2.5,1,2.75>2.5,1.2027,3.0541",
                   "255,60,200;;255,60,200",
                   "py: the first arrow halfway up π1; its head at the ray at 0.2's height"},
              });
    // π1 z = x + y in a box of x in [0, 3], y in [0, 1], cut at z = 10 ×
    // 3/20 = 1.5: along (3s, s) the plane's height 4s passes 1.5 between s
    // = 0.37 and 0.38; the name at s = 0.37 (at 6s, the x span's for y, it
    // would pass at 0.25).
    RunScript("700DATA2(0,1,1,0,0,0,1,)\n700PLANE(0.7,5,29,10,1,0,0,0,3,0,1,0,3,0,0)\n"
              "701Textz(0,0)\nz=c\n",
              {
                  {"2101", "@32978|上移*10", "at3@1.11,0.37,1.5", "z=c",
                   "hand: the cut's name where the diagonal crosses it"},
              });
    // π1 z = 2.5 over π2 z = 0.5: the names of the surfaces' points under the
    // mouse, the lower for a c left of the x range, the upper for one right.
    RunScript("700DATA2(0,0,0,2.5,0,0,0.5,)\n700PLANE(0.7,5,29,10,1,0,0,0,3,0,2,0,3,2,0)\n"
              "701Text3(-100,-100,-100,255,255,255)\nL\n"
              "701Text3(100,100,100,255,255,255)\nU\n",
              {
                  {"2101", "^1.8,0.6,0", "at3@1.8,0.6,0.5;;at3@1.8,0.6,2.5", "L;;U",
                   "hand: (1.8, 0.6) on π2, then on π1"},
              });
    // Points of the floor raised to the surfaces: (1.8, 0.6) to π2
    // z = 0.5x + 0.5 (1.4 there), (2.6, 1.5) to π1 z = 2.5, each upright.
    RunScript("700DATA2(0,0,0,2.5,0.5,0,0.5,)\n700PLANE(0.7,5,29,10,1,0,0,0,3,0,2,0,3,2,0)\n"
              "700Line3(1.8,0.6,0,-100,-100,-100,255,60,200)\n"
              "700Line3(2.6,1.5,0,100,100,100,60,200,255)\n",
              {
                  {"2101", "", "rgb3@1.8,0.6,1.2;;rgb3@2.6,1.5,2.2", "255,60,200;;60,200,255",
                   "hand: each line near its top, over its own foot"},
              });
    // A space line along y at x = 1, above the surface, in the box of
    // unequal x and y spans: coloured by x, red 255·(1 + 1)/3 = 170 all along.
    RunScript("700Surf(0.8,6,36,10,1,0,0,-1,2,-2,2,-2.5,3.5,9,-1,0,0,0,0,1)\n"
              "700LINE3(1,0,3,0,1,0.1,0,255,255,0)\n",
              {
                  {"2101", "", "rgb3@1,0.5,3.05", "170,255,85",
                   "hand: (170, 255, 255 − 170), not 255·2/4 of the y span"},
              });
}

// Sources: hand. Page 355 opened from its menu: π1 z = −0.3x + 0.2y + 2, π2
// z = 0.4x − 0.2y + 0.6; π2's panel shows π1's a, b, c beside its own d, e,
// f, whose values differ from them.
PRESS_TABLE(AnnotationValuePresses, TheSecondPlanesPanel) {
    Run({
        {"355", "@33756|π2:", "?π2:z=dx+ey+f", "", "hand: π2 chosen"},
        {"355", "", "a=", "-0.3", "hand: π1's a"},
        {"355", "", "b=", "0.2", "hand: π1's b"},
        {"355", "", "c=", "2.0", "hand: π1's c"},
        {"355", "", "d=", "0.4", "hand: π2's own d"},
        {"355", "", "e=", "-0.2", "hand: π2's own e"},
        {"355", "", "f=", "0.6", "hand: π2's own f"},
        {"355", "d#2*3", "d=", "0.1", "hand: 0.4 − 3 × 0.1"},
        {"355", "f", "f=", "0.7", "hand: 0.6 + 0.1"},
        {"355", "π1|a", "a=", "-0.2", "hand: −0.3 + 0.1"},
        {"355", "a#2*3", "a=", "-0.5", "hand: −0.2 − 0.3"},
        {"355", "减少#2", "=Meshy", "33", "hand: 50 × 2/3"},
        {"355", "增加#2*2", "=Meshy", "73", "hand: 33 → 49 → 73"},
    });
}

} // namespace
