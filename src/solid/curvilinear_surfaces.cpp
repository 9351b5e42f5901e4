// Surfaces given in spherical coordinates ρ = S(θ, φ) and in cylindrical
// coordinates, z = S(x, y) over a (θ, r) grid or r = S(θ, z): a dense fill
// of short chords in graded colours with a coarse mesh over it.
#include "view/view.h"

#include "catalog/surface_pass.h"
#include "platform/real_steps.h"
#include "platform/text_codec.h"
#include "script/script_args.h"
#include "solid/math/coord_math.h"
#include "solid/step_strokes.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

using solid::P3;
using solid::StepStrokes;

constexpr int kArgSphSurf = 8;
constexpr int kArgCylSurf = 8;
// Sample runs of one cell edge: ten fine steps per coarse one, a little
// more for rounding; coarse cells along one parameter; fine points of all
// cells together past which a cell takes fewer, and then how many all take
// together, which keeps a figure's pass short whatever its density; the
// fewest fine points across a cell, which still reach its far side.
constexpr long kFineCap = 400;
constexpr long kCoarseCap = 400;
constexpr double kMaxGridPoints = 400000;
constexpr double kDenseGridPoints = 100000;
constexpr long kMinFinePoints = 3;
constexpr double kQuarterTurn = 1.5708;

bool InOpenBox(const CPemroView& v, const P3& p) {
    return v.m_dXMin < p.x && p.x < v.m_dXMax && v.m_dYMin < p.y && p.y < v.m_dYMax;
}
bool InClosedBoxXY(const CPemroView& v, const P3& p) {
    return v.m_dXMin <= p.x && p.x <= v.m_dXMax && v.m_dYMin <= p.y && p.y <= v.m_dYMax;
}

// The cells of a surface and the fine points across one cell, counted from
// the ranges and steps before drawing. Every cell is drawn, so the surface
// stays whole however dense its mesh; where all their fine points together
// would pass kMaxGridPoints, each cell takes fewer, spread over the whole
// cell.
struct CellGrid {
    long outer, inner; // cells
    long fineA, fineB; // fine points across a cell along the outer, the inner parameter
    double stepA, stepB;
};

CellGrid FitCells(long outer, long inner, double cellA, double fineA, double cellB, double fineB) {
    const long nominal[2] = {steps::Count(0, cellA, fineA, kFineCap, true),
                             steps::Count(0, cellB, fineB, kFineCap, true)};
    long c[2] = {nominal[0], nominal[1]};
    const double cells = std::max(1.0, double(outer) * double(inner));
    // Cells that many are a few pixels across, and their mesh chords
    // (fanned from a corner on a sphere) cost with the fine points, their
    // fans with its square: past the bound a few points per cell draw the
    // same lines.
    if (cells * double(c[0]) * double(c[1]) > kMaxGridPoints)
        steps::FitProduct(c, 2, kDenseGridPoints / cells);
    for (int k = 0; k < 2; ++k) c[k] = std::max(c[k], std::min(nominal[k], kMinFinePoints));
    const auto spread = [](long n, long nominal, double cell, double step) {
        return n < nominal && n > 1 ? cell / double(n - 1) : step;
    };
    return {outer,
            inner,
            c[0],
            c[1],
            spread(c[0], nominal[0], cellA, fineA),
            spread(c[1], nominal[1], cellB, fineB)};
}

// An angle with the cosine and sine a surface point takes of it.
struct Angle {
    double a, c, s;
};
Angle ThetaAngle(double t) {
    return Angle{t, std::cos(t + kQuarterTurn), std::sin(t + kQuarterTurn)};
}

Angle PhiAngle(double p) {
    return Angle{p, std::cos(p), std::sin(p)};
}

// Whether a draw may be left to a later one of the same strokes: opaque
// strokes set the same pixels again whatever was drawn in between.
bool LaterDrawRepeats(CDC* dc) {
    return DrawingCachesEnabled() && dc->GetROP2() == R2_COPYPEN;
}

COLORREF Mix(const int* a, const int* b, double d) {
    return CPemroView::MakeRGB((1 - d) * a[0] + d * b[0], (1 - d) * a[1] + d * b[1],
                               (1 - d) * a[2] + d * b[2]);
}

} // namespace

