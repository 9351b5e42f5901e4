// The general function graph: layout of the figure and plot boxes, the
// frame, restore, period and range controls, the legends and the formula
// label, the axes with their ticks, and the "Curve" command's figure.
#include "catalog/math/classical_curves.h"
#include "catalog/math/graph_axes.h"
#include "catalog/range_glyphs.h"
#include "platform/text_codec.h"
#include "view/view.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>

namespace {

// Distance of the figure from the painted area within which it is drawn.
constexpr int kBandMargin = 150;
// The stretch of the world range a curve interval must exceed to be drawn.
constexpr double kMinIntervalFraction = 0.01;
constexpr double kPeriodUp = 1.25;
constexpr double kPeriodDown = 0.8;
// Nominal size of the buttons placed inside the plot.
constexpr int kButtonW = 40;
constexpr int kButtonH = 20;
constexpr int kTickLength = 4;
// The y axis's name stands this far right of the axis.
constexpr int kAxisNameDx = 8;
// The frame drawn round a button, outside its box.
constexpr int kButtonFrame = 2;
// The frame reaches this far right of the plot.
constexpr int kFrameRightMargin = 20;
// Zoomed, the frame stands this far inside the window.
constexpr int kZoomMargin = 4;
// Width of the page the controls' pixel offsets are given for.
constexpr int kNominalWidth = 800;
// The plot starts this far right of the figure's left, past the column of
// y numbers; the column is at least this many number cells wide.
constexpr int kPlotIndent = 12;
constexpr int kNarrowestNumberCells = 2;
// A plot of equal units keeps at least this share of each laid-out side.
constexpr int kMinPlotSideNum = 1;
constexpr int kMinPlotSideDen = 2;

// Sub-demonstrations that write their own formula.
constexpr int kSubDemoOwnFormulaA = 12;
constexpr int kSubDemoOwnFormulaB = 13;

// The graph's own labels, in the page's encoding.
struct GraphLabels {
    CString restore = Gbk(u8"恢复");
    CString periodUp = Gbk(u8"周期增加");
    CString periodDown = Gbk(u8"周期减少");
    CString firstDerivative = Gbk(u8"一阶导数");
    CString secondDerivative = Gbk(u8"二阶导数");
    CString function = Gbk(u8"函数:");
};

const GraphLabels& Labels() {
    static const GraphLabels labels;
    return labels;
}

bool SpanUsable(double span) {
    return span > 0 && std::isfinite(span);
}

} // namespace

BOOL CPemroView::IsInsideWorldRange(double x, double y) const {
    return m_dXMin < x && x < m_dXMax && m_dYMin < y && y < m_dYMax;
}

BOOL CPemroView::IsClickOnGraphControls() const {
    if (!IsFigureBandVisible()) return FALSE;
    const CPoint click = ClickPagePoint();
    const int cx = click.x, cy = click.y;
    const int c = m_nBaseCharHeight;
    // From the frame's left edge ("恢复") to the button column right of the
    // plot, and up over the arrow boxes or the coefficient panel.
    const int frameLeft = m_nPlotLeft - 16 - m_nSidePanelWidth;
    const int left = (m_nFigureLeft < frameLeft ? m_nFigureLeft : frameLeft) - c;
    const int top = (m_nCurveCoefEdit > 0 ? m_nPlotTop - 5 * c : m_nFigureTop) - c;
    return NoteClickMet(left < cx && cx < m_nPlotRight + 2 * c && top < cy &&
                        cy < m_nPlotBottom + c);
}

BOOL CPemroView::IsGraphFrameRedrawn() const {
    return m_bFullRepaint || IsClickOnGraphControls() || (HitTestGraphRegion(1) && m_bZoom) ||
           (m_nClassicalCurve > 0 && IsClickOnClassicalColumn());
}

