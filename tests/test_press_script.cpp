// The script pages pressed button by button: the period of a periodically
// extended function and the direction numbers of a line with its plane.
#include "press_table.h"

namespace {

// Sources: python3. Page 211: y = ch x extended with the period P from the
// script's 2, ×1.25 or ×0.8 a press; x is brought into [−P/2, P/2) (u = x
// + 100P, less P·⌊u/P + 1/2⌋), so at x = 2: ch 0.5 = 1.1276 for P = 2.5,
// ch 1.125 = 1.7024 for 3.125, ch 0.4 = 1.0811 for 1.6; (5.5, 1.9) lies
// above the curve for all three. Page 360: (m, n, p) = (0.6, 0.8, 1) from
// its script, 0.1 a press, three decimals.
PRESS_TABLE(ScriptPresses, PeriodAndDirectionButtons) {
    Run({
        {"211", "周期增加", "ink@2,1.1276", "5.5,1.9", "py: P = 2.5, ch 0.5"},
        {"211", "", "bare@2,1", "5.5,1.9", "hand: the script's minimum at x = 2 has moved"},
        {"211", "周期增加", "ink@2,1.7024", "5.5,1.9", "py: P = 3.125, ch 1.125"},
        {"211", "", "bare@2,1.1276", "5.5,1.9", "py: below the curve, clear of the period lines"},
        {"211", "周期减少*3", "ink@2,1.0811", "5.5,1.9", "py: P = 1.6, ch 0.4"},
        {"211", "", "bare@2,1.7024", "5.5,1.9", "py: above the curve"},
        {"360", "", "m=", "0.600", "the script"},
        {"360", "m增*3", "m=", "0.900", "hand: 0.6 + 0.3"},
        {"360", "m减", "m=", "0.800", "hand: 0.9 − 0.1"},
        {"360", "n减*3", "n=", "0.500", "hand: 0.8 − 0.3"},
        {"360", "n增", "n=", "0.600", "hand: 0.5 + 0.1"},
        {"360", "p增*3", "p=", "1.300", "hand: 1 + 0.3"},
        {"360", "p减", "p=", "1.200", "hand: 1.3 − 0.1"},
        {"360", "", "m=", "0.800", "hand: m keeps its value"},
    });
}

} // namespace
