// Where a labelled value written at a world point stands after a range step
// has moved that point: inside the plot, where the lecturer reads it.
#pragma once

#include "render/math/label_place.h"
#include "render/text_typeset.h"
#include "view/view.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

namespace calculus {

// Moves *x so that a label of `cells` cells in the label font of
// DrawLabelValue, written at (*x, y), stands inside the plot across (pulled
// left from the right edge, pushed right from the left). False when its row
// lies above or below the plot: it is not written then.
inline bool KeepLabelInPlot(const CPemroView& v, size_t cells, double* x, double y) {
    if (v.m_nPlotWidth <= 0 || v.m_nPlotHeight <= 0 || !(v.m_dXSpan > 0) || !(v.m_dYSpan > 0))
        return true;
    const int zoom = v.m_nLabelZoom + 2;
    const int cell = zoom * (v.m_nFontStep / 2 + v.m_nBaseCharWidth) / 3;
    const int height = zoom * (v.m_nFontStep + v.m_nBaseCharHeight) / 3;
    const double fx = v.m_nPlotLeft + (*x - v.m_dXMin) * v.m_nPlotWidth / v.m_dXSpan;
    const double fy = v.m_nPlotBottom - (y - v.m_dYMin) * v.m_nPlotHeight / v.m_dYSpan;
    if (!std::isfinite(fx) || !std::isfinite(fy)) return true;
    if (fy < v.m_nPlotTop || fy + height > v.m_nPlotBottom) return false;
    const double right = v.m_nPlotLeft + v.m_nPlotWidth - double(cell) * double(cells);
    const double kept = std::max<double>(v.m_nPlotLeft, std::min(fx, right));
    *x = v.m_dXMin + (kept - v.m_nPlotLeft) * v.m_dXSpan / v.m_nPlotWidth;
    return true;
}

// Moves (*x, *y), where KeepLabelInPlot has kept such a label, off the text
// and buttons its figure has already written or holds to write (a hint, a
// length that a range step has brought under it), as little as it takes and
// inside the plot.
inline void KeepLabelOffFigureText(const CPemroView& v, size_t cells, double* x, double* y) {
    if (v.m_nPlotWidth <= 0 || v.m_nPlotHeight <= 0 || !(v.m_dXSpan > 0) || !(v.m_dYSpan > 0))
        return;
    const int zoom = v.m_nLabelZoom + 2;
    const int cell = zoom * (v.m_nFontStep / 2 + v.m_nBaseCharWidth) / 3;
    const int height = std::max(1, zoom * (v.m_nFontStep + v.m_nBaseCharHeight) / 3);
    const double fx = v.m_nPlotLeft + (*x - v.m_dXMin) * v.m_nPlotWidth / v.m_dXSpan;
    const double fy = v.m_nPlotBottom - (*y - v.m_dYMin) * v.m_nPlotHeight / v.m_dYSpan;
    if (!IsDrawable(fx) || !IsDrawable(fy)) return;
    const int px = ToPixel(fx), py = ToPixel(fy);
    const CRect box(px, py, px + cell * int(cells), py + height);
    const CRect plot(v.m_nPlotLeft, v.m_nPlotTop, v.m_nPlotRight, v.m_nPlotBottom);
    std::vector<CRect> taken = v.m_aFigureBoxes;
    for (const CPemroView::HeldValuePiece& p : v.m_aHeldValuePieces) taken.push_back(p.cell);
    const CPoint d =
        labels::NearestFreeShift(box, taken, plot, std::max(2, height / 4), 5 * height);
    *x += d.x * v.m_dXSpan / v.m_nPlotWidth;
    *y -= d.y * v.m_dYSpan / v.m_nPlotHeight;
}

// "f    =" with room for the subscript written in its blanks (three
// quarters of the label's cells): four blanks, one more for each character
// a long subscript ("-0.231") needs.
inline CString SubscriptLabel(const char* letter, int decimals, double subscript,
                              const char* sign) {
    const size_t digits = typeset::FormatDecimals(decimals, subscript).size();
    const size_t blanks = std::max<size_t>(4, digits > 0 ? digits - 1 : 0);
    return CString(letter) + CString(blanks, ' ') + sign;
}

} // namespace calculus
