// Simple marks in the current figure: "Rectangular" (a colour-graded
// rectangle), "dots" (a row of dots on a catalogue function), "Polygon" and
// "Polygon3" (filled polygons in the plane and in space) and "Print" (a row
// of function values).
#include "view/view.h"

#include "calculus/label_in_plot.h"
#include "platform/real_steps.h"
#include "script/script_args.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr int kArgRectangular = 12; // Rectangular(
constexpr int kArgDotRow = 5;       // dots(
constexpr int kArgPolygon = 8;      // Polygon(
constexpr int kArgPolygon3 = 9;     // Polygon3(
constexpr int kArgPrint = 6;        // Print(

// Rows of dots and values: at most this many entries across the range.
constexpr int kRowEntryCap = 2000;
constexpr int kValueDecimals = 5;

// Entries x = start, start + span/n, … below end, counted; nothing for
// n <= 0 or a step that does not advance.
template <class Fn> void ForEachRowEntry(double start, double end, double span, int n, Fn fn) {
    if (n <= 0) return;
    const double step = span / n;
    steps::ForEach(start, end, step, kRowEntryCap, false, fn);
}

// The vertex count of a polygon line: at most the point list's size. The
// vertices beyond it are still read (so the colours after them are found)
// but not kept.
int ReadPolygon(CPemroView& v, int first, int dims) {
    const int n = ScriptInt(v.ReadScriptNumber(first));
    const int kept = n < CPemroView::kPointListSize ? n : CPemroView::kPointListSize;
    double* lists[3] = {v.m_adPointX, v.m_adPointY, v.m_adPointZ};
    for (int i = 0; i < n; ++i) {
        // Vertices beyond the list size are skipped once the list has closed.
        if (i >= kept && !v.IsArgListOpen()) break;
        for (int d = 0; d < dims; ++d) {
            const double value = v.ReadScriptNumber(v.m_nParsePos);
            if (i < kept) lists[d][i] = value;
        }
    }
    return kept < 0 ? 0 : kept;
}

} // namespace

void CPemroView::CmdRectangular(CDC* pDC) {
    if (!IsAnnotationOn()) return;
    double v[4];
    for (int i = 0; i < 4; ++i) v[i] = ReadScriptNumber(i == 0 ? kArgRectangular : m_nParsePos);
    ReadScriptColors(TRUE, TRUE);
    FillRectGradientWorld(pDC, v[0], v[2], v[1], v[3], m_crPen, m_crFill);
}

void CPemroView::Cmddots(CDC* pDC) {
    if (!IsAnnotationOn()) return;
    const int k = ScriptInt(ReadScriptNumber(kArgDotRow));
    const int withGraph = ScriptInt(ReadScriptNumber(m_nParsePos));
    const int r = ScriptInt(ReadScriptNumber(m_nParsePos));
    const int n = ScriptInt(ReadScriptNumber(m_nParsePos));
    m_dIntervalA = ReadScriptNumber(m_nParsePos);
    m_dIntervalB = ReadScriptNumber(m_nParsePos);
    ReadScriptColors(TRUE, TRUE);
    if (withGraph == 1) PlotCurveByKind(pDC, k, 0, m_dIntervalA, m_dIntervalB, m_crPen);
    ForEachRowEntry(m_dXMin, m_dXMax, m_dXMax - m_dXMin, n,
                    [&](double x) { DrawDotWorld(pDC, x, EvalF(x, k), r, r, m_crPen, m_crFill); });
}

void CPemroView::CmdPolygon(CDC* pDC) {
    if (!IsAnnotationOn()) return;
    // "Polygon3" passes this section's prefix test too; its triples are not
    // a plane polygon (read as pairs they would seed a fill anywhere).
    if (std::strncmp(m_szCommandLine, "Polygon3", 8) == 0) return;
    const int n = ReadPolygon(*this, kArgPolygon, 2);
    ReadScriptColors(TRUE, TRUE);
    if (n < 1) return;
    const double* x = m_adPointX;
    const double* y = m_adPointY;
    // Filled by its own outline, then the outline over it: a polygon of
    // fewer than three vertices has no inside.
    FillPolygonWorld(pDC, x, y, n, m_crFill);
    for (int i = 0; i < n; ++i) {
        const int j = i + 1 < n ? i + 1 : 0;
        DrawLineWorld(pDC, x[i], y[i], x[j], y[j], m_crPen);
    }
}

void CPemroView::CmdPolygon3(CDC* pDC) {
    if (!IsAnnotationOn()) return;
    const int n = ReadPolygon(*this, kArgPolygon3, 3);
    ReadScriptColors(TRUE, TRUE);
    if (n < 1) return;
    const double* x = m_adPointX;
    const double* y = m_adPointY;
    const double* z = m_adPointZ;
    FillPolygon3D(pDC, x, y, z, n, m_crFill);
    for (int i = 0; i < n; ++i) {
        const int j = i + 1 < n ? i + 1 : 0;
        DrawLine3D(pDC, x[i], y[i], z[i], x[j], y[j], z[j], m_crPen);
    }
}

void CPemroView::CmdPrint(CDC* pDC) {
    if (!IsAnnotationOn()) return;
    const int k = ScriptInt(ReadScriptNumber(kArgPrint));
    const int n = ScriptInt(ReadScriptNumber(m_nParsePos));
    double y = ReadScriptNumber(m_nParsePos);
    ReadScriptColors(TRUE, FALSE);
    // The row stays in the plot when the range moves past its height: below
    // the plot it would lie on the axis's numbers, above it on the buttons.
    if (std::isfinite(y)) {
        const double row = LabelValueRowHeight(pDC);
        y = std::max(std::min(y, m_dYMax), std::min(m_dYMin + row, m_dYMax));
    }
    // The value at x is F at x mirrored about the middle of the range.
    // An entry that the squeezed range brings onto a figure's text written
    // before (a chord's length) stands off it.
    ForEachRowEntry(m_dXMin, m_dXMax, m_dXSpan, n, [&](double x) {
        const double value = EvalF(m_dXMax - x + m_dXMin, k);
        double at = x, row = y;
        const size_t cells = 1 + typeset::FormatDecimals(kValueDecimals, value).size();
        calculus::KeepLabelOffFigureText(*this, cells, &at, &row);
        DrawLabelValue(pDC, at, row, "", kValueDecimals, value, m_crPen);
    });
}
