// The controls of the 3-D pages in a maximised window: every label whole
// inside its own box, no box over another, and a click on a drawn control
// acting on that control.
#include "test_support.h"

#include <QImage>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using test_support::Control;
using test_support::ControlLog;
using test_support::ControlsOfRepaint;
using test_support::InRunDir;

// The label's cell as the platform writes it in its font.
CRect LabelRect(const Control& c) {
    QImage scratch(8, 8, QImage::Format_RGB32);
    CDC dc(&scratch);
    CFontSelect font(&dc, c.font);
    const CSize extent = dc.GetTextExtent(c.label);
    return CRect(c.labelAt.x, c.labelAt.y, c.labelAt.x + extent.cx, c.labelAt.y + extent.cy);
}

CRect Inflated(const CRect& r, int d) {
    return CRect(r.left - d, r.top - d, r.right + d, r.bottom + d);
}

bool Overlap(const CRect& a, const CRect& b) {
    return !a.Intersect(b).IsRectEmpty();
}

std::string Name(const Control& c) {
    return GbkToUtf8(c.label.data(), int(c.label.size()));
}

struct Window {
    int width, height;
};
// Maximised on 1600 x 1000, and the two window sizes of the sample course.
constexpr Window kWindows[] = {{1586, 927}, {1266, 887}, {1010, 695}};
const char* const kScenePages[] = {"201", "309", "310", "311", "317", "327", "342",
                                   "351", "364", "373", "378", "379", "382", "2101"};

std::unique_ptr<CPemroView> OpenPage(const std::string& code, Window w) {
    return test_support::OpenTopic(code, nullptr, w.width, w.height);
}

void ClickAndDraw(CPemroView* v, CPoint client) {
    v->OnLButtonDown(MK_LBUTTON, client);
    v->OnLButtonUp(0, client);
    v->Invalidate();
    v->RenderPending();
}

// The controls of the page's passes after the click, or of a repaint.
ControlLog ControlsAfterClick(CPemroView* v, CPoint client) {
    ControlLog log;
    v->m_pControlSink = &log;
    ClickAndDraw(v, client);
    v->m_pControlSink = nullptr;
    return log;
}

// The client point of a page point; the pages fit the window unscrolled.
CPoint Client(const CPemroView* v, int x, int y) {
    return CPoint(x - v->m_nClipLeft, y - v->m_nClipTop);
}

