// The classical-curve constructions drawn over a "NormalCurve" figure: the
// foci and focal distances of the conics and the lemniscate, the generating
// circles of the sine, cycloid, astroid and cardioid, at the point P the
// student clicked; with buttons that change the curve's parameters.
#include "catalog/math/classical_curves.h"
#include "calculus/button_column.h"
#include "platform/text_codec.h"
#include "render/text_typeset.h"
#include "view/view.h"

#include "platform/real_steps.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

using catalog::PlanePoint;

constexpr double kParamStep = 0.1; // step of the a, b, c buttons
constexpr int kButtonRow = 24;     // button column: one button per 24 pixels
constexpr int kCardioidInset = 50; // the cardioid's buttons stand inside the figure
constexpr int kDotRadius = 3;
constexpr double kTraceStep = 0.0001; // sine and cosine: angle step of the traced points
constexpr double kAstroidStep = 0.001;
// No traced construction takes more steps than this; a longer way is traced
// in wider steps.
constexpr long kMaxTraceSteps = 200000;
constexpr double kArcRadius = 0.3;
constexpr double kAstroidCentreRadius2 = 0.5625; // (3/4)², the rolling centre's circle
constexpr double kAstroidLimit = 0.75;
constexpr double kAstroidSmallRadius = 0.25;
constexpr double kPi = 3.14159;

enum Kind {
    kCircle = 1,
    kEllipse,
    kHyperbola,
    kParabola,
    kSine,
    kCosine,
    kLemniscate,
    kCycloid,
    kAstroid,
    kCardioid,
    kCoefficientRow = 13,
};

struct Captions {
    CString circle = Gbk(u8"在圆上选两个点");
    CString ellipse = Gbk(u8"在椭圆上选一点P");
    CString hyperbola = Gbk(u8"在双曲线上选一点P");
    CString parabola = Gbk(u8"在抛物线上选一点P");
    CString onXAxis = Gbk(u8"在x轴上选一点P");
    CString lemniscate = Gbk(u8"在双纽线上选一点P");
    CString cardioid = Gbk(u8"在心脏线上选一点P");
    CString distanceSum = Gbk(u8"P到两角点距离和:");
    CString distanceDifference = Gbk(u8"P到两角点距离差:");
    CString distanceProduct = Gbk(u8"P到F1和F2距离乘积:");
};

const Captions& Texts() {
    static const Captions captions;
    return captions;
}

// The step of a trace over `length` at `step`, widened to the step cap.
double TraceStep(double length, double step) {
    length = std::fabs(length);
    if (!std::isfinite(length)) return 0.0;
    if (length / step > double(kMaxTraceSteps)) step = length / double(kMaxTraceSteps);
    return step;
}

// Where the read-out beside the caption stands: at the plot's middle, one
// line lower where a narrow plot brings the caption's end up to it.
double ReadoutY(CPemroView& v, CDC* pDC, const CString& caption, double x, double y) {
    if (!pDC || v.m_nPlotWidth <= 0 || v.m_nPlotHeight <= 0) return y;
    const double capX = v.m_dXMin + 0.05 * v.m_dXSpan;
    CSize size;
    {
        const CFontSelect font(pDC, v.PlainStringFont(FALSE, v.m_nLabelZoom));
        size = pDC->GetTextExtent(caption);
    }
    const double captionEnd = (x - capX) * v.m_nPlotWidth / v.m_dXSpan;
    // The caption's left inset, then a blank of about a letter.
    if (!(size.cx + 2 + size.cy / 2 > captionEnd)) return y;
    return y - (size.cy + 2) * v.m_dYSpan / v.m_nPlotHeight;
}