void CPemroView::CmdSphSurf(CDC* pDC) {
    ReadPlotSetup3D(kArgSphSurf);
    if (!m_bFigureVisible) return;
    m_nUpperSurfaceStyle = m_nFuncUpper;
    m_nLowerSurfaceStyle = m_nFuncLower;
    for (double& r : m_adSurfParamRange) r = ReadScriptNumber(m_nParsePos);
    const double* r = m_adSurfParamRange;
    DrawSphSurf(pDC, m_nRegionType, r[0], r[1], r[2], r[3]);
}

void CPemroView::CmdCylSurf(CDC* pDC) {
    ReadPlotSetup3D(kArgCylSurf);
    if (!m_bFigureVisible) return;
    m_nUpperSurfaceStyle = m_nFuncUpper;
    m_nLowerSurfaceStyle = m_nFuncLower;
    for (double& r : m_adSurfParamRange) r = ReadScriptNumber(m_nParsePos);
    if (m_bLoadScriptSettings) {
        const bool open = IsArgListOpen();
        m_nDemoOption = open ? ScriptInt(ReadScriptNumber(m_nParsePos)) : 0;
        m_nSideSurfaces = open && IsArgListOpen() ? ScriptInt(ReadScriptNumber(m_nParsePos)) : 0;
    }
    const double* r = m_adSurfParamRange;
    DrawCylSurf(pDC, m_nRegionType, r[0], r[1], r[2], r[3], m_nDemoOption);
}

void CPemroView::ComputeCurvilinearSurfacePoint(double theta, double s, int type, int surface,
                                                int form) {
    if (surface == 0 ? m_nSurfaceUpper <= 0 : surface == 1 ? m_nSurfaceLower <= 0 : true) return;
    const double c = std::cos(theta + kQuarterTurn), sn = std::sin(theta + kQuarterTurn);
    if (type == 0) {
        const double rho = surface == 0 ? EvalSurfaceCatalogueF(theta, s, m_nSurfaceUpper)
                                        : EvalSurfaceG(theta, s, m_nSurfaceLower);
        m_adMousePoint[0] = rho * c * std::sin(s);
        m_adMousePoint[1] = rho * sn * std::sin(s);
        m_adMousePoint[2] = rho * std::cos(s);
    } else if (type == 1) {
        const auto S = [&](double a, double b) {
            return surface == 0 ? EvalSurfaceF(a, b, m_nSurfaceUpper)
                                : EvalSurfaceG(a, b, m_nSurfaceLower);
        };
        if (form == 1) {
            const double r = S(theta, s);
            m_adMousePoint[0] = r * c;
            m_adMousePoint[1] = r * sn;
        } else {
            m_adMousePoint[0] = s * c;
            m_adMousePoint[1] = s * sn;
            m_adMousePoint[2] = S(m_adMousePoint[0], m_adMousePoint[1]);
        }
    }
}

