// The iterative matrix demonstrations on their sample pages, stepped with
// their buttons as a user clicks them, and scripts with sizes and steps that
// must neither crash nor hang. Expected numbers: python3 (see
// test_numeric_iteration.cpp for how they were computed).
#include "test_support.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

using namespace test_support;

using IterationPageTest = SampleTopicTest;

TEST_F(IterationPageTest, QrPageStepsToTheEigenvaluesOfTheDefaultMatrix) {
    auto v = Open("213");
    // Step 1 of Gram-Schmidt: A - 0.1 I above, Q's first column below.
    EXPECT_TRUE(text.Saw("0.4000"));
    EXPECT_TRUE(text.Saw("0.0667"));
    for (int k = 0; k < 4; ++k) Click(*v, ButtonRow(*v, 0));
    EXPECT_EQ(v->m_nDemoStep, 5);
    EXPECT_TRUE(text.Saw("A")); // A with index 1
    // Far on, the diagonal holds the eigenvalues.
    v->m_nDemoStep = 500;
    v->m_nDecimals = 6;
    Redraw(*v);
    for (const char* e : {"0.875115", "0.040905", "0.000647"}) EXPECT_TRUE(text.Saw(e)) << e;
    // "HQR" restarts at step 0 with the Householder variant.
    Click(*v, ButtonRow(*v, 4));
    EXPECT_EQ(v->m_nDemoStep, 0);
    Redraw(*v);
    EXPECT_EQ(v->m_nPlotMode, 1);
    // "P增加" moves the shift and keeps the step.
    v->m_nDemoStep = 3;
    Click(*v, ButtonRow(*v, 6));
    EXPECT_NEAR(v->m_dStepH, 0.2, 1e-12);
    EXPECT_EQ(v->m_nDemoStep, 3);
}

TEST_F(IterationPageTest, IterativeSolversConvergeOnTheTypedSystem) {
    auto v = Open("205");
    EXPECT_TRUE(text.Saw("12.0000")); // step 1: the typed system
    // Six iterations asked; Jacobi meets ε = 0.1 at the fifth (python3:
    // x^5 = (3.0003, 1.9840, 1.0010), x^6 = (2.9938, 2.0000, 1.0038)).
    for (int k = 0; k < 6; ++k) Click(*v, ButtonRow(*v, 0));
    EXPECT_TRUE(text.Saw("3.0003"));
    EXPECT_FALSE(text.Saw("2.9938"));
    // "Seidel" restarts on the start screen with Gauss-Seidel.
    Click(*v, ButtonRow(*v, 4));
    Redraw(*v);
    EXPECT_EQ(v->m_nPlotMode, 1);
    EXPECT_EQ(v->m_nDemoStep, 1);
    Click(*v, ButtonRow(*v, 0));
    Click(*v, ButtonRow(*v, 0));
    EXPECT_TRUE(text.Saw("2.9773")); // x^2 by hand: (20 + 3 x2 - 2 x3) / 8
    // Relaxation with the script's ω = 1.1: x1 = 1.1 * 20 / 8 at once.
    Click(*v, ButtonRow(*v, 5));
    Redraw(*v);
    Click(*v, ButtonRow(*v, 0));
    EXPECT_TRUE(text.Saw("2.7500"));
    // "ε减少" twice: 0.1 * 0.8 * 0.8.
    Click(*v, ButtonRow(*v, 7));
    Click(*v, ButtonRow(*v, 7));
    EXPECT_NEAR(v->m_dEpsilon, 0.064, 1e-15);
    // "ω增加" starts from the script's factor.
    Click(*v, ButtonRow(*v, 8));
    Redraw(*v);
    EXPECT_TRUE(text.Saw("1.200"));
}

