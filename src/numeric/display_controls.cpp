// The number display controls of the numerical demonstrations: decimals
// printed, precision of the simulated arithmetic, decimals kept of the
// input, and the related-data panel above a figure.
#include "numeric/math/linear_solvers.h"
#include "numeric/math/rounding.h"
#include "platform/text_codec.h"
#include "view/view.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int kMaxShownDecimals = 6;
// A decimals row over the range arrows stands at the figure's top, inside
// its frame, and the plot gives way below it.
constexpr int kRowAbovePlot = 40;
constexpr int kRowIntoFigure = 24;
constexpr int kPrecisionRowStep = 24;
// Kept decimals 2..4 round the input; 5 ("精确") and 6 keep it exact.
constexpr int kKeepMin = 2;
constexpr int kKeepMax = 4;
// A button's frame is 2 pixels wide, outside its box.
constexpr int kFrameInside = 3;

struct ChoiceButton {
    const char* label;
    int value;
};

constexpr ChoiceButton kPrecisionButtons[] = {
    {u8"2 位", 1}, {u8"3 位", 2}, {u8"4 位", 3}, {u8"5 位", 4}, {u8"6 位", 5}, {u8"精确", 6},
};
constexpr ChoiceButton kKeepButtons[] = {{u8"2位", 2}, {u8"3位", 3}, {u8"4位", 4}, {u8"精确", 5}};

} // namespace

void CPemroView::DrawDecimalsSelector(CDC* pDC, int x, int y, int maxDecimals) {
    static const char* const kLabels[kMaxShownDecimals] = {u8"1位", u8"2位", u8"3位",
                                                           u8"4位", u8"5位", u8"6位"};
    if (m_nDecimals < 0 || m_nDecimals > maxDecimals) m_nDecimals = maxDecimals;
    const int w = m_nBaseCharWidth;
    // The row ends above the plot, where its values start, however tall the
    // buttons of a large window are.
    if (!m_bFigure3D) y = std::min(y, m_nPlotTop - 3 - ButtonHeight());
    TextButtonSimple(pDC, x, y, Gbk(u8"显示小数点:"));
    for (int k = 1; k <= kMaxShownDecimals && k <= maxDecimals; ++k)
        if (TextButtonSimple(pDC, x + (5 + 2 * k) * w, y, Gbk(kLabels[k - 1]))) m_nDecimals = k;
}

int CPemroView::DecimalsRowPush() const {
    constexpr int kGap = 2;
    const int arrowsTop = (m_nBaseCharHeight * 10) / 11;
    return std::max(0, ButtonHeight() + kGap - kRowAbovePlot + arrowsTop) + kRowIntoFigure;
}

int CPemroView::DecimalsRowY() const {
    return m_nPlotTop - kRowAbovePlot -
           (m_bDecimalsRowOver ? DecimalsRowPush() - kRowIntoFigure : 0);
}

namespace {

// The controls over a matrix plot's top: rows of the nominal height 20
// whose bottom stands 3 above the plot, scaled to the real height.
int ControlsOverPlot(const CPemroView& v) {
    return (23 * v.ButtonHeight()) / 20 + 2;
}

} // namespace

int CPemroView::RelatedDataPush() const {
    if (m_nRelatedDataRows <= 0) return 0;
    const int rows = std::min(m_nRelatedDataRows, kPointListSize);
    const int h = m_nBaseCharHeight;
    // The plot's top stands this far below the figure's top before the
    // panel pushes it; the panel reaches (rows + 2) lines above the plot,
    // lifted further over the controls there, and ends 2 inside the figure.
    constexpr int kPlotBelowFigureTop = 18, kInside = 2;
    const int before = kPlotBelowFigureTop + (m_bDecimalsRowOver ? DecimalsRowPush() : 0);
    const int controls = m_bDecimalsRowOver ? before : ControlsOverPlot(*this) + 2;
    const int lift = std::max(0, controls - h);
    return std::max(0, (rows + 2) * h + lift + kInside - before);
}

int CPemroView::RelatedDataBottom() const {
    const int plain = m_nPlotTop - m_nBaseCharHeight;
    return std::min(plain, m_bDecimalsRowOver ? DecimalsRowY() - 2
                                              : m_nPlotTop - ControlsOverPlot(*this) - 2);
}

int CPemroView::PlotTopPush() const {
    return (m_bDecimalsRowOver ? DecimalsRowPush() : 0) + RelatedDataPush();
}

