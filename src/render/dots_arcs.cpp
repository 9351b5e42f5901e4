// Filled dots, rolling balls, world ellipses and arcs traced pixel by pixel.
#include "view/view.h"

#include "platform/real_steps.h"
#include "render/shaded_stacks.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
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
// Rows a step of a stack's arcs lies off their centres, at most: a taller
// arc draws one by one.
constexpr int kMaxStackOffsets = 1 << 16;
// The widest and tallest plot whose shaded stacks keep a bit a pixel.
constexpr int kMaxStackPlotSide = 1 << 18;

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

namespace {

// The centre rows of the arcs of one stack that map, one bit a row from the
// lowest row number up. The rows climb the screen as the arcs follow.
struct StackRows {
    int pcx = 0;
    int first = 0, last = -1; // the least and greatest row
    std::vector<std::uint64_t> bits;
};

// The pixels of the plot, one bit a pixel, column by column; what sets a bit
// first of a pixel is kept.
struct PaintedBits {
    int top, words;
    std::vector<std::uint64_t> bits;
    std::vector<render::ShadedStackPlan::Pixel>* shown = nullptr;
    // The bits of `m` at the rows from `row` of column `x` (of the plot).
    void Put(int x, long long row, std::uint64_t m, int step) {
        const long long w = row >= 0 ? row / 64 : -((-row + 63) / 64);
        const int shift = int(row - w * 64);
        Word(x, w, m << shift, step);
        if (shift) Word(x, w + 1, m >> (64 - shift), step);
    }
    void Word(int x, long long w, std::uint64_t m, int step) {
        if (!m || w < 0 || w >= words) return;
        std::uint64_t& word = bits[size_t(x) * size_t(words) + size_t(w)];
        std::uint64_t fresh = m & ~word;
        word |= m;
        while (fresh) {
            const int b = __builtin_ctzll(fresh);
            fresh &= fresh - 1;
            shown->push_back({x, top + int(w) * 64 + b, step});
        }
    }
};

} // namespace

namespace {

// Everything a plan is worked out from: the stacks, the angles and the
// view's plot and world frame.
std::vector<double> PlanKey(const CPemroView& v, const std::vector<render::ShadedStack>& stacks,
                            double t0, double t1) {
    std::vector<double> key = {t0,
                               t1,
                               double(v.m_nPlotOrientation),
                               double(v.IsFigureBandVisible()),
                               double(v.m_nPlotLeft),
                               double(v.m_nPlotRight),
                               double(v.m_nPlotTop),
                               double(v.m_nPlotBottom),
                               double(v.m_nPlotWidth),
                               double(v.m_nPlotHeight),
                               v.m_dXMin,
                               v.m_dYMin,
                               v.m_dXSpan,
                               v.m_dYSpan};
    key.reserve(key.size() + 7 * stacks.size());
    for (const render::ShadedStack& s : stacks)
        key.insert(key.end(), {s.cx, s.y0, s.y1, s.step, s.rx, s.ry, double(s.cap)});
    return key;
}

// Bit for bit, so that a NaN key matches itself and -0 differs from 0.
bool SameKey(const std::vector<double>& a, const std::vector<double>& b) {
    return a.size() == b.size() &&
           (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof(double)) == 0);
}

render::ShadedStackPlan WorkOutPlan(const CPemroView& v,
                                    const std::vector<render::ShadedStack>& stacks, double t0,
                                    double t1);

} // namespace

std::shared_ptr<const render::ShadedStackPlan>
render::PlanShadedStacks(const CPemroView& v, const std::vector<ShadedStack>& stacks, double t0,
                         double t1) {
    // A shell solid's plan takes longer than the rest of its pass: a repaint
    // in the same state uses it again.
    static std::vector<double> lastKey;
    static std::shared_ptr<const ShadedStackPlan> last;
    if (!DrawingCachesEnabled())
        return std::make_shared<const ShadedStackPlan>(WorkOutPlan(v, stacks, t0, t1));
    std::vector<double> key = PlanKey(v, stacks, t0, t1);
    if (!last || !SameKey(key, lastKey)) {
        last = std::make_shared<const ShadedStackPlan>(WorkOutPlan(v, stacks, t0, t1));
        lastKey = std::move(key);
    }
    return last;
}

