// Least-squares fits of the models y = a + bx, y = a·e^(bx) (through ln y)
// and y = a + bx + cx² by the normal equations in centred sums.
#pragma once

namespace calculus {

// The models by their on-screen numbers.
constexpr int kModelLinear = 1;
constexpr int kModelExponential = 2;
constexpr int kModelQuadratic = 3;

struct LeastSquaresFit {
    double a = 0, b = 0, c = 0; // for the exponential model a is ln of its factor
    bool ok = false;            // false: too few distinct abscissas for the model
};

// Fits the model to the n points (x[i], y[i]); the exponential model fits
// ln(|y| + 0.000001).
LeastSquaresFit FitLeastSquares(const double* x, const double* y, int n, int model);

} // namespace calculus
