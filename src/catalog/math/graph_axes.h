// Number formats and tick places of the axes of the plane graph.
#pragma once

namespace catalog {

// Ticks per axis: the two ends and three between, a quarter span apart.
constexpr int kAxisTickCount = 5;

// Decimals of the axis numbers of the range [lo, hi]: 3 when both ends lie
// below 0.1 in size, 2 below 1, 1 below 10, else 0.
int AxisDecimals(double lo, double hi);

// Integer digits counted for the width of the numbers, used only when the
// numbers have no decimals: `base`, one more when an end exceeds 10 in
// size, two more beyond 100, three beyond 1000. The x axis starts at 1, the
// y axis at 0.
int AxisDigits(double lo, double hi, int base);

// Tick i (0 .. kAxisTickCount - 1) of the range: lo + i·(hi − lo)/4.
double AxisTick(double lo, double hi, int i);

} // namespace catalog