namespace {

render::ShadedStackPlan WorkOutPlan(const CPemroView& v,
                                    const std::vector<render::ShadedStack>& stacks, double t0,
                                    double t1) {
    using render::ShadedStack;
    using render::ShadedStackPlan;
    ShadedStackPlan plan;
    plan.shown.resize(stacks.size());
    // Rows of a stack follow its arcs only along the y axis of the picture.
    if (v.m_nPlotOrientation != 0 || !v.IsFigureBandVisible()) return plan;
    const int left = v.m_nPlotLeft, right = v.m_nPlotRight, top = v.m_nPlotTop,
              bottom = v.m_nPlotBottom;
    // Pixels of the plot only, rounded down as the arcs round them.
    if (left < 0 || top < 0 || right - left <= 0 || bottom - top <= 0 ||
        right - left > kMaxStackPlotSide || bottom - top > kMaxStackPlotSide)
        return plan;
    std::vector<StackRows> rows(stacks.size());
    std::vector<int> centres;
    for (size_t i = 0; i < stacks.size(); ++i) {
        const ShadedStack& s = stacks[i];
        if (!(s.step > 0)) return plan;
        StackRows& r = rows[i];
        centres.clear();
        for (long j = 0; j < s.cap; ++j) {
            const double y = s.y0 + double(j) * s.step;
            if (!(y < s.y1)) break;
            int pcx, pcy;
            if (!v.MapWorldOffset(s.cx, y, &pcx, &pcy)) continue;
            // Each arc on the row of the last or above it.
            if (!centres.empty() && pcy > centres.back()) return plan;
            if (centres.empty()) r.pcx = pcx;
            centres.push_back(pcy);
        }
        if (centres.empty()) continue;
        r.first = centres.back(), r.last = centres.front();
        // Its bits no more than its arcs' and the plot's.
        if (double(r.last) - r.first > bottom - top + 64.0 * double(centres.size())) return plan;
        r.bits.assign(size_t(r.last - r.first) / 64 + 1, 0);
        for (const int c : centres)
            r.bits[size_t(c - r.first) / 64] |= 1ULL << ((c - r.first) % 64);
    }
    const ShadedArcTable& table = ShadedArcTableFor(t0, t1);
    const size_t count = table.steps.size();
    // Later stacks first. Within a stack the higher arcs paint last, and of
    // one arc the later steps: a step's pixel lies a number of rows off its
    // arc's centre row, the same on every arc.
    PaintedBits painted{top, (bottom - top + 63) / 64, {}};
    painted.bits.assign(size_t(right - left) * size_t(painted.words), 0);
    std::vector<int> offsets(count), order(count);
    std::vector<size_t> starts, rowStarts;
    std::vector<ShadedStackPlan::Pixel> byRow;
    for (size_t i = stacks.size(); i-- > 0;) {
        const ShadedStack& s = stacks[i];
        const StackRows& r = rows[i];
        if (r.bits.empty()) continue;
        const double Rx = v.m_nPlotWidth * s.rx / v.m_dXSpan,
                     Ry = v.m_nPlotHeight * s.ry / v.m_dYSpan;
        if (!(std::fabs(Rx) < kPixelLimit && std::fabs(Ry) < kPixelLimit)) return plan;
        int least = 0, most = 0;
        for (size_t k = 0; k < count; ++k) {
            offsets[k] = int(r.last - table.steps[k].sinT * Ry) - r.last;
            least = std::min(least, offsets[k]), most = std::max(most, offsets[k]);
        }
        // The steps by their offsets, the greatest first (counted into
        // place: the offsets span the arc's height), the later step first
        // of equal ones.
        if (most - least > kMaxStackOffsets) return plan;
        starts.assign(size_t(most - least) + 2, 0);
        for (size_t k = 0; k < count; ++k) ++starts[size_t(most - offsets[k]) + 1];
        for (size_t b = 1; b < starts.size(); ++b) starts[b] += starts[b - 1];
        for (size_t k = count; k-- > 0;) order[starts[size_t(most - offsets[k])]++] = int(k);
        painted.shown = &plan.shown[i];
        for (const int k : order) {
            const double X = r.pcx + table.steps[k].cosT * Rx, sinRy = table.steps[k].sinT * Ry;
            if (!(left < X && X < right)) continue;
            // The centre rows whose step lies inside the plot: near the
            // bounds first, then settled by the arcs' own test.
            const auto near = [](double y, int lo, int hi) {
                return int(std::clamp(std::ceil(y), double(lo), double(hi)));
            };
            int from = near(top + sinRy, r.first, r.last + 1);
            int to = near(bottom + sinRy, r.first - 1, r.last);
            while (from > r.first && top < from - 1 - sinRy) --from;
            while (from <= r.last && !(top < from - sinRy)) ++from;
            while (to < r.last && to + 1 - sinRy < bottom) ++to;
            while (to >= r.first && !(to - sinRy < bottom)) --to;
            if (from > to) continue;
            const int offset = int(from - sinRy) - from;
            if (int(to - sinRy) - to != offset) return plan;
            const int x = int(X) - left;
            const int lo = from - r.first, hi = to - r.first;
            for (int w = lo / 64; w <= hi / 64; ++w) {
                std::uint64_t m = r.bits[size_t(w)];
                if (w == lo / 64) m &= ~0ULL << (lo % 64);
                if (w == hi / 64 && hi % 64 < 63) m &= (1ULL << (hi % 64 + 1)) - 1;
                painted.Put(x, (long long)r.first + offset - top + 64LL * w, m, k);
            }
        }
        // Row by row: found column by column, they were written a row's
        // stride apart. Each pixel is shown once, so the order is free.
        std::vector<ShadedStackPlan::Pixel>& shown = plan.shown[i];
        if (shown.size() > 1) {
            int least = shown.front().y, most = least;
            for (const ShadedStackPlan::Pixel& p : shown)
                least = std::min(least, p.y), most = std::max(most, p.y);
            rowStarts.assign(size_t(most - least) + 2, 0);
            for (const ShadedStackPlan::Pixel& p : shown) ++rowStarts[size_t(p.y - least) + 1];
            for (size_t b = 1; b < rowStarts.size(); ++b) rowStarts[b] += rowStarts[b - 1];
            byRow.resize(shown.size());
            for (const ShadedStackPlan::Pixel& p : shown)
                byRow[rowStarts[size_t(p.y - least)]++] = p;
            shown.swap(byRow);
        }
    }
    plan.quick = true;
    return plan;
}

} // namespace

void render::DrawShadedStack(CPemroView& v, CDC* pDC, const ShadedStackPlan& plan,
                             const std::vector<ShadedStack>& stacks, size_t i, double t0, double t1,
                             COLORREF colour) {
    const ShadedStack& s = stacks[i];
    if (!plan.quick) {
        for (long j = 0; j < s.cap; ++j) {
            const double y = s.y0 + double(j) * s.step;
            if (!(y < s.y1)) break;
            v.DrawShadedArcWorld(pDC, s.cx, y, s.rx, s.ry, t0, t1, colour);
        }
        return;
    }
    // What each arc leaves behind, as DrawShadedArcWorld leaves it.
    if (s.y0 < s.y1 && s.cap > 0) v.SplitRGB(colour);
    if (plan.shown[i].empty()) return;
    const CDC::DirectBoxes direct = pDC->Direct();
    const std::vector<COLORREF>& colours =
        ShadedArcTableFor(t0, t1).Colours(colour, v.m_crBackSide);
    for (const ShadedStackPlan::Pixel& p : plan.shown[i])
        direct.Pixel(v.m_nPlotLeft + p.x, p.y, colours[p.step]);
}
