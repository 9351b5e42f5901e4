// Best approximation in the mean-square sense: the classical orthogonal
// polynomials, the bases mapped onto an interval [a, b], their norms and
// the inner products with a function by composite Gauss–Legendre.
#pragma once

#include "catalog/math/function_ref.h"

namespace numeric {

// Basis kinds; every other value is the constant 1.
enum OrthoKind { kLegendre = 0, kChebyshev1 = 1, kChebyshev2 = 2, kPowerBasis = 3 };
// The standard interval of the power basis: kSymmetricPowers takes s = t on
// [-1, 1], any other value s = (t + 1)/2 on [0, 1].
constexpr int kSymmetricPowers = 2;
// Modes of the mapped basis: weight times basis (the integrand), the basis
// alone, the weight alone.
enum OrthoMode { kOrthoIntegrand = 0, kOrthoValue = 1, kOrthoWeight = 2 };
// Highest index a table of basis values holds (odd powers of degree 99).
constexpr int kMaxOrthoIndex = 199;
// Subintervals of the composite rule.
constexpr int kOrthoSubintervals = 10000;

// P_j, T_j, U_j or x^j at x; an index below 0 is taken as 0.
double EvalOrthoPolynomial(double x, int j, int k);
// The basis of index j on [a, b] (x mapped to t = (2x - a - b)/(b - a)).
double EvalOrthoBasisOnInterval(double x, int j, int k, double a, double b, int mode,
                                int powerInterval);
// The basis values φ_0..φ_last on [a, b] at x (mode kOrthoValue) into v.
void EvalOrthoBasisValuesOnInterval(double x, int last, int k, double a, double b,
                                    int powerInterval, double v[]);
// Squared norm of basis function j on [-1, 1] with its weight (the course's
// constants 3.1415926 and 1.5707963 for the Chebyshev kinds).
double GetOrthoNormSquared(int j, int k, int powerInterval);
// ∫_a^b f(x) · (weight × basis j)(x) dx: 10,000 subintervals, five
// Gauss–Legendre nodes each; for the Chebyshev kinds over θ ∈ [0, π] with
// t = cos θ, which takes the weight's end singularity out of the integrand.
double ComputeOrthoCoefficient(catalog::FunctionRef f, double a, double b, int j, int k,
                               int powerInterval);
// The same integrals for every index 0..last at once: f is evaluated once
// per node instead of once per index, the sums are the same.
void ComputeOrthoCoefficients(catalog::FunctionRef f, double a, double b, int last, int k,
                              int powerInterval, double out[]);
// Σ c_j φ_{index_j}(x) (mode kOrthoValue) with index_j = step·j + offset.
double EvalOrthoSeries(double x, const double c[], int n, int step, int offset, int k, double a,
                       double b, int powerInterval);
// (1/(b - a)) ∫_a^b w(x) (f(x) - p(x))² dx by the same composite rule, with
// p the series of EvalOrthoSeries.
double OrthoMeanError(catalog::FunctionRef f, const double c[], int n, int step, int offset, int k,
                      double a, double b, int powerInterval);

} // namespace numeric
