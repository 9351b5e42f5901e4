#include "numeric/math/romberg.h"

#include <cmath>

namespace numeric {

void ComputeRomberg(catalog::FunctionRef f, double a, double b, double eps, RombergTable* t) {
    *t = RombergTable{};
    double h = b - a;
    double points = 1;
    t->r[0][0] = h / 2 * (f(a) + f(b));
    int r = 1;
    for (;; ++r) {
        double sum = 0;
        for (long j = 1; j <= long(points); ++j) sum += f(a + (double(j) - 0.5) * h);
        t->r[r][0] = (t->r[r - 1][0] + h * sum) / 2;
        double p = 4;
        for (int c = 1; c <= r; ++c, p *= 4)
            t->r[r][c] = (p * t->r[r][c - 1] - t->r[r - 1][c - 1]) / (p - 1);
        h /= 2;
        points *= 2;
        if (r == kRombergRows - 1) break;
        if (r >= 2 && !(std::fabs(t->r[r][r] - t->r[r - 1][r - 1]) > eps)) break;
    }
    t->rows = r + 1;
    t->finestPoints = points;
}

} // namespace numeric
