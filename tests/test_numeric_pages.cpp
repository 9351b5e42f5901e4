// The numerical demonstrations in the view: the shared linear system, the
// kept decimals, the sample pages of the course drawn and stepped with their
// buttons as a user clicks them, and scripts with sizes and steps that must
// neither crash nor hang.
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <utility>
#include <vector>

namespace {

using namespace test_support;

using NumericPageTest = SampleTopicTest;

TEST(NumericView, LinearSystemFromTypedDataAndKeptDecimals) {
    auto v = MakeView();
    v->m_nFuncUpper = 1;
    v->m_bLoadScriptSettings = TRUE;
    v->m_nDataCountX = 4;
    for (int i = 0; i < 4; ++i) v->m_adDataX[i] = i + 1;
    for (int i = 0; i < 10; ++i) v->m_adDataY[i] = i + 5;
    v->m_adPointX[0] = 10, v->m_adPointX[1] = 20;
    v->LoadLinearSystem(2, 3);
    const double rows[2][3] = {{1, 2, 3}, {4, 5, 6}};
    for (int i = 0; i < 2; ++i) {
        for (int j = 0; j < 3; ++j) EXPECT_EQ(v->m_adMatrixA[i][j], rows[i][j]);
        EXPECT_EQ(v->m_adMatrixA[i][99], 10.0 * (i + 1));
    }
    // Cleared flag (a button was pressed): the input keeps its entries.
    v->m_bLoadScriptSettings = FALSE;
    v->m_adDataX[0] = 99;
    v->LoadLinearSystem(2, 3);
    EXPECT_EQ(v->m_adMatrixA[0][0], 1);
    // Sizes beyond the arrays are clamped, counts beyond the lists read 0.
    v->m_bLoadScriptSettings = TRUE;
    v->m_nDataCountX = 1000;
    v->LoadLinearSystem(100000, 100000);
    EXPECT_EQ(v->m_adMatrixA[99][99], 0);

    // Kept decimals round the input half away from zero, both signs alike.
    v->m_adMatrixInput[0][0] = -1.2345;
    v->m_adMatrixInput[0][1] = 1.2345;
    v->m_adMatrixInput[1][0] = 1.0 / 3;
    v->m_adMatrixInput[0][99] = -2.0 / 3;
    v->m_nFuncUpper = 0;
    v->LoadLinearSystem(2, 2);
    v->m_nKeepDecimalsA = 2, v->m_nKeepDecimalsB = 5;
    QImage image(200, 200, QImage::Format_RGB32);
    CDC dc(&image);
    v->DrawKeepDecimalsSelector(&dc, 2, 2, 1);
    EXPECT_NEAR(v->m_adMatrixA[0][0], -1.23, 1e-12);
    EXPECT_NEAR(v->m_adMatrixA[0][1], 1.23, 1e-12);
    EXPECT_NEAR(v->m_adMatrixA[1][0], 0.33, 1e-12);
    EXPECT_EQ(v->m_adMatrixA[0][99], -2.0 / 3); // the right-hand side stays exact
    v->m_nKeepDecimalsB = 3;
    v->DrawKeepDecimalsSelector(&dc, 2, 2, 1);
    EXPECT_NEAR(v->m_adMatrixA[0][99], -0.667, 1e-12);
}

// The shared controls on a plain figure surface.
class NumericControlsTest : public FigureSurfaceTest {
protected:
    void SetUp() override {
        FigureSurfaceTest::SetUp();
        SetWorld(-1.2, 1.2, -1.2, 1.2);
        view->m_nBaseCharWidth = 12;
        view->m_pTextSink = &text;
    }
    TextRecorder text;
};

TEST_F(NumericControlsTest, DecimalsClampAndTheRelatedDataPanelToggles) {
    CPemroView& v = *view;
    for (int decimals : {9, -1}) {
        v.m_nDecimals = decimals;
        v.DrawDecimalsSelector(dc.get(), 50, 27, 6);
        EXPECT_EQ(v.m_nDecimals, 6);
    }
    double matrix[2 * 21] = {0.5, 0.25};
    matrix[21] = 0.125, matrix[22] = 1;
    v.m_nDecimals = 4;
    v.m_bShowRelatedData = FALSE;
    // A click on "显示相关数据" shows the panel in the same pass.
    Press(v.m_nPlotRight - 3 * v.m_nBaseCharHeight + 5, v.m_nPlotBottom + 5);
    v.DrawRelatedDataPanel(dc.get(), "", -1, nullptr, "", -1, nullptr, "A", matrix, 2, 2, "", -1,
                           nullptr, "", -1, nullptr);
    EXPECT_TRUE(v.m_bShowRelatedData);
    for (const char* value : {"0.5000", "0.2500", "0.1250", "1.0000"}) EXPECT_TRUE(text.Saw(value));
}

TEST(NumericView, StepsOfTheViewUseTheCatalogueRightHandSides) {
    auto v = MakeView();
    v->m_nSurfaceUpper = 0; // y' = y
    v->m_nOdeMethod = 0;
    v->OdeRungeKuttaAdamsStep(0, 0, 1, 0, 0.1, 0);
    EXPECT_NEAR(v->m_adStepResult[0], 1.105170833, 1e-9);
    v->OdeEulerStep(0, 1, 0.1);
    EXPECT_NEAR(v->m_adStepResult[0], 1.1, 1e-12);
    v->m_nOdeMethod = 1;
    v->OdeEulerStep(0, 1, 0.1);
    EXPECT_NEAR(v->m_adStepResult[0], 1.105, 1e-12);
}

TEST_F(NumericPageTest, RombergPageShowsTheTableAndItsButtonsAct) {
    auto v = Open("367");
    for (const char* cell : {"0.5000", "0.3750", "0.3333", "0.3438"}) EXPECT_TRUE(text.Saw(cell));
    EXPECT_FALSE(text.Saw("0.3359")); // no fourth row at ε = 0.1
    // "ε减少" twice: 0.004, and the table grows.
    const CPoint down = ButtonRow(*v, 1);
    Click(*v, down.x, down.y);
    Click(*v, down.x, down.y);
    EXPECT_NEAR(v->m_dEpsilon, 0.004, 1e-15);
    EXPECT_TRUE(text.Saw("0.004000"));
}

TEST_F(NumericPageTest, EliminationPageShowsSolutionPivotsAndDeterminant) {
    auto v = Open("201");
    EXPECT_EQ(v->m_nDemoStep, 1);
    // The three figures share the step; a tall window shows them all.
    v->m_nDemoStep = 100;
    v->ResizeClient(kPageWidth, 3 * kPageHeight);
    Redraw(*v);
    // The default system's solution (python3, exact fractions) on the Gauss figure.
    for (const char* x : {"0.1075", "-0.5430", "0.5486"}) EXPECT_TRUE(text.Saw(x)) << x;
    EXPECT_TRUE(text.Saw(u8"行列式:"));
    EXPECT_TRUE(text.Saw("12.000000")); // [1 2 1; 4 2 4; 3 9 1], by hand
    for (const char* pivot : {"1", "3", "4"}) EXPECT_GE(text.Count(pivot), 1);
}

TEST_F(NumericPageTest, LuPageClicksNextUntilTheSolutionShows) {
    auto v = Open("203");
    EXPECT_FALSE(text.Saw("X=["));
    for (int i = 0; i < 8; ++i) {
        const CPoint next = ButtonRow(*v, 0);
        Click(*v, next.x, next.y);
    }
    EXPECT_EQ(v->m_nDemoStep, 9);
    EXPECT_TRUE(text.Saw("X=["));
    // x of the default system (python3, exact fractions): 0.1075, -0.5430, 0.5486.
    for (const char* x : {"0.1075", "-0.5430", "0.5486"}) EXPECT_TRUE(text.Saw(x)) << x;
    const CPoint back = ButtonRow(*v, 1);
    Click(*v, back.x, back.y);
    EXPECT_EQ(v->m_nDemoStep, 8);
    Redraw(*v);
    EXPECT_FALSE(text.Saw("X=["));
}

TEST_F(NumericPageTest, NewtonPageConvergesToTheRoot) {
    auto v = Open("313");
    v->m_nDemoOption = 1; // the table
    v->m_nDemoStep = 8;   // a row for every step
    Redraw(*v);
    // From 0: 2, 1.2, 1.0118, 1.000046, then 1.000000 (x^2 + x - 2 = 0 at 1).
    EXPECT_TRUE(text.Saw("1.000046"));
    EXPECT_TRUE(text.Saw("1.000000"));
    // "ε减少" halves the script's ε, and the user's ε stays.
    const int height = 3 * (v->m_nFontStep + v->m_nBaseCharHeight) / 5 + 2;
    Click(*v, v->m_nPlotRight - v->m_nBaseCharHeight + 8, v->m_nPlotTop + 24 * height / 20 + 8);
    Redraw(*v);
    EXPECT_DOUBLE_EQ(v->m_dEpsilon, 0.00005);
}

TEST_F(NumericPageTest, OdePagesEndWhenTheStepCannotAdvance) {
    for (const char* topic : {"334", "335", "363", "331", "333"}) {
        auto v = Open(topic);
        v->m_bLoadScriptSettings = FALSE;
        for (double h : {0.0, -0.0, 1e-300, std::nan("")}) {
            v->m_dOdeStep = h;
            Redraw(*v); // returns: no endless loop
        }
    }
    auto v = Open("335");
    // Runge-Kutta from (0, 1) with h = 0.1: y1 = 1.1052 in the value table.
    EXPECT_TRUE(text.Saw("1.1052"));
    // "步长增" doubles h although the script gives one, and the new h stays.
    const int height = 3 * (v->m_nFontStep + v->m_nBaseCharHeight) / 5 + 2;
    Click(*v, v->m_nPlotRight - v->m_nBaseCharHeight / 2 + 8, v->m_nPlotTop - 22 * height / 20 + 8);
    EXPECT_DOUBLE_EQ(v->m_dOdeStep, 0.2);
    Redraw(*v);
    EXPECT_DOUBLE_EQ(v->m_dOdeStep, 0.2);
    EXPECT_TRUE(text.Saw("1.2214")); // y(0.2) by RK4 with h = 0.2 (python3: 1.2214000)
}

// Scripts of our own: sizes, methods and steps far outside their ranges.
class NumericScriptTest : public ScratchPageTest {
protected:
    NumericScriptTest() : ScratchPageTest("numeric") {}
    static void Write(const std::string& body) { WriteScript("900", body); }
};

TEST_F(NumericScriptTest, SizesAndMethodsOutOfRangeNeverCrash) {
    Write("700Gauss(0.4,5,38,11,500,500,7,1)\n"
          "700LU(0.4,5,38,11,1000,9,1)\n"
          "700Matrixtransform(0.4,5,38,11,-5,100000,2,1)\n"
          "700Det(0.4,5,38,11,100000)\n"
          "700Romberg(0.2,3,44,13,21,0,0,-0.2,1.2,-0.2,1.2,1,0)\n"
          "700Root(0.2,3,44,13,39,9,0,-2.5,3,-3,10,0,2,0,0,-1)\n"
          "700DiffEquation1(0.2,3,44,13,9,1,0,-1,1,-1,1,-1,1,0,2,0,1,-5,0)\n"
          "700DiffEquations(0.2,3,44,13,0,0,1,-1,1,-1,1,-1,1,5,5,0,1,0)\n");
    DrawAtOddSteps(View("900").get());
    EXPECT_TRUE(messages.empty());
}

} // namespace

