// The ε-δ picture of a limit that exists: the δ found for the ε band, the
// band and the δ box, the curve pieces inside it, the marker dots and the
// values; the ε-X picture at infinity; the ε and δ buttons; the definition
// mode with its ε×δ rectangle.
#include "calculus/button_column.h"
#include "view/view.h"

#include "calculus/math/limits.h"
#include "catalog/math/explicit_catalogue.h"
#include "platform/text_codec.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <vector>

using calculus::LastOutsideBand;
using calculus::WalkToBandEdge;

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 250);
constexpr COLORREF kGreyViolet = RGB(155, 150, 200);
constexpr int kDotRadius = 3;
// The parameter step of the δ walk along a parametric curve.
constexpr double kParamDeltaStep = 0.01;
// Steps per x span: the ε-X walk, the implicit trace, the redrawn curve.
constexpr double kBandWalkStepsPerSpan = 1e5;
constexpr double kTraceStepsPerSpan = 10000;
constexpr double kRedrawStepsPerSpan = 1000;
constexpr double kRedrawJumpDivisor = 20;

// ε and the δ display factor: the buttons scale them, within these bounds.
constexpr double kScaleUp = 1.25;
constexpr double kScaleDown = 0.8;
constexpr double kMinEpsilon = 1e-4;
constexpr double kMaxEpsilon = 0.5;
constexpr double kMinDeltaFactor = 0.01;
constexpr double kMaxDeltaFactor = 10.0;
// Definition mode: ε and δ as fractions of the y and x spans, and the δ from
// which the rectangle is said to be too large.
constexpr double kDefinitionCap = 0.1;
constexpr double kDeltaTooLarge = 0.2;

// The button column right of the plot: x offset, width, height and rows.
constexpr int kButtonDx = 32;
constexpr int kButtonW = 50;
constexpr int kButtonH = 20;
constexpr int kButtonRows[5] = {4, 30, 56, 82, 108};

double Clamp(double v, double lo, double hi) {
    return v < lo ? lo : v > hi ? hi : v;
}

// Narrows the clip to the plot rectangle while it lives: a wide ε band or
// δ box stays inside the figure instead of covering the page around it.
class PlotClip {
public:
    PlotClip(CDC* dc, const CPemroView& v) : m_dc(dc), m_old(dc->GetClipRect()) {
        const CPoint org = dc->GetViewportOrg();
        CRect plot(v.m_nPlotLeft, v.m_nPlotTop, v.m_nPlotRight + 1, v.m_nPlotBottom + 1);
        plot.OffsetRect(org.x, org.y);
        dc->SetClipRect(m_old.Intersect(plot));
    }
    ~PlotClip() { m_dc->SetClipRect(m_old); }
    PlotClip(const PlotClip&) = delete;
    PlotClip& operator=(const PlotClip&) = delete;

private:
    CDC* m_dc;
    CRect m_old;
};

CRect TextBox(int x, int y, CSize size) {
    return CRect(x, y, x + size.cx, y + size.cy);
}

bool AllDrawable(std::initializer_list<double> values) {
    for (double v : values)
        if (!IsDrawable(v)) return false;
    return true;
}

} // namespace

// The picture's own mapping: offsets truncated toward zero.
int CPemroView::LimitPx(double x) const {
    return ToPixel(m_nPlotLeft + std::trunc((x - m_dXMin) * m_nPlotWidth / m_dXSpan));
}

int CPemroView::LimitPy(double y) const {
    return ToPixel(m_nPlotBottom - std::trunc((y - m_dYMin) * m_nPlotHeight / m_dYSpan));
}

