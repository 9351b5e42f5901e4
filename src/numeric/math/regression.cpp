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

namespace {

#ifdef __SIZEOF_FLOAT128__
// The residuals of a fit at degree 49 cancel to 1e-7 of their terms: they
// and the change to powers are summed in quadruple precision.
using Wide = __float128;
#else
using Wide = long double;
#endif

// φ_0..φ_m of basis k at x, in `s`'s precision.
template <typename T> void BasisAt(double x, int k, int m, double mid, double half, T phi[]) {
    const T z = OnSquares(k) ? T(x) * T(x) : T(x);
    const T s = (z - T(mid)) / T(half);
    const T factor = k == kOddPowers ? T(x) : T(1);
    T previous = 0, t = 1;
    for (int j = 0; j <= m; ++j) {
        phi[j] = factor * t;
        const T next = j == 0 ? s : 2 * s * t - previous;
        previous = t, t = next;
    }
}

// Householder factors of the basis columns, kept to solve for further
// right-hand sides.
class Factored {
public:
    Factored(int rows, int cols)
        : m_rows(rows), m_cols(cols), m_a(std::size_t(rows) * cols, 0.0L), m_vjj(cols, 0.0L),
          m_twoOverVtv(cols, 0.0L) {}
    long double& at(int i, int j) { return m_a[std::size_t(j) * m_rows + i]; }

    void Factor() {
        for (int j = 0; j < m_cols; ++j) {
            long double above = 0, norm2 = 0;
            for (int i = 0; i < j; ++i) above += at(i, j) * at(i, j);
            for (int i = j; i < m_rows; ++i) norm2 += at(i, j) * at(i, j);
            // What is left of the column is rounding: the earlier columns span it.
            if (norm2 <= kDependent * kDependent * (above + norm2)) {
                at(j, j) = 0;
                continue;
            }
            const long double ajj = at(j, j), norm = std::sqrt(norm2);
            const long double alpha = ajj > 0 ? -norm : norm;
            // v = (a_jj − α, a_j+1,j, …); vᵀv = 2‖a‖(‖a‖ + |a_jj|).
            m_vjj[j] = at(j, j) = ajj - alpha;
            m_twoOverVtv[j] = 1.0L / (norm * (norm + std::fabs(ajj)));
            for (int l = j + 1; l < m_cols; ++l)
                Reflect(j, [&](int i) -> long double& { return at(i, l); });
            at(j, j) = alpha;
        }
    }
    // Qᵀb, in place (b of length rows).
    void ApplyQt(std::vector<long double>& b) {
        for (int j = 0; j < m_cols; ++j) ReflectVector(j, b);
    }
    // Qb, in place.
    void ApplyQ(std::vector<long double>& b) {
        for (int j = m_cols - 1; j >= 0; --j) ReflectVector(j, b);
    }
    // R⁻¹b over the first cols entries.
    std::vector<long double> SolveR(const std::vector<long double>& b) {
        std::vector<long double> x(m_cols);
        for (int j = m_cols - 1; j >= 0; --j) {
            long double s = b[std::size_t(j)];
            for (int l = j + 1; l < m_cols; ++l) s -= at(j, l) * x[l];
            x[j] = s / at(j, j);
        }
        return x;
    }
    // R⁻ᵀb.
    std::vector<long double> SolveRt(const std::vector<long double>& b) {
        std::vector<long double> x(m_cols);
        for (int j = 0; j < m_cols; ++j) {
            long double s = b[std::size_t(j)];
            for (int l = 0; l < j; ++l) s -= at(l, j) * x[l];
            x[j] = s / at(j, j);
        }
        return x;
    }

private:
    void ReflectVector(int j, std::vector<long double>& b) {
        if (m_twoOverVtv[j] == 0) return;
        const long double alpha = at(j, j);
        at(j, j) = m_vjj[j];
        Reflect(j, [&b](int i) -> long double& { return b[std::size_t(i)]; });
        at(j, j) = alpha;
    }
    template <typename Column> void Reflect(int j, Column column) {
        long double s = 0;
        for (int i = j; i < m_rows; ++i) s += at(i, j) * column(i);
        const long double f = s * m_twoOverVtv[j];
        for (int i = j; i < m_rows; ++i) column(i) -= f * at(i, j);
    }

