// One mesh cell of the two surfaces: the mesh lines along the cell's near
// edges coloured by height, the dense filling, side walls where the region's
// boundary crosses, the shadows on z = 0 and z = z min, the section by
// z = c, the plane inset, the contour z = c, the intersection curve and the
// boundary dots. The neighbouring cells draw the far edges.
#include "view/view.h"

#include "catalog/surface_pass.h"
#include "solid/math/scene_math.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

// Samples of one stroke or fine grid line; the fine grids take a thousandth
// of each span.
constexpr int kMaxStrokeSamples = 20000;
constexpr double kFineFraction = 0.001;
constexpr int kBoundaryParts = 5;
// A jump of this fraction of the z span between samples is a gap.
constexpr double kJumpFraction = 1.0 / 20;
// Pixels this near the origin take no special path in the line drawer.
constexpr int kNearPixels = 1 << 20;

// The strokes of a cell by what they draw; others (walls, dots) keep no
// channel.
enum {
    kNoChannel = -1,
    kLowerLine,
    kXoyShadow,
    kBaseShadow,
    kUpperLine,
    kSectionBase,
    kSectionXoy,
    kSectionC,
    kInset,
    kChannels
};

// Values at one point: the region function and the two surfaces.
struct Sample {
    double r, f, g;
};

// The cell being drawn with everything its stages share.
class MeshCell {
public:
    MeshCell(CPemroView& v, CDC* pDC, double x, const int* front, const int* back)
        : v(v), x(x), front(front), back(back), Dx(v.m_dXSpan), Dz(v.m_dZSpan), c(v.m_dDirP),
          lower(v.m_nSurfaceLower >= 0),
          m_bCopyPen(DrawingCachesEnabled() && pDC->GetROP2() == R2_COPYPEN) {}

