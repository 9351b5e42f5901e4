// A curve drawn as a chain of world segments in one colour, each segment as
// DrawLineWorld draws it. Curves are sampled many times finer than their
// pixels: each sample is mapped once, and a run of samples within one pixel
// strokes its dot once (the later strokes would set the pixels it set).
#pragma once

#include "platform/dc.h"

#include <cstdint>

class CPemroView;

namespace render {

class WorldPolyline {
public:
    WorldPolyline(const CPemroView& view, CDC* dc, COLORREF colour);
    // Where the next segment starts; nothing is drawn.
    void MoveTo(double x, double y);
    // The segment from the last point to (x, y), as DrawLineWorld.
    void LineTo(double x, double y);

private:
    struct Point {
        int px = 0, py = 0;
        bool drawn = false; // in the world range and mapped to a pixel
    };
    Point Map(double x, double y) const;

    CDC* m_pDC;
    COLORREF m_colour;
    int m_nPixelSize;
    bool m_visible;
    bool m_swap;
    // The view's frame, copied: the mapping is MapWorldWhole's.
    double m_xMin, m_xMax, m_yMin, m_yMax, m_xSpan, m_ySpan;
    int m_left, m_bottom, m_width, m_height;
    Point m_prev;
    // The dot this chain stroked last and the drawing serial just after it.
    bool m_haveDot = false;
    int m_dotX = 0, m_dotY = 0;
    std::uint64_t m_dotSerial = 0;
};

} // namespace render
