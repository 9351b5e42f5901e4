#include "numeric/math/regression.h"

#include <algorithm>
#include <cmath>
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
