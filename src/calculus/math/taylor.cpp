#include "calculus/math/taylor.h"

#include <cmath>

namespace calculus {

namespace {

int Capped(int n, int cap) {
    return n < 0 ? 0 : n > cap ? cap : n;
}

} // namespace

void PowerCoefficients(double alpha, double b, FunctionRef valueAt, int n, double* C) {
    n = Capped(n, kMaxClosedFormOrder);
    C[0] = valueAt(alpha);
    double B = 1, K = 1, lowered = alpha;
    for (int i = 1; i <= n; ++i) {
        lowered -= 1;
        B *= b;
        K *= (lowered + 1) / i;
        C[i] = B * K * valueAt(lowered);
    }
}

void ExponentialCoefficients(double alpha, double b, double f0, int n, double* C) {
    n = Capped(n, kMaxClosedFormOrder);
    const double rate = std::log(alpha) * b;
    C[0] = 1;
    for (int i = 1; i <= n; ++i) C[i] = rate * C[i - 1] / i;
    for (int i = 0; i <= n; ++i) C[i] *= f0;
}

void LogarithmCoefficients(double alpha, double b, double c, double x0, double f0, int n,
                           double* C) {
    n = Capped(n, kMaxClosedFormOrder);
    C[0] = f0;
    if (n < 1) return;
    const double D = b * x0 + c, L = std::log(alpha);
    C[1] = b / (D * L);
    double A = b / D, sign = 1;
    for (int i = 2; i <= n; ++i) {
        sign = -sign;
        A *= b / D;
        C[i] = sign * A / (i * L);
    }
}

void SineCosineCoefficients(bool cosine, double x0, int n, double* C) {
    n = Capped(n, kMaxClosedFormOrder);
    // 1, 1, −1/2!, −1/3!, 1/4!, 1/5!, … : the even and odd series about x0.
    C[0] = C[1] = 1;
    for (int i = 2; i <= n; i += 2) {
        C[i] = -C[i - 2] / ((i - 1) * i);
        C[i + 1] = -C[i - 1] / (i * (i + 1));
    }
    const double s = std::sin(x0), c = std::cos(x0);
    for (int i = 0; i <= n; i += 2) {
        C[i] *= cosine ? c : s;
        C[i + 1] *= cosine ? -s : c;
    }
}

void ReciprocalCoefficients(double e, double f, double x0, double f0, int n, double* C) {
    n = Capped(n, kMaxClosedFormOrder);
    C[0] = f0;
    const double D = e * x0 + f;
    double power = 1, Dpower = D;
    for (int i = 1; i <= n; ++i) {
        power *= -e;
        Dpower *= D;
        C[i] = power / Dpower;
    }
}

void DifferenceCoefficients(FunctionRef F, double x0, int n, double* C) {
    n = Capped(n, kMaxDifferenceOrder);
    const double h = kTaylorDifferenceStep, scale = 1 / (2 * h);
    C[0] = F(x0);
    // Binomial row of the current order, built from the row before.
    double row[kMaxDifferenceOrder + 1] = {1, 1};
    double factorial = 1;
    for (int i = 1; i <= n; ++i) {
        if (i > 1) {
            row[i] = 1;
            for (int j = i - 1; j > 0; --j) row[j] += row[j - 1];
        }
        double sum = 0, sign = 1;
        for (int j = 0; j <= i; ++j, sign = -sign) sum += sign * row[j] * F(x0 + (i - 2 * j) * h);
        for (int j = 0; j < i; ++j) sum *= scale;
        factorial *= i;
        C[i] = sum / factorial;
    }
}

double TaylorValue(const double* C, int n, double x0, double x) {
    const double u = x - x0;
    double power = 1, sum = 0;
    for (int i = 0; i <= n; ++i) {
        sum += C[i] * power;
        power *= u;
    }
    return sum;
}

} // namespace calculus
