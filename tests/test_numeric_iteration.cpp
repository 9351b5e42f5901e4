// The iterative matrix methods alone: QR iterations, Jacobi / Gauss-Seidel /
// relaxation, descent, the power method and Jacobi rotations. Eigenvalues
// and solutions were computed once with python3: the characteristic
// polynomial in exact rational arithmetic (fractions.Fraction) with its
// roots found by bisection, and the exact solution by elimination in
// fractions.
#include "numeric/math/descent.h"
#include "numeric/math/iterative.h"
#include "numeric/math/jacobi.h"
#include "numeric/math/power.h"
#include "numeric/math/qr.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

namespace {

using namespace numeric;

// Eigenvalues of the course's default 3 x 3 matrix 1/(i + j + 2) (python3,
// exact characteristic polynomial, bisection), ascending.
const double kDefaultEigen[3] = {0.0006466588800316, 0.0409049484818664, 0.8751150593047687};
// x of the default system 1/(i + j + 2) x = 1/(i + 101) (python3 fractions).
const double kDefaultSolution[3] = {0.10750292619210522, -0.5429994741335927, 0.5485974068566194};

// A symmetric 4 x 4 and its eigenvalues (python3, exact characteristic
// polynomial, bisection), ascending.
const double kSym4[4][4] = {{4, 1, 2, 0.5}, {1, 3, 0, 1}, {2, 0, 5, 1.5}, {0.5, 1, 1.5, 2}};
const double kSym4Eigen[4] = {0.7779137358746206, 2.5230553307792194, 3.50636455573074,
                              7.192666377615419};

struct Matrix {
    std::unique_ptr<double[][kDim]> a{new double[kDim][kDim]()};
    static Matrix Symmetric4() {
        Matrix m;
        for (int i = 0; i < 4; ++i)
            for (int j = 0; j < 4; ++j) m.a[i][j] = kSym4[i][j];
        return m;
    }
    static Matrix Default() {
        Matrix m;
        for (int i = 0; i < kDim; ++i)
            for (int j = 0; j < kDim; ++j) m.a[i][j] = 1.0 / (i + j + 2);
        return m;
    }
};

template <int N> std::vector<double> SortedDiagonal(const double (&b)[N][N], int n) {
    std::vector<double> d;
    for (int i = 0; i < n; ++i) d.push_back(b[i][i]);
    std::sort(d.begin(), d.end());
    return d;
}

TEST(NumericQr, EveryVariantConvergesToTheDefaultEigenvalues) {
    const Matrix m = Matrix::Default();
    for (int variant : {kSchmidt, kHouseholder, kHessenbergGivens}) {
        for (double shift : {0.0, 0.1}) {
            QrInput in;
            in.a = m.a.get();
            in.n = 3;
            in.variant = variant;
            in.shift = shift;
            in.step = 3000; // hundreds of iterations of a few steps each
            auto r = std::make_unique<QrResult>();
            RunQr(in, r.get());
            // A step that ends an iteration shows A_k with the shift added back.
            while (!r->finished) {
                ++in.step;
                RunQr(in, r.get());
            }
            const auto d = SortedDiagonal(r->b, 3);
            for (int i = 0; i < 3; ++i)
                EXPECT_NEAR(d[i], kDefaultEigen[i], 1e-6) << variant << " " << shift;
        }
    }
}

TEST(NumericQr, HouseholderFindsTheEigenvaluesOfASymmetric4x4) {
    const Matrix m = Matrix::Symmetric4();
    QrInput in;
    in.a = m.a.get();
    in.n = 4;
    in.variant = kHouseholder;
    in.step = 7 * 300; // 300 iterations of 2(n - 1) + 1 steps
    auto r = std::make_unique<QrResult>();
    RunQr(in, r.get());
    ASSERT_TRUE(r->finished);
    const auto d = SortedDiagonal(r->b, 4);
    for (int i = 0; i < 4; ++i) EXPECT_NEAR(d[i], kSym4Eigen[i], 1e-9);
}

// A = H·diag(1, ..., 20)·H with the reflection H = I − 2vvᵀ/vᵀv, v = (1, ..., 1):
// symmetric, with the eigenvalues 1, 2, ..., 20.
Matrix Reflected20() {
    Matrix m;
    const int n = 20;
    double h[20][20];
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) h[i][j] = (i == j ? 1.0 : 0.0) - 2.0 / n;
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) {
            double s = 0;
            for (int k = 0; k < n; ++k) s += h[i][k] * (k + 1) * h[k][j];
            m.a[i][j] = s;
        }
    return m;
}