    int m_rows, m_cols;
    std::vector<long double> m_a, m_vjj, m_twoOverVtv;
};

} // namespace

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
    Factored qr(rows, cols);
    std::vector<long double> b(std::size_t(rows), 0.0L);
    long double phi[kMaxRegressionDegree + 1];
    for (int i = 0; i < n; ++i) {
        BasisAt(x[i], k, fit.m, fit.mid, fit.half, phi);
        for (int j = 0; j < cols; ++j) qr.at(i, j) = phi[j];
        b[std::size_t(i)] = y[i];
    }
    qr.Factor();
    qr.ApplyQt(b);
    const std::vector<long double> first = qr.SolveR(b);
    std::vector<Wide> c(first.begin(), first.end()), r(std::size_t(rows), Wide(0));
    bool finite = true;
    for (long double v : first) finite = finite && std::isfinite(v);
    // Refinement of the residual r and the solution c together (r + Ac = y,
    // Aᵀr = 0), both summed wide: refining c alone would settle where r is
    // orthogonal to the rounded basis, not to the basis, and that misses
    // by the square of the basis' condition. The last step bounds what is
    // left wrong: each step shrinks the error far below its own size.
    const std::size_t points = std::size_t(std::max(n, 0)), width = std::size_t(cols);
    std::vector<std::vector<Wide>> basis(points, std::vector<Wide>(width));
    for (int i = 0; finite && i < n; ++i)
        BasisAt(x[i], k, fit.m, fit.mid, fit.half, basis[i].data());
    std::vector<long double> step(width, 0.0L), f(std::size_t(rows), 0.0L), g(width, 0.0L);
    for (int pass = 0; finite && pass < 3; ++pass) {
        std::fill(f.begin(), f.end(), 0.0L);
        for (int i = 0; i < n; ++i) {
            Wide e = Wide(y[i]) - r[i];
            for (int j = 0; j < cols; ++j) e -= basis[i][j] * c[j];
            f[std::size_t(i)] = (long double)e;
        }
        for (int j = 0; j < cols; ++j) {
            Wide e = 0;
            for (int i = 0; i < n; ++i) e -= basis[i][j] * r[i];
            g[std::size_t(j)] = (long double)e;
        }
        const std::vector<long double> h = qr.SolveRt(g);
        qr.ApplyQt(f);
        for (int j = 0; j < cols; ++j) f[std::size_t(j)] -= h[std::size_t(j)];
        step = qr.SolveR(f);
        for (int j = 0; j < cols; ++j) f[std::size_t(j)] = h[std::size_t(j)];
        qr.ApplyQ(f);
        for (int i = 0; i < rows; ++i) r[i] += f[std::size_t(i)];
        for (int j = 0; j < cols; ++j) {
            finite = finite && std::isfinite(step[j]);
            c[j] += step[j];
        }
    }
    for (int j = 0; j < cols; ++j) {
        fit.cheb[j] = double(c[j]);
        if (!finite) continue;
        fit.chebLow[j] = double(c[j] - Wide(fit.cheb[j]));
        fit.chebError[j] = double(step[j]);
    }
    return fit;
}

namespace {

// c_k = P⁽ᵏ⁾(0)/k!: the k-th derivative's Chebyshev series at s0, the
// point z = 0, times (ds/dz)ᵏ/k!. This sums terms of the size of the
// series' own coefficients; going through the powers of s would sum terms
// 2⁴⁸ times larger at degree 49 and lose the low coefficients.
void ChebyshevToPowers(const PolynomialFit& fit, std::vector<Wide> d, double c[]) {
    const int m = fit.m;
    std::vector<Wide> next(std::size_t(m) + 2, Wide(0));
    const Wide s0 = -Wide(fit.mid) / Wide(fit.half), ds = Wide(1) / Wide(fit.half);
    Wide scale = 1;
    for (int k = 0; k <= m; ++k) {
        const int degree = m - k;
        Wide b1 = 0, b2 = 0;
        for (int j = degree; j >= 1; --j) {
            const Wide b = 2 * s0 * b1 - b2 + d[j];
            b2 = b1, b1 = b;
        }
        c[k] = double(scale * (s0 * b1 - b2 + d[0]));
        // The derivative's series: b_j−1 = b_j+1 + 2j·a_j, b_0 halved.
        std::fill(next.begin(), next.end(), Wide(0));
        for (int j = degree; j >= 1; --j) next[j - 1] = next[j + 1] + 2 * j * d[j];
        next[0] /= 2;
        std::copy_n(next.begin(), degree, d.begin());
        scale *= ds / (k + 1);
    }
}

} // namespace

void PolynomialFitPowers(const PolynomialFit& fit, double c[]) {
    if (fit.m < 0) return;
    std::vector<Wide> d(std::size_t(fit.m) + 1);
    for (int j = 0; j <= fit.m; ++j) d[j] = Wide(fit.cheb[j]) + Wide(fit.chebLow[j]);
    ChebyshevToPowers(fit, d, c);
}

void PolynomialFitPowersError(const PolynomialFit& fit, double error[]) {
    if (fit.m < 0) return;
    // The change is linear: the step's image is the coefficients' error.
    std::vector<Wide> d(fit.chebError, fit.chebError + fit.m + 1);
    ChebyshevToPowers(fit, d, error);
    double c[kMaxRegressionDegree + 1];
    PolynomialFitPowers(fit, c);
    for (int j = 0; j <= fit.m; ++j) {
        // Rounding to double adds half an ulp.
        error[j] =
            std::fabs(error[j]) + std::fabs(c[j]) * std::numeric_limits<double>::epsilon() / 2;
        if (!std::isfinite(c[j])) error[j] = HUGE_VAL;
    }
}

int VouchedDecimals(double error, int most) {
    if (!(error < 1e300)) return -300;
    int d = most;
    while (d > -300 && error >= 0.5 * std::pow(10.0, -d)) --d;
    return d;
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
