// Lines, rectangles, polygons, ellipses and arcs of the device context. The
// pixel rules are stated in dc.h.
#include "platform/dc.h"

#include "platform/dc_internal.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <vector>

using namespace dcdetail;

namespace {

// Beyond this a line is cut down in floating point before it is rasterised,
// so that the exact integer stepping below cannot overflow.
constexpr long long kExactLineLimit = 1LL << 28;
// Ellipse boxes are clamped here so that their squared sizes fit in 128 bits.
constexpr long long kEllipseLimit = 1LL << 30;

// Dash patterns of one-pixel pens: lengths of alternate dashes and gaps.
struct DashPattern {
    int nStyle;
    int nCount;
    int anLength[6];
};
constexpr DashPattern kDashes[] = {
    {PS_DASH, 2, {18, 6}},
    {PS_DOT, 2, {3, 3}},
    {PS_DASHDOT, 4, {9, 6, 3, 6}},
    {PS_DASHDOTDOT, 6, {9, 3, 3, 3, 3, 3}},
};

const DashPattern* FindDashes(int style) {
    for (const DashPattern& d : kDashes)
        if (d.nStyle == style) return &d;
    return nullptr;
}

// True when position `pos` of the pattern is in a dash, not a gap.
bool InDash(const DashPattern& d, long long pos) {
    int period = 0;
    for (int i = 0; i < d.nCount; ++i) period += d.anLength[i];
    long long p = pos % period;
    for (int i = 0; i < d.nCount; ++i) {
        if (p < d.anLength[i]) return i % 2 == 0;
        p -= d.anLength[i];
    }
    return true;
}

// Liang-Barsky: cuts the segment to the rectangle; false when nothing is left.
bool ClipSegment(double& x0, double& y0, double& x1, double& y1, double xmin, double ymin,
                 double xmax, double ymax, bool* endCut) {
    const double dx = x1 - x0, dy = y1 - y0;
    double t0 = 0.0, t1 = 1.0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x0 - xmin, xmax - x0, y0 - ymin, ymax - y0};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0) {
            if (t > t1) return false;
            t0 = std::max(t0, t);
        } else {
            if (t < t0) return false;
            t1 = std::min(t1, t);
        }
    }
    if (endCut) *endCut = t1 < 1.0;
    const double ox = x0, oy = y0;
    x0 = ox + t0 * dx, y0 = oy + t0 * dy;
    x1 = ox + t1 * dx, y1 = oy + t1 * dy;
    return true;
}

// Smallest i in [a, b] with pred(i) true, for a predicate that stays true
// once it is; b + 1 when there is none.
template <class Pred> long long FirstTrue(long long a, long long b, Pred pred) {
    long long lo = a, hi = b + 1;
    while (lo < hi) {
        const long long mid = lo + (hi - lo) / 2;
        if (pred(mid))
            hi = mid;
        else
            lo = mid + 1;
    }
    return lo;
}

// The region of an axis-parallel ellipse, in doubled coordinates relative to
// its centre (X = 2x - cx2, Y = 2y - cy2): pixels with X^2/ad^2 + Y^2/bd^2 <= 1
// and |X| < ad, |Y| < bd.
struct EllipseRegion {
    long long cx2 = 0, cy2 = 0;
    long long ad = 0, bd = 0;

    bool Empty() const { return ad <= 0 || bd <= 0; }
    long long TopRow() const { return CeilDiv(cy2 - (bd - 1), 2); }
    long long BottomRow() const { return FloorDiv(cy2 + (bd - 1), 2); }
    bool Span(long long y, long long* x0, long long* x1) const {
        if (Empty()) return false;
        const long long Y = 2 * y - cy2;
        if (Y >= bd || Y <= -bd) return false;
        using i128 = __int128;
        const i128 b2 = i128(bd) * bd;
        const i128 rhs = i128(ad) * ad * (b2 - i128(Y) * Y); // X^2 * bd^2 <= rhs
        long long q = (long long)std::sqrt(double(rhs) / double(b2));
        while (q > 0 && i128(q) * q * b2 > rhs) --q;
        while (i128(q + 1) * (q + 1) * b2 <= rhs) ++q;
        long long xm = std::min(q, ad - 1);
        if (((xm - cx2) & 1) != 0) --xm; // X has the parity of cx2
        if (xm < 0) return false;
        *x0 = (cx2 - xm) / 2;
        *x1 = (cx2 + xm) / 2;
        return true;
    }
};

