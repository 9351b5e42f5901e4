// One mesh cell of a known plane on an in-memory surface: its mesh lines
// pass through the projected points of the surface along the cell's near
// edges and are left out beyond the region, and the contour z = c lies where
// the surface meets c, on the surface and on the base; a line that leaves
// the box through its top ends there.
#include "test_support.h"

#include "catalog/surface_pass.h"

#include <gtest/gtest.h>

namespace {

using namespace test_support;

constexpr COLORREF kMesh = RGB(200, 200, 200);
constexpr COLORREF kContour = RGB(250, 60, 60);
constexpr COLORREF kBaseContour = RGB(60, 250, 60);

class SurfaceMeshTest : public ViewSurfaceTest {
protected:
    void SetUp() override {
        MakeSurface(800, 600);
        CPemroView& v = *view;
        // Over the box [0, 2] × [0, 4] × [0, 3]:
        // X = 300 + trunc(100y − 80x), Y = 400 + trunc(50x − 100z).
        SetUpSceneFigure(v);
        v.m_nMeshDivX = v.m_nMeshDivY = 1;
        // z = 1 + (x + y)/4 above, no lower surface; the mesh colour is the
        // brightness itself, so its height grading leaves it as it is.
        for (double& c : v.m_adCoefSurfF) c = 0;
        v.m_adCoefSurfF[3] = v.m_adCoefSurfF[4] = 0.25, v.m_adCoefSurfF[5] = 1;
        v.m_nSurfaceUpper = 1, v.m_nSurfaceLower = -1;
        v.m_nBrightness3D = 200;
        for (int& c : v.m_anUpperMeshRgb) c = 200;
        v.m_crDefaultPen = kContour, v.m_crFirstDerivative = kBaseContour;
        v.m_nPixelSize = 1;
        v.m_dXMin = 0, v.m_dXMax = 2, v.m_dYMin = 0, v.m_dYMax = 4, v.m_dZMin = 0, v.m_dZMax = 3;
        v.m_dXSpan = 2, v.m_dYSpan = 4, v.m_dZSpan = 3;
        // The region is open: the cell's edges lie inside a larger one.
        Region(-1, 3, -1, 5);
        v.BeginPassClickState();
        view->DrawSurfaceScene(dc.get(), 1, 1, 3, 0, 0, 0, 0, "", "", "");
        Clear();
    }
    void Region(double x0, double x1, double y0, double y1) {
        double* r = view->m_adRegionRect;
        r[0] = x0, r[1] = x1, r[2] = y0, r[3] = y1;
    }
    // The cell [0, 2] × [0, 4] drawn by itself, its fine steps a sixth and a
    // half of a pixel.
    void Cell() {
        view->DrawSurfaceMesh(dc.get(), 0, 0, 2, 4, 0, 0, 0, 0, 0, 0, 1, 1, 0.16 * 2 / 100,
                              0.5 * 4 / 400);
    }
    // Whether the pixels about the projection of (x, y, z) hold colour c
    // (each channel within one of it: the height grading rounds).
    bool DrawnAt(double x, double y, double z, COLORREF c) {
        int px = 0, py = 0;
        EXPECT_TRUE(view->ProjectPoint3D(x, y, z, &px, &py));
        const auto near = [](int a, int b) { return a - b <= 1 && b - a <= 1; };
        for (int i = px - 1; i <= px + 1; ++i)
            for (int j = py - 1; j <= py + 1; ++j) {
                const COLORREF p = At(i, j);
                if (near(GetRValue(p), GetRValue(c)) && near(GetGValue(p), GetGValue(c)) &&
                    near(GetBValue(p), GetBValue(c)))
                    return true;
            }
        return false;
    }
};

TEST_F(SurfaceMeshTest, MeshLinesRunThroughTheSurfaceAlongTheNearEdges) {
    Cell();
    const auto z = [](double x, double y) { return 1 + (x + y) / 4; };
    // Along y at x = 0 and along x at y = 0.
    for (double t = 0.1; t < 3.95; t += 0.3) EXPECT_TRUE(DrawnAt(0, t, z(0, t), kMesh)) << t;
    for (double s = 0.05; s < 1.95; s += 0.15) EXPECT_TRUE(DrawnAt(s, 0, z(s, 0), kMesh)) << s;
    // The far edge x = 2 is the neighbour's and the inside of the cell is
    // open (both 5 pixels or more from the near edges in this projection).
    for (double t : {2.0, 3.0}) {
        EXPECT_FALSE(DrawnAt(2, t, z(2, t), kMesh)) << t;
        EXPECT_FALSE(DrawnAt(1, t, z(1, t), kMesh)) << t;
    }
}

TEST_F(SurfaceMeshTest, MeshLinesStopAtTheRegion) {
    // The region ends at y = 2: the line along y reaches it and no further.
    Region(-1, 3, -1, 2);
    Cell();
    for (double t = 0.1; t < 1.9; t += 0.3) EXPECT_TRUE(DrawnAt(0, t, 1 + t / 4, kMesh)) << t;
    for (double t = 2.2; t < 3.95; t += 0.3) EXPECT_FALSE(DrawnAt(0, t, 1 + t / 4, kMesh)) << t;
}

TEST_F(SurfaceMeshTest, MeshLinesEndWhereTheSurfaceLeavesTheBox) {
    // The box's top at z = 1.5: the line along y at x = 0 climbs through it
    // at y = 2. Fine steps of 0.27 leave it 15 spans of 4/15, one of them
    // from y = 28/15 to 32/15 across the top: it is cut at (0, 2, 1.5) and
    // goes on neither above the top nor along it.
    CPemroView& v = *view;
    v.m_dZMax = 1.5, v.m_dZSpan = 1.5;
    view->DrawSurfaceMesh(dc.get(), 0, 0, 2, 4, 0, 0, 0, 0, 0, 0, 1, 1, 0.27, 0.27);
    for (double t = 0.1; t < 1.95; t += 0.3) EXPECT_TRUE(DrawnAt(0, t, 1 + t / 4, kMesh)) << t;
    EXPECT_TRUE(DrawnAt(0, 2, 1.5, kMesh));
    for (double t = 2.1; t < 3.95; t += 0.3) {
        EXPECT_FALSE(DrawnAt(0, t, 1 + t / 4, kMesh)) << t;
        EXPECT_FALSE(DrawnAt(0, t, 1.5, kMesh)) << t;
    }
    // Along x at y = 0 the surface stays within the box (z <= 1.5).
    for (double s = 0.05; s < 1.95; s += 0.3) EXPECT_TRUE(DrawnAt(s, 0, 1 + s / 4, kMesh)) << s;
}

TEST_F(SurfaceMeshTest, CurvedMeshLinesFollowTheSurfaceBetweenTheirSpans) {
    // z = 2.9 − 2(y − 2)² along x = 0 over the region's y in [1.2, 2.8]: the
    // ends of a span about the top lie level, so only its middle shows the
    // arch (2.9 at y = 2, 100 pixels a unit of z on screen).
    CPemroView& v = *view;
    for (double& c : v.m_adCoefSurfF) c = 0;
    v.m_adCoefSurfF[2] = -2, v.m_adCoefSurfF[4] = 8, v.m_adCoefSurfF[5] = -5.1;
    Region(-1, 3, 1.2, 2.8);
    Cell();
    const auto z = [](double y) { return 2.9 - 2 * (y - 2) * (y - 2); };
    for (double t = 1.3; t < 2.75; t += 0.05) EXPECT_TRUE(DrawnAt(0, t, z(t), kMesh)) << t;
}

TEST_F(SurfaceMeshTest, SpansBeyondTheBoxStillShowWhereTheSurfaceDipsIn) {
    // The cell [0, 2] × [1.94, 1.9675] is one span along x = 0, both of
    // whose ends lie beyond the box; the narrow dip about y = 1.9503125
    // comes back into it. z = ±10⁴(y − 1.9503125)² + e, expanded by hand;
    // halved to the fine step the span has a node at y = 1.946875, where
    // z = e ± 0.1181640625.
    struct Row {
        const char* label;
        double y2, y1, one; // z = y2·y² + y1·y + one
        double z;           // at y = 1.946875, inside [0, 3]
    };
    const Row rows[] = {
        {"down from above the top", 1e4, -39006.25, 38039.6884765625, 2.6181640625},
        {"up from below the floor", -1e4, 39006.25, -38036.6884765625, 0.3818359375},
    };
    CPemroView& v = *view;
    for (const Row& r : rows) {
        Clear();
        for (double& c : v.m_adCoefSurfF) c = 0;
        v.m_adCoefSurfF[2] = r.y2, v.m_adCoefSurfF[4] = r.y1, v.m_adCoefSurfF[5] = r.one;
        view->DrawSurfaceMesh(dc.get(), 0, 1.94, 2, 0.0275, 0, 0, 0, 0, 0, 0, 1, 1, 0.0032, 0.005);
        EXPECT_TRUE(DrawnAt(0, 1.946875, r.z, kMesh)) << r.label;
    }
}

TEST_F(SurfaceMeshTest, ContourLiesWhereTheSurfaceMeetsTheLevel) {
    // z = 1 + (x + y)/4 meets c = 1.5 along x + y = 2.
    CPemroView& v = *view;
    v.m_bCutZc = 2, v.m_dDirP = 1.5, v.m_bProjectBase = 1;
    Cell();
    for (double s = 0.1; s < 1.95; s += 0.2) {
        EXPECT_TRUE(DrawnAt(s, 2 - s, 1.5, kContour)) << s;
        EXPECT_TRUE(DrawnAt(s, 2 - s, 0, kBaseContour)) << s;
        // Along x + y = 1 and 3 the surface is 0.25 off the level.
        EXPECT_FALSE(DrawnAt(s / 2, 1 - s / 2, 0, kBaseContour)) << s;
        EXPECT_FALSE(DrawnAt(s, 3 - s, 0, kBaseContour)) << s;
    }
}

// Cells of two sizes in one pass: each grid is laid out for its own cell,
// so the smaller cell's contour ends at its own edges.
TEST_F(SurfaceMeshTest, EachCellOfAPassLaysItsGridOverItself) {
    CPemroView& v = *view;
    v.m_bCutZc = 2, v.m_dDirP = 1.5, v.m_bProjectBase = 1;
    CPemroView::SurfacePass pass(v);
    ASSERT_TRUE(pass.active);
    Cell();
    Clear();
    // The cell [0, 1] × [0.5, 2.5], which x + y = 2 crosses from (0, 2)
    // to (1, 1).
    view->DrawSurfaceMesh(dc.get(), 0, 0.5, 1, 2, 0, 0, 0, 0, 0, 0, 1, 1, 0.16 * 2 / 100,
                          0.5 * 4 / 400);
    for (double s = 0.1; s < 0.95; s += 0.2) EXPECT_TRUE(DrawnAt(s, 2 - s, 0, kBaseContour)) << s;
    // Beyond the cell's far edge x = 1, nothing of it.
    for (double s = 1.2; s < 1.95; s += 0.2) EXPECT_FALSE(DrawnAt(s, 2 - s, 0, kBaseContour)) << s;
    // The first size again, after the second.
    Clear();
    Cell();
    for (double s = 0.1; s < 1.95; s += 0.2) EXPECT_TRUE(DrawnAt(s, 2 - s, 0, kBaseContour)) << s;
}

} // namespace
