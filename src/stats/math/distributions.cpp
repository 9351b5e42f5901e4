#include "stats/math/distributions.h"

#include <boost/math/distributions/chi_squared.hpp>
#include <boost/math/distributions/exponential.hpp>
#include <boost/math/distributions/fisher_f.hpp>
#include <boost/math/distributions/gamma.hpp>
#include <boost/math/distributions/normal.hpp>
#include <boost/math/distributions/students_t.hpp>

#include <cmath>
#include <limits>

namespace stats {

namespace {

namespace bp = boost::math::policies;

// Errors become values (NaN for a bad argument, ±inf for an overflow), never
// exceptions: a page shows what it can. Double precision throughout (no
// long double): still exact to about 1e-15, at a fraction of the cost, for
// the thousands of values a figure plots.
using NoThrow =
    bp::policy<bp::domain_error<bp::ignore_error>, bp::pole_error<bp::ignore_error>,
               bp::overflow_error<bp::ignore_error>, bp::underflow_error<bp::ignore_error>,
               bp::evaluation_error<bp::ignore_error>, bp::rounding_error<bp::ignore_error>,
               bp::promote_double<false>>;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

bool IsProbability(double p) {
    return p >= 0 && p <= 1;
}

bool IsPositive(double v) {
    return v > 0 && std::isfinite(v);
}

// The distribution function of `d` at x, with the ends of the real line
// handled here (Boost takes finite arguments only).
template <class D> double CdfOf(const D& d, double x, double lowerEnd) {
    if (std::isnan(x)) return kNaN;
    if (x <= lowerEnd) return 0.0;
    if (x == kInf) return 1.0;
    return boost::math::cdf(d, x);
}

// The quantile of `d`; the ends of the support at p = 0 and p = 1.
template <class D> double QuantileOf(const D& d, double p, double lowerEnd) {
    if (!IsProbability(p)) return kNaN;
    if (p == 0) return lowerEnd;
    if (p == 1) return kInf;
    return boost::math::quantile(d, p);
}

} // namespace

bool IsDensityEntry(int k) {
    return k >= kUniform && k <= kGamma;
}

double UniformCdf(double x, double a, double b) {
    if (!(a <= b) || std::isnan(x)) return kNaN;
    if (x < a) return 0.0;
    if (x >= b) return 1.0; // also the step of a = b
    return (x - a) / (b - a);
}

// The probability is not tested: pages read the straight line beyond [0, 1].
double UniformQuantile(double p, double a, double b) {
    if (!(a <= b)) return kNaN;
    return a + (b - a) * p;
}

double ExponentialCdf(double x, double lambda) {
    if (!IsPositive(lambda)) return kNaN;
    return CdfOf(boost::math::exponential_distribution<double, NoThrow>(lambda), x, 0.0);
}

double ExponentialQuantile(double p, double lambda) {
    if (!IsPositive(lambda)) return kNaN;
    return QuantileOf(boost::math::exponential_distribution<double, NoThrow>(lambda), p, 0.0);
}

double NormalCdf(double x, double mu, double sigma) {
    if (!IsPositive(sigma) || !std::isfinite(mu)) return kNaN;
    return CdfOf(boost::math::normal_distribution<double, NoThrow>(mu, sigma), x, -kInf);
}

double NormalQuantile(double p, double mu, double sigma) {
    if (!IsPositive(sigma) || !std::isfinite(mu)) return kNaN;
    return QuantileOf(boost::math::normal_distribution<double, NoThrow>(mu, sigma), p, -kInf);
}

double StudentTCdf(double x, double n) {
    if (!IsPositive(n)) return kNaN;
    return CdfOf(boost::math::students_t_distribution<double, NoThrow>(n), x, -kInf);
}

double StudentTQuantile(double p, double n) {
    if (!IsPositive(n)) return kNaN;
    return QuantileOf(boost::math::students_t_distribution<double, NoThrow>(n), p, -kInf);
}

double ChiSquareCdf(double x, double n) {
    if (!IsPositive(n)) return kNaN;
    return CdfOf(boost::math::chi_squared_distribution<double, NoThrow>(n), x, 0.0);
}

double ChiSquareQuantile(double p, double n) {
    if (!IsPositive(n)) return kNaN;
    return QuantileOf(boost::math::chi_squared_distribution<double, NoThrow>(n), p, 0.0);
}

double FisherFCdf(double x, double n, double m) {
    if (!IsPositive(n) || !IsPositive(m)) return kNaN;
    return CdfOf(boost::math::fisher_f_distribution<double, NoThrow>(n, m), x, 0.0);
}

double FisherFQuantile(double p, double n, double m) {
    if (!IsPositive(n) || !IsPositive(m)) return kNaN;
    return QuantileOf(boost::math::fisher_f_distribution<double, NoThrow>(n, m), p, 0.0);
}

double GammaCdf(double x, double alpha, double beta, double shift) {
    if (!IsPositive(alpha) || !IsPositive(beta) || !std::isfinite(shift)) return kNaN;
    const boost::math::gamma_distribution<double, NoThrow> d(alpha, 1.0 / beta);
    return CdfOf(d, x - shift, 0.0);
}

double GammaQuantile(double p, double alpha, double beta, double shift) {
    if (!IsPositive(alpha) || !IsPositive(beta) || !std::isfinite(shift)) return kNaN;
    const boost::math::gamma_distribution<double, NoThrow> d(alpha, 1.0 / beta);
    return shift + QuantileOf(d, p, 0.0);
}

double Cdf(int k, double x, const DensityParams& dp) {
    switch (k) {
    case kUniform:
        return UniformCdf(x, dp.a, dp.b);
    case kExponential:
        return ExponentialCdf(x, dp.lambda);
    case kNormal:
        return NormalCdf(x, dp.mu, dp.sigma);
    case kStudentT:
        return StudentTCdf(x, dp.n);
    case kChiSquare:
        return ChiSquareCdf(x, dp.n);
    case kFisherF:
        return FisherFCdf(x, dp.n, dp.m);
    case kGamma:
        return GammaCdf(x, dp.gammaAlpha, dp.gammaBeta, dp.lambda);
    default:
        return kNaN;
    }
}

double Quantile(int k, double p, const DensityParams& dp) {
    switch (k) {
    case kUniform:
        return UniformQuantile(p, dp.a, dp.b);
    case kExponential:
        return ExponentialQuantile(p, dp.lambda);
    case kNormal:
        return NormalQuantile(p, dp.mu, dp.sigma);
    case kStudentT:
        return StudentTQuantile(p, dp.n);
    case kChiSquare:
        return ChiSquareQuantile(p, dp.n);
    case kFisherF:
        return FisherFQuantile(p, dp.n, dp.m);
    case kGamma:
        return GammaQuantile(p, dp.gammaAlpha, dp.gammaBeta, dp.lambda);
    default:
        return kNaN;
    }
}

int GridSteps(double span, double step, int cap) {
    if (!(span > 0) || !(step > 0) || !std::isfinite(span) || !std::isfinite(step) || cap < 1)
        return 0;
    const double n = std::ceil(span / step);
    return n >= cap ? cap : (n < 1 ? 1 : int(n));
}

} // namespace stats
