// Pages whose own data hide a swap, pressed on scripts of the test's own
// through the same commands: the mean value figure on an interval where
// sin a ≠ sin b, the square-root factorisations on a matrix and a right
// side without a pattern, and the power method's Aitken and polyline views
// on an unsymmetric matrix, the space secant of a curve whose two
// functions differ, the tangent plane away from the saddle point, and the
// names at an interval's ends and at a tangent's left end.
#include "press_table.h"

namespace {

// Sources: python3 (mpmath). sin x on [0.5, 5.5], the slope s of the
// chord −0.236993: ξ with cos ξ = s at 1.8101 and 4.4731 (those of −s,
// 1.3315 and 4.9517, bare); the ordinate halfway up in (250, 255, 0), the
// tangent piece 0.75 either way, the chord in (255, 100, 100) (the chord
// with F(a) and F(b) swapped bare). The interval arrows move a or b by a
// tenth of b − a a press: a 1.855 after three, then b 4.512205, a
// 0.975465, b 5.682866.
PRESS_TABLE(AsymmetricScriptPresses, TheMeanValueFigureOnAnUnevenInterval) {
    RunScript("700MeanDifferential(0.3,3,40,11,3,-1,0,-0.5,7,-2.5,2.5,0.5,5.5)\n",
              {
                  {"329", "拉氏", "rgb@1.75,0.1832", "255,100,100", "py: the chord at a + 1.25"},
                  {"329", "", "rgb@1.75,-0.4093", "!255,100,100", "py: the swapped chord there"},
                  {"329", "", "rgb@1.8101,0.4858", "250,255,0", "py: ξ1's ordinate halfway"},
                  {"329", "", "rgb@4.4731,-0.4858", "250,255,0", "py: ξ2's ordinate halfway"},
                  {"329", "", "ξ#2", "2", "hand: the second point left to right is ξ2"},
                  {"329", "", "rgb@5.3,-0.6581;;rgb@5.8,-0.7766;;%ξ;;rgb@1.8101,0.9715",
                   "255,100,100;;!255,100,100;;255,255,0;;!0,150,255",
                   "py: the chord stops at b; ξ1 and its dot on F"},
                  {"329", "", "rgb@1.3315,0.4858", "!250,255,0", "py: none where cos ξ = −s"},
                  {"329", "", "rgb@4.9517,-0.4858", "!250,255,0", "py: nor at the other"},
                  {"329", "", "rgb@2.4101,0.8293", "250,255,0", "py: ξ1's tangent, 0.6 on"},
                  {"329", "", "rgb@2.4101,1.1137", "!250,255,0", "py: not of slope −s"},
                  {"329", "→#3*3", "rgb@2.7662,0.5435", "255,100,100",
                   "py: a 1.855, the chord at a + (b − a)/4"},
                  {"329", "", "rgb@2.7662,-0.2892", "!255,100,100", "py: the swapped chord"},
                  {"329", "", "rgb@2.0453,0.4448", "250,255,0", "py: ξ1 = arccos s, s −0.456907"},
                  {"329", "", "rgb@4.2379,-0.4448", "250,255,0", "py: ξ2"},
                  {"329", "", "rgb@5.1869,-0.4444", "!250,255,0", "py: none where cos ξ = −s"},
                  {"329", "", "rgb@2.6453,0.6154", "250,255,0", "py: ξ1's tangent, 0.6 on"},
                  {"329", "←#4*3", "rgb@2.5193,0.4749", "255,100,100",
                   "py: b 4.512205, the chord at a + (b − a)/4"},
                  {"329", "", "rgb@2.5193,-0.4951", "!255,100,100", "py: the swapped chord"},
                  {"329", "", "rgb@2.3892,0.3417", "250,255,0", "py: ξ1, s −0.730059"},
                  {"329", "", "rgb@3.894,-0.3417", "250,255,0", "py: ξ2"},
                  {"329", "", "rgb@2.9892,0.2453", "250,255,0", "py: ξ1's tangent, 0.6 on"},
                  {"329", "←#3*3", "rgb@1.8597,0.376", "255,100,100",
                   "py: a 0.975465, the chord at a + (b − a)/4"},
                  {"329", "", "rgb@2.1074,0.4297", "250,255,0", "py: ξ1, s −0.511203"},
                  {"329", "", "rgb@4.1758,-0.4297", "250,255,0", "py: ξ2"},
                  {"329", "", "rgb@2.3892,0.3417", "!250,255,0", "py: the last ξ1 gone"},
                  {"329", "→#4*3", "rgb@2.1523,0.4797", "255,100,100",
                   "py: b 5.682866, the chord at a + (b − a)/4"},
                  {"329", "", "rgb@2.1523,-0.2167", "!255,100,100", "py: the swapped chord"},
                  {"329", "", "rgb@1.8712,0.4776", "250,255,0", "py: ξ1, s −0.295889"},
                  {"329", "", "rgb@4.412,-0.4776", "250,255,0", "py: ξ2"},
                  {"329", "", "rgb@1.2704,0.4776", "!250,255,0", "py: none where cos ξ = −s"},
                  {"329", "", "rgb@2.4712,0.7777", "250,255,0", "py: ξ1's tangent, 0.6 on"},
                  {"329", "罗尔", "rgb@1.5708,0.5", "250,255,0",
                   "hand: the level tangents at π/2 and 3π/2, both in [a, b]"},
                  {"329", "", "rgb@1.8712,0.4776", "!250,255,0", "hand: Lagrange's ξ1 gone"},
                  {"329", "→#3*3|罗尔", "rgb@4.7124,-0.5", "250,255,0",
                   "py: a 2.251171, π/2 left of [a, b], 3π/2 in it"},
                  {"329", "", "rgb@1.5708,0.5", "!250,255,0", "py: π/2 before a"},
              });
}

// Source: hand. The interval [1, 4] over x from −1 to 6: b's name at
// (b, 0), a's a twentieth of the span (0.35) left of a.
PRESS_TABLE(AsymmetricScriptPresses, TheIntervalsEndNames) {
    RunScript("701Region(0.3,3,40,3,0,-1,0,-1,6,-1,1,1,4,1,1,1)\na\nb\n",
              {
                  {"329", "", "at@4,0;;at@0.65,0", "b;;a", "hand: each name at its own end"},
              });
}

// Source: hand. The level tangent of 0.5x² − 1 at 0 runs along y = −1 to
// the plot's sides less 0.002 of the span: P at its left end.
PRESS_TABLE(AsymmetricScriptPresses, TheTangentsLeftEndName) {
    RunScript("700DATA1(0,0.5,0,-1,0,0,0,)\n700Curve(0.4,3,34,10,39,-1,0,-3,3,-1.5,3.5,-3,3)\n"
              "700tangentline2(0,0,0,1,255,120,0)\n",
              {
                  {"308", "", "at@-2.988,-1", "P", "hand: x min + 0.012"},
              });
}

// Sources: python3 (mpmath). A = [4 2 −2; 2 10 1; −2 1 9], b = (2, −3, 5):
// Cholesky's L = [2; 1 3; −1 0.6667 2.7487], Ly = b gives y = (1, −1.3333,
// 2.5062) and x = (1.2794, −0.6471, 0.9118); b reversed would give x =
// (2.0184, −0.7794, 0.7574). L·D·Lᵀ: unit L with 0.5, −0.5, 0.2222, D =
// (4, 9, 7.5556), Lz = b with z = (2, −4, 6.8889), as Doolittle's U and y.
PRESS_TABLE(AsymmetricScriptPresses, TheSquareRootFactorsOfAnUnpatternedSystem) {
    RunScript("700DATAs(0,4,2,-2,2,10,1,-2,1,9)\n700DATA2(0,2,-3,5)\n700LU(0.4,5,38,10,3,1,1)\n",
              {
                  {"203", "", "?平方根", "", "hand: the script's method"},
                  {"203", "下一步*3", "?3.0000", "", "hand: l22 = √(10 − 1²)"},
                  {"203", "", "?-1.0000", "", "hand: l31 = −2 / 2"},
                  {"203", "", "!2.7487", "", "hand: l33 not yet"},
                  {"203", "下一步*3", "?2.7487", "", "py: l33 = √(9 − 1 − 4/9)"},
                  {"203", "", "?0.6667", "", "hand: l32 = (1 + 1) / 3"},
                  {"203", "下一步*3", "?-1.3333", "", "py: y2 = (−3 − 1) / 3"},
                  {"203", "", "?2.5062", "", "py: y3"},
                  {"203", "", "?1.2794", "", "py: x1"},
                  {"203", "", "?-0.6471", "", "py: x2"},
                  {"203", "", "?0.9118", "", "py: x3"},
                  {"203", "", "!2.0184", "", "py: not the x of b reversed"},
                  {"203", "改 进|下一步*14", "?改进平方根", "", "hand"},
                  {"203", "", "?7.5556", "", "py: d3 = 68/9"},
                  {"203", "", "?0.2222", "", "py: l32 = 2/9"},
                  {"203", "", "?6.8889", "", "py: z3 = 62/9"},
                  {"203", "", "?-4.0000", "", "py: z2 = −3 − 0.5 · 2"},
                  {"203", "", "?-0.6471", "", "py: the same x"},
                  {"203", "", "!2.7487", "", "hand: no square root"},
                  {"203", "LU分解|下一步*14", "?LU分解法", "", "hand"},
                  {"203", "", "?7.5556", "", "py: u33"},
                  {"203", "", "?-0.5000", "", "py: l31 = −2/4"},
                  {"203", "", "?0.9118", "", "py: x3"},
                  {"203", "追赶法|下一步", "?不满足三对角矩阵", "", "hand: a13 = −2 ≠ 0"},
              });
}

// Sources: python3 (mpmath), A = [4 1 0; 2 3 1; 0 1 2] from b = (1, 2, 3)
// scaled by its largest entry: the power method's estimates c_k = 2.6667,
// 4.8182, 4.8302, 4.9258, 5.0032, 5.0521, 5.0805, 5.0962, 5.1048 and
// Aitken's λ_k = a − (b − a)²/(c − 2b + a) over the last three (0 before
// two); the inverse method's c_k of A⁻¹ 0.5, 0.6458, 0.7601, 0.8248, 0.8552,
// 0.8684, 0.8739 and λ_k = 1/Aitken. The polyline view joins (−1.2 + 0.8i,
// v_i) of each iterate v = (0.5455, 1, 0.7273), …, (0.8152, 1, 0.3727).
// The shifted inverse method: λ_k = 1/c_k + P, c_k of (A − PI)⁻¹: 1.8033,
// 1.3494, 1.1984 for P = 0.5, 1.5970, 1.2221, 1.1529 for P = 0.8.
PRESS_TABLE(AsymmetricScriptPresses, ThePowerMethodsAitkenAndPolylineViews) {
    RunScript("700DATAs(0,4,1,0,2,3,1,0,1,2)\n700DATA2(0,1,2,3)\n"
              "700PowerMethod(0.4,5,38,11.4,3,0,0,1,0.5,0.001)\n",
              {
                  {"204", "埃特肯|下一步*5", "?幂埃特肯", "", "hand"},
                  {"204", "", "λ=#2;;at@0.864,1.2", "13.8039;;i",
                   "py: Aitken over 0, 2.6667, 4.8182; the step head at −1.2 + 4.3 · 2.4/5"},
                  {"204", "", "λ=#3", "4.8303", "py: over c1, c2, c3"},
                  {"204", "", "λ=#6", "5.1366", "py: over c4, c5, c6"},
                  {"204", "", "λ =#1;;λ =_#1;;λ =_#3", "4.9258;;4;;6",
                   "py: c4; hand: k − 1, k + 1 of k 5"},
                  {"204", "", "at@-1.2,-0.72;;at@-0.48,-0.72;;at@0.24,-0.72", "λ =;;λ =;;λ =",
                   "hand: the three at 0, 0.3 and 0.6 of the x span 2.4, 0.2 of the y span up"},
                  {"204", "", "λ =#2", "5.0032", "py: c5"},
                  {"204", "", "λ =#3", "5.0521", "py: c6"},
                  {"204", "显示相关数据", "x;;x#2;;?=4.4066;;?=1.6977", "5;;4;;;;",
                   "hand: u of k 5 = A v5, v5 = (0.8516, 1, 0.3489), beside v of k 4"},
                  {"204", "关闭相关数据|下一步*3", "λ =#3;;λ =_#3", "5.1048;;9", "py: c9"},
                  {"204", "", "λ=#4", "5.1193", "py: the seventh row, stride 2"},
                  {"204", "上一步*3", "λ =#1", "4.9258", "py: c4 again"},
                  {"204", "反幂法|埃特肯", "?反幂埃特肯", "", "hand"},
                  {"204", "下一步", "λ=#3", "0.8523", "py: 1/Aitken over 0.5, 0.6458, 0.7601"},
                  {"204", "", "λ=#6", "1.1384", "py: 1/Aitken over c4, c5, c6"},
                  {"204", "", "λ =#1", "0.8552", "py: c5 of A⁻¹"},
                  {"204", "", "λ =#3;;λ =_#2", "0.8739;;6", "py: c7 of A⁻¹; hand: k 6"},
                  {"204", "显示相关数据", "x;;y;;x#2;;%=0.4000;;%=2.5000",
                   "6;;6;;5;;250,255,0;;0,255,255",
                   "hand: u, y of k 6, v of k 5; A = LU's l32 = 1/2.5 lit, u22 = 3 − 1/2 not"},
                  {"204", "关闭相关数据|幂  法|开  始|下一步*4|折线表示", "ink@-0.8,0.7727",
                   "0.8,-0.8", "py: the first iterate, (0.5455 + 1)/2"},
                  {"204", "", "ink@0,0.6864", "0.8,-0.8", "py: the fourth, (1 + 0.3727)/2"},
                  {"204", "", "ink@0,0.8636", "0.8,-0.8", "py: the first, (1 + 0.7273)/2"},
                  {"204", "", "bare@0,0.5", "0.8,-0.8", "py: below every polyline"},
                  {"204", "", "bare@-0.8,0.6", "0.8,-0.8", "py: below every polyline"},
                  {"204", "数值表示", "λ=#4", "4.9258", "py: c4 as a number again"},
                  {"204", "反幂法|平移法", "?反幂平移法", "", "hand"},
                  {"204", "", "λ=#1", "1.8033", "py: P 0.5, 1/c1 + P of (A − PI)⁻¹"},
                  {"204", "P增加*3", "P=", "0.8000", "hand: 0.5 + 3 · 0.1"},
                  {"204", "", "at@0,-0.96;;at@-0.72,-0.96;;at@-1.2,-0.96",
                   "P=;;ε=;;n=", "hand: −1.2..1.2 both ways, at 0.5, 0.2 and 0 across, 0.1 up"},
                  {"204", "", "at@0.24,0.96;;at@-0.72,1.2", "λ=;; x",
                   "hand: the first row's λ in the fourth of five columns, 0.1 down; x2's head "
                   "at the top"},
                  {"204", "", "λ=#1", "1.5970", "py: P 0.8"},
                  {"204", "", "λ=#3", "1.1529", "py: P 0.8"},
                  {"204", "P减少*3", "λ=#2", "1.3494", "py: P 0.5 again"},
                  {"204", "ε增加*3", "ε=", "0.001953", "hand: 0.001 · 1.25³"},
                  {"204", "ε减少*3", "ε=", "0.001000", "hand: · 0.8³"},
              });
    // The page's own A = 1/(i + j + 2), p 0.04, ε 1e-6, opened at step 1:
    // its eigenvalues 0.875115, 0.040905, 0.000647, b = 1/(i + 101); the
    // iterates by mpmath, each row that ε lets through; a12 = 1/3, a33
    // = 1/6 to two, three and four digits or decimals; python3.
    Run({
        {"204", "", "#2", "0.3333", "hand: 1/3"},
        {"204", "3位#2", "#2", "0.333", "hand"},
        {"204", "1位", "#9", "0.2", "hand: 1/6"},
        {"204", "5位", "#9", "0.16667", "hand"},
        {"204", "2位#2", "#2", "0.33", "hand"},
        {"204", "4位#2|2 位", "#9", "0.1700", "py: 1/6 to two digits"},
        {"204", "3 位", "#9", "0.1670", "py"},
        {"204", "5位|4 位", "#9", "0.16670", "py"},
        {"204", "5 位", "#9", "0.16667", "py"},
        {"204", "6位|6 位", "#9", "0.166667", "py"},
        {"204", "2 位|精确#2", "#9", "0.166667", "hand: 1/6 again"},
        {"204", "4位#2|2位", "#9", "0.1700", "py: 1/6 kept to 0.17"},
        {"204", "3位", "#9", "0.1670", "py"},
        {"204", "5位|4位", "#9", "0.16670", "py"},
        {"204", "精确", "#9", "0.16667", "hand: 1/6 again"},
        {"204", "4位#2|开  始", "!λ=", "", "hand: step 0, A alone"},
        {"204", "下一步*5", "?=0.8751", "", "py: the largest eigenvalue 0.875115"},
        {"204", "上一步*4", "!λ=;; x#1;; x#3", ";;1;;3", "hand: step 1, the start vector"},
        {"204", "下一步*2", "#4;;#8;;#12;; x#1;; x#3", "1;;2;;3;;1;;3",
         "hand: step 3, rows numbered k + 1 under x1..x3"},
        {"204", "上一步*2", "!λ=;;at@-1.2,-0.48;;at@-0.72,-0.48", ";; x;; x",
         "hand: step 1 again, x1 and x2 at 0 and 2.4/5 across −1.2..1.2, 0.3 of it up"},
        {"204", "6位|反幂法|下一步*4", "λ=#3", "0.000646", "py: ε 1e-6 stops the fourth"},
        {"204", "", "λ=#1", "0.092100", "py: 1/u_m of A⁻¹v, v = b/b1 = 101/(i + 101)"},
        {"204", "平移法", "λ=#2", "0.040905", "py: the one nearest p 0.04, 0.04090498"},
        {"204", "幂  法|平移法", "λ=#4", "0.875116", "py: 0.04 + u_m of (A − 0.04I)v"},
        {"204", "折线表示", "!λ=", "", "hand: the polylines instead of the numbers"},
        {"204", "数值表示", "λ=#4", "0.875116", "hand: the numbers again"},
        {"204", "精度", "λ=#4", "0.875116", "hand: the caption answers no press"},
        {"204", "幂平移法", "λ=#4", "0.875116", "hand: the title answers no press"},
        {"204", "反幂法|反幂法#2", "λ=#1", "0.092100", "py: the inverse again, its title"},
        {"204", "幂  法|幂  法#2", "λ=#1", "1.075211", "py: u_m of Av"},
        {"204", "埃特肯|幂埃特肯", "λ=#2", "0.912191", "py: over 0, 1.075211, 0.883057"},
        {"204", "显示相关数据", "?关闭相关数据", "", "hand: the switch turns"},
        {"204", "关闭相关数据", "?显示相关数据", "", "hand: and back"},
        // Jacobi's method below: the first rotation of a12 = 1/3, tan 2θ =
        // (2/3)/(1/2 − 1/4), cos θ = 0.821926, sin θ = 0.569595 (python3).
        // Once it is clicked the power method above is not drawn again, so
        // its buttons are the only ones so labelled. A's entry (i, k) is
        // written from (−1.2 + 0.6k, 1.2 − 2.4i/7); (0.156, −0.05) on from
        // there lies the bar of the first 3 of 1/3.
        {"204/2400", "6位#2", "?=0.821926", "", "py: cos θ"},
        {"204/2400", "", "?=-0.569595;;at@0.48,-0.96",
         ";;ε=", "py: −sin θ; ε= at −1.2 + 0.7 · 2.4, −1.2 + 0.1 · 2.4"},
        {"204/2400", "1位", "?=0.8", "", "hand"},
        {"204/2400", "3位#2", "?=0.822", "", "hand"},
        {"204/2400", "2位#2", "?=0.82", "", "hand"},
        {"204/2400", "5位", "?=0.82193", "", "hand"},
        {"204/2400", "6位|2位", "?=0.330000", "", "hand: A kept to 0.33"},
        {"204/2400", "精确|2 位", "?=0.330000", "", "hand: 1/3 to two digits"},
        {"204/2400", "精确#2", "?=0.333333", "", "hand: 1/3 again"},
        {"204/2400", "下一步", "?=0.731000", "", "py: the rotated a11, (3/4 + √(1/16 + 4/9))/2"},
        {"204/2400", "", "?=0.019000", "", "py: and a22, (3/4 − √(1/16 + 4/9))/2"},
        {"204/2400", "上一步", "!0.731000", "", "hand: back to the rotation"},
        {"204/2400", "下一步|开  始", "?=0.821926", "", "hand: the opening's rotation"},
        {"204/2400", "", "!0.731000", "", "hand: not yet applied"},
        {"204/2400", "", "rgb@-0.444,1.1495", "255,100,100", "hand: the pivot a12 marked"},
        {"204/2400", "", "rgb@-1.044,0.8066", "0,255,255", "hand: a21 plain"},
        {"204/2400", "", "rgb@-1.044,0.8066", "!255,100,100", "hand: not its mirror"},
        {"204/2400", "Jacob方法", "?=0.821926", "", "hand: the title answers no press"},
        {"204/2400", "3位", "?=0.333000", "", "hand: A kept to 0.333"},
        {"204/2400", "4位", "?=0.333300", "", "hand: A kept to 0.3333"},
        {"204/2400", "精确|3 位", "?=0.333000", "", "hand: 1/3 to three digits"},
        {"204/2400", "4 位", "?=0.333300", "", "hand"},
        {"204/2400", "5 位", "?=0.333330", "", "hand"},
        {"204/2400", "6 位", "?=0.333333", "", "hand"},
        {"204/2400", "精确#2|4位#2", "?=0.3333", "", "hand: four decimals shown"},
        {"204/2400", "精度", "?=0.3333", "", "hand: the caption answers no press"},
        {"204/2400", "下一步|显示相关数据", "?关闭相关数据;;?=特征向量(行)", ";;",
         "hand: the switch turns; the eigenvectors' panel"},
        {"204/2400", "关闭相关数据", "?显示相关数据", "", "hand: and back"},
        {"204/2400", "ε增加", "=ε", "0.000125", "hand: the script's 0.0001 × 1.25"},
        {"204/2400", "ε减少*2", "=ε", "0.00008", "hand: 0.000125 × 0.8²"},
        {"204/2400", "2位#2", "ε=;;?=0.82", "0.00008;;",
         "hand: ε to its first significant digit, 5 decimals, while the table shows 2"},
        // The power method's shift p and its ε, shown while shifting.
        {"204", "平移法", "P=", "0.0400", "hand: the script's p"},
        {"204", "P增加", "P=", "0.1400", "hand: 0.04 + 0.1"},
        {"204", "P减少", "P=", "0.0400", "hand: 0.14 − 0.1"},
        {"204", "ε增加", "=ε", "0.00000125", "hand: the script's 1e-6 × 1.25"},
        {"204", "ε减少*2", "=ε", "0.0000008", "hand: 1.25e-6 × 0.8²"},
    });
}

// Sources: python3. The space curve y = sin x, z = cos x on [0, 3] (the
// page's own has sin for both, which hides a swap of y and z): M is the
// point of the scan 0.004 apart nearest (1, 1) in its projection, x =
// 1.06; N lies h · 4 further (h 0.1, ÷ or × 1.2 a press), the secant in
// (255, 100, 100) through M and N, checked at M + s·(1, y′, z′); the
// tangent has the slopes cos 1.06 and −sin 1.06.
PRESS_TABLE(AsymmetricScriptPresses, TheSpaceSecantOfACurveWithTwoFunctions) {
    RunScript(
        "700TangentLine3(0.7,6,36,10,3,4,0,-0.5,3.5,-0.5,2,-1,2,1,-1,1,1,0,3)\n",
        {
            {"309", "", "rgb3@1.96,1.1458,-0.3623", "255,100,100", "py: h 0.1, s 0.9"},
            {"309", "", "rgb3@0.56,0.7205,0.9617", "255,100,100", "py: h 0.1, s −0.5"},
            {"309", "", "rgb3@1.96,-0.3623,1.1458", "!255,100,100", "py: not with y and z swapped"},
            {"309", "",
             "rgb3@2.36,1.2673,-0.7406;;rgb3@-0.24,0.4774,1.7184;;rgb3@2,0.9093,0;;"
             "rgb3@1,0.8415,0;;rgb3@2,-0.4161,0",
             "!255,100,100;;!255,100,100;;255,128,0;;255,128,0;;!255,128,0",
             "py: the secant stops a quarter of the x span either side of M; the shadow (x, sin x, "
             "0) "
             "in the pen's slot, not (x, cos x, 0)"},
            {"309", "趋于M*3", "rgb3@1.96,1.218,-0.34", "255,100,100", "py: h 0.1/1.2³, s 0.9"},
            {"309", "", "rgb3@1.96,1.1458,-0.3623", "!255,100,100", "py: h 0.1's gone"},
            {"309", "离开M*6", "rgb3@1.96,1.0174,-0.3813", "255,100,100",
             "py: h 0.1 · 1.2³, s 0.9"},
            {"309", "", "rgb3@1.96,1.218,-0.34", "!255,100,100", "py: the last gone"},
            {"309", "切线", "rgb3@1.96,1.3123,-0.2962", "255,100,100", "py: the tangent, s 0.9"},
            {"309", "", "rgb3@0.56,0.6279,0.925", "255,100,100", "py: the tangent, s −0.5"},
            {"309", "", "rgb3@1.96,1.0174,-0.3813", "!255,100,100", "py: no secant"},
            {"309", "割线|趋于M*3", "rgb3@1.96,1.1458,-0.3623", "255,100,100",
             "py: the secant of h 0.1 again"},
        });
    // M given at x 5, off the box [−0.5, 3.5]: the prompt at x min + 0.3 · 4,
    // y min + 0.1 (the step) · 2.5, z min + 0.1 · 3.
    RunScript("700TangentLine3(0.7,6,36,10,3,4,0,-0.5,3.5,-0.5,2,-1,2,1,-1,5,1,0,3)\n",
              {
                  {"309", "", "at3@0.7,-0.25,-0.7", "投影线上选点", "hand: (0.7, −0.25, −0.7)"},
              });
}

// Sources: hand. A = [2 1; 4 3] (Aᵀ would give other numbers) from b = (1,
// 2), scaled to (0.5, 1): A·(0.5, 1) = (2, 5), λ1 = 5, (0.4, 1); then (1.8,
// 4.6), λ2 = 4.6, (0.3913, 1); then (1.7826, 4.5652), λ3 = 4.5652 (toward
// (5 + √17)/2 = 4.5616). Aᵀ·(0.5, 1) would be (5, 3.5) and (1, 0.7). The
// point view puts each iterate at (v1, v2).
PRESS_TABLE(AsymmetricScriptPresses, ThePowerMethodOfAnUnsymmetricTwoByTwo) {
    RunScript("700DATAs(0,2,1,4,3)\n700DATA2(0,1,2)\n"
              "700PowerMethod(0.4,5,38,11.4,2,0,0,1,0.5,0.001)\n",
              {
                  {"204", "下一步*2", "λ=#1", "5.0000", "hand"},
                  {"204", "", "λ=#2", "4.6000", "hand"},
                  {"204", "", "λ=#3", "4.5652", "hand: 1.7826/0.3913 row's largest"},
                  {"204", "", "?0.3913", "", "hand: the second iterate's first entry"},
                  {"204", "", "!3.5000", "", "hand: not Aᵀ's first estimate"},
                  {"204", "点表示", "ink@0.4,1", "-0.6,-0.6", "hand: the first iterate's point"},
                  {"204", "", "bare@1,0.7", "-0.6,-0.6", "hand: none where Aᵀ's would be"},
                  {"204", "", "bare@0.5,0.5", "-0.6,-0.6", "hand: none off the iterates"},
              });
    // A singular [1 2; 2 4]: the inverse method divides by U's zero pivot.
    RunScript("700DATAs(0,1,2,2,4)\n700DATA2(0,1,2)\n"
              "700PowerMethod(0.4,5,38,11.4,2,0,0,1,0.5,0.001)\n",
              {
                  {"204", "下一步", "!迭代出界", "", "hand: A itself iterates"},
                  {"204", "反幂法|下一步", "?迭代出界", "", "hand: u22 = 4 − 2 · 2 = 0"},
                  {"204", "幂  法", "!迭代出界", "", "hand: the plain method again"},
              });
}

// Sources: hand. Page 310's saddle z = x² − y² touched at the base point
// picked, (0.5, −0.25) (not the origin, where both slopes vanish): z0 =
// 0.1875, fx = 1, fy = 0.5; the normal arrow in (0, 0, 255) from M to M +
// 0.2 · 5 · (−fx, −fy, 1) = (−0.5, −0.75, 1.1875), the tangent plane's
// rays in (0, 150, 255), the one along −x at (−0.1, −0.25, −0.4125).
PRESS_TABLE(AsymmetricScriptPresses, TheTangentPlaneAwayFromTheSaddlePoint) {
    Run({
        {"310", "^0.5,-0.25,-2.5", "rgb3@0,-0.5,0.6875;;at3@-1.5,-1.35,2.25", "0,0,255;;底面上选点",
         "hand: the normal's middle; the prompt at x min, y min + 0.05 · 3, z max − 0.05 · 5"},
        {"310", "", "rgb3@0.25,-0.75,0.6875", "!0,0,255", "hand: not with fx and fy swapped"},
        {"310", "", "rgb3@-0.1,-0.25,-0.4125", "0,150,255", "hand: the plane along −x"},
        {"310", "", "rgb3@-0.1,-0.25,-0.1125", "!0,150,255", "hand: not of slope fy"},
        {"310", "^-0.5,0.5,-2.5", "rgb3@0,1,0.5", "0,0,255",
         "hand: at (−0.5, 0.5) the normal (1, 1, 1)·1, its middle"},
        {"310", "", "rgb3@0,-0.5,0.6875", "!0,0,255", "hand: the last normal gone"},
    });
}

// Sources: hand. Page 311's z = x² − y² with its gradient at the base
// point picked, (0.5, −0.25): fx = 1, fy = 0.5, N = 1.5; the arrow in
// (0, 255, 255) on the floor z = −2.5 from there to (0.5, −0.25) + 0.5(fx,
// fy)/N = (0.8333, −0.0833), and up on the surface from (0.5, −0.25,
// 0.1875) to (0.8333, −0.0833, 0.6875); fx and fy swapped would end at
// (0.6667, 0.0833).
PRESS_TABLE(AsymmetricScriptPresses, TheGradientAwayFromTheSaddlePoint) {
    Run({
        {"311", "等高线与梯度|^0.5,-0.25,-2.5",
         "rgb3@0.6667,-0.1667,-2.5;;head3@0.5,-0.25,-2.5>0.8333,-0.0833,-2.5;;head3@0.5,-0.25,0."
         "1875>0.8333,-0.0833,0.6875",
         "0,255,255;;0,255,255;;0,255,255",
         "hand: the floor arrow's middle; both arrows' heads at their ends, away from the point"},
        {"311", "", "at3@-1.5,-1.2,2", "在等高线上选点",
         "hand: the prompt at x min, y min + 0.1 (the step) · 3, z max − 0.1 · 5"},
        {"311", "", "rgb3@0.5833,-0.0833,-2.5", "!0,255,255", "hand: not with fx and fy swapped"},
        {"311", "", "rgb3@0.6667,-0.1667,0.4375", "0,255,255", "hand: the arrow on the surface"},
        {"311", "^-0.5,-0.5,-2.5", "rgb3@-0.6443,-0.3557,-2.5", "0,255,255",
         "hand: at (−0.5, −0.5), (fx, fy) = (−1, 1), N = √3, the middle"},
        {"311", "", "rgb3@0.6667,-0.1667,-2.5", "!0,255,255", "hand: the last arrow gone"},
        // The field: arrows from the grid (−1.35 + 0.24i, −1.35 + 0.24j),
        // 0.24 four of 50 mesh cells, 6·0.06√2 = 0.5091 long; at (0.57,
        // −0.39) (fx, fy) = (1.14, 0.78), N = √2.908, the middle at
        // (0.57, −0.39) + 0.2546·(1.14, 0.78)/N.
        {"311", "梯度场", "rgb3@0.7402,-0.2736,-2.5;;head3@0.57,-0.39,-2.5>0.9103,-0.1571,-2.5",
         "0,255,255;;0,255,255",
         "hand: an arrow's middle; its head at its end, (0.57, −0.39) + 0.5091·(1.14, 0.78)/N"},
        {"311", "", "!在等高线上选点", "", "hand: no point to pick"},
        {"311", "等高线", "rgb3@0.7402,-0.2736,-2.5", "!0,255,255", "hand: the level curve alone"},
        {"311", "梯度场|减少*3",
         "=Meshx;;rgb3@0.82,0.0979,-2.5;;rgb3@-1.1315,0.0444,-2.5;;rgb3@-0.2394,-0.4484,-2.5",
         "14;;0,255,255;;0,255,255;;!0,255,255",
         "python3: Meshx 14, x steps 4 · 3/14 = 0.8571, y steps still 0.24, arrows 6·√((3/14)² "
         "+ 0.06²) = 1.3352 long; the middles of those from (0.3643, −0.39) and (−0.4929, "
         "−0.15); none where x steps of 0.24 would put the middle of that from (−0.15, −1.11)"},
    });
}

// Sources: hand. Page 374's helix in a box wider in x, [−4, 4] × [−1.5,
// 1.5] × [0, 2], where the caption's y, y min + 0.1 · y span = −1.2, is not
// −1.5 + 0.1 · 8 = −0.7; its lines at z 2 − 0.2, 2 and 2 − 0.4.
PRESS_TABLE(AsymmetricScriptPresses, TheSpaceCurvesCaptionInAWideBox) {
    RunScript("700DATA1(1,0,0.2,0,0,0,0,1,)\n"
              "700SpaceCurve(0.7,6,36,10,1,39,1,-4,4,-1.5,1.5,0,2,0,1,1,0,9.42)\n",
              {
                  {"374", "", "at3@-4,-1.2,1.8;;at3@-4,-1.2,2;;at3@-4,-1.2,1.6",
                   "空间曲线{y=y(t)  ;;         x=x(t) ;;         z=z(t) ",
                   "hand: x min, y −1.2, the three heights"},
              });
}

} // namespace
