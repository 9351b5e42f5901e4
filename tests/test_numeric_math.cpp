// The numerical methods alone: simulated precision and kept decimals, the
// direct solvers, the elimination, reduction and factorisation engines, the
// Romberg table and the initial-value steps. Expected values are the
// worked examples of the methods, hand calculations, and constants computed
// once with python3 in exact rational arithmetic (fractions.Fraction).
#include "numeric/math/elimination.h"
#include "numeric/math/linear_solvers.h"
#include "numeric/math/ode_steps.h"
#include "numeric/math/romberg.h"
#include "numeric/math/rounding.h"
#include "numeric/math/triangular.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <vector>

namespace {

using namespace numeric;

// A kDim x kDim system on the heap: rows of coefficients, then the
// right-hand sides in column kRhs.
struct System {
    std::unique_ptr<double[][kDim]> a{new double[kDim][kDim]()};
    System(std::initializer_list<std::vector<double>> rows, std::vector<double> rhs = {}) {
        int i = 0;
        for (const auto& r : rows) {
            for (size_t j = 0; j < r.size(); ++j) a[i][j] = r[j];
            if (size_t(i) < rhs.size()) a[i][kRhs] = rhs[i];
            ++i;
        }
    }
    // The course's default system: 1/(i + j + 2) everywhere, column kRhs too.
    static System Default() {
        System s({});
        for (int i = 0; i < kDim; ++i)
            for (int j = 0; j < kDim; ++j) s.a[i][j] = 1.0 / (i + j + 2);
        return s;
    }
};

// Doolittle factors, Cholesky factor, determinant and solution of the 3 x 3
// default system, from python3 with fractions.Fraction (exact, then float).
constexpr double kDefaultL[3][3] = {{1, 0, 0}, {0.6666666666666666, 1, 0}, {0.5, 1.2, 1}};
constexpr double kDefaultU[3][3] = {{0.5, 0.3333333333333333, 0.25},
                                    {0, 0.027777777777777776, 0.03333333333333333},
                                    {0, 0, 0.0016666666666666668}};
constexpr double kDefaultCholesky[3][3] = {
    {0.7071067811865476, 0, 0},
    {0.4714045207910317, 0.16666666666666666, 0},
    {0.3535533905932738, 0.19999999999999998, 0.040824829046386304}};
constexpr double kDefaultX[3] = {0.10750292619210522, -0.5429994741335927, 0.5485974068566194};
constexpr double kDefaultDet = 1.0 / 43200; // exactly
constexpr double kTight = 1e-9;

// --- Rounding ----------------------------------------------------------------------

TEST(NumericRounding, SignificantDigitsOfTheWorkedExamples) {
    struct Case {
        double value;
        int precision;
        double expected;
    } const cases[] = {
        {0.123456, 1, 0.12},     {-123.45, 1, -120}, {2.0 / 3.0, 3, 0.6667},
        {1e-11, 1, 0},           {9.96, 1, 10},      {0.000123456, 1, 0.00012},
        {0.123456, 6, 0.123456}, {-0.5, 2, -0.5},    {31415.9, 2, 31400},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(RoundSignificant(c.value, c.precision), c.expected, 1e-12)
            << c.value << " at " << c.precision;
}

TEST(NumericRounding, NonFiniteValuesComeBackUnchanged) {
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(RoundSignificant(inf, 1), inf);
    EXPECT_EQ(RoundSignificant(-inf, 3), -inf);
    EXPECT_TRUE(std::isnan(RoundSignificant(std::nan(""), 2)));
    EXPECT_NEAR(RoundSignificant(1.234e300, 1) / 1e300, 1.2, 1e-9);
}

TEST(NumericRounding, KeptDecimalsOfANegativeEntryMirrorThePositiveOne) {
    EXPECT_NEAR(KeepDecimals(-1.2345, 2), -1.23, 1e-12);
    EXPECT_NEAR(KeepDecimals(1.2345, 2), 1.23, 1e-12);
    EXPECT_NEAR(KeepDecimals(-0.0051, 2), -0.01, 1e-12);
    EXPECT_NEAR(KeepDecimals(1.0 / 3.0, 3), 0.333, 1e-12);
    EXPECT_NEAR(KeepDecimals(-2.0 / 3.0, 4), -0.6667, 1e-12);
}

// --- Direct solvers ----------------------------------------------------------------

TEST(NumericSolvers, DefaultSystemFactorsAndSolution) {
    const System s = System::Default();
    for (int method : {0, 1}) {
        auto l = std::make_unique<double[][kDim]>(kDim);
        auto u = std::make_unique<double[][kDim]>(kDim);
        double x[kDim] = {};
        DecomposeAndSolve(s.a.get(), 3, method, l.get(), u.get(), x);
        for (int i = 0; i < 3; ++i) {
            for (int j = 0; j <= i; ++j) {
                const double expected = method == 0 ? kDefaultL[i][j] : kDefaultCholesky[i][j];
                EXPECT_NEAR(l[i][j], expected, kTight) << method << ": l" << i << j;
                const double ue = method == 0 ? kDefaultU[j][i] : kDefaultCholesky[i][j];
                EXPECT_NEAR(u[j][i], ue, kTight) << method << ": u" << j << i;
            }
            EXPECT_NEAR(x[i], kDefaultX[i], 1e-7) << method << ": x" << i;
        }
        if (method == 0) {
            EXPECT_NEAR(u[0][0] * u[1][1] * u[2][2], kDefaultDet, 1e-15);
        }
    }
    double x[kDim] = {};
    SolveSmallSystem(s.a.get(), 3, x);
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(x[i], kDefaultX[i], 1e-7);
}

TEST(NumericSolvers, OrderOneAndTheClampsOfTheOrder) {
    const System one({{4}}, {2});
    double x[kDim] = {};
    SolveSmallSystem(one.a.get(), 1, x);
    EXPECT_DOUBLE_EQ(x[0], 0.5);
    auto l = std::make_unique<double[][kDim]>(kDim);
    auto u = std::make_unique<double[][kDim]>(kDim);
    for (int method : {0, 1}) {
        x[0] = 0;
        DecomposeAndSolve(one.a.get(), 1, method, l.get(), u.get(), x);
        EXPECT_DOUBLE_EQ(x[0], 0.5);
    }
    // Only the leading 10 x 10 block: x10 and x11 keep their values.
    const System s = System::Default();
    double y[kDim];
    std::fill_n(y, kDim, 7.0);
    SolveSmallSystem(s.a.get(), 12, y);
    EXPECT_EQ(y[10], 7.0);
    EXPECT_EQ(y[11], 7.0);
    EXPECT_NE(y[9], 7.0);
    // Order 20: the factors outside rows and columns 0..19 keep their values.
    l[20][20] = u[20][20] = l[0][20] = 9;
    DecomposeAndSolve(s.a.get(), 20, 0, l.get(), u.get(), y);
    EXPECT_EQ(l[20][20], 9);
    EXPECT_EQ(u[20][20], 9);
    EXPECT_EQ(l[0][20], 9);
    EXPECT_TRUE(std::isfinite(y[19]));
    EXPECT_EQ(y[20], 7.0);
}

// --- Gaussian elimination ------------------------------------------------------------

GaussResult Gauss(const System& s, int n, int m, int variant, int step, int precision = 6) {
    GaussInput in;
    in.a = s.a.get();
    in.n = n, in.m = m, in.variant = variant, in.step = step, in.precision = precision;
    GaussResult r;
    RunGauss(in, &r);
    return r;
}

TEST(NumericGauss, ThreeRowOperationsThenTheParticularSolution) {
    const System s({{2, 1, 1}, {4, 3, 3}, {8, 7, 9}}, {4, 10, 24});
    for (int step = 1; step <= 3; ++step) {
        const GaussResult r = Gauss(s, 3, 3, 0, step);
        EXPECT_FALSE(r.finalShown) << step;
        EXPECT_EQ(r.highlight, step == 1 ? 1 : 2) << step;
    }
    // Hand elimination: rows (2 1 1 | 4), (0 1 1 | 2), (0 0 2 | 2); x = (1, 1, 1).
    for (int step : {4, 9}) {
        const GaussResult r = Gauss(s, 3, 3, 0, step);
        ASSERT_TRUE(r.solved) << step;
        EXPECT_EQ(r.rank, 3);
        EXPECT_DOUBLE_EQ(r.a[2][2], 2);
        EXPECT_DOUBLE_EQ(r.a[2][3], 2);
        for (int j = 0; j < 3; ++j) EXPECT_NEAR(r.x[j], 1.0, 1e-12);
        EXPECT_EQ(r.basisCount, 0);
    }
}

TEST(NumericGauss, RankTwoGivesOneBasisVectorAndAnInconsistentSystemNone) {
    const System s({{1, 1, 1}, {1, 2, 3}, {2, 3, 4}}, {6, 14, 20});
    const GaussResult r = Gauss(s, 3, 3, 0, 100);
    ASSERT_TRUE(r.solved);
    EXPECT_EQ(r.rank, 2);
    // By hand: x = (-2, 8, 0) and ζ1 = (1, -2, 1).
    EXPECT_NEAR(r.x[0], -2, 1e-12);
    EXPECT_NEAR(r.x[1], 8, 1e-12);
    EXPECT_EQ(r.x[2], 0);
    ASSERT_EQ(r.basisCount, 1);
    EXPECT_NEAR(r.basis[0][0], 1, 1e-12);
    EXPECT_NEAR(r.basis[0][1], -2, 1e-12);
    EXPECT_EQ(r.basis[0][2], 1);

    const System bad({{1, 1, 1}, {1, 2, 3}, {2, 3, 4}}, {6, 14, 21});
    const GaussResult n = Gauss(bad, 3, 3, 0, 100);
    EXPECT_TRUE(n.noSolution);
    EXPECT_FALSE(n.solved);
}

// A row whose first unknown lies right of the diagonal: the unknown before
// it is free, not the system inconsistent. By hand: x1 + 2x2 − x3 = 3, 3x3 =
// 3 after one step gives x = (4, 0, 1), ζ1 = (−2, 1, 0); the triangular
// (1 1 1 | 1), (0 0 1 | 1), (0 0 0 | 0) as given x = (0, 0, 1), ζ1 = (−1, 1, 0).
TEST(NumericGauss, ALeadingUnknownRightOfTheDiagonalLeavesOneFree) {
    const struct {
        System system;
        int m, step;
        double x[3], basis[3];
    } cases[] = {
        {System({{1, 2, -1}, {2, 4, 1}}, {3, 9}), 2, 100, {4, 0, 1}, {-2, 1, 0}},
        {System({{1, 1, 1}, {0, 0, 1}, {0, 0, 0}}, {1, 1, 0}), 3, 0, {0, 0, 1}, {-1, 1, 0}},
    };
    for (const auto& c : cases) {
        const GaussResult r = Gauss(c.system, 3, c.m, 0, c.step);
        EXPECT_FALSE(r.noSolution) << c.m;
        ASSERT_TRUE(r.solved) << c.m;
        EXPECT_EQ(r.rank, 2);
        ASSERT_EQ(r.basisCount, 1);
        for (int j = 0; j < 3; ++j) {
            EXPECT_NEAR(r.x[j], c.x[j], 1e-12) << c.m << j;
            EXPECT_NEAR(r.basis[0][j], c.basis[j], 1e-12) << c.m << j;
        }
    }
}

TEST(NumericGauss, LeastSquaresThroughTheNormalEquations) {
    // y = c0 + c1 t through (0, 1), (1, 3), (2, 2), (3, 5): by hand the normal
    // equations are [4 6; 6 14] c = (11, 22), c = (1.1, 1.1), Q = 2.7.
    const System s({{1, 0}, {1, 1}, {1, 2}, {1, 3}}, {1, 3, 2, 5});
    const GaussResult entered = Gauss(s, 2, 4, 0, -2);
    EXPECT_EQ(entered.step, -1);
    EXPECT_EQ(entered.m, 4);
    const GaussResult normal = Gauss(s, 2, 4, 0, 0);
    EXPECT_EQ(normal.m, 2);
    EXPECT_DOUBLE_EQ(normal.a[0][0], 4);
    EXPECT_DOUBLE_EQ(normal.a[1][1], 14);
    EXPECT_DOUBLE_EQ(normal.a[1][2], 22);
    const GaussResult end = Gauss(s, 2, 4, 0, 5);
    ASSERT_TRUE(end.solved);
    EXPECT_NEAR(end.x[0], 1.1, 1e-12);
    EXPECT_NEAR(end.x[1], 1.1, 1e-12);
    ASSERT_TRUE(end.hasResidual);
    EXPECT_NEAR(end.residual, 2.7, 1e-12);
}

TEST(NumericGauss, PivotingJordanAndTheZeroPivot) {
    const System s({{0, 1}, {1, 1}}, {1, 2});
    const GaussResult plain = Gauss(s, 2, 2, 0, 1);
    EXPECT_TRUE(plain.pivotFailed);
    const GaussResult pivoted = Gauss(s, 2, 2, 1, 1);
    EXPECT_FALSE(pivoted.pivotFailed);
    EXPECT_EQ(pivoted.a[0][0], 1);
    EXPECT_EQ(pivoted.a[1][0], 0);
    EXPECT_EQ(pivoted.a[1][1], 1);

    // [2 1; 1 1] x = (3, 2): x = (1, 1), inverse [1 -1; -1 2] (by hand).
    const System j({{2, 1}, {1, 1}}, {3, 2});
    EXPECT_FALSE(Gauss(j, 2, 2, 2, 2).finalShown);
    const GaussResult r = Gauss(j, 2, 2, 2, 3);
    ASSERT_TRUE(r.solved);
    const double expected[2][5] = {{1, 0, 1, 1, -1}, {0, 1, 1, -1, 2}};
    for (int i = 0; i < 2; ++i)
        for (int c = 0; c < 5; ++c) EXPECT_NEAR(r.a[i][c], expected[i][c], 1e-12) << i << c;
}

TEST(NumericGauss, TwoDigitPrecisionRoundsEveryEntry) {
    const System s = System::Default();
    const GaussResult r = Gauss(s, 3, 3, 0, 3, 1);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j <= 3; ++j) EXPECT_EQ(r.a[i][j], RoundSignificant(r.a[i][j], 1));
    EXPECT_DOUBLE_EQ(r.a[0][1], RoundSignificant(1.0 / 3, 1));
}

// --- Reduction and determinants --------------------------------------------------------

ReduceResult Reduce(const System& s, int mode, int m, int n, int step) {
    ReduceInput in;
    in.a = s.a.get();
    in.mode = mode, in.m = m, in.n = n, in.step = step, in.precision = 6;
    ReduceResult r;
    RunReduce(in, &r);
    return r;
}

TEST(NumericReduce, EchelonFormPivotColumnsInverseAndDeterminants) {
    // Second column twice the first: reduced form and pivot columns from
    // python3 (exact Gauss-Jordan with fractions): pivots 0, 2, 3.
    const System e({{1, 2, 1, 4}, {2, 4, 3, 9}, {1, 2, 2, 6}});
    const ReduceResult r = Reduce(e, 1, 3, 4, 100);
    const double rref[3][4] = {{1, 2, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 4; ++j) EXPECT_NEAR(r.a[i][j], rref[i][j], 1e-12) << i << j;
    EXPECT_EQ(r.pivotCol[0], 0);
    EXPECT_EQ(r.pivotCol[1], 2);
    EXPECT_EQ(r.pivotCol[2], 3);

    const System j({{2, 1}, {1, 1}});
    const ReduceResult inv = Reduce(j, 2, 2, 2, 3); // one step each way, then the end
    EXPECT_EQ(inv.n, 4);
    EXPECT_NEAR(inv.a[0][2], 1, 1e-12);
    EXPECT_NEAR(inv.a[0][3], -1, 1e-12);
    EXPECT_NEAR(inv.a[1][2], -1, 1e-12);
    EXPECT_NEAR(inv.a[1][3], 2, 1e-12);

    struct Det {
        System s;
        int n;
        double expected;
    };
    Det dets[] = {
        {System({{0, 1}, {1, 0}}), 2, -1},
        {System({{1, 2, 1}, {4, 2, 4}, {3, 9, 1}}), 3, 12}, // python3 Fraction permutation sum
        {System::Default(), 3, kDefaultDet},
        {System({{0, 0}, {0, 0}}), 2, 0},
    };
    for (const Det& d : dets) {
        const ReduceResult r = Reduce(d.s, 3, d.n, d.n, 100);
        ASSERT_TRUE(r.hasDeterminant) << d.expected;
        EXPECT_NEAR(r.determinant, d.expected, 1e-12 + 1e-9 * std::fabs(d.expected));
    }
    // Before the last forward step no determinant is shown.
    EXPECT_FALSE(Reduce(dets[1].s, 3, 3, 3, 2).hasDeterminant);
    EXPECT_EQ(Reduce(dets[3].s, 3, 2, 2, 1).m, 0);
}

TEST(NumericReduce, StepsHighlightTheRowOperatedOn) {
    const System s({{2, 1, 1}, {4, 3, 3}, {8, 7, 9}});
    const int rows[] = {1, 2, 2};
    for (int step = 1; step <= 3; ++step)
        EXPECT_EQ(Reduce(s, 0, 3, 3, step).highlight, rows[step - 1]);
    const ReduceResult end = Reduce(s, 0, 3, 3, 4);
    EXPECT_EQ(end.highlight, -1);
    EXPECT_EQ(Reduce(s, 0, 3, 3, -5).step, 0);
}

// --- Triangular factorisations -----------------------------------------------------------

LuResult Lu(const System& s, int n, int method, int step, int precision = 6) {
    LuInput in;
    in.a = s.a.get();
    in.n = n, in.method = method, in.step = step, in.precision = precision;
    LuResult r;
    RunTriangular(in, &r);
    return r;
}

TEST(NumericTriangular, DoolittleAndSquareRootOfTheDefaultMatrix) {
    const System s = System::Default();
    // Steps 1..3 fill U's first row, 4 and 5 L's first column, 6 and 7 u11
    // and u12, 8 l21, 9 u22.
    const int cells[9][2] = {{0, 0}, {0, 1}, {0, 2}, {1, 0}, {2, 0},
                             {1, 1}, {1, 2}, {2, 1}, {2, 2}};
    for (int step = 1; step <= 9; ++step) {
        const LuResult r = Lu(s, 3, 0, step);
        EXPECT_EQ(r.hiRow, cells[step - 1][0]) << step;
        EXPECT_EQ(r.hiCol, cells[step - 1][1]) << step;
        EXPECT_EQ(r.solved, step == 9) << step;
    }
    const LuResult d = Lu(s, 3, 0, 9);
    const LuResult c = Lu(s, 3, 1, 6);
    ASSERT_TRUE(c.solved);
    EXPECT_FALSE(Lu(s, 3, 1, 5).solved);
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            if (j <= i) {
                EXPECT_NEAR(d.l[i][j], kDefaultL[i][j], kTight) << i << j;
            }
            if (j >= i) {
                EXPECT_NEAR(d.u[i][j], kDefaultU[i][j], kTight) << i << j;
            }
            if (j <= i) {
                EXPECT_NEAR(c.l[i][j], kDefaultCholesky[i][j], kTight) << i << j;
            }
        }
        EXPECT_NEAR(d.x[i], kDefaultX[i], 1e-7);
        EXPECT_NEAR(c.x[i], kDefaultX[i], 1e-7);
    }
    EXPECT_FALSE(d.notSymmetric || c.notSymmetric || d.failed || c.failed);
}

