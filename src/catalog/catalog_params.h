// The catalogue parameters as the view holds them, gathered for the pure
// evaluators of catalog/math.
#pragma once

#include "catalog/math/explicit_catalogue.h"

class CPemroView;

namespace catalog {

Extension ExtensionOf(const CPemroView& v);
Densities DensitiesOf(const CPemroView& v);
// Catalogue B's coefficient set as the view holds it.
ExplicitCoefs CoefsB(const CPemroView& v);
// Inline: the catalogues gather their coefficients for every sample.
inline ExplicitCoefs CoefsOf(const double abcdef[6], double g, double h, double i, double alpha,
                             double beta, double x0, double x1) {
    ExplicitCoefs cf;
    cf.a = abcdef[0];
    cf.b = abcdef[1];
    cf.c = abcdef[2];
    cf.d = abcdef[3];
    cf.e = abcdef[4];
    cf.f = abcdef[5];
    cf.g = g;
    cf.h = h;
    cf.i = i;
    cf.alpha = alpha;
    cf.beta = beta;
    cf.x0 = x0;
    cf.x1 = x1;
    return cf;
}

// The view's F of form k, CPemroView::EvalF, with the catalogue parameters
// gathered once: a curve asks for it at a hundred thousand samples while
// nothing changes them.
class ViewFunctionF {
public:
    ViewFunctionF(const CPemroView& v, int k);
    double operator()(double x) const;

private:
    const CPemroView& m_view;
    int m_k;
    bool m_combined; // F combines the two catalogues: the view evaluates it
    ExplicitCoefs m_cf;
    Extension m_ext;
    Densities m_dn;
};

} // namespace catalog