struct Span {
    long long x0 = 1, x1 = 0;
    bool Empty() const { return x0 > x1; }
};

enum ShapeKind { kShapeEllipse, kShapeArc, kShapePie, kShapeChord };

// One row of an ellipse: its whole span `cur` and the filling `in` between
// the outline's two pieces (empty where the outline covers the row).
struct EllipseRow {
    bool any = false;
    Span cur, in;
};

EllipseRow EllipseRowAt(const EllipseRegion& outer, const EllipseRegion& inner, bool pen, int w,
                        long long y) {
    EllipseRow row;
    if (!outer.Span(y, &row.cur.x0, &row.cur.x1)) return row;
    row.any = true;
    if (!pen) return row;
    if (w == 1) { // the region's border is the outline
        Span up, down;
        const bool hasUp = outer.Span(y - 1, &up.x0, &up.x1);
        const bool hasDown = outer.Span(y + 1, &down.x0, &down.x1);
        if (hasUp && hasDown) {
            row.in.x0 = std::max({row.cur.x0 + 1, up.x0, down.x0});
            row.in.x1 = std::min({row.cur.x1 - 1, up.x1, down.x1});
        }
    } else if (!inner.Span(y, &row.in.x0, &row.in.x1)) {
        row.in = Span();
    }
    return row;
}

// The rows of the last small ellipse drawn, from its box's top left corner:
// the same for every ellipse of that size and pen, as a trail of balls draws
// thousands of them.
struct KeptEllipse {
    long long a = -1, b = -1;
    int w = -1;
    bool pen = false;
    long long top = 0; // the first row below the box's top
    std::vector<EllipseRow> rows;
};
constexpr long long kMaxKeptEllipse = 512;

// Which pixels of the ellipse an arc, pie or chord keeps, in doubled
// coordinates with y pointing up.
struct ArcFilter {
    int kind = kShapeEllipse;
    double sx = 1, sy = 0, ex = 1, ey = 0; // start and end rays
    double px = 0, py = 0, qx = 0, qy = 0; // chord ends
    bool full = true;

    static double Cross(double ax, double ay, double bx, double by) { return ax * by - ay * bx; }
    bool InSector(double x, double y) const {
        if (full) return true;
        const double se = Cross(sx, sy, ex, ey);
        const double sv = Cross(sx, sy, x, y), ve = Cross(x, y, ex, ey);
        if (se > 0) return sv >= 0 && ve >= 0;
        if (se < 0) return sv >= 0 || ve >= 0;
        return sv >= 0; // half turn
    }
    bool InChord(double x, double y) const {
        if (full) return true;
        return Cross(qx - px, qy - py, x - px, y - py) <= 0;
    }
    bool KeepOutline(double x, double y) const { return kind == kShapeEllipse || InSector(x, y); }
    bool KeepFill(double x, double y) const {
        if (kind == kShapePie) return InSector(x, y);
        if (kind == kShapeChord) return InChord(x, y);
        return true;
    }
};

long long ClampEllipse(long long v) {
    return std::max(-kEllipseLimit, std::min(kEllipseLimit, v));
}

} // namespace

// --- Lines ---------------------------------------------------------------------

