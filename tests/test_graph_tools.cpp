// Classical-curve constructions and the user's drawing tools: the focal
// geometry, the values written at the clicked point, the parameter buttons,
// the shapes the clicks make, the bounded shape store and the toolbar ids.
#include "catalog/math/classical_curves.h"
#include "test_graph_fixture.h"
#include "view/menu_tables.h"

#include <cmath>
#include <cstdlib>

using namespace graph_test;
using catalog::PlanePoint;

namespace {

const char* const kEllipsePage = "014椭圆\n"
                                 "700DATA1(0,1,0,1,1,0,1,)\n"
                                 "700NormalCurve(0.3,3,40,12,2,-1,1,-3,3,-2,2,0,6.3)\n";
const char* const kPlanePage = "014图\n700Curve(0.3,3,40,12,39,-1,0,-5,5,-5,5,-4,-4)\n";

double Number(const std::string& s) {
    return std::strtod(s.c_str(), nullptr);
}

} // namespace

// --- Focal geometry (pure) --------------------------------------------------------------

TEST(ClassicalGeometry, EllipseFociLieOnTheLongerAxis) {
    PlanePoint f1, f2;
    catalog::EllipseFoci(2, 1, &f1, &f2);
    EXPECT_DOUBLE_EQ(f1.x, std::sqrt(3.0));
    EXPECT_DOUBLE_EQ(f2.x, -std::sqrt(3.0));
    EXPECT_DOUBLE_EQ(f1.y, 0);
    catalog::EllipseFoci(1, 2, &f1, &f2);
    EXPECT_DOUBLE_EQ(f1.y, std::sqrt(3.0));
    // On the ellipse x²/4 + y² = 1 the sum is 2a = 4 (hand: at (0, 1) each
    // distance is √(3 + 1) = 2).
    catalog::EllipseFoci(2, 1, &f1, &f2);
    EXPECT_DOUBLE_EQ(catalog::FocalDistanceSum({0, 1}, f1, f2), 4.0);
    EXPECT_NEAR(catalog::FocalDistanceSum({2 * std::cos(0.7), std::sin(0.7)}, f1, f2), 4.0, 1e-12);
    // a = b: both foci at the origin, the sum twice the distance to it.
    catalog::EllipseFoci(1, 1, &f1, &f2);
    EXPECT_DOUBLE_EQ(catalog::FocalDistanceSum({0.3, 0.4}, f1, f2), 1.0);
}

TEST(ClassicalGeometry, HyperbolaDifferenceIsTwiceA) {
    PlanePoint f1, f2;
    catalog::HyperbolaFoci(1, 1, true, &f1, &f2);
    EXPECT_DOUBLE_EQ(f1.x, std::sqrt(2.0));
    // (√2, 1) lies on x² - y² = 1: √(8 + 1) - √(0 + 1) = 2.
    EXPECT_NEAR(catalog::HyperbolaDistanceDifference({std::sqrt(2.0), 1}, std::sqrt(2.0), true),
                2.0, 1e-12);
    catalog::HyperbolaFoci(1, 1, false, &f1, &f2);
    EXPECT_DOUBLE_EQ(f1.y, std::sqrt(2.0));
    EXPECT_NEAR(catalog::HyperbolaDistanceDifference({1, -std::sqrt(2.0)}, std::sqrt(2.0), false),
                2.0, 1e-12);
}

TEST(ClassicalGeometry, ParabolaFocusAndDirectrix) {
    PlanePoint f;
    double d = 0;
    // y = x²: focus (0, 1/4), directrix y = -1/4.
    ASSERT_TRUE(catalog::ParabolaFocus(1, 0, 0, false, &f, &d));
    EXPECT_DOUBLE_EQ(f.x, 0);
    EXPECT_DOUBLE_EQ(f.y, 0.25);
    EXPECT_DOUBLE_EQ(d, -0.25);
    // x = y² + 2y: vertex (-1, -1), focus (-0.75, -1), directrix x = -1.25.
    ASSERT_TRUE(catalog::ParabolaFocus(1, 2, 0, true, &f, &d));
    EXPECT_DOUBLE_EQ(f.x, -0.75);
    EXPECT_DOUBLE_EQ(f.y, -1);
    EXPECT_DOUBLE_EQ(d, -1.25);
    EXPECT_FALSE(catalog::ParabolaFocus(0.05, 0, 0, false, &f, &d));
}

