// The curve plotters and the parabola: pixels on an in-memory surface for
// jumps, inverse mirroring, implicit traces, polar curves, the visibility
// gate and bad intervals.
#include "test_support.h"

#include <cmath>
#include <limits>

namespace {

using namespace test_support;

constexpr COLORREF kCurve = RGB(255, 255, 0);

class CatalogPlotTest : public FigureSurfaceTest {
protected:
    void SetUp() override {
        FigureSurfaceTest::SetUp();
        CPemroView& v = *view;
        SetWorld(-3, 3, -2, 2);
        v.m_crCurveSetting = kCurve;
        v.m_nCombineMode = 0, v.m_bFuncFPeriodic = 0, v.m_nFuncFSymmetry = 2;
        v.m_nPlotMode = 0, v.m_bPlotInverse = 0, v.m_nPlotOption1 = 0, v.m_nPlotOption2 = 0;
        v.m_dParamStep = 0.1;
        for (double& c : v.m_adCoefF) c = 0;
        for (double& c : v.m_adCoefG) c = 0;
        // 3-D projection for the parabola on the floor of a 3-D figure.
        v.m_nProjScaleY = 50, v.m_nProjScaleZ = 50;
        v.m_nProjOriginX = 200, v.m_nProjOriginY = 150;
    }

    int PxX(double x) const {
        return int(view->m_nPlotLeft + (x - view->m_dXMin) / view->m_dXSpan * view->m_nPlotWidth);
    }
    int PxY(double y) const {
        return int(view->m_nPlotBottom -
                   (y - view->m_dYMin) / view->m_dYSpan * view->m_nPlotHeight);
    }
    // Whether a pixel of the colour lies within r pixels of the world point.
    bool LitNear(double x, double y, COLORREF c = kRed, int r = 2) const {
        const int px = PxX(x), py = PxY(y);
        for (int dy = -r; dy <= r; ++dy)
            for (int dx = -r; dx <= r; ++dx)
                if (At(px + dx, py + dy) == c) return true;
        return false;
    }
};

} // namespace

TEST_F(CatalogPlotTest, StepsOfFloorAreNotJoined) {
    SetWorld(-3, 3, -4, 4); // a jump of 1 exceeds 8/20
    view->m_nFuncF = 26;
    view->PlotCurve(dc.get(), -3, 3, kRed);
    EXPECT_TRUE(LitNear(0.5, 0.0));
    EXPECT_TRUE(LitNear(1.5, 1.0));
    EXPECT_TRUE(LitNear(-0.5, -1.0));
    // Nothing between the steps at x = 1.
    for (int py = PxY(0.8); py <= PxY(0.2); ++py)
        for (int px = PxX(1.0) - 2; px <= PxX(1.0) + 2; ++px)
            EXPECT_EQ(kBlack, At(px, py)) << px << "," << py;
}

TEST_F(CatalogPlotTest, InverseMirrorsInTheDiagonal) {
    SetWorld(0, 5, 0, 5);
    view->m_nFuncF = 1; // α^(ax² + bx + c) = e^x
    view->m_adCoefF[1] = 1;
    view->m_dAlphaF = M_E;
    view->m_bPlotInverse = 1;
    view->PlotCurve(dc.get(), -3, 1.6, kRed);
    EXPECT_TRUE(LitNear(M_E, 1.0));           // ln e = 1
    EXPECT_TRUE(LitNear(std::exp(1.5), 1.5)); // ln e^1.5
    EXPECT_FALSE(LitNear(1.0, M_E));          // the graph of e^x itself
}

TEST_F(CatalogPlotTest, ParametricCircle) {
    view->m_nPlotMode = 1;
    view->m_nFuncF = 1;
    view->m_adCoefF[0] = 1, view->m_adCoefF[1] = 1; // x = cos t, y = sin t
    view->PlotCurve(dc.get(), 0, 2 * M_PI, kRed);
    EXPECT_TRUE(LitNear(1, 0));
    EXPECT_TRUE(LitNear(0, 1));
    EXPECT_TRUE(LitNear(-1, 0));
    EXPECT_FALSE(LitNear(0, 0));
}

