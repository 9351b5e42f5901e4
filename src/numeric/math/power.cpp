#include "numeric/math/power.h"

#include "numeric/math/rounding.h"

#include <algorithm>
#include <cmath>

namespace numeric {

int LargestIndex(const double* v, int n) {
    int m = 0;
    for (int i = 1; i < n; ++i)
        if (std::fabs(v[i]) > std::fabs(v[m])) m = i;
    return m;
}

namespace {

bool AllFinite(const double* v, int n) {
    return std::all_of(v, v + n, [](double x) { return std::isfinite(x); });
}

} // namespace

void RunPower(const PowerInput& in, PowerResult* out) {
    PowerResult& o = *out;
    o = PowerResult();
    const int n = std::clamp(in.n, 1, kPowerMaxOrder);
    const int prec = in.precision;
    const auto R = [prec](double x) { return RoundSignificant(x, prec); };
    const int mode = in.mode >= kPower && in.mode <= kShiftedInverse ? in.mode : kPower;
    const bool inverse = mode % 2 == 1;
    const auto& M = in.m;
    o.n = n;
    o.mode = mode;

    double v[kPowerMaxOrder], u[kPowerMaxOrder], y[kPowerMaxOrder] = {};
    for (int i = 0; i < n; ++i) v[i] = R(in.b[i]);
    int m = LargestIndex(v, n);
    const double first = v[m];
    for (int i = 0; i < n; ++i) v[i] = first != 0 ? R(v[i] / first) : v[i];
    std::copy_n(v, n, o.v0);

    const int stride = std::max(in.step, 0) / 9 + 1;
    const long budget = kPowerWorkBudget / (long(n) * n);
    const int last = int(std::min<long>({long(in.step) - 1, kMaxPowerIterations - 1, budget}));
    double lambda = kPowerStartLambda, previous = kPowerStartLambda, a = 0, b = 0;
    for (int k = 0; k <= last; ++k) {
        if (!inverse) {
            for (int i = 0; i < n; ++i) {
                double s = 0;
                for (int j = 0; j < n; ++j) s += R(M[i][j] * v[j]);
                u[i] = s;
            }
        } else {
            for (int i = 0; i < n; ++i) {
                double s = v[i];
                for (int j = 0; j < i; ++j) s -= R(M[i][j] * y[j]);
                y[i] = s;
            }
            for (int i = n - 1; i >= 0; --i) {
                double s = y[i];
                for (int j = i + 1; j < n; ++j) s -= R(M[i][j] * u[j]);
                u[i] = R(s / M[i][i]);
            }
        }
        const double c = u[m];
        switch (mode) {
        case kPower:
            lambda = c;
            break;
        case kInversePower:
            if (c != 0) lambda = R(1 / c);
            break;
        case kPowerAitken:
        case kInverseAitken: {
            // A zero denominator keeps λ; a zero estimate (the first one)
            // is shown as it is rather than inverted.
            const double den = c - 2 * b + a;
            if (den == 0) break;
            const double e = R(a - (b - a) * (b - a) / den);
            lambda = mode == kInverseAitken && e != 0 ? 1 / e : e;
            break;
        }
        case kShiftedPower:
            lambda = R(in.shift + c);
            break;
        default:
            if (c != 0) lambda = R(1 / c + in.shift);
        }
        const bool met = std::fabs(lambda - previous) < in.epsilon;
        if ((mode == kPowerAitken || mode == kInverseAitken) && (k == in.step - 1 || met)) {
            o.aitkenShown = true;
            o.aitken[0] = a, o.aitken[1] = b, o.aitken[2] = c;
            o.aitkenK = k;
        }
        o.lastK = k;
        std::copy_n(u, n, o.u);
        std::copy_n(y, n, o.y);
        std::copy_n(v, n, o.v);
        o.lambda = lambda;
        if (met) {
            o.converged = true;
            return;
        }
        if (!AllFinite(u, n) || !std::isfinite(lambda)) {
            o.diverged = true;
            return;
        }
        previous = lambda;
        a = b;
        b = c;
        std::copy_n(u, n, v);
        m = LargestIndex(v, n);
        const double top = v[m];
        for (int i = 0; i < n; ++i) v[i] = top != 0 ? R(v[i] / top) : v[i];
        if (k % stride == 0 && o.rowCount < kMaxPowerRows) {
            PowerRow& r = o.rows[o.rowCount++];
            r.number = k + 1;
            std::copy_n(v, n, r.v);
            r.lambda = lambda;
        }
        o.path.insert(o.path.end(), v, v + n);
    }
}

} // namespace numeric
