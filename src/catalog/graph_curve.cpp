// The curve of the general graph: explicit, parametric, polar and implicit,
// with the derivative curves, the marks where a derivative changes sign and
// the dots at the jumps of an explicit function.
#include "catalog/catalog_params.h"
#include "catalog/curve_strokes.h"
#include "catalog/math/explicit_catalogue.h"
#include "catalog/math/plane_curves.h"
#include "view/view.h"

#include "platform/real_steps.h"
#include "render/world_polyline.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <vector>

namespace {

constexpr int kExplicitSamplesPerSpan = 10000;
constexpr double kParamStepBase = 0.0001;    // parameter step: interval times this ...
constexpr double kJumpFraction = 1.0 / 20.0; // ... joined below a twentieth of the span
constexpr double kTraceJumpFraction = 1.0 / 40.0;
constexpr double kTraceMarkFraction = 1.0 / 100.0;
constexpr int kSeedColumns = 10;               // implicit seeds: x span / 10 ...
constexpr int kSeedRows = 20;                  // ... and y span / 20
constexpr double kForwardTraceFraction = 0.01; // times the parameter step
constexpr double kBackwardTraceFraction = 0.001;
constexpr double kSameRootFraction = 1e-9; // of the y span: one root for the seeds' traces
constexpr double kBreakScanFraction = 1.0 / 400.0;
constexpr double kSlopeSpan = 5.0; // one-sided slopes over five differencing steps
constexpr int kDotRadius = 3;
// No loop of a curve takes more steps than these, whatever the parameter
// step has been made by its buttons: a smaller step is widened.
constexpr long kMaxParamSteps = 200000;
constexpr long kMaxTraceSteps = 100000;
constexpr long kMaxBreakSteps = 100000;
// Points of a curve's function whose values join the key of its kept
// strokes: they stand for inputs the key does not name.
constexpr int kCurveProbes = 5;

// The step for covering `length` in steps of `step`, widened to at most
// `maxSteps` steps; 0 when there is nothing to step through.
double BoundedStep(double length, double step, long maxSteps) {
    if (!(step > 0) || !std::isfinite(step) || !(length > 0) || !std::isfinite(length)) return 0.0;
    if (length / step > double(maxSteps)) step = length / double(maxSteps);
    return step;
}

} // namespace

void CPemroView::DrawGraphCurve(CDC* pDC, double dFrom, double dTo) {
    if (!(m_dXSpan > 0) || !(m_dYSpan > 0) || !std::isfinite(m_dXSpan) || !std::isfinite(m_dYSpan))
        return;
    switch (m_nPlotMode) {
    case 0:
        DrawGraphCurveExplicit(pDC, dFrom, dTo);
        break;
    case 1:
        DrawGraphCurveParametric(pDC, dFrom, dTo, FALSE);
        break;
    case 2:
        DrawGraphCurveImplicit(pDC);
        break;
    case 3:
        DrawGraphCurveParametric(pDC, dFrom, dTo, TRUE);
        break;
    default:
        break;
    }
}

void CPemroView::DrawGraphCurveExplicit(CDC* pDC, double dFrom, double dTo) {
    const int k = m_nFuncF;
    const int derivatives = m_nDerivativeArg;
    const double h = m_dDiffStep;
    if (dFrom < m_dXMin) dFrom = m_dXMin;
    if (dTo > m_dXMax) dTo = m_dXMax;
    if (!(dFrom <= dTo)) return;
    const catalog::ViewFunctionF F(*this, k);
    const double jump = m_dYSpan * kJumpFraction;

    const double y0 = F(dFrom);
    if (m_nPlotOption1) DrawLineWorld(pDC, dFrom, y0, dFrom, 0.0, m_crCurveSetting);
    double xPrev = dFrom, yPrev = y0;
    double d1 = derivatives > 0 ? EvalFDeriv(dFrom, k) : 0.0;
    double d2 = derivatives > 1 ? EvalFDeriv2(dFrom, k) : 0.0;
    bool havePrev = false;
    render::WorldPolyline curve(*this, pDC, m_crCurveSetting);

    // Measured hot loop: 10,000 samples per span, up to six evaluations each.
    const double step = m_dXSpan / kExplicitSamplesPerSpan;
    const long iCount = steps::Count(dFrom, dTo, step, kExplicitSamplesPerSpan + 2, true);
    for (long i = 0; i < iCount; ++i) {
        const double x = dFrom + double(i) * step;
        const double y = F(x);
        const double d1New = derivatives > 0 ? EvalFDeriv(x, k) : 0.0;
        const double d2New = derivatives > 1 ? EvalFDeriv2(x, k) : 0.0;
        if (!havePrev || !(std::fabs(y - yPrev) < jump)) curve.MoveTo(x, y);
        if (havePrev && std::fabs(y - yPrev) < jump) {
            curve.LineTo(x, y);
            if (derivatives > 0) {
                const double sL = (y - F(x - kSlopeSpan * h)) / (kSlopeSpan * h);
                const double sR = (F(x + kSlopeSpan * h) - y) / (kSlopeSpan * h);
                if (d1 * d1New <= 0 && yPrev != y)
                    DrawLineWorld(pDC, x, 0.0, x, y, m_crFirstDerivative);
                // A corner (slopes of opposite sign far apart) leaves a gap.
                if (sL * sR >= 0 || std::fabs(sR - sL) < jump) {
                    DrawLineWorld(pDC, xPrev, d1, x, d1New, m_crFirstDerivative);
                    if (derivatives > 1) {
                        DrawLineWorld(pDC, xPrev, d2, x, d2New, m_crSecondDerivative);
                        if (d2 * d2New <= 0 && yPrev != y)
                            DrawLineWorld(pDC, x, 0.0, x, y, m_crSecondDerivative);
                    }
                }
            }
        }
        havePrev = true;
        xPrev = x;
        yPrev = y;
        d1 = d1New;
        d2 = d2New;
    }
    if (m_nFuncFBreak >= 0) DrawDiscontinuityMarks(pDC, dFrom, dTo);
    if (m_nPlotOption2) DrawLineWorld(pDC, dTo, yPrev, dTo, 0.0, m_crCurveSetting);
}