void CPemroView::DrawEpsilonDelta(CDC* pDC, const LimitApproach& ap) {
    const int k = m_nFuncF;
    const double band = m_dEpsilon * m_dYSpan;
    const double L = m_dLimitValueLeft, R = m_dLimitValueRight, x0 = ap.x0;
    double dl = 0, dr = 0, tl = ap.tStar, tr = ap.tStar;
    switch (m_nPlotMode) {
    case 0: {
        const auto F = [this, k](double x) { return EvalF(x, k); };
        dl = WalkToBandEdge(F, x0, ap.a, m_dDiffStep, L, band);
        dr = WalkToBandEdge(F, x0, ap.b, m_dDiffStep, R, band);
        break;
    }
    case 2: {
        // Each solve starts from the y before it, the first from the limit.
        const auto walk = [&](double bound, double start) {
            double prev = start;
            const auto G = [&](double x) {
                const double y = SolveImplicitY(x, prev, k);
                if (y != catalog::kNoValue) prev = y;
                return y;
            };
            return WalkToBandEdge(G, x0, bound, m_dDiffStep, start, band);
        };
        // The solves see the implicit curve only while the region is set
        // to it, as in the approach.
        m_nRegionType = 3;
        dl = walk(m_dXMin, L);
        dr = walk(m_dXMax, R);
        m_nRegionType = 0;
        break;
    }
    case 1: {
        const auto walk = [&](double dir, double bound, double level, double* tStop) {
            double t = ap.tStar, d = 0;
            for (long i = 0; i < calculus::kMaxWalkSteps; ++i) {
                if (dir < 0 ? !(t > bound) : !(t < bound)) break;
                *tStop = t;
                if (std::fabs(EvalParamY(t, k) - level) >= band) break;
                d = dir * (EvalParamX(t, k) - x0);
                t = ap.tStar + dir * kParamDeltaStep * double(i + 1);
            }
            return d;
        };
        dl = walk(-1, ap.a, L, &tl);
        dr = walk(1, ap.b, R, &tr);
        // A curve that runs right to left.
        if (dl < 0 && dr < 0) {
            const double t = dl;
            dl = -dr;
            dr = -t;
        }
        // A curve that turns back at the point leaves no room on that side.
        if (dl < 0) dl = 0;
        if (dr < 0) dr = 0;
        break;
    }
    default:
        dl = dr = 1.0;
        break;
    }

    double delta = dl;
    switch (m_nLimitSide) {
    case 1:
        dr = 0;
        break;
    case 2:
        dl = 0;
        delta = dr;
        break;
    default:
        dl = dr = delta = dl <= dr ? dl : dr;
        break;
    }
    if (dr > m_dXMax - x0) dr = m_dXMax - x0;
    if (dl > x0 - m_dXMin) dl = x0 - m_dXMin;

    // The read-outs wait to be written over the figure: the box's marks
    // keep clear of them.
    DrawLabelNumber(pDC, 0, m_dXMax - 0.3 * m_dXSpan, m_dYMin + 0.2 * m_dYSpan, Gbk(u8"ε="), 6,
                    band, 5);
    // The δ found: the δ buttons only widen or narrow the box drawn.
    DrawLabelNumber(pDC, 0, m_dXMax - 0.3 * m_dXSpan, m_dYMin + m_dParamStep * m_dYSpan,
                    Gbk(u8"δ="), 6, delta, 5);
    DrawEpsilonBox(pDC, ap, dl, dr);
    DrawEpsilonPieces(pDC, ap, dl, dr, tl, tr);
    DrawEpsilonDots(pDC, ap, dl, dr);
}