// Names written at their points, right of and below each, meet where the
// points come close: each name takes the first place round its point that
// stays inside the plot, clear of the names and read-outs placed before it.
class NamePlacer {
public:
    NamePlacer(CPemroView& v, CDC* pDC) : m_v(v), m_pDC(pDC) {
        m_bUsable = pDC && v.m_nPlotWidth > 0 && v.m_nPlotHeight > 0 && v.m_dXSpan > 0 &&
                    v.m_dYSpan > 0 && std::isfinite(v.m_dXSpan) && std::isfinite(v.m_dYSpan);
        if (!m_bUsable) return;
        m_dPerX = v.m_nPlotWidth / v.m_dXSpan;
        m_dPerY = v.m_nPlotHeight / v.m_dYSpan;
    }

    // Where to write `name` of the point p.
    PlanePoint Place(PlanePoint p, const CString& name) {
        if (!m_bUsable) return p;
        CSize size;
        {
            const CFontSelect font(m_pDC, m_v.PlainStringFont(FALSE, m_v.m_nLabelZoom));
            size = m_pDC->GetTextExtent(name);
        }
        const double w = size.cx, h = size.cy;
        const double x = (p.x - m_v.m_dXMin) * m_dPerX + 2, y = (m_v.m_dYMax - p.y) * m_dPerY;
        // Right of the point, left of it, then a row and two rows up or down.
        const double l = -(w + 4), r = h + 1;
        const double shifts[10][2] = {{0, 0}, {l, 0},      {0, -r},     {0, r},     {l, -r},
                                      {l, r}, {0, -2 * r}, {l, -2 * r}, {0, 2 * r}, {l, 2 * r}};
        const auto inside = [&](const Box& b) {
            return b.left >= 0 && b.top >= 0 && b.right <= m_v.m_nPlotWidth &&
                   b.bottom <= m_v.m_nPlotHeight;
        };
        const auto clearOf = [&](const Box& box, const std::vector<Box>& boxes) {
            return std::none_of(boxes.begin(), boxes.end(),
                                [&](const Box& o) { return Meet(box, o); });
        };
        // Inside and clear of all; then clear of the names; then inside.
        for (int pass = 0; pass < 3; ++pass)
            for (const auto& d : shifts) {
                const Box box{x + d[0], y + d[1], x + d[0] + w, y + d[1] + h};
                if (!inside(box) || (pass < 2 && !clearOf(box, m_boxes)) ||
                    (pass < 1 && !clearOf(box, m_reserved)))
                    continue;
                m_boxes.push_back(box);
                return {p.x + d[0] / m_dPerX, p.y - d[1] / m_dPerY};
            }
        m_boxes.push_back({x, y, x + w, y + h});
        return p;
    }

    // Keeps the names clear of a read-out of `text` and a number written at p.
    void Reserve(PlanePoint p, const CString& text) {
        if (!m_bUsable) return;
        CSize size;
        {
            const CFontSelect font(m_pDC, m_v.PlainStringFont(FALSE, m_v.m_nLabelZoom));
            size = m_pDC->GetTextExtent(text + "  0000.00");
        }
        const double x = (p.x - m_v.m_dXMin) * m_dPerX, y = (m_v.m_dYMax - p.y) * m_dPerY;
        m_reserved.push_back({x - 2, y - 2, x + size.cx + 2, y + size.cy + 2});
    }

private:
    struct Box {
        double left, top, right, bottom;
    };
    static bool Meet(const Box& a, const Box& b) {
        return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
    }

    CPemroView& m_v;
    CDC* m_pDC;
    bool m_bUsable = false;
    double m_dPerX = 1, m_dPerY = 1;
    std::vector<Box> m_boxes, m_reserved;
};

} // namespace

// The button column beside the figure lies past the graph's controls; its
// clicks must reach the buttons too.
BOOL CPemroView::IsClickOnClassicalColumn() const {
    if (!IsFigureBandVisible()) return FALSE;
    const CPoint click = ClickPagePoint();
    // Beside the figure, or from inside it where the cardioid's column stands.
    const int left = m_nFigureRight - kCardioidInset;
    const int right =
        std::max(m_nFigureRight + 2 + calculus::WidestButton(*this, {u8"实轴x", u8"上下", u8"c减"}),
                 left + calculus::WidestButton(*this, {u8"顶点(2a,0)", u8"顶点(-2a,0)"})) +
        5;
    // Rows are drawn scaled from the plot's top: the first stands higher on a
    // larger window.
    const int bh = std::max(1, ButtonHeight());
    const int top = std::min(m_nFigureTop, m_nPlotTop + bh * (m_nFigureTop - m_nPlotTop) / 20);
    return NoteClickMet(left <= click.x && click.x < right && top <= click.y &&
                        click.y < m_nFigureBottom);
}

