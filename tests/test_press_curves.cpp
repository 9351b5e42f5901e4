// The classical curves pressed button by button: the ellipse of page 502
// with its foci on the y axis once b passes a, and a point P chosen by a
// click, joined to both foci; the travelling wave of the second course.
#include "press_table.h"

namespace {

// Sources: python3, a = 1, b = 1 + 5 × 0.1: c = √(b² − a²) = 1.1180, foci
// (0, ±c); P = (−2, −1.5): |PF1| + |PF2| = 3.2946 + 2.0361 = 5.33; the
// segments' midpoints (−1, −0.191) and (−1, −1.309); (2.5, −1.7) is bare.
PRESS_TABLE(CurvePresses, TheEllipseJoinsItsPointToBothFoci) {
    Run({
        {"502", "b增*5", "=n", "1.5", "hand: 1 + 5 × 0.1"},
        {"502", "", "=m", "1", "hand: a keeps the topic's 1"},
        {"502", "@-2,-1.5", "P到两角点距离和:", "5.33", "py: 3.2946 + 2.0361"},
        {"502", "", "ink@-1,-0.191", "2.5,-1.7", "py: the middle of PF1"},
        {"502", "", "ink@-1,-1.309", "2.5,-1.7", "py: the middle of PF2"},
    });
}

// Sources: python3, a and b 0.1 a press from 1 and 1; on the segment between
// the foci |PF1| + |PF2| = 2c: c = √(1.2² − 0.8²) = 0.8944 on x, then
// √(1.3² − 1.2²) = 0.5 on y once b passes a.
PRESS_TABLE(CurvePresses, TheFociFollowAAndB) {
    Run({
        {"502", "a增*3", "=m", "1.3", "hand: 1 + 3 × 0.1"},
        {"502", "a减", "=m", "1.2", "hand: 1.3 − 0.1"},
        {"502", "b减*3", "=n", "0.7", "hand: 1 − 0.3"},
        {"502", "b增", "=n", "0.8", "hand: 0.7 + 0.1"},
        {"502", "@0.3,0", "P到两角点距离和:", "1.79", "py: 2 × 0.8944"},
        {"502", "b增*5", "=n", "1.3", "hand: 0.8 + 0.5"},
        {"502", "@0,0.2", "P到两角点距离和:", "1.00", "hand: 2 × 0.5"},
    });
}

// Sources: python3, the plucked string of the second course's page 020:
// u = (φ(x + at) + φ(x − at))/2, φ = 1/(1 + x²), t from 0 and a from 1 by
// ±0.1 a press; (−9, 1) is a bare place of the plot.
PRESS_TABLE(CurvePresses, TheWaveFollowsTAndA) {
    Run({
        {"gs020", "", "ink@2,0.2", "-9,1", "py: φ(2) at t 0"},
        {"gs020", "", "bare@2,0.3", "-9,1", "py"},
        {"gs020", "t增*10", "ink@2,0.3", "-9,1", "py: t 1: (φ(3) + φ(1))/2"},
        {"gs020", "", "bare@2,0.2", "-9,1", "py: the halves have moved apart"},
        {"gs020", "", "ink@-3,0.1294", "-9,1", "py: (φ(−2) + φ(−4))/2"},
        {"gs020", "a增*3", "ink@2,0.3776", "-9,1", "py: a 1.3"},
        {"gs020", "", "bare@2,0.3", "-9,1", "py"},
        {"gs020", "a减*5", "ink@1.5,0.4151", "-9,1", "py: a 0.8"},
        {"gs020", "", "bare@2,0.3776", "-9,1", "py"},
        {"gs020", "t减*4", "ink@1.5,0.3467", "-9,1", "py: t 0.6, at 0.48"},
        {"gs020", "", "bare@1.5,0.4151", "-9,1", "py"},
        {"gs020", "a减*9", "ink@0.5,0.7213;;bare@0.5,0.7856", "-9,1;;-9,1",
         "py: a past 0 at the ninth press comes back as 1, t 0.6: (φ(1.1) + φ(0.1))/2 at x "
         "0.5; a 0.5 would give (φ(0.8) + φ(0.2))/2, above the top φ(0.6) = 0.7353"},
    });
    // A narrow bump φ = 1/(10000(x − 2)² + 1) at t 0: the samples 0.02
    // apart climb from φ(1.98) = 0.2 to φ(2) = 1 and are joined. The string
    // starts with the velocity ψ = 0.5 + 0.1x: ∫ψ/(2a) over [x − at, x + at]
    // lifts it by t(0.5 + 0.1x), down for a t below 0.
    RunScript("700DATA1(0,0,0,1,10000,-40000,40001,)\n700DATA1(1,0,0.1,0.5,0,0,0,)\n"
              "700DAlembert(0.3,3,40,8,42,39,0,-10,10,-0.4,1.2,1,1)\n",
              {
                  {"2100", "", "ink@2,0.6", "-9,1", "hand: the climb from 0.2 to 1 at x 2"},
                  {"2100", "t增*10", "ink@2,0.7;;ink@1,0.85;;bare@2,0.5", "-9,1;;-9,1;;-9,1",
                   "py: t 1: 0.7001 between the halves, the half bump on 0.6 at x 1 up to 1.1"},
                  {"2100", "t减*4", "ink@2,0.42;;bare@2,0.7", "-9,1;;-9,1", "py: t 0.6, 0.4203"},
              });
}

} // namespace
