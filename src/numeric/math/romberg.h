// The Romberg table: trapezoid values on halved grids and their Richardson
// extrapolations.
#pragma once

#include "catalog/math/function_ref.h"

namespace numeric {

constexpr int kRombergRows = 20;

struct RombergTable {
    double r[kRombergRows][kRombergRows] = {}; // r[row][level], level <= row
    int rows = 0;                              // rows computed, 3..kRombergRows
    double finestPoints = 1;                   // midpoints of the last row (2^(rows-1))
};

// Rows are added until two successive diagonal values agree within eps
// (from the third row on) or the table is full; a difference that is not a
// number ends it too.
void ComputeRomberg(catalog::FunctionRef f, double a, double b, double eps, RombergTable* t);

} // namespace numeric
