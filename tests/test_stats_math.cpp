// Distribution functions, quantiles, discrete probabilities and the
// interval and test computations of the statistics pages, checked against
// values computed independently with python3's mpmath 1.3 at 40 digits
// (regularised incomplete gamma and beta functions; quantiles by 400
// bisections of those); the formulas are restated with each group.
#include "stats/math/discrete.h"
#include "stats/math/distributions.h"
#include "stats/math/inference.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

namespace {

using namespace stats;

constexpr double kTol = 1e-6;

DensityParams P(double mu, double sigma) {
    DensityParams dp;
    dp.mu = mu, dp.sigma = sigma;
    return dp;
}
DensityParams T(int n) {
    DensityParams dp;
    dp.n = n;
    return dp;
}
DensityParams F(int n, int m) {
    DensityParams dp;
    dp.n = n, dp.m = m;
    return dp;
}
DensityParams E(double lambda) {
    DensityParams dp;
    dp.lambda = lambda;
    return dp;
}
DensityParams G(double alpha, double beta, double shift) {
    DensityParams dp;
    dp.gammaAlpha = alpha, dp.gammaBeta = beta, dp.lambda = shift;
    return dp;
}

struct Row {
    int entry;
    DensityParams dp;
    double arg, expected;
};

std::string Fixed3(double v) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.3f", v);
    return buffer;
}

