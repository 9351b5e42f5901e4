#include "catalog/math/quadrature.h"
#include "platform/real_steps.h"

#include <cmath>

namespace catalog {

namespace {

// Five-point Gauss–Legendre rule to the ten digits the program has always
// used; the printed quadrature tables depend on them.
constexpr double kNode[5] = {-0.9061798459, -0.5384693101, 0.0, 0.5384693101, 0.9061798459};
constexpr double kWeight[5] = {0.2369268851, 0.4786286705, 0.5688888889, 0.4786286705,
                               0.2369268851};
constexpr double kSlopeStep = 1e-7;
constexpr double kPi = 3.14159265358979323846;

double Slope(const FunctionRef& u, double p) {
    return (u(p + kSlopeStep) - u(p)) / kSlopeStep;
}

double ArcElement(const FunctionRef& u, double p) {
    const double s = Slope(u, p);
    return std::sqrt(1.0 + s * s);
}

// The integrand of the methods at t.
double Integrand(int method, int flag, double t, const QuadratureFunctions& fn) {
    switch (method) {
    case 2:
        return fn.F(t);
    case 6: {
        const double fu = fn.upper(t) - fn.level, gl = fn.lower(t) - fn.level;
        return std::fabs(fu * fu - gl * gl);
    }
    case 7:
        return ArcElement(fn.F, t);
    case 8:
        return ArcElement(fn.lower, t);
    case 9:
        return std::fabs(fn.F(t) - fn.level) * ArcElement(fn.F, t);
    case 10: {
        const double ft = fn.F(t);
        const double dx = t - fn.pointX, dy = ft - fn.pointY;
        const double r2 = dx * dx + dy * dy;
        const double q = flag == 0 ? dx : dy;
        return ArcElement(fn.F, t) * q / std::sqrt(r2 * r2 * r2);
    }
    case 11: {
        const double ft = fn.F(t);
        const double dx = ft - fn.pointX, dy = t - fn.pointY;
        const double r2 = dx * dx + dy * dy;
        const double q = flag == 0 ? dx : dy;
        return ArcElement(fn.F, t) * q / std::sqrt(r2 * r2 * r2);
    }
    }
    return 0.0;
}

double GaussSum(int method, int flag, double x, double h, const QuadratureFunctions& fn) {
    double sum = 0.0;
    for (int i = 0; i < 5; ++i) {
        const double t = x + h / 2 + (h / 2) * kNode[i];
        sum += kWeight[i] * Integrand(method, flag, t, fn);
    }
    return sum;
}

// Whether the method takes the five Gauss points (else one point per piece).
bool UsesGaussPoints(int method, int flag) {
    switch (method) {
    case 2:
    case 10:
    case 11:
        return true;
    case 6:
    case 7:
    case 8:
    case 9:
        return flag == 0;
    }
    return false;
}

double Piece(int method, int flag, double x, double h, const QuadratureFunctions& fn) {
    if (UsesGaussPoints(method, flag)) return GaussSum(method, flag, x, h, fn);
    switch (method) {
    case 1:
        return fn.F(x + h / 2);
    case 3:
        return fn.F(flag == 0 ? x : (flag == 1 ? x + h / 2 : x + h));
    case 4:
        return fn.F(x) + fn.F(x + h);
    case 5:
        return (fn.F(x) + 4.0 * fn.F(x + h / 2) + fn.F(x + h)) / 3.0;
    default:
        return Integrand(method, flag, x, fn); // 6..9 at the left point
    }
}

} // namespace

double IntegrateRule(double a, double b, int n, int method, int flag,
                     const QuadratureFunctions& fn) {
    if (method < 1 || method > 11 || n <= 0) return 0.0;
    // The rules never integrate backwards; this also keeps a negative step
    // from running away.
    if (!(b > a)) return 0.0;
    double h = (b - a) * fn.stepFactor / n;
    if (!(h > 0) || !std::isfinite(h)) return 0.0;
    if ((b - a) / h > double(kMaxQuadratureSubintervals)) h = (b - a) / kMaxQuadratureSubintervals;

    // Counted before the first piece: far from the origin x + h may not
    // move x.
    double sum = 0.0;
    const long count = steps::Count(a, b - h / 2, h, kMaxQuadratureSubintervals + 1, false);
    for (long i = 0; i < count; ++i) sum += Piece(method, flag, a + double(i) * h, h, fn);

    const bool gauss = UsesGaussPoints(method, flag);
    const bool halfWeight = gauss || method == 4 || method == 5;
    double result = halfWeight ? (h / 2) * sum : h * sum;
    if (method == 6) result *= kPi;
    if (method == 9) result *= 2.0 * kPi;
    return result;
}

} // namespace catalog
