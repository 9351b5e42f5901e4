// The steps of a one-pixel line between two device points, shared by every
// routine that writes a thin line's pixels straight into the image.
#pragma once

#include <cstddef>

namespace dcdetail {

// Bresenham along the longer axis: step i lies at major coordinate
// maj0 + smaj·i and minor coordinate min0 + smin·⌊(2·i·amin + bias) / den⌋
// with den = 2·amaj and bias = amaj − 1, the exact value with ties towards
// the start, so a walk can start at any step with the same pixels.
struct LineSteps {
    LineSteps(long long x0, long long y0, long long x1, long long y1) {
        const long long dx = x1 - x0, dy = y1 - y0;
        const long long adx = dx < 0 ? -dx : dx, ady = dy < 0 ? -dy : dy;
        xMajor = adx >= ady;
        amaj = xMajor ? adx : ady;
        amin = xMajor ? ady : adx;
        const long long dmaj = xMajor ? dx : dy, dmin = xMajor ? dy : dx;
        smaj = dmaj > 0 ? 1 : (dmaj < 0 ? -1 : 0);
        smin = dmin > 0 ? 1 : (dmin < 0 ? -1 : 0);
        maj0 = xMajor ? x0 : y0;
        min0 = xMajor ? y0 : x0;
        den = amaj > 0 ? 2 * amaj : 1;
        bias = amaj > 0 ? amaj - 1 : 0;
    }

    // put(at) for steps first..last, at the index of the step's pixel in an
    // image whose rows are `stride` pixels apart; every step's pixel must
    // lie in the image.
    template <class Put>
    void Walk(std::ptrdiff_t stride, long long first, long long last, Put&& put) const {
        if (first > last) return;
        // From the first step (the usual walk) no division is needed.
        long long off = 0, rem = bias;
        if (first != 0) {
            const long long num = 2 * first * amin + bias;
            off = num / den, rem = num % den;
        }
        const long long maj = maj0 + smaj * first, mnr = min0 + smin * off;
        std::ptrdiff_t at = std::ptrdiff_t(xMajor ? mnr : maj) * stride + (xMajor ? maj : mnr);
        const std::ptrdiff_t stepMaj = xMajor ? smaj : smaj * stride;
        const std::ptrdiff_t stepMin = xMajor ? smin * stride : smin;
        if (amin == 0) {
            for (long long i = first; i <= last; ++i, at += stepMaj) put(at);
            return;
        }
        for (long long i = first; i <= last; ++i) {
            put(at);
            at += stepMaj;
            rem += 2 * amin;
            if (rem >= den) rem -= den, at += stepMin;
        }
    }

    bool xMajor;
    long long amaj, amin, maj0, min0, den, bias;
    int smaj, smin;
};

} // namespace dcdetail