    Sample At(double px, double py) const {
        return {v.EvalRegionFunction(px, py, v.m_nFuncF), v.EvalSurfaceF(px, py, v.m_nSurfaceUpper),
                v.EvalSurfaceG(px, py, v.m_nSurfaceLower)};
    }
    bool Ordered(const Sample& s) const { return v.m_bDrawInverted || s.g <= s.f; }
    double Ux() const { return (x - v.m_dXMin) / Dx; }
    double T1(double g0) const { return 0.5 - ((g0 - v.m_dZMin) / Dz - Ux()) / 2; }
    double T2(double f0) const { return (Ux() + (f0 - v.m_dZMin) / Dz) / 2; }
    COLORREF Graded(double t, double toward, const int* base) const {
        return CPemroView::MakeRGB(solid::Blend(t, toward, base[0]),
                                   solid::Blend(t, toward, base[1]),
                                   solid::Blend(t, toward, base[2]));
    }
    COLORREF LowerMesh(double g0) const { return Graded(T1(g0), 200, v.m_anLowerMeshRgb); }
    COLORREF UpperMesh(double f0) const {
        return Graded(T2(f0), v.m_nBrightness3D, v.m_anUpperMeshRgb);
    }
    COLORREF XoyShadow(double f0) const { return Graded((f0 - v.m_dZMin) / Dz, 200, front); }
    COLORREF BaseShadow(double f0) const { return Graded((f0 - v.m_dZMin) / Dz, 200, back); }
    COLORREF Wall(double u) const {
        return CPemroView::MakeRGB(u * front[0] + (1 - u) * back[0],
                                   u * front[1] + (1 - u) * back[1],
                                   u * front[2] + (1 - u) * back[2]);
    }
    bool XoyShadowOn() const { return v.m_dZMax > 0 && v.m_dZMin <= 0 && v.m_bProjectXoy; }
    // DrawLine3D by channels (the lower and upper mesh lines, the shadows,
    // the section). The fine steps put many samples of a channel into one
    // pixel: a stroke equal to the channel's last one is left out while
    // nothing drawn since touched its pixels, since drawing the same pixels
    // in the same colour again changes nothing. Each channel's next segment
    // starts where its last one ended, so that end is not projected again.
    void Line(CDC* pDC, int channel, double x1, double y1, double z1, double x2, double y2,
              double z2, COLORREF colour) {
        if (!v.IsFigureBandVisible()) return;
        Channel* ch = channel >= 0 && channel < kChannels ? &m_aChannel[channel] : nullptr;
        CPoint a, b;
        if (straight && v.m_dZMin <= z1 && z1 <= v.m_dZMax && v.m_dZMin <= z2 && z2 <= v.m_dZMax) {
            // Nothing to turn, arrange or cut: the ends project one by one.
            if (ch && ch->endKnown && x1 == ch->end[0] && y1 == ch->end[1] && z1 == ch->end[2])
                a = ch->endPixel;
            else if (!Project(x1, y1, z1, &a))
                return;
            if (x2 == x1 && y2 == y1 && z2 == z1)
                b = a;
            else if (!Project(x2, y2, z2, &b))
                return;
            if (ch) {
                ch->endKnown = true;
                ch->end[0] = x2, ch->end[1] = y2, ch->end[2] = z2, ch->endPixel = b;
            }
        } else if (!v.ProjectSegment3D(x1, y1, z1, x2, y2, z2, &a, &b)) {
            return;
        }
        const int width = v.m_nPixelSize;
        if (ch && ch->drawn && colour == ch->colour) {
            if (a == ch->a && b == ch->b && width == ch->width) return;
            // A one-pixel line to a neighbouring pixel draws its first pixel
            // only, which the channel's last dot (x-1..x, y-1..y) covers.
            const bool lastDot = ch->a == ch->b && ch->width <= 2;
            const bool step = std::max(std::abs(a.x - b.x), std::abs(a.y - b.y)) == 1;
            if (lastDot && step && width <= 1 && ch->a.x - 1 <= a.x && a.x <= ch->a.x &&
                ch->a.y - 1 <= a.y && a.y <= ch->a.y)
                return;
        }
        const int grow = (width > 2 ? width : 2) + 1;
        const CRect box(std::min(a.x, b.x) - grow, std::min(a.y, b.y) - grow,
                        std::max(a.x, b.x) + grow, std::max(a.y, b.y) + grow);
        // DrawLinePx's width: a one-pixel stroke is drawn here with the pen
        // kept selected while the colour stays, a two-pixel one along an
        // axis (the dots of the fine steps) as the box DrawStrokePx fills;
        // the rest as DrawStrokePx.
        const bool point = a == b, leftward = a.y == b.y && a.x - b.x > 3;
        const bool upward = a.x == b.x && a.y - b.y >= 3;
        const int w = width > 0 ? width : 0;
        if (w <= 1 && !point && !leftward && !upward)
            ThinStroke(pDC, a, b, colour, w);
        else if (w <= 2 && (a.x == b.x || a.y == b.y))
            pDC->FillSolidRect(CRect(std::min(a.x, b.x) - 1, std::min(a.y, b.y) - 1,
                                     std::max(a.x, b.x) + 1, std::max(a.y, b.y) + 1),
                               colour);
        else
            v.DrawStrokePx(pDC, a, b, colour);
        Touched(box);
        if (ch) ch->drawn = true, ch->a = a, ch->b = b, ch->colour = colour, ch->width = width;
        if (ch) ch->box = box;
    }
    // DrawLineWorldMode's stroke in the plane inset, by its own channel:
    // the fine steps along a cell map many samples to the same pixels of
    // the inset, and its strokes lie apart from the solid's.
    void Inset(CDC* pDC, double x1, double y1, double x2, double y2, COLORREF colour) {
        if (!m_bCopyPen) {
            v.DrawLineWorldMode(pDC, x1, y1, x2, y2, colour, 0);
            TouchedAll();
            return;
        }
        if (!v.IsFigureBandVisible()) return;
        const auto inRange = [this](double px, double py) {
            return v.m_dXMin <= px && px <= v.m_dXMax && v.m_dYMin <= py && py <= v.m_dYMax;
        };
        if (!inRange(x1, y1) || !inRange(x2, y2)) return;
        CPoint a, b;
        if (!v.MapWorldWhole(x1, y1, &a.x, &a.y) || !v.MapWorldWhole(x2, y2, &b.x, &b.y)) return;
        const int width = v.m_nPixelSize;
        Channel& ch = m_aChannel[kInset];
        if (ch.drawn && colour == ch.colour && a == ch.a && b == ch.b && width == ch.width) return;
        v.DrawLinePx(pDC, width, a.x, a.y, b.x, b.y, colour);
        const int grow = (width > 2 ? width : 2) + 1;
        const CRect box(std::min(a.x, b.x) - grow, std::min(a.y, b.y) - grow,
                        std::max(a.x, b.x) + grow, std::max(a.y, b.y) + grow);
        Touched(box);
        ch.drawn = true, ch.a = a, ch.b = b, ch.colour = colour, ch.width = width, ch.box = box;
    }
    ~MeshCell() {
        if (m_pPenDC) m_pPenDC->SelectObject(m_oldPen);
    }
    MeshCell(const MeshCell&) = delete;
    MeshCell& operator=(const MeshCell&) = delete;

