// The elimination figure on over-determined systems, pressed button by
// button: the normal equations, their elimination, the least-squares
// solution and its residual sum of squares Q, in each variant, precision and
// number of decimals. "#k" is the k-th number of the array and of the
// solution row, read row by row.
#include "press_table.h"

namespace {

// A = [1 0; 0 1; 1 1], b = (1, 2, 4): AᵀA = [2 1; 1 2], Aᵀb = (5, 6),
// x = (4/3, 7/3), residuals ±1/3, Q = 1/3. Sources: python3 with exact
// fractions, and by hand.
PRESS_TABLE(EliminationPresses, ThreeEquationsInTwoUnknowns) {
    RunScript("700DATAs(0,1,0,0,1,1,1)\n700DATA2(0,1,2,4)\n700Gauss(0.4,1,55,10,2,3,0,1)\n",
              {
                  {"900", "", "#5", "1.5000", "hand: 2 − 1 · 1/2, the first step done"},
                  {"900", "", "#6", "3.5000", "hand: 6 − 5/2"},
                  {"900", "", "!Q=", "", "hand: not solved yet"},
                  {"900", "", "%#1;;%#4;;%#6", "0,255,255;;250,255,0;;250,255,0",
                   "hand: the row just reduced in its slot"},
                  {"900", "下一步", "Q=;;x#1;;x#2;;at@1.3333,4.2", "0.3333;;1;;2;;Q=",
                   "py: 1/3 in the heads' row (the third column, 7 − 2 · 7/5), beside x1, x2"},
                  {"900", "", "#7", "1.3333", "py: x1 = 4/3"},
                  {"900", "", "#8", "2.3333", "py: x2 = 7/3"},
                  {"900", "", "?特解", "", "hand: the solution's label"},
                  {"900", "", "%Q=;;%#7;;%#4", "0,255,255;;0,255,255;;0,255,255",
                   "hand: Q, x and the array in the curve slot"},
                  {"900", "上一步", "#4", "0.0000", "hand: back to the first step"},
                  {"900", "上一步", "#4", "1.0000", "hand: AᵀA's second row"},
                  {"900", "", "#6", "6.0000", "hand: Aᵀb's second entry"},
                  {"900", "上一步", "#9", "4.0000", "hand: b3 as entered"},
                  {"900", "", "#7", "1.0000", "hand: the third row as entered"},
                  {"900", "下一步*3", "Q=", "0.3333", "py: 1/3"},
              });
}

// A = [1 1; 1 2; 1 3; 1 5], b = (2, 3, 5, 4): AᵀA = [4 11; 11 39],
// Aᵀb = (14, 43), x = (73/35, 18/35), Q = 94/35. Sources: python3 with
// exact fractions; with two significant digits by hand: 8.75 → 8.8, x =
// (2.1, 0.51), the products 1.02 → 1.0, 1.53 → 1.5, 2.55 → 2.6, so Q =
// 0.61² + 0.1² + 1.4² + 0.7².
PRESS_TABLE(EliminationPresses, FourEquationsInTwoUnknowns) {
    RunScript("700DATAs(0,1,1,1,2,1,3,1,5)\n700DATA2(0,2,3,5,4)\n700Gauss(0.4,1,55,10,2,4,0,1)\n",
              {
                  {"900", "", "#5", "8.7500", "py: 39 − 11 · 11/4"},
                  {"900", "", "#6", "4.5000", "py: 43 − 14 · 11/4"},
                  {"900", "上一步", "#5", "39.0000", "hand: Σ t²"},
                  {"900", "", "#6", "43.0000", "hand: Σ t b"},
                  {"900", "上一步", "#12", "4.0000", "hand: b4 as entered"},
                  {"900", "", "#10", "1.0000", "hand: the fourth row as entered"},
                  {"900", "上一步", "#11", "5.0000", "hand: still the system as entered"},
                  {"900", "下一步*3", "Q=", "2.6857", "py: 94/35"},
                  {"900", "", "#7", "2.0857", "py: 73/35"},
                  {"900", "", "#8", "0.5143", "py: 18/35"},
                  {"900", "下一步*3", "Q=", "2.6857", "hand: the end stays"},
                  {"900", "开  始", "#9", "5.0000", "hand: b3 as entered"},
                  {"900", "", "!Q=", "", "hand: nothing solved"},
                  {"900", "列主元|下一步", "#1", "11.0000", "hand: the larger pivot first"},
                  {"900", "", "#5", "-3.1818", "py: 11 − 39 · 4/11"},
                  {"900", "", "#6", "-1.6364", "py: 14 − 43 · 4/11"},
                  {"900", "下一步", "Q=", "2.6857", "py: 94/35"},
                  {"900", "", "#8", "0.5143", "py: 18/35"},
                  {"900", "", "?特解", "", "hand: the solution's label"},
                  {"900", "并求A逆|下一步*3", "#3", "2.0857", "py: 73/35 beside the identity"},
                  {"900", "", "#8", "0.5143", "py: 18/35"},
                  {"900", "", "!Q=", "", "hand: the inverse variant shows no Q"},
                  {"900", "", "!特解", "", "hand: nor the label"},
                  {"900", "高  斯|下一步*2|2 位", "#5", "8.8000", "hand: 8.75 to 2 digits"},
                  {"900", "", "#7", "2.1000", "hand: (14 − 11 · 0.51)/4 to 2 digits"},
                  {"900", "", "#8", "0.5100", "hand: 4.5/8.8 to 2 digits"},
                  {"900", "", "Q=", "2.8321", "hand: the products to 2 digits"},
                  {"900", "6 位", "Q=", "2.6857", "py: 94/35"},
                  {"900", "2位#3", "Q=", "2.69", "py: 94/35, 2 decimals"},
                  {"900", "", "#7", "2.09", "py: 73/35, 2 decimals"},
                  {"900", "精确#3|6位", "Q=", "2.685714", "py: 94/35 exactly, 6 decimals"},
                  {"900", "", "#8", "0.514286", "py: 18/35, 6 decimals"},
              });
}

// A = [1 0.5; 1 1.5; 1 2.5], b = (1.125, 2.375, 2.75): x = (83/96, 13/16),
// Q = 0.127604; b kept to 2 decimals (1.13, 2.38, 2.75, half away from
// zero): x = (0.871667, 0.81), Q = 0.129067. Sources: python3 with exact
// fractions.
PRESS_TABLE(EliminationPresses, KeptDecimalsChangeTheFit) {
    RunScript("700DATAs(0,1,0.5,1,1.5,1,2.5)\n700DATA2(0,1.125,2.375,2.75)\n"
              "700Gauss(0.4,1,55,10,2,3,0,1)\n",
              {
                  {"900", "下一步", "Q=", "0.1276", "py: 0.127604"},
                  {"900", "", "#7", "0.8646", "py: 83/96"},
                  {"900", "", "#8", "0.8125", "py: 13/16"},
                  {"900", "2位#2", "Q=", "0.1291", "py: 0.129067"},
                  {"900", "", "#7", "0.8717", "py: 0.871667"},
                  {"900", "", "#6", "1.6200", "py: 11.01 − 6.26 · 1.5"},
                  {"900", "精确#2", "Q=", "0.1276", "py: b as given again"},
              });
    // Page 201: A = 1/(i + j + 2), opened after the first row operation:
    // a12 = 1/3, a22 = 1/4 − (1/3)²/(1/2) = 1/36, a23 = 1/30; b1 shown as
    // 0.0099. Significant digits R(·) on A and on each new entry, kept
    // decimals on A only; python3.
    Run({
        {"201", "", "#6", "0.0278", "hand: 1/36"},
        {"201", "", "%#1;;%#5;;%#8;;%#9", "0,255,255;;250,255,0;;250,255,0;;0,255,255",
         "hand: row 2 just reduced in its slot"},
        {"201", "3位#3", "#6", "0.028", "hand: 1/36 at three decimals"},
        {"201", "5位", "#6", "0.02778", "hand"},
        {"201", "6位", "#7", "0.033333", "hand: 1/30"},
        {"201", "1位", "#2", "0.3", "hand: 1/3"},
        {"201", "2位#3", "#7", "0.03", "hand: 1/30"},
        {"201", "4位#3|2 位", "#2", "0.3300", "py: 1/3 to two digits"},
        {"201", "", "#6", "0.0320", "py: R(0.25 − 0.33²/0.5) = R(0.0322)"},
        {"201", "3 位", "#6", "0.0282", "py: R(0.25 − 0.333²/0.5) = R(0.028222)"},
        {"201", "5位|4 位", "#6", "0.02782", "py: R(0.02782222)"},
        {"201", "6位|5 位", "#6", "0.027782", "py: R(0.0277822222)"},
        {"201", "6 位", "#6", "0.027778", "py: R(0.027778222)"},
        {"201", "2 位|精确#3", "#6", "0.027778", "hand: 1/36 again"},
        {"201", "4位#3|2位", "#2", "0.3300", "py: 1/3 kept to 0.33"},
        {"201", "", "#6", "0.0322", "py: 0.25 − 0.33²/0.5, unrounded"},
        {"201", "3位", "#6", "0.0282", "py: 0.25 − 0.333²/0.5 = 0.028222"},
        {"201", "5位|4位", "#6", "0.02782", "py: 0.25 − 0.3333²/0.5 = 0.027822"},
        {"201", "精确", "#6", "0.02778", "hand: 1/36 again"},
        {"201", "4位#3|2位#2", "#4", "0.0100", "hand: b1 0.0099 kept to 0.01"},
        {"201", "精确#2", "#4", "0.0099", "hand: b1 as given"},
        // The steps: row 3 less row 1 · 1/2, then less row 2 · 6/5; with
        // the column's pivot rows 2 and 3 change places (1/30 > 1/36).
        {"201", "下一步", "#10", "0.0333", "hand: a32 = 1/5 − (1/4)(1/3)/(1/2) = 1/30"},
        {"201", "", "#11", "0.0417", "hand: a33 = 1/6 − (1/4)²/(1/2) = 1/24"},
        {"201", "", "%#5;;%#9;;%#12", "0,255,255;;250,255,0;;250,255,0",
         "hand: row 3 just reduced"},
        {"201", "下一步", "#11", "0.0017", "hand: 1/24 − (1/30)² · 36 = 1/600"},
        {"201", "上一步", "#11", "0.0417", "hand: a step back"},
        {"201", "开  始", "#10", "0.2000", "hand: a32 as given"},
        {"201", "列主元|下一步*4", "?=-0.0014", "", "py: 1/30 − (1/36)(1/24) · 30"},
        {"201", "列主元#2", "?=-0.0014", "", "hand: the title answers no press"},
        {"201", "高  斯|下一步*4", "?=0.0017", "", "hand: 1/600 again"},
        {"201", "高  斯#2", "?=0.0017", "", "hand: the title answers no press"},
        {"201", "下一步*30", "?特解;;at@2.25,2.3333", ";;特解",
         "hand: solved; the label after x1..x3 in the 4 columns of 3/4 over x 0..3, on the "
         "solution row 4 of 7/6 down from y 7"},
        {"201", "并求A逆|下一步*30", "?=72.0000", "", "py: A⁻¹ = [72 −240 180; …]"},
        {"201", "", "?=-720.0000", "", "py"},
        {"201", "并求A逆#2", "?=900.0000", "", "hand: the title answers no press"},
        {"201", "精度", "?=900.0000", "", "hand: the caption answers no press"},
        {"201", "开  始|3位#2", "#4", "0.0100", "hand: b1 0.0099 kept to 0.010"},
        {"201", "4位#2", "#4", "0.0099", "hand: kept to 0.0099"},
    });
}

// x1 + 2x2 − x3 = 3, 2x1 + 4x2 + x3 = 9: one step leaves 3x3 = 3, whose
// leading unknown lies right of the diagonal; x2 is free. By hand: x = (4,
// 0, 1), ζ1 = (−2, 1, 0), in both variants.
PRESS_TABLE(EliminationPresses, AFreeUnknownBeforeALeadingOne) {
    RunScript("700DATAs(0,1,2,-1,2,4,1)\n700DATA2(0,3,9)\n700Gauss(0.4,1,55,10,3,2,0,1)\n",
              {
                  {"900", "", "#7", "3.0000", "hand: 1 + 2 · 1, the step done"},
                  {"900", "", "#6", "0.0000", "hand: 4 − 2 · 2"},
                  {"900", "下一步", "!无解", "", "hand: x = (4, 0, 1) solves it"},
                  {"900", "", "?特解", "", "hand: a particular solution"},
                  {"900", "", "#9", "4.0000", "hand: 3 − 2 · 0 + 1"},
                  {"900", "", "#11", "1.0000", "hand: 3/3"},
                  {"900", "", "#12", "-2.0000", "hand: ζ1's first entry"},
                  {"900", "", "#13", "1.0000", "hand: ζ1's free entry"},
                  {"900", "", "ζ;;at@2.25,2;;%ζ", "1;;ζ;;0,255,255",
                   "hand: one free unknown; its name in column n = 3 of x 0..3 in 3 + 1 "
                   "columns, row m + 2 = 4 down y 0..6 in 3 + 3 rows, in the curve slot"},
                  {"900", "列主元|下一步*2", "#8", "-1.5000", "hand: 3 − 9/2"},
                  {"900", "", "#9", "4.0000", "hand: (9 − 1)/2"},
                  {"900", "", "#12", "-2.0000", "hand: ζ1's first entry"},
              });
    // x1 + x2 + x3 = 1: x = (1, 0, 0), ζ1 = (−1, 1, 0), ζ2 = (−1, 0, 1).
    RunScript(
        "700DATAs(0,1,1,1)\n700DATA2(0,1)\n700Gauss(0.4,1,55,10,3,1,0,1)\n",
        {{"900", "下一步", "ζ#2;;#11;;#12;;#13;;at@2.25,1.6667", "2;;-1.0000;;0.0000;;1.0000;;ζ",
          "hand: ζ2's row, its name at column 3 of 3 + 1 on x 0..3, row 4 down y 0..5 in six"}});
}

// [0 1; 1 1] x = (1, 2): a zero first pivot stops plain elimination;
// pivoting exchanges the rows, x = (1, 1), and A⁻¹ = [−1 1; 1 0]. Then
// [1 1; 2 2] x = (1, 3) has no solution. By hand.
PRESS_TABLE(EliminationPresses, AZeroPivotAndAnInconsistentSystem) {
    RunScript("700DATAs(0,0,1,1,1)\n700DATA2(0,1,2)\n700Gauss(0.4,1,55,10,2,2,0,1)\n",
              {
                  {"900", "", "?无法三角分解;;at@0.4,1.2", ";;无法三角分解",
                   "hand: a11 = 0; the message a fifth up and across 2 by 6"},
                  {"900", "列主元|下一步", "!无法三角分解", "", "hand: the rows exchanged"},
                  {"900", "", "#3", "2.0000", "hand: (1 1 | 2) on top"},
                  {"900", "下一步", "#7", "1.0000", "hand: x1"},
                  {"900", "", "?特解", "", "hand: solved"},
                  {"900", "并求A逆|下一步*3", "#4", "-1.0000", "hand: A⁻¹'s first row −1 1"},
                  {"900", "", "#9", "1.0000", "hand: A⁻¹'s second row 1 0"},
                  {"900", "", "#10", "0.0000", "hand: A⁻¹'s second row 1 0"},
              });
    RunScript("700DATAs(0,1,1,2,2)\n700DATA2(0,1,3)\n700Gauss(0.4,1,55,10,2,2,0,1)\n",
              {
                  {"900", "", "!无解", "", "hand: not yet at the end"},
                  {"900", "下一步", "?无解;;at@1,2", ";;无解",
                   "hand: 0 = 1 in the last row; the word halfway across x 0..2, a third up "
                   "y 0..6 (m + 1 = 3 parts)"},
                  {"900", "", "!特解", "", "hand: nothing solved"},
              });
}

} // namespace