BOOL CPemroView::ClassicalButton(CDC* pDC, int i, const char* utf8Label, int x) {
    // Rows scale from the plot's top, which lifts the first of tall buttons
    // (a large font) over the frame's top edge: it keeps its frame inside.
    const int frameTop = m_nPlotTop - m_nBaseCharHeight - 1 - PlotTopPush();
    const int y = calculus::RowYNotAbove(*this, m_nFigureTop + kButtonRow * i, frameTop + 2);
    return TextButton(pDC, x, y, Gbk(utf8Label));
}

namespace catalog {
bool ConstructionOverCurve(int kind) {
    return kind == kCycloid || kind == kAstroid;
}
bool HasRightColumn(int kind) {
    return kind == kEllipse || kind == kHyperbola || kind == kParabola || kind == kLemniscate ||
           kind == kCoefficientRow;
}
} // namespace catalog

void CPemroView::DrawClassicalCurveConstruction(CDC* pDC, int kind) {
    if (!IsFigureBandVisible()) return;
    if (!m_bFullRepaint && !IsClickOnGraphControls() && !IsClickOnClassicalColumn()) return;
    const Captions& t = Texts();
    const double px = m_adMousePoint[0], py = m_adMousePoint[1];
    const BOOL inside = IsInsideWorldRange(px, py);
    const double capX = m_dXMin + 0.05 * m_dXSpan, capY = m_dYMax - 0.05 * m_dYSpan;
    const auto caption = [&](const CString& text) {
        DrawStringWorld(pDC, capX, capY, text, m_crDefaultPen);
    };
    switch (kind) {
    case kCircle:
        caption(t.circle);
        DrawClassicalCircle(pDC, inside, px, py);
        break;
    case kEllipse:
        caption(t.ellipse);
        DrawClassicalEllipse(pDC, inside, px, py);
        break;
    case kHyperbola:
        caption(t.hyperbola);
        DrawClassicalHyperbola(pDC, inside, px, py);
        break;
    case kParabola:
        caption(t.parabola);
        DrawClassicalParabola(pDC, inside, px, py);
        break;
    case kSine:
        caption(t.onXAxis);
        if (!m_bToolFirstPoint) DrawClassicalSine(pDC, FALSE, px);
        break;
    case kCosine:
        caption(t.onXAxis);
        if (!m_bToolFirstPoint && inside) DrawClassicalSine(pDC, TRUE, px);
        break;
    case kLemniscate:
        caption(t.lemniscate);
        DrawClassicalLemniscate(pDC, inside, px, py);
        break;
    case kCycloid:
        caption(t.onXAxis);
        DrawClassicalCycloid(pDC, px);
        break;
    case kAstroid:
        caption(t.onXAxis);
        DrawClassicalAstroid(pDC, px);
        break;
    case kCardioid:
        caption(t.cardioid);
        DrawClassicalCardioid(pDC, inside, px, py);
        break;
    case kCoefficientRow:
        DrawToolbarData(pDC, 6);
        break;
    default:
        break;
    }
}