// Two results alike field by field, bit for bit (a memcmp of the whole
// struct would also read its padding, which no assignment sets).
bool SameQr(const QrResult& a, const QrResult& b) {
    const auto same = [](const auto& x, const auto& y) {
        return std::memcmp(&x, &y, sizeof x) == 0;
    };
    return a.n == b.n && a.variant == b.variant && a.steps == b.steps && a.capped == b.capped &&
           same(a.b, b.b) && same(a.lower, b.lower) && a.lowerColumns == b.lowerColumns &&
           same(a.panel, b.panel) && same(a.r, b.r) && same(a.u, b.u) && same(a.w, b.w) &&
           same(a.sigma, b.sigma) && same(a.beta, b.beta) && a.column == b.column &&
           a.finished == b.finished && a.iterations == b.iterations;
}

TEST(NumericQr, OrderTwentyRunsToItsStepEnd) {
    const Matrix m = Reflected20();
    QrInput in;
    in.a = m.a.get();
    in.n = 20;
    in.step = 1000000;
    auto r = std::make_unique<QrResult>();
    // Householder: 2(n − 1) + 1 = 39 steps an iteration; the iteration that
    // reaches step 10,000 is the 257th (257 · 39 = 10,023). Its diagonal
    // holds the eigenvalues (the off-diagonal shrinks by (19/20)^2 an
    // iteration at worst).
    in.variant = kHouseholder;
    RunQr(in, r.get());
    EXPECT_EQ(r->steps, 10023);
    EXPECT_EQ(r->iterations, 257);
    EXPECT_TRUE(r->finished);
    EXPECT_TRUE(r->capped);
    auto d = SortedDiagonal(r->b, 20);
    for (int i = 0; i < 20; ++i) EXPECT_NEAR(d[i], i + 1, 1e-6);
    // Hessenberg (2(n − 2) + 1 = 37 steps), then at most n steps an
    // iteration: it too passes step 10,000 and ends with an iteration.
    in.variant = kHessenbergGivens;
    RunQr(in, r.get());
    EXPECT_GE(r->steps, 10000);
    EXPECT_LT(r->steps, 10020);
    EXPECT_TRUE(r->finished);
    d = SortedDiagonal(r->b, 20);
    for (int i = 0; i < 20; ++i) EXPECT_NEAR(d[i], i + 1, 1e-6);
    // Step 133 and step 134 show different things: every step acts.
    in.variant = kHouseholder;
    in.step = 133;
    RunQr(in, r.get());
    auto before = std::make_unique<QrResult>(*r);
    in.step = 134;
    RunQr(in, r.get());
    EXPECT_EQ(r->steps, 134);
    EXPECT_FALSE(SameQr(*before, *r));
}

TEST(NumericQr, TheStepperShowsWhatARunFromTheStartShows) {
    const Matrix m = Matrix::Default();
    numeric::QrStepper stepper;
    // Forward one step at a time, back, a jump, a new shift, and on.
    std::vector<int> steps;
    for (int s = 0; s <= 60; ++s) steps.push_back(s);
    for (int s : {59, 58, 30, 3, 0, 250, 251, 12, 400}) steps.push_back(s);
    for (int variant : {kSchmidt, kHouseholder, kHessenbergGivens}) {
        for (int n : {3, 6}) {
            for (double shift : {0.1, 0.3}) {
                for (int step : steps) {
                    QrInput in;
                    in.a = m.a.get();
                    in.n = n, in.variant = variant, in.shift = shift, in.step = step;
                    in.precision = 3;
                    auto want = std::make_unique<QrResult>(), got = std::make_unique<QrResult>();
                    RunQr(in, want.get());
                    stepper.Run(in, got.get());
                    ASSERT_TRUE(SameQr(*want, *got))
                        << variant << " n=" << n << " p=" << shift << " step " << step;
                }
            }
        }
    }
}

