// A press on a button costs one pass: that pass draws the page in the state
// the button leaves, the same picture and text a later repaint draws, and the
// button acts once. A press on a range arrow, a mode button or a figure's
// plot leaves the picture a full repaint draws too.
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

// --- The picture a click leaves is the full repaint's -----------------------------

// A press on the n-th control so labelled (UTF-8), or, with no label, at a
// page point; `times` presses in a row.
struct Press {
    const char* label;
    int ordinal;
    int times;
    CPoint at = CPoint(0, 0);
};

struct RepaintCase {
    const char* topic;
    int width, height;
    Press presses[2];
    const char* source;
    const char* stays = nullptr; // a control of the figure still drawn after them
};

const RepaintCase kRepaintCases[] = {
    {"347", 1266, 887, {{u8"←", 0, 1}}, "the vessel stands at 0.6 of the range the arrow widened"},
    {"348", 1024, 768, {{u8"←", 0, 10}}, "the lifted body, x min ten steps lower"},
    {"349", 1920, 1080, {{u8"←", 0, 10}}, "the levels A and B reach the plate's wall"},
    {"603", 1024, 768, {{u8"打开投影", 0, 1}, {u8"按x型", 0, 1}}, "the cut drops the inset"},
    {"603", 1920, 1080, {{u8"打开投影", 0, 1}, {u8"按y型", 0, 1}}, "the same, cut along y"},
    {"381", 1024, 768, {{nullptr, 0, 1, CPoint(250, 400)}}, "axis names beside read-outs"},
    {"382", 1024, 768, {{nullptr, 0, 1, CPoint(350, 400)}}, "the same on the surface"},
    {"603", 1024, 768, {{u8"→", 0, 10}, {u8"按x型", 0, 1}}, "y min past a y cut", u8"打开投影"},
    {"603", 1024, 768, {{u8"按x型", 0, 1}, {u8"↗", 1, 11}}, "x max below the x cut", u8"打开投影"},
    // Clicks beside the figures: a scene drawn again gets all its marks, one
    // left as it was gets nothing drawn over it.
    {"2101", 1266, 887, {{nullptr, 0, 1, CPoint(800, 600)}}, "the box and the fill with the scene"},
    {"310", 1280, 960, {{nullptr, 0, 1, CPoint(945, 945)}}, "the patch not over the kept scene"},
    // Clicks on the page's background keep every figure as drawn: nothing
    // of a kept figure is drawn over what is drawn after it.
    {"212", 1266, 887, {{nullptr, 0, 1, CPoint(1056, 32)}}, "no margin over the n and p buttons"},
    {"212", 1920, 1080, {{nullptr, 0, 1, CPoint(1504, 32)}}, "the same in a larger window"},
    {"2100", 1266, 887, {{nullptr, 0, 1, CPoint(100, 20)}}, "no line over the filled triangle"},
    {"2101", 1266, 887, {{nullptr, 0, 1, CPoint(860, 20)}}, "no vector over the box's edge"},
    {"327", 1266, 887, {{nullptr, 0, 1, CPoint(70, 79)}}, "the direction's marks with the surface"},
    {"334", 1266, 887, {{nullptr, 0, 1, CPoint(1146, 499)}}, "no exact curve over the values"},
    // A press in one figure puts out the button lit in another kept as drawn.
    {"2100",
     1280,
     2160,
     {{u8"△x增", 0, 1}, {nullptr, 0, 1, CPoint(163, 420)}},
     "the vector figure's △x增 unlit"},
};

class ClickRepaintTest : public ::testing::TestWithParam<RepaintCase> {
protected:
    InRunDir runDir;
};

CPoint PressPoint(CPemroView* v, const Press& p) {
    if (!p.label) return p.at;
    const ControlLog log = ControlsOfRepaint(v);
    int n = p.ordinal;
    for (const Control& c : log.controls)
        if (c.label == Gbk(p.label) && n-- == 0)
            return CPoint((c.box.left + c.box.right) / 2, (c.box.top + c.box.bottom) / 2);
    return CPoint(-1, -1);
}

