#include "numeric/math/splines.h"

#include <algorithm>

namespace numeric {

namespace {

// An antiderivative of EvalSplineSegment.
double SegmentPrimitive(double x, double h, double xl, double xr, double yl, double yr, double Ml,
                        double Mr) {
    const double p = xr - x, q = x - xl;
    return (Mr * q * q * q * q - Ml * p * p * p * p) / (24 * h) +
           ((yr - Mr * h * h / 6) * q * q - (yl - Ml * h * h / 6) * p * p) / (2 * h);
}

void SolveSecondDerivativeEnds(const double y[], const double h[], int n, double alpha, double beta,
                               double a[][kDim], double l[][kDim], double u[][kDim], double d[],
                               double M[]) {
    double mu[kDim], lambda[kDim], scratch[kDim];
    for (int i = 0; i + 2 <= n; ++i) {
        mu[i] = h[i] / (h[i] + h[i + 1]);
        lambda[i] = 1 - mu[i];
    }
    for (int r = 0; r + 3 <= n; ++r) a[r][r + 1] = lambda[r];
    for (int r = 1; r + 2 <= n; ++r) a[r][r - 1] = mu[r];
    DecomposeAndSolve(a, n - 1, 0, l, u, scratch);
    for (int r = 0; r + 2 <= n; ++r)
        d[r] =
            6 * ((y[r + 2] - y[r + 1]) / h[r + 1] - (y[r + 1] - y[r]) / h[r]) / (h[r] + h[r + 1]);
    d[0] -= mu[0] * alpha;
    d[n - 2] -= lambda[n - 2] * beta;
    M[0] = alpha;
    M[1] = d[0];
    for (int k = 2; k <= n - 1; ++k) M[k] = d[k - 1] - l[k - 1][k - 2] * M[k - 1];
    M[n - 1] /= u[n - 2][n - 2];
    for (int k = n - 2; k >= 1; --k) M[k] = (M[k] - u[k - 1][k] * M[k + 1]) / u[k - 1][k - 1];
    M[n] = beta;
}

void SolveFirstDerivativeEnds(const double y[], const double h[], int n, double alpha, double beta,
                              double a[][kDim], double l[][kDim], double u[][kDim], double d[],
                              double M[]) {
    double scratch[kDim];
    for (int i = 1; i <= n - 1; ++i) {
        const double mu = h[i - 1] / (h[i - 1] + h[i]);
        a[i][i + 1] = 1 - mu;
        a[i][i - 1] = mu;
    }
    a[0][1] = 1;
    a[n][n - 1] = 1;
    DecomposeAndSolve(a, n + 1, 0, l, u, scratch);
    for (int i = 1; i <= n - 1; ++i)
        d[i] = 6 * ((y[i + 1] - y[i]) / h[i] - (y[i] - y[i - 1]) / h[i - 1]) / (h[i - 1] + h[i]);
    d[0] = 6 * ((y[1] - y[0]) / h[0] - alpha) / h[0];
    d[n] = 6 * (beta - (y[n] - y[n - 1]) / h[n - 1]) / h[n - 1];
    M[0] = d[0];
    for (int k = 1; k <= n; ++k) M[k] = d[k] - l[k][k - 1] * M[k - 1];
    M[n] /= u[n][n];
    for (int k = n - 1; k >= 0; --k) M[k] = (M[k] - u[k][k + 1] * M[k + 1]) / u[k][k];
}

} // namespace

double EvalSplineSegment(double x, double h, double xl, double xr, double yl, double yr, double Ml,
                         double Mr) {
    const double t = (x - xl) / h, s = (x - xr) / h;
    return (Mr * t * t * t - Ml * s * s * s - Mr * t + Ml * s) * h * h / 6 + yr * t - yl * s;
}

int SplineSegmentOf(const double x[], int n, double t, int previous) {
    if (t < x[1]) return 0;
    if (t > x[n - 1]) return n - 1;
    for (int i = 1; i <= n - 1; ++i)
        if (x[i] <= t && t < x[i + 1]) return i;
    return previous;
}

double EvalSpline(const double x[], const double y[], const double M[], int n, double t) {
    const int i = SplineSegmentOf(x, n, t, 0);
    return EvalSplineSegment(t, x[i + 1] - x[i], x[i], x[i + 1], y[i], y[i + 1], M[i], M[i + 1]);
}

int SolveSplineMoments(const double x[], const double y[], int n, int c, double alpha, double beta,
                       double a[][kDim], double l[][kDim], double u[][kDim], double d[],
                       double M[]) {
    if (c != kSplineSecondDerivatives && c != kSplineFirstDerivatives) return 0;
    double h[kDim];
    for (int i = 0; i < n; ++i) h[i] = x[i + 1] - x[i];
    for (int i = 0; i <= n; ++i) {
        std::fill(a[i], a[i] + n + 1, 0.0);
        a[i][i] = 2;
        d[i] = 0;
    }
    if (c == kSplineSecondDerivatives) {
        if (n < 2) {
            M[0] = alpha, M[n] = beta;
            return 0;
        }
        SolveSecondDerivativeEnds(y, h, n, alpha, beta, a, l, u, d, M);
        return n - 1;
    }
    SolveFirstDerivativeEnds(y, h, n, alpha, beta, a, l, u, d, M);
    return n + 1;
}

double IntegrateSpline(const double x[], const double y[], const double M[], int n, double from,
                       double to) {
    if (!(to > from)) return 0;
    double cut[kDim + 2];
    int count = 0;
    cut[count++] = from;
    for (int i = 0; i <= n; ++i)
        if (x[i] > from && x[i] < to) cut[count++] = x[i];
    cut[count++] = to;
    std::sort(cut, cut + count);
    double total = 0;
    int segment = 0;
    for (int p = 0; p + 1 < count; ++p) {
        if (cut[p + 1] == cut[p]) continue;
        segment = SplineSegmentOf(x, n, (cut[p] + cut[p + 1]) / 2, segment);
        const int i = segment;
        const double h = x[i + 1] - x[i];
        const auto F = [&](double t) {
            return SegmentPrimitive(t, h, x[i], x[i + 1], y[i], y[i + 1], M[i], M[i + 1]);
        };
        total += F(cut[p + 1]) - F(cut[p]);
    }
    return total;
}

} // namespace numeric
