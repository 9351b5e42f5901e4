// Jacobi, Gauss-Seidel and successive over-relaxation for A x = b, in a
// simulated precision, with the shown iterations thinned to about nine rows.
#pragma once

#include "numeric/math/linear_solvers.h"

namespace numeric {

constexpr int kIterMaxOrder = 20;
// Iterations of one pass at most: stepping beyond shows the last of them.
constexpr int kMaxSolverIterations = 10000;
constexpr int kMaxShownRows = 12;

enum IterativeMethod { kJacobi = 0, kGaussSeidel = 1, kRelaxation = 2 };

struct IterativeInput {
    const double (*a)[kDim]; // A in columns 0..n-1, b in column kRhs
    int n = 0;
    int method = 0;
    double omega = 1;
    const double* x0 = nullptr; // n start values; null: zero vector
    int step = 1;               // step s of the demonstration: s - 1 iterations
    double epsilon = 0;
    int precision = 6;
};

struct IterativeRow {
    int number = 0; // iteration number, from 1
    double x[kIterMaxOrder] = {};
};

struct IterativeResult {
    int n = 0;
    int method = 0;
    double m[kIterMaxOrder][kIterMaxOrder + 1] = {}; // rounded A | b
    double x0[kIterMaxOrder] = {};
    IterativeRow rows[kMaxShownRows];
    int rowCount = 0;
    // The last requested iteration: its new and previous iterates (the
    // related-data panel), when it was reached.
    bool lastReached = false;
    double xNew[kIterMaxOrder] = {}, xOld[kIterMaxOrder] = {};
    int done = 0;       // iterations completed
    int zeroPivot = -1; // row of a zero diagonal entry, or -1
    bool converged = false;
    bool diverged = false; // an iterate left the finite numbers: the run stops there
};

// Iterations shown at step s: 0, t, 2t, ... with t = s / 9 + 1, so that
// about nine rows appear.
int ThinningStride(int step);

// A method outside 0..2 runs as Jacobi.
void RunIterative(const IterativeInput& in, IterativeResult* out);

} // namespace numeric
