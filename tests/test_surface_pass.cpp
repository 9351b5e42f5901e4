// The surface pass of a figure's loop: the same values as evaluating afresh.
#include "catalog/surface_pass.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
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

// Each case of the view's evaluation: the expansion (its own form and the
// expansion of the expansion form, both 0), a catalogue form, a profile form
// and the level-cut mode that the sampler leaves to the view.
TEST(SurfacePass, SamplerGivesTheViewsValuesBitForBit) {
    struct Case {
        int k, upper, lower, mode;
    };
    const Case cases[] = {
        {0, 1, 1, 0},  // the expansions of the two quadrics
        {0, 0, 0, 0},  // an expansion of the expansion form: 0
        {1, 1, 1, 0},  // the quadrics themselves
        {17, 1, 1, 0}, // a profile form
        {1, 1, 1, 1},  // cut at the level m_dDirP
    };
    for (const Case& c : cases)
        for (int n : {0, 1, 4, 6}) {
            auto view = QuadricView();
            CPemroView& v = *view;
            v.m_nSurfaceUpper = c.upper, v.m_nSurfaceLower = c.lower;
            v.m_nSurfaceEvalMode = c.mode, v.m_dDirP = 0.5, v.m_nDemoStep = n;
            CPemroView::SurfacePass pass(v);
            const CPemroView::SurfacePass::Sampler upper(v, 0, c.k), lower(v, 1, c.k);
            const double xs[3] = {-1.0, 0.2, 0.7}, ys[3] = {-0.1, 0.4, 1.5};
            double fs[9], gs[18];
            upper.Grid(xs, 3, ys, 3, fs, 1);
            lower.Grid(xs, 3, ys, 3, gs, 2);
            for (int i = 0; i < 3; ++i)
                for (int j = 0; j < 3; ++j) {
                    const double x = xs[i], y = ys[j];
                    EXPECT_EQ(v.EvalSurfaceF(x, y, c.k), upper(x, y)) << c.k << " " << n;
                    EXPECT_EQ(v.EvalSurfaceG(x, y, c.k), lower(x, y)) << c.k << " " << n;
                    EXPECT_EQ(v.EvalSurfaceF(x, y, c.k), fs[3 * i + j]) << c.k << " " << n;
                    EXPECT_EQ(v.EvalSurfaceG(x, y, c.k), gs[2 * (3 * i + j)]) << c.k << " " << n;
                }
        }
    // The expansion of degree 2 of a quadric is the quadric (up to the
    // differences' rounding): 1·x² − 2·xy + 0.5·y² + 3x − y + 0.25 at (1, 2).
    auto view = QuadricView();
    CPemroView& v = *view;
    v.m_nDemoStep = 2;
    CPemroView::SurfacePass pass(v);
    const CPemroView::SurfacePass::Sampler upper(v, 0, 0);
    EXPECT_NEAR(1 - 4 + 2 + 3 - 2 + 0.25, upper(1, 2), 1e-6);
}

// The region down a column and at a point: the view's own values, bit for
// bit, in each kind of region, and the values by hand where they are plain.
TEST(SurfacePass, RegionGivesTheViewsValuesBitForBit) {
    struct Case {
        int k, type;
        BOOL figure3D;
    };
    const Case cases[] = {
        {1, 0, FALSE}, {1, 0, TRUE},  {1, 1, FALSE}, {1, 1, TRUE}, {1, 2, TRUE},
        {12, 3, TRUE}, {13, 3, TRUE}, {2, 3, FALSE}, {0, 0, TRUE},
    };
    const double ys[] = {-0.5, 0.0, 0.25, 0.6, 1.5, 3.0, 3.5, std::nan("")};
    constexpr int n = int(sizeof ys / sizeof ys[0]);
    for (const Case& c : cases) {
        auto view = QuadricView();
        CPemroView& v = *view;
        v.m_nRegionType = c.type, v.m_bFigure3D = c.figure3D;
        const double box[4] = {0.0, 3.0, 0.0, 3.0};
        for (int i = 0; i < 4; ++i) v.m_adRegionRect[i] = box[i];
        v.m_nFuncUpper = v.m_nFuncRight = 3, v.m_nFuncLower = v.m_nFuncLeft = 4;
        const CPemroView::SurfacePass::Region region(v, c.k);
        const double xs[] = {-1.0, 0.0, 0.5, 2.0, 3.0, 4.0};
        constexpr int nx = int(sizeof xs / sizeof xs[0]);
        // Row after row, and spread out three values a node.
        double grid[nx * n], spread[3 * nx * n];
        region.Grid(xs, nx, ys, n, grid, 1);
        region.Grid(xs, nx, ys, n, spread, 3);
        for (int i = 0; i < nx; ++i)
            for (int j = 0; j < n; ++j) {
                const double x = xs[i], plain = v.EvalRegionFunction(x, ys[j], c.k);
                const double point = region(x, ys[j]);
                for (double value : {grid[i * n + j], spread[3 * (i * n + j)], point})
                    EXPECT_EQ(0, std::memcmp(&plain, &value, sizeof plain))
                        << c.k << " " << c.type << " " << x << " " << ys[j];
            }
    }
    // By hand: inside the box 1, on or beyond its edge −1; between
    // y = sin x and y = cos x the product (sin x − y)(y − cos x).
    auto view = QuadricView();
    CPemroView& v = *view;
    v.m_bFigure3D = TRUE;
    v.m_adRegionRect[0] = v.m_adRegionRect[2] = 0.0;
    v.m_adRegionRect[1] = v.m_adRegionRect[3] = 3.0;
    v.m_nFuncUpper = 3, v.m_nFuncLower = 4;
    const double at[] = {0.0, 0.6, 3.0};
    double out[3];
    const double x1 = 1.0, x0 = 0.0, xHalf = 0.5, x2 = 2.0;
    CPemroView::SurfacePass::Region(v, 1).Grid(&x1, 1, at, 3, out, 1);
    EXPECT_EQ(-1.0, out[0]);
    EXPECT_EQ(1.0, out[1]);
    EXPECT_EQ(-1.0, out[2]);
    CPemroView::SurfacePass::Region(v, 1).Grid(&x0, 1, at, 3, out, 1);
    EXPECT_EQ(-1.0, out[1]);
    v.m_nRegionType = 1;
    CPemroView::SurfacePass::Region(v, 1).Grid(&xHalf, 1, at, 3, out, 1);
    EXPECT_NEAR(0.033469367892797176, out[1], 1e-15);
    const double y = 0.25;
    CPemroView::SurfacePass::Region(v, 1).Grid(&x2, 1, &y, 1, out, 1);
    EXPECT_NEAR(0.43918889522359894, out[0], 1e-15);
}
