// The simulated finite-precision arithmetic of the matrix demonstrations and
// the rounding of typed data to a count of kept decimals.
#pragma once

namespace numeric {

// Precision code at and above which arithmetic is exact.
constexpr int kExactPrecision = 6;

// `value` rounded to precision + 1 significant digits (precision 1..5 gives
// 2..6 digits); unchanged for precision >= kExactPrecision and for values
// that are not finite. Magnitudes below 1e-10 give 0.
double RoundSignificant(double value, int precision);

// `value` rounded half away from zero to `decimals` decimals, so a negative
// entry mirrors its positive counterpart.
double KeepDecimals(double value, int decimals);

} // namespace numeric