void CPemroView::RangeBoxes2D(int box[4][2]) const {
    // Laid out for an 800-pixel-wide page; wider pages spread them with
    // their glyphs, so that no glyph's click area reaches into its
    // neighbour's. Boxes too narrow for the font's glyphs widen, and push the
    // boxes after them right by as much.
    const double scale = m_nClipRight - m_nClipLeft > kNominalWidth
                             ? double(m_nClipRight - m_nClipLeft) / kNominalWidth
                             : 1.0;
    // The row keeps its place while a range step widens or narrows the y
    // numbers beside the plot: it starts where the narrowest column of
    // numbers would put the plot, so a pointer held on "↑" never meets "↓".
    const int cell = (m_nBaseCharWidth + m_nFontStep) * (m_nLabelZoom + 2) / 2;
    const int rowLeft =
        std::min(m_nPlotLeft, m_nFigureLeft + kPlotIndent + kNarrowestNumberCells * cell);
    const auto X = [&](int nominal) { return rowLeft + ToPixel(nominal * scale); };
    const int pitch = catalog::RangeGlyphPitch(PlainStringFont(FALSE, 0));
    const int nominal[4][2] = {{6, 78}, {90, 162}, {174, 210}, {222, 258}};
    // The row starts clear of "恢复" at the frame's left where the two meet
    // (a narrow side panel); the row keeps its place while "恢复" comes and
    // goes.
    int first = 0;
    int restoreY = 0;
    const CRect restore = RestoreButtonBox(&restoreY);
    const int top = m_nPlotTop - (m_nBaseCharHeight * 10) / 11,
              bottom = m_nPlotTop - m_nBaseCharHeight / 9;
    if (restore.top - kButtonFrame < bottom && top < restore.bottom + kButtonFrame)
        first = std::max(0, restore.right + kButtonFrame + 3 - X(nominal[0][0]));
    for (int i = 0, shift = first; i < 4; ++i) {
        const int glyphs = i < 2 ? 4 : 2;
        box[i][0] = X(nominal[i][0]) + shift;
        box[i][1] = std::max(X(nominal[i][1]) + shift, box[i][0] + glyphs * pitch);
        shift = box[i][1] - X(nominal[i][1]);
    }
}

CRect CPemroView::RestoreButtonBox(int* nominalY) const {
    // Its frame ends above the plot's top, where the matrix pages stand
    // their precision column: rows are laid out for a nominal height of 20
    // and scaled to the real one.
    const int bh = std::max(1, ButtonHeight());
    int restoreY = std::min(m_nFigureTop - 2, m_nPlotTop - 20 - (100 + bh - 1) / bh);
    // Where the row of the nominal height 20 stands at the real one.
    const auto drawnAt = [&](int y) {
        return m_nPlotTop + int(std::int64_t(bh) * (y - m_nPlotTop) / 20);
    };
    // Inside the figure's box, clear of the page's text line above, while it
    // stays clear of the plot's top.
    while (drawnAt(restoreY) < m_nFigureTop + 2 && drawnAt(restoreY + 1) + bh + 4 <= m_nPlotTop)
        ++restoreY;
    *nominalY = restoreY;
    const int drawnY = drawnAt(restoreY);
    return CRect(m_nFigureLeft, drawnY, m_nFigureLeft + ButtonWidth(Labels().restore), drawnY + bh);
}

BOOL CPemroView::StoredClickWorldPoint(double* x, double* y) const {
    const int w = m_nPlotRight - m_nPlotLeft, h = m_nPlotBottom - m_nPlotTop;
    if (w <= 0 || h <= 0 || !SpanUsable(m_dXMax - m_dXMin) || !SpanUsable(m_dYMax - m_dYMin))
        return FALSE;
    const CPoint click = ClickPagePoint();
    const double px = click.x, py = click.y;
    NoteClickMet(m_nPlotLeft < px && px < m_nPlotRight && m_nPlotTop < py && py < m_nPlotBottom);
    *x = m_dXMin + (m_dXMax - m_dXMin) * (px - m_nPlotLeft) / w;
    *y = m_dYMin + (m_dYMax - m_dYMin) * (m_nPlotBottom - py) / h;
    return std::isfinite(*x) && std::isfinite(*y);
}

