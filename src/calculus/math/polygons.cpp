#include "calculus/math/polygons.h"

#include <cmath>

namespace calculus {

double InscribedPolygonArea(int n, double r) {
    if (n < 3) return 0.0;
    const double twoPi = 2.0 * std::acos(-1.0);
    return r * r * n * std::sin(twoPi / n) / 2.0;
}

int DoubledCapped(int n, int cap) {
    if (n >= cap / 2) return n > cap ? n : cap;
    return 2 * n;
}

} // namespace calculus