void CPemroView::DrawDiscontinuityMarks(CDC* pDC, double dFrom, double dTo) {
    const int k = m_nFuncF;
    const double from = dFrom + m_dDiffStep;
    const double step =
        BoundedStep(dTo - from, m_dParamStep * m_dXSpan * kBreakScanFraction, kMaxBreakSteps);
    if (step == 0) return;
    const COLORREF pen = m_crCurveSetting, open = m_crGround, closed = m_crCurveSetting;
    const double jump = m_dYSpan * kJumpFraction;
    const auto dot = [&](double x, double y, COLORREF brush) {
        DrawDotWorld(pDC, x, y, kDotRadius, kDotRadius, pen, brush);
    };
    double yPrev = EvalF(dFrom, k);
    const long iCount = steps::Count(from, dTo, step, kMaxBreakSteps + 2, false);
    for (long i = 0; i < iCount; ++i) {
        const double x = from + double(i) * step;
        const double y = EvalF(x, k);
        if (std::fabs(y - yPrev) >= jump) {
            switch (m_nFuncFBreak) {
            case 0:
                dot(x, yPrev, open);
                dot(x, y, open);
                break;
            case 1:
                dot(x, y, closed);
                dot(x, yPrev, open);
                break;
            case 2:
                dot(x, yPrev, closed);
                dot(x, y, open);
                break;
            case 3:
                dot(x, yPrev, open);
                dot(x, y, open);
                dot(x, (yPrev + y) / 2, closed);
                break;
            default:
                break;
            }
        }
        yPrev = y;
    }
}

