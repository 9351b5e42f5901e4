// Demonstration pages stepped through their buttons, with what they write and
// where they put their marks compared against values worked out apart from
// the program: by hand (exact fractions) or with python3 and mpmath from the
// textbook definitions. Cases are chosen so that a wrong step shows: an
// interval whose first midpoint is not the root, y' = x + y where the slope
// depends on x, n = 1 for the binomial, the normal density at μ ± σ.
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace test_support;

class DemoStepTest : public OnScratchScripts<> {
protected:
    void OpenScript(const std::string& body) {
        WriteScript("950", u8"014演示\n" + body);
        Open("950");
    }
    // Whether some pixel of the colour lies within `r` pixels of the world
    // point's pixel in the last plane figure.
    bool MarkNear(double x, double y, COLORREF colour, int r = 2) const {
        const int px = Px(x), py = Py(y);
        return CountColour(view->BackingImage(), colour, px - r, py - r, px + r + 1, py + r + 1) >
               0;
    }
    // The numbers written after each label, as numbers.
    std::vector<double> Numbers(const std::string& utf8Label) const {
        std::vector<double> values;
        for (const std::string& s : After(utf8Label)) values.push_back(std::atof(s.c_str()));
        return values;
    }
    // The root page's table rows "n= k f( x )= f(x)": (x, f(x)) of each row.
    std::vector<std::pair<double, double>> RootRows() const {
        std::vector<std::pair<double, double>> rows;
        const auto& p = log.pieces;
        for (size_t i = 0; i + 3 < p.size(); ++i)
            if (p[i].text == "f(" && p[i + 2].text == ")=")
                rows.push_back(
                    {std::atof(p[i + 1].text.c_str()), std::atof(p[i + 3].text.c_str())});
        return rows;
    }
    // The topmost row of the run of the colours that rises from world
    // (x, y): the top of a shaded area above that point.
    int TopOfRun(double x, double y0, const std::vector<COLORREF>& colours) const {
        const QImage& image = view->BackingImage();
        const int px = Px(x);
        int y = Py(y0);
        while (y > view->m_nPlotTop && std::find(colours.begin(), colours.end(),
                                                 ColourAt(image, px, y - 1)) != colours.end())
            --y;
        return y;
    }
    std::string Last(const std::string& utf8Label) const {
        const std::vector<std::string> v = After(utf8Label);
        return v.empty() ? std::string() : v.back();
    }
};

constexpr COLORREF kMarkColour = RGB(255, 100, 100); // the root page's dots
constexpr COLORREF kSlopeColour = RGB(250, 255, 0);  // the derivative along a solution
constexpr COLORREF kSolutionColour = RGB(0, 255, 255);
constexpr COLORREF kDotColour = RGB(255, 128, 0); // the probability dots

