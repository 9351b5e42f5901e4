// Vector, plane, chord and polygon commands of the figure annotations: the
// geometry they draw, the values they write and what their buttons change
// (once per click).
#include "test_annotation_fixture.h"

#include <cmath>
#include <string>
#include <vector>

using namespace annotation_test;

namespace {

class FigureTest : public AnnotationTest {
protected:
    // A symmetric world [−1, 1]³ for the saddle test at the origin.
    void SymmetricWorld() {
        CPemroView& v = *view;
        v.m_dXMin = v.m_dYMin = v.m_dZMin = -1;
        v.m_dXMax = v.m_dYMax = v.m_dZMax = 1;
        v.m_dXSpan = v.m_dYSpan = v.m_dZSpan = 2;
    }
    // Room for a figure of 10 lines below the page top (for the set-ups).
    void PageLayout() {
        CPemroView& v = *view;
        v.m_nNextLineY = 0, v.m_dLineSpacing = 0, v.m_nTextRevealMode = 0, v.m_nRecordIndex = 0;
    }
};

} // namespace

// --- Vectors and points ------------------------------------------------------------

TEST_F(FigureTest, DotsOfRadiusRAtTheirPoints) {
    Run(&CPemroView::CmdDots, "Dots(3,0,255,0,0)");
    EXPECT_TRUE(Blank());
    Run(&CPemroView::CmdDots, "Dots(3,2,255,0,0,1,1,2,1)");
    EXPECT_EQ(At(150, 150), kRed);
    EXPECT_EQ(At(250, 150), kRed);
    EXPECT_EQ(At(200, 150), kBlack);
}

TEST_F(FigureTest, VectorAndDotVectorRunFromTheFirstPoint) {
    Run(&CPemroView::CmdVector2, "Vector2(1,255,0,0,0.5,0.5,2.5,0.5)");
    EXPECT_EQ(At(200, 200), kRed);
    Clear();
    Run(&CPemroView::CmdDotVector, "DotVector(1,0,255,0,0.5,1,2.5,1)");
    EXPECT_EQ(At(100, 150), kGreen); // the dot at the start
    EXPECT_EQ(At(200, 150), kGreen);
}

TEST_F(FigureTest, TangentVectorWithANegativeLengthPointsBack) {
    Run(&CPemroView::CmdTangentVector, "TangentVector(1.5,-1,255,0,0)");
    EXPECT_GT(CountIn(kRed, 0, 0, 199, 300), 10);
    EXPECT_EQ(CountIn(kRed, 203, 0, 400, 300), 0);
}

TEST_F(FigureTest, TangentVectorOutOfRangeStartsAtTheCursor) {
    Run(&CPemroView::CmdTangentVector, "TangentVector(-5,1,255,0,0)");
    EXPECT_EQ(At(150, 166), kRed); // (1, sin 1)
    EXPECT_EQ(CountIn(kRed, 0, 0, 148, 300), 0);
}

TEST_F(FigureTest, FreeVectorWithoutALengthShowsOnlyA) {
    // Cursor (1, 0.5) = pixel (150, 200); a = (1, 0); p straight above.
    Run(&CPemroView::CmdFreeVector2, "FreeVector2(1,0,-1,1,1.5,1,255,0,0)");
    EXPECT_EQ(At(200, 200), kRed);
    EXPECT_EQ(CountIn(kRed, 140, 100, 160, 185), 0);
    EXPECT_DOUBLE_EQ(view->m_adCommandPoint3D[0], 1);
    EXPECT_EQ(view->m_nPlotOption1, 1);
    Clear();
    Run(&CPemroView::CmdFreeVector2, "FreeVector2(1,0,1,1,1.5,0,255,0,0)");
    EXPECT_GT(CountIn(kRed, 145, 110, 155, 185), 50); // b toward p
    EXPECT_EQ(At(200, 150), kBlack);
    Run(&CPemroView::CmdFreeVector2, "FreeVector2(1,0,1,1,1.5,1,255,0,0)");
    EXPECT_GT(CountIn(kRed, 198, 148, 203, 153), 0); // a + b ends at (2, 1.5)
}