    // Something drawn over a box: the channels whose last stroke it touches
    // must draw theirs again.
    void Touched(const CRect& box) {
        for (Channel& c : m_aChannel)
            if (c.drawn && c.box.left < box.right && box.left < c.box.right &&
                c.box.top < box.bottom && box.top < c.box.bottom)
                c.drawn = false;
    }
    void TouchedAll() {
        for (Channel& c : m_aChannel) c.drawn = false;
    }
    void Dot(CDC* pDC, double px, double py, double pz, COLORREF colour) {
        Line(pDC, kNoChannel, px, py, pz, px, py, pz, colour);
    }
    // The shadows of one sample's dot (dense filling and boundary dots).
    void ShadowDots(CDC* pDC, double px, double py, double f0) {
        if (XoyShadowOn()) Dot(pDC, px, py, 0, XoyShadow(f0));
        if (v.m_bProjectBase) Dot(pDC, px, py, v.m_dZMin, BaseShadow(f0));
    }

    CPemroView& v;
    const double x;
    const int* front;
    const int* back;
    const double Dx, Dz, c;
    const bool lower;

private:
    // ProjectPoint3D's expression with its terms in x and in y kept from
    // the last point: a stroke along y keeps x and one along x keeps y, so
    // most points need one division instead of four, with the same result.
    bool Project(double px, double py, double pz, CPoint* p) {
        if (!m_bTermX || px != m_dTermX) {
            const double u = px - v.m_dXMin;
            m_dTermXk = u * v.m_dObliqueFactor * v.m_nProjScaleX / v.m_dXSpan;
            m_dTermXz = u * v.m_nProjScaleX / v.m_dXSpan;
            m_dTermX = px, m_bTermX = true;
        }
        if (!m_bTermY || py != m_dTermY) {
            m_dTermYx = (py - v.m_dYMin) * v.m_nProjScaleY / v.m_dYSpan;
            m_dTermY = py, m_bTermY = true;
        }
        const double ox = m_dTermYx - m_dTermXk;
        const double oy = m_dTermXz - (pz - v.m_dZMin) * v.m_nProjScaleZ / v.m_dZSpan;
        if (!IsDrawable(ox) || !IsDrawable(oy)) return false;
        *p = CPoint(v.m_nProjOriginX + ToPixel(ox), v.m_nProjOriginY + ToPixel(oy));
        return true;
    }
    void ThinStroke(CDC* pDC, CPoint a, CPoint b, COLORREF colour, int width) {
        // A one-pixel line to a neighbouring pixel leaves out its end: it
        // sets its first pixel, which is all the fine steps mostly draw.
        if (m_bCopyPen && std::abs(a.x - b.x) <= 1 && std::abs(a.y - b.y) <= 1 &&
            std::abs(a.x) < kNearPixels && std::abs(a.y) < kNearPixels) {
            pDC->SetPixel(a.x, a.y, colour);
            return;
        }
        if (!m_pPenDC) {
            m_pPenDC = pDC;
            m_oldPen = pDC->SelectObject(CPen(PS_SOLID, width, colour));
        } else if (colour != m_crPen || width != m_nPenWidth) {
            pDC->SelectObject(CPen(PS_SOLID, width, colour));
        }
        m_crPen = colour, m_nPenWidth = width;
        pDC->MoveTo(a.x, a.y);
        pDC->LineTo(b.x, b.y);
    }
    // Plain copies only: other raster operations go through the pen.
    const bool m_bCopyPen;
    CDC* m_pPenDC = nullptr;
    CPen m_oldPen;
    COLORREF m_crPen = 0;
    int m_nPenWidth = 0;
    bool m_bTermX = false, m_bTermY = false;
    double m_dTermX = 0, m_dTermXk = 0, m_dTermXz = 0, m_dTermY = 0, m_dTermYx = 0;

