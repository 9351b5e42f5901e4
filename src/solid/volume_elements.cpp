// Cylindrical and spherical coordinates in the coordinate frame: the point
// picked on the floor with its coordinate arrows, the volume element at it
// with the wedges that place it, and a partition of the solid between the
// two surfaces into such elements.
#include "view/view.h"

#include "platform/real_steps.h"
#include "platform/text_codec.h"
#include "render/oblique_projection.h"
#include "render/pixel_line.h"
#include "solid/math/coord_math.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>
#include <vector>

namespace {

constexpr int kArgCylCoord = 9;
constexpr int kArgSpherCoord = 11;
// Chords of one arc of an element: 500 at most, fewer on a short arc, where
// they would be shorter than a fifth of a pixel step of the box (a
// partition draws thousands of arcs).
constexpr int kArcChords = 500;
constexpr double kChordsPerSpan = 400;
// Cells along one direction of a partition sweep, whatever the steps.
constexpr int kSweepCap = 400;
// Volume elements of a partition in all.
constexpr double kSweepElements = 20000;

constexpr double kPartition = 1.0, kElement = 2.0, kCancelled = 3.0;
constexpr int kVolumeButtonRow = 24;

// Rows of the buttons right of the figure: 24 apart, closer where the
// buttons are smaller (a small window), so that the nine rows of a partition
// end above the labels of the y axis there.
int VolumeButtonRow(const CPemroView& v) {
    return std::min(kVolumeButtonRow, v.ButtonHeight() + 4);
}

bool Strictly(double lo, double v, double hi) {
    return lo < v && v < hi;
}

// The segments of one element drawn as DrawLine3D draws them, with each
// chord end projected once (an arc's chords share their ends) and the
// strokes that lie inside the clip written straight into the image. A
// partition draws a quarter of a million chords, a pixel or two each.
class ElementStrokes {
public:
    ElementStrokes(CPemroView& v, CDC* pDC, COLORREF colour)
        : m_view(v), m_pDC(pDC), m_projection(v), m_direct(pDC->Direct()), m_colour(colour) {}
    ~ElementStrokes() {
        if (m_moved) m_pDC->MoveTo(m_last);
    }
    void Start(const solid::Vec3& p) { m_from = Place(p); }
    void To(const solid::Vec3& p) {
        const End e = Place(p);
        Stroke(m_from, e);
        m_from = e;
    }
    void Segment(const solid::Vec3& a, const solid::Vec3& b) { Stroke(Place(a), Place(b)); }

private:
    struct End {
        solid::Vec3 world;
        bool inRange, projected;
        int x, y; // the pixel, when projected
    };
    End Place(const solid::Vec3& p) const {
        End e{p, false, false, 0, 0};
        double x = p.x, y = p.y, z = p.z;
        m_projection.Place(&x, &y, &z);
        // Inside the z range a segment is not clipped: its ends project alone.
        e.inRange = !(z > m_view.m_dZMax) && !(z < m_view.m_dZMin);
        if (e.inRange) e.projected = m_projection.Project(x, y, z, &e.x, &e.y);
        return e;
    }
    void Stroke(const End& a, const End& b) {
        if (a.inRange && b.inRange) {
            if (a.projected && b.projected) Draw(a.x, a.y, b.x, b.y);
            return;
        }
        CPoint p, q;
        const solid::Vec3 &u = a.world, &w = b.world;
        if (m_view.ProjectSegment3D(u.x, u.y, u.z, w.x, w.y, w.z, &p, &q)) Draw(p.x, p.y, q.x, q.y);
    }
    // DrawLinePx's stroke: a two-pixel box along an axis, else a line.
    // Coordinates as ints: a point packed from two int stores stalls.
    void Draw(int ax, int ay, int bx, int by) {
        if (!IsDrawable(ax) || !IsDrawable(ay) || !IsDrawable(bx) || !IsDrawable(by)) return;
        const int width = render::PixelLineWidth(m_view.m_nPixelSize, ax, ay, bx, by);
        const CPoint a(ax, ay), b(bx, by);
        CRect box;
        const bool direct = render::PixelStrokeBox(width, a, b, &box)
                                ? m_direct.Box(box, m_colour)
                                : width <= 1 && m_direct.Line(a, b, m_colour);
        if (!direct) {
            m_view.DrawLinePxB(m_pDC, m_view.m_nPixelSize, ax, ay, bx, by, m_colour);
            m_moved = false;
            return;
        }
        m_moved = true;
        m_last = b;
    }

