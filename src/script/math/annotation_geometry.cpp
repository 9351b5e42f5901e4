#include "script/math/annotation_geometry.h"

#include <cmath>
#include <limits>

namespace annotation {

namespace {

// Below this |m·b − n·a| the projecting plane counts as vertical.
constexpr double kVerticalPlaneLimit = 0.01;

// BoxLine: the rectangle is shrunk by this part of the spans, the line
// parameter runs in these steps up to this bound in each direction.
constexpr double kChordMargin = 0.001;
constexpr double kChordStep = 0.0001;
constexpr long long kChordSteps = 9999999; // the last step below t = 1000

} // namespace

bool ProjectingPlane(const PlaneZ& first, const Point3& p0, double m, double n, double p,
                     PlaneZ* out) {
    const double a = first.a, b = first.b;
    const double det = m * b - n * a;
    if (!(std::fabs(det) > kVerticalPlaneLimit)) return false;
    const double d = (p * b + n) / det;
    const double e = -(p * a + m) / det;
    *out = {d, e, -d * p0.x - e * p0.y + p0.z};
    return true;
}

bool PerpendicularPlane(const Point3& point, double m, double n, double p, PlaneZ* out) {
    if (p == 0) return false;
    const double a = -m / p, b = -n / p;
    *out = {a, b, point.z - a * point.x - b * point.y};
    return true;
}

Point3 FootOnPlane(const PlaneZ& plane, const Point3& p) {
    const double t = (p.z - plane.c - plane.a * p.x - plane.b * p.y) /
                     (plane.a * plane.a + plane.b * plane.b + 1);
    return {p.x + t * plane.a, p.y + t * plane.b, p.z - t};
}

void SlabInterval(double a, double d, double min, double max, double* lo, double* hi) {
    const double inf = std::numeric_limits<double>::infinity();
    if (d == 0) {
        const bool in = min < a && a < max;
        *lo = in ? -inf : inf;
        *hi = in ? inf : -inf;
        return;
    }
    const double t1 = (min - a) / d, t2 = (max - a) / d;
    *lo = d > 0 ? t1 : t2;
    *hi = d > 0 ? t2 : t1;
}

void BoxChord(const Box2& box, double spanX, double spanY, double ax, double ay, double px,
              double py, double* q1x, double* q1y, double* q2x, double* q2y) {
    const double ex = kChordMargin * spanX, ey = kChordMargin * spanY;
    const double xl = box.x1 + ex, xr = box.x2 - ex, yb = box.y1 + ey, yt = box.y2 - ey;
    const double dx = px - ax, dy = py - ay;
    const auto inside = [&](double t) {
        const double x = ax + t * dx, y = ay + t * dy;
        return xl < x && x < xr && yb < y && y < yt;
    };
    double lx, hx, ly, hy;
    SlabInterval(ax, dx, xl, xr, &lx, &hx);
    SlabInterval(ay, dy, yb, yt, &ly, &hy);
    const double lo = lx > ly ? lx : ly, hi = hx < hy ? hx : hy;
    // Forward along +t; backward is the same scan along −t.
    const long long kf = FirstStepOutside(inside, hi, kChordStep, kChordSteps);
    const long long kb =
        FirstStepOutside([&](double t) { return inside(-t); }, -lo, kChordStep, kChordSteps);
    const double tf = double(kf) * kChordStep, tb = -double(kb) * kChordStep;
    *q1x = ax + tf * dx, *q1y = ay + tf * dy;
    *q2x = ax + tb * dx, *q2y = ay + tb * dy;
}

bool CurvatureCentre(double x, double y, double p, double q, double* kappa, double* cx,
                     double* cy) {
    const double w = std::sqrt(1 + p * p);
    const double k = q / (w * w * w);
    *kappa = k;
    if (k == 0 || !std::isfinite(k)) return false;
    *cx = x - p / (w * k);
    *cy = y + 1 / (w * k);
    return true;
}

} // namespace annotation