// f(x) = x² + x - 2 (root 1) by bisection over [0, 3], then the secant
// method from the right. Midpoints by hand: 1.5 (f = 1.75), 0.75 (-0.6875),
// 1.125 (0.390625), 0.9375 (-0.18359375).
TEST_F(DemoStepTest, RootFindingStepsAndMarks) {
    OpenScript("700DATA1(0,1,1,-2,0,0,0,)\n"
               "700Root(0.2,3,34,10,39,0,0,-2.5,3,-3,10,0,3,0,0,0.0001)\n");
    ClickControl(u8"从头开始");
    ClickControl(u8"显示数据");
    Repaint();
    const double mids[] = {1.5, 0.75, 1.125, 0.9375};
    const double values[] = {1.75, -0.6875, 0.390625, -0.18359375};
    for (int n = 0; n < 4; ++n) {
        SCOPED_TRACE(n);
        if (n > 0) {
            ClickControl(u8"n增加");
            Repaint();
        }
        EXPECT_EQ(view->m_nDemoStep, n);
        const auto rows = RootRows();
        ASSERT_EQ(rows.size(), size_t(n + 1));
        for (int k = 0; k <= n; ++k) {
            EXPECT_NEAR(rows[k].first, mids[k], 1e-6);
            EXPECT_NEAR(rows[k].second, values[k], 1e-6);
        }
        // Each midpoint marked on the axis and on the graph.
        EXPECT_TRUE(MarkNear(mids[n], 0, kMarkColour));
        EXPECT_TRUE(MarkNear(mids[n], values[n], kMarkColour));
    }
    // "ε减少" halves ε.
    ClickControl(u8"ε减少");
    EXPECT_DOUBLE_EQ(view->m_dEpsilon, 0.00005);

    // The secant method from x0 = 2.5, x1 = x0 + 0.05 · 5.5 = 2.775:
    // x2 = x1 - (x1 - x0) f(x1) / (f(x1) - f(x0)), exact fractions in python3.
    // (The page opens on Newton's method; "弦截法" switches.)
    OpenScript("700DATA1(0,1,1,-2,0,0,0,)\n"
               "700Root(0.2,3,34,10,39,1,0,-2.5,3,-3,10,0,3,0,0,0.0001)\n");
    ClickControl(u8"弦截法");
    Repaint();
    EXPECT_EQ(view->m_nFuncLower, 2);
    view->m_dCursorX = 2.5;
    ClickControl(u8"从头开始");
    ClickControl(u8"显示数据");
    ClickControl(u8"n增加");
    ClickControl(u8"n增加");
    Repaint();
    const double x2[] = {1.4243027888446216, 1.1448535468669183, 1.0172202498654113};
    const double f2[] = {1.452941223155188, 0.4555431906406813, 0.051957286601661073};
    const auto rows = RootRows();
    ASSERT_EQ(rows.size(), 3u);
    for (int k = 0; k < 3; ++k) {
        EXPECT_NEAR(rows[k].first, x2[k], 1e-6) << k;
        EXPECT_NEAR(rows[k].second, f2[k], 1e-6) << k;
        EXPECT_TRUE(MarkNear(x2[k], f2[k], kMarkColour)) << k;
    }
    // Each step marks its x1 on the axis: 2.775, then the new points; the
    // start x0 = 2.5 is never marked.
    for (double x : {2.775, x2[0], x2[1]}) EXPECT_TRUE(MarkNear(x, 0, kMarkColour)) << x;
    EXPECT_FALSE(MarkNear(2.5, 0, kMarkColour, 1));
}

// The power method with Aitken's acceleration on the default matrix
// 1/(i + j + 2): after three iterations the page lists the estimates
// c0, c1, c2 = 1.075211, 0.883057, 0.875483 and shows c0 - (c1 - c0)² /
// (c2 - 2 c1 + c0) = 0.875172, after four 0.875115 (python3, exact
// fractions).
TEST_F(DemoStepTest, PowerMethodWithAitkensAcceleration) {
    OpenScript("700PowerMethod(0.4,5,38,12,3,0,0,0,0.04,0.000000000001)\n");
    view->m_nDecimals = 6;
    ClickControl(u8"埃特肯");
    Repaint();
    EXPECT_EQ(view->m_nDemoStep, 1); // the matrix and the start vector
    for (int i = 0; i < 2; ++i) ClickControl(u8"下一步");
    Repaint();
    EXPECT_EQ(view->m_nDemoStep, 3);
    EXPECT_EQ(After(u8"λ ="), (std::vector<std::string>{"1.075211", "0.883057", "0.875483"}));
    EXPECT_EQ(Last(u8"λ="), "0.875172");
    ClickControl(u8"下一步");
    Repaint();
    EXPECT_EQ(Last(u8"λ="), "0.875115");
    EXPECT_EQ(After(u8"λ =")[2], "0.875132"); // c3
}

