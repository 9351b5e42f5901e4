#include "calculus/math/revolution_sums.h"

#include <algorithm>
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
    // A remainder of a rounding error is no element of its own.
    const double q = std::ceil((b - a) / dx - kStartSlack);
    if (!(q >= 0)) return 0;
    return q > double(cap) ? cap : long(q);
}

double ElementEnd(double a, double b, double dx, long i) {
    return std::min(a + double(i + 1) * dx, b);
}

double WasherSum(catalog::FunctionRef f, catalog::FunctionRef g, double c, double a, double b,
                 double dx, long cap) {
    const long n = ElementCount(a, b, dx, cap);
    double sum = 0;
    for (long i = 0; i < n; ++i) {
        const double x = a + double(i) * dx;
        const double F = f(x) - c, G = g(x) - c;
        sum += std::fabs(F * F - G * G) * (ElementEnd(a, b, dx, i) - x);
    }
    return kPi * sum;
}

double BandSum(catalog::FunctionRef y, double c, double a, double b, double dx, long cap) {
    const long n = ElementCount(a, b, dx, cap);
    double sum = 0, y0 = n > 0 ? y(a) : 0;
    for (long i = 0; i < n; ++i) {
        const double x0 = a + double(i) * dx, x1 = ElementEnd(a, b, dx, i), y1 = y(x1);
        sum += (std::fabs(y0 - c) + std::fabs(y1 - c)) * std::hypot(x1 - x0, y1 - y0);
        y0 = y1;
    }
    return kPi * sum;
}

} // namespace calculus
