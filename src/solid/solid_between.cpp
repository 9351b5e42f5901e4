// The solid between the lower surface z = g and the upper surface z = f over
// the active region: both surfaces filled with graded strokes, both as a
// wire mesh, and the section by a vertical plane x = c or y = c.
#include "view/view.h"

#include "catalog/surface_pass.h"
#include "platform/real_steps.h"
#include "solid/math/scene_math.h"
#include "solid/step_strokes.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <utility>
#include <vector>

namespace {

constexpr int kMaxSamples = 20000;
// The section runs in thousandths of the span; drop lines every so many
// shaded steps.
constexpr double kSliceFraction = 0.001;
constexpr int kDropEveryX = 10;
constexpr int kDropEveryY = 20;

template <class Fn> void Steps(double from, double to, double step, bool inclusive, Fn fn) {
    steps::ForEach(from, to, step, kMaxSamples, inclusive, fn);
}

// A stroke of the solid's filling as projected.
struct ProjectedStroke {
    CPoint a, b;
    COLORREF colour;
    bool operator==(const ProjectedStroke& o) const {
        return a == o.a && b == o.b && colour == o.colour;
    }
};

// One column of the solid's filling, in a buffer kept from column to column.
class StrokeColumn {
public:
    void Clear() { m_count = 0; }
    // Hot: two strokes at every half pixel of the filling.
    void Push(const ProjectedStroke& s) {
        if (m_count == m_strokes.size()) m_strokes.resize(2 * m_count + 64);
        m_strokes[m_count++] = s;
    }
    const ProjectedStroke* begin() const { return m_strokes.data(); }
    const ProjectedStroke* end() const { return m_strokes.data() + m_count; }
    bool operator==(const StrokeColumn& o) const {
        return m_count == o.m_count && std::equal(begin(), end(), o.begin());
    }

private:
    std::vector<ProjectedStroke> m_strokes;
    std::size_t m_count = 0;
};

// The box DrawStrokePx fills for the stroke from a to b at pixel size
// `pixelSize`, or false when it draws a line. The width DrawLinePx gives is
// raised to 2 for a point, a horizontal stroke drawn leftward over more
// than 3 pixels and a vertical stroke drawn upward over 3 pixels or more. A
// two-pixel pen covers the pixels whose centres, taken half a pixel up and
// left, lie within 1 of the stroke, both ends included: for an
// axis-parallel stroke that is the rectangle one pixel wider up and left.
int StrokeWidth(int pixelSize, CPoint a, CPoint b) {
    const int width = pixelSize > 0 ? pixelSize : 0;
    const bool point = a == b;
    const bool leftward = a.y == b.y && a.x - b.x > 3;
    const bool upward = a.x == b.x && a.y - b.y >= 3;
    return (point || leftward || upward) && width < 2 ? 2 : width;
}

bool StrokeBox(int pixelSize, CPoint a, CPoint b, CRect* box) {
    const int width = StrokeWidth(pixelSize, a, b);
    if (width != 2 || (a.x != b.x && a.y != b.y)) return false;
    *box = CRect(std::min(a.x, b.x) - 1, std::min(a.y, b.y) - 1, std::max(a.x, b.x) + 1,
                 std::max(a.y, b.y) + 1);
    return true;
}

// The surface of revolution of the parametric curve: each point's search
// for the curve's parameter starts where the last one ended.
constexpr int kRevolvedCurveForm = 20;

// Whether the mesh's heights are functions of the point alone: every form
// they may read, the expanded one included, keeps no state between points.
bool MeshHeightsStateless(const CPemroView& v, int upperIndex, int lowerIndex) {
    for (int k : {upperIndex, lowerIndex, v.m_nSurfaceUpper, v.m_nSurfaceLower})
        if (k == kRevolvedCurveForm) return false;
    return true;
}

} // namespace

