// Line, label and shape commands of the figure annotations: where they draw
// in world coordinates, how out-of-range points follow the cursor, and what
// their buttons change (once per click).
#include "test_annotation_fixture.h"

#include <cstdlib>

using namespace annotation_test;

namespace {

// The colours of the LINE3 trace: green 255, blue 255 − red.
bool IsTraceColour(COLORREF c) {
    return GetGValue(c) == 255 && std::abs(GetBValue(c) - (255 - GetRValue(c))) <= 1;
}

class LineTest : public AnnotationTest {
protected:
    int TraceOutside(int cx, int cy, int r) const {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (IsTraceColour(At(x, y)) && (std::abs(x - cx) > r || std::abs(y - cy) > r)) ++n;
        return n;
    }
};

} // namespace

// --- Lines and points -----------------------------------------------------------

TEST_F(LineTest, Line2JoinsItsWorldEndpoints) {
    Run(&CPemroView::CmdLine2, "Line2(0.5,0.5,2.5,1.5,255,0,0)");
    // (0.5, 0.5) is pixel (100, 200), (2.5, 1.5) is (300, 100).
    EXPECT_EQ(At(100, 200), kRed);
    EXPECT_EQ(At(200, 150), kRed);
    EXPECT_GT(CountIn(kRed, 295, 97, 300, 104), 0);
    EXPECT_EQ(CountIn(kRed, 0, 0, 100, 300), 0);
    EXPECT_EQ(CountIn(kRed, 301, 0, 400, 300), 0);
}

TEST_F(LineTest, Line2OutOfRangeEndFollowsTheCursor) {
    view->m_nPlotMode = 1; // not explicit: y follows the cursor too
    Run(&CPemroView::CmdLine2, "Line2(1000,1000,2,1.5,255,0,0)");
    EXPECT_EQ(At(150, 200), kRed); // the cursor (1, 0.5)
    EXPECT_EQ(At(200, 150), kRed);
}

TEST_F(LineTest, Line2OutOfRangeYOnAnExplicitPageLiesOnTheCurve) {
    // Both ends become (1, sin 1): a dot at pixel (150, 165), default pen.
    Run(&CPemroView::CmdLine2, "Line2(1000,1000,1000,-5)");
    EXPECT_EQ(At(150, 165), kDefaultPen);
}

TEST_F(LineTest, LINE2WithoutAHorizontalPartIsVertical) {
    Run(&CPemroView::CmdLINE2, "LINE2(1.5,1,0,-1,255,0,0)");
    EXPECT_DOUBLE_EQ(view->m_dRotationAngle, 1.57);
    EXPECT_EQ(At(200, 60), kRed);
    EXPECT_GT(CountIn(kRed, 198, 235, 202, 245), 0);
    EXPECT_TRUE(text.Saw("0.001")); // p = cos 1.57
    EXPECT_TRUE(text.Saw("1.000")); // q = sin 1.57
}

TEST_F(LineTest, LINE2IgnoresTheSignOfV) {
    Run(&CPemroView::CmdLINE2, "LINE2(1.5,1,1,-1,255,0,0)");
    EXPECT_NEAR(view->m_dRotationAngle, 0.785398, 1e-6); // that of (1, 1)
    EXPECT_GT(CountIn(kRed, 248, 98, 253, 103), 0);      // (2, 1.5) lies on it
}

TEST_F(LineTest, LINE2AngleButtonActsOncePerClick) {
    view->m_bLoadScriptSettings = 0; // the user's angle stays
    view->m_dRotationAngle = 1.0;
    PressButton(350, 12, 20); // "θ增"
    Run(&CPemroView::CmdLINE2, "LINE2(1.5,1,0,1,255,0,0)");
    EXPECT_DOUBLE_EQ(view->m_dRotationAngle, 1.1);
    Repaint();
    Run(&CPemroView::CmdLINE2, "LINE2(1.5,1,0,1,255,0,0)");
    EXPECT_DOUBLE_EQ(view->m_dRotationAngle, 1.1);
}

