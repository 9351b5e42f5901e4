// Constructions on the graph of y = F(x): "Differentiation" (increment,
// differential and their difference at a point), "Curvature" (an arc between
// two tangents, or the evolute with the osculating circle) and "Chord".
#include "calculus/button_column.h"
#include "view/view.h"

#include "catalog/catalog_params.h"
#include "platform/real_steps.h"
#include "platform/text_codec.h"
#include "script/math/annotation_geometry.h"
#include "script/script_args.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace {

constexpr int kArgDifferentiation = 16; // Differentiation(
constexpr int kArgCurvature = 10;       // Curvature(
constexpr int kArgChord = 6;            // Chord(

// Difference steps: the differential's slope, the quotient's slope.
constexpr double kSlopeStep = 1e-4;
constexpr double kQuotientStep = 1e-5;

// Curvature: the step along x of the arc walk and of the evolute scan, with
// bounds on their steps (a huge range would otherwise never end).
constexpr double kCurveStep = 1e-4;
constexpr int kArcWalkCap = 400000;
constexpr int kEvoluteScanCap = 400000;
// Osculating circle: the angle step is (|κ| + 0.1)·0.01, up to 2π.
constexpr double kCircleEnd = 6.28;
constexpr double kCircleStepFloor = 0.1;
constexpr double kCircleStepScale = 0.01;
constexpr long kCircleCap = long(kCircleEnd / (kCircleStepFloor * kCircleStepScale)) + 1;

constexpr int kMarkRadius = 2;
constexpr int kChordDotRadius = 3;

struct StepButton {
    const char* label;
    int dy;
    double factor; // on m_dStepH; 0: sets the sign of Δx instead
    int sign;
};
const StepButton kDifferentiationButtons[] = {
    {u8"|△x|增", 2, 1.25, 0},
    {u8"|△x|减", 26, 0.8, 0},
    {u8"△x正", 50, 0, 1},
    {u8"△x负", 74, 0, -1},
};

} // namespace

void CPemroView::CmdDifferentiation(CDC* pDC) {
    if (!IsAnnotationOn()) return;
    double x0 = m_dX0 = ReadScriptNumber(kArgDifferentiation);
    const int s1 = ScriptInt(ReadScriptNumber(m_nParsePos));
    const int s2 = ScriptInt(ReadScriptNumber(m_nParsePos));
    if (x0 < m_dXMin || x0 > m_dXMax) x0 = m_dX0 = m_dCursorX;
    DifferentiationButtons(pDC);

    const double x1 = x0 + m_dStepH * m_dXSpan * m_nDeltaXSign;
    const double y1 = EvalF(x1, m_nFuncF);
    const double y0 = m_dY0 = EvalF(x0, m_nFuncF);
    // The quotient waits to be written over the figure: the names below
    // keep clear of it.
    if (s1 == 1 && s2 == 1) {
        const double f0 = EvalF(x0, m_nFuncF);
        const double d = (EvalF(x0 + kQuotientStep, m_nFuncF) - f0) / kQuotientStep;
        const double r = ((EvalF(x1, m_nFuncF) - f0) - (x1 - x0) * d) / (x1 - x0);
        DrawLabelNumber(pDC, 0, m_dXMin + 0.1 * m_dXSpan, m_dYMax - 0.1 * m_dYSpan,
                        Gbk(u8"(△y-dy)/△x="), 4, r, m_crCurveSetting);
    }
    // The points' names go with them; out of the plot they are not written.
    if (IsInsideWorldRange(x1, y1)) DrawStringWorld(pDC, x1, y1, "N", m_crFirstDerivative);
    // M left of its point, but not out of the plot over the tick numbers.
    const double inside =
        m_nPlotRight > m_nPlotLeft ? 2 * m_dXSpan / (m_nPlotRight - m_nPlotLeft) : 0;
    DrawStringWorld(pDC, std::max(x0 - 0.05 * m_dXSpan, m_dXMin + inside), y0, "M",
                    m_crFirstDerivative);
    // Q under N where the two rows would meet (a small Δy, a tall y range).
    double qy = y0;
    if (pDC && m_dYSpan > 0) {
        const CFontSelect font(pDC, PlainStringFont(FALSE, m_nLabelZoom));
        const double rows = (m_nPlotBottom - m_nPlotTop) / m_dYSpan;
        const double cy = pDC->GetTextExtent("N").cy;
        if (std::abs((y1 - y0) * rows) < cy && IsInsideWorldRange(x1, y1))
            qy = std::min(y0, y1 - cy / rows);
    }
    if (IsInsideWorldRange(x1, y0)) DrawStringWorldInPlot(pDC, x1, qy, "Q", m_crFirstDerivative);
    DrawLineWorld(pDC, x0, y0, x0, 0, m_crCurveSetting);
    DrawLineWorld(pDC, x1, y1, x1, 0, m_crCurveSetting);
    DrawLineWorld(pDC, x1, 0, x0, 0, m_crDefaultFill);
    DrawStringWorld(pDC, m_nDeltaXSign > 0 ? x0 : x1, 0, Gbk(u8"△x"), m_crDefaultFill);
    DrawDifferential(pDC, x0, y0, x1, y1, s1, s2);
}

