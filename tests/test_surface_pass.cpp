// The surface pass of a figure's loop: the same values as evaluating afresh.
#include "catalog/surface_pass.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

std::unique_ptr<CPemroView> QuadricView() {
    auto view = std::make_unique<CPemroView>();
    CPemroView& v = *view;
    v.m_nSurfaceEvalMode = 0;
    const double q[6] = {1.0, -2.0, 0.5, 3.0, -1.0, 0.25};
    for (int i = 0; i < 6; ++i) v.m_adCoefSurfF[i] = q[i], v.m_adCoefSurfG[i] = -q[i];
    v.m_nSurfaceUpper = 1, v.m_nSurfaceLower = 1;
    v.m_dX0 = 0.2, v.m_dY0 = -0.1;
    return view;
}

} // namespace

TEST(SurfacePass, TaylorExpansionsGiveTheirValuesBitForBit) {
    auto view = QuadricView();
    CPemroView& v = *view;
    for (int n : {1, 2, 3}) {
        v.m_nDemoStep = n;
        for (double x : {-1.0, 0.2, 0.7})
            for (double y : {-0.1, 0.4, 1.5}) {
                const double f = v.EvalSurfaceCatalogueF(x, y, 0);
                const double g = v.EvalSurfaceCatalogueG(x, y, 0);
                CPemroView::SurfacePass pass(v);
                ASSERT_TRUE(pass.active);
                EXPECT_EQ(f, v.EvalSurfaceCatalogueF(x, y, 0)) << n << " " << x << " " << y;
                EXPECT_EQ(g, v.EvalSurfaceCatalogueG(x, y, 0)) << n << " " << x << " " << y;
                EXPECT_EQ(0, v.m_nSurfaceExpansionDepth);
            }
    }
    // Degree 1 at (0.7, 0.4): the tangent plane at (0.2, -0.1), by hand
    // f0 = 0.04 + 0.04 + 0.005 + 0.6 + 0.1 + 0.25, fx = 0.4 + 0.2 + 3,
    // fy = -0.4 - 0.1 - 1.
    v.m_nDemoStep = 1;
    CPemroView::SurfacePass pass(v);
    EXPECT_NEAR(1.035 + 3.6 * 0.5 - 1.5 * 0.5, v.EvalSurfaceCatalogueF(0.7, 0.4, 0), 1e-6);
    // A moved expansion point is a new centre.
    v.m_dX0 = 0.0;
    const double f0 = 0.005 + 0.1 + 0.25; // the quadric at (0, -0.1)
    EXPECT_NEAR(f0 + 3.2 * 0.7 - 1.1 * 0.5, v.EvalSurfaceCatalogueF(0.7, 0.4, 0), 1e-6);
}

TEST(SurfacePass, HoldsItsCoefficientsOnlyWhileItLasts) {
    auto view = QuadricView();
    CPemroView& v = *view;
    {
        CPemroView::SurfacePass outer(v);
        CPemroView::SurfacePass inner(v);
        EXPECT_FALSE(inner.active);
        EXPECT_EQ(&outer, v.m_pSurfacePass);
        EXPECT_DOUBLE_EQ(0.25, v.EvalSurfaceCatalogueF(0, 0, 1));
    }
    EXPECT_EQ(nullptr, v.m_pSurfacePass);
    v.m_adCoefSurfF[5] = 2.0;
    EXPECT_DOUBLE_EQ(2.0, v.EvalSurfaceCatalogueF(0, 0, 1));
    SetDrawingCachesEnabled(false);
    CPemroView::SurfacePass off(v);
    SetDrawingCachesEnabled(true);
    EXPECT_FALSE(off.active);
    EXPECT_EQ(nullptr, v.m_pSurfacePass);
}