// The range [*ia, *ib] of steps of a one-pixel line that fall in the clip:
// the major coordinate directly, the minor one by bisection (it is monotonic).
bool CDC::ClipSteps(const LineSteps& line, long long* ia, long long* ib) const {
    const bool xMajor = line.xMajor;
    const long long maj0 = line.maj0, min0 = line.min0;
    const int smaj = line.smaj, smin = line.smin;
    const long long majLo = xMajor ? m_rcClip.left : m_rcClip.top;
    const long long majHi = (xMajor ? m_rcClip.right : m_rcClip.bottom) - 1;
    const long long minLo = xMajor ? m_rcClip.top : m_rcClip.left;
    const long long minHi = (xMajor ? m_rcClip.bottom : m_rcClip.right) - 1;
    long long a = *ia, b = *ib;
    if (smaj > 0) {
        a = std::max(a, majLo - maj0), b = std::min(b, majHi - maj0);
    } else if (smaj < 0) {
        a = std::max(a, maj0 - majHi), b = std::min(b, maj0 - majLo);
    } else if (maj0 < majLo || maj0 > majHi) {
        return false;
    }
    if (a > b) return false;
    auto minorAt = [&](long long i) {
        return min0 + smin * ((2 * i * line.amin + line.bias) / line.den);
    };
    if (smin > 0) {
        const long long first = FirstTrue(a, b, [&](long long i) { return minorAt(i) >= minLo; });
        b = FirstTrue(a, b, [&](long long i) { return minorAt(i) > minHi; }) - 1;
        a = first;
    } else if (smin < 0) {
        const long long first = FirstTrue(a, b, [&](long long i) { return minorAt(i) <= minHi; });
        b = FirstTrue(a, b, [&](long long i) { return minorAt(i) < minLo; }) - 1;
        a = first;
    } else if (min0 < minLo || min0 > minHi) {
        return false;
    }
    *ia = a, *ib = b;
    return a <= b;
}

// Bresenham along the longer axis (LineSteps): a clipped range of steps
// starts anywhere with the same pixels.
void CDC::ThinLineDevice(long long x0, long long y0, long long x1, long long y1, bool includeEnd) {
    if (m_rcClip.IsRectEmpty() || !m_pBits) return;
    if (std::llabs(x0) > kExactLineLimit || std::llabs(y0) > kExactLineLimit ||
        std::llabs(x1) > kExactLineLimit || std::llabs(y1) > kExactLineLimit) {
        double fx0 = double(x0), fy0 = double(y0), fx1 = double(x1), fy1 = double(y1);
        bool endCut = false;
        if (!ClipSegment(fx0, fy0, fx1, fy1, m_rcClip.left - 4.0, m_rcClip.top - 4.0,
                         m_rcClip.right + 4.0, m_rcClip.bottom + 4.0, &endCut))
            return;
        x0 = std::llround(fx0), y0 = std::llround(fy0);
        x1 = std::llround(fx1), y1 = std::llround(fy1);
        includeEnd = includeEnd || endCut;
    }
    const LineSteps line(x0, y0, x1, y1);
    const long long count = line.amaj + (includeEnd ? 1 : 0);
    const long long dashStart = m_nDashPos;
    m_nDashPos += line.amaj;
    if (count <= 0) return;
    long long ia = 0, ib = count - 1;
    const bool inside = x0 >= m_rcClip.left && x0 < m_rcClip.right && x1 >= m_rcClip.left &&
                        x1 < m_rcClip.right && y0 >= m_rcClip.top && y0 < m_rcClip.bottom &&
                        y1 >= m_rcClip.top && y1 < m_rcClip.bottom;
    if (!inside && !ClipSteps(line, &ia, &ib)) return;
    const DashPattern* dashes = FindDashes(m_pen.nStyle);
    const std::uint32_t pen = ToRgb32(m_pen.crColor), gap = ToRgb32(m_crBk);
    if (!dashes && m_nRop2 == R2_COPYPEN) {
        std::uint32_t* bits = m_pBits;
        line.Walk(m_nStride, ia, ib, [bits, pen](std::ptrdiff_t at) { bits[at] = pen; });
        return;
    }
    const bool opaqueGaps = m_nBkMode == OPAQUE;
    const long long num = 2 * ia * line.amin + line.bias;
    long long off = num / line.den, rem = num % line.den;
    for (long long i = ia; i <= ib; ++i) {
        const long long maj = line.maj0 + line.smaj * i, mnr = line.min0 + line.smin * off;
        const int x = int(line.xMajor ? maj : mnr), y = int(line.xMajor ? mnr : maj);
        if (!dashes || InDash(*dashes, dashStart + i))
            PlotDevice(x, y, pen);
        else if (opaqueGaps)
            PlotDevice(x, y, gap);
        rem += 2 * line.amin;
        if (rem >= line.den) rem -= line.den, ++off;
    }
}

