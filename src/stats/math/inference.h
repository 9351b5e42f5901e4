// Interval estimation and significance tests on one or two samples: the
// pivot's density, its exact quantiles, the interval or acceptance region
// and the verdict. The pages draw from these results.
#pragma once

namespace stats {

double Mean(const double* x, int n);
// Σ (x_i − about)² over the n values.
double SumOfSquares(const double* x, int n, double about);

// The sample sizes the pages work with: n at least 4, m 0 (one sample) or
// at least 4, both at most `capacity`.
void ClampSampleCounts(int* n, int* m, int capacity);

// What a page draws of a pivot: the density of entry `entry` (77 normal,
// 78 t, 79 χ², 80 F; 0 when there is none) with degrees of freedom df1, df2.
struct Pivot {
    int entry = 0;
    int df1 = 0, df2 = 0;
};

// A confidence interval of level 1 − α. Kind 0 estimates a mean (or the
// difference of two means), kind 1 a variance (or the ratio of two).
// sigmaKnown: 1 σ known (u), 0 σ unknown (t), anything else no interval;
// muKnown (one-sample kind 1): non-zero μ known. mu and sigma are the known
// μ and σ of one sample, or σ1 and σ2 of two samples.
struct IntervalEstimate {
    Pivot pivot;
    double q1 = 0, q2 = 0; // kind 0: q2 = u or t; kind 1: the lower and upper quantile
    double lower = 0, upper = 0;
    // The estimator's density as DrawDensityWithRegion plots it.
    double scale = 1, location = 0;
    int mode = 0;      // 0 location-scale, 1 reciprocal
    double spread = 0; // kind 0: the standard error; kind 1: Q0 or S1²/S2²
};
IntervalEstimate EstimateInterval(int kind, int sigmaKnown, int muKnown, const double* x, int n,
                                  const double* y, int m, double mu, double sigma, double alpha);

// Sides of a test: the acceptance region is two-sided, open to the left
// ("左侧") or open to the right ("右侧").
enum TestSide { kTwoSided = 0, kLeftOpen = 1, kRightOpen = 2 };

// A significance test at level α. Kind 0 tests a mean (u or t by
// sigmaKnown), kind 1 a variance (χ², or F with two samples). mu and sigma:
// μ0 and σ (σ0 for χ²) of one sample, σ1 and σ2 of the two-sample u test.
struct TestOutcome {
    Pivot pivot;
    bool valid = false; // a statistic and a region exist
    double statistic = 0;
    double lo = 0, hi = 0; // acceptance region (lo, hi); infinite on an open side
    double q = 0;          // u and t: the critical value
    double c1 = 0, c2 = 0; // χ² and F: the lower and upper critical values
    double e = 0;          // u and t: the standard error of the difference
    double s1 = 0, s2 = 0; // F: the two sample variances
    bool accepted = false; // the statistic lies strictly inside the region
};
TestOutcome RunTest(int kind, int sigmaKnown, int muKnown, const double* x, int n, const double* y,
                    int m, double mu, double sigma, double alpha, int side);

} // namespace stats