void CPemroView::DrawEpsilonBox(CDC* pDC, const LimitApproach& ap, double dl, double dr) {
    const double dlPx = std::trunc(dl * m_dDelta / m_dXSpan * m_nPlotWidth);
    const double drPx = std::trunc(dr * m_dDelta / m_dXSpan * m_nPlotWidth);
    if (!AllDrawable({dlPx, drPx})) return;
    const int X = LimitPx(ap.x0), Y = LimitPy(m_dLimitValueLeft);
    const int X0 = LimitPx(0), Y0 = LimitPy(0);
    const int l = X - ToPixel(dlPx), r = X + ToPixel(drPx), e = ap.epsPx;
    const int H = m_nBaseCharHeight, S = m_nFontStep, w = m_nPixelSize;
    const COLORREF c = m_crSection;
    const PlotClip clip(pDC, *this);

    DrawLinePx(pDC, w, X0, Y + e, l, Y + e, c);
    DrawLinePx(pDC, w, X0, Y - e - 1, l, Y - e - 1, c);
    DrawLinePx(pDC, w, l, Y - e, l, Y0, c);
    DrawLinePx(pDC, w, r, Y - e, r, Y0, c);
    const int row = std::max(m_nPlotTop, std::min(Y0, m_nPlotBottom) - H - S);
    const auto fromLeft = [&](int x) { return std::max(x, m_nPlotLeft); };
    const auto fromRight = [&](int x, const CString& text) {
        return std::min(x, m_nPlotRight - int(PlainExtent(pDC, text).cx));
    };
    // The box first: its sides are the labels' next places after the axis.
    // It is filled before the labels, which a box at the plot's edge would
    // otherwise cover.
    std::vector<CRect> clear = {CRect(l - 2, Y - e - 2, r + 2, Y + e + 2)};
    FillRectPx(pDC, l - 2, Y - e - 2, r + 2, Y + e + 2, kRed);
    FillRectPx(pDC, l, Y - e, r, Y + e, kBlue);
    // The marks are cut at the plot's edge: they keep inside it.
    const CRect plot(m_nPlotLeft, m_nPlotTop, m_nPlotRight, m_nPlotBottom);
    const auto mark = [&](int x, const CString& text) {
        const CPoint at = ClearOfFigureText(pDC, x, row, text, plot);
        DrawString(pDC, at.x, at.y, text, c);
        clear.push_back(TextBox(at.x, at.y, PlainExtent(pDC, text)));
    };
    // A narrow box puts the right mark after the left one rather than over
    // it, and at the plot's right edge the left mark gives way to the left.
    const auto markPair = [&](int leftX, const CString& left, int rightX, const CString& right) {
        const int gap = 3, leftW = int(PlainExtent(pDC, left).cx);
        leftX = fromLeft(leftX);
        rightX = fromRight(std::max(rightX, leftX + leftW + gap), right);
        if (rightX < leftX + leftW + gap) leftX = fromLeft(rightX - gap - leftW);
        mark(leftX, left);
        mark(rightX, right);
    };
    const CString minus = Gbk(u8"x0-δ"), plus = Gbk(u8"x0+δ");
    if (m_nLimitSide == 0) markPair(l - 2 * H, minus, r + 2, plus);
    if (m_nLimitSide == 1) markPair(l - 2 * H, minus, r, "x0");
    if (m_nLimitSide == 2) markPair(l - (H + 5 + S / 2), "x0", r + 2, plus);
    DrawBandLabels(pDC, Y - e - 1, Y + e, X0, clear);
}

CSize CPemroView::PlainExtent(CDC* pDC, const CString& text) const {
    if (!pDC) return CSize(0, 0);
    const CFontSelect font(pDC, PlainStringFont(FALSE, m_nLabelZoom));
    return pDC->GetTextExtent(text);
}

void CPemroView::DrawBandLabels(CDC* pDC, int topLine, int bottomLine, int axisX,
                                const std::vector<CRect>& clear) {
    const CString plus = Gbk(u8"A+ε"), minus = Gbk(u8"A-ε");
    const CSize sp = PlainExtent(pDC, plus), sm = PlainExtent(pDC, minus);
    const int w = std::max(sp.cx, sm.cx), h = std::max(sp.cy, sm.cy);
    const int H = m_nBaseCharHeight, S = m_nFontStep;
    // Inside the plot and below the row of the y axis's name; a line that
    // left the plot takes its label to the plot's edge.
    const int top = m_nPlotTop + H + S, bottom = std::max(top, m_nPlotBottom - h);
    const int yMinus = std::clamp(bottomLine + 1, top, bottom);
    const int yPlus = std::min(std::clamp(topLine - h, top, bottom), yMinus - h);
    // Beside the y axis, right of it, else left of it, else beside what
    // they keep clear of, else at either end of the plot: the first place
    // clear of all that.
    std::vector<int> columns = {axisX + S + 3, axisX - 3 - w};
    for (const CRect& r : clear) {
        columns.push_back(r.left - 3 - w);
        columns.push_back(r.right + 3);
    }
    // (Not at the right end: the buttons stand there.)
    columns.push_back(m_nPlotLeft + 3);
    // The figure's value labels (the verdict) wait to be written; past
    // their ends is the last place tried.
    std::vector<CRect> avoid = clear;
    std::vector<int> pastHeld;
    for (const HeldValuePiece& piece : m_aHeldValuePieces)
        if (piece.dc == pDC) {
            avoid.push_back(piece.cell);
            pastHeld.push_back(piece.cell.right + 3);
        }
    std::sort(pastHeld.begin(), pastHeld.end());
    columns.insert(columns.end(), pastHeld.begin(), pastHeld.end());
    const auto fits = [&](int x) {
        if (x < m_nPlotLeft + 2 || x + w > m_nPlotRight - 2) return false;
        for (const CRect& r : avoid)
            if (!r.Intersect(CRect(x, yPlus, x + w, yPlus + h)).IsRectEmpty() ||
                !r.Intersect(CRect(x, yMinus, x + w, yMinus + h)).IsRectEmpty())
                return false;
        return true;
    };
    int x =
        std::clamp(columns[0], m_nPlotLeft + 2, std::max(m_nPlotLeft + 2, m_nPlotRight - 2 - w));
    for (int column : columns)
        if (fits(column)) {
            x = column;
            break;
        }
    const COLORREF c = m_crSection;
    DrawString(pDC, x, yPlus, plus, c);
    DrawString(pDC, x, yMinus, minus, c);
}