TEST(ClassicalGeometry, LemniscateFoci) {
    PlanePoint f1, f2;
    ASSERT_TRUE(catalog::LemniscateFoci(2, &f1, &f2));
    EXPECT_DOUBLE_EQ(f1.x, 1);
    ASSERT_TRUE(catalog::LemniscateFoci(-8, &f1, &f2));
    EXPECT_DOUBLE_EQ(f2.y, -2);
    EXPECT_FALSE(catalog::LemniscateFoci(0, &f1, &f2));
}

// --- Constructions on the page ------------------------------------------------------------

TEST_F(GraphPageTest, EllipseDistanceSumIsTwiceTheSemiAxisAtTheClickedPoint) {
    Script("e", kEllipsePage);
    auto v = View("e");
    v->m_dDirM = 2; // a
    v->m_dDirN = 1; // b
    Draw(v.get());
    EXPECT_DOUBLE_EQ(v->m_adCoefF[2], 2); // the curve's x amplitude follows a
    TextCollector text;
    v->m_pTextSink = &text;
    const CPoint p = PagePoint(v.get(), 2 * std::cos(1.0), std::sin(1.0));
    ClickAt(v.get(), p.x, p.y);
    v->m_pTextSink = nullptr;
    const double shown = Number(text.After("P到两角点距离和:"));
    EXPECT_NEAR(shown, 4.0, 0.03); // the click lies within a pixel of the curve
    PlanePoint f1, f2;
    catalog::EllipseFoci(2, 1, &f1, &f2);
    EXPECT_NEAR(shown,
                catalog::FocalDistanceSum({v->m_adMousePoint[0], v->m_adMousePoint[1]}, f1, f2),
                0.005);
}

TEST_F(GraphPageTest, EllipseButtonsStepTheSemiAxesOnce) {
    auto v = ScriptPage("e", kEllipsePage);
    ClickButton(v.get(), v->m_nFigureRight + 2, v->m_nFigureTop); // a增
    EXPECT_NEAR(v->m_dDirM, 1.1, 1e-12);
    EXPECT_NEAR(v->m_adCoefF[2], 1.1, 1e-12);
    Draw(v.get());
    EXPECT_NEAR(v->m_dDirM, 1.1, 1e-12);
    ClickButton(v.get(), v->m_nFigureRight + 2, v->m_nFigureTop + 72); // b减
    EXPECT_NEAR(v->m_dDirN, 0.9, 1e-12);
}

TEST_F(GraphPageTest, HyperbolaDifferenceAtAPointOfTheCurve) {
    auto v = ScriptPage("h", "014双曲线\n700DATA1(0,1,0,-1,0,0,-1,)\n"
                             "700NormalCurve(0.3,3,40,12,3,-1,2,-4,4,-3,3,-4,4)\n");
    TextCollector text;
    v->m_pTextSink = &text;
    const CPoint p = PagePoint(v.get(), std::cosh(1.0), std::sinh(1.0));
    ClickAt(v.get(), p.x, p.y);
    v->m_pTextSink = nullptr;
    EXPECT_NEAR(Number(text.After("P到两角点距离差:")), 2.0, 0.03);
    EXPECT_DOUBLE_EQ(v->m_dDemoVariant, 1.0); // 0 after the reset is read as 1
}

