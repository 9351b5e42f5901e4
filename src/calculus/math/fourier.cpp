#include "calculus/math/fourier.h"

#include <cmath>

namespace calculus {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kGaussPoints = 5;
constexpr double kNode[kGaussPoints] = {-0.9061798459, -0.5384693101, 0.0, 0.5384693101,
                                        0.9061798459};
constexpr double kWeight[kGaussPoints] = {0.2369268851, 0.4786286705, 0.5688888889, 0.4786286705,
                                          0.2369268851};
constexpr int kSamples = kFourierPanels * kGaussPoints;
// Points of the partial sums handled together: their rotation state stays in
// the first-level cache while all the terms are added.
constexpr int kSumBlock = 256;

bool UsablePeriod(double T) {
    return T > 0 && std::isfinite(T);
}

// The Gauss nodes of the composite rule over [−T/2, T/2] with their weights
// (half-width included).
template <class Visit> void ForEachNode(double T, Visit visit) {
    const double h = T / kFourierPanels, r = h / 2;
    for (int p = 0; p < kFourierPanels; ++p) {
        const double mid = -T / 2 + (p + 0.5) * h;
        for (int i = 0; i < kGaussPoints; ++i) visit(mid + kNode[i] * r, kWeight[i] * r);
    }
}

int ClampTerms(int n) {
    return n < 0 ? 0 : n > kFourierMaxTerms ? kFourierMaxTerms : n;
}

} // namespace

double FourierIntegral(FunctionRef F, double T, double k, int kind) {
    if ((kind != 0 && kind != 1) || !UsablePeriod(T)) return 0;
    const double w = 2 * k * kPi / T;
    double sum = 0;
    ForEachNode(T, [&](double t, double weight) {
        sum += weight * F(t) * (kind == 0 ? std::cos(w * t) : std::sin(w * t));
    });
    return sum;
}

// A measured hot loop: 5000 samples times up to 500 terms. Each sample keeps
// cos kθ and sin kθ and turns them by θ for the next term; four partial sums
// per coefficient keep the additions independent.
void FourierCoefficients(FunctionRef F, double T, int n, double* a, double* b) {
    n = ClampTerms(n);
    for (int k = 0; k <= n; ++k) a[k] = b[k] = 0;
    if (!UsablePeriod(T)) return;

    static thread_local double wf[kSamples], c1[kSamples], s1[kSamples], c[kSamples], s[kSamples];
    int m = 0;
    double mean = 0;
    ForEachNode(T, [&](double t, double weight) {
        const double value = weight * F(t);
        const double theta = 2 * kPi * t / T;
        wf[m] = value;
        c1[m] = c[m] = std::cos(theta);
        s1[m] = s[m] = std::sin(theta);
        mean += value;
        ++m;
    });
    a[0] = mean / T;
    const double scale = 2 / T;
    for (int k = 1; k <= n; ++k) {
        double ca[4] = {}, sb[4] = {};
        for (int j = 0; j < kSamples; j += 4) {
            for (int q = 0; q < 4; ++q) {
                const int i = j + q;
                ca[q] += wf[i] * c[i];
                sb[q] += wf[i] * s[i];
                const double cn = c[i] * c1[i] - s[i] * s1[i];
                s[i] = s[i] * c1[i] + c[i] * s1[i];
                c[i] = cn;
            }
        }
        a[k] = scale * ((ca[0] + ca[1]) + (ca[2] + ca[3]));
        b[k] = scale * ((sb[0] + sb[1]) + (sb[2] + sb[3]));
    }
}

// A measured hot loop: up to 10,000 points times 500 terms, blocked so the
// rotation state of a block stays in cache while every term is added.
void FourierPartialSums(const double* a, const double* b, int n, double T, double x0, double dx,
                        int count, double* out) {
    n = ClampTerms(n);
    const double omega = UsablePeriod(T) ? 2 * kPi / T : 0;
    double c1[kSumBlock], s1[kSumBlock], c[kSumBlock], s[kSumBlock], sum[kSumBlock];
    for (int start = 0; start < count; start += kSumBlock) {
        const int len = count - start < kSumBlock ? count - start : kSumBlock;
        for (int i = 0; i < len; ++i) {
            const double theta = omega * (x0 + (start + i) * dx);
            c1[i] = c[i] = std::cos(theta);
            s1[i] = s[i] = std::sin(theta);
            sum[i] = a[0];
        }
        for (int k = 1; k <= n; ++k) {
            const double ak = a[k], bk = b[k];
            for (int i = 0; i < len; ++i) {
                sum[i] += ak * c[i] + bk * s[i];
                const double cn = c[i] * c1[i] - s[i] * s1[i];
                s[i] = s[i] * c1[i] + c[i] * s1[i];
                c[i] = cn;
            }
        }
        for (int i = 0; i < len; ++i) out[start + i] = sum[i];
    }
}

} // namespace calculus
