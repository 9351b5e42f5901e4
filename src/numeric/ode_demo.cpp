// Numerical solutions of initial-value problems: one first-order equation
// (a solution polygon of the chosen method, or a family of solutions, with
// the derivative along each curve, a direction field and a value table) or
// a system of two first-order equations (both components over t, or the
// trajectory in the phase plane).
#include "calculus/button_column.h"
#include "platform/text_codec.h"
#include "view/view.h"

#include <algorithm>
#include <cmath>

namespace {

// The general-solution pages step finely; the step buttons keep h between
// a ten-thousandth of the x span and the span itself.
constexpr double kGeneralMaxStep = 0.01;
constexpr double kMinStepOfSpan = 1e-4;
// Steps of one curve in one direction at most.
constexpr int kMaxOdeSteps = 20000;
// Direction-field cells at most. The cells are at least 1.2 % of the x span
// wide and as high: 84 columns, and rows as the y span holds them. Only a
// y span more than 35 times the x span passes this bound; its rows are then
// thinned rather than the pass hanging.
constexpr double kMaxFieldCells = 250000;
constexpr int kTableSteps = 10;
// The height of a table row's numbers and of the labels, in lines.
constexpr double kLabelLines = 0.6;
constexpr int kGridColumns = 5; // starting abscissae: x span / 5 apart
constexpr int kGridRows = 10;   // starting ordinates: y span / 10 apart

struct OdeButton {
    int offset;
    const char* label;
    int pendingMethod; // -1: not a method button
};
constexpr OdeButton kMethodButtons[] = {
    {122, u8"Euler法", 0},    {146, u8"改进Euler", 1}, {170, u8"RK法", 2},
    {194, u8"Adams预_校", 3}, {218, u8"Adams", 6},
};

const char* MethodName(int family, int method) {
    if (family == 0) return method == 0 ? u8"欧拉折线法" : u8"改进欧拉折线法";
    if (family == 1)
        return method == 0 ? u8"龙格库塔法" : method == 1 ? u8"阿达姆斯预_校法" : u8"阿达姆斯法";
    return nullptr;
}

} // namespace

void CPemroView::DrawDiffEquation1(CDC* pDC, int which) {
    const int ch = m_nBaseCharHeight;
    if (which == 0)
        DrawFunctionGraph(pDC, 0, 0, 0, 0.001, m_astrCommandLabel[0], m_astrCommandLabel[1]);
    if (m_nOdeMethodFamily == 2 && m_dOdeStep > kGeneralMaxStep) m_dOdeStep = kGeneralMaxStep;
    if (m_dOdeStep < 0) m_dOdeStep = 0.1;
    if (m_nDemoOption < 0) m_nDemoOption = 0;
    if (m_nDemoOption2 < 0) m_nDemoOption2 = 0;
    const double h = m_dOdeStep;

    if (which == 0 && m_nOdeMethodFamily < 2 && m_nFuncLower == 1 && HitTestGraphRegion(2)) {
        const double d = Max2(h, 0.01 * m_dXSpan);
        const double cell = 1.2 * d;
        // The whole grid: its counts come from the ranges before it is drawn.
        const double cols = std::ceil(m_dXSpan / cell), rows = std::ceil(m_dYSpan / cell);
        if (cell > 0 && cols >= 1 && rows >= 1 && cols * rows < 1e15) {
            const long rowStep = long(std::ceil(cols * rows / kMaxFieldCells));
            for (long i = 0; i < long(cols); ++i)
                for (long j = 0; j < long(rows); j += rowStep) {
                    const double x = m_dXMin + double(i) * cell, y = m_dYMin + double(j) * cell;
                    const double slope = EvalODERightSide(0, x, y, m_nSurfaceUpper);
                    if (m_nSurfaceLower == 2)
                        DrawArrowWorld(pDC, x, y, x + d, y + d * slope, 0, "", "", m_crDefaultPen);
                    else if (m_nSurfaceLower == 1)
                        DrawLineWorld(pDC, x, y, x + d, y + d * slope, m_crDefaultPen);
                }
        }
    }
    if (m_nSurfaceCoefEdit > 0) {
        const int top = which == 0 ? m_nPlotTop - 5 * ch : m_nPlotTop - 9 * ch / 2;
        DrawODEFunctionPanel(pDC, which == 0 ? m_nOdeOrder : 2,
                             m_nPlotLeft - 16 - m_nSidePanelWidth, m_nPlotRight + 20, top,
                             m_nPlotTop - ch);
    }
    if (!m_bFullRepaint && !IsClickOnGraphControls()) return;

    if (which == 0)
        DrawOdeSingle(pDC);
    else
        DrawOdeSystem(pDC);

    if (const char* name = MethodName(m_nOdeMethodFamily, m_nOdeMethod)) {
        if (which != 0) m_bOdeCaptionAbove = FALSE;
        int x, y;
        if (OdeCaptionAbove(&x, &y))
            DrawStringSmall(pDC, x, y, Gbk(name), m_crCurveSetting);
        else
            DrawStringWorld(pDC, m_dXMin + 0.2 * m_dXSpan, m_dYMin + m_dParamStep * m_dYSpan,
                            Gbk(name), m_crCurveSetting);
    }
}

