// One mesh cell of the two surfaces: the mesh lines along the cell's near
// edges coloured by height, the dense filling, side walls where the region's
// boundary crosses, the shadows on z = 0 and z = z min, the section by
// z = c, the plane inset, the contour z = c, the intersection curve and the
// boundary dots. The neighbouring cells draw the far edges.
#include "catalog/surface_pass.h"
#include "view/view.h"

#include "platform/real_steps.h"
#include "solid/math/scene_math.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <new>
#include <vector>

namespace {

// Samples of one stroke.
constexpr int kMaxStrokeSamples = 20000;
constexpr int kBoundaryParts = 5;
// A jump of this fraction of the z span between samples is a gap.
constexpr double kJumpFraction = 1.0 / 20;
// Screen length of a stroke's span and a side of a sub-cell.
constexpr double kSpanPixels = 3;
// The longest span of a cell's mesh edge, and how far its middle may lie
// off its chord on screen.
constexpr double kEdgeSpanPixels = 24;
constexpr double kBendPixels = 0.5;

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
    kChannels
};

// Values at one point: the region function and the two surfaces.
struct Sample {
    double r, f, g;
};

// The cell being drawn with everything its stages share.
class MeshCell {
    // A channel's last end and height, which its next segment mostly
    // starts from; only the flags start set, the rest is read once they
    // say so.
    struct Channel {
        bool endKnown = false, zKnown = false, startKnown = false;
        double end[3];
        int endX, endY;
        double z, termZ;
        // The channel's first point in the cell: both strokes start there.
        double start[3];
        int startX, startY;
    };

public:
    MeshCell(CPemroView& v, double x, const int* front, const int* back)
        : v(v), x(x), front(front), back(back), Dx(v.m_dXSpan), Dz(v.m_dZSpan), c(v.m_dDirP),
          ux((x - v.m_dXMin) / Dx), lower(v.m_nSurfaceLower >= 0), visible(v.IsFigureBandVisible()),
          upper(v, 0, v.m_nSurfaceUpper), lowerSurface(v, 1, v.m_nSurfaceLower),
          detached(upper.Detached() && lowerSurface.Detached()),
          xoyShadowOn(v.m_dZMax > 0 && v.m_dZMin <= 0 && v.m_bProjectXoy) {
        // The mesh colours' channels as numbers once for the cell rather
        // than for every span.
        for (int k = 0; k < 3; ++k) {
            m_tints[kLowerTint][k] = v.m_anLowerMeshRgb[k];
            m_tints[kUpperTint][k] = v.m_anUpperMeshRgb[k];
            m_tints[kFrontTint][k] = front[k];
            m_tints[kBackTint][k] = back[k];
        }
        m_dBrightness = v.m_nBrightness3D;
    }

