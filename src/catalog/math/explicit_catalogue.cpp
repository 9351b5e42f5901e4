#include "catalog/math/explicit_catalogue.h"

#include <cmath>

namespace catalog {

namespace {

// Highest form index each catalogue knows below the extra form 100.
int LastForm(ExplicitCatalogue cat) {
    switch (cat) {
    case ExplicitCatalogue::A:
    case ExplicitCatalogue::B:
        return 90;
    case ExplicitCatalogue::ProfileF:
        return 73;
    case ExplicitCatalogue::ProfileG:
        return 71;
    }
    return -1;
}

// The upper profile numbers forms 26..30 differently; map to catalogue A's
// numbering, whose rules the switch below follows. Catalogue B numbers them
// as A does, as its menu items and texts say.
int CanonicalForm(ExplicitCatalogue cat, int k) {
    if (cat == ExplicitCatalogue::ProfileF) {
        switch (k) {
        case 26:
            return 27; // (1 + 1/x)^x
        case 27:
            return 29; // sin x / x
        case 29:
            return 30; // sin(1/x)
        case 30:
            return 26; // [x]
        default:
            return k;
        }
    }
    return k;
}

bool IsB(ExplicitCatalogue cat) {
    return cat == ExplicitCatalogue::B || cat == ExplicitCatalogue::ProfileG;
}
bool IsProfile(ExplicitCatalogue cat) {
    return cat == ExplicitCatalogue::ProfileF || cat == ExplicitCatalogue::ProfileG;
}

double ForcedExtremaCurve(double x) {
    double v;
    if (x < -1.0)
        v = std::pow((x + 2.0) * (x + 2.0), 1.0 / 3.0);
    else if (x < 0.0)
        v = std::cos(3.0 * x * (1.0 - x));
    else if (x <= 1.0)
        v = 1.0 - 2.0 * x * (x - 0.5) * (x - 1.0) - x;
    else
        v = (x - 1.0) * std::sin(x);
    return v + std::sin(x);
}

double Density(int k, double x, const ExplicitCoefs& cf, const Densities& dn) {
    const double n = dn.n, m = dn.m;
    switch (k) {
    case 74:
        return EvalGamma(x);
    case 75:
        return (cf.a <= x && x <= cf.b && cf.b != cf.a) ? 1.0 / (cf.b - cf.a) : 0.0;
    case 76:
        return x <= 0 ? 0.0 : dn.lambda * std::exp(-dn.lambda * x);
    case 77: {
        if (dn.sigma == 0) return 0.0;
        const double z = (x - dn.mu) / dn.sigma;
        return std::exp(-z * z / 2.0) * dn.invSqrt2Pi / dn.sigma;
    }
    case 78:
        if (dn.n == 0) return 0.0;
        return EvalGamma((n + 1.0) / 2.0) * std::pow(1.0 + x * x / n, -(n + 1.0) / 2.0) /
               (std::sqrt(n * 3.141596) * EvalGamma(n / 2.0));
    case 79:
        if (x <= 0) return 0.0;
        return 0.5 * std::pow(0.5 * x, n / 2.0 - 1.0) * std::exp(-0.5 * x) / EvalGamma(n / 2.0);
    case 80: {
        if (x <= 0 || dn.m == 0) return 0.0;
        const double u = n * x / m;
        return std::pow(u, n / 2.0) * std::pow(1.0 + u, -(m + n) / 2.0) * EvalGamma((m + n) / 2.0) /
               (EvalGamma(n / 2.0) * EvalGamma(m / 2.0) * x);
    }
    case 81: {
        if (x <= dn.lambda) return 0.0;
        const double u = (x - dn.lambda) * dn.gammaBeta;
        return dn.gammaBeta * std::pow(u, dn.gammaAlpha - 1.0) * std::exp(-u) /
               EvalGamma(dn.gammaAlpha);
    }
    }
    return 0.0;
}

// Forms 82..90, which carry no formula text.
double LateForm(ExplicitCatalogue cat, int k, double x, double s, double p, double q,
                const ExplicitCoefs& cf) {
    const double a = cf.a, b = cf.b, c = cf.c, d = cf.d, e = cf.e, f = cf.f, al = cf.alpha;
    switch (k) {
    case 82:
        return (q <= 0 || x == 0) ? 0.0 : std::pow(q, a * x + b + c / x);
    case 83:
        return a * x * std::exp(b * x * x + c * x) + q;
    case 84: {
        if (q == 0) return s * std::log(std::fabs(p));
        const double den = std::pow(std::fabs(q), cf.beta);
        return den == 0 ? 0.0 : s * std::pow(std::log(std::fabs(p)), al) / den;
    }
    case 85: {
        const double cx = std::cos(x);
        return s * std::pow(p + d * cx * cx + e * cx + f * std::sin(x), al);
    }
    case 86:
        return s * e * std::pow(((a * x + b) * x + c) * x + d, al);
    case 87:
        return s * std::pow(std::fabs(c * std::exp(a * x * x + b * x) + q), al);
    case 88: {
        const double sc = std::sin(c * x);
        return s *
               std::pow(std::fabs(f * sc * sc + 1.0 + d * std::sin(a * x) + e * std::cos(b * x)),
                        al);
    }
    case 89: {
        const double r = d * std::sin(a * x) + e * std::cos(b * x) + c;
        return r >= 0 ? s * f * std::pow(r, al) : 0.0;
    }
    case 90:
        if (IsB(cat)) return (a < x && x < c) ? d : 0.0;
        if (x < a || x > c) return 0.0;
        if (x < b && b > a) return d * (x - a) / (b - a);
        return c > b ? d * (c - x) / (c - b) : 0.0;
    }
    return 0.0;
}

} // namespace

double EvalGamma(double x) {
    if (x <= 0) return kNoValue;
    if (std::isnan(x)) return x;
    // The densities ask for the same few arguments at every sample of a
    // curve: keep the last ones.
    constexpr int kCached = 4;
    thread_local double cachedX[kCached] = {-1, -1, -1, -1};
    thread_local double cachedValue[kCached] = {};
    thread_local int next = 0;
    for (int i = 0; i < kCached; ++i)
        if (cachedX[i] == x) return cachedValue[i];
    const double value = std::tgamma(x); // +inf above about 171.6
    cachedX[next] = x;
    cachedValue[next] = value;
    next = (next + 1) % kCached;
    return value;
}

// A measured hot path: one switch per evaluation, every form plain arithmetic.
bool VanishesEverywhere(ExplicitCatalogue cat, int k, const ExplicitCoefs& cf) {
    if (k < 0 || k > LastForm(cat)) return false;
    const bool abc = cf.a == 0 && cf.b == 0 && cf.c == 0;
    switch (CanonicalForm(cat, k)) {
    case 0:  // 0 wherever the base a x² + b x + c is not positive
    case 39: // a x² + b x + c
        return abc;
    case 40: // the cubic
        return abc && cf.d == 0;
    case 41: // the quartic
        return abc && cf.d == 0 && cf.e == 0;
    }
    return false;
}

bool ExplicitPolynomialSlopes(ExplicitCatalogue cat, double x, int k, const ExplicitCoefs& cf,
                              const Extension& ext, double* d1, double* d2) {
    if (k < 0 || k > LastForm(cat) || ext.periodic || ext.symmetry < 2) return false;
    const double a = cf.a, b = cf.b, c = cf.c, d = cf.d;
    switch (CanonicalForm(cat, k)) {
    case 39:
        *d1 = 2 * a * x + b;
        *d2 = 2 * a;
        return true;
    case 40:
        *d1 = (3 * a * x + 2 * b) * x + c;
        *d2 = 6 * a * x + 2 * b;
        return true;
    case 41:
        *d1 = ((4 * a * x + 3 * b) * x + 2 * c) * x + d;
        *d2 = (12 * a * x + 6 * b) * x + 2 * c;
        return true;
    }
    return false;
}

double EvalExplicit(ExplicitCatalogue cat, double x, int k, const ExplicitCoefs& cf,
                    const Extension& ext, const Densities& dn) {
    const bool extra100 = cat == ExplicitCatalogue::A || cat == ExplicitCatalogue::ProfileF;
    if (k < 0 || (k > LastForm(cat) && !(k == 100 && extra100))) return 0.0;

    double s = 1.0;
    if (ext.periodic) {
        const double period = ext.period;
        // A zero or non-finite period leaves x alone instead of dividing by it.
        if (period != 0 && std::isfinite(period)) {
            const double u = x + 100.0 * period;
            x = u - std::trunc(u / period + 0.5) * period;
        }
    }
    if (ext.symmetry < 2 && x < 0) {
        x = -x;
        if (ext.symmetry == 0) s = -1.0;
    }

    const double a = cf.a, b = cf.b, c = cf.c, d = cf.d, e = cf.e, f = cf.f;
    const double al = cf.alpha, be = cf.beta;
    const double x2 = x * x;
    const double p = a * x2 + b * x + c;
    const double q = d * x2 + e * x + f;

    switch (CanonicalForm(cat, k)) {
    case 0:
        return p <= 0 ? 0.0 : s * std::pow(p, al);
    case 1:
        return s * std::exp(p * std::log(al));
    case 2: {
        const double lnAlpha = std::log(al);
        return (p <= 0 || lnAlpha == 0) ? 0.0 : s * std::log(p) / lnAlpha;
    }
    case 3:
        return s * std::sin(x);
    case 4:
        return s * std::cos(x);
    case 5:
        return s * std::tan(x);
    case 6: {
        const double t = std::tan(x);
        return t == 0 ? 0.0 : s / t;
    }
    case 7: {
        const double cs = std::cos(x);
        return cs == 0 ? 0.0 : s / cs;
    }
    case 8: {
        const double sn = std::sin(x);
        return sn == 0 ? 0.0 : s / sn;
    }
    case 9:
        return std::fabs(x) < 1 ? s * std::asin(x) : 0.0;
    case 10:
        return std::fabs(x) < 1 ? s * std::acos(x) : 0.0;
    case 11:
        return s * std::atan(x);
    case 12:
        return x == 0 ? 0.0 : std::atan(s / x);
    case 13:
        return std::fabs(x) < 1 ? 0.0 : s * std::acos(1.0 / x);
    case 14:
        return std::fabs(x) < 1 ? 0.0 : std::asin(s / x);
    case 15:
        return s * (std::exp(x) - std::exp(-x)) / 2.0;
    case 16:
        return s * (std::exp(x) + std::exp(-x)) / 2.0;
    case 17:
        return s * std::tanh(x); // (eˣ − e⁻ˣ)/(eˣ + e⁻ˣ) without overflow
    case 18:
        return x == 0 ? 0.0 : (x < 0 ? -s : s);
    case 19:
        return s * std::fabs(p);
    case 20:
        return s * x;
    case 21:
        return s * x2;
    case 22:
        return s * x2 * x;
    case 23:
        return x <= 0 ? -s * std::pow(-x, 0.3333333333333333) : s * std::pow(x, 0.3333333333333333);
    case 24:
        return x == 0 ? 0.0 : s / x;
    case 25:
        return x <= 0 ? 0.0 : s * std::sqrt(x);
    case 26: {
        // [x] is the floor: the negative integers and 0 are their own [x].
        const double n = std::trunc(std::fabs(x));
        if (x > 0) return n;
        return x == -n ? -s * n : -s * (n + 1.0);
    }
    case 27:
        return (x > 0 || x < -1) ? s * std::exp(x * std::log(1.0 / x + 1.0)) : 0.0;
    case 28:
        return x == 0 ? 0.0 : s * std::exp(1.0 / x);
    case 29:
        return std::fabs(x) <= 1e-5 ? 1.0 : s * std::sin(x) / x;
    case 30:
        return x == 0 ? 0.0 : std::sin(s / x);
    case 31: {
        const double u = x / 24.0;
        return s * 20.0 * (((-3.0 * u + 3.2) * u - 0.3) * u + 0.5);
    }
    case 32:
        return s * (a * std::sin(b * x + c) + d * std::cos(e * x + f));
    case 33:
        return s * p * (d * std::cos(x) + e * std::sin(x) + f);
    case 34:
        return q <= 0 ? p : s * (std::sqrt(q) + p);
    case 35:
        return IsB(cat) ? s * q * std::exp(p) : s * (std::exp(p) + q);
    case 36:
        return s * std::sin(p);
    case 37:
        return s * std::cos(p);
    case 38:
        if (IsProfile(cat)) return p <= 0 ? 0.0 : s * std::log(p);
        if (cat == ExplicitCatalogue::B ? q == 0 : p * q == 0) return s * std::log(std::fabs(p));
        return s * std::log(std::fabs(p)) / q;
    case 39:
        return s * p;
    case 40:
        return s * (((a * x + b) * x + c) * x + d);
    case 41:
        return s * ((((a * x + b) * x + c) * x + d) * x + e);
    case 42:
        return q == 0 ? 0.0 : (s * (a * x2 + b * x) + c) / q;
    case 43:
        if (q == 0) return 0.0;
        if (cat == ExplicitCatalogue::A) return s * (a * x2 + b * x + c * std::sin(x)) / q;
        if (cat == ExplicitCatalogue::ProfileF) return s * (a * x + b + c * std::sin(x)) / q;
        return (s * (a * x2 + b * x) + c * std::sin(x)) / q;
    case 44:
        return q == 0 ? 0.0 : (s * (a * x2 + b * x) + c * std::cos(x)) / q;
    case 45:
        return q == 0 ? 0.0 : (a + b * std::sin(x) + c * std::cos(x)) / q;
    case 46: {
        const double r = d * std::exp(e * x) + f;
        return r == 0 ? 0.0 : s * (a * std::exp(c * x) + b) / r;
    }
    case 47:
        if (cat == ExplicitCatalogue::A) return p <= 0 ? 0.0 : s * d * std::sqrt(p);
        return p == 0 ? 0.0 : s * d * std::sqrt(std::fabs(p));
    case 48:
        if (cat == ExplicitCatalogue::A) return q <= 0 ? 0.0 : s * p / std::sqrt(q);
        return q == 0 ? 0.0 : s * p / std::sqrt(std::fabs(q));
    case 49:
        return s * std::fabs(a * std::sin(b * x + c) + d * std::cos(e * x + f));
    case 50:
        return q == 0 ? 0.0 : s * std::sin(p / q);
    case 51:
        return q == 0 ? 0.0 : s * std::cos(p / q);
    case 52: {
        // (−1)^[x] with [x] the floor, so that negative x get the right sign
        // too; for x > 0 the same as truncating.
        if (x == 0) return 0.0;
        const double n = std::floor(x);
        const double m = 2.0 * std::floor(n / 2.0);
        return x - m < 1 ? 1.0 + 1.0 / x : 1.0 - 1.0 / x;
    }
    case 53:
    case 54: {
        if (IsB(cat)) {
            if (p <= 0 || q <= 0) return 0.0;
            if (k == 53) {
                const double den = std::pow(q, be);
                return den == 0 ? 0.0 : s * std::pow(p, al) / den;
            }
            return s * std::pow(p, al) + std::pow(q, be);
        }
        const double p1 = x2 + b * x + c, q1 = x2 + e * x + f;
        if (p1 <= 0 || q1 <= 0) return 0.0;
        if (k == 53) {
            const double den = d * std::pow(q1, be);
            return den == 0 ? 0.0 : s * a * std::pow(p1, al) / den;
        }
        return s * (a * std::pow(p1, al) + d * std::pow(q1, be));
    }
    case 55:
        return s * q * std::exp(p);
    case 56:
        return s * q * std::sin(p);
    case 57:
        return s * q * std::cos(p);
    case 58:
        return p <= 0 ? 0.0 : s * q * std::log(p);
    case 59:
        return s * (6.0 + (x - 1.0) * (x - 4.0) * (1.0 + 0.5 * std::sin(2.0 * x)));
    case 60:
        return s * (6.0 - (x - 1.0) * (x - 4.0) * (1.0 + 0.5 * std::cos(3.0 * x)));
    case 61:
        return -429.744 * (x + 400.0 * (std::exp(-0.0025 * x) - 1.0));
    case 62:
        return d * std::pow(std::pow(p, al), be) + e * x + f;
    case 63:
        return x >= cf.x0 ? s * q : s * p;
    case 64:
        if (x < cf.x0) return s * p;
        if (x < cf.x1) return s * q;
        return s * (cf.g * x2 + cf.h * x + cf.i);
    case 65:
        if (x >= cf.x0) return s * (d * std::cos(x) + e * std::sin(x) + f);
        return s * (a * std::cos(x) + b * std::sin(x) + c);
    case 66:
        return x <= cf.x0 ? s * p : s * (d * std::cos(x) + e * std::sin(x) + f);
    case 67:
        return x >= cf.x0 ? s * q : s * (a * std::cos(x) + b * std::sin(x) + c);
    case 68:
        return x < cf.x0 ? s * cf.g * std::sqrt(std::fabs(p)) : s * q;
    case 69:
        return x >= cf.x0 ? s * std::sqrt(std::fabs(q)) : s * cf.g * p;
    case 70:
        return ForcedExtremaCurve(x);
    case 71:
        if (IsProfile(cat)) return s * std::exp(b * x + c);
        return s * c * std::exp(a * x2 + b * x);
    case 72:
        return a * x * (b * x + c);
    case 73:
        return x + a == 0 ? 0.0 : ((a + b) * x + a * b) / (x + a);
    case 74:
    case 75:
    case 76:
    case 77:
    case 78:
    case 79:
    case 80:
    case 81:
        return Density(k, x, cf, dn);
    case 82:
    case 83:
    case 84:
    case 85:
    case 86:
    case 87:
    case 88:
    case 89:
    case 90:
        return LateForm(cat, k, x, s, p, q, cf);
    case 100:
        return x + cf.x0;
    }
    return 0.0;
}

} // namespace catalog