BOOL CPemroView::DrawOdeValueRow(CDC* pDC, int n, double x, double y, double column) {
    // The backward rows start a line lower: the top line holds the title.
    const bool backward = column < m_dXMin + 0.25 * m_dXSpan;
    const double py = m_dYMax - 0.1 * (backward ? n + 1 : n) * m_dYSpan;
    DrawLabelValuePair(pDC, column, py, "x =", 3, x, "", 0, n, 1.0, -0.3, m_crDefaultFill);
    DrawLabelValuePair(pDC, column + 0.2 * m_dXSpan, py, "y =", 4, y, "", 0, n, 1.0, -0.3,
                       m_crDefaultFill);
    const double labelY = m_dYMin + m_dParamStep * m_dYSpan;
    const double lineHeight = m_nPlotHeight > 0 ? kLabelLines * (m_nBaseCharHeight + m_nFontStep) *
                                                      m_dYSpan / m_nPlotHeight
                                                : 0;
    return std::fabs(py - labelY) < lineHeight;
}

// Where the caption starts when a table row took its line: in the strip
// above the plot, after the range boxes, in small type so that the longest
// method name and the step fit before the step buttons.
BOOL CPemroView::OdeCaptionAbove(int* x, int* y) const {
    if (!m_bOdeCaptionAbove) return FALSE;
    int box[4][2];
    RangeBoxes2D(box);
    *x = box[3][1] + 10;
    *y = m_nPlotTop - 9 * m_nBaseCharHeight / 10;
    return TRUE;
}

