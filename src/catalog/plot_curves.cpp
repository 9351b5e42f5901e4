// The curve plotters: the current function of any kind, the second curve g
// and a given catalogue entry, sampled densely and joined by world segments;
// and the parabola through three points.
#include "catalog/math/explicit_catalogue.h"
#include "catalog/math/plane_curves.h"
#include "view/view.h"

#include "platform/real_steps.h"

#include <cmath>

namespace {

constexpr int kSamplesPerSpan = 10000;       // explicit and polar steps: span / this
constexpr double kParamPlotStep = 0.0001;    // parameter step of PlotCurve's parametric kind
constexpr double kJumpFraction = 1.0 / 20.0; // larger jumps between samples leave a gap
constexpr int kSeedColumns = 10;             // implicit seeds: x span / this ...
constexpr int kSeedRows = 30;                // ... and y span / this
constexpr int kTraceStepsPerSpan = 4000;     // implicit trace step: x span / this
// No plot takes more samples than this, whatever interval a script gives;
// a wider interval is sampled more coarsely.
constexpr long kMaxPlotSamples = 1000000;

// The step for sampling [from, to], widened to keep within kMaxPlotSamples;
// 0 when there is nothing to sample.
double PlotStep(double from, double to, double step) {
    if (!(step > 0) || !std::isfinite(step) || !std::isfinite(from) || !std::isfinite(to))
        return 0.0;
    if ((to - from) / step > double(kMaxPlotSamples)) step = (to - from) / kMaxPlotSamples;
    return step;
}

// y = f(x) sampled from `from` while x <= to; consecutive samples are joined
// only when they differ by less than `threshold`, so jumps stay open.
// Returns the last sample.
template <class Eval, class Segment>
double SampleExplicit(double from, double to, double step, double threshold, Eval f,
                      Segment segment) {
    double xPrev = from, yPrev = f(from);
    step = PlotStep(from, to, step);
    if (step == 0) return yPrev;
    const long iCount = steps::Count(from, to, step, kMaxPlotSamples + 1, true);
    for (long i = 0; i < iCount; ++i) {
        const double x = from + double(i) * step;
        const double y = f(x);
        if (std::fabs(y - yPrev) < threshold) segment(xPrev, yPrev, x, y);
        xPrev = x;
        yPrev = y;
    }
    return yPrev;
}

// (X(t), Y(t)) sampled from `from` while t <= to; consecutive points are
// joined when they lie closer than maxDistance.
template <class Point, class Segment>
void SampleParametric(double from, double to, double step, Point point, Segment segment,
                      double maxDistance = INFINITY) {
    step = PlotStep(from, to, step);
    if (step == 0) return;
    double xPrev, yPrev;
    point(from, &xPrev, &yPrev);
    const long iCount = steps::Count(from, to, step, kMaxPlotSamples + 1, true);
    for (long i = 0; i < iCount; ++i) {
        const double t = from + double(i) * step;
        double x, y;
        point(t, &x, &y);
        if (maxDistance == INFINITY || std::hypot(x - xPrev, y - yPrev) < maxDistance)
            segment(xPrev, yPrev, x, y);
        xPrev = x;
        yPrev = y;
    }
}

bool CurvesVisible(const CPemroView& v) {
    return v.m_bFigureVisible && v.m_nGraphTop > v.m_nClipTop - 150 &&
           v.m_nGraphBottom < v.m_nClipBottom + 150 && v.HitTestGraphRegion(1);
}

} // namespace

