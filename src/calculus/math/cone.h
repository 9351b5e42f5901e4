// The right circular cone of the cone page: its base circle in an
// orthonormal frame perpendicular to the axis, and the shade of a point by
// its height in the world box.
#pragma once

namespace calculus {

struct Point3 {
    double x, y, z;
};

// The base circle: centre, radius and the axis d = b − a. A tilted or
// vertical axis runs the circle as P(θ) = centre + r·(dz cos θ, dz sin θ,
// −s)/√(s² + dz²) with s = dx cos θ + dy sin θ (not at a uniform angular
// speed). A horizontal axis (dz = 0) would divide by zero where s vanishes:
// it runs the circle evenly, P(θ) = centre + r·(cos θ·e1 + sin θ·e2), with
// e1 along y × d and e2 = d × e1 / |d|.
struct ConeBase {
    Point3 centre;
    double r;
    Point3 d;
    bool even;
    Point3 e1, e2;
};

// The base circle of the cone with apex a and base centre b. FALSE when the
// axis has no length or a number is not finite.
bool MakeConeBase(Point3 a, Point3 b, double r, ConeBase* base);
Point3 ConeBasePoint(const ConeBase& base, double theta);

struct Rgb {
    int r, g, b;
};

// The colour of a point at height z blended from pen (z at zMin) to fill (z
// at zMin + zSpan); each channel is truncated to its low 8 bits, so heights
// outside the box wrap round the colours.
Rgb HeightShade(Rgb pen, Rgb fill, double z, double zMin, double zSpan);

} // namespace calculus
