#include "solid/math/coord_math.h"

#include <cmath>

namespace solid {

double LessonPolarAngle(double x, double y) {
    if (x == 0) return 1.57;
    const double a = std::atan(y / x);
    return x > 0 ? a : a + 3.14;
}

double KeepWithin(double v, double lo, double hi) {
    if (!(v >= lo)) return lo;
    return v > hi ? hi : v;
}

bool StepUsable(double step) {
    return step > 0 && std::isfinite(step);
}

Vec3 SourceSinkField(double x, double y, double z, double* r1, double* r2) {
    const double q = x * x + y * y;
    *r1 = std::sqrt(q + (z - 1) * (z - 1) + 0.0001);
    *r2 = std::sqrt(q + (z + 1) * (z + 1) + 0.0001);
    const double c1 = 1 / (*r1 * *r1 * *r1), c2 = 1 / (*r2 * *r2 * *r2);
    return {(c1 - c2) * x, (c1 - c2) * y, (z - 1) * c1 - (z + 1) * c2};
}

Vec3 HalfUnitDirection(Vec3 e) {
    const double n = std::sqrt(e.x * e.x + e.y * e.y + e.z * e.z);
    if (!(n > 0) || !std::isfinite(n)) return {0, 0, 0};
    return {e.x / (2 * n), e.y / (2 * n), e.z / (2 * n)};
}

bool CylinderGeneratrix(double P, double Q, double R, int plane, bool normalise, double span,
                        Vec3* out) {
    if (!normalise) {
        *out = {P, Q, R};
        return true;
    }
    const double L = std::sqrt(P * P + Q * Q + R * R);
    if (!(L > 0) || !std::isfinite(L)) return false;
    Vec3 g{span * P / L, span * Q / L, span * R / L};
    const double across = plane == 0 ? g.z : plane == 1 ? g.y : g.x;
    if (across < 0) g = {-g.x, -g.y, -g.z};
    *out = g;
    return true;
}

Vec3 SphericalPoint(double rho, double theta, double phi) {
    const double s = std::sin(phi);
    return {rho * std::cos(theta) * s, rho * std::sin(theta) * s, rho * std::cos(phi)};
}

} // namespace solid