TEST(NumericTriangular, ImprovedSquareRootAndChasing) {
    // L D L^T of the default matrix: D is U's diagonal (python3 above).
    const System s = System::Default();
    const LuResult ldl = Lu(s, 3, 2, 6);
    ASSERT_TRUE(ldl.solved);
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(ldl.u[i][i], kDefaultU[i][i], kTight);
        EXPECT_NEAR(ldl.x[i], kDefaultX[i], 1e-7);
    }
    // Tridiagonal 2, 1: by hand x = (0.6, -0.2, -0.2, 0.6) for b = (1, 0, 0, 1).
    const System t({{2, 1, 0, 0}, {1, 2, 1, 0}, {0, 1, 2, 1}, {0, 0, 1, 2}}, {1, 0, 0, 1});
    EXPECT_FALSE(Lu(t, 4, 3, 9).solved);
    const LuResult r = Lu(t, 4, 3, 10);
    ASSERT_TRUE(r.solved);
    const double x[4] = {0.6, -0.2, -0.2, 0.6};
    for (int i = 0; i < 4; ++i) EXPECT_NEAR(r.x[i], x[i], 1e-12);
    EXPECT_FALSE(r.notTridiagonal);
    EXPECT_TRUE(Lu(t, 3, 3, 7).solved);
}

