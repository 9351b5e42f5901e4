// Loops over a real parameter count their points before they start: a
// script's range can be so wide, or its step so small, that adding the step
// no longer moves the variable, and a loop that waits for the variable to
// pass its end would then run to whatever cap it has. The point of index i
// is from + i·step, so every point moves even where from is huge.
#pragma once

#include <algorithm>
#include <cmath>

namespace steps {

// The points from, from + step, … that lie before `to` (up to and including
// it with `includeEnd`), at most `cap`; none for a step that is not positive
// and finite or a range that is not finite. A point within a millionth of a
// step of the end counts as the end, so the count does not hang on the
// rounding of the quotient.
inline long Count(double from, double to, double step, long cap, bool includeEnd) {
    if (!(step > 0) || !std::isfinite(step) || !std::isfinite(from) || !std::isfinite(to) ||
        cap <= 0)
        return 0;
    const double q = (to - from) / step;
    if (!std::isfinite(q)) return cap; // a range wider than a double holds
    constexpr double kSlack = 1e-6;
    const double n = includeEnd ? std::floor(q + kSlack) + 1 : std::ceil(q - kSlack);
    if (!(n > 0)) return 0;
    return n >= double(cap) ? cap : long(n);
}

// The same, for a loop that steps down from `from` to `to`.
inline long CountDown(double from, double to, double step, long cap, bool includeEnd) {
    return Count(-from, -to, step, cap, includeEnd);
}

// Shrinks counts of nested loops (each kept at least 1) so that together
// they visit at most `total` points: the loops are bounded as a whole, not
// each by its own cap.
inline void FitProduct(long* counts, int n, double total) {
    for (int round = 0; round < 4; ++round) {
        double product = 1;
        int free = 0;
        for (int i = 0; i < n; ++i) {
            product *= double(counts[i]);
            if (counts[i] > 1) ++free;
        }
        if (product <= total || free == 0) return;
        const double f = std::pow(total / product, 1.0 / free);
        for (int i = 0; i < n; ++i)
            if (counts[i] > 1) counts[i] = std::max(1L, long(double(counts[i]) * f));
    }
}

} // namespace steps
