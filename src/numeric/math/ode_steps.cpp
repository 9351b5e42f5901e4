#include "numeric/math/ode_steps.h"

#include <cmath>

namespace numeric {

void EulerStep(const OdeRightSides& f, int method, double x, double y, double h, double* result) {
    const double k = f.Single(x, y);
    if (method == 0) {
        *result = y + h * k;
    } else if (method == 1) {
        const double p = y + h * k;
        *result = y + h / 2 * (k + f.Single(x + h, p));
    }
}

namespace {

// The two components advance together; a single equation ignores z.
struct Pair {
    double y, z;
};

Pair Slope(const OdeRightSides& f, bool system, double x, double y, double z) {
    if (!system) return {f.Single(x, y), 0};
    return {f.F(x, y, z), f.G(x, y, z)};
}

Pair RungeKutta(const OdeRightSides& f, bool system, double x, double y, double z, double h) {
    const Pair k1 = Slope(f, system, x, y, z);
    const Pair k2 = Slope(f, system, x + h / 2, y + h * k1.y / 2, z + h * k1.z / 2);
    const Pair k3 = Slope(f, system, x + h / 2, y + h * k2.y / 2, z + h * k2.z / 2);
    const Pair k4 = Slope(f, system, x + h, y + h * k3.y, z + h * k3.z);
    return {y + h * (k1.y + 2 * k2.y + 2 * k3.y + k4.y) / 6,
            z + h * (k1.z + 2 * k2.z + 2 * k3.z + k4.z) / 6};
}

Pair Adams(const OdeRightSides& f, bool system, int method, double x, double y, double z, double h,
           const OdeHistory hist) {
    // Earlier points x - jh with their values from the history (slot 3 - j).
    Pair back[4];
    back[0] = Slope(f, system, x, y, z);
    for (int j = 1; j <= 3; ++j)
        back[j] = Slope(f, system, x - j * h, hist[0][3 - j], hist[1][3 - j]);
    const Pair p = {y + h / 24 * (55 * back[0].y - 59 * back[1].y + 37 * back[2].y - 9 * back[3].y),
                    z + h / 24 *
                            (55 * back[0].z - 59 * back[1].z + 37 * back[2].z - 9 * back[3].z)};
    if (method != 1) return p;
    const Pair next = Slope(f, system, x + h, p.y, p.z);
    return {y + h / 24 * (9 * next.y + 19 * back[0].y - 5 * back[1].y + back[2].y),
            z + h / 24 * (9 * next.z + 19 * back[0].z - 5 * back[1].z + back[2].z)};
}

} // namespace

void RungeKuttaAdamsStep(const OdeRightSides& f, int method, int kind, double x, double y, double z,
                         double h, double x0, OdeHistory history, double result[2]) {
    if (kind != 0 && kind != 1) return;
    const bool system = kind == 1;
    const bool adams = method != 0 && std::fabs(x - x0) >= 4 * std::fabs(h);
    const Pair r =
        adams ? Adams(f, system, method, x, y, z, h, history) : RungeKutta(f, system, x, y, z, h);
    result[0] = r.y;
    if (system) result[1] = r.z;
    if (method != 0) {
        const double start[2] = {y, z};
        for (int c = 0; c < 2; ++c) {
            history[c][0] = history[c][1];
            history[c][1] = history[c][2];
            history[c][2] = start[c];
        }
    }
}

} // namespace numeric
