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

// 1/j for the Legendre recurrence: a multiplication instead of a division
// in the innermost loop.
struct Reciprocals {
    double of[kMaxOrthoIndex + 1] = {};
};
constexpr Reciprocals MakeReciprocals() {
    Reciprocals r;
    for (int j = 1; j <= kMaxOrthoIndex; ++j) r.of[j] = 1.0 / j;
    return r;
}
constexpr Reciprocals kReciprocal = MakeReciprocals();

// The basis values φ_0..φ_last at N points s[q] by the recurrences, into
// v[j][q]. The N chains are independent, so they run side by side (a
// measured hot loop: the inner products take 50,000 points a pass).
template <int N> void BasisValues(const double s[N], int last, int k, double v[][N]) {
    for (int q = 0; q < N; ++q) v[0][q] = 1;
    if (last < 1) return;
    switch (k) {
    case kLegendre:
        for (int q = 0; q < N; ++q) v[1][q] = s[q];
        for (int j = 2; j <= last; ++j)
            for (int q = 0; q < N; ++q)
                v[j][q] =
                    ((2 * j - 1) * s[q] * v[j - 1][q] - (j - 1) * v[j - 2][q]) * kReciprocal.of[j];
        break;
    case kChebyshev1:
    case kChebyshev2:
        for (int q = 0; q < N; ++q) v[1][q] = k == kChebyshev1 ? s[q] : 2 * s[q];
        for (int j = 2; j <= last; ++j)
            for (int q = 0; q < N; ++q) v[j][q] = 2 * s[q] * v[j - 1][q] - v[j - 2][q];
        break;
    case kPowerBasis:
        for (int j = 1; j <= last; ++j)
            for (int q = 0; q < N; ++q) v[j][q] = v[j - 1][q] * s[q];
        break;
    default:
        for (int j = 1; j <= last; ++j)
            for (int q = 0; q < N; ++q) v[j][q] = 1;
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

constexpr int kNodes = 5;
constexpr double kPi = 3.14159265358979323846;

// The nodes of one subinterval of the composite rule over [a, b] for basis
// kind k: x, the mapped t, and m, what the rule's weight is multiplied by so
// that Σ W·g(x)·m over all nodes, times Scale(), is ∫_a^b g(x) w(t) dx.
struct Nodes {
    double x[kNodes], t[kNodes], m[kNodes];
};

// The Chebyshev weights are singular (1/√(1−t²)) or not smooth (√(1−t²))
// at ±1: with t = cos θ they become 1 and sin²θ over θ ∈ [0, π], where the
// same rule converges fast.
bool OnAngle(int k) {
    return k == kChebyshev1 || k == kChebyshev2;
}

double Scale(double a, double b, int k) {
    const double h = OnAngle(k) ? kPi / kOrthoSubintervals : (b - a) / kOrthoSubintervals;
    return OnAngle(k) ? h / 2 * ((b - a) / 2) : h / 2;
}

// Calls visit(nodes) for each subinterval of the composite rule, in order.
template <class Visit> void ForEachSubinterval(double a, double b, int k, Visit visit) {
    const bool angle = OnAngle(k);
    const double from = angle ? 0.0 : a;
    const double h = ((angle ? kPi : b) - from) / kOrthoSubintervals;
    const double delta = h / 2;
    Nodes nodes;
    for (int i = 0; i < kOrthoSubintervals; ++i) {
        const double mid = from + i * h + delta;
        for (int q = 0; q < kNodes; ++q) {
            const double u = mid + kNode[q] * delta;
            if (angle) {
                const double t = std::cos(u), sine = std::sin(u);
                nodes.t[q] = t;
                nodes.x[q] = (a + b) / 2 + (b - a) / 2 * t;
                nodes.m[q] = k == kChebyshev1 ? 1.0 : sine * sine;
            } else {
                nodes.x[q] = u;
                nodes.t[q] = MapToUnit(u, a, b);
                nodes.m[q] = 1;
            }
        }
        visit(nodes);
    }
}

} // namespace

double EvalOrthoPolynomial(double x, int j, int k) {
    j = std::clamp(j, 0, kMaxOrthoIndex);
    double v[kMaxOrthoIndex + 1][1];
    BasisValues<1>(&x, j, k, v);
    return v[j][0];
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

void EvalOrthoBasisValuesOnInterval(double x, int last, int k, double a, double b,
                                    int powerInterval, double v[]) {
    last = std::clamp(last, 0, kMaxOrthoIndex);
    double w[kMaxOrthoIndex + 1][1];
    bool inside = true;
    const double s = BasisVariable(MapToUnit(x, a, b), k, powerInterval, &inside);
    BasisValues<1>(&s, last, k, w);
    for (int j = 0; j <= last; ++j) v[j] = w[j][0];
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
    ForEachSubinterval(a, b, k, [&](const Nodes& nodes) {
        double sub = 0;
        for (int q = 0; q < kNodes; ++q) {
            bool inside = true;
            const double s = BasisVariable(nodes.t[q], k, powerInterval, &inside);
            const double phi = k < 0 || k > kPowerBasis ? 1.0 : EvalOrthoPolynomial(s, j, k);
            sub += kWeight[q] * (f(nodes.x[q]) * (phi * nodes.m[q]));
        }
        total += sub;
    });
    return total * Scale(a, b, k);
}

void ComputeOrthoCoefficients(catalog::FunctionRef f, double a, double b, int last, int k,
                              int powerInterval, double out[]) {
    last = std::clamp(last, 0, kMaxOrthoIndex);
    std::fill(out, out + last + 1, 0.0);
    double v[kMaxOrthoIndex + 1][kNodes];
    ForEachSubinterval(a, b, k, [&](const Nodes& nodes) {
        double fx[kNodes], s[kNodes];
        bool inside[kNodes];
        for (int q = 0; q < kNodes; ++q) {
            fx[q] = f(nodes.x[q]);
            s[q] = BasisVariable(nodes.t[q], k, powerInterval, &inside[q]);
        }
        BasisValues<kNodes>(s, last, k, v);
        // Each subinterval's five terms first, then its sum: the order of
        // ComputeOrthoCoefficient, and one dependent addition per index.
        for (int j = 0; j <= last; ++j) {
            double sub = 0;
            for (int q = 0; q < kNodes; ++q) sub += kWeight[q] * (fx[q] * (v[j][q] * nodes.m[q]));
            out[j] += sub;
        }
    });
    const double scale = Scale(a, b, k);
    for (int j = 0; j <= last; ++j) out[j] *= scale;
}

namespace {

// Σ c_j v[step·j + offset][q] for each of the N points.
template <int N>
void SumSeries(const double c[], int n, int step, int offset, int last, const double v[][N],
               double sum[N]) {
    for (int q = 0; q < N; ++q) sum[q] = 0;
    for (int j = 0; j <= n; ++j)
        for (int q = 0; q < N; ++q) sum[q] += c[j] * v[std::min(step * j + offset, last)][q];
}

} // namespace

double EvalOrthoSeries(double x, const double c[], int n, int step, int offset, int k, double a,
                       double b, int powerInterval) {
    if (n < 0) return 0;
    const int last = std::clamp(step * n + offset, 0, kMaxOrthoIndex);
    double v[kMaxOrthoIndex + 1][1];
    bool inside = true;
    const double s = BasisVariable(MapToUnit(x, a, b), k, powerInterval, &inside);
    BasisValues<1>(&s, last, k, v);
    double sum = 0;
    SumSeries<1>(c, n, step, offset, last, v, &sum);
    return sum;
}

double OrthoMeanError(catalog::FunctionRef f, const double c[], int n, int step, int offset, int k,
                      double a, double b, int powerInterval) {
    const int last = std::clamp(step * std::max(n, 0) + offset, 0, kMaxOrthoIndex);
    double v[kMaxOrthoIndex + 1][kNodes];
    double total = 0;
    ForEachSubinterval(a, b, k, [&](const Nodes& nodes) {
        double s[kNodes], p[kNodes];
        bool inside[kNodes];
        for (int q = 0; q < kNodes; ++q)
            s[q] = BasisVariable(nodes.t[q], k, powerInterval, &inside[q]);
        BasisValues<kNodes>(s, last, k, v);
        SumSeries<kNodes>(c, n, step, offset, last, v, p);
        double sub = 0;
        for (int q = 0; q < kNodes; ++q) {
            const double r = f(nodes.x[q]) - (n < 0 ? 0.0 : p[q]);
            sub += kWeight[q] * (nodes.m[q] * r * r);
        }
        total += sub;
    });
    return total * Scale(a, b, k) / (b - a);
}

} // namespace numeric