// θ增 turns the script's angle; later passes keep the turned angle.
TEST_F(LineTest, LINE2StartsFromTheScriptAngleAndHoldsThePressedOne) {
    Run(&CPemroView::CmdLINE2, "LINE2(1.5,1,0,1,255,0,0)");
    EXPECT_DOUBLE_EQ(view->m_dRotationAngle, 1.57);
    PressButton(350, 12, 20);
    Run(&CPemroView::CmdLINE2, "LINE2(1.5,1,0,1,255,0,0)");
    EXPECT_DOUBLE_EQ(view->m_dRotationAngle, 1.67);
    Repaint();
    Run(&CPemroView::CmdLINE2, "LINE2(1.5,1,0,1,255,0,0)");
    EXPECT_DOUBLE_EQ(view->m_dRotationAngle, 1.67);
}

TEST_F(LineTest, LINE3InModeThreeDrawsOnlyThePoint) {
    // P0 = (0.5, 0.5, 0.5) projects to pixel (121, 207).
    Run(&CPemroView::CmdLINE3, "LINE3(0.5,0.5,0.5,1,1,1,3)");
    EXPECT_GT(CountIn(kDefaultFill, 117, 203, 126, 212), 0);
    EXPECT_EQ(TraceOutside(121, 207, 4), 0);
    Clear();
    Run(&CPemroView::CmdLINE3, "LINE3(0.5,0.5,0.5,1,1,1,0)");
    EXPECT_GT(TraceOutside(121, 207, 4), 50);
}

TEST_F(LineTest, LINE3WithoutADirectionEnds) {
    Run(&CPemroView::CmdLINE3, "LINE3(0.5,0.5,0.5,0,0,0,0)");
    EXPECT_EQ(TraceOutside(121, 207, 4), 0);
}

TEST_F(LineTest, LINE3PlaneModeFindsTheProjectingPlane) {
    // π: z = x; the line through (1, 0.5, 0.5) along y. The plane through it
    // perpendicular to π is z = −x + 1.5.
    double* f = view->m_adCoefSurfF;
    f[0] = 1, f[1] = 0, f[2] = 0;
    Run(&CPemroView::CmdLINE3, "LINE3(1,0.5,0.5,0,1,0,1)");
    EXPECT_DOUBLE_EQ(view->m_adCoefSurfG[3], -1);
    EXPECT_DOUBLE_EQ(view->m_adCoefSurfG[4], 0);
    EXPECT_DOUBLE_EQ(view->m_adCoefSurfG[5], 1.5);
    EXPECT_DOUBLE_EQ(f[5], 1.5);
    EXPECT_EQ(view->m_nSurfaceUpper, 30);
    EXPECT_EQ(view->m_nSurfaceLower, 30);
    EXPECT_TRUE(view->m_bDrawInverted);
}

TEST_F(LineTest, LINE3PlaneModeWithAParallelDirectionRepeatsThePlane) {
    double* f = view->m_adCoefSurfF;
    f[0] = 1, f[1] = 2, f[2] = 0.25, f[3] = 7, f[4] = 8, f[5] = 9;
    Run(&CPemroView::CmdLINE3, "LINE3(1,0.5,0.5,2,4,1,1)"); // (m, n) ∥ (a, b)
    for (int i = 0; i < 3; ++i) {
        EXPECT_DOUBLE_EQ(view->m_adCoefSurfG[3 + i], f[i]);
        EXPECT_DOUBLE_EQ(f[3 + i], f[i]);
    }
}

TEST_F(LineTest, DirectionButtonAddsTheStepOnceAndKeepsTheUsersValue) {
    PressButton(380, 12, 20); // "m增"
    Run(&CPemroView::CmdLINE3, "LINE3(0.5,0.5,0.5,1,1,1,0)");
    EXPECT_DOUBLE_EQ(view->m_dDirM, 1.1);
    EXPECT_FALSE(view->m_bLoadScriptSettings);
    EXPECT_TRUE(text.Saw("1.100"));
    Repaint();
    Run(&CPemroView::CmdLINE3, "LINE3(0.5,0.5,0.5,1,1,1,0)");
    EXPECT_DOUBLE_EQ(view->m_dDirM, 1.1);
}

