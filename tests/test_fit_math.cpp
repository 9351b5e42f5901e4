// The fitting, approximation and interpolation methods alone. Expected
// values are the methods' worked examples, hand calculations, and numbers
// computed once with python3 (least squares and divided differences in
// exact fractions.Fraction arithmetic, integrals in closed form).
#include "numeric/math/approximation.h"
#include "numeric/math/interpolation.h"
#include "numeric/math/linear_solvers.h"
#include "numeric/math/regression.h"
#include "numeric/math/splines.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

using namespace numeric;

// Working matrices of the solvers, on the heap.
struct Matrices {
    std::unique_ptr<double[][kDim]> a{new double[kDim][kDim]()};
    std::unique_ptr<double[][kDim]> l{new double[kDim][kDim]()};
    std::unique_ptr<double[][kDim]> u{new double[kDim][kDim]()};
};

// --- Regression ------------------------------------------------------------------

TEST(FitMath, StraightLineFitsOfTheModels) {
    // y = a e^(bx) through eight points (python3, exact least squares on
    // ln y): a = 11.437069, b = 0.291216, Q = 0.0019176.
    const double x[] = {1, 2, 3, 4, 5, 6, 7, 8};
    const double y[] = {15.3, 20.5, 27.4, 36.6, 49.1, 65.6, 87.8, 117.6};
    double eq[2][3];
    RegressionNormalEquations(x, y, 8, kExpModel, eq);
    EXPECT_EQ(eq[0][0], 8);
    EXPECT_EQ(eq[0][1], 36);
    EXPECT_EQ(eq[1][1], 204);
    Matrices m;
    for (int r = 0; r < 2; ++r) {
        m.a[r][0] = eq[r][0], m.a[r][1] = eq[r][1], m.a[r][kRhs] = eq[r][2];
    }
    double sol[2];
    SolveSmallSystem(m.a.get(), 2, sol);
    const double a = RegressionA(sol[0], kExpModel), b = sol[1];
    EXPECT_NEAR(a, 11.43706853676073, 1e-9);
    EXPECT_NEAR(b, 0.291216016238187, 1e-12);
    EXPECT_NEAR(RegressionResidual(x, y, 8, kExpModel, a, b), 0.0019175650083205658, 1e-12);

    // The straight line through (0, 1), (1, 3), (2, 5) exactly (by hand):
    // a = 1, b = 2 and every residual 0; types 7 and -1 are that line too.
    const double lx[] = {0, 1, 2}, ly[] = {1, 3, 5};
    for (int t : {int(kLineModel), 7, -1}) {
        RegressionNormalEquations(lx, ly, 3, t, eq);
        EXPECT_EQ(eq[0][2], 9);  // Σy
        EXPECT_EQ(eq[1][2], 13); // Σxy
        EXPECT_EQ(RegressionResidual(lx, ly, 3, t, 1, 2), 0);
    }
}

TEST(FitMath, UndefinedTransformsCountAsZero) {
    EXPECT_EQ(LinearizeX(-2, kPowerModel), 0);
    EXPECT_EQ(LinearizeY(0, kPowerModel), 0);
    EXPECT_EQ(LinearizeX(0, kExpInverseModel), 0);
    EXPECT_EQ(EvalRegressionModel(0, kExpInverseModel, 2, 3), 0);
    EXPECT_EQ(LinearizeY(0, kInverseLineModel), 0);
    EXPECT_EQ(EvalRegressionModel(2, kInverseLineModel, 1, -0.5), 0); // zero denominator
    // The curve of model 4 takes ln|x|; the fit takes ln x (0 for x <= 0).
    EXPECT_DOUBLE_EQ(EvalRegressionModel(-std::exp(1.0), kInverseLogModel, 1, 1), 0.5);
    EXPECT_EQ(LinearizeX(-std::exp(1.0), kInverseLogModel), 0);
    EXPECT_DOUBLE_EQ(EvalRegressionModel(4, kPowerModel, 3, 0.5), 6);
}

