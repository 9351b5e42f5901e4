// Direct solvers of the small linear systems the demonstrations set up. A
// system of order n has its coefficients in rows and columns 0..n-1 of a
// kDim x kDim matrix and the right-hand side of row i in column kRhs.
#pragma once

namespace numeric {

constexpr int kDim = 100;
constexpr int kRhs = kDim - 1;
// Largest order SolveSmallSystem takes.
constexpr int kSmallSystemMax = 10;

// Gaussian elimination with partial pivoting (the first of equal candidates
// is the pivot row); n is clamped to kSmallSystemMax. Writes x[0..n-1].
// A zero pivot gives non-finite entries, nothing else.
void SolveSmallSystem(const double a[][kDim], int n, double x[]);

// Doolittle (method 0: unit lower triangle) or Cholesky (method 1: U = L^T)
// factors into l (on and below the diagonal) and u (on and above it), then
// the two triangular solves into x[0..n-1]; n is clamped to kDim. Entries
// outside those triangles and beyond n are left as they were.
void DecomposeAndSolve(const double a[][kDim], int n, int method, double l[][kDim],
                       double u[][kDim], double x[]);

} // namespace numeric
