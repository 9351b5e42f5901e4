// Page 314 pressed button by button: the normal equations on the three data
// sets and the coefficient steps by hand (steps 0.2, 0.05 and 0.004 times
// the plot's height over its width, 100/200 for the first set).
#include "press_table.h"

namespace {

// Sources: "py" are python3 normal equations in plain floats on the page's
// data; M = Σ (f(x_i) − y_i)², e-model fitted through ln y.
PRESS_TABLE(LeastSquaresPresses, EveryButtonOfPage314) {
    Run({
        {"314", "拟合曲线:", "!M=", "", "hand: the label fits nothing"},
        {"314", "", "a=", "-1.00", "hand: a as the page opens"},
        {"314", "y=a+bx|最小二乘法", "a=", "-2.74", "py: set 1, a + bx"},
        {"314", "",
         "b=;;at@40,10;;at@120,10;;%M=;;rgb@135,62.47;;rgb@60,26.243;;rgb@100,45;;rgb@100,45",
         "0.483;;b=;;M=;;255,255,0;;0,255,255;;0,255,255;;255,100,100;;!250,255,0",
         "py: set 1, a + bx, the line at x 135 and 60 (from x min); hand: b and M at 0.2 and 0.6 "
         "of the x span, "
         "y 0.1 of it, in palette 5; the points in the second-derivative slot, rim and all"},
        {"314", "", "M=", "7.224", "py: set 1, a + bx"},
        {"314", "找拟合曲线|a增", "M=", "7.324", "py: a + 0.1"},
        {"314", "a增", "a=", "-2.54", "py: a + 0.2"},
        {"314", "a增", "M=", "8.124", "py: a + 0.3"},
        {"314", "a减", "M=", "7.624", "py: a + 0.2"},
        {"314", "a减*2", "M=", "7.224", "py: the fit again"},
        {"314", "b增", "b=", "0.508", "py: b + 0.025"},
        {"314", "b增", "M=", "553.474", "py: b + 0.05"},
        {"314", "b增", "M=", "1236.287", "py: b + 0.075"},
        {"314", "b减", "M=", "553.474", "py: b + 0.05"},
        {"314", "b减*2", "M=", "7.224", "py: the fit again"},
        {"314", "", "!c=", "", "linear model: no c"},
        {"314", "y=a+bx+cx^2|c增", "M=", "21904.544", "py: c = 0.002"},
        {"314", "c增", "c=;;at@80,10;;at@0,20", "0.004;;c=;;拟合曲线:y=a+bx+cx^2",
         "hand: 2 × 0.002; x 0..200, y 0..100: c at 0.4 of the x span, 0.1 of the y span up; "
         "the model's caption at x min, 0.2 of the y span up"},
        {"314", "c增", "M=", "197059.104", "py: c = 0.006"},
        {"314", "c减", "M=", "87588.504", "py: c = 0.004"},
        {"314", "c减*2", "M=", "7.224", "py: c = 0"},
        {"314", "数据2|最小二乘法", "a=", "-8.33", "py: set 2, a + bx + cx²"},
        {"314", "", "b=", "9.888", "py: set 2, a + bx + cx²"},
        {"314", "", "c=", "-0.409", "py: set 2, a + bx + cx²"},
        {"314", "", "M=", "24.824", "py: set 2, a + bx + cx²"},
        {"314", "y=a+bx", "M=", "113.188", "py: set 2, a + bx"},
        {"314", "数据3", "b=", "-2.322", "py: set 3, a + bx"},
        {"314", "y=ae^(bx)", "a=", "4.36", "py: set 3, ln a of a·e^(bx)"},
        {"314", "", "b=", "-0.104", "py: set 3, a·e^(bx)"},
        {"314", "", "M=", "0.094", "py: set 3, a·e^(bx)"},
        {"314", "y=a+bx+cx^2", "c=", "0.115", "py: set 3, a + bx + cx²"},
        {"314", "", "M=", "7.255", "py: set 3, a + bx + cx²"},
        {"314", "数据1", "M=", "7.035", "py: set 1, a + bx + cx²"},
        {"314", "数据3|y=ae^(bx)|自选|n减少*9", "n=", "2", "hand: held at the fewest"},
        {"314", "n增加", "M=", "0.090", "py: the first 3 points of set 3"},
        {"314", "n增加", "n=;;at@140,40",
         "4;;n=", "hand: 2 + 2; at 0.3 of the x span in from x max, 0.4 of the y span up"},
        {"314", "n增加", "M=", "0.088", "py: the first 5 points of set 3"},
        {"314", "n减少", "M=", "0.094", "py: the first 4 points of set 3"},
        {"314", "n减少", "n=", "3", "hand: 5 − 2"},
        {"314", "n减少", "a=", "4.37", "py: the first 2 points of set 3"},
    });
}

} // namespace
