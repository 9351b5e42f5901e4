// The general function graph: axis numbers, frame and ticks, the restore,
// period and range controls, the coefficient buttons and panel, the curve
// commands, and bad ranges and steps that must end quietly.
#include "catalog/math/graph_axes.h"
#include "render/text_typeset.h"
#include "test_graph_fixture.h"

#include <cmath>
#include <cstdlib>
#include <string>

using namespace graph_test;

namespace {

// Explicit y = ax² + bx + c (form 39) with a = 1, c = -2 on [-5, 5]².
const char* const kGraphPage = "014图\n"
                               "700DATA1(0,1,0,-2,0,0,0,)\n"
                               "700Curve(0.3,3,40,12,39,-1,0,-5,5,-5,5,-4,4)\n"
                               "700ToolbarData(1)\n";

} // namespace

// --- Axis numbers (pure) ---------------------------------------------------------------

TEST(GraphAxes, DecimalsFollowTheSizeOfTheRange) {
    EXPECT_EQ(catalog::AxisDecimals(-0.05, 0.05), 3);
    EXPECT_EQ(catalog::AxisDecimals(-0.5, 0.5), 2);
    EXPECT_EQ(catalog::AxisDecimals(-5, 5), 1);
    EXPECT_EQ(catalog::AxisDecimals(-50, 500), 0);
    EXPECT_EQ(catalog::AxisDecimals(-0.1, 0.05), 2); // "below" is strict
    // Narrow ranges: a quarter of 0.102 is 0.0255, two decimals; a quarter
    // of 0.4 is 0.1, one.
    EXPECT_EQ(catalog::AxisDecimals(1.098, 1.2), 2);
    EXPECT_EQ(catalog::AxisDecimals(100, 100.4), 1);
}

TEST(GraphAxes, DigitsCountTheLargerEnd) {
    EXPECT_EQ(catalog::AxisDigits(-50, 500, 1), 3); // x: three digits
    EXPECT_EQ(catalog::AxisDigits(-50, 500, 0), 2); // y starts one lower
    EXPECT_EQ(catalog::AxisDigits(0, 10, 1), 1);    // "exceeds" is strict
    EXPECT_EQ(catalog::AxisDigits(-2000, 0, 0), 3);
}

TEST(GraphAxes, FiveTicksAQuarterSpanApart) {
    EXPECT_DOUBLE_EQ(catalog::AxisTick(-5, 5, 0), -5);
    EXPECT_DOUBLE_EQ(catalog::AxisTick(-5, 5, 1), -2.5);
    EXPECT_DOUBLE_EQ(catalog::AxisTick(-5, 5, 4), 5);
    EXPECT_EQ(catalog::kAxisTickCount, 5);
}

// The labels of each tick written out, as the axis shows them.
std::vector<std::string> TickTexts(double lo, double hi, int least, bool roomy) {
    std::vector<std::string> texts;
    const catalog::TickLabelFits fits = [roomy](double, int) { return roomy; };
    for (int i = 0; i < catalog::kAxisTickCount; ++i) {
        catalog::AxisTickLabel t{};
        texts.push_back(catalog::LabelledTick(lo, hi, i, least, fits, &t)
                            ? std::string(typeset::FormatDecimals(t.decimals, t.value).c_str())
                            : std::string("none"));
    }
    return texts;
}

