// Jacobi's rotation method for the eigenvalues and eigenvectors of a
// symmetric matrix: each rotation clears the largest off-diagonal entry.
// Step s shows rotation ceil(s / 2): before it when s is odd, after it when
// s is even.
#pragma once

#include "numeric/math/linear_solvers.h"

namespace numeric {

constexpr int kJacobiMinOrder = 2;
constexpr int kJacobiMaxOrder = 8;
// Rotations of one pass at most; steps beyond show the last state.
constexpr int kMaxJacobiRotations = 10000;

struct JacobiInput {
    const double (*a)[kDim]; // the matrix in rows and columns 0..n-1
    int n = 0;
    double epsilon = 1e-6;
    int step = 1;
    int precision = 6;
};

struct JacobiResult {
    int n = 0;
    double a[kJacobiMaxOrder][kJacobiMaxOrder] = {}; // the matrix shown
    double j[kJacobiMaxOrder][kJacobiMaxOrder] = {}; // the rotation shown
    // Eigenvectors as rows; rows of 21 doubles for the related-data panel.
    double v[kJacobiMaxOrder][21] = {};
    int p = 0, q = 0;   // pivot of the rotation shown (p = q: none yet)
    bool after = false; // the shown matrix is the rotated one
    bool final = false; // diagonal within ε: no rotation is left
    int rotations = 0;  // rotations applied
};

void RunJacobi(const JacobiInput& in, JacobiResult* out);

} // namespace numeric
