// The mathematics of the calculus pages, without a view: approach samples,
// limits at infinity and the δ and X walks; Taylor coefficients against the
// textbook series; Fourier coefficients and partial sums; the mean value
// scans. Expected values are hand results of the series and integrals.
#include "calculus/math/fourier.h"
#include "calculus/math/limits.h"
#include "calculus/math/mean_value.h"
#include "calculus/math/taylor.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

using namespace calculus;

constexpr double kPi = 3.14159265358979323846;
constexpr double kE = 2.718281828459045;
constexpr double kSentinel = 12345.0;

const auto SinOverX = [](double x) { return std::fabs(x) <= 1e-5 ? 1.0 : std::sin(x) / x; };

double Factorial(int n) {
    double f = 1;
    for (int i = 2; i <= n; ++i) f *= i;
    return f;
}

} // namespace

// --- Limits ------------------------------------------------------------------

TEST(LimitSampling, ApproachClosesInWith46Samples) {
    // 0.7^45 = 1.0700690e-7 is the last factor above 1e-7.
    EXPECT_NEAR(ApproachFactor(45), 1.0700690442359773e-07, 1e-20);
    std::vector<double> ts;
    const auto v =
        SampleApproach(SinOverX, 0.0, -8.0, [&](double t, double, double) { ts.push_back(t); });
    ASSERT_EQ(ts.size(), 46u);
    EXPECT_DOUBLE_EQ(ts.front(), -8.0);
    EXPECT_NEAR(ts.back(), -8.0 * 1.0700690442359773e-07, 1e-18);
    EXPECT_EQ(v.last, 1.0); // sin x / x at 0: the limit 1
    EXPECT_EQ(v.beforeLast, 1.0);
}

TEST(LimitSampling, FarSamplesFindTheLimitsAtInfinity) {
    const auto atan = [](double x) { return std::atan(x); };
    const FarValues plus = SampleAtInfinity(atan, Infinity::Plus);
    EXPECT_NEAR(plus.right, kPi / 2, 1e-9);
    EXPECT_FALSE(LimitsDiffer(plus.right, plus.left));
    const FarValues minus = SampleAtInfinity(atan, Infinity::Minus);
    EXPECT_NEAR(minus.right, -kPi / 2, 1e-9);
    EXPECT_FALSE(LimitsDiffer(minus.right, minus.left));
    // Different limits at the two ends: none at ∞.
    const FarValues both = SampleAtInfinity(atan, Infinity::Both);
    EXPECT_TRUE(LimitsDiffer(both.right, both.left));
    // (1 + 1/x)^x tends to e at both ends.
    const auto e = [](double x) { return std::exp(x * std::log(1 / x + 1)); };
    const FarValues eb = SampleAtInfinity(e, Infinity::Both);
    EXPECT_NEAR(eb.right, kE, 1e-4);
    EXPECT_FALSE(LimitsDiffer(eb.right, eb.left));
    // sin x still changes between the last two far samples.
    const auto sine = [](double x) { return std::sin(x); };
    const FarValues s = SampleAtInfinity(sine, Infinity::Plus);
    EXPECT_TRUE(LimitsDiffer(s.right, s.left));
}

TEST(LimitSampling, ValuesThatAreNotNumbersNeverAgree) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_FALSE(LimitsDiffer(1.0, 1.00005));
    EXPECT_TRUE(LimitsDiffer(1.0, 1.0002));
    EXPECT_TRUE(LimitsDiffer(inf, inf));
    EXPECT_TRUE(LimitsDiffer(nan, nan));
}

TEST(LimitWalks, DeltaIsTheDistanceToTheBandEdge) {
    // x² leaves the band 0 ± 0.25 at x = 0.5, between two steps of the walk.
    const auto sq = [](double x) { return x * x; };
    EXPECT_NEAR(WalkToBandEdge(sq, 0, 2, 0.0003, 0, 0.25), 0.5, 1e-12);
    EXPECT_NEAR(WalkToBandEdge(sq, 0, -2, 0.0003, 0, 0.25), 0.5, 1e-12);
    // Constant near x0: δ is the whole distance to the bound.
    const auto flat = [](double) { return 2.0; };
    EXPECT_DOUBLE_EQ(WalkToBandEdge(flat, 1, -1, 0.03, 2, 0.1), 2.0);
    // A removable point whose value lies outside the band: δ = 0.
    const auto hole = [](double x) { return x == 0 ? 5.0 : 1.0; };
    EXPECT_EQ(WalkToBandEdge(hole, 0, 1, 0.01, 1, 0.1), 0.0);
}

