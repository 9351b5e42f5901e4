// Least-squares fits: the two-parameter models that a transform of x and y
// turns into a straight line, and polynomials in all, odd or even powers.
#pragma once

namespace numeric {

// Model types of the straight-line fits; every other value is y = a + bx.
enum RegressionModel {
    kPowerModel = 0,       // y = a x^b
    kExpModel = 1,         // y = a e^(bx)
    kLogModel = 2,         // y = a + b ln x
    kExpInverseModel = 3,  // y = a e^(b/x)
    kInverseLogModel = 4,  // y = 1/(a + b ln x)
    kInverseLineModel = 5, // y = 1/(a + bx)
    kLineModel = 6,        // y = a + bx
};

// The transforms X(x) and Y(y) of model t; an undefined transform gives 0,
// so the point still counts.
double LinearizeX(double x, int t);
double LinearizeY(double y, int t);
// The model value with coefficients a and b; 0 where it is undefined.
double EvalRegressionModel(double x, int t, double a, double b);
// The unreduced normal equations of Y = A + bX over the first n points:
// rows (n, ΣX | ΣY) and (ΣX, ΣX² | ΣXY).
void RegressionNormalEquations(const double x[], const double y[], int n, int t, double eq[2][3]);
// a from the intercept A of the straight line.
double RegressionA(double intercept, int t);
// Mean of the squared residuals in the untransformed coordinates.
double RegressionResidual(const double x[], const double y[], int n, int t, double a, double b);

// Polynomial bases: all powers up to m, odd powers up to 2m+1, even powers
// up to 2m; any other kind is taken as all powers.
enum PolynomialBasis { kAllPowers = 0, kOddPowers = 1, kEvenPowers = 2 };
// Largest degree m: the power sums s_0..s_2m fill a table of 100.
constexpr int kMaxRegressionDegree = 49;

// The power sums of the normal equations, s[0..2m] and t[0..m], over the
// first n points; the matrix is s[r + c], the right-hand side t[r].
void PolynomialPowerSums(const double x[], const double y[], int n, int m, int k, double s[],
                         double t[]);
// The largest degree m whose normal equations over the first n points can
// be solved in basis k: one less than the number of distinct values of the
// basis' argument (x, or x² with x ≠ 0 for the odd powers, x² for the even
// ones); -1 when there is none, and never above kMaxRegressionDegree.
int SolvableRegressionDegree(const double x[], int n, int k);
// A least-squares polynomial of basis k and degree m as computed: Chebyshev
// coefficients in s = (z − mid)/half, where z is the basis' variable (x, or
// x² for the odd and even powers, the odd ones times x) scaled onto [−1, 1]
// over the points. Householder reflections of these columns, in long double,
// keep every degree the points can tell apart finite: powers of raw x (up to
// 59^49 at sixty points) are numerically dependent long before that.
struct PolynomialFit {
    int m = -1, k = kAllPowers;
    double mid = 0, half = 1;
    double cheb[kMaxRegressionDegree + 1] = {};
    // What the doubles in cheb leave off, and the last refinement's step:
    // no smaller than what is still wrong in cheb + chebLow.
    double chebLow[kMaxRegressionDegree + 1] = {};
    double chebError[kMaxRegressionDegree + 1] = {};
    // The fitted polynomial at x (Clenshaw's recurrence).
    double operator()(double x) const;
};
// The fit over the first n points, m clamped to 0..kMaxRegressionDegree. A
// basis the points cannot tell apart gives non-finite coefficients.
PolynomialFit FitPolynomial(const double x[], const double y[], int n, int m, int k);
// Its coefficients c[0..m] in the powers of basis k.
void PolynomialFitPowers(const PolynomialFit& fit, double c[]);
// How far each of those coefficients may still be off.
void PolynomialFitPowersError(const PolynomialFit& fit, double error[]);
// The decimals, at most `most`, to which a value off by up to `error` is
// still right; negative: not even its units are, round to 10^−result.
int VouchedDecimals(double error, int most);
// FitPolynomial's coefficients in the powers of basis k: they solve the
// normal equations of PolynomialPowerSums without forming them.
void PolynomialLeastSquares(const double x[], const double y[], int n, int m, int k, double c[]);
// c_0 φ_0(x) + … + c_m φ_m(x) in basis k.
double EvalRegressionPolynomial(double x, const double c[], int m, int k);

} // namespace numeric
