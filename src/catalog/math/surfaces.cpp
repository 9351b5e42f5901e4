#include "catalog/math/surfaces.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <iterator>
#include <utility>

namespace catalog {

namespace {

double Quadric(const double* k, double x, double y) {
    return EvalQuadric(k, x, y);
}

double TriangleWeights(double x, double y, double a, double b, double c, bool lower) {
    if (lower) {
        const double r1 = x * x + y * y;
        const double r2 = (b - x) * (b - x) + y * y;
        const double r3 = (x - a) * (x - a) + (c - y) * (c - y);
        const double sum = r1 * r1 + r2 * r2 + r3 * r3;
        return sum == 0 ? 0.0 : 4.0 / std::sqrt(3.0 * sum);
    }
    // The weights divide by the distances to the corners (0, 0), (b, 0) and
    // (a, c): at a corner, or with b·c = 0, the value is the failure value 0.
    const double r1 = x * x + y * y;
    const double r2 = (b - x) * (b - x) + y * y;
    const double r3 = (x - a) * (x - a) + (y - c) * (y - c);
    if (b * c == 0 || r1 == 0 || r2 == 0 || r3 == 0) return 0.0;
    const double w1 = (c * x + (b - a) * y) / (b * c);
    const double w2 = ((b - x) * c + a * y) / (b * c);
    const double w3 = (y - c) / c;
    return w1 * w1 / r1 + w2 * w2 / r2 + w3 * w3 / r3;
}

// Form k at one point. Inlined where k and lower are constants, so that a
// form's column and its point function keep only that form's expression:
// the same operations in the same order, hence the same bits.
[[gnu::always_inline]] inline double FormAt(double x, double y, int k, bool lower,
                                            const SurfaceCoefs& cf) {
    const double* co = lower ? cf.lower : cf.upper;
    const double a = co[0], b = co[1], c = co[2], d = co[3], e = co[4], f = co[5];
    const double g = co[6], h = co[7], i = co[8];
    const double alpha = lower ? cf.alphaLower : cf.alphaUpper;
    const double x2 = x * x, y2 = y * y;
    switch (k) {
    case -1:
        return lower ? -1000.0 : 1000.0;
    case 1:
        return Quadric(co, x, y);
    case 2:
    case 3: {
        const double q = Quadric(co, x, y);
        // Outside the root's domain the two halves stay a small offset apart.
        if (q <= 0) return lower ? 0.02 : -0.02;
        return k == 2 ? std::sqrt(q) : -std::sqrt(q);
    }
    case 4:
        return (a + b * x2 + c * y2) * std::sin(d + e * x2 + f * y2);
    case 5:
        return (a + b * x + c * y) * std::sin(d + e * x + f * y);
    case 6: {
        const double den = d + e * x2 + f * y2;
        return den == 0 ? 0.0 : (a + b * x2 + c * y2) / den;
    }
    case 7:
    case 8: {
        const double q = Quadric(co, x, y);
        if (!(q > 0)) return g - 0.0001;
        return k == 7 ? std::pow(q, alpha) + g : g - std::pow(q, alpha);
    }
    case 9:
        return std::exp(a * x2 + b * x * y + c * y2) * std::cos(d * x + e * y + f);
    case 10: {
        const double den = d * x2 + e * x * y + f * y2;
        return den == 0 ? 0.0 : (a * x2 + b * x * y + c * y2) / std::sqrt(std::fabs(den));
    }
    case 11: {
        const double den = Quadric(cf.lower, x, y);
        return den == 0 ? 0.0 : Quadric(cf.upper, x, y) / den;
    }
    case 12: {
        const double den = d + e * x2 + f * y2;
        return den == 0 ? 0.0 : std::sin(a + b * x2 + c * y2) / den;
    }
    case 13: {
        // (ax² + bxy + cy²)·sin(1/(d + ex² + fy²)), as its menu item and
        // text write it.
        const double den = d + e * x2 + f * y2;
        return den == 0 ? 0.0 : (a * x2 + b * x * y + c * y2) * std::sin(1.0 / den);
    }
    case 14: {
        const double u = x - cf.x0, w = y - cf.y0;
        return a * u * u + b * u * w + c * w * w + d * std::fabs(u) + e * std::fabs(w) + f;
    }
    case 15:
        return a * (x2 - y2) - 2.0 * b * x * y + c * x - d * y + e;
    case 16:
        return std::sin(Quadric(co, x, y));
    case 21:
        return b * (x2 - y2) + 2.0 * a * x * y + c * y + d * x + f;
    case 22: {
        if (!lower) return Quadric(co, x, y);
        const double u = x - cf.x0, w = y - cf.y0;
        return a * u * u + b * u * w + c * w * w + d * u + e * w + f;
    }
    case 23: {
        const double rho = a, s = std::sqrt(1.0 - rho * rho);
        if (c * e * s == 0) return 0.0;
        const double u = (x - b) / c, v = (y - d) / e;
        return std::exp(-0.5 * (u * u - 2.0 * rho * u * v + v * v) / s) * 0.127324 / (c * e * s);
    }
    case 24:
        return Quadric(co, x, y) * (g * x + h * y + i);
    case 25:
        return TriangleWeights(x, y, a, b, c, lower);
    case 26: {
        if (lower) return 0.0;
        const double s = x + y;
        if (s == 0) return 0.0;
        return 1.0 / s - std::trunc(1.0 / s);
    }
    case 30:
        return lower ? d * x + e * y + f : a * x + b * y + c;
    }
    return 0.0;
}

template <int K, bool Lower> double FormPoint(double x, double y, const SurfaceCoefs& cf) {
    return FormAt(x, y, K, Lower, cf);
}

// The grid's rows one after the other, each node `stride` values after the
// last; one value after the other the loop is the plain one that vectorises.
template <int K, bool Lower>
void FormGrid(const double* xs, int nx, const double* ys, int ny, const SurfaceCoefs& coefs,
              double* out, int stride) {
    // A copy the stores cannot reach: the coefficients stay in registers.
    const SurfaceCoefs cf = coefs;
    for (int i = 0; i < nx; ++i) {
        const double x = xs[i];
        double* row = out + std::ptrdiff_t(i) * ny * stride;
        if (stride == 1)
            for (int j = 0; j < ny; ++j) row[j] = FormAt(x, ys[j], K, Lower, cf);
        else
            for (int j = 0; j < ny; ++j)
                row[std::ptrdiff_t(j) * stride] = FormAt(x, ys[j], K, Lower, cf);
    }
}

// The forms -1..30 by k + 1; any other k gives 0 as form 0 does.
constexpr int kFirstForm = -1, kLastForm = 30;
constexpr int kFormSlots = kLastForm - kFirstForm + 1;

template <bool Lower, int... I>
constexpr std::array<SurfaceFormFn, sizeof...(I)> PointTable(std::integer_sequence<int, I...>) {
    return {&FormPoint<I + kFirstForm, Lower>...};
}
template <bool Lower, int... I>
constexpr std::array<SurfaceGridFn, sizeof...(I)> GridTable(std::integer_sequence<int, I...>) {
    return {&FormGrid<I + kFirstForm, Lower>...};
}
constexpr auto kSlots = std::make_integer_sequence<int, kFormSlots>();
constexpr std::array<SurfaceFormFn, kFormSlots> kPoints[2] = {PointTable<false>(kSlots),
                                                              PointTable<true>(kSlots)};
constexpr std::array<SurfaceGridFn, kFormSlots> kGrids[2] = {GridTable<false>(kSlots),
                                                             GridTable<true>(kSlots)};

int FormSlot(int k) {
    return kFirstForm <= k && k <= kLastForm ? k - kFirstForm : 0 - kFirstForm;
}

} // namespace

double EvalSurfaceForm(double x, double y, int k, bool lower, const SurfaceCoefs& cf) {
    return FormAt(x, y, k, lower, cf);
}

SurfaceFormFn SurfaceFormOf(int k, bool lower) {
    return kPoints[lower ? 1 : 0][size_t(FormSlot(k))];
}

SurfaceGridFn SurfaceGridOf(int k, bool lower) {
    return kGrids[lower ? 1 : 0][size_t(FormSlot(k))];
}

bool SurfaceFormIsCostly(int k) {
    static constexpr int kCostly[] = {4, 5, 7, 8, 9, 12, 13, 16, 23};
    return std::find(std::begin(kCostly), std::end(kCostly), k) != std::end(kCostly);
}

TaylorCoefs ComputeTaylorCoefs(double (*f)(void* ctx, double x, double y), void* ctx, double x0,
                               double y0, int n) {
    constexpr int kMax = kMaxTaylorOrder;
    constexpr double kEpsilon = 2.220446049250313e-16;
    TaylorCoefs t;
    t.n = n < 0 ? 0 : (n > kMax ? kMax : n);
    double binom[kMax + 1][kMax + 1] = {};
    double factorial[kMax + 1];
    for (int m = 0; m <= kMax; ++m) {
        binom[m][0] = binom[m][m] = 1;
        for (int j = 1; j < m; ++j) binom[m][j] = binom[m - 1][j - 1] + binom[m - 1][j];
        factorial[m] = m == 0 ? 1 : factorial[m - 1] * m;
    }
    t.c[0][0] = f(ctx, x0, y0);
    for (int m = 1; m <= t.n; ++m) {
        const double h = std::pow(kEpsilon, 1.0 / (m + 2));
        // f at (x0 + p·h, y0 + q·h), −m <= p, q <= m, each point once.
        double at[2 * kMax + 1][2 * kMax + 1];
        bool known[2 * kMax + 1][2 * kMax + 1] = {};
        const auto value = [&](int p, int q) {
            if (!known[p + m][q + m])
                at[p + m][q + m] = f(ctx, x0 + p * h, y0 + q * h), known[p + m][q + m] = true;
            return at[p + m][q + m];
        };
        for (int a = 0; a <= m; ++a) {
            const int b = m - a;
            double sum = 0;
            for (int i = 0; i <= a; ++i)
                for (int j = 0; j <= b; ++j) {
                    const double term = binom[a][i] * binom[b][j] * value(a - 2 * i, b - 2 * j);
                    sum += (i + j) % 2 == 0 ? term : -term;
                }
            t.c[a][b] = sum / std::pow(2 * h, m) / (factorial[a] * factorial[b]);
        }
    }
    return t;
}

namespace {

// Horner in v inside Horner in u, the degree fixed so that the loops unroll:
// a solid's filling evaluates the polynomial at every half pixel.
template <int N> double HornerTaylor(const TaylorCoefs& t, double u, double v) {
    double sum = 0;
    for (int a = N; a >= 0; --a) {
        double row = 0;
        for (int b = N - a; b >= 0; --b) row = row * v + t.c[a][b];
        sum = sum * u + row;
    }
    return sum;
}

} // namespace

double EvalTaylorCoefs(const TaylorCoefs& t, double u, double v) {
    static_assert(kMaxTaylorOrder == 6, "one Horner scheme per degree");
    switch (t.n) {
    case 0:
        return HornerTaylor<0>(t, u, v);
    case 1:
        return HornerTaylor<1>(t, u, v);
    case 2:
        return HornerTaylor<2>(t, u, v);
    case 3:
        return HornerTaylor<3>(t, u, v);
    case 4:
        return HornerTaylor<4>(t, u, v);
    case 5:
        return HornerTaylor<5>(t, u, v);
    case 6:
        return HornerTaylor<6>(t, u, v);
    }
    return 0.0;
}

double EvalTaylorAlongRay(FunctionRef phi, int n) {
    constexpr double kH = 0.001;
    if (n > kMaxTaylorOrder) n = kMaxTaylorOrder;
    // The differences of every order sample φ at k·h, -n <= k <= n: each
    // point is evaluated once, at[n + k].
    double at[2 * kMaxTaylorOrder + 1];
    const int reach = n > 0 ? n : 0;
    for (int k = -reach; k <= reach; ++k) at[reach + k] = phi(k * kH);
    double sum = at[reach];
    // Row m of Pascal's triangle in binom[0..m]; the rest is never read.
    double binom[kMaxTaylorOrder + 1];
    binom[0] = 1.0;
    double factorial = 1.0;
    for (int m = 1; m <= n; ++m) {
        // Next row of Pascal's triangle, right to left in place.
        binom[m] = 1.0;
        for (int j = m - 1; j >= 1; --j) binom[j] += binom[j - 1];
        double deriv = 0.0;
        for (int j = 0; j <= m; ++j) {
            const double term = binom[j] * at[reach + m - 2 * j];
            deriv += (j % 2 == 0) ? term : -term;
        }
        for (int r = 0; r < m; ++r) deriv *= 500.0;
        factorial *= m;
        sum += deriv / factorial;
    }
    return sum;
}

double EvalRampWeight(double x, int mode, int n) {
    // The ramps divide by n (mode 1 by ln n): without a divisor the weight
    // is the plain 1.0.
    if (n == 0 || (mode == 1 && n == 1)) return 1.0;
    const double u = x / n;
    switch (mode) {
    case 1:
        return -std::log(u) / std::log(double(n));
    case 2:
        return u;
    case 3:
        return std::sqrt(std::sqrt(u));
    case 4:
        return (1.0 - std::sin(100.0 * u)) / 2.0;
    case 5:
        return std::exp(std::sin(100.0 * u));
    case 6:
        return x - u * n;
    }
    return 1.0;
}

void EvalSurfaceFormColumn(double x, const double* ys, int n, int k, bool lower,
                           const SurfaceCoefs& cf, double* out) {
    SurfaceGridOf(k, lower)(&x, 1, ys, n, cf, out, 1);
}

} // namespace catalog
