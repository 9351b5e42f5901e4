// The arithmetic of the 3-D scene without a view: the layout of the oblique
// projection, the mesh-density steps, the colour stripes and palette slots,
// the Gauss-Legendre region integral and the tangent plane. Expected values
// are worked by hand or by an independent python computation.
#include "solid/math/scene_math.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using namespace solid;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(SceneLayout, FigureBoxToProjectionAndInset) {
    // The box (100, 100)-(700, 500): a third in, a quarter up from the bottom.
    const SceneLayout s = MakeSceneLayout(100, 100, 700, 500);
    EXPECT_EQ(s.originX, 300);
    EXPECT_EQ(s.originY, 400);
    EXPECT_EQ(s.scaleX, 100);
    EXPECT_EQ(s.scaleY, 400);
    EXPECT_EQ(s.scaleZ, 300);
    EXPECT_EQ(s.insetLeft, 500);
    EXPECT_EQ(s.insetRight, 700);
    EXPECT_EQ(s.insetTop, 100);
    EXPECT_EQ(s.insetBottom, 200);
    EXPECT_DOUBLE_EQ(ObliqueFactor(s), 1.6);
    // A box of no height has no receding axis: the figure is refused.
    EXPECT_EQ(ObliqueFactor(MakeSceneLayout(100, 100, 700, 102)), 0.0);
}

TEST(SceneMath, MeshDensityStepsStayBetweenFiveAndTheCap) {
    // More: 5, 7, 10, 15, 22 (three halves, truncated); fewer: 5 -> 3 -> 5.
    int n = 5;
    const int more[] = {7, 10, 15, 22, 33};
    for (int expected : more) EXPECT_EQ(n = MoreMeshDivisions(n), expected);
    EXPECT_EQ(FewerMeshDivisions(5), kMinMeshDivisions);
    EXPECT_EQ(FewerMeshDivisions(22), 14);
    // Fifty clicks on "more" never pass the cap (nor wrap around).
    for (int i = 0; i < 50; ++i) n = MoreMeshDivisions(n);
    EXPECT_EQ(n, kMaxMeshDivisions);
    EXPECT_EQ(MoreMeshDivisions(2000000000), kMaxMeshDivisions);
    EXPECT_EQ(FewerMeshDivisions(-40), kMinMeshDivisions);
}

TEST(SceneMath, StripesWrapAndPaletteSlotsStayInTheTable) {
    struct Case {
        double u;
        int stripe, slot;
    };
    const Case cases[] = {
        {0.0, 0, 0},   {0.5, 128, 9},  {0.99, 240, 18}, {1.0, 0, 19}, // 256 wraps to 0
        {1.3, 64, 19}, {-0.5, 128, 0},                                // -128 keeps its low byte
        {kNaN, 0, 0},  {1e30, 0, 19},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(StripeLevel(c.u), c.stripe) << c.u;
        EXPECT_EQ(PaletteSlot(c.u), c.slot) << c.u;
    }
    EXPECT_EQ(LightenChannel(0, 5), 51);     // (0 + 255) / 5
    EXPECT_EQ(LightenChannel(100, 10), 115); // (900 + 255) / 10
}

