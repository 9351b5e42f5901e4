#include "numeric/math/regression.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace numeric {

double LinearizeX(double x, int t) {
    switch (t) {
    case kPowerModel:
    case kLogModel:
    case kInverseLogModel:
        return x > 0 ? std::log(x) : 0.0;
    case kExpInverseModel:
        return x != 0 ? 1.0 / x : 0.0;
    default:
        return x;
    }
}

double LinearizeY(double y, int t) {
    switch (t) {
    case kPowerModel:
    case kExpModel:
    case kExpInverseModel:
        return y > 0 ? std::log(y) : 0.0;
    case kInverseLogModel:
    case kInverseLineModel:
        return y != 0 ? 1.0 / y : 0.0;
    default:
        return y;
    }
}

double EvalRegressionModel(double x, int t, double a, double b) {
    switch (t) {
    case kPowerModel:
        return x > 0 ? a * std::pow(x, b) : 0.0;
    case kExpModel:
        return a * std::exp(b * x);
    case kLogModel:
        return x > 0 ? a + b * std::log(x) : 0.0;
    case kExpInverseModel:
        return x != 0 ? a * std::exp(b / x) : 0.0;
    case kInverseLogModel: {
        const double d = a + b * std::log(std::fabs(x));
        return d != 0 ? 1.0 / d : 0.0;
    }
    case kInverseLineModel: {
        const double d = a + b * x;
        return d != 0 ? 1.0 / d : 0.0;
    }
    default:
        return a + b * x;
    }
}

void RegressionNormalEquations(const double x[], const double y[], int n, int t, double eq[2][3]) {
    double sx = 0, sxx = 0, sy = 0, sxy = 0;
    for (int i = 0; i < n; ++i) {
        const double X = LinearizeX(x[i], t), Y = LinearizeY(y[i], t);
        sx += X, sxx += X * X, sy += Y, sxy += X * Y;
    }
    eq[0][0] = n, eq[0][1] = sx, eq[0][2] = sy;
    eq[1][0] = sx, eq[1][1] = sxx, eq[1][2] = sxy;
}

double RegressionA(double intercept, int t) {
    const bool logOfY = t == kPowerModel || t == kExpModel || t == kExpInverseModel;
    return logOfY ? std::exp(intercept) : intercept;
}

double RegressionResidual(const double x[], const double y[], int n, int t, double a, double b) {
    if (n < 1) return 0;
    double q = 0;
    for (int i = 0; i < n; ++i) {
        const double r = EvalRegressionModel(x[i], t, a, b) - y[i];
        q += r * r;
    }
    return q / n;
}

void PolynomialPowerSums(const double x[], const double y[], int n, int m, int k, double s[],
                         double t[]) {
    for (int j = 0; j <= 2 * m; ++j) s[j] = 0;
    for (int j = 0; j <= m; ++j) t[j] = 0;
    for (int i = 0; i < n; ++i) {
        const double xi = x[i], yi = y[i];
        if (k == kOddPowers || k == kEvenPowers) {
            const double x2 = xi * xi;
            double p = k == kOddPowers ? x2 : 1.0;
            for (int j = 0; j <= 2 * m; ++j, p *= x2) s[j] += p;
            p = k == kOddPowers ? xi : 1.0;
            for (int j = 0; j <= m; ++j, p *= x2) t[j] += yi * p;
        } else {
            double p = 1;
            for (int j = 0; j <= 2 * m; ++j, p *= xi) {
                s[j] += p;
                if (j <= m) t[j] += yi * p;
            }
        }
    }
}

int SolvableRegressionDegree(const double x[], int n, int k) {
    const bool squares = k == kOddPowers || k == kEvenPowers;
    std::vector<double> values;
    for (int i = 0; i < n; ++i) {
        // x = 0 adds nothing to the sums of the odd powers.
        if (k == kOddPowers && x[i] == 0) continue;
        values.push_back(squares ? x[i] * x[i] : x[i]);
    }
    std::sort(values.begin(), values.end());
    const int distinct = int(std::unique(values.begin(), values.end()) - values.begin());
    return std::min(distinct - 1, kMaxRegressionDegree);
}

namespace {

// A column whose part off the span of the earlier ones is below this share
// of its length depends on them.
constexpr long double kDependent = 64 * std::numeric_limits<long double>::epsilon();

bool OnSquares(int k) {
    return k == kOddPowers || k == kEvenPowers;
}

} // namespace

double PolynomialFit::operator()(double x) const {
    if (m < 0) return 0;
    const double z = OnSquares(k) ? x * x : x;
    const double s = (z - mid) / half;
    double b1 = 0, b2 = 0;
    for (int j = m; j >= 1; --j) {
        const double b = 2 * s * b1 - b2 + cheb[j];
        b2 = b1, b1 = b;
    }
    const double sum = s * b1 - b2 + cheb[0];
    return k == kOddPowers ? x * sum : sum;
}

