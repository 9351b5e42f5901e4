#include "catalog/math/classical_curves.h"

#include <cmath>

namespace catalog {

void EllipseFoci(double a, double b, PlanePoint* f1, PlanePoint* f2) {
    if (std::fabs(a) <= std::fabs(b)) {
        const double c = std::sqrt(b * b - a * a);
        *f1 = {0, c};
        *f2 = {0, -c};
    } else {
        const double c = std::sqrt(a * a - b * b);
        *f1 = {c, 0};
        *f2 = {-c, 0};
    }
}

double FocalDistanceSum(PlanePoint p, PlanePoint f1, PlanePoint f2) {
    return std::hypot(p.x - f1.x, p.y - f1.y) + std::hypot(p.x - f2.x, p.y - f2.y);
}

void HyperbolaFoci(double a, double b, bool realAxisX, PlanePoint* f1, PlanePoint* f2) {
    const double c = std::sqrt(a * a + b * b);
    if (realAxisX) {
        *f1 = {c, 0};
        *f2 = {-c, 0};
    } else {
        *f1 = {0, c};
        *f2 = {0, -c};
    }
}

double HyperbolaDistanceDifference(PlanePoint p, double c, bool realAxisX) {
    const double u = realAxisX ? std::fabs(p.x) : std::fabs(p.y);
    const double v = realAxisX ? p.y : p.x;
    return std::sqrt((u + c) * (u + c) + v * v) - std::sqrt((u - c) * (u - c) + v * v);
}

bool ParabolaFocus(double A, double D, double F, bool sideways, PlanePoint* focus,
                   double* directrix) {
    if (!(std::fabs(A) >= 0.1)) return false;
    const double along = -0.5 * D / A;                     // the axis of the parabola
    const double across = 0.25 / A + F - 0.25 * D * D / A; // the focus on that axis
    *focus = sideways ? PlanePoint{across, along} : PlanePoint{along, across};
    *directrix = across - 0.5 / A;
    return true;
}

bool LemniscateFoci(double d, PlanePoint* f1, PlanePoint* f2) {
    if (d > 0) {
        const double c = std::sqrt(d / 2);
        *f1 = {c, 0};
        *f2 = {-c, 0};
        return true;
    }
    if (d < 0) {
        const double c = std::sqrt(-d / 2);
        *f1 = {0, c};
        *f2 = {0, -c};
        return true;
    }
    return false;
}

} // namespace catalog
