#include "catalog/math/plane_curves.h"

#include "catalog/math/explicit_catalogue.h"

#include <cmath>
#include <cstring>

namespace catalog {

double EvalParamXForm(double t, int k, const double coef[6]) {
    const double a = coef[0], b = coef[1], c = coef[2], d = coef[3], e = coef[4], f = coef[5];
    switch (k) {
    case 1:
        return a * std::cos(t) + c;
    case 2:
        return t;
    case 3:
        return t - std::sin(t);
    case 4:
        return (1.0 - std::cos(t)) * std::cos(t);
    case 5: {
        const double cs = std::cos(t);
        return cs * cs * cs;
    }
    case 6:
        return std::sin(t);
    case 7:
        return std::cos(t);
    case 8: {
        const double n = std::trunc(t / 3.14159);
        return std::fabs(t - n * 3.14159) <= 0.001 ? 0.0 : std::tan(t);
    }
    case 9: {
        const double tn = std::tan(t);
        return std::fabs(tn) <= 0.001 ? 0.0 : 1.0 / tn;
    }
    case 10: {
        const double cs = std::cos(t);
        return cs == 0 ? 0.0 : 1.0 / cs;
    }
    case 11: {
        const double sn = std::sin(t);
        return sn == 0 ? 0.0 : 1.0 / sn;
    }
    case 12:
        return (std::exp(t) - std::exp(-t)) / 2.0;
    case 13:
        return (std::exp(t) + std::exp(-t)) / 2.0;
    case 14:
        return std::tanh(t);
    case 15:
        return c * std::cos(a * t + b);
    case 17:
        return ((a * t + b) * t + c) * t + d;
    case 18:
        if (b == 0) return 0.0; // a/b would divide by zero
        return (std::pow(t, 1.0 - a / b) - std::pow(t, 1.0 + a / b)) / 2.0;
    case 19:
        return (a + b * std::cos(c * t)) * std::cos(t);
    case 20:
        return (a * t * t + b * t + c) * std::cos(t);
    case 21:
        return a * std::cos(t) * std::exp(b * t);
    default:
        (void)d, (void)e, (void)f;
        return a * t * t + b * t + c;
    }
}

double EvalParamYForm(double t, int k, const double coef[6]) {
    const double a = coef[0], b = coef[1], d = coef[3], e = coef[4], f = coef[5];
    switch (k) {
    case 1:
        return b * std::sin(t) + d;
    case 2:
        return 50.0 * t - 4.9 * t * t;
    case 3:
        return 1.0 - std::cos(t);
    case 4:
        return (1.0 - std::cos(t)) * std::sin(t);
    case 5: {
        const double sn = std::sin(t);
        return sn * sn * sn;
    }
    case 6:
    case 7:
    case 8:
    case 9:
    case 10:
    case 11:
    case 12:
    case 13:
    case 14:
    case 17:
    case 18:
        return t;
    case 15:
        return f * std::sin(d * t + e);
    case 19:
        return (d + e * std::cos(f * t)) * std::sin(t);
    case 20:
        return (d * t * t + e * t + f) * std::sin(t);
    case 21:
        return a * std::sin(t) * std::exp(b * t);
    default:
        return d * t * t + e * t + f;
    }
}

// Not inlined: a caller computing both must not have them fused.
[[gnu::noinline]] double PolarX(double r, double theta) {
    return r * std::cos(theta);
}

[[gnu::noinline]] double PolarY(double r, double theta) {
    return r * std::sin(theta);
}

namespace {

// sin t and cos t. The GNU library computes its sincos with the very code of
// its sin and cos, so one call gives both as the two would; elsewhere the
// two calls stay.
void SinCos(double t, double* sn, double* cs) {
#if defined(__GLIBC__)
    ::sincos(t, sn, cs);
#else
    *sn = std::sin(t);
    *cs = std::cos(t);
#endif
}

} // namespace

void PolarPoint(double r, double theta, double* x, double* y) {
    double sn, cs;
    SinCos(theta, &sn, &cs);
    *x = r * cs;
    *y = r * sn;
}

// Each coordinate is the very expression of EvalParamXForm and
// EvalParamYForm; only the functions of one argument are shared.
void EvalParamForm(double t, int k, const double coef[6], double* x, double* y) {
    const double a = coef[0], b = coef[1], c = coef[2], d = coef[3], e = coef[4], f = coef[5];
    double sn, cs;
    switch (k) {
    case 1:
        SinCos(t, &sn, &cs);
        *x = a * cs + c;
        *y = b * sn + d;
        return;
    case 3:
        SinCos(t, &sn, &cs);
        *x = t - sn;
        *y = 1.0 - cs;
        return;
    case 4:
        SinCos(t, &sn, &cs);
        *x = (1.0 - cs) * cs;
        *y = (1.0 - cs) * sn;
        return;
    case 5:
        SinCos(t, &sn, &cs);
        *x = cs * cs * cs;
        *y = sn * sn * sn;
        return;
    case 15: {
        const double u = a * t + b, w = d * t + e;
        // One argument only when its bits agree: sin(-0) is not sin(0).
        if (std::memcmp(&u, &w, sizeof u) != 0) break;
        SinCos(u, &sn, &cs);
        *x = c * cs;
        *y = f * sn;
        return;
    }
    case 19: {
        SinCos(t, &sn, &cs);
        // cos(-0) is cos(0): equal arguments give equal values.
        const double u = c * t, w = f * t;
        const double cu = u == t ? cs : std::cos(u);
        const double cw = w == u ? cu : (w == t ? cs : std::cos(w));
        *x = (a + b * cu) * cs;
        *y = (d + e * cw) * sn;
        return;
    }
    case 20:
        SinCos(t, &sn, &cs);
        *x = (a * t * t + b * t + c) * cs;
        *y = (d * t * t + e * t + f) * sn;
        return;
    case 21: {
        SinCos(t, &sn, &cs);
        const double ex = std::exp(b * t);
        *x = a * cs * ex;
        *y = a * sn * ex;
        return;
    }
    }
    *x = EvalParamXForm(t, k, coef);
    *y = EvalParamYForm(t, k, coef);
}

double EvalImplicitForm(double x, double y, int k, const double coef[6], double implicitC,
                        double x0) {
    const double a = coef[0], b = coef[1], c = coef[2], d = coef[3], e = coef[4], f = coef[5];
    const double x2 = x * x, y2 = y * y;
    switch (k) {
    case 1:
        return implicitC - x2 - y2;
    case 2:
        return std::pow(y, 5.0) + 2.0 * y - x - 3.0 * std::pow(x, 7.0);
    case 3:
        return std::exp(1.0) - std::exp(y) - x * y;
    case 4:
        return 1.0 - x2 / 16.0 - y2 / 9.0;
    case 5:
        return (y - x) + 0.5 * std::sin(x + y);
    case 6:
        return y - std::sin(x + y);
    case 7:
        return std::sin(a * x2 + b * x * y + c * y2) - d * x - e * y - f;
    case 8:
        return a * x2 + b * x * y + c * y2 + d * x + e * y + f;
    case 9:
        return (a * x2 + b * y2 + c) * (d * x2 + e * y2 + f);
    case 10:
        return 1.0 - std::fabs(x) - std::fabs(y);
    case 11:
        return (a * x + b * y + c) * (d * x + e * y + f);
    case 14: {
        const double r = a * x2 + b * y2 + c;
        return d * x2 + e * y2 + f * x * y - r * r;
    }
    case 15:
        return 1.0 - std::sqrt(std::fabs(a * x + b * y + c)) -
               std::sqrt(std::fabs(d * x + e * y + f));
    case 16:
        return 1.0 - std::fabs(a * x + b * y + c) - std::fabs(d * x + e * y + f);
    case 17:
        return d * std::sin(a * x2 + b * y2 + c) - (e * x2 + f * y2);
    case 18:
        return 2.0 * y2 * y + x * y + a;
    case 19:
        return a * y2 * y + b * y + c * x * y2 * y2 + d * x;
    case 20:
        return 1.5 * y2 * y2 + 4.0 * x * y2 * y + 2.0 * (x2 - a) * y2 + b;
    case 21: {
        const double ym = y - 1.0;
        return ym * ym * ym * (a * y2 + b) + c * x * y2 * ym + d * x2 * y2 * (y + 1.0);
    }
    case 22: {
        const double ym2 = (y - 1.0) * (y - 1.0), yx2 = (y - x) * (y - x);
        return a * y2 * ym2 * yx2 + b * x * ym2 * yx2 + c * (x - 1.0) * yx2 * y2 +
               d * x * (x - 1.0) * y2 * ym2;
    }
    case 23: {
        if (x0 == 0) return 0.0; // the terms divide by powers of x0
        const double r = std::pow(24.0 * x0, 0.25);
        return -(r * y + 6.0 * x2 - x0 + 0.8 / r + std::pow(24.0, 0.25) * std::pow(x0, -0.75) * x);
    }
    case 24: {
        const double ax = std::fabs(x);
        return a * std::pow(ax, b) * y2 + y2 * y + c * std::pow(ax, d) * y + e * std::pow(ax, f);
    }
    }
    return 0.0;
}

double SolveNewton(FunctionRef residual, double start, double* last) {
    constexpr double kStep = 1e-5;
    double u = start;
    int rounds = 0;
    do {
        const double prev = u;
        ++rounds;
        const double r = residual(prev);
        const double slope = (residual(prev + kStep) - r) / kStep;
        if (-1e-4 <= slope && slope <= 1e-4)
            u = prev - 0.1;
        else
            u = prev - r / slope;
        if (std::fabs(u - prev) <= 1e-5) break;
    } while (rounds < kNewtonRounds);
    if (last) *last = u;
    return rounds < kNewtonRounds ? u : kNoValue;
}

double EvalBackgroundPatternWeight(double u, double v, int n) {
    switch (n) {
    case 1:
        return u;
    case 2:
        return 1.0 - u;
    case 3:
        return (2.0 - std::sin(50.0 * u) - std::cos(50.0 * v)) / 4.0;
    case 4:
        return (1.0 + std::sin(50.0 * u) * std::cos(50.0 * v)) / 2.0;
    case 5:
        return (1.0 + std::cos(50.0 * u) * std::sin(25.0 * (u + v))) / 2.0;
    case 6:
        return (1.0 + std::sin(50.0 * u) * std::cos(30.0 * (u - v))) / 2.0;
    }
    return 0.0;
}

bool SolveParabolaThroughPoints(double u1, double v1, double u2, double v2, double u3, double v3,
                                double* a, double* b, double* c) {
    const double d1 = u1 - u2, s1 = (u1 + u2) * d1;
    const double d3 = u3 - u2, s3 = (u3 + u2) * d3;
    const double det = s1 * d3 - s3 * d1;
    if (!(std::fabs(det) >= 1e-4)) return false;
    const double ra = ((v1 - v2) * d3 - (v3 - v2) * d1) / det;
    const double rb = ((v3 - v2) * s1 - (v1 - v2) * s3) / det;
    *a = ra;
    *b = rb;
    *c = v1 - (ra * u1 + rb) * u1;
    return true;
}

} // namespace catalog
