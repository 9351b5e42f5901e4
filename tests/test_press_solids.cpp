// The buttons of the 3-D lessons and the step buttons of the annotations,
// pressed button by button. These pages print no value of what a button
// changes, so a row reads the value the next figure is drawn from.
#include "press_table.h"

namespace {

// Sources: hand. Page 341: x and y in [-0.5, 2], z in [0, 2.5]; z moves by
// 0.05 · 2.5, the element's steps start at 0.1 and go ×1.25 / ×0.8. Page
// 603: x in [-0.25, 1.25], y in [-0.5, 2.5], a plane moves a twentieth of
// its own span. Page 364: the box [-1.5, 1.5]², the planes at 1.0. Page 342:
// the element's size 0.05 apart in [0.05, 0.2]. Page 374: (P, Q, R) =
// (0, 0, 1) from the script, 0.1 a press. Page 359: λ from its start-up 5,
// 0.1 a press. Page 321: z = 4 − x²/2 − y²/4 over [-1.5, 1.5]², cut by
// the range [-2, 2]² whose ends step a tenth of their span a press. Page 365
// the solid of 603. Pages 375-377: the boxes [−2.2, 2.2]³, [−2.2, 2.2]² ×
// [−0.4, 2.4] and [−2.6, 2.6]³, the planes at 1.0 and 0 a twentieth of the
// span a press, the floor's trace at 0.005 of the z span; the mesh from 50,
// ×3/2 and ×2/3 in whole numbers, at least 5.
PRESS_TABLE(SolidPresses, StepButtonsOfTheSolidPages) {
    Run({
        {"341", "", "=p", "0", "hand: a new topic"},
        {"341", "",
         "%#2;;%#3;;%#8;;%#13;;%取消;;%(r,θ,0);;rgb3@0,0,1.5;;rgb3@1.91,-0.5,1.25;;rgb3@-0.5,0."
         "75,2.5;;at3@-0.5,-0.448,2.5",
         "255,128,0;;0,64,128;;0,64,128;;0,64,128;;0,255,255;;0,255,255;;0,255,0;;0,255,0;;0,255,"
         "255;;在底面上选一点",
         "hand: the prompt in the pen; x, y, z tick values in the ground; the arrows' labels, "
         "the box in the curve slot; the z axis, a z tick in the axes'; the prompt 10 px (2.5/480 "
         "a pixel in y) right of the box's far top corner"},
        {"341", "z增*4", "=p", "0.5", "hand: 4 × 0.125"},
        {"341", "z减*3", "=p", "0.125", "hand: 0.5 − 3 × 0.125"},
        {"341", "z减*2", "=p", "-0.125", "hand: no bound"},
        {"341", "体元", "=dr", "0.1", "hand: the default"},
        {"341", "dr减*3", "=dr", "0.0512", "hand: 0.1 × 0.8³"},
        {"341", "dr增", "=dr", "0.064", "hand: 0.0512 × 1.25"},
        {"341", "dr增*7", "=dr", "0.2", "hand: 0.064 × 1.25⁶ = 0.244 held at 0.2; 0.25 held again"},
        {"341", "dθ增*4", "=dθ", "0.244140625", "hand: 0.1 × 1.25⁴"},
        {"341", "dθ减*2", "=dθ", "0.15625", "hand: × 0.8²"},
        {"341", "dz减*2", "=dz", "0.064", "hand: 0.1 × 0.8²"},
        {"603", "按x型", "=m", "0.5", "hand: the middle of [-0.25, 1.25]"},
        {"603", "后移*3", "=m", "0.275", "hand: 0.5 − 3 × 1.5/20"},
        {"603", "前移", "=m", "0.35", "hand: 0.275 + 0.075"},
        {"603", "按y型", "=n", "1", "hand: the middle of [-0.5, 2.5]"},
        {"603", "左移*3", "=n", "0.55", "hand: 1 − 3 × 3/20"},
        {"603", "右移", "=n", "0.7", "hand: 0.55 + 0.15"},
        {"364", "平行坐标面|y=c", "=n;;at3@1.5,0.45,-2.8333", "1;;0.75",
         "hand: the topic's 1.0; the y tick 0.75's value at x max, y 0.75 − 3/10, z −2.5 − 5/15"},
        {"364", "右移", "=n", "1.15", "hand: 1 + 3/20"},
        {"364", "右移*2", "=n", "1.45", "hand: 1 + 3 × 0.15"},
        {"364", "左移*4", "=n", "0.85", "hand: 1.45 − 4 × 0.15"},
        {"364", "x=c", "=m", "1", "hand: the topic's 1.0"},
        {"364", "后移*3", "=m", "0.55", "hand: 1 − 3 × 0.15"},
        {"364", "前移", "=m", "0.7", "hand: 0.55 + 0.15"},
        {"342", "", "=p", "0.05", "hand: 0 brought up to 0.05"},
        {"342", "放大*3", "=p", "0.2", "hand: 0.05 + 3 × 0.05"},
        {"342", "缩小", "=p", "0.15", "hand: 0.2 − 0.05"},
        {"342", "缩小*3", "=p", "0.05", "hand: at most down to 0.05"},
        {"342", "放大", "=p", "0.1", "hand: 0.05 + 0.05"},
        {"374", "Q减*3", "=Q", "-0.3", "hand: 0 − 3 × 0.1"},
        {"374", "Q增", "=Q", "-0.2", "hand: −0.3 + 0.1"},
        {"374", "R减*3", "=R", "0.7", "hand: 1 − 3 × 0.1"},
        {"374", "R增", "=R", "0.8", "hand: 0.7 + 0.1"},
        {"374", "P增*2", "=P", "0.2", "hand: 0 + 2 × 0.1"},
        {"374", "P减", "=P", "0.1", "hand: 0.2 − 0.1"},
        {"374", "", "=Q", "-0.2", "hand: Q keeps its value"},
        {"359", "", "rgb3@0.3,0.975,0.4125", "255,83,83",
         "hand: the member 5x + y = 6z on opening, red 200·(1 − 2.9125/5) = 83.5"},
        {"359", "λ增", "λ=;;at3@-1.5,-1.5,2.5",
         "5.100;;λ=", "hand: the start-up λ = 5, + 0.1; written at (x min, y min, z max)"},
        {"359", "λ减*3", "λ=", "4.800", "hand: 5.1 − 3 × 0.1"},
        {"321", "近似和", "体积近似值:;;at3@-2,-1.92,4.4444", "30.941;;体积近似值:",
         "py: the midpoints of 38² cells of side 3/38 under 4 − x²/2 − y²/4; hand: at x min, "
         "y min + 4/50, z max − 5/9"},
        {"321", "高斯和", "?30.93", "", "hand: 36 − 3.375 − 1.6875 = 30.9375, three decimals"},
        {"321", "", "体积:;;%体积:;;at3@-2,-1.92,4.9", "30.938;;0,255,255;;体积:",
         "py: 500² midpoints on [−1.5, 1.5]², 30.93752; hand: in the curve slot, at x min, y "
         "min + 4/50, z max − 5/50"},
        {"321", "↗#2*2", "高斯积分:;;at3@-2,-1.92,4.4444", "28.698;;高斯积分:",
         "py: x up to 2 − 0.4 − 0.36 = 1.24; hand: where the sum of the cells stood"},
        {"321", "→*2", "高斯积分:", "26.412", "py: and y from −2 + 0.4 + 0.36 = −1.24"},
        {"321", "减少*3", "高斯积分:", "26.412", "hand: exact for a quadratic at any n"},
        {"321", "近似和", "体积近似值:", "26.429", "py: 12 × 42 midpoints, Meshx 14 on 3.24"},
        {"321", "减少#2*2", "体积近似值:", "26.432", "py: 12 × 19 midpoints, Meshy 22"},
        {"321", "高斯和", "高斯积分:", "26.412", "hand: the Gauss sum again, n changed"},
        {"365", "按x型|前移*3", "=m", "0.725", "hand: 0.5 + 3 × 1.5/20"},
        {"365", "", "rgb3@0.725,1.01,3;;rgb3@0.725,1.01,5.3;;rgb3@0,0,2",
         "199,162,130;;!199,162,130;;!0,255,0",
         "py: between x and 6 − y² = 4.98, (199, 125, 60) toward grey 200 by (1.01 + 0.5)/3; "
         "hand: the z axis behind the section (it covers (0, 0, z) up to z ≈ 4.5) stays hidden"},
        {"365", "", "rgb3@0.5,2.39,0;;rgb3@0.875,2.39,0", "0,255,0;;0,255,0",
         "hand: the x ticks at 0.5 and 0.875 reach y max − 0.04 · 3 = 2.38"},
        {"365", "后移", "=m", "0.65", "hand: 0.725 − 0.075"},
        {"365", "@34300", "y#5", "z",
         "hand: past the prose's four y, the section's inset names its horizontal axis y, then "
         "its vertical z"},
        {"365", "@33764", "?打开投影", "", "hand: the inset off again"},
        {"365", "按y型|右移*3", "=n", "1.45", "hand: 1 + 3 × 3/20"},
        {"365", "", "rgb3@0.5,1.45,2;;rgb3@0.5,1.45,4.2", "199,162,130;;!199,162,130",
         "py: between x and 6 − 1.45² = 3.8975, (199, 125, 60) toward grey 200 by (0.5 + "
         "0.25)/1.5"},
        {"365", "左移", "=n", "1.3", "hand: 1.45 − 0.15"},
        {"365", "@34300", "x#5", "z", "hand: past the prose's four x, the inset's x, then z"},
        {"365", "@33764", "?打开投影", "", "hand: the inset off again"},
        {"365", "取消", "!左移", "", "hand: no plane, no steps"},
        {"365", "增加*3", "=Meshx", "168", "hand: 50 → 75 → 112 → 168"},
        {"365", "减少", "=Meshx", "112", "hand: 168 × 2/3"},
        {"365", "减少#2*2", "=Meshy", "22", "hand: 50 → 33 → 22"},
        {"365", "增加#2", "=Meshy", "33", "hand: 22 × 3/2"},
        {"365", "按y型", "bare3@1,1.8636,2.1667", "1,1.8636,7",
         "hand: the part behind y = 1 has its walls on x = 1 at −0.5 + k/11, up to the plane "
         "only; the front's at 1 + k/11 stand 1/22 either side"},
        {"365", "按z型|上移*3", "z= ", "4.550", "hand: 3.5 + 3 × 7/20"},
        {"365", "下移", "z= ", "4.200", "hand: 4.55 − 0.35"},
        {"365", "打开投影", "?关闭投影", "", "hand: the switch turns"},
        {"365", "", "%z= ;;rgb3@0.5,0.5,4.2;;rgb3@0.5,0.5,0;;rgb3@0.5,1.6,4.2;;rgbi@0.5,0.5",
         "250,255,0;;199,125,60;;250,255,0;;!199,125,60;;199,125,60",
         "hand: c = 4.2 in the first derivative's slot; 6 − 0.25 > c > 0.5, the section in its "
         "slot, on the floor in the first derivative's and in the inset; 6 − 2.56 < c, none"},
        {"365", "关闭投影", "?打开投影", "", "hand: and back"},
        {"365", "", "rgb3@0.5,0.5,4.2;;rgb3@0.65,0.5,4.2", "199,125,60;;199,125,60",
         "hand: the section at c 4.2, x 0.5 and 0.65"},
        {"365", "按x型", "rgb3@0.5,0.5,4.2;;rgb3@0.65,0.5,4.2;;=m", "!199,125,60;;!199,125,60;;0.5",
         "hand: the x section at (−0.25 + 1.25)/2 takes the z cut's place"},
        {"375", "增加*3", "=Meshx", "168", "hand: 50 → 75 → 112 → 168"},
        {"375", "减少", "=Meshx", "112", "hand: 168 × 2/3"},
        {"375", "减少#2*3", "=Meshy", "14", "hand: 50 → 33 → 22 → 14"},
        {"375", "增加#2", "=Meshy", "21", "hand: 14 × 3/2"},
        {"375", "关闭投影", "?打开投影", "", "hand: the switch turns"},
        {"375", "打开投影", "!打开投影", "", "hand: and back"},
        {"375", "坐标面", "=p", "0.022", "hand: the floor's trace at 0.005 × 4.4"},
        {"375", "",
         "rgb3@0,0.5,0.9165;;rgb3@0,0.5,-0.9165;;rgb3@1,0,0.866;;rgb3@1,0,-0.866;;rgb3@2.2,1.1,0",
         "250,255,0;;250,255,0;;0,255,255;;0,255,255;;255,100,100",
         "hand: ±√(1 − 0.64y²) on x = 0 in the first derivative's slot, ±√(1 − x²/4) on y = 0 "
         "in the curve slot, the frame of z = 0 in the second derivative's"},
        {"375", "平行坐标面|z=c|上移*3", "=p", "0.682", "hand: 0.022 + 3 × 4.4/20"},
        {"375", "下移", "=p", "0.462", "hand: 0.682 − 0.22"},
        {"375", "x=c|前移*3", "=m", "1.66", "hand: 1 + 3 × 0.22"},
        {"375", "", "rgb3@1.66,0,1.5;;rgb3@1.66,-1.5,0;;rgb3@2,0,0;;rgb3@0.8,0,0",
         "255,128,0;;255,128,0;;0,255,0;;!0,255,0",
         "hand: the plane's lines through the axes in the pen, the x axis on from it, not "
         "from O over the half behind it"},
        {"375", "", "rgb3@1.66,1.5,0;;rgb3@1.66,0,-1.5;;head3@1.66,0,0>2.2,0,0",
         "255,128,0;;255,128,0;;0,255,0",
         "hand: the plane's lines run y min to y max and z min to z max; the x axis's head at "
         "x max"},
        {"375", "后移", "=m", "1.44", "hand: 1.66 − 0.22"},
        {"375", "y=c|左移*3", "=n", "0.34", "hand: 1 − 3 × 0.22"},
        {"375", "右移", "=n", "0.56", "hand: 0.34 + 0.22"},
        {"375", "取消", "!x=c", "", "hand: the plane buttons go with the mode"},
        {"376", "坐标面", "=p", "0.014", "hand: 0.005 × 2.8"},
        {"376", "", "rgb3@0,1,0.5;;rgb3@0,-1.1,2.4;;rgb3@1,0,1;;rgb3@1.1,0,2.4",
         "250,255,0;;250,255,0;;0,255,255;;0,255,255",
         "hand: 0.5y² on x = 0 and its frame's top in the first derivative's slot, x² on y = 0 and "
         "its frame's in the curve slot"},
        {"376", "平行坐标面|z=c|上移*3", "=p", "0.434", "hand: 0.014 + 3 × 2.8/20"},
        {"376", "下移", "=p", "0.294", "hand: 0.434 − 0.14"},
        {"376", "x=c|后移*3", "=m", "0.34", "hand: 1 − 3 × 4.4/20"},
        {"376", "前移", "=m", "0.56", "hand: 0.34 + 0.22"},
        {"376", "y=c|右移*3", "=n", "1.66", "hand: 1 + 3 × 0.22"},
        {"376", "", "rgb3@0,1.66,1.5;;rgb3@-1.5,1.66,0;;rgb3@0,2,0;;rgb3@0,-1.5,0",
         "255,128,0;;255,128,0;;0,255,0;;!0,255,0",
         "hand: the plane's lines through the axes in the pen, the y axis on from it toward y "
         "max, none back toward y min"},
        {"376", "", "rgb3@1.5,1.66,0;;rgb3@0,1.66,-0.3;;head3@0,1.66,0>0,2.2,0",
         "255,128,0;;255,128,0;;0,255,0",
         "hand: the plane's lines run x min to x max and z min −0.4 to z max; the y axis's "
         "head at y max"},
        {"376", "左移", "=n", "1.44", "hand: 1.66 − 0.22"},
        {"376", "取消", "!y=c", "", "hand: the plane buttons go with the mode"},
        {"376", "减少*3", "=Meshx", "14", "hand: 50 → 33 → 22 → 14"},
        {"376", "增加", "=Meshx", "21", "hand: 14 × 3/2"},
        {"376", "增加#2*3", "=Meshy", "168", "hand: 50 → 75 → 112 → 168"},
        {"376", "减少#2", "=Meshy", "112", "hand: 168 × 2/3"},
        {"376", "打开投影", "?关闭投影", "", "hand: off since the planes' empty scene"},
        {"376", "关闭投影", "!关闭投影", "", "hand: and off again"},
        {"377", "坐标面", "=p", "0.026", "hand: 0.005 × 5.2"},
        {"377", "",
         "rgb3@0,2,1.249;;rgb3@0,2,-1.249;;rgb3@2,0,1.7321;;rgb3@2,0,-1.7321;;rgb3@2.6,1.3,0",
         "250,255,0;;250,255,0;;0,255,255;;0,255,255;;255,100,100",
         "hand: ±√(0.64y² − 1) on x = 0 in the first derivative's slot, ±√(x² − 1) on y = 0 in "
         "the curve slot, the frame of z = 0 in the second derivative's"},
        {"377", "平行坐标面|z=c|下移*3", "=p", "-0.754", "hand: 0.026 − 3 × 5.2/20"},
        {"377", "", "z= ;;z= #2", "-0.754;;(none)", "hand: one cut, one read-out of its height"},
        {"377", "",
         "rgb3@0.967,1,-0.754;;rgb3@2.3,0,-0.754;;rgb3@2,1,-0.754;;rgb3@0,0,1.5;;"
         "rgb3@2.6,-2.6,0.9",
         "0,255,255;;255,128,0;;199,125,60;;0,255,0;;!255,128,0",
         "py: −√(x² + 0.64 − 1) within 0.0052 under c at x = 0.967 in the curve slot; hand: the "
         "plane's line y = 0 in the pen, the section between ∓√4.64 in its slot, the z axis; "
         "the plane's frame at c only, no upright of it toward z max"},
        {"377", "",
         "rgb3@-2.3,0,-0.754;;rgb3@0,2.3,-0.754;;rgb3@0,-2.3,-0.754;;head3@0,0,-0.754>0,0,-0.5",
         "255,128,0;;255,128,0;;255,128,0;;0,255,0",
         "hand: the plane's lines y = 0 and x = 0 at c run the whole box, ±2.6; the z axis goes "
         "up from c toward z max, so its foot at c has no head: fewer of its pixels there than "
         "round −0.5 up the line (the head at z max meets the scene's own z axis head)"},
        {"377", "上移", "=p", "-0.494", "hand: −0.754 + 0.26"},
        {"377", "x=c|前移*3", "=m", "1.78", "hand: 1 + 3 × 0.26"},
        {"377", "后移", "=m", "1.52", "hand: 1.78 − 0.26"},
        {"377", "y=c|左移*3", "=n", "0.22", "hand: 1 − 3 × 0.26"},
        {"377", "右移", "=n", "0.48", "hand: 0.22 + 0.26"},
        {"377", "取消", "!z=c", "", "hand: the plane buttons go with the mode"},
        {"377", "减少*6", "=Meshx", "5", "hand: 50, 33, 22, 14, 9, 6, then 4 raised to 5"},
        {"377", "增加", "=Meshx", "7", "hand: 5 × 3/2"},
        {"377", "增加#2*3", "=Meshy", "168", "hand: 50 → 75 → 112 → 168"},
        {"377", "减少#2*3", "=Meshy", "49", "hand: 168 → 112 → 74 → 49"},
        {"377", "打开投影", "!打开投影", "", "hand: off since the planes' empty scene"},
        {"377", "关闭投影", "?打开投影", "", "hand: and off again"},
    });
}

// Sources: hand, the plane z = c moves a twentieth of the z span a press:
// page 364 z in [−2.5, 2.5] from 0, its scene drawn twice under the cut;
// page 603 z in [0, 7] from the middle 3.5.
PRESS_TABLE(SolidPresses, CutPlaneZMoves) {
    Run({
        {"364", "平行坐标面|z=c", "z= ", "0.000", "hand: c from 0"},
        {"364", "上移*3", "z= ;;at3@-1.5,0.6,2",
         "0.750;;z= ", "hand: 3 × 5/20; c written at x min, y max − 0.3 · 3, z max − 0.1 · 5"},
        {"364", "下移", "z= ", "0.500", "hand: 0.75 − 0.25"},
        {"364", "下移*4", "z= ", "-0.500", "hand: 0.5 − 4 × 0.25"},
        {"603", "按z型", "z= ", "3.500", "hand: the middle of [0, 7]"},
        {"603", "上移*3", "z= ;;at3@-0.25,1.6,6.3", "4.550;;z= ",
         "hand: 3.5 + 3 × 0.35; c written at x min, y max − 0.3 · 3, z max − 0.1 · 7"},
        {"603", "", "%z= ;;rgb3@0.5,0.8,4.55;;rgb3@0.9,1.6,4.55",
         "250,255,0;;199,125,60;;!199,125,60",
         "hand: c in the first derivative's slot; 6 − 0.89 > c over y/4, the section in its "
         "slot; 6 − 3.37 < c, none"},
        {"603", "下移", "z= ", "4.200", "hand: 4.55 − 0.35"},
        {"603", "按y型", "!z= ", "", "hand: y = c takes the place of z = c"},
    });
    // 365's solid under 6 − y² with a Textz name for the upper surface's
    // crossing of the plane: on the scan (1.5s, 3s) 6 − 9s² = 3.5 between s
    // 0.52 and 0.53, written at the plane's height, not at Textz's c = 0.
    RunScript("700DATA2(0,0,0,-1,0,0,6,)\n700DATA2(1,0,0,0,1,0,0,)\n"
              "700ProjDomain(0,1,0,2,0,1)\n"
              "700Solid(0.8,6,36,10,1,0,0,-0.25,1.25,-0.5,2.5,0,7,1,1,0,0,1,1)\n"
              "701Textz(0,0)\nLz\n",
              {
                  {"2101", "按z型", "at3@0.78,1.56,3.5", "Lz", "hand: s = 0.52, c 3.5"},
              });
}

// Sources: hand. Page 343: φ from 0, 0.1 a press, kept in [0, 3.14], and in
// [0.2, 2.9] while the volume element shows. Page 344: the charge t is 1
// with the source, 2 with the sink, 0 with both; the lattice keeps it.
PRESS_TABLE(SolidPresses, AngleAndChargeButtons) {
    Run({
        {"343", "φ增*3", "=p", "0.3", "hand: 0 + 3 × 0.1"},
        {"343", "φ减", "=p", "0.2", "hand: 0.3 − 0.1"},
        {"343", "φ减*3", "=p", "0", "hand: held at 0 at least"},
        {"343", "φ增*33", "=p", "3.14", "hand: 3.3 held at 3.14"},
        {"343", "φ减*2", "=p", "2.94", "hand: 3.14 − 0.2"},
        {"343", "体元", "=p", "2.9", "hand: the element's φ at most 2.9"},
        {"343", "取消|φ减*3", "=p", "2.6", "hand: 2.9 − 0.3"},
        {"344", "含源", "=t", "1", "hand: the source"},
        {"344", "", "rgb3@1.0004,0.5002,1.6788;;rgb3@0.9839,0.492,0.5298", "191,56,91;;197,42,141",
         "py: halfway along the arrows at (0.8, 0.4) on f = 1.568 and g = 0.672, each (255 − 60r1, "
         "15(r1 + r2), 255 − 60r2)"},
        {"344", "含汇", "=t", "2", "hand: the sink"},
        {"344", "画矢量场", "=t", "2", "hand: the lattice keeps the charge"},
        {"344", "含源和汇", "=t", "0", "hand: source and sink"},
        {"344", "", "=φ", "2", "hand: the closed surfaces, not the lattice"},
    });
}

// Sources: hand. Pages 341 and 343: the element's steps ×1.25 / ×0.8 from
// 0.1, held in [0.05, 0.4] for dz, [0.05, 0.2] for dr; the partition takes
// dθ at least 0.4 on 343; "取消" takes the step buttons away. Page 374:
// "取消" gives back the script's (P, Q, R) = (0, 0, 1). Pages 321, 342, 364,
// 603: what each mode shows (its buttons, the vector (P, Q, R) of a directed
// rectangle, the volume of the partition), the projection toggle of a
// surface, a line, a field and a vector scene; page 379's grids are the
// lecturer's choice, which "恢复" undoes.
PRESS_TABLE(SolidPresses, ModeAndCancelButtons) {
    Run({
        {"341", "体元|dz增*3", "=dz", "0.1953125", "hand: 0.1 × 1.25³"},
        {"341", "dz增*4", "=dz", "0.4", "hand: 0.4768 held at 0.4"},
        {"341", "分割", "?dθ增", "", "hand: the partition's steps"},
        {"341", "", "rgb3@-0.0875,0.8795,0;;rgb3@-0.0875,0.8795,1", "152,100,227;;193,100,196",
         "py: the far radial edges, at θ 1.67, of the elements from r 2 × 0.1·√12.5 and z 0 and 1 "
         "under 2 − r²/2: red from 50 to 255 by (θ/1.57 + z/2.5)/2, blue from 255 to 100 by "
         "(r/2 + z/2.5)/2"},
        {"341", "取消", "!dθ增", "", "hand: no steps without an element"},
        {"343", "体元", "=dθ", "0.1", "hand: the default"},
        {"343", "dθ增*3", "=dθ", "0.1953125", "hand: 0.1 × 1.25³"},
        {"343", "dr减*2", "=dr", "0.064", "hand: 0.1 × 0.8²"},
        {"343", "dr减*2", "=dr", "0.05", "hand: 0.04096 held at 0.05"},
        {"343", "分割", "=dθ", "0.4", "hand: the partition's angle at least 0.4"},
        {"343", "", "rgb3@1.8413,0.7142,0.1401;;rgb3@0.3151,0.4598,0.0961",
         "162,156,38;;170,156,182",
         "py: the last element drawn, θ 0.37, φ 1.4, r 6 × 0.05·√32, its outer φ arc at 1.5: "
         "(20θ + 155, 40φ + 100, 255(1 − r/2)); the element θ 0.77, φ 1.4, r 2 × 0.05·√32 "
         "(R = 2, half the span), its inner θ arc at θ 0.97"},
        {"343", "", "?dφ增", "", "hand: the third step of the spherical element"},
        {"343", "取消", "!dφ增", "", "hand: no steps without an element"},
        {"374", "P增*2", "=t", "1", "hand: a direction of the lecturer's"},
        {"374", "R增*2", "=R", "1.2", "hand: 1 + 2 × 0.1"},
        {"374", "取消", "=P", "0", "hand: the script's P"},
        {"374", "", "=R", "1", "hand: the script's R"},
        {"374", "", "=t", "0", "hand: the script's direction again"},
        {"321", "分割", "!体积近似值:", "", "hand: the cells alone, no sum over them"},
        {"321", "", "!高斯积分:", "", "hand: nor Gauss's"},
        {"321", "取消", "体积:", "(none)", "hand: the partition's volume goes with it"},
        {"321", "积分法", "!近似和", "", "hand: the slices take the column's place"},
        {"321", "取消", "?近似和", "", "hand: the column again"},
        {"342", "矩形", "!(P,Q,R)", "", "hand: an undirected element"},
        {"342", "有向", "?(P,Q,R)", "", "hand: the field at a directed element"},
        {"342", "", "?正向", "", "hand: its two sides offered"},
        {"342", "负向", "?(P,Q,R)", "", "hand: still directed"},
        {"342", "椭圆", "!(P,Q,R)", "", "hand: the ellipse draws no field vector"},
        {"342", "无向", "!正向", "", "hand: no sides to choose"},
        {"364", "", "rgb3@0.9,-0.58,0.4728", "216,169,169",
         "py: the upper mesh's line x = 0.9 from the node y = −0.6 (cells 3/50), f = 0.45: "
         "t = ((0.9 + 1.5)/3 + (0.45 + 2.5)/5)/2 = 0.695 of the way from (255, 100, 100) "
         "toward 200; a third of the cell along"},
        {"364", "平行坐标面", "?x=c", "", "hand: the planes offered"},
        {"364", "取消", "!x=c", "", "hand: back to the surface alone"},
        {"364", "坐标面", "!x=c", "", "hand: the coordinate planes take no choice"},
        {"364", "", "ink3@0.75,0,-2.5", "0.75,0.6,-2.5",
         "hand: the y = 0 frame's floor edge at z min −2.5"},
        {"364", "",
         "rgb3@0,1,-1;;rgb3@0,-0.75,2.5;;rgb3@1,0,1;;rgb3@0.75,0,2.5;;rgb3@1.5,0.75,0;;rgb3@1,0,0."
         "5",
         "250,255,0;;250,255,0;;0,255,255;;0,255,255;;255,100,100;;!0,255,255",
         "hand: z = −y² on x = 0 and its frame in the first derivative's slot, z = x² on y = 0 "
         "and its frame in the curve slot, the floor z = 0 in the second derivative's; none off "
         "the trace"},
        {"603", "按x型", "?前移", "", "hand: the plane x = c and its moves"},
        {"603", "取消", "!前移", "", "hand: no plane"},
        {"310", "关闭投影", "?打开投影", "", "hand: the script's projection goes"},
        {"310", "打开投影", "?关闭投影", "", "hand: and shows again"},
        {"360", "打开投影", "?关闭投影", "", "hand: a line's scene"},
        {"344", "含源|打开投影", "?关闭投影", "", "hand: a field's closed surface"},
        {"344", "关闭投影", "?打开投影", "", "hand: and goes"},
        {"2101", "打开投影", "?关闭投影", "", "hand: a vector's scene"},
        {"317", "打开投影", "?关闭投影", "", "hand: over a frame drawn bare first"},
        {"317", "", "rgb@0,0", "255,128,0", "hand: the shadow in the default pen colour"},
        {"317", "关闭投影", "?打开投影", "", "hand: and goes"},
        {"318", "打开投影", "?关闭投影", "", "hand: the Maclaurin scene"},
        {"318", "关闭投影", "?打开投影", "", "hand: and goes"},
        {"342", "打开投影", "?关闭投影", "", "hand: the area element's scene"},
        {"342", "关闭投影", "?打开投影", "", "hand: and goes"},
        {"345", "打开投影", "?关闭投影", "", "hand: the partial derivatives' scene"},
        {"345", "关闭投影", "?打开投影", "", "hand: and goes"},
        {"359", "方式1|打开投影", "?关闭投影", "", "hand: the pencil's strips"},
        {"359", "关闭投影", "?打开投影", "", "hand: and goes"},
        {"364", "平行坐标面|y=c|打开投影", "?关闭投影", "", "hand: over a trace as well"},
        {"379", "θ_z型", "?恢复;;rgb3@0,1.5,1;;rgb3@0,0.3,1;;rgb3@0,0,2.1;;rgb3@0,0,1",
         ";;0,255,255;;250,255,0;;0,255,0;;!0,255,0",
         "hand: the lecturer's grid, not the script's; r = S(θ, z), at θ 0 and z 1 the upper "
         "mesh at r = 2 − 0.5 in the curve slot, the lower at 0.3 in the first derivative's; "
         "the z axis from the upper's S(0, 0) = 2 up to 2.2, not from the floor"},
        {"379", "恢复", "!恢复", "", "hand: the script's again"},
        {"379", "θ_r型", "?恢复", "", "hand: the lecturer's grid again"},
        {"379", "open|减少*4|减少#2*4",
         "=Meshx;;rgb3@-0.32426,1.28693,1.11933;;rgb3@-0.30507,1.21074,1.22052",
         "9;;0,255,255;;!0,255,255",
         "py: M = √(9² + 9²), the θ_r grid's rings r = 1.5 − k·2.2/M (the z span over M), "
         "spokes 6.2832/M apart; the ring k = 1 on the upper z = 2 − r²/2 midway between the "
         "first two spokes, none at 1.5 − 3.2/M"},
        // The projection's inset: the ground colour (0, 64, 128) where the
        // solid does not reach, the solid's shadow in the default pen
        // (255, 128, 0) over the plane or the surface's domain.
        {"311", "", "rgb@1.2,-1.2", "0,64,128", "hand: the script's inset"},
        {"311", "关闭投影", "rgb@1.2,-1.2", "!0,64,128", "hand: the inset goes"},
        {"311", "打开投影", "rgb@1.2,-1.2", "0,64,128", "hand: and shows again"},
        {"327", "关闭投影", "rgb@1.28,-1.28", "!255,128,0", "hand: the shadow of xy goes"},
        {"327", "打开投影", "rgb@1.28,-1.28", "255,128,0", "hand: and shows again"},
        {"337", "关闭投影", "rgb@1,-1", "!255,128,0", "hand: D's shadow goes"},
        {"337", "打开投影", "rgb@1,-1", "255,128,0", "hand: D = [−1.5, 1.5]² again"},
        {"337", "", "rgb@1.6,-1.6", "0,64,128", "hand: outside D"},
        {"355", "打开投影", "rgb@1.5,1.5", "255,128,0", "hand: the planes' shadow"},
        {"355", "", "rgb3@1,1.5,2;;rgb3@1,1.5,0.7", "227,150,150;;149,166,218",
         "hand: π1 at z = 2 in the upper mesh (255, 100, 100) toward grey 200 by (1/2 + 2/4)/2, "
         "π2 at 0.7 in the lower (50, 100, 255) by 1/2 − (0.7/4 − 1/2)/2"},
        {"355", "关闭投影", "rgb@1.5,1.5", "!255,128,0", "hand: and goes"},
        {"360", "打开投影", "rgb@1.5,1.5", "255,128,0", "hand: the plane's shadow"},
        {"360", "关闭投影", "rgb@1.5,1.5", "!255,128,0", "hand: and goes"},
        {"364", "关闭投影", "rgb@1.2,-1.2", "!255,128,0", "hand: the saddle's shadow goes"},
        {"364", "打开投影", "rgb@1.2,-1.2", "255,128,0", "hand: and shows again"},
        {"603", "打开投影", "rgb@0.5,1", "255,128,0", "hand: the base [0, 1] × [0, 2]"},
        {"603", "", "rgb@1.1,-0.2", "0,64,128", "hand: outside the base"},
        {"603", "关闭投影", "rgb@0.5,1", "!255,128,0", "hand: and goes"},
        {"603", "", "rgb@1.1,-0.2", "!0,64,128", "hand"},
        // 342's directed element at (0.8, 0.6), the mouse on the floor, of
        // z = 2 − 0.3(x² + y²): the unit normal (250, 255, 0) up or down
        // from (0.8, 0.6, 1.7), read halfway and three quarters along.
        {"342", "矩形|有向|^0.8,0.6,0", "rgb3@1.0058,0.7543,2.1287", "250,255,0",
         "py: 有向 alone shows the upper side"},
        {"342", "", "rgb3@0.4913,0.3685,1.0569", "!250,255,0", "py: not the lower"},
        {"342", "正向", "rgb3@1.0058,0.7543,2.1287", "250,255,0",
         "py: (−p, −q, 1)/√1.36 from (0.8, 0.6, 1.7)"},
        {"342", "", "rgb3@0.4913,0.3685,1.0569", "!250,255,0", "py: none below"},
        {"342", "",
         "%#11;;%#24;;rgb3@0.95,0.75,2;;rgb3@0.72,0.55,1.7537;;rgb3@0.72,0.55,0;;rgb3@0.8,0.45,0;;"
         "ink3@1.2116,0.9087,2.5575;;bare3@1.3351,1.0013,2.8147",
         "0,150,255;;0,64,128;;0,150,255;;178,138,146;;0,150,255;;0,255,255;;-1.5,0,2.2;;-1.5,0,2."
         "2",
         "py: (P, Q, R) and its label in the fill; s = 1.7537/2.5 blends the split last made, the "
         "scene's front side (0, 100, 255), toward (255, 155, 100); its floor in the fill; the "
         "floor's arrow on the edge y = 0.45 in the curve slot; the normal ends at (0.8, 0.6, "
         "1.7) + (0.48, 0.36, 1)/√1.36"},
        {"342", "负向", "rgb3@0.4913,0.3685,1.0569", "250,255,0", "py: (p, q, −1)/√1.36"},
        {"342", "", "rgb3@1.0058,0.7543,2.1287", "!250,255,0", "py: none above"},
        {"342", "正向", "rgb3@1.0058,0.7543,2.1287", "250,255,0", "py: up again"},
        // The ellipse of half-axes 0.6 about it: the boundary's arrow from
        // t 1.02 to 1.52 on the surface, three quarters along.
        {"342", "椭圆|放大*3", "rgb3@0.9014,1.1772,1.3355;;rgb3@1.39,0.7093,0",
         "0,255,255;;255,128,0",
         "py: f(x, y) at both ends; the rim on the floor at t = 6.1, near its close"},
        {"342", "", "rgb3@0.9014,1.1773,0", "0,255,255", "py: its shadow on the floor z = 0"},
        // Heads: t from 3.09 to 3.59 (x mirrored on the negative side), the
        // normal's at its far end, a rectangle's edge arrows over x0 ± hx/2.
        {"342", "",
         "head3@0.2008,0.6309,1.8685>0.2593,0.3399,1.9452;;head3@0.2008,0.6309,0>0.2593,0.3399,0;;"
         "head3@0.8,0.6,1.7>1.2116,0.9087,2.5575",
         "0,255,255;;0,255,255;;250,255,0", "py: counter-clockwise from above, the normal up"},
        {"342", "负向",
         "head3@1.3992,0.6309,1.2932>1.3407,0.3399,1.4261;;head3@1.3992,0.6309,0>1.3407,0.3399,0;;"
         "head3@0.8,0.6,1.7>0.3884,0.2913,0.8425",
         "0,255,255;;0,255,255;;250,255,0", "py: hx = −0.6, clockwise; the normal down"},
        {"342", "矩形",
         "head3@1.1,0,1.637>0.5,0,1.925;;head3@0.5,1.2,0>1.1,1.2,0;;"
         "head3@0.8,0.6,1.7>1.1,0.9,2.3;;at3@1.1,0.95,2.3",
         "0,255,255;;0,255,255;;0,150,255;;(P,Q,R)",
         "hand: k = −0.5, hx 0.6 at y0 ∓ 0.6, f = 2 − 0.3(x² + y²); (P, Q, R) = (0.3, 0.3, 0.6), "
         "its name 8 px right of the tip (y + 0.05 at 2w/9 px a unit)"},
        {"342", "正向", "head3@0.5,0,0>1.1,0,0;;head3@1.1,1.2,1.205>0.5,1.2,1.493",
         "0,255,255;;0,255,255", "hand: k = 0.5 turns them"},
    });
}

// Sources: hand, Δx and the chord a fraction h of the x span, h from 0.1
// ×1.25 / ×0.8 a press.
PRESS_TABLE(SolidPresses, IncrementButtonsOfTheAnnotations) {
    Run({
        {"306/2400", "", "=h", "0.1", "hand: the default"},
        {"306/2400", "弦长减*3", "=h", "0.0512", "hand: 0.1 × 0.8³"},
        {"306/2400", "弦长增", "=h", "0.064", "hand: 0.0512 × 1.25"},
        {"2100/2400", "△x减*3", "=h", "0.0512", "hand: 0.1 × 0.8³"},
        {"2100/2400", "△x增*2", "=h", "0.08", "hand: 0.0512 × 1.25²"},
        {"2100/2400", "△x增*25", "=h", "10", "hand: 0.08 × 1.25^25 = 21.2 stops at 10"},
        {"2100/2400", "△x减*75", "=h", "0.000001", "hand: 10 × 0.8^75 = 5.2e-7 stops at 1e-6"},
    });
    // The increment piece of a curve with its own buttons.
    RunScript("700Curve(0.4,3,44,13,3,-1,0,-3,3,-2,3,-3,3)\n700curveDert(0.5,3,1,255,120,120)\n",
              {
                  {"2100", "△x减", "=h", "0.08", "hand: 0.1 × 0.8"},
                  {"2100", "△x减*2|△x增", "=h;;rgb@0.85,0.7513;;rgb@0.95,0.8134",
                   "0.064;;255,120,120;;!255,120,120",
                   "hand: 0.08 × 0.8² × 1.25; py: the piece of sin x from 0.5 to 0.5 + 0.064 "
                   "× 6 = 0.884 in the pen, sin 0.85, not on to sin 0.95"},
              });
}

// Sources: python3. Page 603: f = 6 − x² − y² over g = y/4 on 0 < x < 1,
// 0 < y < 2; the section by x = m runs along y in [−0.5, 2.5], shaded
// (199, 125, 60) toward (200, 200, 200) by (y + 0.5)/3, whole parts: at
// y = 0.1107 (199, 140, 88), 1.01 (199, 162, 130), 1.9107 (199, 185, 172).
// The section by y = n shades by (x + 0.25)/1.5 the same way: at x = 0.506
// (199, 162, 130). Page 321: z = 4 − x²/2 − y²/4, the prism over the cell
// of 3/38 with centre (0.0395, −0.8289) topped at 3.8275, on the outline of
// the roof, its edges in (255, 100, 100) toward white by the mean of
// (x + 2)/4 and z/5 at its left side: (255, 198, 198). Page 364: the
// frame of the plane x = m (y = n) and its lines through the axes in the
// pen's (255, 128, 0); the trace of z = x² − y² on z = c in (0, 255, 255).
// Page 342: z = 2 − 0.3x² − 0.3y², the element about
// the point picked (0.5, −0.3), half sides 0.05 · 3 (0.15 · 3 after two
// "放大"), outlined in (255, 128, 0) on the floor z = 0 and on the surface.
PRESS_TABLE(SolidPresses, SectionsAndPrismTopsSitWhereTheyShould) {
    Run({
        {"603", "按x型", "rgb3@0.5,1.01,2.5", "199,162,130", "py: the section at m = 0.5"},
        {"603", "", "rgb3@1,1.01,2.5", "!199,162,130", "hand: not at x = n = 1"},
        {"603", "", "rgb3@0.5,1.01,4.65", "199,162,130", "py: just under f(0.5, 1.01) = 4.73"},
        {"603", "", "rgb3@0.5,1.01,4.88", "!199,162,130", "py: just over it"},
        {"603", "", "rgb3@0.5,1.01,0.33;;rgb3@0.5,1.891,0.2", "199,162,130;;120,105,91",
         "py: just over g = 0.2525; the section's samples y = −0.5 + 0.003n shaded from n 167 "
         "(y 0.001, in the region), a drop to the floor every tenth from n 177: at n 797, y "
         "1.891, from g 0.4728 down, (199, 125, 60) toward 100 by t = 2.391/3, (120, 105, 91)"},
        {"603", "", "rgb3@0.5,1.01,0.1", "!199,162,130", "py: just under it"},
        {"603", "", "rgb3@0.5,0.1107,5.6", "199,140,88", "py: near y = 0, f = 5.74"},
        {"603", "", "rgb3@0.5,1.9107,2.0", "199,185,172", "py: near y = 2, f = 2.1"},
        {"603", "后移*3", "rgb3@0.275,1.01,2.5", "199,162,130", "py: m = 0.275"},
        {"603", "", "rgb3@0.5,1.01,2.5", "!199,162,130", "hand: where it was"},
        {"603", "", "rgb3@0.275,1.01,4.82", "199,162,130", "py: under f(0.275, 1.01) = 4.90"},
        {"603", "", "rgb3@0.275,1.9107,2.2", "199,185,172", "py: under f(0.275, 1.91) = 2.27"},
        {"603", "按y型", "rgb3@0.506,1,2.5", "199,162,130", "py: the section at n = 1"},
        {"603", "", "rgb3@0.506,0.275,2.5", "!199,162,130", "hand: not at y = m"},
        {"603", "左移*3", "rgb3@0.506,0.55,2.5", "199,162,130", "py: n = 0.55"},
        {"603", "", "rgb3@0.506,0.55,5.31", "199,162,130", "py: under f(0.506, 0.55) = 5.44"},
        {"603", "", "rgb3@0.506,0.55,5.6", "!199,162,130", "py: over it"},
        {"603", "", "rgb3@0.506,0.55,0.2", "199,162,130", "py: over g = 0.1375"},
        {"321", "近似和", "ink3@0.0395,-0.8289,3.79", "0.0395,-0.8289,4.15", "py: below the top"},
        {"321", "", "bare3@0.0395,-0.8289,4.03", "0.0395,-0.8289,4.15", "py: above it"},
        {"321", "", "rgb3@0.0395,-0.8684,3.8275", "255,198,198", "py: its top's far edge"},
        {"321", "",
         "rgb3@1,-1.5,0.1;;rgb3@1.2,-1.5,0.5;;rgb3@1.4,-1.5,0.1;;rgb3@1.4211,-1.48,1;;"
         "rgb3@1.4211,-1.475,1",
         "223,239,32;;223,239,32;;223,239,32;;208,104,47;;!223,239,32",
         "hand: the front face y = −1.5 upright to its foot, (255 − b, 255 − b/2, b), b 32; the "
         "last column's side x = −1.5 + 37 · 3/38 in (a, a/2, 255 − a), a = 16 trunc(218.9/16), "
         "its strokes half a pixel apart across y (0.5 of the y span over the y axis's pixels, "
         "120 a unit) and so solid: 3 pixels in from y = −1.5, no yellow of the column behind "
         "shows between them"},
        {"321", "分割", "rgb3@1,-1.5,0.1;;rgb3@1.2,-1.5,0.5", "223,239,32;;223,239,32",
         "hand: the partition's cells walled in the same colour along x"},
        {"342", "矩形|^0.5,-0.3,0", "rgb3@0.65,-0.3,0", "255,128,0", "hand: the right side"},
        {"342", "", "rgb3@0.35,-0.3,0", "255,128,0", "hand: the left side"},
        {"342", "", "rgb3@0.5,-0.45,0", "255,128,0", "hand: the far side"},
        {"342", "", "rgb3@0.5,-0.15,0", "255,128,0", "hand: the near side"},
        {"342", "", "rgb3@0.85,-0.3,0", "!255,128,0", "hand: past the right side"},
        {"342", "", "rgb3@0.65,-0.3,1.8463", "255,128,0", "py: the right side up on z"},
        {"342", "", "rgb3@0.5,-0.45,1.8642", "255,128,0", "py: the far side up on z"},
        {"342", "放大*2", "rgb3@0.95,-0.3,0", "255,128,0", "hand: 0.5 + 0.45"},
        {"342", "", "rgb3@0.65,-0.3,0", "!255,128,0", "hand: the old side gone"},
        {"342", "", "rgb3@0.05,-0.3,0", "255,128,0", "hand: 0.5 − 0.45"},
        {"342", "", "rgb3@0.5,-0.75,0", "255,128,0", "hand: −0.3 − 0.45"},
        {"342", "", "rgb3@0.5,0.15,1.9183", "255,128,0", "py: −0.3 + 0.45 up on z"},
        {"364", "平行坐标面|x=c", "rgb3@1,0,-1.2", "255,128,0", "hand: the line x = 1, y = 0"},
        {"364", "", "rgb3@1,-1,0", "255,128,0", "hand: the line x = 1, z = 0"},
        {"364", "后移*3", "rgb3@0.55,0,1.8", "255,128,0", "hand: x = 0.55"},
        {"364", "", "rgb3@1,0,1.8", "!255,128,0", "hand: where it was"},
        {"364", "", "rgb3@0.55,-1.5,0.5", "255,128,0", "hand: the frame's far edge"},
        {"364", "y=c|左移*3", "rgb3@0.3,0.55,0", "255,128,0", "hand: y = 0.55, z = 0"},
        {"364", "", "rgb3@0,0.55,1.2", "255,128,0", "hand: the line x = 0, y = 0.55"},
        {"364", "", "rgb3@0,1,1.2", "!255,128,0", "hand: where it was"},
        {"364", "z=c", "rgb3@0.5,0.5,0", "0,255,255", "hand: x² − y² = 0 on z = 0"},
        {"364", "", "rgb3@-1,0.5,0", "!0,255,255", "hand: off the trace"},
        {"364", "上移*3", "rgb3@1,0.5,0.75", "0,255,255", "hand: x² − y² = 0.75 at y = 0.5"},
        {"364", "", "rgb3@-1,-0.5,0.75", "0,255,255", "hand: and at (−1, −0.5)"},
        {"364", "", "rgb3@0.5,1,0.75", "!0,255,255", "hand: y² − x² = 0.75 instead"},
        {"364", "", "rgb3@0.5,0.5,0.75", "!0,255,255", "hand: the trace of c = 0 gone"},
        {"364", "", "rgb3@1.2,0,0.75", "255,128,0", "hand: the plane's line y = 0 at z = 0.75"},
        {"364", "", "%z= ;;rgb3@0,0,1.8;;rgb3@0,0,0.6", "250,255,0;;0,255,0;;!0,255,0",
         "hand: c in the first derivative's slot; the z axis from the plane up, in the axes'"},
    });
}

// Sources: hand. Page 364's surface in a box deeper in y than in x (y from
// −1 to 2.5, x to 1.5): with the plane y = c at c = 1 the y axis, in
// (0, 255, 0), runs on from (0, 1, 0) to the box's end at y = 2.5.
PRESS_TABLE(SolidPresses, TheYAxisPastThePlaneYEqualsC) {
    RunScript("700DATA2(0,1,0,-1,0,0,0,)\n"
              "700Surf(0.8,6,36,10,1,0,0,-1.5,1.5,-1,2.5,-2.5,2.5,1,-1,0,0,0,1,1)\n",
              {
                  {"364", "平行坐标面|y=c", "rgb3@0,1.3,0", "0,255,0", "hand: just past the plane"},
                  {"364", "", "rgb3@0,1.8,0", "0,255,0", "hand: past x's end 1.5"},
                  {"364", "", "rgb3@0,2.2,0", "0,255,0", "hand: toward y's end 2.5"},
                  {"364", "", "rgb3@0,2.7,0", "!0,255,0", "hand: not past the box"},
              });
}

// Sources: python3, page 359: the pencil of z = x and z = y, its member
// z = (λx + y)/(λ + 1) drawn in strokes (255, t, t), t = 200 (1 − (z + 2.5)/5)
// in whole parts: at λ 5 through (0.5, −1.075, 0.2375), at λ 6 through
// (0.5, −1.3375, 0.2375), both t = 90.5; the page draws it once clicked.
PRESS_TABLE(SolidPresses, ThePencilsMemberFollowsLambda) {
    Run({
        {"359", "方式2", "rgb3@0.5,-1.075,0.2375;;rgb3@0.5,0.5,0.5", "255,90,90;;0,255,255",
         "py: λ 5; hand: the axis x = y = z in the curve slot"},
        {"359", "λ增*10", "rgb3@0.5,-1.3375,0.2375", "255,90,90", "py: λ 6"},
        {"359", "λ减*10", "rgb3@0.5,-1.075,0.2375", "255,90,90", "py: λ 5 again"},
    });
}

// Sources: hand, python3. The moves away from the viewer are read above; here
// the other two, three presses each. Page 603: z = 6 − x² − y² over
// z = y/4, the section coloured by its place across the plane as above; x
// moves 1.5/20 a press, y 3/20: m = 0.5 + 0.225, n = 1 + 0.45. Page 364: the
// planes at 1 move 3/20 a press to 1.45.
PRESS_TABLE(SolidPresses, CuttingPlanesMovedTowardTheViewerAndRight) {
    Run({
        {"603", "按x型|前移*3", "=m", "0.725", "hand: 0.5 + 3 × 0.075"},
        {"603", "", "rgb3@0.725,1.01,2.5", "199,162,130", "py: the section at m = 0.725"},
        {"603", "", "rgb3@0.5,1.01,2.5", "!199,162,130", "hand: where it was"},
        {"603", "", "rgb3@0.725,1.01,4.3", "199,162,130", "py: under f(0.725, 1.01) = 4.45"},
        {"603", "", "rgb3@0.725,1.01,4.6", "!199,162,130", "py: over it"},
        {"603", "按y型|右移*3", "=n", "1.45", "hand: 1 + 3 × 0.15"},
        {"603", "", "rgb3@0.506,1.45,2.5", "199,162,130", "py: the section at n = 1.45"},
        {"603", "", "rgb3@0.506,1,2.5", "!199,162,130", "hand: where it was"},
        {"603", "", "rgb3@0.506,1.45,3.5", "199,162,130", "py: under f(0.506, 1.45) = 3.64"},
        {"603", "", "rgb3@0.506,1.45,3.8", "!199,162,130", "py: over it"},
        {"603", "", "rgb3@0.506,1.45,0.45", "199,162,130", "py: over g = 0.3625"},
        {"364", "平行坐标面|x=c|前移*3", "rgb3@1.45,0,1.8", "255,128,0", "hand: x = 1.45"},
        {"364", "", "rgb3@1,0,1.8", "!255,128,0", "hand: where it was"},
        {"364", "y=c|右移*3", "rgb3@0,1.45,1.2", "255,128,0", "hand: x = 0, y = 1.45"},
        {"364", "", "rgb3@0,1,1.2", "!255,128,0", "hand: where it was"},
    });
}

} // namespace