TEST_F(IterationPageTest, SteppingPastConvergenceKeepsTheConvergedTable) {
    // Jacobi on the typed system meets ε = 0.1 at iteration 5 (python3:
    // max |x^4 − x^3| = 0.1123, max |x^5 − x^4| = 0.0805): however often
    // "下一步" is pressed, the table lists iterations 1..5 and "n=" is 5.
    auto v = Open("205");
    for (int k = 0; k < 25; ++k) Click(*v, ButtonRow(*v, 0));
    Redraw(*v);
    EXPECT_EQ(v->m_nDemoStep, 6);
    const std::vector<std::string> rows = {"1", "2", "3", "4", "5"};
    EXPECT_EQ(text.ValuesAfter("  "), rows);
    EXPECT_EQ(text.After("n="), "5");
    EXPECT_TRUE(text.Saw("3.0003")); // x^5 = (3.0003, 1.9840, 1.0010)
    // A tighter ε lets the next step go on.
    Click(*v, ButtonRow(*v, 7)); // ε减少: 0.08
    Click(*v, ButtonRow(*v, 0));
    Redraw(*v);
    EXPECT_EQ(text.After("n="), "6");
}

TEST_F(IterationPageTest, PowerAndJacobiPagesReachTheDefaultEigenvalues) {
    auto v = Open("204");
    v->m_nDecimals = 6;
    // The power method: λ = 1.0752 after one iteration (by hand:
    // 1/2 + (1/3)(101/102) + (1/4)(101/103)), then 0.875115.
    Click(*v, ButtonRow(*v, 0, 2));
    EXPECT_TRUE(text.Saw("1.075211"));
    // "ε减少" (the script's ε no longer applies), then far on.
    Click(*v, ButtonRow(*v, 10, 2));
    EXPECT_NEAR(v->m_dEpsilon, 0.8e-6, 1e-18);
    v->m_dEpsilon = 1e-13;
    v->m_nDemoStep = 20;
    Redraw(*v);
    EXPECT_TRUE(text.Saw("0.875115"));
    // "反幂法" from the next paint on: the smallest eigenvalue.
    Click(*v, ButtonRow(*v, 6, 2));
    Redraw(*v);
    EXPECT_EQ(v->m_nPendingPlotMode, 1); // (the next command on the page resets the active one)
    EXPECT_TRUE(text.Saw("0.000647"));
    // The graph display draws the iterates instead of the table.
    Click(*v, ButtonRow(*v, 3, 2));
    Redraw(*v);
    EXPECT_EQ(v->m_nScriptPlotMode, 1);
    EXPECT_FALSE(text.Saw("0.000647"));

    // Jacobi's rotations below: far on, the diagonal holds all three.
    auto j = Open("204");
    j->m_nDecimals = 6;
    j->m_nDemoStep = 30;
    j->ScrollToPosition(CPoint(0, 900));
    Redraw(*j);
    for (const char* e : {"0.875115", "0.040905", "0.000647"}) EXPECT_TRUE(text.Saw(e)) << e;
}

TEST_F(IterationPageTest, DescentPageColoursTheFormAndDrawsItsArrows) {
    auto v = Open("200");
    const QImage& image = v->BackingImage();
    const int l = v->m_nPlotLeft + 2, t = v->m_nPlotTop + 2, r = v->m_nPlotRight - 2,
              b = v->m_nPlotBottom - 2;
    // The colour map: red where the form is largest (the corner (-3, 3)),
    // pure green at its minimum (2.2, -2.6), many levels between.
    std::set<QRgb> levels;
    for (int y = t; y < b; y += 7)
        for (int x = l; x < r; x += 7) levels.insert(image.pixel(x, y) & 0xffffff);
    EXPECT_GT(levels.size(), 10u);
    const COLORREF corner = ColourAt(image, l + 1, t + 1);
    EXPECT_EQ(GetRValue(corner), 240); // level c near 255: red 240, green 0
    EXPECT_EQ(GetGValue(corner), 0);
    const COLORREF arrow = v->m_crFirstDerivative;
    EXPECT_EQ(CountColour(image, arrow, l, t, r, b), 0);
    // Two steps of steepest descent: arrows from (0, 0).
    Click(*v, ButtonRow(*v, 5));
    Click(*v, ButtonRow(*v, 5));
    EXPECT_EQ(v->m_nDemoStep, 3);
    EXPECT_GT(CountColour(v->BackingImage(), arrow, l, t, r, b), 50);
    // "显示数据": the table with x1 = (25/42) c (by hand).
    Click(*v, ButtonRow(*v, -1));
    Redraw(*v);
    EXPECT_TRUE(text.Saw("2.3810"));
    EXPECT_TRUE(text.Saw("-1.7857"));
}

