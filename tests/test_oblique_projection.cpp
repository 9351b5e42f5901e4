// The oblique projection read once for a figure: the pixels of hand-worked
// points, alone and in runs whose points share their (x, y), and the view's
// own projection giving the same.
#include "test_support.h"

#include "render/oblique_projection.h"

#include <cmath>
#include <limits>
#include <memory>

namespace {

std::unique_ptr<CPemroView> ObliqueView() {
    auto view = test_support::MakeView();
    test_support::SetObliqueTestBox(*view);
    return view;
}

struct Case {
    double x, y, z;
    bool drawn;
    int sx, sy;
};

// sx = 10 + trunc((y + 2)·100 − (x + 1)·25), sy = 500 + trunc((x + 1)·50 − z·100).
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
const Case kCases[] = {
    {0, 0, 1.5, true, 10 + 200 - 25, 500 + 50 - 150},
    {0, 0, 0.5, true, 10 + 200 - 25, 500 + 50 - 50},    // the same (x, y)
    {1, -1.875, 0.25, true, 10 - 37, 500 + 100 - 25},   // −37.5 truncated toward zero
    {1, -1.875, 2.755, true, 10 - 37, 500 + 100 - 275}, // 100 − 275.5 → −175
    {-1, -2, 0, true, 10, 500},
    {0, 0, 1.5, true, 10 + 200 - 25, 500 + 50 - 150}, // back to the first point
    {0, 0, kNaN, false, 0, 0},
    {0, 0, 1e30, false, 0, 0},
    {0, 0, 1, true, 10 + 200 - 25, 500 + 50 - 100}, // after a failed one
    {kNaN, 0, 1, false, 0, 0},
    {0, 0, 1, true, 10 + 200 - 25, 500 + 50 - 100},
};

TEST(ObliqueProjection, PixelsOfHandWorkedPointsInOneRun) {
    const auto view = ObliqueView();
    const ObliqueProjection projection(*view);
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.x << ", " << c.y << ", " << c.z);
        int sx = 0, sy = 0;
        ASSERT_EQ(projection.Project(c.x, c.y, c.z, &sx, &sy), c.drawn);
        if (!c.drawn) continue;
        EXPECT_EQ(sx, c.sx);
        EXPECT_EQ(sy, c.sy);
    }
}

TEST(ObliqueProjection, ViewProjectsEachPointAlike) {
    const auto view = ObliqueView();
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.x << ", " << c.y << ", " << c.z);
        int sx = 0, sy = 0;
        ASSERT_EQ(bool(view->ProjectPoint3D(c.x, c.y, c.z, &sx, &sy)), c.drawn);
        if (!c.drawn) continue;
        EXPECT_EQ(sx, c.sx);
        EXPECT_EQ(sy, c.sy);
    }
}

TEST(ObliqueProjection, PlacesPointsAsTheViewTurnsAndArranges) {
    const auto view = ObliqueView();
    // Unturned and in the usual arrangement a point stays where it is.
    {
        const ObliqueProjection projection(*view);
        double x = 0.25, y = -1.5, z = 2;
        projection.Place(&x, &y, &z);
        EXPECT_EQ(x, 0.25);
        EXPECT_EQ(y, -1.5);
        EXPECT_EQ(z, 2);
    }
    // A quarter turn about the centre (0, 0) takes (1, 0) to (0, 1); the
    // arrangement 2 then reads (x, y, z) as (y, z, x).
    view->m_dRotationAngle = std::acos(-1.0) / 2;
    view->m_nAxisArrangement = 2;
    const ObliqueProjection projection(*view);
    double x = 1, y = 0, z = 2;
    projection.Place(&x, &y, &z);
    EXPECT_NEAR(x, 1, 1e-12);
    EXPECT_NEAR(y, 2, 1e-12);
    EXPECT_NEAR(z, 0, 1e-12);
}

} // namespace
