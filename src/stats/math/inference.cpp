#include "stats/math/inference.h"

#include "stats/math/distributions.h"

#include <cmath>
#include <limits>

namespace stats {

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr int kMinSample = 4;

// The quantile of the pivot's density (the standard normal for entry 77).
double PivotQuantile(const Pivot& pv, double p) {
    DensityParams dp;
    dp.mu = 0, dp.sigma = 1;
    dp.n = pv.df1, dp.m = pv.df2;
    return Quantile(pv.entry, p, dp);
}

// The standard error of x̄ − ȳ with a pooled variance.
double PooledError(double sx, double sy, int n, int m) {
    return std::sqrt((sx + sy) / (n + m - 2.0) * (n + m) / (double(n) * m));
}

struct Samples {
    const double* x;
    int n;
    const double* y;
    int m;
    double xbar, ybar, sx, sy; // means and sums of squares about them
};

Samples Summarise(const double* x, int n, const double* y, int m) {
    Samples s{x, n, y, m, Mean(x, n), 0, 0, 0};
    s.sx = SumOfSquares(x, n, s.xbar);
    if (m > 0) {
        s.ybar = Mean(y, m);
        s.sy = SumOfSquares(y, m, s.ybar);
    }
    return s;
}

// The pivot of a mean or a difference of means, with its standard error;
// entry 0 when the σ flag names neither case.
Pivot MeanPivot(const Samples& s, int sigmaKnown, double mu, double sigma, double* e) {
    Pivot pv;
    if (sigmaKnown == 1) {
        pv.entry = kNormal;
        *e = s.m > 0 ? std::sqrt(mu * mu / s.n + sigma * sigma / s.m) : sigma / std::sqrt(s.n);
    } else if (sigmaKnown == 0) {
        pv.entry = kStudentT;
        if (s.m > 0) {
            pv.df1 = s.n + s.m - 2;
            *e = PooledError(s.sx, s.sy, s.n, s.m);
        } else {
            pv.df1 = s.n - 1;
            *e = std::sqrt(s.sx / (s.n - 1) / s.n);
        }
    }
    return pv;
}

} // namespace

double Mean(const double* x, int n) {
    double sum = 0;
    for (int i = 0; i < n; ++i) sum += x[i];
    return n > 0 ? sum / n : 0.0;
}

double SumOfSquares(const double* x, int n, double about) {
    double sum = 0;
    for (int i = 0; i < n; ++i) sum += (x[i] - about) * (x[i] - about);
    return sum;
}

void ClampSampleCounts(int* n, int* m, int capacity) {
    if (*n < kMinSample) *n = kMinSample;
    if (*n > capacity) *n = capacity;
    if (*m < 0) *m = 0;
    if (*m > 0 && *m < kMinSample) *m = kMinSample;
    if (*m > capacity) *m = capacity;
}

IntervalEstimate EstimateInterval(int kind, int sigmaKnown, int muKnown, const double* x, int n,
                                  const double* y, int m, double mu, double sigma, double alpha) {
    IntervalEstimate r;
    const Samples s = Summarise(x, n, y, m);
    if (kind == 0) {
        double e = 0;
        r.pivot = MeanPivot(s, sigmaKnown, mu, sigma, &e);
        if (!r.pivot.entry) return r;
        r.q2 = PivotQuantile(r.pivot, 1 - alpha / 2);
        r.location = m > 0 ? s.xbar - s.ybar : s.xbar;
        r.scale = r.spread = e;
        r.lower = r.location - r.q2 * e;
        r.upper = r.location + r.q2 * e;
    } else if (kind == 1) {
        r.mode = 1;
        r.location = 0;
        if (m > 0) {
            r.pivot = {kFisherF, n - 1, m - 1};
            r.spread = (s.sx / (n - 1)) / (s.sy / (m - 1));
        } else {
            const bool known = muKnown != 0;
            r.pivot = {kChiSquare, known ? n : n - 1, 0};
            r.spread = known ? SumOfSquares(x, n, mu) : s.sx;
        }
        r.q1 = PivotQuantile(r.pivot, alpha / 2);
        r.q2 = PivotQuantile(r.pivot, 1 - alpha / 2);
        r.scale = r.spread;
        r.lower = r.spread / r.q2;
        r.upper = r.spread / r.q1;
    }
    return r;
}

TestOutcome RunTest(int kind, int sigmaKnown, int muKnown, const double* x, int n, const double* y,
                    int m, double mu, double sigma, double alpha, int side) {
    TestOutcome r;
    const Samples s = Summarise(x, n, y, m);
    if (side != kLeftOpen && side != kRightOpen) side = kTwoSided;
    const double pTwo = 1 - alpha / 2, pOne = 1 - alpha;
    if (kind == 0) {
        r.pivot = MeanPivot(s, sigmaKnown, mu, sigma, &r.e);
        if (!r.pivot.entry) return r;
        r.statistic = m > 0 ? (s.xbar - s.ybar) / r.e : (s.xbar - mu) / r.e;
        r.q = PivotQuantile(r.pivot, side == kTwoSided ? pTwo : pOne);
        r.lo = side == kLeftOpen ? -kInf : -r.q;
        r.hi = side == kRightOpen ? kInf : r.q;
    } else if (kind == 1) {
        if (m > 0) {
            r.pivot = {kFisherF, n - 1, m - 1};
            r.s1 = s.sx / (n - 1);
            r.s2 = s.sy / (m - 1);
            r.statistic = r.s1 / r.s2;
        } else {
            const bool known = muKnown != 0;
            r.pivot = {kChiSquare, known ? n : n - 1, 0};
            r.statistic = (known ? SumOfSquares(x, n, mu) : s.sx) / (sigma * sigma);
        }
        r.c1 = PivotQuantile(r.pivot, side == kTwoSided ? alpha / 2 : alpha);
        r.c2 = PivotQuantile(r.pivot, side == kTwoSided ? pTwo : pOne);
        r.lo = side == kLeftOpen ? 0.0 : r.c1;
        r.hi = side == kRightOpen ? kInf : r.c2;
    } else {
        return r;
    }
    // Critical values exist only for 0 < α < 1.
    r.valid = alpha > 0 && alpha < 1 && !std::isnan(r.lo) && !std::isnan(r.hi);
    r.accepted = r.valid && r.lo < r.statistic && r.statistic < r.hi;
    return r;
}

} // namespace stats
