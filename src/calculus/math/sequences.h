// Limits of real sequences: the recursion Xn = F(Xn-1) and the explicit
// Xn = F(n), searched until successive terms come within a tolerance.
#pragma once

#include "catalog/math/function_ref.h"

namespace calculus {

using catalog::FunctionRef;

constexpr double kSequenceTolerance = 1e-6;
constexpr long kMaxRecursionSteps = 1000000;
// The explicit search grows its argument by 1.2 up to 1e8: about 100 steps
// from 1; the cap also ends a search that cannot grow (from 0).
constexpr int kMaxExplicitSteps = 200;

struct SequenceLimit {
    bool found = false;
    double value = 0;
};

// From u: v = F(u) until |v − u| < tolerance (the limit is u); a term that
// is not finite ends the search without a limit.
SequenceLimit RecursionLimit(FunctionRef F, double u);

// From the last shown term `last` and t = |xMax|: y = F(t) until it comes
// within the tolerance of the term before (the limit is that term), t
// growing by 1.2 while below 1e8.
SequenceLimit ExplicitLimit(FunctionRef F, double xMax, double last);

} // namespace calculus