TEST(NumericQr, StepsOfOneIterationFollowTheOperations) {
    const Matrix m = Matrix::Default();
    QrInput in;
    in.a = m.a.get();
    in.n = 3;
    in.shift = 0.1;
    auto r = std::make_unique<QrResult>();
    // Step 0: A - pI, the diagonal reduced by 0.1.
    RunQr(in, r.get());
    EXPECT_NEAR(r->b[0][0], 0.4, 1e-15);
    EXPECT_NEAR(r->b[2][2], 1.0 / 6 - 0.1, 1e-15);
    // Gram-Schmidt: steps 1..3 build Q's columns, step 4 shows them again,
    // step 5 is A_1; ten steps are two iterations.
    const int columns[] = {1, 2, 3, 3};
    for (int s = 1; s <= 4; ++s) {
        in.step = s;
        RunQr(in, r.get());
        EXPECT_EQ(r->lowerColumns, columns[s - 1]);
        EXPECT_FALSE(r->finished);
    }
    // R's diagonal: the norm of the first column of A - pI, by hand:
    // sqrt(0.4^2 + (1/3)^2 + 0.25^2).
    EXPECT_NEAR(r->r[0][0], std::sqrt(0.16 + 1.0 / 9 + 0.0625), 1e-12);
    in.step = 5;
    RunQr(in, r.get());
    EXPECT_TRUE(r->finished);
    EXPECT_EQ(r->iterations, 1);
    // RQ + pI is similar to A: its trace stays 1/2 + 1/4 + 1/6.
    EXPECT_NEAR(r->b[0][0] + r->b[1][1] + r->b[2][2], 11.0 / 12, 1e-12);
    in.step = 10;
    RunQr(in, r.get());
    EXPECT_EQ(r->iterations, 2);

    // Householder: reflection, application, reflection, application, A_1.
    in.variant = kHouseholder;
    in.step = 1;
    RunQr(in, r.get());
    EXPECT_EQ(r->column, 0);
    // σ = |first column| with the sign of the pivot 0.4; β = |u|^2 with
    // u = (σ + 0.4, 1/3, 1/4).
    const double sigma = std::sqrt(0.16 + 1.0 / 9 + 0.0625);
    EXPECT_NEAR(r->sigma, sigma, 1e-12);
    EXPECT_NEAR(r->beta, (sigma + 0.4) * (sigma + 0.4) + 1.0 / 9 + 0.0625, 1e-12);
    in.step = 2; // applied: the column below the pivot is cleared
    RunQr(in, r.get());
    EXPECT_NEAR(r->b[1][0], 0, 1e-12);
    EXPECT_NEAR(r->b[2][0], 0, 1e-12);
    in.step = 5;
    RunQr(in, r.get());
    EXPECT_TRUE(r->finished);
    EXPECT_EQ(r->iterations, 1);

    // Hessenberg-Givens: reflection, similarity, the Hessenberg matrix (no
    // iteration yet), then one rotation per nonzero subdiagonal entry.
    in.variant = kHessenbergGivens;
    in.step = 3;
    RunQr(in, r.get());
    EXPECT_TRUE(r->finished);
    EXPECT_EQ(r->iterations, 0);
    EXPECT_NEAR(r->b[2][0], 0, 1e-12);
    in.step = 6;
    RunQr(in, r.get());
    EXPECT_TRUE(r->finished);
    EXPECT_EQ(r->iterations, 1);
}

TEST(NumericQr, OrdersAndStepsBeyondTheLimitsAreBounded) {
    const Matrix m = Matrix::Default();
    QrInput in;
    in.a = m.a.get();
    auto r = std::make_unique<QrResult>();
    for (int n : {-4, 0, 1, 25}) {
        for (int variant : {-1, 0, 1, 2, 7}) {
            in.n = n;
            in.variant = variant;
            in.step = 1000000;
            RunQr(in, r.get());
            EXPECT_GE(r->n, 2);
            EXPECT_LE(r->n, kQrMaxOrder);
            EXPECT_TRUE(r->capped);
            // The Householder variants end with the iteration that reaches
            // the limit: at most 2(n − 1) steps past it.
            EXPECT_LT(r->steps, kQrIterationStepLimit + 2 * r->n);
        }
    }
}

