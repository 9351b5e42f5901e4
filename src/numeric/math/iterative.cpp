#include "numeric/math/iterative.h"

#include "numeric/math/rounding.h"

#include <algorithm>
#include <cmath>

namespace numeric {

int ThinningStride(int step) {
    return std::max(step, 0) / 9 + 1;
}

void RunIterative(const IterativeInput& in, IterativeResult* out) {
    IterativeResult& o = *out;
    o = IterativeResult();
    const int n = std::clamp(in.n, 0, kIterMaxOrder);
    const int p = in.precision;
    const auto R = [p](double v) { return RoundSignificant(v, p); };
    o.n = n;
    o.method = in.method >= kJacobi && in.method <= kRelaxation ? in.method : kJacobi;
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) o.m[i][j] = R(in.a[i][j]);
        o.m[i][n] = R(in.a[i][kRhs]);
        o.x0[i] = in.x0 ? in.x0[i] : 0.0;
    }
    const int last = std::min(in.step - 2, kMaxSolverIterations - 1);
    const int stride = ThinningStride(in.step);
    const double w = in.omega;
    double xOld[kIterMaxOrder], xNew[kIterMaxOrder] = {};
    std::copy_n(o.x0, n, xOld);
    for (int k = 0; k <= last; ++k) {
        for (int i = 0; i < n; ++i) {
            const double* row = o.m[i];
            double v =
                o.method == kRelaxation ? R((1 - w) * xOld[i] * row[i] + w * row[n]) : row[n];
            for (int j = 0; j < n; ++j) {
                if (j == i) continue;
                const double xj = o.method != kJacobi && j < i ? xNew[j] : xOld[j];
                const double aij = o.method == kRelaxation ? w * row[j] : row[j];
                v -= R(aij * xj);
            }
            if (row[i] == 0) {
                o.zeroPivot = i;
                return;
            }
            xNew[i] = R(v / row[i]);
        }
        o.done = k + 1;
        if (k % stride == 0 && o.rowCount < kMaxShownRows) {
            IterativeRow& r = o.rows[o.rowCount++];
            r.number = k + 1;
            std::copy_n(xNew, n, r.x);
        }
        if (k == in.step - 2) {
            o.lastReached = true;
            std::copy_n(xNew, n, o.xNew);
            std::copy_n(xOld, n, o.xOld);
        }
        int below = 0;
        bool finite = true;
        for (int i = 0; i < n; ++i) {
            if (std::fabs(xOld[i] - xNew[i]) < in.epsilon) ++below;
            if (!std::isfinite(xNew[i])) finite = false;
        }
        std::copy_n(xNew, n, xOld);
        // A diverging iteration shows its growing values while they are
        // numbers at all.
        if (!finite) {
            o.diverged = true;
            return;
        }
        if (below == n) {
            o.converged = true;
            return;
        }
    }
}

} // namespace numeric
