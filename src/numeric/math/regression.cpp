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

} // namespace

void PolynomialLeastSquares(const double x[], const double y[], int n, int m, int k, double c[]) {
    if (m < 0) return;
    const int cols = m + 1;
    // Fewer points than basis functions: zero rows make the factor singular.
    const int rows = std::max(n, cols);
    // Column-major: column j holds φ_j at the points, column `cols` the y.
    std::vector<long double> a(std::size_t(rows) * (cols + 1), 0.0L);
    const auto at = [&a, rows](int i, int j) -> long double& {
        return a[std::size_t(j) * rows + i];
    };
    const bool squares = k == kOddPowers || k == kEvenPowers;
    for (int i = 0; i < n; ++i) {
        const long double xi = x[i], step = squares ? xi * xi : xi;
        long double p = k == kOddPowers ? xi : 1.0L;
        for (int j = 0; j < cols; ++j, p *= step) at(i, j) = p;
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
        c[j] = double(sol[j]);
    }
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
