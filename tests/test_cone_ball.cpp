// The circular cone and the ball on a surface: the base circle is a circle
// about the axis for every axis (a horizontal one too), height shades run
// from the pen to the fill colour and wrap outside the box, the surface
// differences and one Runge-Kutta step match hand calculations, and on its
// page the ball leaves a trail within the animation's time bound while every
// button acts once per click.
#include "calculus/math/ball_surface.h"
#include "calculus/math/cone.h"
#include "platform/frame_presenter.h"
#include "platform/text_codec.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace test_support;
using calculus::Point3;

TEST(ConeMath, BaseCircleLiesAtRadiusRPerpendicularToTheAxis) {
    struct Axis {
        Point3 a, b;
        double r;
    };
    const Axis axes[] = {
        {{0, 0, 3}, {0, 0, 1}, 0.8},          // vertical, apex up
        {{0, 0, -1}, {0, 0, 2}, 1.5},         // vertical, apex down
        {{-1, -1, 2.3}, {0.5, 0.6, 1}, 0.9},  // tilted
        {{-1, 0, 1.5}, {0.8, 0.3, 1.5}, 0.8}, // horizontal (a3 = b3)
        {{0, -2, 1}, {0, 1, 1}, 0.5},         // horizontal along y
    };
    for (const Axis& c : axes) {
        calculus::ConeBase base;
        ASSERT_TRUE(calculus::MakeConeBase(c.a, c.b, c.r, &base));
        const double d[3] = {c.b.x - c.a.x, c.b.y - c.a.y, c.b.z - c.a.z};
        for (double theta = 0; theta < 6.3; theta += 0.35) {
            const Point3 P = calculus::ConeBasePoint(base, theta);
            const double w[3] = {P.x - c.b.x, P.y - c.b.y, P.z - c.b.z};
            EXPECT_NEAR(std::sqrt(w[0] * w[0] + w[1] * w[1] + w[2] * w[2]), c.r, 1e-12);
            EXPECT_NEAR(w[0] * d[0] + w[1] * d[1] + w[2] * d[2], 0, 1e-12);
        }
        // θ = 0 lies where the page has always put it: along (dz, 0, −dx).
        if (d[2] != 0) {
            const Point3 P = calculus::ConeBasePoint(base, 0);
            const double n = std::sqrt(d[0] * d[0] + d[2] * d[2]);
            EXPECT_NEAR(P.x, c.b.x + c.r * d[2] / n, 1e-12);
            EXPECT_NEAR(P.y, c.b.y, 1e-12);
            EXPECT_NEAR(P.z, c.b.z - c.r * d[0] / n, 1e-12);
        }
    }
    // A tilted axis runs its circle as P(θ) = B + r·(dz cos θ, dz sin θ,
    // −s)/√(s² + dz²), s = dx cos θ + dy sin θ (python3 at θ = 1 and at the
    // marked generator's θ = 2).
    {
        calculus::ConeBase base;
        ASSERT_TRUE(calculus::MakeConeBase({-1, -1, 2.3}, {0.5, 0.6, 1}, 0.9, &base));
        const double want[2][3] = {{0.24897565411752332, 0.20905274464618684, 0.22919067123860304},
                                   {0.8156058213498507, -0.08961130072681733, 0.515408192970668}};
        for (int i = 0; i < 2; ++i) {
            const Point3 P = calculus::ConeBasePoint(base, 1.0 + i);
            EXPECT_NEAR(P.x, want[i][0], 1e-12);
            EXPECT_NEAR(P.y, want[i][1], 1e-12);
            EXPECT_NEAR(P.z, want[i][2], 1e-12);
        }
    }
    // An axis without length has no base circle.
    calculus::ConeBase base;
    EXPECT_FALSE(calculus::MakeConeBase({1, 2, 3}, {1, 2, 3}, 1, &base));
}

TEST(ConeMath, HeightShadeRunsFromPenToFillAndWrapsOutsideTheBox) {
    const calculus::Rgb pen{255, 80, 0}, fill{0, 220, 255};
    struct Row {
        double z;
        calculus::Rgb want;
    };
    // z from 0 to 3: the middle is the truncated average. Outside the box
    // each channel (1 − t)·pen + t·fill keeps its low 8 bits: t = −0.5 gives
    // (382.5, 10, −127.5) → (126, 10, 129); t = 7/3 gives (−340, 406.7, 595)
    // → (172, 150, 83). Not a number gives black.
    const Row rows[] = {
        {0, pen},
        {3, fill},
        {1.5, {127, 150, 127}},
        {-1.5, {126, 10, 129}},
        {7, {172, 150, 83}},
        {NAN, {0, 0, 0}},
    };
    for (const Row& r : rows) {
        const calculus::Rgb c = calculus::HeightShade(pen, fill, r.z, 0, 3);
        EXPECT_EQ(c.r, r.want.r) << r.z;
        EXPECT_EQ(c.g, r.want.g) << r.z;
        EXPECT_EQ(c.b, r.want.b) << r.z;
    }
}