TEST_F(LineTest, LinePointKeepsThePlaneWhileTheLineIsHorizontal) {
    double* f = view->m_adCoefSurfF;
    f[0] = 0.1, f[1] = 0.2, f[2] = 0.3;
    Run(&CPemroView::CmdLine_Point, "Line_Point(0.5,0.5,0.5,1,1,0,1,1,0.5)");
    EXPECT_DOUBLE_EQ(f[0], 0.1);
    EXPECT_DOUBLE_EQ(f[2], 0.3);
    EXPECT_DOUBLE_EQ(view->m_dBreakF0, 1);
    EXPECT_DOUBLE_EQ(view->m_dBreakF1, 1);
    EXPECT_DOUBLE_EQ(view->m_dZ0, 0.5);
}

TEST_F(LineTest, LinePointPlaneIsPerpendicularThroughM) {
    Run(&CPemroView::CmdLine_Point, "Line_Point(0.5,0.5,0.5,1,1,1,1,1,0.5)");
    const double* f = view->m_adCoefSurfF; // z = −x − y + 2.5
    EXPECT_DOUBLE_EQ(f[0], -1);
    EXPECT_DOUBLE_EQ(f[1], -1);
    EXPECT_DOUBLE_EQ(f[2], 2.5);
    EXPECT_DOUBLE_EQ(view->m_adCoefSurfG[5], 2.5);
}

TEST_F(LineTest, Line3DropsToTheLowerSurface) {
    view->m_nSurfaceEvalMode = 0;
    view->m_nSurfaceLower = 1; // z = 0.1
    for (double& c : view->m_adCoefSurfG) c = 0;
    view->m_adCoefSurfG[5] = 0.1;
    // (1, 1, 0.5) is pixel (143, 214), (1, 1, 0.1) is (143, 253).
    Run(&CPemroView::CmdLine3, "Line3(1,1,0.5,-1000,-1000,-1000,255,0,0)");
    EXPECT_EQ(At(143, 230), kRed);
    EXPECT_EQ(CountIn(kRed, 0, 0, 140, 300), 0);
    // It stops at the lower surface, not at the upper one's z = 0 (pixel 263).
    EXPECT_EQ(CountIn(kRed, 140, 258, 150, 300), 0);
}

TEST_F(LineTest, Line3DropIsLeftOutUnderASectionOrOutsideTheRegion) {
    view->m_bCutZc = 1;
    Run(&CPemroView::CmdLine3, "Line3(1,1,0.5,-1000,-1000,-1000,255,0,0)");
    EXPECT_TRUE(Blank());
    view->m_bCutZc = 0;
    view->m_bFigure3D = 1; // the empty region rectangle: outside
    Run(&CPemroView::CmdLine3, "Line3(1,1,0.5,1000,1000,1000,255,0,0)");
    EXPECT_TRUE(Blank());
}

TEST_F(LineTest, NothingWhileThePlaneCommandsAreOff) {
    view->m_bPlaneCmdsEnabled = 0;
    Run(&CPemroView::CmdLine2, "Line2(0.5,0.5,2.5,1.5,255,0,0)");
    Run(&CPemroView::CmdLINE3, "LINE3(0.5,0.5,0.5,1,1,1,0)");
    EXPECT_TRUE(Blank());
}

// --- Text labels ------------------------------------------------------------------

TEST_F(LineTest, Text2OutOfRangePointIsOnTheCurveAtTheCursor) {
    view->m_astrCommandLabel[0] = "A";
    Run(&CPemroView::CmdText2, "Text2(1000,1000,255,0,0)");
    // (1, sin 1) is pixel (150, 165); the text starts 2 pixels right of it.
    EXPECT_GT(CountIn(kRed, 150, 160, 175, 190), 0);
    EXPECT_EQ(CountIn(kRed, 0, 0, 148, 300), 0);
}

