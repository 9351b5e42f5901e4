// The integral pages: Riemann, trapezoid, Simpson and Gauss sums against
// hand values, the labelled quadrature values, the regions of double
// integrals and the volumes and areas of revolution, drawn on whole pages.
#include "calculus/math/integrals.h"
#include "catalog/integral_memo.h"
#include "catalog/math/quadrature.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace test_support;

constexpr double kPi = 3.14159265358979323846;

// --- The sums themselves ---------------------------------------------------------

TEST(IntegralSums, RiemannTrapezoidSimpsonAndGaussMatchHandValues) {
    const auto sq = [](double x) { return x * x; };
    // x² on [0, 1], n = 4: (0+1+4+9)/64, (1+9+25+49)/256, (1+4+9+16)/64.
    EXPECT_DOUBLE_EQ(calculus::RiemannSum(sq, 0, 1, 4, 0.0), 14.0 / 64);
    EXPECT_DOUBLE_EQ(calculus::RiemannSum(sq, 0, 1, 4, 0.5), 84.0 / 256);
    EXPECT_DOUBLE_EQ(calculus::RiemannSum(sq, 0, 1, 4, 1.0), 30.0 / 64);
    // Trapezoids: h/2 (f0 + 2 f1 + 2 f2 + 2 f3 + f4) = 44/128.
    EXPECT_DOUBLE_EQ(calculus::TrapezoidSum(sq, 0, 1, 4), 44.0 / 128);
    // Simpson is exact on quadratics: ∫₀¹ 3x² + 2x + 1 = 3.
    const auto quad = [](double x) { return 3 * x * x + 2 * x + 1; };
    for (int n : {1, 3, 7}) EXPECT_NEAR(calculus::SimpsonSum(quad, 0, 1, n), 3.0, 1e-12) << n;
    // Two nodes integrate cubics, three nodes quintics (to the table's
    // ten digits).
    EXPECT_NEAR(calculus::GaussSum([](double x) { return x * x * x; }, -1, 1, 1, 1), 0, 1e-12);
    EXPECT_NEAR(calculus::GaussSum(sq, -1, 1, 1, 1), 2.0 / 3, 1e-9);
    EXPECT_NEAR(calculus::GaussSum([](double x) { return std::pow(x, 5); }, 0, 1, 2, 2), 1.0 / 6,
                1e-9);
    // Weights of every row add up to 2.
    for (int m = 1; m <= 5; ++m) {
        double w = 0;
        for (int i = 0; i <= m; ++i) w += calculus::GaussWeight(i, m);
        EXPECT_NEAR(w, 2.0, 1e-9) << m;
    }
    EXPECT_EQ(calculus::GaussSum(sq, 0, 1, 4, 0), 0.0);
    EXPECT_EQ(calculus::RiemannSum(sq, 0, 1, 0, 0.5), 0.0);
}

TEST(IntegralSums, ButtonsDoubleAndHalveWithinTheCap) {
    EXPECT_EQ(calculus::DoubledSubintervals(1), 2);
    EXPECT_EQ(calculus::DoubledSubintervals(0), 1);
    EXPECT_EQ(calculus::DoubledSubintervals(calculus::kMaxDemoSubintervals),
              calculus::kMaxDemoSubintervals);
    EXPECT_EQ(calculus::HalvedSubintervals(5), 2);
    EXPECT_EQ(calculus::HalvedSubintervals(1), 0);
    int n = 1;
    for (int i = 0; i < 100; ++i) n = calculus::DoubledSubintervals(n);
    EXPECT_EQ(n, calculus::kMaxDemoSubintervals);
}

TEST(IntegralSums, DegenerateQuadratureReturnsWithoutEvaluating) {
    // No pieces, an empty or reversed interval, or a zero step factor: the
    // value 0 at once, without one evaluation.
    int calls = 0;
    const auto F = [&calls](double x) {
        ++calls;
        return x;
    };
    const catalog::QuadratureFunctions fn{F, F, F, 0.1, 0.0, 0.0, 0.0};
    catalog::QuadratureFunctions flat = fn;
    flat.stepFactor = 0;
    for (int method = 1; method <= 9; ++method) {
        EXPECT_EQ(catalog::IntegrateRule(0, 1, 0, method, 0, fn), 0.0);
        EXPECT_EQ(catalog::IntegrateRule(0, 1, -5, method, 0, fn), 0.0);
        EXPECT_EQ(catalog::IntegrateRule(1, 1, 10, method, 0, fn), 0.0);
        EXPECT_EQ(catalog::IntegrateRule(1, 0, 10, method, 0, fn), 0.0);
        EXPECT_EQ(catalog::IntegrateRule(0, 1, 10, method, 0, flat), 0.0);
    }
    EXPECT_EQ(calls, 0);
}

