// Secants turning into tangents of plane and space curves, the tangent plane
// of a surface at a picked point, and level curves with the gradient.
#include "view/view.h"

#include "catalog/math/plane_curves.h"
#include "platform/real_steps.h"
#include "platform/text_codec.h"
#include "render/oblique_projection.h"
#include "script/script_args.h"
#include "solid/step_strokes.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace {

// The tangent is drawn as a secant over a step this much shorter.
constexpr double kTangentFactor = 0.0001;
constexpr double kStepRatio = 1.2;
// A step that multiplies without end would only push N off the figure.
constexpr double kMaxPlaneStep = 1e6;
constexpr double kMinPlaneStep = 1e-12;
constexpr double kMinSpaceStep = 0.00001;
constexpr double kMaxSpaceStepX = 0.5;
constexpr double kMaxSpaceStepT = 0.2;
constexpr double kNoRoot = 1000000;
constexpr long kMaxScanSteps = 2000000;
constexpr int kImplicitFollowSteps = 10000;
constexpr int kQuadricForm = 1;
// Rays and stations of the tangent-plane patch.
constexpr double kRayStep = 0.2;
constexpr double kRayEnd = 3.1416;
constexpr double kStationStep = 0.01;
constexpr double kSubStep = 0.001;
constexpr int kMaxFieldArrows = 400;
// Between the frames of neighbouring buttons.
constexpr int kButtonGap = 8;

constexpr int kArgTangentLine2 = 13;
constexpr int kArgTangentLine3 = 13;
constexpr int kArgTangentPlane = 13;
constexpr int kArgContour = 8;

struct Button {
    const char* label;
    int dx;
};

double SecantFactor(double variant) {
    return variant == 1 ? kTangentFactor : 1.0;
}

// The parameter of the curve point nearest a point, by a scan of up to two
// million steps: a pure function of what it reads, kept for the passes
// that ask again with the same curve and point (every repaint does, since
// the point is then the one found).
struct NearestParam {
    int form;
    double coef[6];
    double a, b, step, x0, y0;
    bool operator==(const NearestParam& o) const {
        return form == o.form && std::equal(coef, coef + 6, o.coef) && a == o.a && b == o.b &&
               step == o.step && x0 == o.x0 && y0 == o.y0;
    }
};

// The first scanned t nearest (x0, y0) closer than the scan's start value,
// or none.
std::optional<double> ScanNearestParam(const NearestParam& q, long count, double start) {
    double value = start;
    std::optional<double> found;
    for (long n = 0; n < count; ++n) {
        const double t = q.a + double(n) * q.step;
        double x, y;
        catalog::EvalParamForm(t, q.form, q.coef, &x, &y);
        const double dx = x - q.x0, dy = y - q.y0;
        if (dx * dx + dy * dy < value) value = dx * dx + dy * dy, found = t;
    }
    return found;
}

// The last few scans (with the drawing caches on): two figures of a page
// each keep theirs.
std::optional<double> NearestParamMemo(const NearestParam& q, long count, double start) {
    struct Entry {
        NearestParam q;
        std::optional<double> t;
    };
    constexpr size_t kKept = 4;
    thread_local std::vector<Entry> kept;
    if (!DrawingCachesEnabled()) return ScanNearestParam(q, count, start);
    for (const Entry& e : kept)
        if (e.q == q) return e.t;
    const std::optional<double> t = ScanNearestParam(q, count, start);
    if (kept.size() == kKept) kept.erase(kept.begin());
    kept.push_back({q, t});
    return t;
}

} // namespace

void CPemroView::DrawTangentLine2(CDC* pDC, int mode) {
    switch (mode) {
    case 0:
        DrawPlaneSecant(pDC);
        break;
    case 1:
        DrawSpaceSecant(pDC);
        break;
    case 2:
        DrawTangentPlanePatch(pDC);
        break;
    case 3:
        DrawContourDemo(pDC);
        break;
    default:
        break;
    }
}

