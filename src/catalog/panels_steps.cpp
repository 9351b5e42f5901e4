// Small controls inside figures: the coefficient step panel, the range
// arrows of plane and solid figures, the axes of a solid scene's plane
// inset, and the coefficient button row beside a figure. Each changes only
// saved copies and clears m_bLoadScriptSettings, so the change survives the
// script's own values on every later pass.
#include "calculus/button_column.h"
#include "catalog/range_glyphs.h"
#include "platform/text_codec.h"
#include "render/boxed_label_spread.h"
#include "render/text_typeset.h"
#include "view/view.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

constexpr int kCoefCount = 6;
constexpr int kSetCount = 4;
constexpr int kStepColumn = 20;          // step buttons a..f this many pixels apart
constexpr int kRowHalf = 24;             // button rows: raise and lower of one coefficient
constexpr int kStepGap = 7;              // between two step buttons' boxes at least
constexpr int kPanelSelectorOffset = 50; // the panel's buttons this far left of its right edge

const char* const kCoefNames[kCoefCount] = {"a", "b", "c", "d", "e", "f"};
const char* const kCoefLabels[kCoefCount] = {"a=", "b=", "c=", "d=", "e=", "f="};

struct StepLabels {
    CString close = Gbk(u8"结束");
    CString increase = Gbk(u8"增加:");
    CString decrease = Gbk(u8"减少:");
    CString left = Gbk(u8"←");
    CString right = Gbk(u8"→");
    CString down = Gbk(u8"↓");
    CString up = Gbk(u8"↑");
    CString upRight = Gbk(u8"↗");
    CString downLeft = Gbk(u8"↙");
    CString raise[kCoefCount], lower[kCoefCount];
    StepLabels() {
        for (int i = 0; i < kCoefCount; ++i) {
            raise[i] = kCoefNames[i] + Gbk(u8"增");
            lower[i] = kCoefNames[i] + Gbk(u8"减");
        }
    }
};

const StepLabels& Labels() {
    static const StepLabels labels;
    return labels;
}

using RangeCommand = void (CPemroView::*)();

// A range glyph: where it stands and what it runs in a minimum or a maximum box.
struct Glyph {
    int x;
    const CString* text;
    RangeCommand onMin, onMax;
};

// Each glyph answers on its own column of the box, as drawn: from its left
// edge to the next glyph's (the last to the box's right edge), over the box's
// height or the glyph's where a large font makes it taller.
CRect GlyphColumn(const Glyph* glyphs, int n, int i, const CRect& box) {
    return CRect(glyphs[i].x, box.top, i + 1 < n ? glyphs[i + 1].x : box.right, box.bottom);
}

// Runs the command of the glyph the click hits, minimum box first: one
// click moves one end once.
bool RunFirstGlyphHit(CPemroView* v, const Glyph* glyphs, int n, const CRect& box, BOOL bMin,
                      BOOL bMax) {
    for (int pass = 0; pass < 2; ++pass) {
        if (!(pass == 0 ? bMin : bMax)) continue;
        for (int i = 0; i < n; ++i) {
            const CRect r = GlyphColumn(glyphs, n, i, box);
            if (!v->IsClickInBox(r.left, r.top, r.Width(), r.Height())) continue;
            // A picture that lays its frame out again in the same pass meets
            // the click a second time: the end still moves once.
            if (v->m_nAnsweredSerial == v->m_nClickSerial && v->m_rcAnsweredButton == r)
                return true;
            v->m_rcAnsweredButton = r, v->m_nAnsweredSerial = v->m_nClickSerial;
            (v->*(pass == 0 ? glyphs[i].onMin : glyphs[i].onMax))();
            return true;
        }
    }
    return false;
}

// Restores the label zoom on every way out.
class LabelZoomScope {
public:
    explicit LabelZoomScope(int* zoom) : m_pZoom(zoom), m_nSaved(*zoom) { *zoom = 0; }
    ~LabelZoomScope() { *m_pZoom = m_nSaved; }
    LabelZoomScope(const LabelZoomScope&) = delete;
    LabelZoomScope& operator=(const LabelZoomScope&) = delete;

private:
    int* m_pZoom;
    int m_nSaved;
};