TEST(FitMath, PolynomialPowerSumsAndTheCholeskyFit) {
    // Even powers, m = 1, points (1, 3) and (2, 5), by hand: [[2, 5], [5, 17]]
    // with right-hand sides 8 and 23.
    const double x2[] = {1, 2}, y2[] = {3, 5};
    double s[3], t[2];
    PolynomialPowerSums(x2, y2, 2, 1, kEvenPowers, s, t);
    const double sums[] = {s[0], s[1], s[2], t[0], t[1]}, hand[] = {2, 5, 17, 8, 23};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(sums[i], hand[i]) << i;
    // Odd powers, m = 0: the single basis function x; s_0 = Σx², t_0 = Σxy.
    PolynomialPowerSums(x2, y2, 2, 0, kOddPowers, s, t);
    EXPECT_EQ(s[0], 5);
    EXPECT_EQ(t[0], 13);
    const double c0[] = {2.6};
    EXPECT_DOUBLE_EQ(EvalRegressionPolynomial(2, c0, 0, kOddPowers), 5.2);

    // The cubic fit of sin x at x_i = 0.31416 i, i = 0..9 (python3, exact
    // least squares): c = -0.0153471, 1.1931415, -0.3185989, -0.0229145.
    double x[10], y[10];
    for (int i = 0; i < 10; ++i) x[i] = 3.1416 * i / 10, y[i] = std::sin(x[i]);
    double ps[7], pt[4];
    PolynomialPowerSums(x, y, 10, 3, kAllPowers, ps, pt);
    Matrices m;
    for (int r = 0; r <= 3; ++r) {
        for (int c = 0; c <= 3; ++c) m.a[r][c] = ps[r + c];
        m.a[r][kRhs] = pt[r];
    }
    double c[4];
    DecomposeAndSolve(m.a.get(), 4, 1, m.l.get(), m.u.get(), c);
    const double expected[] = {-0.015347140218526274, 1.1931415344290077, -0.31859885580926534,
                               -0.022914509865658277};
    for (int j = 0; j < 4; ++j) EXPECT_NEAR(c[j], expected[j], 1e-9) << j;
    EXPECT_NEAR(EvalRegressionPolynomial(1, c, 3, kAllPowers),
                -0.015347140 + 1.193141534 - 0.318598856 - 0.022914510, 1e-8);
}

TEST(FitMath, DegreeStopsWhereTheNormalEquationsTurnSingular) {
    // Three points, degree 2: the parabola through (0, 1), (1, 2), (2, 5) is
    // x² + 1 exactly (by hand); degree 3 would need four distinct abscissae.
    const double x[] = {0, 1, 2}, y[] = {1, 2, 5};
    EXPECT_EQ(SolvableRegressionDegree(x, 3, kAllPowers), 2);
    double s[5], t[3];
    PolynomialPowerSums(x, y, 3, 2, kAllPowers, s, t);
    Matrices m;
    for (int r = 0; r <= 2; ++r) {
        for (int c = 0; c <= 2; ++c) m.a[r][c] = s[r + c];
        m.a[r][kRhs] = t[r];
    }
    double c[3];
    DecomposeAndSolve(m.a.get(), 3, 1, m.l.get(), m.u.get(), c);
    const double exact[] = {1, 0, 1};
    for (int j = 0; j < 3; ++j) EXPECT_NEAR(c[j], exact[j], 1e-12) << j;

    // Even powers see x² only: ±1 are one value; odd powers drop x = 0.
    const double sym[] = {-1, 0, 1, 2};
    const struct {
        int n, k, degree;
    } cases[] = {{4, kAllPowers, 3}, {4, kEvenPowers, 2}, {4, kOddPowers, 1},
                 {1, kOddPowers, 0}, {2, kOddPowers, 0},  {0, kAllPowers, -1}};
    for (const auto& c : cases)
        EXPECT_EQ(SolvableRegressionDegree(sym, c.n, c.k), c.degree) << c.n << " " << c.k;
}