void CPemroView::DrawPlaneSecant(CDC* pDC) {
    if (!(m_dXMin <= m_dX0 && m_dX0 <= m_dXMax)) {
        DrawStringWorld(pDC, m_dXMin + 0.3 * m_dXSpan, m_dYMin + 0.1 * m_dYSpan,
                        Gbk(u8"曲线上选点"), m_crFirstDerivative);
        m_dX0 = m_dCursorX;
    }
    if (m_nDemoOption < 0) {
        const int y = m_nPlotTop + 2;
        if (TextButton(pDC, m_nPlotLeft + 10, y, Gbk(u8"切线"))) m_dDemoVariant = 1;
        if (TextButton(pDC, m_nPlotLeft + 80, y, Gbk(u8"割线"))) m_dDemoVariant = 0;
        if (m_dDemoVariant == 0) {
            if (TextButton(pDC, m_nPlotLeft + 150, y, Gbk(u8"N趋于M"))) m_dStepH /= kStepRatio;
            if (TextButton(pDC, m_nPlotLeft + 220, y, Gbk(u8"N离开M"))) m_dStepH *= kStepRatio;
        }
    }
    m_dStepH = std::clamp(std::isfinite(m_dStepH) ? m_dStepH : 1.0, -kMaxPlaneStep, kMaxPlaneStep);
    double x0 = m_dX0, y0 = EvalF(x0, m_nFuncF);
    const double delta = SecantFactor(m_dDemoVariant) * m_dStepH * m_dXSpan;
    if (std::fabs(delta) < kMinPlaneStep) return;
    double s = NAN;
    if (m_nPlotMode == 0) {
        s = (EvalCurveY(x0 + delta, m_nFuncF) - y0) / delta;
    } else if (m_nPlotMode == 1) {
        const double step = 0.0001 * m_dXSpan;
        const auto nearest = [&](double from, double target) {
            double best = 0, value = m_dXSpan * m_dXSpan;
            const long nCount = steps::Count(from, m_dIntervalB, step, kMaxScanSteps, false);
            for (long n = 0; n < nCount; ++n) {
                const double t = from + double(n) * step;
                const double d = EvalParamX(t, m_nFuncF) - target;
                if (d * d < value) value = d * d, best = t;
            }
            return best;
        };
        if (!(step > 0)) return;
        const double t = nearest(m_dIntervalA, x0);
        m_dX0 = x0 = EvalParamX(t, m_nFuncF);
        y0 = EvalParamY(t, m_nFuncF);
        const double t2 = nearest(t, x0 + delta);
        s = (EvalParamY(t2, m_nFuncF) - y0) / (EvalParamX(t2, m_nFuncF) - x0);
    } else if (m_nPlotMode == 2) {
        m_nRegionType = 3;
        y0 = m_dBreakF1 = SolveImplicitY(x0, m_dCursorY, m_nFuncF);
        if (y0 == kNoRoot) {
            DrawString(pDC, m_nPlotRight - 8 * (m_nFontStep + m_nBaseCharHeight), m_nPlotTop,
                       Gbk(u8"重选点"), m_crCurveSetting);
            return;
        }
        double y = y0;
        for (int i = 1; i <= kImplicitFollowSteps; ++i)
            y = SolveImplicitY(x0 + delta * i / kImplicitFollowSteps, y, m_nFuncF);
        s = (y - y0) / delta;
        m_nRegionType = 0;
    }
    if (!std::isfinite(s) || !std::isfinite(y0)) return;
    const auto end = [&](double x) {
        const double v = y0 + s * (x - x0);
        if (v >= m_dYMax && s != 0) return x0 + (m_dYMax - y0) / s;
        if (v <= m_dYMin && s != 0) return x0 + (m_dYMin - y0) / s;
        return x;
    };
    const double xl = end(m_dIntervalA), xr = end(m_dIntervalB);
    DrawLineWorld(pDC, x0, y0, xl, y0 + s * (xl - x0), m_crFirstDerivative);
    DrawLineWorld(pDC, x0, y0, xr, y0 + s * (xr - x0), m_crFirstDerivative);
    const double xn = x0 + delta, yn = y0 + s * delta;
    DrawDotWorld(pDC, x0, y0, 3, 3, m_crFirstDerivative, m_crFirstDerivative);
    DrawDotWorld(pDC, xn, yn, 3, 3, m_crFirstDerivative, m_crFirstDerivative);
    // A point's name at the plot's edge stays inside it, off the tick
    // numbers; a point off the plot keeps its name where it was.
    const auto name = [&](double x, double y, const char* text) {
        if (IsInsideWorldRange(x, y))
            DrawStringWorldInPlot(pDC, x, y, text, m_crFirstDerivative);
        else
            DrawStringWorld(pDC, x, y, text, m_crFirstDerivative);
    };
    name(x0, y0, "M");
    // N so near M that its letter would cover M's (the tangent) stands
    // right of M's.
    CSize m;
    if (pDC) {
        const CFontSelect font(pDC, PlainStringFont(FALSE, m_nLabelZoom));
        m = pDC->GetTextExtent("M");
    }
    const double perX = (m_nPlotRight - m_nPlotLeft) / m_dXSpan;
    const double perY = (m_nPlotBottom - m_nPlotTop) / m_dYSpan;
    const bool covers = std::abs((xn - x0) * perX) < m.cx + 3 && std::abs((yn - y0) * perY) < m.cy;
    name(covers ? x0 + (m.cx + 3) / perX : xn, yn, "N");
}