TEST(IntegralSums, PickedPointsGetThePolarPageAngles) {
    struct Case {
        double cx, cy, a, angle;
    } const cases[] = {
        {0, -1, 0, 1.571},          {1, 1, 0, kPi / 4},           {1, -1, -1, -kPi / 4},
        {1, -1, 0, 6.28 - kPi / 4}, {-1, 1, 0, 3.1416 - kPi / 4}, {-1, -1, 0, 3.1416 + kPi / 4},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(calculus::PolarPickAngle(c.cx, c.cy, c.a), c.angle, 1e-12)
            << c.cx << "," << c.cy;
}

// --- Pages -------------------------------------------------------------------------

class IntegralPageTest : public PageViewTest {
protected:
    std::string First(const std::string& utf8Label) const {
        const auto v = After(utf8Label);
        return v.empty() ? std::string("(none)") : v.front();
    }
    // Whether the page shows the string as DrawStringWorld writes it at the
    // world point: nearly every pixel of a copy drawn alone is on the page.
    bool ShowsAtWorld(double x, double y, const std::string& utf8, COLORREF colour) {
        const CPoint p = WorldPixel(*view, x, y);
        // The edge searches step by 0.001: a pixel either way is the same place.
        for (int dy = -2; dy <= 2; ++dy) {
            const int px = p.x + 2, py = p.y + dy;
            const CRect near(px - 10, py - 60, px + 200, py + 60);
            if (ShowsString(*view, px, py, utf8, colour, near)) return true;
        }
        return false;
    }
    // Pixels of the plot that differ from the image kept before.
    int ChangedInPlot(const QImage& before) const {
        const CPemroView& v = *view;
        int n = 0;
        for (int y = v.m_nPlotTop; y < v.m_nPlotBottom; ++y)
            for (int x = v.m_nPlotLeft; x < v.m_nPlotRight; ++x)
                n += ColourAt(before, x, y) != ColourAt(v.BackingImage(), x, y);
        return n;
    }
};

using IntegralSampleTest = OnSampleCourse<IntegralPageTest>;

class ScratchIntegralTest : public OnScratchScripts<IntegralPageTest> {
protected:
    // A one-figure page: the command line, its label lines, blank lines.
    static void Script(const std::string& code, const std::string& utf8Command,
                       const std::vector<std::string>& labels = {"x", "y"}) {
        std::string text = "014T\n70" + std::to_string(labels.size() / 2) + utf8Command + "\n";
        for (const std::string& l : labels) text += l + "\n";
        for (int i = 0; i < 11; ++i) text += "104\n";
        WriteScript(code, text);
    }
};

} // namespace

TEST_F(IntegralSampleTest, EveryIntegralPageDrawsWithoutAMessage) {
    for (const char* topic : {"319", "320", "323", "324", "325", "326", "328", "457"}) {
        Open(topic, 4000);
        EXPECT_EQ(view->m_strLastDataPath, std::string("data\\") + topic + ".txt");
        EXPECT_TRUE(messages.empty()) << topic;
    }
}

TEST_F(IntegralSampleTest, TheRuleTableComparesTheRulesOnTenPieces) {
    Open("323", 4000);
    // ∫₀¹ x² with h = 0.1: left 0.285, middle 0.3325, right 0.385,
    // trapezoids (0.285 + 0.385)/2, Simpson and Gauss exact.
    const char* const expected[][2] = {
        {u8"矩形左端点公式:", "0.2850"}, {u8"矩形中点公式:", "0.3325"},
        {u8"矩形右端点公式:", "0.3850"}, {u8"梯形公式:", "0.3350"},
        {u8"辛普生公式:", "0.3333"},     {u8"高斯公式:", "0.3333"},
    };
    for (const auto& e : expected) EXPECT_EQ(First(e[0]), e[1]) << e[0];
}

TEST_F(IntegralSampleTest, TheSurfaceAreaPageGivesTheArcLengthOfItsCurve) {
    Open("328", 4000);
    // ∫ sqrt(1 + sin² x) dx over [-1.5, 1.5] = 3.620039 (python3, Simpson
    // with 200,000 pieces).
    EXPECT_EQ(First(u8"(上)曲线弧长: "), "3.6200");
}

