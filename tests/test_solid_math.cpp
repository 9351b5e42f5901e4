// The arithmetic of the 3-D scene without a view: the layout of the oblique
// projection, the mesh-density steps, the colour stripes and palette slots,
// the region integral and the tangent plane. Expected values
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

// Zoomed, the box leaves room for its frame (7/4 of a line left, a line
// above, two lines right and below) inside the visible area.
TEST(SceneLayout, ZoomedBoxKeepsItsFrameInsideTheArea) {
    struct Row {
        int left, top, right, bottom, line, margin;
        SceneBox expected; // by hand: 7 * line / 4 truncated
    };
    const Row rows[] = {
        {0, 0, 1024, 768, 20, 4, {39, 24, 980, 724}},
        {0, 500, 1920, 1580, 33, 4, {61, 537, 1850, 1510}},
        {10, 20, 110, 220, 0, 0, {10, 20, 110, 220}},
        {0, 0, 1010, 695, 27, 4, {51, 31, 952, 637}},
    };
    for (const Row& r : rows) {
        const SceneBox b = ZoomedSceneBox(r.left, r.top, r.right, r.bottom, r.line, r.margin);
        EXPECT_EQ(b.left, r.expected.left) << r.right;
        EXPECT_EQ(b.top, r.expected.top) << r.right;
        EXPECT_EQ(b.right, r.expected.right) << r.right;
        EXPECT_EQ(b.bottom, r.expected.bottom) << r.right;
    }
}

// Zoomed in a window taller than wide, the box keeps at most 3/4 of its
// width in height (by hand: 3 * width / 4 truncated, from its top).
TEST(SceneLayout, ZoomedBoxInATallWindowKeepsItsProportion) {
    struct Row {
        SceneBox box;
        int expectedBottom;
    };
    const Row rows[] = {
        {{51, 31, 1226, 2100}, 912}, // 1280 x 2160: 3 * 1175 / 4 = 881
        {{39, 24, 980, 724}, 724},   // 1024 x 768: 700 <= 705, kept
        {{10, 20, 110, 220}, 95},    // 3 * 100 / 4 = 75
        {{5, 5, 5, 50}, 5},          // no width, no height
    };
    for (const Row& r : rows) {
        const SceneBox b = ProportionedSceneBox(r.box);
        EXPECT_EQ(b.left, r.box.left);
        EXPECT_EQ(b.top, r.box.top);
        EXPECT_EQ(b.right, r.box.right);
        EXPECT_EQ(b.bottom, r.expectedBottom) << r.box.right;
    }
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

// Region integrals against mpmath (quad, 20 digits) of the iterated
// integrals, the inner limits from the region's boundary curves. The cap is
// z = 4 - x²/2 - y²/4 over the floor z = 0.
TEST(RegionIntegral, TrueValuesOverSquareDiscCurvedAndPolarRegions) {
    const auto cap = [](double x, double y) { return 4 - x * x / 2 - y * y / 4; };
    const auto floor = [](double, double) { return 0.0; };
    using Region = double (*)(double, double);
    const Region square = [](double, double) { return 1.0; };
    const Region disc = [](double x, double y) { return 4 - x * x - y * y; };
    // x² <= y <= 2 - x²: bounded by two curves y = g1(x), y = g2(x).
    const Region between = [](double x, double y) { return (2 - x * x - y) * (y - x * x); };
    // r <= 1 + cos(θ)/2.
    const Region polar = [](double x, double y) {
        const double r = std::hypot(x, y);
        return 1 + (r > 0 ? x / r : 1) / 2 - r;
    };
    struct Case {
        Region region;
        double x1, x2, y1, y2;
        int kind;
        double expected;
    };
    const Case cases[] = {
        {square, -1.5, 1.5, -1.5, 1.5, kRegionVolume, 30.9375},
        {square, -1.5, 1.5, -1.5, 1.5, kUpperSurfaceArea, 12.334363102406552806},
        {disc, -2.5, 2.5, -2.5, 2.5, kRegionArea, 12.566370614359172954},   // 4π
        {disc, -2.5, 2.5, -2.5, 2.5, kRegionIntegral, 40.8407044966673121}, // 13π
        {disc, -2.5, 2.5, -2.5, 2.5, kRegionVolume, 40.8407044966673121},
        {disc, -2.5, 2.5, -2.5, 2.5, kUpperSurfaceArea, 18.457048258844857436},
        {between, -1, 1, -0.5, 2.5, kRegionArea, 8.0 / 3},
        {between, -1, 1, -0.5, 2.5, kRegionVolume, 9.5809523809523809524},
        {polar, -1, 2, -1.5, 1.5, kRegionArea, 3.5342917352885173933},
        {polar, -1, 2, -1.5, 1.5, kRegionIntegral, 13.015826985209665834},
    };
    for (const Case& c : cases)
        for (int n : {5, 60, 200})
            EXPECT_NEAR(
                RegionIntegral(n, n, c.x1, c.x2, c.y1, c.y2, c.kind, cap, floor, c.region, false),
                c.expected, 2e-7)
                << c.kind << " " << c.x1 << " " << n;
}

TEST(RegionIntegral, SurfacesInTheWrongOrderCountOnlyWhenInverted) {
    // f = 1 over g = 2x on the unit square: g <= f for x <= 1/2.
    const auto one = [](double, double) { return 1.0; };
    const auto tilt = [](double x, double) { return 2 * x; };
    const auto inside = [](double, double) { return 1.0; };
    EXPECT_NEAR(RegionIntegral(10, 10, 0, 1, 0, 1, kRegionIntegral, one, tilt, inside, false), 0.5,
                1e-12);
    EXPECT_NEAR(RegionIntegral(10, 10, 0, 1, 0, 1, kRegionIntegral, one, tilt, inside, true), 1.0,
                1e-12);
    // The volume between them: ∫₀^½ (1 - 2x) dx = 1/4.
    EXPECT_NEAR(RegionIntegral(7, 7, 0, 1, 0, 1, kRegionVolume, one, tilt, inside, false), 0.25,
                1e-12);
    // The plane z = 0.5x - 2y + 1 over a rectangle of area 2: A·sqrt(1 + a² + b²).
    const auto plane = [](double x, double y) { return 0.5 * x - 2 * y + 1; };
    const auto low = [](double, double) { return -10.0; };
    EXPECT_NEAR(RegionIntegral(4, 4, 0, 2, 0, 1, kUpperSurfaceArea, plane, low, inside, false),
                2 * std::sqrt(5.25), 1e-9);
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
    EXPECT_NEAR(RegionIntegral(1 << 30, 1, 0, 1, 0, 1, kRegionArea, one, zero, one, false), 1.0,
                1e-12);
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
