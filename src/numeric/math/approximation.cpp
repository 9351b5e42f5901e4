#include "numeric/math/approximation.h"

#include <algorithm>
#include <cmath>

namespace numeric {

namespace {

constexpr double kPi7 = 3.1415926;
constexpr double kHalfPi7 = 1.5707963;

// Nodes (offsets in half-widths) and weights of the five-point rule.
constexpr double kNode[5] = {0.0, -0.5384693101, 0.5384693101, -0.9061798459, 0.9061798459};
constexpr double kWeight[5] = {0.5688888889, 0.4786286705, 0.4786286705, 0.2369268851,
                               0.2369268851};

// The basis values φ_0..φ_last at s (the mapped variable), by the
// recurrences; each value is formed as EvalOrthoPolynomial forms it.
void BasisValues(double s, int last, int k, double v[]) {
    v[0] = 1;
    if (last < 1) return;
    switch (k) {
    case kLegendre:
        v[1] = s;
        for (int j = 2; j <= last; ++j)
            v[j] = ((2 * j - 1) * s * v[j - 1] - (j - 1) * v[j - 2]) / j;
        break;
    case kChebyshev1:
    case kChebyshev2:
        v[1] = k == kChebyshev1 ? s : 2 * s;
        for (int j = 2; j <= last; ++j) v[j] = 2 * s * v[j - 1] - v[j - 2];
        break;
    case kPowerBasis:
        for (int j = 1; j <= last; ++j) v[j] = v[j - 1] * s;
        break;
    default:
        for (int j = 1; j <= last; ++j) v[j] = 1;
    }
}

double MapToUnit(double x, double a, double b) {
    return (2 * x - a - b) / (b - a);
}

// The variable the basis of kind k is evaluated at, and whether the point
// lies where the integrand is defined (inside the open or closed interval).
double BasisVariable(double t, int k, int powerInterval, bool* inside) {
    if (k == kPowerBasis && powerInterval != kSymmetricPowers) {
        const double u = (t + 1) / 2;
        *inside = u >= 0 && u <= 1;
        return u;
    }
    *inside = k == kLegendre || (t > -1 && t < 1);
    return t;
}

// weight × basis from the basis value, as mode kOrthoIntegrand forms it.
double Integrand(double value, double t, int k, bool inside) {
    if (k < 0 || k > kPowerBasis) return 1;
    if (!inside) return 0;
    if (k == kChebyshev1) return value / std::sqrt(1 - t * t);
    if (k == kChebyshev2) return value * std::sqrt(1 - t * t);
    return value;
}

double Weight(double t, int k) {
    if (k == kChebyshev1) return t > -1 && t < 1 ? 1 / std::sqrt(1 - t * t) : 0.0;
    if (k == kChebyshev2) return t > -1 && t < 1 ? std::sqrt(1 - t * t) : 0.0;
    return 1;
}

// Calls visit(x, weight) for every node of the composite rule over [a, b];
// the weights include the half-width.
template <class Visit> void ForEachGaussNode(double a, double b, Visit visit) {
    const double h = (b - a) / kOrthoSubintervals;
    const double delta = h / 2;
    for (int i = 0; i < kOrthoSubintervals; ++i) {
        const double mid = a + i * h + delta;
        for (int q = 0; q < 5; ++q) visit(mid + kNode[q] * delta, kWeight[q]);
    }
}

} // namespace

double EvalOrthoPolynomial(double x, int j, int k) {
    j = std::clamp(j, 0, kMaxOrthoIndex);
    double v[kMaxOrthoIndex + 1];
    BasisValues(x, j, k, v);
    return v[j];
}

double EvalOrthoBasisOnInterval(double x, int j, int k, double a, double b, int mode,
                                int powerInterval) {
    if (k < 0 || k > kPowerBasis) return 1;
    const double t = MapToUnit(x, a, b);
    if (mode == kOrthoWeight) return Weight(t, k);
    if (mode != kOrthoIntegrand && mode != kOrthoValue) return 1;
    bool inside = true;
    const double s = BasisVariable(t, k, powerInterval, &inside);
    const double value = EvalOrthoPolynomial(s, j, k);
    return mode == kOrthoValue ? value : Integrand(value, t, k, inside);
}

double GetOrthoNormSquared(int j, int k, int powerInterval) {
    switch (k) {
    case kLegendre:
        return 2.0 / (2 * j + 1);
    case kChebyshev1:
        return j == 0 ? kPi7 : kHalfPi7;
    case kChebyshev2:
        return kHalfPi7;
    case kPowerBasis:
        return (powerInterval == kSymmetricPowers ? 2.0 : 1.0) / (2 * j + 1);
    default:
        return 1;
    }
}

double ComputeOrthoCoefficient(catalog::FunctionRef f, double a, double b, int j, int k,
                               int powerInterval) {
    double total = 0;
    ForEachGaussNode(a, b, [&](double x, double w) {
        total +=
            w * (f(x) * EvalOrthoBasisOnInterval(x, j, k, a, b, kOrthoIntegrand, powerInterval));
    });
    return total * ((b - a) / kOrthoSubintervals / 2);
}

void ComputeOrthoCoefficients(catalog::FunctionRef f, double a, double b, int last, int k,
                              int powerInterval, double out[]) {
    last = std::clamp(last, 0, kMaxOrthoIndex);
    std::fill(out, out + last + 1, 0.0);
    double v[kMaxOrthoIndex + 1];
    ForEachGaussNode(a, b, [&](double x, double w) {
        const double fx = f(x);
        const double t = MapToUnit(x, a, b);
        bool inside = true;
        const double s = BasisVariable(t, k, powerInterval, &inside);
        BasisValues(s, last, k, v);
        for (int j = 0; j <= last; ++j) out[j] += w * (fx * Integrand(v[j], t, k, inside));
    });
    const double delta = (b - a) / kOrthoSubintervals / 2;
    for (int j = 0; j <= last; ++j) out[j] *= delta;
}

double EvalOrthoSeries(double x, const double c[], int n, int step, int offset, int k, double a,
                       double b, int powerInterval) {
    if (n < 0) return 0;
    const int last = std::clamp(step * n + offset, 0, kMaxOrthoIndex);
    double v[kMaxOrthoIndex + 1];
    bool inside = true;
    const double s = BasisVariable(MapToUnit(x, a, b), k, powerInterval, &inside);
    if (k < 0 || k > kPowerBasis) {
        double sum = 0;
        for (int j = 0; j <= n; ++j) sum += c[j];
        return sum;
    }
    BasisValues(s, last, k, v);
    double sum = 0;
    for (int j = 0; j <= n; ++j) sum += c[j] * v[std::min(step * j + offset, last)];
    return sum;
}

double OrthoMeanError(catalog::FunctionRef f, catalog::FunctionRef p, double a, double b, int k) {
    double total = 0;
    ForEachGaussNode(a, b, [&](double x, double w) {
        const double r = f(x) - p(x);
        total += w * (Weight(MapToUnit(x, a, b), k) * r * r);
    });
    return total * ((b - a) / kOrthoSubintervals / 2) / (b - a);
}

} // namespace numeric