    CPemroView& m_view;
    CDC* m_pDC;
    const ObliqueProjection m_projection;
    const CDC::DirectBoxes m_direct;
    const COLORREF m_colour;
    End m_from{};
    bool m_moved = false;
    CPoint m_last;
};

} // namespace

// Sines and cosines of the chord ends of arcs, start + i·step + step as the
// chord loops step them: the elements of a partition on one ring or one
// cone share their arcs' angles, so each arc's are worked out once.
struct CPemroView::ArcAngles {
    // sin, cos of the start, then of each chord's far end: 2(n + 1) values.
    const double* SinCos(double start, double step, long n) {
        auto found = tables.try_emplace(std::make_tuple(start, step, n));
        std::vector<double>& t = found.first->second;
        if (found.second) {
            t.resize(2 * std::size_t(n + 1));
            t[0] = std::sin(start), t[1] = std::cos(start);
            for (long i = 0; i < n; ++i) {
                const double a = start + double(i) * step + step;
                t[2 * i + 2] = std::sin(a), t[2 * i + 3] = std::cos(a);
            }
        }
        return t.data();
    }
    std::map<std::tuple<double, double, long>, std::vector<double>> tables;
};

void CPemroView::CmdCylCoord(CDC* pDC) {
    ReadPlotSetup3D(kArgCylCoord);
    m_nProjectionDisplay = 0;
    if (m_bFigureVisible) DrawCylCoord(pDC);
}

void CPemroView::CmdSpherCoord(CDC* pDC) {
    ReadPlotSetup3D(kArgSpherCoord);
    m_nProjectionDisplay = 0;
    if (m_bFigureVisible) DrawSpherCoord(pDC);
}

void CPemroView::DrawVolumeElementButtons(CDC* pDC, double* pLastStep, const char* moreLast,
                                          const char* fewerLast) {
    const int x = m_nFigureRight + 2, T = m_nFigureTop;
    const int row = VolumeButtonRow(*this);
    if (TextButton(pDC, x, T, Gbk(u8"分割"))) m_dDemoVariant = kPartition;
    if (TextButton(pDC, x, T + row, Gbk(u8"体元"))) m_dDemoVariant = kElement;
    if (TextButton(pDC, x, T + 2 * row, Gbk(u8"取消"))) m_dDemoVariant = kCancelled;
    if (m_dDemoVariant != kPartition && m_dDemoVariant != kElement) return;
    struct Step {
        const char* label;
        double* value;
        double factor;
    } const steps[] = {
        {u8"dθ增", &m_dDTheta, 1.25}, {u8"dθ减", &m_dDTheta, 0.8}, {u8"dr增", &m_dDR, 1.25},
        {u8"dr减", &m_dDR, 0.8},      {moreLast, pLastStep, 1.25}, {fewerLast, pLastStep, 0.8},
    };
    int y = T + 3 * row - 2;
    for (const Step& s : steps) {
        if (TextButton(pDC, x, y, Gbk(s.label))) *s.value *= s.factor;
        y += row;
    }
}

void CPemroView::DrawCoordinateArrow3D(CDC* pDC, const double p[3], const double q[3],
                                       int placement, int lines, const char* label) {
    if (p[0] != q[0] || p[1] != q[1] || p[2] != q[2]) {
        DrawArrow3D(pDC, p[0], p[1], p[2], q[0], q[1], q[2], placement, "", Gbk(label),
                    m_crCurveSetting);
        return;
    }
    // Drawn where the arrow would put it, lifted off the labels at the point.
    double x = q[0], y = q[1];
    TurnPoint3D(&x, &y);
    int sx = 0, sy = 0;
    if (!IsFigureBandVisible() || !ProjectPoint3D(x, y, q[2], &sx, &sy)) return;
    const int h = std::abs(m_lfCurrent.lfHeight);
    const CPoint at = ClearOfFigureText(pDC, sx - h, sy - lines * h, Gbk(label));
    DrawString(pDC, at.x, at.y, Gbk(label), m_crCurveSetting);
}