TEST_F(IntegralSampleTest, TheGaussPageListsItsNodesAndWeights) {
    Open("457", 4000);
    // Three-point Gauss-Legendre on [-1, 1]: nodes 0, ±√(3/5) = ±0.774597,
    // weights 2/((1 - x²) P3'(x)²) = 5/9, 8/9, 5/9. On [0, π] with one
    // piece the nodes are π/2 (1 ± 0.774597): 0.354, 1.571, 2.788, and
    // sin there 0.346711, 1, 0.346711.
    const std::vector<std::string> f = {"0.346711", "1.000000", "0.346711"};
    const std::vector<std::string> t = {"0.354", "1.571", "2.788"};
    const std::vector<std::string> w = {"0.555556", "0.888889", "0.555556"};
    EXPECT_EQ(After("f    ="), f);
    EXPECT_EQ(After("w[ ]="), w);
    // Each value is followed by its node as a subscript (an empty label, then the number).
    std::vector<std::string> nodes;
    const auto& p = log.pieces;
    for (size_t i = 0; i + 3 < p.size(); ++i)
        if (p[i].text == "f    =") nodes.push_back(p[i + 3].text);
    EXPECT_EQ(nodes, t);
    // Six nodes on two pieces give twelve rows; only those that end above
    // the top of sin x (y = 1) are listed: rows at 3.5 − 0.4 r, a row and
    // its subscript 1.5 character heights deep.
    view->m_nDemoOption2 = 5;
    view->m_nDemoStep = 2;
    view->m_bLoadScriptSettings = 0;
    Repaint();
    const CPemroView& v = *view;
    size_t fit = 0;
    for (int r = 1; r <= 7; ++r) {
        const int py = Py(3.5 - 0.4 * r), top = Py(1.0);
        fit += py + 3 * v.m_nBaseCharHeight / 2 < top - 2;
    }
    EXPECT_GE(fit, 3u);
    EXPECT_EQ(After("f    =").size(), fit);
    EXPECT_EQ(After(u8"积分值:").size(), 1u);
}

TEST_F(IntegralSampleTest, TrapezoidPageDrawsSinAndShadesOnlyUnderIt) {
    Open("324", 4000);
    const QImage& img = view->BackingImage();
    const COLORREF curve = view->m_crCurveSetting;
    const auto near = [&](int px, int py, COLORREF c) {
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy)
                if (ColourAt(img, px + dx, py + dy) == c) return true;
        return false;
    };
    // sin 0.5 = 0.4794, sin 1.5 = 0.9975, sin 2.5 = 0.5985.
    const double points[][2] = {{0.5, 0.4794}, {1.5, 0.9975}, {2.5, 0.5985}};
    for (const auto& p : points) EXPECT_TRUE(near(Px(p[0]), Py(p[1]), curve)) << p[0];
    // The same curve turned across, x = sin y, passes (0.9320, 1.2).
    EXPECT_FALSE(near(Px(0.9320), Py(1.2), curve));

    // Past the outline limit the area is shaded: under sin x, never above 1.
    view->m_nDemoStep = calculus::kMaxDemoSubintervals;
    Repaint();
    const COLORREF fill = view->m_crFirstDerivative;
    EXPECT_EQ(ColourAt(img, Px(1.5), Py(0.5)), fill);
    int above = 0;
    for (int y = view->m_nGraphTop - 40; y < Py(1.0) - 2; ++y)
        for (int x = 0; x < img.width(); ++x) above += ColourAt(img, x, y) == fill;
    EXPECT_EQ(above, 0);
}

TEST_F(ScratchIntegralTest, SimpsonOnAQuadraticEqualsTheIntegral) {
    // 3x² + 2x + 1 is not in the catalogue; x² on [0, 1.5] is: 1.125.
    Script("901", "Calculus1(0.3,3,34,9,21,-1,5,-0.2,2,-0.2,2.5,0,1.5)");
    Open("901");
    for (int n : {1, 2, 4}) {
        view->m_nDemoStep = n;
        Repaint();
        EXPECT_EQ(First(u8"积分值:"), "1.125000") << n;
        EXPECT_EQ(First(u8"积分近似值:"), First(u8"积分值:")) << n;
    }
}

TEST_F(ScratchIntegralTest, KindsFromEightAreTheWorkAndPressureProblems) {
    // Kind 8 is the first of them: lifting the water of cross-section x² on
    // [0, 1] to the height 1 takes ∫ s²(1 − s) ds = 1/12.
    Script("905",
           "Curve(0.3,3,34,9,21,-1,0,-0.2,1.2,-0.2,1.2,0,1)\n"
           "700PRNCalculus(21,0,-0.15,1.1,8,0,0,0,1,1,100)",
           {});
    Open("905");
    EXPECT_EQ(First(u8"吸水做功:"), "0.0833");
}