    Sample At(double px, double py) const {
        // The view's own evaluations in their order: a form that solves
        // for a parameter starts from the last one's solution.
        if (!detached)
            return {v.EvalRegionFunction(px, py, v.m_nFuncF),
                    v.EvalSurfaceF(px, py, v.m_nSurfaceUpper),
                    v.EvalSurfaceG(px, py, v.m_nSurfaceLower)};
        const double f = upper(px, py), g = lowerSurface(px, py);
        return {Region(px, py, f, g), f, g};
    }
    // The region function at a point whose surface values are known: the
    // cut of the two surfaces is made of them.
    double Region(double px, double py, double f, double g) const {
        if (v.m_nFuncF != 0) return v.EvalRegionFunction(px, py, v.m_nFuncF);
        const double u = f - v.m_dDirP, w = g - v.m_dDirP;
        return std::fabs(w) <= std::fabs(u) ? w * w : u * u;
    }
    bool Ordered(const Sample& s) const { return v.m_bDrawInverted || s.g <= s.f; }
    double Ux() const { return ux; }
    double T1(double g0) const { return 0.5 - ((g0 - v.m_dZMin) / Dz - Ux()) / 2; }
    double T2(double f0) const { return (Ux() + (f0 - v.m_dZMin) / Dz) / 2; }
    COLORREF Graded(double t, double toward, const int* base) const {
        return solid::PackRGB(solid::Blend(t, toward, base[0]), solid::Blend(t, toward, base[1]),
                              solid::Blend(t, toward, base[2]));
    }
    COLORREF Tinted(double t, double toward, const double* base) const {
        return solid::PackRGB(solid::Blend(t, toward, base[0]), solid::Blend(t, toward, base[1]),
                              solid::Blend(t, toward, base[2]));
    }
    COLORREF LowerMesh(double g0) const { return Tinted(T1(g0), 200, m_tints[kLowerTint]); }
    COLORREF UpperMesh(double f0) const { return UpperMeshAt(Height(f0)); }
    COLORREF XoyShadow(double f0) const { return XoyShadowAt(Height(f0)); }
    COLORREF BaseShadow(double f0) const { return BaseShadowAt(Height(f0)); }
    // The same colours from the upper surface's place h = Height(f0) in the
    // z range, which a span finds once for all three.
    double Height(double f0) const { return (f0 - v.m_dZMin) / Dz; }
    COLORREF UpperMeshAt(double h) const {
        return Tinted((Ux() + h) / 2, m_dBrightness, m_tints[kUpperTint]);
    }
    COLORREF XoyShadowAt(double h) const { return Tinted(h, 200, m_tints[kFrontTint]); }
    COLORREF BaseShadowAt(double h) const { return Tinted(h, 200, m_tints[kBackTint]); }
    COLORREF Wall(double u) const {
        return solid::PackRGB(u * front[0] + (1 - u) * back[0], u * front[1] + (1 - u) * back[1],
                              u * front[2] + (1 - u) * back[2]);
    }
    bool XoyShadowOn() const { return xoyShadowOn; }
    // Whether Line leaves the segment from z1 to z2 out whole (a figure not
    // shown, or both ends beyond one side of the z range): its colour need
    // not be worked out.
    bool LeftOut(double z1, double z2) const {
        return !visible || (straight && ((z1 > zMax && z2 > zMax) || (z1 < zMin && z2 < zMin)));
    }
    // DrawLine3D by channels (the lower and upper mesh lines, the shadows,
    // the section). Each channel's next segment starts where its last one
    // ended, so that end is not projected again.
    void Line(CDC* pDC, int channel, double x1, double y1, double z1, double x2, double y2,
              double z2, COLORREF colour) {
        if (!visible) return;
        Channel* ch = channel >= 0 && channel < kChannels ? &m_aChannel[channel] : nullptr;
        // The pixels stay in registers: a point stored in halves and read
        // back whole stalls the store buffer.
        int ax, ay, bx, by;
        if (straight && zMin <= z1 && z1 <= zMax && zMin <= z2 && z2 <= zMax) {
            // Nothing to turn, arrange or cut: the ends project one by one.
            if (ch && ch->endKnown && x1 == ch->end[0] && y1 == ch->end[1] && z1 == ch->end[2]) {
                ax = ch->endX, ay = ch->endY;
            } else if (ch && ch->startKnown && x1 == ch->start[0] && y1 == ch->start[1] &&
                       z1 == ch->start[2]) {
                ax = ch->startX, ay = ch->startY;
            } else {
                if (!Project(x1, y1, z1, ch, &ax, &ay)) return;
                if (ch && !ch->startKnown) {
                    ch->startKnown = true;
                    ch->start[0] = x1, ch->start[1] = y1, ch->start[2] = z1;
                    ch->startX = ax, ch->startY = ay;
                }
            }
            if (x2 == x1 && y2 == y1 && z2 == z1)
                bx = ax, by = ay;
            else if (!Project(x2, y2, z2, ch, &bx, &by))
                return;
            if (ch) {
                ch->endKnown = true;
                ch->end[0] = x2, ch->end[1] = y2, ch->end[2] = z2, ch->endX = bx, ch->endY = by;
            }
        } else if (straight) {
            // Cut to the z range as the view cuts a segment; a cut end depends
            // on the other one, so the channel keeps no end.
            const double lo = zMin, hi = zMax;
            if ((z1 > hi && z2 > hi) || (z1 < lo && z2 < lo)) return;
            if (z1 > hi) ToLevel(&x1, &y1, &z1, x2, y2, z2, hi);
            if (z2 > hi) ToLevel(&x2, &y2, &z2, x1, y1, z1, hi);
            if (z1 < lo) ToLevel(&x1, &y1, &z1, x2, y2, z2, lo);
            if (z2 < lo) ToLevel(&x2, &y2, &z2, x1, y1, z1, lo);
            if (!Project(x1, y1, z1, nullptr, &ax, &ay) || !Project(x2, y2, z2, nullptr, &bx, &by))
                return;
        } else {
            CPoint a, b;
            if (!v.ProjectSegment3D(x1, y1, z1, x2, y2, z2, &a, &b)) return;
            ax = a.x, ay = a.y, bx = b.x, by = b.y;
        }
        // Most segments are a box or a two-pixel stroke straight into the
        // image: Draw's way, here without its call.
        if (v.m_nPixelSize <= 2) {
            bool drawn;
            if (ax == bx || ay == by) {
                drawn = m_direct.Box(CRect(std::min(ax, bx) - 1, std::min(ay, by) - 1,
                                           std::max(ax, bx) + 1, std::max(ay, by) + 1),
                                     colour);
            } else {
                drawn = m_direct.DotStroke(CPoint(ax, ay), CPoint(bx, by), colour);
                if (drawn)
                    m_stroke.pending = true, m_stroke.a = CPoint(ax, ay),
                    m_stroke.b = CPoint(bx, by);
            }
            if (drawn) {
                if (m_inset.drawn) Touched(Grown(CPoint(ax, ay), CPoint(bx, by), v.m_nPixelSize));
                return;
            }
        }
        Draw(pDC, CPoint(ax, ay), CPoint(bx, by), colour, v.m_nPixelSize);
    }
    // Up to two pixels wide a span is drawn as the fine samples' dots were,
    // two pixels wide (the pen kept selected while the colour stays); an
    // axis-parallel one as the box such a pen covers. Whatever is drawn over
    // the inset's last stroke makes it draw its next one again.
    void Draw(CDC* pDC, CPoint a, CPoint b, COLORREF colour, int width) {
        if (width <= 2 && (a.x == b.x || a.y == b.y)) {
            const CRect box(std::min(a.x, b.x) - 1, std::min(a.y, b.y) - 1, std::max(a.x, b.x) + 1,
                            std::max(a.y, b.y) + 1);
            if (!m_direct.Box(box, colour)) Settled(pDC)->FillSolidRect(box, colour);
        } else if (width <= 2) {
            WideStroke(pDC, a, b, colour);
        } else {
            v.DrawStrokePx(Settled(pDC), a, b, colour);
        }
        if (m_inset.drawn) Touched(Grown(a, b, width));
    }
    // The box a stroke of the width from a to b may paint.
    static CRect Grown(CPoint a, CPoint b, int width) {
        const int grow = (width > 2 ? width : 2) + 1;
        return CRect(std::min(a.x, b.x) - grow, std::min(a.y, b.y) - grow,
                     std::max(a.x, b.x) + grow, std::max(a.y, b.y) + grow);
    }
    // The image's pixels for the boxes and two-pixel strokes of the cell.
    void Begin(CDC* pDC) { m_direct = pDC->Direct(), m_pDC = pDC; }
    ~MeshCell() { Settled(m_pDC); }
    // DrawLineWorldMode's stroke in the plane inset.
    void Inset(CDC* pDC, double x1, double y1, double x2, double y2, COLORREF colour) {
        if (!visible) return;
        const auto inRange = [this](double px, double py) {
            return v.m_dXMin <= px && px <= v.m_dXMax && v.m_dYMin <= py && py <= v.m_dYMax;
        };
        if (!inRange(x1, y1) || !inRange(x2, y2)) return;
        CPoint a, b;
        if (!v.MapWorldWhole(x1, y1, &a.x, &a.y) || !v.MapWorldWhole(x2, y2, &b.x, &b.y)) return;
        const int width = v.m_nPixelSize;
        LastInset& ch = m_inset;
        if (ch.drawn && colour == ch.colour && a == ch.a && b == ch.b && width == ch.width) return;
        Draw(pDC, a, b, colour, width);
        const int grow = (width > 2 ? width : 2) + 1;
        ch.drawn = true, ch.a = a, ch.b = b, ch.colour = colour, ch.width = width;
        ch.box = CRect(std::min(a.x, b.x) - grow, std::min(a.y, b.y) - grow,
                       std::max(a.x, b.x) + grow, std::max(a.y, b.y) + grow);
    }
    // The wall between a span's two ends from the upper down to the lower
    // surface, filled as one quadrilateral.
    // `next`, when given, is the left side of the wall the next span draws
    // in the same colour: it paints over this one's right side, which is
    // then left out.
    void Panel(CDC* pDC, double ax, double ay, const Sample& p0, double bx, double by,
               const Sample& p1, COLORREF colour, const CPoint* next = nullptr) {
        if (!visible) return;
        CPoint q[4];
        if (!PanelSide(ax, ay, p0, &q[0], &q[3]) || !PanelSide(bx, by, p1, &q[1], &q[2])) {
            Line(pDC, kNoChannel, ax, ay, p0.f, ax, ay, p0.g, colour);
            return;
        }
        // A vertical side is a box whichever way it is drawn.
        const bool shared = next && q[1] == next[0] && q[2] == next[1] && q[1].x == q[2].x;
        Fill(pDC, q, 4, colour, shared ? 1 : -1);
    }
    // A wall's side at (px, py) from the upper down to the lower surface.
    bool PanelSide(double px, double py, const Sample& p, CPoint* top, CPoint* bottom) const {
        return v.ProjectSegment3D(px, py, p.f, px, py, p.g, top, bottom);
    }
    // A projected quadrilateral filled and outlined in one colour; the side
    // from corner `skip` to the next is left out.
    void Fill(CDC* pDC, const CPoint* q, int n, COLORREF colour, int skip = -1) {
        // Outlined as the mesh lines are drawn: two pixels up to that width.
        const int width = v.m_nPixelSize > 2 ? v.m_nPixelSize : 2;
        if (width > 2) {
            CDCSelect<CPen> pen(Settled(pDC), CPen(PS_SOLID, width, colour));
            CDCSelect<CBrush> brush(pDC, CBrush(colour));
            pDC->Polygon(q, n);
        } else {
            Settled(pDC)->FillPolygon(q, n, colour);
        }
        if (width <= 2)
            for (int k = 0; k < n; ++k) {
                if (k != skip)
                    Draw(pDC, q[k], q[(k + 1) % n], colour, width);
                else if (m_inset.drawn)
                    Touched(Grown(q[k], q[(k + 1) % n], width));
            }
        int left = q[0].x, right = q[0].x, top = q[0].y, bottom = q[0].y;
        for (int k = 1; k < n; ++k)
            left = std::min(left, q[k].x), right = std::max(right, q[k].x),
            top = std::min(top, q[k].y), bottom = std::max(bottom, q[k].y);
        Touched(CRect(left - width - 1, top - width - 1, right + width + 1, bottom + width + 1));
    }
    // A quadrilateral of the scene at (s[k], t[k], z[k]), filled; one with a
    // corner out of the z range is its middle's dot, as the range cuts it.
    void Quad(CDC* pDC, const double* s, const double* t, const double* z, COLORREF colour) {
        if (!visible) return;
        CPoint q[4];
        bool whole = true;
        for (int k = 0; k < 4 && whole; ++k)
            whole = v.m_dZMin <= z[k] && z[k] <= v.m_dZMax && Point(s[k], t[k], z[k], &q[k]);
        if (!whole) {
            const double ms = (s[0] + s[2]) / 2, mt = (t[0] + t[2]) / 2;
            Dot(pDC, ms, mt, (z[0] + z[1] + z[2] + z[3]) / 4, colour);
            return;
        }
        Fill(pDC, q, 4, colour);
    }
    // A band piece at one height, and on a surface (height the member of
    // its corners); a piece with a corner out of the z range is left out.
    template <class Corner>
    void FlatPolygon(CDC* pDC, const Corner* p, int n, double z, COLORREF colour) {
        Polygon3D(
            pDC, p, n, [z](const Corner&) { return z; }, colour);
    }
    template <class Corner>
    void SurfacePolygon(CDC* pDC, const Corner* p, int n, double Corner::*height, COLORREF colour) {
        Polygon3D(
            pDC, p, n, [height](const Corner& q) { return q.*height; }, colour);
    }
    template <class Corner, class Height>
    void Polygon3D(CDC* pDC, const Corner* p, int n, Height height, COLORREF colour) {
        if (!visible) return;
        constexpr int kMaxCorners = 8;
        CPoint q[kMaxCorners];
        n = std::min(n, kMaxCorners);
        for (int k = 0; k < n; ++k) {
            const double z = height(p[k]);
            if (!(v.m_dZMin <= z && z <= v.m_dZMax) || !Point(p[k].s, p[k].t, z, &q[k])) return;
        }
        Fill(pDC, q, n, colour);
    }
    MeshCell(const MeshCell&) = delete;
    MeshCell& operator=(const MeshCell&) = delete;
    // A point of the scene within the z range on screen, as the view
    // projects it.
    bool Point(double px, double py, double pz, CPoint* q) {
        if (!straight) return v.ProjectSegment3D(px, py, pz, px, py, pz, q, q);
        int x, y;
        if (!Project(px, py, pz, nullptr, &x, &y)) return false;
        *q = CPoint(x, y);
        return true;
    }

