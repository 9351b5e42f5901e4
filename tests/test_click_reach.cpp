// A click acts once, on what lies under the pointer: at any window height,
// never later on what a scroll brings under the point it hit, and never
// bringing another control under that point.
#include "test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

using namespace test_support;

// A press and release at a page point, as the mouse makes them, and the
// passes that answer it.
void Press(CPemroView* v, int x, int y) {
    const CPoint client(x - v->m_nClipLeft, y - v->m_nClipTop);
    v->OnLButtonDown(MK_LBUTTON, client);
    v->OnLButtonUp(0, client);
    v->RenderPending();
}

std::vector<std::string> Texts(const TextRecorder& r) {
    std::vector<std::string> t;
    for (const auto& p : r.pieces) t.push_back(p.text);
    return t;
}

// --- Tall windows -----------------------------------------------------------------

struct TallCase {
    const char* topic;
    int width, height;
    const char* label;   // the button pressed, UTF-8
    const char* readout; // the read-out label, UTF-8
    double expected;     // the value written after it
    const char* source;
};

const TallCase kTallCases[] = {
    {"323", 1280, 2050, u8"右端点", u8"积分值:", 1.0 / 3, "∫0..1 x² dx = 1/3"},
    {"323", 1280, 2050, u8"右端点", u8"积分近似值:", 1.0, "one right-end rectangle: 1·f(1) = 1"},
    {"323", 1280, 2160, u8"右端点", u8"积分近似值:", 1.0, "one right-end rectangle: 1·f(1) = 1"},
    {"457", 1280, 4000, u8"2节点", u8"积分值:", 2.0, "∫0..π sin x dx = 2"},
    {"457", 1280, 4000, u8"2节点", u8"f    =", 0.616190,
     "sin(h - h/√3), h = π/2: the first node of two"},
};

class TallWindowTest : public ::testing::TestWithParam<TallCase> {
protected:
    InRunDir runDir;
};

// The button under the pointer answers, and nothing else (a range arrow
// above it did too), however tall the window is.
TEST_P(TallWindowTest, AClickOnAButtonActsOnItAlone) {
    ASSERT_TRUE(runDir.Entered());
    const TallCase& c = GetParam();
    SCOPED_TRACE(c.source);
    auto v = OpenTopic(c.topic, nullptr, c.width, c.height);
    // High in the button, where the arrows above it reached.
    const ControlLog controls = ControlsOfRepaint(v.get());
    const Control* button = controls.Find(c.label);
    ASSERT_TRUE(button) << c.label;
    Press(v.get(), (button->box.left + button->box.right) / 2, button->box.top + 2);
    const TextRecorder text = TextOfRepaint(v.get());
    const std::string value = text.After(c.readout);
    ASSERT_FALSE(value.empty()) << c.readout;
    EXPECT_NEAR(c.expected, std::atof(value.c_str()), 1e-5) << value;
}

INSTANTIATE_TEST_SUITE_P(SamplePages, TallWindowTest, ::testing::ValuesIn(kTallCases));

// --- Range arrows answer on the box they are drawn in -----------------------------

struct ArrowCase {
    const char* topic;
    int width, height;
    int arrow; // its place among the page's arrows, in drawing order (309: the scene's 8 first)
    int end;   // the saved end it steps: x min, x max, y min, y max, …, a, b
    int sign;
    const char* source;
};

constexpr int kEndA = 6, kEndB = 7;

const ArrowCase kArrowCases[] = {
    {"352", 1920, 1080, 2, 2, -1, "the first box's ↓ lowers y min"},
    {"352", 1920, 1080, 7, 3, 1, "the second box's ↑ raises y max"},
    {"352", 1024, 768, 0, 0, -1, "the first box's ← lowers x min"},
    {"309", 1920, 1080, 9, kEndA, 1, "the first panel's → raises a"},
    {"309", 2560, 1440, 11, kEndB, 1, "the second panel's → raises b"},
};

double SavedEnd(const CPemroView& v, int end) {
    if (end == kEndA) return v.m_dSavedIntervalA;
    if (end == kEndB) return v.m_dSavedIntervalB;
    return v.m_adSavedWorldRange[end];
}

bool IsArrow(const std::string& gbk) {
    for (const char* a : {u8"←", u8"→", u8"↓", u8"↑"})
        if (gbk == Gbk(a)) return true;
    return false;
}

