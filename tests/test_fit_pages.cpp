// The fitting, approximation and interpolation demonstrations in the view:
// the sample pages drawn with their numbers, their buttons clicked as a user
// clicks them (counts stop at their bounds), and scripts with sizes far
// outside the arrays.
#include "test_support.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>

namespace {

using namespace test_support;

class FitPageTest : public ::testing::Test {
protected:
    // The page drawn on a surface `screens` screens tall, its text recorded.
    std::unique_ptr<CPemroView> Open(const char* topic, int screens = 1) {
        auto v = MakeView();
        v->m_pTextSink = &text;
        v->ResetTopic(-1);
        v->m_strTopicCode = topic;
        v->ResizeClient(kPageWidth, screens * kPageHeight);
        v->RenderPending();
        return v;
    }
    void Click(CPemroView& v, CPoint p) {
        text.pieces.clear();
        v.m_ptClick = p;
        ++v.m_nClickSerial;
        v.Invalidate();
        v.RenderPending();
    }
    void Redraw(CPemroView& v) {
        text.pieces.clear();
        v.Invalidate();
        v.RenderPending();
    }
    // Inside the button of the right-hand column whose nominal row is `row`
    // (24 pixels a row, scaled to the real button height) of the figure
    // drawn last.
    static CPoint RightButton(const CPemroView& v, int row, int dx = 20) {
        const int height = 3 * (v.m_nFontStep + v.m_nBaseCharHeight) / 5 + 2;
        return CPoint(v.m_nPlotRight - 20 + dx, v.m_nPlotTop + 24 * row * height / 20 + 8);
    }

    InRunDir runDir;
    TextRecorder text;
};

TEST_F(FitPageTest, RegressionPageShowsBothFitsAndTheDegreeStopsAtItsBounds) {
    auto v = Open("464", 2);
    // Values by python3 (exact least squares): the cubic fit of sin x and
    // the fit of y = a e^(bx).
    for (const char* s : {"0.000216", "-0.015347", "1.193142", "-0.318599", "-0.022915",
                          "11.437069", "0.291216", "0.001918"})
        EXPECT_TRUE(text.Saw(s)) << s;
    EXPECT_EQ(v->m_nCountM, 1); // the model of the last figure, y = a e^(bx)

    auto p = Open("464");
    Click(*p, RightButton(*p, 0)); // "m增加"
    EXPECT_EQ(p->m_nCountM, 4);
    p->m_nSavedCountM = 48;
    for (int i = 0; i < 3; ++i) Click(*p, RightButton(*p, 0));
    EXPECT_EQ(p->m_nCountM, 49);
    p->m_nSavedCountM = 1;
    for (int i = 0; i < 3; ++i) Click(*p, RightButton(*p, 1)); // "m减少"
    EXPECT_EQ(p->m_nCountM, 0);
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

// Scripts of our own: counts and degrees far outside the arrays.
class FitScriptTest : public ScratchPageTest {
protected:
    FitScriptTest() : ScratchPageTest("fit") {}
    void Write(const std::string& body) {
        std::ofstream("data/900.txt", std::ios::binary) << Gbk(body);
    }
};

TEST_F(FitScriptTest, CountsAndDegreesOutsideTheArraysNeverCrash) {
    Write("700Regression1(0.2,3,44,13,25,2,0,-1,2,-1,2,0,1,100000,3)\n"
          "700Regression1(0.2,3,44,13,25,1,1,-1,2,-1,2,0,1,-5,-1)\n"
          "700Regressionm(0.2,3,44,13,3,1,0,-1,2,-1,2,0,1,150,100000,1)\n"
          "700Regressionm(0.2,3,44,13,3,2,1,-1,2,-1,2,1,1,-7,-9,-1)\n"
          "700Approximation(0.2,3,44,13,25,1,0,-1,2,-1,2,0,1,100000,1)\n"
          "700Approximation(0.2,3,44,13,25,2,0,-1,2,-1,2,1,1,-100000,3)\n"
          "700Approximation(0.2,3,44,13,25,1,0,-1,2,-1,2,0,1,50,3)\n"
          "700Curvespecialfunc(0.2,3,44,13,0,1,0,-1,2,-1,2,-1,1,-50,2)\n"
          "700Curvespecialfunc(0.2,3,44,13,0,1,0,-1,2,-1,2,-1,1,100000,1)\n");
    auto v = View("900");
    Draw(v.get());
    v->m_bLoadScriptSettings = FALSE;
    Draw(v.get());
    EXPECT_TRUE(messages.empty());
}

} // namespace
