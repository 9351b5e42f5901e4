// The surfaces of a figure's loop evaluated many times over with the view
// unchanged: the catalogue's coefficients are copied once instead of per
// point, and each Taylor expansion's coefficients, the same for every
// point, are computed once.
#pragma once

#include "catalog/math/surfaces.h"
#include "view/view.h"

#include <cstddef>
#include <optional>

struct CPemroView::SurfacePass {
    // Takes effect with the drawing caches on and no pass already running;
    // the loop must leave the surfaces' state alone while it lives.
    explicit SurfacePass(CPemroView& v);
    ~SurfacePass();
    SurfacePass(const SurfacePass&) = delete;
    SurfacePass& operator=(const SurfacePass&) = delete;

    // The coefficients of the expansion of degree n of surface k (which 0
    // upper, 1 lower) about the view's centre point.
    const catalog::TaylorCoefs& Taylor(int k, int which, int n);

    // Form k of the upper (which 0) or lower surface as EvalSurfaceF or
    // EvalSurfaceG gives it, with the choices they make at every point made
    // once: an expansion is its polynomial, a catalogue form its formula.
    // For a loop that holds a pass and leaves the view alone while it runs.
    class Sampler;
    // The region function k (not 0) as EvalRegionFunction gives it, with the
    // choice of region made once and, down a column, what depends on x
    // alone evaluated once.
    class Region;

    CPemroView& view;
    const bool active;
    // Fixed for the pass: the kept grids are matched on them once, at its
    // first grid.
    const catalog::SurfaceCoefs coefs;

    // The grid a mesh lays over its cells, kept with what it was laid out
    // from: the cells of one mesh mostly share their size, and the layout
    // divides, takes a root and rounds up.
    struct GridLayout {
        bool known = false;
        double from[7] = {};
        int ni = 1, nj = 1;
        double hs = 0, ht = 0;
    };
    GridLayout gridLayout;

    // fn's grid with the pass's coefficients as fn computes it, or as it
    // computed it in an earlier pass that asked for the same grids in the
    // same order.
    void FormGrid(catalog::SurfaceGridFn fn, const double* xs, int nx, const double* ys, int ny,
                  double* out, int stride) const;
    struct GridTape;

private:
    struct Expansion {
        bool known = false;
        double x0 = 0, y0 = 0, level = 0;
        int k = 0, n = 0, depth = 0, mode = 0;
        catalog::TaylorCoefs coefs;
    };
    Expansion m_expansion[2];
    // The kept run of grids this pass reads from, or records once it asks
    // for one the run does not hold next.
    mutable GridTape* m_tape = nullptr;
    mutable size_t m_tapeAt = 0;
    mutable bool m_recording = false;
};

class CPemroView::SurfacePass::Sampler {
public:
    Sampler(CPemroView& v, int which, int k);
    // Hot: called per sample of a solid's filling.
    double operator()(double x, double y) const {
        switch (m_kind) {
        case kPolynomial:
            return catalog::EvalTaylorCoefs(*m_taylor, x - m_x0, y - m_y0);
        case kForm:
            return m_form(x, y, m_pass->coefs);
        case kZero:
            return 0.0;
        case kView:
            break;
        }
        return m_which == 0 ? m_view.EvalSurfaceF(x, y, m_k) : m_view.EvalSurfaceG(x, y, m_k);
    }
    // Whether the values come without the view: nothing of its state read
    // or written at each point.
    bool Detached() const { return m_kind != kView; }
    // The values at (xs[i], ys[j]) into out[(i·ny + j)·stride] for i < nx,
    // j < ny, row after row: a catalogue form's whole grid at once.
    void Grid(const double* xs, int nx, const double* ys, int ny, double* out, int stride) const {
        if (m_kind == kForm) {
            // A form of a few multiplications computes faster than a kept
            // grid is checked and read.
            if (m_costly)
                m_pass->FormGrid(m_grid, xs, nx, ys, ny, out, stride);
            else
                m_grid(xs, nx, ys, ny, m_pass->coefs, out, stride);
            return;
        }
        for (int i = 0; i < nx; ++i)
            for (int j = 0; j < ny; ++j)
                out[(std::ptrdiff_t(i) * ny + j) * stride] = (*this)(xs[i], ys[j]);
    }

private:
    enum Kind { kView, kPolynomial, kForm, kZero };
    CPemroView& m_view;
    int m_which, m_k;
    Kind m_kind = kView;
    const SurfacePass* m_pass = nullptr;
    catalog::SurfaceFormFn m_form = nullptr;
    catalog::SurfaceGridFn m_grid = nullptr;
    bool m_costly = false;
    double m_x0 = 0, m_y0 = 0;
    // Only an expansion holds coefficients: a mesh builds two samplers a
    // cell, most of them forms.
    std::optional<catalog::TaylorCoefs> m_taylor;
};

class CPemroView::SurfacePass::Region {
public:
    Region(CPemroView& v, int k);
    double operator()(double x, double y) const {
        switch (m_kind) {
        case kWhole:
            return 1.0;
        case kBox:
            return OutsideX(x) || OutsideY(y) ? -1.0 : 1.0;
        case kView:
        case kBetween:
            break;
        }
        return m_view.EvalRegionFunction(x, y, m_k);
    }
    // The values at (xs[i], ys[j]) into out[(i·ny + j)·stride], as
    // Sampler::Grid.
    void Grid(const double* xs, int nx, const double* ys, int ny, double* out, int stride) const;

private:
    // The whole plane, the figure's box, between two curves y = a(x) and
    // y = b(x) (within the box), or anything else asked of the view.
    enum Kind { kView, kWhole, kBox, kBetween };
    bool OutsideX(double x) const { return (x - m_box[0]) * (m_box[1] - x) <= 0; }
    bool OutsideY(double y) const { return (y - m_box[2]) * (m_box[3] - y) <= 0; }
    CPemroView& m_view;
    int m_k;
    Kind m_kind = kView;
    bool m_boxed = false;
    double m_box[4] = {};
};