    // Something drawn over a box: the inset's last stroke, if it touches
    // it, must be drawn again.
    void Touched(const CRect& box) {
        const CRect& c = m_inset.box;
        if (m_inset.drawn && c.left < box.right && box.left < c.right && c.top < box.bottom &&
            box.top < c.bottom)
            m_inset.drawn = false;
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
    // The cell's place across the box (0..1), which every mesh colour uses.
    const double ux;
    const bool lower;
    // Whether the figure's band shows: nothing a cell draws moves it.
    const bool visible;
    // The two surfaces with their choices made once for the cell.
    const CPemroView::SurfacePass::Sampler upper, lowerSurface;
    // Whether both leave the view alone, so they may run in any order.
    const bool detached;
    // Whether the shadows on z = 0 show: z = 0 lies in the box.
    const bool xoyShadowOn;

private:
    // ProjectPoint3D's expression with its terms in x and in y kept from
    // the last point: a stroke along y keeps x and one along x keeps y, so
    // most points need one division instead of four, with the same result.
    bool Project(double px, double py, double pz, Channel* ch, int* x, int* y) {
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
        // A shadow's channel keeps one height: its term too.
        double termZ;
        if (ch && ch->zKnown && pz == ch->z) {
            termZ = ch->termZ;
        } else {
            termZ = (pz - v.m_dZMin) * v.m_nProjScaleZ / v.m_dZSpan;
            if (ch) ch->zKnown = true, ch->z = pz, ch->termZ = termZ;
        }
        const double ox = m_dTermYx - m_dTermXk;
        const double oy = m_dTermXz - termZ;
        int px0, py0;
        if (!ToDrawablePixel(ox, &px0) || !ToDrawablePixel(oy, &py0)) return false;
        *x = v.m_nProjOriginX + px0, *y = v.m_nProjOriginY + py0;
        return true;
    }
    // End 1 moved along the segment to z = level, end 2 fixed, with the
    // view's own expression (the product before the division).
    static void ToLevel(double* x1, double* y1, double* z1, double x2, double y2, double z2,
                        double level) {
        *x1 = x2 + (*x1 - x2) * (level - z2) / (*z1 - z2);
        *y1 = y2 + (*y1 - y2) * (level - z2) / (*z1 - z2);
        *z1 = level;
    }
    // Two pixels wide as the dots of the fine samples were, a 2 × 2 box
    // (x−1..x, y−1..y) at each pixel of the one-pixel line.
    void WideStroke(CDC* pDC, CPoint a, CPoint b, COLORREF colour) {
        if (m_direct.DotStroke(a, b, colour))
            m_stroke.pending = true, m_stroke.a = a, m_stroke.b = b;
        else
            Settled(pDC)->DotStroke(a, b, colour);
    }
    // The DC as the last stroke drawn straight into its image leaves it,
    // before anything else draws through it.
    CDC* Settled(CDC* pDC) {
        if (m_stroke.pending && m_pDC) m_pDC->EndDotStroke(m_stroke.a, m_stroke.b);
        m_stroke.pending = false;
        return pDC;
    }
    struct DirectStroke {
        bool pending = false;
        CPoint a, b;
    };
    DirectStroke m_stroke;
    CDC* m_pDC = nullptr;
    Channel m_aChannel[kChannels];
    bool m_bTermX = false, m_bTermY = false;
    double m_dTermX = 0, m_dTermXk = 0, m_dTermXz = 0, m_dTermY = 0, m_dTermYx = 0;

    // The inset's last stroke: the fine steps along a cell map many samples
    // to the same pixels of the inset, so a stroke equal to it is left out
    // while nothing drawn since touched its pixels.
    struct LastInset {
        bool drawn = false;
        CPoint a, b;
        COLORREF colour = 0;
        int width = 0;
        CRect box;
    };
    LastInset m_inset;
    CDC::DirectBoxes m_direct;
    enum { kLowerTint, kUpperTint, kFrontTint, kBackTint, kTints };
    double m_tints[kTints][3];
    double m_dBrightness = 0;
    const bool straight =
        v.m_dRotationAngle == 0 && v.m_nAxisArrangement != 2 && v.m_nAxisArrangement != 3;
    // The z range, read once for the cell's many segments.
    const double zMin = v.m_dZMin, zMax = v.m_dZMax;
};

// Runs fn(s) for s = from + i·step before `to`, counted before the first:
// far from the origin a step that no longer moves s would run to the cap.
template <class Fn> void Steps(double from, double to, double step, Fn fn) {
    steps::ForEach(from, to, step, kMaxStrokeSamples, false, fn);
}

// The level curves of a cell are traced on a grid of sub-cells about
// kSpanPixels a side: each sub-cell's edges where a value crosses its level
// are found by linear interpolation, and the crossings joined (marching
// squares; a saddle joins the crossings in the order of its edges).
constexpr int kMaxGridSide = 256;

// Nodes of a cell's grid with the region function and the two surfaces. A
// stroke along its edge takes the nodes it samples at the very same point.
class CellGrid {
public:
    CellGrid(MeshCell& m, double y, double dx, double dy) : m_x(m.x), m_y(y) {
        CPemroView& v = m.v;
        Layout(v, dx, dy);
        const size_t count = size_t(m_ni + 1) * size_t(m_nj + 1);
        if (count > kSmallGrid) m_big.resize(count);
        m_nodes = count > kSmallGrid ? m_big.data() : m_small;
        if (!m.detached) {
            for (int i = 0; i <= m_ni; ++i)
                for (int j = 0; j <= m_nj; ++j) m_nodes[Index(i, j)] = m.At(S(i), T(j));
            return;
        }
        // The whole grid at once, straight into the nodes: a catalogue form
        // chosen once for it, a region what depends on x alone once a column.
        double ss[kMaxGridSide + 1], ts[kMaxGridSide + 1];
        for (int i = 0; i <= m_ni; ++i) ss[i] = S(i);
        for (int j = 0; j <= m_nj; ++j) ts[j] = T(j);
        static_assert(sizeof(Sample) == 3 * sizeof(double) && offsetof(Sample, r) == 0 &&
                          offsetof(Sample, f) == sizeof(double) &&
                          offsetof(Sample, g) == 2 * sizeof(double),
                      "a node is its three values in a row");
        double* values = reinterpret_cast<double*>(m_nodes);
        const int ni = m_ni + 1, nj = m_nj + 1;
        m.upper.Grid(ss, ni, ts, nj, values + 1, 3);
        m.lowerSurface.Grid(ss, ni, ts, nj, values + 2, 3);
        if (v.m_nFuncF != 0) {
            CPemroView::SurfacePass::Region(v, v.m_nFuncF).Grid(ss, ni, ts, nj, values, 3);
            return;
        }
        for (int i = 0; i < ni; ++i)
            for (int j = 0; j < nj; ++j) {
                Sample& p = m_nodes[Index(i, j)];
                p.r = m.Region(ss[i], ts[j], p.f, p.g);
            }
    }
    CellGrid(const CellGrid&) = delete;
    CellGrid& operator=(const CellGrid&) = delete;
    int Ni() const { return m_ni; }
    int Nj() const { return m_nj; }
    double S(int i) const { return m_x + i * m_hs; }
    double T(int j) const { return m_y + j * m_ht; }
    const Sample& At(int i, int j) const { return m_nodes[Index(i, j)]; }

private:
    // The sub-cells across and down, about kSpanPixels a side on screen, as
    // the pass last laid them out where it read the same.
    void Layout(const CPemroView& v, double dx, double dy) {
        const double from[7] = {dx,
                                dy,
                                double(v.m_nProjScaleX),
                                v.m_dXSpan,
                                v.m_dObliqueFactor,
                                double(v.m_nProjScaleY),
                                v.m_dYSpan};
        CPemroView::SurfacePass::GridLayout* kept =
            v.m_pSurfacePass ? &v.m_pSurfacePass->gridLayout : nullptr;
        if (kept && kept->known && std::memcmp(kept->from, from, sizeof from) == 0) {
            m_ni = kept->ni, m_nj = kept->nj, m_hs = kept->hs, m_ht = kept->ht;
            return;
        }
        const double px =
            v.m_nProjScaleX / v.m_dXSpan * std::sqrt(1 + v.m_dObliqueFactor * v.m_dObliqueFactor);
        const double py = v.m_nProjScaleY / v.m_dYSpan;
        m_ni = Side(dx * px), m_nj = Side(dy * py);
        m_hs = dx / m_ni, m_ht = dy / m_nj;
        if (!kept) return;
        std::memcpy(kept->from, from, sizeof from);
        kept->known = true, kept->ni = m_ni, kept->nj = m_nj, kept->hs = m_hs, kept->ht = m_ht;
    }
    static int Side(double pixels) {
        const double n = std::ceil(pixels / kSpanPixels);
        return n < kMaxGridSide ? (n > 1 ? int(n) : 1) : kMaxGridSide;
    }
    size_t Index(int i, int j) const { return size_t(i) * size_t(m_nj + 1) + size_t(j); }
    double m_x, m_y, m_hs = 0, m_ht = 0;
    int m_ni = 1, m_nj = 1;
    // A cell's grid is mostly a few nodes: they stay in the cell's frame.
    static constexpr size_t kSmallGrid = 64;
    Sample m_small[kSmallGrid];
    std::vector<Sample> m_big;
    Sample* m_nodes = m_small;
};

void DenseFill(MeshCell& m, CDC* pDC, const CellGrid& grid) {
    CPemroView& v = m.v;
    const bool lowerFill = v.m_nLowerSurfaceStyle != 0 && m.lower;
    const bool upperFill = v.m_nUpperSurfaceStyle != 0;
    for (int i = 0; i < grid.Ni(); ++i)
        for (int j = 0; j < grid.Nj(); ++j) {
            const Sample& p0 = grid.At(i, j);
            if (!(p0.r >= 0 && (v.m_bDrawInverted || p0.f >= p0.g))) continue;
            const Sample* q[4] = {&p0, &grid.At(i + 1, j), &grid.At(i + 1, j + 1),
                                  &grid.At(i, j + 1)};
            const double s[4] = {grid.S(i), grid.S(i + 1), grid.S(i + 1), grid.S(i)};
            const double t[4] = {grid.T(j), grid.T(j), grid.T(j + 1), grid.T(j + 1)};
            double z[4];
            const auto face = [&](double Sample::*height, COLORREF colour) {
                for (int k = 0; k < 4; ++k) z[k] = q[k]->*height;
                m.Quad(pDC, s, t, z, colour);
            };
            const auto flat = [&](double level, COLORREF colour) {
                std::fill_n(z, 4, level);
                m.Quad(pDC, s, t, z, colour);
            };
            if (lowerFill) face(&Sample::g, m.Graded(m.T1(p0.g), 200, v.m_anLowerSurfaceRgb));
            if (m.XoyShadowOn()) flat(0, m.XoyShadow(p0.f));
            if (v.m_bProjectBase) flat(v.m_dZMin, m.BaseShadow(p0.f));
            if (upperFill)
                face(&Sample::f, m.Graded(m.T2(p0.f), v.m_nBrightness3D, v.m_anUpperSurfaceRgb));
        }
}

// A stroke runs in spans of about kSpanPixels on screen. A span whose two
// ends disagree on what the rules of one sample test (a jump, the region,
// the order of the surfaces, the section, the inset), or that climbs more
// than kSpanPixels, is halved until it is no longer than the fine step,
// where it is one sample as the rules read it.
constexpr int kMaxSpansPerEdge = 512;
constexpr int kMaxHalvings = 16;

// What a span's two ends say of it: it is one span, it is halved, or it is
// halved only where its middle lies off its chord.
enum class SpanTest { kWhole, kHalve, kIfBent };

// One sample's span along a stroke: from s to s + step, with the values at
// its two ends.
struct Span {
    double s, step;
    // The walk's own samples, alive while the span is drawn.
    const Sample &p0, &p1;
};

// The spans of a stroke from `from` to `to`, in order, handed to fn(span).
// A span longer than `straight` is also halved where bend(p0, mid, p1)
// finds its middle off its chord.
template <class At, class Split, class Bend, class Fn> class SpanWalk {
public:
    SpanWalk(double fine, double straight, const At& at, const Split& split, const Bend& bend,
             const Fn& fn)
        : m_fine(fine), m_straight(straight), m_at(at), m_split(split), m_bend(bend), m_fn(fn) {}
    // known(i, n, s): node i of n spans at s when it is evaluated already,
    // else null.
    template <class Known> void Run(double from, double to, double span, Known known) const {
        if (!(m_fine > 0) || !std::isfinite(m_fine) || !(to > from)) return;
        double n = std::ceil((to - from) / std::max(span, m_fine));
        n = n < kMaxSpansPerEdge ? (n > 1 ? n : 1) : kMaxSpansPerEdge;
        const double h = (to - from) / n;
        const Sample* k0 = known(0, int(n), from);
        Sample p0 = k0 ? *k0 : m_at(from);
        for (int i = 0; i < int(n); ++i) {
            const double s = from + i * h;
            const double e = i + 1 == int(n) ? to : s + h;
            const Sample* k1 = known(i + 1, int(n), e);
            const Sample p1 = k1 ? *k1 : m_at(e);
            Walk(s, e - s, p0, p1, 0);
            p0 = p1;
        }
    }

private:
    void Walk(double s, double h, const Sample& p0, const Sample& p1, int depth) const {
        if (h > m_fine && depth < kMaxHalvings) {
            const SpanTest test = m_split(p0, p1);
            const bool split = test == SpanTest::kHalve;
            if (split || test == SpanTest::kIfBent || h > m_straight) {
                const Sample mid = m_at(s + h / 2);
                if (split || m_bend(p0, mid, p1)) {
                    Walk(s, h / 2, p0, mid, depth + 1);
                    Walk(s + h / 2, h / 2, mid, p1, depth + 1);
                    return;
                }
            }
        }
        m_fn(Span{s, h, p0, p1});
    }
    const double m_fine, m_straight;
    // The stroke's own lambdas, held rather than copied for each stroke.
    const At& m_at;
    const Split& m_split;
    const Bend& m_bend;
    const Fn& m_fn;
};
template <class At, class Split, class Bend, class Fn>
SpanWalk<At, Split, Bend, Fn> MakeSpanWalk(double fine, double straight, const At& at,
                                           const Split& split, const Bend& bend, const Fn& fn) {
    return SpanWalk<At, Split, Bend, Fn>(fine, straight, at, split, bend, fn);
}

// A stroke along y at x (alongX false) or along x at y. a and b are the
// span's two ends in the stroke's direction.
// What a cell's strokes have evaluated before they sample: the cell's grid,
// or else the sample at the corner (x, y) both start from.
struct KnownNodes {
    const CellGrid* grid = nullptr;
    const Sample* corner = nullptr;
};

void Stroke(MeshCell& m, CDC* pDC, bool alongX, double y, double dx, double dy, BOOL bUpper,
            BOOL bLower, double sx, double sy, const KnownNodes& nodes) {
    CPemroView& v = m.v;
    const double x = m.x, Dz = m.Dz, c = m.c, jump = kJumpFraction * Dz;
    const double fine = alongX ? sx : sy;
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
    const auto cut = [&](const Sample& p) {
        return alongX ? c - 0.001 * Dz < p.f && p.g < c + 0.001 * Dz : p.g < c && c < p.f;
    };
    const auto insetOn = [&](const Sample& p) { return v.m_dZMin < p.f && p.f < v.m_dZMax; };
    // Screen pixels per unit of z: a span climbing more than kSpanPixels is
    // halved, so curved mesh lines keep their shape.
    const double zPixels = v.m_nProjScaleZ / Dz;
    // A surface beyond the z range at both ends of a span draws no line
    // there: its climb and jumps matter only where its middle bends back in.
    // Its height still colours the shadows and lies on the walls.
    const bool wallsOn = columnWall || v.m_nSideSurfaces > 0;
    const bool upperAway = !wallsOn && !m.XoyShadowOn() && !v.m_bProjectBase;
    const double zMin = v.m_dZMin, zMax = v.m_dZMax;
    const auto beyond = [zMin, zMax](double a, double b) {
        return (a > zMax && b > zMax) || (a < zMin && b < zMin);
    };
    const auto split = [&](const Sample& p0, const Sample& p1) {
        if ((p0.r >= 0) != (p1.r >= 0) || !(p0.r * p1.r > 0) || m.Ordered(p0) != m.Ordered(p1) ||
            cut(p0) != cut(p1) || insetOn(p0) != insetOn(p1))
            return SpanTest::kHalve;
        const double df = std::fabs(p0.f - p1.f), dg = std::fabs(p0.g - p1.g);
        const bool steepF = !(df < jump) || !(df * zPixels <= kSpanPixels);
        const bool steepG = m.lower ? !(dg < jump) || !(dg * zPixels <= kSpanPixels) : !(dg < jump);
        const bool awayF = steepF && upperAway && beyond(p0.f, p1.f);
        const bool awayG = steepG && !wallsOn && beyond(p0.g, p1.g);
        if ((steepF && !awayF) || (steepG && !awayG)) return SpanTest::kHalve;
        return awayF || awayG ? SpanTest::kIfBent : SpanTest::kWhole;
    };
    const double pixelsPerUnit = alongX ? std::sqrt(1 + v.m_dObliqueFactor * v.m_dObliqueFactor) *
                                              v.m_nProjScaleX / v.m_dXSpan
                                        : v.m_nProjScaleY / v.m_dYSpan;
    const double span = pixelsPerUnit > 0 ? kSpanPixels / pixelsPerUnit : fine;
    // A cell's mesh edge is one span where its middle stays on the chord;
    // the dense strokes and the column walls keep their short spans.
    const bool edge = dx > 0 && dy > 0 && !columnWall;
    const double edgeSpan = pixelsPerUnit > 0 ? kEdgeSpanPixels / pixelsPerUnit : fine;
    const auto bend = [&](const Sample& p0, const Sample& mid, const Sample& p1) {
        const double df = std::fabs(mid.f - (p0.f + p1.f) / 2) * zPixels;
        const double dg = std::fabs(mid.g - (p0.g + p1.g) / 2) * zPixels;
        return !(df <= kBendPixels) || (m.lower && !(dg <= kBendPixels));
    };
    double counter = 0;
    const auto at = [&](double s) { return alongX ? m.At(s, y) : m.At(x, s); };
    // The left side of the wall the next span draws, where it draws one.
    const auto nextWall = [&](const Span& sp, CPoint* side) {
        const Sample &p0 = sp.p0, &p1 = sp.p1;
        if (!m.visible || !(p0.r >= 0 || p1.r >= 0) || !m.Ordered(p0) ||
            !(std::fabs(p0.g - p1.g) < jump) || !(std::fabs(p0.f - p1.f) < jump) ||
            !(alongX || m.lower))
            return false;
        CPoint far[2];
        return m.PanelSide(alongX ? sp.s : x, alongX ? y : sp.s, p0, &side[0], &side[1]) &&
               m.PanelSide(alongX ? sp.s + sp.step : x, alongX ? y : sp.s + sp.step, p1, &far[0],
                           &far[1]);
    };
    const auto body = [&](const Span& sp, const Span* next) {
        const double s = sp.s, step = sp.step;
        const Sample &p0 = sp.p0, &p1 = sp.p1;
        const double ax = alongX ? s : x, ay = alongX ? y : s;
        const double bx = alongX ? s + step : x, by = alongX ? y : s + step;
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
            const double height = m.Height(p0.f);
            const bool flatG = std::fabs(p0.g - p1.g) < jump, flatF = std::fabs(p0.f - p1.f) < jump;
            if (columnWall && dx > 0 && dy > 0 && flatG && flatF && (alongX || m.lower)) {
                CPoint side[2];
                m.Panel(pDC, ax, ay, p0, bx, by, p1, wallColour,
                        next && nextWall(*next, side) ? side : nullptr);
            }
            // Where the surfaces coincide the upper line below paints every
            // pixel of the lower one.
            const bool covered = bUpper && p0.g == p0.f && p1.g == p1.f;
            if (bLower && flatG && p0.g != c && m.lower && !covered && !m.LeftOut(p0.g, p1.g))
                m.Line(pDC, kLowerLine, ax, ay, p0.g, bx, by, p1.g, m.LowerMesh(p0.g));
            if (demo != 20) {
                if (m.XoyShadowOn())
                    m.Line(pDC, kXoyShadow, ax, ay, 0, bx, by, 0, m.XoyShadowAt(height));
                if (v.m_bProjectBase && (alongX || v.m_bCutZc == 0))
                    m.Line(pDC, kBaseShadow, ax, ay, v.m_dZMin, bx, by, v.m_dZMin,
                           m.BaseShadowAt(height));
                if (v.m_nProjectionDisplay == 1 && insetOn(p0) && v.m_bCutZc == 0)
                    m.Inset(pDC, ax, ay, bx, by, insetColour);
            }
            if (bUpper && flatF && p0.f != c && !m.LeftOut(p0.f, p1.f))
                m.Line(pDC, kUpperLine, ax, ay, p0.f, bx, by, p1.f, m.UpperMeshAt(height));
            if (v.m_bCutZc == 1 && cut(p0)) {
                if (v.m_bProjectBase)
                    m.Line(pDC, kSectionBase, ax, ay, v.m_dZMin, bx, by, v.m_dZMin,
                           v.m_crFirstDerivative);
                if (v.m_bProjectXoy)
                    m.Line(pDC, kSectionXoy, ax, ay, 0, bx, by, 0, v.m_crSecondDerivative);
                if (v.m_nProjectionDisplay == 1) m.Inset(pDC, ax, ay, bx, by, v.m_crSection);
                m.Line(pDC, kSectionC, ax, ay, c, bx, by, c, v.m_crSection);
            }
        }
    };
    // Column walls: each span is drawn once the next is known, so a side
    // two walls share is painted once.
    const bool walls = columnWall && dx > 0 && dy > 0;
    bool held = false;
    double heldS = 0, heldStep = 0;
    Sample held0{}, held1{};
    const auto draw = [&](const Span& sp) {
        if (!walls) {
            body(sp, nullptr);
            return;
        }
        if (held) body(Span{heldS, heldStep, held0, held1}, &sp);
        held = true, heldS = sp.s, heldStep = sp.step, held0 = sp.p0, held1 = sp.p1;
    };
    const auto walk = MakeSpanWalk(fine, edge ? span : HUGE_VAL, at, split, bend, draw);
    // The grid's edge at the stroke, node by node where it lies at the same
    // point.
    const CellGrid* grid = nodes.grid;
    // A stroke's spans mostly span several of the grid's sub-cells: node i
    // of n is grid node i·N/n where that is whole.
    const auto known = [&nodes, grid, alongX](int i, int n, double s) -> const Sample* {
        if (i == 0 && nodes.corner) return nodes.corner;
        if (!grid) return nullptr;
        const long whole = long(i) * (alongX ? grid->Ni() : grid->Nj());
        if (n <= 0 || whole % n != 0) return nullptr;
        const int k = int(whole / n);
        if (s != (alongX ? grid->S(k) : grid->T(k))) return nullptr;
        return alongX ? &grid->At(k, 0) : &grid->At(0, k);
    };
    walk.Run(alongX ? x : y, alongX ? x + dx : y + dy, edge ? edgeSpan : span, known);
    if (held) body(Span{heldS, heldStep, held0, held1}, nullptr);
}