TEST(FitMath, LeastSquaresCoefficientsHoldUpToTheTopDegree) {
    // By hand: the line through (0, 1), (1, 3), (2, 2), (3, 5) has normal
    // equations 4a + 6b = 11, 6a + 14b = 22, so a = b = 1.1; the single odd
    // function x through (1, 1), (2, 3) has c = Σxy / Σx² = 7/5.
    const double x4[] = {0, 1, 2, 3}, y4[] = {1, 3, 2, 5};
    double c[10];
    PolynomialLeastSquares(x4, y4, 4, 1, kAllPowers, c);
    EXPECT_NEAR(c[0], 1.1, 1e-15);
    EXPECT_NEAR(c[1], 1.1, 1e-15);
    const double x2[] = {1, 2}, y2[] = {1, 3};
    PolynomialLeastSquares(x2, y2, 2, 0, kOddPowers, c);
    EXPECT_NEAR(c[0], 1.4, 1e-15);
    // x² + 1 through three points, and the line of two points with one
    // point left over in the even powers (x² = 1 twice).
    const double x3[] = {0, 1, 2}, y3[] = {1, 2, 5};
    PolynomialLeastSquares(x3, y3, 3, 2, kAllPowers, c);
    for (int j = 0; j < 3; ++j) EXPECT_NEAR(c[j], j == 1 ? 0.0 : 1.0, 1e-15) << j;
    // A basis the points cannot tell apart: no finite coefficients.
    const double xs[] = {-1, 1}, ys[] = {2, 4};
    PolynomialLeastSquares(xs, ys, 2, 1, kEvenPowers, c);
    EXPECT_FALSE(std::isfinite(c[1]));

    // sin x at x_i = 3.1416 i / 10, i = 0..9 (python3 mpmath at 50 digits,
    // least squares on the same doubles), at the top degree of each basis.
    double x[10], y[10];
    for (int i = 0; i < 10; ++i) x[i] = 3.1416 * i / 10, y[i] = std::sin(x[i]);
    const struct {
        int k, m;
        double c[10];
    } fits[] = {
        {kAllPowers,
         9,
         {0, 0.9999972459301809, 2.4699971301491651e-5, -0.16675592365365885,
          0.00017368656109830025, 0.008130554026414451, 0.00014808450402622727,
          -0.00026590187045834036, 1.8125583832398623e-5, 4.1540655583401422e-7}},
        {kAllPowers,
         6,
         {-5.3159398432813416e-7, 1.0003317701203578, -0.00212513760920705, -0.16163246031678963,
          -0.0058992875126268121, 0.012084351988875355, -0.001283034381326879}},
        {kOddPowers,
         8,
         {0.99999999999999907, -0.16666666666665227, 0.0083333333332725808, -0.00019841269830378527,
          2.7557318226859914e-6, -2.5052057514856496e-8, 1.6057547570843456e-10,
          -7.6220726949615118e-13, 2.5889682534210934e-15}},
        {kEvenPowers,
         9,
         {0, 4.2129653158463047, -12.89459964889143, 21.36088278379631, -19.016841398773555,
          9.5690344108615597, -2.7884258471392227, 0.46321476931683921, -0.040468519694535792,
          0.0014355721438706484}},
    };
    for (const auto& f : fits) {
        PolynomialLeastSquares(x, y, 10, f.m, f.k, c);
        // Far inside the half unit of the sixth decimal the page shows.
        for (int j = 0; j <= f.m; ++j) EXPECT_NEAR(c[j], f.c[j], 1e-9) << f.k << " " << j;
    }
}

// --- Orthogonal approximation ------------------------------------------------

