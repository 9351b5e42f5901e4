// A press on a button costs one pass: that pass draws the page in the state
// the button leaves, the same picture and text a later repaint draws, and the
// button acts once.
#include "test_support.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace test_support;

struct ClickCase {
    const char* topic;
    int family;
    const char* label; // the button pressed, UTF-8
    // What the button changes: its value before the first press and after
    // each of the presses, as the page's text promises.
    double (*state)(const CPemroView&);
    double before, after[3];
    bool tableInWindow = true; // the table lies inside the 960-pixel window
};

const ClickCase kCases[] = {
    // 2-D, Newton's method: each "n增加" one more iteration.
    {"313", -1, u8"n增加", [](const CPemroView& v) { return double(v.m_nDemoStep); }, 1, {2, 3, 4}},
    // 2-D with a value table: "显示数据" lists the values, the button then
    // reads "不显示数据" and a second press hides them.
    {"324",
     -1,
     u8"显示数据",
     [](const CPemroView& v) { return double(v.m_nValueTableShown); },
     0,
     {1, 1, 1}},
    // The descent page's iteration table, shown under its figure.
    {"200",
     -1,
     u8"显示数据",
     [](const CPemroView& v) { return double(v.m_nDemoOption); },
     0,
     {1, 1, 1},
     false},
    // 3-D, the Taylor surface of degree n: each "n增加" one degree more.
    {"317", -1, u8"n增加", [](const CPemroView& v) { return double(v.m_nDemoStep); }, 1, {2, 3, 4}},
};

class ClickPassTest : public ::testing::TestWithParam<ClickCase> {
protected:
    InRunDir runDir;
};

std::vector<std::string> Texts(const TextRecorder& r) {
    std::vector<std::string> t;
    for (const auto& p : r.pieces) t.push_back(p.text);
    return t;
}

TEST_P(ClickPassTest, APressOnAButtonIsOnePassThatDrawsTheNewState) {
    ASSERT_TRUE(runDir.Entered());
    const ClickCase& c = GetParam();
    auto v = std::make_unique<CPemroView>();
    v->ResetTopic(c.family);
    v->m_strTopicCode = c.topic;
    v->ResizeClient(1280, 960);
    v->RenderPending();
    const CPoint at = ControlCentre(v.get(), c.label);
    ASSERT_GE(at.x, 0) << c.label;
    const CPoint client(at.x - v->m_nClipLeft, at.y - v->m_nClipTop);
    EXPECT_EQ(c.before, c.state(*v));
    const size_t textBefore = TextOfRepaint(v.get()).pieces.size();
    for (int press = 0; press < 3; ++press) {
        SCOPED_TRACE(press);
        // The press once the screen shows the page, as a user makes it.
        const CPoint now = ControlCentre(v.get(), c.label);
        if (now.x < 0) break; // the button gave way to its opposite
        TextRecorder clickText;
        v->m_pTextSink = &clickText;
        v->OnLButtonDown(MK_LBUTTON, client);
        v->OnLButtonUp(0, client);
        EXPECT_EQ(1, v->RenderPending());
        v->m_pTextSink = nullptr;
        EXPECT_FALSE(v->HasPendingPaint());
        EXPECT_EQ(c.after[press], c.state(*v));
        // What the pass left is the new state, text and pixels.
        const QImage afterClick = v->BackingImage().copy();
        const TextRecorder repaint = TextOfRepaint(v.get());
        EXPECT_TRUE(afterClick == v->BackingImage());
        EXPECT_EQ(Texts(repaint), Texts(clickText));
        EXPECT_EQ(c.after[press], c.state(*v));
        if (c.after[press] != c.before && c.after[0] == c.after[2]) {
            // A table shown: more text than before, where it lies in the
            // window (the pressed button, now its opposite, is not lit).
            if (c.tableInWindow) {
                EXPECT_GT(repaint.pieces.size(), textBefore);
            } else {
                EXPECT_GE(repaint.pieces.size(), textBefore);
            }
        }
    }
}

std::string CaseName(const ::testing::TestParamInfo<ClickCase>& info) {
    return std::string("Topic") + info.param.topic;
}

INSTANTIATE_TEST_SUITE_P(SamplePages, ClickPassTest, ::testing::ValuesIn(kCases), CaseName);

} // namespace
