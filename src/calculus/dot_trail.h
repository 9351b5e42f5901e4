// Dotted curves of the integral pages: a dot is a world segment of zero
// length, and a dot on the pixel the same curve has just set is not drawn
// again (the fine steps of the pages put dozens of dots on each pixel).
#pragma once

#include "view/view.h"

#include <climits>
#include <utility>

namespace calculus {

class DotTrail {
public:
    void Dot(CPemroView& v, CDC* pDC, double x, double y, COLORREF colour) {
        double X = x, Y = y;
        if (v.m_nRegionType == 2) std::swap(X, Y);
        int px, py;
        if (!v.MapWorldWhole(X, Y, &px, &py)) return;
        if (px == m_px && py == m_py && colour == m_colour) return;
        m_px = px, m_py = py, m_colour = colour;
        v.DrawLineWorld(pDC, x, y, x, y, colour);
    }

private:
    int m_px = INT_MIN, m_py = INT_MIN;
    COLORREF m_colour = 0;
};

} // namespace calculus