TEST(FitMath, OrthogonalPolynomialsNormsAndInnerProducts) {
    // Values at 0.5 by hand: P3 = (5x³ - 3x)/2, T3 = 4x³ - 3x, U3 = 8x³ - 4x.
    EXPECT_DOUBLE_EQ(EvalOrthoPolynomial(0.5, 3, kLegendre), -0.4375);
    EXPECT_DOUBLE_EQ(EvalOrthoPolynomial(0.5, 3, kChebyshev1), -1);
    EXPECT_DOUBLE_EQ(EvalOrthoPolynomial(0.5, 3, kChebyshev2), -1);
    EXPECT_DOUBLE_EQ(EvalOrthoPolynomial(0.5, 3, kPowerBasis), 0.125);
    // A negative index does not recurse: it is the first basis function.
    EXPECT_EQ(EvalOrthoPolynomial(0.5, -40, kLegendre), 1);
    EXPECT_EQ(EvalOrthoPolynomial(0.5, 1000000, kChebyshev1),
              EvalOrthoPolynomial(0.5, kMaxOrthoIndex, kChebyshev1));
    EXPECT_EQ(GetOrthoNormSquared(0, kChebyshev1, 0), 3.1415926);
    EXPECT_EQ(GetOrthoNormSquared(3, kChebyshev1, 0), 1.5707963);
    EXPECT_DOUBLE_EQ(GetOrthoNormSquared(2, kLegendre, 0), 0.4);

    // Legendre, n = 0, f = x² on [-1, 1]: (∫ t² dt)/2 = 1/3.
    auto square = [](double x) { return x * x; };
    const double b0 = 2 * ComputeOrthoCoefficient(square, -1, 1, 0, kLegendre, 0) / 2;
    // (the rule's ten-digit weights leave a few units in the 11th digit)
    EXPECT_NEAR(b0 / GetOrthoNormSquared(0, kLegendre, 0), 1.0 / 3, 1e-10);
    // √x on [0, 4] in the Legendre basis, in closed form: the inner products
    // on [-1, 1] are 8/3, 8/15, -8/105, so a = 4/3, 4/5, -4/21, and the mean
    // error (1/2)(4 - 32/9 - 32/75 - 32/2205) = 2/1225 (python3 fractions).
    auto root = [](double x) { return std::sqrt(x); };
    double in[3];
    ComputeOrthoCoefficients(root, 0, 4, 2, kLegendre, 0, in);
    const double exact[] = {8.0 / 3, 8.0 / 15, -8.0 / 105};
    for (int j = 0; j < 3; ++j) EXPECT_NEAR(2 * in[j] / 4, exact[j], 1e-7) << j;
    const double c[] = {4.0 / 3, 4.0 / 5, -4.0 / 21};
    EXPECT_NEAR(EvalOrthoSeries(4, c, 2, 1, 0, kLegendre, 0, 4, 0), 4.0 / 3 + 4.0 / 5 - 4.0 / 21,
                1e-15); // P_j(1) = 1
    EXPECT_NEAR(OrthoMeanError(root, c, 2, 1, 0, kLegendre, 0, 4, 0), 2.0 / 1225, 1e-7);
}

TEST(FitMath, OneSweepGivesTheInnerProductsOfEachIndex) {
    // Every kind, every index, and the odd powers on either standard
    // interval: the shared sweep adds the same terms in the same order.
    auto f = [](double x) { return std::exp(x) * std::cos(3 * x); };
    for (int k = 0; k <= 4; ++k) {
        for (int interval : {0, kSymmetricPowers}) {
            if (k != kPowerBasis && interval != 0) continue;
            double all[5];
            ComputeOrthoCoefficients(f, -0.5, 2, 4, k, interval, all);
            for (int j = 0; j <= 4; ++j)
                EXPECT_EQ(all[j], ComputeOrthoCoefficient(f, -0.5, 2, j, k, interval))
                    << k << " " << interval << " " << j;
        }
    }
    // Odd powers on [0, 1]: the first basis function is u itself.
    const double c[] = {2, 3};
    EXPECT_DOUBLE_EQ(EvalOrthoSeries(1, c, 1, 2, 1, kPowerBasis, 0, 2, 0), 2 * 0.5 + 3 * 0.125);
    // Chebyshev weights vanish outside (-1, 1) and at its ends.
    EXPECT_EQ(EvalOrthoBasisOnInterval(0, 2, kChebyshev1, 0, 1, kOrthoIntegrand, 0), 0);
    EXPECT_EQ(EvalOrthoBasisOnInterval(1, 2, kChebyshev2, 0, 1, kOrthoWeight, 0), 0);
}

