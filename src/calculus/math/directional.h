// The paths of the directional-limit picture and the slope of a surface in
// a direction: where the samples of a path lie, where its limit is read, and
// the directional derivative from forward differences.
#pragma once

namespace calculus {

// The closed world rectangle of a figure.
struct PlaneBox {
    double xMin, xMax, yMin, yMax;
};

bool InPlaneBox(const PlaneBox& box, double x, double y);

// Samples k = 1..count of a path that starts at the limit point (a, b):
// (a + k·dx, b + k·dy). The limit point itself is no sample: the value
// there plays no part in the limit (and is often undefined).
struct LimitPath {
    double dx = 0, dy = 0;
    long count = 0;
};

// The ray walk: steps of this length while r stays below the reach.
constexpr double kRayStep = 0.0001;
constexpr double kRayReach = 1000;
// A box too wide for this many steps gets longer steps instead: the walk
// stays bounded and still far finer than a pixel.
constexpr long kMaxRaySteps = 100000;
constexpr long kSegmentSteps = 10000;
// The value along a path is read this fraction of the way from the limit
// point to the path's far end.
constexpr double kLimitFraction = 0.00001;

// The ray from (a, b) at angle theta, as far as it stays in the closed
// box; no samples when (a, b) lies outside or theta is not finite.
LimitPath RayLimitPath(double a, double b, double theta, const PlaneBox& box);
// The segment from (a, b) to P, whose last sample is P.
LimitPath SegmentLimitPath(double a, double b, double px, double py);

// The tangent of z = f(x, y) at (x0, y0) in direction phi, from forward
// differences over h: z0 = f(x0, y0), zx = f(x0 + h, y0), zy = f(x0, y0 + h).
struct DirectionalSlope {
    double fx = 0, fy = 0;
    double riseX = 0, riseY = 0; // cos φ·fx and sin φ·fy
    double Rise() const { return riseX + riseY; }
};
DirectionalSlope DirectionalSlopeAt(double z0, double zx, double zy, double h, double phi);

} // namespace calculus