void CPemroView::DrawSpaceSecant(CDC* pDC) {
    const bool outside =
        !(m_dXMin <= m_dX0 && m_dX0 <= m_dXMax) || !(m_dYMin <= m_dY0 && m_dY0 <= m_dYMax);
    if (outside)
        DrawText3D(pDC, m_dXMin + 0.3 * m_dXSpan, m_dYMin + m_dParamStep * m_dYSpan,
                   m_dZMin + 0.1 * m_dZSpan, Gbk(u8"投影线上选点"), m_crCurveSetting);
    static const char* const kLabels[] = {u8"参数x", u8"参数t", u8"割线",
                                          u8"切线",  u8"趋于M", u8"离开M"};
    for (int i = 0; i < 6; ++i) {
        if (i >= 4 && m_dDemoVariant != 0) break;
        if (!TextButton(pDC, m_nFigureRight, m_nFigureTop + 24 * i, Gbk(kLabels[i]))) continue;
        if (i < 2)
            m_dDemoParam = i;
        else if (i < 4)
            m_dDemoVariant = i - 2;
        else
            m_dStepH = i == 4 ? m_dStepH / kStepRatio : m_dStepH * kStepRatio;
    }
    int kind = static_cast<int>(m_dDemoParam);
    if (kind != 1) kind = 0;
    if (outside) m_dX0 = m_dCursorX, m_dY0 = m_dCursorY;
    DrawSpaceCurve(pDC, kind, 1, m_dIntervalA, m_dIntervalB);
    const double phi = SecantFactor(m_dDemoVariant);
    if (!std::isfinite(m_dStepH)) m_dStepH = kMinSpaceStep;
    if (kind == 0) {
        m_dStepH = std::clamp(m_dStepH, kMinSpaceStep, kMaxSpaceStepX);
        // The arrows can close the interval: no curve, no point on it.
        if (!(m_dIntervalA < m_dIntervalB)) return;
        const double step = 0.001 * m_dXSpan;
        if (!(step > 0)) return;
        double best = m_dIntervalA, value = INFINITY;
        const long nCount = steps::Count(m_dIntervalA, m_dIntervalB, step, kMaxScanSteps, false);
        for (long n = 0; n < nCount; ++n) {
            const double x = m_dIntervalA + double(n) * step;
            const double dy = m_dY0 - EvalF(x, m_nFuncF), dx = m_dX0 - x;
            if (dy * dy + dx * dx < value) value = dy * dy + dx * dx, best = x;
        }
        m_dX0 = best, m_dY0 = EvalF(best, m_nFuncF), m_dZ0 = EvalCatalogueB(best, m_nFuncLower);
        const double x1 = m_dX0 + phi * m_dStepH * m_dXSpan;
        if (x1 == m_dX0) return;
        const double y1 = EvalF(x1, m_nFuncF), z1 = EvalCatalogueB(x1, m_nFuncLower);
        const double sy = (y1 - m_dY0) / (x1 - m_dX0), sz = (z1 - m_dZ0) / (x1 - m_dX0);
        const double q = m_dXSpan / 4;
        DrawLine3D(pDC, m_dX0, m_dY0, m_dZ0, m_dX0 - q, m_dY0 - q * sy, m_dZ0 - q * sz,
                   m_crSecondDerivative);
        DrawLine3D(pDC, m_dX0, m_dY0, m_dZ0, m_dX0 + q, m_dY0 + q * sy, m_dZ0 + q * sz,
                   m_crSecondDerivative);
        DrawDotProjected(pDC, m_dX0, m_dY0, m_dZ0, 2, 2, m_crCurveSetting, m_crCurveSetting);
        DrawDotProjected(pDC, x1, y1, z1, 2, 2, m_crCurveSetting, m_crCurveSetting);
        return;
    }
    const auto X = [&](double t) { return EvalParamX(t, m_nFuncF); };
    const auto Y = [&](double t) { return EvalParamY(t, m_nFuncF); };
    const auto Z = [&](double t) { return EvalCatalogueB(t, m_nFuncLower); };
    // Scanned at a fixed fine step, bounded so a long interval stays quick.
    const double span = m_dIntervalB - m_dIntervalA;
    const double step = std::max(0.00001, span / kMaxScanSteps);
    const long nCount = steps::Count(m_dIntervalA, m_dIntervalB, step, kMaxScanSteps, false);
    NearestParam q{m_nFuncF, {}, m_dIntervalA, m_dIntervalB, step, m_dX0, m_dY0};
    std::copy(m_adCoefF, m_adCoefF + 6, q.coef);
    if (const std::optional<double> found = NearestParamMemo(q, nCount, 100)) m_dFoundX = *found;
    const double t = m_dFoundX;
    m_dX0 = X(t), m_dY0 = Y(t), m_dZ0 = Z(t);
    m_dStepH = std::clamp(m_dStepH, kMinSpaceStep, kMaxSpaceStepT);
    if (!(m_dYMin < m_dY0 && m_dY0 < m_dYMax && m_dZMin < m_dZ0 && m_dZ0 < m_dZMax)) return;
    const double h = m_dStepH;
    const double d[3] = {phi * (X(t + h) - m_dX0), phi * (Y(t + h) - m_dY0),
                         phi * (Z(t + h) - m_dZ0)};
    const double m[3] = {m_dX0, m_dY0, m_dZ0};
    const double lo[3] = {m_dXMin, m_dYMin, m_dZMin}, hi[3] = {m_dXMax, m_dYMax, m_dZMax};
    // Where the line leaves the open box, computed rather than walked.
    double sPlus = INFINITY, sMinus = INFINITY;
    for (int i = 0; i < 3; ++i) {
        if (d[i] > 0) {
            sPlus = std::min(sPlus, (hi[i] - m[i]) / d[i]);
            sMinus = std::min(sMinus, (m[i] - lo[i]) / d[i]);
        } else if (d[i] < 0) {
            sPlus = std::min(sPlus, (lo[i] - m[i]) / d[i]);
            sMinus = std::min(sMinus, (m[i] - hi[i]) / d[i]);
        }
    }
    if (!std::isfinite(sPlus) || !std::isfinite(sMinus)) return;
    DrawLine3D(pDC, m[0] - sMinus * d[0], m[1] - sMinus * d[1], m[2] - sMinus * d[2],
               m[0] + sPlus * d[0], m[1] + sPlus * d[1], m[2] + sPlus * d[2], m_crSecondDerivative);
    DrawDotProjected(pDC, m[0], m[1], m[2], 2, 2, m_crCurveSetting, m_crCurveSetting);
    DrawDotProjected(pDC, m[0] + d[0], m[1] + d[1], m[2] + d[2], 2, 2, m_crCurveSetting,
                     m_crCurveSetting);
}