// Each tick's number is its value: a tick takes the decimals it needs where
// they fit; else it moves to the nearest value the axis's decimals write,
// ends inward, a quarter point only by less than a fifth of a quarter.
TEST(GraphAxes, EachTickNumberIsItsTicksValue) {
    using V = std::vector<std::string>;
    const struct {
        double lo, hi;
        int least;
        bool roomy;
        V texts;
    } cases[] = {
        {0, 1, 1, true, V{"0.0", "0.25", "0.5", "0.75", "1.0"}},
        {-0.2, 1.2, 1, true, V{"-0.2", "0.15", "0.5", "0.85", "1.2"}},
        {-8, 8, 1, true, V{"-8.0", "-4.0", "0.0", "4.0", "8.0"}},
        {-10.55, 2, 2, true, V{"-10.55", "-7.4125", "-4.275", "-1.1375", "2.00"}},
        // No room for more decimals: 0.25 and 0.75 go without numbers.
        {0, 1, 1, false, V{"0.0", "none", "0.5", "none", "1.0"}},
        // Ends that one decimal cannot write move inward: 0.123 to 0.2,
        // 4.567 to 4.5; the middle 2.345 to the nearest, 2.3; the quarter
        // points 1.234 and 3.456 to 1.2 and 3.5 (by 0.034 and 0.044, a
        // quarter being 1.111).
        {0.123, 4.567, 1, false, V{"0.2", "1.2", "2.3", "3.5", "4.5"}},
        // Thirds never end: 1/12 moves to 0.08 (by 0.0033 of 0.083), 1/6 and
        // 1/3 to 0.17 and 0.33; 1/4 is exact.
        {0, 1.0 / 3, 2, true, V{"0.00", "0.08", "0.17", "0.25", "0.33"}},
        // Ends stepped together: quarters 8.182 and 8.394 of a 0.106 step
        // move by 0.018 and 0.006 to 8.2 and 8.4.
        {8.076, 8.5, 1, false, V{"8.1", "8.2", "8.3", "8.4", "8.5"}},
        // A range narrower than one decimal holds no written value.
        {0.12, 0.18, 1, false, V(5, "none")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TickTexts(c.lo, c.hi, c.least, c.roomy), c.texts) << c.lo << " " << c.hi;
}

TEST(GraphAxes, NoTickNumberReadsMinusZeroAndBadRangesHaveNone) {
    // -0.3 + 3 · 0.1 is a hair below zero in floating point.
    for (bool roomy : {true, false}) {
        EXPECT_EQ(TickTexts(-0.3, 0.1, 1, roomy),
                  (std::vector<std::string>{"-0.3", "-0.2", "-0.1", "0.0", "0.1"}));
    }
    EXPECT_EQ(TickTexts(1, 1, 1, true), std::vector<std::string>(5, "none"));
    EXPECT_EQ(TickTexts(2, 1, 1, true), std::vector<std::string>(5, "none"));
    EXPECT_EQ(TickTexts(0, NAN, 1, true), std::vector<std::string>(5, "none"));
    EXPECT_EQ(catalog::ExactDecimals(0.15, 1), 2);
    EXPECT_EQ(catalog::ExactDecimals(0.5, 1), 1);
    EXPECT_EQ(catalog::ExactDecimals(1.0 / 3, 0), -1);
}

// --- Frame, axes and ticks -------------------------------------------------------------

TEST_F(GraphPageTest, FrameAxesAndFiveTicksPerAxisWithOneDecimal) {
    auto v = ScriptPage("g", kGraphPage);
    ASSERT_TRUE(v->m_bFigureVisible);
    TextCollector text;
    v->m_pTextSink = &text;
    v->m_nPrevClipBottom = 0; // a full repaint
    Draw(v.get());
    v->m_pTextSink = nullptr;
    for (const char* n : {"-5.0", "-2.5", "0.0", "2.5", "5.0"}) EXPECT_EQ(text.Count(n), 2) << n;

    // The plot lies right of the side panel of the y numbers: 1 decimal and
    // the point give two character cells.
    EXPECT_EQ(v->m_nSidePanelWidth, 2 * (v->m_nBaseCharWidth + v->m_nFontStep));
    EXPECT_EQ(v->m_nPlotLeft, v->m_nFigureLeft + 12 + v->m_nSidePanelWidth);
    EXPECT_EQ(v->m_nPlotTop, v->m_nFigureTop + 18);
    EXPECT_DOUBLE_EQ(v->m_dDiffStep, 0.0001 * 10);
    // The frame is the gradient from the left frame colour, the plot the ground.
    const COLORREF frame =
        Pixel(v.get(), v->m_nPlotLeft - 16 - v->m_nSidePanelWidth, v->m_nPlotTop + 5);
    EXPECT_NEAR(GetRValue(frame), GetRValue(v->m_crLeftFrame), 2);
    EXPECT_NEAR(GetGValue(frame), GetGValue(v->m_crLeftFrame), 2);
    EXPECT_NEAR(GetBValue(frame), GetBValue(v->m_crLeftFrame), 2);
    EXPECT_EQ(Pixel(v.get(), v->m_nPlotLeft + 30, v->m_nPlotBottom - 30), v->m_crGround);
    // The x axis runs through y = 0, the middle of the plot.
    const int y0 = v->m_nPlotBottom - v->m_nPlotHeight / 2;
    int axis = 0;
    for (int dy = -1; dy <= 1; ++dy)
        axis += Pixel(v.get(), v->m_nPlotLeft + 40, y0 + dy) == v->m_crAxes;
    EXPECT_GE(axis, 1);
    // The curve y = x² - 2 passes through (1, -1).
    const CPoint p = PagePoint(v.get(), 1, -1);
    int curve = 0;
    for (int dy = -2; dy <= 2; ++dy) curve += Pixel(v.get(), p.x, p.y + dy) == v->m_crCurveSetting;
    EXPECT_GE(curve, 1);
}

TEST_F(GraphPageTest, ThreeDecimalsForASmallRangeAndNoAxesOutsideZero) {
    auto v =
        ScriptPage("s", "014图\n700Curve(0.3,3,40,12,39,-1,0,0.01,0.05,0.01,0.05,0.01,0.05)\n");
    TextCollector text;
    v->m_pTextSink = &text;
    v->m_nPrevClipBottom = 0;
    Draw(v.get());
    v->m_pTextSink = nullptr;
    EXPECT_EQ(text.Count("0.010"), 2);
    EXPECT_EQ(text.Count("0.050"), 2);
    EXPECT_FALSE(text.Saw("o"));
}

// A [-0.2, 1.2] × [0, 1] figure writes its quarter ticks exactly, and the
// lowest y number keeps above the row of the x numbers.
TEST_F(GraphPageTest, QuarterTicksAreWrittenExactly) {
    auto v = ScriptPage("q", "014图\n700Curve(0.3,3,40,12,39,-1,0,-0.2,1.2,0,1,-0.2,1.2)\n");
    TextCollector text;
    v->m_pTextSink = &text;
    v->m_nPrevClipBottom = 0;
    Draw(v.get());
    v->m_pTextSink = nullptr;
    for (const char* n : {"-0.2", "0.15", "0.85", "1.2", "0.0", "0.25", "0.75", "1.0"})
        EXPECT_EQ(text.Count(n), 1) << n;
    EXPECT_EQ(text.Count("0.5"), 2);
    for (const char* wrong : {"0.1", "0.8", "0.2", "0.3", "0.7"})
        EXPECT_EQ(text.Count(wrong), 0) << wrong;
}

// --- Buttons that act once -------------------------------------------------------------

TEST_F(GraphPageTest, CoefficientButtonActsOncePerClick) {
    auto v = ScriptPage("g", kGraphPage);
    ASSERT_DOUBLE_EQ(v->m_adCoefF[0], 1.0);
    // "a增" is the top button of the row beside the figure.
    ClickButton(v.get(), v->m_nFigureRight + 2, v->m_nFigureTop);
    EXPECT_NEAR(v->m_adSavedCoefF[0], 1.1, 1e-12);
    EXPECT_NEAR(v->m_adCoefF[0], 1.1, 1e-12);
    EXPECT_FALSE(v->m_bLoadScriptSettings);
    // Repaints without a new press change nothing.
    Draw(v.get());
    Draw(v.get());
    EXPECT_NEAR(v->m_adCoefF[0], 1.1, 1e-12);
    // "a减" below it takes the step off again.
    ClickButton(v.get(), v->m_nFigureRight + 2, v->m_nFigureTop + 24);
    EXPECT_NEAR(v->m_adCoefF[0], 1.0, 1e-12);
}

TEST_F(GraphPageTest, RangeArrowMovesTheRangeOnTheNextPass) {
    auto v = ScriptPage("g", kGraphPage);
    // The minimum box: "←" "→" "↓" "↑", spread to the page width and the font.
    int box[4][2];
    v->RangeBoxes2D(box);
    const int left = box[0][0], right = box[0][1];
    const int top = v->m_nPlotTop - (v->m_nBaseCharHeight * 10) / 11 + 1;
    const int w = right - left;
    ClickAt(v.get(), left + w / 4 + 5, top + 5); // "→": x min up by a tenth of the span
    EXPECT_DOUBLE_EQ(v->m_adSavedWorldRange[0], -4.0);
    EXPECT_DOUBLE_EQ(v->m_dXMin, -4.0); // the set-up of the extra pass took it
    EXPECT_DOUBLE_EQ(v->m_dXMax, 5.0);
    Draw(v.get());
    EXPECT_DOUBLE_EQ(v->m_dXMin, -4.0);
    ClickAt(v.get(), left + w / 2 + 5, top + 5); // "↓": y min down
    EXPECT_DOUBLE_EQ(v->m_dYMin, -6.0);
}

// The y numbers beside the plot widen as a range step gives them decimals or
// digits, and the plot moves right with them: the arrow boxes above stay
// where they were, so a click held in place keeps meeting the same arrow.
TEST_F(GraphPageTest, RangeArrowsKeepTheirPlaceWhenTheYNumbersWiden) {
    const char* const kYRanges[] = {"-5,5", "0.88,1.25", "-0.05,1.25", "-2000,0"};
    std::vector<CRect> first;
    int plotLeftMin = 1 << 30, plotLeftMax = 0;
    for (const char* y : kYRanges) {
        SCOPED_TRACE(y);
        Script("g",
               std::string("014图\n700DATA1(0,1,0,-2,0,0,0,)\n700Curve(0.3,3,40,12,39,-1,0,-5,5,") +
                   y + ",-4,4)\n");
        auto v = Page("g");
        plotLeftMin = std::min(plotLeftMin, v->m_nPlotLeft);
        plotLeftMax = std::max(plotLeftMax, v->m_nPlotLeft);
        std::vector<CRect> arrows;
        for (const Control& c : ControlsOfRepaint(v.get()).controls)
            if (c.label == Gbk(u8"↑") || c.label == Gbk(u8"↓")) arrows.push_back(c.box);
        ASSERT_EQ(4u, arrows.size());
        if (first.empty()) first = arrows;
        for (size_t i = 0; i < arrows.size(); ++i) EXPECT_EQ(first[i], arrows[i]) << i;
    }
    EXPECT_LT(plotLeftMin, plotLeftMax); // the numbers did move the plot
}

TEST_F(GraphPageTest, RestoreTakesTheScriptsRangeAndCoefficientsAgain) {
    auto v = ScriptPage("g", kGraphPage);
    ClickButton(v.get(), v->m_nFigureRight + 2, v->m_nFigureTop); // a增
    const double scale = kWidth / 800.0;
    const int left = v->m_nPlotLeft + int(6 * scale);
    const int top = v->m_nPlotTop - (v->m_nBaseCharHeight * 10) / 11 + 1;
    ClickAt(v.get(), left + 5, top + 5); // "←": x min down
    ASSERT_DOUBLE_EQ(v->m_dXMin, -6.0);
    ASSERT_NEAR(v->m_adCoefF[0], 1.1, 1e-12);
    // "恢复" stands at the figure's top-left corner while the user's values rule.
    ClickButton(v.get(), v->m_nFigureLeft, v->m_nFigureTop - 2);
    Draw(v.get());
    EXPECT_TRUE(v->m_bLoadScriptSettings);
    EXPECT_DOUBLE_EQ(v->m_dXMin, -5.0);
    EXPECT_DOUBLE_EQ(v->m_adCoefF[0], 1.0);
    EXPECT_DOUBLE_EQ(v->m_adSavedCoefF[0], 1.0);
}

TEST_F(GraphPageTest, PeriodButtonsScaleTheSavedPeriod) {
    Script("g", kGraphPage);
    auto v = View("g");
    v->m_bFuncFPeriodic = 1;
    Draw(v.get());
    const double before = v->m_dSavedFuncFPeriod;
    const double scale = kWidth / 800.0;
    const int x = v->m_nPlotLeft + int(10 * scale);
    ClickButton(v.get(), x, v->m_nPlotTop + 4);
    ClickButton(v.get(), x, v->m_nPlotTop + 4);
    // The set-up restores the period from its saved copy on every pass.
    EXPECT_NEAR(v->m_dSavedFuncFPeriod, before * 1.5625, 1e-12);
    ClickButton(v.get(), v->m_nPlotLeft + int(90 * scale), v->m_nPlotTop + 4);
    EXPECT_NEAR(v->m_dSavedFuncFPeriod, before * 1.25, 1e-12);
}

TEST_F(GraphPageTest, CoefficientPanelStepsTheSavedSet) {
    Script("g", kGraphPage);
    auto v = View("g");
    v->m_nCurveCoefEdit = 1;
    Draw(v.get());
    TextCollector text;
    v->m_pTextSink = &text;
    // The panel above the plot: increase row at 3/5 of its height, "a" first.
    const int L = v->m_nPlotLeft - 16 - v->m_nSidePanelWidth;
    const int T = v->m_nPlotTop - 5 * v->m_nBaseCharHeight,
              B = v->m_nPlotTop - v->m_nBaseCharHeight;
    ClickAt(v.get(), L + 4 * v->m_nBaseCharHeight + 3, T + 3 * (B - T) / 5 + 3);
    v->m_pTextSink = nullptr;
    EXPECT_NEAR(v->m_adSavedCoefF[0], 1.1, 1e-12);
    EXPECT_NEAR(v->m_adCoefF[0], 1.1, 1e-12);
    EXPECT_GE(text.Count("1.1"), 1); // the panel's "a=" value, one decimal
    // "结束" closes the panel from the next pass on.
    ClickAt(v.get(), v->m_nPlotRight + 20 - 50 + 3, T + 4 + 3);
    EXPECT_EQ(v->m_nCurveCoefEdit, 2);
}

TEST_F(GraphPageTest, ToolbarDataWithoutButtonsStillWritesTheValues) {
    auto v = ScriptPage("g", "014图\n700DATA1(0,1,0,-2,0,0,0,)\n"
                             "700Curve(0.3,3,40,12,39,-1,0,-5,5,-5,5,-4,4)\n700ToolbarData(0)\n");
    TextCollector text;
    v->m_pTextSink = &text;
    ClickButton(v.get(), v->m_nFigureRight + 2, v->m_nFigureTop); // no button there
    v->m_pTextSink = nullptr;
    EXPECT_DOUBLE_EQ(v->m_adCoefF[0], 1.0);
    EXPECT_TRUE(text.Saw("a="));
    EXPECT_TRUE(text.Saw("f="));
}

// --- Commands --------------------------------------------------------------------------

TEST_F(GraphPageTest, NormalCurveSelectsTheCurveAndClearsTheKindAfter) {
    auto v = ScriptPage("n", "014图\n700NormalCurve(0.3,3,40,12,5,-1,0,-3.5,7,-2,2,0,6.3)\n");
    EXPECT_EQ(v->m_nPlotMode, 0);
    EXPECT_EQ(v->m_nFuncF, 3); // sin x
    EXPECT_EQ(v->m_nClassicalCurve, -1);
}

TEST_F(GraphPageTest, CurveWithEqualEndsDrawsNothing) {
    Script("a", "014图\n700Curve(0.3,3,40,12,39,-1,0,-5,5,-5,5,-4,-4)\n");
    Script("b", "014图\n700Curve(0.3,3,40,12,39,-1,0,-5,5,-5,5,-4,-4)\n"
                "700curve(3,0,1,1,255,0,0)\n");
    auto a = Page("a");
    auto b = Page("b");
    EXPECT_EQ(CountInPlot(b.get(), RGB(255, 0, 0)), 0);
    EXPECT_EQ(a->BackingImage(), b->BackingImage());
}

TEST_F(GraphPageTest, CurveDrawsOneCatalogueCurveInItsPen) {
    auto v = ScriptPage("c", "014图\n700Curve(0.3,3,40,12,39,-1,0,-5,5,-5,5,-4,-4)\n"
                             "700curve(3,0,-3,3,255,0,0)\n");
    EXPECT_GT(CountInPlot(v.get(), RGB(255, 0, 0)), 100);
}

TEST_F(GraphPageTest, DAlembertSpeedAtOrBelowZeroBecomesOne) {
    auto v = ScriptPage("d", "014图\n700DAlembert(0.3,3,40,12,4,-1,0,-6,6,-2,2,0.1,1)\n");
    ASSERT_DOUBLE_EQ(v->m_dTimeT, 0);
    // "a减" is the fourth button at the plot's right edge.
    ClickButton(v.get(), v->m_nPlotRight, v->m_nPlotTop + 72);
    EXPECT_DOUBLE_EQ(v->m_dIntervalA, 1.0);
    Draw(v.get());
    EXPECT_DOUBLE_EQ(v->m_dIntervalA, 1.0); // kept by the saved copy
    ClickButton(v.get(), v->m_nPlotRight, v->m_nPlotTop);
    EXPECT_NEAR(v->m_dTimeT, 0.1, 1e-12);
}

TEST_F(GraphPageTest, DAlembertIntegratesTheInitialVelocityItself) {
    // phi = 0 (f: form 39 with a = b = c = 0), psi = 1 (g: form 39 with c = 1),
    // a = 1: u(x, t) = (1/2a) * integral of 1 over [x - at, x + at] = t, the
    // same at every x (with the weight (0 - s) it would be -t x).
    auto v = ScriptPage("w", "014图\n700DATA1(0,0,0,0,0,0,0,)\n700DATA1(1,0,0,1,0,0,0,)\n"
                             "700DAlembert(0.3,3,40,12,39,39,0,-6,6,-2,2,1,2)\n");
    ClickButton(v.get(), v->m_nPlotRight, v->m_nPlotTop); // "t增": t = 0.1
    ASSERT_NEAR(v->m_dTimeT, 0.1, 1e-12);
    Draw(v.get());
    const auto waveAt = [&](double x, double u) {
        const CPoint p = PagePoint(v.get(), x, u);
        for (int dy = -2; dy <= 2; ++dy)
            if (Pixel(v.get(), p.x, p.y + dy) == v->m_crDefaultPen) return true;
        return false;
    };
    EXPECT_TRUE(waveAt(-4.0, 0.1));
    EXPECT_TRUE(waveAt(4.0, 0.1));
    EXPECT_FALSE(waveAt(4.0, -0.4));
}

TEST_F(GraphPageTest, ProjDomainOnlyWhileTheScriptsValuesAreTaken) {
    auto v = ScriptPage("p", "014图\n700ProjDomain(-1,2,-3,4,1,0,2)\n");
    EXPECT_DOUBLE_EQ(v->m_adRegionRect[0], -1);
    EXPECT_DOUBLE_EQ(v->m_adRegionRect[3], 4);
    EXPECT_EQ(v->m_bProjectXoy, 1);
    EXPECT_EQ(v->m_nProjectionDisplay, 2);
    v->m_bLoadScriptSettings = 0;
    v->m_nProjectionDisplay = 0;
    Draw(v.get());
    EXPECT_EQ(v->m_nProjectionDisplay, 0);
}

// --- Bad input ends quietly -------------------------------------------------------------

TEST_F(GraphPageTest, ZeroAndCrossedRangesDrawNoCurveAndNoTicks) {
    Script("z", "014图\n700Curve(0.3,3,40,12,39,-1,0,2,2,-5,5,-4,4)\n");
    Script("x", "014图\n700Curve(0.3,3,40,12,39,-1,0,5,-5,5,-5,-4,4)\n");
    Script("i", "014图\n700DATA1(0,1,0,1,0,0,-1,)\n"
                "700Curve(0.3,3,40,12,8,-1,2,1,1,-5,5,-4,4)\n");
    for (const char* code : {"z", "x", "i"}) {
        auto v = Page(code);
        TextCollector text;
        v->m_pTextSink = &text;
        ClickAt(v.get(), (v->m_nPlotLeft + v->m_nPlotRight) / 2,
                (v->m_nPlotTop + v->m_nPlotBottom) / 2);
        v->m_pTextSink = nullptr;
        EXPECT_EQ(CountInPlot(v.get(), v->m_crCurveSetting), 0) << code;
        EXPECT_FALSE(text.Saw("5.0")) << code;
    }
}

TEST_F(GraphPageTest, ParameterStepOfZeroOrBelowEndsEveryLoop) {
    Script("p", "014图\n700DATA1(0,1,1,0,0,0,0,)\n"
                "700Curve(0.3,3,40,12,1,-1,1,-2,2,-2,2,0,6.3)\n");
    Script("i", "014图\n700DATA1(0,1,0,1,0,0,-1,)\n"
                "700Curve(0.3,3,40,12,8,-1,2,-2,2,-2,2,-2,2)\n");
    for (const double step : {0.0, -0.1}) {
        for (const char* code : {"p", "i"}) {
            auto v = View(code);
            v->m_dParamStep = step;
            v->m_nDerivativeArg = 2;
            Draw(v.get());
            ClickAt(v.get(), (v->m_nPlotLeft + v->m_nPlotRight) / 2,
                    (v->m_nPlotTop + v->m_nPlotBottom) / 2);
            SUCCEED() << code << " " << step;
        }
    }
}

TEST_F(GraphPageTest, ImplicitCurveIsTracedOnlyForAClickInItsWindow) {
    auto v = ScriptPage("i", "014图\n700DATA1(0,1,0,1,0,0,-1,)\n"
                             "700Curve(0.3,3,40,12,8,-1,2,-2,2,-2,2,-2,2)\n");
    EXPECT_EQ(CountInPlot(v.get(), v->m_crCurveSetting), 0);
    ClickAt(v.get(), (v->m_nPlotLeft + v->m_nPlotRight) / 2,
            (v->m_nPlotTop + v->m_nPlotBottom) / 2);
    EXPECT_GT(CountInPlot(v.get(), v->m_crCurveSetting), 200);
    EXPECT_EQ(v->m_nRegionType, 0);
    // The unit circle x² + y² = 1 passes through (0, 1).
    const CPoint top = PagePoint(v.get(), 0, 1);
    int near = 0;
    for (int dy = -3; dy <= 3; ++dy)
        for (int dx = -3; dx <= 3; ++dx)
            near += Pixel(v.get(), top.x + dx, top.y + dy) == v->m_crCurveSetting;
    EXPECT_GT(near, 0);
}

// A curve's strokes kept from the last pass are keyed by the coefficients:
// after "a增" the repaint shows the changed curve, as the plain drawing does.
TEST_F(GraphPageTest, ACoefficientStepRedrawsAKeptCurve) {
    const struct {
        const char* kind;
        const char* curve; // the Curve command: form, plot mode, ranges
    } rows[] = {
        {"parametric x = a cos t", "700Curve(0.3,3,40,12,1,-1,1,-2,2,-2,2,0,6.3)\n"},
        {"polar r = a t² - 2", "700Curve(0.3,3,40,12,39,-1,3,-3,3,-3,3,0,6.3)\n"},
        {"implicit a x² + y² = 1", "700Curve(0.3,3,40,12,8,-1,2,-2,2,-2,2,-2,2)\n"},
    };
    for (const auto& r : rows) {
        Script("k", std::string("014图\n700DATA1(0,1,1,-2,0,0,-1,)\n") + r.curve +
                        "700ToolbarData(1)\n");
        QImage before;
        const auto afterStep = [&](bool caches) {
            SetDrawingCachesEnabled(caches);
            auto v = Page("k");
            // Traced (the implicit curve) and kept, then "a增".
            ClickAt(v.get(), (v->m_nPlotLeft + v->m_nPlotRight) / 2, v->m_nPlotTop + 3);
            before = v->BackingImage().copy();
            ClickButton(v.get(), v->m_nFigureRight + 2, v->m_nFigureTop);
            v->m_nPrevClipBottom = 0;
            Draw(v.get());
            SetDrawingCachesEnabled(true);
            return v->BackingImage().copy();
        };
        const QImage plain = afterStep(false);
        const QImage kept = afterStep(true);
        EXPECT_FALSE(before == kept) << r.kind;
        EXPECT_TRUE(plain == kept) << r.kind;
    }
}

// A 3-D scene on x in [0, 0.1] writes its quarter ticks as their values:
// 0.025 and 0.075, not 0.03 and 0.08 (nor 0.07).
TEST_F(GraphPageTest, SceneQuarterTicksAreWrittenExactly) {
    auto v = ScriptPage("t", "014图\n700DATA2(0,1,0,-1,0,0,0,)\n"
                             "700TangentPlane(0.8,6,36,10,1,0,0,0,0.1,-1.5,1.5,-2.5,2.5,1,-1)\n");
    TextCollector text;
    v->m_pTextSink = &text;
    v->m_nPrevClipBottom = 0;
    Draw(v.get());
    v->m_pTextSink = nullptr;
    for (const char* n : {"0.025", "0.05", "0.075", "-0.75", "0.75", "-1.25", "1.25"})
        EXPECT_GE(text.Count(n), 1) << n;
    for (const char* wrong : {"0.03", "0.08", "0.07", "0.02"})
        EXPECT_EQ(text.Count(wrong), 0) << wrong;
}

// --- Axis names -------------------------------------------------------------------------

namespace {

// Where a recorded piece writes, measured in its own font.
CRect CellOf(const TextCollector::Piece& p) {
    QImage probe(8, 8, QImage::Format_RGB32);
    CDC dc(&probe);
    CFontSelect select(&dc, p.font);
    const CSize size = dc.GetTextExtent(p.text);
    return CRect(p.x, p.y, p.x + size.cx, p.y + size.cy);
}

// Where a recorded piece puts ink.
CRect InkOf(const TextCollector::Piece& p) {
    QImage probe(8, 8, QImage::Format_RGB32);
    CDC dc(&probe);
    CFontSelect select(&dc, p.font);
    CRect ink = dc.GetTextInk(p.text);
    ink.OffsetRect(p.x, p.y);
    return ink;
}

std::vector<TextCollector::Piece> PiecesOf(const TextCollector& text, const std::string& gbk) {
    std::vector<TextCollector::Piece> found;
    for (const auto& p : text.pieces)
        if (p.text == gbk) found.push_back(p);
    return found;
}

TextCollector Repaint(CPemroView* v) {
    TextCollector text;
    v->m_pTextSink = &text;
    v->m_nPrevClipBottom = 0; // a full repaint
    v->Invalidate();
    v->RenderPending();
    v->m_pTextSink = nullptr;
    return text;
}

} // namespace

TEST_F(GraphPageTest, AxisNamesKeepTheirPlacesWhereNothingCoversThem) {
    auto v = ScriptPage("n", "014图\n"
                             "700DATA1(0,1,0,-2,0,0,0,)\n"
                             "700Curve(0.3,3,40,12,39,-1,0,-5,5,-5,5,-4,4)\n");
    const TextCollector text = Repaint(v.get());
    // Right of the y axis's head, 8 pixels off the axis in the middle.
    const auto y = PiecesOf(text, "y");
    ASSERT_EQ(y.size(), 1u);
    const int x0 = v->m_nPlotLeft + v->m_nPlotWidth / 2;
    EXPECT_NEAR(y[0].x, x0 + 8, 1);
    EXPECT_EQ(y[0].y, v->m_nPlotTop);
    // The x name above the x axis's head, the "o" above and right of the origin.
    const auto x = PiecesOf(text, "x");
    ASSERT_EQ(x.size(), 1u);
    const int y0 = v->m_nPlotTop + v->m_nPlotHeight / 2;
    EXPECT_LT(x[0].y, y0);
    EXPECT_GT(x[0].x, v->m_nPlotRight - v->m_nPlotWidth / 8);
    const auto o = PiecesOf(text, "o");
    ASSERT_EQ(o.size(), 1u);
    EXPECT_NEAR(o[0].x, x0 + 4, 1);
    EXPECT_NEAR(o[0].y, y0 - 16, 1);
}

TEST_F(GraphPageTest, AValueLabelOverTheYAxisNameMovesTheNameBesideTheAxis) {
    // The coefficient labels' middle column stands across the y axis.
    auto v = ScriptPage("c", "014图\n"
                             "700DATA1(0,0.5,0,-3,0,0,0,)\n"
                             "700Curve(0.3,3,30,8.7,39,-1,0,-5,5,-5,5,-4,4)\n"
                             "700ToolbarData(3)\n");
    const TextCollector text = Repaint(v.get());
    const auto y = PiecesOf(text, "y");
    ASSERT_EQ(y.size(), 1u); // named once
    // The name is placed by its ink: no other piece's cell meets that.
    const CRect name = InkOf(y[0]);
    ASSERT_FALSE(name.IsRectEmpty());
    for (const auto& p : text.pieces) {
        if (p.text == "y" && p.x == y[0].x && p.y == y[0].y) continue;
        const CRect i = CellOf(p).Intersect(name);
        EXPECT_TRUE(i.IsRectEmpty()) << p.text << " meets the y axis's name";
    }
    // Moved from its own place, still beside the axis, within five of its
    // heights of the axis's head.
    const int x0 = v->m_nPlotLeft + v->m_nPlotWidth / 2;
    EXPECT_FALSE(std::abs(y[0].x - (x0 + 8)) <= 1 && y[0].y == v->m_nPlotTop);
    const int h = CellOf(y[0]).Height();
    EXPECT_LT(std::abs((name.left + name.right) / 2 - x0), 5 * h);
    EXPECT_LT(std::abs(name.top - v->m_nPlotTop), 6 * h);
}

TEST_F(GraphPageTest, AFigureThatRenamesItsAxesShowsOnlyItsOwnNames) {
    // The sequence figure lays a plain frame first, then names its axes
    // "n" and "Xn" at the same ends.
    auto v = ScriptPage("s", "014数列\n"
                             "700Sequence(0.3,3,34,9,4,0,0,0,30,-1.2,1.2,0,30,0,1)\n");
    const TextCollector text = Repaint(v.get());
    EXPECT_EQ(PiecesOf(text, "n").size(), 1u);
    EXPECT_EQ(PiecesOf(text, "Xn").size(), 1u);
    EXPECT_TRUE(PiecesOf(text, "x").empty());
    EXPECT_TRUE(PiecesOf(text, "y").empty());
}
