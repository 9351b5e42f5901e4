// The Fourier series of page 338 pressed button by button: F(x) = x on one
// period, extended oddly, evenly or as it is, with the period and the
// number of terms stepped and the coefficient list hidden and shown again.
#include "press_table.h"

namespace {

// Sources: python3, a_k and b_k = (2/T) ∫ F(x) cos or sin(2kπx/T) over
// (−T/2, T/2) by the midpoint rule on 20000 pieces, T from 6.283185 by
// ×1.25 and ×0.8, four decimals; by hand, b_k = (T/(kπ))(−1)^(k+1) for x
// and a0/2 = T/4, a_k = −(4/π)/k² (k odd) for |x|. The list is written
// from its last row up: "b =#1" is b_n.
PRESS_TABLE(FourierPresses, TheCoefficientsOfPage338) {
    Run({
        {"338", "", "b =", "2.0000", "hand: 2(−1)^(k+1)/k, k 1"},
        {"338", "", "展开项数: ;;at@-4,-2.52",
         "1;;展开项数: ", "the script's n; hand: at (0.2, 0.22) of the ranges"},
        {"338", "", "%展开项数: ;;%b =;;%a /2=;;rgb@1,1",
         "255,255,0;;0,255,255;;0,255,255;;0,255,255",
         "hand: n in palette 5, the list and F(1) = 1 in the curve slot"},
        {"338", "n增加*2", "b =;;at@1,-0.7288;;at@-7,1.8856;;at@-7,3.1928;;#3;;#4;;#7;;#8",
         "0.6667;;b =;;a =;;a /2=;;3;;3;;1;;1",
         "hand: 2/3, k 3; row k at 4.5 − 1.3072(k + 1), rows 1.2 lines of 42 px (1280/30) "
         "apart on 9 units over 347 px (8.7 lines less 18), a at x 0.05 and b at 0.45 of the "
         "span; the subscripts k after the empty labels, a's and b's from the last row up, "
         "past the two before the list"},
        {"338", "", "b =#2", "-1.0000", "hand: −2/2"},
        {"338", "", "展开项数: ", "3", "hand: 1 + 2"},
        {"338", "余弦展开", "a /2=", "1.5708", "py: the mean of |x|, π/2"},
        {"338", "", "a =#3", "-1.2732", "py: −4/π, k 1"},
        {"338", "", "a =", "-0.1415", "py: −4/(9π), k 3"},
        {"338", "一般展开|周期增加", "b =#3", "2.5000", "py: T 7.853981, T/π"},
        {"338", "", "b =", "0.8333", "py: T/(3π), k 3"},
        {"338", "周期减少*2", "b =#2", "-0.8000", "py: T 5.026548, −T/(2π)"},
        {"338", "", "b =#3", "1.6000", "py: T/π, k 1"},
        {"338", "周期增加", "b =#3", "2.0000", "py: T back to 6.283185"},
        {"338", "n减少", "展开项数: ", "2", "hand: 3 − 1"},
        {"338", "", "b =", "-1.0000", "hand: k 2 heads the list"},
        {"338", "", "b =#3", "(none)", "hand: two rows of b"},
        {"338", "取消显示", "!a /2=", "", "hand: the list is hidden"},
        {"338", "显示系数", "b =#2", "2.0000", "hand: the list again, k 1"},
        {"338", "正弦展开", "b =#2", "2.0000", "hand: x extended oddly is x"},
    });
}

// Sources: hand, page 339: F = 1 on (0, π) extended oddly, the square wave
// with b_k = 4/(kπ) for odd k (every period alike), evenly or as it is the
// constant 1; the second figure's F = x extended evenly, |x| over
// (−T/2, T/2): a0/2 = T/4 and a1 = −2T/π², T from 6.283185 by ×1.25 and
// ×0.8. A repaint after a press draws the figure pressed: after "open"
// the second figure's buttons are "#2", then its own the only ones.
PRESS_TABLE(FourierPresses, TheSineAndCosineSeriesOfPage339) {
    Run({
        {"339/2600", "", "b =", "1.2732", "hand: 4/π"},
        {"339/2600", "", "%展开项数: ;;%b =;;%a =;;rgb@-2.5,2.5",
         "255,255,0;;0,255,255;;0,255,255;;0,255,255",
         "hand: n in palette 5, the list in the curve slot, and there too the second figure's "
         "|x| at −2.5 (its sum 2.5909 below)"},
        {"339/2600", "n增加*2", "b =", "0.4244", "hand: 4/(3π), k 3 heads the list"},
        {"339/2600", "", "b =#3", "1.2732", "hand: 4/π, k 1"},
        {"339/2600", "n减少", "展开项数: ", "2", "hand: 3 − 1"},
        {"339/2600", "余弦展开", "a /2=", "1.0000", "hand: 1 extended evenly"},
        {"339/2600", "一般展开", "a /2=", "1.0000", "hand: the constant 1"},
        {"339/2600", "正弦展开", "b =#2", "1.2732", "hand: 4/π again, k 1"},
        {"339/2600", "周期增加", "b =#2", "1.2732", "hand: the square wave's b1 for any period"},
        {"339/2600", "周期减少*2", "b =#2", "1.2732", "hand: the same"},
        {"339/2600", "取消显示", "a /2=", "(none)", "hand: the list is hidden"},
        {"339/2600", "显示系数", "a /2=", "0.0000", "hand: the square wave's mean"},
        {"339/2600", "open|周期增加#2", "a /2=", "1.9635", "py: T 7.853981, T/4"},
        {"339/2600", "周期减少*2", "a /2=", "1.2566", "py: T 5.026548"},
        {"339/2600", "周期增加", "a /2=", "1.5708", "py: T back to 6.283185"},
        {"339/2600", "n增加", "展开项数: ", "2", "hand: 1 + 1"},
        {"339/2600", "n减少", "展开项数: ", "1", "hand: 2 − 1"},
        {"339/2600", "取消显示", "a /2=", "(none)", "hand: the list is hidden"},
        {"339/2600", "显示系数", "a /2=", "1.5708", "hand: π/2 again"},
        {"339/2600", "正弦展开", "b =", "2.0000", "hand: x extended oddly, b1 = 2"},
        {"339/2600", "一般展开", "b =", "2.0000", "hand: x as it is, b1 = 2"},
        {"339/2600", "余弦展开", "a /2=", "1.5708", "hand: |x| again"},
    });
}

// Sources: python3, the partial sums drawn in (250, 255, 0) with the list
// hidden: on 338 S3 = 2 sin x − sin 2x + (2/3) sin 3x of x over (−π, π)
// and, extended evenly, π/2 − (4/π)(cos x + cos 3x / 9); with the period
// T = 6.283185 × 1.25, Σ (T/(kπ))(−1)^(k+1) sin(2kπx/T); on 339 the square
// wave's (4/π)(sin x + sin 3x / 3 + sin 5x / 5) and, below it, x's even
// sum π/2 − (4/π)(cos x + cos 3x / 9). The sum runs from the
// left end in steps of a ten-thousandth of the span: its last point is the
// right end less one step (12 − 0.002, 10 − 0.002).
PRESS_TABLE(FourierPresses, ThePartialSumsAlongTheRange) {
    Run({
        {"338", "取消显示|n增加*2", "展开项数: ", "3", "hand: 1 + 2"},
        {"338", "", "rgb@-8,-1.6629", "250,255,0", "py: S3 at the left end"},
        {"338", "", "rgb@-8,-1.9787", "!250,255,0", "py: S1 there"},
        {"338", "", "rgb@-8,-0.8", "!250,255,0", "py: the sum starts at S3(−8), not below 0"},
        {"338", "", "rgb@-5.3,0.869", "250,255,0", "py: S3(−5.3)"},
        {"338", "", "rgb@-1.1,-0.8688", "250,255,0", "py: S3(−1.1)"},
        {"338", "", "rgb@3.7,-2.6214", "250,255,0", "py: S3(3.7)"},
        {"338", "", "rgb@8.2,2.181", "250,255,0", "py: S3(8.2)"},
        {"338", "", "rgb@11.998,-0.8299", "250,255,0", "py: S3 at the last point"},
        {"338", "", "rgb@11.998,-1.0765", "!250,255,0", "py: S1 there"},
        {"338", "余弦展开", "rgb@-8,1.696", "250,255,0", "py: the even sum at the left end"},
        {"338", "", "rgb@-1.1,1.133", "250,255,0", "py: at −1.1"},
        {"338", "", "rgb@3.7,2.6359", "250,255,0", "py: at 3.7"},
        {"338", "", "rgb@3.7,-2.6214", "!250,255,0", "py: the odd sum is gone"},
        {"338", "", "rgb@6,0.2549", "250,255,0", "py: at 6"},
        {"338", "一般展开|周期增加", "rgb@-8,-0.2881", "250,255,0", "py: T 7.853981, the left end"},
        {"338", "", "rgb@-8,-1.6629", "!250,255,0", "py: T 6.283185's sum is gone"},
        {"338", "", "rgb@-2.9,-3.5992", "250,255,0", "py: at −2.9"},
        {"338", "", "rgb@4.4,-2.5374", "250,255,0", "py: at 4.4"},
        {"338", "", "rgb@9.1,1.0849", "250,255,0", "py: at 9.1"},
        {"338", "", "rgb@11.998,-1.272", "250,255,0", "py: at the last point"},
        {"339/2600", "取消显示|n增加*2", "rgb@-10,1.112", "250,255,0", "py: at the left end"},
        {"339/2600", "", "rgb@-7.3,-1.1214", "250,255,0", "py: at −7.3"},
        {"339/2600", "", "rgb@-1.5,-1;;rgb@1.5,1;;%展开项数: ", "0,255,255;;0,255,255;;255,255,0",
         "hand: the square wave ∓1 at ∓1.5 in the curve slot (its sum ∓0.855); n in palette 5"},
        {"339/2600", "", "rgb@4.6,-0.8647", "250,255,0", "py: at 4.6"},
        {"339/2600", "", "rgb@4.6,-1.2652", "!250,255,0", "py: one term's value there"},
        {"339/2600", "", "rgb@9.998,-1.1103", "250,255,0", "py: at the last point"},
        {"339/2600", "n增加*2", "rgb@4.6,-1.0802", "250,255,0", "py: five terms at 4.6"},
        {"339/2600", "", "rgb@4.6,-0.8647", "!250,255,0", "py: three terms' value is gone"},
        {"339/2600", "", "rgb@-2.2,-0.907", "250,255,0", "py: five terms at −2.2"},
        {"339/2600", "", "rgb@6.5,0.756", "250,255,0", "py: five terms at 6.5"},
        {"339/2600", "", "rgb@9.998,-1.1795", "250,255,0", "py: five terms at the last point"},
        {"339/2600", "open|取消显示#2|n增加*2", "rgb@-6.1,0.1982", "250,255,0",
         "py: x's even sum, n 3"},
        {"339/2600", "", "rgb@-6.1,0.3189", "!250,255,0", "py: n 1's value there"},
        {"339/2600", "", "rgb@-10,2.6173", "250,255,0", "py: at the left end"},
        {"339/2600", "", "rgb@-0.9,0.9072", "250,255,0", "py: at −0.9"},
        {"339/2600", "", "rgb@3.3,2.9539", "250,255,0", "py: at 3.3"},
        {"339/2600", "", "rgb@7.7,1.4386", "250,255,0", "py: at 7.7"},
    });
}

} // namespace