TEST_F(FigureTest, FreeVectorIsStoredEvenWhilePlaneCommandsAreOff) {
    view->m_bPlaneCmdsEnabled = 0;
    Run(&CPemroView::CmdFreeVector2, "FreeVector2(0.25,0.75,1,1,1.5,1,255,0,0)");
    EXPECT_TRUE(Blank());
    EXPECT_DOUBLE_EQ(view->m_adCommandPoint3D[1], 0.75);
}

TEST_F(FigureTest, FreeVectorTowardTheCursorItselfStaysFinite) {
    Run(&CPemroView::CmdFreeVector2, "FreeVector2(1,0,1,1,0.5,1,255,0,0)");
    EXPECT_EQ(At(200, 200), kRed);
}

TEST_F(FigureTest, BoundaryVectorSetsTheRegionAndSkipsAnOutsideCentre) {
    view->m_dIntervalA = 0.5, view->m_dIntervalB = 2.5;
    Run(&CPemroView::CmdBoundaryVector, "BoundaryVector(0,4,0,1,2,0,0.2,1,0,6.28,255,0,0)");
    EXPECT_TRUE(Blank());
    EXPECT_TRUE(view->m_bFigure3D);
    EXPECT_EQ(view->m_nFuncF, 1);
    EXPECT_EQ(view->m_nFuncLeft, 2);
    EXPECT_DOUBLE_EQ(view->m_adRegionRect[0], 0.5);
    EXPECT_DOUBLE_EQ(view->m_adRegionRect[3], 2);
}

TEST_F(FigureTest, BoundaryPointIsTheLastRegionPointOnTheRay) {
    view->m_dIntervalA = 0.5, view->m_dIntervalB = 2.5;
    Run(&CPemroView::CmdBoundaryVector, "BoundaryVector(0,4,0,1,2,0,1.5,1,0,6.28,255,0,0)");
    EXPECT_GT(CountIn(kRed, 285, 50, 305, 250), 0); // arrows along x = 2.5
    double x, y;
    view->BoundaryPointOnRay(1.5, 1, 0, &x, &y);
    EXPECT_LT(x, 2.5);
    EXPECT_GE(x, 2.5 - 1e-4);
    EXPECT_DOUBLE_EQ(y, 1);
    view->BoundaryPointOnRay(1.5, 1, 3.14159265358979 / 2, &x, &y);
    EXPECT_LT(y, 2);
    EXPECT_GE(y, 2 - 1e-4);
}

TEST_F(FigureTest, InnerPointButtonsScaleTheRadiusOncePerClick) {
    PressButton(350, 12, 20); // "半径增"
    Run(&CPemroView::CmdInnerPoint, "InnerPoint(0,0.05,255,0,0,0,0,255)");
    EXPECT_DOUBLE_EQ(view->m_dStepH, 0.125);
    EXPECT_EQ(view->m_nDemoOption, 1);
    Repaint();
    Run(&CPemroView::CmdInnerPoint, "InnerPoint(0,0.05,255,0,0,0,0,255)");
    EXPECT_DOUBLE_EQ(view->m_dStepH, 0.125);
    PressButton(350, 60, 20); // "取消"
    Run(&CPemroView::CmdInnerPoint, "InnerPoint(0,0.05,255,0,0,0,0,255)");
    EXPECT_EQ(view->m_nDemoOption, 0);
}

TEST_F(FigureTest, InnerPointInModeOneShrinksToTheCurvesAndWalls) {
    view->m_dCursorX = 1.5, view->m_dCursorY = 0.5;
    view->m_nFuncUpper = 3;  // sin: nearest at 0.2367 of the spans
    view->m_nFuncLower = -1; // g = 0: a quarter of the y span below
    view->m_dIntervalA = 0, view->m_dIntervalB = 3;
    const double r = view->InnerPointRadius(1.0);
    EXPECT_LE(r, 0.249);
    EXPECT_GT(r, 0.1);
    EXPECT_LE(view->InnerPointRadius(0.05), 0.05);
}

// --- Planes, boxes and the saddle test -------------------------------------------------

