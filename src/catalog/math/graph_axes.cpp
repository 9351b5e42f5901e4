#include "catalog/math/graph_axes.h"

#include <cmath>

namespace catalog {

int AxisDecimals(double lo, double hi) {
    const double a = std::fabs(lo), b = std::fabs(hi);
    if (a < 0.1 && b < 0.1) return 3;
    if (a < 1 && b < 1) return 2;
    if (a < 10 && b < 10) return 1;
    return 0;
}

int AxisDigits(double lo, double hi, int base) {
    const double m = std::fmax(std::fabs(lo), std::fabs(hi));
    if (m > 1000) return base + 3;
    if (m > 100) return base + 2;
    if (m > 10) return base + 1;
    return base;
}

double AxisTick(double lo, double hi, int i) {
    return lo + i * ((hi - lo) / 4);
}

int TickDecimals(double lo, double hi, int least) {
    if (!std::isfinite(lo) || !std::isfinite(hi)) return least;
    double unit = std::pow(10.0, -least);
    for (int d = least; d < kMaxTickDecimals; ++d, unit /= 10) {
        bool exact = true;
        for (int i = 0; i < kAxisTickCount && exact; ++i) {
            const double q = AxisTick(lo, hi, i) / unit;
            // Rounding in the tick's own arithmetic is far below this.
            exact = std::fabs(q - std::round(q)) < 1e-6;
        }
        if (exact) return d;
    }
    return least > kMaxTickDecimals ? least : kMaxTickDecimals;
}

} // namespace catalog
