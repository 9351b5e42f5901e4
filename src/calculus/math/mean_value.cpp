#include "calculus/math/mean_value.h"

#include <cmath>

namespace calculus {

double CentralSlope(FunctionRef F, double x, double h) {
    return (F(x + h) - F(x - h)) / (2 * h);
}

double SimpsonMean(FunctionRef F, double a, double b, double w) {
    if (!(a < b) || !(w > 0) || !std::isfinite(w) || !std::isfinite(b - a)) return 0;
    double sum = 0;
    double x = a;
    for (long i = 0; x < b && i < kMaxScanSteps; ++i, x += w) {
        // The last panel stops at b instead of running past it.
        const double width = x + w > b ? b - x : w;
        sum += (F(x) + 4 * F(x + width / 2) + F(x + width)) * width / 6;
    }
    return sum / (b - a);
}

} // namespace calculus