// x = φ(x) with φ(x) = x²/4 + 1/2 (fixed point 2 - √2) from 0: the plain
// iteration 0.5, 0.5625, 0.5791015625 (by hand), Steffensen's x - (y - x)² /
// (z - 2y + x) with y = φ(x), z = φ(y): 4/7, then 0.5857654890 (exact
// fractions in python3). Bisection with ε = 0.4 stops once b - a ≤ ε: three
// midpoints over [0, 3].
TEST_F(DemoStepTest, FixedPointSteffensenAndTheBisectionTolerance) {
    const std::string data = "700DATA1(0,0.25,0,0.5,0,0,0,)\n";
    OpenScript(data + "700Root(0.2,3,34,10,39,3,0,-0.5,3,-0.5,3,0,3,0,0,0.0001)\n");
    view->m_dCursorX = 0;
    ClickControl(u8"从头开始");
    ClickControl(u8"显示数据");
    ClickControl(u8"n增加");
    ClickControl(u8"n增加");
    Repaint();
    const std::vector<double> fixed = Numbers("x =");
    const double iterates[] = {0, 0.5, 0.5, 0.5625, 0.5625, 0.5791015625};
    ASSERT_EQ(fixed.size(), 6u);
    for (int i = 0; i < 6; ++i) EXPECT_NEAR(fixed[i], iterates[i], 1e-6) << i;
    for (int k = 0; k < 3; ++k) {
        EXPECT_TRUE(MarkNear(iterates[2 * k], iterates[2 * k + 1], kMarkColour)) << k;
        EXPECT_TRUE(MarkNear(iterates[2 * k], 0, kMarkColour)) << k;
    }

    OpenScript(data + "700Root(0.2,3,34,10,39,4,0,-0.5,3,-0.5,3,0,3,0,0,0.0000001)\n");
    view->m_dCursorX = 0;
    ClickControl(u8"从头开始");
    ClickControl(u8"显示数据");
    ClickControl(u8"n增加");
    Repaint();
    const std::vector<double> steffensen = Numbers("x =");
    ASSERT_EQ(steffensen.size(), 4u);
    EXPECT_NEAR(steffensen[1], 4.0 / 7, 1e-6);
    EXPECT_NEAR(steffensen[3], 0.5857654889912954, 1e-6);

    OpenScript(data + "700DATA1(0,1,1,-2,0,0,0,)\n"
                      "700Root(0.2,3,34,10,39,0,0,-2.5,3,-3,10,0,3,0,0,0.4)\n");
    ClickControl(u8"显示数据");
    view->m_nDemoStep = 8; // a row for each step
    Repaint();
    const auto rows = RootRows();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_NEAR(rows[2].first, 1.125, 1e-6);
}

// y' = x + y, y(0) = 1 (the quadric form with d = e = 1) on [-0.3, 1]. Euler by
// hand with h = 0.1: 1, 1.1, 1.22, 1.362, 1.5282; its slope polyline joins
// (x_k, x_k + y_k). Then h = 0.05, the improved Euler method (Heun, exact
// fractions: 1.0525, 1.110253125) and Runge-Kutta (mpmath: 1.052542187,
// 1.110341825).
TEST_F(DemoStepTest, OdeMethodsStepTheirTableAndSlopeCurve) {
    OpenScript("700DiffEquation1(0.2,3,44,10,0,0,0,-0.4,1.2,0.5,2.5,-0.3,1,1,1,0,1,-1,0.1)\n");
    for (int i = 0; i < 6; ++i) view->m_adCoefSurfF[i] = i == 3 || i == 4 ? 1 : 0;
    Repaint();
    const double euler[] = {1, 1.1, 1.22, 1.362, 1.5282};
    std::vector<double> y = Numbers("y =");
    ASSERT_GE(y.size(), 5u);
    for (int k = 0; k < 5; ++k) EXPECT_NEAR(y[k], euler[k], 5e-5) << k;
    const std::vector<double> x = Numbers("x =");
    ASSERT_GE(x.size(), 5u);
    for (int k = 0; k < 5; ++k) EXPECT_NEAR(x[k], 0.1 * k, 5e-4) << k;
    for (int k = 0; k < 4; ++k) {
        SCOPED_TRACE(k);
        const double s0 = 0.1 * k + euler[k], s1 = 0.1 * (k + 1) + euler[k + 1];
        EXPECT_TRUE(MarkNear(0.1 * k + 0.05, (s0 + s1) / 2, kSlopeColour, 1));
        EXPECT_TRUE(MarkNear(0.1 * k + 0.05, (euler[k] + euler[k + 1]) / 2, kSolutionColour, 1));
    }
    // Backward from (0, 1) with the step -0.1: 0.9 at -0.1, 0.82 at -0.2.
    EXPECT_TRUE(MarkNear(-0.05, 0.95, kSolutionColour, 1));
    EXPECT_TRUE(MarkNear(-0.15, 0.86, kSolutionColour, 1));

    ClickControl(u8"步长减");
    Repaint();
    EXPECT_DOUBLE_EQ(view->m_dOdeStep, 0.05);
    y = Numbers("y =");
    ASSERT_GE(y.size(), 3u);
    EXPECT_NEAR(y[1], 1.05, 5e-5);
    EXPECT_NEAR(y[2], 1.105, 5e-5); // 1.05 + 0.05 (0.05 + 1.05)

    ClickControl(u8"改进Euler");
    Repaint();
    y = Numbers("y =");
    ASSERT_GE(y.size(), 3u);
    EXPECT_NEAR(y[1], 1.0525, 5e-5);
    EXPECT_NEAR(y[2], 1.110253125, 5e-5);

    ClickControl(u8"RK法");
    Repaint();
    y = Numbers("y =");
    ASSERT_GE(y.size(), 3u);
    EXPECT_NEAR(y[1], 1.052542187, 5e-5);
    EXPECT_NEAR(y[2], 1.110341825, 5e-5);
}

