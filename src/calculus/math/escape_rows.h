// Rows of a colour plane computed several pixels at a time: the same
// iterations as IterateQuadratic and IteratePlaneMap, step for step and bit
// for bit, with independent orbits side by side in vector registers so that
// each waits less for its own arithmetic.
#pragma once

#include "calculus/math/complex_iteration.h"

namespace calculus {

// The complex quadratic over a row: pixel i is the point (xs[i], y) of the
// plane `plane` (1 the start z0, 2 A, 3 B, 4 C; the others as given).
struct QuadraticRow {
    int plane = 4;
    Complex A, B, C;
    int limit = 1;
    double eps = 0, M = 0;
};
void IterateQuadraticRow(const QuadraticRow& row, const double* xs, double y, int count,
                         IterationEnd* out);
// The same over a block of rows: pixel i of row r is (xs[i], ys[r]), its end
// out[r·count + i].
void IterateQuadraticRows(const QuadraticRow& row, const double* xs, int count, const double* ys,
                          int rows, IterationEnd* out);

// The plane map (u, v) → (q_f(u, v), q_g(u, v)) of two quadrics (the six
// coefficients each of catalog::EvalQuadric) over a row from (xs[i], y).
struct QuadricMapRow {
    double f[6] = {}, g[6] = {};
    int limit = 1;
    double eps = 0, M = 0;
};
void IterateQuadricMapRow(const QuadricMapRow& row, const double* xs, double y, int count,
                          IterationEnd* out);
void IterateQuadricMapRows(const QuadricMapRow& row, const double* xs, int count, const double* ys,
                           int rows, IterationEnd* out);

} // namespace calculus
