// Secants and tangents, the tangent plane and level curves on the sample
// pages: buttons act once per click, and the tangent plane at a picked point
// of z = x^2 - y^2 has the slopes of a forward difference.
#include "test_support.h"

#include "calculus/math/plane_angles.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <memory>
#include <string>

namespace {

using namespace test_support;

class TangentPageTest : public ::testing::Test {
protected:
    void Open(const char* topic) {
        view = std::make_unique<CPemroView>();
        view->ResetTopic(-1);
        view->m_strTopicCode = topic;
        view->ResizeClient(kPageWidth, kPageHeight);
        view->RenderPending();
        Repaint();
    }
    void Repaint() {
        view->Invalidate();
        view->RenderPending();
    }
    void ClickButton(int x, int y) {
        const int by = int(view->m_nPlotTop +
                           std::int64_t(view->ButtonHeight()) * (y - view->m_nPlotTop) / 20);
        view->m_ptClick = CPoint(x + 3, by + 3);
        ++view->m_nClickSerial;
        Repaint();
    }
    InRunDir dir;
    std::unique_ptr<CPemroView> view;
};

TEST_F(TangentPageTest, SecantStepButtonsActOncePerClick) {
    Open("308");
    const double h0 = view->m_dStepH;
    ASSERT_GT(h0, 0);
    const int left = view->m_nPlotLeft, top = view->m_nPlotTop + 2;
    ClickButton(left + 150, top); // N趋于M
    Repaint();
    Repaint();
    EXPECT_NEAR(view->m_dStepH, h0 / 1.2, 1e-12);
    ClickButton(left + 220, top); // N离开M
    ClickButton(left + 220, top);
    Repaint();
    EXPECT_NEAR(view->m_dStepH, h0 * 1.2, 1e-12);
    // The tangent hides the step buttons; h stays.
    ClickButton(left + 10, top);
    EXPECT_EQ(view->m_dDemoVariant, 1);
    ClickButton(left + 150, top);
    EXPECT_NEAR(view->m_dStepH, h0 * 1.2, 1e-12);
}

TEST_F(TangentPageTest, TangentPlaneAtThePickedPoint) {
    Open("310");
    view->m_dCursorX = 0.5;
    view->m_dCursorY = -0.25;
    Repaint();
    // z = x^2 - y^2: fx = 2x0 + 1e-4, fy = -2y0 - 1e-4, f = z0 - fx x0 - fy y0.
    EXPECT_NEAR(view->m_dZ0, 0.1875, 1e-12);
    EXPECT_NEAR(view->m_adCoefSurfG[3], 1.0001, 1e-9);
    EXPECT_NEAR(view->m_adCoefSurfG[4], 0.4999, 1e-9);
    EXPECT_NEAR(view->m_adCoefSurfG[5], -0.187575, 1e-9);
    EXPECT_EQ(view->m_nSurfaceLower, 1);
    EXPECT_EQ(view->m_nSideSurfaces, 1);
}

TEST_F(TangentPageTest, ContourPutsTheFloorBelowTheBoxAndMarksTheLevel) {
    Open("311");
    EXPECT_EQ(view->m_bCutZc, 2);
    EXPECT_DOUBLE_EQ(view->m_adCoefSurfG[5], -3.5);
    const int x = view->m_nFigureRight - view->m_nProjScaleY + 180;
    view->m_ptClick = CPoint(x + 3, view->m_nFigureTop + 5);
    ++view->m_nClickSerial;
    Repaint();
    Repaint();
    EXPECT_EQ(view->m_dDemoVariant, 2);
    EXPECT_EQ(view->m_bCutZc, 0);
}

} // namespace

namespace {

// The quadratic approximation of a surface z = a x^2 + b xy + c y^2 prints
// △ = A·C − B² of its own coefficients (half second derivatives, k times
// the mixed one; k is 0.5 after a topic reset).
class QuadraticApproxTest : public ScratchPageTest {
protected:
    QuadraticApproxTest() : ScratchPageTest("quadratic") {}
    std::string Delta(const char* coefficients) {
        std::ofstream("data/5.txt")
            << "014Q\n700DATA2(0," << coefficients << ",0,0,0,)\n"
            << "700Series2(0.5,6,36,10,1,0,0,-1.5,1.5,-1.5,1.5,-2.5,2.5,1,-1,2)\n";
        auto v = View("5");
        TextRecorder log;
        v->m_pTextSink = &log;
        Draw(v.get());
        return log.After(u8"△=");
    }
};

TEST_F(QuadraticApproxTest, DeltaOfTheQuadratic) {
    EXPECT_EQ(Delta("0,1,0"), "-0.2500"); // x·y: A = C = 0, B = 0.5
    EXPECT_EQ(Delta("1,0,1"), "1.0000");  // x² + y²: A = C = 1, B = 0
    EXPECT_EQ(Delta("1,0,-1"), "-1.0000");
}

} // namespace

namespace {

// The angle of the pencil's member z = x with a third plane or a line, in
// degrees of 180/π.
class PencilAngleTest : public ScratchPageTest {
protected:
    PencilAngleTest() : ScratchPageTest("pencil") {}
    std::string Angle(const char* args, const char* label) {
        std::ofstream("data/5.txt")
            << "014P\n700DATA2(0,0,0,0,1,0,0,)\n700DATA2(1,0,0,0,1,0,0,)\n"
            << "700PlanePencil(0.5,6,36,10,1,1,0,-1.5,1.5,-1.5,1.5,-2.5,2.5,1,1," << args << ")\n";
        auto v = View("5");
        TextRecorder log;
        v->m_pTextSink = &log;
        Draw(v.get());
        Draw(v.get());
        return log.After(label);
    }
};

TEST_F(PencilAngleTest, PerpendicularPlanesAndAParallelLine) {
    EXPECT_EQ(Angle("1,-1,0,0", u8"二平面夹角="), "90.000");       // normals (1,0,-1), (-1,0,-1)
    EXPECT_EQ(Angle("2,0,1,0,0", u8"直线与平面夹角="), "0.000");   // (1,0,1) lies in z = x
    EXPECT_EQ(Angle("2,0,-1,0,0", u8"直线与平面夹角="), "90.000"); // along the normal
}

} // namespace

namespace {

// Angles of a member z = d·x + e·y with a plane z = a·x + b·y or a line of
// direction (1, a, b), against values from python3's math.acos.
TEST(PencilAngles, DegreesOfWorkedCases) {
    struct Case {
        bool line;
        double d, e, a, b, degrees;
    };
    const Case cases[] = {
        {false, 1, 0, 0, 0, 45.0},  {false, 1, 1, -1, -1, 70.52877936550931},
        {false, 1, 0, -1, 0, 90.0}, {true, 0, 0, 0, 0, 0.0},
        {true, 0, 0, 0, 1, 45.0},   {true, 1, 0, 0, -1, 90.0},
    };
    for (const Case& c : cases) {
        const calculus::PencilAngle r = c.line ? calculus::LinePlaneAngle(c.d, c.e, c.a, c.b)
                                               : calculus::PlaneAngle(c.d, c.e, c.a, c.b);
        EXPECT_NEAR(r.degrees, c.degrees, 1e-5) << c.d << ' ' << c.e << ' ' << c.a << ' ' << c.b;
    }
}

} // namespace