// The system x' = y, y' = -x from (1, 0): the components cos t and -sin t
// over t, then in the phase plane the unit circle, then over t again.
TEST_F(DemoStepTest, OdeSystemComponentsAndPhasePlane) {
    OpenScript("700DATA2(0,0,0,0,0,1,0,)\n"
               "700DATA2(1,0,0,0,-1,0,0,)\n"
               "700DiffEquations(0.2,3,34,10,0,0,-1,-0.5,10,-2,2,0,10,1,1,0,1,0)\n");
    auto expectComponents = [&] {
        for (double t : {1.0, 2.0, 4.0, 5.5}) {
            EXPECT_TRUE(MarkNear(t, std::cos(t), kSolutionColour, 1)) << t;
            EXPECT_TRUE(MarkNear(t, -std::sin(t), kSlopeColour, 1)) << t;
        }
    };
    expectComponents();
    ClickControl(u8"相平面");
    Repaint();
    EXPECT_TRUE(view->m_bPhasePlane);
    for (double t : {0.5, 1.0, 2.0, 4.0, 5.5})
        EXPECT_TRUE(MarkNear(std::cos(t), -std::sin(t), kSolutionColour, 1)) << t;
    EXPECT_FALSE(MarkNear(0.5, 0.5, kSolutionColour, 3)); // inside the circle
    ClickControl(u8"取消");
    Repaint();
    expectComponents();
}

// Romberg for x² on [0, 1] at ε = 0.1: three rows, the finest on four
// panels; "显示数据" lists x² on that grid: 0, 1/16, 1/4, 9/16, 1 (by hand).
TEST_F(DemoStepTest, RombergTableAndItsGridValues) {
    OpenScript("700Romberg(0.2,3,34,10,21,0,0,-0.2,1.2,-0.2,1.2,0,1)\n");
    for (const char* cell : {"0.5000", "0.3750", "0.3438"}) EXPECT_TRUE(log.Saw(cell)) << cell;
    ClickControl(u8"显示数据");
    Repaint();
    const std::vector<double> f = Numbers("f    =");
    ASSERT_EQ(f.size(), 5u);
    for (int j = 0; j <= 4; ++j) EXPECT_NEAR(f[j], (0.25 * j) * (0.25 * j), 1e-6) << j;
    EXPECT_FALSE(log.Saw("0.3438"));
    ClickControl(u8"不显示数据");
    Repaint();
    EXPECT_TRUE(log.Saw("0.3438"));
}

// "原函数" of x² through the chosen point (0.5, 0.3): y = 0.3 + (x³ - 1/8)/3
// on both sides of it; "不定积分" draws the family, one curve through
// each constant.
TEST_F(DemoStepTest, AntiderivativeThroughTheChosenPoint) {
    OpenScript("700Calculus1(0.3,3,34,9,21,-1,0,-0.2,1.2,-0.2,1.2,0,1)\n");
    ClickControl(u8"原函数");
    view->m_dCursorX = 0.5, view->m_dCursorY = 0.3;
    Repaint();
    const auto F = [](double x) { return 0.3 + (x * x * x - 0.125) / 3; };
    for (double x : {-0.1, 0.1, 0.3, 0.8, 1.1})
        EXPECT_TRUE(MarkNear(x, F(x), kSlopeColour, 1)) << x;
    EXPECT_FALSE(MarkNear(0.1, F(0.1) + 0.1, kSlopeColour, 1));
    ClickControl(u8"不定积分");
    Repaint();
    EXPECT_GT(CountColour(view->BackingImage(), kSlopeColour, Px(0.1) - 1, Py(1.1), Px(0.1) + 2,
                          Py(-0.1)),
              3); // several curves cross x = 0.1
}

