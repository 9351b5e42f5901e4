#include "calculus/math/cone.h"

#include <cmath>
#include <cstdint>

namespace calculus {

namespace {

Point3 Cross(Point3 u, Point3 v) {
    return {u.y * v.z - u.z * v.y, u.z * v.x - u.x * v.z, u.x * v.y - u.y * v.x};
}

double Length(Point3 u) {
    return std::sqrt(u.x * u.x + u.y * u.y + u.z * u.z);
}

Point3 Scaled(Point3 u, double k) {
    return {u.x * k, u.y * k, u.z * k};
}

// Below this share of the axis length y × d is too short to give a
// direction: the axis runs along y, and x × d serves instead.
constexpr double kParallelToY = 1e-9;

} // namespace

bool MakeConeBase(Point3 a, Point3 b, double r, ConeBase* base) {
    const Point3 d{b.x - a.x, b.y - a.y, b.z - a.z};
    const double len = Length(d);
    if (!(len > 0) || !std::isfinite(len) || !std::isfinite(r)) return false;
    base->centre = b;
    base->r = r;
    base->d = d;
    base->even = d.z == 0;
    Point3 e1 = Cross({0, 1, 0}, d);
    if (Length(e1) <= kParallelToY * len) e1 = Cross(d, {1, 0, 0});
    e1 = Scaled(e1, 1 / Length(e1));
    base->e1 = e1;
    base->e2 = Scaled(Cross(d, e1), 1 / len);
    return true;
}

Point3 ConeBasePoint(const ConeBase& base, double theta) {
    const double c = std::cos(theta), s = std::sin(theta);
    const Point3& o = base.centre;
    if (base.even) {
        const double rc = c * base.r, rs = s * base.r;
        return {o.x + rc * base.e1.x + rs * base.e2.x, o.y + rc * base.e1.y + rs * base.e2.y,
                o.z + rc * base.e1.z + rs * base.e2.z};
    }
    const Point3& d = base.d;
    const double along = d.x * c + d.y * s, k = base.r / std::sqrt(along * along + d.z * d.z);
    return {o.x + k * d.z * c, o.y + k * d.z * s, o.z - k * along};
}

namespace {

// Truncation toward zero reduced to the low byte; values no integer holds
// (NaN among them) give 0.
int ChannelByte(double v) {
    if (!(std::fabs(v) < 2147483648.0)) return 0;
    return int(std::int64_t(v) & 255);
}

} // namespace

Rgb HeightShade(Rgb pen, Rgb fill, double z, double zMin, double zSpan) {
    const double t = (z - zMin) / zSpan;
    const auto mix = [t](int p, int f) { return ChannelByte((1 - t) * p + t * f); };
    return {mix(pen.r, fill.r), mix(pen.g, fill.g), mix(pen.b, fill.b)};
}

} // namespace calculus
