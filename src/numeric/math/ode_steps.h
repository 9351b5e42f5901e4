// One step of the initial-value solvers: Euler and improved Euler, and the
// classical Runge-Kutta step with the fourth-order Adams formulas taking
// over once a curve has three earlier points.
#pragma once

namespace numeric {

// The right-hand sides: one equation y' = f(x, y), or the system
// y' = F(x, y, z), z' = G(x, y, z).
struct OdeRightSides {
    virtual ~OdeRightSides() = default;
    virtual double Single(double x, double y) const = 0;
    virtual double F(double x, double y, double z) const = 0;
    virtual double G(double x, double y, double z) const = 0;
};

// Adams history: per component, the solution at x - 3h, x - 2h, x - h in
// slots 0, 1, 2 (slot 3 unused).
using OdeHistory = double[2][4];

// Method 0 Euler, 1 improved Euler; any other method leaves *result alone.
// The equation is y' = f(x, y).
void EulerStep(const OdeRightSides& f, int method, double x, double y, double h, double* result);

// kind 0: y' = f(x, y) into result[0]; kind 1: the system into result[0]
// and result[1]; any other kind does nothing. Method 0 always takes the
// Runge-Kutta step; otherwise, once |x - x0| >= 4|h|, method 1 takes the
// Adams predictor-corrector and any other method the explicit Adams step.
// Every step with a method other than 0 shifts the history.
void RungeKuttaAdamsStep(const OdeRightSides& f, int method, int kind, double x, double y, double z,
                         double h, double x0, OdeHistory history, double result[2]);

} // namespace numeric