void CPemroView::DrawStrokePx(CDC* pDC, CPoint a, CPoint b, COLORREF colour) {
    CRect box;
    if (StrokeBox(m_nPixelSize, a, b, &box)) {
        if (IsFigureBandVisible()) pDC->FillSolidRect(box, colour);
        return;
    }
    DrawLinePxB(pDC, m_nPixelSize, a.x, a.y, b.x, b.y, colour);
}

void CPemroView::DrawLine3DFast(CDC* pDC, double x1, double y1, double z1, double x2, double y2,
                                double z2, COLORREF colour) {
    if (!IsFigureBandVisible()) return;
    CPoint a, b;
    if (ProjectSegment3D(x1, y1, z1, x2, y2, z2, &a, &b)) DrawStrokePx(pDC, a, b, colour);
}

BOOL CPemroView::IsSolidDrawn() const {
    return IsFigureBandVisible() && IsSceneUsable() && IsSceneRedrawn() && !m_bAnsweringClick;
}

void CPemroView::DrawSolidBetweenSurfaces(CDC* pDC, double x1, double x2, double y1, double y2,
                                          int upperIndex, int lowerIndex) {
    if (!IsSolidDrawn()) return;
    SurfacePass pass(*this);
    const double hx = m_dXSpan / (m_nMeshDivX < 1 ? 1 : m_nMeshDivX);
    const double hy = m_dYSpan / (m_nMeshDivY < 1 ? 1 : m_nMeshDivY);
    const bool straight =
        m_dRotationAngle == 0 && m_nAxisArrangement != 2 && m_nAxisArrangement != 3;
    // Columns a pixel apart down the screen at most: the finer steps put
    // about ten on one pixel, which drew the same strokes again.
    const double sx = std::max(m_dParamStep, straight ? 1.0 : 0.0) * m_dXSpan / m_nProjScaleX;
    const double sy = 0.5 * m_dYSpan / m_nProjScaleY;
    const double B = m_nBrightness3D;
    // Neighbouring columns may still project to the very strokes of the
    // column before them. Painting a run of opaque strokes again right after
    // itself changes no pixel, so such a column is projected and compared
    // but not painted.
    const bool skipRepeats = DrawingCachesEnabled() && pDC->GetROP2() == R2_COPYPEN;
    StrokeColumn column, before;
    // ProjectPoint3D's terms: the x ones kept for the column, the y and z
    // ones of a stroke's end kept for the next stroke, which starts there.
    // The same arithmetic in the same order, so the same pixels.
    const double scaleY = m_nProjScaleY, scaleZ = m_nProjScaleZ;
    double termXk = 0, termXz = 0;
    const auto termY = [&](double y) { return (y - m_dYMin) * scaleY / m_dYSpan; };
    const auto inBox = [&](double z) { return m_dZMin <= z && z <= m_dZMax; };
    // A surface at one sample: its height, the height's projection term
    // and its level in the box (the shading).
    struct Height {
        double z, term, level;
    };
    const auto height = [&](double z) {
        return Height{z, (z - m_dZMin) * scaleZ / m_dZSpan, (z - m_dZMin) / m_dZSpan};
    };
    const auto project = [&](double ty, const Height& h, CPoint* p) {
        const double ox = ty - termXk;
        const double oy = termXz - h.term;
        if (!IsDrawable(ox) || !IsDrawable(oy)) return false;
        *p = CPoint(m_nProjOriginX + ToPixel(ox), m_nProjOriginY + ToPixel(oy));
        return true;
    };
    // The two surfaces as the view evaluates them, their per-point choices
    // made once: the filling samples them at every half pixel.
    const SurfacePass::Sampler upper(*this, 0, upperIndex), lower(*this, 1, lowerIndex);
    // The stroke from (x, y, h0.z) to (x, y + sy, h1.z), its ends' y terms
    // ty0 and ty1.
    // A stroke of a turned scene, or one with an end outside the box.
    const auto otherStroke = [&](double x, double y, double z0, double z1, COLORREF colour) {
        if (!skipRepeats) return DrawLine3D(pDC, x, y, z0, x, y + sy, z1, colour);
        CPoint a, b;
        if (ProjectSegment3D(x, y, z0, x, y + sy, z1, &a, &b)) column.Push({a, b, colour});
    };
    const auto stroke = [&](double x, double y, double ty0, double ty1, const Height& h0,
                            const Height& h1, COLORREF colour) {
        if (!(skipRepeats && straight && inBox(h0.z) && inBox(h1.z)))
            return otherStroke(x, y, h0.z, h1.z, colour);
        CPoint a, b;
        if (project(ty0, h0, &a) && project(ty1, h1, &b)) column.Push({a, b, colour});
    };
    Steps(x1, x2 - hx / 2, hx, false, [&](double x0) {
        Steps(y1, y2 - hy / 2, hy, true, [&](double y0) {
            Steps(x0, x0 + hx, sx, false, [&](double x) {
                column.Clear();
                termXk = (x - m_dXMin) * m_dObliqueFactor * m_nProjScaleX / m_dXSpan;
                termXz = (x - m_dXMin) * m_nProjScaleX / m_dXSpan;
                double r0 = EvalRegionFunction(x, y0, m_nFuncF);
                Height f0 = height(upper(x, y0)), g0 = height(lower(x, y0));
                // The y term of the last stroke's end, and where that end is.
                double lastY = NAN, lastTy = 0;
                Steps(y0, y0 + hy, sy, true, [&](double y) {
                    const double yEnd = y + sy;
                    const double r1 = EvalRegionFunction(x, yEnd, m_nFuncF);
                    const Height g1 = height(lower(x, yEnd));
                    const Height f1 = height(upper(x, yEnd));
                    if (r0 >= 0 && r1 >= 0) {
                        const double ty0 = y == lastY ? lastTy : termY(y);
                        const double ty1 = termY(yEnd);
                        lastY = yEnd, lastTy = ty1;
                        const double t = g0.level;
                        stroke(x, y, ty0, ty1, g0, g1, solid::PackRGB(t * B, t * B, 255));
                        const double u = 1 - f0.level;
                        stroke(x, y, ty0, ty1, f0, f1, solid::PackRGB(255, u * B, u * B));
                    }
                    r0 = r1, f0 = f1, g0 = g1;
                });
                if (!skipRepeats || column == before) return;
                // The column's boxes go straight into the image; its lines are
                // drawn as DrawLinePx draws them, in a pen changed only where
                // the stroke's width or colour changes.
                const CDC::DirectBoxes direct = pDC->Direct();
                const CPenSelect keep(pDC, pDC->GetCurrentPen());
                CPen pen(PS_NULL, -1, 0);
                for (const ProjectedStroke& s : column) {
                    CRect box;
                    if (StrokeBox(m_nPixelSize, s.a, s.b, &box)) {
                        if (!direct.Box(box, s.colour)) pDC->FillSolidRect(box, s.colour);
                        continue;
                    }
                    if (!IsDrawable(s.a.x) || !IsDrawable(s.a.y) || !IsDrawable(s.b.x) ||
                        !IsDrawable(s.b.y))
                        continue;
                    const int width = StrokeWidth(m_nPixelSize, s.a, s.b);
                    // A one-pixel line one step long is its first pixel.
                    const bool step = std::abs(s.b.x - s.a.x) <= 1 && std::abs(s.b.y - s.a.y) <= 1;
                    if (width <= 1 && step &&
                        direct.Box(CRect(s.a.x, s.a.y, s.a.x + 1, s.a.y + 1), s.colour))
                        continue;
                    if (pen.nStyle != PS_SOLID || pen.nWidth != width || pen.crColor != s.colour)
                        pen = CPen(PS_SOLID, width, s.colour), pDC->SelectObject(pen);
                    pDC->MoveTo(s.a);
                    pDC->LineTo(s.b);
                }
                std::swap(column, before);
            });
        });
    });
}