class RangeArrowTest : public ::testing::TestWithParam<ArrowCase> {
protected:
    InRunDir runDir;
};

// A press anywhere on a drawn arrow (its lowest ink, then its topmost) steps its
// own end once; a press beside its box steps none.
TEST_P(RangeArrowTest, AnArrowAnswersOnItsDrawnBoxAlone) {
    ASSERT_TRUE(runDir.Entered());
    const ArrowCase& c = GetParam();
    SCOPED_TRACE(c.source);
    auto v = OpenTopic(c.topic, nullptr, c.width, c.height);
    std::vector<TextRecorder::Piece> arrows;
    for (const auto& piece : TextOfRepaint(v.get()).pieces)
        if (IsArrow(piece.text)) arrows.push_back(piece);
    ASSERT_LT(c.arrow, int(arrows.size()));
    // The glyph's topmost and lowest ink, in its two cells of the font's width.
    const TextRecorder::Piece& a = arrows[size_t(c.arrow)];
    // The glyph's rows of ink run without a gap; what follows is not its own.
    std::vector<CPoint> ink;
    for (int y = a.y; y < a.y + 2 * a.font.lfHeight; ++y) {
        const size_t before = ink.size();
        for (int x = a.x; x < a.x + 2 * a.font.lfWidth; ++x)
            if (ColourAt(v->BackingImage(), x, y) == a.colour) ink.push_back(CPoint(x, y));
        if (!ink.empty() && ink.size() == before) break;
    }
    ASSERT_FALSE(ink.empty());
    for (const CPoint p : {ink.back(), ink.front()}) {
        SCOPED_TRACE(p.y);
        double ends[8];
        for (int e = 0; e < 8; ++e) ends[e] = SavedEnd(*v, e);
        Press(v.get(), p.x, p.y);
        for (int e = 0; e < 8; ++e)
            if (e == c.end)
                EXPECT_EQ(c.sign, (SavedEnd(*v, e) > ends[e]) - (SavedEnd(*v, e) < ends[e]))
                    << "end " << e;
            else
                EXPECT_EQ(ends[e], SavedEnd(*v, e)) << "end " << e;
    }
    // Just right of the last arrow box the page logs: nothing to step.
    const ControlLog controls = ControlsOfRepaint(v.get());
    for (auto k = controls.controls.rbegin(); k != controls.controls.rend(); ++k) {
        if (!IsArrow(k->label)) continue;
        double ends[8];
        for (int e = 0; e < 8; ++e) ends[e] = SavedEnd(*v, e);
        Press(v.get(), k->box.right + 3, (k->box.top + k->box.bottom) / 2);
        for (int e = 0; e < 8; ++e) EXPECT_EQ(ends[e], SavedEnd(*v, e)) << "end " << e;
        break;
    }
}

INSTANTIATE_TEST_SUITE_P(SamplePages, RangeArrowTest, ::testing::ValuesIn(kArrowCases));

// --- A click on empty background --------------------------------------------------

struct BackgroundCase {
    const char* topic;
    int width, height;
    const char* label; // a button that a page up brings under the click, UTF-8
    const char* source;
};

const BackgroundCase kBackgroundCases[] = {
    {"212", 1920, 1080, u8"α减", "the Γ density's button; its click shows the read-outs too"},
    {"212", 1280, 960, u8"方差", "the normal density's button"},
    {"323", 1280, 720, u8"右端点", "a rule button of a 2-D figure"},
};

class BackgroundClickTest : public ::testing::TestWithParam<BackgroundCase> {
protected:
    InRunDir runDir;
};

// The page scrolled to where the control is drawn, or -1 when no page of
// the window shows it.
int ScrollShowing(CPemroView* v, const std::string& label, CRect* box) {
    const int step = v->m_nClipBottom - v->m_nClipTop;
    for (int y = 0; y < v->GetTotalSize().cy; y += step / 2) {
        v->ScrollToPosition(CPoint(0, y));
        v->RenderPending();
        const ControlLog log = ControlsOfRepaint(v);
        if (const Control* c = log.Find(label)) {
            *box = c->box;
            return v->GetScrollPosition().y;
        }
    }
    return -1;
}