TEST_F(ScratchIntegralTest, RiemannSumsOfTheSquareTakeTheChosenPoint) {
    Script("902", "Calculus1(0.3,3,34,9,21,-1,3,-0.2,1.2,-0.2,1.2,0,1)");
    Open("902");
    view->m_nDemoStep = 4;
    // Hand sums of x² over four pieces of [0, 1].
    const struct {
        const char* button;
        const char* value;
        double c;
    } cases[] = {
        {u8"左端点", "0.218750", 0.0},
        {u8"中点", "0.328125", 0.5},
        {u8"右端点", "0.468750", 1.0},
    };
    for (const auto& c : cases) {
        ClickControl(c.button);
        Repaint(); // a later pass keeps the choice and the sum
        EXPECT_EQ(First(u8"积分近似值:"), c.value);
        EXPECT_EQ(view->m_dDemoParam, c.c);
    }
    EXPECT_EQ(First("n="), "4");
}

TEST_F(ScratchIntegralTest, NButtonsActOncePerClickAndStopAtTheCap) {
    Script("903", "Calculus1(0.3,3,34,9,21,-1,4,-0.2,1.2,-0.2,1.2,0,1)");
    Open("903");
    ClickButton(view->m_nPlotLeft, view->m_nPlotTop);
    Repaint();
    Repaint();
    EXPECT_EQ(view->m_nDemoStep, 2);
    // Trapezoids of x² on [0, 1] with two pieces: (0 + 2/4 + 1)/4.
    EXPECT_EQ(First(u8"积分近似值:"), "0.375000");
    for (int i = 0; i < 30; ++i) ClickButton(view->m_nPlotLeft, view->m_nPlotTop);
    EXPECT_EQ(view->m_nDemoStep, calculus::kMaxDemoSubintervals);
    // Halving from 1 reaches 0, which no sum divides by.
    view->m_nDemoStep = 1;
    ClickControl(u8"n减少");
    EXPECT_EQ(First("n="), "1");
}

TEST_F(ScratchIntegralTest, TheDataSwitchKeepsTheChosenRule) {
    // The rule chosen by its button; the table switch must not change it.
    Script("904", "Calculus1(0.3,3,34,9,21,-1,-1,-0.2,1.2,-0.2,1.2,0,1)");
    Open("904");
    view->m_nDemoOption = 4;
    view->m_nDemoStep = 2;
    Repaint();
    ClickControl(u8"显示数据");
    Repaint();
    EXPECT_EQ(view->m_nSubDemo, 4);
    // Three rows f(x_i): 0, 0.25, 1.
    EXPECT_EQ(After("f    =").size(), 3u);
    EXPECT_EQ(After("f    =")[1], "0.250000");
}

// --- Regions of double integrals ------------------------------------------------------

TEST_F(ScratchIntegralTest, DomainxyShowsTheLimitsOfTheInnerIntegral) {
    // x² ≤ y ≤ x on [0, 1], limits shown, dx direction, no arrows.
    Script("911", "Domainxy(0.3,3,34,9,20,21,0,-0.2,1.2,-0.2,1.2,0,1,2,0,1)", {"y=x", "y=x^2"});
    Open("911");
    view->m_dCursorX = 0.5;
    view->m_dCursorY = 0.3;
    Repaint();
    const COLORREF text = view->m_crSecondDerivative;
    // x² and x at 0.5: the limits 0.25 and 0.5.
    EXPECT_TRUE(ShowsAtWorld(0.5, 0.25, u8"y的下限", text));
    EXPECT_TRUE(
        ShowsAtWorld(0.5, 0.5 + 25 * view->m_dYSpan / view->m_nPlotHeight, u8"y的上限", text));
    // The segment between the limits at x = 0.5 runs from 0.25 to 0.5.
    const COLORREF mark = view->m_crSecondDerivative;
    EXPECT_EQ(ColourAt(view->BackingImage(), Px(0.5), Py(0.4)), mark);
    EXPECT_NE(ColourAt(view->BackingImage(), Px(0.5), Py(0.6)), mark);
    // A point outside [a, b] shows nothing at the point; the hint stays.
    view->m_dCursorX = 1.1;
    Repaint();
    EXPECT_FALSE(ShowsAtWorld(0.5, 0.25, u8"y的下限", text));
    EXPECT_TRUE(ShowsAtWorld(view->m_dXMin + 0.05 * view->m_dXSpan, view->m_dYMax, u8"选区域中的点",
                             view->m_crCurveSetting));
}

