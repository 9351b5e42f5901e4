// Right-hand sides of the differential-equation pages: first-order forms
// f(x, y) and second-order forms y'' = f(x, y, y').
#pragma once

namespace catalog {

// First-order form k (1..9) with the coefficients a..f; form 10 (the
// draining vessel) reads the explicit catalogue and is evaluated by the
// caller. Every other k returns y.
double EvalFirstOrderForm(double x, double y, int k, const double coef[6],
                          const double lowerCoef[6]);

// The draining-vessel law of first-order form 10, given the cross-section
// A(y) at the level y.
double EvalDrainingVessel(double y, double a, double area);

// Second-order forms 1..15 and 17 with the coefficients a..f (p is y').
// Forms 0, 16 and 18 onwards read the explicit catalogues and are evaluated
// by the caller; they give 0 here.
double EvalSecondOrderForm(double x, double y, double p, int k, const double coef[6]);

// The ball rolling on the curve y = F: y'' from F'(y), F''(y) and the
// parameters g, λ and μ.
double EvalBallOnCurve(double p, double slope, double curvature, double gravity, double lambda,
                       double mu);

} // namespace catalog
