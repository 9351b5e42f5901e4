// Drawing primitives: world frame, lines, arrows, fills, arcs, the 3-D
// projection, text buttons with their click-once hit tests, and figure
// placement. Pixels are checked on an in-memory surface.
#include "render/shaded_stacks.h"
#include "test_support.h"

#include <cmath>
#include <limits>

namespace {

using namespace test_support;

constexpr COLORREF kGround = RGB(0, 64, 128);
constexpr COLORREF kFrame = RGB(255, 255, 0);
constexpr COLORREF kHit = RGB(250, 125, 120);
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

class PrimitivesTest : public FigureSurfaceTest {
protected:
    void SetUp() override {
        FigureSurfaceTest::SetUp();
        CPemroView& v = *view;
        // The world [0, 3] x [0, 2] on the plot: 100 pixels a unit.
        SetWorld(0, 3, 0, 2);
        v.m_nPlotOrientation = 0, v.m_bShowSelectionBox = 1;
        v.m_nBaseCharWidth = 9, v.m_nFontStep = 0;
        v.m_nCharHeight = 18, v.m_nCharWidth = 9, v.m_nLabelZoom = 0;
        v.m_crGround = kGround, v.m_crCurveSetting = kFrame;
        // Oblique projection: y to the right and z upward 100 pixels a unit,
        // x receding 40 pixels down and 20 to the left.
        v.m_nProjScaleY = 100, v.m_nProjScaleZ = 100;
        v.m_nProjOriginX = 100, v.m_nProjOriginY = 250;
    }

