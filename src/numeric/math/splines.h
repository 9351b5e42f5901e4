// Cubic splines in the moment form: the second derivatives M_0..M_n at the
// nodes solve a tridiagonal system, and each interval carries the cubic
// that EvalSplineSegment gives.
#pragma once

#include "numeric/math/linear_solvers.h"

namespace numeric {

// End conditions: second derivatives given at both ends (the natural
// spline when both are 0), or first derivatives given at both ends.
enum SplineEnd { kSplineSecondDerivatives = 1, kSplineFirstDerivatives = 2 };

// The cubic with values y_l, y_r and second derivatives M_l, M_r at x_l and
// x_r = x_l + h; also evaluated outside [x_l, x_r].
double EvalSplineSegment(double x, double h, double xl, double xr, double yl, double yr, double Ml,
                         double Mr);

// The interval whose cubic gives S(t): 0 left of x_1, n - 1 right of
// x_{n-1}, else the first i with x_i <= t < x_{i+1}; `previous` when none.
int SplineSegmentOf(const double x[], int n, double t, int previous);
double EvalSpline(const double x[], const double y[], const double M[], int n, double t);

// Sets up the moment system of end condition c in a (block 0..n cleared,
// 2 on the diagonal, the off-diagonal ratios), factors it by Doolittle into
// l and u, and solves for M_0..M_n by the substitutions on their bands;
// d receives the right-hand side. Returns the order of the system (n - 1
// or n + 1), 0 when c names no condition (M is left as it is). With c = 1
// and n = 1 there are no unknowns: M is (α, β). Needs 1 <= n < kDim.
int SolveSplineMoments(const double x[], const double y[], int n, int c, double alpha, double beta,
                       double a[][kDim], double l[][kDim], double u[][kDim], double d[],
                       double M[]);

// ∫_from^to S(t) dt, exact: between consecutive node values the interval
// choice stays the same and each piece is a cubic.
double IntegrateSpline(const double x[], const double y[], const double M[], int n, double from,
                       double to);

} // namespace numeric