void CPemroView::DrawPrecisionSelector(CDC* pDC, int x, int y) {
    // Where the margin left of the plot is too narrow for the column (a
    // large window's font), it stands in the middle of the margin, its
    // frames inside the figure.
    if (x < m_nFigureLeft + kFrameInside) {
        const int room = m_nPlotLeft - m_nFigureLeft - ButtonWidth(Gbk(u8"精度"));
        x = std::max(m_nFigureLeft + kFrameInside, m_nFigureLeft + room / 2);
    }
    TextButton(pDC, x, y, Gbk(u8"精度"));
    int row = 1;
    for (const ChoiceButton& b : kPrecisionButtons) {
        if (TextButton(pDC, x, y + kPrecisionRowStep * row++, Gbk(b.label))) {
            m_nPrecisionDigits = b.value;
            m_bLoadScriptSettings = FALSE;
        }
    }
}

double CPemroView::RoundSignificant(double value) const {
    return numeric::RoundSignificant(value, m_nPrecisionDigits);
}

void CPemroView::DrawKeepDecimalsSelector(CDC* pDC, int rows, int cols, int which) {
    if (which > 1) return;
    // The row's columns widen with the label's cells at a size step.
    const int w = m_nBaseCharWidth + m_nFontStep / 2;
    const int y0 = m_nPlotBottom + 3;
    DrawString(pDC, m_nPlotLeft - 2 * w, y0, Gbk(u8"保留小数点"), RGB(0, 0, 255));
    TextButtonSimple(pDC, m_nPlotLeft + 5 * w, y0, "A:");
    int col = 7;
    for (const ChoiceButton& b : kKeepButtons) {
        if (TextButtonSimple(pDC, m_nPlotLeft + col * w, y0, Gbk(b.label))) {
            m_nKeepDecimalsA = b.value;
            m_bLoadScriptSettings = FALSE;
        }
        col += 2;
    }
    if (which == 1) {
        TextButtonSimple(pDC, m_nPlotLeft + 17 * w, y0, "b:");
        col = 19;
        for (const ChoiceButton& b : kKeepButtons) {
            if (TextButtonSimple(pDC, m_nPlotLeft + col * w, y0, Gbk(b.label))) {
                m_nKeepDecimalsB = b.value;
                m_bLoadScriptSettings = FALSE;
            }
            col += 2;
        }
    }
    // Always from the stored input, so a new choice never rounds twice.
    rows = std::clamp(rows, 0, kMatrixDim);
    cols = std::clamp(cols, 0, kMatrixDim);
    if (m_nKeepDecimalsA >= kKeepMin && m_nKeepDecimalsA <= kKeepMax)
        for (int i = 0; i < rows; ++i)
            for (int j = 0; j < cols; ++j)
                m_adMatrixA[i][j] = numeric::KeepDecimals(m_adMatrixInput[i][j], m_nKeepDecimalsA);
    if (m_nKeepDecimalsB >= kKeepMin && m_nKeepDecimalsB <= kKeepMax)
        for (int i = 0; i < rows; ++i)
            m_adMatrixA[i][numeric::kRhs] =
                numeric::KeepDecimals(m_adMatrixInput[i][numeric::kRhs], m_nKeepDecimalsB);
}

namespace {

bool Present(const char* title) {
    return title && *title;
}

} // namespace

