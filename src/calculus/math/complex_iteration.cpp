#include "calculus/math/complex_iteration.h"

namespace calculus {

// A measured hot loop: it runs for every pixel of a colour plane.
IterationEnd IterateQuadratic(Complex z, Complex A, Complex B, Complex C, int limit, double eps,
                              double M) {
    const double Pre = A.re * B.re - A.im * B.im, Pim = A.im * B.re + A.re * B.im;
    const double eps2 = eps * eps, M2 = M * M;
    double x = z.re, y = z.im, d2 = 0;
    int k = 0;
    do {
        const double x2y2 = x * x - y * y, xy2 = 2 * x * y;
        const double nx = x2y2 * A.re - xy2 * A.im + Pre * x - Pim * y + C.re;
        const double ny = x2y2 * A.im + xy2 * A.re + Pim * x + Pre * y + C.im;
        const double dx = nx - x, dy = ny - y;
        d2 = dx * dx + dy * dy;
        x = nx, y = ny;
        ++k;
    } while (!(d2 <= eps2) && !(d2 >= M2) && k < limit);
    IterationEnd end;
    end.steps = k;
    end.settled = d2 <= eps2;
    end.escaped = d2 >= M2;
    return end;
}

ScanPlan PlanScan(int width, int height, int n, long budget) {
    ScanPlan plan;
    if (n < 1) n = 1;
    if (n > kMaxIterationSteps) n = kMaxIterationSteps;
    if (width < 1 || height < 1) {
        plan.steps = n;
        return plan;
    }
    const int wanted = n < kMinScanSteps ? n : kMinScanSteps;
    for (int cell = 1; cell <= kMaxScanCell; ++cell) {
        const long cells = long((width + cell - 1) / cell) * long((height + cell - 1) / cell);
        const long steps = budget / cells;
        plan.cell = cell;
        plan.steps = steps < n ? int(steps < 1 ? 1 : steps) : n;
        if (plan.steps >= wanted) break;
    }
    return plan;
}

} // namespace calculus