void CPemroView::DrawCylCoord(CDC* pDC) {
    DrawCoordinateSystem(pDC);
    if (!IsFigureBandVisible() || !(m_bFullRepaint || HitTestGraphRegion(0))) return;
    DrawString(pDC, m_nProjOriginX + 10, m_nProjOriginY - m_nProjScaleZ, Gbk(u8"在底面上选一点"),
               m_crDefaultPen);
    DrawVolumeElementButtons(pDC, &m_dDZ, u8"dz增", u8"dz减");
    if (m_dDemoVariant != kPartition) {
        m_dDTheta = solid::KeepWithin(m_dDTheta, 0.1, 1.0);
        m_dDR = solid::KeepWithin(m_dDR, 0.05, 0.2);
        m_dDZ = solid::KeepWithin(m_dDZ, 0.05, 0.4);
    } else {
        // The partition grows without bound but never shrinks below the
        // smallest steps: its cost is the cube of their inverse.
        m_dDTheta = Max2(m_dDTheta, solid::kMinDTheta);
        m_dDR = Max2(m_dDR, solid::kMinDR);
        m_dDZ = Max2(m_dDZ, solid::kMinDZ);
    }
    const double dR = m_dDR * std::sqrt(m_dXSpan * m_dXSpan + m_dYSpan * m_dYSpan);
    const double dZ = m_dDZ * m_dZSpan;
    const double zP = m_dDirP, x0 = m_adCursorPoint3D[0], y0 = m_adCursorPoint3D[1];
    if (!Strictly(m_dXMin, x0, m_dXMax) || !Strictly(m_dYMin, y0, m_dYMax)) return;
    const double r0 = std::sqrt(x0 * x0 + y0 * y0);
    const double theta0 = solid::LessonPolarAngle(x0, y0);
    const double dTheta = m_dDTheta;

    if (m_dDemoVariant == kPartition || m_dDemoVariant == kElement) {
        if (!HitTestGraphRegion(0)) return;
        if (m_dDemoVariant == kPartition) {
            const double R = Min2(m_dXMax, m_dYMax);
            if (!solid::StepUsable(dTheta) || !solid::StepUsable(dR) || !solid::StepUsable(dZ))
                return;
            // Angles, radii and heights counted first, bounded together.
            long counts[2] = {steps::CountDown(1.57, 0, dTheta, kSweepCap, false),
                              steps::Count(0, R, dR, kSweepCap, false)};
            steps::FitProduct(counts, 2, kSweepElements);
            const long zCap = std::max(1L, long(kSweepElements / double(counts[0] * counts[1])));
            for (long it = 0; it < counts[0]; ++it) {
                const double t = 1.57 - double(it) * dTheta;
                for (long ir = 0; ir < counts[1]; ++ir) {
                    const double r = double(ir) * dR;
                    const double x = r * std::cos(t), y = r * std::sin(t);
                    const double zFrom = EvalSurfaceG(x, y, m_nSurfaceLower);
                    const double zTo = EvalSurfaceF(x, y, m_nSurfaceUpper);
                    const long nz = steps::Count(zFrom, zTo, dZ, zCap, false);
                    // The last ring and layer end at the solid's edge: a
                    // step grown past it would draw them out of the box.
                    const double ringWidth = Min2(dR, R - r);
                    for (long iz = 0; iz < nz; ++iz) {
                        const double z = zFrom + double(iz) * dZ;
                        if (!(EvalRegionFunction(x, y, m_nFuncF) > 0)) continue;
                        const double s = (z - m_dZMin) / m_dZSpan;
                        const double u = (t / 1.57 + s) / 2, w = (r / R + s) / 2;
                        const int* L = m_anLowerMeshRgb;
                        const int* U = m_anUpperMeshRgb;
                        const COLORREF c =
                            MakeRGB((1 - u) * L[0] + u * U[0], (1 - s) * L[1] + s * U[1],
                                    (1 - w) * L[2] + w * U[2]);
                        DrawCylVolumeElement(pDC, t, r, dTheta, ringWidth, z, Min2(z + dZ, zTo), c);
                    }
                }
            }
            return;
        }
        const double zE = Max2(zP, m_dZMin + 0.3 * m_dZSpan);
        DrawCylVolumeElement(pDC, theta0, 0, dTheta, r0, 0, zE, m_crDefaultFill);
        DrawCylVolumeElement(pDC, theta0, 0, dTheta, r0, zE, zE + dZ, m_crDefaultFill);
        DrawCylVolumeElement(pDC, theta0, r0, dTheta, dR, 0, zE, m_crDefaultFill);
        DrawCylVolumeElement(pDC, theta0, r0, dTheta, dR, zE, zE + dZ, m_crDefaultPen);
        return;
    }
    // Labels of arrows without length stand above their points, the second
    // above the first where both points are the origin.
    const double origin[3] = {0, 0, 0}, foot[3] = {x0, y0, 0}, top[3] = {x0, y0, zP};
    const bool atOrigin = x0 == 0 && y0 == 0;
    DrawCoordinateArrow3D(pDC, origin, foot, 0, 1, u8"(r,θ,0)");
    DrawCoordinateArrow3D(pDC, foot, top, 1, atOrigin ? 2 : 1, u8"(r,θ,z)");
    DrawLine3D(pDC, 0, 0, zP, x0, y0, zP, m_crCurveSetting);
    const int x = m_nFigureRight + 2, T = m_nFigureTop, row = VolumeButtonRow(*this);
    if (TextButton(pDC, x, T + 3 * row - 2, Gbk(u8"z增"))) m_dDirP += 0.05 * m_dZSpan;
    if (TextButton(pDC, x, T + 4 * row - 2, Gbk(u8"z减"))) m_dDirP -= 0.05 * m_dZSpan;
}

