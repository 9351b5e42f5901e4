#include "calculus/math/sequences.h"

#include <cmath>

namespace calculus {

SequenceLimit RecursionLimit(FunctionRef F, double u) {
    SequenceLimit r;
    for (long i = 0; i < kMaxRecursionSteps; ++i) {
        const double v = F(u);
        if (std::fabs(v - u) < kSequenceTolerance) {
            r.found = true;
            r.value = u;
            return r;
        }
        if (!std::isfinite(v)) return r;
        u = v;
    }
    return r;
}

SequenceLimit ExplicitLimit(FunctionRef F, double xMax, double last) {
    SequenceLimit r;
    double t = std::fabs(xMax), u = last;
    for (int i = 0; i < kMaxExplicitSteps; ++i) {
        // The term at x max is the last one shown: compared with itself it
        // would pass for a limit, so the search starts past it.
        if (i == 0 && F(t) == u) t *= 1.2;
        const double y = F(t);
        if (std::fabs(y - u) < kSequenceTolerance) {
            r.found = true;
            r.value = u;
            return r;
        }
        t *= 1.2;
        u = y;
        if (!(t < 1e8)) break;
    }
    return r;
}

} // namespace calculus
