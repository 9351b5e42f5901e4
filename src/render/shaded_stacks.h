// Stacks of shaded arcs, the arcs of one stack centred at (cx, y0 + j·step)
// while below y1: a shell's rims a pixel row apart. A set of stacks drawn one
// by one among other drawing paints over itself dozens of times; its plan
// keeps of each stack the pixels no later stack of the set paints, so that
// DrawShadedStack leaves the picture the arcs drawn one by one leave.
#pragma once

#include "view/view.h"

#include <memory>
#include <vector>

namespace render {

struct ShadedStack {
    double cx, y0, y1, step, rx, ry;
    long cap; // arcs at most
};

struct ShadedStackPlan {
    struct Pixel {
        // x from the plot's left; the step of the shaded arc's table that
        // paints the pixel last.
        int x, y, step;
    };
    bool quick = false; // else each stack draws its arcs one by one
    std::vector<std::vector<Pixel>> shown;
};

// The arcs' angles run from t0 to t1, as DrawShadedArcWorld's. The last
// plan is kept for the next pass that asks for the same one.
std::shared_ptr<const ShadedStackPlan>
PlanShadedStacks(const CPemroView& v, const std::vector<ShadedStack>& stacks, double t0, double t1);
void DrawShadedStack(CPemroView& v, CDC* pDC, const ShadedStackPlan& plan,
                     const std::vector<ShadedStack>& stacks, size_t i, double t0, double t1,
                     COLORREF colour);

} // namespace render
