// Step engines of the elimination demonstrations: Gaussian elimination
// (plain, with column pivoting, Gauss-Jordan with the inverse) and the
// reduction of a matrix to triangular or reduced row echelon form, to its
// inverse or to its determinant. Each runs its algorithm from the start up
// to a given count of row operations, in a simulated precision, and returns
// the state to show; the demonstrations draw it.
#pragma once

#include "numeric/math/linear_solvers.h"

namespace numeric {

// Largest working array of the demonstrations: 20 rows, 20 coefficients and
// the right-hand side.
constexpr int kDemoRows = 20;
constexpr int kDemoCols = 21;
// Pivots at or below these magnitudes count as zero.
constexpr double kGaussPivotZero = 1e-10;
constexpr double kGaussRankZero = 1e-8;
constexpr double kReducePivotZero = 1e-9;

struct GaussInput {
    const double (*a)[kDim]; // the working system, right-hand sides in column kRhs
    int n = 0;               // unknowns
    int m = 0;               // equations
    int variant = 0;         // 0 plain, 1 column pivoting, 2 Gauss-Jordan with the inverse
    int step = 0;            // row operations to show (mode O: -1 shows the system as entered)
    int precision = 6;       // RoundSignificant's precision code
};

struct GaussResult {
    double a[kDemoRows][kDemoCols] = {};
    int n = 0, m = 0, q = 0;     // unknowns, equations shown, identity width
    bool overdetermined = false; // solved through the normal equations
    int step = 0;                // the step after clamping
    int highlight = -1;          // row of the operation shown, -1 none
    bool finalShown = false;     // the elimination is complete
    bool pivotFailed = false;    // a zero pivot stopped the computation
    bool noSolution = false;
    bool solved = false; // x holds the particular (or Gauss-Jordan) solution
    int rank = 0;
    double x[kDemoRows] = {};
    int basisCount = 0; // homogeneous basis vectors
    double basis[kDemoRows][kDemoRows] = {};
    bool hasResidual = false; // the sum of squared residuals Q
    double residual = 0;
};

void RunGauss(const GaussInput& in, GaussResult* out);

struct ReduceInput {
    const double (*a)[kDim];
    int mode = 0; // 0 upper triangular, 1 reduced row echelon form, 2 inverse, 3 determinant
    int m = 0;    // rows
    int n = 0;    // columns
    int step = 0;
    int precision = 6;
};

struct ReduceResult {
    double a[kDemoRows][kDemoCols] = {};
    int m = 0, n = 0; // rows still shown, columns
    int pivotCol[kDemoRows] = {};
    int exchanges = 0;
    int step = 0;          // the step after clamping (never below 0)
    int highlight = -1;    // row of the operation shown
    int highlightFrom = 0; // first highlighted column of that row
    bool hasDeterminant = false;
    double determinant = 0;
};

void RunReduce(const ReduceInput& in, ReduceResult* out);

} // namespace numeric
