// Filled dots, rolling balls, world ellipses and arcs traced pixel by pixel.
#include "view/view.h"

#include "platform/real_steps.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <type_traits>
#include <utility>
#include <vector>

namespace {

// Traced arcs: step of the angle, and a cap of a little more than one full
// turn (later turns only retrace the same pixels; a wild angle range cannot
// make a pass slow).
constexpr double kArcStep = 0.001;
constexpr int kArcStepCap = 6300;
constexpr double kShadedArcStep = 0.005;
constexpr int kShadedArcStepCap = 1300;
constexpr double kPiArc = 3.14159;

// Dots use the ranges themselves rather than the cached spans.
BOOL MapDotPoint(const CPemroView* v, double x, double y, int* px, int* py) {
    const double dx =
        (x - v->m_dXMin) / (v->m_dXMax - v->m_dXMin) * (v->m_nPlotRight - v->m_nPlotLeft);
    const double dy =
        (y - v->m_dYMin) / (v->m_dYMax - v->m_dYMin) * (v->m_nPlotBottom - v->m_nPlotTop);
    if (!IsDrawable(dx) || !IsDrawable(dy)) return FALSE;
    *px = v->m_nPlotLeft + ToPixel(dx);
    *py = v->m_nPlotBottom - ToPixel(dy);
    return TRUE;
}

bool StrictlyInPlot(const CPemroView* v, double x, double y) {
    return v->m_nPlotLeft < x && x < v->m_nPlotRight && v->m_nPlotTop < y && y < v->m_nPlotBottom;
}

// The angles of a shaded arc and their shading weights depend on its end
// angles only. Solids of revolution draw hundreds of arcs over the same
// angles in one pass, so the few recent tables are kept: the same doubles
// as a fresh walk from t0, without the four trigonometric calls a step.
struct ShadedArcTable {
    struct Step {
        double cosT, sinT, weight;
    };
    double t0 = 0, t1 = 0;
    bool built = false;
    std::vector<Step> steps;
    // The least and greatest cosT and sinT of the steps.
    double cosLo = 0, cosHi = 0, sinLo = 0, sinHi = 0;
    // Each step's colour mixed from a front and a back colour, for the last
    // pair asked: a solid's rings come in a few colours over one back side.
    struct Mix {
        bool known = false;
        COLORREF front = 0, back = 0;
        std::vector<COLORREF> colours;
    };
    mutable Mix mixes[2];
    mutable int nextMix = 0;
    const std::vector<COLORREF>& Colours(COLORREF frontColour, COLORREF backColour) const {
        for (const Mix& m : mixes)
            if (m.known && m.front == frontColour && m.back == backColour) return m.colours;
        Mix& m = mixes[nextMix];
        nextMix = (nextMix + 1) % 2;
        m.known = true, m.front = frontColour, m.back = backColour;
        const double front[3] = {double(GetRValue(frontColour)), double(GetGValue(frontColour)),
                                 double(GetBValue(frontColour))};
        const double back[3] = {double(GetRValue(backColour)), double(GetGValue(backColour)),
                                double(GetBValue(backColour))};
        m.colours.clear();
        for (const Step& st : steps) {
            const double w = st.weight;
            m.colours.push_back(CPemroView::MakeRGB(w * front[0] + (1 - w) * back[0],
                                                    w * front[1] + (1 - w) * back[1],
                                                    w * front[2] + (1 - w) * back[2]));
        }
        return m.colours;
    }
};

const ShadedArcTable& ShadedArcTableFor(double t0, double t1) {
    static ShadedArcTable tables[4];
    static int next = 0;
    for (const ShadedArcTable& t : tables)
        if (t.built && t.t0 == t0 && t.t1 == t1) return t;
    ShadedArcTable& table = tables[next];
    next = (next + 1) % 4;
    table.t0 = t0, table.t1 = t1, table.built = true;
    table.steps.clear();
    for (ShadedArcTable::Mix& m : table.mixes) m.known = false;
    const long kCount = steps::Count(t0, t1, kShadedArcStep, kShadedArcStepCap, false);
    for (long k = 0; k < kCount; ++k) {
        const double t = t0 + double(k) * kShadedArcStep;
        const double u = std::cos(t - 0.5) / 4, v = std::sin(t - 0.5) / 4;
        table.steps.push_back({std::cos(t), std::sin(t), 0.5 - u + v});
    }
    table.cosLo = table.sinLo = 1;
    table.cosHi = table.sinHi = -1;
    for (const ShadedArcTable::Step& st : table.steps) {
        table.cosLo = std::min(table.cosLo, st.cosT), table.cosHi = std::max(table.cosHi, st.cosT);
        table.sinLo = std::min(table.sinLo, st.sinT), table.sinHi = std::max(table.sinHi, st.sinT);
    }
    return table;
}

} // namespace

