#include "calculus/math/limits.h"

#include <algorithm>
#include <cmath>

namespace calculus {

namespace {

// The far samples: t grows by 1.1 from 1 and by 1.11 from −1.1.
constexpr double kFarPositiveStart = 1.0;
constexpr double kFarPositiveGrowth = 1.1;
constexpr double kFarNegativeStart = -1.1;
constexpr double kFarNegativeGrowth = 1.11;
constexpr double kFarEnd = 1e10;
// Halvings of the step in which the δ walk left the band.
constexpr int kEdgeHalvings = 60;
// Step ratios of a power-law approach: below this, and this close together.
constexpr double kMaxStepRatio = 0.95;
constexpr double kStepRatioSpread = 0.05;

bool UsableStep(double step) {
    return step > 0 && std::isfinite(step);
}

} // namespace

double ApproachFactor(int i) {
    double f = 1.0;
    for (int j = 0; j < i; ++j) f *= kApproachRatio;
    return f;
}

FarValues SampleAtInfinity(FunctionRef F, Infinity kind) {
    double positiveLast = 0, positiveBefore = 0;
    double negativeLast = 0, negativeBefore = 0;
    if (kind != Infinity::Plus) {
        for (double t = kFarNegativeStart; t > -kFarEnd; t *= kFarNegativeGrowth) {
            negativeBefore = negativeLast;
            negativeLast = F(t);
        }
    }
    if (kind != Infinity::Minus) {
        for (double t = kFarPositiveStart; t < kFarEnd; t *= kFarPositiveGrowth) {
            positiveBefore = positiveLast;
            positiveLast = F(t);
        }
    }
    switch (kind) {
    case Infinity::Both:
        return {positiveLast, negativeLast};
    case Infinity::Plus:
        return {positiveLast, positiveBefore};
    case Infinity::Minus:
        return {negativeLast, negativeBefore};
    }
    return {};
}

ApproachValues EstimateApproach(const double* tail, int count) {
    ApproachValues r;
    if (count <= 0) return r;
    r.last = r.limit = tail[count - 1];
    if (count < 2) return r;
    r.beforeLast = tail[count - 2];
    double qMin = 1, qMax = 0, q = 0;
    bool geometric = count >= 4;
    for (int i = 2; i < count && geometric; ++i) {
        const double d0 = tail[i - 1] - tail[i - 2], d1 = tail[i] - tail[i - 1];
        q = d1 / d0;
        geometric = std::isfinite(q) && q > 0 && q <= kMaxStepRatio;
        qMin = std::min(qMin, q);
        qMax = std::max(qMax, q);
    }
    if (geometric && qMax - qMin <= kStepRatioSpread) {
        r.exists = true;
        r.limit = r.last + (r.last - r.beforeLast) * q / (1 - q);
        return r;
    }
    r.exists = !LimitsDiffer(r.last, r.beforeLast);
    return r;
}

bool LimitsDiffer(double u, double v) {
    if (!std::isfinite(u) || !std::isfinite(v)) return true;
    return std::fabs(u - v) > kLimitTolerance;
}

double WalkToBandEdge(FunctionRef F, double t0, double bound, double step, double level,
                      double band) {
    if (!UsableStep(step) || !std::isfinite(t0)) return 0;
    const double dir = bound < t0 ? -1.0 : 1.0;
    // A point where F is not defined (x0 of sin x/x) does not end the walk.
    const auto outside = [&](double t) { return std::fabs(level - F(t)) >= band; };
    if (outside(t0)) return 0;
    double inside = t0;
    for (long i = 1; i <= kMaxWalkSteps; ++i) {
        double t = t0 + dir * step * double(i);
        const bool last = dir < 0 ? !(t > bound) : !(t < bound);
        // The last point is the bound itself, where the curve may still be inside.
        if (last) t = std::isfinite(bound) ? bound : inside;
        if (!outside(t)) {
            inside = t;
            if (last) break;
            continue;
        }
        // The edge of the band lies between the last point inside and this
        // one: halve down to the rounding of the coordinates.
        double out = t;
        for (int k = 0; k < kEdgeHalvings; ++k) {
            const double m = (inside + out) / 2;
            if (m == inside || m == out) break;
            (outside(m) ? out : inside) = m;
        }
        return std::fabs(out - t0);
    }
    return std::fabs(inside - t0);
}

double LastOutsideBand(FunctionRef F, double from, double to, double step, double level,
                       double band) {
    if (!UsableStep(step) || !std::isfinite(from)) return from;
    const double dir = to < from ? -1.0 : 1.0;
    double last = from;
    for (long i = 0; i <= kMaxWalkSteps; ++i) {
        const double t = from + dir * step * double(i);
        if (dir < 0 ? t < to : t > to) break;
        if (std::fabs(F(t) - level) > band) last = t;
    }
    return last;
}

} // namespace calculus