// F(x) of the normal, t, chi-square, F, exponential and Gamma (shifted too)
// distributions. mpmath: ncdf; 1 - I_{n/(n+x²)}(n/2, 1/2)/2 for t;
// P(n/2, x/2) for chi-square; I_{nx/(nx+m)}(n/2, m/2) for F; P(α, β(x-s))
// for Gamma.
TEST(StatsDistributions, CdfAgainstReferenceValues) {
    const Row rows[] = {
        {kNormal, P(0, 1), -2.5, 0.0062096653257761352},
        {kNormal, P(0, 1), -1.0, 0.15865525393145705},
        {kNormal, P(0, 1), 0.0, 0.5},
        {kNormal, P(0, 1), 0.7, 0.75803634777692697},
        {kNormal, P(0, 1), 1.96, 0.97500210485177956},
        {kNormal, P(0, 1), 3.0, 0.99865010196836991},
        {kNormal, P(1, 2), -2.5, 0.04005915686381709},
        {kNormal, P(1, 2), -1.0, 0.15865525393145705},
        {kNormal, P(1, 2), 0.0, 0.3085375387259869},
        {kNormal, P(1, 2), 0.7, 0.44038230762975747},
        {kNormal, P(1, 2), 1.96, 0.68438630348377741},
        {kNormal, P(1, 2), 3.0, 0.84134474606854295},
        {kStudentT, T(1), -3.0, 0.10241638234956673},
        {kStudentT, T(1), -0.5, 0.35241638234956673},
        {kStudentT, T(1), 0.4, 0.6211189415908434},
        {kStudentT, T(1), 1.833, 0.84102866902804832},
        {kStudentT, T(1), 4.0, 0.92202086962263067},
        {kStudentT, T(3), -3.0, 0.028834442811218654},
        {kStudentT, T(3), -0.5, 0.3257239824240755},
        {kStudentT, T(3), 0.4, 0.64203242301281493},
        {kStudentT, T(3), 1.833, 0.91791088513544003},
        {kStudentT, T(3), 4.0, 0.98599577199492692},
        {kStudentT, T(9), -3.0, 0.0074781819552071074},
        {kStudentT, T(9), -0.5, 0.31453564991301324},
        {kStudentT, T(9), 0.4, 0.65075795416431732},
        {kStudentT, T(9), 1.833, 0.94999102997470849},
        {kStudentT, T(9), 4.0, 0.99844478584480707},
        {kStudentT, T(30), -3.0, 0.0026949820328259733},
        {kStudentT, T(30), -0.5, 0.31036150244256364},
        {kStudentT, T(30), 0.4, 0.65400474174290401},
        {kStudentT, T(30), 1.833, 0.96162810695399742},
        {kStudentT, T(30), 4.0, 0.99980907718195812},
        {kChiSquare, T(1), 0.1, 0.24817036595415072},
        {kChiSquare, T(1), 1.0, 0.6826894921370859},
        {kChiSquare, T(1), 3.94, 0.95284922250535489},
        {kChiSquare, T(1), 9.0, 0.99730020393673981},
        {kChiSquare, T(1), 20.483, 0.99999398367618103},
        {kChiSquare, T(4), 0.1, 0.0012091042742502906},
        {kChiSquare, T(4), 1.0, 0.090204010431049865},
        {kChiSquare, T(4), 3.94, 0.58581313704129872},
        {kChiSquare, T(4), 9.0, 0.93890051903966731},
        {kChiSquare, T(4), 20.483, 0.99959913574832892},
        {kChiSquare, T(10), 0.1, 2.4979513360065105e-9},
        {kChiSquare, T(10), 1.0, 0.00017211562995584078},
        {kChiSquare, T(10), 3.94, 0.049986909209909281},
        {kChiSquare, T(10), 9.0, 0.46789642362528452},
        {kChiSquare, T(10), 20.483, 0.97499855053564891},
        {kFisherF, F(9, 4), 0.2, 0.021205536541094337},
        {kFisherF, F(9, 4), 1.0, 0.45578974399104848},
        {kFisherF, F(9, 4), 2.5, 0.80413513076257379},
        {kFisherF, F(9, 4), 5.999, 0.95000314463291679},
        {kFisherF, F(3, 12), 0.2, 0.10562312876574364},
        {kFisherF, F(3, 12), 1.0, 0.57377862073521004},
        {kFisherF, F(3, 12), 2.5, 0.89084528760499372},
        {kFisherF, F(3, 12), 5.999, 0.99026358451725199},
        {kFisherF, F(1, 5), 0.2, 0.32657156446244619},
        {kFisherF, F(1, 5), 1.0, 0.63678253235087737},
        {kFisherF, F(1, 5), 2.5, 0.82531218573588056},
        {kFisherF, F(1, 5), 5.999, 0.94201266958892207},
        {kExponential, E(0.5), 0.05, 0.024690087971667333},
        {kExponential, E(0.5), 0.3, 0.13929202357494219},
        {kExponential, E(0.5), 2.0, 0.63212055882855768},
        {kExponential, E(0.5), 6.0, 0.95021293163213606},
        {kExponential, E(5), 0.05, 0.22119921692859514},
        {kExponential, E(5), 0.3, 0.77686983985157016},
        {kExponential, E(5), 2.0, 0.99995460007023752},
        {kExponential, E(5), 6.0, 0.99999999999990642},
        {kGamma, G(5, 6, 0), 0.3, 0.036406661001083429},
        {kGamma, G(5, 6, 0), 0.8, 0.52374124637439137},
        {kGamma, G(5, 6, 0), 5.5, 0.99999999973918915},
        {kGamma, G(5, 6, 0), 6.2, 0.99999999999377509},
        {kGamma, G(5, 6, 5), 0.3, 0.0},
        {kGamma, G(5, 6, 5), 0.8, 0.0},
        {kGamma, G(5, 6, 5), 5.5, 0.18473675547622793},
        {kGamma, G(5, 6, 5), 6.2, 0.84448438430919767},
        {kGamma, G(0.7, 1.5, 0), 0.3, 0.52755407044901501},
        {kGamma, G(0.7, 1.5, 0), 0.8, 0.81118509677239222},
        {kGamma, G(0.7, 1.5, 0), 5.5, 0.99989653200262186},
        {kGamma, G(0.7, 1.5, 0), 6.2, 0.99996495493535451},
    };
    for (const Row& r : rows)
        EXPECT_NEAR(r.expected, Cdf(r.entry, r.arg, r.dp), kTol) << r.entry << " at " << r.arg;
}