void CPemroView::DrawSphSurf(CDC* pDC, int overlay, double theta1, double theta2, double phi1,
                             double phi2) {
    m_nProjectionDisplay = 0;
    DrawSurfaceScene(pDC, overlay, 0, 0, 0, 0, 0, 0, "x", "y", "z");
    const double M =
        std::sqrt(double(m_nMeshDivX) * m_nMeshDivX + double(m_nMeshDivY) * m_nMeshDivY);
    const double dT = 15.7 / M, dP = 7.85 / M;
    const double dTf = 0.1 * dT / (m_nLabelZoom + 1), dPf = 0.1 * dP / (m_nLabelZoom + 1);
    if (!IsFigureBandVisible() || !IsFigureRedrawn()) return;
    if (!solid::StepUsable(dT) || !solid::StepUsable(dP) || !solid::StepUsable(dTf) ||
        !solid::StepUsable(dPf) || !IsSceneUsable())
        return;
    const bool repeats = LaterDrawRepeats(pDC);
    // Thousands of points: the surfaces' coefficients are read once for all.
    SurfacePass pass(*this);
    // The surfaces with their choices made once. The radius of the upper
    // surface is its catalogue form, which the view's evaluation gives in
    // the mode that takes the surfaces as they are.
    const SurfacePass::Sampler upperAt(*this, 0, m_nSurfaceUpper),
        lowerAt(*this, 1, m_nSurfaceLower);
    const auto upperRho = [&](double t, double p) {
        return m_nSurfaceEvalMode == 0 ? upperAt(t, p)
                                       : EvalSurfaceCatalogueF(t, p, m_nSurfaceUpper);
    };
    const auto depth = [&](const P3& p) {
        return ((m_dXMax - p.x) / m_dXSpan + (p.z - m_dZMin) / m_dZSpan) / 2;
    };
    const auto inBox = [&](const P3& p) {
        return InClosedBoxXY(*this, p) && m_dZMin <= p.z && p.z <= m_dZMax;
    };
    const int grey150[3] = {150, 150, 150}, grey200[3] = {200, 200, 200};
    const bool upper = m_nSurfaceUpper > 0, lower = m_nSurfaceLower > 0;
    const CellGrid g =
        FitCells(steps::CountDown(phi2, phi1, dP, kCoarseCap, true),
                 steps::Count(theta1, theta2, dT, kCoarseCap, false), dP, dPf, dT, dTf);
    // ComputeCurvilinearSurfacePoint's point from angles whose sines and
    // cosines were taken before: a cell's rows and columns share them.
    const auto pointAt = [&](const Angle& t, const Angle& p, int surface) {
        if (surface == 0 ? m_nSurfaceUpper > 0 : m_nSurfaceLower > 0) {
            const double rho = surface == 0 ? upperRho(t.a, p.a) : lowerAt(t.a, p.a);
            m_adMousePoint[0] = rho * t.c * p.s;
            m_adMousePoint[1] = rho * t.s * p.s;
            m_adMousePoint[2] = rho * p.c;
        }
        return P3{m_adMousePoint[0], m_adMousePoint[1], m_adMousePoint[2]};
    };
    // Without a shaded surface the fill's points would all be passed over.
    const bool fills = (m_nUpperSurfaceStyle != 0 && upper) || (m_nLowerSurfaceStyle != 0 && lower);
    const size_t fineB = size_t(std::max(g.fineB, 0L));
    std::vector<Angle> column(size_t(std::max(g.fineA, 0L)));
    // A fan of mesh chords from the corner (t, p) to the points whose
    // varying angle is qs, along θ or along φ.
    const auto meshFan = [&](const Angle& t, const Angle& p, const Angle* qs, long n,
                             bool alongTheta) {
        const P3 pu = pointAt(t, p, 0), pl = pointAt(t, p, 1);
        // The fan's colours and whether it is drawn follow from its corner.
        const bool fanU = upper && inBox(pu), fanL = lower && inBox(pl);
        const COLORREF cu = fanU ? Mix(grey150, m_anUpperMeshRgb, depth(pu)) : 0;
        const COLORREF cl = fanL ? Mix(grey200, m_anLowerMeshRgb, depth(pl)) : 0;
        StepStrokes strokes(*this, pDC);
        for (long i = 0; i < n; ++i) {
            const Angle& qt = alongTheta ? qs[i] : t;
            const Angle& qp = alongTheta ? p : qs[i];
            if (fanU) strokes.Add(0, pu, pointAt(qt, qp, 0), cu);
            if (fanL) strokes.Add(1, pl, pointAt(qt, qp, 1), cl);
            strokes.EndStep();
        }
    };
    // The fine angles of every column of cells, taken once for all rows.
    std::vector<Angle> rows(size_t(std::max(g.inner, 0L)) * fineB);
    for (long it = 0; it < g.inner; ++it) {
        const double th = theta1 + double(it) * dT;
        for (long k = 0; k < g.fineB; ++k) {
            const double t = th + double(k) * g.stepB;
            rows[size_t(it) * fineB + size_t(k)] = ThetaAngle(t + g.stepB);
        }
    }
    for (long ip = 0; ip < g.outer; ++ip) {
        const double phi = phi2 - double(ip) * dP;
        // A line the row before has as its own takes that row's angle: the
        // two are one line, drawn once.
        const Angle phiA = PhiAngle(phi),
                    phiNext = PhiAngle(ip > 0 ? phi2 - double(ip - 1) * dP : phi + dP);
        for (long i = 0; i < g.fineA; ++i) {
            const double u = phi + double(i) * g.stepA;
            column[size_t(i)] = PhiAngle(u + g.stepA);
        }
        for (long it = 0; it < g.inner; ++it) {
            const double th = theta1 + double(it) * dT;
            const Angle thA = ThetaAngle(th);
            const Angle* row = rows.data() + size_t(it) * fineB;
            for (long jf = 0; fills && jf < g.fineA; ++jf) {
                const double pf = phi + double(jf) * g.stepA;
                const Angle pA = PhiAngle(pf);
                const P3 pu = pointAt(thA, pA, 0), pl = pointAt(thA, pA, 1);
                const bool fillU = InOpenBox(*this, pu) && m_dZMin <= pu.z && pu.z <= m_dZMax &&
                                   m_nUpperSurfaceStyle != 0 && upper;
                const bool fillL = InOpenBox(*this, pl) && m_dZMin <= pl.z && pl.z <= m_dZMax &&
                                   m_nLowerSurfaceStyle != 0 && lower;
                if (!fillU && !fillL) continue;
                StepStrokes strokes(*this, pDC);
                for (long k = 0; k < g.fineB; ++k) {
                    const Angle& tA = row[size_t(k)];
                    if (fillU) {
                        const P3 q = pointAt(tA, pA, 0);
                        strokes.Add(0, pu, q, Mix(m_anUpperSurfaceRgb, m_anUpperMeshRgb, depth(q)));
                    }
                    if (fillL)
                        strokes.Add(1, pl, pointAt(tA, pA, 1),
                                    Mix(m_anLowerSurfaceRgb, m_anLowerMeshRgb, depth(pl)));
                    strokes.EndStep();
                }
            }
            // A fan that the next cell along θ, or the next row of cells,
            // draws again from the very same angles is left to that later
            // draw, which sets the same pixels to the same colours.
            meshFan(thA, phiA, column.data(), g.fineA, false);
            const bool nextCell = it + 1 < g.inner;
            if (!(repeats && nextCell))
                meshFan(ThetaAngle(nextCell ? theta1 + double(it + 1) * dT : th + dT), phiA,
                        column.data(), g.fineA, false);
            if (!(repeats && ip + 1 < g.outer)) meshFan(thA, phiA, row, g.fineB, true);
            meshFan(thA, phiNext, row, g.fineB, true);
        }
    }
}