// --- Interpolation ------------------------------------------------------------

TEST(FitMath, LagrangeAndPiecewiseLinearInterpolation) {
    // Through four nodes of x³ the cubic is x³ itself; l_k is 1 at x_k and
    // 0 at the other nodes.
    const double x[] = {0, 1, 2, 3}, y[] = {0, 1, 8, 27};
    for (double t : {-1.5, 0.5, 2.25, 4.0})
        EXPECT_NEAR(EvalLagrangeInterpolant(x, y, 3, t), t * t * t, 1e-12) << t;
    for (int k = 0; k <= 3; ++k)
        for (int j = 0; j <= 3; ++j) EXPECT_EQ(EvalLagrangeBasis(x, 3, k, x[j]), k == j ? 1 : 0);
    // Nodes of x² at 0, 0.25, …, 1: at 0.3 the chord from (0.25, 0.0625) to
    // (0.5, 0.25) gives 0.1 (by hand).
    const double gx[] = {0, 0.25, 0.5, 0.75, 1}, gy[] = {0, 0.0625, 0.25, 0.5625, 1};
    double value = 0;
    ASSERT_TRUE(EvalPiecewiseLinear(gx, gy, 4, 0.3, &value));
    EXPECT_NEAR(value, 0.1, 1e-15);
    // The last node is no interval's left end; decreasing nodes hold none.
    EXPECT_FALSE(EvalPiecewiseLinear(gx, gy, 4, 1.0, &value));
    const double down[] = {1, 0.5, 0};
    EXPECT_FALSE(EvalPiecewiseLinear(down, gy, 2, 0.7, &value));
}

TEST(FitMath, NewtonDividedDifferencesForwardBackwardAndInverse) {
    struct Case {
        double t[4], u[4];
        double top[4];        // D[0][0..3], the Newton coefficients
        double x, partial[4]; // N_0..N_3 at x
    };
    // Python3 fractions: nodes (0,0),(1,1),(2,8),(3,27) forward and backward
    // (x³ itself, N_k(2) = 0, 2, 8, 8 forward); nodes 0, 1, 8, 27 with values
    // 0, 1, 2, 3 (the cube root inverted): 0, 1, -3/28, 239/62244, and at
    // 20 the partial sums 0, 20, -145/7, -125/39.
    const Case cases[] = {
        {{0, 1, 2, 3}, {0, 1, 8, 27}, {0, 1, 3, 1}, 2, {0, 2, 8, 8}},
        {{3, 2, 1, 0}, {27, 8, 1, 0}, {27, 19, 6, 1}, 2, {27, 8, 8, 8}},
        {{0, 1, 8, 27},
         {0, 1, 2, 3},
         {0, 1, -3.0 / 28, 239.0 / 62244},
         20,
         {0, 20, -145.0 / 7, -125.0 / 39}},
    };
    double D[kInterpNodes][kInterpNodes];
    for (const Case& c : cases) {
        DividedDifferences(c.t, c.u, 3, D);
        double p = 1, s = 0;
        for (int k = 0; k <= 3; ++k) {
            EXPECT_NEAR(D[0][k], c.top[k], 1e-14) << k;
            s += p * D[0][k];
            p *= c.x - c.t[k];
            EXPECT_NEAR(s, c.partial[k], 1e-12) << k;
        }
        EXPECT_NEAR(EvalNewtonForm(c.t, D, 3, c.x), c.partial[3], 1e-12);
    }
    for (double x : {-1.0, 0.5, 2.5}) {
        DividedDifferences(cases[0].t, cases[0].u, 3, D);
        EXPECT_NEAR(EvalNewtonForm(cases[0].t, D, 3, x), x * x * x, 1e-12);
    }
    // Two nodes closer than 1e-5 end their column there; the rest of it
    // stays 0 and the next column goes on.
    const double t[] = {0, 1e-6, 1, 2}, u[] = {1, 2, 3, 4};
    DividedDifferences(t, u, 3, D);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(D[i][1], 0) << i;
    EXPECT_EQ(D[0][0], 1);
    EXPECT_TRUE(std::isfinite(EvalNewtonForm(t, D, 3, 0.5)));
}

