// The sample lecture page on text conventions (topic 230) drawn by the page
// driver: every record class is typeset, and its folded solution opens with
// the answer button.
#include "dialogs/common_dialogs.h"
#include "typeset_fixture.h"

using namespace typeset_test;

namespace {

class SamplePageTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(runDir.Entered());
        view = std::make_unique<CPemroView>();
        view->ResetTopic(-1);
        view->m_strTopicCode = "230";
        view->m_pTextSink = &rec;
        view->ResizeClient(1280, 4000); // the whole page
        // The first pass over a new file lays the page out only.
        view->RenderPending();
    }
    void Render() {
        rec.pieces.clear();
        view->Invalidate();
        view->RenderPending();
    }
    std::vector<Piece> Find(const char* utf8) const {
        std::vector<Piece> out;
        for (const Piece& p : rec.pieces)
            if (p.text == Gbk(utf8)) out.push_back(p);
        return out;
    }
    InRunDir runDir;
    std::unique_ptr<CPemroView> view;
    Recorder rec;
};

} // namespace

TEST_F(SamplePageTest, EveryPartIsDrawn) {
    Render();
    for (const char* text : {u8"文", u8"隶", u8"黑", u8"∫", u8"√", u8"｛", u8"｜", u8"★", u8"斜",
                             u8"宽", u8"→", u8"—", u8"⌒"})
        EXPECT_FALSE(Find(text).empty()) << text;
}

TEST_F(SamplePageTest, SolutionOpensWithItsButton) {
    Render();
    ASSERT_TRUE(Find(u8"求").size() == 1u);
    EXPECT_TRUE(Find(u8"关").empty()); // the solution is folded
    // The button: two columns from the left, a tenth of a line below the
    // record of the example (which advances 1.4 lines).
    const Piece example = Find(u8"求")[0];
    const int h = view->m_nBaseCharHeight + view->m_nFontStep;
    const int top = example.y + int(1.4 * h) + int(1.3 * 0.1 * h / 1.3);
    const CPoint click(2 * (view->m_nBaseCharWidth + view->m_nFontStep / 2) + 10, top + 10);
    view->OnLButtonDown(MK_LBUTTON, click);
    view->OnLButtonUp(0, click);
    Render();
    EXPECT_FALSE(Find(u8"关").empty()) << "the solution is shown";
    EXPECT_FALSE(Find(u8"求").empty());
}

// The body text of the sample pages follows the body-text colour, from the
// menu and from the display presets; headings keep the chapter colour.
TEST(SampleBodyText, FollowsTheBodyTextColourCommand) {
    InRunDir runDir;
    struct Case {
        const char* topic;
        const char* body;    // a character of a body sentence only
        const char* heading; // a character of the title only
        COLORREF headingColour;
    };
    // The titles are written in the example colour and the chapter colour.
    const Case cases[] = {{"232", u8"套", u8"欢", RGB(0, 255, 125)},
                          {"230", u8"讲", u8"约", RGB(25, 250, 0)}};
    constexpr COLORREF kYellow = RGB(255, 255, 0);
    CommonDialogHooks hooks;
    hooks.colour = [](COLORREF* c) {
        *c = kYellow;
        return true;
    };
    SetCommonDialogHooks(hooks);
    for (const Case& c : cases) {
        auto view = std::make_unique<CPemroView>();
        view->ResetTopic(-1);
        view->m_strTopicCode = c.topic;
        Recorder rec;
        view->m_pTextSink = &rec;
        view->ResizeClient(1280, 1000);
        // Every piece of the character in one colour, 0 when none was drawn.
        auto colourOf = [&](const char* utf8) {
            COLORREF colour = 0;
            int n = 0;
            for (const Piece& p : rec.pieces)
                if (p.text == Gbk(utf8)) colour = n++ == 0 || p.colour == colour ? p.colour : 1;
            return colour;
        };
        auto run = [&](UINT id) {
            view->OnCommand(id);
            rec.pieces.clear();
            view->RenderPending();
        };
        view->RenderPending();
        EXPECT_EQ(colourOf(c.body), RGB(255, 255, 255)) << c.topic; // the default body colour
        run(32800);                                                 // 正文
        EXPECT_EQ(colourOf(c.body), kYellow) << c.topic;
        EXPECT_EQ(colourOf(c.heading), c.headingColour) << c.topic;
        run(33784); // 方式2: black on white
        EXPECT_EQ(colourOf(c.body), RGB(0, 0, 0)) << c.topic;
        run(32800);
        EXPECT_EQ(colourOf(c.body), kYellow) << c.topic;
        EXPECT_EQ(colourOf(c.heading), RGB(0, 0, 0)) << c.topic;
    }
    SetCommonDialogHooks({});
}