void CPemroView::DrawDotPx(CDC* pDC, int x, int y, int rx, int ry, COLORREF pen, COLORREF brush) {
    if (!IsFigureBandVisible()) return;
    const std::int64_t l = std::int64_t(x) - rx, r = std::int64_t(x) + rx;
    const std::int64_t t = std::int64_t(y) - ry, b = std::int64_t(y) + ry;
    for (std::int64_t v : {l, r, t, b})
        if (v <= -kPixelLimit || v >= kPixelLimit) return;
    CBrushSelect brushSel(pDC, CBrush(brush));
    CPenSelect penSel(pDC, CPen(PS_SOLID, 0, pen));
    pDC->Ellipse(int(l), int(t), int(r), int(b));
}

// Drawn only when its pixel y lies strictly inside the plot; x is not tested.
void CPemroView::DrawDotWorld(CDC* pDC, double x, double y, int rx, int ry, COLORREF pen,
                              COLORREF brush) {
    int px, py;
    if (!MapDotPoint(this, x, y, &px, &py)) return;
    if (m_nPlotTop < py && py < m_nPlotBottom) DrawDotPx(pDC, px, py, rx, ry, pen, brush);
}

void CPemroView::DrawBallDiameter(CDC* pDC, int px, int py, int rx, int ry, double angle,
                                  COLORREF pen) {
    const double c = std::cos(angle) * (rx - 1), s = std::sin(angle) * (ry - 1);
    DrawLinePx(pDC, m_nPixelSize, px - c, py - s, px + c, py + s, pen);
}

// The dot (with the y test of a world dot) and, drawn or not, a diameter
// that turns clockwise on the screen as the angle grows.
void CPemroView::DrawBallWorld(CDC* pDC, double x, double y, int rx, int ry, double angle,
                               COLORREF pen, COLORREF brush) {
    int px, py;
    if (!MapDotPoint(this, x, y, &px, &py)) return;
    if (m_nPlotTop < py && py < m_nPlotBottom) DrawDotPx(pDC, px, py, rx, ry, pen, brush);
    DrawBallDiameter(pDC, px, py, rx, ry, angle, pen);
}

void CPemroView::DrawEllipseWorld(CDC* pDC, double x, double y, double rx, double ry, COLORREF pen,
                                  COLORREF brush) {
    if (m_nPlotOrientation == 1) {
        std::swap(x, y);
        std::swap(rx, ry);
    }
    const double prx = m_nPlotWidth * rx / m_dXSpan;
    const double pry = m_nPlotHeight * ry / m_dYSpan;
    int px, py;
    if (!IsDrawable(prx) || !IsDrawable(pry) || !MapDotPoint(this, x, y, &px, &py)) return;
    DrawDotPx(pDC, px, py, ToPixel(prx), ToPixel(pry), pen, brush);
}

void CPemroView::DrawArcPx(CDC* pDC, int cx, int cy, int rx, int ry, int fromDegrees, int toDegrees,
                           COLORREF colour) {
    if (!IsFigureBandVisible()) return;
    const double t1 = toDegrees * kPiArc / 180;
    const long kCount = steps::Count(fromDegrees * kPiArc / 180, t1, kArcStep, kArcStepCap, false);
    for (long k = 0; k < kCount; ++k) {
        const double t = fromDegrees * kPiArc / 180 + double(k) * kArcStep;
        const double x = std::trunc(cx + std::cos(t) * rx);
        const double y = std::trunc(cy - std::sin(t) * ry);
        if (StrictlyInPlot(this, x, y)) pDC->SetPixel(int(x), int(y), colour);
    }
}

// From the smaller to the larger angle, radii in unrounded pixels.
void CPemroView::DrawArcWorld(CDC* pDC, double cx, double cy, double rx, double ry, double t0,
                              double t1, COLORREF colour) {
    int pcx, pcy;
    if (!MapWorldOffset(cx, cy, &pcx, &pcy)) return;
    const double Rx = m_nPlotWidth * rx / m_dXSpan;
    const double Ry = m_nPlotHeight * ry / m_dYSpan;
    if (!IsFigureBandVisible()) return;
    if (t0 > t1) std::swap(t0, t1);
    const long kCount = steps::Count(t0, t1, kArcStep, kArcStepCap, false);
    for (long k = 0; k < kCount; ++k) {
        const double t = t0 + double(k) * kArcStep;
        const double X = pcx + std::cos(t) * Rx, Y = pcy - std::sin(t) * Ry;
        if (StrictlyInPlot(this, X, Y)) pDC->SetPixel(int(X), int(Y), colour);
    }
}

