// Limits of real sequences: the recursion Xn = F(Xn-1) and the explicit
// Xn = F(n), searched until successive terms come within a tolerance.
#pragma once

#include "catalog/math/function_ref.h"

#include <algorithm>
#include <cmath>

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

// From the last shown term `last` and t = |xMax| (1.2|xMax| when F there is
// that term itself): y = F(t) until it comes within the tolerance of the
// term before (the limit is that term), t growing by 1.2 while below 1e8.
SequenceLimit ExplicitLimit(FunctionRef F, double xMax, double last);

// The number line's explicit sequence Xn = F(n) has terms at whole n only.
// Its searches run over n = 1, 2, 3, … and then n growing by about `growth`
// a step (by one at least) while below `end`.
template <class Visit> void ForWholeIndexes(double growth, double end, Visit visit) {
    for (double n = 1; n < end; n = std::max(n + 1, std::round(n * growth))) visit(n);
}

// The ε-N band scans every n up to this, then the sparse whole indexes.
constexpr double kWholeTermsScanned = 100000;
constexpr double kSparseTermGrowth = 1.1;
constexpr double kSparseTermsEnd = 1e8;

// N of the ε-N band: the last whole n with |F(n) − A| ≥ e, 0 when no term
// lies outside. visit(n, Xn, outside) sees every term looked at.
template <class Visit> double LastTermOutside(FunctionRef F, double A, double e, Visit visit) {
    double N = 0;
    const auto look = [&](double n) {
        const double x = F(n);
        const bool outside = !(std::fabs(x - A) < e);
        if (outside) N = n;
        visit(n, x, outside);
    };
    for (double n = 1; n <= kWholeTermsScanned; ++n) look(n);
    ForWholeIndexes(kSparseTermGrowth, kSparseTermsEnd / kWholeTermsScanned, [&](double m) {
        if (m > 1) look(std::round(m * kWholeTermsScanned));
    });
    return N;
}

} // namespace calculus
