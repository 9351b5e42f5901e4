// The view's explicit functions: catalogues A and B with the view's
// coefficients, their combination, derivatives and transforms, and the
// parametric and polar curves built on them.
#include "catalog/catalog_params.h"
#include "catalog/math/plane_curves.h"
#include "view/view.h"

#include <cmath>

using catalog::ExplicitCatalogue;

namespace catalog {

Extension ExtensionOf(const CPemroView& v) {
    Extension ext;
    ext.periodic = v.m_bFuncFPeriodic;
    ext.period = v.m_dFuncFPeriod;
    ext.symmetry = v.m_nFuncFSymmetry;
    return ext;
}

Densities DensitiesOf(const CPemroView& v) {
    Densities dn;
    dn.lambda = v.m_dLambda;
    dn.mu = v.m_dMu;
    dn.sigma = v.m_dSigma;
    dn.invSqrt2Pi = v.m_dInvSqrt2Pi;
    dn.n = v.m_nCountN;
    dn.m = v.m_nCountM;
    dn.gammaAlpha = v.m_dGammaAlpha;
    dn.gammaBeta = v.m_dGammaBeta;
    return dn;
}

ExplicitCoefs CoefsB(const CPemroView& v) {
    return CoefsOf(v.m_adCoefG, v.m_adCoefGExtra[0], v.m_adCoefGExtra[1], v.m_adCoefGExtra[2],
                   v.m_dAlphaG, v.m_dBetaG, v.m_dBreakG0, v.m_dBreakG1);
}

} // namespace catalog

namespace {

constexpr double kDerivStep = 1e-7;
constexpr double kDerivScale = 5e6; // 1 / (2 · kDerivStep)

constexpr catalog::Densities kUnreadDensities{};

// The evaluator with the view's extension; the densities are gathered only
// for the forms that read them (catalogue curves evaluate per sample).
double EvalWithView(const CPemroView& v, ExplicitCatalogue cat, double x, int k,
                    const catalog::ExplicitCoefs& cf) {
    const catalog::Extension ext = catalog::ExtensionOf(v);
    if (!catalog::ReadsDensities(k))
        return catalog::EvalExplicit(cat, x, k, cf, ext, kUnreadDensities);
    return catalog::EvalExplicit(cat, x, k, cf, ext, catalog::DensitiesOf(v));
}

} // namespace

double CPemroView::EvalCatalogueA(double x, int k) const {
    const catalog::ExplicitCoefs cf =
        catalog::CoefsOf(m_adCoefF, m_adCoefFExtra[0], m_adCoefFExtra[1], m_adCoefFExtra[2],
                         m_dAlphaF, m_dBetaF, m_dBreakF0, m_dBreakF1);
    return EvalWithView(*this, ExplicitCatalogue::A, x, k, cf);
}

double CPemroView::EvalCatalogueB(double x, int k) const {
    return EvalWithView(*this, ExplicitCatalogue::B, x, k, catalog::CoefsB(*this));
}

double CPemroView::EvalProfileCatalogueF(double x, int k) const {
    const catalog::ExplicitCoefs cf =
        catalog::CoefsOf(m_adCoefSurfF, m_adCoefSurfF[6], m_adCoefSurfFExtra[0],
                         m_adCoefSurfFExtra[1], m_dAlphaF, m_dBetaF, m_dBreakF0, m_dBreakF1);
    return EvalWithView(*this, ExplicitCatalogue::ProfileF, x, k, cf);
}

double CPemroView::EvalProfileCatalogueG(double x, int k) const {
    const catalog::ExplicitCoefs cf =
        catalog::CoefsOf(m_adCoefSurfG, m_adCoefSurfG[6], m_adCoefSurfG[7], m_adCoefSurfG[8],
                         m_dAlphaG, m_dBetaG, m_dBreakG0, m_dBreakG1);
    return EvalWithView(*this, ExplicitCatalogue::ProfileG, x, k, cf);
}