namespace {

// Runs of label background (the grey box behind every number) across the
// band of image rows [y0, y1] between x0 and x1: a column belongs to a box
// when any of its pixels in the band is box grey; where two numbers run
// together their boxes merge into one run.
std::vector<std::pair<int, int>> LabelRuns(const QImage& image, int y0, int y1, int x0, int x1) {
    std::vector<std::pair<int, int>> runs;
    for (int x = std::max(0, x0); x < std::min(x1, image.width()); ++x) {
        bool box = false;
        for (int y = std::max(0, y0); y <= std::min(y1, image.height() - 1) && !box; ++y)
            box = ColourAt(image, x, y) == RGB(100, 100, 100);
        if (!box) continue;
        if (!runs.empty() && runs.back().second == x - 1)
            runs.back().second = x;
        else
            runs.push_back({x, x});
    }
    return runs;
}

} // namespace

// "并求A逆" stepped to its end on the elimination page: on each row the
// identity, the solution and the inverse (72, -240, 180 / -240, 900, -720 /
// 180, -720, 600 for 1/(i+j+2), exact fractions) stand in seven boxes
// apart, the last left of the step buttons, at every window size.
TEST_F(NumericPageTest, InverseColumnsStandApart) {
    for (const CSize size : {CSize(1586, 927), CSize(1266, 887), CSize(1010, 695)}) {
        SCOPED_TRACE(size.cx);
        auto v = Open("201");
        v->ResizeClient(size.cx, size.cy);
        Redraw(*v);
        const CPoint inverse = ButtonRow(*v, 5);
        Click(*v, inverse.x, inverse.y);
        for (int i = 0; i < 8; ++i) {
            const CPoint next = ButtonRow(*v, 0);
            Click(*v, next.x, next.y);
        }
        for (const char* entry : {"72.0000", "-240.0000", "180.0000", "900.0000", "-720.0000"})
            EXPECT_TRUE(text.Saw(entry)) << entry;
        // One number only each row holds: its row of boxes.
        for (const char* key : {"72.0000", "900.0000", "600.0000"}) {
            SCOPED_TRACE(key);
            const auto piece = std::find_if(text.pieces.begin(), text.pieces.end(),
                                            [&](const auto& p) { return p.text == key; });
            ASSERT_NE(piece, text.pieces.end());
            const int height = std::abs(piece->font.lfHeight);
            const auto runs = LabelRuns(v->BackingImage(), piece->y, piece->y + height,
                                        v->m_nPlotLeft, v->m_nPlotRight + 30);
            EXPECT_EQ(runs.size(), 7u);
            ASSERT_FALSE(runs.empty());
            EXPECT_LT(runs.back().second, v->m_nPlotRight - 20); // the buttons' left
        }
    }
}

