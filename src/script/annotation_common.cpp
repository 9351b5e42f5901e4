// What the figure annotation commands share: their gate, the bounded demo
// increment and the rule that ties an out-of-range point to the cursor.
#include "view/view.h"

#include <cmath>

namespace {

// The demo increment Δx (relative to the x span) that the ×1.25 and ×0.8
// buttons change: repeated clicks stop at these bounds.
constexpr double kStepHMin = 1e-6;
constexpr double kStepHMax = 10.0;
constexpr double kStepHDefault = 0.1;

} // namespace

BOOL CPemroView::IsAnnotationOn() const {
    return m_bPlaneCmdsEnabled && m_bFigureVisible;
}

void CPemroView::ScaleStepH(double factor) {
    // A value a dialog left unusable starts again from the default.
    double h = std::isfinite(m_dStepH) && m_dStepH > 0 ? m_dStepH : kStepHDefault;
    h *= factor;
    if (!(h >= kStepHMin)) h = kStepHMin;
    if (h > kStepHMax) h = kStepHMax;
    m_dStepH = h;
}

void CPemroView::PlaneYOrCurve(double x, double* y) {
    if (*y < m_dYMin || *y > m_dYMax) *y = m_nPlotMode == 0 ? EvalF(x, m_nFuncF) : m_dCursorY;
}

void CPemroView::PlanePointOrCursor(double* x, double* y) {
    if (*x < m_dXMin || *x > m_dXMax) *x = m_dCursorX;
    PlaneYOrCurve(*x, y);
}