void CPemroView::DrawTangentPlanePatch(CDC* pDC) {
    double saved[6];
    std::copy(m_adCoefSurfF, m_adCoefSurfF + 6, saved);
    m_nOdeMethodFamily = -1;
    m_nSideSurfaces = 0;
    m_nPlotMode = 0;
    m_bCutZc = 0;
    m_nPendingPlotMode = 0;
    for (int i = 0; i < 5; ++i) m_adCoefSurfG[i] = 0;
    m_adCoefSurfG[5] = m_dZMin;
    m_nSurfaceLower = kQuadricForm;
    DrawSurfaceScene(pDC, 0, 0, 0, m_dXMin, m_dXMax, m_dYMin, m_dYMax, "x", "y", "z");
    const double x0 = m_dX0 = m_dCursorX, y0 = m_dY0 = m_dCursorY;
    // Drawn with the scene under it, not over a scene the pass leaves.
    if (HitTestGraphRegion(1) && IsFigureRedrawn()) {
        DrawText3D(pDC, m_dXMin, m_dYMin + 0.05 * m_dYSpan, m_dZMax - 0.05 * m_dZSpan,
                   Gbk(u8"底面上选点"), m_crCurveSetting);
        const auto f = [&](double x, double y) { return EvalSurfaceF(x, y, m_nSurfaceUpper); };
        const auto g = [&](double x, double y) { return EvalSurfaceG(x, y, kQuadricForm); };
        const double z0 = m_dZ0 = f(x0, y0);
        const double fx = (f(x0 + 0.0001, y0) - z0) * 10000;
        const double fy = (f(x0, y0 + 0.0001) - z0) * 10000;
        m_adCoefSurfG[3] = fx, m_adCoefSurfG[4] = fy, m_adCoefSurfG[5] = z0 - fx * x0 - fy * y0;
        m_nSideSurfaces = 1;
        // Most of the patch's strokes are dots, which the stroke drawer fills
        // as boxes; the plain path draws them as lines, with the same pixels.
        const bool boxes = DrawingCachesEnabled();
        const bool visible = IsFigureBandVisible();
        // Each node of the patch is projected once for the strokes on either
        // side of it. A stroke between two nodes inside the z range needs no
        // cutting, so its ends are the nodes' own pixels; one with an end
        // outside is cut as any space segment.
        struct Node {
            double x, y, z;
            bool inRange, drawable;
            CPoint p;
        };
        // The projection read once for the patch's some twenty thousand
        // nodes; it turns and arranges a point as the view does.
        const ObliqueProjection projection(*this);
        const auto node = [&](double x, double y, double z) {
            Node n{x, y, z, false, false, CPoint()};
            if (!boxes) return n;
            double tx = x, ty = y, tz = z;
            projection.Place(&tx, &ty, &tz);
            n.inRange = m_dZMin <= tz && tz <= m_dZMax;
            if (n.inRange) n.drawable = projection.Project(tx, ty, tz, &n.p.x, &n.p.y);
            return n;
        };
        // A dot is the box a two-pixel pen covers, written straight into the
        // image where it lies inside the clip; the strokes are DrawStrokePx's,
        // mostly written straight in too.
        const CDC::DirectBoxes direct = boxes ? pDC->Direct() : CDC::DirectBoxes();
        std::optional<solid::StrokePen> pen;
        if (boxes) pen.emplace(*this, pDC);
        const bool dotBoxes = m_nPixelSize <= 2;
        const auto line = [&](const Node& a, const Node& b, COLORREF colour) {
            if (!boxes) {
                DrawLine3D(pDC, a.x, a.y, a.z, b.x, b.y, b.z, colour);
            } else if (!a.inRange || !b.inRange) {
                DrawLine3DFast(pDC, a.x, a.y, a.z, b.x, b.y, b.z, colour);
            } else if (a.drawable && b.drawable) {
                if (dotBoxes && a.p == b.p) {
                    const CRect box(a.p.x - 1, a.p.y - 1, a.p.x + 1, a.p.y + 1);
                    if (!direct.Box(box, colour)) pDC->FillSolidRect(box, colour);
                } else {
                    pen->Draw(a.p, b.p, colour);
                }
            }
        };
        const auto ray = [&](double theta) {
            const double c = std::cos(theta) * m_dXSpan, s = std::sin(theta) * m_dYSpan;
            for (int k = 0; k < 30; ++k) {
                const double rho = k * kStationStep;
                double x = x0 + rho * c, y = y0 + rho * s;
                Node upper = node(x, y, f(x, y)), lower = node(x, y, g(x, y));
                line(upper, lower, m_crDefaultPen);
                for (int j = 0; j < 10; ++j) {
                    const double sigma = rho + j * kSubStep;
                    const double nx = x0 + sigma * c, ny = y0 + sigma * s;
                    const Node nextUpper = node(nx, ny, f(nx, ny));
                    line(upper, nextUpper, m_crCurveSetting);
                    const Node nextLower = node(nx, ny, g(nx, ny));
                    line(lower, nextLower, m_crDefaultFill);
                    upper = nextUpper, lower = nextLower;
                }
            }
        };
        if (visible) {
            for (int k = 0; k < 16; ++k) ray(-kRayEnd + kRayStep * k);
            for (int k = 0; k < 16; ++k) ray(kRayEnd - kRayStep * k);
        }
        DrawDotProjected(pDC, x0, y0, z0, 3, 3, m_crFirstDerivative, m_crFirstDerivative);
        DrawArrow3D(pDC, x0, y0, z0, x0 - 0.2 * fx * m_dZSpan, y0 - 0.2 * fy * m_dZSpan,
                    z0 + 0.2 * m_dZSpan, 1, "", "n", RGB(0, 0, 255));
    }
    std::copy(saved, saved + 6, m_adCoefSurfF);
}