// Quantiles are the exact inverses, for every probability of the pages.
TEST(StatsDistributions, QuantilesAgainstReferenceValues) {
    const Row rows[] = {
        {kNormal, P(0, 1), 0.01, -2.3263478740408408},
        {kNormal, P(1, 2), 0.01, -3.6526957480816824},
        {kStudentT, T(1), 0.01, -31.820515953773956},
        {kStudentT, T(3), 0.01, -4.5407028585681335},
        {kStudentT, T(9), 0.01, -2.8214379250258084},
        {kStudentT, T(30), 0.01, -2.457261542400591},
        {kChiSquare, T(1), 0.01, 0.00015708785790970197},
        {kChiSquare, T(4), 0.01, 0.29710948050653185},
        {kChiSquare, T(10), 0.01, 2.558212160187206},
        {kFisherF, F(9, 4), 0.01, 0.1557126585306403},
        {kFisherF, F(3, 12), 0.01, 0.036966090543908134},
        {kFisherF, F(1, 5), 0.01, 0.00017350118021644442},
        {kExponential, E(0.5), 0.01, 0.02010067170700288},
        {kExponential, E(5), 0.01, 0.002010067170700288},
        {kGamma, G(5, 6, 0), 0.01, 0.21318434668226716},
        {kGamma, G(5, 6, 5), 0.01, 5.213184346682267},
        {kGamma, G(0.7, 1.5, 0), 0.01, 0.000808415349400895},
        {kNormal, P(0, 1), 0.05, -1.6448536269514729},
        {kNormal, P(1, 2), 0.05, -2.2897072539029457},
        {kStudentT, T(1), 0.05, -6.313751514675042},
        {kStudentT, T(3), 0.05, -2.3533634348018238},
        {kStudentT, T(9), 0.05, -1.833112932656237},
        {kStudentT, T(30), 0.05, -1.6972608865939578},
        {kChiSquare, T(1), 0.05, 0.003932140000019523},
        {kChiSquare, T(4), 0.05, 0.7107230213973241},
        {kChiSquare, T(10), 0.05, 3.9402991361190605},
        {kFisherF, F(9, 4), 0.05, 0.2752479046015317},
        {kFisherF, F(3, 12), 0.05, 0.11435575671012607},
        {kFisherF, F(1, 5), 0.05, 0.004344768161483336},
        {kExponential, E(0.5), 0.05, 0.10258658877510107},
        {kExponential, E(5), 0.05, 0.010258658877510107},
        {kGamma, G(5, 6, 0), 0.05, 0.32835826134325496},
        {kGamma, G(5, 6, 5), 0.05, 5.328358261343254},
        {kGamma, G(0.7, 1.5, 0), 0.05, 0.00810879962160559},
        {kNormal, P(0, 1), 0.5, -7.200695421340854e-42},
        {kNormal, P(1, 2), 0.5, 1.0},
        {kStudentT, T(1), 0.5, -3.3881317890172014e-21},
        {kStudentT, T(3), 0.5, -4.7915419271355436e-21},
        {kStudentT, T(9), 0.5, -9.583083854271087e-21},
        {kStudentT, T(30), 0.5, -1.3552527156068805e-20},
        {kChiSquare, T(1), 0.5, 0.4549364231195727},
        {kChiSquare, T(4), 0.5, 3.356693980033321},
        {kChiSquare, T(10), 0.5, 9.34181776559197},
        {kFisherF, F(9, 4), 0.5, 1.1039917694608397},
        {kFisherF, F(3, 12), 0.5, 0.8353058985682877},
        {kFisherF, F(1, 5), 0.5, 0.5280737689526198},
        {kExponential, E(0.5), 0.5, 1.3862943611198908},
        {kExponential, E(5), 0.5, 0.13862943611198908},
        {kGamma, G(5, 6, 0), 0.5, 0.7784848137993305},
        {kGamma, G(5, 6, 5), 0.5, 5.778484813799331},
        {kGamma, G(0.7, 1.5, 0), 0.5, 0.27161583231762754},
        {kNormal, P(0, 1), 0.9, 1.2815515655446008},
        {kNormal, P(1, 2), 0.9, 3.5631031310892016},
        {kStudentT, T(1), 0.9, 3.077683537175254},
        {kStudentT, T(3), 0.9, 1.6377443536962102},
        {kStudentT, T(9), 0.9, 1.3830287383966327},
        {kStudentT, T(30), 0.9, 1.3104150253913955},
        {kChiSquare, T(1), 0.9, 2.705543454095415},
        {kChiSquare, T(4), 0.9, 7.779440339734858},
        {kChiSquare, T(10), 0.9, 15.987179172105261},
        {kFisherF, F(9, 4), 0.9, 3.9356708150352526},
        {kFisherF, F(3, 12), 0.9, 2.6055249208306783},
        {kFisherF, F(1, 5), 0.9, 4.060419946872068},
        {kExponential, E(0.5), 0.9, 4.605170185988092},
        {kExponential, E(5), 0.9, 0.4605170185988092},
        {kGamma, G(5, 6, 0), 0.9, 1.3322649310087717},
        {kGamma, G(5, 6, 5), 0.9, 6.332264931008773},
        {kGamma, G(0.7, 1.5, 0), 0.9, 1.1714190071362802},
        {kNormal, P(0, 1), 0.975, 1.959963984540054},
        {kNormal, P(1, 2), 0.975, 4.919927969080108},
        {kStudentT, T(1), 0.975, 12.706204736174694},
        {kStudentT, T(3), 0.975, 3.182446305283708},
        {kStudentT, T(9), 0.975, 2.2621571627982053},
        {kStudentT, T(30), 0.975, 2.042272456301238},
        {kChiSquare, T(1), 0.975, 5.023886187314888},
        {kChiSquare, T(4), 0.975, 11.143286781877794},
        {kChiSquare, T(10), 0.975, 20.483177350807395},
        {kFisherF, F(9, 4), 0.975, 8.904681614598584},
        {kFisherF, F(3, 12), 0.975, 4.474184809637748},
        {kFisherF, F(1, 5), 0.975, 10.006982196613585},
        {kExponential, E(0.5), 0.975, 7.377758908227872},
        {kExponential, E(5), 0.975, 0.7377758908227872},
        {kGamma, G(5, 6, 0), 0.975, 1.706931445900616},
        {kGamma, G(5, 6, 5), 0.975, 6.706931445900617},
        {kGamma, G(0.7, 1.5, 0), 0.975, 2.0135042608762364},
    };
    for (const Row& r : rows) {
        const double q = Quantile(r.entry, r.arg, r.dp);
        EXPECT_NEAR(r.expected, q, kTol) << r.entry << " at p = " << r.arg;
        EXPECT_NEAR(r.arg, Cdf(r.entry, q, r.dp), 1e-9);
    }
}