TEST(NumericTriangular, ChecksAndZeroPivotsNeverDivideByZero) {
    const System skew({{1, 2}, {3, 4}}, {1, 1});
    EXPECT_TRUE(Lu(skew, 2, 1, 1).notSymmetric);
    EXPECT_FALSE(Lu(skew, 2, 1, 0).notSymmetric); // step 0: the matrix only
    const System nearly({{2, 1, 1e-6}, {1, 2, 1}, {0, 1, 2}});
    EXPECT_FALSE(Lu(nearly, 3, 3, 1).notTridiagonal);
    const System off({{2, 1, 1e-3}, {1, 2, 1}, {0, 1, 2}});
    EXPECT_TRUE(Lu(off, 3, 3, 1).notTridiagonal);

    const System zero({{0, 1}, {1, 1}}, {1, 2});
    for (int method = 0; method <= 3; ++method) {
        const LuResult r = Lu(zero, 2, method, 100);
        EXPECT_TRUE(r.failed || r.brokenBand) << method;
        EXPECT_FALSE(r.solved) << method;
        for (int i = 0; i < 2; ++i)
            for (int j = 0; j < 2; ++j)
                EXPECT_TRUE(std::isfinite(r.l[i][j]) && std::isfinite(r.u[i][j])) << method;
    }
    EXPECT_EQ(Lu(System::Default(), 25, 0, 1).n, kLuMaxOrder);
}

