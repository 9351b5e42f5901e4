// Fourier series of a function of period T: the coefficient integrals over
// one period by the composite five-point Gauss–Legendre rule, all the
// coefficients of a partial sum at once, and the partial sum along a row of
// equally spaced points.
#pragma once

#include "catalog/math/function_ref.h"

namespace calculus {

using catalog::FunctionRef;

// Terms of a partial sum: the coefficient arrays hold a[0..500], b[0..500].
constexpr int kFourierMaxTerms = 500;
constexpr int kFourierTableSize = kFourierMaxTerms + 1;
// Subintervals of one period in the coefficient integrals.
constexpr int kFourierPanels = 1000;

// ∫ F(x)·cos(2kπx/T) dx (kind 0) or with sin (kind 1) over [−T/2, T/2],
// not yet scaled by 2/T. 0 for any other kind and for a period that is not
// positive and finite.
double FourierIntegral(FunctionRef F, double T, double k, int kind);

// a[0] the mean of F over a period; a[k], b[k] (k = 1..n) the cosine and sine
// coefficients 2/T·∫ F·cos, 2/T·∫ F·sin. n is held within 0..500; b[0] = 0.
// F is sampled once for all the terms. All zero for an unusable period.
void FourierCoefficients(FunctionRef F, double T, int n, double* a, double* b);

// out[i] = S(x0 + i·dx) for i = 0..count−1, S(x) = a[0] + Σ_{k=1..n}
// (a[k]·cos(2kπx/T) + b[k]·sin(2kπx/T)).
void FourierPartialSums(const double* a, const double* b, int n, double T, double x0, double dx,
                        int count, double* out);

} // namespace calculus
