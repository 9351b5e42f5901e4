// Step engine of the triangular-factorisation demonstration: Doolittle,
// square root (Cholesky), improved square root (L D L^T), chasing for
// tridiagonal matrices, and iterative improvement on top of Doolittle. The
// factors are computed element by element up to a given step in a
// simulated precision, then the two triangular systems are solved.
#pragma once

#include "numeric/math/elimination.h"

namespace numeric {

constexpr int kLuMaxOrder = 20;
// Off-tridiagonal entries up to this magnitude pass the chasing method's test.
constexpr double kTridiagonalTolerance = 1e-5;
// Refinement iterations of one paint at most, whatever the step.
constexpr int kMaxRefinements = 10000;

enum LuMethod {
    kDoolittle = 0,
    kSquareRoot = 1,
    kImprovedSquareRoot = 2,
    kChasing = 3,
    kRefinement = 4
};

struct LuInput {
    const double (*a)[kDim]; // the system, right-hand sides in column kRhs
    int n = 0;
    int method = 0;
    int step = 0;
    int precision = 6;
};

struct LuResult {
    int n = 0;
    int method = 0;
    double m[kLuMaxOrder][kLuMaxOrder + 1] = {}; // the rounded augmented matrix
    double l[kLuMaxOrder][kLuMaxOrder] = {};
    double u[kLuMaxOrder][kLuMaxOrder] = {};
    int hiRow = -1, hiCol = -1;  // the element computed last
    int elements = 0;            // elements the method computes in all
    bool notSymmetric = false;   // methods 1, 2
    bool notTridiagonal = false; // method 3
    bool failed = false;         // a zero pivot or a radicand below zero
    bool brokenBand = false;     // the chasing method met a zero pivot
    bool solved = false;         // y and x hold the triangular solves
    double y[kLuMaxOrder] = {};
    double x[kLuMaxOrder] = {};
    int iterations = 0; // refinement iterations done (method 4)
    double refineX[kLuMaxOrder] = {}, refineR[kLuMaxOrder] = {}, refineD[kLuMaxOrder] = {};
};

// Steps at or below 0 compute nothing (the result holds the matrix only).
void RunTriangular(const LuInput& in, LuResult* out);

} // namespace numeric