void CPemroView::DrawContourDemo(CDC* pDC) {
    m_bCutZc = m_dDemoVariant == 2 ? 0 : 2;
    const double floor[6] = {0, 0, 0, 0, 0, m_dZMin - 1};
    double upper[6];
    std::copy(m_adCoefSurfF, m_adCoefSurfF + 6, upper);
    SetSettingBlock(m_nSurfaceUpper, kQuadricForm, upper, floor);
    DrawSurfaceScene(pDC, 0, 0, 0, m_dXMin, m_dXMax, m_dYMin, m_dYMax, "x", "y", "z");
    static const Button kButtons[] = {{u8"等高线", 0}, {u8"等高线与梯度", 60}, {u8"梯度场", 180}};
    // Wide fonts push a button right of its place rather than over the one
    // before it.
    const int left = m_nFigureRight - m_nProjScaleY;
    int x = left;
    for (int i = 0; i < 3; ++i) {
        if (i > 0)
            x = std::max(left + kButtons[i].dx,
                         x + ButtonWidth(Gbk(kButtons[i - 1].label)) + kButtonGap);
        if (TextButton(pDC, x, m_nFigureTop + 2, Gbk(kButtons[i].label))) m_dDemoVariant = i;
    }
    if (m_dDemoVariant == 0) return;
    if (m_dDemoVariant == 1) {
        DrawSurfaceNormal(pDC, -0.5, 3, m_dCursorX, m_dCursorY, m_nSurfaceUpper, "", "",
                          m_crCurveSetting);
        DrawText3D(pDC, m_dXMin, m_dYMin + m_dParamStep * m_dYSpan, m_dZMax - 0.1 * m_dZSpan,
                   Gbk(u8"在等高线上选点"), m_crCurveSetting);
        return;
    }
    if (m_nMeshDivX <= 0 || m_nMeshDivY <= 0) return;
    const double sx = 4 * m_dXSpan / m_nMeshDivX, sy = 4 * m_dYSpan / m_nMeshDivY;
    if (!(sx > 0) || !(sy > 0)) return;
    const double cx = m_dXSpan / m_nMeshDivX, cy = m_dYSpan / m_nMeshDivY;
    const double length = -6 * std::sqrt(cx * cx + cy * cy);
    // Columns and rows counted first and bounded together: a region far
    // wider than the box, or far from the origin, cannot hold a pass.
    long counts[2] = {
        steps::Count(m_adRegionRect[0], m_adRegionRect[1], sx, kMaxFieldArrows, false),
        steps::Count(m_adRegionRect[2], m_adRegionRect[3], sy, kMaxFieldArrows, false)};
    steps::FitProduct(counts, 2, kMaxFieldArrows);
    for (long i = 0; i < counts[0]; ++i)
        for (long j = 0; j < counts[1]; ++j)
            DrawSurfaceNormal(pDC, length, 4, m_adRegionRect[0] + double(i) * sx,
                              m_adRegionRect[2] + double(j) * sy, m_nSurfaceUpper, "", "",
                              m_crCurveSetting);
}

