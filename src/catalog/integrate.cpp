// The view's quadrature: the rules of catalog/math over the current
// functions of the catalogues.
#include "catalog/math/quadrature.h"
#include "view/view.h"

double CPemroView::Integrate(double a, double b, int n, int method, int flag) const {
    auto F = [this](double x) { return EvalF(x, m_nFuncF); };
    auto upper = [this](double x) { return EvalF(x, m_nFuncUpper); };
    auto lower = [this](double x) { return EvalCatalogueB(x, m_nFuncLower); };
    const catalog::QuadratureFunctions fn{F,     upper, lower, m_dParamStep, m_dDemoParam,
                                          m_dX0, m_dY0};
    return catalog::IntegrateRule(a, b, n, method, flag, fn);
}
