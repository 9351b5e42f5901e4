// The surfaces of a figure's loop evaluated many times over with the view
// unchanged: the catalogue's coefficients are copied once instead of per
// point, and each Taylor expansion's value at its centre, the same for
// every point, is evaluated once.
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

    // φ(t) of the expansion of surface k (which 0 upper, 1 lower) towards
    // (x, y), for the t that puts it at the centre.
    double AtCentre(double x, double y, double t, int k, int which);

    CPemroView& view;
    const bool active;
    catalog::SurfaceCoefs coefs;

private:
    struct Centre {
        bool known = false;
        double px = 0, py = 0;
        int k = 0, depth = 0;
        double value = 0;
    };
    Centre m_centre[2];
};