// Shaded rings: each pixel mixes the colour with the back-side colour, the
// colour weighing most near t = 2.86. No exchange of t0 and t1 here.
void CPemroView::DrawShadedArcWorld(CDC* pDC, double cx, double cy, double rx, double ry, double t0,
                                    double t1, COLORREF colour) {
    if (m_nPlotOrientation == 1) {
        std::swap(cx, cy);
        std::swap(rx, ry);
        t0 += 1.57;
        t1 += 1.57;
    }
    int pcx, pcy;
    const BOOL mapped = MapWorldOffset(cx, cy, &pcx, &pcy);
    const double Rx = m_nPlotWidth * rx / m_dXSpan;
    const double Ry = m_nPlotHeight * ry / m_dYSpan;
    // What SplitRGB leaves, as before.
    SplitRGB(colour);
    if (!mapped || !IsFigureBandVisible()) return;
    // Every point lies within the radii of the centre; an arc wholly outside
    // the plot (a vessel's rings far above the window) draws nothing.
    const double ax = std::fabs(Rx), ay = std::fabs(Ry);
    if (!(pcx + ax > m_nPlotLeft && pcx - ax < m_nPlotRight && pcy + ay > m_nPlotTop &&
          pcy - ay < m_nPlotBottom))
        return;
    // Nor does one so wide that the whole plot lies inside its ellipse (a
    // shell of a radius thousands of windows wide): it passes nowhere
    // through the plot. The margin covers the rounding of the points.
    const auto inside = [&](double x, double y) {
        const double u = (x - pcx) / ax, v = (y - pcy) / ay;
        return u * u + v * v < 1 - 1e-9;
    };
    if (ax > 0 && ay > 0 && inside(m_nPlotLeft, m_nPlotTop) && inside(m_nPlotRight, m_nPlotTop) &&
        inside(m_nPlotLeft, m_nPlotBottom) && inside(m_nPlotRight, m_nPlotBottom))
        return;
    const ShadedArcTable& table = ShadedArcTableFor(t0, t1);
    // Nor does a part of an ellipse that keeps out of the plot (the rims of
    // a shell far above it, whose whole ellipses reach down into it): the
    // steps' points lie between those of the extreme cosine and sine,
    // computed the same way.
    const double xa = pcx + table.cosLo * Rx, xb = pcx + table.cosHi * Rx;
    const double ya = pcy - table.sinLo * Ry, yb = pcy - table.sinHi * Ry;
    if (!(std::max(xa, xb) > m_nPlotLeft && std::min(xa, xb) < m_nPlotRight &&
          std::max(ya, yb) > m_nPlotTop && std::min(ya, yb) < m_nPlotBottom))
        return;
    // Consecutive steps on one pixel: only the last one's colour stays, so
    // only that one is written.
    int lastX = 0, lastY = 0;
    COLORREF lastColour = 0;
    bool pending = false;
    // A ring is thousands of pixels: the image is fetched once for all, the
    // steps' colours are mixed once for all rings in them.
    const CDC::DirectBoxes direct = pDC->Direct();
    const std::vector<COLORREF>& colours = table.Colours(colour, m_crBackSide);
    const double left = m_nPlotLeft, right = m_nPlotRight, top = m_nPlotTop, bottom = m_nPlotBottom;
    const ShadedArcTable::Step* steps = table.steps.data();
    const auto walk = [&](auto tested) {
        for (size_t k = 0; k < table.steps.size(); ++k) {
            const double X = pcx + steps[k].cosT * Rx, Y = pcy - steps[k].sinT * Ry;
            if (tested && !(left < X && X < right && top < Y && Y < bottom)) continue;
            const int x = int(X), y = int(Y);
            if (pending && (x != lastX || y != lastY)) direct.Pixel(lastX, lastY, lastColour);
            lastX = x, lastY = y, lastColour = colours[k], pending = true;
        }
    };
    // The steps' points lie between the extreme ones (the same sums, which
    // round monotonically): with those strictly inside, every one is.
    if (left < std::min(xa, xb) && std::max(xa, xb) < right && top < std::min(ya, yb) &&
        std::max(ya, yb) < bottom)
        walk(std::false_type());
    else
        walk(std::true_type());
    if (pending) direct.Pixel(lastX, lastY, lastColour);
}
