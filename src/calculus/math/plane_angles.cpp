#include "calculus/math/plane_angles.h"

#include <algorithm>
#include <cmath>

namespace calculus {

namespace {

constexpr double kDegreesPerRadian = 180.0 / 3.14159265358979323846;

PencilAngle Between(double d, double e, const double u[3]) {
    PencilAngle r;
    r.lengths = std::sqrt(d * d + e * e + 1) * std::sqrt(u[0] * u[0] + u[1] * u[1] + u[2] * u[2]);
    r.cosine = std::fabs(d * u[0] + e * u[1] - u[2]) / r.lengths;
    // Rounding can put the cosine a hair above 1.
    r.degrees = std::acos(std::min(1.0, r.cosine)) * kDegreesPerRadian;
    return r;
}

} // namespace

PencilAngle PlaneAngle(double d, double e, double a, double b) {
    const double n[3] = {a, b, -1};
    return Between(d, e, n);
}

PencilAngle LinePlaneAngle(double d, double e, double a, double b) {
    const double u[3] = {1, a, b};
    PencilAngle r = Between(d, e, u);
    r.degrees = 90 - r.degrees;
    return r;
}

} // namespace calculus
