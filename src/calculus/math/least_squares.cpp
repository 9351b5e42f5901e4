#include "calculus/math/least_squares.h"

#include <cmath>

namespace calculus {

LeastSquaresFit FitLeastSquares(const double* x, const double* y, int n, int model) {
    LeastSquaresFit fit;
    if (n < 1) return fit;
    const auto z = [&](int i) {
        return model == kModelExponential ? std::log(std::fabs(y[i]) + 0.000001) : y[i];
    };
    double mx = 0, mz = 0, mq = 0;
    for (int i = 0; i < n; ++i) mx += x[i], mz += z(i), mq += x[i] * x[i];
    mx /= n, mz /= n, mq /= n;
    double Sxx = 0, Sxz = 0, Sxq = 0, Sqz = 0, Sqq = 0;
    for (int i = 0; i < n; ++i) {
        const double dx = x[i] - mx, dz = z(i) - mz, dq = x[i] * x[i] - mq;
        Sxx += dx * dx, Sxz += dx * dz, Sxq += dx * dq, Sqz += dq * dz, Sqq += dq * dq;
    }
    if (model == kModelQuadratic) {
        const double D = Sxx * Sqq - Sxq * Sxq;
        // Relative to the sizes of its terms, or rounding passes for a value.
        if (!(std::fabs(D) > 1e-12 * Sxx * Sqq)) return fit;
        fit.b = (Sxz * Sqq - Sqz * Sxq) / D;
        fit.c = (Sqz * Sxx - Sxz * Sxq) / D;
        fit.a = mz - mx * fit.b - mq * fit.c;
    } else {
        if (!(Sxx > 0)) return fit;
        fit.b = Sxz / Sxx;
        fit.a = mz - mx * fit.b;
    }
    fit.ok = std::isfinite(fit.a) && std::isfinite(fit.b) && std::isfinite(fit.c);
    return fit;
}

} // namespace calculus
