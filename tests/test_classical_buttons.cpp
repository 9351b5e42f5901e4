// The hyperbola's a buttons stand beside its figure, past the graph's
// controls: a press there changes a, and the foci move with it.
#include "test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

using namespace test_support;

void Press(CPemroView* v, int x, int y) {
    const CPoint client(x - v->m_nClipLeft, y - v->m_nClipTop);
    v->OnLButtonDown(MK_LBUTTON, client);
    v->OnLButtonUp(0, client);
    v->RenderPending();
}

struct Case {
    int width, height;
    const char* label; // the button pressed, UTF-8
    double expected;   // the distance difference at P = (3.5, 0), past the focus: 2c
    const char* source;
};

// b = 1 and a = 1 as the page opens; c = √(a² + b²).
const Case kCases[] = {
    {1266, 950, u8"a减", 2.69, "a = 0.9: 2·√(0.81 + 1) = 2.6907"},
    {1024, 768, u8"a减", 2.69, "a = 0.9: 2·√(0.81 + 1) = 2.6907"},
    {1266, 950, u8"a增", 2.97, "a = 1.1: 2·√(1.21 + 1) = 2.9732"},
    {1920, 1080, u8"a增", 2.97, "a = 1.1: 2·√(1.21 + 1) = 2.9732"},
};

class HyperbolaButtonTest : public ::testing::TestWithParam<Case> {
protected:
    InRunDir runDir;
};

TEST_P(HyperbolaButtonTest, AButtonBesideTheFigureMovesTheFoci) {
    ASSERT_TRUE(runDir.Entered());
    const Case& c = GetParam();
    SCOPED_TRACE(c.source);
    auto v = OpenTopic("503", nullptr, c.width, c.height);
    const ControlLog controls = ControlsOfRepaint(v.get());
    const Control* button = controls.Find(c.label);
    ASSERT_TRUE(button) << c.label;
    Press(v.get(), (button->box.left + button->box.right) / 2,
          (button->box.top + button->box.bottom) / 2);
    TextOfRepaint(v.get());
    const int x = v->m_nPlotLeft + int((3.5 - v->m_dXMin) / v->m_dXSpan * v->m_nPlotWidth);
    const int y = v->m_nPlotTop + int(v->m_dYMax / v->m_dYSpan * v->m_nPlotHeight);
    Press(v.get(), x, y);
    const TextRecorder text = TextOfRepaint(v.get());
    const std::string value = text.After(u8"P到两角点距离差:");
    ASSERT_FALSE(value.empty());
    EXPECT_NEAR(c.expected, std::atof(value.c_str()), 1e-9) << value;
}

INSTANTIATE_TEST_SUITE_P(SamplePages, HyperbolaButtonTest, ::testing::ValuesIn(kCases));

} // namespace