// A point of a band: where on the base, the banded value h there and the
// region function and the two surfaces, all interpolated linearly.
struct BandPoint {
    double s, t, h, r, f, g;
};
constexpr int kMaxBandCorners = 8;

// The part of the convex polygon in[0..n) where side(p) >= 0, into out;
// returns its corner count.
template <class Side> int ClipBand(const BandPoint* in, int n, Side side, BandPoint* out) {
    int k = 0;
    for (int i = 0; i < n && k + 2 <= kMaxBandCorners; ++i) {
        const BandPoint &a = in[i], &b = in[(i + 1) % n];
        const double da = side(a), db = side(b);
        if (da >= 0) out[k++] = a;
        if ((da >= 0) != (db >= 0)) {
            const double u = da / (da - db);
            const auto mix = [u](double p, double q) { return p + u * (q - p); };
            out[k++] = {mix(a.s, b.s), mix(a.t, b.t), mix(a.h, b.h),
                        mix(a.r, b.r), mix(a.f, b.f), mix(a.g, b.g)};
        }
    }
    return k;
}

// Where a node lies against a band: a sub-cell holds no piece when all its
// corners lie above it, all below it or all outside the region, or when its
// first corner has no value or no region value (NaN), as the corners' least
// and greatest values and region value read then. A triangle whose corners
// are all gone is left out.
enum : unsigned { kAbove = 1, kBelow = 2, kOutside = 4, kGone = 8, kNoStart = 16 };