// Gauss rules with two or more nodes integrate x² exactly: 1/3 on [0, 1]
// for any number of pieces, while their nodes stand at
// (1 ± 1/√3)/2 = 0.211325, 0.788675 for two nodes on one piece.
TEST_F(DemoStepTest, GaussRulesOnTheSquare) {
    OpenScript("700Calculus1(0.3,3,34,9,21,-1,6,-0.2,1.2,-0.2,1.2,0,1)\n");
    ClickControl(u8"2节点");
    Repaint();
    EXPECT_EQ(Last(u8"积分近似值:"), "0.333333");
    for (double t : {0.21132487, 0.78867513})
        EXPECT_TRUE(MarkNear(t, t * t, view->m_crSection, 2)) << t;
    ClickControl(u8"n增加");
    Repaint();
    EXPECT_EQ(Last("n="), "2");
    EXPECT_EQ(Last(u8"积分近似值:"), "0.333333");
    ClickControl(u8"4节点");
    Repaint();
    EXPECT_EQ(Last(u8"积分近似值:"), "0.333333");
}

// The 0-1 distribution (n = 1, p = 0.3) has its dots at (0, 0.7) and
// (1, 0.3); "n增" makes it binomial with n = 2: 0.49, 0.42, 0.09; "p增" by
// the step 0.1 gives p = 0.4: 0.36, 0.48, 0.16, mean 0.8, variance 0.48.
TEST_F(DemoStepTest, BinomialDotsAndReadoutsFollowTheButtons) {
    OpenScript("700DisDistribution(0.2,3,44,13,0.3,1,0,1,1)\n");
    EXPECT_EQ(Last(u8"方差=npq="), "0.21");
    EXPECT_EQ(Last(u8"期望=np="), "0.30");
    EXPECT_TRUE(MarkNear(0, 0.7, kDotColour));
    EXPECT_TRUE(MarkNear(1, 0.3, kDotColour));
    EXPECT_TRUE(MarkNear(0.3, 0, RGB(250, 255, 0))); // the mean on the axis

    ClickButton(view->m_nPlotRight - 10, view->m_nPlotTop + 44); // n增
    Repaint();
    EXPECT_EQ(view->m_nCountN, 2);
    EXPECT_EQ(Last(u8"方差=npq="), "0.42");
    const double two[] = {0.49, 0.42, 0.09};
    for (int k = 0; k <= 2; ++k) EXPECT_TRUE(MarkNear(k, two[k], kDotColour)) << k;

    ClickButton(view->m_nPlotRight - 10, view->m_nPlotTop + 88); // p增
    Repaint();
    EXPECT_EQ(Last("p="), "0.400");
    EXPECT_EQ(Last(u8"期望=np="), "0.80");
    EXPECT_EQ(Last(u8"方差=npq="), "0.48");
    const double p4[] = {0.36, 0.48, 0.16};
    for (int k = 0; k <= 2; ++k) EXPECT_TRUE(MarkNear(k, p4[k], kDotColour)) << k;
    EXPECT_TRUE(MarkNear(0.8, 0, RGB(250, 255, 0)));
}

// Poisson with λ = 2: e^-2 2^k / k! = 0.135335, 0.270671, 0.270671,
// 0.180447; the hypergeometric N = 10, M = 4, n = 3: C(4,k) C(6,3-k) / C(10,3)
// = 1/6, 1/2, 3/10, 1/30, mean 1.2, variance 0.56.
TEST_F(DemoStepTest, PoissonAndHypergeometricDots) {
    OpenScript("700DisDistribution(0.2,3,44,13,2,10,1,1,1)\n");
    EXPECT_EQ(Last(u8"方差=λ="), "2.00");
    const double poisson[] = {0.1353352832, 0.2706705665, 0.2706705665, 0.1804470443};
    for (int k = 0; k < 4; ++k) EXPECT_TRUE(MarkNear(k, poisson[k], kDotColour)) << k;
    EXPECT_FALSE(MarkNear(1, 0.1804470443, kDotColour, 1));

    OpenScript("700DisDistribution(0.2,3,44,13,0.5,3,2,1,1,0,10,4)\n");
    EXPECT_EQ(Last(u8"期望=nM/N="), "1.20");
    EXPECT_EQ(Last(u8"方差=nm(N-n)(N-M)/((N-1)N^2)=  "), "0.56");
    const double hyper[] = {1.0 / 6, 0.5, 0.3, 1.0 / 30};
    for (int k = 0; k < 4; ++k) EXPECT_TRUE(MarkNear(k, hyper[k], kDotColour)) << k;
}