    // Rows between the first and last row with a non-black pixel.
    int InkHeight(CRect r) const {
        int first = -1, last = -1;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                if (At(x, y) != kBlack) {
                    if (first < 0) first = y;
                    last = y;
                }
        return first < 0 ? 0 : last - first + 1;
    }
    // The world box [0, 1]^3 for the projection tests.
    void UnitBox() {
        view->m_dXMax = view->m_dYMax = 1;
        view->m_dXSpan = view->m_dYSpan = 1;
    }
};

// --- World frame, lines and arrows --------------------------------------------

TEST_F(PrimitivesTest, ThinLineLeavesOutItsEnd) {
    view->DrawLinePx(dc.get(), 0, 10, 20, 30, 20, kRed);
    EXPECT_EQ(At(10, 20), kRed);
    EXPECT_EQ(At(29, 20), kRed);
    EXPECT_EQ(At(30, 20), kBlack);
    EXPECT_EQ(Count(kRed), 20);
}

TEST_F(PrimitivesTest, WidthRaisedForPointsLeftwardAndUpwardStrokes) {
    view->DrawLinePx(dc.get(), 0, 100, 100, 100, 100, kRed); // a point: a visible dot
    EXPECT_GT(Count(kRed), 0);
    image.fill(Qt::black);
    view->DrawLinePx(dc.get(), 0, 30, 20, 10, 20, kRed); // leftward over 20 pixels
    int column = 0;
    for (int y = 15; y < 25; ++y) column += At(20, y) == kRed;
    EXPECT_EQ(column, 2);
    image.fill(Qt::black);
    view->DrawLinePx(dc.get(), 0, 13, 20, 10, 20, kRed); // leftward over 3: stays thin
    EXPECT_EQ(Count(kRed), 3);
}

TEST_F(PrimitivesTest, VerticalArrowShaftWidthFollowsDirection) {
    view->DrawArrowPx(dc.get(), 200, 200, 200, 100, 0, "", "", kRed); // up the screen
    EXPECT_TRUE(At(199, 150) == kRed || At(201, 150) == kRed);
    image.fill(Qt::black);
    view->DrawArrowPx(dc.get(), 200, 100, 200, 200, 0, "", "", kRed); // down
    EXPECT_EQ(At(200, 150), kRed);
    EXPECT_EQ(At(199, 150), kBlack);
    EXPECT_EQ(At(201, 150), kBlack);
    // Head of the downward arrow: its base 3 rows above the point.
    EXPECT_EQ(At(198, 197), kRed);
    EXPECT_EQ(At(201, 197), kRed);
}

TEST_F(PrimitivesTest, ArrowHeadBarbs) {
    view->DrawArrowPx(dc.get(), 100, 100, 140, 100, 0, "", "", kRed);
    EXPECT_EQ(At(136, 102), kRed); // P = (136, 102)
    EXPECT_EQ(At(136, 98), kRed);  // Q = (136, 98)
    EXPECT_EQ(At(139, 100), kRed);
    image.fill(Qt::black);
    view->DrawArrowPx(dc.get(), 100, 100, 130, 120, 0, "", "", kRed);
    EXPECT_EQ(At(125, 119), kRed); // P
    EXPECT_EQ(At(127, 116), kRed); // Q
    EXPECT_EQ(At(112, 90), kBlack);
}

TEST_F(PrimitivesTest, InvisibleFigureDrawsNoArrowNorLabel) {
    view->m_bFigureVisible = 0;
    view->DrawArrowPx(dc.get(), 100, 100, 140, 100, 1, "A", "B", kWhite);
    view->DrawLinePx(dc.get(), 0, 10, 20, 30, 20, kRed);
    EXPECT_TRUE(Blank());
    view->m_bFigureVisible = 1;
    view->m_nGraphTop = -200; // band more than 150 pixels above the clip box
    view->DrawLinePx(dc.get(), 0, 10, 20, 30, 20, kRed);
    EXPECT_TRUE(Blank());
}

TEST_F(PrimitivesTest, WorldLineDroppedWhenAnEndIsOutside) {
    view->DrawLineWorld(dc.get(), 1, 1, 3.0000001, 1, kRed);
    EXPECT_TRUE(Blank());
    view->DrawLineWorld(dc.get(), 1, 1, 3, 1, kRed); // (150, 150) to (350, 150)
    EXPECT_EQ(At(150, 150), kRed);
    EXPECT_EQ(At(349, 150), kRed);
}

TEST_F(PrimitivesTest, RegionTypeTwoExchangesAxes) {
    view->m_dXMax = view->m_dYMax = 5, view->m_dXSpan = view->m_dYSpan = 5;
    view->m_nRegionType = 2;
    view->DrawLineWorld(dc.get(), 1, 2, 3, 4, kRed);
    // Drawn from (2, 1) = pixel (170, 210) toward (4, 3) = pixel (290, 130).
    EXPECT_EQ(At(170, 210), kRed);
    EXPECT_EQ(At(230, 170), kRed);
    EXPECT_EQ(At(110, 170), kBlack); // where (1, 2) would map
}

TEST_F(PrimitivesTest, ArrowLabelsPlacedRightOfBothEnds) {
    view->DrawArrowPx(dc.get(), 100, 100, 200, 100, 1, "M", "M", kWhite);
    EXPECT_GT(CountIn(kWhite, CRect(108, 105, 140, 140)), 0);
    EXPECT_GT(CountIn(kWhite, CRect(208, 105, 240, 140)), 0);
    EXPECT_EQ(CountIn(kWhite, CRect(60, 105, 104, 140)), 0);
    EXPECT_EQ(CountIn(kWhite, CRect(150, 105, 204, 140)), 0);
}

TEST_F(PrimitivesTest, LabelZoomEnlargesStrings) {
    view->m_nCharHeight = 30;
    view->DrawString(dc.get(), 20, 20, "H", kWhite);
    const int small = InkHeight(CRect(0, 0, 200, 150));
    view->m_nLabelZoom = 1;
    view->DrawString(dc.get(), 220, 20, "H", kWhite);
    const int large = InkHeight(CRect(200, 0, 400, 150));
    EXPECT_GT(small, 0);
    EXPECT_GT(large * 10, small * 13);         // 3/3 against 2/3 of the text height
    EXPECT_EQ(view->m_lfCurrent.lfHeight, 30); // the working font back at the text size
}

TEST_F(PrimitivesTest, DrawArrowWorldRefreshesTheFrame) {
    view->m_dXSpan = 99, view->m_nPlotWidth = 1;
    view->DrawArrowWorld(dc.get(), 0, 1, 2, 1, 0, "", "", kRed);
    EXPECT_EQ(view->m_dXSpan, 3);
    EXPECT_EQ(view->m_nPlotWidth, 300);
    EXPECT_EQ(At(60, 150), kRed);
}

TEST_F(PrimitivesTest, BadCoordinatesDrawNothing) {
    view->DrawLinePx(dc.get(), 0, kNaN, 10, 20, 20, kRed);
    view->DrawLinePx(dc.get(), 2, 1e30, 10, 20, 20, kRed);
    view->DrawLineWorld(dc.get(), kNaN, 1, 2, 1, kRed);
    view->DrawArrowWorld(dc.get(), kInf, 1, 2, 1, 0, "", "", kRed);
    view->FloodFillWorld(dc.get(), kNaN, 1, kRed, kGreen);
    view->DrawDotWorld(dc.get(), 1, kInf, 3, 3, kRed, kRed);
    view->DrawLine3D(dc.get(), 0, 0, kNaN, 1, 1, 0.5, kRed);
    view->DrawEllipseWorld(dc.get(), 1, 1, 1e300, 1, kRed, kRed);
    view->m_dXMax = view->m_dXMin, view->m_dXSpan = 0; // zero span
    view->DrawLineWorld(dc.get(), 0, 1, 0, 1, kRed);
    view->DrawArcWorld(dc.get(), 0, 1, 1, 1, 0, 6, kRed);
    view->FillRectWorld(dc.get(), 0, 0, 0, 1, kRed);
    view->DrawArrowWorld(dc.get(), 0, 1, 0, 2, 0, "", "", kRed);
    EXPECT_TRUE(Blank());
}

TEST_F(PrimitivesTest, HugeRangesEndQuickly) {
    view->DrawArcPx(dc.get(), 200, 150, 50, 50, 0, 2000000000, kRed);
    view->DrawArcWorld(dc.get(), 1, 1, 0.5, 0.5, -1e300, 1e300, kRed);
    view->DrawShadedArcWorld(dc.get(), 1, 1, 0.5, 0.5, 1e20, 2e20, kRed);
    view->DrawEllipseWorld(dc.get(), 1, 1, 1.5e5, 1e5, kGreen, kGreen); // radii 1.5e7, 1e7
    EXPECT_EQ(At(200, 150), kGreen);
    view->DrawLinePx(dc.get(), 0, 100, 100, 1.6e7, 100, kRed); // far end saturates
    EXPECT_EQ(At(399, 100), kRed);
}

TEST_F(PrimitivesTest, MakeRgbTruncatesAndMasks) {
    EXPECT_EQ(CPemroView::MakeRGB(-1, 256, 300.7), RGB(255, 0, 44));
    EXPECT_EQ(CPemroView::MakeRGB(kNaN, kInf, 1e300), RGB(0, 0, 0));
    EXPECT_EQ(CPemroView::MakeRGB(12.9, -0.5, 255.99), RGB(12, 0, 255));
}

TEST_F(PrimitivesTest, FramedBoxIgnoresTheBand) {
    view->m_bFigureVisible = 0;
    view->FillRectPxAlways(dc.get(), 20, 20, 30, 30, kRed);
    EXPECT_EQ(Count(kRed), 100 - 36);
    EXPECT_EQ(Count(kGround), 36);
    EXPECT_EQ(At(22, 22), kGround);
    EXPECT_EQ(At(21, 21), kRed);
    view->FillRectPx(dc.get(), 100, 100, 110, 110, kGreen);
    EXPECT_EQ(Count(kGreen), 0);
}

TEST_F(PrimitivesTest, GraphRegionTestsAreStrict) {
    const int C = 18;
    view->m_ptClick = CPoint(50 - C, 100); // on the widened left edge of region 2
    EXPECT_FALSE(view->HitTestGraphRegion(2));
    view->m_ptClick = CPoint(50 - C + 1, 100);
    EXPECT_TRUE(view->HitTestGraphRegion(2));
    view->m_ptClick = CPoint(200, 100); // the middle column belongs to neither half
    EXPECT_FALSE(view->HitTestGraphRegion(2));
    view->m_ptClick = CPoint(360, 100); // right of the plot: region 3 reaches 2C further
    EXPECT_FALSE(view->HitTestGraphRegion(2));
    EXPECT_TRUE(view->HitTestGraphRegion(3));
    view->m_nClipTop = 1000, view->m_nClipBottom = 1300; // page click = clip origin + point
    view->m_nGraphTop = 1010, view->m_nGraphBottom = 1290, view->m_nPlotTop = 1050;
    view->m_nPlotBottom = 1250;
    view->m_ptClick = CPoint(100, 100);
    EXPECT_TRUE(view->HitTestGraphRegion(0));
    EXPECT_TRUE(view->HitTestGraphRegion(2));
    EXPECT_FALSE(view->HitTestGraphRegion(4));
    EXPECT_FALSE(view->HitTestGraphRegion(-1));
}

// --- Fills, dots and arcs ------------------------------------------------------------

TEST_F(PrimitivesTest, GradientColumns) {
    view->FillRectGradientPx(dc.get(), 10, 10, 20, 20, kBlack, RGB(100, 200, 250));
    EXPECT_EQ(At(10, 15), kBlack);
    EXPECT_EQ(At(15, 15), RGB(50, 100, 125));
    EXPECT_EQ(At(19, 19), RGB(90, 180, 225));
    EXPECT_EQ(At(20, 15), kBlack);
    EXPECT_EQ(view->m_anSplitRgb[2], 250);                            // the split fields keep `to`
    view->FillRectGradientPx(dc.get(), 30, 10, 31, 20, kGreen, kRed); // one column: `from`
    EXPECT_EQ(At(30, 12), kGreen);
    view->FillRectGradientPx(dc.get(), 40, 10, 50, 20, kRed, kRed);
    EXPECT_EQ(At(49, 19), kRed);
}

TEST_F(PrimitivesTest, FloodFillStopsAtAnEllipseBorder) {
    {
        CPenSelect pen(dc.get(), CPen(PS_SOLID, 0, kRed));
        CBrushSelect brush(dc.get(), CBrush::Null());
        dc->Ellipse(100, 100, 200, 160);
    }
    view->FloodFillWorld(dc.get(), 1, 1, kRed, kGreen); // pixel (150, 150)
    EXPECT_EQ(At(150, 150), kGreen);
    EXPECT_EQ(At(150, 130), kGreen);
    EXPECT_EQ(At(102, 102), kBlack); // outside, in the box corner
    EXPECT_EQ(At(300, 50), kBlack);
    EXPECT_EQ(At(100, 130), kRed);
}

TEST_F(PrimitivesTest, FloodFillDoesNotLeakThroughADiagonal) {
    view->DrawLinePx(dc.get(), 0, 0, 0, 300, 300, kRed);
    view->FloodFillPx(dc.get(), 250, 50, kRed, kGreen);
    EXPECT_EQ(At(250, 50), kGreen);
    EXPECT_EQ(At(349, 50), kGreen);
    EXPECT_EQ(At(100, 200), kBlack);
    EXPECT_EQ(At(0, 299), kBlack);
    // A flood fill stops at the plot's box, whatever gap its border has.
    EXPECT_EQ(At(399, 0), kBlack);
    EXPECT_EQ(At(350, 100), kBlack);
}

TEST_F(PrimitivesTest, FloodFillOnPartialRepaintNeedsAClickInTheGraph) {
    view->m_bFullRepaint = 0;
    view->m_nGraphLeft = 100, view->m_nGraphTop = 100;
    view->m_ptClick = CPoint(5, 5);
    view->FloodFillPx(dc.get(), 100, 100, kRed, kGreen);
    EXPECT_TRUE(Blank());
    view->m_ptClick = CPoint(100, 100);
    view->FloodFillPx(dc.get(), 100, 100, kRed, kGreen);
    EXPECT_EQ(At(60, 60), kGreen);
    EXPECT_EQ(At(0, 0), kBlack); // outside the plot's box
}

TEST_F(PrimitivesTest, WorldDotTestsOnlyY) {
    view->DrawDotWorld(dc.get(), 1, 2, 3, 3, kRed, kRed); // y maps onto the plot top
    view->DrawDotWorld(dc.get(), 1, 0, 3, 3, kRed, kRed); // onto the plot bottom
    EXPECT_TRUE(Blank());
    view->DrawDotWorld(dc.get(), -0.2, 1, 3, 3, kRed, kGreen); // left of the plot: drawn
    EXPECT_EQ(At(30, 150), kGreen);
    image.fill(Qt::black);
    view->DrawBallWorld(dc.get(), 1, 2.5, 5, 5, 0, kRed, kGreen); // dot above the plot
    EXPECT_EQ(Count(kGreen), 0);
    EXPECT_EQ(At(148, 0), kRed); // its diameter is still drawn, at py = 0
}

TEST_F(PrimitivesTest, ArcWorldOrdersItsAngles) {
    view->DrawArcWorld(dc.get(), 1.5, 1, 0.5, 0.5, 3, 0, kRed);
    const QImage first = image.copy();
    image.fill(Qt::black);
    view->DrawArcWorld(dc.get(), 1.5, 1, 0.5, 0.5, 0, 3, kRed);
    EXPECT_EQ(first, image);
    EXPECT_EQ(At(250, 150), kRed); // t = 0: (200 + 50, 150)
    image.fill(Qt::black);
    view->DrawShadedArcWorld(dc.get(), 1.5, 1, 0.5, 0.5, 3, 0, kRed);
    EXPECT_TRUE(Blank());
}

TEST_F(PrimitivesTest, ShadedArcMixesWithTheBackSide) {
    view->m_crBackSide = kBlack;
    view->DrawShadedArcWorld(dc.get(), 1.5, 1, 0.5, 0.5, 0, 0.004, RGB(200, 100, 40));
    // t = 0: w = 0.5 - cos(-0.5)/4 + sin(-0.5)/4 = 0.1608...
    EXPECT_EQ(At(250, 150), RGB(32, 16, 6));
}

// Stacks of shaded arcs drawn from their plan leave what the arcs drawn one
// by one leave, a line crossing the picture before each stack.
TEST_F(PrimitivesTest, ShadedStacksLeaveWhatTheirArcsLeave) {
    struct Row {
        const char* what;
        double cx, y0, y1, step, rx, drx; // the first stack, then rx narrows by drx
        int stacks;
        double t0, t1;
        int orientation;
        bool quick;
    } const rows[] = {
        {"nested shells, a row apart", 1.5, 0.5, 1.2, 0.01, 1.4, 0.01, 40, 0, 3.14, 0, true},
        {"rows skipped between arcs", 1.5, 0.3, 1.5, 0.016, 1.2, 0.007, 30, 0, 3.14, 0, true},
        {"several arcs a row", 1.5, 0.5, 0.9, 0.004, 1.0, 0.02, 20, 0, 3.14, 0, true},
        {"past every edge of the plot", 1.5, -0.3, 2.5, 0.01, 2.0, 0.05, 30, 0, 3.14, 0, true},
        {"on the plot's top row", 1.5, 1.5, 2.05, 0.01, 0.8, 0.01, 10, 0, 3.14, 0, true},
        {"a whole turn", 1.5, 0.4, 1.0, 0.01, 0.9, 0.03, 20, 0, 6.3, 0, true},
        {"turned: one by one", 1.0, 0.5, 2.5, 0.01, 0.6, 0.02, 10, 0, 3.14, 1, false},
    };
    view->m_crBackSide = RGB(0, 0, 90);
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        view->m_nPlotOrientation = r.orientation;
        std::vector<render::ShadedStack> stacks;
        for (int i = 0; i < r.stacks; ++i) {
            const double rx = r.rx - i * r.drx;
            stacks.push_back({r.cx, r.y0, r.y1, r.step, rx, rx / 8, 20000});
        }
        const auto line = [&](int i) {
            view->DrawLinePx(dc.get(), 0, 40, 60 + 5 * i, 360, 200, kHit);
        };
        image.fill(Qt::black);
        for (size_t i = 0; i < stacks.size(); ++i) {
            line(int(i));
            const render::ShadedStack& s = stacks[i];
            for (int j = 0; s.y0 + j * s.step < s.y1; ++j)
                view->DrawShadedArcWorld(dc.get(), s.cx, s.y0 + j * s.step, s.rx, s.ry, r.t0, r.t1,
                                         kFrame);
        }
        const QImage oneByOne = image.copy();
        image.fill(Qt::black);
        const auto plan = render::PlanShadedStacks(*view, stacks, r.t0, r.t1);
        EXPECT_EQ(plan->quick, r.quick);
        for (size_t i = 0; i < stacks.size(); ++i) {
            line(int(i));
            render::DrawShadedStack(*view, dc.get(), *plan, stacks, i, r.t0, r.t1, kFrame);
        }
        EXPECT_EQ(image, oneByOne);
        EXPECT_FALSE(Blank());
    }
}

