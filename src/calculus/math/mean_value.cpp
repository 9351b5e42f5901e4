#include "calculus/math/mean_value.h"
#include "platform/real_steps.h"

#include <cmath>

namespace calculus {

double CentralSlope(FunctionRef F, double x, double h) {
    return (F(x + h) - F(x - h)) / (2 * h);
}

double SimpsonMean(FunctionRef F, double a, double b, double w) {
    if (!(a < b) || !(w > 0) || !std::isfinite(w) || !std::isfinite(b - a)) return 0;
    double sum = 0;
    const long panels = steps::Count(a, b, w, kMaxScanSteps, false);
    for (long i = 0; i < panels; ++i) {
        const double x = a + double(i) * w;
        // The last panel stops at b instead of running past it.
        const double width = x + w > b ? b - x : w;
        sum += (F(x) + 4 * F(x + width / 2) + F(x + width)) * width / 6;
    }
    return sum / (b - a);
}

} // namespace calculus
