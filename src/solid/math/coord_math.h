// The arithmetic of the coordinate demonstrations: the polar angle as the
// lessons compute it, bounded steps, the field of a source and a sink, the
// generatrix of a cylinder and the points of spherical coordinates.
#pragma once

namespace solid {

struct Vec3 {
    double x, y, z;
};

// The angle of (x, y) from the x axis with the rounded constants of the
// lessons: 1.57 on the y axis, atan(y/x) to the right, atan(y/x) + 3.14 to
// the left.
double LessonPolarAngle(double x, double y);

// v kept inside [lo, hi]; a value that is not a number becomes lo.
double KeepWithin(double v, double lo, double hi);

// Whether a loop may step by `step`: positive and finite.
bool StepUsable(double step);

// The smallest steps of the volume elements: the partition costs grow with
// the cube of their inverse, so the shrink buttons stop there.
constexpr double kMinDTheta = 0.1;
constexpr double kMinDR = 0.05;
constexpr double kMinDZ = 0.05;
constexpr double kMinDPhi = 0.1;

// The field of a unit source at (0, 0, 1) and a unit sink at (0, 0, -1),
// softened by 0.0001 under the roots; r1, r2 are the softened distances.
Vec3 SourceSinkField(double x, double y, double z, double* r1, double* r2);
// E scaled to the length 0.5: the arrows only show the direction. The zero
// vector stays zero.
Vec3 HalfUnitDirection(Vec3 e);

// The generatrix of the cylinder: with `normalise` (P, Q, R) scaled to the
// span S of the box across the directrix plane (0: z, 1: y, 2: x) and
// turned to point into the box; otherwise (P, Q, R) itself. FALSE when a
// null vector cannot be scaled.
bool CylinderGeneratrix(double P, double Q, double R, int plane, bool normalise, double span,
                        Vec3* out);

// P(ρ, θ, φ) = (ρ cos θ sin φ, ρ sin θ sin φ, ρ cos φ).
Vec3 SphericalPoint(double rho, double theta, double phi);

} // namespace solid