void CPemroView::EqualizePlotUnits() {
    if (!SpanUsable(m_dXSpan) || !SpanUsable(m_dYSpan) || m_nPlotWidth <= 0 || m_nPlotHeight <= 0)
        return;
    // A side keeps room for the range boxes above it and the captions and
    // read-outs inside it; past that the short axis shows more of its world
    // about the range's middle, the units kept equal.
    int box[4][2];
    RangeBoxes2D(box);
    const int minWidth = std::min(
        m_nPlotWidth, std::max(m_nPlotWidth * kMinPlotSideNum / kMinPlotSideDen,
                               box[3][1] - m_nPlotLeft - kFrameRightMargin + kButtonFrame + 2));
    const int minHeight =
        std::min(m_nPlotHeight, m_nPlotHeight * kMinPlotSideNum / kMinPlotSideDen);
    const auto widen = [](double* lo, double* hi, double* span, double wanted) {
        const double mid = 0.5 * (*lo + *hi);
        if (!(wanted > *span) || !SpanUsable(wanted)) return;
        *lo = mid - 0.5 * wanted;
        *hi = mid + 0.5 * wanted;
        *span = *hi - *lo;
    };
    const double perX = m_nPlotWidth / m_dXSpan, perY = m_nPlotHeight / m_dYSpan;
    if (perX > perY) {
        m_nPlotWidth = std::max(1, ToPixel(perY * m_dXSpan));
        if (m_nPlotWidth < minWidth) {
            m_nPlotWidth = minWidth;
            widen(&m_dXMin, &m_dXMax, &m_dXSpan, minWidth / perY);
        }
    } else {
        m_nPlotHeight = std::max(1, ToPixel(perX * m_dYSpan));
        if (m_nPlotHeight < minHeight) {
            m_nPlotHeight = minHeight;
            widen(&m_dYMin, &m_dYMax, &m_dYSpan, minHeight / perX);
        }
    }
    m_nPlotRight = m_nPlotLeft + m_nPlotWidth;
    m_nPlotBottom = m_nPlotTop + m_nPlotHeight;
}

