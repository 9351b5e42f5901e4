// The fitting, approximation and interpolation demonstrations in the view:
// the sample pages drawn with their numbers, their buttons clicked as a user
// clicks them (counts stop at their bounds), and scripts with sizes far
// outside the arrays.
#include "dialogs/my_dialog_base.h"
#include "test_support.h"

#include <QLineEdit>

#include <gtest/gtest.h>

#include <fstream>
#include <memory>

namespace {

using namespace test_support;

// Sample pages of the course; some are drawn on a window several screens
// tall.
using FitPageTest = SampleTopicTest;

// Inside the button of the right-hand column whose nominal row is `row`, at
// the plot's right edge.
CPoint RightButton(const CPemroView& v, int row) {
    return ButtonRow(v, row, 0);
}

// Scripts of our own with one figure each.
class FitScriptTest : public ScratchPageTest, protected RecordedPasses {
protected:
    FitScriptTest() : ScratchPageTest("fit") {}
    using RecordedPasses::Click;
    static void Write(const std::string& body) { WriteScript("900", body); }
    std::unique_ptr<CPemroView> OpenScript(const std::string& body) {
        Write(body);
        auto v = View("900");
        v->m_pTextSink = &text;
        Draw(v.get());
        return v;
    }
};

TEST_F(FitPageTest, RegressionPageShowsBothFitsAndTheDegreeStopsAtItsBounds) {
    auto v = Open("464", 3 * kPageHeight);
    // Values by python3 (exact least squares): the cubic fit of sin x and
    // the fit of y = a e^(bx).
    for (const char* s : {"0.000216", "-0.015347", "1.193142", "-0.318599", "-0.022915",
                          "11.437069", "0.291216", "0.001918"})
        EXPECT_TRUE(text.Saw(s)) << s;
    EXPECT_EQ(v->m_nCountM, 1); // the model of the last figure, y = a e^(bx)

    auto p = Open("464");
    Click(*p, RightButton(*p, 0)); // "m增加"
    EXPECT_EQ(p->m_nCountM, 4);
    // Ten sampled points tell ten powers apart: the degree stops at 9, and
    // "m减少" from a degree past it goes one below what is shown.
    p->m_nSavedCountM = 7;
    for (int i = 0; i < 3; ++i) Click(*p, RightButton(*p, 0));
    EXPECT_EQ(p->m_nCountM, 9);
    EXPECT_FALSE(text.Saw("nan"));
    p->m_nSavedCountM = 48;
    Click(*p, RightButton(*p, 1));
    EXPECT_EQ(p->m_nCountM, 8);
    p->m_nSavedCountM = 1;
    for (int i = 0; i < 3; ++i) Click(*p, RightButton(*p, 1)); // "m减少"
    EXPECT_EQ(p->m_nCountM, 0);
    // The top degrees with their coefficients shown (python3 mpmath at 50
    // digits, least squares on the same points); ±0 shows unsigned.
    p->m_nSavedCountM = 8;
    Click(*p, RightButton(*p, 0));
    ASSERT_EQ(p->m_nCountM, 9);
    text.pieces.clear();
    Redraw(*p);
    for (const char* s : {"0.999997", "0.000025", "-0.166756", "0.000174", "0.008131", "0.000148",
                          "-0.000266", "0.000018"})
        EXPECT_TRUE(text.Saw(s)) << s;
    EXPECT_FALSE(text.Saw("-0.000000"));
    text.pieces.clear();
    Click(*p, RightButton(*p, 4)); // "偶次幂"
    Redraw(*p);
    ASSERT_EQ(p->m_nDemoOption2, 2);
    for (const char* s : {"4.212965", "-12.894600", "21.360883", "-19.016841", "9.569034",
                          "-2.788426", "0.463215", "-0.040469", "0.001436"})
        EXPECT_TRUE(text.Saw(s)) << s;
    // The odd powers: the basis argument 3 leaves the choice to the buttons.
    Click(*p, RightButton(*p, 3));
    Redraw(*p);
    EXPECT_EQ(p->m_nDemoOption2, 1);
}

TEST_F(FitPageTest, ApproximationPageShowsCoefficientsAndKeepsTheGramSystemSmall) {
    // √x on [0, 4] by Legendre polynomials of degree 2, in closed form:
    // a = 4/3, 4/5, -4/21; b = 8/3, 8/15, -8/105; mean error 2/1225.
    auto v = Open("465");
    for (const char* s : {"1.3333", "0.8000", "-0.1905", "2.6667", "0.5333", "-0.0762", "0.001633"})
        EXPECT_TRUE(text.Saw(s)) << s;
    // "一般多项式": the Gram system of all powers on [0, 1] gives the same
    // least-squares polynomial, so the same mean error.
    v->m_nDemoOption = 0, v->m_nDemoOption2 = 1;
    Click(*v, RightButton(*v, 5));
    Redraw(*v);
    EXPECT_EQ(v->m_nCountM, 3);
    EXPECT_TRUE(text.Saw("0.001633"));
    // The degree of the power basis stops at 9 (order 10 of the solver).
    v->m_nSavedCountN = 8;
    for (int i = 0; i < 3; ++i) Click(*v, RightButton(*v, 0));
    EXPECT_EQ(v->m_nCountN, 9);
    v->m_nSavedCountN = 1;
    for (int i = 0; i < 3; ++i) Click(*v, RightButton(*v, 1));
    EXPECT_EQ(v->m_nCountN, 0);
}

TEST_F(FitPageTest, ApproximationPageDrawsEveryFigure) {
    // All six figures at once: the approximation's error, Newton's table
    // of x³ at 0..3 (generated nodes: columns 1, 7, 19 | 3, 6 | 1).
    auto v = Open("465", 7 * kPageHeight);
    for (const char* s : {"0.001633", "19.0000", "7.0000", "6.0000"}) EXPECT_TRUE(text.Saw(s)) << s;
    // The spline started from the natural end values, and the chosen
    // abscissa of the Lagrange figure is left to the cursor again.
    EXPECT_EQ(v->m_adCoefF[0], 0);
    EXPECT_EQ(v->m_dX0, 9);
}

TEST_F(FitScriptTest, LagrangeAndPiecewiseLinearValuesAtTheChosenAbscissa) {
    const std::string lagrange = "700DATA1(0,1,0,1,0,0,0,-1)\n"
                                 "700Largange(0.2,3,44,13,0,0,0,-5.5,6.5,-0.6,2.2,-5,5,10,0)\n";
    std::string gap;
    for (int i = 0; i < 15; ++i) gap += "107\n";
    auto v = OpenScript(lagrange + gap +
                        "700LineInterpolate(0.2,3,44,13,0,0,0,-5.5,6.5,-0.6,2.2,-5,5,10,0)\n");
    v->ResizeClient(kWidth, 2 * kHeight);
    v->m_nDemoOption = 2; // "显示插值"
    v->m_dX0 = 0.5;
    Redraw(*v);
    // 1/(1 + x²) through 11 nodes on [-5, 5] (python3 fractions): L(0.5) =
    // 0.843407; the chord from (0, 1) to (1, 0.5) gives 0.75.
    for (const char* s : {"f(0.50)=", "0.8434", "0.7500"}) EXPECT_TRUE(text.Saw(s)) << s;
    EXPECT_FALSE(text.Saw(u8"在x轴上选一点"));
    // Outside [a, b] the cursor's x is used: L(0) = 1.
    v->m_dX0 = 9, v->m_dCursorX = 0;
    Redraw(*v);
    EXPECT_TRUE(text.Saw("1.0000"));
    // The node count stops at 99 nodes' index.
    auto p = OpenScript(lagrange);
    p->m_nSavedCountN = 98;
    p->m_bLoadScriptSettings = FALSE;
    for (int i = 0; i < 3; ++i) Click(*p, RightButton(*p, 0));
    EXPECT_EQ(p->m_nCountN, 99);
}

TEST_F(FitScriptTest, NewtonTableDirectionAndApproximations) {
    auto v = OpenScript("700DATAs(0,0,1,2,3)\n700DATAs(1,0,1,8,27)\n"
                        "700Newton(0.2,3,44,13,22,1,0,-0.5,4.5,-4,30,0,3,3,1)\n");
    // The Part's nodes (0,0), (1,1), (2,8), (3,27): columns 1, 7, 19 | 3, 6 | 1.
    for (const char* s : {"7.0000", "19.0000", "3.0000", "6.0000", "27.0000"})
        EXPECT_TRUE(text.Saw(s)) << s;
    Click(*v, RightButton(*v, 3)); // "后插值"
    Redraw(*v);
    EXPECT_EQ(v->m_nPlotMode, 1);
    EXPECT_TRUE(text.Saw("19.0000"));
    Click(*v, RightButton(*v, 5)); // "显示插值"
    v->m_dCursorX = 2;
    Redraw(*v);
    EXPECT_EQ(v->m_nFuncLower, 2);
    EXPECT_TRUE(v->m_bShowMouseCoords);
    // Backward from x3 at x* = 2: N0 = 27, N1 = 8, then 8 and 8 (x³ at 2).
    EXPECT_TRUE(text.Saw("27.0000"));
    EXPECT_GE(text.Count(Gbk("8.0000")), 3);
    Click(*v, RightButton(*v, 6)); // "取消"
    Redraw(*v);
    EXPECT_EQ(v->m_nFuncLower, 3);
    EXPECT_FALSE(v->m_bShowMouseCoords);
}

TEST_F(FitScriptTest, SplineSystemIntegralAndEndValues) {
    auto v = OpenScript("700Disconnection(-1,2,0,0)\n"
                        "700Splines(0.2,3,44,13,3,1,0,-0.5,6.2,-1.5,1.5,0,4.7124,6,0)\n");
    v->m_nDemoOption2 = 1; // "显示Ax=b"
    Redraw(*v);
    // The natural spline of sin x on 7 nodes over [0, 4.7124] (python3
    // fractions): M_1..M_5 = -0.7428, -1.0578, -0.7239, -0.0755, 1.0261;
    // equal steps put 0.5 beside the 2s.
    for (const char* s : {"2.000", "0.500", "-0.743", "-1.058", "-0.724", "-0.076", "1.026"})
        EXPECT_TRUE(text.Saw(s)) << s;
    v->m_nDemoOption2 = 4; // "样条积分值", piece by piece exact: 1.0115919
    Redraw(*v);
    EXPECT_TRUE(text.Saw("1.011592"));
    // "y″0增加" moves the saved α by the parameter step.
    Click(*v, RightButton(*v, 2));
    Redraw(*v);
    EXPECT_DOUBLE_EQ(v->m_adCoefF[0], v->m_dParamStep);
    // "已知y′": first derivatives at the ends.
    Click(*v, RightButton(*v, 1));
    Redraw(*v);
    EXPECT_EQ(v->m_nFuncLower, 2);

    // x³ at 0, 1, 2, 3 with its end slopes 0 and 27: the spline is x³
    // itself, so "显示多项式" gives a, b, c, d = 1, 0, 0, 0 on every interval.
    auto cubic = OpenScript("700Disconnection(-1,2,0,27)\n"
                            "700Splines(0.2,3,44,13,22,2,0,-0.5,4,-5,30,0,3,3,0)\n");
    cubic->m_nDemoOption2 = 3;
    Redraw(*cubic);
    EXPECT_EQ(text.Count(Gbk("1.000")), 3);
    EXPECT_GE(text.Count(Gbk("0.000")) + text.Count(Gbk("-0.000")), 9);
    for (int i = 0; i <= 3; ++i) EXPECT_NEAR(cubic->m_adSolution[i], i == 3 ? 1 : 0, 1e-9) << i;
}

TEST_F(FitScriptTest, TypedDataFromTheDialogsAreFitted) {
    // The straight line through (0, 1), (1, 3), (2, 5) typed in the Xi and
    // Yi dialogs: a = 1, b = 2 and no residual (by hand).
    auto v = OpenScript("700Regression1(0.2,3,44,13,25,2,1,-1,3,-1,6,0,2,8,6)\n");
    auto type = [](QDialog& dlg, int firstId, const double* values, int count) {
        for (int i = 0; i < 3; ++i)
            if (QLineEdit* edit = FindDialogEdit(dlg, firstId + i))
                edit->setText(QString::number(values[i]));
        if (count > 0)
            if (QLineEdit* edit = FindDialogEdit(dlg, 1193)) edit->setText(QString::number(count));
        dlg.accept();
    };
    const double xs[] = {0, 1, 2}, ys[] = {1, 3, 5};
    SetParamDialogHook([&](QDialog& dlg) { type(dlg, 1061, xs, 3); });
    v->OnDataXDialog();
    SetParamDialogHook([&](QDialog& dlg) { type(dlg, 1031, ys, 0); });
    v->OnDataYDialog();
    SetParamDialogHook(nullptr);
    Redraw(*v);
    EXPECT_EQ(v->m_nCountN, 3);
    EXPECT_NEAR(v->m_adCoefF[0], 1, 1e-12);
    EXPECT_NEAR(v->m_adCoefF[1], 2, 1e-12);
    for (const char* s : {"1.000000", "2.000000", "0.000000"}) EXPECT_TRUE(text.Saw(s)) << s;
}

TEST_F(FitScriptTest, CountsAndDegreesOutsideTheArraysNeverCrash) {
    Write("700Regression1(0.2,3,44,13,25,2,0,-1,2,-1,2,0,1,100000,3)\n"
          "700Regression1(0.2,3,44,13,25,1,1,-1,2,-1,2,0,1,-5,-1)\n"
          "700Regressionm(0.2,3,44,13,3,1,0,-1,2,-1,2,0,1,150,100000,1)\n"
          "700Regressionm(0.2,3,44,13,3,2,1,-1,2,-1,2,1,1,-7,-9,-1)\n"
          "700Approximation(0.2,3,44,13,25,1,0,-1,2,-1,2,0,1,100000,1)\n"
          "700Approximation(0.2,3,44,13,25,2,0,-1,2,-1,2,1,1,-100000,3)\n"
          "700Approximation(0.2,3,44,13,25,1,0,-1,2,-1,2,0,1,50,3)\n"
          "700Curvespecialfunc(0.2,3,44,13,0,1,0,-1,2,-1,2,-1,1,-50,2)\n"
          "700Curvespecialfunc(0.2,3,44,13,0,1,0,-1,2,-1,2,-1,1,100000,1)\n"
          "700Largange(0.2,3,44,13,3,0,0,-1,2,-1,2,0,1,100000,0)\n"
          "700Largange(0.2,3,44,13,3,0,0,-1,2,-1,2,1,1,-5,0)\n"
          "700LineInterpolate(0.2,3,44,13,3,0,0,-1,2,-1,2,0,0,-100000,1)\n"
          "700Newton(0.2,3,44,13,3,1,0,-1,2,-1,2,0,1,100000,0)\n"
          "700Newton(0.2,3,44,13,3,2,1,-1,2,-1,2,1,1,-3,1)\n"
          "700Splines(0.2,3,44,13,3,2,0,-1,2,-1,2,0,1,100000,0)\n"
          "700Splines(0.2,3,44,13,3,1,0,-1,2,-1,2,1,1,-3,0)\n"
          "700Splines(0.2,3,44,13,3,7,0,-1,2,-1,2,0,1,5,1)\n");
    auto v = View("900");
    Draw(v.get());
    v->m_bLoadScriptSettings = FALSE;
    for (int option : {1, 2, 3, 4}) {
        v->m_nDemoOption = v->m_nDemoOption2 = option;
        Draw(v.get());
    }
    EXPECT_TRUE(messages.empty());
}

} // namespace