TEST_F(LineTest, Text2KeepsAnXWithinAFifthOfTheSpanBeside) {
    view->m_astrCommandLabel[0] = "A";
    Run(&CPemroView::CmdText2, "Text2(-0.3,1,255,0,0)"); // pixel (20, 150)
    EXPECT_GT(CountIn(kRed, 20, 145, 45, 175), 0);
    EXPECT_EQ(CountIn(kRed, 100, 0, 400, 300), 0);
}

TEST_F(LineTest, TextDertButtonScalesDeltaXOncePerClick) {
    PressButton(370, 14, 20); // "△x增"
    Run(&CPemroView::CmdTextDert, "TextDert(1000,1000,1,255,0,0)");
    EXPECT_DOUBLE_EQ(view->m_dStepH, 0.125);
    Repaint();
    Run(&CPemroView::CmdTextDert, "TextDert(1000,1000,1,255,0,0)");
    EXPECT_DOUBLE_EQ(view->m_dStepH, 0.125);
}

TEST_F(LineTest, TextDertLabelFollowsTheShiftedCursor) {
    view->m_astrCommandLabel[0] = "A";
    // x = 1 + 0.1·3 = 1.3, y = sin 1.3: pixel (180, 154).
    Run(&CPemroView::CmdTextDert, "TextDert(1000,1000,0,255,0,0)");
    EXPECT_GT(CountIn(kRed, 180, 150, 200, 180), 0);
    EXPECT_EQ(CountIn(kRed, 0, 0, 178, 300), 0);
}

TEST_F(LineTest, TextzNeedsTheLevelSection) {
    view->m_astrCommandLabel[0] = "A";
    view->m_crPen = kRed;
    Run(&CPemroView::CmdTextz, "Textz(0,0)");
    EXPECT_TRUE(Blank());
    // The plane z = x crosses the height 0.5 once on the scan (3s, 2s).
    view->m_bCutZc = 1, view->m_nSectionPlane = 0, view->m_dDirP = 0.5;
    view->m_nSurfaceEvalMode = 0, view->m_nSurfaceUpper = 30;
    view->m_adCoefSurfF[0] = 1, view->m_adCoefSurfF[1] = 0, view->m_adCoefSurfF[2] = 0;
    Run(&CPemroView::CmdTextz, "Textz(0,0)");
    EXPECT_GT(Count(kRed), 0);
    Clear();
    Run(&CPemroView::CmdTextz, "Textz(1,0)"); // kind 1 needs the height below c
    EXPECT_TRUE(Blank());
}

TEST_F(LineTest, Text3MarkerIsLeftOutUnderASection) {
    view->m_astrCommandLabel[0] = "A";
    view->m_nSectionPlane = 2;
    Run(&CPemroView::CmdText3, "Text3(1000,1000,1000,255,0,0)");
    EXPECT_TRUE(Blank());
    Run(&CPemroView::CmdText3, "Text3(1,1,0.5,255,0,0)"); // pixel (143, 214)
    EXPECT_GT(CountIn(kRed, 143, 205, 165, 240), 0);
}

// --- Shapes -------------------------------------------------------------------------

TEST_F(LineTest, Ellipse2FillsItsWorldBox) {
    // Centre (1.5, 1) = pixel (200, 150), radii 100 and 50 pixels.
    Run(&CPemroView::CmdEllipse2, "Ellipse2(1.5,1,1,0.5,2,255,0,0,0,0,255)");
    EXPECT_EQ(At(200, 150), kBlue);
    EXPECT_EQ(At(110, 150), kBlue);
    EXPECT_EQ(At(200, 106), kBlue);
    EXPECT_GT(CountIn(kRed, 98, 140, 103, 160), 0);
    EXPECT_EQ(At(95, 150), kBlack);
    EXPECT_EQ(At(305, 150), kBlack);
    EXPECT_EQ(At(200, 95), kBlack);
    EXPECT_EQ(At(200, 205), kBlack);
    EXPECT_EQ(view->m_nOdeMethodFamily, 2);
    EXPECT_EQ(Count(kDefaultPen), 0); // no arrows
}

