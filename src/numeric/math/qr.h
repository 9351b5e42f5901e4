// Step engine of the QR-algorithm demonstration: the shifted matrix A - pI is
// factored as QR (Gram-Schmidt, Householder reflections, or a Hessenberg
// reduction followed by Givens rotations), RQ becomes the next matrix, and
// so on, one operation per step, in a simulated precision.
#pragma once

#include "numeric/math/linear_solvers.h"

#include <memory>

namespace numeric {

constexpr int kQrMaxOrder = 20;
// The Householder variants stop after the iteration that reaches this step;
// Gram-Schmidt stops there too, so that no step count makes a pass hang.
constexpr int kQrIterationStepLimit = 10000;

enum QrVariant { kSchmidt = 0, kHouseholder = 1, kHessenbergGivens = 2 };

struct QrInput {
    const double (*a)[kDim]; // the matrix in rows and columns 0..n-1
    int n = 0;
    int variant = 0;
    int step = 0;
    double shift = 0;
    int precision = 6;
};

struct QrResult {
    int n = 0;
    int variant = 0;
    int steps = 0;                           // steps actually run (at most the requested one)
    bool capped = false;                     // the requested step lies beyond the run's end
    double b[kQrMaxOrder][kQrMaxOrder] = {}; // current matrix, shift added back when finished
    // Lower table: Q (Gram-Schmidt) or the transformation P_j, transposed
    // after a finished iteration.
    double lower[kQrMaxOrder][kQrMaxOrder] = {};
    int lowerColumns = 0; // Gram-Schmidt: columns of Q built so far
    // Panel matrix: the R factor, the reflection H, V(i,j) or the product Q;
    // rows of 21 doubles.
    double panel[kQrMaxOrder][kQrMaxOrder + 1] = {};
    double r[kQrMaxOrder][kQrMaxOrder] = {}; // the R factor (Gram-Schmidt)
    double u[kQrMaxOrder] = {}, w[kQrMaxOrder] = {};
    double sigma = 0, beta = 0;
    int column = 0;        // the column treated last
    bool finished = false; // the last step completed an iteration (or the reduction)
    int iterations = 0;
};

// n is clamped to 2..kQrMaxOrder and a variant outside 0..2 runs as 0; step
// 0 gives R(A - pI) only.
void RunQr(const QrInput& in, QrResult* out);

// RunQr that remembers its runs: a later step of the same input goes on
// from the state it kept at the start of an earlier iteration (every few
// iterations one is kept), so stepping on costs an iteration, not the run
// from the start.
class QrStepper {
public:
    QrStepper();
    ~QrStepper();
    QrStepper(const QrStepper&) = delete;
    QrStepper& operator=(const QrStepper&) = delete;
    void Run(const QrInput& in, QrResult* out);

private:
    struct Kept;
    std::unique_ptr<Kept> m_kept;
};

} // namespace numeric