// The largest admissible δ of sin x/x at 0 (not defined there) for the
// band 1 ± ε: the root of 1 - sin δ/δ = ε (mpmath findroot, 30 digits), on
// the walk of 0.0016 = 0.0001 of the x span 16 of the sample page.
TEST(LimitWalks, DeltaOfSinXOverXIsTheLargestAdmissible) {
    const auto sinc = [](double x) { return std::sin(x) / x; };
    const struct {
        double epsilon, delta;
    } cases[] = {
        {0.18, 1.0694125881680003},
        {0.144, 0.95078469211102442},
        {0.225, 1.2049142436820779},
        {0.1152, 0.84642198159000157},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(WalkToBandEdge(sinc, 0, 8, 0.0016, 1, c.epsilon), c.delta, 1e-12) << c.epsilon;
        EXPECT_NEAR(WalkToBandEdge(sinc, 0, -8, 0.0016, 1, c.epsilon), c.delta, 1e-12) << c.epsilon;
    }
}

TEST(LimitWalks, WalksEndOnUnusableInput) {
    const auto flat = [](double) { return 0.0; };
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(WalkToBandEdge(flat, 0, 1, 0.0, 0, 1), 0.0);
    EXPECT_EQ(WalkToBandEdge(flat, nan, 1, 0.1, 0, 1), 0.0);
    EXPECT_EQ(WalkToBandEdge(flat, 0, 1, nan, 0, 1), 0.0);
    // An endless bound stops at the step cap.
    EXPECT_NEAR(WalkToBandEdge(flat, 0, -inf, 1.0, 0, 1), double(kMaxWalkSteps), 1.0);
    EXPECT_EQ(LastOutsideBand(flat, 3, 9, 0.0, 5, 1), 3.0);
    EXPECT_TRUE(std::isfinite(LastOutsideBand(flat, 0, inf, 1.0, 5, 1)));
}

TEST(LimitWalks, ThresholdOfALimitAtInfinity) {
    // 1 + 1/x stays within 0.1 of 1 from x = 10 on.
    const auto f = [](double x) { return 1 + 1 / x; };
    EXPECT_NEAR(LastOutsideBand(f, 1, 100, 0.001, 1, 0.1), 10.0, 0.002);
    // Inside the band everywhere: the start.
    EXPECT_EQ(LastOutsideBand(f, 20, 100, 0.01, 1, 0.1), 20.0);
}

// --- Taylor polynomials ---------------------------------------------------------

TEST(TaylorCoefficientsTest, ClosedFormsMatchTheTextbookSeries) {
    struct Case {
        const char* name;
        std::vector<double> expected;
        std::vector<double> got;
    };
    std::vector<Case> cases;
    auto run = [&](const char* name, std::vector<double> expected, auto fill) {
        std::vector<double> C(kTaylorTableSize, kSentinel);
        fill(int(expected.size()) - 1, C.data());
        C.resize(expected.size());
        cases.push_back({name, expected, C});
    };
    run("sin, n=5", {0, 1, 0, -1.0 / 6, 0, 1.0 / 120},
        [](int n, double* C) { SineCosineCoefficients(false, 0, n, C); });
    run("cos, n=4", {1, 0, -0.5, 0, 1.0 / 24},
        [](int n, double* C) { SineCosineCoefficients(true, 0, n, C); });
    run("e^x, n=6", {1, 1, 0.5, 1.0 / 6, 1.0 / 24, 1.0 / 120, 1.0 / 720},
        [](int n, double* C) { ExponentialCoefficients(kE, 1, 1, n, C); });
    // (x + 1)^2: the binomial coefficients vanish beyond α.
    run("(x+1)^2, n=4", {1, 2, 1, 0, 0}, [](int n, double* C) {
        PowerCoefficients(
            2, 1, [](double beta) { return std::pow(1.0, beta); }, n, C);
    });
    run("ln(1+x), n=4", {0, 1, -0.5, 1.0 / 3, -0.25},
        [](int n, double* C) { LogarithmCoefficients(kE, 1, 1, 0, 0, n, C); });
    run("1/(x+2), n=3", {0.5, -0.25, 0.125, -0.0625},
        [](int n, double* C) { ReciprocalCoefficients(1, 2, 0, 0.5, n, C); });
    // sin about π/2: cos-like series.
    run("sin at pi/2, n=4", {1, 0, -0.5, 0, 1.0 / 24},
        [](int n, double* C) { SineCosineCoefficients(false, kPi / 2, n, C); });
    for (const Case& c : cases)
        for (size_t i = 0; i < c.expected.size(); ++i)
            EXPECT_NEAR(c.got[i], c.expected[i], 1e-12) << c.name << " C[" << i << "]";
}

