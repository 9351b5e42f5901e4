// The view's Newton inversions of its curves, the region and implicit
// function, and the scans for the edge of a region.
#include "catalog/math/explicit_catalogue.h"
#include "catalog/math/plane_curves.h"
#include "catalog/surface_pass.h"
#include "platform/real_steps.h"
#include "view/view.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace {

constexpr double kEdgeScanStep = 0.001;
// Steps of one edge scan; far beyond any world range a page uses, and it
// ends the scan where adding the step no longer moves the coordinate.
constexpr long kMaxEdgeScanSteps = 2000000;
// Residuals the Newton solves of one pass may evaluate (under a fifth of a
// second). A solve that fails takes a hundred rounds, and surfaces built on
// such solves are sampled on fine grids: a curve that never reaches the
// radii asked for took seconds a pass. Past the budget a solve finds no
// point at once; the sample pages stay far below it.
constexpr long long kPassSolverBudget = 10000000;

template <class Residual>
double CountedNewton(CPemroView& v, Residual residual, double start, double* last = nullptr) {
    if (v.m_nPassSolverResiduals > kPassSolverBudget) return catalog::kNoValue;
    auto counted = [&](double u) {
        ++v.m_nPassSolverResiduals;
        return residual(u);
    };
    return catalog::SolveNewton(counted, start, last);
}

} // namespace

BOOL CPemroView::PassSolverBudgetLeft() const {
    return m_nPassSolverResiduals <= kPassSolverBudget;
}

double CPemroView::EvalParamXResidual(double t, double x, int k) const {
    return EvalParamX(t, k) - x;
}

double CPemroView::SolveParamT(double x, int k) {
    auto residual = [&](double t) { return EvalParamXResidual(t, x, k); };
    return CountedNewton(*this, residual, m_dFoundX, &m_dFoundX);
}

double CPemroView::EvalCurveY(double x, int k) {
    switch (m_nPlotMode) {
    case 0:
        return EvalF(x, k);
    case 1:
        return EvalParamY(SolveParamT(x, k), k);
    }
    return x;
}

double CPemroView::EvalCurveYResidual(double x, double c, int k) {
    return EvalCurveY(x, k) - c;
}

double CPemroView::SolveCurveX(double c, int k) {
    auto residual = [&](double x) { return EvalCurveYResidual(x, c, k); };
    return CountedNewton(*this, residual, m_dNewtonStart, &m_dNewtonStart);
}

double CPemroView::EvalRegionFunction(double x, double y, int k) {
    if (k == 0) {
        // The cut of the two surfaces at the level m_dDirP.
        const double u = EvalSurfaceF(x, y, m_nSurfaceUpper) - m_dDirP;
        const double w = EvalSurfaceG(x, y, m_nSurfaceLower) - m_dDirP;
        return std::fabs(w) <= std::fabs(u) ? w * w : u * u;
    }
    const double* r = m_adRegionRect;
    const bool boxed = m_bFigure3D == 1;
    if (boxed && ((x - r[0]) * (r[1] - x) <= 0 || (y - r[2]) * (r[3] - y) <= 0)) return -1.0;
    // The whole plane, the commonest region, before any curve is read.
    if (m_nRegionType == 0) return 1.0;
    const auto typeX = [&] {
        return (EvalF(x, m_nFuncUpper) - y) * (y - EvalCatalogueB(x, m_nFuncLower));
    };
    const auto typeY = [&] {
        return (EvalF(y, m_nFuncRight) - x) * (x - EvalCatalogueB(y, m_nFuncLeft));
    };
    switch (m_nRegionType) {
    case 0:
        return 1.0;
    case 1:
        return typeX();
    case 2:
        return typeY();
    }
    if (k == 12) return (x - r[0]) * (r[1] - x) <= 0 ? -1.0 : typeX();
    if (k == 13) return (y - r[2]) * (r[3] - y) <= 0 ? -1.0 : typeY();
    return catalog::EvalImplicitForm(x, y, k, m_adCoefF, m_dImplicitC, m_dX0);
}