void CPemroView::PlotCurve(CDC* pDC, double from, double to, COLORREF colour) {
    if (!CurvesVisible(*this)) return;
    const int k = m_nFuncF;
    const bool inverse = m_bPlotInverse != 0;
    // The inverse function is the same curve mirrored in y = x.
    auto segment = [&](double x1, double y1, double x2, double y2) {
        if (inverse)
            DrawLineWorld(pDC, y1, x1, y2, x2, colour);
        else
            DrawLineWorld(pDC, x1, y1, x2, y2, colour);
    };
    switch (m_nPlotMode) {
    case 0: {
        const double threshold = (inverse ? m_dXSpan : m_dYSpan) * kJumpFraction;
        SampleExplicit(
            from, to, m_dXSpan / kSamplesPerSpan, threshold, [&](double x) { return EvalF(x, k); },
            segment);
        break;
    }
    case 1:
        SampleParametric(
            from, to, kParamPlotStep,
            [&](double t, double* x, double* y) {
                *x = EvalParamX(t, k);
                *y = EvalParamY(t, k);
            },
            segment);
        break;
    case 2: {
        // Implicit F(x, y) = 0 over the whole window: every seed of a coarse
        // grid from which a Newton solve finds the curve starts a trace to
        // the right, one y solve per step from the last point found.
        const double seedDx = m_dXSpan / kSeedColumns, seedDy = m_dYSpan / kSeedRows;
        const double traceDx = m_dXSpan / kTraceStepsPerSpan;
        if (!(seedDx > 0 && seedDy > 0 && traceDx > 0) || !std::isfinite(m_dXMin) ||
            !std::isfinite(m_dYMin) || !std::isfinite(seedDx + seedDy))
            break;
        // Seeds of one column that reach the same first curve point would
        // trace the same polyline again: it is drawn once (a measured hot
        // path; the failed solves beyond the curve's ends cost 100 rounds).
        const double sameRoot = m_dYSpan * 1e-6;
        const long columns = steps::Count(m_dXMin, m_dXMax, seedDx, kSeedColumns + 2, true);
        const long rows = steps::Count(m_dYMin, m_dYMax, seedDy, kSeedRows + 2, true);
        for (long ix = 0; ix < columns; ++ix) {
            const double xs = m_dXMin + double(ix) * seedDx;
            double traced[kSeedRows + 2];
            int tracedCount = 0;
            for (long iy = 0; iy < rows; ++iy) {
                const double ys = m_dYMin + double(iy) * seedDy;
                // The trace's first solve is the seed's second test.
                const double yFirst = SolveImplicitY(xs, ys, k);
                if (yFirst == catalog::kNoValue && SolveImplicitX(xs, ys, k) == catalog::kNoValue)
                    continue;
                bool seen = false;
                for (int j = 0; j < tracedCount && !seen; ++j)
                    seen = traced[j] == yFirst || std::fabs(traced[j] - yFirst) <= sameRoot;
                if (seen) continue;
                traced[tracedCount++] = yFirst;
                // The trace starts at the first curve point: the seed itself
                // is not on the curve and is not joined to it.
                double yCur = yFirst, xPrev = xs;
                const long trace =
                    steps::Count(xs, m_dXMax, traceDx, kTraceStepsPerSpan + 2, false);
                for (long i = 1; i < trace; ++i) {
                    const double xCur = xs + double(i) * traceDx;
                    const double yNew = SolveImplicitY(xCur, yCur, k);
                    segment(xPrev, yCur, xCur, yNew);
                    yCur = yNew;
                    xPrev = xCur;
                }
            }
        }
        break;
    }
    }
}

void CPemroView::PlotCurveG(CDC* pDC, double from, double to, COLORREF colour) {
    if (!CurvesVisible(*this)) return;
    const int k = m_nFuncLower;
    auto segment = [&](double x1, double y1, double x2, double y2) {
        DrawLineWorld(pDC, x1, y1, x2, y2, colour);
    };
    const double step = m_dXSpan / kSamplesPerSpan;
    if (m_nPlotMode == 0) {
        auto g = [&](double x) { return EvalCatalogueB(x, k); };
        if (m_nPlotOption1 == 1) segment(from, g(from), from, 0.0);
        const double last = SampleExplicit(from, to, step, m_dYSpan * kJumpFraction, g, segment);
        if (m_nPlotOption2 == 1) segment(to, last, to, 0.0);
    } else if (m_nPlotMode == 3) {
        double x0 = 0, y0 = 0, xLast = 0, yLast = 0;
        bool first = true;
        SampleParametric(
            from, to, step,
            [&](double t, double* x, double* y) {
                *x = EvalPolarGX(t, k);
                *y = EvalPolarGY(t, k);
                if (first) x0 = *x, y0 = *y, first = false;
                xLast = *x;
                yLast = *y;
            },
            segment, m_dYSpan * kJumpFraction);
        if (m_nPlotOption1 == 1 && !first) segment(x0, y0, 0.0, 0.0);
        if (m_nPlotOption2 == 1 && !first) segment(xLast, yLast, 0.0, 0.0);
    }
}

