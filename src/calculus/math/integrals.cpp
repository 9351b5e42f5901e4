#include "calculus/math/integrals.h"

#include <cmath>

namespace calculus {

namespace {

// Gauss–Legendre nodes and weights by node i and row m (m + 1 nodes), to the
// digits the pages print; row 0 is empty.
constexpr double kNodes[6][6] = {
    {0, -0.5773502692, -0.7745966692, -0.8611363116, -0.9061798459, -0.9324695142},
    {0, 0.5773502692, 0.0, -0.3399810436, -0.5384693101, -0.6612093865},
    {0, 0, 0.7745966692, 0.3399810436, 0.0, -0.2386191861},
    {0, 0, 0, 0.8611363116, 0.5384693101, 0.2386191861},
    {0, 0, 0, 0, 0.9061798459, 0.6612093865},
    {0, 0, 0, 0, 0, 0.9324695142},
};
constexpr double kWeights[6][6] = {
    {0, 1.0, 0.55555555556, 1 - 0.6521451549, 0.2369268851, 0.1713244924},
    {0, 1.0, 0.8888888889, 0.6521451549, 0.4786286705, 0.3607615731},
    {0, 0, 0.55555555556, 0.6521451549, 0.5688888889, 0.4679139346},
    {0, 0, 0, 1 - 0.6521451549, 0.4786286705, 0.4679139346},
    {0, 0, 0, 0, 0.2369268851, 0.3607615731},
    {0, 0, 0, 0, 0, 0.1713244924},
};

bool Usable(double a, double b, int n) {
    return n >= 1 && std::isfinite(a) && std::isfinite(b);
}

} // namespace

int DoubledSubintervals(int n) {
    if (n < 1) return 1;
    return n >= kMaxDemoSubintervals / 2 ? kMaxDemoSubintervals : 2 * n;
}

int HalvedSubintervals(int n) {
    if (n > kMaxDemoSubintervals) return kMaxDemoSubintervals / 2;
    return n > 0 ? n / 2 : 0;
}

double RiemannSum(const RealFunction& F, double a, double b, int n, double c) {
    if (!Usable(a, b, n)) return 0.0;
    const double h = (b - a) / n;
    double s = 0.0;
    for (int i = 0; i < n; ++i) s += F(a + i * h + c * h) * h;
    return s;
}

double TrapezoidSum(const RealFunction& F, double a, double b, int n) {
    if (!Usable(a, b, n)) return 0.0;
    const double h = (b - a) / n;
    double s = 0.0, f0 = F(a);
    for (int i = 0; i < n; ++i) {
        const double f1 = F(a + (i + 1) * h);
        s += (f0 + f1) * h / 2;
        f0 = f1;
    }
    return s;
}

double SimpsonSum(const RealFunction& F, double a, double b, int n) {
    if (!Usable(a, b, n)) return 0.0;
    const double h = (b - a) / n;
    double s = 0.0, f0 = F(a);
    for (int i = 0; i < n; ++i) {
        const double x = a + i * h;
        const double f1 = F(x + h), fm = F(x + h / 2);
        s += (f0 + 4 * fm + f1) * h / 6;
        f0 = f1;
    }
    return s;
}

double GaussNode(int i, int m) {
    return (m >= 1 && m <= 5 && i >= 0 && i <= m) ? kNodes[i][m] : 0.0;
}

double GaussWeight(int i, int m) {
    return (m >= 1 && m <= 5 && i >= 0 && i <= m) ? kWeights[i][m] : 0.0;
}

double GaussSum(const RealFunction& F, double a, double b, int n, int m) {
    if (!Usable(a, b, n) || m < 1 || m > 5) return 0.0;
    const double h = (b - a) / n, half = h / 2;
    double s = 0.0;
    for (int k = 0; k < n; ++k) {
        const double x = a + k * h;
        for (int i = 0; i <= m; ++i) s += F(x + (1 + kNodes[i][m]) * half) * kWeights[i][m];
    }
    return s * half;
}

double SimpsonParabola(double x, double h, double f0, double fm, double f1, double u) {
    const double p = u - x, q = u - x - h / 2, r = u - x - h;
    return (2 * f0 * q * r - 4 * fm * p * r + 2 * f1 * p * q) / (h * h);
}

double PolarPickAngle(double cx, double cy, double a) {
    if (cx == 0) return 1.571;
    if (cx > 0) {
        if (cy >= 0) return std::atan(cy / cx);
        return a < 0 ? -std::atan(-cy / cx) : 6.28 - std::atan(-cy / cx);
    }
    if (cy >= 0) return 3.1416 - std::atan(-cy / cx);
    return std::atan(cy / cx) + 3.1416;
}

} // namespace calculus
