// Text labels at world points of the current figure: "Text2" (a plane
// point), "TextDert" (a point that follows the cursor shifted by Δx, with
// optional Δx buttons), "Text3" (a space point, or the surface under the
// mouse) and "Textz" (where a surface crosses the cutting height). The text
// is label 1 of the command record.
#include "calculus/button_column.h"
#include "platform/text_codec.h"
#include "script/script_args.h"
#include "view/view.h"

#include <cstdlib>

namespace {

constexpr int kArgText = 6;     // Text2( Text3( Textz(
constexpr int kArgTextDert = 9; // TextDert(
// Labels may stand this part of the x span beside the plot.
constexpr double kLabelMargin = 0.2;
// Textz scans the diagonal direction in these steps up to 1.
constexpr double kCrossingStep = 0.01;
constexpr int kCrossingSteps = 100;
// A space point's name moves down at most this many rows off the names before.
constexpr int kText3Shifts = 3;

} // namespace

void CPemroView::CmdText2(CDC* pDC) {
    if (!IsAnnotationOn()) return;
    double x = ReadScriptNumber(kArgText);
    double y = ReadScriptNumber(m_nParsePos);
    ReadScriptColors(TRUE, FALSE);
    // The name of the cursor's point in the plot stays inside it, off the
    // tick numbers, when the ranges bring the point to the plot's edge.
    const bool atCursor =
        x < m_dXMin - kLabelMargin * m_dXSpan || x > m_dXMax + kLabelMargin * m_dXSpan;
    if (atCursor) x = m_dCursorX;
    PlaneYOrCurve(x, &y);
    if (atCursor && IsInsideWorldRange(x, y)) {
        // Near the plot's bottom the name goes above its point, clear of
        // the names and numbers along the bottom edge.
        const int h = std::abs(PlainStringFont(FALSE, m_nLabelZoom).lfHeight);
        if (m_nPlotHeight > 0 && (y - m_dYMin) * m_nPlotHeight < h * m_dYSpan)
            y += (h + 2) * m_dYSpan / m_nPlotHeight;
        DrawStringWorldInPlot(pDC, x, y, m_astrCommandLabel[0], m_crPen);
    } else
        DrawStringWorld(pDC, x, y, m_astrCommandLabel[0], m_crPen);
}

void CPemroView::CmdTextDert(CDC* pDC) {
    if (!IsAnnotationOn()) return;
    double x = ReadScriptNumber(kArgTextDert);
    double y = ReadScriptNumber(m_nParsePos);
    const int buttons = ScriptInt(ReadScriptNumber(m_nParsePos));
    ReadScriptColors(TRUE, FALSE);
    if (x < m_dXMin - kLabelMargin * m_dXSpan || x > m_dXMax + kLabelMargin * m_dXSpan)
        x = m_dCursorX + m_dStepH * m_dXSpan;
    PlaneYOrCurve(x, &y);
    // The label goes with its point; out of the plot it is not written.
    if (IsInsideWorldRange(x, y)) DrawStringWorld(pDC, x, y, m_astrCommandLabel[0], m_crPen);
    if (buttons != 1) return;
    const int bx = m_nFigureRight - 20;
    // The buttons straddle the frame's right edge; the frame widens to hold them.
    calculus::FrameMarginForColumn(*this, pDC, bx, {u8"△x增", u8"△x减"});
    if (TextButtonInPlot(pDC, bx, m_nFigureTop + 4, 36, 20, Gbk(u8"△x增"), m_crCurveSetting))
        ScaleStepH(1.25);
    if (TextButtonInPlot(pDC, bx, m_nFigureTop + 26, 36, 20, Gbk(u8"△x减"), m_crCurveSetting))
        ScaleStepH(0.8);
}

void CPemroView::CmdText3(CDC* pDC) {
    if (!IsAnnotationOn()) return;
    double x = ReadScriptNumber(kArgText);
    double y = ReadScriptNumber(m_nParsePos);
    double z = ReadScriptNumber(m_nParsePos);
    ReadScriptColors(TRUE, FALSE);
    // (c, c, c) with c outside the x range: the surface point under the
    // mouse, on the lower surface for c below the range, else the upper.
    if (x == y && y == z && (x < m_dXMin || x > m_dXMax)) {
        if (m_bCutZc == 1 || m_nSectionPlane != 0) return;
        const bool lower = x < m_dXMin;
        x = m_adMousePoint3D[0];
        y = m_adMousePoint3D[1];
        z = lower ? EvalSurfaceG(x, y, m_nSurfaceLower) : EvalSurfaceF(x, y, m_nSurfaceUpper);
        if (!(EvalRegionFunction(x, y, m_nFuncF) > 0)) return;
    }
    int sx, sy;
    if (!ProjectText3D(x, y, z, &sx, &sy)) return;
    // Names of space points that come close on the screen (a z range
    // stretched far) stand one under the other instead of over each other.
    const CString& text = m_astrCommandLabel[0];
    CSize size;
    {
        const CFontSelect font(pDC, PlainStringFont(FALSE, m_nLabelZoom));
        size = pDC->GetTextExtent(text);
    }
    CRect cell(sx, sy, sx + size.cx, sy + size.cy);
    const auto taken = [&] {
        for (const CRect& r : m_aText3Cells)
            if (!cell.Intersect(r).IsRectEmpty()) return true;
        return false;
    };
    for (int i = 0; i < kText3Shifts && taken(); ++i) cell.OffsetRect(0, size.cy);
    m_aText3Cells.push_back(cell);
    // A view turned far can bring the point under the figure's read-outs or
    // buttons: the name steps aside from them, still beside its point.
    const CPoint at = ClearOfFigureText(pDC, cell.left, cell.top, text);
    DrawString(pDC, at.x, at.y, text, m_crPen);
}

void CPemroView::CmdTextz(CDC* pDC) {
    if (!IsAnnotationOn() || m_bCutZc != 1 || m_nSectionPlane != 0) return;
    const int kind = ScriptInt(ReadScriptNumber(kArgText));
    const double c = ReadScriptNumber(m_nParsePos);
    const double h = m_dDirP;
    if (!((kind == 0 && h > c) || (kind == 1 && h < c))) return;
    const auto height = [&](double s) {
        const double x = s * m_dXSpan, y = s * m_dYSpan;
        return (kind == 0 ? EvalSurfaceF(x, y, m_nSurfaceUpper)
                          : EvalSurfaceG(x, y, m_nSurfaceLower)) -
               h;
    };
    double s = 0;
    for (int i = 0; i < kCrossingSteps && s < 1; ++i, s += kCrossingStep) {
        if (height(s) * height(s + kCrossingStep) < 0)
            DrawText3D(pDC, s * m_dXSpan, s * m_dYSpan, h, m_astrCommandLabel[0], m_crPen);
    }
}
