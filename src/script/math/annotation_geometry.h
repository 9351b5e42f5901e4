// Geometry of the figure annotation commands: planes and feet of
// perpendiculars, the chord of a rectangle, the saddle test value, the
// curvature centre and the end of a stepped scan. No view, no drawing.
#pragma once

namespace annotation {

struct Point3 {
    double x, y, z;
};

// The plane z = a·x + b·y + c.
struct PlaneZ {
    double a, b, c;
};

// The plane through the line P0 + s·(m, n, p) perpendicular to `first`, as
// z = d·x + e·y + f. False (and `out` untouched) when it is vertical or
// nearly so (|m·b − n·a| <= 0.01): it has no such form then.
bool ProjectingPlane(const PlaneZ& first, const Point3& p0, double m, double n, double p,
                     PlaneZ* out);

// The plane through M perpendicular to the direction (m, n, p). False when
// p = 0 (the plane is vertical).
bool PerpendicularPlane(const Point3& point, double m, double n, double p, PlaneZ* out);

// The foot of the perpendicular from P to the plane.
Point3 FootOnPlane(const PlaneZ& plane, const Point3& p);

// Stepped scans t = 0, h, 2h, … (h > 0) along which a point stays inside a
// convex set for t in the open interval (lo, hi) and lies outside beyond:
// the first step k >= 0 whose point is outside, at most kMax. `inside(t)`
// confirms the steps next to the analytic exit, so the answer is that of
// stepping one by one.
template <class Inside>
long long FirstStepOutside(Inside inside, double hi, double h, long long kMax) {
    if (!inside(0.0)) return 0;
    const double k0 = hi / h;
    long long k = !(k0 < double(kMax)) ? kMax : k0 < 1.0 ? 1 : (long long)k0;
    // A few steps either way absorb the rounding of the analytic exit.
    for (int i = 0; i < 4 && k > 1 && !inside(double(k - 1) * h); ++i) --k;
    for (int i = 0; i < 4 && k < kMax && inside(double(k) * h); ++i) ++k;
    return k;
}

// The open parameter interval (lo, hi) on which a + t·d lies strictly
// between min and max (empty: lo >= hi). d = 0 gives the whole line or
// nothing.
void SlabInterval(double a, double d, double min, double max, double* lo, double* hi);

// The chord of the rectangle through A toward P, as BoxLine finds it: the
// rectangle shrunk by 0.001 of the spans, the line parameter stepped by
// 0.0001 up to ±1000 in each direction; q1 forward, q2 backward.
struct Box2 {
    double x1, y1, x2, y2;
};
void BoxChord(const Box2& box, double spanX, double spanY, double ax, double ay, double px,
              double py, double* q1x, double* q1y, double* q2x, double* q2y);

// B² − A·C of the second differences of f at (x0, y0) with step h:
// A = f_xx, C = f_yy, B the forward mixed difference.
template <class F> double SaddleValue(F f, double x0, double y0, double h) {
    const double f0 = f(x0, y0);
    const double a = (f(x0 + h, y0) - 2 * f0 + f(x0 - h, y0)) / (h * h);
    const double c = (f(x0, y0 + h) - 2 * f0 + f(x0, y0 - h)) / (h * h);
    const double b = (f(x0 + h, y0 + h) - f(x0, y0 + h) - f(x0 + h, y0) + f0) / (h * h);
    return b * b - a * c;
}

// Curvature κ = q / (1 + p²)^(3/2) of a graph with slope p and second
// derivative q, and the centre of its osculating circle at (x, y). False
// when κ = 0 or is not finite (no centre).
bool CurvatureCentre(double x, double y, double p, double q, double* kappa, double* cx, double* cy);

} // namespace annotation
