// The quadrature pages pressed button by button: the Riemann sums of x² on
// [0, 1] (323) with n doubled and halved and the sample point moved, and the
// trapezoid (324) and Simpson (325) sums of sin x on [0, 3.14159] with their
// tables of f(x_i).
#include "press_table.h"

namespace {

// Sources: python3, S = h Σ (x_i + c h)² over x_i = i h (n a power of two,
// so the strips end on 1 exactly); trapezoid Σ (F0 + F1) h / 2 and Simpson
// Σ (F0 + 4Fm + F1) h / 6 with h = 3.14159 / n, six decimals; n starts at 1
// and the sample point at the middle.
PRESS_TABLE(QuadraturePresses, TheSumsFollowNAndTheSamplePoint) {
    Run({
        {"323", "", "积分近似值:", "0.250000", "py: n 1, c 0.5: 0.5²"},
        {"323", "", "?取中点", "", "hand: the caption of c 0.5"},
        {"323", "n增加", "积分近似值:", "0.312500", "py: n 2, (0.25² + 0.75²)/2"},
        {"323", "", "n=", "2", "hand: 1 × 2"},
        {"323", "n增加", "积分近似值:", "0.328125", "py: n 4, 84/256"},
        {"323", "n增加", "积分近似值:", "0.332031", "py: n 8, 680/2048"},
        {"323", "", "n=", "8", "hand: 1 × 2³"},
        {"323", "n减少", "积分近似值:", "0.328125", "py: n 4"},
        {"323", "左端点", "积分近似值:", "0.218750", "py: n 4, c 0: 14/64"},
        {"323", "", "?取左端点", "", "hand: the caption of c 0"},
        {"323", "", "!取中点", "", "hand: c 0 is no middle"},
        {"323", "右端点", "积分近似值:", "0.468750", "py: n 4, c 1: 30/64"},
        {"323", "", "?取右端点", "", "hand: the caption of c 1"},
        {"323", "n减少", "积分近似值:", "0.625000", "py: n 2, c 1: (0.25 + 1)/2"},
        {"323", "取右端点", "积分近似值:", "0.625000", "hand: the caption is no button"},
        {"323", "中点", "积分近似值:", "0.312500", "py: n 2, c 0.5"},
        {"323", "n减少", "n=", "1", "hand: 2 / 2"},
        {"323", "", "积分近似值:", "0.250000", "py: n 1, c 0.5"},
        {"323", "", "积分值:", "0.333333", "hand: 1/3"},
        {"324", "", "积分近似值:", "0.000004", "py: n 1, (sin 0 + sin 3.14159)/2 · h"},
        {"324", "", "积分值:", "2.000000", "py: 1 − cos 3.14159"},
        {"324", "n增加", "积分近似值:", "1.570797", "py: trapezoids, n 2"},
        {"324", "n增加*2", "积分近似值:", "1.974232", "py: trapezoids, n 8"},
        {"324", "", "n=", "8", "hand: 1 × 2³"},
        {"324", "", "!f    =", "", "hand: the table is off"},
        {"324", "显示数据", "f    =#4", "0.923879", "py: sin(3 h), h = 3.14159/8"},
        {"324", "", "f    =#9", "0.000003", "py: sin 3.14159"},
        {"324", "n增加", "f    =#17", "0.000003", "py: n 16, the last row"},
        {"324", "", "积分近似值:", "1.993570", "py: trapezoids, n 16"},
        {"324", "n增加", "!f    =", "", "hand: no table past n 16"},
        {"324", "n减少*3", "f    =#2", "0.707106", "py: n 4, sin(3.14159/4)"},
        {"324", "", "积分近似值:", "1.896119", "py: trapezoids, n 4"},
        {"324", "不显示数据", "!f    =", "", "hand: the table is off again"},
        {"324", "n减少", "积分近似值:", "1.570797", "py: trapezoids, n 2"},
        {"325", "", "积分近似值:", "2.094395", "py: Simpson, n 1"},
        {"325", "n增加", "积分近似值:", "2.004560", "py: Simpson, n 2"},
        {"325", "n增加*2", "积分近似值:", "2.000017", "py: Simpson, n 8"},
        {"325", "n减少", "积分近似值:", "2.000269", "py: Simpson, n 4"},
        {"325", "显示数据", "f    =#4", "0.707108", "py: sin(3 h), h = 3.14159/4"},
        {"325", "", "?复化辛普生公式", "", "hand: n above 1"},
        {"325", "n减少*2", "积分近似值:", "2.094395", "py: Simpson, n 1"},
        {"325", "", "?辛普生公式", "", "hand: n 1"},
        {"325", "", "f    =#2", "0.000003", "py: n 1, sin 3.14159"},
        {"325", "不显示数据", "!f    =", "", "hand: the table is off"},
        {"325", "n减少", "积分近似值:", "2.094395", "hand: n 0 is raised to 1"},
        {"325", "", "n=", "1", "hand: n 0 is raised to 1"},
        {"457/4000", "3节点", "w[ ]=#1", "0.555556", "py: Gauss–Legendre, 3 nodes, 5/9"},
        {"457/4000", "", "w[ ]=#2", "0.888889", "py: 8/9 at the middle node"},
        {"457/4000", "", "w[ ]=#3", "0.555556", "py: 5/9"},
        {"457/4000", "", "rgb@0.8727,0.6", "199,125,60", "py: π/2 − (8/9)(π/4), middle's left"},
        {"457/4000", "", "rgb@2.2689,0.6", "199,125,60", "py: π/2 + (8/9)(π/4), its right"},
        {"457/4000", "", "rgb@1.2,0.6", "!199,125,60", "py: inside the mark"},
        {"457/4000", "", "rgb@0.7904,0.2", "199,125,60", "py: first mark's right, 0.3541 + 0.4363"},
        {"457/4000", "", "rgb@0.6,0.2", "!199,125,60", "py: inside the first mark"},
        {"323", "取中点", "积分近似值:", "0.250000", "hand: the caption is no button"},
        {"323", "取中点*2", "n=", "1", "hand: n stays"},
        {"323", "n增加|左端点", "积分近似值:", "0.125000", "py: n 2, c 0: 0.5²/2"},
        {"323", "取左端点*3", "积分近似值:", "0.125000", "hand: the caption is no button"},
        {"323", "", "?取左端点", "", "hand: c 0 kept"},
    });
}

// Sources: python3, page 320: strips of width w = (1 + sin 10.34x)·2/n
// (at least 4/n where a tenth of it is wider), the last one ending at
// 3.14159, each as high as sin s at s = x + (1 + sin 15x)·w/4; the sum of
// the rectangles drawn, six decimals. Page 319: cos x from the cursor 0,
// the increment strip Dx = 6.5h wide (h from 0.1, doubled and halved) is
// filled, its top drawn at F(0) in (0, 255, 255); (3.5, 1.5) is a bare
// place of the plot.
PRESS_TABLE(QuadraturePresses, TheIrregularSumAndTheIncrementOfPages319And320) {
    Run({
        {"320", "", "积分近似值:", "1.995267", "py: n 1, two strips"},
        {"320", "n增加", "积分近似值:", "1.926932", "py: n 2, four strips"},
        {"320", "n增加", "积分近似值:", "2.116389", "py: n 4"},
        {"320", "n增加", "积分近似值:", "1.942482", "py: n 8"},
        {"320", "", "n=", "8", "hand: 1 × 2³"},
        {"320", "n减少", "积分近似值:", "2.116389", "py: n 4"},
        {"320", "n减少*2", "积分近似值:", "1.995267", "py: n 1"},
        {"319", "", "bare@0.5,0.3", "3.5,1.5", "hand: no increment before its button"},
        {"319", "增量与微分", "ink@0.5,0.3", "3.5,1.5", "hand: Dx 0.65, cos 0.5 = 0.88"},
        {"319", "", "bare@0.8,0.3", "3.5,1.5", "hand: past Dx 0.65"},
        {"319", "", "rgb@0.55,1", "0,255,255", "hand: the strip's top at cos 0 = 1"},
        {"319", "", "rgb@0.8,1", "!0,255,255", "hand: it ends at Dx 0.65"},
        {"319", "dx增加", "ink@1,0.3", "3.5,1.5", "py: Dx 1.3, cos 1 = 0.54"},
        {"319", "", "bare@1,0.7", "3.5,1.5", "py: above cos 1"},
        {"319", "", "rgb@1.2,1", "0,255,255", "hand: the top runs on to 1.3"},
        {"319", "", "=h", "0.2", "hand: 0.1 × 2"},
        {"319", "dx增加", "ink@1.4,0.1", "3.5,1.5", "py: Dx 2.6, cos 1.4 = 0.17"},
        {"319", "dx减少*3", "=h", "0.05", "hand: 0.4 / 2³"},
        {"319", "", "bare@0.5,0.3", "3.5,1.5", "hand: Dx 0.325"},
        {"319", "", "ink@0.2,0.3", "3.5,1.5", "py: cos 0.2 = 0.98, inside Dx"},
        {"319", "变上限函数", "bare@0.2,0.3", "3.5,1.5", "hand: no increment in this mode"},
        {"319", "", "!dx增加", "", "hand: its buttons go with it"},
        // 319's antiderivatives of cos x from the cursor (1, 0.5), dots in
        // (250, 255, 0): one through the cursor, or the family with C from
        // −5.5 by 0.4. 320's region x² ≤ y ≤ x: the limits at the cursor
        // (0.6, 0.45) in (255, 100, 100), up the column from x² to x or
        // along the row from y to √y.
        {"319/2400", "原函数|^1,0.5", "rgb@3,-0.2004", "250,255,0", "py: sin 3 − sin 1 + 0.5"},
        {"319/2400", "", "rgb@-1,-1.1829", "250,255,0", "py: sin(−1) − sin 1 + 0.5"},
        {"319/2400", "", "rgb@3,0.5996", "!250,255,0", "py: one curve only"},
        {"319/2400", "不定积分", "rgb@3,0.5996", "250,255,0", "py: sin 3 − sin 1 + 1.3"},
        {"319/2400", "", "rgb@3,0.1996", "250,255,0", "py: sin 3 − sin 1 + 0.9"},
        {"319/2400", "", "rgb@3,0.3996", "!250,255,0", "py: between two of the family"},
        {"319/2400", "原函数|^1,0.5", "rgb@3,0.5996", "!250,255,0", "py: the family is gone"},
        {"319/2400", "", "rgb@3,-0.2004", "250,255,0", "py: the one through the cursor"},
        {"320/2400", "x_型|^0.6,0.45", "rgb@0.6,0.5", "255,100,100", "hand: x² 0.36 to x 0.6"},
        {"320/2400", "", "?y的下限", "", "hand"},
        {"320/2400", "", "rgb@0.55,0.45", "!255,100,100", "hand: no row yet"},
        {"320/2400", "y_型", "rgb@0.55,0.45", "255,100,100", "py: y 0.45 to √0.45 0.6708"},
        {"320/2400", "", "rgb@0.6,0.55", "!255,100,100", "hand: the column is gone"},
        {"320/2400", "", "?x的上限", "", "hand"},
        {"320/2400", "", "!y的下限", "", "hand"},
        {"320/2400", "x_型", "rgb@0.6,0.55", "255,100,100", "hand: the column again"},
        {"320/2400", "", "!x的上限", "", "hand"},
    });
}

// Sources: hand, page 370: the rod is F = ax² + bx + c with the script's
// (a, b, c) = (0, 0, 1) over [−1.5, 1.5], along x (y = 1) or, after
// "x=f(y)", along y (x = 1, shown where y lies in the plot's [−0.5, 2]);
// (−1.8, 0.3) is a bare place of the plot.
PRESS_TABLE(QuadraturePresses, TheRodOfPage370AlongEitherAxis) {
    Run({
        {"370", "", "ink@-1,1", "-1.8,0.3", "hand: the rod y = 1"},
        {"370", "", "bare@1,0.5", "-1.8,0.3", "hand: no rod along y yet"},
        {"370", "x=f(y)", "ink@1,0.5", "-1.8,0.3", "hand: the rod x = 1"},
        {"370", "", "bare@-1,1", "-1.8,0.3", "hand: the rod along x is gone"},
        {"370", "y=f(x)", "ink@-1,1", "-1.8,0.3", "hand: back along x"},
        {"370", "", "bare@1,0.5", "-1.8,0.3", "hand: the rod along y is gone"},
    });
}

// Sources: python3, page 326: y = √x and y = 1 on [1, 4] about the x axis;
// the volume 4.5π; the approximate sum is that of the washers drawn, dx =
// 3h wide (h from 0.1 by ×1.25 and ×0.8) from 1 on, the last one cut at 4:
// π Σ (x_i − 1)(x_(i+1) − x_i).
PRESS_TABLE(QuadraturePresses, TheWashersOfPage326) {
    Run({
        {"326", "体积近似和", "旋转体体积:", "14.137", "py: 4.5π"},
        {"326", "", "体积近似值:", "12.723", "py: dx 0.3, 10 washers"},
        {"326", "dx增", "体积近似值:", "12.370", "py: dx 0.375, 8 washers"},
        {"326", "dx减*2", "体积近似值:", "13.029", "py: dx 0.24, 13 washers"},
        {"326", "dx减", "体积近似值:", "13.246", "py: dx 0.192, 16 washers"},
        {"326", "", "=h", "0.064", "hand: 0.1 × 1.25 × 0.8³"},
        {"326", "体积元素", "!体积近似值:", "", "hand: one element, no sum"},
        {"326", "旋转体", "旋转体体积:", "14.137", "py: the volume stays"},
        {"326", "", "!体积近似值:", "", "hand: the whole solid, no sum"},
    });
}

// Sources: python3, page 328: y = cos x on [−1.5, 1.5] about the x axis;
// the area 2π ∫ √(1 + u²) du over u = ±sin 1.5; the approximate sum is that
// of the frustums drawn, dx = 3h wide (h from 0.1 by ×1.25 and ×0.8), the
// last one cut at 1.5: π Σ (|y0| + |y1|) · |(dx, y1 − y0)|.
PRESS_TABLE(QuadraturePresses, TheFrustumsOfPage328) {
    Run({
        {"328", "面积近似和", "旋转体侧面积:", "14.379", "py: the closed form"},
        {"328", "", "侧面积近似值:", "14.271", "py: dx 0.3, 10 frustums"},
        {"328", "dx增", "侧面积近似值:", "14.210", "py: dx 0.375, 8 frustums"},
        {"328", "dx减*2", "侧面积近似值:", "14.310", "py: dx 0.24, 13 frustums"},
        {"328", "dx减", "侧面积近似值:", "14.335", "py: dx 0.192, 16 frustums"},
        {"328", "面积元素", "!侧面积近似值:", "", "hand: one frustum, no sum"},
        {"328", "旋转曲面", "旋转体侧面积:", "14.379", "py: the area stays"},
        {"328", "", "!侧面积近似值:", "", "hand: the whole surface, no sum"},
    });
}

// Sources: hand, page 366: the vessel (the mode 0) and the level against
// time (1), the vessel's layer dh named only in the first.
PRESS_TABLE(QuadraturePresses, TheTwoViewsOfPage366) {
    Run({
        {"366", "水位时间曲线", "=t", "1", "hand: the level against time"},
        {"366", "", "!dh", "", "hand: no layer of the vessel"},
        {"366", "水流问题", "=t", "0", "hand: the vessel again"},
        {"366", "", "?dh", "", "hand: its layer dh"},
    });
}

} // namespace
