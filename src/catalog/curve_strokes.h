// The lines of the general graph's curves, drawn at once along the plain
// path or gathered as the pixel strokes DrawLineWorld would make. Gathered
// strokes are drawn at the end, and of equal strokes only the last: an
// opaque stroke drawn again sets the same pixels after the earlier one, so
// the earlier one shows nowhere. A curve sampled many times per pixel, or
// traced again from nearby seeds, repeats most of its strokes.
#pragma once

#include "view/view.h"

#include "platform/key_hash.h"
#include "render/world_polyline.h"

#include <optional>
#include <vector>

namespace catalog {

using CurveStroke = CPemroView::CurveStroke;
using CurveStrokes = std::vector<CurveStroke>;

// Segments in any colour, each as DrawLineWorld draws it.
class CurveLines {
public:
    // Gathers into `gathered` when given, draws on dc otherwise.
    CurveLines(CPemroView& v, CDC* dc, CurveStrokes* gathered);
    void Line(double x1, double y1, double x2, double y2, COLORREF colour);

private:
    CPemroView& m_view;
    CDC* m_pDC;
    CurveStrokes* m_gathered;
};

// A chain of segments in one colour, as render::WorldPolyline draws it.
class CurveChain {
public:
    CurveChain(CPemroView& v, CDC* dc, CurveStrokes* gathered, COLORREF colour);
    void MoveTo(double x, double y);
    void LineTo(double x, double y);

private:
    struct Point {
        CPoint p;
        bool drawn = false;
    };
    Point Map(double x, double y) const;

    const CPemroView& m_view;
    CurveStrokes* m_gathered;
    COLORREF m_colour;
    std::optional<render::WorldPolyline> m_plain;
    Point m_prev;
};

// The pieces' strokes in order, each stroke that an equal later one
// repeats left out (a piece met again later, all of it).
CurveStrokes JoinKeepingLast(const std::vector<const CurveStrokes*>& pieces);

// What every curve of the graph depends on: the world frame and its plot
// box, the curve's form, step and derivatives, the colours and end lines.
void AddCurveFrame(KeyHash* key, const CPemroView& v);
// The catalogue coefficients and settings the forms read.
void AddCatalogueInputs(KeyHash* key, const CPemroView& v);

} // namespace catalog
