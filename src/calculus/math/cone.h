// The right circular cone of the cone page: its base circle in an
// orthonormal frame perpendicular to the axis, and the shade of a point by
// its height in the world box.
#pragma once

namespace calculus {

struct Point3 {
    double x, y, z;
};

// The base circle: centre, radius and two unit vectors perpendicular to the
// axis and to each other. P(θ) = centre + r·(cos θ·e1 + sin θ·e2).
struct ConeBase {
    Point3 centre;
    double r;
    Point3 e1, e2;
};

// The base circle of the cone with apex a and base centre b. e1 is the
// direction of y × (b − a), as the page's θ = 0 point has always been; e2
// turns with the sign of the axis' z part so that the half θ in [π/2, 3π/2]
// stays the same half. A horizontal axis is as good as any other. FALSE when
// the axis has no length or a number is not finite.
bool MakeConeBase(Point3 a, Point3 b, double r, ConeBase* base);
Point3 ConeBasePoint(const ConeBase& base, double theta);

struct Rgb {
    int r, g, b;
};

// The colour of a point at height z blended from pen (z at zMin) to fill (z
// at zMin + zSpan); heights outside the box take the nearer end colour.
Rgb HeightShade(Rgb pen, Rgb fill, double z, double zMin, double zSpan);

} // namespace calculus
