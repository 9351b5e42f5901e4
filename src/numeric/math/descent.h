// Descent methods: steepest descent and conjugate gradients on the
// quadratic form 1/2 x'Bx - c'x (a linear system or its normal equations),
// and steepest descent with a stepping line search on a nonlinear
// objective of two variables.
#pragma once

#include <functional>
#include <vector>

namespace numeric {

constexpr int kDescentMaxOrder = 20;
// Iterations of one pass at most; stepping beyond shows the last of them.
constexpr int kMaxDescentIterations = 1000;
// Objective evaluations of one pass at most (the line search may take up to
// 100,000 for one iteration).
constexpr long kMaxObjectiveEvaluations = 300000;
// A component beyond this magnitude (or not finite) ends the iteration.
constexpr double kDescentBound = 1e8;
// Forward-difference step, line-search step and its end.
constexpr double kGradientStep = 1e-6;
constexpr double kLineSearchStep = 1e-4;
constexpr double kLineSearchEnd = 10;

enum DescentKind { kNonlinearSystem = 0, kLinearSystem = 1, kQuadraticForm = 2 };

struct DescentInput {
    int kind = kQuadraticForm;
    int method = 1; // 1: steepest descent; otherwise conjugate gradients
    int n = 2;
    // B and, in column n, c; rows of kDescentMaxOrder + 1 doubles.
    const double (*b)[kDescentMaxOrder + 1] = nullptr;
    const double* x0 = nullptr;
    double epsilon = 0.1;
    int iterations = 0;
    std::function<double(double, double)> objective; // the nonlinear kind
};

struct DescentStep {
    double x[kDescentMaxOrder] = {};
    double from[kDescentMaxOrder] = {};
    double beta = 0, lambda = 0;
};

struct DescentResult {
    int n = 0;
    std::vector<DescentStep> steps;
    // After the last iteration: its residual, its starting point and the
    // direction before it.
    double r[kDescentMaxOrder] = {}, xOld[kDescentMaxOrder] = {}, pOld[kDescentMaxOrder] = {};
    bool converged = false; // the largest change came to ε or below
    bool diverged = false;
    bool capped = false; // the pass ran out of iterations or evaluations
};

void RunDescent(const DescentInput& in, DescentResult* out);

} // namespace numeric
