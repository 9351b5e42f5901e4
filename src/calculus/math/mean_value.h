// The mean value theorems: the scans that find every mean point ξ on [a, b]
// and the mean value of a function over an interval.
#pragma once

#include "catalog/math/function_ref.h"
#include "platform/real_steps.h"

#include <cmath>

namespace calculus {

using catalog::FunctionRef;

// At most this many steps per scan and this many marked points, whatever the
// interval and step a page gives.
constexpr long kMaxScanSteps = 1000000;
constexpr int kMaxMeanPoints = 200;

// x runs from a while x < b in steps of `step`; where hit(x) holds, x is
// written to out and the scan jumps ahead by `jump` before its next step.
// Returns the count of points written (at most `cap`); 0 when the step is
// not positive and finite or a bound is not a number.
template <class Hit>
int ScanMeanPoints(double a, double b, double step, double jump, Hit hit, double* out, int cap) {
    if (!(step > 0) || !(step < 1e300) || !(a == a) || !(b == b) || !(jump >= 0)) return 0;
    // x = a + i·step + (jumps so far)·jump, the count of steps taken from
    // the range before the first: far from the origin adding a step may
    // not move x.
    int count = 0;
    long jumps = 0;
    // An open end (b = ∞) scans to the cap.
    const long n = b == HUGE_VAL && std::isfinite(a)
                       ? kMaxScanSteps
                       : steps::Count(a, b, step, kMaxScanSteps, false);
    for (long i = 0; i < n && count < cap; ++i) {
        const double x = a + double(i) * step + double(jumps) * jump;
        if (!(x < b)) break;
        if (hit(x)) {
            out[count++] = x;
            ++jumps;
        }
    }
    return count;
}

// The central-difference slope (F(x + h) − F(x − h)) / 2h.
double CentralSlope(FunctionRef F, double x, double h);

// (1/(b − a))·∫F over [a, b] by composite Simpson panels of width w (the last
// one ending at b). 0 unless a < b and w is positive and finite.
double SimpsonMean(FunctionRef F, double a, double b, double w);

} // namespace calculus
