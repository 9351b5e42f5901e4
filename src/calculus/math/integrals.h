// The sums of the integral pages: Riemann, trapezoid, Simpson and
// Gauss–Legendre rules over n equal subintervals, and the polar angle the
// region pages give a picked point.
#pragma once

#include <functional>

namespace calculus {

using RealFunction = std::function<double(double)>;

// Subintervals the n buttons can reach; doubling stops here so no run of
// clicks makes a pass unbounded.
constexpr int kMaxDemoSubintervals = 8192;

// Doubles or halves the count of subintervals (integer halving: 1 becomes 0)
// within [0, kMaxDemoSubintervals].
int DoubledSubintervals(int n);
int HalvedSubintervals(int n);

// Sum of F(x_i + c h) h over the n subintervals of [a, b] (c = 0 left,
// 0.5 middle, 1 right end). 0 when n < 1.
double RiemannSum(const RealFunction& F, double a, double b, int n, double c);
double TrapezoidSum(const RealFunction& F, double a, double b, int n);
double SimpsonSum(const RealFunction& F, double a, double b, int n);

// Gauss–Legendre rule with m + 1 nodes (m = 1..5) on [-1, 1]: node i and
// its weight; 0 outside the table.
double GaussNode(int i, int m);
double GaussWeight(int i, int m);
// The composite rule over n subintervals; 0 for m outside 1..5 or n < 1.
double GaussSum(const RealFunction& F, double a, double b, int n, int m);

// The value of the interpolating parabola of the Simpson panel [x, x + h]
// through (x, f0), (x + h/2, fm), (x + h, f1) at u.
double SimpsonParabola(double x, double h, double f0, double fm, double f1, double u);

// Angle of the point (cx, cy) as the polar-region page measures it, with
// the page's own constants (1.571, 3.1416, 6.28); a < 0 keeps points below
// the positive x axis at negative angles.
double PolarPickAngle(double cx, double cy, double a);

} // namespace calculus
