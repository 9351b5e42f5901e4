// The line annotations pressed button by button: the direction of LINE2 on
// page 2100 turned by θ, and the direction numbers of LINE3 on page 357.
#include "press_table.h"

namespace {

// Sources: python3, p = cos θ and q = sin θ for θ = π/4 + 0.1 k (the
// script's direction (1, 1), the page step 0.1), the line through (0, 1);
// the shapes and vectors of page 2100 where its script puts them, the
// ellipse's arrows 0.3 long from t = 0.3 every 0.79; the vectors a, b, a + b
// and the tangent of sin x from the cursor point P, the discs about it
// (radii in parts of the spans 6 and 5: the largest one clear of the
// region's curves) and the boundary arrows seen from (0, 0.5), each
// turning 0.2, every 0.828 from t = 0; LINE3's (m, n, p) =
// (0.4, 0.8, 1) from its script, 0.1 a press.
PRESS_TABLE(LinePresses, EveryButtonOfTheLinePages) {
    Run({
        {"2100", "", "p=", "0.707", "py: cos π/4"},
        {"2100", "θ增", "p=", "0.633", "py: cos(π/4 + 0.1)"},
        {"2100", "", "q=", "0.774", "py: sin(π/4 + 0.1)"},
        {"2100", "θ增*2", "q=", "0.884", "py: sin(π/4 + 0.3)"},
        {"2100", "", "p=", "0.467", "py: cos(π/4 + 0.3)"},
        {"2100", "θ减*4", "p=", "0.774", "py: cos(π/4 − 0.1)"},
        {"2100", "", "q=", "0.633", "py: sin(π/4 − 0.1)"},
        {"2100", "θ减*2", "q=", "0.467", "py: sin(π/4 − 0.3)"},
        {"2100", "", "ink@2.5,2.3187", "2.5,-0.7", "py: LINE2 at x = 2.5, slope tan(π/4 − 0.3)"},
        {"2100", "", "ink@-1.5,0.2088", "2.5,-0.7", "py: LINE2 at x = −1.5"},
        {"2100", "", "bare@-1.5,-0.5", "2.5,-0.7", "hand: the line at π/4 has turned"},
        {"2100", "", "rgb@-1,2", "255,80,80", "hand: the middle of A(−2, 4) to P(0, 0)"},
        {"2100", "", "rgb@2.25,3.7", "0,230,0", "hand: the triangle's right edge, halfway"},
        {"2100", "", "rgb@1.9,4.4", "0,230,0", "hand: the triangle's top corner"},
        {"2100", "", "rgb@1.9,3.5", "0,110,0", "hand: the fill inside the triangle"},
        {"2100", "", "rgb@-2,1.6", "60,60,170", "hand: the ellipse's fill at its centre"},
        {"2100", "", "rgb@-1.45,1.6", "255,220,0", "hand: the ellipse's right end, −2 + 0.55"},
        {"2100", "", "rgb@0.5,0.866", "255,160,0", "py: the unit arc at 60°"},
        {"2100", "", "bare@0.5,-0.5", "2.5,-0.7", "hand: the arc stops at π"},
        {"2100", "", "ink@1.64,1.8", "2.5,-0.7",
         "hand: x = y² − 2y + 2 through (2,0), (1,1), (2,2)"},
        {"2100", "", "ink@1.49,0.3", "2.5,-0.7", "hand: the same parabola at y = 0.3"},
        {"2100", "", "rgb@-1,1", "255,255,0", "hand: the dot row's first dot"},
        {"2100", "", "rgb@1,1", "255,255,0", "hand: its last dot, over the parabola's vertex"},
        {"2100", "", "rgb@-1.5461,1.8541", "255,128,0", "py: the ellipse's first arrow head"},
        {"2100", "", "rgb@-1.5865,1.8967", "!255,128,0", "py: none past the head, t = 0.72"},
        {"2100", "^0.8,0.64", "rgb@-0.6,2.32", "255,80,80", "hand: A(−2, 4) to P(0.8, 0.64)"},
        {"2100", "", "rgb@-1,2", "!255,80,80", "hand: no longer to (0, 0)"},
        {"2100/2400", "△x增|△x减", "rgb@1.25,-1.05", "0,220,255",
         "hand: the arrow (0.5, −1.5) → (2, −0.6), halfway"},
        {"2100/2400", "", "rgb@3.7,-1.4", "0,220,255", "hand: (3, −1.6) → (4.4, −1.2), halfway"},
        {"2100/2400", "", "rgb@2,-0.6", "0,220,255", "hand: the head of the first arrow"},
        {"2100/2400", "", "rgb@2.2144,-0.4714", "!0,220,255", "py: 0.25 past it"},
        {"2100/2400", "", "rgb@5,1.5", "255,140,0", "hand: the dot of the dotted vector"},
        {"2100/2400", "", "rgb@5.7,1.05", "255,140,0", "hand: (5, 1.5) → (6.4, 0.6), halfway"},
        {"2100/2400", "", "bare@5.7,-1.05", "1,-1.8", "hand: nothing mirrored below"},
        {"2100/2400", "^3.5,0.5", "rgb@4,0.8", "255,255,0", "hand: a = (1, 0.6) from P, halfway"},
        {"2100/2400", "", "rgb@4.3361,-0.2024", "255,255,0", "py: b, 1.2 toward (6, −1.6)"},
        {"2100/2400", "", "rgb@4.4594,0.4141", "255,255,0", "py: a + b halfway"},
        {"2100/2400", "", "rgb@4.7,1.22", "!255,255,0", "hand: a fifth past the head of a"},
        {"2100/2400", "", "rgb@4.0474,-0.8634", "255,80,80", "py: the tangent 1.5 at x = 3.5"},
        {"2100/2400", "", "rgb@4.0474,0.1619", "!255,80,80", "py: its slope's sign flipped"},
        {"2100/5200", "取消", "?半径减", "", "hand: the discs' own buttons"},
        {"2100/5200", "^0.3,0.8", "rgb@1.8,0.8", "90,90,140", "hand: the given disc, 0.25 × 6 out"},
        {"2100/5200", "", "rgb@1.3675,0.8", "255,255,255", "py: r = 0.1779 clear of y = 2 − x²/2"},
        {"2100/5200", "", "rgb@1.6,0.8", "!255,255,255", "hand: not out to the wall x = 1.6"},
        {"2100/5200", "", "rgb@-0.271,1.953", "255,160,0", "py: the third boundary arrow"},
        {"2100/5200", "", "rgb@-0.6523,-0.7799", "255,160,0", "py: the sixth, from t = 4.14"},
        {"2100/5200", "", "rgb@0.3362,1.9435", "!255,160,0", "py: between the second and third"},
        {"2100/5200", "半径减", "rgb@0.78,0.8", "255,255,255",
         "hand: r 0.1 × 0.8 of the span 6, 0.48"},
        {"2100/5200", "", "rgb@0.3,1.2", "255,255,255", "hand: 0.08 of the span 5 up, 0.4"},
        {"2100/5200", "", "rgb@0.86,0.8", "!255,255,255", "hand: nothing past the edge"},
        {"2100/5200", "", "rgb@0.66,0.8", "90,90,230", "hand: the fill inside it"},
        {"2100/5200", "半径减*2", "rgb@0.6072,0.8", "255,255,255", "hand: 0.1 × 0.8³ × 6 = 0.3072"},
        {"2100/5200", "", "rgb@-0.0072,0.8", "255,255,255", "hand: its left edge, 0.3 − 0.3072"},
        {"2100/5200", "", "rgb@0.3,1.056", "255,255,255", "hand: 0.0512 × 5 up"},
        {"2100/5200", "", "rgb@0.68,0.8", "!255,255,255", "hand: bare past the edge"},
        {"2100/5200", "", "rgb@0.78,0.8", "!255,255,255", "hand: the edge of one press gone"},
        {"2100/5200", "半径增", "rgb@0.684,0.8", "255,255,255", "hand: 0.0512 × 1.25 × 6 = 0.384"},
        {"2100/5200", "", "rgb@-2.4667,2.6", "120,90,0",
         "hand: the polygon's fill in its last triangle (−1.8, 2.8), (−2.8, 2.8), (−2.8, 2.2)"},
        {"2100/5200", "", "rgb@-2.1333,2.4", "120,90,0", "hand: and in its first"},
        {"2100/5200", "", "rgb@-2.8,2.5", "255,255,0",
         "hand: the edge from the last vertex to the first"},
        {"2100/5200", "", "rgb@-2.3,2.8", "255,255,0", "hand: the edge y = 2.8, halfway"},
        {"2100/5200", "", "rgb@-2.93,2.5", "!120,90,0", "hand: no fill left of x = −2.8"},
        {"2100/5200", "", "rgb@-1.67,2.5", "!120,90,0", "hand: none right of x = −1.8"},
        {"357", "", "m=", "0.400", "the script"},
        {"357", "m增*3", "m=", "0.700", "hand: 0.4 + 0.3"},
        {"357", "m减", "m=", "0.600", "hand: 0.7 − 0.1"},
        {"357", "m减*2", "m=", "0.400", "hand: back to 0.4"},
        {"357", "n增", "n=", "0.900", "hand: 0.8 + 0.1"},
        {"357", "n增*2", "n=", "1.100", "hand: 0.8 + 0.3"},
        {"357", "n减*3", "n=", "0.800", "hand: back to 0.8"},
        {"357", "", "p=", "1.000", "the script"},
        {"357", "p增", "p=", "1.100", "hand: 1 + 0.1"},
        {"357", "p增*2", "p=", "1.300", "hand: 1 + 0.3"},
        {"357", "p减*4", "p=", "0.900", "hand: 1.3 − 0.4"},
        {"357", "", "n=", "0.800", "n keeps its value"},
        {"357", "open|打开投影", "m=", "0.400", "the script: the inset leaves the line as it was"},
        {"357", "", "p=", "1.000", "the script"},
        {"357", "", "rgb3@0,1.8,3", "!100,100,100", "hand: p= at (0, 1.8, 3) moves off the inset"},
    });
}

} // namespace