void CPemroView::DrawClassicalCircle(CDC* pDC, BOOL bInside, double px, double py) {
    // The radius to the origin and the tangent at the point.
    const auto marks = [&](double x, double y) {
        DrawLineWorld(pDC, x, y, 0.0, 0.0, m_crDefaultPen);
        DrawLineWorld(pDC, x + y, y - x, x, y, m_crDefaultFill);
    };
    double& qx = m_adShapeX1[0];
    double& qy = m_adShapeY1[0];
    // Only a click in this plot chooses a point; other passes show the
    // points chosen so far.
    double cx = 0, cy = 0;
    if (!bInside || !ToolClickPoint(FALSE, &cx, &cy)) {
        if (!m_bToolFirstPoint) marks(m_adCirclePairFirst[0], m_adCirclePairFirst[1]);
        marks(qx, qy);
        return;
    }
    if (m_bToolFirstPoint) {
        marks(qx, qy);
        marks(px, py);
        m_adCirclePairFirst[0] = qx;
        m_adCirclePairFirst[1] = qy;
        qx = px;
        qy = py;
        m_bToolFirstPoint = 0;
    } else {
        qx = px;
        qy = py;
        m_bToolFirstPoint = 1;
        marks(px, py);
    }
}

void CPemroView::DrawClassicalEllipse(CDC* pDC, BOOL bInside, double px, double py) {
    const int bx = m_nFigureRight + 2;
    // The column stands beside the figure; the frame widens to hold it.
    calculus::FrameMarginForColumn(*this, pDC, bx, {u8"a增", u8"a减", u8"b增", u8"b减"});
    if (ClassicalButton(pDC, 0, u8"a增", bx)) m_dDirM += kParamStep;
    if (ClassicalButton(pDC, 1, u8"a减", bx)) m_dDirM -= kParamStep;
    if (ClassicalButton(pDC, 2, u8"b增", bx)) m_dDirN += kParamStep;
    if (ClassicalButton(pDC, 3, u8"b减", bx)) m_dDirN -= kParamStep;
    const double a = m_dDirM, b = m_dDirN;
    m_adCoefF[2] = a;
    m_adCoefF[5] = b;
    if (m_bToolFirstPoint || !bInside) return;
    PlanePoint f1, f2;
    catalog::EllipseFoci(a, b, &f1, &f2);
    DrawLineWorld(pDC, px, py, f1.x, f1.y, m_crDefaultPen);
    DrawLineWorld(pDC, px, py, f2.x, f2.y, m_crDefaultPen);
    const double rx = m_dXMin + 0.5 * m_dXSpan;
    DrawLabelValue(pDC, rx, ReadoutY(*this, pDC, Texts().ellipse, rx, m_dYMax - 0.05 * m_dYSpan),
                   Texts().distanceSum, 2, catalog::FocalDistanceSum({px, py}, f1, f2),
                   m_crDefaultPen);
    DrawDotWorld(pDC, f1.x, f1.y, kDotRadius, kDotRadius, m_crDefaultFill, m_crDefaultFill);
    DrawDotWorld(pDC, f2.x, f2.y, kDotRadius, kDotRadius, m_crDefaultFill, m_crDefaultFill);
}

// The read-out's x in the caption's row: half across, or further right where
// a plot narrowed by a range step brings the caption up to it.
static double ReadoutX(const CPemroView& v, CDC* pDC, const CString& caption) {
    const double half = v.m_dXMin + 0.5 * v.m_dXSpan;
    if (!pDC || v.m_nPlotWidth <= 0 || !(v.m_dXSpan > 0)) return half;
    CFontSelect font(pDC, v.PlainStringFont(FALSE, v.m_nLabelZoom));
    const int left = v.m_nPlotLeft + int(0.05 * (v.m_nPlotRight - v.m_nPlotLeft)) + 2;
    const int clear = left + pDC->GetTextExtent(caption).cx + v.m_nBaseCharWidth;
    return std::max(half, v.m_dXMin + double(clear - v.m_nPlotLeft) * v.m_dXSpan / v.m_nPlotWidth);
}

