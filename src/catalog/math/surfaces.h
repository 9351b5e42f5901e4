// The two surface catalogues z = f(x, y) (upper) and z = g(x, y) (lower), the
// Taylor polynomial along a ray and the colour ramps of the sequence page.
#pragma once

#include "catalog/math/function_ref.h"

namespace catalog {

// The coefficient sets both catalogues read (form 11 divides the upper
// quadric by the lower one in either catalogue).
struct SurfaceCoefs {
    double upper[9] = {}; // a..g of the upper set, then its h, i
    double lower[9] = {}; // a..i of the lower set
    double alphaUpper = 1.0;
    double alphaLower = 1.0;
    double x0 = 0.0, y0 = 0.0; // the point of forms 14 and 22
};

// The plane form of both catalogues: z = ax + by + c over z = dx + ey + f.
constexpr int kPlaneSurfaceForm = 30;

// The quadric k[0]·x² + k[1]·xy + k[2]·y² + k[3]·x + k[4]·y + k[5] (form 1),
// inline for loops over many points.
inline double EvalQuadric(const double* k, double x, double y) {
    return k[0] * x * x + k[1] * x * y + k[2] * y * y + k[3] * x + k[4] * y + k[5];
}

// Form k of the upper (lower = false) or lower catalogue. Forms 0 and 17..20
// need the profile catalogues, the parametric solver or the surfaces
// themselves and are evaluated by the caller; they give 0 here, as do 27..29
// and every index outside -1..30.
double EvalSurfaceForm(double x, double y, int k, bool lower, const SurfaceCoefs& cf);
// Whether EvalSurfaceForm gives form k itself (not 0 or 17..20).
constexpr bool IsOwnSurfaceForm(int k) {
    return k != 0 && !(17 <= k && k <= 20);
}
// EvalSurfaceForm at (x, ys[j]) into out[j] for j < n, the form chosen once
// for the column and its terms in x alone computed once.
void EvalSurfaceFormColumn(double x, const double* ys, int n, int k, bool lower,
                           const SurfaceCoefs& cf, double* out);
// Form k of one catalogue with the choice of form made once: the same bits
// as EvalSurfaceForm, for loops over many points. A grid's values go to
// out[(i·ny + j)·stride] for (xs[i], ys[j]), i < nx, j < ny.
using SurfaceFormFn = double (*)(double x, double y, const SurfaceCoefs& cf);
using SurfaceGridFn = void (*)(const double* xs, int nx, const double* ys, int ny,
                               const SurfaceCoefs& cf, double* out, int stride);
SurfaceFormFn SurfaceFormOf(int k, bool lower);
SurfaceGridFn SurfaceGridOf(int k, bool lower);
// Whether form k evaluates a sine, an exponential or a power at each point,
// which costs many times the multiplications of the other forms.
bool SurfaceFormIsCostly(int k);

// The Taylor polynomial of degree n at t = 1 of φ about t = 0, the derivatives
// by central differences with h = 0.001. n is capped at kMaxTaylorOrder, the
// highest degree the Taylor pages offer: beyond it the differences are
// rounding noise, and a surface of that form evaluated at every mesh point
// took seconds a pass. φ is evaluated once at each of the 2n + 1 points.
// n <= 0 gives φ(0).
constexpr int kMaxTaylorOrder = 6;
double EvalTaylorAlongRay(FunctionRef phi, int n);

// The Taylor polynomial of degree n (capped at kMaxTaylorOrder) of a surface
// f about (x0, y0) as its coefficients c[a][b] = ∂x^a ∂y^b f(x0, y0) / (a! b!),
// a + b <= n: computed once, the polynomial is cheap at any point. The
// partial derivatives of order m are central differences with the step
// eps^(1/(m + 2)), where the rounding of the differences and their
// truncation balance; along the ray from the centre they are the
// directional derivatives the polynomial of one variable needs.
struct TaylorCoefs {
    int n = 0;
    double c[kMaxTaylorOrder + 1][kMaxTaylorOrder + 1] = {};
};
// f(x, y) through f(ctx, x, y).
TaylorCoefs ComputeTaylorCoefs(double (*f)(void* ctx, double x, double y), void* ctx, double x0,
                               double y0, int n);
// The polynomial at (x0 + u, y0 + v).
double EvalTaylorCoefs(const TaylorCoefs& t, double u, double v);

// Colour weight of the sequence page for x with divisor n.
double EvalRampWeight(double x, int mode, int n);

} // namespace catalog
