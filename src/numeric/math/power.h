// The power method and its variants: inverse iteration (with LU factors),
// Aitken's acceleration and a fixed shift, one iteration per step, in a
// simulated precision.
#pragma once

#include <vector>

namespace numeric {

constexpr int kPowerMaxOrder = 20;
// Iterations of one pass at most (and at most kPowerWorkBudget / n^2), so a
// pass stays short; stepping beyond shows the last of them.
constexpr int kMaxPowerIterations = 2000;
constexpr long kPowerWorkBudget = 400000;
constexpr int kMaxPowerRows = 12;
// λ and its predecessor before the first iteration.
constexpr double kPowerStartLambda = 100000;

enum PowerMode {
    kPower = 0,
    kInversePower = 1,
    kPowerAitken = 2,
    kInverseAitken = 3,
    kShiftedPower = 4,
    kShiftedInverse = 5
};

struct PowerInput {
    // M = A - pI for the even modes; for the odd ones its LU factors, the
    // unit lower factor below the diagonal and U on and above it. Rows of
    // kPowerMaxOrder + 1 doubles.
    const double (*m)[kPowerMaxOrder + 1] = nullptr;
    const double* b = nullptr; // start vector
    int n = 0;
    int mode = 0;
    double shift = 0;
    double epsilon = 1e-6;
    int step = 0; // iterations asked for
    int precision = 6;
};

struct PowerRow {
    int number = 0; // iteration number, from 1
    double v[kPowerMaxOrder] = {};
    double lambda = 0;
};

struct PowerResult {
    int n = 0;
    int mode = 0;
    double v0[kPowerMaxOrder] = {}; // the normalised start vector
    PowerRow rows[kMaxPowerRows];
    int rowCount = 0;
    std::vector<double> path; // every iterate, n values each
    // The last iteration performed: new vector, forward-substitution vector,
    // previous vector.
    int lastK = -1;
    double u[kPowerMaxOrder] = {}, y[kPowerMaxOrder] = {}, v[kPowerMaxOrder] = {};
    double lambda = 0;
    bool aitkenShown = false; // a, b, c of the shown iteration
    double aitken[3] = {};
    int aitkenK = 0;
    bool converged = false;
    bool diverged = false; // an iterate stopped being finite
};

// Index of the largest modulus; a later index wins only when strictly larger.
int LargestIndex(const double* v, int n);

// A mode outside 0..5 runs as the power method.
void RunPower(const PowerInput& in, PowerResult* out);

} // namespace numeric
