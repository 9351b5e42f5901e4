#include "numeric/math/linear_solvers.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace numeric {

void SolveSmallSystem(const double a[][kDim], int n, double x[]) {
    n = std::min(n, kSmallSystemMax);
    if (n < 1) return;
    double w[kSmallSystemMax][kSmallSystemMax + 1];
    for (int i = 0; i < n; ++i) {
        x[i] = 0;
        for (int j = 0; j < n; ++j) w[i][j] = a[i][j];
        w[i][n] = a[i][kRhs];
    }
    for (int k = 0; k + 1 < n; ++k) {
        int p = k;
        for (int i = k + 1; i < n; ++i)
            if (std::fabs(w[i][k]) > std::fabs(w[p][k])) p = i;
        if (p > k)
            for (int j = k; j <= n; ++j) std::swap(w[k][j], w[p][j]);
        for (int i = k + 1; i < n; ++i) {
            for (int j = k + 1; j <= n; ++j) w[i][j] -= w[i][k] * w[k][j] / w[k][k];
            w[i][k] = 0;
        }
    }
    x[n - 1] = w[n - 1][n] / w[n - 1][n - 1];
    for (int i = n - 2; i >= 0; --i) {
        double s = w[i][n];
        for (int j = i + 1; j < n; ++j) s -= w[i][j] * x[j];
        x[i] = s / w[i][i];
    }
}

namespace {

void Doolittle(const double a[][kDim], int n, double l[][kDim], double u[][kDim]) {
    for (int j = 0; j < n; ++j) u[0][j] = a[0][j];
    for (int i = 1; i < n; ++i) l[i][0] = a[i][0] / u[0][0];
    for (int k = 1; k < n; ++k) {
        for (int j = k; j < n; ++j) {
            double s = a[k][j];
            for (int t = 0; t < k; ++t) s -= l[k][t] * u[t][j];
            u[k][j] = s;
        }
        for (int i = k + 1; i < n; ++i) {
            double s = a[i][k];
            for (int t = 0; t < k; ++t) s -= l[i][t] * u[t][k];
            l[i][k] = s / u[k][k];
        }
    }
    for (int i = 0; i < n; ++i) l[i][i] = 1;
}

void Cholesky(const double a[][kDim], int n, double l[][kDim], double u[][kDim]) {
    for (int k = 0; k < n; ++k) {
        double s = a[k][k];
        for (int t = 0; t < k; ++t) s -= l[k][t] * l[k][t];
        l[k][k] = std::sqrt(s);
        for (int i = k + 1; i < n; ++i) {
            double r = a[i][k];
            for (int t = 0; t < k; ++t) r -= l[i][t] * l[k][t];
            l[i][k] = r / l[k][k];
        }
    }
    for (int i = 0; i < n; ++i)
        for (int j = i; j < n; ++j) u[i][j] = l[j][i];
}

} // namespace

void DecomposeAndSolve(const double a[][kDim], int n, int method, double l[][kDim],
                       double u[][kDim], double x[]) {
    n = std::min(n, kDim);
    if (n < 1) return;
    // The right-hand sides first: at order kDim the last coefficient column
    // is the right-hand side column itself.
    double b[kDim];
    for (int i = 0; i < n; ++i) {
        b[i] = a[i][kRhs];
        x[i] = 0;
    }
    if (method == 1)
        Cholesky(a, n, l, u);
    else
        Doolittle(a, n, l, u);

    x[0] = b[0] / l[0][0];
    for (int i = 1; i < n; ++i) {
        double s = b[i];
        for (int j = 0; j < i; ++j) s -= l[i][j] * x[j];
        x[i] = s / l[i][i];
    }
    x[n - 1] /= u[n - 1][n - 1];
    for (int i = n - 2; i >= 0; --i) {
        double s = x[i];
        for (int j = i + 1; j < n; ++j) s -= u[i][j] * x[j];
        x[i] = s / u[i][i];
    }
}

} // namespace numeric
