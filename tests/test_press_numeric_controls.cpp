// The number controls of the matrix pages 203, 205 and 213 pressed as a
// lecturer presses them: the significant digits of the arithmetic ("2 位"
// .. "精确"), the decimals kept of A and b, the decimals shown, and the
// titles and labels that answer no press.
#include "press_table.h"

namespace {

// Page 203's own system: A = [1/(i + j + 2)], b = 1/(i + 101), Doolittle,
// one element a step; "#1" of a kept-decimals label is A's, "#2" b's, "#3"
// the decimals shown. Sources: hand, R(v) v to that many significant
// digits; "py" Doolittle and the two solves in python3 floats.
PRESS_TABLE(NumericControlPresses, TheTriangularFactorsOfPage203) {
    Run({
        {"203", "开  始|显示小数点:|6位", "?0.333333", "", "hand: 1/3, six decimals"},
        {"203", "", "%#1;;%#4", "0,255,255;;0,255,255", "hand: step 0, A and b in the curve slot"},
        {"203", "3 位", "?0.333000", "", "hand: 1/3 to three digits"},
        {"203", "", "!0.333333", "", "hand: no exact third left"},
        {"203", "4 位", "?0.333300", "", "hand: 1/3 to four digits"},
        {"203", "精度", "?0.333300", "", "hand: the label keeps the digits"},
        {"203", "下一步*4", "?0.666600", "", "hand: l10 = R(0.3333 / 0.5)"},
        {"203", "", "%#5;;%#1;;%#9;;%#4", "255,100,100;;0,255,255;;250,255,0;;0,255,255",
         "hand: l10 just found; U, L as given, b"},
        {"203", "6 位", "?0.666666", "", "hand: 0.333333 / 0.5"},
        {"203", "精确#3", "?0.666667", "", "hand: 2/3"},
        {"203", "下一步*5", "?-0.542999", "", "py: x = (0.107503, -0.542999, 0.548597)"},
        {"203", "", "%Y=[;;%X=[;;%#5;;%#11", "250,255,0;;0,255,255;;250,255,0;;255,100,100",
         "hand: y with L, x with U; u22 the ninth element found"},
        {"203", "", "at@0.6,-0.4;;at@0.6,-0.8;;at@-1.2,-0.4", "   ];;   ];;Y=[",
         "hand: each vector closed in column n = 3 of x −1.2..1.2 in four, rows n + 1 and "
         "n + 2 of y 1.2..−1.2 in six"},
        {"203", "3位#3", "?-0.543", "", "py: x2 to three decimals"},
        {"203", "", "!-0.5430", "", "hand: three decimals only"},
        {"203", "1位", "?-0.5", "", "py: x2 to one decimal"},
        {"203", "", "!-0.54", "", "hand: one decimal only"},
        {"203", "4位#3", "?0.5486", "", "py: x3 to four decimals"},
        {"203", "2位", "?-0.0867", "", "py: A to two decimals, x2 = -0.086703"},
        {"203", "", "?0.1732", "", "py: x3 = 0.173174"},
        {"203", "3位", "?-0.3898", "", "py: A to three decimals, x2 = -0.389811"},
        {"203", "A:", "?-0.3898", "", "hand: the label keeps A"},
        {"203", "精确", "?-0.5430", "", "py: A exact again"},
        {"203", "3位#2", "?-0.6000", "", "py: b all 0.010, x = (0.12, -0.6, 0.6)"},
        {"203", "b:", "?-0.6000", "", "hand: the label keeps b"},
        {"203", "4位#2", "?0.5460", "", "py: b = (0.0099, 0.0098, 0.0097)"},
        {"203", "", "?0.1068", "", "py: x1 = 0.1068"},
        {"203", "精确#2", "?0.5486", "", "py: b exact again"},
        {"203", "改 进|改进平方根", "?改进平方根", "", "hand: the title answers no press"},
        {"203", "下一步*6", "?-0.5430", "", "py: L·D·Lᵀ solves to the same x"},
        {"203", "", "%#1;;%#6;;%#5", "255,128,0;;255,128,0;;250,255,0",
         "hand: L·D·Lᵀ's diagonal in the pen, L below it"},
        {"203", "LU分解|LU分解法", "!改进平方根", "", "hand: Doolittle's title only"},
        {"203", "", "?LU分解法", "", "hand"},
        {"203", "open|开  始|5位", "?0.33333", "", "hand: 1/3, five decimals"},
        {"203", "", "!0.333333", "", "hand: five decimals only"},
        {"203", "2 位", "?0.33000", "", "hand: 1/3 to two digits"},
        {"203", "", "!0.33333", "", "hand"},
        {"203", "精确#3|2位#3", "?=0.33", "", "hand: 1/3 at two decimals"},
        {"203", "6位|4位", "?=0.333300", "", "hand: A kept to four decimals"},
        {"203", "精确|2位#2", "?=0.010000", "", "hand: b1 = 1/101 kept to 0.01"},
        {"203", "精确#2|5 位", "?=0.333330", "", "hand: 1/3 to five digits"},
        {"203", "下一步|上一步", "?=0.333330", "", "hand: back to A"},
        {"203", "平方根|平方根#2", "!LU分解法", "", "hand: the title answers no press"},
        {"203", "下一步*6", "%#1;;%#6;;%#5", "0,255,255;;0,255,255;;250,255,0",
         "hand: the square-root factor's diagonal in the curve slot with the upper part, "
         "L below it"},
        {"203", "追赶法|下一步", "?不满足三对角矩阵", "", "hand: a13 = 1/4 ≠ 0"},
        {"203", "追赶法#2", "?不满足三对角矩阵", "", "hand: the title answers no press"},
        // Five digits: l21 = R(0.33333/0.5) = 0.66666, u22 = R(0.25 −
        // R(0.66666 · 0.33333)) = 0.02778, all factors at the first step.
        {"203", "迭代改善法|下一步", "?=0.027780", "", "hand: u22 at once"},
        {"203", "", "!不满足三对角矩阵", "", "hand: Doolittle's factors, no band test"},
        {"203", "迭代改善法#2", "?=0.027780", "", "hand: the title answers no press"},
        {"203", "下一步", "x =[_;;r =[_;;d =[_;;%x =[;;%r =[;;%d =[",
         "1;;1;;1;;250,255,0;;250,255,0;;0,255,255",
         "hand: step 2, two passes, k = 1; x and r in the derivative slot, d in the curve's"},
        // Page 201's second figure reduces [1 2 1 4; 2 4 3 9; 1 2 2 6] to
        // [1 2 0 0; 0 0 1 0; 0 0 0 1]: pivots in columns 1, 3 and 4 (the
        // page's text writes three ξ before the figure's).
        {"201/2400", "开  始#2|下一步*12", "ξ#6", "4", "hand: the last pivot column"},
        {"201/2400", "A化为行最简形*3", "ξ#6", "4", "hand: the title answers no press"},
        {"201/2400", "", "ξ#5;;at@-0.72,-0.6;;at@-1.2,-0.6", "3;;ξ;;ξ",
         "hand: after the text's three; row 2's under the second column, 2.4/5 apart, row 1's "
         "under the first"},
        {"201/2400", "", "?A化为行最简形", "", "hand"},
        {"201/2400", "开  始", "ξ#6", "3", "hand: the matrix as given"},
        // Its first step: the rows 1 and 2 change places, then row 1 less
        // row 2 · 1/2 = (0, 0, −0.5, −0.5). Once it is clicked the
        // elimination above is not drawn again: its buttons are the only
        // ones so labelled, "#1" of a kept-decimals label A's, "#2" b's, "#3"
        // the decimals shown.
        {"201/2400", "下一步|6位", "?=-0.500000", "", "hand"},
        {"201/2400", "1位", "?=-0.5", "", "hand"},
        {"201/2400", "3位#3", "?=-0.500", "", "hand"},
        {"201/2400", "2位#3", "?=-0.50", "", "hand"},
        {"201/2400", "5位", "?=-0.50000", "", "hand"},
        {"201/2400", "4位#3|2位|2位#2|3位|3位#2", "?=-0.5000", "", "hand: whole entries kept"},
        {"201/2400", "4位|4位#2|精确|精确#2", "?=-0.5000", "", "hand: the same"},
        {"201/2400", "2 位|3 位|4 位", "?=-0.5000", "", "hand: −0.5 to any digits"},
        {"201/2400", "5 位|6 位|精确#3|精度", "?=-0.5000", "", "hand: the same"},
        {"201/2400", "上三角|下一步*12", "#12", "1.0000",
         "hand: (0, 0, 0.5, 1.5) + (0, 0, −0.5, −0.5)"},
        {"201/2400", "", "#7", "-0.5000", "hand: row 2 left as it was"},
        {"201/2400", "A化为上三角", "#12", "1.0000", "hand: the title answers no press"},
        {"201/2400", "开  始|下一步*2", "#12", "1.5000", "hand: row 3 less row 1 · 1/2 only"},
        {"201/2400", "下一步|上一步", "#12", "1.5000", "hand: a step on and back"},
        {"201/2400", "行最简|下一步*12", "ξ#6", "4", "hand: the reduced form's last pivot"},
        // [A | I] of A = [1 2 1; 2 4 3; 1 2 2] (singular: the second column
        // twice the first) reduced to [1 2 0 | 0 2 −3; 0 0 1 | 0 −1 2;
        // 0 0 0 | 1 −1 1]: pivots in columns 1, 3 and 4.
        {"201/2400", "求A逆|下一步*12", "?=-3.0000", "", "hand: row 1 of the reduced [A | I]"},
        {"201/2400", "", "ξ#6", "4", "hand: the third pivot in I's first column"},
        {"201/2400", "求A逆#2", "?=-3.0000", "", "hand: the title answers no press"},
        // The third figure's A, the data read on row by row: [1 2 1; 4 2 4;
        // 3 9 1] to [4 2 4; 0 7.5 −2; 0 0 0.4] after two exchanges. Once
        // pressed, its buttons are the only ones so labelled.
        {"201/3600", "下一步#3|下一步*11", "行列式:;;at@0,-0.6", "12.000000;;行列式:",
         "python3: 4 · 7.5 · 0.4; hand: at the middle of −1.2..1.2, three rows of 2.4/4 down"},
    });
}

// Page 205's system [8 -3 2; 4 11 -1; 6 3 12] x = (20, 33, 36) from x = 0:
// Jacobi's second iterate (23/8, 26/11, 1), Gauss-Seidel's first (5/2,
// 23/11, 27/22). Sources: hand, each product and quotient to the digits.
PRESS_TABLE(NumericControlPresses, TheIterationsOfPage205) {
    Run({
        {"205", "", "x#1;;x#2;;x#3", "1;;2;;3", "hand: the start vector's heads x1, x2, x3"},
        {"205", "下一步", "at@2.25,6", "迭代次数",
         "hand: the count's head over the fourth column, 3 · 3/4 across 0..3"},
        {"205", "2 位|开  始|下一步*2", "?2.9000", "", "hand: 23/8 to two digits"},
        {"205", "", "x#1", "1", "hand: the table's heads x1, x2, x3 for the three unknowns"},
        {"205", "", "x#2", "2", "hand"},
        {"205", "", "x#3", "3", "hand"},
        {"205", "", "?2.4000", "", "hand: 26/11 to two digits"},
        {"205", "精确#3", "?2.8750", "", "hand: 23/8"},
        {"205", "", "?2.3636;;  #1;;  #2", ";;1;;2",
         "hand: 26/11; the rows numbered from the first iteration"},
        {"205", "精度|A:|b:|显示小数点:", "?2.8750", "", "hand: labels only"},
        {"205", "Jacobi迭代", "?2.3636", "", "hand: the title answers no press"},
        {"205", "Seidel|G-S迭代|开  始|下一步", "?1.2273", "", "hand: (36 − 15 − 6·23/11)/12"},
        {"205", "2 位", "?1.2000", "", "hand: (36 − 15 − R(3·2.1))/12 = 1.225"},
        {"205", "", "!1.2273", "", "hand"},
        {"205", "5 位|6位", "?1.227300", "", "hand: 14.7273/12 = 1.227275"},
        {"205", "6 位", "?1.227270", "", "hand: 14.72727/12 = 1.2272725"},
        {"205", "精确#3", "?1.227273", "", "hand: 27/22"},
        {"205", "open|3 位|开  始|下一步*2", "?2.3600", "", "hand: 26/11 to three digits"},
        {"205", "", "!2.3636", "", "hand"},
        {"205", "4 位", "?2.3640", "", "hand: 26/11 to four digits"},
        {"205", "", "?2.8750", "", "hand: 23/8 to four digits"},
        {"205", "open|ε增加", "误差限ε= ", "0.125000", "hand: 0.1 × 1.25"},
        {"205", "", "%误差限ε= ", "0,255,255", "hand: the read-out"},
        {"205", "", "at@0.6,0.6;;at@0,0.6;;at@0.75,1.8;;at@0.75,1.2;;at@2.25,5",
         "误差限ε= ;;n=;;x;;;;",
         "hand: x 0..3, y 0..6: ε 0.2 across, n at the left, 0.1 up; x2's head 0.3 up and its "
         "start 0.2 up, a quarter across; b's second entry in the fourth column, a unit down"},
        {"205", "ε减少*3", "误差限ε= ", "0.064000", "hand: 0.125 × 0.8³"},
        {"205", "松弛法|下一步", "?=2.7500", "", "hand: ω 1.1, 1.1 · 20/8"},
        {"205", "", "?=2.2000", "", "hand: 1.1 · (33 − 4 · 2.75)/11"},
        {"205", "", "ω=;;at@2.1,0.6;;at@1.5,6", "1.100;;ω=;;x",
         "hand: the script's ω, 0.3 from the right of x 0..3, 0.1 up y 0..6; x3's head at the "
         "top, half across"},
        {"205", "ω增加*3", "ω=", "1.400", "hand: 1.1 + 3 × 0.1"},
        {"205", "ω减少", "ω=", "1.300", "hand: 1.4 − 0.1"},
        {"205", "", "%ω=;;%#1", "0,255,255;;0,255,255", "hand: ω and the table"},
        {"205", "", "?=3.2500", "", "hand: 1.3 · 20/8"},
        {"205", "", "?=2.3636", "", "hand: 1.3 · (33 − 4 · 3.25)/11 = 26/11"},
        {"205", "松弛法#2", "ω=", "1.300", "hand: the title answers no press"},
        {"205", "ω减少*14", "ω=", "1.000", "hand: 1.3 − 1.4 is below 0, ω back to 1"},
        {"205", "Jacobi|下一步*2", "?=2.8750", "", "hand: Jacobi's second, 23/8"},
        {"205", "上一步", "!2.8750", "", "hand: back to the first, (2.5, 3, 3)"},
        {"205", "下一步|3位#3", "?=2.364", "", "hand: 26/11 at three decimals"},
        {"205", "1位", "?=2.4", "", "hand"},
        {"205", "5位", "?=2.36364", "", "hand"},
        {"205", "2位#3", "?=2.36", "", "hand"},
        {"205", "4位#3|2位|2位#2", "?=2.3636", "", "hand: whole entries and b kept as they are"},
        {"205", "3位|3位#2|4位|4位#2", "?=2.8750", "", "hand: the same"},
        {"205", "精确|精确#2", "?=2.3636", "", "hand: the same"},
        {"205", "显示相关数据", "?关闭相关数据;;x#1;;x#2", ";;2;;1",
         "hand: the switch turns; the panel's x of step 2 beside x of step 1"},
        {"205", "关闭相关数据", "?显示相关数据", "", "hand: and back"},
    });
    // [1 1; 1 0]: the second row's diagonal is 0.
    RunScript("700DATAs(0,1,1,1,0)\n700DATA2(0,2,1)\n700JacobiSeidel(0.4,5,38,11.4,2,0,1)\n",
              {{"900", "下一步", "迭代失败i=;;at@0,3",
                "2;;迭代失败i=", "hand: a22 = 0; at x min 0, halfway up the y range 0..6"}});
}

// Page 213's A = [1/(i + j + 2)] less p = 0.1 on the diagonal, before the
// first step: 1/6 − 0.1 = 0.0666667 and 1/3 to the digits. Sources: hand.
PRESS_TABLE(NumericControlPresses, TheShiftedMatrixOfPage213) {
    Run({
        {"213", "开  始|6位", "?0.066667", "", "hand: 1/6 − 0.1, six decimals"},
        {"213", "", "%#1;;%P=", "0,255,255;;0,255,255", "hand: step 0, A − pI and p"},
        {"213", "3 位", "?0.066700", "", "hand: to three digits"},
        {"213", "2 位", "?0.067000", "", "hand: to two digits"},
        {"213", "5 位", "?0.333330", "", "hand: 1/3 to five digits"},
        {"213", "6 位", "?0.333333", "", "hand: 1/3 to six digits"},
        {"213", "", "!0.333330", "", "hand"},
        {"213", "精度|显示小数点:", "?0.333333", "", "hand: labels only"},
        {"213", "精确|2位", "?0.07", "", "hand: 0.0667 to two decimals"},
        {"213", "", "!0.067", "", "hand: two decimals only"},
        {"213", "3位", "?0.067", "", "hand: three decimals"},
        {"213", "", "!0.0667", "", "hand: three decimals only"},
        {"213", "5位", "?0.06667", "", "hand: five decimals"},
        {"213", "HQR|反射阵QR分解", "?反射阵QR分解", "", "hand: the title answers no press"},
        {"213", "HJR|H变换与旋转QR分解", "?H变换与旋转QR分解", "", "hand"},
        {"213", "SQR|斯密特正交化QR分解", "?斯密特正交化QR分解", "", "hand"},
        {"213", "", "?0.33333", "", "hand: five decimals kept"},
        {"213", "open|开  始|6位|4 位", "?0.066670", "", "hand: 1/6 − 0.1 to four digits"},
        {"213", "", "?0.333300", "", "hand: 1/3 to four digits"},
        {"213", "", "!0.333333", "", "hand"},
        {"213", "open|开  始|6位|P增加", "?=0.300000", "", "hand: 1/2 − 0.2"},
        {"213", "", "?=-0.033333", "", "hand: 1/6 − 0.2"},
        {"213", "P减少*3", "?=0.266667", "", "hand: 1/6 + 0.1"},
        {"213", "1位", "?=0.6", "", "hand: 1/2 + 0.1"},
        {"213", "4位", "?=0.2667", "", "hand"},
        {"213", "下一步|上一步", "?=0.2667", "", "hand: A − pI again"},
        {"213", "下一步|显示相关数据", "?关闭相关数据", "", "hand: the switch turns"},
        {"213", "关闭相关数据", "?显示相关数据", "", "hand: and back"},
        {"213", "open|6位|HQR|下一步", "σ=", "0.577591", "py: |(0.4, 1/3, 1/4)|, the pivot's sign"},
        {"213", "", "β=", "1.129295", "py: (σ + 0.4)² + 1/9 + 1/16"},
        {"213", "", "at@-1.2,0;;at@-0.24,0;;at@0,0.4;;at@-0.6,-0.8", "σ=;;β=;;;;",
         "hand: −1.2..1.2 both ways: σ and β halfway down, at 0 and 0.4 across; B's cell (3, 3) "
         "at 2/4 across, 2/3 of the upper half down; P's (3, 2) in the lower half"},
        {"213", "", "%σ=;;%β=;;%#1;;%#2", "250,255,0;;250,255,0;;250,255,0;;255,100,100",
         "hand: σ, β and B as reflected, the reflection P beside"},
        {"213", "显示相关数据", "μ 归一化;;μ", "1;;1", "hand: the first column's μ"},
        {"213", "下一步", "#5", "-0.317410",
         "py: P0(A − pI), row 0 across (−σ, −0.403977, −0.317410), column 0 down zeros; the "
         "5th cell, B and P by turns: B(0, 2)"},
    });
    // A = [4 1 0; 2 3 1; 0 1 2], p = 0.1: the Schmidt QR steps end at the
    // fifth with one iteration's count A1.
    RunScript("700DATAs(0,4,1,0,2,3,1,0,1,2)\n700QR(0.4,5,38,11.4,3,0,1,0.1,0.0001)\n",
              {{"900", "开  始|下一步*5", "A;;at@0.84,0.96", "1;;A",
                "hand: the count 0.15 of 2.4 in from the right of −1.2..1.2, 0.1 of it down"}});
}

// Page 464's fit of sin x at x = iπ/10, i = 0..9, in the three bases; Q the
// mean squared residual. Sources: python3, the normal equations solved by
// elimination in floats.
PRESS_TABLE(NumericControlPresses, TheBasesOfPage464) {
    Run({
        {"464", "", "Q=;;a#1;;a#4;;m=", "0.000216;;0;;3;;3", "py: powers 0..3, a0..a3"},
        {"464", "", "ink@3,0.0780", "2,-0.3", "py: the cubic at 3"},
        {"464", "", "%Q=;;%#3;;rgb@3,0.078;;rgb@0.9425,0.809",
         "0,255,255;;0,255,255;;0,255,255;;255,100,100",
         "py: Q, a0 (after the axes' two empty labels) and the cubic in the curve slot; the dot at "
         "x3 = 0.3π"},
        {"464", "", "bare@3,0.1169", "2,-0.3", "py: where the quadratic would be"},
        {"464", "", "at@1.98,1.3;;at@-0.11,1;;at@0.27,0.7;;at@0.27,0.4", "m=;;Q=;;;;",
         "hand: −0.3 + 0.6 · 3.8 across, at the top 1.3; Q at 0.05 of the x span, the values "
         "a0, a1 at 0.15 of it, rows 1.8/6 apart from −0.5 + 5 · 0.3 down"},
        {"464", "m减少", "Q=", "0.000372", "py: powers 0..2"},
        {"464", "", "ink@3,0.1169", "2,-0.3", "py: the quadratic at 3"},
        {"464", "", "bare@3,0.0780", "2,-0.3", "py: where the cubic was"},
        {"464", "m增加|偶次幂", "Q=", "0.008803", "py: powers 0, 2, 4, 6"},
        {"464", "", "ink@3,0.4612", "2,-0.3", "py: the even fit at 3"},
        {"464", "", "ink@1,0.7514", "2,-0.3", "py: the even fit at 1"},
        {"464", "", "?2m偶次多项式回归", "", "hand: the basis's title"},
        {"464", "2m偶次多项式回归", "Q=", "0.008803", "hand: the title answers no press"},
        {"464", "奇次幂|2m+1奇次多项式回归", "?2m+1奇次多项式回归", "", "hand"},
        {"464", "", "Q=", "0.000000", "py: powers 1, 3, 5, 7, 1.2e-10"},
        {"464", "", "ink@3,0.1400", "2,-0.3", "py: the odd fit at 3"},
        {"464", "连续次幂|m次多项式回归", "Q=", "0.000216", "py: powers 0..3"},
        {"464", "数据类型:", "!2m+1奇次多项式回归", "", "hand: the label answers no press"},
        {"464", "显示方程组", "?=14.14", "", "py: Σxᵢ, xᵢ = 0.31416·i, i = 0..9"},
        {"464", "", "?=6.31", "", "py: Σ sin xᵢ"},
        {"464", "", "%#3;;%#7", "0,255,255;;250,255,0",
         "hand: row 0's first A and its right side, past the axes' two empty labels"},
        {"464", "", "!Q=", "", "hand: the equations instead of the coefficients"},
        // The second figure: y = a e^(bx) through ln y = ln a + bx on x =
        // 1..8, Q the mean squared residual in y.
        {"464/2400", "回归方程:y=ae^(bx)", "a=", "11.437069", "py: e^(ln a) of the line"},
        {"464/2400", "", "b=", "0.291216", "py: the line's slope"},
        {"464/2400", "", "at@0,109;;at@0,88;;at@0,67;;rgb@4.5,42.408;;rgb@6,65.6",
         "a=;;b=;;Q=;;0,255,255;;255,100,100",
         "hand: x −0.5..9.5 at 0.05, y −10..130 0.15, 0.3 and 0.45 down; py: 11.437069 e^(0.291216 "
         "· 4.5) in the curve slot; hand: the sixth datum's dot in the second-derivative slot"},
        {"464/2400", "", "%a=;;%b=;;%Q=;;rgb@0.2,12.123",
         "0,255,255;;0,255,255;;0,255,255;;!0,255,255",
         "hand: the read-outs; py: no curve left of the data's interval 0.5..8.5, where "
         "11.437069 e^(0.291216 · 0.2) would be"},
        {"464/2400", "回归方程:y=ae^(bx)*2", "Q=", "0.001918", "py: the title answers no press"},
        {"464/2400", "", "?回归方程:y=ae^(bx)", "", "hand"},
        {"464/2400", "y=ax^b|回归方程:y=ax^b", "a=", "11.690549", "py: ln y on ln x"},
        {"464/2400", "", "b=", "0.972069", "py"},
        {"464/2400", "y=a+blnx|回归方程:y=a+blnx", "a=", "-5.075947", "py: y on ln x"},
        {"464/2400", "", "Q=", "303.363519", "py"},
        {"464/2400", "y=ae^(b/x)|回归方程:y=ae^(b/x)", "b=", "-2.039272", "py: ln y on 1/x"},
        {"464/2400", "y=1/(a+blnx)|回归方程:y=1/(a+blnx)", "a=", "0.066596", "py: 1/y on ln x"},
        {"464/2400", "y=1/(a+bx)|回归方程:y=1/(a+bx)", "b=", "-0.007805", "py: 1/y on x"},
        {"464/2400", "y=a+bx|回归方程:y=a+bx", "a=", "-10.710714", "py: y on x"},
        {"464/2400", "", "Q=", "84.255908", "py"},
        {"464/2400", "", "rgb@4,45.465;;rgb@2,17.377;;bare@4.5,42.408",
         "0,255,255;;0,255,255;;8,20",
         "py: −10.710714 + 14.044048 x at 4 and 2; the exponential gone"},
        {"464/2400", "显示方程组", "?=2479.40", "", "py: Σxy"},
        {"464/2400", "", "?=204.00", "", "py: Σx²"},
        {"464/2400", "", "?=419.90;;?=36.00;;at@2.8333,83.333;;at@6.1667,36.667", ";;;;;;",
         "hand: Σy, Σx; the rows 2/3 and 1/3 up y −10..130, the columns a third apart across x "
         "−0.5..9.5"},
        {"464/2400", "", "%#3;;%#5", "0,255,255;;250,255,0",
         "hand: row 0's first A and its right side, past the axes' two empty labels"},
        {"464/2400", "取消", "!2479.40", "", "hand: nothing shown"},
        {"464/2400", "显示多项式系数", "b=", "14.044048", "py: the slope again"},
        {"464/2400", "外部输入", "b=", "14.044048", "hand: the typed data kept"},
        {"464/2400", "y=ae^(bx)", "a=", "11.437069", "py: the script's model again"},
        // √x sampled at 0.5, 1.5, …, 7.5: b the slope of ln √x on x, which
        // the scale of √x leaves alone.
        {"464/2400", "函数产生", "b=", "0.172052", "py: ln √x on x"},
        {"464", "取消", "!Q=", "", "hand: nothing shown"},
        {"464", "显示多项式系数", "Q=", "0.000216", "py: powers 0..3"},
        {"464", "外部输入|函数产生", "Q=", "0.000216", "hand: sin x sampled again"},
    });
}

// Page 313's x² + x − 2 from x0 = 0: Newton's first tangent from (0, −2)
// to (2, 0) and the drop from (2, f(2) = 4) to the axis, the script's n = 1
// the second from (2, 4) to (1.2, 0) and its drop; the secant's
// first chord and drops, from x1 = 0.275 to x2 = 1.568627 (the second
// chord from x3 = 0.855025), the marks in (255, 100, 100); x = φ(x) with
// φ = f leaves [0, 2] at once. Page 200's b = (4, −3) in the decimals
// chosen. Sources: hand.
PRESS_TABLE(NumericControlPresses, TheLinesAndLabelsOfPages200And313) {
    Run({
        {"313", "", "ink@1,-1", "-2,8", "hand: the tangent's middle"},
        {"313", "", "ink@1.9,-0.1", "-2,8", "hand: the tangent near its end on the axis"},
        {"313", "", "bare@0.5,-0.5", "-2,8", "hand: between the tangent and the curve"},
        {"313", "", "ink@2,2", "-2,8", "hand: the drop's middle"},
        {"313", "", "bare@2.3,2", "-2,8", "hand: right of the drop"},
        {"313", "", "bare@2.3,0.3", "-2,8", "hand: the tangent goes no further than the axis"},
        {"313", "", "ink@1.36,0.8", "-2,8",
         "hand: n = 1, the tangent at (2, 4), slope 5, 4/5 down"},
        {"313", "", "ink@1.24,0.2", "-2,8", "hand: near its end (1.2, 0) on the axis"},
        {"313", "", "bare@1.1,-0.5", "-2,8", "hand: where it would go on past the axis"},
        {"313", "", "ink@1.2,0.32", "-2,8", "hand: the drop from (1.2, f(1.2) = 0.64)"},
        {"313", "弦截法", "ink@0.9218,0.1899", "-2,8",
         "py: the chord (0.275, -1.6494) to (1.5686, 2.0292)"},
        {"313", "", "ink@0.275,-0.8247", "-2,8", "hand: the drop at x1 = 0.05 × 5.5, its middle"},
        {"313", "", "ink@1.5686,1.0146", "-2,8", "py: the drop at x2, its middle"},
        {"313", "", "bare@0.6,0.4", "-2,8", "py: above the chord's -0.7252 there"},
        {"313", "", "rgb@0.6,-0.7252", "250,255,0", "py: the chord, left of x3 = 0.8550"},
        {"313", "", "rgb@0.275,0", "255,100,100", "hand: the mark at (x1, 0)"},
        {"313", "", "rgb@1.5686,2.0292", "255,100,100", "py: the mark at (x2, f(x2))"},
        {"313", "显示数据|不动点|迭代出界", "?-2.000000;;x =_#1;;x =_#2;;x =_#4", ";;0;;1;;2",
         "hand: φ(0) = −2; rows x0, x1 and x1, x2"},
        {"313", "", "at@-1.95,10;;at@0.25,10;;at@-1.4,-0.14", "x =;;x =;;不动点",
         "hand: x −2.5..3 at 0.1 and 0.5, the first row at the top of y −3..10; the title 0.2 "
         "across, 0.22 up"},
        {"313", "", "?迭代出界", "", "hand: −2 is outside [0, 2]"},
        {"313", "^1.2,1", "rgb@1.2,0.32", "250,255,0", "hand: φ(1.2) = 0.64, its drop halfway"},
        {"313", "", "rgb@0.92,0.32", "!250,255,0", "hand: not from (0.64, 0) to (1.2, 0.64)"},
        {"313", "", "rgb@1.2,0.64;;rgb@1.2,0", "255,100,100;;255,100,100",
         "hand: the marks at (1.2, φ(1.2)) and at its foot (1.2, 0)"},
        {"313", "", "rgb@1.6,1.6;;rgb@2.5,2.5;;rgb@-1,-1", "250,255,0;;!250,255,0;;!250,255,0",
         "hand: y = x drawn over [a, b] = [0, 2] only"},
        {"200", "显示数据", "?-3.0000", "", "hand: b2, four decimals"},
        {"200", "显示小数点:", "?-3.0000", "", "hand: the label keeps them"},
        {"200", "2位", "?-3.00", "", "hand: two decimals"},
        {"200", "", "!-3.000", "", "hand: two decimals only"},
        {"200", "3位", "?=-3.000", "", "hand: three decimals"},
        {"200", "1位", "?=-3.0", "", "hand"},
        {"200", "5位", "?=-3.00000", "", "hand"},
        {"200", "6位", "?=-3.000000", "", "hand"},
        {"200", "4位", "?=-3.0000", "", "hand"},
        {"200", "不显示数据", "!不显示数据", "", "hand: the switch turns back"},
        {"200", "^-2,1|下一步|显示相关数据", "?关闭相关数据", "", "hand: the switch turns"},
        {"200", "关闭相关数据", "?显示相关数据", "", "hand: and back"},
    });
}

// Page 313's Newton steps on x² + x − 2 drawn one by one, n the steps
// after the first: from x0 = 0 the third tangent, from (1.2, 0.64) with
// slope 3.4 to 1.011765; from x0 = 2.6 the iterates 1.412903 (f = 1.409199)
// and 1.044563, each drop from (x_k, 0) to (x_k, f(x_k)) and each tangent
// from (x_k, f(x_k)) to the next x, in (250, 255, 0); the later steps lie
// within a few pixels of the root. A click gives 2.6 within a pixel, which
// moves these points by less than one. Sources: python3, x − f(x)/f'(x).
PRESS_TABLE(NumericControlPresses, TheNewtonStepsOfPage313) {
    Run({
        {"313", "", "n=", "1", "the script's n"},
        {"313", "n增加", "n=", "2", "hand: 1 + 1"},
        {"313", "", "rgb@1.1059,0.32", "250,255,0", "py: the tangent from (1.2, 0.64), halfway"},
        {"313", "", "rgb@1.2,0.32", "250,255,0", "hand: the drop at 1.2, halfway to 0.64"},
        {"313", "", "rgb@1.2,0.8", "!250,255,0", "hand: the drop ends at f(1.2)"},
        {"313", "^2.6,5|从头开始", "n=", "0", "hand: from the start"},
        {"313", "", "rgb@2.0065,3.68", "250,255,0", "py: the tangent from (2.6, 7.36), halfway"},
        {"313", "", "rgb@2.55,7.05", "250,255,0", "py: the tangent near its start, slope 6.2"},
        {"313", "", "rgb@2.7,7.98", "!250,255,0", "py: it starts at (2.6, 7.36)"},
        {"313", "", "rgb@1.3,-0.7", "!250,255,0", "py: it ends on the axis"},
        {"313", "", "rgb@1.4129,0.7046", "250,255,0", "py: the drop at x1, halfway to 1.4092"},
        {"313", "", "rgb@1.4129,2", "!250,255,0", "py: the drop ends at f(x1)"},
        {"313", "", "rgb@1.2287,0.7046", "!250,255,0", "py: n 0 draws one step"},
        {"313", "n增加", "n=", "1", "hand: 0 + 1"},
        {"313", "", "rgb@1.2287,0.7046", "250,255,0", "py: the tangent from (x1, f(x1)), halfway"},
        {"313", "n增加", "n=", "2", "hand: 1 + 1"},
        {"313", "n增加", "n=", "3", "hand: 2 + 1"},
        {"313", "", "rgb@1.2287,0.7046", "250,255,0", "py: the steps drawn stay"},
        {"313", "n减少*3", "n=", "0", "hand: 3 − 3"},
        {"313", "", "rgb@1.2287,0.7046", "!250,255,0", "py: the second tangent is gone"},
        // Page 312's x² − 2: bisection on [0, 2] (midpoints 1, 1.5, 1.25,
        // 1.375), Newton from the cursor 1 (1.5, 1.416667), the secant from
        // 1 and 1 + 0.05 · 3 (1.465116); python3. Each midpoint c drops
        // from (c, 0) to (c, f(c)) in (250, 255, 0) with dots in
        // (255, 100, 100) at both ends; the plot 210 pixels a unit across,
        // 50 up. Newton's first tangent runs from (1, −1) to (1.5, 0).
        {"312", "", "rgb@1,-0.5", "250,255,0", "hand: n 1, c = 1 dropped to f = −1, halfway"},
        {"312", "", "rgb@1,-1.4", "!250,255,0", "hand: the drop ends at f(1)"},
        {"312", "", "rgb@1,-1", "255,100,100", "hand: the dot at (1, f(1))"},
        {"312", "", "rgb@1.5,0.125", "250,255,0", "hand: c = 1.5 dropped to f = 0.25"},
        {"312", "", "rgb@1.25,-0.2188", "!250,255,0", "hand: no third midpoint at n 1"},
        {"312", "n增加", "rgb@1.25,-0.2188", "250,255,0", "hand: c = 1.25, f = −0.4375, halfway"},
        {"312", "", "rgb@1.25,-0.4375", "255,100,100", "hand: its dot at f(1.25)"},
        {"312", "", "rgb@1.25,0.4375", "!255,100,100", "hand: not mirrored above the axis"},
        {"312", "从头开始", "rgb@1.5,0.125", "!250,255,0", "hand: n 0, c = 1 alone"},
        {"312", "", "rgb@1,-0.5;;rgb@1,0;;rgb@1,-1", "250,255,0;;255,100,100;;255,100,100",
         "hand: c = 1 stays, marked on the axis and at f(1) = −1"},
        {"312", "^1,1|牛顿法", "rgb@1.125,-0.75", "250,255,0", "hand: the tangent, a quarter on"},
        {"312", "", "rgb@1.125,-0.25", "!250,255,0", "hand: not from (1, 0) to (1.5, −1)"},
        {"312", "", "rgb@1.5,0.125", "250,255,0", "hand: the drop at x1 = 1.5"},
        {"312", "", "rgb@1.5,0.25", "255,100,100", "hand: its dot at f(x1)"},
        {"312", "", "rgb@1,-0.5", "!250,255,0", "hand: the midpoints' drops gone"},
        {"312", "open|n增加*3", "n=", "4", "hand: 1 + 3"},
        {"312", "n减少", "n=", "3", "hand: 4 − 1"},
        {"312", "ε增加", "ε=", "0.000200", "hand: the script's 0.0001 × 2"},
        {"312", "", "at@1.3,-2.2;;%ε=;;at@-0.5,-2.2;;%n=;;at@0.1,-1.24",
         "ε=;;0,255,125;;n=;;0,255,255;;二分法",
         "hand: x −0.5..2.5, y −3..5: ε 0.6 across, 0.9 down, in palette 6; n at the left, "
         "0.1 up, in the curve slot; the title 0.2 across, 0.22 up"},
        {"312", "ε减少*3", "ε=", "0.000025", "hand: 0.0002 × 0.5³"},
        {"312", "显示数据", "f(#4;;n=#2;;n=#5", "1.375000;;0;;3",
         "py: the fourth midpoint; rows n = 0..3 after the read-out's n"},
        {"312", "", ")=#4", "-0.109375", "py: f(1.375)"},
        {"312", "", "at@-0.05,5;;at@0.7,4.2;;at@-0.35,3.4;;%f(;;%n=#2",
         "f(;;)=;;n=;;0,255,125;;0,255,125",
         "hand: rows a tenth of y −3..5 apart from the top; f( at 0.15, )= at 0.4, n at 0.05 of "
         "x −0.5..2.5; the rows in palette 6"},
        {"312", "从头开始", "f(#1", "1.000000", "hand: n 0, one step"},
        {"312", "", "!1.500000", "", "hand: no second midpoint"},
        {"312", "不显示数据", "!f(", "", "hand: the table hidden"},
        {"312", "^1,1|牛顿法|显示数据|n增加",
         "?=1.416667;;f        =#2;;f        =_#1;;f        =_#2", ";;0.006944;;1.500000;;1.416667",
         "py: the second Newton step, f(17/12) = 1/144"},
        {"312", "", "at@0.1,4.2;;%f        =;;%n=#3", "f        =;;0,255,255;;0,255,255",
         "hand: the second row 0.2 across, a tenth down; Newton's rows in the curve slot"},
        {"312", "按重根", "?牛顿迭代法按重根", "", "hand"},
        {"312", "按单根", "?牛顿迭代法按单根", "", "hand"},
        {"312", "弦截法", "f(#1", "1.465116", "py: 1.15 − 0.15 f(1.15)/(f(1.15) − f(1))"},
        {"312", "不动点", "?迭代出界", "", "hand: φ(1) = −1 leaves [0, 2]"},
        {"312", "迭代出界", "?迭代出界", "", "hand: the message answers no press"},
        {"312", "斯蒂芬森", "?迭代出界", "", "hand: φ(1) = −1 leaves [0, 2]"},
        {"312", "二分法", "f(#1", "1.000000", "hand: the midpoint of [0, 2]"},
        {"313", "ε增加", "ε=", "0.000200", "hand: the script's 0.0001 × 2"},
        {"313", "ε减少*2", "ε=", "0.000050", "hand: 0.0002 × 0.5²"},
        {"313", "显示数据|二分法", "f(#1", "1.000000", "hand: the midpoint of [0, 2]"},
        {"313", "", ")=#1", "0.000000", "hand: the root 1 at once"},
        {"313", "不显示数据", "!f(", "", "hand: the table hidden"},
        {"313", "牛顿法|按重根", "?牛顿迭代法按重根", "", "hand"},
        {"313", "按单根", "?牛顿迭代法按单根", "", "hand"},
        {"313", "斯蒂芬森", "?迭代出界", "", "hand: φ(0) = −2 leaves [0, 2]"},
    });
}

// Page 465's arctan x through the nodes −5, −4, .., 5: Lagrange's
// polynomial at 4.5 and 4.7, far under arctan there; the chords of the
// linear interpolation, (0, 0) to (1, π/4) at 0.5; the page's first figure,
// √x on [0, 4] fitted by Legendre's P0..P2, the coefficients by the exact
// integrals of u^(k + 1/2), and its basis P1, P2 of t = (x − 2)/2 in the
// palette's (255, 255, 0) and (0, 0, 255); with the nodes 1 apart, the
// linear hats, hat i in the palette's colour i. Sources: python3, hand.
PRESS_TABLE(NumericControlPresses, TheInterpolantsOfPage465) {
    Run({
        {"465/3000", "", "ink@4.5,1.1839", "-2,1.8", "py: L(4.5), arctan 4.5 = 1.3521"},
        {"465/3000", "", "ink@4.7,1.1588", "-2,1.8", "py: L(4.7)"},
        {"465/3000", "", "ink@4.5,1.3521", "-2,1.8", "py: arctan 4.5"},
        {"465/3000", "", "bare@4.5,0.9", "-2,1.8", "hand: under both"},
        {"465/3000", "", "rgb@4.5,1.1839;;rgb@4.5,1.3521;;rgb@3,1.249;;%n=",
         "0,255,255;;250,255,0;;255,100,100;;0,255,255",
         "py: L(4.5), arctan 4.5, the node at 3; n"},
        {"465/3000", "显示Li", "rgb@-4,1", "255,255,0",
         "hand: L1 is 1 at the node −4, in its palette colour as hat 1 is"},
        {"465/4200", "@3,-1.5|n减少*6", "n=", "4", "hand: 10 − 6"},
        {"465/4200", "", "rgb@1.25,0.5952", "250,255,0", "py: the chord to (2.5, arctan 2.5)"},
        {"465/4200", "", "rgb@-1.25,-0.5952", "250,255,0", "py: its mirror"},
        {"465/4200", "", "rgb@1.25,0.8961", "!250,255,0", "py: arctan 1.25, no chord"},
        {"465/4200", "", "rgb@1.25,0.8961;;%n=", "0,255,255;;0,255,255",
         "py: arctan 1.25 in the curve slot here; n"},
        {"465", "", "rgb@3.98,1.9405", "250,255,0",
         "py: the fit 4/3 + 0.8t − 0.1905 P2(t), t = (x − 2)/2"},
        {"465", "", "rgb@4.3,1.9707;;rgb@1,1;;rgb@2.5,1.5811", "!250,255,0;;0,255,255;;0,255,255",
         "py: the fit ends at b = 4; √x itself over [a, b] = [0, 4] in the curve slot: at 1 "
         "(the fit 0.9571 there) and 2.5 (√2.5, the fit 1.6107)"},
        {"465", "显示特殊函数", "rgb@1,-0.125", "0,0,255", "py: P2(t) at t = −0.5"},
        {"465", "", "rgb@2,0.3", "!0,0,255", "hand: between P2's foot −0.5 and its ends 1"},
        {"465/4200", "@3,-1.5|显示Ii", "rgb@2.75,0.75", "150,0,0",
         "hand: hat 8 rises (2, 0)-(3, 1)"},
        {"465/4200", "", "rgb@3.25,0.75", "150,0,0", "hand: and falls (3, 1)-(4, 0)"},
        {"465/4200", "", "rgb@-4.25,0.25", "250,0,0", "hand: hat 0 falls (−5, 1)-(−4, 0)"},
        {"465/4200", "", "rgb@-3.5,0.25", "!250,0,0", "hand: and ends at −4"},
        {"465/4200", "", "rgb@4.75,0.75", "0,0,125", "hand: the last hat, 10, rises (4, 0)-(5, 1)"},
        {"465/4200", "", "rgb@4.75,0.75", "!125,125,0", "hand: hat 9 is at 0.25 there"},
        {"465/4200", "", "rgb@4.25,0.75", "125,125,0", "hand: hat 9 falls (4, 1)-(5, 0)"},
        {"465/4200", "", "rgb@-4.75,0.25", "255,255,0", "hand: hat 1 rises (−5, 0)-(−4, 1)"},
        {"465/4200", "显示插值#2|^0.5,0",
         "rgb@0.5,0.3927;;f(0.50)=;;%f(0.50)=;;at@-5.38,1.54;;at@1.7,1.76;;at@-0.7,-1.76",
         "!250,255,0;;0.3927;;0,255,255;;f(0.50)=;;n=;;在x轴上选一点",
         "hand: the dot at (0.5, π/8) on the chord (0, 0)-(1, π/4), filled in the curve slot "
         "over the chord; its value π/8 there too, written at (0.01, 0.85) of the ranges, n at "
         "(0.6, 0.9), the prompt at (0.4, 0.1)"},
        // Legendre's P0..P4 on [−1, 1]: all of them, then P4 alone.
        {"465/3000", "显示全部", "rgb@0.5,1", "250,0,0", "hand: P0 = 1"},
        {"465/3000", "单个显示", "rgb@0.5,1", "!250,0,0", "hand: P0 gone"},
        {"465/3000", "", "rgb@0.5,-0.2891", "25,250,0", "py: P4(0.5) = −37/128"},
        {"465/3000", "n增加", "rgb@0.5,0.0898", "255,255,0", "py: P5(0.5) = 23/256"},
        {"465/3000", "n减少", "rgb@0.5,-0.2891", "25,250,0", "py: P4 again"},
        {"465/3000", "切比雪夫1", "rgb@0.5,-0.5", "25,250,0", "hand: T4(0.5) = 0.5 − 2 + 1"},
        {"465/3000", "切比雪夫1#2", "rgb@0.5,-0.5", "25,250,0", "hand: the title answers no press"},
        {"465/3000", "切比雪夫2", "rgb@0.5,-1", "25,250,0", "hand: U4(0.5) = 1 − 3 + 1"},
        {"465/3000", "切比雪夫2#2", "rgb@0.5,-1", "25,250,0", "hand: the title answers no press"},
        {"465/3000", "", "rgb@0.5,-0.5", "!25,250,0", "hand: T4 gone"},
        {"465/3000", "勒让德", "rgb@0.5,-0.2891", "25,250,0", "py: P4 again"},
        {"465/3000", "勒让德#2", "rgb@0.5,-0.2891", "25,250,0", "hand: the title answers no press"},
        // The first figure's √x on [0, 4], its mean errors (python3,
        // Simpson over u = √(2 + 2t)) in each basis.
        {"465", "显示逼近系数", "平均误差:;;at@1.1,-0.28", "0.001633;;平均误差:",
         "py: Legendre, n 2; hand: written 0.3 across x −0.4..4.6, 0.1 up y −0.6..2.6"},
        {"465", "", "%a =;;%b =;;a =_#1;;a =_#3;;b =_#2", "0,255,255;;0,255,255;;0;;2;;1",
         "hand: the coefficients, a0..a2 and b0..b2"},
        {"465", "n增加", "平均误差:", "0.000504", "py: n 3"},
        {"465", "n减少", "平均误差:", "0.001633", "py: n 2"},
        {"465", "切比雪夫1|切比雪夫1逼近", "平均误差:", "0.006594",
         "py: the title answers no press"},
        {"465", "切比雪夫2|切比雪夫2逼近", "平均误差:", "0.000589", "py"},
        {"465", "勒让德|勒让德逼近", "平均误差:", "0.001633", "py"},
        {"465", "一般多项式|连续次幂逼近", "平均误差:", "0.001633",
         "py: the same space of quadratics"},
        {"465", "偶次幂", "平均误差:", "0.016529", "py: 1, x², x⁴ on [0, 1]"},
        {"465", "奇次幂", "平均误差:", "0.011834", "py: x, x³, x⁵ on [0, 1]"},
        {"465", "标[-1,1]", "平均误差:", "1.785432", "py: on [−1, 1]"},
        {"465", "偶次幂", "平均误差:", "0.214666", "py"},
        {"465", "连续次幂|标[0,1]", "平均误差:", "0.001633", "py: the quadratics again"},
        {"465", "取消", "!平均误差", "", "hand"},
        // Newton's table of x³ on the nodes 0..3: row r at −4 + (4 − r) · 34/5,
        // column c at −0.5 + c · 5/5; the last row, node 3, at 2.8.
        {"465/5600", "显示均差", "at@-0.5,2.8;;at@3.5,2.8;;at@-0.5,23.2", ";;;;",
         "hand: the last row's node and its coefficient f[x0..x3] = 1, the first row's node"},
        {"465/5600", "显示插值#3", "at@-0.25,23.2;;at@-0.25,2.8;;at@2.5,30;;rgb@-0.3,-0.027",
         ";;;;n=;;0,255,255",
         "hand: the partial sums N0..N3 at −0.5 + 0.05 · 5 across, the rows' heights; n at 0.6 "
         "of the x span, at the top; the Newton cubic over the whole x range, (−0.3)³ left of "
         "the nodes, over x³ drawn first"},
    });
}

// Sources: python3, page 367: x² on [0, 1], ε 0.1: the trapezoid sums 1/2,
// 3/8, 11/32 and every extrapolation 1/3, three rows, four decimals; the finest grid's
// four strips list f at 0, 0.25, …, 1.
PRESS_TABLE(NumericControlPresses, TheRombergTableOfPage367) {
    Run({
        {"367", "", "?0.5000;;rgb@0.7,0.245;;at@0.64,-0.06;;rgb@0.84,0.6",
         ";;0,255,255;;Romberg积分;;0,255,255",
         "py: one strip, four decimals; the hatch at 0.7 = 50 · 0.014, halfway to 0.49; "
         "the title at −0.2 + 0.6 · 1.4, −0.2 + 0.1 · 1.4; the hatch at 0.84 = 60 · 0.014 "
         "up past 0.6 to 0.7056, the curve 0.06 of x off"},
        {"367", "", "?0.3750;;rgb@0.714,0.2549;;rgb@0.7,0.02", ";;0,255,255;;0,255,255",
         "py: two strips, 3/8; the hatch at 0.714 = 51 · 0.014, halfway to 0.714² = 0.5098, "
         "and at 0.7 down to the axis"},
        {"367", "",
         "at@-0.2,0.85;;at@0.15,0.5;;at@0.5,0.5;;at@0.64,1.2;;%ε=", ";;;;;;ε=;;250,255,0",
         "hand: cell (r, c) at c/4 across x −0.2..1.4, r/4 down y −0.2..1.2 (four at the least); "
         "ε 0.6 across at the top, in the first derivative's slot"},
        {"367", "", "?0.3333", "", "py: the extrapolations, 1/3"},
        {"367", "", "!0.3379", "", "py: no row of eight strips, 0.337890625"},
        {"367", "显示数据", "f    =#2;;at@-0.2,1.2;;%f    =", "0.062500;;f    =;;0,255,255",
         "py: f(0.25); hand: f(0) first, top left; the list in the curve slot"},
        {"367", "", "f    =#4", "0.562500", "py: f(0.75)"},
        {"367", "", "f    =#5", "1.000000", "py: f(1), the last"},
        {"367", "不显示数据", "?=0.3333", "", "hand: the table again"},
        {"367", "3位", "?=0.344", "", "hand: 11/32 = 0.34375"},
        {"367", "1位", "?=0.3", "", "hand: 1/3"},
        {"367", "2位", "?=0.33", "", "hand"},
        {"367", "5位", "?=0.34375", "", "hand"},
        {"367", "6位", "?=0.333333", "", "hand"},
        {"367", "4位", "?=0.3750", "", "hand: 3/8"},
        {"367", "ε增加*2", "ε=", "2.500000", "hand: 0.1 × 5²"},
        {"367", "ε减少*3", "ε=", "0.020000", "hand: 2.5 × 0.2³"},
        {"367", "", "!0.3379", "", "hand: x² needs three rows at any ε"},
    });
}

} // namespace
