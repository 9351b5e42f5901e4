#include "calculus/math/limits.h"

#include <cmath>

namespace calculus {

namespace {

// The far samples: t grows by 1.1 from 1 and by 1.11 from −1.1.
constexpr double kFarPositiveStart = 1.0;
constexpr double kFarPositiveGrowth = 1.1;
constexpr double kFarNegativeStart = -1.1;
constexpr double kFarNegativeGrowth = 1.11;
constexpr double kFarEnd = 1e10;

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

bool LimitsDiffer(double u, double v) {
    if (!std::isfinite(u) || !std::isfinite(v)) return true;
    return std::fabs(u - v) > kLimitTolerance;
}

double WalkToBandEdge(FunctionRef F, double t0, double bound, double step, double level,
                      double band) {
    if (!UsableStep(step) || !std::isfinite(t0)) return 0;
    const double dir = bound < t0 ? -1.0 : 1.0;
    double delta = 0;
    for (long i = 0; i <= kMaxWalkSteps; ++i) {
        const double t = t0 + dir * step * double(i);
        if (i > 0 && (dir < 0 ? t < bound : t > bound)) break;
        delta = std::fabs(t - t0);
        if (std::fabs(level - F(t)) >= band) break;
    }
    return delta;
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
