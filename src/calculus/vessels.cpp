// The physical applications of the integral: the draining vessel
// ("WaterFlow"), the pictures of pumping, lifting, water pressure and
// attraction ("IntegralApp"), and the values they lead to (the pressure and
// work branch of "PRNCalculus").
#include "calculus/button_column.h"
#include "view/view.h"

#include "calculus/math/vessels.h"
#include "platform/real_steps.h"
#include "platform/text_codec.h"
#include "render/pixel_line.h"

#include <algorithm>
#include <cmath>
#include <vector>

using calculus::VesselRadius;

namespace {

constexpr int kFirstArgWaterFlow = 10;
constexpr int kFirstArgIntegralApp = 12;
// Every loop of these pictures steps by a fraction of a span; none runs
// more steps than this, whatever the spans and heights.
constexpr long kMaxLoopSteps = 400000;
constexpr COLORREF kSurfaceBlue = RGB(0, 0, 250);
constexpr COLORREF kWaterColour = RGB(0, 155, 155);
constexpr double kFrontFrom = 3.0, kFrontTo = 6.3; // the front half of a ring
constexpr double kRimTo = 6.28;

// Runs body(y) for y = from + i·step while y < `to`, counted before the
// first; returns the first such y not below `to`, or where the cap or a bad
// step stopped it.
template <class Body> double StepWhileBelow(double from, double to, double step, Body body) {
    const long n = steps::Count(from, to, step, kMaxLoopSteps, false);
    for (long i = 0; i < n; ++i) body(from + double(i) * step);
    return n > 0 ? from + double(n) * step : from;
}

// The level and rate curves of the draining vessel, each segment as
// DrawLineWorld draws it. The curves take tens of thousands of steps, most
// within one pixel: a segment with the same pixels as its curve's last one
// is left out while the other curve has drawn nothing near that one since
// (its pixels still hold it).
class DrainCurves {
public:
    DrainCurves(CPemroView& view, CDC* dc)
        : m_view(view), m_dc(dc), m_skip(DrawingCachesEnabled() && dc->GetROP2() == R2_COPYPEN) {}
    void Line(int k, double x1, double y1, double x2, double y2, COLORREF colour) {
        Segment s;
        if (!Map(x1, y1, x2, y2, &s)) return;
        s.colour = colour;
        if (m_skip && m_intact[k] && s == m_last[k]) return;
        m_view.DrawLinePx(m_dc, s.width, s.a.x, s.a.y, s.b.x, s.b.y, colour);
        m_last[k] = s, m_intact[k] = true;
        if (m_intact[1 - k] && Near(s, m_last[1 - k])) m_intact[1 - k] = false;
    }

private:
    struct Segment {
        CPoint a, b;
        int width = 0;
        COLORREF colour = 0;
        bool operator==(const Segment& o) const {
            return a == o.a && b == o.b && width == o.width && colour == o.colour;
        }
    };
    // DrawLineWorld's mapping: false where it draws nothing.
    bool Map(double x1, double y1, double x2, double y2, Segment* s) const {
        const CPemroView& v = m_view;
        if (v.m_nRegionType == 2) std::swap(x1, y1), std::swap(x2, y2);
        if (!v.IsFigureBandVisible()) return false;
        const auto inRange = [&v](double x, double y) {
            return v.m_dXMin <= x && x <= v.m_dXMax && v.m_dYMin <= y && y <= v.m_dYMax;
        };
        if (!inRange(x1, y1) || !inRange(x2, y2)) return false;
        if (!v.MapWorldWhole(x1, y1, &s->a.x, &s->a.y) ||
            !v.MapWorldWhole(x2, y2, &s->b.x, &s->b.y))
            return false;
        s->width = render::PixelLineWidth(v.m_nPixelSize, s->a.x, s->a.y, s->b.x, s->b.y);
        return true;
    }
    // Whether the pens' pixels of the two may meet.
    static bool Near(const Segment& p, const Segment& q) {
        const int grow = std::max(p.width, q.width) + 1;
        const auto apart = [grow](int p1, int p2, int q1, int q2) {
            return std::min(p1, p2) - grow > std::max(q1, q2) ||
                   std::min(q1, q2) - grow > std::max(p1, p2);
        };
        return !apart(p.a.x, p.b.x, q.a.x, q.b.x) && !apart(p.a.y, p.b.y, q.a.y, q.b.y);
    }
    CPemroView& m_view;
    CDC* m_dc;
    const bool m_skip;
    Segment m_last[2];
    bool m_intact[2] = {false, false};
};

} // namespace

