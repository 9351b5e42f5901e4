// The eleven composite quadrature rules of the view: the teaching rules and
// the applied integrals (volumes, arc lengths, surface areas, attractions).
#pragma once

#include "catalog/math/function_ref.h"

namespace catalog {

struct QuadratureFunctions {
    FunctionRef F;     // the current function (methods 1..5, 7, 9, 10, 11)
    FunctionRef upper; // the outer curve f of method 6
    FunctionRef lower; // the curve g of methods 6 and 8
    double stepFactor; // h = (b - a) * stepFactor / n
    double level;      // c: the axis y = c of methods 6 and 9
    double pointX;     // the attracted point (X0, Y0) of methods 10 and 11
    double pointY;
};

// Number of subintervals above which the step is widened, so that no script
// number makes a pass unbounded.
constexpr long kMaxQuadratureSubintervals = 2000000;

// Rule `method` (1..11) over [a, b] with nominal n subintervals. Returns 0
// for a method outside 1..11, n <= 0, b <= a (or either limit not a number)
// and a step that is zero or not finite.
double IntegrateRule(double a, double b, int n, int method, int flag,
                     const QuadratureFunctions& fn);

} // namespace catalog