// Each press, answered as the user makes it, leaves the picture that a full
// repaint of the state it reached draws.
TEST_P(ClickRepaintTest, ThePassesOfAPressLeaveTheFullRepaint) {
    ASSERT_TRUE(runDir.Entered());
    const RepaintCase& c = GetParam();
    SCOPED_TRACE(c.source);
    auto v = OpenTopic(c.topic, nullptr, c.width, c.height);
    for (const Press& p : c.presses) {
        if (p.times == 0) break;
        const CPoint at = PressPoint(v.get(), p);
        ASSERT_GE(at.x, 0) << (p.label ? p.label : "");
        const CPoint client(at.x - v->m_nClipLeft, at.y - v->m_nClipTop);
        for (int i = 0; i < p.times; ++i) {
            v->OnLButtonDown(MK_LBUTTON, client);
            v->OnLButtonUp(0, client);
            v->RenderPending();
        }
        const QImage afterClick = v->BackingImage().copy();
        TextOfRepaint(v.get());
        EXPECT_TRUE(afterClick == v->BackingImage()) << (p.label ? p.label : "the plot");
    }
    if (c.stays) {
        EXPECT_GE(ControlCentre(v.get(), c.stays).x, 0) << c.stays;
    }
}

// A pass that keeps figures as drawn (the stored click's figure alone drawn
// again) keeps their buttons answering: in a window showing the whole page,
// after a press on one figure's button, every button of the page still
// answers a click and acts with the pass the acting run gives it.
struct KeptCase {
    const char* topic;
    Press first, then;
};

const KeptCase kKeptCases[] = {
    {"212", {u8"n增", 1, 1}, {u8"p增", 0, 1}},
    {"212", {u8"M增", 0, 1}, {u8"λ增", 0, 1}},
};

class KeptButtonsTest : public ::testing::TestWithParam<KeptCase> {
protected:
    InRunDir runDir;
};

TEST_P(KeptButtonsTest, AKeptFigureKeepsItsButtons) {
    ASSERT_TRUE(runDir.Entered());
    const KeptCase& c = GetParam();
    auto v = OpenTopic(c.topic, nullptr, 1280, 6000);
    const CPoint first = PressPoint(v.get(), c.first);
    v->m_nPrevClipBottom = 0; // every figure draws its buttons
    const CPoint then = PressPoint(v.get(), c.then);
    ASSERT_GE(first.x, 0);
    ASSERT_GE(then.x, 0);
    v->OnLButtonDown(MK_LBUTTON, first);
    v->OnLButtonUp(0, first);
    v->RenderPending();
    // A repaint of the same box: the pressed figure alone is drawn again.
    v->Invalidate();
    v->RenderPending();
    bool shown = false;
    for (int i = 0; i < v->m_nShownButtons; ++i)
        shown = shown || v->m_arcShownButtons[i].PtInRect(then);
    EXPECT_TRUE(shown) << c.then.label;
    v->OnLButtonDown(MK_LBUTTON, then);
    v->OnLButtonUp(0, then);
    v->RenderPending();
    const QImage afterClick = v->BackingImage().copy();
    TextOfRepaint(v.get());
    EXPECT_TRUE(afterClick == v->BackingImage()) << c.then.label;
}

INSTANTIATE_TEST_SUITE_P(SamplePages, KeptButtonsTest, ::testing::ValuesIn(kKeptCases));

std::string RepaintName(const ::testing::TestParamInfo<RepaintCase>& info) {
    return std::string("Topic") + info.param.topic + "At" + std::to_string(info.param.width) +
           "Row" + std::to_string(info.index);
}

INSTANTIATE_TEST_SUITE_P(SamplePages, ClickRepaintTest, ::testing::ValuesIn(kRepaintCases),
                         RepaintName);

} // namespace