void CPemroView::DrawCylVolumeElement(CDC* pDC, double theta, double r, double dTheta, double dR,
                                      double z0, double z1, COLORREF colour) {
    if (!IsFigureBandVisible()) return;
    const double radii[2] = {r, r + dR}, angles[2] = {theta, theta + dTheta};
    const double span = Max2(m_dXSpan, m_dYSpan);
    for (double rho : radii) {
        const double want = std::ceil(std::fabs(rho * dTheta) * kChordsPerSpan / span);
        const double h = dTheta / Min2(kArcChords, Max2(want, 2));
        if (solid::StepUsable(h)) {
            const long n = steps::Count(0, dTheta, h, kArcChords + 2, true);
            for (long i = 0; i < n; ++i) {
                const double t = theta + double(i) * h;
                const double x1 = rho * std::cos(t), y1 = rho * std::sin(t);
                const double x2 = rho * std::cos(t + h), y2 = rho * std::sin(t + h);
                DrawLine3D(pDC, x1, y1, z0, x2, y2, z0, colour);
                DrawLine3D(pDC, x1, y1, z1, x2, y2, z1, colour);
            }
        }
    }
    for (double t : angles) {
        const double c = std::cos(t), s = std::sin(t);
        DrawLine3D(pDC, r * c, r * s, z0, (r + dR) * c, (r + dR) * s, z0, colour);
        DrawLine3D(pDC, r * c, r * s, z1, (r + dR) * c, (r + dR) * s, z1, colour);
        for (double rho : radii)
            DrawLine3D(pDC, rho * c, rho * s, z0, rho * c, rho * s, z1, colour);
    }
}

