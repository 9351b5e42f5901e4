// "Ploygon" (so spelled in scripts): the area of a circle approached by the
// inscribed regular 6-, 12-, 24- and 48-gons, with buttons that double and
// halve the number of sides.
#include "calculus/button_column.h"
#include "view/view.h"

#include "calculus/math/polygons.h"
#include "platform/text_codec.h"

namespace {

constexpr int kFirstArgPloygon = 8;
// The curve's parameter interval and the chord step and bound: truncated
// turns, so that exactly k chords close each polygon.
constexpr double kCurveTurn = 6.29;
constexpr double kChordTurn = 6.2839;
constexpr double kChordBound = 6.2838;
// Polygons drawn: 6, 12, 24 and 48 sides, in palette colours 4 to 7.
constexpr int kFirstSides = 6;
constexpr int kLastDrawnSides = 48;
constexpr int kFirstPaletteColour = 4;
constexpr COLORREF kLabelColour = 5; // a palette number
constexpr COLORREF kButtonText = RGB(250, 250, 120);

} // namespace

void CPemroView::CmdPloygon(CDC* pDC) {
    ReadPlotSetup(kFirstArgPloygon);
    if (m_bFigureVisible) DrawPloygon(pDC);
}

void CPemroView::DrawPloygon(CDC* pDC) {
    if (!IsFigureBandVisible()) return;
    DrawFunctionGraph(pDC, 0, 0, 0.0, kCurveTurn, "x", "y");
    if (m_nDemoStep < kFirstSides) m_nDemoStep = kFirstSides;
    // The row keeps its place until a wide font would carry "n减少" past the
    // frame's right edge; then it moves left as far as that needs.
    const int right =
        m_nPlotRight - calculus::RowShiftIntoFigure(*this, {{m_nPlotRight - 110, u8"n增加"},
                                                            {m_nPlotRight - 56, u8"n减少"}});
    const int y = m_nPlotTop + 4;
    if (TextButtonInPlot(pDC, right - 110, y, 50, 20, Gbk(u8"n增加"), kButtonText))
        m_nDemoStep = calculus::DoubledCapped(m_nDemoStep, calculus::kMaxPolygonSides);
    // Never below the first polygon, which every pass would bring it back to.
    if (TextButtonInPlot(pDC, right - 56, y, 50, 20, Gbk(u8"n减少"), kButtonText) &&
        m_nDemoStep / 2 >= kFirstSides)
        m_nDemoStep /= 2;
    const int N = m_nDemoStep, f = m_nFuncF;

    int colour = kFirstPaletteColour;
    for (int k = kFirstSides; k <= N && k <= kLastDrawnSides; k *= 2, ++colour) {
        const double h = kChordTurn / k;
        double t = 0;
        for (int i = 0; i <= k && t < kChordBound; ++i, t += h)
            DrawLineWorld(pDC, EvalParamX(t, f), EvalParamY(t, f), EvalParamX(t + h, f),
                          EvalParamY(t + h, f), m_acrPalette[colour]);
    }

    const double r = m_adCoefF[0];
    const double x1 = m_dXMin + 0.3 * m_dXSpan, x2 = m_dXMin + 0.2 * m_dXSpan;
    DrawLabelNumber(pDC, 0, x1, m_dYMin + 0.8 * m_dYSpan, Gbk(u8"正N边形N= "), 0, N, kLabelColour);
    DrawLabelNumber(pDC, 0, x1, m_dYMin + 0.65 * m_dYSpan, Gbk(u8"外截圆半径r= "), 0, r,
                    kLabelColour);
    DrawLabelNumber(pDC, 0, x2, m_dYMin + 0.5 * m_dYSpan, Gbk(u8"面积的近似值: "), 6,
                    calculus::InscribedPolygonArea(N, r), kLabelColour);
    DrawLabelNumber(pDC, 0, x2, m_dYMin + 0.35 * m_dYSpan, Gbk(u8"面积/r^2近似值:  "), 6,
                    calculus::InscribedPolygonArea(N, 1.0), kLabelColour);
}