TEST_F(FigureTest, SaddleValueOfXSquaredMinusYSquaredIsFour) {
    SymmetricWorld();
    view->m_nSurfaceEvalMode = 0, view->m_nSurfaceUpper = 1;
    const double q[6] = {1, 0, -1, 0, 0, 0};
    for (int i = 0; i < 6; ++i) view->m_adCoefSurfF[i] = q[i];
    Run(&CPemroView::CmdB2_AC, "B^2_AC(0,0,0,0,0)");
    EXPECT_TRUE(text.Saw("B^2-AC="));
    EXPECT_TRUE(text.Saw("4.0000"));
}

TEST_F(FigureTest, SaddleTestOnTheRangeEdgeWritesNothing) {
    SymmetricWorld();
    Run(&CPemroView::CmdB2_AC, "B^2_AC(1,0,0,0,0)");
    EXPECT_TRUE(text.pieces.empty());
}

TEST_F(FigureTest, BoxLineWithAStillDirectionHasLengthZero) {
    Run(&CPemroView::CmdBoxLine, "BoxLine(1,0.5,0.5,2.5,1.5,1,1,1,1,255,0,0,0,255,0)");
    EXPECT_TRUE(text.Saw("0.0000"));
    EXPECT_EQ(At(100, 150), kGreen); // the side x = 0.5 in the fill colour
}

TEST_F(FigureTest, BoxLineChordAcrossTheRectangle) {
    // Horizontal through (1, 1): from x = 0.503 to 2.497 (margins 0.001·3).
    Run(&CPemroView::CmdBoxLine, "BoxLine(0,0.5,0.5,2.5,1.5,1,1,2,1,255,0,0,0,255,0)");
    EXPECT_EQ(At(200, 150), kRed);
    EXPECT_EQ(At(100, 120), kBlack); // no sides for kind 0
    EXPECT_TRUE(text.Saw("1.99"));
}

TEST_F(FigureTest, BoxLineWithoutAUsablePointDrawsNothing) {
    view->m_dCursorX = 5, view->m_dCursorY = 5;
    Run(&CPemroView::CmdBoxLine, "BoxLine(1,0.5,0.5,2.5,1.5,1,1,1000,1000,255,0,0,0,255,0)");
    EXPECT_TRUE(Blank());
}

TEST_F(FigureTest, PlaneCopiesTheFirstPlaneInModesZeroAndOne) {
    PageLayout();
    double* f = view->m_adCoefSurfF;
    const double start[6] = {1, 2, 3, 7, 8, 9};
    for (int i = 0; i < 6; ++i) f[i] = start[i];
    Run(&CPemroView::CmdPLANE, "PLANE(1,2,30,10,1,0,0,-1,1,-1,1,-1,1,0,0)");
    ASSERT_TRUE(view->m_bFigureVisible);
    EXPECT_EQ(view->m_nSurfaceUpper, 30);
    EXPECT_EQ(view->m_nSurfaceLower, 30);
    EXPECT_TRUE(view->m_bDrawInverted);
    for (int i = 0; i < 3; ++i) {
        EXPECT_DOUBLE_EQ(f[3 + i], start[i]);
        EXPECT_DOUBLE_EQ(view->m_adCoefSurfG[3 + i], start[i]);
    }
}

TEST_F(FigureTest, PlaneKeepsTheSecondPlaneInModeTwo) {
    PageLayout();
    double* f = view->m_adCoefSurfF;
    const double start[6] = {1, 2, 3, 7, 8, 9};
    for (int i = 0; i < 6; ++i) f[i] = start[i];
    Run(&CPemroView::CmdPLANE, "PLANE(1,2,30,10,1,0,0,-1,1,-1,1,-1,1,2,0)");
    for (int i = 0; i < 3; ++i) {
        EXPECT_DOUBLE_EQ(f[3 + i], start[3 + i]);
        EXPECT_DOUBLE_EQ(view->m_adCoefSurfG[3 + i], start[3 + i]);
    }
    // The lower surface is that plane: z = 7x + 8y + 9.
    view->m_nSurfaceEvalMode = 0;
    EXPECT_DOUBLE_EQ(view->EvalSurfaceG(1, 1, 30), 24);
}

