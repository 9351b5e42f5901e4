// A click on a button costs one pass: the pass that answers it draws the
// page in the new state, which a later repaint leaves as it is, and each
// click acts once.
#include "test_support.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace test_support;

struct ClickCase {
    const char* topic;
    int family;
    const char* label; // the button pressed, UTF-8
    // What the button changes, and by how much a click (0: it is set, to 1).
    double (*state)(const CPemroView&);
    double perClick;
};

// 317: the degree of a Taylor polynomial; 321: the Gauss sum of a double
// integral; gs020: the time of a travelling wave, in its steps.
const ClickCase kCases[] = {
    {"317", -1, u8"n增加", [](const CPemroView& v) { return double(v.m_nDemoStep); }, 1},
    {"321", -1, u8"高斯和", [](const CPemroView& v) { return double(v.m_nDemoOption2); }, 0},
    {"020", 0, u8"t增", [](const CPemroView& v) { return v.m_dTimeT / v.m_dParamStep; }, 1},
};

class ClickPassTest : public ::testing::TestWithParam<ClickCase> {
protected:
    InRunDir runDir;
};

TEST_P(ClickPassTest, AButtonClickIsOnePassThatDrawsTheNewState) {
    ASSERT_TRUE(runDir.Entered());
    const ClickCase& c = GetParam();
    auto v = std::make_unique<CPemroView>();
    v->ResetTopic(c.family);
    v->m_strTopicCode = c.topic;
    v->ResizeClient(1280, 960);
    v->RenderPending();
    const CPoint at = ControlCentre(v.get(), c.label);
    ASSERT_GE(at.x, 0) << c.label;
    const double start = c.state(*v);
    for (int click = 1; click <= 3; ++click) {
        v->m_ptClick = CPoint(at.x - v->m_nClipLeft, at.y - v->m_nClipTop);
        ++v->m_nClickSerial;
        v->Invalidate(TRUE);
        EXPECT_EQ(1, v->RenderPending()) << c.topic << " click " << click;
        // The click acted, once.
        const double expected = c.perClick == 0 ? 1.0 : start + click * c.perClick;
        EXPECT_NEAR(expected, c.state(*v), 1e-9) << c.topic << " click " << click;
        // What the pass left is the new state: a repaint changes no pixel.
        const QImage after = v->BackingImage().copy();
        v->Invalidate(TRUE);
        EXPECT_EQ(1, v->RenderPending());
        EXPECT_TRUE(after == v->BackingImage()) << c.topic << " click " << click;
        EXPECT_NEAR(expected, c.state(*v), 1e-9) << c.topic << " repaint " << click;
    }
}

std::string CaseName(const ::testing::TestParamInfo<ClickCase>& info) {
    return std::string("Topic") + info.param.topic;
}

INSTANTIATE_TEST_SUITE_P(SamplePages, ClickPassTest, ::testing::ValuesIn(kCases), CaseName);

} // namespace
