// Geometry of the classical-curve constructions: foci, focal distances and
// the parabola's focus and directrix.
#pragma once

namespace catalog {

struct PlanePoint {
    double x = 0, y = 0;
};

// Foci of the ellipse with semi-axes |a| (along x) and |b| (along y): on the
// longer axis at distance √(|a² − b²|) from the centre.
void EllipseFoci(double a, double b, PlanePoint* f1, PlanePoint* f2);

// Sum of the distances from p to the two points.
double FocalDistanceSum(PlanePoint p, PlanePoint f1, PlanePoint f2);

// Foci of the hyperbola with box a, b: at distance √(a² + b²) on the x axis
// (realAxisX) or on the y axis.
void HyperbolaFoci(double a, double b, bool realAxisX, PlanePoint* f1, PlanePoint* f2);

// The hyperbola's distance difference at p, mirrored to the first
// quadrant: √((|px| + c)² + py²) − √((|px| − c)² + py²) for the x axis.
double HyperbolaDistanceDifference(PlanePoint p, double c, bool realAxisX);

// Focus and directrix of y = A x² + D x + F (the line y = directrix), or
// with `sideways` of x = A y² + D y + F (the line x = directrix). False when
// |A| < 0.1: no focus is drawn for so flat a parabola.
bool ParabolaFocus(double A, double D, double F, bool sideways, PlanePoint* focus,
                   double* directrix);

// Foci of the lemniscate form with d = 2m: on the x axis for d > 0, on the
// y axis for d < 0, none for d = 0.
bool LemniscateFoci(double d, PlanePoint* f1, PlanePoint* f2);

// True for the rolling circles (cycloid, astroid): their traced point runs
// along the curve itself, so the construction is drawn after the curve.
bool ConstructionOverCurve(int kind);

// True where the construction puts its button column right of the figure.
bool HasRightColumn(int kind);

} // namespace catalog
