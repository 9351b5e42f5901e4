#include "calculus/math/cone.h"

#include <cmath>

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
    Point3 e1 = Cross({0, 1, 0}, d);
    if (Length(e1) <= kParallelToY * len) e1 = Cross(d, {1, 0, 0});
    e1 = Scaled(e1, 1 / Length(e1));
    const double turn = d.z < 0 ? -1.0 : 1.0;
    base->centre = b;
    base->r = r;
    base->e1 = e1;
    base->e2 = Scaled(Cross(d, e1), turn / len);
    return true;
}

Point3 ConeBasePoint(const ConeBase& base, double theta) {
    const double c = std::cos(theta) * base.r, s = std::sin(theta) * base.r;
    return {base.centre.x + c * base.e1.x + s * base.e2.x,
            base.centre.y + c * base.e1.y + s * base.e2.y,
            base.centre.z + c * base.e1.z + s * base.e2.z};
}

Rgb HeightShade(Rgb pen, Rgb fill, double z, double zMin, double zSpan) {
    double t = (z - zMin) / zSpan;
    if (!(t > 0)) t = 0; // below the box, and NaN
    if (t > 1) t = 1;
    const auto mix = [t](int p, int f) { return int((1 - t) * p + t * f); };
    return {mix(pen.r, fill.r), mix(pen.g, fill.g), mix(pen.b, fill.b)};
}

} // namespace calculus
