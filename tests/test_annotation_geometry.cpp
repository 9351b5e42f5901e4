// Geometry of the annotation commands without a view: planes, feet of
// perpendiculars, the rectangle chord, the saddle value, curvature centres
// and stepped scans. Expected values are worked out by hand.
#include "script/math/annotation_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace annotation;

namespace {
constexpr double kInf = std::numeric_limits<double>::infinity();
}

TEST(AnnotationGeometry, ProjectingPlaneContainsTheLineAndIsPerpendicular) {
    // π: z = x; the line through (2, 5, 3) along y. The plane through it
    // perpendicular to π is z = −x + 5 (normals (1,0,−1)·(−1,0,−1) = 0).
    PlaneZ out{9, 9, 9};
    ASSERT_TRUE(ProjectingPlane({1, 0, 0}, {2, 5, 3}, 0, 1, 0, &out));
    EXPECT_DOUBLE_EQ(out.a, -1);
    EXPECT_DOUBLE_EQ(out.b, 0);
    EXPECT_DOUBLE_EQ(out.c, 5);
}

TEST(AnnotationGeometry, ProjectingPlaneOfAParallelDirectionIsRefused) {
    // (m, n) parallel to (a, b): m·b − n·a = 0, the plane would be vertical.
    PlaneZ out{7, 8, 9};
    EXPECT_FALSE(ProjectingPlane({1, 2, 0}, {0, 0, 0}, 2, 4, 1, &out));
    EXPECT_FALSE(ProjectingPlane({1, 0, 0}, {0, 0, 0}, 0.001, 0.005, 1, &out)); // |D| = 0.005
    EXPECT_DOUBLE_EQ(out.a, 7);
}

TEST(AnnotationGeometry, PerpendicularPlaneThroughThePoint) {
    PlaneZ out{};
    ASSERT_TRUE(PerpendicularPlane({1, 1, 1}, 1, 1, 1, &out)); // z = −x − y + 3
    EXPECT_DOUBLE_EQ(out.a, -1);
    EXPECT_DOUBLE_EQ(out.b, -1);
    EXPECT_DOUBLE_EQ(out.c, 3);
    EXPECT_FALSE(PerpendicularPlane({1, 1, 1}, 1, 1, 0, &out));
}

TEST(AnnotationGeometry, FootOfThePerpendicular) {
    const Point3 f = FootOnPlane({0, 0, 0}, {1, 2, 5});
    EXPECT_DOUBLE_EQ(f.x, 1);
    EXPECT_DOUBLE_EQ(f.y, 2);
    EXPECT_DOUBLE_EQ(f.z, 0);
    // z = x from (0, 0, 2): the foot (1, 0, 1) lies on it, P − F along (1, 0, −1).
    const Point3 g = FootOnPlane({1, 0, 0}, {0, 0, 2});
    EXPECT_DOUBLE_EQ(g.x, 1);
    EXPECT_DOUBLE_EQ(g.y, 0);
    EXPECT_DOUBLE_EQ(g.z, 1);
}

TEST(AnnotationGeometry, SlabOfAStillCoordinate) {
    double lo, hi;
    SlabInterval(1, 0, 0, 2, &lo, &hi);
    EXPECT_EQ(lo, -kInf);
    EXPECT_EQ(hi, kInf);
    SlabInterval(3, 0, 0, 2, &lo, &hi);
    EXPECT_GE(lo, hi);
    SlabInterval(1, -2, 0, 2, &lo, &hi); // 1 − 2t in (0, 2): t in (−0.5, 0.5)
    EXPECT_DOUBLE_EQ(lo, -0.5);
    EXPECT_DOUBLE_EQ(hi, 0.5);
}

TEST(AnnotationGeometry, FirstStepOutsideMatchesSteppingOneByOne) {
    const auto inside = [](double t) { return t < 0.35; };
    EXPECT_EQ(FirstStepOutside(inside, 0.35, 0.1, 1000), 4);
    EXPECT_EQ(FirstStepOutside(inside, 0.35, 0.05, 1000), 7); // 0.35 itself is outside
    // A wrong analytic exit is corrected within a few steps.
    EXPECT_EQ(FirstStepOutside(inside, 0.2, 0.1, 1000), 4);
    EXPECT_EQ(FirstStepOutside([](double) { return false; }, 5, 0.1, 1000), 0);
    EXPECT_EQ(FirstStepOutside([](double) { return true; }, kInf, 0.1, 1000), 1000);
}

