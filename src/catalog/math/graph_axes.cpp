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

} // namespace catalog