TEST(NumericTriangular, IterativeImprovementShowsIterationsFromTheSecondStep) {
    const System s = System::Default();
    EXPECT_EQ(Lu(s, 3, 4, 1, 3).iterations, 1);
    const LuResult two = Lu(s, 3, 4, 2, 3);
    EXPECT_EQ(two.iterations, 2);
    // The iterations stop changing once the correction is small.
    const LuResult many = Lu(s, 3, 4, 1000, 3);
    EXPECT_LT(many.iterations, 1000);
    EXPECT_EQ(Lu(s, 3, 4, 2000, 3).iterations, many.iterations);
    // A zero right-hand side: x = 0 after the first iteration, which ends it.
    const System z({{2, 1}, {1, 2}}, {0, 0});
    EXPECT_EQ(Lu(z, 2, 4, 5, 3).iterations, 1);
}

// --- Romberg --------------------------------------------------------------------------------

TEST(NumericRomberg, TableOfXSquaredOnTheUnitInterval) {
    RombergTable t;
    ComputeRomberg([](double x) { return x * x; }, 0, 1, 0.1, &t);
    ASSERT_EQ(t.rows, 3);
    EXPECT_DOUBLE_EQ(t.finestPoints, 4);
    // 0.5000 / 0.3750 0.3333 / 0.3438 0.3333 0.3333 (0.34375 exactly).
    EXPECT_DOUBLE_EQ(t.r[0][0], 0.5);
    EXPECT_DOUBLE_EQ(t.r[1][0], 0.375);
    EXPECT_NEAR(t.r[1][1], 1.0 / 3, 1e-15);
    EXPECT_DOUBLE_EQ(t.r[2][0], 0.34375);
    EXPECT_NEAR(t.r[2][1], 1.0 / 3, 1e-15);
    EXPECT_NEAR(t.r[2][2], 1.0 / 3, 1e-15);

    ComputeRomberg([](double x) { return x * x; }, 0, 1, 1e6, &t);
    EXPECT_EQ(t.rows, 3); // never fewer than three rows
    ComputeRomberg([](double x) { return std::sqrt(std::fabs(x)); }, 0, 1, 0, &t);
    EXPECT_EQ(t.rows, kRombergRows);
    ComputeRomberg([](double) { return std::nan(""); }, 0, 1, 0.1, &t);
    EXPECT_EQ(t.rows, 3);
}

