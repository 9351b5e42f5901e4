#include "calculus/math/revolution_sums.h"

#include <cmath>

namespace calculus {

namespace {

constexpr double kPi = 3.14159265358979323846;
// A start this many element widths past the end is the end itself.
constexpr double kStartSlack = 1e-9;

} // namespace

bool ElementStartsBy(double x, double e, double dx) {
    return x <= e + kStartSlack * std::fabs(dx);
}

long ElementCount(double a, double b, double dx, long cap) {
    if (!(dx > 0)) return 0;
    const double q = std::floor((b - a) / dx + kStartSlack);
    if (!(q >= 0)) return 0;
    return q > double(cap) ? cap : long(q);
}

double WasherSum(catalog::FunctionRef f, catalog::FunctionRef g, double c, double a, double dx,
                 long n) {
    double sum = 0;
    for (long i = 0; i < n; ++i) {
        const double x = a + double(i) * dx;
        const double F = f(x) - c, G = g(x) - c;
        sum += std::fabs(F * F - G * G);
    }
    return kPi * sum * dx;
}

double BandSum(catalog::FunctionRef y, double c, double a, double dx, long n) {
    double sum = 0, y0 = n > 0 ? y(a) : 0;
    for (long i = 0; i < n; ++i) {
        const double y1 = y(a + double(i + 1) * dx);
        sum += (std::fabs(y0 - c) + std::fabs(y1 - c)) * std::hypot(dx, y1 - y0);
        y0 = y1;
    }
    return kPi * sum;
}

} // namespace calculus