PolynomialFit FitPolynomial(const double x[], const double y[], int n, int m, int k) {
    PolynomialFit fit;
    fit.k = k;
    fit.m = std::clamp(m, 0, kMaxRegressionDegree);
    const bool squares = OnSquares(k);
    double lo = HUGE_VAL, hi = -HUGE_VAL;
    for (int i = 0; i < n; ++i) {
        const double z = squares ? x[i] * x[i] : x[i];
        lo = std::min(lo, z), hi = std::max(hi, z);
    }
    if (n > 0) fit.mid = lo / 2 + hi / 2;
    const double half = (hi - lo) / 2;
    fit.half = half > 0 && std::isfinite(half) ? half : 1.0;

    const int cols = fit.m + 1;
    // Fewer points than basis functions: zero rows make the factor singular.
    const int rows = std::max(n, cols);
    // Column-major: column j holds φ_j at the points, column `cols` the y.
    std::vector<long double> a(std::size_t(rows) * (cols + 1), 0.0L);
    const auto at = [&a, rows](int i, int j) -> long double& {
        return a[std::size_t(j) * rows + i];
    };
    for (int i = 0; i < n; ++i) {
        const long double z = squares ? (long double)x[i] * x[i] : x[i];
        const long double s = (z - fit.mid) / fit.half;
        const long double factor = k == kOddPowers ? x[i] : 1.0L;
        long double previous = 0, t = 1;
        for (int j = 0; j < cols; ++j) {
            at(i, j) = factor * t;
            const long double next = j == 0 ? s : 2 * s * t - previous;
            previous = t, t = next;
        }
        at(i, cols) = y[i];
    }
    // Householder reflections turn the basis columns into R and the y
    // column into Qᵀy.
    for (int j = 0; j < cols; ++j) {
        long double above = 0, norm2 = 0;
        for (int i = 0; i < j; ++i) above += at(i, j) * at(i, j);
        for (int i = j; i < rows; ++i) norm2 += at(i, j) * at(i, j);
        // What is left of the column is rounding: the earlier columns span it.
        if (norm2 <= kDependent * kDependent * (above + norm2)) {
            at(j, j) = 0;
            continue;
        }
        const long double ajj = at(j, j), norm = std::sqrt(norm2);
        const long double alpha = ajj > 0 ? -norm : norm;
        // v = (a_jj − α, a_j+1,j, …); vᵀv = 2‖a‖(‖a‖ + |a_jj|).
        at(j, j) = ajj - alpha;
        const long double twoOverVtv = 1.0L / (norm * (norm + std::fabs(ajj)));
        for (int l = j + 1; l <= cols; ++l) {
            long double s = 0;
            for (int i = j; i < rows; ++i) s += at(i, j) * at(i, l);
            const long double f = s * twoOverVtv;
            for (int i = j; i < rows; ++i) at(i, l) -= f * at(i, j);
        }
        at(j, j) = alpha;
    }
    std::vector<long double> sol(cols);
    for (int j = cols - 1; j >= 0; --j) {
        long double s = at(j, cols);
        for (int l = j + 1; l < cols; ++l) s -= at(j, l) * sol[l];
        sol[j] = s / at(j, j);
        fit.cheb[j] = double(sol[j]);
    }
    return fit;
}

void PolynomialFitPowers(const PolynomialFit& fit, double c[]) {
    const int m = fit.m;
    if (m < 0) return;
    // c_k = P⁽ᵏ⁾(0)/k!: the k-th derivative's Chebyshev series at s0, the
    // point z = 0, times (ds/dz)ᵏ/k!. This sums terms of the size of the
    // series' own coefficients; going through the powers of s would sum
    // terms 2⁴⁸ times larger at degree 49 and lose the low coefficients.
    std::vector<long double> d(fit.cheb, fit.cheb + m + 1), next(m + 2, 0.0L);
    const long double s0 = -(long double)fit.mid / fit.half, ds = 1.0L / fit.half;
    long double scale = 1;
    for (int k = 0; k <= m; ++k) {
        const int degree = m - k;
        long double b1 = 0, b2 = 0;
        for (int j = degree; j >= 1; --j) {
            const long double b = 2 * s0 * b1 - b2 + d[j];
            b2 = b1, b1 = b;
        }
        c[k] = double(scale * (s0 * b1 - b2 + d[0]));
        // The derivative's series: b_j−1 = b_j+1 + 2j·a_j, b_0 halved.
        std::fill(next.begin(), next.end(), 0.0L);
        for (int j = degree; j >= 1; --j) next[j - 1] = next[j + 1] + 2 * j * d[j];
        next[0] /= 2;
        std::copy_n(next.begin(), degree, d.begin());
        scale *= ds / (k + 1);
    }
}

void PolynomialLeastSquares(const double x[], const double y[], int n, int m, int k, double c[]) {
    if (m < 0) return;
    PolynomialFitPowers(FitPolynomial(x, y, n, m, k), c);
}

double EvalRegressionPolynomial(double x, const double c[], int m, int k) {
    if (m < 0) return 0;
    if (k == kOddPowers || k == kEvenPowers) {
        const double x2 = x * x;
        double p = k == kOddPowers ? x : 1.0;
        double sum = c[0] * p;
        for (int j = 1; j <= m; ++j) {
            p *= x2;
            sum += c[j] * p;
        }
        return sum;
    }
    double sum = 0, p = 1;
    for (int j = 0; j <= m; ++j, p *= x) sum += c[j] * p;
    return sum;
}

} // namespace numeric
