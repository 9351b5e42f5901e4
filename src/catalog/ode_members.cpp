// The view's differential-equation right-hand sides: the first-order forms on
// the upper surface coefficients, the second-order forms on the lower ones.
#include "catalog/formula_texts.h"
#include "catalog/math/ode_forms.h"
#include "view/view.h"

double CPemroView::EvalODERightSide(double /*t*/, double x, double y, int k) const {
    if (k == 10) return catalog::EvalDrainingVessel(y, m_adCoefSurfF[0], EvalF(y, m_nFuncUpper));
    return catalog::EvalFirstOrderForm(x, y, k, m_adCoefSurfF, m_adCoefSurfG);
}

double CPemroView::EvalSecondOrderRightSide(double x, double y, double yp, int k) const {
    if (k == 0) return -m_dOdeP * yp - m_dOdeQ * y + EvalF(x, m_nFuncUpper);
    if (k == 16)
        return catalog::EvalBallOnCurve(yp, EvalFDeriv(y, m_nFuncF), EvalFDeriv2(y, m_nFuncF),
                                        m_dGravity, m_dSavedLambda, m_dSavedMu);
    if (k >= 1 && k <= 17) return catalog::EvalSecondOrderForm(x, y, yp, k, m_adCoefSurfG);
    // Liénard: x'' + f(x) x' + g(x) = 0.
    return -EvalF(y, m_nFuncUpper) * yp - EvalCatalogueB(y, m_nFuncLower);
}

void CPemroView::SetODEFormulaText(int k) {
    using catalog::FormulaTable;
    m_pszFormulaF = catalog::kEmptyFormula;
    m_pszFormulaSurfG = catalog::kEmptyFormula;
    if (const char* fxy = catalog::FormulaText(FormulaTable::OdeFxy, k)) m_strFormulaFxy = fxy;
    if (const char* sx = catalog::FormulaText(FormulaTable::OdeSystemX, m_nSurfaceUpper))
        m_pszFormulaSurfF = sx;
    if (const char* sy = catalog::FormulaText(FormulaTable::OdeSystemY, m_nSurfaceLower))
        m_pszFormulaSurfG = sy;
    if (const char* ode = catalog::FormulaText(FormulaTable::OdeSecondOrder, m_nSurfaceLower))
        m_pszFormulaOde = ode;
}
