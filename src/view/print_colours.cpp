#include "view/print_colours.h"

#include <algorithm>

namespace {

// A grey at least this bright is screen text (white on a dark ground): it
// prints black rather than grey.
constexpr int kNearWhiteLuma = 224;
constexpr int kGreySpread = 32;

} // namespace

COLORREF PrintableColour(COLORREF c) {
    const int r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
    const int luma = (299 * r + 587 * g + 114 * b) / 1000;
    if (luma <= kMaxPrintLuma) return c;
    const int spread = std::max({r, g, b}) - std::min({r, g, b});
    if (spread < kGreySpread && luma >= kNearWhiteLuma) return RGB(0, 0, 0);
    const auto darken = [luma](int v) { return v * kMaxPrintLuma / luma; };
    return RGB(darken(r), darken(g), darken(b));
}
