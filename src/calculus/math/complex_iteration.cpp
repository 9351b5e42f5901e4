#include "calculus/math/complex_iteration.h"

namespace calculus {

IterationEnd detail::Undecided(int limit) {
    IterationEnd end;
    end.steps = limit;
    return end;
}

IterationEnd IterateQuadratic(Complex z, Complex A, Complex B, Complex C, int limit, double eps,
                              double M) {
    const double Pre = A.re * B.re - A.im * B.im, Pim = A.im * B.re + A.re * B.im;
    return IteratePlaneMap(z.re, z.im, limit, eps * eps, M * M,
                           [&](double x, double y, double* nx, double* ny) {
                               const double x2y2 = x * x - y * y, xy2 = 2 * x * y;
                               *nx = x2y2 * A.re - xy2 * A.im + Pre * x - Pim * y + C.re;
                               *ny = x2y2 * A.im + xy2 * A.re + Pim * x + Pre * y + C.im;
                           });
}

} // namespace calculus