// A round-capped stroke: the pixels whose centres lie within w/2 of the
// segment, row by row (the stroke is convex, so each row is one span).
void CDC::WideLineDevice(double x0, double y0, double x1, double y1) {
    if (m_rcClip.IsRectEmpty() || !m_pBits) return;
    const int w = PenWidth();
    const double r = w / 2.0, c = (w % 2 == 0) ? 0.5 : 0.0;
    const double margin = r + 2.0;
    if (!ClipSegment(x0, y0, x1, y1, m_rcClip.left - margin, m_rcClip.top - margin,
                     m_rcClip.right + margin, m_rcClip.bottom + margin, nullptr))
        return;
    const double dx = x1 - x0, dy = y1 - y0, len = std::hypot(dx, dy);
    const double ux = len > 0 ? dx / len : 0, uy = len > 0 ? dy / len : 0;
    const long long top =
        std::max<long long>(m_rcClip.top, ClampToPixel(std::floor(std::min(y0, y1) - r - c)));
    const long long bottom =
        std::min<long long>(m_rcClip.bottom - 1, ClampToPixel(std::ceil(std::max(y0, y1) + r - c)));
    constexpr double kEps = 1e-7;
    // A vertical stroke: in the rows clear of both round ends every span is
    // the band's, found once.
    const bool vertical = dx == 0 && len > 0;
    const double yLo = std::min(y0, y1), yHi = std::max(y0, y1);
    bool middleKnown = false;
    long long middleL = 1, middleR = 0;
    const bool copy = m_nRop2 == R2_COPYPEN;
    const std::uint32_t pen = ToRgb32(m_pen.crColor);
    const long long clipL = m_rcClip.left, clipR = m_rcClip.right - 1;
    for (long long py = top; py <= bottom; ++py) {
        const double yc = double(py) + c;
        const bool middle =
            vertical && yc > yLo && yc < yHi && std::fabs(yc - y0) > r && std::fabs(yc - y1) > r;
        if (middle && middleKnown) {
            if (!copy) {
                PenSpan(py, middleL, middleR);
            } else if (middleL <= middleR) {
                std::uint32_t* row = m_pBits + std::size_t(py) * std::size_t(m_nStride);
                for (long long x = middleL; x <= middleR; ++x) row[x] = pen;
            }
            continue;
        }
        double lo = std::numeric_limits<double>::infinity(), hi = -lo;
        for (int end = 0; end < 2; ++end) { // the round caps
            const double ex = end ? x1 : x0, ey = end ? y1 : y0, d = yc - ey;
            if (std::fabs(d) > r) continue;
            const double h = std::sqrt(r * r - d * d);
            lo = std::min(lo, ex - h), hi = std::max(hi, ex + h);
        }
        if (len > 0) { // the band: |offset across| <= r, 0 <= offset along <= len
            double a = -std::numeric_limits<double>::infinity(), b = -a;
            const double ks[2] = {-uy, ux}, bases[2] = {(yc - y0) * ux, (yc - y0) * uy};
            const double mins[2] = {-r, 0.0}, maxs[2] = {r, len};
            bool empty = false;
            for (int k = 0; k < 2 && !empty; ++k) {
                if (std::fabs(ks[k]) < 1e-12) {
                    empty = bases[k] < mins[k] - kEps || bases[k] > maxs[k] + kEps;
                    continue;
                }
                double l = (mins[k] - bases[k]) / ks[k], h = (maxs[k] - bases[k]) / ks[k];
                if (l > h) std::swap(l, h);
                a = std::max(a, x0 + l), b = std::min(b, x0 + h);
            }
            if (!empty && a <= b) lo = std::min(lo, a), hi = std::max(hi, b);
        }
        const long long L = lo > hi ? 1 : ClampToPixel(std::ceil(lo - c - kEps));
        const long long R = lo > hi ? 0 : ClampToPixel(std::floor(hi - c + kEps));
        if (middle) {
            // Cut to the clip once for the rows that copy it.
            middleKnown = true, middleL = L, middleR = R;
            if (copy) middleL = std::max(L, clipL), middleR = std::min(R, clipR);
        }
        if (L <= R) PenSpan(py, L, R);
    }
}

void CDC::StrokeDevice(long long x0, long long y0, long long x1, long long y1, bool includeEnd) {
    if (!PenVisible()) return;
    if (PenWidth() <= 1)
        ThinLineDevice(x0, y0, x1, y1, includeEnd);
    else
        WideLineDevice(double(x0), double(y0), double(x1), double(y1));
}

