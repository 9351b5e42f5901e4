// What the fitting and interpolation demonstrations share: the sampled
// curves drawn over a figure, the count buttons that stop at their bounds
// and the data-source buttons.
#pragma once

#include "view/view.h"

#include <cmath>

namespace fit_view {

// Curves are sampled every thousandth of the x span, at most this often.
constexpr double kCurveStepOfSpan = 0.001;
constexpr int kMaxCurvePoints = 20000;
// Node arrays: the last node index n' lies in 1..kMaxNodeIndex.
constexpr int kMaxNodeIndex = CPemroView::kDataSize - 1;
// Rows and columns of a number table written in one pass: past them the
// rows stand closer than a line and each entry costs a text draw.
constexpr int kMaxTableLines = 20;
// Basis and hat functions take palette colours 0..19.
constexpr int kMaxBasisCurves = CPemroView::kPaletteSize;

// The polyline through (x, f(x)) for x = from, from + step, … while x < to
// (x <= to when `closed`); nothing when the step is not a positive number.
template <class F>
void DrawSampledCurve(CPemroView& v, CDC* pDC, double from, double to, bool closed, const F& f,
                      COLORREF colour) {
    const double step = kCurveStepOfSpan * v.m_dXSpan;
    if (!(step > 0) || !std::isfinite(step) || !std::isfinite(from)) return;
    double px = from, py = f(from);
    for (int k = 1; k < kMaxCurvePoints; ++k) {
        const double x = from + k * step;
        if (closed ? !(x <= to) : !(x < to)) break;
        const double y = f(x);
        v.DrawLineWorld(pDC, px, py, x, y, colour);
        px = x, py = y;
    }
}

} // namespace fit_view