    struct Channel {
        bool drawn = false;
        CPoint a, b;
        COLORREF colour = 0;
        int width = 0;
        CRect box;
        bool endKnown = false;
        double end[3] = {};
        CPoint endPixel;
    };
    Channel m_aChannel[kChannels];
    const bool straight =
        v.m_dRotationAngle == 0 && v.m_nAxisArrangement != 2 && v.m_nAxisArrangement != 3;
};

// Runs fn(s) for s from `from` while s < `to` by `step`, with a cap.
template <class Fn> void Steps(double from, double to, double step, Fn fn) {
    if (!(step > 0) || !std::isfinite(step)) return;
    int n = 0;
    for (double s = from; s < to && n < kMaxStrokeSamples; s += step, ++n) fn(s);
}

void DenseFill(MeshCell& m, CDC* pDC, double y, double dx, double dy, double sx, double sy) {
    CPemroView& v = m.v;
    Steps(m.x, m.x + dx, sx, [&](double s) {
        Steps(y, y + dy, sy, [&](double t) {
            const Sample p0 = m.At(s, t);
            if (!(p0.r >= 0 && (v.m_bDrawInverted || p0.f >= p0.g))) return;
            const Sample p1 = m.At(s, t + sy);
            const double px = s + sx / 2, py = t + sy / 2;
            if (v.m_nLowerSurfaceStyle != 0 && m.lower)
                m.Dot(pDC, px, py, (p0.g + p1.g) / 2,
                      m.Graded(m.T1(p0.g), 200, v.m_anLowerSurfaceRgb));
            m.ShadowDots(pDC, px, py, p0.f);
            if (v.m_nUpperSurfaceStyle != 0)
                m.Dot(pDC, px, py, (p0.f + p1.f) / 2,
                      m.Graded(m.T2(p0.f), v.m_nBrightness3D, v.m_anUpperSurfaceRgb));
        });
    });
}