// fn(corners, n) for each piece of the band lo <= value(sample) <= hi in
// the region (R >= 0) over the cell's grid: each sub-cell is cut into two
// triangles, over which the values are taken as linear, and each triangle
// clipped by the band and the region. A triangle is left out where gone(h)
// holds at its three corners.
template <class Value, class Gone, class Fn>
void BandPieces(const CellGrid& grid, Value value, double lo, double hi, Gone gone, Fn fn) {
    const auto corner = [&](int i, int j) {
        const Sample& p = grid.At(i, j);
        return BandPoint{grid.S(i), grid.T(j), value(p), p.r, p.f, p.g};
    };
    const auto sideOf = [&](int i, int j) -> unsigned {
        const Sample& p = grid.At(i, j);
        const double h = value(p);
        return (h <= hi ? 0u : kAbove) | (h >= lo ? 0u : kBelow) | (p.r >= 0 ? 0u : kOutside) |
               (gone(h) ? kGone : 0u) | (std::isnan(h) || std::isnan(p.r) ? kNoStart : 0u);
    };
    constexpr unsigned kEmpty = kAbove | kBelow | kOutside | kGone;
    // Most cells miss the band, or lie where it is gone, at all their nodes.
    // Mostly the first node lies above or below it, alone: then only that
    // side is tested at the other nodes.
    const int ni = grid.Ni(), nj = grid.Nj();
    const auto every = [&](auto keeps) {
        for (int i = 0; i <= ni; ++i)
            for (int j = 0; j <= nj; ++j)
                if (!keeps(value(grid.At(i, j)))) return false;
        return true;
    };
    unsigned all = sideOf(0, 0);
    if (all == kAbove)
        all = every([hi](double h) { return !(h <= hi); }) ? kAbove : 0u;
    else if (all == kBelow)
        all = every([lo](double h) { return !(h >= lo); }) ? kBelow : 0u;
    else
        for (int i = 0; i <= ni; ++i)
            for (int j = 0; j <= nj; ++j) all &= sideOf(i, j);
    if (all) return;
    for (int i = 0; i < ni; ++i)
        for (int j = 0; j < nj; ++j) {
            const unsigned q[4] = {sideOf(i, j), sideOf(i + 1, j), sideOf(i + 1, j + 1),
                                   sideOf(i, j + 1)};
            if ((q[0] & kNoStart) || (q[0] & q[1] & q[2] & q[3] & kEmpty)) continue;
            const BandPoint c[4] = {corner(i, j), corner(i + 1, j), corner(i + 1, j + 1),
                                    corner(i, j + 1)};
            for (int half = 0; half < 2; ++half) {
                if (q[0] & q[1 + half] & q[2 + half] & kGone) continue;
                const BandPoint tri[3] = {c[0], c[1 + half], c[2 + half]};
                // A triangle inside the band and the region at every corner
                // is its own piece: each clip keeps its corners as they are.
                if (!((q[0] | q[1 + half] | q[2 + half]) & (kAbove | kBelow | kOutside))) {
                    fn(tri, 3);
                    continue;
                }
                BandPoint a[kMaxBandCorners], b[kMaxBandCorners];
                int n = ClipBand(
                    tri, 3, [lo](const BandPoint& p) { return p.h - lo; }, a);
                n = ClipBand(
                    a, n, [hi](const BandPoint& p) { return hi - p.h; }, b);
                n = ClipBand(
                    b, n, [](const BandPoint& p) { return p.r; }, a);
                if (n >= 3) fn(a, n);
            }
        }
}