IterativeResult Iterate(int method, int step, double epsilon, double omega = 1) {
    static const Matrix m = Matrix::Default();
    IterativeInput in;
    in.a = m.a.get();
    in.n = 3;
    in.method = method;
    in.step = step;
    in.epsilon = epsilon;
    in.omega = omega;
    IterativeResult r;
    RunIterative(in, &r);
    return r;
}

TEST(NumericIterative, JacobiDivergesAndGaussSeidelConvergesOnTheDefaultSystem) {
    // Jacobi's iteration matrix has spectral radius above 1 here: the
    // iterates grow (python3: x^12 = (-15.96, -23.46, -27.89), x^100 =
    // (-8.26e24, -1.216e25, -1.451e25)) and are shown as they grow, until
    // iteration 1151 leaves the finite numbers.
    IterativeResult j = Iterate(kJacobi, 100000, 1e-6);
    EXPECT_TRUE(j.diverged);
    EXPECT_FALSE(j.converged);
    EXPECT_EQ(j.done, 1151);
    j = Iterate(kJacobi, 13, 1e-6);
    EXPECT_TRUE(j.lastReached);
    EXPECT_NEAR(j.xNew[2], -27.892949758244406, 1e-9);
    j = Iterate(kJacobi, 101, 1e-6);
    EXPECT_TRUE(j.lastReached);
    EXPECT_FALSE(j.diverged);
    EXPECT_NEAR(j.xNew[2] / -1.4509436910619043e25, 1, 1e-9);

    // Gauss-Seidel converges (slowly) to the solution.
    const IterativeResult g = Iterate(kGaussSeidel, 100000, 1e-9);
    EXPECT_TRUE(g.converged);
    EXPECT_FALSE(g.diverged);
    IterativeResult last = Iterate(kGaussSeidel, g.done + 1, 1e-9);
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(last.xNew[i], kDefaultSolution[i], 1e-5);
    // Relaxation with ω = 1 is Gauss-Seidel.
    const IterativeResult s = Iterate(kRelaxation, 30, 1e-9, 1.0);
    const IterativeResult gs = Iterate(kGaussSeidel, 30, 1e-9);
    for (int i = 0; i < 3; ++i) EXPECT_DOUBLE_EQ(s.xNew[i], gs.xNew[i]);
}

// Over-relaxation with ω = 1.25, where the old iterate's share 1 - ω is not
// zero: x_i <- (1 - ω) x_i + ω (b_i - Σ a_ij x_j) / a_ii, the newest x_j
// left of i (python3, exact fractions, three iterations from 0).
TEST(NumericIterative, OverRelaxationIteratesMatchTheDefinition) {
    const double expected[3][3] = {
        {0.024752475247524754, 0.0077654824305960005, 0.014756419245579612},
        {0.002870359048326306, 0.027537886242698133, 0.0224376765895286},
        {-0.012936900918593975, 0.041258961223924084, 0.029574362219677956},
    };
    for (int k = 0; k < 3; ++k) {
        SCOPED_TRACE(k + 1);
        const IterativeResult r = Iterate(kRelaxation, k + 2, 1e-12, 1.25);
        ASSERT_TRUE(r.lastReached);
        for (int i = 0; i < 3; ++i) EXPECT_NEAR(r.xNew[i], expected[k][i], 1e-14);
    }
}

TEST(NumericIterative, RowsAreThinnedAndTheToleranceStopsTheTable) {
    // Step 9: stride 2, iterations 1, 3, 5, 7 shown.
    IterativeResult r = Iterate(kGaussSeidel, 9, 1e-9);
    ASSERT_EQ(r.rowCount, 4);
    for (int k = 0; k < 4; ++k) EXPECT_EQ(r.rows[k].number, 2 * k + 1);
    // Gauss-Seidel x^1 (python3): (0.019802, 0.012813, 0.013174).
    EXPECT_NEAR(r.rows[0].x[1], 0.0128130460104834, 1e-12);
    // ε = 0.1: the first iteration already changes every component by less.
    r = Iterate(kGaussSeidel, 9, 0.1);
    EXPECT_TRUE(r.converged);
    EXPECT_EQ(r.done, 1);
    EXPECT_FALSE(r.lastReached);
    // Step 1 iterates nothing; a zero diagonal entry stops at once.
    EXPECT_EQ(Iterate(kJacobi, 1, 0.1).done, 0);
    Matrix z;
    z.a[0][1] = z.a[1][0] = 1;
    IterativeInput in;
    in.a = z.a.get();
    in.n = 2;
    in.step = 5;
    RunIterative(in, &r);
    EXPECT_EQ(r.zeroPivot, 0);
    EXPECT_EQ(r.rowCount, 0);
}

