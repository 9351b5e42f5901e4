// Parametric and implicit plane curves, the Newton iteration that inverts
// them, the page-background weights and the parabola through three points.
#pragma once

#include "catalog/math/function_ref.h"

namespace catalog {

// Parametric form k (1..21) at t with the coefficients a..f of catalogue A;
// any other k is form 16 (x = at² + bt + c, y = dt² + et + f).
double EvalParamXForm(double t, int k, const double coef[6]);
double EvalParamYForm(double t, int k, const double coef[6]);

// The polar point (r cos θ, r sin θ), each coordinate by its own library
// call, as the polar curves have always been drawn (a fused sin/cos call
// need not round alike).
double PolarX(double r, double theta);
double PolarY(double r, double theta);
// Both at once, equal to PolarX and PolarY where the library's fused call
// rounds as its two (the GNU library), else by the two calls.
void PolarPoint(double r, double theta, double* x, double* y);

// EvalParamXForm and EvalParamYForm at once, equal to them: a curve's
// samples share sin t and cos t between the coordinates.
void EvalParamForm(double t, int k, const double coef[6], double* x, double* y);

// Implicit form k (1..24): positive inside, zero on the curve. Forms 12 and
// 13 are built on the region curves and evaluated by the caller; they and
// every index outside 1..24 give 0 here.
double EvalImplicitForm(double x, double y, int k, const double coef[6], double implicitC,
                        double x0);

// Newton iteration on a residual of one variable: forward-difference slope
// with step 1e-5, a fixed step of 0.1 to the left where the slope is flat
// (|slope| <= 1e-4), stop when a step is at most 1e-5. Returns the root, or
// kNoValue when 100 rounds pass; *last (when given) gets the last iterate
// whatever the outcome.
constexpr int kNewtonRounds = 100;
double SolveNewton(FunctionRef residual, double start, double* last = nullptr);

// Weight of computed page background pattern n at cell offsets (u, v).
double EvalBackgroundPatternWeight(double u, double v, int n);

// Coefficients of v = a·u² + b·u + c through three points, by Cramer's rule
// with point 2 as the reference. False (a, b, c untouched) when the
// determinant is below 1e-4 in size, or not a number.
bool SolveParabolaThroughPoints(double u1, double v1, double u2, double v2, double u3, double v3,
                                double* a, double* b, double* c);

} // namespace catalog