// --- The 3-D projection ---------------------------------------------------------------

TEST_F(PrimitivesTest, SegmentClippedAtTheTopOfTheZRange) {
    UnitBox();
    view->DrawLine3D(dc.get(), 0, 0.5, 0, 0, 0.5, 2, kRed); // (150, 250) up to (150, 50)
    EXPECT_TRUE(At(150, 200) == kRed || At(149, 200) == kRed);
    EXPECT_TRUE(At(150, 155) == kRed || At(149, 155) == kRed);
    EXPECT_EQ(At(150, 140), kBlack);
    EXPECT_EQ(At(149, 140), kBlack);
    EXPECT_EQ(At(150, 60), kBlack);
}

TEST_F(PrimitivesTest, SegmentsBeyondTheZRangeAreNotDrawn) {
    UnitBox();
    view->DrawLine3D(dc.get(), 0, 0.2, 1.5, 0, 0.8, 1.5, kRed);
    view->DrawLine3D(dc.get(), 0, 0.2, 1.5, 0, 0.8, 3, kRed);
    view->DrawLine3D(dc.get(), 0, 0.2, -1, 0, 0.8, -1, kRed);
    EXPECT_TRUE(Blank());
    view->DrawLine3D(dc.get(), 0, 0.5, -1, 0, 0.5, 0.5, kRed); // cut at z = 0
    EXPECT_EQ(At(150, 300 - 1), kBlack);
    EXPECT_TRUE(At(150, 220) == kRed || At(149, 220) == kRed);
}