// The contour z = c on the two surfaces (and its shadows): the band where a
// surface lies within 0.005·Dz of c.
void Contour(MeshCell& m, CDC* pDC, const CellGrid& grid) {
    CPemroView& v = m.v;
    const double c = m.c, band = 0.005 * m.Dz;
    const auto none = [](double) { return false; };
    const auto draw = [&](const BandPoint* p, int n, bool onSurface, double BandPoint::*height) {
        if (v.m_bProjectBase) m.FlatPolygon(pDC, p, n, v.m_dZMin, v.m_crFirstDerivative);
        if (v.m_bProjectXoy) m.FlatPolygon(pDC, p, n, 0, v.m_crSecondDerivative);
        if (onSurface) m.SurfacePolygon(pDC, p, n, height, v.m_crDefaultPen);
    };
    BandPieces(
        grid, [](const Sample& p) { return p.f; }, c - band, c + band, none,
        [&](const BandPoint* p, int n) { draw(p, n, true, &BandPoint::f); });
    BandPieces(
        grid, [](const Sample& p) { return p.g; }, c - band, c + band, none,
        [&](const BandPoint* p, int n) { draw(p, n, m.lower, &BandPoint::g); });
}

// Where the two surfaces meet: the band |f − g| <= 0.001·Dz in the region.
// Where they coincide (within 1e-7·Dz) they meet nowhere that is drawn.
void Intersection(MeshCell& m, CDC* pDC, const CellGrid& grid) {
    CPemroView& v = m.v;
    const double band = 0.001 * m.Dz, inner = 1e-7 * m.Dz;
    BandPieces(
        grid, [](const Sample& p) { return p.f - p.g; }, -band, band,
        [inner](double h) { return std::fabs(h) < inner; },
        [&](const BandPoint* p, int n) {
            m.SurfacePolygon(pDC, p, n, &BandPoint::f, v.m_crCurveSetting);
        });
}