CPoint CentreOf(const CPemroView* v, const CRect& r) {
    return Client(v, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

// Every label whole inside its own box, and no box over another box or
// another label.
void ExpectControlsApart(const ControlLog& log) {
    const auto& cs = log.controls;
    for (const Control& c : cs) {
        const CRect text = LabelRect(c);
        EXPECT_EQ(text.Union(c.box), c.box)
            << Name(c) << " label " << text.left << ".." << text.right << " x " << text.top << ".."
            << text.bottom << " box " << c.box.left << ".." << c.box.right << " x " << c.box.top
            << ".." << c.box.bottom;
    }
    for (size_t i = 0; i < cs.size(); ++i)
        for (size_t j = 0; j < cs.size(); ++j) {
            if (i == j) continue;
            EXPECT_FALSE(i < j && Overlap(cs[i].box, cs[j].box))
                << Name(cs[i]) << " and " << Name(cs[j]) << " share click area";
            EXPECT_FALSE(Overlap(Inflated(cs[i].box, cs[i].frame), LabelRect(cs[j])))
                << Name(cs[i]) << " covers the label of " << Name(cs[j]);
        }
}

TEST(SceneControls, LabelsFitTheirBoxesAndNoControlCoversAnother) {
    InRunDir dir;
    for (const char* page : kScenePages)
        for (const Window w : kWindows) {
            SCOPED_TRACE(std::string(page) + " at " + std::to_string(w.width));
            auto v = OpenPage(page, w);
            // A pending selection shows "恢复" too.
            v->m_bSelectionPending = 1;
            const ControlLog log = ControlsOfRepaint(v.get());
            ASSERT_NE(log.Find(u8"恢复"), nullptr);
            ExpectControlsApart(log);
        }
}

// The rows of buttons of every sample page as it opens, in the largest and
// the smallest window: a larger font moves a button right of the one before
// it in its row instead of over it.
TEST(SceneControls, NoSamplePageDrawsAControlOverAnother) {
    InRunDir dir;
    std::vector<std::string> pages;
    for (const auto& e : std::filesystem::directory_iterator("data"))
        if (e.path().extension() == ".txt") pages.push_back(e.path().stem().string());
    ASSERT_GE(pages.size(), 90u);
    for (const std::string& page : pages)
        for (const Window w : {kWindows[0], kWindows[2]}) {
            SCOPED_TRACE(page + " at " + std::to_string(w.width));
            auto v = OpenPage(page, w);
            ExpectControlsApart(ControlsOfRepaint(v.get()));
        }
}

// A caption joining a letter to a Chinese character shows them apart: two
// runs of inked pixel columns in its box, with a blank column between, in
// a 1024 x 768 window.
struct MixedCaption {
    const char* page;
    const char* label;
};
constexpr MixedCaption kMixedCaptions[] = {
    {"357", u8"m增"}, {"357", u8"m减"}, {"212", u8"p增"},
    {"231", u8"a增"}, {"231", u8"f减"}, {"341", u8"z增"},
};

// Runs of pixel columns of the box that hold something besides the ground;
// the frames of the buttons above and below reach two rows in.
int InkColumnRuns(const QImage& image, const CRect& box, COLORREF ground) {
    int runs = 0;
    bool inRun = false;
    for (int x = box.left; x < box.right; ++x) {
        bool ink = false;
        for (int y = box.top + 2; y < box.bottom - 2 && !ink; ++y)
            ink = test_support::ColourAt(image, x, y) != ground;
        runs += ink && !inRun;
        inRun = ink;
    }
    return runs;
}

TEST(SceneControls, MixedCaptionsKeepLetterAndCharacterApart) {
    InRunDir dir;
    for (const MixedCaption& c : kMixedCaptions) {
        SCOPED_TRACE(std::string(c.page) + " " + c.label);
        auto v = test_support::OpenTopic(c.page, nullptr, 1024, 768);
        const ControlLog log = ControlsOfRepaint(v.get());
        const Control* b = log.Find(c.label);
        ASSERT_NE(b, nullptr);
        CRect box = b->box;
        box.OffsetRect(-v->m_nClipLeft, -v->m_nClipTop);
        EXPECT_EQ(InkColumnRuns(v->BackingImage(), box, v->m_crGround), 2);
    }
}

// The ball page's parameter buttons stand above the floor's far edge, where
// the y axis's tick labels right of the figure begin, and inside the window.
TEST(SceneControls, BallButtonsLeaveTheYAxisLabelsClear) {
    InRunDir dir;
    const char* const kButtons[] = {u8"λ增",    u8"λ减",    u8"cm制",   u8"m制",  u8"x0前移",
                                    u8"x0后移", u8"y0左移", u8"y0右移", u8"μ增",  u8"μ减",
                                    u8"vx增",   u8"vx减",   u8"vy增",   u8"vy减", u8"h增",
                                    u8"h减",    u8"R增",    u8"R减",    u8"t增",  u8"t减"};
    for (const Window w : {kWindows[0], kWindows[2], Window{800, 600}}) {
        SCOPED_TRACE(w.width);
        auto v = OpenPage("382", w);
        const ControlLog log = ControlsOfRepaint(v.get());
        for (const char* label : kButtons) {
            const Control* c = log.Find(label);
            ASSERT_NE(c, nullptr) << label;
            EXPECT_LT(c->box.bottom, v->m_nProjOriginY) << label;
            EXPECT_LE(c->box.right, v->m_nClipRight) << label;
        }
    }
}

// The range boxes above a 2-D plot keep their arrows apart at a larger
// font, and the ball page's row of buttons keeps off them.
TEST(SceneControls, RangeBoxesHoldTheirArrowsApartAtLargerFonts) {
    InRunDir dir;
    for (const int steps : {0, 3, 5}) {
        SCOPED_TRACE(steps);
        auto v = OpenPage("381", Window{800, 600});
        for (int i = 0; i < steps; ++i) v->OnFontStep(2);
        const ControlLog log = ControlsOfRepaint(v.get());
        QImage scratch(8, 8, QImage::Format_RGB32);
        CDC dc(&scratch);
        CFontSelect font(&dc, v->PlainStringFont(FALSE, 0));
        const int arrow = dc.GetTextExtent(Gbk(u8"←")).cx;
        int box[4][2];
        v->RangeBoxes2D(box);
        const int top = v->m_nPlotTop - v->m_nBaseCharHeight, bottom = v->m_nPlotTop;
        for (int i = 0; i < 4; ++i) {
            const int glyphs = i < 2 ? 4 : 2;
            EXPECT_GT((box[i][1] - box[i][0]) / glyphs, arrow) << "box " << i;
            if (i > 0) {
                EXPECT_LT(box[i - 1][1], box[i][0]) << "box " << i;
            }
            // The box's own arrows (frameless controls) stand in it.
            for (const Control& c : log.controls) {
                if (c.frame == 0) continue;
                EXPECT_FALSE(Overlap(c.box, CRect(box[i][0], top, box[i][1], bottom)))
                    << Name(c) << " over box " << i;
            }
        }
    }
}

// Each drawn glyph moves its own end, one step in its own direction, at
// every window size: x by the step factor, z by its own.
TEST(SceneControls, EachRangeGlyphMovesItsOwnEnd) {
    InRunDir dir;
    // Glyph order in a box, and the end and direction each moves.
    const char* const glyphs[6] = {u8"↗", u8"↙", u8"←", u8"→", u8"↓", u8"↑"};
    for (const Window w : kWindows) {
        SCOPED_TRACE(w.width);
        auto v = OpenPage("373", w);
        ControlLog log = ControlsOfRepaint(v.get());
        std::vector<Control> cells;
        for (const Control& c : log.controls)
            for (const char* g : glyphs)
                if (c.label == Gbk(g)) cells.push_back(c);
        ASSERT_EQ(cells.size(), 12u);
        std::sort(cells.begin(), cells.end(),
                  [](const Control& a, const Control& b) { return a.box.left < b.box.left; });
        for (int k = 0; k < 12; ++k) {
            SCOPED_TRACE(k);
            EXPECT_EQ(cells[k].label, Gbk(glyphs[k % 6]));
            double before[6];
            std::copy(v->m_adSavedWorldRange, v->m_adSavedWorldRange + 6, before);
            ClickAndDraw(v.get(), CentreOf(v.get(), cells[k].box));
            // Minimum box: x, y, z minimum; maximum box: the maxima.
            const int end = 2 * ((k % 6) / 2) + k / 6;
            const int sign = (k % 2 == 0) ? -1 : 1;
            for (int e = 0; e < 6; ++e) {
                const double moved = v->m_adSavedWorldRange[e] - before[e];
                if (e == end)
                    EXPECT_GT(sign * moved, 0) << "end " << e;
                else
                    EXPECT_EQ(moved, 0) << "end " << e;
            }
        }
    }
}

// "恢复" takes the script's range back, and its click moves no range end.
TEST(SceneControls, RestoreButtonActsAlone) {
    InRunDir dir;
    for (const Window w : kWindows) {
        SCOPED_TRACE(w.width);
        auto v = OpenPage("373", w);
        const double script[6] = {v->m_dXMin, v->m_dXMax, v->m_dYMin,
                                  v->m_dYMax, v->m_dZMin, v->m_dZMax};
        ControlLog log = ControlsOfRepaint(v.get());
        const Control* xMinDown = log.Find(u8"↗");
        ASSERT_NE(xMinDown, nullptr);
        log = ControlsAfterClick(v.get(), CentreOf(v.get(), xMinDown->box));
        ASSERT_LT(v->m_adSavedWorldRange[0], script[0]);
        const Control* restore = log.Find(u8"恢复");
        ASSERT_NE(restore, nullptr);
        ClickAndDraw(v.get(), CentreOf(v.get(), restore->box));
        v->Invalidate();
        v->RenderPending();
        const double now[6] = {v->m_dXMin, v->m_dXMax, v->m_dYMin,
                               v->m_dYMax, v->m_dZMin, v->m_dZMax};
        EXPECT_TRUE(std::equal(script, script + 6, now));
    }
}

// A script's Font command enlarges the text the labels are written in: the
// boxes grow with it.
class FontCommandPageTest : public test_support::ScratchPageTest {
protected:
    FontCommandPageTest() : ScratchPageTest("fontbuttons") {}
};

TEST_F(FontCommandPageTest, LabelsFitInTheEnlargedText) {
    std::ofstream("data/f.txt", std::ios::binary)
        << Gbk(u8"014立体\n700Font(6)\n104  说明\n700DATA2(0,-0.5,0,-0.25,0,0,4,)\n"
               u8"700Calculus2(6.3,6,36,10,1,0,0,-2,2,-2,2,0,5,1,1,-1)\n");
    auto v = View("f");
    Draw(v.get());
    const ControlLog log = ControlsOfRepaint(v.get());
    ASSERT_NE(log.Find(u8"积分法"), nullptr);
    for (const Control& c : log.controls) {
        const CRect text = LabelRect(c);
        EXPECT_EQ(text.Union(c.box), c.box) << Name(c);
    }
}

} // namespace
