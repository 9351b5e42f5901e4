// Escape-time iterations of the colour planes: the complex quadratic
// Zn = A(Zn-1 + B)Zn-1 + C and a plane map (x, y) → (f, g), each run from a
// start until a step is at most ε long (it settles), at least M long (it
// runs away), or n steps were taken.
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

// The largest step count a pixel may take, whatever n a page or its buttons
// ask for: beyond it a scan of the boundary pixels would hang the program.
constexpr int kMaxIterationSteps = 100000;
// The largest escape bound: its read-out holds nine digits, and an orbit
// that gets that far from the origin is gone; a larger M would only add a
// step or two to its count.
constexpr double kMaxEscapeBound = 999999999;

// Steps Z → A·Z² + A·B·Z + C from z until a step is at most eps long, at
// least M long, or `limit` steps were taken (the first step is always taken).
// An orbit that comes back to a point it visited repeats its steps, none of
// which ended it: it stays undecided, and so does one that is no longer a
// number.
IterationEnd IterateQuadratic(Complex z, Complex A, Complex B, Complex C, int limit, double eps,
                              double M);

// A = 1 and B = 0: the map is Z² + C, whose other terms add nothing but
// zeros (of either sign) and take time.
bool IsPlainSquare(Complex A, Complex B);

// The same iteration for a plane map (u, v) → step(u, v), given the squares
// of ε and M.
template <class Step>
IterationEnd IteratePlaneMap(double u, double v, int limit, double eps2, double M2, Step step);

// --- Implementation ---------------------------------------------------------------------

namespace detail {
// Brent's cycle check: the orbit's point at steps 1, 2, 4, 8, ... is kept
// and each new point compared with it bit for bit.
struct CycleCheck {
    double x, y;
    int next = 2;
    bool Back(double nx, double ny, int k) {
        if (nx == x && ny == y) return true;
        if (k == next) x = nx, y = ny, next *= 2;
        return false;
    }
};
IterationEnd Undecided(int limit);
} // namespace detail

// A measured hot loop: it runs for every pixel of a colour plane.
template <class Step>
IterationEnd IteratePlaneMap(double u, double v, int limit, double eps2, double M2, Step step) {
    if (limit < 1) limit = 1;
    detail::CycleCheck cycle{u, v};
    double d2 = 0;
    int k = 0;
    for (;;) {
        double nu, nv;
        step(u, v, &nu, &nv);
        const double du = nu - u, dv = nv - v;
        d2 = du * du + dv * dv;
        ++k;
        if (d2 <= eps2 || d2 >= M2 || k >= limit) break;
        if (d2 != d2 || cycle.Back(nu, nv, k)) return detail::Undecided(limit);
        u = nu, v = nv;
    }
    IterationEnd end;
    end.steps = k;
    end.settled = d2 <= eps2;
    end.escaped = d2 >= M2;
    return end;
}

} // namespace calculus