// The table values the pages print with three decimals.
TEST(StatsDistributions, PrintedQuantilesMatchTheTables) {
    EXPECT_EQ("1.833", Fixed3(StudentTQuantile(0.95, 9)));
    EXPECT_EQ("2.262", Fixed3(StudentTQuantile(0.975, 9)));
    EXPECT_EQ("20.483", Fixed3(ChiSquareQuantile(0.975, 10)));
    EXPECT_EQ("5.999", Fixed3(FisherFQuantile(0.95, 9, 4)));
    EXPECT_EQ("1.960", Fixed3(NormalQuantile(0.975, 0, 1)));
    EXPECT_EQ("1.645", Fixed3(NormalQuantile(0.95, 0, 1)));
}

TEST(StatsDistributions, UniformAndSupportEnds) {
    const DensityParams u = [] {
        DensityParams dp;
        dp.a = 2, dp.b = 4;
        return dp;
    }();
    EXPECT_EQ(0.0, Cdf(kUniform, 1, u));
    EXPECT_EQ(0.5, Cdf(kUniform, 3, u));
    EXPECT_EQ(1.0, Cdf(kUniform, 4, u));
    EXPECT_EQ(1.0, Cdf(kUniform, 5, u));
    EXPECT_EQ(2.5, Quantile(kUniform, 0.25, u));
    EXPECT_EQ(5.0, Quantile(kUniform, 1.5, u)); // the line read beyond [0, 1]
    // The densities summed from 0 are 0 at and left of 0.
    for (int k : {kExponential, kChiSquare, kFisherF}) EXPECT_EQ(0.0, Cdf(k, -0.5, F(3, 5))) << k;
    EXPECT_EQ(0.0, Cdf(kGamma, 4.9, G(5, 6, 5)));
    EXPECT_EQ(0.0, Quantile(kChiSquare, 0, T(3)));
    EXPECT_EQ(5.0, Quantile(kGamma, 0, G(5, 6, 5)));
    EXPECT_EQ(-std::numeric_limits<double>::infinity(), Quantile(kStudentT, 0, T(3)));
    EXPECT_EQ(std::numeric_limits<double>::infinity(), Quantile(kNormal, 1, P(0, 1)));
}

