// The iterative matrix demonstrations on their sample pages, stepped with
// their buttons as a user clicks them, and scripts with sizes and steps that
// must neither crash nor hang. Expected numbers: python3 (see
// test_numeric_iteration.cpp for how they were computed).
#include "test_support.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>

namespace {

using namespace test_support;

class IterationPageTest : public ::testing::Test {
protected:
    std::unique_ptr<CPemroView> Open(const char* topic) {
        auto v = MakeView();
        v->m_pTextSink = &text;
        v->ResetTopic(-1);
        v->m_strTopicCode = topic;
        v->ResizeClient(kPageWidth, kPageHeight);
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
    // (24 pixels a row for a 20-pixel button, scaled to the real height);
    // `dx` from the plot's right edge.
    static CPoint ButtonRow(const CPemroView& v, int row, int dx = 12) {
        const int height = 3 * (v.m_nFontStep + v.m_nBaseCharHeight) / 5 + 2;
        return CPoint(v.m_nPlotRight + dx, v.m_nPlotTop + 24 * row * height / 20 + 8);
    }

    InRunDir runDir;
    TextRecorder text;
};

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

// Scripts of our own: sizes, variants and steps far outside their ranges.
class IterationScriptTest : public ScratchPageTest {
protected:
    IterationScriptTest() : ScratchPageTest("iteration") {}
    void Write(const char* body) { std::ofstream("data/901.txt", std::ios::binary) << Gbk(body); }
};

TEST_F(IterationScriptTest, SizesStepsAndVariantsOutOfRangeNeverCrash) {
    Write("700QR(0.4,5,38,11,500,9,1,0.1,0)\n"
          "700QR(0.4,5,38,11,-3,-2)\n");
    auto v = View("901");
    for (int step : {-3, 0, 1, 50, 100000}) {
        v->m_nDemoStep = step;
        v->m_nPrecisionDigits = step > 50 ? 1 : 6;
        Draw(v.get());
    }
    EXPECT_TRUE(messages.empty());
}

} // namespace