TEST_F(LineTest, Ellipse2OrientationAddsArrows) {
    Run(&CPemroView::CmdEllipse2, "Ellipse2(1.5,1,1,0.5,1,255,0,0,0,0,255)");
    EXPECT_GT(Count(kDefaultPen), 20);
}

TEST_F(LineTest, Ellipse2OutOfRangeCentreSitsOnTheCurve) {
    Run(&CPemroView::CmdEllipse2, "Ellipse2(1000,1000,0.2,0.1,0,255,0,0,0,0,255)");
    EXPECT_EQ(At(150, 166), kBlue); // (1, sin 1)
}

TEST_F(LineTest, Arc2DrawsTheSameArcForExchangedAngles) {
    Run(&CPemroView::CmdArc2, "Arc2(1.5,1,1,0.5,3,1,255,0,0)");
    EXPECT_DOUBLE_EQ(view->m_dArcStartAngle, 3);
    EXPECT_DOUBLE_EQ(view->m_dArcEndAngle, 1);
    const QImage first = image.copy();
    EXPECT_GT(Count(kRed), 50);
    Clear();
    Run(&CPemroView::CmdArc2, "Arc2(1.5,1,1,0.5,1,3,255,0,0)");
    EXPECT_TRUE(image == first);
}

TEST_F(LineTest, Floodfill3AndArc3WaitForAClickInTheFigure) {
    Run(&CPemroView::CmdFloodfill3, "Floodfill3(1,1,0.5,255,0,0,0,255,0)");
    Run(&CPemroView::CmdArc3, "Arc3(1,1,0.5,0,0.5,0,0,0,0.4,255,0,0)");
    EXPECT_TRUE(Blank());
    Press(200, 150);
    Run(&CPemroView::CmdArc3, "Arc3(1,1,0.5,0,0.5,0,0,0,0.4,255,0,0)");
    EXPECT_GT(Count(kRed), 20);
    EXPECT_DOUBLE_EQ(view->m_adCommandPoint3D[1], 0.5);
    Repaint(); // drawn on later passes too
    Run(&CPemroView::CmdFloodfill3, "Floodfill3(1,1,0.5,255,0,0,0,255,0)");
    EXPECT_GT(Count(kGreen), 1000);
}

TEST_F(LineTest, Ellipse3OutOfRangeLiesOnTheFloorUnderTheMouse) {
    view->m_adMousePoint3D[0] = 1, view->m_adMousePoint3D[1] = 1;
    Run(&CPemroView::CmdEllipse3, "Ellipse3(1000,1,0.5,4,4,255,0,0,0,0,255)");
    EXPECT_EQ(At(143, 263), kBlue); // (1, 1, 0)
}

TEST_F(LineTest, ParabolaOfAnUnknownFormDrawsNothing) {
    Run(&CPemroView::CmdParabola, "Parabola(2,0,0.5,0.25,1,1,1.4,1.96)");
    EXPECT_TRUE(Blank());
    Run(&CPemroView::CmdParabola, "Parabola(0,0,0.5,0.25,1,1,1.4,1.96)");
    EXPECT_GT(Count(kDefaultPen), 50);
    EXPECT_GT(CountIn(kDefaultPen, 147, 147, 154, 154), 0); // (1, 1) lies on y = x²
}

TEST_F(LineTest, Floodfill2FillsUpToThePenColour) {
    Run(&CPemroView::CmdPolygon, "Polygon(4,0.5,0.5,2.5,0.5,2.5,1.5,0.5,1.5,255,0,0,0,0,0)");
    Run(&CPemroView::CmdFloodfill2, "Floodfill2(1.5,1,255,0,0,0,0,255)");
    EXPECT_EQ(At(200, 150), kBlue);
    EXPECT_EQ(At(30, 30), kBlack);
}

// With no border around the seed the fill would cover the whole plot, its
// curves and buttons: it is taken back.
TEST_F(LineTest, Floodfill2ThatRunsOverThePlotIsTakenBack) {
    Run(&CPemroView::CmdFloodfill2, "Floodfill2(1.5,1,255,0,0,0,0,255)");
    EXPECT_EQ(Count(kBlue), 0);
}
