#include "calculus/math/escape_rows.h"

#include <initializer_list>

namespace calculus {

namespace {

// One orbit in flight: its point, step count, Brent's kept point and the
// constants of its map.
struct Lane {
    double x = 0, y = 0, sx = 0, sy = 0;
    int k = 0, next = 2, pixel = -1;
    double c[6] = {};
};

constexpr int kLanes = 4;

// Four orbits side by side, so that the processor works on one while the
// others wait for their arithmetic; each ends exactly as IteratePlaneMap
// ends it. `map.Load(lane, x, y)` sets a lane up for the pixel (x, y);
// `map.Step(lane, &nx, &ny)` gives the lane's next point.
// A measured hot loop: it runs for every pixel of a colour plane.
template <class Map>
void RunLanes(const Map& map, const double* xs, double y, int count, int limit, double eps,
              double M, IterationEnd* out) {
    if (limit < 1) limit = 1;
    const double eps2 = eps * eps, M2 = M * M;
    Lane l0, l1, l2, l3;
    int live = 0, taken = 0;
    const auto load = [&](Lane& l) {
        if (taken >= count) {
            l.pixel = -1;
            return;
        }
        l.pixel = taken;
        map.Load(l, xs[taken], y);
        l.sx = l.x, l.sy = l.y, l.k = 0, l.next = 2;
        ++taken, ++live;
    };
    const auto step = [&](Lane& l) {
        double nx, ny;
        map.Step(l, &nx, &ny);
        const double dx = nx - l.x, dy = ny - l.y, d2 = dx * dx + dy * dy;
        ++l.k;
        IterationEnd end;
        if (d2 <= eps2 || d2 >= M2 || l.k >= limit) {
            end.steps = l.k;
            end.settled = d2 <= eps2;
            end.escaped = d2 >= M2;
        } else if (d2 != d2 || (nx == l.sx && ny == l.sy)) {
            end.steps = limit;
        } else {
            if (l.k == l.next) l.sx = nx, l.sy = ny, l.next *= 2;
            l.x = nx, l.y = ny;
            return;
        }
        out[l.pixel] = end;
        --live;
        load(l);
    };
    load(l0), load(l1), load(l2), load(l3);
    while (live == kLanes) {
        step(l0);
        step(l1);
        step(l2);
        step(l3);
    }
    for (Lane* l : {&l0, &l1, &l2, &l3})
        while (l->pixel >= 0) step(*l);
}

struct QuadraticMap {
    const QuadraticRow& row;
    bool plain; // A = 1, B = 0: Z² + C
    void Load(Lane& l, double x, double y) const {
        Complex A = row.A, B = row.B, C = row.C;
        l.x = 0, l.y = 0;
        switch (row.plane) {
        case 1:
            l.x = x, l.y = y;
            break;
        case 2:
            A = {x, y};
            break;
        case 3:
            B = {x, y};
            break;
        default:
            C = {x, y};
        }
        l.c[0] = A.re, l.c[1] = A.im;
        l.c[2] = A.re * B.re - A.im * B.im, l.c[3] = A.im * B.re + A.re * B.im;
        l.c[4] = C.re, l.c[5] = C.im;
    }
    void Step(const Lane& l, double* nx, double* ny) const {
        const double x = l.x, y = l.y;
        if (plain) {
            *nx = x * x - y * y + l.c[4];
            *ny = 2 * x * y + l.c[5];
            return;
        }
        const double x2y2 = x * x - y * y, xy2 = 2 * x * y;
        *nx = x2y2 * l.c[0] - xy2 * l.c[1] + l.c[2] * x - l.c[3] * y + l.c[4];
        *ny = x2y2 * l.c[1] + xy2 * l.c[0] + l.c[3] * x + l.c[2] * y + l.c[5];
    }
};

struct QuadricMap {
    const QuadricMapRow& row;
    void Load(Lane& l, double x, double y) const { l.x = x, l.y = y; }
    void Step(const Lane& l, double* nu, double* nv) const {
        const double u = l.x, v = l.y;
        const double* f = row.f;
        const double* g = row.g;
        *nu = f[0] * u * u + f[1] * u * v + f[2] * v * v + f[3] * u + f[4] * v + f[5];
        *nv = g[0] * u * u + g[1] * u * v + g[2] * v * v + g[3] * u + g[4] * v + g[5];
    }
};

} // namespace

void IterateQuadraticRow(const QuadraticRow& row, const double* xs, double y, int count,
                         IterationEnd* out) {
    // A plane of A or B varies them from pixel to pixel.
    const bool plain = (row.plane == 1 || row.plane == 4) && IsPlainSquare(row.A, row.B);
    RunLanes(QuadraticMap{row, plain}, xs, y, count, row.limit, row.eps, row.M, out);
}

namespace {

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

void IterateQuadricMapRow(const QuadricMapRow& row, const double* xs, double y, int count,
                          IterationEnd* out) {
    QuadraticRow square;
    if (IsSquarePlusC(row, &square)) return IterateQuadraticRow(square, xs, y, count, out);
    RunLanes(QuadricMap{row}, xs, y, count, row.limit, row.eps, row.M, out);
}

} // namespace calculus