TEST_F(PrimitivesTest, ProjectionTurnAndArrangement) {
    UnitBox();
    int sx = 0, sy = 0;
    ASSERT_TRUE(view->ProjectPoint3D(1, 0.5, 0.25, &sx, &sy));
    EXPECT_EQ(sx, 100 + 50 - 20);
    EXPECT_EQ(sy, 250 + 40 - 25);
    double x = 1, y = 2, z = 3;
    view->m_nAxisArrangement = 2;
    view->ArrangeAxes3D(&x, &y, &z);
    EXPECT_EQ(x, 2);
    EXPECT_EQ(y, 3);
    EXPECT_EQ(z, 1);
    x = 1, y = 2, z = 3;
    view->m_nAxisArrangement = 3;
    view->ArrangeAxes3D(&x, &y, &z);
    EXPECT_EQ(x, 3);
    EXPECT_EQ(y, 1);
    EXPECT_EQ(z, 2);
    view->m_dXMax = view->m_dYMax = 2;
    view->m_dRotationAngle = 1.57079;
    x = 0, y = 0;
    view->TurnPoint3D(&x, &y);
    EXPECT_NEAR(x, 2, 1e-4);
    EXPECT_NEAR(y, 0, 1e-4);
}

TEST_F(PrimitivesTest, MaxMinOfEqualAndNaN) {
    EXPECT_EQ(CPemroView::Max2(2, 2), 2);
    EXPECT_EQ(CPemroView::Min2(2, 2), 2);
    EXPECT_EQ(CPemroView::Max2(kNaN, 5), 5);
    EXPECT_EQ(CPemroView::Min2(4, kNaN), 4);
    EXPECT_EQ(CPemroView::Max2(1, 3), 3);
    EXPECT_EQ(CPemroView::Min2(1, 3), 1);
}

