// The 3-D scene and the solids on a view with an in-memory surface: the
// projection it fixes, the refused degenerate boxes, the mean value and
// tangent-plane demonstrations, the double-integral value and the buttons
// that move cutting planes and change the mesh density once per click.
#include "test_support.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

using namespace test_support;

constexpr COLORREF kButtons = RGB(250, 250, 250);

class SolidSceneTest : public ViewSurfaceTest {
protected:
    void SetUp() override {
        MakeSurface(800, 600);
        CPemroView& v = *view;
        v.m_pTextSink = &text;
        SetUpSceneFigure(v);
        v.m_crCurveSetting = kButtons;
        v.m_nMeshDivX = v.m_nMeshDivY = 10;
        v.m_nSurfaceCoefEdit = 2, v.m_nPlotOrientation = 0;
        v.m_nDemoOption2 = 0, v.m_nSectionPlane = 0;
        v.m_nSurfaceUpper = 1, v.m_nSurfaceLower = 1;
        for (double& c : v.m_adCoefSurfF) c = 0;
        for (double& c : v.m_adCoefSurfG) c = 0;
        Box(0, 2, 0, 4, 0, 3);
        v.BeginPassClickState();
    }
    // The world box, which is also the plane region.
    void Box(double x0, double x1, double y0, double y1, double z0, double z1) {
        CPemroView& v = *view;
        v.m_dXMin = x0, v.m_dXMax = x1, v.m_dYMin = y0, v.m_dYMax = y1;
        v.m_dZMin = z0, v.m_dZMax = z1;
        v.m_dXSpan = x1 - x0, v.m_dYSpan = y1 - y0, v.m_dZSpan = z1 - z0;
        v.m_adRegionRect[0] = x0, v.m_adRegionRect[1] = x1;
        v.m_adRegionRect[2] = y0, v.m_adRegionRect[3] = y1;
    }
    void Frame() { view->DrawSurfaceScene(dc.get(), 1, 1, 3, 0, 0, 0, 0, "", "", ""); }
    // A later pass with no new press.
    void Repaint() { view->BeginPassClickState(); }
    // A press inside the button laid out at (x, y).
    void PressAt(int x, int y) { Press(x + 3, y + 3); }

    TextRecorder text;
};

TEST_F(SolidSceneTest, ProjectsKnownPointsToPixels) {
    Frame();
    const CPemroView& v = *view;
    EXPECT_DOUBLE_EQ(v.m_dObliqueFactor, 1.6);
    EXPECT_EQ(v.m_nInsetLeft, 500);
    EXPECT_EQ(v.m_nInsetBottom, 200);
    // X = 300 + trunc(100y - 80x), Y = 400 + trunc(50x - 100z) in this box.
    struct Case {
        double x, y, z;
        int px, py;
    } const cases[] = {
        {0, 0, 0, 300, 400},       {2, 0, 0, 140, 500},      {0, 4, 3, 700, 100},
        {1, 2, 1.5, 420, 300},     {0.5, 1, 0.25, 360, 400}, {2, 4, 0, 540, 500},
        {1.3, 0.3, 2.9, 226, 175}, // -74.00000000000001 and -225 truncate toward zero
    };
    for (const Case& c : cases) {
        int px = 0, py = 0;
        ASSERT_TRUE(v.ProjectPoint3D(c.x, c.y, c.z, &px, &py));
        EXPECT_EQ(px, c.px) << c.x << "," << c.y << "," << c.z;
        EXPECT_EQ(py, c.py) << c.x << "," << c.y << "," << c.z;
    }
}

TEST_F(SolidSceneTest, DegenerateBoxesRefuseTheFigure) {
    const double boxes[][6] = {{0, 2, 0, 4, 1, 1}, {0, 0, 0, 4, 0, 3}, {0, 2, 4, 4, 0, 3}};
    for (const auto& b : boxes) {
        Box(b[0], b[1], b[2], b[3], b[4], b[5]);
        Clear();
        view->DrawSurfaceScene(dc.get(), 0, 0, 0, b[0], b[1], b[2], b[3], "x", "y", "z");
        view->m_dCursorX = b[0], view->m_dCursorY = b[2];
        view->DrawDerivative2(dc.get());
        view->DrawMeanCalculus2(dc.get());
        EXPECT_TRUE(Blank());
        // The routines with buttons of their own end as well.
        view->DrawSolid(dc.get(), b[0], b[1], b[2], b[3]);
        view->m_dDemoVariant = 1.0;
        view->DrawSurf(dc.get());
    }
}