void CPemroView::DrawFunctionGraph(CDC* pDC, int bKeepBackground, int nDetail, double dFrom,
                                   double dTo, CString strXLabel, CString strYLabel) {
    // 1. Spans and the differencing step.
    m_bFigure3D = 0;
    m_nSidePanelWidth = 0;
    m_dXSpan = m_dXMax - m_dXMin;
    m_dDiffStep = 0.0001 * m_dXSpan;
    m_dYSpan = m_dYMax - m_dYMin;

    // 2. Widths of the axis numbers.
    const int nXDecimals = catalog::AxisDecimals(m_dXMin, m_dXMax);
    const int nXDigits = nXDecimals == 0 ? catalog::AxisDigits(m_dXMin, m_dXMax, 1) : 1;
    const int nYDecimals = catalog::AxisDecimals(m_dYMin, m_dYMax);
    const int nYDigits = nYDecimals == 0 ? catalog::AxisDigits(m_dYMin, m_dYMax, 0) : 0;

    // 3. Figure box from the graph box; the side panel holds the y numbers.
    m_nFigureLeft = m_nGraphLeft;
    m_nFigureTop = m_nGraphTop;
    m_nFigureRight = m_nGraphRight;
    m_nFigureBottom = m_nGraphBottom;
    // The numbers and the band below the plot grow with the label zoom, as
    // their fonts do.
    m_nSidePanelWidth =
        (nYDecimals + 1 + nYDigits) * (m_nBaseCharWidth + m_nFontStep) * (m_nLabelZoom + 2) / 2;
    // The column also holds the y axis's end numbers as they are measured
    // (a sign takes a cell the count leaves out, and a large window's number
    // font outgrows its cells): a number starts 2 right of the figure's left
    // and ends 2 left of the plot, clear of labels standing at its edge.
    if (pDC)
        for (const double y : {m_dYMin, m_dYMax})
            m_nSidePanelWidth =
                std::max(m_nSidePanelWidth, int(NumberExtent(pDC, nYDecimals, y).cx) - 8);
    const int bottomBand = (m_nBaseCharHeight + m_nFontStep) * (m_nLabelZoom + 3) / 3;
    const BOOL bBandVisible = HitTestGraphRegion(1);

    // 4. Zoomed: the figure fills the visible area, its frame inside it.
    if (bBandVisible && m_bZoom) {
        const int graphW = m_nGraphRight - m_nGraphLeft, graphH = m_nGraphBottom - m_nGraphTop;
        if (graphW > 0 && graphH > 0) {
            const double sh = double(m_nClipBottom - m_nClipTop) / graphH;
            const double sw = double(m_nClipRight - m_nClipLeft) / graphW;
            const double s = sh < sw ? sh : sw;
            const int c = m_nBaseCharHeight;
            // The frame reaches 4 left of the figure and a line above the plot.
            m_nFigureLeft = m_nClipLeft + kZoomMargin + 4;
            m_nFigureTop = m_nClipTop + std::max(20, kZoomMargin + c + 1 - std::max(18, 3 * c / 7));
            m_nFigureRight = std::min(m_nClipLeft - 30 + ToPixel(graphW * s) - m_nSidePanelWidth,
                                      m_nClipRight - kZoomMargin - kFrameRightMargin);
            m_nFigureBottom = std::min(m_nFigureTop + ToPixel(graphH * s - bottomBand),
                                       m_nClipBottom - kZoomMargin - bottomBand);
        }
        m_dDiffStep = 0.00001 * m_dXSpan * (m_nSequenceMode == 1 ? 5 : 1);
    }

    // 5. Plot box.
    // A decimals row over the range arrows keeps its place; the plot gives
    // way below it and the frame keeps its top.
    const int rowPush = PlotTopPush();
    // The frame and the range boxes stand a text height above the plot; the
    // plot's margin grows with the text past 18 pixels so that they stay in
    // the gap below the page's last line.
    m_nPlotTop = m_nFigureTop + std::max(18, 3 * m_nBaseCharHeight / 7) + rowPush;
    m_nPlotLeft = m_nFigureLeft + kPlotIndent + m_nSidePanelWidth;
    m_nPlotRight = m_nFigureRight;
    m_nPlotBottom = m_nFigureBottom;
    m_nPlotWidth = m_nPlotRight - m_nPlotLeft;
    m_nPlotHeight = m_nPlotBottom - m_nPlotTop;
    // The classical curves are geometry (a circle and its tangent, a
    // cardioid's rolling circle): one unit is as long across as up, the
    // plot giving up its right or bottom edge for it.
    if (m_nClassicalCurve >= 1 && m_nClassicalCurve <= 13) EqualizePlotUnits();
    NotePlotMap();
    const int c = m_nBaseCharHeight;

    // 6. The coefficient panel above the figure.
    if (m_nCurveCoefEdit > 0)
        DrawFunctionPanel(pDC, m_nPlotLeft - 16 - m_nSidePanelWidth, m_nPlotRight + 20,
                          m_nPlotTop - 5 * c, m_nPlotTop - c);

    // 7. Gate: placed, near the painted area, and on a partial repaint only
    // when the click lies where the graph's controls are.
    if (!m_bFigureVisible || !(m_nGraphTop > m_nClipTop - kBandMargin) ||
        !(m_nGraphBottom < m_nClipBottom + kBandMargin) || nDetail < 0)
        return;
    m_nFrameDrawn = IsGraphFrameRedrawn();
    KeepFigureAsDrawn(m_pFigureClipDC);
    if (!m_nFrameDrawn) return;
    if (m_bZoom) m_bBeforeFigure = 0;

    const BOOL bRangeOk = SpanUsable(m_dXSpan) && SpanUsable(m_dYSpan);
    const BOOL bInterval = bRangeOk && dFrom < dTo - kMinIntervalFraction * m_dXSpan;

    // A click inside the plot is the point the constructions work at (the
    // mouse handler stores it too when the pointer moves there).
    double cx = 0, cy = 0;
    if (IsClickPass() && bRangeOk && StoredClickWorldPoint(&cx, &cy) &&
        IsInsideWorldRange(cx, cy)) {
        m_adMousePoint[0] = cx;
        m_adMousePoint[1] = cy;
    }

    // 8. Frame, controls, labels and the curve.
    CRect restoreBox;
    if (m_nFuncF >= 0 && bBandVisible) {
        if (!bKeepBackground) {
            FillRectGradientPx(pDC, m_nPlotLeft - 16 - m_nSidePanelWidth,
                               m_nPlotTop - c - 1 - rowPush, m_nPlotRight + kFrameRightMargin,
                               m_nPlotBottom + bottomBand, m_crLeftFrame, m_crRightFrame);
            FillRectPx(pDC, m_nPlotLeft, m_nPlotTop, m_nPlotRight, m_nPlotBottom, m_crGround);
        }
        if (!m_bLoadScriptSettings || m_bSelectionPending) {
            // From the next set-up on, the script's values are taken again.
            int restoreY = 0;
            restoreBox = RestoreButtonBox(&restoreY);
            if (TextButton(pDC, m_nFigureLeft, restoreY, Labels().restore)) {
                m_bLoadScriptSettings = 1;
                m_bSelectionPending = 0;
            }
        }
        if (nDetail < 3 && !m_bPrintMode) {
            const int top = m_nPlotTop - (c * 10) / 11, bottom = m_nPlotTop - c / 9;
            int box[4][2];
            RangeBoxes2D(box);
            DrawRangeArrows2D(pDC, 1, 0, 0, 0, box[0][0], top, box[0][1], bottom);
            DrawRangeArrows2D(pDC, 0, 1, 0, 0, box[1][0], top, box[1][1], bottom);
            const double scale = m_nClipRight - m_nClipLeft > kNominalWidth
                                     ? double(m_nClipRight - m_nClipLeft) / kNominalWidth
                                     : 1.0;
            const auto X = [&](int nominal) { return m_nPlotLeft + ToPixel(nominal * scale); };
            if (m_bFuncFPeriodic == 1) {
                if (TextButtonInPlot(pDC, X(10), m_nPlotTop + 4, kButtonW, kButtonH,
                                     Labels().periodUp, m_crSection)) {
                    m_dSavedFuncFPeriod *= kPeriodUp;
                    m_bLoadScriptSettings = 0;
                }
                if (TextButtonInPlot(pDC, X(90), m_nPlotTop + 4, kButtonW, kButtonH,
                                     Labels().periodDown, m_crSection)) {
                    m_dSavedFuncFPeriod *= kPeriodDown;
                    m_bLoadScriptSettings = 0;
                }
            }
            if (dFrom < dTo) {
                DrawRangeArrows2D(pDC, 0, 0, 1, 0, box[2][0], top, box[2][1], bottom);
                DrawRangeArrows2D(pDC, 0, 0, 0, 1, box[3][0], top, box[3][1], bottom);
            }
        }
        const int lineH = m_nBaseCharHeight + m_nFontStep;
        if (m_nDerivativeArg > 0)
            DrawString(pDC, m_nPlotRight - (4 * lineH + 24), m_nPlotTop, Labels().firstDerivative,
                       m_crFirstDerivative);
        if (m_nDerivativeArg > 1)
            DrawString(pDC, m_nPlotRight - (4 * lineH + 24), m_nPlotTop + lineH,
                       Labels().secondDerivative, m_crSecondDerivative);
        if (m_bShowFuncName == 1 && m_nSubDemo != kSubDemoOwnFormulaA &&
            m_nSubDemo != kSubDemoOwnFormulaB && bInterval) {
            const int y = m_nPlotTop + lineH;
            const char* formula = nullptr;
            switch (m_nPlotMode) {
            case 0:
                SetFFormulaText(m_nFuncF);
                formula = m_pszFormulaF;
                break;
            case 1:
                SetParamFormulaText(m_nFuncF);
                formula = m_pszFormulaF;
                break;
            case 2:
                SetImplicitFormulaText(m_nFuncF);
                formula = m_pszFormulaSurfG;
                break;
            default:
                break;
            }
            DrawString(pDC, m_nPlotLeft, y, Labels().function, m_crCurveSetting);
            if (formula && *formula)
                DrawString(pDC, m_nPlotLeft + 2 * c, y, CString(formula), m_crCurveSetting);
        }
        const bool over = catalog::ConstructionOverCurve(m_nClassicalCurve);
        if (!over) DrawClassicalCurveConstruction(pDC, m_nClassicalCurve);
        if (nDetail < 2 && bInterval) DrawGraphCurve(pDC, dFrom, dTo);
        if (over) DrawClassicalCurveConstruction(pDC, m_nClassicalCurve);
    }

    // 9. Axes, when both ranges hold 0.
    if (nDetail < 3 && bRangeOk && m_dXMax * m_dXMin <= 0 && m_dYMax * m_dYMin <= 0) {
        const double fy = m_nPlotBottom + m_dYMin / m_dYSpan * m_nPlotHeight;
        const double fx = m_nPlotLeft - m_dXMin / m_dXSpan * m_nPlotWidth;
        if (IsDrawable(fx) && IsDrawable(fy)) {
            const int x0 = ToPixel(fx), y0 = ToPixel(fy);
            // The names wait for the rest of the figure and keep clear of it.
            AxisNamesHeld names(this);
            DrawArrowPx(pDC, m_nPlotLeft, y0, m_nPlotRight, y0, 2, CString(), strXLabel, m_crAxes);
            DrawArrowPx(pDC, x0, m_nPlotBottom, x0, m_nPlotTop, 1, CString(), strYLabel, m_crAxes);
            if (IsFigureBandVisible()) {
                const COLORREF oldColour = pDC->SetTextColor(m_crAxes);
                const int oldMode = pDC->SetBkMode(TRANSPARENT);
                BeginAxisName(CPoint(x0, y0));
                PutTypesetText(pDC, x0 + 4, y0 - 16, "o", 1);
                EndAxisName();
                pDC->SetBkMode(oldMode);
                pDC->SetTextColor(oldColour);
            }
        }
    }

    // 10. Five ticks per axis, with their numbers at detail 0.
    if (nDetail < 3 && bRangeOk && (m_nFuncUpper >= 0 || m_nFuncLower >= 0))
        DrawGraphTicks(pDC, nDetail == 0, nXDecimals, nXDigits, nYDecimals, restoreBox);

    // 11. The user's shapes.
    if (HitTestGraphRegion(1)) DrawUserShapes(pDC, 0);
}

