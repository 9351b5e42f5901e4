// The script commands of the solids on whole scratch pages: the sub-demos
// and cutting planes that "Calculus2" selects, the scene mode that "Surf"
// keeps between passes, the trace buttons of "Surf", and the section of a
// solid by a vertical plane.
#include "test_support.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace {

using namespace test_support;

class SolidCommandTest : public ScratchPageTest {
protected:
    SolidCommandTest() : ScratchPageTest("solid") {}

    // A page of one title and one figure command, stored in GBK.
    static void WritePage(const std::string& command) {
        WriteScript("s",
                    u8"014立体\n104  说明\n700DATA2(0,-0.5,0,-0.25,0,0,4,)\n700" + command + "\n");
    }
    static std::unique_ptr<CPemroView> PageOf(const std::string& command) {
        WritePage(command);
        return Page("s");
    }
    static constexpr const char* kSetup = "6.3,6,36,10,1,0,0,-2,2,-2,2,0,5,1,1";
};

TEST_F(SolidCommandTest, Calculus2SelectsTheSubDemonstration) {
    struct Case {
        int k;
        int subDemo, option2, plane;
        BOOL cut;
    } const cases[] = {
        {0, 20, 0, 0, 0}, // 分割
        {1, 21, 0, 0, 0}, // 近似和
        {2, 21, 1, 0, 0}, // 高斯和
        {3, 24, 0, 1, 0}, // 积分法, plane x = c
        {4, 24, 0, 2, 0}, // plane y = c
        {5, 24, 0, 0, 1}, // plane z = c
    };
    for (const Case& c : cases) {
        auto v = PageOf(std::string("Calculus2(") + kSetup + "," + std::to_string(c.k) + ")");
        EXPECT_EQ(v->m_nSubDemo, c.subDemo) << c.k;
        EXPECT_EQ(v->m_nSideSurfaces, 1) << c.k;
        if (c.k == 1 || c.k == 2) {
            EXPECT_EQ(v->m_nDemoOption2, c.option2) << c.k;
        }
        EXPECT_EQ(v->m_nSectionPlane, c.plane) << c.k;
        EXPECT_EQ(v->m_bCutZc, c.cut) << c.k;
        EXPECT_TRUE(messages.empty());
    }
}

// With k < 0 the buttons choose; a hit shows from the next pass on.
TEST_F(SolidCommandTest, Calculus2ButtonsChooseForTheNextPass) {
    auto v = PageOf(std::string("Calculus2(") + kSetup + ",-1)");
    PressControl(*v, u8"积分法");
    EXPECT_EQ(v->m_nDemoOption, 24);
    EXPECT_EQ(v->m_nSubDemo, 24);
    PressControl(*v, u8"取消"); // the single 取消 of the solid, above the others
    EXPECT_EQ(v->m_nDemoOption, -1);
}

// The scene mode read on a loading pass stays when later passes do not load.
TEST_F(SolidCommandTest, SurfKeepsItsSceneMode) {
    auto v = PageOf(std::string("Surf(") + kSetup + ",0,0,0,0,1)");
    EXPECT_EQ(v->m_nSurfSceneMode, 0);
    const int h = v->m_nBaseCharHeight;
    EXPECT_EQ(v->m_nProjectionDisplay, 1); // the inset is on after the topic reset
    // 关闭投影 clears the script-loading flag.
    Click(v.get(), v->m_nFigureRight - 3 * h / 2 + 5, v->m_nFigureTop - h / 2 - 9 + 5);
    EXPECT_EQ(v->m_bLoadScriptSettings, 0);
    EXPECT_EQ(v->m_nProjectionDisplay, 0);
    Draw(v.get());
    EXPECT_EQ(v->m_nSurfSceneMode, 0);
    EXPECT_EQ(v->m_nSubDemo, -1); // the scene, not the trace demonstration
}

TEST_F(SolidCommandTest, SurfTraceButtons) {
    auto v = PageOf(std::string("Surf(") + kSetup + ",0,0,0,1,1)");
    PressControl(*v, u8"平行坐标面");
    EXPECT_EQ(v->m_dDemoVariant, 2.0);
    PressControl(*v, "z=c"); // the surface is capped at c
    EXPECT_EQ(v->m_bCutZc, 1);
    EXPECT_EQ(v->m_nSurfaceEvalMode, 1);
    PressControl(*v, u8"取消");
    EXPECT_EQ(v->m_dDemoVariant, 0.0);
    EXPECT_EQ(v->m_nSurfaceEvalMode, 0);
    EXPECT_EQ(v->m_bCutZc, 0);
    // 坐标面 leaves the level of the floor trace at 0.005 of the z span.
    PressControl(*v, u8"坐标面");
    EXPECT_EQ(v->m_dDemoVariant, 1.0);
    EXPECT_DOUBLE_EQ(v->m_dDirP, 0.025);
}

// The section x = 0.5 of the cap z = 4 - x²/2 - y²/4 over the box: shaded
// strokes in the section colour, none without a plane.
TEST_F(SolidCommandTest, SliceShadesTheSectionOnlyForAPlane) {
    auto v = PageOf(std::string("Solid(") + kSetup + ")");
    v->m_crSection = RGB(0, 255, 0);
    v->m_nBrightness3D = 0; // the shade runs from green (y min) to black
    QImage img;
    const auto greenish = [&] {
        int n = 0;
        for (int y = v->m_nFigureTop; y < v->m_nFigureBottom; ++y)
            for (int x = v->m_nFigureLeft; x < v->m_nFigureRight; ++x) {
                const COLORREF c = ColourAt(img, x, y);
                n += GetRValue(c) == 0 && GetBValue(c) == 0 && GetGValue(c) > 100;
            }
        return n;
    };
    img = v->BackingImage().copy();
    CDC dc(&img);
    dc.SetClipRect(CRect(0, 0, kWidth, kHeight));
    v->m_nSectionPlane = 0;
    v->DrawSolidSlice(&dc, -2, 2, 0.5, 0, RGB(255, 0, 0), TRUE, v->m_crSection);
    const int before = greenish();
    v->m_nSectionPlane = 1;
    v->DrawSolidSlice(&dc, -2, 2, 0.5, 0, RGB(255, 0, 0), TRUE, v->m_crSection);
    EXPECT_GT(greenish(), before + 500);
}

} // namespace