TEST(BallMath, SurfaceDifferencesOfAQuadraticAreItsPartials) {
    // f = x² + 3xy − y²: fx = 2x + 3y, fy = 3x − 2y, fxx = 2, fxy = 3,
    // fyy = −2. Differences of differences over 1e-7 would miss fxx by 0.49
    // at (2, 1.5).
    const auto f = [](double x, double y) { return x * x + 3 * x * y - y * y; };
    const double points[][2] = {{0.5, 0.25}, {1.3, -0.7}, {2.0, 1.5}, {-1.1, 0.9}};
    for (const auto& p : points) {
        const double x = p[0], y = p[1];
        EXPECT_NEAR(calculus::SurfaceDx(f, x, y), 2 * x + 3 * y, 1e-6);
        EXPECT_NEAR(calculus::SurfaceDy(f, x, y), 3 * x - 2 * y, 1e-6);
        EXPECT_NEAR(calculus::SurfaceDxx(f, x, y), 2, 1e-6);
        EXPECT_NEAR(calculus::SurfaceDxy(f, x, y), 3, 1e-6);
        EXPECT_NEAR(calculus::SurfaceDyy(f, x, y), -2, 1e-6);
    }
}

TEST(BallMath, OneStepOnPlanes) {
    const auto level = [](double, double) { return 0.0; };
    const auto slope = [](double x, double) { return -x; };
    struct Row {
        bool inclined;
        double lambda, mu;
        calculus::BallState from, want;
    };
    // k = 0.01, g = 9.8. On z = −x the ball gains g·|p|/W/(1 + 0.4λ²) =
    // g/2/Λ along +x from rest, moving, or moving across the slope; on a
    // level plane it keeps its velocity, or loses it at the rate μ/Λ (the
    // fourth-order polynomial of e^{−μk/Λ}: μ = 0.5, λ = 1 gives 0.99643494).
    const Row rows[] = {
        {false, 0, 0, {0.3, -0.2, 1.5, -0.5}, {0.315, -0.205, 1.5, -0.5}},
        {true, 0, 0, {0, 0, 0, 0}, {0.000245, 0, 0.049, 0}},
        {true, 0, 0, {0, 0, 1, 0}, {0.010245, 0, 1.049, 0}},
        {true, 1, 0, {0, 0, 0, 0}, {0.000175, 0, 0.035, 0}},
        {true, 0, 0, {0, 0, 0, 1}, {0.000245, 0.01, 0.049, 1}},
        {false, 1, 0.5, {0, 0, 2, 0}, {0.0199643, 0, 2 * 0.9964349413940481, 0}},
    };
    for (const Row& r : rows) {
        const calculus::BallLaw law{9.8, r.mu, r.lambda};
        const calculus::BallState s = r.inclined ? calculus::StepBall(slope, law, r.from, 0.01)
                                                 : calculus::StepBall(level, law, r.from, 0.01);
        EXPECT_NEAR(s.x, r.want.x, 1e-7);
        EXPECT_NEAR(s.y, r.want.y, 1e-7);
        EXPECT_NEAR(s.u, r.want.u, 1e-7);
        EXPECT_NEAR(s.v, r.want.v, 1e-7);
    }
}

class BallPageTest : public ScratchPageTest {
protected:
    BallPageTest() : ScratchPageTest("ballsurf") {
        // The bowl z = (x² + y²)/2 over a floor at −5; the ball starts at
        // (1.5, 0) with velocity (0, 2.5), μ = 0.05, λ = 1.
        std::ofstream("data/b.txt")
            << "014B\n700DATA2(0,0.5,0,0.5,0,0,0,)\n700DATA2(1,0,0,0,0,0,-5,)\n"
            << "700SphereSurfMove(0.5,6,36,10,0,0,0,-2,2,-2,2,0,4,1,1,1.5,0,0,2.5,0.05,1)\n"
            << "107\n107\n107\n107\n107\n107\n107\n107\n107\n107\n107\n107\n107\n107\n";
        v = View("b");
        v->SetHost(&host);
        Draw(v.get());
        Draw(v.get());
    }
    ~BallPageTest() override { v->SetHost(nullptr); }
    void Click(int x, int y) {
        v->m_ptClick = CPoint(x, y);
        ++v->m_nClickSerial;
        Draw(v.get());
    }
    void ClickButton(int x, int y) { Click(x + 3, y + 3); }
    // The buttons as drawn: the column right of the figure and the row of
    // h, R and t, which a large font may turn into a second column.
    CPoint Column(int i) const {
        static const char* const kColumn[] = {
            u8"λ增",    u8"λ减", u8"cm制", u8"m制",  u8"x0前移", u8"x0后移", u8"y0左移",
            u8"y0右移", u8"μ增", u8"μ减",  u8"vx增", u8"vx减",   u8"vy增",   u8"vy减"};
        return ControlCentre(v.get(), kColumn[i]);
    }
    CPoint Row(int i) const {
        static const char* const kRow[] = {u8"t减", u8"t增", u8"R减", u8"R增", u8"h减", u8"h增"};
        return ControlCentre(v.get(), kRow[i]);
    }
    void ClickButton(CPoint p) { Click(p.x - v->m_nClipLeft, p.y - v->m_nClipTop); }
    int TrailPixels() const {
        return CountColour(v->BackingImage(), v->m_crFrontSide, v->m_nFigureLeft, v->m_nFigureTop,
                           v->m_nFigureRight, v->m_nFigureBottom);
    }
    CountingHost host;
    std::unique_ptr<CPemroView> v;
};

