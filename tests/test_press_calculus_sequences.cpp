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
        {"336", "Xn=f(n)", "?极限不存在;;at@1.2,1.08;;at@21,1.08", ";;极限不存在;;Xn=f(n)",
         "hand: cos n does not settle; the verdict at x min + 0.04 · 30, y max − 0.05 · 2.4, the "
         "reading's title at x min + 0.7 · 30 on that row"},
        {"336", "", "极限: ", "(none)", "hand: cos 30 is no limit"},
        {"336", "", "ink@3,-0.99", "10,1", "py: the term cos 3"},
        {"336", "", "?Xn=f(n)", "", "hand: the reading's title"},
        {"336", "Xn=f(Xn-1)", "极限: ;;at@1.2,0.96", "0.739;;极限: ",
         "py: the root of x = cos x; hand: at x min + 0.04 · 30, y max − 0.1 · 2.4"},
        {"336", "", "ink@2,0.5403", "10,1", "py: X2 = cos 1"},
        {"336", "", "bare@3,-0.99", "10,1", "py: X3 = cos 0.5403 = 0.8576"},
        {"336", "", "ink@3,0.8576", "10,1", "py: X3"},
        {"336", "", "rgb@5,0;;rgb@5,0", "0,255,255;;!250,255,0",
         "hand: n = 5 marked on the n axis, filled in its own colour"},
        {"336", "", "rgb@5.5,0", "!0,255,255", "hand: marks at whole n only"},
        {"336", "n_Xn面", "n=", "30", "hand: n runs to the plot's 30"},
        {"336", "", "极限: ", "0.739", "hand: the reading stays"},
    });
}

// Sources: python3, page 336's terms marked at (n, Xn) in (250, 255, 0):
// Xn = cos Xn-1 from X0 = 0 (X4 0.6543, X5 0.7935, X6 0.7014, X9 0.7504,
// X20 0.7389), against the terms cos n of the other reading (cos 5 =
// 0.2837, cos 7 = 0.7539, cos 10 = −0.8391, cos 13 = 0.9074, cos 29 =
// −0.7481). Before them the plot's ticks, 4 px long, at a quarter of each
// range apart: (7.5, 15, 22.5) along n, (−0.6, 0.6) along Xn; the plot is
// 628 px by 360 px, so 5 px is 0.2389 along n and 0.0333 along Xn.
PRESS_TABLE(SequencePresses, TheMarkedTermsOfPage336) {
    Run({
        {"336", "", "rgb@7.5,-1.1667", "0,255,0", "hand: the tick at 7.5, 5 px up"},
        {"336", "", "rgb@7.5,-1.1333", "!0,255,0", "hand: 4 px long, not 10"},
        {"336", "", "rgb@7,-1.1667", "!0,255,0", "hand: none at 7"},
        {"336", "", "rgb@22.5,-1.1667", "0,255,0", "hand: the tick at 22.5"},
        {"336", "", "rgb@24,-1.1667", "!0,255,0", "hand: none at 24"},
        {"336", "", "rgb@0.2389,0.6", "0,255,0", "hand: the tick at 0.6, 5 px right"},
        {"336", "", "rgb@0.4777,0.6", "!0,255,0", "hand: 4 px long, not 10"},
        {"336", "", "rgb@0.2389,0.5", "!0,255,0", "hand: none at 0.5"},
        {"336", "", "rgb@0.2389,-0.6", "0,255,0", "hand: the tick at −0.6"},
        {"336", "Xn=f(Xn-1)", "rgb@1,1", "250,255,0", "py: X1 = cos 0"},
        {"336", "", "rgb@4,0.6543", "250,255,0", "py: X4"},
        {"336", "", "rgb@5,0.7935;;rgb@5.0956,0.7935", "250,255,0;;!0,255,255",
         "py: X5, its rim in the term's colour 3 px out"},
        {"336", "", "rgb@5,0.2837", "!250,255,0", "py: cos 5 is the other reading's"},
        {"336", "", "rgb@6,0.7014", "250,255,0", "py: X6"},
        {"336", "", "rgb@9,0.7504", "250,255,0", "py: X9"},
        {"336", "", "rgb@20,0.7389", "250,255,0", "py: X20"},
        {"336", "Xn=f(n)", "rgb@5,0.2837;;rgb@5.0956,0.2837;;rgb@5,0",
         "250,255,0;;!0,255,255;;!250,255,0",
         "py: cos 5, its rim 3 px out in the term's colour; the n mark filled in its own"},
        {"336", "", "rgb@5,0.7935", "!250,255,0", "py: X5 of the recursion is gone"},
        {"336", "", "rgb@7,0.7539", "250,255,0", "py: cos 7"},
        {"336", "", "rgb@10,-0.8391", "250,255,0", "py: cos 10"},
        {"336", "", "rgb@13,0.9074", "250,255,0", "py: cos 13"},
        {"336", "", "rgb@29,-0.7481", "250,255,0", "py: cos 29"},
    });
}

// Sources: python3, Xn = 0.5 Xn-1 + 1 from X0 = 1.111 (X2 1.778, X3 1.889)
// (X1 1.5555 to three decimals 1.555) in the table of 24 terms, whose n
// steps by 24 from 1 (a page of M ≥ 24 shows X(M−23) on); Xn = 0.5 n + 1
// on the Xn axis, n stepping by 40 from 1, a dot for each of X1 .. X(n−1)
// (1.5, 2, 2.5, …) in (250, 255, 0).
PRESS_TABLE(SequencePresses, TheTableAndTheAxisOfATermsScript) {
    RunScript("700DATA1(0,0,0.5,1,0,0,0,)\n"
              "700Sequence(0.3,3,34,9,39,0,0,0,12,0,3.2,0.5,12,0,4)\n",
              {
                  {"350", "", "?=1.555;;?=1.778;;?=1.889;;!1.111", ";;;;;;",
                   "py: X1, X2, X3 from X0 = 1.111, X0 itself not shown"},
                  {"350", "n增加", "!1.555;;?=1.778;;?=25", ";;;;",
                   "py: n 1 + 24, the table from X2 on"},
                  {"350", "n增加|n减少", "?=25;;!1.555", ";;", "hand: 49 − 24, from X2 still"},
                  {"350", "n减少", "?=1.555", "", "hand: 25 − 24, X1 first again"},
                  {"350", "n减少", "?=24;;?=1.555", ";;", "hand: 1 − 24 < 0 starts afresh at 24"},
              });
    RunScript("700DATA1(0,0,0.5,1,0,0,0,)\n"
              "700Sequence(0.3,3,34,9,39,1,0,0,12,-1,1,0,12,0,5)\n",
              {
                  {"350", "", "rgb@2,0", "!250,255,0", "hand: n 1, no term yet"},
                  {"350", "n增加", "n=;;rgb@2,0;;rgb@11,0;;rgb@2.25,0",
                   "41;;250,255,0;;250,255,0;;!250,255,0",
                   "hand: n 1 + 40; X2 = 2, X20 = 11, none between X2 and X3 = 2.5"},
                  {"350", "n减少", "n=;;rgb@2,0", "1;;!250,255,0", "hand: 41 − 40, no term"},
              });
}

} // namespace