void BoundaryDots(MeshCell& m, CDC* pDC, double y, double dx, double dy, double sx, double sy,
                  const Sample& corner, const CellGrid* grid) {
    CPemroView& v = m.v;
    const double x = m.x;
    const double r00 = corner.r;
    // The region function at a corner: the cell's grid holds it where its
    // last node lies at the very same point. A region given by the surfaces
    // (form 0) is evaluated afresh, as a form that solves keeps its order.
    const auto region = [&](int i, int j, double px, double py) {
        if (grid && v.m_nFuncF != 0) {
            const int gi = i ? grid->Ni() : 0, gj = j ? grid->Nj() : 0;
            if (grid->S(gi) == px && grid->T(gj) == py) return grid->At(gi, gj).r;
        }
        return v.EvalRegionFunction(px, py, v.m_nFuncF);
    };
    const double r10 = region(1, 0, x + dx, y);
    const double r01 = region(0, 1, x, y + dy);
    const double r11 = region(1, 1, x + dx, y + dy);
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

// Whether everything the cell at (x, y), dx by dy, may draw lies outside
// the DC's clip: a range narrowed by the arrows leaves most of the mesh's
// cells far off the window. Everything a cell draws lies over its rectangle
// (a dot half a fine step beyond it) between z min and z max, at most a
// stroke's width round its pixels; its strokes in the plane inset lie over
// the x and y ranges. Only for the plain projection and surfaces that leave
// the view alone, whose evaluations nothing after the cell sees.
bool OffClip(const MeshCell& m, CDC* pDC, double y, double dx, double dy, double sx, double sy) {
    const CPemroView& v = m.v;
    if (!DrawingCachesEnabled() || !m.detached || v.m_dRotationAngle != 0 ||
        v.m_nAxisArrangement == 2 || v.m_nAxisArrangement == 3)
        return false;
    const double reach = std::fabs(sx) + std::fabs(sy);
    const double x0 = m.x - reach, x1 = m.x + std::max(dx, 0.0) + reach;
    const double y0 = y - reach, y1 = y + std::max(dy, 0.0) + reach;
    if (v.m_nProjectionDisplay == 1 &&
        !(x1 < v.m_dXMin || x0 > v.m_dXMax || y1 < v.m_dYMin || y0 > v.m_dYMax))
        return false;
    double left = HUGE_VAL, right = -HUGE_VAL, top = HUGE_VAL, bottom = -HUGE_VAL;
    for (double px : {x0, x1}) {
        const double u = px - v.m_dXMin;
        const double termXk = u * v.m_dObliqueFactor * v.m_nProjScaleX / v.m_dXSpan;
        const double termXz = u * v.m_nProjScaleX / v.m_dXSpan;
        for (double py : {y0, y1}) {
            const double ox = (py - v.m_dYMin) * v.m_nProjScaleY / v.m_dYSpan - termXk;
            left = std::min(left, ox), right = std::max(right, ox);
        }
        for (double pz : {v.m_dZMin, v.m_dZMax}) {
            const double oy = termXz - (pz - v.m_dZMin) * v.m_nProjScaleZ / v.m_dZSpan;
            top = std::min(top, oy), bottom = std::max(bottom, oy);
        }
    }
    if (!(std::isfinite(left) && std::isfinite(right) && std::isfinite(top) &&
          std::isfinite(bottom)))
        return false;
    // A stroke's width, a pixel either way for the truncation, and some to spare.
    const double margin = std::max(v.m_nPixelSize, 2) + 6;
    const CRect clip = pDC->GetClipRect();
    const CPoint org = pDC->GetViewportOrg();
    const double ox = double(v.m_nProjOriginX) + org.x, oy = double(v.m_nProjOriginY) + org.y;
    return ox + right + margin < clip.left || ox + left - margin > clip.right ||
           oy + bottom + margin < clip.top || oy + top - margin > clip.bottom;
}

// A cell's grid built on first use. Most calls draw one stroke and need
// none: its storage (a few nodes' worth) is left as it is until then.
class LazyGrid {
public:
    LazyGrid() = default;
    LazyGrid(const LazyGrid&) = delete;
    LazyGrid& operator=(const LazyGrid&) = delete;
    ~LazyGrid() {
        if (m_grid) m_grid->~CellGrid();
    }
    const CellGrid& Get(MeshCell& m, double y, double dx, double dy) {
        if (!m_grid) m_grid = new (m_storage) CellGrid(m, y, dx, dy);
        return *m_grid;
    }
    const CellGrid* Built() const { return m_grid; }

private:
    alignas(CellGrid) unsigned char m_storage[sizeof(CellGrid)];
    CellGrid* m_grid = nullptr;
};

} // namespace