TEST_F(ScratchIntegralTest, DomainxyYTypeButtonTurnsTheLimitsAcross) {
    Script("912", "Domainxy(0.3,3,34,9,20,21,0,-0.2,1.2,-0.2,1.2,0,1,2,0,1)", {"y=x", "y=x^2"});
    Open("912");
    view->m_dCursorX = 0.5;
    view->m_dCursorY = 0.3;
    Repaint();
    ClickButton(view->m_nFigureRight - 10, view->m_nFigureTop + 74);
    Repaint();
    EXPECT_EQ(view->m_nPlotOrientation, 2);
    // At y = 0.3 the region runs from x = 0.3 to √0.3 = 0.5477.
    EXPECT_TRUE(ShowsAtWorld(std::sqrt(0.3), 0.3, u8"x的上限", view->m_crSecondDerivative));
}

TEST_F(ScratchIntegralTest, PolarFillStaysInsideThePlotWhenItsBoundaryIsCut) {
    // r = θ from 0.3 to 1.5 leaves the small world range: the boundary has
    // gaps and the fill spreads through them.
    Script("913", "Domainr(0.3,3,34,9,20,3,0,-0.2,0.8,-0.2,0.8,0.3,1.5,2,0)", {"r=sinθ", "r=θ"});
    Open("913");
    const CPemroView& v = *view;
    const QImage& img = v.BackingImage();
    const COLORREF fill = RGB(0, 155, 155);
    int inside = 0, outside = 0;
    for (int y = v.m_nGraphTop - 40; y < v.m_nGraphBottom + 40; ++y)
        for (int x = 0; x < img.width(); ++x) {
            if (y < 0 || y >= img.height()) continue;
            const bool inPlot = v.m_nPlotLeft <= x && x < v.m_nPlotRight && v.m_nPlotTop <= y &&
                                y < v.m_nPlotBottom;
            (inPlot ? inside : outside) += ColourAt(img, x, y) == fill;
        }
    EXPECT_GT(inside, 0);
    EXPECT_EQ(outside, 0);
}

TEST_F(ScratchIntegralTest, PolarRegionLimitsAlongTheRayAndTheCircle) {
    Script("914", "Domainr(0.3,3,34,9,20,3,0,-0.4,1.8,-0.2,1.8,0.3,1.5,2,0)", {"r=sinθ", "r=θ"});
    Open("914");
    // A point at angle 1 between sin 1 and 1.
    view->m_dCursorX = 0.9 * std::cos(1.0);
    view->m_dCursorY = 0.9 * std::sin(1.0);
    Repaint();
    const COLORREF mark = view->m_crSecondDerivative;
    EXPECT_TRUE(ShowsAtWorld(std::sin(1.0) * std::cos(1.0), std::sin(1.0) * std::sin(1.0),
                             u8"r的下限", mark));
    // The upper limit's name stands over its point, lifted clear of the
    // curve's name "r=θ" beside it.
    const CPoint upper = WorldPixel(*view, std::cos(1.0), std::sin(1.0));
    const CRect near(upper.x - 10, upper.y - 120, upper.x + 200, upper.y + 60);
    bool shown = false;
    for (int up = 0; up <= 60 && !shown; ++up)
        shown = ShowsString(*view, upper.x + 2, upper.y - up, u8"r的上限", mark, near);
    EXPECT_TRUE(shown);
    // The r-type button: θ limits on the circle through the point.
    ClickButton(view->m_nFigureRight - 40, view->m_nFigureTop + 22);
    Repaint();
    EXPECT_EQ(view->m_nRegionType, 2);
    // On the circle ρ = 0.9 from θ = sin 0.9 to θ = 0.9: each limit beside
    // its end of the arc, beyond it (the lower end's label right of and
    // below the point, the upper end's left of and above it).
    const double lo = std::sin(0.9);
    const auto placed = [&](const char* utf8) {
        for (const auto& p : log.pieces)
            if (p.text == Gbk(utf8) && p.colour == mark) return CPoint(p.x, p.y);
        return CPoint(-1, -1);
    };
    const CPoint low = placed(u8"θ的下限"), high = placed(u8"θ的上限");
    const int lx = Px(0.9 * std::cos(lo)), ly = Py(0.9 * std::sin(lo));
    const int hx = Px(0.9 * std::cos(0.9)), hy = Py(0.9 * std::sin(0.9));
    EXPECT_TRUE(low.x > lx && low.y > ly && low.x < lx + 40 && low.y < ly + 40) << low.x;
    EXPECT_TRUE(high.x < hx && high.y < hy && high.y > hy - 80) << high.x << "," << high.y;
}

