// The view buttons of the 3-D pages and of the solids of revolution, pressed
// button by button: the mesh density, the rolling ball's size, the element
// steps, the panel's choice of plane, and what each mode draws.
#include "press_table.h"

namespace {

// Sources: hand. The mesh from 50: ×1.5 or ×2/3 a press, whole divisions
// rounded down (75, 112, 168; 33, 22, 14). The ball's radius from 8 pixels,
// one a press, held within [2, 40]. Page 374: the circle's element lines
// at t = 6.28 i/N, N = Meshx + Meshy, coloured from (255, 128, 0) toward
// (100, 250, 150) by i/N, whole parts.
PRESS_TABLE(SolidViewPresses, MeshAndBallButtons) {
    Run({
        {"373", "增加", "=Meshx", "75", "hand: 50 × 1.5"},
        {"373", "减少#2*2", "=Meshy", "22", "hand: 50 → 33 → 22"},
        {"374", "增加*2", "=Meshx", "112", "hand: 50 → 75 → 112"},
        {"374", "", "rgb3@0.5975,0.8018,1", "232,146,22", "py: line 24 of 112 + 50"},
        {"374", "减少#2", "=Meshy", "33", "hand: 50 × 2/3"},
        {"374", "", "rgb3@0.868,0.4966,1", "242,138,12", "py: line 12 of 112 + 33"},
        {"378", "", "rgb3@0.9076,0.0557,0.416;;rgb3@0.8883,0.0545,0.456",
         "191,130,130;;!193,129,129",
         "py: M = √(50² + 50²), θ steps 15.7/M, φ steps 7.85/M down from 3.14; the parallel at "
         "φ 18 steps, θ between 21 and 22 steps, coloured from its corner (0.9082, −0.0452, "
         "0.416): depth 0.3975 of the way from grey 150 to (255, 100, 100); none where a "
         "φ step of 6.28/M would put its 23rd line, in that line's colour"},
        {"378", "减少*3", "=Meshx", "14", "hand: 50 → 33 → 22 → 14"},
        {"378", "增加#2", "=Meshy", "75", "hand: 50 × 1.5"},
        {"379", "增加*3", "=Meshx;;rgb3@1.488,-1.6,1.1", "168;;0,255,0",
         "hand: 50 → 75 → 112 → 168; the z tick at 1.1 to x 1.6 − 0.04 · 3.2 = 1.472"},
        {"379", "减少#2*2", "=Meshy", "22", "hand: 50 → 33 → 22"},
        {"382", "增加", "=Meshx", "75", "hand: 50 × 1.5"},
        {"382", "减少#2*3", "=Meshy", "14", "hand: 50 → 33 → 22 → 14"},
        {"382", "R增*2", "=radius", "10", "hand: 8 + 2"},
        {"382", "R减*3", "=radius", "7", "hand: 10 − 3"},
        {"381", "R增*3", "=radius", "11", "hand: 8 + 3"},
        {"381", "R减*5", "=radius", "6", "hand: 11 − 5"},
        {"381", "R减*9", "=radius", "2", "hand: −3 held at 2"},
        {"381", "R增", "=radius", "3", "hand: 2 + 1"},
        {"373", "增加#2*2", "=Meshy", "112", "hand: opened anew, 50 → 75 → 112"},
        {"374", "减少*2", "=Meshx", "22", "hand: 50 → 33 → 22"},
        {"374", "增加#2*3", "=Meshy", "168", "hand: 50 → 75 → 112 → 168"},
        {"378", "增加*2", "=Meshx", "112", "hand: 50 → 75 → 112"},
        {"378", "减少#2*3", "=Meshy", "14", "hand: 50 → 33 → 22 → 14"},
        {"379", "减少*4", "=Meshx", "9", "hand: 50 → 33 → 22 → 14 → 9"},
        {"379", "增加#2*2", "=Meshy", "112", "hand: 50 → 75 → 112"},
        {"382", "增加#2*3", "=Meshy", "168", "hand: 50 → 75 → 112 → 168"},
        {"603", "增加", "=Meshx", "75", "hand: 50 × 3/2"},
        {"603", "减少*2", "=Meshx", "33", "hand: 75 → 50 → 33"},
        {"360", "增加#2*2", "=Meshy", "112", "hand: 50 → 75 → 112"},
        {"360", "减少#2", "=Meshy", "74", "hand: 112 × 2/3"},
        {"357", "增加", "=Meshx", "75", "hand: 50 × 3/2"},
        {"357", "减少*3", "=Meshx", "22", "hand: 75 → 50 → 33 → 22"},
        {"345", "减少#2*2", "=Meshy", "22", "hand: 50 → 33 → 22"},
        {"345", "增加#2", "=Meshy", "33", "hand: 22 × 3/2"},
        {"342", "增加#2", "=Meshy", "75", "hand: 50 × 3/2"},
        {"342", "减少#2*3", "=Meshy", "22", "hand: 75 → 50 → 33 → 22"},
        {"337", "", "%体积: ;;at3@-2,-1.92,3.92", "0,255,255;;体积: ",
         "hand: the volume in the curve colour, written at x min, y min + Dy/50, z max − Dz/50 "
         "(x, y over −2..2, z over 0..4)"},
        {"337", "",
         "%#12;;%#13;;%#18;;%#23;;rgb3@0,0,3.6;;rgb3@1,1.88,0;;rgb3@0,1.2247,2.55;;at3@2,-2,0.3",
         "0,255,255;;0,64,128;;0,64,128;;0,64,128;;0,255,0;;0,255,0;;0,255,255;;重积分中值定理",
         "hand: the caption in the curve slot, the x, y, z tick values in the ground; the z axis "
         "above f(0, 0) = 3, an x tick in the axes'; 3 − 0.3r² = 22.95/9 at r² = 1.5, the "
         "surfaces' meeting in the curve slot; the caption a line (about 24 px, 0.3 of 79 px a "
         "unit) above the floor's front corner"},
        {"337", "减少#2", "=Meshy", "33", "hand: 50 × 2/3"},
        {"337", "增加#2*2", "=Meshy", "73", "hand: 33 → 49 → 73"},
        {"337", "", "rgb3@0,1.5,1.2;;rgb3@0,1.5,2.5", "0,255,255;;!0,255,255",
         "hand: the wall at D's edge y = 1.5, x = 0, from f = 3 − 0.3 · 2.25 = 2.325 up to the "
         "mean 22.95/9 = 2.55, its line to the floor in the curve slot up to the lower of the "
         "two only"},
        {"318", "增加#2*3", "=Meshy", "168", "hand: 50 → 75 → 112 → 168"},
        {"318", "减少#2", "=Meshy", "112", "hand: 168 × 2/3"},
        {"309", "减少#2*4",
         "=Meshy;;rgb3@1.5,1.9125,-1;;rgb3@1.5,1.85,-1;;rgb3@3.36,0.75,-1;;rgb3@3.36,-0.5,0.5",
         "9;;0,255,0;;!0,255,0;;0,255,0;;0,255,0",
         "hand: 50 → 33 → 22 → 14 → 9; the ticks 0.04 of the span across it: the x tick at 1.5 to "
         "y 2 − 0.1, none at 2 − 0.15; the y tick at 0.75 and the z tick at 0.5 to x 3.5 − 0.16"},
        {"309", "增加#2", "=Meshy", "13", "hand: 9 × 3/2"},
        {"310", "减少", "=Meshx", "33", "hand: 50 × 2/3"},
        {"310", "增加#2", "=Meshy", "75", "hand: 50 × 3/2"},
        {"359", "增加", "=Meshx", "75", "hand: 50 × 3/2"},
        {"359", "减少", "=Meshx", "50", "hand: 75 × 2/3"},
        {"359", "增加#2", "=Meshy", "75", "hand: 50 × 3/2"},
        {"359", "减少#2*2", "=Meshy", "33", "hand: 75 → 50 → 33"},
        {"321", "增加", "=Meshx", "75", "hand: 50 × 3/2"},
        {"321", "增加#2", "=Meshy", "75", "hand: 50 × 3/2"},
        {"321", "关闭投影", "?打开投影", "", "hand: the switch turns"},
        {"321", "打开投影", "?关闭投影;;ati@0.1,2", ";;y",
         "hand: and back; the inset's y named at its axis's top, 8 px (0.1 of x's span 4) right"},
        // The sums' read-out at (−2, −1.92, 4.444), its first letter a little right and below.
        {"321", "近似和|@0,0,0", "rgb3@-2,-1.796,4.329", "0,255,255", "hand: the volume's"},
        {"321", "高斯和|@0,0,0", "rgb3@-2,-1.796,4.329", "0,255,255", "hand: the Gauss integral's"},
    });
}

// Sources: python3. Page 326: y = √x and y = 1 on [1, 4] about the x axis,
// the washers π|x − 1|·dx from their left ends, dx = 3h, h from 0.1 ×1.25 /
// ×0.8 a press (0.1: 12.723, 0.064: 13.246, 0.08: 13.029); the element
// picked at x = 3: its outer surface reaches √3 = 1.732 below the axis, the
// inner one 1.
// Page 328: y = cos x on [-1.5, 1.5], the cone bands π(|y0| + |y1|)·chord
// (h 0.1: 14.271, 0.15625: 14.118, 0.08: 14.310).
PRESS_TABLE(SolidViewPresses, RevolutionButtons) {
    Run({
        {"326/700", "体积近似和|^3,1.2", "体积近似值:", "12.723", "py: 10 washers of 0.3"},
        {"326/700", "dx减*2", "体积近似值:", "13.246", "py: h = 0.064, 16 washers"},
        {"326/700", "dx增", "体积近似值:", "13.029", "py: h = 0.08, 13 washers"},
        {"326/700", "", "旋转体体积:", "14.137", "py: 4.5π"},
        {"326/700", "体积元素", "bare@3.05,-1.3", "3.05,-2.3", "hand: the inner surface only"},
        {"326/700", "显示外部", "ink@3.05,-1.3", "3.05,-2.3", "py: the outer surface to −1.732"},
        {"326/700", "显示内部", "bare@3.05,-1.3", "3.05,-2.3", "hand: the inner again"},
        {"326/700", "绕y轴", "!显示内部", "", "hand: shells, no inner or outer"},
        {"326/700", "绕x轴", "?显示外部", "", "hand: washers again"},
        {"326/700", "y型", "?dy增", "", "hand: the steps along y"},
        {"326/700", "dy增*3", "=h", "0.15625", "hand: 0.08 × 1.25³"},
        {"326/700", "dy减", "=h", "0.125", "hand: × 0.8"},
        {"326/700", "dy减*2", "=h", "0.08", "hand: × 0.8²"},
        {"326/700", "x型", "?dx增", "", "hand: the steps along x again"},
        {"328", "面积近似和|^0.5,0.5", "侧面积近似值:", "14.271", "py: 10 bands of 0.3"},
        {"328", "", "ink@-0.75,-0.6", "1.5,-0.3", "py: the bands reach −cos 0.75 = −0.73"},
        {"328", "", "bare@1,-0.3", "1.5,-0.3", "hand: no band past the picked point"},
        {"328", "dx增*2", "侧面积近似值:", "14.118", "py: h = 0.15625, 7 bands"},
        {"328", "y型", "?dy增", "", "hand: the steps along y"},
        {"328", "dy减*3", "=h", "0.08", "hand: 0.15625 × 0.8³"},
        {"328", "dy增", "=h", "0.1", "hand: × 1.25"},
        {"328", "x型", "侧面积近似值:", "14.271", "py: h = 0.1 along x again"},
    });
}

// Sources: hand. Page 343's element steps from 0.1, ×1.25 / ×0.8 a press,
// dr held within [0.05, 0.2], dθ within [0.1, 1.6], dφ within [0.1, 1].
// Page 364's "截痕:" is a caption and changes nothing. Page 355 opened
// from its menu: the panel of π1; π2, once chosen, stays, its d, e, f
// stepping by 0.1 from the script's 0.4, -0.2, 0.6. Page 357 from its menu:
// π1 z = -0.2x - 0.1y + 1.5; π2 holds the line through P0 = (1.5, 1.5, 2.2)
// along (0.4, 0.8, 1) and stands upright on π1: its normal (0.4, 0.8, 1) ×
// (-0.2, -0.1, -1) = (-0.7, 0.2, 0.12) gives d = 0.7 / 0.12.
PRESS_TABLE(SolidViewPresses, StepsAndPanelChoices) {
    Run({
        {"343", "体元|dr增*3", "=dr", "0.1953125", "hand: 0.1 × 1.25³"},
        {"343", "dr增", "=dr", "0.2", "hand: 0.244 held at 0.2"},
        {"343", "dθ增*3|dθ减", "=dθ", "0.15625", "hand: 0.1 × 1.25³ × 0.8"},
        {"343", "dθ减*3", "=dθ", "0.1", "hand: 0.08 held at 0.1"},
        {"343", "dφ增*3", "=dφ", "0.1953125", "hand: 0.1 × 1.25³"},
        {"343", "dφ减*2", "=dφ", "0.125", "hand: × 0.8²"},
        {"343", "dφ减*2", "=dφ", "0.1", "hand: 0.08 held at 0.1"},
        {"364", "平行坐标面|截痕:", "=φ", "2", "hand: a caption: the mode stays"},
        {"364", "", "?x=c", "", "hand: the plane buttons stay"},
        {"364", "坐标面|截痕:*3", "=φ", "1", "hand: the coordinate planes stay"},
        {"355", "@33756|π1", "?π1:z=ax+by+c", "", "hand: the first plane's panel"},
        {"355", "", "a=", "-0.3", "hand: the script's a"},
        {"355", "π2:", "?π2:z=dx+ey+f", "", "hand: π2 stays chosen"},
        {"355", "d*2", "d=", "0.6", "hand: 0.4 + 2 × 0.1"},
        {"355", "f#2*3", "=π2f", "0.3", "hand: 0.6 − 3 × 0.1"},
        {"355", "", "=π2d", "0.6", "hand: the drawn π2's d"},
        {"355", "", "=π1a", "-0.3", "hand: π1 stays"},
        {"355", "π1", "f=", "0.3", "hand: π1's panel shows π2's f"},
        {"355", "π2:|恢复", "?π1:z=ax+by+c", "", "hand: 恢复 chooses π1"},
        {"355", "", "=π2d", "0.4", "hand: 恢复 brings the script's d back"},
        {"355", "打开投影", "=lower", "30", "hand: π2 stays a plane"},
        {"357", "@33758|打开投影", "=upper", "30", "hand: π1 stays a plane"},
        {"357", "", "=π2d", "5.833333333", "py: π2 through P0 along (0.4, 0.8, 1) ⟂ π1"},
        {"357", "关闭投影|a*2|恢复", "a=", "-0.2", "hand: the script's a"},
        {"357", "a", "a=", "-0.1", "hand: −0.2 + 0.1"},
        // π1's b and c, π2's e by ±0.1 a press; "结束" takes the panel away
        // and leaves the planes as stepped.
        {"355", "@33756|π1|b*3", "b=", "0.5", "hand: 0.2 + 3 × 0.1"},
        {"355", "", "%a=;;%b=;;%c=;;%d=;;%e=;;%f=",
         "0,255,255;;0,255,255;;0,255,255;;0,255,255;;0,255,255;;0,255,255",
         "hand: the panel's values in the curve slot"},
        {"355", "b#2*4", "b=", "0.1", "hand: 0.5 − 4 × 0.1"},
        {"355", "c*3", "c=", "2.3", "hand: 2 + 3 × 0.1"},
        {"355", "c#2*4", "c=", "1.9", "hand: 2.3 − 4 × 0.1"},
        {"355", "π2:|e*3", "e=", "0.1", "hand: −0.2 + 3 × 0.1"},
        {"355", "e#2*4", "e=", "-0.3", "hand: 0.1 − 4 × 0.1"},
        {"355", "d*3", "=π2d", "0.7", "hand: 0.4 + 3 × 0.1"},
        {"355", "结束", "!e=", "", "hand: the panel goes"},
        {"355", "", "=π2d", "0.7", "hand: π2 keeps its d"},
        {"355", "", "!π2:z=dx+ey+f", "", "hand: its title with it"},
        {"357", "@33758|b*3", "b=", "0.2", "hand: −0.1 + 3 × 0.1"},
        {"357", "b#2*4", "b=", "-0.2", "hand: 0.2 − 4 × 0.1"},
        {"357", "c*3", "c=", "1.8", "hand: 1.5 + 3 × 0.1"},
        {"357", "c#2*4", "c=", "1.4", "hand: 1.8 − 4 × 0.1"},
        {"357", "a#2*2", "=π1a", "-0.4", "hand: −0.2 − 2 × 0.1"},
        {"357", "结束", "!c=", "", "hand: the panel goes"},
        {"357", "", "=π1a", "-0.4", "hand: π1 keeps its a"},
    });
}

// Sources: hand. Page 373: the cone of apex A = (−1, −1, 2.3) over the base
// centre B = (0.5, 0.6, 1), its axis drawn from A − d/2 to A + 1.5d, d =
// B − A = (1.5, 1.6, −1.3): A + 1.35d = (1.025, 1.16, 0.545). Page 341: the point picked at
// (1, 1.5) on the base, raised by z增 0.125 a press; the line from the z axis to it at its height,
// its middle (0.5, 0.75, z). Picked anew at (1.5, 0.3): r0 = 1.5297, θ0 =
// 0.1974, the element in (255, 128, 0) from r0 out by 3.5355 dr (the
// floor's diagonal), from 0.75 up by 2.5 dz, the columns below and inside it
// in (0, 150, 255). Page 343 picked at (0.4, 1.2):
// r0 = 1.2649, θ0 = 1.2490, φ 0.1 a press; the element from r0 out by
// 0.1 × √32, its edges at θ0 + dθ and φ + dφ in (255, 128, 0). The arc of
// φ: cos t u + sin t v, u = (0, 0, ρ/4), v = (x0, y0, zc)/4, zc = r0 cos φ;
// the level lines (255, 100, 100) from (0, 0, zc) to the element's corners,
// the cone inside it (0, 150, 255), the wedge below it (0, 255, 255).
PRESS_TABLE(SolidViewPresses, SpaceLinesEndWhereTheyShould) {
    Run({
        {"354", "",
         "ink3@-0.3333,1.7163,0;;bare3@2.4902,0.2394,0;;rgb3@0.87,0.07,0.8;;rgb3@1.7,0.3,0.6;;"
         "rgb3@2.4902,0.2394,0",
         "0,1.9,0.3;;2.8824,0.3951,0;;255,120,255;;255,120,255;;!150,60,150",
         "hand: the tail of y below the line, by the y axis's tip; none by x's; the third "
         "patch's normal (−1, −1, 0)/√2 from (1.4, 0.6, 0.8), three quarters along, its edge "
         "P + u − v/2, its fill kept inside"},
        {"373", "@0,0,0",
         "ink3@1.025,1.16,0.545;;rgb3@1.025,1.16,0.545;;rgb3@-0.0922,-0.5448,1.4077",
         "1.3,0.6,0;;0,255,255;;0,255,255",
         "hand: the axis past the base, in the curve slot; py: the marked generator A → P(2) "
         "there too, at its middle, P(2) = (0.8156, −0.0896, 0.5154)"},
        {"373", "", "bare3@1.025,0.96,0.545;;rgb3@-1.705,-1.752,2.911;;rgb3@-1,-1,2.3",
         "1.3,0.6,0;;0,255,255;;229,94,25",
         "hand: an axis 0.2 off in y; the axis from A − d/2, at A − 0.47d; py: the apex in the "
         "last front generator's shade, P(5π/2) = (0.5, 0.0325, 0.3015), t = z/3, from the pen "
         "(255, 80, 0) toward the fill (0, 220, 255)"},
        {"373", "",
         "rgb3@1.1566,-0.0155,1;;rgb3@0.1861,0.2652,0.2258;;rgb3@-0.1566,1.2155,1;;rgb3@0.8139,0."
         "9348,1.7742",
         "250,255,0;;250,255,0;;250,255,0;;250,255,0",
         "py: the base circle, B + 0.9 (cos t u + sin t w), u ⟂ d, w = d × u"},
        {"341", "^1,1.5,0|z增*4", "ink3@0.5,0.75,0.5", "0.5,0.75,1.2", "hand: 4 × 0.125"},
        {"341", "", "bare3@0.5,0.75,0.625", "0.5,0.75,1.2", "hand: a step too many"},
        {"341", "", "rgb3@0.5,0.75,0.5;;ink3@1,1.5,0.5;;bare3@1,1.5,0.6",
         "0,255,255;;1,1.5,1.2;;1,1.5,1.2",
         "hand: the radius at z = 0.5 in the curve slot; the arrow (r,θ,z) ends there"},
        {"341", "z减", "ink3@0.5,0.75,0.375", "0.5,0.75,1.2", "hand: 0.5 − 0.125"},
        {"341", "^1.5,0.3,0", "rgb3@0.75,0.15,0.375", "0,255,255", "hand: z to the point"},
        {"341", "", "rgb3@0.75,0.15,0;;head3@0,0,0>0.75,0.15,0", "0,255,255;;0,255,255",
         "hand: the arrow (r,θ,0), halfway; its tail at the origin thinner than its middle"},
        {"341", "", "rgb3@1.5,0.3,0.1875;;rgb3@1.5,0.3208,0.3516;;at3@1.5,0.3417,0.375",
         "0,255,255;;0,255,255;;(r,θ,z)",
         "hand: the arrow (r,θ,z), halfway; its head's base 3 px below its tip at z 0.375, 2 px "
         "right of the stroke (4 px right: y 4/192, 3 px down: z 3/128 at this page's scales); "
         "its name 8 px right of the tip"},
        {"341", "体元", "rgb3@1.8259,0.4612,1", "255,128,0", "py: the outer arc's middle"},
        {"341", "", "rgb3@1.8259,0.4612,1.15;;rgb3@0.75,0.15,1.25", "!255,128,0;;!0,150,255",
         "py: above the top; hand: nor the inner column past zE + dz = 0.75 + 0.25"},
        {"341", "", "rgb3@1.6733,0.3347,0.75", "255,128,0",
         "py: its floor's radial edge at θ0, r0 + dr/2 along (cos θ0, sin θ0)"},
        {"341", "", "rgb3@1.8467,0.3693,0.375;;rgb3@1.8467,0.3693,0.6;;rgb3@1.8467,0.3693,0.95",
         "0,150,255;;0,150,255;;255,128,0",
         "py: the column below it, at θ0, its upright edge to zE = 0.75, the element's on to 1"},
        {"341", "", "rgb3@1.8259,0.4612,0", "0,150,255", "py: its outer arc on the floor"},
        {"341", "", "rgb3@0.75,0.15,1", "0,150,255", "py: the inner column's top, r0/2"},
        {"341", "", "rgb3@0.75,0.15,0", "0,150,255", "py: its floor"},
        {"341", "", "rgb3@1.14,1.14,0;;rgb3@1.14,1.14,0.75", "!0,150,255;;!255,128,0",
         "py: the arcs of r0 and r0 + dr keep to their circles, off y = x"},
        {"341", "dz增*2", "rgb3@1.8259,0.4612,1.1406", "255,128,0", "py: the top raised"},
        {"341", "", "rgb3@1.8259,0.4612,1", "!255,128,0", "py: the old top"},
        {"341", "dr减*3", "rgb3@1.6586,0.4189,1.1406", "255,128,0", "py: the outer arc in"},
        {"341", "", "rgb3@1.8259,0.4612,1.1406", "!255,128,0", "py: where it was"},
        {"341", "dθ增*3", "rgb3@1.5805,0.6547,0.9453", "255,128,0", "py: the far outer edge"},
        {"341", "", "rgb3@1.6356,0.5013,0.9453", "!255,128,0", "py: where it was"},
        {"343", "^0.4,1.2,0",
         "rgb3@0.2,0.6,0.6325;;head3@0,0,0>0.4,1.2,0;;rgb3@0.4,1.2333,1.241;;at3@0.4,1.2667,1.2649",
         "0,255,255;;0,255,255;;0,255,255;;(r,θ,φ)",
         "py: the middle of OP at φ 0; the arrow (r,θ,π/2) with its head at the point; hand: the "
         "head of (r,θ,φ) at its top z √1.6, its base 3 px below the tip and 2 px right of the "
         "stroke (y 4/120, z 3/125.7 at this page's scales); its name 8 px right of the tip"},
        {"343", "", "rgb3@0.3869,0.2121,0", "255,128,0",
         "py: θ's arc on the floor, cos t·(ρ/4, 0, 0) + sin t·(x0, y0, 0)/4 at t = π/4"},
        {"343", "", "rgb3@0.4568,0.0887,0", "255,128,0",
         "py: the same at t = 0.3, near the x axis"},
        {"343", "",
         "%#2;;%#3;;%#4;;%#5;;rgb3@0.2,0.6,0;;rgb3@0.4,1.2,0.63;;ink3@0.4,1.2,1.2649;;bare3@0.4,1."
         "2,"
         "1.45",
         "255,128,0;;0,255,255;;0,255,255;;0,64,128;;0,255,255;;0,255,255;;-2,0,2;;-2,0,2",
         "hand: the prompt in the pen, the arrows' labels in the curve slot, a tick value in the "
         "ground; the arrows to (0.4, 1.2, 0) and up to z = √1.6 = 1.2649 in the curve slot"},
        {"343", "φ增*10", "rgb3@0.2,0.6,0.3417", "0,255,255", "py: the middle of OP at φ 1"},
        {"343", "", "rgb3@0.0707,0.2121,0.375", "255,128,0", "py: the arc of φ, (u + v)/√2"},
        {"343", "", "rgb3@0.2121,0.0707,0.375", "!255,128,0", "py: not toward (y0, x0)"},
        {"343", "体元", "rgb3@0.3492,1.549,0.9109", "255,128,0", "py: the far φ edge, outside"},
        {"343", "", "rgb3@0.4379,1.5716,0.8304;;rgb3@0.2775,0.8326,1.6065",
         "255,128,0;;0,255,255",
         "py: the lower θ edge, outside; the shell's outer φ arc at θ0 = atan 3, r0 + dr = √1.6 + "
         "0.1·√32 = 1.8306, φ 0.5, in the curve slot"},
        {"343", "dφ增*3", "rgb3@0.4571,1.6406,0.6713", "255,128,0", "py: the θ edge lowered"},
        {"343", "", "rgb3@0.4379,1.5716,0.8304", "!255,128,0", "py: where it was"},
        {"343", "", "rgb3@0.3675,1.63,0.7478", "255,128,0", "py: the φ edge stays"},
        {"343", "dθ增*3", "rgb3@0.2107,1.6576,0.7478", "255,128,0", "py: the φ edge turned"},
        {"343", "", "rgb3@0.3675,1.63,0.7478", "!255,128,0", "py: where it was"},
        {"343", "", "rgb3@0.1683,0.5049,0.6834", "255,100,100", "py: level from (0, 0, r0 cos φ)"},
        {"343", "", "rgb3@0.0671,0.5279,0.6834", "255,100,100", "py: to the θ0 + dθ edge"},
        {"343", "", "rgb3@0.2861,0.8583,0.6834", "255,100,100", "py: the θ0 one, 0.85 of the way"},
        {"343", "", "rgb3@0.1683,0.5049,0.3417", "0,150,255", "py: the cone to (r0, θ0, φ)"},
        {"343", "", "rgb3@0.2,0.6,0", "0,255,255", "py: the wedge below it on the floor"},
    });
    // Page 341's frame with z from 0 to 5: dr is a share of the x–y diagonal √12.5, so the
    // element at (1.5, 0.3) ends at r0 + 0.3536 = 1.8833, not r0 + 0.1 · √31.25 = 2.0887; its
    // top at 0.3 · 5 + 0.1 · 5 = 2.
    RunScript("700DATA2(0,-0.5,0,-0.5,0,0,2,)\n700DATA2(1,0,0,0,0,0,0,)\n"
              "700CylCoord(0.7,6,36,10,1,1,0,-0.5,2,-0.5,2,0,5,1,1)\n",
              {
                  {"2101", "^1.5,0.3,0|体元", "rgb3@1.8259,0.4612,2", "255,128,0",
                   "py: the outer top arc's middle, θ0 + 0.05"},
              });
}

// Sources: python3. Page 374: the circle x = cos t, y = sin t at z = 0 along
// t = 6.28 i/100, each element line to z = 2 (the direction (P, Q, R) =
// (0, 0, 1) made as long as the z span, the circle moved along it drawn in
// (0, 255, 255), the direction itself an arrow in (0, 150, 255) from
// (1.5 − 0.1 · 3, 0, 0)) coloured from (255, 128, 0) toward
// (100, 250, 150) by i/100: i 5 (0.9511, 0.3089) in (247, 134, 7); "P增"
// adds the step 0.1 to P, five of them give the direction 2(0.5, 0, 1)/1.1180.
// The helix (cos t, sin t, 0.2t) in (0, 255, 255), its vertex t = 79 · 0.0942
// at (0.4006, 0.9162, 1.4884), its shadow on z = 0 in (255, 128, 0). Page
// 344: the lattice
// arrow at (0.4, −0.4, 1.2), r1 = 0.6001, r2 = 2.2716 from the source at
// z = 1 and the sink at z = −1, half a unit along the field: to (0.7398,
// −0.7398, 1.3380), in (255 − 60r1, 15(r1 + r2), 255 − 60r2) = (218, 43, 118).
// Page 345: z = −0.5x² − 0.5y² + 0.6x + 0.4y + 3 cut through the point picked
// (1, −0.5), where z = 2.775, fx = −0.4, fy = 0.9: the sections in
// (0, 255, 255), the tangent lines in (255, 128, 0).
PRESS_TABLE(SolidViewPresses, ElementLinesArrowsAndCurves) {
    Run({
        {"374/2400", "", "rgb3@0.4006,0.9162,1.4884", "0,255,255", "py: the helix at t 7.4418"},
        {"374/2400", "", "rgb3@0.9162,0.4006,1.4884", "!0,255,255", "py: x and y swapped"},
        {"374/2400", "",
         "at3@-1.5,-1.2,1.8;;at3@-1.5,-1.2,2;;%空间曲线{y=y(t)  ;;%         x=x(t) ",
         "空间曲线{y=y(t)  ;;         x=x(t) ;;0,255,255;;0,255,255",
         "hand: the caption at x −1.5, y −1.5 + 0.1 × 3, z 2 − 0.1 × 2 and z 2; its lines "
         "after the first in the curve's colour"},
        {"374/2400", "", "rgb3@0.4006,0.9162,0;;rgb3@0.4006,0.9162,0.7;;rgb3@0.4428,0.8954,0.7442",
         "255,128,0;;199,180,164;;!255,128,0",
         "py: its shadow on xOy; the drop to it shaded by height, (199, 125, 60) toward 200 by "
         "1.4884/2; the shadow's step from t 7.3476 stays on the floor"},
        {"374/2400", "P增|取消", "rgb3@0.9511,0.3089,1", "247,134,7", "py: element 5 at z 1"},
        {"374/2400", "", "rgb3@0.3089,0.9511,1", "!247,134,7", "py: x and y swapped"},
        {"374/2400", "", "rgb3@0.9511,0.3089,2", "247,134,7", "py: it ends at z 2"},
        {"374/2400", "", "rgb3@0.8092,0.5875,2", "0,255,255", "py: the circle at z 2, t 0.628"},
        {"374/2400", "", "rgb3@1.2,0,1", "0,150,255", "py: (P, Q, R) from (1.2, 0, 0)"},
        {"374/2400", "", "%#3;;%#4", "0,150,255;;0,64,128",
         "hand: the label (P,Q,R) in the fill, a tick value in the ground"},
        {"374/2400", "P增*5", "rgb3@1.1747,0.3089,0.4472", "247,134,7", "py: a quarter along"},
        {"374/2400", "", "rgb3@0.9511,0.3089,1", "!247,134,7", "py: no longer upright"},
        {"374/2400", "", "rgb3@1.7036,0.5875,1.7889", "0,255,255", "py: the circle moved along"},
        {"374/2400", "", "rgb3@1.6472,0,0.8944", "0,150,255", "py: (P, Q, R) half way"},
        {"344", "画矢量场", "rgb3@0.5699,-0.5699,1.269;;rgb3@-2.1947,-1.3168,1.0954",
         "218,43,118;;114,83,62",
         "py: half way; the lattice's first x, −2: from (−2, −1.2, 1.2) (r1 2.3409, r2 3.2062) "
         "half way"},
        {"344", "",
         "rgb3@0.7398,-0.7398,1.338;;rgb3@0.7597,-1.8993,-0.6252;;rgb3@0.7597,1.8993,-0.6252",
         "218,43,118;;100,72,120;;!100,72,120",
         "py: the tip; the lattice's first y, −2: the arrow from (0.8, −2, −0.4) (r1 2.5691, r2 "
         "2.2361) half way, in (100, 72, 120); none from (0.8, 2, −0.4), past the last y 1.6"},
        {"344", "", "rgb3@0.8418,-0.8418,1.3794;;head3@0.4,-0.4,1.2>0.7398,-0.7398,1.338",
         "!218,43,118;;218,43,118", "py: past the tip; the head at the tip, from (0.4, −0.4, 1.2)"},
        {"344", "", "rgb3@1.8368,-0.4592,1.1458;;rgb3@1.7202,0.43,0.1829", "155,66,90;;149,58,125",
         "py: the lattice's last x, −2 + 9 · 0.4 = 1.6: the arrows from (1.6, −0.4, 1.2) (r1 "
         "1.6614, r2 2.7496) and (1.6, 0.4, 0.4) (r1 1.755, r2 2.1634) half way"},
        {"344", "含源和汇",
         "rgb3@-1.2352,-0.4117,0.0886;;rgb3@-1.2352,-0.4117,0.0886;;rgb3@1.2352,0.4117,0.0886;;"
         "rgb3@1.2352,0.4117,0.0886",
         "165,48,150;;!164,48,150;;165,48,150;;!164,48,150",
         "py: where the surfaces nearly meet, (∓1.2, ∓0.4): f = 0.208 over g = 0.192, the "
         "arrow a quarter along from f (r1 1.4924: red 165) drawn over the one from g (r1 1.5010: "
         "164)"},
        {"345", "^1,-0.5,0", "rgb3@1.5,-0.5,2.45", "0,255,255", "py: the section y = −0.5"},
        {"345", "", "rgb3@1.5,-0.5,2.05", "!0,255,255", "py: f(y0, x), x and y swapped"},
        {"345", "", "rgb3@1,-1.2,1.9", "0,255,255", "py: the section x = 1"},
        {"345", "", "rgb3@1,-1.2,1.46", "!0,255,255", "py: f(y, x0), swapped"},
        {"345", "", "rgb3@-1,-0.5,3.575", "255,128,0", "py: the tangent in x, slope −0.4"},
        {"345", "", "rgb3@1,0.5,3.675", "255,128,0", "py: the tangent in y, slope 0.9"},
        {"345", "", "rgb3@1,0.8,1;;rgb3@1.25,-0.5,1", "153,212,212;;199,193,188",
         "py: the section x = 1 from the curve slot toward grey 200 by (y + 1.5)/3, the front half "
         "of y = −0.5 from the section's (199, 125, 60) by (x + 1.5)/3, under f = 3.1 and 2.64"},
        {"345", "^1,1.2,0", "rgb3@-0.4,1.2,1", "199,152,111",
         "py: the back half of y = 1.2, right of the section x = 1, at (x + 1.5)/3 = 0.367 under "
         "f = 2.44"},
    });
}

// Sources: python3. Page 379's surfaces filled, θ_r form: the upper z = 2 − (x² + y²)/2 in
// (0, 50, 250) toward (255, 100, 100) by d = 0.7(1.6 − x)/3.2 + 0.3z/2.2.
PRESS_TABLE(SolidViewPresses, TheCylindricalSurfacesFill) {
    RunScript("700DATA2(0,-0.5,0,-0.5,0,0,2,)\n700DATA2(1,0.3,0,0.3,0,0,0,)\n"
              "700CylSurf(0.8,6,36,10,1,0,0,-1.6,1.6,-1.6,1.6,0,2.2,1,1,0,3.14,0,1.5,0,1)\n",
              {
                  {"2101", "", "rgb3@-1.2,-0.3,1.235;;rgb3@-1,0.5,1.375", "199,89,132;;192,87,136",
                   "py: d 0.7809 and 0.7562 (not 0.3 and 0.7 the other way round: (167, 82, 151), "
                   "(173, 84, 147))"},
              });
    // Its side at r = 1.5 with both walls (last argument 2): at θ 0, (0, 1.5), the wall down
    // to the floor in the front side's (0, 100, 255) under the one down to the lower
    // z = 0.3(x² + y²) = 0.675 in the back side's (0, 100, 100); the upper there at
    // 2 − 1.5²/2 = 0.875.
    RunScript("700DATA2(0,-0.5,0,-0.5,0,0,2,)\n700DATA2(1,0.3,0,0.3,0,0,0,)\n"
              "700CylSurf(0.8,6,36,10,0,0,0,-1.6,1.6,-1.6,1.6,0,2.2,1,1,0,3.14,0,1.5,0,2)\n",
              {
                  {"2101", "", "rgb3@0,1.5,0.12;;rgb3@0,1.5,0.775", "0,100,255;;0,100,100",
                   "hand: below the lower surface the floor wall, above it the lower's"},
              });
}

// Sources: python3. Page 374's cylinder over the unit circle, its element
// 5 from (0.9511, 0.3089, 0) in (247, 134, 7) along 2(P, Q, R)/|(P, Q,
// R)| (P, Q, R from (0, 0, 1), 0.1 a press): a quarter along it at
// (0.9511, 0.4525, 0.4789) for (0, 0.3, 1), (0.9511, 0.1652, 0.4789) for
// (0, −0.3, 1), (0.9511, 0.1964, 0.4872) for (0, −0.3, 1.3), (0.8130,
// 0.1708, 0.4603) for (−0.3, −0.3, 1); "取消" brings (0, 0, 1) back.
PRESS_TABLE(SolidViewPresses, TheCylindersDirectionButtons) {
    Run({
        {"374/2400", "Q增*3", "rgb3@0.9511,0.4525,0.4789", "247,134,7", "py: (0, 0.3, 1)"},
        {"374/2400", "", "rgb3@0.9511,0.3089,1", "!247,134,7", "py: no longer upright"},
        {"374/2400", "Q减*3", "rgb3@0.9511,0.3089,1", "247,134,7", "py: (0, 0, 1) again"},
        {"374/2400", "Q减*3", "rgb3@0.9511,0.1652,0.4789", "247,134,7", "py: (0, −0.3, 1)"},
        {"374/2400", "", "rgb3@0.9511,0.4525,0.4789", "!247,134,7", "py: not Q's sign swapped"},
        {"374/2400", "R增*3", "rgb3@0.9511,0.1964,0.4872", "247,134,7", "py: (0, −0.3, 1.3)"},
        {"374/2400", "R减*3", "rgb3@0.9511,0.1652,0.4789", "247,134,7", "py: (0, −0.3, 1)"},
        {"374/2400", "P减*3", "rgb3@0.813,0.1708,0.4603", "247,134,7", "py: (−0.3, −0.3, 1)"},
        {"374/2400", "", "rgb3@0.9511,0.1652,0.4789", "!247,134,7", "py: the last direction's"},
        {"374/2400", "取消", "rgb3@0.9511,0.3089,1", "247,134,7", "hand: upright again"},
    });
    // The space curve's own mesh; once clicked it is the only figure drawn.
    Run({
        {"374/2400", "增加#3", "=Meshx", "75", "hand: 50 × 3/2"},
        {"374/2400", "减少*2", "=Meshx", "33", "hand: 75 → 50 → 33"},
        {"374/2400", "增加#2", "=Meshy", "75", "hand: 50 × 3/2"},
        {"374/2400", "减少#2", "=Meshy", "50", "hand: 75 × 2/3"},
    });
}

// Sources: hand. The quadratic-form surface z = a x² + 2b xy + c y² of
// the scene, a, b, c the curve's coefficients 0.5, 0.6, −0.4: b² − ac =
// 0.36 + 0.2.
PRESS_TABLE(SolidViewPresses, TheQuadraticFormsDiscriminant) {
    RunScript("700DATA1(0,0.5,0.6,-0.4,0,0,0,)\n"
              "700Surf(0.8,6,36,10,1,0,0,-1.5,1.5,-1.5,1.5,-2.5,2.5,22,-1,0,0,0,1,1)\n",
              {
                  {"2101", "",
                   "b^2-ac=;;at3@-1.5,-1.2,1.5;;a=;;b=;;c=;;at3@-1.5,-0.3,2.5",
                   "0.560;;b^2-ac=;;0.50;;0.60;;-0.40;;b=",
                   "hand: 0.6² + 0.5 × 0.4; at x min, y min + 0.1 · 3, z max − 0.2 · 5; the "
                   "curve's a, b, c as given, b not doubled; b at y min + 0.4 · 3, z max"},
              });
    // The dome z = 1 − x² − y² in a box of x from −4 to 4: the x axis comes out of it past
    // x = 1, named at (4, 0.05 · 3, 0.1 · 5), not at y 0.05 · 8.
    RunScript("700DATA2(0,-1,0,-1,0,0,1,)\n"
              "700Surf(0.8,6,36,10,1,0,0,-4,4,-1.5,1.5,-2.5,2.5,1,-1,0,0,0,1,1)\n",
              {
                  {"2101", "", "at3@4,0.15,0.5", "x", "hand: x max, y 0.15, z 0.5"},
              });
    // A box wider in x, [−3, 3]: the label's y is still −1.5 + 0.1 · 3, not −1.5 + 0.1 · 6.
    RunScript("700DATA1(0,0.5,0.6,-0.4,0,0,0,)\n"
              "700Surf(0.8,6,36,10,1,0,0,-3,3,-1.5,1.5,-2.5,2.5,22,-1,0,0,0,1,1)\n",
              {
                  {"2101", "", "at3@-3,-1.2,1.5", "b^2-ac=", "hand: x min, y −1.2, z 1.5"},
              });
}

// Sources: python3. Page 374's helix x = cos t, y = sin t, z = 0.2t, t in
// [0, 9.42], projected on all three planes, the mesh down to 5 + 5 so
// that the chords run between t = 0.942 n: the middle of the chord of
// t 4.71 to 5.652 on xOz, (0.4025, 0, 1.0362); of t 3.768 to 4.71 on yOz,
// (0, −0.7931, 0.8478); each in (255, 128, 0).
PRESS_TABLE(SolidViewPresses, TheHelixOnTheUprightPlanes) {
    RunScript("700DATA1(0,1,1,0,0,0,0,)\n"
              "700DATA1(1,0,0.2,0,0,0,0,1,)\n"
              "700SpaceCurve(0.7,6,36,10,1,39,1,-1.5,1.5,-1.5,1.5,0,2,0,1,4,0,9.42)\n",
              {
                  {"2101", "减少*6|减少#2*6", "rgb3@0.4025,0,1.0362", "255,128,0", "py: on xOz"},
                  {"2101", "", "rgb3@0,-0.7931,0.8478", "255,128,0", "py: on yOz"},
              });
    // The cylinder over the circle x = cos t, z = sin t on the wall y = −1.5,
    // 5 + 5 mesh: chords fan from t = 0.628 n; t 0.314 between, in (0, 255, 255).
    RunScript("700DATA1(0,1,1,0,0,0,0,)\n"
              "700Cylinder(0.7,6,36,10,1,39,1,-1.5,1.5,-1.5,1.5,-1.5,1.5,1,1,1,0,6.28,0,1,0)\n",
              {
                  {"2101", "减少*6|减少#2*6",
                   "rgb3@0.9511,-1.5,0.3089;;rgb3@0.9511,1.5,0.3089;;rgb3@1.2,0,0;;"
                   "head3@1.2,-1.5,0>1.2,1.5,0",
                   "0,255,255;;0,255,255;;0,150,255;;0,150,255",
                   "py: cos, sin 0.314 on the wall and 3(0, 1, 0) on; (P, Q, R) from (1.5 − "
                   "0.3, −1.5, 0), its head at the far end (1.2, 1.5, 0)"},
              });
    // The same in a box of z from 0 to 2: (P, Q, R) starts at z max − z span / 2 = 1, not at
    // 2 − 3/2 with the y span's half.
    RunScript("700DATA1(0,1,1,0,0,0,0,)\n"
              "700Cylinder(0.7,6,36,10,1,39,1,-1.5,1.5,-1.5,1.5,0,2,1,1,1,0,6.28,0,1,0)\n",
              {
                  {"2101", "", "rgb3@1.2,0,1;;head3@1.2,-1.5,1>1.2,1.5,1;;rgb3@1.2,0,0.5",
                   "0,150,255;;0,150,255;;!0,150,255",
                   "hand: (P, Q, R) from (1.2, −1.5, 1) to (1.2, 1.5, 1); none at z 0.5"},
              });
    // The cylinder over y = x and y = x² on the floor, u over [0, 2] in
    // 100 steps of 0.02, x over [−1, 3]: the lower curve's upright line at
    // u = 0.5 from (255, 128, 0) toward (200, 100, 250) by (0.5 + 1)/4 =
    // 0.375: (234.375, 117.5, 93.75), whole parts.
    RunScript("700Cylinder(0.7,6,36,10,20,21,0,-1,3,-1,2,0,2,0,1,1,0,2,0,0,1)\n",
              {
                  {"2101", "", "rgb3@0.5,0.25,1", "234,117,93",
                   "py: half way up the line over (0.5, 0.25)"},
              });
}

} // namespace
