// The mesh density pair of the 3-D scenes, pressed button by button on
// pages that draw their scene once, twice (a surface under its cut) and
// more often (a solid over its parts): one press is one step, ×1.5 or ×2/3
// (whole divisions, rounded down), held within [5, 200]. The pages print no
// value of the density, so a row reads the division count itself ("=Meshx", "=Meshy").
#include "press_table.h"

namespace {

// Sources: hand, from the start-up 50: up 75, 112, 168, 200 (252 held);
// down from 200: 133, 88, 58, 38, 25, 16, 10, 6, 5 (4 held); from 50
// down: 33, 22, 14.
PRESS_TABLE(MeshPresses, OnePressIsOneStep) {
    Run({
        {"310", "增加", "=Meshx;;rgb3@1.395,-1.5,1.25;;rgb3@1.32,-1.5,1.25;;rgb3@0.75,1.395,-2.5",
         "75;;0,255,0;;!0,255,0;;0,255,0",
         "hand: 50 × 1.5, a scene drawn once; the z tick at 1.25 to x 1.5 − 0.04 · 3 = 1.38, none "
         "at 1.32; the x tick at 0.75 to y 1.38"},
        {"310", "减少#2", "=Meshy", "33", "hand: 50 × 2/3"},
        {"364", "增加", "=Meshx;;rgb3@0.7,0.03,0.4891;;%=Meshx:", "75;;218,166,166;;0,0,255",
         "hand: a surface drawn twice, one step; python3: the upper mesh's line x = 0.7 (steps "
         "3/75 = 0.04) across the cell from the node y = 0 (steps 0.06), f there 0.49: t = ((0.7 "
         "+ 1.5)/3 + (0.49 + 2.5)/5)/2 = 0.6657 of the way from (255, 100, 100) toward 200; the "
         "caption over the x buttons in blue (0, 0, 255)"},
        {"364", "增加*2", "=Meshx", "168", "hand: 75 → 112 → 168"},
        {"364", "减少", "=Meshx", "112", "hand: 168 × 2/3"},
        {"364", "增加#2", "=Meshy;;%=Meshy:", "75;;0,0,255",
         "hand: 50 × 1.5; the caption over the y buttons in blue (0, 0, 255), as the x one"},
        {"364", "减少#2*3", "=Meshy", "22", "hand: 75 → 50 → 33 → 22"},
        {"364", "平行坐标面|z=c|增加", "=Meshx", "168", "hand: under the cut z = c too"},
        {"317", "增加", "=Meshx", "75", "hand: a scene drawn three times, one step"},
        {"317", "减少*2", "=Meshx", "33", "hand: 75 → 50 → 33"},
        {"317", "增加#2*2", "=Meshy", "112", "hand: 50 → 75 → 112"},
        {"317", "减少#2", "=Meshy", "74", "hand: 112 × 2/3 = 74.7"},
        {"342", "增加*3", "=Meshx", "168", "hand: 50 → 75 → 112 → 168"},
        {"342", "减少", "=Meshx", "112", "hand: 168 × 2/3"},
        {"345", "增加*4", "=Meshx;;rgb3@1.395,-1.5,2;;rgb3@1.32,-1.5,2", "200;;0,255,0;;!0,255,0",
         "hand: 168 × 1.5 = 252, held at 200; the z tick at 2 to x 1.5 − 0.04 · 3 = 1.38, none at "
         "1.32"},
        {"345", "减少*3", "=Meshx", "58", "hand: 200 → 133 → 88 → 58"},
        {"345", "减少*6", "=Meshx", "5", "hand: 38, 25, 16, 10, 6, then 4 held at 5"},
        {"345", "增加", "=Meshx", "7", "hand: 5 × 1.5 = 7.5"},
        {"311", "减少*3", "=Meshx", "14", "hand: 50 → 33 → 22 → 14"},
        {"311", "增加*3", "=Meshx", "46", "hand: 14 → 21 → 31 → 46"},
        {"337", "增加*3", "=Meshx", "168", "hand: 50 → 75 → 112 → 168"},
        {"337", "减少*3", "=Meshx", "49", "hand: 168 → 112 → 74 → 49"},
        {"344", "增加#2*3", "=Meshy", "168", "hand: 50 → 75 → 112 → 168"},
        {"344", "减少#2*3", "=Meshy", "49", "hand: 168 → 112 → 74 → 49"},
        {"344", "减少*3", "=Meshx", "14", "hand: 50 → 33 → 22 → 14"},
        {"344", "增加*3", "=Meshx", "46", "hand: 14 → 21 → 31 → 46"},
        {"355", "减少*3", "=Meshx;;rgb3@1,2.895,0;;rgb3@1.93,1.5,0;;rgb3@1.86,1.5,0",
         "14;;0,255,0;;0,255,0;;!0,255,0",
         "hand: 50 → 33 → 22 → 14; the x tick at 1 to y 3 − 0.04 · 3, the y tick at 1.5 to x 2 − "
         "0.04 · 2 = 1.92, none at 1.86"},
        {"355", "增加*3", "=Meshx", "46", "hand: 14 → 21 → 31 → 46"},
        {"357", "增加#2*3", "=Meshy", "168", "hand: 50 → 75 → 112 → 168"},
        {"357", "减少#2*3", "=Meshy", "49", "hand: 168 → 112 → 74 → 49"},
        {"360", "增加*3", "=Meshx", "168", "hand: 50 → 75 → 112 → 168"},
        {"360", "减少*3", "=Meshx", "49", "hand: 168 → 112 → 74 → 49"},
        {"603", "减少#2*3",
         "=Meshy;;rgb3@1.1975,1,0;;rgb3@1.145,1,0;;rgb3@1.1975,-0.5,3.5;;rgb3@1.145,-0.5,3.5",
         "14;;0,255,0;;!0,255,0;;0,255,0;;!0,255,0",
         "hand: 50 → 33 → 22 → 14; the y tick at 1 and the z tick at 3.5 to x 1.25 − 0.04 · 1.5 = "
         "1.19, none at 1.145"},
        {"603", "增加#2*3", "=Meshy", "46", "hand: 14 → 21 → 31 → 46"},
    });
}

} // namespace