void CPemroView::DifferentiationButtons(CDC* pDC) {
    const int x = m_nFigureRight - 40;
    // The buttons straddle the frame's right edge; the frame widens to hold them.
    calculus::FrameMarginForColumn(*this, pDC, x, {u8"|△x|增", u8"|△x|减", u8"△x正", u8"△x负"});
    for (const StepButton& b : kDifferentiationButtons) {
        if (!TextButtonInPlot(pDC, x, m_nFigureTop + b.dy, 60, 20, Gbk(b.label), m_crCurveSetting))
            continue;
        if (b.sign != 0)
            m_nDeltaXSign = b.sign;
        else
            ScaleStepH(b.factor);
    }
    if (m_nDeltaXSign != 1 && m_nDeltaXSign != -1) m_nDeltaXSign = 1;
}

// The increment Δy on the y axis (s1 = 1) and the differential dy (s2 = 1).
void CPemroView::DrawDifferential(CDC* pDC, double x0, double y0, double x1, double y1, int s1,
                                  int s2) {
    if (s1 == 1) {
        DrawLineWorld(pDC, x0, y0, 0, y0, m_crDefaultPen);
        DrawLineWorld(pDC, 0, y1, x1, y1, m_crDefaultPen);
        DrawLineWorld(pDC, 0, y0, 0, y1, m_crDefaultPen);
        if (IsInsideWorldRange(0, y1 > y0 ? y1 : y0))
            DrawStringWorld(pDC, 0, y1 > y0 ? y1 : y0, Gbk(u8"△y"), m_crDefaultPen);
    }
    if (s2 == 1) {
        const double m = (EvalF(x0 + kSlopeStep, m_nFuncF) - y0) / kSlopeStep;
        const double yd = y0 + m * (x1 - x0);
        DrawLineWorld(pDC, x0, y0, x1, yd, m_crFirstDerivative);
        DrawLineWorld(pDC, x0, y0, x1, y0, m_crFirstDerivative);
        DrawLineWorld(pDC, x1, y0, x1, yd, m_crFirstDerivative);
        // "dy" stands at the top of its segment; where N or Q stands on the
        // same row there, it steps past that letter, away from M.
        const double top = yd > y0 ? yd : y0;
        CSize letter, dy;
        if (pDC) {
            const CFontSelect font(pDC, PlainStringFont(FALSE, m_nLabelZoom));
            letter = pDC->GetTextExtent("N");
            dy = pDC->GetTextExtent("dy");
        }
        const double rows = (m_nPlotBottom - m_nPlotTop) / m_dYSpan;
        const bool meets =
            std::abs((top - y1) * rows) < letter.cy || std::abs((top - y0) * rows) < letter.cy;
        // Left of M the row holds Δy too: there "dy" stands halfway down
        // its segment, left of it, where the segment is long enough.
        const bool mid = x1 < x0 && std::abs((yd - y0) * rows) >= 2 * letter.cy;
        const int px = x1 < x0 ? -(dy.cx + 3) : letter.cx + 3;
        const double step = meets ? px * m_dXSpan / (m_nPlotRight - m_nPlotLeft) : 0;
        const double y = mid ? (y0 + yd) / 2 + letter.cy / 2 / rows : top;
        const double at = x1 + (std::isfinite(step) ? step : 0);
        if (IsInsideWorldRange(x1, top))
            DrawStringWorld(pDC, at, std::isfinite(y) ? y : top, "dy", m_crFirstDerivative);
    }
}

