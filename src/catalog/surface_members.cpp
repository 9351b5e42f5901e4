// The view's surfaces z = f(x, y) and z = g(x, y): the evaluation modes, the
// forms built on profiles, parametric curves and Taylor expansions, the
// descent objective and the colour ramps.
#include "catalog/surface_pass.h"

#include "catalog/math/surfaces.h"
#include "view/view.h"

#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

catalog::SurfaceCoefs SurfaceCoefsOf(const CPemroView& v) {
    catalog::SurfaceCoefs cf;
    for (int i = 0; i < 7; ++i) cf.upper[i] = v.m_adCoefSurfF[i];
    cf.upper[7] = v.m_adCoefSurfFExtra[0];
    cf.upper[8] = v.m_adCoefSurfFExtra[1];
    for (int i = 0; i < 9; ++i) cf.lower[i] = v.m_adCoefSurfG[i];
    cf.alphaUpper = v.m_dAlphaSurfF;
    cf.alphaLower = v.m_dAlphaSurfG;
    cf.x0 = v.m_dBreakF0;
    cf.y0 = v.m_dBreakF1;
    return cf;
}

bool SameBits(double a, double b) {
    std::uint64_t u, w;
    std::memcpy(&u, &a, sizeof u);
    std::memcpy(&w, &b, sizeof w);
    return u == w;
}

} // namespace

CPemroView::SurfacePass::SurfacePass(CPemroView& v)
    : view(v), active(DrawingCachesEnabled() && !v.m_pSurfacePass) {
    if (!active) return;
    coefs = SurfaceCoefsOf(v);
    v.m_pSurfacePass = this;
}

CPemroView::SurfacePass::~SurfacePass() {
    if (active) view.m_pSurfacePass = nullptr;
}

double CPemroView::SurfacePass::AtCentre(double x, double y, double t, int k, int which) {
    CPemroView& v = view;
    // EvalSurfaceOnRay's point, bit for bit.
    const double px = v.m_dX0 + t * (x - v.m_dX0), py = v.m_dY0 + t * (y - v.m_dY0);
    Centre& c = m_centre[which == 0 ? 0 : 1];
    if (c.known && SameBits(c.px, px) && SameBits(c.py, py) && c.k == k &&
        c.depth == v.m_nSurfaceExpansionDepth)
        return c.value;
    const int depth = v.m_nSurfaceExpansionDepth;
    const double value = which == 0 ? v.EvalSurfaceF(px, py, k) : v.EvalSurfaceG(px, py, k);
    c.known = true, c.px = px, c.py = py, c.k = k, c.depth = depth, c.value = value;
    return value;
}

double CPemroView::EvalSurfaceF(double x, double y, int k) {
    switch (m_nSurfaceEvalMode) {
    case 0:
        return EvalSurfaceCatalogueF(x, y, k);
    case 1: {
        const double v = EvalSurfaceCatalogueF(x, y, k);
        return m_dDirP < v ? m_dDirP : v;
    }
    }
    const double g = EvalSurfaceCatalogueG(x, y, m_nSurfaceLower);
    const double f = EvalSurfaceCatalogueF(x, y, m_nSurfaceUpper);
    return g <= f ? f : g;
}

double CPemroView::EvalSurfaceG(double x, double y, int k) {
    switch (m_nSurfaceEvalMode) {
    case 0:
        return EvalSurfaceCatalogueG(x, y, k);
    case 1: {
        const double v = EvalSurfaceCatalogueG(x, y, k);
        return m_dDirP < v ? m_dDirP : v;
    }
    }
    return m_dZMin - 100.0;
}

double CPemroView::EvalSurfaceCatalogueF(double x, double y, int k) {
    switch (k) {
    case 0:
        // An expansion of an expansion would never end (the selected form
        // may itself be 0): the inner one gives 0.
        if (m_nSurfaceExpansionDepth > 0) return 0.0;
        return EvalSurfaceTaylorPolynomial(x, y, m_nDemoStep, m_nSurfaceUpper, 0);
    case 17:
        return EvalProfileCatalogueF(x, m_nSurfaceUpperProfile);
    case 18:
        return EvalProfileCatalogueF(y, m_nSurfaceUpperProfile);
    case 19:
        return EvalProfileCatalogueF(std::sqrt(x * x + y * y), m_nSurfaceUpperProfile);
    case 20: {
        // Surface of revolution of the parametric curve.
        const double r = std::sqrt(x * x + y * y);
        return EvalParamY(SolveParamT(r, m_nFuncUpper), m_nFuncUpper);
    }
    }
    if (m_pSurfacePass) return catalog::EvalSurfaceForm(x, y, k, false, m_pSurfacePass->coefs);
    return catalog::EvalSurfaceForm(x, y, k, false, SurfaceCoefsOf(*this));
}

double CPemroView::EvalSurfaceCatalogueG(double x, double y, int k) {
    switch (k) {
    case 0:
        if (m_nSurfaceExpansionDepth > 0) return 0.0;
        return EvalSurfaceTaylorPolynomial(x, y, m_nDemoStep, m_nSurfaceLower, 1);
    case 17:
        return EvalProfileCatalogueG(x, m_nSurfaceLowerProfile);
    case 18:
        return EvalProfileCatalogueG(y, m_nSurfaceLowerProfile);
    case 19:
        return EvalProfileCatalogueG(std::sqrt(x * x + y * y), m_nSurfaceLowerProfile);
    case 20: {
        const double r = std::sqrt(x * x + y * y);
        return EvalParamY(SolveParamT(r, m_nFuncLower), m_nFuncLower);
    }
    }
    if (m_pSurfacePass) return catalog::EvalSurfaceForm(x, y, k, true, m_pSurfacePass->coefs);
    return catalog::EvalSurfaceForm(x, y, k, true, SurfaceCoefsOf(*this));
}

double CPemroView::EvalSurfaceOnRay(double x, double y, double t, int k, int which) {
    const double px = m_dX0 + t * (x - m_dX0), py = m_dY0 + t * (y - m_dY0);
    return which == 0 ? EvalSurfaceF(px, py, k) : EvalSurfaceG(px, py, k);
}

double CPemroView::EvalSurfaceTaylorPolynomial(double x, double y, int n, int k, int which) {
    // Expanding the expansion form itself: its inner value is 0 everywhere,
    // so every term is 0. Evaluated, it cost a pass seconds when both
    // surfaces were this form (the intersection then scans the whole grid).
    if (k == 0 && m_nSurfaceEvalMode == 0) return 0.0;
    ++m_nSurfaceExpansionDepth;
    auto phi = [&](double t) {
        if (t == 0 && m_pSurfacePass) return m_pSurfacePass->AtCentre(x, y, t, k, which);
        return EvalSurfaceOnRay(x, y, t, k, which);
    };
    const double value = catalog::EvalTaylorAlongRay(phi, n);
    --m_nSurfaceExpansionDepth;
    return value;
}

double CPemroView::EvalDescentObjective(double x, double y, int k) {
    if (k != 0) return EvalSurfaceF(x, y, k);
    const double f = EvalSurfaceCatalogueF(x, y, m_nSurfaceUpper);
    const double g = EvalSurfaceCatalogueG(x, y, m_nSurfaceLower);
    return std::sqrt(f * f + g * g);
}

double CPemroView::EvalRampFunction(double x, int mode) const {
    return catalog::EvalRampWeight(x, mode, m_nDemoStep);
}
