// The sample pages of the figure annotation commands, drawn whole from the
// run directory: every page draws without a message, writes its labelled
// values, and its buttons act once per click.
#include "test_support.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace test_support;

class AnnotationPageTest : public OnSampleCourse<> {
protected:
    // The whole page in one tall window, so that every figure is placed.
    void Open(const char* topic) { PageViewTest::Open(topic, 6000); }
};

} // namespace

TEST_F(AnnotationPageTest, EveryPageDrawsWithoutAMessage) {
    for (const char* topic : {"2100", "2101", "306", "355", "357", "360", "369"}) {
        Open(topic);
        EXPECT_EQ(view->m_strLastDataPath, std::string("data\\") + topic + ".txt");
        EXPECT_TRUE(messages.empty()) << topic;
    }
}

TEST_F(AnnotationPageTest, PlaneFiguresWriteTheirValues) {
    Open("2100");
    EXPECT_TRUE(log.Saw("p="));      // LINE2's direction cosines
    EXPECT_TRUE(log.Saw("长度:"));   // BoxLine
    EXPECT_TRUE(log.Saw("1.00000")); // Print: cos 0 in the middle of the row
}

TEST_F(AnnotationPageTest, SpaceFiguresWriteTheirValues) {
    Open("2101");
    EXPECT_TRUE(log.Saw("B^2-AC="));
    Open("357");
    EXPECT_TRUE(log.Saw("0.400")); // m of LINE3
    EXPECT_EQ(view->m_nSurfaceUpper, 30);
}

TEST_F(AnnotationPageTest, ChordButtonOnThePageActsOncePerClick) {
    Open("306"); // its last figure is the chord's
    ASSERT_TRUE(view->m_bFigureVisible);
    ClickButton(view->m_nFigureRight - 40, view->m_nFigureTop + 2); // "弦长增"
    EXPECT_DOUBLE_EQ(view->m_dStepH, 0.125);
    Repaint();
    Repaint();
    EXPECT_DOUBLE_EQ(view->m_dStepH, 0.125);
}

TEST_F(AnnotationPageTest, DirectionButtonOnThePageKeepsTheUsersValue) {
    Open("360");
    ASSERT_TRUE(view->m_bFigureVisible);
    const double m = view->m_dDirM;
    // "m增" in a 3-D figure: no rescaling of the offset.
    Click(view->m_nFigureRight - 10 + 3, view->m_nFigureTop + 2 + 3);
    EXPECT_DOUBLE_EQ(view->m_dDirM, m + 0.1);
    Repaint();
    EXPECT_DOUBLE_EQ(view->m_dDirM, m + 0.1);
}
