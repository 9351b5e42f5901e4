// The surfaces of a figure's loop evaluated many times over with the view
// unchanged: the catalogue's coefficients are copied once instead of per
// point, and each Taylor expansion's coefficients, the same for every
// point, are computed once.
#pragma once

#include "catalog/math/surfaces.h"
#include "view/view.h"

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

    CPemroView& view;
    const bool active;
    catalog::SurfaceCoefs coefs;

private:
    struct Expansion {
        bool known = false;
        double x0 = 0, y0 = 0, level = 0;
        int k = 0, n = 0, depth = 0, mode = 0;
        catalog::TaylorCoefs coefs;
    };
    Expansion m_expansion[2];
};