TEST_F(ScratchIntegralTest, TheRTypeRegionFillsItsOwnSideOfTheDiagonal) {
    // r² ≤ θ ≤ sin r for 0.3 ≤ r ≤ 0.7: every angle is below π/4, so the
    // region lies right of y = x; its mirror image in y = x stays empty.
    Script("917", "Domainr(0.3,3,34,9,3,21,0,-0.2,1.0,-0.2,1.0,0.3,0.7,1,0)", {"θ=r^2", "θ=sin r"});
    Open("917");
    ClickButton(view->m_nFigureRight - 40, view->m_nFigureTop + 22);
    Repaint();
    ASSERT_EQ(view->m_nRegionType, 2);
    const QImage& img = view->BackingImage();
    const COLORREF fill = RGB(0, 155, 155);
    for (double r : {0.55, 0.62, 0.68}) {
        const double t = (r * r + std::sin(r)) / 2, x = r * std::cos(t), y = r * std::sin(t);
        EXPECT_EQ(ColourAt(img, Px(x), Py(y)), fill) << r;
        EXPECT_NE(ColourAt(img, Px(y), Py(x)), fill) << r;
    }
    // Far from the region the plot keeps its background on both sides.
    EXPECT_NE(ColourAt(img, Px(0.2), Py(0.8)), fill);
    EXPECT_NE(ColourAt(img, Px(0.8), Py(-0.1)), fill);
    // Both axes are drawn where they belong.
    EXPECT_EQ(ColourAt(img, Px(0), Py(0.8)), view->m_crAxes);
    EXPECT_EQ(ColourAt(img, Px(0.8), Py(0)), view->m_crAxes);
}

TEST_F(ScratchIntegralTest, AClickOnTheFrameKeepsTheRegion) {
    // Each region figure, clicked on its frame outside the plot: in the top
    // strip beside the range boxes and in the margin below the buttons.
    struct Case {
        const char* command;
        bool polar; // filled in its fixed colour, else in the script's pen
    } const cases[] = {
        {"Domainxy(0.3,3,34,9,20,21,0,-0.2,1.2,-0.2,1.2,0,1,2,0,1)", false},
        {"Domainr(0.3,3,34,9,20,3,0,-0.4,1.8,-0.2,1.8,0.3,1.5,2,0)", true},
    };
    for (const Case& c : cases) {
        Script("918", c.command, {"u", "v", " ", " "});
        Open("918");
        const COLORREF fill = c.polar ? RGB(0, 155, 155) : view->m_crPen;
        const auto filled = [&] {
            const CPemroView& v = *view;
            return CountColour(view->BackingImage(), fill, v.m_nPlotLeft, v.m_nPlotTop,
                               v.m_nPlotRight, v.m_nPlotBottom);
        };
        const int before = filled();
        EXPECT_GT(before, 1000) << c.command;
        const CPemroView& v = *view;
        const CPoint frame[] = {{v.m_nPlotRight - 120, (v.m_nFigureTop + v.m_nPlotTop) / 2},
                                {v.m_nPlotRight + 4, v.m_nPlotBottom - 20}};
        for (const CPoint& p : frame) {
            Click(p.x, p.y);
            EXPECT_EQ(filled(), before) << c.command << " at " << p.x << "," << p.y;
        }
    }
}

TEST_F(ScratchIntegralTest, TheAttractedPointMassStaysOnThePlot) {
    // Placed by the script at (0.8, 0.3), or brought in below the middle
    // of the plot, (0, 0.125) here, when the script leaves it off the plot.
    struct Case {
        const char* tail;
        double x0, y0;
    } const cases[] = {{",0.8,0.3)", 0.8, 0.3}, {")", 0.0, 0.125}, {",9,0.3)", 0.0, 0.125}};
    for (const Case& c : cases) {
        Script("919",
               std::string("IntegralApp(0.3,3,34,9,20,-1,0,-2,2,-0.5,2,-1.5,1.5,3,0,1.2") + c.tail);
        Open("919");
        EXPECT_DOUBLE_EQ(view->m_dX0, c.x0) << c.tail;
        EXPECT_DOUBLE_EQ(view->m_dY0, c.y0) << c.tail;
        // The dot of the point mass, filled in the force colour (its force
        // arrow starts from its centre).
        const int x = Px(c.x0), y = Py(c.y0);
        EXPECT_GT(CountColour(view->BackingImage(), view->m_crFirstDerivative, x - 2, y - 2, x + 3,
                              y + 3),
                  3)
            << c.tail;
    }
}

// --- Solids and surfaces of revolution ------------------------------------------------

class RevolveTest : public ScratchIntegralTest {
protected:
    QImage before; // the figure before the click: curves and buttons only
    // y = x on [0, 1] (lower curve 0), turned about the x axis; the picked
    // point at x = 0.8 and a click in the graph window.
    void OpenLine(int kind) {
        Script("915", "Revolve(0.3,3,34,9,20,90,0,-0.2,1.2,-1.2,1.2,0,1," + std::to_string(kind) +
                          ",0,0,0)");
        Open("915");
        before = view->BackingImage().copy();
        view->m_dCursorX = 0.8;
        view->m_dCursorY = 0.5;
        Click(Px(0.8), Py(0.5));
    }
};

