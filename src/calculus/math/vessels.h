// The integrals of the physical applications: a composite five-point
// Gauss-Legendre rule with the classic ten-decimal constants, as the
// pressure and work pages print them.
#pragma once

#include "catalog/math/function_ref.h"

namespace calculus {

// Panels at most, whatever count a page gives.
constexpr int kMaxGaussPanels = 100000;

// ∫ K over [a, b] in n panels of width (b − a)/n. 0 for n < 1, b <= a or
// bounds that are not numbers.
double Gauss5Composite(catalog::FunctionRef K, double a, double b, int n);

// The drawn radius of a vessel whose cross-section has the area A:
// sqrt(|A/3.1416|).
double VesselRadius(double area);

} // namespace calculus