void CPemroView::DrawCurve(CDC* pDC, int p1, int p2, double from, double to, CString label1,
                           CString label2) {
    DrawFunctionGraph(pDC, p1, p2, from, to, label1, label2);
    if (m_nFuncLower >= 0) PlotCurveG(pDC, from, to, m_crCurveSetting);
}

void CPemroView::DrawGraphTicks(CDC* pDC, BOOL bNumbers, int nXDecimals, int nXDigits,
                                int nYDecimals, const CRect& restoreBox) {
    bNumbers = bNumbers && pDC && IsFigureBandVisible();
    const auto width = [&](double v, int d) { return int(NumberExtent(pDC, d, v).cx); };
    // Where a number needs more decimals than its axis's to be exact, it
    // takes them only in the room the axis gives: an x number a character
    // clear of its neighbours' halves (at the ends, no wider than the
    // frame's margin holds), a y number within the side panel.
    const int xRoom = m_nPlotWidth / 4 - m_nBaseCharWidth;
    const auto fitsX = [&](int i) {
        const int room =
            i == 0 || i == catalog::kAxisTickCount - 1 ? 2 * (kFrameRightMargin - 2) : xRoom;
        return [=, &width](double v, int d) {
            return width(v, d) <= std::max(room, width(v, nXDecimals));
        };
    };
    const int yLeft = m_nPlotLeft - m_nSidePanelWidth - 10;
    const auto fitsY = [&](double v, int d) {
        return width(v, d) <= std::max(m_nPlotLeft - 2 - yLeft, width(v, nYDecimals));
    };
    // A tick stands at the value its number writes; without numbers at the
    // quarter points.
    const auto place = [&](double lo, double hi, int i, int least,
                           const catalog::TickLabelFits& fits, catalog::AxisTickLabel* label) {
        if (bNumbers && catalog::LabelledTick(lo, hi, i, least, fits, label)) return true;
        *label = {catalog::AxisTick(lo, hi, i), -1};
        return false;
    };
    // A button column beside the figure starts at its right edge.
    const int frameRight = catalog::HasRightColumn(m_nClassicalCurve)
                               ? std::min(m_nPlotRight + kFrameRightMargin, m_nFigureRight)
                               : m_nPlotRight + kFrameRightMargin;
    int firstXLeft = INT_MAX;
    int prevXRight = INT_MIN / 2;
    constexpr int kNumberGap = 2;
    double last = NAN;
    for (int i = 0; i < catalog::kAxisTickCount; ++i) {
        catalog::AxisTickLabel t{};
        const bool numbered =
            place(m_dXMin, m_dXMax, i, nXDecimals, fitsX(i), &t) && t.value != last;
        const double fx = m_nPlotLeft + (t.value - m_dXMin) / m_dXSpan * m_nPlotWidth;
        if (!IsDrawable(fx)) continue;
        const int px = ToPixel(fx);
        DrawLinePx(pDC, -1, px, m_nPlotBottom, px, m_nPlotBottom - kTickLength, m_crAxes);
        if (!numbered) continue;
        last = t.value;
        // Centred by the width of its digits, kept inside the frame (its
        // box's last column a pixel clear of the frame's edge).
        const int half = ((t.decimals + nXDigits) * (m_nBaseCharWidth + m_nFontStep / 2)) / 2;
        const int w = width(t.value, t.decimals);
        const int left = std::min(px - half, frameRight - w - 1);
        // A narrow plot has no room for every number: one that would meet
        // the number before it is left out, its tick kept.
        if (left < prevXRight + kNumberGap) continue;
        prevXRight = left + w;
        firstXLeft = std::min(firstXLeft, left);
        DrawNumber(pDC, left, m_nPlotBottom + 4, t.decimals, t.value, m_crGround);
    }
    // The y numbers stand centred on their ticks, the lowest no lower than
    // the x numbers' row where it would cover the first of them.
    const int xRowTop = m_nPlotBottom + 4;
    constexpr int kNumberBoxBlank = 2;
    int belowTop = INT_MAX;
    last = NAN;
    for (int i = 0; i < catalog::kAxisTickCount; ++i) {
        catalog::AxisTickLabel t{};
        const bool numbered = place(m_dYMin, m_dYMax, i, nYDecimals, fitsY, &t) && t.value != last;
        const double fy = m_nPlotBottom - (t.value - m_dYMin) / m_dYSpan * m_nPlotHeight;
        if (!IsDrawable(fy)) continue;
        const int py = ToPixel(fy);
        DrawLinePx(pDC, -1, m_nPlotLeft, py, m_nPlotLeft + kTickLength, py, m_crAxes);
        if (!numbered) continue;
        last = t.value;
        const CSize size = NumberExtent(pDC, t.decimals, t.value);
        int top = py - 8;
        if (top + size.cy > xRowTop && yLeft + size.cx > firstXLeft) top = xRowTop - size.cy;
        // The highest no higher than the frame of "恢复" above it.
        const int below = restoreBox.bottom + kButtonFrame + 1;
        if (!restoreBox.IsRectEmpty() && top < below && yLeft < restoreBox.right + kButtonFrame &&
            restoreBox.left - kButtonFrame < yLeft + size.cx)
            top = below;
        // A plot squeezed low (a widened x range in a figure of equal
        // scales) leaves no room for every number: one that would cover the
        // number below it (beyond the blank rows of their boxes) is left
        // out, its tick kept.
        if (top + size.cy - kNumberBoxBlank > belowTop) continue;
        belowTop = top;
        DrawNumber(pDC, yLeft, top, t.decimals, t.value, m_crGround);
    }
}