void CDC::OutlinePolyDevice(const long long* xs, const long long* ys, int n, bool closed) {
    if (!PenVisible() || n < 1) return;
    const int segments = closed ? n : n - 1;
    for (int i = 0; i < segments; ++i) {
        const int j = (i + 1) % n;
        StrokeDevice(xs[i], ys[i], xs[j], ys[j], false);
    }
}

BOOL CDC::StrokeTo(int x, int y) {
    const long long x0 = (long long)m_ptCur.x + m_ptOrg.x, y0 = (long long)m_ptCur.y + m_ptOrg.y;
    const long long x1 = (long long)x + m_ptOrg.x, y1 = (long long)y + m_ptOrg.y;
    const bool repeatable =
        DrawingCachesEnabled() && PenVisible() && PenWidth() > 1 && m_nRop2 == R2_COPYPEN;
    const bool drawn = Prepare();
    StrokeDevice(x0, y0, x1, y1, false);
    m_last.serial = 0;
    if (repeatable && drawn)
        m_last = LastStroke{g_nDrawSerial, m_ptCur.x, m_ptCur.y, x, y, m_pen.nWidth, m_pen.crColor};
    m_ptCur = CPoint(x, y);
    return TRUE;
}

void CDC::DotStroke(CPoint a, CPoint b, COLORREF colour) {
    const bool drawn = Prepare();
    if (!drawn || !Prepared().DotStroke(a, b, colour)) {
        // Partly outside the clip, or another mix mode: the two lines and
        // boxes the plain way.
        const bool steep = std::abs(b.y - a.y) > std::abs(b.x - a.x);
        const int ox = steep ? 1 : 0, oy = steep ? 0 : 1;
        const long long x0 = (long long)a.x + m_ptOrg.x, y0 = (long long)a.y + m_ptOrg.y;
        const long long x1 = (long long)b.x + m_ptOrg.x, y1 = (long long)b.y + m_ptOrg.y;
        const CPen pen = m_pen;
        m_pen = CPen(PS_SOLID, 1, colour);
        ThinLineDevice(x0, y0, x1, y1, false);
        ThinLineDevice(x0 - ox, y0 - oy, x1 - ox, y1 - oy, false);
        m_pen = pen;
        if (drawn) {
            const std::uint32_t rgb = ToRgb32(colour);
            FillRectDevice(x0 - 1, y0 - 1, x0 + 1, y0 + 1, rgb);
            FillRectDevice(x1 - 1, y1 - 1, x1 + 1, y1 + 1, rgb);
        }
    }
    EndDotStroke(a, b);
}

BOOL CDC::Polyline(const CPoint* pts, int count) {
    if (!pts || count < 2) return FALSE;
    Prepare();
    std::vector<long long> xs(count), ys(count);
    for (int i = 0; i < count; ++i)
        xs[i] = (long long)pts[i].x + m_ptOrg.x, ys[i] = (long long)pts[i].y + m_ptOrg.y;
    OutlinePolyDevice(xs.data(), ys.data(), count, false);
    return TRUE;
}

// --- Rectangles and polygons ------------------------------------------------------

BOOL CDC::Rectangle(int l, int t, int r, int b) {
    if (l > r) std::swap(l, r);
    if (t > b) std::swap(t, b);
    const long long L = (long long)l + m_ptOrg.x, R = (long long)r + m_ptOrg.x;
    const long long T = (long long)t + m_ptOrg.y, B = (long long)b + m_ptOrg.y;
    if (L == R || T == B || !Prepare()) return TRUE;
    const std::uint32_t brush = ToRgb32(m_brush.crColor);
    if (!PenVisible()) {
        if (!m_brush.bNull) FillRectDevice(L, T, R - 1, B - 1, brush);
        return TRUE;
    }
    if (!m_brush.bNull) FillRectDevice(L + 1, T + 1, R - 1, B - 1, brush);
    if (PenWidth() <= 1 && (R - L == 1 || B - T == 1)) { // a single row or column
        for (long long y = std::max<long long>(T, m_rcClip.top);
             y < std::min<long long>(B, m_rcClip.bottom); ++y)
            PenSpan(y, L, R - 1);
        return TRUE;
    }
    const long long xs[4] = {L, R - 1, R - 1, L}, ys[4] = {T, T, B - 1, B - 1};
    m_nDashPos = 0;
    OutlinePolyDevice(xs, ys, 4, true);
    return TRUE;
}