// Bad probabilities and parameters give NaN at once, never a search
// without end or an exception.
TEST(StatsDistributions, InvalidInputsGiveNaN) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (int k : {kExponential, kNormal, kStudentT, kChiSquare, kFisherF, kGamma}) {
        for (double p : {-0.1, 1.5, nan})
            EXPECT_TRUE(std::isnan(Quantile(k, p, F(1, 1)))) << k << " p " << p;
        EXPECT_TRUE(std::isnan(Cdf(k, nan, F(1, 1)))) << k;
    }
    EXPECT_TRUE(std::isnan(StudentTQuantile(0.9, 0)));
    EXPECT_TRUE(std::isnan(ChiSquareCdf(1, -3)));
    EXPECT_TRUE(std::isnan(FisherFQuantile(0.9, 4, 0)));
    EXPECT_TRUE(std::isnan(NormalCdf(1, 0, 0)));
    EXPECT_TRUE(std::isnan(ExponentialQuantile(0.5, 0)));
    EXPECT_TRUE(std::isnan(GammaCdf(1, 0, 1, 0)));
    EXPECT_TRUE(std::isnan(Cdf(74, 1, P(0, 1))));
    EXPECT_TRUE(std::isnan(Quantile(82, 0.5, P(0, 1))));
}

// Binomial C(10,5)/2^10; Poisson e^-2 2^3/3!; hypergeometric
// C(3,1)C(7,2)/C(10,3) = 63/120; impossible outcomes 0.
TEST(StatsDiscrete, ProbabilitiesAndImpossibleOutcomes) {
    EXPECT_NEAR(252.0 / 1024, BinomialProbability(10, 0.5, 5), 1e-14);
    EXPECT_NEAR(0.3, BinomialProbability(1, 0.3, 1), 1e-14);
    EXPECT_NEAR(0.7, BinomialProbability(1, 0.3, 0), 1e-14);
    EXPECT_EQ(1.0, BinomialProbability(6, 0.0, 0));
    EXPECT_EQ(0.0, BinomialProbability(6, 0.0, 3));
    EXPECT_EQ(1.0, BinomialProbability(6, 1.0, 6));
    EXPECT_EQ(0.0, BinomialProbability(6, 0.5, 7));
    EXPECT_NEAR(0.18044704431548356, PoissonProbability(2, 3), 1e-14);
    EXPECT_NEAR(std::exp(-0.01), PoissonProbability(0.01, 0), 1e-14);
    EXPECT_NEAR(0.525, HypergeometricProbability(10, 3, 3, 1), 1e-13);
    EXPECT_NEAR(1.0 / 120, HypergeometricProbability(10, 3, 3, 3), 1e-13);
    // Five drawn from ten with eight marked: at least three are marked.
    EXPECT_EQ(0.0, HypergeometricProbability(10, 8, 5, 2));
    EXPECT_EQ(0.0, HypergeometricProbability(10, 8, 5, 6));
    double sum = 0;
    for (int k = 0; k <= 5; ++k) sum += HypergeometricProbability(10, 8, 5, k);
    EXPECT_NEAR(1.0, sum, 1e-12);
    // Counts far beyond 170! stay finite.
    EXPECT_NEAR(0.0, BinomialProbability(2000, 0.5, 0), 1e-300);
    EXPECT_TRUE(std::isfinite(HypergeometricProbability(3000, 1000, 500, 170)));
}