void CPemroView::CmdTangentLine2(CDC* pDC) {
    ReadPlotSetup(kArgTangentLine2);
    if (!m_bFigureVisible) return;
    // The plot set-up's two optional numbers are x0, as written, and the
    // choice when they closed the list.
    double x0 = m_dPlotOption1Value;
    int choice = m_nPlotOption2;
    if (IsArgListOpen()) {
        x0 = ReadScriptNumber(m_nParsePos);
        choice = ScriptInt(ReadScriptNumber(m_nParsePos));
    }
    if (m_bLoadScriptSettings) m_dX0 = x0;
    m_nDemoOption = choice;
    if (m_nDemoOption >= 0) m_dDemoVariant = m_nDemoOption;
    DrawFunctionGraph(pDC, 0, 0, m_dIntervalA, m_dIntervalB, "x", "y");
    DrawTangentLine2(pDC, 0);
}

void CPemroView::CmdTangentLine3(CDC* pDC) {
    ReadPlotSetup3D(kArgTangentLine3);
    if (!m_bFigureVisible) return;
    const double x0 = ReadScriptNumber(m_nParsePos);
    const double y0 = ReadScriptNumber(m_nParsePos);
    if (m_bLoadScriptSettings) m_dX0 = x0, m_dY0 = y0;
    DrawSurfaceScene(pDC, 0, 0, 0, 0, 0, 0, 0, "x", "y", "z");
    if (m_bLoadScriptSettings && IsArgListOpen()) {
        m_dIntervalA = ReadScriptNumber(m_nParsePos);
        if (IsArgListOpen()) m_dIntervalB = ReadScriptNumber(m_nParsePos);
    }
    DrawInitRangePanels(pDC);
    SaveRestoreDisplaySettings(m_bLoadScriptSettings);
    DrawTangentLine2(pDC, 1);
}

