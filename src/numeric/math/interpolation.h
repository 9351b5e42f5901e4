// Interpolation through the nodes (x_0, y_0) … (x_n, y_n): Lagrange's form,
// the piecewise-linear interpolant and Newton's divided differences.
#pragma once

namespace numeric {

// Node arrays and the divided-difference table hold this many entries, so
// the last node index is at most kInterpNodes - 1.
constexpr int kInterpNodes = 100;

// l_k(t) = Π_{j≠k} (t - x_j)/(x_k - x_j), factors in increasing j.
double EvalLagrangeBasis(const double x[], int n, int k, double t);
// L_n(t) = Σ y_k l_k(t), summed from k = 0.
double EvalLagrangeInterpolant(const double x[], const double y[], int n, double t);
// The piecewise-linear interpolant on the first interval x_i <= t < x_{i+1};
// false when no interval holds t or the one found has length 0.
bool EvalPiecewiseLinear(const double x[], const double y[], int n, double t, double* value);

// D[i][j] = u[t_i, …, t_{i+j}]. A column whose step t_{i+j+1} - t_i falls
// below 1e-5 in size ends there; its remaining entries stay 0.
void DividedDifferences(const double t[], const double u[], int n, double D[][kInterpNodes]);
// The Newton form through t_0..t_n at x, by Horner's rule from D[0][n].
double EvalNewtonForm(const double t[], const double D[][kInterpNodes], int n, double x);

} // namespace numeric