// --- The draining vessel ------------------------------------------------------------

void CPemroView::CmdWaterFlow(CDC* pDC) {
    ReadPlotSetup(kFirstArgWaterFlow);
    if (!m_bFigureVisible) return;
    const double A = ReadScriptNumber(m_nParsePos);
    const double H = ReadScriptNumber(m_nParsePos);
    if (m_dDemoParam == 1.0) {
        m_dXMin = m_dIntervalA;
        m_dXMax = m_dIntervalB;
    }
    DrawWaterFlow(pDC, A, H);
}

double CPemroView::VesselRadiusAt(double y) const {
    return VesselRadius(EvalF(y, m_nFuncF));
}

void CPemroView::DrawVesselRing(CDC* pDC, double cx, double y, COLORREF colour) {
    const double r = VesselRadiusAt(y);
    DrawShadedArcWorld(pDC, cx, y, r, 0.1 * r, kFrontFrom, kFrontTo, colour);
}

// A filled surface ellipse. Its height is a tenth of its width in y units,
// so a narrow y range makes it tall: it stays inside the plot, off the
// range boxes and the axis numbers.
static void DrawSurfaceEllipse(CPemroView& v, CDC* pDC, double cx, double y, double r) {
    const CRect saved = pDC->GetClipRect();
    pDC->SetClipRect(v.FigureFillBox(pDC));
    v.DrawEllipseWorld(pDC, cx, y, r, 0.1 * r, v.m_crCurveSetting, kSurfaceBlue);
    pDC->SetClipRect(saved);
}

void CPemroView::DrawVesselSurface(CDC* pDC, double cx, double y) {
    DrawSurfaceEllipse(*this, pDC, cx, y, VesselRadiusAt(y));
}

// A level line from the left edge to the vessel's wall at height y.
void CPemroView::DrawVesselLevel(CDC* pDC, double cx, double y, COLORREF colour) {
    DrawLineWorld(pDC, m_dXMin, y, cx - VesselRadiusAt(y), y, colour);
}

// The wall as points from `from` up to `to`, then the rim at the top.
void CPemroView::DrawVesselWall(CDC* pDC, double cx, double from, double to, COLORREF rim) {
    const double top = StepWhileBelow(from, to, 0.0001 * m_dYSpan, [&](double y) {
        const double r = VesselRadiusAt(y);
        DrawLineWorld(pDC, cx - r, y, cx - r, y, m_crCurveSetting);
        DrawLineWorld(pDC, cx + r, y, cx + r, y, m_crCurveSetting);
    });
    const double r = VesselRadiusAt(top);
    DrawArcWorld(pDC, cx, top, r, 0.1 * r, 0.0, kRimTo, rim);
}

