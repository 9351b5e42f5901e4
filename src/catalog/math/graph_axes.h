// Number formats and tick places of the axes of the plane graph.
#pragma once

#include <functional>

namespace catalog {

// Ticks per axis: the two ends and three between, a quarter span apart.
constexpr int kAxisTickCount = 5;

// Decimals of the axis numbers of the range [lo, hi]: 3 when both ends lie
// below 0.1 in size, 2 below 1, 1 below 10, else 0; more where a quarter of
// the range is shorter than a unit of the last decimal (at most
// kMaxTickDecimals).
int AxisDecimals(double lo, double hi);

// Integer digits counted for the width of the numbers, used only when the
// numbers have no decimals: `base`, one more when an end exceeds 10 in
// size, two more beyond 100, three beyond 1000. The x axis starts at 1, the
// y axis at 0.
int AxisDigits(double lo, double hi, int base);

// Tick i (0 .. kAxisTickCount - 1) of the range: lo + i·(hi − lo)/4.
double AxisTick(double lo, double hi, int i);

// Most decimals a tick number is written with.
constexpr int kMaxTickDecimals = 6;

// The fewest decimals from `least` on (at most kMaxTickDecimals) that write
// v exactly: 0.15 takes 2, 0.5 with least 1 takes 1; -1 when none does.
int ExactDecimals(double v, int least);

// A tick with its number: the value it stands at and is written as.
struct AxisTickLabel {
    double value;
    int decimals;
};

// Whether a number of that value and decimals fits where it is written.
using TickLabelFits = std::function<bool(double value, int decimals)>;

// Tick i of [lo, hi] as labelled: its quarter point, with the fewest
// decimals from `least` on that write it exactly, when `fits` takes that
// number. Otherwise every tick takes the value nearest it that `least`
// decimals write (the ends rounded inward), which it then stands at; the
// two quarter points between only where that moves them by less than a
// fifth of a quarter, else they go without a number. Every label is the
// value of its tick. False for a tick without one.
bool LabelledTick(double lo, double hi, int i, int least, const TickLabelFits& fits,
                  AxisTickLabel* out);

} // namespace catalog
