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

// The polar angle against atan2 (mpmath), within what the lesson's
// constants 1.57 and 3.14 for π/2 and π allow; the field against
// Coulomb's law for a unit source at (0, 0, 1) and sink at (0, 0, -1),
// E = (p - s)/|p - s|³ - (p - t)/|p - t|³ with r² softened by 1e-4 (mpmath).
TEST(CoordinateMath, AnglesFieldAndGeneratrix) {
    EXPECT_DOUBLE_EQ(solid::LessonPolarAngle(0, -3), 1.57); // the lesson's angle of the y axis
    EXPECT_NEAR(solid::LessonPolarAngle(1, 2), 1.1071487177940905, 1e-12);
    EXPECT_NEAR(solid::LessonPolarAngle(1, -2), -1.1071487177940905, 1e-12);
    EXPECT_NEAR(solid::LessonPolarAngle(-1, -1), 3.9269908169872415, 2e-3); // 5π/4
    EXPECT_NEAR(solid::LessonPolarAngle(-1, 2), 2.0344439357957027, 2e-3);  // π - atan 2

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
        WriteScript("c", u8"014坐标\n107  说明\n" + body);
    }
    static std::unique_ptr<CPemroView> PageOf(const std::string& body) {
        WritePage(body);
        return Page("c");
    }
    // A press at a page point.
    static void Click(CPemroView* v, int x, int y) { ClickPage(*v, x, y); }
    TextRecorder log;
};

TEST_F(CoordinatePageTest, FrameTicksOfAUnitBox) {
    auto v = PageOf("700CoordinateSystem(0.5,6,36,10,1,1,0,0,1,0,1,0,1,0,0)\n");
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
    auto v = PageOf("700Electric(0.5,6,36,10,1,1,0,0,10,0,10,0,10,1,1)\n");
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
    auto w = PageOf("700Electric(0.5,6,36,10,0,0,0,0,10,0,10,0,10,0,0)\n");
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
    auto v = PageOf("700CylCoord(0.5,6,36,10,1,1,0,-0.5,2,-0.5,2,0,2.5,1,1)\n");
    PressControl(*v, u8"体元");
    EXPECT_EQ(v->m_dDemoVariant, 2.0);
    const double before = v->m_dDTheta;
    PressControl(*v, u8"dθ增");
    for (int i = 0; i < 5; ++i) Draw(v.get());
    EXPECT_DOUBLE_EQ(v->m_dDTheta, before * 1.25);
    PressControl(*v, u8"分割");
    for (int i = 0; i < 5; ++i) {
        PressControl(*v, u8"dθ减");
        PressControl(*v, u8"dr减");
        PressControl(*v, u8"dz减");
    }
    EXPECT_DOUBLE_EQ(v->m_dDTheta, solid::kMinDTheta);
    EXPECT_DOUBLE_EQ(v->m_dDR, solid::kMinDR);
    EXPECT_DOUBLE_EQ(v->m_dDZ, solid::kMinDZ);

    // The point's z steps by a twentieth of the z span 2.5.
    v = PageOf("700CylCoord(0.5,6,36,10,1,1,0,-0.5,2,-0.5,2,0,2.5,1,1)\n");
    const double z = v->m_dDirP;
    PressControl(*v, u8"z增");
    PressControl(*v, u8"z增");
    EXPECT_NEAR(v->m_dDirP, z + 0.25, 1e-12);
    PressControl(*v, u8"z减");
    EXPECT_NEAR(v->m_dDirP, z + 0.125, 1e-12);
}