TEST_F(RevolveTest, TheConeHasVolumeAThirdOfPi) {
    OpenLine(1);
    // π/3 = 1.047198; the ten washers of width 0.1 drawn, radii at their
    // left ends: π (0 + .01 + … + .81)/10 = 0.285π = 0.895354.
    EXPECT_EQ(First(u8"旋转体体积:"), "1.047");
    ClickControl(u8"体积近似和");
    Repaint();
    EXPECT_EQ(view->m_dDemoVariant, 2.0);
    EXPECT_EQ(First(u8"体积近似值:"), "0.895");
    // The washers are drawn over the figure.
    EXPECT_GT(ChangedInPlot(before), 500);
}

TEST_F(RevolveTest, TheConeHasLateralAreaPiRootTwo) {
    OpenLine(2);
    // 2π ∫ x √2 dx over [0, 1] = π√2 = 4.442883.
    EXPECT_EQ(First(u8"旋转体侧面积:"), "4.443");
    EXPECT_GT(ChangedInPlot(before), 500);
    // The cone bands of a straight line lie on the cone: their sum is the
    // same π√2.
    ClickControl(u8"面积近似和");
    Repaint();
    EXPECT_EQ(First(u8"侧面积近似值:"), "4.443");
}

TEST_F(ScratchIntegralTest, ApproximationsSumTheElementsDrawn) {
    // y = x on [1, 3] about the x axis, ten elements of 0.2 drawn (2·0.1 is
    // not exact in floating point). Washers, radii at their left ends:
    // 0.2π Σ (1 + 0.2i)², i = 0..9 = 0.2π (10 + 0.4·45 + 0.04·285) = 7.88π
    // = 24.756; the bands of a
    // line lie on the cone: 2π√2 ∫₁³ x dx = 8√2 π = 35.543.
    const struct {
        int kind;
        const char *button, *label, *value;
    } cases[] = {{1, u8"体积近似和", u8"体积近似值:", "24.756"},
                 {2, u8"面积近似和", u8"侧面积近似值:", "35.543"}};
    for (const auto& c : cases) {
        Script("917", "Revolve(0.3,3,34,9,20,90,0,-0.5,3.5,-4,4,1,3," + std::to_string(c.kind) +
                          ",0,0,0)");
        Open("917");
        view->m_dCursorX = 3.4;
        view->m_dCursorY = 0.5;
        Click(Px(3.4), Py(0.5));
        ClickControl(c.button);
        Repaint();
        EXPECT_EQ(First(c.label), c.value) << c.kind;
    }
}

TEST_F(RevolveTest, ElementButtonsStayWithinTheirBounds) {
    OpenLine(1);
    view->m_dCursorX = 0.05; // few slices: the fine elements draw quickly
    view->m_dStepH = 0.9;
    for (int i = 0; i < 3; ++i) ClickButton(view->m_nPlotRight - 10, view->m_nPlotTop);
    EXPECT_EQ(view->m_dStepH, 1.0);
    view->m_dStepH = 0.0011;
    for (int i = 0; i < 3; ++i) ClickButton(view->m_nPlotRight - 10, view->m_nPlotTop + 24);
    EXPECT_EQ(view->m_dStepH, 0.001);
    EXPECT_TRUE(messages.empty());
}

TEST_F(ScratchIntegralTest, ShellsRunBetweenTheCurvesAtTheirOwnRadius) {
    // y = x over y = 0 on [0, 1] about x = 2: shells, the axis right of b.
    Script("916", "Revolve(0.3,3,34,9,20,90,0,-0.2,4.2,-0.2,1.2,0,1,1,1,0,2)");
    Open("916");
    view->m_dCursorX = 0.5;
    Click(Px(0.5), Py(0.3));
    Repaint();
    // Each shell's generator at t reaches down to the lower curve y = 0
    // and up to t: the mirrored generator at 2c − t = 3.55 for t = 0.45
    // has pixels near y = 0.4 but none above 0.5.
    const int x = Px(3.55);
    const COLORREF side = view->m_crFirstDerivative;
    int low = 0, high = 0;
    for (int dx = -1; dx <= 1; ++dx) {
        low += ColourAt(view->BackingImage(), x + dx, Py(0.2)) == side;
        high += ColourAt(view->BackingImage(), x + dx, Py(0.7)) == side;
    }
    EXPECT_GT(low, 0);
    EXPECT_EQ(high, 0);
}