// The power method's M: A - pI, or its LU factors for the inverse modes.
PowerResult Power(const Matrix& m, int n, int mode, double shift, int steps, double epsilon) {
    static double lu[kDim][kDim], l[kDim][kDim], u[kDim][kDim];
    static double x[kDim];
    double M[kPowerMaxOrder][kPowerMaxOrder + 1] = {};
    double b[kPowerMaxOrder];
    for (int i = 0; i < n; ++i) {
        b[i] = m.a[i][kRhs];
        for (int j = 0; j < n; ++j) lu[i][j] = M[i][j] = m.a[i][j] - (i == j ? shift : 0);
    }
    if (mode % 2 == 1) {
        DecomposeAndSolve(lu, n, 0, l, u, x);
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j) M[i][j] = j < i ? l[i][j] : u[i][j];
    }
    PowerInput in;
    in.m = M;
    in.b = b;
    in.n = n;
    in.mode = mode;
    in.shift = shift;
    in.epsilon = epsilon;
    in.step = steps;
    PowerResult r;
    RunPower(in, &r);
    return r;
}

TEST(NumericPower, EveryModeFindsItsEigenvalueOfTheDefaultMatrix) {
    const Matrix m = Matrix::Default();
    struct Case {
        int mode;
        double shift, expected;
    };
    const Case cases[] = {
        {kPower, 0, kDefaultEigen[2]},          {kInversePower, 0, kDefaultEigen[0]},
        {kPowerAitken, 0, kDefaultEigen[2]},    {kInverseAitken, 0, kDefaultEigen[0]},
        {kShiftedPower, 0.5, kDefaultEigen[0]}, {kShiftedInverse, 0.04, kDefaultEigen[1]},
    };
    // (A - 0.5 I has its largest modulus at 0.000647 - 0.5: the shifted
    // power method finds the eigenvalue farthest from p.)
    for (const Case& c : cases) {
        const PowerResult r = Power(m, 3, c.mode, c.shift, 500, 1e-13);
        EXPECT_TRUE(r.converged) << c.mode;
        EXPECT_NEAR(r.lambda, c.expected, 1e-9 * std::max(1.0, c.expected)) << c.mode;
    }
    // The first step by hand: v0 = b / b0 = (1, 101/102, 101/103), and
    // λ = (A v0)_0 = 1/2 + (1/3)(101/102) + (1/4)(101/103).
    const PowerResult one = Power(m, 3, kPower, 0, 1, 1e-13);
    EXPECT_NEAR(one.v0[1], 101.0 / 102, 1e-15);
    EXPECT_NEAR(one.lambda, 0.5 + 101.0 / 306 + 101.0 / 412, 1e-15);
    // The first Aitken value (a = b = 0) is 0.
    EXPECT_EQ(Power(m, 3, kPowerAitken, 0, 1, 1e-13).lambda, 0);
    // Then Aitken's Δ² of the power method's estimates c0, c1, c2, ...:
    // c(k-2) - (c(k-1) - c(k-2))² / (c(k) - 2 c(k-1) + c(k-2)) (python3,
    // exact fractions: c = 1.0752110, 0.8830569, 0.8754832, 0.8751323).
    const double power[3] = {1.0752109905450853, 0.8830569367189459, 0.8754831841061467};
    const double aitken[3] = {0.8751724156857745, 0.8751152094068931, 0.8751150596503655};
    for (int k = 0; k < 3; ++k) {
        const PowerResult r = Power(m, 3, kPowerAitken, 0, k + 3, 1e-15);
        EXPECT_NEAR(r.lambda, aitken[k], 1e-13) << k;
        if (k > 0) continue;
        for (int i = 0; i < 3; ++i) EXPECT_NEAR(r.aitken[i], power[i], 1e-14);
    }
    // A large ε stops at the second iteration (the first only leaves the
    // start value 100000).
    EXPECT_EQ(Power(m, 3, kPower, 0, 50, 10).lastK, 1);
}