void CPemroView::DrawEpsilonPieces(CDC* pDC, const LimitApproach& ap, double dl, double dr,
                                   double tl, double tr) {
    const double x0 = ap.x0;
    const COLORREF cl = m_crFirstDerivative, cr = m_crSecondDerivative;
    switch (m_nPlotMode) {
    case 0:
        if (dl > 0) {
            PlotCurve(pDC, x0 - dl, x0, cl);
            DrawLineWorld(pDC, x0 - dl, 0, x0, 0, cl);
        }
        if (dr > 0) {
            PlotCurve(pDC, x0, x0 + dr, cr);
            DrawLineWorld(pDC, x0, 0, x0 + dr, 0, cr);
        }
        break;
    case 1: {
        const int k = m_nFuncF;
        if (tl < ap.tStar) PlotCurve(pDC, tl, ap.tStar, cl);
        DrawLineWorld(pDC, EvalParamX(tl, k), 0, x0, 0, cl);
        if (ap.tStar < tr) PlotCurve(pDC, ap.tStar, tr, cr);
        DrawLineWorld(pDC, x0, 0, EvalParamX(tr, k), 0, cr);
        break;
    }
    case 2: {
        const int k = m_nFuncF;
        const double step = m_dXSpan / kTraceStepsPerSpan;
        const auto trace = [&](double dir, double d, double yStart, COLORREF c) {
            if (!(step > 0) || !(d > 0)) return;
            double x = x0, y = yStart;
            for (long i = 1; i <= calculus::kMaxWalkSteps; ++i) {
                const double xn = x0 + dir * step * double(i);
                if (std::fabs(xn - x0) > d) break;
                const double yn = SolveImplicitY(xn, y, k);
                if (yn == catalog::kNoValue) break;
                DrawLineWorld(pDC, x, y, xn, yn, c);
                x = xn;
                y = yn;
            }
            DrawLineWorld(pDC, x0 + dir * d, 0, x0, 0, c);
        };
        m_nRegionType = 3;
        trace(-1, dl, m_dLimitValueLeft, cl);
        trace(1, dr, m_dLimitValueRight, cr);
        m_nRegionType = 0;
        break;
    }
    default:
        break;
    }
}

void CPemroView::DrawEpsilonDots(CDC* pDC, const LimitApproach& ap, double dl, double dr) {
    const double dlPx = std::trunc(dl * m_dDelta / m_dXSpan * m_nPlotWidth);
    const double drPx = std::trunc(dr * m_dDelta / m_dXSpan * m_nPlotWidth);
    if (!AllDrawable({dlPx, drPx})) return;
    const int X = LimitPx(ap.x0), Y0 = LimitPy(0);
    const int YL = LimitPy(m_dLimitValueLeft), YR = LimitPy(m_dLimitValueRight);
    const COLORREF pen = m_crCurveSetting, hollow = m_crGround, filled = m_crCurveSetting;
    const int brk = m_nFuncFBreak, r = kDotRadius;
    // A box widened past the plot keeps its end dots inside the figure too.
    const PlotClip clip(pDC, *this);
    DrawDotPx(pDC, X - ToPixel(dlPx), Y0, r, r, pen, hollow);
    DrawDotPx(pDC, X + ToPixel(drPx), Y0, r, r, pen, hollow);
    if (m_nLimitSide == 0 || brk == -1)
        DrawDotPx(pDC, X, (YL + YR) / 2, r, r, pen, brk == 3 || brk == -1 ? filled : hollow);
    else if (m_nLimitSide == 1)
        DrawDotPx(pDC, X, YL, r, r, pen, brk == 2 ? filled : hollow);
    else if (m_nLimitSide == 2)
        DrawDotPx(pDC, X, YR, r, r, pen, brk == 1 ? filled : hollow);
    DrawDotPx(pDC, X, Y0, r, r, pen, brk == 0 ? hollow : filled);
}