void CPemroView::DrawCylSurf(CDC* pDC, int overlay, double theta1, double theta2, double s1,
                             double s2, int form) {
    m_nProjectionDisplay = 0;
    DrawSurfaceScene(pDC, overlay, 0, 0, 0, 0, 0, 0, "x", "y", "z");
    const int bx = m_nFigureRight + 4, T = m_nFigureTop;
    if (TextButton(pDC, bx, T, Gbk(u8"θ_r型"))) m_bLoadScriptSettings = 0, m_nDemoOption = 0;
    if (TextButton(pDC, bx, T + 24, Gbk(u8"θ_z型"))) m_bLoadScriptSettings = 0, m_nDemoOption = 1;
    const double M =
        std::sqrt(double(m_nMeshDivX) * m_nMeshDivX + double(m_nMeshDivY) * m_nMeshDivY);
    const double dT = 6.2832 / M;
    const double d2 =
        form == 0 ? m_dZSpan / M : std::sqrt(m_dXSpan * m_dXSpan + m_dYSpan * m_dYSpan) / M;
    const double dTf = 0.1 * dT / (m_nLabelZoom + 1), d2f = 0.1 * d2 / (m_nLabelZoom + 1);
    if (!IsFigureBandVisible() || !IsFigureRedrawn()) return;
    if (!solid::StepUsable(dT) || !solid::StepUsable(d2) || !solid::StepUsable(dTf) ||
        !solid::StepUsable(d2f) || !IsSceneUsable())
        return;
    const bool repeats = LaterDrawRepeats(pDC);
    // Thousands of points: the surfaces' coefficients are read once for all.
    SurfacePass pass(*this);
    // The surfaces as the view evaluates them, their choices made once.
    const SurfacePass::Sampler upperAt(*this, 0, m_nSurfaceUpper),
        lowerAt(*this, 1, m_nSurfaceLower);
    const bool upper = m_nSurfaceUpper > 0, lower = m_nSurfaceLower > 0;
    const auto seg = [&](const P3& a, const P3& b, COLORREF c) {
        DrawLine3DFast(pDC, a.x, a.y, a.z, b.x, b.y, b.z, c);
    };
    const auto fillColours = [&](const P3& pu, COLORREF* cu, COLORREF* cl) {
        const double d = 0.7 * (m_dXMax - pu.x) / m_dXSpan + 0.3 * (pu.z - m_dZMin) / m_dZSpan;
        *cu = Mix(m_anLowerSurfaceRgb, m_anUpperMeshRgb, d);
        *cl = Mix(m_anUpperSurfaceRgb, m_anLowerMeshRgb, d);
    };

    if (form == 1) {
        // r = S(θ, z): ComputeCurvilinearSurfacePoint's point at height z,
        // from an angle whose cosine and sine were taken before.
        const auto at = [&](const Angle& t, double z, int surface) {
            if (surface == 0 ? m_nSurfaceUpper > 0 : m_nSurfaceLower > 0) {
                const double r = surface == 0 ? upperAt(t.a, z) : lowerAt(t.a, z);
                m_adMousePoint[0] = r * t.c;
                m_adMousePoint[1] = r * t.s;
            }
            return P3{m_adMousePoint[0], m_adMousePoint[1], z};
        };
        const CellGrid g =
            FitCells(steps::Count(s1, s2 - d2 / 2, d2, kCoarseCap, false),
                     steps::Count(theta1, theta2, dT, kCoarseCap, false), d2, d2f, dT, dTf);
        // The angles of every column of cells, taken once for all heights:
        // the fill's fine angles from the cell's and the mesh's from the
        // step before.
        const size_t fineB = size_t(std::max(g.fineB, 0L));
        std::vector<Angle> cellAngles(size_t(std::max(g.inner, 0L)));
        std::vector<Angle> fillAngles(cellAngles.size() * fineB), meshAngles(fillAngles.size());
        for (long it = 0; it < g.inner; ++it) {
            const double th = theta1 + double(it) * dT;
            cellAngles[size_t(it)] = ThetaAngle(th);
            for (long k = 0; k < g.fineB; ++k) {
                const size_t cell = size_t(it) * fineB + size_t(k);
                fillAngles[cell] = ThetaAngle(th + double(k) * g.stepB);
                meshAngles[cell] = ThetaAngle(th + double(k) * g.stepB + g.stepB);
            }
        }
        // A mesh polyline from the cell's corner at height z, along θ
        // through the row's angles or up along z.
        const auto meshRun = [&](const Angle& t, const Angle* row, double z, bool alongTheta) {
            P3 pu = at(t, z, 0), pl = at(t, z, 1);
            const long n = alongTheta ? g.fineB : g.fineA;
            StepStrokes strokes(*this, pDC);
            for (long i = 0; i < n; ++i) {
                const double u = z + double(i) * g.stepA;
                const P3 qu = alongTheta ? at(row[i], z, 0) : at(t, u + g.stepA, 0);
                const P3 ql = alongTheta ? at(row[i], z, 1) : at(t, u + g.stepA, 1);
                if (InClosedBoxXY(*this, pu)) {
                    if (upper) strokes.Add(0, pu, qu, m_crCurveSetting);
                    if (lower) strokes.Add(1, pl, ql, m_crFirstDerivative);
                }
                strokes.EndStep();
                pu = qu, pl = ql;
            }
        };
        // The fine rows of a cell stop short of the next cell's first row.
        const long rows = std::max(1L, g.fineA - 1);
        for (long iz = 0; iz < g.outer; ++iz) {
            const double z = s1 + double(iz) * d2;
            for (long it = 0; it < g.inner; ++it) {
                const Angle& thA = cellAngles[size_t(it)];
                const Angle* fill = fillAngles.data() + size_t(it) * fineB;
                const Angle* mesh = meshAngles.data() + size_t(it) * fineB;
                if (m_nUpperSurfaceStyle != 0 || m_nLowerSurfaceStyle != 0) {
                    for (long jf = 0; jf < rows; ++jf) {
                        const double zf = z + double(jf) * g.stepA;
                        P3 pu = at(thA, zf, 0), pl = at(thA, zf, 1);
                        StepStrokes strokes(*this, pDC);
                        for (long k = 0; k < g.fineB; ++k) {
                            const P3 qu = at(fill[k], zf, 0), ql = at(fill[k], zf, 1);
                            if (InOpenBox(*this, pu)) {
                                COLORREF cu, cl;
                                fillColours(pu, &cu, &cl);
                                if (m_nLowerSurfaceStyle != 0 && lower) strokes.Add(0, pl, ql, cl);
                                if (m_nUpperSurfaceStyle != 0 && upper) strokes.Add(1, pu, qu, cu);
                            }
                            strokes.EndStep();
                            pu = qu, pl = ql;
                        }
                    }
                }
                meshRun(thA, nullptr, z, false);
                meshRun(thA, mesh, z, true);
                // The cell's top run is the next row's bottom one, at that
                // row's height: drawn once, unless the runs read the last
                // point computed (a surface left out).
                const bool nextRow = iz + 1 < g.outer;
                if (!(repeats && nextRow && m_nSurfaceUpper > 0 && m_nSurfaceLower > 0))
                    meshRun(thA, mesh, nextRow ? s1 + double(iz + 1) * d2 : z + d2, true);
            }
        }
    } else {
        const auto at = [&](double t, double r, double* zL) {
            ComputeCurvilinearSurfacePoint(t, r, 1, 0, 0);
            const P3 p{m_adMousePoint[0], m_adMousePoint[1], m_adMousePoint[2]};
            *zL = lowerAt(p.x, p.y);
            return p;
        };
        // at() with the angle's cosine and sine taken before.
        const auto atAngle = [&](const Angle& t, double r, double* zL) {
            if (m_nSurfaceUpper > 0) {
                m_adMousePoint[0] = r * t.c;
                m_adMousePoint[1] = r * t.s;
                m_adMousePoint[2] = upperAt(m_adMousePoint[0], m_adMousePoint[1]);
            }
            const P3 p{m_adMousePoint[0], m_adMousePoint[1], m_adMousePoint[2]};
            *zL = lowerAt(p.x, p.y);
            return p;
        };
        std::vector<Angle> row;
        const auto zOk = [&](double z) { return m_dZMin <= z && z <= m_dZMax; };
        const auto sideOk = [&](double zU, double zL) { return m_bDrawInverted || zL <= zU; };
        const auto axis = [&] {
            AxisNamesHeld names(this);
            DrawArrow3D(pDC, 0, 0, EvalSurfaceG(0, 0, m_nSurfaceLower), 0, 0, m_dZMax, 1, "", "z",
                        m_crAxes);
        };
        // A mesh polyline from (t, r) along θ or inward along r.
        const CellGrid g =
            FitCells(steps::Count(theta1, theta2, dT, kCoarseCap, false),
                     steps::CountDown(s2, s1 + d2, d2, kCoarseCap, true), dT, dTf, d2, d2f);
        // Along θ, t is the cell's θ and the run's angles are the row's.
        const auto meshRun = [&](double t, double r, bool alongTheta) {
            const Angle tA = ThetaAngle(t);
            double zL;
            P3 p = atAngle(tA, r, &zL);
            const long n = alongTheta ? g.fineA : g.fineB;
            const double step = alongTheta ? g.stepA : g.stepB;
            StepStrokes strokes(*this, pDC);
            for (long i = 0; i < n; ++i) {
                const double u = alongTheta ? t + double(i) * step : r - double(i) * step;
                double qL;
                const P3 q =
                    alongTheta ? atAngle(row[size_t(i)], r, &qL) : atAngle(tA, u - step, &qL);
                if (InClosedBoxXY(*this, p) && sideOk(p.z, zL)) {
                    if (upper && zOk(p.z)) strokes.Add(0, p, q, m_crCurveSetting);
                    if (lower && zOk(zL))
                        strokes.Add(1, {p.x, p.y, zL}, {q.x, q.y, qL}, m_crFirstDerivative);
                }
                strokes.EndStep();
                p = q, zL = qL;
            }
        };
        // The z axis is drawn after each run along r near θ = π/2: the same
        // arrow each time, so with repeats left to later draws only the
        // last is drawn.
        const auto axisDue = [](double t) { return std::fabs(t - 1.57) < 0.1; };
        // A cell's far edge is the next cell's near one, at that cell's
        // angle: the two runs are one, drawn once.
        const auto farEdge = [&](long it) {
            return it + 1 < g.outer ? theta1 + double(it + 1) * dT : theta1 + double(it) * dT + dT;
        };
        long lastAxisCell = -1;
        double lastAxisAngle = 0;
        for (long it = 0; it < g.outer; ++it) {
            const double th = theta1 + double(it) * dT;
            for (double t : {th, farEdge(it)})
                if (axisDue(t)) lastAxisCell = it, lastAxisAngle = t;
        }
        for (long it = 0; it < g.outer; ++it) {
            const double th = theta1 + double(it) * dT;
            if (m_nSideSurfaces != 0) {
                double zL;
                const P3 p = at(th, s2, &zL);
                if (m_nSideSurfaces > 1) seg(p, {p.x, p.y, m_dZMin}, m_crFrontSide);
                seg(p, {p.x, p.y, zL}, m_crBackSide);
            }
            const Angle thA = ThetaAngle(th);
            row.clear();
            for (long k = 0; k < g.fineA; ++k) {
                const double t = th + double(k) * g.stepA;
                row.push_back(ThetaAngle(t + g.stepA));
            }
            for (long ir = 0; ir < g.inner; ++ir) {
                const double r = s2 - double(ir) * d2;
                const bool fill = m_nUpperSurfaceStyle != 0 || m_nLowerSurfaceStyle != 0;
                for (long jf = 0; fill && jf < g.fineB; ++jf) {
                    const double rf = r - double(jf) * g.stepB;
                    double zL;
                    P3 p = atAngle(thA, rf, &zL);
                    StepStrokes strokes(*this, pDC);
                    for (long k = 0; k < g.fineA; ++k) {
                        double qL;
                        const P3 q = atAngle(row[size_t(k)], rf, &qL);
                        if (InOpenBox(*this, p)) {
                            COLORREF cu, cl;
                            fillColours(p, &cu, &cl);
                            if (zOk(zL) && sideOk(p.z, zL) && m_nLowerSurfaceStyle != 0 && lower)
                                strokes.Add(0, {p.x, p.y, zL}, {q.x, q.y, qL}, cl);
                            if (zOk(p.z) && sideOk(p.z, zL) && m_nUpperSurfaceStyle != 0 && upper)
                                strokes.Add(1, p, q, cu);
                        }
                        strokes.EndStep();
                        p = q, zL = qL;
                    }
                }
                // A run that a later cell draws again from the very same
                // values is left to that draw (the same pixels in the same
                // colours). Without an upper surface the runs read the last
                // point computed, so all are drawn then.
                const bool points = repeats && m_nSurfaceUpper > 0;
                for (double t : {th, farEdge(it)}) {
                    if (!(points && t != th && it + 1 < g.outer)) meshRun(t, r, false);
                    const bool last = it == lastAxisCell && ir + 1 == g.inner && t == lastAxisAngle;
                    if (axisDue(t) && (!repeats || last)) axis();
                }
                meshRun(th, r, true);
                const bool nextRow = ir + 1 < g.inner;
                if (!(points && nextRow))
                    meshRun(th, nextRow ? s2 - double(ir + 1) * d2 : r - d2, true);
            }
        }
    }
    AxisNamesHeld names(this);
    DrawArrow3D(pDC, 0, 0, EvalSurfaceCatalogueF(0, 0, m_nSurfaceUpper), 0, 0, m_dZMax, 1, "", "z",
                m_crAxes);
}