void CPemroView::DrawWaterFlow(CDC* pDC, double A, double H) {
    if (m_dDemoParam != 0.0 && m_dDemoParam != 1.0) m_dDemoParam = 0.0;
    if (m_dDemoParam == 0.0) {
        DrawFunctionGraph(pDC, 0, 0, 0.0, 0.0, "", "h");
        if (HitTestGraphRegion(1)) DrawVesselPicture(pDC, A, H);
    } else {
        DrawFunctionGraph(pDC, 0, 0, 0.0, 0.001, "t", "h");
        m_nSurfaceUpper = 10;
        m_adCoefSurfF[0] = m_adSavedCoefSurfF[0] = A;
        m_nFuncUpper = m_nFuncF;
        if (HitTestGraphRegion(1)) DrawDrainCurve(pDC, H);
    }
    // Placed from the plot bottom in real pixels: the rows laid out from the
    // plot top stretch with the button height and would leave the figure.
    const int y = m_nPlotBottom - ButtonHeight() - 6;
    if (TextButtonSimple(pDC, m_nPlotLeft + 20, y, Gbk(u8"水流问题"))) m_dDemoParam = 0.0;
    const int x = calculus::ColumnInFigure(*this, m_nPlotRight - 110, {u8"水位时间曲线"});
    if (TextButtonSimple(pDC, x, y, Gbk(u8"水位时间曲线"))) m_dDemoParam = 1.0;
}

void CPemroView::DrawVesselPicture(CDC* pDC, double A, double H) {
    const double XSpan = m_dXSpan, YSpan = m_dYSpan;
    const double r0 = VesselRadius(A), cx = m_dXMin + 0.6 * XSpan;
    const double left = cx - r0 / 2 * XSpan;
    StepWhileBelow(0.0, r0 * XSpan, 0.001 * XSpan, [&](double u) {
        DrawLineWorld(pDC, left + u, m_dYMin, left + u, 0, m_crCurveSetting);
    });
    DrawLineWorld(pDC, left, m_dYMin, left, 0, m_crCurveSetting);
    DrawLineWorld(pDC, cx + r0 / 2 * XSpan, m_dYMin, cx + r0 / 2 * XSpan, 0, m_crCurveSetting);

    const double ring = 0.004 * YSpan, layer = 0.6 * H - YSpan / 20;
    double y = StepWhileBelow(0.0, layer, ring,
                              [&](double v) { DrawVesselRing(pDC, cx, v, m_crCurveSetting); });
    DrawVesselLevel(pDC, cx, y, m_crFirstDerivative);
    // The names stand above the row of the buttons at the plot's foot, "h"
    // a line above "dh", however far a range squeezes the vessel down.
    const int height = std::abs(PlainStringFont(FALSE, m_nLabelZoom).lfHeight);
    const double perPixel = m_nPlotHeight > 0 ? YSpan / m_nPlotHeight : 0;
    const int buttonTop = m_nPlotBottom - ButtonHeight() - 8; // with its frame
    const double lowest = m_dYMin + (m_nPlotBottom - buttonTop + height + 2) * perPixel;
    const double dh = std::max(y, lowest);
    DrawStringWorld(pDC, m_dXMin, dh, "dh", m_crFirstDerivative);
    y = StepWhileBelow(layer, 0.6 * H, ring,
                       [&](double v) { DrawVesselRing(pDC, cx, v, m_crSection); });
    DrawVesselSurface(pDC, cx, y);
    DrawVesselLevel(pDC, cx, y, m_crFirstDerivative);
    DrawStringWorld(pDC, m_dXMin, std::max(y + 0.08 * YSpan, dh + (height + 2) * perPixel), "h",
                    m_crFirstDerivative);
    DrawVesselWall(pDC, cx, 0.0, H, m_crCurveSetting);
}