// Alternate-rule scan conversion with pixel centres at (x + 0.5, y + 0.5);
// vertices are integers, so no centre ever lies on a vertex row.
void CDC::FillPolygonDevice(const long long* xs, const long long* ys, int n, std::uint32_t rgb) {
    struct Edge {
        double xTop, yTop, yBottom, slope;
    };
    // Most polygons are a scene's small pieces: their edges and crossings
    // stay on the stack.
    constexpr int kSmall = 16;
    Edge smallEdges[kSmall];
    double smallCross[kSmall];
    std::vector<Edge> bigEdges;
    std::vector<double> bigCross;
    if (n > kSmall) bigEdges.resize(std::size_t(n)), bigCross.resize(std::size_t(n));
    Edge* const edges = n > kSmall ? bigEdges.data() : smallEdges;
    double* const cross = n > kSmall ? bigCross.data() : smallCross;
    int count = 0;
    double yMin = std::numeric_limits<double>::infinity(), yMax = -yMin;
    for (int i = 0; i < n; ++i) {
        const int j = (i + 1) % n;
        if (ys[i] == ys[j]) continue;
        const bool down = ys[i] < ys[j];
        const double xa = double(down ? xs[i] : xs[j]), ya = double(down ? ys[i] : ys[j]);
        const double xb = double(down ? xs[j] : xs[i]), yb = double(down ? ys[j] : ys[i]);
        edges[count++] = {xa, ya, yb, (xb - xa) / (yb - ya)};
        yMin = std::min(yMin, ya), yMax = std::max(yMax, yb);
    }
    if (count == 0) return;
    std::sort(edges, edges + count, [](const Edge& a, const Edge& b) { return a.yTop < b.yTop; });
    const long long top = std::max<long long>(m_rcClip.top, ClampToPixel(std::ceil(yMin - 0.5)));
    const long long bottom = std::min<long long>(m_rcClip.bottom - 1, ClampToPixel(yMax) - 1);
    // The edges that cross a row are those begun above its centre and not
    // yet ended; they begin in order, so a row looks at the begun ones only.
    int begun = 0;
    for (long long y = top; y <= bottom; ++y) {
        const double yc = double(y) + 0.5;
        while (begun < count && edges[begun].yTop <= yc) ++begun;
        int k = 0;
        // Rows where only vertical edges cross and none begins or ends
        // have the same spans: a wall's long sides fill as rectangles.
        bool vertical = true;
        double until = begun < count ? edges[begun].yTop : yMax;
        for (int e = 0; e < begun; ++e)
            if (edges[e].yBottom > yc) {
                // In order as they come (insertion): few crossings a row.
                const double x = edges[e].xTop + (yc - edges[e].yTop) * edges[e].slope;
                int at = k++;
                while (at > 0 && cross[at - 1] > x) cross[at] = cross[at - 1], --at;
                cross[at] = x;
                vertical = vertical && edges[e].slope == 0;
                until = std::min(until, edges[e].yBottom);
            }
        long long last = y;
        if (vertical)
            last = std::max(y, std::min(bottom, ClampToPixel(std::ceil(until - 0.5)) - 1));
        for (int c = 0; c + 1 < k; c += 2)
            FillRectDevice(ClampToPixel(std::ceil(cross[c] - 0.5)), y,
                           ClampToPixel(std::ceil(cross[c + 1] - 0.5)), last + 1, rgb);
        y = last;
    }
}

BOOL CDC::Polygon(const CPoint* pts, int count) {
    return PolygonWith(pts, count, m_brush.bNull ? nullptr : &m_brush.crColor, true);
}

BOOL CDC::FillPolygon(const CPoint* pts, int count, COLORREF colour) {
    return PolygonWith(pts, count, &colour, false);
}