TEST_F(BallPageTest, TheBallLeavesATrailWithinItsTimeBound) {
    EXPECT_EQ(host.presents, 0);
    const int before = TrailPixels();
    Click((v->m_nFigureLeft + v->m_nFigureRight) / 2, (v->m_nFigureTop + v->m_nFigureBottom) / 2);
    EXPECT_GT(host.presents, 10);
    EXPECT_LE(host.totalMs, CFramePresenter::kBudgetMs);
    EXPECT_GT(TrailPixels(), before + 1000);
    EXPECT_EQ(v->m_nSurfaceEvalMode, 0);
    // A repaint draws the trail again at once, without waiting.
    const int presents = host.presents;
    Draw(v.get());
    EXPECT_EQ(host.presents, presents);
    EXPECT_GT(TrailPixels(), before + 1000);
    // A button's click shows the new run at once; a run of a huge end time
    // at h = 1/400 still ends within the budget, and t stays as set.
    host.presents = 0;
    ClickButton(Column(12)); // vy增
    EXPECT_EQ(host.presents, 0);
    EXPECT_GT(TrailPixels(), before + 1000);
    v->m_dTimeT = 1e9, v->m_dOdeStep = 1e-9;
    host.presents = 0, host.totalMs = 0;
    Click((v->m_nFigureLeft + v->m_nFigureRight) / 2, (v->m_nFigureTop + v->m_nFigureBottom) / 2);
    EXPECT_EQ(v->m_dTimeT, 1e9);
    EXPECT_EQ(v->m_dOdeStep, 0.0025);
    EXPECT_GT(host.presents, 1);
    EXPECT_LE(host.totalMs, CFramePresenter::kBudgetMs);
}

TEST_F(BallPageTest, ButtonsActOncePerClickAndKeepTheirBounds) {
    const auto column = [&](int i, int times) {
        for (int n = 0; n < times; ++n) ClickButton(Column(i));
    };
    EXPECT_EQ(v->m_dX0, 1.5);
    EXPECT_EQ(v->m_dParamB, 2.5);
    column(10, 1); // vx增
    Draw(v.get());
    Draw(v.get());
    EXPECT_NEAR(v->m_dParamA, 0.1, 1e-12);
    EXPECT_EQ(v->m_dX0, 1.5); // the script's values no longer come back
    column(4, 2);             // x0前移
    EXPECT_NEAR(v->m_dX0, 1.7, 1e-12);
    column(2, 1); // cm制
    EXPECT_EQ(v->m_dGravity, 980.0);
    column(9, 1); // μ减 from 0.05
    EXPECT_NEAR(v->m_dSavedMu, 0.04, 1e-12);
    v->m_dSavedMu = 0.005;
    column(9, 1);
    EXPECT_EQ(v->m_dSavedMu, 0.0);
    column(0, 1); // λ增 from 1
    EXPECT_EQ(v->m_dSavedLambda, 1.0);
    v->m_dSavedLambda = 0.05;
    column(1, 1);
    EXPECT_EQ(v->m_dSavedLambda, 0.0);
    // The row above the figure: h增 at 0.01 stays, t减 at 4 stays, R减 stops
    // at 2 pixels.
    ClickButton(Row(5));
    EXPECT_EQ(v->m_dOdeStep, 0.01);
    ClickButton(Row(0));
    EXPECT_EQ(v->m_dTimeT, 4.0);
    // "t增" doubles past 16 (the floor colours then go round again).
    v->m_dTimeT = 16;
    ClickButton(Row(1));
    EXPECT_EQ(v->m_dTimeT, 32.0);
    v->m_nBallRadius = 3;
    for (int i = 0; i < 2; ++i) ClickButton(Row(2));
    EXPECT_EQ(v->m_nBallRadius, 2);
}

} // namespace

namespace {

using namespace test_support;

// The cone page shows only the frame until the figure is clicked.
TEST(ConePage, TheConeShowsOnceTheFigureIsClicked) {
    InRunDir dir;
    auto v = OpenTopic("373");
    v->Invalidate();
    v->RenderPending();
    const QImage frame = v->BackingImage().copy();
    ClickPoint(*v, CPoint((v->m_nFigureLeft + v->m_nFigureRight) / 2,
                          (v->m_nFigureTop + v->m_nFigureBottom) / 2));
    int changed = 0;
    for (int y = v->m_nFigureTop; y < v->m_nFigureBottom; ++y)
        for (int x = v->m_nFigureLeft; x < v->m_nFigureRight; ++x)
            changed += frame.pixel(x, y) != v->BackingImage().pixel(x, y);
    EXPECT_GT(changed, 5000);
}

} // namespace