void CPemroView::DrawClassicalHyperbola(CDC* pDC, BOOL bInside, double px, double py) {
    const int bx = m_nFigureRight + 2;
    // The column stands beside the figure; the frame widens to hold it.
    calculus::FrameMarginForColumn(*this, pDC, bx,
                                   {u8"a增", u8"a减", u8"b增", u8"b减", u8"实轴x", u8"实轴y"});
    if (ClassicalButton(pDC, 0, u8"a增", bx)) m_dDirM += kParamStep;
    if (ClassicalButton(pDC, 1, u8"a减", bx)) m_dDirM -= kParamStep;
    if (ClassicalButton(pDC, 2, u8"b增", bx)) m_dDirN += kParamStep;
    if (ClassicalButton(pDC, 3, u8"b减", bx)) m_dDirN -= kParamStep;
    if (ClassicalButton(pDC, 4, u8"实轴x", bx)) m_dDemoVariant = 1.0;
    if (ClassicalButton(pDC, 5, u8"实轴y", bx)) m_dDemoVariant = -1.0;
    if (m_dDemoVariant != 1.0 && m_dDemoVariant != -1.0) m_dDemoVariant = 1.0;
    const double a = m_dDirM, b = m_dDirN, s = m_dDemoVariant;
    m_adCoefF[0] = s / (a * a + 0.0001);
    m_adCoefF[2] = -s / (b * b + 0.0001);

    const COLORREF pen = m_crDefaultPen, fill = m_crDefaultFill;
    DrawLineWorld(pDC, a, b, a, -b, pen);
    DrawLineWorld(pDC, -a, b, -a, -b, pen);
    DrawLineWorld(pDC, a, b, -a, b, pen);
    DrawLineWorld(pDC, a, -b, -a, -b, pen);
    const double slope = b / (std::fabs(a) + 0.01);
    DrawLineAcrossWorld(pDC, 0, 0, slope, fill);
    DrawLineAcrossWorld(pDC, 0, 0, -slope, fill);

    if (m_bToolFirstPoint || !bInside) return;
    const bool alongX = s == 1.0;
    PlanePoint f1, f2;
    catalog::HyperbolaFoci(a, b, alongX, &f1, &f2);
    const double c = std::sqrt(a * a + b * b);
    DrawLineWorld(pDC, px, py, f1.x, f1.y, pen);
    DrawLineWorld(pDC, px, py, f2.x, f2.y, pen);
    DrawLabelValue(pDC, ReadoutX(*this, pDC, Texts().hyperbola), m_dYMax - 0.05 * m_dYSpan,
                   Texts().distanceDifference, 2,
                   catalog::HyperbolaDistanceDifference({px, py}, c, alongX), pen);
    DrawDotWorld(pDC, f1.x, f1.y, kDotRadius, kDotRadius, fill, fill);
    DrawDotWorld(pDC, f2.x, f2.y, kDotRadius, kDotRadius, fill, fill);
}

