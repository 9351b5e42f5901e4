// The plane iteration Zn = F(Zn-1) of page 353 pressed button by button: the
// number of steps n, the settling bound ε and the escape bound M stepped.
#include "press_table.h"

namespace {

// Sources: hand, from the script's n = 100, ε = 0.1 and M = 1e8: n ×10/8
// and ×8/10 in whole numbers (never below the script's 100), ε ×10 and ×0.1
// (at most 1), M ×2 and ×0.5.
PRESS_TABLE(SequencePresses, TheBoundsOfPage353) {
    Run({
        {"353", "n增", "n=", "125", "hand: 100 × 10 / 8"},
        {"353", "", "%n=;;%ε=;;%M=", "0,255,255;;0,255,255;;0,255,255",
         "hand: n, ε and M in the curve slot"},
        {"353", "n增", "n=", "156", "hand: 1250 / 8 = 156.25"},
        {"353", "n减", "n=", "124", "hand: 1248 / 10 = 124.8"},
        {"353", "n减*2", "n=", "100", "hand: 124 → 99, raised to the script's 100"},
        {"353", "ε减", "ε=", "0.010000", "hand: 0.1 × 0.1"},
        {"353", "ε减*2", "ε=", "0.000100", "hand: 0.1 × 0.1³"},
        {"353", "ε增*5", "ε=", "1.000000", "hand: at most 1"},
        {"353", "M减", "M=", "50000000", "hand: 1e8 / 2"},
        {"353", "M减*3", "M=", "6250000", "hand: 1e8 / 2⁴"},
        {"353", "M增*2", "M=", "25000000", "hand: 1e8 / 4"},
        {"353", "ε减*7", "10^6ε=;;at@-0.72,-0.6", "0.100000;;10^6ε=",
         "hand: 1 × 0.1⁷ = 1e-7, below 1e-6; at x min + 0.3 · 3.6, y min + 0.25 · 2.4"},
    });
}

} // namespace