void CPemroView::DrawSurfaceWireMesh(CDC* pDC, double x1, double x2, double y1, double y2,
                                     int upperIndex, int lowerIndex, int nx, int ny,
                                     COLORREF crUpper, COLORREF crLower) {
    if (!IsSceneUsable() || nx < 1 || ny < 1) return;
    const double sx = m_dParamStep * m_dXSpan / m_nProjScaleX;
    const double sy = 0.5 * m_dYSpan / m_nProjScaleY;
    const double cx = m_dXSpan / nx, cy = m_dYSpan / ny;
    const auto surface = [&](bool upper, double x, double y) {
        return upper ? EvalSurfaceF(x, y, upperIndex) : EvalSurfaceG(x, y, lowerIndex);
    };
    if (!MeshHeightsStateless(*this, upperIndex, lowerIndex) || pDC->GetROP2() != R2_COPYPEN) {
        // A surface of revolution of a parametric curve starts each point's
        // search where the last one ended: its points are taken in the order
        // they always were.
        const auto alongY = [&](bool upper, double x, COLORREF colour) {
            Steps(y1, y2, sy, true, [&](double y) {
                DrawLine3D(pDC, x, y, surface(upper, x, y), x, y + sy, surface(upper, x, y + sy),
                           colour);
            });
        };
        const auto alongX = [&](bool upper, double y, double to, COLORREF colour) {
            Steps(x1, to, sx, false, [&](double x) {
                DrawLine3D(pDC, x, y, surface(upper, x, y), x + sx, y, surface(upper, x + sx, y),
                           colour);
            });
        };
        Steps(x1, x2, cx, true, [&](double x) {
            if (lowerIndex > -1) alongY(false, x, crLower);
            if (upperIndex > -1) alongY(true, x, crUpper);
        });
        Steps(y1, y2, cy, true, [&](double y) {
            if (lowerIndex > -1) alongX(false, y, x2 + cx, crLower);
            if (upperIndex > -1) alongX(true, y, x2, crUpper);
        });
        return;
    }
    // Nothing of the view changes as the points are taken, so a mesh out of
    // sight takes none.
    if (!IsFigureBandVisible()) return;
    SurfacePass pass(*this);
    solid::StepStrokes strokes(*this, pDC);
    // A mesh line in half-pixel steps: a step's start is most often the
    // very point the step before ended at, whose height is then known.
    const auto line = [&](bool upper, bool alongY, double fixed, double from, double to,
                          double step, bool inclusive, COLORREF colour) {
        double endAt = std::nan(""), endZ = 0;
        Steps(from, to, step, inclusive, [&](double s) {
            const double x = alongY ? fixed : s, y = alongY ? s : fixed;
            const double z0 = s == endAt ? endZ : surface(upper, x, y);
            endAt = s + step;
            endZ = alongY ? surface(upper, x, endAt) : surface(upper, endAt, y);
            strokes.Add(0, {x, y, z0}, {alongY ? x : endAt, alongY ? endAt : y, endZ}, colour);
            strokes.EndStep();
        });
    };
    Steps(x1, x2, cx, true, [&](double x) {
        if (lowerIndex > -1) line(false, true, x, y1, y2, sy, true, crLower);
        if (upperIndex > -1) line(true, true, x, y1, y2, sy, true, crUpper);
    });
    Steps(y1, y2, cy, true, [&](double y) {
        if (lowerIndex > -1) line(false, false, y, x1, x2 + cx, sx, false, crLower);
        if (upperIndex > -1) line(true, false, y, x1, x2, sx, false, crUpper);
    });
}