void CPemroView::DrawRelatedDataPanel(CDC* pDC, const char* outerLeftTitle, int outerLeftIndex,
                                      const double* outerLeft, const char* leftTitle, int leftIndex,
                                      const double* left, const char* matrixTitle,
                                      const double* matrix, int matrixCols, int rows,
                                      const char* rightTitle, int rightIndex, const double* right,
                                      const char* outerRightTitle, int outerRightIndex,
                                      const double* outerRight) {
    constexpr int kPanelRowDoubles = 21;
    const int h = m_nBaseCharHeight;
    // Under the plot's right end, in the row of the x axis's numbers: it
    // steps left of the numbers it would cover (both labels are as wide).
    const CString shown = Gbk(u8"关闭相关数据"), hidden = Gbk(u8"显示相关数据");
    int x = m_nPlotRight - 3 * h;
    const int w = ButtonWidth(shown), bh = ButtonHeight(), y = m_nPlotBottom;
    for (bool moved = true; moved;) {
        moved = false;
        for (const HeldValuePiece& p : m_aHeldValuePieces) {
            const CRect box(x - 2, y - 2, x + w + 2, y + bh + 2);
            if (!box.Intersect(p.cell).IsRectEmpty() && p.cell.left - 3 - w - 2 >= m_nPlotLeft) {
                x = p.cell.left - 3 - w - 2;
                moved = true;
            }
        }
    }
    if (m_bShowRelatedData) {
        if (TextButtonSimple(pDC, x, y, shown)) m_bShowRelatedData = FALSE;
    } else if (TextButtonSimple(pDC, x, y, hidden)) {
        m_bShowRelatedData = TRUE;
    }
    if (!m_bShowRelatedData || m_nPlotHeight <= 0) return;
    rows = std::clamp(rows, 0, kPointListSize);
    matrixCols = std::clamp(matrixCols, 0, kPanelRowDoubles);
    const int cL = Present(outerLeftTitle), cR = Present(outerRightTitle);
    const int E = cL + cR + Present(leftTitle) + Present(rightTitle);
    if (matrixCols + E == 0) return;
    const double cw = m_dXSpan / (matrixCols + E);
    const double lh = m_dYSpan * h / m_nPlotHeight;
    // Lifted over the controls above the plot; where the figure has no room
    // for it there (a plot that keeps its height for a long button column,
    // or the pass of the click that shows the panel) it comes down over the
    // plot rather than write over the page's text.
    int lift = std::max(0, m_nPlotTop - h - RelatedDataBottom());
    if (m_nPlotTop - (rows + 2) * h - lift < m_nFigureTop + 2) lift = -(rows + 2) * h;
    const double up = m_dYSpan * lift / m_nPlotHeight;
    // The left outer column's ground ends at the figure's edge, as its
    // text does.
    const CRect ground(std::max(m_nPlotLeft - (4 * cL * h) / 3, m_nFigureLeft),
                       m_nPlotTop - (rows + 2) * h - lift, m_nPlotRight + cR * h,
                       m_nPlotTop - h - lift);
    // Value labels held back for the end of the figure do not show through.
    CoverValueLabels(ground);
    FillRectPx(pDC, ground.left, ground.top, ground.right, ground.bottom, m_crGround);

    // Header line.
    const double yh = m_dYMax + (rows + 2) * lh + up;
    auto title = [&](const char* t, int index, double x, int dx) {
        if (index < 0)
            DrawStringWorld(pDC, x, yh, Gbk(t), m_crCurveSetting);
        else
            DrawLabelIntegerWorld(pDC, x, yh, Gbk(t), dx, 8, index, m_crCurveSetting);
    };
    int c = 0;
    // The left outer column stands left of the plot, inside the figure.
    const double outerX =
        std::max(m_dXMin - 0.5 * cw, m_dXMin + m_dXSpan * (m_nFigureLeft + 2 - m_nPlotLeft) /
                                                   std::max(1, m_nPlotWidth));
    if (cL) title(outerLeftTitle, outerLeftIndex, outerX, 16), ++c;
    if (Present(leftTitle)) title(leftTitle, leftIndex, m_dXMin + (c + 0.5) * cw, 18), ++c;
    const std::string mt = Gbk(matrixTitle ? matrixTitle : "");
    DrawStringWorld(pDC, m_dXMin + ((matrixCols + c + 1) - 0.2 * double(mt.size())) * 0.5 * cw, yh,
                    mt, m_crCurveSetting);
    if (Present(rightTitle))
        title(rightTitle, rightIndex, m_dXMin + (matrixCols + c) * cw, 15), ++c;
    if (cR) title(outerRightTitle, outerRightIndex, m_dXMin + (matrixCols + c + 0.5) * cw, 16);

    // Data lines, the last two lines above the frame.
    for (int i = 0; i < rows; ++i) {
        const double y = m_dYMax + (rows - i + 1) * lh + up;
        auto value = [&](double x, double v, COLORREF colour) {
            DrawLabelValue(pDC, x, y, "", m_nDecimals, v, colour);
        };
        c = 0;
        if (cL && outerLeft) value(outerX, outerLeft[i], m_crCurveSetting);
        c += cL;
        if (Present(leftTitle)) {
            if (left) value(m_dXMin + c * cw, left[i], m_crCurveSetting);
            ++c;
        }
        if (matrix)
            for (int j = 0; j < matrixCols; ++j)
                value(m_dXMin + (j + c) * cw, matrix[i * kPanelRowDoubles + j],
                      i > j ? m_crCurve : m_crCurveSetting);
        if (Present(rightTitle)) {
            if (right) value(m_dXMin + (matrixCols + c) * cw, right[i], m_crCurveSetting);
            ++c;
        }
        if (cR && outerRight)
            value(m_dXMin + (matrixCols + c + 0.5 * cR) * cw, outerRight[i], m_crCurveSetting);
    }
}