// The level h(t) and its rate from the level H until the vessel is empty.
void CPemroView::DrawDrainCurve(CDC* pDC, double H) {
    const double dt = 0.00002 * m_dXSpan, YSpan = m_dYSpan;
    if (!(dt > 0) || !std::isfinite(dt)) return;
    double h = H;
    const long n = steps::Count(0, m_dXMax, dt, kMaxLoopSteps, false);
    DrainCurves curves(*this, pDC);
    // The rate at the step's end, kept for the next step when it starts
    // at that level: the vessel's rate depends on the level alone.
    double kept = 0, keptH = 0;
    bool haveKept = false;
    for (long i = 0; i < n; ++i) {
        const double t = double(i) * dt;
        OdeRungeKuttaAdamsStep(0, t, h, 0, dt, t);
        const double h1 = m_adStepResult[0];
        if (std::fabs(h - h1) < YSpan / 40) curves.Line(0, t, h, t + dt, h1, m_crCurveSetting);
        const double f0 =
            haveKept && keptH == h ? kept : EvalODERightSide(0, t, h, m_nSurfaceUpper);
        const double f1 = EvalODERightSide(0, t + dt, h1, m_nSurfaceUpper);
        kept = f1, keptH = h1, haveKept = true;
        if (!(std::fabs(h1) <= 2 * YSpan)) break;
        if (std::fabs(f0 - f1) < YSpan / 40) curves.Line(1, t, f0, t + dt, f1, m_crFirstDerivative);
        if (h1 < 0) {
            DrawLabelValue(pDC, m_dXMin + 0.2 * m_dXSpan, m_dYMax - m_dParamStep * YSpan,
                           Gbk(u8"水流尽时间(h):"), 3, t / 3600, m_crCurveSetting);
            break;
        }
        h = h1;
    }
}

// --- The pictures of the applications ------------------------------------------------

void CPemroView::CmdIntegralApp(CDC* pDC) {
    ReadPlotSetup(kFirstArgIntegralApp);
    if (!m_bFigureVisible) return;
    m_dParamC = ReadScriptNumber(m_nParsePos);
    // The point mass of the attraction, when the script places it.
    if (IsArgListOpen()) m_dX0 = ReadScriptNumber(m_nParsePos);
    if (IsArgListOpen()) m_dY0 = ReadScriptNumber(m_nParsePos);
    m_nRegionType = 0;
    if (m_dParamC > m_dYMax) m_dYMax = m_dParamC;
    DrawIntegralApp(pDC, m_nPlotOption1);
}

// A level's name under its line at the plot's left edge; a level a range
// step moved out of the plot has none, and one at the plot's floor has it
// above the line, so the name never stands on the axis numbers. Names whose
// rows meet (levels a wide range brings within a line) stand side by side.
namespace {

struct LevelName {
    double level;    // where it is written
    int left, right; // pixels right of the plot's left edge
    const char* text;
};

// The level a name at `level` is written at, or NaN when it has none.
double NameLevel(const CPemroView& v, double level) {
    const int span = v.m_nPlotBottom - v.m_nPlotTop;
    if (span <= 0 || !(v.m_dYSpan > 0)) return NAN;
    const double top = v.m_nPlotBottom - (level - v.m_dYMin) / v.m_dYSpan * span;
    if (!(top >= v.m_nPlotTop && top <= v.m_nPlotBottom)) return NAN;
    const int height = v.PlainStringFont(FALSE, v.m_nLabelZoom).lfHeight;
    if (top + height > v.m_nPlotBottom)
        level = v.m_dYMin + double(std::min(height, span)) / span * v.m_dYSpan;
    return level;
}

int NameWidth(const CPemroView& v, CDC* pDC, const char* name) {
    const CFontSelect font(pDC, v.PlainStringFont(FALSE, v.m_nLabelZoom));
    return int(pDC->GetTextExtent(name).cx);
}

// Pixels right of the plot's left edge where a name written at `level`
// starts, past the names already there whose rows it meets.
int NameOffset(const CPemroView& v, const std::vector<LevelName>& names, double level) {
    const int height = v.PlainStringFont(FALSE, v.m_nLabelZoom).lfHeight;
    const double perUnit = (v.m_nPlotBottom - v.m_nPlotTop) / v.m_dYSpan;
    int x = 0;
    for (const LevelName& n : names)
        if (std::fabs(n.level - level) * perUnit < height) x = std::max(x, n.right + height / 3);
    return x;
}

// The names of A, B and C as the figure writes them.
std::vector<LevelName> LevelNames(const CPemroView& v, CDC* pDC) {
    std::vector<LevelName> names;
    const std::pair<double, const char*> levels[] = {
        {v.m_dParamA, "A"}, {v.m_dParamB, "B"}, {v.m_dParamC, "C"}};
    for (const auto& [level, text] : levels) {
        if (text[0] == 'C' && !(v.m_dParamB < v.m_dParamC)) continue;
        const double at = NameLevel(v, level);
        if (!std::isfinite(at)) continue;
        const int x = NameOffset(v, names, at);
        names.push_back({at, x, x + NameWidth(v, pDC, text), text});
    }
    return names;
}

} // namespace