// The normal density's curve at μ ± σ stands at 1/(σ √(2π)) e^(-1/2):
// 0.2419707 for σ = 1; after "σ增" (σ = 1.1) 0.2199734 at 1.1 and at 0 the
// peak 1/(1.1 √(2π)) = 0.3626748.
TEST_F(DemoStepTest, NormalDensityAwayFromItsMean) {
    OpenScript("700ConDistribution(0.2,3,44,13,1,1,2,-4,4,-0.1,1.1,0,1,10,5,0)\n");
    Click((view->m_nPlotLeft + view->m_nPlotRight) / 2 + 7,
          (view->m_nPlotTop + view->m_nPlotBottom) / 2);
    // The area left of the cursor, right of it, the curve and the
    // distribution function crossing the area.
    const std::vector<COLORREF> area = {kDotColour, RGB(255, 100, 100), kSolutionColour,
                                        RGB(0, 150, 255), RGB(250, 255, 0)};
    auto expectTop = [&](double x, double density) {
        EXPECT_NEAR(TopOfRun(x, 0.7 * density, area), Py(density), 4) << x;
    };
    EXPECT_EQ(Last(u8"方差=σ^2="), "1.00");
    expectTop(-1, 0.2419707245);
    expectTop(1, 0.2419707245);
    expectTop(1.5, 0.1295175957);
    ClickButton(view->m_nPlotRight - 10, view->m_nPlotTop + 88); // σ增
    Repaint();
    EXPECT_EQ(Last(u8"σ="), "1.10");
    EXPECT_EQ(Last(u8"方差=σ^2="), "1.21");
    expectTop(1.1, 0.2199733859);
    expectTop(-1.1, 0.2199733859);
    expectTop(0, 0.3626748362);
}

// The uniform density on [a, b]: mean (a + b)/2, variance (b - a)²/12;
// on [1, 4]: 2.50 and 0.75; "b增" (b = 4.1): 2.55, 0.80; "a减" (a = 0.9):
// 2.50, 0.85 (by hand).
TEST_F(DemoStepTest, UniformReadoutsFollowTheButtons) {
    OpenScript("700DATA1(0,1,4,0,0,0,0,)\n"
               "700ConDistribution(0.2,3,44,13,1,1,0,-1,6,-0.1,0.6,0,1,10,5,0)\n");
    Click((view->m_nPlotLeft + view->m_nPlotRight) / 2 + 7,
          (view->m_nPlotTop + view->m_nPlotBottom) / 2);
    EXPECT_EQ(Last(u8"期望=(a+b)/2="), "2.50");
    EXPECT_EQ(Last(u8"方差=(b-a)^2/12="), "0.75");
    ClickButton(view->m_nPlotRight - 10, view->m_nPlotTop + 88); // b增
    Repaint();
    EXPECT_EQ(Last(u8"期望=(a+b)/2="), "2.55");
    EXPECT_EQ(Last(u8"方差=(b-a)^2/12="), "0.80");
    ClickButton(view->m_nPlotRight - 10, view->m_nPlotTop + 66); // a减
    Repaint();
    EXPECT_EQ(Last("a="), "0.90");
    EXPECT_EQ(Last(u8"方差=(b-a)^2/12="), "0.85");
    // The density 1/(b - a) = 1/3.2 between a and b.
    EXPECT_TRUE(MarkNear(2, 0.3125, kSolutionColour, 1));

    // The exponential density from the page's λ = 5: mean 1/λ, variance
    // 1/λ²; twenty "λ减" make λ = 3.
    OpenScript("700ConDistribution(0.2,3,44,13,1,1,1,-0.5,4,-0.1,2.2,2,1,10,5,0)\n");
    Click((view->m_nPlotLeft + view->m_nPlotRight) / 2 + 7,
          (view->m_nPlotTop + view->m_nPlotBottom) / 2);
    EXPECT_EQ(Last(u8"λ="), "5.00");
    EXPECT_EQ(Last(u8"期望=1/λ="), "0.20");
    EXPECT_EQ(Last(u8"方差=1/λ^2="), "0.04");
    for (int i = 0; i < 20; ++i) ClickButton(view->m_nPlotRight - 10, view->m_nPlotTop + 66);
    Repaint();
    EXPECT_EQ(Last(u8"λ="), "3.00");
    EXPECT_EQ(Last(u8"期望=1/λ="), "0.33");
    EXPECT_EQ(Last(u8"方差=1/λ^2="), "0.11");
}

} // namespace