// --- Buttons and click tests ---------------------------------------------------------------

TEST_F(PrimitivesTest, ButtonSizeFromLabelBytes) {
    EXPECT_EQ(view->ButtonWidth("abcd"), 21);             // 4·9/2 + 3
    EXPECT_EQ(view->ButtonHeight(), 12);                  // 3·18/5 + 2
    EXPECT_EQ(view->ButtonWidth("\xB0\xB4\xC5\xA5"), 21); // two GBK characters
    view->m_nBaseCharWidth = view->m_nCharWidth = -20;    // absurd unit: no wrap-around
    EXPECT_EQ(view->ButtonWidth("abcd"), 3);
}

TEST_F(PrimitivesTest, ButtonHitIsStrict) {
    struct Case {
        int x, y;
        bool hit;
    };
    // Button at (100, 100), 21 x 12.
    const Case cases[] = {{100, 105, false}, {101, 105, true}, {120, 105, true}, {121, 105, false},
                          {110, 100, false}, {110, 101, true}, {110, 111, true}, {110, 112, false}};
    for (const Case& c : cases) {
        Press(c.x, c.y);
        EXPECT_EQ(bool(view->TextButtonCore(dc.get(), 100, 100, 0, 0, "abcd", kWhite)), c.hit)
            << c.x << "," << c.y;
    }
}

TEST_F(PrimitivesTest, ClickActsOnceAcrossPasses) {
    Press(110, 105);
    EXPECT_TRUE(view->TextButtonCore(dc.get(), 100, 100, 0, 0, "abcd", kWhite));
    EXPECT_EQ(At(120, 102), kHit);
    EXPECT_TRUE(view->EndPassClickState()); // one more pass shows the new state
    view->BeginPassClickState();            // a repaint: same stored click
    EXPECT_FALSE(view->TextButtonCore(dc.get(), 100, 100, 0, 0, "abcd", kWhite));
    EXPECT_EQ(At(120, 102), kHit); // still lit while the click is stored
    EXPECT_FALSE(view->EndPassClickState());
    view->m_bPrintMode = 1; // a print pass does not take a new press
    Press(110, 105);
    EXPECT_FALSE(view->FilledTextButton(dc.get(), 100, 100, 20, 12, "A", kWhite, kRed));
    view->EndPassClickState();
    view->m_bPrintMode = 0;
    view->BeginPassClickState();
    EXPECT_TRUE(view->FilledTextButton(dc.get(), 100, 100, 20, 12, "A", kWhite, kRed));
}