// A picture's own label at a level: at the plot's left edge, after the
// names of A, B and C that stand on its row.
void CPemroView::DrawLabelBesideLevels(CDC* pDC, double level, const char* text, COLORREF colour) {
    const int x = NameOffset(*this, LevelNames(*this, pDC), level);
    const double perPixel = m_nPlotWidth > 0 ? m_dXSpan / m_nPlotWidth : 0;
    DrawStringWorld(pDC, m_dXMin + x * perPixel, level, text, colour);
}

void CPemroView::DrawIntegralApp(CDC* pDC, int option) {
    const double A = m_dParamA, B = m_dParamB, C = m_dParamC;
    // From this figure's own range: the cached span is the last figure's
    // until the graph below lays this one out, and a pass may not lay it out.
    const double cx = m_dXMin + 0.6 * (m_dXMax - m_dXMin);
    if (m_bFullRepaint || HitTestGraphRegion(2) || IsClickOnGraphControls()) {
        DrawFunctionGraph(pDC, 0, 0, 0.0, option == 2 ? 0.0001 : 0.001, "", "");
        switch (option) {
        case 0:
            DrawPumpingPicture(pDC, cx);
            break;
        case 1:
            DrawLiftingPicture(pDC, cx);
            break;
        case 2:
            DrawPlatePicture(pDC);
            break;
        case 3:
            DrawAttractionPicture(pDC);
            break;
        default:
            break;
        }
    }
    if (option >= 3) return;
    DrawVesselLevel(pDC, cx, A, m_crFirstDerivative);
    DrawVesselLevel(pDC, cx, B, m_crFirstDerivative);
    if (option == 0) DrawVesselLevel(pDC, cx, C, m_crCurveSetting);
    const double perPixel = m_nPlotWidth > 0 ? m_dXSpan / m_nPlotWidth : 0;
    for (const LevelName& n : LevelNames(*this, pDC))
        DrawStringWorld(pDC, m_dXMin + n.left * perPixel, n.level, n.text,
                        n.text[0] == 'C' ? m_crCurveSetting : m_crFirstDerivative);
}

// Horizontal water lines from the bottom of the window up to the surface.
void CPemroView::DrawWaterUpTo(CDC* pDC, double surface) {
    StepWhileBelow(m_dYMin, surface, 0.01 * m_dYSpan,
                   [&](double y) { DrawLineWorld(pDC, m_dXMin, y, m_dXMax, y, kWaterColour); });
}

