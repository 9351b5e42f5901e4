// Newton interpolation forward or backward through the nodes, with its
// table of divided differences and the successive Newton polynomials at the
// cursor's abscissa.
#include "numeric/fit_curves.h"
#include "numeric/math/interpolation.h"
#include "platform/text_codec.h"
#include "render/text_typeset.h"
#include "view/view.h"

#include <algorithm>
#include <iterator>

namespace {

using fit_view::DrawSampledCurve;
using fit_view::kMaxNodeIndex;
using fit_view::kMaxTableLines;
using numeric::kInterpNodes;

constexpr int kRowStep = 24;
enum NewtonDisplay { kShowTable = 1, kShowApproximations = 2, kShowNeither = 3 };

struct PendingButton {
    const char* label;
    int* field;
    int value;
};

// The table's place: the even spacing over the plot, or rows and columns
// of the given pixel steps from the given top.
struct NewtonTablePlace {
    bool even = true, small = false;
    int top = 0, rowStep = 1, columnStep = 1, rows = 1, columns = 2;
};

// Where the evenly spaced table leaves its numbers no room (many nodes, a
// narrow window), the rows and columns go as close as the numbers allow,
// below the source buttons and left of the button column.
template <class Entry>
NewtonTablePlace PlaceNewtonTable(const CPemroView& v, CDC* pDC, int last, int n,
                                  const Entry& entry) {
    NewtonTablePlace place;
    // Sizes of the widest and tallest entry in the label font (divisor 3,
    // one cell before the number) or the small one (divisor 4, none).
    // The evenly spaced table ends with the widest entry of its last column.
    int lastWide = 0;
    const auto measure = [&](int divisor, int* wide, int* high) {
        LOGFONT font = v.m_lfCurrent;
        font.lfHeight = (v.m_nLabelZoom + 2) * (v.m_nFontStep + v.m_nBaseCharHeight) / divisor;
        font.lfWidth = (v.m_nLabelZoom + 2) * (v.m_nFontStep / 2 + v.m_nBaseCharWidth) / divisor;
        const CFontSelect select(pDC, font);
        *wide = *high = 0;
        for (int r = 0; r <= last; ++r)
            for (int c = 0; c <= r + 1; ++c) {
                const CSize size =
                    pDC->GetTextExtent(typeset::FormatDecimals(v.m_nDecimals, entry(r, c)));
                const int w = int(size.cx) + (divisor == 3 ? int(font.lfWidth) : 0);
                *wide = std::max(*wide, w);
                if (c == last + 1) lastWide = w;
                *high = std::max(*high, int(size.cy));
            }
    };
    int wide = 0, high = 0;
    measure(3, &wide, &high);
    const int gap = std::max(4, v.m_nBaseCharWidth / 2);
    // Below the source buttons (framed, 2 px each side) and left of the
    // button column.
    const int top = v.m_nPlotTop + v.ButtonHeight() + 4, right = v.m_nPlotRight - 20 - 2 - gap;
    const double columnPx = double(v.m_nPlotWidth) / (n + 2);
    const double rowPx = double(v.m_nPlotHeight) / (n + 2);
    const double firstRow = v.m_nPlotBottom - (n + 1) * rowPx;
    place.even = columnPx >= wide + gap && rowPx >= high + 1 && firstRow >= top &&
                 v.m_nPlotLeft + (last + 1) * columnPx + lastWide <= right;
    place.top = top;
    const auto columnsFit = [&] {
        return (last + 2) * (wide + gap) <= right - v.m_nPlotLeft + gap;
    };
    if (!place.even && ((last + 1) * (high + 2) > v.m_nPlotBottom - top || !columnsFit())) {
        place.small = true;
        measure(4, &wide, &high);
    }
    // Rows one pixel apart only where two would lose a row.
    place.rowStep = (last + 1) * (high + 2) <= v.m_nPlotBottom - top ? high + 2 : high + 1;
    place.columnStep = wide + gap;
    place.rows = std::max(1, (v.m_nPlotBottom - top) / place.rowStep);
    place.columns = std::max(2, (right - v.m_nPlotLeft + gap) / place.columnStep);
    return place;
}

} // namespace

