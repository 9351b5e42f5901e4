// The coordinate demonstrations: the lessons' polar angle, the field of a
// source and a sink, the cylinder's generatrix, the frame's tick values,
// the circuit schematic, and step buttons that act once per click.
#include "solid/math/coord_math.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <string>

namespace {

using namespace test_support;

// Values from python3 with the same formulas.
TEST(CoordinateMath, AnglesFieldAndGeneratrix) {
    EXPECT_DOUBLE_EQ(solid::LessonPolarAngle(0, -3), 1.57);
    EXPECT_NEAR(solid::LessonPolarAngle(1, 2), 1.1071487177940904, 1e-12);
    EXPECT_NEAR(solid::LessonPolarAngle(-1, -1), 3.9253981633974484, 1e-12);

    double r1, r2;
    solid::Vec3 e = solid::SourceSinkField(0.5, 0.5, 0, &r1, &r2);
    EXPECT_NEAR(r1, 1.2247856955402443, 1e-12);
    EXPECT_NEAR(r2, 1.2247856955402443, 1e-12);
    EXPECT_NEAR(e.x, 0, 1e-12);
    EXPECT_NEAR(e.z, -1.088553250764323, 1e-12); // from the source down to the sink
    e = solid::SourceSinkField(0, 0, 0.5, &r1, &r2);
    EXPECT_NEAR(e.z, -4.442016015901073, 1e-9);

    // (0, 0, -2) over the floor: flipped upward, as long as the z span.
    solid::Vec3 g;
    ASSERT_TRUE(solid::CylinderGeneratrix(0, 0, -2, 0, true, 3.5, &g));
    EXPECT_DOUBLE_EQ(g.x, 0);
    EXPECT_DOUBLE_EQ(g.y, 0);
    EXPECT_DOUBLE_EQ(g.z, 3.5);
    ASSERT_TRUE(solid::CylinderGeneratrix(3, 0, 4, 1, true, 10, &g)); // on y = ymin
    EXPECT_DOUBLE_EQ(g.x, 6);
    EXPECT_DOUBLE_EQ(g.z, 8);
    EXPECT_FALSE(solid::CylinderGeneratrix(0, 0, 0, 0, true, 1, &g));
    ASSERT_TRUE(solid::CylinderGeneratrix(0, 0, 0, 0, false, 1, &g));
    EXPECT_DOUBLE_EQ(g.z, 0);

    EXPECT_DOUBLE_EQ(solid::KeepWithin(0.05, 0.1, 1.0), 0.1);
    EXPECT_DOUBLE_EQ(solid::KeepWithin(NAN, 0.1, 1.0), 0.1);
    EXPECT_DOUBLE_EQ(solid::KeepWithin(1.5, 0.1, 1.0), 1.0);
}

// The lattice of "画矢量场": ten points a side of [-2, 2]³, each arrow half a
// unit long (the point at the source itself included).
TEST(CoordinateMath, LatticeArrowsAreHalfAUnit) {
    int arrows = 0;
    for (int i = 0; i < 10; ++i)
        for (int k = 0; k < 10; ++k)
            for (int j = 0; j < 10; ++j) {
                double r1, r2;
                const solid::Vec3 d = solid::HalfUnitDirection(
                    solid::SourceSinkField(-2 + 0.4 * i, -2 + 0.4 * j, -2 + 0.4 * k, &r1, &r2));
                EXPECT_NEAR(std::sqrt(d.x * d.x + d.y * d.y + d.z * d.z), 0.5, 1e-12);
                ++arrows;
            }
    EXPECT_EQ(arrows, 1000);
    const solid::Vec3 z = solid::HalfUnitDirection({0, 0, 0});
    EXPECT_EQ(z.x, 0);
    EXPECT_EQ(z.z, 0);
}

class CoordinatePageTest : public ScratchPageTest {
protected:
    CoordinatePageTest() : ScratchPageTest("coord") {}
    static void WritePage(const std::string& body) {
        std::ofstream("data/c.txt", std::ios::binary) << Gbk(u8"014坐标\n107  说明\n" + body);
    }
    static void Click(CPemroView* v, int x, int y) {
        v->m_ptClick = CPoint(x - v->m_nClipLeft, y - v->m_nClipTop);
        ++v->m_nClickSerial;
        v->Invalidate();
        v->RenderPending();
    }
    TextRecorder log;
};

TEST_F(CoordinatePageTest, FrameTicksOfAUnitBox) {
    WritePage("700CoordinateSystem(0.5,6,36,10,1,1,0,0,1,0,1,0,1,0,0)\n");
    auto v = Page("c");
    v->m_pTextSink = &log;
    Draw(v.get());
    EXPECT_TRUE(v->m_bFigure3D);
    EXPECT_EQ(v->m_dRotationAngle, 0);
    for (const char* t : {"0.00", "0.25", "0.50", "0.75", "1.00"}) EXPECT_EQ(log.Count(t), 3) << t;
    // With the value switch off the ticks carry no numbers.
    WritePage("700CoordinateSystem(0.5,6,36,10,1,0,0,0,1,0,1,0,1,0,0)\n");
    log.pieces.clear();
    auto w = View("c");
    w->m_pTextSink = &log;
    Draw(w.get());
    EXPECT_EQ(log.Count("0.25"), 0);
}

TEST_F(CoordinatePageTest, CircuitClosesAtTheDefaultStep) {
    WritePage("700Electric(0.5,6,36,10,1,1,0,0,10,0,10,0,10,1,1)\n");
    auto v = Page("c");
    ASSERT_DOUBLE_EQ(v->m_dParamStep, 0.1);
    // The four corners of the loop lie on the wire.
    const COLORREF wire = v->m_crCurveSetting;
    for (const auto& c : {std::pair{1.0, 9.0}, {9.0, 9.0}, {9.0, 1.0}, {1.0, 1.0}}) {
        int px, py;
        ASSERT_TRUE(v->MapWorldWhole(c.first, c.second, &px, &py));
        int hits = 0;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) hits += Pixel(v.get(), px + dx, py + dy) == wire;
        EXPECT_GE(hits, 3) << c.first << "," << c.second;
    }
    // The labels L, R, ～E and C stand at their points; without the
    // components their places stay (nearly) empty.
    WritePage("700Electric(0.5,6,36,10,0,0,0,0,10,0,10,0,10,0,0)\n");
    auto w = Page("c");
    const std::pair<double, double> labels[] = {{1.5, 5}, {5, 8.5}, {8.5, 5.5}, {7, 2.5}};
    for (const auto& l : labels) {
        int px, py;
        ASSERT_TRUE(v->MapWorldWhole(l.first, l.second, &px, &py));
        const auto ink = [&](const CPemroView* u) {
            return CountColour(u->BackingImage(), wire, px + 4, py + 1, px + 24, py + 16);
        };
        EXPECT_GT(ink(v.get()), ink(w.get()) + 10) << l.first << "," << l.second;
    }
}