CRect CPemroView::YAxisNameBox() const {
    if (!(m_dXMax * m_dXMin <= 0 && m_dYMax * m_dYMin <= 0) || !SpanUsable(m_dXSpan) ||
        !SpanUsable(m_dYSpan))
        return CRect();
    const double fx = m_nPlotLeft - m_dXMin / m_dXSpan * m_nPlotWidth;
    if (!IsDrawable(fx)) return CRect();
    // The name stands right of the axis's head, as the axis arrow puts it.
    const LOGFONT font = PlainStringFont(FALSE, m_nLabelZoom);
    const int left = ToPixel(fx) + kAxisNameDx;
    return CRect(left, m_nPlotTop, left + std::abs(font.lfWidth) + 2,
                 m_nPlotTop + std::abs(font.lfHeight));
}

int CPemroView::ClearOfYAxisName(int x, int y, int w, int h) const {
    const CRect name = YAxisNameBox();
    if (name.IsRectEmpty()) return x;
    const bool meets = x < name.right && name.left < x + w && y < name.bottom && name.top < y + h;
    return meets ? name.right + m_nBaseCharWidth / 2 : x;
}

int CPemroView::ButtonClearOfYAxisName(int x, const CString& label) const {
    const int w = ButtonWidth(label);
    // Once a button of the row has stepped over the name, the ones after it
    // keep clear of it.
    if (m_bRowValid && m_nRowY == m_nPlotTop && x < m_nRowRight + kButtonRowGap &&
        x + w > m_nRowNominalX)
        x = m_nRowRight + kButtonRowGap;
    return ClearOfYAxisName(x, m_nPlotTop, w, ButtonHeight());
}