TEST_F(GraphPageTest, OtherKindsChangeNothing) {
    auto v = ScriptPage("g", kPlanePage);
    double before[6];
    for (int i = 0; i < 6; ++i) before[i] = v->m_adCoefF[i];
    CDC dc(&v->BackingImageRef());
    v->m_bFullRepaint = 1;
    for (int kind : {-1, 0, 11, 12, 14, 99}) v->DrawClassicalCurveConstruction(&dc, kind);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(v->m_adCoefF[i], before[i]);
    // A flat parabola writes its coefficients but has no focus.
    v->m_dDirM = 0.05;
    v->DrawClassicalCurveConstruction(&dc, 4);
    const double flat[6] = {0.05, 0, 0, 1, -1, 0};
    for (int i = 0; i < 6; ++i) EXPECT_DOUBLE_EQ(v->m_adCoefF[i], flat[i]);
}

TEST_F(GraphPageTest, CirclePointsChangeOnlyWithAClick) {
    auto v = ScriptPage("c", "014圆\n700DATA1(0,1,1,0,0,0,0,)\n"
                             "700NormalCurve(0.3,3,40,12,1,-1,1,-2.4,2.4,-1.6,1.6,0,6.3)\n");
    const CPoint p = PagePoint(v.get(), 0.6, 0.8);
    ClickAt(v.get(), p.x, p.y);
    EXPECT_EQ(v->m_bToolFirstPoint, 1);
    Draw(v.get());
    Draw(v.get());
    EXPECT_EQ(v->m_bToolFirstPoint, 1); // repaints do not flip it
    const CPoint q = PagePoint(v.get(), -0.8, 0.6);
    ClickAt(v.get(), q.x, q.y);
    EXPECT_EQ(v->m_bToolFirstPoint, 0);
    EXPECT_NEAR(v->m_adShapeX1[0], -0.8, 0.02);
    EXPECT_NEAR(v->m_adCirclePairFirst[0], 0.6, 0.02);
}

// --- Drawing tools ----------------------------------------------------------------------------

TEST_F(GraphPageTest, TwoClicksWithTheLineToolMakeOneSegment) {
    auto v = ScriptPage("g", kPlanePage);
    v->OnToolLine();
    v->m_crDefaultPen = RGB(255, 0, 0);
    const CPoint a = PagePoint(v.get(), -3, -3), b = PagePoint(v.get(), 3, 2);
    ClickAt(v.get(), a.x, a.y);
    EXPECT_EQ(v->m_nUserShapeCount, 0);
    EXPECT_EQ(v->m_bToolFirstPoint, 1);
    Draw(v.get()); // a repaint takes no point
    EXPECT_EQ(v->m_bToolFirstPoint, 1);
    ClickAt(v.get(), b.x, b.y);
    ASSERT_EQ(v->m_nUserShapeCount, 1);
    EXPECT_EQ(v->m_anUserShapeTool[0], 1);
    EXPECT_NEAR(v->m_adShapeX1[0], -3, 0.02);
    EXPECT_NEAR(v->m_adShapeY2[0], 2, 0.03);
    EXPECT_EQ(v->m_acrUserShapeLine[0], RGB(255, 0, 0));
    Draw(v.get());
    Draw(v.get());
    EXPECT_EQ(v->m_nUserShapeCount, 1);
    // The segment is drawn on every full pass.
    v->m_nPrevClipBottom = 0;
    Draw(v.get());
    EXPECT_GT(CountInPlot(v.get(), RGB(255, 0, 0)), 50);
    // "关闭画线" erases it.
    v->OnCommand(33547);
    EXPECT_EQ(v->m_nUserShapeCount, 0);
    EXPECT_EQ(v->m_nDrawTool, 0);
}

