#include "calculus/math/vessels.h"

#include <cmath>

namespace calculus {

namespace {

constexpr double kNodes[5] = {0.0, -0.5384693101, 0.5384693101, -0.9061798459, 0.9061798459};
constexpr double kWeights[5] = {0.5688888889, 0.4786286705, 0.4786286705, 0.2369268851,
                                0.2369268851};
constexpr double kVesselPi = 3.1416;

} // namespace

double Gauss5Composite(catalog::FunctionRef K, double a, double b, int n) {
    if (n < 1 || !(b > a) || !std::isfinite(a) || !std::isfinite(b)) return 0.0;
    if (n > kMaxGaussPanels) n = kMaxGaussPanels;
    const double h = (b - a) / n;
    double sum = 0;
    // Exactly n panels: an abscissa accumulated by repeated addition can
    // stay below b after n steps and add a panel beyond it.
    for (int i = 0; i < n; ++i) {
        const double x = a + h * i;
        for (int j = 0; j < 5; ++j) sum += kWeights[j] * K(x + h / 2 + h / 2 * kNodes[j]);
    }
    return h / 2 * sum;
}

double VesselRadius(double area) {
    return std::sqrt(std::fabs(area / kVesselPi));
}

} // namespace calculus
