// The cutting planes and traces pressed in every direction up to the walls
// of boxes whose x and y spans differ, so that a plane held by the other
// axis's walls, moved by its span or drawn from the other's data shows.
#include "press_table.h"

namespace {

// Sources: hand. Page 603: x in [−0.25, 1.25], y in [−0.5, 2.5], z in
// [0, 7]; x moves 1.5/20, y 3/20 and z 7/20 a press; a plane stays a
// thousandth of its own span inside the box: x in [−0.2485, 1.2485], y in
// [−0.497, 2.497]. Sections as in the solid tables: shaded by their place
// across the plane, (199, 162, 130) at y 1.01 and at x 0.506; f = 6 − x²
// − y² over g = y/4.
PRESS_TABLE(SectionPresses, TheSolidsPlanesUpToTheWalls) {
    Run({
        {"603", "按x型|后移*6", "=m", "0.05", "hand: 0.5 − 6 × 0.075"},
        {"603", "", "rgb3@0.05,1.01,4.85", "199,162,130", "hand: under f(0.05, 1.01) = 4.977"},
        {"603", "", "rgb3@0.05,1.01,5.1", "!199,162,130", "hand: over it"},
        {"603", "后移*6", "=m", "-0.2485", "hand: held inside x's wall −0.25"},
        {"603", "前移*30", "=m", "1.2485", "hand: held inside x's wall 1.25"},
        {"603", "", "=n", "1", "hand: the other plane as it was"},
        {"603", "按y型|左移*6", "=n", "0.1", "hand: 1 − 6 × 0.15"},
        {"603", "", "rgb3@0.506,0.1,5.6", "199,162,130", "hand: under f(0.506, 0.1) = 5.734"},
        {"603", "", "rgb3@0.506,0.1,5.9", "!199,162,130", "hand: over it"},
        {"603", "左移*6", "=n", "-0.497", "hand: held inside y's wall −0.5"},
        {"603", "右移*30", "=n", "2.497", "hand: held inside y's wall 2.5"},
        {"603", "", "=m", "1.2485", "hand: the x plane kept"},
        {"603", "按x型", "=m", "0.5", "hand: the middle again"},
        {"603", "按z型", "z= ", "3.500", "hand: the middle of [0, 7]"},
        {"603", "", "!前移", "", "hand: no vertical plane to move"},
        {"603", "上移*3", "z= ", "4.550", "hand: 3.5 + 3 × 0.35"},
        {"603", "下移*5", "z= ", "2.800", "hand: 4.55 − 5 × 0.35"},
        {"603", "取消", "!z= ", "", "hand: no cut"},
        {"603", "", "!左移", "", "hand: no plane's moves"},
    });
    // The section by z = 0 of 4 − x²/2 − y²/4 over z = −1, hatched in the
    // section's (199, 125, 60) once a point is picked.
    RunScript("700DATA2(0,-0.5,0,-0.25,0,0,4,)\n700DATA2(1,0,0,0,0,0,-1,)\n"
              "700ProjDomain(-1.5,1.5,-1.5,1.5,0,1)\n"
              "700Calculus2(0.7,6,36,10,1,0,0,-2,2,-2,2,-2,5,1,1,5,1,1)\n",
              {
                  {"321", "@0.5,0.5,0", "rgb3@0.5,0.5,0;;rgb3@0.5,0.5,0", "199,125,60;;!0,255,0",
                   "hand: f(0.5, 0.5) = 3.8125 over −1"},
              });
    // The volume between z = 4 − x²/2 − y²/4 (form 1) and z = −√1 (form 3)
    // over [−1.5, 1.5]²: 36 − 3.375 − 1.6875 + 9.
    RunScript("700DATA2(0,-0.5,0,-0.25,0,0,4,)\n700DATA2(1,0,0,0,0,0,1,)\n"
              "700ProjDomain(-1.5,1.5,-1.5,1.5,0,1)\n"
              "700Calculus2(0.7,6,36,10,1,0,0,-2,2,-2,2,-2,5,1,3,-1,0,0)\n"
              "700calculus2(2,0,-2,-2,4.1,255,255,0)\n",
              {
                  {"321", "", "立体的体积: ", "39.9375", "hand: 30.9375 + 9 · 1"},
              });
    // The same over a base narrower in x than in y, [−1, 1] × [−1.5, 1.5]:
    // its y sides are the base's own, not its x sides.
    RunScript("700DATA2(0,-0.5,0,-0.25,0,0,4,)\n700DATA2(1,0,0,0,0,0,1,)\n"
              "700ProjDomain(-1,1,-1.5,1.5,0,1)\n"
              "700Calculus2(0.7,6,36,10,1,0,0,-2,2,-2,2,-2,5,1,3,-1,0,0)\n"
              "700calculus2(2,0,-2,-2,4.1,255,255,0)\n",
              {
                  {"321", "", "立体的体积: ", "27.8750",
                   "py: 5 · 2 · 3 − ½ · ⅔ · 3 − ¼ · 2 · 2.25 (from y −1 it would be 23.4375)"},
              });
    // No ProjDomain: the region a twentieth of each span inside x in [−2, 2],
    // y in [−1, 2].
    RunScript("700DATA2(0,-0.5,0,-0.25,0,0,4,)\n700DATA2(1,0,0,0,0,0,1,)\n"
              "700Calculus2(0.7,6,36,10,1,0,0,-2,2,-1,2,-2,5,1,3,-1,0,0)\n"
              "700calculus2(0,0,-2,-1,4.1,255,255,0)\n",
              {
                  {"321", "", "投影区域面积: ", "9.7200", "hand: (4 − 0.4)(3 − 0.3)"},
              });
}

// Sources: python3. A surface of the test's own, z = x² − y²/2 + x/2 + y/4
// over x in [−1, 2], y in [−2, 1.6], z in [−2.5, 3.5] (the page's saddle on
// a square is even in both and hides swaps). On the coordinate planes:
// y = 0 gives x² + x/2 in (0, 255, 255) (f(0, x) would be −x²/2 + x/4),
// x = 0 gives −y²/2 + y/4 in (250, 255, 0), the floor trace at z =
// 0.005 · 6 = 0.03 in (255, 100, 100): x = 1.0119 at y = −1.5; the lower
// surface z = −0.3x² − 0.2y² − 1.5 on the same planes where it lies under
// f (at x = 0 for y > −1.858), each plane's frame from wall to wall. The plane
// z = c moves 6/20 a press, its trace in (0, 255, 255): x = 0.7462 at y =
// 0, 0.9385 at y = 1.2, 1.3288 at y = −1.5 for c = 0.93. x = c moves 3/20, y
// = c 3.6/20, each held a thousandth of its span inside its own walls; the
// plane's frame and lines through the axes in the pen's (255, 128, 0), the
// axis on from it to the wall in (0, 255, 0); the surface kept behind the
// plane x = c and left of y = c (f(1.7, −1.6) = 2.06 in front of the
// one, f(1.5, 1.3) = 2.48 right of the other).
PRESS_TABLE(SectionPresses, TracesOfAnUnevenSurfaceInAnUnevenBox) {
    RunScript("700DATA2(0,1,0,-0.5,0.5,0.25,0,)\n"
              "700DATA2(1,-0.3,0,-0.2,0,0,-1.5,)\n"
              "700Surf(0.8,6,36,10,1,0,0,-1,2,-2,1.6,-2.5,3.5,1,1,0,0,0,1,1)\n",
              {
                  {"364", "坐标面", "rgb3@1.5,0,3", "0,255,255", "py: f(1.5, 0)"},
                  {"364", "", "rgb3@1,0,1.5", "0,255,255", "py: f(1, 0)"},
                  {"364", "", "rgb3@1.5,0,-0.75", "!0,255,255", "py: not f(0, 1.5)"},
                  {"364", "", "rgb3@0,-1.5,-1.5", "250,255,0", "py: f(0, −1.5)"},
                  {"364", "", "rgb3@0,1.5,-0.75", "250,255,0", "py: f(0, 1.5)"},
                  {"364", "", "rgb3@0,-1.5,1.5", "!250,255,0", "py: not f(−1.5, 0)"},
                  {"364", "", "rgb3@0,-1.5,-1.95", "250,255,0", "py: the lower g(0, −1.5)"},
                  {"364", "", "rgb3@0,1,-1.7", "250,255,0", "py: g(0, 1)"},
                  {"364", "", "rgb3@0,-1.5,-2.175", "!250,255,0", "py: not g(−1.5, 0)"},
                  {"364", "", "rgb3@0,-1.95,-2.2605", "!250,255,0", "py: none where f < g"},
                  {"364", "", "rgb3@1.5,0,-2.175", "0,255,255", "py: the lower g(1.5, 0)"},
                  {"364", "", "rgb3@-0.8,0,-1.692", "0,255,255", "py: g(−0.8, 0)"},
                  {"364", "", "rgb3@1.5,0,-1.95", "!0,255,255", "py: not g(0, 1.5)"},
                  {"364", "", "rgb3@0,1.6,-1.2", "250,255,0", "hand: the plane x = 0 to y's wall"},
                  {"364", "", "rgb3@0,1.6,1.5", "250,255,0", "hand: its upper half"},
                  {"364", "", "rgb3@0,-2,2", "250,255,0", "hand: and to the other wall"},
                  {"364", "", "rgb3@2,0,-1.2", "0,255,255", "hand: the plane y = 0 to x's wall"},
                  {"364", "", "rgb3@2,0,1.5", "0,255,255", "hand: and up to z's top"},
                  {"364", "", "rgb3@1.91,-1.1,-2.5", "0,255,0", "hand: a y tick, in from x's wall"},
                  {"364", "", "rgb3@0.5,1.6,0", "255,100,100", "hand: the floor z = 0 to y's wall"},
                  {"364", "", "rgb3@2,0.8,0", "255,100,100", "hand: and to x's"},
                  {"364", "", "rgb3@1.0119,-1.5,0.03", "255,100,100", "py: the floor's trace"},
                  {"364", "", "rgb3@1.5,0.6679,0.03", "!255,100,100", "py: f there 2.94"},
                  {"364", "平行坐标面|z=c", "z= ", "0.030", "hand: the floor trace's c kept"},
                  {"364", "上移*3", "z= ", "0.930", "hand: 0.03 + 3 × 0.3"},
                  {"364", "", "rgb3@0.7462,0,0.93", "0,255,255", "py: the trace at y = 0"},
                  {"364", "", "rgb3@0.9385,1.2,0.93", "0,255,255", "py: at y = 1.2"},
                  {"364", "", "rgb3@1.3288,-1.5,0.93", "0,255,255", "py: at y = −1.5"},
                  {"364", "", "rgb3@0,0.7462,0.93", "!0,255,255", "py: f there −0.09"},
                  {"364", "", "rgb3@1.6,0,0.93", "255,128,0", "hand: the plane's line y = 0"},
                  {"364", "", "rgb3@-1.6,0,0.93", "!255,128,0", "hand: from x's wall −1 only"},
                  {"364", "", "rgb3@0,-1.2,0.93", "255,128,0", "hand: its line x = 0"},
                  {"364", "", "rgb3@2,1,0.93", "255,128,0", "hand: its frame at x = 2"},
                  {"364", "", "rgb3@0.5,-2,0.93", "255,128,0", "hand: its frame at y = −2"},
                  {"364", "", "rgb3@1.6,0,0.5", "!255,128,0", "hand: not below c"},
                  {"364", "", "rgb3@0,0,3.2", "0,255,0", "hand: the z axis on from c"},
                  {"364", "", "rgb3@0,0.465,1.75", "!0,255,0", "hand: not slanting in from y = c"},
                  {"364", "x=c", "=m", "1", "hand: the topic's 1"},
                  {"364", "后移*3", "=m", "0.55", "hand: 1 − 3 × 0.15"},
                  {"364", "", "rgb3@0.55,0,1.8", "255,128,0", "hand: the line x = 0.55, y = 0"},
                  {"364", "", "rgb3@0.55,0,3.2", "255,128,0", "hand: up to z's wall 3.5"},
                  {"364", "", "rgb3@0.55,-1.2,0", "255,128,0", "hand: the line x = 0.55, z = 0"},
                  {"364", "", "rgb3@0.4,0,1.8", "!255,128,0", "hand: not moved by y's span"},
                  {"364", "", "rgb3@0.55,1.6,1", "255,128,0", "hand: the plane's frame at y = 1.6"},
                  {"364", "", "rgb3@0.55,0.5,3.5", "255,128,0", "hand: and at z = 3.5"},
                  {"364", "", "rgb3@1.9,0,0", "0,255,0", "hand: the x axis on to x's wall 2"},
                  {"364", "", "bare3@1.7,-1.6,2.06", "1.7,-1.6,3", "py: no surface in front"},
                  {"364", "后移*20", "=m", "-0.997", "hand: held inside x's wall −1"},
                  {"364", "前移*3", "=m", "-0.547", "hand: −0.997 + 3 × 0.15"},
                  {"364", "前移*30", "=m", "1.997", "hand: held inside x's wall 2"},
                  {"364", "y=c", "=n", "1", "hand: the topic's 1"},
                  {"364", "左移*3", "=n", "0.46", "hand: 1 − 3 × 0.18"},
                  {"364", "", "rgb3@0,0.46,1.2", "255,128,0", "hand: the line x = 0, y = 0.46"},
                  {"364", "", "rgb3@0,0.46,3.2", "255,128,0", "hand: up to z's wall 3.5"},
                  {"364", "", "rgb3@1.5,0.46,0", "255,128,0", "hand: the line y = 0.46, z = 0"},
                  {"364", "", "rgb3@0,0.55,1.2", "!255,128,0", "hand: not moved by x's span"},
                  {"364", "", "rgb3@2,0.46,1", "255,128,0", "hand: the plane's frame at x = 2"},
                  {"364", "", "rgb3@0,1.4,0", "0,255,0", "hand: the y axis on to y's wall"},
                  {"364", "", "bare3@1.5,1.3,2.48", "1.5,1.3,3.3", "py: no surface right of it"},
                  {"364", "右移*3", "=n", "1", "hand: 0.46 + 3 × 0.18"},
                  {"364", "左移*20", "=n", "-1.9964", "hand: held inside y's wall −2"},
                  {"364", "右移*30", "=n", "1.5964", "hand: held inside y's wall 1.6"},
                  {"364", "", "=m", "1.997", "hand: the x plane kept"},
              });
}

// Sources: hand. Page 603's solid, 6 − x² − y² over y/4 on 0 < x < 1, 0 < y
// < 2, in a box of the test's own whose x range, [−0.25, 3], reaches past
// its y range, [−0.5, 2.5]: x moves 3.25/20 a press from the middle 1.375
// to 2.675, inside x's walls though outside y's, and all the solid, behind
// the plane, is drawn: its top's far edge (0, y, 6 − y²). Cut by y = 1, the
// part behind it keeps the top's left edge (x, 0, 6 − x²).
PRESS_TABLE(SectionPresses, ThePlaneInsideItsOwnRangeOnly) {
    RunScript(
        "700DATA2(0,-1,0,-1,0,0,6,)\n700DATA2(1,0,0,0,0,0.25,0,)\n"
        "700ProjDomain(0,1,0,2,0,1)\n"
        "700Solid(0.8,6,36,10,1,0,0,-0.25,3,-0.5,2.5,0,7,1,1,0,0,1,1)\n",
        {
            {"603", "按x型", "=m", "1.375", "hand: the middle of [−0.25, 3]"},
            {"603", "前移*8", "=m", "2.675", "hand: 1.375 + 8 × 0.1625"},
            {"603", "", "ink3@0,1,5", "0,1,6.8", "hand: the top's far edge at y = 1"},
            {"603", "", "ink3@0,0.5,5.75", "0,1,6.8", "hand: and at y = 0.5"},
            {"603", "按y型", "=n", "1", "hand: the middle of [−0.5, 2.5]"},
            {"603", "", "ink3@0.5,0,5.75", "0,1,6.8", "hand: the top's left edge, behind y = 1"},
            {"603", "", "ink3@0.25,0,5.9375", "0,1,6.8", "hand: and at x = 0.25"},
        });
}

// Sources: python3. Page 603's solid with the section's projection opened:
// the inset of the plane x = 0.5 over y in [−0.5, 2.5] and z in [0, 7],
// its section shaded as in the figure: (199, 140, 88) at y 0.1107, (199,
// 162, 130) at 1.01, (199, 185, 172) at 1.9107 under f(0.5, 1.9107) = 2.10.
PRESS_TABLE(SectionPresses, TheSectionsProjection) {
    RunScript("700DATA2(0,-1,0,-1,0,0,6,)\n700DATA2(1,0,0,0,0,0.25,0,)\n"
              "700ProjDomain(0,1,0,2,0,1)\n"
              "700Solid(0.8,6,36,10,1,0,0,-0.25,1.25,-0.5,2.5,0,7,1,1,0,0,1,1,2)\n",
              {
                  {"603", "按x型", "rgbi@0.1107,5.5", "199,140,88", "py: near y = 0, f = 5.74"},
                  {"603", "", "rgbi@1.01,2.5", "199,162,130", "py: the middle"},
                  {"603", "", "rgbi@1.9107,1.9", "199,185,172", "py: near y = 2, f = 2.10"},
                  {"603", "", "rgbi@1.9107,3", "!199,185,172", "py: over f"},
              });
    // 365's solid, 6 − y² over z = x, on a region [0, 3]² that runs past
    // the box's walls x = 2.5 and y = 2: a section reaching a wall closes
    // with an edge in the outline's slot (255, 100, 100), the planes in the
    // middles 1.125 and 0.75.
    RunScript("700DATA2(0,0,0,-1,0,0,6,)\n700DATA2(1,0,0,0,1,0,0,)\n"
              "700ProjDomain(0,3,0,3,0,1)\n"
              "700Solid(0.8,6,36,10,1,0,0,-0.25,2.5,-0.5,2,0,7,1,1,0,0,1,1)\n",
              {
                  {"603", "按x型", "rgb3@1.125,2,1.55", "255,100,100",
                   "hand: x = 1.125 closed at y = 2, from z = 1.125 up to 6 − 4"},
                  {"603", "减少*6|按x型", "bare3@1.4,0,4", "1.4,0,6.9",
                   "hand: Meshx 5, the walls on y = 0 at the columns −0.25 + 0.55k behind the "
                   "plane, 1.125 + 0.55k before it: none at 1.4"},
                  {"603", "按y型", "rgb3@2.5,0.75,4", "255,100,100",
                   "hand: y = 0.75 closed at x = 2.5, from z = 2.5 up to 6 − 0.5625"},
              });
}

} // namespace