void CPemroView::DrawPumpingPicture(CDC* pDC, double cx) {
    const double A = m_dParamA, B = m_dParamB, C = m_dParamC, YSpan = m_dYSpan;
    DrawStringWorld(pDC, m_dXMin + 0.05 * m_dXSpan, m_dYMax, Gbk(u8"选一点"), m_crCurveSetting);
    if (!HitTestGraphRegion(0)) return;
    double h = m_dCursorY;
    if (h < A) h = A;
    if (h > B - YSpan / 20) h = B - YSpan / 20;
    m_dCursorY = h;
    const double ring = 0.004 * YSpan;
    double y = StepWhileBelow(m_dIntervalA, h, ring,
                              [&](double v) { DrawVesselRing(pDC, cx, v, m_crCurveSetting); });
    DrawVesselLevel(pDC, cx, y, m_crFirstDerivative);
    DrawLabelBesideLevels(pDC, y, "-dh", m_crFirstDerivative);
    y = StepWhileBelow(h, h + YSpan / 20, ring,
                       [&](double v) { DrawVesselRing(pDC, cx, v, m_crSection); });
    DrawVesselSurface(pDC, cx, y);
    DrawVesselLevel(pDC, cx, y, m_crFirstDerivative);
    DrawStringWorld(pDC, m_dXMin + 0.55 * m_dXSpan, y + 0.02 * YSpan, "A(h)", m_crFirstDerivative);
    const double rb = VesselRadiusAt(B);
    DrawArcWorld(pDC, cx, B, rb, 0.1 * rb, 0.0, kRimTo, m_crFirstDerivative);
    DrawVesselWall(pDC, cx, m_dIntervalA, C, m_crCurveSetting);
}

void CPemroView::DrawLiftingPicture(CDC* pDC, double cx) {
    const double C = m_dParamC, a = m_dIntervalA, b = m_dIntervalB, YSpan = m_dYSpan;
    // The prompt comes last: water up to the plot's top would cover it.
    const auto prompt = [&] {
        DrawStringWorld(pDC, m_dXMin + 0.05 * m_dXSpan, m_dYMax, Gbk(u8"选一点"), m_crCurveSetting);
    };
    DrawWaterUpTo(pDC, C);
    double y = StepWhileBelow(a, b, 0.01 * YSpan,
                              [&](double v) { DrawVesselRing(pDC, cx, v, m_crSecondDerivative); });
    DrawVesselSurface(pDC, cx, y);
    if (!HitTestGraphRegion(0)) return prompt();
    double h = m_dCursorY;
    if (h < b) h = b;
    m_dCursorY = h;
    const double s = h - b;
    DrawFunctionGraph(pDC, 1, 0, 0.0, 0.001, "", "");
    DrawWaterUpTo(pDC, C);
    const double ring = 0.004 * YSpan;
    y = StepWhileBelow(a, b, ring, [&](double v) {
        const bool under = v + s < C - 0.05 * YSpan, inLayer = v + s < C;
        DrawVesselRing(pDC, cx, v + s,
                       under     ? m_crCurveSetting
                       : inLayer ? m_crFirstDerivative
                                 : m_crSecondDerivative);
    });
    if (C < h) {
        DrawLineWorld(pDC, m_dXMin, C - 0.05 * YSpan, cx - VesselRadiusAt(C - 0.05 * YSpan - s),
                      C - 0.05 * YSpan, m_crFirstDerivative);
        DrawLabelBesideLevels(pDC, C, "dh", m_crFirstDerivative);
    }
    const double r = VesselRadiusAt(y);
    DrawSurfaceEllipse(*this, pDC, cx, y + s, r);
    DrawLineWorld(pDC, m_dXMin, y + s, cx - r, y + s, m_crFirstDerivative);
    prompt();
}