// A stroke along y at x (alongX false) or along x at y. a and b are the
// sample's two ends in the stroke's direction.
void Stroke(MeshCell& m, CDC* pDC, bool alongX, double y, double dx, double dy, BOOL bUpper,
            BOOL bLower, double sx, double sy) {
    CPemroView& v = m.v;
    const double x = m.x, Dz = m.Dz, c = m.c, jump = kJumpFraction * Dz;
    const double step = alongX ? sx : sy;
    const double wallEvery =
        alongX ? dx / 3 : 0.511 * v.m_dYSpan / (v.m_nMeshDivY < 1 ? 1 : v.m_nMeshDivY);
    const int demo = v.m_nSubDemo;
    const bool columnWall =
        alongX ? demo == 20 : demo == 20 || (demo == 21 && v.m_nDemoOption2 == 1);
    const COLORREF insetColour =
        (alongX ? dy <= 0 : dx <= 0) ? v.m_crDefaultFill : v.m_crDefaultPen;
    int stripe = 0;
    COLORREF wallColour = 0;
    if (columnWall) {
        stripe = solid::StripeLevel(alongX ? (y - v.m_dYMin) / v.m_dYSpan : m.Ux());
        wallColour = alongX ? RGB(255 - stripe, 255 - stripe / 2, stripe)
                            : RGB(stripe, stripe / 2, 255 - stripe);
    }
    Sample p0 = m.At(x, y);
    double counter = 0;
    Steps(alongX ? x : y, alongX ? x + dx : y + dy, step, [&](double s) {
        // The sample runs from (ax, ay) to (bx, by).
        const double ax = alongX ? s : x, ay = alongX ? y : s;
        const double bx = alongX ? s + step : x, by = alongX ? y : s + step;
        const Sample p1 = m.At(bx, by);
        counter += step;
        const bool inside = p0.r >= 0 || p1.r >= 0;
        const bool ordered = m.Ordered(p0);
        // Side wall where the boundary is crossed.
        const bool wallGate = alongX ? inside && ordered : dx > 0 && ordered;
        if (v.m_nSideSurfaces > 0 && p0.r * p1.r <= 0 && counter > wallEvery && wallGate &&
            m.lower) {
            const bool leaving = p0.r > 0;
            const double wx = leaving ? bx : ax, wy = leaving ? by : ay;
            const Sample& w = leaving ? p1 : p0;
            m.Line(pDC, kNoChannel, wx, wy, w.g, wx, wy, w.f,
                   m.Wall(((alongX ? s : x) - v.m_dXMin) / m.Dx));
            if (v.m_nSideSurfaces > 1 && v.m_dZMin <= 0 && 0 <= v.m_dZMax)
                m.Line(pDC, kNoChannel, wx, wy, 0, wx, wy, CPemroView::Min2(p0.g, p0.f),
                       v.m_crCurveSetting);
            counter = 0;
        }
        if (inside && ordered) {
            const bool flatG = std::fabs(p0.g - p1.g) < jump, flatF = std::fabs(p0.f - p1.f) < jump;
            if (columnWall && dx > 0 && dy > 0 && flatG && flatF && (alongX || m.lower))
                m.Line(pDC, kNoChannel, ax, ay, p0.f, ax, ay, p0.g, wallColour);
            if (bLower && flatG && p0.g != c && m.lower)
                m.Line(pDC, kLowerLine, ax, ay, p0.g, bx, by, p1.g, m.LowerMesh(p0.g));
            if (demo != 20) {
                if (m.XoyShadowOn())
                    m.Line(pDC, kXoyShadow, ax, ay, 0, bx, by, 0, m.XoyShadow(p0.f));
                if (v.m_bProjectBase && (alongX || v.m_bCutZc == 0))
                    m.Line(pDC, kBaseShadow, ax, ay, v.m_dZMin, bx, by, v.m_dZMin,
                           m.BaseShadow(p0.f));
                if (v.m_nProjectionDisplay == 1 && v.m_dZMin < p0.f && p0.f < v.m_dZMax &&
                    v.m_bCutZc == 0)
                    m.Inset(pDC, ax, ay, bx, by, insetColour);
            }
            if (bUpper && flatF && p0.f != c)
                m.Line(pDC, kUpperLine, ax, ay, p0.f, bx, by, p1.f, m.UpperMesh(p0.f));
            const bool cut =
                alongX ? c - 0.001 * Dz < p0.f && p0.g < c + 0.001 * Dz : p0.g < c && c < p0.f;
            if (v.m_bCutZc == 1 && cut) {
                if (v.m_bProjectBase)
                    m.Line(pDC, kSectionBase, ax, ay, v.m_dZMin, bx, by, v.m_dZMin,
                           v.m_crFirstDerivative);
                if (v.m_bProjectXoy)
                    m.Line(pDC, kSectionXoy, ax, ay, 0, bx, by, 0, v.m_crSecondDerivative);
                if (v.m_nProjectionDisplay == 1) m.Inset(pDC, ax, ay, bx, by, v.m_crSection);
                m.Line(pDC, kSectionC, ax, ay, c, bx, by, c, v.m_crSection);
            }
        }
        p0 = p1;
    });
}

