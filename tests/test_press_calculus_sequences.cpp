// The sequence page 336 pressed button by button: the terms of cos read as
// Xn = cos n and as the recursion Xn = cos Xn-1 from X0 = 0, with the
// verdict on their limit.
#include "press_table.h"

namespace {

// Sources: python3, cos n at n = 3 (−0.98999); X1 = cos 0 = 1, X2 = cos 1
// = 0.5403, the fixed point of cos, 0.739 to three decimals; cos n has no
// limit. (10, 1) is a bare place of the plot; each n is marked on the n
// axis in (0, 255, 255).
PRESS_TABLE(SequencePresses, TheReadingsOfPage336) {
    Run({
        {"336", "Xn=f(n)", "?极限不存在", "", "hand: cos n does not settle"},
        {"336", "", "极限: ", "(none)", "hand: cos 30 is no limit"},
        {"336", "", "ink@3,-0.99", "10,1", "py: the term cos 3"},
        {"336", "", "?Xn=f(n)", "", "hand: the reading's title"},
        {"336", "Xn=f(Xn-1)", "极限: ", "0.739", "py: the root of x = cos x"},
        {"336", "", "ink@2,0.5403", "10,1", "py: X2 = cos 1"},
        {"336", "", "bare@3,-0.99", "10,1", "py: X3 = cos 0.5403 = 0.8576"},
        {"336", "", "ink@3,0.8576", "10,1", "py: X3"},
        {"336", "", "rgb@5,0", "0,255,255", "hand: n = 5 marked on the n axis"},
        {"336", "", "rgb@5.5,0", "!0,255,255", "hand: marks at whole n only"},
        {"336", "n_Xn面", "n=", "30", "hand: n runs to the plot's 30"},
        {"336", "", "极限: ", "0.739", "hand: the reading stays"},
    });
}

} // namespace