// A click that meets nothing is spent by the pass that answers it: the
// button a page up then brings under its point, and its figure, stay as
// they were drawn.
TEST_P(BackgroundClickTest, IsNeverAnsweredByWhatScrollsUnderIt) {
    ASSERT_TRUE(runDir.Entered());
    const BackgroundCase& c = GetParam();
    SCOPED_TRACE(c.source);
    auto v = OpenTopic(c.topic, nullptr, c.width, c.height);
    CRect box;
    const int shown = ScrollShowing(v.get(), c.label, &box);
    ASSERT_GE(shown, 0) << c.label;
    const CPoint client((box.left + box.right) / 2, (box.top + box.bottom) / 2 - shown);
    const std::vector<std::string> before = Texts(TextOfRepaint(v.get()));
    const QImage picture = v->BackingImage().copy();
    // A page down, or to the page's end, where the point lies on the page's
    // background.
    v->ScrollToPosition(CPoint(0, shown + c.height));
    v->RenderPending();
    const int below = v->GetScrollPosition().y;
    ASSERT_GT(below - shown, box.bottom - box.top) << "the page is too short";
    for (const Control& k : ControlsOfRepaint(v.get()).controls)
        ASSERT_FALSE(k.box.left <= client.x && client.x < k.box.right &&
                     k.box.top <= client.y + below && client.y + below < k.box.bottom)
            << "the point lies on a control";
    Press(v.get(), client.x + v->m_nClipLeft, client.y + v->m_nClipTop);
    v->ScrollToPosition(CPoint(0, shown)); // the page up
    v->RenderPending();
    EXPECT_EQ(before, Texts(TextOfRepaint(v.get())));
    EXPECT_TRUE(picture == v->BackingImage());
}

INSTANTIATE_TEST_SUITE_P(SamplePages, BackgroundClickTest, ::testing::ValuesIn(kBackgroundCases));

struct StrayCase {
    const char* topic;
    int width, height;
    CPoint at; // client point of the first screen
    const char* source;
};

const StrayCase kStrayCases[] = {
    {"212", 1024, 768, CPoint(759, 112), "beside a title, over the figure's controls' reach"},
    {"306", 1024, 768, CPoint(737, 330), "right of a figure"},
    {"381", 1024, 768, CPoint(613, 203), "above a figure's button column"},
};

class StrayClickTest : public ::testing::TestWithParam<StrayCase> {
protected:
    InRunDir runDir;
};

// A click on the first screen's background, then a page down: the page shows
// what the page down alone shows, the figures that first appear there
// settled as every later pass draws them.
TEST_P(StrayClickTest, APageDownShowsWhatItShowsWithoutTheClick) {
    ASSERT_TRUE(runDir.Entered());
    const StrayCase& c = GetParam();
    SCOPED_TRACE(c.source);
    auto alone = OpenTopic(c.topic, nullptr, c.width, c.height);
    alone->ScrollToPosition(CPoint(0, c.height));
    alone->RenderPending();
    auto v = OpenTopic(c.topic, nullptr, c.width, c.height);
    v->OnLButtonDown(MK_LBUTTON, c.at);
    v->OnLButtonUp(0, c.at);
    v->RenderPending();
    v->ScrollToPosition(CPoint(0, c.height));
    v->RenderPending();
    ASSERT_GT(v->GetScrollPosition().y, 0);
    EXPECT_TRUE(alone->BackingImage() == v->BackingImage());
}

INSTANTIATE_TEST_SUITE_P(SamplePages, StrayClickTest, ::testing::ValuesIn(kStrayCases));

// --- After a press, nothing else stands under the pointer ------------------------

struct PointerCase {
    const char* topic;
    int width, height;
    const char* mode;  // pressed first, UTF-8, or none
    const char* label; // UTF-8
    int ordinal;       // the n-th control so labelled
    const char* source;
};

const PointerCase kPointerCases[] = {
    {"603", 1586, 927, nullptr, u8"按x型", 0, "the cut's two moves come above the column"},
    {"603", 1920, 1080, nullptr, u8"按y型", 0, "the same for the cut along y"},
    {"364", 1586, 927, u8"平行坐标面", u8"x=c", 0, "the named planes' column"},
    {"364", 1920, 1080, u8"平行坐标面", u8"x=c", 0, "the same, wider"},
    {"457", 1266, 887, nullptr, u8"→", 1, "x max up: the data switch steps over the y axis's name"},
};

class PointerTest : public ::testing::TestWithParam<PointerCase> {
protected:
    InRunDir runDir;
};