void CPemroView::DrawPlatePicture(CDC* pDC) {
    const double YSpan = m_dYSpan, dy = 0.001 * YSpan, c = m_dDemoParam;
    if (m_dIntervalB > c) m_dIntervalB = c;
    const double a = m_dIntervalA, b = m_dIntervalB;
    DrawWaterUpTo(pDC, c);
    DrawLineWorld(pDC, m_dXMin, c, m_dXMax, c, m_crAxes);
    double h = m_dCursorY;
    if (h > b) h = m_dCursorY = b - m_dParamStep * YSpan;
    if (!HitTestGraphRegion(1)) return;
    const double mid = 0.5 * m_dXSpan;
    const auto left = [&](double y) { return mid + EvalCatalogueB(y, m_nFuncLower); };
    const auto right = [&](double y) { return mid + EvalF(y, m_nFuncUpper); };
    DrawLineWorld(pDC, m_dXMin, b, left(b), b, m_crAxes);
    DrawFunctionGraph(pDC, 1, 0, 0.0, 0.001, "", "");
    DrawLineWorld(pDC, left(a), a, right(a), a, m_crCurveSetting);
    const double stripTop = h + 0.07 * YSpan;
    double prev = a;
    bool inStrip = false;
    const double top = StepWhileBelow(a, b, dy, [&](double y) {
        const bool strip = y >= h && y < stripTop;
        if (strip != inStrip) {
            DrawLineWorld(pDC, m_dXMin, y, left(y), y, m_crSecondDerivative);
            if (!strip) DrawLabelBesideLevels(pDC, y + 0.05 * YSpan, "dh", m_crSecondDerivative);
            inStrip = strip;
        }
        DrawLineWorld(pDC, left(prev), y, right(prev), y,
                      strip ? m_crSecondDerivative : m_crFirstDerivative);
        DrawLineWorld(pDC, left(prev), prev, left(y), y, m_crCurveSetting);
        DrawLineWorld(pDC, right(prev), prev, right(y), y, m_crCurveSetting);
        prev = y;
    });
    DrawLineWorld(pDC, left(prev), top, right(prev), top, m_crCurveSetting);
}

void CPemroView::DrawAttractionPicture(CDC* pDC) {
    DrawStringWorld(pDC, m_dXMin + 0.05 * m_dXSpan, m_dYMax, Gbk(u8"曲线上选一点"),
                    m_crCurveSetting);
    const bool alongY = m_nPlotOption2 == 1;
    const double a = m_dIntervalA, b = m_dIntervalB;
    const double step = 0.001 * (alongY ? m_dYSpan : m_dXSpan);
    // The rod and, thicker, the element: the curve and two copies beside it.
    const auto rod = [&](double u0, double u1, double shift, COLORREF colour) {
        const double f0 = EvalF(u0, m_nFuncF), f1 = EvalF(u1, m_nFuncF);
        if (alongY) {
            const double dx = shift * m_dXSpan;
            for (int k = -1; k <= 1; ++k)
                DrawLineWorld(pDC, f0 + k * dx, u0, f1 + k * dx, u1, colour);
        } else {
            const double dy = shift * m_dYSpan;
            for (int k = -1; k <= 1; ++k)
                DrawLineWorld(pDC, u0, f0 + k * dy, u1, f1 + k * dy, colour);
        }
    };
    StepWhileBelow(a + step, b, step, [&](double u) { rod(u - step, u, 0.002, m_crCurveSetting); });
    // A point mass off the plot (the reset leaves it far right) is brought
    // in below the middle, where its force shows; the printed components
    // read the same point.
    if (!(m_dXMin <= m_dX0 && m_dX0 <= m_dXMax && m_dYMin <= m_dY0 && m_dY0 <= m_dYMax)) {
        m_dX0 = m_dXMin + 0.5 * m_dXSpan;
        m_dY0 = m_dYMin + 0.25 * m_dYSpan;
    }
    const double x0 = m_dX0, y0 = m_dY0;
    const double u = alongY ? m_dCursorY : m_dCursorX, fu = EvalF(u, m_nFuncF);
    const double px = alongY ? fu : u, py = alongY ? u : fu;
    DrawDotWorld(pDC, x0, y0, 3, 3, m_crAxes, m_crFirstDerivative);
    DrawLineWorld(pDC, x0, y0, px, py, m_crFirstDerivative);
    DrawArrowWorld(pDC, x0, y0, x0 + 0.4 * (px - x0), y0 + 0.4 * (py - y0), 1, "", "", m_crAxes);
    // The name right of the point mass, kept inside the plot when a range
    // brings the point to its edge, off the axis numbers.
    if (m_nPlotWidth > 0)
        DrawStringWorldInPlot(pDC, x0 + 6 * m_dXSpan / m_nPlotWidth, y0, "dF", m_crAxes);
    const double span = alongY ? m_dYSpan : m_dXSpan;
    StepWhileBelow(u - 0.02 * span, u + 0.02 * span, step,
                   [&](double v) { rod(v, v + step, 0.001, m_crFirstDerivative); });
    const int x = m_nPlotRight, h = m_nBaseCharHeight;
    if (TextButtonInPlot(pDC, x - 4 * h, m_nPlotTop, 40, 20, "y=f(x)", m_crCurveSetting)) {
        m_nPendingPlotOption2 = 0;
        m_bLoadScriptSettings = 0;
    }
    if (TextButtonInPlot(pDC, x - 2 * h, m_nPlotTop, 40, 20, "x=f(y)", m_crCurveSetting)) {
        m_nPendingPlotOption2 = 1;
        m_bLoadScriptSettings = 0;
    }
}