void CPemroView::DrawOdeSingle(CDC* pDC) {
    const int ch = m_nBaseCharHeight;
    const double xs = m_dXSpan, ys = m_dYSpan;
    const double h = m_dOdeStep;
    const bool inside = m_dXMin < m_dX0 && m_dX0 < m_dXMax;
    const double sx = inside ? m_dX0 : m_dCursorX, sy = inside ? m_dY0 : m_dCursorY;
    const COLORREF curve = m_crCurveSetting, slope = m_crFirstDerivative;
    DrawString(pDC, m_nPlotLeft + ch / 2, m_nPlotTop, Gbk(u8"一阶微分方程:y′=f(x,y)"), curve);

    if (m_nOdeMethodFamily == 2 && !m_bShowFuncName) {
        // The pair ends inside the figure however wide a large font makes
        // its buttons.
        const CString general = Gbk(u8"通解"), particular = Gbk(u8"特解");
        const int xRight =
            std::min(m_nPlotRight - 50, m_nFigureRight - 3 - ButtonWidth(particular));
        const int xLeft =
            std::min(m_nPlotRight - 100, xRight - kButtonRowGap - ButtonWidth(general));
        if (TextButton(pDC, xLeft, m_nPlotTop + 4, general)) m_dDemoParam = 0;
        if (TextButton(pDC, xRight, m_nPlotTop + 4, particular)) m_dDemoParam = 1;
        const double ly = m_dYMax - 0.15 * ys, ty = m_dYMax - m_dParamStep * ys;
        if (m_dDemoParam == 1) {
            DrawLineWorld(pDC, m_dXMin + 0.05 * xs, ly, m_dXMin + 0.09 * xs, ly, curve);
            DrawStringWorld(pDC, m_dXMin + 0.1 * xs, ty, Gbk(u8"特解"), curve);
            DrawLineWorld(pDC, m_dXMin + 0.2 * xs, ly, m_dXMin + 0.25 * xs, ly, slope);
            DrawStringWorld(pDC, m_dXMin + 0.25 * xs, ty, Gbk(u8"导数"), slope);
        } else if (m_dDemoParam == 0) {
            DrawLineWorld(pDC, m_dXMin + 0.05 * xs, ly, m_dXMin + 0.09 * xs, ly, curve);
            DrawStringWorld(pDC, m_dXMin + 0.1 * xs, ty, Gbk(u8"通解"), curve);
        }
    }
    if (m_bShowFuncName) {
        SetODEFormulaText(m_nSurfaceUpper);
        DrawString(pDC, m_nPlotLeft + ch, m_nPlotTop + ch, m_strFormulaFxy, curve);
    }

    // A table row on the caption's line keeps its place; the caption moves.
    m_bOdeCaptionAbove = FALSE;
    auto f = [this](double x, double y) { return EvalODERightSide(0, x, y, m_nSurfaceUpper); };
    // A zero or non-finite step cannot advance a curve: nothing is integrated.
    const bool canStep = h > 0 && std::isfinite(h);
    const bool family = m_nOdeMethodFamily >= 1;
    const bool table = m_nOdeMethodFamily < 2 && m_nDemoOption2 == 0 &&
                       (m_nOdeMethodFamily == 0 || m_dDemoParam != 0);
    // One direction of one curve; dir is +1 or -1.
    // The abscissae are x0 + n h, each rounded onto an interval or range end
    // it meets: summed steps would land an ulp off it, adding a step past the
    // interval's end or dropping the last chord at the plot's edge.
    const double near = 1e-9 * h;
    const auto onEnd = [&](double v) {
        for (double e : {m_dIntervalA, m_dIntervalB, m_dXMin, m_dXMax})
            if (std::fabs(v - e) < near) return e;
        return v;
    };
    auto integrate = [&](double x0, double y0, int dir) {
        double x = x0, y = y0;
        const double step = dir * h;
        for (int n = 0; n < kMaxOdeSteps; ++n) {
            if (family ? (dir > 0 ? !(x < m_dIntervalB + 1.5 * h) : !(x >= m_dIntervalA - 1.5 * h))
                       : (dir > 0 ? !(x < m_dIntervalB) : !(x > m_dIntervalA)))
                break;
            // The backward column starts a line lower (its title's), so its
            // last row would stand on the x axis's numbers: it has one less.
            if (table && n < kTableSteps - (dir > 0 ? 0 : 1) &&
                DrawOdeValueRow(pDC, n, x, y, dir > 0 ? m_dXMin + 0.5 * xs : m_dXMin))
                m_bOdeCaptionAbove = TRUE;
            if (family)
                OdeRungeKuttaAdamsStep(0, x, y, 0, step, x0);
            else
                OdeEulerStep(x, y, step);
            const double next = m_adStepResult[0];
            const double x1 = onEnd(x0 + (n + 1) * step);
            DrawLineWorld(pDC, x, y, x1, next, curve);
            DrawLineWorld(pDC, x, f(x, y), x1, f(x1, next), slope);
            x = x1;
            y = next;
        }
    };
    if (canStep) {
        if (family && m_dDemoParam == 0) {
            for (int dir : {1, -1})
                for (int i = 0; i <= kGridColumns; ++i)
                    for (int j = 0; j <= kGridRows; ++j)
                        integrate(m_dXMin + i * xs / kGridColumns, m_dYMin + j * ys / kGridRows,
                                  dir);
        } else {
            integrate(sx, sy, 1);
            integrate(sx, sy, -1);
            if (family && m_dDemoParam == 1) DrawDotWorld(pDC, sx, sy, 3, 3, curve, curve);
        }
    }

    if (m_nOdeMethodFamily < 2) DrawOdeSingleButtons(pDC);
    if (m_nSurfaceLower >= 1) {
        int x, y;
        if (OdeCaptionAbove(&x, &y)) {
            // After the method name, in the same small type.
            const CFontSelect font(pDC, PlainStringFont(TRUE, m_nLabelZoom));
            if (const char* name = MethodName(m_nOdeMethodFamily, m_nOdeMethod))
                x += pDC->GetTextExtent(Gbk(name)).cx + m_nBaseCharHeight / 2;
            const CString label = Gbk(u8"步长h=");
            DrawStringSmall(pDC, x, y, label, curve);
            DrawNumber(pDC, x + pDC->GetTextExtent(label).cx + 2, y, 4, h, curve);
        } else {
            DrawLabelNumber(pDC, 0, m_dXMin + 0.6 * xs, m_dYMin + m_dParamStep * ys,
                            Gbk(u8"步长h="), 4, h, curve);
        }
    }
}