void CPemroView::CmdCurvature(CDC* pDC) {
    if (!IsAnnotationOn()) return;
    const int mode = ScriptInt(ReadScriptNumber(kArgCurvature));
    m_dX0 = ReadScriptNumber(m_nParsePos);
    ReadScriptColors(TRUE, TRUE);
    if (mode != 0) {
        DrawEvolute(pDC);
        DrawOsculatingCircle(pDC);
        return;
    }
    const int x = m_nFigureRight - 20;
    // The buttons straddle the frame's right edge; the frame widens to hold them.
    calculus::FrameMarginForColumn(*this, pDC, x, {u8"△x增", u8"△x减"});
    if (TextButtonInPlot(pDC, x, m_nFigureTop + 2, 50, 20, Gbk(u8"△x增"), m_crCurveSetting))
        ScaleStepH(1.25);
    if (TextButtonInPlot(pDC, x, m_nFigureTop + 26, 50, 20, Gbk(u8"△x减"), m_crCurveSetting))
        ScaleStepH(0.8);
    if (m_dX0 < m_dXMin || m_dX0 > m_dXMax) m_dX0 = m_dCursorX;
    DrawCurvatureArc(pDC);
}

// Mode 0: the tangent at x0, the arc of length Δs = m_dStepH·x span from it
// (or up to the right edge), and the tangent at the arc's far end.
void CPemroView::DrawCurvatureArc(CDC* pDC) {
    DrawTangentLine2Lower(pDC, 0, 0, 0, m_crPen);
    const double h = kCurveStep, length = m_dStepH * m_dXSpan;
    double x = m_dX0, y = EvalF(x, m_nFuncF), s = 0;
    for (int i = 0; i < kArcWalkCap; ++i) {
        const double y1 = EvalF(x + h, m_nFuncF);
        s += std::sqrt(h * h + (y - y1) * (y - y1));
        DrawLineWorld(pDC, x, y, x + h, y1, m_crFill);
        x += h;
        y = y1;
        if (!(length > s && x < m_dXMax)) break;
    }
    m_dX0 = x;
    DrawTangentLine2Lower(pDC, 0, 0, 0, m_crPen);
}

// The centres of curvature across the x range, as single points.
// What the evolute's scan reads: F's form and parameters when F is one
// catalogue form (a pure function of them), and the window.
struct EvoluteScan {
    int k;
    catalog::ExplicitCoefs cf;
    catalog::Extension ext;
    catalog::Densities dn;
    double xMin, xMax, yMin, yMax;
    bool operator==(const EvoluteScan& o) const {
        const auto& a = cf;
        const auto& b = o.cf;
        return k == o.k && a.a == b.a && a.b == b.b && a.c == b.c && a.d == b.d && a.e == b.e &&
               a.f == b.f && a.g == b.g && a.h == b.h && a.i == b.i && a.alpha == b.alpha &&
               a.beta == b.beta && a.x0 == b.x0 && a.x1 == b.x1 && ext.periodic == o.ext.periodic &&
               ext.period == o.ext.period && ext.symmetry == o.ext.symmetry &&
               dn.lambda == o.dn.lambda && dn.mu == o.dn.mu && dn.sigma == o.dn.sigma &&
               dn.invSqrt2Pi == o.dn.invSqrt2Pi && dn.n == o.dn.n && dn.m == o.dn.m &&
               dn.gammaAlpha == o.dn.gammaAlpha && dn.gammaBeta == o.dn.gammaBeta &&
               xMin == o.xMin && xMax == o.xMax && yMin == o.yMin && yMax == o.yMax;
    }
};