CPemroView::SurfacePass::Region::Region(CPemroView& v, int k) : m_view(v), m_k(k) {
    if (k == 0 || v.m_nRegionType < 0 || v.m_nRegionType > 1) return;
    m_boxed = v.m_bFigure3D == 1;
    for (int i = 0; i < 4; ++i) m_box[i] = v.m_adRegionRect[i];
    m_kind = v.m_nRegionType == 1 ? kBetween : m_boxed ? kBox : kWhole;
}

void CPemroView::SurfacePass::Region::Grid(const double* xs, int nx, const double* ys, int ny,
                                           double* out, int stride) const {
    const CPemroView& v = m_view;
    const auto put = [out, ny, stride](int i, int j, double value) {
        out[(std::ptrdiff_t(i) * ny + j) * stride] = value;
    };
    if (m_kind == kView) {
        for (int i = 0; i < nx; ++i)
            for (int j = 0; j < ny; ++j) put(i, j, m_view.EvalRegionFunction(xs[i], ys[j], m_k));
        return;
    }
    // Copies the stores cannot reach.
    const bool boxed = m_boxed;
    const double bottom = m_box[2], top = m_box[3];
    const auto outsideY = [boxed, bottom, top](double y) {
        return boxed && (y - bottom) * (top - y) <= 0;
    };
    if (m_kind == kBetween) {
        for (int i = 0; i < nx; ++i) {
            const double x = xs[i];
            if (boxed && OutsideX(x)) {
                for (int j = 0; j < ny; ++j) put(i, j, -1.0);
                continue;
            }
            // The two curves at x, the same for the whole column.
            const double a = v.EvalF(x, v.m_nFuncUpper), b = v.EvalCatalogueB(x, v.m_nFuncLower);
            for (int j = 0; j < ny; ++j) {
                const double y = ys[j];
                put(i, j, outsideY(y) ? -1.0 : (a - y) * (y - b));
            }
        }
        return;
    }
    // The whole plane or the box: every column inside the box in x reads
    // the same down y.
    constexpr int kChunk = 64;
    double column[kChunk];
    for (int j0 = 0; j0 < ny; j0 += kChunk) {
        const int n = std::min(kChunk, ny - j0);
        for (int j = 0; j < n; ++j) column[j] = outsideY(ys[j0 + j]) ? -1.0 : 1.0;
        for (int i = 0; i < nx; ++i) {
            const bool outside = boxed && OutsideX(xs[i]);
            for (int j = 0; j < n; ++j) put(i, j0 + j, outside ? -1.0 : column[j]);
        }
    }
}

double CPemroView::SolveImplicitX(double x0, double y, int k) {
    auto residual = [&](double x) { return EvalRegionFunction(x, y, k); };
    return CountedNewton(*this, residual, x0);
}

double CPemroView::SolveImplicitY(double x, double y0, int k) {
    auto residual = [&](double y) { return EvalRegionFunction(x, y, k); };
    return CountedNewton(*this, residual, y0);
}

double CPemroView::FindRegionEdgeMax(double x, double y, int mode) {
    if (mode == 2) {
        const long n = steps::Count(x, m_dXMax, kEdgeScanStep, kMaxEdgeScanSteps, false);
        for (long i = 0; i < n; ++i) {
            const double u = x + double(i) * kEdgeScanStep;
            if (EvalRegionFunction(u, y, m_nFuncF) > 0) return u;
        }
        return x;
    }
    if (mode == 1) {
        const long n = steps::Count(y, m_dYMax, kEdgeScanStep, kMaxEdgeScanSteps, false);
        for (long i = 0; i < n; ++i) {
            const double u = y + double(i) * kEdgeScanStep;
            if (EvalRegionFunction(x, u, m_nFuncF) > 0) return u;
        }
        return y;
    }
    return 0.0;
}

double CPemroView::FindRegionEdgeMin(double x, double y, int mode) {
    if (mode == 2) {
        double u = x;
        for (long i = 0; u > m_dXMin && i < kMaxEdgeScanSteps; ++i, u -= kEdgeScanStep)
            if (EvalRegionFunction(u, y, m_nFuncF) > 0) return u;
        return x;
    }
    if (mode == 1) {
        double u = y;
        for (long i = 0; u > m_dYMin && i < kMaxEdgeScanSteps; ++i, u -= kEdgeScanStep)
            if (EvalRegionFunction(x, u, m_nFuncF) > 0) return u;
        return y;
    }
    return 0.0;
}
