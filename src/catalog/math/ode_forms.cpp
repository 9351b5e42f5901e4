#include "catalog/math/ode_forms.h"

#include <cmath>

namespace catalog {

namespace {

double Quadric(const double* k, double x, double y) {
    return k[0] * x * x + k[1] * x * y + k[2] * y * y + k[3] * x + k[4] * y + k[5];
}

// Forms 1..8 share their shape between the two orders: u and v are (x, y)
// for the first order and (y, y') for the second.
double SharedForm(double u, double v, int k, const double* c) {
    const double a = c[0], b = c[1], cc = c[2], d = c[3], e = c[4], f = c[5];
    const double lin = a * u + b * v + cc;
    switch (k) {
    case 1:
        return Quadric(c, u, v);
    case 2: {
        const double den = d * u + e * v + f;
        return std::fabs(den) <= 1e-4 ? 1000.0 : lin / den;
    }
    case 3: {
        // A vanishing denominator gives the 1000 of form 2.
        const double den = d * u * u + e * u * v + f * v * v;
        return den == 0 ? 1000.0 : (a * u * u + b * u * v + cc * v * v) / den;
    }
    case 4:
        return lin + std::sin(d * u * u + e * u * v + f * v * v);
    case 5:
        return lin + std::cos(d * u * u + e * u * v + f * v * v);
    case 6:
        return lin + std::sqrt(std::fabs(d * u * u + e * u * v + f * v * v));
    case 7:
        return lin + std::sin(d * u + e * v + f);
    case 8:
        return lin + std::cos(d * u + e * v + f);
    }
    return 0.0;
}

} // namespace

double EvalFirstOrderForm(double x, double y, int k, const double coef[6],
                          const double lowerCoef[6]) {
    if (k >= 1 && k <= 8) return SharedForm(x, y, k, coef);
    if (k == 9) {
        const double den = Quadric(lowerCoef, x, y);
        return den == 0 ? 0.0 : Quadric(coef, x, y) / den;
    }
    return y;
}

double EvalDrainingVessel(double y, double a, double area) {
    if (y <= 0) return -1.0;
    return -0.62 * a * std::sqrt(19.6 * y) / (std::fabs(area) + 0.001);
}

double EvalSecondOrderForm(double x, double y, double p, int k, const double coef[6]) {
    const double a = coef[0], b = coef[1], c = coef[2], d = coef[3], e = coef[4];
    if (k >= 1 && k <= 8) return SharedForm(y, p, k, coef);
    switch (k) {
    case 9: // Painlevé V; 0 at its singular points, as forms 12..14
        if (x == 0 || y == 0 || y == 1.0) return 0.0;
        return (0.5 / y + 1.0 / (y - 1.0)) * p * p - p / x +
               (y - 1.0) * (y - 1.0) * (a * y + b / y) / (x * x) + c * y / x -
               d * y * (y + 1.0) / (y - 1.0);
    case 10:
        return 6.0 * y * y + x; // Painlevé I
    case 11:
        return 2.0 * y * y * y + x * y + a; // Painlevé II
    case 12:                                // Painlevé III
        if (x * y == 0) return 0.0;
        return p * p / y - p / x + (a * y * y + b) / x + c * y * y * y + d / y;
    case 13: // Painlevé IV
        if (y == 0) return 0.0;
        return 0.5 * p * p / y + 1.5 * y * y * y + 4.0 * x * y * y + 2.0 * (x * x - a) * y + b / y;
    case 14: { // Painlevé VI
        if (y * (y - 1.0) * x * (x - 1.0) * (y - x) == 0) return 0.0;
        const double ym = y - 1.0, xm = x - 1.0, yx = y - x;
        return 0.5 * p * p * (1.0 / y + 1.0 / ym + 1.0 / yx) - (1.0 / x + 1.0 / xm + 1.0 / yx) * p +
               y * ym * yx / (x * x * xm * xm) *
                   (a + b * x / (y * y) + c * xm / (ym * ym) + d * x * xm / (yx * yx));
    }
    case 15:
        return -a * p - b * y - c * y * y * y + d * std::cos(e * x); // Duffing
    case 17:
        if (x * x == 0) return 0.0;
        return -p / x - (a - b / (x * x)) * y;
    }
    return 0.0;
}

double EvalBallOnCurve(double p, double slope, double curvature, double gravity, double lambda,
                       double mu) {
    const double w = slope / (slope * slope + 1.0);
    return -(curvature * p * p + gravity / (0.4 * lambda * lambda + 1.0)) * w - mu * p;
}

} // namespace catalog