void CPemroView::DrawSpherCoord(CDC* pDC) {
    DrawCoordinateSystem(pDC);
    if (!IsFigureBandVisible() || !(m_bFullRepaint || HitTestGraphRegion(0))) return;
    DrawString(pDC, m_nProjOriginX + 10, m_nProjOriginY - m_nProjScaleZ, Gbk(u8"在底面上选一点"),
               m_crDefaultPen);
    DrawVolumeElementButtons(pDC, &m_dDPhi, u8"dφ增", u8"dφ减");
    if (m_dDemoVariant == kPartition || m_dDemoVariant == kElement) {
        m_dDTheta = solid::KeepWithin(m_dDTheta, 0.1, 1.6);
        m_dDR = solid::KeepWithin(m_dDR, 0.05, 0.2);
        m_dDPhi = solid::KeepWithin(m_dDPhi, 0.1, 1.0);
    }
    m_dDirP = solid::KeepWithin(m_dDirP, 0, 3.14);
    double dR = m_dDR * std::sqrt(m_dXSpan * m_dXSpan + m_dYSpan * m_dYSpan);

    if (m_dDemoVariant == kPartition) {
        const double R = Min2(m_dXSpan, m_dYSpan) / 2;
        dR = Max2(dR, 0.1 * R);
        m_dDTheta = Max2(m_dDTheta, 0.4);
        m_dDPhi = Max2(m_dDPhi, 0.2);
        const double dT = m_dDTheta, dP = m_dDPhi;
        if (!solid::StepUsable(dR)) return;
        ArcAngles angles;
        const auto element = [&](double t, double p, double r) {
            DrawSphVolumeElement(pDC, t, p, r, dT, dP, dR,
                                 MakeRGB(20 * t + 155, 40 * p + 100, 255 * (1 - r / R)), FALSE,
                                 &angles);
        };
        // The steps' floors above bound these counts; counted first all the same.
        const long nR = steps::CountDown(R, 0, dR, kSweepCap, false);
        const long nP = steps::CountDown(1.57, 0, dP, kSweepCap, false);
        const long nBack = steps::Count(1.57, 4.7, dT, kSweepCap, false);
        const long nFront = steps::Count(4.7, 6.28, dT, kSweepCap, false);
        const long nSide = steps::CountDown(1.57, 0, dT, kSweepCap, false);
        for (long ir = 0; ir < nR; ++ir)
            for (long ip = 0; ip < nP; ++ip)
                for (long it = 0; it < nBack; ++it)
                    element(1.57 + double(it) * dT, 1.57 - double(ip) * dP, R - double(ir) * dR);
        const long nPUp = steps::Count(0, 1.57, dP, kSweepCap, false);
        const long nROut = steps::Count(0, R, dR, kSweepCap, false);
        for (long ip = 0; ip < nPUp; ++ip)
            for (long ir = 0; ir < nROut; ++ir) {
                const double p = double(ip) * dP, r = double(ir) * dR;
                for (long it = 0; it < nFront; ++it) element(4.7 + double(it) * dT, p, r);
                for (long it = 0; it < nSide; ++it) element(1.57 - double(it) * dT, p, r);
            }
        return;
    }
    const double x0 = m_adCursorPoint3D[0], y0 = m_adCursorPoint3D[1];
    const double r0 = std::sqrt(x0 * x0 + y0 * y0);
    if (m_dDemoVariant == kElement) {
        m_dDirP = solid::KeepWithin(m_dDirP, 0.2, 2.9);
        if (!Strictly(m_dXMin, x0, m_dXMax) || !Strictly(m_dYMin, y0, m_dYMax)) return;
        const double t0 = solid::LessonPolarAngle(x0, y0), p0 = m_dDirP;
        const double dT = m_dDTheta, dP = m_dDPhi;
        ArcAngles angles;
        DrawSphVolumeElement(pDC, t0, 0, 0, dT, 1.57, r0, m_crCurveSetting, TRUE, &angles);
        const solid::Vec3 a = solid::SphericalPoint(r0, t0 + dT, p0);
        const solid::Vec3 b = solid::SphericalPoint(r0, t0, p0);
        const double zc = r0 * std::cos(p0);
        DrawLine3D(pDC, 0, 0, zc, a.x, a.y, a.z, m_crSecondDerivative);
        DrawLine3D(pDC, 0, 0, zc, b.x, b.y, b.z, m_crSecondDerivative);
        DrawSphVolumeElement(pDC, t0, 0, r0, dT, 1.57, dR, m_crCurveSetting, TRUE, &angles);
        DrawSphVolumeElement(pDC, t0, p0, 0, dT, dP, r0, m_crDefaultFill, TRUE, &angles);
        DrawSphVolumeElement(pDC, t0, p0, r0, dT, dP, dR, m_crDefaultPen, TRUE, &angles);
        return;
    }
    const double zc = r0 * std::cos(m_dDirP), rho = std::sqrt(x0 * x0 + y0 * y0 + zc * zc);
    const double origin[3] = {0, 0, 0}, foot[3] = {x0, y0, 0}, top[3] = {x0, y0, zc};
    const bool atOrigin = x0 == 0 && y0 == 0;
    DrawCoordinateArrow3D(pDC, origin, foot, 0, 1, u8"(r,θ,π/2)");
    DrawArc3D(pDC, 0, 0, 0, 0, 0, rho / 4, x0 / 4, y0 / 4, zc / 4, m_crDefaultPen);
    DrawCoordinateArrow3D(pDC, foot, top, 1, atOrigin ? 2 : 1, u8"(r,θ,φ)");
    DrawArc3D(pDC, 0, 0, 0, rho / 4, 0, 0, x0 / 4, y0 / 4, 0, m_crDefaultPen);
    DrawLine3D(pDC, 0, 0, 0, x0, y0, zc, m_crCurveSetting);
    const int x = m_nFigureRight + 2, T = m_nFigureTop, row = VolumeButtonRow(*this);
    if (TextButton(pDC, x, T + 3 * row - 2, Gbk(u8"φ增"))) m_dDirP += 0.1;
    if (TextButton(pDC, x, T + 4 * row - 2, Gbk(u8"φ减"))) m_dDirP -= 0.1;
}