void CPemroView::DrawOdeSingleButtons(CDC* pDC) {
    const int x = m_nPlotRight - m_nBaseCharHeight / 2, T = m_nPlotTop;
    const double span = m_dXSpan;
    // The column straddles the plot's right edge; the frame widens to hold
    // its widest button, the same in every pass.
    int widest = calculus::WidestButton(
        *this, {u8"步长增", u8"步长减", u8"有切线", u8"无切线", u8"有数值", u8"无数值"});
    if (m_nSurfaceLower >= 1)
        for (const OdeButton& b : kMethodButtons)
            widest = std::max(widest, ButtonWidth(Gbk(b.label)));
    calculus::FrameMarginForColumn(*this, pDC, x, widest);
    // The user's step stands from now on: a script that gives h would
    // otherwise put it back at every paint.
    if (TextButton(pDC, x, T - 22, Gbk(u8"步长增")) && 2 * m_dOdeStep <= span)
        m_dOdeStep *= 2, m_bLoadScriptSettings = FALSE;
    if (TextButton(pDC, x, T + 2, Gbk(u8"步长减")) && m_dOdeStep / 2 >= kMinStepOfSpan * span)
        m_dOdeStep *= 0.5, m_bLoadScriptSettings = FALSE;
    if (TextButton(pDC, x, T + 26, Gbk(u8"有切线")))
        m_nPendingFuncLower = 1, m_bSelectionPending = TRUE;
    if (TextButton(pDC, x, T + 50, Gbk(u8"无切线")))
        m_nPendingFuncLower = 0, m_bSelectionPending = TRUE;
    if (TextButton(pDC, x, T + 74, Gbk(u8"有数值"))) m_nDemoOption2 = 0;
    if (TextButton(pDC, x, T + 98, Gbk(u8"无数值"))) m_nDemoOption2 = 1;
    if (m_nSurfaceLower < 1) return;
    for (const OdeButton& b : kMethodButtons)
        if (TextButton(pDC, x, T + b.offset, Gbk(b.label)))
            m_nPendingFuncUpper = b.pendingMethod, m_bSelectionPending = TRUE;
}

