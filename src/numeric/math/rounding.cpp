#include "numeric/math/rounding.h"

#include <cmath>

namespace numeric {

namespace {

constexpr double kZeroMagnitude = 1e-10;

double PowerOfTen(int e) {
    return std::pow(10.0, e);
}

} // namespace

double RoundSignificant(double value, int precision) {
    if (precision >= kExactPrecision || !std::isfinite(value)) return value;
    if (precision < 0) precision = 0;
    const double sign = value < 0 ? -1.0 : 1.0;
    double a = std::fabs(value);
    if (a < kZeroMagnitude) return sign * 0.0;

    // Bring a into [1, 10); finite magnitudes need at most a few hundred turns.
    int e = 0;
    while (a >= 10) {
        a *= 0.1;
        ++e;
    }
    while (a < 1) {
        a *= 10;
        --e;
    }
    const double r = std::trunc(a * PowerOfTen(precision) + 0.5);
    const double factor = e == 0 ? std::pow(0.1, precision) : PowerOfTen(e - precision);
    return sign * r * factor;
}

double KeepDecimals(double value, int decimals) {
    if (!std::isfinite(value)) return value;
    const double scaled = std::trunc(std::fabs(value) * PowerOfTen(decimals) + 0.5);
    const double kept = scaled * std::pow(0.1, decimals);
    return value < 0 ? -kept : kept;
}

} // namespace numeric