void CPemroView::DrawGraphCurveParametric(CDC* pDC, double dFrom, double dTo, BOOL bPolar) {
    const int k = m_nFuncF;
    const int derivatives = m_nDerivativeArg;
    const double dt = (dTo - dFrom) * kParamStepBase;
    const double step = BoundedStep(dTo - dFrom, dt * m_dParamStep, kMaxParamSteps);
    if (step == 0 || !(dt > 0)) return;
    // EvalPolarF, or EvalParamX and EvalParamY, with the work that stays
    // the same from sample to sample done once.
    const catalog::ViewFunctionF radius(*this, k);
    const auto point = [&](double t, double* x, double* y) {
        if (bPolar)
            catalog::PolarPoint(radius(t), t, x, y);
        else
            catalog::EvalParamForm(t, k, m_adCoefF, x, y);
    };
    const double jump = m_dYSpan * kJumpFraction;

    const bool gather = AreCurveStrokesGathered(pDC);
    KeyHash key;
    if (gather) {
        catalog::AddCurveFrame(&key, *this);
        catalog::AddCatalogueInputs(&key, *this);
        key.Add(int(bPolar)), key.Add(dFrom), key.Add(dTo);
        for (int i = 0; i < kCurveProbes; ++i) {
            double x, y;
            point(dFrom + (i + 0.382) * (dTo - dFrom) / kCurveProbes, &x, &y);
            key.Add(x), key.Add(y);
        }
        if (const CurveMemo* kept = FindCurveMemo(key.Value()))
            return DrawCurveStrokes(pDC, kept->strokes);
    }
    catalog::CurveStrokes strokes;
    catalog::CurveLines lines(*this, pDC, gather ? &strokes : nullptr);

    // Slope and curvature term by differences with the step dt; where x'
    // vanishes the previous values stay.
    double d1 = 0, d2 = 0;
    const auto derive = [&](double t, double x, double y) {
        double xNext, yNext;
        point(t + dt, &xNext, &yNext);
        const double xp = (xNext - x) / dt, yp = (yNext - y) / dt;
        if (xp == 0) return;
        double xBack, yBack;
        point(t - dt, &xBack, &yBack);
        const double xpp = (xNext - 2 * x + xBack) / (dt * dt);
        const double ypp = (yNext - 2 * y + yBack) / (dt * dt);
        d1 = yp / xp;
        d2 = (xp * ypp - xpp * yp) / (xp * xp * xp);
    };

    double xPrev, yPrev;
    point(dFrom, &xPrev, &yPrev);
    if (m_nPlotOption1) lines.Line(xPrev, yPrev, xPrev, 0.0, m_crCurveSetting);
    if (derivatives > 0) derive(dFrom, xPrev, yPrev);
    double d1Prev = d1, d2Prev = d2;
    catalog::CurveChain curve(*this, pDC, gather ? &strokes : nullptr, m_crCurveSetting);
    curve.MoveTo(xPrev, yPrev);
    const long iCount = steps::Count(dFrom + step, dTo, step, kMaxParamSteps + 2, true);
    for (long i = 0; i < iCount; ++i) {
        const double t = dFrom + step + double(i) * step;
        double x, y;
        point(t, &x, &y);
        curve.LineTo(x, y);
        if (derivatives > 0) {
            derive(t, x, y);
            if (std::fabs(d1 - d1Prev) < jump) {
                lines.Line(xPrev, d1Prev, x, d1, m_crFirstDerivative);
                if (d1Prev * d1 <= 0) lines.Line(x, 0.0, x, y, m_crFirstDerivative);
                if (derivatives > 1 && std::fabs(d2 - d2Prev) < jump) {
                    lines.Line(xPrev, d2Prev, x, d2, m_crSecondDerivative);
                    if (d2Prev * d2 <= 0) lines.Line(x, 0.0, x, y, m_crSecondDerivative);
                }
            }
            d1Prev = d1;
            d2Prev = d2;
        }
        xPrev = x;
        yPrev = y;
    }
    if (m_nPlotOption2) lines.Line(xPrev, yPrev, xPrev, 0.0, m_crCurveSetting);
    if (!gather) return;
    strokes = catalog::JoinKeepingLast({&strokes});
    DrawCurveStrokes(pDC, strokes);
    if (PassSolverBudgetLeft()) KeepCurveMemo(key.Value(), strokes);
}

