#include "calculus/math/escape_rows.h"

#include <algorithm>
#ifdef __SSE2__
#include <immintrin.h>
#endif

namespace calculus {

namespace {

// Orbits side by side in the compiler's own vectors (SSE2 on x86-64, NEON on
// ARM, plain doubles elsewhere): each element gets exactly the operations
// one double would get, so every orbit ends as it does alone.
namespace narrow {
typedef double Vec __attribute__((vector_size(16)));
typedef decltype(Vec{} < Vec{}) Mask;
constexpr int kWidth = 2, kVecs = 4;
Vec Splat(double d) {
    Vec v;
    for (int i = 0; i < kWidth; ++i) v[i] = d;
    return v;
}
// Bit i set where element i of m is.
int Bits(Mask m) {
#ifdef __SSE2__
    return _mm_movemask_pd(__m128d(m));
#else
    return int(m[0] & 1) | int(m[1] & 2);
#endif
}
#include "calculus/math/escape_orbits.inc"
} // namespace narrow

// Four doubles a vector where the processor has AVX2. Only that: with FMA
// the compiler would fuse products into sums, rounded once where the narrow
// code rounds twice.
#if defined(__GNUC__) && !defined(__clang__) && defined(__x86_64__)
#define PEMRO_WIDE_ORBITS 1
#pragma GCC push_options
#pragma GCC target("avx2")
namespace wide {
typedef double Vec __attribute__((vector_size(32)));
typedef decltype(Vec{} < Vec{}) Mask;
constexpr int kWidth = 4, kVecs = 3;
Vec Splat(double d) {
    Vec v;
    for (int i = 0; i < kWidth; ++i) v[i] = d;
    return v;
}
int Bits(Mask m) {
    return _mm256_movemask_pd(__m256d(m));
}
#include "calculus/math/escape_orbits.inc"
} // namespace wide
#pragma GCC pop_options
#endif

#ifdef PEMRO_WIDE_ORBITS
bool Wide() {
    static const bool wide = __builtin_cpu_supports("avx2");
    return wide;
}
#endif

void RunSquare(int plane, Complex C, const double* xs, int count, const double* ys, int rows,
               int limit, double eps, double M, IterationEnd* out) {
#ifdef PEMRO_WIDE_ORBITS
    if (Wide()) return wide::RunSquare(plane, C, xs, count, ys, rows, limit, eps, M, out);
#endif
    narrow::RunSquare(plane, C, xs, count, ys, rows, limit, eps, M, out);
}

void RunQuadratic(const QuadraticRow& row, const double* xs, int count, const double* ys, int rows,
                  IterationEnd* out) {
#ifdef PEMRO_WIDE_ORBITS
    if (Wide()) return wide::RunQuadratic(row, xs, count, ys, rows, out);
#endif
    narrow::RunQuadratic(row, xs, count, ys, rows, out);
}

void RunQuadric(const QuadricMapRow& row, const double* xs, int count, const double* ys, int rows,
                IterationEnd* out) {
#ifdef PEMRO_WIDE_ORBITS
    if (Wide()) return wide::RunQuadric(row, xs, count, ys, rows, out);
#endif
    narrow::RunQuadric(row, xs, count, ys, rows, out);
}

// Whether the two quadrics are x² − y² + c and 2xy + d: the map Z² + C with
// C = c + id over the plane of the start, which takes the same steps with
// fewer terms (the others add zeros).
bool IsSquarePlusC(const QuadricMapRow& row, QuadraticRow* square) {
    const double* f = row.f;
    const double* g = row.g;
    if (!(f[0] == 1 && f[1] == 0 && f[2] == -1 && f[3] == 0 && f[4] == 0)) return false;
    if (!(g[0] == 0 && g[1] == 2 && g[2] == 0 && g[3] == 0 && g[4] == 0)) return false;
    square->plane = 1;
    square->A = {1, 0};
    square->B = {0, 0};
    square->C = {f[5], g[5]};
    square->limit = row.limit;
    square->eps = row.eps;
    square->M = row.M;
    return true;
}

} // namespace

void IterateQuadraticRows(const QuadraticRow& row, const double* xs, int count, const double* ys,
                          int rows, IterationEnd* out) {
    // A plane of A or B varies them from pixel to pixel.
    if ((row.plane == 1 || row.plane == 4) && IsPlainSquare(row.A, row.B))
        return RunSquare(row.plane, row.C, xs, count, ys, rows, row.limit, row.eps, row.M, out);
    RunQuadratic(row, xs, count, ys, rows, out);
}

void IterateQuadricMapRows(const QuadricMapRow& row, const double* xs, int count, const double* ys,
                           int rows, IterationEnd* out) {
    QuadraticRow square;
    if (IsSquarePlusC(row, &square)) return IterateQuadraticRows(square, xs, count, ys, rows, out);
    RunQuadric(row, xs, count, ys, rows, out);
}

void IterateQuadraticRow(const QuadraticRow& row, const double* xs, double y, int count,
                         IterationEnd* out) {
    IterateQuadraticRows(row, xs, count, &y, 1, out);
}

void IterateQuadricMapRow(const QuadricMapRow& row, const double* xs, double y, int count,
                          IterationEnd* out) {
    IterateQuadricMapRows(row, xs, count, &y, 1, out);
}

} // namespace calculus