TEST(AnnotationGeometry, RectangleChordThroughAPoint) {
    // [0, 4] x [0, 2] with spans 10: margins 0.01. Horizontal through (1, 1).
    double q1x, q1y, q2x, q2y;
    BoxChord({0, 0, 4, 2}, 10, 10, 1, 1, 2, 1, &q1x, &q1y, &q2x, &q2y);
    EXPECT_NEAR(q1x, 3.99, 2e-4);
    EXPECT_DOUBLE_EQ(q1y, 1);
    EXPECT_NEAR(q2x, 0.01, 2e-4);
    EXPECT_NEAR(std::hypot(q1x - q2x, q1y - q2y), 3.98, 3e-4);
    // Slope 1/2 through (1, 1) toward (2, 1.5): forward it leaves at the top
    // y = 1.99 (t = 1.98), backward at the left x = 0.01 (t = −0.99).
    BoxChord({0, 0, 4, 2}, 10, 10, 1, 1, 2, 1.5, &q1x, &q1y, &q2x, &q2y);
    EXPECT_NEAR(q1x, 2.98, 2e-4);
    EXPECT_NEAR(q1y, 1.99, 2e-4);
    EXPECT_NEAR(q2x, 0.01, 2e-4);
    EXPECT_NEAR(q2y, 0.505, 2e-4);
}

TEST(AnnotationGeometry, RectangleChordOfAStillOrOutsidePointHasLengthZero) {
    double q1x, q1y, q2x, q2y;
    BoxChord({0, 0, 4, 2}, 10, 10, 1, 1, 1, 1, &q1x, &q1y, &q2x, &q2y); // P = A
    EXPECT_DOUBLE_EQ(q1x, 1);
    EXPECT_DOUBLE_EQ(q2y, 1);
    BoxChord({0, 0, 4, 2}, 10, 10, 5, 1, 2, 1, &q1x, &q1y, &q2x, &q2y); // A outside
    EXPECT_DOUBLE_EQ(q1x, 5);
    EXPECT_DOUBLE_EQ(q2x, 5);
}

TEST(AnnotationGeometry, SaddleValueOfQuadrics) {
    const auto saddle = [](double x, double y) { return x * x - y * y; };
    EXPECT_NEAR(SaddleValue(saddle, 0, 0, 1e-4), 4, 1e-3); // A = 2, C = −2, B = 0
    const auto bowl = [](double x, double y) { return x * x + y * y; };
    EXPECT_NEAR(SaddleValue(bowl, 0.5, -0.5, 1e-4), -4, 1e-3);
    const auto twist = [](double x, double y) { return x * y; };
    EXPECT_NEAR(SaddleValue(twist, 0.3, 0.2, 1e-4), 1, 1e-3);
}

TEST(AnnotationGeometry, CurvatureCentreOfAParabolaAndACircle) {
    double k, cx, cy;
    // y = x² at 0: p = 0, q = 2, κ = 2, centre (0, 1/2).
    ASSERT_TRUE(CurvatureCentre(0, 0, 0, 2, &k, &cx, &cy));
    EXPECT_DOUBLE_EQ(k, 2);
    EXPECT_DOUBLE_EQ(cx, 0);
    EXPECT_DOUBLE_EQ(cy, 0.5);
    // The upper unit circle at x = 0.6: y = 0.8, y' = −0.75, y'' = −1/0.8³.
    ASSERT_TRUE(CurvatureCentre(0.6, 0.8, -0.75, -1 / 0.512, &k, &cx, &cy));
    EXPECT_NEAR(k, -1, 1e-12);
    EXPECT_NEAR(cx, 0, 1e-12);
    EXPECT_NEAR(cy, 0, 1e-12);
    EXPECT_FALSE(CurvatureCentre(1, 1, 3, 0, &k, &cx, &cy)); // a straight piece
    EXPECT_FALSE(CurvatureCentre(1, 1, 3, std::nan(""), &k, &cx, &cy));
}