// dθ增 steps once per click, whatever repaints follow; the partition's
// shrink buttons stop at the smallest steps.
TEST_F(CoordinatePageTest, StepButtonsActOncePerClick) {
    WritePage("700CylCoord(0.5,6,36,10,1,1,0,-0.5,2,-0.5,2,0,2.5,1,1)\n");
    auto v = Page("c");
    const int x = v->m_nFigureRight + 2 + 5, T = v->m_nFigureTop + 5;
    Click(v.get(), x, T + 24); // 体元
    EXPECT_EQ(v->m_dDemoVariant, 2.0);
    const double before = v->m_dDTheta;
    Click(v.get(), x, T + 70); // dθ增
    for (int i = 0; i < 5; ++i) Draw(v.get());
    EXPECT_DOUBLE_EQ(v->m_dDTheta, before * 1.25);
    Click(v.get(), x, T); // 分割
    for (int i = 0; i < 5; ++i) {
        Click(v.get(), x, T + 94);  // dθ减
        Click(v.get(), x, T + 142); // dr减
        Click(v.get(), x, T + 190); // dz减
    }
    EXPECT_DOUBLE_EQ(v->m_dDTheta, solid::kMinDTheta);
    EXPECT_DOUBLE_EQ(v->m_dDR, solid::kMinDR);
    EXPECT_DOUBLE_EQ(v->m_dDZ, solid::kMinDZ);
}

TEST_F(CoordinatePageTest, FieldButtonsChooseTheSurface) {
    WritePage("700Field(0.5,6,36,10,0,0,0,-2,2,-2,2,-2,2,1,1)\n");
    auto v = Page("c");
    EXPECT_EQ(v->m_dDemoParam, 0.0); // the reset's 0.5 becomes 0
    EXPECT_EQ(v->m_nSurfaceUpper, 1);
    EXPECT_DOUBLE_EQ(v->m_adCoefSurfF[0], -1.3);
    const int R = v->m_nFigureRight, T = v->m_nFigureTop;
    const QImage frame = v->BackingImage().copy();
    Click(v.get(), R - 140 + 5, T + 4 + 5); // 画矢量场
    EXPECT_EQ(v->m_dDemoVariant, 1.0);
    int changed = 0;
    for (int y = T; y < v->m_nFigureBottom; ++y)
        for (int x = v->m_nFigureLeft; x < R; ++x)
            changed += ColourAt(frame, x, y) != Pixel(v.get(), x, y);
    EXPECT_GT(changed, 3000);
    Click(v.get(), R + 2 + 5, T + 4 + 5); // 含源
    EXPECT_EQ(v->m_dDemoVariant, 2.0);
    EXPECT_EQ(v->m_dDemoParam, 1.0);
    EXPECT_DOUBLE_EQ(v->m_adCoefSurfF[5], 2.0);
    EXPECT_DOUBLE_EQ(v->m_adCoefSurfG[5], 0.0);
}

TEST_F(CoordinatePageTest, CylinderLoadsItsDirectionOnce) {
    WritePage("700DATA1(0,1,1,0,0,0,0,)\n"
              "700Cylinder(0.5,6,36,10,1,39,1,-1.5,1.5,-1.5,1.5,0,2,0,1,1,0,6.28,0,0,-2)\n");
    auto v = Page("c");
    EXPECT_EQ(v->m_dDemoParam, 0.0);
    EXPECT_DOUBLE_EQ(v->m_adPQR[2], -2);
    Click(v.get(), v->m_nFigureRight + 5, v->m_nPlotTop + 5); // P增
    for (int i = 0; i < 3; ++i) Draw(v.get());
    EXPECT_DOUBLE_EQ(v->m_adPQR[0], 0.1);
    EXPECT_EQ(v->m_dDemoParam, 1.0);
    EXPECT_DOUBLE_EQ(v->m_adPQR[2], -2); // the script's triple does not come back
}

} // namespace