void CPemroView::DrawInitRangePanels(CDC* pDC) {
    if (m_bPrintMode) return;
    const int H = m_nBaseCharHeight, T = m_nFigureTop, X = m_nProjOriginX;
    const int y = T - H / 2 - 9;
    using Step = void (CPemroView::*)();
    static const Step kSteps[4] = {&CPemroView::OnRangeInitMinDown, &CPemroView::OnRangeInitMinUp,
                                   &CPemroView::OnRangeInitMaxDown, &CPemroView::OnRangeInitMaxUp};
    // The arrows at their places, or apart by their width where a large
    // font would lay one over the other; each panel holds its two.
    const int w = m_nFontStep / 2 + m_nCharWidth + 8;
    int ax[4], right[2];
    // Right of the scene's own range boxes, which a large font widens.
    ax[0] = std::max(X + 180, SceneRangeBoxesRight() + 12);
    ax[1] = std::max(X + 196, ax[0] + w);
    right[0] = std::max(X + 216, ax[1] + w);
    ax[2] = std::max(X + 228, right[0] + 12);
    ax[3] = std::max(X + 246, ax[2] + w);
    right[1] = std::max(ax[2] + 36, ax[3] + w);
    FillRectPx(pDC, ax[0], T - H + H / 20 + 1, right[0], T - 1 - H / 20, m_crGround);
    FillRectPx(pDC, ax[2], T - H + H / 20 + 1, right[1], T - 1 - H / 20, m_crGround);
    if (IsFigureBandVisible()) {
        NoteFigureBox(CRect(ax[0], T - H + H / 20 + 1, right[0], T - 1 - H / 20));
        NoteFigureBox(CRect(ax[2], T - H + H / 20 + 1, right[1], T - 1 - H / 20));
    }
    const CString arrows[2] = {Gbk(u8"←"), Gbk(u8"→")};
    for (int i = 0; i < 4; ++i) DrawStringSmall(pDC, ax[i], y, arrows[i % 2], m_crCurveSetting);
    // Each arrow answers on its part of its panel, as drawn.
    CRect boxes[4];
    for (int i = 0; i < 4; ++i)
        boxes[i] =
            CRect(ax[i], T - H + H / 20 + 1, i % 2 ? right[i / 2] : ax[i + 1], T - 1 - H / 20);
    if (m_pControlSink && IsFigureBandVisible())
        for (int i = 0; i < 4; ++i)
            m_pControlSink->OnControl(boxes[i], 0, CPoint(ax[i], y), arrows[i % 2],
                                      PlainStringFont(TRUE, 0));
    // The ends the arrows step are the saved copies: while the script's a and
    // b are in force they are those, not what the frame's set-up saved.
    if (m_bLoadScriptSettings) m_dSavedIntervalA = m_dIntervalA, m_dSavedIntervalB = m_dIntervalB;
    for (int i = 3; i >= 0; --i)
        if (IsClickInBox(boxes[i].left, boxes[i].top, boxes[i].Width(), boxes[i].Height())) {
            (this->*kSteps[i])();
            break;
        }
}

void CPemroView::CmdTangentPlane(CDC* pDC) {
    ReadPlotSetup3D(kArgTangentPlane);
    if (m_bFigureVisible) DrawTangentLine2(pDC, 2);
}

void CPemroView::CmdContour(CDC* pDC) {
    ReadPlotSetup3D(kArgContour);
    if (m_bFigureVisible) DrawTangentLine2(pDC, 3);
}