TEST_F(FigureTest, CubeWaitsForAFullRepaintOrAClick) {
    view->m_bFullRepaint = 0;
    Run(&CPemroView::CmdCube, "Cube(0.5,0.5,0.2,1.5,1.5,0.8,255,0,0)");
    EXPECT_TRUE(Blank());
    view->m_bFullRepaint = 1;
    Run(&CPemroView::CmdCube, "Cube(0.5,0.5,0.2,1.5,1.5,0.8,255,0,0)");
    EXPECT_GT(Count(kRed), 200);
}

// A flat box is its rectangle in every style: the further edges repeat its
// sides or shrink to a corner (drawn as a dot of two pixels at most).
TEST_F(FigureTest, FlatCubeIsTheSameRectangleForEveryStyle) {
    view->DrawCube(dc.get(), 0, 0.5, 0.5, 0.5, 1.5, 1.5, 0.5, kRed);
    const QImage first = image.copy();
    const int outline = Count(kRed);
    EXPECT_GT(outline, 50);
    for (int style : {1, 2, 3, -4, 9}) {
        Clear();
        view->DrawCube(dc.get(), style, 0.5, 0.5, 0.5, 1.5, 1.5, 0.5, kRed);
        int lost = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                lost += first.pixel(x, y) != image.pixel(x, y) && At(x, y) != kRed;
        EXPECT_EQ(lost, 0) << style;
        EXPECT_LE(Count(kRed) - outline, 8) << style;
    }
}

TEST_F(FigureTest, BoxesStayUnturnedWhileTextsTurnWithTheScene) {
    view->DrawCube(dc.get(), 3, 0.5, 0.5, 0.2, 1.5, 1.5, 0.8, kRed);
    const QImage straight = image.copy();
    Clear();
    view->m_dRotationAngle = 0.7;
    view->DrawCube(dc.get(), 3, 0.5, 0.5, 0.2, 1.5, 1.5, 0.8, kRed);
    EXPECT_TRUE(image == straight);
    EXPECT_DOUBLE_EQ(view->m_dRotationAngle, 0.7);
    // (2.5, 1, 0.5) turned about the centre (1.5, 1) by 0.7 becomes
    // (2.265, 1.644, 0.5): pixel (167, 231) instead of (133, 234).
    Clear();
    view->DrawText3D(dc.get(), 2.5, 1, 0.5, "A", kGreen);
    EXPECT_EQ(CountIn(kGreen, 125, 0, 160, 300), 0);
    EXPECT_GT(CountIn(kGreen, 165, 225, 185, 250), 0);
}

TEST_F(FigureTest, NoTextOrBoxFarOffScreen) {
    view->m_nGraphTop = -1000, view->m_nGraphBottom = -200; // 200 pixels above the window
    view->DrawCube(dc.get(), 3, 0.5, 0.5, 0.2, 1.5, 1.5, 0.8, kRed);
    view->DrawText3D(dc.get(), 1, 1, 0.5, "A", kGreen);
    EXPECT_TRUE(Blank());
}

// --- Differentiation, curvature and chord ------------------------------------------------

TEST_F(FigureTest, ChordLengthButtonsScaleOncePerClick) {
    PressButton(350, 12, 20); // "弦长增"
    Run(&CPemroView::CmdChord, "Chord(1000,0.5,255,0,0,0,255,0)");
    EXPECT_DOUBLE_EQ(view->m_dStepH, 0.125);
    Repaint();
    Run(&CPemroView::CmdChord, "Chord(1000,0.5,255,0,0,0,255,0)");
    EXPECT_DOUBLE_EQ(view->m_dStepH, 0.125);
    PressButton(350, 12, 20);
    Run(&CPemroView::CmdChord, "Chord(1000,0.5,255,0,0,0,255,0)");
    EXPECT_DOUBLE_EQ(view->m_dStepH, 0.15625);
    PressButton(350, 36, 20); // "弦长减"
    Run(&CPemroView::CmdChord, "Chord(1000,0.5,255,0,0,0,255,0)");
    EXPECT_DOUBLE_EQ(view->m_dStepH, 0.125);
}