// The boxed value writer spreads its x about the figure's left edge by the
// font, which in a large window carries the third column of values over the
// panel's buttons and out of the panel. The columns keep their spread while
// they fit; otherwise they close up toward the first so the third ends left
// of the buttons' column.
void FitValueColumns(const CPemroView& view, int* lx, const double* v, int nRight,
                     const CString& strFirst, const CString& strSecond) {
    if (render::LabelSpread(view) <= 0) return;
    // Where the writer puts the label's end: label, number and a cell to spare.
    const std::int64_t cw = view.m_nBaseCharWidth + view.m_nFontStep / 2;
    std::int64_t width = 0;
    for (int i = 2; i < kCoefCount; i += 3)
        width = std::max<std::int64_t>(
            width,
            (std::strlen(kCoefLabels[i]) + typeset::FormatDecimals(1, v[i]).size() + 1) * cw);
    int widest = view.ButtonWidth(Labels().close);
    widest = std::max({widest, view.ButtonWidth(strFirst), view.ButtonWidth(strSecond)});
    const std::int64_t limit =
        std::int64_t(nRight) - std::max(kPanelSelectorOffset, widest + 2) - 2 - width;
    const std::int64_t first = render::SpreadLabelX(view, lx[0]);
    const std::int64_t third = render::SpreadLabelX(view, lx[2]);
    if (third <= limit || third <= first) return;
    const std::int64_t room = std::max<std::int64_t>(0, limit - first);
    for (int i = 1; i < 3; ++i) {
        const std::int64_t want =
            first + (render::SpreadLabelX(view, lx[i]) - first) * room / (third - first);
        lx[i] = render::UnspreadLabelX(view, want);
    }
}

} // namespace

void CPemroView::DrawCoefficientStepPanel(CDC* pDC, int nSet, int nLeft, int nRight, int nTop,
                                          int nBottom, CString strFirstGroup,
                                          CString strSecondGroup) {
    if (nSet < 0 || nSet >= kSetCount) return;
    double* const saved[kSetCount] = {m_adSavedCoefF, m_adSavedCoefG, m_adSavedCoefSurfF,
                                      m_adSavedCoefSurfG};
    const StepLabels& t = Labels();
    const int W = nRight - nLeft, H = nBottom - nTop, c = m_nBaseCharHeight;
    const COLORREF colour = m_crCurveSetting;

    // 1. The locals start from the saved set.
    KeepEditedSettings();
    double v[kCoefCount];
    for (int i = 0; i < kCoefCount; ++i) v[i] = saved[nSet][i];

    // 2. Row captions: drawn like buttons, but they do nothing.
    const int yUp = nTop + 3 * H / 5, yDown = nTop + 4 * H / 5;
    if (!m_bZoom) {
        DrawButtonBox(pDC, nLeft + c, yUp, ButtonWidth(t.increase), ButtonHeight(), t.increase,
                      colour);
        DrawButtonBox(pDC, nLeft + c, yDown, ButtonWidth(t.decrease), ButtonHeight(), t.decrease,
                      colour);
    }

    // 3. One button per coefficient in each row: a..c with the first group,
    // d..f with the second.
    const bool shown[kCoefCount] = {!strFirstGroup.empty(),  !strFirstGroup.empty(),
                                    !strFirstGroup.empty(),  !strSecondGroup.empty(),
                                    !strSecondGroup.empty(), !strSecondGroup.empty()};
    // A large font widens the buttons past their column: the columns widen
    // with them, so the boxes stay apart.
    int column = kStepColumn;
    for (const char* name : kCoefNames) column = std::max(column, ButtonWidth(name) + kStepGap);
    for (int row = 0; row < 2; ++row) {
        const int y = row == 0 ? yUp : yDown;
        for (int i = 0; i < kCoefCount; ++i) {
            if (!shown[i]) continue;
            if (TextButtonCore(pDC, nLeft + 4 * c + column * i, y, 40, 20, kCoefNames[i], colour))
                v[i] += row == 0 ? m_dParamStep : -m_dParamStep;
        }
    }

    // 4. The values after this pass's change.
    int lx[3] = {nLeft + 3 * c + 5, nLeft + 3 * c + 5 + W / 6, nLeft + 3 * c + 5 + W / 3};
    FitValueColumns(*this, lx, v, nRight, strFirstGroup, strSecondGroup);
    for (int i = 0; i < 3; ++i)
        DrawLabelNumberBoxed(pDC, lx[i], nTop + H / 5, kCoefLabels[i], 1, v[i], colour);
    if (!strSecondGroup.empty())
        for (int i = 3; i < kCoefCount; ++i)
            DrawLabelNumberBoxed(pDC, lx[i - 3], nTop + 2 * H / 5, kCoefLabels[i], 1, v[i], colour);

    // 5. Back into the saved set, and from there into the working fields.
    for (int i = 0; i < kCoefCount; ++i) saved[nSet][i] = v[i];
    RestoreSavedSettings();
}

