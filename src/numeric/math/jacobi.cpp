#include "numeric/math/jacobi.h"

#include "numeric/math/rounding.h"

#include <algorithm>
#include <cmath>

namespace numeric {

void RunJacobi(const JacobiInput& in, JacobiResult* out) {
    JacobiResult& o = *out;
    o = JacobiResult();
    const int n = std::clamp(in.n, kJacobiMinOrder, kJacobiMaxOrder);
    const int prec = in.precision;
    const auto R = [prec](double x) { return RoundSignificant(x, prec); };
    o.n = n;
    auto& a = o.a;
    auto& J = o.j;
    for (int i = 0; i < n; ++i)
        for (int k = 0; k < n; ++k) {
            a[i][k] = R(in.a[i][k]);
            o.v[i][k] = i == k ? 1.0 : 0.0;
        }
    const int target = std::min(std::max(in.step, 1), 2 * kMaxJacobiRotations);
    int c = 0;
    for (;;) {
        ++c;
        for (int i = 0; i < n; ++i)
            for (int k = 0; k < n; ++k) J[i][k] = i == k ? 1.0 : 0.0;
        int p = -1, q = -1;
        double largest = in.epsilon;
        for (int i = 0; i < n; ++i)
            for (int k = i + 1; k < n; ++k)
                if (std::fabs(a[i][k]) > largest) largest = std::fabs(a[i][k]), p = i, q = k;
        if (p < 0) {
            o.final = true;
            return;
        }
        const double d = R((a[p][p] - a[q][q]) * 0.5 / a[p][q]);
        const double root = std::sqrt(d * d + 1);
        const double t = d > 0 ? R(root - d) : R(-root - d);
        const double co = R(1 / std::sqrt(t * t + 1));
        const double si = R(t * co);
        J[p][p] = J[q][q] = co;
        J[p][q] = si;
        J[q][p] = -si;
        o.p = p, o.q = q, o.after = false;
        if (c >= target) return;

        ++c;
        const double app = a[p][p], aqq = a[q][q], apq = a[p][q];
        a[p][p] = R(co * co * app + si * si * aqq + 2 * co * si * apq);
        a[q][q] = R(si * si * app + co * co * aqq - 2 * co * si * apq);
        for (int k = 0; k < n; ++k) {
            if (k == p || k == q) continue;
            const double apk = a[p][k], aqk = a[q][k];
            a[p][k] = a[k][p] = R(co * apk + si * aqk);
            a[q][k] = a[k][q] = R(-si * apk + co * aqk);
        }
        a[p][q] = a[q][p] = 0;
        for (int k = 0; k < n; ++k) {
            const double vp = o.v[p][k], vq = o.v[q][k];
            o.v[p][k] = co * vp + si * vq;
            o.v[q][k] = -si * vp + co * vq;
        }
        ++o.rotations;
        o.after = true;
        if (c >= target) return;
    }
}

} // namespace numeric
