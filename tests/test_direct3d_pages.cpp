// The directional limit and the directional derivative on the surface
// scene: the value printed along a ray or a segment, the tangent built from
// the partial derivatives, buttons that act once per click, and a surface
// without finite values near the limit point.
#include "test_support.h"

#include "calculus/math/directional.h"
#include "view/menu_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <string>

namespace {

using namespace test_support;

constexpr double kPi = 3.141592653589793;
constexpr COLORREF kPath = RGB(251, 3, 247);

// Samples of the ray walk in the box [-1, 1]^2 (by hand: the last k with
// k·0.0001·|cos θ| <= 1) and of a box too wide for the fine step.
TEST(DirectionalPaths, RayStopsAtTheBoxAndStaysBounded) {
    const calculus::PlaneBox unit{-1, 1, -1, 1}, wide{-1e6, 1e6, -1e6, 1e6};
    struct Case {
        calculus::PlaneBox box;
        double a, b, theta;
        long count;
    };
    const Case cases[] = {
        {unit, 0, 0, 0, 10000},       // reaches x = 1 exactly
        {unit, 0, 0, kPi / 4, 14142}, // √2 / 0.0001
        {unit, 0.5, 0, kPi, 15000},   // back to x = -1
        {unit, 2, 0, 0, 0},           // the limit point outside the box
        {unit, 0, 0, NAN, 0},         //
        {wide, 0, 0, 1, 99999},       // r < 1000 in steps of 0.01
    };
    for (const Case& c : cases) {
        const calculus::LimitPath p = calculus::RayLimitPath(c.a, c.b, c.theta, c.box);
        EXPECT_EQ(p.count, c.count) << c.a << ' ' << c.theta;
        EXPECT_LE(p.count, calculus::kMaxRaySteps);
        if (p.count > 0) {
            EXPECT_TRUE(calculus::InPlaneBox(c.box, c.a + p.count * p.dx, c.b + p.count * p.dy));
        }
    }
    const calculus::LimitPath s = calculus::SegmentLimitPath(0, 0, 0.5, -0.25);
    EXPECT_EQ(s.count, 10000);
    EXPECT_DOUBLE_EQ(s.count * s.dx, 0.5);
    EXPECT_DOUBLE_EQ(s.count * s.dy, -0.25);
}

class DirectPageTest : public ScratchPageTest {
protected:
    DirectPageTest() : ScratchPageTest("direct") {}
    // A page with the surface f/g of the two coefficient sets (form
    // `form`) on [-1, 1]^3 and the command line after it.
    std::unique_ptr<CPemroView> Page(const char* upper, int form, const std::string& command) {
        std::ofstream("data/5.txt")
            << "014D\n700DATA2(0," << upper << ",0,)\n"
            << "700DATA2(1,1,0,1,0,0,0,0,)\n700Surf(0.5,6,36,10," << form << ",0,0,-1,1,-1,1,-1,1,"
            << form << ",-1,0,0,0,0,1)\n700" << command << "\n";
        return View("5");
    }
    static void Click(CPemroView* v, int x, int y) {
        v->m_ptClick = CPoint(x + 3, y + 3);
        ++v->m_nClickSerial;
        Draw(v);
    }
    static int PenNear(const CPemroView* v, double x, double y, double z, COLORREF c) {
        int sx = 0, sy = 0;
        if (!v->ProjectPoint3D(x, y, z, &sx, &sy)) return 0;
        return CountColour(v->BackingImage(), c, sx - 2, sy - 2, sx + 3, sy + 3);
    }
};

// f = xy/(x² + y²) at the origin: sin θ cos θ along the ray θ, and along
// the segment toward P the same of P's direction.
TEST_F(DirectPageTest, LimitAlongRaysAndSegments) {
    struct Case {
        const char* args;
        double theta, cursorX, cursorY;
        const char* value;
    };
    const Case cases[] = {
        {"0,0,0,9,9", 0, 0, 0, "0.0000"},
        {"0,0,0,9,9", kPi / 4, 0, 0, "0.5000"},
        {"0,0,0,9,9", 3 * kPi / 4, 0, 0, "-0.5000"},
        {"0,0,0,0.5,0.5", 0, 0, 0, "0.5000"},
        {"0,0,0,0.6,-0.3", 0, 0, 0, "-0.4000"},   // -0.18 / 0.45
        {"1,0,0,0.1,0.1", 0, 0.3, 0.1, "0.3000"}, // the cursor: 0.03 / 0.1
    };
    for (const Case& c : cases) {
        auto v =
            Page("0,1,0,0,0,0,0", 11, std::string("DirectLimit(") + c.args + ",251,3,247,0,0,255)");
        v->m_dDemoParam = c.theta;
        v->m_dCursorX = c.cursorX, v->m_dCursorY = c.cursorY;
        TextRecorder log;
        v->m_pTextSink = &log;
        Draw(v.get());
        EXPECT_EQ(log.After(u8"方向极限:"), c.value) << c.args << ' ' << c.theta;
        EXPECT_GT(CountColour(v->BackingImage(), kPath), 20) << c.args;
    }
}

// exp(∞·x²): NaN at the limit point, infinite beside it. Nothing of the
// path is drawn, the label says so, and the pass ends.
TEST_F(DirectPageTest, NoFiniteValuesNearThePoint) {
    for (const char* args : {"0,0,0,9,9", "0,0,0,0.5,0.5"}) {
        auto v =
            Page("1/0,0,0,0,0,0,0", 9, std::string("DirectLimit(") + args + ",251,3,247,0,0,255)");
        TextRecorder log;
        v->m_pTextSink = &log;
        Draw(v.get());
        EXPECT_TRUE(log.Saw(u8"方向极限:无定义")) << args;
        EXPECT_EQ(CountColour(v->BackingImage(), kPath), 0) << args;
    }
}

// The catalogue gives 0 where xy/(x² + y²) divides by zero. The curve
// toward P = (0.5, 0.5) stays at height 0.5 up to the point and never
// joins (0, 0, 0): no chord from P down to it, no drop at the end.
TEST_F(DirectPageTest, TheValueAtThePointIsNotDrawn) {
    auto v = Page("0,1,0,0,0,0,0", 11, "DirectLimit(0,0,0,0.5,0.5,251,3,247,0,0,255)");
    Draw(v.get());
    EXPECT_GT(PenNear(v.get(), 0.25, 0.25, 0.5, kPath), 0);
    EXPECT_EQ(PenNear(v.get(), 0.25, 0.25, 0.25, kPath), 0);
    EXPECT_EQ(PenNear(v.get(), 0.02, 0.02, 0.25, kPath), 0);
}

TEST_F(DirectPageTest, ThetaAndPhiButtonsActOncePerClick) {
    auto v = Page("0,1,0,0,0,0,0", 11, "DirectLimit(0,0,0,9,9)");
    Draw(v.get());
    const int right = v->m_nFigureRight, top = v->m_nFigureTop;
    Click(v.get(), right - 70, top); // θ增
    Draw(v.get());
    Draw(v.get());
    EXPECT_NEAR(v->m_dDemoParam, 0.6, 1e-12); // from 0.5 after the topic reset
    for (int i = 0; i < 10; ++i) Click(v.get(), right - 70, top);
    Click(v.get(), right - 30, top); // θ减
    Draw(v.get());
    EXPECT_NEAR(v->m_dDemoParam, 1.5, 1e-9);

    auto d = Page("0,1,0,0,0,0,0", 1, "DirectDerive(0.5,0.3,-1)");
    Draw(d.get());
    Click(d.get(), d->m_nFigureRight, d->m_nFigureTop + 2); // φ增
    Draw(d.get());
    EXPECT_NEAR(d->m_dDemoVariant, 0.314, 1e-12);
    Click(d.get(), d->m_nFigureRight, d->m_nFigureTop + 2);
    const int down = std::max(24, 4 + d->ButtonHeight());      // clear of φ增
    Click(d.get(), d->m_nFigureRight, d->m_nFigureTop + down); // φ减
    Click(d.get(), d->m_nFigureRight, d->m_nFigureTop + 2);
    Draw(d.get());
    EXPECT_NEAR(d->m_dDemoVariant, 0.628, 1e-12);
}

// z = xy on the scene: fx = y0, fy = x0, so the tangent in direction φ ends
// at (x0 + cos φ, y0 + sin φ, x0·y0 + y0 cos φ + x0 sin φ), drawn in the pen
// colour end to end (at φ = 0 it lies on a closing line). An x0 outside the
// x range takes the cursor point.
TEST_F(DirectPageTest, TangentEndsAtTheRiseOfTheDirection) {
    struct Case {
        const char* point;
        double phi, cursorX, cursorY, x0, y0, otherX, otherY;
    };
    const Case cases[] = {
        {"9,0", 0.6, 0.4, -0.2, 0.4, -0.2, 9, 0},
        {"-0.3,0.2", 0.6, 0.4, -0.2, -0.3, 0.2, 0.4, -0.2},
        {"-0.3,0.2", 0, 0.4, -0.2, -0.3, 0.2, 0.4, -0.2},
    };
    for (const Case& c : cases) {
        const auto end = [&](double x0, double y0, double t, double* e) {
            e[0] = x0 + t * std::cos(c.phi), e[1] = y0 + t * std::sin(c.phi);
            e[2] = x0 * y0 + t * (y0 * std::cos(c.phi) + x0 * std::sin(c.phi));
        };
        auto v = Page("0,1,0,0,0,0,0", 1,
                      std::string("DirectDerive(") + c.point + "," + std::to_string(c.phi) +
                          ",251,3,247)");
        v->m_dCursorX = c.cursorX, v->m_dCursorY = c.cursorY;
        Draw(v.get());
        double e[3], m[3], o[3];
        end(c.x0, c.y0, 1, e);
        end(c.x0, c.y0, 0.5, m);
        end(c.otherX, c.otherY, 1, o);
        EXPECT_GT(PenNear(v.get(), e[0], e[1], e[2], kPath), 0) << c.point << ' ' << c.phi;
        EXPECT_GT(PenNear(v.get(), m[0], m[1], m[2], kPath),
                  PenNear(v.get(), m[0], m[1], m[2], v->m_crDefaultFill))
            << c.point << ' ' << c.phi;
        EXPECT_EQ(PenNear(v.get(), o[0], o[1], o[2], kPath), 0) << c.point << ' ' << c.phi;
        EXPECT_DOUBLE_EQ(v->m_dDemoVariant, c.phi);
    }
}

} // namespace

namespace {

// The menu item 方向导数 chosen again on its own page after a click: the
// page still scrolls down to its second figure.
TEST(DirectPageMenu, OpenedAgainItScrollsToItsEnd) {
    test_support::InRunDir dir;
    const TopicRow* row = FindTopicRow(33665);
    ASSERT_NE(row, nullptr);
    auto v = test_support::MakeView();
    v->ResizeClient(1580, 900);
    v->SelectTopic(*row);
    v->RenderPending();
    const int length = v->GetTotalSize().cy;
    EXPECT_GT(length, 3000);
    v->OnLButtonDown(0, CPoint(700, 400));
    v->OnLButtonUp(0, CPoint(700, 400));
    v->RenderPending();
    v->SelectTopic(*row);
    v->RenderPending();
    EXPECT_EQ(v->GetTotalSize().cy, length);
}

} // namespace
