#pragma once

// Angles of a pencil member z = d·x + e·y + f with a third plane
// z = a·x + b·y + c or a line of direction (1, a, b), in degrees.
namespace calculus {

struct PencilAngle {
    double lengths; // product of the two direction lengths
    double cosine;  // |N·u| / lengths
    double degrees;
};

// The acute angle between the planes: 90 for perpendicular planes.
PencilAngle PlaneAngle(double d, double e, double a, double b);
// The angle between the line and the plane: 0 for a parallel line.
PencilAngle LinePlaneAngle(double d, double e, double a, double b);

} // namespace calculus
