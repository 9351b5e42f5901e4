// Taylor polynomials of one variable: closed-form Maclaurin coefficients of
// the catalogue forms that have them, coefficients from central differences
// for every other function, and the polynomial's value.
#pragma once

#include "catalog/math/function_ref.h"

namespace calculus {

using catalog::FunctionRef;

// Room of the coefficient table C[0..49]. The sine and cosine forms write one
// entry past the order, so closed forms serve orders up to 48.
constexpr int kTaylorTableSize = 50;
constexpr int kMaxClosedFormOrder = kTaylorTableSize - 2;
// The difference branch keeps binomial rows of ten entries: orders up to 9.
constexpr int kMaxDifferenceOrder = 9;
// Step of the central differences.
constexpr double kTaylorDifferenceStep = 0.001;

// Each routine fills C[0..n] (the sine/cosine one C[0..n+1]) for n within its
// cap; a larger n is reduced to the cap, a negative one to 0.

// (b·x + c)^α about 0: C[i] = binom(α, i)·b^i·valueAt(α − i), where
// valueAt(β) is the function's value at 0 with the exponent lowered to β.
void PowerCoefficients(double alpha, double b, FunctionRef valueAt, int n, double* C);

// α^(b·x + c) about 0: C[i] = (b·ln α)^i / i! · f0, f0 the value at 0.
void ExponentialCoefficients(double alpha, double b, double f0, int n, double* C);

// ln(b·x + c) / ln α about x0 (f0 its value there).
void LogarithmCoefficients(double alpha, double b, double c, double x0, double f0, int n,
                           double* C);

// sin x (cosine false) or cos x about x0.
void SineCosineCoefficients(bool cosine, double x0, int n, double* C);

// 1/(e·x + f) about x0 (f0 its value there).
void ReciprocalCoefficients(double e, double f, double x0, double f0, int n, double* C);

// F about x0 from central differences of step h: the i-th derivative is
// Σ_j (−1)^j·binom(i, j)·F(x0 + (i − 2j)·h) / (2h)^i, then divided by i!.
void DifferenceCoefficients(FunctionRef F, double x0, int n, double* C);

// P(x) = Σ_{i=0..n} C[i]·(x − x0)^i, the powers by repeated multiplication.
double TaylorValue(const double* C, int n, double x0, double x);

} // namespace calculus