TEST_F(CoordinatePageTest, FieldButtonsChooseTheSurface) {
    auto v = PageOf("700Field(0.5,6,36,10,0,0,0,-2,2,-2,2,-2,2,1,1)\n");
    EXPECT_EQ(v->m_dDemoParam, 0.0); // the reset's 0.5 becomes 0
    EXPECT_EQ(v->m_nSurfaceUpper, 1);
    EXPECT_DOUBLE_EQ(v->m_adCoefSurfF[0], -1.3);
    const int R = v->m_nFigureRight, T = v->m_nFigureTop;
    const QImage frame = v->BackingImage().copy();
    const int wAll = v->ButtonWidth(Gbk(u8"含源和汇")),
              wLattice = v->ButtonWidth(Gbk(u8"画矢量场"));
    Click(v.get(), R - wAll - wLattice - 4 + 5, T + 4 + 5); // 画矢量场
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

// Before a point is picked both coordinate arrows have no length: their
// labels still show, stacked above the origin, and neither hides the other.
TEST_F(CoordinatePageTest, CoordinateLabelsShowBeforeAPointIsPicked) {
    struct Case {
        const char* command;
        const char* foot;
        const char* top;
    } const cases[] = {
        {"700CylCoord(0.5,6,36,10,1,1,0,-0.5,2,-0.5,2,0,2.5,1,1)\n", u8"(r,θ,0)", u8"(r,θ,z)"},
        {"700SpherCoord(0.5,6,36,10,1,1,0,-2,2,-2,2,0,2.5,2,1)\n", u8"(r,θ,π/2)", u8"(r,θ,φ)"},
    };
    for (const Case& c : cases) {
        auto v = PageOf(c.command);
        double x = 0, y = 0;
        v->TurnPoint3D(&x, &y);
        int sx = 0, sy = 0;
        ASSERT_TRUE(v->ProjectPoint3D(x, y, 0, &sx, &sy));
        const int h = std::abs(v->m_lfCurrent.lfHeight);
        const CRect near(sx - 3 * h, sy - 4 * h, sx + 12 * h, sy + h);
        EXPECT_TRUE(ShowsString(*v, sx - h, sy - h, c.foot, v->m_crCurveSetting, near)) << c.foot;
        EXPECT_TRUE(ShowsString(*v, sx - h, sy - 2 * h, c.top, v->m_crCurveSetting, near)) << c.top;
    }
}

TEST_F(CoordinatePageTest, CylinderLoadsItsDirectionOnce) {
    auto v = PageOf("700DATA1(0,1,1,0,0,0,0,)\n"
                    "700Cylinder(0.5,6,36,10,1,39,1,-1.5,1.5,-1.5,1.5,0,2,0,1,1,0,6.28,0,0,-2)\n");
    EXPECT_EQ(v->m_dDemoParam, 0.0);
    EXPECT_DOUBLE_EQ(v->m_adPQR[2], -2);
    Click(v.get(), v->m_nFigureRight + 5, v->m_nPlotTop + 5); // P增
    for (int i = 0; i < 3; ++i) Draw(v.get());
    EXPECT_DOUBLE_EQ(v->m_adPQR[0], 0.1);
    EXPECT_EQ(v->m_dDemoParam, 1.0);
    EXPECT_DOUBLE_EQ(v->m_adPQR[2], -2); // the script's triple does not come back
    // "取消" brings back the script's (0, 0, −2), and it stays.
    PressControl(*v, u8"取消");
    for (int i = 0; i < 3; ++i) Draw(v.get());
    EXPECT_DOUBLE_EQ(v->m_adPQR[0], 0);
    EXPECT_DOUBLE_EQ(v->m_adPQR[1], 0);
    EXPECT_DOUBLE_EQ(v->m_adPQR[2], -2);
    EXPECT_EQ(v->m_dDemoParam, 0.0);
}

// ρ = 1 (upper form 1 with f = 1) at θ = 0.3, φ = 1: θ is counted from the
// +y direction, 1.5708 added; values from python3.
TEST_F(CoordinatePageTest, CurvilinearPointsAndTheirSwitches) {
    auto v = PageOf("700DATA2(0,0,0,0,0,0,1,)\n"
                    "700SphSurf(0.5,6,36,10,1,0,0,-1.2,1.2,-1.2,1.2,-1.2,1.2,1,0,0,6.28,0,3.14)\n");
    EXPECT_EQ(v->m_nUpperSurfaceStyle, 1);
    EXPECT_EQ(v->m_nLowerSurfaceStyle, 0);
    EXPECT_DOUBLE_EQ(v->m_adSurfParamRange[1], 6.28);
    EXPECT_EQ(v->m_nProjectionDisplay, 0);
    v->m_adMousePoint[2] = 7;
    v->ComputeCurvilinearSurfacePoint(0.3, 1.0, 0, 1, 0); // no lower surface: untouched
    EXPECT_EQ(v->m_adMousePoint[2], 7);
    v->ComputeCurvilinearSurfacePoint(0.3, 1.0, 0, 0, 0);
    EXPECT_NEAR(v->m_adMousePoint[0], -0.2486746321735432, 1e-12);
    EXPECT_NEAR(v->m_adMousePoint[1], 0.8038870228999372, 1e-12);
    EXPECT_NEAR(v->m_adMousePoint[2], 0.5403023058681398, 1e-12);
    // The cylindrical form r = S(θ, z) leaves z to the caller.
    v->ComputeCurvilinearSurfacePoint(0.3, 5.0, 1, 0, 1);
    EXPECT_NEAR(v->m_adMousePoint[1], std::sin(0.3 + 1.5708), 1e-12);
    EXPECT_NEAR(v->m_adMousePoint[2], 0.5403023058681398, 1e-12);
}

// The form and wall numbers of "CylSurf" are read on a loading pass; a list
// closed before them gives 0; the buttons keep the reader's choice.
TEST_F(CoordinatePageTest, CylSurfFormFromTheLineOrTheButtons) {
    auto v = PageOf("700CylSurf(0.5,6,36,10,0,0,0,-1.6,1.6,-1.6,1.6,0,2.2,1,1,0,6.28,0,1.5,1,2)\n");
    EXPECT_EQ(v->m_nDemoOption, 1);
    EXPECT_EQ(v->m_nSideSurfaces, 2);
    Click(v.get(), v->m_nFigureRight + 4 + 5, v->m_nFigureTop + 5); // θ_r型
    EXPECT_EQ(v->m_nDemoOption, 0);
    EXPECT_EQ(v->m_bLoadScriptSettings, 0);
    Draw(v.get());
    EXPECT_EQ(v->m_nDemoOption, 0);
    auto w = PageOf("700CylSurf(0.5,6,36,10,0,0,0,-1.6,1.6,-1.6,1.6,0,2.2,1,1,0,6.28,0,1.5)\n");
    EXPECT_EQ(w->m_nDemoOption, 0);
    EXPECT_EQ(w->m_nSideSurfaces, 0);
}

// φ stays in [0, 3.14] in the coordinates view and in [0.2, 2.9] once the
// element is drawn; the partition raises dθ and dφ and keeps them.
TEST_F(CoordinatePageTest, SphericalAngleBounds) {
    auto v = PageOf("700DATA2(0,-1,0,-1,0,0,4,)\n"
                    "700SpherCoord(0.5,6,36,10,1,1,0,-2,2,-2,2,0,2.5,2,1)\n");
    v->m_adCursorPoint3D[0] = 1, v->m_adCursorPoint3D[1] = 0.5;
    for (int i = 0; i < 40; ++i) PressControl(*v, u8"φ增");
    EXPECT_DOUBLE_EQ(v->m_dDirP, 3.14);
    PressControl(*v, u8"体元");
    EXPECT_DOUBLE_EQ(v->m_dDirP, 2.9);
    PressControl(*v, u8"分割");
    EXPECT_DOUBLE_EQ(v->m_dDTheta, 0.4);
    EXPECT_DOUBLE_EQ(v->m_dDPhi, 0.2);
    PressControl(*v, u8"体元");
    EXPECT_DOUBLE_EQ(v->m_dDTheta, 0.4);
}

// The element's size stays in [0.05, 0.2]; the sides are offered only to an
// oriented element; the floor replaces the lower surface.
TEST_F(CoordinatePageTest, AreaElementButtons) {
    auto v = PageOf("700DATA2(0,-0.3,0,-0.3,0,0,2,)\n"
                    "700AreaElement(0.5,6,36,10,1,1,0,-1.5,1.5,-1.5,1.5,0,2.5,1,1,0.3,0.3,0.6)\n");
    EXPECT_EQ(v->m_nSurfaceLower, 1);
    EXPECT_DOUBLE_EQ(v->m_adCoefSurfG[5], 0.0);
    EXPECT_DOUBLE_EQ(v->m_dDirP, 0.05);
    EXPECT_DOUBLE_EQ(v->m_adCommandPoint3D[2], 0.6);
    PressControl(*v, u8"矩形");
    EXPECT_EQ(v->m_nDemoOption2, 1);
    v->m_nDemoOption2 = 0; // the larger sizes below need no fill
    PressControl(*v, u8"缩小");
    EXPECT_DOUBLE_EQ(v->m_dDirP, 0.05);
    for (int i = 0; i < 6; ++i) PressControl(*v, u8"放大");
    EXPECT_DOUBLE_EQ(v->m_dDirP, 0.2);
    PressControl(*v, u8"无向");
    EXPECT_EQ(ControlCentre(v.get(), u8"正向"), CPoint(-1, -1));
    EXPECT_EQ(v->m_nOdeMethodFamily, 1);
    PressControl(*v, u8"有向");
    PressControl(*v, u8"负向");
    EXPECT_EQ(v->m_nOdeMethodFamily, 4);
}

// The projection number is stored; form −1 shows the form buttons.
TEST_F(CoordinatePageTest, SpaceCurveFormButtons) {
    auto v = PageOf("700DATA1(0,1,1,0,0,0,0,)\n700DATA1(1,0,0.2,0,0,0,0,1,)\n"
                    "700SpaceCurve(0.5,6,36,10,1,39,-1,-1.5,1.5,-1.5,1.5,0,2,0,1,4,0,9.42)\n");
    EXPECT_EQ(v->m_nSideSurfaces, 4);
    EXPECT_DOUBLE_EQ(v->m_dIntervalB, 9.42);
    Click(v.get(), v->m_nFigureRight + 5, v->m_nFigureTop + 24 + 5); // 参数t
    EXPECT_EQ(v->m_dDemoParam, 1.0);
    Click(v.get(), v->m_nFigureRight + 5, v->m_nFigureTop + 5); // 参数x
    EXPECT_EQ(v->m_dDemoParam, 0.0);
}

} // namespace