void CPemroView::DrawGraphCurveImplicit(CDC* pDC) {
    // Traced only when the click lies in the graph window: a plain repaint
    // does not trace it again.
    if (!HitTestGraphRegion(0)) return;
    const int k = m_nFuncF;
    const int derivatives = m_nDerivativeArg;
    const double h = m_dDiffStep;
    const double jump = m_dYSpan * kTraceJumpFraction;
    const double markLimit = m_dYSpan * kTraceMarkFraction;
    const double seedDx = m_dXSpan / kSeedColumns, seedDy = m_dYSpan / kSeedRows;
    const double forward =
        BoundedStep(m_dXSpan, m_dParamStep * m_dXSpan * kForwardTraceFraction, kMaxTraceSteps);
    const double backward = m_dXSpan * kBackwardTraceFraction;
    m_nRegionType = 3;

    // Forms 0, 12 and 13 read the surfaces and the region curves, which the
    // key does not follow: their strokes are not kept.
    const bool gather = AreCurveStrokesGathered(pDC);
    const bool memo = gather && k != 0 && k != 12 && k != 13;
    KeyHash key;
    if (memo) {
        catalog::AddCurveFrame(&key, *this);
        catalog::AddCatalogueInputs(&key, *this);
        for (int i = 0; i < kCurveProbes; ++i)
            for (int j = 0; j < kCurveProbes; ++j)
                key.Add(EvalRegionFunction(m_dXMin + (i + 0.382) * m_dXSpan / kCurveProbes,
                                           m_dYMin + (j + 0.618) * m_dYSpan / kCurveProbes, k));
        if (const CurveMemo* kept = FindCurveMemo(key.Value())) {
            DrawCurveStrokes(pDC, kept->strokes);
            m_nRegionType = 0;
            return;
        }
    }

    // One trace from the seed in the direction of `step` (negative: back).
    const auto trace = [&](catalog::CurveLines& lines, double x0, double y0, double step,
                           double xEnd) {
        if (step == 0) return;
        const auto solve = [&](double u, double v) { return SolveImplicitY(u, v, k); };
        double xPrev = x0, yPrev = y0, d1Prev = 0, d2Prev = 0;
        if (derivatives > 0) d1Prev = (solve(x0 + h, y0) - y0) / h;
        if (derivatives > 1) d2Prev = (solve(x0 + h, y0) + solve(x0 - h, y0) - 2 * y0) / (h * h);
        const long points = step > 0 ? steps::Count(x0, xEnd, step, kMaxTraceSteps + 1, false)
                                     : steps::CountDown(x0, xEnd, -step, kMaxTraceSteps + 1, false);
        for (long count = 0; count < points; ++count) {
            const double x = x0 + double(count) * step;
            const double y = solve(x, yPrev);
            double d1 = 0, d2 = 0;
            if (derivatives > 0) d1 = (solve(x + h, y) - y) / h;
            if (derivatives > 1) d2 = (solve(x + h, y) + solve(x - h, y) - 2 * y) / (h * h);
            if (std::fabs(y - yPrev) < jump && count > 0) {
                lines.Line(xPrev, yPrev, x, y, m_crCurveSetting);
                if (derivatives > 0 && std::fabs(d1 - d1Prev) < jump)
                    lines.Line(xPrev, d1Prev, x, d1, m_crFirstDerivative);
                if (derivatives > 0 && d1Prev * d1 <= 0 && std::fabs(d1Prev) < markLimit)
                    lines.Line(x, 0.0, x, y, m_crFirstDerivative);
                if (derivatives > 1 && std::fabs(d2 - d2Prev) < jump) {
                    lines.Line(xPrev, d2Prev, x, d2, m_crSecondDerivative);
                    if (d2Prev * d2 <= 0 && std::fabs(d2Prev) < markLimit)
                        lines.Line(x, 0.0, x, y, m_crSecondDerivative);
                }
            }
            xPrev = x;
            yPrev = y;
            d1Prev = d1;
            d2Prev = d2;
            // A failed solve (kNoValue) leaves the range too.
            if (!(m_dYMin <= y && y <= m_dYMax)) break;
        }
    };
    // Gathered, each trace's strokes are a piece of the curve's, its own
    // repeats left out at once (a trace takes up to a hundred thousand
    // steps, a few pixels' strokes over and over); drawn, there are none.
    std::deque<catalog::CurveStrokes> pieces;
    std::vector<const catalog::CurveStrokes*> order;
    const auto traced = [&](double x0, double y0, double step, double xEnd) {
        catalog::CurveStrokes* piece = nullptr;
        if (gather) order.push_back(piece = &pieces.emplace_back());
        catalog::CurveLines lines(*this, pDC, piece);
        trace(lines, x0, y0, step, xEnd);
        if (piece) *piece = catalog::JoinKeepingLast({piece});
        return piece;
    };

    // The seeds of a column mostly fall onto the same few roots, and a trace
    // starts at its seed's root: a seed's own y is read only by slopes that
    // the first point of the trace replaces before any is drawn. Seeds whose
    // roots agree to far below a pixel (the Newton stop leaves them 1e-11
    // apart) retrace the same points. With the curve alone on the figure,
    // in one colour, a retrace changes no pixel; with derivative curves the
    // strokes of the first trace stand in for it, in its place among the
    // others, when they are gathered.
    const double sameRoot = kSameRootFraction * m_dYSpan;
    struct Root {
        double y;
        const catalog::CurveStrokes *forward, *backward;
    };
    std::vector<Root> roots;
    for (int ix = 0; ix <= kSeedColumns; ++ix) {
        const double x0 = m_dXMin + ix * seedDx;
        roots.clear();
        for (int iy = 0; iy <= kSeedRows; ++iy) {
            const double y0 = m_dYMin + iy * seedDy;
            const double root = SolveImplicitY(x0, y0, k);
            if (root == catalog::kNoValue) continue;
            const auto same = [&](const Root& r) {
                return (r.y < 0) == (root < 0) && std::fabs(r.y - root) <= sameRoot;
            };
            if (derivatives == 0 || gather) {
                const auto twin = std::find_if(roots.begin(), roots.end(), same);
                if (twin != roots.end()) {
                    if (derivatives > 0) order.insert(order.end(), {twin->forward, twin->backward});
                    continue;
                }
            }
            const catalog::CurveStrokes* ahead = traced(x0, y0, forward, m_dXMax);
            const catalog::CurveStrokes* back = traced(x0, y0, -backward, m_dXMin);
            roots.push_back({root, ahead, back});
        }
    }
    m_nRegionType = 0;
    if (!gather) return;
    const catalog::CurveStrokes strokes = catalog::JoinKeepingLast(order);
    DrawCurveStrokes(pDC, strokes);
    if (memo && PassSolverBudgetLeft()) KeepCurveMemo(key.Value(), strokes);
}