TEST_F(CatalogPlotTest, ImplicitLineIsTracedWithoutSeedLines) {
    SetWorld(-2, 2, -2, 2);
    view->m_nPlotMode = 2;
    view->m_nRegionType = 3;
    view->m_nFuncF = 8;
    // 0.5x - y + 1 = 0.
    view->m_adCoefF[3] = 0.5, view->m_adCoefF[4] = -1, view->m_adCoefF[5] = 1;
    view->PlotCurve(dc.get(), 0, 0, kRed);
    EXPECT_TRUE(LitNear(0.0, 1.0));
    EXPECT_TRUE(LitNear(1.0, 1.5));
    EXPECT_TRUE(LitNear(-1.5, 0.25));
    // No segment joins a seed of the grid to the line.
    EXPECT_FALSE(LitNear(0.0, -1.0));
    EXPECT_FALSE(LitNear(-1.2, -1.5));
}

TEST_F(CatalogPlotTest, ImplicitCircleHasBothHalves) {
    SetWorld(-2, 2, -2, 2);
    view->m_nPlotMode = 2;
    view->m_nRegionType = 3;
    view->m_nFuncF = 1;
    view->m_dImplicitC = 1.0; // x² + y² = 1
    view->PlotCurve(dc.get(), 0, 0, kRed);
    // Seeds of one column that reach the same branch draw it once; every
    // branch still shows.
    EXPECT_TRUE(LitNear(0.0, 1.0));
    EXPECT_TRUE(LitNear(0.0, -1.0));
    EXPECT_TRUE(LitNear(0.6, 0.8));
    EXPECT_TRUE(LitNear(0.6, -0.8));
    EXPECT_TRUE(LitNear(-0.8, 0.6));
    EXPECT_TRUE(LitNear(-0.8, -0.6));
    EXPECT_FALSE(LitNear(0.0, 0.0));
}

TEST_F(CatalogPlotTest, ImplicitWithoutZeroDrawsNothing) {
    view->m_nPlotMode = 2;
    view->m_nRegionType = 3;
    view->m_nFuncF = 1;
    view->m_dImplicitC = -1.0;
    view->PlotCurve(dc.get(), -3, 3, kRed);
    EXPECT_TRUE(Blank());
}

TEST_F(CatalogPlotTest, ByKindIgnoresTheOrderOfTheEnds) {
    view->PlotCurveByKind(dc.get(), 3, 0, 2, -2, kRed);
    const QImage first = image.copy();
    image.fill(Qt::black);
    view->PlotCurveByKind(dc.get(), 3, 0, -2, 2, kRed);
    EXPECT_TRUE(first == image);
    EXPECT_TRUE(LitNear(1.0, std::sin(1.0)));
}

TEST_F(CatalogPlotTest, ByKindPolarCurves) {
    view->m_adCoefF[2] = 1;   // A form 39: r = 1
    view->m_adCoefG[2] = 1.5; // B form 39: r = 1.5
    view->PlotCurveByKind(dc.get(), 39, 2, 0, 2 * M_PI, kRed);
    EXPECT_TRUE(LitNear(0, 1));
    EXPECT_TRUE(LitNear(-1, 0));
    view->PlotCurveByKind(dc.get(), 39, 3, 0, 2 * M_PI, kRed);
    EXPECT_TRUE(LitNear(0, 1.5));
    // Kind 4 plots the current function in the curve colour.
    view->m_nFuncF = 39;
    view->m_dParamStep = 1.0;
    view->PlotCurveByKind(dc.get(), 5, 4, 0, M_PI, kRed);
    EXPECT_TRUE(LitNear(0, 1, kCurve));
}

TEST_F(CatalogPlotTest, ByKindOutsideTheKindsDrawsNothing) {
    view->PlotCurveByKind(dc.get(), 3, 5, -2, 2, kRed);
    view->PlotCurveByKind(dc.get(), 3, -1, -2, 2, kRed);
    EXPECT_TRUE(Blank());
}

TEST_F(CatalogPlotTest, SecondCurveWithItsEndSegments) {
    view->m_nFuncLower = 39;
    view->m_adCoefG[2] = 1; // g = 1
    view->PlotCurveG(dc.get(), -1, 1, kRed);
    EXPECT_TRUE(LitNear(0, 1));
    EXPECT_FALSE(LitNear(-1, 0.5));
    view->m_nPlotOption1 = 1, view->m_nPlotOption2 = 1;
    view->PlotCurveG(dc.get(), -1, 1, kRed);
    EXPECT_TRUE(LitNear(-1, 0.5));
    EXPECT_TRUE(LitNear(1, 0.5));
    // Polar g: the circle r = 1.
    image.fill(Qt::black);
    view->m_nPlotMode = 3;
    view->m_nPlotOption1 = 0, view->m_nPlotOption2 = 0;
    view->PlotCurveG(dc.get(), 0, 2 * M_PI, kRed);
    EXPECT_TRUE(LitNear(1, 0));
    EXPECT_TRUE(LitNear(0, -1));
    EXPECT_FALSE(LitNear(0.5, 0));
}

