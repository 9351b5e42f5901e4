// Pixel formats and integer helpers shared by the device context's sources.
#pragma once

#include "platform/types.h"

#include <cmath>
#include <cstdint>

namespace dcdetail {

constexpr std::uint32_t kOpaque = 0xFF000000u;

// COLORREF is 0x00BBGGRR, the surface 0xFFRRGGBB.
inline std::uint32_t ToRgb32(COLORREF c) {
    return kOpaque | ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
}
inline COLORREF FromRgb32(std::uint32_t p) {
    return ((p >> 16) & 0xFFu) | (p & 0xFF00u) | ((p & 0xFFu) << 16);
}

// Division rounding towards minus infinity (b > 0).
inline long long FloorDiv(long long a, long long b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}
inline long long CeilDiv(long long a, long long b) {
    return -FloorDiv(-a, b);
}

// A floating pixel bound as an integer that later clamping can handle.
inline long long ClampToPixel(double v) {
    constexpr double kLimit = 4.0e15;
    if (!(v == v)) return 0;
    if (v > kLimit) return (long long)kLimit;
    if (v < -kLimit) return -(long long)kLimit;
    return (long long)v;
}

} // namespace dcdetail