TEST_F(FigureTest, ChordWithHalfSplitIsCentredOnX0) {
    // L = 0.3: A = (1.35, sin 1.35) at pixel (185, 153), B = (1.65, sin 1.65)
    // at (215, 151).
    Run(&CPemroView::CmdChord, "Chord(1.5,0.5,255,0,0,0,255,0)");
    EXPECT_DOUBLE_EQ(view->m_dX0, 1.5);
    EXPECT_EQ(At(185, 153), kGreen);
    EXPECT_EQ(At(215, 151), kGreen);
}

TEST_F(FigureTest, ChordSplitMarkLiesOnTheChord) {
    // L = 3, t = 1/4: A = (0.75, sin 0.75), B = (3.75, sin 3.75); the chord
    // passes x = 1.5 at y = 0.368, pixel (200, 214).
    view->m_dStepH = 1;
    Run(&CPemroView::CmdChord, "Chord(1.5,0.25,255,0,0,0,255,0)");
    EXPECT_EQ(At(200, 214), kRed); // the mark is filled with the pen colour
}

TEST_F(FigureTest, ChordOfANonExplicitCurveShowsOnlyItsButtons) {
    view->m_nPlotMode = 1;
    Run(&CPemroView::CmdChord, "Chord(1.5,0.5,255,0,0,0,255,0)");
    EXPECT_EQ(Count(kRed), 0);
    EXPECT_EQ(Count(kGreen), 0);
    EXPECT_GT(Count(kButtons), 0);
}

TEST_F(FigureTest, DifferentiationQuotientAndSign) {
    view->m_nDeltaXSign = 0;
    Run(&CPemroView::CmdDifferentiation, "Differentiation(1,1,1)");
    EXPECT_EQ(view->m_nDeltaXSign, 1);
    EXPECT_DOUBLE_EQ(view->m_dX0, 1);
    EXPECT_DOUBLE_EQ(view->m_dY0, std::sin(1.0));
    // ((sin 1.3 − sin 1) − 0.3·d)/0.3 with d the forward difference at 1.
    EXPECT_TRUE(text.Saw("-0.1333")); // after the label "(△y-dy)/△x="
}

TEST_F(FigureTest, DifferentiationWithoutTheDifferentialWritesNoQuotient) {
    Run(&CPemroView::CmdDifferentiation, "Differentiation(1000,1,0)");
    EXPECT_DOUBLE_EQ(view->m_dX0, 1);     // the cursor
    for (const auto& piece : text.pieces) // no quotient: no number written
        EXPECT_EQ(piece.text.find_first_of("0123456789"), std::string::npos) << piece.text;
    PressButton(350, 84, 20); // "△x负"
    Run(&CPemroView::CmdDifferentiation, "Differentiation(1000,1,0)");
    EXPECT_EQ(view->m_nDeltaXSign, -1);
}

TEST_F(FigureTest, CurvatureArcStopsAtTheRightEdge) {
    view->m_dStepH = 1; // an arc of length 3 does not fit
    Run(&CPemroView::CmdCurvature, "Curvature(0,2.95,255,0,0,0,255,0)");
    // The arc runs from x = 2.95 (pixel 345) to the edge x = 3 (pixel 350).
    EXPECT_GT(CountIn(kGreen, 343, 225, 351, 240), 3);
    EXPECT_EQ(CountIn(kGreen, 351, 0, 400, 300), 0);
    EXPECT_EQ(CountIn(kGreen, 0, 0, 343, 300), 0);
    EXPECT_GT(Count(kRed), 50); // the tangent at x0
}

TEST_F(FigureTest, CurvatureArcFromTheCursorHasTheAskedLength) {
    view->m_dStepH = 0.01; // Δs = 0.03 along sin from x = 1 ends at 1.02652
    Run(&CPemroView::CmdCurvature, "Curvature(0,1000,255,0,0,0,255,0)");
    EXPECT_NEAR(view->m_dX0, 1.02652, 2e-4); // the far end stays for the next paint
}

TEST_F(FigureTest, CurvatureCircleAtTheCursor) {
    Run(&CPemroView::CmdCurvature, "Curvature(1,0,255,0,0,0,255,0)");
    EXPECT_GT(Count(kRed), 20);             // the osculating circle
    EXPECT_GT(Count(kSecondDerivative), 0); // the point M
    EXPECT_GT(Count(kFirstDerivative), 50); // tangent and normal
}

