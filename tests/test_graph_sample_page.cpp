// The function-menu sample page of the course (帮助 > 函数菜单的使用所明) end
// to end: a function chosen from the F(x) menu or typed into the one-variable
// dialog changes the curve the page draws, through the command routing and
// the paint passes, as the running program does it.
#include "dialogs/my_dialog_base.h"
#include "test_support.h"
#include "view/catalog_menu_tables.h"

#include <QImage>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <memory>
#include <vector>

namespace {

using namespace test_support;

constexpr UINT kHelpFunctionMenuPage = 34387; // the topic "233"

class FunctionMenuPageTest : public ::testing::Test {
protected:
    void TearDown() override { SetParamDialogHook(nullptr); }
    InRunDir runDir;
};

// The page rows of the curve's pixels in the plot column of world x, below
// world y = 2.5 (the coefficient labels stand above it).
std::vector<int> CurveRows(const CPemroView& v, double x) {
    const QImage& img = v.BackingImage();
    const int px = int(v.m_nPlotLeft + (x - v.m_dXMin) / (v.m_dXMax - v.m_dXMin) * v.m_nPlotWidth);
    const int top =
        int(v.m_nPlotBottom - (2.5 - v.m_dYMin) / (v.m_dYMax - v.m_dYMin) * v.m_nPlotHeight);
    const COLORREF c = v.m_crCurveSetting;
    std::vector<int> rows;
    for (int y = top; y < v.m_nPlotBottom; ++y)
        if (ColourAt(img, px - v.m_nClipLeft, y - v.m_nClipTop) == c) rows.push_back(y);
    return rows;
}

// Whether the curve passes within 3 pixels of world (x, y).
bool CurveNear(const CPemroView& v, double x, double y) {
    const double py = v.m_nPlotBottom - (y - v.m_dYMin) / (v.m_dYMax - v.m_dYMin) * v.m_nPlotHeight;
    for (int row : CurveRows(v, x))
        if (std::fabs(row - py) <= 3) return true;
    return false;
}

std::unique_ptr<CPemroView> OpenPage() {
    auto v = MakeView();
    v->ResizeClient(kPageWidth, kPageHeight);
    EXPECT_TRUE(v->OnCommand(kHelpFunctionMenuPage));
    v->RenderPending();
    return v;
}

} // namespace

TEST_F(FunctionMenuPageTest, TheScriptsParabolaFirst) {
    auto v = OpenPage();
    ASSERT_TRUE(v->m_bFigureVisible);
    EXPECT_EQ(v->m_nFuncF, 39);
    // y = 0.5x^2 - 3 over [-4, 4] in the range [-5, 5] x [-5, 5].
    EXPECT_TRUE(CurveNear(*v, 1.5, -1.875));
    EXPECT_TRUE(CurveNear(*v, -2.0, -1.0));
    EXPECT_FALSE(CurveNear(*v, 1.5, std::sin(1.5)));
}

TEST_F(FunctionMenuPageTest, AFunctionFromTheFxMenuChangesTheCurve) {
    auto v = OpenPage();
    ASSERT_TRUE(v->OnCommand(ID_CATALOG_F + 3)); // 三角函数 > sinx
    v->RenderPending();
    EXPECT_EQ(v->m_nFuncF, 3);
    EXPECT_TRUE(CurveNear(*v, 1.5, std::sin(1.5)));
    EXPECT_TRUE(CurveNear(*v, -2.0, std::sin(-2.0)));
    EXPECT_FALSE(CurveNear(*v, 1.5, -1.875));
}

TEST_F(FunctionMenuPageTest, AFunctionTypedIntoTheDialogChangesTheCurve) {
    auto v = OpenPage();
    ASSERT_TRUE(v->OnCommand(ID_CATALOG_F + 3));
    v->RenderPending();
    // Back to form 39 with a = 1: y = x^2 - 3.
    SetParamDialogHook([](QDialog& dlg) {
        FindDialogEdit(dlg, 1030)->setText("39");
        FindDialogEdit(dlg, 1022)->setText("1");
        dlg.accept();
    });
    ASSERT_TRUE(v->OnCommand(ID_DIALOG_ONE_VARIABLE));
    v->RenderPending();
    EXPECT_EQ(v->m_nFuncF, 39);
    EXPECT_EQ(v->m_adCoefF[0], 1.0);
    EXPECT_TRUE(CurveNear(*v, 1.5, -0.75));
    EXPECT_TRUE(CurveNear(*v, -1.0, -2.0));
    EXPECT_FALSE(CurveNear(*v, 1.5, std::sin(1.5)));
}

TEST_F(FunctionMenuPageTest, CancelledDialogLeavesTheCurve) {
    auto v = OpenPage();
    SetParamDialogHook([](QDialog& dlg) {
        FindDialogEdit(dlg, 1030)->setText("3");
        dlg.reject();
    });
    ASSERT_TRUE(v->OnCommand(ID_DIALOG_ONE_VARIABLE));
    v->RenderPending();
    EXPECT_EQ(v->m_nFuncF, 39);
    EXPECT_TRUE(CurveNear(*v, 1.5, -1.875));
}

namespace {

// The classical curves are drawn with one unit as long across as up: the unit
// circle of 圆 (x = cos t, y = sin t) is as wide as it is tall at the screens
// lecturers use.
TEST(ClassicalCurvePage, TheUnitCircleIsRoundAtEverySize) {
    InRunDir dir;
    const CSize sizes[] = {{1024, 768}, {1600, 1000}, {1920, 1080}};
    for (const CSize& size : sizes) {
        SCOPED_TRACE(std::to_string(size.cx) + "x" + std::to_string(size.cy));
        auto v = OpenTopic("501", nullptr, size.cx, size.cy);
        const QImage& img = v->BackingImage();
        // The circle's colour where no axis, radius or tangent passes.
        const CPoint on = WorldPixel(*v, -0.6, -0.8);
        COLORREF circle = CLR_INVALID;
        for (int d = -2; d <= 2 && circle == CLR_INVALID; ++d) {
            const COLORREF c = ColourAt(img, on.x - v->m_nClipLeft, on.y + d - v->m_nClipTop);
            if (c != v->m_crGround) circle = c;
        }
        ASSERT_NE(circle, CLR_INVALID);
        int l = INT_MAX, t = INT_MAX, r = INT_MIN, b = INT_MIN;
        for (int y = v->m_nPlotTop; y < v->m_nPlotBottom; ++y)
            for (int x = v->m_nPlotLeft; x < v->m_nPlotRight; ++x)
                if (ColourAt(img, x - v->m_nClipLeft, y - v->m_nClipTop) == circle)
                    l = std::min(l, x), r = std::max(r, x), t = std::min(t, y), b = std::max(b, y);
        ASSERT_LT(l, r);
        // Within the two-pixel pen and the curve's samples (before, 10 % apart).
        EXPECT_NEAR(r - l, b - t, 2);
        // ...and it is the unit circle: two units across the plot's scale.
        EXPECT_NEAR(r - l, 2.0 * v->m_nPlotWidth / v->m_dXSpan, 2);
    }
}

} // namespace
