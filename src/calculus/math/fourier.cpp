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

// A measured hot loop: 5000 samples times up to 500 terms. The nodes lie
// symmetric about 0, so each pair (t, −t) adds its even part to the cosine
// and its odd part to the sine coefficients: half the samples. Each pair
// keeps cos kθ and sin kθ and turns them by θ for the next term; four
// partial sums per coefficient keep the additions independent.
void FourierCoefficients(FunctionRef F, double T, int n, double* a, double* b) {
    n = ClampTerms(n);
    for (int k = 0; k <= n; ++k) a[k] = b[k] = 0;
    if (!UsablePeriod(T)) return;

    constexpr int kPairs = kSamples / 2;
    static thread_local double even[kPairs], odd[kPairs], c1[kPairs], s1[kPairs], c[kPairs],
        s[kPairs];
    const double h = T / kFourierPanels, r = h / 2;
    double mean = 0;
    int m = 0;
    for (int p = 0; p < kFourierPanels / 2; ++p) {
        const double mid = -T / 2 + (p + 0.5) * h;
        for (int i = 0; i < kGaussPoints; ++i, ++m) {
            const double t = mid + kNode[i] * r, weight = kWeight[i] * r;
            const double left = weight * F(t), right = weight * F(-t);
            const double theta = 2 * kPi * t / T;
            even[m] = left + right;
            odd[m] = left - right;
            c1[m] = c[m] = std::cos(theta);
            s1[m] = s[m] = std::sin(theta);
            mean += even[m];
        }
    }
    a[0] = mean / T;
    const double scale = 2 / T;
    for (int k = 1; k <= n; ++k) {
        double ca[4] = {}, sb[4] = {};
        for (int j = 0; j < kPairs; j += 4) {
            for (int q = 0; q < 4; ++q) {
                const int i = j + q;
                ca[q] += even[i] * c[i];
                sb[q] += odd[i] * s[i];
                const double cn = c[i] * c1[i] - s[i] * s1[i];
                s[i] = s[i] * c1[i] + c[i] * s1[i];
                c[i] = cn;
            }
        }
        a[k] = scale * ((ca[0] + ca[1]) + (ca[2] + ca[3]));
        b[k] = scale * ((sb[0] + sb[1]) + (sb[2] + sb[3]));
    }
}

// A measured hot loop: up to 10,000 points times 500 terms, by Clenshaw's
// recurrence u_k = a_k + 2cosθ·u_{k+1} − u_{k+2} (and v_k with b_k), so that
// S = a_0 + u_1·cosθ − u_2 + v_1·sinθ. Two terms per sweep, the two state
// arrays taking turns, and blocks whose state stays in cache; the blocks are
// always full (the points past the end are computed and dropped) so the
// inner loop has a fixed length the compiler vectorizes.
void FourierPartialSums(const double* a, const double* b, int n, double T, double x0, double dx,
                        int count, double* out) {
    n = ClampTerms(n);
    const double omega = UsablePeriod(T) ? 2 * kPi / T : 0;
    double cosine[kSumBlock], sine[kSumBlock], twice[kSumBlock];
    double up[kSumBlock], uq[kSumBlock], vp[kSumBlock], vq[kSumBlock];
    for (int start = 0; start < count; start += kSumBlock) {
        for (int i = 0; i < kSumBlock; ++i) {
            const double theta = omega * (x0 + (start + i) * dx);
            cosine[i] = std::cos(theta);
            sine[i] = std::sin(theta);
            twice[i] = 2 * cosine[i];
            up[i] = uq[i] = vp[i] = vq[i] = 0;
        }
        // (p, q) hold (u_{k+1}, u_{k+2}) before the sweep over k, k − 1 and
        // (u_{k−1}, u_k) after it.
        int k = n;
        for (; k >= 2; k -= 2) {
            const double ak = a[k], bk = b[k], aj = a[k - 1], bj = b[k - 1];
            for (int i = 0; i < kSumBlock; ++i) {
                const double t = twice[i];
                const double uk = ak + t * up[i] - uq[i], vk = bk + t * vp[i] - vq[i];
                uq[i] = uk;
                vq[i] = vk;
                up[i] = aj + t * uk - up[i];
                vp[i] = bj + t * vk - vp[i];
            }
        }
        const int len = count - start < kSumBlock ? count - start : kSumBlock;
        for (int i = 0; i < len; ++i) {
            double u1 = up[i], u2 = uq[i], v1 = vp[i];
            if (k == 1) {
                // The odd term left over: u_1 from u_2 = p and u_3 = q.
                u2 = up[i];
                u1 = a[1] + twice[i] * up[i] - uq[i];
                v1 = b[1] + twice[i] * vp[i] - vq[i];
            }
            out[start + i] = a[0] + u1 * cosine[i] - u2 + v1 * sine[i];
        }
    }
}

} // namespace calculus