// --- Polygons, rectangles and rows ---------------------------------------------------------

TEST_F(FigureTest, PolygonIsFilledInside) {
    Run(&CPemroView::CmdPolygon, "Polygon(4,0.5,0.5,2.5,0.5,2.5,1.5,0.5,1.5,255,0,0,0,255,0)");
    EXPECT_EQ(At(200, 150), kGreen);
    EXPECT_EQ(At(100, 150), kRed);
    EXPECT_EQ(At(30, 30), kBlack);
    EXPECT_DOUBLE_EQ(view->m_adPointX[2], 2.5);
}

TEST_F(FigureTest, PolygonOfTooManyVerticesKeepsTwentyAndReadsItsColours) {
    std::string line = "Polygon(25";
    for (int i = 0; i < 25; ++i) line += i % 2 ? ",0.5,0.5" : ",1,1";
    Run(&CPemroView::CmdPolygon, line + ",255,0,0,0,255,0)");
    EXPECT_EQ(view->m_crPen, kRed);
    EXPECT_EQ(view->m_crFill, kGreen);
    EXPECT_DOUBLE_EQ(view->m_adPointX[19], 0.5);
}

TEST_F(FigureTest, PolygonWithoutVerticesDrawsNothing) {
    Run(&CPemroView::CmdPolygon, "Polygon(0,255,0,0,0,255,0)");
    Run(&CPemroView::CmdPolygon, "Polygon(-3,255,0,0,0,255,0)");
    EXPECT_TRUE(Blank());
}

TEST_F(FigureTest, Polygon3LineIsNotAPlanePolygon) {
    Run(&CPemroView::CmdPolygon, "Polygon3(3,0.5,0.5,0.5,1.5,0.5,0.5,1,1.5,0.5,255,0,0,0,255,0)");
    EXPECT_TRUE(Blank());
    Run(&CPemroView::CmdPolygon3, "Polygon3(3,0.5,0.5,0.5,1.5,0.5,0.5,1,1.5,0.5,255,0,0,0,255,0)");
    EXPECT_GT(Count(kRed), 50);
    EXPECT_DOUBLE_EQ(view->m_adPointZ[2], 0.5);
}

TEST_F(FigureTest, DotRowCoversTheRangeWithoutItsEnd) {
    CPemroView& v = *view; // [0, 4]: 75 pixels a unit
    v.m_dXMax = 4, v.m_dXSpan = 4;
    Run(&CPemroView::Cmddots, "dots(3,0,2,4,0,4,255,0,0,0,255,0)");
    EXPECT_DOUBLE_EQ(v.m_dIntervalA, 0);
    EXPECT_DOUBLE_EQ(v.m_dIntervalB, 4);
    EXPECT_EQ(At(125, 166), kGreen); // sin 1
    EXPECT_EQ(At(200, 160), kGreen); // sin 2
    EXPECT_EQ(At(275, 236), kGreen); // sin 3
    EXPECT_EQ(CountIn(kGreen, 340, 0, 400, 300), 0);
}

TEST_F(FigureTest, PrintWritesMirroredValuesInTheDefaultPen) {
    Run(&CPemroView::CmdPrint, "Print(3,3,1)");
    std::vector<TextRecorder::Piece> values;
    for (const auto& p : text.pieces)
        if (!p.text.empty()) values.push_back(p);
    ASSERT_EQ(values.size(), 3u);
    EXPECT_EQ(values[0].text, "0.14112"); // F(3) written at x = 0
    EXPECT_EQ(values[1].text, "0.90930");
    EXPECT_EQ(values[2].text, "0.84147");
    EXPECT_EQ(values[0].colour, kDefaultPen);
    EXPECT_LT(values[0].x, values[1].x);
}

TEST_F(FigureTest, RectangularOfOneColourIsSolid) {
    Run(&CPemroView::CmdRectangular, "Rectangular(0.5,0.5,2.5,1.5,255,0,0,255,0,0)");
    EXPECT_EQ(CountIn(kRed, 105, 105, 295, 195), 190 * 90);
    EXPECT_EQ(At(30, 30), kBlack);
}