TEST(TaylorCoefficientsTest, DifferencesApproximateTheDerivatives) {
    // e^x about 0.5: C[i] = e^0.5 / i!.
    double C[kTaylorTableSize];
    DifferenceCoefficients([](double x) { return std::exp(x); }, 0.5, 4, C);
    for (int i = 0; i <= 4; ++i)
        EXPECT_NEAR(C[i], std::exp(0.5) / Factorial(i), 1e-3 / Factorial(i)) << i;
}

TEST(TaylorCoefficientsTest, OrdersStayWithinTheTables) {
    std::vector<double> C(kTaylorTableSize + 2, kSentinel);
    DifferenceCoefficients([](double x) { return x; }, 0, 50, C.data());
    EXPECT_EQ(C[kMaxDifferenceOrder + 1], kSentinel);
    std::fill(C.begin(), C.end(), kSentinel);
    SineCosineCoefficients(false, 0, 1000, C.data());
    EXPECT_EQ(C[kTaylorTableSize], kSentinel); // C[49] is the last entry written
    EXPECT_NE(C[kTaylorTableSize - 1], kSentinel);
    std::fill(C.begin(), C.end(), kSentinel);
    ExponentialCoefficients(kE, 1, 1, -3, C.data());
    EXPECT_EQ(C[0], 1.0);
    EXPECT_EQ(C[1], kSentinel);
}

// --- Fourier series ----------------------------------------------------------------

TEST(FourierSeries, CoefficientsOfXOnMinusPiToPi) {
    // f = x on [−π, π]: aₙ = 0, bₙ = 2(−1)ⁿ⁺¹/n.
    const auto f = [](double x) { return x; };
    const double T = 2 * kPi;
    double a[kFourierTableSize], b[kFourierTableSize];
    FourierCoefficients(f, T, 50, a, b);
    EXPECT_NEAR(a[0], 0, 1e-12);
    for (int n = 1; n <= 50; ++n) {
        const double bn = 2.0 * (n % 2 ? 1 : -1) / n;
        EXPECT_NEAR(b[n], bn, 1e-8) << n;
        EXPECT_NEAR(a[n], 0, 1e-10) << n;
    }
}

// f = e^0.3x + H(x) on [-1.5, 1.5]: a0 = (2 sinh(0.45)/0.3 + 1.5)/3 (the
// mean), and from ∫ e^cx cos ωx = e^cx (c cos ωx + ω sin ωx)/(c² + ω²) and
// its sine twin, with ω = 2kπ/3 (mpmath at 30 digits from these closed forms;
// the quadrature's 10-digit nodes and weights allow 1e-9).
TEST(FourierSeries, CoefficientsMatchTheClosedForms) {
    const auto f = [](double x) { return std::exp(0.3 * x) + (x > 0 ? 1.0 : 0.0); };
    const double T = 3.0;
    struct Term {
        int k;
        double a, b;
    };
    const Term terms[] = {
        {1, -0.041580964470094393, 0.92690966683075191},
        {2, 0.01055438836915374, -0.14736706206074199},
        {7, -0.00086563964822488862, 0.13324881535932076},
        {99, -4.3295597109421421e-6, 0.0094228796070460105},
        {250, 6.7894543405707592e-7, -0.0011849833265678017},
        {499, -1.704173881322228e-7, 0.0018694702942901979},
        {500, 1.6973640030513522e-7, -0.00059249180916154348},
    };
    double a[kFourierTableSize], b[kFourierTableSize];
    FourierCoefficients(f, T, kFourierMaxTerms, a, b);
    EXPECT_NEAR(a[0], 1.5340933709648839, 1e-9);
    EXPECT_NEAR(FourierIntegral(f, T, 0, 0) / T, 1.5340933709648839, 1e-9);
    for (const Term& t : terms) {
        EXPECT_NEAR(a[t.k], t.a, 1e-9) << t.k;
        EXPECT_NEAR(b[t.k], t.b, 1e-9) << t.k;
        // The single integrals of the view's coefficient read-outs.
        EXPECT_NEAR(2 / T * FourierIntegral(f, T, t.k, 0), t.a, 1e-9) << t.k;
        EXPECT_NEAR(2 / T * FourierIntegral(f, T, t.k, 1), t.b, 1e-9) << t.k;
    }
}

