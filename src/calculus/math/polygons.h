// Regular polygons inscribed in a circle, and the doubling of a count that a
// button may press without end.
#pragma once

namespace calculus {

// The largest number of sides the polygon buttons reach (6·2^8).
constexpr int kMaxPolygonSides = 1536;

// Area of the regular n-gon inscribed in the circle of radius r:
// r²·n·sin(2π/n)/2. 0 for fewer than three sides.
double InscribedPolygonArea(int n, double r);

// n doubled, but never beyond cap (n itself when it already is there).
int DoubledCapped(int n, int cap);

} // namespace calculus