TEST_F(CatalogPlotTest, NothingOutsideTheVisibleBand) {
    view->m_nFuncF = 3;
    view->m_bFigureVisible = 0;
    view->PlotCurve(dc.get(), -3, 3, kRed);
    view->PlotCurveByKind(dc.get(), 3, 0, -3, 3, kRed);
    view->m_bFigureVisible = 1;
    view->m_nClipTop = 20; // the figure band starts above the painted area
    view->PlotCurve(dc.get(), -3, 3, kRed);
    view->PlotCurveG(dc.get(), -3, 3, kRed);
    EXPECT_TRUE(Blank());
}

TEST_F(CatalogPlotTest, BadIntervalsEnd) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    view->m_nFuncF = 3;
    view->PlotCurve(dc.get(), nan, 3, kRed);
    view->PlotCurve(dc.get(), -inf, inf, kRed);
    view->PlotCurveByKind(dc.get(), 3, 1, 0, inf, kRed);
    view->m_dXSpan = 0;
    view->PlotCurve(dc.get(), -3, 3, kRed);
    EXPECT_TRUE(Blank());
    view->m_dXSpan = 6;
    const double start = test_support::ThreadCpuMs();
    view->PlotCurve(dc.get(), -1e9, 1e9, kRed);
    view->m_nPlotMode = 1;
    view->PlotCurve(dc.get(), -1e9, 1e9, kRed);
    EXPECT_LT(test_support::ThreadCpuMs() - start, 10000.0);
}

TEST_F(CatalogPlotTest, ParabolaThroughThreePoints) {
    view->DrawParabola(dc.get(), 0, 0, -1, 1, 0, 0, 1, 1, kRed);
    EXPECT_TRUE(LitNear(0.5, 0.25));
    EXPECT_TRUE(LitNear(-0.5, 0.25));
    EXPECT_FALSE(LitNear(1.4, 1.96)); // beyond the largest abscissa
    EXPECT_FALSE(LitNear(0.5, 0.5));
}

TEST_F(CatalogPlotTest, ParabolaWithoutASolutionDrawsChords) {
    // Abscissas y = 1, 0, 1 of a horizontal-axis parabola: two chords.
    view->DrawParabola(dc.get(), 1, 0, -1, 1, 0, 0, 1, 1, kRed);
    EXPECT_TRUE(LitNear(-0.5, 0.5));
    EXPECT_TRUE(LitNear(0.5, 0.5));
    EXPECT_FALSE(LitNear(0.5, 0.25));
}

TEST_F(CatalogPlotTest, ParabolaSidewaysAndIn3D) {
    // x = y²: through (1, -1), (0, 0), (1, 1).
    view->DrawParabola(dc.get(), 1, 0, 1, -1, 0, 0, 1, 1, kRed);
    EXPECT_TRUE(LitNear(0.25, 0.5));
    EXPECT_TRUE(LitNear(0.25, -0.5));
    image.fill(Qt::black);
    view->DrawParabola(dc.get(), 2, 0, -1, 1, 0, 0, 1, 1, kRed);
    EXPECT_TRUE(Blank());
    view->DrawParabola(dc.get(), 0, 1, -1, 1, 0, 0, 1, 1, kRed);
    EXPECT_FALSE(Blank());
}

TEST_F(CatalogPlotTest, ParabolaOnAPartialRepaintNeedsTheClick) {
    view->m_bFullRepaint = 0;
    view->m_ptClick = CPoint(5, 5); // outside the plot
    view->DrawParabola(dc.get(), 0, 0, -1, 1, 0, 0, 1, 1, kRed);
    EXPECT_TRUE(Blank());
    view->m_ptClick = CPoint(220, 150); // inside the plot
    view->DrawParabola(dc.get(), 0, 0, -1, 1, 0, 0, 1, 1, kRed);
    EXPECT_TRUE(LitNear(0.5, 0.25));
}