void CPemroView::DrawClassicalParabola(CDC* pDC, BOOL bInside, double px, double py) {
    const int bx = m_nFigureRight + 2;
    // The column stands beside the figure; the frame widens to hold it.
    calculus::FrameMarginForColumn(
        *this, pDC, bx, {u8"a增", u8"a减", u8"b增", u8"b减", u8"c增", u8"c减", u8"上下", u8"左右"});
    if (ClassicalButton(pDC, 0, u8"a增", bx)) m_dDirM += kParamStep;
    if (ClassicalButton(pDC, 1, u8"a减", bx)) m_dDirM -= kParamStep;
    if (ClassicalButton(pDC, 2, u8"b增", bx)) m_dDirN += kParamStep;
    if (ClassicalButton(pDC, 3, u8"b减", bx)) m_dDirN -= kParamStep;
    if (ClassicalButton(pDC, 4, u8"c增", bx)) m_dDirP += kParamStep;
    if (ClassicalButton(pDC, 5, u8"c减", bx)) m_dDirP -= kParamStep;
    if (ClassicalButton(pDC, 6, u8"上下", bx)) m_dDemoVariant = 1.0;
    if (ClassicalButton(pDC, 7, u8"左右", bx)) m_dDemoVariant = -1.0;
    if (m_dDemoVariant != 1.0 && m_dDemoVariant != -1.0) m_dDemoVariant = 1.0;
    const double a = m_dDirM, b = m_dDirN, c = m_dDirP;
    const bool sideways = m_dDemoVariant != 1.0;
    // y = ax² + bx + c, or sideways x = ay² + by + c.
    const double upDown[6] = {a, 0, 0, b, -1, c}, leftRight[6] = {0, 0, a, -1, b, c};
    for (int i = 0; i < 6; ++i) m_adCoefF[i] = sideways ? leftRight[i] : upDown[i];
    const double* A = m_adCoefF;

    PlanePoint focus;
    double directrix = 0;
    const bool ok = sideways ? catalog::ParabolaFocus(A[2], A[4], A[5], true, &focus, &directrix)
                             : catalog::ParabolaFocus(A[0], A[3], A[5], false, &focus, &directrix);
    if (!ok) return;
    const COLORREF pen = m_crDefaultPen, fill = m_crDefaultFill;
    DrawDotWorld(pDC, focus.x, focus.y, kDotRadius, kDotRadius, fill, fill);
    if (!sideways) {
        DrawLineWorld(pDC, m_dXMin, directrix, m_dXMax, directrix, fill);
        if (focus.x != 0) DrawLineWorld(pDC, focus.x, m_dYMin, focus.x, m_dYMax, fill);
    } else {
        DrawLineWorld(pDC, directrix, m_dYMin, directrix, m_dYMax, fill);
        if (focus.y != 0) DrawLineWorld(pDC, m_dXMin, focus.y, m_dXMax, focus.y, fill);
    }
    if (m_bToolFirstPoint || !bInside) return;
    DrawLineWorld(pDC, px, py, focus.x, focus.y, pen);
    if (!sideways)
        DrawLineWorld(pDC, px, py, px, directrix, pen);
    else
        DrawLineWorld(pDC, px, py, directrix, py, pen);
}

void CPemroView::DrawClassicalSine(CDC* pDC, BOOL bCosine, double px) {
    const COLORREF pen = m_crDefaultPen, fill = m_crDefaultFill;
    DrawArcWorld(pDC, -2.0, 0.0, 1.0, 1.0, 0.0, 6.28, pen);
    // The circle point and the curve point at angle t.
    const auto circleX = [&](double u) { return bCosine ? -std::sin(u) - 2 : std::cos(u) - 2; };
    const auto circleY = [&](double u) { return bCosine ? std::cos(u) : std::sin(u); };
    const double step = TraceStep(px, kTraceStep);
    double t = 0;
    if (step > 0) {
        const double dir = px > 0 ? step : -step;
        const long n = px > 0 ? steps::Count(0, px, step, kMaxTraceSteps + 1, false)
                              : steps::CountDown(0, px, step, kMaxTraceSteps + 1, false);
        for (long i = 0; i < n; ++i) {
            const double u = double(i) * dir;
            const double y = circleY(u);
            DrawLineWorld(pDC, u, y, u, y, fill);
            DrawLineWorld(pDC, circleX(u), y, circleX(u), y, fill);
            t = u;
        }
    }
    const double cx = circleX(t), y = circleY(t);
    DrawLineWorld(pDC, cx, y, -2.0, 0.0, pen);
    DrawLineWorld(pDC, cx, y, t, y, pen);
    DrawLineWorld(pDC, t, y, t, 0.0, pen);
    if (bCosine) {
        DrawLineWorld(pDC, -2.0, 1.0, -2.0, 0.0, pen);
        DrawArcWorld(pDC, -2.0, 0.0, kArcRadius, kArcRadius, 1.57, t + 1.57, fill);
    } else {
        DrawArcWorld(pDC, -2.0, 0.0, kArcRadius, kArcRadius, 0.0, t, fill);
    }
}