// z = 2 over a region of area 4: the mean plane z = 2 and "体积: " 8.000.
TEST_F(SolidSceneTest, MeanValueOfTheConstantSurface) {
    Box(-1, 1, -1, 1, 0, 3);
    view->m_adCoefSurfF[5] = 2;
    view->m_nSurfaceLower = 7;
    view->DrawMeanCalculus2(dc.get());
    const CPemroView& v = *view;
    EXPECT_NEAR(v.m_dDemoParam, 4.0, 1e-8);
    EXPECT_EQ(v.m_nSurfaceLower, 1);
    EXPECT_NEAR(v.m_adCoefSurfG[5], 2.0, 1e-12);
    EXPECT_EQ(v.m_nSideSurfaces, 2);
    EXPECT_EQ(v.m_bDrawInverted, 1);
    EXPECT_EQ(text.After(u8"体积: "), "8.000");
}

// z = x² + y² at (1, 1): the tangent plane becomes the lower surface.
TEST_F(SolidSceneTest, PartialDerivativesInstallTheTangentPlane) {
    Box(-2, 2, -2, 2, 0, 10);
    view->m_adCoefSurfF[0] = view->m_adCoefSurfF[2] = 1;
    view->m_dCursorX = 1, view->m_dCursorY = 1;
    view->DrawDerivative2(dc.get());
    const CPemroView& v = *view;
    EXPECT_EQ(v.m_nSurfaceLower, 1);
    EXPECT_EQ(v.m_nRegionType, 0);
    EXPECT_EQ(v.m_bProjectBase, 1);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(v.m_adCoefSurfG[i], 0.0);
    EXPECT_NEAR(v.m_adCoefSurfG[3], 2.001, 1e-9);
    EXPECT_NEAR(v.m_adCoefSurfG[4], 2.001, 1e-9);
    EXPECT_NEAR(v.m_adCoefSurfG[5], -2.002, 1e-9);
    // A point on the edge of the box draws the frame only and keeps the floor.
    view->m_dCursorX = -2;
    view->DrawDerivative2(dc.get());
    EXPECT_EQ(v.m_adCoefSurfG[5], 0.0);
}

TEST_F(SolidSceneTest, RegionIntegralValues) {
    // The cap 4 - x²/2 - y²/4 over [-1.5, 1.5]² above z = 0: by hand
    // 36 - 3.375 - 1.6875 = 30.9375.
    Box(-1.5, 1.5, -1.5, 1.5, 0, 5);
    view->m_adCoefSurfF[0] = -0.5, view->m_adCoefSurfF[2] = -0.25, view->m_adCoefSurfF[5] = 4;
    EXPECT_NEAR(view->ComputeRegionIntegral(50, 50, -1.5, 1.5, -1.5, 1.5, 1, 1, 2), 30.9375, 1e-9);
    // The base of a 3-D figure is its region rectangle inside the box: by
    // hand 16 - (2/3)·2/2 - (7/6)·2/4 = 14.75.
    view->m_bFigure3D = 1;
    const double rect[4] = {-1, 1, -0.5, 1.5};
    std::copy(rect, rect + 4, view->m_adRegionRect);
    EXPECT_NEAR(view->ComputeRegionIntegral(50, 50, -1.5, 1.5, -1.5, 1.5, 1, 1, 2), 14.75, 1e-9);
    view->m_bFigure3D = 0;
    // A rectangle of no width gives 0 at once.
    EXPECT_EQ(view->ComputeRegionIntegral(50, 50, 0, 0, -1.5, 1.5, 1, 1, 2), 0.0);
    // "calculus2" writes the volume on 200 x 200 cells at its space point.
    std::strcpy(view->m_szCommandLine, "calculus2(2,0,0,0,3)");
    view->Cmdcalculus2(dc.get());
    EXPECT_EQ(text.After(u8"立体的体积: "), "30.9375");
    // The disc x² + y² <= 4 (implicit form 1) in the box [-2.5, 2.5]²:
    // area 4π, ∫∫ cap = 13π, the cap's area 18.457048258844857 (mpmath quad
    // in polar coordinates of sqrt(1 + x² + y²/4)).
    Box(-2.5, 2.5, -2.5, 2.5, 0, 5);
    view->m_adCoefSurfF[0] = -0.5, view->m_adCoefSurfF[2] = -0.25, view->m_adCoefSurfF[5] = 4;
    view->m_nRegionType = 3, view->m_nFuncF = 1, view->m_dImplicitC = 4;
    const double disc[4] = {4 * M_PI, 13 * M_PI, 13 * M_PI, 18.457048258844857};
    for (int kind = 0; kind < 4; ++kind)
        EXPECT_NEAR(view->ComputeRegionIntegral(200, 200, -2.5, 2.5, -2.5, 2.5, 1, 1, kind),
                    disc[kind], 1e-7)
            << kind;
    // A kept value never outlives its inputs: the disc of radius 1, π.
    view->m_dImplicitC = 1;
    EXPECT_NEAR(view->ComputeRegionIntegral(200, 200, -2.5, 2.5, -2.5, 2.5, 1, 1, 0), M_PI, 1e-7);
    view->m_nRegionType = 0;
}

