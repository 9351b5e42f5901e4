// The column of parameter buttons beside the rolling-ball figures (on a
// curve and on a surface): each button adds a multiple of the page's button
// step to one setting, or sets it to a fixed value.
#pragma once

#include "platform/text_codec.h"
#include "view/view.h"

namespace calculus {

struct BallParamButton {
    const char* label;
    double CPemroView::*field;
    double add;  // times the button step
    double sets; // when add is 0: the value set
};

// From the top down, `pitch` pixels apart, left edge at x. With a pair step
// the buttons stand two to a row, each pair's second `pairStep` to the right.
template <size_t N>
void BallParamColumn(CPemroView& v, CDC* pDC, int x, int top, int pitch,
                     const BallParamButton (&column)[N], int pairStep = 0) {
    const double k = v.m_dParamStep;
    int i = 0;
    for (const BallParamButton& b : column) {
        const int bx = pairStep > 0 ? x + pairStep * (i % 2) : x;
        const int by = top + pitch * (pairStep > 0 ? i / 2 : i);
        ++i;
        if (v.TextButtonInPlot(pDC, bx, by, 48, 20, Gbk(b.label), v.m_crCurveSetting)) {
            v.*b.field = b.add != 0 ? v.*b.field + b.add * k : b.sets;
            v.m_bLoadScriptSettings = 0;
        }
    }
}

} // namespace calculus
