// The limits at infinity pressed button by button: on 300 the band
// e ± ε·4 of (1 + 1/x)^x widens and narrows with ε, the δ factor steps
// (it scales only the box of a finite point, so these figures keep their
// band); on 301 and 302 the same steps.
#include "press_table.h"

namespace {

// Sources: hand, ε from 0.1 and δ from 1 by ×1.25 and ×0.8, "δ复原" back
// to 1; python3, the band's edges e ± 4ε at x = 30, where the curve
// (2.674) lies well inside; the blue of the band is (0, 0, 250). On 301
// arctan x enters the band π/2 ± 4ε at X = cot 4ε; on 303 ε is a share of
// the y span. X is drawn down to the floor in (155, 150, 200).
PRESS_TABLE(LimitPresses, EpsilonAndDeltaAtInfinity) {
    Run({
        {"300", "", "=ε", "0.1", "hand: the topic's ε"},
        {"300", "", "rgb@30,3.19", "!0,0,250", "py: the band ends at e + 0.4 = 3.118"},
        {"300", "",
         "%(x→∞)极限: ;;rgb@2.493,1;;rgb@-4.3235,1;;rgb@-20,3.1183;;rgb@-2,3.1183;;rgb@1.5,2.3183;;"
         "rgb@-20,2.7895;;at@2.493,0.4667;;at@-4.3235,0.4667",
         "0,255,255;;155,150,200;;155,150,200;;255,0,0;;199,125,60;;199,125,60;;0,255,255;;X;;-X",
         "py: the limit in the curve slot; X = 2.493 and −X = −4.3235 where (1 + 1/x)^x leaves "
         "e ± 0.4, their lines; the box's rim, the band's lines between; F(−20) redrawn; each "
         "name starting at its line, 42 px (H + S) above the axis, 90 px a unit"},
        {"300", "ε增加", "=ε", "0.125", "hand: 0.1 × 1.25"},
        {"300", "", "rgb@30,3.19", "0,0,250", "py: the band ends at e + 0.5 = 3.218"},
        {"300", "ε减少*2", "=ε", "0.08", "hand: 0.125 × 0.8²"},
        {"300", "", "rgb@30,3", "0,0,250", "py: the band ends at e + 0.32 = 3.038"},
        {"300", "", "rgb@30,3.1", "!0,0,250", "py: above e + 0.32"},
        {"300", "", "rgb@30,2.44", "0,0,250", "py: the band starts at e − 0.32 = 2.398"},
        {"300", "ε增加", "=ε", "0.1", "hand: 0.08 × 1.25"},
        {"300", "δ再大*2", "=δ", "1.5625", "hand: 1.25²"},
        {"300", "δ再小", "=δ", "1.25", "hand: 1.5625 × 0.8"},
        {"300", "δ再小*3", "=δ", "0.64", "hand: 1.25 × 0.8³"},
        {"300", "", "rgb@30,3.19", "!0,0,250", "hand: δ leaves the band at e ± 0.4"},
        {"300", "δ复原", "=δ", "1", "hand: back to 1"},
        {"300", "ε增加", "=ε", "0.125", "hand: 0.1 × 1.25"},
        {"300/2000", "", "%(x→∞)极限: #2;;rgb@-20,2.7895", "0,255,255;;0,255,255",
         "py: the approach below: its limit and F(−20) in the curve slot"},
        {"301", "ε减少", "=ε", "0.08", "hand: 0.1 × 0.8"},
        {"301", "", "rgb@4,1.4", "0,0,250", "py: X = cot 0.32 = 3.018, the band π/2 ± 0.32"},
        {"301", "", "rgb@2,1.4", "!0,0,250", "py: left of X"},
        {"301", "", "rgb@3.018,-1", "155,150,200", "py: X's line down to the plot's floor"},
        {"301", "",
         "%(x→+∞)极限: ;;rgb@-10,1.2508;;rgb@-3,1.8908;;rgb@15,1.2508;;rgb@1.5,1.2508;;"
         "rgb@15,1.5042;;rgb@3.018,1.95",
         "0,255,255;;199,125,60;;199,125,60;;255,0,0;;!255,0,0;;0,255,255;;!155,150,200",
         "py: the limit; the band's lines π/2 ± 0.32 left of X, the box's rim right of X only; "
         "arctan 15 redrawn; X's line starts at the band"},
        {"301", "δ再大", "=δ", "1.25", "hand: 1 × 1.25"},
        {"301", "δ复原", "=δ", "1", "hand: back to 1"},
        {"302", "ε增加*3", "=ε", "0.1953125", "hand: 0.1 × 1.25³"},
        {"302", "δ再小*2", "=δ", "0.64", "hand: 1 × 0.8²"},
        {"302", "δ复原", "=δ", "1", "hand: back to 1"},
        {"302/2000", "", "%(x→-∞)极限: #2;;rgb@10,1.4711", "0,255,255;;0,255,255",
         "py: the approach below: its limit and arctan 10 in the curve slot"},
        {"303", "", "ε=;;at@3.2,-0.14;;rgb@0.5,0.88", "0.180000;;ε=;;0,0,250",
         "hand: 0.1 of the y span 1.8, written at (x max − 0.3·Dx, y min + 0.2·Dy); the δ box "
         "blue inside its red rim"},
        {"303", "",
         "rgb@-0.5,0;;rgb@0.5,0;;rgb@-0.5,0.9589;;rgb@0.5,0.9589;;rgb@-1.2,0;;rgb@1.2,0;;%ε=;;%δ=;;"
         "%极限点: ;;%极限: ;;rgb@1.0694,0.4;;rgb@0.5,1.18;;rgb@-4,-0.1892",
         "250,255,0;;255,100,100;;250,255,0;;255,100,100;;!250,255,0;;!255,100,100;;255,255,0;;"
         "255,255,0;;0,255,255;;0,255,255;;199,125,60;;255,0,0;;0,255,255",
         "py: δ 1.069413 where sin x / x = 0.82; each half of δ on the axis and on the curve in "
         "its own slot, ending at ∓δ; ε, δ in palette 5; the box's side, its red rim; the curve"},
        {"303", "", "δ=;;at@3.2,-0.32", "1.069413;;δ=",
         "py: sin x / x = 0.82 at 1.069413; hand: at x max − 0.3 · 16, y min + 0.1 (the step) · "
         "1.8"},
        {"303", "", "极限点: ;;极限: ;;at@-7.2,1.3;;at@-7.2,1.12", "0.000;;1.000;;极限点: ;;极限: ",
         "hand: x0 at the origin, sin x / x → 1; the verdict a twentieth of the x span 16 in, "
         "at y max and a tenth of the y span 1.8 below, the y axis far right of it"},
        {"303", "ε增加", "ε=", "0.225000", "hand: 0.125 of the y span"},
        {"303", "ε减少*3", "ε=", "0.115200", "hand: 0.125 × 0.8³ × 1.8"},
        {"303", "δ再大*2", "=δ", "1.5625", "hand: 1.25²"},
        {"303", "δ再小", "=δ", "1.25", "hand: 1.5625 × 0.8"},
        {"303", "δ复原", "=δ", "1", "hand: back to 1"},
        {"303/2000", "", "%极限: #2;;rgb@-5.6,-0.1127;;rgb@-5.6,0;;rgb@5.6,-0.1127;;rgb@5.6,0",
         "0,255,255;;250,255,0;;250,255,0;;255,100,100;;255,100,100",
         "py: the approach below, its limit; the samples ∓8 · 0.7 and their feet, the left in "
         "the first derivative's slot, the right in the second's"},
        {"304/3200", "", "%左极限: #3;;rgb@-2.1,-1;;rgb@-2.1,0;;rgb@2.1,0;;rgb@-2.5,-1;;rgb@1.5,1",
         "0,255,255;;250,255,0;;250,255,0;;!255,100,100;;0,255,255;;0,255,255",
         "hand: the approach from the left to sgn x below, its limit; the sample −3 · 0.7 and its "
         "foot in the first derivative's slot, none on the right; sgn x in the curve slot"},
        // cos x at 0 from the left (304) and the right (305): ε a share of
        // the y span 3, δ = arccos(1 − ε); the box's far side at δ times the
        // δ factor, in (199, 125, 60), from A − ε down to the axis.
        {"304/2600", "ε增加", "ε=", "0.375000", "hand: 0.125 × 3"},
        {"304/2600", "", "δ=", "0.895665", "py: arccos 0.625"},
        {"304/2600", "",
         "%ε=;;%δ=;;%左极限: ;;rgb@-0.45,0;;rgb@0.45,0;;rgb@-1.1,0;;rgb@-0.45,0.9004;;"
         "rgb@0.45,0.9004;;rgb@-0.45,1.375;;rgb@-0.8957,0",
         "255,255,0;;255,255,0;;0,255,255;;250,255,0;;!255,100,100;;!250,255,0;;250,255,0;;"
         "0,255,255;;255,0,0;;0,255,255",
         "py: ε, δ in palette 5, the cosine's left limit; δ left of 0 only, to −0.8957, on the "
         "axis "
         "and on cos x; the box's rim at 1.375; the ring at x0 − δ"},
        {"304/2600", "", "左极限: ;;at@-2.7,1.2",
         "1.000;;左极限: ", "hand: cos 0; at x min + 0.05 · 6, y max − 0.1 · 3"},
        {"304/2600", "ε减少*3", "ε=", "0.192000", "hand: 0.125 × 0.8³ × 3"},
        {"304/2600", "", "δ=", "0.630047", "py: arccos 0.808"},
        {"304/2600", "", "rgb@-0.63,0.6", "199,125,60", "py: the box's side at −δ"},
        {"304/2600", "δ再大*3", "rgb@-1.2306,0.6", "199,125,60", "py: −δ × 1.25³"},
        {"304/2600", "", "rgb@-0.63,0.6", "!199,125,60", "py: the side has left −δ"},
        {"304/2600", "", "δ=", "0.630047", "hand: the factor scales the box only"},
        {"304/2600", "δ复原", "rgb@-0.63,0.6", "199,125,60", "py: back at −δ"},
        {"304/2600", "δ再小*3", "rgb@-0.3226,0.6", "199,125,60", "py: −δ × 0.8³"},
        {"304/2600", "", "rgb@-0.63,0.6", "!199,125,60", "py"},
        {"305/3200", "", "%右极限: #3;;rgb@2.1,1;;rgb@2.1,0;;rgb@-2.1,0;;rgb@2.5,1;;rgb@-1.5,-1",
         "0,255,255;;255,100,100;;255,100,100;;!250,255,0;;0,255,255;;0,255,255",
         "hand: the approach from the right to sgn x below, its limit; the sample 3 · 0.7 and its "
         "foot in the second derivative's slot, none on the left; sgn x in the curve slot"},
        {"305/2600", "ε减少*3", "ε=", "0.153600", "hand: 0.1 × 0.8³ × 3"},
        {"305/2600", "", "δ=", "0.561608", "py: arccos 0.8464"},
        {"305/2600", "",
         "%ε=;;%δ=;;%右极限: ;;rgb@0.28,0;;rgb@-0.28,0;;rgb@0.75,0;;rgb@0.28,0.9611;;"
         "rgb@-0.28,0.9611;;rgb@0.5616,0",
         "255,255,0;;255,255,0;;0,255,255;;255,100,100;;!250,255,0;;!255,100,100;;255,100,100;;"
         "0,255,255;;0,255,255",
         "py: ε, δ in palette 5, the right limit; δ right of 0 only, to 0.5616, on the axis and on "
         "cos x; the ring at x0 + δ"},
        {"305/2600", "", "右极限: ;;at@-2.7,1.2",
         "1.000;;右极限: ", "hand: cos 0; at x min + 0.05 · 6, y max − 0.1 · 3"},
        {"305/2600", "", "rgb@0.5616,0.6", "199,125,60", "py: the box's side at δ"},
        {"305/2600", "δ再大*3", "rgb@1.0969,0.6", "199,125,60", "py: δ × 1.25³"},
        {"305/2600", "", "rgb@0.5616,0.6", "!199,125,60", "py"},
        {"305/2600", "δ再小*3", "rgb@0.5616,0.6", "199,125,60", "hand: 1.25³ × 0.8³ = 1"},
        {"305/2600", "δ再小*3", "rgb@0.2875,0.6", "199,125,60", "py: δ × 0.8³"},
        {"305/2600", "δ复原", "rgb@0.5616,0.6", "199,125,60", "py: back at δ"},
        {"305/2600", "", "rgb@0.2875,0.6", "!199,125,60", "py"},
        {"305/2600", "ε增加*3", "ε=", "0.300000", "hand: back to 0.1 × 3"},
        {"305/2600", "", "δ=", "0.795399", "py: arccos 0.7"},
    });
    // [x] over x −10..20, y −2..4: its steps of 1 exceed a twentieth of the y
    // span (0.3), so the curve breaks there, though not a twentieth of the x span.
    RunScript("700Derivative1(0.3,3,40,12,26,0,0,-10,20,-2,4,-10,20)\n",
              {
                  {"300", "", "ink@1.5,1;;ink@-0.5,-1;;bare@1,0.5;;bare@2,1.5",
                   "15,-1;;15,-1;;15,-1;;15,-1",
                   "hand: [1.5] = 1, [−0.5] = −1; no riser at the steps 1 and 2"},
              });
}

// Sources: python3, page 304's cos x from the left at x0 = 1, where the band
// cos 1 ± 0.3 is left at 1 − arccos(cos 1 + 0.3), δ 0.427044, but at
// arccos(cos 1 − 0.3) − 1, 0.328119, on the right; the hollow dot at x0 − δ
// ringed in (0, 255, 255). The click puts x0 within a pixel of 1 (δ moves
// by about half the shift), well inside the ring's reach. Page 305 from
// the right at the same x0: the hollow dot at x0 + 0.328119, the left δ 0.
PRESS_TABLE(LimitPresses, TheLeftDotOfAnUnevenPoint) {
    Run({
        {"304/1700", "^1,0.5", "rgb@0.572956,0;;rgb@0.45,0.2403;;rgb@0.45,0.8403",
         "0,255,255;;199,125,60;;199,125,60",
         "py: the dot at x0 − δ of the left; the band's lines cos 1 ∓ 0.3 run from the y axis "
         "to the box at x0 − δ, not from x0"},
        {"304/1700", "", "rgb@0.671881,0", "!0,255,255", "py: none at x0 − δ of the right"},
        {"305/1700", "^1,0.5", "rgb@1.328119,0", "0,255,255", "py: the dot at x0 + δ of the right"},
    });
}

// Sources: python3, page 302: arctan x as x → −∞, the band −π/2 ± 4ε
// filled (0, 0, 250) left of −X = −cot 4ε: ε 0.1 [−1.9708, −1.1708] left
// of −2.3652; ε 0.064 [−1.8268, −1.3148] left of −3.8205.
PRESS_TABLE(LimitPresses, TheBandTowardMinusInfinity) {
    Run({
        {"302", "", "rgb@-5,-1.25", "0,0,250", "py: inside the band"},
        {"302", "",
         "%(x→-∞)极限: ;;rgb@10,-1.1708;;rgb@10,-1.9708;;rgb@-20,-1.1708;;rgb@-1,-1.1708;;"
         "rgb@-20,-1.5208;;rgb@10,1.4711",
         "0,255,255;;199,125,60;;199,125,60;;255,0,0;;!255,0,0;;0,255,255;;0,255,255",
         "py: the limit; the band's lines −π/2 ± 0.4 right of −X = −2.3652, the box's rim left "
         "of it only; arctan(−20) redrawn, arctan 10"},
        {"302", "", "rgb@-3,-1.3", "0,0,250", "py: left of −X"},
        {"302", "", "rgb@-1.8,-1.3", "!0,0,250", "py: right of −X"},
        {"302", "", "rgb@-10,-1.1", "!0,0,250", "py: above the band"},
        {"302", "ε减少*2", "rgb@-4.6,-1.5", "0,0,250", "py: left of −X = −3.8205"},
        {"302", "", "rgb@-3,-1.5", "!0,0,250", "py: right of it now"},
        {"302", "", "rgb@-10,-1.25", "!0,0,250", "py: above −π/2 + 0.256"},
        {"302", "", "rgb@-10,-1.77", "0,0,250", "py: above −π/2 − 0.256"},
    });
}

// Sources: hand, sin x / x of page 352 tends to 1 at 0 from either side and
// to 0 at ±∞ (|sin x / x| ≤ 1/x, below 1e-9 at the last samples).
PRESS_TABLE(LimitPresses, TheSixLimitKinds) {
    Run({
        {"352", "x0-0", "左极限: ", "1.000", "hand: sin x / x → 1 from the left"},
        {"352", "", "%极限点: ;;%左极限: ;;rgb@-5.6,-0.1127;;rgb@-5.6,0;;rgb@5.6,0",
         "0,255,255;;0,255,255;;250,255,0;;250,255,0;;!255,100,100",
         "py: x0 and the limit in the curve slot; the left sample −8 · 0.7 and its foot in the "
         "first derivative's slot, no right samples"},
        {"352", "x0+0", "右极限: ", "1.000", "hand: from the right"},
        {"352", "", "%右极限: ;;rgb@3.92,-0.1791;;rgb@5.6,0;;rgb@-5.6,0",
         "0,255,255;;255,100,100;;255,100,100;;!250,255,0",
         "py: the right samples 8 · 0.49 on the curve and 8 · 0.7 on the axis in the second "
         "derivative's slot, none on the left"},
        {"352", "∞", "(x→∞)极限: ", "0.000", "hand: |sin x / x| ≤ 1/|x|"},
        {"352", "", "%(x→∞)极限: ", "0,255,255", "hand: the limit in the curve slot"},
        {"352", "+∞", "(x→+∞)极限: ", "0.000", "hand"},
        {"352", "-∞", "(x→-∞)极限: ", "0.000", "hand"},
        {"352", "", "!左极限", "", "hand: no finite point at infinity"},
        {"352", "x0", "极限: ", "1.000", "hand: both sides agree"},
        {"352", "", "?极限点: ", "", "hand: a finite point again"},
    });
}

} // namespace