TEST(NumericPower, ASingularShiftStopsAndStepsAreBounded) {
    const Matrix m = Matrix::Default();
    // A - pI singular in its first pivot: the inverse iteration leaves the
    // finite numbers and stops.
    const PowerResult r = Power(m, 3, kShiftedInverse, 0.5, 100, 1e-13);
    EXPECT_TRUE(r.diverged || r.converged);
    const PowerResult far = Power(m, 20, kPower, 0, 100000000, 0);
    EXPECT_LE(far.lastK, kMaxPowerIterations - 1);
    EXPECT_LE(far.rowCount, kMaxPowerRows);
}

JacobiResult Jacobi(const Matrix& m, int n, int step, double epsilon = 1e-12) {
    JacobiInput in;
    in.a = m.a.get();
    in.n = n;
    in.step = step;
    in.epsilon = epsilon;
    JacobiResult r;
    RunJacobi(in, &r);
    return r;
}

TEST(NumericJacobi, RotationsFindEigenvaluesAndEigenvectors) {
    const JacobiResult d = Jacobi(Matrix::Default(), 3, 1000);
    ASSERT_TRUE(d.final);
    auto e = SortedDiagonal(d.a, 3);
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(e[i], kDefaultEigen[i], 1e-12);

    const Matrix s4 = Matrix::Symmetric4();
    const JacobiResult r = Jacobi(s4, 4, 1000);
    ASSERT_TRUE(r.final);
    e = SortedDiagonal(r.a, 4);
    for (int i = 0; i < 4; ++i) EXPECT_NEAR(e[i], kSym4Eigen[i], 1e-12);
    // Row i of V is an eigenvector of the diagonal entry i: A v = λ v (to
    // 1e-8: t = sqrt(d^2 + 1) - d loses digits when a pivot is small).
    for (int i = 0; i < 4; ++i)
        for (int row = 0; row < 4; ++row) {
            double av = 0;
            for (int k = 0; k < 4; ++k) av += kSym4[row][k] * r.v[i][k];
            EXPECT_NEAR(av, r.a[i][i] * r.v[i][row], 1e-8);
        }
}

TEST(NumericJacobi, StepsShowEachRotationBeforeAndAfter) {
    const Matrix m = Matrix::Default();
    // Step 1: the pivot a01 = 1/3 and its rotation; d = (1/2 - 1/4) / (2/3),
    // t = sqrt(d^2 + 1) - d, co = 1 / sqrt(t^2 + 1) (by hand).
    JacobiResult r = Jacobi(m, 3, 1);
    EXPECT_FALSE(r.after);
    EXPECT_EQ(r.p, 0);
    EXPECT_EQ(r.q, 1);
    const double d = 0.375, t = std::sqrt(d * d + 1) - d, co = 1 / std::sqrt(t * t + 1);
    EXPECT_NEAR(r.j[0][0], co, 1e-15);
    EXPECT_NEAR(r.j[0][1], t * co, 1e-15);
    EXPECT_EQ(r.rotations, 0);
    // Step 2: rotated, the pivot cleared, V = J.
    r = Jacobi(m, 3, 2);
    EXPECT_TRUE(r.after);
    EXPECT_EQ(r.a[0][1], 0);
    EXPECT_EQ(r.a[1][0], 0);
    EXPECT_NEAR(r.v[0][0], co, 1e-15);
    EXPECT_EQ(r.rotations, 1);
    // Equal diagonal entries: d = 0 gives t = -1, co = 1/sqrt 2, si = -co.
    Matrix eq;
    eq.a[0][0] = eq.a[1][1] = 2;
    eq.a[0][1] = eq.a[1][0] = 1;
    r = Jacobi(eq, 2, 1);
    EXPECT_NEAR(r.j[0][0], 1 / std::sqrt(2.0), 1e-15);
    EXPECT_NEAR(r.j[0][1], -1 / std::sqrt(2.0), 1e-15);
    // A diagonal matrix, an ε above every entry and orders out of range.
    Matrix diag;
    diag.a[0][0] = 1, diag.a[1][1] = 2;
    EXPECT_TRUE(Jacobi(diag, 2, 5).final);
    EXPECT_TRUE(Jacobi(m, 3, 5, 1.0).final);
    EXPECT_EQ(Jacobi(m, 9, 1).n, 8);
    EXPECT_EQ(Jacobi(m, 1, 1).n, 2);
    EXPECT_LE(Jacobi(m, 8, 1 << 30, 0).rotations, kMaxJacobiRotations);
}

