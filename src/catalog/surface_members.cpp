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

const catalog::TaylorCoefs& CPemroView::SurfacePass::Taylor(int k, int which, int n) {
    CPemroView& v = view;
    Expansion& e = m_expansion[which == 0 ? 0 : 1];
    const int depth = v.m_nSurfaceExpansionDepth;
    if (!(e.known && SameBits(e.x0, v.m_dX0) && SameBits(e.y0, v.m_dY0) && e.k == k && e.n == n &&
          e.depth == depth && e.mode == v.m_nSurfaceEvalMode && SameBits(e.level, v.m_dDirP))) {
        e.coefs = v.TaylorCoefsOf(k, which, n);
        e.known = true, e.x0 = v.m_dX0, e.y0 = v.m_dY0, e.k = k, e.n = n, e.depth = depth;
        e.mode = v.m_nSurfaceEvalMode, e.level = v.m_dDirP;
    }
    return e.coefs;
}

// The same choices as EvalSurfaceF/G, EvalSurfaceCatalogueF/G and
// EvalSurfaceTaylorPolynomial, in the evaluation mode that takes the
// surfaces as they are; any other case asks the view at each point.
CPemroView::SurfacePass::Sampler::Sampler(CPemroView& v, int which, int k)
    : m_view(v), m_which(which), m_k(k) {
    SurfacePass* pass = v.m_pSurfacePass;
    if (!pass || v.m_nSurfaceEvalMode != 0) return;
    if (k == 17 || k == 18 || k == 19 || k == 20) return;
    if (k != 0) {
        m_kind = kForm, m_pass = pass;
        m_form = catalog::SurfaceFormOf(k, which != 0);
        m_grid = catalog::SurfaceGridOf(k, which != 0);
        return;
    }
    const int expanded = which == 0 ? v.m_nSurfaceUpper : v.m_nSurfaceLower;
    if (v.m_nSurfaceExpansionDepth > 0 || expanded == 0) {
        m_kind = kZero;
        return;
    }
    m_kind = kPolynomial;
    m_taylor.emplace(pass->Taylor(expanded, which, v.m_nDemoStep));
    m_x0 = v.m_dX0, m_y0 = v.m_dY0;
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

catalog::TaylorCoefs CPemroView::TaylorCoefsOf(int k, int which, int n) {
    ++m_nSurfaceExpansionDepth;
    struct Surface {
        CPemroView* v;
        int k, which;
    } surface{this, k, which};
    const auto at = [](void* ctx, double x, double y) {
        const Surface& s = *static_cast<Surface*>(ctx);
        return s.which == 0 ? s.v->EvalSurfaceF(x, y, s.k) : s.v->EvalSurfaceG(x, y, s.k);
    };
    const catalog::TaylorCoefs coefs = catalog::ComputeTaylorCoefs(at, &surface, m_dX0, m_dY0, n);
    --m_nSurfaceExpansionDepth;
    return coefs;
}

double CPemroView::EvalSurfaceTaylorPolynomial(double x, double y, int n, int k, int which) {
    // Expanding the expansion form itself: its inner value is 0 everywhere,
    // so every term is 0.
    if (k == 0 && m_nSurfaceEvalMode == 0) return 0.0;
    // The coefficients once per pass where a pass runs, else per point.
    if (m_pSurfacePass)
        return catalog::EvalTaylorCoefs(m_pSurfacePass->Taylor(k, which, n), x - m_dX0, y - m_dY0);
    return catalog::EvalTaylorCoefs(TaylorCoefsOf(k, which, n), x - m_dX0, y - m_dY0);
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