TEST_F(PrimitivesTest, TextButtonRescaledInTwoDFigures) {
    const int y = view->m_nPlotTop + 40;
    view->TextButton(dc.get(), 60, y, "ab");
    EXPECT_EQ(At(60, 50 + 24), kGround);
    EXPECT_EQ(At(60, 50 + 22), kFrame);
    EXPECT_EQ(At(60, 50 + 21), kBlack);
    image.fill(Qt::black);
    view->m_bFigure3D = 1;
    view->TextButton(dc.get(), 60, y, "ab");
    EXPECT_EQ(At(60, 90), kGround);
}

TEST_F(PrimitivesTest, ZoomPrintAndHiddenBoxes) {
    Press(110, 105);
    view->m_bZoom = 1;
    EXPECT_FALSE(view->TextButton(dc.get(), 100, 100, "abcd"));
    EXPECT_FALSE(view->TextButtonSimple(dc.get(), 100, 100, "abcd"));
    EXPECT_TRUE(Blank());
    EXPECT_TRUE(view->FilledTextButton(dc.get(), 100, 100, 20, 12, "A", kWhite, kRed));
    view->m_bZoom = 0;
    view->m_bShowSelectionBox = 0;
    image.fill(Qt::black);
    Press(110, 105);
    view->m_bDragging = 1;
    EXPECT_TRUE(view->TextButtonSimple(dc.get(), 100, 100, "abcd"));
    EXPECT_TRUE(Blank());
    EXPECT_FALSE(view->m_bDragging);
    EXPECT_EQ(view->m_nBoxWidth, 21);
    view->m_bPrintMode = 1;
    EXPECT_FALSE(view->TextButtonInPlot(dc.get(), 100, 100, 40, 20, "abcd", kWhite));
}

TEST_F(PrimitivesTest, FilledButtonWithEmptyTextAndOffscreenBand) {
    view->m_nGraphTop = 5000, view->m_nGraphBottom = 5200;
    Press(105, 105);
    EXPECT_TRUE(view->FilledTextButton(dc.get(), 100, 100, 20, 12, "", kWhite, kRed));
    EXPECT_EQ(At(99, 99), kRed);
    EXPECT_EQ(At(105, 105), kGround);
    EXPECT_EQ(view->m_lfCurrent.lfHeight, 18);
    EXPECT_EQ(view->m_lfCurrent.lfWidth, 9);
}

TEST_F(PrimitivesTest, ClickInNominalRect) {
    view->m_nClipRight = 1600, view->m_nClipBottom = 1200; // twice the nominal screen
    Press(139, 105);
    EXPECT_TRUE(view->IsClickInRect(dc.get(), 100, 100, 20, 10)); // 40 x 20 pixels
    Press(140, 105);
    EXPECT_FALSE(view->IsClickInRect(dc.get(), 100, 100, 20, 10));
    Press(139, 105);
    view->m_bFigureVisible = 0;
    EXPECT_FALSE(view->IsClickInRect(dc.get(), 100, 100, 20, 10));
}

// --- Figure placement and text lines ------------------------------------------------------

TEST_F(PrimitivesTest, FigurePlacedOnlyWhenItFits) {
    view->m_nNextLineY = 10, view->m_dLineSpacing = 0, view->m_nTextRevealMode = -1;
    view->LayoutGraphWindow(2, 3, 20, 10);
    EXPECT_TRUE(view->m_bFigureVisible);
    EXPECT_EQ(view->m_nFigureTop, 46); // 10 + 1.3·2·18/1.3
    EXPECT_EQ(view->m_nFigureBottom, 226);
    EXPECT_EQ(view->m_nFigureLeft, 27);
    EXPECT_EQ(view->m_nGraphRight, 27 + 180);
    view->LayoutGraphWindow(2, 3, 20, 14); // bottom 298 < 300 still fits
    EXPECT_TRUE(view->m_bFigureVisible);
    view->LayoutGraphWindow(2, 3, 20, 15); // reaches below the clip box: hidden
    EXPECT_FALSE(view->m_bFigureVisible);
    EXPECT_EQ(view->m_nGraphBottom, 298); // boxes keep their previous values
    view->LayoutGraphWindow(kNaN, 3, 20, 2);
    EXPECT_FALSE(view->m_bFigureVisible);
    view->m_nTextRevealMode = -2;
    view->LayoutGraphWindow(0, 0, 1, 1);
    EXPECT_FALSE(view->m_bFigureVisible);
}

TEST_F(PrimitivesTest, PictureRectPlacement) {
    view->m_nNextLineY = 10, view->m_dLineSpacing = 0;
    view->LayoutPictureRect(1, 2.5, 10, 3);
    EXPECT_EQ(view->m_nPictureLeft, 22); // trunc(9·2.5)
    EXPECT_EQ(view->m_nPictureRight, 112);
    EXPECT_EQ(view->m_nPictureTop, 28);
    EXPECT_EQ(view->m_nPictureBottom, 82);
}

