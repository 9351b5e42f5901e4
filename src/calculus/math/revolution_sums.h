// The sums of the elements a solid or surface of revolution is built from:
// washers (cylinders with a hole) and cone bands (frustums), one element
// per step dx from a, the last one cut short at b.
#pragma once

#include "catalog/math/function_ref.h"

namespace calculus {

// Whether an element starting at x is drawn when elements may start up to
// e: a start a rounding error past e still counts (3/0.3 makes ten
// elements, not nine).
bool ElementStartsBy(double x, double e, double dx);

// The elements of width dx from a that cover [a, b], the last one shorter
// where dx does not divide b − a; 0 when dx is not positive, and at most
// `cap`.
long ElementCount(double a, double b, double dx, long cap);

// The right end of element i of that partition: a + (i + 1) dx, or b for
// the last.
double ElementEnd(double a, double b, double dx, long i);

// π Σ |(f(x_i) − c)² − (g(x_i) − c)²| (x_{i+1} − x_i) over the partition of
// [a, b]: the washers whose radii are taken at their left ends.
double WasherSum(catalog::FunctionRef f, catalog::FunctionRef g, double c, double a, double b,
                 double dx, long cap);

// π Σ (r_i + r_{i+1}) sqrt((x_{i+1} − x_i)² + (y_{i+1} − y_i)²) with
// y_i = y(x_i) and r_i = |y_i − c| over the partition of [a, b]: the
// lateral areas of the frustums between the curve's points at the element
// ends.
double BandSum(catalog::FunctionRef y, double c, double a, double b, double dx, long cap);

} // namespace calculus