// --- Cubic splines -----------------------------------------------------------------

TEST(FitMath, SplinesReproduceLinesAndCubicsAndIntegrateExactly) {
    Matrices m;
    double d[kDim], M[kDim];
    // The natural spline of a straight line is that line: every moment 0,
    // also outside the nodes.
    const double x[] = {0, 0.5, 1.5, 2, 4}, line[] = {1, 2, 4, 5, 9};
    EXPECT_EQ(SolveSplineMoments(x, line, 4, kSplineSecondDerivatives, 0, 0, m.a.get(), m.l.get(),
                                 m.u.get(), d, M),
              3);
    for (int i = 0; i <= 4; ++i) EXPECT_NEAR(M[i], 0, 1e-14) << i;
    for (double t : {-1.0, 0.3, 1.7, 3.9, 5.0})
        EXPECT_NEAR(EvalSpline(x, line, M, 4, t), 1 + 2 * t, 1e-13);
    // The system of that case: 2 on the diagonal, μ below, λ above.
    EXPECT_EQ(m.a[0][0], 2);
    EXPECT_DOUBLE_EQ(m.a[0][1], 2.0 / 3); // λ_0 = h_1/(h_0 + h_1)
    EXPECT_DOUBLE_EQ(m.a[1][0], 2.0 / 3); // μ_1 = h_1/(h_1 + h_2)
    EXPECT_DOUBLE_EQ(m.a[2][1], 0.2);     // μ_2 = h_2/(h_2 + h_3)

    // First derivatives of y = x³ - 2x at the ends of uneven nodes: the
    // spline is the cubic; its integral over [0, 3] is 81/4 - 9 = 45/4.
    const double cx[] = {0, 0.5, 1.7, 3};
    double cy[4];
    for (int i = 0; i < 4; ++i) cy[i] = cx[i] * cx[i] * cx[i] - 2 * cx[i];
    EXPECT_EQ(SolveSplineMoments(cx, cy, 3, kSplineFirstDerivatives, -2, 25, m.a.get(), m.l.get(),
                                 m.u.get(), d, M),
              4);
    for (int i = 0; i <= 3; ++i) EXPECT_NEAR(M[i], 6 * cx[i], 1e-12) << i;
    for (double t : {-0.5, 1.0, 2.2, 3.5})
        EXPECT_NEAR(EvalSpline(cx, cy, M, 3, t), t * t * t - 2 * t, 1e-11) << t;
    EXPECT_NEAR(IntegrateSpline(cx, cy, M, 3, 0, 3), 45.0 / 4, 1e-12);
    EXPECT_NEAR(IntegrateSpline(cx, cy, M, 3, -1, 0.2), (0.0004 - 0.04) - (0.25 - 1), 1e-12);
    EXPECT_EQ(IntegrateSpline(cx, cy, M, 3, 3, 0), 0);

    // 99 intervals with first derivatives: the order-100 system solves.
    double bx[100], by[100];
    for (int i = 0; i < 100; ++i) bx[i] = i, by[i] = 3 - 0.5 * i;
    EXPECT_EQ(SolveSplineMoments(bx, by, 99, kSplineFirstDerivatives, -0.5, -0.5, m.a.get(),
                                 m.l.get(), m.u.get(), d, M),
              100);
    for (int i = 0; i <= 99; ++i) EXPECT_NEAR(M[i], 0, 1e-12) << i;
    // No end condition: nothing is solved.
    EXPECT_EQ(SolveSplineMoments(x, line, 4, 0, 0, 0, m.a.get(), m.l.get(), m.u.get(), d, M), 0);
}

} // namespace