// --- Pressure and work -------------------------------------------------------------------

double CPemroView::IntegrateGauss5(double a, double b, int n, int mode, double c) const {
    const auto F = [&](double p) { return EvalF(p, m_nFuncF) * (c - p); };
    const auto plate = [&](double p) {
        return (EvalF(p, m_nFuncUpper) - EvalCatalogueB(p, m_nFuncLower)) * (c - p);
    };
    const auto lower = [&](double p) { return EvalCatalogueB(p, m_nFuncLower) * (c - p); };
    switch (mode) {
    case 1:
    case 2:
        return calculus::Gauss5Composite(F, a, b, n);
    case 3:
        return calculus::Gauss5Composite(plate, a, b, n);
    case 4:
        return calculus::Gauss5Composite(lower, a, b, n);
    default:
        return 0.0;
    }
}

void CPemroView::DrawWaterPressureWork(CDC* pDC, double x, double y, int kind, double a, double b,
                                       double c, int n, COLORREF colour) {
    const double y2 = y - 0.1 * m_dYSpan;
    switch (kind) {
    case 1:
        DrawLabelValue(pDC, x, y, Gbk(u8"吸水做功:"), 4, IntegrateGauss5(a, b, n, 1, c), colour);
        break;
    case 2: {
        if (m_dSpecificGravity < 1.0) m_dSpecificGravity = 1.0;
        const double G = m_dSpecificGravity;
        const double work = (c - a) * G * Integrate(a, b, n, 2, 0) - IntegrateGauss5(a, b, n, 2, c);
        DrawLabelValue(pDC, x, y, Gbk(u8"水中取物做功:"), 4, work, colour);
        DrawLabelValue(pDC, x, y2, Gbk(u8"物体比重:"), 4, G, colour);
        if (TextButtonInPlot(pDC, m_nPlotRight - 50, m_nPlotTop, 60, 20, Gbk(u8"比重增"),
                             m_crCurveSetting))
            m_dSpecificGravity *= 1.25;
        if (TextButtonInPlot(pDC, m_nPlotRight - 50, m_nPlotTop + 24, 60, 20, Gbk(u8"比重减"),
                             m_crCurveSetting))
            m_dSpecificGravity *= 0.8;
        break;
    }
    case 3:
        DrawLabelValue(pDC, x, y, Gbk(u8"水压力:"), 4, IntegrateGauss5(a, b, n, 3, c), colour);
        break;
    case 4: {
        const int method = m_nPlotOption2 == 0 ? 10 : 11;
        DrawLabelValueUnit(pDC, x, y, Gbk(u8"x方向:"), 4, Integrate(a, b, n, method, 0),
                           Gbk(u8"ργm"), colour);
        DrawLabelValueUnit(pDC, x, y2, Gbk(u8"y方向:"), 4, Integrate(a, b, n, method, 1),
                           Gbk(u8"ργm"), colour);
        break;
    }
    default:
        break;
    }
}
