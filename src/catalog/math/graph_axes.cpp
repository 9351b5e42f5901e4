#include "catalog/math/graph_axes.h"

#include <cmath>

namespace catalog {

namespace {

// How far, in units of the last decimal, a tick may lie from a written
// value and still be that value: the ticks' own rounding is far below it.
constexpr double kExactTolerance = 1e-6;
// A quarter that is a power of ten within rounding needs no more decimals.
constexpr double kDecimalSlack = 1e-9;
// A quarter point written with the axis's decimals may move its tick by
// less than a fifth of a quarter: the ticks still read as evenly spaced.
constexpr double kQuarterShift = 0.19;

// 10 to the decimals: a whole number, so that a tick scaled by it and back
// keeps its written digits (0.75 scales to 7.5 exactly, not 7.4999...).
double Scale(int decimals) {
    return std::pow(10.0, decimals);
}

} // namespace

int AxisDecimals(double lo, double hi) {
    const double a = std::fabs(lo), b = std::fabs(hi);
    int d = 0;
    if (a < 0.1 && b < 0.1)
        d = 3;
    else if (a < 1 && b < 1)
        d = 2;
    else if (a < 10 && b < 10)
        d = 1;
    // A narrow range far from 0 (its ends stepped together) takes the
    // decimals in which a quarter of it spans a unit of the last one: its
    // numbers stay apart.
    const double quarter = (hi - lo) / 4;
    if (quarter > 0 && std::isfinite(quarter)) {
        const double need = std::ceil(-std::log10(quarter) - kDecimalSlack);
        if (need > d) d = int(std::fmin(need, kMaxTickDecimals));
    }
    return d;
}

int AxisDigits(double lo, double hi, int base) {
    const double m = std::fmax(std::fabs(lo), std::fabs(hi));
    if (m > 1000) return base + 3;
    if (m > 100) return base + 2;
    if (m > 10) return base + 1;
    return base;
}

double AxisTick(double lo, double hi, int i) {
    return lo + i * ((hi - lo) / 4);
}

int ExactDecimals(double v, int least) {
    if (!std::isfinite(v)) return -1;
    for (int d = least < 0 ? 0 : least; d <= kMaxTickDecimals; ++d) {
        const double q = v * Scale(d);
        if (std::fabs(q - std::round(q)) < kExactTolerance) return d;
    }
    return -1;
}

bool LabelledTick(double lo, double hi, int i, int least, const TickLabelFits& fits,
                  AxisTickLabel* out) {
    if (!(lo < hi) || !std::isfinite(lo) || !std::isfinite(hi)) return false;
    if (least < 0) least = 0;
    const double t = AxisTick(lo, hi, i);
    const int d = ExactDecimals(t, least);
    if (d == least || (d > least && fits(t, d))) {
        *out = {t, d};
        return true;
    }
    if (least > kMaxTickDecimals) return false;
    const double scale = Scale(least);
    double q = t * scale;
    // A quarter point takes the nearest value its axis's decimals write when
    // that moves it only a little, else goes without a number; the ends and
    // the middle keep theirs.
    if (i % 2 == 1) {
        const double v = std::round(q) / scale;
        if (!(std::fabs(v - t) <= kQuarterShift * (hi - lo) / 4)) return false;
        *out = {v, least};
        return true;
    }
    // A value within the tolerance of a written one counts as that value.
    const double nearest = std::round(q);
    if (std::fabs(q - nearest) < kExactTolerance)
        q = nearest;
    else if (i == 0)
        q = std::ceil(q);
    else if (i == kAxisTickCount - 1)
        q = std::floor(q);
    else
        q = nearest;
    const double v = q / scale;
    const double slack = kExactTolerance / scale;
    if (!(lo - slack <= v && v <= hi + slack)) return false;
    *out = {v, least};
    return true;
}

} // namespace catalog
