// The descent page pressed as a lecturer presses it: a start chosen by a
// click, the arrows of steepest descent and of conjugate gradients one
// iteration a press, the colour map of the objective under them, and the
// normal equations of an unsymmetric system of the test's own.
#include "press_table.h"

namespace {

// Sources: python3 (mpmath). B = [3 1; 1 2], c = (4, −3), from the click
// (−2, 1): steepest descent to (1.9130, −0.3043), (1.3816, −1.8986),
// (2.1441, −2.1527); conjugate gradients to (1.9130, −0.3043) and the
// minimum (2.2, −2.6). Each arrow in (250, 255, 0), checked at its middle
// and just past its head (0.15 on along it). The map's levels run from
// the minimum −8.3 (RGB(0, 240, 0)) to 34.5 at the corners x = −3; level
// 128 of 255, (128, 112, 128), where the objective is 13.27: at
// (−1.84, 0.5).
PRESS_TABLE(DescentPathPresses, TheArrowsFollowTheStartAndTheMethod) {
    Run({
        {"200", "^-2,1|下一步", "rgb@-0.0435,0.3478;;head@-2,1>1.913,-0.3043",
         "250,255,0;;250,255,0",
         "py: the first arrow's middle; its head at the step's end, not at the click"},
        {"200", "", "rgb@2.0553,-0.3517;;=upper;;=lower", "!250,255,0;;1;;2",
         "py: nothing past its head; the script's a and b"},
        {"200", "", "rgb@1.6473,-1.1014", "!250,255,0", "py: no second arrow yet"},
        {"200", "下一步", "rgb@1.6473,-1.1014", "250,255,0", "py: the second arrow's middle"},
        {"200", "下一步", "rgb@1.7629,-2.0256", "250,255,0", "py: the third arrow's middle"},
        {"200", "", "rgb@2.2864,-2.2001", "!250,255,0", "py: nothing past its head"},
        {"200", "", "rgb@2.0565,-1.4522", "!250,255,0", "py: no conjugate step"},
        {"200", "上一步", "rgb@1.7629,-2.0256", "!250,255,0", "py: the third arrow gone"},
        {"200", "", "rgb@1.6473,-1.1014", "250,255,0", "py: the second stays"},
        {"200", "梯度", "rgb@2.0565,-1.4522", "250,255,0",
         "py: conjugate gradients' second arrow to the minimum, β 0.2287"},
        {"200", "", "rgb@1.6473,-1.1014", "!250,255,0", "py: steepest descent's gone"},
        {"200", "", "rgb@-0.0435,0.3478", "250,255,0", "py: the first arrow the same"},
        {"200", "速降|上一步*2", "rgb@-0.0435,0.3478", "!250,255,0", "hand: no iteration"},
        {"200", "^1,1|下一步", "rgb@1,-0.5", "250,255,0",
         "py: from (1, 1) down to (1, −2), its middle"},
        {"200", "", "rgb@-0.0435,0.3478", "!250,255,0", "py: the arrow from (−2, 1) gone"},
        {"200", "开始", "rgb@2.2,-2.6", "0,240,0", "py: the map's lowest level at the minimum"},
        {"200", "", "rgb@-1.84,0.5", "128,112,128", "py: level 128 where f = 13.27"},
        {"200", "", "rgb@1.84,0.5", "!128,112,128", "py: f = 0.39 there"},
        {"200", "ε增加*3", "ε=;;at@-0.6,-2.4;;at@-3,-2.4", "0.000800;;ε=;;最速下降法",
         "hand: 0.0001 · 2³, at 0.4 of the x span −3..3 and 0.1 of the y span up; the method"},
        {"200", "ε减少*3", "ε=", "0.000100", "hand: halved three times"},
        {"200", "ε减少", "ε=", "0.000050", "hand: 0.0001 / 2"},
        {"200", "非线性方程组|开始", "?f(x,y)=0,g(x,y)=0", "", "hand: the system's equations"},
        {"200", "", "!梯度", "", "hand: one method only, steepest descent"},
        {"200", "", "?最速下降法", "", "hand"},
        {"200", "正定二次型|开始", "?方程Ax=b:A,b;;at@-1.39,1.8;;at@0.11,1.8;;at@0.11,0.6",
         ";;1.0000;;4.0000;;-3.0000",
         "hand: the quadratic form's data again, column j at −3 + 6j/4, row i at 3 − 6(i + 1)/5, "
         "each number a 13-px cell (0.11) right of its point: a12, b1, b2"},
        {"200", "", "?梯度", "", "hand: both methods offered"},
        {"200", "open|显示数据|^-2,1|下一步",
         "at@-2.89,2.52;;at@-2.89,2.04;;at@-2.29,2.52;;at@-3,3;;at@-2.1,3;;at@1.8,3;;x #2",
         "0;;1;;-2.0000;; i;;x ;;λ;;1",
         "hand: rows r = 0, 1 at 3 − 0.48(r + 1), each number a 13-px cell (2 · 20 / 3) right "
         "of its column, x = −3 and x0 at −3 + 0.4 · 6/4, on 6 units over 708 px"},
        // A = [3 1; 1 2] as a linear system: AᵀA = [10 5; 5 5], Aᵀb = (9, −2).
        {"200", "线性方程组|开始", "?方程Ax=b:A,b", "", "hand: the system itself"},
        {"200", "下一步", "?正定二次型x′Ax-b", "", "hand: the normal equations"},
        {"200", "", "?10.0000", "", "hand: 3² + 1²"},
        {"200", "", "?9.0000", "", "hand: 3·4 + 1·(−3)"},
        {"200", "", "%#5;;%ε=", "0,255,255;;0,255,255",
         "hand: the table's first number, after the axes' four empty labels; ε"},
    });
}

// Sources: python3 (mpmath). A = [3 1; −1 2], b = (4, −3) as a linear
// system: the normal equations AᵀA = [10 1; 1 5], Aᵀb = (15, −2) (AAᵀ
// would have −1 and Ab (9, −10)), solved by x = (11/7, −5/7). From the
// click (−2, 1): the first step to (1.5394, 0.4795), the second of
// steepest descent to (1.3775, −0.6212), that of conjugate gradients to
// the solution; the first step of AAᵀ would end at (1.1112, −0.7630).
PRESS_TABLE(DescentPathPresses, TheNormalEquationsOfAnUnsymmetricSystem) {
    RunScript("700DATAs(0,3,1,-1,2)\n700DATA2(0,4,-3)\n"
              "700Gradient(0.4,5,38,11.4,2,1,0,-3,3,-3,3,1,2,2,2,0.0001)\n",
              {
                  {"200", "线性方程组|开始", "?方程Ax=b:A,b", "", "hand: the system itself"},
                  {"200", "", "?-1.0000", "", "hand: a21"},
                  {"200", "下一步", "?正定二次型x′Ax-b", "", "hand: the normal equations"},
                  {"200", "", "?15.0000", "", "hand: 3·4 + (−1)(−3)"},
                  {"200", "", "?10.0000", "", "hand: 3² + (−1)²"},
                  {"200", "", "!-1.0000", "", "hand: AᵀA's off-diagonal is 3 − 2"},
                  {"200", "", "!9.0000", "", "hand: not Ab"},
                  {"200", "^-2,1|下一步", "rgb@-0.2303,0.7398", "250,255,0",
                   "py: the first step's middle"},
                  {"200", "", "rgb@-0.4444,0.1185", "!250,255,0", "py: AAᵀ's first step"},
                  {"200", "下一步", "rgb@1.4584,-0.0708", "250,255,0",
                   "py: steepest descent's second step, its middle"},
                  {"200", "梯度", "rgb@1.5554,-0.1174", "250,255,0",
                   "py: conjugate gradients' second step to (11/7, −5/7)"},
                  {"200", "", "rgb@1.4584,-0.0708", "!250,255,0", "py: steepest descent's gone"},
              });
}

// Sources: hand. A quadratic form of three unknowns, B = [4 1 0; 1 3 1; 0 1 2],
// c = (1, 2, 3), from x0 = (1, 1, 0): r = c − Bx0 = (−4, −2, 2), Br = (−18,
// −8, 2), λ = rᵀr / rᵀBr = 24/92, x1 = x0 + λr = (−0.0435, 0.4783, 0.5217).
// The table on 0..5 both ways: column k at x k + 0.4 (λ at n + 1.2), row r
// at y 5 − 0.4(r + 1); each number a 13-px cell right of its point, 0.09
// on 5 units over 708 px. Sources: hand, and python3 (fractions) for the
// second step of conjugate gradients.
PRESS_TABLE(DescentPathPresses, TheTableOfThreeUnknowns) {
    RunScript(
        "700DATAs(0,4,1,0,1,3,1,0,1,2)\n700DATA2(0,1,2,3)\n700DATAs(3,1,1,0)\n"
        "700Gradient(0.4,5,38,11.4,2,1,0,-3,3,-3,3,1,2,3,3,0.0001)\n",
        {
            {"200", "下一步",
             "at@0.09,4.6;;at@0.49,4.6;;at@0.09,4.2;;at@0.49,4.2;;at@1.49,4.2;;at@2.49,4.2;;"
             "at@4.29,4.2;;at@0,5;;at@4.2,5;;x #3",
             "0;;1.0000;;1;;-0.0435;;0.4783;;0.5217;;0.2609;; i;;λ;;2",
             "hand: the start row, then the first step's row"},
            {"200", "梯度|下一步", "at@3.49,4.2;;at@0.49,3.8;;at@3.49,3.8;;at@4.29,3.8;;at@3.4,5",
             "0.0000;;0.0766;;0.1115;;0.4812;;β",
             "py: conjugate gradients, β = −rᵀBp/pᵀBp 0.1115 at the second step and "
             "0 at the first, λ 0.4812, x = (0.0766, 0.4128, 1.3404); β at n + 0.4"},
        });
}

} // namespace