void CPemroView::DrawEpsilonX(CDC* pDC, const LimitApproach& ap) {
    const int k = m_nFuncF;
    const auto F = [this, k](double x) { return EvalF(x, k); };
    const double L = m_dLimitValueLeft, band = m_dEpsilon * m_dYSpan;
    const double mid = (m_dXMin + m_dXMax) / 2, step = m_dXSpan / kBandWalkStepsPerSpan;
    const double xr = LastOutsideBand(F, mid, m_dXMax, step, L, band);
    const double xl = LastOutsideBand(F, mid, m_dXMin, step, L, band);
    const int Y = LimitPy(L), e = ap.epsPx, w = m_nPixelSize;
    // The X labels stand above the x axis, or on the plot's floor when a
    // range step has moved the axis below it.
    const int H = m_nBaseCharHeight, S = m_nFontStep;
    const int row = std::max(m_nPlotTop, std::min(LimitPy(0), m_nPlotBottom) - H - S);
    const COLORREF c = m_crSection;
    const PlotClip clip(pDC, *this);
    DrawLinePx(pDC, w, m_nPlotLeft, Y + e, m_nPlotRight, Y + e, c);
    DrawLinePx(pDC, w, m_nPlotLeft, Y - e - 1, m_nPlotRight, Y - e - 1, c);

    const int kind = m_nLimitInfinity;
    const bool right = xr < m_dXMax && (kind == 1 || kind == 2);
    std::vector<CRect> clear; // the X labels, which the band's labels keep clear of
    if (right) {
        const int P = LimitPx(xr);
        DrawLinePx(pDC, w, P, Y - e, P, m_nPlotBottom, kGreyViolet);
        DrawLinePx(pDC, w, P, Y - e, P, Y + e, c);
        FillRectPx(pDC, P - 2, Y - e - 2, m_nPlotRight, Y + e + 2, kRed);
        FillRectPx(pDC, P, Y - e, m_nPlotRight, Y + e, kBlue);
        // Near the plot's right edge "X" ends at the edge, left of its line.
        const CSize size = PlainExtent(pDC, "X");
        const int x = std::max(m_nPlotLeft, std::min(P, m_nPlotRight - 1 - int(size.cx)));
        DrawString(pDC, x, row, "X", c);
        clear.push_back(TextBox(x, row, size));
    }
    if (xl > m_dXMin && (kind == 1 || kind == 3)) {
        const int P = LimitPx(xl);
        DrawLinePx(pDC, w, P, Y - e, P, m_nPlotBottom, kGreyViolet);
        FillRectPx(pDC, m_nPlotLeft, Y - e - 2, P + 1, Y + e + 2, kRed);
        FillRectPx(pDC, m_nPlotLeft, Y - e, P, Y + e, kBlue);
        // Where a small X brings the two lines close, "-X" ends at its
        // line instead of running into "X".
        const int wx = PlainExtent(pDC, "-X").cx;
        const int x = right && P + wx + 2 > LimitPx(xr) ? std::max(m_nPlotLeft, P - 1 - wx) : P;
        DrawString(pDC, x, row, "-X", c);
        clear.push_back(TextBox(x, row, PlainExtent(pDC, "-X")));
        DrawBandLabels(pDC, Y - e - 1, Y + e, LimitPx(0), clear);
    }
    if (kind == 1 || kind == 3) RedrawCurveOutsideBand(pDC, ap.a, xl);
    if (kind == 1 || kind == 2) RedrawCurveOutsideBand(pDC, xr, ap.b);
}

// The curve over the filled box again, as pixel segments that stay inside
// the plot and do not jump.
void CPemroView::RedrawCurveOutsideBand(CDC* pDC, double from, double to) {
    const double step = m_dXSpan / kRedrawStepsPerSpan;
    if (!(step > 0) || !std::isfinite(step) || !std::isfinite(from)) return;
    const int k = m_nFuncF, jump = int(m_nPlotHeight / kRedrawJumpDivisor);
    int px = 0, py = 0;
    for (long i = 0; i <= calculus::kMaxWalkSteps; ++i) {
        const double x = from + step * double(i);
        if (!(x <= to)) break;
        const double y = EvalF(x, k);
        const int cx = LimitPx(x), cy = std::isfinite(y) ? LimitPy(y) : m_nPlotTop;
        const bool inside = m_nPlotTop < py && py < m_nPlotBottom && m_nPlotTop < cy &&
                            cy < m_nPlotBottom && m_nPlotLeft < cx && cx < m_nPlotRight;
        if (i >= 2 && inside && std::abs(cy - py) < jump)
            DrawLinePx(pDC, m_nPixelSize, px, py, cx, cy, m_crCurveSetting);
        px = cx;
        py = cy;
    }
}