void CPemroView::DrawSphVolumeElement(CDC* pDC, double theta, double phi, double r, double dTheta,
                                      double dPhi, double dR, COLORREF colour, BOOL bAlways,
                                      ArcAngles* pAngles) {
    if (!bAlways) {
        const solid::Vec3 c = solid::SphericalPoint(r + dR / 2, theta + dTheta / 2, phi + dPhi / 2);
        if (!(EvalRegionFunction(c.x, c.y, m_nFuncF) > 0) ||
            !(EvalSurfaceF(c.x, c.y, m_nSurfaceUpper) > c.z) ||
            !(EvalSurfaceG(c.x, c.y, m_nSurfaceLower) < c.z))
            return;
    }
    if (!IsFigureBandVisible()) return;
    ElementStrokes strokes(*this, pDC, colour);
    const double radii[2] = {r, r + dR}, thetas[2] = {theta, theta + dTheta},
                 phis[2] = {phi, phi + dPhi};
    const double span = Max2(m_dXSpan, m_dYSpan);
    const auto stepFor = [&](double rho, double angle) {
        const double want = std::ceil(std::fabs(rho * angle) * kChordsPerSpan / span);
        return angle / Min2(kArcChords, Max2(want, 2));
    };
    for (double p : phis)
        for (double rho : radii) {
            const double ht = stepFor(rho, dTheta);
            if (solid::StepUsable(ht)) {
                const long n = steps::Count(0, dTheta, ht, kArcChords + 2, true);
                const double* sc = pAngles->SinCos(theta, ht, n);
                const double rs = rho * std::sin(p), z = rho * std::cos(p);
                strokes.Start({rs * sc[1], rs * sc[0], z});
                for (long i = 1; i <= n; ++i) strokes.To({rs * sc[2 * i + 1], rs * sc[2 * i], z});
            }
        }
    for (double t : thetas)
        for (double rho : radii) {
            const double hp = stepFor(rho, dPhi);
            if (solid::StepUsable(hp)) {
                const long n = steps::Count(0, dPhi, hp, kArcChords + 2, true);
                const double* sc = pAngles->SinCos(phi, hp, n);
                const double cx = rho * std::cos(t), cy = rho * std::sin(t);
                for (long i = 0; i <= n; ++i) {
                    const double s = sc[2 * i], c = sc[2 * i + 1];
                    const solid::Vec3 q{cx * s, cy * s, rho * c};
                    if (i == 0)
                        strokes.Start(q);
                    else
                        strokes.To(q);
                }
            }
        }
    for (double t : thetas)
        for (double p : phis)
            strokes.Segment(solid::SphericalPoint(r, t, p), solid::SphericalPoint(r + dR, t, p));
}