// The fine grid over a cell, a thousandth of the box a step, is visited in
// blocks of kBlock steps a side. A block whose values at its corners keep to
// one side of a level, farther from it than their spread plus a band, holds
// no point of a smooth surface within that band of the level: its samples
// are passed over whole (the others in the plain order). So is a block whose
// corners keep within an inner band nearer the level than their spread,
// where only the points outside that band count (two coinciding surfaces
// meet nowhere that is drawn).
constexpr int kBlock = 5;
constexpr int kMaxBlocks = 64;
constexpr int kMaxLevels = 2;

// Judges the blocks of one cell for up to kMaxLevels values at once; each
// block corner is evaluated once, each block judged once.
template <class Values> class BlockJudge {
public:
    // values(s, t, out) writes the `count` values at (s, t); the cell spans
    // dx by dy from (x, y) in fine steps of hs by ht.
    BlockJudge(double x, double y, double dx, double dy, double hs, double ht, int count,
               const double* level, const double* band, Values values,
               const double* inner = nullptr)
        : m_x(x), m_y(y), m_bs(kBlock * hs), m_bt(kBlock * ht), m_ni(Blocks(dx, hs)),
          m_nj(Blocks(dy, ht)), m_count(count), m_values(values) {
        for (int k = 0; k < count; ++k)
            m_level[k] = level[k], m_band[k] = band[k], m_inner[k] = inner ? inner[k] : 0;
        std::fill_n(m_known, (m_ni + 1) * (m_nj + 1), false);
        std::fill_n(m_judged, m_ni * m_nj, 0);
    }
    bool Far(int bi, int bj) {
        if (bi >= m_ni || bj >= m_nj) return false;
        signed char& b = m_judged[bi * m_nj + bj];
        if (b == 0) b = Judge(bi, bj) ? 1 : 2;
        return b == 1;
    }

private:
    // Blocks along a side, with room for the rounding of the running sum.
    static int Blocks(double d, double h) {
        const double n = h > 0 ? d / h / kBlock + 2 : 0;
        return n < kMaxBlocks ? (n > 0 ? int(n) : 0) : kMaxBlocks;
    }
    const double* Corner(int bi, int bj) {
        const int at = bi * (m_nj + 1) + bj;
        double* c = m_corner[at];
        if (!m_known[at]) m_values(m_x + bi * m_bs, m_y + bj * m_bt, c), m_known[at] = true;
        return c;
    }
    bool Judge(int bi, int bj) {
        const double* d[4] = {Corner(bi, bj), Corner(bi + 1, bj), Corner(bi, bj + 1),
                              Corner(bi + 1, bj + 1)};
        for (int k = 0; k < m_count; ++k) {
            double lo = d[0][k] - m_level[k], hi = lo;
            for (const double* e : d) {
                const double u = e[k] - m_level[k];
                lo = u < lo ? u : lo, hi = u > hi ? u : hi;
            }
            const double spread = hi - lo;
            const bool within = hi + spread < m_inner[k] && lo - spread > -m_inner[k];
            if (!(lo > m_band[k] + spread || hi < -m_band[k] - spread || within)) return false;
        }
        return true;
    }
    const double m_x, m_y, m_bs, m_bt;
    const int m_ni, m_nj, m_count;
    Values m_values;
    double m_level[kMaxLevels] = {}, m_band[kMaxLevels] = {}, m_inner[kMaxLevels] = {};
    double m_corner[(kMaxBlocks + 1) * (kMaxBlocks + 1)][kMaxLevels];
    bool m_known[(kMaxBlocks + 1) * (kMaxBlocks + 1)];
    signed char m_judged[kMaxBlocks * kMaxBlocks];
};