// The ODE pages: no row of the value table lies on the line of the title
// (at the plot's top left) or on the line of the method name and the step
// read-out (m_dParamStep of the y span above the bottom), where their
// letters would cover its numbers.
TEST_F(NumericPageTest, OdeTableRowsKeepClearOfTheLabels) {
    for (const char* topic : {"334", "335", "363"}) {
        SCOPED_TRACE(topic);
        auto v = Open(topic);
        v->ResizeClient(1266, 887);
        Redraw(*v);
        const int labelLine =
            v->m_nPlotBottom - int(v->m_dParamStep * (v->m_nPlotBottom - v->m_nPlotTop));
        const int titleEnd = v->m_nPlotLeft + (v->m_nPlotRight - v->m_nPlotLeft) / 2;
        int rows = 0;
        for (const TextRecorder::Piece& p : text.pieces) {
            if (p.text != "x =" && p.text != "y =") continue;
            ++rows;
            const int height = std::abs(p.font.lfHeight);
            EXPECT_GE(std::abs(p.y - labelLine), height) << "row at " << p.x << "," << p.y;
            if (p.x < titleEnd) {
                EXPECT_GE(std::abs(p.y - v->m_nPlotTop), height) << "row at " << p.x << "," << p.y;
            }
        }
        EXPECT_GE(rows, 18); // nine rows or more forward, in two columns
    }
}