void CPemroView::DrawNewton(CDC* pDC, int m, int n) {
    const int direction = m_nPlotMode;
    m_nPlotMode = 0;
    n = PrepareInterpolationNodes(pDC, m, n, m_crFirstDerivative, 2, m_crSecondDerivative,
                                  m_crSecondDerivative);
    m_nPlotMode = direction;

    double t[kInterpNodes], u[kInterpNodes];
    for (int i = 0; i <= n; ++i) {
        const int k = direction == 0 ? i : n - i;
        t[i] = m_adDataX[k], u[i] = m_adDataY[k];
    }
    double D[kInterpNodes][kInterpNodes];
    numeric::DividedDifferences(t, u, n, D);

    const double row = m_dYSpan / (n + 2), column = m_dXSpan / (n + 2);
    if (m_nFuncLower == kShowTable) {
        const int last = std::min(n, kMaxTableLines - 1);
        // Row r holds t_r, u_r and then the differences ending at node r; its
        // last entry is the coefficient D[0][r] of the Newton form.
        const auto entry = [&](int r, int c) { return c == 0 ? t[r] : D[r + 1 - c][c - 1]; };
        NewtonTablePlace place;
        if (pDC && m_nPlotWidth > 0 && m_nPlotHeight > 0 && m_dXSpan > 0 && m_dYSpan > 0)
            place = PlaceNewtonTable(*this, pDC, last, n, entry);
        const auto at = [&](int r, int c, double value) {
            if (place.even) {
                DrawLabelValue(pDC, m_dXMin + c * column, m_dYMin + (n + 1 - r) * row, "",
                               m_nDecimals, value, m_crCurveSetting);
                return;
            }
            const double x = m_dXMin + c * place.columnStep * m_dXSpan / m_nPlotWidth;
            const double y = m_dYMin + (m_nPlotBottom - place.top - r * place.rowStep) * m_dYSpan /
                                           m_nPlotHeight;
            if (place.small)
                DrawLabelValueSmall(pDC, x, y, "", m_nDecimals, value, m_crCurveSetting);
            else
                DrawLabelValue(pDC, x, y, "", m_nDecimals, value, m_crCurveSetting);
        };
        // Every entry stands in its own column. Where even the small font
        // leaves too few columns, the later ones go on in bands below, each
        // led by the nodes' column and holding the rows that reach them;
        // what the plot's height cannot hold is left off (the curve and
        // "显示插值" still use every order).
        const int columns = place.even ? last + 2 : std::max(2, place.columns);
        const int lines = place.even ? last + 1 : place.rows;
        int line = 0;
        for (int first = 0; first <= last + 1 && line < lines;) {
            const int end = std::min(last + 1, first == 0 ? columns - 1 : first + columns - 2);
            if (first > 0) ++line; // a blank line sets the band apart
            for (int r = std::max(0, first - 1); r <= last && line < lines; ++r, ++line) {
                if (first > 0) at(line, 0, t[r]);
                for (int c = first; c <= std::min(r + 1, end); ++c)
                    at(line, first == 0 ? c : c - first + 1, entry(r, c));
            }
            first = end + 1;
        }
    } else if (m_nFuncLower == kShowApproximations) {
        m_bShowMouseCoords = TRUE;
        DrawStringWorld(pDC, m_dXMin + 0.4 * m_dXSpan, m_dYMin + 0.1 * m_dYSpan,
                        Gbk(u8"在x轴上选一点"), m_crCurveSetting);
        const double x = m_dCursorX;
        double p = 1, s = 0;
        for (int k = 0; k <= n; ++k) {
            s += p * D[0][k];
            p *= x - t[k];
            DrawLabelValue(pDC, m_dXMin + 0.05 * m_dXSpan, m_dYMin + (n + 1 - k) * row, "",
                           m_nDecimals, s, m_crCurveSetting);
        }
    }
    DrawSampledCurve(
        *this, pDC, m_dXMin, m_dXMax, false,
        [&](double x) { return numeric::EvalNewtonForm(t, D, n, x); }, m_crCurveSetting);

    const int R = m_nPlotRight - 20, T = m_nPlotTop;
    DrawCountButtons(pDC, R, T, 1, kMaxNodeIndex);
    const PendingButton pending[] = {
        {u8"前插值", &m_nPendingPlotMode, 0},
        {u8"后插值", &m_nPendingPlotMode, 1},
        {u8"显示均差", &m_nPendingFuncLower, kShowTable},
        {u8"显示插值", &m_nPendingFuncLower, kShowApproximations},
        {u8"取消", &m_nPendingFuncLower, kShowNeither},
    };
    for (int i = 0; i < int(std::size(pending)); ++i) {
        if (TextButtonInPlot(pDC, R, T + kRowStep * (2 + i), 40, 20, Gbk(pending[i].label),
                             m_crCurveSetting)) {
            *pending[i].field = pending[i].value;
            m_bSelectionPending = TRUE;
            if (pending[i].value == kShowNeither) m_bShowMouseCoords = FALSE;
        }
    }
    TextButtonInPlot(pDC, m_nPlotRight - 40, T - 23, 60, 20,
                     Gbk(direction == 0 ? u8"牛顿前插值" : u8"牛顿后插值"), m_crFirstDerivative);
    DrawInterpolationSourceButtons(pDC);
    if (m_nFuncLower == kShowTable || m_nFuncLower == kShowApproximations)
        DrawDecimalsSelector(pDC, m_nPlotLeft, DecimalsRowY(), 6);
    DrawLabelValue(pDC, m_dXMin + 0.6 * m_dXSpan, m_dYMax, "n=", 0, n, m_crCurveSetting);
}