// fn(s, t) over the fine grid of the cell in the plain order, leaving out
// the samples of the blocks far(bi, bj) rejects.
template <class Far, class Fn>
void BlockedFineSteps(MeshCell& m, double y, double dx, double dy, Far far, Fn fn) {
    const double hs = kFineFraction * m.v.m_dXSpan, ht = kFineFraction * m.v.m_dYSpan;
    if (!(hs > 0) || !std::isfinite(hs) || !(ht > 0) || !std::isfinite(ht)) return;
    const double sTo = m.x + dx, tTo = y + dy;
    // The rows' t, stepped as a column steps them: the same in every
    // column, so a far block is passed over without stepping through it.
    std::vector<double> rows;
    for (double t = y; t < tTo && int(rows.size()) < kMaxStrokeSamples; t += ht) rows.push_back(t);
    const int nt = int(rows.size());
    int i = 0;
    for (double s = m.x; s < sTo && i < kMaxStrokeSamples; s += hs, ++i) {
        const int bi = i / kBlock;
        for (int j = 0; j < nt; ++j) {
            if (j % kBlock == 0 && bi < kMaxBlocks && j / kBlock < kMaxBlocks &&
                far(bi, j / kBlock)) {
                j = std::min(j + kBlock - 1, nt - 1);
                continue;
            }
            fn(s, rows[j]);
        }
    }
}

// The contour z = c on the two surfaces (and its shadows).
void Contour(MeshCell& m, CDC* pDC, double y, double dx, double dy) {
    CPemroView& v = m.v;
    const double Dz = m.Dz, c = m.c, band = 0.005 * Dz;
    const double levels[2] = {c, c}, bands[2] = {band, band};
    BlockJudge judge(m.x, y, dx, dy, kFineFraction * v.m_dXSpan, kFineFraction * v.m_dYSpan, 2,
                     levels, bands, [&](double s, double t, double* out) {
                         out[0] = v.EvalSurfaceF(s, t, v.m_nSurfaceUpper);
                         out[1] = v.EvalSurfaceG(s, t, v.m_nSurfaceLower);
                     });
    // The plain path visits every sample: it is what the blocks must match.
    const bool blocks = DrawingCachesEnabled();
    const auto far = [&](int bi, int bj) { return blocks && judge.Far(bi, bj); };
    BlockedFineSteps(m, y, dx, dy, far, [&](double s, double t) {
        const Sample p = m.At(s, t);
        if (!(p.r > 0)) return;
        const auto level = [&](double z, bool onSurface) {
            if (!(std::fabs(z - c) <= band)) return;
            if (v.m_bProjectBase) m.Dot(pDC, s, t, v.m_dZMin, v.m_crFirstDerivative);
            if (v.m_bProjectXoy) m.Dot(pDC, s, t, 0, v.m_crSecondDerivative);
            if (onSurface) m.Dot(pDC, s, t, z, v.m_crDefaultPen);
        };
        level(p.f, true);
        level(p.g, m.lower);
    });
}