void CPemroView::DrawClassicalLemniscate(CDC* pDC, BOOL bInside, double px, double py) {
    const int bx = m_nFigureRight + 2;
    // The column stands beside the figure; the frame widens to hold it.
    calculus::FrameMarginForColumn(*this, pDC, bx, {u8"c增", u8"c减"});
    if (ClassicalButton(pDC, 0, u8"c增", bx)) m_dDirM += kParamStep;
    if (ClassicalButton(pDC, 1, u8"c减", bx)) m_dDirM -= kParamStep;
    const double m = m_dDirM;
    const double coef[6] = {1, 1, 0, 2 * m, -2 * m, 0};
    for (int i = 0; i < 6; ++i) m_adCoefF[i] = coef[i];
    const COLORREF pen = m_crDefaultPen, fill = m_crDefaultFill;
    PlanePoint f1, f2;
    const bool foci = catalog::LemniscateFoci(m_adCoefF[3], &f1, &f2);
    NamePlacer names(*this, pDC);
    // Its long caption stands at the plot's foot, left: from the middle of
    // the top row it would reach the buttons beside the plot.
    // Where the foci lie in that foot (a range widened upward), it stands a
    // line below the caption instead.
    PlanePoint readout{m_dXMin + 0.05 * m_dXSpan, m_dYMin + 0.1 * m_dYSpan};
    if (m_nPlotHeight > 0 && m_dYSpan > 0) {
        const double perY = m_nPlotHeight / m_dYSpan, line = m_nBaseCharHeight + m_nFontStep + 4;
        if ((0.0 - m_dYMin) * perY < 3 * line) readout.y = m_dYMax - 0.05 * m_dYSpan - line / perY;
    }
    const bool product = !m_bToolFirstPoint && bInside && foci;
    if (product) names.Reserve(readout, Texts().distanceProduct);
    if (foci) {
        DrawDotWorld(pDC, f1.x, f1.y, kDotRadius, kDotRadius, fill, fill);
        DrawDotWorld(pDC, f2.x, f2.y, kDotRadius, kDotRadius, fill, fill);
        const PlanePoint n1 = names.Place(f1, "F1"), n2 = names.Place(f2, "F2");
        DrawStringWorld(pDC, n1.x, n1.y, "F1", pen);
        DrawStringWorld(pDC, n2.x, n2.y, "F2", pen);
    }
    const PlanePoint np = names.Place({px, py}, "P");
    DrawStringWorld(pDC, np.x, np.y, "P", pen);
    if (!product) return;
    DrawLineWorld(pDC, px, py, f1.x, f1.y, pen);
    DrawLineWorld(pDC, px, py, f2.x, f2.y, pen);
    const double value = std::hypot(px - f1.x, py - f1.y) * std::hypot(px - f2.x, py - f2.y);
    DrawLabelValue(pDC, readout.x, readout.y, Texts().distanceProduct, 2, value, pen);
}

void CPemroView::DrawClassicalCycloid(CDC* pDC, double px) {
    const COLORREF pen = m_crDefaultPen, fill = m_crDefaultFill;
    const double step = TraceStep(px, kTraceStep * m_dXSpan);
    double t = 0;
    if (step > 0) {
        const long iCount = steps::Count(0, px, step, kMaxTraceSteps + 1, false);
        for (long i = 0; i < iCount; ++i) {
            const double u = double(i) * step;
            const double x = u - std::sin(u), y = 1 - std::cos(u);
            DrawLineWorld(pDC, x, y, x, y, fill);
            t = u;
        }
    }
    const double x = t - std::sin(t), y = 1 - std::cos(t);
    DrawArcWorld(pDC, t, 1.0, 1.0, 1.0, 0.0, 6.3, pen);
    DrawLineWorld(pDC, x, y, t, 1.0, fill);
    DrawLineWorld(pDC, t, 1.0, t, 0.0, fill);
    DrawDotWorld(pDC, x, y, kDotRadius, kDotRadius, pen, pen);
    DrawDotWorld(pDC, t, 1.0, kDotRadius, kDotRadius, pen, pen);
}