void CPemroView::DrawOdeSystem(CDC* pDC) {
    const int ch = m_nBaseCharHeight, fs = m_nFontStep;
    const int L = m_nPlotLeft, T = m_nPlotTop, R = m_nPlotRight;
    const double xs = m_dXSpan, ys = m_dYSpan;
    const COLORREF curve = m_crCurveSetting, second = m_crFirstDerivative;
    const int upper = m_nSurfaceUpper, lower = m_nSurfaceLower;

    if (m_bShowFuncName) {
        if (upper > 0 && upper < 20) {
            SetODEFormulaText(0);
            DrawString(pDC, L + ch, T + 24, m_pszFormulaF, curve);
            DrawString(pDC, L + ch, T + ch + 24 + fs, m_pszFormulaSurfG, curve);
        } else if (upper == 0) {
            SetODEFormulaText(0);
            DrawString(pDC, L + ch / 2, T + ch + fs, m_pszFormulaOde, curve);
        } else {
            SetFFormulaText(m_nFuncUpper);
            DrawString(pDC, L + ch / 2, T + ch + fs, m_pszFormulaF, curve);
            SetGFormulaText(m_nFuncLower);
            DrawString(pDC, L + ch / 2, T + 2 * (ch + fs), m_strFormulaG, curve);
        }
    }
    calculus::FrameMarginForColumn(
        *this, pDC, R - 20, {u8"相平面", u8"取消", u8"p增大", u8"p减小", u8"q增大", u8"q减小"});
    if (TextButton(pDC, R - 20, T, Gbk(u8"相平面")))
        m_bPhasePlane = m_bSavedPhasePlane = TRUE, m_bLoadScriptSettings = FALSE;
    if (TextButton(pDC, R - 20, T + 24, Gbk(u8"取消")))
        m_bPhasePlane = m_bSavedPhasePlane = FALSE, m_bLoadScriptSettings = FALSE;

    const char* title = nullptr;
    if (upper == 0 && lower == 0) {
        title = u8"微分方程y″+py′+qy=f(x)";
        const double ry = m_dYMax - 0.12 * ys;
        DrawLabelValue(pDC, m_dXMin + 0.2 * xs, ry, "p=", 4, m_dOdeP, m_crDefaultPen);
        DrawLabelValue(pDC, m_dXMin + 0.6 * xs, ry, "q=", 4, m_dOdeQ, m_crDefaultPen);
        struct {
            const char* label;
            double* field;
            double sign;
        } const buttons[] = {{u8"p增大", &m_dSavedOdeP, 1},
                             {u8"p减小", &m_dSavedOdeP, -1},
                             {u8"q增大", &m_dSavedOdeQ, 1},
                             {u8"q减小", &m_dSavedOdeQ, -1}};
        const int offsets[] = {48, 70, 94, 118};
        for (int i = 0; i < 4; ++i)
            if (TextButton(pDC, R - 20, T + offsets[i], Gbk(buttons[i].label))) {
                *buttons[i].field += buttons[i].sign * m_dParamStep;
                m_bLoadScriptSettings = FALSE;
            }
    } else if (upper == 0) {
        title = u8"微分方程y″=f(x,y,y′)";
    } else if (upper < 20) {
        title = u8"微分方程组x′=f(x,y),y′=g(x,y)";
    } else if (upper < 30) {
        title = u8"微分方程x″+f(x)x′+g(x)=0";
    }
    if (title) DrawString(pDC, L + ch / 2, T, Gbk(title), curve);

    const bool namedXY = upper >= 1 && upper <= 19;
    const double ly = m_dYMax - 0.01 * ys, sy = m_dYMax - 0.05 * ys;
    DrawStringWorld(pDC, m_dXMax - 0.3 * xs, ly, namedXY ? "x" : Gbk(u8"解"), curve);
    DrawStringWorld(pDC, m_dXMax - 0.2 * xs, ly, namedXY ? "y" : Gbk(u8"导数"), second);
    DrawLineWorld(pDC, m_dXMax - 0.35 * xs, sy, m_dXMax - 0.31 * xs, sy, curve);
    DrawLineWorld(pDC, m_dXMax - 0.25 * xs, sy, m_dXMax - 0.21 * xs, sy, second);

    const bool inside = m_dXMin < m_dX0 && m_dX0 < m_dXMax;
    m_dBreakF0 = inside ? m_dX0 : m_dCursorX;
    m_dBreakF1 = inside ? m_dY0 : m_dCursorY;
    const double t0 = m_dBreakF0, y0 = m_dBreakF1, z0 = m_dZ0;
    const bool phase = m_bPhasePlane;
    if (phase)
        DrawDotWorld(pDC, y0, z0, 3, 3, curve, curve);
    else
        DrawDotWorld(pDC, t0, y0, 3, 3, curve, curve);

    const double h = m_dOdeStep;
    if (!(h > 0) || !std::isfinite(h)) return;
    for (int dir : {1, -1}) {
        double t = t0, y = y0, z = z0;
        const double step = dir * h;
        for (int n = 0; n < kMaxOdeSteps && (dir > 0 ? t < m_dIntervalB : t > m_dIntervalA); ++n) {
            OdeRungeKuttaAdamsStep(1, t, y, z, step, t0);
            const double ny = m_adStepResult[0], nz = m_adStepResult[1];
            if (phase) {
                DrawLineWorld(pDC, y, z, ny, nz, curve);
            } else {
                DrawLineWorld(pDC, t, y, t + step, ny, curve);
                DrawLineWorld(pDC, t, z, t + step, nz, second);
            }
            t += step, y = ny, z = nz;
        }
        if (dir > 0 && phase) DrawDotWorld(pDC, y, z, 3, 3, second, curve);
    }
}
