// Escape-time iterations of the colour planes: the complex quadratic
// Zn = A(Zn-1 + B)Zn-1 + C, and how finely a plot can be scanned within a
// fixed amount of work per pass.
#pragma once

namespace calculus {

struct Complex {
    double re = 0, im = 0;
};

struct IterationEnd {
    int steps = 0;        // steps taken (at least one)
    bool settled = false; // the last step was at most eps long
    bool escaped = false; // the last step was at least M long
};

// Steps Z → A·Z² + A·B·Z + C from z until a step is at most eps long, at
// least M long, or `limit` steps were taken (the first step is always taken).
IterationEnd IterateQuadratic(Complex z, Complex A, Complex B, Complex C, int limit, double eps,
                              double M);

// The largest step count a pixel may take, whatever n a page or its
// buttons ask for.
constexpr int kMaxIterationSteps = 100000;
// Pixel steps one scan may spend in all (about 25 ms of quadratic steps).
constexpr long kScanStepBudget = 8000000;
// A scan never cuts the step count below this when coarser cells help.
constexpr int kMinScanSteps = 32;
constexpr int kMaxScanCell = 8;

struct ScanPlan {
    int cell = 1;  // square cells of cell × cell pixels share one iteration
    int steps = 1; // the step count each cell may take
};

// The cell size and step count for a plot of width × height pixels whose
// page asks for n steps, so that cells × steps stays within the budget.
ScanPlan PlanScan(int width, int height, int n, long budget);

} // namespace calculus