void CPemroView::DrawEvolute(CDC* pDC) {
    // The centres of the last scan, kept for the passes that draw the same
    // function in the same window (every repaint does).
    struct Kept {
        bool held = false;
        EvoluteScan scan;
        std::vector<std::pair<double, double>> centres;
    };
    thread_local Kept kept;
    const bool single = !(m_nCombineMode >= 1 && m_nCombineMode <= 4);
    EvoluteScan scan{
        m_nFuncF,
        catalog::CoefsOf(m_adCoefF, m_adCoefFExtra[0], m_adCoefFExtra[1], m_adCoefFExtra[2],
                         m_dAlphaF, m_dBetaF, m_dBreakF0, m_dBreakF1),
        catalog::ExtensionOf(*this),
        catalog::ReadsDensities(m_nFuncF) ? catalog::DensitiesOf(*this) : catalog::Densities(),
        m_dXMin,
        m_dXMax,
        m_dYMin,
        m_dYMax};
    const bool keep = single && DrawingCachesEnabled();
    if (keep && kept.held && kept.scan == scan) {
        for (const auto& [cx, cy] : kept.centres) DrawLineWorld(pDC, cx, cy, cx, cy, m_crFill);
        return;
    }
    if (keep) kept.held = false, kept.scan = scan, kept.centres.clear();
    const double h = kCurveStep;
    const long n = steps::Count(m_dXMin, m_dXMax, h, kEvoluteScanCap, false);
    // Hundreds of thousands of values: the function's coefficients read once,
    // and a value the last point took at the very same x taken again.
    const catalog::ViewFunctionF f(*this, m_nFuncF);
    double at[3] = {NAN, NAN, NAN}, value[3] = {};
    const auto same = [](double a, double b) {
        return a == b && std::signbit(a) == std::signbit(b);
    };
    for (long i = 0; i < n; ++i) {
        const double x = m_dXMin + double(i) * h;
        const double args[3] = {x - h, x, x + h};
        double values[3];
        for (int k = 0; k < 3; ++k) {
            const int from = same(args[k], at[1]) ? 1 : same(args[k], at[2]) ? 2 : -1;
            values[k] = from >= 0 ? value[from] : f(args[k]);
        }
        std::copy(args, args + 3, at);
        std::copy(values, values + 3, value);
        const double y = values[1], yr = values[2];
        const double p = (yr - y) / h;
        const double q = (yr - 2 * y + values[0]) / (h * h);
        double kappa, cx, cy;
        if (!annotation::CurvatureCentre(x, y, p, q, &kappa, &cx, &cy)) continue;
        if (!(m_dXMin < cx && cx < m_dXMax && m_dYMin < cy && cy < m_dYMax)) continue;
        DrawLineWorld(pDC, cx, cy, cx, cy, m_crFill);
        if (keep) kept.centres.emplace_back(cx, cy);
    }
    kept.held = keep;
}

