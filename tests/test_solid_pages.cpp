// The surface and solid sample pages drawn whole from the run directory at
// the usual window size: each fits its figure on the first screen and
// prints its values, the planes page follows its panel, and the space
// annotation page keeps its marks on the full scene.
#include "test_support.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using namespace test_support;

class SolidPageTest : public OnSampleCourse<> {
protected:
    // A press and its passes; the log keeps what was written before it.
    void Click(int x, int y) { ClickPoint(*view, CPoint(x, y)); }
    int CountIn(COLORREF c, int l, int t, int r, int b) const {
        return CountColour(view->BackingImage(), c, l, t, r, b);
    }
};

TEST_F(SolidPageTest, SamplePagesFitTheirFigureOnTheFirstScreen) {
    for (const char* topic : {"364", "603", "321", "345", "337"}) {
        Open(topic);
        EXPECT_EQ(view->m_strLastDataPath, std::string("data\\") + topic + ".txt");
        EXPECT_TRUE(messages.empty()) << topic;
        const CPemroView& v = *view;
        EXPECT_TRUE(v.m_bFigure3D) << topic;
        // From the figure's top to the density buttons below.
        const int h = v.m_nBaseCharHeight;
        EXPECT_GT(v.m_nFigureTop, 0) << topic;
        EXPECT_LT(v.m_nFigureBottom + h / 2 + 20, kPageHeight) << topic;
    }
}

TEST_F(SolidPageTest, IntegralPagesPrintTheirValues) {
    Open("321");
    EXPECT_EQ(log.After(u8"立体的体积: "), "30.9375"); // exactly 495/16
    Open("337");
    EXPECT_EQ(log.After(u8"体积: "), "22.950"); // 9 x 2.55
    // The square cuts through cells of the box: the mean is 2.55 to 4 digits.
    EXPECT_NEAR(view->m_adCoefSurfG[5], 2.55, 1e-4);
}

// "增加 a" of the surface panel tilts π1 on the next pass.
TEST_F(SolidPageTest, PlanesFollowThePanel) {
    view = std::make_unique<CPemroView>();
    view->ResetTopic(-1);
    view->ResizeClient(kPageWidth, kPageHeight);
    ASSERT_TRUE(view->OnCommand(33756)); // 直线与平面 > 平面与平面的关系
    view->RenderPending();
    Repaint();
    ASSERT_EQ(view->m_strTopicCode, "355");
    const CPemroView& v = *view;
    const int h = v.m_nBaseCharHeight, T = v.m_nFigureTop;
    const int L = v.m_nFigureLeft, R = v.m_nFigureRight, B = v.m_nFigureBottom;
    const QImage before = v.BackingImage().copy();
    const double a = v.m_adCoefSurfF[0];
    // The raise row of the step panel, first button (a).
    const int panelTop = T - 6 * h - 4 + 5, panelHeight = 5 * h + 4;
    for (int i = 0; i < 5; ++i) Click(L + 2 * h + 3, panelTop + 3 * panelHeight / 5 + 3);
    EXPECT_NEAR(v.m_adCoefSurfF[0], a + 5 * v.m_dParamStep, 1e-9);
    const QImage& after = v.BackingImage();
    int changed = 0;
    for (int y = T; y < B; ++y)
        for (int x = L; x < R; ++x) changed += ColourAt(before, x, y) != ColourAt(after, x, y);
    EXPECT_GT(changed, 2000);
}

TEST_F(SolidPageTest, SpaceAnnotationsKeepTheirMarks) {
    Open("2101");
    EXPECT_TRUE(messages.empty());
    const CPemroView& v = *view;
    const int L = v.m_nFigureLeft, T = v.m_nFigureTop, R = v.m_nFigureRight, B = v.m_nFigureBottom;
    EXPECT_GT(CountIn(RGB(0, 230, 255), L, T, R, B), 100); // Cube
    EXPECT_GT(CountIn(RGB(255, 255, 0), L, T, R, B), 100); // Line3 from P
    EXPECT_TRUE(log.Saw("B^2-AC="));
}

TEST_F(SolidPageTest, TickValuesMovedByTheRangeArrowsStayShort) {
    // Each "↑" raises z-min by a tenth of the range [z-min, 3]: after n,
    // z-min = 3·(1 − 0.9ⁿ), written to two decimals like the ticks beside it
    // (by hand: 0.9⁴ = 0.6561, 0.9⁶ = 0.531441).
    const struct {
        int presses;
        const char* shown;
        const char* hidden;
    } rows[] = {{4, "1.03", "1.0317"}, {6, "1.41", "1.405677"}};
    for (const auto& r : rows) {
        Open("2101");
        for (int i = 0; i < r.presses; ++i) PressControl(*view, u8"↑");
        EXPECT_TRUE(log.Saw(r.shown)) << r.presses;
        EXPECT_FALSE(log.Saw(r.hidden)) << r.presses;
    }
}

} // namespace
