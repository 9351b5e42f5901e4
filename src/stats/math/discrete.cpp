#include "stats/math/discrete.h"

#include <cmath>
#include <limits>

namespace stats {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// ln C(a, b) for 0 <= b <= a.
double LogChoose(int a, int b) {
    return std::lgamma(a + 1.0) - std::lgamma(b + 1.0) - std::lgamma(a - b + 1.0);
}

} // namespace

double BinomialProbability(int n, double p, int k) {
    if (n < 0 || !(p >= 0 && p <= 1)) return kNaN;
    if (k < 0 || k > n) return 0.0;
    // p^0 and 0^0 count as 1, so P(0) = 1 at p = 0 and P(n) = 1 at p = 1.
    if (p == 0) return k == 0 ? 1.0 : 0.0;
    if (p == 1) return k == n ? 1.0 : 0.0;
    return std::exp(LogChoose(n, k) + k * std::log(p) + (n - k) * std::log1p(-p));
}

double PoissonProbability(double lambda, int k) {
    if (!(lambda > 0) || !std::isfinite(lambda)) return kNaN;
    if (k < 0) return 0.0;
    return std::exp(k * std::log(lambda) - lambda - std::lgamma(k + 1.0));
}

double HypergeometricProbability(int N, int M, int n, int k) {
    if (N < 0 || M < 0 || M > N || n < 0 || n > N) return kNaN;
    if (k < 0 || k > M || k > n || n - k > N - M) return 0.0;
    return std::exp(LogChoose(M, k) + LogChoose(N - M, n - k) - LogChoose(N, n));
}

} // namespace stats
