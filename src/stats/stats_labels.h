// Read-outs of the statistics pages. Several labels begin with blanks that
// leave room for another piece written at the same point; the value labels
// stand on an opaque box, so the blanks become an offset instead of cells
// that would wipe the piece beside them.
#pragma once

#include "platform/text_codec.h"
#include "render/number_text.h"
#include "view/view.h"

#include <cstdio>
#include <cstring>

namespace stats_page {

// Label fonts: the value label is (zoom + 2)/3 of the base cell, the small
// one (zoom + 2)/4.
constexpr int kLabelDivisor = 3;
constexpr int kSmallDivisor = 4;

// World width of `count` cells of the label font with the divisor.
inline double CellsWide(const CPemroView& v, int count, int divisor) {
    if (v.m_nPlotWidth <= 0) return 0;
    const int cell = (v.m_nLabelZoom + 2) * (v.m_nFontStep / 2 + v.m_nBaseCharWidth) / divisor;
    return count * double(cell) * v.m_dXSpan / v.m_nPlotWidth;
}

// The GBK label without its leading blanks, and how many there were.
inline CString StripLeading(const char* utf8, int* blanks) {
    const CString gbk = Gbk(utf8);
    size_t i = 0;
    while (i < gbk.size() && gbk[i] == ' ') ++i;
    *blanks = int(i);
    return gbk.substr(i);
}

// Cells that label and value take in the label font: the label, a gap and
// the number.
inline int Cells(const char* utf8, int decimals, double value) {
    char number[64];
    std::snprintf(number, sizeof number, "%.*f", decimals < 0 ? 0 : decimals, value);
    DropSignOfZero(number);
    return int(Gbk(utf8).size()) + 1 + (decimals < 0 ? 0 : int(std::strlen(number)));
}

// label, then value with `decimals` (negative: the label alone). A label
// that closes an earlier piece at the same point starts at least minCells
// to the right, so a wider number before it is not covered.
inline void Label(CPemroView& v, CDC* pDC, double x, double y, const char* utf8, int decimals,
                  double value, int minCells = 0) {
    int blanks = 0;
    const CString label = StripLeading(utf8, &blanks);
    if (blanks > 0 && blanks < minCells) blanks = minCells;
    v.DrawLabelValue(pDC, x + CellsWide(v, blanks, kLabelDivisor), y, label, decimals, value,
                     v.m_crCurveSetting);
}

// A sub- or superscript (or bar) of a label: without a box, which would wipe
// the label it belongs to.
inline void Small(CPemroView& v, CDC* pDC, double x, double y, const char* utf8, int decimals,
                  double value) {
    int blanks = 0;
    const CString label = StripLeading(utf8, &blanks);
    v.DrawLabelAccent(pDC, x + CellsWide(v, blanks, kSmallDivisor), y, label, decimals, value,
                      v.m_crCurveSetting);
}

// A sub- or superscript (small, leading blanks an offset) at (x2, y2) in the
// spaces of the label `label1` written at x: moved left as far as it must to
// end before the label's sign after the spaces.
inline void SmallIn(CPemroView& v, CDC* pDC, double x, const char* label1, double x2, double y2,
                    const char* utf8, int decimals, double value) {
    int blanks1 = 0, blanks = 0;
    const CString first = StripLeading(label1, &blanks1);
    const CString label = StripLeading(utf8, &blanks);
    x += CellsWide(v, blanks1, kLabelDivisor);
    x2 += CellsWide(v, blanks, kSmallDivisor);
    x2 -= v.LabelAccentPull(pDC, x, first, x2, label, decimals, value);
    v.DrawLabelAccent(pDC, x2, y2, label, decimals, value, v.m_crCurveSetting);
}

// A small piece dx character widths right of (x, y) and dy lines higher: a
// sub- or superscript of the label `label1` written there.
inline void Beside(CPemroView& v, CDC* pDC, double x, double y, const char* label1,
                   const char* label2, int decimals2, double value2, double dx, double dy) {
    if (v.m_nPlotWidth <= 0 || v.m_nPlotHeight <= 0) return;
    const double x2 = x + dx * v.m_nBaseCharWidth * v.m_dXSpan / v.m_nPlotWidth;
    const double y2 = y + dy * v.m_nBaseCharHeight * v.m_dYSpan / v.m_nPlotHeight;
    SmallIn(v, pDC, x, label1, x2, y2, label2, decimals2, value2);
}

// A label and value with a small piece dx character widths to the right and
// dy lines higher (sub- and superscripts).
inline void Pair(CPemroView& v, CDC* pDC, double x, double y, const char* label1, int decimals1,
                 double value1, const char* label2, int decimals2, double value2, double dx,
                 double dy, int minCells = 0) {
    Label(v, pDC, x, y, label1, decimals1, value1, minCells);
    Beside(v, pDC, x, y, label1, label2, decimals2, value2, dx, dy);
}

} // namespace stats_page