TEST_F(PrimitivesTest, TextLinesOnFirstAndSecondPass) {
    view->m_nTextRevealMode = -1;
    view->m_strDataPath = "data\\232.txt";
    view->m_strLastDataPath = "";
    EXPECT_FALSE(view->IsTextLineVisible(20));
    view->m_strLastDataPath = view->m_strDataPath;
    view->m_nNextLineY = 77;
    EXPECT_TRUE(view->IsTextLineVisible(20));
    EXPECT_EQ(view->m_nRevealedTextBottom, 77);
    EXPECT_TRUE(view->IsTextLineVisible(299));
    EXPECT_FALSE(view->IsTextLineVisible(300));
    view->m_nTextRevealMode = 0; // down to the click: y < click y + H/3
    view->m_ptClick = CPoint(10, 100);
    EXPECT_TRUE(view->IsTextLineVisible(105));
    EXPECT_FALSE(view->IsTextLineVisible(106));
    view->m_bPrintMode = 1; // 0 - 10 < y < 300 - 300/18
    EXPECT_FALSE(view->IsTextLineVisible(-10));
    EXPECT_TRUE(view->IsTextLineVisible(-9));
    EXPECT_TRUE(view->IsTextLineVisible(283));
    EXPECT_FALSE(view->IsTextLineVisible(284));
}

// --- Further rules of the Parts ---------------------------------------------------------

TEST_F(PrimitivesTest, ClippedEndTakesTheProductBeforeTheDivision) {
    UnitBox();
    // End 1 moves to y = 0 + (3.052 - 0)·(1 - 0)/(1.526 - 0) = 2 exactly, so
    // it projects to (100 + 200, 250 - 100); a factor 1/1.526 taken first
    // would give 1.9999999999999998 and the column 299.
    view->DrawLine3D(dc.get(), 0, 3.052, 1.526, 0, 0, 0, kRed);
    EXPECT_EQ(At(300, 150), kRed);
    EXPECT_EQ(At(301, 150), kBlack);
}

TEST_F(PrimitivesTest, ShadedArcWithExchangedOrientation) {
    view->m_crBackSide = kBlack;
    view->m_nPlotOrientation = 1;
    // Centre (1, 1.5) becomes (1.5, 1) = pixel (200, 150); radii 0.5, 0.3
    // become 0.3, 0.5 = 30 and 50 pixels; t = 0 becomes 1.57, one step only.
    view->DrawShadedArcWorld(dc.get(), 1, 1.5, 0.5, 0.3, 0, 0.004, RGB(200, 100, 40));
    // w = 0.5 - cos(1.07)/4 + sin(1.07)/4 = 0.5993
    EXPECT_EQ(At(200, 100), RGB(119, 59, 23));
    EXPECT_EQ(Count(kBlack), 400 * 300 - 1);
}

TEST_F(PrimitivesTest, DotsAndFloodFillsIgnoreTheAxisArrangement) {
    UnitBox();
    view->m_nAxisArrangement = 2;
    // (1, 0.5, 0.25) projects to (130, 265); arranged it would be (115, 170).
    view->DrawDotProjected(dc.get(), 1, 0.5, 0.25, 3, 3, kGreen, kGreen);
    EXPECT_EQ(At(130, 265), kGreen);
    EXPECT_EQ(At(115, 170), kBlack);
    view->DrawLine3D(dc.get(), 1, 0.5, 0.25, 1, 0.5, 0.25, kRed); // segments do arrange
    EXPECT_EQ(At(115, 170), kRed);
    image.fill(Qt::black);
    // A space figure's fill stops at its frame, here the whole surface.
    view->m_bFigure3D = 1;
    view->m_nFigureLeft = 0, view->m_nFigureTop = 0;
    view->m_nFigureRight = 400, view->m_nFigureBottom = 300;
    view->FloodFillWorld3D(dc.get(), 1, 0.5, 0.25, kRed, kGreen); // seeds at (130, 265)
    EXPECT_EQ(At(0, 0), kGreen);
}

TEST_F(PrimitivesTest, NoTurnAtAngleZero) {
    double x = 0.3, y = 0.7;
    view->TurnPoint3D(&x, &y);
    EXPECT_EQ(x, 0.3);
    EXPECT_EQ(y, 0.7);
}

TEST_F(PrimitivesTest, QuarterArcInSpace) {
    UnitBox();
    // Starts at (1, 0, 0) = pixel (100 - 20, 250 + 40) and ends at t just
    // below 1.59, (cos t, sin t, 0) = pixel (200, 250).
    view->DrawArc3D(dc.get(), 0, 0, 0, 1, 0, 0, 0, 1, 0, kRed);
    EXPECT_EQ(At(80, 290), kRed);
    EXPECT_EQ(At(200, 250), kRed);
    EXPECT_EQ(At(202, 250), kBlack);
    view->m_bFigureVisible = 0;
    image.fill(Qt::black);
    view->DrawArc3D(dc.get(), 0, 0, 0, 1, 0, 0, 0, 1, 0, kRed);
    EXPECT_TRUE(Blank());
}