TEST_F(SolidSceneTest, CuttingPlanesMoveBySpanOverTwentyOncePerClick) {
    view->m_nSectionPlane = 1;
    view->m_dDirM = 1, view->m_dDirN = 2;
    view->DrawSolid(dc.get(), 0, 2, 0, 4);
    const int R = view->m_nFigureRight + 2, T = view->m_nFigureTop;
    struct Step {
        int y;
        bool press;
        double dirM;
    } const steps[] = {
        {T + 10, true, 1.1},                       // 前移: x span 2 / 20
        {T + 10, false, 1.1},                      // a repaint repeats nothing
        {T + 10, true, 1.2},  {T + 34, true, 1.1}, // 后移
        {T + 34, false, 1.1},
    };
    for (const Step& s : steps) {
        if (s.press)
            PressAt(R, s.y);
        else
            Repaint();
        view->DrawSolid(dc.get(), 0, 2, 0, 4);
        EXPECT_NEAR(view->m_dDirM, s.dirM, 1e-12);
    }
    // The plane y = c: 左移 and 右移 by 4 / 20.
    view->m_nSectionPlane = 2;
    PressAt(R, T + 10);
    view->DrawSolid(dc.get(), 0, 2, 0, 4);
    EXPECT_NEAR(view->m_dDirN, 1.8, 1e-12);
    Repaint();
    view->DrawSolid(dc.get(), 0, 2, 0, 4);
    PressAt(R, T + 34);
    view->DrawSolid(dc.get(), 0, 2, 0, 4);
    EXPECT_NEAR(view->m_dDirN, 2.0, 1e-12);
    // The plane z = c of the scene: 上移 and 下移 by 3 / 20.
    view->m_nSectionPlane = 0, view->m_bCutZc = 1, view->m_dDirP = 1;
    PressAt(view->m_nFigureRight + 4, T);
    view->DrawSurfaceScene(dc.get(), 0, 0, 0, 0, 2, 0, 4, "x", "y", "z");
    EXPECT_NEAR(view->m_dDirP, 1.15, 1e-12);
    Repaint();
    view->DrawSurfaceScene(dc.get(), 0, 0, 0, 0, 2, 0, 4, "x", "y", "z");
    EXPECT_NEAR(view->m_dDirP, 1.15, 1e-12);
}

TEST_F(SolidSceneTest, PlaneChoiceButtonsPutThePlaneInTheMiddle) {
    view->DrawSolid(dc.get(), 0, 2, 0, 4);
    const int R = view->m_nFigureRight + 2, T = view->m_nFigureTop;
    PressAt(R, T + 82); // 按y型
    view->DrawSolid(dc.get(), 0, 2, 0, 4);
    EXPECT_EQ(view->m_nSectionPlane, 2);
    EXPECT_EQ(view->m_dDirN, 2.0);
    PressAt(R, T + 106); // 按z型
    view->DrawSolid(dc.get(), 0, 2, 0, 4);
    EXPECT_EQ(view->m_nSectionPlane, 0);
    EXPECT_EQ(view->m_bCutZc, 1);
    EXPECT_EQ(view->m_dDirP, 1.5);
}

TEST_F(SolidSceneTest, MeshDensityButtonsActOncePerClickAndAreCapped) {
    const int L = 100, T = 100, ch = 18;
    const auto more = [&] {
        PressAt(L - ch / 2 - 10, T);
        Frame();
    };
    more();
    EXPECT_EQ(view->m_nMeshDivX, 15);
    Repaint();
    Frame();
    EXPECT_EQ(view->m_nMeshDivX, 15);
    for (int i = 0; i < 30; ++i) more();
    EXPECT_EQ(view->m_nMeshDivX, 200);
    // 减少 down to the floor of 5; the other direction is untouched.
    for (int i = 0; i < 30; ++i) {
        PressAt(L - ch / 2 + 30, T);
        Frame();
    }
    EXPECT_EQ(view->m_nMeshDivX, 5);
    EXPECT_EQ(view->m_nMeshDivY, 10);
}

} // namespace

// The two-part quadrics (375: the ellipsoid, 377: the hyperboloid) run the
// x axis out of the solid again; its name is written once, at its tip.
TEST(SolidScenePages, TheXAxisOfATwoPartSurfaceIsNamedOnce) {
    InRunDir runDir;
    for (const char* topic : {"375", "377"}) {
        TextRecorder text;
        auto v = OpenTopic(topic, &text);
        text.pieces.clear(), text.frames.clear();
        v->Invalidate();
        RenderUntilDrawn(*v);
        ASSERT_FALSE(text.frames.empty()) << topic;
        const CRect figure = text.frames.front();
        int names = 0;
        for (const TextRecorder::Piece& p : text.pieces)
            names += p.text == "x" && figure.PtInRect(CPoint(p.x, p.y));
        EXPECT_EQ(names, 2) << topic << ": the scene's axis and the inset's";
    }
}