void CPemroView::EpsilonDeltaButtons(CDC* pDC) {
    const int x = calculus::ColumnInFigure(*this, m_nPlotRight - kButtonDx,
                                           {u8"ε增加", u8"ε减少", u8"δ再大", u8"δ再小", u8"δ复原"});
    const COLORREF c = m_crCurveSetting;
    const auto button = [&](int row, const char* label) {
        return TextButtonInPlot(pDC, x, m_nPlotTop + kButtonRows[row], kButtonW, kButtonH,
                                Gbk(label), c);
    };
    if (button(0, u8"ε增加")) m_dEpsilon *= kScaleUp;
    if (button(1, u8"ε减少")) m_dEpsilon *= kScaleDown;
    if (m_nLimitSide >= 0 && m_nLimitSide <= 2) {
        if (button(2, u8"δ再大")) m_dDelta *= kScaleUp;
        if (button(3, u8"δ再小")) m_dDelta *= kScaleDown;
        if (button(4, u8"δ复原")) m_dDelta = 1.0;
    }
    m_dEpsilon = Clamp(m_dEpsilon, kMinEpsilon, kMaxEpsilon);
    m_dDelta = Clamp(m_dDelta, kMinDeltaFactor, kMaxDeltaFactor);
}

void CPemroView::DrawLimitDefinition(CDC* pDC, double x0) {
    if (m_dEpsilon > kDefinitionCap * m_dYSpan) m_dEpsilon = kDefinitionCap * m_dYSpan;
    if (m_dDelta > kDefinitionCap * m_dXSpan) m_dDelta = kDefinitionCap * m_dXSpan;
    const int x = calculus::ColumnInFigure(*this, m_nPlotRight - kButtonDx,
                                           {u8"ε增加", u8"ε减少", u8"δ增加", u8"δ减少"});
    const COLORREF c = m_crCurveSetting;
    const auto button = [&](int row, const char* label) {
        return TextButtonInPlot(pDC, x, m_nPlotTop + kButtonRows[row], kButtonW, kButtonH,
                                Gbk(label), c);
    };
    if (button(0, u8"ε增加")) m_dEpsilon *= kScaleUp;
    if (button(1, u8"ε减少")) m_dEpsilon *= kScaleDown;
    if (button(2, u8"δ增加")) m_dDelta *= kScaleUp;
    if (button(3, u8"δ减少")) m_dDelta *= kScaleDown;
    m_dEpsilon = Clamp(m_dEpsilon, kMinEpsilon, kMaxEpsilon);
    m_dDelta = Clamp(m_dDelta, kMinDeltaFactor, kMaxDeltaFactor);
    ShowDeltaTooLarge(pDC, m_dEpsilon, m_dDelta);
    const double y0 = EvalF(x0, m_nFuncF);
    DrawLineWorld(pDC, x0, 0, x0, y0, m_crDefaultPen);
    DrawLineWorld(pDC, 0, y0, x0, y0, m_crDefaultPen);
}

void CPemroView::ShowDeltaTooLarge(CDC* pDC, double eps, double delta) {
    if (delta >= kDeltaTooLarge) {
        DrawStringWorld(pDC, m_dXMin + 0.2 * m_dXSpan, m_dYMax - 0.2 * m_dYSpan, Gbk(u8"δ太大了"),
                        m_crDefaultPen);
        return;
    }
    const double x0 = m_dCursorX, y0 = EvalF(x0, m_nFuncF);
    const double hw = delta * m_dXSpan, hh = eps * m_dYSpan;
    const COLORREF c = m_crSection;
    DrawLineWorld(pDC, x0 - hw, y0 - hh, x0 + hw, y0 - hh, c);
    DrawLineWorld(pDC, x0 + hw, y0 - hh, x0 + hw, y0 + hh, c);
    DrawLineWorld(pDC, x0 + hw, y0 + hh, x0 - hw, y0 + hh, c);
    DrawLineWorld(pDC, x0 - hw, y0 + hh, x0 - hw, y0 - hh, c);
}