TEST_F(PrimitivesTest, InsetLineOnlyWhileEnabled) {
    view->m_adPlaneRange[0] = 0, view->m_adPlaneRange[1] = 1;
    view->m_adPlaneRange[2] = 0, view->m_adPlaneRange[3] = 1;
    view->m_adPlaneSpan[0] = 1, view->m_adPlaneSpan[1] = 1;
    view->m_nInsetLeft = 100, view->m_nInsetBottom = 200;
    view->m_nInsetWidth = 100, view->m_nInsetHeight = 100;
    view->m_nRegionType = 2; // never exchanges the axes
    view->DrawLineWorldIfEnabled(dc.get(), 0, 0.5, 1, 0.5, kRed);
    EXPECT_TRUE(Blank());
    view->m_nLineStyle = 1;
    view->DrawLineWorldIfEnabled(dc.get(), 0, 0.5, 1.01, 0.5, kRed); // an end outside
    EXPECT_TRUE(Blank());
    view->DrawLineWorldIfEnabled(dc.get(), 0, 0.5, 1, 0.5, kRed); // (100, 150) to (200, 150)
    EXPECT_EQ(At(100, 150), kRed);
    EXPECT_EQ(At(199, 150), kRed);
    EXPECT_EQ(At(200, 150), kBlack);
    EXPECT_EQ(Count(kRed), 100);
}

TEST_F(PrimitivesTest, WorldRectangleMapsTopAndBottom) {
    // Left px(0.5) = 100, top py(1.5) = 100, right px(1.5) = 200, bottom py(0.5) = 200.
    view->FillRectWorld(dc.get(), 0.5, 1.5, 0.5, 1.5, kRed);
    EXPECT_EQ(Count(kRed), 100 * 100);
    EXPECT_EQ(At(100, 100), kRed);
    EXPECT_EQ(At(199, 199), kRed);
    view->FillRectGradientWorld(dc.get(), 2, 2.1, 0.5, 1.5, kBlack, RGB(100, 0, 0));
    EXPECT_EQ(At(255, 150), RGB(50, 0, 0)); // column 5 of 10: (5·0 + 5·100)/10
    EXPECT_EQ(At(255, 99), kBlack);
}

TEST_F(PrimitivesTest, GraphRegionOneTestsOnlyTheBand) {
    view->m_ptClick = CPoint(-1000, -1000);
    EXPECT_TRUE(view->HitTestGraphRegion(1)); // 0 < 10 and 290 < 300
    view->m_nGraphBottom = 300;
    EXPECT_FALSE(view->HitTestGraphRegion(1));
    view->m_bPrintMode = 1; // 30 pixels of slack while printing
    EXPECT_TRUE(view->HitTestGraphRegion(1));
    view->m_nGraphBottom = 330;
    EXPECT_FALSE(view->HitTestGraphRegion(1));
}

TEST_F(PrimitivesTest, OffscreenButtonIsNotDrawnButHits) {
    view->m_nGraphTop = 5000, view->m_nGraphBottom = 5200;
    Press(110, 105);
    EXPECT_TRUE(view->TextButtonCore(dc.get(), 100, 100, 0, 0, "abcd", kWhite));
    EXPECT_TRUE(Blank());
}

TEST_F(PrimitivesTest, FramedLabelInItsOwnColours) {
    // Rescaled like TextButton: plot top 50 + 12·40/20.
    view->DrawFramedLabel(dc.get(), 60, 90, 40, 20, "ab", kWhite, kRed, kGreen);
    EXPECT_EQ(At(60, 74), kGreen);
    EXPECT_EQ(At(60, 72), kRed);
    EXPECT_EQ(At(60, 71), kBlack);
    image.fill(Qt::black);
    view->m_bPrintMode = 1;
    view->DrawFramedLabel(dc.get(), 60, 90, 40, 20, "ab", kWhite, kRed, kGreen);
    view->m_bPrintMode = 0, view->m_bShowSelectionBox = 0;
    view->DrawFramedLabel(dc.get(), 60, 90, 40, 20, "ab", kWhite, kRed, kGreen);
    EXPECT_TRUE(Blank());
}

TEST_F(PrimitivesTest, RevealedFiguresAndLines) {
    view->m_nNextLineY = 10, view->m_dLineSpacing = 0, view->m_nTextRevealMode = 1;
    view->m_nRevealedCount = 3, view->m_nRecordIndex = 4; // one record past: still placed
    view->LayoutGraphWindow(2, 3, 20, 10);
    EXPECT_TRUE(view->m_bFigureVisible);
    view->m_nRecordIndex = 5;
    view->m_nNextLineY = 20;
    view->LayoutGraphWindow(2, 3, 20, 10);
    EXPECT_FALSE(view->m_bFigureVisible);
    EXPECT_EQ(view->m_nFigureTop, 46); // nothing else changes
    view->m_strDataPath = view->m_strLastDataPath = "data\\232.txt";
    EXPECT_FALSE(view->IsTextLineVisible(20)); // record 5 > 3 revealed
    view->m_nRecordIndex = 3;
    EXPECT_TRUE(view->IsTextLineVisible(20));
    EXPECT_TRUE(view->IsGraphBandVisibleAfter(2)); // 3 > 2, 46 - 0 >= 1, 226 < 300
    EXPECT_FALSE(view->IsGraphBandVisibleAfter(3));
}

} // namespace
