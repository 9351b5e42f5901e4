// The formula-text setters: point the view's formula fields at the constant
// GBK texts of the selected catalogue entries.
#include "catalog/formula_texts.h"
#include "view/view.h"

using catalog::FormulaTable;

void CPemroView::SetFFormulaText(int k) {
    const char* text = catalog::FormulaText(FormulaTable::ExplicitF, k);
    m_pszFormulaF = text ? text : catalog::kEmptyFormula;
}

void CPemroView::SetGFormulaText(int k) {
    m_pszFormulaF = catalog::kEmptyFormula;
    if (const char* text = catalog::FormulaText(FormulaTable::ExplicitG, k)) m_strFormulaG = text;
}

void CPemroView::SetParamFormulaText(int k) {
    const char* text = catalog::FormulaText(FormulaTable::Parametric, k);
    m_pszFormulaF = text ? text : catalog::kEmptyFormula;
}

void CPemroView::SetImplicitFormulaText(int k) {
    const char* text = catalog::FormulaText(FormulaTable::Implicit, k);
    m_pszFormulaSurfG = text ? text : catalog::kEmptyFormula;
}

void CPemroView::SetSurfaceFormulaText() {
    const char* upper = catalog::FormulaText(FormulaTable::SurfaceF, m_nSurfaceUpper);
    const char* lower = catalog::FormulaText(FormulaTable::SurfaceG, m_nSurfaceLower);
    m_pszFormulaSurfF = upper ? upper : catalog::kEmptyFormula;
    m_pszFormulaSurfG = lower ? lower : catalog::kEmptyFormula;
}
