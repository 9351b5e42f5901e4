// The discrete distributions of page 212 pressed button by button: the
// binomial (n = 10, p = 0.5), Poisson (λ = 2) and hypergeometric (n = 5,
// N = 20, M = 8) figures as their scripts give them, p and λ stepped by the
// page step 0.1, the counts by 1.
#include "press_table.h"

namespace {

// Sources: hand, mean np and variance npq; λ and λ; nM/N and
// nM(N − n)(N − M)/((N − 1)N²), two decimals. "#2" is the second figure's;
// a figure's own buttons show in the passes after a click in it.
PRESS_TABLE(DistributionPresses, EveryButtonOfPage212) {
    Run({
        {"212/2400", "期望|方差", "期望=np=", "5.00", "hand: 10 × 0.5"},
        {"212/2400", "p减", "方差=npq=", "2.40", "hand: 10 × 0.4 × 0.6"},
        {"212/2400", "", "p=", "0.400", "hand: 0.5 − 0.1"},
        {"212/2400", "p减*2", "方差=npq=", "1.60", "hand: 10 × 0.2 × 0.8"},
        {"212/2400", "p增", "方差=npq=", "2.10", "hand: 10 × 0.3 × 0.7"},
        {"212/2400", "p增*2", "期望=np=", "5.00", "hand: back to 0.5"},
        {"212/2400", "p减*2", "期望=np=", "3.00", "hand: 10 × 0.3"},
        {"212/2400", "n增", "n=", "11", "hand: 10 + 1"},
        {"212/2400", "n增*2", "期望=np=", "3.90", "hand: 13 × 0.3"},
        {"212/2400", "", "方差=npq=", "2.73", "hand: 13 × 0.3 × 0.7"},
        {"212/2400", "n减", "期望=np=", "3.60", "hand: 12 × 0.3"},
        {"212/2400", "n减*2", "期望=np=", "3.00", "hand: 10 × 0.3"},
        {"212/2400", "期望#2|λ增", "λ=", "2.100", "hand: 2 + 0.1"},
        {"212/2400", "λ增*2", "λ=", "2.300", "hand: 2 + 0.3"},
        {"212/2400", "λ减|期望#2|方差#2", "期望=λ=", "2.20", "hand: 2.3 − 0.1"},
        {"212/2400", "", "方差=λ=", "2.20", "hand: λ"},
        {"212/2400", "λ减*3", "方差=λ=", "1.90", "hand: 2.2 − 0.3"},
        {"212/2400", "期望#3|方差#3|M减", "M=", "7", "hand: 8 − 1"},
        {"212/2400", "", "期望=nM/N=", "1.75", "hand: 5 × 7 / 20"},
        {"212/2400", "M减*2", "期望=nM/N=", "1.25", "hand: 5 × 5 / 20"},
        {"212/2400", "M增", "期望=nM/N=", "1.50", "hand: 5 × 6 / 20"},
        {"212/2400", "N增", "N=", "21", "hand: 20 + 1"},
        {"212/2400", "N减*2", "期望=nM/N=", "1.58", "hand: 5 × 6 / 19"},
        {"212/2400", "", "方差=nm(N-n)(N-M)/((N-1)N^2)=  ", "0.84",
         "hand: 5 × 6 × 14 × 13 / (18 × 361)"},
        {"212/2400", "n增", "n=", "6", "hand: 5 + 1"},
        {"212/2400", "n增", "期望=nM/N=", "1.89", "hand: n at most M, 6 × 6 / 19"},
        {"212/2400", "n减*2", "期望=nM/N=", "1.26", "hand: 4 × 6 / 19"},
        {"212/2400", "n增", "n=", "5", "hand: 4 + 1"},
    });
}

// The mean's dot of the Poisson figure (the last of the page in a window
// 1600 tall) stands at λ on the axis, yellow RGB(250, 255, 0) (the first
// derivative's colour), and follows λ; so does the binomial's (the last in
// a window 900 tall) at np. Sources: hand, λ = 2 and (n, p) = (10, 0.5)
// from the scripts, 0.1 a press.
PRESS_TABLE(DistributionPresses, ThePoissonMeanDotFollowsLambda) {
    Run({
        {"212/1600", "期望#2", "rgb@2,0", "250,255,0", "hand: λ = 2"},
        {"212/1600", "λ增*3", "rgb@2.3,0", "250,255,0", "hand: 2 + 3 × 0.1"},
        {"212/1600", "", "rgb@2,0", "!250,255,0", "the old place bare of it"},
        {"212/1600", "λ减*5", "rgb@1.8,0", "250,255,0", "hand: 2.3 − 5 × 0.1"},
        {"212/900", "期望", "rgb@5,0", "250,255,0", "hand: np = 10 × 0.5"},
        {"212/900", "p减*2", "rgb@3,0", "250,255,0", "hand: np = 10 × 0.3"},
        {"212/900", "", "rgb@5,0", "!250,255,0", "the old place bare of it"},
    });
}

// α of the interval estimate between 0.0001 and 0.25, 0.1 a press.
// Sources: hand, from the script's 0.1.
PRESS_TABLE(DistributionPresses, TheSignificanceOfPage202) {
    Run({
        {"202", "@5,0.3|α增加", "=α", "0.2", "hand: 0.1 + 0.1"},
        {"202", "α增加", "=α", "0.25", "hand: at most 0.25"},
        {"202", "α减少", "=α", "0.15", "hand: 0.25 − 0.1"},
        {"202", "α减少", "=α", "0.05", "hand: 0.15 − 0.1"},
        {"202", "α减少", "=α", "0.0001", "hand: at least 0.0001"},
    });
}

} // namespace