// Tests watch a plane figure's range glyph as a control: the area a click on
// it answers in, with the glyph drawn at (x, y).
void CPemroView::LogRangeGlyph(const CRect& area, int x, int y, const CString& glyph) {
    if (!m_pControlSink || !IsFigureBandVisible()) return;
    m_pControlSink->OnControl(area, 0, CPoint(x, y), glyph, PlainStringFont(FALSE, 0));
}

void CPemroView::DrawRangeArrows2D(CDC* pDC, BOOL bRangeMin, BOOL bRangeMax, BOOL bIntervalStart,
                                   BOOL bIntervalEnd, int nLeft, int nTop, int nRight,
                                   int nBottom) {
    if (!m_bShowSelectionBox) return;
    LabelZoomScope zoom(&m_nLabelZoom);
    const StepLabels& t = Labels();
    const int W = nRight - nLeft, y = nTop + 1;
    const COLORREF colour = m_crCurveSetting;

    // The glyphs stand one pixel below the top.
    const CRect box(nLeft, nTop, nRight,
                    std::max(nBottom, nTop + PlainStringFont(FALSE, 0).lfHeight + 2));
    // The axis names, placed last, keep clear of the box.
    if (IsFigureBandVisible() && (bRangeMin || bRangeMax || bIntervalStart || bIntervalEnd))
        NoteFigureBox(box);
    if (bRangeMin || bRangeMax) {
        FillRectPx(pDC, nLeft, nTop, nRight, nBottom, m_crGround);
        const Glyph glyphs[4] = {
            {nLeft, &t.left, &CPemroView::OnRangeXMinDown, &CPemroView::OnRangeXMaxDown},
            {nLeft + W / 4, &t.right, &CPemroView::OnRangeXMinUp, &CPemroView::OnRangeXMaxUp},
            {nLeft + W / 2, &t.down, &CPemroView::OnRangeYMinDown, &CPemroView::OnRangeYMaxDown},
            {nLeft + 3 * W / 4, &t.up, &CPemroView::OnRangeYMinUp, &CPemroView::OnRangeYMaxUp},
        };
        for (const Glyph& g : glyphs) DrawString(pDC, g.x, y, *g.text, colour);
        for (int i = 0; i < 4; ++i)
            LogRangeGlyph(GlyphColumn(glyphs, 4, i, box), glyphs[i].x, y, *glyphs[i].text);
        if (RunFirstGlyphHit(this, glyphs, 4, box, bRangeMin, bRangeMax)) return;
    }
    if (bIntervalStart || bIntervalEnd) {
        FillRectPx(pDC, nLeft, nTop, nRight, nBottom, m_crGround);
        // Both ends have the same pair; the glyph's own box says which way.
        const Glyph glyphs[2] = {
            {nLeft, &t.left, &CPemroView::OnRangeInitMinDown, &CPemroView::OnRangeInitMaxDown},
            {nLeft + W / 2, &t.right, &CPemroView::OnRangeInitMinUp, &CPemroView::OnRangeInitMaxUp},
        };
        for (const Glyph& g : glyphs) DrawString(pDC, g.x, y, *g.text, colour);
        for (int i = 0; i < 2; ++i)
            LogRangeGlyph(GlyphColumn(glyphs, 2, i, box), glyphs[i].x, y, *glyphs[i].text);
        RunFirstGlyphHit(this, glyphs, 2, box, bIntervalStart, bIntervalEnd);
    }
}

namespace {

constexpr int kRangeGlyphs3D = 6;

// The glyph columns of a 3-D range box W pixels wide: the nominal sixths,
// pushed apart where a full-width glyph of the font would reach the next.
// x[6] is the box's right edge.
void RangeGlyphColumns3D(const LOGFONT& glyph, int W, int x[kRangeGlyphs3D + 1]) {
    const int pitch = catalog::RangeGlyphPitch(glyph);
    for (int i = 0; i <= kRangeGlyphs3D; ++i) x[i] = std::max(i * W / kRangeGlyphs3D, i * pitch);
}

} // namespace

CSize CPemroView::RangeArrowsSize3D(int nWidth, int nHeight) const {
    const LOGFONT glyph = PlainStringFont(FALSE, 0);
    int x[kRangeGlyphs3D + 1];
    RangeGlyphColumns3D(glyph, nWidth, x);
    // The glyphs stand one pixel below the top.
    return CSize(x[kRangeGlyphs3D], std::max(nHeight, glyph.lfHeight + 2));
}

