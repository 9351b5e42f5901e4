// The sampling behind the limit pages: samples closing in on a point from one
// side, far samples towards ±∞, the existence test, and the walks that find
// δ for a given ε band and the threshold X of a limit at infinity.
#pragma once

#include "catalog/math/function_ref.h"

namespace calculus {

using catalog::FunctionRef;

// Approach factors 1, 0.7, 0.49, … while above 1e-7: 46 samples.
constexpr double kApproachRatio = 0.7;
constexpr int kApproachSamples = 46;
// Two values closer than this count as the same limit.
constexpr double kLimitTolerance = 0.0001;
// A bound on every walk below, whatever span, step or bound a page gives.
constexpr long kMaxWalkSteps = 400000;

// The i-th approach factor, 0.7^i by repeated multiplication.
double ApproachFactor(int i);

// Samples of an approach kept for the estimate of its limit.
constexpr int kApproachTail = 8;

// What one approach found: the last two sample values, whether the samples
// settle on a limit, and that limit.
struct ApproachValues {
    double last = 0;
    double beforeLast = 0;
    bool exists = false;
    double limit = 0;
};

// The estimate from the last `count` samples, oldest first. Samples whose
// steps shrink by one ratio q < 1 (c·|t − t0|^p sampled at t0 + d·0.7^i
// moves by q = 0.7^p a step) still have d·q/(1 − q) to go, however slowly
// they close in (√x, x^(1/3)); others exist when the last two agree.
ApproachValues EstimateApproach(const double* tail, int count);

// Samples g(t0 + (end − t0)·f) for the 46 factors f, nearest last; visit(t,
// value, f) sees each sample as it is taken.
template <class Visit>
ApproachValues SampleApproach(FunctionRef g, double t0, double end, Visit visit) {
    double tail[kApproachTail] = {};
    int kept = 0;
    double f = 1.0;
    for (int i = 0; i < kApproachSamples; ++i, f *= kApproachRatio) {
        const double t = t0 + (end - t0) * f;
        const double value = g(t);
        if (kept == kApproachTail) {
            for (int j = 1; j < kApproachTail; ++j) tail[j - 1] = tail[j];
            --kept;
        }
        tail[kept++] = value;
        visit(t, value, f);
    }
    return EstimateApproach(tail, kept);
}

inline ApproachValues SampleApproach(FunctionRef g, double t0, double end) {
    return SampleApproach(g, t0, end, [](double, double, double) {});
}

// The limit kinds at infinity.
enum class Infinity { Both = 1, Plus = 2, Minus = 3 };

// R and L of a limit at infinity: F at t = 1, 1.1, 1.21, … below 1e10 and at
// t = −1.1, −1.221, … above −1e10. Both: R the last positive sample, L the
// last negative one; Plus: the last two positive samples (R last); Minus:
// the last two negative samples.
struct FarValues {
    double right = 0;
    double left = 0;
};
FarValues SampleAtInfinity(FunctionRef F, Infinity kind);

// Whether two sample values show no common limit: farther apart than the
// tolerance, or either not a finite number.
bool LimitsDiffer(double u, double v);

// The δ walk: from t0 in steps of `step` towards `bound` (down when bound <
// t0) to the first point whose value lies `band` or more away from `level`;
// the edge of the band in that step is found by halving. Returns the
// largest δ with every point of (t0, t0 ± δ) inside the band as the walk
// sees it: the distance to that edge, or to the bound when the curve stays
// inside. 0 when t0 itself lies outside or the step is not positive and
// finite.
double WalkToBandEdge(FunctionRef F, double t0, double bound, double step, double level,
                      double band);

// The ε-X walk: from `from` towards `to` (inclusive) in steps of `step`, the
// last point whose value lies more than `band` away from `level`; `from`
// when there is none (or the step is not positive and finite).
double LastOutsideBand(FunctionRef F, double from, double to, double step, double level,
                       double band);

} // namespace calculus
