// The colour planes of the complex iterations pressed button by button: the
// plane presets and coefficient steps of page 351 read back from its value
// row, n, ε and M, and on both pages the two colour choices and the six
// colour ramps read from the pixels of a point that settles and of one that
// runs away at the first step.
#include "press_table.h"

#include "dialogs/common_dialogs.h"

namespace {

// The colour dialog answers by the slot it opens on: the run-away colour
// (start RGB(0,100,100)) becomes 240,40,0 and the settle colour (start
// RGB(0,100,255)) 20,200,160.
struct ColourAnswers {
    ColourAnswers() {
        CommonDialogHooks h;
        h.colour = [](COLORREF* c) {
            const bool away = *c == RGB(0, 100, 100) || *c == RGB(240, 40, 0);
            *c = away ? RGB(240, 40, 0) : RGB(20, 200, 160);
            return true;
        };
        SetCommonDialogHooks(std::move(h));
    }
    ~ColourAnswers() { SetCommonDialogHooks({}); }
};

// Sources: hand, the preset table (z0: A = 0.4 + 0.3i, B = −0.4 + 0.4i, C =
// 1 + 0.8i; A plane: B = 0, C = 1; B plane: A = −0.6, C = 0.8 + 0.9i; C
// plane: A = 0.8 + 0.6i, B = 0.3 + 0.7i), 0.1 a step, one decimal; n from
// the script's 200, ×2 or ÷2; ε from 0.1, ×10 or ÷10, capped at 1; M from
// 1e8, ×2 or ÷2. Colours: python3, k = 1 of n = 200 (351) or 100 (353),
// the ramp weight t blending the slot colour with the grey 100, each part
// truncated to its low 8 bits. Page 351 unpreset is Zn = Zn-1² + C over C:
// C = 0.03 + 0.04i settles at once (|C| ≤ ε = 0.1), 0.9 − 0.9i runs away
// at once once M = 1e8/2²⁷ = 0.745. Page 353 maps (x, y) to (x² − y² −
// 0.75, 2xy + 0.1): (−0.5, 0.05) moves 0.002, (1.5, 1) 2.33.
PRESS_TABLE(CatalogPlanePresses, ComplexIterationPanel) {
    const ColourAnswers answers;
    Run({
        {"351", "z0平面", "A=", "0.4", "hand: the z0 preset"},
        {"351", "", "+i", "0.3", "hand: the z0 preset"},
        {"351", "", "B=", "-0.4", "hand: the z0 preset"},
        {"351", "", "+i#2", "0.4", "hand: the z0 preset"},
        {"351", "", "C=", "1.0", "hand: the z0 preset"},
        {"351", "", "+i#3", "0.8", "hand: the z0 preset"},
        {"351", "ReA*3", "A=", "0.7", "hand: 0.4 + 0.3"},
        {"351", "ReA#2", "A=", "0.6", "hand: 0.7 − 0.1"},
        {"351", "ImA*3", "+i", "0.6", "hand: 0.3 + 0.3"},
        {"351", "ImA#2*2", "+i", "0.4", "hand: 0.6 − 0.2"},
        {"351", "ReB*3", "B=", "-0.1", "hand: −0.4 + 0.3"},
        {"351", "ReB#2", "B=", "-0.2", "hand: −0.1 − 0.1"},
        {"351", "ImB#2*3", "+i#2", "0.1", "hand: 0.4 − 0.3"},
        {"351", "ImB", "+i#2", "0.2", "hand: 0.1 + 0.1"},
        {"351", "ReC#2*3", "C=", "0.7", "hand: 1 − 0.3"},
        {"351", "ReC", "C=", "0.8", "hand: 0.7 + 0.1"},
        {"351", "ImC*3", "+i#3", "1.1", "hand: 0.8 + 0.3"},
        {"351", "ImC#2", "+i#3", "1.0", "hand: 1.1 − 0.1"},
        {"351", "增加|减少", "A=", "0.6", "hand: the row captions change nothing"},
        {"351", "A平面", "B=", "0.0", "hand: the A-plane preset"},
        {"351", "", "+i#3", "0.0", "hand: C = 1 + 0i"},
        {"351", "", "+i", "0.4", "hand: A keeps its steps"},
        {"351", "B平面", "A=;;C=", "-0.6;;0.8", "hand: the B-plane preset, C = 0.8 + 0.9i"},
        {"351", "", "+i#3", "0.9", "hand: C = 0.8 + 0.9i"},
        {"351", "C平面", "+i;;A=", "0.6;;0.8", "hand: A = 0.8 + 0.6i"},
        {"351", "", "+i#2;;B=", "0.7;;0.3", "hand: B = 0.3 + 0.7i"},
        {"351", "@-0.5,0.5", "C=", "1.2", "hand: C ends at the scan's last point"},
        {"351", "", "+i#3", "1.3", "hand: y max"},
        {"351", "n", "n=", "400", "hand: 200 × 2"},
        {"351", "n*2", "n=", "1600", "hand: 200 × 2³"},
        {"351", "n#2*3", "n=", "200", "hand: 1600 / 2³"},
        {"351", "ε", "ε=", "1.000000", "hand: 0.1 × 10"},
        {"351", "ε#2*3", "ε=", "0.001000", "hand: 1 / 10³"},
        {"351", "ε#2*4", "10^6ε=;;at@-1.18,-0.78",
         "0.100000;;10^6ε=", "hand: 1e-7 × 1e6; at x min + 0.3 · 3.4, y min + 0.2 · 2.6"},
        {"351", "M", "M=", "200000000", "hand: 1e8 × 2"},
        {"351", "M#2*3", "M=", "25000000", "hand: 2e8 / 2³"},
        {"351", "open|M#2*27", "M=", "1", "hand: 1e8 / 2²⁷ = 0.745"},
        {"351", "趋向∞的颜色|极限存在的颜色|1|@-0.5,0.5", "rgb@0.9,-0.9", "240,40,0",
         "py: ramp 1, t = 1"},
        {"351", "", "rgb@0.03,0.04", "20,200,160", "py: ramp 1, t = 1"},
        {"351", "2|@-0.5,0.5", "rgb@0.9,-0.9", "100,99,99", "py: ramp 2, t = 1/200"},
        {"351", "", "rgb@0.03,0.04", "99,100,100", "py: ramp 2, t = 1/200"},
        {"351", "3|@-0.5,0.5", "rgb@0.9,-0.9", "137,84,73", "py: ramp 3, t = 0.2659"},
        {"351", "", "rgb@0.03,0.04", "78,126,115", "py: ramp 3"},
        {"351", "4|@-0.5,0.5", "rgb@0.9,-0.9", "136,84,73", "py: ramp 4, t = 0.2603"},
        {"351", "", "rgb@0.03,0.04", "79,126,115", "py: ramp 4"},
        {"351", "5|@-0.5,0.5", "rgb@0.9,-0.9", "70,3,195", "py: ramp 5, t = 1.6151"},
        {"351", "", "rgb@0.03,0.04", "227,5,196", "py: ramp 5"},
        {"351", "6|@-0.5,0.5", "rgb@0.9,-0.9", "100,100,100", "py: ramp 6, t = 0"},
        {"351", "", "rgb@0.03,0.04", "100,100,100", "py: ramp 6"},
    });
}

PRESS_TABLE(CatalogPlanePresses, PlaneMapColours) {
    const ColourAnswers answers;
    Run({
        {"353", "M减*27|趋向∞|极限存在|1|@0,-1", "rgb@1.5,1", "239,40,0",
         "py: ramp 1, t = 1 − 1e-16"},
        {"353", "", "rgb@-0.5,0.05", "20,199,160", "py: ramp 1"},
        {"353", "颜色:|颜色变换:|2|@0,-1", "rgb@1.5,1", "101,99,99", "py: ramp 2, t = 1/100"},
        {"353", "", "rgb@-0.5,0.05", "99,101,100", "py: ramp 2"},
        {"353", "3|@0,-1", "rgb@1.5,1", "144,81,68", "py: ramp 3, t = 0.3162"},
        {"353", "", "rgb@-0.5,0.05", "74,131,118", "py: ramp 3"},
        {"353", "4|@0,-1", "rgb@1.5,1", "111,95,92", "py: ramp 4, t = 0.0793"},
        {"353", "", "rgb@-0.5,0.05", "93,107,104", "py: ramp 4"},
        {"353", "5|@0,-1", "rgb@1.5,1", "168,217,125", "py: ramp 5, t = 2.3198"},
        {"353", "", "rgb@-0.5,0.05", "171,75,239", "py: ramp 5"},
        {"353", "6|@0,-1", "rgb@1.5,1", "100,100,100", "py: ramp 6, t = 0"},
        {"353", "", "rgb@-0.5,0.05", "100,100,100", "py: ramp 6"},
    });
}

} // namespace
