// Romberg integration: the triangular table of trapezoid values and their
// extrapolations, or the function values of the finest grid.
#include "calculus/button_column.h"
#include "numeric/math/romberg.h"
#include "platform/text_codec.h"
#include "render/text_typeset.h"
#include "view/view.h"

#include <algorithm>

namespace {

constexpr double kEpsilonUp = 5.0;
constexpr double kEpsilonDown = 0.2;
// ε stays where the table can answer it: the table shows at most 6
// decimals, so closer agreement would not show, and its read-out would
// read 0; far above the integrand's size every ε stops the table at three
// rows, and the read-out keeps to its place above the table.
constexpr double kMinEpsilon = 1e-6;
constexpr double kMaxEpsilon = 1e3;

// The rows of one column of the function-value list, in pixels below the
// plot's top: the first row's top and the last row's, spread over the plot
// as the nominal places are, clear of the read-out and the caption.
struct ListBand {
    int top, bottom;
};

ListBand RombergListBand(const CPemroView& v, CDC* pDC, bool rightColumn, double firstValue) {
    // A row: the label line, and its small x half a line lower.
    const int Eb = v.m_nFontStep + v.m_nBaseCharHeight, wb = v.m_nFontStep / 2 + v.m_nBaseCharWidth;
    const int big = (v.m_nLabelZoom + 2) * Eb / 3, small = (v.m_nLabelZoom + 2) * Eb / 4;
    const int row = std::max(big, v.m_nBaseCharHeight / 2 + small);
    // The last row stays above the x numbers under the plot.
    ListBand band{0, std::max(0, v.m_nPlotHeight - row)};
    if (!rightColumn || !pDC) return band;
    // The right column ends above the caption under it.
    band.bottom = std::max(0, std::min(band.bottom, 9 * v.m_nPlotHeight / 10 - row - 2));
    // The right column's first row goes below the epsilon read-out where it
    // would reach it.
    LOGFONT font = v.m_lfCurrent;
    font.lfHeight = big;
    font.lfWidth = (v.m_nLabelZoom + 2) * wb / 3;
    int number = 0;
    {
        CFontSelect select(pDC, font);
        number = pDC->GetTextExtent(typeset::FormatDecimals(6, firstValue)).cx;
    }
    const int rowWidth = font.lfWidth * 7 + number; // "f    =", a gap, the value
    if (v.m_nPlotWidth / 2 + rowWidth > 6 * v.m_nPlotWidth / 10)
        band.top = std::min(band.bottom, big + 2);
    return band;
}

} // namespace

void CPemroView::DrawRomberg(CDC* pDC) {
    const double a = m_dIntervalA, b = m_dIntervalB;
    const int ch = m_nBaseCharHeight;
    DrawStringWorld(pDC, m_dXMin + 0.6 * m_dXSpan, m_dYMin + 0.1 * m_dYSpan, Gbk(u8"Romberg积分"),
                    m_crCurveSetting);
    const int x = m_nPlotRight - 20, listX = m_nPlotRight - (2 * ch) / 3;
    // The buttons straddle the plot's right edge; the frame widens to hold
    // the widest, the same in every pass.
    calculus::FrameMarginForColumn(
        *this, pDC, x,
        std::max(calculus::WidestButton(*this, {u8"ε增加", u8"ε减少"}),
                 listX - x + calculus::WidestButton(*this, {u8"不显示数据", u8"显示数据"})));
    // A step that would leave the range does nothing.
    m_dEpsilon = std::clamp(m_dEpsilon, kMinEpsilon, kMaxEpsilon);
    if (TextButtonInPlot(pDC, x, m_nPlotTop, 48, 20, Gbk(u8"ε增加"), m_crCurveSetting) &&
        m_dEpsilon * kEpsilonUp <= kMaxEpsilon)
        m_dEpsilon *= kEpsilonUp;
    if (TextButtonInPlot(pDC, x, m_nPlotTop + 24, 48, 20, Gbk(u8"ε减少"), m_crCurveSetting) &&
        m_dEpsilon * kEpsilonDown >= kMinEpsilon)
        m_dEpsilon *= kEpsilonDown;
    const bool list = m_nDemoOption == 1;
    if (TextButtonInPlot(pDC, listX, m_nPlotTop - 24, 50, 20,
                         Gbk(list ? u8"不显示数据" : u8"显示数据"), m_crCurveSetting))
        m_nDemoOption = list ? 0 : 1;
    DrawLabelValue(pDC, m_dXMin + 0.6 * m_dXSpan, m_dYMax, Gbk(u8"ε="), 6, m_dEpsilon,
                   m_crFirstDerivative);
    DrawDecimalsSelector(pDC, m_nPlotLeft, DecimalsRowY(), 6);

    auto f = [this](double t) { return EvalF(t, m_nFuncF); };
    numeric::RombergTable table;
    numeric::ComputeRomberg(f, a, b, m_dEpsilon, &table);
    const int rows = table.rows;

    if (m_nDemoOption != 1) {
        const double d = Max2(4, rows);
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c <= r; ++c)
                DrawLabelValue(pDC, m_dXMin + c * m_dXSpan / d, m_dYMax - r * m_dYSpan / d, "",
                               m_nDecimals, table.r[r][c], m_crFirstDerivative);
        return;
    }
    const double N = table.finestPoints;
    const double h = (b - a) / N;
    // On a fine grid many lines fall on one pixel row and overwrite each
    // other; only every stride-th is written (a power of two, so both
    // columns keep their first and last lines).
    long stride = 1;
    while (N / double(stride) > 2.0 * Max2(m_nPlotHeight, 1)) stride *= 2;
    const ListBand left = RombergListBand(*this, pDC, false, 0.0);
    const ListBand right = RombergListBand(*this, pDC, true, f(a + (N / 2) * h));
    for (long j = 0; j <= long(N); j += stride) {
        const double xj = a + j * h;
        const bool leftColumn = j < N / 2;
        const double px = leftColumn ? m_dXMin : m_dXMin + 0.5 * m_dXSpan;
        const double down = leftColumn ? 2 * j / N : (2 * j - N) / N; // 0 top .. 1 bottom
        const ListBand& band = leftColumn ? left : right;
        const double py = m_dYMax - (band.top + down * (band.bottom - band.top)) * m_dYSpan /
                                        Max2(m_nPlotHeight, 1);
        DrawLabelValuePair(pDC, px, py, "f    =", 6, f(xj), "", 3, xj, 1.2, -0.5, m_crCurveSetting);
    }
}