TEST_F(GraphPageTest, ClicksOutsideTheRangeOrWithInputOffAddNothing) {
    auto v = ScriptPage("g", kPlanePage);
    v->OnToolDot();
    ClickAt(v.get(), v->m_nPlotRight + 1, (v->m_nPlotTop + v->m_nPlotBottom) / 2);
    ClickAt(v.get(), v->m_nPlotLeft, (v->m_nPlotTop + v->m_nPlotBottom) / 2); // on the border
    EXPECT_EQ(v->m_nUserShapeCount, 0);
    const CPoint p = PagePoint(v.get(), 1, 1);
    ClickAt(v.get(), p.x, p.y);
    EXPECT_EQ(v->m_nUserShapeCount, 1);
    v->OnToolInputOff();
    ClickAt(v.get(), p.x + 20, p.y);
    EXPECT_EQ(v->m_nUserShapeCount, 1);
    EXPECT_EQ(v->m_nDrawTool, 4); // the tool and the shapes stay
}

TEST_F(GraphPageTest, ThreeParabolaClicksMakeOneShape) {
    auto v = ScriptPage("g", kPlanePage);
    v->OnCommand(33572); // 抛物线（开口上下）
    ASSERT_EQ(v->m_nDrawTool, 2);
    const double xs[4] = {-2, 0, 2, 3}, ys[4] = {4, 0, 4, 1};
    for (int i = 0; i < 3; ++i) {
        const CPoint p = PagePoint(v.get(), xs[i], ys[i]);
        ClickAt(v.get(), p.x, p.y);
    }
    EXPECT_EQ(v->m_nUserShapeCount, 1);
    EXPECT_EQ(v->m_nToolClickPhase, 0);
    EXPECT_NEAR(v->m_adShapeX3[0], 2, 0.02);
    const CPoint p = PagePoint(v.get(), xs[3], ys[3]);
    ClickAt(v.get(), p.x, p.y);
    EXPECT_EQ(v->m_nUserShapeCount, 1);
    EXPECT_EQ(v->m_nToolClickPhase, 1);
}

TEST_F(GraphPageTest, TheShapeStoreRefusesTheHundredAndFirst) {
    auto v = ScriptPage("g", kPlanePage);
    CDC dc(&v->BackingImageRef());
    v->OnToolDot();
    for (int i = 0; i < 101; ++i) v->TakeToolClick(&dc, 0.01 * i, 1.0);
    EXPECT_EQ(v->m_nUserShapeCount, CPemroView::kUserShapeCount);
    EXPECT_DOUBLE_EQ(v->m_adShapeX1[99], 0.99);
    EXPECT_DOUBLE_EQ(v->m_adShapeX1[100], 0.0); // never written
    // A two-point tool cannot start a shape in a full store either.
    v->OnToolLine();
    v->TakeToolClick(&dc, 1, 1);
    EXPECT_EQ(v->m_bToolFirstPoint, 0);
    EXPECT_EQ(v->m_nUserShapeCount, CPemroView::kUserShapeCount);
    // The full store still draws, and a click through the page adds nothing.
    const CPoint p = PagePoint(v.get(), 2, 2);
    ClickAt(v.get(), p.x, p.y);
    EXPECT_EQ(v->m_nUserShapeCount, CPemroView::kUserShapeCount);
}

TEST_F(GraphPageTest, ToolbarIdsReachTheToolCommands) {
    auto v = View("none");
    const struct {
        UINT id;
        int tool;
    } tools[] = {{33544, 1}, {33572, 2}, {33573, 3}, {33556, 4}, {33559, 5},
                 {33558, 6}, {33560, 7}, {33564, 8}, {33545, 2}, {33550, 3}};
    for (const auto& t : tools) {
        v->m_bDrawToolsOff = 1;
        EXPECT_TRUE(v->OnCommand(t.id)) << t.id;
        EXPECT_EQ(v->m_nDrawTool, t.tool) << t.id;
        EXPECT_EQ(v->m_bDrawToolsOff, 0) << t.id;
    }
    v->OnCommand(33570);
    EXPECT_EQ(v->m_bDrawToolsOff, 1);
    v->OnCommand(ID_SHOW_FUNC_NAME_YES);
    EXPECT_EQ(v->m_bShowFuncName, 1);
    v->OnCommand(ID_SHOW_FUNC_NAME_NO);
    EXPECT_EQ(v->m_bShowFuncName, 0);
}