void CPemroView::DrawClassicalAstroid(CDC* pDC, double px) {
    const COLORREF pen = m_crDefaultPen, fill = m_crDefaultFill;
    DrawArcWorld(pDC, 0.0, 0.0, 1.0, 1.0, 0.0, 6.3, pen);
    if (!(std::fabs(px) < kAstroidLimit) || px == 0) return;
    const double cy = std::sqrt(kAstroidCentreRadius2 - px * px);
    DrawArcWorld(pDC, px, cy, kAstroidSmallRadius, kAstroidSmallRadius, 0.0, 6.3, pen);
    DrawLineWorld(pDC, px, cy, 0.0, 0.0, pen);
    const double theta = px > 0 ? std::atan(cy / px) : std::atan(cy / px) + kPi;
    const double phi = px > 0 ? -3 * theta : 6.28 - 3 * theta;
    DrawLineWorld(pDC, px, cy, std::cos(theta), std::sin(theta), fill);
    DrawLineWorld(pDC, px, cy, px + kAstroidSmallRadius * std::cos(phi),
                  cy + kAstroidSmallRadius * std::sin(phi), fill);
    DrawArcWorld(pDC, px, cy, kAstroidSmallRadius, kAstroidSmallRadius, phi, theta, fill);
    const long iCount = steps::Count(0, theta, kAstroidStep, kMaxTraceSteps + 1, false);
    for (long i = 0; i < iCount; ++i) {
        const double u = double(i) * kAstroidStep;
        const double c = std::cos(u), s = std::sin(u);
        DrawLineWorld(pDC, c * c * c, s * s * s, c * c * c, s * s * s, fill);
    }
}

void CPemroView::DrawClassicalCardioid(CDC* pDC, BOOL bInside, double px, double py) {
    const int bx = m_nFigureRight - kCardioidInset;
    // The buttons straddle the frame's right edge; the frame widens to hold them.
    calculus::FrameMarginForColumn(*this, pDC, bx, {u8"顶点(2a,0)", u8"顶点(-2a,0)"});
    const auto vertex = [&](const double coef[6], double xmin, double xmax) {
        for (int i = 0; i < 6; ++i) m_adSavedCoefF[i] = coef[i];
        m_adSavedWorldRange[0] = xmin;
        m_adSavedWorldRange[1] = xmax;
        m_bLoadScriptSettings = 0;
    };
    static const double kRight[6] = {1, 1, 1, 1, 1, 1}, kLeft[6] = {1, -1, 1, 1, -1, 1};
    if (ClassicalButton(pDC, 0, u8"顶点(2a,0)", bx)) vertex(kRight, -1.0, 3.0);
    if (ClassicalButton(pDC, 1, u8"顶点(-2a,0)", bx)) vertex(kLeft, -3.0, 1.0);
    const COLORREF pen = m_crDefaultPen, fill = m_crDefaultFill;
    const double b = m_adCoefF[1];
    DrawArcWorld(pDC, b / 2, 0.0, 0.5, 0.5, 0.0, 6.28, pen);
    // The names go with their points; out of the plot they are not written.
    NamePlacer names(*this, pDC);
    if (IsInsideWorldRange(b, 0.0)) {
        const PlanePoint n = names.Place({b, 0.0}, "a");
        DrawStringWorld(pDC, n.x, n.y, "a", pen);
    }
    if (IsInsideWorldRange(2 * b, 0.0)) {
        const PlanePoint n = names.Place({2 * b, 0.0}, "2a");
        DrawStringWorld(pDC, n.x, n.y, "2a", pen);
    }
    if (IsInsideWorldRange(px, py)) {
        const PlanePoint n = names.Place({px, py}, "M");
        DrawStringWorld(pDC, n.x, n.y, "M", pen);
    }
    if (m_bToolFirstPoint || !bInside) return;
    if (px * b <= 0) {
        DrawLineWorld(pDC, px, py, 0.0, 0.0, pen);
        return;
    }
    const double k = 1 - 1 / std::sqrt(px * px + py * py);
    DrawLineWorld(pDC, px, py, 0.0, 0.0, fill);
    DrawLineWorld(pDC, 0.0, 0.0, k * px, k * py, pen);
    const PlanePoint n = names.Place({k * px, k * py}, "P");
    DrawStringWorld(pDC, n.x, n.y, "P", pen);
}
