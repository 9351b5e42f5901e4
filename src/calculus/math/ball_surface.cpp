#include "calculus/math/ball_surface.h"

#include <cmath>

namespace calculus {

namespace {

// Below this slope the surface counts as level: the ball feels only damping.
constexpr double kLevel = 0.01;
// Below this speed the ball has no direction of its own and starts downhill.
constexpr double kAtRest = 1e-5;
// Below this slope along the motion it runs along a contour line.
constexpr double kAlongContour = 0.01;

double DxStep(solid::SurfaceRef f, double x, double y, double h) {
    return (f(x + h / 2, y) - f(x - h / 2, y)) / h;
}

double DyStep(solid::SurfaceRef f, double x, double y, double h) {
    return (f(x, y + h / 2) - f(x, y - h / 2)) / h;
}

BallState Plus(const BallState& s, const BallState& d, double w) {
    return {s.x + w * d.x, s.y + w * d.y, s.u + w * d.u, s.v + w * d.v};
}

} // namespace

double SurfaceDx(solid::SurfaceRef f, double x, double y) {
    return DxStep(f, x, y, kSlopeStep);
}

double SurfaceDy(solid::SurfaceRef f, double x, double y) {
    return DyStep(f, x, y, kSlopeStep);
}

double SurfaceDxx(solid::SurfaceRef f, double x, double y) {
    const double h = kCurvatureStep;
    return (DxStep(f, x + h / 2, y, h) - DxStep(f, x - h / 2, y, h)) / h;
}

double SurfaceDxy(solid::SurfaceRef f, double x, double y) {
    const double h = kCurvatureStep;
    return (DxStep(f, x, y + h / 2, h) - DxStep(f, x, y - h / 2, h)) / h;
}

double SurfaceDyy(solid::SurfaceRef f, double x, double y) {
    const double h = kCurvatureStep;
    return (DyStep(f, x, y + h / 2, h) - DyStep(f, x, y - h / 2, h)) / h;
}

BallState BallRate(solid::SurfaceRef f, const BallLaw& law, const BallState& s, double k) {
    const double L = 1 + 0.4 * law.lambda * law.lambda, g = law.g, mu = law.mu;
    const double x = s.x, y = s.y, u = s.u, v = s.v;
    const double p = SurfaceDx(f, x, y), q = SurfaceDy(f, x, y);
    const double slope = std::sqrt(p * p + q * q), W = 1 + p * p + q * q;
    BallState d{k * u, k * v, 0, 0};
    double c = 0, a = 0, b = 0, m = 1, E = 0, T1 = 0, T2 = 0, D = 0;
    if (slope > kLevel) {
        a = p / slope, b = q / slope;
        const double V = std::sqrt(u * u + v * v);
        const double tx = V > kAtRest ? u / V : -a, ty = V > kAtRest ? v / V : -b;
        c = p * tx + q * ty;
        m = std::sqrt(c * c + 1);
        E = V * m;
        T1 = (c * p + tx) / m;
        T2 = (c * q + ty) / m;
        D = a * T1 + b * T2;
    }
    if (std::fabs(c) <= kAlongContour) {
        d.u = -k * (mu * u + g * p / W) / L;
        d.v = -k * (mu * v + g * q / W) / L;
        return d;
    }
    const double P = SurfaceDxx(f, x, y), S = SurfaceDxy(f, x, y), Q = SurfaceDyy(f, x, y);
    const double A = -c * (g / L + P * u * u + 2 * S * u * v + Q * v * v) / m - E * mu / L;
    const double B = mu * (b * u - a * v) / L +
                     (a * P * u + b * S * u + a * S * v + b * Q * v) * (a * v - b * u) / slope;
    d.u = k * (a * A - T2 * B) / D;
    d.v = k * (b * A + T1 * B) / D;
    return d;
}

BallState StepBall(solid::SurfaceRef f, const BallLaw& law, const BallState& s, double k) {
    const BallState k1 = BallRate(f, law, s, k);
    const BallState k2 = BallRate(f, law, Plus(s, k1, 0.5), k);
    const BallState k3 = BallRate(f, law, Plus(s, k2, 0.5), k);
    const BallState k4 = BallRate(f, law, Plus(s, k3, 1), k);
    return {s.x + (k1.x + 2 * k2.x + 2 * k3.x + k4.x) / 6,
            s.y + (k1.y + 2 * k2.y + 2 * k3.y + k4.y) / 6,
            s.u + (k1.u + 2 * k2.u + 2 * k3.u + k4.u) / 6,
            s.v + (k1.v + 2 * k2.v + 2 * k3.v + k4.v) / 6};
}

} // namespace calculus
