// The view's initial-value steps: the right-hand sides come from the
// differential-equation catalogues, the Adams history lives in the view.
#include "numeric/math/ode_steps.h"
#include "view/view.h"

namespace {

class ViewRightSides : public numeric::OdeRightSides {
public:
    explicit ViewRightSides(const CPemroView& v) : m_v(v) {}
    double Single(double x, double y) const override {
        return m_v.EvalODERightSide(0, x, y, m_v.m_nSurfaceUpper);
    }
    double F(double x, double y, double z) const override {
        return m_v.EvalODERightSide(x, y, z, m_v.m_nSurfaceUpper);
    }
    double G(double x, double y, double z) const override {
        return m_v.EvalSecondOrderRightSide(x, y, z, m_v.m_nSurfaceLower);
    }

private:
    const CPemroView& m_v;
};

} // namespace

void CPemroView::OdeEulerStep(double x, double y, double h) {
    numeric::EulerStep(ViewRightSides(*this), m_nOdeMethod, x, y, h, &m_adStepResult[0]);
}

void CPemroView::OdeRungeKuttaAdamsStep(int kind, double x, double y, double z, double h,
                                        double x0) {
    numeric::RungeKuttaAdamsStep(ViewRightSides(*this), m_nOdeMethod, kind, x, y, z, h, x0,
                                 m_adOdePrevF, m_adStepResult);
}