// Where the two surfaces meet: points of the fine grid inside the region
// with 1e-7·Dz <= |f − g| <= 0.001·Dz, in blocks as above (f − g against 0,
// with the inner band 1e-7·Dz).
void Intersection(MeshCell& m, CDC* pDC, double y, double dx, double dy) {
    CPemroView& v = m.v;
    const double Dz = m.Dz, band = 0.001 * Dz, inner = 1e-7 * Dz;
    const double zero = 0;
    BlockJudge judge(
        m.x, y, dx, dy, kFineFraction * v.m_dXSpan, kFineFraction * v.m_dYSpan, 1, &zero, &band,
        [&](double s, double t, double* out) {
            out[0] =
                v.EvalSurfaceF(s, t, v.m_nSurfaceUpper) - v.EvalSurfaceG(s, t, v.m_nSurfaceLower);
        },
        &inner);
    const auto far = [&](int bi, int bj) { return judge.Far(bi, bj); };
    BlockedFineSteps(m, y, dx, dy, far, [&](double s, double t) {
        const double f = v.EvalSurfaceF(s, t, v.m_nSurfaceUpper);
        const double g = v.EvalSurfaceG(s, t, v.m_nSurfaceLower);
        const double gap = std::fabs(f - g);
        if (!(inner <= gap && gap <= band)) return;
        if (!(v.EvalRegionFunction(s, t, v.m_nFuncF) > 0)) return;
        m.Line(pDC, kNoChannel, s, t, f, s, t, g, v.m_crCurveSetting);
    });
}

void BoundaryDots(MeshCell& m, CDC* pDC, double y, double dx, double dy, double sx, double sy) {
    CPemroView& v = m.v;
    const double x = m.x;
    const double r00 = v.EvalRegionFunction(x, y, v.m_nFuncF);
    const double r10 = v.EvalRegionFunction(x + dx, y, v.m_nFuncF);
    const double r01 = v.EvalRegionFunction(x, y + dy, v.m_nFuncF);
    const double r11 = v.EvalRegionFunction(x + dx, y + dy, v.m_nFuncF);
    if (!(r00 * r10 < 0 || r10 * r11 < 0 || r11 * r01 < 0 || r01 * r00 < 0)) return;
    Steps(x, x + dx, dx / kBoundaryParts, [&](double s) {
        Sample p0 = m.At(s, y);
        Steps(y, y + dy, dy / kBoundaryParts, [&](double t) {
            const Sample p1 = m.At(s, t + sy);
            if (p0.r * p1.r <= 0 && m.Ordered(p0)) {
                const double px = s + sx / 2, py = t + sy / 2;
                if (m.lower) m.Dot(pDC, px, py, (p0.g + p1.g) / 2, m.LowerMesh(p0.g));
                m.ShadowDots(pDC, px, py, p0.f);
                m.Dot(pDC, px, py, (p0.f + p1.f) / 2, m.UpperMesh(p0.f));
            }
            p0 = p1;
        });
    });
}

} // namespace

void CPemroView::DrawSurfaceMesh(CDC* pDC, double x, double y, double dx, double dy, int frontR,
                                 int frontG, int frontB, int backR, int backG, int backB,
                                 BOOL bUpperLines, BOOL bLowerLines, double sx, double sy) {
    if (!IsSceneUsable()) return;
    const int front[3] = {frontR, frontG, frontB};
    const int back[3] = {backR, backG, backB};
    SurfacePass pass(*this);
    MeshCell m(*this, pDC, x, front, back);
    const bool clicked = HitTestGraphRegion(0);
    if (dx > 0 && dy > 0 && (m_nUpperSurfaceStyle != 0 || m_nLowerSurfaceStyle != 0) && clicked)
        DenseFill(m, pDC, y, dx, dy, sx, sy);
    if (dy > 0) Stroke(m, pDC, false, y, dx, dy, bUpperLines, bLowerLines, sx, sy);
    if (dx > 0) Stroke(m, pDC, true, y, dx, dy, bUpperLines, bLowerLines, sx, sy);
    if (m_bCutZc == 2) Contour(m, pDC, y, dx, dy);
    // Without a lower surface there is nothing to meet.
    if (m_bDrawSurfaceIntersection && m.lower) {
        const int pixelSize = m_nPixelSize;
        m_nPixelSize = 1;
        Intersection(m, pDC, y, dx, dy);
        m_nPixelSize = pixelSize;
    }
    if (dx > 0 && dy > 0 && clicked) BoundaryDots(m, pDC, y, dx, dy, sx, sy);
}
