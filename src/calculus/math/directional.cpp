#include "calculus/math/directional.h"

#include <algorithm>
#include <cmath>

namespace calculus {

bool InPlaneBox(const PlaneBox& box, double x, double y) {
    return box.xMin <= x && x <= box.xMax && box.yMin <= y && y <= box.yMax;
}

namespace {

// How far the ray can run along one axis before it crosses the box's wall.
double AxisReach(double from, double component, double lo, double hi) {
    if (component > 0) return (hi - from) / component;
    if (component < 0) return (lo - from) / component;
    return kRayReach;
}

} // namespace

LimitPath RayLimitPath(double a, double b, double theta, const PlaneBox& box) {
    LimitPath path;
    if (!std::isfinite(theta) || !InPlaneBox(box, a, b)) return path;
    const double c = std::cos(theta), s = std::sin(theta);
    double reach = std::min(
        {kRayReach, AxisReach(a, c, box.xMin, box.xMax), AxisReach(b, s, box.yMin, box.yMax)});
    if (!(reach > 0)) return path;
    const double step = std::max(kRayStep, reach / kMaxRaySteps);
    path.dx = step * c, path.dy = step * s;
    const auto fits = [&](long k) {
        return k * step < kRayReach && InPlaneBox(box, a + k * path.dx, b + k * path.dy);
    };
    // The estimate is off by rounding at most; the box test has the last word.
    long k = std::min(long(reach / step), kMaxRaySteps);
    while (k > 0 && !fits(k)) --k;
    while (k < kMaxRaySteps && fits(k + 1)) ++k;
    path.count = k;
    return path;
}

LimitPath SegmentLimitPath(double a, double b, double px, double py) {
    LimitPath path;
    if (!std::isfinite(a) || !std::isfinite(b) || !std::isfinite(px) || !std::isfinite(py))
        return path;
    path.dx = (px - a) / kSegmentSteps;
    path.dy = (py - b) / kSegmentSteps;
    path.count = kSegmentSteps;
    return path;
}

DirectionalSlope DirectionalSlopeAt(double z0, double zx, double zy, double h, double phi) {
    DirectionalSlope slope;
    slope.fx = (zx - z0) / h;
    slope.fy = (zy - z0) / h;
    slope.riseX = std::cos(phi) * slope.fx;
    slope.riseY = std::sin(phi) * slope.fy;
    return slope;
}

} // namespace calculus