// Tangent, normal, osculating circle and centre D at the cursor point M.
void CPemroView::DrawOsculatingCircle(CDC* pDC) {
    const double x = m_dCursorX, y = EvalF(x, m_nFuncF);
    const double p = EvalFDeriv(x, m_nFuncF);
    const double q = EvalFDeriv2(x + kCurveStep, m_nFuncF);
    DrawLineAcrossWorld(pDC, x, y, p, m_crFirstDerivative);
    double kappa, cx, cy;
    if (p == 0 || !annotation::CurvatureCentre(x, y, p, q, &kappa, &cx, &cy)) return;
    DrawLineAcrossWorld(pDC, x, y, -1 / p, m_crFirstDerivative);
    const auto inWindow = [this](double u, double v) {
        return m_dXMin < u && u < m_dXMax && m_dYMin < v && v < m_dYMax;
    };
    const double dt = (std::fabs(kappa) + kCircleStepFloor) * kCircleStepScale;
    steps::ForEach(0, kCircleEnd, dt, kCircleCap, false, [&](double t) {
        const double u = cx + std::cos(t) / kappa, v = cy + std::sin(t) / kappa;
        if (inWindow(u, v)) DrawLineWorld(pDC, u, v, u, v, m_crPen);
    });
    if (inWindow(cx, cy)) {
        DrawDotWorld(pDC, cx, cy, kMarkRadius, kMarkRadius, m_crSecondDerivative,
                     m_crSecondDerivative);
        DrawStringWorld(pDC, cx, cy, "D", m_crCurveSetting);
    }
    DrawDotWorld(pDC, x, y, kMarkRadius, kMarkRadius, m_crSecondDerivative, m_crSecondDerivative);
    // The name stays inside the plot, off the axis numbers, when a range
    // brings the point to its edge; out of the plot it is not written. The
    // axis names, placed last, keep clear of it.
    if (!inWindow(x, y) || !pDC || !(m_dXSpan > 0) || !(m_dYSpan > 0) || m_nPlotWidth <= 0) return;
    CSize size;
    {
        const CFontSelect font(pDC, PlainStringFont(FALSE, m_nLabelZoom));
        size = pDC->GetTextExtent("M");
    }
    // Beside the origin's "o" (right of the origin, a line up) the name
    // goes left of the point.
    const int ox = m_nPlotLeft + ToPixel(-m_dXMin / m_dXSpan * m_nPlotWidth);
    const int oy = m_nPlotBottom + ToPixel(m_dYMin / m_dYSpan * m_nPlotHeight);
    int left = m_nPlotLeft + ToPixel((x - m_dXMin) / m_dXSpan * m_nPlotWidth) + 2;
    const int top = std::max(
        m_nPlotTop, std::min(m_nPlotBottom - ToPixel((y - m_dYMin) / m_dYSpan * m_nPlotHeight),
                             m_nPlotBottom - int(size.cy)));
    const CRect origin(ox + 2, oy - 18, ox + 4 + int(size.cx), oy);
    const CRect name(left, top, left + int(size.cx), top + int(size.cy));
    if (!origin.Intersect(name).IsRectEmpty()) left = std::min(left, ox + 2) - int(size.cx) - 4;
    DrawStringWorldInPlot(pDC, m_dXMin + (left - 2 - m_nPlotLeft) * m_dXSpan / m_nPlotWidth, y, "M",
                          m_crCurveSetting);
    const int px = std::max(m_nPlotLeft, std::min(left, m_nPlotRight - int(size.cx)));
    NoteFigureBox(CRect(px, top, px + int(size.cx), top + int(size.cy)));
}

void CPemroView::CmdChord(CDC* pDC) {
    if (!IsAnnotationOn()) return;
    double x0 = m_dX0 = ReadScriptNumber(kArgChord);
    const double t = ReadScriptNumber(m_nParsePos);
    ReadScriptColors(TRUE, TRUE);
    const int x = m_nFigureRight - 40;
    // The buttons straddle the frame's right edge; the frame widens to hold them.
    calculus::FrameMarginForColumn(*this, pDC, x, {u8"弦长增", u8"弦长减"});
    if (TextButtonInPlot(pDC, x, m_nFigureTop + 2, 60, 20, Gbk(u8"弦长增"), m_crCurveSetting))
        ScaleStepH(1.25);
    if (TextButtonInPlot(pDC, x, m_nFigureTop + 26, 60, 20, Gbk(u8"弦长减"), m_crCurveSetting))
        ScaleStepH(0.8);
    if (m_nPlotMode != 0 || !(t > 0)) return;

    if (x0 < m_dXMin || x0 > m_dXMax) x0 = m_dX0 = m_dCursorX;
    const double length = m_dStepH * m_dXSpan;
    const double ax = x0 - t * length, bx = x0 + (1 - t) * length;
    const double ay = EvalF(ax, m_nFuncF), by = EvalF(bx, m_nFuncF);
    DrawLineWorld(pDC, ax, ay, bx, by, m_crPen);
    const int r = kChordDotRadius;
    DrawDotWorld(pDC, ax, ay, r, r, m_crPen, m_crFill);
    DrawDotWorld(pDC, bx, by, r, r, m_crPen, m_crFill);
    // The split point on the chord: x0 lies a fraction t of the way from A.
    DrawDotWorld(pDC, x0, (1 - t) * ay + t * by, r, r, m_crFill, m_crPen);
    DrawDotWorld(pDC, x0, EvalF(x0, m_nFuncF), r, r, m_crPen, m_crFill);
}