// Scripts of our own: sizes, variants and steps far outside their ranges.
class IterationScriptTest : public ScratchPageTest {
protected:
    IterationScriptTest() : ScratchPageTest("iteration") {}
    static void Write(const char* body) { WriteScript("901", body); }
};

TEST_F(IterationScriptTest, SizesStepsAndVariantsOutOfRangeNeverCrash) {
    Write("700QR(0.4,5,38,11,500,9,1,0.1,0)\n"
          "700QR(0.4,5,38,11,-3,-2)\n"
          "700JacobiSeidel(0.4,5,38,12,50,7,1,1,2)\n"
          "700JacobiSeidel(0.4,5,38,12,-2,2,0,1,2,3,4,5,6,7,8,9)\n"
          "700PowerMethod(0.4,5,38,12,40,1,9,1,0,0)\n"
          "700PowerMethod(0.4,5,38,12,-1,7,3,0,0.5,-1)\n"
          "700JacobiMethod(0.4,5,38,12,99,1,0)\n"
          "700JacobiMethod(0.4,5,38,12,-5)\n"
          "700Gradient(0.4,5,38,12,0,1,0,-3,3,-3,3,-4,900,1,1)\n"
          "700Gradient(0.4,5,38,12,7,2,0,-3,3,-3,3,1,2,50,-3,0)\n"
          "700Gradient(0.4,5,38,12,2,2,0,3,-3,3,-3,1,2,25,25,-1)\n");
    DrawAtOddSteps(View("901").get());
    EXPECT_TRUE(messages.empty());
}

TEST_F(IterationScriptTest, StartListsWithoutTheirRelaxationFactorUseOne) {
    // Three start values and no ω for n = 3: ω is 1, not what an earlier
    // page left; the other start value of a short list is 0.
    Write("700JacobiSeidel(0.4,5,38,12,3,2,0,1,2,3)\n");
    auto v = View("901");
    TextRecorder text;
    v->m_pTextSink = &text;
    v->m_adShapeX1[3] = 1.9;
    Draw(v.get());
    for (const char* x : {"1.0000", "2.0000", "3.0000"}) EXPECT_TRUE(text.Saw(x)) << x;
    EXPECT_EQ(text.After(u8"ω="), "1.000");
    EXPECT_FALSE(text.Saw("1.900"));
    Write("700JacobiSeidel(0.4,5,38,12,3,2,0,5)\n");
    auto w = View("901");
    w->m_pTextSink = &text;
    w->m_adShapeX1[1] = 7;
    text.pieces.clear();
    Draw(w.get());
    EXPECT_TRUE(text.Saw("5.0000"));
    EXPECT_FALSE(text.Saw("7.0000"));
}

TEST_F(IterationScriptTest, JacobiOnTheDefaultSystemShowsItsGrowthUntilNoNumbersAreLeft) {
    Write("700JacobiSeidel(0.4,5,38,12,3,0,0)\n");
    auto v = View("901");
    TextRecorder text;
    v->m_pTextSink = &text;
    // Step 200 shows iterations 1, 24, 47, ..., 185 (stride 23); |x| grows
    // by about 1.86 an iteration (python3) and is still a number at the
    // 199th: every row is shown.
    v->m_nDemoStep = 200;
    v->m_dEpsilon = 1e-6; // at 0.1 the first change (0.058) already passes
    Draw(v.get());
    EXPECT_GE(text.Count("24"), 1);
    EXPECT_GE(text.Count("185"), 1);
    EXPECT_EQ(v->m_nDemoStep, 200);
    // Iteration 1151 overflows (python3): step 2000 (stride 223) shows
    // iterations up to 1116 and no further.
    text.pieces.clear();
    v->m_nDemoStep = 2000;
    Draw(v.get());
    EXPECT_GE(text.Count("1116"), 1);
    EXPECT_EQ(text.Count("1339"), 0);
}

} // namespace