TEST(FourierSeries, PartialSumsMatchTheDirectSum) {
    std::vector<double> a(kFourierTableSize), b(kFourierTableSize);
    for (int k = 0; k <= 41; ++k) {
        a[k] = 1.0 / (k + 1);
        b[k] = k % 3 ? 0.5 / (k + 1) : -0.25;
    }
    const double T = 2.5, x0 = -7, dx = 0.013;
    std::vector<double> out(700);
    for (int n : {0, 1, 2, 40, 41}) {
        FourierPartialSums(a.data(), b.data(), n, T, x0, dx, int(out.size()), out.data());
        for (int i = 0; i < 700; i += 37) {
            const double x = x0 + i * dx;
            double s = a[0];
            for (int k = 1; k <= n; ++k)
                s += a[k] * std::cos(2 * k * kPi * x / T) + b[k] * std::sin(2 * k * kPi * x / T);
            EXPECT_NEAR(out[i], s, 1e-10) << "n=" << n << " x=" << x;
        }
    }
}

TEST(FourierSeries, UnusablePeriodsAndCountsAreHeld) {
    const auto f = [](double x) { return x; };
    EXPECT_EQ(FourierIntegral(f, 0, 1, 1), 0.0);
    EXPECT_EQ(FourierIntegral(f, -2, 1, 1), 0.0);
    EXPECT_EQ(FourierIntegral(f, std::numeric_limits<double>::quiet_NaN(), 1, 0), 0.0);
    EXPECT_EQ(FourierIntegral(f, 2, 1, 2), 0.0);
    std::vector<double> a(kFourierTableSize + 2, kSentinel), b(kFourierTableSize + 2, kSentinel);
    FourierCoefficients(f, 0, 3, a.data(), b.data());
    EXPECT_EQ(a[3], 0.0);
    EXPECT_EQ(b[1], 0.0);
    FourierCoefficients(f, 2 * kPi, 100000, a.data(), b.data());
    EXPECT_EQ(a[kFourierTableSize], kSentinel);
    EXPECT_EQ(b[kFourierTableSize], kSentinel);
}

// --- Mean value theorems ------------------------------------------------------------

TEST(MeanValueScans, RolleFindsBothHorizontalTangentsOfSine) {
    // The page's figure: x span 7.5, y span 5.
    const double h = 7.5e-4, tol = 0.0001 * 5;
    double pts[kMaxMeanPoints];
    const auto sine = [](double x) { return std::sin(x); };
    const int n = ScanMeanPoints(
        0, 2 * kPi, h, 0.05 * 7.5,
        [&](double x) { return std::fabs(CentralSlope(sine, x, h)) < tol; }, pts, kMaxMeanPoints);
    ASSERT_EQ(n, 2);
    EXPECT_NEAR(pts[0], kPi / 2, 1e-3);
    EXPECT_NEAR(pts[1], 3 * kPi / 2, 1e-3);
}

TEST(MeanValueScans, ScansAreBounded) {
    double pts[4];
    const auto always = [](double) { return true; };
    EXPECT_EQ(ScanMeanPoints(0, 1, 0.0, 0, always, pts, 4), 0);
    EXPECT_EQ(ScanMeanPoints(0, std::numeric_limits<double>::infinity(), 1, 0, always, pts, 4), 4);
    EXPECT_EQ(ScanMeanPoints(
                  0, 1e300, 1, 0, [](double) { return false; }, pts, 4),
              0);
}

TEST(MeanValueScans, SimpsonMeanEndsItsLastPanelAtB) {
    // Mean of x² over [0, 3] is 3; panels of 0.7 do not divide the interval.
    const auto sq = [](double x) { return x * x; };
    EXPECT_NEAR(SimpsonMean(sq, 0, 3, 0.7), 3.0, 1e-12);
    EXPECT_EQ(SimpsonMean(sq, 3, 3, 0.1), 0.0);
    EXPECT_EQ(SimpsonMean(sq, 0, 3, 0.0), 0.0);
}