// The press point lies in the pressed control alone, and no two controls'
// click areas meet.
TEST_P(PointerTest, NoOtherControlComesUnderThePointer) {
    ASSERT_TRUE(runDir.Entered());
    const PointerCase& c = GetParam();
    SCOPED_TRACE(c.source);
    auto v = OpenTopic(c.topic, nullptr, c.width, c.height);
    if (c.mode) {
        const CPoint m = ControlCentre(v.get(), c.mode);
        ASSERT_GE(m.x, 0) << c.mode;
        Press(v.get(), m.x, m.y);
    }
    const ControlLog before = ControlsOfRepaint(v.get());
    const Control* pressed = nullptr;
    int n = c.ordinal;
    for (const Control& k : before.controls)
        if (k.label == Gbk(c.label) && n-- == 0) pressed = &k;
    ASSERT_TRUE(pressed) << c.label;
    const CPoint at((pressed->box.left + pressed->box.right) / 2,
                    (pressed->box.top + pressed->box.bottom) / 2);
    Press(v.get(), at.x, at.y);
    const ControlLog after = ControlsOfRepaint(v.get());
    for (const Control& k : after.controls) {
        const bool under =
            k.box.left < at.x && at.x < k.box.right && k.box.top < at.y && at.y < k.box.bottom;
        EXPECT_FALSE(under && k.label != pressed->label)
            << GbkToUtf8(k.label) << " under the pointer";
    }
    for (size_t i = 0; i < after.controls.size(); ++i)
        for (size_t j = i + 1; j < after.controls.size(); ++j) {
            const CRect meet = after.controls[i].box.Intersect(after.controls[j].box);
            EXPECT_FALSE(meet.Width() > 0 && meet.Height() > 0)
                << GbkToUtf8(after.controls[i].label) << " / "
                << GbkToUtf8(after.controls[j].label);
        }
}

INSTANTIATE_TEST_SUITE_P(SamplePages, PointerTest, ::testing::ValuesIn(kPointerCases));

// --- The lit button is the one pressed -------------------------------------------

struct LitCase {
    const char* topic;
    int width, height;
    const char* presses[2]; // UTF-8; the last is the button that must be lit
    bool scrollAway;        // half a page down and back after the presses
    const char* source;
};

const LitCase kLitCases[] = {
    {"603", 1920, 1080, {u8"按x型", nullptr}, false, "the same in a wide window"},
    {"603", 1024, 768, {u8"按x型", nullptr}, false, "the mode's column is rebuilt"},
    {"201", 1280, 960, {u8"下一步", u8"下一步"}, true, "two steps, a scroll away and back"},
};

class LitButtonTest : public ::testing::TestWithParam<LitCase> {
protected:
    InRunDir runDir;
};

// The pressed button is marked, and no other that comes to stand under the
// click.
TEST_P(LitButtonTest, OnlyThePressedButtonIsMarked) {
    ASSERT_TRUE(runDir.Entered());
    const LitCase& c = GetParam();
    SCOPED_TRACE(c.source);
    auto v = OpenTopic(c.topic, nullptr, c.width, c.height);
    CRect box;
    ASSERT_GE(ScrollShowing(v.get(), c.presses[0], &box), 0);
    const char* pressed = nullptr;
    for (const char* label : c.presses) {
        if (!label) break;
        const CPoint at = ControlCentre(v.get(), label);
        ASSERT_GE(at.x, 0) << label;
        Press(v.get(), at.x, at.y);
        pressed = label;
    }
    if (c.scrollAway) {
        const int top = v->GetScrollPosition().y;
        v->ScrollToPosition(CPoint(0, top + c.height / 2));
        v->RenderPending();
        v->ScrollToPosition(CPoint(0, top));
        v->RenderPending();
    }
    const ControlLog log = ControlsOfRepaint(v.get());
    const COLORREF hit = RGB(250, 125, 120);
    for (const Control& k : log.controls) {
        const CRect b(k.box.left - v->m_nClipLeft, k.box.top - v->m_nClipTop,
                      k.box.right - v->m_nClipLeft, k.box.bottom - v->m_nClipTop);
        if (CountColour(v->BackingImage(), hit, b.left, b.top, b.right, b.bottom) >
            b.Width() * b.Height() / 3) {
            EXPECT_EQ(Gbk(pressed), k.label) << "lit instead: " << GbkToUtf8(k.label);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(SamplePages, LitButtonTest, ::testing::ValuesIn(kLitCases));

} // namespace
