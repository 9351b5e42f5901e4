// The series pages pressed button by button: on 316 the order read-out and
// the partial sums of sin x drawn where they fall; on 317 and 318 the order
// of the two-variable expansion (at most 5, "n<6") and its kind.
#include "press_table.h"

namespace {

// Sources: python3, P_n(x) = Σ (−1)^k x^(2k+1) / (2k+1)! over 2k + 1 ≤ n,
// at x = 1.5 and 3; (−6.5, 1.8) is a bare place of the figure.
PRESS_TABLE(SeriesPresses, EveryButtonOfTheSeriesPages) {
    Run({
        {"316", "n减少*15", "级数项数n=", "0", "hand: held at 0"},
        {"316", "n增加", "ink@1.5,1.5", "-6.5,1.8", "py: P1(1.5) = 1.5"},
        {"316", "n增加*2", "ink@3,-1.5", "-6.5,1.8", "py: P3(3) = −1.5"},
        {"316", "", "bare@1.5,1.5", "-6.5,1.8", "py: P3(1.5) = 0.9375"},
        {"316", "", "级数项数n=;;at@-5.6,-1.52", "3;;级数项数n=",
         "hand: 0 + 3; written at x min + 0.1·Dx (the page step), y min + 0.12·Dy"},
        {"316", "n增加*2", "ink@3,0.525", "-6.5,1.8", "py: P5(3) = 0.525"},
        {"316", "", "bare@3,-1.5", "-6.5,1.8", "py: P5 no longer −1.5 at 3"},
        {"316", "n增加*2", "ink@3,0.0911", "-6.5,1.8", "py: P7(3) = 0.0911"},
        {"316", "", "级数项数n=", "7", "hand: 5 + 2"},
        {"316", "n减少", "ink@3,0.525", "-6.5,1.8", "py: P6 = P5"},
        {"316", "n减少*2", "ink@3,-1.5", "-6.5,1.8", "py: P4 = P3"},
        {"316", "", "级数项数n=", "4", "hand: 7 − 3"},
        {"316", "n减少*3", "ink@1.5,1.5", "-6.5,1.8", "py: P1(1.5) = 1.5"},
        {"316", "", "bare@3,-1.5", "-6.5,1.8", "py: P1(3) = 3, above the plot"},
        {"316/2400", "n减少#2*15", "级数项数n=#2", "0", "hand: the second figure's, held at 0"},
        {"316/2400", "n增加#2*3", "级数项数n=#2", "3", "hand: 0 + 3"},
        {"316/2400", "n减少#2*2", "rgb@0,0.5;;rgb@0,-0.7", "250,255,0;;!250,255,0",
         "hand: n 1 of e^x about 0: x0's line from the axis up to e^0 = 1 in the first "
         "derivative's slot, none below the axis"},
        {"317", "n增加*6", "级数项数n=;;rgb3@-0.3,0,0.09", "5;;255,96,96",
         "hand: at most 5; the polynomial is x² − y² itself, its top at (−0.3, 0) in red toward "
         "200 by 1 − (0.09 + 2.5)/5"},
        {"317", "n减少", "级数项数n=;;at3@-1.5,-1.35,2.25;;at3@1.5,-1.5,-2",
         "4;;级数项数n=;;在底面上选一点",
         "hand: 5 − 1; the order at (x min, y min + 0.05·Dy, z max − 0.05·Dz), the prompt at "
         "(x max, y min, z min + 0.1·Dz)"},
        {"317", "n减少*2", "级数项数n=", "2", "hand: 5 − 3"},
        {"317", "n增加", "级数项数n=", "3", "hand: 2 + 1"},
        {"317", "n减少*6|^0.9,-0.9,-2.5", "级数项数n=;;rgb3@1.3,-0.9,0.72", "1;;255,71,71",
         "py: about the floor point (0.9, −0.9) the plane z = 1.8(x − 0.9) + 1.8(y + 0.9), 0.72 "
         "at (1.3, −0.9), red toward 200 by 1 − (0.72 + 2.5)/5"},
        {"318", "n增加*6", "级数项数n=", "5", "hand: at most 5"},
        {"318", "n减少*3", "级数项数n=;;at3@-1.5,-1.35,2.25;;!在底面上选一点", "2;;级数项数n=;;",
         "hand: 5 − 3; the order's place as on 317, no point to pick"},
        {"318", "n增加", "级数项数n=", "3", "hand: 2 + 1"},
    });
}

// The point of each piece the bars of page 350 take their height at: its
// left end, middle or right end (0, 0.5, 1 of the piece). Source: hand.
PRESS_TABLE(SeriesPresses, TheBarsTakeTheChosenPointOfEachPiece) {
    Run({
        {"350", "右端点", "=t", "1", "hand: the right end"},
        {"350", "中点", "=t", "0.5", "hand: the middle"},
        {"350", "左端点", "=t", "0", "hand: the left end"},
        {"350", "右端点", "=t", "1", "hand: the right end again"},
    });
}

// Sources: python3, page 316: the Maclaurin polynomials of sin x of degree
// n in (255, 100, 100), read left of 0 as well: P1(−1.5) = −1.5,
// P3(−2) = −0.6667, P3(2.5) = −0.1042, P5(±2.5) = ∓0.7096, P7(−3.5) =
// 0.5456; sin itself stays 0.1 or more away.
PRESS_TABLE(SeriesPresses, ThePartialSumsLeftOfTheCentre) {
    Run({
        {"316", "", "rgb@-1.5,-1.5", "255,100,100", "py: P1"},
        {"316", "n增加*2", "rgb@-2,-0.6667", "255,100,100", "py: P3"},
        {"316", "", "rgb@-2,-0.45", "!255,100,100", "py: above it"},
        {"316", "", "rgb@2.5,-0.1042", "255,100,100", "py: P3 right of 0"},
        {"316", "n增加*2", "rgb@-2.5,-0.7096", "255,100,100", "py: P5"},
        {"316", "", "rgb@2.5,0.7096", "255,100,100", "py: P5 right of 0"},
        {"316", "", "rgb@-2,-0.6667", "!255,100,100", "py: P3 gone"},
        {"316", "n增加*2", "rgb@-3.5,0.5456", "255,100,100", "py: P7"},
    });
}

// Sources: python3, page 315: cos x expanded about the point picked,
// x0 = 1 (its line from cos 1 = 0.5403 down), P1 = cos 1 − sin 1 (x − 1),
// P2 = P1 − cos 1 (x − 1)²/2, in (255, 100, 100).
PRESS_TABLE(SeriesPresses, TheExpansionAboutAPickedPoint) {
    Run({
        {"315", "^1,0.5", "rgb@1,0.27", "255,100,100", "py: x0's line, halfway"},
        {"315", "", "rgb@3,-1.1427", "255,100,100", "py: P1(3)"},
        {"315", "", "rgb@-0.5,1.8025", "255,100,100", "py: P1(−0.5)"},
        {"315", "", "rgb@-0.5,1.5", "!255,100,100", "py: under P1(−0.5)"},
        {"315", "n增加", "rgb@2.5,-1.3297", "255,100,100", "py: P2(2.5)"},
        {"315", "", "rgb@-0.5,1.1947", "255,100,100", "py: P2(−0.5)"},
        {"315", "", "rgb@-0.5,1.8025", "!255,100,100", "py: P1 gone"},
    });
}

// Sources: hand. The quadratic approximation of z = x² + 3xy + y²: the
// mixed term k · 3xy, k from 0.5 by 0.1 a press; △ = 4 · 1 · 1 − (3k)².
PRESS_TABLE(SeriesPresses, TheMixedFactorOfTheQuadraticApproximation) {
    RunScript("700DATA2(0,1,3,1,0,0,0,)\n"
              "700Series2(0.5,6,36,10,1,0,0,-1.5,1.5,-1.5,1.5,-2.5,2.5,1,-1,2)\n",
              {
                  {"2100", "",
                   "k=;;△=;;at3@-1.5,-1.35,2.25;;at3@-1.5,-1.35,1.75;;"
                   "at3@1.5,-1.5,-2",
                   "0.5000;;1.7500;;k=;;△=;;在底面上选一点",
                   "hand: 4 − 1.5²; k at (x min, y min + 0.05·Dy, z max − 0.05·Dz), △ 0.1·Dz "
                   "under it, the prompt at (x max, y min, z min + 0.1·Dz)"},
                  {"2100", "k减少*2", "k=;;△=", "0.3000;;3.1900", "hand: 4 − 0.9²"},
                  {"2100", "k增加*7", "k=;;△=", "1.0000;;-5.0000", "hand: 4 − 3²"},
              });
    // z = 1 over a box 100 times longer in x than in y: the filling's
    // strokes along y, half a pixel of y long, stop within a pixel of y max.
    // Sources: hand. Level (1 + 2.5)/5 = 0.7, the upper surface's red
    // toward 200 by 0.3: (255, 60, 60). The y span 0.1 is 2/3 of the figure
    // width, some 550 pixels: 0.004 past y max is about 20 pixels out.
    RunScript("700DATA2(0,0,0,0,0,0,1,)\n"
              "700Series2(0.5,6,36,10,1,0,0,-5,5,-0.05,0.05,-2.5,2.5,1,-1,2)\n",
              {
                  {"2100", "", "rgb3@0,0.046,1;;rgb3@0,0.054,1", "255,60,60;;!255,60,60",
                   "hand: the top's colour inside y max, none 0.004 past it"},
              });
}

} // namespace
