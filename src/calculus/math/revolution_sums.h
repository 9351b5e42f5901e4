// The sums of the elements a solid or surface of revolution is built from:
// washers (cylinders with a hole) and cone bands (frustums), one element
// per step dx from a.
#pragma once

#include "catalog/math/function_ref.h"

namespace calculus {

// Whether an element starting at x is drawn when elements may start up to
// e: a start a rounding error past e still counts (3/0.3 makes ten
// elements, not nine).
bool ElementStartsBy(double x, double e, double dx);

// The whole elements of width dx from a that fit in [a, b]; 0 when dx is
// not positive or the count would pass `cap`.
long ElementCount(double a, double b, double dx, long cap);

// π Σ |(f(x_i) − c)² − (g(x_i) − c)²| dx over x_i = a + i dx, i < n: the
// washers whose radii are taken at their left ends.
double WasherSum(catalog::FunctionRef f, catalog::FunctionRef g, double c, double a, double dx,
                 long n);

// π Σ (r_i + r_{i+1}) sqrt(dx² + (y_{i+1} − y_i)²) with y_i = y(x_i) and
// r_i = |y_i − c|: the lateral areas of the frustums between the curve's
// points at the element ends.
double BandSum(catalog::FunctionRef y, double c, double a, double dx, long n);

} // namespace calculus