DescentResult Descend(int kind, int method, int iterations, double epsilon = 1e-12) {
    // B = [3 1; 1 2], c = (4, -3): the minimum of x'Bx/2 - c'x is
    // B^-1 c = (2.2, -2.6) (by hand, det B = 5).
    static const double B[kDescentMaxOrder][kDescentMaxOrder + 1] = {{3, 1, 4}, {1, 2, -3}};
    static const double x0[2] = {0, 0};
    DescentInput in;
    in.kind = kind;
    in.method = method;
    in.n = 2;
    in.b = B;
    in.x0 = x0;
    in.epsilon = epsilon;
    in.iterations = iterations;
    in.objective = [](double x, double y) { return (x - 1) * (x - 1) + (y + 2) * (y + 2); };
    DescentResult r;
    RunDescent(in, &r);
    return r;
}

TEST(NumericDescent, SteepestDescentAndConjugateGradientsOnAQuadraticForm) {
    // First step by hand: r = c, λ = r'r / r'Br = 25 / 42, x1 = λ c.
    DescentResult r = Descend(kQuadraticForm, 1, 1);
    ASSERT_EQ(r.steps.size(), 1u);
    EXPECT_NEAR(r.steps[0].lambda, 25.0 / 42, 1e-15);
    EXPECT_NEAR(r.steps[0].x[0], 100.0 / 42, 1e-14);
    EXPECT_NEAR(r.steps[0].x[1], -75.0 / 42, 1e-14);
    // The first conjugate-gradient step is the steepest-descent step; the
    // second ends at the minimum.
    r = Descend(kQuadraticForm, 2, 2);
    ASSERT_EQ(r.steps.size(), 2u);
    EXPECT_NEAR(r.steps[0].x[0], 100.0 / 42, 1e-14);
    EXPECT_NEAR(r.steps[1].x[0], 2.2, 1e-12);
    EXPECT_NEAR(r.steps[1].x[1], -2.6, 1e-12);
    // Steepest descent zig-zags towards it and stops once a change is ≤ ε.
    r = Descend(kQuadraticForm, 1, 500, 1e-9);
    EXPECT_TRUE(r.converged);
    EXPECT_NEAR(r.steps.back().x[0], 2.2, 1e-8);
    EXPECT_NEAR(r.steps.back().x[1], -2.6, 1e-8);
    // A third conjugate-gradient step meets a zero denominator and ends.
    r = Descend(kQuadraticForm, 2, 5);
    EXPECT_LE(r.steps.size(), 3u);
}

TEST(NumericDescent, TheNonlinearSearchAndTheBounds) {
    // (x - 1)^2 + (y + 2)^2 from (0, 0): the line search walks to the
    // minimum along -grad f (to within its steps of 1e-4 of t).
    const DescentResult r = Descend(kNonlinearSystem, 1, 40, 1e-6);
    ASSERT_FALSE(r.steps.empty());
    EXPECT_NEAR(r.steps.back().x[0], 1, 1e-3);
    EXPECT_NEAR(r.steps.back().x[1], -2, 1e-3);
    // A form that is not positive definite runs away: stopped at the bound.
    static const double bad[kDescentMaxOrder][kDescentMaxOrder + 1] = {{-1, 0, 1}, {0, 1, 1}};
    static const double x0[2] = {0, 0};
    DescentInput in;
    in.b = bad;
    in.x0 = x0;
    in.iterations = 100000;
    DescentResult run;
    RunDescent(in, &run);
    EXPECT_LE(int(run.steps.size()), kMaxDescentIterations);
}

} // namespace