void CPemroView::DrawRangeArrows3D(CDC* pDC, BOOL bRangeMin, BOOL bRangeMax, int nLeft, int nTop,
                                   int nRight, int nBottom) {
    if (!m_bShowSelectionBox || !(bRangeMin || bRangeMax)) return;
    LabelZoomScope zoom(&m_nLabelZoom);
    const StepLabels& t = Labels();
    const LOGFONT font = PlainStringFont(FALSE, 0);
    int x[kRangeGlyphs3D + 1];
    RangeGlyphColumns3D(font, nRight - nLeft, x);
    const CSize size = RangeArrowsSize3D(nRight - nLeft, nBottom - nTop);
    const int y = nTop + 1;
    const Glyph glyphs[kRangeGlyphs3D] = {
        {nLeft + x[0], &t.upRight, &CPemroView::OnRangeXMinDown, &CPemroView::OnRangeXMaxDown},
        {nLeft + x[1], &t.downLeft, &CPemroView::OnRangeXMinUp, &CPemroView::OnRangeXMaxUp},
        {nLeft + x[2], &t.left, &CPemroView::OnRangeYMinDown, &CPemroView::OnRangeYMaxDown},
        {nLeft + x[3], &t.right, &CPemroView::OnRangeYMinUp, &CPemroView::OnRangeYMaxUp},
        {nLeft + x[4], &t.down, &CPemroView::OnRangeZMinDown, &CPemroView::OnRangeZMaxDown},
        {nLeft + x[5], &t.up, &CPemroView::OnRangeZMinUp, &CPemroView::OnRangeZMaxUp},
    };
    FillRectPx(pDC, nLeft, nTop, nLeft + size.cx, nTop + size.cy, m_crGround);
    if (IsFigureBandVisible()) NoteFigureBox(CRect(nLeft, nTop, nLeft + size.cx, nTop + size.cy));
    for (const Glyph& g : glyphs) DrawString(pDC, g.x, y, *g.text, m_crCurveSetting);
    // Each glyph answers a click on its own column of the box, as drawn.
    for (int i = 0; i < kRangeGlyphs3D; ++i)
        if (m_pControlSink && IsFigureBandVisible())
            m_pControlSink->OnControl(CRect(glyphs[i].x, nTop, nLeft + x[i + 1], nTop + size.cy), 0,
                                      CPoint(glyphs[i].x, y), *glyphs[i].text, font);
    for (int i = kRangeGlyphs3D - 1; i >= 0; --i) {
        if (!IsClickInBox(glyphs[i].x, nTop, nLeft + x[i + 1] - glyphs[i].x, size.cy)) continue;
        (this->*(bRangeMin ? glyphs[i].onMin : glyphs[i].onMax))();
        return;
    }
}

void CPemroView::DrawInsetAxes(CDC* pDC, int bKeepBackground, CString strXLabel,
                               CString strYLabel) {
    if (!bKeepBackground) {
        FillRectGradientPx(pDC, m_nInsetLeft - 1, m_nInsetTop - 1, m_nInsetRight + 1,
                           m_nInsetBottom + 1, m_crLeftFrame, m_crRightFrame);
        FillRectPx(pDC, m_nInsetLeft, m_nInsetTop, m_nInsetRight, m_nInsetBottom, m_crGround);
    }
    const double* r = m_adPlaneRange;
    if (!(r[0] * r[1] <= 0 && r[2] * r[3] <= 0)) return;
    const double fy = m_nInsetBottom + r[2] / m_adPlaneSpan[1] * (m_nInsetBottom - m_nInsetTop);
    const double fx = m_nInsetLeft - r[0] / m_adPlaneSpan[0] * (m_nInsetRight - m_nInsetLeft);
    if (!IsDrawable(fx) || !IsDrawable(fy)) return; // a zero span
    const int x0 = ToPixel(fx), y0 = ToPixel(fy);
    AxisNamesHeld names(this);
    DrawArrowPxIfEnabled(pDC, m_nInsetLeft, y0, m_nInsetRight, y0, 2, CString(), strXLabel,
                         m_crAxes);
    DrawArrowPxIfEnabled(pDC, x0, m_nInsetBottom, x0, m_nInsetTop, 1, CString(), strYLabel,
                         m_crAxes);
    if (!IsFigureBandVisible()) return;
    const COLORREF oldColour = pDC->SetTextColor(m_crAxes);
    const int oldMode = pDC->SetBkMode(TRANSPARENT);
    BeginAxisName(CPoint(x0, y0));
    PutTypesetText(pDC, x0 + 4, y0 - 16, "o", 1);
    EndAxisName();
    pDC->SetBkMode(oldMode);
    pDC->SetTextColor(oldColour);
}