void CPemroView::DrawSurfaceMesh(CDC* pDC, double x, double y, double dx, double dy, int frontR,
                                 int frontG, int frontB, int backR, int backG, int backB,
                                 BOOL bUpperLines, BOOL bLowerLines, double sx, double sy) {
    if (!IsSceneUsable() || m_bAnsweringClick) return;
    // The scene that draws the cells holds one surface pass for all of them.
    const int front[3] = {frontR, frontG, frontB};
    const int back[3] = {backR, backG, backB};
    MeshCell m(*this, x, front, back);
    if (OffClip(m, pDC, y, dx, dy, sx, sy)) return;
    m.Begin(pDC);
    // A stroke (dx or dy 0) has no area for a band, a filling or dots.
    const bool area = dx > 0 && dy > 0;
    const bool clicked = area && HitTestGraphRegion(0);
    // The cell's grid, evaluated once for the filling and the bands.
    LazyGrid cellGrid;
    const auto grid = [&]() -> const CellGrid& { return cellGrid.Get(m, y, dx, dy); };
    if (area && (m_nUpperSurfaceStyle != 0 || m_nLowerSurfaceStyle != 0) && clicked)
        DenseFill(m, pDC, grid());
    const bool contour = m_bCutZc == 2 && area;
    // Without a lower surface there is nothing to meet.
    const bool meet = m_bDrawSurfaceIntersection && m.lower && area;
    KnownNodes nodes;
    nodes.grid = contour || meet ? &grid() : cellGrid.Built();
    // The corner the strokes and the boundary dots share, evaluated once
    // where no grid holds it.
    Sample corner;
    if (dx > 0 || dy > 0) {
        corner = nodes.grid ? nodes.grid->At(0, 0) : m.At(x, y);
        if (!nodes.grid) nodes.corner = &corner;
    }
    if (dy > 0) Stroke(m, pDC, false, y, dx, dy, bUpperLines, bLowerLines, sx, sy, nodes);
    if (dx > 0) Stroke(m, pDC, true, y, dx, dy, bUpperLines, bLowerLines, sx, sy, nodes);
    if (contour) Contour(m, pDC, grid());
    if (meet) {
        const int pixelSize = m_nPixelSize;
        m_nPixelSize = 1;
        Intersection(m, pDC, grid());
        m_nPixelSize = pixelSize;
    }
    if (area && clicked) BoundaryDots(m, pDC, y, dx, dy, sx, sy, corner, cellGrid.Built());
}