BOOL CDC::PolygonWith(const CPoint* pts, int count, const COLORREF* fill, bool outline) {
    if (!pts || count < 2) return FALSE;
    Prepare();
    constexpr int kSmall = 16;
    long long smallXs[kSmall], smallYs[kSmall];
    std::vector<long long> bigXs, bigYs;
    if (count > kSmall) bigXs.resize(std::size_t(count)), bigYs.resize(std::size_t(count));
    long long* const xs = count > kSmall ? bigXs.data() : smallXs;
    long long* const ys = count > kSmall ? bigYs.data() : smallYs;
    for (int i = 0; i < count; ++i)
        xs[i] = (long long)pts[i].x + m_ptOrg.x, ys[i] = (long long)pts[i].y + m_ptOrg.y;
    if (fill && count >= 3) FillPolygonDevice(xs, ys, count, ToRgb32(*fill));
    m_nDashPos = 0;
    if (outline) OutlinePolyDevice(xs, ys, count, true);
    return TRUE;
}

// --- Ellipses and arcs -----------------------------------------------------------

// One routine for Ellipse, Arc, Pie and Chord: per row, the outline pieces
// and the interior piece of the ellipse, each kept where the arc filter
// says so; then the straight edges of a pie or chord.
void CDC::EllipseShape(int l, int t, int r, int b, int kind, int xs, int ys, int xe, int ye) {
    if (!Prepare()) return;
    if (l > r) std::swap(l, r);
    if (t > b) std::swap(t, b);
    long long L = ClampEllipse((long long)l + m_ptOrg.x),
              R = ClampEllipse((long long)r + m_ptOrg.x);
    long long T = ClampEllipse((long long)t + m_ptOrg.y),
              B = ClampEllipse((long long)b + m_ptOrg.y);
    const bool pen = PenVisible();
    const bool fill = kind != kShapeArc && !m_brush.bNull;
    if (!pen && !fill) return;
    if (!pen) --R, --B;
    if (R - L < 1 || B - T < 1) return;
    const long long cx2 = L + R - 1, cy2 = T + B - 1, A = R - L - 1, Bq = B - T - 1;
    const int w = pen ? PenWidth() : 0;
    EllipseRegion outer{cx2, cy2, A + 1, Bq + 1}, inner = outer;
    if (w > 1) outer.ad = A + w, outer.bd = Bq + w, inner.ad = A - w, inner.bd = Bq - w;

    ArcFilter filter;
    filter.kind = kind;
    if (kind != kShapeEllipse) {
        const long long sx = 2 * ((long long)xs + m_ptOrg.x) - cx2,
                        sy = cy2 - 2 * ((long long)ys + m_ptOrg.y);
        const long long ex = 2 * ((long long)xe + m_ptOrg.x) - cx2,
                        ey = cy2 - 2 * ((long long)ye + m_ptOrg.y);
        filter.sx = double(sx), filter.sy = double(sy), filter.ex = double(ex),
        filter.ey = double(ey);
        if (sx == 0 && sy == 0) filter.sx = 1, filter.sy = 0;
        if (ex == 0 && ey == 0) filter.ex = 1, filter.ey = 0;
        const double se = ArcFilter::Cross(filter.sx, filter.sy, filter.ex, filter.ey);
        const double dot = filter.sx * filter.ex + filter.sy * filter.ey;
        filter.full = se == 0 && dot > 0;
        // Where the rays meet the ellipse through the edge pixels' centres.
        auto onEllipse = [&](double vx, double vy, double* px, double* py) {
            const double a = std::max<double>(A, 1e-9), bb = std::max<double>(Bq, 1e-9);
            const double k = 1.0 / std::sqrt((vx / a) * (vx / a) + (vy / bb) * (vy / bb));
            *px = vx * k, *py = vy * k;
        };
        onEllipse(filter.sx, filter.sy, &filter.px, &filter.py);
        onEllipse(filter.ex, filter.ey, &filter.qx, &filter.qy);
    }

    const long long top = std::max<long long>(m_rcClip.top, outer.TopRow());
    const long long bottom = std::min<long long>(m_rcClip.bottom - 1, outer.BottomRow());
    const std::uint32_t brush = ToRgb32(m_brush.crColor);
    auto drawPiece = [&](long long y, Span s, bool isFill) {
        s.x0 = std::max<long long>(s.x0, m_rcClip.left);
        s.x1 = std::min<long long>(s.x1, m_rcClip.right - 1);
        if (s.Empty()) return;
        if (kind == kShapeEllipse) {
            if (isFill)
                FillSpanDevice(y, s.x0, s.x1, brush);
            else
                PenSpan(y, s.x0, s.x1);
            return;
        }
        const double Y = double(cy2 - 2 * y);
        for (long long x = s.x0; x <= s.x1; ++x) {
            const double X = double(2 * x - cx2);
            if (isFill ? filter.KeepFill(X, Y) : filter.KeepOutline(X, Y)) {
                if (isFill)
                    m_pBits[std::size_t(y) * std::size_t(m_nStride) + std::size_t(x)] = brush;
                else
                    PenSpan(y, x, x);
            }
        }
    };
    const auto drawRow = [&](long long y, const EllipseRow& row) {
        if (!row.any) return;
        if (!pen) {
            if (fill) drawPiece(y, row.cur, true);
            return;
        }
        if (row.in.Empty()) {
            drawPiece(y, row.cur, false);
            return;
        }
        if (fill) drawPiece(y, row.in, true);
        drawPiece(y, Span{row.cur.x0, row.in.x0 - 1}, false);
        drawPiece(y, Span{row.in.x1 + 1, row.cur.x1}, false);
    };
    if (kind == kShapeEllipse && A < kMaxKeptEllipse && Bq < kMaxKeptEllipse) {
        // The same ellipse at the box's corner moved by whole pixels: its
        // doubled centre moves by even steps, so its rows shift with it.
        thread_local KeptEllipse kept;
        if (kept.a != A || kept.b != Bq || kept.w != w || kept.pen != pen) {
            EllipseRegion o{A, Bq, A + 1, Bq + 1}, i = o;
            if (w > 1) o.ad = A + w, o.bd = Bq + w, i.ad = A - w, i.bd = Bq - w;
            kept.a = A, kept.b = Bq, kept.w = w, kept.pen = pen;
            kept.top = o.TopRow();
            kept.rows.clear();
            for (long long y = kept.top; y <= o.BottomRow(); ++y)
                kept.rows.push_back(EllipseRowAt(o, i, pen, w, y));
        }
        for (long long y = top; y <= bottom; ++y) {
            EllipseRow row = kept.rows[std::size_t(y - T - kept.top)];
            row.cur.x0 += L, row.cur.x1 += L, row.in.x0 += L, row.in.x1 += L;
            drawRow(y, row);
        }
        return;
    }
    for (long long y = top; y <= bottom; ++y) drawRow(y, EllipseRowAt(outer, inner, pen, w, y));

    if (!pen || kind == kShapeArc || kind == kShapeEllipse) return;
    auto toDevice = [&](double X, double Y, long long* x, long long* y) {
        *x = std::llround((X + double(cx2)) / 2.0), *y = std::llround((double(cy2) - Y) / 2.0);
    };
    long long px, py, qx, qy;
    toDevice(filter.px, filter.py, &px, &py);
    toDevice(filter.qx, filter.qy, &qx, &qy);
    m_nDashPos = 0;
    if (kind == kShapeChord) {
        StrokeDevice(px, py, qx, qy, false);
    } else {
        long long cx, cy;
        toDevice(0, 0, &cx, &cy);
        StrokeDevice(cx, cy, px, py, false);
        StrokeDevice(cx, cy, qx, qy, false);
    }
}

BOOL CDC::Ellipse(int l, int t, int r, int b) {
    EllipseShape(l, t, r, b, kShapeEllipse, 0, 0, 0, 0);
    return TRUE;
}

BOOL CDC::Arc(int l, int t, int r, int b, int xs, int ys, int xe, int ye) {
    EllipseShape(l, t, r, b, kShapeArc, xs, ys, xe, ye);
    return TRUE;
}

BOOL CDC::Pie(int l, int t, int r, int b, int xs, int ys, int xe, int ye) {
    EllipseShape(l, t, r, b, kShapePie, xs, ys, xe, ye);
    return TRUE;
}

BOOL CDC::Chord(int l, int t, int r, int b, int xs, int ys, int xe, int ye) {
    EllipseShape(l, t, r, b, kShapeChord, xs, ys, xe, ye);
    return TRUE;
}