TEST(StatsInference, SampleCounts) {
    struct C {
        int n, m, wantN, wantM;
    };
    for (const C& c : {C{2, 0, 4, 0}, C{10, 2, 10, 4}, C{10, -1, 10, 0}, C{500, 300, 100, 100},
                       C{-7, 5, 4, 5}}) {
        int n = c.n, m = c.m;
        ClampSampleCounts(&n, &m, 100);
        EXPECT_EQ(c.wantN, n);
        EXPECT_EQ(c.wantM, m);
    }
}

// The default data 0, 1, 2, ... of the pages, at α = 0.1 (mpmath: the
// quantiles above, x̄ = 4.5, Σ(x − x̄)² = 82.5 over ten values, 10 over five).
TEST(StatsInference, IntervalsOfTheDefaultData) {
    double x[10], y[5];
    for (int i = 0; i < 10; ++i) x[i] = i;
    for (int i = 0; i < 5; ++i) y[i] = i;

    IntervalEstimate r = EstimateInterval(0, 0, 0, x, 10, y, 0, 0, 1, 0.1);
    EXPECT_EQ(kStudentT, r.pivot.entry);
    EXPECT_EQ(9, r.pivot.df1);
    EXPECT_EQ("1.833", Fixed3(r.q2));
    EXPECT_NEAR(2.7449279866962005, r.lower, kTol);
    EXPECT_NEAR(6.2550720133037995, r.upper, kTol);
    EXPECT_NEAR(0.95742710775633811, r.spread, kTol);

    r = EstimateInterval(0, 1, 0, x, 10, y, 0, 0, 2, 0.1);
    EXPECT_EQ(kNormal, r.pivot.entry);
    EXPECT_NEAR(4.5 - 1.6448536269514724 * 2 / std::sqrt(10.0), r.lower, kTol);

    r = EstimateInterval(1, 0, 0, x, 10, y, 0, 0, 1, 0.1);
    EXPECT_EQ(kChiSquare, r.pivot.entry);
    EXPECT_EQ(9, r.pivot.df1);
    EXPECT_NEAR(3.3251128430668153, r.q1, kTol);
    EXPECT_NEAR(16.918977604620444, r.q2, kTol);
    EXPECT_NEAR(4.8761811693319977, r.lower, kTol);
    EXPECT_NEAR(24.811188038932438, r.upper, kTol);
    EXPECT_EQ(1, r.mode);

    r = EstimateInterval(1, 0, 1, x, 10, y, 0, 0, 1, 0.1); // μ = 0 known
    EXPECT_EQ(10, r.pivot.df1);
    EXPECT_NEAR(15.567783230177603, r.lower, kTol);
    EXPECT_NEAR(72.329533914703377, r.upper, kTol);

    r = EstimateInterval(1, 0, 0, x, 10, y, 5, 0, 1, 0.1);
    EXPECT_EQ(kFisherF, r.pivot.entry);
    EXPECT_EQ(9, r.pivot.df1);
    EXPECT_EQ(4, r.pivot.df2);
    EXPECT_NEAR(0.2752479046015317, r.q1, kTol);
    EXPECT_EQ("5.999", Fixed3(r.q2));
    EXPECT_NEAR(0.61123549435474360, r.lower, kTol);
    EXPECT_NEAR(13.321324541869963, r.upper, kTol);

    r = EstimateInterval(0, 0, 0, x, 10, y, 5, 0, 1, 0.1);
    EXPECT_EQ(13, r.pivot.df1);
    EXPECT_NEAR(-0.087390894486765452, r.lower, kTol);
    EXPECT_NEAR(5.0873908944867655, r.upper, kTol);

    r = EstimateInterval(0, 2, 0, x, 10, y, 0, 0, 1, 0.1); // no such case
    EXPECT_EQ(0, r.pivot.entry);
}