// The five-point rule on one cell: the weights sum to 2.0000000001.
TEST(RegionIntegral, WorkedValuesOfTheRule) {
    const auto one = [](double, double) { return 1.0; };
    const auto zero = [](double, double) { return 0.0; };
    const auto inside = [](double, double) { return 1.0; };
    EXPECT_NEAR(RegionIntegral(1, 1, 0, 1, 0, 1, kRegionArea, one, zero, inside, false),
                1.0000000001, 1e-12);
    // A quadratic cap over [-1.5, 1.5]^2 on 50 x 50 cells (python with the
    // same ten-digit table: 30.937500003093728; exactly 30.9375).
    const auto cap = [](double x, double y) { return 4 - x * x / 2 - y * y / 4; };
    EXPECT_NEAR(
        RegionIntegral(50, 50, -1.5, 1.5, -1.5, 1.5, kRegionVolume, cap, zero, inside, false),
        30.937500003093728, 1e-9);
    // The plane z = 0.5x - 2y + 1 over a rectangle of area 2: A·sqrt(1 + a² + b²).
    const auto plane = [](double x, double y) { return 0.5 * x - 2 * y + 1; };
    const auto low = [](double, double) { return -10.0; };
    EXPECT_NEAR(RegionIntegral(4, 4, 0, 2, 0, 1, kUpperSurfaceArea, plane, low, inside, false),
                2 * std::sqrt(5.25) * 1.0000000001, 1e-9);
    // Points where the lower surface is above count only when inverted.
    const auto tilt = [](double x, double) { return 2 * x; }; // above f = 1 for x > 0.5
    const double half =
        RegionIntegral(10, 10, 0, 1, 0, 1, kRegionIntegral, one, tilt, inside, false);
    EXPECT_NEAR(half, 0.5, 1e-9);
    EXPECT_NEAR(RegionIntegral(10, 10, 0, 1, 0, 1, kRegionIntegral, one, tilt, inside, true), 1.0,
                1e-9);
}

TEST(RegionIntegral, VolumeTakesOnlyCellsWhoseCentreIsInside) {
    // The region x <= 0.4 on one cell [0, 1]^2: the centre lies outside, so
    // the volume is 0 while the area counts the Gauss points left of 0.4
    // (nodes 0.0469 and 0.2308 of the cell: weights 0.2369 + 0.4786).
    const auto one = [](double, double) { return 1.0; };
    const auto zero = [](double, double) { return 0.0; };
    const auto left = [](double x, double) { return 0.4 - x; };
    EXPECT_EQ(RegionIntegral(1, 1, 0, 1, 0, 1, kRegionVolume, one, zero, left, false), 0.0);
    EXPECT_NEAR(RegionIntegral(1, 1, 0, 1, 0, 1, kRegionArea, one, zero, left, false),
                (0.2369268851 + 0.4786286705) * 2.0000000001 / 4, 1e-12);
}

TEST(RegionIntegral, DegenerateInputsGiveZeroAndEnd) {
    const auto one = [](double, double) { return 1.0; };
    const auto zero = [](double, double) { return 0.0; };
    struct Case {
        int nx, ny;
        double x1, x2, y1, y2;
        int kind;
    };
    const Case cases[] = {
        {10, 10, 1, 1, 0, 1, kRegionArea},   // no width: a step of 0 never ends
        {10, 10, 0, 1, 2, 2, kRegionVolume}, // no height
        {10, 10, 1, 0, 0, 1, kRegionArea},   // reversed
        {10, 10, 0, kNaN, 0, 1, kRegionArea},
        {0, 10, 0, 1, 0, 1, kRegionArea}, // no cells
        {10, 10, 0, 1, 0, 1, 5},          // kinds outside 0..4
        {10, 10, 0, 1, 0, 1, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RegionIntegral(c.nx, c.ny, c.x1, c.x2, c.y1, c.y2, c.kind, one, zero, one, false),
                  0.0);
    // Huge counts are cut instead of running for minutes.
    EXPECT_NEAR(RegionIntegral(1 << 30, 1, 0, 1, 0, 1, kRegionArea, one, zero, one, false),
                1.0000000001, 1e-9);
}

TEST(TangentPlane, ForwardDifferencesOfStepOneThousandth) {
    // z = x² + y² at (1, 1): f_x = f_y = 2.001, the plane z = 2.001x + 2.001y - 2.002.
    const auto bowl = [](double x, double y) { return x * x + y * y; };
    const TangentPlane t = TangentPlaneAt(bowl, 1, 1);
    EXPECT_DOUBLE_EQ(t.z0, 2.0);
    EXPECT_NEAR(t.fx, 2.001, 1e-9);
    EXPECT_NEAR(t.fy, 2.001, 1e-9);
    EXPECT_NEAR(t.d, 2.001, 1e-9);
    EXPECT_NEAR(t.e, 2.001, 1e-9);
    EXPECT_NEAR(t.f, -2.002, 1e-9);
}

} // namespace