double CPemroView::EvalF(double x, int k) const {
    switch (m_nCombineMode) {
    case 1:
    case 2:
    case 3:
    case 4: {
        const double f = EvalCatalogueA(x, m_nFuncUpper);
        const double g = EvalCatalogueB(x, m_nFuncLower);
        // At a zero of g the quotient takes the catalogues' failure value.
        if (m_nCombineMode == 1) return g == 0 ? 0.0 : f / g;
        if (m_nCombineMode == 2) return f * g;
        if (m_nCombineMode == 3) return f + g;
        return f - g;
    }
    }
    return EvalCatalogueA(x, k);
}

namespace catalog {

ViewFunctionF::ViewFunctionF(const CPemroView& v, int k)
    : m_view(v), m_k(k), m_combined(v.m_nCombineMode >= 1 && v.m_nCombineMode <= 4),
      m_cf(CoefsOf(v.m_adCoefF, v.m_adCoefFExtra[0], v.m_adCoefFExtra[1], v.m_adCoefFExtra[2],
                   v.m_dAlphaF, v.m_dBetaF, v.m_dBreakF0, v.m_dBreakF1)),
      m_ext(ExtensionOf(v)), m_dn(ReadsDensities(k) ? DensitiesOf(v) : kUnreadDensities) {}

double ViewFunctionF::operator()(double x) const {
    if (m_combined) return m_view.EvalF(x, m_k);
    return EvalExplicit(ExplicitCatalogue::A, x, m_k, m_cf, m_ext, m_dn);
}

} // namespace catalog

double CPemroView::EvalFDeriv(double x, int k) const {
    return (EvalF(x + kDerivStep, k) - EvalF(x - kDerivStep, k)) * kDerivScale;
}

double CPemroView::EvalFDeriv2(double x, int k) const {
    return (EvalFDeriv(x + kDerivStep, k) - EvalFDeriv(x - kDerivStep, k)) * kDerivScale;
}

double CPemroView::EvalFTransformed(double x, int k, double scale, double location,
                                    int mode) const {
    // A zero scale or a vanishing x² gives the failure value 0.
    if (mode == 0) return scale == 0 ? 0.0 : EvalF((x - location) / scale, k) / scale;
    if (mode == 1) return (x <= 0 || x * x == 0) ? 0.0 : EvalF(scale / x, k) * scale / (x * x);
    return 0.0;
}

double CPemroView::EvalMinOfTwoF(double x, int k1, int k2) const {
    const double v1 = EvalF(x, k1), v2 = EvalF(x, k2);
    return v1 <= v2 ? v1 : v2;
}

double CPemroView::EvalMaxOfTwoF(double x, int k1, int k2) const {
    const double v1 = EvalF(x, k1), v2 = EvalF(x, k2);
    return v1 <= v2 ? v2 : v1;
}

double CPemroView::EvalGamma(double x) const {
    return catalog::EvalGamma(x);
}

double CPemroView::EvalParamX(double t, int k) const {
    return catalog::EvalParamXForm(t, k, m_adCoefF);
}

double CPemroView::EvalParamY(double t, int k) const {
    return catalog::EvalParamYForm(t, k, m_adCoefF);
}

double CPemroView::EvalPolarFX(double theta, int k) const {
    return catalog::PolarX(EvalF(theta, k), theta);
}

double CPemroView::EvalPolarFY(double theta, int k) const {
    return catalog::PolarY(EvalF(theta, k), theta);
}

void CPemroView::EvalPolarF(double theta, int k, double* x, double* y) const {
    const double r = EvalF(theta, k);
    *x = catalog::PolarX(r, theta);
    *y = catalog::PolarY(r, theta);
}

double CPemroView::EvalPolarGX(double theta, int k) const {
    return EvalCatalogueB(theta, k) * std::cos(theta);
}

double CPemroView::EvalPolarGY(double theta, int k) const {
    return EvalCatalogueB(theta, k) * std::sin(theta);
}