// X = 1..10, μ0 = 5, σ = 3 known, α = 0.05: T = 0.527, q = 1.960, accepted.
TEST(StatsInference, TestsAndTheirRegions) {
    double x[10], y[5];
    for (int i = 0; i < 10; ++i) x[i] = i + 1;
    for (int i = 0; i < 5; ++i) y[i] = i;
    TestOutcome t = RunTest(0, 1, 0, x, 10, y, 0, 5, 3, 0.05, kTwoSided);
    EXPECT_TRUE(t.valid);
    EXPECT_NEAR(0.52704627669472989, t.statistic, kTol);
    EXPECT_EQ("0.527", Fixed3(t.statistic));
    EXPECT_EQ("1.960", Fixed3(t.q));
    EXPECT_TRUE(t.accepted);

    t = RunTest(0, 1, 0, x, 10, y, 0, 5, 3, 0.05, kLeftOpen);
    EXPECT_EQ("1.645", Fixed3(t.hi));
    EXPECT_EQ(-std::numeric_limits<double>::infinity(), t.lo);

    // A statistic on a critical value is rejected: μ0 so that T = q.
    const double q = NormalQuantile(0.975, 0, 1);
    t = RunTest(0, 1, 0, x, 10, y, 0, 5.5 - q * 3 / std::sqrt(10.0), 3, 0.05, kTwoSided);
    t.statistic = t.hi; // exactly on the bound
    EXPECT_FALSE(t.lo < t.statistic && t.statistic < t.hi);

    // F test of the default data with ten and five values: S1² = 82.5/9,
    // S2² = 10/4, degrees of freedom 9 and 4.
    for (int i = 0; i < 10; ++i) x[i] = i;
    t = RunTest(1, 0, 0, x, 10, y, 5, 0, 1, 0.1, kTwoSided);
    EXPECT_EQ(kFisherF, t.pivot.entry);
    EXPECT_EQ(9, t.pivot.df1);
    EXPECT_EQ(4, t.pivot.df2);
    EXPECT_NEAR(82.5 / 9, t.s1, 1e-12);
    EXPECT_NEAR(2.5, t.s2, 1e-12);
    EXPECT_EQ("5.999", Fixed3(t.c2));
    EXPECT_TRUE(t.accepted);
    // χ² with μ unknown, σ0 = 1: Q0 = 82.5 far right of χ²(9) 0.95.
    t = RunTest(1, 0, 0, x, 10, y, 0, 0, 1, 0.1, kTwoSided);
    EXPECT_EQ(9, t.pivot.df1);
    EXPECT_NEAR(82.5, t.statistic, 1e-12);
    EXPECT_FALSE(t.accepted);
    // An α outside (0, 1) has no region and no verdict.
    t = RunTest(0, 0, 0, x, 10, y, 0, 4, 1, 1.5, kTwoSided);
    EXPECT_FALSE(t.valid);
    EXPECT_FALSE(t.accepted);
    t = RunTest(3, 0, 0, x, 10, y, 0, 4, 1, 0.1, kTwoSided);
    EXPECT_FALSE(t.valid);
}

} // namespace
