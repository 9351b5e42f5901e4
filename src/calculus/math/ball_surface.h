// A ball moving on a surface z = f(x, y) under gravity, with damping μ and a
// rotation coefficient λ (the share of the motion that goes into spinning:
// λ = 1 is a solid ball rolling without slipping). The state is the
// horizontal position and velocity; the height is always f(x, y).
#pragma once

#include "solid/math/scene_math.h"

namespace calculus {

// Partial derivatives by central differences of half steps. The first ones
// take kSlopeStep; the second ones, differences of differences, take the
// coarser kCurvatureStep, since over 1e-7 twice rounding alone would cost
// them several per cent.
constexpr double kSlopeStep = 1e-7;
constexpr double kCurvatureStep = 1e-4;
double SurfaceDx(solid::SurfaceRef f, double x, double y);
double SurfaceDy(solid::SurfaceRef f, double x, double y);
double SurfaceDxx(solid::SurfaceRef f, double x, double y);
double SurfaceDxy(solid::SurfaceRef f, double x, double y);
double SurfaceDyy(solid::SurfaceRef f, double x, double y);

struct BallState {
    double x, y, u, v;
};

struct BallLaw {
    double g;      // gravity
    double mu;     // damping
    double lambda; // rotation coefficient, 0..1
};

// The increments of one step k from the state, all derivatives of f at its
// position.
BallState BallRate(solid::SurfaceRef f, const BallLaw& law, const BallState& s, double k);
// One classical fourth-order Runge-Kutta step of length k.
BallState StepBall(solid::SurfaceRef f, const BallLaw& law, const BallState& s, double k);

} // namespace calculus