void CPemroView::PlotCurveByKind(CDC* pDC, int k, int kind, double from, double to,
                                 COLORREF colour) {
    if (!CurvesVisible(*this)) return;
    if (from > to) {
        const double t = from;
        from = to;
        to = t;
    }
    double step = (to - from) / kSamplesPerSpan;
    if (kind == 4) {
        step *= m_dParamStep;
        colour = m_crCurveSetting;
    }
    auto segment = [&](double x1, double y1, double x2, double y2) {
        DrawLineWorld(pDC, x1, y1, x2, y2, colour);
    };
    switch (kind) {
    case 0:
        SampleExplicit(
            from, to, step, m_dYSpan * kJumpFraction, [&](double x) { return EvalF(x, k); },
            segment);
        break;
    case 1:
        SampleParametric(
            from, to, step,
            [&](double t, double* x, double* y) {
                *x = EvalParamX(t, k);
                *y = EvalParamY(t, k);
            },
            segment);
        break;
    case 2:
    case 4: {
        const int index = kind == 4 ? m_nFuncF : k;
        SampleParametric(
            from, to, step,
            [&](double t, double* x, double* y) {
                const double r = EvalF(t, index);
                *x = r * std::cos(t);
                *y = r * std::sin(t);
            },
            segment);
        break;
    }
    case 3:
        SampleParametric(
            from, to, step,
            [&](double t, double* x, double* y) {
                const double r = EvalCatalogueB(t, k);
                *x = r * std::cos(t);
                *y = r * std::sin(t);
            },
            segment);
        break;
    }
}

BOOL CPemroView::FunctionHasCoefficients(int k) const {
    if (k >= 71) return TRUE;
    switch (m_nPlotMode) {
    case 0:
        return k < 3 || (k >= 32 && k <= 57) || (k >= 62 && k <= 69);
    case 1:
        return k == 1 || k == 2 || k == 15 || k == 18 || k == 19 || k == 20;
    case 2:
        return k == 1 || k == 4 || k == 7 || k == 8 || k == 9 || k == 14;
    }
    return FALSE;
}

void CPemroView::OnShowFuncNameNo() {
    m_bShowFuncName = 0;
}

void CPemroView::OnShowFuncNameYes() {
    m_bShowFuncName = 1;
}

void CPemroView::DrawParabola(CDC* pDC, int orientation, int mode, double x1, double y1, double x2,
                              double y2, double x3, double y3, COLORREF colour) {
    if (orientation != 0 && orientation != 1) return;
    if (!m_bFigureVisible || !(m_nGraphTop > m_nClipTop - 150) ||
        !(m_nGraphBottom < m_nClipBottom + 150))
        return;
    const bool plane = mode == 0;
    // On a partial repaint a figure redraws only when the click lies in it:
    // the plot of a plane figure, the graph window of a 3-D one; or when
    // its frame was drawn again.
    const bool redrawn =
        plane ? m_bFullRepaint || m_nFrameDrawn > 0 || HitTestGraphRegion(2) : IsFigureRedrawn();
    if (!redrawn) return;

    // u is the abscissa of the parabola, v its ordinate.
    const bool swap = orientation == 1;
    auto segment = [&](double u1, double v1, double u2, double v2) {
        const double ax = swap ? v1 : u1, ay = swap ? u1 : v1;
        const double bx = swap ? v2 : u2, by = swap ? u2 : v2;
        if (plane)
            DrawLineWorld(pDC, ax, ay, bx, by, colour);
        else
            DrawLine3D(pDC, ax, ay, m_dZMin, bx, by, m_dZMin, colour);
    };
    const double u1 = swap ? y1 : x1, v1 = swap ? x1 : y1;
    const double u2 = swap ? y2 : x2, v2 = swap ? x2 : y2;
    const double u3 = swap ? y3 : x3, v3 = swap ? x3 : y3;

    double a, b, c;
    if (!catalog::SolveParabolaThroughPoints(u1, v1, u2, v2, u3, v3, &a, &b, &c)) {
        segment(u1, v1, u2, v2);
        segment(u3, v3, u2, v2);
        return;
    }
    const double lo = std::fmin(u1, std::fmin(u2, u3));
    const double hi = std::fmax(u1, std::fmax(u2, u3));
    const double span = swap ? m_dYSpan : m_dXSpan;
    const double end = plane ? hi : hi + 0.0001 * span;
    const double step = PlotStep(lo, end, 0.0001 * span);
    if (step == 0) return;
    double uPrev = lo, vPrev = (a * lo + b) * lo + c;
    const long iCount = steps::Count(lo + step, end, step, kMaxPlotSamples + 1, false);
    for (long i = 0; i < iCount; ++i) {
        const double u = lo + step + double(i) * step;
        const double v = (a * u + b) * u + c;
        segment(uPrev, vPrev, u, v);
        uPrev = u;
        vPrev = v;
    }
}