// --- Initial-value steps ----------------------------------------------------------------------

// y' = y for one equation; y' = z, z' = -y for the system.
struct Oscillation : OdeRightSides {
    double Single(double, double y) const override { return y; }
    double F(double, double, double z) const override { return z; }
    double G(double, double y, double) const override { return -y; }
};

double Integrate(int method, double h, int steps) {
    const Oscillation f;
    OdeHistory hist = {};
    double r[2] = {}, x = 0, y = 1;
    for (int i = 0; i < steps; ++i) {
        RungeKuttaAdamsStep(f, method, 0, x, y, 0, h, 0, hist, r);
        x += h, y = r[0];
    }
    return y;
}

TEST(NumericOde, WorkedExamplesOfYPrimeEqualsY) {
    // Independent values (python3, textbook formulas): one RK4 step
    // 1.1051708333; ten steps to x = 1: RK4 2.7182797, Adams predictor-
    // corrector 2.7182831, explicit Adams 2.7182323.
    EXPECT_NEAR(Integrate(0, 0.1, 1), 1.105170833, 1e-9);
    struct Case {
        int method;
        double expected;
    } const cases[] = {{0, 2.718280}, {1, 2.718283}, {2, 2.718232}};
    for (const Case& c : cases)
        EXPECT_NEAR(Integrate(c.method, 0.1, 10), c.expected, 1e-6) << c.method;

    const Oscillation f;
    double y = 0;
    EulerStep(f, 1, 0, 1, 0.1, &y);
    EXPECT_NEAR(y, 1.105, 1e-15);
    EulerStep(f, 0, 0, 1, 0.1, &y);
    EXPECT_NEAR(y, 1.1, 1e-15);
    y = 42;
    EulerStep(f, 2, 0, 1, 0.1, &y);
    EXPECT_EQ(y, 42);
}

TEST(NumericOde, SystemsKindsAndTheStartOfAdams) {
    const Oscillation f;
    OdeHistory hist = {};
    double r[2] = {9, 9};
    // python3 RK4 on (y, z) = (1, 0), h = 0.1.
    RungeKuttaAdamsStep(f, 0, 1, 0, 1, 0, 0.1, 0, hist, r);
    EXPECT_NEAR(r[0], 0.995004166667, 1e-12);
    EXPECT_NEAR(r[1], -0.099833333333, 1e-12);
    r[0] = r[1] = 5;
    RungeKuttaAdamsStep(f, 1, 2, 0, 1, 0, 0.1, 0, hist, r);
    EXPECT_EQ(r[0], 5);
    EXPECT_EQ(r[1], 5);
    // x0 equal to x: the Runge-Kutta step whatever the method and history.
    OdeHistory junk = {{7, 7, 7, 0}, {7, 7, 7, 0}};
    RungeKuttaAdamsStep(f, 2, 0, 3, 1, 0, 0.1, 3, junk, r);
    EXPECT_NEAR(r[0], 1.105170833, 1e-9);
    EXPECT_EQ(junk[0][2], 1); // the history took the step's start
}

} // namespace
