#include "numeric/math/interpolation.h"

#include <cmath>

namespace numeric {

namespace {

constexpr double kMinNodeStep = 1e-5;

} // namespace

double EvalLagrangeBasis(const double x[], int n, int k, double t) {
    double l = 1.0;
    for (int j = 0; j <= n; ++j)
        if (j != k) l *= (t - x[j]) / (x[k] - x[j]);
    return l;
}

double EvalLagrangeInterpolant(const double x[], const double y[], int n, double t) {
    double sum = 0.0;
    for (int k = 0; k <= n; ++k) sum += y[k] * EvalLagrangeBasis(x, n, k, t);
    return sum;
}

bool EvalPiecewiseLinear(const double x[], const double y[], int n, double t, double* value) {
    for (int i = 0; i < n; ++i) {
        if (!(x[i] <= t && t < x[i + 1])) continue;
        const double h = x[i + 1] - x[i];
        if (h == 0) return false;
        *value = -y[i] * (t - x[i + 1]) / h + (t - x[i]) * y[i + 1] / h;
        return true;
    }
    return false;
}

void DividedDifferences(const double t[], const double u[], int n, double D[][kInterpNodes]) {
    for (int i = 0; i <= n; ++i)
        for (int j = 0; j <= n; ++j) D[i][j] = 0;
    for (int i = 0; i <= n; ++i) D[i][0] = u[i];
    for (int j = 0; j < n; ++j) {
        for (int i = 0; i < n - j; ++i) {
            const double h = t[i + j + 1] - t[i];
            if (std::fabs(h) < kMinNodeStep) break;
            D[i][j + 1] = (D[i + 1][j] - D[i][j]) / h;
        }
    }
}

double EvalNewtonForm(const double t[], const double D[][kInterpNodes], int n, double x) {
    if (n < 0) return 0;
    double y = D[0][n];
    for (int k = n - 1; k >= 0; --k) y = y * (x - t[k]) + D[0][k];
    return y;
}

} // namespace numeric