void CPemroView::DrawToolbarData(CDC* pDC, int n) {
    const StepLabels& t = Labels();
    // 1. Raise and lower buttons of the first n coefficients, f first.
    if (n >= 1 && n <= kCoefCount) {
        const int x = m_nFigureRight + 2;
        // The column stands beside the figure; the frame widens to hold it.
        int widest = 0;
        for (int k = 0; k < n; ++k)
            widest = std::max({widest, ButtonWidth(t.raise[k]), ButtonWidth(t.lower[k])});
        calculus::FrameMarginForColumn(*this, pDC, x, widest);
        // A plane figure's rows grow with its buttons; where the column
        // would then run past the plot onto the x axis's numbers (a small
        // window), its rows close up, each still clear of the next.
        const int bh = ButtonHeight();
        int top = m_nFigureTop, half = kRowHalf, unit = 20;
        if (!m_bFigure3D && bh > 0) {
            const int nominal = 20;
            top = m_nPlotTop + int(std::int64_t(bh) * (m_nFigureTop - m_nPlotTop) / nominal);
            // The first button's frame stays below the figure frame's top.
            top = std::max(top, m_nPlotTop - m_nBaseCharHeight + 1 - PlotTopPush());
            half = bh * kRowHalf / nominal;
            if (top + (2 * n - 1) * half + bh > m_nPlotBottom)
                half = std::max(bh + 1, (m_nPlotBottom - top - bh) / (2 * n - 1));
            unit = bh; // rows in real pixels: no rescaling
        }
        for (int k = n - 1; k >= 0; --k) {
            const int y = top + 2 * half * k;
            if (TextButtonInPlot(pDC, x, y, 40, unit, t.raise[k], m_crCurveSetting)) {
                m_adSavedCoefF[k] += m_dParamStep;
                m_bLoadScriptSettings = 0;
            }
            if (TextButtonInPlot(pDC, x, y + half, 40, unit, t.lower[k], m_crCurveSetting)) {
                m_adSavedCoefF[k] -= m_dParamStep;
                m_bLoadScriptSettings = 0;
            }
        }
    }
    // 2. An edited coefficient reaches the working set in this pass; a plane
    // figure keeps the ranges it is drawn with (a plot of equal units may
    // show more than the set ranges).
    const double drawn[4] = {m_dXMin, m_dXMax, m_dYMin, m_dYMax};
    SaveRestoreDisplaySettings(m_bLoadScriptSettings);
    if (!m_bFigure3D) {
        m_dXMin = drawn[0];
        m_dXMax = drawn[1];
        m_dYMin = drawn[2];
        m_dYMax = drawn[3];
    }

    // 3. The plane figure writes the values inside it, the second row at
    // least a line below the first.
    if (!m_bFigure3D) {
        const double xs[3] = {m_dXMin + 0.1 * m_dXSpan, m_dXMin + 0.4 * m_dXSpan,
                              m_dXMin + 0.7 * m_dXSpan};
        double rowStep = 0.1 * m_dYSpan;
        if (m_nPlotHeight > 0)
            rowStep =
                std::max(rowStep, (m_nBaseCharHeight + m_nFontStep + 4) * m_dYSpan / m_nPlotHeight);
        const double ys[2] = {m_dYMax - 0.05 * m_dYSpan, m_dYMax - 0.05 * m_dYSpan - rowStep};
        for (int i = 0; i < kCoefCount; ++i)
            DrawLabelValue(pDC, xs[i % 3], ys[i / 3], kCoefLabels[i], 2, m_adCoefF[i],
                           m_crDefaultPen);
        return;
    }

    // 4. A solid scene: both surfaces take the saved values, the upper b
    // twice over; the labels stand on the wall x = x min.
    const double* s = m_adSavedCoefF;
    const double upper[kCoefCount] = {s[0], 2 * s[1], s[2], s[3], s[4], s[5]};
    for (int i = 0; i < kCoefCount; ++i) {
        m_adCoefSurfF[i] = upper[i];
        m_adCoefSurfG[i] = upper[i];
    }
    const double values[kCoefCount] = {upper[0], upper[1] / 2, upper[2],
                                       upper[3], upper[4],     upper[5]};
    const double ys[3] = {m_dYMin + 0.1 * m_dYSpan, m_dYMin + 0.4 * m_dYSpan,
                          m_dYMin + 0.7 * m_dYSpan};
    const double zs[2] = {m_dZMax, m_dZMax - 0.1 * m_dZSpan};
    for (int i = 0; i < kCoefCount; ++i)
        DrawLabelValue3D(pDC, m_dXMin, ys[i % 3], zs[i / 3], kCoefLabels[i], 2, values[i],
                         m_crFirstDerivative);
}