void CPemroView::DrawSolidSlice(CDC* pDC, double s0, double s1, double xc, double yc,
                                COLORREF crOutline, BOOL bShade, COLORREF crShadeBase) {
    if (!HitTestGraphRegion(1) || !IsSolidDrawn()) return;
    const int plane = m_nSectionPlane;
    if (plane != 1 && plane != 2) return;
    SplitRGB(crShadeBase);
    const double R0 = m_anSplitRgb[0], G0 = m_anSplitRgb[1], B0 = m_anSplitRgb[2];
    const double B = m_nBrightness3D;
    const bool alongY = plane == 1; // the plane x = xc runs along y
    const double lo = alongY ? m_dYMin : m_dXMin, hi = alongY ? m_dYMax : m_dXMax;
    const double span = alongY ? m_dYSpan : m_dXSpan;
    const double fixed = alongY ? xc : yc;
    const int dropEvery = alongY ? kDropEveryX : kDropEveryY;
    if (s0 < lo) s0 = lo;
    if (s1 > hi) s1 = hi;
    const double step = kSliceFraction * span;
    // (s along the plane) -> the world point.
    const auto px = [&](double s) { return alongY ? xc : s; };
    const auto py = [&](double s) { return alongY ? s : yc; };
    const auto f = [&](double s) { return EvalSurfaceF(px(s), py(s), m_nSurfaceUpper); };
    const auto g = [&](double s) { return EvalSurfaceG(px(s), py(s), m_nSurfaceLower); };
    const auto r = [&](double s) { return EvalRegionFunction(px(s), py(s), m_nFuncF); };
    const auto ordered = [&](double g0, double f0) { return m_bDrawInverted || g0 <= f0; };

    double f0 = f(s0), g0 = g(s0), r0 = r(s0);
    if (r0 >= 0 && fixed != 0)
        DrawLine3DFast(pDC, px(s0), py(s0), g0, px(s0), py(s0), f0, crOutline);
    int counter = 0;
    // The slice's points s0 + n·step, counted first; s ends one step past
    // the last, where the closing edge is drawn.
    const long samples = steps::Count(s0, s1, step, kMaxSamples, true);
    double s = s0;
    for (long n = 0; n < samples; ++n) {
        s = s0 + double(n) * step;
        const double r1 = r(s + step), f1 = f(s + step), g1 = g(s + step);
        if (r0 >= 0 && r1 >= 0 && ordered(g0, f0)) {
            DrawLine3DFast(pDC, px(s), py(s), g0, px(s + step), py(s + step), g1, crOutline);
            DrawLine3DFast(pDC, px(s), py(s), f0, px(s + step), py(s + step), f1, crOutline);
            const double t = (s - lo) / span;
            if (bShade) {
                const COLORREF shade =
                    MakeRGB(solid::Blend(t, B, R0), solid::Blend(t, B, G0), solid::Blend(t, B, B0));
                DrawLine3DFast(pDC, px(s), py(s), g0, px(s), py(s), f0, shade);
                if (m_nProjectionDisplay == 2) DrawLineWorldIfEnabled(pDC, s, g0, s, f0, shade);
                if (counter == dropEvery) {
                    DrawLine3DFast(pDC, px(s), py(s), g0, px(s), py(s), m_dZMin,
                                   MakeRGB(solid::Blend(t, 100, R0), solid::Blend(t, 100, G0),
                                           solid::Blend(t, 100, B0)));
                    counter = 0;
                }
                ++counter;
            }
        }
        f0 = f1, g0 = g1, r0 = r1;
    }
    if (samples > 0) s = s0 + double(samples) * step;
    if (r0 >= 0 && fixed != 0 && ordered(g0, f0))
        DrawLine3DFast(pDC, px(s), py(s), g0, px(s), py(s), f0, crOutline);
    if (lo * hi < 0) DrawLineWorldIfEnabled(pDC, 0, m_dZMin, 0, m_dZMax, m_crAxes);
    if (m_dZMin * m_dZMax < 0) DrawLineWorldIfEnabled(pDC, lo, 0, hi, 0, m_crAxes);
}