// --- Integrals kept between passes -------------------------------------------------

TEST_F(ScratchIntegralTest, AKeptIntegralFollowsEveryInputOfItsFunction) {
    Script("918", "Curve(0.3,3,34,9,21,-1,0,-0.2,1.2,-0.2,1.2,0,1)");
    Open("918");
    CPemroView& v = *view;
    v.m_nCombineMode = 0;
    v.m_dParamStep = 1;
    // Gauss over 1,237 pieces of [0, 1]: exact on the polynomials below but
    // for its ten-digit weights (they add up to 2 + 1e-10).
    const auto value = [&v] { return v.Integrate(0, 1, 1237, 2, 0); };
    const auto runs = [] { return catalog::IntegralRuleRuns(); };
    v.m_nFuncF = 21; // x²
    EXPECT_NEAR(value(), 1.0 / 3, 1e-9);
    long before = runs();
    EXPECT_NEAR(value(), 1.0 / 3, 1e-9);
    EXPECT_EQ(runs(), before) << "the same inputs again";
    // Each input changes the value: the kept one must not be given back.
    const struct {
        const char* what;
        void (*set)(CPemroView&);
        double expected;
    } steps[] = {
        {"form x", [](CPemroView& w) { w.m_nFuncF = 20; }, 0.5},
        // |a x² + b x + c| with a = 3, c = 1: 1 + 1 = 2; then b = 2: 3.
        {"form |p|",
         [](CPemroView& w) {
             w.m_nFuncF = 19, w.m_adCoefF[0] = 3, w.m_adCoefF[1] = 0, w.m_adCoefF[2] = 1;
         },
         2.0},
        {"coefficient b", [](CPemroView& w) { w.m_adCoefF[1] = 2; }, 3.0},
        // x + x0 with x0 = 0.25: 0.5 + 0.25; then x0 = 1: 1.5.
        {"form x + x0", [](CPemroView& w) { w.m_nFuncF = 100, w.m_dBreakF0 = 0.25; }, 0.75},
        {"breakpoint", [](CPemroView& w) { w.m_dBreakF0 = 1; }, 1.5},
        // The step factor widens the pieces: h = 1.5/1237, and 825 of them
        // end at U = 1237.5/1237, a sixth of a piece past 1; ∫₀ᵁ x + 1.
        {"step factor", [](CPemroView& w) { w.m_dParamStep = 1.5; },
         0.5 * (1237.5 / 1237) * (1237.5 / 1237) + 1237.5 / 1237},
        // The product with catalogue B: x (form 20 of A) times x² (form 21 of B).
        {"combination",
         [](CPemroView& w) {
             w.m_dParamStep = 1, w.m_nCombineMode = 2, w.m_nFuncUpper = 20, w.m_nFuncLower = 21;
         },
         0.25},
        {"lower form", [](CPemroView& w) { w.m_nFuncLower = 20; }, 1.0 / 3},
    };
    for (const auto& s : steps) {
        before = runs();
        s.set(v);
        EXPECT_NEAR(value(), s.expected, 1e-9) << s.what;
        EXPECT_EQ(runs(), before + 1) << s.what;
    }
}

TEST_F(ScratchIntegralTest, TheReferenceValueFollowsAChangeBetweenAnySamplePoints) {
    Script("918", "Curve(0.3,3,34,9,21,-1,0,-0.2,1.2,-0.2,1.2,0,1)");
    Open("918");
    CPemroView& v = *view;
    v.m_nCombineMode = 0;
    v.m_dParamStep = 1;
    v.m_nFuncF = 41; // a x⁴ + b x³ + c x² + d x + e
    double* q = v.m_adCoefF;
    q[0] = q[1] = q[2] = q[3] = 0, q[4] = 1;
    EXPECT_NEAR(v.ReferenceIntegral(0, 1), 1.0, 1e-8);
    // Add the quartic that is zero at x = 0.137, 0.428, 0.719 and 1.010: the
    // function keeps its values there, and its integral over [0, 1] grows by
    // 0.00047837984.
    q[0] = 1, q[1] = -2.294, q[2] = 1.761711, q[3] = -0.511678994, q[4] = 1.04258087684;
    EXPECT_NEAR(v.ReferenceIntegral(0, 1), 1.00047837984, 1e-8);
}

TEST_F(IntegralSampleTest, APassOfAnUnchangedFigureKeepsItsArcLength) {
    Open("328", 4000);
    const long before = catalog::IntegralRuleRuns();
    Repaint();
    Repaint();
    EXPECT_EQ(catalog::IntegralRuleRuns(), before);
    EXPECT_EQ(First(u8"(上)曲线弧长: "), "3.6200");
}
